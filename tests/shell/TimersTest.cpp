#include "OpnameBestandslaag.h"
#include "OpnameGrafiekvenster.h"
#include "ShellOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "files/Opslaan.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"
#include "views/frmTabel.h"

#include <QAction>
#include <QSignalSpy>
#include <memory>
#include <vector>

namespace {

class TimersTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        Demo = true;
        MetenActief = true;
        CommPoort = QStringLiteral("COM1");
        Racks[1].Present = true;
        venster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*venster);
        venster->PlaatsAanduidingenCOM(); // enables the poll-interval timer
    }
    void TearDown() override {
        venster.reset();
        ShellOmgeving::TearDown();
    }
    platform::Datum Over(int seconden) const { return platform::Nu() + seconden / 86400.0; }
    QString Instelling(const QString& sleutel) {
        return LeesInstelling(AppNaam, QStringLiteral("Settings"), sleutel, QStringLiteral("<none>"));
    }

    std::unique_ptr<mdiK740> venster;
};

TEST_F(TimersTest, AScheduledRunStartsAndStopsOnceAndIsForgotten) {
    GebruikStartLog = GebruikStopLog = true;
    StartLogTijdstip = Over(10);
    StopLogTijdstip = Over(70);
    klok().verstrijk(9000);
    EXPECT_FALSE(VerbindingActief);
    klok().verstrijk(1000);
    EXPECT_TRUE(VerbindingActief);
    EXPECT_EQ(venster->StatusTekst(2), Tekst[151]);
    EXPECT_TRUE(venster->knopLoggen()->isChecked());
    klok().verstrijk(59000);
    EXPECT_TRUE(VerbindingActief);
    klok().verstrijk(1000);
    EXPECT_FALSE(VerbindingActief);
    EXPECT_FALSE(GebruikStartLog);
    EXPECT_FALSE(GebruikStopLog);
    EXPECT_EQ(Instelling(QStringLiteral("Use StartLogOn")), QStringLiteral("False"));
    EXPECT_EQ(Instelling(QStringLiteral("Use StopLogOn")), QStringLiteral("False"));
    EXPECT_EQ(venster->StatusTekst(2), Tekst[150]);
    klok().verstrijk(120000);
    EXPECT_FALSE(VerbindingActief);
}

TEST_F(TimersTest, AStartTimeAlreadyPastStartsAtTheNextTick) {
    GebruikStartLog = true;
    StartLogTijdstip = Over(-3600);
    klok().verstrijk(1000);
    EXPECT_TRUE(VerbindingActief);
}

TEST_F(TimersTest, AStopTimeAlreadyPastKeepsAPastStartFromStarting) {
    GebruikStartLog = GebruikStopLog = true;
    StartLogTijdstip = Over(-3600);
    StopLogTijdstip = Over(-60);
    klok().verstrijk(5000);
    EXPECT_FALSE(VerbindingActief);
}

TEST_F(TimersTest, StartAtStartUpOverridesTheSchedule) {
    StartBijOpstarten = true;
    GebruikStartLog = true;
    StartLogTijdstip = Over(-10);
    klok().verstrijk(5000);
    EXPECT_FALSE(VerbindingActief);
}

TEST_F(TimersTest, NothingHappensWhileSnapshotsAreHeld) {
    GebruikStartLog = true;
    StartLogTijdstip = Over(-10);
    PauzeOpvragen = true;
    klok().verstrijk(5000);
    EXPECT_FALSE(VerbindingActief);
    PauzeOpvragen = false;
    MetenActief = false;
    klok().verstrijk(5000);
    EXPECT_FALSE(VerbindingActief);
}

TEST_F(TimersTest, SnapshotsFollowTheIntervalOnceTheCycleIsComplete) {
    Tijdsinterval = 60;
    venster->StartStopVerbinding();
    ASSERT_TRUE(VerbindingActief);
    klok().verstrijk(3000);
    EXPECT_EQ(AantalMetingen, 0); // no complete poll cycle yet
    CyclusVoltooid = true;
    klok().verstrijk(1000);
    EXPECT_EQ(AantalMetingen, 1);
    const platform::Datum eerste = TijdMeting;
    // The snapshot took the completed cycle: the next one needs a cycle of its own.
    EXPECT_FALSE(CyclusVoltooid);
    klok().verstrijk(59000);
    CyclusVoltooid = true;
    EXPECT_EQ(AantalMetingen, 1);
    klok().verstrijk(1000);
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_NEAR((TijdMeting - eerste) * 86400.0, 60.0, 1e-3);
    EXPECT_EQ(venster->StatusTekst(4), QStringLiteral("00:01:04"));
    // The interval passes with no poll turn completed: no row repeats the values of the last one.
    klok().verstrijk(120000);
    EXPECT_EQ(AantalMetingen, 2);
    CyclusVoltooid = true;
    klok().verstrijk(1000);
    EXPECT_EQ(AantalMetingen, 3);
}

// At an interval of one second every tick writes a row, however long the snapshot's own work takes:
// an hour gives 3,600 rows, none skipped. The poll turns complete four times a second.
TEST_F(TimersTest, LoggingEverySecondWritesARowEverySecondForAnHour) {
    struct TrageBestandslaag : OpnameBestandslaag {
        bool LogMeting(const QString& info) override {
            OpnameBestandslaag::LogMeting(info);
            static_cast<platform::VirtueleKlok&>(platform::klok()).verstrijk(7); // writing takes time
            return false;
        }
    } laag;
    Bestandslaag* vorige = &bestandslaag();
    ZetBestandslaag(&laag);
    auto cyclus = klok().maakTimer();
    cyclus->zetInterval(250);
    cyclus->bijTik = [] { CyclusVoltooid = true; };
    cyclus->zetActief(true);
    Tijdsinterval = 1;
    venster->StartStopVerbinding();
    ASSERT_TRUE(VerbindingActief);
    klok().verstrijk(3600 * 1000);
    EXPECT_EQ(laag.metingen.size(), 3600);
    ZetBestandslaag(vorige);
}

// A recorder graph that prints itself automatically when its page is full takes its time (and pumps
// events meanwhile); logging every second still gives every second one row, stamped with the moment its
// values were taken.
TEST_F(TimersTest, AnAutomaticRecorderPrintoutLeavesEverySecondOneRow) {
    struct Tijdlaag : OpnameBestandslaag {
        bool LogMeting(const QString& info) override {
            OpnameBestandslaag::LogMeting(info);
            tijden.push_back(TijdMeting);
            return false;
        }
        std::vector<platform::Datum> tijden;
    } laag;
    struct Recorder : OpnameGrafiekvenster {
        void VulGrafiekAan(int32_t monster) override {
            OpnameGrafiekvenster::VulGrafiekAan(monster);
            if (afdrukken || ++aanvullingen % 15 != 0) return;
            // The printout to PDF, alternately shorter and longer than a tick.
            afdrukken = true;
            static_cast<platform::VirtueleKlok&>(platform::klok()).verstrijk(++gedrukt % 2 ? 700 : 1400);
            afdrukken = false;
        }
        int aanvullingen = 0, gedrukt = 0;
        bool afdrukken = false;
    } recorder;
    recorder.instellingen.XYrecorder = true;
    ZetGrafiekVenster(1, &recorder);
    Bestandslaag* vorige = &bestandslaag();
    ZetBestandslaag(&laag);
    auto cyclus = klok().maakTimer();
    cyclus->zetInterval(250);
    cyclus->bijTik = [] { CyclusVoltooid = true; };
    cyclus->zetActief(true);
    Tijdsinterval = 1;
    venster->StartStopVerbinding();
    ASSERT_TRUE(VerbindingActief);
    klok().verstrijk(120 * 1000);
    ZetGrafiekVenster(1, nullptr);
    ZetBestandslaag(vorige);

    EXPECT_GE(recorder.gedrukt, 6);
    ASSERT_GE(laag.tijden.size(), 100u);
    for (size_t i = 1; i < laag.tijden.size(); ++i)
        EXPECT_EQ(platform::LangeTijd(laag.tijden[i]).toStdString(),
                  platform::LangeTijd(laag.tijden[i - 1] + 1 / 86400.0).toStdString())
            << "row " << i;
}

TEST_F(TimersTest, SwitchingOffWritesOneEndPointOnlyWhenRowsExist) {
    venster->StartStopVerbinding();
    venster->StartStopVerbinding();
    EXPECT_EQ(AantalMetingen, 0);
    venster->StartStopVerbinding();
    AantalMetingen = 5;
    venster->StartStopVerbinding();
    EXPECT_FALSE(VerbindingActief);
    EXPECT_EQ(AantalMetingen, 6);
    EXPECT_DOUBLE_EQ(TijdMeting, platform::Nu());
}

TEST_F(TimersTest, SwitchingLoggingOnOrOffLeavesTheShownTablesOnlyTheirCurrentCell) {
    static FrmTabelMaker tabelvensters;
    ZetTabelvensterMaker(&tabelvensters);
    VulVoorbeeldrack(1);
    ToonTabelVenster(1);
    frmTabel* tabel = frmTabelVan(1);
    ASSERT_NE(tabel, nullptr);
    for (AantalMetingen = 1; AantalMetingen <= 5; ++AantalMetingen)
        tabel->VulTabellenAan(QString());
    AantalMetingen = 5;
    const auto selecteer = [tabel] {
        tabel->MSHFlexGrid[1]->ZetSelectie({2, 3, 4, 6});
        ASSERT_EQ(tabel->Geselecteerd(1), 3);
    };
    selecteer();
    venster->StartStopVerbinding();
    ASSERT_TRUE(VerbindingActief);
    EXPECT_EQ(tabel->Geselecteerd(1), 1);
    EXPECT_EQ(tabel->Geselecteerd(1, 2), 2);
    selecteer();
    venster->StartStopVerbinding();
    ASSERT_FALSE(VerbindingActief);
    EXPECT_EQ(tabel->Geselecteerd(1), 1);
}

TEST_F(TimersTest, ARunCannotStartOnAClosedPortOutsideSimulation) {
    Demo = false;
    AantalMetingen = 3;
    venster->StartStopVerbinding();
    EXPECT_FALSE(VerbindingActief);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[148] + QStringLiteral("COM1") + Tekst[149]);
    EXPECT_EQ(vragen[0].titel, Tekst[299]);
    EXPECT_EQ(AantalMetingen, 4); // the failed start still marks the end of the rows
}

TEST_F(TimersTest, AReadOnlyDataFileKeepsLoggingOff) {
    AlleenLezen = true;
    venster->StartStopVerbinding();
    EXPECT_FALSE(VerbindingActief);
    EXPECT_TRUE(vragen.empty());
}

// The one-second tick sets the state of the data menu and of the measure and log buttons while the
// program polls; an unchanged state tells the menu and the tool bar nothing (each change lays them
// out and repaints them).
TEST_F(TimersTest, TheSecondTickLeavesUnchangedDataCommandsAlone) {
    klok().verstrijk(1000);
    ASSERT_TRUE(venster->mnuDataMeasure()->isEnabled());
    ASSERT_TRUE(venster->mnuDatalogging()->isEnabled());
    std::vector<std::unique_ptr<QSignalSpy>> spionnen;
    for (QAction* a :
         {venster->mnuDataMeasure(), venster->mnuDatalogging(), venster->knopMeten(), venster->knopLoggen()})
        spionnen.push_back(std::make_unique<QSignalSpy>(a, &QAction::changed));
    klok().verstrijk(5000);
    for (const auto& spion : spionnen)
        EXPECT_EQ(spion->count(), 0);
    EXPECT_TRUE(venster->mnuDataMeasure()->isEnabled());
    EXPECT_TRUE(venster->mnuDatalogging()->isEnabled());
}

TEST(GeldigInterval, Limits) {
    EXPECT_EQ(GeldigInterval(0), 1);
    EXPECT_EQ(GeldigInterval(86401), 1);
    EXPECT_EQ(GeldigInterval(86400), 86400);
    EXPECT_EQ(GeldigInterval(60), 60);
}

} // namespace
