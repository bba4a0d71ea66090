// Full poll turns per second of the communication loop against the rack emulator on the virtual clock,
// with line timing and a 2 ms module turnaround, at 19200 and at 2400 baud: one rack of 7 modules
// (K761 and K762 alternating), polled for 10 minutes of virtual time. The physical floor of a turn is,
// per module, three requests (status, temperature ADC, measuring ADC), each taking the longer of the
// 30 ms DTR hold and its bytes on the wire up to the closing LF (the request goes out while DTR is
// held), then the turnaround, then the reply's bytes on the wire (10 bits per byte at 8N1). Reports
// the ratio of the turns per second to that floor: 1.0 is the line's limit.
#include "PollHarnas.h"
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/RackModel.h"
#include "platform/Klok.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int Modules = 7;
constexpr int Omkeertijd = 2;
constexpr qint64 Duur = 10 * 60 * 1000;
// FF 4D 06 code id id id id checksum 0D 0A, then one FF: the module acts on the LF, so the last FF
// goes out while it turns round.
constexpr int VerzoekBytes = 11;
constexpr int StatusBytesK761 = 14;  // P L CD id x4 status led error x2 checksum 0D 0A
constexpr int StatusBytesK762 = 18;  // and four range bytes
constexpr int ADCAntwoordBytes = 18; // P L code id x4 four words checksum 0D 0A
constexpr double DtrHoudMs = 30.0;

double Draadtijd(int bytes, int baud) {
    return bytes * 10.0 * 1000.0 / baud;
}

void VolledigeBeurten(benchmark::State& state) {
    const int baud = static_cast<int>(state.range(0));
    auto eigen = std::make_unique<platform::VirtueleKlok>();
    platform::VirtueleKlok& klok = *eigen;
    platform::zetKlok(std::move(eigen));
    ResetProgramma();
    {
        RackEmulator emulator;
        auto& lijn = InstalleerRacklijn(emulator, QStringLiteral("%1,N,8,1").arg(baud));
        emulator.zetLijntiming(true);
        PollHarnas harnas(emulator, &lijn);
        harnas.PlaatsRacks(1, Modules);
        double bodemMs = 0;
        for (int m = 1; m <= Modules; ++m) {
            emulator.module(PollHarnas::ModuleNummer(1, m))->omkeertijdMs = Omkeertijd;
            const int status =
                Racks[1].Modules[m].Type == QStringLiteral("K762") ? StatusBytesK762 : StatusBytesK761;
            for (int antwoord : {status, ADCAntwoordBytes, ADCAntwoordBytes})
                bodemMs += std::max(DtrHoudMs, Draadtijd(VerzoekBytes, baud)) + Omkeertijd +
                           Draadtijd(antwoord, baud);
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
        state.counters["floor_turns_per_s"] = 1000.0 / bodemMs;
        state.counters["ratio_to_floor"] = beurtenPerSeconde * bodemMs / 1000.0;
    }
    ResetProgramma();
    platform::zetKlok(nullptr);
}

} // namespace

BENCHMARK(VolledigeBeurten)
    ->ArgName("baud")
    ->Arg(19200)
    ->Arg(2400)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
