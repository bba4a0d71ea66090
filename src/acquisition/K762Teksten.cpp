#include "acquisition/K762Teksten.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Temperatuur.h"
#include "shared/Getallen.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <array>
#include <cmath>

namespace {

// Display steps 0..6: full scale 2 x 10^s µS/cm.
struct Stap {
    const char* patroon;
    bool milli; // shown in mS/cm (g/l), else µS/cm (mg/l)
};
constexpr std::array<Stap, 7> Stappen = {{
    {"0.000", false},
    {"0.00", false},
    {"0.0", false},
    {"0", false},
    {"0.00", true},
    {"0.0", true},
    {"0", true},
}};

struct Eenheden {
    const char* klein; // " µS/cm" or " mg/l"
    const char* groot; // " mS/cm" or " g/l"
};
constexpr Eenheden Geleidbaarheid = {" µS/cm", " mS/cm"};
constexpr Eenheden TDS = {" mg/l", " g/l"};

QString Eenheid(const Eenheden& e, bool milli) {
    return QString::fromUtf8(milli ? e.groot : e.klein);
}
QString OverBereik(const Eenheden& e, bool milli) {
    return QStringLiteral("OR.") + Eenheid(e, milli);
}

bool IsStap(int s) {
    return s >= 0 && s < static_cast<int>(Stappen.size());
}

QString OpgemaakteTekst(float waarde, int r, int t, bool controle, const Eenheden& e) {
    const double x = static_cast<double>(waarde) * 1000;
    if (r == -1) {
        struct Grens {
            double vanaf, schaal;
            const char* patroon;
            bool milli;
        };
        static constexpr Grens grenzen[] = {
            {200, 1, "0", true},     {20, 1, "0.0", true},       {2, 1, "0.00", true},
            {0.2, 1000, "0", false}, {0.02, 1000, "0.0", false},
        };
        if (x >= 2000) return OverBereik(e, true);
        for (const Grens& g : grenzen)
            if (x >= g.vanaf)
                return Opmaak(x * g.schaal, QString::fromLatin1(g.patroon)) + Eenheid(e, g.milli);
        return Opmaak(x * 1000, QStringLiteral("0.00")) + Eenheid(e, false);
    }
    const int s = r + t + 2;
    if (!IsStap(s)) return QString();
    const Stap& stap = Stappen[s];
    if (controle && x > 2000) return OverBereik(e, stap.milli);
    const int macht = stap.milli ? 6 - s : 3 - s;
    return Opmaak(x / std::pow(10.0, macht), QString::fromLatin1(stap.patroon)) + Eenheid(e, stap.milli);
}

QString WaardeTekst(float waarde, int r, int t, const Eenheden& e) {
    const int s = r + t + 2;
    if (!IsStap(s)) return QString();
    return OpmaakSingle(waarde, QString::fromLatin1(Stappen[s].patroon)) + Eenheid(e, Stappen[s].milli);
}

QString NaEersteSpatie(const QString& tekst) {
    const QString t = tekst.trimmed();
    return t.mid(t.indexOf(QLatin1Char(' ')) + 1).trimmed();
}

int CelType(const KanaalRecord& k) {
    return HeelGetal16(k.Extra);
}

} // namespace

QString GeleidbaarheidTekst(float waarde, int r, int t, bool controle) {
    return OpgemaakteTekst(waarde, r, t, controle, Geleidbaarheid);
}
QString TDSTekst(float waarde, int r, int t, bool controle) {
    return OpgemaakteTekst(waarde, r, t, controle, TDS);
}
QString GeleidbaarheidWaardeTekst(float waarde, int r, int t) {
    return WaardeTekst(waarde, r, t, Geleidbaarheid);
}
QString ZoutgehalteTekst(float waarde, int r, int t) {
    return WaardeTekst(waarde, r, t, TDS);
}

QString GeleidbaarheidGetalTekst(float waarde, int r, int t, bool controle) {
    QString tekst = GeleidbaarheidTekst(waarde, r, t, controle);
    tekst.remove(QStringLiteral("S/cm"));
    tekst.remove(QString::fromUtf8("µ"));
    tekst.remove(QLatin1Char('m'));
    return tekst.trimmed();
}
QString GeleidbaarheidEenheidTekst(float waarde, int r, int t, bool controle) {
    return NaEersteSpatie(GeleidbaarheidTekst(waarde, r, t, controle));
}
QString TDSGetalTekst(float waarde, int r, int t, bool controle) {
    QString tekst = TDSTekst(waarde, r, t, controle);
    tekst.remove(QStringLiteral("g/l"));
    tekst.remove(QLatin1Char('m'));
    return tekst.trimmed();
}
QString TDSEenheidTekst(float waarde, int r, int t, bool controle) {
    return NaEersteSpatie(TDSTekst(waarde, r, t, controle));
}

QString KanaalWaardeTekstK762(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const KanaalRecord& k = Racks[r].Modules[m].Meting[c];
    switch (ModelMetType(Modeltype::K762).Soort(k.Unit.getrimd())) {
    case Eenheidsoort::Geleidbaarheid:
        return GeleidbaarheidGetalTekst(k.Waarde, k.Resolution, CelType(k), true);
    case Eenheidsoort::TDS:
        return TDSGetalTekst(k.Waarde, k.Resolution, CelType(k), true);
    case Eenheidsoort::Temperatuur:
        return OpmaakSingle(k.Waarde, FormaatWaarde(r, m, c));
    default:
        return QString();
    }
}

QString KanaalEenheidTekstK762(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const KanaalRecord& k = Racks[r].Modules[m].Meting[c];
    switch (ModelMetType(Modeltype::K762).Soort(k.Unit.getrimd())) {
    case Eenheidsoort::Geleidbaarheid:
        return GeleidbaarheidEenheidTekst(k.Waarde, k.Resolution, CelType(k), true);
    case Eenheidsoort::TDS:
        return TDSEenheidTekst(k.Waarde, k.Resolution, CelType(k), true);
    case Eenheidsoort::Temperatuur:
        return Racks[r].Modules[m].Temperatuur[c].Unit.getrimd();
    default:
        return QString();
    }
}

QString GeleidbaarheidGLPTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const KanaalRecord& k = Racks[r].Modules[m].Meting[c];
    const int s = k.Resolution + CelType(k) + 2;
    if (!IsStap(s)) return QString();
    const int macht = Stappen[s].milli ? s - 3 : s;
    return Opmaak(2 * std::pow(10.0, macht), QString::fromLatin1(Stappen[s].patroon)) +
           Eenheid(Geleidbaarheid, Stappen[s].milli);
}

QString CelconstanteTekst(float waarde, int t) {
    const double w = waarde;
    switch (t) {
    case -2:
        return Opmaak(w / 100, QStringLiteral("0.00000"));
    case -1:
        return Opmaak(w / 10, QStringLiteral("0.0000"));
    case 1:
        return Opmaak(w * 10, QStringLiteral("0.00"));
    default:
        return OpmaakSingle(waarde, QStringLiteral("0.000"));
    }
}

QString CelconstanteGLPTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    QString getal;
    switch (CelType(Racks[r].Modules[m].Meting[c])) {
    case -2:
        getal = Opmaak(0.01, QStringLiteral("0.00"));
        break;
    case -1:
        getal = Opmaak(0.1, QStringLiteral("0.0"));
        break;
    case 0:
        getal = Opmaak(1.0, QStringLiteral("0.0"));
        break;
    case 1:
        getal = Opmaak(10.0, QStringLiteral("0"));
        break;
    default:
        return QString();
    }
    return getal + QStringLiteral(" cm-1");
}

QString KClStandaardNaam(const QString& tekst) {
    const QString getrimd = tekst.trimmed();
    QString getal = getrimd.left(getrimd.indexOf(QLatin1Char(' ')));
    getal.replace(QLatin1Char(','), QLatin1Char('.'));
    const float n = TekstNaarSingle(getal);
    if (n == 1413.0f) return Opmaak(1.0 / 100, QStringLiteral("0.00")) + QStringLiteral(" M KCl");
    if (n == 12.88f) return Opmaak(1.0 / 10, QStringLiteral("0.0")) + QStringLiteral(" M KCl");
    if (n == 111.8f) return QStringLiteral("1 M KCl");
    if (n == 0.0f) return Tekst[481];
    return getrimd;
}

QString CompensatieTekst() {
    return Tekst[TemperatuurCompensatie ? 418 : 419];
}

QString InstellingTekstK762(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    return InstellingTekstK762(Racks[r].Modules[m], c);
}

QString InstellingTekstK762(const ModuleRecord& module, int c) {
    if (c < 1 || c > AantalIngangen) return QString();
    return Tekst[module.Temperatuur[c].Extra <= 0.0f ? 419 : 418];
}

QString ReferentieTemperatuurTekst(const QString& eenheid) {
    const float referentie = ReferentieTemperatuur == 0 ? 20.0f : 25.0f;
    return OpmaakSingle(CelsiusNaarEenheid(referentie, eenheid), QStringLiteral("0")) + eenheid;
}
