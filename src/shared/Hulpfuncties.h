#pragma once
// Small helpers: bit flags, colour parts, table columns, logarithm, grid columns, marker texts,
// shortened paths and moving a folder's files.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

class QAbstractItemModel;

// Absolute value; turns a Boolean (-1 / 0) into a check-box value (1 / 0).
int16_t CheckWaarde(int16_t w);
inline int16_t CheckWaarde(bool b) {
    return b ? 1 : 0;
}
int16_t RoodVanKleur(int32_t kleur);
int16_t GroenVanKleur(int32_t kleur);
int16_t BlauwVanKleur(int32_t kleur);
// Grid column of measuring channel n (1-based): 4 x (n - 1) + 3.
inline int KolomVanKanaal(int n) {
    return 4 * (n - 1) + 3;
}
inline bool BitGezet(uint8_t b, uint8_t masker) {
    return (b & masker) != 0;
}
void ZetBit(uint8_t& b, uint8_t masker);
void WisBit(uint8_t& b, uint8_t masker);
// Logarithm to base 10 in single precision (NaN below 0, minus infinity at 0).
float Log10(float x);
// Swaps the texts of two columns in every row of a grid's model.
void WisselKolommen(QAbstractItemModel& raster, int k1, int k2);
// The part of `tekst` after the first `merkteken`, or `tekst` when the marker does not occur.
QString TekstTussen(const QString& tekst, const QString& merkteken);
// Shortens a path for display to about n characters (n below 6 counts as 25 and is set so).
QString VerkortPad(const QString& pad, int& n);
// Moves every file of folder `oud` matching one of `patronen` ("*.ext") into `nieuw`, asking (Tekst[480])
// before an existing file is overwritten: Yes moves all, No this one and asks again, Cancel stops. The
// move is whole or nothing: every file is copied first and the sources are removed only when every copy
// is whole. True when the files are in `nieuw` (also when there were none, or `nieuw` is `oud`); false
// after Cancel or a file refused (told with its path and the system's reason): every file is then still
// in `oud`, and no copy is left in `nieuw` (but where it replaced a file the user agreed to overwrite).
bool KopieerMap(const QString& oud, const QString& nieuw, const QStringList& patronen);

// The text without the blanks around it (also NEL and the no-break space); a text with none, as most
// fields of a file are, is handed back as it is without a look at its inside.
QStringView BijgesnedenRand(QStringView t);
inline QStringView Bijgesneden(QStringView t) {
    // Ends that are printable Latin-1 characters are no blanks; anything else the full check decides.
    const auto gewoon = [](char16_t u) { return u > 0xA0 && u <= 0xFF; };
    const auto teken = [](char16_t u) { return u > u' ' && u < 0x85; };
    if (t.isEmpty()) return t;
    const char16_t a = t.front().unicode(), z = t.back().unicode();
    if ((teken(a) || gewoon(a)) && (teken(z) || gewoon(z))) return t;
    return BijgesnedenRand(t);
}
