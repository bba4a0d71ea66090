#include "acquisition/Rackvenster.h"

#include "acquisition/RackModel.h"

#include <array>

namespace {
std::array<RackvensterInterface*, AantalRacks + 1> vensters{};
std::function<void(int)> maker;
} // namespace

RackvensterInterface* RackVenster(int r) {
    if (r < 1 || r > AantalRacks) return nullptr;
    return vensters[r];
}

void ZetRackVenster(int r, RackvensterInterface* venster) {
    if (r >= 1 && r <= AantalRacks) vensters[r] = venster;
}

void ResetRackVensters() {
    vensters.fill(nullptr);
    maker = nullptr;
}

void ZetRackvensterMaker(std::function<void(int r)> nieuw) {
    maker = std::move(nieuw);
}

RackvensterInterface* MaakRackVenster(int r) {
    if (r < 1 || r > AantalRacks) return nullptr;
    if (!vensters[r] && maker) maker(r);
    return vensters[r];
}
