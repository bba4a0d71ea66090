#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardItemModel>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

class HelpersTest : public SchoneOmgeving {
protected:
    QString pad(const QString& naam) const { return tijdelijkeMap() + QLatin1Char('/') + naam; }
    void maak(const QString& p, const QByteArray& inhoud = "x") {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }
};

TEST_F(HelpersTest, BitsAndColours) {
    EXPECT_FALSE(BitGezet(0xFF, 0));
    uint8_t b = 0x05;
    ZetBit(b, 0x03);
    EXPECT_EQ(b, 0x07);
    WisBit(b, 0x03);
    EXPECT_EQ(b, 0x04); // bit 0 was set before and is gone now
    EXPECT_EQ(RoodVanKleur(static_cast<int32_t>(0xFF332211u)), 0x11);
    EXPECT_EQ(GroenVanKleur(static_cast<int32_t>(0xFF332211u)), 0x22);
    EXPECT_EQ(BlauwVanKleur(static_cast<int32_t>(0xFF332211u)), 0x33);
    EXPECT_EQ(CheckWaarde(static_cast<int16_t>(-1)), 1);
    EXPECT_EQ(CheckWaarde(static_cast<int16_t>(-32768)), 32767);
    EXPECT_EQ(KolomVanKanaal(1), 3);
    EXPECT_EQ(KolomVanKanaal(2), 7);
    EXPECT_FLOAT_EQ(Log10(1000.0f), 3.0f);
}

TEST_F(HelpersTest, TextShorteningAndMarkers) {
    EXPECT_EQ(TekstTussen("abc", "#"), "abc");
    EXPECT_EQ(TekstTussen("SN:1234", "SN:"), "1234");
    EXPECT_EQ(TekstTussen("abc#", "#"), "");
    int n = 5;
    const QString lang = "/home/user/Documents/Quorvex/K740/Data/file.csv";
    EXPECT_EQ(VerkortPad(lang, n), "/home/u.../Data/file.csv");
    EXPECT_EQ(n, 25);
    n = 10;
    EXPECT_EQ(VerkortPad("0123456789", n), "0123456789");
    n = 10;
    EXPECT_EQ(KortTekstIn("abcdefghijklmnopqrstuvwxyz0123", n), "...xyz0123");
}

TEST_F(HelpersTest, ReplaceAndTrim) {
    int n = 10;
    EXPECT_EQ(KortTekstIn(QString(30, 'a') + "1234567", n), "...1234567");
    n = 3;
    EXPECT_EQ(KortTekstIn(QString(20, 'b'), n), QString(20, 'b'));
    EXPECT_EQ(n, 25);
    EXPECT_EQ(VervangTekst("a ## b ", "##", "x"), "a x b");
    EXPECT_EQ(VervangHekje("Buffer # ", "2"), "Buffer 2");
    EXPECT_EQ(VervangAmpersand("&Open", ""), "Open");
    EXPECT_EQ(SchoonVasteTekst(QString("Rack") + QChar(0) + QChar(0) + "  ", ""), "Rack");
    EXPECT_EQ(GetalNaPrefix("COM12"), 12);
    EXPECT_EQ(GetalNaPrefix("COM"), 0);
    EXPECT_EQ(TrimSpaties("\t a \t"), "\t a \t");
    EXPECT_EQ(TrimSpaties("  a b  "), "a b");
}

// A field's blanks go at either end, also a tab, NEL, the no-break space and a wide space; a text with
// printable ends is handed back as it is.
TEST_F(HelpersTest, TrimmedFieldsLoseEveryKindOfBlankAtTheirEnds) {
    for (const char16_t blank : {u' ', u'\t', u'\r', char16_t(0x85), char16_t(0xA0), char16_t(0x3000)}) {
        const QString b(1, QChar(blank));
        const QString graad = QString::fromUtf16(u"°C"), micro = QString::fromUtf16(u"µS/cm");
        EXPECT_EQ(Bijgesneden(b + graad), graad) << int(blank);
        EXPECT_EQ(Bijgesneden(micro + b + b), micro) << int(blank);
        EXPECT_TRUE(Bijgesneden(b + b).isEmpty()) << int(blank);
    }
    for (const char16_t* tekst : {u"pH", u"°C", u"é", u"~", u"ÿ x ÿ", u"\u0100", u"\u0086a"}) {
        const QString t = QString::fromUtf16(tekst);
        const QStringView v = Bijgesneden(t);
        EXPECT_EQ(v.data(), t.data());
        EXPECT_EQ(v.size(), t.size());
    }
    EXPECT_TRUE(Bijgesneden(QStringView()).isEmpty());
}

TEST_F(HelpersTest, SwapColumnsOfAGrid) {
    QStandardItemModel m(2, 3);
    m.setData(m.index(0, 0), "a");
    m.setData(m.index(0, 2), "c");
    m.setData(m.index(1, 0), "d");
    WisselKolommen(m, 0, 2);
    EXPECT_EQ(m.data(m.index(0, 0)).toString(), "c");
    EXPECT_EQ(m.data(m.index(0, 2)).toString(), "a");
    EXPECT_EQ(m.data(m.index(1, 2)).toString(), "d");
}

TEST_F(HelpersTest, FoldersAndFiles) {
    const QString diep = pad("x/y/z");
    EXPECT_TRUE(MaakMappen(diep));
    EXPECT_TRUE(QDir(diep).exists());
    EXPECT_TRUE(MaakMappen(diep));
    maak(pad("x/a.cal"));
    EXPECT_TRUE(BestandBestaat(pad("x/a.cal")));
    EXPECT_TRUE(BestandBestaat(pad("x/*.cal")));
    EXPECT_FALSE(BestandBestaat(pad("x/*.rcf")));
    EXPECT_FALSE(BestandBestaat(pad("x/y"))); // a folder is no file
    maak(pad("x/.hidden"));
    EXPECT_FALSE(BestandBestaat(pad("x/.hidden")));
}

TEST_F(HelpersTest, MovingAFolderAsksOnlyForExistingFiles) {
    MaakMappen(pad("oud"));
    MaakMappen(pad("nieuw"));
    for (const char* n : {"a.cal", "b.cal", "c.cal", "d.cal"})
        maak(pad("oud/") + n, "new");
    maak(pad("oud/keep.rcf"));
    maak(pad("nieuw/b.cal"), "old");
    maak(pad("nieuw/c.cal"), "old");
    OpnameMelding melding;
    melding.antwoorden = {vbYes}; // all, no more questions
    ZetMeldingVenster(&melding);
    EXPECT_TRUE(KopieerMap(pad("oud/"), pad("nieuw/"), {"*.cal"}));
    ASSERT_EQ(melding.vragen.size(), 1u);
    EXPECT_EQ(melding.vragen[0].stijl, 51);
    EXPECT_TRUE(melding.vragen[0].titel.endsWith("b.cal"));
    EXPECT_EQ(QDir(pad("oud")).entryList(QDir::Files), QStringList{"keep.rcf"});
    QFile c(pad("nieuw/c.cal"));
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(c.readAll(), "new");
}

// A later file refused when the copies take their names (a folder in its place): the sources all stay,
// and of the copies named already only the one that replaced a file the user agreed to overwrite stays,
// since what it replaced is gone.
TEST_F(HelpersTest, AMoveRefusedAtALaterNameKeepsOnlyTheCopyThatReplacedAFile) {
    MaakMappen(pad("oud"));
    MaakMappen(pad("nieuw/c.cal"));
    for (const char* n : {"a.cal", "b.cal", "c.cal"})
        maak(pad("oud/") + n, "new");
    maak(pad("nieuw/b.cal"), "old");
    OpnameMelding melding;
    melding.antwoorden = {vbYes};
    ZetMeldingVenster(&melding);
    EXPECT_FALSE(KopieerMap(pad("oud/"), pad("nieuw/"), {"*.cal"}));
    EXPECT_EQ(QDir(pad("oud")).entryList(QDir::Files).join(' ').toStdString(), "a.cal b.cal c.cal");
    EXPECT_EQ(QDir(pad("nieuw")).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "b.cal");
    QFile b(pad("nieuw/b.cal"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), "new");
}

TEST_F(HelpersTest, CancelStopsTheMoveAndTheSameFolderMovesNothing) {
    MaakMappen(pad("oud"));
    MaakMappen(pad("nieuw"));
    maak(pad("oud/a.cal"));
    maak(pad("nieuw/a.cal"));
    OpnameMelding melding;
    melding.beantwoord = [](const Vraag&) { return static_cast<int>(vbCancel); };
    ZetMeldingVenster(&melding);
    EXPECT_FALSE(KopieerMap(pad("oud/"), pad("nieuw/"), {"*.cal"}));
    EXPECT_TRUE(QFile::exists(pad("oud/a.cal")));
    EXPECT_TRUE(KopieerMap(pad("oud/"), pad("oud/"), {"*.cal"}));
    EXPECT_TRUE(QFile::exists(pad("oud/a.cal")));
}

// Only access the system refuses says that the file is in use; a read-only file system or a full disk
// gives the path and the system's reason alone.
TEST_F(HelpersTest, OnlyARefusedAccessIsToldAsAFileInUse) {
    const QString bestand = pad("K740.ini");
    for (int fout : {EROFS, ENOSPC, EISDIR}) {
        platform::OnthoudSchrijffout(fout);
        EXPECT_EQ(SchrijffoutTekst(bestand), bestand + "\r\n\r\n" + std::strerror(fout)) << fout;
    }
    for (int fout : {EACCES, EPERM}) {
        platform::OnthoudSchrijffout(fout);
        EXPECT_EQ(SchrijffoutTekst(bestand),
                  VervangHekje(Tekst[234], bestand) + "\r\n\r\n" + std::strerror(fout));
    }
}

TEST_F(HelpersTest, NextWordTakesWordsOffTheFront) {
    Woord w = VolgendWoord("/demo /com2", " ", 1);
    EXPECT_EQ(w.woord, "/demo");
    EXPECT_EQ(w.rest, "/com2");
    EXPECT_EQ(w.scheiding, " ");
    w = VolgendWoord(" /com2", " ", 0);
    EXPECT_EQ(w.woord, "");
    EXPECT_EQ(w.rest, " /com2");
    w = VolgendWoord("abc\r\ndef", " ", 2);
    EXPECT_EQ(w.woord, "abc");
    EXPECT_EQ(w.scheiding, "\r");
    w = VolgendWoord("last", " ", 1);
    EXPECT_EQ(w.woord, "last");
    EXPECT_EQ(w.scheiding, "");
    EXPECT_EQ(w.rest, "");
}

TEST_F(HelpersTest, SettingsKeepNumbersInTheLocaleFormat) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    BewaarInstelling(AppNaam, "Messagewindow", "Top", 12.5f);
    EXPECT_EQ(LeesInstelling(AppNaam, "Messagewindow", "Top", 0), "12,5");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(LeesInstelling(AppNaam, "Messagewindow", "Left", 7.5f), "7.5");
    BewaarInstelling(AppNaam, "Settings", "Demo", true);
    EXPECT_EQ(LeesInstelling(AppNaam, "Settings", "Demo", "False"), "True");
    WisInstelling(AppNaam, "Settings", "Demo");
    EXPECT_EQ(LeesInstelling(AppNaam, "Settings", "Demo", "False"), "False");
}

TEST_F(HelpersTest, MessageBoxWithoutWindowAnswersItsDefaultButton) {
    EXPECT_EQ(ToonMelding("x", vbOKOnly), vbOK);
    EXPECT_EQ(ToonMelding("x", vbYesNo | vbDefaultButton2), vbNo);
    EXPECT_EQ(ToonMelding("x", vbYesNoCancel), vbYes);
    EXPECT_EQ(StandaardAntwoord(vbYesNoCancel), vbCancel);
    EXPECT_EQ(StandaardAntwoord(vbYesNo), vbYes);
}

TEST_F(HelpersTest, IniHelpersCutLongValuesAndLineBreaks) {
    const QString f = pad("t.ini");
    EXPECT_TRUE(SchrijfIni(f, "S", "K", "a\r\nb"));
    EXPECT_EQ(LeesIni(f, "S", "K", ""), "a  b");
    EXPECT_TRUE(SchrijfIni(f, "S", "L", QString(300, 'z')));
    EXPECT_EQ(LeesIni(f, "S", "L", "").size(), 255);
}
