#include "files/WachtendeRijen.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

void Opnamereeksen::Voeg(uint64_t opname) {
    if (opname != 0) VoegReeks(opname, opname);
}

void Opnamereeksen::Voeg(const Opnamereeksen& ander) {
    for (const auto& [eerste, laatste] : ander.m_reeksen)
        VoegReeks(eerste, laatste);
}

void Opnamereeksen::VoegReeks(uint64_t eerste, uint64_t laatste) {
    // Mostly the snapshots after the last.
    if (m_reeksen.empty() || eerste > m_reeksen.back().second + 1) {
        m_reeksen.emplace_back(eerste, laatste);
        return;
    }
    // The runs it meets or touches become one with it.
    auto van = std::lower_bound(m_reeksen.begin(), m_reeksen.end(), eerste,
                                [](const auto& r, uint64_t o) { return r.second + 1 < o; });
    auto tot = van;
    for (; tot != m_reeksen.end() && tot->first <= laatste + 1; ++tot) {
        eerste = std::min(eerste, tot->first);
        laatste = std::max(laatste, tot->second);
    }
    m_reeksen.insert(m_reeksen.erase(van, tot), {eerste, laatste});
}

bool Opnamereeksen::Heeft(uint64_t opname) const {
    const auto na = std::upper_bound(m_reeksen.begin(), m_reeksen.end(), opname,
                                     [](uint64_t o, const auto& r) { return o < r.first; });
    return na != m_reeksen.begin() && opname <= std::prev(na)->second;
}

Logbestand* WachtendeRijen::Van(const QString& pad) {
    const auto b = m_bestanden.find(pad);
    return b == m_bestanden.end() ? nullptr : &b->second;
}

Logbestand& WachtendeRijen::Bestand(const QString& pad) {
    auto [b, nieuw] = m_bestanden.try_emplace(pad);
    if (nieuw) {
        b->second.pad = pad;
        b->second.map = QFileInfo(pad).absolutePath();
    }
    return b->second;
}

Logbestand* WachtendeRijen::Wachtrij(const QString& pad) {
    Logbestand* b = Van(pad);
    return b && b->wachtrij ? b : nullptr;
}

Logbestand& WachtendeRijen::MaakWachtrij(const QString& pad, const QString& kop) {
    Logbestand& b = Bestand(pad);
    if (b.wachtrij) {
        // Nothing waits under the old header any more: the rows to come have the layout of now.
        if (!b.wacht.Wacht()) b.wacht.kop = kop;
        return b;
    }
    b.wacht = {};
    b.wacht.kop = kop;
    b.wachtrij = true;
    m_wachtrijen.push_back(&b);
    return b;
}

Logbestand* WachtendeRijen::Eerste(bool ookMapFout) {
    for (Logbestand* b : m_wachtrijen)
        if (b->wacht.Wacht() && (ookMapFout || !b->wacht.mapFout)) return b;
    return nullptr;
}

void WachtendeRijen::VoorElk(const std::function<void(Logbestand&)>& doe) {
    for (auto& [pad, b] : m_bestanden)
        doe(b);
}

void WachtendeRijen::Voeg(Logbestand& b, const QByteArray& regel, const QString& tijd, bool eindpunt,
                          int velden, uint64_t opname, bool rij) {
    Wachtend& w = b.wacht;
    // A line of no row goes into the file after the lines that wait before it, or were written.
    if (!rij) w.losse.push_back({tijd, std::max(b.spoor.laatste, w.opnames.Laatste())});
    w.opnames.Voeg(rij ? opname : 0);
    // A new piece once the last one is full: what waits is never copied to take a line.
    constexpr qsizetype Stuk = 60 * 1024;
    if (w.stukken.empty() || w.stukken.back().size() + regel.size() > Stuk)
        w.stukken.push_back(regel);
    else
        w.stukken.back() += regel;
    w.grootte += regel.size();
    m_totaal += regel.size();
    w.laatsteEindpunt = eindpunt;
    if (eindpunt) {
        w.eindpunt = tijd;
        return;
    }
    w.rijen.Voeg(tijd);
    w.velden = velden;
}

bool WachtendeRijen::GeefOp(Logbestand& b, const QString& tijd, bool eindpunt, int velden, uint64_t opname) {
    Wachtend& w = b.wacht;
    b.spoor.zonder.Voeg(opname);
    if (eindpunt) {
        w.eindpunt = tijd;
        w.eindpuntOpgegeven = true;
    } else {
        if (w.breuk.isEmpty()) {
            w.breuk = tijd;
            w.breukEerst = !w.Wacht();
        }
        w.opgegeven.Voeg(tijd);
        w.velden = velden;
    }
    return !m_opgevenGemeld;
}

void WachtendeRijen::GeefAllesOp(Logbestand& b) {
    Wachtend& w = b.wacht;
    // The break begins at the first row given up: one that waited, unless an earlier Cancel of this
    // refusal marked it before them.
    if (w.rijen.aantal > 0 && (w.breuk.isEmpty() || !w.breukEerst)) w.breuk = w.rijen.eerste;
    if (!w.breuk.isEmpty()) w.breukEerst = true;
    w.laatsteEindpunt = false;
    VerwijderBytes(w);
    b.spoor.zonder.Voeg(w.opnames);
    w.opnames = {};
    w.losse.clear();
    w.rijen = {};
    w.opgegeven = {};
    w.eindpunt.clear();
    w.eindpuntOpgegeven = false;
}

void WachtendeRijen::Geschreven(Logbestand& b) {
    if (!b.wachtrij) return;
    UitWachtrij(b);
    Ruim();
}

Logbestand* WachtendeRijen::Verhuis(const QString& van, const QString& naar) {
    Logbestand* bron = Wachtrij(van);
    if (!bron || van == naar) return bron;
    Logbestand& doel = Bestand(naar);
    Wachtend& w = bron->wacht;
    if (doel.wachtrij) {
        // Whatever waited for the new name goes first: it was taken before.
        Wachtend& d = doel.wacht;
        for (QByteArray& stuk : w.stukken)
            d.stukken.push_back(std::move(stuk));
        d.grootte += w.grootte;
        if (w.Wacht()) d.laatsteEindpunt = w.laatsteEindpunt;
        d.rijen.Voeg(w.rijen);
        d.opnames.Voeg(w.opnames);
        d.losse.insert(d.losse.end(), w.losse.begin(), w.losse.end());
        d.opgegeven.Voeg(w.opgegeven);
        if (!w.eindpunt.isEmpty()) d.eindpunt = w.eindpunt;
        d.eindpuntOpgegeven = d.eindpuntOpgegeven || w.eindpuntOpgegeven;
        if (d.breuk.isEmpty()) d.breuk = w.breuk;
        // The bytes now count for the new file.
        w.grootte = 0;
        w.stukken.clear();
        UitWachtrij(*bron);
        return &doel;
    }
    // The new file takes the old one's place among the waiting files.
    doel.wacht = std::move(w);
    doel.wacht.mapFout = false;
    doel.wacht.weigering.clear();
    doel.wachtrij = true;
    bron->wacht = {};
    bron->wachtrij = false;
    std::replace(m_wachtrijen.begin(), m_wachtrijen.end(), bron, &doel);
    return &doel;
}

void WachtendeRijen::UitWachtrij(Logbestand& b) {
    VerwijderBytes(b.wacht);
    b.wacht = {};
    b.wachtrij = false;
    std::erase(m_wachtrijen, &b);
}

void WachtendeRijen::Ruim() {
    std::erase_if(m_wachtrijen, [](Logbestand* b) {
        if (b->wacht.Houdt()) return false;
        b->wacht = {};
        b->wachtrij = false;
        return true;
    });
    m_opgevenGemeld =
        m_opgevenGemeld && std::any_of(m_wachtrijen.begin(), m_wachtrijen.end(), [](Logbestand* b) {
            return b->wacht.opgegeven.aantal > 0 || b->wacht.eindpuntOpgegeven;
        });
}

void WachtendeRijen::VerwijderBytes(Wachtend& w) {
    m_totaal -= w.grootte;
    w.stukken.clear();
    w.grootte = 0;
}

void WachtendeRijen::Leeg() {
    for (Logbestand* b : m_wachtrijen) {
        b->spoor.zonder.Voeg(b->wacht.opnames);
        b->wacht = {};
        b->wachtrij = false;
    }
    m_wachtrijen.clear();
    m_totaal = 0;
    m_opgevenGemeld = false;
}

void WachtendeRijen::Reset() {
    m_wachtrijen.clear();
    m_bestanden.clear();
    m_totaal = 0;
    m_grens = StandaardGrens;
    m_opgevenGemeld = false;
}
