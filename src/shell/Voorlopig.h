#pragma once
// Provisional stand-ins for what the working copy of the data file will provide: the question about
// pending edits. They keep the main window working on its own and go as soon as the real ones are there.
#include "acquisition/Communicatie.h"
#include "acquisition/Programmastatus.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"

#include <QString>
#include <cstdint>

extern bool AlleenLezen;

// Pending edits of the data file: none are kept yet, so nothing is asked and nothing cancelled.
void ControleerWijzigingen(const QString& naam, bool& geannuleerd, bool metAnnuleren);
// Set when the main window has unloaded.
extern bool ProgrammaBeeindigd;

void ResetVoorlopig();
