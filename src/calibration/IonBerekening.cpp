#include "calibration/IonBerekening.h"

#include "acquisition/K761.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <cmath>
#include <cstdlib>

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString IonStandaardTekst(int index) {
    static const std::array<const char*, AantalIonStandaarden> teksten{
        "1.00 ng/l", "10.0 ng/l", "100 ng/l", "1.00 µg/l", "10.0 µg/l", "100 µg/l",
        "1.00 mg/l", "10.0 mg/l", "100 mg/l", "1.00 g/l",  "10.0 g/l"};
    if (index < 0 || index >= AantalIonStandaarden) return QString();
    return QString::fromUtf8(teksten[static_cast<size_t>(index)]);
}

float IonLogConcentratie(int index) {
    return static_cast<float>(index - 9);
}

int VoorkeurStandaard(int lijst) {
    if (lijst == 0) return 3;
    if (lijst == 1) return 6;
    return 0;
}

int GeldigeStandaardIndex(int opgeslagen, int lijst) {
    return opgeslagen >= 0 && opgeslagen < AantalIonStandaarden ? opgeslagen : VoorkeurStandaard(lijst);
}

float BerekenHellingISE(float mV1, float logC1, float mV2, float logC2) {
    if (logC1 == logC2) return 0.0f;
    return (mV1 - mV2) / (logC1 - logC2);
}

float BerekenNulpuntISE(float helling, float mV, float logC) {
    if (helling == 0.0f) return 0.0f;
    return mV / helling - logC;
}

bool IsHellingISEAanvaard(float helling) {
    const float a = std::fabs(helling);
    return a >= IonHellingMinimum && a <= IonHellingMaximum;
}

bool IsNulpuntISEAanvaard(float E) {
    return E >= -IonNulpuntGrens && E <= IonNulpuntGrens;
}

IonUitkomst IonKalibratie(float mV1, float logC1, float mV2, float logC2) {
    IonUitkomst u;
    const float helling = BerekenHellingISE(mV1, logC1, mV2, logC2);
    if (!IsHellingISEAanvaard(helling)) {
        u.Melding = 304;
        return u;
    }
    const float E = BerekenNulpuntISE(helling, mV2, logC2);
    if (!IsNulpuntISEAanvaard(E)) {
        u.Melding = 303;
        return u;
    }
    u.Helling = helling;
    u.Nulpunt = E;
    return u;
}

bool TeKleinVerschil(float mV1, float mV2) {
    return std::fabs(mV1 - mV2) < IonMinimaalVerschil;
}

bool IsBlancoAanvaard(float blancoMV, float mV1, float mV2, float helling, float nulpunt) {
    const float a = BerekenLogConcentratie(blancoMV, helling, nulpunt);
    const float b = BerekenLogConcentratie(mV1, helling, nulpunt);
    const float c = BerekenLogConcentratie(mV2, helling, nulpunt);
    return b > a && c > a;
}

KalibratieRecord IonKalibratieRecord(platform::Datum tijdstip, const IonUitkomst& uitkomst, int index1,
                                     int index2, const IonMeting& standaard1, const IonMeting& standaard2,
                                     float blancoMV) {
    KalibratieRecord r;
    r.Tijdstip = tijdstip;
    r.Nulpunt = uitkomst.Nulpunt;
    r.Helling = uitkomst.Helling;
    r.Blanco = blancoMV;
    r.Standaard1 = IonLogConcentratie(index1);
    r.Standaard2 = IonLogConcentratie(index2);
    r.MilliVolt1 = standaard1.MilliVolt;
    r.MilliVolt2 = standaard2.MilliVolt;
    r.Temperatuur1 = standaard1.Temperatuur;
    r.Temperatuur2 = standaard2.Temperatuur;
    r.Duur1 = static_cast<float>(std::llabs(standaard1.Seconden));
    r.Duur2 = static_cast<float>(std::llabs(standaard2.Seconden));
    return r;
}

QString IonResultaatTekst(const IonUitkomst& uitkomst) {
    return Tekst[305] + CRLF + CRLF + Tekst[270] + QStringLiteral(" (") + Tekst[372] +
           QStringLiteral(") = ") + OpmaakSingle(uitkomst.Helling, QStringLiteral("0.0")) + CRLF +
           Tekst[275] + QStringLiteral(" (") + Tekst[377] + QStringLiteral(") = ") +
           OpmaakSingle(-uitkomst.Nulpunt, QStringLiteral("0.000")) + CRLF;
}
