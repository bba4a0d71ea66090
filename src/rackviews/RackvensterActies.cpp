#include "rackviews/RackvensterActies.h"

RackvensterActies& rackvensterActies() {
    static RackvensterActies acties;
    return acties;
}

void ResetRackvensterActies() {
    rackvensterActies() = RackvensterActies{};
}
