// The cost of showing one poll turn of a full rack (7 modules, 28 inputs): the rack window's labels,
// colours, tool tips and indicators, with and without painting, and the system tree's value nodes.
#include "Voorbeeldrack.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Systeemboom.h"
#include "platform/Opslag.h"
#include "rackviews/FormRack.h"
#include "rackviews/FormTreeview.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// What the poll cycle does for every module of the rack after converting its readings.
void Pollronde(int r) {
    for (int m = 1; m <= AantalModules; ++m) {
        ToonMetingenRackvenster(r, m, false);
        AanpassenRackIndicatoren(r, m, false, false);
    }
}

void BM_RackvensterNaPollronde(benchmark::State& state) {
    const bool tekenen = state.range(0) != 0;
    VulVoorbeeldrack(1);
    FormRack venster(1);
    venster.Laad();
    if (tekenen) venster.show();
    QCoreApplication::processEvents();
    int stap = 0;
    for (auto _ : state) {
        VolgendeVoorbeeldMeting(1, ++stap);
        Pollronde(1);
        if (tekenen) QCoreApplication::processEvents();
    }
    state.SetLabel(tekenen ? "labels and painting" : "labels only");
}
BENCHMARK(BM_RackvensterNaPollronde)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SysteemboomNaPollronde(benchmark::State& state) {
    VulVoorbeeldrack(1);
    FormTreeview boom;
    boom.Laad();
    int stap = 0;
    for (auto _ : state) {
        VolgendeVoorbeeldMeting(1, ++stap);
        for (int m = 1; m <= AantalModules; ++m)
            AanpassenMetingenTreeView(1, m);
    }
    boom.close();
}
BENCHMARK(BM_SysteemboomNaPollronde)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The windows read and write their settings in a folder of their own.
    QTemporaryDir map;
    platform::ZetOpslagMap(map.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::ZetOpslagMap(QString());
    return 0;
}
