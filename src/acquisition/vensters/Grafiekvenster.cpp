#include "acquisition/vensters/Grafiekvenster.h"

#include "acquisition/RackModel.h"

#include <array>

namespace {
std::array<GrafiekvensterInterface*, AantalGrafieken + 1> vensters{};
}

bool GrafiekvensterInterface::LezenGrafiekIndexen(int n, GrafiekCurve& curve) const {
    curve = GrafiekCurve{};
    if (n < 1 || n > AantalGrafiekLijnen) return false;
    curve.Rg = LeesGrafiekLijnRef(n, LijnRack);
    curve.Mg = LeesGrafiekLijnRef(n, LijnModule);
    curve.Kg = LeesGrafiekLijnRef(n, LijnIngang);
    curve.StatistiekMinimum = LeesGrafiekLijnRef(n, LijnMinimum) != 0;
    curve.StatistiekMaximum = LeesGrafiekLijnRef(n, LijnMaximum) != 0;
    curve.StatistiekGemiddelde = LeesGrafiekLijnRef(n, LijnGemiddelde) != 0;
    if (curve.Kg > AantalIngangen) {
        curve.Kg = static_cast<int16_t>(curve.Kg - AantalIngangen);
        return true;
    }
    return false;
}

GrafiekvensterInterface* GrafiekVenster(int g) {
    if (g < 1 || g > AantalGrafieken) return nullptr;
    return vensters[g];
}

void ZetGrafiekVenster(int g, GrafiekvensterInterface* venster) {
    if (g >= 1 && g <= AantalGrafieken) vensters[g] = venster;
}

void ResetGrafiekVensters() {
    vensters.fill(nullptr);
}
