#pragma once
// The start state of the rack windows' folder: the module settings dialog closed, and no side
// registered for the entries of the rack window's menu or for the dialog's calibration and GLP buttons.
void ResetRackweergaven();
