// Loading a measurement file of 100,000 rows of one rack with 7 modules into an in-memory table, beside
// a plain read of the same file (read, decode, split into lines); and appending snapshots of 16 racks
// to the logging files in the per-input mode. Reports rows per second, the load's time against the
// plain read, and the load's peak memory (resident high-water mark above the start) against the file
// size.
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shell/Beginstand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <deque>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {

constexpr int Rijen = 100000;
constexpr char Scheiding = '\x1f';

// A table window as a large-table model keeps it: per module row its fields joined into one UTF-8
// text, and per window row the two time cells, which all modules of the row share.
class GeheugenTabel : public Tabelvenster {
public:
    int16_t Ri() const override { return m_ri; }
    void ZetRi(int16_t ri) override { m_ri = ri; }
    void StelTabelIn(bool) override {
        m_tijden.clear();
        for (auto& r : m_rijen)
            r.clear();
    }
    void VulTabellenAan(const QString&) override {}
    void VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) override {
        if (static_cast<int32_t>(m_tijden.size()) <= AantalMetingen) {
            if (TijdMeting != m_tijdVan) {
                m_tijd = TijdCellenVan(TijdMeting);
                m_tijdVan = TijdMeting;
            }
            m_tijden.resize(AantalMetingen + 1);
            m_tijden[AantalMetingen] = m_tijd;
        }
        m_regel.clear();
        for (int i = 0; i < 21; ++i) {
            if (i) m_regel += QLatin1Char(Scheiding);
            m_regel += Info.VolgendVeld();
        }
        auto& rijen = m_rijen[y];
        if (static_cast<int32_t>(rijen.size()) <= AantalMetingen) rijen.resize(AantalMetingen + 1);
        m_buffer.resize(m_utf8.requiredSpace(m_regel.size()));
        const char* einde = m_utf8.appendToBuffer(m_buffer.data(), m_regel);
        rijen[AantalMetingen] = QByteArray(m_buffer.constData(), einde - m_buffer.constData());
    }
    void ToonRaster(int16_t) override {}
    QString CelTekst(int16_t m, int32_t rij, int16_t kolom) const override {
        if (rij < 0 || rij >= static_cast<int32_t>(m_rijen[m].size())) return QString();
        if (kolom == KolomNummer) return QString::number(rij);
        if (kolom == KolomDatum) return m_tijden[rij].kolom1;
        if (kolom == KolomTijd) return m_tijden[rij].kolom2;
        return QString::fromUtf8(m_rijen[m][rij]).section(QLatin1Char(Scheiding), kolom - 3, kolom - 3);
    }
    void ZetCelTekst(int16_t, int32_t, int16_t, const QString&) override {}
    qint64 AantalRijen(int m) const { return static_cast<qint64>(m_rijen[m].size()); }

private:
    int16_t m_ri = 1;
    std::deque<TijdCellen> m_tijden;
    std::array<std::deque<QByteArray>, AantalModules + 1> m_rijen;
    TijdCellen m_tijd;
    platform::Datum m_tijdVan = -1;
    QString m_regel;
    QByteArray m_buffer;
    QStringEncoder m_utf8{QStringEncoder::Utf8};
};

qint64 StatusWaarde(const char* sleutel) {
    std::ifstream f("/proc/self/status");
    std::string regel;
    const std::string s = std::string(sleutel) + ":";
    while (std::getline(f, regel))
        if (regel.rfind(s, 0) == 0) return std::stoll(regel.substr(s.size())) * 1024;
    return 0;
}

// Resets the resident high-water mark to the present size (false when the system does not allow it).
bool ResetPiek() {
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
    f.flush();
    return f.good();
}

void BouwRacks(int racks) {
    for (int r = 1; r <= racks; ++r) {
        Racks[r].Present = true;
        Racks[r].Name = QStringLiteral("Rack %1").arg(r);
        RackVlaggen[r].Measure = true;
        for (int m = 1; m <= AantalModules; ++m) {
            ModuleRecord& mod = Racks[r].Modules[m];
            mod.Present = true;
            mod.Type = "K761";
            mod.Name = QStringLiteral("Module %1").arg(m);
            for (int c = 1; c <= AantalIngangen; ++c) {
                mod.Meting[c].Set = true;
                mod.Meting[c].Name = QStringLiteral("Input %1").arg(c);
                mod.Meting[c].Unit = "pH";
                mod.Meting[c].Resolution = 2;
                mod.Meting[c].Waarde = 7.0f + 0.01f * static_cast<float>(c + m);
                mod.Temperatuur[c].Unit = QString::fromUtf8("°C");
                mod.Temperatuur[c].Resolution = 1;
                mod.Temperatuur[c].Waarde = 21.5f;
            }
        }
    }
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

// 100,000 rows of rack 1 with 7 modules of 4 inputs, as the logging writes them.
QString MaakMeetbestand(const QString& map) {
    const QString pad = map + QStringLiteral("/groot.csv");
    QByteArray bytes = "\"Time\"\r\n";
    bytes.reserve(static_cast<qsizetype>(Rijen) * 1100);
    const platform::Datum begin = platform::MaakDatum(2026, 1, 5, 8, 0, 0);
    for (int i = 0; i < Rijen; ++i) {
        bytes += '"' + platform::DatumTijdTekst(begin + i / 86400.0).toLatin1() + '"';
        for (int m = 1; m <= AantalModules; ++m) {
            for (int c = 1; c <= AantalIngangen; ++c) {
                bytes += ",\"0\",\"";
                bytes += QByteArray::number(6.5 + ((i * 7 + m * 3 + c) % 100) / 100.0, 'f', 2);
                bytes += "\",\"pH\",\"";
                bytes += QByteArray::number(20.0 + ((i + m + c) % 50) / 10.0, 'f', 1);
                bytes += "\",\"\xB0"
                         "C\"";
            }
            bytes += i % 1000 == 0 ? ",\"calibrated\"" : ",\"\"";
        }
        bytes += "\r\n";
    }
    QFile f(pad);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return pad;
}

double PlainRead(const QString& pad) {
    const auto begin = std::chrono::steady_clock::now();
    QByteArray bytes;
    platform::LeesBestand(pad, bytes);
    const QStringList regels = platform::SplitsRegels(platform::DecodeerTekstbestand(bytes));
    benchmark::DoNotOptimize(regels.size());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

void LaadMeetbestand(benchmark::State& state) {
    Omgeving omgeving;
    QTemporaryDir map;
    BouwRacks(1);
    const QString pad = MaakMeetbestand(map.path());
    const double bestandsgrootte = static_cast<double>(QFileInfo(pad).size());
    double leestijd = 1e9;
    for (int i = 0; i < 3; ++i)
        leestijd = std::min(leestijd, PlainRead(pad));

    double laadtijd = 1e9;
    double piek = 0;
    double model = 0;
    bool piekGemeten = false;
    for (auto _ : state) {
        auto tabel = std::make_unique<GeheugenTabel>();
        TabelVensters.Zet(1, tabel.get());
        malloc_trim(0);
        piekGemeten = ResetPiek();
        const qint64 start = StatusWaarde("VmRSS");
        const auto begin = std::chrono::steady_clock::now();
        LeesGegevensbestand(pad);
        const double tijd = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        piek = std::max(piek, static_cast<double>(StatusWaarde("VmHWM") - start));
        model = std::max(model, static_cast<double>(StatusWaarde("VmRSS") - start));
        laadtijd = std::min(laadtijd, tijd);
        if (AantalMetingen != Rijen || tabel->AantalRijen(7) != Rijen + 1)
            state.SkipWithError("rows missing");
        TabelVensters.Zet(1, nullptr);
    }
    state.counters["file_MB"] = bestandsgrootte / 1e6;
    state.counters["load_rows_per_s"] = Rijen / laadtijd;
    state.counters["plain_read_rows_per_s"] = Rijen / leestijd;
    state.counters["load_to_plain_read"] = laadtijd / leestijd;
    if (piekGemeten) state.counters["peak_memory_to_file"] = piek / bestandsgrootte;
    state.counters["table_memory_to_file"] = model / bestandsgrootte;
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

BENCHMARK(LaadMeetbestand)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoggenPerKanaal)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
