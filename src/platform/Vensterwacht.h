#pragma once
// The waits of the program, and all the state they keep. There is one thread and one way to wait: a
// window waits for its answer (a message box, a dialog, a file or print dialog, a pop-up menu) with
// WachtOpVenster, never with an event loop of its own (tests/platform/WachtregelTest.cpp keeps that
// rule). The program's loop is the communication loop (acquisition/Communicatie.cpp); every window
// waits inside it, and every turn of a window's wait is a pass of that loop where the loop may run, so
// polling, logging and the timers go on behind the window. Where it may not (inside a transaction of
// another window, inside the rest of a pass, or while no loop runs), a turn handles the pending events.
//
// The stack of a logging row written while the print dialog is open, outermost first (some 60 frames;
// the ones that matter here):
//
//   main -> CommunicatieLus
//     LusRonde                        outer pass   Luswacht(true): lusDiepte = 0 + 1
//       WachtOpAntwoord               LinkWacht    linkDiepte = 1
//         OntvangRS232 -> Pomp        File > Print comes in
//           print dialog: VoerDialoogUit -> WachtOpVenster                     vensters = {print}
//             a turn: lusRonde() = VensterwachtRonde: measuring, linkDiepte 1 <= lusDiepte 1
//             LusRonde                nested pass  Luswacht(true): lusDiepte = 1 + 1
//               WachtOpAntwoord       LinkWacht    linkDiepte = 2
//                 WachtOpHoud -> Pomp the 30 ms DTR hold of the request that the nested pass of the
//                                     turn before sent (lusZendt: houdLopend until houdTot)
//                   TimerOpvragen_Timer -> VerwerkOpvraagTik -> VernieuwVensters -> the logging row
//
// A nested pass runs to its end before the window's wait takes its next turn: one window that waits
// adds one pass to the stack (a window opened inside that pass adds one more). What keeps this right:
//
// - A pass runs only from a window's wait, only while measuring, and only where the loop waits itself:
//   linkDiepte <= lusDiepte. Each pass marks its own wait for a reply and its idling (Luswacht(true):
//   lusDiepte = linkDiepte + 1) and the rest of the pass (Luswacht(false): lusDiepte = -1); a link wait
//   of a dialog's transaction, of a request being sent or of a pause (LinkWacht) lies one level
//   deeper. So a pass never takes the reply another wait is waiting for, never breaks into a request
//   being built or sent, and never runs inside the handling of a reply.
// - The replies on the line are the loop's, not a pass's: whichever pass waits innermost takes the next
//   one, and the poll walk's position (OpvraagRack, ..) is one for every pass.
// - At most one DTR hold is open, that of the loop's last request: a request of the loop (lusZendt)
//   leaves DTR raised until houdTot and returns; the next wait for a reply, in whatever pass, waits the
//   hold out first (WachtOpHoud). Any other request waits out its own hold before it returns.
// - The windows that wait form a stack (vensters, innermost last), each popped as its wait returns. A
//   pass that runs for the innermost window ends its wait for a reply early once that window has its
//   answer (vensterwachtBeantwoord), so the window's caller goes on at once; the pass ends as usual.
// - Every link wait waits on the one timer of the link, TimerComm, counting its ticks in TellerCOMM
//   (acquisition/Verbinding.h, with the serial lines it times): a wait started inside another re-arms
//   it, and the outer wait then ends on the tick or on the stopped timer instead of waiting for a tick
//   that never comes.
// - Pauzeren would end every link wait at once; nothing in the program sets it (only tests do).
//
// Loops that Qt starts itself. The program's windows never start an event loop of their own, but Qt's
// do, below the program's wait: the boxes of the file dialog ("File not found", the Delete question, a
// new folder or a rename it refuses, an existing file in the save dialog), the boxes of the print and
// page set-up dialogs, and the pop-up menus that a widget runs itself (the number boxes' menu:
// QSpinBox, QDoubleSpinBox, the date and time boxes; the file dialog's list, tree and side bar; the
// multi-line text boxes; the scroll bars; a tool button's menu such as the calendar's month list) and a
// drag. Each of those waits in a QEventLoop, and the program's wait below it gets no turn until it
// ends. So every such loop is a window's wait too: whenever it is about to sleep, and no wait of the
// program's runs inside it, it takes the turn a window's wait takes (a pass of the loop where the loop
// may run, else the pump) and comes round again. A wait of the program's started inside it
// (WachtOpVenster) takes its turns itself.
#include "platform/Houdvlag.h"

#include <QtGlobal>

#include <functional>
#include <vector>

namespace platform {

// The state of the waits. The window side is written here; the link side by the link
// (acquisition/Verbinding.cpp: its waits, Luswacht, the hold) and lusZendt by the loop's pass.
struct Wachtstand {
    // The loop's pass: runs one pass and returns true, or returns false when the loop may not run now.
    // nullptr: no loop runs (every wait handles events only).
    std::function<bool()> lusRonde;
    // The windows that wait now, innermost last: each one's test for its answer.
    std::vector<const std::function<bool()>*> vensters;
    // The link waits running now (a wait for a reply, a hold, a pause, a transaction's wait).
    int linkDiepte = 0;
    // The link depth at which the loop waits itself; -1: nowhere (a pass may not run).
    int lusDiepte = -1;
    // The loop sends its own request: its hold is left running when it is written.
    Houdvlag lusZendt{true};
    // The DTR hold of the loop's last request runs until houdTot (the clock's ms).
    bool houdLopend = false;
    qint64 houdTot = 0;
    // The level of Qt's event loops (QThread::loopLevel) at which the program's innermost wait runs:
    // a loop above it is one Qt started itself.
    int eigenLusNiveau = 0;
    // A turn for such a loop runs now.
    bool vreemdeBeurt = false;
    // Set when the program ends with no one to answer: closes every window open now.
    std::function<void()> sluitZonderGebruiker;
};
Wachtstand& wachtstand();

// Waits until `klaar` holds.
void WachtOpVenster(const std::function<bool()>& klaar);

// Installs the loop's pass (nullptr: no loop). While a loop is installed, an event loop that Qt starts
// itself takes the turns of a window's wait.
void zetLusRonde(std::function<bool()> ronde);

// True when the innermost window that waits has its answer: a pass of the loop that runs for that wait
// ends its own wait early, so that the window's caller goes on at once.
bool vensterwachtBeantwoord();

// The program ends with no one to answer (a logout, a shutdown, kill): from now on no window waits for
// an answer. `sluit` closes every window that is open, each with the answer that changes nothing; each
// turn of a window's wait and of a loop Qt runs itself calls it again, so that a window that opens while
// the program ends (the command that asked goes on) closes too.
void EindeZonderGebruiker(std::function<void()> sluit);
// True once the program ends with no one to answer.
bool NiemandAntwoordt();

// The number of window waits running now.
int aantalVensterwachten();

// The window side back to its start (no loop); the link sets its own side back.
void ResetVensterwacht();

} // namespace platform
