#include "rackviews/FormRack.h"
#include "Opnametaal.h"
#include "SchoneOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Rackvenster.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/FormTreeview.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidgetItem>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

QString u8(const char* t) {
    return QString::fromUtf8(t);
}

// Answers the next modal dialog as soon as it shows.
void BeantwoordDialoog(std::function<void(formEditInfo&)> antwoord) {
    QTimer::singleShot(0, [antwoord] {
        auto* d = qobject_cast<formEditInfo*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        antwoord(*d);
    });
}

// A main window's area of child windows, as the shell puts rack windows into its MDI area.
class MdiBeheer : public Kindvensterbeheer {
public:
    void NeemOp(std::unique_ptr<QWidget> venster) override { area.addSubWindow(venster.release()); }
    void Toon(QWidget* venster) override { Kindvensterkader(venster)->show(); }
    QMdiArea area;
};

// What the program's other windows open from the rack window: recorded; each entry is offered while
// its flag is set.
class Acties : public RackvensterActies {
public:
    bool HeeftModuleInstellingen() const override { return moduleInstellingen; }
    void OpenModuleInstellingen(int r, int m, int k) override { geopend.emplace_back(r, m, k); }
    bool HeeftPrintRack() const override { return printen; }
    bool HeeftFabrieksafregeling() const override { return fabrieksafregeling; }
    void OpenFabrieksafregeling(const QString& type, int r, int m, bool alleenLezen) override {
        afregelingen.emplace_back(type, r, m, alleenLezen);
    }
    void LaadTabelTitel(int r) override { tabelTitels.push_back(r); }

    bool moduleInstellingen = true;
    bool printen = false;
    bool fabrieksafregeling = false;
    std::vector<std::tuple<int, int, int>> geopend;
    std::vector<std::tuple<QString, int, int, bool>> afregelingen;
    std::vector<int> tabelTitels;
};

} // namespace

class FormRackTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        ZetRackvensterActies(&acties);
    }

    // A registered rack with modules in the given slots only.
    void rack(int r, std::initializer_list<int> plaatsen) {
        Racks[r].Present = true;
        Racks[r].Name = QStringLiteral("Rack 1.0.0.%1").arg(r);
        RackVlaggen[r].Measure = true;
        for (int m : plaatsen) {
            ModuleRecord& mod = Racks[r].Modules[m];
            mod.Present = true;
            mod.Type = "K761";
            mod.Name = QStringLiteral("Module %1").arg(m);
            for (int c = 1; c <= 4; ++c) {
                mod.Meting[c].Set = true;
                mod.Meting[c].Unit = "mV";
                mod.Meting[c].Resolution = 1;
                mod.Meting[c].Name = QStringLiteral("In %1").arg(c);
                mod.Temperatuur[c].Unit = u8("°C");
                mod.Temperatuur[c].Resolution = 1;
                mod.Temperatuur[c].Waarde = 21.5f;
            }
        }
    }

    std::unique_ptr<FormRack> venster(int r) {
        auto w = std::make_unique<FormRack>(r);
        w->Laad();
        return w;
    }

    int px(double twips) const {
        return qRound(twips * QApplication::primaryScreen()->logicalDotsPerInchY() / 1440);
    }

    Acties acties;
    std::vector<std::tuple<int, int, int>>& geopend = acties.geopend;
};

TEST_F(FormRackTest, PresentModulesArePackedFromTheLeft) {
    rack(2, {2, 5});
    auto w = venster(2);
    const int breedte = px(Paneelontwerp::Breedte);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w->PictureModule[i]->isVisibleTo(w.get()), i == 1 || i == 4) << i;
    EXPECT_EQ(w->PictureModule[1]->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(w->PictureModule[4]->geometry().topLeft(), QPoint(breedte, 0));
    EXPECT_FALSE(w->PictureModule[0]->isEnabled());
    EXPECT_EQ(w->VensterBreedte(), 2 * Paneelontwerp::Breedte + 90);
    EXPECT_EQ(w->VensterHoogte(), Paneelontwerp::Hoogte + 500);
    EXPECT_EQ(w->size(), QSize(2 * breedte, px(Paneelontwerp::Hoogte)));
    EXPECT_EQ(w->Tag, "meting2");
    EXPECT_EQ(w->property("Tag").toString(), "meting2");
}

TEST(VrijePlaatsTest, ANewRackWindowGoesWhereItCoversNoOtherElseItIsCascaded) {
    const QSize gebied(1000, 600);
    const QSize maat(300, 250);
    // Its own place when that is free.
    EXPECT_EQ(VrijePlaats(QPoint(7, 7), maat, {}, gebied, 20), QPoint(7, 7));
    // Beside the first, then below the row once the width is used up.
    const QRect eerste(QPoint(7, 7), maat);
    EXPECT_EQ(VrijePlaats(QPoint(13, 13), maat, {eerste}, gebied, 20), QPoint(307, 7));
    const QRect tweede(QPoint(307, 7), maat);
    const QRect derde(QPoint(607, 7), maat);
    EXPECT_EQ(VrijePlaats(QPoint(20, 20), maat, {eerste, tweede, derde}, gebied, 20), QPoint(0, 257));
    // A window wider than the area goes to its left edge; with no free place left, one step down and right
    // of the lowest.
    const QSize breed(1200, 250);
    EXPECT_EQ(VrijePlaats(QPoint(7, 7), breed, {}, gebied, 20), QPoint(0, 0));
    const QRect a(QPoint(0, 0), breed), b(QPoint(0, 260), breed);
    EXPECT_EQ(VrijePlaats(QPoint(13, 13), breed, {a, b}, gebied, 20), QPoint(20, 280));
}

TEST_F(FormRackTest, AnEmptyRackIsOnlyItsFrame) {
    rack(3, {});
    auto w = venster(3);
    for (QFrame* paneel : w->PictureModule)
        EXPECT_FALSE(paneel->isVisibleTo(w.get()));
    EXPECT_EQ(w->VensterBreedte(), 90);
    EXPECT_EQ(w->VensterHoogte(), Paneelontwerp::Hoogte + 500);
    EXPECT_EQ(w->width(), 0);
    EXPECT_EQ(w->height(), px(Paneelontwerp::Hoogte));
    // A module that logs on later gets its panel when the window is laid out again.
    rack(3, {4});
    w->FormInstellenControls();
    EXPECT_TRUE(w->PictureModule[3]->isVisibleTo(w.get()));
    EXPECT_EQ(w->PictureModule[3]->x(), 0);
    EXPECT_EQ(w->VensterBreedte(), Paneelontwerp::Breedte + 90);
}

TEST_F(FormRackTest, NamesFromTheConfigurationShowAsTypedNeverAsMarkup) {
    rack(1, {1});
    Racks[1].Modules[1].Name = "<i>pH</i>";
    Racks[1].Modules[1].Meting[1].Name = "<font color=red>Tank</font>";
    Racks[1].Modules[1].Meting[1].Sensor = "<img src=x> & Co";
    auto w = venster(1);
    for (QLabel* l : w->findChildren<QLabel*>())
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    EXPECT_EQ(w->LabelModule[0]->text(), "<i>pH</i>");
    EXPECT_EQ(w->LabelKanaal[0]->text(), "<font color=red>Tank</font>");
    // A tool tip shows the same text the user typed.
    const auto getoond = [](const QString& tip) {
        if (!Qt::mightBeRichText(tip)) return tip;
        QTextDocument d;
        d.setHtml(tip);
        return d.toPlainText();
    };
    const QString kanaal = "Rack 1, Module 1, Input 1: <font color=red>Tank</font>, <img src=x> & Co";
    EXPECT_EQ(getoond(w->LabelWaarde[0]->toolTip()), kanaal);
    EXPECT_EQ(getoond(w->LabelKanaal[0]->toolTip()), kanaal);
    EXPECT_EQ(getoond(w->LabelModule[0]->toolTip()), "Rack 1, Module 1: <i>pH</i>");
    // The engine reads the text back as it was given.
    EXPECT_EQ(w->ToolTipWaarde(0), kanaal);
}

TEST_F(FormRackTest, AFrameTallerThanThePanelsKeepsThemAtTheTop) {
    MdiBeheer mdi;
    ZetKindvensterbeheer(&mdi);
    FormRackMaker maker;
    ZetRackvensterMaker(&maker);
    rack(1, {1, 2});
    auto* w = dynamic_cast<FormRack*>(MaakRackVenster(1));
    ASSERT_NE(w, nullptr);
    mdi.area.resize(1200, 900);
    mdi.area.show();
    w->Toon();
    QWidget* kader = Kindvensterkader(w);
    const QPoint hoek = w->pos();
    kader->resize(kader->width() + 300, kader->height() + 300);
    QCoreApplication::sendPostedEvents();
    kader->layout()->activate();
    EXPECT_EQ(w->pos(), hoek);
    ZetKindvensterbeheer(nullptr);
}

TEST_F(FormRackTest, DoubleClickMapsLabelsAndPanelsToModuleAndChannel) {
    // The maps themselves, at the ends of the arrays.
    EXPECT_EQ(KeuzeVanLabel(RackLabel::Graden, 6).module, 2);
    EXPECT_EQ(KeuzeVanLabel(RackLabel::Graden, 6).kanaal, 7);
    EXPECT_EQ(KeuzeVanLabel(RackLabel::Eenheid, 27).module, 7);
    EXPECT_EQ(KeuzeVanLabel(RackLabel::Eenheid, 27).kanaal, 4);
    EXPECT_EQ(KeuzeVanLabel(RackLabel::Waarde, 0).kanaal, 1);
    EXPECT_EQ(KeuzeVanLabel(RackLabel::Graden, 27).kanaal, 8);
    EXPECT_EQ(KeuzeVanPaneel(4).module, 5);
    EXPECT_EQ(KeuzeVanPaneel(4).kanaal, 1);

    // And what the window opens for real double-clicks.
    rack(1, {1, 2, 3, 4, 5, 6, 7});
    auto w = venster(1);
    w->show();
    QTest::mouseDClick(w->LabelGraden[6], Qt::LeftButton);
    QTest::mouseDClick(w->LabelEenheid[27], Qt::LeftButton);
    QTest::mouseDClick(w->LabelKanaal[9], Qt::LeftButton);
    QTest::mouseDClick(w->PictureModule[4], Qt::LeftButton, {}, QPoint(5, 5));
    using T = std::tuple<int, int, int>;
    EXPECT_EQ(geopend, (std::vector<T>{T{1, 2, 7}, T{1, 7, 4}, T{1, 3, 2}, T{1, 5, 1}}));

    // While the settings dialog is open, nothing opens a second one.
    InstellingenOpen = true;
    QTest::mouseDClick(w->LabelWaarde[0], Qt::LeftButton);
    EXPECT_EQ(geopend.size(), 4u);
}

TEST_F(FormRackTest, EitherMouseButtonOnAModuleNameOpensTheMenuForThatModule) {
    rack(1, {1, 2, 3});
    auto w = venster(1);
    w->show();
    for (Qt::MouseButton knop : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(w->LabelModule[2], knop);
        EXPECT_TRUE(w->mnuRackSettings->isVisible());
        EXPECT_EQ(w->ModuleKeuze(), 2);
        w->mnuRackSettings->hide();
    }
    w->mnuModuleSettings->trigger();
    using T = std::tuple<int, int, int>;
    EXPECT_EQ(geopend, (std::vector<T>{T{1, 3, 1}}));
    EXPECT_EQ(w->mnuRackSettingsMeasure->text(), "&Enable rack");
    EXPECT_TRUE(w->mnuRackSettingsMeasure->isChecked());
}

TEST_F(FormRackTest, FactoryEntriesOnlyInFactoryMode) {
    rack(1, {1, 2});
    Racks[1].Modules[2].Type = "K762";
    acties.fabrieksafregeling = true;
    const auto& afregelingen = acties.afregelingen;
    auto w = venster(1);
    w->show();
    QTest::mousePress(w->LabelModule[1], Qt::LeftButton);
    EXPECT_FALSE(w->mnuModuleCalibration->isVisible());
    EXPECT_FALSE(w->mnuModuleCalibration->isEnabled());
    EXPECT_FALSE(w->mnuReadSN->isVisible());
    w->mnuRackSettings->hide();

    Fabrieksmodus = true;
    QTest::mousePress(w->LabelModule[1], Qt::LeftButton);
    EXPECT_TRUE(w->mnuModuleCalibration->isVisible());
    EXPECT_TRUE(w->mnuModuleCalibration->isEnabled());
    EXPECT_TRUE(w->mnuReadSN->isVisible());
    EXPECT_EQ(w->mnuReadSN->text(), "Read Settings from SN");
    w->mnuRackSettings->hide();
    w->mnuReadSN->trigger();
    ASSERT_EQ(afregelingen.size(), 1u);
    EXPECT_EQ(afregelingen[0], std::make_tuple(QStringLiteral("K762"), 1, 2, true));
    // Afterwards the window is enabled again and back as it was.
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(w->isMinimized());

    // Without the factory dialogs installed the entries stay hidden even in factory mode.
    acties.fabrieksafregeling = false;
    QTest::mousePress(w->LabelModule[1], Qt::LeftButton);
    EXPECT_FALSE(w->mnuModuleCalibration->isVisible());
    w->mnuRackSettings->hide();
}

TEST_F(FormRackTest, EntriesOfWindowsNotInstalledAreHidden) {
    rack(1, {1});
    ZetRackvensterActies(nullptr);
    auto w = venster(1);
    w->show();
    QTest::mousePress(w->LabelModule[0], Qt::LeftButton);
    EXPECT_FALSE(w->mnuModuleSettings->isVisible());
    EXPECT_FALSE(w->mnuPrintRack->isVisible());
    EXPECT_TRUE(w->mnuRackSettingsName->isVisible());
    w->mnuRackSettings->hide();
    // A double-click does nothing then, and nothing breaks.
    QTest::mouseDClick(w->LabelWaarde[0], Qt::LeftButton);
    EXPECT_TRUE(geopend.empty());
}

TEST_F(FormRackTest, ThePollTurnDrawsValuesColoursToolTipsAndLeds) {
    VulVoorbeeldrack(1);
    auto w = venster(1);
    EXPECT_EQ(RackVenster(1), w.get());
    EXPECT_TRUE(RackVlaggen[1].Show);
    // Freshly laid out, every value is blank and every temperature shows its unit only.
    EXPECT_EQ(w->LabelWaarde[0]->text(), "");
    EXPECT_EQ(w->LabelGraden[0]->text(), u8("°C"));

    for (int m = 1; m <= 7; ++m)
        ToonMetingenRackvenster(1, m, false);
    AanpassenRackIndicatoren(1, 3, true, true);
    EXPECT_EQ(w->LabelWaarde[0]->text(), "7.01");
    EXPECT_EQ(w->LabelEenheid[0]->text(), "pH");
    EXPECT_EQ(w->LabelGraden[0]->text().trimmed(), u8("21.5°C"));
    EXPECT_EQ(w->LabelKleur(RackLabel::Waarde, 0), KleurGroen);
    EXPECT_EQ(w->LabelWaarde[0]->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(w->LabelWaarde[0]->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(w->LabelWaarde[0]->toolTip(), "Rack 1, Module 1, Input 1: Tank A, pH electrode 12");
    EXPECT_EQ(w->LabelModule[0]->toolTip(), "Rack 1, Module 1: pH module");
    // Never calibrated: value, unit and name in red with the warning.
    EXPECT_EQ(w->LabelKleur(RackLabel::Kanaal, 3), KleurRood);
    EXPECT_EQ(w->LabelKanaal[3]->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w->LabelWaarde[3]->toolTip(), "Calibration required!");
    // An input switched off is greyed and blank, its name still shown.
    const int uit = RackLabelIndex(3, 3);
    EXPECT_FALSE(w->LabelKanaal[uit]->isEnabled());
    EXPECT_EQ(w->LabelKanaal[uit]->text(), "Off");
    EXPECT_EQ(w->LabelWaarde[uit]->text(), "");
    // Over range.
    EXPECT_EQ(w->LabelWaarde[RackLabelIndex(3, 4)]->text(), "OR.");
    EXPECT_EQ(w->LabelWaarde[RackLabelIndex(3, 4)]->toolTip(), "The measurement is out of range!");
    // Indicators: the polled module bright green, the silent one red, the others dark green.
    EXPECT_EQ(w->ShapeLED[2]->kleur(), KleurGroen);
    EXPECT_EQ(w->ShapeLED[VoorbeeldModuleStil - 1]->kleur(), KleurRood);
    EXPECT_EQ(w->ShapeLED[0]->kleur(), KleurDonkergroen);

    // Blanking the window leaves the units and asks for a complete new cycle.
    CyclusVoltooid = true;
    w->WissenVensterMetingen();
    EXPECT_EQ(w->LabelWaarde[0]->text(), "");
    EXPECT_EQ(w->LabelEenheid[0]->text(), "pH");
    EXPECT_FALSE(CyclusVoltooid);
}

// The poll draws a module at each of its replies. What a module's replies bring within one gathering
// period shows in one repaint, with the last value; a module given up blanks at once, its indicator turns
// red at once, and no value that was waiting comes back after it.
TEST_F(FormRackTest, RepliesOfOnePeriodShowInOneRepaintAndAGivenUpModuleBlanksAtOnce) {
    VulVoorbeeldrack(1);
    auto w = venster(1);
    w->show();
    for (int m = 1; m <= 7; ++m)
        ToonMetingenRackvenster(1, m, false);
    klok().verstrijk(FormRack::BijwerkenNaMs);
    QCoreApplication::processEvents();
    ASSERT_EQ(w->LabelWaarde[0]->text(), "7.01");

    struct Verfteller : QObject {
        int verven = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++verven;
            return false;
        }
    } waarde, led;
    w->LabelWaarde[0]->installEventFilter(&waarde);
    w->ShapeLED[0]->installEventFilter(&led);

    float& meting = Racks[1].Modules[1].Meting[1].Waarde;
    const auto antwoorden = [&](float van, int aantal) {
        for (int k = 1; k <= aantal; ++k) {
            meting = van + 0.1f * static_cast<float>(k);
            AanpassenRackIndicatoren(1, 1, true, true);
            QCoreApplication::processEvents();
            ToonMetingenRackvenster(1, 1, false);
            AanpassenRackIndicatoren(1, 1, false, false);
            QCoreApplication::processEvents();
        }
    };
    antwoorden(7.0f, 5);
    EXPECT_EQ(waarde.verven, 0);
    EXPECT_EQ(led.verven, 0);
    klok().verstrijk(FormRack::BijwerkenNaMs);
    QCoreApplication::processEvents();
    EXPECT_EQ(waarde.verven, 1);
    EXPECT_EQ(led.verven, 1);
    EXPECT_EQ(w->LabelWaarde[0]->text(), "7.50");

    antwoorden(8.0f, 2);
    VerhoogGeenAntwoordTeller(1, 1);
    AanpassenRackIndicatoren(0, 0, false, false);
    EXPECT_EQ(w->LabelWaarde[0]->text(), "");
    EXPECT_EQ(w->LabelGraden[0]->text(), u8("°C"));
    QCoreApplication::processEvents();
    EXPECT_EQ(led.verven, 2);
    klok().verstrijk(FormRack::BijwerkenNaMs);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->LabelWaarde[0]->text(), "");
    EXPECT_EQ(w->ShapeLED[0]->kleur(), KleurRood);
}

TEST_F(FormRackTest, EnableRackSwitchesTheTitleAndBlanksTheValues) {
    VulVoorbeeldrack(1);
    auto w = venster(1);
    EXPECT_EQ(w->windowTitle(), "Rack 1.0.0.1");
    for (int m = 1; m <= 7; ++m)
        ToonMetingenRackvenster(1, m, false);
    ConfiguratieGewijzigd = false;

    w->mnuRackSettingsMeasure->trigger();
    EXPECT_FALSE(RackVlaggen[1].Measure);
    EXPECT_EQ(w->windowTitle(), "Rack 1.0.0.1: Disabled");
    EXPECT_FALSE(w->mnuRackSettingsMeasure->isChecked());
    EXPECT_EQ(w->ShapeLED[0]->kleur(), KleurGrijs);
    EXPECT_EQ(w->ShapeLED[VoorbeeldModuleStil - 1]->kleur(), KleurRood);
    EXPECT_TRUE(ConfiguratieGewijzigd);

    CyclusVoltooid = true;
    w->mnuRackSettingsMeasure->trigger();
    EXPECT_TRUE(RackVlaggen[1].Measure);
    EXPECT_EQ(w->windowTitle(), "Rack 1.0.0.1");
    EXPECT_TRUE(w->mnuRackSettingsMeasure->isChecked());
    EXPECT_FALSE(CyclusVoltooid);
    for (QLabel* l : w->LabelWaarde)
        EXPECT_EQ(l->text(), "");
}

TEST_F(FormRackTest, AMeasureFlagOffAtLoadShowsInTitleAndMenu) {
    rack(4, {1});
    RackVlaggen[4].Measure = false;
    auto w = venster(4);
    EXPECT_EQ(w->windowTitle(), "Rack 1.0.0.4: Disabled");
    QTest::mousePress(w->LabelModule[0], Qt::RightButton);
    EXPECT_FALSE(w->mnuRackSettingsMeasure->isChecked());
    w->mnuRackSettings->hide();
}

TEST_F(FormRackTest, AlwaysOnTopAndPositionSurviveClosingAndReopening) {
    rack(2, {1});
    BewaarInstelling(AppNaam, "Rack2", "Top", "-500");
    BewaarInstelling(AppNaam, "Rack2", "Left", "300,0"); // either decimal sign
    auto w = venster(2);
    EXPECT_EQ(w->pos(), QPoint(px(300), px(-500)));
    EXPECT_FALSE(w->mnuRackSettingsTop->isChecked());
    w->mnuRackSettingsTop->trigger();
    EXPECT_TRUE(w->mnuRackSettingsTop->isChecked());
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(LeesInstelling(AppNaam, "Rack2", "AlwaysOnTop", ""), "True");

    // Activating the window brings it back on the screen.
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_EQ(w->pos().y(), 0);

    ConfiguratieGewijzigd = false;
    w->move(px(600), px(900));
    w->close();
    EXPECT_FALSE(RackVlaggen[2].Show);
    EXPECT_EQ(RackVenster(2), nullptr);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(LeesInstelling(AppNaam, "Rack2", "Top", "").toDouble(), 900.0);

    auto opnieuw = venster(2);
    EXPECT_TRUE(opnieuw->mnuRackSettingsTop->isChecked());
    EXPECT_TRUE(opnieuw->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(opnieuw->pos(), QPoint(px(600), px(900)));
}

TEST_F(FormRackTest, RenamingAModuleUpdatesWindowTreeAndTheConfigurationFlag) {
    VulVoorbeeldrack(1);
    RackVlaggen[1].Table = true;
    const auto& tabelTitels = acties.tabelTitels;
    auto w = venster(1);
    FormTreeview boom;
    boom.Laad();
    ConfiguratieGewijzigd = false;

    QTest::mousePress(w->LabelModule[1], Qt::RightButton);
    w->mnuRackSettings->hide();
    BeantwoordDialoog([](formEditInfo& d) {
        EXPECT_EQ(d.LabelInfo->text(), "Enter module name:");
        EXPECT_EQ(d.TextInfo->text(), "Redox");
        EXPECT_EQ(d.TextInfo->selectedText(), "Redox");
        d.TextInfo->setText("  Buffer tank ");
        QTest::keyClick(d.TextInfo, Qt::Key_Return);
    });
    w->mnuRackSettingsNameModule->trigger();
    EXPECT_EQ(Racks[1].Modules[2].Name, "Buffer tank");
    EXPECT_EQ(w->LabelModule[1]->text(), "Buffer tank");
    EXPECT_EQ(w->LabelModule[1]->toolTip(), "Rack 1, Module 2: Buffer tank");
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::ModuleSleutel(1, 2)), "Buffer tank");
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_EQ(tabelTitels, std::vector<int>{1});

    // Escape changes nothing.
    ConfiguratieGewijzigd = false;
    BeantwoordDialoog([](formEditInfo& d) {
        d.TextInfo->setText("Other");
        QTest::keyClick(d.TextInfo, Qt::Key_Escape);
    });
    w->mnuRackSettingsNameModule->trigger();
    EXPECT_EQ(Racks[1].Modules[2].Name, "Buffer tank");
    EXPECT_FALSE(ConfiguratieGewijzigd);
}

TEST_F(FormRackTest, RenamingTheRackTrimsAndCutsTheName) {
    rack(1, {1});
    auto w = venster(1);
    BeantwoordDialoog([](formEditInfo& d) {
        EXPECT_EQ(d.windowTitle(), "Rack 1.0.0.1");
        EXPECT_EQ(d.LabelInfo->text(), "Enter rack name:");
        d.TextInfo->setText("   Laboratory rack with a very long name indeed");
        QTest::mouseClick(d.CommandOK, Qt::LeftButton);
    });
    w->mnuRackSettingsName->trigger();
    EXPECT_EQ(Racks[1].Name.tekst(), "Laboratory rack with a very lo");
    EXPECT_EQ(w->windowTitle(), "Laboratory rack with a very lo");
}

TEST_F(FormRackTest, TheInstalledMakerPutsRackWindowsIntoTheMainWindowsArea) {
    MdiBeheer mdi;
    ZetKindvensterbeheer(&mdi);
    FormRackMaker maker;
    ZetRackvensterMaker(&maker);
    rack(5, {1, 2});
    RackvensterInterface* venster = MaakRackVenster(5);
    ASSERT_NE(venster, nullptr);
    EXPECT_EQ(MaakRackVenster(5), venster);
    auto* w = dynamic_cast<FormRack*>(venster);
    ASSERT_NE(w, nullptr);
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(mdi.area.subWindowList().size(), 1);
    EXPECT_TRUE(RackVlaggen[5].Show);
    mdi.area.show();
    venster->Toon();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(sub->windowTitle(), "Rack 1.0.0.5");
    EXPECT_GE(sub->width(), w->width());

    // Always on top keeps the sub-window shown.
    w->mnuRackSettingsTop->trigger();
    EXPECT_TRUE(sub->isVisible());
    EXPECT_TRUE(sub->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Closing it deletes the window and frees the rack's entry.
    QPointer<FormRack> weg(w);
    venster->Ontlaad();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(weg.isNull());
    EXPECT_EQ(RackVenster(5), nullptr);
    EXPECT_FALSE(RackVlaggen[5].Show);
    EXPECT_TRUE(mdi.area.subWindowList().isEmpty());
}

// A full simulated rack after one poll turn: every panel shows, every text the poll wrote fits its label,
// the LEDs say which module is polled and which stopped answering, and the system tree lists the rack's
// modules. With K740_SCREENSHOTS set to a folder (scripts/screenshot-rack) the window and the tree are
// also kept there as pictures.
TEST_F(FormRackTest, AFullRackShowsEveryValueWholeAfterAPollTurn) {
    VulVoorbeeldrack(1);
    auto w = venster(1);
    w->show();
    for (int m = 1; m <= 7; ++m)
        ToonMetingenRackvenster(1, m, false);
    AanpassenRackIndicatoren(1, 3, true, true);
    QCoreApplication::processEvents();

    int waarden = 0;
    for (int m = 1; m <= 7; ++m) {
        ASSERT_TRUE(w->PictureModule[m - 1]->isVisible()) << m;
        QLabel* naam = w->LabelModule[m - 1];
        EXPECT_FALSE(naam->text().isEmpty()) << m;
        EXPECT_LE(naam->fontMetrics().horizontalAdvance(naam->text()), naam->contentsRect().width()) << m;
        for (int c = 1; c <= 4; ++c) {
            const int i = RackLabelIndex(m, c);
            for (QLabel* l : {w->LabelKanaal[i], w->LabelWaarde[i], w->LabelEenheid[i], w->LabelGraden[i]}) {
                // Each line of the text within the label (a long unit goes on two lines).
                const QStringList regels = l->text().split(QLatin1Char('\n'));
                for (const QString& regel : regels)
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(regel), l->contentsRect().width())
                        << l->objectName().toStdString() << ": " << regel.toStdString();
                EXPECT_LE(regels.size() * l->fontMetrics().height(), l->height() + 2)
                    << l->objectName().toStdString();
            }
            // The silent module has been given up: its stale values are not shown.
            if (m == VoorbeeldModuleStil) {
                EXPECT_TRUE(w->LabelWaarde[i]->text().isEmpty()) << m << "." << c;
            } else if (Racks[1].Modules[m].Meting[c].Set) {
                EXPECT_FALSE(w->LabelWaarde[i]->text().isEmpty()) << m << "." << c;
                ++waarden;
            }
        }
    }
    EXPECT_GE(waarden, 23); // one input is switched off, the silent module's four are blank
    EXPECT_EQ(w->ShapeLED[2]->kleur(), KleurGroen);
    EXPECT_EQ(w->ShapeLED[VoorbeeldModuleStil - 1]->kleur(), KleurRood);
    EXPECT_EQ(w->ShapeLED[0]->kleur(), KleurDonkergroen);

    FormTreeview boom;
    boom.Laad();
    boom.TreeView->expandAll();
    boom.show();
    ASSERT_EQ(boom.TreeView->topLevelItemCount(), 1);
    QTreeWidgetItem* wortel = boom.TreeView->topLevelItem(0);
    int modules = 0;
    std::function<void(QTreeWidgetItem*)> tel = [&](QTreeWidgetItem* k) {
        for (int m = 1; m <= 7; ++m)
            if (k->text(0).contains(Racks[1].Modules[m].Name.trimmed())) ++modules;
        for (int i = 0; i < k->childCount(); ++i)
            tel(k->child(i));
    };
    tel(wortel);
    EXPECT_GE(modules, 7);

    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    if (!map.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(map));
        EXPECT_TRUE(w->grab().toImage().save(QDir(map).filePath("rack.png")));
        EXPECT_TRUE(boom.grab().toImage().save(QDir(map).filePath("systeemboom.png")));
        // The same window and tree in French and Dutch.
        w.reset();
        for (int taal = 1; taal < 3; ++taal) {
            ZetTaal(taal);
            auto v = venster(1);
            v->show();
            for (int m = 1; m <= 7; ++m)
                ToonMetingenRackvenster(1, m, false);
            AanpassenRackIndicatoren(1, 3, true, true);
            QCoreApplication::processEvents();
            EXPECT_TRUE(v->grab().toImage().save(OpnameBestand(map, QStringLiteral("rack"), taal)));
            FormTreeview b;
            b.Laad();
            b.TreeView->expandAll();
            b.show();
            EXPECT_TRUE(b.grab().toImage().save(OpnameBestand(map, QStringLiteral("systeemboom"), taal)));
        }
    }
}

TEST_F(FormRackTest, ThePlacementOfTheWindowIsSavedAndRestoredInItsFrame) {
    MdiBeheer beheer;
    ZetKindvensterbeheer(&beheer);
    FormRackMaker maker;
    ZetRackvensterMaker(&maker);
    rack(1, {1});
    auto* w = dynamic_cast<FormRack*>(MaakRackVenster(1));
    ASSERT_NE(w, nullptr);
    beheer.area.show();
    w->Toon();
    QWidget* kader = Kindvensterkader(w);
    ASSERT_NE(kader, w);
    kader->move(px(1500), px(750));
    BewaarVensterPositie(QStringLiteral("Measurement1"), kader);
    EXPECT_EQ(LeesInstelling(AppNaam, "Measurement1", "Left", ""), QStringLiteral("1500"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Measurement1", "Top", ""), QStringLiteral("750"));

    kader->move(0, 0);
    w->LeesVensterPositie(QStringLiteral("Measurement1"));
    EXPECT_EQ(kader->pos(), QPoint(px(1500), px(750)));
    w->ZetVensterStatus(1);
    EXPECT_EQ(w->VensterStatus(), 1);
    w->LeesVensterPositie(QStringLiteral("Measurement1")); // a normal window, as it was saved
    EXPECT_EQ(w->VensterStatus(), 0);
    EXPECT_EQ(kader->pos(), QPoint(px(1500), px(750)));
    ZetKindvensterbeheer(nullptr);
}
