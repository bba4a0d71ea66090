// The link through a real port: QSerialPort on a pseudo-terminal whose other side the rack emulator
// serves. This one test runs on the real clock; a watchdog ends the transactions should the line hang.
#include "RacklijnOmgeving.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "platform/Klok.h"
#include "platform/SerielePoort.h"

#include <QTimer>
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
