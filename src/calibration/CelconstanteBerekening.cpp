#include "calibration/CelconstanteBerekening.h"

#include "acquisition/K762Teksten.h"
#include "calibration/KClTabel.h"
#include "shared/Getallen.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Omrekening = 3895;
}

int Celtype(float extra) {
    const double t = std::nearbyint(static_cast<double>(extra));
    if (!(t >= -2)) return -2;
    if (t > 1) return 1;
    return static_cast<int>(t);
}

int StandaardBereik(float marker, int celtype) {
    return std::max(0, static_cast<int>(std::nearbyint(marker)) - celtype);
}

bool InStandaardBereik(float T) {
    return T >= StandaardOndergrens && KClEntry(T) <= 300;
}

bool GeleidbaarheidBijNominaleCel(int16_t ruw, int bereik, int celtype, float& G) {
    if (bereik < 0 || bereik > 3) return false;
    G = static_cast<float>(ruw / std::pow(10.0, 7 - bereik - celtype));
    return true;
}

float BerekenCelconstanteFactor(float standaard, float G) {
    return static_cast<float>(static_cast<double>(standaard) * Omrekening / (static_cast<double>(G) * 1000));
}

bool IsBruikbareLezing(float G, float factor, int16_t ruw) {
    return G > 0 && factor > LaagsteBruikbareFactor && ruw <= HoogsteBruikbareLezing;
}

bool IsGeldigeCelconstanteFactor(float factor) {
    return factor >= MinimaleCelconstanteFactor && factor <= MaximaleCelconstanteFactor;
}

float FactorUitCelconstante(const QString& tekst, int celtype) {
    return static_cast<float>(static_cast<double>(TekstNaarSingle(tekst)) / std::pow(10.0, celtype));
}

int MaximaleCelconstanteLengte(int celtype) {
    switch (celtype) {
    case -2:
        return 7;
    case -1:
        return 6;
    default:
        return 5;
    }
}

QString CelconstanteGrenzenTekst(int celtype) {
    return QStringLiteral(" (Min.= ") + CelconstanteTekst(MinimaleCelconstanteFactor, celtype) +
           QStringLiteral("; max.= ") + CelconstanteTekst(MaximaleCelconstanteFactor, celtype) +
           QStringLiteral(").");
}

KalibratieRecord CelconstanteRecord(platform::Datum tijdstip, float factor, int celtype, float nulwaarde,
                                    const CelconstanteMeting* meting) {
    KalibratieRecord r;
    r.Tijdstip = tijdstip;
    r.Helling = factor;
    r.Blanco = static_cast<float>(celtype);
    r.MilliVolt2 = nulwaarde;
    if (meting) {
        r.Standaard1 = meting->Standaard25;
        r.MilliVolt1 = static_cast<float>(meting->G / (Omrekening / 1000));
        r.Temperatuur1 = meting->Temperatuur;
        r.Duur1 = static_cast<float>(std::llabs(meting->Seconden));
    }
    return r;
}
