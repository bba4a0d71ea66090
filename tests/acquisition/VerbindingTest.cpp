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

namespace {
// An in-memory line that counts how often DTR is set.
class TellendeLijn : public platform::GeheugenLijn {
public:
    void zetDTR(bool aan) override {
        ++dtrGezet;
        GeheugenLijn::zetDTR(aan);
    }
    int dtrGezet = 0;
};
} // namespace

TEST_F(VerbindingTest, ARequestIsOneWriteWhileDtrIsHeldThirtyMilliseconds) {
    auto eigen = std::make_unique<TellendeLijn>();
    TellendeLijn& tl = *eigen;
    tl.zetInstellingen(QStringLiteral("19200,N,8,1"));
    tl.open();
    ZetMSComm1(std::move(eigen));
    struct Gebeurtenis {
        qint64 ms;
        QString wat;
    };
    std::vector<Gebeurtenis> log;
    tl.bijSchrijven = [&](const QByteArray& b) { log.push_back({platform::klok().ms(), b.toHex()}); };
    tl.bijDTR = [&](bool aan) { log.push_back({platform::klok().ms(), aan ? "DTR+" : "DTR-"}); };
    klok().verstrijk(5);
    const qint64 begin = klok().ms();
    tl.dtrGezet = 0;
    ZendAanmeldVerzoek();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].wat, "DTR+");
    EXPECT_EQ(log[0].ms, begin);
    EXPECT_EQ(log[1].wat, "ff520205590d0aff") << "the whole request in one write";
    EXPECT_EQ(log[1].ms, begin);
    EXPECT_EQ(log[2].wat, "DTR-");
    EXPECT_EQ(log[2].ms, begin + 30);
    EXPECT_FALSE(tl.dtr());
    EXPECT_FALSE(TimerComm().actief());

    // Listening finds DTR already off and leaves it: one request and its wait set it twice.
    WachtOpAntwoord();
    EXPECT_EQ(tl.dtrGezet, 2);
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
    lijn->lever(QByteArray("\x01\x02P\x0E\x0A", 5), 10); // noise and the start of a reply
    const QByteArray a = WachtOpAntwoord();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(klok().ms() - begin, 1000);
    EXPECT_EQ(BufferRS232, QByteArray("P\x0E\x0A")) << "what may still begin a reply stays";
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

TEST_F(VerbindingTest, EndlessNoiseLeavesOnlyWhatMayStillBeginAReply) {
    // 1.8 MB without a CR LF, in reads of 2000 bytes 1 ms apart, then a reply after the time-out.
    QByteArray ruis(2000, 'x');
    ruis.replace(500, 2, "P\x20");
    for (int i = 0; i < 900; ++i)
        lijn->lever(ruis, i);
    lijn->lever(Aanmelding, 1200);
    EXPECT_TRUE(WachtOpAntwoord().isEmpty());
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_LT(BufferRS232.size(), 44);
    EXPECT_EQ(WachtOpAntwoord(), Aanmelding);
}

TEST_F(VerbindingTest, AFrameInsideAReplyStillArrivingIsNotTaken) {
    // A measuring reply whose data holds a whole short frame (P 02 05 57 CR LF), arriving in two reads.
    QByteArray adc = QByteArray::fromHex("500E0A0F010203") + QByteArray("P\x02\x05W\r\n\x00\x01", 8);
    unsigned som = 0;
    for (char c : adc)
        som += static_cast<uint8_t>(c);
    adc += static_cast<char>(som & 0xFF);
    adc += "\r\n";
    lijn->lever(adc.left(13), 5);
    lijn->lever(adc.mid(13), 7);
    EXPECT_EQ(WachtOpAntwoord(), adc);
    EXPECT_TRUE(BufferRS232.isEmpty());

    // A start whose claim is never filled (noise) hides the reply inside it only until the line is quiet.
    const qint64 begin = klok().ms();
    lijn->lever(QByteArray("P\x28") + Aanmelding, 5);
    EXPECT_EQ(WachtOpAntwoord(), Aanmelding);
    EXPECT_LE(klok().ms() - begin, 100) << "taken at the first receive tick after the line went quiet";
}
