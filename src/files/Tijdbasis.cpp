#include "files/Tijdbasis.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "shared/Getallen.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>

QString TijdScheiding = QStringLiteral(":");

namespace {

constexpr qint64 SecondenPerDag = 86400;

QString TweeCijfers(qint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Nothing but white space, as QString::trimmed() sees it.
bool Leeg(QStringView cel) {
    return std::all_of(cel.begin(), cel.end(), [](QChar c) { return c.isSpace(); });
}

// The same for UTF-8 bytes: ASCII byte by byte, a cell with other characters as its text.
bool Leeg(std::string_view cel) {
    for (const char c : cel) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80) return Leeg(QString::fromUtf8(cel.data(), static_cast<qsizetype>(cel.size())));
        if (b != ' ' && (b < '\t' || b > '\r')) return false;
    }
    return true;
}

} // namespace

qint64 HeleSeconden(platform::Datum d) {
    const qint64 ms = std::llround(d * 86400000.0);
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

bool ZonderTijd(int16_t rack, int16_t module, int32_t rij) {
    const Tabelvenster* venster = TabelVensters.Maak(rack);
    return !venster || (Leeg(venster->CelTekst(module, rij, KolomDatum)) &&
                        Leeg(venster->CelTekst(module, rij, KolomTijd)));
}

bool ZonderTijd(QStringView datum, QStringView tijd) {
    return Leeg(datum) && Leeg(tijd);
}

bool ZonderTijd(std::string_view datum, std::string_view tijd) {
    return Leeg(datum) && Leeg(tijd);
}

QString TijdScheidingsteken() {
    const QString patroon = platform::LangeTijdPatroon();
    qsizetype i = 0;
    while (i < patroon.size() && patroon.at(i) != QLatin1Char('h') && patroon.at(i) != QLatin1Char('H'))
        ++i;
    while (i < patroon.size() && (patroon.at(i) == QLatin1Char('h') || patroon.at(i) == QLatin1Char('H')))
        ++i;
    if (i < patroon.size() && !patroon.at(i).isLetter() && patroon.at(i) != QLatin1Char('\''))
        return patroon.at(i);
    return QStringLiteral(":");
}

TijdCellen TijdCellenVan(platform::Datum tijd) {
    if (!RelatieveTijd || TijdBasis == 0) return {platform::KorteDatum(tijd), platform::LangeTijd(tijd)};
    qint64 s = HeleSeconden(tijd) - HeleSeconden(TijdBasis);
    const QString teken = s >= 0 ? QStringLiteral("+") : QStringLiteral("-");
    s = std::llabs(s);
    const qint64 rest = s % SecondenPerDag;
    return {teken + QString::number(s / SecondenPerDag), teken + TweeCijfers(rest / 3600) + QLatin1Char(':') +
                                                             TweeCijfers((rest % 3600) / 60) +
                                                             QLatin1Char(':') + TweeCijfers(rest % 60)};
}

namespace {
// The longest time text written from its digits.
constexpr qsizetype MaxTijdLengte = 64;
} // namespace

TijdcelOpmaak::TijdcelOpmaak()
    : m_datumPatroon(platform::KorteDatumPatroon()), m_tijdPatroon(platform::LangeTijdPatroon()) {
    // Plain hours, minutes and seconds with separators between them, in the digits 0..9; anything
    // else (a 12-hour clock, quoted text, other digits) is left to the locale.
    if (QLocale().zeroDigit() != QLatin1String("0")) return;
    qsizetype i = 0;
    while (i < m_tijdPatroon.size()) {
        const QChar c = m_tijdPatroon.at(i);
        qsizetype n = 1;
        while (i + n < m_tijdPatroon.size() && m_tijdPatroon.at(i + n) == c)
            ++n;
        if (c == u'H' || c == u'm' || c == u's') {
            if (n > 2) return;
            m_delen.push_back({c.unicode(), QString(), n == 2});
        } else if (c.isLetter() || c == u'\'') {
            return;
        } else {
            m_delen.push_back({0, QString(n, c), false});
        }
        i += n;
    }
    qsizetype lengte = 0;
    for (const Deel& deel : m_delen)
        lengte += deel.soort ? 2 : deel.letterlijk.size();
    m_snel = !m_delen.empty() && lengte <= MaxTijdLengte;
}

const TijdCellen& TijdcelOpmaak::Cellen(platform::Datum tijd) {
    if (RelatieveTijd && TijdBasis != 0) {
        m_heeftTijd = false;
        m_cellen = TijdCellenVan(tijd);
        return m_cellen;
    }
    if (m_heeftTijd && tijd == m_tijd) return m_cellen;
    const QDate dag = platform::DagVan(tijd);
    if (!m_heeftDag || dag != m_dag) {
        m_cellen.kolom1 = QLocale().toString(dag, m_datumPatroon);
        m_dag = dag;
        m_heeftDag = true;
    }
    const QTime t = platform::TijdVan(tijd);
    if (m_snel && t.isValid()) {
        // Written in place: one row after another, the text keeps its room.
        const int delen[] = {t.hour(), t.minute(), t.second()};
        char16_t tekens[MaxTijdLengte];
        qsizetype n = 0;
        for (const Deel& deel : m_delen) {
            if (!deel.soort) {
                std::copy_n(deel.letterlijk.utf16(), deel.letterlijk.size(), tekens + n);
                n += deel.letterlijk.size();
                continue;
            }
            const int waarde = delen[deel.soort == u'H' ? 0 : deel.soort == u'm' ? 1 : 2];
            if (deel.tweeCijfers || waarde >= 10) tekens[n++] = static_cast<char16_t>(u'0' + waarde / 10);
            tekens[n++] = static_cast<char16_t>(u'0' + waarde % 10);
        }
        m_cellen.kolom2.setUnicode(reinterpret_cast<const QChar*>(tekens), n);
    } else {
        m_cellen.kolom2 = QLocale().toString(t, m_tijdPatroon);
    }
    m_tijd = tijd;
    m_heeftTijd = true;
    return m_cellen;
}

platform::Datum TijdVanRij(int16_t rack, int16_t module, int32_t rij) {
    // The cells are in the form they were written in: relative only while there is a zero.
    if (RelatieveTijd && TijdBasis != 0) return TijdUitRelatief(rack, module, rij);
    Tabelvenster* venster = TabelVensters.Maak(rack);
    if (!venster) return 0;
    platform::Datum datum = 0, tijd = 0;
    if (!platform::LeesDatumTijd(venster->CelTekst(module, rij, KolomDatum), datum)) datum = 0;
    if (!platform::LeesDatumTijd(venster->CelTekst(module, rij, KolomTijd), tijd)) tijd = 0;
    return datum + tijd;
}

platform::Datum TijdUitRelatief(int16_t rack, int16_t module, int32_t rij) {
    Tabelvenster* venster = TabelVensters.Maak(rack);
    if (!venster) return 0;
    const QString dagen = venster->CelTekst(module, rij, KolomDatum);
    const QString tijd = venster->CelTekst(module, rij, KolomTijd);
    platform::Datum t = TijdBasis + TekstNaarLong(dagen);
    const double teken = tijd.contains(QLatin1Char('-')) ? -1.0 : 1.0;
    t += teken * TekstNaarInteger(tijd.mid(1, 2)) / 24.0;
    t += teken * TekstNaarInteger(tijd.mid(4, 2)) / 1440.0;
    t += teken * TekstNaarInteger(tijd.mid(7, 2)) / 86400.0;
    return t;
}

void ResetTijdbasis() {
    TijdScheiding = QStringLiteral(":");
}
