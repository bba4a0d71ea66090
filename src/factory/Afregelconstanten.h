#pragma once
// The factory constants of the K761 and K762 modules: where each lives in the module's EEPROM, how an
// EEPROM word becomes the value shown and back, the checks every value passes, the new scale from a
// reference reading, the live reading with the module's own adjustment taken out, and the list of
// EEPROM writes that the OK of a factory dialog makes. No widgets: the dialogs only apply the results.
#include "factory/AfregelingRecord.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One kind of constant: the EEPROM word is the shown value times `factor`, and a value read or written
// passes `check` (which gives its default outside the limits). No check: the value stands as it is.
struct Constantesoort {
    double factor = 1;
    float (*check)(float) = nullptr;
};

namespace k761 {
extern const Constantesoort MvNul;             // mV, x 10, -15..15
extern const Constantesoort MvSchaal;          // x 10000, 0.9..1.1
extern const Constantesoort TemperatuurSchaal; // x 10000, 0.85..1.15
extern const Constantesoort TemperatuurNul;    // x 1, -4250..4250
extern const Constantesoort Lekstroom;         // pA, x 10, signed, no check
// The addresses of input c (0..3).
inline constexpr int AdresMvNul(int c) {
    return 2 * c;
}
inline constexpr int AdresMvSchaal(int c) {
    return 8 + 2 * c;
}
inline constexpr int AdresTemperatuurSchaal(int c) {
    return 16 + 2 * c;
}
inline constexpr int AdresTemperatuurNul(int c) {
    return 24 + 2 * c;
}
inline constexpr int AdresLekstroom(int c) {
    return 32 + 2 * c;
}
// The reading at 1400.0 mV gives the scale.
inline constexpr float SchaalReferentie = 1400.0f;
// The highest leakage current accepted, pA.
inline constexpr float MaximaleLekstroom = 1.1f;
} // namespace k761

namespace k762 {
extern const Constantesoort Nul;               // x 10, 0..500
extern const Constantesoort Schaal;            // x 10000, 0.85..1.15
extern const Constantesoort TemperatuurSchaal; // x 10000, 0.85..1.15
extern const Constantesoort TemperatuurNul;    // x 1, -4250..4250
extern const Constantesoort Frequentie;        // Hz, x 1, entry limits only
extern const Constantesoort DcOffset;          // mV, x 10, entry limits only
// A field or label of a range tab has the index 4 r + c (range r, input c); the constant it shows has
// the index 4 c + r (the four ranges of one input adjacent).
inline constexpr int VeldIndex(int r, int c) {
    return 4 * r + c;
}
inline constexpr int ConstanteIndex(int c, int r) {
    return 4 * c + r;
}
inline constexpr int ConstanteVanVeld(int veld) {
    return ConstanteIndex(veld % 4, veld / 4);
}
inline constexpr int AdresNul(int c, int r) {
    return 4 + 8 * c + 2 * r;
}
inline constexpr int AdresSchaal(int c, int r) {
    return 36 + 8 * c + 2 * r;
}
inline constexpr int AdresTemperatuurSchaal(int c) {
    return 68 + 2 * c;
}
inline constexpr int AdresTemperatuurNul(int c) {
    return 76 + 2 * c;
}
inline constexpr int AdresFrequentie(int r) {
    return 90 + 2 * r;
}
inline constexpr int AdresDcOffset(int i) {
    return 98 + 2 * i;
}
// The reading with the reference resistor of the range gives the scale.
inline constexpr float SchaalReferentie = 389.5f;
// The excitation frequencies accepted on range r, Hz (inclusive).
struct Grenzen {
    int32_t laag;
    int32_t hoog;
};
Grenzen FrequentieGrenzen(int r);
inline constexpr float MaximaleDcOffset = 4.0f;
// The reference resistor of range r: 10,000 Ohm on range 0 down to 10 Ohm on range 3.
int32_t ReferentieWeerstand(int r);
} // namespace k762

// Halves to the even neighbour (2.5 gives 2, 7.5 gives 8); limited to 32 bits, 0 for no number.
int32_t RondAfNaarEven(double x);
// The value an EEPROM word stands for, after the kind's check.
float UitEEprom(const Constantesoort& soort, int32_t woord);
// The EEPROM word of a shown value: times the factor, halves to even.
int32_t NaarEEprom(const Constantesoort& soort, float waarde);
// The value after the kind's check.
float Gecontroleerd(const Constantesoort& soort, float waarde);
// True when the kind's check leaves the value as it is (a typed value within the limits).
bool BinnenGrenzen(const Constantesoort& soort, float waarde);

// A pair of constants of one input (or one range of an input): the reading is scaled by `schaal`,
// then `nul` is added. Neutral, before anything was read: it leaves a reading as it is.
struct Constantenpaar {
    float nul = 0;
    float schaal = 1;
};
// The live reading in the unit of the input from a raw reading in tenths: raw / 10 / scale + zero;
// none when the scale is 0 or the result is no finite number.
std::optional<float> LiveWaarde(int32_t ruw, Constantenpaar paar);

// The new scale from the reading `lezing` at the reference signal, with the zero now shown:
// referentie / (lezing - nul). None (wrong input) unless the reading lies above twice the zero and above
// the zero itself (a reading equal to a negative zero would divide by 0), and the scale passes its
// check unchanged.
std::optional<float> BerekenSchaal(float lezing, float nul, float referentie, const Constantesoort& soort);

// "<laag> <= <woord> <= <hoog>", a line break and the reference: the limits shown in the format.
QString Bereiktekst(float laag, const QString& woord, float hoog, const QString& formaat,
                    const QString& referentie);

// What a constant label shows: its value (as its caption reads back) and whether it was changed in
// the dialog (red). Only changed constants are written to the module.
struct Getoond {
    float waarde = 0;
    bool gewijzigd = false;
};

struct K761Labels {
    std::array<Getoond, 4> mvNul, mvSchaal, temperatuurNul, temperatuurSchaal, lekstroom;
};
struct K762Labels {
    // By field index 4 r + c.
    std::array<Getoond, 16> nul, schaal;
    // By input.
    std::array<Getoond, 4> temperatuurNul, temperatuurSchaal, dcOffset;
    // By range.
    std::array<Getoond, 4> frequentie;
};

// One step of the OK of a factory dialog: an EEPROM word to write (when its constant was changed),
// then the progress bar moves to `voortgang`.
struct Schrijfstap {
    std::optional<int> adres;
    int32_t woord = 0;
    int16_t voortgang = 0;
};
// K761: per input the mV zero and scale, the temperature scale and zero and the leakage current; the
// bar runs to 16 (the last position of each input twice).
std::vector<Schrijfstap> K761Schrijfstappen(const K761Labels& labels);
// K762: per input its four range pairs, then the frequency of the range of the same number, the
// temperature scale and zero and the DC offset; the bar runs to 48.
std::vector<Schrijfstap> K762Schrijfstappen(const K762Labels& labels);
inline constexpr int16_t K761Voortgang = 16;
inline constexpr int16_t K762Voortgang = 48;

// The constants of the labels into the adjustment record (every value, changed or not).
void VulK761Record(AfregelingRecord& record, const K761Labels& labels);
void VulK762Record(AfregelingRecord& record, const K762Labels& labels);

// Serial numbers below this are refused; a certificate is shown at opening only above it.
inline constexpr int32_t LaagsteSerienummer = 60000;
