#include "shell/Installatie.h"
#include "ShellOmgeving.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/Bestandsdiensten.h"
#include "files/RackConfiguratie.h"
#include "platform/Opslag.h"
#include "rackviews/DialogK76xSettings.h"
#include "rackviews/FormRack.h"
#include "rackviews/RackvensterActies.h"
#include "reports/Afdrukverdeling.h"
#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Voortgang.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/FormPathInput.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Standaarddialogen.h"
#include "shell/mdiK740.h"
#include "views/Grafiekvensters.h"
#include "views/frmTabel.h"

#include <gtest/gtest.h>
#include <typeinfo>

namespace {

class InstallatieTest : public ShellOmgeving {};

// The plain class of a seam is what it gives while nothing is registered.
template <class Seam> bool Leeg(Seam& (*naad)()) {
    return typeid(naad()) == typeid(Seam);
}

TEST_F(InstallatieTest, EverySeamIsFilledWithTheProgramsOwnSideAndTakenAwayAgain) {
    mdiK740 venster;
    {
        const Installatie installatie(venster);
        EXPECT_EQ(typeid(meldingVenster()), typeid(FormMeldingVenster));
        InstalleerMeldingen(); // the test's own box in place of the program's
        EXPECT_EQ(&hoofdvenster(), &venster);
        EXPECT_EQ(&meldingOmgeving(), &venster);
        EXPECT_EQ(&kindvensterbeheer(), &venster);
        EXPECT_EQ(&grafiekvensterOmgeving(), &venster);
        EXPECT_EQ(typeid(voortgangVenster()), typeid(FrmVoortgangVenster));
        EXPECT_EQ(typeid(mapKeuzeVenster()), typeid(FormPathInputVenster));
        EXPECT_EQ(typeid(bestandslaag()), typeid(Bestandsdiensten));
        EXPECT_EQ(typeid(rackvensterMaker()), typeid(FormRackMaker));
        EXPECT_EQ(typeid(tabelvensterMaker()), typeid(FrmTabelMaker));
        EXPECT_EQ(typeid(tabelvensterHerstel()), typeid(FrmTabelHerstel));
        // The rack window's entries: the table window's and the module settings dialog.
        EXPECT_NE(dynamic_cast<FrmTabelRackingangen*>(&rackvensterActies()), nullptr);
        EXPECT_TRUE(rackvensterActies().HeeftTabel());
        EXPECT_TRUE(rackvensterActies().HeeftModuleInstellingen());
        EXPECT_TRUE(rackvensterActies().HeeftFabrieksafregeling());
        // The module settings dialog's buttons: every calibration and the GLP report.
        EXPECT_TRUE(moduleInstellingenActies().KanKalibreren(Kalibratiesoort::PH));
        EXPECT_TRUE(moduleInstellingenActies().KanKalibreren(Kalibratiesoort::EenPunt));
        EXPECT_TRUE(moduleInstellingenActies().KanKalibreren(Kalibratiesoort::Geleidbaarheid));
        EXPECT_TRUE(moduleInstellingenActies().KanKalibreren(Kalibratiesoort::Ion));
        EXPECT_FALSE(moduleInstellingenActies().KanKalibreren(Kalibratiesoort::Geen));
        EXPECT_TRUE(moduleInstellingenActies().HeeftGLP());
        EXPECT_FALSE(Leeg(vensterafdruk));
        EXPECT_EQ(&tabelvensterOmgeving(), &venster);
        EXPECT_EQ(typeid(bestandsdialogen()), typeid(Standaarddialogen));
        EXPECT_FALSE(Leeg(platform::opslagmelder));

        // The progress window's Cancel reaches the link's transaction.
        Afbreken = false;
        VoortgangAfbrekenGevraagd();
        EXPECT_TRUE(Afbreken);
    }
    EXPECT_TRUE(Leeg(hoofdvenster));
    EXPECT_TRUE(Leeg(meldingOmgeving));
    EXPECT_TRUE(Leeg(kindvensterbeheer));
    EXPECT_TRUE(Leeg(voortgangVenster));
    EXPECT_TRUE(Leeg(voortgangOmgeving));
    EXPECT_TRUE(Leeg(mapKeuzeVenster));
    EXPECT_TRUE(Leeg(bestandslaag));
    EXPECT_TRUE(Leeg(rackvensterMaker));
    EXPECT_TRUE(Leeg(tabelvensterMaker));
    EXPECT_TRUE(Leeg(tabelvensterHerstel));
    EXPECT_TRUE(Leeg(rackvensterActies));
    EXPECT_TRUE(Leeg(moduleInstellingenActies));
    EXPECT_TRUE(Leeg(vensterafdruk));
    EXPECT_TRUE(Leeg(grafiekvensterOmgeving));
    EXPECT_TRUE(Leeg(tabelvensterOmgeving));
    EXPECT_TRUE(Leeg(bestandsdialogen));
    EXPECT_TRUE(Leeg(platform::opslagmelder));
    // A side registered after the program's is left in place.
    EXPECT_EQ(typeid(meldingVenster()), typeid(OpnameMelding));
}

TEST_F(InstallatieTest, AMainWindowThatGoesTakesItsRegistrationsAlong) {
    {
        mdiK740 venster;
        InstalleerHoofdvenster(venster);
        EXPECT_EQ(&hoofdvenster(), &venster);
    }
    EXPECT_TRUE(Leeg(hoofdvenster));
    EXPECT_TRUE(Leeg(meldingOmgeving));
    EXPECT_TRUE(Leeg(kindvensterbeheer));
    EXPECT_TRUE(Leeg(grafiekvensterOmgeving));
    // A message box after it has gone reaches no window.
    EXPECT_EQ(ToonMelding(QStringLiteral("late"), vbOKOnly), vbOK);
}

} // namespace
