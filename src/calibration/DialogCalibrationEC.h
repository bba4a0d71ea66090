#pragma once
// The cell-constant calibration of one conductivity input of a K762 module: the factor between the
// true cell constant of the connected cell and the nominal one of the input's cell type, found by
// measuring a conductivity standard until the last ten factors are stable, or typed in as a cell
// constant; a factor within 0.5..1.5 is stored as the newest calibration of the input.
//
// States (one set of controls each, PasToestandToe; the list position decides between measuring a
// standard and the manual entry):
//   KiesStandaard  choose the standard and Calibrate, or with "Manual input" type the cell constant
//                  and OK (stored and closed); Cancel closes
//   Meten          the input on the standard's range, one reading per tick until stable; Cancel, a
//                  reading that cannot be right, or a standard too conductive for the cell: back to
//                  KiesStandaard
//   Afgewezen      a stable factor outside 0.5..1.5: Calibrate measures the same standard again
//                  (the list stays locked); Cancel closes
//   Resultaat      the record stored; OK closes
//   Gesloten       the procedure is over
// Whatever ends a measurement (Cancel, the title bar, a refused reading) puts the input back on the
// range it had when the dialog loaded. The title bar's close button ends a measurement and closes the
// dialog without storing.
//
// The caller (the module settings dialog, with polling stopped) sets Ri, Mi and Ki (5..8 name the same
// inputs 1..4), calls Laad and, when Fout is false, CalibrationCC, which returns once the dialog is
// unloaded. Unloading sends the module its reset "253" and keeps the position and the standard chosen
// in the settings section "Calibration CC".
// Module: the module record worked on (the settings dialog's own copy while that is open).
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/RackModel.h"
#include "calibration/CelconstanteBerekening.h"
#include "calibration/KClTabel.h"
#include "calibration/KalibratieDialoog.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class DialogCalibrationEC : public KalibratieDialoog {
    Q_OBJECT
public:
    enum EcToestand { KiesStandaard, Meten, Afgewezen, Resultaat, Gesloten };
    // List positions.
    enum Standaard { KCl001, KCl01, KCl1, HandInvoer, Gebruiker };

    explicit DialogCalibrationEC(QWidget* eigenaar = nullptr);
    ~DialogCalibrationEC() override;

    // Position, captions, the tables and the list of standards with the remembered choice, the working
    // copies of the input's channels; the tick starts.
    // Fout when the dialog cannot run (no such input).
    void Laad() override;
    // Runs the whole calibration (shows the dialog, waits until the procedure has closed) and unloads
    // the dialog.
    void CalibrationCC();

    float CelconstanteFactor() const { return m_factor; }
    int CelconstanteExponent() const { return m_exponent; }
    const KClTabelType& KClTabel() const { return m_kclTabel; }
    const QString& GebruikersStandaardNaam() const { return m_gebruikersNaam; }
    const KalibratieRecord& Kalibratie() const { return m_kalibratie; }
    // The path of the user standard file in the library folder.
    static QString StandaardBestandsnaam();

    QGroupBox* FrameBuffer = nullptr;
    QComboBox* ComboStandaard = nullptr;
    QLabel* LabelBuffer = nullptr;
    QLabel* LabelMeting = nullptr;
    QLabel* LabelMeetwaarde = nullptr;
    QLineEdit* TextCCte = nullptr;
    QLabel* LabelUnit = nullptr;
    QLabel* LabelGraden = nullptr;
    QLabel* LabelBufferBij = nullptr;
    QLabel* LabelBufferinfo = nullptr;
    QLabel* LabelTijd = nullptr;
    QLabel* LabelTijdinfo = nullptr;
    QFrame* Frame = nullptr;
    QLabel* LabelInfo = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QPushButton* CommandCalibrate = nullptr;
    QPushButton* CommandEdit = nullptr;

protected:
    void PasToestandToe() override;
    bool VerwerkStap() override;
    void HerstelModule() override;
    void BewaarKeuzes() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    enum class Uitslag { Geen, Stabiel, Afgebroken };

    void CommandCalibrate_Click();
    void CommandEdit_Click();
    void ComboStandaard_Click();
    void TextCCte_KrijgtFocus();
    void TextCCte_VerliestFocus();

    void LeesKClTabel();
    void LeesStandaardBestand();
    void VulStandaardLijst();
    int Lijstpositie() const;
    int Kolom() const;
    bool IsHandInvoer() const;
    void StartMeting();
    Uitslag Meting();
    void VerwerkResultaat();
    void BewaarHandInvoer();
    void BreekMetingAf();
    void HerstelBereik();
    void Sluit();
    void ZetInfo(const QString& tekst);

    KalibratieRecord m_kalibratie;
    KClTabelType m_kclTabel{};
    QString m_gebruikersNaam;
    QString m_info;
    int m_standaardKeuze = 0;
    int m_exponent = 0;
    float m_factor = 0;
    int m_bereik = 0;               // the range of the standard being measured
    bool m_bereikGewijzigd = false; // a range was sent to the module since the dialog loaded
    CelconstanteMeting m_meting;
};

// Runs the cell-constant calibration of input k of K762 module m of rack r (the caller has stopped
// polling); true when a new calibration was stored in the module's calibration file (the caller then
// reloads it).
// `module` is the truth for the input's unit, settings and calibration data (the settings dialog's copy
// or the live record); r and m name the slot the readings and the calibration file belong to.
bool ToonECKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar = nullptr);
