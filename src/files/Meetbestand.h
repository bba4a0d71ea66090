#pragma once
// The measurement file: the table windows' rows as a CSV file (".csv"). Line 1 is the header: "Time",
// then per present module (racks 1..16, modules 1..7) five fields per input and the module's name.
// Every further line is one sample row: the date and time, then per present module 21 fields (flags,
// value, unit, temperature and temperature unit of each input, and the info text). The current data
// file's name is also the template of the logging files.
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Meetregels.h"
#include "platform/Datum.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

// The current data file (full path) or logging template.
extern QString Gegevensbestand;
// AantalMetingen (sample rows in the tables: row r of every module grid is sample r; -1 while a file's
// first line is read) and TijdMeting (the time of the newest sample row) are the engine's: they count
// the snapshots of the poll cycle.
// A data file is being loaded into the tables.
extern bool BezigMetLaden;
// Outcome of the last file dialog or file operation, for its caller: 1 done, 2 cancelled or failed.
// Left by the open and save dialogs in their KiesBestandOpenen and KiesBestandOpslaan forms, Save As
// (OpslaanAls), loading the data file (LeesGegevensbestand), the data file named on
// the command line (ZetGegevensbestand, read back by the command line) and the table window's question
// before deleting rows (the button pressed). Other questions keep their answer to themselves.
extern int16_t LaatsteKeuze;

// What a write of the whole table wrote: the modules whose blocks each line holds, in their order, and
// the rows of the tables that got a line, as runs of rows (first, last), ascending.
struct GeschrevenTabel {
    Rijmodules modules;
    std::vector<std::pair<int32_t, int32_t>> rijen;
};

// Writes the whole table to `naam`, replacing it safely: the former file stays whole until the new one
// is complete. The header and every line hold a block of every present module of the present racks (also
// of a rack waiting for its log-on). Each row that any table shows with a time gets a line: its time from
// the first of those modules whose grid has one in that row, each module's block from its own grid, empty
// where that grid has no time in the row; a row without a time (deleted) gets none. Every input name of a
// present module is stored back without its leading blanks. Rows shown in relative time are written with
// their clock time. `aanvullen`, when given, is handed the new
// content's temporary file before that takes the name, and may add to it; its failure is a failure to
// write. When the file cannot be written the message box offers Retry and Cancel (each try writes the
// table and calls `aanvullen` anew). `backup`, when given, gets the file as it stands right before each
// try replaces it: rows appended to it while the box waits are in the backup. False when it was not
// written. `geschreven`, when given, gets what the file holds (GeschrevenTabel). `nogGeldig`, when given, is
// asked after each Retry, before the next try: the box blocks nothing, and once the tables no longer show
// what was to be written (another file opened meanwhile), it says so itself and the write ends (false).
bool SchrijfGegevensbestand(const QString& naam, const std::function<bool(const QString&)>& aanvullen = {},
                            const QString& backup = QString(), GeschrevenTabel* geschreven = nullptr,
                            const std::function<bool()>& nogGeldig = {});

// Loads the file into the table windows of the present racks (each laid out afresh first), with the
// progress window; Cancel keeps the rows read so far. A command that takes the tables over while the load
// lets the events run (File > New, another load, a search, another data file) ends it as Cancel does, and
// leaves the tables and the messages to that command. Line 1 is always skipped; a line whose first
// field is no date is not a row. Lines that are cut off, have too few fields or hold a flag, value or
// temperature that is no number are loaded as far as they are sound, and the message box names them
// afterwards. Sets LaatsteKeuze (2 after a read error).
void LeesGegevensbestand(const QString& naam);

// The modules of the tables as the racks are now, in their order: the present modules of the present
// racks; a rack waiting for its log-on takes no values a header places.
std::vector<Tabelmodule> Tabelmodules();
// The modules whose blocks a line written now holds, in their order: the present modules of the present
// racks, a rack waiting for its log-on too (the logging writes its block without values, the whole-table
// writer its grid's cells), each taking what its block holds. One shared list while the modules stay the
// same, so that the rows of a run share it: each table keeps it for the rows it takes (Rijindelingen).
Rijmodules GeschrevenTabelmodules();
// The module whose grid gives row `rij` its time in a line written of the tables (SchrijfGegevensbestand):
// the first of `modules` whose grid has a time in that row. A rack's table emptied at a log-on with other
// modules has none in the rows before it, while the other racks' tables keep theirs. nullptr for a row
// that no table shows with a time (a deleted row).
const Tabelmodule* ModuleMetTijd(const std::vector<Tabelmodule>& modules, int32_t rij);
// Which field of a row of a measurement file with the header fields `kop` belongs to which module of the
// tables as the racks are now (Veldindeling): the loader reads every row by it, and every edit of the
// file finds the field of a cell by it.
Veldindeling IndelingVanBestand(std::span<const QStringView> kop);

// (Re)loads Gegevensbestand into all tables and refreshes the graphs and the main window's caption.
// A name holding a logging marker is accepted as the current data file without a file. 1 when the
// file exists or is a template; otherwise "Non-existing file!", the name leaves the recent-file list,
// and 2.
int16_t OpenGegevensbestand();

// A name to open that is neither a file nor a template: "Non-existing file!" names it and it leaves the
// recent-file list; true then. Asked before the name becomes the data file, so that the rows logged
// while the box waits go on into the data file logging writes to.
bool MeldOntbrekendBestand(const QString& naam);

// True when the name holds "#date#", "#rack#", "#module#" or "#channel#".
bool HeeftSjabloon(const QString& naam);

// The data file named on the command line: trimmed, ".csv" appended unless the name holds it (in any
// case); the name keeps its case. Its folder (without a
// closing "/") becomes MapGegevens and the current folder; a relative name is then given relative to it.
QString ZetGegevensbestand(const QString& naam);

void ResetMeetbestand();
