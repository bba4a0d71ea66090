// The table window with a measurement file of 100,000 rows of one rack with 7 modules loaded into it:
// the load's peak memory (resident high-water mark above the start, the window's grids included) as a
// ratio to the file size, and the load time, beside the same file kept by a plain standard-library
// table with one string per field (read line by line, split at the commas); and the time to paint one
// screenful of a grid at the top of the table and at its last row, which should not depend on the row
// count; and Edit > Info on the last row: the check before the editor opens beside a plain read of the same
// file line by line into std::string, and the pass at OK that writes the working copy beside a plain copy
// of the file line by line, flushed to the disk.
#include "Benchhulp.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Meetbestand.h"
#include "files/Werkkopie.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "shell/Beginstand.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Rijen = 100000;

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

// The plain reference: every line split at the commas into one std::string per field.
std::vector<std::vector<std::string>> LeesPerCel(const QString& pad) {
    std::vector<std::vector<std::string>> rijen;
    std::ifstream f(pad.toStdString(), std::ios::binary);
    std::string regel;
    while (std::getline(f, regel)) {
        std::vector<std::string> velden;
        size_t begin = 0;
        for (;;) {
            const size_t komma = regel.find(',', begin);
            velden.push_back(
                regel.substr(begin, komma == std::string::npos ? std::string::npos : komma - begin));
            if (komma == std::string::npos) break;
            begin = komma + 1;
        }
        rijen.push_back(std::move(velden));
    }
    return rijen;
}

// Milliseconds to paint the grid's visible rows, best of a number of paints.
double Tekentijd(TabelGrid& grid) {
    QCoreApplication::processEvents();
    double beste = 1e9;
    for (int i = 0; i < 30; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        const QPixmap beeld = grid.viewport()->grab();
        benchmark::DoNotOptimize(beeld.cacheKey());
        beste = std::min(
            beste,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    return beste;
}

void TabelvensterMetBestand(benchmark::State& state) {
    QTemporaryDir map;
    BeginSchoon(map.path() + QStringLiteral("/config"));
    BouwPhRack(1);
    FrmTabelMaker tabelvensters;
    ZetTabelvensterMaker(&tabelvensters);
    const QString pad = MaakMeetbestand(map.path());
    const double bestandsgrootte = static_cast<double>(QFileInfo(pad).size());

    // The plain per-field table of the same file.
    malloc_trim(0);
    bool piekGemeten = ResetPiek();
    qint64 start = StatusWaarde("VmRSS");
    double perCelTijd = 0;
    {
        const auto begin = std::chrono::steady_clock::now();
        const auto rijen = LeesPerCel(pad);
        perCelTijd = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        benchmark::DoNotOptimize(rijen.size());
    }
    const double piekPerCel = static_cast<double>(StatusWaarde("VmHWM") - start);
    malloc_trim(0);

    frmTabel* venster = frmTabelVan(1);
    if (!venster) {
        TabelVensters.Maak(1);
        venster = frmTabelVan(1);
    }
    venster->resize(1200, 800);
    venster->show();
    QCoreApplication::processEvents();
    malloc_trim(0);
    piekGemeten = ResetPiek() && piekGemeten;
    start = StatusWaarde("VmRSS");
    double laadtijd = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        LeesGegevensbestand(pad);
        QCoreApplication::processEvents();
        laadtijd = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    const double piek = static_cast<double>(StatusWaarde("VmHWM") - start);
    const double blijvend = static_cast<double>(StatusWaarde("VmRSS") - start);
    size_t model = 0;
    for (int16_t m = 1; m <= AantalModules; ++m)
        model += venster->MSHFlexGrid[m]->Model().Geheugen();
    if (AantalMetingen != Rijen || venster->CelTekst(7, Rijen, KolomDatum).isEmpty())
        state.SkipWithError("rows missing");

    TabelGrid& grid = *venster->MSHFlexGrid[1];
    grid.scrollToTop();
    const double boven = Tekentijd(grid);
    const int zichtbaar = grid.rowAt(grid.viewport()->height() - 1) - grid.rowAt(0) + 1;
    grid.scrollToBottom();
    const double onder = Tekentijd(grid);

    // Edit > Info on the last row, against reading the file once.
    Gegevensbestand = pad;
    const auto seconden = [](auto&& doe) {
        const auto begin = std::chrono::steady_clock::now();
        doe();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    const double leestijd = seconden([&pad] {
        std::ifstream f(pad.toStdString(), std::ios::binary);
        std::string regel;
        size_t regels = 0;
        while (std::getline(f, regel))
            ++regels;
        benchmark::DoNotOptimize(regels);
    });
    const double kopieertijd = seconden([&pad] {
        std::ifstream f(pad.toStdString(), std::ios::binary);
        const std::string kopie = pad.toStdString() + ".plain";
        FILE* uit = std::fopen(kopie.c_str(), "wb");
        std::string regel;
        while (uit && std::getline(f, regel)) {
            regel += '\n';
            std::fwrite(regel.data(), 1, regel.size(), uit);
        }
        if (uit) {
            std::fflush(uit);
            fsync(fileno(uit));
            std::fclose(uit);
        }
        std::remove(kopie.c_str());
    });
    bool geweigerd = true, geschreven = false;
    const double controle = seconden([&] { geweigerd = InfoGeweigerd(1, 1, Rijen); });
    const double doorgang = seconden([&] { geschreven = SchrijfInfo(1, 1, Rijen, QStringLiteral("bench")); });
    if (geweigerd || !geschreven) state.SkipWithError("the info was not written");
    QFile::remove(pad + QStringLiteral(".new"));
    WerkkopieAfgehandeld(pad);

    state.counters["info_check_s"] = controle;
    state.counters["info_write_s"] = doorgang;
    state.counters["plain_read_s"] = leestijd;
    state.counters["info_check_to_plain_read"] = controle / leestijd;
    state.counters["plain_copy_s"] = kopieertijd;
    state.counters["info_write_to_plain_copy"] = doorgang / kopieertijd;
    state.counters["file_MB"] = bestandsgrootte / 1e6;
    state.counters["load_s"] = laadtijd;
    state.counters["plain_per_cell_load_s"] = perCelTijd;
    if (piekGemeten) {
        state.counters["peak_memory_to_file"] = piek / bestandsgrootte;
        state.counters["plain_per_cell_peak_to_file"] = piekPerCel / bestandsgrootte;
    }
    state.counters["resident_after_to_file"] = blijvend / bestandsgrootte;
    state.counters["grid_cells_to_file"] = static_cast<double>(model) / bestandsgrootte;
    state.counters["rows_on_screen"] = zichtbaar;
    state.counters["paint_top_ms"] = boven;
    state.counters["paint_last_row_ms"] = onder;
    state.counters["paint_last_to_top"] = onder / boven;

    ResetProgramma();
    EindSchoon();
}

} // namespace

BENCHMARK(TabelvensterMetBestand)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    return DraaiMetVensters(argc, argv);
}
