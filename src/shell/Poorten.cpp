#include "shell/Poorten.h"

#include "shared/Getallen.h"

#include <QSerialPortInfo>
#include <QStringList>
#include <cmath>

QString CommPoort;

QString GeldigeBaudrate(const QString& tekst) {
    const double v = std::round(Val(tekst));
    if (v < 300 || v > 19200) return QStringLiteral("19200");
    const double k = std::round(std::log2(v / 300.0));
    return QString::number(static_cast<int>(300 * std::pow(2.0, k)));
}

QString GeldigePoort(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.startsWith(QLatin1Char('/'))) return t;
    QString rest = t;
    rest.remove(QStringLiteral("com"), Qt::CaseInsensitive);
    const double n = Val(rest);
    if (n >= 1 && n <= 99 && n == std::floor(n)) return QStringLiteral("COM%1").arg(static_cast<int>(n));
    return QStringLiteral("COM1");
}

QString ZoekSerielePoorten() {
    QStringList namen;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        namen << info.systemLocation();
    namen.sort();
    return namen.join(QStringLiteral(", "));
}

void ResetPoorten() {
    CommPoort.clear();
}
