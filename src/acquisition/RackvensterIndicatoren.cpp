#include "acquisition/RackvensterIndicatoren.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Kanaaladres.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Rackvenster.h"

#include <limits>

namespace {

// The rack window of rack r when the rack is registered and its window shown; else nullptr.
RackvensterInterface* GetoondVenster(int r) {
    if (r < 1 || r > AantalRacks || !Racks[r].Present || !RackVlaggen[r].Show) return nullptr;
    return RackVenster(r);
}

} // namespace

void MarkeerAntwoordOntvangen(int32_t idno) {
    // The module as the reply dispatcher finds it: registered racks and present modules only.
    int r = 0, m = 0;
    ZoekRackModule(idno, r, m);
    if (r != 0 && m != 0) Racks[r].Modules[m].GeenAntwoordTeller = 0;
}

void VerhoogGeenAntwoordTeller(int r, int m) {
    if (!IsModuleAdres(r, m)) return;
    int16_t& teller = Racks[r].Modules[m].GeenAntwoordTeller;
    if (teller < std::numeric_limits<int16_t>::max()) ++teller;
    if (teller == 1) ToonMetingenRackvenster(r, m, true); // its last values are stale from now on
}

void AanpassenRackIndicatoren(int r0, int m0, bool actief, bool anderenBijwerken) {
    for (int r = 1; r <= AantalRacks; ++r) {
        RackvensterInterface* venster = GetoondVenster(r);
        if (!venster) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            const ModuleRecord& module = Racks[r].Modules[m];
            if (!module.Present) continue;
            const bool stil = module.GeenAntwoordTeller != 0;
            // A module that does not answer stays red, also when it stops being the current one (its
            // settings dialog closing after the port was lost).
            if (stil)
                venster->ZetLedKleur(m - 1, KleurRood);
            else if (r == r0 && m == m0)
                venster->ZetLedKleur(m - 1, actief ? KleurGroen : KleurDonkergroen);
            else if (anderenBijwerken)
                venster->ZetLedKleur(m - 1, KleurDonkergroen);
        }
    }
}

void VernieuwModulesRackvenster(int r) {
    RackvensterInterface* venster = GetoondVenster(r);
    if (!venster) return;
    for (int m = 1; m <= AantalModules; ++m)
        if (Racks[r].Modules[m].Present)
            venster->ZetLedKleur(m - 1, Racks[r].Modules[m].GeenAntwoordTeller != 0 ? KleurRood : KleurGrijs);
}
