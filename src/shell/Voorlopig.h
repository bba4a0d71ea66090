#pragma once
// Provisional stand-ins for what the working copy of the data file and the communication main loop
// will provide: the question about pending edits, the snapshot and end-point rows, measuring on and
// off. They keep the main window working on its own and go as soon as the real ones are there.
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"

#include <QString>
#include <cstdint>

extern bool AlleenLezen;

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
