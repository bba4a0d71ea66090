#include "platform/Datum.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace platform {

namespace {
const QDate nulDatum(1899, 12, 30);
constexpr double msPerDag = 86400000.0;
} // namespace

Datum DatumUitQDateTime(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    const double dagen = static_cast<double>(nulDatum.daysTo(d));
    const double fractie = t.msecsSinceStartOfDay() / msPerDag;
    // Days before the zero date carry the time as a positive fraction after a negative day number.
    return dagen >= 0 ? dagen + fractie : dagen - fractie;
}

namespace {
// The day and the time of day of a date value, without going through the local time zone (which costs
// a look at the zone file on every call and moves times that fall in a daylight-saving gap).
struct DagEnTijd {
    QDate dag;
    QTime tijd;
};
DagEnTijd SplitsDatum(Datum datum) {
    if (!IsGeldigeDatum(datum)) return {};
    const double dagen = std::trunc(datum);
    double fractie = std::fabs(datum - dagen);
    qint64 ms = std::llround(fractie * msPerDag);
    qint64 dagNummer = static_cast<qint64>(dagen);
    if (ms >= static_cast<qint64>(msPerDag)) {
        ms -= static_cast<qint64>(msPerDag);
        dagNummer += datum >= 0 ? 1 : -1;
    }
    return {nulDatum.addDays(dagNummer), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms))};
}
} // namespace

bool IsGeldigeDatum(Datum datum) {
    return std::isfinite(datum) && datum >= VroegsteDatum && datum < LaatsteDatum;
}

QDateTime QDateTimeUitDatum(Datum datum) {
    const DagEnTijd d = SplitsDatum(datum);
    if (!d.dag.isValid()) return {};
    return QDateTime(d.dag, d.tijd);
}

QDate DagVan(Datum datum) {
    return SplitsDatum(datum).dag;
}

QTime TijdVan(Datum datum) {
    return SplitsDatum(datum).tijd;
}

Datum MaakDatum(int jaar, int maand, int dag, int uur, int minuut, int seconde) {
    return DatumUitQDateTime(QDateTime(QDate(jaar, maand, dag), QTime(uur, minuut, seconde)));
}

QString KorteDatumPatroon() {
    QString p = QLocale().dateFormat(QLocale::ShortFormat);
    if (!p.contains(QLatin1String("yyyy"))) p.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return p;
}

QString LangeTijdPatroon() {
    QString p = QLocale().timeFormat(QLocale::LongFormat);
    static const QRegularExpression tijdzone(QStringLiteral("\\s*t+\\s*"));
    p.remove(tijdzone);
    return p.trimmed();
}

QString KorteDatum(Datum datum) {
    return QLocale().toString(SplitsDatum(datum).dag, KorteDatumPatroon());
}

QString LangeTijd(Datum datum) {
    return QLocale().toString(SplitsDatum(datum).tijd, LangeTijdPatroon());
}

QString DatumTijdTekst(Datum datum) {
    if (!IsGeldigeDatum(datum)) return QString();
    return KorteDatum(datum) + QLatin1Char(' ') + LangeTijd(datum);
}

namespace {

// The numeric forms in which the program writes dates under the common locales: day, month and year
// (or month, day and year; or year, month and day) separated by "/", "-" or ".", and optionally a time
// "h:mm" or "h:mm:ss", with or without AM/PM; and the C locale's "d MMM yyyy HH:mm:ss". A date that fits
// day-first and month-first is read in the current locale's order.
bool LeesNumeriekeDatumTijd(const QString& t, Datum& resultaat) {
    static const QRegularExpression vorm(
        QStringLiteral("^(\\d{1,4})[/.-](\\d{1,2})[/.-](\\d{1,4})\\.?"
                       "(?:[ T]+(\\d{1,2})[:.](\\d{2})(?:[:.](\\d{2}))?\\s*([AaPp]\\.?[Mm]\\.?)?)?$"));
    const QRegularExpressionMatch m = vorm.match(t);
    if (!m.hasMatch()) {
        // The C locale's short date: day, English month abbreviation, year.
        const QLocale c = QLocale::c();
        for (const QString& patroon : {QStringLiteral("d MMM yyyy HH:mm:ss"), QStringLiteral("d MMM yyyy")}) {
            const QDateTime dt = c.toDateTime(t, patroon);
            if (dt.isValid()) {
                resultaat = DatumUitQDateTime(dt);
                return true;
            }
        }
        return false;
    }
    const int a = m.captured(1).toInt();
    const int b = m.captured(2).toInt();
    const int c = m.captured(3).toInt();
    QDate dag;
    if (m.captured(1).size() == 4) {
        dag = QDate(a, b, c);
    } else if (m.captured(3).size() == 4) {
        const QString patroon = KorteDatumPatroon();
        const qsizetype d = patroon.indexOf(QLatin1Char('d'));
        const qsizetype M = patroon.indexOf(QLatin1Char('M'));
        const bool maandEerst = d >= 0 && M >= 0 && M < d;
        const QDate dagEerst(c, b, a);
        const QDate maandVoor(c, a, b);
        dag = maandEerst ? (maandVoor.isValid() ? maandVoor : dagEerst)
                         : (dagEerst.isValid() ? dagEerst : maandVoor);
    }
    if (!dag.isValid()) return false;
    QTime tijd(0, 0);
    if (m.hasCaptured(4)) {
        int uur = m.captured(4).toInt();
        const QString ampm = m.captured(7).toUpper();
        if (!ampm.isEmpty()) {
            if (uur < 1 || uur > 12) return false;
            uur = uur % 12 + (ampm.startsWith(QLatin1Char('P')) ? 12 : 0);
        }
        tijd = QTime(uur, m.captured(5).toInt(), m.hasCaptured(6) ? m.captured(6).toInt() : 0);
        if (!tijd.isValid()) return false;
    }
    resultaat = DatumUitQDateTime(QDateTime(dag, tijd));
    return true;
}

} // namespace

bool LeesDatumTijd(const QString& tekst, Datum& resultaat) {
    const QString t = tekst.trimmed();
    const QLocale loc;
    QDateTime dt = loc.toDateTime(t, KorteDatumPatroon() + QLatin1Char(' ') + LangeTijdPatroon());
    if (dt.isValid()) {
        resultaat = DatumUitQDateTime(dt);
        return true;
    }
    const QDate d = loc.toDate(t, KorteDatumPatroon());
    if (d.isValid()) {
        resultaat = DatumUitQDateTime(QDateTime(d, QTime(0, 0)));
        return true;
    }
    const QTime tijd = loc.toTime(t, LangeTijdPatroon());
    if (tijd.isValid()) {
        resultaat = tijd.msecsSinceStartOfDay() / msPerDag;
        return true;
    }
    const QDateTime iso = QDateTime::fromString(t, Qt::ISODate);
    if (iso.isValid()) {
        resultaat = DatumUitQDateTime(iso);
        return true;
    }
    // A file written under another locale.
    return LeesNumeriekeDatumTijd(t, resultaat);
}

} // namespace platform
