#pragma once
// The factory entries of a rack window's module menu: the adjustment dialog of the module's model,
// shown modally, for adjusting the module or only for looking up the stored record of a serial number.
// A module of another model gets no dialog.

// "Factory calibration": adjusts module m (1..7) of rack r. The dialog's own result
// (QDialog::Accepted after OK), or -1 when the module is neither a K761 nor a K762.
int ToonFabrieksafregeling(int r, int m);
// "Read Settings from SN": the module is not read; a typed serial number shows its stored record.
int ToonInstellingenVanSN(int r, int m);
