#pragma once
// The calibration dialogs as the rest of the program opens them: each runs its whole calibration of
// input k (1..4; the 1-point dialog also 5..8, the temperature of input k - 4) of module m of rack r,
// waiting until the dialog closes, and is true when a new calibration was stored in the input's
// calibration file (the caller then loads it into `module`). `module` is the module record the
// calibration works on: its unit of the input chooses the calibration's record, its settings and
// calibration data are the ones in force (the module settings dialog passes its own copy). The readings
// come from the module. Polling must be stopped.
#include "acquisition/RackModel.h"

class QWidget;

bool ToonPhKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar);
bool ToonECKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar);
bool ToonEenpuntsKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar);
bool ToonIonKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar);
