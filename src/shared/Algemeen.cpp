#include "shared/Algemeen.h"

#include "platform/IniBestand.h"
#include "platform/Systeem.h"
#include "platform/Tekstbestand.h"
#include "shared/Getallen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace {
constexpr int TekstToegangGeweigerd = 234; // "The file is in use, access to # is rejected!"
} // namespace

void LeesSysteemInfo() {
    DocumentenMap = SpecialeMap(5);
}

QString SpecialeMap(int32_t csidl) {
    auto plaats = [](QStandardPaths::StandardLocation l) { return QStandardPaths::writableLocation(l); };
    switch (csidl) {
    case 5:
        return platform::DocumentenMap();
    case 16:
        return plaats(QStandardPaths::DesktopLocation);
    case 26:
        return plaats(QStandardPaths::GenericDataLocation);
    case 28:
        return plaats(QStandardPaths::GenericDataLocation);
    case 35:
        return QStringLiteral("/usr/share");
    default:
        return QString();
    }
}

QString LeesIni(const QString& bestand, const QString& sectie, const QString& sleutel,
                const QString& standaard) {
    return platform::LeesIniWaarde(bestand, sectie, sleutel, standaard).left(255);
}

bool SchrijfIni(const QString& bestand, const QString& sectie, const QString& sleutel,
                const QString& waarde) {
    QString w = waarde;
    w.replace(QLatin1Char('\r'), QLatin1Char(' '));
    w.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return platform::SchrijfIniWaarde(bestand, sectie, sleutel, w);
}

bool BestandBestaat(const QString& pad) {
    if (pad.isEmpty()) return false;
    const QFileInfo info(pad);
    const QString naam = info.fileName();
    if (naam.contains(QLatin1Char('*')) || naam.contains(QLatin1Char('?'))) {
        const QDir map = info.dir();
        return !map.entryList(QStringList{naam}, QDir::Files).isEmpty();
    }
    return info.isFile() && !info.isHidden();
}

QString KortTekstIn(const QString& tekst, int& n) {
    if (n < 6) n = 25;
    if (tekst.size() > n) return QStringLiteral("...") + tekst.right(n - 3);
    return tekst;
}

QString SchoonVasteTekst(const QString& tekst, const QString& door) {
    QString t = tekst;
    t.replace(QChar(0), door);
    t = TrimSpaties(t);
    t.replace(QChar(255), door);
    return TrimSpaties(t);
}

QString VervangTekst(const QString& tekst, const QString& zoek, const QString& door) {
    QString t = tekst;
    if (!zoek.isEmpty()) t.replace(zoek, door);
    return TrimSpaties(t);
}

QString VervangHekje(const QString& tekst, const QString& door) {
    return VervangTekst(tekst, QStringLiteral("#"), door);
}

QString SchrijffoutTekst(const QString& pad) {
    const QString reden = platform::LaatsteSchrijffout();
    const QString bestand = reden.isEmpty() || platform::LaatsteSchrijffoutIsToegang()
                                ? VervangHekje(Tekst[TekstToegangGeweigerd], pad)
                                : pad;
    return reden.isEmpty() ? bestand : bestand + QStringLiteral("\r\n\r\n") + reden;
}

QString VervangAmpersand(const QString& tekst, const QString& door) {
    return VervangTekst(tekst, QStringLiteral("&"), door);
}

bool MaakMappen(const QString& pad) {
    if (pad.isEmpty()) return false;
    QDir().mkpath(pad);
    return QFileInfo(pad).isDir();
}

int16_t GetalNaPrefix(const QString& tekst) {
    return TekstNaarInteger(tekst.mid(3));
}

QString LTrimSpaties(const QString& tekst) {
    qsizetype i = 0;
    while (i < tekst.size() && tekst.at(i) == QLatin1Char(' '))
        ++i;
    return tekst.mid(i);
}

QString RTrimSpaties(const QString& tekst) {
    qsizetype n = tekst.size();
    while (n > 0 && tekst.at(n - 1) == QLatin1Char(' '))
        --n;
    return tekst.left(n);
}

QString TrimSpaties(const QString& tekst) {
    return LTrimSpaties(RTrimSpaties(tekst));
}
