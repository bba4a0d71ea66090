#pragma once
// The print settings: the font, the texts of the report header block, what is printed, the
// orientation, the printer and the margins. They are read at start-up from the settings section
// "Printer" and written there by "Save settings" of the print dialog and at program end.
#include "reports/Printerkode.h"

#include <QList>
#include <QPair>
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

// The fifteen keys with their values as text, in the order in which they are written: Booleans
// "True"/"False", numbers as their text (margins in the locale's number format).
QList<QPair<QString, QString>> PrinterWaarden();

// Reads the section into the settings; margins accept "," or "." as decimal sign.
void LeesPrinterInstellingen(const QString& sectie);
// Writes PrinterWaarden under the section.
void BewaarPrinterInstellingen(const QString& sectie);

void ResetPrinterinstellingen();
