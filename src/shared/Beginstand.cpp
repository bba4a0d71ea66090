#include "shared/Beginstand.h"

#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

void ResetGedeeld() {
    ZetMeldingVenster(nullptr);
    ZetMeldingOmgeving(nullptr);
    ResetTeruggehoudenMeldingen();
    while (HoofdvensterUitgehouden())
        HoudHoofdvensterUit(false);
    ZetMapKeuzeVenster(nullptr);
    ResetVoortgang();
    ResetSysteemfuncties();
    ResetTeksten();
}
