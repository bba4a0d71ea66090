#include "shared/Opmaak.h"

#include "shared/Instellingen.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

struct Patroon {
    int minimaalHeel = 0; // "0" digits before the point
    int vastDecimaal = 0; // "0" digits after the point
    int losDecimaal = 0;  // "#" digits after the "0"s
    bool punt = false;
};

Patroon LeesPatroon(const QString& patroon) {
    Patroon p;
    bool naPunt = false;
    for (QChar c : patroon) {
        if (c == QLatin1Char('.')) {
            naPunt = p.punt = true;
        } else if (c == QLatin1Char('0')) {
            if (naPunt)
                ++p.vastDecimaal;
            else
                ++p.minimaalHeel;
        } else if (c == QLatin1Char('#') && naPunt) {
            ++p.losDecimaal;
        }
    }
    return p;
}

// A text of decimal digits plus one.
QString PlusEen(QString cijfers) {
    for (qsizetype i = cijfers.size() - 1; i >= 0; --i) {
        if (cijfers.at(i) != QLatin1Char('9')) {
            cijfers[i] = QChar(cijfers.at(i).unicode() + 1);
            return cijfers;
        }
        cijfers[i] = QLatin1Char('0');
    }
    return cijfers.prepend(QLatin1Char('1'));
}

// |waarde| x 10^decimalen rounded half away from zero, as decimal digits, after the value was taken to
// `significant` digits.
QString AfgerondeCijfers(double waarde, int significant, int decimalen) {
    const QString e = QString::number(std::fabs(waarde), 'e', significant - 1);
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    QString cijfers = e.left(ePos);
    cijfers.remove(QLatin1Char('.'));
    const int exponent = e.mid(ePos + 1).toInt();
    const qsizetype schuif = exponent - (cijfers.size() - 1) + decimalen;
    if (schuif >= 0) return cijfers + QString(schuif, QLatin1Char('0'));
    const qsizetype houden = cijfers.size() + schuif;
    if (houden < 0) return QStringLiteral("0");
    const QString r = houden == 0 ? QStringLiteral("0") : cijfers.left(houden);
    return cijfers.at(houden) >= QLatin1Char('5') ? PlusEen(r) : r;
}

QString Formatteer(double waarde, const QString& patroon, int significant) {
    const Patroon p = LeesPatroon(patroon);
    const int decimalen = p.vastDecimaal + p.losDecimaal;
    QString cijfers = AfgerondeCijfers(waarde, significant, decimalen);
    if (cijfers.size() < decimalen + 1)
        cijfers.prepend(QString(decimalen + 1 - cijfers.size(), QLatin1Char('0')));
    QString heel = cijfers.left(cijfers.size() - decimalen);
    QString deel = cijfers.right(decimalen);
    const bool nul =
        std::all_of(cijfers.cbegin(), cijfers.cend(), [](QChar c) { return c == QLatin1Char('0'); });
    while (heel.size() > 1 && heel.at(0) == QLatin1Char('0'))
        heel.remove(0, 1);
    if (heel == QLatin1String("0") && p.minimaalHeel == 0)
        heel.clear();
    else if (heel.size() < p.minimaalHeel)
        heel.prepend(QString(p.minimaalHeel - heel.size(), QLatin1Char('0')));
    while (deel.size() > p.vastDecimaal && deel.endsWith(QLatin1Char('0')))
        deel.chop(1);
    QString tekst = (waarde < 0 && !nul) ? QStringLiteral("-") : QString();
    tekst += heel;
    if (p.punt) tekst += QLocale().decimalPoint() + deel;
    return tekst;
}

} // namespace

QString Opmaak(double waarde, const QString& patroon) {
    if (!std::isfinite(waarde)) return QString();
    if (patroon.isEmpty()) return DoubleAlsTekst(waarde);
    return Formatteer(waarde, patroon, 15);
}

QString OpmaakSingle(float waarde, const QString& patroon) {
    if (!std::isfinite(waarde)) return QString();
    if (patroon.isEmpty()) return SingleAlsTekst(waarde);
    return Formatteer(static_cast<double>(waarde), patroon, 7);
}
