#pragma once
// The evaluation of a 1-point calibration, without windows: the kind of input its unit chooses, the
// acceptance of the mV offset, the oxygen scale, the temperature offset and the dry conductivity cell,
// and the limits of the two input fields. Every limit is inclusive.
// - mV offset: the uncorrected mV less the standard, -100..100 mV.
// - Oxygen scale: standard (mg/l) / membrane-corrected mV, 0.0813..0.542 (mg/l)/mV; a reading too small
//   for the upper limit (0 or below included) gives scale 0, which is refused without a division.
// - Temperature offset: the uncorrected temperature less the standard, -10..10 °C.
// - Dry cell: the reading x 10 (0.1 mV) at most 38.95.
#include <QString>

enum class EenpuntSoort { Geen, Millivolt, Zuurstof, Temperatuur, Geleidbaarheid };

// By the trimmed unit: "mV"; "mg/l", "%"; "°C", "°F", "K"; "S/cm", "g/l" (a conductivity or TDS input).
// A "g/l" input of a K761 is ion-selective and has no 1-point calibration: `k762` tells the model.
EenpuntSoort SoortVanEenheid(const QString& eenheid, bool k762);

inline constexpr float OffsetGrensMV = 100.0f;
inline constexpr float SchaalOndergrens = 0.0813f;
inline constexpr float SchaalBovengrens = 0.542f;
inline constexpr float OffsetGrensTemperatuur = 10.0f;
inline constexpr float DrogeCelGrens = 38.95f;

// The worked-out offset or scale, and whether it lies within its limits.
struct EenpuntUitkomst {
    float Resultaat = 0;
    bool Aanvaard = false;
};

EenpuntUitkomst MillivoltOffset(float ongecorrigeerdMV, float standaard);
EenpuntUitkomst ZuurstofSchaal(float standaard, float gecorrigeerdMV);
EenpuntUitkomst TemperatuurOffset(float ongecorrigeerdC, float standaardC);
bool IsDrogeCelAanvaard(float meetwaarde);

// The standard field: mV limited to -2000..2000; a temperature typed in `eenheid` limited to
// -30..130 °C and given back in the unit. The air pressure 800..1200 hPa.
float BegrensMillivoltStandaard(float mV);
float BegrensTemperatuurStandaard(float waarde, const QString& eenheid);
float BegrensLuchtdrukWaarde(float hPa);

// The recent standards of a settings section ("RecentStandard1".."RecentStandard<n>"): the non-empty
// ones, newest first; and the list after `waarde` was put at its head (the oldest of n drops out, a
// standard may stand in it more than once).
QStringList LeesRecenteStandaarden(const QString& sectie, int aantal);
void SchrijfRecenteStandaard(const QString& sectie, const QString& waarde, int aantal);
