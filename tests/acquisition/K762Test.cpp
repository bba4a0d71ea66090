#include "acquisition/K762.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"

#include <cmath>
#include <gtest/gtest.h>

class K762Test : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        TemperatuurCompensatie = true;
        ReferentieTemperatuur = 1;
        Racks[2].Present = true;
        ModuleRecord& module = Racks[2].Modules[1];
        module.Present = true;
        module.Type = "K762";
        module.Status = 0x0F;
        for (int c = 1; c <= 4; ++c) {
            module.Temperatuur[c].AdcWaarde = 250;
            module.Meting[c].Scale = 1;
            module.Meting[c].Unit = "S/cm";
        }
    }
    KanaalRecord& meting(int c) { return Racks[2].Modules[1].Meting[c]; }
    KanaalRecord& temperatuur(int c) { return Racks[2].Modules[1].Temperatuur[c]; }
};

TEST_F(K762Test, TemperatureCompensation) {
    EXPECT_FLOAT_EQ(TemperatuurFactor(25, true), 1.0f);
    EXPECT_FLOAT_EQ(TemperatuurFactor(27.5f, true), 1.0535f);
    EXPECT_FLOAT_EQ(TemperatuurFactor(40, false), 1.0f);
    EXPECT_EQ(CompensatieIndex(130), 31);
    EXPECT_EQ(CompensatieIndex(129.9f), 31);
    EXPECT_EQ(CompensatieIndex(-30), 0);
    EXPECT_EQ(CompensatieIndex(24.99f), 10);
    EXPECT_FLOAT_EQ(TemperatuurFactor(130, true), 3.733f);
    EXPECT_FLOAT_EQ(TemperatuurFactor(132, true), 3.584f + (3.733f - 3.584f) * 7 / 5);
    ReferentieTemperatuur = 0;
    EXPECT_FLOAT_EQ(TemperatuurFactor(25, true), 1 / 0.896f);
    EXPECT_FLOAT_EQ(TemperatuurFactor(20, true), 1.0f);
}

TEST_F(K762Test, ManualTemperatureBelowTheTableNeitherReadsBeforeItNorDividesByZero) {
    EXPECT_EQ(CompensatieIndex(-50), 0);
    EXPECT_EQ(CompensatieIndex(NAN), 0);
    EXPECT_FLOAT_EQ(TemperatuurFactor(-43, true), 0.124f);
    EXPECT_FLOAT_EQ(TemperatuurFactor(-200, true), 0.124f);
    Racks[2].Modules[1].Status = 0; // no sensor: the manual temperature
    HandTemperaturen[2][1][1] = -43;
    meting(1).Set = true;
    meting(1).AdcWaarde = 100;
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 100 / (0.124f * 3895));
}

TEST_F(K762Test, ConductivityAtTheReferenceTemperature) {
    meting(1).Set = true;
    meting(1).AdcWaarde = 3895;
    meting(1).Scale = 1.02f;
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 1.02f);
    EXPECT_EQ(meting(1).Flags & 0x03, 0);
    ReferentieTemperatuur = 0;
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 1.02f * 0.896f);
}

TEST_F(K762Test, ZeroCorrection) {
    temperatuur(1).Extra = 30;
    meting(1).Resolution = 1; // z = 3
    EXPECT_FLOAT_EQ(NulpuntCorrectie(5, 2, 1, 1), 4.0f);
    EXPECT_FLOAT_EQ(NulpuntCorrectie(3, 2, 1, 1), 0.0f);
    meting(1).Resolution = 0;
    EXPECT_FLOAT_EQ(NulpuntCorrectie(50, 2, 1, 1), 40.0f);
    meting(1).Resolution = 2;
    EXPECT_NEAR(NulpuntCorrectie(0.5f, 2, 1, 1), 0.4f, 1e-6);
}

TEST_F(K762Test, OverRangeAbove2SiemensPerCentimetre) {
    meting(1).Set = true;
    meting(1).AdcWaarde = 7790; // 2.0 S/cm
    meting(2).Set = true;
    meting(2).AdcWaarde = 7790;
    meting(2).Scale = 1.0001f;
    meting(3).Set = true;
    meting(3).AdcWaarde = 7790;
    meting(3).Scale = 1.0001f;
    meting(3).Unit = "g/l";
    meting(4).Set = true;
    meting(4).AdcWaarde = 7790;
    meting(4).Scale = 1.0001f;
    meting(4).Unit = QString::fromUtf8("°C");
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 2.0f);
    EXPECT_EQ(meting(1).Flags & 0x03, 0);
    EXPECT_FLOAT_EQ(meting(2).Waarde, 9999.0f);
    EXPECT_EQ(meting(2).Flags & 0x03, VlagBovenBereik);
    EXPECT_FLOAT_EQ(meting(3).Waarde, 0.0f);
    EXPECT_EQ(meting(3).Flags & 0x03, VlagBovenBereik);
    EXPECT_FLOAT_EQ(meting(4).Waarde, 25.0f);
    // The bit is cleared again by the next conversion in range.
    meting(2).Scale = 1;
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(2).Waarde, 2.0f);
    EXPECT_EQ(meting(2).Flags & 0x03, 0);
}

TEST_F(K762Test, TotalDissolvedSolids) {
    uint8_t flags = 0;
    EXPECT_FLOAT_EQ(BerekenZoutgehalte(350, 2, 0, flags, 25), 0.618f * 350);
    EXPECT_EQ(flags, 0);
    EXPECT_FLOAT_EQ(BerekenZoutgehalte(350.1f, 2, 0, flags, 25), 0.0f);
    EXPECT_EQ(flags, VlagBovenBereik);
    EXPECT_FLOAT_EQ(BerekenZoutgehalte(350, 2, 0, flags, 25), 0.0f); // the caller clears the bit
    flags = 0;
    EXPECT_FLOAT_EQ(BerekenZoutgehalte(1, 0, -1, flags, 25), 0.531f);      // k = -1: x = 1e-6
    EXPECT_FLOAT_EQ(BerekenZoutgehalte(5, 3, 2, flags, 25), 0.531f * 5);   // k = 5: x = 0
    EXPECT_FLOAT_EQ(BerekenZoutgehalte(5, -3, -1, flags, 25), 0.531f * 5); // k = -4: x = 0
    // Always from the value compensated to 25 °C.
    ReferentieTemperatuur = 0;
    EXPECT_NEAR(BerekenZoutgehalte(1, 0, -1, flags, 25), 0.531f / 0.896f, 1e-6);
    ReferentieTemperatuur = 1;
    TemperatuurCompensatie = false;
    EXPECT_NEAR(BerekenZoutgehalte(1.0535f, 0, -1, flags, 27.5f), 0.531f, 1e-6);
    EXPECT_EQ(flags, 0);
}

TEST_F(K762Test, TDSFactorInterpolatesBetweenBreakpoints) {
    EXPECT_FLOAT_EQ(TDSFactor(0), 0.531f);
    EXPECT_FLOAT_EQ(TDSFactor(0.0005f), 0.532f);
    EXPECT_FLOAT_EQ(TDSFactor(0.015f), 0.5595f);
    EXPECT_FLOAT_EQ(TDSFactor(0.35f), 0.618f);
    EXPECT_FLOAT_EQ(TDSFactor(0.2f), 0.731f);
}

TEST_F(K762Test, DemonstrationRamp) {
    Demo = true;
    meting(1).Set = true;
    // 0.0025 a reading at a pass of 150 ms, a fifth of that at a simulated pass of 30 ms.
    const float stap = 0.0025f * SimulatieStapDeel;
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 1 + stap);
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 1 + 2 * stap);
    int stappen = 2;
    while (meting(1).Waarde <= 1.15f && stappen < 500) {
        VerwerkMetingK762(2, 1);
        ++stappen;
    }
    EXPECT_GT(meting(1).Waarde, 1.15f);
    VerwerkMetingK762(2, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 0.85f);
    VerwerkMetingK762(2, 1);
    VerwerkMetingK762(2, 1);
    EXPECT_NEAR(meting(1).Waarde, 0.85f, 0.003f);
    // The step grows with sqrt(input / module), whatever the rack.
    Racks[3].Modules[4].Meting[1].Waarde = 0;
    EXPECT_FLOAT_EQ(SimulatieWaardeK762(3, 4, 1), 1 + stap * 0.5f);
}

TEST_F(K762Test, ValidityFunctionsKeepTheirBoundsInSinglePrecision) {
    EXPECT_EQ(GeldigeOffsetK762(0.0f), 0.0f);
    EXPECT_EQ(GeldigeOffsetK762(500.0f), 500.0f);
    EXPECT_EQ(GeldigeOffsetK762(500.1f), 0.0f);
    EXPECT_EQ(GeldigeOffsetK762(-0.1f), 0.0f);
    EXPECT_EQ(GeldigeVersterking(0.85f), 0.85f);
    EXPECT_EQ(GeldigeVersterking(1.15f), 1.15f);
    EXPECT_EQ(GeldigeVersterking(1.16f), 1.0f);
    EXPECT_EQ(GeldigeCelconstanteFactor(0.5f), 0.5f);
    EXPECT_EQ(GeldigeCelconstanteFactor(1.5f), 1.5f);
    EXPECT_EQ(GeldigeCelconstanteFactor(1.51f), 1.0f);
    EXPECT_EQ(GeldigeNulwaardeK762(38.95f), 38.95f);
    EXPECT_EQ(GeldigeNulwaardeK762(38.96f), 0.0f);
    EXPECT_EQ(GeldigeNulwaardeK762(-0.01f), 0.0f);
}
