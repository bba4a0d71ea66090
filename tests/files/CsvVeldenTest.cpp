#include "files/CsvVelden.h"
#include "Meetsysteem.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "files/Meetbestand.h"
#include "shared/Melding.h"

#include <gtest/gtest.h>

class CsvVeldenTest : public SchoneOmgeving {};

TEST_F(CsvVeldenTest, FieldsAreTakenBetweenQualifierPairs) {
    const QString regel = QStringLiteral("\"a\",\"b\"");
    EXPECT_EQ(VolgendVeld(regel, 2).veld, "b");
    EXPECT_EQ(VolgendVeld(regel, 1).veld, "a");
    EXPECT_EQ(VolgendVeld(regel, 3).veld, "");
    EXPECT_EQ(VolgendVeld(regel, 3).rest, regel);
    VeldEnRest v = VolgendVeld(regel, 0);
    EXPECT_EQ(v.veld, "a");
    EXPECT_EQ(v.rest, ",\"b\"");
    v = VolgendVeld(v.rest, 0);
    EXPECT_EQ(v.veld, "b");
    EXPECT_EQ(v.rest, "");
    EXPECT_EQ(VolgendVeld(v.rest, 0).veld, "");

    // Without any qualifier there is no field, and taking one leaves nothing.
    EXPECT_EQ(VolgendVeld(QStringLiteral("a,b"), 1).veld, "");
    v = VolgendVeld(QStringLiteral("a,b"), 0);
    EXPECT_EQ(v.veld, "");
    EXPECT_EQ(v.rest, "");

    // Empty fields, commas and blanks inside a field, text outside the pairs skipped.
    const QString velden = QStringLiteral("\"\", \"x, y\" ,\"\",\"z\"");
    EXPECT_EQ(SplitsVelden(velden), (QStringList{"", "x, y", "", "z"}));
    EXPECT_EQ(VolgendVeld(velden, 4).veld, "z");

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
    EXPECT_EQ(VolgendVeld(regel, 2).veld, "\"");
    VeldEnRest v = VolgendVeld(regel, 0);
    EXPECT_EQ(v.veld, tekst);
    v = VolgendVeld(v.rest, 0);
    EXPECT_EQ(v.veld, "\"");
    v = VolgendVeld(v.rest, 0);
    EXPECT_EQ(v.veld, "");
    EXPECT_EQ(v.rest, "");
}

TEST_F(CsvVeldenTest, ReplacingAFieldKeepsEverythingElse) {
    QString regel = QStringLiteral("\"a\", \"b\" ,\"c\"");
    VervangVeld(regel, 2, QStringLiteral("x"));
    EXPECT_EQ(regel, "\"a\", \"x\" ,\"c\"");
    VervangVeld(regel, 4, QStringLiteral("y"));
    EXPECT_EQ(regel, "\"a\", \"x\" ,\"c\"");
    VervangVeld(regel, 0, QStringLiteral("q\"uote, comma"));
    EXPECT_EQ(regel, "\"q\"\"uote, comma\", \"x\" ,\"c\"");
    EXPECT_EQ(VolgendVeld(regel, 1).veld, "q\"uote, comma");
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
