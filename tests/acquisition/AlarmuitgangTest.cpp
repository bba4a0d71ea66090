#include "acquisition/Alarmuitgang.h"
#include "OpnameGrafiekvenster.h"
#include "OpnameHoofdvenster.h"
#include "PollHarnas.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/GeheugenLijn.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

class AlarmuitgangTest : public SchoneOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& t, int stijl, const QString& titel) override {
        meldingen.emplace_back(t, stijl, titel);
        return static_cast<int>(vbOK);
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        int taal = 0;
        KiesTaal(taal);
        auto lijn = std::make_unique<platform::GeheugenLijn>();
        alarmlijn = lijn.get();
        alarmlijn->bijDTR = [this](bool aan) { dtr.push_back(aan); };
        ZetMSComm2(std::move(lijn));
        ZetHoofdvenster(&venster);
        ZetMeldingVenster(this);
        Racks[1].Present = true;
        MvModule(2);
        AlarmUitgang = true;
        Baudsnelheid = QStringLiteral("9600");
        AlarmPoort = QStringLiteral("COM2");

        grafiek.index = 1;
        grafiek.instellingen.AlarmLaag = grafiek.instellingen.AlarmHoog = true;
        grafiek.instellingen.AlarmLaagWaarde = 10;
        grafiek.instellingen.AlarmHoogWaarde = 20;
        Curve(grafiek, 1, 1, 2, 3, true, true);
        ZetGrafiekVenster(1, &grafiek);
    }

    // Module m of rack 1: a K761 read at least once, its inputs in use in mV at 0.1 mV, temperatures in
    // °C, so that a graph shows the values as they are held.
    static void MvModule(int m) {
        ModuleRecord& module = Racks[1].Modules[m];
        module.Present = true;
        module.Berekend = true;
        module.Type = "K761";
        for (int c = 1; c <= AantalIngangen; ++c) {
            module.Meting[c].Set = true;
            module.Meting[c].Unit = "mV";
            module.Meting[c].Resolution = 1;
            module.Temperatuur[c].Unit = QString::fromUtf8("°C");
            module.Temperatuur[c].Resolution = 1;
        }
    }
    static void Curve(OpnameGrafiekvenster& g, int lijn, int r, int m, int code, bool minimum, bool maximum) {
        g.lijnen[lijn] = {static_cast<int16_t>(r),
                          static_cast<int16_t>(m),
                          static_cast<int16_t>(code),
                          static_cast<int16_t>(minimum ? -1 : 0),
                          static_cast<int16_t>(maximum ? -1 : 0),
                          0};
    }
    // Input 3 of module 1.2 shows `v`; the module's update runs.
    void Meet(double v) {
        Racks[1].Modules[2].Meting[3].Waarde = static_cast<float>(v);
        StuurAlarmUitgang(1, 2, false);
    }
    bool Vlag(int soort, int c = 3) const { return AlarmVlaggen[1][2][soort * 4 + c - 1] != 0; }

    platform::GeheugenLijn* alarmlijn = nullptr;
    std::vector<bool> dtr;
    OpnameHoofdvenster venster;
    OpnameGrafiekvenster grafiek;
    std::vector<std::tuple<QString, int, QString>> meldingen;
};

TEST_F(AlarmuitgangTest, TheAlarmLineOpensWithTheBaudRateNoHandshakeAndDtrAndRtsLow) {
    StuurAlarmUitgang(0, 0, true);
    EXPECT_TRUE(alarmlijn->isOpen());
    EXPECT_EQ(alarmlijn->poort(), QStringLiteral("COM2"));
    EXPECT_EQ(alarmlijn->instellingen(), QStringLiteral("9600,N,8,1"));
    EXPECT_FALSE(alarmlijn->dtr());
    EXPECT_FALSE(alarmlijn->rts());
    EXPECT_FALSE(AlarmUitgangUit);
    EXPECT_EQ(OpenAlarmPoort(AlarmPoort), 2) << "already open";
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(AlarmuitgangTest, ValuesBeyondTheLimitsRaiseDtrWithAHysteresisOfATwentiethOfTheSpan) {
    StuurAlarmUitgang(0, 0, true);
    Meet(9.9);
    EXPECT_TRUE(Vlag(0));
    EXPECT_TRUE(alarmlijn->dtr());
    Meet(10.3);
    EXPECT_TRUE(Vlag(0)) << "inside the margin of 0.5 the flag keeps its state";
    Meet(10.6);
    EXPECT_FALSE(Vlag(0));
    EXPECT_FALSE(alarmlijn->dtr());

    Meet(20.1);
    EXPECT_TRUE(Vlag(1));
    EXPECT_TRUE(alarmlijn->dtr());
    Meet(19.7);
    EXPECT_TRUE(Vlag(1));
    Meet(19.4);
    EXPECT_FALSE(Vlag(1));
    EXPECT_FALSE(alarmlijn->dtr());

    Meet(10);
    Meet(20);
    EXPECT_FALSE(Vlag(0) || Vlag(1)) << "a value on the limit raises nothing";
    EXPECT_EQ(dtr, (std::vector<bool>{true, false, true, false}));
}

TEST_F(AlarmuitgangTest, OnlyCurvesWithTheirMarkAndTheWindowsAlarmOnTakePart) {
    StuurAlarmUitgang(0, 0, true);
    Curve(grafiek, 1, 1, 2, 3, false, true);
    Meet(5);
    EXPECT_FALSE(Vlag(0)) << "no minimum mark";
    grafiek.instellingen.AlarmHoog = false;
    Meet(25);
    EXPECT_FALSE(Vlag(1)) << "the window's high alarm is off";
    EXPECT_FALSE(alarmlijn->dtr());

    // A window whose number is not its slot is no live graph.
    grafiek.instellingen.AlarmHoog = true;
    grafiek.index = 4;
    Meet(25);
    EXPECT_FALSE(Vlag(1));
}

TEST_F(AlarmuitgangTest, ATemperatureCurveTestsTheTemperatureAndUsesTheTemperatureFlags) {
    StuurAlarmUitgang(0, 0, true);
    Curve(grafiek, 1, 1, 2, 3 + AantalIngangen, true, true);
    Racks[1].Modules[2].Temperatuur[3].Waarde = 25;
    Meet(5); // the measured value is not looked at
    EXPECT_FALSE(Vlag(0));
    EXPECT_TRUE(Vlag(3));
    EXPECT_TRUE(alarmlijn->dtr());
}

TEST_F(AlarmuitgangTest, FlagsOfOneInputFollowTheLastCurveAndDtrReflectsAllFlags) {
    StuurAlarmUitgang(0, 0, true);
    OpnameGrafiekvenster tweede;
    tweede.index = 2;
    tweede.instellingen = grafiek.instellingen;
    tweede.instellingen.AlarmHoogWaarde = 30;
    Curve(tweede, 5, 1, 2, 3, true, true);
    ZetGrafiekVenster(2, &tweede);
    Meet(25);
    EXPECT_FALSE(Vlag(1)) << "set by the first graph, cleared by the second";

    // Another module in alarm keeps DTR up while this one is updated without graphs on it.
    MvModule(5);
    Curve(grafiek, 2, 1, 5, 1, true, true);
    Racks[1].Modules[5].Meting[1].Waarde = 50;
    StuurAlarmUitgang(1, 5, false);
    Curve(grafiek, 2, 0, 0, 0, false, false);
    Meet(15);
    EXPECT_TRUE(AlarmVlaggen[1][5][4] != 0);
    EXPECT_TRUE(alarmlijn->dtr());
}

TEST_F(AlarmuitgangTest, AnAlarmPortThatCannotOpenSwitchesTheOutputOffForTheRun) {
    alarmlijn->zetOpenFout(QStringLiteral("no such device"));
    StuurAlarmUitgang(0, 0, true);
    EXPECT_TRUE(AlarmUitgangUit);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0],
              std::make_tuple(QStringLiteral("Error opening 'COM2' !"), 48, QStringLiteral("RS232")));
    EXPECT_EQ(venster.statusTekst[1], QStringLiteral("Check 'COM2' or select other port!"));
    Meet(5);
    EXPECT_TRUE(dtr.empty()) << "DTR is never driven";
    EXPECT_EQ(meldingen.size(), 1u);
}

TEST_F(AlarmuitgangTest, TheLoopOpensTheAlarmLineAtStartAndDrivesItAfterEachCompute) {
    RackEmulator emulator;
    auto& lijn = InstalleerRacklijn(emulator);
    {
        PollHarnas harnas(emulator, &lijn);
        harnas.PlaatsRacks(1, 2);
        // Module 1.2 is a K762: input 3 reads far above the high limit.
        grafiek.instellingen.AlarmHoogWaarde = -1e9;
        grafiek.instellingen.AlarmLaagWaarde = -2e9;
        harnas.Draai(1000);
        EXPECT_TRUE(alarmlijn->isOpen());
        EXPECT_TRUE(Vlag(1));
        EXPECT_TRUE(alarmlijn->dtr());
    }
}

// The limits are in the units the graph shows: a temperature curve in °F and a conductivity curve in
// µS/cm switch the alarm line where their chart crosses the limit, not where the value held inside
// (°C, mS/cm) would.
TEST_F(AlarmuitgangTest, TheLimitsApplyToTheValuesAsTheGraphShowsThem) {
    StuurAlarmUitgang(0, 0, true);
    ModuleRecord& module = Racks[1].Modules[2];
    module.Temperatuur[3].Unit = QString::fromUtf8("°F");
    Curve(grafiek, 1, 1, 2, 3 + AantalIngangen, true, true);
    grafiek.instellingen.AlarmLaagWaarde = 50; // °F
    grafiek.instellingen.AlarmHoogWaarde = 70;
    module.Temperatuur[3].Waarde = 25; // 77 °F
    Meet(0);
    EXPECT_TRUE(Vlag(3)) << "77 °F is above 70 °F";
    EXPECT_FALSE(Vlag(2));
    EXPECT_TRUE(alarmlijn->dtr());
    module.Temperatuur[3].Waarde = 20.8f; // 69.4 °F: inside the margin of 1 °F below the limit
    Meet(0);
    EXPECT_TRUE(Vlag(3));
    module.Temperatuur[3].Waarde = 20; // 68 °F
    Meet(0);
    EXPECT_FALSE(Vlag(3) || Vlag(2));
    EXPECT_FALSE(alarmlijn->dtr());

    // A conductivity input of the 2000 µS/cm range.
    module.Type = "K762";
    module.Meting[3].Unit = "S/cm";
    module.Meting[3].Resolution = 1;
    module.Meting[3].Extra = 0;
    Curve(grafiek, 1, 1, 2, 3, true, true);
    grafiek.instellingen.AlarmLaagWaarde = 200; // µS/cm
    grafiek.instellingen.AlarmHoogWaarde = 1000;
    Meet(1.2); // held in mS/cm: 1200 µS/cm
    EXPECT_TRUE(Vlag(1)) << "1200 µS/cm is above 1000 µS/cm";
    EXPECT_FALSE(Vlag(0));
    Meet(0.5);
    EXPECT_FALSE(Vlag(1) || Vlag(0));
    Meet(0.1);
    EXPECT_TRUE(Vlag(0)) << "100 µS/cm is below 200 µS/cm";
    EXPECT_TRUE(alarmlijn->dtr());
}

// A runaway electrode reads "OR.", which no graph can plot: the input counts as beyond the limit on the
// side it ran out of its range, so the output raises the alarm the alarm report counts.
TEST_F(AlarmuitgangTest, AnInputBeyondItsRangeIsBeyondTheLimitOnThatSide) {
    StuurAlarmUitgang(0, 0, true);
    grafiek.instellingen.AlarmLaagWaarde = -500;
    grafiek.instellingen.AlarmHoogWaarde = 500;
    KanaalRecord& ingang = Racks[1].Modules[2].Meting[3];
    Meet(0);
    ingang.Flags = VlagBovenBereik; // held at the over-range end
    Meet(2000);
    EXPECT_TRUE(Vlag(1)) << "over range: high alarm";
    EXPECT_FALSE(Vlag(0));
    EXPECT_TRUE(alarmlijn->dtr());
    ingang.Flags = VlagOnderBereik;
    Meet(-2000);
    EXPECT_TRUE(Vlag(0)) << "under range: low alarm";
    EXPECT_FALSE(Vlag(1));
    EXPECT_TRUE(alarmlijn->dtr());
    ingang.Flags = 0;
    Meet(0);
    EXPECT_FALSE(Vlag(0) || Vlag(1)) << "back in range";
    EXPECT_FALSE(alarmlijn->dtr());

    // A pH input holds an over-range millivolt reading at pH 0: below its range.
    ingang.Unit = "pH";
    grafiek.instellingen.AlarmLaagWaarde = 4;
    grafiek.instellingen.AlarmHoogWaarde = 10;
    ingang.Flags = VlagBovenBereik;
    Meet(0);
    EXPECT_TRUE(Vlag(0));
    EXPECT_FALSE(Vlag(1));
    ingang.Flags = 0;
    Meet(7);

    // A temperature beyond its limits, on a temperature curve.
    Curve(grafiek, 1, 1, 2, 3 + AantalIngangen, true, true);
    grafiek.instellingen.AlarmLaagWaarde = 10;
    grafiek.instellingen.AlarmHoogWaarde = 40;
    Racks[1].Modules[2].Temperatuur[3].Waarde = 25;
    ingang.Flags = VlagTemperatuurTeHoog;
    Meet(7);
    EXPECT_TRUE(Vlag(3));
    EXPECT_TRUE(alarmlijn->dtr());
    ingang.Flags = 0;
    Meet(7);
    EXPECT_FALSE(Vlag(2) || Vlag(3));
    EXPECT_FALSE(alarmlijn->dtr());

    // And one below them.
    ingang.Flags = VlagTemperatuurTeLaag;
    Meet(7);
    EXPECT_TRUE(Vlag(2));
}
