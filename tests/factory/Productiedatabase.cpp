#include "Productiedatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <functional>

namespace {

// Runs `werk` on a connection of its own to the file (created when missing).
bool MetVerbinding(const QString& pad, const std::function<bool(QSqlDatabase&)>& werk) {
    static int teller = 0;
    const QString naam = QStringLiteral("test-productie-%1").arg(++teller);
    bool gelukt = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), naam);
        db.setDatabaseName(pad);
        if (db.open()) gelukt = werk(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(naam);
    return gelukt;
}

bool Voer(QSqlDatabase& db, const QString& sql, const QVariantList& waarden,
          QList<QVariantList>* rijen = nullptr) {
    QSqlQuery q(db);
    if (!q.prepare(sql)) {
        qWarning() << sql << q.lastError().text();
        return false;
    }
    for (const QVariant& w : waarden)
        q.addBindValue(w);
    if (!q.exec()) {
        qWarning() << sql << q.lastError().text();
        return false;
    }
    while (rijen && q.next()) {
        QVariantList rij;
        for (int v = 0; v < q.record().count(); ++v)
            rij << q.value(v);
        rijen->append(rij);
    }
    return true;
}

} // namespace

bool MaakProductieDatabase(const QString& pad) {
    QFile bestand(QStringLiteral(K740_PRODUCTIE_SQL));
    if (!bestand.open(QIODevice::ReadOnly)) return false;
    QStringList regels;
    for (const QString& regel : QString::fromUtf8(bestand.readAll()).split(QLatin1Char('\n')))
        if (!regel.trimmed().startsWith(QStringLiteral("--"))) regels << regel;
    static const QRegularExpression einde(QStringLiteral(";\\s*\\n"));
    const QStringList opdrachten = (regels.join(QLatin1Char('\n')) + QLatin1Char('\n')).split(einde);
    return MetVerbinding(pad, [&](QSqlDatabase& db) {
        for (const QString& opdracht : opdrachten)
            if (!opdracht.trimmed().isEmpty() && !Voer(db, opdracht, {})) return false;
        return true;
    });
}

bool VoerUitOp(const QString& pad, const QString& sql, const QVariantList& waarden) {
    return MetVerbinding(pad, [&](QSqlDatabase& db) { return Voer(db, sql, waarden); });
}

QList<QVariantList> RijenUit(const QString& pad, const QString& sql, const QVariantList& waarden) {
    QList<QVariantList> rijen;
    MetVerbinding(pad, [&](QSqlDatabase& db) { return Voer(db, sql, waarden, &rijen); });
    return rijen;
}

QVariant WaardeUit(const QString& pad, const QString& sql, const QVariantList& waarden) {
    const QList<QVariantList> rijen = RijenUit(pad, sql, waarden);
    return rijen.isEmpty() || rijen.first().isEmpty() ? QVariant() : rijen.first().first();
}

bool VoegApparaatToe(const QString& pad, int id, const QVariant& serie, const QString& toestel,
                     const QMap<QString, QVariant>& kolommen) {
    QVariant object;
    if (!toestel.isEmpty()) {
        object = WaardeUit(pad, QStringLiteral("SELECT ID FROM OBJECTS WHERE NAME = ?"), {toestel});
        if (!object.isValid()) {
            if (!VoerUitOp(pad, QStringLiteral("INSERT INTO OBJECTS (NAME) VALUES (?)"), {toestel}))
                return false;
            object = WaardeUit(pad, QStringLiteral("SELECT ID FROM OBJECTS WHERE NAME = ?"), {toestel});
        }
    }
    QMap<QString, QVariant> waarden = {{QStringLiteral("ID"), id},
                                       {QStringLiteral("SERIALNBR"), serie},
                                       {QStringLiteral("OBJECTID"), object},
                                       {QStringLiteral("PRODUCTIONDATE"), QStringLiteral("2016-02-22")}};
    for (auto i = kolommen.cbegin(); i != kolommen.cend(); ++i)
        waarden[i.key()] = i.value();
    QStringList vraagtekens;
    for (qsizetype i = 0; i < waarden.size(); ++i)
        vraagtekens << QStringLiteral("?");
    return VoerUitOp(pad,
                     QStringLiteral("INSERT INTO PRODUCTION (") + waarden.keys().join(QStringLiteral(", ")) +
                         QStringLiteral(") VALUES (") + vraagtekens.join(QStringLiteral(", ")) +
                         QStringLiteral(")"),
                     waarden.values());
}

QVariant AfregelingIdVan(const QString& pad, int32_t serie) {
    return WaardeUit(pad, QStringLiteral("SELECT AFREGELINGID FROM PRODUCTION WHERE SERIALNBR = ?"), {serie});
}
