#include "calibration/PhBerekening.h"

#include "acquisition/K761.h"
#include "acquisition/Temperatuur.h"
#include "shared/Getallen.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float Nernst = 5.04f;

float Kelvin(float T) {
    return CelsiusNaarEenheid(T, QStringLiteral("K"));
}

// The standard value of a buffer: the number of its list entry, else the pH as shown.
float Standaard(const BufferMeting& b) {
    const float uitLijst = TekstNaarSingle(b.LijstTekst);
    return uitLijst != 0.0f ? uitLijst : TekstNaarSingle(b.GetoondPH);
}

float Seconden(qint64 s) {
    return static_cast<float>(std::llabs(s));
}

} // namespace

float MillivoltTolerantie(int resolutie) {
    if (resolutie == 1) return 0.35f;
    if (resolutie == 2) return 0.15f;
    return 0.65f;
}

bool IsEersteBufferPlausibel(float mV, float T, float getoondPH) {
    const float ideaal = PHUitMillivolt(mV, T, 1.0f, 7.0f);
    return std::fabs(ideaal - getoondPH) <= 1.5f;
}

bool VerschillenBuffersGenoegInMillivolt(float mV1, float mV2) {
    return std::fabs(mV1 - mV2) >= 15.0f;
}

bool VerschillenBuffersGenoegInPH(float pH1, float pH2) {
    return !(std::fabs(pH1 - pH2) < 1.5f);
}

float BerekenIsoPH(float helling, float mV, float T, float pH) {
    return mV * Nernst / (Kelvin(T) * helling) + pH;
}

float BerekenHelling(float mV1, float T1, float pH1, float mV2, float T2, float pH2) {
    const float t1 = Kelvin(T1);
    const float t2 = Kelvin(T2);
    return Nernst * (mV1 - mV2 * t1 / t2) / ((pH2 - pH1) * t1);
}

PhUitkomst EenpuntsKalibratie(float mV, float T, float pH) {
    PhUitkomst u;
    const float iso = BerekenIsoPH(1.0f, mV, T, pH);
    if (!(iso >= 6.0f && iso <= 8.0f)) {
        u.Melding = MeldingIsoPH;
        return u;
    }
    u.Helling = 1.0f;
    u.IsoPH = iso;
    return u;
}

PhUitkomst TweepuntsKalibratie(float mV1, float T1, float pH1, float mV2, float T2, float pH2) {
    PhUitkomst u;
    // Equal pH values give no finite slope: rejected like any slope outside the limits.
    const float helling = BerekenHelling(mV1, T1, pH1, mV2, T2, pH2);
    if (!(helling >= 0.8f && helling <= 1.2f)) {
        u.Melding = MeldingHelling;
        return u;
    }
    const float iso = BerekenIsoPH(helling, mV2, T2, pH2);
    if (!(iso >= 6.0f && iso <= 8.0f)) {
        u.Melding = MeldingIsoPH;
        return u;
    }
    u.Helling = helling;
    u.IsoPH = iso;
    return u;
}

KalibratieRecord PhKalibratieRecord(platform::Datum tijdstip, const PhUitkomst& uitkomst,
                                    const BufferMeting& buffer1, const BufferMeting* buffer2) {
    KalibratieRecord r;
    r.Tijdstip = tijdstip;
    r.Nulpunt = uitkomst.IsoPH;
    r.Helling = uitkomst.Helling;
    r.Blanco = 0;
    r.Standaard1 = Standaard(buffer1);
    r.MilliVolt1 = buffer1.MilliVolt;
    r.Temperatuur1 = buffer1.Temperatuur;
    r.Duur1 = Seconden(buffer1.Seconden);
    if (buffer2) {
        r.Standaard2 = Standaard(*buffer2);
        r.MilliVolt2 = buffer2->MilliVolt;
        r.Temperatuur2 = buffer2->Temperatuur;
        r.Duur2 = Seconden(buffer2->Seconden);
    }
    return r;
}

QString PhResultaatTekst(const PhUitkomst& uitkomst) {
    return Tekst[270] + QStringLiteral(" = ") +
           OpmaakSingle(uitkomst.Helling * 100.0f, QStringLiteral("0.0")) + QStringLiteral(" % / ") +
           Tekst[306] + QStringLiteral(" = ") + OpmaakSingle(uitkomst.IsoPH, QStringLiteral("0.000")) +
           QStringLiteral(" pH");
}

QString MinutenSecondenTekst(qint64 seconden) {
    const qint64 s = std::max<qint64>(seconden, 0);
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
