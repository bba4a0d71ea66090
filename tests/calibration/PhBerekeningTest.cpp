#include "calibration/PhBerekening.h"
#include "SchoneOmgeving.h"

#include <gtest/gtest.h>

namespace {

// The electrode law: the mV an electrode of this ISO pH and slope gives in a solution of pH `ph` at
// T °C, worked out in double precision.
float Electrode(double iso, double helling, double ph, double T) {
    return static_cast<float>((iso - ph) * helling * (T + 273.159) / 5.04);
}

} // namespace

TEST(PhBerekeningTest, TheToleranceOfTheElectrodeFollowsTheInputsResolution) {
    EXPECT_FLOAT_EQ(MillivoltTolerantie(1), 0.35f);
    EXPECT_FLOAT_EQ(MillivoltTolerantie(2), 0.15f);
    for (int r : {0, 3, -1})
        EXPECT_FLOAT_EQ(MillivoltTolerantie(r), 0.65f) << r;
    EXPECT_FLOAT_EQ(TemperatuurTolerantie, 0.15f);
}

TEST(PhBerekeningTest, TwoBuffersGiveBackTheElectrodeTheyWereMeasuredWith) {
    // Buffers at different temperatures: the slope refers both to one line through the ISO pH.
    const float mV1 = Electrode(7.12, 0.96, 7.00, 20.0);
    const float mV2 = Electrode(7.12, 0.96, 4.01, 30.0);
    const PhUitkomst u = TweepuntsKalibratie(mV1, 20.0f, 7.00f, mV2, 30.0f, 4.01f);
    ASSERT_TRUE(u.Aanvaard());
    EXPECT_NEAR(u.Helling, 0.96f, 1e-4f);
    EXPECT_NEAR(u.IsoPH, 7.12f, 1e-3f);

    const PhUitkomst een = EenpuntsKalibratie(Electrode(6.9, 1.0, 4.0, 25.0), 25.0f, 4.0f);
    ASSERT_TRUE(een.Aanvaard());
    EXPECT_EQ(een.Helling, 1.0f);
    EXPECT_NEAR(een.IsoPH, 6.9f, 1e-4f);
}

TEST(PhBerekeningTest, AcceptanceLimitsAreInclusiveAndTellWhyAResultIsRejected) {
    EXPECT_FLOAT_EQ(EenpuntsKalibratie(0.0f, 25.0f, 6.0f).IsoPH, 6.0f);
    EXPECT_FLOAT_EQ(EenpuntsKalibratie(0.0f, 25.0f, 8.0f).IsoPH, 8.0f);
    const PhUitkomst hoog = EenpuntsKalibratie(0.0f, 25.0f, 8.01f);
    EXPECT_EQ(hoog.Melding, MeldingIsoPH);
    EXPECT_EQ(hoog.IsoPH, 0.0f);
    EXPECT_EQ(hoog.Helling, 0.0f);
    EXPECT_EQ(EenpuntsKalibratie(0.0f, 25.0f, 5.99f).Melding, MeldingIsoPH);

    const auto helling = [](double s) {
        return TweepuntsKalibratie(Electrode(7.0, s, 7.0, 25.0), 25.0f, 7.0f, Electrode(7.0, s, 4.0, 25.0),
                                   25.0f, 4.0f);
    };
    EXPECT_TRUE(helling(0.801).Aanvaard());
    EXPECT_TRUE(helling(1.199).Aanvaard());
    for (double s : {0.79, 1.21}) {
        const PhUitkomst u = helling(s);
        EXPECT_EQ(u.Melding, MeldingHelling) << s;
        EXPECT_EQ(u.Helling, 0.0f) << s;
    }
    // A good slope with an ISO pH out of range.
    const PhUitkomst iso = TweepuntsKalibratie(Electrode(8.5, 1.0, 7.0, 25.0), 25.0f, 7.0f,
                                               Electrode(8.5, 1.0, 4.0, 25.0), 25.0f, 4.0f);
    EXPECT_EQ(iso.Melding, MeldingIsoPH);
    // The same pH twice gives no slope at all.
    EXPECT_EQ(TweepuntsKalibratie(0.0f, 25.0f, 7.0f, 50.0f, 25.0f, 7.0f).Melding, MeldingHelling);
}

TEST(PhBerekeningTest, TheChecksOfABufferAcceptTheirLimits) {
    // 0 mV is pH 7 for the ideal electrode.
    EXPECT_TRUE(IsEersteBufferPlausibel(0.0f, 25.0f, 5.5f));
    EXPECT_TRUE(IsEersteBufferPlausibel(0.0f, 25.0f, 8.5f));
    EXPECT_FALSE(IsEersteBufferPlausibel(0.0f, 25.0f, 5.49f));
    EXPECT_TRUE(IsEersteBufferPlausibel(Electrode(7.0, 1.0, 4.01, 25.0), 25.0f, 4.01f));
    EXPECT_FALSE(IsEersteBufferPlausibel(Electrode(7.0, 1.0, 4.01, 25.0), 25.0f, 7.0f))
        << "the electrode is in another buffer than the one chosen";

    EXPECT_TRUE(VerschillenBuffersGenoegInMillivolt(100.0f, 115.0f));
    EXPECT_TRUE(VerschillenBuffersGenoegInMillivolt(115.0f, 100.0f));
    EXPECT_FALSE(VerschillenBuffersGenoegInMillivolt(100.0f, 114.9f));

    EXPECT_TRUE(VerschillenBuffersGenoegInPH(7.0f, 5.5f));
    EXPECT_FALSE(VerschillenBuffersGenoegInPH(7.0f, 5.6f));
    EXPECT_FALSE(VerschillenBuffersGenoegInPH(4.0f, 4.01f));
}

TEST(PhBerekeningTest, TheRecordNamesTheStandardsByTheirListEntriesOrTheirShownPH) {
    BufferMeting b1{QStringLiteral("7.00"), QStringLiteral("7.00"), 5.7f, 24.8f, 21};
    BufferMeting b2{QStringLiteral("Phthalate"), QStringLiteral("4.003"), 177.8f, 25.3f, -19};
    PhUitkomst u;
    u.Helling = 0.97f;
    u.IsoPH = 7.1f;
    const KalibratieRecord twee = PhKalibratieRecord(46000.5, u, b1, &b2);
    EXPECT_EQ(twee.Tijdstip, 46000.5);
    EXPECT_EQ(twee.Nulpunt, 7.1f);
    EXPECT_EQ(twee.Helling, 0.97f);
    EXPECT_EQ(twee.Blanco, 0.0f);
    EXPECT_FLOAT_EQ(twee.Standaard1, 7.00f);
    EXPECT_FLOAT_EQ(twee.Standaard2, 4.003f) << "a name without a number: the pH as shown";
    EXPECT_EQ(twee.MilliVolt1, 5.7f);
    EXPECT_EQ(twee.MilliVolt2, 177.8f);
    EXPECT_EQ(twee.Temperatuur1, 24.8f);
    EXPECT_EQ(twee.Temperatuur2, 25.3f);
    EXPECT_EQ(twee.Duur1, 21.0f);
    EXPECT_EQ(twee.Duur2, 19.0f);

    u.Helling = 1.0f;
    const KalibratieRecord een = PhKalibratieRecord(46000.5, u, b1, nullptr);
    EXPECT_EQ(een.Helling, 1.0f);
    for (float veld : {een.Standaard2, een.MilliVolt2, een.Temperatuur2, een.Duur2})
        EXPECT_EQ(veld, 0.0f);
}

class PhTekstenTest : public SchoneOmgeving {};

TEST_F(PhTekstenTest, TextsOfTheResultAndTheTime) {
    PhUitkomst u;
    u.Helling = 1.0f;
    u.IsoPH = 7.0123f;
    EXPECT_EQ(PhResultaatTekst(u), QStringLiteral("Slope = 100.0 % / ISO pH = 7.012 pH"));
    EXPECT_EQ(MinutenSecondenTekst(7), QStringLiteral("0:07"));
    EXPECT_EQ(MinutenSecondenTekst(750), QStringLiteral("12:30"));
}
