#include "rackviews/RackvensterActies.h"

namespace {
RackvensterActies* acties = nullptr;
} // namespace

void ZetRackvensterActies(RackvensterActies* nieuw) {
    acties = nieuw;
}

RackvensterActies& rackvensterActies() {
    static RackvensterActies geen;
    return acties ? *acties : geen;
}

void ResetRackvensterActies() {
    acties = nullptr;
}
