#pragma once
// The mV module K761: its readings become mV, pH, ion concentration (log10 of g/l), dissolved oxygen
// in mg/l or % saturation, or the input's temperature, with range limits and the flag bits 0x01 (over)
// and 0x02 (under). Also the oxygen solubility tables, the air pressure setting, the demonstration
// signal and the validity functions of this model's calibration and factory constants.
#include "acquisition/RackModel.h"

#include <array>
#include <cstdint>

// Air pressure in hPa for the oxygen saturation (1000 until read from the settings).
extern float Luchtdruk;

// Oxygen solubility in mg/l at each whole degree 0..50 °C, fresh and sea water. Constant: available
// from the start, the calibration load needs no set-up step.
extern const std::array<float, 51> ZuurstofTabelZoet;
extern const std::array<float, 51> ZuurstofTabelZee;

// Converts the four inputs of K761 module (r, m) after a poll.
void VerwerkMetingK761(int r, int m);
// The demonstration mV of input c: a slow sine around a level of its own.
float SimulatieWaardeK761(int r, int m, int c);

// -2000..2000 mV; outside the value is limited and bit 0x01 or 0x02 set (both cleared inside).
float BegrensMillivolt(float mV, uint8_t& flags);
float BerekenMillivolt(float mV, int r, int m, int c);
// The same by the offset and flags of input record `k`.
float BerekenMillivolt(float mV, KanaalRecord& k);

float BerekenPH(float mV, int r, int m, int c);
// pH0 - mV x 5.04 / ((T + 273.159) x S): T in °C, S the slope fraction, pH0 the zero point.
float PHUitMillivolt(float mV, float T, float S, float pH0);
// 0..14; outside limited with bit 0x01 or 0x02.
float BegrensPH(float pH, uint8_t& flags);

float BerekenZuurstof(float mV, int r, int m, int c);
float BerekenVerzadiging(float mV, int r, int m, int c);
// Oxygen in mg/l of water saturated with air at temperature T (°C), salinity S (g/kg), pressure P (hPa).
float ZuurstofVerzadiging(float T, float S, float P);
float MembraanCorrectie(float waarde, float T);
float SaliniteitFactor(float waarde, float T, float S);
float LuchtdrukFactor(float waarde, float T, float P);
// -1..60 mg/l; outside limited with bit 0x01 or 0x02.
float BegrensZuurstof(float waarde, uint8_t& flags);

// log10 of the concentration in g/l, limited to -12..2.
float BerekenIonConcentratie(float mV, int r, int m, int c);
// mV / slope - E.
float BerekenLogConcentratie(float mV, float helling, float E);

// Reads the air pressure setting ("Calibration Oxygen", "Air Pressure"); outside 800..1200 it is 1000.
void LeesLuchtdruk();

// Validity of calibration and factory constants: the value when it lies in its range, else the
// neutral value.
float GeldigNulpuntPH(float x);        // 6..8, else 7
float GeldigeHellingPH(float x);       // 0.8..1.2, else 1
float GeldigeOffsetISE(float x);       // -12..12, else 0
float GeldigeHellingISE(float x);      // magnitude 5..200 with its sign, else 1
float GeldigeOffsetK761(float x);      // -15..15, else 0
float GeldigeVersterkingK761(float x); // 0.9..1.1, else 1
// Stored calibrations of the 1-point procedure, within its acceptance limits.
float GeldigeOffsetMV(float x);       // -100..100 mV, else 0
float GeldigeZuurstofSchaal(float x); // 0.0813..0.542 (mg/l)/mV, else the default 0.1626
inline constexpr float StandaardZuurstofSchaal = 0.1626f;

void ResetK761();
