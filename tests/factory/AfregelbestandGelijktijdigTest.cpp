// Two workstations adjusting modules at the same time: two processes each store 200 new adjustment
// records in one shared file and link them in one production database. The writers are this test
// program started again with K740_AFREGEL_SCHRIJVER set; only then does their test exist.
#include "Fabriekomgeving.h"
#include "acquisition/RackModel.h"
#include "factory/Afregeling.h"
#include "factory/Beheer.h"
#include "shared/Melding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <string>

namespace {

constexpr const char* OmgevingSchrijver = "K740_AFREGEL_SCHRIJVER";
constexpr int AantalPerSchrijver = 200;
constexpr int32_t EersteSerie[2] = {10001, 20001};

// What a writer puts into the record of a serial, so that the reader can tell a whole record.
void VulRecord(AfregelingRecord& r, int32_t serie) {
    for (int i = 0; i < 4; ++i) {
        r.MvNul[i] = static_cast<float>(serie + i);
        r.TemperatuurNul[i] = static_cast<float>(-serie - i);
    }
    for (int i = 0; i < 16; ++i)
        r.BereikSchaal[i] = static_cast<float>(serie) / 16.0f * static_cast<float>(i);
}

QString Operator(int32_t serie) {
    return serie >= EersteSerie[1] ? QStringLiteral("schrijver-b") : QStringLiteral("schrijver-a");
}

// The writer: "database path;adjustment folder;first serial". Waits for a line on its standard input,
// then stores AantalPerSchrijver records, and prints how often the operator was asked to retry.
class AfregelSchrijver : public SchoneOmgeving {
public:
    void TestBody() override {
        const QStringList delen = qEnvironmentVariable(OmgevingSchrijver).split(QLatin1Char(';'));
        ASSERT_EQ(delen.size(), 3);
        ProductieDatabasePad = delen[0];
        AfregelMap = delen[1];
        const int32_t eerste = delen[2].toInt();
        qputenv("LOGNAME", Operator(eerste).toUtf8());
        Racks[1].Present = true;
        ModuleRecord& module = Racks[1].Modules[3];
        module.Present = true;
        module.Type = "K761";
        // The operator retries whenever asked to.
        struct Bediener : MeldingVenster {
            int Toon(const QString& tekst, int stijl, const QString&) override {
                std::cerr << "message: " << tekst.toStdString() << "\n";
                if (stijl == (vbRetryCancel | vbExclamation)) {
                    ++opnieuw;
                    return int(vbRetry);
                }
                return int(vbCancel);
            }
            int opnieuw = 0;
        } bediener;
        ZetMeldingVenster(&bediener);
        const int& opnieuw = bediener.opnieuw;

        std::string start;
        std::getline(std::cin, start);
        for (int32_t serie = eerste; serie < eerste + AantalPerSchrijver; ++serie) {
            module.Idno = serie;
            AfregelSerienummer = serie;
            AfregelRecord = AfregelingRecord();
            VulRecord(AfregelRecord, serie);
            ASSERT_TRUE(BewaarAfregeling(serie, 1, 3, true)) << serie;
        }
        std::cout << "retries=" << opnieuw << std::endl;
    }
};

[[maybe_unused]] const bool SchrijverGeregistreerd = [] {
    if (qEnvironmentVariableIsEmpty(OmgevingSchrijver)) return false;
    ::testing::RegisterTest("AfregelSchrijver", "Schrijft", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> SchoneOmgeving* { return new AfregelSchrijver; });
    return true;
}();

class AfregelbestandGelijktijdigTest : public FabriekOmgeving {};

TEST_F(AfregelbestandGelijktijdigTest, TwoWorkstationsAppendingAtOnceLoseAndTearNothing) {
    // The locks are under test here, not the disk: on a memory file system, where there is one, the
    // flushes of the writers do not set the pace.
    const QString geheugen = QStringLiteral("/dev/shm");
    QTemporaryDir werkmap(QFileInfo(geheugen).isDir() && QFileInfo(geheugen).isWritable()
                              ? geheugen + QStringLiteral("/k740-XXXXXX")
                              : tijdelijkeMap() + QStringLiteral("/werk-XXXXXX"));
    ASSERT_TRUE(werkmap.isValid());
    RichtFabriekIn(werkmap.path());
    for (int32_t eerste : EersteSerie)
        ASSERT_TRUE(
            VoerUitOp(db(),
                      QStringLiteral("WITH RECURSIVE N (I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N "
                                     "WHERE I < ? - 1) INSERT INTO PRODUCTION (SERIALNBR, OBJECTID, "
                                     "PRODUCTIONDATE) SELECT ? + I, NULL, '2016-02-22' FROM N"),
                      {AantalPerSchrijver, eerste}));
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("INSERT INTO OBJECTS (ID, NAME) VALUES (1, 'K761')")));
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("UPDATE PRODUCTION SET OBJECTID = 1")));

    QProcess schrijvers[2];
    for (int i = 0; i < 2; ++i) {
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert(QString::fromLatin1(OmgevingSchrijver), db() + QLatin1Char(';') + AfregelMap +
                                                                    QLatin1Char(';') +
                                                                    QString::number(EersteSerie[i]));
        schrijvers[i].setProcessEnvironment(omgeving);
        schrijvers[i].start(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--gtest_filter=AfregelSchrijver.Schrijft")});
    }
    for (QProcess& s : schrijvers)
        ASSERT_TRUE(s.waitForStarted(30000));
    for (QProcess& s : schrijvers) {
        s.write("start\n");
        ASSERT_TRUE(s.waitForBytesWritten(30000));
    }
    for (int i = 0; i < 2; ++i) {
        QProcess& s = schrijvers[i];
        ASSERT_TRUE(s.waitForFinished(300000));
        const QByteArray uitvoer = s.readAllStandardOutput();
        EXPECT_EQ(s.exitCode(), 0) << uitvoer.toStdString() << s.readAllStandardError().toStdString();
        EXPECT_TRUE(uitvoer.contains("[  PASSED  ] 1 test")) << uitvoer.toStdString();
        const qsizetype p = uitvoer.indexOf("retries=");
        RecordProperty(i == 0 ? "retries_a" : "retries_b",
                       p < 0 ? std::string() : uitvoer.mid(p + 8).split('\n').first().toStdString());
    }
    QMap<int32_t, int32_t> koppeling;
    for (const QVariantList& rij :
         RijenUit(db(), QStringLiteral("SELECT SERIALNBR, AFREGELINGID FROM PRODUCTION")))
        koppeling[rij[0].toInt()] = rij[1].isNull() ? 0 : rij[1].toInt();

    QFile f(AfregelBestandPad());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhoud = f.readAll();
    ASSERT_EQ(inhoud.size(), 2 * AantalPerSchrijver * AfregelRecordLengte);

    QSet<int32_t> series;
    int wissels = 0;
    for (int n = 1; n <= 2 * AantalPerSchrijver; ++n) {
        const AfregelingRecord r =
            AfregelRecordUitBytes(inhoud.mid((n - 1) * AfregelRecordLengte, AfregelRecordLengte));
        const int32_t serie = r.Serienummer;
        SCOPED_TRACE(testing::Message() << "record " << n << ", serial " << serie);
        const bool vanA = serie >= EersteSerie[0] && serie < EersteSerie[0] + AantalPerSchrijver;
        const bool vanB = serie >= EersteSerie[1] && serie < EersteSerie[1] + AantalPerSchrijver;
        ASSERT_TRUE(vanA || vanB);
        EXPECT_FALSE(series.contains(serie));
        series.insert(serie);
        if (n > 1 && (AfregelRecordUitBytes(inhoud.mid((n - 2) * AfregelRecordLengte, 4)).Serienummer >=
                      EersteSerie[1]) != vanB)
            ++wissels;

        AfregelingRecord verwacht;
        VulRecord(verwacht, serie);
        verwacht.Serienummer = serie;
        verwacht.Toesteltype = QStringLiteral("K761");
        verwacht.Operator = Operator(serie);
        verwacht.AfregelDatum = r.AfregelDatum;
        verwacht.AantalAfregelingen = 1;
        verwacht.Identificatiecode = serie;
        EXPECT_EQ(AfregelRecordNaarBytes(r), AfregelRecordNaarBytes(verwacht));
        EXPECT_GT(r.AfregelDatum, 40000.0);
        EXPECT_EQ(koppeling.value(serie), n);
    }
    EXPECT_EQ(series.size(), 2 * AantalPerSchrijver);
    // The two writers took turns in the file, so they really wrote at the same time.
    EXPECT_GT(wissels, 1);
    RecordProperty("turns", wissels);
}

} // namespace
