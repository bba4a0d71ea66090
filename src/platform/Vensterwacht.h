#pragma once
// The wait of a window for its answer: a message box, a dialog, a file or print dialog, a pop-up menu.
// The program's loop is the communication loop; a window waits inside it. While the loop itself waits
// (for a reply, or idling), it registers its pass here, and every turn of a window's wait is one pass of
// the loop: polling, logging and the timers go on behind the window. Where the loop may not run (inside
// a transaction of another window, or while no loop runs), a turn handles the pending events.
#include <functional>

namespace platform {

// Waits until `klaar` holds.
void WachtOpVenster(const std::function<bool()>& klaar);

// The loop's pass: runs one pass and returns true, or returns false when the loop may not run now.
// nullptr: no loop (every wait handles events only).
void zetLusRonde(std::function<bool()> ronde);

// True when the innermost window that waits has its answer: a pass of the loop that runs for that wait
// ends its own wait early, so that the window's caller goes on at once.
bool vensterwachtBeantwoord();

// The number of window waits running now.
int aantalVensterwachten();

void ResetVensterwacht();

} // namespace platform
