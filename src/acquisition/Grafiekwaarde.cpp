#include "acquisition/Grafiekwaarde.h"

#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "shared/Getallen.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

constexpr double Geen = std::numeric_limits<double>::quiet_NaN();

bool IsIngang(int r, int m, int k) {
    return r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules && k >= 1 && k <= AantalIngangen;
}

// A text that begins with a number (after an optional sign).
bool BegintMetGetal(const QString& tekst) {
    static const QRegularExpression getal(QStringLiteral("^[+-]?([0-9]|[.,][0-9])"));
    return getal.match(tekst).hasMatch();
}

// g/l per unit of an ion concentration's unit text; the table writes the ion's name first ("NO3 mg/l"),
// so the unit is the last word. 0 for a text that names no concentration unit.
double GramPerLiterDeler(const QString& eenheid) {
    const QString u = eenheid.trimmed().section(QLatin1Char(' '), -1);
    if (u == QLatin1String("ng/l")) return 1e9;
    if (u == QString::fromUtf8("µg/l")) return 1e6;
    if (u == QLatin1String("mg/l")) return 1e3;
    if (u == QLatin1String("g/l")) return 1;
    return 0;
}

} // namespace

Grafiekomzetting Grafiekomzetting::Van(int r, int m, int k, bool temperatuur) {
    Grafiekomzetting z;
    if (temperatuur || !IsIngang(r, m, k)) return z;
    const ModuleRecord& module = Racks[r].Modules[m];
    const Modeltype type = ModelVan(module).type;
    const KanaalRecord& ingang = module.Meting[k];
    if (type == Modeltype::K761 && ingang.Unit.getrimd() == QLatin1String("g/l")) {
        z.soort = Soort::Ion;
    } else if (type == Modeltype::K762) {
        z.soort = Soort::Geleidbaarheid;
        z.decade = static_cast<int>(std::floor(ingang.Extra)) + ingang.Resolution;
    }
    return z;
}

double Grafiekomzetting::Zet(const QString& waarde, const QString& eenheid) const {
    if (waarde.isEmpty() || waarde.startsWith(QLatin1String("OR.")) || !BegintMetGetal(waarde)) return Geen;
    const float x = TekstNaarSingle(waarde);
    switch (soort) {
    case Soort::Getal:
        break;
    case Soort::Ion: {
        const double deler = GramPerLiterDeler(eenheid);
        if (deler == 0) return x;
        // No logarithm of nothing: a concentration of 0 or less is no point.
        if (!(x > 0)) return Geen;
        return static_cast<float>(std::log10(x / deler));
    }
    case Soort::Geleidbaarheid: {
        const QString twee = eenheid.trimmed().left(2);
        if (decade >= -2 && decade <= 1 && (twee == QLatin1String("mS") || twee == QLatin1String("g/")))
            return static_cast<float>(x * 1000);
        if (decade >= 2 && decade <= 4 && (twee == QString::fromUtf8("µS") || twee == QLatin1String("mg")))
            return static_cast<float>(x / 1000);
        break;
    }
    }
    return x;
}

double ConverteerTabelWaarde(int r, int m, int k, const QString& waarde, const QString& eenheid,
                             bool temperatuur) {
    return Grafiekomzetting::Van(r, m, k, temperatuur).Zet(waarde, eenheid);
}

double LiveGrafiekWaarde(int r, int m, int k, bool temperatuur) {
    if (!IsIngang(r, m, k)) return Geen;
    const ModuleRecord& module = Racks[r].Modules[m];
    // A module given up by the poll supervision holds only stale readings, and one not yet read holds
    // none: a gap, as in the table.
    if (!module.Present || !module.Berekend || ModuleOpgegeven(r, m) || !module.Meting[k].Set) return Geen;
    const QString tekst = temperatuur ? TemperatuurTekst(r, m, k) : MeetwaardeTekst(r, m, k);
    const QString eenheid = temperatuur ? module.Temperatuur[k].Unit.getrimd() : EenheidTekst(r, m, k);
    return ConverteerTabelWaarde(r, m, k, tekst.trimmed(), eenheid.trimmed(), temperatuur);
}
