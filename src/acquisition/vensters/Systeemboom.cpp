#include "acquisition/vensters/Systeemboom.h"

#include "acquisition/Programmastatus.h"

namespace {
SysteemboomInterface* boom = nullptr;

SysteemboomInterface* getoond() {
    return BoomZichtbaar ? boom : nullptr;
}
} // namespace

SysteemboomInterface* Systeemboom() {
    return boom;
}

void ZetSysteemboom(SysteemboomInterface* nieuw) {
    boom = nieuw;
}

void ResetSysteemboom() {
    boom = nullptr;
}

void AanpassenTreeView() {
    if (SysteemboomInterface* b = getoond()) b->AanpassenTreeView();
}

void AanpassenMetingenTreeView(int r, int m) {
    if (SysteemboomInterface* b = getoond()) b->AanpassenMetingenTreeView(r, m);
}

void HerbouwTreeView() {
    if (SysteemboomInterface* b = getoond()) b->Herbouw();
}
