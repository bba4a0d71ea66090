// System > Search while logging, rack 1 off the line and rack 2 answering, the whole program on the rack
// emulator, the in-memory line and the virtual clock: what the poll walk had under way ends with the
// Search. The rack that does not answer gets no frame more, not even the rest of the steps that were
// giving its module up, and the next row waits until rack 2, logged on again, has been read.
#include "Draaiboek.h"
#include "EersteStart.h"
#include "RackEmulator.h"
#include "StijgendeRack.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QFileInfo>
#include <algorithm>
#include <string>
#include <vector>

namespace {

class NaZoekenTest : public StijgendeRackOmgeving {
protected:
    static constexpr int32_t TweedeRack = RackIdno(0, 0, 2);
    static constexpr int32_t TweedeModule = K761Idno(1, 2, 4);

    void SetUp() override {
        StijgendeRackOmgeving::SetUp();
        emulator.zetRack(2, TweedeRack);
        RackEmulator::Module& mv = emulator.zetModule(2, 1, TweedeModule);
        mv.status = 0x0F;
        mv.adc = {2000, 1000, 1000, 1000};
        mv.temperatuurAdc = {250, 250, 250, 250};
    }

    QString Data() const {
        return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data/Untitled.csv");
    }
    std::vector<QStringList> Regels() const {
        QByteArray bytes;
        std::vector<QStringList> regels;
        if (!platform::LeesBestand(Data(), bytes)) return regels;
        for (const QString& regel :
             platform::VanWindows1252(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            regels.push_back(SplitsVelden(regel));
        return regels;
    }
    int Rijen() const { return std::max(static_cast<int>(Regels().size()) - 1, 0); }
    // The event log names no reset of a module or a rack after its first `bytes` bytes.
    static void ControleerGeenReset(qint64 bytes) {
        QByteArray logboek;
        ASSERT_TRUE(platform::LeesBestand(LogboekPad, logboek));
        const QString na = platform::VanWindows1252(logboek.mid(bytes));
        EXPECT_FALSE(na.contains(Tekst[450])) << "the event log after the Search:\n" << na.toStdString();
        EXPECT_FALSE(na.contains(Tekst[451])) << "the event log after the Search:\n" << na.toStdString();
    }
    // Rack 1 answers nothing from now on, and the Search is asked for (its warning answered OK).
    void ZoekZonderRack1(mdiK740& venster) {
        emulator.rack(1)->stil = true;
        antwoorden = {vbOK};
        venster.menus().mnuNetworkSearch->trigger();
        ASSERT_TRUE(VerbindingActief);
    }
};

// The Search comes while the supervision gives rack 1's module up (its reset sent, the resend of the
// saved command and the reset of its rack still to come), and rack 1 does not answer it: in the 30 s
// that follow, while rack 2 is polled, not one frame goes to rack 1 or its module, and the event log
// names no reset.
TEST_F(NaZoekenTest, ASearchDuringTheGiveUpOfAModuleWhoseRackDoesNotAnswerItSendsThatRackNothingMore) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(boek, venster, {}, 2);
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen() >= 2 && !PauzeOpvragen; },
        [&] { emulator.rack(1)->stil = true; });
    size_t verzoeken = 0;
    qint64 logboek = 0;
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("rack 1's module reset, not yet given up"),
        [] { return Racks[1].Modules[1].AantalPogingen == 4 && !Racks[1].Modules[1].Beantwoord; },
        [&] {
            ASSERT_EQ(emulator.rack(1)->aantalResets, 0);
            verzoeken = emulator.verzoeken().size();
            logboek = QFileInfo(LogboekPad).size();
            sinds = platform::klok().ms();
            ZoekZonderRack1(venster);
        });
    int rijen = 0;
    boek.Stap(
        QStringLiteral("30 s after the Search"),
        [&] { return platform::klok().ms() - sinds >= 30000 && !PauzeOpvragen; },
        [&] {
            EXPECT_NE(RackVenster(2), nullptr) << "rack 2 did not log on again";
            EXPECT_TRUE(RackWachtOpAanmelding(1));
            const std::vector<RackEmulator::Verzoek>& v = emulator.verzoeken();
            int naarRack2 = 0;
            for (size_t i = verzoeken; i < v.size(); ++i) {
                if (!v[i].metIdno) continue;
                if (v[i].idno == TweedeModule) ++naarRack2;
                if (v[i].idno == RackNummer || v[i].idno == MillivoltModule)
                    ADD_FAILURE() << "command " << int(v[i].commando) << " sent to rack 1 "
                                  << (v[i].idno == RackNummer ? "itself" : "'s module") << ", "
                                  << v[i].ms - sinds << " ms after the Search";
            }
            EXPECT_GT(naarRack2, 30) << "rack 2 not polled after the Search";
            EXPECT_EQ(emulator.rack(1)->aantalResets, 0) << "rack 1 reset after the Search";
            ControleerGeenReset(logboek);
            rijen = Rijen();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_GT(rijen, 20) << "the run stopped after the Search";
}

// The Search comes as the supervision is about to give rack 1's module up (the saved command resent
// unanswered), and rack 1, back on the line, answers it: the module's turn begins afresh with its status
// once its rack has logged on, and neither the module nor its rack is reset.
TEST_F(NaZoekenTest, ASearchDuringTheGiveUpOfAModuleWhoseRackAnswersItBeginsTheModulesTurnAfresh) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(boek, venster, {}, 2);
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen() >= 2 && !PauzeOpvragen; },
        [&] { emulator.rack(1)->stil = true; });
    qint64 logboek = 0;
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("rack 1's module about to be given up"),
        [] { return Racks[1].Modules[1].AantalPogingen == 5 && !Racks[1].Modules[1].Beantwoord; },
        [&] {
            ASSERT_EQ(emulator.rack(1)->aantalResets, 0);
            emulator.rack(1)->stil = false;
            emulator.wisVerzoeken();
            logboek = QFileInfo(LogboekPad).size();
            sinds = platform::klok().ms();
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("10 s after the Search"),
        [&] { return platform::klok().ms() - sinds >= 10000 && !PauzeOpvragen; },
        [&] {
            EXPECT_NE(RackVenster(1), nullptr) << "rack 1 did not log on again";
            EXPECT_FALSE(ModuleOpgegeven(1, 1));
            EXPECT_EQ(emulator.rack(1)->aantalResets, 0) << "rack 1 reset after the Search";
            EXPECT_EQ(emulator.module(MillivoltModule)->aantalResets, 0)
                << "rack 1's module reset after the Search";
            const std::vector<RackEmulator::Verzoek>& v = emulator.verzoeken();
            const auto eerste = std::find_if(v.begin(), v.end(), [](const RackEmulator::Verzoek& r) {
                return r.metIdno && r.idno == MillivoltModule;
            });
            ASSERT_NE(eerste, v.end()) << "rack 1's module not polled after the Search";
            EXPECT_EQ(int(eerste->commando), int(CommandoStatus)) << "the module's turn went on where it was";
            ControleerGeenReset(logboek);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// The Search comes when every module has had its turn and the next row is due, and rack 2 answers its
// log-on 2.5 s later, after two ticks of the poll-interval timer: no row follows the Search's end
// point before rack 2 has been read again, so none holds every value empty; rack 1, which does not
// answer, holds the rows back no longer than its log-on request takes.
TEST_F(NaZoekenTest, AfterASearchWhileLoggingTheNextRowWaitsForTheReadingOfTheRacksThatAnswer) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(boek, venster, {}, 2);
    size_t eindpunt = 0;
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("logging runs, the next row due"),
        [&] { return Rijen() >= 3 && CyclusVoltooid && !PauzeOpvragen; },
        [&] {
            emulator.rack(2)->aanmeldVertragingMs = 2500;
            eindpunt = static_cast<size_t>(Rijen()) + 1;
            sinds = platform::klok().ms();
            ZoekZonderRack1(venster);
        });
    boek.Stap(
        QStringLiteral("three rows after the Search"),
        [&] { return Rijen() >= static_cast<int>(eindpunt) + 3; },
        [&] {
            EXPECT_LT(platform::klok().ms() - sinds, 15000) << "rack 1 held the rows back";
            const std::vector<QStringList> regels = Regels();
            const QStringList& kop = regels.front();
            const qsizetype rack1 = kop.indexOf(QStringLiteral("Value R1M1C1"));
            const qsizetype rack2 = kop.indexOf(QStringLiteral("Value R2M1C1"));
            ASSERT_GT(rack1, 0);
            ASSERT_GT(rack2, 0);
            ASSERT_TRUE(std::all_of(regels[eindpunt].begin() + 1, regels[eindpunt].end(),
                                    [](const QString& veld) { return veld.isEmpty(); }))
                << "no end point where the Search was: " << regels[eindpunt].join(u';').toStdString();
            for (size_t rij = eindpunt + 1; rij < regels.size(); ++rij) {
                EXPECT_NE(regels[rij].value(rack2).toStdString(), "")
                    << "row " << rij << " (" << regels[rij].value(0).toStdString() << ", the end point "
                    << regels[eindpunt].value(0).toStdString() << ") before rack 2 was read again";
                EXPECT_EQ(regels[rij].value(rack1).toStdString(), "") << "row " << rij;
            }
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

} // namespace
