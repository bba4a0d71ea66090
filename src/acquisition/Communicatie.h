#pragma once
// The communication main loop and the poll cycle. The loop is the program's loop for its whole life:
// every pass waits for one reply (pumping events, so the whole user interface runs inside it), hands the
// reply to its handler by the command echo, and lets the poll supervision send the next request. The
// poll cycle walks round robin over every present module with inputs in use of every registered rack
// whose Measure flag is on: status, temperature ADC, measuring ADC, compute. A module that does not
// answer is asked again, reset, asked once more and finally given up with a reset of its rack.
// Also the snapshot of the poll-interval timer, which fills the logging files, tables and graphs.
#include <QString>
#include <cstdint>

// Position of the poll walk: rack 1..16, module 1..7, step 1..4 of that module.
extern int16_t OpvraagRack;
extern int16_t OpvraagModule;
extern int16_t OpvraagStap;
// The command saved at the third unanswered send of a module, resent at the fourth.
extern QString BewaardCommando;
// The walk sets CyclusVoltooid (Programmastatus.h) when it wraps from rack 16 to rack 1.

// The loop. Returns only when BeeindigCommunicatieLus was called (the main window unloads, or a test
// or benchmark has run long enough); it ends after the pass that is running then.
void CommunicatieLus();
// Asks the loop to end after its current pass; asked before the loop runs, the loop ends after its
// start steps. Asked while the start waits for an answer (the settings window, a box or question), the
// start ends there.
void BeeindigCommunicatieLus();

// The poll supervision, once per pass of the loop: the next step, a resend, or the escalation of a
// module that does not answer.
void ControleerOpvraging();
// Issues poll step `stap` of module (rack, module); moves on first when that module is not polled.
// When there is no module to poll, `stap` becomes 0: the turn there has not begun.
void VolgendeStap(int16_t& rack, int16_t& module, int16_t& stap);
// Moves to the next present module with an input in use, wrapping over the registered racks whose
// Measure flag is on; stays where it is when there is no other.
void VolgendeModule(int16_t& rack, int16_t& module);
// VolgendeModule on the walk's position, then step 1.
void OpvraagVolgendeModule();
// The walk begins afresh at a Search, once the racks wait for their log-on: every module's outstanding
// request and the steps of giving it up end, as a reply ends them (no resend, no reset of the module or
// its rack follows), and every turn is open again, as at the start of a run, so that the next snapshot
// waits until every module polled from now on has been read; the log-on replies are awaited from now on
// (AanmeldingLoopt, Aanmelding.h).
void HerbeginOpvraging();

// Measuring on and off: the flag, the toolbar button and an event-log line.
void StartMeten();
void StopMeten();
// The Measure button up and the event log's line, as StopMeten leaves them, for a place that holds
// polling off for a while (platform::Vlaghouder on MetenActief).
void ToonMetenUit();

// The snapshot, called by the poll-interval timer once it has set TijdMeting: counts it, sets the
// relative time base at the first, and has VernieuwVensters write it.
void VerwerkOpvraagTik();
// Writes the newest values to the logging files, every registered rack's table window and every live
// graph window; `info` is the text of the Info column ("Stop" for the end point of a logging run). When
// the run goes on in a new data file with this row, the windows show that file from its first row: the
// rows of the old file stay in the old file. The row gets the next Opnamenummer.
void VernieuwVensters(const QString& info);

void ResetCommunicatie();
