#pragma once
// Work of the file layer that the engine starts: the event log and the rack configuration file. The
// file layer installs its functions at start-up; until then (and in tests that install nothing) the
// engine's calls do nothing.
#include <QString>
#include <functional>

struct Bestandskoppeling {
    // Appends one line to the daily event log (rack and module 0 when none).
    std::function<void(int rack, int module, const QString& tekst)> SchrijfLogboek;
    // Reads the configuration file of a rack that has just logged on, over its defaults.
    std::function<void(int rack)> LeesRackConfiguratie;
    // Reads the names of the rack's modules and inputs from its configuration file.
    std::function<void(int rack)> LeesRackNamen;
};

extern Bestandskoppeling Bestandslaag;

// The engine's event-log call: one line for rack and module (0 = none) when the log is installed.
void SchrijfLogboek(int rack, int module, const QString& tekst);

void ResetKoppelingen();
