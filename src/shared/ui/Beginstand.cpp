#include "shared/ui/Beginstand.h"

#include "shared/ui/FormMelding.h"
#include "shared/ui/Geluiden.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Kindvensters.h"

void ResetGedeeldeVensters() {
    SluitHelp();
    ResetKindvensters();
    ZetGeluidSpeler(nullptr);
    FormMelding::MeldingTop = 0;
    FormMelding::MeldingLeft = 0;
}
