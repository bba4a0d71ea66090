#include "acquisition/EEprom.h"
#include "RacklijnOmgeving.h"
#include "acquisition/ECBereik.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {
constexpr int32_t RackNr = RackIdno(0, 0, 1);
constexpr int32_t MvNr = K761Idno(1, 2, 3);
constexpr int32_t EcNr = K762Idno(4, 5, 6);

QByteArray Bytes(std::initializer_list<int> b) {
    QByteArray a;
    for (int x : b)
        a.append(static_cast<char>(x));
    return a;
}
} // namespace

class EEpromTest : public RacklijnOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& t, int stijl, const QString& titel) override {
        meldingen.emplace_back(t, stijl, titel);
        const int antwoord = antwoorden.empty() ? vbCancel : antwoorden.front();
        if (!antwoorden.empty()) antwoorden.erase(antwoorden.begin());
        return antwoord;
    }
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        int taal = 0;
        KiesTaal(taal);
        PlaatsRack(emulator, 1, RackNr, {{1, MvNr}, {2, EcNr}});
        mv = emulator.module(MvNr);
        ec = emulator.module(EcNr);
        mv->vereistSchrijfToestemming = ec->vereistSchrijfToestemming = true;
        ZetMeldingVenster(this);
    }

    // After every request with this code, `na` runs (the module changes what it holds or does).
    void NaVerzoek(uint8_t code, std::function<void()> na) {
        auto naarEmulator = lijn->bijSchrijven;
        lijn->bijSchrijven = [this, naarEmulator, code, na](const QByteArray& b) {
            const size_t voor = emulator.verzoeken().size();
            naarEmulator(b);
            if (emulator.verzoeken().size() > voor && emulator.verzoeken().back().commando == code) na();
        };
    }
    std::vector<uint8_t> Codes() const {
        std::vector<uint8_t> c;
        for (const auto& v : emulator.verzoeken())
            c.push_back(v.commando);
        return c;
    }

    RackEmulator::Module* mv = nullptr;
    RackEmulator::Module* ec = nullptr;
    std::vector<std::tuple<QString, int, QString>> meldingen;
    std::vector<int> antwoorden;
};

// ---------------------------------------------------------------------------------------------------
// Plain reads and writes

TEST_F(EEpromTest, WritesSendAddressHighByteFirstAndValuesMostSignificantFirst) {
    mv->vereistSchrijfToestemming = false;
    SchrijfWoordEEprom(1, 1, 0x10, -2);
    SchrijfDubbelWoordEEprom(1, 1, AdresSerienummer, -1);
    SchrijfDubbelWoordEEprom(1, 1, 0x20, 200000);
    SchrijfByteEEprom(1, 1, 0x1FF, 0xAB);
    const auto& v = emulator.verzoeken();
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0].commando, CommandoSchrijfWoord);
    EXPECT_EQ(v[0].data, Bytes({0x00, 0x10, 0xFF, 0xFE}));
    EXPECT_EQ(v[1].commando, CommandoSchrijfDubbelWoord);
    EXPECT_EQ(v[1].data, Bytes({0x01, 0xFC, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(v[2].data, Bytes({0x00, 0x20, 0x00, 0x03, 0x0D, 0x40}));
    EXPECT_EQ(v[3].commando, CommandoSchrijfByte);
    EXPECT_EQ(v[3].data, Bytes({0x01, 0xFF, 0xAB}));
    EXPECT_EQ(venster.statusTekst[3], QStringLiteral("Writing byte to e²prom ..."));
}

TEST_F(EEpromTest, ReadsGiveUnsignedBytesSigned16BitWordsAndSigned32BitDoubleWords) {
    mv->eeprom = {{0x10, 0xFF}, {0x11, 0xFE}, {0x1FC, 0x80}, {0x1FD, 0},
                  {0x1FE, 0},   {0x1FF, 0},   {0x30, 0xC8}};
    TerminalDataInfo = true;
    EXPECT_EQ(LeesWoordEEprom(1, 1, 0x10), -2);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(LeesDubbelWoordEEprom(1, 1, AdresSerienummer), INT32_MIN);
    EXPECT_EQ(LeesByteEEprom(1, 1, 0x30), 0xC8);
    EXPECT_EQ(AntwoordIdno, MvNr);
    EXPECT_EQ(emulator.verzoeken()[1].data, Bytes({0x01, 0xFC}));
    EXPECT_EQ(venster.terminal,
              QStringLiteral("E²prom(16, 2byte) = -2\r\nE²prom(508, 4byte) = -2147483648\r\n"
                             "E²prom(48, byte) = 200\r\n"));
}

TEST_F(EEpromTest, AReadAsksFourTimesWhenTheModuleIsSilentOrAnotherModuleAnswers) {
    mv->eeprom[5] = 7;
    emulator.zetFout(RackEmulator::Fout::VreemdNummer, -1);
    EXPECT_EQ(LeesByteEEprom(1, 1, 5), 0);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoLeesByte), 4);

    emulator.wisFouten();
    emulator.wisVerzoeken();
    mv->stil = true;
    EXPECT_EQ(LeesWoordEEprom(1, 1, 5), 0);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoLeesWoord), 4);

    // In simulation no reply is awaited; with the port closed nothing is sent.
    emulator.wisVerzoeken();
    Demo = true;
    EXPECT_EQ(LeesByteEEprom(1, 1, 5), 0);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoLeesByte), 1);
    Demo = false;
    emulator.wisVerzoeken();
    lijn->sluit();
    EXPECT_EQ(LeesDubbelWoordEEprom(1, 1, 5), 0);
    EXPECT_TRUE(emulator.verzoeken().empty());
}

// ---------------------------------------------------------------------------------------------------
// Verified writes

TEST_F(EEpromTest, AVerifiedWriteThatReadsBackAtOnceSendsEnableStatusWriteAndRead) {
    EXPECT_TRUE(SchrijfWoordEEpromControle(1, 1, 0x08, -300));
    EXPECT_EQ(Codes(), (std::vector<uint8_t>{CommandoSchrijfToestemming, CommandoStatus, CommandoSchrijfWoord,
                                             CommandoLeesWoord}));
    EXPECT_EQ(LeesWoordEEprom(1, 1, 0x08), -300);
    EXPECT_TRUE(meldingen.empty());

    // A word above 32767 is sent as its 16-bit pattern and reads back as that pattern.
    EXPECT_TRUE(SchrijfWoordEEpromControle(1, 1, 0x5A, 40000));
    EXPECT_TRUE(SchrijfDubbelWoordEEpromControle(1, 1, AdresSerienummer, 123456789));
    EXPECT_TRUE(SchrijfByteEEpromControle(1, 2, 3, 2));
    EXPECT_EQ(ec->leesByte(3), 2);
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(EEpromTest, AVerifiedWriteThatNeverReadsBackAsksAfterTheSecondWrite) {
    // The cell does not keep what is written, until the fifth write.
    int schrijven = 0;
    NaVerzoek(CommandoSchrijfByte, [&] {
        if (++schrijven != 5) mv->eeprom[4] = 0x11;
    });
    EXPECT_FALSE(SchrijfByteEEpromControle(1, 1, 4, 0x22));
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0], std::make_tuple(QStringLiteral("Error writing to Rack/Module !"), 21, QString()));
    EXPECT_EQ(schrijven, 2);
    EXPECT_EQ(Racks[1].Modules[1].AantalPogingen, 0);

    // Retry begins the count again.
    meldingen.clear();
    antwoorden = {vbRetry};
    EXPECT_TRUE(SchrijfByteEEpromControle(1, 1, 4, 0x22));
    EXPECT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(schrijven, 5);
}

TEST_F(EEpromTest, AFailedReadBackIsNoMatchEvenWhenZeroWasWritten) {
    // The module falls silent after the write: the read-back gives 0 without a valid reply.
    NaVerzoek(CommandoSchrijfWoord, [this] { mv->stil = true; });
    EXPECT_FALSE(SchrijfWoordEEpromControle(1, 1, 0x00, 0));
    EXPECT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoLeesWoord), 4);
}

TEST_F(EEpromTest, TheWaitForTheWriteEnableIsBounded) {
    mv->stil = true;
    EXPECT_FALSE(SchrijfDubbelWoordEEpromControle(1, 1, AdresSerienummer, 42));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoSchrijfToestemming), 5);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoSchrijfDubbelWoord), 0) << "no write without the enable";
    EXPECT_EQ(meldingen.size(), 1u);

    // The user's abort during the enable wait ends it without a question.
    meldingen.clear();
    emulator.wisVerzoeken();
    klok().planIn(100, [] { Afbreken = true; });
    EXPECT_FALSE(SchrijfDubbelWoordEEpromControle(1, 1, AdresSerienummer, 42));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoSchrijfToestemming), 1);
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(EEpromTest, AVerifiedWriteEndsAtOnceInSimulationOrWithTheNoPort) {
    Demo = true;
    EXPECT_FALSE(SchrijfByteEEpromControle(1, 1, 0, 1));
    Demo = false;
    lijn->sluit();
    EXPECT_FALSE(SchrijfByteEEpromControle(1, 1, 0, 1));
    EXPECT_TRUE(emulator.verzoeken().empty());
    EXPECT_TRUE(meldingen.empty());
}

// ---------------------------------------------------------------------------------------------------
// Conductivity range

TEST_F(EEpromTest, ARangeIsSetAndConfirmedByTheStatusReply) {
    EXPECT_TRUE(ZetECBereik(1, 2, 2, 3));
    EXPECT_EQ(Codes(), (std::vector<uint8_t>{CommandoECBereik, CommandoStatus}));
    EXPECT_EQ(emulator.verzoeken()[0].data, Bytes({0x02, 0x03}));
    EXPECT_EQ(Racks[1].Modules[2].Meting[3].Resolution, 3);
    EXPECT_EQ(venster.terminal, QStringLiteral("CH3EC Range set = 3\r\n"));

    // A confirming reply with a bad checksum does not count: the range is sent again.
    emulator.wisVerzoeken();
    emulator.zetFout(RackEmulator::Fout::FouteChecksum, 1);
    EXPECT_TRUE(ZetECBereik(1, 2, 0, 1));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 2);
}

TEST_F(EEpromTest, ARangeTheModuleNeverReportsEndsAfterBoundedTriesWithAMessage) {
    NaVerzoek(CommandoECBereik, [this] { ec->bereik[1] = 0; }); // refused
    EXPECT_FALSE(ZetECBereik(1, 2, 1, 2));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 10);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(std::get<0>(meldingen[0]), Tekst[129]);
    EXPECT_TRUE(venster.terminal.isEmpty());

    // A silent module alike.
    meldingen.clear();
    emulator.wisVerzoeken();
    ec->stil = true;
    EXPECT_FALSE(ZetECBereik(1, 2, 1, 2));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 10);
    EXPECT_EQ(meldingen.size(), 1u);
}

TEST_F(EEpromTest, ARangeSettingEndsOnAbortInSimulationAndWithAClosedPort) {
    ec->stil = true;
    klok().planIn(1500, [] { Afbreken = true; });
    EXPECT_FALSE(ZetECBereik(1, 2, 0, 1));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 2);
    EXPECT_TRUE(meldingen.empty());

    Afbreken = false;
    Demo = true;
    emulator.wisVerzoeken();
    EXPECT_FALSE(ZetECBereik(1, 2, 0, 1));
    EXPECT_TRUE(emulator.verzoeken().empty());
    EXPECT_TRUE(meldingen.empty());

    Demo = false;
    lijn->sluit();
    EXPECT_FALSE(ZetECBereik(1, 2, 0, 1));
    EXPECT_EQ(meldingen.size(), 1u) << "the user learns that the module cannot be reached";
}
