#include "factory/Afregelconstanten.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

TEST(AfregelconstantenTest, LimitsAreInclusiveAndValuesOutsideThemTakeTheirDefault) {
    EXPECT_TRUE(BinnenGrenzen(k761::MvNul, 15.0f));
    EXPECT_TRUE(BinnenGrenzen(k761::MvNul, -15.0f));
    EXPECT_FALSE(BinnenGrenzen(k761::MvNul, 15.1f));
    EXPECT_TRUE(BinnenGrenzen(k761::MvSchaal, 0.9f));
    EXPECT_TRUE(BinnenGrenzen(k761::MvSchaal, 1.1f));
    EXPECT_FALSE(BinnenGrenzen(k761::MvSchaal, 1.1001f));
    EXPECT_TRUE(BinnenGrenzen(k762::Nul, 0.0f));
    EXPECT_TRUE(BinnenGrenzen(k762::Nul, 500.0f));
    EXPECT_FALSE(BinnenGrenzen(k762::Nul, 500.1f));
    EXPECT_FALSE(BinnenGrenzen(k762::Nul, -0.1f));
    // A value read from the module outside its limits becomes the default: zero 0, scale 1.
    EXPECT_EQ(UitEEprom(k761::MvNul, 151), 0.0f);
    EXPECT_EQ(UitEEprom(k761::MvNul, -150), -15.0f);
    EXPECT_EQ(UitEEprom(k761::MvSchaal, -1), 1.0f); // an erased cell
    EXPECT_FLOAT_EQ(UitEEprom(k761::MvSchaal, 10010), 1.001f);
    EXPECT_EQ(UitEEprom(k761::TemperatuurNul, 4251), 0.0f);
    EXPECT_EQ(UitEEprom(k762::TemperatuurSchaal, 8499), 1.0f);
    // The leakage current and the K762's frequency and DC offset have no check.
    EXPECT_FLOAT_EQ(UitEEprom(k761::Lekstroom, -7), -0.7f);
    EXPECT_EQ(UitEEprom(k762::Frequentie, 5000), 5000.0f);
}

TEST(AfregelconstantenTest, WritingTakesHalvesToTheEvenWord) {
    EXPECT_EQ(NaarEEprom(k761::MvNul, 0.25f), 2);
    EXPECT_EQ(NaarEEprom(k761::MvNul, 0.75f), 8);
    EXPECT_EQ(NaarEEprom(k761::MvNul, -0.25f), -2);
    EXPECT_EQ(NaarEEprom(k761::MvSchaal, 0.9999f), 9999);
    EXPECT_EQ(NaarEEprom(k762::Schaal, 1.15f), 11500);
    EXPECT_EQ(NaarEEprom(k762::DcOffset, -4.0f), -40);
    EXPECT_EQ(NaarEEprom(k761::TemperatuurNul, -4250.0f), -4250);
    EXPECT_EQ(RondAfNaarEven(std::nan("")), 0);
    EXPECT_EQ(RondAfNaarEven(1e12), INT32_MAX);
}

TEST(AfregelconstantenTest, TheScaleComesFromTheReadingAtTheReferenceAndTheZeroShown) {
    // 1400 / (1400.7 - 0.5): the label shows 0.9999.
    const auto s = BerekenSchaal(1400.7f, 0.5f, k761::SchaalReferentie, k761::MvSchaal);
    ASSERT_TRUE(s);
    EXPECT_NEAR(*s, 1400.0 / 1400.2, 1e-6);
    // 389.5 / (400 - 10) = 0.9987 on a K762.
    const auto g = BerekenSchaal(400.0f, 10.0f, k762::SchaalReferentie, k762::Schaal);
    ASSERT_TRUE(g);
    EXPECT_NEAR(*g, 389.5 / 390.0, 1e-6);
    // A reading not above twice the zero is refused without computing.
    EXPECT_FALSE(BerekenSchaal(20.0f, 10.0f, k762::SchaalReferentie, k762::Schaal));
    // A scale beyond its limits is refused.
    EXPECT_FALSE(BerekenSchaal(330.0f, 0.0f, k762::SchaalReferentie, k762::Schaal));
    EXPECT_FALSE(BerekenSchaal(1200.0f, 0.0f, k761::SchaalReferentie, k761::MvSchaal));
    // A negative zero: a reading equal to it passes "2 z < v" but would divide by 0; one between 2 z
    // and z would give a negative scale. Both are wrong input.
    EXPECT_FALSE(BerekenSchaal(-5.0f, -5.0f, k761::SchaalReferentie, k761::MvSchaal));
    EXPECT_FALSE(BerekenSchaal(-7.0f, -5.0f, k761::SchaalReferentie, k761::MvSchaal));
    EXPECT_TRUE(BerekenSchaal(1395.0f, -5.0f, k761::SchaalReferentie, k761::MvSchaal));
}

TEST(AfregelconstantenTest, TheLiveReadingTakesTheAdjustmentOutAndNeverDividesByZero) {
    EXPECT_FLOAT_EQ(*LiveWaarde(14010, {0.5f, 1.001f}), static_cast<float>(1401.0 / 1.001 + 0.5));
    // Nothing read yet: the neutral pair shows the reading as it is.
    EXPECT_FLOAT_EQ(*LiveWaarde(-1234, Constantenpaar{}), -123.4f);
    EXPECT_FALSE(LiveWaarde(100, {0.0f, 0.0f}));
}

TEST(AfregelconstantenTest, RangeTabTwoInputOneIsFieldNineConstantSixAtWordsSixteenAndFortyEight) {
    using namespace k762;
    EXPECT_EQ(VeldIndex(2, 1), 9);
    EXPECT_EQ(ConstanteVanVeld(9), 6);
    EXPECT_EQ(ConstanteIndex(1, 2), 6);
    EXPECT_EQ(AdresNul(1, 2), 16);
    EXPECT_EQ(AdresSchaal(1, 2), 48);
    // The first and last cell of each block, in hexadecimal as the module's map gives them.
    EXPECT_EQ(AdresNul(0, 0), 0x04);
    EXPECT_EQ(AdresSchaal(0, 0), 0x24);
    EXPECT_EQ(AdresTemperatuurSchaal(0), 0x44);
    EXPECT_EQ(AdresTemperatuurNul(0), 0x4C);
    EXPECT_EQ(AdresFrequentie(0), 0x5A);
    EXPECT_EQ(AdresDcOffset(0), 0x62);
    EXPECT_EQ(AdresSchaal(3, 3), 0x42);
    EXPECT_EQ(FrequentieGrenzen(0).hoog, 120);
    EXPECT_EQ(FrequentieGrenzen(2).laag, 300);
    EXPECT_EQ(FrequentieGrenzen(3).hoog, 3750);
    EXPECT_EQ(ReferentieWeerstand(0), 10000);
    EXPECT_EQ(ReferentieWeerstand(3), 10);
}

TEST(AfregelconstantenTest, OnlyChangedConstantsAreWrittenWhileTheBarWalksItsWholeRange) {
    K761Labels a;
    a.mvNul[1] = {-0.3f, true};
    a.lekstroom[3] = {0.5f, true};
    a.mvSchaal[2] = {1.05f, false};
    const std::vector<Schrijfstap> k761 = K761Schrijfstappen(a);
    ASSERT_EQ(k761.size(), 20u);
    std::vector<std::pair<int, int32_t>> geschreven;
    for (const Schrijfstap& s : k761)
        if (s.adres) geschreven.emplace_back(*s.adres, s.woord);
    EXPECT_EQ(geschreven, (std::vector<std::pair<int, int32_t>>{{2, -3}, {38, 5}}));
    EXPECT_EQ(k761.back().voortgang, K761Voortgang);
    EXPECT_TRUE(std::is_sorted(k761.begin(), k761.end(), [](const Schrijfstap& x, const Schrijfstap& y) {
        return x.voortgang < y.voortgang;
    }));

    K762Labels b;
    b.nul[9] = {12.5f, true}; // range 2, input 1
    b.schaal[9] = {0.9987f, true};
    b.frequentie[3] = {2000, true};
    b.dcOffset[0] = {-1.5f, true};
    const std::vector<Schrijfstap> k762 = K762Schrijfstappen(b);
    geschreven.clear();
    std::vector<int> voortgang;
    for (const Schrijfstap& s : k762) {
        if (s.adres) geschreven.emplace_back(*s.adres, s.woord);
        voortgang.push_back(s.voortgang);
    }
    EXPECT_EQ(geschreven,
              (std::vector<std::pair<int, int32_t>>{{98, -15}, {16, 125}, {48, 9987}, {96, 2000}}));
    EXPECT_EQ(voortgang.back(), K762Voortgang);
    EXPECT_TRUE(std::is_sorted(voortgang.begin(), voortgang.end()));

    // The record receives every value, changed or not, at the field's place.
    AfregelingRecord r;
    r.Gereserveerd[1] = 7;
    VulK762Record(r, b);
    EXPECT_EQ(r.BereikNul[9], 12.5f);
    EXPECT_EQ(r.Frequentie[3], 2000.0f);
    EXPECT_EQ(r.DcOffset[0], -1.5f);
    EXPECT_EQ(r.Gereserveerd[1], 7u);
}

TEST(AfregelconstantenTest, TheLimitLabelsShowBothLimitsInTheValuesFormat) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(Bereiktekst(-15, QStringLiteral("Offset"), 15, QStringLiteral("0.0"),
                          QStringLiteral("Input = 0.0 mV")),
              QStringLiteral("-15.0 <= Offset <= 15.0\nInput = 0.0 mV"));
    EXPECT_EQ(
        Bereiktekst(0.85f, QStringLiteral("Slope"), 1.15f, QStringLiteral("0.0000"), QStringLiteral("x")),
        QStringLiteral("0.8500 <= Slope <= 1.1500\nx"));
}
