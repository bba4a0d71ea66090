#include "calibration/IonBerekening.h"
#include "SchoneOmgeving.h"
#include "shared/Teksten.h"

#include <gtest/gtest.h>

TEST(IonBerekening, TheStandardListRunsFromOneNanogramToTenGramPerLitre) {
    EXPECT_EQ(IonStandaardTekst(0), "1.00 ng/l");
    EXPECT_EQ(IonStandaardTekst(3), "1.00 µg/l");
    EXPECT_EQ(IonStandaardTekst(6), "1.00 mg/l");
    EXPECT_EQ(IonStandaardTekst(10), "10.0 g/l");
    EXPECT_EQ(IonStandaardTekst(11), "");
    EXPECT_EQ(IonLogConcentratie(3), -6.0f);
    EXPECT_EQ(IonLogConcentratie(10), 1.0f);
    // Stored positions outside the list fall back to the defaults.
    EXPECT_EQ(GeldigeStandaardIndex(10, 0), 10);
    EXPECT_EQ(GeldigeStandaardIndex(0, 1), 0);
    EXPECT_EQ(GeldigeStandaardIndex(11, 0), 3);
    EXPECT_EQ(GeldigeStandaardIndex(-1, 1), 6);
}

// 1.00 µg/l at -177.0 mV and 1.00 mg/l at 0.0 mV: 59.0 mV/decade, E = 3.0; the text shows -E.
class IonTekstenTest : public SchoneOmgeving {};

TEST_F(IonTekstenTest, TwoStandardsGiveSlopeAndZeroPoint) {
    const IonUitkomst u = IonKalibratie(-177.0f, -6.0f, 0.0f, -3.0f);
    ASSERT_TRUE(u.Aanvaard());
    EXPECT_FLOAT_EQ(u.Helling, 59.0f);
    EXPECT_FLOAT_EQ(u.Nulpunt, 3.0f);
    const QString tekst = IonResultaatTekst(u);
    EXPECT_TRUE(tekst.startsWith(Tekst[305])) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(") = 59.0\r\n")) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(") = -3.000\r\n")) << tekst.toStdString();
}

TEST(IonBerekening, SlopeAndZeroPointAreAcceptedWithinTheirLimitsOfEitherSign) {
    for (float mV : {5.0f, 200.0f, -5.0f, -200.0f}) {
        EXPECT_TRUE(IonKalibratie(mV, -5.0f, 0.0f, -4.0f).Aanvaard()) << mV;
        EXPECT_FLOAT_EQ(IonKalibratie(mV, -5.0f, 0.0f, -4.0f).Helling, -mV) << mV;
    }
    for (float mV : {4.9f, 200.1f, -4.9f, -200.1f}) {
        const IonUitkomst u = IonKalibratie(mV, -5.0f, 0.0f, -4.0f);
        EXPECT_EQ(u.Melding, 304) << mV;
        EXPECT_EQ(u.Helling, 0.0f) << mV;
    }
    // E = mV2 / slope - logC2: 12 and -12 pass.
    EXPECT_FLOAT_EQ(IonKalibratie(354.0f, -6.0f, 531.0f, -3.0f).Nulpunt, 12.0f);
    EXPECT_FLOAT_EQ(IonKalibratie(-1062.0f, -6.0f, -885.0f, -3.0f).Nulpunt, -12.0f);
    // 12.01 is a failed calibration, not a zero point of 0.
    EXPECT_FALSE(IsNulpuntISEAanvaard(12.01f));
    EXPECT_FALSE(IsNulpuntISEAanvaard(-12.01f));
    EXPECT_TRUE(IsNulpuntISEAanvaard(12.0f));
    const IonUitkomst teHoog = IonKalibratie(0.0f, -13.0f, 59.0f, -12.0f); // E = 1 + 12 = 13
    EXPECT_EQ(teHoog.Melding, 303);
    EXPECT_EQ(teHoog.Nulpunt, 0.0f);
    EXPECT_EQ(teHoog.Helling, 0.0f);
}

TEST(IonBerekening, TheBlankMustLieStrictlyBelowBothStandards) {
    // 59 mV/decade, E = 3: -177 mV is log -6, 0 mV is log -3.
    EXPECT_TRUE(IsBlancoAanvaard(-236.0f, -177.0f, 0.0f, 59.0f, 3.0f));
    EXPECT_FALSE(IsBlancoAanvaard(-177.0f, -177.0f, 0.0f, 59.0f, 3.0f));
    EXPECT_FALSE(IsBlancoAanvaard(-100.0f, -177.0f, 0.0f, 59.0f, 3.0f));
    EXPECT_TRUE(TeKleinVerschil(0.0f, 4.9f));
    EXPECT_FALSE(TeKleinVerschil(0.0f, -5.0f));
}

TEST(IonBerekening, TheRecordHoldsEveryFieldOfTheCalibration) {
    IonUitkomst u;
    u.Helling = 59.0f;
    u.Nulpunt = 3.0f;
    const KalibratieRecord r =
        IonKalibratieRecord(46000.5, u, 3, 6, {-177.0f, 24.5f, 17}, {0.0f, 25.5f, -21}, GeenBlanco);
    EXPECT_EQ(r.Tijdstip, 46000.5);
    EXPECT_EQ(r.Nulpunt, 3.0f);
    EXPECT_EQ(r.Helling, 59.0f);
    EXPECT_EQ(r.Blanco, 2000.0f);
    EXPECT_EQ(r.Standaard1, -6.0f);
    EXPECT_EQ(r.Standaard2, -3.0f);
    EXPECT_EQ(r.MilliVolt1, -177.0f);
    EXPECT_EQ(r.MilliVolt2, 0.0f);
    EXPECT_EQ(r.Temperatuur1, 24.5f);
    EXPECT_EQ(r.Temperatuur2, 25.5f);
    EXPECT_EQ(r.Duur1, 17.0f);
    EXPECT_EQ(r.Duur2, 21.0f);
}
