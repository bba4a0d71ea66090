#include "shared/MapKeuze.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
MapKeuzeFunctie& functie() {
    static MapKeuzeFunctie f;
    return f;
}
} // namespace

void ZetMapKeuzeFunctie(MapKeuzeFunctie f) {
    functie() = std::move(f);
}

QString BeginMapVanKeuze(const QString& map) {
    if (!map.isEmpty() && QFileInfo(map).isDir()) return map;
    return QCoreApplication::applicationDirPath();
}

QString ToonMapKeuze(const QString& titel, const QString& filter, const QString& map) {
    const QString patroon = filter.isEmpty() ? QStringLiteral("*.*") : filter;
    if (!functie()) return map;
    const MapKeuzeFunctie f = functie();
    return f(titel, patroon, map);
}
