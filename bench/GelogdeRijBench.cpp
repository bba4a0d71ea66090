// What one logged row costs the program's windows as the table grows: the snapshot routine of the
// one-second tick (a row for the table window of one rack with 7 modules, a point for every graph
// window) with the window painted afterwards, as the event loop paints it, over a table that already
// holds 0, 10,000 and 100,000 rows; with the table window alone and with a graph window of 8 curves
// beside it. A logged row should cost the same however many rows the table holds. Reports the
// processor time of the main thread and the instructions it ran (where the system lets a process
// count its own) per row, and their ratio to the same set-up with 0 rows held, measured in the same
// run. The floor beside it: the same row built from the live values and appended to a plain
// std::vector of rows.
#include "Benchhulp.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "platform/Datum.h"
#include "views/Grafiekmodel.h"
#include "views/TabelRijen.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <ctime>
#include <linux/perf_event.h>
#include <map>
#include <memory>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int Curven = 8;

// Counts the instructions the calling thread runs in user space, where perf_event_open allows it.
class Instructies {
public:
    Instructies() {
        perf_event_attr a;
        std::memset(&a, 0, sizeof a);
        a.type = PERF_TYPE_HARDWARE;
        a.size = sizeof a;
        a.config = PERF_COUNT_HW_INSTRUCTIONS;
        a.disabled = 1;
        a.exclude_kernel = 1;
        a.exclude_hv = 1;
        m_fd = static_cast<int>(syscall(SYS_perf_event_open, &a, 0, -1, -1, 0));
    }
    ~Instructies() {
        if (m_fd >= 0) close(m_fd);
    }
    bool Werkt() const { return m_fd >= 0; }
    void Start() {
        if (m_fd < 0) return;
        ioctl(m_fd, PERF_EVENT_IOC_RESET, 0);
        ioctl(m_fd, PERF_EVENT_IOC_ENABLE, 0);
    }
    double Stop() {
        if (m_fd < 0) return 0;
        ioctl(m_fd, PERF_EVENT_IOC_DISABLE, 0);
        long long n = 0;
        return read(m_fd, &n, sizeof n) == static_cast<ssize_t>(sizeof n) ? static_cast<double>(n) : 0;
    }

private:
    int m_fd = -1;
};

// Per set-up (with or without a graph): processor microseconds and instructions per row at 0 rows.
std::map<bool, std::pair<double, double>>& Nulpunten() {
    static std::map<bool, std::pair<double, double>> n;
    return n;
}

// The 0-row figures of a set-up are kept; the others are given as a ratio to them.
void Rapporteer(benchmark::State& state, bool grafiek, int32_t gehouden, double tijd, double instructies) {
    state.counters["rows_held"] = gehouden;
    state.counters["cpu_us_per_row"] = tijd;
    if (instructies > 0) state.counters["instructions_per_row"] = instructies;
    if (gehouden == 0) {
        Nulpunten()[grafiek] = {tijd, instructies};
        return;
    }
    const auto nul = Nulpunten().find(grafiek);
    if (nul == Nulpunten().end()) return;
    state.counters["cpu_to_0_rows"] = tijd / nul->second.first;
    if (instructies > 0 && nul->second.second > 0)
        state.counters["instructions_to_0_rows"] = instructies / nul->second.second;
}

// The clock time of sample i, one a second.
platform::Datum TijdVan(int32_t i) {
    return platform::MaakDatum(2026, 1, 5, 8, 0, 0) + i / 86400.0;
}

void GelogdeRij(benchmark::State& state) {
    const auto gehouden = static_cast<int32_t>(state.range(0));
    const bool grafiek = state.range(1) != 0;
    QTemporaryDir map;
    BeginSchoon(map.path() + QStringLiteral("/config"));
    BouwPhRack(1);
    FrmTabelMaker tabelvensters;
    ZetTabelvensterMaker(&tabelvensters);
    TabelVensters.Maak(1);
    frmTabel* tabel = frmTabelVan(1);
    // The rows held, as a file load leaves them: each module's live row with the time of its sample.
    for (int m = 1; m <= AantalModules; ++m) {
        TabelModel& model = tabel->MSHFlexGrid[m]->Model();
        model.Reserveer(gehouden);
        AantalMetingen = 1;
        TabelRij rij = LiveRij(1, m, QString());
        for (int32_t i = 1; i <= gehouden; ++i) {
            rij[KolomTijd] = platform::LangeTijd(TijdVan(i));
            model.ZetRij(i, rij, false);
        }
        model.Meld();
    }
    AantalMetingen = gehouden;
    tabel->ToonRaster(1);
    tabel->resize(1000, 700);
    tabel->show();

    std::unique_ptr<frmGrafiek> venster;
    if (grafiek) {
        venster = std::make_unique<frmGrafiek>();
        Grafiekmodel& model = venster->Model();
        for (int n = 1; n <= Curven; ++n) {
            model.SchrijfGrafiekLijnRef(n, LijnRack, 1);
            model.SchrijfGrafiekLijnRef(n, LijnModule, static_cast<int16_t>(1 + (n - 1) / AantalIngangen));
            model.SchrijfGrafiekLijnRef(n, LijnIngang, static_cast<int16_t>(1 + (n - 1) % AantalIngangen));
        }
        venster->ZetGrafiekIndex(1);
        ZetGrafiekVenster(1, venster.get());
        model.StelNieuweGrafiekIn();
        model.HerInitialiseerGrafiek();
        model.LadenGrafiek();
        venster->resize(1000, 700);
        venster->show();
    }
    QCoreApplication::processEvents();

    Instructies teller;
    double instructies = 0, tijd = 0;
    for (auto _ : state) {
        TijdMeting = TijdVan(AantalMetingen + 1);
        const double begin = DraadProcessortijd();
        teller.Start();
        VerwerkOpvraagTik();
        QCoreApplication::processEvents();
        instructies += teller.Stop();
        tijd += DraadProcessortijd() - begin;
    }
    const int32_t laatste = AantalMetingen;
    TabelGrid& grid = *tabel->MSHFlexGrid[1];
    if (grid.Model().DataRijen() != laatste ||
        !grid.viewport()->rect().contains(grid.visualRect(grid.Model().index(laatste - 1, 1))))
        state.SkipWithError("the newest row is not in view");
    if (venster && venster->Model().VensterStart + venster->Model().AantalPunten - 1 != laatste)
        state.SkipWithError("the graph does not end at the newest row");

    const double rijen = static_cast<double>(state.iterations());
    Rapporteer(state, grafiek, gehouden, tijd / rijen, teller.Werkt() ? instructies / rijen : 0);
    state.SetLabel(grafiek ? "table window and a graph of 8 curves" : "table window");

    venster.reset();
    delete tabel;
    ResetProgramma();
    EindSchoon();
}

// The floor: the row of each module built from the live values and appended to a plain vector that
// already holds the rows.
void VectorRij(benchmark::State& state) {
    const auto gehouden = static_cast<int32_t>(state.range(0));
    QTemporaryDir map;
    BeginSchoon(map.path() + QStringLiteral("/config"));
    BouwPhRack(1);
    std::vector<TabelRij> rijen;
    TijdMeting = TijdVan(1);
    AantalMetingen = 1;
    rijen.reserve(static_cast<size_t>(gehouden));
    for (int32_t i = 0; i < gehouden * AantalModules; ++i)
        rijen.push_back(LiveRij(1, 1 + i % AantalModules, QString()));
    Instructies teller;
    double instructies = 0, tijd = 0;
    for (auto _ : state) {
        TijdMeting = TijdVan(++AantalMetingen);
        const double begin = DraadProcessortijd();
        teller.Start();
        for (int m = 1; m <= AantalModules; ++m)
            rijen.push_back(LiveRij(1, m, QString()));
        benchmark::DoNotOptimize(rijen.data());
        instructies += teller.Stop();
        tijd += DraadProcessortijd() - begin;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["rows_held"] = gehouden;
    state.counters["cpu_us_per_row"] = tijd / n;
    if (teller.Werkt()) state.counters["instructions_per_row"] = instructies / n;
    state.SetLabel("plain std::vector append of the same rows");
    ResetProgramma();
    EindSchoon();
}

} // namespace

// Each set-up at 0 rows first: the larger tables are reported against it.
BENCHMARK(GelogdeRij)
    ->ArgsProduct({{0, 10000, 100000}, {0, 1}})
    ->ArgNames({"rows", "graph"})
    ->Iterations(600)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(VectorRij)->Arg(0)->Arg(100000)->ArgName("rows")->Iterations(600)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return DraaiMetVensters(argc, argv);
}
