// The cost of redrawing a graph window's chart (1000 x 600 pixels, 32 curves and the two alarm lines,
// some gaps) at 1,000, 10,000 and 30,000 points of noisy, smooth and steep curves, against a plain
// QPainter::drawPolyline through every point of the same data on the same image with the same hairline
// pens.
#include "Benchhulp.h"
#include "views/Diagram.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int Breedte = 1000;
constexpr int Hoogte = 600;

// 32 curves as a laboratory logs them (a few slow swings over the window, noise of about 1 % of the axis) and
// two alarm lines; every curve has a gap of 1 % of its points in five places. Soort 1: the same swings
// without noise (smooth curves); soort 2: smooth, steep curves (a hundred swings over the whole axis).
DiagramRaster MaakRaster(int punten, int soort = 0) {
    DiagramRaster raster;
    raster.ZetGrootte(punten);
    uint32_t ruis = 12345;
    for (int s = 1; s <= AantalDiagramReeksen; ++s) {
        double* w = raster.Reeks(s);
        for (int i = 0; i < punten; ++i) {
            ruis = ruis * 1664525u + 1013904223u;
            if (s <= 2)
                w[i] = s == 1 ? -80 : 80;
            else
                w[i] = soort == 2 ? 80 * std::sin(6.283 * (s % 5 + 1) * 20 * i / punten + s)
                       : soort == 1
                           ? 50 * std::sin(6.283 * (s % 5 + 1) * i / punten + s)
                           : 50 * std::sin(6.283 * (s % 5 + 1) * i / punten + s) + (ruis >> 24) / 128.0 - 1;
        }
        if (s > 2)
            for (int g = 1; g <= 5; ++g)
                for (int i = 0; i < punten / 100; ++i)
                    w[g * punten / 6 + i] = Ontbreekt;
    }
    return raster;
}

DiagramBeeld MaakBeeld(const DiagramRaster& raster) {
    DiagramBeeld b;
    b.raster = &raster;
    b.legende = true;
    for (int s = 1; s <= AantalDiagramReeksen; ++s) {
        b.reeksen[s].zichtbaar = true;
        b.reeksen[s].kleur = s <= 2 ? (s == 1 ? 0xFF0000 : 0x0000FF) : StandaardCurveKleur(s - 2);
        b.reeksen[s].legende = QStringLiteral("pH (Tank %1)").arg(s);
    }
    b.titelWaardenas = QStringLiteral("pH");
    b.titelTijdsas = QStringLiteral("Time");
    return b;
}

void BM_DiagramHertekenen(benchmark::State& state) {
    const DiagramRaster raster =
        MaakRaster(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const DiagramBeeld beeld = MaakBeeld(raster);
    QImage beeldvlak(Breedte, Hoogte, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&beeldvlak);
        TekenDiagram(p, QRectF(0, 0, Breedte, Hoogte), beeld);
        p.end();
        benchmark::DoNotOptimize(beeldvlak.constBits());
    }
    state.SetLabel(state.range(1) == 2   ? "chart per pixel column, steep smooth curves"
                   : state.range(1) == 1 ? "chart per pixel column, smooth curves"
                                         : "chart per pixel column");
}
BENCHMARK(BM_DiagramHertekenen)
    ->ArgNames({"points", "curves"})
    ->ArgsProduct({{1000, 10000, 30000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// Every point through drawPolyline, one polyline per run between gaps, on the same plot area and value
// axis as the chart uses.
void BM_GewonePolyline(benchmark::State& state) {
    const int punten = static_cast<int>(state.range(0));
    const DiagramRaster raster = MaakRaster(punten);
    const DiagramBeeld beeld = MaakBeeld(raster);
    QImage beeldvlak(Breedte, Hoogte, QImage::Format_RGB32);
    QPolygonF lijn;
    lijn.reserve(punten);
    for (auto _ : state) {
        QPainter p(&beeldvlak);
        p.fillRect(beeldvlak.rect(), Qt::white);
        const DiagramGeometrie g =
            BerekenGeometrie(QRectF(0, 0, Breedte, Hoogte), beeld, QFontMetricsF(p.font()));
        const QRectF& plot = g.indeling.plot;
        p.setClipRect(plot);
        for (int s = 1; s <= AantalDiagramReeksen; ++s) {
            const int32_t k = beeld.reeksen[s].kleur;
            p.setPen(QPen(QColor(k & 0xFF, (k >> 8) & 0xFF, (k >> 16) & 0xFF), 0, Qt::SolidLine,
                          Qt::SquareCap, Qt::BevelJoin));
            const double* w = raster.Reeks(s);
            lijn.clear();
            for (int r = 1; r <= punten; ++r) {
                if (std::isnan(w[r - 1])) {
                    if (lijn.size() > 1) p.drawPolyline(lijn);
                    lijn.clear();
                    continue;
                }
                lijn.append(QPointF(XVanRij(plot, punten, r), YVanWaarde(plot, g.as, w[r - 1])));
            }
            if (lijn.size() > 1) p.drawPolyline(lijn);
        }
        p.end();
        benchmark::DoNotOptimize(beeldvlak.constBits());
    }
    state.SetLabel("plain drawPolyline");
}
BENCHMARK(BM_GewonePolyline)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return DraaiMetVensters(argc, argv);
}
