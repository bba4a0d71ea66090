// File > Open of a measurement file of one full rack (7 modules, 148 fields a row) into its table window,
// at 10,000, 100,000 and 1,000,000 rows (and 100 rows: what an open costs whatever the file, mostly the
// paint of the table and progress windows), each in three set-ups: "own" (the file written under the
// program's locale, English (UK): "05/01/2026 08:00:00"), "other" (the same file opened under the C
// locale, whose own dates read "5 Jan 2026 08:00:00") and "Dutch" (the same under nl_NL, whose dates read
// "5-1-2026" and whose decimal sign is a comma); at 100,000 and 1,000,000 rows also under the
// program's locale the file saved again as UTF-8 (read through once for its encoding before its lines)
// and one whose temperatures are in degrees Fahrenheit while the program shows Celsius (every
// temperature converted); beside a plain read of the same file in the same run:
// every line with std::getline, split on "," into std::string fields without their qualifiers. The plain read
// and the open take turns (five each). Reports the minimum and the median of both and their ratio (the
// open until its rows are painted in the window; also until they are in the grids, before the paint),
// the longest time the event loop waited during the open (a precise 1 ms timer counts the gaps; the
// progress window with its Cancel button is the program's own), and the memory: the resident
// high-water mark during the open above the start, and the grids' cells once loaded, both as a ratio to
// the file size. The files are made in a temporary folder. The load average of the machine at the end
// is reported beside the figures.
#include "Benchhulp.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Meetbestand.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "shared/Voortgang.h"
#include "shared/ui/FrmVoortgang.h"
#include "shell/Beginstand.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

// `rijen` rows of rack 1 with 7 modules of 4 inputs, one a second, as the logging writes them
// (Windows-1252, CR LF): about 830 bytes a row.
QString MaakMeetbestand(const QString& map, int64_t rijen, Bestandssoort soort) {
    return SchrijfMeetbestand(
        map + QStringLiteral("/rijen-%1-%2.csv").arg(rijen).arg(static_cast<int>(soort)), rijen, soort);
}

// The longest wait of the event loop while it is armed: a precise 1 ms timer notes every gap between
// two of its turns.
class Lusmeter {
public:
    Lusmeter() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 nu = m_klok.nsecsElapsed();
            m_grootste = std::max(m_grootste, nu - m_vorige);
            m_vorige = nu;
        });
    }
    void Start() {
        m_grootste = 0;
        m_klok.start();
        m_vorige = 0;
        m_timer.start();
    }
    // The longest gap in milliseconds, the time up to the stop included.
    double Stop() {
        m_grootste = std::max(m_grootste, m_klok.nsecsElapsed() - m_vorige);
        m_timer.stop();
        return static_cast<double>(m_grootste) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_klok;
    qint64 m_vorige = 0;
    qint64 m_grootste = 0;
};

void OpenBestand(benchmark::State& state) {
    const int64_t rijen = state.range(0);
    // 1: C, whose dates read otherwise; 2: Dutch, whose dates and decimal sign do.
    const int64_t anderLocale = state.range(1);
    const auto soort = static_cast<Bestandssoort>(state.range(2));
    QTemporaryDir map;
    BeginSchoon(map.path() + QStringLiteral("/config"));
    BouwPhRack(1);
    FrmTabelMaker tabelvensters;
    ZetTabelvensterMaker(&tabelvensters);
    FrmVoortgangVenster voortgang;
    ZetVoortgangVenster(&voortgang);
    const QString pad = MaakMeetbestand(map.path(), rijen, soort);
    // The program under another locale than the file's.
    if (anderLocale == 1) QLocale::setDefault(QLocale::c());
    if (anderLocale == 2) QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    const double bestandsgrootte = static_cast<double>(QFileInfo(pad).size());

    TabelVensters.Maak(1);
    frmTabel* venster = frmTabelVan(1);
    if (!venster) {
        state.SkipWithError("no table window");
        return;
    }
    venster->resize(1200, 800);
    venster->show();
    QCoreApplication::processEvents();

    std::vector<double> lezingen, openingen, geladen, gaten, pieken;
    double cellen = 0;
    Lusmeter lus;
    for (auto _ : state) {
        int64_t velden = 0;
        lezingen.push_back(GewoneLezing(pad, velden));
        if (velden != 1 + rijen * (1 + 21 * AantalModules)) state.SkipWithError("plain read: fields missing");

        // The rows of the previous turn go first, so that every turn starts from the same memory.
        for (int16_t m = 1; m <= AantalModules; ++m)
            venster->WisTabelGegevens(m);
        AantalMetingen = 0;
        malloc_trim(0);
        const bool piekGemeten = ResetPiek();
        const qint64 start = StatusWaarde("VmRSS");

        Gegevensbestand = pad;
        lus.Start();
        const auto begin = std::chrono::steady_clock::now();
        OpenGegevensbestand();
        geladen.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        QCoreApplication::processEvents();
        openingen.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        gaten.push_back(lus.Stop());
        if (piekGemeten)
            pieken.push_back(static_cast<double>(StatusWaarde("VmHWM") - start) / bestandsgrootte);
        size_t model = 0;
        for (int16_t m = 1; m <= AantalModules; ++m)
            model += venster->MSHFlexGrid[m]->Model().Geheugen();
        cellen = static_cast<double>(model) / bestandsgrootte;
        if (AantalMetingen != rijen ||
            venster->CelTekst(7, static_cast<int32_t>(rijen), KolomDatum).isEmpty())
            state.SkipWithError("open: rows missing");
    }
    const double minLezing = *std::min_element(lezingen.begin(), lezingen.end());
    const double minOpening = *std::min_element(openingen.begin(), openingen.end());
    state.counters["file_MB"] = bestandsgrootte / 1e6;
    state.counters["plain_min_s"] = minLezing;
    state.counters["plain_median_s"] = Mediaan(lezingen);
    state.counters["open_min_s"] = minOpening;
    state.counters["open_median_s"] = Mediaan(openingen);
    state.counters["open_to_plain_min"] = minOpening / minLezing;
    state.counters["open_to_plain_median"] = Mediaan(openingen) / Mediaan(lezingen);
    state.counters["rows_in_grid_min_s"] = *std::min_element(geladen.begin(), geladen.end());
    state.counters["rows_in_grid_to_plain_min"] =
        *std::min_element(geladen.begin(), geladen.end()) / minLezing;
    state.counters["loop_gap_max_ms"] = *std::max_element(gaten.begin(), gaten.end());
    state.counters["loop_gap_median_ms"] = Mediaan(gaten);
    if (!pieken.empty()) state.counters["peak_memory_to_file"] = Mediaan(pieken);
    state.counters["grid_cells_to_file"] = cellen;
    double last[1] = {0};
    if (getloadavg(last, 1) == 1) state.counters["load_1min"] = last[0];
    std::string label = anderLocale == 1   ? "file under en_GB, program under C"
                        : anderLocale == 2 ? "file under en_GB, program under nl_NL"
                                           : "file and program under en_GB";
    if (soort == Bestandssoort::Utf8) label += ", file saved as UTF-8";
    if (soort == Bestandssoort::Fahrenheit) label += ", temperatures in the file in F, in the program in C";
    state.SetLabel(label);

    ResetProgramma();
    ZetVoortgangVenster(nullptr);
    ZetTabelvensterMaker(nullptr);
    EindSchoon();
}

} // namespace

BENCHMARK(OpenBestand)
    ->ArgNames({"rows", "other_locale", "file"})
    ->ArgsProduct({{100, 10000, 100000, 1000000}, {0, 1, 2}, {0}})
    ->Args({100000, 0, 1})
    ->Args({1000000, 0, 1})
    ->Args({100000, 0, 2})
    ->Args({1000000, 0, 2})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    return DraaiMetVensters(argc, argv);
}
