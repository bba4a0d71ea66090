#include "acquisition/Stabiliteit.h"

#include <algorithm>
#include <cmath>

std::array<int16_t, 2> StabielTeller{};
float StabielHistorie[2][10]{};
bool StabielVlag = false;
float StabielTolerantie = 0.65f;

void ResetStabiliteit() {
    StabielTeller[0] = 0;
    StabielTeller[1] = 0;
    StabielVlag = false;
}

bool IsStabiel(float waarde, float tolerantie, int slot) {
    if (slot < 0 || slot > 1) return false;
    float* h = StabielHistorie[slot];
    const int n = StabielTeller[slot];
    if (n >= 3) {
        for (int i = n; i >= 2; --i)
            h[i - 1] = h[i - 2];
    } else {
        h[1] = h[0];
    }
    h[0] = waarde;
    if (n < 10) {
        StabielTeller[slot] = static_cast<int16_t>(n + 1);
        return false;
    }
    const auto [klein, groot] = std::minmax_element(h, h + 10);
    const float spreiding = std::fabs(*groot - *klein);
    return spreiding <= tolerantie;
}
