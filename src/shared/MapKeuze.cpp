#include "shared/MapKeuze.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
MapKeuzeVenster* venster = nullptr;
} // namespace

QString MapKeuzeVenster::Kies(const QString&, const QString&, const QString& map, std::optional<int>) {
    return map;
}

void ZetMapKeuzeVenster(MapKeuzeVenster* v) {
    venster = v;
}
MapKeuzeVenster& mapKeuzeVenster() {
    static MapKeuzeVenster geen;
    return venster ? *venster : geen;
}

QString BeginMapVanKeuze(const QString& map) {
    if (!map.isEmpty() && QFileInfo(map).isDir()) return map;
    return QCoreApplication::applicationDirPath();
}

QString ToonMapKeuze(const QString& titel, const QString& filter, const QString& map,
                     std::optional<int> taal) {
    const QString patroon = filter.isEmpty() ? QStringLiteral("*.*") : filter;
    return mapKeuzeVenster().Kies(titel, patroon, map, taal);
}
