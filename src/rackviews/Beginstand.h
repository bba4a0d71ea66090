#pragma once
// The start state of the rack windows' folder: no side registered for the entries of the rack window's
// menu.
void ResetRackweergaven();
