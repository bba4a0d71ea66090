#include "acquisition/vensters/Rackvenster.h"

#include "acquisition/RackModel.h"

#include <array>

namespace {
std::array<RackvensterInterface*, AantalRacks + 1> vensters{};
RackvensterMaker* maker = nullptr;
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

void ZetRackvensterMaker(RackvensterMaker* nieuw) {
    maker = nieuw;
}
RackvensterMaker& rackvensterMaker() {
    static RackvensterMaker geen;
    return maker ? *maker : geen;
}

RackvensterInterface* MaakRackVenster(int r) {
    if (r < 1 || r > AantalRacks) return nullptr;
    if (!vensters[r]) {
        RackvensterInterface* venster = rackvensterMaker().Maak(r);
        // The window registers itself when it loads; a maker that did not is kept to its word.
        if (!vensters[r]) vensters[r] = venster;
    }
    return vensters[r];
}
