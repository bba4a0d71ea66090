#pragma once
// The shell's own state that has no better home yet, and the file-layer headers its windows use.
#include "acquisition/Communicatie.h"
#include "acquisition/Programmastatus.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"

#include <QString>
#include <cstdint>

// Set when the main window has unloaded.
extern bool ProgrammaBeeindigd;

void ResetVoorlopig();
