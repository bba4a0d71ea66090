#pragma once
// The program settings dialog: the poll interval and the scheduled start and stop of logging, logging
// and file loading at start-up, the rack line's port and speed, the language (with a live preview of
// the dialog's own texts) and the four data folders. It is shown modeless but keeps the main window
// disabled, logging off and snapshots held while it is open.
//
// The dialog edits its own copy: Refresh fills it and the controls from the program's settings, the
// controls and the dialog's members change while the user works, and only OK hands everything to the
// program in one step (Sync), stores it and opens the port again. Cancel (also Escape and the title
// bar) changes no setting: it only opens the port again. Dialogs that edit settings follow this.
#include "acquisition/Programmastatus.h"
#include "platform/Datum.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

class frmInstellen : public QDialog {
    Q_OBJECT
public:
    // Loads the dialog: the main window disabled, logging off, snapshots held, the rack line closed,
    // every control filled from the settings.
    frmInstellen();
    ~frmInstellen() override;

    // False from load until unload, true after it; callers that open the dialog wait on it.
    bool Afsluiten = false;
    // A handler of the dialog runs (one that waits for a box or a dialog runs on meanwhile).
    bool HandlerLoopt() const { return m_handlers > 0; }

    // The program's settings into the dialog's members and controls.
    void Refresh();
    // The dialog's members and controls into the program's settings and the settings store, the data
    // folders made and their files moved (OK only).
    void Sync();

    // Fills the port list and selects CommPoort.
    void InitCboCommPoort();
    // Fills the speed list and selects Baudsnelheid.
    void InitCboBaudrate();
    // The poll interval in seconds, and the start and stop moments of logging, as the dialog holds
    // them until OK.
    int32_t GekozenInterval() const { return m_tijdsinterval; }
    platform::Datum GekozenStart() const { return m_startLog; }
    platform::Datum GekozenStop() const { return m_stopLog; }
    // The folder chooser for the current row (1..4) of the folder grid; the choice is kept until OK.
    void MSHFlexGridFolder_Click();
    // Shows an interval in seconds as a time of day "hh:mm:ss" (86400 s and more as 00:00:00).
    void PlaatsTijdsinterval(int32_t seconden);

    QTabWidget* SSTab = nullptr;
    // Log tab.
    QLabel* LblConnectionIntervalOfTime = nullptr;
    QLineEdit* TextTijdsinterval = nullptr;
    QSpinBox* UpDownPollInterval = nullptr;
    QCheckBox* CheckLogStartup = nullptr;
    QCheckBox* CheckLoadFile = nullptr;
    QCheckBox* CheckStartTijdstip = nullptr;
    QPushButton* CommandStartTijdstip = nullptr;
    QLabel* LabelStartTijdstip = nullptr;
    QCheckBox* CheckStopTijdstip = nullptr;
    QPushButton* CommandStopTijdstip = nullptr;
    QLabel* LabelStopTijdstip = nullptr;
    // Connection tab.
    QLabel* lblCommPoort = nullptr;
    QComboBox* cboCommPoort = nullptr;
    QLabel* lblBaudrate = nullptr;
    QComboBox* cboBaudrate = nullptr;
    // Language tab.
    QLabel* LabelTaal = nullptr;
    QComboBox* ComboTaal = nullptr;
    // Locations tab.
    QLabel* LabelFolderInfo = nullptr;
    QTableWidget* MSHFlexGridFolder = nullptr;

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CommandHelp = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();
    void LaadStringsInstellen();
    // The list index of a speed (an empty speed counts as 2400) and the speed it was taken as.
    struct Baudkeuze {
        int index = -1;
        QString snelheid;
    };
    Baudkeuze BaudrateIndex(const QString& snelheid) const;
    int32_t ControleerTijdstipIngave();
    static int32_t BegrensTijdsinterval(int32_t v);
    void PlaatsTijdstippen();

    void TextTijdsinterval_Change();
    void UpDownPollInterval_Change();
    void ComboTaal_Click();
    void CommandStartTijdstip_Click();
    void CommandStopTijdstip_Click();
    void OKButton_Click();
    void CancelButton_Click();
    // The work of Cancel: the port set up and opened again with the settings as they are.
    void Annuleer();
    // Text `index` of the text table in the language of the preview.
    QString VoorbeeldTekst(int index) const;
    void CommandHelp_Click();
    void reject() override;

    // The language shown in the preview; the program's text table stays in its own language.
    int m_taal = 0;
    // Logging off and snapshots paused from load to unload, which gives back what load found.
    std::optional<platform::Vlaghouder> m_verbinding;
    std::optional<platform::Vlaghouder> m_pauze;
    // The values being edited, handed to the program at OK.
    int32_t m_tijdsinterval = 60;
    platform::Datum m_startLog = 0;
    platform::Datum m_stopLog = 0;
    // The folders of grid rows 1..4 (Data, Library, Configuration, Calibration) until OK.
    std::array<QString, 5> m_mappen;
    // The locale's time separator of the interval box.
    QString m_scheiding;
    // OK or Cancel has done its work; closing now only unloads.
    bool m_sluiten = false;
    // OK applied the settings.
    bool m_toegepast = false;
    bool m_inWijziging = false;
    // The handlers of the dialog that run now.
    int m_handlers = 0;
};

// Shows the settings dialog, loading it when it is not open, on tab `tab` (0 Log, 1 Connection,
// 2 Language, 3 Locations; -1: the tab of the last OK). The callers that must wait for it pump
// events until InstellenAfsluiten().
frmInstellen& ToonInstellingen(int tab = -1);
// True when no settings dialog is open (it was never shown, or it has unloaded).
bool InstellenAfsluiten();
// The settings dialog while it exists (also after unload, until it is shown again), else nullptr.
frmInstellen* InstellenVenster();
// A data folder could not be made: shows the dialog on the Locations tab and opens the folder chooser
// for grid row `rij` (1 Data, 2 Library, 3 Configuration, 4 Calibration).
void KiesInstellingenMap(int rij);
// The entries of the port list from the port search's names joined by ",": each name trimmed; a rest
// of 3 characters or fewer ends the list.
QStringList PoortenUitZoeklijst(const QString& gevonden);
// Closes and forgets the dialog (program end, tests).
void ResetInstellen();
