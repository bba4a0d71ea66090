#pragma once
// The conductivity module K762: its readings become the conductivity (unit "S/cm"), the total
// dissolved solids (unit "g/l") or the input's temperature, with the zero correction, the cell-constant
// factor, the temperature compensation to 20 or 25 °C, the TDS conversion, the over-range rule, the
// demonstration ramp and the validity functions of this model's constants.
#include <array>
#include <cstdint>

// Temperature compensation: the factor at -30, -25, ..., 130 °C (1.000 at 25 °C). Constant: available
// from the start, the calibration load needs no set-up step.
struct CompensatiePunt {
    float temperatuur;
    float factor;
};
extern const std::array<CompensatiePunt, 33> CompensatieTabel;
// TDS: ascending breakpoints of x and the TDS factor at each.
struct TDSPunt {
    float grens;
    float factor;
};
extern const std::array<TDSPunt, 49> TDSTabel;

// Ramp state of the demonstration signal per module slot (1..7) and input (1..4), for all racks.
extern float SimulatieStap[8][5];

// Converts the four inputs of K762 module (r, m) after a poll.
void VerwerkMetingK762(int r, int m);
// Conductivity in S/cm from the raw count: zero correction, cell-constant factor, compensation.
float BerekenGeleidbaarheid(float ruw, int r, int m, int c);
float NulpuntCorrectie(float x, int r, int m, int c);
// The compensation factor at T (relative to 25 °C, or to 20 °C unless the 25 °C reference is chosen);
// 1 when compensation is off.
float TemperatuurFactor(float T, bool aan);
// The table segment whose lower temperature is at or below T: 0..31.
int CompensatieIndex(float T);
// TDS in g/l; 0 with bit 0x01 when over range.
float BerekenZoutgehalte(float v, int bereik, int celtype, uint8_t& flags, float T);
float TDSFactor(float x);
float SimulatieWaardeK762(int r, int m, int c);

float GeldigeOffsetK762(float x);         // 0..500, else 0
float GeldigeVersterking(float x);        // 0.85..1.15, else 1
float GeldigeCelconstanteFactor(float x); // 0.5..1.5, else 1
float GeldigeNulwaardeK762(float x);      // 0..38.95, else 0

void ResetK762();
