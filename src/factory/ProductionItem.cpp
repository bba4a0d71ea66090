#include "factory/ProductionItem.h"

#include "shared/Melding.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

// A text of exactly n characters: cut, or padded with blanks.
QString VastTekst(const QString& tekst, int n) {
    return tekst.left(n).leftJustified(n, QLatin1Char(' '));
}

// A whole 32-bit number from a column; a null gives `null` (nullopt: a null is a failure).
std::optional<LoopFout> LeesGeheel(const QVariant& waarde, int32_t& uit, std::optional<int32_t> null) {
    if (waarde.isNull()) {
        if (!null) return fouten::OngeldigGebruikNull();
        uit = *null;
        return std::nullopt;
    }
    bool ok = false;
    qlonglong getal = waarde.toLongLong(&ok);
    if (!ok) {
        const double d = waarde.toDouble(&ok);
        if (!ok || !std::isfinite(d)) return fouten::TypeVerschil();
        if (std::fabs(d) > 4e9) return fouten::Overloop();
        getal = static_cast<qlonglong>(std::nearbyint(d));
    }
    if (getal < std::numeric_limits<int32_t>::min() || getal > std::numeric_limits<int32_t>::max())
        return fouten::Overloop();
    uit = static_cast<int32_t>(getal);
    return std::nullopt;
}

// A date column: ISO text ("2016-03-05", a time may follow) or a date value. A null gives a null date;
// anything else that is no date is a failure.
std::optional<LoopFout> LeesDatum(const QVariant& waarde, QDate& uit) {
    uit = QDate();
    if (waarde.isNull()) return std::nullopt;
    if (waarde.typeId() == QMetaType::QDate || waarde.typeId() == QMetaType::QDateTime) {
        uit = waarde.toDate();
    } else {
        uit = QDate::fromString(waarde.toString().trimmed().left(10), Qt::ISODate);
    }
    if (!uit.isValid()) return fouten::TypeVerschil();
    return std::nullopt;
}

// The date as the number whose digits read "DDMMYY"; 0 for a null date.
float DDMMYY(const QDate& datum) {
    if (!datum.isValid()) return 0.0f;
    return static_cast<float>(datum.day() * 10000 + datum.month() * 100 + datum.year() % 100);
}

// The locale's date separator: the first character of its short date pattern that is no letter.
QChar DatumScheiding() {
    for (QChar c : QLocale().dateFormat(QLocale::ShortFormat))
        if (!c.isLetter() && c != QLatin1Char('\'')) return c;
    return QLatin1Char('/');
}

} // namespace

std::optional<LoopFout> ProductionItem::ArrayToProductionItem(const QVariantList& rij) {
    if (rij.isEmpty()) return std::nullopt;
    if (rij.size() < AantalProductieKolommen) return fouten::TypeVerschil();

    if (auto f = LeesGeheel(rij[KolomID], m_id, std::nullopt)) return f;
    if (auto f = LeesGeheel(rij[KolomSERIALNBR], m_serieNbr, std::nullopt)) return f;

    const QVariant& naam = rij[KolomNAME];
    m_toestel = VastTekst(naam.isNull() ? QString() : naam.toString(), 12);

    const QVariant& week = rij[KolomPLANWEEK];
    const QVariant& jaar = rij[KolomPLANYEAR];
    m_week = week.isNull() || jaar.isNull() ? QString(4, QLatin1Char(' '))
                                            : VastTekst(week.toString() + jaar.toString().mid(2, 2), 4);

    const QVariant& code = rij[KolomCODE];
    m_kode = VastTekst(code.isNull() ? QString() : code.toString(), 1);

    QDate datum;
    if (auto f = LeesDatum(rij[KolomPLANNINGSDATE], datum)) return f;
    m_planningDatum = DDMMYY(datum);
    if (auto f = LeesDatum(rij[KolomPRODUCTIONDATE], datum)) return f;
    const QString scheiding(DatumScheiding());
    m_produktieWeergaveDatum = datum.isValid()
                                   ? datum.toString(QStringLiteral("dd") + scheiding + QStringLiteral("MM") +
                                                    scheiding + QStringLiteral("yy"))
                                   : QString();
    if (auto f = LeesDatum(rij[KolomDELIVERYDATE], datum)) return f;
    m_leverDatum = DDMMYY(datum);
    if (auto f = LeesDatum(rij[KolomENDCONTROLEDATE], datum)) return f;
    m_controleDatum = DDMMYY(datum);

    m_faktuurNummer = 0;
    if (auto f = LeesGeheel(rij[KolomCONTACTID], m_recordKlant, 0)) return f;
    if (auto f = LeesGeheel(rij[KolomAFREGELINGID], m_recordAfregeling, 0)) return f;
    return std::nullopt;
}

bool ProductionItem::ControleerRecordAfregeling() const {
    if (m_recordAfregeling >= 1 && m_recordAfregeling <= HoogsteRecordAfregeling) return true;
    ToonStandaardMelding(QStringLiteral("Toegelaten waarde tussen 0 en 199999"), vbOKOnly);
    return false;
}

QString ProductionItem::MaakUpdateSql(const QString& veld) const {
    return QStringLiteral("UPDATE PRODUCTION SET ") + veld + QStringLiteral(" = ? WHERE ID=?");
}

int16_t ProductionItem::Update(const QString& pad) {
    if (!ControleerRecordAfregeling()) return 0;
    const int rijen = VoerSqlUit(MaakUpdateSql(QStringLiteral("AFREGELINGID")), pad,
                                 {QVariant(m_recordAfregeling), QVariant(m_id)});
    return rijen >= 1 ? 1 : 0;
}
