// Printing a table tab of 100,000 rows to a PDF file (A4, the PDF printer's 5 mm margins, high
// resolution) as File > Print does it, beside a plain QPdfWriter drawing of the same cells on the same
// pages in the same run: per page the title, the date and the frame, the header row in bold, then per
// row every cell measured once, placed by its column's alignment and drawn with QPainter::drawText, the
// column lines and the rules. The two take turns, three times each; reports the minimum and the median
// of both, their ratio, the page counts (which must agree), and the resident high-water mark above the
// start of each (the PDF is written as it goes: it should not grow with the rows). The files are made in
// a temporary folder.
#include "Benchhulp.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printerkode.h"
#include "reports/Printers.h"
#include "reports/Printervlak.h"
#include "shared/Hulpfuncties.h"
#include "shell/Beginstand.h"
#include "views/Vensterafdruk.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

constexpr int Rijen = 100000;
constexpr double TwipsPerPixel = 15;

void BouwRack() {
    Racks[1].Present = true;
    Racks[1].Name = QStringLiteral("Rack 1");
    RackVlaggen[1].Measure = true;
    ModuleRecord& mod = Racks[1].Modules[1];
    mod.Present = true;
    mod.Type = "K761";
    mod.Name = QStringLiteral("Module 1");
    for (int c = 1; c <= AantalIngangen; ++c) {
        mod.Meting[c].Set = true;
        mod.Meting[c].Unit = "pH";
        mod.Meting[c].Resolution = 2;
        mod.Temperatuur[c].Unit = QString::fromUtf8("°C");
        mod.Temperatuur[c].Resolution = 1;
    }
}

// The grid of module 1 with `Rijen` rows as a logging run fills it, one a second.
void VulTabel(TabelModel& model) {
    const platform::Datum begin = platform::MaakDatum(2026, 1, 5, 8, 0, 0);
    TabelRij rij;
    for (int i = 0; i < Rijen; ++i) {
        const platform::Datum t = begin + static_cast<double>(i) / 86400.0;
        rij[KolomDatum] = platform::KorteDatum(t);
        rij[KolomTijd] = platform::LangeTijd(t);
        for (int n = 1; n <= AantalIngangen; ++n) {
            const auto c = static_cast<size_t>(KolomVanKanaal(n));
            rij[c] = QString::number(6.5 + ((i * 7 + n) % 100) / 100.0, 'f', 2);
            rij[c + 1] = QStringLiteral("pH");
            rij[c + 2] = QString::number(20.0 + ((i + n) % 50) / 10.0, 'f', 1);
            rij[c + 3] = QString::fromUtf8("°C");
        }
        rij[KolomInfo] = i % 1000 == 0 ? QStringLiteral("calibrated") : QString();
        model.ZetRij(i + 1, rij, false);
    }
    model.Meld();
}

// What the plain drawing needs of the grid: texts, column widths in twips, alignment and font.
struct Tabelgegevens {
    std::vector<std::vector<QString>> cellen; // row 0 the header
    std::vector<double> breedtes;
    std::vector<bool> rechts;
    QString lettertype;
    double grootte = 8;
    double rasterBreedte = 0;
};

Tabelgegevens LeesTabel(const TabelGrid& grid) {
    Tabelgegevens t;
    const TabelModel& m = grid.Model();
    for (int32_t r = 0; r <= m.DataRijen(); ++r) {
        std::vector<QString> rij;
        for (int k = 0; k < AantalRasterKolommen; ++k)
            rij.push_back(m.Cel(r, k));
        t.cellen.push_back(std::move(rij));
    }
    for (int k = 0; k < AantalRasterKolommen; ++k) {
        t.breedtes.push_back(grid.isColumnHidden(k) ? 0 : grid.columnWidth(k) * TwipsPerPixel);
        t.rechts.push_back(!(UitlijningVanKolom(k) & Qt::AlignLeft));
    }
    t.lettertype = grid.font().family();
    t.grootte = grid.font().pointSizeF();
    t.rasterBreedte = grid.width() * TwipsPerPixel;
    return t;
}

// The plain drawing: the same pages with QPdfWriter and QPainter only. Returns seconds, sets the pages.
double GewoneAfdruk(const Tabelgegevens& t, const QString& pad, int& paginas) {
    const auto begin = std::chrono::steady_clock::now();
    QPdfWriter pdf(pad);
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                  QPageLayout::Millimeter));
    QPainter p(&pdf);
    p.setRenderHint(QPainter::Antialiasing);
    const double mm = pdf.resolution() / 25.4;
    const QRectF vlak = pdf.pageLayout().paintRect(QPageLayout::Millimeter);
    const double links = 0, rechts = vlak.width(), boven = 0, onder = vlak.height();

    double totaal = 0;
    for (double b : t.breedtes)
        totaal += b;
    const double schaal = std::min(0.017638888, (rechts - links) / totaal);
    QFont cel(t.lettertype);
    cel.setPointSizeF(t.grootte * schaal * 56.69291305541992);
    QFont vet = cel;
    vet.setBold(true);
    QFont kop(QStringLiteral("Arial"));
    kop.setPointSizeF(10);
    kop.setBold(true);
    const QFontMetricsF celMaat(cel, &pdf), vetMaat(vet, &pdf), kopMaat(kop, &pdf);
    const QString datum =
        QLocale().toString(QDateTime::currentDateTime(), QStringLiteral("dd/MM/yyyy - HH:mm"));

    auto pen = [&](int dikte) {
        QPen pen(Qt::black);
        pen.setWidthF(dikte * pdf.resolution() / 300.0);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    };
    auto rij = [&](const std::vector<QString>& teksten, const QFont& font, const QFontMetricsF& maat,
                   double y) {
        p.setFont(font);
        p.setPen(Qt::black);
        double x = links;
        for (size_t k = 0; k < teksten.size(); ++k) {
            const double cw = t.breedtes[k] * schaal;
            const QString& tekst = teksten[k];
            if (!tekst.isEmpty()) {
                const double w = maat.horizontalAdvance(tekst) / mm;
                const double tx = t.rechts[k] ? x + cw - w - 0.5 : x + 0.5;
                p.drawText(QPointF(tx * mm, y * mm + maat.ascent()), tekst);
            }
            x += cw;
        }
    };
    const double hoogte = vetMaat.lineSpacing() / mm + 1.0;
    auto lijnen = [&](double y) {
        p.setPen(pen(1));
        double x = links;
        for (double b : t.breedtes) {
            x += b * schaal;
            p.drawLine(QPointF(x * mm, y * mm), QPointF(x * mm, (y + hoogte) * mm));
        }
    };
    auto regel = [&](double y, int dikte) {
        p.setPen(pen(dikte));
        p.drawLine(QPointF(links * mm, y * mm), QPointF(rechts * mm, y * mm));
    };

    size_t volgende = 1;
    paginas = 0;
    while (volgende < t.cellen.size()) {
        if (paginas++ > 0) pdf.newPage();
        p.setFont(kop);
        p.setPen(Qt::black);
        p.drawText(QPointF(links * mm, boven * mm + kopMaat.ascent()), QStringLiteral("Table Rack 1"));
        p.drawText(
            QPointF((rechts - kopMaat.horizontalAdvance(datum) / mm) * mm, boven * mm + kopMaat.ascent()),
            datum);
        double y = boven + 1.25 * kopMaat.lineSpacing() / mm;
        p.setPen(pen(3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(links * mm, y * mm), QPointF(rechts * mm, onder * mm)));

        // Each row one text line plus 1 mm below the rule above it, its texts 0.5 mm below that rule.
        rij(t.cellen[0], vet, vetMaat, y + 0.5);
        lijnen(y);
        y += vetMaat.lineSpacing() / mm + 1.0;
        regel(y, 3);
        bool eerste = true;
        while (volgende < t.cellen.size() && (eerste || y + hoogte <= onder)) {
            rij(t.cellen[volgende], cel, celMaat, y + 0.5);
            lijnen(y);
            y += celMaat.lineSpacing() / mm + 1.0;
            regel(y, 1);
            ++volgende;
            eerste = false;
        }
    }
    p.end();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// The program's printout of the tab: the page header, then the table. Seconds; sets the pages.
double ProgrammaAfdruk(const TabelGrid& grid, const QString& pad, int& paginas) {
    const auto begin = std::chrono::steady_clock::now();
    auto vlak = MaakPdfvlak(pad, QPageSize(QPageSize::A4));
    Printer p(*vlak);
    InitialiseerPrinter(p);
    RapportTitel = QStringLiteral("Table Rack 1");
    PrintPaginaHoofding(p);
    PrintTabelRaster(grid, true, {}, p);
    p.EndDoc();
    paginas = vlak->paginas();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

void TabelNaarPdf(benchmark::State& state) {
    QTemporaryDir map;
    BeginSchoon(map.path() + QStringLiteral("/config"));
    BouwRack();
    FrmTabelMaker tabelvensters;
    ZetTabelvensterMaker(&tabelvensters);
    TabelVensters.Maak(1);
    frmTabel* venster = frmTabelVan(1);
    if (!venster) {
        state.SkipWithError("no table window");
        return;
    }
    venster->StelTabelIn(true);
    venster->resize(1200, 800);
    venster->show();
    TabelGrid& grid = *venster->MSHFlexGrid[1];
    VulTabel(grid.Model());
    venster->StelNieuweKolomBreedteIn();
    QCoreApplication::processEvents();
    const Tabelgegevens gegevens = LeesTabel(grid);

    std::vector<double> gewoon, programma, gewoonPiek, programmaPiek;
    int gewonePaginas = 0, programmaPaginas = 0;
    const QString pad = map.path() + QStringLiteral("/tabel.pdf");
    for (auto _ : state) {
        malloc_trim(0);
        bool piek = ResetPiek();
        qint64 start = StatusWaarde("VmRSS");
        gewoon.push_back(GewoneAfdruk(gegevens, pad, gewonePaginas));
        if (piek) gewoonPiek.push_back(static_cast<double>(StatusWaarde("VmHWM") - start) / 1e6);

        malloc_trim(0);
        piek = ResetPiek();
        start = StatusWaarde("VmRSS");
        programma.push_back(ProgrammaAfdruk(grid, pad, programmaPaginas));
        if (piek) programmaPiek.push_back(static_cast<double>(StatusWaarde("VmHWM") - start) / 1e6);
        if (programmaPaginas != gewonePaginas) {
            std::fprintf(stderr, "pages: program %d, plain %d\n", programmaPaginas, gewonePaginas);
            state.SkipWithError("the page counts differ");
        }
    }
    state.counters["pages"] = programmaPaginas;
    state.counters["plain_pages"] = gewonePaginas;
    state.counters["plain_min_s"] = *std::min_element(gewoon.begin(), gewoon.end());
    state.counters["plain_median_s"] = Mediaan(gewoon);
    state.counters["print_min_s"] = *std::min_element(programma.begin(), programma.end());
    state.counters["print_median_s"] = Mediaan(programma);
    state.counters["print_to_plain_min"] = *std::min_element(programma.begin(), programma.end()) /
                                           *std::min_element(gewoon.begin(), gewoon.end());
    state.counters["print_to_plain_median"] = Mediaan(programma) / Mediaan(gewoon);
    if (!gewoonPiek.empty()) state.counters["plain_peak_MB"] = Mediaan(gewoonPiek);
    if (!programmaPiek.empty()) state.counters["print_peak_MB"] = Mediaan(programmaPiek);

    ResetProgramma();
    ZetTabelvensterMaker(nullptr);
    EindSchoon();
}

} // namespace

BENCHMARK(TabelNaarPdf)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    return DraaiMetVensters(argc, argv);
}
