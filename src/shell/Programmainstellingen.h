#pragma once
// The program settings: the keys and defaults of the "Settings" section and of the main window's,
// terminal's, printer's, conductivity's, time and graph sections; reading them all at start-up with the
// data folders and their default files, saving them, and the window placement, font and column-width
// records that other windows keep under sections of their own.
#include "platform/Datum.h"
// The printer record (section "Printer") belongs to the print engine.
#include "reports/Printerinstellingen.h"
#include "shared/Instellingen.h"
#include "shared/ui/Vensterfuncties.h"

#include <QString>
#include <cstdint>

class QWidget;
class mdiK740;

extern QString ProductNaam;   // "K740", the product text of the caption
extern int32_t Tijdsinterval; // poll interval of logging in seconds, 1..86400
extern bool GebruikStartLog;
extern platform::Datum StartLogTijdstip;
extern bool GebruikStopLog;
extern platform::Datum StopLogTijdstip;

// The default folder `naam` ("Data", "Library", "Configuration", "Calibration") under the documents
// folder: <documents>/Quorvex/K740/<naam>.
QString StandaardMap(const QString& naam);
// The seconds when they lie in 1..86400, else 1.
int32_t GeldigInterval(int32_t seconden);

// Start-up: reads every setting of "Settings" (but the language, the settings window's tab and the
// toolbar), makes the data folders (a folder that cannot be made is reported and offered in the
// settings window), copies missing default files, and restores the main window, the terminal, the
// conductivity options and the printer record.
void Initialisatie(mdiK740& venster);
// Saves the main window, terminal, rack and table windows, conductivity options, graph list, printer
// record and time base. "Settings" is not written here.
void BewaarInstellingen(mdiK740& venster);

// Font record of a control: its font and its text colour.
void BewaarLettertype(const QString& sectie, QWidget* besturing);
void LeesLettertype(const QString& sectie, QWidget* besturing);
// Column widths of a grid in twips, "Width0" .. "Width<n-1>".
void BewaarKolomBreedte(const QString& sectie, QTableView* raster);
void LeesKolomBreedte(const QString& sectie, QTableView* raster);

void ResetProgrammainstellingen();
