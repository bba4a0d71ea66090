#include "files/WachtendeRijen.h"

#include <algorithm>
#include <utility>

std::deque<Wachtend>::iterator WachtendeRijen::Zoek(const QString& pad) {
    return std::find_if(m_bestanden.begin(), m_bestanden.end(),
                        [&pad](const Wachtend& w) { return w.pad == pad; });
}

Wachtend* WachtendeRijen::Van(const QString& pad) {
    const auto w = Zoek(pad);
    return w == m_bestanden.end() ? nullptr : &*w;
}

Wachtend& WachtendeRijen::Maak(const QString& pad, const QString& kop) {
    if (Wachtend* w = Van(pad)) {
        // Nothing waits under the old header any more: the rows to come have the layout of now.
        if (!w->Wacht()) w->kop = kop;
        return *w;
    }
    m_bestanden.push_back({});
    Wachtend& w = m_bestanden.back();
    w.pad = pad;
    w.kop = kop;
    return w;
}

Wachtend* WachtendeRijen::Eerste(bool ookMapFout) {
    for (Wachtend& w : m_bestanden)
        if (w.Wacht() && (ookMapFout || !w.mapFout)) return &w;
    return nullptr;
}

void WachtendeRijen::Voeg(Wachtend& w, const QByteArray& regel, const QString& tijd, bool eindpunt,
                          int velden) {
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

bool WachtendeRijen::GeefOp(Wachtend& w, const QString& tijd, bool eindpunt, int velden) {
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

void WachtendeRijen::GeefAllesOp(Wachtend& w) {
    // The break begins at the first row given up: one that waited, unless an earlier Cancel of this
    // refusal marked it before them.
    if (w.rijen.aantal > 0 && (w.breuk.isEmpty() || !w.breukEerst)) w.breuk = w.rijen.eerste;
    if (!w.breuk.isEmpty()) w.breukEerst = true;
    w.laatsteEindpunt = false;
    VerwijderBytes(w);
    w.rijen = {};
    w.opgegeven = {};
    w.eindpunt.clear();
    w.eindpuntOpgegeven = false;
}

void WachtendeRijen::Geschreven(const QString& pad) {
    const auto w = Zoek(pad);
    if (w == m_bestanden.end()) return;
    VerwijderBytes(*w);
    m_bestanden.erase(w);
    Ruim();
}

void WachtendeRijen::Verhuis(const QString& van, const QString& naar) {
    Wachtend* w = Van(van);
    if (!w || van == naar) return;
    if (Wachtend* doel = Van(naar)) {
        // Whatever waited for the new name goes first: it was taken before.
        for (QByteArray& stuk : w->stukken)
            doel->stukken.push_back(std::move(stuk));
        doel->grootte += w->grootte;
        if (w->Wacht()) doel->laatsteEindpunt = w->laatsteEindpunt;
        doel->rijen.Voeg(w->rijen);
        doel->opgegeven.Voeg(w->opgegeven);
        if (!w->eindpunt.isEmpty()) doel->eindpunt = w->eindpunt;
        doel->eindpuntOpgegeven = doel->eindpuntOpgegeven || w->eindpuntOpgegeven;
        if (doel->breuk.isEmpty()) doel->breuk = w->breuk;
        m_bestanden.erase(Zoek(van));
        return;
    }
    w->pad = naar;
    w->mapFout = false;
}

void WachtendeRijen::Vergeet(const QString& pad) {
    const auto w = Zoek(pad);
    if (w == m_bestanden.end()) return;
    VerwijderBytes(*w);
    m_bestanden.erase(w);
    Ruim();
}

void WachtendeRijen::Ruim() {
    std::erase_if(m_bestanden, [](const Wachtend& w) {
        return !w.Wacht() && w.breuk.isEmpty() && w.opgegeven.aantal == 0 && !w.eindpuntOpgegeven;
    });
    m_opgevenGemeld =
        m_opgevenGemeld && std::any_of(m_bestanden.begin(), m_bestanden.end(), [](const Wachtend& w) {
            return w.opgegeven.aantal > 0 || w.eindpuntOpgegeven;
        });
}

void WachtendeRijen::VerwijderBytes(Wachtend& w) {
    m_totaal -= w.grootte;
    w.stukken.clear();
    w.grootte = 0;
}

void WachtendeRijen::Leeg() {
    m_bestanden.clear();
    m_totaal = 0;
    m_opgevenGemeld = false;
}

void WachtendeRijen::Reset() {
    m_bestanden.clear();
    m_totaal = 0;
    m_grens = StandaardGrens;
    m_opgevenGemeld = false;
}
