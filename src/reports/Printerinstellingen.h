#pragma once
// The print settings: the font, the texts of the report header block, what is printed, the
// orientation, the printer and the margins. They are read at start-up from the settings section
// "Printer" and written there by "Save settings" of the print dialog and at program end.
#include "reports/Printerkode.h"

#include <QString>
#include <cstdint>

extern QString PrintLettertype; // "Fontname", default "Arial"
extern bool PrintCursief;       // "Fontitalic"
extern QString PrintOperator;   // "Operator"
extern QString PrintAfdeling;   // "Department"
extern QString PrintBedrijf;    // "Company"
extern QString PrintToestel;    // "Instrument", default "K740"
extern bool PrintAlles;         // "Print All", default True
extern QString PrintNota;       // "Note"
extern int16_t PrintOrientatie; // "Orientation": 1 portrait, 2 landscape
extern int16_t PrinterIndex;    // "Device": position in the printer list, -1 none chosen
extern bool PrintAlarmRapport;  // "Alarm report"
// Print only the selected table rows; kept until the program ends, never stored.
extern bool PrintEnkelSelectie;

// The fifteen keys in the order in which they are written.
inline constexpr const char* PrinterSleutels[] = {
    "Fontname",    "Fontitalic",    "Operator",    "Department",   "Company",
    "Instrument",  "Print All",     "Offset top",  "Offset bottom", "Offset left",
    "Offset right", "Note",         "Orientation", "Device",        "Alarm report"};

// Reads the section into the settings; margins accept "," or "." as decimal sign.
void LeesPrinterInstellingen(const QString& sectie);
// Writes the fifteen keys in order under the section: Booleans "True"/"False", numbers as their text
// (margins in the locale's number format).
void BewaarPrinterInstellingen(const QString& sectie);

void ResetPrinterinstellingen();
