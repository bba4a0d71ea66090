#include "views/GrafiekInstellenVelden.h"

#include "acquisition/RackModel.h"
#include "files/Grafiekconfiguratie.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Teksten.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

QString TweeCijfers(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool BestaatModule(int rack, int module) {
    return rack >= 1 && rack <= AantalRacks && module >= 1 && module <= AantalModules;
}

int16_t ZonderPunten(const QString& tekst) {
    QString t = tekst;
    t.remove(QLatin1Char('.'));
    return TekstNaarInteger(t);
}

} // namespace

double LeesGetal(const QString& tekst) {
    return TekstNaarDouble(tekst);
}

int16_t ControleerGeheelGetal(const QString& tekst) {
    return std::clamp<int16_t>(ZonderPunten(tekst), 1, 20);
}

int16_t ControleerGetal(const QString& tekst) {
    return std::clamp<int16_t>(ZonderPunten(tekst), 50, 30000);
}

std::optional<int32_t> LeesTussentijd(const QString& tekst, const QString& scheiding) {
    QString t = tekst;
    t.replace(QLatin1Char('_'), QLatin1Char('0'));
    const QStringList delen = t.split(scheiding.isEmpty() ? QStringLiteral(":") : scheiding);
    if (delen.size() != 3) return std::nullopt;
    std::array<int, 3> w{};
    for (int i = 0; i < 3; ++i) {
        const QString deel = delen[i].trimmed();
        if (deel.isEmpty() || deel.size() > 2) return std::nullopt;
        bool ok = false;
        w[i] = deel.toInt(&ok);
        if (!ok || w[i] < 0) return std::nullopt;
    }
    if (w[0] > 23 || w[1] > 59 || w[2] > 59) return std::nullopt;
    return w[0] * 3600 + w[1] * 60 + w[2];
}

int32_t BegrensTussentijd(int32_t seconden) {
    if (seconden < 1) return 3600;
    if (seconden > 3600) return 1;
    return seconden;
}

QString TussentijdTekst(int32_t seconden, const QString& scheiding) {
    const QString s = scheiding.isEmpty() ? QStringLiteral(":") : scheiding;
    const int32_t t = seconden >= 86400 || seconden < 0 ? 0 : seconden;
    return TweeCijfers(t / 3600) + s + TweeCijfers((t / 60) % 60) + s + TweeCijfers(t % 60);
}

QString CurveOmschrijving(int rack, int module, int code) {
    if (!BestaatModule(rack, module) || code < 1 || code > 2 * AantalIngangen) return QString();
    const ModuleRecord& m = Racks[rack].Modules[module];
    const QString begin = Tekst[297] + QLatin1Char(' ') + QString::number(rack) + QStringLiteral(", ") +
                          Tekst[296] + QString::number(module) + QStringLiteral(", ");
    if (code > AantalIngangen) {
        const int k = code - AantalIngangen;
        return begin + QStringLiteral("°C") + QString::number(k) + QStringLiteral(" (") +
               TrimSpaties(m.Temperatuur[k].Unit.tekst()) + QLatin1Char(')');
    }
    return begin + Tekst[295] + QString::number(code) + QStringLiteral(" (") +
           TrimSpaties(m.Meting[code].Unit.tekst()) + QLatin1Char(')');
}

QString RackItemTekst(int rack) {
    if (rack < 1 || rack > AantalRacks) return QString();
    return Tekst[297] + QString::number(rack) + QStringLiteral(": (") +
           TrimSpaties(Racks[rack].Name.tekst()) + QLatin1Char(')');
}

QString ModuleItemTekst(int rack, int module) {
    if (!BestaatModule(rack, module)) return QString();
    return Tekst[296] + QString::number(module) + QStringLiteral(": (") +
           TrimSpaties(Racks[rack].Modules[module].Name) + QLatin1Char(')');
}

QString IngangItemTekst(int rack, int module, int code) {
    if (!BestaatModule(rack, module) || code < 1 || code > 2 * AantalIngangen) return QString();
    const ModuleRecord& m = Racks[rack].Modules[module];
    const bool temperatuur = code > AantalIngangen;
    const int k = temperatuur ? code - AantalIngangen : code;
    const KanaalRecord& kanaal = temperatuur ? m.Temperatuur[k] : m.Meting[k];
    return Tekst[temperatuur ? 337 : 295] + QString::number(k) + QStringLiteral(": (") +
           TrimSpaties(kanaal.Unit.tekst()) + QStringLiteral(", ") + TrimSpaties(m.Meting[k].Name.tekst()) +
           QLatin1Char(')');
}

void KoppelAlarmBereiken(AlarmBereiken& b, bool hoogGestapt, bool omhoog, int hoogWaarde, int laagWaarde) {
    if (hoogGestapt) {
        if (!omhoog && hoogWaarde > laagWaarde) b.hoog.minimum = laagWaarde;
        b.laag.maximum = hoogWaarde;
    } else {
        if (omhoog && laagWaarde < hoogWaarde) b.laag.maximum = hoogWaarde;
        b.hoog.minimum = laagWaarde;
    }
}

GrafiekInstellenGegevens LeesGrafiekGegevens(GrafiekvensterInterface& venster) {
    GrafiekInstellenGegevens g;
    g.naam = venster.Caption();
    g.instellingen = venster.Instellingen();
    for (int n = 1; n <= AantalGrafiekLijnen; ++n)
        for (int i = LijnRack; i <= LijnGemiddelde; ++i)
            g.lijnen[n][i] = venster.LeesGrafiekLijnRef(n, i);
    for (int reeks = 1; reeks <= AantalDiagramReeksen; ++reeks)
        g.kleuren[reeks] = LeesDiagramKleur(venster, reeks);
    return g;
}

void SchrijfGrafiekGegevens(const GrafiekInstellenGegevens& g, GrafiekvensterInterface& venster) {
    venster.ZetTekenen(false);
    venster.Instellingen() = g.instellingen;
    for (int n = 1; n <= AantalGrafiekLijnen; ++n)
        for (int i = LijnRack; i <= LijnGemiddelde; ++i)
            venster.SchrijfGrafiekLijnRef(n, i, g.lijnen[n][i]);
    for (int reeks = 1; reeks <= AantalDiagramReeksen; ++reeks)
        venster.ZetDiagramKleur(reeks, g.kleuren[reeks]);
    venster.ZetCaption(g.naam);
    venster.ZetTekenen(true);
}
