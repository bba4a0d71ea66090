#include "files/Meetregels.h"
#include "SchoneOmgeving.h"
#include "files/CsvVelden.h"

#include <QBuffer>
#include <QLocale>
#include <gtest/gtest.h>

class MeetregelsTest : public SchoneOmgeving {};

TEST_F(MeetregelsTest, NumbersAreWhatTheFileWritesAndWithinTheRangeOfASingle) {
    for (const char* getal : {"7.01", "-12,5", " 21.5 ", "+3E-2", "0", ".5", "5.", "3.4E+38", "-3.4028234e38",
                              "1e-50", "1e-400"}) // too small for a single: as good as 0
        EXPECT_TRUE(IsGetal(QString::fromLatin1(getal))) << getal;
    for (const char* geen :
         {"3.5e38", "-1E39", "1e308", "-1e308", "1.7976931348623157e308", "1e309", "-1e309", "2E+999", "1e",
          "e5", "inf", "nan", "7.0x", "7 .0", "", ".", "1,000.5", "\xd9\xa3"}) // an Arabic-Indic digit
        EXPECT_FALSE(IsGetal(QString::fromUtf8(geen))) << geen;
    // Without an exponent: 38 digits are within the range, 39 nines beyond it.
    EXPECT_TRUE(IsGetal(QString(38, u'9')));
    EXPECT_TRUE(IsGetal(QStringLiteral("340282300000000000000000000000000000000.0")));
    EXPECT_FALSE(IsGetal(QString(39, u'9')));
    EXPECT_FALSE(IsGetal(QString(400, u'9')));

    EXPECT_TRUE(IsMeetVeld(u"OR."));
    EXPECT_TRUE(IsMeetVeld(u"  "));
    EXPECT_FALSE(IsMeetVeld(u"or."));
    EXPECT_FALSE(IsMeetVeld(u"1e309"));
    for (const char* vlag : {"", "0", " 5 ", "255"})
        EXPECT_TRUE(IsFlagsVeld(QString::fromLatin1(vlag))) << vlag;
    for (const char* vlag : {"256", "-1", "1.0", "0x1", "1000"})
        EXPECT_FALSE(IsFlagsVeld(QString::fromLatin1(vlag))) << vlag;
}

TEST_F(MeetregelsTest, TheOneScanFindsTheFieldsTheFieldReaderFinds) {
    const QStringList regels{
        QStringLiteral("\"05/01/2026 09:00:00\",\"0\",\"7.01\",\"pH\""),
        QStringLiteral("\"\", \"x, y\" ,\"\",\"z\""),
        QStringLiteral("\"he said \"\"hi\"\"\",\"\"\"\",\"\""),
        QStringLiteral("\"a\",\"cut off"),
        QStringLiteral("\"a\",\""),
        QStringLiteral("no qualifier at all"),
        QString(),
        QStringLiteral("\"\"\"\"\"\""),
        QStringLiteral("\"a\",\"b\" trailing text"),
        QStringLiteral("\"a\"\""),
        QStringLiteral("\"a\",\"b\"\""),
        QStringLiteral("\""),
        QStringLiteral("x\"y"),
    };
    Veldscanner scanner;
    for (const QString& regel : regels) {
        bool open = false;
        const QStringList verwacht = SplitsVelden(regel, &open);
        scanner.Splits(regel);
        QStringList gevonden;
        for (QStringView veld : scanner.Velden())
            gevonden.append(veld.toString());
        EXPECT_EQ(gevonden, verwacht) << regel.toStdString();
        EXPECT_EQ(scanner.Onafgesloten(), open) << regel.toStdString();
    }
}

TEST_F(MeetregelsTest, LinesEndAtCrLfLfOrALoneCrAlsoAcrossTheReadBlocks) {
    // The first line fills the first read block but for its CR; its LF comes with the next block.
    QByteArray bytes(256 * 1024 - 1, 'a');
    bytes += "\r\nb\nc\rd\r\n\r\ne";
    QBuffer bron(&bytes);
    ASSERT_TRUE(bron.open(QIODevice::ReadOnly));
    Regellezer lezer(bron);
    QByteArrayView regel;
    qint64 lengte = 0;
    std::vector<QByteArray> regels;
    std::vector<qint64> lengtes;
    while (lezer.Volgende(regel, lengte)) {
        regels.push_back(regel.toByteArray());
        lengtes.push_back(lengte);
    }
    ASSERT_EQ(regels.size(), 6u);
    EXPECT_EQ(regels[0].size(), 256 * 1024 - 1);
    EXPECT_EQ(lengtes[0], 256 * 1024 + 1);
    EXPECT_EQ((std::vector<QByteArray>(regels.begin() + 1, regels.end())),
              (std::vector<QByteArray>{"b", "c", "d", "", "e"}));
    EXPECT_EQ((std::vector<qint64>(lengtes.begin() + 1, lengtes.end())),
              (std::vector<qint64>{2, 2, 3, 2, 1}));
    EXPECT_FALSE(lezer.Fout());
}

TEST_F(MeetregelsTest, TheTextOfALineFollowsTheFilesEncoding) {
    // Windows-1252: "°" is 0xB0, "€" 0x80.
    QByteArray bytes = "\"21.5\",\"\xB0"
                       "C\",\"\x80\"\r\n";
    QBuffer bron(&bytes);
    ASSERT_TRUE(bron.open(QIODevice::ReadOnly));
    ASSERT_EQ(BepaalCodering(bron), Codering::Windows1252);
    EXPECT_EQ(bron.pos(), 0);
    Regeldecoder windows(Codering::Windows1252);
    EXPECT_EQ(windows.Tekst("\"\xB0"
                            "C\""),
              QString::fromUtf8("\"°C\""));
    EXPECT_EQ(windows.Tekst("\x80 \xB5"), QString::fromUtf8("€ µ"));

    QByteArray utf8 = QString::fromUtf8("\"°C\",\"€\"\n").toUtf8();
    QBuffer utf8Bron(&utf8);
    ASSERT_TRUE(utf8Bron.open(QIODevice::ReadOnly));
    ASSERT_EQ(BepaalCodering(utf8Bron), Codering::Utf8);
    Regeldecoder decoder(Codering::Utf8);
    EXPECT_EQ(decoder.Tekst(utf8.chopped(1)), QString::fromUtf8("\"°C\",\"€\""));
}

TEST_F(MeetregelsTest, AUtf8CharacterCutByTheReadBlocksStillMakesAUtf8File) {
    // The reads take 256 KiB at a time; "€" (3 bytes) and "😀" (4 bytes) are put across that border
    // at every cut, and far beyond it one Windows-1252 byte makes the whole file Windows-1252.
    constexpr qsizetype Blok = 256 * 1024;
    for (const QByteArray& teken : {QString::fromUtf8("€").toUtf8(), QString::fromUtf8("😀").toUtf8()})
        for (qsizetype voor = 1; voor < teken.size(); ++voor) {
            QByteArray bytes(Blok - voor, 'a');
            bytes += teken + QByteArray(3 * Blok, 'b');
            QBuffer bron(&bytes);
            ASSERT_TRUE(bron.open(QIODevice::ReadOnly));
            EXPECT_EQ(BepaalCodering(bron), Codering::Utf8) << teken.size() << " " << voor;
            bytes += "\xB0";
            QBuffer ander(&bytes);
            ASSERT_TRUE(ander.open(QIODevice::ReadOnly));
            EXPECT_EQ(BepaalCodering(ander), Codering::Windows1252) << teken.size() << " " << voor;
        }
}

TEST_F(MeetregelsTest, AWindows1252CharacterIsFoundWhereverItStands) {
    // 0x80..0x9F differ from Latin-1; the bytes around them (0x7F, 0xA0, 0xC0) read alike either way.
    Regeldecoder windows(Codering::Windows1252);
    for (int lengte = 1; lengte <= 20; ++lengte)
        for (int plaats = 0; plaats < lengte; ++plaats) {
            QByteArray bytes(lengte, 'a');
            bytes[plaats] = '\x80';
            QString verwacht(lengte, QLatin1Char('a'));
            verwacht[plaats] = QChar(0x20AC);
            EXPECT_EQ(windows.Tekst(bytes), verwacht) << lengte << " " << plaats;
            bytes[plaats] = '\x9F';
            verwacht[plaats] = QChar(0x0178);
            EXPECT_EQ(windows.Tekst(bytes), verwacht) << lengte << " " << plaats;
        }
    EXPECT_EQ(windows.Tekst("\x7F\xA0\xC0\xFF abcdefgh"), QString::fromLatin1("\x7F\xA0\xC0\xFF abcdefgh"));
}

TEST_F(MeetregelsTest, RowTimesReadTheSameWithAndWithoutTheShortCut) {
    for (const QLocale& taal : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Dutch)}) {
        QLocale::setDefault(taal);
        DatumLezer lezer;
        const platform::Datum begin = platform::MaakDatum(2026, 12, 31, 23, 59, 57);
        for (int s = 0; s < 5; ++s) {
            const platform::Datum t = begin + s / 86400.0;
            platform::Datum gelezen = 0;
            ASSERT_TRUE(lezer.Lees(platform::DatumTijdTekst(t), gelezen)) << s;
            EXPECT_EQ(std::llround(gelezen * 86400), std::llround(t * 86400)) << s;
        }
        // The date of the rows before, with a time that is none.
        const QString dag = platform::KorteDatum(begin + 3 / 86400.0);
        platform::Datum d = 0;
        EXPECT_FALSE(lezer.Lees(dag + QStringLiteral(" 25:00:00"), d));
        EXPECT_FALSE(lezer.Lees(QStringLiteral("Time"), d));
        EXPECT_FALSE(lezer.Lees(QString(), d));
    }
}

namespace {

// The program's date value of a local date and time, worked out from QDateTime's own fields.
platform::Datum Verwacht(const QDateTime& moment) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(moment.date())) +
           moment.time().msecsSinceStartOfDay() / 86400000.0;
}

// The time text of a row as the logging writes it under `taal`.
QString RijTekst(const QLocale& taal, const QDateTime& moment) {
    const QLocale oud;
    QLocale::setDefault(taal);
    const QString tekst = platform::DatumTijdTekst(platform::DatumUitQDateTime(moment));
    QLocale::setDefault(oud);
    return tekst;
}

// Sets TZ for the life of the object.
class Tijdzone {
public:
    explicit Tijdzone(const char* zone) : m_oud(qgetenv("TZ")) { qputenv("TZ", zone); }
    ~Tijdzone() {
        if (m_oud.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", m_oud);
    }

private:
    QByteArray m_oud;
};

} // namespace

TEST_F(MeetregelsTest, RowTimesWrittenUnderAnyLocaleReadAsTheTimesTheyName) {
    const Tijdzone zone("Europe/Amsterdam");
    const QList<QLocale> talen{QLocale(QLocale::English, QLocale::UnitedKingdom),
                               QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::Dutch, QLocale::Netherlands), QLocale::c()};
    // Rows as a clock writes them: every 7 minutes, a day at a time, over both daylight-saving changes
    // (the skipped hour is never written, the repeated one twice) and an ordinary day, morning and
    // afternoon (AM/PM).
    std::vector<QDateTime> momenten;
    for (const QDate dag : {QDate(2026, 3, 28), QDate(2026, 10, 24), QDate(2026, 1, 20)}) {
        const qint64 begin = QDateTime(dag, QTime(20, 0)).toSecsSinceEpoch();
        for (qint64 s = 0; s < 36 * 3600; s += 7 * 60)
            momenten.push_back(QDateTime::fromSecsSinceEpoch(begin + s));
    }
    for (const QLocale& lezer : talen) {
        QLocale::setDefault(lezer);
        for (const QLocale& schrijver : talen) {
            DatumLezer datumLezer;
            for (const QDateTime& moment : momenten) {
                const QString tekst = RijTekst(schrijver, moment);
                platform::Datum d = 0;
                ASSERT_TRUE(datumLezer.Lees(tekst, d)) << tekst.toStdString();
                EXPECT_EQ(d, Verwacht(moment)) << lezer.name().toStdString() << " " << tekst.toStdString();
            }
        }
        // A file appended under two locales: the same days in two forms, row by row in turn.
        DatumLezer datumLezer;
        for (const QDateTime& moment : momenten)
            for (const QLocale& schrijver : {talen[3], talen[0]}) {
                platform::Datum d = 0;
                ASSERT_TRUE(datumLezer.Lees(RijTekst(schrijver, moment), d));
                EXPECT_EQ(d, Verwacht(moment)) << RijTekst(schrijver, moment).toStdString();
            }
        // A time in the skipped hour (no clock writes it) reads as the platform reads it, whatever the
        // rows before.
        for (const QString& rij :
             {QStringLiteral("29/03/2026 02:30:00"), QStringLiteral("29 Mar 2026 02:30:00")}) {
            DatumLezer datumLezer2;
            platform::Datum d = 0, platform = 0;
            const QString ervoor = rij.left(rij.size() - 8) + QStringLiteral("01:30:00");
            ASSERT_TRUE(datumLezer2.Lees(ervoor, d));
            const bool gelezen = datumLezer2.Lees(rij, d);
            EXPECT_EQ(gelezen, platform::LeesDatumTijd(rij, platform)) << rij.toStdString();
            if (gelezen) {
                EXPECT_EQ(d, platform) << rij.toStdString();
            }
        }
    }
}

namespace {

// The header of a module's inputs as the logging writes it: five titles per input, then the info's.
QString Ingangtitels(int r, int m, std::initializer_list<int> ingangen) {
    QString kop;
    for (int c : ingangen)
        for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
            kop += QStringLiteral(",\"%1 R%2M%3C%4\"").arg(QLatin1String(soort)).arg(r).arg(m).arg(c);
    return kop;
}

Kopindeling IndelingVan(const QString& kop) {
    Veldscanner scanner;
    scanner.Splits(kop);
    return Kopindeling(scanner.Velden());
}

} // namespace

// Every block goes where its titles say: a rack's file, a module's and an input's, wherever the block
// stands in the line; a header that names inputs otherwise, or not in the logging's order, places
// nothing.
TEST_F(MeetregelsTest, AHeaderOfInputTitlesPlacesEachBlockUnderItsRackAndModule) {
    // A file of rack 2 with modules 1 and 3, ended by an empty field.
    const Kopindeling rack = IndelingVan(QStringLiteral("\"Time\"") + Ingangtitels(2, 1, {1, 2, 3, 4}) +
                                         QStringLiteral(",\"Info mV\"") + Ingangtitels(2, 3, {1, 2, 3, 4}) +
                                         QStringLiteral(",\"Info EC\",\"\""));
    ASSERT_TRUE(rack.PerKop());
    EXPECT_EQ(rack.Modules(), (std::vector<std::pair<int, int>>{{2, 1}, {2, 3}}));
    EXPECT_EQ(rack.Velden(), 43);
    EXPECT_EQ(rack.Index(2, 1, 1), 1);
    EXPECT_EQ(rack.Index(2, 1, 21), 21);
    EXPECT_EQ(rack.Index(2, 3, 2), 23);
    EXPECT_EQ(rack.Index(2, 3, 21), 42);
    EXPECT_EQ(rack.Index(1, 1, 1), -1);
    EXPECT_EQ(rack.Index(2, 2, 1), -1);
    EXPECT_EQ(rack.Vlaggen().size(), 8u);

    // An input's file: input 3 of module 2 of rack 1, its info last.
    const Kopindeling ingang = IndelingVan(QStringLiteral("\"Time\"") + Ingangtitels(1, 2, {3}) +
                                           QStringLiteral(",\"Info R1M2C3\""));
    ASSERT_TRUE(ingang.PerKop());
    EXPECT_EQ(ingang.Velden(), 7);
    EXPECT_EQ(ingang.Index(1, 2, 11), 1);
    EXPECT_EQ(ingang.Index(1, 2, 15), 5);
    EXPECT_EQ(ingang.Index(1, 2, 21), 6);
    EXPECT_EQ(ingang.Index(1, 2, 1), -1);
    EXPECT_EQ(ingang.Index(1, 2, 16), -1);

    // A rack beyond 16 is named and has no place.
    const Kopindeling ver =
        IndelingVan(QStringLiteral("\"Time\"") + Ingangtitels(17, 1, {1}) + QStringLiteral(",\"x\"") +
                    Ingangtitels(1, 1, {1}) + QStringLiteral(",\"y\""));
    ASSERT_TRUE(ver.PerKop());
    EXPECT_EQ(ver.Modules(), (std::vector<std::pair<int, int>>{{17, 1}, {1, 1}}));
    EXPECT_EQ(ver.Index(1, 1, 1), 7);

    for (const QString& kop :
         {// An input named by its name.
          QStringLiteral("\"Time\"") + Ingangtitels(1, 1, {1}) +
              QStringLiteral(",\"Flags pH\",\"Value pH\",\"Unit pH\",\"Temp pH\",\"T.Unit pH\",\"pH/Redox\""),
          // An input twice, a module twice, inputs of two modules without a name between.
          QStringLiteral("\"Time\"") + Ingangtitels(1, 1, {1, 1}) + QStringLiteral(",\"x\""),
          QStringLiteral("\"Time\"") + Ingangtitels(1, 1, {1}) + QStringLiteral(",\"x\"") +
              Ingangtitels(1, 1, {2}) + QStringLiteral(",\"x\""),
          QStringLiteral("\"Time\"") + Ingangtitels(1, 1, {1}) + Ingangtitels(1, 2, {1}) +
              QStringLiteral(",\"x\""),
          // Titles of one input that do not agree, an input 5, a field that belongs to no module.
          QStringLiteral("\"Time\",\"Flags R1M1C1\",\"Value R1M1C2\",\"Unit R1M1C1\",\"Temp R1M1C1\","
                         "\"T.Unit R1M1C1\",\"x\""),
          QStringLiteral("\"Time\"") + Ingangtitels(1, 1, {5}) + QStringLiteral(",\"x\""),
          QStringLiteral("\"Time\"") + Ingangtitels(1, 1, {1}) + QStringLiteral(",\"x\",\"y\""),
          QStringLiteral("\"Time\",\"Flags R1M1C1\",\"Value R1M1C1\""),
          QStringLiteral("\"Time\",\"Flags R1M1C1x\",\"Value R1M1C1x\",\"Unit R1M1C1x\",\"Temp R1M1C1x\","
                         "\"T.Unit R1M1C1x\""),
          // No input at all.
          QStringLiteral("\"Time\""), QStringLiteral("\"Time\",\"\""), QString()}) {
        const Kopindeling indeling = IndelingVan(kop);
        EXPECT_FALSE(indeling.PerKop()) << kop.toStdString();
        EXPECT_EQ(indeling.Index(1, 1, 1), -1) << kop.toStdString();
        EXPECT_TRUE(indeling.Modules().empty());
    }
}
