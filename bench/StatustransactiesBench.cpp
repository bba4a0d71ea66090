// Status transactions against the rack emulator on the virtual clock, with line timing at 19200 baud
// and a 2 ms module turnaround. Reports transactions per second of virtual time and the ratio to the
// line limit: the 30 ms DTR hold, the bytes of request and reply on the wire and the turnaround,
// added up. The request's bytes go out while DTR is held, so the line's true floor is lower; its ratio
// is reported as well.
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
constexpr int VerzoekBytes = 12;  // FF 4D 06 CD id id id id checksum 0D 0A FF
constexpr int AntwoordBytes = 14; // P L CD id id id id status led error error checksum 0D 0A
constexpr double DtrHoudMs = 30.0;

void StatusTransacties(benchmark::State& state) {
    const int omkeertijd = static_cast<int>(state.range(0));
    auto eigen = std::make_unique<platform::VirtueleKlok>();
    platform::VirtueleKlok& klok = *eigen;
    platform::zetKlok(std::move(eigen));
    ResetProgramma();
    {
        RackEmulator emulator;
        InstalleerRacklijn(emulator, QStringLiteral("19200,N,8,1"));
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
        const double verzoek = emulator.draadtijd(VerzoekBytes);
        const double antwoord = emulator.draadtijd(AntwoordBytes);
        const double grensMs = DtrHoudMs + verzoek + omkeertijd + antwoord;
        const double bodemMs = std::max(DtrHoudMs, verzoek) + omkeertijd + antwoord;
        state.counters["tx_per_virtual_s"] = perSeconde;
        state.counters["line_limit_tx_per_s"] = 1000.0 / grensMs;
        state.counters["ratio_to_line_limit"] = perSeconde * grensMs / 1000.0;
        state.counters["ratio_to_overlapped_floor"] = perSeconde * bodemMs / 1000.0;
        if (mislukt) state.SkipWithError("a status transaction failed");
        ResetProgramma();
    }
    platform::zetKlok(nullptr);
}

} // namespace

BENCHMARK(StatusTransacties)->Arg(2)->Iterations(2000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
