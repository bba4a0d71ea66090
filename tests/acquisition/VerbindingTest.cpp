#include "acquisition/Verbinding.h"
#include "RacklijnOmgeving.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Commandos.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "platform/Klok.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
const QByteArray Aanmelding = QByteArray::fromHex("50060501000002") + QByteArray("\x5E\r\n");
}

class VerbindingTest : public RacklijnOmgeving {};

TEST_F(VerbindingTest, RequestsGoOutAsTheDocumentedBytes) {
    ZendAanmeldVerzoek();
    EXPECT_EQ(lijn->verzonden().toHex(' '), "ff 52 02 05 59 0d 0a ff");

    Racks[1].Present = true;
    Racks[1].Modules[1].Idno = 0x0F010203;
    lijn->wisVerzonden();
    ZendModuleCommando(1, 1, QStringLiteral("205"));
    EXPECT_EQ(lijn->verzonden().toHex(' '), "ff 4d 06 cd 0f 01 02 03 35 0d 0a ff");

    // A payload goes between head and tail and counts in the checksum.
    lijn->wisVerzonden();
    Bestemming = BestemmingModule;
    Commando = CommandoECBereik;
    VerzendIdno = 0x0F010203;
    AantalbytesUIT = 8;
    ZendKop();
    ZendByte(2);
    ZendByte(3);
    ZendStaart();
    EXPECT_EQ(lijn->verzonden().toHex(' '), "ff 4d 08 1e 0f 01 02 03 02 03 8d 0d 0a ff");
}

TEST_F(VerbindingTest, DtrIsHeldThirtyMillisecondsAroundTheRequest) {
    struct Gebeurtenis {
        qint64 ms;
        QString wat;
    };
    std::vector<Gebeurtenis> log;
    lijn->bijSchrijven = [&](const QByteArray& b) { log.push_back({platform::klok().ms(), b.toHex()}); };
    lijn->bijDTR = [&](bool aan) { log.push_back({platform::klok().ms(), aan ? "DTR+" : "DTR-"}); };
    klok().verstrijk(5);
    const qint64 begin = klok().ms();
    ZendAanmeldVerzoek();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(log.front().wat, "DTR+");
    EXPECT_EQ(log.front().ms, begin);
    EXPECT_EQ(log[1].wat, "ff"); // bytes are written one at a time
    EXPECT_EQ(log[8].wat, "ff");
    EXPECT_EQ(log.back().wat, "DTR-");
    EXPECT_EQ(log.back().ms, begin + 30);
    EXPECT_FALSE(lijn->dtr());
    EXPECT_FALSE(TimerComm().actief());
}

TEST_F(VerbindingTest, EchoesSentAndReceivedBytesToTheTerminal) {
    TerminalDataUit = true;
    TerminalDataHex = true;
    ZendAanmeldVerzoek();
    EXPECT_EQ(venster.terminalHex, QString::fromLatin1("\xFF\x52\x02\x05\x59\x0D\x0A\xFF", 8));

    venster.terminalHex.clear();
    TerminalDataUit = false;
    TerminalDataIn = true;
    TerminalDataHex = false;
    lijn->lever(Aanmelding);
    WachtOpAntwoord();
    EXPECT_TRUE(venster.terminalHex.isEmpty());
    EXPECT_TRUE(venster.terminal.endsWith(QString::fromLatin1(Aanmelding)));
}

TEST_F(VerbindingTest, AReplyIsTakenAsSoonAsItIsComplete) {
    const qint64 begin = klok().ms();
    lijn->lever(Aanmelding.left(4), 17);
    lijn->lever(Aanmelding.mid(4), 37);
    const QByteArray a = WachtOpAntwoord();
    EXPECT_EQ(a, Aanmelding);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(klok().ms() - begin, 37) << "not on the next 100 ms tick";
}

TEST_F(VerbindingTest, NoReplyTimesOutAfterOneSecond) {
    const qint64 begin = klok().ms();
    lijn->lever(QByteArray("\x01\x02"), 10); // half a reply of nothing
    const QByteArray a = WachtOpAntwoord();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(klok().ms() - begin, 1000);
    EXPECT_EQ(BufferRS232, QByteArray("\x01\x02")) << "nothing is cut on a time-out";
}

TEST_F(VerbindingTest, AClosedPortOrSimulationEndsAReceiveAtOnce) {
    lijn->sluit();
    const qint64 begin = klok().ms();
    EXPECT_TRUE(WachtOpAntwoord().isEmpty());
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
    EXPECT_EQ(klok().ms(), begin);

    lijn->open();
    Demo = true;
    lijn->lever(Aanmelding);
    EXPECT_TRUE(WachtOpAntwoord().isEmpty());
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
}

TEST_F(VerbindingTest, AbortEndsTheWaitAndLeavesNoReply) {
    platform::klok().planIn(200, [] { Afbreken = true; });
    const qint64 begin = klok().ms();
    const QByteArray a = WachtOpAntwoord();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(Antwoord, AntwoordFrame) << "an abort may leave 1 with no reply";
    EXPECT_EQ(klok().ms() - begin, 200);
}

TEST_F(VerbindingTest, TwoRepliesInOneReadAreTakenOneByOne) {
    const QByteArray tweede = QByteArray::fromHex("50060501000003") + QByteArray("\x5F\r\n");
    lijn->lever(QByteArray("\x00\x13P\x7F", 4) + Aanmelding + tweede);
    EXPECT_EQ(WachtOpAntwoord(), Aanmelding);
    EXPECT_EQ(BufferRS232, tweede);
    const qint64 begin = klok().ms();
    EXPECT_EQ(WachtOpAntwoord(), tweede);
    EXPECT_EQ(klok().ms(), begin);
}

TEST_F(VerbindingTest, WaitsRunOnTheWaitTimer) {
    const qint64 begin = klok().ms();
    Wacht(250);
    EXPECT_EQ(klok().ms() - begin, 250);
    EXPECT_FALSE(TimerComm().actief());
    Wacht(100000); // taken as 65535
    EXPECT_EQ(klok().ms() - begin, 250 + 65535);

    // Pauzeren ends a wait at once.
    platform::klok().planIn(40, [] { Pauzeren = true; });
    const qint64 t = klok().ms();
    Wacht(5000);
    EXPECT_EQ(klok().ms() - t, 40);

    // A wait whose timer a nested wait stopped ends as well, instead of waiting for ever.
    Pauzeren = false;
    platform::klok().planIn(10, [] { Wacht(20); });
    const qint64 t2 = klok().ms();
    Wacht(1000);
    EXPECT_EQ(klok().ms() - t2, 30);

    StartTimerComm(0);
    WachtTimerComm(); // a timer without interval is not waited for
    EXPECT_FALSE(TimerComm().actief());
}

TEST_F(VerbindingTest, WaitTimerCountWraps) {
    StartTimerComm(1);
    TellerCOMM = 32767;
    klok().verstrijk(1);
    EXPECT_EQ(TellerCOMM, 0);
}

TEST_F(VerbindingTest, ClearingTheBuffersEmptiesPortAndBuffer) {
    BufferRS232 = "abc";
    lijn->lever("xyz");
    klok().verstrijk(1);
    EXPECT_EQ(lijn->aantalWachtend(), 3);
    WisBuffers();
    EXPECT_EQ(lijn->aantalWachtend(), 0);
    EXPECT_TRUE(BufferRS232.isEmpty());
}
