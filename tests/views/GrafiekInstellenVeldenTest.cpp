// The graph settings' field readers, the recorder interval, the texts of the curve grid and of the
// picker's lists, and the coupled alarm ranges, without a widget.
#include "views/GrafiekInstellenVelden.h"
#include "SchoneOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/RackModel.h"

#include <gtest/gtest.h>

using GrafiekInstellenVeldenTest = SchoneOmgeving;

TEST_F(GrafiekInstellenVeldenTest, CountsAreCorrectedSilently) {
    // Divisions: 1..20; points are written without "." so "1.5" is fifteen.
    EXPECT_EQ(ControleerGeheelGetal("0"), 1);
    EXPECT_EQ(ControleerGeheelGetal(""), 1);
    EXPECT_EQ(ControleerGeheelGetal("abc"), 1);
    EXPECT_EQ(ControleerGeheelGetal("-3"), 1);
    EXPECT_EQ(ControleerGeheelGetal("25"), 20);
    EXPECT_EQ(ControleerGeheelGetal("1.5"), 15);
    EXPECT_EQ(ControleerGeheelGetal("7"), 7);
    // Visible points: 50..30000, a number beyond 16 bits included.
    EXPECT_EQ(ControleerGetal("30"), 50);
    EXPECT_EQ(ControleerGetal("1.000"), 1000);
    EXPECT_EQ(ControleerGetal("40000"), 30000);
    EXPECT_EQ(ControleerGetal("2500000"), 30000);
    // Scale and alarm values: either decimal sign, no limits.
    EXPECT_DOUBLE_EQ(LeesGetal("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(LeesGetal("-65540.25"), -65540.25);
}

TEST_F(GrafiekInstellenVeldenTest, TheIntervalWrapsWithinAnHourAndAnInvalidTimeIsNoValue) {
    const QString s = QStringLiteral(":");
    ASSERT_EQ(LeesTussentijd("00:00:00", s), 0);
    EXPECT_EQ(BegrensTussentijd(0), 3600);
    EXPECT_EQ(TussentijdTekst(3600, s), QStringLiteral("01:00:00"));
    ASSERT_EQ(LeesTussentijd("01:00:01", s), 3601);
    EXPECT_EQ(BegrensTussentijd(3601), 1);
    EXPECT_EQ(TussentijdTekst(1, s), QStringLiteral("00:00:01"));
    // A prompt character left in the minutes counts as 0.
    EXPECT_EQ(LeesTussentijd("00:_5:00", s), 300);
    EXPECT_EQ(LeesTussentijd("00:15:30", s), 930);
    EXPECT_EQ(LeesTussentijd("25:00:00", s), std::nullopt);
    EXPECT_EQ(LeesTussentijd("00:60:00", s), std::nullopt);
    EXPECT_EQ(LeesTussentijd("00:00:75", s), std::nullopt);
    EXPECT_EQ(LeesTussentijd("00:05", s), std::nullopt);
    // The locale's separator.
    EXPECT_EQ(LeesTussentijd("00.02.05", QStringLiteral(".")), 125);
    EXPECT_EQ(TussentijdTekst(125, QStringLiteral(".")), QStringLiteral("00.02.05"));
    // A day or more shows as midnight.
    EXPECT_EQ(TussentijdTekst(86400, s), QStringLiteral("00:00:00"));
}

TEST_F(GrafiekInstellenVeldenTest, RowAndListTextsComeFromTheLiveRack) {
    VulVoorbeeldrack(1);
    Racks[1].Modules[2].Meting[3].Unit = QStringLiteral("pH");
    EXPECT_EQ(CurveOmschrijving(1, 2, 3), QStringLiteral("Rack 1, Module2, Input3 (pH)"));
    EXPECT_EQ(CurveOmschrijving(1, 2, 7), QString::fromUtf8("Rack 1, Module2, °C3 (°C)"));
    // Only an edited configuration file holds these.
    EXPECT_EQ(CurveOmschrijving(1, 2, 9), QString());
    EXPECT_EQ(CurveOmschrijving(17, 2, 1), QString());
    EXPECT_EQ(CurveOmschrijving(1, 8, 1), QString());

    Racks[1].Name = QStringLiteral("Line A");
    EXPECT_EQ(RackItemTekst(1), QStringLiteral("Rack1: (Line A)"));
    EXPECT_EQ(ModuleItemTekst(1, 1), QStringLiteral("Module1: (pH module)"));
    EXPECT_EQ(IngangItemTekst(1, 1, 2), QStringLiteral("Input2: (pH, Tank B)"));
    EXPECT_EQ(IngangItemTekst(1, 1, 6), QString::fromUtf8("Temperature2: (°C, Tank B)"));
}

TEST_F(GrafiekInstellenVeldenTest, TheLowAlarmRangeStaysBelowTheHighAlarm) {
    AlarmBereiken b;
    // High stepped up to 10: the low one may go up to 10.
    KoppelAlarmBereiken(b, true, true, 10, 4);
    EXPECT_EQ(b.laag.maximum, 10);
    EXPECT_EQ(b.hoog.minimum, -65536);
    // High stepped down to 8 while above the low 4: it stops at 4 from now on.
    KoppelAlarmBereiken(b, true, false, 8, 4);
    EXPECT_EQ(b.hoog.minimum, 4);
    EXPECT_EQ(b.laag.maximum, 8);
    // Low stepped up to 5 below the high 8: it stops at 8, and the high one at 5.
    KoppelAlarmBereiken(b, false, true, 8, 5);
    EXPECT_EQ(b.laag.maximum, 8);
    EXPECT_EQ(b.hoog.minimum, 5);
    // Low stepped down to 2: the high one may go down to 2.
    KoppelAlarmBereiken(b, false, false, 8, 2);
    EXPECT_EQ(b.hoog.minimum, 2);
}
