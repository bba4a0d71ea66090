#include "shell/Poorten.h"
#include "ShellOmgeving.h"

namespace {

TEST(GeldigeBaudrate, RoundsToTheNearestRateOfTheSeries) {
    for (const char* t : {"300", "600", "1200", "2400", "4800", "9600", "19200"})
        EXPECT_EQ(GeldigeBaudrate(QString::fromLatin1(t)), QString::fromLatin1(t));
    EXPECT_EQ(GeldigeBaudrate(QStringLiteral("1000")), QStringLiteral("1200"));
    EXPECT_EQ(GeldigeBaudrate(QStringLiteral("14400")), QStringLiteral("19200"));
    EXPECT_EQ(GeldigeBaudrate(QStringLiteral("500")), QStringLiteral("600"));
    EXPECT_EQ(GeldigeBaudrate(QStringLiteral("450")), QStringLiteral("600"));
    EXPECT_EQ(GeldigeBaudrate(QStringLiteral("424")), QStringLiteral("300"));
    EXPECT_EQ(GeldigeBaudrate(QStringLiteral("425")), QStringLiteral("600"));
}

TEST(GeldigeBaudrate, OutOfRangeOrUnreadableGives19200) {
    for (const char* t : {"299", "19201", "abc", "", "-9600"})
        EXPECT_EQ(GeldigeBaudrate(QString::fromLatin1(t)), QStringLiteral("19200")) << t;
}

TEST(GeldigePoort, ComNamesAndNumbers) {
    EXPECT_EQ(GeldigePoort(QStringLiteral("COM12")), QStringLiteral("COM12"));
    EXPECT_EQ(GeldigePoort(QStringLiteral("com12")), QStringLiteral("COM12"));
    EXPECT_EQ(GeldigePoort(QStringLiteral("12")), QStringLiteral("COM12"));
    EXPECT_EQ(GeldigePoort(QStringLiteral("COM 3")), QStringLiteral("COM3"));
    for (const char* t : {"COM0", "COM100", "x", "", "COM-2"})
        EXPECT_EQ(GeldigePoort(QString::fromLatin1(t)), QStringLiteral("COM1")) << t;
}

TEST(GeldigePoort, ADevicePathStaysAsItIs) {
    EXPECT_EQ(GeldigePoort(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(GeldigePoort(QStringLiteral(" /dev/pts/7 ")), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(GeldigePoort(QStringLiteral("/tmp/x/link")), QStringLiteral("/tmp/x/link"));
}

} // namespace
