// System > Search racks/modules after the rack line was lost: the port named in the settings is opened
// again and the racks are asked to log on; a port that cannot be opened is told with the system's
// reason, and nothing else changes.
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "platform/GeheugenLijn.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Poorten.h"
#include "shell/mdiK740.h"

#include <algorithm>

namespace {

class ZoekenTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        Demo = false;
        auto l = std::make_unique<platform::GeheugenLijn>();
        emulator.verbind(*l);
        lijn = l.get();
        ZetMSComm1(std::move(l));
        venster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*venster);
        CommPoort = QStringLiteral("COM1");
    }
    void TearDown() override {
        venster.reset();
        ShellOmgeving::TearDown();
    }
    int AanmeldVragen() const {
        const auto& v = emulator.verzoeken();
        return static_cast<int>(std::count_if(v.begin(), v.end(), [](const RackEmulator::Verzoek& r) {
            return r.commando == CommandoAanmelden && !r.metIdno;
        }));
    }

    RackEmulator emulator;
    platform::GeheugenLijn* lijn = nullptr;
    std::unique_ptr<mdiK740> venster;
};

TEST_F(ZoekenTest, SearchAfterALostPortOpensItAgainAndLogsTheRacksOn) {
    ASSERT_TRUE(MSComm1().open());
    lijn->verlies(QStringLiteral("Input/output error"));
    ASSERT_FALSE(MSComm1().isOpen());
    venster->mnuNetworkSearch_Click();
    EXPECT_TRUE(MSComm1().isOpen());
    klok().verstrijk(200);
    EXPECT_EQ(AanmeldVragen(), 1);
    EXPECT_TRUE(vragen.empty());
}

TEST_F(ZoekenTest, APortThatCannotBeOpenedIsToldWithTheSystemsReasonAndTheRacksStay) {
    Racks[1].Present = true;
    antwoorden = {vbOK};
    lijn->zetOpenFout(QStringLiteral("No such file or directory"));
    venster->mnuNetworkSearch_Click();
    EXPECT_FALSE(MSComm1().isOpen());
    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[0].tekst, Tekst[315]);
    EXPECT_TRUE(vragen[1].tekst.startsWith(Tekst[152] + QStringLiteral("COM1")));
    EXPECT_TRUE(vragen[1].tekst.endsWith(QStringLiteral("No such file or directory")));
    EXPECT_TRUE(Racks[1].Present);
    EXPECT_EQ(AanmeldVragen(), 0);
}

} // namespace
