// Seconds between logged rows when logging every second, against the rack emulator on the virtual
// clock with line timing at 19200 baud and a 2 ms module turnaround: 1, 2, 4 and 16 racks of 7 modules,
// and one rack of 7 with one module that does not answer. A row waits until every measured module has
// had its turn since the row before (read, or given up), and the one-second tick takes it: when a poll
// turn takes longer than a second the rows follow the turn. Reports the mean, the shortest and the
// longest spacing over 10 minutes of virtual time.
#include "PollHarnas.h"
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "platform/Klok.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr qint64 Duur = 10 * 60 * 1000;

void Rijafstand(benchmark::State& state) {
    const int racks = static_cast<int>(state.range(0));
    const bool stil = state.range(1) != 0;
    auto eigen = std::make_unique<platform::VirtueleKlok>();
    platform::VirtueleKlok& klok = *eigen;
    platform::zetKlok(std::move(eigen));
    ResetProgramma();
    {
        RackEmulator emulator;
        auto& lijn = InstalleerRacklijn(emulator, QStringLiteral("19200,N,8,1"));
        emulator.zetLijntiming(true);
        PollHarnas harnas(emulator, &lijn);
        harnas.PlaatsRacks(racks, AantalModules);
        for (int r = 1; r <= racks; ++r)
            for (int m = 1; m <= AantalModules; ++m)
                emulator.module(PollHarnas::ModuleNummer(r, m))->omkeertijdMs = 2;
        if (stil) emulator.module(PollHarnas::ModuleNummer(1, 4))->stil = true;

        // The poll-interval timer at an interval of one second, as far as the rows go.
        std::vector<qint64> rijen;
        auto tik = klok.maakTimer();
        tik->zetInterval(1000);
        tik->bijTik = [&] {
            if (!CyclusVoltooid) return;
            rijen.push_back(klok.ms());
            OpenBeurten();
        };
        tik->zetActief(true);
        for (auto _ : state) {
            rijen.clear();
            harnas.Draai(Duur);
        }
        double kortste = 1e9, langste = 0;
        for (size_t i = 2; i < rijen.size(); ++i) {
            const double s = static_cast<double>(rijen[i] - rijen[i - 1]) / 1000.0;
            kortste = std::min(kortste, s);
            langste = std::max(langste, s);
        }
        state.counters["rows"] = static_cast<double>(rijen.size());
        state.counters["mean_s"] =
            rijen.size() > 2 ? static_cast<double>(rijen.back() - rijen[1]) / 1000.0 / (rijen.size() - 2) : 0;
        state.counters["min_s"] = kortste;
        state.counters["max_s"] = langste;
    }
    ResetProgramma();
    platform::zetKlok(nullptr);
}

} // namespace

BENCHMARK(Rijafstand)
    ->ArgNames({"racks", "silent"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({4, 0})
    ->Args({16, 0})
    ->Args({1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
