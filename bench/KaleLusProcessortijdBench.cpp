// Processor time of the bare communication loop, without windows and without a serial port, on the
// real clock (takes about two and a half minutes): 60 s of polling 7 modules in simulation, 60 s
// waiting with no rack on an open in-memory line, and 20 s with the rack line closed. The share of one
// core is the process's user and system time (getrusage) over the wall time of the run; a waiting loop
// must sleep, not spin. What the whole program uses, with its windows on a real pseudo-terminal, is
// measured by bench/processortijd.sh.
#include "Benchhulp.h"
#include "PollHarnas.h"
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "platform/Klok.h"
#include "shared/Teksten.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

enum class Geval { Simulatie, GeenRack, PoortDicht };

void Processortijd(benchmark::State& state) {
    const auto geval = static_cast<Geval>(state.range(0));
    const qint64 duur = state.range(1) * 1000;
    platform::zetKlok(nullptr); // the real clock
    ResetProgramma();
    int taal = 0;
    KiesTaal(taal);
    {
        RackEmulator emulator;
        platform::GeheugenLijn* lijn = nullptr;
        if (geval == Geval::GeenRack) lijn = &InstalleerRacklijn(emulator);
        PollHarnas harnas(emulator, lijn);
        if (geval == Geval::Simulatie) {
            Demo = true;
            DemoStart = platform::Nu();
            harnas.PlaatsRacks(1, 7);
        }
        double aandeel = 0;
        for (auto _ : state) {
            QElapsedTimer wand;
            wand.start();
            const double begin = ProcessorSeconden();
            harnas.Draai(duur);
            const double processor = ProcessorSeconden() - begin;
            aandeel = 100.0 * processor / (static_cast<double>(wand.elapsed()) / 1000.0);
        }
        state.counters["cpu_percent_of_one_core"] = aandeel;
        state.counters["computes"] = static_cast<double>(harnas.berekeningen.size());
    }
    ResetProgramma();
}

} // namespace

BENCHMARK(Processortijd)
    ->ArgNames({"case", "seconds"})
    ->Args({static_cast<int>(Geval::Simulatie), 60})
    ->Args({static_cast<int>(Geval::GeenRack), 60})
    ->Args({static_cast<int>(Geval::PoortDicht), 20})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
