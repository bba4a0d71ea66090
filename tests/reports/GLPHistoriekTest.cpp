#include "reports/GLPHistoriek.h"
#include "Rapportsysteem.h"
#include "SchoneOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "platform/Tekstbestand.h"

#include <QDir>

namespace {

class GLPHistoriekTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        VulRapportsysteem(QDir(tijdelijkeMap()).filePath(QStringLiteral("Calibration")));
    }
    // Column k of the grid from row 1 down.
    static QStringList Kolom(const Raster& r, int k) {
        QStringList uit;
        for (int rij = 1; rij < r.AantalRijen(); ++rij)
            uit << r.CelTekst(rij, k);
        return uit;
    }
    // Writes records straight into module m's file, at the record numbers given.
    static void SchrijfRecords(int m, const std::vector<std::pair<int, KalibratieRecord>>& records) {
        QByteArray inhoud;
        for (const auto& [nummer, rec] : records)
            SchrijfKalibratieRecord(inhoud, nummer, rec);
        ASSERT_TRUE(platform::SchrijfBestandVeilig(
            KalibratieBestandsnaam(1, m, MapKalibratie, QStringLiteral(".cal")), inhoud));
    }
    static KalibratieRecord Record(int dag) {
        KalibratieRecord r;
        r.Tijdstip = platform::MaakDatum(2026, 2, dag, 12, 0, 0);
        return r;
    }
};

TEST_F(GLPHistoriekTest, TheColumnsEndAtTheFirstGenerationWithoutACalibration) {
    // Five stored generations: six columns, newest first.
    for (int g = 5; g >= 1; --g) {
        KalibratieRecord r = Record(g);
        r.Standaard1 = 100.0f * g;
        BewaarKalibratieK761(1, 1, 2, r, false);
    }
    const Raster vijf = StelGLPTabelIn(1, 1, 2);
    ASSERT_EQ(vijf.AantalKolommen(), 6);
    EXPECT_EQ(vijf.CelTekst(0, 0), QStringLiteral("Calibration:"));
    EXPECT_EQ(vijf.CelTekst(0, 5), QStringLiteral("Previous -3"));
    EXPECT_EQ(vijf.CelTekst(1, 1), QStringLiteral("01/02/2026"));
    EXPECT_EQ(vijf.CelTekst(4, 5), QStringLiteral("500.0 mV")); // the oldest, calibrated at 500 mV
    EXPECT_EQ(vijf.CelTekst(2, 5), QStringLiteral("12:00:00"));

    // Three: "Last", "Previous", "Previous -1".
    const Raster drie = StelGLPTabelIn(1, 1, 1);
    ASSERT_EQ(drie.AantalKolommen(), 4);
    EXPECT_EQ(drie.CelTekst(0, 3), QStringLiteral("Previous -1"));
    EXPECT_EQ(drie.CelTekst(1, 3), QStringLiteral("03/11/2025"));

    // A file without this input's record: "Not calibrated!" under "Last", the layout's labels stay.
    const Raster leeg = StelGLPTabelIn(1, 1, 4);
    ASSERT_EQ(leeg.AantalKolommen(), 2);
    ASSERT_EQ(leeg.AantalRijen(), 13);
    EXPECT_EQ(leeg.CelTekst(1, 1), QStringLiteral("Not calibrated!"));
    EXPECT_EQ(leeg.CelTekst(3, 0), QStringLiteral("ISO-pH"));
    EXPECT_EQ(Kolom(leeg, 1).join(QString()), QStringLiteral("Not calibrated!"));

    // No calibration file at all: Date and Time and an empty "Last" column.
    ASSERT_TRUE(QFile::remove(KalibratieBestandsnaam(1, 1, MapKalibratie, QStringLiteral(".cal"))));
    const Raster geen = StelGLPTabelIn(1, 1, 1);
    EXPECT_EQ(geen.AantalKolommen(), 2);
    EXPECT_EQ(Kolom(geen, 0), QStringList({"Date", "Time"}));
    EXPECT_EQ(Kolom(geen, 1), QStringList({"", ""}));
}

TEST_F(GLPHistoriekTest, APHHistoryWithTwoBuffersAndWithOne) {
    const Raster r = StelGLPTabelIn(1, 1, 1);
    EXPECT_EQ(Kolom(r, 0),
              QStringList({"Date", "Time", "ISO-pH", "Slope", "Buffer 1", "Potential", "Temperature", "Time",
                           "Buffer 2", "Potential", "Temperature", "Time"}));
    EXPECT_EQ(Kolom(r, 1), QStringList({"12/01/2026", "09:30:00", "6.98 pH", "99.5 %", "7.00 pH", "-2.5 mV",
                                        "21.5°C", "42 s", "4.01 pH", "171.3 mV", "21.7°C", "57 s"}));
    // The detail rows of a buffer stand indented (right-aligned), the buffers and values not.
    EXPECT_EQ(r.CelUitlijning(5, 0), UitlijningLinks);
    EXPECT_EQ(r.CelUitlijning(6, 0), UitlijningRechts);
    EXPECT_EQ(r.CelUitlijning(3, 1), UitlijningRechts);
    // The oldest calibration had one buffer: "Not calibrated!" and nothing under it.
    EXPECT_EQ(Kolom(r, 3).mid(8), QStringList({"Not calibrated!", "", "", ""}));
    EXPECT_EQ(r.CelTekst(5, 3), QStringLiteral("7.00 pH"));

    // Stored values out of their range show as the input uses them.
    KalibratieRecord fout = Record(20);
    fout.Nulpunt = 9.5f;
    fout.Helling = 1.5f;
    fout.Standaard1 = 7;
    BewaarKalibratieK761(1, 1, 1, fout, false);
    const Raster nu = StelGLPTabelIn(1, 1, 1);
    EXPECT_EQ(nu.CelTekst(3, 1), QStringLiteral("7.00 pH"));
    EXPECT_EQ(nu.CelTekst(4, 1), QStringLiteral("100.0 %"));
    EXPECT_EQ(nu.AantalKolommen(), 5);
}

TEST_F(GLPHistoriekTest, AnIonBlankOfPlusOrMinus2000IsNotCalibratedAndAStandardOf1GramPerLitreShows) {
    const auto ion = [](float blanco, float standaard2) {
        KalibratieRecord r = Record(3);
        r.Helling = -57.2f;
        r.Nulpunt = 2.0f;     // zero point E: -E is 10^-2 g/l
        r.Standaard1 = -3.0f; // 1 mg/l
        r.Standaard2 = standaard2;
        r.MilliVolt2 = 80;
        r.Blanco = blanco;
        return r;
    };
    const int nummer = KalibratieRecordNummer(0, 3, 4, SoortenK761);
    SchrijfRecords(1, {{nummer, ion(2000, -2)},
                       {nummer + 20, ion(-2000, -2)},
                       {nummer + 40, ion(1999.5f, -2)},
                       {nummer + 60, ion(150, 0)}});
    const Raster r = StelGLPTabelIn(1, 1, 3);
    ASSERT_EQ(r.AantalKolommen(), 5);
    EXPECT_EQ(
        Kolom(r, 0).mid(2),
        QStringList({"Slope", "Zero point", "Standard 1", "Potential", "Temperature", "Time", "Standard 2",
                     "Potential", "Temperature", "Time", "Blank potential", "Settings:", "Ion"}));
    EXPECT_EQ(r.CelTekst(3, 1), QStringLiteral("-57.2 mV/decade"));
    EXPECT_EQ(r.CelTekst(4, 1), QStringLiteral("10.0 mg/l"));
    EXPECT_EQ(r.CelTekst(5, 1), QStringLiteral("1.00 mg/l"));
    EXPECT_EQ(r.CelTekst(13, 1), QStringLiteral("Not calibrated!"));
    EXPECT_EQ(r.CelTekst(13, 2), QStringLiteral("Not calibrated!"));
    EXPECT_EQ(r.CelTekst(13, 3), QStringLiteral("1999.5 mV"));
    // A second standard of 1.00 g/l (log 0) is a standard like any other: its potential, temperature
    // and time and the blank show.
    const QStringList eengram = Kolom(r, 4).mid(8, 5);
    EXPECT_EQ(eengram.at(0), QStringLiteral("1.00 g/l"));
    EXPECT_EQ(eengram.at(1), QStringLiteral("80.0 mV"));
    EXPECT_FALSE(eengram.at(2).isEmpty());
    EXPECT_FALSE(eengram.at(3).isEmpty());
    EXPECT_EQ(eengram.at(4), QStringLiteral("150.0 mV"));
    // The settings rows show the input's present ion, in the "Last" column only, under a bold heading.
    EXPECT_EQ(r.CelTekst(15, 1), QStringLiteral("Cl"));
    EXPECT_EQ(r.CelTekst(15, 2), QString());
    EXPECT_TRUE(r.CelLettertype(14, 0).vet);
    EXPECT_FALSE(r.CelLettertype(13, 0).vet);
}

TEST_F(GLPHistoriekTest, TemperaturesInKelvinAndFahrenheitAndTheSharedInput) {
    ModuleRecord& ph = Racks[1].Modules[1];
    ph.Temperatuur[1].Unit = QStringLiteral("K");
    Raster r = StelGLPTabelIn(1, 1, 5);
    EXPECT_EQ(Kolom(r, 0).mid(2),
              QStringList({"Offset", "Calibrated at", "Settings:", "Manual value", "Shared measurement"}));
    EXPECT_EQ(Kolom(r, 1).mid(2), QStringList({"0.4 K", "298.2 K", "", "295.7 K", "No"}));

    // °F: no blank, the offset scaled by 1.8 without the 32 shift.
    ph.Temperatuur[1].Unit = QString::fromUtf8("°F");
    ph.Temperatuur[1].Shared = true;
    r = StelGLPTabelIn(1, 1, 5);
    EXPECT_EQ(Kolom(r, 1).mid(2), QStringList({"0.7°F", "77.0°F", "", "72.5°F", "Yes"}));

    // Input 2 takes input 1's temperature.
    ph.Temperatuur[2].UseShared = true;
    r = StelGLPTabelIn(1, 1, 6);
    EXPECT_EQ(r.CelTekst(7, 1), QStringLiteral("From CH1"));
    EXPECT_EQ(r.AantalKolommen(), 2); // input 2's temperature was never calibrated
}

TEST_F(GLPHistoriekTest, AConductivityHistoryAndTheRecordsOfAK762TemperatureInput) {
    Raster r = StelGLPTabelIn(1, 3, 1);
    ASSERT_EQ(r.AantalKolommen(), 3);
    EXPECT_EQ(Kolom(r, 0).mid(2),
              QStringList({"Cell constant", "Standard", "Temperature", "Time",
                           "Settings:", "Temperature compensation", "Reference temperature", "Type of cell",
                           "Measurement range", "Capacitive compensation"}));
    EXPECT_EQ(Kolom(r, 1).mid(2), QStringList({"0.970 cm-1", "0.01 M KCl", "298.2 K", "30 s", "", "On",
                                               "298K", "1.0 cm-1", "2000 µS/cm", "Off"}));
    EXPECT_EQ(r.CelTekst(3, 2), QStringLiteral("1.020 cm-1"));
    EXPECT_EQ(r.CelTekst(8, 2), QString());

    // A cell constant typed in by hand has no standard measurement.
    KalibratieRecord hand = Record(9);
    hand.Helling = 1.0f;
    BewaarKalibratieK762(1, 3, 1, hand, false);
    r = StelGLPTabelIn(1, 3, 1);
    EXPECT_EQ(Kolom(r, 1).mid(2, 4), QStringList({"1.000 cm-1", "Manual input", "", ""}));

    // Channel 6 (temperature of input 2), generation g: record ((g - 1) x 4 + 1) x 2 + 2.
    std::vector<std::pair<int, KalibratieRecord>> records;
    for (int g = 1; g <= 3; ++g) {
        KalibratieRecord t = Record(g);
        t.Standaard1 = 10.0f * g;
        records.push_back({((g - 1) * 4 + (6 - 5)) * 2 + 2, t});
    }
    SchrijfRecords(3, records);
    EXPECT_EQ(GLPRecordNummer(QStringLiteral("K762"), QStringLiteral("S/cm"), 6, 3), 20);
    r = StelGLPTabelIn(1, 3, 6);
    ASSERT_EQ(r.AantalKolommen(), 4);
    EXPECT_EQ(r.CelTekst(4, 1), QStringLiteral("283.2 K"));
    EXPECT_EQ(r.CelTekst(4, 3), QStringLiteral("303.2 K"));
}

TEST_F(GLPHistoriekTest, AUnitOrModelWithoutALayoutLeavesTheLastColumnEmpty) {
    Racks[1].Modules[1].Meting[2].Unit = QStringLiteral("ppm");
    Raster r = StelGLPTabelIn(1, 1, 2);
    EXPECT_EQ(r.AantalKolommen(), 2);
    EXPECT_EQ(r.AantalRijen(), 3);
    Racks[1].Modules[1].Type = QStringLiteral("K799");
    r = StelGLPTabelIn(1, 1, 1);
    EXPECT_EQ(r.AantalRijen(), 3);
    EXPECT_EQ(Kolom(r, 1), QStringList({"", ""}));
}

} // namespace
