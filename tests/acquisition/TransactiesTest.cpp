#include "OpnameBestandslaag.h"
#include "RacklijnOmgeving.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Commandos.h"
#include "acquisition/Frames.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "shared/Teksten.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {
constexpr int32_t RackNr = RackIdno(0, 0, 1);
constexpr int32_t MvNr = K761Idno(1, 2, 3);
constexpr int32_t EcNr = K762Idno(4, 5, 6);
} // namespace

class TransactiesTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        PlaatsRack(emulator, 1, RackNr, {{1, MvNr}, {2, EcNr}});
        mv = emulator.module(MvNr);
        ec = emulator.module(EcNr);
    }
    RackEmulator::Module* mv = nullptr;
    RackEmulator::Module* ec = nullptr;
};

TEST_F(TransactiesTest, StatusReadStoresTheStatusAndOnAK762TheRanges) {
    mv->status = 0x0B;
    mv->ledFlag = 0x21;
    mv->fouten = 0xABCD;
    EXPECT_EQ(LeesStatus(1, 1, 255), 0x0B);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(Pogingen, 1);
    const ModuleRecord& m = Racks[1].Modules[1];
    EXPECT_EQ(m.LedFlag, 0x21);
    EXPECT_EQ(m.Errors, 0xABCD);
    EXPECT_EQ(AntwoordIdno, MvNr);
    EXPECT_EQ(m.Meting[3].Resolution, 1) << "a K761 keeps its resolutions";

    ec->bereik = {3, 2, 1, 0};
    EXPECT_EQ(LeesStatus(1, 2, 255), 0);
    const ModuleRecord& e = Racks[1].Modules[2];
    EXPECT_EQ(e.Meting[1].Resolution, 3);
    EXPECT_EQ(e.Meting[2].Resolution, 2);
    EXPECT_EQ(e.Meting[4].Resolution, 0);

    // Booked as an unanswered command: the synchronous status read does not mark it answered.
    EXPECT_FALSE(m.Beantwoord);
    EXPECT_EQ(m.LaatsteCommando, "205");
    EXPECT_EQ(m.AantalPogingen, 1);
}

TEST_F(TransactiesTest, StatusReadOfASilentModuleAsksOnceAndKeepsTheRecord) {
    Racks[1].Modules[1].Status = 0x05;
    mv->stil = true;
    EXPECT_EQ(LeesStatus(1, 1, 255), 0);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus), 1);
    EXPECT_EQ(LeesStatus(1, 1, 0x07), 0x07);
    EXPECT_EQ(Racks[1].Modules[1].Status, 0x05);
}

TEST_F(TransactiesTest, StatusReadAsksFourTimesWhenAnotherModuleAnswers) {
    mv->status = 0x0F;
    emulator.zetFout(RackEmulator::Fout::VreemdNummer, -1);
    TerminalDataInfo = true;
    EXPECT_EQ(LeesStatus(1, 1, 0x07), 0x07);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus), 4);
    EXPECT_EQ(Racks[1].Modules[1].Status, 0);
    EXPECT_TRUE(venster.terminal.endsWith(" Failed!\r\n"));

    // The frame layer drops a reply with a wrong checksum: it counts as no reply.
    emulator.wisFouten();
    emulator.wisVerzoeken();
    emulator.zetFout(RackEmulator::Fout::FouteChecksum);
    EXPECT_EQ(LeesStatus(1, 1, 255), 0);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus), 1);
    EXPECT_EQ(LeesStatus(1, 1, 255), 0x0F);
    EXPECT_TRUE(venster.terminal.endsWith("Status = F\r\n"));
}

TEST_F(TransactiesTest, RepliesSurviveTheLinesMisbehaviour) {
    mv->status = 0x03;
    for (auto fout :
         {RackEmulator::Fout::RuisVoor, RackEmulator::Fout::Gesplitst, RackEmulator::Fout::CRLFInData}) {
        emulator.zetFout(fout);
        EXPECT_EQ(LeesStatus(1, 1, 255), fout == RackEmulator::Fout::CRLFInData ? 0x0D : 0x03);
        EXPECT_EQ(Pogingen, 1);
    }
    // Two replies in one read: the second stays in the buffer for the next receive.
    emulator.zetFout(RackEmulator::Fout::TweeFrames);
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(HaalByte(BufferRS232, 3), CommandoADC);
    EXPECT_EQ(WachtOpAntwoord().size(), 6 + 8 + 4);
}

TEST_F(TransactiesTest, AdcReadsStoreSignedValuesIntoTheChannels) {
    mv->adc = {-200, 32767, -32768, 0x0D0A};
    mv->temperatuurAdc = {250, -15, 0, 1300};
    klok().verstrijk(60000);
    LeesADC(1, 1);
    ASSERT_EQ(Antwoord, AntwoordFrame);
    LeesTemperatuurADC(1, 1);
    ASSERT_EQ(Antwoord, AntwoordFrame);
    const ModuleRecord& m = Racks[1].Modules[1];
    EXPECT_EQ(m.Meting[1].AdcWaarde, -200);
    EXPECT_EQ(m.Meting[2].AdcWaarde, 32767);
    EXPECT_EQ(m.Meting[3].AdcWaarde, -32768);
    EXPECT_EQ(m.Meting[4].AdcWaarde, 0x0D0A);
    EXPECT_EQ(m.Temperatuur[1].AdcWaarde, 250);
    EXPECT_EQ(m.Temperatuur[2].AdcWaarde, -15);
    EXPECT_EQ(m.Temperatuur[4].AdcWaarde, 1300);
    EXPECT_DOUBLE_EQ(m.Temperatuur[4].Tijdstip, m.Tijdstip);
    EXPECT_LT(m.Meting[1].Tijdstip, m.Tijdstip);
    EXPECT_GT(m.Tijdstip, platform::MaakDatum(2026, 1, 5, 9, 0, 59));
    EXPECT_TRUE(m.Beantwoord);
    EXPECT_EQ(m.AantalPogingen, 0);
    EXPECT_TRUE(m.LaatsteCommando.isEmpty());
    EXPECT_EQ(AntwoordEcho, "20");
    EXPECT_TRUE(AntwoordGeldig);
}

TEST_F(TransactiesTest, AdcReadAsksFourTimesWhenSilentOrAnsweredByAnother) {
    mv->stil = true;
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoADC), 4);

    mv->stil = false;
    mv->adc = {1, 2, 3, 4};
    emulator.wisVerzoeken();
    emulator.zetFout(RackEmulator::Fout::VreemdNummer, -1);
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoADC), 4);
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].AdcWaarde, 0);
}

TEST_F(TransactiesTest, AdcReplyWithAnotherEchoIsAskedAgainAndNotStored) {
    // A module that answers the measuring request with a temperature reply.
    int verzoeken = 0;
    lijn->bijSchrijven = [&](const QByteArray& b) {
        if (!b.contains("\r\n")) return;
        ++verzoeken;
        QByteArray f = QByteArray::fromHex("500E140F010203") + QByteArray::fromHex("0001000200030004");
        unsigned som = 0;
        for (char c : f)
            som += static_cast<uint8_t>(c);
        lijn->lever(f + static_cast<char>(som & 0xFF) + "\r\n", 3);
    };
    LeesADC(1, 1);
    EXPECT_EQ(verzoeken, 4);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(AntwoordEcho, "20");
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].AdcWaarde, 0);
    EXPECT_EQ(Racks[1].Modules[1].Temperatuur[1].AdcWaarde, 0);
}

TEST_F(TransactiesTest, AdcRepliesWithABadChecksumAreAskedAgain) {
    mv->adc = {5, 6, 7, 8};
    emulator.zetFout(RackEmulator::Fout::FouteChecksum, 3);
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoADC), 4);
    EXPECT_EQ(Racks[1].Modules[1].Meting[4].AdcWaarde, 8);

    emulator.zetFout(RackEmulator::Fout::FouteChecksum, 4);
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
}

TEST_F(TransactiesTest, AdcReadOnAClosedPortReportsNoFreshValues) {
    LeesADC(1, 1);
    ASSERT_EQ(Antwoord, AntwoordFrame);
    lijn->sluit();
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
}

TEST_F(TransactiesTest, AsynchronousRepliesOfUnknownModulesChangeNothing) {
    QByteArray f = QByteArray::fromHex("500ACD0F0F0F0F") + QByteArray::fromHex("7F010002");
    unsigned som = 0;
    for (char c : f)
        som += static_cast<uint8_t>(c);
    f += static_cast<char>(som & 0xFF);
    f += "\r\n";
    AntwoordIdno = 0x0F0F0F0F;
    VerwerkStatusAntwoord(f);
    VerwerkADCAntwoord(f);
    for (int m = 1; m <= AantalModules; ++m) {
        EXPECT_EQ(Racks[1].Modules[m].Status, 0);
        EXPECT_EQ(Racks[1].Modules[m].Tijdstip, 0);
    }
    // An empty position carries the number 0; a reply carrying 0 finds no module either.
    AntwoordIdno = 0;
    VerwerkStatusAntwoord(f);
    EXPECT_EQ(Racks[1].Modules[3].Status, 0);

    // The same reply from a known module is stored and its command marked answered.
    Racks[1].Modules[1].Beantwoord = false;
    Racks[1].Modules[1].AantalPogingen = 2;
    f = QByteArray::fromHex("500ACD0F010203") + QByteArray::fromHex("7F010002");
    som = 0;
    for (char c : f)
        som += static_cast<uint8_t>(c);
    f += static_cast<char>(som & 0xFF);
    f += "\r\n";
    AntwoordIdno = MvNr;
    VerwerkStatusAntwoord(f);
    EXPECT_EQ(Racks[1].Modules[1].Status, 0x7F);
    EXPECT_EQ(Racks[1].Modules[1].Errors, 2);
    EXPECT_TRUE(Racks[1].Modules[1].Beantwoord);
    EXPECT_EQ(Racks[1].Modules[1].AantalPogingen, 0);
}

TEST_F(TransactiesTest, ModuleCommandsAreBookedForThePollSupervision) {
    Afbreken = true;
    ZendModuleCommando(1, 1, QString());
    EXPECT_FALSE(Afbreken);
    EXPECT_TRUE(lijn->verzonden().isEmpty());
    EXPECT_TRUE(Racks[1].Modules[1].LaatsteCommando.isEmpty());
    EXPECT_EQ(Racks[1].Modules[1].AantalPogingen, 0);
    ZendModuleCommando(1, 1, QStringLiteral("x9")); // not a code: nothing is sent
    EXPECT_TRUE(lijn->verzonden().isEmpty());

    ControleTeller = 17;
    ZendModuleCommando(1, 1, QStringLiteral("10"));
    ZendModuleCommando(1, 1, QStringLiteral("10"));
    const ModuleRecord& m = Racks[1].Modules[1];
    EXPECT_EQ(m.AantalPogingen, 2);
    EXPECT_FALSE(m.Beantwoord);
    EXPECT_EQ(m.LaatsteCommando, "10");
    EXPECT_EQ(ControleTeller, 0);
    EXPECT_TRUE(TimerControleTeller().actief());
    EXPECT_EQ(TimerControleTeller().interval(), 250);
    klok().verstrijk(1000);
    EXPECT_EQ(ControleTeller, 4);

    Racks[1].Modules[1].AantalPogingen = INT16_MAX;
    ZendModuleCommando(1, 1, QStringLiteral("205"));
    EXPECT_EQ(Racks[1].Modules[1].AantalPogingen, INT16_MAX);

    lijn->sluit();
    ZendModuleCommando(1, 2, QStringLiteral("205"));
    EXPECT_TRUE(Racks[1].Modules[2].LaatsteCommando.isEmpty());
}

TEST_F(TransactiesTest, RackCommandGoesToTheRacksNumber) {
    ZendRackCommando(1, CommandoReset);
    EXPECT_EQ(emulator.rack(1)->aantalResets, 1);
    EXPECT_EQ(lijn->verzonden().toHex(' '), "ff 52 06 fd 01 00 00 01 57 0d 0a ff");
}

TEST_F(TransactiesTest, FactoryModeLogsEveryModuleCommand) {
    OpnameBestandslaag bestanden;
    ZetBestandslaag(&bestanden);
    const auto& regels = bestanden.logboek;
    Tekst[456] = QStringLiteral("Command: ");
    ZendModuleCommando(1, 2, QStringLiteral("253"));
    EXPECT_TRUE(regels.empty());
    Fabrieksmodus = true;
    ZendModuleCommando(1, 2, QStringLiteral("253"));
    ASSERT_EQ(regels.size(), 1u);
    EXPECT_EQ(regels[0], std::make_tuple(1, 2, QString("Command:  253")));
    EXPECT_EQ(emulator.module(EcNr)->aantalResets, 2);
}

TEST_F(TransactiesTest, SoftwareVersionAddsTheTwoBytes) {
    TerminalDataInfo = true;
    mv->versieA = 0x0A;
    mv->versieB = 0x03;
    EXPECT_FLOAT_EQ(LeesSoftwareVersie(1, 1), 1.3f);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    EXPECT_TRUE(venster.terminal.endsWith("Software version = 1.3\r\n"));
    mv->versieA = 0x00;
    mv->versieB = 0x0D;
    EXPECT_FLOAT_EQ(LeesSoftwareVersie(1, 1), 1.3f);

    mv->stil = true;
    EXPECT_EQ(LeesSoftwareVersie(1, 1), 0.0f);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoVersie), 3);
    EXPECT_TRUE(venster.terminal.endsWith(" Failed!\r\n"));

    mv->stil = false;
    emulator.zetFout(RackEmulator::Fout::VreemdNummer, -1);
    EXPECT_EQ(LeesSoftwareVersie(1, 1), 0.0f);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoVersie), 7);
}

TEST_F(TransactiesTest, LineTimingBoundsATransaction) {
    emulator.zetLijntiming(true);
    mv->omkeertijdMs = 2;
    const qint64 begin = klok().ms();
    EXPECT_EQ(LeesStatus(1, 1, 255), 0);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    // 30 ms DTR hold, 2 ms turnaround, 14 reply bytes of 10 bits at 19200 baud.
    EXPECT_EQ(klok().ms() - begin, 40);
}

TEST_F(TransactiesTest, RepliesTooShortForTheirFieldsCountAsNone) {
    // Each reply below has a correct checksum, but its length byte counts fewer data bytes than its
    // command reads: the fields would be its checksum and CR LF.
    Racks[1].Modules[1].Meting[1].AdcWaarde = 123;
    emulator.zetKortAntwoord(0);
    emulator.zetFout(RackEmulator::Fout::KortAntwoord, -1);
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoADC), 4) << "asked again, as after no reply";
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].AdcWaarde, 123);

    // A K762 status reply without its range bytes keeps the ranges.
    for (int c = 1; c <= 4; ++c)
        Racks[1].Modules[2].Meting[c].Resolution = 2;
    Racks[1].Modules[2].Status = 0x05;
    emulator.zetKortAntwoord(4);
    EXPECT_EQ(LeesStatus(1, 2, 255), 0);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);
    EXPECT_EQ(Racks[1].Modules[2].Status, 0x05);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(Racks[1].Modules[2].Meting[c].Resolution, 2);

    // A version reply with one of its two bytes gives no version.
    emulator.zetKortAntwoord(1);
    EXPECT_EQ(LeesSoftwareVersie(1, 1), 0.0f);
    EXPECT_EQ(Antwoord, AntwoordGeenLijn);

    // A short identification reply makes no module present.
    emulator.zetKortAntwoord(2);
    LeesIdentificatienummers(1);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoIdentificatie), 4);
    // The modules of the last good identification stay, and no number is made of checksum and CR LF.
    EXPECT_EQ(Racks[1].Modules[1].Idno, MvNr);
    EXPECT_TRUE(Racks[1].Modules[2].Present);

    emulator.wisFouten();
    LeesADC(1, 1);
    EXPECT_EQ(Antwoord, AntwoordFrame);
}

TEST_F(TransactiesTest, ARangeByteOutsideTheK762RangesIsNotStored) {
    for (int c = 1; c <= 4; ++c)
        Racks[1].Modules[2].Meting[c].Resolution = 1;
    ec->bereik = {3, 4, 0xFF, 0};
    EXPECT_EQ(LeesStatus(1, 2, 255), 0);
    EXPECT_EQ(Antwoord, AntwoordFrame);
    const ModuleRecord& e = Racks[1].Modules[2];
    EXPECT_EQ(e.Meting[1].Resolution, 3);
    EXPECT_EQ(e.Meting[2].Resolution, 1);
    EXPECT_EQ(e.Meting[3].Resolution, 1);
    EXPECT_EQ(e.Meting[4].Resolution, 0);
}
