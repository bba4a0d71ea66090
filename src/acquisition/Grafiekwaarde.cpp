#include "acquisition/Grafiekwaarde.h"

#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "shared/Getallen.h"

#include <QRegularExpression>
#include <charconv>
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
struct Concentratiedeler {
    const char* eenheid;
    double deler;
};
constexpr Concentratiedeler Concentratiedelers[] = {{"ng/l", 1e9}, {"µg/l", 1e6}, {"mg/l", 1e3}, {"g/l", 1}};

double GramPerLiterDeler(const QString& eenheid) {
    const QString u = eenheid.trimmed().section(QLatin1Char(' '), -1);
    for (const Concentratiedeler& d : Concentratiedelers)
        if (u == QString::fromUtf8(d.eenheid)) return d.deler;
    return 0;
}

// The blanks QString::trimmed takes off either end, as far as they are ASCII.
bool IsAsciiWit(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimAscii(std::string_view t) {
    while (!t.empty() && IsAsciiWit(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && IsAsciiWit(t.back()))
        t.remove_suffix(1);
    return t;
}

// A text that is nothing but a plain decimal number: an optional minus, digits, and optionally "." or
// "," followed by digits, at most 20 characters. Its value as TekstNaarSingle reads it (both round
// the decimal text correctly to a double, then to single precision; 20 characters stay far inside
// the single range). False for any other text, which then goes the way of the text.
bool LeesGewoonGetal(std::string_view t, float& getal) {
    if (t.empty() || t.size() > 20) return false;
    char bytes[24];
    size_t n = 0;
    size_t i = 0;
    if (t[0] == '-') bytes[n++] = t[i++];
    size_t cijfers = 0;
    size_t decimalen = 0;
    bool punt = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            bytes[n++] = c;
            ++cijfers;
            if (punt) ++decimalen;
        } else if ((c == '.' || c == ',') && !punt && cijfers > 0) {
            bytes[n++] = '.';
            punt = true;
        } else {
            return false;
        }
    }
    if (cijfers == 0 || (punt && decimalen == 0)) return false;
    double w = 0;
    const auto [einde, fout] = std::from_chars(bytes, bytes + n, w);
    if (fout != std::errc() || einde != bytes + n) return false;
    getal = static_cast<float>(w);
    return true;
}

} // namespace

Grafiekomzetting Grafiekomzetting::Van(int r, int m, int k, bool temperatuur) {
    Grafiekomzetting z;
    if (temperatuur || !IsIngang(r, m, k)) return z;
    const ModuleRecord& module = Racks[r].Modules[m];
    const KanaalRecord& ingang = module.Meting[k];
    switch (EenheidVan(module, k).grafiek) {
    case Grafieksoort::Getal:
        break;
    case Grafieksoort::Ion:
        z.soort = Soort::Ion;
        break;
    case Grafieksoort::Geleidbaarheid:
        z.soort = Soort::Geleidbaarheid;
        z.decade = static_cast<int>(std::floor(ingang.Extra)) + ingang.Resolution;
        break;
    }
    return z;
}

double Grafiekomzetting::Zet(const QString& waarde, const QString& eenheid) const {
    if (waarde.isEmpty() || waarde.startsWith(QLatin1String("OR.")) || !BegintMetGetal(waarde)) return Geen;
    return Pas(TekstNaarSingle(waarde), Werking(eenheid));
}

Grafiekomzetting::Eenheidswerking Grafiekomzetting::Werking(const QString& eenheid) const {
    Eenheidswerking w;
    switch (soort) {
    case Soort::Getal:
        break;
    case Soort::Ion:
        w.deler = GramPerLiterDeler(eenheid);
        if (w.deler != 0) w.soort = Eenheidswerking::Soort::Log;
        break;
    case Soort::Geleidbaarheid: {
        const QString twee = eenheid.trimmed().left(2);
        if (decade >= -2 && decade <= 1 && (twee == QLatin1String("mS") || twee == QLatin1String("g/")))
            w.soort = Eenheidswerking::Soort::Maal1000;
        else if (decade >= 2 && decade <= 4 &&
                 (twee == QString::fromUtf8("µS") || twee == QLatin1String("mg")))
            w.soort = Eenheidswerking::Soort::Door1000;
        break;
    }
    }
    return w;
}

double Grafiekomzetting::Pas(float x, Eenheidswerking werking) {
    switch (werking.soort) {
    case Eenheidswerking::Soort::Geen:
        break;
    case Eenheidswerking::Soort::Log:
        // No logarithm of nothing: a concentration of 0 or less is no point.
        if (!(x > 0)) return Geen;
        return static_cast<float>(std::log10(x / werking.deler));
    case Eenheidswerking::Soort::Maal1000:
        return static_cast<float>(x * 1000);
    case Eenheidswerking::Soort::Door1000:
        return static_cast<float>(x / 1000);
    }
    return x;
}

double Grafiekcellen::Zet(std::string_view waarde, std::string_view eenheid) {
    const std::string_view w = TrimAscii(waarde);
    if (w.empty() || w.substr(0, 3) == "OR.") return Geen;
    float x = 0;
    if (!LeesGewoonGetal(w, x))
        return m_omzetting.Zet(
            QString::fromUtf8(waarde.data(), static_cast<qsizetype>(waarde.size())).trimmed(),
            QString::fromUtf8(eenheid.data(), static_cast<qsizetype>(eenheid.size())).trimmed());
    if (!m_omzetting.LeestEenheid()) return x;
    if (!m_werkingBekend || eenheid != m_eenheid) {
        m_werking = m_omzetting.Werking(
            QString::fromUtf8(eenheid.data(), static_cast<qsizetype>(eenheid.size())).trimmed());
        m_eenheid.assign(eenheid);
        m_werkingBekend = true;
    }
    return Grafiekomzetting::Pas(x, m_werking);
}

double ConverteerTabelWaarde(int r, int m, int k, const QString& waarde, const QString& eenheid,
                             bool temperatuur) {
    return Grafiekomzetting::Van(r, m, k, temperatuur).Zet(waarde, eenheid);
}

namespace {

// A module given up by the poll supervision holds only stale readings, and one not yet read holds
// none: a gap, as in the table.
bool IsActueel(int r, int m, int k) {
    if (!IsIngang(r, m, k)) return false;
    const ModuleRecord& module = Racks[r].Modules[m];
    return module.Present && module.Berekend && !ModuleOpgegeven(r, m) && module.Meting[k].Set;
}

} // namespace

double LiveGrafiekWaarde(int r, int m, int k, bool temperatuur) {
    if (!IsActueel(r, m, k)) return Geen;
    const ModuleRecord& module = Racks[r].Modules[m];
    const QString tekst = temperatuur ? TemperatuurTekst(r, m, k) : MeetwaardeTekst(r, m, k);
    const QString eenheid = temperatuur ? module.Temperatuur[k].Unit.getrimd() : EenheidTekst(r, m, k);
    return ConverteerTabelWaarde(r, m, k, tekst.trimmed(), eenheid.trimmed(), temperatuur);
}

int LiveBuitenBereik(int r, int m, int k, bool temperatuur) {
    if (!IsActueel(r, m, k)) return 0;
    const ModuleRecord& module = Racks[r].Modules[m];
    const KanaalRecord& ingang = module.Meting[k];
    if (temperatuur) {
        if (ingang.Flags & VlagTemperatuurTeHoog) return 1;
        if (ingang.Flags & VlagTemperatuurTeLaag) return -1;
        return 0;
    }
    // A value that is no finite number is shown as over range.
    if (std::isnan(ingang.Waarde)) return 1;
    if (std::isinf(ingang.Waarde)) return ingang.Waarde > 0 ? 1 : -1;
    if (!(ingang.Flags & (VlagBovenBereik | VlagOnderBereik))) return 0;
    if (EenheidsoortVan(module, k) == Eenheidsoort::PH) return ingang.Waarde < 7.0f ? -1 : 1;
    return (ingang.Flags & VlagBovenBereik) ? 1 : -1;
}
