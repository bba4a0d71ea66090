#pragma once
// Value and unit texts of K761 inputs: the ion concentration (held as log10 of g/l) as a number with a
// unit from ng/l to g/l chosen by its size, its number and unit parts, the value and unit texts of an
// input and the ion names.
#include <QString>

// The concentration text of a log concentration ("2.51 mg/l", "OR. g/l"). L is first limited to
// -12..2 in the caller's variable.
QString ConcentratieTekst(float& L);
// The number part of ConcentratieTekst ("2.51", "OR.").
QString IonGetalTekst(float& L);
// The unit part of ConcentratieTekst ("mg/l", "g/l").
QString IonEenheidTekst(float& L);
QString KanaalWaardeTekstK761(int r, int m, int c);
QString KanaalEenheidTekstK761(int r, int m, int c);
// The ion of index 0..25 ("Ion", "Ag", ..., "X"); "" for any other index.
QString IonNaam(int index);
