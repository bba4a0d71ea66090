#include "shared/Systeemfuncties.h"

#include "platform/Systeem.h"
#include "shared/Melding.h"

#include <QStandardPaths>

QString AppNaam;
QString DocumentenMap;
bool WindowsIsXP = false;

QString GebruikersNaam() {
    return platform::GebruikersNaam();
}

QString AangemeldeGebruiker() {
    const QString n = qEnvironmentVariable("LOGNAME");
    return n.isEmpty() ? GebruikersNaam() : n;
}

QString WindowsVersie() {
    WindowsIsXP = false;
    return platform::SysteemVersie();
}

int32_t StartEnWacht(const QString& opdracht) {
    return platform::StartEnWacht(opdracht);
}

void SysteemInfoPad(const QString& melding) {
    for (const char* programma : {"gnome-system-monitor", "hardinfo", "ksysguard"}) {
        const QString pad = QStandardPaths::findExecutable(QString::fromLatin1(programma));
        if (!pad.isEmpty() && platform::StartProgramma(pad)) return;
    }
    ToonStandaardMelding(melding, vbExclamation);
}

bool VorigeInstantieActief(const QString& naam, std::function<void()> bijActiveren) {
    return platform::VorigeInstantieActief(naam, std::move(bijActiveren));
}

QString InstantieLuisterfout() {
    return platform::InstantieLuisterfout();
}

Woord VolgendWoord(const QString& tekst, const QString& scheidingen, uint8_t opties) {
    QString woord;
    auto isRegelTeken = [](QChar c) {
        return c == QChar(13) || c == QChar(10) || c == QChar(9) || c == QChar(8) || c == QChar(12) ||
               c == QChar(0);
    };
    qsizetype i = 0;
    QChar c;
    bool eind = true;
    while (i < tekst.size()) {
        c = tekst.at(i);
        if (scheidingen.contains(c) || ((opties & 2) && isRegelTeken(c))) {
            eind = false;
            break;
        }
        if (c.unicode() >= 32) woord.append(c);
        ++i;
    }
    QString rest = tekst.mid(i);
    if (!eind && scheidingen.contains(c) && (opties & 1) && !rest.isEmpty()) rest.remove(0, 1);
    return {woord.trimmed(), eind ? QString() : QString(c), rest};
}

void ResetSysteemfuncties() {
    AppNaam.clear();
    DocumentenMap.clear();
    WindowsIsXP = false;
}
