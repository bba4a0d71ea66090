#pragma once
// Stability detector of the calibrations: a slot is stable when the ten newest readings lie within the
// tolerance. Slot 0 serves the electrode signal in mV, slot 1 the temperature in °C.
#include <array>
#include <cstdint>

extern std::array<int16_t, 2> StabielTeller;
extern float StabielHistorie[2][10];
extern bool StabielVlag;
// The tolerance of slot 0 that a calibration chose for its electrode signal.
extern float StabielTolerantie;

// Empties both slots and clears StabielVlag (the history itself stays).
void ResetStabiliteit();
// Adds a reading to the slot; true when the slot holds ten readings whose spread is at most the
// tolerance. A slot other than 0 or 1 is refused with false.
bool IsStabiel(float waarde, float tolerantie, int slot);
