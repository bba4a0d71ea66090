#pragma once
// The folder chooser as the file code sees it: a modal window in which the user picks a folder. The
// window side registers the real chooser at start-up; tests register their own answer.
#include <QString>
#include <optional>

class MapKeuzeVenster {
public:
    virtual ~MapKeuzeVenster() = default;
    // Shows the chooser, its buttons in language `taal` (0 English, 1 French, 2 Dutch; without one, the
    // program's), and returns the folder the user ended on with OK, or `map` unchanged after Cancel.
    // Without a registered chooser every call answers as Cancel.
    virtual QString Kies(const QString& titel, const QString& filter, const QString& map,
                         std::optional<int> taal);
};
// Registers the chooser (nullptr: none).
void ZetMapKeuzeVenster(MapKeuzeVenster* venster);
MapKeuzeVenster& mapKeuzeVenster();

// Shows the chooser with caption `titel`, the file list filtered by `filter` ("*.*" when empty) and
// `map` as start folder; returns the folder the user ended on with OK, or `map` unchanged after Cancel.
// Its buttons are in language `taal`, or in the program's without one: the settings dialog opens it in
// the language it shows before OK applies it.
QString ToonMapKeuze(const QString& titel, const QString& filter, const QString& map,
                     std::optional<int> taal = std::nullopt);
// The folder the chooser opens on: `map` when that folder exists, else the program's own folder.
QString BeginMapVanKeuze(const QString& map);
