// The link through a real port: QSerialPort on a pseudo-terminal whose other side the rack emulator
// serves. These tests run on the real clock; watchdogs end them should the line hang.
#include "OpnameMelding.h"
#include "PollHarnas.h"
#include "RacklijnOmgeving.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "platform/Klok.h"
#include "platform/SerielePoort.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

class PseudoterminalTest : public SchoneOmgeving {};

TEST_F(PseudoterminalTest, StatusAndAdcReadsThroughQSerialPort) {
    platform::zetKlok(platform::maakEchteKlok());
    RackEmulator emulator;
    const QString pad = emulator.openPty();
    ASSERT_FALSE(pad.isEmpty());
    PlaatsRack(emulator, 1, RackIdno(0, 0, 1), {{1, K761Idno(1, 2, 3)}, {2, K762Idno(1, 2, 4)}});

    auto poort = std::make_unique<platform::SerielePoort>();
    poort->zetPoort(pad);
    ASSERT_TRUE(poort->zetInstellingen(QStringLiteral("19200,N,8,1")));
    ASSERT_TRUE(poort->open()) << poort->foutmelding().toStdString();
    EXPECT_FALSE(poort->dtr());
    ZetMSComm1(std::move(poort));

    QTimer waakhond;
    waakhond.setSingleShot(true);
    QObject::connect(&waakhond, &QTimer::timeout, [] { Afbreken = Pauzeren = true; });
    waakhond.start(30000);

    auto* mv = emulator.module(K761Idno(1, 2, 3));
    mv->status = 0x0B;
    mv->adc = {-200, 1, 0x0D0A, 32767};
    EXPECT_EQ(LeesStatus(1, 1, 255), 0x0B);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].AdcWaarde, -200);
    EXPECT_EQ(Racks[1].Modules[1].Meting[3].AdcWaarde, 0x0D0A);

    // Noise before the reply and the reply split over several reads.
    emulator.zetFout(RackEmulator::Fout::RuisVoor);
    emulator.zetFout(RackEmulator::Fout::Gesplitst);
    emulator.module(K762Idno(1, 2, 4))->bereik = {0, 1, 2, 3};
    EXPECT_EQ(LeesStatus(1, 2, 255), 0);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(Racks[1].Modules[2].Meting[4].Resolution, 3);
    EXPECT_TRUE(waakhond.isActive()) << "the watchdog ended a transaction";
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus), 2);
}

namespace {
// A port on the emulator's pseudo-terminal as the rack line.
void InstalleerPoort(const QString& pad) {
    auto poort = std::make_unique<platform::SerielePoort>();
    poort->zetPoort(pad);
    ASSERT_TRUE(poort->zetInstellingen(QStringLiteral("19200,N,8,1")));
    ASSERT_TRUE(poort->open()) << poort->foutmelding().toStdString();
    ZetMSComm1(std::move(poort));
}

// Ends the loop once `klaar` holds (also the wait of its pass), looking every 10 ms; a watchdog ends
// it after 10 s.
void EindigWanneer(QTimer& kijker, const std::function<bool()>& klaar) {
    QObject::connect(&kijker, &QTimer::timeout, [klaar] {
        if (!klaar()) return;
        BeeindigCommunicatieLus();
        Afbreken = true;
    });
    kijker.start(10);
}
} // namespace

TEST_F(PseudoterminalTest, TwoRacksAnsweringTenMillisecondsApartBothRegister) {
    platform::zetKlok(platform::maakEchteKlok());
    RackEmulator emulator;
    const QString pad = emulator.openPty();
    ASSERT_FALSE(pad.isEmpty());
    emulator.zetRack(1, RackIdno(0, 0, 1));
    emulator.zetModule(1, 1, K761Idno(1, 1, 1));
    emulator.zetRack(2, RackIdno(0, 0, 2)).aanmeldVertragingMs = 10;
    emulator.zetModule(2, 3, K762Idno(2, 2, 2));
    InstalleerPoort(pad);
    PollHarnas harnas(emulator, nullptr);
    QTimer kijker;
    EindigWanneer(kijker, [] { return Racks[1].Modules[1].Present && Racks[2].Modules[3].Present; });
    harnas.Draai(10000);
    EXPECT_EQ(Racks[1].Idno, RackIdno(0, 0, 1));
    EXPECT_EQ(Racks[2].Idno, RackIdno(0, 0, 2));
    EXPECT_TRUE(Racks[1].Modules[1].Present);
    EXPECT_TRUE(Racks[2].Modules[3].Present);
    EXPECT_TRUE(emulator.rack(1)->bevestigd && emulator.rack(2)->bevestigd);
}

TEST_F(PseudoterminalTest, APortWhoseOtherEndClosesIsClosedAndToldOnce) {
    platform::zetKlok(platform::maakEchteKlok());
    RackEmulator emulator;
    const QString pad = emulator.openPty();
    ASSERT_FALSE(pad.isEmpty());
    InstalleerPoort(pad);
    PollHarnas harnas(emulator, nullptr);
    harnas.PlaatsRacks(1, 2);
    OpnameMelding melding;
    ZetMeldingVenster(&melding);
    const std::vector<Vraag>& meldingen = melding.vragen;
    // Once the modules have been polled, the emulator's side goes, as when it is killed.
    bool gesloten = false;
    qint64 verliesMs = 0;
    QTimer kijker;
    EindigWanneer(kijker, [&] {
        if (!gesloten && harnas.berekeningen.size() >= 2) {
            emulator.sluitPty();
            gesloten = true;
        }
        if (!meldingen.empty() && verliesMs == 0) verliesMs = platform::klok().ms();
        // Some idle passes after the message.
        return verliesMs != 0 && platform::klok().ms() - verliesMs > 400;
    });
    harnas.Draai(10000);
    ASSERT_TRUE(gesloten);
    EXPECT_EQ(meldingen.size(), 1u);
    EXPECT_FALSE(MSComm1().isOpen());
    EXPECT_TRUE(MSComm1().verloren());
    EXPECT_FALSE(MSComm1().foutmelding().isEmpty());
    EXPECT_TRUE(ModuleOpgegeven(1, 1));
    EXPECT_TRUE(ModuleOpgegeven(1, 2));
    EXPECT_EQ(harnas.venster.statusTekst[3], Tekst[148] + QStringLiteral("COM1") + Tekst[149]);
}
