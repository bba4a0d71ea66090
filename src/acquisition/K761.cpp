#include "acquisition/K761.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/Temperatuur.h"
#include "platform/Klok.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"

#include <QString>
#include <algorithm>
#include <cmath>

float Luchtdruk = 1000.0f;

const std::array<float, 51> ZuurstofTabelZoet = {
    14.37f, 13.98f, 13.61f, 13.25f, 12.90f, 12.57f, 12.25f, 11.95f, 11.66f, 11.38f, //  0.. 9 °C
    11.11f, 10.85f, 10.60f, 10.36f, 10.13f, 9.91f,  9.70f,  9.50f,  9.30f,  9.12f,  // 10..19 °C
    8.93f,  8.76f,  8.59f,  8.43f,  8.28f,  8.13f,  7.98f,  7.84f,  7.70f,  7.57f,  // 20..29 °C
    7.44f,  7.32f,  7.20f,  7.08f,  6.97f,  6.86f,  6.75f,  6.64f,  6.53f,  6.43f,  // 30..39 °C
    6.33f,  6.23f,  6.13f,  6.04f,  5.94f,  5.85f,  5.76f,  5.67f,  5.57f,  5.49f,  // 40..49 °C
    5.40f};                                                                         // 50 °C
const std::array<float, 51> ZuurstofTabelZee = {
    11.14f, 10.85f, 10.58f, 10.31f, 10.06f, 9.83f, 9.60f, 9.38f, 9.17f, 8.97f, //  0.. 9 °C
    8.78f,  8.60f,  8.42f,  8.26f,  8.09f,  7.94f, 7.79f, 7.64f, 7.50f, 7.36f, // 10..19 °C
    7.23f,  7.09f,  6.96f,  6.84f,  6.71f,  6.59f, 6.46f, 6.34f, 6.21f, 6.08f, // 20..29 °C
    5.96f,  5.85f,  5.76f,  5.65f,  5.55f,  5.45f, 5.35f, 5.25f, 5.14f, 5.04f, // 30..39 °C
    4.94f,  4.84f,  4.74f,  4.63f,  4.53f,  4.43f, 4.33f, 4.23f, 4.12f, 4.02f, // 40..49 °C
    3.92f};                                                                    // 50 °C

namespace {

constexpr float MillivoltGrens = 2000.0f;
constexpr float PHMaximum = 14.0f;
constexpr float ZuurstofMinimum = -1.0f;
constexpr float ZuurstofMaximum = 60.0f;
// What a % input shows over its range (the value is 6, not 600).
constexpr float VerzadigingBovenBereik = 6.0f;
constexpr float LogConcentratieMinimum = -12.0f;
constexpr float LogConcentratieMaximum = 2.0f;

float single(double w) {
    return static_cast<float>(w);
}

// Limits a value to [minimum, maximum] with the over- and under-range bits; both clear inside.
float Begrens(float waarde, float minimum, float maximum, uint8_t& flags) {
    if (waarde < minimum) {
        ZetBit(flags, VlagOnderBereik);
        WisBit(flags, VlagBovenBereik);
        return minimum;
    }
    if (waarde > maximum) {
        ZetBit(flags, VlagBovenBereik);
        WisBit(flags, VlagOnderBereik);
        return maximum;
    }
    WisBit(flags, VlagBovenBereik | VlagOnderBereik);
    return waarde;
}

float Binnen(float x, float minimum, float maximum, float anders) {
    return (x >= minimum && x <= maximum) ? x : anders;
}

// The place of a temperature in the oxygen tables: the whole degree below it (0..49) and the fraction
// towards the next. The tables end at 0 and 50 °C; temperatures outside take the nearest end.
struct TabelPlaats {
    int i;
    double deel;
};
TabelPlaats PlaatsInZuurstofTabel(float T) {
    const double t = (T >= 0.0f) ? std::fmin(static_cast<double>(T), 50.0) : 0.0; // NaN: 0 °C
    const int i = std::min(static_cast<int>(std::floor(t)), 49);
    return {i, t - i};
}

double SaliniteitFactorBij(int j, float S) {
    return 1 + (static_cast<double>(ZuurstofTabelZee[j]) / ZuurstofTabelZoet[j] - 1) * (S / 10.0) / 3.613;
}

KanaalRecord& IngangVan(int r, int m, int c) {
    return Racks[r].Modules[m].Meting[c];
}
float TemperatuurVan(int r, int m, int c) {
    return Racks[r].Modules[m].Temperatuur[c].Waarde;
}

// (mV - Offset) x Scale with the membrane correction at the input's temperature.
float ZuurstofSignaal(float mV, int r, int m, int c) {
    const KanaalRecord& k = IngangVan(r, m, c);
    const float x = single((static_cast<double>(mV) - k.Offset) * k.Scale);
    return MembraanCorrectie(x, TemperatuurVan(r, m, c));
}

float TemperatuurVanIngang(float, int r, int m, int c) {
    return TemperatuurVan(r, m, c);
}

// The quantity that each unit of an input selects.
struct Omzetting {
    const char* eenheid;
    float (*bereken)(float mV, int r, int m, int c);
};
constexpr Omzetting Omzettingen[] = {
    {"mV", BerekenMillivolt},        {"pH", BerekenPH},
    {"mg/l", BerekenZuurstof},       {"%", BerekenVerzadiging},
    {"g/l", BerekenIonConcentratie}, {"°C", TemperatuurVanIngang},
};

// The demonstration signal per unit: amplitude x s + basis + stap x (module + input).
struct Simulatie {
    const char* eenheid;
    double amplitude, basis, stap;
};
constexpr Simulatie Simulaties[] = {
    {"mV", 100, 257, 50}, {"pH", -58.3, 0, -50}, {"g/l", -58.3, 0, -50},
    {"mg/l", 5, 17.5, 5}, {"%", 5, 17.5, 5},
};

// Whole seconds from `van` to `tot` (second boundaries crossed).
long long SecondenTussen(platform::Datum van, platform::Datum tot) {
    const auto seconden = [](platform::Datum d) {
        return static_cast<long long>(std::floor(d * 86400.0 + 1e-3));
    };
    return seconden(tot) - seconden(van);
}

} // namespace

float BegrensMillivolt(float mV, uint8_t& flags) {
    return Begrens(mV, -MillivoltGrens, MillivoltGrens, flags);
}

float BerekenMillivolt(float mV, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return mV;
    return BerekenMillivolt(mV, IngangVan(r, m, c));
}

float BerekenMillivolt(float mV, KanaalRecord& k) {
    if (BitGezet(k.Flags, VlagBovenBereik | VlagOnderBereik)) return mV;
    return BegrensMillivolt(mV - k.Offset, k.Flags);
}

float PHUitMillivolt(float mV, float T, float S, float pH0) {
    return single(pH0 - mV * static_cast<double>(5.04f) / ((static_cast<double>(T) + KelvinOffset) * S));
}

float BegrensPH(float pH, uint8_t& flags) {
    return Begrens(pH, 0.0f, PHMaximum, flags);
}

float BerekenPH(float mV, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    KanaalRecord& k = IngangVan(r, m, c);
    if (BitGezet(k.Flags, VlagBovenBereik)) return 0;
    if (BitGezet(k.Flags, VlagOnderBereik)) return PHMaximum;
    const float T = TemperatuurVan(r, m, c);
    // Never calibrated (zero point 0): the theoretical electrode, pH 7 at 0 mV.
    const float pH = (k.Offset != 0.0f && k.Scale != 0.0f) ? PHUitMillivolt(mV, T, k.Scale, k.Offset)
                                                           : PHUitMillivolt(mV, T, 1.0f, 7.0f);
    return BegrensPH(pH, k.Flags);
}

float MembraanCorrectie(float waarde, float T) {
    return single(waarde * (1 + 0.009 * (25.0 - T)));
}

float SaliniteitFactor(float waarde, float T, float S) {
    const TabelPlaats p = PlaatsInZuurstofTabel(T);
    const double f0 = SaliniteitFactorBij(p.i, S);
    const double f1 = SaliniteitFactorBij(p.i + 1, S);
    return single(waarde * (f0 + (f1 - f0) * p.deel));
}

float LuchtdrukFactor(float waarde, float, float P) {
    return single(waarde * (P * 0.001019 - 0.019));
}

float ZuurstofVerzadiging(float T, float S, float P) {
    const TabelPlaats p = PlaatsInZuurstofTabel(T);
    const double z0 = ZuurstofTabelZoet[p.i];
    const double z1 = ZuurstofTabelZoet[p.i + 1];
    const float zoet = single(z0 + (z1 - z0) * p.deel);
    return LuchtdrukFactor(SaliniteitFactor(zoet, T, S), T, P);
}

float BegrensZuurstof(float waarde, uint8_t& flags) {
    return Begrens(waarde, ZuurstofMinimum, ZuurstofMaximum, flags);
}

float BerekenZuurstof(float mV, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    KanaalRecord& k = IngangVan(r, m, c);
    if (BitGezet(k.Flags, VlagBovenBereik)) return ZuurstofMaximum;
    if (BitGezet(k.Flags, VlagOnderBereik)) return ZuurstofMinimum;
    const float x = ZuurstofSignaal(mV, r, m, c);
    return BegrensZuurstof(SaliniteitFactor(x, TemperatuurVan(r, m, c), k.Extra), k.Flags);
}

float BerekenVerzadiging(float mV, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    KanaalRecord& k = IngangVan(r, m, c);
    if (BitGezet(k.Flags, VlagBovenBereik)) return VerzadigingBovenBereik;
    if (BitGezet(k.Flags, VlagOnderBereik)) return 0;
    const float T = TemperatuurVan(r, m, c);
    const float x = ZuurstofSignaal(mV, r, m, c);
    const float verzadigd = ZuurstofVerzadiging(T, k.Extra, Luchtdruk);
    // An air pressure or salinity at which no oxygen dissolves (an air pressure typed as 0 in a
    // calibration, for one): shown as over range instead of dividing by zero or below.
    if (!(verzadigd > 0.0f) || !std::isfinite(verzadigd)) {
        ZetBit(k.Flags, VlagBovenBereik);
        WisBit(k.Flags, VlagOnderBereik);
        return VerzadigingBovenBereik;
    }
    return single(static_cast<double>(SaliniteitFactor(x, T, k.Extra)) / verzadigd * 100);
}

float BerekenLogConcentratie(float mV, float helling, float E) {
    // A slope of 0 (an input never loaded from its calibration) counts as the neutral slope 1.
    const double s = (helling == 0.0f) ? 1.0 : helling;
    return single(mV / s - E);
}

float BerekenIonConcentratie(float mV, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    KanaalRecord& k = IngangVan(r, m, c);
    if (BitGezet(k.Flags, VlagBovenBereik | VlagOnderBereik)) return 0;
    float L = BerekenLogConcentratie(mV, k.Scale, k.Offset);
    const float B = k.Extra; // the blank, as a log concentration; 0 when there is none
    if (B < 0) {
        if (B >= L) return LogConcentratieMinimum;
        L = single(
            std::log10(std::pow(10.0, static_cast<double>(L)) - std::pow(10.0, static_cast<double>(B))));
    }
    if (L >= LogConcentratieMaximum) {
        ZetBit(k.Flags, VlagBovenBereik);
        return LogConcentratieMaximum;
    }
    if (L < LogConcentratieMinimum) return LogConcentratieMinimum;
    return L;
}

float SimulatieWaardeK761(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return 0;
    constexpr double pi = 3.14159265358979;
    const double t = static_cast<double>(SecondenTussen(DemoStart, platform::Nu()));
    const double s = -std::sin(std::sqrt(static_cast<double>(c)) * t / (m * 4) * pi / 180);
    const QString eenheid = IngangVan(r, m, c).Unit.getrimd();
    if (ModelMetType(Modeltype::K761).Soort(eenheid) == Eenheidsoort::Temperatuur) {
        KanaalRecord& temperatuur = Racks[r].Modules[m].Temperatuur[c];
        temperatuur.Waarde = single(temperatuur.Waarde + s * 5);
        return 0;
    }
    for (const Simulatie& sim : Simulaties)
        if (eenheid == QString::fromUtf8(sim.eenheid))
            return single(s * sim.amplitude + sim.basis + (m + c) * sim.stap);
    return 0;
}

void VerwerkMetingK761(int r, int m) {
    if (!IsModuleAdres(r, m)) return;
    for (int c = 1; c <= AantalIngangen; ++c) {
        BerekenTemperatuurKanaal(r, m, c);
        KanaalRecord& k = IngangVan(r, m, c);
        if (!k.Set) continue;
        const float mV =
            Demo ? SimulatieWaardeK761(r, m, c) : BegrensMillivolt(single(k.AdcWaarde / 10.0), k.Flags);
        const QString eenheid = k.Unit.getrimd();
        for (const Omzetting& o : Omzettingen)
            if (eenheid == QString::fromUtf8(o.eenheid)) {
                k.Waarde = o.bereken(mV, r, m, c);
                break;
            }
    }
}

void LeesLuchtdruk() {
    const float p = TekstNaarSingle(LeesInstelling(AppNaam, QStringLiteral("Calibration Oxygen"),
                                                   QStringLiteral("Air Pressure"), "1000"));
    Luchtdruk = (p < 800.0f || p > 1200.0f) ? 1000.0f : p;
}

float GeldigNulpuntPH(float x) {
    return Binnen(x, 6.0f, 8.0f, 7.0f);
}
float GeldigeHellingPH(float x) {
    return Binnen(x, 0.8f, 1.2f, 1.0f);
}
float GeldigeOffsetISE(float x) {
    return Binnen(x, -12.0f, 12.0f, 0.0f);
}
float GeldigeHellingISE(float x) {
    return (std::fabs(x) >= 5.0f && std::fabs(x) <= 200.0f) ? x : 1.0f;
}
float GeldigeOffsetK761(float x) {
    return Binnen(x, -15.0f, 15.0f, 0.0f);
}
float GeldigeVersterkingK761(float x) {
    return Binnen(x, 0.9f, 1.1f, 1.0f);
}
float GeldigeOffsetMV(float x) {
    return Binnen(x, -100.0f, 100.0f, 0.0f);
}
float GeldigeZuurstofSchaal(float x) {
    return Binnen(x, 0.0813f, 0.542f, StandaardZuurstofSchaal);
}

void ResetK761() {
    Luchtdruk = 1000.0f;
}
