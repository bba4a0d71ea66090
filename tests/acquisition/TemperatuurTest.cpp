#include "acquisition/Temperatuur.h"
#include "SchoneOmgeving.h"
#include "acquisition/RackModel.h"

#include <gtest/gtest.h>

class TemperatuurTest : public SchoneOmgeving {
protected:
    KanaalRecord& meting(int c) { return Racks[1].Modules[2].Meting[c]; }
    KanaalRecord& temperatuur(int c) { return Racks[1].Modules[2].Temperatuur[c]; }
    void sensorAan(int c) { Racks[1].Modules[2].Status |= static_cast<uint8_t>(1u << (c - 1)); }
    float begrens(float T) { return BegrensTemperatuur(1, 2, 1, T); }
};

TEST_F(TemperatuurTest, LimitsWithFlagBitsWhileASensorIsConnected) {
    meting(1).Flags = VlagSensorAanwezig;
    EXPECT_FLOAT_EQ(begrens(130.5f), 130.0f);
    EXPECT_EQ(meting(1).Flags, VlagSensorAanwezig | VlagTemperatuurTeHoog);
    EXPECT_FLOAT_EQ(begrens(129.9f), 129.9f);
    EXPECT_EQ(meting(1).Flags, VlagSensorAanwezig);
    EXPECT_FLOAT_EQ(begrens(-31.0f), -30.0f);
    EXPECT_EQ(meting(1).Flags, VlagSensorAanwezig | VlagTemperatuurTeLaag);
    // The limits themselves are in range: no flag.
    EXPECT_FLOAT_EQ(begrens(130.0f), 130.0f);
    EXPECT_EQ(meting(1).Flags, VlagSensorAanwezig);
    EXPECT_FLOAT_EQ(begrens(-30.0f), -30.0f);
    EXPECT_EQ(meting(1).Flags, VlagSensorAanwezig);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][2][1], 25.0f); // manual temperature untouched
}

TEST_F(TemperatuurTest, WithoutSensorTheManualTemperatureCounts) {
    meting(1).Flags = VlagBovenBereik | VlagTemperatuurTeHoog | VlagTemperatuurTeLaag;
    EXPECT_FLOAT_EQ(begrens(80.0f), 25.0f);
    EXPECT_EQ(meting(1).Flags, VlagBovenBereik);
    HandTemperaturen[1][2][1] = 18.5f;
    EXPECT_FLOAT_EQ(begrens(-100.0f), 18.5f);
}

TEST_F(TemperatuurTest, ManualTemperatureFollowsTheUnlimitedMeasurementButNeverAReadingOfZero) {
    meting(1).Flags = VlagSensorAanwezig;
    temperatuur(1).ManualFollowsMeasurement = true;
    EXPECT_FLOAT_EQ(begrens(140.0f), 130.0f);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][2][1], 140.0f);
    temperatuur(1).Offset = 2.0f;
    EXPECT_FLOAT_EQ(begrens(-2.0f), -2.0f); // the reading before the offset was 0
    EXPECT_FLOAT_EQ(HandTemperaturen[1][2][1], 140.0f);
}

TEST_F(TemperatuurTest, ChainSetsTheSensorBitAndAppliesTheOffset) {
    sensorAan(3);
    temperatuur(3).AdcWaarde = 251;
    temperatuur(3).Offset = 0.1f;
    BerekenTemperatuurKanaal(1, 2, 3);
    EXPECT_TRUE(meting(3).Flags & VlagSensorAanwezig);
    EXPECT_FLOAT_EQ(temperatuur(3).Waarde, 25.0f);
    Racks[1].Modules[2].Status = 0;
    BerekenTemperatuurKanaal(1, 2, 3);
    EXPECT_FALSE(meting(3).Flags & VlagSensorAanwezig);
    EXPECT_FLOAT_EQ(temperatuur(3).Waarde, 25.0f); // the manual temperature
}

TEST_F(TemperatuurTest, AnInputUsingTheSharedTemperatureTakesItsValueUnitAndFlags) {
    for (int c = 1; c <= 4; ++c) {
        sensorAan(c);
        temperatuur(c).AdcWaarde = 200 + c * 10;
        temperatuur(c).Unit = QString::fromUtf8("°C");
    }
    temperatuur(1).Shared = true;
    temperatuur(1).Unit = "K";
    temperatuur(1).Flags = 0x0C;
    temperatuur(2).UseShared = true;
    temperatuur(1).UseShared = true; // the supplying input keeps its own anyway
    for (int c = 1; c <= 4; ++c)
        BerekenTemperatuurKanaal(1, 2, c);
    EXPECT_FLOAT_EQ(temperatuur(1).Waarde, 21.0f);
    EXPECT_FLOAT_EQ(temperatuur(2).Waarde, 21.0f);
    EXPECT_EQ(temperatuur(2).Unit.getrimd(), "K");
    EXPECT_EQ(temperatuur(2).Flags, 0x0C);
    EXPECT_FLOAT_EQ(temperatuur(3).Waarde, 23.0f);
    EXPECT_EQ(temperatuur(3).Unit.getrimd(), QString::fromUtf8("°C"));
}

TEST_F(TemperatuurTest, DisplayUnits) {
    EXPECT_FLOAT_EQ(CelsiusNaarEenheid(25, "K"), 25 + 273.159f);
    EXPECT_FLOAT_EQ(CelsiusNaarEenheid(25, QString::fromUtf8("  °F  ")), 77.0f);
    EXPECT_FLOAT_EQ(CelsiusNaarEenheid(25, QString::fromUtf8("°C")), 25.0f);
    EXPECT_FLOAT_EQ(CelsiusNaarEenheid(25, "xyz"), 25.0f);
    EXPECT_FLOAT_EQ(EenheidNaarCelsius(77, QString::fromUtf8("°F")), 25.0f);
    EXPECT_FLOAT_EQ(EenheidNaarCelsius(298.159f, "K"), 25.0f);
    EXPECT_FLOAT_EQ(VerschilNaarEenheid(10, QString::fromUtf8("°F")), 18.0f);
    EXPECT_FLOAT_EQ(VerschilNaarEenheid(10, "K"), 10.0f);
    EXPECT_FLOAT_EQ(CelsiusNaarKelvin(0), 273.159f);
    EXPECT_FLOAT_EQ(FahrenheitNaarCelsius(CelsiusNaarFahrenheit(-40)), -40.0f);
}

TEST_F(TemperatuurTest, StoredOffsetsOutsideTheirRangeBecomeZero) {
    EXPECT_EQ(GeldigeTemperatuurOffset(10.5f), 0.0f);
    EXPECT_EQ(GeldigeTemperatuurOffset(-10.0f), -10.0f);
    EXPECT_EQ(GeldigeTemperatuurOffset(10.0f), 10.0f);
    EXPECT_EQ(GeldigeAfregelOffset(4250.0f), 4250.0f);
    EXPECT_EQ(GeldigeAfregelOffset(-4250.5f), 0.0f);
}

TEST_F(TemperatuurTest, TwoPointAdjustment) {
    // Readings that the converter already gives for 20 and 80 °C keep the pair nearly as it was.
    float offset = 0, versterking = 1;
    EXPECT_TRUE(AfregelingTemperatuur(20.0f, 80.0f, offset, versterking));
    EXPECT_NEAR(offset, 0.0f, 0.05f);
    EXPECT_NEAR(versterking, 0.99929f, 0.0001f);

    offset = 0, versterking = 1;
    EXPECT_TRUE(AfregelingTemperatuur(21.0f, 82.0f, offset, versterking));
    EXPECT_NEAR(offset, 360.6f, 0.1f);
    EXPECT_NEAR(versterking, 0.98289f, 0.0001f);
}

TEST_F(TemperatuurTest, AdjustmentThatDoesNotFitLeavesThePair) {
    float offset = 100, versterking = 1;
    EXPECT_FALSE(AfregelingTemperatuur(80.0f, 20.0f, offset, versterking));  // t2 below t1
    EXPECT_FALSE(AfregelingTemperatuur(50.0f, 50.0f, offset, versterking));  // t2 equal to t1
    EXPECT_FALSE(AfregelingTemperatuur(-10.0f, 80.0f, offset, versterking)); // t1 at or below 999
    EXPECT_FALSE(AfregelingTemperatuur(20.0f, 400.0f, offset, versterking)); // gain out of 0.85..1.15
    versterking = 0;
    EXPECT_FALSE(AfregelingTemperatuur(20.0f, 80.0f, offset, versterking));
    EXPECT_EQ(offset, 100.0f);
    EXPECT_EQ(versterking, 0.0f);
}
