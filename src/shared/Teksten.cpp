#include "shared/Teksten.h"

std::array<QString, LaatsteTekst + 1> Tekst;
int HuidigeTaal = 0;

void KiesTaal(int& taal) {
    if (taal < 0 || taal > 2) taal = 0;
    HuidigeTaal = taal;
}
