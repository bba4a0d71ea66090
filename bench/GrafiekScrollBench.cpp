// A graph window of 32 curves and 30,000 points over a table of 1,000,000 rows of one full rack (7
// modules: five pH modules, an ion module writing its concentrations in mg/l and µg/l, a conductivity
// module of four ranges; the 28 measured values and the temperatures of module 1, a few empty and
// over-range cells): the time the chart's data takes for one step of the scroll bar (33 or 34 rows at
// this size), for a step of one row, and for a jump of the thumb to a window that shares no row with
// the one shown. Beside it, in the same run, a plain reference: the same texts in a standard-library
// table (per module one string of tab-separated cells a row, with the rows' offsets), read into one
// std::vector<float> per curve and a std::string label per row with std::from_chars; for a step it
// moves its vectors and reads only the rows that came into view, for a jump it reads every row.
// The window is measured at two sizes: 1000x700 and maximised (1600x1000). The curves' shape is chosen
// with K740_GRAFIEK_DATA: "smooth" (the default: steps of 50 rows), "steep" (a saw-tooth of 100 rows over
// the whole range) or "noisy" (every row a value at random); run the program once per shape. The load
// average of the machine is reported beside the figures.
#include "Benchhulp.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Meetbestand.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "shared/Hulpfuncties.h"
#include "shell/Beginstand.h"
#include "views/Diagram.h"
#include "views/Grafiekmodel.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QLocale>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int32_t Rijen = 1000000;
constexpr int Punten = 30000;
constexpr int Curven = 32;
// One step of the scroll bar is Rijen / ScrollStappen rows; a jump of this many steps shows a window
// that shares no row with the one before.
constexpr int SprongStappen = 2 * Punten * ScrollStappen / Rijen;

struct CurveRef {
    int m;
    int kolom; // the grid column of the value; its unit follows
};

enum class Vorm { Glad, Steil, Ruis };
Vorm DataVorm() {
    const QByteArray v = qgetenv("K740_GRAFIEK_DATA");
    return v == "steep" ? Vorm::Steil : v == "noisy" ? Vorm::Ruis : Vorm::Glad;
}
const char* VormNaam() {
    switch (DataVorm()) {
    case Vorm::Steil:
        return "steep";
    case Vorm::Ruis:
        return "noisy";
    default:
        return "smooth";
    }
}

// Where in its range (0..399) cell n of row i of module m lies.
int Golf(int m, int n, int32_t i) {
    switch (DataVorm()) {
    case Vorm::Steil:
        return ((i % 100) * 4 + 13 * m + 5 * n) % 400;
    case Vorm::Ruis: {
        auto h = static_cast<uint32_t>(i) * 2654435761u ^ static_cast<uint32_t>(m * 97 + n) * 40503u;
        h ^= h >> 15;
        h *= 2246822519u;
        h ^= h >> 13;
        return static_cast<int>(h % 400);
    }
    default:
        return (i / 50 + 13 * m + 5 * n) % 400;
    }
}

// The texts of cell k of row i of module m.
QString Waarde(int m, int n, int32_t i) {
    if ((i + 7 * m + n) % 997 == 0) return QStringLiteral(" ");
    if ((i + 3 * m + n) % 1009 == 0) return QStringLiteral("OR.");
    const int golf = Golf(m, n, i);
    switch (m) {
    case 6: // ion: 0.100 .. 39.99 mg/l, below 1 mg/l as µg/l
        return golf < 10 ? QString::number(100 + golf * 90) : QString::number(golf / 10.0, 'f', 2);
    case 7: // conductivity
        return QString::number(100 + golf * 3.7, 'f', 1);
    default:
        return QString::number(4 + golf / 100.0, 'f', 2);
    }
}

QString Eenheid(int m, int n, int32_t i) {
    const int golf = Golf(m, n, i);
    switch (m) {
    case 6:
        return golf < 10 ? QString::fromUtf8("NO3 µg/l") : QStringLiteral("NO3 mg/l");
    case 7:
        return n <= 2 ? QString::fromUtf8("µS/cm") : QStringLiteral("mS/cm");
    default:
        return QStringLiteral("pH");
    }
}

TabelRij MaakRij(int m, int32_t i) {
    TabelRij rij;
    const int seconden = i % 86400;
    rij[1] = QStringLiteral("%1/01/2026").arg(5 + i / 86400, 2, 10, QLatin1Char('0'));
    rij[2] = QStringLiteral("%1:%2:%3")
                 .arg(seconden / 3600, 2, 10, QLatin1Char('0'))
                 .arg(seconden / 60 % 60, 2, 10, QLatin1Char('0'))
                 .arg(seconden % 60, 2, 10, QLatin1Char('0'));
    for (int n = 1; n <= AantalIngangen; ++n) {
        const auto c = static_cast<size_t>(KolomVanKanaal(n));
        rij[c] = Waarde(m, n, i);
        rij[c + 1] = Eenheid(m, n, i);
        rij[c + 2] = QString::number(20 + (i / 30 + n) % 50 / 10.0, 'f', 1);
        rij[c + 3] = QString::fromUtf8("°C");
    }
    rij[KolomInfo] = i % 1000 == 0 ? QStringLiteral("calibrated") : QString();
    return rij;
}

void BouwRack() {
    Racks[1].Present = true;
    Racks[1].Name = QStringLiteral("Rack 1");
    RackVlaggen[1].Measure = true;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[1].Modules[m];
        mod.Present = true;
        mod.Type = m == 7 ? "K762" : "K761";
        mod.Name = QStringLiteral("Module %1").arg(m);
        for (int c = 1; c <= AantalIngangen; ++c) {
            KanaalRecord& k = mod.Meting[c];
            k.Set = true;
            k.Name = QStringLiteral("Tank %1.%2").arg(m).arg(c);
            k.Unit = m == 6 ? "g/l" : m == 7 ? "S/cm" : "pH";
            k.Resolution = m == 7 ? static_cast<int16_t>(c - 1) : 2;
            k.Extra = m == 7 ? 1 : 0;
            mod.Temperatuur[c].Unit = QString::fromUtf8("°C");
            mod.Temperatuur[c].Resolution = 1;
        }
    }
}

// The plain reference's table: per module the rows as tab-separated UTF-8 cells 1..19 and where each
// row begins.
struct GewoneTabel {
    std::array<std::string, AantalModules + 1> tekst;
    std::array<std::vector<size_t>, AantalModules + 1> begin;

    std::string_view Cel(int m, int32_t rij, int kolom) const {
        const std::string& t = tekst[static_cast<size_t>(m)];
        size_t p = begin[static_cast<size_t>(m)][static_cast<size_t>(rij - 1)];
        for (int k = 1; k < kolom; ++k)
            p = t.find('\t', p) + 1;
        const size_t e = t.find_first_of("\t\n", p);
        return std::string_view(t).substr(p, e - p);
    }
};

struct Opstelling {
    QTemporaryDir map;
    FrmTabelMaker maker;
    GewoneTabel gewoon;
    std::vector<CurveRef> curven;
    std::unique_ptr<Grafiekmodel> model;
    // The same chart in a graph window, moved by its scroll bar and painted.
    std::unique_ptr<frmGrafiek> venster;
    // And maximised.
    std::unique_ptr<frmGrafiek> groot;

    Opstelling() {
        platform::zetKlok(std::make_unique<platform::VirtueleKlok>());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        platform::ZetOpslagMap(map.path() + QStringLiteral("/config"));
        ResetProgramma();
        BouwRack();
        ZetTabelvensterMaker(&maker);
        TabelVensters.Maak(1);
        frmTabel* tabel = frmTabelVan(1);
        for (int m = 1; m <= AantalModules; ++m) {
            TabelModel& grid = tabel->MSHFlexGrid[m]->Model();
            std::string& t = gewoon.tekst[static_cast<size_t>(m)];
            std::vector<size_t>& b = gewoon.begin[static_cast<size_t>(m)];
            b.reserve(Rijen);
            for (int32_t i = 1; i <= Rijen; ++i) {
                const TabelRij rij = MaakRij(m, i);
                grid.ZetRij(i, rij, false);
                b.push_back(t.size());
                for (int k = 1; k < AantalRasterKolommen; ++k) {
                    t += rij[static_cast<size_t>(k)].toStdString();
                    t += k + 1 < AantalRasterKolommen ? '\t' : '\n';
                }
            }
            grid.Meld();
        }
        AantalMetingen = Rijen;

        for (int m = 1; m <= AantalModules; ++m)
            for (int c = 1; c <= AantalIngangen; ++c)
                curven.push_back({m, KolomVanKanaal(c)});
        for (int c = 1; c <= AantalIngangen; ++c)
            curven.push_back({1, KolomVanKanaal(c) + 2});
        model = std::make_unique<Grafiekmodel>();
        ZetCurven(*model);
        venster = std::make_unique<frmGrafiek>();
        ZetCurven(venster->Model());
        venster->resize(1000, 700);
        venster->show();
        groot = std::make_unique<frmGrafiek>();
        ZetCurven(groot->Model());
        groot->resize(1600, 1000);
        groot->show();
        QCoreApplication::processEvents();
    }
    ~Opstelling() {
        groot.reset();
        venster.reset();
        model.reset();
        ResetProgramma();
        ZetTabelvensterMaker(nullptr);
        EindSchoon();
    }
    Opstelling(const Opstelling&) = delete;
    Opstelling& operator=(const Opstelling&) = delete;

    // The 28 measured values of the rack and the temperatures of module 1, 30,000 points, the newest
    // samples shown.
    static void ZetCurven(Grafiekmodel& model) {
        int n = 0;
        for (int m = 1; m <= AantalModules; ++m)
            for (int c = 1; c <= AantalIngangen; ++c) {
                ++n;
                model.SchrijfGrafiekLijnRef(n, LijnRack, 1);
                model.SchrijfGrafiekLijnRef(n, LijnModule, static_cast<int16_t>(m));
                model.SchrijfGrafiekLijnRef(n, LijnIngang, static_cast<int16_t>(c));
            }
        for (int c = 1; c <= AantalIngangen; ++c) {
            ++n;
            model.SchrijfGrafiekLijnRef(n, LijnRack, 1);
            model.SchrijfGrafiekLijnRef(n, LijnModule, 1);
            model.SchrijfGrafiekLijnRef(n, LijnIngang, static_cast<int16_t>(AantalIngangen + c));
        }
        model.Instellingen.MaxGrafiekZichtbaar = Punten;
        model.Instellingen.LabelKeuze = 0;
        model.StelNieuweGrafiekIn();
        model.HerInitialiseerGrafiek();
        model.LadenGrafiek();
    }
};

Opstelling& opstelling() {
    return GedeeldeOpstelling<Opstelling>();
}

// Shows position p of the scroll bar and checks that the chart's first row shows what it should.
void Toon(Grafiekmodel& model, int p, benchmark::State& state) {
    model.ScrollBarGewijzigd(p);
    if (model.AantalPunten != Punten || model.Raster().Label(1).isEmpty())
        state.SkipWithError("window not filled");
}

// Positions of the scroll bar a step benchmark walks through, one step at a time.
constexpr int EerstePositie = 1000;
constexpr int LaatstePositie = ScrollStappen - SprongStappen - 10;

void BM_ScrollStap(benchmark::State& state) {
    Grafiekmodel& model = *opstelling().model;
    int p = EerstePositie;
    Toon(model, p, state);
    for (auto _ : state) {
        // On as a held arrow key, one step at a time.
        p = p < LaatstePositie ? p + 1 : EerstePositie;
        Toon(model, p, state);
    }
    state.SetLabel("program, one scroll-bar step");
}
BENCHMARK(BM_ScrollStap)->Unit(benchmark::kMillisecond);

void BM_EenRij(benchmark::State& state) {
    Grafiekmodel& model = *opstelling().model;
    int32_t start = 100000;
    model.ToonVenster(start);
    for (auto _ : state) {
        start = start < Rijen - 2 * Punten ? start + 1 : 100000;
        model.ToonVenster(start);
        if (model.VensterStart != start || model.Raster().Label(Punten).isEmpty())
            state.SkipWithError("window not filled");
    }
    state.SetLabel("program, one row");
}
BENCHMARK(BM_EenRij)->Unit(benchmark::kMillisecond);

void BM_ScrollSprong(benchmark::State& state) {
    Grafiekmodel& model = *opstelling().model;
    int p = EerstePositie;
    Toon(model, p, state);
    for (auto _ : state) {
        p = p == EerstePositie ? EerstePositie + SprongStappen : EerstePositie;
        Toon(model, p, state);
    }
    state.SetLabel("program, jump to a new window");
}
BENCHMARK(BM_ScrollSprong)->Unit(benchmark::kMillisecond);

// What the user waits for in the window: the scroll bar's step or jump and the chart painted.
void Venster(benchmark::State& state, bool sprong, bool maximaal) {
    frmGrafiek& venster = maximaal ? *opstelling().groot : *opstelling().venster;
    QScrollBar& balk = *venster.HorScrollBar();
    int p = EerstePositie;
    balk.setValue(p);
    venster.diagram()->repaint();
    for (auto _ : state) {
        if (sprong)
            p = p == EerstePositie ? EerstePositie + SprongStappen : EerstePositie;
        else
            p = p < LaatstePositie ? p + 1 : EerstePositie;
        balk.setValue(p);
        venster.diagram()->repaint();
    }
    if (venster.Model().AantalPunten != Punten) state.SkipWithError("window not filled");
    double last[1] = {0};
    if (getloadavg(last, 1) == 1) state.counters["load_1min"] = last[0];
    state.SetLabel(QStringLiteral("window %1x%2, %3, %4 data")
                       .arg(venster.width())
                       .arg(venster.height())
                       .arg(sprong ? QStringLiteral("jump to a new window, painted")
                                   : QStringLiteral("one scroll-bar step, painted"))
                       .arg(QString::fromLatin1(VormNaam()))
                       .toStdString());
}
void BM_VensterStap(benchmark::State& state) {
    Venster(state, false, false);
}
BENCHMARK(BM_VensterStap)->Unit(benchmark::kMillisecond);
void BM_VensterSprong(benchmark::State& state) {
    Venster(state, true, false);
}
BENCHMARK(BM_VensterSprong)->Unit(benchmark::kMillisecond);
// Maximised: five rounds of 200 steps, for a minimum and a median.
void BM_MaximaalStap(benchmark::State& state) {
    Venster(state, false, true);
}
BENCHMARK(BM_MaximaalStap)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
void BM_MaximaalSprong(benchmark::State& state) {
    Venster(state, true, true);
}
BENCHMARK(BM_MaximaalSprong)->Unit(benchmark::kMillisecond);

// The plain reference: one vector of floats per curve and a label per row; rows [van, tot) of the
// window starting at sample `start` are read from the table.
struct GewoonRaster {
    std::vector<std::vector<float>> reeksen;
    std::vector<std::string> labels;
    int32_t start = 0;

    void Lees(const Opstelling& o, int van, int tot) {
        for (int r = van; r < tot; ++r) {
            const int32_t rij = start + r;
            for (size_t n = 0; n < o.curven.size(); ++n) {
                std::string_view t = o.gewoon.Cel(o.curven[n].m, rij, o.curven[n].kolom);
                while (!t.empty() && t.front() == ' ')
                    t.remove_prefix(1);
                float w = std::numeric_limits<float>::quiet_NaN();
                if (!t.empty() && t.front() == '+') t.remove_prefix(1);
                std::from_chars(t.data(), t.data() + t.size(), w);
                reeksen[n][static_cast<size_t>(r)] = w;
            }
            std::string& label = labels[static_cast<size_t>(r)];
            label.assign(o.gewoon.Cel(1, rij, 1));
            label += ' ';
            label += o.gewoon.Cel(1, rij, 2);
        }
    }
    void Toon(const Opstelling& o, int32_t nieuw) {
        const int32_t schuif = nieuw - start;
        if (start == 0 || std::abs(schuif) >= Punten) {
            start = nieuw;
            Lees(o, 0, Punten);
            return;
        }
        start = nieuw;
        for (auto& reeks : reeksen) {
            if (schuif > 0)
                std::copy(reeks.begin() + schuif, reeks.end(), reeks.begin());
            else
                std::copy_backward(reeks.begin(), reeks.end() + schuif, reeks.end());
        }
        if (schuif > 0) {
            std::move(labels.begin() + schuif, labels.end(), labels.begin());
            Lees(o, Punten - schuif, Punten);
        } else {
            std::move_backward(labels.begin(), labels.end() + schuif, labels.end());
            Lees(o, 0, -schuif);
        }
    }
};

int32_t StartVan(int p) {
    return static_cast<int32_t>(static_cast<int64_t>(p) * Rijen / ScrollStappen);
}

GewoonRaster MaakGewoonRaster(const Opstelling& o) {
    GewoonRaster g;
    g.reeksen.assign(o.curven.size(), std::vector<float>(Punten));
    g.labels.resize(Punten);
    return g;
}

void BM_GewoonStap(benchmark::State& state) {
    const Opstelling& o = opstelling();
    GewoonRaster g = MaakGewoonRaster(o);
    int p = EerstePositie;
    g.Toon(o, StartVan(p));
    for (auto _ : state) {
        p = p < LaatstePositie ? p + 1 : EerstePositie;
        g.Toon(o, StartVan(p));
        benchmark::DoNotOptimize(g.reeksen[0].data());
    }
    state.SetLabel("plain reference, one scroll-bar step");
}
BENCHMARK(BM_GewoonStap)->Unit(benchmark::kMillisecond);

void BM_GewoonEenRij(benchmark::State& state) {
    const Opstelling& o = opstelling();
    GewoonRaster g = MaakGewoonRaster(o);
    int32_t start = 100000;
    g.Toon(o, start);
    for (auto _ : state) {
        start = start < Rijen - 2 * Punten ? start + 1 : 100000;
        g.Toon(o, start);
        benchmark::DoNotOptimize(g.reeksen[0].data());
    }
    state.SetLabel("plain reference, one row");
}
BENCHMARK(BM_GewoonEenRij)->Unit(benchmark::kMillisecond);

void BM_GewoonSprong(benchmark::State& state) {
    const Opstelling& o = opstelling();
    GewoonRaster g = MaakGewoonRaster(o);
    int p = EerstePositie;
    g.Toon(o, StartVan(p));
    for (auto _ : state) {
        p = p == EerstePositie ? EerstePositie + SprongStappen : EerstePositie;
        g.Toon(o, StartVan(p));
        benchmark::DoNotOptimize(g.reeksen[0].data());
    }
    state.SetLabel("plain reference, jump to a new window");
}
BENCHMARK(BM_GewoonSprong)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return DraaiMetVensters(argc, argv);
}
