#include "OpnameBestandslaag.h"
#include "OpnameGrafiekvenster.h"
#include "OpnameMelding.h"
#include "OpnameRackvenster.h"
#include "OpnameTabelvenster.h"
#include "PollHarnas.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Frames.h"
#include "acquisition/K761.h"
#include "acquisition/K762.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "shared/Teksten.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Plaats = std::pair<int, int>;

// Module request of the emulator's log: code and (rack, position) of the module it went to.
struct Verzonden {
    uint8_t code;
    Plaats plaats;
    bool naarRack;
    qint64 ms;
};

} // namespace

class PollcyclusTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        int taal = 0;
        KiesTaal(taal);
        lijn = &InstalleerRacklijn(emulator);
        harnas = std::make_unique<PollHarnas>(emulator, lijn);
        ZetBestandslaag(&bestanden);
    }
    void TearDown() override {
        harnas.reset();
        SchoneOmgeving::TearDown();
    }

    // The requests the emulator received, with the place of the module or rack they name.
    std::vector<Verzonden> Verzoeken() const {
        std::vector<Verzonden> lijst;
        for (const auto& v : emulator.verzoeken()) {
            Plaats p{0, 0};
            for (int r = 1; r <= AantalRacks; ++r) {
                if (Racks[r].Idno == v.idno && v.bestemming == BestemmingRack) p = {r, 0};
                for (int m = 1; m <= AantalModules; ++m)
                    if (Racks[r].Modules[m].Idno == v.idno && v.bestemming == BestemmingModule) p = {r, m};
            }
            lijst.push_back({v.commando, p, v.bestemming == BestemmingRack, v.ms});
        }
        return lijst;
    }
    // The modules that received a status request, in order.
    std::vector<Plaats> StatusVolgorde() const {
        std::vector<Plaats> lijst;
        for (const auto& v : Verzoeken())
            if (v.code == CommandoStatus && !v.naarRack) lijst.push_back(v.plaats);
        return lijst;
    }

    RackEmulator emulator;
    platform::GeheugenLijn* lijn = nullptr;
    std::unique_ptr<PollHarnas> harnas;
    OpnameBestandslaag bestanden;
    std::vector<OpnameBestandslaag::Logregel>& logboek = bestanden.logboek;
};

// ---------------------------------------------------------------------------------------------------
// The walk

TEST_F(PollcyclusTest, NextModuleWalksPresentModulesWithInputsInUseOverMeasuringRacks) {
    harnas->PlaatsRacks(4, 3);
    for (int c = 1; c <= AantalIngangen; ++c)
        Racks[1].Modules[2].Meting[c].Set = false; // no input in use
    RackVlaggen[2].Measure = false;
    Racks[3].Present = false; // not registered
    Racks[4].Modules[1].Present = false;

    int16_t r = 1, m = 1;
    std::vector<Plaats> volgorde;
    for (int i = 0; i < 5; ++i) {
        VolgendeModule(r, m);
        volgorde.emplace_back(r, m);
    }
    EXPECT_EQ(volgorde, (std::vector<Plaats>{{1, 3}, {4, 2}, {4, 3}, {1, 1}, {1, 3}}));
}

TEST_F(PollcyclusTest, WithNoRackTheWalkStaysSendsNothingAndWrapsAtEveryPass) {
    MetenActief = true;
    for (int pass = 0; pass < 2; ++pass) {
        CyclusVoltooid = false;
        ControleerOpvraging();
        EXPECT_EQ(Plaats(OpvraagRack, OpvraagModule), Plaats(1, 1));
        EXPECT_TRUE(CyclusVoltooid);
    }
    EXPECT_TRUE(emulator.verzoeken().empty());
}

TEST_F(PollcyclusTest, TheLoopPollsEachModuleInTurnWithStatusTemperatureAndMeasuringRequests) {
    harnas->PlaatsRacks(3, 3);
    for (int c = 1; c <= AantalIngangen; ++c)
        Racks[2].Modules[2].Meting[c].Set = false;
    RackVlaggen[3].Measure = false;
    harnas->Draai(3000);

    const std::vector<Plaats> rondgang{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 3}};
    const auto status = StatusVolgorde();
    ASSERT_GT(status.size(), 2 * rondgang.size());
    for (size_t i = 0; i < status.size(); ++i)
        EXPECT_EQ(status[i], rondgang[i % rondgang.size()]) << i;

    // Per module: status, temperature ADC, measuring ADC, then the compute step.
    std::vector<uint8_t> codes;
    for (const auto& v : Verzoeken())
        if (v.plaats == Plaats(1, 2)) codes.push_back(v.code);
    ASSERT_GE(codes.size(), 6u);
    for (size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(codes[i],
                  (std::vector<uint8_t>{CommandoStatus, CommandoTemperatuurADC, CommandoADC}[i % 3]));
    ASSERT_FALSE(harnas->berekeningen.empty());
    EXPECT_EQ(Plaats(harnas->berekeningen[0].rack, harnas->berekeningen[0].module), Plaats(1, 1));
    for (const auto& b : harnas->berekeningen) {
        EXPECT_NE(b.rack, 3) << "rack 3 does not measure";
        EXPECT_NE(Plaats(b.rack, b.module), Plaats(2, 2)) << "module 2.2 has no input in use";
    }
    // The values of each compute are the module's own.
    const ModuleRecord& m = Racks[2].Modules[3];
    EXPECT_EQ(m.Meting[4].AdcWaarde, PollHarnas::Meetwaarde(2, 3, 4));
    EXPECT_EQ(m.Temperatuur[1].AdcWaarde, PollHarnas::Temperatuurwaarde(2, 3, 1));
    EXPECT_EQ(m.Status, PollHarnas::Statusbyte(2, 3));
    // A turn is paced by the replies: far more turns than one per second.
    EXPECT_GT(harnas->berekeningen.size(), 30u);
}

// A module's turn always begins with its status: the compute step must never take the status (sensor
// bits, conductivity range) of an earlier turn or of none.
TEST_F(PollcyclusTest, AfterTheLogOnOfAFirstStartEveryTurnBeginsWithTheStatus) {
    emulator.zetRack(1, PollHarnas::RackNummer(1));
    for (int p : {1, 2})
        emulator.zetModule(1, p, PollHarnas::ModuleNummer(1, p)).status = PollHarnas::Statusbyte(1, p);
    std::vector<std::pair<int, uint8_t>> statussen; // module and its status byte at each compute step
    harnas->bijBerekening = [&](int r, int m) { statussen.emplace_back(m, Racks[r].Modules[m].Status); };
    // Measure is pressed after the log-on (which closed the tree window that records the computes).
    bool gelezenVoorMeten = true;
    klok().planIn(2000, [&gelezenVoorMeten] {
        gelezenVoorMeten = Racks[1].Modules[1].Berekend;
        BoomZichtbaar = true;
        StartMeten();
    });
    harnas->Draai(4000);

    ASSERT_TRUE(Racks[1].Present);
    // Logged on but not yet read: the record's values are no readings (a recorder leaves a gap).
    EXPECT_FALSE(gelezenVoorMeten);
    EXPECT_TRUE(Racks[1].Modules[1].Berekend);
    for (int p : {1, 2}) {
        std::vector<uint8_t> codes;
        for (const auto& v : Verzoeken())
            if (v.plaats == Plaats(1, p)) codes.push_back(v.code);
        ASSERT_GE(codes.size(), 6u);
        for (size_t i = 0; i < codes.size(); ++i)
            EXPECT_EQ(codes[i],
                      (std::vector<uint8_t>{CommandoStatus, CommandoTemperatuurADC, CommandoADC}[i % 3]))
                << "module " << p << ", request " << i;
    }
    ASSERT_FALSE(statussen.empty());
    for (const auto& [m, status] : statussen)
        EXPECT_EQ(status, PollHarnas::Statusbyte(1, m)) << "module " << m;
}

TEST_F(PollcyclusTest, TheModuleReachedFromARackThatStoppedMeasuringBeginsWithTheStatus) {
    harnas->PlaatsRacks(2, 1);
    MetenActief = true;
    CommandoAfgehandeld(1, 1); // its last turn was answered
    OpvraagRack = 2;
    OpvraagModule = 1;
    OpvraagStap = 2;
    CommandoAfgehandeld(2, 1);
    RackVlaggen[2].Measure = false; // switched off in its rack window
    ControleerOpvraging();          // the walk leaves rack 2; nothing is sent in this pass
    EXPECT_TRUE(emulator.verzoeken().empty());
    ControleerOpvraging();
    const auto verzoeken = Verzoeken();
    ASSERT_EQ(verzoeken.size(), 1u);
    EXPECT_EQ(verzoeken[0].plaats, Plaats(1, 1));
    EXPECT_EQ(verzoeken[0].code, CommandoStatus);
}

TEST_F(PollcyclusTest, ASilentModuleIsResentResetAndGivenUpWithAResetOfItsRack) {
    harnas->PlaatsRacks(1, 2);
    emulator.module(PollHarnas::ModuleNummer(1, 1))->stil = true;
    harnas->Draai(7000);

    std::vector<std::tuple<uint8_t, bool>> naarModule1;
    for (const auto& v : Verzoeken())
        if (v.plaats == Plaats(1, 1) || v.plaats == Plaats(1, 0))
            naarModule1.emplace_back(v.code, v.naarRack);
    ASSERT_GE(naarModule1.size(), 7u);
    const std::vector<std::tuple<uint8_t, bool>> verwacht{
        {CommandoStatus, false}, {CommandoStatus, false}, {CommandoStatus, false}, {CommandoReset, false},
        {CommandoStatus, false}, {CommandoReset, true},   {CommandoStatus, false}};
    EXPECT_EQ(std::vector(naarModule1.begin(), naarModule1.begin() + 7), verwacht);
    EXPECT_EQ(Racks[1].Modules[1].GeenAntwoordTeller, 1);
    EXPECT_EQ(Racks[1].Modules[2].GeenAntwoordTeller, 0);

    // After the give-up the walk goes on with module 2 at once.
    const auto alle = Verzoeken();
    for (size_t i = 0; i < alle.size(); ++i)
        if (alle[i].naarRack && alle[i].code == CommandoReset) {
            ASSERT_LT(i + 1, alle.size());
            EXPECT_EQ(alle[i + 1].plaats, Plaats(1, 2));
            EXPECT_EQ(alle[i + 1].code, CommandoStatus);
            // Between two steps of the escalation lie the 1 s time-out of a pass.
            EXPECT_GE(alle[i].ms - alle[i - 1].ms, 1000);
            break;
        }
    EXPECT_NE(std::find(logboek.begin(), logboek.end(), std::make_tuple(1, 1, Tekst[451])), logboek.end());
    EXPECT_NE(std::find(logboek.begin(), logboek.end(), std::make_tuple(1, 1, Tekst[450])), logboek.end());
}

// A Search drops the command the walk saved for the resend of a module it was giving up. Rack 1's module
// has left its temperature request unanswered three times: the walk saves that request and resets the
// module, and then comes the Search. Rack 2's module, which stops answering afterwards, has its count of
// unanswered requests brought to the resend by requests outside the walk (the status reads of a window
// that talks to it): the walk sends it no command saved before the Search, and ends its turn.
TEST_F(PollcyclusTest, TheCommandSavedForAResendDoesNotOutliveASearch) {
    harnas->PlaatsRacks(2, 1);
    MetenActief = true;
    OpvraagRack = 1;
    OpvraagModule = 1;
    OpvraagStap = 2;
    ModuleRecord& eerste = Racks[1].Modules[1];
    eerste.Beantwoord = false;
    eerste.AantalPogingen = 3;
    eerste.LaatsteCommando = QString::number(CommandoTemperatuurADC);
    ControleTeller = 100;
    ControleerOpvraging();
    ASSERT_EQ(BewaardCommando, QString::number(CommandoTemperatuurADC));
    HerbeginOpvraging();

    emulator.module(PollHarnas::ModuleNummer(2, 1))->stil = true;
    for (int i = 0; i < 4; ++i)
        LeesStatus(2, 1, 255);
    ASSERT_EQ(Racks[2].Modules[1].AantalPogingen, 4);
    ASSERT_FALSE(Racks[2].Modules[1].Beantwoord);
    emulator.wisVerzoeken();
    OpvraagRack = 2;
    OpvraagModule = 1;
    ControleTeller = 100;
    ControleerOpvraging();
    for (const Verzonden& v : Verzoeken())
        EXPECT_FALSE(v.plaats == Plaats(2, 1) && v.code == CommandoTemperatuurADC)
            << "rack 2's module was sent the temperature request rack 1's module saved before the Search";
    EXPECT_FALSE(BeurtOpen(2, 1)) << "rack 2's module's turn goes on";
}

TEST_F(PollcyclusTest, AGivenUpModuleCountsAsSuchAndItsValuesAreBlankUntilItAnswersAgain) {
    harnas->PlaatsRacks(1, 3);
    OpnameRackvenster venster;
    ZetRackVenster(1, &venster);
    harnas->Draai(2000);
    ASSERT_FALSE(venster.label(RackLabel::Waarde, 1, 1).tekst.isEmpty());
    EXPECT_FALSE(ModuleOpgegeven(1, 1));

    emulator.module(PollHarnas::ModuleNummer(1, 1))->stil = true;
    harnas->Draai(8000);
    EXPECT_TRUE(ModuleOpgegeven(1, 1));
    EXPECT_FALSE(ModuleOpgegeven(1, 3));
    for (int c = 1; c <= AantalIngangen; ++c) {
        EXPECT_TRUE(venster.label(RackLabel::Waarde, 1, c).tekst.isEmpty()) << c;
        EXPECT_FALSE(venster.label(RackLabel::Waarde, 3, c).tekst.isEmpty()) << c;
    }

    emulator.module(PollHarnas::ModuleNummer(1, 1))->stil = false;
    harnas->Draai(8000);
    EXPECT_FALSE(ModuleOpgegeven(1, 1));
    EXPECT_FALSE(venster.label(RackLabel::Waarde, 1, 1).tekst.isEmpty());
    ZetRackVenster(1, nullptr);
    EXPECT_FALSE(ModuleOpgegeven(0, 1));
    EXPECT_FALSE(ModuleOpgegeven(1, 8));
}

TEST_F(PollcyclusTest, RepliesTooShortForTheirFieldsAreNoReplies) {
    harnas->PlaatsRacks(1, 2);
    // Every reply of module 1 carries no data, with a correct checksum.
    emulator.zetKortAntwoord(0);
    emulator.zetFout(RackEmulator::Fout::KortAntwoord, -1, PollHarnas::ModuleNummer(1, 1));
    harnas->Draai(8000);
    const ModuleRecord& m = Racks[1].Modules[1];
    EXPECT_EQ(m.Status, 0);
    for (int c = 1; c <= AantalIngangen; ++c) {
        EXPECT_EQ(m.Meting[c].AdcWaarde, 0);
        EXPECT_EQ(m.Temperatuur[c].AdcWaarde, 0);
    }
    EXPECT_GE(m.GeenAntwoordTeller, 1) << "given up as a module that does not answer";
    for (const auto& b : harnas->berekeningen)
        EXPECT_NE(Plaats(b.rack, b.module), Plaats(1, 1));
    EXPECT_EQ(Racks[1].Modules[2].Meting[1].AdcWaarde, PollHarnas::Meetwaarde(1, 2, 1));
}

TEST_F(PollcyclusTest, ALostLineIsToldOnceItsModulesAreGivenUpAndTheLoopIdles) {
    harnas->PlaatsRacks(2, 2);
    OpnameMelding meldingen;
    ZetMeldingVenster(&meldingen);
    platform::klok().planIn(1500, [this] { lijn->verlies(QStringLiteral("Input/output error")); });
    harnas->Draai(3000);
    const QString melding = Tekst[148] + QStringLiteral("COM1") + Tekst[149];
    ASSERT_EQ(meldingen.vragen.size(), 1u);
    EXPECT_EQ(meldingen.vragen[0], (Vraag{melding, vbCritical | vbOKOnly, Tekst[299]}));
    EXPECT_EQ(harnas->venster.statusTekst[1], melding);
    EXPECT_EQ(harnas->venster.statusTekst[3], melding);
    EXPECT_EQ(harnas->venster.loggenGestart, 0);
    for (int r = 1; r <= 2; ++r)
        for (int m = 1; m <= 2; ++m)
            EXPECT_TRUE(ModuleOpgegeven(r, m)) << r << "." << m;

    // Idle passes that sleep (on the virtual clock a spinning loop would never return), no request,
    // and the user is not told again.
    const size_t verzoeken = emulator.verzoeken().size();
    const size_t berekeningen = harnas->berekeningen.size();
    harnas->Draai(5000);
    EXPECT_EQ(emulator.verzoeken().size(), verzoeken);
    EXPECT_EQ(harnas->berekeningen.size(), berekeningen);
    EXPECT_EQ(meldingen.vragen.size(), 1u);

    // Opened again, the line is polled and the modules answer; a new loss is told again. While logging,
    // the logging switch tells it (with the port closed it shows the port message and stops logging).
    ASSERT_TRUE(lijn->open());
    harnas->Draai(3000);
    EXPECT_GT(harnas->berekeningen.size(), berekeningen);
    EXPECT_FALSE(ModuleOpgegeven(1, 1));
    VerbindingActief = true;
    platform::klok().planIn(500, [this] { lijn->verlies(QStringLiteral("Input/output error")); });
    harnas->Draai(2000);
    EXPECT_EQ(harnas->venster.loggenGestart, 1);
    EXPECT_EQ(meldingen.vragen.size(), 1u);
    EXPECT_TRUE(ModuleOpgegeven(2, 2));
}

TEST_F(PollcyclusTest, AModuleOfNoKnownModelIsPassedOverInTheSamePass) {
    harnas->PlaatsRacks(1, 3);
    Racks[1].Modules[2].Type = QStringLiteral("----"); // inputs still in use
    harnas->Draai(4000);

    for (const auto& v : Verzoeken())
        EXPECT_NE(v.plaats, Plaats(1, 2));
    // The status request of module 3 goes out in the pass that computes module 1.
    const auto alle = Verzoeken();
    int gezien = 0;
    for (const auto& b : harnas->berekeningen) {
        if (b.module != 1) continue;
        for (const auto& v : alle)
            if (v.ms >= b.ms && v.code == CommandoStatus) {
                EXPECT_EQ(v.plaats, Plaats(1, 3));
                EXPECT_LT(v.ms - b.ms, 100);
                ++gezien;
                break;
            }
    }
    EXPECT_GT(gezien, 5);

    // When no module of a known model is left, nothing is sent and the loop still runs and ends.
    emulator.wisVerzoeken();
    for (int m : {1, 3})
        Racks[1].Modules[m].Type = QStringLiteral("----");
    harnas->Draai(3000);
    EXPECT_TRUE(emulator.verzoeken().empty());
}

TEST_F(PollcyclusTest, ARepeatedOrLateReplyDoesNotAnswerTheNextRequest) {
    harnas->PlaatsRacks(1, 1);
    emulator.zetFout(RackEmulator::Fout::TweeFrames, -1);
    int berekend = 0;
    harnas->bijBerekening = [&](int r, int m) {
        const ModuleRecord& module = Racks[r].Modules[m];
        // The measuring reply came after the temperature reply: the compute step has fresh values.
        EXPECT_GE(module.Meting[1].Tijdstip, module.Temperatuur[1].Tijdstip);
        ++berekend;
    };
    harnas->Draai(2000);
    EXPECT_GT(berekend, 5);
    std::vector<uint8_t> codes;
    for (const auto& v : Verzoeken())
        codes.push_back(v.code);
    for (size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(codes[i],
                  (std::vector<uint8_t>{CommandoStatus, CommandoTemperatuurADC, CommandoADC}[i % 3]));
}

// The cycle is complete once every measured module has had its turn since the turns were opened (by
// the snapshot that takes it), wherever the walk stood then: not when the walk wraps round.
TEST_F(PollcyclusTest, CycleCompleteIsSetWhenEveryModuleHadItsTurnSinceTheLastSnapshot) {
    harnas->PlaatsRacks(16, 1);
    std::vector<bool> gezien;
    std::vector<size_t> opnamen; // the readings after which a snapshot opened the turns
    const size_t wacht[] = {0, 5, 11, 2};
    harnas->bijBerekening = [&](int, int) {
        gezien.push_back(CyclusVoltooid);
        const size_t i = gezien.size() - 1;
        // Snapshots as the poll-interval timer takes them, a varying time after the cycle completed.
        if (CyclusVoltooid && (opnamen.empty() || i >= opnamen.back() + 16 + wacht[opnamen.size() % 4])) {
            OpenBeurten();
            opnamen.push_back(i);
        }
    };
    harnas->Draai(20000);
    ASSERT_GE(opnamen.size(), 5u);
    for (size_t i = opnamen.front() + 1; i < gezien.size(); ++i) {
        const size_t laatste = *(std::upper_bound(opnamen.begin(), opnamen.end(), i - 1) - 1);
        // Every rack again, the one read at the snapshot too (its reading went into that row).
        EXPECT_EQ(gezien[i], i >= laatste + 16) << "reading " << i << ", snapshot after " << laatste;
    }
}

TEST_F(PollcyclusTest, SimulationPassesTake30msAndComputeSimulatedValues) {
    harnas.reset();
    ZetMSComm1(nullptr); // a closed port
    harnas = std::make_unique<PollHarnas>(emulator, nullptr);
    Demo = true;
    DemoStart = platform::Nu();
    harnas->PlaatsRacks(1, 3);
    std::vector<float> waarden;
    harnas->bijBerekening = [&](int r, int m) {
        const ModuleRecord& module = Racks[r].Modules[m];
        if (module.Type == QStringLiteral("K761")) {
            EXPECT_FLOAT_EQ(module.Meting[2].Waarde, SimulatieWaardeK761(r, m, 2));
            waarden.push_back(module.Meting[2].Waarde);
        }
        EXPECT_EQ(module.Meting[2].AdcWaarde, 0) << "nothing was received";
    };
    harnas->Draai(6000);

    // Three passes per module (temperature, measuring, compute with the next status), 30 ms each: a
    // full rack's turn stays under a second, the shortest logging interval.
    const auto& b = harnas->berekeningen;
    ASSERT_GT(b.size(), 10u);
    EXPECT_EQ(b[0].ms, 90);
    for (size_t i = 1; i < b.size(); ++i) {
        EXPECT_EQ(b[i].ms - b[i - 1].ms, 90);
        EXPECT_EQ(b[i].module, static_cast<int>(i % 3) + 1);
    }
    EXPECT_NE(waarden.front(), waarden.back());
    EXPECT_TRUE(emulator.verzoeken().empty());
}

// The conductivity ramp of the simulation climbs a step per reading; it was made for a pass of 150 ms
// and keeps the rate per second it had then, however short the simulated pass now is.
TEST_F(PollcyclusTest, TheSimulatedConductivityRampClimbsAtTheRateOfA150msPass) {
    harnas.reset();
    ZetMSComm1(nullptr);
    harnas = std::make_unique<PollHarnas>(emulator, nullptr);
    Demo = true;
    DemoStart = platform::Nu();
    harnas->PlaatsRacks(1, AantalModules);
    const int k762 = 2; // the harness puts conductivity modules at the even positions
    ASSERT_EQ(Racks[1].Modules[k762].Type, QStringLiteral("K762"));
    int lezingen = 0;
    harnas->bijBerekening = [&](int, int m) { lezingen += m == k762; };
    constexpr qint64 Duur = 63000;
    harnas->Draai(Duur);

    // At 150 ms a pass a rack of seven modules took 7 x 3 passes, 3.15 s, from one reading of a module
    // to the next, and each reading climbed 0.0025.
    const double verwacht = 0.0025 * Duur / (AantalModules * 3 * 150.0);
    EXPECT_GT(lezingen, Duur / (AantalModules * 3 * 150) * 2) << "the pass is shorter than 150 ms";
    EXPECT_NEAR(SimulatieStap[k762][1], verwacht, verwacht * 0.1);
    EXPECT_NEAR(SimulatieStap[k762][4], verwacht, verwacht * 0.1);
}

TEST_F(PollcyclusTest, AWaitingLoopSleepsWithAClosedPortOrAnAbortedWait) {
    // On the virtual clock a loop that spins never lets time pass, and Draai would not return.
    harnas->PlaatsRacks(1, 1);
    MetenActief = false;
    Afbreken = true; // ends every receive at once, and nothing clears it while measuring is off
    harnas->Draai(1000);
    EXPECT_GE(klok().ms(), 1000);
    EXPECT_LE(klok().ms(), 1150);

    lijn->sluit();
    Afbreken = false;
    const qint64 begin = klok().ms();
    harnas->Draai(1000);
    EXPECT_GE(klok().ms() - begin, 1000);
    EXPECT_LE(klok().ms() - begin, 1150);
}

// ---------------------------------------------------------------------------------------------------
// Start of the loop, the dispatcher, measuring on and off

TEST_F(PollcyclusTest, WithNoRackTheLoopWaitsForTheSettingsWindowAndAsksTheRacksToLogOn) {
    emulator.zetRack(1, PollHarnas::RackNummer(1));
    emulator.zetModule(1, 2, PollHarnas::ModuleNummer(1, 2));
    harnas->venster.instellingenAfgesloten = false;
    klok().planIn(500, [&] { harnas->venster.instellingenAfgesloten = true; });
    ConfiguratieGewijzigd = true;
    harnas->Draai(3000);

    const auto& v = harnas->venster;
    EXPECT_EQ(bestanden.aanmeldingenGelezen, 1);
    EXPECT_EQ(v.instellingenTabs, std::vector<int>{1});
    EXPECT_EQ(v.grafiekenHersteld, 1);
    EXPECT_EQ(v.timerOpvragenGestart, 1);
    EXPECT_EQ(v.loggenGestart, 0);
    EXPECT_TRUE(v.recenteBestanden.empty());
    EXPECT_FALSE(ConfiguratieGewijzigd);
    // The log-on: terminal with the advice, measuring off, windows tiled, the broadcast sent.
    EXPECT_EQ(v.terminalGetoond, 1);
    EXPECT_EQ(v.metenKnop, std::vector<bool>{false});
    EXPECT_FALSE(MetenActief);
    EXPECT_EQ(v.betegeld, 1);
    EXPECT_TRUE(v.terminal.contains(Tekst[135]));
    ASSERT_FALSE(emulator.verzoeken().empty());
    EXPECT_EQ(emulator.verzoeken()[0].commando, CommandoAanmelden);
    EXPECT_FALSE(emulator.verzoeken()[0].metIdno);
    EXPECT_GE(emulator.verzoeken()[0].ms, 500) << "after the settings window was closed";
    // The rack's reply is handled by the loop: registered and identified, but not polled.
    EXPECT_TRUE(Racks[1].Present);
    EXPECT_TRUE(Racks[1].Modules[2].Present);
    EXPECT_EQ(v.rackVensters, std::vector<int>{1});
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus), 0);
}

TEST_F(PollcyclusTest, WithRacksTheLoopReloadsTheDataFileShowsTheRackWindowsAndPollsAtOnce) {
    harnas->PlaatsRacks(2, 1);
    RackVlaggen[2].Show = false;
    LadenBijOpstarten = true;
    StartBijOpstarten = true;
    bestanden.gegevensbestand = QStringLiteral("/data/run.csv");
    harnas->Draai(500);

    const auto& v = harnas->venster;
    EXPECT_TRUE(v.instellingenTabs.empty());
    EXPECT_EQ(bestanden.gegevensbestandGeopend, 1);
    EXPECT_EQ(v.recenteBestanden, std::vector<QString>{QStringLiteral("/data/run.csv")});
    EXPECT_EQ(v.rackVensters, std::vector<int>{1});
    EXPECT_EQ(v.loggenGestart, 1);
    EXPECT_EQ(v.timerOpvragenGestart, 0);
    EXPECT_EQ(v.terminalGetoond, 0);
    ASSERT_FALSE(emulator.verzoeken().empty());
    EXPECT_EQ(emulator.verzoeken()[0].commando, CommandoStatus);
    EXPECT_LE(emulator.verzoeken()[0].ms, 1);
}

TEST_F(PollcyclusTest, AnEndAskedForBeforeTheLoopRunsEndsItAfterItsStartSteps) {
    harnas->PlaatsRacks(1, 1);
    MetenActief = true;
    // A loop that lost the end runs on: it is ended after a minute, and says so.
    bool geeindigd = false;
    platform::klok().planIn(60000, [&geeindigd] {
        if (geeindigd) return;
        ADD_FAILURE() << "the end asked for before the loop started was lost: the loop ran on";
        BeeindigCommunicatieLus();
    });
    BeeindigCommunicatieLus(); // the program was closed while it started
    CommunicatieLus();
    geeindigd = true;
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus), 1) << "the first request of the start";
    EXPECT_EQ(harnas->venster.timerOpvragenGestart, 1);
    // The loop can run again.
    harnas->Draai(500);
    EXPECT_GT(emulator.aantalVerzoeken(CommandoStatus), 1);
}

TEST_F(PollcyclusTest, InFactoryModeEveryReplyTakenIsLogged) {
    harnas->PlaatsRacks(1, 1);
    Fabrieksmodus = true;
    harnas->Draai(200);
    EXPECT_NE(
        std::find(logboek.begin(), logboek.end(), std::make_tuple(1, 1, Tekst[461] + QStringLiteral(" 205"))),
        logboek.end());
    EXPECT_NE(
        std::find(logboek.begin(), logboek.end(), std::make_tuple(1, 1, Tekst[461] + QStringLiteral(" 10"))),
        logboek.end());
}

// ---------------------------------------------------------------------------------------------------
// The snapshot

TEST_F(PollcyclusTest, TheSnapshotIsCountedAndReachesTheLoggingFilesTheTablesAndTheLiveGraphs) {
    Racks[1].Present = Racks[3].Present = true;
    OpnameTabelvensterMaker tabellen;
    ZetTabelvensterMaker(&tabellen);
    OpnameGrafiekvenster levend, verschoven;
    levend.index = 2;
    verschoven.index = 3; // not the number of its slot
    ZetGrafiekVenster(2, &levend);
    ZetGrafiekVenster(5, &verschoven);

    RelatieveTijd = true;
    TijdMeting = platform::MaakDatum(2026, 3, 1, 10, 0, 0);
    VerwerkOpvraagTik();
    EXPECT_EQ(TijdBasis, TijdMeting);
    EXPECT_EQ(AantalMetingen, 1);
    const platform::Datum basis = TijdMeting;
    TijdMeting += 1.0 / 24;
    VerwerkOpvraagTik();
    EXPECT_EQ(TijdBasis, basis) << "the time base is set at the first snapshot only";
    EXPECT_EQ(AantalMetingen, 2);

    VernieuwVensters(QStringLiteral("Stop"));
    EXPECT_EQ(AantalMetingen, 2) << "the end point is not counted";
    EXPECT_EQ(bestanden.metingen, (QStringList{QString(), QString(), QStringLiteral("Stop")}));
    // The table windows are made at the first snapshot and get every row.
    EXPECT_EQ(tabellen.gemaakt, (std::vector<int>{1, 3}));
    EXPECT_EQ(tabellen.vensters.at(1)->vulInfos,
              (std::vector<QString>{QString(), QString(), QStringLiteral("Stop")}));
    EXPECT_EQ(tabellen.vensters.at(3)->vulInfos,
              (std::vector<QString>{QString(), QString(), QStringLiteral("Stop")}));
    EXPECT_EQ(levend.aangevuld, (std::vector<int32_t>{1, 2, 2}));
    EXPECT_TRUE(verschoven.aangevuld.empty());
}
