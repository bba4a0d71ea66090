#include "calibration/EenpuntBerekening.h"

#include "acquisition/Modellen.h"
#include "acquisition/Temperatuur.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"

#include <algorithm>

EenpuntSoort SoortVanEenheid(const QString& eenheid, bool k762) {
    const QString e = eenheid.trimmed();
    if (IsTemperatuureenheid(e)) return EenpuntSoort::Temperatuur;
    switch (SoortVanTekst(ModelMetType(k762 ? Modeltype::K762 : Modeltype::K761), e)) {
    case Eenheidsoort::Millivolt:
        return EenpuntSoort::Millivolt;
    case Eenheidsoort::ZuurstofMgL:
    case Eenheidsoort::ZuurstofProcent:
        return EenpuntSoort::Zuurstof;
    case Eenheidsoort::Geleidbaarheid:
    case Eenheidsoort::TDS:
        return EenpuntSoort::Geleidbaarheid;
    default:
        return EenpuntSoort::Geen;
    }
}

EenpuntUitkomst MillivoltOffset(float ongecorrigeerdMV, float standaard) {
    const float offset = ongecorrigeerdMV - standaard;
    return {offset, offset >= -OffsetGrensMV && offset <= OffsetGrensMV};
}

EenpuntUitkomst ZuurstofSchaal(float standaard, float gecorrigeerdMV) {
    const float schaal = standaard / SchaalBovengrens <= gecorrigeerdMV ? standaard / gecorrigeerdMV : 0.0f;
    return {schaal, schaal >= SchaalOndergrens && schaal <= SchaalBovengrens};
}

EenpuntUitkomst TemperatuurOffset(float ongecorrigeerdC, float standaardC) {
    const float offset = ongecorrigeerdC - standaardC;
    return {offset, offset >= -OffsetGrensTemperatuur && offset <= OffsetGrensTemperatuur};
}

bool IsDrogeCelAanvaard(float meetwaarde) {
    return meetwaarde * 10.0f <= DrogeCelGrens;
}

float BegrensMillivoltStandaard(float mV) {
    return std::clamp(mV, -2000.0f, 2000.0f);
}

float BegrensTemperatuurStandaard(float waarde, const QString& eenheid) {
    const float c =
        std::clamp(EenheidNaarCelsius(waarde, eenheid), TemperatuurOndergrens, TemperatuurBovengrens);
    return CelsiusNaarEenheid(c, eenheid);
}

float BegrensLuchtdrukWaarde(float hPa) {
    return std::clamp(hPa, 800.0f, 1200.0f);
}

QStringList LeesRecenteStandaarden(const QString& sectie, int aantal) {
    QStringList lijst;
    for (int i = 1; i <= aantal; ++i) {
        const QString w =
            LeesInstelling(AppNaam, sectie, QStringLiteral("RecentStandard%1").arg(i), QString());
        if (!w.isEmpty()) lijst << w;
    }
    return lijst;
}

void SchrijfRecenteStandaard(const QString& sectie, const QString& waarde, int aantal) {
    const auto sleutel = [](int i) { return QStringLiteral("RecentStandard%1").arg(i); };
    for (int i = aantal - 1; i >= 1; --i) {
        const QString w = LeesInstelling(AppNaam, sectie, sleutel(i), QString());
        if (!w.isEmpty()) BewaarInstelling(AppNaam, sectie, sleutel(i + 1), w);
    }
    BewaarInstelling(AppNaam, sectie, sleutel(1), waarde);
}
