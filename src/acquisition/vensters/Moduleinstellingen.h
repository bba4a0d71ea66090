#pragma once
// Opening the module settings dialog from a window of another folder (the table window's tab): the
// rack views register the dialog at start-up; until then (and in tests that register nothing) nothing
// opens.
#include <functional>

// Opens the dialog on module m (1..7) of rack r, channel k (1..4 an input, 5..8 the temperature channel
// of input k - 4), modeless; nothing happens while one is open (InstellingenOpen).
void OpenModuleInstellingen(int r, int m, int k);
// Registers what opens the dialog (nullptr: nothing).
void ZetModuleInstellingenOpener(std::function<void(int r, int m, int k)> opener);
