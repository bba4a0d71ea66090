// The chart as painted: every point shows in its pixel column, however many share the column, and a
// missing point leaves a gap.
#include "shared/Getallen.h"
#include "views/Diagram.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int Breedte = 1000;
constexpr int Hoogte = 600;

// One red curve on a fixed axis of -100..100, nothing else.
struct Kaart {
    DiagramRaster raster;
    DiagramBeeld beeld;
    QImage beeldvlak{Breedte, Hoogte, QImage::Format_RGB32};
    QRectF plot;
    Waardenas as;

    explicit Kaart(int punten) {
        raster.ZetGrootte(punten);
        std::fill_n(raster.Reeks(3), punten, 0.0);
        beeld.raster = &raster;
        beeld.reeksen[3].zichtbaar = true;
        beeld.reeksen[3].kleur = 0x0000FF;
        beeld.automatisch = false;
        beeld.minimum = -100;
        beeld.maximum = 100;
    }
    double* Curve() { return raster.Reeks(3); }
    void Teken() {
        beeldvlak.fill(Qt::white);
        QPainter p(&beeldvlak);
        TekenDiagram(p, QRectF(0, 0, Breedte, Hoogte), beeld);
        const DiagramGeometrie g =
            BerekenGeometrie(QRectF(0, 0, Breedte, Hoogte), beeld, QFontMetricsF(p.font()));
        plot = g.indeling.plot;
        as = g.as;
    }
    int Y(double w) const { return static_cast<int>(std::lround(YVanWaarde(plot, as, w))); }
    // The pixel column of a row: the plot's width in whole pixels shared out among the rows.
    int X(int rij) const {
        const int breedte = static_cast<int>(plot.width());
        return static_cast<int>(std::floor(plot.left())) +
               static_cast<int>(std::floor((rij - 0.5) * breedte / raster.Rijen()));
    }
    // The highest and lowest red pixel of columns x - rand .. x + rand; -1 for both when they have none.
    std::pair<int, int> Rood(int x, int rand = 0) const {
        int boven = -1, onder = -1;
        for (int y = 0; y < Hoogte; ++y)
            for (int i = x - rand; i <= x + rand; ++i)
                if (beeldvlak.pixel(i, y) == qRgb(255, 0, 0)) {
                    if (boven < 0) boven = y;
                    onder = y;
                }
        return {boven, onder};
    }
};

} // namespace

TEST(DiagramTekenTest, EveryPointCountsInItsColumnAlsoAmongThirtyThousand) {
    Kaart k(30000);
    // Lone peaks at every place of the four-value steps and in a column's last values, up and down.
    const int pieken[] = {4000, 8001, 12002, 16003, 20029};
    for (const int r : pieken)
        k.Curve()[r - 1] = r % 2 ? -90 : 90;
    // A gap of 300 points (about eight columns).
    for (int r = 24001; r <= 24300; ++r)
        k.Curve()[r - 1] = Ontbreekt;
    k.Teken();
    for (const int r : pieken) {
        const auto [boven, onder] = k.Rood(k.X(r), 1);
        if (r % 2)
            EXPECT_NEAR(onder, k.Y(-90), 1) << "row " << r;
        else
            EXPECT_NEAR(boven, k.Y(90), 1) << "row " << r;
    }
    // The columns away from the peaks stay at 0.
    EXPECT_EQ(k.Rood(k.X(6000)), std::pair(k.Y(0), k.Y(0)));
    // Nothing in the gap, the line on both sides of it.
    for (int x = k.X(24040); x <= k.X(24260); ++x)
        EXPECT_EQ(k.Rood(x).first, -1) << "column " << x;
    EXPECT_EQ(k.Rood(k.X(24000)).first, k.Y(0));
    EXPECT_EQ(k.Rood(k.X(24301)).first, k.Y(0));
}

TEST(DiagramTekenTest, ScatteredPointsAreJoinedExceptAcrossAGap) {
    Kaart k(99);
    for (int r = 1; r <= 99; ++r)
        k.Curve()[r - 1] = r <= 50 ? -50 : 50;
    k.Curve()[70 - 1] = Ontbreekt;
    k.Teken();
    // The step from row 50 to 51 is drawn as a line between the two points.
    const int midden = (k.X(50) + k.X(51)) / 2;
    EXPECT_NE(k.Rood(midden).first, -1);
    // No line across the missing row 70.
    EXPECT_EQ(k.Rood(k.X(70)).first, -1);
    EXPECT_NE(k.Rood(k.X(69)).first, -1);
    EXPECT_NE(k.Rood(k.X(71)).first, -1);
}

namespace {

// The number a value label stands for, read back in the program's number form.
double LabelWaarde(const QString& tekst) {
    QString t = tekst;
    t.replace(DecimaalTeken(), QStringLiteral("."));
    return t.toDouble();
}

// Every label of the value axis whole in its box, the boxes apart, the values rising upwards.
void ControleerWaardeLabels(const DiagramBeeld& beeld, QSizeF maat) {
    QImage vlak(maat.toSize(), QImage::Format_RGB32);
    QPainter p(&vlak);
    const QFontMetricsF fm(p.font());
    const DiagramGeometrie g = BerekenGeometrie(QRectF(QPointF(0, 0), maat), beeld, fm);
    const std::vector<AsLabel> labels = WaardeasLabels(g, fm);
    ASSERT_GE(labels.size(), 2u);
    for (size_t i = 0; i < labels.size(); ++i) {
        const AsLabel& l = labels[i];
        EXPECT_LE(fm.horizontalAdvance(l.tekst), l.vak.width()) << l.tekst.toStdString();
        EXPECT_FALSE(l.tekst.contains(QLatin1Char(' '))) << l.tekst.toStdString();
        if (i == 0) continue;
        EXPECT_LE(l.vak.bottom(), labels[i - 1].vak.top() + 0.5) << l.tekst.toStdString();
        EXPECT_GT(LabelWaarde(l.tekst), LabelWaarde(labels[i - 1].tekst))
            << labels[i - 1].tekst.toStdString() << " then " << l.tekst.toStdString();
    }
}

} // namespace

TEST(DiagramTekenTest, ValueLabelsAreWholeAndOrderedForAnyFiniteRange) {
    Kaart k(50);
    // The widest fixed range the settings allow.
    k.beeld.minimum = -32768;
    k.beeld.maximum = 32767;
    ControleerWaardeLabels(k.beeld, QSizeF(600, 400));
    // An automatic scale over values up to 1e30 (a high alarm line there, a wild table cell).
    k.beeld.automatisch = true;
    k.Curve()[0] = 1e30;
    ControleerWaardeLabels(k.beeld, QSizeF(600, 400));
    k.Curve()[0] = -3.7e12;
    k.Curve()[1] = 2.2e13;
    ControleerWaardeLabels(k.beeld, QSizeF(600, 400));
    // Small numbers keep their decimals; thousands have no group separator.
    k.Curve()[0] = 1350;
    k.Curve()[1] = 1650;
    ControleerWaardeLabels(k.beeld, QSizeF(600, 400));
    QImage vlak(600, 400, QImage::Format_RGB32);
    QPainter p(&vlak);
    const QFontMetricsF fm(p.font());
    const std::vector<AsLabel> labels =
        WaardeasLabels(BerekenGeometrie(QRectF(0, 0, 600, 400), k.beeld, fm), fm);
    EXPECT_EQ(labels.back().tekst, QStringLiteral("1800")) << labels.back().tekst.toStdString();
}

namespace {

// The time labels of a chart of `maat` whose rows carry `label`, checked: each whole within the chart,
// none touching the next.
std::vector<AsLabel> ControleerTijdLabels(Kaart& k, QSizeF maat, const QString& label) {
    for (int r = 1; r <= k.raster.Rijen(); ++r)
        k.raster.ZetLabel(r, label);
    QImage vlak(maat.toSize(), QImage::Format_RGB32);
    QPainter p(&vlak);
    const QFontMetricsF fm(p.font());
    const DiagramGeometrie g = BerekenGeometrie(QRectF(QPointF(0, 0), maat), k.beeld, fm);
    const std::vector<AsLabel> labels = TijdasLabels(g, k.beeld, fm);
    for (size_t i = 0; i < labels.size(); ++i) {
        const AsLabel& l = labels[i];
        EXPECT_GE(l.vak.left(), 0) << l.tekst.toStdString();
        EXPECT_LE(l.vak.right(), maat.width()) << l.tekst.toStdString();
        EXPECT_LE(l.vak.bottom(), maat.height());
        for (const QString& regel : l.tekst.split(QLatin1Char('\n')))
            EXPECT_LE(fm.horizontalAdvance(regel), l.vak.width()) << regel.toStdString();
        EXPECT_LE(fm.height() * (l.tekst.count(QLatin1Char('\n')) + 1), l.vak.height() + 0.5);
        if (i > 0) {
            EXPECT_GT(l.vak.left(), labels[i - 1].vak.right()) << l.tekst.toStdString();
        }
    }
    return labels;
}

} // namespace

TEST(DiagramTekenTest, TimeLabelsThatDoNotFitAreLeftOutNeverDrawnOverEachOtherOrCut) {
    Kaart k(99);
    const QString datumTijd = QStringLiteral("05/01/2026 09:15:00");
    // Wide: a label every fourteen rows, one line each.
    std::vector<AsLabel> labels = ControleerTijdLabels(k, QSizeF(1000, 400), datumTijd);
    EXPECT_EQ(labels.size(), 8u);
    // A tiled window a few hundred pixels wide: fewer labels, date above time, none over another.
    labels = ControleerTijdLabels(k, QSizeF(220, 300), datumTijd);
    ASSERT_GE(labels.size(), 1u);
    EXPECT_EQ(labels.front().tekst, QStringLiteral("05/01/2026\n09:15:00"));
    // A date with blanks in it is split before the time, and the first label moves in from the edge.
    labels = ControleerTijdLabels(k, QSizeF(300, 300), QString::fromUtf8("7 déc. 2026 14:51:23"));
    ASSERT_GE(labels.size(), 1u);
    EXPECT_EQ(labels.front().tekst, QString::fromUtf8("7 déc. 2026\n14:51:23"));

    // A window 60 pixels high keeps a plot area for its curves: the time labels and the read-out
    // strip give way.
    QImage vlak(300, 60, QImage::Format_RGB32);
    QPainter p(&vlak);
    const QFontMetricsF fm(p.font());
    const DiagramGeometrie laag = BerekenGeometrie(QRectF(0, 0, 300, 60), k.beeld, fm);
    EXPECT_GE(laag.indeling.plot.height(), fm.height() * 2 - 0.5);
    EXPECT_TRUE(ControleerTijdLabels(k, QSizeF(300, 60), datumTijd).empty());
    for (const AsLabel& l : WaardeasLabels(laag, fm)) {
        EXPECT_GE(l.vak.top(), 0) << l.tekst.toStdString();
        EXPECT_LE(l.vak.bottom(), 60) << l.tekst.toStdString();
    }
}

TEST(DiagramTekenTest, CrowdedCurvesPaintAsEachCurveAloneLaidOverTheOnesBelow) {
    // 32 curves of 30,000 points (smooth, saw-tooth, noisy, flat, with gaps) and both alarm lines, on a
    // fixed axis; each drawn alone, and the pictures laid over each other from the bottom one (alarm
    // lines, then curve 32) to curve 1 on top, make the chart pixel for pixel.
    constexpr int Punten = 30000;
    DiagramRaster raster;
    raster.ZetGrootte(Punten);
    DiagramBeeld beeld;
    beeld.raster = &raster;
    beeld.automatisch = false;
    beeld.minimum = -100;
    beeld.maximum = 100;
    unsigned ruis = 12345;
    for (int s = 1; s <= AantalDiagramReeksen; ++s) {
        double* w = raster.Reeks(s);
        for (int r = 0; r < Punten; ++r) {
            ruis = ruis * 1103515245u + 12345u;
            const double toeval = static_cast<double>((ruis >> 8) % 2000) / 10.0 - 100;
            switch (s % 5) {
            case 0:
                w[r] = 60 * std::sin(r / 900.0 + s);
                break;
            case 1:
                w[r] = -80 + 1.6 * (r % 100) + s;
                break;
            case 2:
                w[r] = toeval * (s % 3 + 1) / 3;
                break;
            case 3:
                w[r] = s <= 2 ? 10.0 * s : 3 * s - 50;
                break;
            default:
                w[r] = (r / 3000) % 2 ? Ontbreekt : 40 * std::cos(r / 50.0) - s;
                break;
            }
        }
        beeld.reeksen[s].zichtbaar = true;
        // No white, no black, no grey of the grid.
        beeld.reeksen[s].kleur = (7 * s) | ((255 - 7 * s) << 8) | ((37 * s % 200) << 16);
    }
    // At 1600x1000 pixels, one to one and on a screen of two device pixels a point.
    for (const double schaal : {1.0, 2.0}) {
        const QRectF vak(0, 0, 1600 / schaal, 1000 / schaal);
        auto teken = [&](const DiagramBeeld& b) {
            QImage beeldvlak(QSize(1600, 1000), QImage::Format_RGB32);
            beeldvlak.setDevicePixelRatio(schaal);
            beeldvlak.fill(Qt::white);
            QPainter p(&beeldvlak);
            TekenDiagram(p, vak, b);
            return beeldvlak;
        };
        const QImage geheel = teken(beeld);
        DiagramBeeld leeg = beeld;
        for (int s = 1; s <= AantalDiagramReeksen; ++s)
            leeg.reeksen[s].zichtbaar = false;
        const QImage assen = teken(leeg);
        QImage samen = assen;
        for (int i = AantalDiagramReeksen; i >= 1; --i) {
            const int s = i <= 32 ? i + 2 : i - 32;
            DiagramBeeld alleen = leeg;
            alleen.reeksen[s].zichtbaar = true;
            const QImage een = teken(alleen);
            for (int y = 0; y < een.height(); ++y)
                for (int x = 0; x < een.width(); ++x)
                    if (een.pixel(x, y) != assen.pixel(x, y)) samen.setPixel(x, y, een.pixel(x, y));
        }
        int anders = 0;
        for (int y = 0; y < samen.height(); ++y)
            for (int x = 0; x < samen.width(); ++x)
                anders += samen.pixel(x, y) != geheel.pixel(x, y);
        EXPECT_EQ(anders, 0) << "device pixel ratio " << schaal;
    }
}
