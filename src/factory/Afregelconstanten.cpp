#include "factory/Afregelconstanten.h"

#include "acquisition/K761.h"
#include "acquisition/K762.h"
#include "acquisition/Temperatuur.h"
#include "shared/Opmaak.h"

#include <cmath>
#include <limits>

namespace k761 {
const Constantesoort MvNul{10, GeldigeOffsetK761};
const Constantesoort MvSchaal{10000, GeldigeVersterkingK761};
const Constantesoort TemperatuurSchaal{10000, GeldigeVersterking};
const Constantesoort TemperatuurNul{1, GeldigeAfregelOffset};
const Constantesoort Lekstroom{10, nullptr};
} // namespace k761

namespace k762 {
const Constantesoort Nul{10, GeldigeOffsetK762};
const Constantesoort Schaal{10000, GeldigeVersterking};
const Constantesoort TemperatuurSchaal{10000, GeldigeVersterking};
const Constantesoort TemperatuurNul{1, GeldigeAfregelOffset};
const Constantesoort Frequentie{1, nullptr};
const Constantesoort DcOffset{10, nullptr};

Grenzen FrequentieGrenzen(int r) {
    static constexpr Grenzen grenzen[4] = {{40, 120}, {300, 900}, {300, 900}, {1250, 3750}};
    return grenzen[r < 0 ? 0 : r > 3 ? 3 : r];
}

int32_t ReferentieWeerstand(int r) {
    int32_t ohm = 10;
    for (int k = r; k < 3; ++k)
        ohm *= 10;
    return ohm;
}
} // namespace k762

int32_t RondAfNaarEven(double x) {
    if (!std::isfinite(x)) return 0;
    // The default rounding mode takes halves to the even neighbour.
    const double r = std::nearbyint(x);
    if (r >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

float Gecontroleerd(const Constantesoort& soort, float waarde) {
    return soort.check ? soort.check(waarde) : waarde;
}

bool BinnenGrenzen(const Constantesoort& soort, float waarde) {
    return Gecontroleerd(soort, waarde) == waarde;
}

float UitEEprom(const Constantesoort& soort, int32_t woord) {
    return Gecontroleerd(soort, static_cast<float>(woord / soort.factor));
}

int32_t NaarEEprom(const Constantesoort& soort, float waarde) {
    return RondAfNaarEven(static_cast<double>(waarde) * soort.factor);
}

std::optional<float> LiveWaarde(int32_t ruw, Constantenpaar paar) {
    if (paar.schaal == 0.0f) return std::nullopt;
    const float waarde = static_cast<float>(ruw / 10.0 / paar.schaal + paar.nul);
    if (!std::isfinite(waarde)) return std::nullopt;
    return waarde;
}

std::optional<float> BerekenSchaal(float lezing, float nul, float referentie, const Constantesoort& soort) {
    if (!(2 * nul < lezing) || !(lezing > nul)) return std::nullopt;
    const float schaal = referentie / (lezing - nul);
    if (!std::isfinite(schaal) || !BinnenGrenzen(soort, schaal)) return std::nullopt;
    return schaal;
}

QString Bereiktekst(float laag, const QString& woord, float hoog, const QString& formaat,
                    const QString& referentie) {
    const QString tussen = QStringLiteral(" <= ");
    return OpmaakSingle(laag, formaat) + tussen + woord + tussen + OpmaakSingle(hoog, formaat) +
           QLatin1Char('\n') + referentie;
}

namespace {
Schrijfstap Stap(const Getoond& g, int adres, const Constantesoort& soort, int voortgang) {
    Schrijfstap s;
    if (g.gewijzigd) {
        s.adres = adres;
        s.woord = NaarEEprom(soort, g.waarde);
    }
    s.voortgang = static_cast<int16_t>(voortgang);
    return s;
}
} // namespace

std::vector<Schrijfstap> K761Schrijfstappen(const K761Labels& l) {
    using namespace k761;
    std::vector<Schrijfstap> stappen;
    for (int c = 0; c < 4; ++c) {
        const auto i = static_cast<size_t>(c);
        stappen.push_back(Stap(l.mvNul[i], AdresMvNul(c), MvNul, 4 * c + 1));
        stappen.push_back(Stap(l.mvSchaal[i], AdresMvSchaal(c), MvSchaal, 4 * c + 2));
        stappen.push_back(
            Stap(l.temperatuurSchaal[i], AdresTemperatuurSchaal(c), TemperatuurSchaal, 4 * c + 3));
        stappen.push_back(Stap(l.temperatuurNul[i], AdresTemperatuurNul(c), TemperatuurNul, 4 * c + 4));
        stappen.push_back(Stap(l.lekstroom[i], AdresLekstroom(c), Lekstroom, 4 * c + 4));
    }
    return stappen;
}

std::vector<Schrijfstap> K762Schrijfstappen(const K762Labels& l) {
    using namespace k762;
    std::vector<Schrijfstap> stappen;
    int n = 0;
    for (int j = 0; j < 4; ++j) {
        const auto i = static_cast<size_t>(j);
        for (int k = 0; k < 4; ++k) {
            const auto veld = static_cast<size_t>(VeldIndex(k, j));
            stappen.push_back(Stap(l.nul[veld], AdresNul(j, k), Nul, n));
            stappen.push_back(Stap(l.schaal[veld], AdresSchaal(j, k), Schaal, n + 1));
            n += 2;
        }
        stappen.push_back(Stap(l.frequentie[i], AdresFrequentie(j), Frequentie, n));
        stappen.push_back(Stap(l.temperatuurSchaal[i], AdresTemperatuurSchaal(j), TemperatuurSchaal, n));
        stappen.push_back(Stap(l.temperatuurNul[i], AdresTemperatuurNul(j), TemperatuurNul, n + 1));
        n += 4;
        stappen.push_back(Stap(l.dcOffset[i], AdresDcOffset(j), DcOffset, n));
    }
    return stappen;
}

void VulK761Record(AfregelingRecord& record, const K761Labels& l) {
    for (size_t c = 0; c < 4; ++c) {
        record.MvNul[c] = l.mvNul[c].waarde;
        record.MvSchaal[c] = l.mvSchaal[c].waarde;
        record.TemperatuurNul[c] = l.temperatuurNul[c].waarde;
        record.TemperatuurSchaal[c] = l.temperatuurSchaal[c].waarde;
        record.Lekstroom[c] = l.lekstroom[c].waarde;
    }
}

void VulK762Record(AfregelingRecord& record, const K762Labels& l) {
    for (size_t i = 0; i < 16; ++i) {
        record.BereikNul[i] = l.nul[i].waarde;
        record.BereikSchaal[i] = l.schaal[i].waarde;
    }
    for (size_t c = 0; c < 4; ++c) {
        record.TemperatuurNul[c] = l.temperatuurNul[c].waarde;
        record.TemperatuurSchaal[c] = l.temperatuurSchaal[c].waarde;
        record.Frequentie[c] = l.frequentie[c].waarde;
        record.DcOffset[c] = l.dcOffset[c].waarde;
    }
}
