#include "rackviews/Beginstand.h"

#include "rackviews/RackvensterActies.h"

void ResetRackweergaven() {
    ResetRackvensterActies();
}
