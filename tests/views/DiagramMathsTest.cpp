// The chart's arithmetic without painting.
#include "views/DiagramMaths.h"

#include <gtest/gtest.h>

TEST(DiagramMathsTest, TheLayoutWithAndWithoutAScrollBar) {
    // 250 twips of scroll bar below the chart in normal mode.
    const GrafiekvensterIndeling normaal = BerekenVensterIndeling(QSizeF(600, 400), false);
    ASSERT_TRUE(normaal.geldig);
    EXPECT_NEAR(normaal.diagram.height(), 400 - 250 / 15.0, 1e-9);
    EXPECT_TRUE(normaal.scrollbalkZichtbaar);
    EXPECT_DOUBLE_EQ(normaal.scrollbalk.top(), normaal.diagram.bottom());
    EXPECT_DOUBLE_EQ(normaal.scrollbalk.width(), 600);
    const GrafiekvensterIndeling recorder = BerekenVensterIndeling(QSizeF(600, 400), true);
    EXPECT_EQ(recorder.diagram, QRectF(0, 0, 600, 400));
    EXPECT_FALSE(recorder.scrollbalkZichtbaar);
    // No room for more than the band: nothing is laid out, so no control gets a negative size.
    EXPECT_FALSE(BerekenVensterIndeling(QSizeF(600, 250 / 15.0), false).geldig);
}

TEST(DiagramMathsTest, ThePlotEndsBeforeTheLegend) {
    const DiagramIndeling d = BerekenDiagramIndeling(QSizeF(800, 500), 14, 40, 150, true, true);
    EXPECT_NEAR(d.legende.left() - d.plot.right(), 500 / 15.0, 1e-9);
    EXPECT_GT(d.plot.left(), d.waardeLabels.right() - 1);
    EXPECT_LE(d.plot.bottom(), d.voetnoot.top());
    const DiagramIndeling zonder = BerekenDiagramIndeling(QSizeF(800, 500), 14, 40, 0, false, false);
    EXPECT_TRUE(zonder.legende.isEmpty());
    EXPECT_GT(zonder.plot.right(), 780);
}

TEST(DiagramMathsTest, Waardenas) {
    // Fixed: -100..100 in 10 major divisions of 2 minor ones each.
    const Waardenas vast = BerekenWaardenas(false, 0, 0, -100, 100, 10, 2);
    EXPECT_EQ(vast.hoofdstreepjes.size(), 11u);
    EXPECT_DOUBLE_EQ(vast.hoofdstreepjes[1], -80);
    EXPECT_EQ(vast.onderstreepjes.size(), 10u);
    EXPECT_DOUBLE_EQ(vast.onderstreepjes[0], -90);
    // An empty or reversed fixed range, or 0 divisions, never divides by zero.
    const Waardenas leeg = BerekenWaardenas(false, 0, 0, 5, 5, 0, 0);
    EXPECT_LT(leeg.minimum, leeg.maximum);
    EXPECT_EQ(leeg.hoofdstreepjes.size(), 2u);
    const Waardenas om = BerekenWaardenas(false, 0, 0, 10, -10, 4, 1);
    EXPECT_DOUBLE_EQ(om.minimum, -10);
    EXPECT_DOUBLE_EQ(om.maximum, 10);
    // Automatic: round steps around the data; no data gives 0..1.
    const Waardenas automatisch = BerekenWaardenas(true, 3.2, 9.7, 0, 0, 10, 1);
    EXPECT_DOUBLE_EQ(automatisch.minimum, 3);
    EXPECT_DOUBLE_EQ(automatisch.maximum, 10);
    EXPECT_EQ(automatisch.decimalen, 0);
    const Waardenas niets = BerekenWaardenas(true, INFINITY, -INFINITY, 0, 0, 10, 1);
    EXPECT_DOUBLE_EQ(niets.minimum, 0);
    EXPECT_DOUBLE_EQ(niets.maximum, 1);
    const Waardenas een = BerekenWaardenas(true, 7, 7, 0, 0, 10, 1);
    EXPECT_LT(een.minimum, 7);
    EXPECT_GT(een.maximum, 7);
}

TEST(DiagramMathsTest, ATimeAxisLabelEveryFourteenPoints) {
    const std::vector<int> r = TijdasLabelRijen(99, 7);
    ASSERT_GE(r.size(), 2u);
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 15);
    EXPECT_EQ(r.back(), 99);
    EXPECT_EQ(TijdasLabelRijen(50, 0).size(), 1u); // 0 divisions count as 1
}

// In a plot too short for every value label, labels that would overlap the one drawn before are left
// out (upwards or downwards); where they all fit, every one is drawn.
TEST(DiagramMathsTest, ValueLabelsDoNotOverlap) {
    EXPECT_EQ(ZichtbareWaardeLabels({100, 80, 60, 40}, 15), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(ZichtbareWaardeLabels({20, 16, 12, 8, 4, 0}, 10),
              (std::vector<bool>{true, false, false, true, false, false}));
    EXPECT_EQ(ZichtbareWaardeLabels({0, 5, 10, 15}, 10), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(ZichtbareWaardeLabels({7.5, 7.5, 7.5}, 12), (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(ZichtbareWaardeLabels({}, 12).empty());
}

TEST(DiagramMathsTest, ColumnsFollowTheWidthNotTheNumberOfPoints) {
    std::vector<double> w(30000);
    for (int i = 0; i < 30000; ++i)
        w[i] = (i % 2 == 0) ? i : -i;
    w[15010] = Ontbreekt;
    std::vector<KolomPunten> k;
    std::vector<int> grenzen;
    BerekenKolomGrenzen(30000, 1000, grenzen);
    BerekenKolommen(w.data(), grenzen, k);
    // One entry per column, one more where the gap splits a column.
    EXPECT_EQ(k.size(), 1001u);
    EXPECT_FALSE(k.front().verbonden);
    EXPECT_EQ(k.front().aantal, 30);
    EXPECT_FLOAT_EQ(k.front().eerste, 0);
    EXPECT_FLOAT_EQ(k.front().laagste, -29);
    EXPECT_FLOAT_EQ(k.front().hoogste, 28);
    EXPECT_FLOAT_EQ(k.front().laatste, -29);
    int onverbonden = 0;
    for (const KolomPunten& c : k)
        onverbonden += c.verbonden ? 0 : 1;
    EXPECT_EQ(onverbonden, 2); // the start and after the gap

    // Fewer points than columns: every point its own column.
    const double weinig[] = {1, Ontbreekt, 3, 4};
    BerekenKolomGrenzen(4, 400, grenzen);
    BerekenKolommen(weinig, grenzen, k);
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0].kolom, 50);
    EXPECT_FALSE(k[1].verbonden);
    EXPECT_TRUE(k[2].verbonden);
    EXPECT_EQ(k[2].kolom, 350);

    // Every row in the column its middle falls in, at widths and counts that do not divide.
    for (const auto& [n, breedte] : {std::pair{30000, 909}, {99, 757}, {7, 3}, {1000, 1000}}) {
        BerekenKolomGrenzen(n, breedte, grenzen);
        ASSERT_EQ(grenzen.size(), static_cast<size_t>(breedte) + 1);
        EXPECT_EQ(grenzen.front(), 0);
        EXPECT_EQ(grenzen.back(), n);
        for (int kolom = 0; kolom < breedte; ++kolom)
            for (int i = grenzen[kolom]; i < grenzen[kolom + 1]; ++i)
                ASSERT_EQ(static_cast<int>(std::floor((i + 0.5) * breedte / n)), kolom) << n << " " << i;
    }
}

TEST(DiagramMathsTest, StatisticsSkipMissingPoints) {
    const double w[] = {Ontbreekt, 4, 2, Ontbreekt, 9};
    const Statistiek s = BerekenStatistiek(w, 5);
    EXPECT_EQ(s.aantal, 3);
    EXPECT_DOUBLE_EQ(s.minimum, 2);
    EXPECT_DOUBLE_EQ(s.maximum, 9);
    EXPECT_DOUBLE_EQ(s.gemiddelde, 5);
    const double leeg[] = {Ontbreekt, Ontbreekt};
    EXPECT_EQ(BerekenStatistiek(leeg, 2).aantal, 0);
}
