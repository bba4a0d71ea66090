#include "calibration/KClTabel.h"

#include "platform/Tekstbestand.h"
#include "shared/Getallen.h"

#include <algorithm>
#include <cmath>

namespace {

// Conductivity at 0, 1, ..., 30 °C, in the column's unit of resolution.
constexpr std::array<int, 31> KCl001{776,  800,  823,  847,  872,  896,  920,  945,  970,  995,  1020,
                                     1045, 1070, 1096, 1121, 1147, 1173, 1199, 1225, 1251, 1278, 1305,
                                     1332, 1359, 1386, 1413, 1441, 1468, 1496, 1524, 1552};
constexpr std::array<int, 31> KCl01{715,  736,  757,  779,  800,  822,  844,  866,  888,  910,  933,
                                    956,  979,  1002, 1025, 1048, 1072, 1095, 1119, 1143, 1167, 1191,
                                    1215, 1239, 1264, 1288, 1313, 1337, 1362, 1387, 1412};
constexpr std::array<int, 31> KCl1{654,  671,  688,  706,  723,  741,  759,  777,  795,  814,  832,
                                   850,  869,  887,  906,  925,  944,  963,  982,  1002, 1021, 1040,
                                   1059, 1079, 1098, 1118, 1138, 1157, 1177, 1197, 1217};

KClKolom Kolom(const std::array<int, 31>& graden, double eenheid, int marker) {
    KClKolom k{};
    for (int e = 0; e <= 300; ++e) {
        const int t = e / 10;
        const int tiende = e % 10;
        double w = graden[t];
        if (tiende != 0) w += (graden[t + 1] - graden[t]) * tiende / 10.0;
        k[e] = static_cast<float>(std::nearbyint(w) * eenheid);
    }
    k[KClMarker] = static_cast<float>(marker);
    return k;
}

bool IsGeldigeWaarde(float w) {
    return w >= 0.000005f && w < 1.0f;
}

} // namespace

const KClKolom& IngebouwdeKClKolom(int k) {
    static const std::array<KClKolom, AantalKClStandaarden> kolommen{
        Kolom(KCl001, 1e-6, 1), Kolom(KCl01, 1e-5, 2), Kolom(KCl1, 1e-4, 3)};
    return kolommen[static_cast<size_t>(std::clamp(k, 0, AantalKClStandaarden - 1))];
}

int KClEntry(float T) {
    const float e = std::nearbyint(T * 10.0f);
    if (!(e >= -1000.0f && e <= 1000.0f)) return e > 0 ? 1001 : -1001;
    return static_cast<int>(e);
}

int BereikMarker(float M) {
    if (M < 0.002f) return 1;
    if (M < 0.02f) return 2;
    if (M < 0.2f) return 3;
    return 4;
}

GebruikersStandaard GeenGebruikersStandaard() {
    GebruikersStandaard s;
    s.Kolom[KClMarker] = -1;
    return s;
}

GebruikersStandaard LeesStandaardTekst(const QString& tekst) {
    GebruikersStandaard s = GeenGebruikersStandaard();
    KClKolom& k = s.Kolom;
    for (QString regel : platform::SplitsRegels(tekst)) {
        regel = regel.trimmed();
        if (regel.isEmpty()) continue;
        const QChar eerste = regel.front();
        if (eerste == u'*' || eerste == u';' || eerste == u'\'') continue;
        if (eerste == u'"') {
            QString naam = regel;
            naam.remove(QLatin1Char('"'));
            if (!naam.trimmed().isEmpty()) s.Naam = naam.trimmed();
        }
        const qsizetype scheiding = regel.indexOf(QLatin1Char(';'));
        const float temperatuur = scheiding < 0 ? 0.0f : TekstNaarSingle(regel.left(scheiding));
        const int e = KClEntry(temperatuur);
        if (e < 0 || e > 300) continue;
        const float w = TekstNaarSingle(scheiding < 0 ? regel : regel.mid(scheiding + 1));
        k[e] = IsGeldigeWaarde(w) ? w : 0.0f;
    }

    // Fill the gaps.
    int vorige = -1;
    for (int e = 0; e <= 300; ++e) {
        if (!(k[e] > 0)) continue;
        if (vorige < 0) {
            for (int j = 0; j < e; ++j)
                k[j] = k[e];
        } else {
            for (int j = vorige + 1; j < e; ++j) {
                const float w = static_cast<float>(
                    (static_cast<double>(k[e]) - k[vorige]) * (j - vorige) / (e - vorige) + k[vorige]);
                if (IsGeldigeWaarde(w)) {
                    k[j] = w;
                } else {
                    k[j] = k[e];
                    k[KClMarker] = 0;
                }
            }
        }
        vorige = e;
    }
    if (vorige < 0) return s;
    for (int j = vorige + 1; j <= 300; ++j)
        k[j] = k[vorige];

    // Classify by the largest value.
    float M = k[0];
    for (int e = 1; e <= 300; ++e) {
        if (!(k[e] > 0)) return s;
        M = std::max(M, k[e]);
    }
    k[KClMarker] = static_cast<float>(BereikMarker(M));
    return s;
}
