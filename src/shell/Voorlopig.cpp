#include "shell/Voorlopig.h"

#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "platform/Klok.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

QString Gegevensbestand;
int32_t AantalMetingen;
platform::Datum TijdMeting;
bool BezigMetLaden;
int16_t LaatsteKeuze;
QString TekstAfbakening;
QString TijdScheiding;
bool AlleenLezen;
bool ProgrammaBeeindigd;

QString TijdScheidingsteken() {
    const QString tijd = QLocale().toString(QTime(12, 34, 56), QStringLiteral("hh:mm:ss"));
    const QString lang = QLocale().toString(QTime(12, 34, 56), QLocale::LongFormat);
    return lang.size() > 2 && !lang.at(2).isDigit() ? lang.mid(2, 1) : tijd.mid(2, 1);
}

QString ZetGegevensbestand(const QString& naam) {
    QString pad = naam.trimmed();
    if (!pad.contains(QStringLiteral(".csv"), Qt::CaseInsensitive)) pad += QStringLiteral(".csv");
    QFileInfo info(pad);
    const QString map = info.absolutePath();
    if (!QDir(map).exists() || !QDir::setCurrent(map)) {
        ToonMelding(Tekst[269], vbCritical);
        LaatsteKeuze = 2;
        return pad;
    }
    MapGegevens = map;
    LaatsteKeuze = 1;
    return info.absoluteFilePath();
}

QString MaakBestandsnaam(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal) {
    QString naam = sjabloon;
    const QDate dag = platform::QDateTimeUitDatum(platform::Nu()).date();
    naam.replace(QStringLiteral("#date#"), dag.toString(QStringLiteral("yyMMdd")), Qt::CaseInsensitive);
    if (rack != 0) naam.replace(QStringLiteral("#rack#"), QString::number(rack), Qt::CaseInsensitive);
    if (module != 0) naam.replace(QStringLiteral("#module#"), QString::number(module), Qt::CaseInsensitive);
    if (kanaal != 0) naam.replace(QStringLiteral("#channel#"), QString::number(kanaal), Qt::CaseInsensitive);
    return naam;
}

void ControleerWijzigingen(const QString&, bool& geannuleerd, bool) {
    geannuleerd = false;
}

void VernieuwVensters(const QString&) {}

void VerwerkOpvraagTik() {
    ++AantalMetingen;
    VernieuwVensters(QString());
}

void StartMeten() {
    MetenActief = true;
    SchrijfLogboek(0, 0, Tekst[457] + QStringLiteral("True"));
}

void StopMeten() {
    MetenActief = false;
    SchrijfLogboek(0, 0, Tekst[457] + QStringLiteral("False"));
}

void PompTotProgrammaEinde() {
    while (!ProgrammaBeeindigd)
        platform::Pomp();
}

void ResetVoorlopig() {
    Gegevensbestand.clear();
    AantalMetingen = 0;
    TijdMeting = 0;
    BezigMetLaden = false;
    LaatsteKeuze = 0;
    TekstAfbakening = QStringLiteral("\"");
    TijdScheiding = QStringLiteral(":");
    AlleenLezen = false;
    ProgrammaBeeindigd = false;
}
