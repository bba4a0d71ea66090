#include "shell/Opdrachtregel.h"

#include "acquisition/Programmastatus.h"
#include "files/Meetbestand.h"
#include "platform/Klok.h"
#include "shared/Algemeen.h"

#include <QDir>

QStringList ExtraPoorten;
QString FabrieksDatabaseMap;

namespace {

// A switch is one word that begins with "/" and holds no further "/": anything else is a path.
bool IsSchakelaar(const QString& woord) {
    return woord.startsWith(QLatin1Char('/')) && woord.indexOf(QLatin1Char('/'), 1) < 0;
}

// The whole number at the front of the text (0 when none).
int GetalVooraan(const QString& tekst) {
    int n = 0;
    for (QChar c : tekst) {
        if (!c.isDigit() || n > 99999) break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The measurement file of a word of the command line.
QString NeemBestand(const QString& woord, const QString& startMap, const QString& dataMap) {
    if (!woord.contains(QLatin1Char('/'))) MaakMappen(dataMap);
    return ZetGegevensbestand(PadVanOpdrachtregel(woord, startMap, dataMap));
}

} // namespace

QString PadVanOpdrachtregel(const QString& naam, const QString& startMap, const QString& dataMap) {
    const QString pad = naam.trimmed();
    if (!pad.contains(QLatin1Char('/'))) return QDir(dataMap).filePath(pad);
    return QDir::cleanPath(QDir(startMap).absoluteFilePath(pad));
}

void OntleedCommand(const QStringList& argumenten, const QString& poort, const QString& startMap,
                    const QString& dataMap) {
    Gegevensbestand.clear();
    Fabrieksmodus = false;
    ExtraPoorten.clear();
    Demo = AlarmUitgang = LogbestandAan = false;
    AfregelMap.clear();
    AlarmPoort.clear();

    for (const QString& argument : argumenten) {
        const QString woord = argument.trimmed();
        if (woord.isEmpty()) continue;
        const QString klein = woord.toLower();
        if (!IsSchakelaar(woord)) {
            // A measurement file, its name kept as typed.
            Gegevensbestand = NeemBestand(woord, startMap, dataMap);
            if (LaatsteKeuze == 2) {
                Gegevensbestand.clear();
                return;
            }
            continue;
        }
        if (klein.startsWith(QStringLiteral("/com"))) {
            ExtraPoorten << klein.mid(1, 5).toUpper();
        } else if (klein.startsWith(QStringLiteral("/alertport"))) {
            AlarmPoort = QStringLiteral("COM%1").arg(GetalVooraan(klein.mid(10)));
            AlarmUitgang = true;
        } else if (klein == QStringLiteral("/t")) {
            Fabrieksmodus = true;
            ProductieDatabasePad = FabrieksDatabaseMap + QStringLiteral("/TEST_2016.mdb");
            AfregelMap = FabrieksDatabaseMap + QStringLiteral("/AfregelData/");
        } else if (klein == QStringLiteral("/x") || klein == QStringLiteral("/c")) {
            Fabrieksmodus = true;
            AfregelMap = FabrieksDatabaseMap + QStringLiteral("/AfregelData/");
            ProductieDatabasePad = FabrieksDatabaseMap + QStringLiteral("/PROD_2016.mdb");
        } else if (klein == QStringLiteral("/l")) {
            Fabrieksmodus = true;
            // The local folder holds both the adjustment files and the database: one name, as a
            // case-sensitive file system would otherwise make two folders of it.
            AfregelMap = QDir::rootPath() + QStringLiteral("beheer/");
            ProductieDatabasePad = AfregelMap + QStringLiteral("Databases/PROD_2016.mdb");
        } else if (klein == QStringLiteral("/logfile")) {
            LogbestandAan = true;
        } else if (klein == QStringLiteral("/pelm") || klein == QStringLiteral("/alert")) {
            AlarmUitgang = true;
            if (AlarmPoort.isEmpty())
                AlarmPoort = poort.compare(QStringLiteral("COM1"), Qt::CaseInsensitive) == 0
                                 ? QStringLiteral("COM2")
                                 : QStringLiteral("COM1");
        } else if (klein == QStringLiteral("/demo")) {
            Demo = true;
            DemoStart = platform::Nu();
            Fabrieksmodus = false;
            LogbestandAan = false;
            return;
        } else {
            // An unknown switch names a file, as every other word does.
            Gegevensbestand = NeemBestand(woord, startMap, dataMap);
            if (LaatsteKeuze == 2) {
                Gegevensbestand.clear();
                return;
            }
        }
    }
}

void ResetOpdrachtregel() {
    ExtraPoorten.clear();
    AfregelMap.clear();
    ProductieDatabasePad.clear();
    FabrieksDatabaseMap = QStringLiteral("/srv/k740/Databases");
}
