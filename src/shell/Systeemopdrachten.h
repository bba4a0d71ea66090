#pragma once
// Commands that act on the running system rather than on a window: the reset of every registered
// module and rack (System > Reset racks/modules, which nothing shows), and the time base of the table
// rows (Edit > Relative clock and Edit > Set reference point), whose result is stored in section "Time"
// at once.
#include <cstdint>

class frmTabel;

// Sends the reset code 253 to every registered module and then to its rack, 250 ms apart, with polling
// held throughout; each send is written to the event log and the terminal. Measuring is afterwards as
// it was.
void SysteemReset();

// Relative clock on the active table window: switches the time base. Switched on, the selected row of
// the visible tab becomes the zero (when its date and time cells hold a date) and the data file is
// reloaded; on the header row it switches itself off again. Switched off, the file is reloaded in clock
// time. Returns the new state, which the menu item's check shows.
bool WisselRelatieveTijd(frmTabel& tabel);
// Set reference point on the active table window: while relative time is on, the selected row's time
// becomes the zero and the data file is reloaded. On the header row, or a row without time cells,
// nothing happens.
void ZetTijdOorsprong(frmTabel& tabel);

// The grid row of the visible tab's current cell; 0 when no data row is current.
int32_t HuidigeRij(const frmTabel& tabel);
