#include "platform/IniBestand.h"

#include "platform/Tekstbestand.h"

#include <QStringList>

namespace platform {

namespace {
bool isSectieKop(const QString& regel, QString* naam) {
    const QString t = regel.trimmed();
    if (!t.startsWith(QLatin1Char('['))) return false;
    const qsizetype eind = t.indexOf(QLatin1Char(']'));
    if (eind < 0) return false;
    if (naam) *naam = t.mid(1, eind - 1).trimmed();
    return true;
}
bool isSleutelRegel(const QString& regel, QString* sleutel, QString* waarde) {
    const qsizetype is = regel.indexOf(QLatin1Char('='));
    if (is < 0) return false;
    *sleutel = regel.left(is).trimmed();
    if (waarde) *waarde = regel.mid(is + 1).trimmed();
    return true;
}
QStringList leesRegels(const QString& bestand) {
    QByteArray inhoud;
    if (!LeesBestand(bestand, inhoud)) return {};
    return SplitsRegels(DecodeerTekstbestand(inhoud));
}
} // namespace

QString LeesIniWaarde(const QString& bestand, const QString& sectie, const QString& sleutel,
                      const QString& standaard) {
    bool inSectie = false;
    for (const QString& regel : leesRegels(bestand)) {
        QString naam;
        if (isSectieKop(regel, &naam)) {
            inSectie = naam.compare(sectie.trimmed(), Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, w;
        if (inSectie && isSleutelRegel(regel, &k, &w) &&
            k.compare(sleutel.trimmed(), Qt::CaseInsensitive) == 0) {
            if (w.size() >= 2 && ((w.startsWith(QLatin1Char('"')) && w.endsWith(QLatin1Char('"'))) ||
                                  (w.startsWith(QLatin1Char('\'')) && w.endsWith(QLatin1Char('\'')))))
                w = w.mid(1, w.size() - 2);
            return w;
        }
    }
    return standaard;
}

bool SchrijfIniWaarde(const QString& bestand, const QString& sectie, const QString& sleutel,
                      const QString& waarde) {
    QStringList regels = leesRegels(bestand);
    const QString nieuweRegel = sleutel.trimmed() + QLatin1Char('=') + waarde;
    qsizetype sectieBegin = -1;
    qsizetype invoegNa = -1;
    bool geschreven = false;
    for (qsizetype i = 0; i < regels.size() && !geschreven; ++i) {
        QString naam;
        if (isSectieKop(regels[i], &naam)) {
            if (sectieBegin >= 0) break; // end of our section
            if (naam.compare(sectie.trimmed(), Qt::CaseInsensitive) == 0) {
                sectieBegin = i;
                invoegNa = i;
            }
            continue;
        }
        if (sectieBegin < 0) continue;
        QString k;
        if (isSleutelRegel(regels[i], &k, nullptr)) {
            invoegNa = i;
            if (k.compare(sleutel.trimmed(), Qt::CaseInsensitive) == 0) {
                regels[i] = nieuweRegel;
                geschreven = true;
            }
        }
    }
    if (!geschreven) {
        if (sectieBegin >= 0) {
            regels.insert(invoegNa + 1, nieuweRegel);
        } else {
            regels.append(QLatin1Char('[') + sectie.trimmed() + QLatin1Char(']'));
            regels.append(nieuweRegel);
        }
    }
    QString tekst = regels.join(QStringLiteral("\r\n"));
    tekst += QStringLiteral("\r\n");
    return SchrijfBestandVeilig(bestand, NaarWindows1252(tekst));
}

} // namespace platform
