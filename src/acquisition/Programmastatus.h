#pragma once
// Program-wide flags and the settings that the engine and the file layer read. The shell fills the
// settings at start-up and from its settings window; the command line sets the switches.
#include "platform/Datum.h"
#include "platform/Houdvlag.h"

#include <QString>
#include <cstdint>

// Flags that keep the work on the line apart. Whether a pass of the loop polls is MetenActief (the
// loop's pass and the window waits' passes test it); whether the poll-interval timer logs is decided in
// mdiK740::TimerOpvragen_Timer (PauzeOpvragen, MetenActief, VerbindingActief, CyclusVoltooid). A place
// that holds one of the first three for a while (a command, a reply's handling, the life of a dialog)
// holds it with a platform::Vlaghouder; the holders of each are named at its declaration.
// The poll cycle runs. Held off by the module settings dialog, the factory dialog and the racks' reset.
extern platform::Houdvlag MetenActief;
// The poll-interval timer takes no snapshot. Held on by the settings window, a rack's log-on and the
// racks' reset.
extern platform::Houdvlag PauzeOpvragen;
// Every link wait ends at once while it is set. Nothing in the program sets it: the waits read it (a
// test sets it to end a wait), and the start state clears it.
extern bool Pauzeren;
extern bool Afbreken; // the running transaction ends
// Logging is on. Held off by the settings window.
extern platform::Houdvlag VerbindingActief;
extern bool InstellingenOpen; // the module settings dialog is open
extern bool BoomZichtbaar;    // the system tree is shown
extern bool ConfiguratieGewijzigd;

// Command-line switches.
extern bool Demo; // simulation without hardware
extern platform::Datum DemoStart;
// In simulation every step of the poll walk is a pass of the loop that idles this long, so that a full
// rack's turn takes well under the shortest logging interval of a second.
inline constexpr int SimulatiePasMs = 30;
// The simulated signals that move a step per converted reading were paced for a pass of 150 ms: each of
// their steps is this share of the step they were made with, so that they keep their rate per second.
inline constexpr double SimulatieStapDeel = SimulatiePasMs / 150.0;
extern bool Fabrieksmodus;
extern bool AlarmUitgang;
extern QString AlarmPoort; // "COM1", or a device path
extern bool LogbestandAan;

// Settings.
extern QString MapGegevens;
extern QString MapBibliotheek;
extern QString MapConfiguratie;
extern QString MapKalibratie;
extern QString Baudsnelheid; // "19200"
extern bool StartBijOpstarten;
extern bool LadenBijOpstarten;
extern bool TerminalDataUit;
extern bool TerminalDataIn;
extern bool TerminalDataHex;
extern bool TerminalDataInfo;
extern bool RelatieveTijd;
extern platform::Datum TijdBasis;
extern bool TemperatuurCompensatie;
extern int ReferentieTemperatuur; // 0 = 20 °C, 1 = 25 °C

// True once every measured module has had its turn of the poll walk since it was last cleared (see
// OpenBeurten); the rack windows clear it when they blank their values, so that a complete new cycle is
// needed before a snapshot.
extern bool CyclusVoltooid;
// The snapshots of the poll-interval timer: the time of the newest and their count (32-bit). The
// snapshot counts them; the data file sets them when it loads rows and sets them back for a new file.
extern platform::Datum TijdMeting;
extern int32_t AantalMetingen;
// The number of the snapshot whose row the tables and the logging files take now: every row the tables
// take gets the next one, and it never starts again while the program runs (a row's number tells it from
// every row before it, also once the tables have begun afresh). 0: no snapshot yet.
extern uint64_t Opnamenummer;

void ResetProgrammastatus();
