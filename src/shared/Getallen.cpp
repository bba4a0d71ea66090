#include "shared/Getallen.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <limits>

namespace {

bool isOverslaan(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The text without the characters the number reader skips.
QString zonderWit(const QString& tekst) {
    QString s;
    s.reserve(tekst.size());
    for (QChar c : tekst)
        if (!isOverslaan(c)) s.append(c);
    return s;
}

double leesRadix(const QString& s, qsizetype i, int radix) {
    double r = 0;
    for (; i < s.size(); ++i) {
        const int v = QString(s.at(i)).toInt(nullptr, 16);
        const QChar c = s.at(i).toUpper();
        const bool isCijfer = c.isDigit() || (radix == 16 && c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!isCijfer || v >= radix) break;
        r = r * radix + v;
    }
    return r;
}

template <typename T> T begrens(double w) {
    if (std::isnan(w)) return 0;
    if (w >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    if (w <= static_cast<double>(std::numeric_limits<T>::lowest())) return std::numeric_limits<T>::lowest();
    return static_cast<T>(w);
}

double rondEven(double w) {
    return std::nearbyint(w);
} // current rounding mode: to nearest, ties to even

} // namespace

double Val(const QString& tekst) {
    const QString s = zonderWit(tekst);
    qsizetype i = 0;
    if (s.size() >= 2 && s.at(0) == QLatin1Char('&')) {
        const QChar p = s.at(1).toUpper();
        if (p == QLatin1Char('H')) return leesRadix(s, 2, 16);
        if (p == QLatin1Char('O')) return leesRadix(s, 2, 8);
    }
    QString getal;
    if (i < s.size() && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+'))) getal.append(s.at(i++));
    bool cijfers = false;
    while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128) {
        getal.append(s.at(i++));
        cijfers = true;
    }
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        getal.append(s.at(i++));
        while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128) {
            getal.append(s.at(i++));
            cijfers = true;
        }
    }
    if (!cijfers) return 0;
    if (i < s.size()) {
        const QChar e = s.at(i).toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            qsizetype j = i + 1;
            QString exp = QStringLiteral("e");
            if (j < s.size() && (s.at(j) == QLatin1Char('-') || s.at(j) == QLatin1Char('+')))
                exp.append(s.at(j++));
            bool expCijfers = false;
            while (j < s.size() && s.at(j).isDigit() && s.at(j).unicode() < 128) {
                exp.append(s.at(j++));
                expCijfers = true;
            }
            if (expCijfers) getal.append(exp);
        }
    }
    bool ok = false;
    const double w = getal.toDouble(&ok); // C locale; gives ±inf beyond the double range
    if (!ok) {
        if (getal.contains(QLatin1Char('e')))
            return getal.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::max()
                                                      : std::numeric_limits<double>::max();
        return 0;
    }
    return w;
}

QString DecimaalTeken() {
    return QString(QLocale().decimalPoint());
}

QString MetDecimaalTeken(const QString& tekst) {
    QString t = tekst;
    t.replace(QLatin1Char('.'), DecimaalTeken());
    return t;
}

float TekstNaarSingle(const QString& tekst) {
    QString t = tekst;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return begrens<float>(Val(t));
}

double TekstNaarDouble(const QString& tekst) {
    QString t = tekst;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const double w = Val(t);
    if (std::isinf(w))
        return w > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    return w;
}

uint8_t TekstNaarByte(const QString& tekst) {
    return begrens<uint8_t>(rondEven(Val(tekst)));
}

int16_t TekstNaarInteger(const QString& tekst) {
    return begrens<int16_t>(rondEven(Val(tekst)));
}

int32_t TekstNaarLong(const QString& tekst) {
    return begrens<int32_t>(rondEven(Val(tekst)));
}

namespace {
// The value of the hexadecimal digits of a text, points ignored; false beyond 32 bits.
bool hexWaarde(const QString& tekst, uint64_t& r) {
    r = 0;
    for (QChar c : tekst) {
        if (c == QLatin1Char('.')) continue;
        const QChar u = c.toUpper();
        int v = 0;
        if (u >= QLatin1Char('A') && u <= QLatin1Char('F'))
            v = u.unicode() - 'A' + 10;
        else if (u >= QLatin1Char('0') && u <= QLatin1Char('9'))
            v = u.unicode() - '0';
        r = r * 16 + static_cast<uint64_t>(v);
        if (r > 0xFFFFFFFFull) return false;
    }
    return true;
}
} // namespace

int32_t HexTekstNaarLong(const QString& tekst) {
    uint64_t r = 0;
    if (!hexWaarde(tekst, r)) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(r));
}

int32_t IdnoUitTekst(const QString& tekst) {
    QStringList delen = tekst.split(QLatin1Char('.'));
    // Four parts; points beyond the third belong to the fourth part (and are ignored there). A text with
    // one or two points reads as its last parts: "A.B" is 0.0.A.B.
    if (delen.size() > 4) {
        const QString vierde = delen.mid(3).join(QString());
        delen = delen.mid(0, 3);
        delen.append(vierde);
    }
    while (delen.size() < 4)
        delen.prepend(QString());
    uint64_t som = 0;
    const uint64_t gewicht[4] = {0x1000000ull, 0x10000ull, 0x100ull, 1ull};
    for (int i = 0; i < 4; ++i) {
        uint64_t deel = 0;
        if (!hexWaarde(delen[i], deel)) return 0;
        som += deel * gewicht[i];
        if (som > 0xFFFFFFFFull) return 0;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(som));
}
