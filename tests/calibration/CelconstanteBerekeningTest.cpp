#include "calibration/CelconstanteBerekening.h"
#include "calibration/KClTabel.h"

#include <cmath>
#include <gtest/gtest.h>

// The range a standard needs: the marker less the cell type; a 0.1 cm-1 cell cannot take 1 M KCl,
// a 0.01 cm-1 cell not 0.1 M KCl.
TEST(CelconstanteBerekeningTest, TheStandardsRangeFollowsTheCellType) {
    EXPECT_EQ(StandaardBereik(1, 0), 1);
    EXPECT_EQ(StandaardBereik(2, 0), 2);
    EXPECT_EQ(StandaardBereik(3, 0), 3);
    EXPECT_EQ(StandaardBereik(3, -1), 4);
    EXPECT_EQ(StandaardBereik(2, -2), 4);
    EXPECT_EQ(StandaardBereik(1, 1), 0);
    EXPECT_EQ(StandaardBereik(4, -2), 6);
    EXPECT_EQ(Celtype(-2.0f), -2);
    EXPECT_EQ(Celtype(1.0f), 1);
    EXPECT_EQ(Celtype(7.0f), 1) << "a cell type outside the four: the nearest";
    EXPECT_EQ(Celtype(-9.0f), -2);
}

// The factor of a reading in 0.01 M KCl at 25 °C with a 1 cm-1 cell on range 1, and the readings that
// are refused.
TEST(CelconstanteBerekeningTest, AReadingGivesTheFactorOrIsRefused) {
    float G = -1;
    ASSERT_TRUE(GeleidbaarheidBijNominaleCel(5616, 1, 0, G));
    EXPECT_FLOAT_EQ(G, 0.005616f);
    EXPECT_NEAR(BerekenCelconstanteFactor(0.001413f, G), 0.98f, 0.0001f);
    ASSERT_TRUE(GeleidbaarheidBijNominaleCel(5616, 3, 1, G));
    EXPECT_NEAR(G, 5.616f, 1e-5f);
    ASSERT_TRUE(GeleidbaarheidBijNominaleCel(5616, 3, -2, G));
    EXPECT_NEAR(G, 0.005616f, 1e-9f);
    G = 7;
    EXPECT_FALSE(GeleidbaarheidBijNominaleCel(5616, 4, 0, G));
    EXPECT_EQ(G, 7.0f) << "no range: the value is left";

    EXPECT_TRUE(IsBruikbareLezing(0.1f, 1.0f, 15579));
    EXPECT_FALSE(IsBruikbareLezing(0.1f, 1.0f, 15580));
    EXPECT_FALSE(IsBruikbareLezing(0.1f, 0.03f, 100));
    EXPECT_TRUE(IsBruikbareLezing(0.1f, 0.031f, 100));
    EXPECT_FALSE(IsBruikbareLezing(0.0f, 1.0f, 100));

    EXPECT_TRUE(IsGeldigeCelconstanteFactor(0.5f));
    EXPECT_TRUE(IsGeldigeCelconstanteFactor(1.5f));
    EXPECT_FALSE(IsGeldigeCelconstanteFactor(0.49f));
    EXPECT_FALSE(IsGeldigeCelconstanteFactor(1.51f));

    EXPECT_TRUE(InStandaardBereik(0.0f));
    EXPECT_TRUE(InStandaardBereik(30.0f));
    EXPECT_TRUE(InStandaardBereik(30.04f));
    EXPECT_FALSE(InStandaardBereik(30.06f));
    EXPECT_FALSE(InStandaardBereik(-0.01f));
    EXPECT_FALSE(InStandaardBereik(std::nanf("")));
}

// A typed cell constant becomes the factor of the cell type, and the limits read as cell constants.
TEST(CelconstanteBerekeningTest, ATypedCellConstantBecomesTheFactor) {
    EXPECT_FLOAT_EQ(FactorUitCelconstante("0,98", 0), 0.98f);
    EXPECT_FLOAT_EQ(FactorUitCelconstante("0.98", 0), 0.98f);
    EXPECT_FLOAT_EQ(FactorUitCelconstante("0.0098", -2), 0.98f);
    EXPECT_FLOAT_EQ(FactorUitCelconstante("0.098", -1), 0.98f);
    EXPECT_FLOAT_EQ(FactorUitCelconstante("9.8", 1), 0.98f);
    EXPECT_EQ(FactorUitCelconstante("", 0), 0.0f);
    EXPECT_EQ(MaximaleCelconstanteLengte(-2), 7);
    EXPECT_EQ(MaximaleCelconstanteLengte(-1), 6);
    EXPECT_EQ(MaximaleCelconstanteLengte(0), 5);
    EXPECT_EQ(MaximaleCelconstanteLengte(1), 5);
    EXPECT_EQ(CelconstanteGrenzenTekst(0), " (Min.= 0.500; max.= 1.500).");
    EXPECT_EQ(CelconstanteGrenzenTekst(-2), " (Min.= 0.00500; max.= 0.01500).");
}

TEST(CelconstanteBerekeningTest, TheRecordsOfAMeasurementAndOfAManualEntry) {
    CelconstanteMeting m;
    m.Standaard25 = 0.001413f;
    m.G = 0.005616f;
    m.Temperatuur = 21.5f;
    m.Seconden = 17;
    const KalibratieRecord r = CelconstanteRecord(46000.5, 0.98f, -1, 3.5f, &m);
    EXPECT_EQ(r.Tijdstip, 46000.5);
    EXPECT_EQ(r.Nulpunt, 0.0f);
    EXPECT_EQ(r.Helling, 0.98f);
    EXPECT_EQ(r.Blanco, -1.0f);
    EXPECT_EQ(r.Standaard1, 0.001413f);
    EXPECT_EQ(r.Standaard2, 0.0f);
    EXPECT_FLOAT_EQ(r.MilliVolt1, 0.005616f / 3.895f);
    EXPECT_EQ(r.MilliVolt2, 3.5f);
    EXPECT_EQ(r.Temperatuur1, 21.5f);
    EXPECT_EQ(r.Duur1, 17.0f);
    EXPECT_EQ(r.Temperatuur2 + r.Duur2, 0.0f);

    const KalibratieRecord h = CelconstanteRecord(46000.5, 1.2f, 0, 3.5f, nullptr);
    EXPECT_EQ(h.Helling, 1.2f);
    EXPECT_EQ(h.MilliVolt2, 3.5f);
    EXPECT_EQ(h.Standaard1 + h.MilliVolt1 + h.Temperatuur1 + h.Duur1, 0.0f);
}
