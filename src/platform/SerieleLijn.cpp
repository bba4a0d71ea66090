#include "platform/SerieleLijn.h"

#include <QStringList>

namespace platform {

bool LeesLijnInstellingen(const QString& tekst, LijnInstellingen& instellingen) {
    const QStringList delen = tekst.split(QLatin1Char(','));
    if (delen.size() != 4) return false;
    bool ok = false;
    LijnInstellingen l;
    l.baud = delen[0].trimmed().toInt(&ok);
    if (!ok || l.baud <= 0) return false;
    const QString p = delen[1].trimmed().toUpper();
    if (p.size() != 1 || !QStringLiteral("NEOMS").contains(p)) return false;
    l.pariteit = p.at(0);
    l.databits = delen[2].trimmed().toInt(&ok);
    if (!ok || l.databits < 5 || l.databits > 8) return false;
    const QString s = delen[3].trimmed();
    if (s == QLatin1String("1"))
        l.stopbits = 1;
    else if (s == QLatin1String("2"))
        l.stopbits = 2;
    else
        return false;
    instellingen = l;
    return true;
}

QString PoortApparaat(const QString& poort) {
    const QString p = poort.trimmed();
    if (p.size() > 3 && p.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0) {
        bool ok = false;
        const int n = p.mid(3).toInt(&ok);
        if (ok && n >= 1) return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    }
    return p;
}

bool SerieleLijn::zetInstellingen(const QString& tekst) {
    LijnInstellingen l;
    if (!LeesLijnInstellingen(tekst, l)) return false;
    m_instellingen = tekst.trimmed();
    m_lijn = l;
    if (isOpen()) pasInstellingenToe();
    return true;
}

} // namespace platform
