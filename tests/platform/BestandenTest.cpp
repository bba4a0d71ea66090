#include "Bestandsgrens.h"
#include "SchoneOmgeving.h"
#include "platform/Datum.h"
#include "platform/IniBestand.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

class BestandenTest : public SchoneOmgeving {
protected:
    QString pad(const QString& naam) const { return tijdelijkeMap() + QLatin1Char('/') + naam; }
    static QByteArray Inhoud(const QString& pad) {
        QByteArray inhoud;
        EXPECT_TRUE(LeesBestand(pad, inhoud)) << pad.toStdString();
        return inhoud;
    }
    // The files of the folder, the settings store's folder aside.
    QStringList Bestanden() const {
        return QDir(tijdelijkeMap()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
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

// A change is in the file once the program is back in its event loop, with no unload: a program ended
// from outside keeps it. The changes of one action come in one write.
TEST_F(BestandenTest, ASettingsChangeReachesTheFileAtTheNextTurnOfTheEventLoop) {
    BewaarOpslag("K740", "Settings", "Language", "1");
    BewaarOpslag("K740", "Settings", "Interval of time", "5");
    EXPECT_FALSE(QFileInfo::exists(OpslagBestand("K740")));
    klok().pomp();
    const QByteArray eerste = Inhoud(OpslagBestand("K740"));
    EXPECT_TRUE(eerste.contains("Language=1")) << eerste.constData();
    EXPECT_TRUE(eerste.contains("Interval%20of%20time=5")) << eerste.constData();
    WisOpslag("K740", "Settings", "Language");
    klok().pomp();
    EXPECT_FALSE(Inhoud(OpslagBestand("K740")).contains("Language"));
}

TEST_F(BestandenTest, ASettingsStoreThatCannotBeWrittenWholeKeepsItsFileAndItsChanges) {
    for (int i = 0; i < 100; ++i)
        BewaarOpslag("K740", "Rack1", QStringLiteral("Key%1").arg(i), QStringLiteral("value, %1").arg(i));
    ASSERT_TRUE(SchrijfOpslag());
    const QByteArray voor = Inhoud(OpslagBestand("K740"));
    BewaarOpslag("K740", "Rack2", "Logon", "True");
    bool geschreven = true;
    {
        Bestandsgrens grens(static_cast<rlim_t>(voor.size()));
        geschreven = SchrijfOpslag();
    }
    EXPECT_FALSE(geschreven);
    EXPECT_EQ(Inhoud(OpslagBestand("K740")), voor);
    // The change is still pending and goes to the file at the next write.
    ASSERT_TRUE(SchrijfOpslag());
    ZetOpslagMap(tijdelijkeMap() + "/config");
    EXPECT_EQ(LeesOpslag("K740", "Rack2", "Logon", ""), "True");
    EXPECT_EQ(LeesOpslag("K740", "Rack1", "Key99", ""), "value, 99");
    EXPECT_EQ(SleutelsVanSectie("K740", "Rack1").size(), 100);
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

// A character the code page lacks becomes "?", one for each character, never the control byte 0x1A
// that text readers take for the end of the file.
TEST_F(BestandenTest, ACharacterTheCodePageLacksIsWrittenAsAQuestionMark) {
    EXPECT_EQ(NaarWindows1252(QString::fromUtf8("Zo\u00eb \u0141ukasz \u20ac5 \U0001F600.")),
              QByteArray("Zo\xEB ?ukasz \x80"
                         "5 ?."));
    EXPECT_EQ(NaarWindows1252(QString::fromUtf8("\u4e2d\u6587")), QByteArray("??"));
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
    EXPECT_EQ(Inhoud(f), "new");
    EXPECT_EQ(Inhoud(pad("m.bak")), "old");
    // A full disk: the content fits only in part (the last block would have been cut at 4096 bytes).
    {
        Bestandsgrens grens(4096);
        EXPECT_FALSE(SchrijfBestandVeilig(f, QByteArray(5000, 'x'), pad("m.bak")));
        EXPECT_FALSE(SchrijfBestandVeilig(pad("n.csv"), QByteArray(40000, 'y')));
    }
    EXPECT_EQ(Inhoud(f), "new");
    EXPECT_EQ(Inhoud(pad("m.bak")), "old");
    EXPECT_FALSE(QFileInfo::exists(pad("n.csv")));
    // A folder that does not exist: nothing is written anywhere.
    EXPECT_FALSE(SchrijfBestandVeilig(pad("missing/m.csv"), "x"));
    EXPECT_EQ(Bestanden(), (QStringList{"m.bak", "m.csv"}));
}

TEST_F(BestandenTest, ASaveStoppedAtAnyStepLeavesTheFileAndAPreviousVersion) {
    struct Geval {
        SchrijfStap stap;
        QByteArray bestand, backup;
    };
    const Geval gevallen[] = {{SchrijfStap::NieuwGeschreven, "v1", "v0"},
                              {SchrijfStap::BackupGemaakt, "v1", "v0"},
                              {SchrijfStap::BackupVervangen, "v1", "v1"},
                              {SchrijfStap::Vervangen, "v2", "v1"}};
    const QString f = pad("Rack1.rcf");
    const QString bak = pad("Rack1.rcfbak");
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(static_cast<int>(g.stap));
        ASSERT_TRUE(SchrijfBestandVeilig(f, "v0", bak));
        ASSERT_TRUE(SchrijfBestandVeilig(f, "v1", bak));
        struct Gestopt {};
        ZetSchrijfStapFunctie([&](SchrijfStap stap) {
            if (stap == g.stap) throw Gestopt{};
        });
        EXPECT_THROW(SchrijfBestandVeilig(f, "v2", bak), Gestopt);
        ZetSchrijfStapFunctie(nullptr);
        EXPECT_EQ(Inhoud(f), g.bestand);
        EXPECT_EQ(Inhoud(bak), g.backup);
        // The next save takes over what the stopped one left behind, also a second name of the file.
        ASSERT_TRUE(SchrijfBestandVeilig(f, "v3", bak));
        EXPECT_EQ(Inhoud(f), "v3");
        EXPECT_EQ(Inhoud(bak), g.bestand);
        EXPECT_EQ(Bestanden(), (QStringList{"Rack1.rcf", "Rack1.rcfbak"}));
        QFile::remove(f);
        QFile::remove(bak);
    }
}

TEST_F(BestandenTest, DateTypeCountsDaysFrom1899) {
    EXPECT_DOUBLE_EQ(MaakDatum(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(MaakDatum(1900, 1, 1, 12), 2.5);
    EXPECT_DOUBLE_EQ(MaakDatum(2026, 12, 7), 46363.0);
    const Datum d = MaakDatum(2026, 12, 7, 14, 3, 22);
    EXPECT_EQ(QDateTimeUitDatum(d), QDateTime(QDate(2026, 12, 7), QTime(14, 3, 22)));
    // The day and the time without the time zone, as the QDateTime gives them; a fraction that rounds
    // to midnight is the next day, and days before the zero date keep their time as a positive fraction.
    for (const Datum x : {d, 46363.99999999999, -1.25, 0.0, 2958465.5}) {
        EXPECT_EQ(DagVan(x), QDateTimeUitDatum(x).date()) << x;
        EXPECT_EQ(TijdVan(x), QDateTimeUitDatum(x).time()) << x;
    }
    EXPECT_EQ(DagVan(46363.99999999999), QDate(2026, 12, 8));
    EXPECT_EQ(TijdVan(-1.25), QTime(6, 0));
    EXPECT_EQ(DatumTijdTekst(d), "07/12/2026 14:03:22");
    Datum terug = 0;
    ASSERT_TRUE(LeesDatumTijd(DatumTijdTekst(d), terug));
    EXPECT_NEAR(terug, d, 1e-9);
    EXPECT_FALSE(LeesDatumTijd("garbage", terug));
}

TEST_F(BestandenTest, DatesOutsideTheTypesRangeAreNeverFormatted) {
    EXPECT_EQ(DatumTijdTekst(-657434.0), "01/01/0100 00:00:00");
    EXPECT_EQ(DatumTijdTekst(2958465.5), "31/12/9999 12:00:00");
    for (const Datum d : {1e308, -1e308, 2958466.0, -657435.0, std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(IsGeldigeDatum(d)) << d;
        EXPECT_EQ(DatumTijdTekst(d), QString()) << d;
        EXPECT_EQ(KorteDatum(d), QString()) << d;
        EXPECT_EQ(LangeTijd(d), QString()) << d;
        EXPECT_FALSE(QDateTimeUitDatum(d).isValid()) << d;
    }
}

TEST_F(BestandenTest, AppendThatCannotBeWrittenWholeAddsNothing) {
    const QString f = pad("log.csv");
    ASSERT_TRUE(VoegToeAanBestand(f, "a,1\r\n"));
    // A file size limit stands in for a full disk: the rows are written in part, then the write fails.
    bool geschreven = true;
    {
        Bestandsgrens grens(8);
        geschreven = VoegToeAanBestand(f, "b,2\r\nc,3\r\n");
    }
    EXPECT_FALSE(geschreven);
    QByteArray inhoud;
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, "a,1\r\n");
    ASSERT_TRUE(VoegToeAanBestand(f, "b,2\r\n"));
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, "a,1\r\nb,2\r\n");

    // In pieces: the pieces the file took are taken back when a later one is refused, with the reason.
    {
        Bestandsgrens grens(16);
        Aanvulling aanvulling(f);
        EXPECT_TRUE(aanvulling.Schrijf("c,3\r\n"));
        EXPECT_FALSE(aanvulling.Schrijf("d,4\r\ne,5\r\n"));
        EXPECT_FALSE(aanvulling.Schrijf("f,6\r\n")) << "a piece after the refusal was written";
        EXPECT_FALSE(aanvulling.Sluit());
    }
    EXPECT_EQ(LaatsteSchrijffout(), QString::fromLocal8Bit(std::strerror(EFBIG)));
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, "a,1\r\nb,2\r\n");
    {
        Aanvulling aanvulling(f);
        EXPECT_TRUE(aanvulling.Schrijf("c,3\r\n"));
        EXPECT_TRUE(aanvulling.Schrijf(QByteArray()));
        EXPECT_TRUE(aanvulling.Schrijf("d,4\r\n"));
        EXPECT_TRUE(aanvulling.Sluit());
    }
    EXPECT_EQ(LaatsteSchrijffout(), QString());
    ASSERT_TRUE(LeesBestand(f, inhoud));
    EXPECT_EQ(inhoud, "a,1\r\nb,2\r\nc,3\r\nd,4\r\n");
}
