#include "acquisition/Koppelingen.h"

namespace {
Bestandslaag* laag = nullptr;
} // namespace

void ZetBestandslaag(Bestandslaag* nieuw) {
    laag = nieuw;
}
Bestandslaag& bestandslaag() {
    static Bestandslaag geen;
    return laag ? *laag : geen;
}

void SchrijfLogboek(int rack, int module, const QString& tekst) {
    bestandslaag().SchrijfLogboek(rack, module, tekst);
}

void ResetKoppelingen() {
    laag = nullptr;
}
