#include "shared/Opmaak.h"

#include "shared/Instellingen.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

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
std::string PlusEen(std::string cijfers) {
    for (auto i = cijfers.size(); i-- > 0;) {
        if (cijfers[i] != '9') {
            ++cijfers[i];
            return cijfers;
        }
        cijfers[i] = '0';
    }
    return cijfers.insert(0, 1, '1');
}

// |waarde| x 10^decimalen rounded half away from zero, as decimal digits, after the value was taken to
// `significant` digits. The rack window shows a dozen values a second this way: the digits are worked
// out in plain characters, without a text object per step.
std::string AfgerondeCijfers(double waarde, int significant, int decimalen) {
    // Rounded half away from zero at the last significant digit, as the number texts of Qt do.
    const QByteArray e = QByteArray::number(std::fabs(waarde), 'e', significant - 1);
    const std::string_view t(e.constData(), static_cast<size_t>(e.size())); // "d.ddde+xx"
    const char* einde = t.data() + t.size();
    const size_t ePos = t.find('e');
    std::string cijfers;
    for (char c : t.substr(0, ePos))
        if (c != '.') cijfers += c;
    int exponent = 0;
    const char* exp = t.data() + ePos + 1;
    if (*exp == '+') ++exp;
    std::from_chars(exp, einde, exponent);
    const long schuif = exponent - (static_cast<long>(cijfers.size()) - 1) + decimalen;
    if (schuif >= 0) return cijfers.append(static_cast<size_t>(schuif), '0');
    const long houden = static_cast<long>(cijfers.size()) + schuif;
    if (houden < 0) return "0";
    std::string r = houden == 0 ? std::string("0") : cijfers.substr(0, static_cast<size_t>(houden));
    return cijfers[static_cast<size_t>(houden)] >= '5' ? PlusEen(std::move(r)) : r;
}

// The decimal sign of the locale now in use, looked up again only when that locale changes.
const QString& Decimaalteken() {
    static QLocale locale;
    static QString teken = locale.decimalPoint();
    if (const QLocale nu; nu != locale) {
        locale = nu;
        teken = nu.decimalPoint();
    }
    return teken;
}

QString Formatteer(double waarde, const QString& patroon, int significant) {
    const Patroon p = LeesPatroon(patroon);
    const int decimalen = p.vastDecimaal + p.losDecimaal;
    std::string cijfers = AfgerondeCijfers(waarde, significant, decimalen);
    const auto nodig = static_cast<size_t>(decimalen) + 1;
    if (cijfers.size() < nodig) cijfers.insert(0, nodig - cijfers.size(), '0');
    std::string_view heel(cijfers.data(), cijfers.size() - static_cast<size_t>(decimalen));
    std::string_view deel(cijfers.data() + heel.size(), static_cast<size_t>(decimalen));
    const bool nul = std::all_of(cijfers.cbegin(), cijfers.cend(), [](char c) { return c == '0'; });
    while (heel.size() > 1 && heel.front() == '0')
        heel.remove_prefix(1);
    std::string tekst = (waarde < 0 && !nul) ? "-" : "";
    if (heel != "0" || p.minimaalHeel != 0) {
        if (heel.size() < static_cast<size_t>(p.minimaalHeel))
            tekst.append(static_cast<size_t>(p.minimaalHeel) - heel.size(), '0');
        tekst += heel;
    }
    while (deel.size() > static_cast<size_t>(p.vastDecimaal) && deel.back() == '0')
        deel.remove_suffix(1);
    QString uit = QString::fromLatin1(tekst.data(), static_cast<qsizetype>(tekst.size()));
    if (p.punt) {
        uit += Decimaalteken();
        uit += QLatin1StringView(deel.data(), static_cast<qsizetype>(deel.size()));
    }
    return uit;
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
