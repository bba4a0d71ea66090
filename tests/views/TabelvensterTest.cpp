#include "TabelOmgeving.h"
#include "acquisition/Communicatie.h"
#include "files/Bestandsdialogen.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"
#include "platform/Datum.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/FormRack.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The main window's menu side of the table window: what the window told it last.
class Menuopname : public TabelvensterOmgeving {
public:
    void ZetKopieerKnoppen(bool aan) override { kopie = aan; }
    void TabelGesloten(int r) override { gesloten = r; }
    bool kopie = false;
    int gesloten = 0;
};

class TabelvensterTest : public TabelOmgeving {
protected:
    // One snapshot at `tijd`, as the engine takes it.
    void Snapshot(platform::Datum tijd, const QString& info = QString()) {
        TijdMeting = tijd;
        ++AantalMetingen;
        VernieuwVensters(info);
    }
    // The texts of row r of a grid, columns 0..19.
    static QStringList Rij(frmTabel& w, int16_t m, int32_t r) {
        QStringList cellen;
        for (int16_t c = 0; c <= KolomInfo; ++c)
            cellen << w.CelTekst(m, r, c);
        return cellen;
    }
    const platform::Datum nul = platform::MaakDatum(2026, 1, 5, 9, 0, 0);
    // Registered by the tests that look at the main window's menus.
    Menuopname menu;
};

QStringList Cellen(std::initializer_list<const char*> teksten) {
    QStringList l;
    for (const char* t : teksten)
        l << QString::fromUtf8(t);
    return l;
}

TEST_F(TabelvensterTest, PresentSlotsGiveCaptionedTabsAndLaidOutGrids) {
    frmTabel& w = tabel(1);
    EXPECT_EQ(w.Tag, QStringLiteral("tabel1"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Table Lab A"));
    EXPECT_EQ(Racks[1].Name.tekst().trimmed(), QStringLiteral("Lab A"));
    for (int tab = 0; tab < 7; ++tab) {
        const bool aanwezig = tab == 0 || tab == 3;
        EXPECT_EQ(w.SSTab->isTabVisible(tab), aanwezig) << tab;
        EXPECT_EQ(w.SSTab->isTabEnabled(tab), aanwezig) << tab;
    }
    EXPECT_EQ(w.SSTab->tabText(0), QStringLiteral("pH/Redox"));
    EXPECT_EQ(w.SSTab->tabText(3), QStringLiteral("EC 1"));
    EXPECT_EQ(w.SSTab->tabText(1), QString());
    EXPECT_EQ(Rij(w, 4, 0),
              Cellen({"No",   "Date", "Time", "CH1", "Unit", "°C1", "Unit", "CH2", "Unit", "°C2",
                      "Unit", "CH3",  "Unit", "°C3", "Unit", "CH4", "Unit", "°C4", "Unit", "Info"}));
    EXPECT_EQ(AantalTabelKolommen[4][1], 19);
    // Default widths in twips, at least; unit columns and the info column left-aligned.
    const int breedten[] = {600, 1000, 1000, 800, 600, 800, 500};
    for (int c = 0; c < 7; ++c)
        EXPECT_GE(w.MSHFlexGrid[1]->columnWidth(c), TwipsNaarPixels(breedten[c])) << c;
    const QAbstractItemModel* model = w.MSHFlexGrid[1]->model();
    EXPECT_EQ(model->headerData(4, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_EQ(model->data(model->index(0, 3), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(model->data(model->index(0, 19), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
}

// A file loaded into the tabs the window has lays out and paints none of them again; a module renamed
// or gone changes its tab.
TEST_F(TabelvensterTest, ALoadIntoUnchangedTabsLeavesTheTabsAloneAndAChangedModuleChangesItsTab) {
    frmTabel& w = tabel(1);
    w.resize(900, 400);
    w.show();
    QCoreApplication::processEvents();
    struct Teller : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            aantal += e->type() == QEvent::Paint || e->type() == QEvent::LayoutRequest;
            return false;
        }
        int aantal = 0;
    } teller;
    w.SSTab->tabBar()->installEventFilter(&teller);
    w.StelTabelIn(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(teller.aantal, 0);

    Racks[1].Modules[4].Name = "EC 2";
    Racks[1].Modules[1].Present = false;
    w.StelTabelIn(false);
    EXPECT_EQ(w.SSTab->tabText(3), QStringLiteral("EC 2"));
    EXPECT_FALSE(w.SSTab->isTabVisible(0));
    EXPECT_FALSE(w.SSTab->isTabEnabled(0));
    EXPECT_EQ(w.SSTab->tabText(0), QString());
    EXPECT_EQ(w.SSTab->currentIndex(), 3);
}

// In each language every column head and a row's date and time show whole at the default widths.
TEST_F(TabelvensterTest, ColumnHeadsAndTheTimeOfARowShowWholeInEveryLanguage) {
    for (int taal = 0; taal < 3; ++taal) {
        int t = taal;
        KiesTaal(t);
        frmTabel& w = tabel(1);
        w.StelTabelIn(true);
        Snapshot(platform::MaakDatum(2026, 12, 28, 23, 58, 58));
        TabelGrid* grid = w.MSHFlexGrid[1];
        for (int c = 0; c < KolomInfo; ++c) {
            const QString kop = grid->Model().Cel(0, c);
            EXPECT_LE(grid->horizontalHeader()->fontMetrics().horizontalAdvance(kop) + 6,
                      grid->columnWidth(c))
                << taal << " " << kop.toStdString();
        }
        for (int c : {KolomDatum, KolomTijd}) {
            const QString tekst = w.CelTekst(1, AantalMetingen, static_cast<int16_t>(c));
            ASSERT_FALSE(tekst.isEmpty());
            EXPECT_LE(grid->fontMetrics().horizontalAdvance(tekst) + 6, grid->columnWidth(c))
                << taal << " " << tekst.toStdString();
        }
    }
}

// The grid paints its plain cells itself, for speed: pixel for pixel as the style paints them, in any
// font and text colour, with the row numbers' background, empty cells, a cut text, a selection and
// the current cell among them.
TEST_F(TabelvensterTest, TheGridPaintsEveryCellPixelForPixelAsTheStyleDoes) {
    frmTabel& w = tabel(1);
    w.resize(900, 400);
    w.show();
    for (int s = 0; s < 12; ++s)
        Snapshot(nul + s * 61.0 / 86400,
                 s == 3 ? u8("a long note in the info cell, cut at its end") : QString());
    TabelGrid& grid = *w.MSHFlexGrid[1];
    grid.setColumnWidth(KolomTijd, 30); // the time is cut
    grid.ZetSelectie({4, 3, 6, 5});
    const auto vergelijk = [&](const std::string& wat) {
        grid.ToonRijBovenaan(1);
        const QImage eigen = grid.viewport()->grab().toImage();
        QAbstractItemDelegate* eigenTekenaar = grid.itemDelegate();
        QStyledItemDelegate stijl;
        grid.setItemDelegate(&stijl);
        const QImage doorStijl = grid.viewport()->grab().toImage();
        grid.setItemDelegate(eigenTekenaar);
        ASSERT_FALSE(eigen.isNull());
        EXPECT_TRUE(eigen == doorStijl) << wat << " " << grid.font().pointSizeF();
    };
    vergelijk("default font");
    const QString familie = grid.font().family();
    for (const double grootte : {7.0, 9.0, 11.0, 13.5, 16.0, 21.0}) {
        grid.ZetLettertype({familie, grootte, true, true, false, false, 0x000080});
        vergelijk("bold italic, dark red");
        grid.ZetLettertype({familie, grootte, false, false, true, false, 0});
        vergelijk("underlined");
    }
}

// Every grid follows the newest row, also the grids of the other tabs: chosen, a tab shows its last rows.
TEST_F(TabelvensterTest, EveryGridShowsItsNewestRowsAlsoTheGridOfATabChosenLater) {
    frmTabel& w = tabel(1);
    w.resize(900, 400);
    w.show();
    w.SSTab->setCurrentIndex(0);
    for (int s = 0; s < 80; ++s)
        Snapshot(nul + s / 86400.0);
    QCoreApplication::processEvents();
    const auto laatsteZichtbaar = [&](int16_t m) {
        TabelGrid& grid = *w.MSHFlexGrid[m];
        const QRect rij = grid.visualRect(grid.Model().index(AantalMetingen - 1, 1));
        return grid.isVisible() && grid.viewport()->rect().contains(rij.center()) &&
               grid.verticalScrollBar()->value() == grid.verticalScrollBar()->maximum() &&
               grid.verticalScrollBar()->maximum() > 0;
    };
    EXPECT_TRUE(laatsteZichtbaar(1));
    w.SSTab->setCurrentIndex(3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(laatsteZichtbaar(4));
    EXPECT_EQ(w.CelTekst(4, AantalMetingen, KolomTijd), QStringLiteral("09:01:19"));
}

TEST_F(TabelvensterTest, SnapshotRowsHoldTheLiveTextsAndAStopRowOnlyItsTime) {
    Racks[1].Modules[1].Meting[2].Flags = VlagBovenBereik;       // value out of range
    Racks[1].Modules[1].Meting[4].Flags = VlagTemperatuurTeHoog; // temperature out of range
    Snapshot(nul, QStringLiteral("start"));
    frmTabel& w = tabel(1);
    EXPECT_EQ(Rij(w, 1, 1), Cellen({"1",   "05/01/2026", "09:00:00", "7.012", "pH", "21.5", "°C",
                                    "OR.", "mV",         "21.5",     "°C",    " ",  " ",    " ",
                                    " ",   "",           "mg/l DO",  "OR.",   "°C", "start"}));
    // The empty row below the newest holds its number.
    EXPECT_EQ(Rij(w, 1, 2),
              Cellen({"2", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(w.MSHFlexGrid[1]->model()->rowCount(), 2);

    // The rack not measured: blanks for values and temperatures, the units stay.
    RackVlaggen[1].Measure = false;
    Snapshot(nul + 1 / 86400.0);
    EXPECT_EQ(Rij(w, 1, 2).mid(3, 4), Cellen({" ", "pH", " ", "°C"}));
    RackVlaggen[1].Measure = true;

    // A module the poll supervision gave up: no stale value, time as usual.
    Racks[1].Modules[4].GeenAntwoordTeller = 1;
    Snapshot(nul + 2 / 86400.0);
    EXPECT_EQ(Rij(w, 4, 3).mid(0, 7), Cellen({"3", "05/01/2026", "09:00:02", "", "µS/cm", "", "°F"}));
    EXPECT_EQ(w.CelTekst(4, 3, 9), QString());
    EXPECT_FALSE(w.CelTekst(1, 3, 3).isEmpty());

    Snapshot(nul + 3 / 86400.0, QStringLiteral("Stop"));
    EXPECT_EQ(Rij(w, 1, 4), Cellen({"4", "05/01/2026", "09:00:03", "", "", "", "", "", "", "",
                                    "",  "",           "",         "", "", "", "", "", "", ""}));

    // Relative time.
    RelatieveTijd = true;
    TijdBasis = nul;
    Snapshot(nul + 1 + 1 / 24.0 + 1 / 1440.0 + 1 / 86400.0);
    Snapshot(nul - 59 / 86400.0);
    EXPECT_EQ(Rij(w, 1, 5).mid(1, 2), Cellen({"+1", "+01:01:01"}));
    EXPECT_EQ(Rij(w, 1, 6).mid(1, 2), Cellen({"-0", "-00:00:59"}));
    // Rack 2 has its own window, made for the first snapshot and not shown.
    EXPECT_EQ(tabel(2).CelTekst(2, 6, 0), QStringLiteral("6"));
    EXPECT_FALSE(tabel(2).isVisible());
}

TEST_F(TabelvensterTest, FileRowsConvertTemperaturesAndMarkWhatIsOutOfRange) {
    // Rack 1 slot 4 shows °F; its input 1 at 25 °C, input 2 over range, input 4 not in use (empty).
    Racks[1].Modules[4].Temperatuur[2].Resolution = 0;
    // Rack 1 slot 1 shows °C as the file: the temperature texts are formatted as the channel asks.
    Racks[1].Modules[1].Temperatuur[4].Resolution = 0;
    const QStringList regels = {Regel(1, QStringLiteral("Stop"),
                                      {{23, "0"},
                                       {24, "1.413"},
                                       {25, "mS/cm"},
                                       {26, "25.0"},
                                       {28, "1"},
                                       {33, "4"},
                                       {38, ""},
                                       {39, ""},
                                       {40, ""},
                                       {41, ""},
                                       {42, ""}}),
                                Regel(2, QString(),
                                      {{28, "0"},
                                       {29, "1.5"},
                                       {30, "mS/cm"},
                                       {31, "25"},
                                       {5, "-0.0"},
                                       {10, "021.5"},
                                       {15, "21.45"},
                                       {20, "21.5"}}),
                                Regel(3, QString(), {{5, "7"}, {10, "1e1"}, {15, "-30.0"}, {20, "-3"}})};
    Schrijf(pad, Bytes(regels));
    LeesGegevensbestand(pad);
    EXPECT_TRUE(vragen.empty());
    EXPECT_EQ(AantalMetingen, 3);
    frmTabel& w = tabel(1);
    EXPECT_EQ(Rij(w, 4, 1),
              Cellen({"1",  "05/01/2026", "09:00:01", "1.413", "mS/cm", "77.0", "°F", "OR.", "mV", "71",
                      "°F", " ",          "mV",       "OR.",   "°F",    "",     "",   "",    "",   "Stop"}));
    EXPECT_EQ(Rij(w, 4, 2).mid(7, 4), Cellen({"1.5", "mS/cm", "77", "°F"}));
    EXPECT_EQ(Rij(w, 1, 1).mid(3, 4), Cellen({"1.01", "pH", "21.5", "°C"}));
    const auto temperaturen = [&w](int32_t r) {
        return QStringList{w.CelTekst(1, r, 5), w.CelTekst(1, r, 9), w.CelTekst(1, r, 13),
                           w.CelTekst(1, r, 17)};
    };
    EXPECT_EQ(temperaturen(2), Cellen({"0.0", "21.5", "21.5", "22"}));
    EXPECT_EQ(temperaturen(3), Cellen({"7.0", "10.0", "-30.0", "-3"}));
    // The grid shows the newest rows, and the row below them.
    EXPECT_EQ(w.MSHFlexGrid[4]->model()->rowCount(), 4);
    EXPECT_EQ(w.CelTekst(4, 4, 0), QStringLiteral("4"));
}

// A logging file whose header gives rack 1 slot 1's inputs in another order than the program writes them
// (input 2 first): its block is read field by field, and each value, unit and temperature shows in the
// columns of its own input, as the header names it; the blocks written in order beside it show theirs too.
TEST_F(TabelvensterTest, ABlockWhoseHeaderGivesItsInputsInAnotherOrderShowsEachValueUnderItsOwnInput) {
    const std::vector<std::pair<QString, std::vector<int>>> blokken = {
        {QStringLiteral("R1M1"), {2, 1, 3, 4}},
        {QStringLiteral("R1M4"), {1, 2, 3, 4}},
        {QStringLiteral("R2M2"), {1, 2, 3, 4}}};
    QString kop = QStringLiteral("\"Time\"");
    QString regel = QStringLiteral("\"05/01/2026 09:00:01\"");
    for (const auto& [module, ingangen] : blokken) {
        for (int c : ingangen) {
            for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
                kop += QStringLiteral(",\"%1 %2C%3\"").arg(QLatin1String(soort), module).arg(c);
            regel += QStringLiteral(",\"0\",\"%1.%1\",\"%2\",\"2%1.5\",\"%3\"")
                         .arg(c)
                         .arg(c == 1 ? QStringLiteral("pH") : QStringLiteral("mV"), u8("°C"));
        }
        kop += QStringLiteral(",\"%1\"").arg(module);
        regel += QStringLiteral(",\"info %1\"").arg(module);
    }
    Schrijf(pad, platform::NaarWindows1252(kop + QStringLiteral("\r\n") + regel + QStringLiteral("\r\n")));
    LeesGegevensbestand(pad);
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
    ASSERT_EQ(AantalMetingen, 1);
    for (const auto& [r, m] : {std::pair{1, 1}, std::pair{1, 4}, std::pair{2, 2}}) {
        SCOPED_TRACE(QStringLiteral("R%1M%2").arg(r).arg(m).toStdString());
        frmTabel& w = tabel(r);
        const auto module = static_cast<int16_t>(m);
        for (int c = 1; c <= 4; ++c) {
            const auto kolom = static_cast<int16_t>(KolomVanKanaal(c));
            const QString eenheid = c == 1 ? QStringLiteral("pH") : QStringLiteral("mV");
            EXPECT_EQ(w.CelTekst(module, 1, kolom).toStdString(),
                      QStringLiteral("%1.%1").arg(c).toStdString())
                << "input " << c << "'s value";
            EXPECT_EQ(w.CelTekst(module, 1, kolom + 1).toStdString(), eenheid.toStdString())
                << "input " << c << "'s unit";
            // Slot 1 shows its temperatures as the file in °C, to one decimal.
            if (r == 1 && m == 1) {
                EXPECT_EQ(w.CelTekst(module, 1, kolom + 2).toDouble(), 20 + c + 0.5)
                    << "input " << c << "'s temperature";
            }
        }
        EXPECT_EQ(w.CelTekst(module, 1, KolomInfo).toStdString(),
                  QStringLiteral("info R%1M%2").arg(r).arg(m).toStdString());
    }
}

TEST_F(TabelvensterTest, TemperaturesInAnotherUnitAreConvertedByTheUnitOfTheirOwnRow) {
    // Rack 1 slot 1 shows °C; its input 1 holds one temperature text under three units, and again.
    const QStringList eenheden = {u8("°F"), u8("°F"), QStringLiteral("K"),
                                  u8("°F"), u8("°C"), QStringLiteral("K")};
    QStringList regels;
    for (int s = 1; s <= eenheden.size(); ++s)
        regels << Regel(s, QString(), {{5, "77.0"}, {6, eenheden.at(s - 1)}});
    Schrijf(pad, Bytes(regels));
    LeesGegevensbestand(pad);
    ASSERT_EQ(AantalMetingen, 6);
    QStringList temperaturen;
    for (int32_t r = 1; r <= 6; ++r) {
        temperaturen << tabel(1).CelTekst(1, r, 5);
        EXPECT_EQ(tabel(1).CelTekst(1, r, 6), u8("°C"));
    }
    EXPECT_EQ(temperaturen, Cellen({"25.0", "25.0", "-196.2", "25.0", "77.0", "-196.2"}));
}

TEST_F(TabelvensterTest, UnderADecimalCommaEveryNumberOfTheFileShowsWithItsComma) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    // Values of several lengths in turn, so that a shorter one follows a longer one.
    const QStringList waarden = {"10.25",     "1.5",     "7",   "-0.125",  "12",
                                 "1234.5678", "-123.45", "0.0", "123456.7"};
    QStringList regels;
    for (int s = 1; s <= waarden.size(); ++s)
        regels << Regel(s, QString(), {{3, waarden.at(s - 1)}, {5, s % 2 ? "21.5" : "9.0"}});
    Schrijf(pad, Bytes(regels));
    LeesGegevensbestand(pad);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    ASSERT_EQ(AantalMetingen, waarden.size());
    QStringList cellen;
    for (int32_t r = 1; r <= AantalMetingen; ++r)
        cellen << tabel(1).CelTekst(1, r, 3) + QLatin1Char(' ') + tabel(1).CelTekst(1, r, 5);
    EXPECT_EQ(cellen, Cellen({"10,25 21,5", "1,5 9,0", "7 21,5", "-0,125 9,0", "12 21,5", "1234,5678 9,0",
                              "-123,45 21,5", "0,0 9,0", "123456,7 21,5"}));
}

TEST_F(TabelvensterTest, EachLoadTakesTheTemperatureUnitAsTheChannelHasItThen) {
    // Rack 1 slot 4 shows °F, stored with blanks in front: the load stores it back trimmed.
    Racks[1].Modules[4].Temperatuur[1].Unit = u8("  °F");
    Laad(2);
    frmTabel& w = tabel(1);
    EXPECT_EQ(Rij(w, 4, 2).mid(5, 2), Cellen({"70.7", "°F"}));
    EXPECT_EQ(Racks[1].Modules[4].Temperatuur[1].Unit.tekst(), u8("°F      "));
    // Changed between two loads: the next load shows the new unit and its format.
    Racks[1].Modules[4].Temperatuur[1].Unit = u8("°C");
    Racks[1].Modules[4].Temperatuur[1].Resolution = 0;
    Racks[1].Modules[1].Temperatuur[2].Unit = u8("°F");
    Laad(3);
    EXPECT_EQ(Rij(w, 4, 3).mid(5, 2), Cellen({"22", "°C"}));
    EXPECT_EQ(Rij(w, 1, 3).mid(9, 2), Cellen({"70.7", "°F"}));
    EXPECT_EQ(Rij(w, 1, 1).mid(1, 2), Cellen({"05/01/2026", "09:00:01"}));
}

// In the main window's area of child windows, as the program keeps them.
TEST_F(TabelvensterTest, ClosingHidesTheWindowAndKeepsItsRowsUnloadingFromCodeEndsIt) {
    struct Mdi : Kindvensterbeheer {
        void NeemOp(std::unique_ptr<QWidget> venster) override {
            area.addSubWindow(venster.release())->hide();
        }
        void Toon(QWidget* venster) override {
            venster->show();
            Kindvensterkader(venster)->show();
        }
        QMdiArea area;
    } mdi;
    ZetKindvensterbeheer(&mdi);
    Laad(3);
    ToonTabelVenster(1);
    frmTabel* w = frmTabelVan(1);
    ASSERT_NE(w, nullptr);
    QWidget* kader = Kindvensterkader(w);
    ASSERT_NE(kader, w);
    EXPECT_TRUE(RackVlaggen[1].Table);
    EXPECT_TRUE(kader->isVisibleTo(&mdi.area));
    w->SSTab->setCurrentIndex(3);
    ZetTabelvensterOmgeving(&menu);
    ConfiguratieGewijzigd = false;

    // The close box of its frame.
    EXPECT_FALSE(kader->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmTabelVan(1), w);
    EXPECT_FALSE(kader->isVisibleTo(&mdi.area));
    EXPECT_FALSE(RackVlaggen[1].Table);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_EQ(menu.gesloten, 1);
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Table1"), QStringLiteral("Tab"), 0),
              QStringLiteral("3"));
    EXPECT_EQ(w->CelTekst(1, 3, 3), QStringLiteral("1.03"));
    // Shown again with its rows.
    ToonTabelVenster(1);
    EXPECT_TRUE(kader->isVisibleTo(&mdi.area));
    EXPECT_EQ(frmTabelVan(1)->CelTekst(1, 3, 3), QStringLiteral("1.03"));

    w->SSTab->setCurrentIndex(0);
    QPointer<QWidget> weg(kader);
    w->Ontlaad();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(weg.isNull());
    EXPECT_EQ(TabelVensters[1], nullptr);
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Table1"), QStringLiteral("Tab"), 0),
              QStringLiteral("0"));
    ZetKindvensterbeheer(nullptr);
}

TEST_F(TabelvensterTest, FontAndColumnWidthsComeFromTheSettingsStore) {
    BewaarInstelling(AppNaam, QStringLiteral("Table1M4Colwidth"), QStringLiteral("Width3"), 1500);
    BewaarInstelling(AppNaam, QStringLiteral("Table1M4Colwidth"), QStringLiteral("Width2"), 600);
    BewaarInstelling(AppNaam, QStringLiteral("Table1M4Font"), QStringLiteral("Fontsize"), 14);
    BewaarInstelling(AppNaam, QStringLiteral("Table1M4Font"), QStringLiteral("Fontbold"),
                     QStringLiteral("True"));
    BewaarInstelling(AppNaam, QStringLiteral("Table1"), QStringLiteral("Tab"), 3);
    RackVlaggen[1].Table = true;
    LeesRackConfiguratie(1, LeesModusOpstarten);
    frmTabel& w = tabel(1);
    TabelGrid& grid = *w.MSHFlexGrid[4];
    EXPECT_EQ(grid.columnWidth(3), TwipsNaarPixels(1500));
    EXPECT_EQ(grid.columnWidth(4), TwipsNaarPixels(1000));
    // The time column as the user narrowed it; the date column, never sized, shows a date whole in the
    // large font.
    EXPECT_EQ(grid.columnWidth(2), TwipsNaarPixels(600));
    const QString datum = TijdCellenVan(platform::MaakDatum(2026, 12, 28)).kolom1;
    EXPECT_LE(grid.fontMetrics().horizontalAdvance(datum) + 6, grid.columnWidth(1)) << datum.toStdString();
    EXPECT_EQ(grid.font().pointSizeF(), 14.0);
    EXPECT_TRUE(grid.font().bold());
    EXPECT_EQ(w.SSTab->currentIndex(), 3);
    EXPECT_TRUE(w.isVisible());
    // Rows follow the font's height.
    EXPECT_GE(grid.verticalHeader()->defaultSectionSize(), grid.fontMetrics().height());
}

TEST_F(TabelvensterTest, SavingTheSettingsKeepsEachGridsFontAndColumnWidthsForTheNextStart) {
    RackVlaggen[1].Table = true;
    frmTabel& w = tabel(1);
    TabelGrid& grid = *w.MSHFlexGrid[4];
    QFont f = grid.font();
    f.setPointSizeF(13);
    f.setItalic(true);
    grid.setFont(f);
    grid.setColumnWidth(3, TwipsNaarPixels(1800));
    const int breedte = grid.columnWidth(3);
    {
        mdiK740 hoofdvenster;
        BewaarInstellingen(hoofdvenster);
    }
    EXPECT_EQ(
        LeesInstelling(AppNaam, QStringLiteral("Table1M4Font"), QStringLiteral("Fontitalic"), QString()),
        QStringLiteral("True"));
    // A slot without a module keeps no record.
    EXPECT_TRUE(LeesInstelling(AppNaam, QStringLiteral("Table1M2Font"), QStringLiteral("Fontsize"), QString())
                    .isEmpty());

    // The next start applies them again.
    grid.setFont(QFont());
    grid.setColumnWidth(3, 10);
    LeesRackConfiguratie(1, LeesModusOpstarten);
    EXPECT_EQ(grid.font().pointSizeF(), 13.0);
    EXPECT_TRUE(grid.font().italic());
    EXPECT_EQ(grid.columnWidth(3), breedte);
}

// The rack window's menu holds the rack and module commands only: the table opens from the main
// window's menu and toolbar, and follows the rack's name.
TEST_F(TabelvensterTest, TheRackWindowsMenuHasNoTableEntryAndTheTableFollowsTheRacksName) {
    FormRack rack(1);
    rack.Laad();
    for (const QAction* a : rack.mnuRackSettings->actions())
        EXPECT_NE(a->text(), QStringLiteral("Table")) << a->objectName().toStdString();
    rackvensterActies().ToonTabel(1);
    ASSERT_NE(frmTabelVan(1), nullptr);
    EXPECT_TRUE(frmTabelVan(1)->isVisible());
    EXPECT_TRUE(RackVlaggen[1].Table);
    // A renamed rack retitles its table.
    Racks[1].Name = "Bench 2";
    rackvensterActies().LaadTabelTitel(1);
    EXPECT_EQ(frmTabelVan(1)->windowTitle(), QStringLiteral("Table Bench 2"));
}

TEST_F(TabelvensterTest, AMouseSelectionTakesItsUnitsAndIsCopiedAsTabbedText) {
    Laad(4);
    frmTabel& w = tabel(1);
    w.show();
    TabelGrid& grid = *w.MSHFlexGrid[1];
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ZetTabelvensterOmgeving(&menu);
    const auto punt = [&grid](int rij, int kolom) {
        return grid.visualRect(grid.model()->index(rij - 1, kolom)).center();
    };
    // From column 4 (a unit) of row 3 up to column 7 (a value) of row 2.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, punt(3, 4));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, punt(2, 7));
    EXPECT_TRUE(menu.kopie);
    int32_t r1 = 0, r2 = 0;
    int16_t c1 = 0, c2 = 0;
    w.BepaalSelectieRijen(1, r1, r2);
    w.BepaalSelectieKolommen(1, c1, c2);
    EXPECT_EQ((std::array<int, 4>{r1, r2, c1, c2}), (std::array<int, 4>{2, 3, 3, 8}));
    EXPECT_EQ(w.Geselecteerd(1), 2);
    EXPECT_EQ(w.RowSel(1), 3);
    w.CopyElementen(1);
    EXPECT_EQ(QApplication::clipboard()->text(),
              u8("1.02\tpH\t21.5\t°C\t2.02\tmV\r\n1.03\tpH\t21.5\t°C\t2.03\tmV\r\n"));

    // A press on a row number takes whole rows.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, punt(4, 0));
    w.BepaalSelectieKolommen(1, c1, c2);
    EXPECT_EQ(w.Geselecteerd(1, 4), 4);
    EXPECT_EQ((std::pair<int, int>{c1, c2}), (std::pair<int, int>{1, 19}));
    // The header: no data row.
    grid.selectionModel()->clearSelection();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    EXPECT_FALSE(menu.kopie);
}

TEST_F(TabelvensterTest, ADoubleClickChangesTheFontOnTheHeaderAndEditsTheInfoOfASelectedRow) {
    class Lettertypekeuze : public Bestandsdialogen {
    public:
        std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override { return std::nullopt; }
        bool KiesLettertype(Lettertype& l, const QString&) override {
            l.grootte = 15;
            l.cursief = true;
            return true;
        }
        bool KiesKleur(int32_t&, const QString&) override { return false; }
    } dialogen;
    ZetBestandsdialogen(&dialogen);
    Laad(3);
    frmTabel& w = tabel(1);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    TabelGrid& grid = *w.MSHFlexGrid[1];
    ConfiguratieGewijzigd = false;
    QTest::mouseDClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    EXPECT_EQ(grid.font().pointSizeF(), 15.0);
    EXPECT_TRUE(grid.font().italic());
    EXPECT_TRUE(ConfiguratieGewijzigd);

    const QPoint cel = grid.visualRect(grid.model()->index(1, 3)).center();
    int geopend = 0;
    const auto annuleer = [&geopend] {
        QTimer::singleShot(0, [&geopend] {
            if (auto* d = qobject_cast<formEditInfo*>(QApplication::activeModalWidget())) {
                ++geopend;
                d->CommandCancel->click();
            }
        });
    };
    // The click that a double-click follows selects the cell.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cel);
    annuleer();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cel);
    EXPECT_EQ(geopend, 1);
    annuleer();
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(geopend, 2);
    // Not while logging.
    VerbindingActief = true;
    annuleer();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cel);
    QTest::keyClick(&grid, Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_EQ(geopend, 2);
    ZetBestandsdialogen(nullptr);
}

// A logged row repaints what it changes: the window on the screen is the window painted anew.
TEST_F(TabelvensterTest, WhatALoggedRowLeavesOnTheScreenIsTheWindowAsItPaintsAfresh) {
    frmTabel& w = tabel(1);
    w.resize(900, 400);
    w.show();
    for (int s = 0; s < 40; ++s)
        Snapshot(nul + s / 86400.0);
    QCoreApplication::processEvents();
    Snapshot(nul + 40 / 86400.0);
    QCoreApplication::processEvents();
    const QImage scherm = w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage vers = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(scherm.size(), vers.size());
    EXPECT_TRUE(scherm == vers);
}

// A grid that holds many rows still shows each logged row, also once the view has laid the rows out
// itself, and a row asked for comes on top.
TEST_F(TabelvensterTest, ALoggedRowUnderManyRowsHeldComesIntoViewAndAnAskedRowOnTop) {
    frmTabel& w = tabel(1);
    w.resize(900, 400);
    w.show();
    TabelGrid& grid = *w.MSHFlexGrid[1];
    TabelRij rij;
    rij[KolomDatum] = QStringLiteral("x");
    for (int32_t r = 1; r <= 100000; ++r)
        grid.Model().ZetRij(r, rij, false);
    grid.Model().Meld();
    AantalMetingen = 100000;
    QCoreApplication::processEvents();
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    Snapshot(nul);
    QCoreApplication::processEvents();
    const QRect nieuwste = grid.visualRect(grid.Model().index(AantalMetingen - 1, 0));
    EXPECT_TRUE(grid.viewport()->rect().contains(nieuwste));
    EXPECT_EQ(grid.verticalScrollBar()->value(), grid.verticalScrollBar()->maximum());
    grid.ToonRijBovenaan(50000);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.rowAt(0), 49999);
}

TEST_F(TabelvensterTest, SelectionsCountBeyond32767Rows) {
    frmTabel& w = tabel(1);
    AantalMetingen = 40000;
    TabelRij rij;
    rij[1] = QStringLiteral("x");
    w.MSHFlexGrid[1]->Model().ZetRij(40000, rij);
    w.MSHFlexGrid[1]->ZetSelectie({1, 3, 40000, 3});
    EXPECT_EQ(w.Geselecteerd(1), 40000);
    EXPECT_EQ(w.Geselecteerd(1, 39999), 39999);
    EXPECT_EQ(w.RowSel(1), 40000);
}

} // namespace
