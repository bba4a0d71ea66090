#pragma once
// The program's date type: days since 1899-12-30 as a double, the fraction being the time of day.
// Text files write dates with the locale's short date and long time formats.
#include <QDate>
#include <QDateTime>
#include <QString>

namespace platform {

using Datum = double;

// The dates the type covers: 1 January 100 (-657434) up to the end of 31 December 9999 (2958465).
inline constexpr Datum VroegsteDatum = -657434.0;
inline constexpr Datum LaatsteDatum = 2958466.0; // exclusive
// A finite date within that range. Dates outside it (read from a damaged file) are never formatted or
// converted: they give an invalid QDateTime and empty texts.
bool IsGeldigeDatum(Datum datum);

Datum DatumUitQDateTime(const QDateTime& moment);
QDateTime QDateTimeUitDatum(Datum datum);
// The day and the time of day of a date, as QDateTimeUitDatum(datum).date() and .time() give them but
// without a look at the local time zone (which building a local QDateTime costs on every call).
QDate DagVan(Datum datum);
QTime TijdVan(Datum datum);
Datum MaakDatum(int jaar, int maand, int dag, int uur = 0, int minuut = 0, int seconde = 0);

// The locale's short date, always with a four-digit year ("ddddd").
QString KorteDatumPatroon();
// The locale's long time without a time-zone name ("ttttt").
QString LangeTijdPatroon();
QString KorteDatum(Datum datum);
QString LangeTijd(Datum datum);
// "ddddd ttttt": the short date, a blank and the long time.
QString DatumTijdTekst(Datum datum);
// Reads a date and/or time written by the functions above under the current locale; else a date (with
// its time) written by them under another common locale: day-first, month-first or year-first numeric
// dates, 24-hour or AM/PM times; a date that fits both day-first and month-first is read in the current
// locale's order. False when the text holds neither.
bool LeesDatumTijd(const QString& tekst, Datum& resultaat);

} // namespace platform
