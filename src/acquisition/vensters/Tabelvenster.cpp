#include "acquisition/vensters/Tabelvenster.h"

TabelVenstersLijst TabelVensters;

uint64_t Rijindelingen::VolgendeGeneratie() {
    static uint64_t teller = 0;
    return ++teller;
}

void Rijindelingen::Zet(int32_t van, int32_t tot, const Rijmodules& modules, uint64_t opname) {
    if (van > tot) return;
    // The part of run `r` from row `vanaf` on.
    const auto vanafRij = [](const Reeks& r, int32_t vanaf) {
        return Reeks{vanaf, r.tot, r.modules, r.opname == 0 ? 0 : r.opname + uint64_t(vanaf - r.van)};
    };
    // A row after the last run: the run grows when its modules are the same and its snapshots follow on
    // (logging, row by row).
    if (m_reeksen.empty() || van > m_reeksen.back().tot) {
        if (!modules) return;
        Reeks* laatste = m_reeksen.empty() ? nullptr : &m_reeksen.back();
        if (laatste && laatste->tot == van - 1 && laatste->modules == modules &&
            (laatste->opname == 0 ? opname == 0 : opname == laatste->opname + uint64_t(van - laatste->van)))
            laatste->tot = tot;
        else
            m_reeksen.push_back({van, tot, modules, opname});
        return;
    }
    // Otherwise the runs it covers give way: what lies outside van..tot stays.
    std::vector<Reeks> nieuw;
    nieuw.reserve(m_reeksen.size() + 2);
    bool geplaatst = false;
    const auto plaats = [&] {
        if (!geplaatst && modules) nieuw.push_back({van, tot, modules, opname});
        geplaatst = true;
    };
    for (const Reeks& r : m_reeksen) {
        if (r.tot < van) {
            nieuw.push_back(r);
            continue;
        }
        if (r.van < van) nieuw.push_back({r.van, van - 1, r.modules, r.opname});
        if (r.van <= tot) {
            plaats();
            if (r.tot > tot) nieuw.push_back(vanafRij(r, tot + 1));
            continue;
        }
        plaats();
        nieuw.push_back(r);
    }
    plaats();
    m_reeksen = std::move(nieuw);
}

const Rijindelingen::Reeks* Rijindelingen::ReeksVan(int32_t rij) const {
    const auto na = std::upper_bound(m_reeksen.begin(), m_reeksen.end(), rij,
                                     [](int32_t r, const Reeks& reeks) { return r < reeks.van; });
    if (na == m_reeksen.begin() || rij > std::prev(na)->tot) return nullptr;
    return &*std::prev(na);
}

Rijmodules Rijindelingen::Van(int32_t rij) const {
    const Reeks* reeks = ReeksVan(rij);
    return reeks ? reeks->modules : nullptr;
}

uint64_t Rijindelingen::Opname(int32_t rij) const {
    const Reeks* reeks = ReeksVan(rij);
    return reeks && reeks->opname != 0 ? reeks->opname + uint64_t(rij - reeks->van) : 0;
}

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
