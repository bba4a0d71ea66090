#include "calibration/KalibratieDialoog.h"

#include <gtest/gtest.h>

namespace {
const QList<QRect> EenScherm{QRect(0, 0, 1920, 1080)};
const QSize Venster(600, 400);
} // namespace

TEST(DialoogPlaatsTest, AStoredPlaceIsKeptOnlyWhereTheDialogLiesOnAScreen) {
    EXPECT_EQ(DialoogPlaats(std::nullopt, std::nullopt, Venster, EenScherm), QPoint(660, 340)) << "centred";
    EXPECT_EQ(DialoogPlaats(100, 200, Venster, EenScherm), QPoint(100, 200));
    EXPECT_EQ(DialoogPlaats(0, 0, Venster, EenScherm), QPoint(0, 0));
    // Below the bottom: centred vertically, the left kept; the last place that fits is one pixel higher.
    EXPECT_EQ(DialoogPlaats(100, 680, Venster, EenScherm), QPoint(100, 340));
    EXPECT_EQ(DialoogPlaats(100, 679, Venster, EenScherm), QPoint(100, 679));
    EXPECT_EQ(DialoogPlaats(1400, 200, Venster, EenScherm), QPoint(660, 200));
    EXPECT_EQ(DialoogPlaats(-5, 200, Venster, EenScherm), QPoint(660, 200)) << "left of every screen";
    EXPECT_EQ(DialoogPlaats(100, std::nullopt, Venster, EenScherm), QPoint(100, 340));

    // A second screen to the right, taken away since.
    const QList<QRect> twee{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(DialoogPlaats(2000, 100, Venster, twee), QPoint(2000, 100));
    EXPECT_EQ(DialoogPlaats(2000, 900, Venster, twee), QPoint(2000, 312)) << "centred on the screen it is on";
    EXPECT_EQ(DialoogPlaats(2000, 100, Venster, EenScherm), QPoint(660, 100));
    EXPECT_EQ(DialoogPlaats(2000, 1500, Venster, EenScherm), QPoint(660, 340));
}
