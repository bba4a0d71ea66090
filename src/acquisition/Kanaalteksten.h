#pragma once
// Model-independent texts of an input for the rack, table and graph windows, with "OR." for a value or
// temperature that cannot be shown, and the module's shared temperature input.
#include "acquisition/RackModel.h"

#include <QString>

// The value text by model; "OR." when the input is over or under its range, "OR." and the temperature
// unit when only its temperature is outside the limits.
QString MeetwaardeTekst(int r, int m, int c);
// The temperature in its display unit without the unit; "OR." outside the limits.
QString TemperatuurTekst(int r, int m, int c);
// The unit text by model; "" for a temperature input.
QString EenheidTekst(int r, int m, int c);
// The lowest input 1..4 whose temperature channel is shared with the module's other inputs; 0 when none.
int GedeeldeTemperatuurIngang(int r, int m);
int GedeeldeTemperatuurIngang(const ModuleRecord& module);
// The shared temperature channel's unit followed by its input number ("°C2"); "" when none.
QString GedeeldeTemperatuurNaam(int r, int m);
QString GedeeldeTemperatuurNaam(const ModuleRecord& module);
