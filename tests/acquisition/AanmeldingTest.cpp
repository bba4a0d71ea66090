#include "acquisition/Aanmelding.h"
#include "EchteMelding.h"
#include "OpnameBestandslaag.h"
#include "OpnameMelding.h"
#include "PollHarnas.h"
#include "RacklijnOmgeving.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Frames.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {
constexpr int32_t RackA = RackIdno(0, 0, 0x0A);
constexpr int32_t RackB = RackIdno(0, 0, 0x0B);
constexpr int32_t RackX = RackIdno(0, 0, 0x01);
} // namespace

class AanmeldingTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        ZetBestandslaag(&bestanden);
        Tekst[142] = QStringLiteral("Request to log on ...");
        Tekst[267] = QStringLiteral("Please wait until all racks have logged on!");
        Tekst[296] = QStringLiteral("Module");
        Tekst[452] = QStringLiteral("Request to log on is sent");
        Tekst[459] = QStringLiteral("Log on: ");
    }

    // What the communication loop does with log-on replies, until `aantal` were handled or the line
    // stays quiet for a while.
    std::vector<int32_t> HandelAanmeldingenAf(int aantal) {
        std::vector<int32_t> nummers;
        for (int stil = 0; static_cast<int>(nummers.size()) < aantal && stil < 10;) {
            const QByteArray a = WachtOpAntwoord();
            if (a.size() > 6 && Antwoord == AntwoordFrame && ControleerChecksum(a) &&
                HaalByte(a, 3) == CommandoAanmelden) {
                nummers.push_back(HaalLong(a, 4));
                VerwerkAanmeldAntwoord(nummers.back());
            } else {
                ++stil;
            }
        }
        return nummers;
    }

    OpnameBestandslaag bestanden;
    std::vector<OpnameBestandslaag::Logregel>& logboek = bestanden.logboek;
    std::vector<int>& configuratie = bestanden.configuraties;
};

TEST_F(AanmeldingTest, TheRequestIsAnnouncedOnTerminalStatusBarAndLog) {
    ZendAanmeldVerzoek();
    EXPECT_EQ(venster.terminal,
              "\r\nPlease wait until all racks have logged on!\r\n\r\nRequest to log on ...\r\n\r\n");
    EXPECT_EQ(venster.statusTekst[3], "Request to log on ...");
    ASSERT_EQ(logboek.size(), 1u);
    EXPECT_EQ(logboek[0], std::make_tuple(0, 0, QString("Request to log on is sent")));

    lijn->sluit();
    logboek.clear();
    ZendAanmeldVerzoek();
    EXPECT_TRUE(logboek.empty());
}

TEST_F(AanmeldingTest, TwoRacksTakeTheLowestFreeSlotsAndKeepThemWhenLoggingOnAgain) {
    PlaatsRack(emulator, 1, RackX, {}); // slot 1 is taken by a rack of an earlier run
    emulator.rack(1)->stil = true;
    emulator.zetRack(2, RackA).aanmeldVertragingMs = 20;
    emulator.zetModule(2, 1, K761Idno(1, 1, 1));
    emulator.zetRack(3, RackB).aanmeldVertragingMs = 1500;
    emulator.zetModule(3, 4, K762Idno(2, 2, 2));

    ZendAanmeldVerzoek();
    EXPECT_EQ(HandelAanmeldingenAf(2), (std::vector<int32_t>{RackA, RackB}));
    EXPECT_EQ(Racks[2].Idno, RackA);
    EXPECT_EQ(Racks[3].Idno, RackB);
    EXPECT_TRUE(Racks[2].Present && Racks[3].Present);
    EXPECT_EQ(Racks[2].Name.getrimd(), "Rack 1.0.0.A");
    EXPECT_TRUE(emulator.rack(2)->bevestigd);
    EXPECT_TRUE(emulator.rack(3)->bevestigd);
    EXPECT_TRUE(Racks[2].Modules[1].Present);
    EXPECT_EQ(Racks[3].Modules[4].Type.getrimd(), "K762");
    EXPECT_EQ(venster.rackVensters, (std::vector<int>{2, 3}));
    EXPECT_EQ(configuratie, (std::vector<int>{2, 3}));
    EXPECT_FALSE(PauzeOpvragen);

    // Both log on again, B first this time: each keeps its slot.
    emulator.rack(2)->aanmeldVertragingMs = 1500;
    emulator.rack(3)->aanmeldVertragingMs = 20;
    BoomZichtbaar = true;
    ZendAanmeldVerzoek();
    EXPECT_EQ(HandelAanmeldingenAf(2), (std::vector<int32_t>{RackB, RackA}));
    EXPECT_EQ(Racks[2].Idno, RackA);
    EXPECT_EQ(Racks[3].Idno, RackB);
    EXPECT_FALSE(Racks[4].Present);
    EXPECT_EQ(venster.boomHerbouwd, 1);
    EXPECT_FALSE(BoomZichtbaar);
    EXPECT_EQ(ZoekRackPlaats(RackIdno(9, 9, 9)), 4);
}

TEST_F(AanmeldingTest, IdentificationGivesModelsAndDefaultChannelSettings) {
    emulator.zetRack(1, RackA);
    emulator.zetModule(1, 1, K761Idno(1, 2, 3));
    emulator.zetModule(1, 3, K762Idno(4, 5, 6));
    emulator.zetModule(1, 5, RackIdno(7, 7, 7)); // a rack number in a module position
    Racks[1].Modules[5].Meting[2].Unit = QStringLiteral("pH");
    TerminalDataInfo = true;
    ZendAanmeldVerzoek();
    ASSERT_EQ(HandelAanmeldingenAf(1).size(), 1u);

    const RackRecord& r = Racks[1];
    const ModuleRecord& mv = r.Modules[1];
    EXPECT_TRUE(mv.Present);
    EXPECT_EQ(mv.Idno, K761Idno(1, 2, 3));
    EXPECT_EQ(mv.Name, QString::fromUtf8("K761(mV/°C)"));
    EXPECT_EQ(mv.Type.getrimd(), "K761");
    EXPECT_EQ(mv.AantalStappen, 4);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(mv.Meting[c].Name.getrimd(), QStringLiteral("CH%1").arg(c));
        EXPECT_TRUE(mv.Meting[c].Set);
        EXPECT_EQ(mv.Meting[c].Unit.getrimd(), "mV");
        EXPECT_EQ(mv.Meting[c].Resolution, 1);
        EXPECT_EQ(mv.Temperatuur[c].Unit.getrimd(), QString::fromUtf8("°C"));
        EXPECT_EQ(mv.Temperatuur[c].Resolution, 1);
    }
    const ModuleRecord& ec = r.Modules[3];
    EXPECT_EQ(ec.Type.getrimd(), "K762");
    EXPECT_EQ(ec.Name, QString::fromUtf8("K762(mS/°C)"));
    EXPECT_EQ(ec.Meting[2].Unit.getrimd(), "S/cm");
    EXPECT_EQ(ec.Meting[2].Resolution, 0);
    EXPECT_TRUE(ec.Meting[4].Set);

    const ModuleRecord& vreemd = r.Modules[5];
    EXPECT_TRUE(vreemd.Present);
    EXPECT_EQ(vreemd.Type.getrimd(), "----");
    EXPECT_EQ(vreemd.Name, "K740(Rack)");
    EXPECT_EQ(vreemd.Meting[2].Unit.getrimd(), "pH") << "an unknown model keeps its channel settings";
    EXPECT_FALSE(vreemd.Meting[2].Set);

    EXPECT_FALSE(r.Modules[2].Present);
    EXPECT_EQ(r.Modules[2].Idno, 0);
    EXPECT_EQ(r.Modules[2].Meting[1].Name.getrimd(), "CH1");
    EXPECT_TRUE(RackVlaggen[1].Measure && RackVlaggen[1].Show && RackVlaggen[1].Table);
    EXPECT_TRUE(venster.terminal.contains("Logon :1.0.0.A\r\nid.nos from 1.0.0.A\r\n id.no.1: F.1.2.3\r\n"));
    EXPECT_TRUE(venster.terminal.contains(" id.no.2: 0.0.0.0\r\n"));

    // The log names every step: log-on of the rack, the request, each module.
    EXPECT_EQ(logboek[1], std::make_tuple(1, 0, QString("Log on: Rack 1.0.0.A")));
    EXPECT_EQ(logboek[2], std::make_tuple(1, 0, QString("Request to log on is sent")));
    EXPECT_EQ(logboek[3], std::make_tuple(1, 1, QString("Log on: Module")));
    EXPECT_EQ(logboek.size(), 6u);
}

TEST_F(AanmeldingTest, AnEmptyRackIsRegisteredWithItsFlagsOn) {
    emulator.zetRack(1, RackA);
    ZendAanmeldVerzoek();
    ASSERT_EQ(HandelAanmeldingenAf(1).size(), 1u);
    for (int m = 1; m <= AantalModules; ++m)
        EXPECT_FALSE(Racks[1].Modules[m].Present);
    EXPECT_TRUE(RackVlaggen[1].Measure && RackVlaggen[1].Show && RackVlaggen[1].Table);
}

TEST_F(AanmeldingTest, IdentificationAsksFourTimesAndKeepsTheLastGoodModules) {
    PlaatsRack(emulator, 1, RackA, {{2, K761Idno(1, 1, 1)}});
    emulator.zetFout(RackEmulator::Fout::VreemdNummer, -1);
    LeesIdentificatienummers(1);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoIdentificatie), 4);
    EXPECT_EQ(Antwoord, AntwoordMislukt);
    EXPECT_TRUE(Racks[1].Modules[2].Present);

    emulator.wisFouten();
    emulator.rack(1)->stil = true;
    LeesIdentificatienummers(1);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoIdentificatie), 8);
    EXPECT_TRUE(Racks[1].Modules[2].Present);

    // A rack number outside 1..16 is no rack.
    LeesIdentificatienummers(17);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoIdentificatie), 8);
}

// A log-on reply handled behind a window that holds the snapshots leaves that hold to the window.
TEST_F(AanmeldingTest, ALogOnHandledBehindAWindowLeavesItsHoldInPlace) {
    emulator.zetRack(1, RackA);
    emulator.zetModule(1, 1, K761Idno(1, 1, 1));
    PauzeOpvragen = true;
    ZendAanmeldVerzoek();
    EXPECT_EQ(HandelAanmeldingenAf(1), (std::vector<int32_t>{RackA}));
    EXPECT_TRUE(Racks[1].Present);
    EXPECT_TRUE(PauzeOpvragen);
}

// A 17th rack answers while rack 1 is polled: it gets no acknowledge, and its box, held open 3 s, waits
// beside the loop, which goes on reading the modules with the snapshots free.
TEST_F(AanmeldingTest, MoreThanSixteenRacksGiveAMessageBesideTheLoopAndNoAcknowledge) {
    PollHarnas harnas(emulator, nullptr);
    PlaatsRack(emulator, 1, RackX, {{1, K761Idno(1, 1, 1)}});
    for (int r = 2; r <= AantalRacks; ++r) {
        Racks[r].Present = true;
        Racks[r].Idno = RackIdno(1, 0, static_cast<uint8_t>(r));
    }
    Tekst[447] = QStringLiteral("The maximum number of racks is reached!");
    Tekst[448] = QStringLiteral("New rack");
    struct Box : EchteMelding {
        using EchteMelding::EchteMelding;
        int Toon(const QString& tekst, int stijl, const QString& titel) override {
            vragen.push_back({tekst, stijl, titel});
            return EchteMelding::Toon(tekst, stijl, titel);
        }
        std::vector<Vraag> vragen;
    } melding(Qt::Key_Return, 3000);
    ZetMeldingVenster(&melding);
    emulator.zetRack(2, RackA);
    klok().planIn(500, [] { ZendAanmeldVerzoek(); });
    int gelezen = 0;
    klok().planIn(1500, [&] { gelezen = emulator.aantalVerzoeken(CommandoADC); });
    klok().planIn(2500, [&] {
        EXPECT_EQ(OpenMeldingen(), 1);
        EXPECT_FALSE(PauzeOpvragen) << "the snapshots held under the box";
        EXPECT_GT(emulator.aantalVerzoeken(CommandoADC), gelezen + 5) << "no module read under the box";
    });
    harnas.Draai(6000);
    ZetMeldingVenster(nullptr);
    ASSERT_EQ(melding.vragen.size(), 1u);
    EXPECT_EQ(melding.vragen[0], (Vraag{"The maximum number of racks is reached!", 48, "New rack"}));
    EXPECT_FALSE(emulator.rack(2)->bevestigd);
    EXPECT_EQ(ZoekRackPlaats(RackA), 0);
    EXPECT_FALSE(PauzeOpvragen);
}

TEST_F(AanmeldingTest, LookUpByNumberSkipsEmptyPositionsAndFreeSlots) {
    PlaatsRack(emulator, 2, RackA, {{3, K762Idno(4, 5, 6)}});
    int rack = -1, module = -1;
    ZoekRackModule(K762Idno(4, 5, 6), rack, module);
    EXPECT_EQ(std::make_pair(rack, module), std::make_pair(2, 3));
    ZoekRackModule(RackA, rack, module);
    EXPECT_EQ(std::make_pair(rack, module), std::make_pair(2, 0));
    // Empty positions and free slots carry the number 0: 0 finds nothing.
    ZoekRackModule(0, rack, module);
    EXPECT_EQ(std::make_pair(rack, module), std::make_pair(0, 0));
    ZoekRackModule(RackIdno(5, 5, 5), rack, module);
    EXPECT_EQ(std::make_pair(rack, module), std::make_pair(0, 0));
}

TEST_F(AanmeldingTest, ModelCodesFromTheConfigurationNumbers) {
    Racks[4].Modules[1].Present = true;
    Racks[4].Modules[1].Idno = K762Idno(1, 1, 1);
    Racks[4].Modules[2].Name = QStringLiteral("old");
    Racks[4].Modules[2].Type = QStringLiteral("K761");
    ZetModuleTypes(4);
    EXPECT_EQ(Racks[4].Modules[1].Type.getrimd(), "K762");
    EXPECT_EQ(Racks[4].Modules[1].AantalStappen, 4);
    EXPECT_EQ(Racks[4].Modules[2].Type.tekst(), "    ");
    EXPECT_TRUE(Racks[4].Modules[2].Name.isEmpty());
}

namespace {
// Racks placed in a fresh emulator on a fresh line, logged on by the communication loop of a first start
// (no rack registered yet): rack r answers the broadcast (r - 1) x gap ms after rack 1. Returns the
// numbers of the registered slots 1..16.
std::vector<int32_t> MeldAanViaDeLus(int aantal, int gap, bool lijntiming, int32_t (*nummer)(int)) {
    ResetRackModel();
    ResetCommunicatie();
    RackEmulator em;
    auto& l = InstalleerRacklijn(em);
    em.zetLijntiming(lijntiming);
    for (int r = 1; r <= aantal; ++r) {
        em.zetRack(r, nummer(r)).aanmeldVertragingMs = (r - 1) * gap;
        em.zetModule(r, 1, K761Idno(0, static_cast<uint8_t>(r), 1));
    }
    PollHarnas harnas(em, &l);
    harnas.Draai(5000 + (aantal - 1) * gap);
    std::vector<int32_t> nummers;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        nummers.push_back(Racks[r].Idno);
        int plaats = 1; // of the rack in the emulator
        while (plaats < aantal && em.rack(plaats)->idno != Racks[r].Idno)
            ++plaats;
        EXPECT_TRUE(em.rack(plaats)->bevestigd) << "slot " << r;
        EXPECT_TRUE(Racks[r].Modules[1].Present) << "slot " << r;
        EXPECT_EQ(Racks[r].Modules[1].Idno, K761Idno(0, static_cast<uint8_t>(plaats), 1)) << "slot " << r;
    }
    return nummers;
}

int32_t Racknummer(int r) {
    return RackIdno(0, 1, static_cast<uint8_t>(r));
}
} // namespace

TEST_F(AanmeldingTest, EveryRackAnsweringOneBroadcastRegistersWhateverTheGapBetweenTheirReplies) {
    for (const int aantal : {2, 16}) {
        std::vector<int32_t> verwacht;
        for (int r = 1; r <= aantal; ++r)
            verwacht.push_back(Racknummer(r));
        for (const int gap : {0, 10, 50, 200})
            EXPECT_EQ(MeldAanViaDeLus(aantal, gap, true, Racknummer), verwacht)
                << aantal << " racks " << gap << " ms apart";
        // All replies in one read.
        EXPECT_EQ(MeldAanViaDeLus(aantal, 0, false, Racknummer), verwacht) << aantal << " racks in one read";
    }
}

TEST_F(AanmeldingTest, OnlyARacksNumberRegistersARack) {
    const auto nummer = [](int r) -> int32_t {
        switch (r) {
        case 1:
            return 0; // 0.0.0.0
        case 2:
            return -1; // FF.FF.FF.FF
        case 3:
            return K762Idno(1, 2, 3); // a module's number
        default:
            return Racknummer(r);
        }
    };
    EXPECT_EQ(MeldAanViaDeLus(4, 10, true, nummer), (std::vector<int32_t>{Racknummer(4)}));
}

TEST_F(AanmeldingTest, ARackThatAnswersItsAcknowledgeIsHandledOnce) {
    ResetCommunicatie();
    emulator.zetLijntiming(true);
    emulator.zetRack(1, RackA).bevestigingAntwoorden = 3;
    emulator.zetModule(1, 2, K761Idno(1, 1, 1));
    emulator.zetRack(2, RackB).aanmeldVertragingMs = 10;
    ZendAanmeldVerzoek();
    HandelAanmeldingenAf(2);
    EXPECT_EQ(emulator.rack(1)->aantalBevestigingen, 1);
    EXPECT_EQ(emulator.rack(2)->aantalBevestigingen, 1);
    EXPECT_TRUE(Racks[1].Modules[2].Present);
    EXPECT_EQ(Racks[2].Idno, RackB);
}
