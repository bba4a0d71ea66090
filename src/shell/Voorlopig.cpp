#include "shell/Voorlopig.h"

bool AlleenLezen;
bool ProgrammaBeeindigd;

void ControleerWijzigingen(const QString&, bool& geannuleerd, bool) {
    geannuleerd = false;
}

void ResetVoorlopig() {
    AlleenLezen = false;
    ProgrammaBeeindigd = false;
}
