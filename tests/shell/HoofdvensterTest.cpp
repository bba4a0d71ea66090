#include "Bestandsgrens.h"
#include "EchteMelding.h"
#include "OpnameRackvenster.h"
#include "Opnametaal.h"
#include "ShellOmgeving.h"
#include "TekstControle.h"
#include "Voorbeeldrack.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/RackConfiguratie.h"
#include "platform/GeheugenLijn.h"
#include "platform/Systeem.h"
#include "platform/Tekstbestand.h"
#include "rackviews/FormRack.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/Standaarddialogen.h"
#include "shell/frmInstellen.h"
#include "shell/frmSplash.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <grp.h>
#include <map>
#include <optional>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString LeesTekst(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return platform::VanWindows1252(f.readAll());
}

// The frame of the rack window of rack r in the main window's area.
QWidget* RackKader(int r) {
    auto* venster = dynamic_cast<QWidget*>(RackVenster(r));
    return venster ? Kindvensterkader(venster) : nullptr;
}

class HoofdvensterTest : public ShellOmgeving {
protected:
    // Starts the program with the switches; `bijStart` runs once the start-up has reached the main
    // loop, and then the program is ended from code (as File > Exit does) unless it ended already.
    bool Start(mdiK740& venster, const QStringList& argumenten, std::function<void()> bijStart = {}) {
        klok().planIn(2500, [&venster, bijStart = std::move(bijStart)] {
            if (bijStart) bijStart();
            if (!ProgrammaBeeindigd) venster.SluitVanuitCode();
        });
        const Installatie installatie(venster);
        InstalleerMeldingen();
        return venster.MDIForm_Load(argumenten);
    }
    // The main window's own sides and the program's rack windows, without the rest of the program.
    void RackvenstersIn(mdiK740& venster) {
        InstalleerHoofdvenster(venster);
        ZetRackvensterMaker(&rackvensters);
    }
    QString documenten() const { return tijdelijkeMap() + QStringLiteral("/Documents"); }
    QString logboek() const {
        return documenten() + QStringLiteral("/Quorvex/K740/Data/") + LogboekBestandsnaam(platform::Nu());
    }
    FormRackMaker rackvensters;
};

TEST_F(HoofdvensterTest, TheSimulationStartsWithTheConfiguredPortInTheStatusBar) {
    mdiK740 venster;
    bool gezien = false;
    ASSERT_TRUE(Start(venster, {QStringLiteral("/demo")}, [&] {
        gezien = true;
        EXPECT_TRUE(venster.isVisible());
        EXPECT_EQ(venster.windowTitle(), QStringLiteral("K740 (") + documenten() +
                                             QStringLiteral("/Quorvex/K740/Data/Untitled.csv)"));
        EXPECT_EQ(venster.StatusTekst(1), QStringLiteral("COM1, 19200 bps."));
        EXPECT_EQ(venster.StatusTekst(2), Tekst[150]);
        EXPECT_TRUE(MetenActief);
        EXPECT_TRUE(Demo);
        EXPECT_FALSE(VerbindingActief);
        EXPECT_FALSE(ConfiguratieGewijzigd);
        EXPECT_FALSE(venster.mnuNetworkShow()->isVisible());
        EXPECT_FALSE(MSComm1().isOpen());
        EXPECT_NE(dynamic_cast<Standaarddialogen*>(&bestandsdialogen()), nullptr);
    }));
    EXPECT_TRUE(gezien);
    EXPECT_TRUE(vragen.empty());
    EXPECT_TRUE(ProgrammaBeeindigd);
}

TEST_F(HoofdvensterTest, TheStartShowsTheSplashWindowForTwoSeconds) {
    mdiK740 venster;
    std::vector<QString> gezien;
    klok().planIn(1900, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<frmSplash*>(w); s && s->isVisible())
                gezien.push_back(s->lblProductName->text());
    });
    klok().planIn(2100, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<frmSplash*>(w); s && s->isVisible())
                gezien.push_back(QStringLiteral("late"));
    });
    ASSERT_TRUE(Start(venster, {QStringLiteral("/alert"), QStringLiteral("/demo")}));
    ASSERT_EQ(gezien.size(), 1u);
    EXPECT_EQ(gezien[0], QStringLiteral("K740 ") + Tekst[239] + QStringLiteral(" (Pelm/Alert) (DEMO)"));
}

TEST_F(HoofdvensterTest, TheSplashGoesOnAClickOnItsTextsOrPictureOrAKeyAndIsDraggedByItsBackground) {
    frmSplash splash;
    const auto toon = [&] {
        splash.show();
        ASSERT_TRUE(splash.isVisible());
    };
    toon();
    // The red company word, the date and the background keep it.
    for (QWidget* w : {static_cast<QWidget*>(splash.Label1), static_cast<QWidget*>(splash.LblDate),
                       static_cast<QWidget*>(&splash)}) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_TRUE(splash.isVisible()) << w->objectName().toStdString();
    }
    for (QWidget* w :
         {splash.ImgFoto, static_cast<QWidget*>(splash.lblCompanyProduct),
          static_cast<QWidget*>(splash.lblCopyright), static_cast<QWidget*>(splash.lblProductName),
          static_cast<QWidget*>(splash.lblVersion)}) {
        toon();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(splash.isVisible());
    }
    toon();
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_FALSE(splash.isVisible());

    // Dragging the background with the left button moves the window by the pointer's way.
    toon();
    const QPoint voor = splash.pos();
    QTest::mousePress(&splash, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent beweging(QEvent::MouseMove, QPointF(25, 15), splash.mapToGlobal(QPointF(25, 15)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&splash, &beweging);
    EXPECT_EQ(splash.pos(), voor + QPoint(20, 10));
}

// Help > Info (F2) on a running program: the window stays beside the program's own box, which is no
// modal window, and a click on its product line removes it while the box waits; it goes as soon as a
// command opens a modal dialog (File > Open's file dialog), which it would stay on top of out of reach of
// any click or key, and as soon as the settings dialog holds the main window disabled.
TEST_F(HoofdvensterTest, InfoGoesWhenAModalDialogOpensAndAClickRemovesItBesideTheProgramsBox) {
    const auto info = []() -> frmSplash* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<frmSplash*>(w); s && s->isVisible()) return s;
        return nullptr;
    };
    mdiK740 venster;
    // F2 in the main window, made active first as a click on it would.
    const auto f2 = [&] {
        venster.activateWindow();
        QCoreApplication::processEvents();
        QTest::keyClick(venster.focusWidget() ? venster.focusWidget() : &venster, Qt::Key_F2);
    };
    EchteMelding box(Qt::Key_Return, 1000);
    bool gedaan = false;
    ASSERT_TRUE(Start(venster, {QStringLiteral("/demo")}, [&] {
        ZetMeldingVenster(&box);
        f2();
        ASSERT_NE(info(), nullptr) << "F2 showed no Info window";
        bool inBox = false;
        klok().planIn(100, [&] {
            inBox = OpenMeldingen() == 1;
            frmSplash* s = info();
            ASSERT_NE(s, nullptr) << "the program's box took the Info window away";
            QTest::mouseClick(s->lblProductName, Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_EQ(info(), nullptr) << "a click on the product line left the Info window beside the box";
        });
        ToonMelding(QStringLiteral("Waiting"), vbOKOnly);
        EXPECT_TRUE(inBox) << "the box was answered before the click";
        EXPECT_EQ(box.geblokkeerd(), 0);

        f2();
        ASSERT_NE(info(), nullptr) << "F2 showed no Info window the second time";
        bool inDialoog = false;
        klok().planIn(100, [&] {
            auto* dialoog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            inDialoog = dialoog != nullptr;
            EXPECT_EQ(info(), nullptr) << "the Info window stays on top of the modal file dialog, where "
                                          "no click or key reaches it";
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        venster.menus().mnuFileOpen->trigger();
        EXPECT_TRUE(inDialoog) << "File > Open showed no file dialog";

        f2();
        ASSERT_NE(info(), nullptr) << "F2 showed no Info window the third time";
        venster.menus().mnuFileSettings->trigger();
        ASSERT_TRUE(InstellenVenster() && !InstellenAfsluiten()) << "File > Settings opened no dialog";
        EXPECT_FALSE(venster.isEnabled());
        EXPECT_EQ(info(), nullptr) << "the Info window stays on top of the settings dialog, disabled";
        QTest::mouseClick(InstellenVenster()->CancelButton, Qt::LeftButton);
        gedaan = true;
    }));
    EXPECT_TRUE(gedaan);
    // Neither an Info window nor the start-up splash is left.
    EXPECT_EQ(info(), nullptr);
}

TEST_F(HoofdvensterTest, EveryWindowShowsTheProgramsOwnIcon) {
    const QImage eigen = ProgrammaPictogram().pixmap(32).toImage();
    ASSERT_FALSE(eigen.isNull());
    // A drawing, not an empty square: the rack's dark top with a transparent corner beside it.
    EXPECT_LT(qGray(eigen.pixel(16, 4)), 100);
    EXPECT_EQ(qAlpha(eigen.pixel(0, 0)), 0);

    mdiK740 venster;
    venster.show();
    RackvenstersIn(venster);
    VulVoorbeeldrack(1);
    venster.ToonRackVenster(1);
    auto* instellen = new QWidget(nullptr, Qt::Dialog); // any later top-level window
    std::unique_ptr<QWidget> weg(instellen);
    for (QWidget* w : {static_cast<QWidget*>(&venster), RackKader(1), instellen})
        EXPECT_EQ(w->windowIcon().pixmap(32).toImage(), eigen) << w->metaObject()->className();
}

TEST_F(HoofdvensterTest, TheSplashVersionLineHasThreeParts) {
    EXPECT_EQ(frmSplash::VersieTekst(QStringLiteral("2.0.7")), Tekst[238] + QStringLiteral(" 2.0.7"));
    EXPECT_EQ(frmSplash::VersieTekst(QStringLiteral("2.1")), Tekst[238] + QStringLiteral(" 2.1.0"));
    // The user's and computer's names show as they are.
    frmSplash splash;
    for (QLabel* l : splash.findChildren<QLabel*>())
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->text().toStdString();
}

// The splash window in each language, with both special modes on: every text whole. With
// K740_SCREENSHOTS set to a folder (scripts/screenshot-instellen) it is kept there as splash.png,
// splash-fr.png and splash-nl.png.
TEST_F(HoofdvensterTest, TheSplashWindowShowsItsTextsWholeInEveryLanguage) {
    Demo = true;
    AlarmUitgang = true;
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        frmSplash splash;
        splash.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(splash.lblProductName->text(), frmSplash::ProductTekst());
        ControleerVensterteksten(splash, "language " + std::to_string(taal));
        if (!map.isEmpty()) {
            EXPECT_TRUE(splash.grab().toImage().save(OpnameBestand(map, QStringLiteral("splash"), taal)));
        }
    }
}

TEST_F(HoofdvensterTest, TheEventLogHoldsTheStartTheSettingsAndTheStop) {
    BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"),
                     QStringLiteral("COM3"));
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    platform::GeheugenLijn* l = lijn.get();
    ZetMSComm1(std::move(lijn));
    mdiK740 venster;
    ASSERT_TRUE(Start(venster, {QStringLiteral("/logfile")}));
    const QString log = LeesTekst(logboek());
    const int start = log.indexOf(Tekst[453]);
    const int gelezen = log.indexOf(Tekst[454] + QStringLiteral(" COM3, 19200, "));
    const int stop = log.indexOf(Tekst[460]);
    EXPECT_GE(start, 0) << log.toStdString();
    EXPECT_GT(gelezen, start);
    EXPECT_GT(stop, gelezen);
    EXPECT_EQ(l->poort(), QStringLiteral("COM3"));
    EXPECT_EQ(l->instellingen(), QStringLiteral("19200,N,8,1"));
    EXPECT_EQ(venster.StatusTekst(1), QStringLiteral("COM3, 19200 bps."));
}

TEST_F(HoofdvensterTest, TheSystemTreeEntryIsVisibleOnlyInFactoryMode) {
    mdiK740 venster;
    bool zichtbaar = false;
    ASSERT_TRUE(
        Start(venster, {QStringLiteral("/t")}, [&] { zichtbaar = venster.mnuNetworkShow()->isVisible(); }));
    EXPECT_TRUE(zichtbaar);
}

// A file named on the command line, started from the folder `start`, with the last file not loaded at
// start-up (so that the command line's file counts): the data file the program then uses.
class CommandoregelBestandTest : public HoofdvensterTest {
protected:
    QString GebruiktBestand(const QString& argument) {
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("LoadOnStartup"),
                         QStringLiteral("False"));
        EXPECT_TRUE(QDir().mkpath(start() + QStringLiteral("/reeks")));
        const QString vorige = QDir::currentPath();
        EXPECT_TRUE(QDir::setCurrent(start()));
        mdiK740 venster;
        QString gebruikt;
        EXPECT_TRUE(Start(venster, {argument, QStringLiteral("/demo")}, [&] { gebruikt = Gegevensbestand; }));
        QDir::setCurrent(vorige);
        EXPECT_TRUE(vragen.empty());
        return QFileInfo(gebruikt).absoluteFilePath();
    }
    QString start() const { return tijdelijkeMap() + QStringLiteral("/werk"); }
};

TEST_F(CommandoregelBestandTest, ANameWithoutAFolderLiesInTheDataFolder) {
    EXPECT_EQ(GebruiktBestand(QStringLiteral("Proef")).toStdString(),
              (documenten() + QStringLiteral("/Quorvex/K740/Data/Proef.csv")).toStdString());
}

TEST_F(CommandoregelBestandTest, ARelativePathIsTakenFromTheFolderTheUserStartedIn) {
    EXPECT_EQ(GebruiktBestand(QStringLiteral("reeks/B.csv")).toStdString(),
              (start() + QStringLiteral("/reeks/B.csv")).toStdString());
}

TEST_F(HoofdvensterTest, EveryStatusPanelShowsItsWholeTextAndTheMessagePanelTakesTheRest) {
    mdiK740 venster;
    venster.resize(667, 467);
    venster.show();
    const QString lang = QStringLiteral("Veuillez patienter jusqu'à ce que tous les racks soient connectés!");
    const std::array<QString, 6> teksten = {QString(),
                                            QStringLiteral("/dev/ttyUSB0, 19200 bps."),
                                            Tekst[150],
                                            lang,
                                            QStringLiteral("00:01:05"),
                                            QStringLiteral("16:39")};
    for (int p = 1; p <= 5; ++p)
        venster.ZetStatusTekst(p, teksten[p]);
    for (int breedte : {667, 560}) {
        venster.resize(breedte, 467);
        QCoreApplication::sendPostedEvents();
        venster.statusBar()->layout()->activate();
        QLabel* bericht = venster.statusBar()->findChild<QLabel*>(QStringLiteral("Message"));
        ASSERT_NE(bericht, nullptr);
        for (const char* naam : {"Settings", "Connect", "Counter", "ConnectionTime"}) {
            auto* paneel = venster.statusBar()->findChild<QLabel*>(QLatin1String(naam));
            ASSERT_NE(paneel, nullptr);
            EXPECT_GE(paneel->contentsRect().width(), paneel->fontMetrics().horizontalAdvance(paneel->text()))
                << naam << " at " << breedte;
            EXPECT_FALSE(paneel->geometry().intersects(bericht->geometry())) << naam;
        }
        // The message panel has the room the others leave.
        EXPECT_GT(bericht->width(), 0);
        EXPECT_LT(venster.statusBar()->width() - bericht->geometry().right(),
                  venster.width() - bericht->width())
            << breedte;
    }
}

TEST_F(HoofdvensterTest, TheFirstDemoStartShowsTheWholeRackOrScrollsToIt) {
    mdiK740 venster;
    ASSERT_TRUE(Start(venster, {QStringLiteral("/demo")}, [&] {
        QWidget* rack = RackKader(1);
        ASSERT_NE(rack, nullptr);
        ASSERT_TRUE(rack->isVisible());
        QCoreApplication::processEvents();
        QMdiArea* gebied = venster.mdiGebied();
        const QRect zicht = gebied->viewport()->rect();
        // As wide as the screen allows, up to the whole rack.
        const QRect scherm = venster.screen()->availableGeometry();
        EXPECT_GE(venster.width(), std::min(rack->width() + 2 * rack->x(), scherm.width() - 16));
        // What lies beyond the area is reached by its scroll bars.
        EXPECT_TRUE(rack->geometry().right() <= zicht.right() || gebied->horizontalScrollBar()->isVisible());
        EXPECT_TRUE(rack->geometry().bottom() <= zicht.bottom() || gebied->verticalScrollBar()->isVisible());
        if (gebied->horizontalScrollBar()->isVisible()) {
            EXPECT_GE(gebied->horizontalScrollBar()->maximum(), rack->geometry().right() - zicht.right());
        }
        // No other window (the rack's table) stands in front of it.
        const QList<QMdiSubWindow*> stapel = gebied->subWindowList(QMdiArea::StackingOrder);
        int voor = 0;
        for (qsizetype i = stapel.indexOf(qobject_cast<QMdiSubWindow*>(rack)) + 1; i < stapel.size(); ++i) {
            if (stapel[i]->isVisible() && stapel[i]->geometry().intersects(rack->geometry())) ++voor;
        }
        EXPECT_EQ(voor, 0);
    }));
}

TEST_F(HoofdvensterTest, OnA1280By800ScreenTheFirstWindowHoldsAWholeRack) {
    mdiK740 venster;
    const QSize maat = venster.StandaardGrootte(QRect(0, 0, 1280, 800));
    EXPECT_LE(maat.width() + 16, 1280);
    EXPECT_LE(maat.height() + 40, 800);
    venster.resize(maat);
    venster.show();
    RackvenstersIn(venster);
    VulVoorbeeldrack(1);
    venster.ToonRackVenster(1);
    QCoreApplication::processEvents();
    QWidget* rack = RackKader(1);
    ASSERT_NE(rack, nullptr);
    EXPECT_TRUE(venster.mdiGebied()->viewport()->rect().contains(rack->geometry()))
        << rack->geometry().width() << "x" << rack->geometry().height() << " in "
        << venster.mdiGebied()->viewport()->width() << "x" << venster.mdiGebied()->viewport()->height();
}

// Rack windows made one after another, as the racks answer a log-on.
class AanmeldvenstersTest : public HoofdvensterTest {
protected:
    void TearDown() override {
        venster.reset();
        HoofdvensterTest::TearDown();
    }
    void Toon(int aantal) {
        venster = std::make_unique<mdiK740>();
        venster->resize(1000, 600);
        venster->show();
        RackvenstersIn(*venster);
        for (int r = 1; r <= aantal; ++r)
            venster->ToonRackVenster(r);
        QCoreApplication::processEvents();
    }
    std::unique_ptr<mdiK740> venster;
};

TEST_F(AanmeldvenstersTest, NarrowRackWindowsStandSideBySide) {
    for (int r = 1; r <= 3; ++r) {
        VulVoorbeeldrack(r);
        for (int m = 3; m <= AantalModules; ++m)
            Racks[r].Modules[m].Present = false;
    }
    Toon(3);
    const QRect zicht = venster->mdiGebied()->viewport()->rect();
    for (int r = 1; r <= 3; ++r) {
        ASSERT_NE(RackKader(r), nullptr);
        ASSERT_NE(RackKader(r), dynamic_cast<QWidget*>(RackVenster(r))); // in the window area
        EXPECT_TRUE(zicht.contains(RackKader(r)->geometry())) << r;
        for (int ander = 1; ander < r; ++ander)
            EXPECT_FALSE(RackKader(r)->geometry().intersects(RackKader(ander)->geometry()))
                << r << " " << ander << " " << RackKader(r)->x() << "," << RackKader(r)->y() << " "
                << RackKader(r)->width() << " " << RackKader(ander)->x() << "," << RackKader(ander)->y()
                << " area " << zicht.width();
    }
}

TEST_F(AanmeldvenstersTest, RackWindowsOpenedByASearchStandSideBySideAsAtTheFirstLogOn) {
    const auto vul = [] {
        for (int r = 1; r <= 2; ++r) {
            VulVoorbeeldrack(r);
            for (int m = 3; m <= AantalModules; ++m)
                Racks[r].Modules[m].Present = false;
        }
    };
    vul();
    Toon(2);
    ASSERT_FALSE(RackKader(2)->geometry().intersects(RackKader(1)->geometry()));
    // System > Search: the windows hide, the racks log on again one after the other. The port is a line in
    // memory, open: the Search opens no port of this computer.
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    ASSERT_TRUE(lijn->open());
    ZetMSComm1(std::move(lijn));
    antwoorden = {vbOK};
    venster->mnuNetworkSearch_Click();
    QCoreApplication::processEvents();
    for (int r = 1; r <= 2; ++r)
        ASSERT_TRUE(RackKader(r) && RackKader(r)->isHidden()) << "rack " << r << "'s window after the Search";
    vul();
    // Each rack as its log-on answer is handled: its configuration read, then its window shown.
    for (int r = 1; r <= 2; ++r) {
        RackVlaggen[r].Show = true;
        LeesRackConfiguratie(r, LeesModusAanmelding);
        venster->ToonRackVenster(r);
    }
    QCoreApplication::processEvents();
    ASSERT_NE(RackKader(1), nullptr);
    ASSERT_NE(RackKader(2), nullptr);
    EXPECT_FALSE(RackKader(2)->geometry().intersects(RackKader(1)->geometry()))
        << RackKader(1)->x() << "," << RackKader(1)->y() << " and " << RackKader(2)->x() << ","
        << RackKader(2)->y();
}

TEST_F(AanmeldvenstersTest, WideRackWindowsLeaveTheTitleOfEveryOtherInSight) {
    for (int r = 1; r <= 4; ++r)
        VulVoorbeeldrack(r);
    Toon(4);
    for (int r = 1; r <= 4; ++r) {
        QWidget* kader = RackKader(r);
        ASSERT_NE(kader, nullptr);
        ASSERT_NE(kader, dynamic_cast<QWidget*>(RackVenster(r))); // in the window area
        EXPECT_GE(kader->x(), 0);
        EXPECT_GE(kader->y(), 0);
        for (int later = r + 1; later <= 4; ++later) {
            auto* binnen = dynamic_cast<QWidget*>(RackVenster(r));
            const QRect titel(kader->geometry().topLeft(),
                              QSize(kader->width(), kader->height() - binnen->height()));
            EXPECT_FALSE(RackKader(later)->geometry().intersects(titel)) << r << " under " << later;
        }
    }
}

// The close request.
class SluitenTest : public HoofdvensterTest {
protected:
    void SetUp() override {
        HoofdvensterTest::SetUp();
        Demo = true;
        LeesSysteemInfo();
        venster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*venster);
        Initialisatie(*venster);
        CommPoort = QStringLiteral("COM1");
        venster->PlaatsAanduidingenCOM();
        MetenActief = true;
        Racks[1].Present = true;
        ConfiguratieGewijzigd = true;
    }
    void TearDown() override {
        venster.reset();
        HoofdvensterTest::TearDown();
    }
    QString Opgeslagen() {
        return LeesInstelling(AppNaam, QStringLiteral("Printer"), QStringLiteral("Fontname"),
                              QStringLiteral("<none>"));
    }
    std::unique_ptr<mdiK740> venster;
};

TEST_F(SluitenTest, YesSavesTheSettingsThenCloses) {
    antwoorden = {vbYes};
    EXPECT_FALSE(venster->MDIForm_QueryUnload(0).cancel);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[183]);
    EXPECT_EQ(vragen[0].stijl, vbQuestion | vbYesNoCancel);
    EXPECT_EQ(vragen[0].titel, Tekst[347] + QLatin1Char(' ') + venster->windowTitle());
    EXPECT_EQ(Opgeslagen(), QStringLiteral("Arial"));
    EXPECT_FALSE(ConfiguratieGewijzigd);
}

TEST_F(SluitenTest, NoClosesWithoutSaving) {
    antwoorden = {vbNo};
    EXPECT_FALSE(venster->MDIForm_QueryUnload(0).cancel);
    EXPECT_EQ(vragen.size(), 1u);
    EXPECT_EQ(Opgeslagen(), QStringLiteral("<none>"));
}

TEST_F(SluitenTest, CancelKeepsTheProgramRunningAndLogging) {
    venster->StartStopVerbinding();
    ASSERT_TRUE(VerbindingActief);
    AantalMetingen = 4;
    antwoorden = {vbCancel};
    EXPECT_TRUE(venster->MDIForm_QueryUnload(0).cancel);
    EXPECT_TRUE(VerbindingActief);
    EXPECT_EQ(AantalMetingen, 4); // a close that did not happen ends no run
}

TEST_F(SluitenTest, ClosingFromCodeAsksNothing) {
    EXPECT_FALSE(venster->MDIForm_QueryUnload(1).cancel);
    EXPECT_TRUE(vragen.empty());
    venster->show();
    ConfiguratieGewijzigd = true;
    venster->SluitVanuitCode();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_TRUE(vragen.empty());
}

TEST_F(SluitenTest, FileExitAsksAboutUnsavedSettingsAsTheCloseBoxDoes) {
    venster->show();
    antwoorden = {vbCancel};
    venster->mnuFileExit_Click();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[183]);
    EXPECT_FALSE(ProgrammaBeeindigd);
    EXPECT_TRUE(venster->isVisible());

    antwoorden = {vbYes};
    venster->mnuFileExit_Click();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_NE(Opgeslagen(), QStringLiteral("<none>"));
}

TEST_F(SluitenTest, ClosingWhileLoggingWritesOneStopRowAndKeepsLoggingOn) {
    ConfiguratieGewijzigd = false;
    venster->StartStopVerbinding();
    AantalMetingen = 10;
    venster->MDIForm_QueryUnload(0);
    EXPECT_EQ(AantalMetingen, 11);
    EXPECT_TRUE(VerbindingActief);
    EXPECT_TRUE(vragen.empty());
}

TEST_F(SluitenTest, PendingEditsAskYesNoCancelAtCloseAndAtTheStartOfLogging) {
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    const QString werkkopie = bestand + QStringLiteral(".new");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(werkkopie).absolutePath()));
    QFile f(werkkopie);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    RackVlaggen[1].Show = true;
    OpnameRackvenster rackvenster;
    ZetRackVenster(1, &rackvenster);

    // No answer given: the box closed by its title bar.
    const bool cancel = venster->MDIForm_QueryUnload(0).cancel;
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[424]);
    EXPECT_EQ(vragen[0].stijl, vbYesNoCancel | vbExclamation);
    EXPECT_EQ(vragen[0].titel, bestand);
    EXPECT_TRUE(cancel); // the close stops: no settings question, no window unloaded
    EXPECT_EQ(rackvenster.aantalKeerOntladen, 0);
    EXPECT_TRUE(QFile::exists(werkkopie));

    vragen.clear();
    antwoorden = {vbCancel};
    venster->StartStopVerbinding();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[424]);
    EXPECT_EQ(vragen[0].stijl, vbYesNoCancel | vbExclamation);
    EXPECT_FALSE(VerbindingActief);
    EXPECT_TRUE(QFile::exists(werkkopie));
}

TEST_F(SluitenTest, ARackWindowShownIsUnloadedOnClose) {
    RackVlaggen[1].Show = true;
    OpnameRackvenster rackvenster;
    ZetRackVenster(1, &rackvenster);
    antwoorden = {vbNo};
    venster->MDIForm_QueryUnload(0);
    EXPECT_EQ(rackvenster.aantalKeerOntladen, 1);
}

TEST_F(SluitenTest, ACloseWhileAMessageBoxWaitsFollowsTheAnswerAndKeepsTheWindowsAsTheyAre) {
    RackVlaggen[1].Show = true;
    // A rack window that, unloaded, is no longer shown.
    struct Rackvenster : OpnameRackvenster {
        void Ontlaad() override {
            RackVlaggen[rack].Show = false;
            OpnameRackvenster::Ontlaad();
        }
    } rackvenster;
    ZetRackVenster(1, &rackvenster);
    venster->show();
    bool zichtbaarBijBox = false, beeindigdBijBox = true;
    OpnameMelding box;
    box.beantwoord = [&](const Vraag& v) {
        if (v.tekst == Tekst[184]) {
            // The user closes the main window while "Settings saved!" waits.
            venster->close();
            QCoreApplication::processEvents();
            zichtbaarBijBox = venster->isVisible();
            beeindigdBijBox = ProgrammaBeeindigd;
        }
        return StandaardAntwoord(v.stijl);
    };
    ZetMeldingVenster(&box);
    venster->ZetKnoppen();
    ASSERT_TRUE(venster->knopBewaarInstellingen()->isEnabled());
    venster->knopBewaarInstellingen()->trigger();
    ASSERT_EQ(box.vragen.size(), 1u);
    EXPECT_TRUE(zichtbaarBijBox);
    EXPECT_FALSE(beeindigdBijBox);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_FALSE(venster->isVisible());
    // The rack configuration holds the rack window as it was shown when the settings were saved.
    const QString rcf = RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"));
    EXPECT_TRUE(LeesTekst(rcf).contains(QStringLiteral("Show=True"))) << LeesTekst(rcf).toStdString();
}

TEST_F(SluitenTest, ResizingMarksTheConfigurationChanged) {
    ConfiguratieGewijzigd = false;
    mdiK740 ander;
    bool geladen = false;
    klok().planIn(2500, [&] {
        geladen = true;
        ConfiguratieGewijzigd = false;
        ander.resize(ander.width() + 40, ander.height());
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(ConfiguratieGewijzigd);
        EXPECT_TRUE(ander.knopBewaarInstellingen()->isEnabled());
        antwoorden = {vbNo};
        ander.MDIForm_QueryUnload(0);
        ander.MDIForm_Unload();
    });
    venster.reset();
    const Installatie installatie(ander);
    InstalleerMeldingen();
    ASSERT_TRUE(ander.MDIForm_Load({QStringLiteral("/demo")}));
    EXPECT_TRUE(geladen);
    EXPECT_EQ(vragen.size(), 1u);
}

// A second start while one copy runs: the running copy comes to the front, the new one ends without
// touching the port or the event log. The second copy is this test program run again. Both have a
// temporary folder whose path is longer than a socket's address can hold.
const char* const TweedeKopieSleutel = "K740_TWEEDE_KOPIE";
// The group and passwd files the second copy reads ("": the system's accounts).
const char* const GroepenSleutel = "K740_GROEPEN";
const char* const AccountsSleutel = "K740_ACCOUNTS";
// The role of another process of this test program (AnderProcesAlsKopie.Draait), and the user it runs as.
const char* const RolSleutel = "K740_ANDER_PROCES";
const char* const GebruikerSleutel = "K740_ANDER_GEBRUIKER";
// A user other than the one the tests run as, and a group of other users.
constexpr uid_t AndereGebruiker = 65534;
constexpr gid_t AndereGroep = 65534;

// This test program run again in a role, waited for in real time while this one's events are pumped.
class AnderProces {
public:
    AnderProces(const QString& filter, const std::map<QString, QString>& omgeving) {
        QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
        for (const auto& [sleutel, waarde] : omgeving)
            o.insert(sleutel, waarde);
        // A process that left its user cannot look for leaks at its end.
        o.insert(QStringLiteral("ASAN_OPTIONS"),
                 o.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
        m_proces.setProcessEnvironment(o);
        m_proces.setProcessChannelMode(QProcess::MergedChannels);
        // Not the folder an earlier test made current, which may be gone.
        m_proces.setWorkingDirectory(QCoreApplication::applicationDirPath());
        m_proces.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + filter});
        m_proces.waitForStarted(10000);
    }
    ~AnderProces() {
        if (m_proces.state() == QProcess::NotRunning) return;
        m_proces.kill();
        m_proces.waitForFinished(5000);
    }
    // Waits until its output holds `tekst`, or it ended, or 30 s passed.
    bool WachtOp(const QString& tekst) {
        const QDeadlineTimer termijn(30000);
        while (!m_uitvoer.contains(tekst) && m_proces.state() != QProcess::NotRunning &&
               !termijn.hasExpired()) {
            QCoreApplication::processEvents();
            m_proces.waitForReadyRead(20);
            m_uitvoer += QString::fromLocal8Bit(m_proces.readAll());
        }
        if (!m_uitvoer.contains(tekst))
            ADD_FAILURE() << "no \"" << tekst.toStdString() << "\" in:\n" << m_uitvoer.toStdString();
        return m_uitvoer.contains(tekst);
    }
    // Its input closed, which ends a process that waits for that; its whole output once it ended, within
    // 30 s.
    QString Einde() {
        m_proces.closeWriteChannel();
        const QDeadlineTimer termijn(30000);
        while (m_proces.state() != QProcess::NotRunning && !termijn.hasExpired()) {
            QCoreApplication::processEvents();
            m_proces.waitForFinished(20);
        }
        QCoreApplication::processEvents();
        m_uitvoer += QString::fromLocal8Bit(m_proces.readAll());
        if (m_proces.state() != QProcess::NotRunning) ADD_FAILURE() << "still running after 30 s";
        return m_uitvoer;
    }
    bool Geslaagd() {
        const QString uitvoer = Einde();
        EXPECT_EQ(m_proces.exitCode(), 0) << uitvoer.toStdString();
        return m_proces.exitStatus() == QProcess::NormalExit && m_proces.exitCode() == 0 &&
               uitvoer.contains(QStringLiteral("[  PASSED  ] 1 test"));
    }

private:
    QProcess m_proces;
    QString m_uitvoer;
};

// A second start of this user, in the temporary folder `tmp`: it must be refused. It reads the accounts
// of the group and passwd files given, or the system's.
void TweedeStart(const QString& tmp, const QString& groepen = {}, const QString& accounts = {}) {
    AnderProces kopie(QStringLiteral("TweedeStartAlsKopie.TheStartIsRefused"),
                      {{QString::fromLatin1(TweedeKopieSleutel), tmp},
                       {QString::fromLatin1(GroepenSleutel), groepen},
                       {QString::fromLatin1(AccountsSleutel), accounts}});
    EXPECT_TRUE(kopie.Geslaagd()) << "the second start";
}

// Another user's process (only where the tests may take another user).
std::optional<AnderProces> VanAndereGebruiker(const QString& rol) {
    if (geteuid() != 0) return std::nullopt;
    return std::make_optional<AnderProces>(QStringLiteral("AnderProcesAlsKopie.Draait"),
                                           std::map<QString, QString>{{QString::fromLatin1(RolSleutel), rol},
                                                                      {QString::fromLatin1(GebruikerSleutel),
                                                                       QString::number(AndereGebruiker)}});
}

// Only copies of one user and one configuration reach each other. A copy of another configuration (its
// own temporary folder) runs beside this one and is never brought to the front by this one's second
// start; another user's process that connects to this copy's name brings nothing to the front.
TEST_F(HoofdvensterTest, ASecondCopyIsRefused) {
    const QString tmp = tijdelijkeMap() + QLatin1Char('/') + QString(110, QLatin1Char('x'));
    const QString tmpAnder = tijdelijkeMap() + QLatin1Char('/') + QString(110, QLatin1Char('y'));
    ASSERT_TRUE(QDir().mkpath(tmp));
    ASSERT_TRUE(QDir().mkpath(tmpAnder));
    // Each its user's own, whatever the umask: the lock lies in it.
    ASSERT_EQ(chmod(QFile::encodeName(tmp).constData(), 0700), 0);
    ASSERT_EQ(chmod(QFile::encodeName(tmpAnder).constData(), 0700), 0);
    AnderProces anderKopie(
        QStringLiteral("AnderProcesAlsKopie.Draait"),
        {{QString::fromLatin1(RolSleutel), QStringLiteral("kopie")}, {QStringLiteral("TMPDIR"), tmpAnder}});
    ASSERT_TRUE(anderKopie.WachtOp(QStringLiteral("luistert")));

    qputenv("TMPDIR", QFile::encodeName(tmp));
    int geactiveerd = 0;
    ASSERT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), [&] { ++geactiveerd; }));
    EXPECT_EQ(platform::InstantieLuisterfout().toStdString(), "");

    if (auto vreemd = VanAndereGebruiker(QStringLiteral("verbind:") +
                                         platform::InstantieNaam(QStringLiteral("K740")))) {
        EXPECT_TRUE(vreemd->Geslaagd()) << "another user's connection";
        EXPECT_EQ(geactiveerd, 0) << "another user brought the copy to the front";
    }

    TweedeStart(tmp);
    EXPECT_EQ(geactiveerd, 1);
    EXPECT_TRUE(anderKopie.Einde().contains(QStringLiteral("geactiveerd=0")))
        << "the copy of the other configuration came to the front";
}

// A name another user took before the program started: the program runs, its event log says that it
// cannot be reached, and the user's second start is refused without a word to the other user's process.
TEST_F(HoofdvensterTest, ANameAnotherUserHoldsIsNeverTakenForTheRunningCopy) {
    auto vreemd =
        VanAndereGebruiker(QStringLiteral("luister:") + platform::InstantieNaam(QStringLiteral("K740")));
    if (!vreemd) GTEST_SKIP() << "another user can only be taken as root";
    ASSERT_TRUE(vreemd->WachtOp(QStringLiteral("luistert")));
    mdiK740 venster;
    ASSERT_TRUE(Start(venster, {QStringLiteral("/logfile")}, [&] { TweedeStart(tijdelijkeMap()); }));
    const QString uitvoer = vreemd->Einde();
    EXPECT_TRUE(uitvoer.contains(QStringLiteral("ontvangen=0"))) << uitvoer.toStdString();
    const QString log = LeesTekst(logboek());
    EXPECT_TRUE(
        log.contains(Tekst[299] + QStringLiteral(": ") + platform::InstantieNaam(QStringLiteral("K740"))))
        << log.toStdString();
}

// The lock that tells that a copy runs, where the temporary folder is shared with other users (mode
// 1777, as /tmp). Another user (uid 65534) has put files, locks of its live process, folders and links
// wherever it can: at the place the lock took before ("<tmp>/K740-<user>.lock"), at the folder of the
// lock's name in the shared folder ("<tmp>/K740-<uid>"), and in folders of its own given as this user's
// runtime or configuration folder. The program starts all the same, its lock lies in a folder only its user
// can write in, a second start of that user is refused and brings the first copy to the front, and nothing
// the other user made is changed. In the steps of each case "%T" is the case's folder, "%S" the shared
// temporary folder, "%A" a folder of the other user's, "%U" this user's name and "%I" this user's uid;
// each step is "bestand:<path>" (a file of text), "slot:<path>" (a lock its live process holds),
// "map<mode>:<path>" (a folder of that mode), "groep:<path>" (its group made one of other users) or
// "link:<path>><target>".
struct Slotplaats {
    const char* naam;
    // What this user makes first, and then the other user.
    const char* eigen;
    const char* vreemd;
    // $XDG_RUNTIME_DIR ("": not set) and $XDG_CONFIG_HOME.
    const char* runtime;
    const char* configuratie;
    // The folder that holds the lock; "": none can, and the copy runs without one.
    const char* slotmap;
};

// Every folder on the way to `map` (not `map` itself) may be entered by any user.
bool VoorIedereenBereikbaar(const QString& map) {
    for (QString pad = QFileInfo(map).absolutePath();; pad = QFileInfo(pad).path()) {
        struct stat st {};
        if (stat(QFile::encodeName(pad).constData(), &st) != 0 || (st.st_mode & S_IXOTH) == 0) return false;
        if (pad == QFileInfo(pad).path()) return true;
    }
}

class GedeeldeTijdelijkeMapTest : public HoofdvensterTest, public testing::WithParamInterface<Slotplaats> {
protected:
    void SetUp() override {
        HoofdvensterTest::SetUp();
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_configuratie = qgetenv("XDG_CONFIG_HOME");
        // The case's folders lie where the other user can reach them: in the test's folder, or where that
        // lies in a private one (a $TMPDIR in the home folder), in a folder of its own in the system's
        // shared temporary folders.
        for (const QString& basis :
             {tijdelijkeMap(), QStringLiteral("/tmp/K740-XXXXXX"), QStringLiteral("/dev/shm/K740-XXXXXX"),
              QStringLiteral("/var/tmp/K740-XXXXXX")}) {
            if (!VoorIedereenBereikbaar(basis)) continue;
            if (basis == tijdelijkeMap()) {
                m_bereikbaar = basis;
                break;
            }
            m_eigenMap = std::make_unique<QTemporaryDir>(basis);
            if (!m_eigenMap->isValid()) continue;
            m_bereikbaar = m_eigenMap->path();
            break;
        }
    }
    void TearDown() override {
        const auto zet = [](const char* sleutel, const QByteArray& waarde) {
            if (waarde.isEmpty())
                qunsetenv(sleutel);
            else
                qputenv(sleutel, waarde);
        };
        zet("XDG_RUNTIME_DIR", m_runtime);
        zet("XDG_CONFIG_HOME", m_configuratie);
        HoofdvensterTest::TearDown();
    }
    QString Pad(QString stap) const {
        return stap.replace(QStringLiteral("%T"), m_bereikbaar)
            .replace(QStringLiteral("%S"), gedeeld())
            .replace(QStringLiteral("%A"), m_bereikbaar + QStringLiteral("/ander"))
            .replace(QStringLiteral("%U"), platform::GebruikersNaam())
            .replace(QStringLiteral("%I"), QString::number(geteuid()));
    }
    QString gedeeld() const { return m_bereikbaar + QStringLiteral("/tmp"); }
    // The case's folder ("%T"), which holds the shared folder and the other user's folder; empty when
    // the other user can reach none.
    QString m_bereikbaar;

private:
    QByteArray m_runtime;
    QByteArray m_configuratie;
    std::unique_ptr<QTemporaryDir> m_eigenMap;
};

// The mode bits of a path itself (a link is not followed), or -1.
int Modus(const QString& pad) {
    struct stat st {};
    if (lstat(QFile::encodeName(pad).constData(), &st) != 0) return -1;
    return static_cast<int>(st.st_mode & 07777);
}

// Makes what one step of a case names; false (and why on the output) when it cannot.
bool Maak(const QString& stap, std::vector<std::unique_ptr<QLockFile>>& sloten) {
    const QString soort = stap.section(QLatin1Char(':'), 0, 0);
    const QString pad = stap.section(QLatin1Char(':'), 1);
    const QByteArray p = QFile::encodeName(pad);
    bool gelukt = false;
    if (soort == QLatin1String("bestand")) {
        QFile f(pad);
        gelukt = f.open(QIODevice::WriteOnly) && f.write("not a lock\n") > 0;
    } else if (soort == QLatin1String("slot")) {
        sloten.push_back(std::make_unique<QLockFile>(pad));
        sloten.back()->setStaleLockTime(0);
        gelukt = sloten.back()->tryLock(0);
    } else if (soort.startsWith(QLatin1String("map"))) {
        const auto modus = static_cast<mode_t>(soort.mid(3).toUInt(nullptr, 8));
        gelukt = mkdir(p.constData(), 0700) == 0 && chmod(p.constData(), modus) == 0;
    } else if (soort == QLatin1String("groep")) {
        gelukt = chown(p.constData(), static_cast<uid_t>(-1), AndereGroep) == 0;
    } else if (soort == QLatin1String("link")) {
        gelukt = symlink(QFile::encodeName(pad.section(QLatin1Char('>'), 1)).constData(),
                         QFile::encodeName(pad.section(QLatin1Char('>'), 0, 0)).constData()) == 0;
    }
    if (!gelukt) std::printf("cannot make %s\n", qPrintable(stap));
    return gelukt;
}

// What one step made, as it was made: the same mode, the file's text, the lock held.
bool AlsGemaakt(const QString& stap, const std::vector<std::unique_ptr<QLockFile>>& sloten) {
    const QString soort = stap.section(QLatin1Char(':'), 0, 0);
    const QString pad = stap.section(QLatin1Char(':'), 1);
    if (soort == QLatin1String("bestand")) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) && f.readAll() == "not a lock\n";
    }
    if (soort == QLatin1String("slot")) {
        for (const auto& s : sloten)
            if (s->fileName() == pad) return s->isLocked() && QFileInfo::exists(pad);
        return false;
    }
    if (soort.startsWith(QLatin1String("map")))
        return Modus(pad) == static_cast<int>(soort.mid(3).toUInt(nullptr, 8)) && QFileInfo(pad).isDir();
    if (soort == QLatin1String("groep")) {
        struct stat st {};
        return lstat(QFile::encodeName(pad).constData(), &st) == 0 && st.st_gid == AndereGroep;
    }
    if (soort == QLatin1String("link"))
        return QFileInfo(pad.section(QLatin1Char('>'), 0, 0)).symLinkTarget() ==
               QFileInfo(pad.section(QLatin1Char('>'), 1)).absoluteFilePath();
    return false;
}

TEST_P(GedeeldeTijdelijkeMapTest, NoOtherUserKeepsTheProgramFromStarting) {
    const Slotplaats& plaats = GetParam();
    if (geteuid() != 0) GTEST_SKIP() << "another user can only be taken as root";
    if (m_bereikbaar.isEmpty())
        GTEST_SKIP() << "no folder another user can reach: neither the test's folder nor /tmp, /dev/shm or "
                        "/var/tmp lies in folders every user may enter";
    // The other user reaches the shared folder and a folder of its own.
    ASSERT_EQ(chmod(QFile::encodeName(m_bereikbaar).constData(), 0711), 0);
    ASSERT_EQ(mkdir(QFile::encodeName(gedeeld()).constData(), 0700), 0);
    ASSERT_EQ(chmod(QFile::encodeName(gedeeld()).constData(), 01777), 0);
    const QByteArray ander = QFile::encodeName(Pad(QStringLiteral("%A")));
    ASSERT_EQ(mkdir(ander.constData(), 0755), 0);
    ASSERT_EQ(chown(ander.constData(), AndereGebruiker, AndereGebruiker), 0);
    qputenv("TMPDIR", QFile::encodeName(gedeeld()));
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Pad(QString::fromUtf8(plaats.configuratie))));

    std::vector<std::unique_ptr<QLockFile>> sloten;
    const QStringList eigen = Pad(QString::fromUtf8(plaats.eigen)).split(u'|', Qt::SkipEmptyParts);
    for (const QString& stap : eigen)
        ASSERT_TRUE(Maak(stap, sloten)) << stap.toStdString();
    auto vreemd = VanAndereGebruiker(QStringLiteral("maak:") + Pad(QString::fromUtf8(plaats.vreemd)));
    ASSERT_TRUE(vreemd);
    ASSERT_TRUE(vreemd->WachtOp(QStringLiteral("gemaakt")));
    // Only now: a process of this test program that starts as this user makes a runtime folder that is
    // not there yet.
    if (*plaats.runtime)
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Pad(QString::fromUtf8(plaats.runtime))));

    int geactiveerd = 0;
    ASSERT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), [&] { ++geactiveerd; }))
        << "the start was refused";
    const QString slotmap = Pad(QString::fromUtf8(plaats.slotmap));
    if (slotmap.isEmpty()) {
        EXPECT_TRUE(platform::InstantieLuisterfout().contains(QStringLiteral("no folder")))
            << platform::InstantieLuisterfout().toStdString();
    } else {
        EXPECT_EQ(platform::InstantieLuisterfout().toStdString(), "");
        const QString slot =
            slotmap + QStringLiteral("/K740-") + platform::GebruikersNaam() + QStringLiteral(".lock");
        EXPECT_TRUE(QFileInfo::exists(slot)) << "no lock at " << slot.toStdString();
        EXPECT_EQ(Modus(slotmap) & 022, 0);
        TweedeStart(gedeeld());
        EXPECT_EQ(geactiveerd, 1) << "the second start did not bring the first copy to the front";
    }
    platform::GeefInstantieVrij();
    const QString uitvoer = vreemd->Einde();
    EXPECT_TRUE(uitvoer.contains(QStringLiteral("veranderd=0"))) << uitvoer.toStdString();
    for (const QString& stap : eigen)
        EXPECT_TRUE(AlsGemaakt(stap, sloten)) << "changed: " << stap.toStdString();
}

void PrintTo(const Slotplaats& plaats, std::ostream* uit) {
    *uit << plaats.naam;
}

const Slotplaats Slotplaatsen[] = {
    {"FilesAtEveryPlaceOfTheSharedFolder", "",
     "bestand:%S/K740-%U.lock|map755:%S/K740-%I|bestand:%S/K740-%I/K740-%U.lock", "", "%T/config",
     "%T/config/K740"},
    {"LiveLocksAtEveryPlaceOfTheSharedFolder", "",
     "slot:%S/K740-%U.lock|map777:%S/K740-%I|slot:%S/K740-%I/K740-%U.lock", "", "%T/config",
     "%T/config/K740"},
    {"AFolderOfTheLocksNameThatOthersMayWriteIn", "map777:%S/K740-%I",
     "slot:%S/K740-%I/K740-%U.lock|slot:%S/K740-%U.lock", "", "%T/config", "%T/config/K740"},
    {"ALinkToAFolderOfThisUserInPlaceOfTheFolder", "map700:%T/eigen|bestand:%T/eigen/K740-%U.lock",
     "link:%S/K740-%I>%T/eigen|slot:%S/K740-%U.lock", "", "%T/config", "%T/config/K740"},
    {"ARuntimeFolderOfAnotherUser", "", "map700:%A/run|slot:%A/run/K740-%U.lock|slot:%S/K740-%U.lock",
     "%A/run", "%T/config", "%S/K740-%I"},
    {"ARuntimeFolderThatOthersMayWriteIn", "map777:%T/run", "slot:%T/run/K740-%U.lock|slot:%S/K740-%U.lock",
     "%T/run", "%T/config", "%S/K740-%I"},
    {"TheRuntimeFolderOfThisUser", "map700:%T/run",
     "slot:%S/K740-%U.lock|map777:%S/K740-%I|slot:%S/K740-%I/K740-%U.lock", "%T/run", "%T/config", "%T/run"},
    {"NoFolderOfThisUsersOwn", "", "map777:%S/K740-%I|slot:%S/K740-%U.lock|map755:%A/config", "", "%A/config",
     ""},
};

INSTANTIATE_TEST_SUITE_P(, GedeeldeTijdelijkeMapTest, testing::ValuesIn(Slotplaatsen),
                         [](const testing::TestParamInfo<Slotplaats>& p) {
                             return std::string(p.param.naam);
                         });

// The lock's folder for a user alone, where no other user takes part, under a umask of 002 (the default
// where every user has a group of their own: the folders the user makes can be written by that group).
// The temporary folder (a link to it is followed) holds the lock only when no one but the user can write
// in it; a folder the program makes for the lock, and the folders on the way to it, are the user's alone;
// the settings store's folder of the user's own group is kept for the user alone; a folder a group of
// others, or everyone, may write in is not taken. The program starts, a second start of the user is
// refused, and nothing the case made is changed but what it names. "%T" is the test's folder, "%I" and
// the steps as above; $XDG_RUNTIME_DIR is not set. Each case runs with the accounts of each table below.
struct EigenSlotplaats {
    const char* naam;
    const char* eigen;
    const char* tijdelijk;
    const char* configuratie;
    // The folder that holds the lock ("": none can) where the user's primary group is the user's alone,
    // and where it is not.
    const char* slotmap;
    const char* slotmapZonderEigenGroep;
    // A folder of the steps that the program changes, and its mode then (where the group is the user's).
    const char* veranderd;
    int veranderdModus;
};

// The accounts the program reads: the lines of a group file and a passwd file, where "%U" is the user's
// name, "%I" the user's uid, "%G" the user's primary gid, and "%J" and "%H" another uid and gid; or
// none, the system's own accounts. Whether the user's primary group is then the user's own.
struct Accounttabel {
    const char* naam;
    const char* groepen;
    const char* accounts;
    bool eigenGroep;
};

void PrintTo(const EigenSlotplaats& plaats, std::ostream* uit) {
    *uit << plaats.naam;
}

void PrintTo(const Accounttabel& tabel, std::ostream* uit) {
    *uit << tabel.naam;
}

const Accounttabel Accounttabellen[] = {
    // No other account has the group as its own, and its entries list only the user: one under the
    // user's name, one under another name; the user is in another group of others too.
    {"TheGroupIsTheUsersAlone", "%U:x:%G:\nstaff:x:%H:k740-ander,%U\nalias:x:%G:%U\n",
     "%U:x:%I:%G::/:/bin/sh\nk740-ander:x:%J:%H::/:/bin/sh\n", true},
    // A second entry of the gid, under another name, lists another account.
    {"AnotherNameOfTheGroupListsAnotherAccount", "%U:x:%G:\nalias:x:%G:k740-ander\n",
     "%U:x:%I:%G::/:/bin/sh\nk740-ander:x:%J:%H::/:/bin/sh\n", false},
    // Another account has the group as its own; no entry lists it.
    {"AnotherAccountHasTheGroupAsItsOwn", "%U:x:%G:\n",
     "%U:x:%I:%G::/:/bin/sh\nk740-ander:x:%J:%G::/:/bin/sh\n", false},
    // The user's account is not listed (as by a directory service that lists none of its accounts).
    {"TheUsersAccountIsNotListed", "%U:x:%G:\n", "k740-ander:x:%J:%H::/:/bin/sh\n", false},
    // No group entry lists the user's primary gid (as a directory service that lists none of its
    // groups): no other account has it and no entry names another member, but the group is not seen.
    {"TheUsersGroupIsNotListed", "staff:x:%H:k740-ander,%U\n",
     "%U:x:%I:%G::/:/bin/sh\nk740-ander:x:%J:%H::/:/bin/sh\n", false},
    // The system's own accounts, through its name service; what they make of the group the test reads in
    // /etc/passwd and /etc/group.
    {"TheSystemsAccounts", nullptr, nullptr, false},
};

// The lines of one of the system's account files, each split at its colons.
std::vector<QList<QByteArray>> Accountregels(const QString& pad) {
    std::vector<QList<QByteArray>> regels;
    QFile f(pad);
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& regel : f.readAll().split('\n'))
            if (!regel.isEmpty() && !regel.startsWith('#')) regels.push_back(regel.split(':'));
    return regels;
}

// Whether the system's account files, read as text, make the user's primary group the user's own: no
// other line of /etc/passwd has it as its own, and no line of /etc/group with its gid lists another
// name. Nothing where /etc/passwd has no line of the user's.
std::optional<bool> EigenGroepVolgensAccountbestanden() {
    const QByteArray uid = QByteArray::number(geteuid());
    const auto accounts = Accountregels(QStringLiteral("/etc/passwd"));
    const auto eigen = std::find_if(accounts.begin(), accounts.end(),
                                    [&](const QList<QByteArray>& r) { return r.size() >= 4 && r[2] == uid; });
    if (eigen == accounts.end()) return std::nullopt;
    const QByteArray gid = eigen->at(3);
    for (const auto& r : accounts)
        if (r.size() >= 4 && r[3] == gid && r[2] != uid) return false;
    bool gezien = false;
    for (const auto& r : Accountregels(QStringLiteral("/etc/group"))) {
        if (r.size() < 4 || r[2] != gid) continue;
        gezien = true;
        for (const QByteArray& lid : r[3].split(','))
            if (!lid.isEmpty() && lid != eigen->at(0)) return false;
    }
    return gezien;
}

class EigenSlotmapTest : public HoofdvensterTest,
                         public testing::WithParamInterface<std::tuple<EigenSlotplaats, Accounttabel>> {
protected:
    void SetUp() override {
        HoofdvensterTest::SetUp();
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_configuratie = qgetenv("XDG_CONFIG_HOME");
        m_umask = umask(002);
    }
    void TearDown() override {
        platform::ZetAccountbestanden({}, {});
        umask(m_umask);
        const auto zet = [](const char* sleutel, const QByteArray& waarde) {
            if (waarde.isEmpty())
                qunsetenv(sleutel);
            else
                qputenv(sleutel, waarde);
        };
        zet("XDG_RUNTIME_DIR", m_runtime);
        zet("XDG_CONFIG_HOME", m_configuratie);
        HoofdvensterTest::TearDown();
    }
    QString Pad(QString stap) const {
        return stap.replace(QStringLiteral("%T"), tijdelijkeMap())
            .replace(QStringLiteral("%I"), QString::number(geteuid()));
    }
    // The table's account file `naam` in the test's folder; empty for the system's accounts.
    QString Accountbestand(const char* regels, const QString& naam) const {
        if (!regels) return {};
        const QString pad = tijdelijkeMap() + QLatin1Char('/') + naam;
        QFile f(pad);
        const QString tekst = QString::fromUtf8(regels)
                                  .replace(QStringLiteral("%U"), platform::GebruikersNaam())
                                  .replace(QStringLiteral("%I"), QString::number(geteuid()))
                                  .replace(QStringLiteral("%J"), QString::number(geteuid() + 1))
                                  .replace(QStringLiteral("%G"), QString::number(getegid()))
                                  .replace(QStringLiteral("%H"), QString::number(getegid() + 1));
        if (!f.open(QIODevice::WriteOnly) || f.write(tekst.toUtf8()) < 0)
            ADD_FAILURE() << "cannot write " << pad.toStdString();
        return pad;
    }

private:
    QByteArray m_runtime;
    QByteArray m_configuratie;
    mode_t m_umask = 022;
};

TEST_P(EigenSlotmapTest, TheLockLiesInAFolderOnlyTheUserCanWriteIn) {
    const auto& [plaats, tabel] = GetParam();
    bool eigenGroep = tabel.eigenGroep;
    if (!tabel.groepen) {
        const std::optional<bool> volgensBestanden = EigenGroepVolgensAccountbestanden();
        if (!volgensBestanden) GTEST_SKIP() << "/etc/passwd does not list the user's account";
        eigenGroep = *volgensBestanden;
    }
    const QString groepen = Accountbestand(tabel.groepen, QStringLiteral("group"));
    const QString accounts = Accountbestand(tabel.accounts, QStringLiteral("passwd"));
    platform::ZetAccountbestanden(groepen, accounts);
    const QStringList eigen = Pad(QString::fromUtf8(plaats.eigen)).split(u'|', Qt::SkipEmptyParts);
    std::vector<std::unique_ptr<QLockFile>> sloten;
    for (const QString& stap : eigen) {
        if (stap.startsWith(QLatin1String("groep:")) && geteuid() != 0)
            GTEST_SKIP() << "a folder can be given to a group of other users only as root";
        ASSERT_TRUE(Maak(stap, sloten)) << stap.toStdString();
    }
    const QString tmp = Pad(QString::fromUtf8(plaats.tijdelijk));
    qputenv("TMPDIR", QFile::encodeName(tmp));
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Pad(QString::fromUtf8(plaats.configuratie))));

    int geactiveerd = 0;
    ASSERT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), [&] { ++geactiveerd; }))
        << "the start was refused";
    const QString slotmap =
        Pad(QString::fromUtf8(eigenGroep ? plaats.slotmap : plaats.slotmapZonderEigenGroep));
    if (slotmap.isEmpty()) {
        EXPECT_TRUE(platform::InstantieLuisterfout().contains(QStringLiteral("no folder")))
            << platform::InstantieLuisterfout().toStdString();
    } else {
        EXPECT_EQ(platform::InstantieLuisterfout().toStdString(), "");
        const QString slot =
            slotmap + QStringLiteral("/K740-") + platform::GebruikersNaam() + QStringLiteral(".lock");
        // Without it there, a second start would not find the first copy.
        ASSERT_TRUE(QFileInfo::exists(slot))
            << "no lock at " << slot.toStdString() << " (the user's primary group "
            << (eigenGroep ? "is" : "is not") << " the user's own)";
        // The lock's folder, and every folder the program made on the way to it, only the user can write in.
        for (QString map = slotmap; map.startsWith(tijdelijkeMap() + QLatin1Char('/'));
             map = QFileInfo(map).path()) {
            const bool gemaakt = std::any_of(eigen.begin(), eigen.end(), [&](const QString& stap) {
                return stap.section(QLatin1Char(':'), 1).section(QLatin1Char('>'), 0, 0) == map;
            });
            if (map == slotmap || !gemaakt) {
                EXPECT_EQ(Modus(map) & 022, 0)
                    << map.toStdString() << " can be written by others: " << std::oct << Modus(map);
            }
        }
        TweedeStart(tmp, groepen, accounts);
        EXPECT_EQ(geactiveerd, 1) << "the second start did not bring the first copy to the front";
    }
    platform::GeefInstantieVrij();
    const QString veranderd = Pad(QString::fromUtf8(plaats.veranderd));
    if (!veranderd.isEmpty() && eigenGroep) {
        EXPECT_EQ(Modus(veranderd), plaats.veranderdModus) << veranderd.toStdString();
    }
    for (const QString& stap : eigen)
        if (!eigenGroep || stap.section(QLatin1Char(':'), 1) != veranderd) {
            EXPECT_TRUE(AlsGemaakt(stap, sloten)) << "changed: " << stap.toStdString();
        }
}

const EigenSlotplaats EigenSlotplaatsen[] = {
    // A temporary folder the user made: its group may write in it. The program's folder in it, or else
    // its settings folder, holds the lock; the temporary folder stays as it is.
    {"ATemporaryFolderItsGroupMayWriteIn", "map775:%T/tmp", "%T/tmp", "%T/config", "%T/tmp/K740-%I",
     "%T/config/K740", "", 0},
    // Every user may write in the temporary folder: the settings folder, and the folders on the way to
    // it, are made for the user alone.
    {"TheSettingsFolderMadeOnTheWay", "map777:%T/tmp", "%T/tmp", "%T/home/.config", "%T/home/.config/K740",
     "%T/home/.config/K740", "", 0},
    // The settings store made its folder before, under the umask: kept for the user alone where the
    // group is the user's own.
    {"TheSettingsFolderTheSettingsStoreMade", "map777:%T/tmp|map775:%T/config|map775:%T/config/K740",
     "%T/tmp", "%T/config", "%T/config/K740", "", "%T/config/K740", 0755},
    // A group of other users may write in the settings folder: not taken, and left as it is.
    {"ASettingsFolderAGroupOfOthersMayWriteIn",
     "map777:%T/tmp|map775:%T/config|map775:%T/config/K740|groep:%T/config/K740", "%T/tmp", "%T/config", "",
     "", "", 0},
    // A temporary folder given as a link: the link is followed, and the folder it leads to is checked.
    {"ALinkToAFolderOnlyTheUserCanWriteIn", "map700:%T/eigen|link:%T/tmp>%T/eigen", "%T/tmp", "%T/config",
     "%T/eigen", "%T/eigen", "", 0},
    {"ALinkToAFolderEveryoneMayWriteIn", "map777:%T/open|link:%T/tmp>%T/open", "%T/tmp", "%T/config",
     "%T/config/K740", "%T/config/K740", "", 0},
};

INSTANTIATE_TEST_SUITE_P(, EigenSlotmapTest,
                         testing::Combine(testing::ValuesIn(EigenSlotplaatsen),
                                          testing::ValuesIn(Accounttabellen)),
                         [](const testing::TestParamInfo<std::tuple<EigenSlotplaats, Accounttabel>>& p) {
                             return std::string(std::get<0>(p.param).naam) + "_" + std::get<1>(p.param).naam;
                         });

// A lock file that cannot be written (a full disk) does not keep the program from starting; it says why
// a later start cannot find it.
TEST_F(HoofdvensterTest, ALockThatCannotBeWrittenDoesNotKeepTheProgramFromStarting) {
    {
        Bestandsgrens vol(0);
        EXPECT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), {})) << "the start was refused";
    }
    EXPECT_TRUE(platform::InstantieLuisterfout().contains(QStringLiteral(".lock: ")))
        << platform::InstantieLuisterfout().toStdString();
}

class TweedeStartAlsKopie : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        // The running copy's lock lies in its temporary folder.
        if (!qEnvironmentVariableIsEmpty(TweedeKopieSleutel)) qputenv("TMPDIR", qgetenv(TweedeKopieSleutel));
        platform::ZetAccountbestanden(qEnvironmentVariable(GroepenSleutel),
                                      qEnvironmentVariable(AccountsSleutel));
    }
};

TEST_F(TweedeStartAlsKopie, TheStartIsRefused) {
    if (qEnvironmentVariableIsEmpty(TweedeKopieSleutel)) GTEST_SKIP() << "only as the second copy";
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    platform::GeheugenLijn* l = lijn.get();
    ZetMSComm1(std::move(lijn));
    bool poortGezet = false;
    l->zetPoort(QStringLiteral("untouched"));
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    EXPECT_FALSE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    poortGezet = l->poort() != QStringLiteral("untouched");
    EXPECT_FALSE(poortGezet);
    EXPECT_FALSE(l->isOpen());
    EXPECT_FALSE(venster.isVisible());
    EXPECT_FALSE(LogbestandAan);
    EXPECT_FALSE(QDir(tijdelijkeMap() + QStringLiteral("/Documents/Quorvex")).exists());
}

// Another process in a role: "kopie" a running copy in the temporary folder it was given; "luister:"
// and a name, a process listening under that name; "verbind:" and a name, a process that connects to
// it and asks for the front; "maak:" and the steps of a case, a process that makes files, locks, folders and
// links. Each tells on its output what it saw; all but the third end when their input closes.
TEST(AnderProcesAlsKopie, Draait) {
    const QString rol = qEnvironmentVariable(RolSleutel);
    if (rol.isEmpty()) GTEST_SKIP() << "only as another process";
    if (qEnvironmentVariableIsSet(GebruikerSleutel)) {
        ASSERT_EQ(setuid(static_cast<uid_t>(qEnvironmentVariableIntValue(GebruikerSleutel))), 0);
    }
    const auto invoerDicht = [] {
        pollfd invoer{0, POLLIN, 0};
        char c = 0;
        return poll(&invoer, 1, 0) > 0 && read(0, &c, 1) <= 0;
    };
    const QDeadlineTimer termijn(60000);
    const QString naam = rol.section(QLatin1Char(':'), 1);
    if (rol == QLatin1String("kopie")) {
        int geactiveerd = 0;
        ASSERT_FALSE(platform::VorigeInstantieActief(QStringLiteral("K740"), [&] { ++geactiveerd; }));
        ASSERT_EQ(platform::InstantieLuisterfout().toStdString(), "");
        std::printf("luistert\n");
        std::fflush(stdout);
        while (!invoerDicht() && !termijn.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        std::printf("geactiveerd=%d\n", geactiveerd);
        platform::GeefInstantieVrij();
    } else if (rol.startsWith(QLatin1String("luister:"))) {
        QLocalServer server;
        server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        ASSERT_TRUE(server.listen(naam)) << server.errorString().toStdString();
        std::printf("luistert\n");
        std::fflush(stdout);
        std::vector<std::unique_ptr<QLocalSocket>> verbindingen;
        qint64 ontvangen = 0;
        for (bool laatste = false; !laatste;) {
            laatste = invoerDicht() || termijn.hasExpired();
            server.waitForNewConnection(10);
            while (QLocalSocket* s = server.nextPendingConnection())
                verbindingen.emplace_back(s);
            for (auto& s : verbindingen) {
                s->waitForReadyRead(laatste ? 200 : 0);
                ontvangen += s->readAll().size();
            }
        }
        std::printf("verbindingen=%zu ontvangen=%lld\n", verbindingen.size(),
                    static_cast<long long>(ontvangen));
    } else if (rol.startsWith(QLatin1String("maak:"))) {
        // Makes each step it is given (GedeeldeTijdelijkeMapTest), holds its locks, and at its end tells
        // how many of them are no longer as it made them.
        std::vector<std::unique_ptr<QLockFile>> sloten;
        const QStringList stappen = naam.split(u'|', Qt::SkipEmptyParts);
        for (const QString& stap : stappen)
            ASSERT_TRUE(Maak(stap, sloten));
        std::printf("gemaakt\n");
        std::fflush(stdout);
        while (!invoerDicht() && !termijn.hasExpired())
            QThread::msleep(10);
        int veranderd = 0;
        for (const QString& stap : stappen)
            if (!AlsGemaakt(stap, sloten)) {
                std::printf("changed: %s\n", qPrintable(stap));
                ++veranderd;
            }
        std::printf("veranderd=%d\n", veranderd);
    } else if (rol.startsWith(QLatin1String("verbind:"))) {
        QLocalSocket s;
        s.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        s.connectToServer(naam);
        ASSERT_TRUE(s.waitForConnected(5000)) << s.errorString().toStdString();
        s.write("activate");
        s.waitForBytesWritten(2000);
        s.waitForDisconnected(2000);
    }
    std::fflush(stdout);
}

} // namespace
