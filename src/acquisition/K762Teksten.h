#pragma once
// Texts of K762 inputs: conductivity and TDS with the unit and decimals of the input's display step
// (range index r + cell type t + 2, 0..6) or, for values of no range, chosen by size; their number and
// unit parts; the full-scale, cell-constant and KCl standard names; the On/Off and reference
// temperature texts. A step outside 0..6 gives "" everywhere.
#include "acquisition/RackModel.h"

#include <QString>
#include <cstdint>

// Conductivity text of a value in S/cm. r = -1 chooses the unit and decimals by size; otherwise the
// step's, with "OR." when `controle` is set and the value exceeds the step's full scale.
QString GeleidbaarheidTekst(float waarde, int r, int t, bool controle);
// The same with the TDS units mg/l and g/l.
QString TDSTekst(float waarde, int r, int t, bool controle);
// The value with the decimals and unit of the step, not scaled and not tested.
QString GeleidbaarheidWaardeTekst(float waarde, int r, int t);
QString ZoutgehalteTekst(float waarde, int r, int t);
QString GeleidbaarheidGetalTekst(float waarde, int r, int t, bool controle);
QString GeleidbaarheidEenheidTekst(float waarde, int r, int t, bool controle);
QString TDSGetalTekst(float waarde, int r, int t, bool controle);
QString TDSEenheidTekst(float waarde, int r, int t, bool controle);
QString KanaalWaardeTekstK762(int r, int m, int c);
QString KanaalEenheidTekstK762(int r, int m, int c);
// The full scale of the input's step ("2000 µS/cm").
QString GeleidbaarheidGLPTekst(int r, int m, int c);
// The cell constant in cm-1 of a cell-constant factor for cell type t.
QString CelconstanteTekst(float waarde, int t);
// The nominal cell constant of the input's cell type ("0.1 cm-1").
QString CelconstanteGLPTekst(int r, int m, int c);
// The KCl solution of a conductivity standard text ("1413 µS/cm" gives "0.01 M KCl").
QString KClStandaardNaam(const QString& tekst);
QString CompensatieTekst();
// The reference temperature (20 or 25 °C) in the unit, with the unit.
QString ReferentieTemperatuurTekst(const QString& eenheid);
// "On" when the input has a zero value, else "Off".
QString InstellingTekstK762(int r, int m, int c);
QString InstellingTekstK762(const ModuleRecord& module, int c);
