#include "acquisition/Temperatuur.h"

#include "acquisition/K762.h"
#include "acquisition/Kanaaladres.h"
#include "acquisition/Kanaalteksten.h"
#include "shared/Hulpfuncties.h"

namespace {

// Products and quotients in double precision, the result a single.
float single(double w) {
    return static_cast<float>(w);
}

bool IsEenheid(const QString& eenheid, const char* naam) {
    return eenheid.trimmed() == QString::fromUtf8(naam);
}

} // namespace

void ZetKanaalVlag(uint8_t& flags, uint8_t status, int c) {
    if (c >= 1 && c <= 8 && BitGezet(status, static_cast<uint8_t>(1u << (c - 1))))
        ZetBit(flags, VlagSensorAanwezig);
    else
        WisBit(flags, VlagSensorAanwezig);
}

float TemperatuurMinOffset(float T, int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return T;
    return T - Racks[r].Modules[m].Temperatuur[c].Offset;
}

float BegrensTemperatuur(int r, int m, int c, float T) {
    if (!IsKanaalAdres(r, m, c)) return T;
    KanaalRecord& meting = Racks[r].Modules[m].Meting[c];
    const KanaalRecord& temperatuur = Racks[r].Modules[m].Temperatuur[c];
    if (!BitGezet(meting.Flags, VlagSensorAanwezig)) {
        WisBit(meting.Flags, VlagTemperatuurTeHoog | VlagTemperatuurTeLaag);
        return HandTemperaturen[r][m][c];
    }
    float resultaat = T;
    if (T > TemperatuurBovengrens) {
        resultaat = TemperatuurBovengrens;
        ZetBit(meting.Flags, VlagTemperatuurTeHoog);
    } else if (T < TemperatuurOndergrens) {
        resultaat = TemperatuurOndergrens;
        ZetBit(meting.Flags, VlagTemperatuurTeLaag);
    } else {
        WisBit(meting.Flags, VlagTemperatuurTeHoog | VlagTemperatuurTeLaag);
    }
    // A reading of exactly 0 before the offset never becomes the manual temperature.
    if (temperatuur.ManualFollowsMeasurement && temperatuur.Offset + T != 0.0f) HandTemperaturen[r][m][c] = T;
    return resultaat;
}

float TemperatuurVanKanaal(int r, int m, int c, float T) {
    if (!IsKanaalAdres(r, m, c)) return T;
    const int g = GedeeldeTemperatuurIngang(r, m);
    auto& kanalen = Racks[r].Modules[m].Temperatuur;
    if (g == c || g < 1 || !kanalen[c].UseShared) return T;
    kanalen[c].Flags = kanalen[g].Flags;
    kanalen[c].Unit = kanalen[g].Unit;
    return kanalen[g].Waarde;
}

void BerekenTemperatuurKanaal(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return;
    ModuleRecord& module = Racks[r].Modules[m];
    ZetKanaalVlag(module.Meting[c].Flags, module.Status, c);
    float t = single(module.Temperatuur[c].AdcWaarde / 10.0);
    t = TemperatuurMinOffset(t, r, m, c);
    t = BegrensTemperatuur(r, m, c, t);
    module.Temperatuur[c].Waarde = TemperatuurVanKanaal(r, m, c, t);
}

float CelsiusNaarFahrenheit(float T) {
    return single(T * 1.8 + 32);
}
float FahrenheitNaarCelsius(float T) {
    return single((T - 32.0) / 1.8);
}
float CelsiusNaarKelvin(float T) {
    return single(static_cast<double>(T) + KelvinOffset);
}
float KelvinNaarCelsius(float T) {
    return single(static_cast<double>(T) - KelvinOffset);
}

float CelsiusNaarEenheid(float T, const QString& eenheid) {
    if (IsEenheid(eenheid, "°F")) return CelsiusNaarFahrenheit(T);
    if (IsEenheid(eenheid, "K")) return CelsiusNaarKelvin(T);
    return T;
}

float EenheidNaarCelsius(float T, const QString& eenheid) {
    if (IsEenheid(eenheid, "°F")) return FahrenheitNaarCelsius(T);
    if (IsEenheid(eenheid, "K")) return KelvinNaarCelsius(T);
    return T;
}

float VerschilNaarEenheid(float dT, const QString& eenheid) {
    if (IsEenheid(eenheid, "°F")) return single(dT * 1.8);
    return dT;
}

float GeldigeTemperatuurOffset(float x) {
    return (x >= -10.0f && x <= 10.0f) ? x : 0.0f;
}
float GeldigeAfregelOffset(float x) {
    return (x >= -4250.0f && x <= 4250.0f) ? x : 0.0f;
}

float GeldigeHandTemperatuur(float x) {
    return (x >= TemperatuurOndergrens && x <= TemperatuurBovengrens) ? x : StandaardHandTemperatuur;
}

bool AfregelingTemperatuur(float lezing1, float lezing2, float& offset, float& versterking) {
    // Scale of the module's temperature converter; 20 and 80 °C are the reference points.
    constexpr double schaal = 2.597;
    constexpr double nulpunt = 25997;
    const float k = single(versterking * schaal);
    const float o = single(offset - nulpunt);
    if (k == 0.0f) return false;
    const float t1 = single((lezing1 * 100.0 - o) / k / 10);
    const float t2 = single((lezing2 * 100.0 - o) / k / 10);
    if (!(t1 > 999 && t2 > 999 && t2 > t1)) return false;
    const float nieuweOffset =
        single((t2 * 20.0 - t1 * 80.0) * 100 / (static_cast<double>(t2) - t1) + nulpunt);
    const float nieuweVersterking = single((2000 - (nieuweOffset - nulpunt + 20)) / (t1 * 10.0) / schaal);
    if (GeldigeVersterking(nieuweVersterking) != nieuweVersterking ||
        GeldigeAfregelOffset(nieuweOffset) != nieuweOffset)
        return false;
    offset = nieuweOffset;
    versterking = nieuweVersterking;
    return true;
}
