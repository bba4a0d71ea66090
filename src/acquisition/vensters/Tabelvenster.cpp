#include "acquisition/vensters/Tabelvenster.h"

TabelVenstersLijst TabelVensters;

namespace {
TabelvensterMaker* maker = nullptr;
} // namespace

void ZetTabelvensterMaker(TabelvensterMaker* nieuw) {
    maker = nieuw;
}
TabelvensterMaker& tabelvensterMaker() {
    static TabelvensterMaker geen;
    return maker ? *maker : geen;
}
std::array<std::array<int16_t, AantalRacks + 1>, AantalModules + 1> AantalTabelKolommen{};

Tabelvenster* TabelVenstersLijst::operator[](int r) const {
    if (r < 1 || r > AantalRacks) return nullptr;
    return m_vensters[r];
}

Tabelvenster* TabelVenstersLijst::Maak(int r) {
    if (r < 1 || r > AantalRacks) return nullptr;
    if (!m_vensters[r]) {
        m_vensters[r] = tabelvensterMaker().Maak(r);
        if (m_vensters[r]) m_vensters[r]->ZetRi(static_cast<int16_t>(r));
    }
    return m_vensters[r];
}

void TabelVenstersLijst::Zet(int r, Tabelvenster* venster) {
    if (r >= 1 && r <= AantalRacks) m_vensters[r] = venster;
}

void TabelVenstersLijst::Wis() {
    m_vensters.fill(nullptr);
}

int16_t InfoKolom(int r, int m) {
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules) return KolomInfo;
    const int16_t k = AantalTabelKolommen[m][r];
    return k > 0 ? k : KolomInfo;
}

void ResetTabelVensters() {
    TabelVensters.Wis();
    ZetTabelvensterMaker(nullptr);
    for (auto& rij : AantalTabelKolommen)
        rij.fill(0);
}
