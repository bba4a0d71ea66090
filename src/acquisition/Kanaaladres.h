#pragma once
// Checks of the rack, module and input numbers that the conversions and texts take: rack 1..16,
// module 1..7, input 1..4. Numbers outside give the neutral result of the operation, never a read
// outside the model.
#include "acquisition/RackModel.h"

inline bool IsModuleAdres(int r, int m) {
    return r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules;
}
inline bool IsKanaalAdres(int r, int m, int c) {
    return IsModuleAdres(r, m) && c >= 1 && c <= AantalIngangen;
}

// Int() of a stored whole number (a cell type held in a single) as a 16-bit number; saturates.
int16_t HeelGetal16(float waarde);
