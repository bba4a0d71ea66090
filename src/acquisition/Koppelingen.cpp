#include "acquisition/Koppelingen.h"

Bestandskoppeling Bestandslaag;

void SchrijfLogboek(int rack, int module, const QString& tekst) {
    if (Bestandslaag.SchrijfLogboek) Bestandslaag.SchrijfLogboek(rack, module, tekst);
}

void ResetKoppelingen() {
    Bestandslaag = Bestandskoppeling{};
}
