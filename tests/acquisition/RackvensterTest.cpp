#include "OpnameRackvenster.h"
#include "SchoneOmgeving.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/RackvensterTeksten.h"
#include "shared/Teksten.h"

#include <gtest/gtest.h>

namespace {
QString u8(const char* t) {
    return QString::fromUtf8(t);
}
} // namespace

class RackvensterTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        Tekst[285] = "The measurement is out of range!";
        Tekst[300] = "The temperature is out of range!";
        Tekst[365] = "Calibration required!";
        rack(1, venster);
        module(1, 3, "K761");
    }
    void rack(int r, OpnameRackvenster& w) {
        Racks[r].Present = true;
        RackVlaggen[r].Show = true;
        w.rack = r;
        ZetRackVenster(r, &w);
    }
    void module(int r, int m, const char* type) {
        ModuleRecord& mod = Racks[r].Modules[m];
        mod.Present = true;
        mod.Type = type;
        for (int c = 1; c <= 4; ++c) {
            mod.Meting[c].Set = true;
            mod.Meting[c].Unit = "mV";
            mod.Meting[c].Resolution = 1;
            mod.Meting[c].Waarde = 100.0f * c;
            mod.Temperatuur[c].Unit = u8("°C");
            mod.Temperatuur[c].Resolution = 1;
            mod.Temperatuur[c].Waarde = 20.0f + c;
        }
    }
    KanaalRecord& meting(int c) { return Racks[1].Modules[3].Meting[c]; }
    KanaalRecord& temperatuur(int c) { return Racks[1].Modules[3].Temperatuur[c]; }
    const OpnameRackvenster::Label& label(RackLabel soort, int c) { return venster.label(soort, 3, c); }

    OpnameRackvenster venster;
};

TEST_F(RackvensterTest, NothingChangesForAHiddenWindowAnUnregisteredRackOrAnEmptyPosition) {
    RackVlaggen[1].Show = false;
    ToonMetingenRackvenster(1, 3, false);
    RackVlaggen[1].Show = true;
    Racks[1].Present = false;
    ToonMetingenRackvenster(1, 3, false);
    Racks[1].Present = true;
    ToonMetingenRackvenster(1, 4, false);
    ToonMetingenRackvenster(2, 3, false); // no window registered
    ToonMetingenRackvenster(0, 3, false);
    ToonMetingenRackvenster(1, 8, false);
    EXPECT_EQ(venster.aantalAanroepen, 0);
}

TEST_F(RackvensterTest, ShowsValueUnitTemperatureAndDefaultToolTip) {
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_EQ(label(RackLabel::Waarde, 2).tekst, "200.0");
    EXPECT_EQ(label(RackLabel::Waarde, 2).kleur, KleurGroen);
    EXPECT_EQ(label(RackLabel::Eenheid, 2).tekst, "mV");
    EXPECT_EQ(label(RackLabel::Eenheid, 2).kleur, KleurNormaleTekst);
    EXPECT_EQ(label(RackLabel::Graden, 2).tekst, u8("22.0°C      "));
    EXPECT_EQ(label(RackLabel::Graden, 2).kleur, KleurZwart);
    EXPECT_TRUE(label(RackLabel::Graden, 2).zichtbaar);
    EXPECT_EQ(label(RackLabel::Kanaal, 2).kleur, KleurNormaleTekst);
    EXPECT_EQ(venster.toolTip(3, 2), "Rack 1 Module 3 Input 2");
}

TEST_F(RackvensterTest, InputSwitchedOffIsHiddenAndCleared) {
    ToonMetingenRackvenster(1, 3, false);
    meting(4).Set = false;
    ToonMetingenRackvenster(1, 3, false);
    for (RackLabel l : {RackLabel::Waarde, RackLabel::Eenheid, RackLabel::Graden, RackLabel::Kanaal})
        EXPECT_FALSE(label(l, 4).zichtbaar);
    EXPECT_EQ(label(RackLabel::Waarde, 4).tekst, "");
    EXPECT_EQ(label(RackLabel::Graden, 4).tekst, "");
    EXPECT_TRUE(label(RackLabel::Waarde, 3).zichtbaar);
}

TEST_F(RackvensterTest, TemperatureInputOutOfItsLimits) {
    meting(1).Unit = u8("°C");
    meting(1).Flags = VlagTemperatuurTeHoog;
    temperatuur(1).Unit = u8("°F");
    temperatuur(1).Waarde = 130;
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_EQ(label(RackLabel::Waarde, 1).kleur, KleurRood);
    EXPECT_EQ(venster.toolTip(3, 1), "The temperature is out of range!");
    EXPECT_EQ(label(RackLabel::Waarde, 1).tekst, "266.0");
    EXPECT_EQ(label(RackLabel::Eenheid, 1).tekst, u8("°F      "));
    EXPECT_EQ(label(RackLabel::Eenheid, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Graden, 1).tekst, "");
    EXPECT_TRUE(label(RackLabel::Graden, 1).zichtbaar);
    EXPECT_EQ(label(RackLabel::Kanaal, 1).kleur, KleurNormaleTekst); // never needs calibration
    // Blanked: the temperature channel's unit alone.
    ToonMetingenRackvenster(1, 3, true);
    EXPECT_EQ(label(RackLabel::Waarde, 1).tekst, "");
    EXPECT_EQ(label(RackLabel::Eenheid, 1).tekst, u8("°F"));
    // In its limits the value turns green again.
    meting(1).Flags = 0;
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_EQ(label(RackLabel::Waarde, 1).kleur, KleurGroen);
    EXPECT_EQ(venster.toolTip(3, 1), "Rack 1 Module 3 Input 1");
}

TEST_F(RackvensterTest, MeasurementOutOfRangeWithAndWithoutCalibration) {
    meting(1).Unit = "pH"; // never calibrated
    meting(1).Flags = VlagBovenBereik;
    meting(2).Unit = "pH";
    meting(2).Flags = VlagBovenBereik;
    meting(2).KalibratieDatum = 46000;
    meting(3).Flags = VlagTemperatuurTeLaag; // an mV input whose temperature is too low
    ToonMetingenRackvenster(1, 3, false);

    EXPECT_EQ(label(RackLabel::Waarde, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Eenheid, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Kanaal, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Waarde, 1).tekst, "OR.");
    EXPECT_EQ(venster.toolTip(3, 1), "The measurement is out of range! Calibration required!");

    EXPECT_EQ(label(RackLabel::Waarde, 2).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Eenheid, 2).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Kanaal, 2).kleur, KleurNormaleTekst);
    EXPECT_EQ(venster.toolTip(3, 2), "The measurement is out of range!");

    EXPECT_EQ(label(RackLabel::Waarde, 3).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Waarde, 3).tekst, u8("OR.°C"));
    EXPECT_EQ(label(RackLabel::Graden, 3).kleur, KleurRood);
    EXPECT_EQ(venster.toolTip(3, 3), "The temperature is out of range!");
}

TEST_F(RackvensterTest, CalibrationRequiredInRange) {
    meting(1).Unit = "pH";
    meting(1).Resolution = 1;
    meting(1).Waarde = 7;
    meting(2).KalibratieDatum = 0; // an mV input never needs calibration
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_EQ(label(RackLabel::Waarde, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Eenheid, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Kanaal, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Waarde, 1).tekst, "7.00");
    EXPECT_EQ(venster.toolTip(3, 1), "Calibration required!");
    EXPECT_EQ(label(RackLabel::Waarde, 2).kleur, KleurGroen);
    EXPECT_EQ(venster.toolTip(3, 2), "Rack 1 Module 3 Input 2");
}

TEST_F(RackvensterTest, BlankedValuesKeepUnitsColoursAndMarks) {
    meting(1).Unit = "pH";
    meting(2).Flags = VlagTemperatuurTeHoog;
    ToonMetingenRackvenster(1, 3, true);
    EXPECT_EQ(label(RackLabel::Waarde, 1).tekst, "");
    EXPECT_EQ(label(RackLabel::Eenheid, 1).tekst, "pH");
    EXPECT_EQ(label(RackLabel::Kanaal, 1).kleur, KleurRood);
    EXPECT_EQ(label(RackLabel::Graden, 1).tekst, u8("°C"));
    EXPECT_EQ(label(RackLabel::Graden, 2).kleur, KleurZwart);
    EXPECT_EQ(label(RackLabel::Waarde, 2).kleur, KleurRood);
}

TEST_F(RackvensterTest, AModuleGivenUpShowsNoValuesFromTheMomentItIsGivenUp) {
    ToonMetingenRackvenster(1, 3, false);
    ASSERT_EQ(label(RackLabel::Waarde, 2).tekst, "200.0");
    VerhoogGeenAntwoordTeller(1, 3);
    EXPECT_TRUE(ModuleOpgegeven(1, 3));
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(label(RackLabel::Waarde, c).tekst, QString()) << c;
        EXPECT_EQ(label(RackLabel::Graden, c).tekst, u8("°C")) << c;
        EXPECT_EQ(label(RackLabel::Eenheid, c).tekst, "mV") << c;
    }
    // A refresh of the window while it stays given up shows no values either.
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_EQ(label(RackLabel::Waarde, 2).tekst, QString());
    // Its next reply brings the values back.
    MarkeerAntwoordOntvangen(Racks[1].Modules[3].Idno = 0x0F010203);
    EXPECT_FALSE(ModuleOpgegeven(1, 3));
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_EQ(label(RackLabel::Waarde, 2).tekst, "200.0");
    EXPECT_FALSE(ModuleOpgegeven(0, 3));
    EXPECT_FALSE(ModuleOpgegeven(1, 8));
}

TEST_F(RackvensterTest, SharedTemperatureShowsOnlyAtTheSupplyingInput) {
    for (int c = 1; c <= 4; ++c)
        temperatuur(c).UseShared = true;
    temperatuur(2).Shared = true;
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_FALSE(label(RackLabel::Graden, 1).zichtbaar);
    EXPECT_TRUE(label(RackLabel::Graden, 2).zichtbaar);
    EXPECT_FALSE(label(RackLabel::Graden, 3).zichtbaar);
    EXPECT_FALSE(label(RackLabel::Graden, 4).zichtbaar);
    temperatuur(3).UseShared = false;
    ToonMetingenRackvenster(1, 3, false);
    EXPECT_TRUE(label(RackLabel::Graden, 3).zichtbaar);
}

TEST_F(RackvensterTest, CalibrationRequiredByModel) {
    module(1, 5, "K762");
    KanaalRecord& ec = Racks[1].Modules[5].Meting[1];
    ec.Unit = "S/cm";
    ec.KalibratieDatum = 46000;
    ec.KalibratieInfo = 1;
    ec.Extra = 2.0f;
    EXPECT_TRUE(KalibratieVereist(1, 5, 1));
    ec.Extra = 1.7f;
    EXPECT_FALSE(KalibratieVereist(1, 5, 1));
    ec.KalibratieInfo = -1;
    ec.Extra = -1.0f;
    EXPECT_FALSE(KalibratieVereist(1, 5, 1));
    ec.KalibratieDatum = 0;
    EXPECT_TRUE(KalibratieVereist(1, 5, 1));
    ec.Unit = u8("°C");
    EXPECT_FALSE(KalibratieVereist(1, 5, 1));
    meting(1).Unit = "g/l";
    EXPECT_TRUE(KalibratieVereist(1, 3, 1));
    meting(1).KalibratieDatum = 46000;
    EXPECT_FALSE(KalibratieVereist(1, 3, 1));
    Racks[1].Modules[3].Type = "----";
    meting(1).KalibratieDatum = 0;
    EXPECT_FALSE(KalibratieVereist(1, 3, 1));
}

TEST_F(RackvensterTest, NumberFormatsByUnitAndResolution) {
    meting(1).Unit = "pH";
    meting(1).Resolution = 2;
    EXPECT_EQ(FormaatWaarde(1, 3, 1), "0.000");
    meting(1).Resolution = 0;
    EXPECT_EQ(FormaatWaarde(1, 3, 1), "0.0");
    meting(1).Unit = "g/l"; // general format
    EXPECT_EQ(FormaatWaarde(1, 3, 1), "");
    // A temperature input follows its temperature channel's resolution.
    meting(1).Unit = u8("°C");
    temperatuur(1).Resolution = 0;
    EXPECT_EQ(FormaatWaarde(1, 3, 1), "0");
    temperatuur(1).Resolution = 1;
    EXPECT_EQ(FormaatWaarde(1, 3, 1), "0.0");
    EXPECT_EQ(FormaatDecimalen(1, -1, -1), "0.0");
    EXPECT_EQ(FormaatDecimalen(0, -1, -1), "0");
}

TEST_F(RackvensterTest, TemperatureTextsAndQuantities) {
    temperatuur(1).Waarde = 25.04f;
    temperatuur(1).Unit = u8("°F");
    EXPECT_EQ(TemperatuurWaardeTekst(1, 3, 1), "77.1");
    EXPECT_EQ(TemperatuurWaardeEenheidTekst(1, 3, 1), u8("77.1°F      "));
    EXPECT_EQ(KanaalEenheidTekst(1, 3, 1), "mV");

    meting(1).Unit = "mV";
    EXPECT_EQ(GrootheidKanaal(1, 3, 1), "ORP");
    meting(1).Unit = "%";
    EXPECT_EQ(GrootheidKanaal(1, 3, 1), "DO");
    meting(1).Unit = "S/cm";
    EXPECT_EQ(GrootheidKanaal(1, 3, 1), "");
    Racks[1].Modules[3].Type = "K762";
    meting(1).Unit = u8("°C");
    EXPECT_EQ(GrootheidKanaal(1, 3, 1), "Pt1000");
    meting(1).Unit = "g/l";
    EXPECT_EQ(GrootheidKanaal(1, 3, 1), "EC");
    Racks[1].Modules[3].Type = "----";
    EXPECT_EQ(GrootheidKanaal(1, 3, 1), "");
    EXPECT_EQ(KanaalEenheidTekst(1, 3, 1), "");
}

class RackIndicatorTest : public RackvensterTest {
protected:
    void SetUp() override {
        RackvensterTest::SetUp();
        module(1, 1, "K762");
        module(1, 2, "K761");
        Racks[1].Idno = 0x01000001;
        Racks[1].Modules[1].Idno = 0x0C000001;
        Racks[1].Modules[2].Idno = 0x0F000002;
        Racks[1].Modules[3].Idno = 0x0F000003;
        rack(2, tweede);
        module(2, 1, "K761");
        Racks[2].Modules[1].Idno = 0x0F000021;
    }
    int16_t& teller(int r, int m) { return Racks[r].Modules[m].GeenAntwoordTeller; }
    OpnameRackvenster tweede;
};

TEST_F(RackIndicatorTest, RepliesResetTheCountOfTheirModuleOnly) {
    teller(1, 2) = 3;
    teller(1, 3) = 1;
    MarkeerAntwoordOntvangen(0x01000001); // the rack itself
    MarkeerAntwoordOntvangen(0x0F0000FF); // nobody
    EXPECT_EQ(teller(1, 2), 3);
    MarkeerAntwoordOntvangen(0x0F000002);
    EXPECT_EQ(teller(1, 2), 0);
    EXPECT_EQ(teller(1, 3), 1);
}

TEST_F(RackIndicatorTest, ARackOrSlotNotInUseDoesNotTakeTheReplyOfAPresentModule) {
    // Numbers left in a slot whose module went and in a rack that is not registered.
    Racks[1].Modules[5].Idno = 0x0F000021;
    Racks[3].Modules[1].Idno = 0x0F000002;
    teller(1, 2) = 2;
    teller(2, 1) = 4;
    MarkeerAntwoordOntvangen(0x0F000021);
    EXPECT_EQ(teller(2, 1), 0);
    MarkeerAntwoordOntvangen(0x0F000002);
    EXPECT_EQ(teller(1, 2), 0);
}

TEST_F(RackIndicatorTest, GiveUpCountStopsAtItsLargestValue) {
    VerhoogGeenAntwoordTeller(1, 2);
    EXPECT_EQ(teller(1, 2), 1);
    teller(1, 2) = 32766;
    VerhoogGeenAntwoordTeller(1, 2);
    VerhoogGeenAntwoordTeller(1, 2);
    EXPECT_EQ(teller(1, 2), 32767);
    VerhoogGeenAntwoordTeller(0, 9); // ignored
}

TEST_F(RackIndicatorTest, CurrentModuleGreenWhilePolledOthersDarkGreenOrRed) {
    teller(2, 1) = 1;
    AanpassenRackIndicatoren(1, 2, true, true);
    EXPECT_EQ(venster.leds[0], KleurDonkergroen);
    EXPECT_EQ(venster.leds[1], KleurGroen);
    EXPECT_EQ(venster.leds[2], KleurDonkergroen);
    EXPECT_EQ(venster.leds[3], OpnameRackvenster::GeenKleur); // empty position
    EXPECT_EQ(tweede.leds[0], KleurRood);
    teller(1, 2) = 2;
    AanpassenRackIndicatoren(1, 2, true, true);
    EXPECT_EQ(venster.leds[1], KleurRood);
}

TEST_F(RackIndicatorTest, AfterThePollOnlyTheCurrentModuleChangesUnlessOthersDoNotAnswer) {
    AanpassenRackIndicatoren(1, 1, true, true);
    AanpassenRackIndicatoren(1, 2, true, false);
    EXPECT_EQ(venster.leds[1], KleurGroen);
    teller(1, 3) = 1;
    AanpassenRackIndicatoren(1, 2, false, false);
    EXPECT_EQ(venster.leds[0], KleurGroen); // kept from its own poll
    EXPECT_EQ(venster.leds[1], KleurDonkergroen);
    EXPECT_EQ(venster.leds[2], KleurRood);
    EXPECT_EQ(tweede.leds[0], KleurDonkergroen); // from the first refresh
}

TEST_F(RackIndicatorTest, HiddenRackWindowIsNotTouched) {
    RackVlaggen[2].Show = false;
    AanpassenRackIndicatoren(2, 1, true, true);
    VernieuwModulesRackvenster(2);
    EXPECT_EQ(tweede.aantalAanroepen, 0);
    EXPECT_EQ(venster.leds[0], KleurDonkergroen);
}

TEST_F(RackIndicatorTest, MeasuringOffShowsAnsweringModulesGrey) {
    teller(1, 3) = 5;
    VernieuwModulesRackvenster(1);
    EXPECT_EQ(venster.leds[0], KleurGrijs);
    EXPECT_EQ(venster.leds[1], KleurGrijs);
    EXPECT_EQ(venster.leds[2], KleurRood);
    EXPECT_EQ(venster.leds[3], OpnameRackvenster::GeenKleur);
    EXPECT_EQ(tweede.leds[0], OpnameRackvenster::GeenKleur);
}
