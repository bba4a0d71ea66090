#include "factory/Fabrieksafregeling.h"

#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "factory/DialogK761Calibration.h"
#include "factory/DialogK762Calibration.h"

#include <memory>

namespace {
int ToonDialoog(int r, int m, bool alleenLezen) {
    if (!IsModulePlaats(r, m)) return -1;
    const QString type = Racks[r].Modules[m].Type.getrimd();
    std::unique_ptr<Fabrieksdialoog> dialoog;
    if (type == QLatin1String("K761"))
        dialoog = std::make_unique<DialogK761Calibration>();
    else if (type == QLatin1String("K762"))
        dialoog = std::make_unique<DialogK762Calibration>();
    else
        return -1;
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
