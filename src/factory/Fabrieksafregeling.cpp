#include "factory/Fabrieksafregeling.h"

#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "factory/DialogK761Calibration.h"
#include "factory/DialogK762Calibration.h"

#include <memory>

namespace {
int ToonDialoog(int r, int m, bool alleenLezen) {
    if (!IsModulePlaats(r, m)) return -1;
    std::unique_ptr<Fabrieksdialoog> dialoog;
    switch (ModelVan(r, m).type) {
    case Modeltype::K761:
        dialoog = std::make_unique<DialogK761Calibration>();
        break;
    case Modeltype::K762:
        dialoog = std::make_unique<DialogK762Calibration>();
        break;
    case Modeltype::Geen:
        return -1;
    }
    dialoog->Ri = static_cast<int16_t>(r);
    dialoog->Mi = static_cast<int16_t>(m);
    dialoog->ReadSettingsOnly = alleenLezen;
    return dialoog->ToonModaal();
}
} // namespace

int ToonFabrieksafregeling(int r, int m) {
    return ToonDialoog(r, m, false);
}

int ToonInstellingenVanSN(int r, int m) {
    return ToonDialoog(r, m, true);
}
