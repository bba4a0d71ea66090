#pragma once
// The calibration history of one input as the GLP report shows it: column 0 the row labels, columns 1 to
// 5 the calibrations stored in the module's calibration file, newest first ("Last", "Previous",
// "Previous -1" ...). Rows 1 and 2 hold each calibration's date and time; the rows below follow the
// input's unit and the module's model (mV, pH, oxygen, ion, temperature, conductivity), with a
// "Settings:" block that shows the input's present settings in the "Last" column only.
//
// The columns end at the first generation that holds no calibration: a generation with date 0 shows
// "Not calibrated!" in its date row and is the last column, except that "Last" always stays. Without a
// calibration file, and for a unit or model without a layout, the grid keeps its Date and Time rows
// and its "Last" column, empty. Stored values out of their accepted range are shown as the input uses
// them (pH zero point and slope, cell-constant factor, temperature offset).
#include "reports/Rasterafdruk.h"

#include <cstdint>

// Channels 1..4 are the measuring inputs, 5..8 the temperature inputs of inputs 1..4.
inline constexpr int AantalGLPKanalen = 8;
inline constexpr int AantalGLPKolommen = 6;

// The width of GLP column `kolom` in twips: settings "Report", "GLP Colwidth " & kolom, default 2000; a
// negative width becomes 1250.
double GLPKolomBreedte(int kolom);

// The whole grid for rack r, module m and channel k (1..8), read from the module's calibration file in
// MapKalibratie. Row 0 is the header row; the label cells carry their alignment (detail rows under a
// standard right-aligned) and the "Settings:" label is bold.
Raster StelGLPTabelIn(int r, int m, int k);

// The record of channel k (1..8) of generation g (1..5) in the calibration file of a module of the model
// of this name (see Modellen.h) and unit; 0 when the unit or model has no record.
int GLPRecordNummer(const QString& type, const QString& eenheid, int k, int g);
