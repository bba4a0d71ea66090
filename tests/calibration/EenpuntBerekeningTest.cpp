#include "calibration/EenpuntBerekening.h"
#include "SchoneOmgeving.h"

#include <gtest/gtest.h>

TEST(EenpuntBerekening, TheUnitChoosesTheKindAndAK761IonInputHasNone) {
    EXPECT_EQ(SoortVanEenheid(" mV ", false), EenpuntSoort::Millivolt);
    EXPECT_EQ(SoortVanEenheid("%", false), EenpuntSoort::Zuurstof);
    EXPECT_EQ(SoortVanEenheid("mg/l", false), EenpuntSoort::Zuurstof);
    EXPECT_EQ(SoortVanEenheid("°F", false), EenpuntSoort::Temperatuur);
    EXPECT_EQ(SoortVanEenheid("K", true), EenpuntSoort::Temperatuur);
    EXPECT_EQ(SoortVanEenheid("S/cm", true), EenpuntSoort::Geleidbaarheid);
    EXPECT_EQ(SoortVanEenheid("g/l", true), EenpuntSoort::Geleidbaarheid);
    EXPECT_EQ(SoortVanEenheid("g/l", false), EenpuntSoort::Geen);
    EXPECT_EQ(SoortVanEenheid("pH", false), EenpuntSoort::Geen);
}

// Every limit is inclusive; just outside is refused.
TEST(EenpuntBerekening, OffsetsAndScaleAreAcceptedUpToAndIncludingTheirLimits) {
    EXPECT_TRUE(MillivoltOffset(150.0f, 50.0f).Aanvaard);
    EXPECT_FLOAT_EQ(MillivoltOffset(150.0f, 50.0f).Resultaat, 100.0f);
    EXPECT_TRUE(MillivoltOffset(-50.0f, 50.0f).Aanvaard);
    EXPECT_FALSE(MillivoltOffset(150.1f, 50.0f).Aanvaard);
    EXPECT_FALSE(MillivoltOffset(-50.1f, 50.0f).Aanvaard);

    EXPECT_TRUE(TemperatuurOffset(35.0f, 25.0f).Aanvaard);
    EXPECT_TRUE(TemperatuurOffset(15.0f, 25.0f).Aanvaard);
    EXPECT_FALSE(TemperatuurOffset(35.1f, 25.0f).Aanvaard);
    EXPECT_FALSE(TemperatuurOffset(14.9f, 25.0f).Aanvaard);

    EXPECT_TRUE(ZuurstofSchaal(SchaalBovengrens, 1.0f).Aanvaard);
    EXPECT_TRUE(ZuurstofSchaal(SchaalOndergrens, 1.0f).Aanvaard);
    EXPECT_FLOAT_EQ(ZuurstofSchaal(8.26f, 50.0f).Resultaat, 8.26f / 50.0f);
    EXPECT_FALSE(ZuurstofSchaal(0.0812f, 1.0f).Aanvaard);
    EXPECT_FALSE(ZuurstofSchaal(0.5421f, 1.0f).Aanvaard);
    // No reading to speak of: scale 0, refused, and no division by zero.
    for (float mV : {0.0f, -3.0f}) {
        EXPECT_EQ(ZuurstofSchaal(8.26f, mV).Resultaat, 0.0f) << mV;
        EXPECT_FALSE(ZuurstofSchaal(8.26f, mV).Aanvaard) << mV;
    }

    // The dry cell in 0.1 mV: 38 is dry, 39 is not.
    EXPECT_TRUE(IsDrogeCelAanvaard(3.8f));
    EXPECT_TRUE(IsDrogeCelAanvaard(-1.0f));
    EXPECT_FALSE(IsDrogeCelAanvaard(3.9f));
}

TEST(EenpuntBerekening, TypedStandardsAndAirPressureAreLimited) {
    EXPECT_EQ(BegrensMillivoltStandaard(2500.0f), 2000.0f);
    EXPECT_EQ(BegrensMillivoltStandaard(-2500.0f), -2000.0f);
    EXPECT_EQ(BegrensMillivoltStandaard(12.5f), 12.5f);
    EXPECT_NEAR(BegrensTemperatuurStandaard(150.0f, "°C"), 130.0f, 1e-4f);
    EXPECT_NEAR(BegrensTemperatuurStandaard(300.0f, "°F"), 266.0f, 1e-3f);
    EXPECT_NEAR(BegrensTemperatuurStandaard(-40.0f, "°F"), -22.0f, 1e-3f);
    EXPECT_NEAR(BegrensTemperatuurStandaard(300.0f, "K"), 300.0f, 1e-3f);
    EXPECT_EQ(BegrensLuchtdrukWaarde(1300.0f), 1200.0f);
    EXPECT_EQ(BegrensLuchtdrukWaarde(700.0f), 800.0f);
    EXPECT_EQ(BegrensLuchtdrukWaarde(1013.0f), 1013.0f);
}

class RecenteStandaarden : public SchoneOmgeving {};

// After six standards the list holds the five newest, newest first; a repeated one stands twice.
TEST_F(RecenteStandaarden, KeepTheFiveNewestNewestFirst) {
    EXPECT_TRUE(LeesRecenteStandaarden("Calibration mV", 5).isEmpty());
    for (const char* s : {"1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "6.0"})
        SchrijfRecenteStandaard("Calibration mV", s, 5);
    EXPECT_EQ(LeesRecenteStandaarden("Calibration mV", 5), (QStringList{"6.0", "6.0", "5.0", "4.0", "3.0"}));
    EXPECT_TRUE(LeesRecenteStandaarden("Calibration °C", 5).isEmpty());
}
