#include "acquisition/Vernieuwing.h"

Vernieuwingskoppeling Vernieuwing;

void ResetVernieuwing() {
    Vernieuwing = Vernieuwingskoppeling{};
}
