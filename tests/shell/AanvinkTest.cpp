// The checkable commands of the main window: running one toggles its check, its command reads the
// wanted state from it, and a change the program refuses puts the check back.
#include "ShellOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Opslaan.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shell/Installatie.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class AanvinkTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        Demo = true;
        MetenActief = true;
        venster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*venster);
    }
    void TearDown() override {
        venster.reset();
        ShellOmgeving::TearDown();
    }
    QAction* Opdracht(const QString& tekst) const {
        for (QAction* a : venster->findChildren<QAction*>())
            if (a->text() == tekst) return a;
        ADD_FAILURE() << "no command " << tekst.toStdString();
        return nullptr;
    }

    std::unique_ptr<mdiK740> venster;
};

TEST_F(AanvinkTest, MeasureFollowsItsCheckFromTheMenuAndFromTheToolbar) {
    Racks[1].Present = true;
    venster->PlaatsAanduidingenCOM();
    QAction* meten = venster->mnuDataMeasure();
    ASSERT_TRUE(meten->isChecked());
    ASSERT_TRUE(meten->isEnabled());

    meten->trigger();
    EXPECT_FALSE(meten->isChecked());
    EXPECT_FALSE(MetenActief);
    EXPECT_FALSE(venster->knopMeten()->isChecked());

    venster->knopMeten()->trigger();
    EXPECT_TRUE(meten->isChecked());
    EXPECT_TRUE(MetenActief);
    EXPECT_TRUE(venster->knopMeten()->isChecked());
}

TEST_F(AanvinkTest, MeasureWithoutARackKeepsItsCheckAndSearchesTheRacks) {
    QAction* meten = venster->mnuDataMeasure();
    ASSERT_TRUE(meten->isChecked());
    meten->trigger();
    EXPECT_TRUE(meten->isChecked());
    EXPECT_TRUE(TerminalAangevinkt()); // the search shows the log-on traffic
    EXPECT_TRUE(ConfiguratieGewijzigd);
}

TEST_F(AanvinkTest, LoggingThatIsRefusedPutsTheCheckBack) {
    Racks[1].Present = true;
    venster->PlaatsAanduidingenCOM();
    QAction* loggen = venster->mnuDatalogging();
    AlleenLezen = true; // a file opened read-only is not logged into
    loggen->trigger();
    EXPECT_FALSE(VerbindingActief);
    EXPECT_FALSE(loggen->isChecked());

    AlleenLezen = false;
    loggen->trigger();
    EXPECT_TRUE(VerbindingActief);
    EXPECT_TRUE(loggen->isChecked());
    EXPECT_TRUE(venster->knopLoggen()->isChecked());
}

TEST_F(AanvinkTest, TheToolbarAndTheTerminalFollowTheirChecks) {
    venster->show();
    QAction* balk = Opdracht(QStringLiteral("T&oolbar"));
    ASSERT_NE(balk, nullptr);
    balk->setChecked(true); // as the settings show it at start-up
    balk->trigger();
    EXPECT_FALSE(venster->findChild<QToolBar*>(QStringLiteral("Toolbar"))->isVisible());
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Toolbar"), QString()),
              QStringLiteral("False"));

    venster->mnuExtraTerminal()->trigger();
    EXPECT_TRUE(TerminalAangevinkt());
    venster->mnuExtraTerminal()->trigger();
    EXPECT_FALSE(TerminalAangevinkt());
    ResetTerminal();
}

} // namespace
