#include "shared/Opmaak.h"
#include "SchoneOmgeving.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

class OpmaakTest : public SchoneOmgeving {};

TEST_F(OpmaakTest, RoundsHalvesAwayFromZeroAtTheDigitsThePatternAsks) {
    EXPECT_EQ(Opmaak(2.5, "0"), "3");
    EXPECT_EQ(Opmaak(-2.5, "0"), "-3");
    EXPECT_EQ(Opmaak(0.125, "0.00"), "0.13");
    EXPECT_EQ(Opmaak(999.96, "0.0"), "1000.0");
    EXPECT_EQ(Opmaak(0.96, "0.0"), "1.0");
    EXPECT_EQ(Opmaak(0.04, "0"), "0");
    EXPECT_EQ(Opmaak(9999, "0.000"), "9999.000");
    EXPECT_EQ(Opmaak(1e-5, "0.00000"), "0.00001");
    EXPECT_EQ(Opmaak(123456789.0, "0"), "123456789");
    // A single keeps the value it was typed with.
    EXPECT_EQ(OpmaakSingle(2.675f, "0.00"), "2.68");
    EXPECT_EQ(OpmaakSingle(1.005f, "0.00"), "1.01");
    // A single's seventh digit rounds half away from zero too (257.53125 is exact in binary).
    EXPECT_EQ(OpmaakSingle(257.53125f, "0.00000"), "257.53130");
    EXPECT_EQ(OpmaakSingle(-56.328125f, "0.00000"), "-56.32813");
}

TEST_F(OpmaakTest, OptionalDigitsAndNegativeZero) {
    EXPECT_EQ(Opmaak(3.14159, "#0.0"), "3.1");
    EXPECT_EQ(Opmaak(0.5, "#.00"), ".50");
    EXPECT_EQ(Opmaak(2.5, "0.0#"), "2.5");
    EXPECT_EQ(Opmaak(2.567, "0.0#"), "2.57");
    EXPECT_EQ(Opmaak(-0.001, "0.00"), "0.00");
    EXPECT_EQ(Opmaak(-0.006, "0.00"), "-0.01");
}

TEST_F(OpmaakTest, GeneralFormatAndLocaleDecimalSign) {
    EXPECT_EQ(OpmaakSingle(0.1f, ""), "0.1");
    EXPECT_EQ(OpmaakSingle(1234.5f, ""), "1234.5");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Opmaak(3.14159, "0.00"), "3,14");
    EXPECT_EQ(Opmaak(1234.5, "0.0"), "1234,5"); // no group separators
}

TEST_F(OpmaakTest, ANumberThatIsNotFiniteIsNeverShown) {
    for (const char* patroon : {"", "0", "0.00", "#0.0"}) {
        EXPECT_EQ(Opmaak(std::numeric_limits<double>::infinity(), patroon), QString()) << patroon;
        EXPECT_EQ(Opmaak(-std::numeric_limits<double>::infinity(), patroon), QString()) << patroon;
        EXPECT_EQ(OpmaakSingle(std::numeric_limits<float>::quiet_NaN(), patroon), QString()) << patroon;
    }
}
