// The cost of showing one poll turn of a full rack (7 modules, 28 inputs) as the program shows it: at
// each module's reply the poll draws the module and the indicators, and the program's waits pump the
// window's repaints. Time runs on the virtual clock at the pace of the line (three requests per module
// at 32 requests a second), so the rack window gathers its repaints as it does in the program. The
// reference is a plain window of the same labels that sets each value and repaints at every reply.
// Also the system tree's value nodes.
#include "Voorbeeldrack.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Systeemboom.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "rackviews/FormRack.h"
#include "rackviews/FormTreeview.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One module's share of a turn: three requests at 32 a second.
constexpr qint64 ModuleMs = 3 * 1000 / 32;

// Counts the paint events of the labels it watches, and the repaints of the window (each a pass over
// its dirty region and a copy to the screen).
struct Verfteller : QObject {
    int verven = 0;
    int vensterBeurten = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++verven;
        if (e->type() == QEvent::UpdateRequest) ++vensterBeurten;
        return false;
    }
};

void Rapporteer(benchmark::State& state, const Verfteller& teller) {
    state.counters["value repaints/turn"] =
        benchmark::Counter(teller.verven, benchmark::Counter::kAvgIterations);
    state.counters["window repaints/turn"] =
        benchmark::Counter(teller.vensterBeurten, benchmark::Counter::kAvgIterations);
}

void BM_RackvensterNaPollronde(benchmark::State& state) {
    platform::zetKlok(std::make_unique<platform::VirtueleKlok>());
    auto& klok = static_cast<platform::VirtueleKlok&>(platform::klok());
    VulVoorbeeldrack(1);
    {
        FormRack venster(1);
        venster.Laad();
        venster.show();
        Verfteller teller;
        for (QLabel* l : venster.LabelWaarde)
            l->installEventFilter(&teller);
        venster.installEventFilter(&teller);
        QCoreApplication::processEvents();
        int stap = 0;
        for (auto _ : state) {
            VolgendeVoorbeeldMeting(1, ++stap);
            for (int m = 1; m <= AantalModules; ++m) {
                AanpassenRackIndicatoren(1, m, true, true);
                QCoreApplication::processEvents();
                ToonMetingenRackvenster(1, m, false);
                AanpassenRackIndicatoren(1, m, false, false);
                klok.verstrijk(ModuleMs);
                QCoreApplication::processEvents();
            }
        }
        Rapporteer(state, teller);
    }
    platform::zetKlok(nullptr);
}
BENCHMARK(BM_RackvensterNaPollronde)->Unit(benchmark::kMicrosecond);

// The reference: the same 28 value labels, black with green text, set and repainted at every reply.
void BM_GewoneLabelsPerAntwoord(benchmark::State& state) {
    VulVoorbeeldrack(1);
    FormRack maat(1); // only for its size and its labels' places
    maat.Laad();
    QWidget venster;
    venster.resize(maat.size());
    std::array<QLabel*, AantalRackLabels> labels{};
    Verfteller teller;
    for (int i = 0; i < AantalRackLabels; ++i) {
        QLabel* model = maat.LabelWaarde[i];
        auto* l = new QLabel(&venster);
        l->setGeometry(QRect(model->mapTo(&maat, QPoint(0, 0)), model->size()));
        l->setFont(model->font());
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setAutoFillBackground(true);
        l->setPalette(model->palette());
        l->installEventFilter(&teller);
        labels[i] = l;
    }
    venster.installEventFilter(&teller);
    venster.show();
    QCoreApplication::processEvents();
    int stap = 0;
    for (auto _ : state) {
        VolgendeVoorbeeldMeting(1, ++stap);
        for (int m = 1; m <= AantalModules; ++m) {
            QCoreApplication::processEvents();
            for (int c = 1; c <= AantalIngangen; ++c)
                labels[RackLabelIndex(m, c)]->setText(MeetwaardeTekst(1, m, c));
            QCoreApplication::processEvents();
        }
    }
    Rapporteer(state, teller);
}
BENCHMARK(BM_GewoneLabelsPerAntwoord)->Unit(benchmark::kMicrosecond);

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
