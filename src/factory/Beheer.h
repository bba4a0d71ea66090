#pragma once
// The program's view of the production database: the list of rows loaded so far, the row of the serial
// looked up last, and the path of the database file (set by the factory switches of the command line).
// A database file that is not there is "not available": nothing is loaded, no serial is found, and
// the program never makes one.
#include "factory/DatabaseFunctions.h"
#include "factory/ProductionList.h"

#include <QString>
#include <cstdint>
#include <memory>

extern QString ProductieDatabasePad;
// The row of the serial looked up last by ToestelVanSerienummer; none when it was not found.
extern std::shared_ptr<ProductionItem> ProductieItem;

// The list of the program, created on first use.
ProductionList& ProductieLijst();
// True when the file ProductieDatabasePad exists.
bool ProductieDatabaseBeschikbaar();
// Loads the serials serie - 250 .. serie + 250 into the list (only when the database is available). A
// failure (a serial within 250 of the limits of 32 bits, a duplicate serial, an unreadable row) is
// reported in a message and stops the load; the items added so far stay. False after a failure.
bool LaadProductie(int32_t serie);
// The trimmed device type of the serial, or "" when the database is not available or holds no row
// for it; sets ProductieItem to the serial's row or none. A failure while its rows were loaded is
// passed in `fout` (the item may still have been found).
QString ToestelVanSerienummer(int32_t serie, std::optional<LoopFout>* fout = nullptr);

void ResetBeheer();
