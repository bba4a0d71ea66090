#include "acquisition/K762.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/Temperatuur.h"
#include "shared/Hulpfuncties.h"

#include <QString>
#include <algorithm>
#include <cmath>

const std::array<CompensatiePunt, 33> CompensatieTabel = {{
    {-30, 0.124f}, {-25, 0.172f}, {-20, 0.229f}, {-15, 0.292f}, {-10, 0.362f}, {-5, 0.439f},  {0, 0.521f},
    {5, 0.608f},   {10, 0.700f},  {15, 0.796f},  {20, 0.896f},  {25, 1.000f},  {30, 1.107f},  {35, 1.217f},
    {40, 1.330f},  {45, 1.446f},  {50, 1.564f},  {55, 1.685f},  {60, 1.808f},  {65, 1.933f},  {70, 2.060f},
    {75, 2.190f},  {80, 2.321f},  {85, 2.454f},  {90, 2.589f},  {95, 2.726f},  {100, 2.865f}, {105, 3.005f},
    {110, 3.147f}, {115, 3.291f}, {120, 3.437f}, {125, 3.584f}, {130, 3.733f},
}};

const std::array<TDSPunt, 49> TDSTabel = {{
    {0.0f, 0.531f},   {0.0003f, 0.531f}, {0.0004f, 0.532f}, {0.0008f, 0.532f}, {0.0009f, 0.533f},
    {0.001f, 0.533f}, {0.002f, 0.535f},  {0.003f, 0.537f},  {0.004f, 0.539f},  {0.005f, 0.541f},
    {0.006f, 0.543f}, {0.007f, 0.545f},  {0.008f, 0.546f},  {0.009f, 0.548f},  {0.01f, 0.550f},
    {0.02f, 0.569f},  {0.03f, 0.586f},   {0.04f, 0.603f},   {0.05f, 0.618f},   {0.06f, 0.633f},
    {0.07f, 0.646f},  {0.08f, 0.659f},   {0.09f, 0.670f},   {0.10f, 0.681f},   {0.11f, 0.690f},
    {0.12f, 0.699f},  {0.13f, 0.706f},   {0.14f, 0.713f},   {0.15f, 0.718f},   {0.16f, 0.723f},
    {0.17f, 0.726f},  {0.18f, 0.729f},   {0.19f, 0.730f},   {0.20f, 0.731f},   {0.21f, 0.730f},
    {0.22f, 0.729f},  {0.23f, 0.726f},   {0.24f, 0.723f},   {0.25f, 0.718f},   {0.26f, 0.713f},
    {0.27f, 0.706f},  {0.28f, 0.699f},   {0.29f, 0.690f},   {0.30f, 0.681f},   {0.31f, 0.670f},
    {0.32f, 0.659f},  {0.33f, 0.646f},   {0.34f, 0.633f},   {0.35f, 0.618f},
}};

float SimulatieStap[8][5];

namespace {

constexpr float GeleidbaarheidMaximum = 2.0f;
// What a conductivity input shows over its range.
constexpr float GeleidbaarheidBovenBereik = 9999.0f;
// Index of 20 °C in the compensation table.
constexpr int Index20Graden = 10;
// Raw count per S/cm of the module's converter.
constexpr double Omrekening = 3895;

float single(double w) {
    return static_cast<float>(w);
}

float Binnen(float x, float minimum, float maximum, float anders) {
    return (x >= minimum && x <= maximum) ? x : anders;
}

double Factor20Graden() {
    return CompensatieTabel[Index20Graden].factor;
}

} // namespace

int CompensatieIndex(float T) {
    if (T >= 130.0f) return 31;
    // Below -30 °C (only a manual temperature gets there) the first segment counts.
    if (!(T >= -30.0f)) return 0;
    return std::min(static_cast<int>(std::floor((static_cast<double>(T) + 30) / 5)), 31);
}

float TemperatuurFactor(float T, bool aan) {
    if (!aan) return 1.0f;
    // The table starts at -30 °C; a colder manual temperature takes its first factor (extending the
    // first segment downwards would reach a factor of 0 at -43 °C).
    const double t = std::isnan(T) ? 25.0 : std::max(static_cast<double>(T), -30.0);
    const int i = CompensatieIndex(static_cast<float>(t));
    const CompensatiePunt& a = CompensatieTabel[i];
    const CompensatiePunt& b = CompensatieTabel[i + 1];
    const double f = a.factor + (static_cast<double>(b.factor) - a.factor) * (t - a.temperatuur) /
                                    (b.temperatuur - a.temperatuur);
    return single(ReferentieTemperatuur == 1 ? f : f / Factor20Graden());
}

float NulpuntCorrectie(float x, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return x;
    float z = Racks[r].Modules[m].Temperatuur[c].Extra;
    for (int stap = 0; stap < Racks[r].Modules[m].Meting[c].Resolution; ++stap)
        z = single(z / 10.0);
    if (x <= z) return 0;
    return single(std::sqrt(static_cast<double>(x) * x - static_cast<double>(z) * z));
}

float BerekenGeleidbaarheid(float ruw, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    const float y = NulpuntCorrectie(ruw, r, m, c);
    const float T = Racks[r].Modules[m].Temperatuur[c].Waarde;
    return single(static_cast<double>(y) * Racks[r].Modules[m].Meting[c].Scale /
                  (static_cast<double>(TemperatuurFactor(T, TemperatuurCompensatie)) * Omrekening));
}

float TDSFactor(float x) {
    int i = 48;
    for (int j = 1; j < static_cast<int>(TDSTabel.size()); ++j)
        if (TDSTabel[j].grens >= x) {
            i = j;
            break;
        }
    const TDSPunt& a = TDSTabel[i - 1];
    const TDSPunt& b = TDSTabel[i];
    return single(a.factor + (static_cast<double>(b.factor) - a.factor) * (static_cast<double>(x) - a.grens) /
                                 (static_cast<double>(b.grens) - a.grens));
}

float BerekenZoutgehalte(float v, int bereik, int celtype, uint8_t& flags, float T) {
    if (BitGezet(flags, VlagBovenBereik)) return 0;
    double w = v;
    // The TDS is always formed from the value compensated to 25 °C.
    if (!TemperatuurCompensatie) w = single(w / TemperatuurFactor(T, true));
    if (ReferentieTemperatuur != 1) w = single(w / Factor20Graden());
    const int k = bereik + celtype;
    float x = 0;
    if (k >= -2 && k <= 1)
        x = single(w / 1e6);
    else if (k >= 2 && k <= 4)
        x = single(w / 1e3);
    if (x > TDSTabel.back().grens) {
        ZetBit(flags, VlagBovenBereik);
        return 0;
    }
    return single(TDSFactor(x) * w);
}

float SimulatieWaardeK762(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    // The ramp climbs 0.0025 a reading at a pass of 150 ms.
    const float d = single(SimulatieStap[m][c] + 0.0025 * SimulatieStapDeel);
    SimulatieStap[m][c] = d;
    const float waarde = single(d * std::sqrt(static_cast<double>(c) / m) + 1);
    if (Racks[r].Modules[m].Meting[c].Waarde <= 1.15f) return waarde;
    SimulatieStap[m][c] = -d;
    return 0.85f;
}

void VerwerkMetingK762(int r, int m) {
    if (!IsModuleAdres(r, m)) return;
    for (int c = 1; c <= AantalIngangen; ++c) {
        BerekenTemperatuurKanaal(r, m, c);
        KanaalRecord& k = Racks[r].Modules[m].Meting[c];
        if (!k.Set) continue;
        const float T = Racks[r].Modules[m].Temperatuur[c].Waarde;
        const float v = Demo ? SimulatieWaardeK762(r, m, c)
                             : BerekenGeleidbaarheid(static_cast<float>(k.AdcWaarde), r, m, c);
        WisBit(k.Flags, VlagBovenBereik | VlagOnderBereik);
        if (v > GeleidbaarheidMaximum) {
            k.Waarde = GeleidbaarheidBovenBereik;
            ZetBit(k.Flags, VlagBovenBereik);
        }
        switch (ModelMetType(Modeltype::K762).Soort(k.Unit.getrimd())) {
        case Eenheidsoort::Geleidbaarheid:
            if (!BitGezet(k.Flags, VlagBovenBereik)) k.Waarde = v;
            break;
        case Eenheidsoort::TDS:
            k.Waarde = BerekenZoutgehalte(v, k.Resolution, HeelGetal16(k.Extra), k.Flags, T);
            break;
        case Eenheidsoort::Temperatuur:
            k.Waarde = T;
            break;
        default:
            break;
        }
    }
}

float GeldigeOffsetK762(float x) {
    return Binnen(x, 0.0f, 500.0f, 0.0f);
}
float GeldigeVersterking(float x) {
    return Binnen(x, 0.85f, 1.15f, 1.0f);
}
float GeldigeCelconstanteFactor(float x) {
    return Binnen(x, 0.5f, 1.5f, 1.0f);
}
float GeldigeNulwaardeK762(float x) {
    return Binnen(x, 0.0f, 38.95f, 0.0f);
}

void ResetK762() {
    for (auto& module : SimulatieStap)
        for (auto& stap : module)
            stap = 0;
}
