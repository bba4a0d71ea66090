// What a snapshot costs while its rows wait for a disk that refuses them: 16 racks of 7 modules log into
// one data file that the system no longer lets grow (a size limit, as a full disk refuses), through the
// program's own LogMeting on the virtual clock. First 500 or 2,500 rows are taken and left waiting; then
// the processor time of the next snapshots is measured (each one tries the file again, is refused, and
// adds its row to those that wait), in three rounds from a clean start, the fastest kept. A snapshot
// should cost the same however many rows wait: the 2,500 figure is given as a ratio to the 500 one.
// Also the process's peak resident memory over the measured snapshots against its resident memory at
// their end: what waits should be held once, not copied at every snapshot.
// The same with a file per input (448 files, the bound of waiting bytes raised so that none is given up).
// The floor beside it, in the same run: one row of the same bytes appended to a file with std::ofstream
// (opened for appending, written, closed), as a plain program appends a row to a disk that takes it.
#include "Benchhulp.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <csignal>
#include <ctime>
#include <fstream>
#include <map>
#include <sys/resource.h>
#include <utility>

namespace {

constexpr int Gemeten = 20;
constexpr int Rondes = 3;

// The process may make no file longer than `bytes` while it lives (the signal is ignored: the write
// fails as on a full disk).
class Grens {
public:
    explicit Grens(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_oud);
        m_signaal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit g = m_oud;
        g.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &g);
    }
    ~Grens() {
        setrlimit(RLIMIT_FSIZE, &m_oud);
        std::signal(SIGXFSZ, m_signaal);
    }
    Grens(const Grens&) = delete;
    Grens& operator=(const Grens&) = delete;

private:
    rlimit m_oud{};
    void (*m_signaal)(int) = SIG_DFL;
};

// The microseconds per snapshot at 500 rows waiting, per way of splitting the files, for the ratio.
std::map<std::pair<bool, int>, double>& Gevonden() {
    static std::map<std::pair<bool, int>, double> g;
    return g;
}

void VolgendeSnapshot() {
    TijdMeting += 1.0 / 86400.0;
    ++AantalMetingen;
    LogMeting(QString());
}

void SnapshotBijWachtendeRijen(benchmark::State& state) {
    const auto wachtend = static_cast<int>(state.range(0));
    const bool perIngang = state.range(1) != 0;
    double snelste = 1e18, piek = 0, eind = 0, rijbytes = 0;
    for (auto _ : state) {
        for (int ronde = 0; ronde < Rondes; ++ronde) {
            QTemporaryDir map;
            BeginSchoon(map.path() + QStringLiteral("/config"));
            for (int r = 1; r <= AantalRacks; ++r)
                BouwPhRack(r);
            Gegevensbestand = map.path() + (perIngang ? QStringLiteral("/#rack#_#module#_#channel#.csv")
                                                      : QStringLiteral("/run.csv"));
            if (perIngang) ZetWachtendGrens(qsizetype(1) << 32);
            // The file checked: the only one, or that of the first input.
            const QString pad = MaakBestandsnaam(Gegevensbestand, 1, 1, 1);
            TijdMeting = platform::MaakDatum(2026, 1, 5, 8, 0, 0);
            for (int i = 0; i < 3; ++i)
                VolgendeSnapshot();
            const qint64 lengte = QFileInfo(pad).size();
            qint64 kleinste = lengte;
            for (const QString& p : LogBestanden(Gegevensbestand))
                kleinste = std::min(kleinste, QFileInfo(p).size());
            {
                QFile f(pad);
                if (f.open(QIODevice::ReadOnly))
                    rijbytes = static_cast<double>(lengte - f.readLine(1 << 22).size()) / 3.0;
            }
            {
                const Grens grens(static_cast<rlim_t>(kleinste));
                for (int i = 0; i < wachtend; ++i)
                    VolgendeSnapshot();
                ResetPiek();
                const double begin = DraadProcessortijd();
                for (int i = 0; i < Gemeten; ++i)
                    VolgendeSnapshot();
                snelste = std::min(snelste, (DraadProcessortijd() - begin) / Gemeten);
                piek = static_cast<double>(StatusWaarde("VmHWM"));
                eind = static_cast<double>(StatusWaarde("VmRSS"));
            }
            if (QFileInfo(pad).size() != lengte) state.SkipWithError("the refused file grew");
            // The disk takes rows again: every row that waited reaches the file.
            VolgendeSnapshot();
            QFile f(pad);
            if (!f.open(QIODevice::ReadOnly) || f.readAll().count('\n') != 3 + wachtend + Gemeten + 1 + 1)
                state.SkipWithError("rows that waited did not all reach the file");
            f.close();
            Gegevensbestand.clear();
            ResetProgramma();
            EindSchoon();
        }
    }
    state.counters["rows_waiting"] = wachtend;
    state.counters["MB_waiting"] = rijbytes * wachtend / 1e6;
    state.counters["cpu_us_per_snapshot"] = snelste;
    state.counters["peak_to_end_memory"] = eind > 0 ? piek / eind : 0;
    state.counters["peak_MB"] = piek / 1e6;
    Gevonden()[{perIngang, wachtend}] = snelste;
    const auto basis = Gevonden().find({perIngang, 500});
    if (wachtend != 500 && basis != Gevonden().end())
        state.counters["cpu_to_500_waiting"] = snelste / basis->second;
}

// The floor: a row of the same size appended with std::ofstream to a file that takes it.
void GewoneAanvulling(benchmark::State& state) {
    QTemporaryDir map;
    const std::string pad = (map.path() + QStringLiteral("/plain.csv")).toStdString();
    // A row of 16 racks of 7 pH modules: about 12 kB.
    const std::string rij(12000, 'x');
    double tijd = 0;
    int64_t n = 0;
    for (auto _ : state) {
        const double begin = DraadProcessortijd();
        std::ofstream f(pad, std::ios::binary | std::ios::app);
        f.write(rij.data(), static_cast<std::streamsize>(rij.size()));
        f.close();
        tijd += DraadProcessortijd() - begin;
        ++n;
    }
    state.counters["cpu_us_per_row"] = tijd / static_cast<double>(n);
}

} // namespace

BENCHMARK(SnapshotBijWachtendeRijen)
    ->ArgNames({"rows_waiting", "file_per_input"})
    ->Args({500, 0})
    ->Args({2500, 0})
    ->Args({500, 1})
    ->Args({2500, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(GewoneAanvulling)->Iterations(200)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
