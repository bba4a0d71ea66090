#include "acquisition/K761Teksten.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackvensterTeksten.h"
#include "shared/Opmaak.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, 26> IonNamen = {
    "Ion", "Ag", "Ba", "BF4", "Br", "Ca", "Cd",  "Cl",  "ClO4", "CO2", "CO3", "Cu", "CN",
    "F",   "I",  "K",  "Pb",  "Mg", "Na", "NH3", "NH4", "NO2",  "NO3", "S",   "WH", "X",
};

// The concentration rows: from the smallest, the first whose upper limit of p = -L is reached gives the
// scale, pattern and unit.
struct ConcentratieRij {
    double pVanaf; // the row holds for p > pVanaf
    double schaal;
    const char* patroon;
    const char* eenheid;
};
constexpr ConcentratieRij ConcentratieRijen[] = {
    {8, 1e9, "0.00", " ng/l"}, {7, 1e9, "0.0", " ng/l"}, {6, 1e9, "0", " ng/l"},    {5, 1e6, "0.00", " µg/l"},
    {4, 1e6, "0.0", " µg/l"},  {3, 1e6, "0", " µg/l"},   {2, 1e3, "0.00", " mg/l"}, {1, 1e3, "0.0", " mg/l"},
    {0, 1e3, "0", " mg/l"},    {-1, 1, "0.00", " g/l"},  {-2, 1, "0.0", " g/l"},
};

QString NaEersteSpatie(const QString& tekst) {
    const QString t = tekst.trimmed();
    const qsizetype spatie = t.indexOf(QLatin1Char(' '));
    return t.mid(spatie + 1).trimmed();
}

} // namespace

QString ConcentratieTekst(float& L) {
    if (L < -12.0f) L = -12.0f;
    if (L >= 2.0f) L = 2.0f;
    const double c = std::pow(10.0, static_cast<double>(L));
    const double p = -static_cast<double>(L);
    for (const ConcentratieRij& rij : ConcentratieRijen)
        if (p > rij.pVanaf)
            return Opmaak(c * rij.schaal, QString::fromLatin1(rij.patroon)) + QString::fromUtf8(rij.eenheid);
    return QStringLiteral("OR. g/l");
}

QString IonGetalTekst(float& L) {
    QString t = ConcentratieTekst(L);
    t.remove(QStringLiteral("g/l"));
    t.remove(QLatin1Char('m'));
    t.remove(QString::fromUtf8("µ"));
    t.remove(QLatin1Char('n'));
    return t.trimmed();
}

QString IonEenheidTekst(float& L) {
    return NaEersteSpatie(ConcentratieTekst(L));
}

QString IonNaam(int index) {
    if (index < 0 || index >= static_cast<int>(IonNamen.size())) return QString();
    return QString::fromLatin1(IonNamen[index]);
}

QString KanaalWaardeTekstK761(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    KanaalRecord& k = Racks[r].Modules[m].Meting[c];
    switch (ModelMetType(Modeltype::K761).Soort(k.Unit.getrimd())) {
    case Eenheidsoort::Ion:
        return IonGetalTekst(k.Waarde);
    case Eenheidsoort::Anders:
        return QString();
    default:
        return OpmaakSingle(k.Waarde, FormaatWaarde(r, m, c));
    }
}

QString KanaalEenheidTekstK761(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    KanaalRecord& k = Racks[r].Modules[m].Meting[c];
    const QString eenheid = k.Unit.getrimd();
    switch (ModelMetType(Modeltype::K761).Soort(eenheid)) {
    case Eenheidsoort::PH:
    case Eenheidsoort::Millivolt:
        return eenheid;
    case Eenheidsoort::ZuurstofMgL:
    case Eenheidsoort::ZuurstofProcent:
        return eenheid + QStringLiteral(" DO");
    case Eenheidsoort::Temperatuur:
        return Racks[r].Modules[m].Temperatuur[c].Unit.getrimd();
    case Eenheidsoort::Ion:
        return IonNaam(k.Resolution) + QLatin1Char(' ') + IonEenheidTekst(k.Waarde);
    default:
        return QString();
    }
}
