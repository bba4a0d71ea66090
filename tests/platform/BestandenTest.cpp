#include "SchoneOmgeving.h"
#include "platform/Datum.h"
#include "platform/IniBestand.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace platform;

class BestandenTest : public SchoneOmgeving {
protected:
    QString pad(const QString& naam) const { return tijdelijkeMap() + QLatin1Char('/') + naam; }
};

TEST_F(BestandenTest, SettingsStoreRoundTripsAndSurvivesReopening) {
    EXPECT_EQ(ZoekOpslag("K740", "Settings", "Baudrate"), std::nullopt);
    EXPECT_EQ(LeesOpslag("K740", "Settings", "Baudrate", "19200"), "19200");
    BewaarOpslag("K740", "Recent Files", "RecentFile1", "/data/a b.csv");
    BewaarOpslag("K740", "Settings", "Folder/Data", "x");
    SchrijfOpslag();
    EXPECT_TRUE(OpslagBestand("K740").startsWith(tijdelijkeMap()));
    EXPECT_TRUE(QFileInfo::exists(OpslagBestand("K740")));
    ZetOpslagMap(tijdelijkeMap() + "/config"); // forget the open store, read the file again
    EXPECT_EQ(ZoekOpslag("K740", "Recent Files", "RecentFile1"), QStringLiteral("/data/a b.csv"));
    EXPECT_EQ(LeesOpslag("K740", "Settings", "Folder/Data", ""), "x");
    EXPECT_EQ(SleutelsVanSectie("K740", "Settings"), QStringList{"Folder/Data"});
    WisOpslag("K740", "Recent Files");
    EXPECT_EQ(LeesOpslag("K740", "Recent Files", "RecentFile1", "none"), "none");
}

TEST_F(BestandenTest, IniValuesIgnoreCaseAndBlanksAndFallBackToDefault) {
    const QString f = pad("a.ini");
    EXPECT_EQ(LeesIniWaarde(f, "Rack", "Name", "dflt"), "dflt"); // no file
    QFile bestand(f);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write("; comment\r\n[Rack]\r\n  Name = Rack 1 \r\nUnit=\"\xb0"
                  "C\"\n[Other]\r\nName=x\r\n");
    bestand.close();
    EXPECT_EQ(LeesIniWaarde(f, "rack", "NAME", ""), "Rack 1");
    EXPECT_EQ(LeesIniWaarde(f, "Rack", "Unit", ""), QString::fromUtf8("°C"));
    EXPECT_EQ(LeesIniWaarde(f, "Other", "Name", ""), "x");
    EXPECT_EQ(LeesIniWaarde(f, "Rack", "Missing", "d"), "d");
    EXPECT_EQ(LeesIniWaarde(f, "Missing", "Name", "d"), "d");
}

TEST_F(BestandenTest, IniWriteReplacesInPlaceAndAddsSectionsAndKeys) {
    const QString f = pad("b.ini");
    ASSERT_TRUE(SchrijfIniWaarde(f, "A", "k1", "1"));
    ASSERT_TRUE(SchrijfIniWaarde(f, "B", "k1", "2"));
    ASSERT_TRUE(SchrijfIniWaarde(f, "a", "K2", QString::fromUtf8("°")));
    ASSERT_TRUE(SchrijfIniWaarde(f, "A", "K1", "3"));
    QByteArray inhoud;
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, QByteArray("[A]\r\nK1=3\r\nK2=\xb0\r\n[B]\r\nk1=2\r\n"));
}

TEST_F(BestandenTest, TextFilesAreWindows1252ButUtf8IsRecognised) {
    EXPECT_EQ(NaarWindows1252(QString::fromUtf8("°C µS")), QByteArray("\xb0"
                                                                      "C \xb5"
                                                                      "S"));
    EXPECT_EQ(DecodeerTekstbestand(QByteArray("\xb0"
                                              "C")),
              QString::fromUtf8("°C"));
    EXPECT_EQ(DecodeerTekstbestand(QByteArray("\xc2\xb0"
                                              "C")),
              QString::fromUtf8("°C"));
    EXPECT_TRUE(IsUtf8Tekst("\xc2\xb0"));
    EXPECT_FALSE(IsUtf8Tekst("plain"));
    EXPECT_FALSE(IsUtf8Tekst("\xb0"));
    EXPECT_FALSE(IsUtf8Tekst("a\xc2")); // cut off inside a character
    EXPECT_EQ(SplitsRegels("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitsRegels("a\r\n\r\n"), (QStringList{"a", ""}));
}

TEST_F(BestandenTest, SafeWriteKeepsABackupAndNeverLosesTheOldFileOnFailure) {
    const QString f = pad("m.csv");
    ASSERT_TRUE(SchrijfBestandVeilig(f, "old", pad("m.bak")));
    EXPECT_FALSE(QFileInfo::exists(pad("m.bak")));
    ASSERT_TRUE(SchrijfBestandVeilig(f, "new", pad("m.bak")));
    QByteArray a, b;
    ASSERT_TRUE(LeesBestand(f, a));
    ASSERT_TRUE(LeesBestand(pad("m.bak"), b));
    EXPECT_EQ(a, "new");
    EXPECT_EQ(b, "old");
    // A folder that cannot be written: the write fails and the file stays as it was.
    QFile::setPermissions(tijdelijkeMap(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool geschreven = SchrijfBestandVeilig(f, "newer");
    QFile::setPermissions(tijdelijkeMap(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (geschreven) GTEST_SKIP() << "running with rights that ignore folder permissions";
    ASSERT_TRUE(LeesBestand(f, a));
    EXPECT_EQ(a, "new");
}

TEST_F(BestandenTest, DateTypeCountsDaysFrom1899) {
    EXPECT_DOUBLE_EQ(MaakDatum(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(MaakDatum(1900, 1, 1, 12), 2.5);
    EXPECT_DOUBLE_EQ(MaakDatum(2026, 12, 7), 46363.0);
    const Datum d = MaakDatum(2026, 12, 7, 14, 3, 22);
    EXPECT_EQ(QDateTimeUitDatum(d), QDateTime(QDate(2026, 12, 7), QTime(14, 3, 22)));
    EXPECT_EQ(DatumTijdTekst(d), "07/12/2026 14:03:22");
    Datum terug = 0;
    ASSERT_TRUE(LeesDatumTijd(DatumTijdTekst(d), terug));
    EXPECT_NEAR(terug, d, 1e-9);
    EXPECT_FALSE(LeesDatumTijd("garbage", terug));
}

TEST_F(BestandenTest, AppendThatCannotBeWrittenWholeAddsNothing) {
    const QString f = pad("log.csv");
    ASSERT_TRUE(VoegToeAanBestand(f, "a,1\r\n"));
    // A file size limit stands in for a full disk: the rows are written in part, then the write fails.
    rlimit oud{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oud), 0);
    const auto oudSignaal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grens = oud;
    grens.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grens), 0);
    const bool geschreven = VoegToeAanBestand(f, "b,2\r\nc,3\r\n");
    setrlimit(RLIMIT_FSIZE, &oud);
    std::signal(SIGXFSZ, oudSignaal);
    EXPECT_FALSE(geschreven);
    QByteArray inhoud;
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, "a,1\r\n");
    ASSERT_TRUE(VoegToeAanBestand(f, "b,2\r\n"));
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, "a,1\r\nb,2\r\n");
}
