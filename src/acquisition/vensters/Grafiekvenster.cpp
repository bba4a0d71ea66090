#include "acquisition/vensters/Grafiekvenster.h"

#include "acquisition/RackModel.h"

#include <algorithm>
#include <array>
#include <cmath>

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

void BegrensGrafiekGrenzen(GrafiekInstellingen& g) {
    const auto begrens = [](double& w, double laag, double hoog, double standaard) {
        w = std::isfinite(w) ? std::clamp(w, laag, hoog) : standaard;
    };
    begrens(g.GrafiekMinimum, SchaalMinimum, SchaalMaximum, -100);
    begrens(g.GrafiekMaximum, SchaalMinimum, SchaalMaximum, 100);
    begrens(g.AlarmHoogWaarde, -AlarmGrens, AlarmGrens, 0);
    begrens(g.AlarmLaagWaarde, -AlarmGrens, AlarmGrens, 0);
}

GrafiekvensterInterface* GrafiekVenster(int g) {
    if (g < 1 || g > AantalGrafieken) return nullptr;
    return vensters[g];
}

void VernieuwGrafiekLegenden() {
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (GrafiekvensterInterface* venster = vensters[g]; venster && venster->GrafiekIndex() == g)
            venster->VernieuwLegende();
}

void ZetGrafiekVenster(int g, GrafiekvensterInterface* venster) {
    if (g >= 1 && g <= AantalGrafieken) vensters[g] = venster;
}

void ResetGrafiekVensters() {
    vensters.fill(nullptr);
}
