#include "factory/Beginstand.h"

#include "factory/Afregeling.h"
#include "factory/Beheer.h"

void ResetFabriek() {
    ResetAfregeling();
    ResetBeheer();
}
