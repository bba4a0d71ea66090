#include "views/DiagramMaths.h"

#include <optional>

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

GrafiekvensterIndeling BerekenVensterIndeling(QSizeF binnen, bool recorder) {
    GrafiekvensterIndeling r;
    const double band = ScrollbalkTwips * PixelsPerTwip;
    if (binnen.height() <= band || binnen.width() <= 0) return r;
    r.geldig = true;
    if (recorder) {
        r.diagram = QRectF(QPointF(0, 0), binnen);
        return r;
    }
    r.diagram = QRectF(0, 0, binnen.width(), binnen.height() - band);
    r.scrollbalk = QRectF(0, r.diagram.height(), binnen.width(), band);
    r.scrollbalkZichtbaar = true;
    return r;
}

DiagramIndeling BerekenDiagramIndeling(QSizeF diagram, double tekstHoogte, double waardeLabelBreedte,
                                       double legendeBreedte, bool titelWaardenas, bool titelTijdsas) {
    DiagramIndeling d;
    const double w = diagram.width();
    const double h = diagram.height();
    const double marge = std::max(4.0, tekstHoogte * 0.5);
    const double boven = marge + tekstHoogte * 0.5;
    // A chart too low for all its bands leaves out, in turn, the time axis's title, its labels and the
    // read-out strip, so that the plot area keeps at least two text lines.
    double voet = VoetnootTwips * PixelsPerTwip;
    bool metTijdLabels = true;
    const auto plotHoogte = [&] {
        return h - boven - voet - (metTijdLabels ? tekstHoogte * 2.2 : tekstHoogte * 0.6) -
               (titelTijdsas ? tekstHoogte * 1.4 : 0);
    };
    const double minimum = tekstHoogte * 2;
    if (plotHoogte() < minimum) titelTijdsas = false;
    if (plotHoogte() < minimum) metTijdLabels = false;
    if (plotHoogte() < minimum) voet = 0;
    if (voet > 0) d.voetnoot = QRectF(0, std::max(0.0, h - voet), w, std::min(h, voet));

    double links = marge;
    if (titelWaardenas) {
        d.titelWaardenas = QRectF(links, 0, tekstHoogte * 1.2, h - voet);
        links += tekstHoogte * 1.4;
    }
    d.waardeLabels = QRectF(links, 0, waardeLabelBreedte, h);
    links += waardeLabelBreedte + marge;

    double rechts = w - marge;
    if (legendeBreedte > 0) {
        d.legende =
            QRectF(w - marge - legendeBreedte, marge, legendeBreedte, std::max(0.0, h - voet - marge));
        rechts = d.legende.left() - LegendeAfstandTwips * PixelsPerTwip;
    }

    // Time labels may take two lines (date above time).
    // Without them the lowest value label still needs half a line below the plot.
    double onder = h - voet - (metTijdLabels ? tekstHoogte * 2.2 : tekstHoogte * 0.6);
    if (titelTijdsas) {
        d.titelTijdsas =
            QRectF(links, onder - tekstHoogte * 1.2, std::max(0.0, rechts - links), tekstHoogte * 1.2);
        onder -= tekstHoogte * 1.4;
    }
    if (metTijdLabels)
        d.tijdLabels = QRectF(links, onder + 2, std::max(0.0, rechts - links), tekstHoogte * 2.2);
    if (titelTijdsas) d.titelTijdsas.moveTop(d.tijdLabels.bottom());
    d.plot = QRectF(QPointF(links, boven), QPointF(std::max(links + 1, rechts), std::max(boven + 1, onder)));
    d.waardeLabels.setHeight(d.plot.bottom() + tekstHoogte);
    return d;
}

namespace {

// 1, 2 or 5 times a power of ten, the smallest at least x.
double RondeStap(double x) {
    const double macht = std::pow(10.0, std::floor(std::log10(x)));
    for (const double f : {1.0, 2.0, 5.0, 10.0})
        if (f * macht >= x * (1 - 1e-9)) return f * macht;
    return 10 * macht;
}

int DecimalenVan(double stap) {
    if (!(stap > 0) || stap >= 1) return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(stap) - 1e-9)), 0, 12);
}

} // namespace

Waardenas BerekenWaardenas(bool automatisch, double dataMinimum, double dataMaximum, double vastMinimum,
                           double vastMaximum, int verdelingen, int onderverdelingen) {
    Waardenas as;
    verdelingen = std::clamp(verdelingen, 1, 20);
    onderverdelingen = std::clamp(onderverdelingen, 1, 20);
    double stap = 0;
    if (automatisch) {
        double lo = dataMinimum, hi = dataMaximum;
        if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) {
            lo = 0;
            hi = 1;
        } else if (hi - lo <= std::max(std::abs(hi), std::abs(lo)) * 1e-12) {
            const double rand = lo == 0 ? 1 : std::abs(lo) * 0.1;
            lo -= rand;
            hi += rand;
        }
        stap = RondeStap((hi - lo) / verdelingen);
        as.minimum = std::floor(lo / stap + 1e-9) * stap;
        as.maximum = std::ceil(hi / stap - 1e-9) * stap;
        if (as.maximum <= as.minimum) as.maximum = as.minimum + stap;
        onderverdelingen = 1;
    } else {
        double lo = std::isfinite(vastMinimum) ? vastMinimum : 0;
        double hi = std::isfinite(vastMaximum) ? vastMaximum : 0;
        if (lo > hi) std::swap(lo, hi);
        if (hi - lo <= std::max(std::abs(hi), std::abs(lo)) * 1e-12) {
            const double rand = lo == 0 ? 1 : std::abs(lo) * 0.1;
            lo -= rand;
            hi += rand;
        }
        as.minimum = lo;
        as.maximum = hi;
        stap = (hi - lo) / verdelingen;
    }
    const int aantal = static_cast<int>(std::llround((as.maximum - as.minimum) / stap));
    for (int i = 0; i <= aantal; ++i) {
        as.hoofdstreepjes.push_back(as.minimum + i * stap);
        if (i < aantal)
            for (int j = 1; j < onderverdelingen; ++j)
                as.onderstreepjes.push_back(as.minimum + i * stap + j * stap / onderverdelingen);
    }
    as.decimalen = DecimalenVan(stap);
    if (!automatisch && std::abs(stap * std::pow(10.0, as.decimalen) -
                                 std::round(stap * std::pow(10.0, as.decimalen))) > 1e-6)
        as.decimalen = std::min(as.decimalen + 2, 6);
    return as;
}

std::vector<bool> ZichtbareWaardeLabels(const std::vector<double>& ys, double tekstHoogte) {
    std::vector<bool> zichtbaar(ys.size(), false);
    std::optional<double> vorige;
    for (size_t i = 0; i < ys.size(); ++i) {
        if (vorige && std::abs(ys[i] - *vorige) < tekstHoogte) continue;
        zichtbaar[i] = true;
        vorige = ys[i];
    }
    return zichtbaar;
}

std::vector<int> TijdasLabelRijen(int rijen, int verdelingen) {
    std::vector<int> r;
    if (rijen < 1) return r;
    const int stap = std::max(1, rijen / std::clamp(verdelingen, 1, 20));
    for (int i = 1; i <= rijen; i += stap)
        r.push_back(i);
    return r;
}

int RijVanX(const QRectF& plot, int rijen, double x) {
    if (rijen < 1 || plot.width() <= 0) return 1;
    const int r = static_cast<int>(std::floor((x - plot.left()) * rijen / plot.width())) + 1;
    return std::clamp(r, 1, rijen);
}

void BerekenBereik(const double* w, int n, double& laag, double& hoog) {
    // Four lanes, so that the comparisons of one lane need not wait for the others; a NaN loses every
    // comparison and so leaves a lane as it is.
    double l[4] = {laag, laag, laag, laag};
    double h[4] = {hoog, hoog, hoog, hoog};
    int i = 0;
    for (; i + 4 <= n; i += 4)
        for (int j = 0; j < 4; ++j) {
            l[j] = w[i + j] < l[j] ? w[i + j] : l[j];
            h[j] = w[i + j] > h[j] ? w[i + j] : h[j];
        }
    for (; i < n; ++i) {
        l[0] = w[i] < l[0] ? w[i] : l[0];
        h[0] = w[i] > h[0] ? w[i] : h[0];
    }
    laag = std::min({l[0], l[1], l[2], l[3]});
    hoog = std::max({h[0], h[1], h[2], h[3]});
}

namespace {

// The extremes of w[0..n-1]; false when one of them is missing (then laag and hoog are of no use). On
// SSE2 four values a step in two pairs of lanes, so that a comparison need not wait for the one before
// it; one unordered compare of the two pairs tells whether either holds a missing point.
inline bool BereikZonderGat(const double* w, int n, double& laag, double& hoog) {
    double l = std::numeric_limits<double>::infinity(), h = -l;
    bool gat = false;
    int i = 0;
#if defined(__SSE2__)
    if (n >= 4) {
        __m128d l0 = _mm_set1_pd(l), l1 = l0, h0 = _mm_set1_pd(h), h1 = h0, g = _mm_setzero_pd();
        for (; i + 4 <= n; i += 4) {
            const __m128d a = _mm_loadu_pd(w + i), b = _mm_loadu_pd(w + i + 2);
            l0 = _mm_min_pd(l0, a);
            l1 = _mm_min_pd(l1, b);
            h0 = _mm_max_pd(h0, a);
            h1 = _mm_max_pd(h1, b);
            g = _mm_or_pd(g, _mm_cmpunord_pd(a, b));
        }
        l0 = _mm_min_pd(l0, l1);
        h0 = _mm_max_pd(h0, h1);
        l = std::min(_mm_cvtsd_f64(l0), _mm_cvtsd_f64(_mm_unpackhi_pd(l0, l0)));
        h = std::max(_mm_cvtsd_f64(h0), _mm_cvtsd_f64(_mm_unpackhi_pd(h0, h0)));
        gat = _mm_movemask_pd(g) != 0;
    }
#endif
    for (; i < n; ++i) {
        const double v = w[i];
        l = v < l ? v : l;
        h = v > h ? v : h;
        gat |= IsOntbrekend(v);
    }
    laag = l;
    hoog = h;
    return !gat;
}

} // namespace

void BerekenKolomGrenzen(int n, int breedte, std::vector<int>& grenzen) {
    grenzen.clear();
    if (breedte < 1) return;
    grenzen.resize(static_cast<size_t>(breedte) + 1);
    // Row index i lies in column k while (2i + 1) x breedte >= 2 n k: whole numbers, so that every row
    // lands in the same column whatever the rounding of a quotient.
    const int64_t b = breedte, tweeN = 2 * static_cast<int64_t>(std::max(n, 0));
    for (int k = 0; k < breedte; ++k) {
        const int64_t teller = tweeN * k - b;
        grenzen[static_cast<size_t>(k)] = teller <= 0 ? 0 : static_cast<int>((teller + 2 * b - 1) / (2 * b));
    }
    grenzen.back() = std::max(n, 0);
}

void BerekenKolommen(const double* waarden, const std::vector<int>& grenzen, std::vector<KolomPunten>& uit) {
    uit.clear();
    const int breedte = static_cast<int>(grenzen.size()) - 1;
    if (breedte < 1) return;
    uit.reserve(static_cast<size_t>(breedte) + 16);
    bool gat = true; // a missing point (or the start) before the next point
    for (int kolom = 0; kolom < breedte; ++kolom) {
        int i = grenzen[static_cast<size_t>(kolom)];
        const int eind = grenzen[static_cast<size_t>(kolom) + 1];
        if (i >= eind) continue;
        // Most columns hold no missing point: their extremes in one pass.
        double laag, hoog;
        if (BereikZonderGat(waarden + i, eind - i, laag, hoog)) {
            uit.push_back(KolomPunten{kolom, waarden[i], waarden[eind - 1], laag, hoog, eind - i, !gat});
            gat = false;
            continue;
        }
        while (i < eind) {
            if (IsOntbrekend(waarden[i])) {
                gat = true;
                ++i;
                continue;
            }
            // One run of points without a gap inside this column.
            const int begin = i;
            while (i < eind && !IsOntbrekend(waarden[i]))
                ++i;
            BereikZonderGat(waarden + begin, i - begin, laag, hoog);
            uit.push_back(KolomPunten{kolom, waarden[begin], waarden[i - 1], laag, hoog, i - begin, !gat});
            gat = false;
        }
    }
}

Statistiek BerekenStatistiek(const double* waarden, int n) {
    Statistiek s;
    double som = 0;
    for (int i = 0; i < n; ++i) {
        const double w = waarden[i];
        if (IsOntbrekend(w)) continue;
        if (s.aantal == 0) {
            s.minimum = s.maximum = w;
        } else {
            s.minimum = std::min(s.minimum, w);
            s.maximum = std::max(s.maximum, w);
        }
        som += w;
        ++s.aantal;
    }
    if (s.aantal > 0) s.gemiddelde = som / s.aantal;
    return s;
}
