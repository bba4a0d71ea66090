#pragma once
// Access to the production database: an SQLite file reached through Qt Sql. Every call opens its own
// connection, runs one SQL text and closes the connection again; no connection stays open between
// calls. Values from the program are always bound to the "?" placeholders of the text, never pasted
// into it. A failure is shown to the user as an error report in a plain message box.
#include <QList>
#include <QString>
#include <QVariant>
#include <cstdint>

// The rows of a query as [field][row]: result[f][r] is field f of row r. Empty when the query gave no
// row or failed.
using QueryResultaat = QList<QVariantList>;

// A failure inside the factory code that the caller's error trap reports: a number and a description
// (the numbers are those the factory staff know from the former program).
struct LoopFout {
    int32_t Nummer = 0;
    QString Beschrijving;
};
namespace fouten {
LoopFout Overloop();            // 6
LoopFout TypeVerschil();        // 13
LoopFout GeenObject();          // 91
LoopFout OngeldigGebruikNull(); // 94
LoopFout DubbeleSleutel();      // 457
} // namespace fouten

// The name under which a connection reaches the database file at `pad`: an SQLite URI that opens the
// file for reading and writing and never creates it (the program never makes a production database).
QString MaakVerbindingstekst(const QString& pad);
// Runs one SQL command with `waarden` bound to its placeholders, in order. The number of rows it
// changed, or -1 when it failed (the error report has then been shown).
int VoerSqlUit(const QString& sql, const QString& pad, const QVariantList& waarden = {});
// Runs one query with `waarden` bound to its placeholders. Its rows; empty when it gave none or failed
// (the error report has then been shown).
QueryResultaat LeesRecords(const QString& sql, const QString& pad, const QVariantList& waarden = {});
