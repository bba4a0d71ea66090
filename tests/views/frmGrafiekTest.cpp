// The graph window as a user meets it: in the main window's area, reopened from its configuration
// file, laid out, asking before it closes, picking a point with the mouse, copying its chart.
#include "views/frmGrafiek.h"
#include "OpnameMelding.h"
#include "OpnameTabelvenster.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "files/Grafiekconfiguratie.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"
#include "views/Diagram.h"
#include "views/Grafiekvensters.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

class frmGrafiekTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        QDir().mkpath(MapConfiguratie);
        VulVoorbeeldrack(1);
        tabel.ZetRi(1);
        tabel.StelTabelIn(true);
        TabelVensters.Zet(1, &tabel);
        melding.beantwoord = [this](const Vraag& v) {
            vragen.push_back(v.tekst);
            stijlen.push_back(v.stijl);
            titels.push_back(v.titel);
            return antwoord;
        };
        ZetMeldingVenster(&melding);
    }

    // A configuration file for graph g with curve 1 on input `ingang` of module 1 of rack 1.
    void SchrijfGcf(int g, bool recorder, int ingang, const QString& extra = QString()) {
        QFile f(GrafiekBestandsnaam(g));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[WINDOW]\r\nTop=300\r\nLeft=600\r\nHeight=4500\r\nWidth=7500\r\n"
                               "[TIME AXIS]\r\nNo of points=60\r\nLabel=3\r\n"
                               "[MISCELLANOUS]\r\nName=Tanks %1\r\nLegend=True\r\nXY Recorder=%2\r\n"
                               "[ALARM HIGH]\r\nSet=True\r\nValue=8\r\n"
                               "[LINE1]\r\nRack=1\r\nModule=1\r\nInput=%3\r\n%4")
                    .arg(g)
                    .arg(recorder ? QStringLiteral("True") : QStringLiteral("False"))
                    .arg(ingang)
                    .arg(extra)
                    .toLatin1());
    }
    void Bewaar(int32_t s) {
        AantalMetingen = std::max(AantalMetingen, s);
        tabel.ZetCelTekst(1, s, KolomNummer, QString::number(s));
        tabel.ZetCelTekst(1, s, KolomDatum, QStringLiteral("05/01/2026"));
        tabel.ZetCelTekst(1, s, KolomTijd, QStringLiteral("09:00:%1").arg(s % 60, 2, 10, QLatin1Char('0')));
        tabel.ZetCelTekst(1, s, 3, QString::number(4 + (s % 7) / 2.0));
        tabel.ZetCelTekst(1, s, 4, QStringLiteral("pH"));
    }

    OpnameTabelvenster tabel;
    OpnameMelding melding;
    std::vector<QString> vragen, titels;
    std::vector<int> stijlen;
    int antwoord = vbYes;
};

TEST_F(frmGrafiekTest, TheWindowNumberComesFromTheTag) {
    EXPECT_EQ(VensterNummer(QStringLiteral("tabel12")), 12);
    EXPECT_EQ(VensterNummer(QStringLiteral("grafiek3")), 3);
    EXPECT_EQ(VensterNummer(QStringLiteral("meting16")), 16);
    EXPECT_EQ(VensterNummer(QStringLiteral("terminal")), 0);
    EXPECT_EQ(VensterNummer(QStringLiteral("Boomstructuur")), 0);
    EXPECT_EQ(VensterNummer(QStringLiteral("Tabel3")), 0);
}

TEST_F(frmGrafiekTest, OnlyTheKeysThatCarryTheirNumberOpenAGraph) {
    BewaarInstelling(AppNaam, QStringLiteral("Graph"), QStringLiteral("Index2"), QStringLiteral("2"));
    BewaarInstelling(AppNaam, QStringLiteral("Graph"), QStringLiteral("Index7"), QStringLiteral("7"));
    BewaarInstelling(AppNaam, QStringLiteral("Graph"), QStringLiteral("Index4"), QStringLiteral("5"));
    BewaarInstelling(AppNaam, QStringLiteral("Graph"), QStringLiteral("Index9"), QStringLiteral("nine"));
    HerstelGrafieken();
    EXPECT_EQ(AantalOpenGrafieken(), 2);
    ASSERT_NE(GrafiekWidget(2), nullptr);
    ASSERT_NE(GrafiekWidget(7), nullptr);
    EXPECT_EQ(GrafiekWidget(4), nullptr);
    EXPECT_EQ(GrafiekWidget(5), nullptr);
    // Without a configuration file: the defaults of a fresh window.
    frmGrafiek& g = *GrafiekWidget(7);
    EXPECT_EQ(g.Caption(), QStringLiteral("Graph 7"));
    EXPECT_EQ(g.Tag(), QStringLiteral("grafiek7"));
    EXPECT_EQ(g.Instellingen().MaxGrafiekZichtbaar, 99);
    EXPECT_EQ(g.Instellingen().RecorderTussentijd, 5);
    EXPECT_TRUE(g.Instellingen().AutomatischeSchaal);
    EXPECT_EQ(g.Model().TijdasStap(), 14);
}

TEST_F(frmGrafiekTest, TwoGraphsOpenAtCloseComeBackWithTheirCurves) {
    for (int32_t s = 1; s <= 150; ++s)
        Bewaar(s);
    SchrijfGcf(2, false, 1, QStringLiteral("[LINE2]\r\nRack=1\r\nModule=1\r\nInput=6\r\nColour=255\r\n"));
    SchrijfGcf(5, true, 2);
    {
        mdiK740 hoofd;
        InstalleerHoofdvenster(hoofd);
        HerstelGrafieken(); // nothing stored yet
        ASSERT_EQ(AantalOpenGrafieken(), 0);
        MaakGrafiekVenster(2, false, false);
        MaakGrafiekVenster(5, true, false);
        ASSERT_EQ(hoofd.mdiGebied()->subWindowList().size(), 2);
        // The user moves a curve of graph 2 to input 3 before the settings are saved.
        GrafiekWidget(2)->SchrijfGrafiekLijnRef(1, LijnIngang, 3);
        BewaarInstellingen(hoofd);
    }
    ResetKindvensters();
    ResetGrafiekVensters();
    ASSERT_EQ(AantalOpenGrafieken(), 0);

    mdiK740 hoofd;
    InstalleerHoofdvenster(hoofd);
    hoofd.HerstelGrafieken();
    ASSERT_EQ(AantalOpenGrafieken(), 2);
    EXPECT_EQ(hoofd.mdiGebied()->subWindowList().size(), 2);
    frmGrafiek& tabelgrafiek = *GrafiekWidget(2);
    EXPECT_EQ(tabelgrafiek.Caption(), QStringLiteral("Tanks 2"));
    EXPECT_EQ(tabelgrafiek.LeesGrafiekLijnRef(1, LijnIngang), 3);
    EXPECT_EQ(tabelgrafiek.LeesGrafiekLijnRef(2, LijnIngang), 6);
    EXPECT_EQ(LeesDiagramKleur(tabelgrafiek, 4), 255);
    EXPECT_EQ(tabelgrafiek.Instellingen().MaxGrafiekZichtbaar, 60);
    EXPECT_FALSE(tabelgrafiek.HorScrollBar()->isHidden());
    // The curves show the newest samples, labelled by row number.
    const Grafiekmodel& m = tabelgrafiek.Model();
    EXPECT_EQ(m.VensterStart, 91);
    EXPECT_EQ(m.Raster().Label(60), QStringLiteral("150"));
    EXPECT_EQ(m.Reeks(3).legende, QStringLiteral("pH (Rinse)"));
    EXPECT_EQ(m.Reeks(ReeksAlarmHoog).legende, QStringLiteral("High limit"));
    frmGrafiek& recorder = *GrafiekWidget(5);
    EXPECT_TRUE(recorder.Instellingen().XYrecorder);
    EXPECT_TRUE(recorder.HorScrollBar()->isHidden());
    EXPECT_EQ(recorder.LeesGrafiekLijnRef(1, LijnIngang), 2);

    // The recorder fills once a second from the main window's poll-interval timer.
    MetenActief = true;
    Racks[1].Modules[1].Meting[2].Waarde = 5.5f;
    for (int i = 0; i < 6; ++i)
        hoofd.TimerOpvragen_Timer(), klok().verstrijk(1000);
    EXPECT_FLOAT_EQ(recorder.Model().Raster().Waarde(60, 3), 5.5f);
}

TEST_F(frmGrafiekTest, ClosingAGraphMakesTheMainWindowForgetSettingsCopiedFromIt) {
    mdiK740 hoofd;
    InstalleerHoofdvenster(hoofd);
    frmGrafiek* twee = MaakGrafiekVenster(2, false, false);
    frmGrafiek* drie = MaakGrafiekVenster(3, false, false);
    hoofd.KopieerSetGraph = true;
    hoofd.Rs = 3;
    antwoord = vbYes;
    Kindvensterkader(twee)->close();
    EXPECT_EQ(GrafiekWidget(2), nullptr);
    EXPECT_TRUE(hoofd.KopieerSetGraph);
    Kindvensterkader(drie)->close();
    EXPECT_EQ(GrafiekWidget(3), nullptr);
    EXPECT_FALSE(hoofd.KopieerSetGraph);
}

TEST_F(frmGrafiekTest, TheChartsRightButtonMenuIsTheGraphMenuOfThatGraph) {
    mdiK740 hoofd;
    InstalleerHoofdvenster(hoofd);
    hoofd.show();
    frmGrafiek* twee = MaakGrafiekVenster(2, false, false);
    frmGrafiek* vijf = MaakGrafiekVenster(5, false, false);
    ASSERT_TRUE(twee && vijf);
    QMenu* menu = hoofd.findChild<QMenu*>(QStringLiteral("mnuGraph"));
    ASSERT_NE(menu, nullptr);
    const auto item = [&hoofd](const char* naam) { return hoofd.findChild<QAction*>(QLatin1String(naam)); };
    // Right-clicks the chart of `grafiek`; while the pop-up is open, notes its items and triggers
    // `kies` (none: closes it).
    struct Popup {
        QStringList zichtbaar;
        bool plakkenAan = false;
    };
    const auto rechtsklik = [&](frmGrafiek* grafiek, const char* kies) {
        Popup p;
        QTimer::singleShot(0, [&] {
            QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_EQ(open, menu);
            for (QAction* a : menu->actions())
                if (a->isVisible() && !a->isSeparator()) p.zichtbaar << a->objectName();
            p.plakkenAan = item("mnuGraphPasteSettings")->isEnabled();
            if (kies) item(kies)->trigger();
            menu->close();
        });
        QTest::mouseClick(grafiek->diagram(), Qt::RightButton, {}, QPoint(20, 20));
        return p;
    };

    const Popup zonder = rechtsklik(vijf, "mnuGraphCopySettings");
    EXPECT_EQ(zonder.zichtbaar, QStringList({"mnuExtraSettingsGraph", "mnuGraphCopy", "mnuGraphPrint",
                                             "mnuGraphCopySettings", "mnuGraphPasteSettings"}));
    EXPECT_FALSE(zonder.plakkenAan);
    // Copy Settings took the settings of the graph that was clicked.
    EXPECT_TRUE(hoofd.KopieerSetGraph);
    EXPECT_EQ(hoofd.Rs, 5);
    // Afterwards the Graph menu of the menu bar is whole again.
    EXPECT_TRUE(item("mnuGraphNew")->isVisible());
    for (const char* weg : {"mnuGraphCopy", "mnuGraphPrint", "mnuGraphCopySettings", "mnuGraphPasteSettings"})
        EXPECT_FALSE(item(weg)->isVisible()) << weg;

    EXPECT_TRUE(rechtsklik(twee, nullptr).plakkenAan);
    antwoord = vbYes;
    Kindvensterkader(vijf)->close();
    EXPECT_FALSE(rechtsklik(twee, nullptr).plakkenAan);
}

TEST_F(frmGrafiekTest, ClosingAsksFirstAndNoMinimises) {
    // What closing a graph tells the main window.
    struct Sluitopname : GrafiekvensterOmgeving {
        void GrafiekGesloten(int grafiek) override { gesloten = grafiek; }
        int gesloten = 0;
    } sluiting;
    ZetGrafiekvensterOmgeving(&sluiting);
    const int& gesloten = sluiting.gesloten;
    QMdiArea gebied;
    struct Beheer : Kindvensterbeheer {
        QMdiArea* a;
        void NeemOp(std::unique_ptr<QWidget> v) override { a->addSubWindow(v.release()); }
        void Toon(QWidget* v) override { Kindvensterkader(v)->show(); }
    } beheer;
    beheer.a = &gebied;
    ZetKindvensterbeheer(&beheer);
    gebied.resize(900, 700);
    gebied.show();
    frmGrafiek* g = MaakGrafiekVenster(3, false, false);
    QMdiSubWindow* kader = qobject_cast<QMdiSubWindow*>(Kindvensterkader(g));
    ASSERT_NE(kader, nullptr);

    antwoord = vbNo;
    kader->close();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0], Tekst[345]);
    EXPECT_EQ(stijlen[0], 35);
    EXPECT_EQ(titels[0], QStringLiteral("Graph 3"));
    EXPECT_TRUE(kader->isMinimized());
    EXPECT_EQ(GrafiekWidget(3), g);
    EXPECT_EQ(gesloten, 0);

    antwoord = vbCancel;
    kader->close();
    EXPECT_EQ(GrafiekWidget(3), g);

    antwoord = vbYes;
    ConfiguratieGewijzigd = false;
    kader->close();
    EXPECT_EQ(GrafiekWidget(3), nullptr);
    EXPECT_EQ(gesloten, 3);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_EQ(AantalOpenGrafieken(), 0);
    ZetGrafiekvensterOmgeving(nullptr);
    ZetKindvensterbeheer(nullptr);
}

TEST_F(frmGrafiekTest, AClickOnAPointShowsItsValueInTheFootnote) {
    for (int32_t s = 1; s <= 120; ++s)
        Bewaar(s);
    SchrijfGcf(1, false, 1);
    frmGrafiek* g = MaakGrafiekVenster(1, false, false);
    g->resize(800, 500);
    QApplication::processEvents();
    const Grafiekmodel& m = g->Model();
    ASSERT_EQ(m.VensterStart, 61);
    // Where row 5 of curve 1 is drawn.
    const DiagramBeeld beeld = BeeldVan(m);
    const DiagramGeometrie geo =
        BerekenGeometrie(QRectF(g->diagram()->rect()), beeld, QFontMetricsF(g->diagram()->font()));
    const QPointF punt(XVanRij(geo.indeling.plot, m.Raster().Rijen(), 5),
                       YVanWaarde(geo.indeling.plot, geo.as, m.Raster().Waarde(5, 3)));
    QTest::mouseClick(g->diagram(), Qt::LeftButton, {}, punt.toPoint());
    EXPECT_EQ(m.GekozenSerie, 3);
    EXPECT_EQ(m.GekozenPunt, 5);
    EXPECT_TRUE(m.Voetnoot.startsWith(QStringLiteral("Tank A: No.65(05/01/2026 09:00:05): ")));
    EXPECT_EQ(m.MarkerReeks, 3);

    // The layout leaves the scroll-bar band below the chart.
    EXPECT_EQ(g->diagram()->height(), 500 - 17);
    EXPECT_EQ(g->HorScrollBar()->geometry().top(), g->diagram()->height());

    // Copy puts the chart on the clipboard as an image.
    g->CopyGrafiek();
    const QImage beeldKlembord = QGuiApplication::clipboard()->image();
    EXPECT_EQ(beeldKlembord.size(), g->diagram()->size());

    // Another file of fewer rows opened under the graph, which is then refreshed: the read-out of the
    // earlier file goes with its marker.
    AantalMetingen = 30;
    VernieuwGrafieken();
    EXPECT_EQ(m.AantalPunten, 30);
    EXPECT_FALSE(m.VoetnootZichtbaar);
    EXPECT_TRUE(m.Voetnoot.isEmpty());
    EXPECT_EQ(m.MarkerReeks, 0);
    EXPECT_EQ(m.GekozenSerie, 0);
}

TEST_F(frmGrafiekTest, AStatisticsFlagOtherThanOneOrMinusOneInTheFileIsOn) {
    SchrijfGcf(3, false, 1, QStringLiteral("Min=7\r\nMax=0\r\nMean=-3\r\n"));
    MaakGrafiekVenster(3, false, false);
    frmGrafiek& g = *GrafiekWidget(3);
    GrafiekCurve c;
    g.Model().LeesCurve(1, c);
    EXPECT_TRUE(c.StatistiekMinimum);
    EXPECT_FALSE(c.StatistiekMaximum);
    EXPECT_TRUE(c.StatistiekGemiddelde);
    // The chart draws the minimum and mean lines of the curve.
    EXPECT_EQ(g.Model().Reeks(3).statistiek, 1 + 4);
}

TEST_F(frmGrafiekTest, LimitsReadFromTheFileAreHeldToTheDialogsRangesAndNonNumbersTakeTheDefaults) {
    SchrijfGcf(4, false, 1,
               QStringLiteral("[VALUE AXIS]\r\nAutoscale=False\r\nMin=NaN\r\nMax=1e309\r\n"
                              "[ALARM HIGH]\r\nValue=1e30\r\n[ALARM LOW]\r\nSet=True\r\nValue=-70000\r\n"));
    MaakGrafiekVenster(4, false, false);
    const GrafiekInstellingen& s = GrafiekWidget(4)->Instellingen();
    EXPECT_FALSE(s.AutomatischeSchaal);
    EXPECT_EQ(s.GrafiekMaximum, 32767);
    EXPECT_LT(s.GrafiekMinimum, s.GrafiekMaximum);
    EXPECT_EQ(s.AlarmHoogWaarde, 65536);
    EXPECT_EQ(s.AlarmLaagWaarde, -65536);
}

// A table-series graph reopened at start-up before its rack has logged on names its curves once the
// rack is there.
class GrafiekVoorAanmeldingTest : public RacklijnOmgeving {};

TEST_F(GrafiekVoorAanmeldingTest, TheLegendFollowsOnceTheRacksHaveLoggedOn) {
    MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
    QDir().mkpath(MapConfiguratie);
    {
        QFile f(GrafiekBestandsnaam(1));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[MISCELLANOUS]\r\nLegend=True\r\n[LINE1]\r\nRack=1\r\nModule=1\r\nInput=2\r\n");
    }
    MaakGrafiekVenster(1, false, false);
    frmGrafiek& g = *GrafiekWidget(1);
    EXPECT_EQ(g.Model().Reeks(3).legende, QStringLiteral(" ()"));

    constexpr int32_t rack = RackIdno(0, 0, 0x0A);
    emulator.zetRack(1, rack);
    emulator.zetModule(1, 1, K761Idno(1, 2, 3));
    ZendAanmeldVerzoek();
    for (int stil = 0; !Racks[1].Present && stil < 10;) {
        const QByteArray a = WachtOpAntwoord();
        if (a.size() > 6 && Antwoord == AntwoordFrame && ControleerChecksum(a) &&
            HaalByte(a, 3) == CommandoAanmelden)
            VerwerkAanmeldAntwoord(HaalLong(a, 4));
        else
            ++stil;
    }
    ASSERT_TRUE(Racks[1].Present);
    EXPECT_EQ(g.Model().Reeks(3).legende, QStringLiteral("mV (CH2)"));
}

TEST_F(frmGrafiekTest, AReopenedGraphKeepsItsSavedSizeWhenItsSettingsAreWrittenAgain) {
    mdiK740 hoofd;
    InstalleerHoofdvenster(hoofd);
    hoofd.resize(1200, 800);
    hoofd.show();
    SchrijfGcf(2, false, 1);
    MaakGrafiekVenster(2, false, false);
    frmGrafiek& g = *GrafiekWidget(2);
    QWidget* kader = hoofd.mdiGebied()->subWindowList().front();
    EXPECT_EQ(kader->geometry(), QRect(40, 20, 500, 300));
    // Saving the settings (OK in the settings dialog, the settings saved at closing) keeps the window.
    SchrijfGrafiekInstellingen(2, g);
    EXPECT_EQ(kader->geometry(), QRect(40, 20, 500, 300));
    QFile f(GrafiekBestandsnaam(2));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray tekst = f.readAll();
    EXPECT_TRUE(tekst.contains("Height=4500\r\nWidth=7500")) << tekst.toStdString();
}
