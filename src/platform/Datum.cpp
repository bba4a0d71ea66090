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
    return false;
}

} // namespace platform
