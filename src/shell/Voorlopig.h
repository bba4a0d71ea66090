#pragma once
// Provisional stand-ins for what the measurement-file layer and the communication main loop will
// provide: the current data file and its row count, the snapshot and end-point rows, measuring on and
// off. They keep the main window working on its own and go as soon as the real ones are there.
#include "platform/Datum.h"

#include <QString>
#include <cstdint>

extern QString Gegevensbestand;    // the current data file, also the logging template
extern int32_t AantalMetingen;     // rows in the tables
extern platform::Datum TijdMeting; // time of the newest row
extern bool BezigMetLaden;
extern int16_t LaatsteKeuze;
extern QString TekstAfbakening;
extern QString TijdScheiding;
extern bool AlleenLezen;

// The locale's time separator.
QString TijdScheidingsteken();
// The data file named on the command line: trimmed, ".csv" appended unless the name holds it; the
// name keeps its case. Its folder becomes the data folder. LaatsteKeuze 2 when the folder is unusable.
QString ZetGegevensbestand(const QString& naam);
// The template with "#date#" (and, when not 0, "#rack#", "#module#", "#channel#") filled in.
QString MaakBestandsnaam(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal);
// Pending edits of the data file: none are kept yet, so nothing is asked and nothing cancelled.
void ControleerWijzigingen(const QString& naam, bool& geannuleerd, bool metAnnuleren);
// One snapshot row, and the row itself (info "Stop" for an end point).
void VerwerkOpvraagTik();
void VernieuwVensters(const QString& info);
void StartMeten();
void StopMeten();

// Until the communication main loop is there: pumps events until the program has ended.
void PompTotProgrammaEinde();
extern bool ProgrammaBeeindigd;

void ResetVoorlopig();
