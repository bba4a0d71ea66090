#include "acquisition/Rackvenster.h"

#include "acquisition/RackModel.h"

#include <array>

namespace {
std::array<RackvensterInterface*, AantalRacks + 1> vensters{};
}

RackvensterInterface* RackVenster(int r) {
    if (r < 1 || r > AantalRacks) return nullptr;
    return vensters[r];
}

void ZetRackVenster(int r, RackvensterInterface* venster) {
    if (r >= 1 && r <= AantalRacks) vensters[r] = venster;
}

void ResetRackVensters() {
    vensters.fill(nullptr);
}
