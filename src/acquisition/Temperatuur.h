#pragma once
// The temperature of every input: the reading less its offset, the limits -30..130 °C with their flag
// bits, the manual temperature when no sensor is connected, the module's shared temperature input, the
// display units °C, °F and K, the validation of stored offsets and the two-point factory adjustment
// of a temperature input. Temperatures in the model are always in °C.
#include <QString>
#include <cstdint>

inline constexpr float TemperatuurOndergrens = -30.0f;
inline constexpr float TemperatuurBovengrens = 130.0f;
inline constexpr float KelvinOffset = 273.159f;

// Bit 0x10 of the flags := bit c - 1 of the module's status byte (a sensor is connected to input c).
void ZetKanaalVlag(uint8_t& flags, uint8_t status, int c);
float TemperatuurMinOffset(float T, int r, int m, int c);
// The temperature limited to -30..130 °C with bit 0x04 (above) or 0x08 (below) in the input's flags, or
// the manual temperature when no sensor is connected. A manual temperature that follows the
// measurement takes the unlimited value.
float BegrensTemperatuur(int r, int m, int c, float T);
// The temperature of the module's shared input when input c uses it (its flags and unit are copied),
// else T.
float TemperatuurVanKanaal(int r, int m, int c, float T);
// The whole chain after a temperature reading of input c: sensor bit, reading / 10, offset, limits,
// shared temperature; the result goes into the temperature channel's value.
void BerekenTemperatuurKanaal(int r, int m, int c);

// Conversions between °C and the display unit ("°F", "K"; any other unit, "°C" included, leaves the
// value as it is). The unit text is trimmed first.
float CelsiusNaarEenheid(float T, const QString& eenheid);
float EenheidNaarCelsius(float T, const QString& eenheid);
// A temperature difference (an offset) in the display unit.
float VerschilNaarEenheid(float dT, const QString& eenheid);
float CelsiusNaarFahrenheit(float T);
float FahrenheitNaarCelsius(float T);
float CelsiusNaarKelvin(float T);
float KelvinNaarCelsius(float T);

// x when -10 <= x <= 10, else 0.
float GeldigeTemperatuurOffset(float x);
// x when -4250 <= x <= 4250, else 0.
float GeldigeAfregelOffset(float x);
// A stored manual temperature: x when it lies within the limits -30..130 °C, else 25.
inline constexpr float StandaardHandTemperatuur = 25.0f;
float GeldigeHandTemperatuur(float x);

// Factory adjustment from the readings at the reference points 20 and 80 °C: computes the new offset
// and gain of the module's temperature converter. False, the pair unchanged, when the readings do not
// fit or the new pair lies outside its limits.
bool AfregelingTemperatuur(float lezing1, float lezing2, float& offset, float& versterking);
