#pragma once
// The folder chooser as the file code sees it: a modal window in which the user picks a folder. The
// window side registers the real chooser at start-up; tests register their own answer.
#include <QString>

class MapKeuzeVenster {
public:
    virtual ~MapKeuzeVenster() = default;
    // Shows the chooser and returns the folder the user ended on with OK, or `map` unchanged after
    // Cancel. Without a registered chooser every call answers as Cancel.
    virtual QString Kies(const QString& titel, const QString& filter, const QString& map);
};
// Registers the chooser (nullptr: none).
void ZetMapKeuzeVenster(MapKeuzeVenster* venster);
MapKeuzeVenster& mapKeuzeVenster();

// Shows the chooser with caption `titel`, the file list filtered by `filter` ("*.*" when empty) and
// `map` as start folder; returns the folder the user ended on with OK, or `map` unchanged after Cancel.
QString ToonMapKeuze(const QString& titel, const QString& filter, const QString& map);
// The folder the chooser opens on: `map` when that folder exists, else the program's own folder.
QString BeginMapVanKeuze(const QString& map);
