// Full poll turns per second of the communication loop against the rack emulator on the virtual clock,
// with line timing at 19200 baud and a 2 ms module turnaround: one rack of 7 modules (K761 and K762
// alternating), polled for 10 minutes of virtual time. The line limit of a turn is, per module, three
// requests and replies, each with its 30 ms DTR hold, the request's bytes on the wire, the turnaround
// and the reply's bytes on the wire, added up. The request's bytes go out while DTR is held, so the
// loop may come out above it.
#include "PollHarnas.h"
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/RackModel.h"
#include "platform/Klok.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Modules = 7;
constexpr int Omkeertijd = 2;
constexpr qint64 Duur = 10 * 60 * 1000;
constexpr int VerzoekBytes = 12;     // FF 4D 06 code id id id id checksum 0D 0A FF
constexpr int StatusBytesK761 = 14;  // P L CD id x4 status led error x2 checksum 0D 0A
constexpr int StatusBytesK762 = 18;  // and four range bytes
constexpr int ADCAntwoordBytes = 18; // P L code id x4 four words checksum 0D 0A
constexpr double DtrHoudMs = 30.0;

void VolledigeBeurten(benchmark::State& state) {
    auto eigen = std::make_unique<platform::VirtueleKlok>();
    platform::VirtueleKlok& klok = *eigen;
    platform::zetKlok(std::move(eigen));
    ResetProgramma();
    {
        RackEmulator emulator;
        auto& lijn = InstalleerRacklijn(emulator, QStringLiteral("19200,N,8,1"));
        emulator.zetLijntiming(true);
        PollHarnas harnas(emulator, &lijn);
        harnas.PlaatsRacks(1, Modules);
        double grensMs = 0;
        for (int m = 1; m <= Modules; ++m) {
            emulator.module(PollHarnas::ModuleNummer(1, m))->omkeertijdMs = Omkeertijd;
            const int status =
                Racks[1].Modules[m].Type == QStringLiteral("K762") ? StatusBytesK762 : StatusBytesK761;
            for (int antwoord : {status, ADCAntwoordBytes, ADCAntwoordBytes})
                grensMs +=
                    DtrHoudMs + emulator.draadtijd(VerzoekBytes) + Omkeertijd + emulator.draadtijd(antwoord);
        }

        double beurtenPerSeconde = 0;
        for (auto _ : state) {
            harnas.berekeningen.clear();
            const qint64 begin = klok.ms();
            harnas.Draai(Duur);
            const double seconden = static_cast<double>(klok.ms() - begin) / 1000.0;
            beurtenPerSeconde = static_cast<double>(harnas.berekeningen.size()) / Modules / seconden;
        }
        state.counters["turns_per_virtual_s"] = beurtenPerSeconde;
        state.counters["line_limit_turns_per_s"] = 1000.0 / grensMs;
        state.counters["ratio_to_line_limit"] = beurtenPerSeconde * grensMs / 1000.0;
    }
    ResetProgramma();
    platform::zetKlok(nullptr);
}

} // namespace

BENCHMARK(VolledigeBeurten)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
