#include "SchoneOmgeving.h"
#include "platform/GeheugenLijn.h"
#include "platform/Klok.h"
#include "platform/SerielePoort.h"

#include <gtest/gtest.h>

using namespace platform;

class SerieleLijnTest : public SchoneOmgeving {};

TEST_F(SerieleLijnTest, SettingsTextAndPortNames) {
    LijnInstellingen l;
    ASSERT_TRUE(LeesLijnInstellingen(QStringLiteral("19200,N,8,1"), l));
    EXPECT_EQ(l.baud, 19200);
    EXPECT_EQ(l.pariteit, QLatin1Char('N'));
    EXPECT_EQ(l.databits, 8);
    EXPECT_EQ(l.stopbits, 1);
    ASSERT_TRUE(LeesLijnInstellingen(QStringLiteral("300,e,7,2"), l));
    EXPECT_EQ(l.pariteit, QLatin1Char('E'));
    EXPECT_EQ(l.stopbits, 2);
    for (const char* fout :
         {"", "19200", "19200,N,8", "fast,N,8,1", "19200,X,8,1", "19200,N,9,1", "19200,N,8,3"})
        EXPECT_FALSE(LeesLijnInstellingen(QString::fromLatin1(fout), l)) << fout;

    EXPECT_EQ(PoortApparaat(QStringLiteral("COM1")), "/dev/ttyS0");
    EXPECT_EQ(PoortApparaat(QStringLiteral("com12")), "/dev/ttyS11");
    EXPECT_EQ(PoortApparaat(QStringLiteral("/dev/ttyUSB0")), "/dev/ttyUSB0");
    EXPECT_EQ(PoortApparaat(QStringLiteral("/dev/pts/7")), "/dev/pts/7");
    EXPECT_EQ(PoortApparaat(QStringLiteral("COM0")), "COM0");

    GeheugenLijn lijn;
    EXPECT_EQ(lijn.instellingen(), "9600,N,8,1");
    EXPECT_FALSE(lijn.zetInstellingen(QStringLiteral("19200;N;8;1")));
    EXPECT_EQ(lijn.instellingen(), "9600,N,8,1");
    EXPECT_TRUE(lijn.zetInstellingen(QStringLiteral("19200,N,8,1")));
    EXPECT_EQ(lijn.lijnInstellingen().baud, 19200);
}

TEST_F(SerieleLijnTest, InMemoryLineDeliversThroughTheClock) {
    GeheugenLijn lijn;
    lijn.lever("lost"); // closed: lost, as on a port
    klok().verstrijk(1);
    ASSERT_TRUE(lijn.open());
    EXPECT_FALSE(lijn.dtr());
    EXPECT_FALSE(lijn.rts());
    lijn.lever("abc", 20);
    EXPECT_EQ(lijn.aantalWachtend(), 0);
    klok().verstrijk(19);
    EXPECT_EQ(lijn.aantalWachtend(), 0);
    klok().verstrijk(1);
    EXPECT_EQ(lijn.aantalWachtend(), 3);
    EXPECT_EQ(lijn.lees(2), "ab");
    EXPECT_EQ(lijn.lees(5), "c");

    QByteArray anderEinde;
    std::vector<bool> dtr;
    lijn.bijSchrijven = [&](const QByteArray& b) { anderEinde += b; };
    lijn.bijDTR = [&](bool aan) { dtr.push_back(aan); };
    lijn.zetDTR(true);
    lijn.schrijf("\x01\x02");
    lijn.zetDTR(true);
    lijn.zetDTR(false);
    EXPECT_EQ(anderEinde, "\x01\x02");
    EXPECT_EQ(lijn.verzonden(), "\x01\x02");
    EXPECT_EQ(dtr, (std::vector<bool>{true, false}));

    lijn.sluit();
    lijn.schrijf("x");
    EXPECT_EQ(anderEinde, "\x01\x02");
    lijn.zetOpenFout(QStringLiteral("busy"));
    EXPECT_FALSE(lijn.open());
    EXPECT_EQ(lijn.foutmelding(), "busy");
}

TEST_F(SerieleLijnTest, AMissingDeviceDoesNotOpen) {
    SerielePoort poort;
    poort.zetPoort(QStringLiteral("/dev/k740-no-such-port"));
    EXPECT_FALSE(poort.open());
    EXPECT_FALSE(poort.isOpen());
    EXPECT_FALSE(poort.foutmelding().isEmpty());
    EXPECT_EQ(poort.aantalWachtend(), 0);
    poort.schrijf("x");
    EXPECT_TRUE(poort.lees(1).isEmpty());
}
