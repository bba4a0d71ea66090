#pragma once
// The maths of the cell-constant calibration of a K762 conductivity input, without windows.
//
// The cell type is the power of ten of the nominal cell constant (-2, -1, 0, 1 for 0.01, 0.1, 1 and
// 10 cm-1); the factor is the ratio of the true cell constant to the nominal one, shown to the user as
// the cell constant itself (factor x 10^type). A standard needs the measuring range marker - type,
// the marker being the range a 1 cm-1 cell needs (KClTabel.h); a range above 3 does not exist.
// The reading at the nominal cell constant is G = raw / 10^(7 - range - type), and the factor
// standard x 3895 / (G x 1000): the module counts 3895 per S/cm.
#include "acquisition/Kalibratiebestand.h"
#include "platform/Datum.h"

#include <QString>
#include <cstdint>

inline constexpr float MinimaleCelconstanteFactor = 0.5f;
inline constexpr float MaximaleCelconstanteFactor = 1.5f;
// The spread of the last ten factors that counts as stable.
inline constexpr float CelconstanteTolerantie = 0.001f;
// The temperatures of the standard tables, °C.
inline constexpr float StandaardOndergrens = 0.0f;
inline constexpr float StandaardBovengrens = 30.0f;
// A raw reading from here on is at the top of the range: no reading.
inline constexpr int16_t HoogsteBruikbareLezing = 15579;
// A factor of at most this is no reading (no cell, or the wrong standard).
inline constexpr float LaagsteBruikbareFactor = 0.03f;

// The cell type of an input's Extra: its whole number, a value outside -2..1 taken as the nearest.
int Celtype(float extra);

// The measuring range for a standard of range marker `marker` with a cell of type `celtype`; above
// HoogsteECBereik the standard is too conductive for the cell (message 362). Never below 0.
int StandaardBereik(float marker, int celtype);

// A temperature (°C) the standard tables cover: from 0.0 °C up to entry 300 (30.0 °C, a reading of
// 30.04 °C still rounds to it); -0.01 °C is outside.
bool InStandaardBereik(float T);

// The reading G at the nominal cell constant of raw count `ruw` in range `bereik` (0..3); false, G
// untouched, for any other range.
bool GeleidbaarheidBijNominaleCel(int16_t ruw, int bereik, int celtype, float& G);
// The factor from the standard's conductivity (S/cm) and the reading G (> 0).
float BerekenCelconstanteFactor(float standaard, float G);
// A reading gives a usable factor: G above 0, the factor above 0.03 and the raw count below 15580.
bool IsBruikbareLezing(float G, float factor, int16_t ruw);
// The accepted factors, 0.5..1.5 with both bounds.
bool IsGeldigeCelconstanteFactor(float factor);

// The factor of a cell constant typed for a cell of that type ("0,98" for 1 cm-1, "0.0098" for
// 0.01 cm-1 both give 0.98).
float FactorUitCelconstante(const QString& tekst, int celtype);
// The most characters a typed cell constant may have: 7, 6, 5, 5 for types -2, -1, 0, 1.
int MaximaleCelconstanteLengte(int celtype);
// " (Min.= 0.500; max.= 1.500)." after text 322, with the limits as cell constants of the type.
QString CelconstanteGrenzenTekst(int celtype);

// What a measured calibration stores: the factor, the cell type, the standard's conductivity at
// 25 °C, the reading / 3.895 at stability, the temperature and the seconds to stability, and the
// input's zero value. A manual entry stores only the factor, the type and the zero value.
struct CelconstanteMeting {
    float Standaard25 = 0; // S/cm
    float G = 0;
    float Temperatuur = 0; // °C
    qint64 Seconden = 0;
};
KalibratieRecord CelconstanteRecord(platform::Datum tijdstip, float factor, int celtype, float nulwaarde,
                                    const CelconstanteMeting* meting);
