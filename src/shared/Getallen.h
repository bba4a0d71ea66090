#pragma once
// Locale-independent reading of numbers typed by users or read from files: "," and "." are both
// decimal signs. A sign counts only in front of the number and right after an exponent letter. The
// caller's text is never changed. A number too large for the result type gives the type's nearest
// limit (a hexadecimal or identification text beyond 32 bits gives 0); nothing throws.
#include <QString>
#include <cstdint>

// The runtime's number reader: skips blanks, tabs and line feeds, reads the longest prefix that forms a
// number with "." as decimal sign (optional sign, digits, point, exponent "E"/"D" with optional sign,
// or "&H"/"&O" for hexadecimal and octal) and ignores the rest; 0 for a text without a number.
double Val(const QString& tekst);

// The locale's decimal sign.
QString DecimaalTeken();
// The text with every "." replaced by the locale's decimal sign (display only).
QString MetDecimaalTeken(const QString& tekst);

float TekstNaarSingle(const QString& tekst);
double TekstNaarDouble(const QString& tekst);
// Integer readers do not take "," as a decimal sign ("7,9" reads as 7); halves round to even.
uint8_t TekstNaarByte(const QString& tekst);
int16_t TekstNaarInteger(const QString& tekst);
int32_t TekstNaarLong(const QString& tekst);

// Hexadecimal digits, points ignored; a character that is no digit counts as 0. All 32 bits are read
// ("FFFFFFFF" is -1).
int32_t HexTekstNaarLong(const QString& tekst);
// Reads the dotted identification text "1.F.F.F" (see IdnoAlsTekst), all 32 bits.
int32_t IdnoUitTekst(const QString& tekst);
