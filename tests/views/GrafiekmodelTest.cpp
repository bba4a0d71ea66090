// The graph window's model on the virtual clock, with a recording table window as the stored history.
#include "views/Grafiekmodel.h"
#include "OpnameTabelvenster.h"
#include "SchoneOmgeving.h"
#include "TabelOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Teksten.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Chart series of curve n.
constexpr int Curve(int n) {
    return n + 2;
}

} // namespace

class GrafiekmodelTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        VulVoorbeeldrack(1);
        tabel.ZetRi(1);
        tabel.StelTabelIn(true);
        TabelVensters.Zet(1, &tabel);
        MetenActief = true;
        // Curve 1: pH of input 1 of module 1; curve 2: its temperature.
        model.SchrijfGrafiekLijnRef(1, LijnRack, 1);
        model.SchrijfGrafiekLijnRef(1, LijnModule, 1);
        model.SchrijfGrafiekLijnRef(1, LijnIngang, 1);
        model.SchrijfGrafiekLijnRef(2, LijnRack, 1);
        model.SchrijfGrafiekLijnRef(2, LijnModule, 1);
        model.SchrijfGrafiekLijnRef(2, LijnIngang, 5);
        model.StelNieuweGrafiekIn();
        model.HerInitialiseerGrafiek();
    }

    // Stored sample s: input 1 of module 1 reads `waarde`, by default s / 10 pH, at 20 + s / 100 °C.
    void Bewaar(int32_t s, const char* waarde = nullptr) {
        AantalMetingen = std::max(AantalMetingen, s);
        tabel.ZetCelTekst(1, s, KolomNummer, QString::number(s));
        tabel.ZetCelTekst(1, s, KolomDatum, QStringLiteral("05/01/2026"));
        tabel.ZetCelTekst(1, s, KolomTijd, QStringLiteral("09:%1:00").arg(s % 60, 2, 10, QLatin1Char('0')));
        tabel.ZetCelTekst(1, s, 3, waarde ? QString::fromUtf8(waarde) : QString::number(s / 10.0));
        tabel.ZetCelTekst(1, s, 4, QStringLiteral("pH"));
        tabel.ZetCelTekst(1, s, 5, QString::number(20 + s / 100.0));
        tabel.ZetCelTekst(1, s, 6, QString::fromUtf8("°C"));
    }
    void BewaarTot(int32_t n) {
        for (int32_t s = 1; s <= n; ++s)
            Bewaar(s);
    }
    // The sample a chart row shows, read back from its pH value.
    int Monster(int rij) const {
        const double w = model.Raster().Waarde(rij, Curve(1));
        return std::isnan(w) ? -1 : static_cast<int>(std::lround(w * 10));
    }

    OpnameTabelvenster tabel;
    Grafiekmodel model;
};

TEST_F(GrafiekmodelTest, AnEmptyWindowStartsAtTheFirstSample) {
    model.LadenGrafiek();
    EXPECT_EQ(model.VensterStart, 1);
    EXPECT_EQ(model.AantalPunten, 0);

    Bewaar(1);
    model.VulGrafiekAan(1);
    EXPECT_EQ(model.AantalPunten, 1);
    EXPECT_EQ(Monster(1), 1);
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(2, Curve(1))));
}

TEST_F(GrafiekmodelTest, LoadingShowsTheNewestSampleInTheLastRow) {
    BewaarTot(200);
    model.LadenGrafiek();
    EXPECT_EQ(model.VensterStart, 102);
    EXPECT_EQ(model.AantalPunten, 99);
    EXPECT_EQ(Monster(1), 102);
    EXPECT_EQ(Monster(99), 200);

    // Fewer samples than rows: all of them from row 1.
    ResetProgrammastatus();
    AantalMetingen = 50;
    model.LadenGrafiek();
    EXPECT_EQ(model.VensterStart, 1);
    EXPECT_EQ(model.AantalPunten, 50);
    EXPECT_EQ(Monster(50), 50);
}

TEST_F(GrafiekmodelTest, AFullWindowJumpsAQuarterWithoutSkippingASample) {
    for (int32_t s = 1; s <= 99; ++s) {
        Bewaar(s);
        model.VulGrafiekAan(s);
    }
    EXPECT_EQ(model.VensterStart, 1);
    EXPECT_EQ(model.AantalPunten, 99);

    Bewaar(100);
    model.VulGrafiekAan(100);
    EXPECT_EQ(model.VensterStart, 26);
    EXPECT_EQ(model.AantalPunten, 75);
    EXPECT_EQ(Monster(74), 99);
    EXPECT_EQ(Monster(75), 100);
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(76, Curve(1))));
}

TEST_F(GrafiekmodelTest, RowsFilledLiveEqualTheSameRowsDrawnAgain) {
    model.Instellingen.LabelKeuze = 0;
    for (int32_t s = 1; s <= 537; ++s) {
        Bewaar(s, s % 17 == 0 ? "" : s % 23 == 0 ? "OR." : nullptr);
        model.VulGrafiekAan(s);
        for (int r = 1; r <= model.AantalPunten; ++r) {
            if (std::isnan(model.Raster().Waarde(r, Curve(1)))) continue;
            ASSERT_EQ(Monster(r), model.VensterStart + r - 1) << "sample " << s << " row " << r;
        }
        ASSERT_EQ(model.VensterStart + model.AantalPunten - 1, s);
    }
    std::vector<double> waarden, graden;
    std::vector<QString> labels;
    for (int r = 1; r <= model.Raster().Rijen(); ++r) {
        waarden.push_back(model.Raster().Waarde(r, Curve(1)));
        graden.push_back(model.Raster().Waarde(r, Curve(2)));
        labels.push_back(model.Raster().Label(r));
    }
    model.HertekenGrafiek();
    for (int r = 1; r <= model.Raster().Rijen(); ++r) {
        const double w = model.Raster().Waarde(r, Curve(1));
        EXPECT_TRUE(w == waarden[r - 1] || (std::isnan(w) && std::isnan(waarden[r - 1]))) << "row " << r;
        const double t = model.Raster().Waarde(r, Curve(2));
        EXPECT_TRUE(t == graden[r - 1] || (std::isnan(t) && std::isnan(graden[r - 1]))) << "row " << r;
        EXPECT_EQ(model.Raster().Label(r), labels[r - 1]);
    }
    // Sample 527 (17 x 31) was empty and 529 (23 x 23) over range: both gaps.
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(527 - model.VensterStart + 1, Curve(1))));
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(529 - model.VensterStart + 1, Curve(1))));
}

TEST_F(GrafiekmodelTest, TheScrollBarSpansTheStoredSamples) {
    BewaarTot(120);
    model.LadenGrafiek();
    model.ScrollBarGewijzigd(50);
    EXPECT_EQ(model.VensterStart, 50);
    EXPECT_EQ(model.AantalPunten, 71); // samples 50..120
    EXPECT_EQ(Monster(71), 120);
    // The next sample follows at once in the row after them.
    Bewaar(121);
    model.VulGrafiekAan(121);
    EXPECT_EQ(Monster(72), 121);

    AantalMetingen = 40000;
    model.ScrollBarGewijzigd(15000);
    EXPECT_EQ(model.VensterStart, 20000);
    AantalMetingen = 60000;
    model.VensterStart = 30001;
    model.AanpassenScrollBar();
    EXPECT_EQ(model.ScrollMaximum, 30000);
    EXPECT_EQ(model.ScrollPositie, 15000);
    AantalMetingen = 29999;
    model.VensterStart = 20000;
    model.AanpassenScrollBar();
    EXPECT_EQ(model.ScrollMaximum, 29999);
    EXPECT_EQ(model.ScrollPositie, 20000);
}

namespace {

// Points equal, or both missing.
bool ZelfdePunt(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Rows 1..Rijen of curves 1..n and the labels of two charts are the same; the first difference named.
::testing::AssertionResult ZelfdeRaster(const Grafiekmodel& a, const Grafiekmodel& b, int curven) {
    if (a.Raster().Rijen() != b.Raster().Rijen()) return ::testing::AssertionFailure() << "row counts differ";
    for (int r = 1; r <= a.Raster().Rijen(); ++r) {
        for (int n = 1; n <= curven; ++n)
            if (!ZelfdePunt(a.Raster().Waarde(r, n + 2), b.Raster().Waarde(r, n + 2)))
                return ::testing::AssertionFailure()
                       << "row " << r << " curve " << n << ": " << a.Raster().Waarde(r, n + 2) << " against "
                       << b.Raster().Waarde(r, n + 2);
        if (a.Raster().Label(r) != b.Raster().Label(r))
            return ::testing::AssertionFailure()
                   << "row " << r << ": label " << a.Raster().Label(r).toStdString() << " against "
                   << b.Raster().Label(r).toStdString();
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(GrafiekmodelTest, ScrollingShowsWhatAFullRedrawShowsAndReadsChangedCellsAgain) {
    for (int32_t s = 1; s <= 400; ++s)
        Bewaar(s, s % 17 == 0 ? "" : s % 23 == 0 ? "OR." : nullptr);
    // A second chart of the same curves, every row read afresh for each window the first one scrolls to.
    Grafiekmodel vers;
    for (int n = 1; n <= 2; ++n)
        for (int i = LijnRack; i <= LijnIngang; ++i)
            vers.SchrijfGrafiekLijnRef(n, i, model.LeesGrafiekLijnRef(n, i));
    for (Grafiekmodel* g : {&model, &vers}) {
        g->Instellingen.MaxGrafiekZichtbaar = 50;
        g->Instellingen.LabelKeuze = 0;
        g->StelNieuweGrafiekIn();
        g->HerInitialiseerGrafiek();
    }
    model.LadenGrafiek();
    const auto vergelijk = [&](const char* waarom) {
        vers.VensterStart = model.VensterStart;
        vers.AantalPunten = model.AantalPunten;
        vers.HertekenGrafiek();
        EXPECT_TRUE(ZelfdeRaster(model, vers, 2)) << waarom << ", window from " << model.VensterStart;
    };
    // A row on and back, part of a window either way, a new window, the last full window and past it
    // (fewer rows), the first samples, and the scroll bar's own positions.
    for (int32_t start : {100, 101, 100, 130, 95, 300, 351, 352, 380, 379, 1, 2, 40}) {
        model.ToonVenster(start);
        ASSERT_EQ(model.VensterStart, start);
        vergelijk("scrolled");
    }
    ASSERT_EQ(model.AantalPunten, 50);
    EXPECT_EQ(Monster(1), 40);
    model.ScrollBarGewijzigd(41);
    vergelijk("scroll bar");
    EXPECT_EQ(model.AantalPunten, 50);

    // A cell of a sample still shown changes: the next step shows the new text.
    tabel.ZetCelTekst(1, 60, 3, QStringLiteral("9.75"));
    model.ToonVenster(42);
    EXPECT_DOUBLE_EQ(model.Raster().Waarde(60 - 42 + 1, Curve(1)), 9.75);
    vergelijk("after a change of the table");
    // The input is switched off, then the table window goes: gaps and no labels.
    Racks[1].Modules[1].Meting[1].Set = false;
    model.ToonVenster(43);
    vergelijk("input off");
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(1, Curve(2))));
    Racks[1].Modules[1].Meting[1].Set = true;
    model.ToonVenster(44);
    vergelijk("input on again");
    TabelVensters.Zet(1, nullptr);
    model.ToonVenster(45);
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(1, Curve(1))));
    EXPECT_TRUE(model.Raster().Label(1).isEmpty());
    TabelVensters.Zet(1, &tabel);
    model.ToonVenster(46);
    vergelijk("table back");
    // Another label choice.
    model.Instellingen.LabelKeuze = 3;
    vers.Instellingen.LabelKeuze = 3;
    model.ToonVenster(47);
    vergelijk("row numbers as labels");
    EXPECT_EQ(model.Raster().Label(1), QStringLiteral("47"));
    // Samples 48 and 49 lose their time in module 1's grid (white space is no time); module 2's grid,
    // read by a third curve, keeps one for 48 only: 48 takes that grid's label, 49 has none.
    for (const int16_t k : {KolomDatum, KolomTijd}) {
        tabel.ZetCelTekst(1, 48, k, QStringLiteral(" "));
        tabel.ZetCelTekst(1, 49, k, QString());
    }
    tabel.ZetCelTekst(2, 48, KolomNummer, QStringLiteral("48"));
    tabel.ZetCelTekst(2, 48, KolomDatum, QStringLiteral("06/01/2026"));
    tabel.ZetCelTekst(2, 48, KolomTijd, QStringLiteral("10:48:00"));
    model.SchrijfGrafiekLijnRef(3, LijnRack, 1);
    model.SchrijfGrafiekLijnRef(3, LijnModule, 2);
    model.SchrijfGrafiekLijnRef(3, LijnIngang, 1);
    for (const int keuze : {0, 1, 3}) {
        model.Instellingen.LabelKeuze = static_cast<int16_t>(keuze);
        model.ToonVenster(47);
        const char* const eigen[] = {"05/01/2026 09:47:00", "09:47:00", "", "47"};
        const char* const andere[] = {"06/01/2026 10:48:00", "10:48:00", "", "48"};
        EXPECT_EQ(model.Raster().Label(1).toStdString(), eigen[keuze]) << "label choice " << keuze;
        EXPECT_EQ(model.Raster().Label(2).toStdString(), andere[keuze]) << "label choice " << keuze;
        EXPECT_EQ(model.Raster().Label(3).toStdString(), "") << "label choice " << keuze;
    }
}

TEST_F(GrafiekmodelTest, ACurveThatCannotBeReadLeavesAGap) {
    BewaarTot(10);
    model.LadenGrafiek();
    ASSERT_EQ(Monster(10), 10);
    // The table window goes: the rows are gaps, not the values drawn before.
    TabelVensters.Zet(1, nullptr);
    model.HertekenGrafiek();
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(10, Curve(1))));
    TabelVensters.Zet(1, &tabel);
    // The module goes.
    Racks[1].Modules[1].Present = false;
    model.HertekenGrafiek();
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(10, Curve(1))));
    Racks[1].Modules[1].Present = true;
    // The input is switched off.
    Racks[1].Modules[1].Meting[1].Set = false;
    model.HertekenGrafiek();
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(10, Curve(1))));
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(10, Curve(2))));
}

TEST_F(GrafiekmodelTest, TableTextsBecomePlottedValues) {
    const auto w = [](int m, int k, const char* waarde, const char* eenheid) {
        return ConverteerTabelWaarde(1, m, k, QString::fromUtf8(waarde), QString::fromUtf8(eenheid));
    };
    EXPECT_FLOAT_EQ(w(1, 1, "12.5", "pH"), 12.5f);
    EXPECT_FLOAT_EQ(w(1, 1, "12,5", "pH"), 12.5f);
    EXPECT_TRUE(std::isnan(w(1, 1, "OR.", "pH")));
    EXPECT_TRUE(std::isnan(w(1, 1, "", "pH")));
    // Ion concentration: log10 of g/l; nothing for 0 or less.
    EXPECT_NEAR(w(6, 1, "25", "mg/l"), std::log10(0.025), 1e-6);
    EXPECT_NEAR(w(6, 1, "2.5", "µg/l"), std::log10(2.5e-6), 1e-6);
    EXPECT_TRUE(std::isnan(w(6, 1, "0", "mg/l")));
    EXPECT_TRUE(std::isnan(w(6, 1, "-3", "g/l")));
    // K762: cell type 1 and range 3 (d = 4) from µS to mS; range 0 (d = 1) from mS to µS.
    Racks[1].Modules[4].Meting[1].Extra = 1;
    Racks[1].Modules[4].Meting[1].Resolution = 3;
    EXPECT_FLOAT_EQ(w(4, 1, "1413", "µS/cm"), 1.413f);
    Racks[1].Modules[4].Meting[1].Resolution = 0;
    EXPECT_FLOAT_EQ(w(4, 1, "1.413", "mS/cm"), 1413.0f);
}

TEST_F(GrafiekmodelTest, AFootnoteWithABracketAndStatisticsThatSkipGaps) {
    model.SchrijfGrafiekLijnRef(1, LijnMinimum, 1);
    model.SchrijfGrafiekLijnRef(1, LijnMaximum, -1);
    model.SchrijfGrafiekLijnRef(1, LijnGemiddelde, 1);
    for (int32_t s = 1; s <= 60; ++s)
        Bewaar(s, s == 30 ? "OR." : s == 31 ? "" : s == 60 ? "2" : "7");
    // Samples 11..60 in rows 1..50.
    model.Instellingen.MaxGrafiekZichtbaar = 50;
    model.StelNieuweGrafiekIn();
    model.HerInitialiseerGrafiek();
    model.LadenGrafiek();
    ASSERT_EQ(model.VensterStart, 11);

    model.KiesPunt(Curve(1), 5);
    const QString verwacht =
        QStringLiteral("Tank A: No.15(05/01/2026 09:15:00): 7.00 pH [MIN: 2.00 pH  MAX: 7.00 pH  ") +
        Tekst[191] + QStringLiteral("6.90 pH]");
    EXPECT_EQ(model.Voetnoot, verwacht); // (47 x 7 + 2) / 48
    EXPECT_TRUE(model.VoetnootZichtbaar);
    EXPECT_EQ(model.MarkerReeks, Curve(1));
    // A redraw builds the footnote afresh.
    model.HertekenGrafiek();
    model.HertekenGrafiek();
    EXPECT_EQ(model.Voetnoot, verwacht);

    // Only the mean: the bracket holds only it.
    model.SchrijfGrafiekLijnRef(1, LijnMinimum, 0);
    model.SchrijfGrafiekLijnRef(1, LijnMaximum, 0);
    model.HertekenGrafiek();
    EXPECT_TRUE(model.Voetnoot.endsWith(QStringLiteral(" [") + Tekst[191] + QStringLiteral("6.90 pH]")));

    // A temperature curve reads in the temperature unit.
    model.KiesPunt(Curve(2), 5);
    EXPECT_EQ(model.Voetnoot.toStdString(), "Tank A: No.15(05/01/2026 09:15:00): 20.2 °C");

    // An alarm line names its limit; no clicks are taken while logging.
    model.Instellingen.AlarmHoog = true;
    model.Instellingen.AlarmHoogWaarde = 8.5;
    model.InstellenAlarmen();
    model.KiesPunt(2, 3);
    EXPECT_EQ(model.Voetnoot, QStringLiteral("High limit: 8.5 "));
    VerbindingActief = true;
    model.KiesPunt(Curve(1), 5);
    EXPECT_EQ(model.Voetnoot, QStringLiteral("High limit: 8.5 "));
}

TEST_F(GrafiekmodelTest, AlarmLinesAndLegend) {
    model.Instellingen.AlarmHoog = true;
    model.Instellingen.AlarmHoogWaarde = 9;
    model.HerInitialiseerGrafiek();
    for (int r = 1; r <= model.Raster().Rijen(); ++r) {
        ASSERT_TRUE(std::isnan(model.Raster().Waarde(r, ReeksAlarmLaag)));
        ASSERT_EQ(model.Raster().Waarde(r, ReeksAlarmHoog), 9);
    }
    EXPECT_FALSE(model.Reeks(ReeksAlarmLaag).zichtbaar);
    EXPECT_TRUE(model.Reeks(ReeksAlarmLaag).legende.isEmpty());
    EXPECT_EQ(model.Reeks(ReeksAlarmHoog).legende, QStringLiteral("High limit"));
    EXPECT_EQ(model.Reeks(Curve(1)).legende, QStringLiteral("pH (Tank A)"));
    EXPECT_EQ(model.Reeks(Curve(2)).legende, QString::fromUtf8("°C (Tank A)"));
    EXPECT_FALSE(model.Reeks(Curve(3)).zichtbaar);
}

TEST_F(GrafiekmodelTest, AnAlarmLineReadsOutItsLimitWithTheLocalesDecimalSign) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    model.Instellingen.AlarmHoog = model.Instellingen.AlarmLaag = true;
    model.Instellingen.AlarmHoogWaarde = 12.5;
    model.Instellingen.AlarmLaagWaarde = -7.25;
    model.InstellenAlarmen();
    model.KiesPunt(ReeksAlarmHoog, 3);
    EXPECT_EQ(model.Voetnoot, QStringLiteral("High limit: 12,5 "));
    model.KiesPunt(ReeksAlarmLaag, 3);
    EXPECT_EQ(model.Voetnoot, QStringLiteral("Low limit: -7,25 "));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

TEST_F(GrafiekmodelTest, ARecorderOfFiveSeconds) {
    model.Instellingen.XYrecorder = true;
    model.Instellingen.RecorderTussentijd = 5;
    model.Instellingen.LabelKeuze = 1;
    model.HerInitialiseerGrafiek();
    const int rijen = model.Raster().Rijen();
    std::vector<QString> tijden;
    for (int seconde = 1; seconde <= 20; ++seconde) {
        klok().verstrijk(1000);
        Racks[1].Modules[1].Meting[1].Waarde = static_cast<float>(seconde);
        const int voor = model.AantalPunten;
        model.VulGrafiekAan(AantalMetingen);
        if (model.AantalPunten != voor) tijden.push_back(model.Raster().Label(rijen));
    }
    EXPECT_EQ(tijden, (std::vector<QString>{QStringLiteral("09:00:05"), QStringLiteral("09:00:10"),
                                            QStringLiteral("09:00:15"), QStringLiteral("09:00:20")}));
    // The newest point is in the last row, the one before it a row higher.
    EXPECT_FLOAT_EQ(model.Raster().Waarde(rijen, Curve(1)), 20.0f);
    EXPECT_FLOAT_EQ(model.Raster().Waarde(rijen - 1, Curve(1)), 15.0f);
    EXPECT_EQ(model.Raster().Label(rijen - 1), QStringLiteral("09:00:15"));

    // After a stall of a minute one point comes at once, the next five seconds after it.
    klok().verstrijk(60000);
    model.VulGrafiekAan(AantalMetingen);
    EXPECT_EQ(model.AantalPunten, 5);
    for (int seconde = 1; seconde <= 5; ++seconde) {
        klok().verstrijk(1000);
        model.VulGrafiekAan(AantalMetingen);
        EXPECT_EQ(model.AantalPunten, seconde < 5 ? 5 : 6) << seconde;
    }

    // A full strip restarts the counter and prints when asked.
    int afdrukken = 0;
    model.AfdrukkenRecorder = [&] { ++afdrukken; };
    model.Instellingen.AfdrukkenRecorder = true;
    model.AantalPunten = rijen - 1;
    klok().verstrijk(5000);
    model.VulGrafiekAan(AantalMetingen);
    EXPECT_EQ(model.AantalPunten, 0);
    EXPECT_EQ(afdrukken, 1);

    // Accepting changed settings empties the strip.
    model.HerInitialiseerGrafiek();
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(rijen, Curve(1))));
}

TEST_F(GrafiekmodelTest, TheRecorderLeavesAGapWhileAModuleIsGivenUp) {
    // A module that no longer answers keeps its last reading; the strip must not plot it as a new one.
    model.Instellingen.XYrecorder = true;
    model.Instellingen.RecorderTussentijd = 1;
    model.HerInitialiseerGrafiek();
    const int rijen = model.Raster().Rijen();
    Racks[1].Modules[1].Meting[1].Waarde = 7.0f;
    for (const int16_t opgegeven : {0, 1, 0}) {
        Racks[1].Modules[1].GeenAntwoordTeller = opgegeven;
        klok().verstrijk(1000);
        model.VulGrafiekAan(AantalMetingen);
    }
    EXPECT_FLOAT_EQ(model.Raster().Waarde(rijen - 2, Curve(1)), 7.0f);
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(rijen - 1, Curve(1))));
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(rijen - 1, Curve(2)))); // its temperature too
    EXPECT_FLOAT_EQ(model.Raster().Waarde(rijen, Curve(1)), 7.0f);
}

TEST_F(GrafiekmodelTest, TheRecorderLeavesAGapUntilAModuleIsFirstRead) {
    // Before the first reading of a module its record holds zeros, not a measurement.
    model.Instellingen.XYrecorder = true;
    model.Instellingen.RecorderTussentijd = 1;
    model.HerInitialiseerGrafiek();
    const int rijen = model.Raster().Rijen();
    Racks[1].Modules[1].Berekend = false;
    Racks[1].Modules[1].Meting[1].Waarde = 0.0f;
    klok().verstrijk(1000);
    model.VulGrafiekAan(AantalMetingen);
    EXPECT_TRUE(std::isnan(model.Raster().Waarde(rijen, Curve(1))));
    Racks[1].Modules[1].Berekend = true; // its first reply converted
    klok().verstrijk(1000);
    model.VulGrafiekAan(AantalMetingen);
    EXPECT_FALSE(std::isnan(model.Raster().Waarde(rijen, Curve(1))));
}

TEST_F(GrafiekmodelTest, NumbersAndCurvesAreBounded) {
    GrafiekInstellingen& g = model.Instellingen;
    g.MaxGrafiekZichtbaar = 0;
    g.AantalTijdVerdelingen = 0;
    g.AantalWaardenVerdelingen = 25;
    g.AantalWaardenOnderverdelingen = -3;
    g.RecorderTussentijd = 99999;
    model.HerInitialiseerGrafiek();
    EXPECT_EQ(g.MaxGrafiekZichtbaar, 50);
    EXPECT_EQ(model.Raster().Rijen(), 50);
    EXPECT_EQ(g.AantalTijdVerdelingen, 1);
    EXPECT_EQ(g.AantalWaardenVerdelingen, 20);
    EXPECT_EQ(g.AantalWaardenOnderverdelingen, 1);
    EXPECT_EQ(g.RecorderTussentijd, 3600);
    g.MaxGrafiekZichtbaar = 32000;
    g.RecorderTussentijd = 0;
    model.HerInitialiseerGrafiek();
    EXPECT_EQ(g.MaxGrafiekZichtbaar, 30000);
    EXPECT_EQ(g.RecorderTussentijd, 1);

    // References outside racks 1..16, modules 1..7, inputs 0..8 make no curve; a bad flag is off.
    model.SchrijfGrafiekLijnRef(3, LijnRack, 17);
    model.SchrijfGrafiekLijnRef(3, LijnModule, 1);
    model.SchrijfGrafiekLijnRef(3, LijnIngang, 1);
    model.SchrijfGrafiekLijnRef(4, LijnRack, 1);
    model.SchrijfGrafiekLijnRef(4, LijnModule, 8);
    model.SchrijfGrafiekLijnRef(4, LijnIngang, 1);
    model.SchrijfGrafiekLijnRef(5, LijnRack, 1);
    model.SchrijfGrafiekLijnRef(5, LijnModule, 1);
    model.SchrijfGrafiekLijnRef(5, LijnIngang, 9);
    model.SchrijfGrafiekLijnRef(5, LijnGemiddelde, 7);
    for (int n = 3; n <= 5; ++n) {
        GrafiekCurve c;
        model.LeesCurve(n, c);
        EXPECT_EQ(c.Rg, 0) << n;
    }
    EXPECT_EQ(model.LeesGrafiekLijnRef(5, LijnGemiddelde), 7) << "a statistics flag: non-zero is on";
    model.HerInitialiseerGrafiek();
    EXPECT_FALSE(model.Reeks(Curve(3)).zichtbaar);

    // Curve n reads its input code: 6 is the temperature of input 2.
    model.SchrijfGrafiekLijnRef(6, LijnRack, 1);
    model.SchrijfGrafiekLijnRef(6, LijnModule, 1);
    model.SchrijfGrafiekLijnRef(6, LijnIngang, 6);
    GrafiekCurve c;
    EXPECT_TRUE(model.LeesCurve(6, c));
    EXPECT_EQ(c.Kg, 2);
}

TEST_F(GrafiekmodelTest, ColoursAndValueTexts) {
    model.ZetDiagramKleur(5, 255 + 128 * 256);
    EXPECT_EQ(model.LeesDiagramRood(5), 255);
    EXPECT_EQ(model.LeesDiagramGroen(5), 128);
    EXPECT_EQ(model.LeesDiagramBlauw(5), 0);
    EXPECT_EQ(StandaardCurveKleur(1), 0);
    EXPECT_EQ(StandaardCurveKleur(16), 0);
    EXPECT_EQ(StandaardCurveKleur(32), 128 * 65536);

    Racks[1].Modules[6].Type = QStringLiteral("    ");
    EXPECT_EQ(ConverteerGrafiekWaarde(-1.6f, 1, 6, 1, false), QString());
    Racks[1].Modules[6].Type = QStringLiteral("K761");
    EXPECT_EQ(ConverteerGrafiekWaarde(-1.6f, 1, 6, 1, false), QStringLiteral("25.1 mg/l"));
    EXPECT_EQ(BepaalEenheid(1, 6, 1, false), QStringLiteral("Log[g/l]"));
}

// An ion curve (chloride, module 6) and a conductivity curve (feed, module 4) as the table holds them
// and as the live values give them: the chart plots log10 of g/l and the conductivity in the unit of
// the input's range, and the read-out names the value the table shows.
class IonEnGeleidbaarheidTest : public GrafiekmodelTest {
protected:
    void SetUp() override {
        GrafiekmodelTest::SetUp();
        for (int n : {3, 4}) {
            model.SchrijfGrafiekLijnRef(n, LijnRack, 1);
            model.SchrijfGrafiekLijnRef(n, LijnModule, n == 3 ? 6 : 4);
            model.SchrijfGrafiekLijnRef(n, LijnIngang, 1);
        }
        model.HerInitialiseerGrafiek();
    }
    // Sample s of input 1 of module m reads `waarde` in `eenheid`.
    void BewaarIngang(int m, int32_t s, const char* waarde, const char* eenheid) {
        AantalMetingen = std::max(AantalMetingen, s);
        tabel.ZetCelTekst(static_cast<int16_t>(m), s, KolomNummer, QString::number(s));
        tabel.ZetCelTekst(static_cast<int16_t>(m), s, 3, QString::fromUtf8(waarde));
        tabel.ZetCelTekst(static_cast<int16_t>(m), s, 4, QString::fromUtf8(eenheid));
    }
    double Punt(int rij, int n) const { return model.Raster().Waarde(rij, Curve(n)); }
    QString Uitlezing(int rij, int n) const {
        GrafiekCurve c;
        model.LeesCurve(n, c);
        return ConverteerGrafiekWaarde(static_cast<float>(Punt(rij, n)), c.Rg, c.Mg, c.Kg, false);
    }
};

TEST_F(IonEnGeleidbaarheidTest, TableModePlotsLogGramsPerLitreAndTheConductivityOfTheRange) {
    // The table writes the ion's name before the unit; the concentration crosses a decade.
    BewaarIngang(6, 1, "32.4", "Cl mg/l");
    BewaarIngang(6, 2, "950", "Cl µg/l");
    BewaarIngang(6, 3, "1.05", "Cl mg/l");
    BewaarIngang(6, 4, "3.16", "Cl g/l");
    // A conductivity logged across a change of range.
    BewaarIngang(4, 1, "800", "µS/cm");
    BewaarIngang(4, 2, "1.200", "mS/cm");
    BewaarIngang(4, 3, "1.500", "mS/cm");
    BewaarIngang(4, 4, "900", "µS/cm");
    model.LadenGrafiek();
    ASSERT_EQ(model.AantalPunten, 4);

    EXPECT_NEAR(Punt(1, 3), std::log10(0.0324), 1e-5);
    EXPECT_NEAR(Punt(2, 3), std::log10(950e-6), 1e-5);
    EXPECT_NEAR(Punt(3, 3), std::log10(1.05e-3), 1e-5);
    EXPECT_NEAR(Punt(4, 3), std::log10(3.16), 1e-5);
    EXPECT_EQ(Uitlezing(1, 3), QStringLiteral("32.4 mg/l"));
    EXPECT_EQ(Uitlezing(2, 3), QString::fromUtf8("950 µg/l"));
    EXPECT_EQ(BepaalEenheid(1, 6, 1, false), QStringLiteral("Log[g/l]"));

    EXPECT_FLOAT_EQ(static_cast<float>(Punt(1, 4)), 800.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(Punt(2, 4)), 1200.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(Punt(3, 4)), 1500.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(Punt(4, 4)), 900.0f);

    // The point read-out and the statistics bracket name concentrations, never "OR.".
    model.SchrijfGrafiekLijnRef(3, LijnMaximum, 1);
    model.KiesPunt(Curve(3), 1);
    EXPECT_TRUE(model.Voetnoot.startsWith(QStringLiteral("Chloride: No.1(")));
    EXPECT_TRUE(model.Voetnoot.endsWith(QStringLiteral("): 32.4 mg/l [MAX: 3.16 g/l  ]")))
        << model.Voetnoot.toStdString();
}

TEST_F(IonEnGeleidbaarheidTest, RecorderModePlotsTheSameNumbersFromTheLiveValues) {
    model.Instellingen.XYrecorder = true;
    model.StelNieuweGrafiekIn();
    model.HerInitialiseerGrafiek();
    const int laatste = model.Raster().Rijen();
    Racks[1].Modules[6].Meting[1].Waarde = -1.48945f; // 32.4 mg/l
    model.SchuifRecorderOp();
    EXPECT_NEAR(Punt(laatste, 3), std::log10(0.0324), 1e-5);
    EXPECT_EQ(Uitlezing(laatste, 3), QStringLiteral("32.4 mg/l"));
    Racks[1].Modules[6].Meting[1].Waarde = -3.0223f; // 950 µg/l
    model.SchuifRecorderOp();
    EXPECT_NEAR(Punt(laatste, 3), std::log10(950e-6), 1e-5);
    EXPECT_NEAR(Punt(laatste - 1, 3), std::log10(0.0324), 1e-5);

    // The conductivity plots the number of its text, in the unit the legend names.
    const float getal = TekstNaarSingle(MeetwaardeTekst(1, 4, 1));
    EXPECT_FLOAT_EQ(static_cast<float>(Punt(laatste, 4)), getal);
    EXPECT_TRUE(BepaalEenheid(1, 4, 1, false).endsWith(EenheidTekst(1, 4, 1)));
}

// The chart over real table windows, which give their cells as UTF-8 bytes: the points are the
// numbers the cells' texts convert to, whatever the texts hold, in a full redraw and after scrolling.
class GrafiekOverTabelvenstersTest : public TabelOmgeving {
protected:
    // Rack 1: pH, mV, the ion input 4 and the temperature of input 1 of slot 1, the two conductivity
    // inputs of slot 4 (one in the mS ranges, one in the µS ranges), input 3 of slot 1 (not in use);
    // rack 2: input 1 of slot 2.
    static constexpr std::array<std::array<int16_t, 3>, 8> Curven = {
        {{1, 1, 1}, {1, 1, 5}, {1, 1, 2}, {1, 1, 4}, {1, 4, 1}, {1, 4, 2}, {1, 1, 3}, {2, 2, 1}}};

    void SetUp() override {
        TabelOmgeving::SetUp();
        Racks[1].Modules[1].Meting[4].Unit = "g/l";
        Racks[1].Modules[4].Meting[2].Resolution = 3;
        for (int n = 1; n <= static_cast<int>(Curven.size()); ++n)
            for (int i = LijnRack; i <= LijnIngang; ++i)
                model.SchrijfGrafiekLijnRef(n, i, Curven[static_cast<size_t>(n - 1)][static_cast<size_t>(i)]);
        model.Instellingen.MaxGrafiekZichtbaar = 50;
        model.Instellingen.LabelKeuze = 0;
        model.StelNieuweGrafiekIn();
        model.HerInitialiseerGrafiek();
    }

    // Row s of slot m of rack r: value and unit texts taken in turn from the lists.
    void Bewaar(int r, int m, int32_t s) {
        static const char* const waarden[] = {"7.00",
                                              "7,5",
                                              " 6.5 ",
                                              "\t6.25\r",
                                              "",
                                              " ",
                                              "OR.",
                                              " OR.",
                                              "OR.5",
                                              "-0",
                                              "0",
                                              "-3.5",
                                              "1E2",
                                              "1e-3",
                                              "+3",
                                              "12.5 pH",
                                              "½",
                                              "\u00A08.1",
                                              "8.1\u00A0",
                                              "0012.50",
                                              "5.",
                                              ".5",
                                              "-.5",
                                              ",5",
                                              "1.2.3",
                                              "1 2",
                                              "3,000.5",
                                              "12345678901234567890",
                                              "123456789012345678901",
                                              "-1234567890123456.75",
                                              "99999999999999999999",
                                              "٣",
                                              "abc",
                                              "0.000001",
                                              "0.1",
                                              "1413",
                                              "2.5"};
        static const char* const eenheden[] = {"Cl mg/l", "Cl µg/l", "ng/l",   "g/l",  " mg/l ", "mol/l", "",
                                               "µS/cm",   "mS/cm",   " mS/cm", "S/cm", "mg/l",   "g/l "};
        constexpr int aantalWaarden = sizeof(waarden) / sizeof(waarden[0]);
        constexpr int aantalEenheden = sizeof(eenheden) / sizeof(eenheden[0]);
        TabelRij rij;
        // Rack 1 on 5 January from 9 o'clock, rack 2 on 6 January from 10 o'clock.
        rij[KolomDatum] = QStringLiteral("0%1/01/2026").arg(4 + r);
        rij[KolomTijd] = QStringLiteral("%1:%2:%3")
                             .arg(8 + r, 2, 10, QLatin1Char('0'))
                             .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(s % 60, 2, 10, QLatin1Char('0'));
        for (int n = 1; n <= AantalIngangen; ++n) {
            const auto c = static_cast<size_t>(KolomVanKanaal(n));
            const int i = s * 7 + n * 3 + m;
            rij[c] = QString::fromUtf8(waarden[i % aantalWaarden]);
            rij[c + 1] = QString::fromUtf8(eenheden[(i / 3) % aantalEenheden]);
            rij[c + 2] = QString::fromUtf8(waarden[(i + 5) % aantalWaarden]);
            rij[c + 3] = QString::fromUtf8("°C");
        }
        tabel(r).MSHFlexGrid[m]->Model().ZetRij(s, rij);
    }

    // Every row of the chart against the texts of the sample's cells, converted one by one; its label
    // from the first plotted curve whose grid keeps a time in the row, none when no grid does.
    ::testing::AssertionResult ToontDeTabel() const {
        for (int rij = 1; rij <= model.Raster().Rijen(); ++rij) {
            const int32_t s = model.VensterStart + rij - 1;
            const bool getoond = rij <= model.AantalPunten;
            QString label;
            bool gelabeld = false;
            for (int n = 1; n <= static_cast<int>(Curven.size()); ++n) {
                const auto [r, m, code] = Curven[static_cast<size_t>(n - 1)];
                const bool temperatuur = code > AantalIngangen;
                const int k = temperatuur ? code - AantalIngangen : code;
                const int16_t kolom = static_cast<int16_t>(KolomVanKanaal(k) + (temperatuur ? 2 : 0));
                const Tabelvenster& t = *TabelVensters[r];
                const double verwacht =
                    getoond && Racks[r].Modules[m].Meting[k].Set
                        ? ConverteerTabelWaarde(r, m, k, t.CelTekst(m, s, kolom).trimmed(),
                                                t.CelTekst(m, s, kolom + 1).trimmed(), temperatuur)
                        : Ontbreekt;
                if (getoond && !gelabeld && Racks[r].Modules[m].Meting[k].Set && !ZonderTijd(r, m, s)) {
                    const QString datum = t.CelTekst(m, s, KolomDatum), tijd = t.CelTekst(m, s, KolomTijd);
                    const QString labels[] = {datum + QLatin1Char(' ') + tijd, tijd, datum,
                                              t.CelTekst(m, s, KolomNummer)};
                    label = labels[model.Instellingen.LabelKeuze];
                    gelabeld = true;
                }
                const double punt = model.Raster().Waarde(rij, n + 2);
                if (!ZelfdePunt(punt, verwacht))
                    return ::testing::AssertionFailure() << "sample " << s << " curve " << n << " cell \""
                                                         << t.CelTekst(m, s, kolom).toStdString() << "\" \""
                                                         << t.CelTekst(m, s, kolom + 1).toStdString()
                                                         << "\": " << punt << " against " << verwacht;
            }
            if (model.Raster().Label(rij) != label)
                return ::testing::AssertionFailure()
                       << "sample " << s << ": label \"" << model.Raster().Label(rij).toStdString()
                       << "\" against \"" << label.toStdString() << '"';
        }
        return ::testing::AssertionSuccess();
    }

    Grafiekmodel model;
};

TEST_F(GrafiekOverTabelvenstersTest, TheCellsBytesPlotTheNumbersOfTheirTextsAlsoAfterScrolling) {
    constexpr int32_t Monsters = 300;
    for (int32_t s = 1; s <= Monsters; ++s) {
        Bewaar(1, 1, s);
        Bewaar(1, 4, s);
        Bewaar(2, 2, s);
    }
    AantalMetingen = Monsters;
    model.LadenGrafiek();
    ASSERT_EQ(model.AantalPunten, 50);
    EXPECT_TRUE(ToontDeTabel());
    for (int32_t start : {200, 201, 199, 230, 180, 10, 251, 260, 1}) {
        model.ToonVenster(start);
        EXPECT_TRUE(ToontDeTabel()) << "window from " << start;
    }
    // A row rewritten in the window is read again on the next step.
    TabelRij rij;
    rij[KolomDatum] = QStringLiteral("06/01/2026");
    rij[KolomTijd] = QStringLiteral("10:00:00");
    rij[3] = QStringLiteral("4.5");
    tabel(1).MSHFlexGrid[1]->Model().ZetRij(20, rij);
    model.ToonVenster(2);
    EXPECT_TRUE(ToontDeTabel());
    EXPECT_DOUBLE_EQ(model.Raster().Waarde(19, 3), 4.5);

    // A search finds other modules in rack 1: its grids begin empty and take the samples from 281 on,
    // while rack 2 keeps its rows. Sample 270 is gone from rack 2 too, and sample 290 of slot 1 keeps
    // nothing but white space in its time cells.
    tabel(1).StelTabelIn(false);
    for (int32_t s = 281; s <= Monsters; ++s) {
        Bewaar(1, 1, s);
        Bewaar(1, 4, s);
    }
    tabel(2).MSHFlexGrid[2]->Model().ZetRij(270, TabelRij{});
    TabelRij wit;
    wit[KolomDatum] = u8("\u00A0");
    wit[KolomTijd] = QStringLiteral(" \t");
    wit[3] = QStringLiteral("7.0");
    tabel(1).MSHFlexGrid[1]->Model().ZetRij(290, wit);
    const auto label = [&](int32_t s) { return model.Raster().Label(s - model.VensterStart + 1); };
    for (const int keuze : {0, 1, 2, 3}) {
        model.Instellingen.LabelKeuze = static_cast<int16_t>(keuze);
        model.ToonVenster(251);
        EXPECT_TRUE(ToontDeTabel()) << "label choice " << keuze;
        // Kept by rack 2 alone; by slot 4 of rack 1 and rack 2 (slot 1 holds white space); by both
        // racks; by neither.
        const char* const verwacht[][4] = {{"06/01/2026 10:04:20", "10:04:20", "06/01/2026", "260"},
                                           {"05/01/2026 09:04:50", "09:04:50", "05/01/2026", "290"},
                                           {"05/01/2026 09:04:55", "09:04:55", "05/01/2026", "295"},
                                           {"", "", "", ""}};
        int i = 0;
        for (const int32_t s : {260, 290, 295, 270})
            EXPECT_EQ(label(s).toStdString(), verwacht[i++][keuze])
                << "sample " << s << ", label choice " << keuze;
        model.ToonVenster(241);
        EXPECT_TRUE(ToontDeTabel()) << "label choice " << keuze << ", scrolled";
    }
}

TEST(Grafiekcellen, PlainNumbersReadFromBytesAsTheirTexts) {
    // Texts of plain numbers of every length the bytes are read for, with either decimal sign, in
    // curves of each kind.
    uint32_t toeval = 2026;
    const auto volgende = [&](uint32_t n) {
        toeval = toeval * 1664525u + 1013904223u;
        return (toeval >> 8) % n;
    };
    const char* const eenheden[] = {"pH", "mg/l", "Cl µg/l", "mS/cm", "µS/cm"};
    for (int i = 0; i < 20000; ++i) {
        std::string t = volgende(3) == 0 ? "-" : "";
        const uint32_t voor = 1 + volgende(12);
        const uint32_t na = volgende(3) == 0 ? 0 : 1 + volgende(12);
        for (uint32_t d = 0; d < voor; ++d)
            t += static_cast<char>('0' + volgende(10));
        if (na > 0) t += volgende(2) == 0 ? '.' : ',';
        for (uint32_t d = 0; d < na; ++d)
            t += static_cast<char>('0' + volgende(10));
        Grafiekomzetting z;
        z.soort = static_cast<Grafiekomzetting::Soort>(volgende(3));
        z.decade = static_cast<int>(volgende(6)) - 1;
        const char* eenheid = eenheden[volgende(5)];
        Grafiekcellen cellen(z);
        const double bytes = cellen.Zet(t, eenheid);
        const double tekst = z.Zet(QString::fromStdString(t), QString::fromUtf8(eenheid));
        ASSERT_TRUE(ZelfdePunt(bytes, tekst)) << t << " " << eenheid << ": " << bytes << " against " << tekst;
    }
}
