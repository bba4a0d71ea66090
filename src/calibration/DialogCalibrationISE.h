#pragma once
// The ion-selective calibration of one input of a K761 module: the slope in mV per decade and the zero
// point E of the electrode from two decade standards, each measured until the user validates it (a
// reading that is not yet stable asks first), and an optional blank solution that must lie below both
// standards in concentration. The result is stored as the newest calibration of the input.
//
// States (one set of controls each, PasToestandToe):
//   KiesStandaard1  choose standard 1, Calibrate measures it; Cancel closes
//   Meten1          measuring standard 1; OK validates it (KiesStandaard2); Cancel: KiesStandaard1
//   KiesStandaard2  choose standard 2 (another decade), Calibrate measures it; Cancel closes; after a
//                   measurement of standard 2 broken off with Cancel, OK closes too (nothing stored)
//   Meten2          measuring standard 2; OK validates it: slope and zero point within their limits
//                   give KiesBlanco, else a message and KiesStandaard2 again; Cancel: KiesStandaard2
//   KiesBlanco      the result shown; OK stores it without a blank, Calibrate measures the blank,
//                   Cancel closes without storing
//   MetenBlanco     measuring the blank; OK validates it: below both standards stores and closes, else
//                   a message and KiesBlanco again; Cancel: KiesBlanco
//   Gesloten        the procedure is over
// Escape is the Cancel button; the title bar's close button ends any measurement and closes the dialog
// without storing.
//
// The caller (the module settings dialog, with polling stopped) sets Ri, Mi and Ki (5..8 stand for
// 1..4), calls Laad and CalibrationISE, which returns once the dialog is unloaded. Unloading sends the
// module its reset "253" and keeps the position and the standards last measured in the settings
// section "Calibration Ion".
// Module: the module record worked on (the settings dialog's own copy while that is open).
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/RackModel.h"
#include "calibration/IonBerekening.h"
#include "calibration/KalibratieDialoog.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class DialogCalibrationISE : public KalibratieDialoog {
    Q_OBJECT
public:
    enum IonToestand { KiesStandaard1, Meten1, KiesStandaard2, Meten2, KiesBlanco, MetenBlanco, Gesloten };

    explicit DialogCalibrationISE(QWidget* eigenaar = nullptr);
    ~DialogCalibrationISE() override;

    // Fout when the dialog cannot run (no such input).
    void Laad() override;
    void CalibrationISE();

    const IonUitkomst& Uitkomst() const { return m_uitkomst; }
    const KalibratieRecord& Kalibratie() const { return m_kalibratie; }

    std::array<QGroupBox*, 3> FrameBuffer{};
    std::array<QComboBox*, 2> ComboBufferwaarde{};
    std::array<QLabel*, 2> LabelBuffer{};
    std::array<QLabel*, 3> LabelMeting{};
    std::array<QLabel*, 3> LabelMeetwaarde{};
    std::array<QLabel*, 3> LabelUnit{};
    std::array<QLabel*, 3> LabelGraden{};
    std::array<QLabel*, 3> LabelTijd{};
    std::array<QLabel*, 3> LabelTijdinfo{};
    QLabel* LabelInfo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CommandCalibrate = nullptr;

protected:
    void PasToestandToe() override;
    bool VerwerkStap() override;
    void BewaarKeuzes() override;

private:
    enum class Uitslag { Geen, Aanvaard, Afgebroken };

    void CommandCalibrate_Click();
    void StartMeetronde();
    void Meting();
    Uitslag Valideer();
    void NaMeting();
    void BreekMetingAf();
    void Bewaar(float blancoMV);
    void Sluit();
    int Stap() const;
    bool IsMeettoestand() const;
    void ZetMeetwaarde(int i, const QString& tekst, const QColor& kleur);

    KalibratieRecord m_kalibratie;
    IonUitkomst m_uitkomst;
    std::array<int, 3> m_gekozenStandaard{};
    std::array<IonMeting, 3> m_gemeten{};
    bool m_stabiel = false;
    // KiesStandaard2 was entered from a measurement of standard 2 broken off: OK stays enabled.
    bool m_okNaAfbreken = false;
    bool m_gelezen = false; // the measuring pass has a reading
};

// Runs the ion-selective calibration of input k of module m of rack r (the caller has stopped polling);
// true when a new calibration was stored in the module's calibration file (the caller then reloads it).
// `module` is the truth for the input's unit, settings and calibration data (the settings dialog's copy
// or the live record); r and m name the slot the readings and the calibration file belong to.
bool ToonIonKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar = nullptr);
