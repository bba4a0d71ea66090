#pragma once
// The calibration dialogs as the rest of the program opens them: each runs its whole calibration of
// input k (1..4; the 1-point dialog also 5..8, the temperature of input k - 4) of module m of rack r,
// waiting until the dialog closes, and is true when a new calibration was stored in the input's
// calibration file (the caller then loads it into the module's record). Polling must be stopped.
class QWidget;

bool ToonPhKalibratie(int r, int m, int k, QWidget* eigenaar);
bool ToonECKalibratie(int r, int m, int k, QWidget* eigenaar);
bool ToonEenpuntsKalibratie(int r, int m, int k, QWidget* eigenaar);
bool ToonIonKalibratie(int r, int m, int k, QWidget* eigenaar);
