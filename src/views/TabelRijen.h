#pragma once
// The cells of one row of a module grid: from the live channel records at a snapshot, or from the
// module's block of a measurement-file line. Column 0 (the row number) is left to the grid.
#include "acquisition/vensters/Tabelvenster.h"
#include "views/TabelModel.h"

// The info text of an end-point row: such a live row gets only its number and time cells.
inline const QString InfoStop = QStringLiteral("Stop");

// The date and time cells (columns 1 and 2) of TijdMeting in the current time base.
void ZetTijdCellen(TabelRij& rij);

// Row of module m of rack r from the live records: per input in use the value text (without the mark of
// a value hidden by its temperature being out of range) and the temperature text while the rack is
// measured, else one blank for each; its unit and temperature unit always; an input not in use one
// blank in each of its four cells; then the info text. A module the poll supervision has given up
// (no reply since) gets empty value and temperature cells, so that no stale reading is kept. With
// `info` "Stop" only the time cells are written.
TabelRij LiveRij(int r, int m, const QString& info);

// Row of module m of rack r from the next 21 fields of a file line (taken off `velden`): per input the
// value ("OR." when the flags mark it out of range, a blank when they mark its temperature out of
// range), the unit as the file has it, the temperature converted from the file's unit to the
// channel's current temperature unit ("OR." when out of range) with that unit, and the info field.
TabelRij BestandsRij(int r, int m, Regelvelden& velden);
