#pragma once
// The pH buffer calibration of one pH input of a K761 module: the zero point (ISO pH) and the slope of
// the electrode from one or two buffers, each measured until the last ten readings of its mV and its
// temperature are stable, checked and stored as the newest calibration of the input.
//
// States (one set of controls each, PasToestandToe):
//   KiesBuffer1  choose buffer 1, Calibrate starts measuring it; Cancel closes
//   Meten1       measuring buffer 1; stable and plausible: KiesBuffer2; Cancel: KiesBuffer1
//   KiesBuffer2  choose buffer 2 and Calibrate, or OK for a one-point result; Cancel closes
//   Meten2       measuring buffer 2; stable and far enough from buffer 1: the two-point result, or
//                KiesBuffer2 again when it is rejected; Cancel: KiesBuffer2
//   Resultaat    slope and ISO pH shown, the record stored; OK closes
//   Gesloten     the procedure is over
// A rejected one-point result closes the dialog. The title bar's close button ends any measurement and
// closes the dialog without storing.
//
// The caller (the module settings dialog, with polling stopped) sets Ri, Mi and Ki, calls Laad and,
// when Fout is false, CalibrationpH, which returns once the dialog is unloaded. Unloading sends the
// module its reset "253" and keeps the position and the chosen buffers in the settings section
// "Calibration pH".
// Module: the module record worked on (the settings dialog's own copy while that is open).
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/RackModel.h"
#include "calibration/Buffertabellen.h"
#include "calibration/KalibratieDialoog.h"
#include "calibration/PhBerekening.h"

#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class DialogCalibrationPH : public KalibratieDialoog {
    Q_OBJECT
public:
    enum PhToestand { KiesBuffer1, Meten1, KiesBuffer2, Meten2, Resultaat, Gesloten };

    explicit DialogCalibrationPH(QWidget* eigenaar = nullptr);
    ~DialogCalibrationPH() override;

    // Position, captions, the buffer lists with the remembered choices, the working copies of the
    // input's channels; the tick starts.
    // Fout when the dialog cannot run (no buffer to offer, or no such input).
    void Laad() override;
    // Runs the whole calibration (shows the dialog, waits until the procedure has closed) and unloads
    // the dialog.
    void CalibrationpH();
    // Writes the built-in table of that name into row `rij` (0, 1) of BufferTabel; any other name leaves
    // the row as it is.
    void LeesStandaardTabel(int rij, const QString& naam);

    int BufferIndex() const { return m_bufferIndex; }
    float Helling() const { return m_helling; }
    float IsoPH() const { return m_isoPH; }
    const KalibratieRecord& Kalibratie() const { return m_kalibratie; }
    // The path of the user buffer file in the library folder.
    static QString BufferBestandsnaam();

    std::array<QGroupBox*, 2> FrameBuffer{};
    std::array<QComboBox*, 2> ComboBufferwaarde{};
    std::array<QLabel*, 2> LabelBuffer{};
    std::array<QLabel*, 2> LabelBufferinfo{};
    std::array<QLabel*, 2> LabelBufferBij{};
    std::array<QLabel*, 2> LabelMeting{};
    std::array<QLabel*, 2> LabelMeetwaarde{};
    std::array<QLabel*, 2> LabelUnit{};
    std::array<QLabel*, 2> LabelGraden{};
    std::array<QLabel*, 2> LabelTijd{};
    std::array<QLabel*, 2> LabelTijdinfo{};
    QFrame* Frame = nullptr;
    QLabel* LabelInfo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CommandCalibrate = nullptr;
    QPushButton* CommandEdit = nullptr;

protected:
    void PasToestandToe() override;
    bool VerwerkStap() override;
    void BewaarKeuzes() override;

private:
    enum class Uitslag { Geen, Aanvaard, Afgebroken };

    void CommandCalibrate_Click();
    void CommandEdit_Click();
    void ComboBufferwaarde_Click(int i);

    void VulBufferLijst(int index);
    void LeesBufferTabel(int rij, QString& naam);
    void StartMeting();
    void StartMeetronde();
    Uitslag Meting();
    void EenpuntsResultaat();
    void TweepuntsResultaat();
    void BewaarResultaat(const PhUitkomst& uitkomst);
    void BreekMetingAf();
    void Sluit();
    bool IsMeettoestand() const;
    void ZetInfo(const QString& tekst);

    KalibratieRecord m_kalibratie;
    std::array<BufferTabel, 2> m_bufferTabel{};
    std::array<int, 2> m_bufferKeuze{};
    std::array<BufferMeting, 2> m_gemeten{};
    int m_bufferIndex = 0;
    float m_helling = 0;
    float m_isoPH = 0;
    bool m_gebruikersBuffers = false;
};

// Runs the pH calibration of input k of module m of rack r (the caller has stopped polling); true when a
// new calibration was stored in the module's calibration file (the caller then reloads it).
// `module` is the truth for the input's unit, settings and calibration data (the settings dialog's copy
// or the live record); r and m name the slot the readings and the calibration file belong to.
bool ToonPhKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar = nullptr);
