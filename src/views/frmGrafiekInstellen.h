#pragma once
// The graph settings dialog: the name of one graph window, its time and value axis, the alarm lines
// with their colours, the row labels, the legend, the recorder mode with its interval and automatic
// printing, and its 32 curves (input, colour, statistic lines) in a grid. The dialog edits a copy of
// the window's settings: `refresh` puts the copy into the controls, `sync` takes the controls back
// into it, and only OK writes the copy into the window and the graph's configuration file. Cancel,
// Escape and the title bar leave the window and its file as they were. The dialog keeps its own
// answer (QDialog::result: Accepted after OK).
#include "views/GrafiekInstellenVelden.h"

#include <QDialog>
#include <QString>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

// Pages of the dialog.
enum GrafiekInstellenPagina : int {
    PaginaDiversen = 0,
    PaginaTijdas = 1,
    PaginaWaardenas = 2,
    PaginaCurven = 3,
};

// Columns of the curve grid; row n - 1 holds curve n.
enum CurveKolom : int {
    KolomCurveNummer = 0,
    KolomCurveIngang = 1,
    KolomCurveKleur = 2,
    KolomCurveMinimum = 3,
    KolomCurveMaximum = 4,
    KolomCurveGemiddelde = 5,
};

class frmGrafiekInstellen : public QDialog {
    Q_OBJECT
public:
    // Loads the dialog on graph window `grafiek` (1..64): a copy of its settings, every control filled
    // from the copy, the page of the last opening (setting "Tab" of "Graph settings", default the
    // curves).
    explicit frmGrafiekInstellen(int grafiek, QWidget* parent = nullptr);
    ~frmGrafiekInstellen() override;

    int Grafiek() const { return m_grafiek; }
    // The copy being edited.
    const GrafiekInstellenGegevens& Gegevens() const { return m_gegevens; }
    // True once OK, Cancel or the title bar has closed the dialog.
    bool Gesloten() const { return m_gesloten; }

    // Shows an interval (seconds) in the interval box.
    void PlaatsTussentijd(int32_t TePlaatsentijd);
    // Enables the manual scale fields unless the scale is automatic.
    void InstellenSchaalEnables();
    // Acts on a cell of the curve grid as a click, Enter or space on it does (curve 1..32).
    void CurveRaster_Click(int curve, int kolom);
    // The grid's cell of curve n (1..32).
    QTableWidgetItem* CurveCel(int curve, int kolom) const;
    // Cancel, as Escape and the title bar give it.
    void reject() override;

    QTabWidget* SSTab = nullptr;
    // Miscellaneous.
    QLabel* LabelGraphName = nullptr;
    QLineEdit* TextGraphName = nullptr;
    QGroupBox* FrameRecorder = nullptr;
    QCheckBox* CheckRecorder = nullptr;
    QLabel* LabelTussentijd = nullptr;
    QLineEdit* TextTussentijd = nullptr;
    QSpinBox* UpDownTussentijd = nullptr;
    QCheckBox* CheckPrintGraph = nullptr;
    QGroupBox* FrameAlarm = nullptr;
    QCheckBox* CheckAlarmHoog = nullptr;
    QLineEdit* TextAlarmHoog = nullptr;
    QSpinBox* UpDownAlarmHoog = nullptr;
    QPushButton* CommandKleurHoog = nullptr;
    QCheckBox* CheckAlarmLaag = nullptr;
    QLineEdit* TextAlarmLaag = nullptr;
    QSpinBox* UpDownAlarmLaag = nullptr;
    QPushButton* CommandKleurLaag = nullptr;
    QCheckBox* CheckLegenda = nullptr;
    // Time axis.
    QLabel* labelGrafiekpunten = nullptr;
    QLineEdit* textGrafiekPunten = nullptr;
    QSpinBox* UpDownGrafiekPunten = nullptr;
    QLabel* labelTijdVerdelingen = nullptr;
    QLineEdit* textTijdVerdelingen = nullptr;
    QSpinBox* UpDownTijdVerdelingen = nullptr;
    QLabel* LabelTijdsTitel = nullptr;
    QLineEdit* TextTijdsTitel = nullptr;
    QGroupBox* FrameLabels = nullptr;
    QRadioButton* OptionLabels[4] = {};
    // Value axis.
    QLabel* LabelWaardenAs = nullptr;
    QLineEdit* TextWaardenAs = nullptr;
    QCheckBox* checkAutoSchaal = nullptr;
    QLabel* labelGrafiekMax = nullptr;
    QLineEdit* textGrafiekMaximum = nullptr;
    QSpinBox* UpDownGrafiekMax = nullptr;
    QLabel* labelGrafiekMin = nullptr;
    QLineEdit* textGrafiekMinimum = nullptr;
    QSpinBox* UpDownGrafiekMin = nullptr;
    QLabel* labelWaardenVerdelingen = nullptr;
    QLineEdit* textWaardenVerdelingen = nullptr;
    QSpinBox* UpDownWaardenVerdelingen = nullptr;
    QLabel* labelWaardenOnderverdelingen = nullptr;
    QLineEdit* textWaardenOnderverdelingen = nullptr;
    QSpinBox* UpDownWaardenOnderverdelingen = nullptr;
    // Data series.
    QTableWidget* MSHFlexCurveLijnen = nullptr;

    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;
    QPushButton* CommandHelp = nullptr;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void refresh();
    void sync();
    void LaadStringsGrafiekInstellen();
    void InitCurveRaster();
    void VulCurveRij(int curve);
    void ZetVinkje(int curve, int kolom, bool aan);
    bool KiesKleur(int32_t& kleur);
    void InstellenAlarmHoogEnables(int32_t kleur);
    void InstellenAlarmLaagEnables(int32_t kleur);
    void ZetKleurKnop(QPushButton* knop, bool aan, int32_t kleur);
    void CheckRecorder_Click();
    void TextTussentijd_Change();
    void UpDownTussentijd_Change(int waarde);
    void AlarmGestapt(bool hoog, int waarde);
    void ZetAlarmBereiken();
    void CmdOK_Click();
    void CmdCancel_Click();
    void CommandHelp_Click();
    void Form_Unload();

    int m_grafiek = 0;
    GrafiekInstellenGegevens m_gegevens;
    QString m_scheiding;
    // The interval last placed in the box, seconds; an invalid time typed in brings it back.
    int32_t m_vorigeTussentijd = 0;
    // The values of the alarm up-downs before their last step, and their coupled ranges.
    int m_vorigHoog = 0;
    int m_vorigLaag = 0;
    AlarmBereiken m_alarmBereiken;
    // The colours of the high and low alarm lines as the colour buttons show them; they reach the copy
    // on OK, and only for an alarm that is on.
    int32_t m_kleurHoog = 0;
    int32_t m_kleurLaag = 0;
    QButtonGroup* m_labelGroep = nullptr;
    bool m_gesloten = false;
};

// The graph whose settings are edited (1..64); the opener sets it.
extern int16_t HuidigeGrafiek;
// False while the graph settings dialog is open, true once it has closed.
extern bool InstellenGesloten;

// Shows the settings dialog of graph HuidigeGrafiek modeless, on page `pagina` (-1: the page of the
// last opening), and pumps events until it closes. True when the user accepted the settings with OK:
// they then stand in the graph window and its configuration file, and the caller rebuilds the chart.
// False after Cancel, when the graph has no window, or when a settings dialog is open already (that
// one is brought to the front).
bool ToonGrafiekInstellingen(int pagina = -1);
// The dialog while it is open, else nullptr.
frmGrafiekInstellen* GrafiekInstellenVenster();
// Closes an open dialog on graph `grafiek` as Cancel (its window is going).
void SluitGrafiekInstellingen(int grafiek);
// Closes an open dialog as Cancel and forgets HuidigeGrafiek (program end, tests).
void ResetGrafiekInstellen();
