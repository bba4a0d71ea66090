#include "files/Grafiekconfiguratie.h"
#include "Bestandsgrens.h"
#include "OpnameGrafiekvenster.h"
#include "SchoneOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/Configuratietekst.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

class GrafiekconfiguratieTest : public SchoneOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& tekst, int, const QString&) override {
        meldingen << tekst;
        return int(vbOK);
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        QDir().mkpath(MapConfiguratie);
        ZetMeldingVenster(this);
    }
    // A window with every setting away from its default.
    static void vul(OpnameGrafiekvenster& v) {
        GrafiekInstellingen& g = v.instellingen;
        g.TitelWaardenas = QStringLiteral("pH value");
        g.AutomatischeSchaal = true;
        g.GrafiekMinimum = -1.25;
        g.GrafiekMaximum = 14.000001;
        g.AantalWaardenVerdelingen = 7;
        g.AantalWaardenOnderverdelingen = 2;
        g.TitelTijdsas = QString::fromUtf8("Time (°C run)");
        g.MaxGrafiekZichtbaar = 500;
        g.AantalTijdVerdelingen = 6;
        g.LabelKeuze = 2;
        g.LegendeKeuze = true;
        g.XYrecorder = true;
        g.RecorderTussentijd = 86400;
        g.AfdrukkenRecorder = true;
        g.AlarmHoog = true;
        g.AlarmHoogWaarde = 9.5;
        g.AlarmLaag = true;
        g.AlarmLaagWaarde = 4.25;
        v.caption = QStringLiteral("Tank 3");
        v.plaatsing = VensterPlaatsing{120, 240, 4500.5f, 9000};
        for (int reeks = 1; reeks <= AantalDiagramReeksen; ++reeks)
            v.kleuren.at(reeks) = RGBKleur(reeks, 255 - reeks, 7 * reeks);
        for (int lijn = 1; lijn <= AantalGrafiekLijnen; ++lijn)
            v.lijnen.at(lijn) = {int16_t(1 + lijn % 16),     int16_t(1 + lijn % 7),
                                 int16_t(1 + lijn % 8),      int16_t(lijn % 2 ? -1 : 0),
                                 int16_t(lijn % 3 ? -1 : 0), int16_t(lijn % 5 ? 0 : -1)};
    }
    QString pad(int n) const { return MapConfiguratie + QStringLiteral("/Graph%1.gcf").arg(n); }
    void schrijf(int n, const char* tekst) const {
        QFile f(pad(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(platform::NaarWindows1252(QString::fromUtf8(tekst)));
    }
    QStringList meldingen;
};

TEST_F(GrafiekconfiguratieTest, RoundTripKeepsEverySettingAndAMaximizedWindowReopensMaximized) {
    OpnameGrafiekvenster a;
    vul(a);
    a.status = 2;
    ASSERT_TRUE(SchrijfGrafiekInstellingen(12, a));
    EXPECT_EQ(a.statussen, (std::vector<int>{0, 2})); // the normal placement is written
    EXPECT_TRUE(a.tekenen);
    EXPECT_TRUE(QFileInfo::exists(pad(12)));

    OpnameGrafiekvenster b;
    LeesGrafiekInstellingen(12, b, false);
    EXPECT_TRUE(b.instellingen == a.instellingen);
    EXPECT_EQ(b.caption, a.caption);
    EXPECT_TRUE(b.plaatsing == a.plaatsing);
    EXPECT_EQ(b.kleuren, a.kleuren);
    EXPECT_EQ(b.lijnen, a.lijnen);
    EXPECT_EQ(b.statussen, (std::vector<int>{0, 2}));
    EXPECT_EQ(b.aantalHerinitialisaties, 1);
    EXPECT_TRUE(b.tekenen);
    EXPECT_TRUE(meldingen.isEmpty());
}

TEST_F(GrafiekconfiguratieTest, FileLayoutSectionsKeysAndBlankLines) {
    OpnameGrafiekvenster a;
    vul(a);
    ASSERT_TRUE(SchrijfGrafiekInstellingen(3, a));
    QByteArray b;
    ASSERT_TRUE(platform::LeesBestand(pad(3), b));
    EXPECT_TRUE(
        b.startsWith("[WINDOW]\r\nTop=120\r\nLeft=240\r\nHeight=4500.5\r\nWidth=9000\r\nWindowstate=0\r\n\r\n"
                     "[VALUE AXIS]\r\nTitle=pH value\r\nAutoscale=True\r\nMin=-1.25\r\nMax=14.000001\r\n"
                     "Divisions=7\r\nSubdivisions=2\r\n\r\n[TIME AXIS]\r\nTitle=Time (\xb0"
                     "C run)\r\nNo of points=500\r\n"));
    EXPECT_TRUE(b.contains("\r\n\r\n[MISCELLANOUS]\r\nName=Tank 3\r\nLegend=True\r\nXY Recorder=True\r\n"
                           "Interval of time=86400\r\nPrint Recorder=True\r\n\r\n[ALARM HIGH]\r\nSet=True\r\n"
                           "Value=9.5\r\nColour=" +
                           QByteArray::number(RGBKleur(2, 253, 14)) + "\r\n\r\n[ALARM LOW]\r\n"));
    EXPECT_TRUE(b.endsWith("\r\n\r\n[LINE32]\r\nRack=1\r\nModule=5\r\nInput=1\r\nColour=" +
                           QByteArray::number(RGBKleur(34, 221, 238)) + "\r\nMin=0\r\nMax=-1\r\nMean=0\r\n"));
    EXPECT_EQ(b.count("[LINE"), 32);
    EXPECT_FALSE(b.contains("\n\n\r\n")); // never two blank lines
}

TEST_F(GrafiekconfiguratieTest, ReaderTakesKeysInAnyCaseOnlyInTheirSectionsAndSkipsBadLines) {
    OpnameGrafiekvenster v;
    vul(v);
    const OpnameGrafiekvenster voor = v;
    schrijf(5,
            "  [WINDOW]  \r\nTOP=10,5\r\nTitle=Wrong section\r\nWindowstate=1\r\n"
            "[value axis]\r\nMin=99\r\n"
            "[VALUE AXIS]\r\nmin=-3\r\nAutoscale=perhaps\r\nTitle=  Spaced  \r\nno equals sign\r\n"
            "[MISCELLANOUS]\r\nName=From file\r\nLegend=false\r\nInterval of time=7,6\r\n"
            "[ALARM LOW]\r\nColour=255\r\nSet=0\r\n"
            "[LINE40]\r\nRack=9\r\n[LINE0]\r\nRack=9\r\nColour=1\r\n[LINE 2]\r\nInput=6\r\nColour=65280\r\n"
            "[SOMETHING]\r\nMin=77\r\n");
    LeesGrafiekInstellingen(5, v, true);
    EXPECT_FLOAT_EQ(v.plaatsing.Top, 10.5f);
    EXPECT_EQ(v.status, 1);
    EXPECT_DOUBLE_EQ(v.instellingen.GrafiekMinimum, -3.0);
    EXPECT_TRUE(v.instellingen.AutomatischeSchaal); // not a Boolean: kept
    EXPECT_EQ(v.instellingen.TitelWaardenas, QStringLiteral("Spaced"));
    EXPECT_EQ(v.caption, QStringLiteral("Tank 3")); // zonderNaam
    EXPECT_FALSE(v.instellingen.LegendeKeuze);
    EXPECT_EQ(v.instellingen.RecorderTussentijd, 7); // a whole number
    EXPECT_EQ(v.kleur(ReeksAlarmLaag), 255);
    EXPECT_FALSE(v.instellingen.AlarmLaag);
    EXPECT_EQ(v.LeesGrafiekLijnRef(2, LijnIngang), 6);
    EXPECT_EQ(v.kleur(4), 65280);
    for (int lijn = 1; lijn <= AantalGrafiekLijnen; ++lijn)
        if (lijn != 2) {
            EXPECT_EQ(v.lijnen.at(lijn), voor.lijnen.at(lijn)) << lijn;
        }
    EXPECT_EQ(v.kleur(2), voor.kleur(2));
    EXPECT_EQ(v.instellingen.TitelTijdsas, voor.instellingen.TitelTijdsas);
    LeesGrafiekInstellingen(5, v, false);
    EXPECT_EQ(v.caption, QStringLiteral("From file"));
}

TEST_F(GrafiekconfiguratieTest, MissingFileLeavesTheWindowAndStillRebuildsIt) {
    OpnameGrafiekvenster v;
    vul(v);
    v.status = 2;
    const OpnameGrafiekvenster voor = v;
    LeesGrafiekInstellingen(64, v, false);
    EXPECT_EQ(v.aantalHerinitialisaties, 1);
    EXPECT_TRUE(v.statussen.empty());
    EXPECT_EQ(v.caption, voor.caption);
    EXPECT_EQ(v.lijnen, voor.lijnen);
    EXPECT_EQ(v.instellingen.TitelWaardenas, voor.instellingen.TitelWaardenas);

    schrijf(1, "[WINDOW]\r\n");
    MapConfiguratie = pad(1); // a regular file where the folder should be
    EXPECT_FALSE(SchrijfGrafiekInstellingen(1, v));
    EXPECT_EQ(meldingen.size(), 1);
    EXPECT_EQ(v.status, 2);
    EXPECT_TRUE(v.tekenen);
}

TEST_F(GrafiekconfiguratieTest, CurveIndexesColoursAndTheColourDialog) {
    OpnameGrafiekvenster v;
    v.lijnen.at(3) = {2, 5, 7, -1, 0, -1};
    GrafiekCurve curve;
    EXPECT_TRUE(v.LezenGrafiekIndexen(3, curve)); // temperature of input 3
    EXPECT_EQ(curve.Rg, 2);
    EXPECT_EQ(curve.Mg, 5);
    EXPECT_EQ(curve.Kg, 3);
    EXPECT_TRUE(curve.StatistiekMinimum);
    EXPECT_FALSE(curve.StatistiekMaximum);
    EXPECT_TRUE(curve.StatistiekGemiddelde);
    EXPECT_FALSE(v.LezenGrafiekIndexen(33, curve));
    EXPECT_EQ(curve.Rg, 0);
    EXPECT_FALSE(v.LezenGrafiekIndexen(1, curve));
    EXPECT_EQ(curve.Rg, 0);

    v.ZetDiagramKleur(5, RGBKleur(10, 20, 30));
    EXPECT_EQ(LeesDiagramKleur(v, 5), RGBKleur(10, 20, 30));

    int32_t kleur = 123;
    int16_t keuze = 0;
    EXPECT_EQ(KiesCurveKleur(kleur, keuze), 123); // no dialog: as Cancel
    EXPECT_EQ(keuze, 2);
    // The common colour dialog: the next colour up, or Cancel.
    struct Kleurdialoog : Bestandsdialogen {
        bool KiesKleur(int32_t& k, const QString& t) override {
            titel = t;
            k = kiezen ? k + 1 : 0;
            return kiezen;
        }
        QString titel;
        bool kiezen = true;
    } dialoog;
    ZetBestandsdialogen(&dialoog);
    EXPECT_EQ(KiesCurveKleur(kleur, keuze), 124);
    EXPECT_EQ(keuze, 1);
    EXPECT_EQ(dialoog.titel, QStringLiteral("C&urve colour"));
    dialoog.kiezen = false;
    EXPECT_EQ(KiesCurveKleur(kleur, keuze), 123);
    EXPECT_EQ(keuze, 2);
    EXPECT_EQ(kleur, 123);
}

TEST_F(GrafiekconfiguratieTest, AFullDiskLeavesTheOldFileAndShowsTheMessage) {
    OpnameGrafiekvenster a;
    vul(a);
    ASSERT_TRUE(SchrijfGrafiekInstellingen(5, a));
    QByteArray voor;
    ASSERT_TRUE(platform::LeesBestand(pad(5), voor));
    ASSERT_GT(voor.size(), 2048);
    a.caption = QStringLiteral("Changed");
    bool geschreven = true;
    {
        Bestandsgrens grens(2048);
        geschreven = SchrijfGrafiekInstellingen(5, a);
    }
    EXPECT_FALSE(geschreven);
    ASSERT_EQ(meldingen.size(), 1);
    // The system's reason, not "in use".
    EXPECT_EQ(meldingen.at(0),
              QStringLiteral("%1\r\n\r\n%2").arg(pad(5), QString::fromLocal8Bit(std::strerror(EFBIG))));
    QByteArray na;
    ASSERT_TRUE(platform::LeesBestand(pad(5), na));
    EXPECT_EQ(na, voor);
    EXPECT_EQ(QDir(MapConfiguratie).entryList(QDir::Files), QStringList{QStringLiteral("Graph5.gcf")});
}
