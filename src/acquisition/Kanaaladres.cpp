#include "acquisition/Kanaaladres.h"

#include <cmath>
#include <limits>

int16_t HeelGetal16(float waarde) {
    const double w = std::floor(static_cast<double>(waarde));
    if (std::isnan(w)) return 0;
    if (w >= std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (w <= std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(w);
}
