#pragma once
// A production database for tests: made from the same SQL as the sample database, filled with rows
// through bound parameters, and read back directly (not through the code under test).
#include <QMap>
#include <QString>
#include <QVariant>
#include <cstdint>

// Makes the tables and the view in a new file; false when that fails.
bool MaakProductieDatabase(const QString& pad);
// Runs one statement with bound values on its own connection; false when it fails.
bool VoerUitOp(const QString& pad, const QString& sql, const QVariantList& waarden = {});
// The first field of the first row of a query (an invalid QVariant when there is none).
QVariant WaardeUit(const QString& pad, const QString& sql, const QVariantList& waarden = {});
// Every row of a query, each as its fields.
QList<QVariantList> RijenUit(const QString& pad, const QString& sql, const QVariantList& waarden = {});

// Adds a device: row `id` of PRODUCTION with that serial, of type `toestel` (an object of that NAME,
// made when needed; "" for no object), produced on 2016-02-22 and not yet end-controlled; `kolommen`
// sets or overrides further columns of PRODUCTION.
bool VoegApparaatToe(const QString& pad, int id, const QVariant& serie, const QString& toestel,
                     const QMap<QString, QVariant>& kolommen = {});
// AFREGELINGID of the row with that serial.
QVariant AfregelingIdVan(const QString& pad, int32_t serie);
