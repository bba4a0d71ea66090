// The rules of the module settings dialog without a window: lists, what each tab shows, the shared
// temperature input, the buttons and the warnings before OK.
#include "rackviews/ModuleInstellingen.h"
#include "SchoneOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Eenheidcontrole.h"
#include "platform/Datum.h"
#include "rackviews/Ingangweergave.h"
#include "shared/Teksten.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
QString u8(const char* t) {
    return QString::fromUtf8(t);
}
const platform::Datum Geijkt = platform::MaakDatum(2025, 11, 3, 14, 30, 0);
} // namespace

class ModuleInstellingenTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
        ASSERT_TRUE(QDir().mkpath(MapKalibratie));
        Racks[1].Present = true;
        Racks[1].Idno = 0x01000001;
        Racks[1].Name = QStringLiteral("Rack 1.0.0.1");
        RackVlaggen[1].Measure = true;
    }

    // Module m of rack 1 of the model, every input in use with the unit given.
    ModuleRecord& module(int m, const char* type, std::initializer_list<const char*> eenheden) {
        ModuleRecord& mod = Racks[1].Modules[m];
        mod.Present = true;
        mod.Type = QString::fromLatin1(type);
        mod.Idno = QString::fromLatin1(type) == QLatin1String("K762") ? 0x0C000000 + m : 0x0F000000 + m;
        mod.Name = QStringLiteral("Module %1").arg(m);
        int c = 1;
        for (const char* e : eenheden) {
            mod.Meting[c].Set = true;
            mod.Meting[c].Unit = u8(e);
            mod.Meting[c].Name = QStringLiteral("In %1").arg(c);
            mod.Temperatuur[c].Set = true;
            mod.Temperatuur[c].Unit = u8("°C");
            mod.Temperatuur[c].Resolution = 1;
            ++c;
        }
        return mod;
    }

    // A calibration in the module's file, as a calibration dialog stores it.
    static void kalibreer(int m, int c, const KalibratieRecord& r) {
        KalibratieRecord kopie = r;
        ASSERT_TRUE(r.Tijdstip != 0);
        BewaarModuleKalibratie(1, m, c, kopie, false);
    }
    // A K762 input calibrated with cell type `type` and cell-constant factor `factor`.
    static void kalibreerCel(int m, int c, int type, float factor) {
        KalibratieRecord r;
        r.Tijdstip = Geijkt;
        r.Helling = factor;
        r.Blanco = static_cast<float>(type);
        r.Standaard1 = 0.001413f;
        kalibreer(m, c, r);
    }

    // What tab `tab` of module m shows, the way the dialog works it out from its copy.
    static Ingangweergave toon(int m, int tab) {
        const Instellingenbeeld beeld = MaakInstellingenbeeld(1, m, Racks[1].Modules[m]);
        return BerekenIngangweergave(beeld.module, beeld.hand, tab);
    }
    static QString waarschuwing(int m, int c) {
        return OKWaarschuwing(MaakInstellingenbeeld(1, m, Racks[1].Modules[m]).module, c);
    }
};

TEST_F(ModuleInstellingenTest, UnitsAreStoredWithoutTheirListSuffixAndFoundByIndex) {
    EXPECT_EQ(EenheidLijst("K761").at(3), QStringLiteral("mg/l (DO)"));
    EXPECT_EQ(EenheidZonderToevoeging(QStringLiteral("mg/l (DO)")), QStringLiteral("mg/l"));
    EXPECT_EQ(EenheidZonderToevoeging(QStringLiteral("% (DO)")), QStringLiteral("%"));
    EXPECT_EQ(EenheidZonderToevoeging(QStringLiteral("g/l (TDS)")), QStringLiteral("g/l"));
    EXPECT_EQ(IndexVanEenheid(QStringLiteral("mg/l"), "K761"), 3);
    EXPECT_EQ(IndexVanEenheid(QStringLiteral("g/l"), "K762"), 1);
    EXPECT_EQ(IndexVanEenheid(u8("°F"), u8("°C")), 1);
    // A unit the model does not have, and an unknown model, select the first entry.
    EXPECT_EQ(IndexVanEenheid(QStringLiteral("S/cm"), "K761"), 0);
    EXPECT_EQ(IndexVanEenheid(QStringLiteral("pH"), "----"), 0);
    EXPECT_TRUE(EenheidLijst("----").isEmpty());
}

TEST_F(ModuleInstellingenTest, EachCellTypeMovesTheRangesUpOneDecade) {
    EXPECT_EQ(BereikLijst(-2), (QStringList{u8("2.000 µS"), u8("20.00 µS"), u8("200.0 µS"), u8("2000 µS")}));
    EXPECT_EQ(BereikLijst(-1), (QStringList{u8("20.00 µS"), u8("200.0 µS"), u8("2000 µS"), u8("20.00 mS")}));
    EXPECT_EQ(BereikLijst(0), (QStringList{u8("200.0 µS"), u8("2000 µS"), u8("20.00 mS"), u8("200.0 mS")}));
    EXPECT_EQ(BereikLijst(1), (QStringList{u8("2000 µS"), u8("20.00 mS"), u8("200.0 mS"), u8("2000 mS")}));
    EXPECT_TRUE(BereikLijst(2).isEmpty());
    EXPECT_TRUE(BereikLijst(-3).isEmpty());
    EXPECT_EQ(GekozenCelType(-0.6f), -1);
    EXPECT_EQ(GekozenCelType(1e30f), 0);
}

TEST_F(ModuleInstellingenTest, AnUncalibratedInputIsRedOnlyWhereItsUnitNeedsCalibration) {
    module(1, "K761", {"mV", "pH", "°C", "pH"});
    kalibreer(1, 4, {Geijkt, 7.02f, 0.985f, 0, 4.0f, 7.0f});
    const Ingangweergave mv = toon(1, 0);
    EXPECT_EQ(mv.meting.LabelDatum.tekst, u8("Not calibrated!"));
    EXPECT_FALSE(mv.meting.LabelDatum.rood);
    EXPECT_EQ(mv.meting.FrameCalibrationData.tekst, u8("Calibration data"));
    EXPECT_FALSE(mv.meting.FrameCalibrationData.rood);
    EXPECT_EQ(mv.meting.LabelOffset.tekst, u8("Offset:"));
    EXPECT_EQ(mv.meting.LabelOffsetData.tekst, u8("0.0 mV"));

    const Ingangweergave ph = toon(1, 1);
    EXPECT_EQ(ph.meting.FrameCalibrationData.tekst, u8("Calibration required!"));
    EXPECT_TRUE(ph.meting.FrameCalibrationData.rood);
    EXPECT_TRUE(ph.meting.LabelDatum.rood);

    // A K761 temperature input: no calibration frame, an empty resolution list that cannot be used.
    const Ingangweergave graden = toon(1, 2);
    EXPECT_FALSE(graden.meting.FrameCalibrationData.zichtbaar);
    EXPECT_TRUE(graden.meting.ComboResolutie.items.isEmpty());
    EXPECT_FALSE(graden.meting.ComboResolutie.ingeschakeld);

    // A calibrated pH input: its date, ISO-pH in the input's resolution and the slope in %.
    Racks[1].Modules[1].Meting[4].Resolution = 2;
    const Ingangweergave geijkt = toon(1, 3);
    EXPECT_EQ(geijkt.meting.LabelDatum.tekst, platform::DatumTijdTekst(Geijkt));
    EXPECT_FALSE(geijkt.meting.FrameCalibrationData.rood);
    EXPECT_EQ(geijkt.meting.LabelOffset.tekst, u8("ISO-pH:"));
    EXPECT_EQ(geijkt.meting.LabelOffsetData.tekst, u8("7.020"));
    EXPECT_EQ(geijkt.meting.LabelSlopeData.tekst, u8("98.5 %"));
    EXPECT_EQ(geijkt.meting.LabelBuffers.tekst, u8("4.00/7.00 pH"));
    EXPECT_EQ(geijkt.meting.ComboResolutie.gekozen, 2);
}

TEST_F(ModuleInstellingenTest, AStoredResolutionOutsideTheListSelectsTheSecondEntry) {
    module(1, "K761", {"pH", "pH"});
    Racks[1].Modules[1].Meting[1].Resolution = 5;
    Racks[1].Modules[1].Meting[2].Resolution = -1;
    for (int tab : {0, 1}) {
        const Ingangweergave w = toon(1, tab);
        EXPECT_EQ(w.meting.ComboResolutie.items, (QStringList{"0.1", "0.01", "0.001"}));
        EXPECT_EQ(w.meting.ComboResolutie.gekozen, 1) << tab;
    }
}

TEST_F(ModuleInstellingenTest, TheCellConstantShowsInTheDecadeOfTheCalibratedCellType) {
    ModuleRecord& mod = module(2, "K762", {"S/cm", "S/cm", "S/cm", "S/cm"});
    mod.Meting[1].Extra = -2;
    mod.Meting[2].Extra = 1;
    mod.Meting[3].Extra = 0; // the cell was changed after the calibration with a 0.1 cm-1 cell
    mod.Meting[4].Extra = 5; // no cell type
    kalibreerCel(2, 1, -2, 1.02f);
    kalibreerCel(2, 2, 1, 1.02f);
    kalibreerCel(2, 3, -1, 1.0f);
    mod.Meting[1].Resolution = 3;

    const Ingangweergave klein = toon(2, 0);
    EXPECT_EQ(klein.meting.LabelOffsetData.tekst, u8("0.01020 cm-1"));
    EXPECT_FALSE(klein.meting.FrameCalibrationData.rood);
    EXPECT_EQ(klein.meting.LabelResolutie.tekst, u8("Measurement range:"));
    EXPECT_EQ(klein.meting.ComboResolutie.items.at(klein.meting.ComboResolutie.gekozen), u8("2000 µS"));
    EXPECT_FALSE(klein.meting.ComboResolutie.ingeschakeld);
    EXPECT_EQ(klein.ComboExtra.gekozen, 0);
    EXPECT_FALSE(klein.ComboExtra.ingeschakeld);
    EXPECT_EQ(klein.LabelSalinity.tekst, u8("Type of cell:"));
    EXPECT_EQ(klein.meting.LabelSlope.tekst, u8("Cap. compensation:"));
    EXPECT_EQ(klein.meting.LabelSlopeData.tekst, u8("Off"));

    EXPECT_EQ(toon(2, 1).meting.LabelOffsetData.tekst, u8("10.20 cm-1"));

    const Ingangweergave anders = toon(2, 2);
    EXPECT_EQ(anders.meting.LabelDatum.tekst, platform::DatumTijdTekst(Geijkt));
    EXPECT_EQ(anders.meting.FrameCalibrationData.tekst, u8("Calibration required!"));
    EXPECT_TRUE(anders.meting.FrameCalibrationData.rood);
    EXPECT_TRUE(anders.LabelSalinity.rood);
    EXPECT_TRUE(anders.meting.LabelOffsetData.rood);

    const Ingangweergave geen = toon(2, 3);
    EXPECT_EQ(geen.ComboExtra.gekozen, -1);
    EXPECT_TRUE(geen.meting.ComboResolutie.items.isEmpty());
    EXPECT_EQ(geen.meting.ComboResolutie.gekozen, -1);
}

TEST_F(ModuleInstellingenTest, StatusTextsAndTheTemperatureHalf) {
    ModuleRecord& mod = module(1, "K761", {"pH", "°C", "mV"});
    mod.Meting[1].Flags = VlagTemperatuurTeHoog | VlagBovenBereik;
    mod.Meting[2].Flags = VlagOnderBereik;
    mod.Temperatuur[3].Unit = u8("°F");
    mod.Temperatuur[3].Resolution = 7;
    HandTemperaturen[1][1][3] = 25.0f;

    const Ingangweergave heet = toon(1, 0);
    const QString temperatuur = u8("The temperature is out of range!\r\nCheck the electrode and/or cable!");
    EXPECT_EQ(heet.meting.LabelInfo.tekst, temperatuur);
    EXPECT_EQ(heet.temperatuur.LabelInfo.tekst, temperatuur);
    EXPECT_TRUE(heet.meting.LabelInfo.rood);
    // Over or under range on a temperature input tells nothing.
    EXPECT_EQ(toon(1, 1).meting.LabelInfo.tekst, QString());

    // The manual temperature and the offset in the channel's own unit; the calibration file made for
    // the module holds 25 °C.
    const Ingangweergave f = toon(1, 2);
    EXPECT_EQ(f.temperatuur.LabelExtra.tekst, u8("Manual value:"));
    EXPECT_EQ(f.temperatuur.LabelExtraData.tekst, u8("77.0°F"));
    EXPECT_EQ(f.temperatuur.LabelOffsetData.tekst, u8("0.0°F"));
    EXPECT_EQ(f.temperatuur.ComboEenheid.gekozen, 1);
    EXPECT_EQ(f.temperatuur.ComboResolutie.gekozen, 1);
    EXPECT_TRUE(f.temperatuur.FrameCalibrationData.zichtbaar);

    // Switched off: the lists greyed, the calibration frames and status texts gone; on again: back.
    mod.Meting[3].Set = false;
    const Ingangweergave uit = toon(1, 2);
    EXPECT_FALSE(uit.meting.ComboEenheid.ingeschakeld);
    EXPECT_FALSE(uit.meting.FrameCalibrationData.zichtbaar);
    EXPECT_FALSE(uit.temperatuur.FrameCalibrationData.zichtbaar);
    EXPECT_FALSE(uit.temperatuur.ComboEenheid.ingeschakeld);
    EXPECT_FALSE(uit.TextSensor.ingeschakeld);
    mod.Meting[3].Set = true;
    EXPECT_TRUE(toon(1, 2).temperatuur.FrameCalibrationData.zichtbaar);
}

TEST_F(ModuleInstellingenTest, OxygenAndIonInputsShowTheirOwnFields) {
    ModuleRecord& mod = module(3, "K761", {"mg/l", "%", "g/l"});
    mod.Meting[1].Extra = 35.5f;
    mod.Meting[3].Resolution = 7;
    const Ingangweergave zuurstof = toon(3, 0);
    EXPECT_TRUE(zuurstof.ComboExtra.zichtbaar);
    EXPECT_TRUE(zuurstof.ComboExtra.ingeschakeld);
    EXPECT_EQ(zuurstof.ComboExtra.tekst, u8("35.5"));
    EXPECT_EQ(zuurstof.LabelSalinity.tekst, u8("Salinity (g/kg):"));
    EXPECT_EQ(zuurstof.meting.ComboResolutie.items, (QStringList{"0.1", "0.01"}));
    EXPECT_FALSE(zuurstof.meting.LabelSlope.zichtbaar);
    EXPECT_EQ(toon(3, 1).meting.ComboResolutie.items, (QStringList{"1", "0.1"}));

    const Ingangweergave ion = toon(3, 2);
    EXPECT_EQ(ion.meting.LabelResolutie.tekst, u8("Ion:"));
    EXPECT_EQ(ion.meting.ComboResolutie.items.size(), 26);
    EXPECT_EQ(ion.meting.ComboResolutie.gekozen, 7);
    EXPECT_TRUE(ion.meting.ComboResolutie.ingeschakeld);
    EXPECT_FALSE(ion.ComboExtra.zichtbaar);
    EXPECT_EQ(ion.meting.LabelExtraData.tekst, u8("Not calibrated."));
}

TEST_F(ModuleInstellingenTest, OneInputSharesItsTemperatureAndTheOthersMayUseIt) {
    ModuleRecord& mod = module(1, "K761", {"pH", "pH", "pH", "pH"});
    for (int tab = 0; tab < 4; ++tab) {
        const Ingangweergave w = toon(1, tab);
        EXPECT_FALSE(w.CheckSharedMeasurement.aangevinkt);
        EXPECT_TRUE(w.CheckSharedMeasurement.ingeschakeld);
        EXPECT_FALSE(w.CheckUseSharedMeasurement.ingeschakeld);
        EXPECT_EQ(w.CheckUseSharedMeasurement.tekst, u8("Use the shared measurement ()."));
    }

    mod.Temperatuur[3].Shared = true;
    mod.Temperatuur[1].UseShared = true;
    mod.Temperatuur[2].UseShared = false;
    const Ingangweergave gedeeld = toon(1, 2);
    EXPECT_TRUE(gedeeld.CheckSharedMeasurement.aangevinkt);
    EXPECT_TRUE(gedeeld.CheckSharedMeasurement.ingeschakeld);
    EXPECT_FALSE(gedeeld.CheckUseSharedMeasurement.ingeschakeld);
    for (int tab : {0, 1, 3}) {
        const Ingangweergave w = toon(1, tab);
        EXPECT_FALSE(w.CheckSharedMeasurement.aangevinkt) << tab;
        EXPECT_FALSE(w.CheckSharedMeasurement.ingeschakeld) << tab;
        EXPECT_TRUE(w.CheckUseSharedMeasurement.ingeschakeld) << tab;
        EXPECT_EQ(w.CheckUseSharedMeasurement.tekst, u8("Use the shared measurement (°C3).")) << tab;
    }
    // Input 1 takes the shared temperature: its temperature controls, lists included, and its
    // manual-follow box are greyed; input 2 keeps its own.
    const Ingangweergave gebruikt = toon(1, 0);
    EXPECT_TRUE(gebruikt.CheckUseSharedMeasurement.aangevinkt);
    EXPECT_FALSE(gebruikt.CheckManualFollowMeasurement.ingeschakeld);
    EXPECT_FALSE(gebruikt.temperatuur.ComboEenheid.ingeschakeld);
    EXPECT_FALSE(gebruikt.temperatuur.ComboResolutie.ingeschakeld);
    EXPECT_FALSE(gebruikt.temperatuur.FrameCalibrationData.ingeschakeld);
    EXPECT_TRUE(toon(1, 1).temperatuur.ComboEenheid.ingeschakeld);
    EXPECT_FALSE(KalibratieKnopAan(1, 1, 1, true));
    EXPECT_TRUE(KalibratieKnopAan(1, 1, 1, false));
    EXPECT_TRUE(KalibratieKnopAan(1, 1, 3, true));
    EXPECT_TRUE(KalibratieKnopAan(1, 1, 2, true));

    // No longer shared: every tab offers the box again; input 1 keeps its flag, its box greyed, and
    // its temperature controls come back.
    mod.Temperatuur[3].Shared = false;
    const Ingangweergave weer = toon(1, 0);
    EXPECT_TRUE(weer.CheckSharedMeasurement.ingeschakeld);
    EXPECT_TRUE(weer.CheckUseSharedMeasurement.aangevinkt);
    EXPECT_FALSE(weer.CheckUseSharedMeasurement.ingeschakeld);
    EXPECT_TRUE(weer.temperatuur.ComboEenheid.ingeschakeld);
    EXPECT_TRUE(weer.CheckManualFollowMeasurement.ingeschakeld);
    EXPECT_TRUE(KalibratieKnopAan(1, 1, 1, true));

    // Two inputs marked shared (a hand-edited file): the lowest keeps it.
    mod.Temperatuur[2].Shared = mod.Temperatuur[4].Shared = true;
    HoudEenGedeeldeIngang(mod);
    EXPECT_TRUE(mod.Temperatuur[2].Shared);
    EXPECT_FALSE(mod.Temperatuur[4].Shared);
}

TEST_F(ModuleInstellingenTest, CalibrateAndGLPNeedARegisteredMeasuringRackAndAnInputInUse) {
    ModuleRecord& mod = module(1, "K761", {"pH", "pH"});
    mod.Meting[2].Set = false;
    EXPECT_TRUE(KalibratieKnopAan(1, 1, 1, false));
    EXPECT_FALSE(KalibratieKnopAan(1, 1, 2, false));
    RackVlaggen[1].Measure = false;
    EXPECT_FALSE(KalibratieKnopAan(1, 1, 1, false));
    RackVlaggen[1].Measure = true;
    mod.Present = false;
    EXPECT_FALSE(KalibratieKnopAan(1, 1, 1, false));
    mod.Present = true;
    Racks[1].Present = false;
    EXPECT_FALSE(KalibratieKnopAan(1, 1, 1, false));
}

TEST_F(ModuleInstellingenTest, WarningsBeforeOK) {
    ModuleRecord& mv = module(1, "K761", {"pH", "mV", "°C", "pH"});
    mv.Meting[4].Set = false;
    EXPECT_EQ(waarschuwing(1, 1), Tekst[368]);
    EXPECT_EQ(waarschuwing(1, 2), QString());
    EXPECT_EQ(waarschuwing(1, 3), QString());
    EXPECT_EQ(waarschuwing(1, 4), QString()); // not in use

    ModuleRecord& ec = module(2, "K762", {"S/cm", "°C", "S/cm"});
    ec.Meting[1].Extra = -1;
    ec.Meting[2].Extra = -1;
    ec.Meting[3].Extra = -1;
    kalibreerCel(2, 1, 0, 1.0f);
    kalibreerCel(2, 2, 0, 1.0f);
    kalibreerCel(2, 3, -1, 1.0f);
    EXPECT_EQ(waarschuwing(2, 1), Tekst[367] + Tekst[368]);
    EXPECT_EQ(waarschuwing(2, 2), QString()); // no cell-type warning on a temperature input
    EXPECT_EQ(waarschuwing(2, 3), QString());
}

TEST_F(ModuleInstellingenTest, TheImageOfTheDialogsSettingsLeavesTheLiveRecordAsItWas) {
    ModuleRecord& mod = module(1, "K761", {"pH"});
    kalibreer(1, 1, {Geijkt, 7.02f, 0.985f, 0, 4.0f, 7.0f});
    LaadModuleKalibratie(1, 1, 0);
    HandTemperaturen[1][1][1] = 31.0f;
    ModuleRecord instellingen = mod;
    instellingen.Meting[1].Unit = QStringLiteral("mV");
    instellingen.Meting[1].Name = QStringLiteral("Changed");
    {
        const Instellingenbeeld beeld = MaakInstellingenbeeld(1, 1, instellingen);
        EXPECT_EQ(beeld.module.Meting[1].Unit.getrimd(), QStringLiteral("mV"));
        EXPECT_EQ(beeld.module.Meting[1].KalibratieDatum, 0); // no mV calibration
        EXPECT_FLOAT_EQ(beeld.hand[1], 0.0f);                 // as the file holds it (no temperature record)
    }
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].Unit.getrimd(), QStringLiteral("pH"));
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].Name.getrimd(), QStringLiteral("In 1"));
    EXPECT_EQ(Racks[1].Modules[1].Meting[1].KalibratieDatum, Geijkt);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][1][1], 31.0f);
}
