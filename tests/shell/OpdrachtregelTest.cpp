#include "shell/Opdrachtregel.h"
#include "ShellOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "files/Meetbestand.h"
#include "shared/Teksten.h"

#include <QDir>

namespace {

class OpdrachtregelTest : public ShellOmgeving {
protected:
    void Ontleed(const QStringList& argumenten, const QString& poort = QStringLiteral("COM1")) {
        OntleedCommand(argumenten, poort, tijdelijkeMap(), tijdelijkeMap() + QStringLiteral("/Data"));
    }
};

TEST_F(OpdrachtregelTest, AnEmptyCommandLineClearsEverything) {
    Demo = AlarmUitgang = LogbestandAan = Fabrieksmodus = true;
    Gegevensbestand = QStringLiteral("x.csv");
    Ontleed({});
    EXPECT_FALSE(Demo);
    EXPECT_FALSE(AlarmUitgang);
    EXPECT_FALSE(LogbestandAan);
    EXPECT_FALSE(Fabrieksmodus);
    EXPECT_TRUE(ExtraPoorten.isEmpty());
    EXPECT_TRUE(AlarmPoort.isEmpty());
    EXPECT_TRUE(Gegevensbestand.isEmpty());
}

TEST_F(OpdrachtregelTest, EveryComSwitchIsAPortOfItsOwn) {
    Ontleed({QStringLiteral("/COM3"), QStringLiteral("/com12")});
    EXPECT_EQ(ExtraPoorten, (QStringList{QStringLiteral("COM3"), QStringLiteral("COM12")}));
}

TEST_F(OpdrachtregelTest, AlarmPortChoice) {
    Ontleed({QStringLiteral("/alert")}, QStringLiteral("COM1"));
    EXPECT_TRUE(AlarmUitgang);
    EXPECT_EQ(AlarmPoort, QStringLiteral("COM2"));

    Ontleed({QStringLiteral("/PELM")}, QStringLiteral("COM4"));
    EXPECT_EQ(AlarmPoort, QStringLiteral("COM1"));

    Ontleed({QStringLiteral("/alertport5"), QStringLiteral("/alert")});
    EXPECT_EQ(AlarmPoort, QStringLiteral("COM5"));
    EXPECT_TRUE(AlarmUitgang);
}

TEST_F(OpdrachtregelTest, DemoEndsTheParsingAndSwitchesTheLogsAndFactoryModeOff) {
    Ontleed({QStringLiteral("/logfile"), QStringLiteral("/demo")});
    EXPECT_FALSE(LogbestandAan);
    EXPECT_TRUE(Demo);
    EXPECT_GT(DemoStart, 0);

    Ontleed(
        {QStringLiteral("/t"), QStringLiteral("/DEMO"), QStringLiteral("/t"), QStringLiteral("/logfile")});
    EXPECT_TRUE(Demo);
    EXPECT_FALSE(Fabrieksmodus);
    EXPECT_FALSE(LogbestandAan);

    Ontleed({QStringLiteral("/LogFile")});
    EXPECT_TRUE(LogbestandAan);
    EXPECT_FALSE(Demo);
}

TEST_F(OpdrachtregelTest, FactorySwitches) {
    Ontleed({QStringLiteral("/l")});
    EXPECT_TRUE(Fabrieksmodus);
    // One folder for the adjustment files and the database, also where names are case-sensitive.
    EXPECT_EQ(AfregelMap, QStringLiteral("/beheer/"));
    EXPECT_EQ(ProductieDatabasePad, QStringLiteral("/beheer/Databases/PROD_2016.mdb"));

    Ontleed({QStringLiteral("/T")});
    EXPECT_TRUE(Fabrieksmodus);
    EXPECT_TRUE(ProductieDatabasePad.endsWith(QStringLiteral("/TEST_2016.mdb")));
    EXPECT_TRUE(AfregelMap.endsWith(QStringLiteral("/AfregelData/")));

    Ontleed({QStringLiteral("/x")});
    EXPECT_TRUE(ProductieDatabasePad.endsWith(QStringLiteral("/PROD_2016.mdb")));
}

TEST_F(OpdrachtregelTest, AFileNameKeepsItsCaseAndGetsCsv) {
    const QString map = tijdelijkeMap() + QStringLiteral("/Metingen Lab");
    ASSERT_TRUE(QDir().mkpath(map));
    Ontleed({map + QStringLiteral("/Proef_A"), QStringLiteral("/logfile")});
    EXPECT_EQ(Gegevensbestand, map + QStringLiteral("/Proef_A.csv"));
    EXPECT_EQ(MapGegevens, map);
    EXPECT_TRUE(LogbestandAan);

    Ontleed({map + QStringLiteral("/Run.CSV")});
    EXPECT_EQ(Gegevensbestand, map + QStringLiteral("/Run.CSV"));
}

TEST_F(OpdrachtregelTest, ASwitchGluedToAnotherIsAFileName) {
    Ontleed({QStringLiteral("/demo/logfile")});
    EXPECT_FALSE(Demo);
    EXPECT_FALSE(LogbestandAan);
    // Taken as the file logfile.csv in a folder /demo, which does not exist.
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[269]);
    EXPECT_TRUE(Gegevensbestand.isEmpty());
}

TEST_F(OpdrachtregelTest, AFileInAnUnusableFolderIsReportedAndEndsTheParsing) {
    Ontleed({tijdelijkeMap() + QStringLiteral("/missing/data"), QStringLiteral("/logfile")});
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[269]);
    EXPECT_TRUE(Gegevensbestand.isEmpty());
    EXPECT_FALSE(LogbestandAan);
}

} // namespace
