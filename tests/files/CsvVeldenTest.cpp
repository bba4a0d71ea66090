#include "files/CsvVelden.h"
#include "Meetsysteem.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "files/Meetbestand.h"
#include "shared/Melding.h"

#include <gtest/gtest.h>

class CsvVeldenTest : public SchoneOmgeving {};

TEST_F(CsvVeldenTest, FieldsAreTakenBetweenQualifierPairs) {
    QString regel = QStringLiteral("\"a\",\"b\"");
    EXPECT_EQ(VolgendVeld(regel, 2), "b");
    EXPECT_EQ(VolgendVeld(regel, 1), "a");
    EXPECT_EQ(VolgendVeld(regel, 3), "");
    EXPECT_EQ(regel, "\"a\",\"b\"");
    EXPECT_EQ(VolgendVeld(regel, 0), "a");
    EXPECT_EQ(regel, ",\"b\"");
    EXPECT_EQ(VolgendVeld(regel, 0), "b");
    EXPECT_EQ(regel, "");
    EXPECT_EQ(VolgendVeld(regel, 0), "");

    // Without any qualifier there is no field, and taking one leaves nothing.
    regel = QStringLiteral("a,b");
    EXPECT_EQ(VolgendVeld(regel, 1), "");
    EXPECT_EQ(VolgendVeld(regel, 0), "");
    EXPECT_EQ(regel, "");

    // Empty fields, commas and blanks inside a field, text outside the pairs skipped.
    regel = QStringLiteral("\"\", \"x, y\" ,\"\",\"z\"");
    EXPECT_EQ(SplitsVelden(regel), (QStringList{"", "x, y", "", "z"}));
    EXPECT_EQ(VolgendVeld(regel, 4), "z");

    // A field without its closing qualifier runs to the end of the line.
    bool open = false;
    EXPECT_EQ(SplitsVelden(u"\"a\",\"bc", &open), (QStringList{"a", "bc"}));
    EXPECT_TRUE(open);
    EXPECT_EQ(SplitsVelden(u"\"a\",\"bc\"", &open), (QStringList{"a", "bc"}));
    EXPECT_FALSE(open);
}

TEST_F(CsvVeldenTest, QualifiersInsideAFieldAreDoubledAndReadBackAsOne) {
    const QString tekst = QStringLiteral("he said \"hi\", then \"\" left");
    QString regel = CsvVeld(tekst, false) + CsvVeld(QStringLiteral("\""), false) + CsvVeld(QString(), true);
    EXPECT_EQ(regel, "\"he said \"\"hi\"\", then \"\"\"\" left\",\"\"\"\",\"\"\r\n");
    regel.chop(2);
    EXPECT_EQ(SplitsVelden(regel), (QStringList{tekst, "\"", ""}));
    EXPECT_EQ(VolgendVeld(regel, 2), "\"");
    EXPECT_EQ(VolgendVeld(regel, 0), tekst);
    EXPECT_EQ(VolgendVeld(regel, 0), "\"");
    EXPECT_EQ(VolgendVeld(regel, 0), "");
    EXPECT_EQ(regel, "");
}

TEST_F(CsvVeldenTest, ReplacingAFieldKeepsEverythingElse) {
    QString regel = QStringLiteral("\"a\", \"b\" ,\"c\"");
    VervangVeld(regel, 2, QStringLiteral("x"));
    EXPECT_EQ(regel, "\"a\", \"x\" ,\"c\"");
    VervangVeld(regel, 4, QStringLiteral("y"));
    EXPECT_EQ(regel, "\"a\", \"x\" ,\"c\"");
    VervangVeld(regel, 0, QStringLiteral("q\"uote, comma"));
    EXPECT_EQ(regel, "\"q\"\"uote, comma\", \"x\" ,\"c\"");
    EXPECT_EQ(VolgendVeld(regel, 1), "q\"uote, comma");
    // A field that already holds a doubled qualifier passes through unchanged.
    VervangVeld(regel, 3, QString());
    EXPECT_EQ(regel, "\"q\"\"uote, comma\", \"x\" ,\"\"");
    // An unterminated last field gets its closing qualifier.
    regel = QStringLiteral("\"a\",\"b");
    VervangVeld(regel, 1, QStringLiteral("z"));
    EXPECT_EQ(regel, "\"z\",\"b\"");
    regel = QStringLiteral("no fields");
    VervangVeld(regel, 1, QStringLiteral("z"));
    EXPECT_EQ(regel, "no fields");
    EXPECT_EQ(TekstNaMarkering(QStringLiteral("ab\"cd\""), QStringLiteral("\"")), "cd\"");
    EXPECT_EQ(TekstNaMarkering(QStringLiteral("abcd"), QStringLiteral("\"")), "abcd");
}

TEST_F(CsvVeldenTest, FieldWriterAppendsInWindows1252AndFillsInTheQualifier) {
    BouwMeetsysteem();
    const QString sjabloon = tijdelijkeMap() + QStringLiteral("/r_#rack#.csv");
    QString q;
    EXPECT_TRUE(SchrijfVeldNaarBestand(sjabloon, 2, 0, 0, u8("25 °C \"x\""), false, q));
    EXPECT_EQ(q, "\"");
    EXPECT_TRUE(SchrijfVeldNaarBestand(sjabloon, 2, 0, 0, u8("µS"), true, q));
    EXPECT_EQ(LeesBytes(tijdelijkeMap() + QStringLiteral("/r_Lab_B.csv")),
              QByteArray("\"25 \xB0"
                         "C \"\"x\"\"\",\"\xB5S\"\r\n"));

    // A file that cannot be opened: Retry and Cancel; Cancel drops the field.
    Gegevensbestand = QStringLiteral("data.csv");
    OpnameMelding melding;
    melding.antwoorden = {vbRetry, vbCancel};
    ZetMeldingVenster(&melding);
    EXPECT_FALSE(
        SchrijfVeldNaarBestand(tijdelijkeMap() + QStringLiteral("/none/x.csv"), 0, 0, 0, "a", true, q));
    ASSERT_EQ(melding.vragen.size(), 2u);
    for (const Vraag& v : melding.vragen) {
        EXPECT_TRUE(v.tekst.contains(QStringLiteral("/none/x.csv")));
        EXPECT_EQ(v.stijl, vbRetryCancel | vbExclamation);
        EXPECT_EQ(v.titel, "data.csv");
    }
}
