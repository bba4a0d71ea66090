#pragma once
// The conductivity standards of the cell-constant calibration: three built-in potassium chloride
// solutions and the user standard of the library file "standard.ec", each a column of conductivity in
// S/cm from 0.0 to 30.0 °C in steps of 0.1 °C (entry e holds e / 10 °C; entry 250 is 25.0 °C). Entry
// 301 of a column is its range marker: the measuring range a cell of 1 cm-1 needs for that standard
// (1, 2, 3 for the built-in columns; 1..4 for a usable user column, -1 (or 0) for an unusable one).
// Pure: no file is opened here, no window touched.
//
// The file "standard.ec" (CR LF or LF line ends; every line is trimmed of surrounding blanks first):
// - empty lines and lines starting with "*", ";" or "'" are ignored;
// - a line starting with a double quote names the standard (every double quote removed, trimmed; an
//   empty name keeps the default); the last such line wins. The line is then also read as a data line:
//   temperature 0, value 0, so it clears entry 0 (a name line before the data changes nothing);
// - any other line is "temperature;conductivity" ("25;0.001413"), "," or "." as decimal sign; without
//   ";" the temperature is 0 and the whole line is the value. The entry is temperature x 10 to the
//   nearest whole number, halves to even; lines outside 0..300 are ignored, and a later line for an
//   entry overwrites an earlier one. A value not at least 0.000005 and below 1 S/cm is a gap.
// Gaps are filled: before the first value with the first value, between two values on the straight
// line, after the last value with the last value. The marker then follows the largest value M:
// 1 when M < 0.002, 2 when M < 0.02, 3 when M < 0.2, else 4. A file without any valid value leaves the
// column empty with marker -1.
#include <QString>
#include <array>

inline constexpr int KClEntries = 302;
inline constexpr int KClMarker = 301;
inline constexpr int KClEntry25Graden = 250;
inline constexpr int AantalKClStandaarden = 3;
inline constexpr int GebruikersKolom = 3;

using KClKolom = std::array<float, KClEntries>;
// Columns 0 "0.01 M KCl", 1 "0.1 M KCl", 2 "1 M KCl", 3 the user standard.
using KClTabelType = std::array<KClKolom, 4>;

// The built-in column k (0..2): the whole degrees as given, the tenths on the straight line between
// them at the column's resolution (1 µS/cm, 10 µS/cm, 0.1 mS/cm); the marker k + 1.
const KClKolom& IngebouwdeKClKolom(int k);

struct GebruikersStandaard {
    KClKolom Kolom{};
    // The name from the file, or "" when it gives none.
    QString Naam;
    bool IsBruikbaar() const { return Kolom[KClMarker] > 0; }
};
// The user column from the text of "standard.ec" (rules above).
GebruikersStandaard LeesStandaardTekst(const QString& tekst);
// The user column of a missing or unreadable file: empty, marker -1.
GebruikersStandaard GeenGebruikersStandaard();

// The table entry of temperature T (°C): T x 10 to the nearest whole number, halves to even.
int KClEntry(float T);
// The range marker of a column whose largest value is M.
int BereikMarker(float M);
