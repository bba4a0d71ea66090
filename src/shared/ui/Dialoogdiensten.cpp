#include "shared/ui/Dialoogdiensten.h"

#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Voortgang.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/Geluiden.h"

void ResetDialoogDiensten() {
    ZetMeldingVenster(nullptr);
    ZetMeldingOmgeving(nullptr);
    ResetVoortgang();
    ZetMapKeuzeVenster(nullptr);
    ZetGeluidSpeler(nullptr);
    FormMelding::MeldingTop = 0;
    FormMelding::MeldingLeft = 0;
}
