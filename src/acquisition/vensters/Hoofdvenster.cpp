#include "acquisition/vensters/Hoofdvenster.h"

namespace {
Hoofdvenster geen;
Hoofdvenster* huidig = nullptr;
} // namespace

Hoofdvenster& hoofdvenster() {
    return huidig ? *huidig : geen;
}
void ZetHoofdvenster(Hoofdvenster* venster) {
    huidig = venster;
}
