#include "shared/Getallen.h"
#include "SchoneOmgeving.h"
#include "acquisition/RackModel.h"

#include <QLocale>
#include <cfloat>
#include <gtest/gtest.h>

class GetallenTest : public SchoneOmgeving {};

TEST_F(GetallenTest, ValReadsTheNumericPrefixOnly) {
    EXPECT_DOUBLE_EQ(Val(" 12 .5xyz"), 12.5);
    EXPECT_DOUBLE_EQ(Val("1E3"), 1000.0);
    EXPECT_DOUBLE_EQ(Val("2D-2"), 0.02);
    EXPECT_DOUBLE_EQ(Val("&H1F"), 31.0);
    EXPECT_DOUBLE_EQ(Val("&O17"), 15.0);
    EXPECT_DOUBLE_EQ(Val("abc"), 0.0);
    EXPECT_DOUBLE_EQ(Val(""), 0.0);
    EXPECT_DOUBLE_EQ(Val("1E"), 1.0);
    EXPECT_DOUBLE_EQ(Val("."), 0.0);
}

TEST_F(GetallenTest, SingleAndDoubleTakeBothDecimalSigns) {
    EXPECT_FLOAT_EQ(TekstNaarSingle("12,5"), 12.5f);
    EXPECT_FLOAT_EQ(TekstNaarSingle("12.5"), 12.5f);
    EXPECT_FLOAT_EQ(TekstNaarSingle(""), 0.0f);
    EXPECT_DOUBLE_EQ(TekstNaarDouble("-,5"), -0.5);
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    EXPECT_FLOAT_EQ(TekstNaarSingle("12.5"), 12.5f);
    EXPECT_FLOAT_EQ(TekstNaarSingle("12,5"), 12.5f);
}

TEST_F(GetallenTest, SignCountsOnlyInFrontAndInTheExponent) {
    QString t = " -3,25 ";
    EXPECT_FLOAT_EQ(TekstNaarSingle(t), -3.25f);
    EXPECT_EQ(t, " -3,25 "); // the caller's text stays as it was
    EXPECT_FLOAT_EQ(TekstNaarSingle("1E-3"), 0.001f);
    EXPECT_FLOAT_EQ(TekstNaarSingle("1,5e+2"), 150.0f);
    EXPECT_FLOAT_EQ(TekstNaarSingle("5-3"), 5.0f);
    EXPECT_FLOAT_EQ(TekstNaarSingle("+7"), 7.0f);
    EXPECT_EQ(TekstNaarInteger("-12"), -12);
    EXPECT_EQ(TekstNaarLong("-1E-3"), 0);
    EXPECT_EQ(TekstNaarLong("12-"), 12);
}

TEST_F(GetallenTest, IntegersRoundHalvesToEvenAndStopAtAComma) {
    EXPECT_EQ(TekstNaarInteger("7,9"), 7);
    EXPECT_EQ(TekstNaarInteger("7.5"), 8);
    EXPECT_EQ(TekstNaarInteger("6.5"), 6);
    EXPECT_EQ(TekstNaarInteger("2.5"), 2);
    EXPECT_EQ(TekstNaarInteger("-2.5"), -2);
    EXPECT_EQ(TekstNaarByte("255"), 255);
    EXPECT_EQ(TekstNaarLong("garbage"), 0);
}

TEST_F(GetallenTest, OverflowGivesTheNearestLimitInsteadOfEndingTheProgram) {
    EXPECT_EQ(TekstNaarByte("256"), 255);
    EXPECT_EQ(TekstNaarByte("-1"), 0);
    EXPECT_EQ(TekstNaarInteger("40000"), 32767);
    EXPECT_EQ(TekstNaarInteger("-40000"), -32768);
    EXPECT_EQ(TekstNaarLong("1E12"), 2147483647);
    EXPECT_FLOAT_EQ(TekstNaarSingle("1E39"), FLT_MAX);
    EXPECT_FLOAT_EQ(TekstNaarSingle("-1E39"), -FLT_MAX);
    EXPECT_DOUBLE_EQ(TekstNaarDouble("1E999"), DBL_MAX);
}

TEST_F(GetallenTest, HexadecimalTextsReadAll32Bits) {
    EXPECT_EQ(HexTekstNaarLong("1a"), 26);
    EXPECT_EQ(HexTekstNaarLong("7FFFFFFF"), 2147483647);
    EXPECT_EQ(HexTekstNaarLong("G1"), 1);
    EXPECT_EQ(HexTekstNaarLong("1.F"), 31);
    EXPECT_EQ(HexTekstNaarLong("FFFFFFFF"), -1);
    EXPECT_EQ(HexTekstNaarLong("80000000"), INT32_MIN);
    EXPECT_EQ(HexTekstNaarLong("100000000"), 0); // beyond 32 bits
}

TEST_F(GetallenTest, IdentificationTextsRoundTrip) {
    EXPECT_EQ(IdnoUitTekst("0.0.0.0"), 0);
    EXPECT_EQ(IdnoUitTekst("1.2.A.FF"), 0x01020AFF);
    EXPECT_EQ(IdnoUitTekst("12"), 0x12);
    EXPECT_EQ(IdnoUitTekst("1.2.3.4.5"), 0x01020345);
    EXPECT_EQ(IdnoUitTekst("A.B"), 0x0A0B);
    EXPECT_EQ(IdnoUitTekst("100.0.0.0"), 0); // does not fit
    for (int32_t idno : {0x01000000, 0x010F0F0F, 0x0C0A0B01, 0x0F01020A, static_cast<int32_t>(0x80000000u),
                         static_cast<int32_t>(0xFFFFFFFFu), static_cast<int32_t>(0xC0FFEE01u), 0}) {
        EXPECT_EQ(IdnoUitTekst(IdnoAlsTekst(idno)), idno) << IdnoAlsTekst(idno).toStdString();
    }
    EXPECT_EQ(IdnoAlsTekst(IdnoUitTekst("1.F.F.F")), "1.F.F.F");
    EXPECT_EQ(IdnoAlsTekst(IdnoUitTekst("FF.FF.FF.FF")), "FF.FF.FF.FF");
}

TEST_F(GetallenTest, DecimalSignFollowsTheLocaleForDisplay) {
    EXPECT_EQ(DecimaalTeken(), ".");
    EXPECT_EQ(MetDecimaalTeken("3.14"), "3.14");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(DecimaalTeken(), ",");
    EXPECT_EQ(MetDecimaalTeken("3.14"), "3,14");
}
