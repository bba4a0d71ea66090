#pragma once
// Edits of the selected rows of a table window that reach the measurement file: clearing values and
// deleting whole snapshots. Both go through the working copy of the data file (Werkkopie.h), never the
// file itself, and change the table grids only once the new working copy is in place, so that grid
// and working copy always tell the same.
//
// A row's line is found by one rule (Regelwijzer): the lines of a second belong to the rows of that
// second that any table shows with a time and whose lines were not given up, in their order, wherever
// they lie in the file (an end point in the second of the snapshot before it, or the clock set back,
// which repeats a second far apart; a rack's table emptied at a search shows none of the rows before it,
// while another rack's table does). So an edit of the later row never reaches the line of the earlier
// one. A row that the edited grid shows without a time (deleted before, emptied at a search, the empty
// row below the newest) has no line there and is passed by; a row whose line is not found (given up) is
// changed in the grids only. The fields of a row's line are found by the modules that line was written or
// read with (Regelindeling).
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
