#include "Fabriekomgeving.h"
#include "factory/Beheer.h"
#include "factory/DatabaseFunctions.h"
#include "factory/ProductionList.h"
#include "shared/Melding.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Kolommen = QMap<QString, QVariant>;

class ProductieDatabaseTest : public FabriekOmgeving {
protected:
    QVariant rijen() const { return WaardeUit(db(), QStringLiteral("SELECT COUNT(*) FROM PRODUCTION")); }
    static std::vector<int32_t> series(const ProductionList& lijst) {
        std::vector<int32_t> s;
        for (int i = 1; i <= lijst.Count(); ++i)
            s.push_back(lijst.Item(i)->SerieNbr());
        return s;
    }
    ProductionList lijst;
};

TEST_F(ProductieDatabaseTest, ARowFillsEachPropertyFromItsColumnAndNullsGiveTheDefaults) {
    ASSERT_TRUE(VoegApparaatToe(db(), 41, 23001, QStringLiteral("K762-LONGER-NAME"),
                                {{QStringLiteral("PLANWEEK"), 23},
                                 {QStringLiteral("PLANYEAR"), 2016},
                                 {QStringLiteral("CODE"), QStringLiteral("XY")},
                                 {QStringLiteral("PLANNINGSDATE"), QStringLiteral("2016-03-05")},
                                 {QStringLiteral("PRODUCTIONDATE"), QStringLiteral("2016-06-07")},
                                 {QStringLiteral("ENDCONTROLEDATE"), QStringLiteral("2016-12-31")},
                                 {QStringLiteral("DELIVERYDATE"), QStringLiteral("2017-01-02 10:30:00")},
                                 {QStringLiteral("INVOICEID"), 77},
                                 {QStringLiteral("CONTACTID"), 88},
                                 {QStringLiteral("AFREGELINGID"), 99}}));
    ASSERT_TRUE(VoegApparaatToe(db(), 42, 23002, QString(),
                                {{QStringLiteral("PLANWEEK"), 7},
                                 {QStringLiteral("PLANYEAR"), QStringLiteral("2016")},
                                 {QStringLiteral("PRODUCTIONDATE"), QVariant()}}));
    ASSERT_TRUE(VoegApparaatToe(db(), 43, 23003, QStringLiteral("K761"), {{QStringLiteral("PLANWEEK"), 9}}));

    int32_t tot = 23003;
    ASSERT_EQ(lijst.Load(db(), 23001, tot, QString()), 3);
    const auto a = lijst.Item(1);
    EXPECT_EQ(a->ID(), 41);
    EXPECT_EQ(a->SerieNbr(), 23001);
    EXPECT_EQ(a->Toestel(), QStringLiteral("K762-LONGER-"));
    EXPECT_EQ(a->Week(), QStringLiteral("2316"));
    EXPECT_EQ(a->Kode(), QStringLiteral("X"));
    EXPECT_EQ(a->PlanningDatum(), 50316.0f);
    EXPECT_EQ(a->ProduktieWeergaveDatum(), QStringLiteral("07/06/16"));
    EXPECT_EQ(a->ControleDatum(), 311216.0f);
    EXPECT_EQ(a->LeverDatum(), 20117.0f);
    EXPECT_EQ(a->ProduktieDatum(), 0.0f);
    EXPECT_EQ(a->FaktuurNummer(), 0);
    EXPECT_EQ(a->RecordKlant(), 88);
    EXPECT_EQ(a->RecordAfregeling(), 99);

    const auto b = lijst.Item(2);
    EXPECT_EQ(b->Toestel(), QString(12, QLatin1Char(' ')));
    EXPECT_EQ(b->Week(), QStringLiteral("716 "));
    EXPECT_EQ(b->Kode(), QStringLiteral(" "));
    EXPECT_EQ(b->PlanningDatum(), 0.0f);
    EXPECT_EQ(b->ProduktieWeergaveDatum(), QString());
    EXPECT_EQ(b->ControleDatum(), 0.0f);
    EXPECT_EQ(b->LeverDatum(), 0.0f);
    EXPECT_EQ(b->RecordKlant(), 0);
    EXPECT_EQ(b->RecordAfregeling(), 0);
    // A week without its year is no week.
    EXPECT_EQ(lijst.Item(3)->Week(), QStringLiteral("    "));

    // The production date shows with the locale's date separator.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    ASSERT_EQ(lijst.Load(db(), 23001, tot, QString()), 3);
    EXPECT_EQ(lijst.Item(1)->ProduktieWeergaveDatum(), QStringLiteral("07-06-16"));
    EXPECT_TRUE(melding.meldingen.empty());
}

TEST_F(ProductieDatabaseTest, LoadTakesARangeInSerialOrderOrElseTheUnfinishedDevices) {
    // Inserted out of serial order; 998 is end-controlled, 1003 not yet produced, 1004 has no serial.
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 1001, QStringLiteral("K762")));
    ASSERT_TRUE(VoegApparaatToe(db(), 2, 999, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 3, 1000, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 4, 998, QStringLiteral("K761"),
                                {{QStringLiteral("ENDCONTROLEDATE"), QStringLiteral("2016-03-01")}}));
    ASSERT_TRUE(VoegApparaatToe(db(), 5, 1003, QStringLiteral("K762"),
                                {{QStringLiteral("PRODUCTIONDATE"), QVariant()}}));
    ASSERT_TRUE(VoegApparaatToe(db(), 6, QVariant(), QStringLiteral("K762")));

    int32_t tot = 0;
    EXPECT_EQ(lijst.Load(db(), 1000, tot, QString()), 1);
    EXPECT_EQ(tot, 1000);
    EXPECT_EQ(series(lijst), std::vector<int32_t>({1000}));

    tot = 1003;
    EXPECT_EQ(lijst.Load(db(), 998, tot, QString()), 5);
    EXPECT_EQ(series(lijst), std::vector<int32_t>({998, 999, 1000, 1001, 1003}));
    EXPECT_EQ(lijst.Load(db(), 998, tot, QStringLiteral("K761")), 3);
    EXPECT_EQ(series(lijst), std::vector<int32_t>({998, 999, 1000}));
    EXPECT_EQ(lijst.Load(db(), 998, tot, QStringLiteral("K76")), 5);

    // From 0: produced, not end-controlled, with a serial; the range and the name do not count.
    tot = 5;
    EXPECT_EQ(lijst.Load(db(), 0, tot, QStringLiteral("K762")), 3);
    EXPECT_EQ(tot, 5);
    EXPECT_EQ(series(lijst), std::vector<int32_t>({999, 1000, 1001}));
    EXPECT_EQ(lijst.Item(1)->Toestel(), QStringLiteral("K761        "));

    // A range without rows empties the list; such a query gives nothing at all.
    tot = 2000;
    EXPECT_EQ(lijst.Load(db(), 1500, tot, QString()), 0);
    EXPECT_TRUE(lijst.QueryResult().isEmpty());
    EXPECT_TRUE(melding.meldingen.empty());
}

TEST_F(ProductieDatabaseTest, UpdateWritesOnlyRecordNumbersFrom1To199999) {
    ASSERT_TRUE(VoegApparaatToe(db(), 7, 3001, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 8, 3002, QStringLiteral("K761")));
    const auto item = lijst.FindBySerialNbr(3001, db());
    ASSERT_TRUE(item);
    for (int32_t geweigerd : {0, -5, 200000}) {
        item->ZetRecordAfregeling(geweigerd);
        EXPECT_EQ(item->Update(db()), 0);
        EXPECT_TRUE(AfregelingIdVan(db(), 3001).isNull()) << geweigerd;
    }
    ASSERT_EQ(melding.meldingen.size(), 3u);
    EXPECT_EQ(melding.meldingen[0].tekst, QStringLiteral("Toegelaten waarde tussen 0 en 199999"));
    EXPECT_EQ(melding.meldingen[0].stijl, vbOKOnly);

    for (int32_t toegelaten : {1, 199999}) {
        item->ZetRecordAfregeling(toegelaten);
        EXPECT_EQ(item->Update(db()), 1);
        EXPECT_EQ(AfregelingIdVan(db(), 3001).toInt(), toegelaten);
    }
    EXPECT_TRUE(AfregelingIdVan(db(), 3002).isNull());
    EXPECT_EQ(melding.meldingen.size(), 3u);

    // A row that is gone is not written, and says so.
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("DELETE FROM PRODUCTION WHERE ID = 7")));
    EXPECT_EQ(item->Update(db()), 0);
}

TEST_F(ProductieDatabaseTest, FindServesALoadedItemAndAsksTheDatabaseOnlyForAMissingSerial) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 4001, QStringLiteral("K761"),
                                {{QStringLiteral("ENDCONTROLEDATE"), QStringLiteral("2016-03-01")}}));
    // Any row of the serial is found, end-controlled or not.
    const auto item = lijst.FindBySerialNbr(4001, db());
    ASSERT_TRUE(item);
    EXPECT_EQ(item->ID(), 1);
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("UPDATE PRODUCTION SET AFREGELINGID = 12 WHERE ID = 1")));
    const auto nogmaals = lijst.FindBySerialNbr(4001, db());
    EXPECT_EQ(nogmaals, item);
    EXPECT_EQ(nogmaals->RecordAfregeling(), 0); // as loaded, the database was not asked
    EXPECT_EQ(lijst.Count(), 1);

    EXPECT_FALSE(lijst.FindBySerialNbr(4002, db()));
    ASSERT_TRUE(VoegApparaatToe(db(), 2, 4002, QStringLiteral("K762")));
    const auto later = lijst.FindBySerialNbr(4002, db());
    ASSERT_TRUE(later);
    EXPECT_EQ(later->Toestel().trimmed(), QStringLiteral("K762"));
    EXPECT_EQ(lijst.Count(), 2);
}

TEST_F(ProductieDatabaseTest, TheHighestSerialOfTheTable) {
    EXPECT_EQ(lijst.LoadMaxSerialNbr(db()), 0);
    EXPECT_FALSE(lijst.FindMaxSerialNbr(db()));
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 7002, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 2, 7010, QStringLiteral("K762"),
                                {{QStringLiteral("ENDCONTROLEDATE"), QStringLiteral("2016-03-01")}}));
    ASSERT_TRUE(VoegApparaatToe(db(), 3, 7005, QStringLiteral("K761")));
    EXPECT_EQ(lijst.LoadMaxSerialNbr(db()), 7010);
    const auto hoogste = lijst.FindMaxSerialNbr(db());
    ASSERT_TRUE(hoogste);
    EXPECT_EQ(hoogste->SerieNbr(), 7010);
    EXPECT_EQ(lijst.Count(), 1);
    EXPECT_TRUE(melding.meldingen.empty());
}

TEST_F(ProductieDatabaseTest, TheCollectionKeepsItsOrderAndRefusesATakenKey) {
    auto item = [](int id) {
        auto i = std::make_shared<ProductionItem>();
        QVariantList rij(AantalProductieKolommen);
        rij[KolomID] = id;
        rij[KolomSERIALNBR] = 100 + id;
        EXPECT_FALSE(i->ArrayToProductionItem(rij));
        return i;
    };
    EXPECT_TRUE(lijst.add(item(1)));
    EXPECT_TRUE(lijst.add(item(2)));
    EXPECT_TRUE(lijst.add(item(3)));
    EXPECT_FALSE(lijst.add(item(2)));
    ASSERT_TRUE(lijst.Fout());
    EXPECT_EQ(lijst.Fout()->Nummer, 457);
    lijst.Remove(QStringLiteral("2"));
    lijst.Remove(1);
    EXPECT_EQ(series(lijst), std::vector<int32_t>({103}));
    EXPECT_FALSE(lijst.Item(2));
    EXPECT_FALSE(lijst.Item(0));
}

TEST_F(ProductieDatabaseTest, AMissingDatabaseIsNotAvailableAndIsNeverMade) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    EXPECT_TRUE(ProductieDatabaseBeschikbaar());
    EXPECT_EQ(ToestelVanSerienummer(5001), QStringLiteral("K761"));
    ASSERT_TRUE(ProductieItem);

    ProductieDatabasePad = tijdelijkeMap() + QStringLiteral("/elders/PROD_2016.mdb");
    EXPECT_FALSE(ProductieDatabaseBeschikbaar());
    EXPECT_TRUE(LaadProductie(5001));
    EXPECT_EQ(ToestelVanSerienummer(5001), QString());
    EXPECT_FALSE(ProductieItem);
    EXPECT_TRUE(melding.meldingen.empty());

    // Asked directly, the query reports that it cannot connect, and makes no file.
    const QString ontbreekt = tijdelijkeMap() + QStringLiteral("/TEST_2016.mdb");
    EXPECT_TRUE(LeesRecords(QStringLiteral("SELECT 1"), ontbreekt).isEmpty());
    EXPECT_EQ(VoerSqlUit(QStringLiteral("UPDATE PRODUCTION SET AFREGELINGID = 1"), ontbreekt), -1);
    EXPECT_FALSE(QFile::exists(ontbreekt));
    ASSERT_EQ(melding.meldingen.size(), 2u);
    EXPECT_TRUE(
        melding.meldingen[0].tekst.startsWith(QStringLiteral("\r\nADO Error # 1:\r\n   ADO Error   # ")));
    EXPECT_TRUE(melding.meldingen[0].tekst.contains(QStringLiteral("\r\nRun-time error '")));
    EXPECT_EQ(melding.meldingen[0].stijl, vbOKOnly);
}

TEST_F(ProductieDatabaseTest, AFailingQueryIsReportedAndGivesNoRows) {
    // A database without the view.
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("DROP VIEW VIEW_AFREGELING")));
    int32_t tot = 0;
    EXPECT_EQ(lijst.Load(db(), 1, tot, QString()), 0);
    ASSERT_EQ(melding.meldingen.size(), 1u);
    const QString rapport = melding.meldingen[0].tekst;
    EXPECT_TRUE(rapport.startsWith(QStringLiteral("\r\nRun-time error '"))) << rapport.toStdString();
    EXPECT_TRUE(rapport.contains(QStringLiteral("\r\n   Generated by QSQLITE\r\n   Description  ")));
    EXPECT_TRUE(rapport.contains(QStringLiteral("VIEW_AFREGELING")));

    // A file that is no database at all.
    QFile rommel(tijdelijkeMap() + QStringLiteral("/rommel.mdb"));
    ASSERT_TRUE(rommel.open(QIODevice::WriteOnly));
    rommel.write(QByteArray(4096, 'x'));
    rommel.close();
    EXPECT_TRUE(LeesRecords(QStringLiteral("SELECT * FROM PRODUCTION"), rommel.fileName()).isEmpty());
    EXPECT_EQ(melding.meldingen.size(), 2u);
}

TEST_F(ProductieDatabaseTest, SqlTextInAValueIsBoundAndNeverRun) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 6001, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 2, 6002, QStringLiteral("K761")));
    const QVariant voor = rijen();

    int32_t tot = 9999;
    EXPECT_EQ(lijst.Load(db(), 1, tot, QStringLiteral("K761'); DROP TABLE PRODUCTION; --")), 0);
    EXPECT_EQ(lijst.Load(db(), 1, tot, QStringLiteral("K761' OR '1'='1")), 0);
    EXPECT_EQ(rijen(), voor);

    // A serial column holding SQL text is refused as no number; the table stays.
    ASSERT_TRUE(VoegApparaatToe(db(), 3, QStringLiteral("1; DROP TABLE PRODUCTION"), QStringLiteral("K761")));
    tot = 0;
    EXPECT_EQ(lijst.Load(db(), 0, tot, QString()), 2);
    ASSERT_TRUE(lijst.Fout());
    EXPECT_EQ(lijst.Fout()->Nummer, 13);
    EXPECT_EQ(rijen().toInt(), voor.toInt() + 1);

    // So is a record number holding SQL text.
    ASSERT_TRUE(
        VoegApparaatToe(db(), 4, 6003, QStringLiteral("K761"),
                        {{QStringLiteral("AFREGELINGID"), QStringLiteral("2; DROP TABLE PRODUCTION")}}));
    std::optional<LoopFout> fout;
    EXPECT_EQ(ToestelVanSerienummer(6003, &fout), QString());
    ASSERT_TRUE(fout);
    EXPECT_EQ(fout->Nummer, 13);
    EXPECT_EQ(rijen().toInt(), voor.toInt() + 2);

    // Quotes and URI characters in the path of the database are only part of the name.
    const QString vreemd = tijdelijkeMap() + QStringLiteral("/it's #1?%20 & co.mdb");
    ASSERT_TRUE(QFile::copy(db(), vreemd));
    tot = 6002;
    EXPECT_EQ(lijst.Load(vreemd, 6001, tot, QString()), 2);
    EXPECT_TRUE(melding.meldingen.empty());
}

TEST_F(ProductieDatabaseTest, AFailingLoadIsReportedAndKeepsTheItemsBeforeTheFailure) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 8001, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 2, 8002, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(db(), 3, 8002, QStringLiteral("K762")));
    ASSERT_TRUE(VoegApparaatToe(db(), 4, 8003, QStringLiteral("K761")));
    EXPECT_FALSE(LaadProductie(8002));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(
        melding.meldingen[0].tekst,
        QStringLiteral("Kan '") + db() +
            QStringLiteral("' (Serienummers) niet openen !\r\n\r\n457:\r\nThis key is already associated "
                           "with an element of this collection"));
    EXPECT_EQ(melding.meldingen[0].stijl, vbOKOnly | vbCritical);
    EXPECT_EQ(series(ProductieLijst()), std::vector<int32_t>({8001, 8002}));

    // 250 around a serial at the edge of 32 bits does not fit.
    EXPECT_FALSE(LaadProductie(std::numeric_limits<int32_t>::max() - 100));
    ASSERT_EQ(melding.meldingen.size(), 2u);
    EXPECT_TRUE(melding.meldingen[1].tekst.endsWith(QStringLiteral("\r\n\r\n6:\r\nOverflow")));

    // A row without its ID fails.
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("DROP VIEW VIEW_AFREGELING")));
    ASSERT_TRUE(VoerUitOp(
        db(),
        QStringLiteral("CREATE VIEW VIEW_AFREGELING (ID, SERIALNBR, OBJECTID, NAME, OLDOBJECTNAME, PLANWEEK, "
                       "PLANYEAR, CODE, PLANNINGSDATE, PRODUCTIONDATE, ENDCONTROLEDATE, DELIVERYDATE, "
                       "INVOICEID, CONTACTID, AFREGELINGID, PLANNINGSNBR, CREATIONDATE, "
                       "LASTMODIFICATIONDATE, MODIFICATIONUSER) AS SELECT NULL, SERIALNBR, NULL, 'K761', "
                       "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
                       "NULL FROM PRODUCTION")));
    EXPECT_FALSE(LaadProductie(8001));
    EXPECT_TRUE(melding.meldingen.back().tekst.endsWith(QStringLiteral("94:\r\nInvalid use of Null")));
}

} // namespace
