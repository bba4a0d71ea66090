#include "platform/Klok.h"
#include "SchoneOmgeving.h"

#include <gtest/gtest.h>

using platform::VirtueleKlok;

class KlokTest : public SchoneOmgeving {};

TEST_F(KlokTest, VirtualTimerTicksOnlyWhenTimePasses) {
    auto t = platform::klok().maakTimer();
    int tikken = 0;
    t->bijTik = [&] { ++tikken; };
    t->zetInterval(100);
    t->zetActief(true);
    klok().verstrijk(99);
    EXPECT_EQ(tikken, 0);
    klok().verstrijk(1);
    EXPECT_EQ(tikken, 1);
    klok().verstrijk(1000);
    EXPECT_EQ(tikken, 11);
    t->zetActief(false);
    klok().verstrijk(1000);
    EXPECT_EQ(tikken, 11);
}

TEST_F(KlokTest, PumpJumpsToTheNextDeadlineAndNowFollows) {
    const auto begin = platform::Nu();
    auto t = platform::klok().maakTimer();
    int tikken = 0;
    t->bijTik = [&] { ++tikken; };
    t->zetInterval(1000);
    t->zetActief(true);
    // A wait of ten ticks, pumped as the program waits: ten pumps, ten virtual seconds, no real time.
    while (tikken < 10)
        platform::Pomp();
    EXPECT_EQ(klok().ms(), 10000);
    EXPECT_NEAR((platform::Nu() - begin) * 86400.0, 10.0, 1e-6);
}

TEST_F(KlokTest, PlannedActionsRunInOrderAndTimersMayBeDestroyedInsideTicks) {
    std::vector<int> volgorde;
    platform::klok().planIn(30, [&] { volgorde.push_back(30); });
    platform::klok().planIn(10, [&] { volgorde.push_back(10); });
    auto t = platform::klok().maakTimer();
    t->zetInterval(20);
    t->bijTik = [&] {
        volgorde.push_back(20);
        t.reset(); // a handler that ends its own timer
    };
    t->zetActief(true);
    klok().verstrijk(100);
    EXPECT_EQ(volgorde, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(klok().aantalActieveTimers(), 0);
}

TEST_F(KlokTest, ReintervalWhileRunningRestartsTheCount) {
    auto t = platform::klok().maakTimer();
    int tikken = 0;
    t->bijTik = [&] { ++tikken; };
    t->zetInterval(100);
    t->zetActief(true);
    klok().verstrijk(90);
    t->zetActief(false);
    t->zetInterval(30);
    t->zetActief(true);
    klok().verstrijk(29);
    EXPECT_EQ(tikken, 0);
    klok().verstrijk(1);
    EXPECT_EQ(tikken, 1);
}
