#include "factory/Afregeling.h"
#include "Fabriekomgeving.h"
#include "RacklijnOmgeving.h"
#include "acquisition/RackModel.h"
#include "factory/Afregelbestand.h"
#include "factory/Beheer.h"
#include "platform/Klok.h"
#include "shared/Getallen.h"
#include "shared/Melding.h"

#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::MaakDatum;

const int32_t IdnoK761 = IdnoUitTekst(QStringLiteral("F.1.2.3"));
const int32_t IdnoK762 = IdnoUitTekst(QStringLiteral("C.4.5.6"));
constexpr double EenSeconde = 1.0 / 86400;
const QString TekstSerieType = QStringLiteral("Opgegeven serienummer en toesteltype stemmen niet overeen!");
const QString TekstIdentificatie = QStringLiteral(
    "Reeds geprogrammeerde Identificatiecode en zojuist afgeregelde code stemmen niet overeen!");

class AfregelingTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        m_logname = qgetenv("LOGNAME");
        qputenv("LOGNAME", "jan");
        RichtFabriekIn(tijdelijkeMap());
        melding.installeer();
        PlaatsRack(emulator, 1, IdnoUitTekst(QStringLiteral("1.F.F.F")), {{3, IdnoK761}, {4, IdnoK762}});
        Racks[1].Modules[3].Type = "K761";
        Racks[1].Modules[4].Type = "K762";
    }
    void TearDown() override {
        qputenv("LOGNAME", m_logname);
        RacklijnOmgeving::TearDown();
    }
    QString db() const { return ProductieDatabasePad; }
    QString pad() const { return AfregelBestandPad(); }
    QByteArray bestand() const {
        QFile f(pad());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void schrijf(const QByteArray& inhoud) const {
        QFile f(pad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhoud);
    }
    static AfregelingRecord opgeslagen(int32_t serie, platform::Datum datum, int32_t idno = IdnoK761,
                                       const QString& type = QStringLiteral("K761")) {
        AfregelingRecord r;
        r.Serienummer = serie;
        r.Toesteltype = type;
        r.Operator = QStringLiteral("piet");
        r.AfregelDatum = datum;
        r.AantalAfregelingen = 4;
        r.Identificatiecode = idno;
        r.MvNul = {0.5f, -0.25f, 1.0f, 2.0f};
        return r;
    }
    static QByteArray records(std::initializer_list<AfregelingRecord> lijst) {
        QByteArray b;
        for (const AfregelingRecord& r : lijst)
            b += AfregelRecordNaarBytes(r);
        return b;
    }
    AfregelingRecord record(int n) const { return AfregelRecordUitBytes(bestand().mid((n - 1) * 330, 330)); }
    QString controleer(int32_t serie, int module = 3, bool zonderIdControle = false) {
        return ControleerAfregeling(serie, 1, module, zonderIdControle);
    }
    bool bewaar(int32_t serie, bool gewijzigd = true, int module = 3) {
        AfregelSerienummer = serie;
        return BewaarAfregeling(serie, 1, module, gewijzigd);
    }

    MeldingOpname melding;
    const QString vandaag = QStringLiteral("05/01/2026");

private:
    QByteArray m_logname;
};

// Restores the file-size limit of the process, and lets a write past it fail instead of ending the
// process.
class BestandsgrootteGrens {
public:
    explicit BestandsgrootteGrens(rlim_t grens) {
        m_signaal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_oud);
        zet(grens);
    }
    ~BestandsgrootteGrens() {
        setrlimit(RLIMIT_FSIZE, &m_oud);
        std::signal(SIGXFSZ, m_signaal);
    }
    void zet(rlim_t grens) {
        rlimit nieuw = m_oud;
        nieuw.rlim_cur = std::min(grens, m_oud.rlim_max);
        setrlimit(RLIMIT_FSIZE, &nieuw);
    }
    void vrij() { setrlimit(RLIMIT_FSIZE, &m_oud); }

private:
    rlimit m_oud{};
    void (*m_signaal)(int) = nullptr;
};

TEST_F(AfregelingTest, TheRecordIs330BytesWithEachFieldAtItsOffset) {
    AfregelingRecord r;
    r.Serienummer = 0x01020304;
    r.Toesteltype = QStringLiteral("K762");
    r.Operator = QStringLiteral("Zoë");
    r.SoftwareVersie = 1.5f;
    r.AfregelDatum = 45000.75;
    r.AantalAfregelingen = -2;
    r.MvNul[0] = 1.0f;
    r.MvSchaal[0] = 2.0f;
    r.Lekstroom[3] = 3.0f;
    r.BereikNul[0] = 4.0f;
    r.BereikNul[15] = 5.0f;
    r.BereikSchaal[0] = 6.0f;
    r.Frequentie[0] = 7.0f;
    r.DcOffset[3] = 8.0f;
    r.Gereserveerd[0] = 0xA1B2C3D4;
    r.TemperatuurSchaal[0] = 9.0f;
    r.TemperatuurNul[3] = 10.0f;
    r.Identificatiecode = IdnoK762;
    const QByteArray b = AfregelRecordNaarBytes(r);
    ASSERT_EQ(b.size(), 330);
    auto single = [&](int plaats) {
        return std::bit_cast<float>(qFromLittleEndian<quint32>(b.constData() + plaats));
    };
    EXPECT_EQ(b.left(4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(b.mid(4, 6), QByteArray("K762  "));
    EXPECT_EQ(b.mid(10, 30), QByteArray("Zo\xEB") + QByteArray(27, ' '));
    r.Operator = QString::fromUtf8("Zo\u00eb \u0141ukasz");
    EXPECT_EQ(AfregelRecordNaarBytes(r).mid(10, 30), QByteArray("Zo\xEB ?ukasz") + QByteArray(20, ' '));
    EXPECT_EQ(single(40), 1.5f);
    EXPECT_EQ(std::bit_cast<double>(qFromLittleEndian<quint64>(b.constData() + 44)), 45000.75);
    EXPECT_EQ(b.mid(52, 2), QByteArray("\xFE\xFF", 2));
    EXPECT_EQ(single(54), 1.0f);
    EXPECT_EQ(single(70), 2.0f);
    EXPECT_EQ(single(86 + 12), 3.0f);
    EXPECT_EQ(single(102), 4.0f);
    EXPECT_EQ(single(102 + 60), 5.0f);
    EXPECT_EQ(single(166), 6.0f);
    EXPECT_EQ(single(230), 7.0f);
    EXPECT_EQ(single(246 + 12), 8.0f);
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 262), 0xA1B2C3D4u);
    EXPECT_EQ(single(294), 9.0f);
    EXPECT_EQ(single(310 + 12), 10.0f);
    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 326), IdnoK762);

    // Whatever a record holds (not-a-number patterns included) reads and writes back byte for byte.
    QByteArray willekeurig(330, '\0');
    for (char& c : willekeurig)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    willekeurig.replace(4, 36, QByteArray("K761  operator with a long name and "));
    ASSERT_EQ(willekeurig.size(), 330);
    qToLittleEndian<quint32>(0x7FA00001, willekeurig.data() + 262); // a signalling NaN
    EXPECT_EQ(AfregelRecordNaarBytes(AfregelRecordUitBytes(willekeurig)), willekeurig);
}

TEST_F(AfregelingTest, ANewSerialIsAppendedOverAPartialTailAndLinkedThenOverwrittenInPlace) {
    ASSERT_TRUE(VoegApparaatToe(db(), 11, 5001, QStringLiteral("K761")));
    const QByteArray tweeRecords =
        records({opgeslagen(4001, MaakDatum(2020, 1, 1)), opgeslagen(4002, MaakDatum(2021, 1, 1))});
    schrijf(tweeRecords + QByteArray(100, 'x'));

    EXPECT_EQ(controleer(5001), QString());
    AfregelRecord = VorigeAfregeling;
    AfregelRecord.MvNul = {0.1f, 0.2f, 0.3f, 0.4f};
    AfregelRecord.Gereserveerd[2] = 0xDEADBEEF;
    ASSERT_TRUE(bewaar(5001));
    EXPECT_TRUE(melding.meldingen.empty()) << melding.teksten().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(AfregelBestandOpen);

    ASSERT_EQ(bestand().size(), 3 * 330);
    EXPECT_EQ(bestand().left(660), tweeRecords);
    AfregelingRecord nieuw = record(3);
    EXPECT_EQ(nieuw.Serienummer, 5001);
    EXPECT_EQ(nieuw.Toesteltype.tekst(), QStringLiteral("K761  "));
    EXPECT_EQ(nieuw.Operator.tekst(), QStringLiteral("jan").leftJustified(30));
    EXPECT_FLOAT_EQ(nieuw.SoftwareVersie, 1.3f);
    EXPECT_NEAR(nieuw.AfregelDatum, MaakDatum(2026, 1, 5, 9, 0, 0), EenSeconde);
    EXPECT_EQ(nieuw.AantalAfregelingen, 1);
    EXPECT_EQ(nieuw.Identificatiecode, IdnoK761);
    EXPECT_EQ(nieuw.MvNul[3], 0.4f);
    EXPECT_EQ(nieuw.Gereserveerd[2], 0xDEADBEEFu);
    EXPECT_EQ(AfregelingIdVan(db(), 5001).toInt(), 3);

    // The next adjustment of the module finds its record, continues the count and writes over it.
    klok().verstrijk(3600 * 1000);
    EXPECT_EQ(controleer(5001), vandaag);
    EXPECT_EQ(VorigeAfregeling.AantalAfregelingen, 1);
    AfregelRecord = VorigeAfregeling;
    ASSERT_TRUE(bewaar(5001));
    ASSERT_TRUE(bewaar(5001, false));
    EXPECT_TRUE(melding.meldingen.empty());
    ASSERT_EQ(bestand().size(), 3 * 330);
    EXPECT_EQ(record(3).AantalAfregelingen, 2);
    EXPECT_NEAR(record(3).AfregelDatum, MaakDatum(2026, 1, 5, 10, 0, 0), EenSeconde);
    EXPECT_EQ(AfregelingIdVan(db(), 5001).toInt(), 3);
    EXPECT_EQ(bestand().left(660), tweeRecords);
}

TEST_F(AfregelingTest, TheCheckSeesALinkMadeByAnotherWorkstation) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    schrijf(records({opgeslagen(5001, MaakDatum(2024, 6, 1))}));
    EXPECT_EQ(controleer(5001), QString());
    ASSERT_TRUE(VoerUitOp(db(), QStringLiteral("UPDATE PRODUCTION SET AFREGELINGID = 1")));
    EXPECT_EQ(controleer(5001), QStringLiteral("01/06/2024"));
    EXPECT_EQ(VorigeAfregeling.AantalAfregelingen, 4);
    EXPECT_TRUE(melding.meldingen.empty());
}

TEST_F(AfregelingTest, ARecordNumberThatPointsNowhereGivesNoRecordAndASaveAppends) {
    ASSERT_TRUE(
        VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 0}}));
    ASSERT_TRUE(
        VoegApparaatToe(db(), 2, 5002, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 3}}));
    // Record 3 is only a partial tail.
    schrijf(records({opgeslagen(5001, MaakDatum(2020, 1, 1)), opgeslagen(5002, MaakDatum(2020, 1, 1))}) +
            QByteArray(329, 'x'));
    EXPECT_EQ(controleer(5001), QString());
    EXPECT_EQ(controleer(5002), QString());
    EXPECT_TRUE(melding.meldingen.empty());
    ASSERT_TRUE(bewaar(5002));
    EXPECT_EQ(bestand().size(), 3 * 330);
    EXPECT_EQ(record(3).Serienummer, 5002);
}

TEST_F(AfregelingTest, AStoredDateCountsFrom2000UpTo2200) {
    ASSERT_TRUE(
        VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 1}}));
    const struct {
        platform::Datum datum;
        QString resultaat;
    } gevallen[] = {
        {MaakDatum(2000, 1, 1), QStringLiteral("01/01/2000")},
        {MaakDatum(2199, 12, 31, 23, 59, 59), QStringLiteral("31/12/2199")},
        {MaakDatum(1999, 12, 31, 23, 59, 59), QString()},
        {MaakDatum(2200, 1, 1), QString()},
        {0.0, QString()},
        {std::nan(""), QString()},
        {1e300, QString()},
    };
    for (const auto& geval : gevallen) {
        schrijf(records({opgeslagen(5001, geval.datum)}));
        EXPECT_EQ(controleer(5001), geval.resultaat) << geval.datum;
    }
    EXPECT_TRUE(melding.meldingen.empty());
}

TEST_F(AfregelingTest, AStoredRecordOfAnotherSerialTypeOrModuleIsConfirmedOrRefused) {
    ASSERT_TRUE(
        VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 1}}));
    ASSERT_TRUE(
        VoegApparaatToe(db(), 2, 5002, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 2}}));
    ASSERT_TRUE(
        VoegApparaatToe(db(), 3, 5003, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 3}}));
    const platform::Datum datum = MaakDatum(2024, 6, 1, 8, 0, 0);
    schrijf(records({opgeslagen(4999, datum),                                   // another serial
                     opgeslagen(5002, datum, IdnoK761, QStringLiteral("K762")), // another type
                     opgeslagen(5003, datum, IdnoK762)}));                      // another module

    // Another serial or type: one message; Cancel refuses ("2"), OK takes the stored date.
    for (int32_t serie : {5001, 5002}) {
        melding.meldingen.clear();
        melding.antwoorden = {vbCancel};
        EXPECT_EQ(controleer(serie, 3, true), QStringLiteral("2"));
        melding.antwoorden = {vbOK};
        EXPECT_EQ(controleer(serie, 3, true), QStringLiteral("01/06/2024"));
        ASSERT_EQ(melding.teksten(), QStringList({TekstSerieType, TekstSerieType}));
        EXPECT_EQ(melding.meldingen[0].stijl, 17);
        EXPECT_EQ(melding.meldingen[0].titel, QString());
    }

    // Another identification code: asked only when the code is checked.
    melding.meldingen.clear();
    EXPECT_EQ(controleer(5003, 3, true), QStringLiteral("01/06/2024"));
    EXPECT_TRUE(melding.meldingen.empty());
    melding.antwoorden = {vbCancel};
    EXPECT_EQ(controleer(5003), QStringLiteral("2"));
    melding.antwoorden = {vbOK};
    EXPECT_EQ(controleer(5003), QStringLiteral("01/06/2024"));
    EXPECT_EQ(melding.teksten(), QStringList({TekstIdentificatie, TekstIdentificatie}));

    // Both at once: any Cancel refuses. A Cancel on the first message asks nothing more.
    schrijf(records({opgeslagen(4999, datum, IdnoK762)}));
    melding.meldingen.clear();
    melding.antwoorden = {vbOK, vbCancel};
    EXPECT_EQ(controleer(5001), QStringLiteral("2"));
    melding.antwoorden = {vbOK, vbOK};
    EXPECT_EQ(controleer(5001), QStringLiteral("01/06/2024"));
    melding.antwoorden = {vbCancel, vbOK};
    EXPECT_EQ(controleer(5001), QStringLiteral("2"));
    EXPECT_EQ(melding.antwoorden.size(), 1u);
    EXPECT_EQ(melding.teksten(), QStringList({TekstSerieType, TekstIdentificatie, TekstSerieType,
                                              TekstIdentificatie, TekstSerieType}));
}

TEST_F(AfregelingTest, ARefusedMismatchWritesNothing) {
    ASSERT_TRUE(
        VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 1}}));
    const QByteArray inhoud = records({opgeslagen(4999, MaakDatum(2024, 6, 1))});
    schrijf(inhoud);
    melding.antwoorden = {vbCancel};
    EXPECT_FALSE(bewaar(5001));
    EXPECT_EQ(melding.teksten(), QStringList({TekstSerieType}));
    EXPECT_EQ(bestand(), inhoud);
    EXPECT_EQ(AfregelingIdVan(db(), 5001).toInt(), 1);
    EXPECT_FALSE(AfregelBestandOpen);

    // Confirmed, the stored record is taken over.
    melding.antwoorden = {vbOK};
    EXPECT_TRUE(bewaar(5001));
    EXPECT_EQ(bestand().size(), 330);
    EXPECT_EQ(record(1).Serienummer, 5001);
}

TEST_F(AfregelingTest, ASerialWithoutAValidRecordStartsFromAnEmptyRecord) {
    ASSERT_TRUE(
        VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 1}}));
    ASSERT_TRUE(VoegApparaatToe(db(), 2, 5002, QStringLiteral("K761")));
    ASSERT_TRUE(
        VoegApparaatToe(db(), 3, 5003, QStringLiteral("K762"), {{QStringLiteral("AFREGELINGID"), 1}}));
    schrijf(records({opgeslagen(5001, MaakDatum(2024, 6, 1))}));
    EXPECT_EQ(controleer(5001), QStringLiteral("01/06/2024"));
    EXPECT_EQ(VorigeAfregeling.AantalAfregelingen, 4);

    for (int32_t serie : {5002, 5003, 6000}) {
        EXPECT_EQ(controleer(5001), QStringLiteral("01/06/2024"));
        EXPECT_EQ(controleer(serie), QString());
        EXPECT_EQ(VorigeAfregeling.Serienummer, 0) << serie;
        EXPECT_EQ(VorigeAfregeling.AantalAfregelingen, 0);
        EXPECT_EQ(VorigeAfregeling.MvNul[0], 0.0f);
    }
    // A new module's record counts from its own first adjustment.
    AfregelRecord = VorigeAfregeling;
    ASSERT_TRUE(bewaar(5002));
    EXPECT_EQ(record(2).AantalAfregelingen, 1);
    EXPECT_EQ(record(2).MvNul[0], 0.0f);
}

TEST_F(AfregelingTest, AModuleOfAnotherTypeThanItsProductionRowGetsANewLinkedRecord) {
    ASSERT_TRUE(
        VoegApparaatToe(db(), 1, 5002, QStringLiteral("K762"), {{QStringLiteral("AFREGELINGID"), 1}}));
    schrijf(records({opgeslagen(5002, MaakDatum(2024, 6, 1), IdnoK762, QStringLiteral("K762"))}));
    EXPECT_EQ(controleer(5002, 3), QString());
    ASSERT_TRUE(bewaar(5002, true, 3));
    EXPECT_TRUE(melding.meldingen.empty());
    EXPECT_EQ(record(2).Toesteltype.getrimd(), QStringLiteral("K761"));
    EXPECT_EQ(AfregelingIdVan(db(), 5002).toInt(), 2);
}

TEST_F(AfregelingTest, WithoutAProductionRowTheAppendedRecordWaitsForItsLink) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    EXPECT_EQ(controleer(7777), QString());
    EXPECT_TRUE(melding.meldingen.empty());

    // Cancel: the record stays appended, unlinked.
    melding.antwoorden = {vbCancel};
    EXPECT_TRUE(bewaar(7777));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].tekst, QStringLiteral("Error when locking/writing record from/to file ") +
                                              pad() + QStringLiteral(" !"));
    EXPECT_EQ(melding.meldingen[0].stijl, 53);
    EXPECT_EQ(bestand().size(), 330);
    EXPECT_EQ(record(1).Serienummer, 7777);
    EXPECT_FALSE(AfregelBestandOpen);

    // Retry after the row was added links the record.
    melding.meldingen.clear();
    melding.antwoorden = {vbRetry};
    melding.bijMelding = [&](const GetoondeMelding&) {
        ASSERT_TRUE(VoegApparaatToe(db(), 2, 7777, QStringLiteral("K761")));
    };
    EXPECT_TRUE(bewaar(7777));
    EXPECT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(bestand().size(), 2 * 330);
    EXPECT_EQ(AfregelingIdVan(db(), 7777).toInt(), 2);
}

TEST_F(AfregelingTest, WithoutTheDatabaseARecordIsWrittenWithoutALink) {
    schrijf(records({opgeslagen(5001, MaakDatum(2024, 6, 1))}));
    ProductieDatabasePad = tijdelijkeMap() + QStringLiteral("/elders/PROD_2016.mdb");
    EXPECT_EQ(controleer(5001), QString());
    EXPECT_TRUE(bewaar(5001));
    EXPECT_TRUE(melding.meldingen.empty());
    EXPECT_EQ(bestand().size(), 2 * 330);
    EXPECT_EQ(record(2).Serienummer, 5001);
}

TEST_F(AfregelingTest, AFileThatCannotBeOpenedIsReportedAndNothingIsWritten) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    AfregelMap = tijdelijkeMap() + QStringLiteral("/geen/map/");
    const QString tekst =
        QStringLiteral("Kan '") + AfregelMap + QStringLiteral("DataK740.fcd' niet openen !");
    EXPECT_EQ(controleer(5001), QString());
    EXPECT_FALSE(bewaar(5001));
    ASSERT_EQ(melding.teksten(), QStringList({tekst, tekst}));
    EXPECT_EQ(melding.meldingen[0].stijl, vbOKOnly | vbCritical);
    EXPECT_TRUE(AfregelingIdVan(db(), 5001).isNull());
    EXPECT_FALSE(AfregelBestandOpen);

    // Outside factory mode there is no folder, and no file is made anywhere.
    AfregelMap.clear();
    EXPECT_EQ(controleer(5001), QString());
    EXPECT_EQ(melding.meldingen.back().tekst, QStringLiteral("Kan 'DataK740.fcd' niet openen !"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("DataK740.fcd")));
}

TEST_F(AfregelingTest, AWriteErrorCanBeRetriedOrCancelled) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    ASSERT_TRUE(
        VoegApparaatToe(db(), 2, 5002, QStringLiteral("K761"), {{QStringLiteral("AFREGELINGID"), 1}}));
    const QByteArray inhoud = records({opgeslagen(5002, MaakDatum(2024, 6, 1))});
    schrijf(inhoud);
    BestandsgrootteGrens grens(inhoud.size());

    // Cancel: nothing is appended or linked.
    melding.antwoorden = {vbCancel};
    EXPECT_FALSE(bewaar(5001));
    EXPECT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].stijl, 53);
    EXPECT_EQ(bestand(), inhoud);
    EXPECT_TRUE(AfregelingIdVan(db(), 5001).isNull());

    // Retry once the disk has room again: the record is written and linked.
    melding.meldingen.clear();
    melding.antwoorden = {vbRetry};
    melding.bijMelding = [&](const GetoondeMelding&) { grens.vrij(); };
    EXPECT_TRUE(bewaar(5001));
    EXPECT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(bestand().size(), 2 * 330);
    EXPECT_EQ(AfregelingIdVan(db(), 5001).toInt(), 2);
}

TEST_F(AfregelingTest, ALockHeldByAnotherWorkstationCanBeWaitedFor) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    schrijf(records({opgeslagen(4001, MaakDatum(2024, 6, 1))}));
    int gereed[2], vrijgeven[2];
    ASSERT_EQ(pipe(gereed), 0);
    ASSERT_EQ(pipe(vrijgeven), 0);
    const QByteArray naam = QFile::encodeName(pad());
    const pid_t werkplek = fork();
    ASSERT_GE(werkplek, 0);
    if (werkplek == 0) {
        // The other workstation: locks the whole file until it is told to let go.
        const int fd = ::open(naam.constData(), O_RDWR);
        struct flock slot {};
        slot.l_type = F_WRLCK;
        slot.l_whence = SEEK_SET;
        char c = fd >= 0 && ::fcntl(fd, F_SETLK, &slot) == 0 ? '1' : '0';
        if (::write(gereed[1], &c, 1) != 1) _exit(2);
        if (::read(vrijgeven[0], &c, 1) < 0) _exit(3);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(gereed[0], &c, 1), 1);
    ASSERT_EQ(c, '1');
    auto laatGaan = [&] {
        if (::write(vrijgeven[1], "x", 1) != 1) return;
        int status = 0;
        waitpid(werkplek, &status, 0);
    };

    melding.antwoorden = {vbRetry};
    melding.bijMelding = [&](const GetoondeMelding&) { laatGaan(); };
    EXPECT_TRUE(bewaar(5001));
    EXPECT_EQ(melding.teksten(),
              QStringList({QStringLiteral("Error when locking/writing record from/to file ") + pad() +
                           QStringLiteral(" !")}));
    EXPECT_EQ(bestand().size(), 2 * 330);
    EXPECT_EQ(AfregelingIdVan(db(), 5001).toInt(), 2);
    for (int fd : {gereed[0], gereed[1], vrijgeven[0], vrijgeven[1]})
        ::close(fd);
}

TEST_F(AfregelingTest, TheCertificateShowsTheRecordInEightLines) {
    ASSERT_TRUE(VoegApparaatToe(db(), 1, 5001, QStringLiteral("K761")));
    qputenv("LOGNAME", "a.very.long.operator.name.of.36.chars");
    AfregelRecord.AantalAfregelingen = 2;
    ASSERT_TRUE(bewaar(5001));
    const AfregelingRecord r = record(1);
    EXPECT_EQ(r.Operator.tekst(), QStringLiteral("a.very.long.operator.name.of.3"));

    QLabel teksten, waarden;
    teksten.setText(QStringLiteral("old"));
    AfregelRapportTekst(teksten, waarden, r);
    EXPECT_EQ(teksten.text(),
              QStringLiteral("Serial Number: \r\nId.N°: \r\nCalibrated on:\r\n\r\nOperator: \r\n\r\n"
                             "Software Version: \r\nN° of calibrations: \r\n"));
    EXPECT_EQ(waarden.text(), QStringLiteral("5001\r\nF.1.2.3\r\n05/01/2026\r\n09:00\r\n"
                                             "a.very.long.operator.name.of.3\r\n\r\n1.3\r\n3\r\n"));

    AfregelingRecord kort = r;
    kort.Operator = QStringLiteral("jan");
    kort.AfregelDatum = std::nan("");
    EXPECT_EQ(MaakAfregelRapport(kort).Waarden,
              QStringLiteral("5001\r\nF.1.2.3\r\n\r\n\r\njan\r\n\r\n1.3\r\n3\r\n"));
}

} // namespace
