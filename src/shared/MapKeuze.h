#pragma once
// The folder chooser as the file code sees it: a modal window in which the user picks a folder. The
// window side registers the real chooser at start-up; tests register their own answer.
#include <QString>
#include <functional>

using MapKeuzeFunctie =
    std::function<QString(const QString& titel, const QString& filter, const QString& map)>;

// Installs the chooser (nullptr: no window; every call then answers as Cancel).
void ZetMapKeuzeFunctie(MapKeuzeFunctie functie);
// Shows the chooser with caption `titel`, the file list filtered by `filter` ("*.*" when empty) and
// `map` as start folder; returns the folder the user ended on with OK, or `map` unchanged after Cancel.
QString ToonMapKeuze(const QString& titel, const QString& filter, const QString& map);
// The folder the chooser opens on: `map` when that folder exists, else the program's own folder.
QString BeginMapVanKeuze(const QString& map);
