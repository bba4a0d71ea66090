#include "platform/Klok.h"
#include "SchoneOmgeving.h"

#include <QDateTime>
#include <cmath>
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

TEST_F(KlokTest, TheZoneOffsetIsLookedUpOnlyWhenItMayHaveChanged) {
    // A zone that moves an hour ahead at 01:00:00 UTC of day 1 (a whole minute, as every change is).
    constexpr qint64 Wissel = 86400000 + 3600000;
    int opzoekingen = 0;
    platform::Zoneverschil zone([&](qint64 utc) {
        ++opzoekingen;
        return utc < Wissel ? qint64(3600000) : qint64(7200000);
    });
    // Thirty readings a second for a minute less a little: one look-up.
    qint64 t = Wissel - 60000;
    for (; t < Wissel - 1; t += 33)
        EXPECT_EQ(zone.verschilMs(t), 3600000);
    EXPECT_EQ(opzoekingen, 1);
    EXPECT_EQ(zone.verschilMs(Wissel - 1), 3600000);
    // The first millisecond after the change has the new offset.
    EXPECT_EQ(zone.verschilMs(Wissel), 7200000);
    EXPECT_EQ(opzoekingen, 2);
    EXPECT_EQ(zone.verschilMs(Wissel + 59999), 7200000);
    EXPECT_EQ(opzoekingen, 2);
    // The wall clock set back: looked up again at once.
    EXPECT_EQ(zone.verschilMs(Wissel - 10), 3600000);
    EXPECT_EQ(opzoekingen, 3);
}

TEST_F(KlokTest, TheRealClockGivesTheLocalTime) {
    const QByteArray oud = qgetenv("TZ");
    // Central European time, with its daylight-saving rule, so that the offset is not 0.
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    const auto echt = platform::maakEchteKlok();
    const platform::Datum voor = platform::DatumUitQDateTime(QDateTime::currentDateTime());
    const platform::Datum nu = echt->nu();
    const platform::Datum na = platform::DatumUitQDateTime(QDateTime::currentDateTime());
    const platform::Datum utc = platform::DatumUitQDateTime(QDateTime::currentDateTimeUtc());
    if (oud.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oud);
    EXPECT_LE(voor, nu);
    EXPECT_LE(nu, na);
    const double uren = (nu - utc) * 24;
    EXPECT_TRUE(std::abs(uren - 1) < 0.01 || std::abs(uren - 2) < 0.01) << uren;
}
