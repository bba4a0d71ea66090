#include "acquisition/K761.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "platform/Klok.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"

#include <cmath>
#include <gtest/gtest.h>

class K761Test : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        Racks[1].Present = true;
        ModuleRecord& module = Racks[1].Modules[1];
        module.Present = true;
        module.Type = "K761";
        module.Status = 0x0F; // sensors on every input
        for (int c = 1; c <= 4; ++c) {
            module.Temperatuur[c].AdcWaarde = 250; // 25.0 °C
            module.Temperatuur[c].Unit = QString::fromUtf8("°C");
            module.Meting[c].Scale = 1;
        }
    }
    KanaalRecord& meting(int c) { return Racks[1].Modules[1].Meting[c]; }
    // Sets the inputs in use with their units and one raw reading for all.
    void ingangen(std::initializer_list<const char*> eenheden, int32_t ruw) {
        int c = 1;
        for (const char* e : eenheden) {
            meting(c).Set = true;
            meting(c).Unit = QString::fromUtf8(e);
            meting(c).AdcWaarde = ruw;
            ++c;
        }
    }
};

TEST_F(K761Test, OverRangeReadingGivesTheOverRangeValueOfEachQuantity) {
    ingangen({"mV", "pH", "mg/l", "%"}, 25000);
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 2000.0f);
    EXPECT_EQ(meting(1).Flags & 0x03, VlagBovenBereik);
    EXPECT_FLOAT_EQ(meting(2).Waarde, 0.0f);
    EXPECT_FLOAT_EQ(meting(3).Waarde, 60.0f);
    EXPECT_FLOAT_EQ(meting(4).Waarde, 6.0f); // not 600
    ingangen({"g/l"}, 25000);
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 0.0f);
    EXPECT_EQ(meting(1).Flags & 0x03, VlagBovenBereik);
}

TEST_F(K761Test, UnderRangeReadingGivesTheUnderRangeValueOfEachQuantity) {
    ingangen({"mV", "pH", "mg/l", "%"}, -20001);
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, -2000.0f);
    EXPECT_EQ(meting(1).Flags & 0x03, VlagOnderBereik);
    EXPECT_FLOAT_EQ(meting(2).Waarde, 14.0f);
    EXPECT_FLOAT_EQ(meting(3).Waarde, -1.0f);
    EXPECT_FLOAT_EQ(meting(4).Waarde, 0.0f);
    // Exactly 2000 mV is inside and clears both bits.
    ingangen({"mV"}, 20000);
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 2000.0f);
    EXPECT_EQ(meting(1).Flags & 0x03, 0);
}

TEST_F(K761Test, MillivoltInputSubtractsItsOffsetAndTheTemperatureRunsWhetherOrNotSet) {
    ingangen({"mV"}, 1234);
    meting(1).Offset = 3.4f;
    Racks[1].Modules[1].Temperatuur[4].AdcWaarde = 371;
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 120.0f);
    EXPECT_FLOAT_EQ(Racks[1].Modules[1].Temperatuur[4].Waarde, 37.1f);
    EXPECT_TRUE(meting(4).Flags & VlagSensorAanwezig);
}

TEST_F(K761Test, PH) {
    ingangen({"pH"}, 0);
    meting(1).Scale = 0.5f; // ignored while the zero point is 0 (never calibrated)
    for (int adc : {100, 250, 400}) {
        Racks[1].Modules[1].Temperatuur[1].AdcWaarde = adc;
        VerwerkMetingK761(1, 1);
        EXPECT_FLOAT_EQ(meting(1).Waarde, 7.0f);
    }
    EXPECT_NEAR(PHUitMillivolt(59.16f, 25.0f, 1.0f, 7.0f), 6.00f, 0.001f);
    // The absolute temperature of the slope is T + 273.159: with 273.15 these would be 2e-4 off.
    EXPECT_NEAR(PHUitMillivolt(-400.0f, 25.0f, 1.0f, 7.0f), 7 + 400 * 5.04 / 298.159, 2e-5);
    EXPECT_NEAR(PHUitMillivolt(-400.0f, 0.0f, 1.0f, 7.0f), 7 + 400 * 5.04 / 273.159, 2e-5);
    meting(1).Offset = 6.9f;
    meting(1).Scale = 0.98f;
    Racks[1].Modules[1].Temperatuur[1].Waarde = 25;
    EXPECT_NEAR(BerekenPH(-59.16f, 1, 1, 1), 6.9 + 59.16 * 5.04 / (298.159 * 0.98), 1e-4);
    uint8_t flags = 0;
    EXPECT_FLOAT_EQ(BegrensPH(14.5f, flags), 14.0f);
    EXPECT_EQ(flags, VlagBovenBereik);
    EXPECT_FLOAT_EQ(BegrensPH(-0.1f, flags), 0.0f);
    EXPECT_EQ(flags, VlagOnderBereik);
    EXPECT_FLOAT_EQ(BegrensPH(14.0f, flags), 14.0f);
    EXPECT_EQ(flags, 0);
}

TEST_F(K761Test, IonConcentrationWithBlank) {
    meting(1).Scale = 1;
    meting(1).Offset = 0;
    meting(1).Extra = -5; // blank log concentration
    EXPECT_FLOAT_EQ(BerekenIonConcentratie(-6, 1, 1, 1), -12.0f);
    EXPECT_NEAR(BerekenIonConcentratie(-4, 1, 1, 1), -4.0458f, 1e-4);
    EXPECT_FLOAT_EQ(BerekenIonConcentratie(-5, 1, 1, 1), -12.0f); // blank equal to the reading
    meting(1).Extra = 0;
    EXPECT_FLOAT_EQ(BerekenIonConcentratie(-13, 1, 1, 1), -12.0f);
    EXPECT_EQ(meting(1).Flags, 0);
    EXPECT_FLOAT_EQ(BerekenIonConcentratie(2, 1, 1, 1), 2.0f);
    EXPECT_EQ(meting(1).Flags, VlagBovenBereik);
    EXPECT_FLOAT_EQ(BerekenLogConcentratie(59.16f, 59.16f, -2), 3.0f);
}

TEST_F(K761Test, IonInputWithoutSlopeIsNotDividedByZero) {
    meting(1).Scale = 0; // never loaded from a calibration
    EXPECT_FLOAT_EQ(BerekenIonConcentratie(-3, 1, 1, 1), -3.0f);
    EXPECT_FLOAT_EQ(BerekenLogConcentratie(-3, 0, 1), -4.0f);
}

TEST_F(K761Test, DissolvedOxygen) {
    EXPECT_FLOAT_EQ(ZuurstofVerzadiging(25, 0, 1000), 8.13f);
    EXPECT_NEAR(ZuurstofVerzadiging(25.5f, 0, 1000), 8.055f, 1e-5);
    EXPECT_NEAR(ZuurstofVerzadiging(0, 36.13f, 1000), 11.14f, 1e-4); // sea water
    EXPECT_NEAR(ZuurstofVerzadiging(25, 0, 1013), 8.13 * (1013 * 0.001019 - 0.019), 1e-5);
    EXPECT_FLOAT_EQ(MembraanCorrectie(10, 15), 10.9f);
    EXPECT_FLOAT_EQ(LuchtdrukFactor(2, 20, 1000), 2.0f);

    ingangen({"mg/l", "%"}, 500); // 50 mV
    meting(1).Scale = meting(2).Scale = 0.1626f;
    VerwerkMetingK761(1, 1);
    EXPECT_NEAR(meting(1).Waarde, 8.13f, 1e-4);
    EXPECT_NEAR(meting(2).Waarde, 100.0f, 1e-3);
    EXPECT_EQ(meting(1).Flags & 0x03, 0);
    Luchtdruk = 1100;
    VerwerkMetingK761(1, 1);
    EXPECT_NEAR(meting(2).Waarde, 100.0f / (1100 * 0.001019 - 0.019), 1e-3);

    uint8_t flags = 0;
    EXPECT_FLOAT_EQ(BegrensZuurstof(61, flags), 60.0f);
    EXPECT_EQ(flags, VlagBovenBereik);
}

TEST_F(K761Test, OxygenTablesAreReadOnlyInsideZeroToFiftyDegrees) {
    EXPECT_FLOAT_EQ(ZuurstofVerzadiging(50, 0, 1000), 5.40f);
    EXPECT_FLOAT_EQ(ZuurstofVerzadiging(75, 0, 1000), 5.40f);
    EXPECT_FLOAT_EQ(ZuurstofVerzadiging(49.5f, 0, 1000), 5.445f);
    EXPECT_FLOAT_EQ(ZuurstofVerzadiging(0, 0, 1000), 14.37f);
    EXPECT_FLOAT_EQ(ZuurstofVerzadiging(-12, 0, 1000), 14.37f);
    EXPECT_NEAR(SaliniteitFactor(1, 130, 36.13f), 3.92f / 5.40f, 1e-6);
    EXPECT_NEAR(SaliniteitFactor(1, -30, 36.13f), 11.14f / 14.37f, 1e-6);
    EXPECT_NEAR(SaliniteitFactor(1, NAN, 36.13f), 11.14f / 14.37f, 1e-6);
}

TEST_F(K761Test, SaturationWithoutOxygenAtSaturationShowsOverRange) {
    ingangen({"%"}, 500);
    Luchtdruk = 0; // typed in a calibration: no oxygen dissolves
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 6.0f);
    EXPECT_EQ(meting(1).Flags & 0x03, VlagBovenBereik);
}

TEST_F(K761Test, AirPressureSettingIsLimited) {
    const auto lees = [](const char* waarde) {
        BewaarInstelling(AppNaam, "Calibration Oxygen", "Air Pressure", waarde);
        LeesLuchtdruk();
        return Luchtdruk;
    };
    LeesLuchtdruk();
    EXPECT_FLOAT_EQ(Luchtdruk, 1000.0f);
    EXPECT_FLOAT_EQ(lees("1250"), 1000.0f);
    EXPECT_FLOAT_EQ(lees("750"), 1000.0f);
    EXPECT_FLOAT_EQ(lees("800"), 800.0f);
    EXPECT_FLOAT_EQ(lees("1200"), 1200.0f);
    EXPECT_FLOAT_EQ(lees("1013,25"), 1013.25f);
}

TEST_F(K761Test, ValidityFunctionsKeepTheirBoundsInSinglePrecision) {
    EXPECT_EQ(GeldigNulpuntPH(6.0f), 6.0f);
    EXPECT_EQ(GeldigNulpuntPH(8.0f), 8.0f);
    EXPECT_EQ(GeldigNulpuntPH(8.01f), 7.0f);
    EXPECT_EQ(GeldigNulpuntPH(0.0f), 7.0f);
    EXPECT_EQ(GeldigeHellingPH(0.8f), 0.8f);
    EXPECT_EQ(GeldigeHellingPH(1.2f), 1.2f);
    EXPECT_EQ(GeldigeHellingPH(1.21f), 1.0f);
    EXPECT_EQ(GeldigeOffsetISE(-12.0f), -12.0f);
    EXPECT_EQ(GeldigeOffsetISE(12.5f), 0.0f);
    EXPECT_EQ(GeldigeHellingISE(-5.0f), -5.0f);
    EXPECT_EQ(GeldigeHellingISE(200.0f), 200.0f);
    EXPECT_EQ(GeldigeHellingISE(4.9f), 1.0f);
    EXPECT_EQ(GeldigeHellingISE(-201.0f), 1.0f);
    EXPECT_EQ(GeldigeOffsetK761(-15.0f), -15.0f);
    EXPECT_EQ(GeldigeOffsetK761(15.1f), 0.0f);
    EXPECT_EQ(GeldigeVersterkingK761(0.9f), 0.9f);
    EXPECT_EQ(GeldigeVersterkingK761(1.1f), 1.1f);
    EXPECT_EQ(GeldigeVersterkingK761(0.89f), 1.0f);
}

TEST_F(K761Test, DemonstrationSignal) {
    Demo = true;
    DemoStart = platform::Nu();
    ingangen({"mV", "pH", "mg/l", "°C"}, 0);
    VerwerkMetingK761(1, 1);
    EXPECT_FLOAT_EQ(meting(1).Waarde, 357.0f);
    EXPECT_NEAR(meting(2).Waarde, 7 + 150 * 5.04 / 298.159, 1e-4); // -150 mV
    EXPECT_FLOAT_EQ(meting(3).Waarde, 37.5f);                      // 37.5 mV, scale 1, 25 °C, fresh water
    EXPECT_FLOAT_EQ(meting(4).Waarde, 25.0f);
    // A quarter period later (sqrt(1) x t / 4 = 90 degrees) input 1 is at its bottom, after three
    // quarters at its top.
    klok().verstrijk(360'000);
    VerwerkMetingK761(1, 1);
    EXPECT_NEAR(meting(1).Waarde, 257.0f, 1e-3);
    klok().verstrijk(720'000);
    VerwerkMetingK761(1, 1);
    EXPECT_NEAR(meting(1).Waarde, 457.0f, 1e-3);
    // Slot 3 runs three times slower around its own level: 90 degrees after 1080 s.
    Racks[1].Modules[3].Meting[1].Unit = "mV";
    EXPECT_NEAR(SimulatieWaardeK761(1, 3, 1), 357.0f, 1e-3);
}
