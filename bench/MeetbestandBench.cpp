// Loading a measurement file of one rack with 7 modules (10,000, 100,000 and 1,000,000 rows) beside a
// plain read of the same file: std::getline and a split of each line on the separator into std::string
// fields, compiled with the same flags. The loader hands each row to a table window that takes the
// fields and keeps nothing, so that the loader alone is measured. Reports the time per row of both and
// their ratio (the load against the plain read); the time per row at the three sizes shows whether the
// load is linear. Also appends snapshots of 16 racks to the logging files in the per-input mode.
#include "Benchhulp.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A table window that takes the fields of each module block of a row and keeps nothing: the loader alone.
class LegeTabel : public Tabelvenster {
public:
    int16_t Ri() const override { return m_ri; }
    void ZetRi(int16_t ri) override { m_ri = ri; }
    void StelTabelIn(bool) override { rijen = 0; }
    void VulTabellenAan(const QString&) override {}
    void VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) override {
        for (int i = 0; i < VeldenPerBlok; ++i)
            tekens += Info.NeemVeld().size();
        if (y == AantalModules) ++rijen;
    }
    void ToonRaster(int16_t) override {}
    QString CelTekst(int16_t, int32_t, int16_t) const override { return QString(); }
    void ZetCelTekst(int16_t, int32_t, int16_t, const QString&) override {}
    qint64 rijen = 0;
    qint64 tekens = 0;

private:
    int16_t m_ri = 1;
};

void BouwRacks(int racks) {
    for (int r = 1; r <= racks; ++r)
        BouwPhRack(r);
}

struct Omgeving {
    Omgeving() {
        auto k = std::make_unique<platform::VirtueleKlok>();
        platform::zetKlok(std::move(k));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        ResetProgramma();
    }
    ~Omgeving() {
        ResetProgramma();
        platform::zetKlok(nullptr);
    }
};

// `rijen` rows of rack 1 with 7 modules of 4 inputs, as the logging writes them (Windows-1252, CR LF),
// one a second.
QString MaakMeetbestand(const QString& map, int64_t rijen) {
    return SchrijfMeetbestand(map + QStringLiteral("/groot.csv"), rijen);
}

void LaadMeetbestand(benchmark::State& state) {
    const int64_t rijen = state.range(0);
    Omgeving omgeving;
    QTemporaryDir map;
    BouwRacks(1);
    const QString pad = MaakMeetbestand(map.path(), rijen);
    const double bestandsgrootte = static_cast<double>(QFileInfo(pad).size());

    double leestijd = 1e9;
    double laadtijd = 1e9;
    LegeTabel tabel;
    TabelVensters.Zet(1, &tabel);
    for (auto _ : state) {
        // The plain read and the load take turns, so that both see the same state of the machine.
        int64_t velden = 0;
        leestijd = std::min(leestijd, GewoneLezing(pad, velden));
        if (velden != 1 + rijen * (1 + VeldenPerBlok * AantalModules))
            state.SkipWithError("plain read: fields missing");

        const auto begin = std::chrono::steady_clock::now();
        LeesGegevensbestand(pad);
        laadtijd = std::min(laadtijd,
                            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        if (AantalMetingen != rijen || tabel.rijen != rijen) state.SkipWithError("load: rows missing");
    }
    TabelVensters.Zet(1, nullptr);
    state.counters["file_MB"] = bestandsgrootte / 1e6;
    state.counters["load_ns_per_row"] = laadtijd * 1e9 / static_cast<double>(rijen);
    state.counters["plain_read_ns_per_row"] = leestijd * 1e9 / static_cast<double>(rijen);
    state.counters["load_to_plain_read"] = laadtijd / leestijd;
}

// One snapshot of 16 racks of 7 modules into one file per input (448 files).
void LoggenPerKanaal(benchmark::State& state) {
    Omgeving omgeving;
    QTemporaryDir map;
    BouwRacks(AantalRacks);
    Gegevensbestand = map.path() + QStringLiteral("/#rack#_#module#_#channel#.csv");
    TijdMeting = platform::MaakDatum(2026, 1, 5, 8, 0, 0);
    int64_t snapshots = 0;
    for (auto _ : state) {
        LogMeting(QString());
        TijdMeting += 1.0 / 86400.0;
        ++snapshots;
    }
    const int64_t bestandsrijen = snapshots * AantalRacks * AantalModules * AantalIngangen;
    state.counters["snapshots_per_s"] =
        benchmark::Counter(static_cast<double>(snapshots), benchmark::Counter::kIsRate);
    state.counters["file_rows_per_s"] =
        benchmark::Counter(static_cast<double>(bestandsrijen), benchmark::Counter::kIsRate);
    Gegevensbestand.clear();
}

} // namespace

BENCHMARK(LaadMeetbestand)
    ->ArgName("rows")
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(LoggenPerKanaal)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
