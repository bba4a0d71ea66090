#pragma once
// Runs a calibration dialog against the rack emulator on the virtual clock, as a user at the bench
// would: the emulator's readings of the calibrated input follow a script of clock time (the electrode
// in its buffer), the user's clicks are scripted by the states the dialog enters, and every message box
// is recorded and answered. A dialog that is still open after a bound of clock time fails the test and
// is closed, so that no test hangs.
//
//   KalibratieHarnas h(klok(), emulator, moduleIdno, 1);
//   h.ZetLezing(177.0f, 25.0f);
//   h.Bij(DialogCalibrationPH::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
//   h.Draai([] { ToonPhKalibratie(1, 2, 1, Racks[1].Modules[2]); });
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "calibration/KalibratieDialoog.h"
#include "platform/Klok.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

// One reading of the scripted input: the electrode's mV and the temperature in °C.
struct Lezing {
    float mV = 0;
    float graden = 25;
};

class KalibratieHarnas {
public:
    // Scripts input `ingang` (1..4) of the emulator's module with number `idno`: its sensor is connected
    // (status bit) and it reads 0 mV at 25 °C until told otherwise. Installs the message box recorder.
    KalibratieHarnas(platform::VirtueleKlok& klok, RackEmulator& emulator, int32_t idno, int ingang);
    ~KalibratieHarnas();
    KalibratieHarnas(const KalibratieHarnas&) = delete;
    KalibratieHarnas& operator=(const KalibratieHarnas&) = delete;

    // The input reads steady values from now on.
    void ZetLezing(float mV, float graden);
    // The input reads script(ms), ms of clock time since Draai began (looked up every 50 ms).
    void ZetScript(std::function<Lezing(qint64 ms)> script);

    // When the dialog enters `toestand` for the `keer`-th time, `actie` runs from the event pump, as
    // the user's click would.
    void Bij(int toestand, std::function<void(KalibratieDialoog&)> actie, int keer = 1);
    // `actie` runs `ms` of clock time from now, from the event pump.
    void Na(qint64 ms, std::function<void()> actie);

    // Runs `open`, which shows a calibration dialog and returns when it has closed. The harness finds
    // the dialog when it is shown. `grensMs` bounds the clock time.
    void Draai(std::function<void()> open, qint64 grensMs = 30 * 60 * 1000);

    // Clock ms since Draai began.
    qint64 Tijd() const;

    // Every state the dialog entered, in order.
    std::vector<int> toestanden;
    struct Melding {
        QString tekst;
        int stijl = 0;
        QString titel;
    };
    std::vector<Melding> meldingen;
    // How a message box is answered (default: its default button).
    std::function<int(const Melding&)> antwoord;
    // The dialog while it is open.
    KalibratieDialoog* dialoog = nullptr;

private:
    struct Staat;
    void Voed();
    void Gevonden(KalibratieDialoog* d);
    void Binnengekomen(int toestand);

    platform::VirtueleKlok& m_klok;
    RackEmulator& m_emulator;
    int32_t m_idno;
    int m_ingang;
    qint64 m_start = 0;
    int m_ronde = 0;
    std::function<Lezing(qint64)> m_script;
    std::map<std::pair<int, int>, std::function<void(KalibratieDialoog&)>> m_acties;
    std::map<int, int> m_keren;
    std::shared_ptr<Staat> m_staat;
    struct Meldingvenster;
    std::unique_ptr<Meldingvenster> m_melding;
};

// Clicks the dialog's child button of that object name (fails the test when there is none or it is
// disabled).
void Klik(QWidget& venster, const char* knop);
// The visible window of that class (a dialog with an owner too), or nullptr.
template <class T> T* OpenVenster() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* v = dynamic_cast<T*>(w); v && v->isWindow() && v->isVisible()) return v;
    return nullptr;
}

// The ground of a calibration dialog's tests: rack 1 holds module `idno` at `positie` on the in-memory
// rack line, the library and calibration folders are empty folders in the temporary folder, and a
// harness scripts input `ingang`.
class KalibratieOmgeving : public RacklijnOmgeving {
protected:
    KalibratieOmgeving(int positie, int32_t idno, int ingang)
        : m_positie(positie), m_idno(idno), m_ingang(ingang) {}
    void SetUp() override;
    void TearDown() override;
    // A fresh harness (a second run of a dialog in the same test).
    void NieuwHarnas();
    // The module's calibration file.
    QString CalPad() const;
    // Generation `generatie` of the record of kind `soort` of input `ingang` in the calibration file
    // (`soorten` kinds per input).
    KalibratieRecord KalibratieVan(int generatie, int ingang, int soort, int soorten) const;
    // How often the module was reset.
    int Resets();
    // The texts of the messages shown so far.
    QStringList Meldingen() const;
    // Runs `stappen` in English, French and Dutch in turn, that language chosen; `taal` is its code
    // ("en", "fr", "nl").
    void InElkeTaal(const std::function<void(const QString& taal)>& stappen);
    // Fails the test for a text of `venster` (the harness's open dialog when none) that does not stand
    // whole at `stap` in `taal`. With K740_SCREENSHOTS naming a folder the window is also kept there as a
    // picture, <naam>-<taal>-<stap>.png.
    void ControleerStap(const QString& naam, const QString& taal, const QString& stap,
                        QWidget* venster = nullptr);

    std::unique_ptr<KalibratieHarnas> harnas;

private:
    int m_positie;
    int32_t m_idno;
    int m_ingang;
};
