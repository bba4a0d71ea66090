// The turns of the loop inside loops that Qt runs itself (a box of the file dialog, a pop-up menu), on
// the real clock: such a loop takes turns while it waits, a window's wait started inside it (outside a
// turn: from an event Qt's loop handled itself) takes its own, and no pass of the loop runs inside
// another unless a window's wait or one of Qt's loops began between them. The loop's pass here stands
// in for the program's: it records where it runs and, inside a window's wait, waits for the next event
// as a pass waits for its reply.
#include "platform/Vensterwacht.h"
#include "SchoneOmgeving.h"
#include "platform/Klok.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

class VensterwachtTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        platform::zetKlok(platform::maakEchteKlok());
    }
    void TearDown() override {
        platform::zetLusRonde(nullptr);
        SchoneOmgeving::TearDown();
    }
};

// Where a pass runs: the level of Qt's loops and the number of window waits.
using Plaats = std::pair<int, int>;

Plaats HierNu() {
    return {QThread::currentThread()->loopLevel(), platform::aantalVensterwachten()};
}

TEST_F(VensterwachtTest,
       AQtLoopAndAWindowWaitInsideItEachTakeTheirOwnTurnsAndNoPassRunsInsideAnotherInTheirPlace) {
    // The loop's own pass runs where the program started it: no Qt loop, no window.
    std::vector<Plaats> lopend{HierNu()};
    int rondesInQtLus = 0, rondesInVenster = 0;
    std::vector<Plaats> dubbel;
    platform::zetLusRonde([&] {
        const Plaats hier = HierNu();
        if (std::find(lopend.begin(), lopend.end(), hier) != lopend.end()) dubbel.push_back(hier);
        lopend.push_back(hier);
        if (hier.second > 0) {
            ++rondesInVenster;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        } else {
            ++rondesInQtLus;
        }
        lopend.pop_back();
        return true;
    });
    // Events keep coming, as the link's timer brings them.
    QTimer tik;
    tik.start(5);

    QEventLoop qtLus;
    bool vensterKlaar = false, vensterBeantwoord = false;
    // Handled by Qt's loop itself (its turns wait for nothing): a window opens and is answered 100 ms
    // later, while Qt's loop still runs.
    QTimer::singleShot(50, [&] {
        QTimer::singleShot(100, [&] { vensterBeantwoord = true; });
        platform::WachtOpVenster([&] { return vensterBeantwoord; });
        vensterKlaar = true;
    });
    QTimer::singleShot(300, &qtLus, &QEventLoop::quit);
    // A real-time brake: a loop that does not end fails the test instead of hanging it.
    const QDeadlineTimer grens(10000);
    QTimer rem;
    QObject::connect(&rem, &QTimer::timeout, [&] {
        if (grens.hasExpired()) qtLus.quit();
    });
    rem.start(100);
    qtLus.exec();
    ASSERT_FALSE(grens.hasExpired()) << "Qt's loop did not end";

    EXPECT_TRUE(vensterKlaar) << "the window's wait did not end inside Qt's loop";
    EXPECT_GT(rondesInQtLus, 10) << "Qt's loop took no turns while it waited";
    EXPECT_GT(rondesInVenster, 10) << "the window's wait took no turns inside Qt's loop";
    ASSERT_TRUE(dubbel.empty())
        << "a pass ran inside another pass with no window or Qt loop between them, at "
        << "Qt loop level " << dubbel.front().first << " with " << dubbel.front().second
        << " window wait(s); " << dubbel.size() << " times";

    // The program's own window wait, outside every Qt loop: its pass waits, and no turn is taken in it.
    bool beantwoord = false;
    QTimer::singleShot(100, [&] { beantwoord = true; });
    platform::WachtOpVenster([&] { return beantwoord; });
    EXPECT_TRUE(dubbel.empty()) << "a pass ran inside the pass of a window's wait, at Qt loop level "
                                << dubbel.front().first;
}

} // namespace
