#include "files/Logboek.h"
#include "SchoneOmgeving.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Bestandsdiensten.h"
#include "platform/Tekstbestand.h"
#include "shared/Teksten.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

class LogboekTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapGegevens = tijdelijkeMap() + QStringLiteral("/Data");
        QDir().mkpath(MapGegevens);
        Tekst[296] = QStringLiteral("Module");
        Tekst[297] = QStringLiteral("Rack");
        ZetBestandslaag(&bestanden);
    }
    QByteArray Inhoud(const QString& naam) {
        QByteArray b;
        platform::LeesBestand(MapGegevens + QLatin1Char('/') + naam, b);
        return b;
    }
    Bestandsdiensten bestanden;
};

TEST_F(LogboekTest, NothingIsWrittenWithoutTheLogSwitch) {
    SchrijfLogboek(0, 0, QStringLiteral("Request to log on is sent"));
    EXPECT_TRUE(QDir(MapGegevens).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(LogboekPad.isEmpty());
}

TEST_F(LogboekTest, LinesAreTimeRackModuleAndTextSeparatedByTabs) {
    LogbestandAan = true;
    Racks[3].Name = QStringLiteral("Rack 1.0.0.A");
    Racks[3].Modules[2].Name = QString::fromUtf8("K761(mV/°C)");
    klok().verstrijk(5 * 1000 + 3); // 09:00:05
    SchrijfLogboek(0, 0, QStringLiteral("  Measure:  True "));
    SchrijfLogboek(3, 0, QStringLiteral("Log on: Rack 1.0.0.A"));
    SchrijfLogboek(3, 2, QStringLiteral("Log on: Module"));
    SchrijfLogboek(0, 2, QStringLiteral("module without rack"));
    Racks[4].Name = QStringLiteral("   ");
    SchrijfLogboek(4, 0, QStringLiteral("blank name"));

    EXPECT_EQ(LogboekPad, MapGegevens + QStringLiteral("/K740log260105.txt"));
    EXPECT_EQ(Inhoud(QStringLiteral("K740log260105.txt")),
              QByteArray("09:00:05\tMeasure:  True\r\n"
                         "09:00:05\tRack3 (Rack 1.0.0.A)\tLog on: Rack 1.0.0.A\r\n"
                         "09:00:05\tRack3 (Rack 1.0.0.A)\tModule2 (K761(mV/\xB0"
                         "C))\tLog on: Module\r\n"
                         "09:00:05\tmodule without rack\r\n"
                         "09:00:05\tRack4 ()\tblank name\r\n"));
}

TEST_F(LogboekTest, TheFirstEventAfterMidnightGoesToTheNextDaysFile) {
    LogbestandAan = true;
    klok().verstrijk((14 * 3600 + 59 * 60 + 59) * 1000LL); // 23:59:59
    SchrijfLogboek(0, 0, QStringLiteral("late"));
    klok().verstrijk(2000);
    SchrijfLogboek(0, 0, QStringLiteral("early"));
    EXPECT_EQ(Inhoud(QStringLiteral("K740log260105.txt")), QByteArray("23:59:59\tlate\r\n"));
    EXPECT_EQ(Inhoud(QStringLiteral("K740log260106.txt")), QByteArray("00:00:01\tearly\r\n"));
}

TEST_F(LogboekTest, AFileThatCannotBeWrittenLosesTheLineQuietly) {
    LogbestandAan = true;
    MapGegevens = tijdelijkeMap() + QStringLiteral("/missing/folder");
    SchrijfLogboek(1, 1, QStringLiteral("lost"));
    EXPECT_FALSE(QFile::exists(LogboekPad));
}
