#pragma once
// The fields of the program's CSV files (measurement file, logging files, report files): every field
// enclosed in the text qualifier, fields separated by ",", lines ended by CR LF, Windows-1252. A
// qualifier inside a field is written doubled and read back as one, so names and info texts that hold
// it neither break a line nor lose characters. Text outside the qualifier pairs (the commas, blanks)
// is skipped by the readers.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

// The text qualifier, one character: the double quote (set at start-up).
extern QString TekstAfbakening;

// n >= 1: the n-th field of regel ("" when it has fewer), and regel as the rest. n = 0: the first
// field, and as the rest what follows that field's closing qualifier. A line without any qualifier
// gives "" for every n and, for n = 0, an empty rest.
struct VeldEnRest {
    QString veld;
    QString rest;
};
VeldEnRest VolgendVeld(const QString& regel, int16_t n);
// Every field of a line, in order. `onafgesloten` (when given) is set when the last field has no
// closing qualifier (a cut-off line); that field then runs to the end of the line.
QStringList SplitsVelden(QStringView regel, bool* onafgesloten = nullptr);
// Replaces the content of the n-th field (n = 0 counts as 1) by nieuw; everything else, the separators
// included, stays as it stood. An unterminated last field gets its closing qualifier.
void VervangVeld(QString& regel, int16_t n, const QString& nieuw);
// The text after the first occurrence of markering; the whole text when it does not occur.
QString TekstNaMarkering(const QString& tekst, const QString& markering);

// One field as written: qualifier, the text with every qualifier doubled, qualifier, then "," or (last)
// CR LF. An empty qualifier stands for TekstAfbakening.
QString CsvVeld(const QString& tekst, bool laatste, const QString& afbakening = QString());
// The same field appended to a line.
void VoegCsvVeldToe(QString& regel, const QString& tekst, bool laatste,
                    const QString& afbakening = QString());

// Appends one field to the file MaakBestandsnaam(sjabloon, rack, module, kanaal) (created when
// missing). An empty afbakening becomes TekstAfbakening, in the caller's variable too. When the file
// cannot be written, the message box offers Retry and Cancel; Cancel drops the field. False when the
// field was not written.
bool SchrijfVeldNaarBestand(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal,
                            const QString& tekst, bool laatste, QString& afbakening);

// Appends bytes to a logging or report file; when that fails, asks with "The file is in use, access
// to # is rejected!" (Retry, Cancel), titled with the data file. False after Cancel.
bool VoegToeMetNieuwePoging(const QString& pad, const QByteArray& inhoud);

void ResetCsvVelden();
