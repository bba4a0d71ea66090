#include "rackviews/Beginstand.h"

#include "rackviews/DialogK76xSettings.h"
#include "rackviews/RackvensterActies.h"

void ResetRackweergaven() {
    ResetModuleInstellingen();
    ResetRackvensterActies();
}
