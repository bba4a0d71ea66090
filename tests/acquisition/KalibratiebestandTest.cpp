#include "acquisition/Kalibratiebestand.h"
#include "Bestandsgrens.h"
#include "SchoneOmgeving.h"
#include "acquisition/K761.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "platform/Tekstbestand.h"
#include "shared/Getallen.h"
#include "shared/Melding.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

class KalibratiebestandTest : public SchoneOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& tekst, int, const QString&) override {
        meldingen << tekst;
        return int(vbOK);
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
        QDir().mkpath(MapKalibratie);
        Racks[1].Present = true;
        Racks[1].Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
        module(3).Present = true;
        module(3).Type = "K761";
        module(4).Present = true;
        module(4).Type = "K762";
        for (int c = 1; c <= 4; ++c)
            for (int m : {3, 4})
                module(m).Temperatuur[c].Unit = QStringLiteral("°C");
        ZetMeldingVenster(this);
    }
    ModuleRecord& module(int m) { return Racks[1].Modules[m]; }
    KanaalRecord& meting(int m, int c) { return module(m).Meting[c]; }
    QString pad(int m) const { return MapKalibratie + QStringLiteral("/Rack1-F-F-F-M%1.cal").arg(m); }
    QByteArray inhoud(int m) const {
        QByteArray b;
        platform::LeesBestand(pad(m), b);
        return b;
    }
    void schrijf(int m, const QByteArray& b) const {
        QFile f(pad(m));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    KalibratieRecord record(int m, int g, int c, int k, int soorten = SoortenK761) const {
        return LeesKalibratieRecord(inhoud(m), KalibratieRecordNummer(g, c, k, soorten));
    }
    static KalibratieRecord pHKalibratie(int i) {
        KalibratieRecord r;
        r.Tijdstip = 46010.0 + i;
        r.Nulpunt = static_cast<float>(7.0 + 0.01 * i);
        r.Helling = 0.98f;
        r.Standaard1 = 4.01f;
        r.Standaard2 = 7.0f;
        r.MilliVolt1 = static_cast<float>(170.0 + i);
        r.MilliVolt2 = -3.0f;
        r.Temperatuur1 = static_cast<float>(20.0 + i / 10.0);
        r.Temperatuur2 = 21.0f;
        r.Duur1 = static_cast<float>(30.0 + i);
        r.Duur2 = 40.0f;
        return r;
    }
    // The stores that give the golden file: a temperature record, an mV calibration and six pH ones.
    void bewaarReeks() {
        HandTemperaturen[1][3][2] = 21.5f;
        KalibratieRecord t;
        t.Tijdstip = 46000.25;
        t.Nulpunt = 0.4f;
        t.Standaard1 = 25.0f;
        ASSERT_TRUE(BewaarKalibratieK761(1, 3, 2, t, true));
        EXPECT_FLOAT_EQ(t.Temperatuur2, 21.5f); // the caller's record gets the manual temperature
        meting(3, 1).Unit = QStringLiteral(" mV");
        KalibratieRecord mv;
        mv.Tijdstip = 46001.5;
        mv.Nulpunt = -1.25f;
        mv.Helling = 1.0f;
        mv.Standaard1 = 100.0f;
        mv.MilliVolt1 = 101.25f;
        mv.Duur1 = 12.0f;
        ASSERT_TRUE(BewaarKalibratieK761(1, 3, 1, mv, false));
        EXPECT_EQ(meting(3, 1).Unit.tekst(), QStringLiteral("mV      "));
        meting(3, 2).Unit = QStringLiteral("pH");
        for (int i = 1; i <= 6; ++i) {
            KalibratieRecord ph = pHKalibratie(i);
            ASSERT_TRUE(BewaarKalibratieK761(1, 3, 2, ph, false));
        }
    }
    QStringList meldingen;
};

TEST_F(KalibratiebestandTest, StoresWriteTheGoldenFileAndTheSixthDropsTheOldestGeneration) {
    bewaarReeks();
    QByteArray verwacht;
    ASSERT_TRUE(platform::LeesBestand(QStringLiteral(K740_ACQUISITION_DATA "/Rack1-F-F-F-M3.cal"), verwacht));
    EXPECT_EQ(inhoud(3).size(), 87 * KalibratieRecordLengte);
    EXPECT_EQ(inhoud(3), verwacht);
    for (int g = 0; g < AantalGeneraties; ++g) // newest first: calibrations 6, 5, 4, 3, 2
        EXPECT_EQ(record(3, g, 2, 2).Tijdstip, 46010.0 + 6 - g) << g;
    EXPECT_TRUE(meldingen.isEmpty());
}

TEST_F(KalibratiebestandTest, LoadGivesTextsValuesAndManualTemperaturesAndReadsUnwrittenRecordsAsNeutral) {
    bewaarReeks();
    meting(3, 3).Unit = QStringLiteral("g/l");
    meting(3, 4).Unit = QStringLiteral("%");
    HandTemperaturen[1][3][2] = 30.0f;
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0));
    EXPECT_EQ(meting(3, 1).KalibratieTekst, QStringLiteral("100.0 mV"));
    EXPECT_FLOAT_EQ(meting(3, 1).Offset, -1.25f);
    EXPECT_EQ(meting(3, 1).KalibratieDatum, 46001.5);
    EXPECT_EQ(meting(3, 2).KalibratieTekst, QStringLiteral("4.01/7.00 pH"));
    EXPECT_FLOAT_EQ(meting(3, 2).Offset, 7.06f);
    EXPECT_FLOAT_EQ(meting(3, 2).Scale, 0.98f);
    EXPECT_FLOAT_EQ(module(3).Temperatuur[2].Offset, 0.4f);
    EXPECT_EQ(module(3).Temperatuur[2].KalibratieTekst, QStringLiteral("25.0°C"));
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][2], 21.5f);
    // Records never written read as zeros: neutral zero points and slopes, no ion blank.
    EXPECT_FLOAT_EQ(meting(3, 3).Offset, 0.0f);
    EXPECT_FLOAT_EQ(meting(3, 3).Scale, 1.0f);
    EXPECT_FLOAT_EQ(meting(3, 3).Extra, 0.0f);
    EXPECT_EQ(meting(3, 4).KalibratieTekst, QStringLiteral("0.00 mg/l - 0 hPa"));
    EXPECT_EQ(meting(3, 4).KalibratieInfo.toString(), QStringLiteral("0.0 mV"));
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][3], 0.0f);
}

TEST_F(KalibratiebestandTest, OnePHBufferIonBlankRuleAndLoadingOneInputAlone) {
    meting(3, 1).Unit = QStringLiteral("pH");
    meting(3, 2).Unit = QStringLiteral("g/l");
    KalibratieRecord ph = pHKalibratie(0);
    ph.Standaard1 = 7.0f;
    ph.Standaard2 = 0.0f;
    ph.Nulpunt = 9.0f; // outside 6..8
    ASSERT_TRUE(BewaarKalibratieK761(1, 3, 1, ph, false));
    KalibratieRecord ion;
    ion.Tijdstip = 46000;
    ion.Nulpunt = 1.0f;
    ion.Helling = -58.0f;
    ion.Blanco = 2000.0f;
    ion.Standaard1 = -3.0f;
    ion.Standaard2 = -2.0f;
    ASSERT_TRUE(BewaarKalibratieK761(1, 3, 2, ion, false));
    meting(3, 3).Offset = 123.0f;
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 1));
    EXPECT_EQ(meting(3, 1).KalibratieTekst, QStringLiteral("7.00 pH"));
    EXPECT_FLOAT_EQ(meting(3, 1).Offset, 7.0f);
    EXPECT_TRUE(meting(3, 2).KalibratieTekst.isEmpty()); // input 2 not loaded
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 2));
    EXPECT_EQ(meting(3, 2).KalibratieTekst, QStringLiteral("1.00 mg/l - 10.0 mg/l"));
    EXPECT_FLOAT_EQ(meting(3, 2).Extra, 0.0f); // blank of exactly 2000 mV
    ion.Blanco = 100.0f;
    ASSERT_TRUE(BewaarKalibratieK761(1, 3, 2, ion, false));
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 2));
    EXPECT_FLOAT_EQ(meting(3, 2).Extra, BerekenLogConcentratie(100.0f, -58.0f, 1.0f));
    EXPECT_EQ(meting(3, 2).KalibratieInfo.toString(), QStringLiteral("100.0 mV"));
    ion.Tijdstip = 0;
    ASSERT_TRUE(BewaarKalibratieK761(1, 3, 2, ion, false));
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 2));
    EXPECT_FLOAT_EQ(meting(3, 2).Extra, 0.0f); // never calibrated
    EXPECT_FLOAT_EQ(meting(3, 3).Offset, 123.0f);
}

TEST_F(KalibratiebestandTest, MissingFileIsCreatedWithDefaultsOfEachModel) {
    meting(3, 1).Unit = QStringLiteral("pH");
    meting(3, 2).Unit = QStringLiteral("mg/l");
    meting(3, 2).Extra = 35.0f;
    meting(3, 3).Unit = QStringLiteral("g/l");
    meting(3, 3).Extra = -4.0f;
    meting(4, 1).Extra = 1.0f;
    module(4).Temperatuur[1].Extra = 5.0f;
    HandTemperaturen[1][3][1] = 18.0f;
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0));
    EXPECT_TRUE(QFile::exists(pad(3)));
    EXPECT_EQ(inhoud(3).size(), 20 * KalibratieRecordLengte); // generation 0 only
    EXPECT_FLOAT_EQ(meting(3, 1).Offset, 7.0f);
    EXPECT_FLOAT_EQ(meting(3, 2).Scale, 0.1626f);
    EXPECT_FLOAT_EQ(meting(3, 2).Extra, 35.0f); // the salinity setting stays
    EXPECT_FLOAT_EQ(meting(3, 3).Extra, 0.0f);  // no blank yet
    EXPECT_EQ(meting(3, 1).KalibratieTekst, QStringLiteral("0"));
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][1], 18.0f); // a creation keeps the manual temperatures
    EXPECT_FLOAT_EQ(record(3, 0, 4, 3).Helling, 1.0f);
    EXPECT_FLOAT_EQ(record(3, 0, 4, 5).Helling, 1.0f);
    EXPECT_FLOAT_EQ(record(3, 0, 4, 5).Temperatuur2, 25.0f);

    ASSERT_TRUE(LaadKalibratieK762(1, 4, 0));
    EXPECT_EQ(inhoud(4).size(), 8 * KalibratieRecordLengte);
    EXPECT_FLOAT_EQ(record(4, 0, 2, 1, SoortenK762).Helling, 1.0f);
    EXPECT_FLOAT_EQ(record(4, 0, 2, 2, SoortenK762).Helling, 0.0f);
    EXPECT_FLOAT_EQ(record(4, 0, 2, 2, SoortenK762).Temperatuur2, 25.0f);
    EXPECT_EQ(meting(4, 1).KalibratieInfo.toInt(), 0);
    EXPECT_FLOAT_EQ(meting(4, 1).Extra, 1.0f); // the cell type setting stays
    EXPECT_FLOAT_EQ(module(4).Temperatuur[1].Extra, 0.0f);
    // The next load reads the file it created.
    ASSERT_TRUE(LaadKalibratieK762(1, 4, 0));
    EXPECT_FLOAT_EQ(HandTemperaturen[1][4][1], 25.0f);
}

TEST_F(KalibratiebestandTest, ConductivityZeroValueCellTypeAndTheSettingsStoredInTheFile) {
    EXPECT_FALSE(BewaarHandTemperatuurK762(1, 4, 1)); // no file yet: nothing is stored
    EXPECT_FALSE(QFile::exists(pad(4)));
    KalibratieRecord ec;
    ec.Tijdstip = 46000;
    ec.Helling = 1.7f; // outside 0.5..1.5
    ec.Blanco = -1.5f;
    ec.Standaard1 = 0.001413f;
    ec.MilliVolt2 = 38.95f;
    meting(4, 1).Unit = QStringLiteral("S/cm");
    meting(4, 1).Extra = 1.0f;
    ASSERT_TRUE(BewaarKalibratieK762(1, 4, 1, ec, false));
    ASSERT_TRUE(LaadKalibratieK762(1, 4, 1));
    EXPECT_FLOAT_EQ(meting(4, 1).Scale, 1.0f);
    EXPECT_EQ(meting(4, 1).KalibratieInfo.toInt(), -2); // ties to even
    EXPECT_EQ(meting(4, 1).KalibratieTekst, QString::fromUtf8("1413 µS/cm"));
    EXPECT_FLOAT_EQ(module(4).Temperatuur[1].Extra, 38.95f);
    EXPECT_FLOAT_EQ(meting(4, 1).Extra, 1.0f); // the cell type setting is not touched
    for (float nul : {38.96f, -0.01f}) {
        module(4).Temperatuur[1].Extra = nul;
        ASSERT_TRUE(BewaarHandTemperatuurK762(1, 4, 1));
        EXPECT_FLOAT_EQ(record(4, 0, 1, 1, SoortenK762).MilliVolt2, nul);
        ASSERT_TRUE(LaadKalibratieK762(1, 4, 1));
        EXPECT_FLOAT_EQ(module(4).Temperatuur[1].Extra, 0.0f);
    }
    EXPECT_EQ(record(4, 0, 1, 1, SoortenK762).Tijdstip, 46000.0); // no date change, no shift
    EXPECT_EQ(record(4, 1, 1, 1, SoortenK762).Tijdstip, 0.0);

    // The manual temperature of a slot without a file: only that record is written.
    HandTemperaturen[1][3][2] = 19.5f;
    ASSERT_TRUE(BewaarHandTemperatuurK761(1, 3, 2));
    EXPECT_EQ(inhoud(3).size(), 10 * KalibratieRecordLengte);
    EXPECT_FLOAT_EQ(record(3, 0, 2, 5).Temperatuur2, 19.5f);
    HandTemperaturen[1][3][2] = 25.0f;
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0)); // the file exists: no defaults, the stored value
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][2], 19.5f);
    EXPECT_EQ(inhoud(3).size(), 10 * KalibratieRecordLengte);
}

TEST_F(KalibratiebestandTest, AbsurdStoredValuesLoadAsTheirDefaultsAndAreNeverShownAsNumbers) {
    for (int c = 1; c <= 4; ++c)
        meting(3, c).Unit = QStringList{"mV", "%", "pH", "mg/l"}.at(c - 1);
    QByteArray b;
    KalibratieRecord mv;
    mv.Tijdstip = 46000;
    mv.Nulpunt = 1e30f; // mV offset
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 1, 1, SoortenK761), mv);
    KalibratieRecord zuurstof;
    zuurstof.Tijdstip = 46000;
    zuurstof.Helling = FLT_MAX; // oxygen scale
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 2, 3, SoortenK761), zuurstof);
    KalibratieRecord ph;
    ph.Tijdstip = 1e308; // no date
    ph.Nulpunt = 7.0f;
    ph.Helling = 1.0f;
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 3, 2, SoortenK761), ph);
    KalibratieRecord ok;
    ok.Tijdstip = 46000.5;
    ok.Helling = 0.3f; // a sound oxygen scale stays
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 4, 3, SoortenK761), ok);
    for (int c = 1; c <= 4; ++c) {
        KalibratieRecord t;
        t.Temperatuur2 = QList<float>{-3e16f, 131.0f, -30.0f, 130.0f}.at(c - 1); // manual temperatures
        t.Tijdstip = c == 2 ? -1e20 : 46000;
        SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, c, 5, SoortenK761), t);
    }
    schrijf(3, b);
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0));
    EXPECT_FLOAT_EQ(meting(3, 1).Offset, 0.0f);
    EXPECT_FLOAT_EQ(meting(3, 2).Scale, StandaardZuurstofSchaal);
    EXPECT_FLOAT_EQ(meting(3, 4).Scale, 0.3f);
    EXPECT_EQ(meting(3, 3).KalibratieDatum, 0.0);
    EXPECT_EQ(module(3).Temperatuur[2].KalibratieDatum, 0.0);
    EXPECT_EQ(meting(3, 4).KalibratieDatum, 46000.5);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][1], 25.0f);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][2], 25.0f);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][3], -30.0f);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][4], 130.0f);
    // The GLP report reads the file as it is: the date it cannot hold reads as never calibrated.
    EXPECT_EQ(LeesKalibratieRecord(b, KalibratieRecordNummer(0, 3, 2, SoortenK761)).Tijdstip, 0.0);

    // A poll of the module: the oxygen input shows a saturation, never "inf".
    Demo = false;
    meting(3, 2).Set = true;
    meting(3, 2).AdcWaarde = 500; // 50 mV: with the default scale 8.13 mg/l, saturation at 25 °C
    module(3).Temperatuur[2].AdcWaarde = 250;
    VerwerkMetingK761(1, 3);
    EXPECT_NEAR(meting(3, 2).Waarde, 100.0f, 0.5f);
    EXPECT_FALSE(MeetwaardeTekst(1, 3, 2).contains(QStringLiteral("inf")));
    meting(3, 2).Waarde = std::numeric_limits<float>::infinity();
    EXPECT_EQ(MeetwaardeTekst(1, 3, 2), QStringLiteral("OR."));
}

// Standards and readings no module can have measured read as 0 in the calibration texts.
TEST_F(KalibratiebestandTest, CalibrationTextsShowNoValueBeyondWhatTheModuleMeasures) {
    for (int c = 1; c <= 3; ++c)
        meting(3, c).Unit = QStringList{"mV", "pH", "mg/l"}.at(c - 1);
    QByteArray b;
    KalibratieRecord mv;
    mv.Standaard1 = 2.5e9f;
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 1, 1, SoortenK761), mv);
    KalibratieRecord ph;
    ph.Standaard1 = -1.952837e15f;
    ph.Standaard2 = 3.5e20f;
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 2, 2, SoortenK761), ph);
    KalibratieRecord zuurstof;
    zuurstof.Standaard1 = 1e10f;
    zuurstof.Standaard2 = -5e8f;
    zuurstof.MilliVolt1 = 7e7f;
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 3, 3, SoortenK761), zuurstof);
    KalibratieRecord temperatuur;
    temperatuur.Standaard1 = 4e12f;
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 1, 5, SoortenK761), temperatuur);
    KalibratieRecord heel;
    heel.Standaard1 = 4.01f;
    heel.Standaard2 = 14.0f;
    SchrijfKalibratieRecord(b, KalibratieRecordNummer(0, 4, 2, SoortenK761), heel);
    meting(3, 4).Unit = QStringLiteral("pH");
    schrijf(3, b);
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0));
    EXPECT_EQ(meting(3, 1).KalibratieTekst, QStringLiteral("0.0 mV"));
    EXPECT_EQ(meting(3, 2).KalibratieTekst, QStringLiteral("0.00 pH"));
    EXPECT_EQ(meting(3, 3).KalibratieTekst, QStringLiteral("0.00 mg/l - 0 hPa"));
    EXPECT_EQ(meting(3, 3).KalibratieInfo.toString(), QStringLiteral("0.0 mV"));
    EXPECT_EQ(module(3).Temperatuur[1].KalibratieTekst, QStringLiteral("0.0°C"));
    EXPECT_EQ(meting(3, 4).KalibratieTekst, QStringLiteral("4.01/14.00 pH"));
}

TEST_F(KalibratiebestandTest, TruncatedOrRandomFilesLoadAsNeutralValuesAndStoresWriteNoGarbage) {
    for (int c = 1; c <= 4; ++c)
        meting(3, c).Unit = QStringList{"mV", "pH", "g/l", "%"}.at(c - 1);
    // Random bytes of a length that is no whole number of records, with NaN and infinity patterns.
    QRandomGenerator toeval(740);
    QByteArray ruis(777, '\0');
    for (char& b : ruis)
        b = static_cast<char>(toeval.bounded(256));
    ruis.replace(8, 4, QByteArray::fromHex("0000c07f"));   // record 1: zero point NaN
    ruis.replace(12, 4, QByteArray::fromHex("0000807f"));  // record 1: slope +infinity
    ruis.replace(248, 4, QByteArray::fromHex("ffffffff")); // record 5: manual temperature NaN
    ruis.replace(0, 8, QByteArray::fromHex("000000000000f87f"));
    schrijf(3, ruis);
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0));
    for (int c = 1; c <= 4; ++c) {
        EXPECT_TRUE(std::isfinite(meting(3, c).Offset)) << c;
        EXPECT_TRUE(std::isfinite(meting(3, c).Scale)) << c;
        EXPECT_TRUE(std::isfinite(meting(3, c).Extra)) << c;
        EXPECT_TRUE(std::isfinite(HandTemperaturen[1][3][c])) << c;
    }
    EXPECT_FLOAT_EQ(meting(3, 1).Offset, 0.0f);
    EXPECT_EQ(meting(3, 1).KalibratieDatum, 0.0);
    EXPECT_FLOAT_EQ(HandTemperaturen[1][3][1], 0.0f);
    const float ph0 = meting(3, 2).Offset;
    EXPECT_TRUE(ph0 == 7.0f || (ph0 >= 6.0f && ph0 <= 8.0f));

    // Rewriting a record keeps every other byte and writes no non-finite field back.
    HandTemperaturen[1][3][1] = 22.0f;
    ASSERT_TRUE(BewaarHandTemperatuurK761(1, 3, 1));
    const QByteArray na = inhoud(3);
    ASSERT_EQ(na.size(), ruis.size());
    EXPECT_EQ(na.left(4 * 52), ruis.left(4 * 52));
    EXPECT_EQ(na.mid(5 * 52), ruis.mid(5 * 52));
    EXPECT_FLOAT_EQ(record(3, 0, 1, 5).Temperatuur2, 22.0f);

    // A file cut inside a record: the store shifts what is there and completes the file.
    bewaarReeks();
    schrijf(3, inhoud(3).left(4500));
    KalibratieRecord ph = pHKalibratie(7);
    ASSERT_TRUE(BewaarKalibratieK761(1, 3, 2, ph, false));
    EXPECT_EQ(inhoud(3).size(), 87 * KalibratieRecordLengte);
    for (int g = 0; g < AantalGeneraties; ++g)
        EXPECT_EQ(record(3, g, 2, 2).Tijdstip, 46010.0 + 7 - g) << g;
    // A file of a few bytes loads as zeros.
    schrijf(3, QByteArray("\x01\x02\x03", 3));
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 0));
    EXPECT_FLOAT_EQ(meting(3, 2).Offset, 7.0f);
    EXPECT_TRUE(meldingen.isEmpty());
}

TEST_F(KalibratiebestandTest, StoreThatCannotWriteShowsAMessageAndReportsFailure) {
    QFile bestand(tijdelijkeMap() + QStringLiteral("/plain"));
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.close();
    MapKalibratie = bestand.fileName(); // a regular file where the folder should be
    meting(3, 1).Unit = QStringLiteral("mV");
    KalibratieRecord r;
    EXPECT_FALSE(BewaarKalibratieK761(1, 3, 1, r, false));
    ASSERT_EQ(meldingen.size(), 1);
    EXPECT_TRUE(meldingen.at(0).contains(QStringLiteral("Rack1-F-F-F-M3.cal")));
    EXPECT_FALSE(LaadKalibratieK761(1, 3, 0)); // the creation fails without a message
    EXPECT_EQ(meldingen.size(), 1);
    meting(3, 1).Unit = QStringLiteral("S/cm"); // a unit without a record stores nothing
    EXPECT_FALSE(BewaarKalibratieK761(1, 3, 1, r, false));
    EXPECT_EQ(meldingen.size(), 1);
}

TEST_F(KalibratiebestandTest, AFullDiskKeepsTheFiveGenerationsAndReportsTheStore) {
    bewaarReeks();
    const QByteArray voor = inhoud(3);
    ASSERT_GT(voor.size(), 4096);
    bool bewaard = true;
    {
        Bestandsgrens grens(4096);
        KalibratieRecord ph = pHKalibratie(7);
        bewaard = BewaarKalibratieK761(1, 3, 2, ph, false);
    }
    EXPECT_FALSE(bewaard);
    ASSERT_EQ(meldingen.size(), 1);
    // The system's reason, not "in use".
    EXPECT_EQ(meldingen.at(0),
              QStringLiteral("%1\r\n\r\n%2").arg(pad(3), QString::fromLocal8Bit(std::strerror(EFBIG))));
    EXPECT_EQ(inhoud(3), voor);
    EXPECT_EQ(QDir(MapKalibratie).entryList(QDir::Files), QStringList{QStringLiteral("Rack1-F-F-F-M3.cal")});
    ASSERT_TRUE(LaadKalibratieK761(1, 3, 2));
    EXPECT_DOUBLE_EQ(meting(3, 2).KalibratieDatum, 46016.0);
}

TEST_F(KalibratiebestandTest, FileNamesFollowTheRackIdentificationWithOneSeparator) {
    EXPECT_EQ(KalibratieBestandsnaam(1, 3, QStringLiteral("/cal"), QStringLiteral(".cal")),
              QStringLiteral("/cal/Rack1-F-F-F-M3.cal"));
    EXPECT_EQ(RackBestandsnaam(1, QStringLiteral("/cfg/"), QStringLiteral(".rcf")),
              QStringLiteral("/cfg/Rack1-F-F-F.rcf"));
    EXPECT_EQ(RackBestandsnaam(1, QStringLiteral("//server/cfg"), QStringLiteral(".rcf")),
              QStringLiteral("//server/cfg/Rack1-F-F-F.rcf"));
    EXPECT_EQ(RackBestandsnaam(2, QStringLiteral("/c"), QStringLiteral(".rcf")),
              QStringLiteral("/c/Rack0-0-0-0.rcf"));
    EXPECT_TRUE(RackBestandsnaam(17, QStringLiteral("/c"), QStringLiteral(".rcf")).isEmpty());
}
