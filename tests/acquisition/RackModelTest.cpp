#include "acquisition/RackModel.h"
#include "SchoneOmgeving.h"
#include "acquisition/Modellen.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/vensters/Hoofdvenster.h"

#include <gtest/gtest.h>

class RackModelTest : public SchoneOmgeving {};

TEST_F(RackModelTest, IdentificationTextsAndKinds) {
    EXPECT_EQ(IdnoAlsTekst(0x0C0A0B01), "C.A.B.1");
    EXPECT_EQ(SoortUitIdno(0x0C0A0B01), QString::fromUtf8("K762(mS/°C)"));
    EXPECT_EQ(ModuleTypeVanIdno(0x0C0A0B01), "K762");
    EXPECT_EQ(IdnoAlsTekst(0x0F01020A), "F.1.2.A");
    EXPECT_EQ(SoortUitIdno(0x0F01020A), QString::fromUtf8("K761(mV/°C)"));
    EXPECT_EQ(IdnoAlsTekst(0x01000000), "1.0.0.0");
    EXPECT_EQ(SoortUitIdno(0x01000000), "K740(Rack)");
    EXPECT_EQ(IdnoAlsTekst(0), "0.0.0.0");
    EXPECT_EQ(SoortUitIdno(0), "Indeterminated");
    EXPECT_EQ(IdnoAlsTekst(static_cast<int32_t>(0xF0000001u)), "F0.0.0.1");
    EXPECT_EQ(SoortUitIdno(static_cast<int32_t>(0xF0000001u)), QString::fromUtf8("K761(mV/°C)"));
    Racks[1].Modules[3].Idno = 0x01000002; // a rack number in a module position
    EXPECT_EQ(ModuleTypeUitIdno(1, 3), "----");
    EXPECT_EQ(ModuleTypeUitIdno(1, 4), "----");
    EXPECT_EQ(ModuleTypeUitIdno(0, 9), "----");
}

TEST_F(RackModelTest, FixedLengthTextsArePaddedAndCut) {
    KanaalRecord k;
    EXPECT_EQ(k.Name.tekst(), QString(30, ' '));
    k.Name = "CH1";
    EXPECT_EQ(k.Name.tekst().size(), 30);
    EXPECT_EQ(k.Name.getrimd(), "CH1");
    k.Unit = QString::fromUtf8("°C");
    EXPECT_EQ(k.Unit.tekst(), QString::fromUtf8("°C      "));
    k.Sensor = QString(25, 'x');
    EXPECT_EQ(k.Sensor.tekst(), QString(20, 'x'));
    EXPECT_TRUE(k.Name == QString("CH1 "));
    Racks[2].Name = "Rack 1.0.0.2";
    EXPECT_EQ(Racks[2].Name.getrimd(), "Rack 1.0.0.2");
}

TEST_F(RackModelTest, ResetFreesEverySlot) {
    Racks[16].Present = true;
    Racks[16].Modules[7].Meting[4].Waarde = 3;
    RackVlaggen[5].Measure = true;
    HandTemperaturen[16][7][4] = 10;
    ResetRackModel();
    EXPECT_FALSE(Racks[16].Present);
    EXPECT_EQ(Racks[16].Modules[7].Meting[4].Waarde, 0);
    EXPECT_FALSE(RackVlaggen[5].Measure);
    EXPECT_FLOAT_EQ(HandTemperaturen[16][7][4], 25.0f);
    EXPECT_EQ(Racks[16].Modules[7].Type.tekst(), "    ");
}

TEST_F(RackModelTest, InitialiseTablesClearsFlagsAndCallsTheMainWindowOnlyWithATitle) {
    struct Venster : Hoofdvenster {
        int titels = 0, stops = 0, gewist = 0;
        void ZetTitel() override { ++titels; }
        void StopVerbinding() override { ++stops; }
        void WisVensterLijsten() override { ++gewist; }
    } v;
    ZetHoofdvenster(&v);
    RackVlaggen[1].Show = true;
    InitialiseerTabellen("");
    EXPECT_TRUE(RackVlaggen[1].Show);
    EXPECT_EQ(v.titels, 0);
    InitialiseerTabellen("K740");
    EXPECT_FALSE(RackVlaggen[1].Show);
    EXPECT_EQ(v.titels, 1);
    EXPECT_EQ(v.stops, 1);
    EXPECT_EQ(v.gewist, 1);
}

class StabiliteitTest : public SchoneOmgeving {};

TEST_F(StabiliteitTest, TenReadingsWithinToleranceAreStable) {
    ResetStabiliteit();
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(IsStabiel(1.0f, 0.5f, 0)) << i;
    EXPECT_TRUE(IsStabiel(1.0f, 0.5f, 0));
    // A jump leaves the window unstable until it has moved out of the ten newest readings.
    EXPECT_FALSE(IsStabiel(5.0f, 0.5f, 0));
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(IsStabiel(1.0f, 0.5f, 0)) << i;
    EXPECT_TRUE(IsStabiel(1.0f, 0.5f, 0));
}

TEST_F(StabiliteitTest, SpreadEqualToToleranceIsStable) {
    ResetStabiliteit();
    const float w[11] = {9.0f, 1.0f, 1.5f, 1.2f, 1.1f, 1.3f, 1.4f, 1.0f, 1.25f, 1.5f, 1.0f};
    bool laatste = false;
    for (float v : w)
        laatste = IsStabiel(v, 0.5f, 1);
    EXPECT_TRUE(laatste); // the first reading (9.0) no longer counts
    ResetStabiliteit();
    for (float v : w)
        laatste = IsStabiel(v, 0.49f, 1);
    EXPECT_FALSE(laatste);
}

TEST_F(StabiliteitTest, SlotsAreIndependentAndResetEmptiesBoth) {
    ResetStabiliteit();
    for (int i = 0; i < 10; ++i) {
        IsStabiel(2.0f, 0.0f, 0);
        IsStabiel(static_cast<float>(i), 0.0f, 1);
    }
    EXPECT_TRUE(IsStabiel(2.0f, 0.0f, 0));
    EXPECT_FALSE(IsStabiel(20.0f, 0.0f, 1));
    StabielVlag = true;
    ResetStabiliteit();
    EXPECT_FALSE(StabielVlag);
    EXPECT_EQ(StabielTeller[0], 0);
    EXPECT_EQ(StabielTeller[1], 0);
    EXPECT_FALSE(IsStabiel(2.0f, 0.0f, 0));
    EXPECT_FALSE(IsStabiel(1.0f, 1.0f, 2));
}
