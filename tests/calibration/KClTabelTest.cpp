#include "calibration/KClTabel.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void AllesGelijk(const KClKolom& k, int van, int tot, float w) {
    for (int e = van; e <= tot; ++e)
        ASSERT_FLOAT_EQ(k[e], w) << "entry " << e;
}

} // namespace

// The built-in columns: the whole degrees as given, every tenth on the straight line between them
// within one unit of the column's resolution, and the markers 1, 2, 3.
TEST(KClTabelTest, TheBuiltInColumnsFollowTheirWholeDegreesAtTheirResolution) {
    const KClKolom& k0 = IngebouwdeKClKolom(0);
    EXPECT_FLOAT_EQ(k0[250], 0.001413f);
    EXPECT_FLOAT_EQ(k0[249], 0.001410f);
    EXPECT_FLOAT_EQ(k0[251], 0.001416f);
    EXPECT_FLOAT_EQ(k0[0], 0.000776f);
    EXPECT_FLOAT_EQ(k0[300], 0.001552f);
    const KClKolom& k2 = IngebouwdeKClKolom(2);
    EXPECT_FLOAT_EQ(k2[1], 0.0656f);
    EXPECT_FLOAT_EQ(k2[2], 0.0657f);
    EXPECT_FLOAT_EQ(k2[250], 0.1118f);
    EXPECT_FLOAT_EQ(IngebouwdeKClKolom(1)[250], 0.01288f);
    const double resolutie[3] = {1e-6, 1e-5, 1e-4};
    for (int k = 0; k < 3; ++k) {
        const KClKolom& kolom = IngebouwdeKClKolom(k);
        EXPECT_EQ(kolom[KClMarker], static_cast<float>(k + 1));
        for (int e = 0; e < 300; ++e) {
            const int a = e - e % 10;
            const double lijn = kolom[a] + (kolom[a + 10] - kolom[a]) * (e % 10) / 10.0;
            ASSERT_LE(std::abs(kolom[e] - lijn), resolutie[k] * 1.01) << k << " " << e;
            const double stappen = kolom[e] / resolutie[k];
            ASSERT_NEAR(stappen, std::round(stappen), 1e-3) << k << " " << e;
        }
    }
}

// "standard.ec": one line fills every temperature; two lines give a straight line between them; the
// marker follows the largest value.
TEST(KClTabelTest, TheUserFileFillsItsGapsAndIsClassifiedByItsLargestValue) {
    GebruikersStandaard s = LeesStandaardTekst("25;0.001413\r\n");
    AllesGelijk(s.Kolom, 0, 300, 0.001413f);
    EXPECT_EQ(s.Kolom[KClMarker], 1.0f);
    EXPECT_TRUE(s.IsBruikbaar());

    s = LeesStandaardTekst("20;0.01\n30;0.02");
    AllesGelijk(s.Kolom, 0, 200, 0.01f);
    EXPECT_FLOAT_EQ(s.Kolom[250], 0.015f);
    EXPECT_FLOAT_EQ(s.Kolom[230], 0.013f);
    EXPECT_FLOAT_EQ(s.Kolom[300], 0.02f);
    EXPECT_EQ(s.Kolom[KClMarker], 3.0f);

    EXPECT_EQ(LeesStandaardTekst("25;0.0019").Kolom[KClMarker], 1.0f);
    EXPECT_EQ(LeesStandaardTekst("25;0.002").Kolom[KClMarker], 2.0f);
    EXPECT_EQ(LeesStandaardTekst("25;0.0199").Kolom[KClMarker], 2.0f);
    EXPECT_EQ(LeesStandaardTekst("25;0.02").Kolom[KClMarker], 3.0f);
    EXPECT_EQ(LeesStandaardTekst("25;0.2").Kolom[KClMarker], 4.0f);
    EXPECT_EQ(LeesStandaardTekst("25;0.9").Kolom[KClMarker], 4.0f);
}

TEST(KClTabelTest, TheUserFileReadsItsLinesByTheirRules) {
    // Decimal commas read as points.
    EXPECT_EQ(LeesStandaardTekst("20,5;0,0123\n").Kolom, LeesStandaardTekst("20.5;0.0123\n").Kolom);
    // 30.04 is entry 300, 30.06 would be 301 and is ignored, as is a negative temperature.
    GebruikersStandaard s = LeesStandaardTekst("10;0.001\n30.04;0.003\n30.06;0.5\n-1;0.4\n");
    EXPECT_FLOAT_EQ(s.Kolom[300], 0.003f);
    EXPECT_EQ(s.Kolom[KClMarker], 2.0f);
    // Values of 1 or more and below 0.000005 are gaps, bridged by their neighbours.
    s = LeesStandaardTekst("10;0.001\n15;1\n16;0.000004\n20;0.002\n");
    EXPECT_FLOAT_EQ(s.Kolom[150], 0.0015f);
    EXPECT_FLOAT_EQ(s.Kolom[160], 0.0016f);
    // Comments are ignored even when they hold a valid pair; the name is the last name line.
    s = LeesStandaardTekst("* 25;0.5\n; 25;0.5\n' 25;0.5\n\"First\"\n  \"My  standard\"  \n25;0.001\n");
    AllesGelijk(s.Kolom, 0, 300, 0.001f);
    EXPECT_EQ(s.Naam, "My  standard");
    // A name line counts as temperature 0, value 0: after the data it clears 0.0 °C, which is then
    // filled from the next value.
    s = LeesStandaardTekst("0;0.005\n1;0.001\n\"Late\"\n");
    EXPECT_FLOAT_EQ(s.Kolom[0], 0.001f);
    EXPECT_FLOAT_EQ(s.Kolom[5], 0.001f);
    // An empty name keeps the default.
    EXPECT_EQ(LeesStandaardTekst("\"\"\n25;0.001\n").Naam, "");
    // Without a valid value there is no user standard.
    for (const char* leeg : {"", "\"Name only\"\n", "* 25;0.001\n", "25;2\n40;0.001\n"}) {
        s = LeesStandaardTekst(QString::fromLatin1(leeg));
        EXPECT_EQ(s.Kolom[KClMarker], -1.0f) << leeg;
        EXPECT_FALSE(s.IsBruikbaar()) << leeg;
    }
    EXPECT_FALSE(GeenGebruikersStandaard().IsBruikbaar());
}

TEST(KClTabelTest, ATemperatureGoesToTheNearestTenthWithHalvesToEven) {
    EXPECT_EQ(KClEntry(25.0f), 250);
    EXPECT_EQ(KClEntry(30.04f), 300);
    EXPECT_EQ(KClEntry(30.06f), 301);
    EXPECT_EQ(KClEntry(0.25f), 2);
    EXPECT_EQ(KClEntry(0.75f), 8);
    EXPECT_EQ(KClEntry(-0.01f), 0);
    EXPECT_LT(KClEntry(-1e30f), 0);
    const int nan = KClEntry(std::nanf(""));
    EXPECT_TRUE(nan < 0 || nan > 300);
}
