#include "files/Logboek.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Tijdbasis.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Teksten.h"

QString LogboekPad;

namespace {

// The time of writing as hours, minutes and seconds of two digits each.
QString Tijdstempel(platform::Datum moment) {
    const QTime t = platform::QDateTimeUitDatum(moment).time();
    const QString s = TijdScheidingsteken();
    const auto tweeCijfers = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return tweeCijfers(t.hour()) + s + tweeCijfers(t.minute()) + s + tweeCijfers(t.second());
}

} // namespace

QString LogboekBestandsnaam(platform::Datum dag) {
    return QStringLiteral("K740log####.txt")
        .replace(QStringLiteral("####"),
                 platform::QDateTimeUitDatum(dag).date().toString(QStringLiteral("yyMMdd")));
}

void SchrijfLogboekRegel(int rack, int module, const QString& tekst) {
    if (!LogbestandAan) return;
    const platform::Datum nu = platform::Nu();
    LogboekPad = MapGegevens + QLatin1Char('/') + LogboekBestandsnaam(nu);

    QString regel = Tijdstempel(nu) + QLatin1Char('\t');
    if (rack >= 1 && rack <= AantalRacks) {
        RackRecord& r = Racks[rack];
        r.Name = r.Name.getrimd();
        QString plaats =
            Tekst[297] + QString::number(rack) + QStringLiteral(" (") + r.Name.getrimd() + QLatin1Char(')');
        if (module >= 1 && module <= AantalModules)
            plaats += QLatin1Char('\t') + Tekst[296] + QString::number(module) + QStringLiteral(" (") +
                      TrimSpaties(r.Modules[module].Name) + QLatin1Char(')');
        regel += TrimSpaties(plaats) + QLatin1Char('\t');
    }
    regel += TrimSpaties(tekst) + QStringLiteral("\r\n");
    platform::VoegToeAanBestand(LogboekPad, platform::NaarWindows1252(regel));
}

void ResetLogboek() {
    LogboekPad.clear();
}
