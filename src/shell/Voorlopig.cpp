#include "shell/Voorlopig.h"

bool ProgrammaBeeindigd;

void ResetVoorlopig() {
    ProgrammaBeeindigd = false;
}
