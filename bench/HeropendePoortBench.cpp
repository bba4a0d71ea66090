// Polling one rack of 7 modules through a real port (QSerialPort on the rack emulator's
// pseudo-terminal, the real clock; takes about 45 s), before and after the port is closed and opened
// again as File > Settings does when it opens and when it is cancelled, in the same run: the first span
// is the reference of the second. Per request: the processor time of the process (the emulator's side
// included, the same in both spans), the wake-ups of the event loop and the read notifications of
// socket notifiers. A port opened again must cost what it cost when first opened.
#include "Benchhulp.h"
#include "PollHarnas.h"
#include "RackEmulator.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/Verbinding.h"
#include "platform/Klok.h"
#include "platform/SerielePoort.h"
#include "shared/Teksten.h"
#include "shell/Beginstand.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <benchmark/benchmark.h>

namespace {

// Counts the read notifications of every socket notifier (the port's and the emulator's).
class Meldingteller : public QObject {
public:
    Meldingteller() { QCoreApplication::instance()->installEventFilter(this); }
    ~Meldingteller() override { QCoreApplication::instance()->removeEventFilter(this); }
    int64_t aantal = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::SockAct)
            if (auto* melder = qobject_cast<QSocketNotifier*>(object);
                melder && melder->type() == QSocketNotifier::Read)
                ++aantal;
        return QObject::eventFilter(object, event);
    }
};

struct Stand {
    double processor = 0;
    int64_t wekken = 0;
    int64_t meldingen = 0;
    size_t verzoeken = 0;
};

void HeropendePoort(benchmark::State& state) {
    const qint64 duur = state.range(0) * 1000;
    platform::zetKlok(nullptr); // the real clock
    ResetProgramma();
    int taal = 0;
    KiesTaal(taal);
    {
        RackEmulator emulator;
        const QString pad = emulator.openPty();
        if (pad.isEmpty()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        auto poort = std::make_unique<platform::SerielePoort>();
        poort->zetPoort(pad);
        poort->zetInstellingen(QStringLiteral("19200,N,8,1"));
        if (!poort->open()) {
            state.SkipWithError("the port does not open");
            return;
        }
        ZetMSComm1(std::move(poort));
        PollHarnas harnas(emulator, nullptr);
        harnas.PlaatsRacks(1, 7);

        int64_t wekken = 0;
        const QMetaObject::Connection wakker = QObject::connect(
            QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&wekken] { ++wekken; });
        Meldingteller meldingen;
        const auto stand = [&] {
            return Stand{ProcessorSeconden(), wekken, meldingen.aantal, emulator.verzoeken().size()};
        };
        const auto meet = [&](const char* naam) {
            harnas.Draai(2000); // warm up
            const Stand begin = stand();
            harnas.Draai(duur);
            const Stand eind = stand();
            const double verzoeken = static_cast<double>(eind.verzoeken - begin.verzoeken);
            const std::string n(naam);
            state.counters[n + "_requests"] = verzoeken;
            state.counters[n + "_cpu_us_per_request"] = 1e6 * (eind.processor - begin.processor) / verzoeken;
            state.counters[n + "_wakeups_per_request"] =
                static_cast<double>(eind.wekken - begin.wekken) / verzoeken;
            state.counters[n + "_notifications_per_request"] =
                static_cast<double>(eind.meldingen - begin.meldingen) / verzoeken;
        };
        for (auto _ : state) {
            meet("first");
            // File > Settings: the port closes when the window opens and opens again when it is
            // cancelled, each from the handler of a user's command.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { MSComm1().sluit(); }, Qt::QueuedConnection);
            QCoreApplication::processEvents();
            QElapsedTimer open;
            open.start();
            while (open.elapsed() < 500)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    if (MSComm1().open()) {
                        MSComm1().zetDTR(false);
                        MSComm1().zetRTS(false);
                    }
                },
                Qt::QueuedConnection);
            QCoreApplication::processEvents();
            meet("reopened");
        }
        QObject::disconnect(wakker);
        ResetProgramma();
    }
}

} // namespace

BENCHMARK(HeropendePoort)->ArgNames({"seconds"})->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
