#pragma once
// Edits of the selected rows of a table window that reach the measurement file: clearing values and
// deleting whole snapshots. Both go through the working copy of the data file (Werkkopie.h), never the
// file itself, and change the table grids only once the new working copy is in place, so that grid
// and working copy always tell the same.
//
// A row's line is the line of the working copy whose time lies in the row's second (a row keeps its time
// only in its date and time cells) after as many lines of that second as the table has rows of it before
// the row, wherever they lie (Regelwijzer): when rows share a second (an end point in the second of the
// snapshot before it, or the clock set back, which repeats a second far apart), the lines of that second
// go to them in order, so an edit of the later row never reaches the line of the earlier one. A row that
// has no time cells any more (deleted before, or the empty row below the newest) has no line and is
// skipped; a row whose line is not found is changed in the grids only. The fields of a row's line are
// found by the modules that line was written or read with (Regelindeling).
#include <QString>
#include <cstdint>

// Empties the selected value, temperature and info cells of rows r1..r2 of module Mi's grid in rack
// `rack`'s table, and the matching fields of their lines: each selected odd column of 3..19 together
// with the unit column beside it (an even column alone, the columns 0..2 and the flags are never
// cleared). False when the working copy could not be edited (nothing changed).
bool WisSelectieInBestand(int16_t rack, int16_t Mi, int32_t r1, int32_t r2, int16_t c1, int16_t c2);

// Removes the lines of rows r1..r2 of module Mi's grid from the working copy and empties those rows
// (but their numbers) in every table of every rack. False when the working copy could not be edited
// (nothing changed).
bool VerwijderRijenUitBestand(int16_t rack, int16_t Mi, int32_t r1, int32_t r2);
