#include "views/Diagram.h"

#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Opmaak.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLine>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QTransform>
#include <algorithm>

namespace {

QColor Kleur(int32_t k) {
    return QColor(RoodVanKleur(k), GroenVanKleur(k), BlauwVanKleur(k));
}

bool Getoond(const DiagramBeeld& b, int reeks) {
    return b.reeksen[reeks].zichtbaar;
}

// Width of the legend: a colour stroke and the longest text; 0 when it is off or empty.
double LegendeBreedte(const DiagramBeeld& b, const QFontMetricsF& fm) {
    if (!b.legende) return 0;
    double breedste = 0;
    for (int s = 1; s <= AantalDiagramReeksen; ++s)
        if (Getoond(b, s) && !b.reeksen[s].legende.isEmpty())
            breedste = std::max(breedste, fm.horizontalAdvance(b.reeksen[s].legende));
    return breedste > 0 ? breedste + fm.height() * 2.5 : 0;
}

// A value label in the program's number form (its decimal sign, no group separators), as the tables
// write their numbers.
QString WaardeLabel(double w, int decimalen) {
    if (std::abs(w) < 1e-12) w = 0;
    return Opmaak(w, decimalen > 0 ? QStringLiteral("0.") + QString(decimalen, QLatin1Char('0'))
                                   : QStringLiteral("0"));
}

// The same in powers of ten ("1,5E+07"), with as many decimals as tell ticks `stap` apart.
QString MachtLabel(double w, double grootste, double stap) {
    if (std::abs(w) < stap * 1e-9) w = 0;
    const int decimalen =
        stap > 0 && grootste > 0
            ? std::clamp(static_cast<int>(std::ceil(std::log10(grootste / stap) - 1e-9)), 0, 6)
            : 0;
    QString t = QString::number(w, 'E', decimalen);
    t.replace(QLatin1Char('.'), DecimaalTeken());
    return t;
}

// The lowest and highest point of the shown series.
void DataBereik(const DiagramBeeld& b, double& laag, double& hoog) {
    laag = std::numeric_limits<double>::infinity();
    hoog = -laag;
    const int n = b.raster->Rijen();
    for (int s = 1; s <= AantalDiagramReeksen; ++s) {
        if (!Getoond(b, s)) continue;
        BerekenBereik(b.raster->Reeks(s), n, laag, hoog);
    }
}

} // namespace

DiagramBeeld BeeldVan(const Grafiekmodel& model) {
    DiagramBeeld b;
    const GrafiekInstellingen& g = model.Instellingen;
    b.raster = &model.Raster();
    for (int s = 1; s <= AantalDiagramReeksen; ++s)
        b.reeksen[s] = model.Reeks(s);
    b.legende = g.LegendeKeuze;
    b.titelWaardenas = g.TitelWaardenas.trimmed();
    b.titelTijdsas = g.TitelTijdsas.trimmed();
    b.automatisch = g.AutomatischeSchaal;
    b.minimum = g.GrafiekMinimum;
    b.maximum = g.GrafiekMaximum;
    b.verdelingen = g.AantalWaardenVerdelingen;
    b.onderverdelingen = g.AantalWaardenOnderverdelingen;
    b.tijdVerdelingen = g.AantalTijdVerdelingen;
    b.voetnootZichtbaar = model.VoetnootZichtbaar;
    b.voetnoot = model.Voetnoot;
    b.markerReeks = model.MarkerReeks;
    b.gekozenReeks = model.GekozenSerie;
    b.gekozenPunt = model.GekozenPunt;
    return b;
}

namespace {

// The label band of the value axis is as wide as a long label, whatever the values, so the plot area
// (and with it the pixel columns of the curves) is known before the data is read.
DiagramIndeling IndelingVan(const QRectF& gebied, const DiagramBeeld& beeld, const QFontMetricsF& fm) {
    DiagramIndeling d = BerekenDiagramIndeling(
        gebied.size(), fm.height(), fm.horizontalAdvance(QStringLiteral("-000000.00")),
        LegendeBreedte(beeld, fm), !beeld.titelWaardenas.isEmpty(), !beeld.titelTijdsas.isEmpty());
    const QPointF o = gebied.topLeft();
    for (QRectF* r : {&d.plot, &d.legende, &d.voetnoot, &d.titelWaardenas, &d.titelTijdsas, &d.tijdLabels,
                      &d.waardeLabels})
        if (!r->isNull()) r->translate(o);
    return d;
}

Waardenas AsVan(const DiagramBeeld& b, double laag, double hoog) {
    return BerekenWaardenas(b.automatisch, laag, hoog, b.minimum, b.maximum, b.verdelingen,
                            b.onderverdelingen);
}

int KolomBreedte(const QRectF& plot) {
    return std::max(1, static_cast<int>(plot.width()));
}

} // namespace

QSizeF KleinsteDiagramMaat(const DiagramBeeld& b, const QFontMetricsF& fm) {
    const double th = fm.height();
    const double marge = std::max(4.0, th * 0.5);
    const double voet = VoetnootTwips * PixelsPerTwip;
    constexpr double PlotBreedte = 160, PlotHoogte = 100;
    double breedte = marge + fm.horizontalAdvance(QStringLiteral("-000000.00")) + marge + PlotBreedte + marge;
    if (!b.titelWaardenas.isEmpty()) breedte += th * 1.4;
    if (const double legende = LegendeBreedte(b, fm); legende > 0)
        breedte += LegendeAfstandTwips * PixelsPerTwip + legende;
    double hoogte = marge + th * 0.5 + PlotHoogte + th * 2.2 + voet;
    if (!b.titelTijdsas.isEmpty()) hoogte += th * 1.4;
    if (b.legende) {
        int regels = 0;
        for (int s = 1; s <= AantalDiagramReeksen; ++s)
            if (Getoond(b, s) && !b.reeksen[s].legende.isEmpty()) ++regels;
        hoogte = std::max(hoogte, 2 * marge + voet + regels * th * 1.3);
    }
    return QSizeF(std::ceil(breedte), std::ceil(hoogte));
}

DiagramGeometrie BerekenGeometrie(const QRectF& gebied, const DiagramBeeld& beeld, const QFontMetricsF& fm) {
    DiagramGeometrie g;
    double laag = 0, hoog = 0;
    if (beeld.automatisch) DataBereik(beeld, laag, hoog);
    g.indeling = IndelingVan(gebied, beeld, fm);
    g.as = AsVan(beeld, laag, hoog);
    return g;
}

std::vector<AsLabel> WaardeasLabels(const DiagramGeometrie& g, const QFontMetricsF& fm) {
    std::vector<AsLabel> labels;
    const QRectF& plot = g.indeling.plot;
    const QRectF& band = g.indeling.waardeLabels;
    const std::vector<double>& w = g.as.hoofdstreepjes;
    std::vector<double> ys;
    for (const double v : w)
        ys.push_back(std::round(YVanWaarde(plot, g.as, v)) + 0.5);
    const std::vector<bool> zichtbaar = ZichtbareWaardeLabels(ys, fm.height());
    std::vector<QString> teksten;
    bool past = true;
    for (const double v : w) {
        teksten.push_back(WaardeLabel(v, g.as.decimalen));
        past = past && fm.horizontalAdvance(teksten.back()) <= band.width();
    }
    // Labels too long for the band are all written in powers of ten, never cut.
    if (!past) {
        const double grootste = std::max(std::abs(g.as.minimum), std::abs(g.as.maximum));
        const double stap = w.size() > 1 ? w[1] - w[0] : grootste;
        for (size_t i = 0; i < w.size(); ++i)
            teksten[i] = MachtLabel(w[i], grootste, stap);
    }
    for (size_t i = 0; i < w.size(); ++i)
        if (zichtbaar[i])
            labels.push_back(
                {teksten[i], QRectF(band.left(), ys[i] - fm.height() / 2, band.width(), fm.height())});
    return labels;
}

std::vector<AsLabel> TijdasLabels(const DiagramGeometrie& g, const DiagramBeeld& b, const QFontMetricsF& fm) {
    std::vector<AsLabel> labels;
    const QRectF& band = g.indeling.tijdLabels;
    if (!b.raster || band.isEmpty()) return labels;
    const QRectF& plot = g.indeling.plot;
    const int rijen = b.raster->Rijen();
    const std::vector<int> rijenMetLabel = TijdasLabelRijen(rijen, b.tijdVerdelingen);
    const double ruimte = rijenMetLabel.size() > 1 ? XVanRij(plot, rijen, rijenMetLabel[1]) -
                                                         XVanRij(plot, rijen, rijenMetLabel[0])
                                                   : plot.width();
    // A label stays within the chart's width; the read-out strip spans it.
    const double links = std::min(g.indeling.waardeLabels.left(), band.left());
    const double rechts =
        g.indeling.voetnoot.isEmpty() ? band.right() + (band.left() - links) : g.indeling.voetnoot.right();
    const double tussen = fm.horizontalAdvance(QStringLiteral("  "));
    double vorigeRechts = -std::numeric_limits<double>::infinity();
    for (const int r : rijenMetLabel) {
        QString t = b.raster->Label(r);
        if (t.isEmpty()) continue;
        // Too wide for its share: date above time, split before the time.
        const qsizetype spatie = t.lastIndexOf(QLatin1Char(' '));
        if (fm.horizontalAdvance(t) + 2 + tussen > ruimte && spatie > 0) t[spatie] = QLatin1Char('\n');
        double breedte = 0;
        for (const QString& regel : t.split(QLatin1Char('\n')))
            breedte = std::max(breedte, fm.horizontalAdvance(regel));
        breedte = std::ceil(breedte) + 2;
        const double hoogte = fm.height() * (t.count(QLatin1Char('\n')) + 1);
        if (hoogte > band.height() - 2 + 0.5 || breedte > rechts - links) continue;
        // Centred under its row, moved in where it would stand beyond the chart's edge.
        const double x = XVanRij(plot, rijen, r);
        const double begin = std::clamp(x - breedte / 2, links, rechts - breedte);
        // Left out where it would touch the label before it.
        if (begin < vorigeRechts + tussen) continue;
        labels.push_back({t, QRectF(begin, band.top() + 2, breedte, hoogte)});
        vorigeRechts = begin + breedte;
    }
    return labels;
}

namespace {

void TekenAssen(QPainter& p, const DiagramGeometrie& g, const DiagramBeeld& b, const QFontMetricsF& fm) {
    const QRectF& plot = g.indeling.plot;
    const QColor raster(220, 220, 220);
    p.setPen(QPen(raster, 0));
    for (const double w : g.as.hoofdstreepjes) {
        const double y = std::round(YVanWaarde(plot, g.as, w)) + 0.5;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(QPen(Qt::black, b.dunnePen));
    p.drawRect(plot);
    // Value axis: major ticks with their labels (those that fit), minor ticks.
    for (const double w : g.as.hoofdstreepjes) {
        const double y = std::round(YVanWaarde(plot, g.as, w)) + 0.5;
        p.drawLine(QPointF(plot.left() - 5, y), QPointF(plot.left(), y));
    }
    for (const AsLabel& l : WaardeasLabels(g, fm))
        p.drawText(l.vak, Qt::AlignRight | Qt::AlignVCenter, l.tekst);
    for (const double w : g.as.onderstreepjes) {
        const double y = std::round(YVanWaarde(plot, g.as, w)) + 0.5;
        p.drawLine(QPointF(plot.left() - 3, y), QPointF(plot.left(), y));
    }
    // Time axis: a tick and the row's label every few rows.
    const int rijen = b.raster->Rijen();
    for (const int r : TijdasLabelRijen(rijen, b.tijdVerdelingen)) {
        const double x = std::round(XVanRij(plot, rijen, r)) + 0.5;
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
    }
    for (const AsLabel& l : TijdasLabels(g, b, fm))
        p.drawText(l.vak, Qt::AlignHCenter | Qt::AlignTop, l.tekst);
    if (!b.titelTijdsas.isEmpty()) p.drawText(g.indeling.titelTijdsas, Qt::AlignCenter, b.titelTijdsas);
    if (!b.titelWaardenas.isEmpty()) {
        const QRectF& t = g.indeling.titelWaardenas;
        p.save();
        p.translate(t.center());
        p.rotate(-90);
        p.drawText(QRectF(-t.height() / 2, -t.width() / 2, t.height(), t.width()), Qt::AlignCenter,
                   b.titelWaardenas);
        p.restore();
    }
}

// The strokes and dots of one series where points crowd.
struct Streken {
    std::vector<QLine> lijnen;
    std::vector<QPoint> punten;
};

// Per pixel column the rows a series above has already taken (one run of them; boven > onder: none).
// What lies there of a series below is never seen, so it is not drawn.
struct Bedekking {
    std::vector<int> boven, onder;

    void Begin(int kolommen) {
        boven.assign(static_cast<size_t>(kolommen), 0);
        onder.assign(static_cast<size_t>(kolommen), -1);
    }
    // Rows van..tot of column k are taken too. Two runs apart: the longer is kept.
    void Neem(size_t k, int van, int tot) {
        int& b = boven[k];
        int& o = onder[k];
        if (b > o) {
            b = van;
            o = tot;
        } else if (van <= o + 1 && tot >= b - 1) {
            b = std::min(b, van);
            o = std::max(o, tot);
        } else if (tot - van > o - b) {
            b = van;
            o = tot;
        }
    }
};

// What a redraw works in, kept from one redraw to the next so that a redraw allocates nothing: the
// columns' bounds, each series' columns and the strokes of one series.
struct Kladblok {
    std::vector<int> grenzen;
    std::array<std::vector<KolomPunten>, AantalDiagramReeksen + 1> kolommen;
    QPolygon lijn;
    std::array<Streken, AantalDiagramReeksen + 1> streken;
    Bedekking bedekking;
};

Kladblok& KladblokVanDraad() {
    thread_local Kladblok k;
    return k;
}

// The whole pixel row of value w. Far outside values are held a little beyond the plot (the clip cuts
// them), so no coordinate overflows; the offset keeps the rounded number positive, where a cast rounds
// down.
class PixelRij {
public:
    PixelRij(const QRectF& plot, const Waardenas& as)
        : m_schaal(plot.height() / (as.maximum - as.minimum)), m_minimum(as.minimum), m_bodem(plot.bottom()),
          m_boven(plot.top() - 1e4), m_onder(plot.bottom() + 1e4),
          m_basis(static_cast<int>(std::floor(m_boven)) - 1) {}
    int operator()(double w) const {
        const double y = std::clamp(m_bodem - (w - m_minimum) * m_schaal, m_boven, m_onder);
        return m_basis + static_cast<int>(y - m_basis + 0.5);
    }

private:
    double m_schaal, m_minimum, m_bodem, m_boven, m_onder;
    int m_basis;
};

// One series whose points stand apart (at most one per column): runs of connected points as polylines,
// a lone point as a dot.
void TekenPunten(QPainter& p, int links, const PixelRij& y, const std::vector<KolomPunten>& kolommen,
                 QPolygon& lijn) {
    const auto teken = [&] {
        if (lijn.size() == 1)
            p.drawPoint(lijn.front());
        else if (lijn.size() > 1)
            p.drawPolyline(lijn);
        lijn.clear();
    };
    lijn.clear();
    for (const KolomPunten& k : kolommen) {
        if (!k.verbonden) teken();
        lijn.append(QPoint(links + k.kolom, y(k.eerste)));
    }
    teken();
}

// One series where points crowd, a stroke per pixel column: upright over the column's lowest and highest
// point and the end of the line in the column before it, which joins the two as a line between them
// would. A line to a column further on is a stroke from the end of the line so far; connected columns of
// one pixel at one height are one level stroke, a lone pixel a dot. A missing point breaks the line.
// With `bedekking`, the rows of a column that series above take are left out of the column's stroke
// (and this series' strokes are added to them).
void VerzamelKolommen(int links, const PixelRij& y, const std::vector<KolomPunten>& kolommen,
                      Bedekking* bedekking, Streken& uit) {
    // Per column at most a connecting stroke, the end of a level stroke and two pieces of the upright
    // one; as many dots.
    const size_t nodig = 4 * kolommen.size() + 1;
    if (uit.lijnen.size() < nodig) uit.lijnen.resize(nodig);
    if (uit.punten.size() < nodig) uit.punten.resize(nodig);
    QLine* streep = uit.lijnen.data();
    QPoint* punt = uit.punten.data();
    int vorigeX = 0, vorigeY = 0;             // the end of the line so far
    int vlakVan = 0, vlakTot = -1, vlakY = 0; // a level stroke from column vlakVan to vlakTot
    const auto sluitVlak = [&] {
        if (vlakTot == vlakVan)
            *punt++ = QPoint(vlakVan, vlakY);
        else if (vlakTot > vlakVan)
            *streep++ = QLine(vlakVan, vlakY, vlakTot, vlakY);
        vlakTot = vlakVan - 1;
    };
    const auto staand = [&](int x, int van, int tot) {
        if (van == tot)
            *punt++ = QPoint(x, van);
        else if (van < tot)
            *streep++ = QLine(x, van, x, tot);
    };
    const size_t kolomAantal = bedekking ? bedekking->boven.size() : 0;
    for (const KolomPunten& c : kolommen) {
        const int x = links + c.kolom;
        int boven = y(c.hoogste), onder = y(c.laagste);
        const bool naast = c.verbonden && x == vorigeX + 1;
        if (naast) {
            boven = std::min(boven, vorigeY);
            onder = std::max(onder, vorigeY);
        } else if (c.verbonden) {
            *streep++ = QLine(vorigeX, vorigeY, x, y(c.eerste));
        }
        vorigeX = x;
        vorigeY = y(c.laatste);
        // The rows of the column left to see.
        int bezetVan = 0, bezetTot = -1;
        if (bedekking && static_cast<size_t>(c.kolom) < kolomAantal) {
            const auto kolom = static_cast<size_t>(c.kolom);
            bezetVan = bedekking->boven[kolom];
            bezetTot = bedekking->onder[kolom];
            bedekking->Neem(kolom, boven, onder);
        }
        const bool bedekt = bezetVan <= bezetTot && boven >= bezetVan && onder <= bezetTot;
        if (boven == onder && !bedekt) {
            if (!(naast && vlakTot == x - 1 && vlakY == boven)) {
                sluitVlak();
                vlakVan = x;
                vlakY = boven;
            }
            vlakTot = x;
            continue;
        }
        sluitVlak();
        if (bedekt) continue;
        if (bezetVan > bezetTot || onder < bezetVan || boven > bezetTot) {
            staand(x, boven, onder);
        } else {
            staand(x, boven, bezetVan - 1);
            staand(x, bezetTot + 1, onder);
        }
    }
    sluitVlak();
    uit.lijnen.resize(static_cast<size_t>(streep - uit.lijnen.data()));
    uit.punten.resize(static_cast<size_t>(punt - uit.punten.data()));
}

void TekenStreken(QPainter& p, const Streken& s) {
    if (!s.lijnen.empty()) p.drawLines(s.lijnen.data(), static_cast<int>(s.lijnen.size()));
    if (!s.punten.empty()) p.drawPoints(s.punten.data(), static_cast<int>(s.punten.size()));
}

void TekenLegende(QPainter& p, const QRectF& vak, const DiagramBeeld& b, const QFontMetricsF& fm) {
    if (vak.isEmpty()) return;
    double y = vak.top();
    const double regel = fm.height() * 1.3;
    const double streep = fm.height() * 1.5;
    // Curves first, in their order, then the alarm lines.
    std::vector<int> volgorde;
    for (int s = 3; s <= AantalDiagramReeksen; ++s)
        volgorde.push_back(s);
    volgorde.push_back(ReeksAlarmHoog);
    volgorde.push_back(ReeksAlarmLaag);
    for (const int s : volgorde) {
        const ReeksBeeld& r = b.reeksen[s];
        if (!r.zichtbaar || r.legende.isEmpty()) continue;
        if (y + regel > vak.bottom()) break;
        p.setPen(QPen(Kleur(r.kleur), 2));
        p.drawLine(QPointF(vak.left(), y + regel / 2), QPointF(vak.left() + streep, y + regel / 2));
        p.setPen(Qt::black);
        p.drawText(QRectF(vak.left() + streep + fm.height() * 0.5, y, vak.width(), regel), Qt::AlignVCenter,
                   r.legende);
        y += regel;
    }
}

} // namespace

void TekenDiagram(QPainter& p, const QRectF& gebied, const DiagramBeeld& b) {
    p.save();
    p.fillRect(gebied, Qt::white);
    if (!b.raster || b.raster->Rijen() < 1) {
        p.restore();
        return;
    }
    const QFontMetricsF fm(p.font());
    const int rijen = b.raster->Rijen();
    // The curves gathered per pixel column once; the automatic scale takes their extremes.
    DiagramGeometrie g;
    g.indeling = IndelingVan(gebied, b, fm);
    const QRectF& plot = g.indeling.plot;
    Kladblok& k = KladblokVanDraad();
    BerekenKolomGrenzen(rijen, KolomBreedte(plot), k.grenzen);
    double laag = std::numeric_limits<double>::infinity(), hoog = -laag;
    for (int s = 1; s <= AantalDiagramReeksen; ++s) {
        k.kolommen[s].clear();
        if (!Getoond(b, s)) continue;
        BerekenKolommen(b.raster->Reeks(s), k.grenzen, k.kolommen[s]);
        for (const KolomPunten& c : k.kolommen[s]) {
            laag = std::min(laag, c.laagste);
            hoog = std::max(hoog, c.hoogste);
        }
    }
    g.as = AsVan(b, b.automatisch ? laag : 0, b.automatisch ? hoog : 0);
    p.setRenderHint(QPainter::Antialiasing, false);
    TekenAssen(p, g, b, fm);

    p.save();
    p.setClipRect(plot.adjusted(-1, -1, 1, 1));
    const PixelRij pixelY(plot, g.as);
    const int links = static_cast<int>(std::floor(plot.left()));
    // A wide pen while the points stand apart; a hairline where they crowd (it is drawn much faster).
    const bool dik = rijen * 2 <= plot.width();
    // Alarm lines below the curves, curves in reverse order so that curve 1 lies on top.
    const auto reeksVan = [](int s) { return s <= 32 ? s + 2 : s - 32; };
    if (!dik) {
        // The strokes gathered from the top down: on screen, what a curve above covers in a column is
        // left out of the curves below it (where the points crowd, curves overlap most).
        // Only where a point of the drawing is one pixel of the device: at another scale a stroke's
        // pixels are not the rows it names, and the pieces left would not meet the strokes above.
        Bedekking* bedekking = nullptr;
        const QTransform naarApparaat = p.deviceTransform();
        const bool eenOpEen = p.device()->devicePixelRatio() == 1 &&
                              naarApparaat.type() <= QTransform::TxTranslate &&
                              naarApparaat.dx() == std::round(naarApparaat.dx()) &&
                              naarApparaat.dy() == std::round(naarApparaat.dy());
        if (b.dunnePen == 0 && eenOpEen) {
            k.bedekking.Begin(KolomBreedte(plot));
            bedekking = &k.bedekking;
        }
        for (int s = 1; s <= AantalDiagramReeksen; ++s) {
            const int reeks = reeksVan(s);
            k.streken[reeks].lijnen.clear();
            k.streken[reeks].punten.clear();
            if (Getoond(b, reeks))
                VerzamelKolommen(links, pixelY, k.kolommen[reeks], bedekking, k.streken[reeks]);
        }
    }
    for (int s = AantalDiagramReeksen; s >= 1; --s) {
        const int reeks = reeksVan(s);
        if (!Getoond(b, reeks)) continue;
        const ReeksBeeld& r = b.reeksen[reeks];
        p.setPen(QPen(Kleur(r.kleur), dik ? 2 : b.dunnePen));
        if (dik)
            TekenPunten(p, links, pixelY, k.kolommen[reeks], k.lijn);
        else
            TekenStreken(p, k.streken[reeks]);
        if (r.statistiek != 0) {
            const Statistiek st = BerekenStatistiek(b.raster->Reeks(reeks), rijen);
            if (st.aantal > 0) {
                p.setPen(QPen(Kleur(r.kleur), 1, Qt::DashLine));
                for (const auto& [vlag, w] : {std::pair{1, st.minimum}, {2, st.maximum}, {4, st.gemiddelde}})
                    if (r.statistiek & vlag) {
                        const double y = YVanWaarde(plot, g.as, w);
                        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
                    }
            }
        }
    }
    // Markers of the selected series: every point while they stand apart, else the chosen point.
    if (b.markerReeks >= 3 && Getoond(b, b.markerReeks)) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(0, 0, 125), 1.5));
        p.setBrush(Qt::NoBrush);
        const double* w = b.raster->Reeks(b.markerReeks);
        const bool alle = plot.width() / rijen >= 6;
        for (int r = 1; r <= rijen; ++r) {
            if (!alle && r != b.gekozenPunt) continue;
            if (IsOntbrekend(w[r - 1])) continue;
            p.drawEllipse(QPointF(XVanRij(plot, rijen, r), YVanWaarde(plot, g.as, w[r - 1])), 4, 4);
        }
    }
    p.restore();

    TekenLegende(p, g.indeling.legende, b, fm);
    if (b.voetnootZichtbaar && !b.voetnoot.isEmpty() && !g.indeling.voetnoot.isEmpty()) {
        p.setPen(Qt::black);
        p.drawText(g.indeling.voetnoot, Qt::AlignCenter | Qt::TextWordWrap, b.voetnoot);
    }
    p.restore();
}

DiagramTreffer ZoekPunt(const QRectF& gebied, const DiagramBeeld& b, const QFontMetricsF& fm,
                        QPointF positie) {
    DiagramTreffer t;
    if (!b.raster || b.raster->Rijen() < 1) return t;
    const DiagramGeometrie g = BerekenGeometrie(gebied, b, fm);
    const QRectF& plot = g.indeling.plot;
    if (!plot.adjusted(-6, -6, 6, 6).contains(positie)) return t;
    const int rijen = b.raster->Rijen();
    const int midden = RijVanX(plot, rijen, positie.x());
    const int bereik = 1 + static_cast<int>(6.0 * rijen / std::max(1.0, plot.width()));
    double beste = 6.0 * 6.0;
    for (int s = 1; s <= AantalDiagramReeksen; ++s) {
        if (!Getoond(b, s)) continue;
        const double* w = b.raster->Reeks(s);
        for (int r = std::max(1, midden - bereik); r <= std::min(rijen, midden + bereik); ++r) {
            if (IsOntbrekend(w[r - 1])) continue;
            const double dx = XVanRij(plot, rijen, r) - positie.x();
            const double dy = YVanWaarde(plot, g.as, w[r - 1]) - positie.y();
            const double d = dx * dx + dy * dy;
            if (d <= beste) {
                beste = d;
                t = {s, r};
            }
        }
    }
    return t;
}

Diagram::Diagram(const Grafiekmodel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

QImage Diagram::Afbeelding() const {
    QImage beeld(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setFont(font());
    TekenDiagram(p, QRectF(QPointF(0, 0), QSizeF(beeld.size())), BeeldVan(m_model));
    return beeld;
}

void Diagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    TekenDiagram(p, QRectF(rect()), BeeldVan(m_model));
}

void Diagram::mousePressEvent(QMouseEvent* event) {
    emit muisKnop(event->button(), event->globalPosition().toPoint());
    if (event->button() != Qt::LeftButton) return;
    const DiagramTreffer t =
        ZoekPunt(QRectF(rect()), BeeldVan(m_model), QFontMetricsF(font()), event->position());
    if (t.reeks != 0) emit puntGekozen(t.reeks, t.punt);
}

void Diagram::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit dubbelKlik();
}
