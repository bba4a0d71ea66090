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
// Files the run has left: 16 racks log a file per rack (`run-#rack#.csv`) into a folder until its disk
// refuses them (a size limit), and Save As goes on under the same name in another folder, 5 or 10 times:
// 80 or 160 left files whose rows wait. A snapshot then writes the 16 files of the run, which take its
// rows, and tries every left file. Beside it the same run with nothing waiting (no limit while the old
// folders fill), and the same run whose 16 files of now are refused: what one left file adds to a
// snapshot, and what one refused file of the run adds, each over the run with nothing waiting. Each
// snapshot is timed by itself, 40 in each of five rounds of the three runs in turn, and the median is
// kept (the machine may be busy with other work).
#include "Benchhulp.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <csignal>
#include <ctime>
#include <fstream>
#include <map>
#include <optional>
#include <sys/resource.h>
#include <utility>
#include <vector>

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

// How the files of the run stand while the snapshots are measured.
enum class Soort { NietsWacht = 0, Geweigerd = 1, Verlaten = 2 };

// One round of a run that left `opslaan` folders behind, in the way `soort`: the processor time of each
// of `metingen` snapshots is added to `tijden`. False with `fout` when a row went astray.
bool RondeMetVerlatenBestanden(Soort soort, int opslaan, int metingen, std::vector<double>& tijden,
                               const char*& fout) {
    // The size limit: a file per rack takes some 65 rows under it.
    constexpr rlim_t Grenswaarde = 64 * 1024;
    QTemporaryDir map;
    BeginSchoon(map.path() + QStringLiteral("/config"));
    for (int r = 1; r <= AantalRacks; ++r)
        BouwPhRack(r);
    TijdMeting = platform::MaakDatum(2026, 1, 5, 8, 0, 0);
    const auto sjabloon = [&map](int k) {
        QDir().mkpath(map.path() + QStringLiteral("/d%1").arg(k));
        return map.path() + QStringLiteral("/d%1/run-#rack#.csv").arg(k);
    };
    // The rows a file per rack takes before the limit refuses it.
    Gegevensbestand = sjabloon(0);
    VolgendeSnapshot();
    const QString eerste = MaakBestandsnaam(Gegevensbestand, 1, 0, 0);
    const qint64 een = QFileInfo(eerste).size();
    VolgendeSnapshot();
    const qint64 rij = QFileInfo(eerste).size() - een;
    const int vullen = static_cast<int>((qint64(Grenswaarde) - (een - rij)) / rij) + 3;
    std::optional<Grens> grens;
    if (soort == Soort::Verlaten) grens.emplace(Grenswaarde);
    // Each folder fills (and refuses, under the limit), then Save As goes on in the next.
    std::vector<QString> verlaten;
    for (int k = 0; k < opslaan; ++k) {
        if (k > 0) Gegevensbestand = sjabloon(k);
        for (int i = k == 0 ? 2 : 0; i < vullen; ++i)
            VolgendeSnapshot();
        const QStringList paden = LogBestanden(Gegevensbestand);
        verlaten.insert(verlaten.end(), paden.begin(), paden.end());
    }
    Gegevensbestand = sjabloon(opslaan);
    if (soort == Soort::Geweigerd) {
        // The files of now fill until the limit refuses them, and some rows wait.
        for (int i = 0; i < vullen - 5; ++i)
            VolgendeSnapshot();
        qint64 kleinste = INT64_MAX;
        for (const QString& p : LogBestanden(Gegevensbestand))
            kleinste = std::min(kleinste, QFileInfo(p).size());
        grens.emplace(static_cast<rlim_t>(kleinste));
        for (int i = 0; i < 5; ++i)
            VolgendeSnapshot();
    } else {
        VolgendeSnapshot();
    }
    std::vector<qint64> voor;
    for (const QString& p : verlaten)
        voor.push_back(QFileInfo(p).size());
    for (int i = 0; i < metingen; ++i) {
        const double begin = DraadProcessortijd();
        VolgendeSnapshot();
        tijden.push_back(DraadProcessortijd() - begin);
    }
    for (size_t i = 0; i < verlaten.size(); ++i)
        if (QFileInfo(verlaten[i]).size() != voor[i]) fout = "a left file grew";
    const int rijenNu = soort == Soort::Geweigerd ? vullen + metingen : 1 + metingen;
    if (soort != Soort::Geweigerd &&
        QFileInfo(MaakBestandsnaam(Gegevensbestand, 1, 0, 0)).size() < rijenNu * rij)
        fout = "the files of the run did not take their rows";
    // The disks take rows again: every row that waited reaches its file at the next snapshot.
    grens.reset();
    VolgendeSnapshot();
    for (const QString& p : verlaten) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly) || f.readAll().count('\n') != 1 + vullen)
            fout = "rows that waited did not all reach a left file";
    }
    {
        QFile f(MaakBestandsnaam(Gegevensbestand, 1, 0, 0));
        if (!f.open(QIODevice::ReadOnly) || f.readAll().count('\n') != 1 + rijenNu + 1)
            fout = "rows that waited did not all reach a file of the run";
    }
    Gegevensbestand.clear();
    ResetProgramma();
    EindSchoon();
    return fout == nullptr;
}

// The three ways in turn, five rounds each, every snapshot timed by itself: the median of each way (in
// turn, so that other work on the machine weighs on each alike).
void SnapshotBijVerlatenBestanden(benchmark::State& state) {
    const auto opslaan = static_cast<int>(state.range(0));
    constexpr int Metingen = 40;
    std::map<Soort, std::vector<double>> tijden;
    const char* fout = nullptr;
    for (auto _ : state)
        for (int ronde = 0; ronde < 5; ++ronde)
            for (const Soort soort : {Soort::NietsWacht, Soort::Geweigerd, Soort::Verlaten})
                RondeMetVerlatenBestanden(soort, opslaan, Metingen, tijden[soort], fout);
    if (fout) state.SkipWithError(fout);
    const double niets = Mediaan(tijden[Soort::NietsWacht]);
    const double geweigerd = Mediaan(tijden[Soort::Geweigerd]);
    const double verlaten = Mediaan(tijden[Soort::Verlaten]);
    state.counters["left_files"] = AantalRacks * opslaan;
    state.counters["us_nothing_waiting"] = niets;
    state.counters["us_16_files_refused"] = geweigerd;
    state.counters["us_left_files_waiting"] = verlaten;
    state.counters["left_to_nothing_waiting"] = verlaten / niets;
    state.counters["us_per_refused_file"] = (geweigerd - niets) / AantalRacks;
    state.counters["us_per_left_file"] = (verlaten - niets) / (AantalRacks * opslaan);
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
BENCHMARK(SnapshotBijVerlatenBestanden)
    ->ArgNames({"save_as"})
    ->Arg(5)
    ->Arg(10)
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
