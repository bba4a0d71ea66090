#pragma once
// What the main window asks of windows that other parts of the program provide: the settings window,
// the terminal and the child windows. Each is a slot that the window's owner fills at start-up; an
// empty slot does nothing (and a query answers "none").
#include <QString>
#include <functional>

class QWidget;
class QTableView;

struct Vensterhaken {
    // Shows the settings window modeless on tab `tab` (0 Log, 1 Connection, 2 Language, 3 Locations).
    // With `mapRij` 1..4 the folder row of that number is selected and its folder choice opened.
    std::function<void(int tab, int mapRij)> ToonInstellingen;
    // True while the settings window is open (callers that opened it wait for false).
    std::function<bool()> InstellingenOpen;
    // Shows (true) or hides (false) the terminal window.
    std::function<void(bool tonen)> ToonTerminal;
    // Appends text to the terminal window; with `hexadecimaal` as hexadecimal byte values.
    std::function<void(const QString& tekst, bool hexadecimaal)> TerminalToevoegen;
    // The terminal window and its text box while the terminal exists.
    std::function<QWidget*()> TerminalVenster;
    std::function<QWidget*()> TerminalTekstvak;

    // The rack window and the table window of rack 1..16 while they exist.
    std::function<QWidget*(int rack)> RackVenster;
    std::function<QWidget*(int rack)> TabelVenster;
    // The grid of module slot 1..7 in the table window of a rack.
    std::function<QTableView*(int rack, int module)> TabelRaster;
    // Shows the rack window of a rack, making it when needed.
    std::function<void(int rack)> ToonRackVenster;
    // Unloads the rack window or the table window of a rack.
    std::function<void(int rack)> SluitRackVenster;
    std::function<void(int rack)> SluitTabelVenster;
    // Graph window 1..64 while it exists (its number equals its place).
    std::function<QWidget*(int grafiek)> GrafiekVenster;
    // Empties every graph window's chart (after the racks were forgotten).
    std::function<void()> HerinitialiseerGrafieken;
    // Writes the settings file of graph window g.
    std::function<void(int grafiek, QWidget* venster)> SchrijfGrafiekInstellingen;
    // Closes the system tree window and shows it again, built afresh.
    std::function<void()> HerbouwSysteemboom;
};

extern Vensterhaken Haken;

void ResetVensterhaken();
