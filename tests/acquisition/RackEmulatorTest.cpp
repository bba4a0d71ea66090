// The emulator answers the command set as the racks do; these tests drive it with the link's own
// request frames.
#include "RacklijnOmgeving.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Frames.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

constexpr int32_t MvNr = K761Idno(1, 2, 3);
constexpr int32_t EcNr = K762Idno(4, 5, 6);

QByteArray Vraag(uint8_t commando, int32_t idno, std::initializer_list<uint8_t> payload = {}) {
    BufferRS232.clear();
    Bestemming = BestemmingModule;
    Commando = commando;
    VerzendIdno = idno;
    AantalbytesUIT = static_cast<uint8_t>(6 + payload.size());
    ZendKop();
    for (uint8_t b : payload)
        ZendByte(b);
    ZendStaart();
    return WachtOpAntwoord();
}

} // namespace

class RackEmulatorTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        PlaatsRack(emulator, 1, RackIdno(0, 0, 1), {{1, MvNr}, {2, EcNr}});
    }
};

TEST_F(RackEmulatorTest, EepromBytesWordsAndDoubleWordsAreWrittenAndReadBigEndian) {
    EXPECT_TRUE(Vraag(CommandoSchrijfWoord, MvNr, {0x01, 0xFC, 0xFF, 0xFE}).isEmpty())
        << "writes get no reply";
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    QByteArray a = Vraag(CommandoLeesWoord, MvNr, {0x01, 0xFC});
    EXPECT_EQ(HaalByte(a, 3), CommandoLeesWoord);
    EXPECT_EQ(HaalLong(a, 4), MvNr);
    EXPECT_EQ(HaalWoord(a, 8), 0xFFFE);
    EXPECT_EQ(a.size(), 6 + 2 + 4);

    Vraag(CommandoSchrijfDubbelWoord, MvNr, {0x00, 0x10, 0x00, 0x03, 0x0D, 0x40});
    a = Vraag(CommandoLeesDubbelWoord, MvNr, {0x00, 0x10});
    EXPECT_EQ(HaalLong(a, 8), 200000);
    Vraag(CommandoSchrijfByte, MvNr, {0x00, 0x11, 0x80});
    EXPECT_EQ(HaalByte(Vraag(CommandoLeesByte, MvNr, {0x00, 0x11}), 8), 0x80);
    EXPECT_EQ(HaalByte(Vraag(CommandoLeesByte, MvNr, {0x00, 0x20}), 8), 0xFF) << "an erased cell";
    EXPECT_EQ(emulator.module(MvNr)->leesByte(0x13), 0x40);
}

TEST_F(RackEmulatorTest, WritesCanRequireTheWriteEnable) {
    auto* m = emulator.module(MvNr);
    m->vereistSchrijfToestemming = true;
    Vraag(CommandoSchrijfByte, MvNr, {0x00, 0x05, 0x42});
    EXPECT_EQ(m->leesByte(5), 0xFF);
    EXPECT_EQ(LeesStatus(1, 1, 255) & 0x80, 0);
    ZendModuleCode(1, 1, CommandoSchrijfToestemming);
    EXPECT_EQ(LeesStatus(1, 1, 255) & 0x80, 0x80);
    Vraag(CommandoSchrijfByte, MvNr, {0x00, 0x05, 0x42});
    EXPECT_EQ(m->leesByte(5), 0x42);
    ZendModuleCode(1, 1, CommandoReset);
    EXPECT_EQ(m->aantalResets, 1);
    EXPECT_EQ(LeesStatus(1, 1, 255) & 0x80, 0);
}

TEST_F(RackEmulatorTest, RangeCommandShowsInTheK762StatusReply) {
    EXPECT_TRUE(Vraag(CommandoECBereik, EcNr, {0x02, 0x03}).isEmpty());
    const ModuleRecord& m = Racks[1].Modules[2];
    LeesStatus(1, 2, 255);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(m.Meting[3].Resolution, 3);
    EXPECT_EQ(emulator.verzoeken()[0].data, QByteArray::fromHex("0203"));
}

TEST_F(RackEmulatorTest, WithLineTimingBroadcastRepliesFollowEachOtherOnTheWire) {
    emulator.zetLijntiming(true);
    emulator.zetRack(2, RackIdno(0, 0, 2)).omkeertijdMs = 5;
    emulator.rack(1)->omkeertijdMs = 5;
    const qint64 begin = klok().ms();
    ZendAanmeldVerzoek();
    EXPECT_EQ(klok().ms() - begin, 30);
    EXPECT_EQ(HaalLong(WachtOpAntwoord(), 4), RackIdno(0, 0, 1));
    // DTR dropped at 30 ms, 5 ms turnaround, 10 bytes of 0.52 ms.
    EXPECT_EQ(klok().ms() - begin, 41);
    EXPECT_EQ(HaalLong(WachtOpAntwoord(), 4), RackIdno(0, 0, 2));
    EXPECT_EQ(klok().ms() - begin, 46);
    EXPECT_EQ(emulator.verzoeken().back().ms - begin, 4) << "the broadcast's 8 bytes reach the racks";
}
