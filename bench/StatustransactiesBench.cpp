// Status transactions against the rack emulator on the virtual clock, with line timing and a 2 ms
// module turnaround, at 19200 and at 2400 baud. Reports transactions per second of virtual time and
// the ratio to the physical floor of one transaction: the request goes out while DTR is held, so the
// floor is the longer of the 30 ms DTR hold and the request's bytes on the wire up to its closing LF,
// then the turnaround, then the reply's bytes on the wire (10 bits per byte at 8N1). 1.0 is the line's
// limit.
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "platform/Klok.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int32_t RackNr = RackIdno(0, 0, 1);
constexpr int32_t ModuleNr = K761Idno(1, 2, 3);
// FF 4D 06 CD id id id id checksum 0D 0A, then one FF: the module acts on the LF, so the last FF goes
// out while it turns round.
constexpr int VerzoekBytes = 11;
constexpr int AntwoordBytes = 14; // P L CD id id id id status led error error checksum 0D 0A
constexpr double DtrHoudMs = 30.0;

// Bytes on the wire at 8N1: a start bit, eight data bits and a stop bit each.
double Draadtijd(int bytes, int baud) {
    return bytes * 10.0 * 1000.0 / baud;
}

void StatusTransacties(benchmark::State& state) {
    const int baud = static_cast<int>(state.range(0));
    const int omkeertijd = static_cast<int>(state.range(1));
    auto eigen = std::make_unique<platform::VirtueleKlok>();
    platform::VirtueleKlok& klok = *eigen;
    platform::zetKlok(std::move(eigen));
    ResetProgramma();
    {
        RackEmulator emulator;
        InstalleerRacklijn(emulator, QStringLiteral("%1,N,8,1").arg(baud));
        emulator.zetLijntiming(true);
        PlaatsRack(emulator, 1, RackNr, {{1, ModuleNr}});
        emulator.module(ModuleNr)->omkeertijdMs = omkeertijd;
        emulator.module(ModuleNr)->status = 0x0F;

        const qint64 begin = klok.ms();
        int64_t aantal = 0;
        bool mislukt = false;
        for (auto _ : state) {
            benchmark::DoNotOptimize(LeesStatus(1, 1, 255));
            mislukt = mislukt || Antwoord != AntwoordFrame;
            ++aantal;
        }
        const double virtueleSeconden = static_cast<double>(klok.ms() - begin) / 1000.0;
        const double perSeconde = static_cast<double>(aantal) / virtueleSeconden;
        const double bodemMs =
            std::max(DtrHoudMs, Draadtijd(VerzoekBytes, baud)) + omkeertijd + Draadtijd(AntwoordBytes, baud);
        state.counters["tx_per_virtual_s"] = perSeconde;
        state.counters["floor_tx_per_s"] = 1000.0 / bodemMs;
        state.counters["ratio_to_floor"] = perSeconde * bodemMs / 1000.0;
        if (mislukt) state.SkipWithError("a status transaction failed");
        ResetProgramma();
    }
    platform::zetKlok(nullptr);
}

} // namespace

BENCHMARK(StatusTransacties)
    ->ArgNames({"baud", "turnaround_ms"})
    ->Args({19200, 2})
    ->Args({2400, 2})
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
