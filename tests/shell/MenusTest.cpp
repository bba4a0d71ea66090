// The main window's menus, toolbar and child-window commands as a user meets them: which items a
// drop-down offers in each situation, the next-window commands, new graphs, copying settings between
// windows, the texts in the chosen language, the recent-file list, the reset and the time base.
#include "OpnameBestandslaag.h"
#include "OpnameGrafiekvenster.h"
#include "OpnameHoofdvenster.h"
#include "ShellOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "platform/Datum.h"
#include "rackviews/FormRack.h"
#include "reports/FormGLP.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/RecenteBestanden.h"
#include "shell/Systeeminfo.h"
#include "shell/Systeemopdrachten.h"
#include "shell/Vensterbeheer.h"
#include "shell/Werkbalk.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/frmGrafiekInstellen.h"

#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"
#include <QPushButton>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSysInfo>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <map>

namespace {

namespace {
// A new graph asks for its settings and waits: the dialog is answered with OK as soon as it is open.
void BeantwoordGrafiekInstellingenMetOK() {
    platform::klok().planIn(0, [] {
        if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
    });
}
} // namespace

class MenusTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        MapGegevens = tijdelijkeMap() + QStringLiteral("/Data");
        QDir().mkpath(MapConfiguratie);
        QDir().mkpath(MapGegevens);
        Demo = true;
        MetenActief = true;
        venster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*venster);
        ZetRackvensterMaker(&rackvensters);
        ZetTabelvensterMaker(&tabelvensters);
        venster->resize(1200, 800);
        venster->show();
        venster->LaadStrings();
    }
    void TearDown() override {
        venster.reset();
        ShellOmgeving::TearDown();
    }

    Menubalk& menus() const { return venster->menus(); }
    QAction* knop(int index) const { return venster->werkbalk().Knop(index); }
    void Activeer(QWidget* w) {
        venster->mdiGebied()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Kindvensterkader(w)));
    }

    std::unique_ptr<mdiK740> venster;
    FormRackMaker rackvensters;
    FrmTabelMaker tabelvensters;
};

// Every caption, check, visibility and tool tip of the menu bar and the toolbar.
QStringList Opschriften(mdiK740& venster) {
    QStringList uit;
    std::function<void(QMenu*)> menu = [&](QMenu* m) {
        uit << m->objectName() + QLatin1Char('=') + m->title();
        for (QAction* a : m->actions()) {
            if (a->menu()) {
                menu(a->menu());
                continue;
            }
            uit << a->objectName() + QLatin1Char('=') + a->text() +
                       (a->isVisible() ? QString() : QStringLiteral(" hidden"));
        }
    };
    for (QAction* a : venster.menuBar()->actions())
        if (a->menu()) menu(a->menu());
    for (QAction* a : venster.werkbalk().balk()->actions())
        uit << a->objectName() + QLatin1Char('=') + a->toolTip();
    for (int entry = 1; entry <= 2; ++entry)
        uit << venster.werkbalk().GrafiekMenuItem(entry)->text();
    return uit;
}

TEST_F(MenusTest, WithoutARackTheRackCommandsAreOffAndTheRackButtonSearches) {
    venster->mnuView_Click();
    EXPECT_FALSE(menus().mnuDataRack->isEnabled());
    EXPECT_FALSE(menus().mnuDataTabel->isEnabled());
    venster->mnuGraph_Click();
    EXPECT_FALSE(menus().mnuGraphNew->isEnabled());
    venster->mnuNetwork_Click();
    EXPECT_FALSE(menus().mnuSystemReport->isEnabled());
    venster->mnuData_Click();
    EXPECT_FALSE(menus().mnuDataMeasure->isEnabled());
    EXPECT_FALSE(menus().mnuDatalogging->isEnabled());
    EXPECT_FALSE(knop(KnopGrafiek)->isEnabled());
    EXPECT_FALSE(venster->werkbalk().GrafiekMenuItem(1)->isEnabled());
    EXPECT_FALSE(venster->werkbalk().GrafiekMenuItem(2)->isEnabled());

    // The rack button searches the line instead: the terminal shows the log-on traffic.
    ConfiguratieGewijzigd = false;
    knop(KnopRack)->trigger();
    EXPECT_TRUE(TerminalAangevinkt());
    EXPECT_TRUE(ConfiguratieGewijzigd);

    Racks[2].Present = true;
    venster->mnuView_Click();
    venster->mnuGraph_Click();
    venster->mnuNetwork_Click();
    EXPECT_TRUE(menus().mnuDataRack->isEnabled());
    EXPECT_TRUE(menus().mnuDataTabel->isEnabled());
    EXPECT_TRUE(menus().mnuGraphNew->isEnabled());
    EXPECT_TRUE(menus().mnuSystemReport->isEnabled());
    EXPECT_TRUE(knop(KnopGrafiek)->isEnabled());
    EXPECT_TRUE(venster->werkbalk().GrafiekMenuItem(2)->isEnabled());
}

TEST_F(MenusTest, ASearchWithRacksRegisteredWarnsFirstAndCancelKeepsTheSystem) {
    VulVoorbeeldrack(1);
    venster->ToonRackVenster(1);
    ASSERT_TRUE(RackVlaggen[1].Show);
    const QString naam = Racks[1].Modules[1].Name;
    ASSERT_FALSE(naam.isEmpty());
    ConfiguratieGewijzigd = false;

    antwoorden = {vbCancel};
    menus().mnuNetworkSearch->trigger();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0], (Vraag{Tekst[315], vbCritical | vbOKCancel, Tekst[314]}));
    EXPECT_EQ(Racks[1].Modules[1].Name, naam);
    EXPECT_EQ(Racks[1].Modules[1].Type.tekst(), QStringLiteral("K761"));
    EXPECT_NE(RackVenster(1), nullptr);
    EXPECT_FALSE(TerminalAangevinkt());
    EXPECT_FALSE(ConfiguratieGewijzigd);

    // OK forgets the modules, hides the rack's window (its Show flag stays for its record) and asks the
    // racks to log on again.
    antwoorden = {vbOK};
    menus().mnuNetworkSearch->trigger();
    ASSERT_EQ(vragen.size(), 2u);
    for (int m = 1; m <= AantalModules; ++m) {
        EXPECT_TRUE(Racks[1].Modules[m].Name.isEmpty()) << m;
        EXPECT_EQ(Racks[1].Modules[m].Type.tekst(), QStringLiteral("    ")) << m;
    }
    EXPECT_TRUE(RackVlaggen[1].Show);
    auto* rack = dynamic_cast<QWidget*>(RackVenster(1));
    ASSERT_NE(rack, nullptr);
    EXPECT_TRUE(Kindvensterkader(rack)->isHidden());
    EXPECT_TRUE(TerminalAangevinkt());
    EXPECT_TRUE(ConfiguratieGewijzigd);
}

TEST_F(MenusTest, TheEditMenuFollowsTheActiveWindowAndLoggingTurnsItAllOff) {
    VulVoorbeeldrack(1);
    ToonTabelVenster(1);
    frmTabel* tabel = frmTabelVan(1);
    ASSERT_NE(tabel, nullptr);
    BeantwoordGrafiekInstellingenMetOK();
    frmGrafiek* grafiek = MaakGrafiekVenster(2, false, true);
    ASSERT_NE(grafiek, nullptr);
    Activeer(tabel);
    Activeer(grafiek);
    ASSERT_EQ(venster->ActiefVenster(), grafiek);

    venster->mnuEdit_Click();
    EXPECT_TRUE(menus().mnuEditCopy->isEnabled());
    EXPECT_TRUE(menus().mnuEditCopySettings->isEnabled());
    EXPECT_FALSE(menus().mnuEditInfo->isEnabled());
    EXPECT_FALSE(menus().mnuEditPasteSettings->isEnabled());
    EXPECT_FALSE(menus().mnuClearLine->isEnabled());
    // The graph's activation enabled the graph settings button, not the font.
    EXPECT_TRUE(knop(KnopGrafiekInstellingen)->isEnabled());
    EXPECT_FALSE(knop(KnopLettertype)->isEnabled());

    menus().mnuEditCopySettings->trigger();
    venster->mnuEdit_Click();
    EXPECT_TRUE(menus().mnuEditPasteSettings->isEnabled());

    // A graph's settings are no paste for a table.
    Activeer(tabel);
    venster->mnuEdit_Click();
    EXPECT_TRUE(menus().mnuEditInfo->isEnabled());
    EXPECT_TRUE(menus().mnuClearLine->isEnabled());
    EXPECT_TRUE(menus().mnuDeleteLine->isEnabled());
    EXPECT_TRUE(menus().mnuRelatieveTijd->isEnabled());
    EXPECT_FALSE(menus().mnuTimeOrigin->isEnabled());
    EXPECT_FALSE(menus().mnuEditPasteSettings->isEnabled());
    EXPECT_TRUE(knop(KnopLettertype)->isEnabled());
    EXPECT_FALSE(knop(KnopGrafiekInstellingen)->isEnabled());

    VerbindingActief = true;
    venster->mnuEdit_Click();
    for (QAction* a :
         {menus().mnuEditCopy, menus().mnuEditInfo, menus().mnuEditPasteSettings, menus().mnuEditCopySettings,
          menus().mnuClearLine, menus().mnuDeleteLine, menus().mnuRelatieveTijd, menus().mnuTimeOrigin})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    VerbindingActief = false;
}

// A shortcut shown in a menu runs that item, whichever window is active: no child window, a graph, a
// table, a rack window. The key acts as its item stands when its drop-down opens now, whatever state an
// earlier opening left: an item the drop-down would enable runs, one it would disable does not.
TEST_F(MenusTest, EveryShortcutTheMenusShowRunsItsItemInEveryWindow) {
    VulVoorbeeldrack(1);
    // The items' commands are not run here (they open dialogs); only that the key reaches them.
    std::map<QAction*, int> keren;
    std::vector<std::pair<QMenu*, QAction*>> items;
    std::function<void(QMenu*, QMenu*)> verzamel = [&](QMenu* kop, QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->menu()) {
                verzamel(kop, a->menu());
            } else if (!a->shortcut().isEmpty()) {
                QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
                QObject::connect(a, &QAction::triggered, [&keren, a] { ++keren[a]; });
                items.emplace_back(kop, a);
            }
        }
    };
    for (QAction* a : venster->menuBar()->actions())
        if (a->menu()) verzamel(a->menu(), a->menu());
    ASSERT_GE(items.size(), 10u);
    int volgens = 0; // keys whose item was left in the other state than its drop-down sets
    const auto probeer = [&](const char* situatie) {
        venster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
        for (const auto& [kop, a] : items) {
            if (!a->isVisible()) continue;
            emit kop->aboutToShow();
            const bool aan = a->isEnabled();
            // The state an opening of the drop-down in another situation would have left.
            a->setEnabled(!aan);
            emit kop->aboutToShow();
            const bool volgtRegel = a->isEnabled() == aan;
            a->setEnabled(volgtRegel ? !aan : aan);
            volgens += volgtRegel;
            keren.clear();
            QWidget* doel = QApplication::focusWidget() ? QApplication::focusWidget() : venster.get();
            QTest::keySequence(doel, a->shortcut());
            EXPECT_EQ(keren[a], aan ? 1 : 0) << situatie << ": " << a->objectName().toStdString() << " "
                                             << a->shortcut().toString().toStdString();
            a->setEnabled(aan);
        }
    };
    probeer("no window");
    BeantwoordGrafiekInstellingenMetOK();
    frmGrafiek* grafiek = MaakGrafiekVenster(2, false, true);
    ASSERT_NE(grafiek, nullptr);
    Activeer(grafiek);
    probeer("a graph");
    ToonTabelVenster(1);
    Activeer(frmTabelVan(1));
    probeer("a table");
    venster->ToonRackVenster(1);
    Activeer(dynamic_cast<QWidget*>(RackVenster(1)));
    probeer("a rack window");
    // Save As, Copy, Info, Measure and Log in every situation.
    EXPECT_GE(volgens, 4 * 5);
}

// A graph shows its chart and legend whole: a new one opens at that size, keeps it after being
// maximised and restored, and Cascade and the tiles never make it or a table smaller.
TEST_F(MenusTest, GraphAndTableWindowsOpenAndArrangeAtASizeThatShowsThemWhole) {
    VulVoorbeeldrack(1);
    const auto heel = [](QWidget* w, const char* wat) {
        const QSize nodig = w->minimumSizeHint();
        EXPECT_TRUE(nodig.isValid()) << wat;
        EXPECT_GE(w->width(), std::max(nodig.width(), 250)) << wat << " " << w->width() << "x" << w->height();
        EXPECT_GE(w->height(), std::max(nodig.height(), 180))
            << wat << " " << w->width() << "x" << w->height();
    };
    std::vector<frmGrafiek*> grafieken;
    for (int g = 1; g <= 3; ++g) {
        BeantwoordGrafiekInstellingenMetOK();
        frmGrafiek* grafiek = venster->vensterbeheer().NieuweGrafiek(false);
        ASSERT_NE(grafiek, nullptr);
        // Two curves and the legend, so the legend has lines to show.
        grafiek->Instellingen().LegendeKeuze = true;
        for (int n = 1; n <= 2; ++n) {
            grafiek->SchrijfGrafiekLijnRef(n, LijnRack, 1);
            grafiek->SchrijfGrafiekLijnRef(n, LijnModule, 1);
            grafiek->SchrijfGrafiekLijnRef(n, LijnIngang, static_cast<int16_t>(n));
        }
        grafiek->HerInitialiseerGrafiek();
        grafieken.push_back(grafiek);
    }
    heel(grafieken[0], "a new graph");
    EXPECT_GE(grafieken[0]->width(), grafieken[0]->sizeHint().width());
    EXPECT_GE(grafieken[0]->height(), grafieken[0]->sizeHint().height());
    QWidget* kader = Kindvensterkader(grafieken[0]);
    const QSize normaal = kader->size();
    kader->showMaximized();
    kader->showNormal();
    EXPECT_EQ(kader->size(), normaal) << "restored after maximising";

    ToonTabelVenster(1);
    frmTabel* tabel = frmTabelVan(1);
    ASSERT_NE(tabel, nullptr);
    venster->ToonRackVenster(1);
    auto* rack = dynamic_cast<QWidget*>(RackVenster(1));
    ASSERT_NE(rack, nullptr);
    for (QAction* schikking :
         {menus().mnuWindowCascade, menus().mnuWindowTileHorizontal, menus().mnuWindowTileVertical}) {
        schikking->trigger();
        QCoreApplication::processEvents();
        for (frmGrafiek* g : grafieken)
            heel(g, schikking->objectName().toLatin1().constData());
        heel(tabel, schikking->objectName().toLatin1().constData());
        // The rack window's frame still holds all its panels, and a tile is no wider than its share
        // where the panels fit in it.
        EXPECT_TRUE(Kindvensterkader(rack)->contentsRect().contains(rack->geometry()))
            << schikking->objectName().toStdString();
        if (schikking == menus().mnuWindowTileVertical) {
            EXPECT_LT(Kindvensterkader(rack)->width(), rack->width() + 40)
                << Kindvensterkader(rack)->width() << " for " << rack->width();
        }
        if (schikking == menus().mnuWindowCascade) continue;
        // Tiles that grew move the others along: none covers another.
        const QList<QMdiSubWindow*> kaders = venster->mdiGebied()->subWindowList();
        for (qsizetype i = 0; i < kaders.size(); ++i)
            for (qsizetype j = i + 1; j < kaders.size(); ++j)
                if (kaders[i]->isVisible() && kaders[j]->isVisible()) {
                    EXPECT_FALSE(kaders[i]->geometry().intersects(kaders[j]->geometry()))
                        << schikking->objectName().toStdString() << " " << i << " " << j;
                }
    }
}

// Cascade gives the terminal its whole size, as it does a graph or a table. Tiles that need more room
// than their share make the area scroll: the tiles then lie beside its scroll bar, so that every title
// bar's buttons stay in view.
TEST_F(MenusTest, CascadeKeepsTheTerminalWholeAndNoTileLiesUnderTheAreasScrollBar) {
    VulVoorbeeldrack(1);
    ToonTerminal();
    frmTerminal* terminal = TerminalVenster();
    ASSERT_NE(terminal, nullptr);
    const QSize geopend = terminal->size();
    for (int g = 1; g <= 3; ++g) {
        BeantwoordGrafiekInstellingenMetOK();
        ASSERT_NE(venster->vensterbeheer().NieuweGrafiek(false), nullptr);
    }
    ToonTabelVenster(1);
    venster->ToonRackVenster(1);
    QMdiArea* gebied = venster->mdiGebied();

    menus().mnuWindowCascade->trigger();
    QCoreApplication::processEvents();
    EXPECT_GE(terminal->height(), geopend.height());
    EXPECT_GE(terminal->width(), geopend.width());

    for (QAction* schikking : {menus().mnuWindowTileHorizontal, menus().mnuWindowTileVertical}) {
        const bool horizontaal = schikking == menus().mnuWindowTileHorizontal;
        const std::string wat = schikking->objectName().toStdString();
        schikking->trigger();
        QCoreApplication::processEvents();
        // The tiles did not fit: the area scrolls along the tiles.
        EXPECT_TRUE((horizontaal ? gebied->verticalScrollBar() : gebied->horizontalScrollBar())->isVisible())
            << wat;
        const QRect zicht = gebied->viewport()->rect();
        for (QMdiSubWindow* kader : gebied->subWindowList()) {
            if (!kader->isVisible()) continue;
            if (horizontaal)
                EXPECT_LE(kader->geometry().right(), zicht.right())
                    << wat << " " << kader->windowTitle().toStdString() << " in " << zicht.width();
            else
                EXPECT_LE(kader->geometry().bottom(), zicht.bottom())
                    << wat << " " << kader->windowTitle().toStdString() << " in " << zicht.height();
        }
    }
}

// The report window closed with OK and a new graph whose settings are cancelled with Escape leave the
// window the user worked in active again: not the first window of the area, the maximised terminal.
TEST_F(MenusTest, AfterTheReportsOkAndANewGraphsEscapeTheWindowUsedBeforeIsActiveAgain) {
    VulVoorbeeldrack(1);
    menus().mnuExtraTerminal->trigger();
    ASSERT_NE(TerminalVenster(), nullptr);
    QMdiArea* gebied = venster->mdiGebied();
    Kindvensterkader(TerminalVenster())->showMaximized();
    ToonTabelVenster(1);
    venster->ToonRackVenster(1);
    const std::vector<std::pair<const char*, QWidget*>> gebruikt = {
        {"table", frmTabelVan(1)}, {"rack window", dynamic_cast<QWidget*>(RackVenster(1))}};
    for (const auto& [wat, voor] : gebruikt) {
        ASSERT_NE(voor, nullptr) << wat;
        QWidget* kader = Kindvensterkader(voor);
        Activeer(voor);
        ASSERT_EQ(gebied->currentSubWindow(), kader) << wat;

        menus().mnuSystemReport->trigger();
        FormGLP* rapport = RapportVenster();
        ASSERT_NE(rapport, nullptr) << wat;
        EXPECT_EQ(gebied->currentSubWindow(), Kindvensterkader(rapport)) << wat;
        QTest::mouseClick(rapport->OKButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(RapportVenster(), nullptr) << wat;
        EXPECT_EQ(gebied->currentSubWindow(), kader) << wat << " after the report's OK";

        platform::klok().planIn(0, [] {
            if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) QTest::keyClick(d, Qt::Key_Escape);
        });
        const int grafieken = AantalOpenGrafieken();
        menus().mnuGraphNewTable->trigger();
        EXPECT_EQ(AantalOpenGrafieken(), grafieken) << wat;
        EXPECT_EQ(gebied->currentSubWindow(), kader) << wat << " after Escape in a new graph's settings";
    }
}

TEST_F(MenusTest, CopyNeedsASelectionOnceTheTableHoldsRows) {
    VulVoorbeeldrack(1);
    ToonTabelVenster(1);
    frmTabel* tabel = frmTabelVan(1);
    ASSERT_NE(tabel, nullptr);
    AantalMetingen = 1;
    tabel->VulTabellenAan(QString());
    Activeer(tabel);
    tabel->DeselecteerAlles(tabel->GekozenModule());
    tabel->MSHFlexGrid[static_cast<size_t>(tabel->GekozenModule())]->clearSelection();
    venster->ZetKopieerStatus();
    EXPECT_FALSE(knop(KnopKopieren)->isEnabled());
    EXPECT_FALSE(menus().mnuEditCopy->isEnabled());
    // Opening the Edit menu does not offer Copy either while nothing is selected.
    venster->mnuEdit_Click();
    EXPECT_FALSE(menus().mnuEditCopy->isEnabled());
    EXPECT_TRUE(menus().mnuEditInfo->isEnabled());
    tabel->MSHFlexGrid[static_cast<size_t>(tabel->GekozenModule())]->ZetSelectie({1, 3, 1, 4});
    venster->ZetKopieerStatus();
    EXPECT_TRUE(knop(KnopKopieren)->isEnabled());
    EXPECT_TRUE(menus().mnuEditCopy->isEnabled());
    venster->mnuEdit_Click();
    EXPECT_TRUE(menus().mnuEditCopy->isEnabled());

    // A rack window has nothing to copy, also while a table window is open beside it.
    venster->ToonRackVenster(1);
    Activeer(dynamic_cast<QWidget*>(RackVenster(1)));
    ASSERT_EQ(venster->ActiefVenster(), dynamic_cast<QWidget*>(RackVenster(1)));
    venster->mnuEdit_Click();
    EXPECT_FALSE(menus().mnuEditCopy->isEnabled());
    EXPECT_FALSE(knop(KnopKopieren)->isEnabled());
}

TEST_F(MenusTest, MeasureOffGreysTheIndicatorsAndOnBlanksTheValuesAndRestartsTheRecorders) {
    VulVoorbeeldrack(1);
    venster->ToonRackVenster(1);
    auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
    ASSERT_NE(rack, nullptr);
    ASSERT_TRUE(RackVlaggen[1].Show);
    OpnameGrafiekvenster recorder, tabelgrafiek;
    recorder.index = 3;
    recorder.instellingen.XYrecorder = true;
    tabelgrafiek.index = 4;
    ZetGrafiekVenster(3, &recorder);
    ZetGrafiekVenster(4, &tabelgrafiek);
    venster->PlaatsAanduidingenCOM();
    for (int i = 0; i < AantalModules; ++i)
        rack->ZetLedKleur(i, KleurDonkergroen);
    rack->ZetLedKleur(0, KleurGroen);

    venster->mnuDataMeasure()->trigger();
    EXPECT_FALSE(MetenActief);
    EXPECT_FALSE(menus().mnuDatalogging->isEnabled());
    EXPECT_FALSE(knop(KnopLoggen)->isEnabled());
    EXPECT_FALSE(venster->knopMeten()->isChecked());
    EXPECT_EQ(rack->ShapeLED[0]->kleur(), KleurGrijs);
    EXPECT_EQ(rack->ShapeLED[1]->kleur(), KleurGrijs);
    EXPECT_EQ(rack->ShapeLED[VoorbeeldModuleStil - 1]->kleur(), KleurRood);

    rack->LabelWaarde[0]->setText(QStringLiteral("7.00"));
    CyclusVoltooid = true;
    venster->knopMeten()->trigger();
    EXPECT_TRUE(MetenActief);
    EXPECT_TRUE(menus().mnuDatalogging->isEnabled());
    EXPECT_TRUE(knop(KnopLoggen)->isEnabled());
    EXPECT_EQ(rack->LabelWaarde[0]->text(), QString());
    EXPECT_FALSE(CyclusVoltooid);
    EXPECT_EQ(recorder.aantalHerinitialisaties, 1);
    EXPECT_EQ(tabelgrafiek.aantalHerinitialisaties, 0);
    ZetGrafiekVenster(3, nullptr);
    ZetGrafiekVenster(4, nullptr);
}

TEST_F(MenusTest, TheToolbarSettingSurvivesARestart) {
    venster->LeesToolbarInstelling();
    ASSERT_TRUE(venster->werkbalk().balk()->isVisible());
    menus().mnuWindowToolbar->trigger();
    EXPECT_FALSE(venster->werkbalk().balk()->isVisible());

    mdiK740 volgende;
    volgende.show();
    volgende.LeesToolbarInstelling();
    EXPECT_FALSE(volgende.werkbalk().balk()->isVisible());
    EXPECT_FALSE(volgende.menus().mnuWindowToolbar->isChecked());
}

TEST_F(MenusTest, The65thGraphIsRefusedAndAFreeSlotIsTakenFirst) {
    Racks[1].Present = true;
    std::vector<std::unique_ptr<OpnameGrafiekvenster>> grafieken;
    for (int g = 1; g <= AantalGrafieken; ++g) {
        grafieken.push_back(std::make_unique<OpnameGrafiekvenster>());
        grafieken.back()->index = static_cast<int16_t>(g);
        ZetGrafiekVenster(g, grafieken.back().get());
    }
    EXPECT_EQ(VrijeGrafiekIndex(), 0);
    venster->mnuGraphNewTable_Click();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0], (Vraag{Tekst[335], vbExclamation, Tekst[334]}));
    EXPECT_EQ(AantalOpenGrafieken(), AantalGrafieken);
    EXPECT_TRUE(venster->mdiGebied()->subWindowList().isEmpty());

    ZetGrafiekVenster(5, nullptr);
    ConfiguratieGewijzigd = false;
    venster->InstellenKnopMenus(); // as the poll-interval timer does every second
    BeantwoordGrafiekInstellingenMetOK();
    venster->werkbalk().GrafiekMenuItem(2)->trigger();
    frmGrafiek* nieuw = GrafiekWidget(5);
    ASSERT_NE(nieuw, nullptr);
    EXPECT_EQ(nieuw->GrafiekIndex(), 5);
    EXPECT_TRUE(nieuw->Instellingen().XYrecorder);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_EQ(vragen.size(), 1u);
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (g != 5) ZetGrafiekVenster(g, nullptr);
}

TEST_F(MenusTest, TheNextWindowCommandsGoRoundTheRegisteredRacksAndOpenGraphs) {
    VulVoorbeeldrack(2);
    VulVoorbeeldrack(5);
    std::vector<int> getoond;
    for (int i = 0; i < 3; ++i) {
        menus().mnuDataRack->trigger();
        getoond.push_back(venster->vensterbeheer().LaatsteRack());
    }
    EXPECT_EQ(getoond, (std::vector<int>{2, 5, 2}));
    EXPECT_TRUE(RackVlaggen[5].Show);
    EXPECT_EQ(venster->ActiefVenster(), dynamic_cast<QWidget*>(RackVenster(2)));

    ToonTabelVenster(5);
    Activeer(frmTabelVan(5));
    menus().mnuDataTabel->trigger();
    auto* tabel = dynamic_cast<frmTabel*>(venster->ActiefVenster());
    ASSERT_NE(tabel, nullptr);
    EXPECT_EQ(tabel->Ri(), 2);
    EXPECT_TRUE(RackVlaggen[2].Table);

    Racks[1].Present = true;
    BeantwoordGrafiekInstellingenMetOK();
    frmGrafiek* drie = MaakGrafiekVenster(3, false, true);
    BeantwoordGrafiekInstellingenMetOK();
    frmGrafiek* zeven = MaakGrafiekVenster(7, false, true);
    Kindvensterkader(drie)->showMinimized();
    Activeer(zeven);
    venster->InstellenKnopMenus();
    knop(KnopGrafiek)->trigger();
    EXPECT_EQ(venster->ActiefVenster(), drie);
    EXPECT_FALSE(Kindvensterkader(drie)->isMinimized());
    menus().mnuViewGraph->trigger();
    EXPECT_EQ(venster->ActiefVenster(), zeven);
}

TEST_F(MenusTest, ReplaceSettingsCopiesTheWidthsAndFontOfOneGridAfterYes) {
    VulVoorbeeldrack(1);
    VulVoorbeeldrack(2);
    ToonTabelVenster(1);
    ToonTabelVenster(2);
    frmTabel* bron = frmTabelVan(1);
    frmTabel* doel = frmTabelVan(2);
    TabelGrid* bronGrid = bron->MSHFlexGrid[3];
    for (int c = 0; c < 20; ++c)
        bronGrid->setColumnWidth(c, 30 + 2 * c);
    QFont f = bronGrid->font();
    f.setPointSize(15);
    f.setBold(true);
    f.setItalic(true);
    bronGrid->setFont(f);
    bron->SSTab->setCurrentIndex(2);
    Activeer(bron);
    menus().mnuEditCopySettings->trigger();
    EXPECT_TRUE(venster->KopieerSetTab);

    doel->SSTab->setCurrentIndex(4);
    Activeer(doel);
    const int anderBreedte = doel->MSHFlexGrid[4]->columnWidth(5);
    const int eigenBreedte = doel->MSHFlexGrid[5]->columnWidth(5);
    Antwoord = 2; // the rack link's last result
    antwoorden = {vbNo, vbYes};
    menus().mnuEditPasteSettings->trigger();
    EXPECT_EQ(doel->MSHFlexGrid[5]->columnWidth(5), eigenBreedte);
    menus().mnuEditPasteSettings->trigger();

    QString vraag = Tekst[340];
    vraag.replace(QStringLiteral("XX"), Racks[1].Modules[3].Name)
        .replace(QStringLiteral("YY"), Racks[2].Modules[5].Name);
    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[1], (Vraag{vraag, vbYesNo | vbQuestion, VervangAmpersand(Tekst[343], QString())}));
    for (int c = 0; c < 20; ++c)
        EXPECT_EQ(doel->MSHFlexGrid[5]->columnWidth(c), 30 + 2 * c) << c;
    EXPECT_EQ(doel->MSHFlexGrid[5]->font().pointSize(), 15);
    EXPECT_TRUE(doel->MSHFlexGrid[5]->font().bold());
    EXPECT_TRUE(doel->MSHFlexGrid[5]->font().italic());
    EXPECT_EQ(doel->MSHFlexGrid[4]->columnWidth(5), anderBreedte);
    EXPECT_FALSE(doel->MSHFlexGrid[4]->font().bold());
    // The answer of the question is the question's own.
    EXPECT_EQ(Antwoord, 2);
}

TEST_F(MenusTest, APastedGraphTakesTheDisplaySettingsButKeepsItsCurvesAndTitle) {
    OpnameGrafiekvenster bron, doel;
    bron.index = 3;
    doel.index = 4;
    ZetGrafiekVenster(3, &bron);
    ZetGrafiekVenster(4, &doel);
    bron.instellingen = {QStringLiteral("pH"),
                         true,
                         2.0,
                         12.0,
                         5,
                         2,
                         QStringLiteral("time"),
                         300,
                         6,
                         2,
                         true,
                         true,
                         30,
                         true,
                         true,
                         11.5,
                         true,
                         3.5};
    doel.instellingen.TitelWaardenas = QStringLiteral("mine");
    doel.instellingen.RecorderTussentijd = 7;
    doel.caption = QStringLiteral("Graph 4");
    for (int reeks = 1; reeks <= AantalDiagramReeksen; ++reeks)
        bron.ZetDiagramKleur(reeks, reeks * 1000);
    bron.lijnen[2][LijnRack] = 1;
    bron.lijnen[2][LijnMaximum] = 1;
    doel.lijnen[2][LijnRack] = 6;
    doel.lijnen[2][LijnIngang] = 3;

    KopieerGrafiekInstellingen(3, 4);
    const GrafiekInstellingen& n = doel.instellingen;
    EXPECT_TRUE(n.AutomatischeSchaal);
    EXPECT_EQ(n.GrafiekMinimum, 2.0);
    EXPECT_EQ(n.GrafiekMaximum, 12.0);
    EXPECT_EQ(n.AantalWaardenVerdelingen, 5);
    EXPECT_EQ(n.AantalWaardenOnderverdelingen, 2);
    EXPECT_EQ(n.MaxGrafiekZichtbaar, 300);
    EXPECT_EQ(n.AantalTijdVerdelingen, 6);
    EXPECT_EQ(n.LabelKeuze, 2);
    EXPECT_TRUE(n.LegendeKeuze);
    EXPECT_TRUE(n.AlarmHoog && n.AlarmLaag);
    EXPECT_EQ(n.AlarmHoogWaarde, 11.5);
    EXPECT_EQ(n.AlarmLaagWaarde, 3.5);
    for (int reeks = 1; reeks <= AantalDiagramReeksen; ++reeks)
        EXPECT_EQ(doel.kleur(reeks), reeks * 1000) << reeks;
    EXPECT_EQ(doel.lijnen[2][LijnMaximum], 1);
    // Its curves, titles, mode and recorder interval stay.
    EXPECT_EQ(doel.lijnen[2][LijnRack], 6);
    EXPECT_EQ(doel.lijnen[2][LijnIngang], 3);
    EXPECT_EQ(n.TitelWaardenas, QStringLiteral("mine"));
    EXPECT_FALSE(n.XYrecorder);
    EXPECT_EQ(n.RecorderTussentijd, 7);
    EXPECT_EQ(doel.caption, QStringLiteral("Graph 4"));
    EXPECT_EQ(doel.aantalHerinitialisaties, 1);
    ZetGrafiekVenster(3, nullptr);
    ZetGrafiekVenster(4, nullptr);
}

TEST_F(MenusTest, TheMainWindowSpeaksTheChosenLanguageAndRelabellingTwiceChangesNothing) {
    const QStringList engels = Opschriften(*venster);
    EXPECT_TRUE(engels.contains(QStringLiteral("mnuFileSettings=&Settings...")));
    EXPECT_TRUE(engels.contains(QStringLiteral("tbrGraph=Show graphs successively. \\/: new")));
    EXPECT_TRUE(engels.contains(QStringLiteral("tbrPrint=Print")));

    HuidigeTaal = 1;
    KiesTaal(HuidigeTaal);
    venster->LaadStrings();
    const QStringList frans = Opschriften(*venster);
    venster->LaadStrings();
    EXPECT_EQ(Opschriften(*venster), frans);
    EXPECT_EQ(menus().mnuFile->title(), Tekst[101]);
    EXPECT_EQ(menus().mnuWindowFont->text(), QStringLiteral("&") + Tekst[163]);
    EXPECT_EQ(knop(KnopHorizontaal)->toolTip(), VervangAmpersand(Tekst[159], QString()));
    EXPECT_EQ(venster->werkbalk().GrafiekMenuItem(1)->text(), Tekst[357]);
    EXPECT_NE(menus().mnuFile->title(), QStringLiteral("&File"));
    // Info keeps its caption; the Graph menu shows only its settings and New.
    EXPECT_EQ(menus().mnuEditInfo->text(), QStringLiteral("&Info"));
    EXPECT_EQ(menus().mnuHelpInfo->text(), QStringLiteral("&Info..."));
    for (QAction* a : {menus().mnuGraphCopy, menus().mnuGraphPrint, menus().mnuGraphCopySettings,
                       menus().mnuGraphPasteSettings, menus().linegraph2, menus().linegraph3})
        EXPECT_FALSE(a->isVisible());
    EXPECT_TRUE(menus().mnuGraphNew->isVisible());
    EXPECT_FALSE(menus().mnuSystemReset->isVisible());
    // Every entry that changed language changed from the English.
    int verschillend = 0;
    for (qsizetype i = 0; i < engels.size(); ++i)
        if (engels[i] != frans[i]) ++verschillend;
    EXPECT_GT(verschillend, 60);
}

// In each language no two entries of the menu bar, nor of one menu, share an access key: Alt and the
// key open the menu, the key alone then runs its command.
TEST_F(MenusTest, NoMenuHasAnAccessKeyTwiceInAnyLanguage) {
    const auto toets = [](const QString& tekst) -> QChar {
        for (qsizetype i = 0; i + 1 < tekst.size(); ++i) {
            if (tekst[i] != QLatin1Char('&')) continue;
            if (tekst[i + 1] != QLatin1Char('&')) return tekst[i + 1].toLower();
            ++i;
        }
        return {};
    };
    for (int taal = 0; taal < 3; ++taal) {
        HuidigeTaal = taal;
        KiesTaal(HuidigeTaal);
        venster->LaadStrings();
        std::function<void(const QString&, const QList<QAction*>&)> controleer =
            [&](const QString& waar, const QList<QAction*>& acties) {
                std::map<QChar, QString> gezien;
                for (QAction* a : acties) {
                    if (!a->isVisible() || a->isSeparator()) continue;
                    const QString tekst = a->menu() ? a->menu()->title() : a->text();
                    const QChar t = toets(tekst);
                    if (!t.isNull()) {
                        const auto [plek, nieuw] = gezien.emplace(t, tekst);
                        EXPECT_TRUE(nieuw) << "language " << taal << ", " << waar.toStdString() << ": "
                                           << plek->second.toStdString() << " and " << tekst.toStdString();
                    }
                    if (a->menu()) controleer(tekst, a->menu()->actions());
                }
            };
        controleer(QStringLiteral("menu bar"), venster->menuBar()->actions());
    }
}

// The reset's log lines: rack, module, text, the moment and whether polling was held.
class ResetOpname : public OpnameBestandslaag {
public:
    void SchrijfLogboek(int rack, int module, const QString& tekst) override {
        OpnameBestandslaag::SchrijfLogboek(rack, module, tekst);
        momenten.push_back(platform::klok().ms());
        vastgehouden.push_back(PauzeOpvragen && !MetenActief);
    }
    std::vector<qint64> momenten;
    std::vector<bool> vastgehouden;
};

TEST_F(MenusTest, TheResetReachesEachModuleThenItsRackWhilePollingIsHeld) {
    ResetOpname logboek;
    OpnameHoofdvenster terminal;
    ZetBestandslaag(&logboek);
    ZetHoofdvenster(&terminal);
    Racks[1].Present = true;
    Racks[1].Modules[1].Present = true;
    Racks[2].Present = true;
    Racks[2].Modules[3].Present = true;
    MetenActief = true;
    const qint64 begin = platform::klok().ms();
    SysteemReset();

    const QString module = Tekst[451] + QStringLiteral(": ") + Tekst[462];
    const QString rack = Tekst[450] + QStringLiteral(": ") + Tekst[462];
    EXPECT_EQ(logboek.logboek, (std::vector<OpnameBestandslaag::Logregel>{
                                   {1, 1, module}, {1, 0, rack}, {2, 3, module}, {2, 0, rack}}));
    ASSERT_EQ(logboek.momenten.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_GE(logboek.momenten[i] - begin, 250 * static_cast<qint64>(i + 2));
        EXPECT_TRUE(logboek.vastgehouden[i]);
    }
    EXPECT_EQ(terminal.terminal, module + QStringLiteral("\r\n") + rack + QStringLiteral("\r\n") + module +
                                     QStringLiteral("\r\n") + rack + QStringLiteral("\r\n"));
    EXPECT_TRUE(MetenActief);
    EXPECT_FALSE(PauzeOpvragen);

    MetenActief = false;
    SysteemReset();
    EXPECT_FALSE(MetenActief);
    // A pause that another had set stays after the reset.
    PauzeOpvragen = true;
    SysteemReset();
    EXPECT_TRUE(PauzeOpvragen);
    ZetHoofdvenster(nullptr);
    ZetBestandslaag(nullptr);
}

TEST_F(MenusTest, TheRecentFileListKeepsTheNewestFourOnce) {
    const auto lijst = [](std::initializer_list<const char*> namen) {
        QStringList l;
        for (const char* n : namen)
            l << QString::fromLatin1(n);
        return l;
    };
    for (const char* naam : {"/d/A.csv", "/d/B.csv", "/d/C.csv", "/d/D.csv", "/d/E.csv"})
        WerkRecenteBestandenBij(QString::fromLatin1(naam));
    EXPECT_EQ(RecenteBestanden(), lijst({"/d/E.csv", "/d/D.csv", "/d/C.csv", "/d/B.csv"}));
    // Opening one of the list moves it to the top; the first stays where it is.
    WerkRecenteBestandenBij(QStringLiteral("/d/C.csv"));
    EXPECT_EQ(RecenteBestanden(), lijst({"/d/C.csv", "/d/E.csv", "/d/D.csv", "/d/B.csv"}));
    WerkRecenteBestandenBij(QStringLiteral("/d/C.csv"));
    EXPECT_EQ(RecenteBestanden(), lijst({"/d/C.csv", "/d/E.csv", "/d/D.csv", "/d/B.csv"}));
    // On this case-sensitive file system another case is another file: both stay in the list.
    WerkRecenteBestandenBij(QStringLiteral("/d/d.csv"));
    EXPECT_EQ(RecenteBestanden(), lijst({"/d/d.csv", "/d/C.csv", "/d/E.csv", "/d/D.csv"}));
    // Removing the second closes ranks; the fourth key goes.
    VerwijderRecentBestandUitLijst(QStringLiteral("/d/C.csv"));
    EXPECT_EQ(RecenteBestanden(), lijst({"/d/d.csv", "/d/E.csv", "/d/D.csv"}));
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Recent Files"), QStringLiteral("RecentFile4"),
                             QStringLiteral("<none>")),
              QStringLiteral("<none>"));
    // A logging template enters with today's date (the test clock stands on 5 January 2026).
    WerkRecenteBestandenBij(QStringLiteral("/d/Run_#date#.csv"));
    EXPECT_EQ(RecenteBestanden().value(0), QStringLiteral("/d/Run_260105.csv"));
}

TEST_F(MenusTest, ChoosingARecentFileThatIsGoneReportsItAndEmptiesTheList) {
    const QString weg = MapGegevens + QStringLiteral("/gone.csv");
    WerkRecenteBestandenBij(weg);
    venster->LaadRecenteBestanden();
    ASSERT_TRUE(menus().mnuRecentFile[0]->isVisible());
    EXPECT_EQ(menus().mnuRecentFile[0]->text(), weg);
    EXPECT_TRUE(menus().SeparatorRecentFiles->isVisible());

    menus().mnuRecentFile[0]->trigger();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.startsWith(Tekst[252]));
    EXPECT_TRUE(RecenteBestanden().isEmpty());
    for (QAction* a : menus().mnuRecentFile)
        EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(menus().SeparatorRecentFiles->isVisible());
}

TEST_F(MenusTest, InfoKeepsTheCopiedSourceAndTheReportAlwaysGetsARegisteredRack) {
    VulVoorbeeldrack(2);
    BeantwoordGrafiekInstellingenMetOK();
    frmGrafiek* grafiek = MaakGrafiekVenster(4, false, true);
    Activeer(grafiek);
    menus().mnuEditCopySettings->trigger();
    ASSERT_TRUE(venster->KopieerSetGraph);
    // The report right after copying from a graph: a rack, not the graph's number.
    venster->mnuSystemReport_Click();
    EXPECT_EQ(venster->RapportRack, 2);
    EXPECT_EQ(venster->RapportModule, 1);

    ToonTabelVenster(2);
    frmTabel* tabel = frmTabelVan(2);
    tabel->SSTab->setCurrentIndex(2);
    Activeer(tabel);
    menus().mnuEditInfo->trigger();
    EXPECT_EQ(venster->Rs, 4);
    EXPECT_TRUE(venster->KopieerSetGraph);
    EXPECT_EQ(venster->RapportRack, 2);
    EXPECT_EQ(venster->RapportModule, 3);
    Activeer(grafiek);
    venster->mnuEdit_Click();
    EXPECT_TRUE(menus().mnuEditPasteSettings->isEnabled());

    EXPECT_EQ(BepaalRapportbron(0, 0).rack, 2);
    EXPECT_EQ(BepaalRapportbron(64, 5).rack, 2);
    EXPECT_EQ(BepaalRapportbron(64, 5).module, 1);
    EXPECT_EQ(BepaalRapportbron(2, 9).module, 1);
}

// The save dialog answers with a new file in the data folder.
class NieuwBestand : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override { return naam; }
    QString naam;
};

TEST_F(MenusTest, FileNewForgetsSettingsCopiedFromTheWindowsItRemoves) {
    VulVoorbeeldrack(1);
    ToonTabelVenster(1);
    Activeer(frmTabelVan(1));
    menus().mnuEditCopySettings->trigger();
    ASSERT_TRUE(venster->KopieerSetTab);
    NieuwBestand dialoog;
    dialoog.naam = MapGegevens + QStringLiteral("/next.csv");
    ZetBestandsdialogen(&dialoog);
    Gegevensbestand = MapGegevens + QStringLiteral("/first.csv");
    menus().mnuFileNew->trigger();
    EXPECT_EQ(Gegevensbestand, dialoog.naam);
    EXPECT_FALSE(venster->KopieerSetTab);
    EXPECT_FALSE(venster->KopieerSetGraph);
    ZetBestandsdialogen(nullptr);
}

TEST_F(MenusTest, TheTimeBaseTakesTheSelectedRowAndTheHeaderRowChangesNothing) {
    VulVoorbeeldrack(1);
    ToonTabelVenster(1);
    frmTabel* tabel = frmTabelVan(1);
    Activeer(tabel);
    // A logging template is reloaded without a file.
    Gegevensbestand = MapGegevens + QStringLiteral("/run_#date#.csv");
    const int16_t m = tabel->GekozenModule();
    tabel->ZetCelTekst(m, 1, KolomDatum, QStringLiteral("05/01/2026"));
    tabel->ZetCelTekst(m, 1, KolomTijd, QStringLiteral("09:30:00"));
    TabelGrid* grid = tabel->MSHFlexGrid[static_cast<size_t>(m)];
    const auto relatief = [] {
        return LeesInstelling(AppNaam, QStringLiteral("Time"), QStringLiteral("Relative"),
                              QStringLiteral("?"));
    };

    // On the header row the relative clock switches itself off again.
    grid->setCurrentIndex(QModelIndex());
    menus().mnuRelatieveTijd->trigger();
    EXPECT_FALSE(RelatieveTijd);
    EXPECT_FALSE(menus().mnuRelatieveTijd->isChecked());
    EXPECT_EQ(relatief(), QStringLiteral("0"));

    grid->setCurrentIndex(grid->Model().index(0, 3));
    menus().mnuRelatieveTijd->trigger();
    EXPECT_TRUE(RelatieveTijd);
    EXPECT_TRUE(menus().mnuRelatieveTijd->isChecked());
    EXPECT_EQ(relatief(), QStringLiteral("-1"));
    const platform::Datum basis = platform::DatumUitQDateTime(QDateTime(QDate(2026, 1, 5), QTime(9, 30)));
    EXPECT_NEAR(TijdBasis, basis, 1e-6);

    // Set reference point on the header: relative time and its zero stay. (The Edit menu offers the
    // command while relative time is on.)
    grid->setCurrentIndex(QModelIndex());
    venster->mnuEdit_Click();
    ASSERT_TRUE(menus().mnuTimeOrigin->isEnabled());
    menus().mnuTimeOrigin->trigger();
    EXPECT_TRUE(RelatieveTijd);
    EXPECT_NEAR(TijdBasis, basis, 1e-6);
    EXPECT_TRUE(vragen.empty());

    // Set reference point on a row shown in relative time: that row's time becomes the zero.
    tabel->ZetCelTekst(m, 1, KolomDatum, QStringLiteral("+1"));
    tabel->ZetCelTekst(m, 1, KolomTijd, QStringLiteral("+01:01:01"));
    grid->setCurrentIndex(grid->Model().index(0, 3));
    venster->mnuEdit_Click();
    menus().mnuTimeOrigin->trigger();
    const platform::Datum nieuw = basis + 1 + (3600 + 60 + 1) / 86400.0;
    EXPECT_NEAR(TijdBasis, nieuw, 1e-6);
    platform::Datum opgeslagen = 0;
    ASSERT_TRUE(platform::LeesDatumTijd(
        LeesInstelling(AppNaam, QStringLiteral("Time"), QStringLiteral("Base"), QString()), opgeslagen));
    EXPECT_NEAR(opgeslagen, nieuw, 1e-6);

    // Switched on again at a row whose cells are no dates: relative time is on, the zero unchanged.
    menus().mnuRelatieveTijd->trigger();
    EXPECT_FALSE(RelatieveTijd);
    tabel->ZetCelTekst(m, 1, KolomDatum, QStringLiteral("Stop"));
    grid->setCurrentIndex(grid->Model().index(0, 3));
    menus().mnuRelatieveTijd->trigger();
    EXPECT_TRUE(RelatieveTijd);
    EXPECT_TRUE(menus().mnuRelatieveTijd->isChecked());
    EXPECT_NEAR(TijdBasis, nieuw, 1e-6);
}

// A value of /proc/meminfo in kB; -1 when it has none.
qint64 MeminfoKb(const char* sleutel) {
    QFile f(QStringLiteral("/proc/meminfo"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& regel : f.readAll().split('\n'))
        if (regel.startsWith(QByteArray(sleutel) + ':'))
            return regel.mid(qstrlen(sleutel) + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

TEST_F(MenusTest, HelpOpensTheMainWindowsPageAndSystemInfoTellsWhatThePlatformReports) {
    HuidigeTaal = 2;
    KiesTaal(HuidigeTaal);
    knop(KnopHelp)->trigger();
    HelpVenster* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpVenster*>(w); h && h->isVisible()) help = h;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->pagina(), HelpPagina(2, HelpHoofdvenster));
    SluitHelp();

    // Help > System info in French and in Dutch: every label in the chosen language, none in English.
    const QStringList engels = {QStringLiteral("System:"), QStringLiteral("Kernel:"),
                                QStringLiteral("Architecture:"), QStringLiteral("Memory:"),
                                QStringLiteral("Computer:")};
    for (int taal : {1, 2}) {
        SCOPED_TRACE("language " + std::to_string(taal));
        HuidigeTaal = taal;
        KiesTaal(HuidigeTaal);
        menus().mnuSysInfo->trigger();
        QWidget* info = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("Systeeminfo") && w->isVisible()) info = w;
        ASSERT_NE(info, nullptr);
        QStringList labels, waarden;
        for (QLabel* l : info->findChildren<QLabel*>())
            (l->text().endsWith(QLatin1Char(':')) ? labels : waarden) << l->text();
        const QString vrij = Tekst[507].section(QStringLiteral("##"), 1);
        const QStringList verwacht = {Tekst[503] + ':',      Tekst[504] + ':', Tekst[505] + ':',
                                      QStringLiteral("Qt:"), Tekst[506] + ':', Tekst[508] + ':'};
        EXPECT_EQ(labels.join(QStringLiteral(" | ")).toStdString(),
                  verwacht.join(QStringLiteral(" | ")).toStdString());
        for (const QString& label : labels)
            EXPECT_FALSE(engels.contains(label)) << "an English label: " << label.toStdString();
        EXPECT_TRUE(waarden.contains(QString::fromLatin1(qVersion())));
        EXPECT_TRUE(waarden.contains(QSysInfo::currentCpuArchitecture()));
        EXPECT_TRUE(std::any_of(waarden.begin(), waarden.end(),
                                [&](const QString& t) {
                                    return t.endsWith(vrij + QLatin1Char(')')) && !t.startsWith('?') &&
                                           !t.contains(QStringLiteral("free"));
                                }))
            << "the memory in words of the language: " << waarden.join(QStringLiteral(" | ")).toStdString();
        // The memory as the platform reports it: the total is /proc/meminfo's MemTotal; what is free (its
        // MemAvailable, which changes from moment to moment) always lies below the total.
        const QRegularExpression geheugen(QStringLiteral("^(\\d+) MiB \\((\\d+) MiB") +
                                          QRegularExpression::escape(vrij) + QStringLiteral("\\)$"));
        QRegularExpressionMatch getallen;
        for (const QString& waarde : waarden)
            if (const QRegularExpressionMatch m = geheugen.match(waarde); m.hasMatch()) getallen = m;
        ASSERT_TRUE(getallen.hasMatch()) << "no memory as \"<total> MiB (<free> MiB" << vrij.toStdString()
                                         << ")\": " << waarden.join(QStringLiteral(" | ")).toStdString();
        const qint64 totaal = MeminfoKb("MemTotal") / 1024;
        ASSERT_GT(totaal, 0) << "/proc/meminfo has no MemTotal";
        EXPECT_EQ(getallen.captured(1).toLongLong(), totaal) << "the total memory";
        EXPECT_LT(getallen.captured(2).toLongLong(), totaal)
            << "System Info shows the total memory as free: " << getallen.captured(0).toStdString();
        SluitSysteeminfo();
    }
}

TEST(Vensterindeling, TilesShareTheAreaWithoutGapsAndIconsLineTheBottom) {
    const QList<QRect> horizontaal = TegelIndeling(QSize(300, 100), 3, true);
    ASSERT_EQ(horizontaal.size(), 3);
    EXPECT_EQ(horizontaal[0], QRect(0, 0, 300, 33));
    EXPECT_EQ(horizontaal[1], QRect(0, 33, 300, 33));
    EXPECT_EQ(horizontaal[2], QRect(0, 66, 300, 34));
    const QList<QRect> verticaal = TegelIndeling(QSize(100, 50), 2, false);
    EXPECT_EQ(verticaal[1], QRect(50, 0, 50, 50));
    EXPECT_TRUE(TegelIndeling(QSize(100, 50), 0, false).isEmpty());
    const QList<QRect> iconen = IcoonIndeling(QSize(250, 200), 3, QSize(100, 30));
    EXPECT_EQ(iconen[0], QRect(0, 170, 100, 30));
    EXPECT_EQ(iconen[1], QRect(100, 170, 100, 30));
    EXPECT_EQ(iconen[2], QRect(0, 140, 100, 30));
}

} // namespace
