#pragma once
// What the settings dialog and the terminal need of the main window and of the program settings store.
// The main window connects its own functions and variables at start-up; until then (and in tests that
// connect nothing) the defaults below serve: the dialog works on variables of its own, the rack line is
// set up and opened directly, and every other call does nothing.
#include "platform/Datum.h"

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

struct InstellenDiensten {
    // The main window: disabled while the settings dialog is open (nullptr: none).
    std::function<QWidget*()> Hoofdvenster;
    // The names of the serial ports that can be opened, joined by ", " ("" when none). Default: "".
    std::function<QString()> ZoekSerielePoorten;
    // Sets up the rack line with CommPoort and Baudsnelheid, logging off, status bar. Default: the port
    // and "baud,N,8,1" on the closed rack line.
    std::function<void()> initCommPoort;
    // Applies CommPoort and Baudsnelheid to the closed rack line. Default: as initCommPoort.
    std::function<void()> InstellenCommPoort;
    // Opens the rack line when it is closed; true when it is open afterwards (always in simulation).
    // On failure the main window has shown its message. Default: opens the line, true in simulation.
    std::function<bool()> OpenCommPoort;
    // Relabels the main window in the language of the text table.
    std::function<void()> LaadStrings;
    // Updates the toolbar buttons (the save button follows ConfiguratieGewijzigd).
    std::function<void()> ZetKnoppen;
    // The check mark of the Extra > Terminal menu item follows the terminal's state.
    std::function<void(bool)> ZetTerminalVinkje;
    // Placement and font records of the settings store, under a section: applied to a window (its
    // state and restored bounds) or to a control's font and text colour. Default: nothing.
    std::function<void(const QString& sectie, QWidget* venster)> LeesVensterPositie;
    std::function<void(const QString& sectie, QWidget* besturing)> LeesLettertype;

    // Settings of the store that the dialog edits: the poll interval in seconds (1..86400), the rack
    // line's port, the scheduled start and stop of logging, and the ports given on the command line
    // ("com3 ,com12 ").
    int32_t* Tijdsinterval = nullptr;
    QString* CommPoort = nullptr;
    bool* GebruikStartLog = nullptr;
    platform::Datum* StartLogTijdstip = nullptr;
    bool* GebruikStopLog = nullptr;
    platform::Datum* StopLogTijdstip = nullptr;
    QString* ExtraPoorten = nullptr;
};

// The connection in use (defaults filled in).
InstellenDiensten& Instellendiensten();
// Back to the defaults, with the dialog's own variables at their start values (interval 60 s, port
// "COM1", start and stop moments 0 and unused, no extra ports).
void ResetInstellenDiensten();
