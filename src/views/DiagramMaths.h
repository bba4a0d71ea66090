#pragma once
// The arithmetic of a graph window's chart, free of painting: the window's split into chart and scroll
// bar, the chart's split into plot area, legend and read-out strip, the divisions of the value axis,
// the labels of the time axis, the points of a curve gathered per pixel column, and the statistics of
// a curve. Missing points are NaN throughout.
#include <QRectF>
#include <QSizeF>
#include <cmath>
#include <limits>
#include <vector>

inline constexpr double Ontbreekt = std::numeric_limits<double>::quiet_NaN();
inline bool IsOntbrekend(double w) {
    return std::isnan(w);
}

// Screen pixels per twip at 96 dpi.
inline constexpr double PixelsPerTwip = 1.0 / 15.0;
// Band of the scroll bar below the chart in normal mode, in twips.
inline constexpr int ScrollbalkTwips = 250;
// Gap between the plot area and a legend on its right, in twips.
inline constexpr int LegendeAfstandTwips = 500;
// Height of the read-out strip at the bottom of the chart, in twips.
inline constexpr int VoetnootTwips = 375;

// The window's inner area split into the chart and, in normal mode, the scroll bar below it. An area
// of at most the scroll-bar band in height (or a minimised window) is not laid out: `geldig` is false
// and the controls keep their places.
struct GrafiekvensterIndeling {
    bool geldig = false;
    QRectF diagram;
    QRectF scrollbalk; // empty in recorder mode
    bool scrollbalkZichtbaar = false;
};
GrafiekvensterIndeling BerekenVensterIndeling(QSizeF binnen, bool recorder);

// The chart's own areas. The legend stands at the right, the plot area ends LegendeAfstandTwips before
// it (at the chart's right edge without a legend); the read-out strip spans the chart's bottom.
struct DiagramIndeling {
    QRectF plot;
    QRectF legende; // empty without a legend
    QRectF voetnoot;
    QRectF titelWaardenas; // left of the plot, text turned upright
    QRectF titelTijdsas;   // below the time labels
    QRectF tijdLabels;     // band of the time-axis labels under the plot
    QRectF waardeLabels;   // band of the value-axis labels left of the plot
};
// `tekstHoogte` is the height of one line of the chart's font, `waardeLabelBreedte` the widest value
// label, `legendeBreedte` the legend's width (0: no legend); titles take room only when present. A chart
// too low for every band leaves out the time-axis title, then the time labels (empty band), then the
// read-out strip (empty), so that the plot keeps two text lines where it can.
DiagramIndeling BerekenDiagramIndeling(QSizeF diagram, double tekstHoogte, double waardeLabelBreedte,
                                       double legendeBreedte, bool titelWaardenas, bool titelTijdsas);

// The value axis: its range and the values of its major and minor ticks, lowest first.
struct Waardenas {
    double minimum = 0;
    double maximum = 1;
    std::vector<double> hoofdstreepjes;
    std::vector<double> onderstreepjes;
    int decimalen = 0; // decimals that tell the major ticks apart
};
// Automatic: a range of round steps (1, 2 or 5 times a power of ten) around the data, about
// `verdelingen` steps; without data (or only missing points) 0..1; one value v gives a range around v.
// Fixed: minimum..maximum in `verdelingen` major steps, each cut into `onderverdelingen` minor steps
// (1: no minor ticks). Divisions are held to 1..20; a fixed range that is empty or reversed is put in
// order and widened, so the axis never divides by zero.
Waardenas BerekenWaardenas(bool automatisch, double dataMinimum, double dataMaximum, double vastMinimum,
                           double vastMaximum, int verdelingen, int onderverdelingen);

// The time axis: rows 1..rijen, a label and a tick every rijen / verdelingen rows (whole quotient, at
// least 1), starting at row 1.
std::vector<int> TijdasLabelRijen(int rijen, int verdelingen);

// Which of the value labels centred at `ys` (the major ticks, in order) are drawn in a plot too short
// for all of them: the first always, then each that lies at least one text height from the last one
// drawn, so that no two labels overlap.
std::vector<bool> ZichtbareWaardeLabels(const std::vector<double>& ys, double tekstHoogte);

// X of row r (1-based) of `rijen` rows spread over the plot: each row in the middle of its own slice.
inline double XVanRij(const QRectF& plot, int rijen, int r) {
    return plot.left() + (r - 0.5) * plot.width() / (rijen > 0 ? rijen : 1);
}
// The row nearest to x, 1..rijen.
int RijVanX(const QRectF& plot, int rijen, double x);
// Y of value w on an axis from minimum (bottom of the plot) to maximum (top).
inline double YVanWaarde(const QRectF& plot, const Waardenas& as, double w) {
    return plot.bottom() - (w - as.minimum) * plot.height() / (as.maximum - as.minimum);
}

// The points of one curve in one pixel column: the first and last (in row order), the lowest and the
// highest. `verbonden`: the column continues the line of the column before it (no missing point
// between them). Consecutive points in one column without a gap between them share one entry.
struct KolomPunten {
    int kolom = 0;
    double eerste = 0, laatste = 0, laagste = 0, hoogste = 0;
    int aantal = 0;
    bool verbonden = false;
};
// The rows of `n` in the pixel columns 0..breedte-1 of a plot `breedte` pixels wide: row r (1-based)
// lies in column floor((r - 0.5) x breedte / n). `grenzen` gets breedte + 1 entries: the first row
// index (0-based) of column k at k, n at breedte; an empty column has the same entry as the next one.
// Every curve of a chart shares these bounds.
void BerekenKolomGrenzen(int n, int breedte, std::vector<int>& grenzen);
// Gathers the values of one curve (row r at index r - 1) into the columns of `grenzen`. The result holds
// at most one entry per column and run of points, so its size follows the width, not the number of
// points; `uit` is refilled and keeps its capacity.
void BerekenKolommen(const double* waarden, const std::vector<int>& grenzen, std::vector<KolomPunten>& uit);

// The lowest and highest of n values, missing points left out; laag stays +inf and hoog -inf when every
// value is missing. Both are widened only.
void BerekenBereik(const double* waarden, int n, double& laag, double& hoog);

// Minimum, maximum and mean of the points that are not missing.
struct Statistiek {
    int aantal = 0;
    double minimum = 0, maximum = 0, gemiddelde = 0;
};
Statistiek BerekenStatistiek(const double* waarden, int n);
