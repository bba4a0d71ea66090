#pragma once
// The 1-point calibration of one input, against a single standard. The unit of the input chooses what
// is calibrated (EenpuntSoort): the mV offset of a "mV" input, the scale of a dissolved-oxygen input
// ("mg/l", "%") against the saturation at the measured temperature and the entered air pressure, the
// offset of a temperature sensor ("°C", "°F", "K"; without a sensor the entered value becomes the
// manual temperature), or the dry-cell zero of a conductivity or TDS input ("S/cm", "g/l" of a K762).
//
// States (one set of controls each, PasToestandToe):
//   Meten     a fresh reading every 1500 ms, the first at once; OK tests the result (refused: a message
//             and the readings go on; accepted: stored and closed), Reset stores the default
//             calibration and closes, Cancel closes without storing. While the module does not answer
//             no value is shown and OK is disabled
//   Gesloten  the procedure is over
// There is no stability gate: the user decides when the reading is right. Escape and the title bar's
// close button are Cancel.
//
// The caller (the module settings dialog, with polling stopped) sets Ri, Mi and Ki (1..4 a measuring
// input, 5..8 the temperature input of input Ki - 4), calls Laad and Calibration1P, which returns once
// the dialog is unloaded. Unloading sends the module its reset "253" and keeps the position in the
// settings section "Calibration 1p"; a conductivity input gets its measuring range back.
// Module: the module record worked on (the settings dialog's own copy while that is open).
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/RackModel.h"
#include "calibration/EenpuntBerekening.h"
#include "calibration/KalibratieDialoog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class DialogCalibration1p : public KalibratieDialoog {
    Q_OBJECT
public:
    enum EenpuntToestand { Meten, Gesloten };

    explicit DialogCalibration1p(QWidget* eigenaar = nullptr);
    ~DialogCalibration1p() override;

    // Position, captions, the layout for the input's kind, the working copies of its channels; the tick
    // starts.
    // Fout when the dialog cannot run (no such input, or a unit without a 1-point calibration).
    void Laad() override;
    // Runs the whole calibration (shows the dialog, waits until the procedure has closed) and unloads it.
    void Calibration1P();
    // Fills the standard list from the recent standards of the section.
    void GetRecentStandards(const QString& sectie, int aantal);
    // Puts a standard at the head of the section's recent standards.
    void WriteRecentStandards(const QString& sectie, const QString& waarde, int aantal);

    EenpuntSoort Soort() const { return m_soort; }
    // The offset or scale of the last accepted result.
    float Resultaat() const { return m_resultaat; }

    QGroupBox* FrameKanaal = nullptr;
    QLabel* LabelMeting = nullptr;
    QLabel* LabelMeetwaarde = nullptr;
    QLabel* LabelUnit = nullptr;
    QLabel* LabelGraden = nullptr;
    QLabel* LabelBuffer = nullptr;
    QComboBox* ComboBufferwaarde = nullptr;
    QLabel* LabelExtra = nullptr;
    QLineEdit* TextExtra = nullptr;
    QPushButton* CommandReset = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void PasToestandToe() override;
    bool VerwerkStap() override;

private:
    void OKButton_Click();
    void CommandReset_Click();
    void ComboBufferwaarde_Klaar();
    void TextExtra_Klaar();

    bool Lezing();
    void ToonLezing(float T);
    bool Controleer();
    void Bewaar();
    void ZetStandaard();
    void Sluit();
    bool SensorAanwezig() const;
    bool ZuurstofSensorAanwezig() const;
    QString TemperatuurEenheid() const;
    void Meld(const QString& tekst, int stijl = 48, const QString& titel = QString());

    EenpuntSoort m_soort = EenpuntSoort::Geen;
    int m_gekozenIngang = 1;
    float m_meetTemperatuur = 0;
    float m_meetWaarde = 0;
    float m_ongecorrigeerd = 0; // the mV or °C without the offset in force, at acceptance
    float m_resultaat = 0;
    bool m_lezingGeldig = false; // the latest reading gave a value that can be calibrated against
    bool m_resetGeklikt = false;
    bool m_bereikGezet = false;
};

// Runs the 1-point calibration of input k (1..4, or 5..8 for the temperature input of input k - 4) of
// module m of rack r (the caller has stopped polling); true when something was stored in the module's
// calibration file (the caller then reloads it).
// `module` is the truth for the input's unit, settings and calibration data (the settings dialog's copy
// or the live record); r and m name the slot the readings and the calibration file belong to.
bool ToonEenpuntsKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar = nullptr);
