#include "acquisition/RackModel.h"

#include "acquisition/Modellen.h"
#include "acquisition/vensters/Hoofdvenster.h"

std::array<RackRecord, AantalRacks + 1> Racks;
std::array<RackVlag, AantalRacks + 1> RackVlaggen;
float HandTemperaturen[AantalRacks + 1][AantalModules + 1][AantalIngangen + 1];

QString IdnoAlsTekst(int32_t idno) {
    const auto u = static_cast<uint32_t>(idno);
    return QStringLiteral("%1.%2.%3.%4")
        .arg((u >> 24) & 0xFF, 0, 16)
        .arg((u >> 16) & 0xFF, 0, 16)
        .arg((u >> 8) & 0xFF, 0, 16)
        .arg(u & 0xFF, 0, 16)
        .toUpper();
}

QString SoortUitIdno(int32_t idno) {
    const QChar c = IdnoAlsTekst(idno).at(0);
    if (c == QLatin1Char('1')) return QStringLiteral("K740(Rack)");
    return QString::fromUtf8(ModelVanIdno(idno).soort);
}

QString ModuleTypeVanIdno(int32_t idno) {
    return ModelVanIdno(idno).Naam();
}

QString ModuleTypeUitIdno(int rack, int module) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return QStringLiteral("----");
    return ModuleTypeVanIdno(Racks[rack].Modules[module].Idno);
}

bool ModuleOpgegeven(int r, int m) {
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules) return false;
    return Racks[r].Modules[m].GeenAntwoordTeller > 0;
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
}
