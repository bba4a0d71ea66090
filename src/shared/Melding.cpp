#include "shared/Melding.h"

#include "platform/Klok.h"
#include "platform/Vensterwacht.h"

#include <algorithm>
#include <utility>

namespace {
MeldingVenster* venster = nullptr;
MeldingOmgeving* omgeving = nullptr;

int knop(int knoppen, int nummer) {
    static const int sets[6][3] = {{vbOK, vbOK, vbOK},           {vbOK, vbCancel, vbCancel},
                                   {vbAbort, vbRetry, vbIgnore}, {vbYes, vbNo, vbCancel},
                                   {vbYes, vbNo, vbNo},          {vbRetry, vbCancel, vbCancel}};
    return sets[knoppen][nummer];
}
} // namespace

void ZetMeldingVenster(MeldingVenster* v) {
    venster = v;
}
MeldingVenster& meldingVenster() {
    static MeldingVenster geen;
    return venster ? *venster : geen;
}

void ZetMeldingOmgeving(MeldingOmgeving* o) {
    omgeving = o;
}
MeldingOmgeving& meldingOmgeving() {
    static MeldingOmgeving geen;
    return omgeving ? *omgeving : geen;
}

int MeldingVenster::Toon(const QString&, int stijl, const QString&) {
    const int knoppen = (stijl & 7) > 5 ? 0 : (stijl & 7);
    const int standaard = (stijl >> 8) & 3;
    return knop(knoppen, standaard > 2 ? 0 : standaard);
}

int StandaardAntwoord(int stijl) {
    const int knoppen = (stijl & 7) > 5 ? 0 : (stijl & 7);
    if (knoppen == vbOKCancel || knoppen == vbYesNoCancel || knoppen == vbRetryCancel) return vbCancel;
    const int standaard = (stijl >> 8) & 3;
    return knop(knoppen, standaard > 2 ? 0 : standaard);
}

int AntwoordZonderGebruiker(int stijl) {
    switch ((stijl & 7) > 5 ? 0 : (stijl & 7)) {
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    case vbAbortRetryIgnore:
        return vbAbort;
    default:
        return vbOK;
    }
}

int AntwoordBijSluiten(int stijl) {
    // The answer that changes nothing, where it is Cancel or OK; No and Abort are buttons a close is not.
    const int antwoord = AntwoordZonderGebruiker(stijl);
    return antwoord == vbCancel || antwoord == vbOK ? antwoord : 0;
}

MeldingKnoppen KnoppenVanStijl(int stijl) {
    switch (stijl & 7) {
    case vbOKCancel:
        return {{vbOK, vbCancel}, vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {{vbAbort, vbRetry, vbIgnore}, vbRetry, 0};
    case vbYesNoCancel:
        return {{vbYes, vbNo, vbCancel}, vbYes, vbCancel};
    case vbYesNo:
        return {{vbYes, vbNo}, vbYes, 0};
    case vbRetryCancel:
        return {{vbRetry, vbCancel}, vbRetry, vbCancel};
    default:
        return {{vbOK}, vbOK, vbOK};
    }
}

MeldingIcoon IcoonVanStijl(int stijl) {
    switch (stijl & 0x70) {
    case vbCritical:
        return {1, 104};
    case vbQuestion:
        return {3, 107};
    case vbExclamation:
        return {4, 105};
    case vbInformation:
        return {2, 106};
    default:
        return {4, 108};
    }
}

namespace {
int openMeldingen = 0;
int hoofdvensterHouders = 0;
} // namespace

void HoudHoofdvensterUit(bool houden) {
    hoofdvensterHouders = houden ? hoofdvensterHouders + 1 : std::max(0, hoofdvensterHouders - 1);
}

bool HoofdvensterUitgehouden() {
    return hoofdvensterHouders > 0;
}

int OpenMeldingen() {
    return openMeldingen;
}

namespace {

struct TeruggehoudenMelding {
    QString tekst;
    int stijl = vbOKOnly;
    QString titel;
    bool standaard = false;
};
int terughouders = 0;
std::vector<TeruggehoudenMelding>& teruggehouden() {
    static std::vector<TeruggehoudenMelding> m;
    return m;
}

void ToonTeruggehouden() {
    // Taken out first: a box shown here waits, and what it lets happen may hold boxes back again.
    const std::vector<TeruggehoudenMelding> meldingen = std::exchange(teruggehouden(), {});
    for (const TeruggehoudenMelding& m : meldingen)
        m.standaard ? ToonStandaardMelding(m.tekst, m.stijl, m.titel)
                    : ToonMelding(m.tekst, m.stijl, m.titel);
}

} // namespace

MeldingenTerughouden::MeldingenTerughouden() {
    ++terughouders;
}

MeldingenTerughouden::~MeldingenTerughouden() {
    if (terughouders == 0 || --terughouders > 0 || teruggehouden().empty()) return;
    platform::klok().planIn(0, ToonTeruggehouden);
}

void ResetTeruggehoudenMeldingen() {
    terughouders = 0;
    teruggehouden().clear();
}

namespace {

// The boxes that wait now, the innermost last, and how each is closed when it is withdrawn.
struct WachtendeMelding {
    int nummer = 0;
    bool ingetrokken = false;
    std::function<void()> sluit;
    bool standaard = false;
};
std::vector<WachtendeMelding>& wachtendeMeldingen() {
    static std::vector<WachtendeMelding> m;
    return m;
}
int laatsteNummer = 0;

} // namespace

int MeldingenGetoond() {
    return laatsteNummer;
}

void ZetMeldingSluiter(std::function<void()> sluit) {
    // Only the box of the innermost wait, and only once: a box shown outside ToonMelding is not one of
    // these.
    auto& wachtend = wachtendeMeldingen();
    if (!wachtend.empty() && !wachtend.back().sluit) wachtend.back().sluit = std::move(sluit);
}

void TrekMeldingIn(int nummer) {
    for (WachtendeMelding& m : wachtendeMeldingen()) {
        if (m.nummer != nummer || m.ingetrokken) continue;
        m.ingetrokken = true;
        // The box closes; its wait ends once the work that withdrew it has returned to the pump.
        if (m.sluit) m.sluit();
        return;
    }
}

bool StandaardMeldingGevraagd() {
    const auto& wachtend = wachtendeMeldingen();
    return !wachtend.empty() && wachtend.back().standaard;
}

namespace {

int Toon(const QString& tekst, int stijl, const QString& titel, IntrekbareMelding& intrekbaar,
         bool standaard) {
    intrekbaar = {};
    if (platform::NiemandAntwoordt()) return AntwoordZonderGebruiker(stijl);
    if (terughouders > 0 && (stijl & 7) == vbOKOnly) {
        teruggehouden().push_back({tekst, stijl, titel, standaard});
        return vbOK;
    }
    intrekbaar.nummer = ++laatsteNummer;
    wachtendeMeldingen().push_back({intrekbaar.nummer, false, {}, standaard});
    ++openMeldingen;
    int antwoord = meldingVenster().Toon(tekst, stijl, titel);
    --openMeldingen;
    auto& wachtend = wachtendeMeldingen();
    const auto eigen =
        std::find_if(wachtend.begin(), wachtend.end(),
                     [&intrekbaar](const WachtendeMelding& m) { return m.nummer == intrekbaar.nummer; });
    if (eigen != wachtend.end()) {
        intrekbaar.ingetrokken = eigen->ingetrokken;
        wachtend.erase(eigen);
    }
    if (intrekbaar.ingetrokken) antwoord = 0;
    // The box pumps events: the main window may have come or gone meanwhile.
    MeldingOmgeving& o = meldingOmgeving();
    o.ZetHoofdvensterIngeschakeld();
    o.ZetStatusPaneel3(QStringLiteral(" "));
    return antwoord;
}

} // namespace

int ToonMelding(const QString& tekst, int stijl, const QString& titel) {
    IntrekbareMelding intrekbaar;
    return Toon(tekst, stijl, titel, intrekbaar, false);
}

int ToonMelding(const QString& tekst, int stijl, const QString& titel, IntrekbareMelding& intrekbaar) {
    return Toon(tekst, stijl, titel, intrekbaar, false);
}

int ToonStandaardMelding(const QString& tekst, int stijl, const QString& titel) {
    IntrekbareMelding intrekbaar;
    return Toon(tekst, stijl, titel, intrekbaar, true);
}
