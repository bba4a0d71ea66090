#include "shell/Beginstand.h"
#include "OpnameGrafiekvenster.h"
#include "OpnameRackvenster.h"
#include "OpnameTabelvenster.h"
#include "ShellOmgeving.h"
#include "acquisition/Alarmuitgang.h"
#include "acquisition/Communicatie.h"
#include "acquisition/K761.h"
#include "acquisition/K762.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Systeemboom.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "factory/Afregeling.h"
#include "factory/Beheer.h"
#include "files/Bestandsbewerkingen.h"
#include "files/Bestandsdialogen.h"
#include "files/Configuratietekst.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"
#include "platform/GeheugenLijn.h"
#include "platform/Systeem.h"
#include "platform/Tekstbestand.h"
#include "rackviews/RackvensterActies.h"
#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/Geluiden.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Opdrachtregel.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/Grafiekvensters.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>
#include <typeinfo>

namespace {

class BeginstandTest : public ShellOmgeving {};

template <class Seam> bool Leeg(Seam& (*naad)()) {
    return typeid(naad()) == typeid(Seam);
}

bool HelpOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<HelpVenster*>(w)) return true;
    return false;
}

class Boom : public SysteemboomInterface {
public:
    void AanpassenTreeView() override {}
    void AanpassenMetingenTreeView(int, int) override {}
    void Herbouw() override {}
};

// Every state a folder owns is back at its start after ResetProgramma: the registrations, the open
// windows, the engine's and the files' values, the settings of the shell.
TEST_F(BeginstandTest, NothingOfARunIsLeftAfterTheReset) {
    // Registrations of every folder.
    struct : Hoofdvenster {
    } hoofd;
    struct : MeldingVenster {
    } melding;
    struct : MeldingOmgeving {
    } meldingOmgeving_;
    struct : VoortgangVenster {
    } voortgang;
    struct : VoortgangOmgeving {
    } voortgangOmgeving_;
    struct : MapKeuzeVenster {
    } mapKeuze;
    struct : GeluidSpeler {
        void Speel(int) override {}
    } geluid;
    struct : Kindvensterbeheer {
    } beheer;
    struct : Bestandslaag {
    } laag;
    struct : RackvensterMaker {
    } rackMaker;
    struct : TabelvensterMaker {
    } tabelMaker;
    struct : Bestandsdialogen {
    } dialogen;
    struct : Bestandsbewerkingen {
    } bewerkingen;
    struct : TabelvensterHerstel {
    } herstel;
    struct : RackvensterActies {
    } acties;
    struct : TabelvensterOmgeving {
    } tabelOmgeving;
    struct : GrafiekvensterOmgeving {
    } grafiekOmgeving;
    OpnameRackvenster rack;
    OpnameTabelvenster tabel;
    OpnameGrafiekvenster grafiek;
    Boom boom;
    ZetHoofdvenster(&hoofd);
    ZetMeldingVenster(&melding);
    ZetMeldingOmgeving(&meldingOmgeving_);
    ZetVoortgangVenster(&voortgang);
    ZetVoortgangOmgeving(&voortgangOmgeving_);
    ZetMapKeuzeVenster(&mapKeuze);
    ZetGeluidSpeler(&geluid);
    ZetKindvensterbeheer(&beheer);
    ZetBestandslaag(&laag);
    ZetRackvensterMaker(&rackMaker);
    ZetTabelvensterMaker(&tabelMaker);
    ZetBestandsdialogen(&dialogen);
    ZetBestandsbewerkingen(&bewerkingen);
    ZetTabelvensterHerstel(&herstel);
    ZetRackvensterActies(&acties);
    ZetTabelvensterOmgeving(&tabelOmgeving);
    ZetGrafiekvensterOmgeving(&grafiekOmgeving);
    int schrijfstappen = 0;
    platform::ZetSchrijfStapFunctie([&schrijfstappen](platform::SchrijfStap) { ++schrijfstappen; });
    ZetRackVenster(1, &rack);
    TabelVensters.Zet(2, &tabel);
    ZetGrafiekVenster(3, &grafiek);
    ZetSysteemboom(&boom);

    // Open windows.
    auto los = std::make_unique<QWidget>();
    QPointer<QWidget> losVenster(los.get());
    NeemKindvensterOp(std::move(los)); // kept as a window of its own
    ToonHelp(QStringLiteral("settings.htm"));
    ToonInstellingen(1);
    ToonTerminal();
    ASSERT_TRUE(HelpOpen());
    ASSERT_NE(InstellenVenster(), nullptr);
    ASSERT_NE(TerminalVenster(), nullptr);

    // Values of the engine.
    Racks[3].Present = true;
    RackVlaggen[2].Show = true;
    HandTemperaturen[1][1][1] = 12.0f;
    MetenActief = true;
    VerbindingActief = true;
    Afbreken = true;
    Baudsnelheid = QStringLiteral("9600");
    MapGegevens = QStringLiteral("/elders");
    AantalMetingen = 7;
    StabielTeller[0] = 5;
    StabielVlag = true;
    Luchtdruk = 900.0f;
    SimulatieStap[1][1] = 3.0f;
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    platform::SerieleLijn* eigenLijn = lijn.get();
    ZetMSComm1(std::move(lijn));
    Antwoord = 2;
    BufferRS232 = "rest";
    Voorloop = 5;
    OpvraagRack = 5;
    BewaardCommando = QStringLiteral("7");
    AlarmUitgangUit = true;
    AlarmVlaggen[1][1][0] = 1;
    AantalTabelKolommen[1][1] = 5;

    // Values of the files and of the shared folder.
    LogboekPad = QStringLiteral("/log.txt");
    Gegevensbestand = QStringLiteral("/run.csv");
    BezigMetLaden = true;
    TekstAfbakening = QStringLiteral("'");
    TijdScheiding = QStringLiteral(".");
    NetwerkPad = AlleenLezen = true;
    WerkkopiePad = QStringLiteral("/run.csv.new");
    int taal = 2;
    KiesTaal(taal);
    WindowsIsXP = true;
    VoortgangAfbreken = true;
    FormMelding::MeldingTop = 100;

    // The factory's.
    ProductieDatabasePad = QStringLiteral("/prod.db");
    AfregelSerienummer = 1234;

    // Settings of the shell, and the single-instance lock.
    ExtraPoorten << QStringLiteral("COM3");
    AfregelMap = QStringLiteral("/afregeling");
    CommPoort = QStringLiteral("COM7");
    Tijdsinterval = 5;
    PrintOrientatie = 2;
    ProgrammaBeeindigd = true;
    OpvraagInfo = QStringLiteral("info");
    ASSERT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), {}));

    ResetProgramma();

    EXPECT_TRUE(Leeg(hoofdvenster));
    EXPECT_TRUE(Leeg(meldingVenster));
    EXPECT_TRUE(Leeg(meldingOmgeving));
    EXPECT_TRUE(Leeg(voortgangVenster));
    EXPECT_TRUE(Leeg(voortgangOmgeving));
    EXPECT_TRUE(Leeg(mapKeuzeVenster));
    EXPECT_TRUE(Leeg(geluidSpeler));
    EXPECT_TRUE(Leeg(kindvensterbeheer));
    EXPECT_TRUE(Leeg(bestandslaag));
    EXPECT_TRUE(Leeg(rackvensterMaker));
    EXPECT_TRUE(Leeg(tabelvensterMaker));
    EXPECT_TRUE(Leeg(bestandsdialogen));
    EXPECT_TRUE(Leeg(bestandsbewerkingen));
    EXPECT_TRUE(Leeg(tabelvensterHerstel));
    EXPECT_TRUE(Leeg(rackvensterActies));
    EXPECT_TRUE(Leeg(tabelvensterOmgeving));
    EXPECT_TRUE(Leeg(grafiekvensterOmgeving));
    // A safe write no longer reports its steps.
    ASSERT_TRUE(platform::SchrijfBestandVeilig(tijdelijkeMap() + QStringLiteral("/stappen.txt"), "x"));
    EXPECT_EQ(schrijfstappen, 0);
    EXPECT_EQ(RackVenster(1), nullptr);
    EXPECT_EQ(TabelVensters[2], nullptr);
    EXPECT_EQ(GrafiekVenster(3), nullptr);
    EXPECT_EQ(Systeemboom(), nullptr);

    EXPECT_TRUE(losVenster.isNull());
    EXPECT_FALSE(HelpOpen());
    EXPECT_EQ(InstellenVenster(), nullptr);
    EXPECT_EQ(TerminalVenster(), nullptr);

    EXPECT_FALSE(Racks[3].Present);
    EXPECT_FALSE(RackVlaggen[2].Show);
    EXPECT_EQ(HandTemperaturen[1][1][1], 25.0f);
    EXPECT_FALSE(MetenActief || VerbindingActief || Afbreken);
    EXPECT_EQ(Baudsnelheid, QStringLiteral("19200"));
    EXPECT_TRUE(MapGegevens.isEmpty());
    EXPECT_EQ(AantalMetingen, 0);
    EXPECT_EQ(StabielTeller[0], 0);
    EXPECT_FALSE(StabielVlag);
    EXPECT_EQ(Luchtdruk, 1000.0f);
    EXPECT_EQ(SimulatieStap[1][1], 0.0f);
    EXPECT_NE(&MSComm1(), eigenLijn);
    EXPECT_EQ(Antwoord, 0);
    EXPECT_TRUE(BufferRS232.isEmpty());
    EXPECT_EQ(Voorloop, 1);
    EXPECT_EQ(OpvraagRack, 1);
    EXPECT_TRUE(BewaardCommando.isEmpty());
    EXPECT_FALSE(AlarmUitgangUit);
    EXPECT_EQ(AlarmVlaggen[1][1][0], 0);
    EXPECT_EQ(AantalTabelKolommen[1][1], 0);

    EXPECT_TRUE(LogboekPad.isEmpty());
    EXPECT_TRUE(Gegevensbestand.isEmpty());
    EXPECT_FALSE(BezigMetLaden);
    EXPECT_EQ(TekstAfbakening, QStringLiteral("\""));
    EXPECT_EQ(TijdScheiding, QStringLiteral(":"));
    EXPECT_FALSE(NetwerkPad || AlleenLezen);
    EXPECT_TRUE(WerkkopiePad.isEmpty());
    EXPECT_EQ(HuidigeTaal, 0);
    EXPECT_EQ(Tekst[127], QStringLiteral("Settings"));
    EXPECT_TRUE(AppNaam.isEmpty());
    EXPECT_FALSE(WindowsIsXP);
    EXPECT_FALSE(VoortgangAfbreken);
    EXPECT_EQ(FormMelding::MeldingTop, 0);

    EXPECT_TRUE(ProductieDatabasePad.isEmpty());
    EXPECT_EQ(AfregelSerienummer, 0);

    EXPECT_TRUE(ExtraPoorten.isEmpty());
    EXPECT_TRUE(AfregelMap.isEmpty());
    EXPECT_TRUE(CommPoort.isEmpty());
    EXPECT_EQ(Tijdsinterval, 60);
    EXPECT_EQ(PrintOrientatie, 1);
    EXPECT_FALSE(ProgrammaBeeindigd);
    EXPECT_TRUE(OpvraagInfo.isEmpty());
    // The lock was given up: this copy is the first again.
    EXPECT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), {}));
}

} // namespace
