#include "shared/ui/Dialoogdiensten.h"

#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Voortgang.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/FormPathInput.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/Geluiden.h"

void InstalleerDialoogDiensten() {
    InstalleerMeldingVenster();
    InstalleerVoortgangVenster();
    InstalleerMapKeuzeVenster();
}

void ResetDialoogDiensten() {
    ZetMeldingFunctie(nullptr);
    ZetMeldingOmgeving(nullptr);
    ResetVoortgang();
    ZetMapKeuzeFunctie(nullptr);
    ZetGeluidSpeler(nullptr);
    FormMelding::MeldingTop = 0;
    FormMelding::MeldingLeft = 0;
}
