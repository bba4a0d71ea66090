#pragma once
// The user-interface text table: Tekst[99] .. Tekst[500] in the current language.
#include <QString>
#include <array>

inline constexpr int EersteTekst = 99;
inline constexpr int LaatsteTekst = 500;

extern std::array<QString, LaatsteTekst + 1> Tekst;
// 0 English, 1 French, 2 Dutch.
extern int HuidigeTaal;

// Fills the table in language `taal` (0..2); any other number chooses English and sets `taal` to 0.
void KiesTaal(int& taal);
