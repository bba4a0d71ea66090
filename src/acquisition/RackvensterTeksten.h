#pragma once
// What a rack window shows of a module after each poll: per input the value, the unit, the temperature
// and the name label, with colours and tool tips for values out of range and inputs that need
// calibration. Also the number formats of values and temperatures, the temperature and unit texts of an
// input and the name of the measured quantity, which other windows reuse.
#include "acquisition/RackModel.h"

#include <QString>

// Shows module m of rack r in its rack window; `wissen` blanks the values (units, colours and marks
// are still shown), as does a module given up by the poll supervision (ModuleOpgegeven). Nothing happens when
// the rack is not registered, the module not present or the window not shown.
void ToonMetingenRackvenster(int r, int m, bool wissen);
// True when input c must be calibrated before its value can be trusted.
bool KalibratieVereist(int r, int m, int c);
// The temperature of input c in its display unit, formatted, without the unit.
QString TemperatuurWaardeTekst(int r, int m, int c);
// TemperatuurWaardeTekst followed by the temperature channel's unit as stored (8 characters).
QString TemperatuurWaardeEenheidTekst(int r, int m, int c);
// The unit text of input c by module model.
QString KanaalEenheidTekst(int r, int m, int c);
// The number pattern of input c's value by unit and resolution ("" is the general format).
QString FormaatWaarde(int r, int m, int c);
// The same for input c (1..4) of the module record `module`.
QString FormaatWaarde(const ModuleRecord& module, int c);
// The number pattern of input c's temperature: "0.0" for resolution 1, else "0". With m and c both -1,
// r is itself the resolution.
QString FormaatDecimalen(int r, int m, int c);
// The measured quantity of input c: "pH", "ORP", "DO", "Ion", "Pt1000", "EC" or "".
QString GrootheidKanaal(int r, int m, int c);
