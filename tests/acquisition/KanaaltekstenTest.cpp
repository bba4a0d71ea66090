#include "acquisition/Kanaalteksten.h"
#include "SchoneOmgeving.h"
#include "acquisition/K761Teksten.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "shared/Teksten.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
QString u8(const char* t) {
    return QString::fromUtf8(t);
}
} // namespace

class KanaaltekstenTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        Racks[1].Present = true;
        for (int m = 1; m <= 2; ++m) {
            Racks[1].Modules[m].Present = true;
            Racks[1].Modules[m].Type = m == 1 ? "K761" : "K762";
            for (int c = 1; c <= 4; ++c) {
                Racks[1].Modules[m].Temperatuur[c].Unit = u8("°C");
                Racks[1].Modules[m].Temperatuur[c].Waarde = 25.04f;
            }
        }
    }
    KanaalRecord& meting(int m, int c) { return Racks[1].Modules[m].Meting[c]; }
    QString concentratie(float L) { return ConcentratieTekst(L); }
};

TEST_F(KanaaltekstenTest, ConcentrationTexts) {
    EXPECT_EQ(concentratie(-2.6f), "2.51 mg/l");
    EXPECT_EQ(concentratie(-9.3f), "0.50 ng/l");
    EXPECT_EQ(concentratie(-0.5f), "316 mg/l");
    EXPECT_EQ(concentratie(0.5f), "3.16 g/l");
    EXPECT_EQ(concentratie(1.5f), "31.6 g/l");
    EXPECT_EQ(concentratie(2.0f), "OR. g/l");
    EXPECT_EQ(concentratie(-8.0f), "10.0 ng/l");
    EXPECT_EQ(concentratie(-6.5f), "316 ng/l");
    EXPECT_EQ(concentratie(-5.5f), u8("3.16 µg/l"));
    EXPECT_EQ(concentratie(-4.5f), u8("31.6 µg/l"));
    float L = -15;
    EXPECT_EQ(ConcentratieTekst(L), "0.00 ng/l");
    EXPECT_FLOAT_EQ(L, -12.0f);
    L = 3;
    EXPECT_EQ(IonGetalTekst(L), "OR.");
    EXPECT_FLOAT_EQ(L, 2.0f);
    EXPECT_EQ(IonEenheidTekst(L), "g/l");
    L = -2.6f;
    EXPECT_EQ(IonGetalTekst(L), "2.51");
    EXPECT_EQ(IonEenheidTekst(L), "mg/l");
}

TEST_F(KanaaltekstenTest, IonInputTextsAndNames) {
    meting(1, 1).Unit = "g/l";
    meting(1, 1).Resolution = 22;
    meting(1, 1).Waarde = -3.2f;
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 1), "631");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 1), u8("NO3 µg/l"));
    meting(1, 1).Waarde = 2;
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 1), "OR.");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 1), "NO3 g/l");
    EXPECT_EQ(IonNaam(0), "Ion");
    EXPECT_EQ(IonNaam(8), "ClO4");
    EXPECT_EQ(IonNaam(25), "X");
    EXPECT_EQ(IonNaam(26), "");
    EXPECT_EQ(IonNaam(-1), "");
}

TEST_F(KanaaltekstenTest, K761ValueAndUnitTextsByUnit) {
    meting(1, 1).Unit = "pH";
    meting(1, 1).Resolution = 1;
    meting(1, 1).Waarde = 6.998f;
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 1), "7.00");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 1), "pH");
    meting(1, 1).Resolution = 2;
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 1), "6.998");
    meting(1, 2).Unit = "mg/l";
    meting(1, 2).Waarde = 8.126f;
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 2), "8.1");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 2), "mg/l DO");
    meting(1, 3).Unit = "%";
    meting(1, 3).Resolution = 1;
    meting(1, 3).Waarde = 99.96f;
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 3), "100.0");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 3), "% DO");
    meting(1, 4).Unit = u8("°C");
    meting(1, 4).Waarde = 25.04f;
    Racks[1].Modules[1].Temperatuur[4].Unit = u8("°F");
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 4), "25");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 4), u8("°F"));
    meting(1, 4).Unit = "xyz";
    EXPECT_EQ(KanaalWaardeTekstK761(1, 1, 4), "");
    EXPECT_EQ(KanaalEenheidTekstK761(1, 1, 4), "");
}

TEST_F(KanaaltekstenTest, ConductivityInTheInputsRange) {
    // Range 1 with a cell of 1 cm-1 (type 0): step 3, full scale 2000 µS/cm.
    EXPECT_EQ(GeleidbaarheidTekst(1.413f, 1, 0, true), u8("1413 µS/cm"));
    EXPECT_EQ(GeleidbaarheidTekst(2.5f, 1, 0, true), u8("OR. µS/cm"));
    EXPECT_EQ(GeleidbaarheidTekst(2.5f, 1, 0, false), u8("2500 µS/cm"));
    EXPECT_EQ(GeleidbaarheidTekst(1.288f, 3, 0, true), "128.8 mS/cm");
    EXPECT_EQ(GeleidbaarheidTekst(2.5f, 3, 0, true), "OR. mS/cm");
    EXPECT_EQ(GeleidbaarheidTekst(1.5f, 0, -2, true), u8("1.500 µS/cm"));
    EXPECT_EQ(TDSTekst(1.413f, 1, 0, true), "1413 mg/l");
    EXPECT_EQ(TDSTekst(2.5f, 1, 0, true), "OR. mg/l");
    EXPECT_EQ(TDSTekst(2.5f, 3, 0, true), "OR. g/l");
    EXPECT_EQ(GeleidbaarheidGetalTekst(2.5f, 1, 0, true), "OR.");
    EXPECT_EQ(GeleidbaarheidEenheidTekst(2.5f, 1, 0, true), u8("µS/cm"));
    EXPECT_EQ(GeleidbaarheidGetalTekst(1.288f, 3, 0, true), "128.8");
    EXPECT_EQ(GeleidbaarheidEenheidTekst(1.288f, 3, 0, true), "mS/cm");
    EXPECT_EQ(TDSGetalTekst(2.5f, 1, 0, true), "OR.");
    EXPECT_EQ(TDSEenheidTekst(2.5f, 3, 0, true), "g/l");
    EXPECT_EQ(GeleidbaarheidWaardeTekst(12.3456f, 2, 0), "12.35 mS/cm");
    EXPECT_EQ(ZoutgehalteTekst(12.3456f, 0, 0), "12.3 mg/l");
    // A step outside 0..6 gives no text at all.
    EXPECT_EQ(GeleidbaarheidTekst(1, 3, 2, true), "");
    EXPECT_EQ(GeleidbaarheidGetalTekst(1, 3, 2, true), "");
    EXPECT_EQ(GeleidbaarheidEenheidTekst(1, 3, 2, true), "");
    EXPECT_EQ(TDSTekst(1, -2, -1, true), "");
    EXPECT_EQ(GeleidbaarheidWaardeTekst(1, 3, 2), "");
}

TEST_F(KanaaltekstenTest, ConductivityWithoutRangeChoosesItsUnitBySize) {
    EXPECT_EQ(GeleidbaarheidTekst(0.001413f, -1, 0, true), u8("1413 µS/cm"));
    EXPECT_EQ(GeleidbaarheidTekst(0.01288f, -1, 0, true), "12.88 mS/cm");
    EXPECT_EQ(GeleidbaarheidTekst(0.1118f, -1, 0, true), "111.8 mS/cm");
    EXPECT_EQ(GeleidbaarheidTekst(0.5f, -1, 5, false), "500 mS/cm");
    EXPECT_EQ(GeleidbaarheidTekst(2.5f, -1, 0, false), "OR. mS/cm");
    EXPECT_EQ(GeleidbaarheidTekst(0.00005f, -1, 0, true), u8("50.0 µS/cm"));
    EXPECT_EQ(GeleidbaarheidTekst(0.000001f, -1, 0, true), u8("1.00 µS/cm"));
    EXPECT_EQ(TDSTekst(2.5f, -1, 0, true), "OR. g/l");
    EXPECT_EQ(TDSTekst(0.001413f, -1, 0, true), "1413 mg/l");
}

TEST_F(KanaaltekstenTest, K762InputTexts) {
    meting(2, 1).Unit = "S/cm";
    meting(2, 1).Resolution = 1;
    meting(2, 1).Extra = 0;
    meting(2, 1).Waarde = 1.413f;
    EXPECT_EQ(KanaalWaardeTekstK762(1, 2, 1), "1413");
    EXPECT_EQ(KanaalEenheidTekstK762(1, 2, 1), u8("µS/cm"));
    meting(2, 1).Waarde = 9999;
    EXPECT_EQ(KanaalWaardeTekstK762(1, 2, 1), "OR.");
    meting(2, 2).Unit = "g/l";
    meting(2, 2).Resolution = 2;
    meting(2, 2).Extra = 0.5f; // cell type 0
    meting(2, 2).Waarde = 0.75f;
    EXPECT_EQ(KanaalWaardeTekstK762(1, 2, 2), "7.50"); // step 4: 2 x 10^4 on the display scale
    EXPECT_EQ(KanaalEenheidTekstK762(1, 2, 2), "g/l");
    meting(2, 3).Unit = u8("°C");
    meting(2, 3).Waarde = 25.04f;
    Racks[1].Modules[2].Temperatuur[3].Resolution = 1;
    Racks[1].Modules[2].Temperatuur[3].Unit = "K";
    EXPECT_EQ(KanaalWaardeTekstK762(1, 2, 3), "25.0");
    EXPECT_EQ(KanaalEenheidTekstK762(1, 2, 3), "K");
    // Cell type 2 with range 3: no display step.
    meting(2, 1).Resolution = 3;
    meting(2, 1).Extra = 2;
    meting(2, 1).Waarde = 1;
    EXPECT_EQ(KanaalWaardeTekstK762(1, 2, 1), "");
    EXPECT_EQ(KanaalEenheidTekstK762(1, 2, 1), "");
    EXPECT_EQ(GeleidbaarheidGLPTekst(1, 2, 1), "");
}

TEST_F(KanaaltekstenTest, CellConstantsAndFullScale) {
    EXPECT_EQ(CelconstanteTekst(0.987f, -1), "0.0987");
    EXPECT_EQ(CelconstanteTekst(1.02f, 1), "10.20");
    EXPECT_EQ(CelconstanteTekst(1.0f, -2), "0.01000");
    EXPECT_EQ(CelconstanteTekst(0.9876f, 0), "0.988");
    const int typen[] = {-2, -1, 0, 1, 2};
    const char* namen[] = {"0.01 cm-1", "0.1 cm-1", "1.0 cm-1", "10 cm-1", ""};
    for (int i = 0; i < 5; ++i) {
        meting(2, 1).Extra = static_cast<float>(typen[i]);
        EXPECT_EQ(CelconstanteGLPTekst(1, 2, 1), namen[i]);
    }
    meting(2, 1).Extra = 0;
    const char* schalen[] = {"2.000 µS/cm", "20.00 µS/cm", "200.0 µS/cm", "2000 µS/cm",
                             "20.00 mS/cm", "200.0 mS/cm", "2000 mS/cm"};
    for (int s = 0; s <= 6; ++s) {
        meting(2, 1).Resolution = static_cast<int16_t>(s - 2);
        EXPECT_EQ(GeleidbaarheidGLPTekst(1, 2, 1), u8(schalen[s]));
    }
}

TEST_F(KanaaltekstenTest, KClStandardNames) {
    Tekst[481] = "Manual input";
    EXPECT_EQ(KClStandaardNaam(u8("1413 µS/cm")), "0.01 M KCl");
    EXPECT_EQ(KClStandaardNaam(u8("  1,413 µS/cm ")), u8("1,413 µS/cm"));
    EXPECT_EQ(KClStandaardNaam("12.88 mS/cm"), "0.1 M KCl");
    EXPECT_EQ(KClStandaardNaam("12,88 mS/cm"), "0.1 M KCl");
    EXPECT_EQ(KClStandaardNaam("111.8 mS/cm"), "1 M KCl");
    EXPECT_EQ(KClStandaardNaam("0"), "Manual input");
    EXPECT_EQ(KClStandaardNaam("500 µS/cm"), u8("500 µS/cm"));
}

TEST_F(KanaaltekstenTest, OnOffAndReferenceTemperatureTexts) {
    Tekst[418] = "On";
    Tekst[419] = "Off";
    TemperatuurCompensatie = true;
    EXPECT_EQ(CompensatieTekst(), "On");
    TemperatuurCompensatie = false;
    EXPECT_EQ(CompensatieTekst(), "Off");
    EXPECT_EQ(InstellingTekstK762(1, 2, 1), "Off");
    Racks[1].Modules[2].Temperatuur[1].Extra = 0.1f;
    EXPECT_EQ(InstellingTekstK762(1, 2, 1), "On");
    ReferentieTemperatuur = 0;
    EXPECT_EQ(ReferentieTemperatuurTekst(u8("°F")), u8("68°F"));
    ReferentieTemperatuur = 1;
    EXPECT_EQ(ReferentieTemperatuurTekst(u8("°C")), u8("25°C"));
    EXPECT_EQ(ReferentieTemperatuurTekst("K"), "298K");
}

TEST_F(KanaaltekstenTest, DisplayUsesTheLocaleDecimalSign) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    Racks[1].Modules[1].Temperatuur[1].Resolution = 1;
    EXPECT_EQ(GeleidbaarheidTekst(1.288f, 3, 0, true), "128,8 mS/cm");
    EXPECT_EQ(concentratie(-2.6f), "2,51 mg/l");
    EXPECT_EQ(TemperatuurTekst(1, 1, 1), "25,0");
}

TEST_F(KanaaltekstenTest, ModelIndependentTextsMarkOverRange) {
    meting(1, 1).Unit = "pH";
    meting(1, 1).Resolution = 1;
    meting(1, 1).Waarde = 7.1f;
    Racks[1].Modules[1].Temperatuur[1].Resolution = 1;
    meting(1, 1).Flags = VlagTemperatuurTeHoog;
    EXPECT_EQ(MeetwaardeTekst(1, 1, 1), u8("OR.°C"));
    EXPECT_EQ(TemperatuurTekst(1, 1, 1), "OR.");
    meting(1, 1).Flags = VlagBovenBereik;
    EXPECT_EQ(MeetwaardeTekst(1, 1, 1), "OR.");
    EXPECT_EQ(TemperatuurTekst(1, 1, 1), "25.0");
    meting(1, 1).Flags = VlagSensorAanwezig;
    EXPECT_EQ(MeetwaardeTekst(1, 1, 1), "7.10");
    EXPECT_EQ(EenheidTekst(1, 1, 1), "pH");
    Racks[1].Modules[1].Temperatuur[1].Resolution = 0;
    Racks[1].Modules[1].Temperatuur[1].Unit = u8("°F");
    EXPECT_EQ(TemperatuurTekst(1, 1, 1), "77");
    meting(1, 2).Unit = u8("°C");
    EXPECT_EQ(EenheidTekst(1, 1, 2), "");
    for (const char* type : {"    ", "----"}) {
        Racks[1].Modules[1].Type = type;
        EXPECT_EQ(MeetwaardeTekst(1, 1, 1), "");
        EXPECT_EQ(EenheidTekst(1, 1, 1), "");
    }
    meting(1, 1).Flags = VlagOnderBereik;
    EXPECT_EQ(MeetwaardeTekst(1, 1, 1), "OR.");
}

TEST_F(KanaaltekstenTest, SharedTemperatureInput) {
    EXPECT_EQ(GedeeldeTemperatuurIngang(1, 1), 0);
    EXPECT_EQ(GedeeldeTemperatuurNaam(1, 1), "");
    Racks[1].Modules[1].Temperatuur[2].Shared = true;
    Racks[1].Modules[1].Temperatuur[4].Shared = true;
    EXPECT_EQ(GedeeldeTemperatuurIngang(1, 1), 2);
    EXPECT_EQ(GedeeldeTemperatuurNaam(1, 1), u8("°C2"));
}
