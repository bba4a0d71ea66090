#include "acquisition/Alarmuitgang.h"

#include "acquisition/Grafiekwaarde.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <algorithm>
#include <cmath>
#include <limits>

int16_t AlarmVlaggen[17][8][16];
bool AlarmUitgangUit;

namespace {

constexpr int SoortLaag = 0;
constexpr int SoortHoog = 1;
constexpr int SoortTemperatuur = 2; // added to the kind for the temperature flags

int16_t& Vlag(int r, int m, int soort, int c) {
    return AlarmVlaggen[r][m][soort * 4 + c - 1];
}

void WisVlaggen() {
    std::fill_n(&AlarmVlaggen[0][0][0], sizeof AlarmVlaggen / sizeof(int16_t), int16_t{0});
}

// The flags of input c of module (r, m) for one curve of a graph with these limits: set beyond the
// limit, cleared only once the value is back inside by a twentieth of the span.
void WerkVlaggenBij(int r, int m, int c, bool temperatuur, double waarde, const GrafiekInstellingen& g,
                    const GrafiekCurve& curve) {
    const double laag = g.AlarmLaagWaarde;
    const double hoog = g.AlarmHoogWaarde;
    const double marge = (hoog - laag) / 20.0;
    const int basis = temperatuur ? SoortTemperatuur : 0;
    if (g.AlarmLaag && curve.StatistiekMinimum) {
        int16_t& v = Vlag(r, m, basis + SoortLaag, c);
        if (waarde < laag)
            v = -1;
        else if (waarde > laag + marge)
            v = 0;
    }
    if (g.AlarmHoog && curve.StatistiekMaximum) {
        int16_t& v = Vlag(r, m, basis + SoortHoog, c);
        if (waarde > hoog)
            v = -1;
        else if (waarde < hoog - marge)
            v = 0;
    }
}

int AantalIngangenInAlarm() {
    int aantal = 0;
    for (int r = 1; r <= AantalRacks; ++r)
        for (int m = 1; m <= AantalModules; ++m)
            for (int c = 1; c <= AantalIngangen; ++c)
                if (Vlag(r, m, 0, c) || Vlag(r, m, 1, c) || Vlag(r, m, 2, c) || Vlag(r, m, 3, c)) ++aantal;
    return aantal;
}

} // namespace

void StuurAlarmUitgang(int r, int m, bool init) {
    if (init) {
        WisVlaggen();
        if (OpenAlarmPoort(AlarmPoort) != 1) AlarmUitgangUit = true;
        return;
    }
    if (AlarmUitgangUit || r < 1 || r > AantalRacks || m < 1 || m > AantalModules) return;
    for (int g = 1; g <= AantalGrafieken; ++g) {
        GrafiekvensterInterface* venster = GrafiekVenster(g);
        if (!venster || venster->GrafiekIndex() != g) continue;
        const GrafiekInstellingen& instellingen = venster->Instellingen();
        for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
            GrafiekCurve curve;
            const bool temperatuur = venster->LezenGrafiekIndexen(n, curve);
            if (curve.Rg != r || curve.Mg != m) continue;
            const int c = curve.Kg;
            if (c < 1 || c > AantalIngangen) continue;
            // The limits are set in the units the graph shows (°F, µS/cm, log g/l): the value is taken
            // as the graph shows it. An input run beyond its range ("OR.") is beyond the limit on that
            // side, as the alarm report counts it; any other value the graph cannot show (no reading)
            // leaves the flags as they are.
            double waarde = LiveGrafiekWaarde(r, m, c, temperatuur);
            if (std::isnan(waarde))
                if (const int kant = LiveBuitenBereik(r, m, c, temperatuur); kant != 0)
                    waarde = kant * std::numeric_limits<double>::infinity();
            WerkVlaggenBij(r, m, c, temperatuur, waarde, instellingen, curve);
        }
    }
    MSComm2().zetDTR(AantalIngangenInAlarm() != 0);
}

int16_t OpenAlarmPoort(const QString& poort) {
    auto& lijn = MSComm2();
    if (lijn.isOpen()) return 2;
    // "COMn" names a serial device of the system; any other name is a device path.
    lijn.zetPoort(poort);
    const bool ingesteld = lijn.zetInstellingen(Baudsnelheid + QStringLiteral(",N,8,1"));
    if (ingesteld && lijn.open()) {
        lijn.zetDTR(false);
        lijn.zetRTS(false);
        return 1;
    }
    hoofdvenster().ZetStatusTekst(1, Tekst[148] + poort + Tekst[149]);
    ToonMelding(Tekst[152] + poort + QStringLiteral("' !"), vbExclamation | vbOKOnly,
                QStringLiteral("RS232"));
    return 2;
}

void ResetAlarmuitgang() {
    WisVlaggen();
    AlarmUitgangUit = false;
}
