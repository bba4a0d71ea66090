#include "acquisition/RackModel.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Hoofdvenster.h"

std::array<RackRecord, AantalRacks + 1> Racks;
std::array<RackVlag, AantalRacks + 1> RackVlaggen;
float HandTemperaturen[AantalRacks + 1][AantalModules + 1][AantalIngangen + 1];

namespace {

struct Beurt {
    bool open = false;        // the walk has not yet left the module since the previous snapshot
    bool nietGelezen = false; // no reading of the module was converted since the previous snapshot
};
Beurt Beurten[AantalRacks + 1][AantalModules + 1];
bool WachtOpAanmelding[AantalRacks + 1];
// The names of a waiting rack's modules from before the Search.
QString AanmeldNamen[AantalRacks + 1][AantalModules + 1];

bool IsPlaats(int r, int m) {
    return r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules;
}

} // namespace

QString IdnoAlsTekst(int32_t idno) {
    const auto u = static_cast<uint32_t>(idno);
    return QStringLiteral("%1.%2.%3.%4")
        .arg((u >> 24) & 0xFF, 0, 16)
        .arg((u >> 16) & 0xFF, 0, 16)
        .arg((u >> 8) & 0xFF, 0, 16)
        .arg(u & 0xFF, 0, 16)
        .toUpper();
}

bool ModuleOpgegeven(int r, int m) {
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules) return false;
    return Racks[r].Modules[m].GeenAntwoordTeller > 0;
}

void OpenBeurten() {
    for (auto& rack : Beurten)
        for (Beurt& b : rack)
            b = {true, true};
    CyclusVoltooid = false;
}

void OpenBeurt(int r, int m) {
    if (IsPlaats(r, m)) Beurten[r][m] = {true, true};
}

void SluitBeurt(int r, int m, bool gelezen) {
    if (!IsPlaats(r, m)) return;
    Beurten[r][m].open = false;
    if (gelezen) Beurten[r][m].nietGelezen = false;
}

bool BeurtOpen(int r, int m) {
    return IsPlaats(r, m) && Beurten[r][m].open;
}

bool ModuleNietGelezen(int r, int m) {
    return IsPlaats(r, m) && Beurten[r][m].nietGelezen;
}

void ZetRackWachtOpAanmelding(int r, bool wacht) {
    if (r < 1 || r > AantalRacks) return;
    // A second Search while the rack waits keeps the names of its log-on, not the cleared ones.
    if (wacht && !WachtOpAanmelding[r])
        for (int m = 1; m <= AantalModules; ++m)
            AanmeldNamen[r][m] = Racks[r].Modules[m].Name;
    if (!wacht)
        for (QString& naam : AanmeldNamen[r])
            naam.clear();
    WachtOpAanmelding[r] = wacht;
}

QString ModuleNaamVan(int r, int m) {
    if (!IsPlaats(r, m)) return QString();
    if (RackWachtOpAanmelding(r) && Racks[r].Modules[m].Name.isEmpty()) return AanmeldNamen[r][m];
    return Racks[r].Modules[m].Name;
}

void HerstelModuleNamen(int r) {
    if (r < 1 || r > AantalRacks || !WachtOpAanmelding[r]) return;
    for (int m = 1; m <= AantalModules; ++m)
        if (Racks[r].Modules[m].Name.isEmpty()) Racks[r].Modules[m].Name = AanmeldNamen[r][m];
}

bool RackWachtOpAanmelding(int r) {
    return r >= 1 && r <= AantalRacks && Racks[r].Present && WachtOpAanmelding[r];
}

void InitialiseerTabellen(const QString& titel) {
    if (titel.isEmpty()) return;
    for (auto& v : RackVlaggen)
        v = RackVlag{};
    hoofdvenster().WisVensterLijsten();
    hoofdvenster().ZetTitel();
    hoofdvenster().StopVerbinding();
}

void ResetRackModel() {
    for (auto& r : Racks)
        r = RackRecord{};
    for (auto& v : RackVlaggen)
        v = RackVlag{};
    for (auto& r : HandTemperaturen)
        for (auto& m : r)
            for (auto& t : m)
                t = 25.0f;
    for (auto& rack : Beurten)
        for (Beurt& b : rack)
            b = {};
    for (bool& w : WachtOpAanmelding)
        w = false;
    for (auto& rack : AanmeldNamen)
        for (QString& naam : rack)
            naam.clear();
}
