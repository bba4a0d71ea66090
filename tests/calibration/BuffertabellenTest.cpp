#include "calibration/Buffertabellen.h"
#include "calibration/Standaardbestanden.h"
#include "platform/Tekstbestand.h"

#include <gtest/gtest.h>

namespace {

BufferTabel Ingebouwd(const char* naam) {
    BufferTabel t;
    EXPECT_TRUE(LeesStandaardTabel(QString::fromLatin1(naam), t)) << naam;
    return t;
}

} // namespace

TEST(BuffertabellenTest, BuiltInBuffersInterpolateBetweenTheirPointsWithinInclusiveBounds) {
    ASSERT_EQ(IngebouwdeBuffers().size(), 9u);
    const QStringList namen{"1.68", "4.00", "4.01", "6.87", "7.00", "9.18", "9.21", "10.01", "12.45"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(IngebouwdeBuffers()[i].Naam, namen[i]);
        EXPECT_TRUE(IsGeldigeBuffer(IngebouwdeBuffers()[i].Tabel)) << namen[i].toStdString();
    }

    const BufferTabel zeven = Ingebouwd("7.00");
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(zeven, 25.0f), 7.00f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(zeven, 22.5f), 7.005f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(zeven, 5.0f), 7.08f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(zeven, 60.0f), 6.98f);
    EXPECT_EQ(BufferWaardeBijTemperatuur(zeven, 4.99f), 0.0f);
    EXPECT_EQ(BufferWaardeBijTemperatuur(zeven, 60.01f), 0.0f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(Ingebouwd("12.45"), 55.0f), 11.575f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(Ingebouwd("9.21"), 95.0f), 8.77f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(Ingebouwd(" 4.01 "), 25.0f), 4.008f) << "the name is trimmed";

    BufferTabel t;
    EXPECT_FALSE(LeesStandaardTabel(QStringLiteral("7"), t));
    EXPECT_EQ(t.Aantal, 0);
}

TEST(BuffertabellenTest, TheFileKeepsPointsOneDegreeApartAndAtMostTwentyOne) {
    QString tekst = QStringLiteral("\"Steps\"\r\n20;4.00\r\n20.5;4.01\r\n25;4.02\r\n19;3.9\r\n30;4,05\r\n\r\n"
                                   "\"Long\"\r\n");
    for (int t = 0; t < 25; ++t)
        tekst += QStringLiteral("%1;%2\r\n").arg(t).arg(4.0 + t / 100.0);
    const std::vector<Buffer> buffers = LeesBufferBestand(tekst);
    ASSERT_EQ(buffers.size(), 2u);

    const BufferTabel& stappen = buffers[0].Tabel;
    ASSERT_EQ(stappen.Aantal, 3) << "20.5 and 19 are less than 1 degree above the point before";
    EXPECT_EQ(stappen.Temperatuur[0], 20.0f);
    EXPECT_EQ(stappen.Temperatuur[1], 25.0f);
    EXPECT_FLOAT_EQ(stappen.PH[1], 4.02f);
    EXPECT_FLOAT_EQ(stappen.PH[2], 4.05f) << "a decimal comma reads as a point";
    EXPECT_EQ(stappen.Ondergrens, 20.0f);
    EXPECT_EQ(stappen.Bovengrens, 30.0f);

    const BufferTabel& lang = buffers[1].Tabel;
    EXPECT_EQ(lang.Aantal, MaxBufferPunten);
    EXPECT_EQ(lang.Bovengrens, 20.0f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(lang, 20.0f), 4.20f);
}

// The file's own faults: a last point without a line end, names with blanks, a name not found, a
// buffer of one point.
TEST(BuffertabellenTest, PointsBeyondWhatAModuleMeasuresAreDropped) {
    const std::vector<Buffer> buffers = LeesBufferBestand(QStringLiteral(
        "\"Hostile\"\r\n10;465\r\n15;-1\r\n20;4.00\r\n500;4.1\r\n25;14.5\r\n30;4.02\r\n-40;4\r\n35;14\r\n"));
    ASSERT_EQ(buffers.size(), 1u);
    const BufferTabel& t = buffers[0].Tabel;
    ASSERT_EQ(t.Aantal, 3);
    EXPECT_EQ(t.Temperatuur[0], 20.0f);
    EXPECT_EQ(t.Temperatuur[1], 30.0f);
    EXPECT_FLOAT_EQ(t.PH[2], 14.0f);
    EXPECT_EQ(t.Ondergrens, 20.0f);
    EXPECT_EQ(t.Bovengrens, 35.0f);
    for (int i = 0; i < t.Aantal; ++i)
        EXPECT_LE(t.PH[i], 14.0f);
}

TEST(BuffertabellenTest, TheFileReadsItsLastLineTrimsNamesAndNeverLendsAnotherTable) {
    const QString tekst = QStringLiteral("Lines before the first name are notes.\n"
                                         "  \" Mine \"  \n"
                                         "10;4.1\n"
                                         "40;4.4\n"
                                         "\"half\n" // starts with a quote: ends the points, names nothing
                                         "50;9.9\n"
                                         "\"\"\n"
                                         "\"One\"\n"
                                         "25;7.0\n"
                                         "\"7.00\"\n"
                                         "0;7.2\n"
                                         "50;6.8"); // the last point, without a line end
    const std::vector<Buffer> buffers = LeesBufferBestand(tekst);
    EXPECT_EQ(BufferNamen(buffers), QStringList({"Mine", "One", "7.00"}));

    const BufferTabel mijn = TabelVanBuffer(QStringLiteral("Mine"), buffers);
    EXPECT_EQ(mijn.Aantal, 2);
    EXPECT_TRUE(IsGeldigeBuffer(mijn));
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(mijn, 25.0f), 4.25f);

    const BufferTabel een = TabelVanBuffer(QStringLiteral("One"), buffers);
    EXPECT_EQ(een.Ondergrens, 0.0f);
    EXPECT_EQ(een.Bovengrens, 0.0f);
    EXPECT_FALSE(IsGeldigeBuffer(een)) << "one point gives no range";

    const BufferTabel zeven = TabelVanBuffer(QStringLiteral("7.00"), buffers);
    EXPECT_EQ(zeven.Bovengrens, 50.0f) << "the file's buffer of a built-in name wins, last line included";
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(zeven, 25.0f), 7.0f);
    EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(TabelVanBuffer(QStringLiteral("4.00"), buffers), 25.0f),
                    4.00f);

    const BufferTabel weg = TabelVanBuffer(QStringLiteral("Gone"), buffers);
    EXPECT_EQ(weg.Aantal, 0);
    EXPECT_FALSE(IsGeldigeBuffer(weg));
}

TEST(BuffertabellenTest, ABufferMustHoldTwentyFiveDegreesStrictlyInside) {
    BufferTabel t;
    t.Aantal = 2;
    t.Temperatuur = {25.0f, 40.0f};
    t.Ondergrens = 25.0f;
    t.Bovengrens = 40.0f;
    EXPECT_FALSE(IsGeldigeBuffer(t));
    t.Ondergrens = 24.9f;
    EXPECT_TRUE(IsGeldigeBuffer(t));
    t.Bovengrens = 25.0f;
    EXPECT_FALSE(IsGeldigeBuffer(t));
}

// The default file the program puts in the library folder: the standard buffers of the built-in tables
// under names of their own, each usable.
TEST(BuffertabellenTest, TheDefaultBufferFileHoldsUsableBuffersOfTheBuiltInTables) {
    const QString pad = IngebouwdStandaardbestand(QStringLiteral("buffer.ph"));
    ASSERT_FALSE(pad.isEmpty());
    QByteArray inhoud;
    ASSERT_TRUE(platform::LeesBestand(pad, inhoud));
    EXPECT_TRUE(inhoud.contains("\r\n"));
    EXPECT_TRUE(inhoud.contains('\xB0')) << "Windows-1252";
    const std::vector<Buffer> buffers = LeesBufferBestand(platform::DecodeerTekstbestand(inhoud));
    ASSERT_EQ(buffers.size(), 5u);
    for (const Buffer& b : buffers) {
        EXPECT_TRUE(IsGeldigeBuffer(b.Tabel)) << b.Naam.toStdString();
        const QString nominaal = b.Naam.section(QLatin1Char(' '), -1);
        const BufferTabel ingebouwd = Ingebouwd(nominaal.toLatin1().constData());
        EXPECT_EQ(b.Tabel.Aantal, ingebouwd.Aantal) << b.Naam.toStdString();
        for (float T : {b.Tabel.Ondergrens, 25.0f, 37.5f, b.Tabel.Bovengrens})
            EXPECT_FLOAT_EQ(BufferWaardeBijTemperatuur(b.Tabel, T), BufferWaardeBijTemperatuur(ingebouwd, T))
                << b.Naam.toStdString() << " at " << T;
    }
}
