#include "Afdrukomgeving.h"
#include "reports/Opnamevlak.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printerkode.h"
#include "reports/Printers.h"
#include "reports/Printervlak.h"

#include <QDir>
#include <QFontInfo>

namespace {

class PaginamodelTest : public SchoneOmgeving {
protected:
    // A4 portrait, printable 200 x 287 mm, margins of 10 mm, the title "Run 7".
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MargeBoven = MargeOnder = MargeLinks = MargeRechts = 10;
        InitialiseerPrinter(p);
        RapportTitel = QStringLiteral("Run 7");
    }
    Opnamevlak vlak;
    Printer p{vlak};
};

// The pieces of every line of a wrapped text, with 1 mm per character.
std::vector<QStringList> Regels(const TekstBlok& blok) {
    std::vector<QStringList> uit;
    for (const TekstRegel& r : blok.regels) {
        QStringList stukken;
        for (const TekstStuk& s : r.stukken)
            stukken << s.tekst;
        uit.push_back(stukken);
    }
    return uit;
}
TekstBlok Wikkel(const QString& tekst, double grens) {
    return ZetTekstBlok(0, grens, tekst, [](const QString& s) { return double(s.size()); });
}

TEST_F(PaginamodelTest, MarginsAreClampedToAFifthOfThePrintableAreaAndStoredBack) {
    MargeBoven = -3;
    MargeOnder = 100;
    MargeLinks = 12.5f;
    MargeRechts = 41;
    InitialiseerPrinter(p);
    EXPECT_EQ(MargeBoven, 0.0f);
    EXPECT_FLOAT_EQ(MargeOnder, 287.0f / 5);
    EXPECT_EQ(MargeLinks, 12.5f);
    EXPECT_FLOAT_EQ(MargeRechts, 40.0f);
    EXPECT_DOUBLE_EQ(RandLinks, 12.5);
    EXPECT_NEAR(RandRechts, 160.0, 1e-4);
    EXPECT_DOUBLE_EQ(RandBoven, 0.0);
    EXPECT_NEAR(RandOnder, 287.0 - 57.4, 1e-4);

    // Landscape: the limits follow the turned page.
    PrintOrientatie = 2;
    MargeOnder = 100;
    MargeRechts = 100;
    InitialiseerPrinter(p);
    EXPECT_FLOAT_EQ(MargeOnder, 40.0f);
    EXPECT_FLOAT_EQ(MargeRechts, 287.0f / 5);
    EXPECT_NEAR(RandRechts, 287.0 - 57.4, 1e-4);
}

TEST_F(PaginamodelTest, ATextWhoseBottomLandsOnTheBottomEdgeStartsANewPage) {
    PrintPaginaHoofding(p);
    const double h = p.TextHeight(QStringLiteral("x"));
    p.CurrentY = RandOnder - h - 0.01;
    EXPECT_FALSE(ControleerPaginaEinde(p, QStringLiteral("x")));
    p.CurrentY = RandOnder - h;
    EXPECT_TRUE(ControleerPaginaEinde(p, QStringLiteral("x")));
    p.Print(QStringLiteral("x"));
    EXPECT_EQ(vlak.paginas(), 2);
    // The new page has its own header, and the text starts inside the frame.
    EXPECT_EQ(vlak.Regels.filter(QStringLiteral("\"Run 7\"")).size(), 2);
    EXPECT_EQ(vlak.Regels.last(), QStringLiteral("text 10.00 15.00 \"x\" Arial 10"));
}

TEST_F(PaginamodelTest, PagesBeginWithTheFirstDrawing) {
    // A job that draws nothing prints nothing.
    Opnamevlak leeg;
    leeg.nieuwePagina();
    EXPECT_TRUE(leeg.einde());
    EXPECT_EQ(leeg.Regels, QStringList{"end 0"});

    // A new page as the last call, or twice in a row, adds no blank page.
    p.Print(QStringLiteral("one"));
    p.NewPage();
    p.NewPage();
    p.Print(QStringLiteral("two"));
    p.NewPage();
    EXPECT_TRUE(p.EndDoc());
    EXPECT_EQ(vlak.Regels.filter(QRegularExpression(QStringLiteral("^(page|end)"))),
              (QStringList{"page 1", "page 2", "end 2"}));

    // On a PDF: no file at all for an empty job.
    const QString pdf = QDir(tijdelijkeMap()).filePath(QStringLiteral("leeg.pdf"));
    EXPECT_TRUE(MaakPdfvlak(pdf)->einde());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PaginamodelTest, WordWrapBreaksAfterSignsAndKeepsOpeningSignsWithTheNextWord) {
    // A hyphenated pair breaks after the hyphen, never before it.
    EXPECT_EQ(Regels(Wikkel(QStringLiteral("a well-known fact"), 7)),
              (std::vector<QStringList>{{"a", " ", "well", "-"}, {"known", " "}, {"fact"}}));
    // An opening bracket goes with the word behind it; a full stop stays with the word before.
    EXPECT_EQ(Regels(Wikkel(QStringLiteral("pH (buffer). End"), 10)),
              (std::vector<QStringList>{{"pH", " "}, {"(buffer)", ".", " "}, {"End"}}));
    // An opening quote or bracket at the end is printed last.
    EXPECT_EQ(Regels(Wikkel(QStringLiteral("see ("), 50)), (std::vector<QStringList>{{"see", " ", "("}}));
    // CR LF, a lone CR, LF and form feed each end one line.
    EXPECT_EQ(Regels(Wikkel(QStringLiteral("a\r\nb\rc\nd\fe"), 50)),
              (std::vector<QStringList>{{"a"}, {"b"}, {"c"}, {"d"}, {"e"}}));
    // Backspace and NUL print nothing.
    EXPECT_EQ(Regels(Wikkel(QStringLiteral("a\bb") + QChar(0) + QStringLiteral("c"), 50)),
              (std::vector<QStringList>{{"a", "b", "c"}}));
    // A word wider than the line stands on a line of its own, past the limit.
    const TekstBlok lang = Wikkel(QStringLiteral("ab conductivitymeter cd"), 6);
    EXPECT_EQ(Regels(lang), (std::vector<QStringList>{{"ab", " "}, {"conductivitymeter", " "}, {"cd"}}));
    EXPECT_DOUBLE_EQ(lang.eindX, 2.0);
    // An empty text prints nothing and leaves x at the left.
    const TekstBlok leeg = ZetTekstBlok(20, 80, QString(), [](const QString&) { return 1.0; });
    EXPECT_TRUE(leeg.regels.empty());
    EXPECT_DOUBLE_EQ(leeg.eindX, 20.0);
}

// A paragraph printed near the bottom of a page continues on the next page with its page header.
TEST_F(PaginamodelTest, AWrappedParagraphGolden) {
    PrintPaginaHoofding(p);
    p.CurrentY = RandOnder - 3 * p.TextHeight();
    PrintTekstBlok(p, RandLinks + 40, RandRechts - 10,
                   QStringLiteral("Buffers pH 4.01 and 7.00 (at 25 \u00b0C) were well-known, "
                                  "see \"K761\"/manual.\r\nSecond line\fthird line with a "
                                  "verylongwordthatfitsnowhereatallinthiscolumn end."));
    EXPECT_TRUE(p.EndDoc());
    VergelijkGolden(QStringLiteral("tekstblok.txt"), vlak.Tekst().toUtf8());
}

TEST_F(PaginamodelTest, FontNamesMatchExactly) {
    EXPECT_TRUE(LettertypeBestaat(p, QStringLiteral("Arial")));
    EXPECT_FALSE(LettertypeBestaat(p, QStringLiteral("arial")));
    EXPECT_FALSE(LettertypeBestaat(p, QString()));
}

// A font name the system lacks prints in what the system's font matching gives for that name, never in
// the first font of the list.
TEST_F(PaginamodelTest, AMissingFontPrintsInTheFontThatStandsInForIt) {
    const QString pdf = QDir(tijdelijkeMap()).filePath(QStringLiteral("lettertype.pdf"));
    std::unique_ptr<Printervlak> printer = MaakPdfvlak(pdf);
    Printer q(*printer);
    for (const QString& naam : {QStringLiteral("Arial"), QStringLiteral("No Such Font K740")}) {
        q.Font.naam = naam;
        q.Print(QStringLiteral("pH 7.00"));
        const QFontInfo gebruikt(printer->font());
        EXPECT_EQ(gebruikt.family(), QFontInfo(QFont(naam)).family());
        EXPECT_EQ(printer->font().family(), naam);
    }
    // With fonts-liberation installed, Arial is its metric twin.
    EXPECT_EQ(QFontInfo(QtLettertype({QStringLiteral("Arial"), 10})).family(),
              QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(q.EndDoc());
}

} // namespace
