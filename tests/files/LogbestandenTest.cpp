#include "files/Logbestanden.h"
#include "BegrensdeMeldingen.h"
#include "Bestandsgrens.h"
#include "Meetsysteem.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "TijdenInSeconden.h"
#include "acquisition/Programmastatus.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <utility>

class LogbestandenTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        BouwMeetsysteem();
        map = tijdelijkeMap() + QStringLiteral("/log");
        QDir().mkpath(map);
        // The event log lies in the test's own folder, beside the logging files' folder.
        MapGegevens = tijdelijkeMap();
    }
    // Three snapshots a minute apart, the last one the end point of the run.
    void LogReeks(const QString& sjabloon) {
        Gegevensbestand = map + QLatin1Char('/') + sjabloon;
        TijdMeting = platform::Nu();
        LogMeting(QString());
        klok().verstrijk(60000);
        Racks[1].Modules[1].Meting[1].Waarde = 7.5f;
        Racks[1].Modules[1].Temperatuur[1].Waarde = 30.0f;
        TijdMeting = platform::Nu();
        LogMeting(u8("sample \"A\", 2°"));
        klok().verstrijk(60000);
        TijdMeting = platform::Nu();
        LogMeting(QStringLiteral("Stop"));
    }
    // Every logging file of the folder names in its header the inputs of one unit only (one rack, module
    // or input, by the titles "R<r>M<m>C<i>"), and holds one row per snapshot, each at a time of its own.
    // The units, as "R1M3" (a module) or "R1M3C2" (an input), by the file's name.
    QMap<QString, QString> EenEenheidPerBestand(int snapshots) const {
        QMap<QString, QString> eenheden;
        static const QRegularExpression titel(QStringLiteral("^\\S+ (R\\d+M\\d+)(C\\d+)$"));
        for (const QString& naam : QDir(map).entryList({QStringLiteral("*.csv")}, QDir::Files)) {
            SCOPED_TRACE(naam.toStdString());
            const QStringList regels =
                platform::SplitsRegels(platform::VanWindows1252(LeesBytes(map + QLatin1Char('/') + naam)));
            EXPECT_EQ(regels.size(), 1 + snapshots) << regels.join(QStringLiteral("\n")).toStdString();
            if (regels.isEmpty()) continue;
            QSet<QString> modules, ingangen;
            for (const QString& veld : SplitsVelden(regels[0])) {
                const QRegularExpressionMatch m = titel.match(veld);
                if (!m.hasMatch()) continue;
                modules.insert(m.captured(1));
                ingangen.insert(m.captured(1) + m.captured(2));
            }
            EXPECT_EQ(modules.size(), 1) << regels[0].toStdString();
            eenheden.insert(naam, ingangen.size() == 1 ? *ingangen.begin() : *modules.begin());
            QSet<QString> tijden;
            for (qsizetype r = 1; r < regels.size(); ++r)
                tijden.insert(SplitsVelden(regels[r]).value(0));
            EXPECT_EQ(tijden.size(), regels.size() - 1) << "rows of one time";
        }
        return eenheden;
    }
    // The logging files of the folder that the event log (the current one, or the one at `logboek`)
    // names, one line each, joined.
    std::string GenoemdInLogboek(const QString& logboek = LogboekPad) const {
        QStringList namen;
        const QString voor = QStringLiteral("Data logger: ") + map + QLatin1Char('/');
        for (const QString& regel : platform::SplitsRegels(platform::VanWindows1252(LeesBytes(logboek))))
            if (const qsizetype p = regel.indexOf(voor); p >= 0) namen << regel.mid(p + voor.size());
        return namen.join(QLatin1Char('|')).toStdString();
    }
    QString map;
};

TEST_F(LogbestandenTest, OneFileForAllRacks) {
    LogReeks(QStringLiteral("run.csv"));
    VergelijkMetGolden(map, GoldenMap(QStringLiteral("log0")));
}

TEST_F(LogbestandenTest, OneFilePerRack) {
    LogReeks(QStringLiteral("run_#rack#.csv"));
    VergelijkMetGolden(map, GoldenMap(QStringLiteral("log1")));
}

TEST_F(LogbestandenTest, OneFilePerModuleWithSlashInTheNameKeptInTheFolder) {
    LogReeks(QStringLiteral("#rack#-#module#.csv"));
    VergelijkMetGolden(map, GoldenMap(QStringLiteral("log2")));
}

TEST_F(LogbestandenTest, OneFilePerInputAndInputsOfOneNameEachHaveTheirOwnFile) {
    // Two inputs of one rack with the same name (and the unnamed ones) never share a file: the first
    // keeps it, each other gets its own beside it, "name_2.csv", ..., with its own header.
    Racks[1].Modules[3].Meting[1].Name = "Redox";
    LogbestandAan = true;
    LogReeks(QStringLiteral("#rack#_#channel#.csv"));
    VergelijkMetGolden(map, GoldenMap(QStringLiteral("log4")));
    const QMap<QString, QString> eenheden = EenEenheidPerBestand(3);
    EXPECT_EQ(eenheden.value(QStringLiteral("Lab A_Redox.csv")), QStringLiteral("R1M1C2"));
    EXPECT_EQ(eenheden.value(QStringLiteral("Lab A_Redox_2.csv")), QStringLiteral("R1M3C1"));
    // The event log names each file of its own once.
    EXPECT_EQ(GenoemdInLogboek(),
              "Lab A_Redox_2.csv|Lab A__2.csv|Lab A__3.csv|Lab A__4.csv|Lab_B__2.csv|Lab_B__3.csv");
}

// Two racks whose modules have one name (the model's, by default), logged with "#module#" but not
// "#rack#": each module has a file of its own whose header names its inputs alone, and one row per
// snapshot goes into each; the second module's file is "name_2.csv", named in the event log. It keeps
// that file when logging starts again, and so after a new start of the program (its header says whose
// it is). Seven modules of one name in one rack, with "#channel#" but not "#module#": an input file
// each.
TEST_F(LogbestandenTest, ModulesOfOneNameNeverShareAFile) {
    LogbestandAan = true;
    Racks[2].Modules[2].Name = Racks[1].Modules[1].Name;
    const QString eerste = map + QStringLiteral("/run-pH_Redox.csv");
    const QString tweede = map + QStringLiteral("/run-pH_Redox_2.csv");
    LogReeks(QStringLiteral("run-#module#.csv"));
    QMap<QString, QString> eenheden = EenEenheidPerBestand(3);
    EXPECT_EQ(eenheden.value(QStringLiteral("run-pH_Redox.csv")), QStringLiteral("R1M1"));
    EXPECT_EQ(eenheden.value(QStringLiteral("run-pH_Redox_2.csv")), QStringLiteral("R2M2"));
    EXPECT_EQ(eenheden.size(), 3);
    EXPECT_EQ(GenoemdInLogboek(), "run-pH_Redox_2.csv");
    EXPECT_EQ(LogBestanden(Gegevensbestand).join(QLatin1Char('|')).toStdString(),
              (QStringList{eerste, map + QStringLiteral("/run-EC 1.csv"), tweede})
                  .join(QLatin1Char('|'))
                  .toStdString());

    // Logging again, and after a new start.
    for (const bool nieuweStart : {false, true}) {
        SCOPED_TRACE(nieuweStart ? "a new start" : "logging again");
        if (nieuweStart) ResetLogbestanden();
        BeginLogging();
        klok().verstrijk(60000);
        LogReeks(QStringLiteral("run-#module#.csv"));
        eenheden = EenEenheidPerBestand(nieuweStart ? 9 : 6);
        EXPECT_EQ(eenheden.value(QStringLiteral("run-pH_Redox_2.csv")), QStringLiteral("R2M2"));
        EXPECT_EQ(eenheden.size(), 3);
        EXPECT_EQ(GenoemdInLogboek(),
                  nieuweStart ? "run-pH_Redox_2.csv|run-pH_Redox_2.csv" : "run-pH_Redox_2.csv");
    }

    // The module of a file of its own keeps it while the program runs, also once the module whose name it
    // shares is gone and logging starts again: its rows go on there, and the run stays in its series.
    const QString sjabloon = map + QStringLiteral("/run-#module#.csv");
    const auto rijen = [](const QString& pad) {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad))).size() - 1;
    };
    // The module whose inputs a file's header names.
    const auto eenheid = [](const QString& pad) {
        static const QRegularExpression titel(QStringLiteral("\"Value (R\\d+M\\d+)C1\""));
        return titel.match(platform::VanWindows1252(LeesBytes(pad))).captured(1).toStdString();
    };
    Racks[1].Modules[1].Present = false;
    for (int keer = 0; keer < 2; ++keer) {
        BeginLogging();
        klok().verstrijk(60000);
        LogReeks(QStringLiteral("run-#module#.csv"));
        EXPECT_EQ(Gegevensbestand.toStdString(), sjabloon.toStdString()) << "the run left its series";
    }
    Racks[1].Modules[1].Present = true;
    EXPECT_EQ(rijen(tweede), 15) << "R2M2 did not keep its file";
    EXPECT_EQ(rijen(eerste), 9);

    // After a new start each header leads its module back to its file, also when the file the name gives
    // holds another module than the first of that name; a file beside it that holds another layout is
    // not taken.
    for (const QString& naam : QDir(map).entryList(QDir::Files))
        ASSERT_TRUE(QFile::remove(map + QLatin1Char('/') + naam));
    const QByteArray anders = "\"Time\",\"Other\"\r\n";
    SchrijfBytes(tweede, anders);
    const auto naam = Racks[1].Modules[1].Name;
    Racks[1].Modules[1].Name = QStringLiteral("Other");
    ResetLogbestanden();
    LogReeks(QStringLiteral("run-#module#.csv"));
    ASSERT_EQ(eenheid(eerste), "R2M2");
    Racks[1].Modules[1].Name = naam;
    ResetLogbestanden();
    BeginLogging();
    klok().verstrijk(60000);
    LogReeks(QStringLiteral("run-#module#.csv"));
    EXPECT_EQ(Gegevensbestand.toStdString(), sjabloon.toStdString()) << "the run left its series";
    EXPECT_EQ(eenheid(eerste), "R2M2");
    EXPECT_EQ(rijen(eerste), 6);
    const QString derde = map + QStringLiteral("/run-pH_Redox_3.csv");
    EXPECT_EQ(eenheid(derde), "R1M1");
    EXPECT_EQ(rijen(derde), 3);
    EXPECT_EQ(LeesBytes(tweede), anders);

    // Seven K761 modules of their model's name in one rack, inputs named alike.
    for (const QString& naam : QDir(map).entryList(QDir::Files))
        ASSERT_TRUE(QFile::remove(map + QLatin1Char('/') + naam));
    Racks[2].Present = false;
    for (int m = 2; m <= 7; ++m)
        Racks[1].Modules[m] = Racks[1].Modules[1];
    ResetLogbestanden();
    LogReeks(QStringLiteral("#rack#-#module#-#channel#.csv"));
    eenheden = EenEenheidPerBestand(3);
    EXPECT_EQ(eenheden.size(), 28);
    QSet<QString> verschillend(eenheden.begin(), eenheden.end());
    EXPECT_EQ(verschillend.size(), 28);
    EXPECT_EQ(eenheden.value(QStringLiteral("Lab A-pH_Redox-CH1.csv")), QStringLiteral("R1M1C1"));
    EXPECT_EQ(eenheden.value(QStringLiteral("Lab A-pH_Redox-CH1_7.csv")), QStringLiteral("R1M7C1"));
}

TEST_F(LogbestandenTest, DateTemplateStartsANewFileWithItsHeaderAfterMidnight) {
    klok().verstrijk(15 * 3600 * 1000 - 60000); // 23:59
    Gegevensbestand = map + QStringLiteral("/day#date#.csv");
    TijdMeting = platform::Nu();
    LogMeting(QString());
    klok().verstrijk(120000);
    TijdMeting = platform::Nu();
    LogMeting(QString());
    LogMeting(QString());
    const QByteArray eerste = LeesBytes(map + QStringLiteral("/day260105.csv"));
    const QByteArray tweede = LeesBytes(map + QStringLiteral("/day260106.csv"));
    EXPECT_TRUE(eerste.startsWith("\"Time\",\"Flags R1M1C1\""));
    EXPECT_TRUE(tweede.startsWith("\"Time\",\"Flags R1M1C1\""));
    EXPECT_EQ(eerste.count("\r\n"), 2);
    EXPECT_EQ(tweede.count("\r\n"), 3);
    EXPECT_TRUE(tweede.contains("\"06/01/2026 00:01:00\""));
}

// A run under a name of the day, a row every ten seconds. It ends one second after midnight, before the
// new day's first row: its end point, at the time of the end, goes into the former day's file, and no file
// of the new day is made; a later end writes nothing there. A run whose rows went on in the new day's
// file has left the former day's: a change of layout and the end write there alone.
TEST_F(LogbestandenTest, AnEndAfterMidnightGoesIntoTheFilesOfTheRunsLastRowsWhateverTheDateNow) {
    Gegevensbestand = map + QStringLiteral("/run-#date#.csv");
    const auto dag = [this](int d) {
        return map + QStringLiteral("/run-2601%1.csv").arg(d, 2, 10, QChar(u'0'));
    };
    const auto meet = [this](const QString& info = QString()) {
        TijdMeting = platform::Nu();
        LogMeting(info);
    };
    const auto regels = [](const QString& pad) {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    };
    klok().verstrijk(15 * 3600 * 1000 - 20000); // 23:59:40
    BeginLogging();
    meet();
    klok().verstrijk(10000);
    meet();
    klok().verstrijk(11000); // 00:00:01
    meet(QStringLiteral("Stop"));
    QStringList gisteren = regels(dag(5));
    ASSERT_EQ(gisteren.size(), 4) << "the former day's file has no end point:\n"
                                  << gisteren.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(SplitsVelden(gisteren[3]).value(0).toStdString(), "06/01/2026 00:00:01");
    EXPECT_TRUE(SplitsVelden(gisteren[3]).mid(1).join(QString()).isEmpty()) << gisteren[3].toStdString();
    EXPECT_EQ(SplitsVelden(gisteren[3]).size(), SplitsVelden(gisteren[2]).size());
    EXPECT_FALSE(QFileInfo::exists(dag(6))) << "the end point made a file of a day without rows of the run";
    klok().verstrijk(1000);
    meet(QStringLiteral("Stop"));
    EXPECT_EQ(regels(dag(5)).size(), 4) << "a second end point in the former day's file";
    EXPECT_FALSE(QFileInfo::exists(dag(6)));

    // The next day: rows at 23:59:50 and 00:00:00, then another layout and the end.
    klok().verstrijk(24 * 3600 * 1000 - 12000); // 23:59:50
    BeginLogging();
    meet();
    klok().verstrijk(10000);
    meet();
    const QByteArray verlaten = LeesBytes(dag(6));
    ASSERT_EQ(regels(dag(6)).size(), 2);
    ASSERT_EQ(regels(dag(7)).size(), 2);
    Racks[2].Present = false;
    klok().verstrijk(10000);
    meet();
    klok().verstrijk(10000);
    meet(QStringLiteral("Stop"));
    Racks[2].Present = true;
    EXPECT_TRUE(LeesBytes(dag(6)) == verlaten) << "the file of the day the run left got an end point:\n"
                                               << regels(dag(6)).join(QLatin1Char('\n')).toStdString();
    const QStringList nieuw = regels(dag(7));
    ASSERT_EQ(nieuw.size(), 3) << nieuw.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(SplitsVelden(nieuw[2]).value(0).toStdString(), "07/01/2026 00:00:10");
}

TEST_F(LogbestandenTest, AnInfoTextTheCodePageLacksIsLoggedWithQuestionMarks) {
    Gegevensbestand = map + QStringLiteral("/run.csv");
    TijdMeting = platform::Nu();
    LogMeting(QString::fromUtf8("Zo\u00eb \u0141ukasz"));
    const QByteArray bytes = LeesBytes(Gegevensbestand);
    EXPECT_TRUE(bytes.contains("\"Zo\xEB ?ukasz\""));
    EXPECT_FALSE(bytes.contains('\x1A'));
}

TEST_F(LogbestandenTest, FileNamesFromTheTemplate) {
    Racks[1].Modules[1].Meting[2].Name = "A:b";
    Racks[2].Name = "left/right\\x";
    Racks[2].Modules[2].Name = "  a<b>|c*?  ";
    const QString s = QStringLiteral("/d/#date#/#rack#_#module#_#channel#.csv");
    EXPECT_EQ(MaakBestandsnaam(s, 1, 1, 2), "/d/260105/Lab A_pH_Redox_A_b.csv");
    EXPECT_EQ(MaakBestandsnaam(s, 1, 1, 6), "/d/260105/Lab A_pH_Redox_A_b_DC.csv");
    // A name never makes a folder of its own; the template's own folders stay.
    EXPECT_EQ(MaakBestandsnaam(s, 2, 2, 1), "/d/260105/left_right_x_a_b__c___Nitrate.csv");
    // Markers whose number is 0 stay; characters not allowed in a name become "_" everywhere.
    EXPECT_EQ(MaakBestandsnaam(s, 1, 0, 3), "/d/260105/Lab A_#module#_#channel#.csv");
    EXPECT_EQ(MaakBestandsnaam(QStringLiteral("  a?b*\"c\".csv  "), 0, 0, 0), "a_b__c_.csv");
    EXPECT_EQ(MaakBestandsnaam(QString(QChar(0)) + QStringLiteral("x.csv") + QChar(255), 0, 0, 0), "x.csv");
    // The rack name is stored back trimmed.
    EXPECT_EQ(Racks[1].Name.tekst().left(6), "Lab A ");

    EXPECT_EQ(LogModus(QStringLiteral("a.csv")), LogEenBestand);
    EXPECT_EQ(LogModus(QStringLiteral("#date##rack#.csv")), LogPerRack);
    EXPECT_EQ(LogModus(QStringLiteral("#channel##rack#.csv")), LogPerKanaal);
    EXPECT_EQ(LogModus(QStringLiteral("#module##rack#.csv")), LogPerModule);
    EXPECT_TRUE(HeeftSjabloon(QStringLiteral("x#date#.csv")));
    EXPECT_FALSE(HeeftSjabloon(QStringLiteral("x#DATE#.csv")));
}

TEST_F(LogbestandenTest, AFileThatCannotBeWrittenIsAskedAboutBesideTheRunAndItsRowsWaitForRetry) {
    // A folder of the file's name stands where the file should be; its own folder can be written.
    Gegevensbestand = map + QStringLiteral("/run.csv");
    ASSERT_TRUE(QDir().mkpath(Gegevensbestand));
    OpnameMelding melding;
    std::vector<QString> meldingen;
    melding.beantwoord = [&](const Vraag& v) {
        meldingen.push_back(v.tekst);
        EXPECT_EQ(v.stijl, vbRetryCancel | vbExclamation);
        EXPECT_EQ(v.titel, Gegevensbestand);
        if (meldingen.size() == 1) {
            // Logging goes on while the question waits: its row waits too, and nothing more is asked.
            TijdMeting += 1.0 / 86400.0;
            LogMeting(QString());
            EXPECT_EQ(meldingen.size(), 1u);
            QDir().rmdir(Gegevensbestand);
            return int(vbRetry);
        }
        return int(vbCancel);
    };
    BegrensdeMeldingen begrensd(melding);
    ZetMeldingVenster(&begrensd);
    TijdMeting = platform::Nu();
    LogMeting(QString());
    EXPECT_TRUE(meldingen.empty()) << "asked inside the snapshot, which stops the rows behind it";
    klok().verstrijk(1);
    ASSERT_EQ(meldingen.size(), 1u);
    // The path and the system's reason: a folder in the file's place is no file in use.
    EXPECT_EQ(meldingen[0],
              Gegevensbestand + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_EQ(LeesBytes(Gegevensbestand).count("\r\n"), 3) << "the header and both rows";

    // Cancel gives up the rows that wait, and logging goes on.
    Gegevensbestand = map + QStringLiteral("/other.csv");
    ASSERT_TRUE(QDir().mkpath(Gegevensbestand));
    LogMeting(QString());
    klok().verstrijk(1);
    EXPECT_EQ(meldingen.size(), 2u);
    LogMeting(QString());
    klok().verstrijk(1);
    EXPECT_EQ(meldingen.size(), 3u) << "a row after a Cancel is asked about again";

    // One question for all the files a snapshot cannot write: its Cancel gives up every one.
    Gegevensbestand = map + QStringLiteral("/#rack#.csv");
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("/Lab A.csv")));
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("/Lab_B.csv")));
    LogMeting(QString());
    klok().verstrijk(1);
    EXPECT_EQ(meldingen.size(), 4u);

    // Without a data file nothing is logged and nothing is asked.
    Gegevensbestand.clear();
    LogMeting(QString());
    klok().verstrijk(1);
    EXPECT_EQ(meldingen.size(), 4u);
}

TEST_F(LogbestandenTest, AFolderThatCannotBeWrittenIsReportedOncePerRunWithTheSystemsReason) {
    Gegevensbestand = map + QStringLiteral("/missing/#rack#.csv");
    OpnameMelding melding;
    const std::vector<Vraag>& meldingen = melding.vragen;
    melding.beantwoord = [](const Vraag&) {
        LogMeting(QString()); // snapshots go on while the box waits
        return int(vbOK);
    };
    BegrensdeMeldingen begrensd(melding);
    ZetMeldingVenster(&begrensd);
    const QString tekst = Tekst[269] + QStringLiteral("\r\n\r\n") + map + QStringLiteral("/missing\r\n") +
                          QString::fromLocal8Bit(std::strerror(ENOENT));
    // Checked when logging starts: both racks' files lie in the one folder, reported once.
    EXPECT_FALSE(BeginLogging());
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, tekst);
    EXPECT_EQ(meldingen[0].stijl, vbOKOnly | vbExclamation);
    EXPECT_EQ(meldingen[0].titel, Gegevensbestand);
    for (int i = 0; i < 3; ++i) {
        TijdMeting = platform::Nu();
        LogMeting(QString());
        klok().verstrijk(1000);
    }
    LogMeting(QStringLiteral("Stop"));
    klok().verstrijk(1000);
    EXPECT_EQ(meldingen.size(), 1u);
    // The next run is told again, at its first snapshot when it is not started through BeginLogging; the
    // box waits beside the run, not inside the snapshot.
    TijdMeting = platform::Nu();
    LogMeting(QString());
    EXPECT_EQ(meldingen.size(), 1u) << "told inside the snapshot, which stops the rows behind it";
    klok().verstrijk(1000);
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(meldingen[1].tekst, tekst);
    // The rows wait meanwhile: once the folder can be written, the next snapshot writes them in order,
    // then its own row. A folder that can be written passes the check without a word.
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("/missing")));
    TijdMeting = platform::Nu();
    LogMeting(QString());
    for (const QString& pad : LogBestanden(Gegevensbestand)) {
        const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
        // The header; the first run: the row taken while the box of its start waited, three rows, the end
        // point; the next run: its first row, the row taken while its box waited, the row of now.
        ASSERT_EQ(regels.size(), 9) << pad.toStdString();
        platform::Datum vorige = 0;
        for (qsizetype r = 1; r < regels.size(); ++r) {
            platform::Datum tijd = 0;
            ASSERT_TRUE(platform::LeesDatumTijd(SplitsVelden(regels[r]).value(0), tijd));
            EXPECT_GE(tijd, vorige) << "row " << r << " out of order";
            vorige = tijd;
        }
    }
    EXPECT_TRUE(BeginLogging());
    EXPECT_EQ(meldingen.size(), 2u);
}

TEST_F(LogbestandenTest, AModuleGivenUpByThePollSupervisionLogsNoValues) {
    Gegevensbestand = map + QStringLiteral("/run.csv");
    TijdMeting = platform::Nu();
    Racks[1].Modules[1].GeenAntwoordTeller = 1;
    LogMeting(QString());
    Racks[1].Modules[1].GeenAntwoordTeller = 0;
    LogMeting(QString());
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(Gegevensbestand)));
    ASSERT_EQ(regels.size(), 3);
    const QStringList stil = SplitsVelden(regels[1]);
    const QStringList weer = SplitsVelden(regels[2]);
    ASSERT_EQ(stil.size(), weer.size());
    // Module 1 of rack 1: the time, then flags, value, unit, temperature, temperature unit per input.
    EXPECT_EQ(stil.mid(1, 5), (QStringList{"0", "", "pH", "", u8("°C")}));
    EXPECT_EQ(weer.mid(1, 5), (QStringList{"0", "7.012", "pH", "22.0", u8("°C")}));
    EXPECT_EQ(stil.mid(16, 5), (QStringList{"0", "", "mg/l DO", "", u8("°C")}));
    // The other modules as usual.
    EXPECT_EQ(stil.mid(22), weer.mid(22));
    EXPECT_EQ(stil.at(23), "0.01");
}

TEST_F(LogbestandenTest, LengthOfALogFileCreatesIt) {
    Gegevensbestand = map + QStringLiteral("/#rack#.csv");
    EXPECT_EQ(LengteLogBestand(Gegevensbestand, 1, 0, 0), 0);
    EXPECT_TRUE(QFileInfo::exists(map + QStringLiteral("/Lab A.csv")));
    QString q;
    SchrijfVeldNaarBestand(Gegevensbestand, 1, 0, 0, QStringLiteral("x"), true, q);
    EXPECT_EQ(LengteLogBestand(Gegevensbestand, 1, 0, 0), 5);

    OpnameMelding melding;
    melding.antwoorden = {vbCancel};
    BegrensdeMeldingen begrensd(melding);
    ZetMeldingVenster(&begrensd);
    EXPECT_EQ(LengteLogBestand(map + QStringLiteral("/no/#rack#.csv"), 1, 0, 0), 0);
    EXPECT_EQ(melding.vragen.size(), 1u);
}

TEST_F(LogbestandenTest, ARunAppendedToAFileWhoseLastRowWasCutBeginsOnALineOfItsOwn) {
    Gegevensbestand = map + QStringLiteral("/run.csv");
    TijdMeting = platform::Nu();
    LogMeting(QString());
    LogMeting(QString());
    // A power cut in the middle of the last row.
    const QByteArray heel = LeesBytes(Gegevensbestand);
    const QByteArray afgebroken = heel.left(heel.size() - 40);
    SchrijfBytes(Gegevensbestand, afgebroken);

    BeginLogging();
    for (int i = 0; i < 2; ++i) {
        klok().verstrijk(1000);
        TijdMeting = platform::Nu();
        // The first row after the cut is refused by a full disk: it waits, and the line end with it.
        std::optional<Bestandsgrens> vol;
        if (i == 0) vol.emplace(static_cast<rlim_t>(afgebroken.size()));
        LogMeting(QString());
        if (i == 0) {
            ASSERT_EQ(LeesBytes(Gegevensbestand), afgebroken);
        }
    }
    const QByteArray na = LeesBytes(Gegevensbestand);
    EXPECT_TRUE(na.startsWith(afgebroken + "\r\n")) << "the cut row stays as it was:\n" << na.toStdString();
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(na));
    ASSERT_EQ(regels.size(), 5);
    const qsizetype velden = SplitsVelden(regels[0]).size();
    for (int r = 3; r < 5; ++r) {
        bool onafgesloten = true;
        EXPECT_EQ(SplitsVelden(regels[r], &onafgesloten).size(), velden) << r;
        EXPECT_FALSE(onafgesloten) << r;
    }

    // Read back: the loader names the cut row alone.
    OpnameMelding melding;
    BegrensdeMeldingen begrensd(melding);
    ZetMeldingVenster(&begrensd);
    LeesGegevensbestand(Gegevensbestand);
    EXPECT_EQ(AantalMetingen, 4);
    ASSERT_EQ(melding.vragen.size(), 1u);
    EXPECT_TRUE(melding.vragen[0].tekst.contains(QStringLiteral("\r\n3: ")));
    EXPECT_FALSE(melding.vragen[0].tekst.contains(QStringLiteral("\r\n4: ")));
    EXPECT_FALSE(melding.vragen[0].tekst.contains(QStringLiteral("\r\n5: ")));
}

// A file cut between the CR and the LF of its last line end gets the LF; whether a cut fell inside a
// quoted text is told by the whole record, whose text (another program's) may span lines.
TEST_F(LogbestandenTest, ARunAppendedToAFileCutAfterItsCrOrInAMultiLineTextBeginsOnALineOfItsOwn) {
    Gegevensbestand = map + QStringLiteral("/run.csv");
    TijdMeting = platform::Nu();
    LogMeting(QString());
    const QByteArray heel = LeesBytes(Gegevensbestand);
    const QByteArray rij = heel.mid(heel.indexOf("\r\n") + 2);
    const QByteArray begin = heel + rij.left(rij.lastIndexOf(','));
    const std::pair<QByteArray, QByteArray> vormen[] = {{heel.chopped(1), "\n"},
                                                        {begin + ",\"note\r\nsecond \"\"line\"", "\r\n"},
                                                        {begin + ",\"note\"\"\r\nsecond", "\"\r\n"}};
    for (const auto& [bytes, regelbegin] : vormen) {
        SCOPED_TRACE(bytes.right(30).toStdString());
        SchrijfBytes(Gegevensbestand, bytes);
        BeginLogging();
        LogMeting(QString());
        EXPECT_EQ(LeesBytes(Gegevensbestand).toStdString(), (bytes + regelbegin + rij).toStdString());
    }
}

TEST_F(LogbestandenTest,
       RowsGoOnUnderAHeaderOfTheirLayoutAndAnotherLayoutMovesTheRunToTheNextNameOfTheSeries) {
    // A saved table names the inputs by their names: its layout is still the racks' layout.
    Gegevensbestand = map + QStringLiteral("/run.csv");
    AantalMetingen = 0;
    ASSERT_TRUE(SchrijfGegevensbestand(Gegevensbestand));
    BeginLogging();
    TijdMeting = platform::Nu();
    LogMeting(QString());
    LogMeting(QString());
    EXPECT_EQ(Gegevensbestand, map + QStringLiteral("/run.csv"));
    EXPECT_EQ(platform::SplitsRegels(platform::VanWindows1252(LeesBytes(Gegevensbestand))).size(), 3);

    const auto regels = [](const QString& pad) {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    };
    const auto isEindpunt = [](const QString& regel) {
        const QStringList velden = SplitsVelden(regel);
        return std::all_of(velden.begin() + 1, velden.end(), [](const QString& v) { return v.isEmpty(); });
    };
    // A module more: the run ends in its file, with rows of that file's layout, and goes on beside it.
    Racks[2].Modules[5] = Racks[2].Modules[2];
    klok().verstrijk(1000);
    TijdMeting = platform::Nu();
    LogMeting(QString());
    const QStringList oud = regels(map + QStringLiteral("/run.csv"));
    ASSERT_EQ(oud.size(), 4);
    EXPECT_TRUE(isEindpunt(oud[3]));
    EXPECT_EQ(SplitsVelden(oud[3]).size(), SplitsVelden(oud[2]).size());
    EXPECT_EQ(Gegevensbestand, map + QStringLiteral("/run_2.csv"));
    const QStringList nieuw = regels(Gegevensbestand);
    ASSERT_EQ(nieuw.size(), 2);
    EXPECT_TRUE(nieuw[0].contains(QStringLiteral("\"Flags R2M5C1\"")));
    EXPECT_FALSE(isEindpunt(nieuw[1]));

    // Back to the former layout: the series goes on from its first name.
    Racks[2].Modules[5].Present = false;
    LogMeting(QString());
    EXPECT_EQ(Gegevensbestand, map + QStringLiteral("/run_3.csv"));
    EXPECT_TRUE(isEindpunt(regels(map + QStringLiteral("/run_2.csv")).last()));
    EXPECT_EQ(regels(map + QStringLiteral("/run.csv")), oud);
}

// A data file deleted while logging is not made again to hold the end point alone when the run ends
// because another file of the run takes another layout.
TEST_F(LogbestandenTest, ADataFileDeletedWhileLoggingIsNotMadeAgainForTheEndPointOfItsRun) {
    Gegevensbestand = map + QStringLiteral("/run_#rack#.csv");
    BeginLogging();
    TijdMeting = platform::Nu();
    LogMeting(QString());
    const QString rack1 = map + QStringLiteral("/run_Lab A.csv");
    ASSERT_TRUE(QFile::remove(rack1));
    // A module more in rack 2: the run ends in its files and goes on beside them.
    Racks[2].Modules[5] = Racks[2].Modules[2];
    klok().verstrijk(1000);
    TijdMeting = platform::Nu();
    LogMeting(QString());
    EXPECT_TRUE(Gegevensbestand.endsWith(QStringLiteral("_2.csv"))) << Gegevensbestand.toStdString();
    EXPECT_FALSE(QFile::exists(rack1)) << "made again for the end point of its run";
    // Nor by the end point of logging switched off.
    const QString volgende = MaakBestandsnaam(Gegevensbestand, 1, 0, 0);
    ASSERT_TRUE(QFile::remove(volgende));
    LogMeting(QStringLiteral("Stop"));
    EXPECT_FALSE(QFile::exists(volgende)) << "made again for the end point of logging switched off";
}

// Rack 1's file is replaced behind the program by a file of another layout while the run goes on. The
// next snapshot reads the header that file has now: the run ends there without an end point of its own
// (the file stays as it was put in place), ends in rack 2's file with its end point, and goes on in the
// files of the next name. Nothing of the run waits for the replaced file: the event log names the new
// data file alone, and no other file is made.
TEST_F(LogbestandenTest, AFileReplacedByAnotherLayoutWhileLoggingGetsNoEndPointOfTheRun) {
    LogbestandAan = true;
    RackVlaggen[2].Measure = true;
    Gegevensbestand = map + QStringLiteral("/run_#rack#.csv");
    const QStringList bestanden = LogBestanden(Gegevensbestand);
    ASSERT_EQ(bestanden.size(), 2);
    const QString rack1 = bestanden[0], rack2 = bestanden[1];
    BeginLogging();
    for (int i = 0; i < 2; ++i) {
        klok().verstrijk(1000);
        TijdMeting = platform::Nu();
        LogMeting(QString());
    }
    const auto regels = [](const QString& pad) {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    };
    const auto isEindpunt = [](const QString& regel) {
        const QStringList velden = SplitsVelden(regel);
        return std::all_of(velden.begin() + 1, velden.end(), [](const QString& v) { return v.isEmpty(); });
    };
    ASSERT_EQ(regels(rack1).size(), 3);
    ASSERT_EQ(regels(rack2).size(), 3);

    const QByteArray ander = "\"Time\",\"Other\"\r\n\"05/01/2026 09:00:00\",\"1\"\r\n";
    const QString tijdelijk = map + QStringLiteral("/other.tmp");
    SchrijfBytes(tijdelijk, ander);
    ASSERT_TRUE(QFile::remove(rack1));
    ASSERT_TRUE(QFile::rename(tijdelijk, rack1));
    klok().verstrijk(1000);
    TijdMeting = platform::Nu();
    LogMeting(QString());
    klok().verstrijk(1000);
    TijdMeting = platform::Nu();
    LogMeting(QStringLiteral("Stop"));

    EXPECT_EQ(LeesBytes(rack1).toStdString(), ander.toStdString()) << "the run wrote into the replaced file";
    const QStringList twee = regels(rack2);
    ASSERT_EQ(twee.size(), 4);
    EXPECT_TRUE(isEindpunt(twee[3])) << "no end point in rack 2's file";
    EXPECT_FALSE(isEindpunt(twee[2]));
    const QString verder = Gegevensbestand;
    EXPECT_NE(verder, map + QStringLiteral("/run_#rack#.csv"));
    EXPECT_EQ(GenoemdInLogboek(), QFileInfo(verder).fileName().toStdString())
        << "the event log names a file the run did not go on in";
    QStringList verwacht{QFileInfo(rack1).fileName(), QFileInfo(rack2).fileName()};
    for (const QString& pad : LogBestanden(verder))
        verwacht << QFileInfo(pad).fileName();
    verwacht.sort();
    EXPECT_EQ(QDir(map).entryList(QDir::Files).join(QLatin1Char('|')).toStdString(),
              verwacht.join(QLatin1Char('|')).toStdString());
    for (const QString& pad : LogBestanden(verder)) {
        const QStringList nieuw = regels(pad);
        ASSERT_EQ(nieuw.size(), 3) << pad.toStdString();
        EXPECT_FALSE(isEindpunt(nieuw[1]));
        EXPECT_TRUE(isEindpunt(nieuw[2]));
    }
}

// On a file system that keeps times to the second, a header edited in place in the second of the
// program's own write leaves the file as it stood (its length, its times, the file itself). Every write
// into the file compares the header's bytes again: the next row goes on in the file of the next name,
// and neither that row nor the run's end point goes under the edited header; nor does the end point of
// logging switched off, nor that of an end after midnight into the former day's file.
TEST_F(LogbestandenTest, AHeaderEditedInTheSecondOfAWriteTakesNoRowAndNoEndPointWhereTimesAreToTheSecond) {
    const TijdenInEenSeconde seconde;
    OpnameMelding melding;
    BegrensdeMeldingen begrensd(melding);
    ZetMeldingVenster(&begrensd);
    const auto meet = [this](const QString& info = QString()) {
        TijdMeting = platform::Nu();
        LogMeting(info);
    };
    const auto regels = [](const QString& pad) {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    };
    // The file whose header was edited keeps no line of the run waiting either (to go in, or beside it).
    const auto wachtNiets = [] {
        EXPECT_EQ(WachtendBestand().toStdString(), "")
            << "a line of the run waits for the file whose header was edited";
    };
    // The file holds the bytes it had once its header was edited, and no line more.
    const auto zoalsBewerkt = [&regels](const QString& pad, const QByteArray& bytes) {
        if (LeesBytes(pad) == bytes) return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << QFileInfo(pad).fileName().toStdString() << " holds " << regels(pad).size()
               << " lines instead of " << bytes.count('\n') << ", the last:\n"
               << regels(pad).value(regels(pad).size() - 1).left(80).toStdString();
    };
    const QByteArray titel = "\"Value R1M1C1\"", bewerkt = "\"Value R1M1C2\"";

    // A row: the run goes on beside the file.
    Gegevensbestand = map + QStringLiteral("/sec1.csv");
    BeginLogging();
    meet();
    klok().verstrijk(1000);
    meet();
    const QByteArray eerste = BewerkKopTerPlaatse(Gegevensbestand, titel, bewerkt);
    ASSERT_FALSE(HasFailure());
    klok().verstrijk(1000);
    meet();
    EXPECT_EQ(Gegevensbestand.toStdString(), (map + QStringLiteral("/sec1_2.csv")).toStdString())
        << "the run did not go on beside the file whose header was edited";
    EXPECT_TRUE(zoalsBewerkt(map + QStringLiteral("/sec1.csv"), eerste))
        << "the run wrote a row or its end point under the edited header";
    EXPECT_EQ(regels(map + QStringLiteral("/sec1_2.csv")).size(), 2);
    EXPECT_EQ(QDir(map).entryList(QDir::Files).join(QLatin1Char('|')).toStdString(), "sec1.csv|sec1_2.csv")
        << "the files of the folder";
    wachtNiets();

    // The end point of logging switched off.
    klok().verstrijk(1000);
    meet();
    const QByteArray tweede = BewerkKopTerPlaatse(Gegevensbestand, titel, bewerkt);
    ASSERT_FALSE(HasFailure());
    klok().verstrijk(1000);
    meet(QStringLiteral("Stop"));
    EXPECT_TRUE(zoalsBewerkt(map + QStringLiteral("/sec1_2.csv"), tweede))
        << "the end point of logging switched off went under the edited header";
    wachtNiets();

    // An end after midnight, into the former day's file alone.
    Gegevensbestand = map + QStringLiteral("/day-#date#.csv");
    klok().verstrijk(15 * 3600 * 1000 - 5000); // 23:59:59
    BeginLogging();
    meet();
    const QString gisteren = map + QStringLiteral("/day-260105.csv");
    ASSERT_EQ(regels(gisteren).size(), 2);
    const QByteArray derde = BewerkKopTerPlaatse(gisteren, titel, bewerkt);
    ASSERT_FALSE(HasFailure());
    klok().verstrijk(2000); // 00:00:01
    meet(QStringLiteral("Stop"));
    EXPECT_TRUE(zoalsBewerkt(gisteren, derde)) << "the end point after midnight went under the edited header";
    wachtNiets();
    klok().verstrijk(1000);
    EXPECT_EQ(QDir(map).entryList(QDir::Files).join(QLatin1Char('|')).toStdString(),
              "day-260105.csv|sec1.csv|sec1_2.csv");
    EXPECT_TRUE(melding.vragen.empty()) << melding.vragen.front().tekst.toStdString();
}

// Where the file system keeps times to the second, every write into a logging file compares its header
// again, and a snapshot does so once per file, whatever the way of splitting the files: its write goes by
// the check the snapshot made of all its files before it wrote any (nothing was written into the file, and
// no box waited, in between). So too for a file whose rows wait (its disk refuses them), for a file the
// run has left with rows waiting, and for the end point of the run. Where times are finer, a file the
// program left as it was is not read at all.
TEST_F(LogbestandenTest, ASnapshotReadsTheHeaderOfEachFileOnceWhereTimesAreToTheSecond) {
    KopLezingen lezingen;
    // A snapshot a second later (the clock stands: no question beside the run reads a file meanwhile).
    const auto meet = [&lezingen](const QString& info = QString()) {
        TijdMeting += 1.0 / 86400.0;
        lezingen.Leeg();
        LogMeting(info);
    };
    // The files whose header the snapshot read other than `keer` times, with how often.
    const auto anders = [&lezingen](const QStringList& paden, int keer) {
        QStringList namen;
        for (const QString& pad : paden)
            if (lezingen.Van(pad) != keer)
                namen << QFileInfo(pad).fileName() + QStringLiteral(": ") +
                             QString::number(lezingen.Van(pad));
        return namen.join(QStringLiteral(", ")).toStdString();
    };
    TijdMeting = platform::Nu();
    for (const bool seconden : {true, false}) {
        SCOPED_TRACE(seconden ? "times to the second" : "finer times");
        std::optional<TijdenInEenSeconde> seconde;
        if (seconden)
            seconde.emplace();
        else
            ZetStandFunctie([](Bestandsstand& s) {
                if (s.tijdNs % 1000000000 == 0) ++s.tijdNs;
            });
        const int keer = seconden ? 1 : 0;
        const std::string waarom = seconden ? "the header is to be compared once before each write (0: not "
                                              "compared; 2: read again for the write)"
                                            : "a file the program left as it was is not read";
        const QString voor = map + (seconden ? QStringLiteral("/s-") : QStringLiteral("/f-"));
        // Each way of splitting the files, with how many files the racks give it.
        for (const auto& [sjabloon, bestanden] :
             {std::pair{QStringLiteral("run.csv"), 1}, std::pair{QStringLiteral("#rack#.csv"), 2},
              std::pair{QStringLiteral("#rack#-#module#.csv"), 3},
              std::pair{QStringLiteral("#rack#-#module#-#channel#.csv"), 12}}) {
            SCOPED_TRACE(sjabloon.toStdString());
            Gegevensbestand = voor + sjabloon;
            BeginLogging();
            meet();
            const QStringList paden = LogBestanden(Gegevensbestand);
            ASSERT_EQ(paden.size(), bestanden);
            meet();
            EXPECT_EQ(anders(paden, keer), "") << "a row: " << waarom;
            meet(QStringLiteral("Stop"));
            EXPECT_EQ(anders(paden, keer), "") << "the end point: " << waarom;
        }

        // The run's file refuses its rows (a full disk), then the run goes on in another file of that disk,
        // which takes its first row and refuses the next: the first file is left with its rows waiting.
        Gegevensbestand = voor + QStringLiteral("w1.csv");
        const QString eerste = Gegevensbestand;
        BeginLogging();
        meet();
        {
            const Bestandsgrens grens(static_cast<rlim_t>(QFileInfo(eerste).size() + 10));
            meet();
            ASSERT_EQ(WachtendBestand().toStdString(), eerste.toStdString());
            meet();
            EXPECT_EQ(anders({eerste}, keer), "") << "a file whose rows wait: " << waarom;
            Gegevensbestand = voor + QStringLiteral("w2.csv");
            meet();
            ASSERT_GT(QFileInfo(Gegevensbestand).size(), 0);
            meet();
            EXPECT_EQ(anders({eerste, Gegevensbestand}, keer), "")
                << "the run's file refusing its row, and the file it left: " << waarom;
            meet(QStringLiteral("Stop"));
            EXPECT_EQ(anders({eerste, Gegevensbestand}, keer), "")
                << "the run's file refusing its end point, and the file it left: " << waarom;
        }
        meet();
        EXPECT_EQ(WachtendBestand().toStdString(), "") << "rows still wait once the disk takes them";
    }
}

// On a file system that keeps times to the second, the write of a snapshot into a file goes by the check
// the snapshot made of all its files before it wrote any, unless a box waited in between: the user and
// other programs have their turn while it waits. A header edited in place while a box waits in the middle
// of the snapshot's writes (the first rack's file took its row) takes no row: the row waits, and goes on
// with the run under the next name, before the next snapshot's row; the file stays as it was edited, and
// no box asks about the row.
TEST_F(LogbestandenTest, AHeaderEditedWhileABoxWaitsInASnapshotTakesNoRowWhereTimesAreToTheSecond) {
    OpnameMelding melding;
    BegrensdeMeldingen begrensd(melding);
    ZetMeldingVenster(&begrensd);
    const QString sjabloon = map + QStringLiteral("/box-#rack#.csv");
    const QString eerste = MaakBestandsnaam(sjabloon, 1, 0, 0);
    const QString tweede = MaakBestandsnaam(sjabloon, 2, 0, 0);
    const auto regels = [](const QString& pad) {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    };
    // Once the first file has grown past `lengte`, a box waits; meanwhile the second file's header is
    // edited.
    struct stat eersteStat {};
    qint64 lengte = -1;
    QByteArray bewerkt;
    melding.beantwoord = [&](const Vraag&) {
        bewerkt = BewerkKopTerPlaatse(tweede, "\"Value R2M2C1\"", "\"Value R2M2C2\"");
        return vbOK;
    };
    const TijdenInEenSeconde seconde([&](const Bestandsstand& s) {
        if (lengte < 0 || s.inode != eersteStat.st_ino || s.lengte <= lengte) return;
        lengte = -1;
        ToonMelding(QStringLiteral("A box in the middle of the snapshot"));
    });
    Gegevensbestand = sjabloon;
    TijdMeting = platform::Nu();
    BeginLogging();
    LogMeting(QString());
    TijdMeting += 1.0 / 86400.0;
    LogMeting(QString());
    ASSERT_EQ(::stat(QFile::encodeName(eerste).constData(), &eersteStat), 0);
    lengte = QFileInfo(eerste).size();
    TijdMeting += 1.0 / 86400.0;
    const QString tijd = platform::DatumTijdTekst(TijdMeting);
    LogMeting(QString());
    ASSERT_EQ(melding.vragen.size(), 1u) << "no box waited in the middle of the snapshot";
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(regels(eerste).size(), 4) << "the first file did not take the snapshot's row";
    // The second file holds what it held once edited, and no line more.
    const auto zoalsBewerkt = [&] {
        if (LeesBytes(tweede) == bewerkt) return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "the row went under the header edited while a box waited: " << regels(tweede).size()
               << " lines instead of " << bewerkt.count('\n') << ", the last:\n"
               << regels(tweede).value(regels(tweede).size() - 1).left(80).toStdString();
    };
    EXPECT_TRUE(zoalsBewerkt());
    EXPECT_EQ(WachtendBestand().toStdString(), tweede.toStdString()) << "the row does not wait";

    // The loop's turn, and the next snapshot.
    klok().verstrijk(1000);
    TijdMeting += 1.0 / 86400.0;
    LogMeting(QString());
    EXPECT_TRUE(zoalsBewerkt());
    ASSERT_NE(Gegevensbestand.toStdString(), sjabloon.toStdString())
        << "the run did not go on under the next name";
    const QStringList verder = regels(MaakBestandsnaam(Gegevensbestand, 2, 0, 0));
    ASSERT_EQ(verder.size(), 3) << verder.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(SplitsVelden(verder[1]).value(0).toStdString(), tijd.toStdString())
        << "the row that waited is not the first of the next file";
    EXPECT_EQ(WachtendBestand().toStdString(), "");
    EXPECT_EQ(melding.vragen.size(), 1u) << melding.vragen.back().tekst.toStdString();
}

// An end just after midnight under a name of the day and the module, with two modules of one name (the
// second has a file of its own, "_2"): the end point goes into the former day's files alone, and the
// event log names no file of the new day, which no line reached. A file of its own is named once its
// first row goes there, also the new day's when the next run's rows come.
TEST_F(LogbestandenTest, AnEndAfterMidnightNamesNoFileOfTheNewDayInTheEventLog) {
    LogbestandAan = true;
    Racks[2].Modules[2].Name = Racks[1].Modules[1].Name;
    Gegevensbestand = map + QStringLiteral("/new1-#date#-#module#.csv");
    const auto meet = [this](const QString& info = QString()) {
        TijdMeting = platform::Nu();
        LogMeting(info);
    };
    klok().verstrijk(15 * 3600 * 1000 - 10000); // 23:59:50
    BeginLogging();
    meet();
    klok().verstrijk(5000);
    meet();
    // The event log of each day.
    const QString logboekMap = QFileInfo(LogboekPad).absolutePath() + QLatin1Char('/');
    const QString gisteren = logboekMap + LogboekBestandsnaam(platform::MaakDatum(2026, 1, 5, 12, 0, 0));
    const QString vandaag = logboekMap + LogboekBestandsnaam(platform::MaakDatum(2026, 1, 6, 12, 0, 0));
    ASSERT_EQ(LogboekPad, gisteren);
    EXPECT_EQ(GenoemdInLogboek(gisteren), "new1-260105-pH_Redox_2.csv");
    klok().verstrijk(7000); // 00:00:02
    meet(QStringLiteral("Stop"));
    EXPECT_EQ(GenoemdInLogboek(vandaag), "")
        << "the event log names a file of the new day that the end neither wrote nor made";
    EXPECT_EQ(GenoemdInLogboek(gisteren), "new1-260105-pH_Redox_2.csv");
    EXPECT_EQ(QDir(map)
                  .entryList({QStringLiteral("new1-260106*")}, QDir::Files)
                  .join(QLatin1Char('|'))
                  .toStdString(),
              "");
    const QStringList zelf = platform::SplitsRegels(
        platform::VanWindows1252(LeesBytes(map + QStringLiteral("/new1-260105-pH_Redox_2.csv"))));
    ASSERT_EQ(zelf.size(), 4);
    EXPECT_EQ(SplitsVelden(zelf[3]).value(0).toStdString(), "06/01/2026 00:00:02");

    // The next run's first row of the new day.
    klok().verstrijk(8000);
    BeginLogging();
    meet();
    EXPECT_EQ(GenoemdInLogboek(vandaag), "new1-260106-pH_Redox_2.csv");
}
