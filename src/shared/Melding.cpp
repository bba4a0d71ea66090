#include "shared/Melding.h"

namespace {
MeldingFunctie& functie() {
    static MeldingFunctie f;
    return f;
}

int knop(int knoppen, int nummer) {
    static const int sets[6][3] = {{vbOK, vbOK, vbOK},           {vbOK, vbCancel, vbCancel},
                                   {vbAbort, vbRetry, vbIgnore}, {vbYes, vbNo, vbCancel},
                                   {vbYes, vbNo, vbNo},          {vbRetry, vbCancel, vbCancel}};
    return sets[knoppen][nummer];
}
} // namespace

void ZetMeldingFunctie(MeldingFunctie f) {
    functie() = std::move(f);
}

int StandaardAntwoord(int stijl) {
    const int knoppen = (stijl & 7) > 5 ? 0 : (stijl & 7);
    if (knoppen == vbOKCancel || knoppen == vbYesNoCancel || knoppen == vbRetryCancel) return vbCancel;
    const int standaard = (stijl >> 8) & 3;
    return knop(knoppen, standaard > 2 ? 0 : standaard);
}

int ToonMelding(const QString& tekst, int stijl, const QString& titel) {
    if (functie()) return functie()(tekst, stijl, titel);
    const int knoppen = (stijl & 7) > 5 ? 0 : (stijl & 7);
    const int standaard = (stijl >> 8) & 3;
    return knop(knoppen, standaard > 2 ? 0 : standaard);
}
