#include "shared/Teksten.h"
#include "SchoneOmgeving.h"

#include <gtest/gtest.h>

namespace {
using Tabel = std::array<QString, LaatsteTekst + 1>;

Tabel TabelIn(int taal) {
    KiesTaal(taal);
    return Tekst;
}

// The rows that carry a text in every language.
std::vector<int> GevuldeRijen() {
    std::vector<int> rijen;
    for (int i = EersteTekst; i <= 498; ++i)
        rijen.push_back(i);
    rijen.push_back(500);
    for (int i = 503; i <= LaatsteTekst; ++i)
        rijen.push_back(i);
    return rijen;
}
} // namespace

class TekstenTest : public SchoneOmgeving {};

TEST_F(TekstenTest, UnknownLanguageChoosesEnglishAndSetsTheCallersNumberToZero) {
    for (int ongeldig : {3, -1, 32767}) {
        int frans = 1;
        KiesTaal(frans);
        int taal = ongeldig;
        KiesTaal(taal);
        EXPECT_EQ(taal, 0) << ongeldig;
        EXPECT_EQ(Tekst[453], "The software K740 is started");
        EXPECT_EQ(Tekst[500], "English");
        EXPECT_EQ(HelpOpdracht, HelpMap(0));
    }
}

TEST_F(TekstenTest, KnownLanguageLeavesTheNumberAndHuidigeTaalAlone) {
    HuidigeTaal = 1;
    for (int gekozen : {0, 1, 2}) {
        int taal = gekozen;
        KiesTaal(taal);
        EXPECT_EQ(taal, gekozen);
        EXPECT_EQ(HelpOpdracht, HelpMap(gekozen));
    }
    // The settings window lists the languages this way and must not change the current one.
    EXPECT_EQ(HuidigeTaal, 1);
}

TEST_F(TekstenTest, QuotedRowsInEveryLanguage) {
    struct Rij {
        int index;
        const char16_t* teksten[3];
    };
    const Rij rijen[] = {
        {99, {u"&Yes", u"&Oui", u"&Ja"}},
        {100, {u"&No", u"&Non", u"&Nee"}},
        {140, {u"&OK", u"&OK", u"&OK"}},
        {141, {u"&Cancel", u"&Annuler", u"&Annuleren"}},
        {145, {u"&Abort", u"&Arr\u00EAter", u"&Afbreken"}},
        {235, {u"&Retry", u"&R\u00E9essayer", u"&Opnieuw"}},
        {236, {u"&Ignore", u"&Ignorer", u"&Negeren"}},
        {298, {u"Message", u"Message", u"Melding"}},
        {453,
         {u"The software K740 is started", u"Le logiciel K740 est d\u00E9marr\u00E9",
          u"Programma K740 opgestart"}},
        {460,
         {u"The software K740 is stopped", u"Le logiciel K740 est arr\u00EAt\u00E9",
          u"Programma K740 afgesloten"}},
        {500, {u"English", u"Fran\u00E7ais", u"Nederlands"}},
        {118,
         {u"A file with this name already exists!\r\n\r\nChoose 'Yes' to OVERWRITE this existing file!\r\n",
          u"Un fichier avec ce nom existe d\u00E9j\u00E0!\r\n\r\nChoisissez 'Oui' pour ECRASER ce fichier "
          u"existant!\r\n",
          u"Een bestand met deze naam bestaat reeds!\r\n\r\nKies 'Ja' om dit bestaande bestand te "
          u"OVERSCHRIJVEN!\r\n"}},
        {183,
         {u"Some changes to the configuration has been made.\r\n\r\nDo you wish to save the settings?\r\n",
          u"Voulez vous sauvegarder la configuration?", u"Wenst u de instellingen op te slaan?"}},
        {358, {u"Show graphs successively. \\/: new", nullptr, nullptr}},
        {123, {u"No", u"N\u00B0", u"Nr."}},
    };
    for (int taal = 0; taal < 3; ++taal) {
        const Tabel tabel = TabelIn(taal);
        for (const Rij& rij : rijen) {
            if (rij.teksten[taal]) {
                EXPECT_EQ(tabel[rij.index], QString::fromUtf16(rij.teksten[taal]))
                    << "row " << rij.index << " language " << taal;
            }
        }
    }
}

TEST_F(TekstenTest, TheTableIsEmptiedFirst) {
    for (int taal : {0, 1, 2, 7}) {
        for (int i = EersteTekst; i <= LaatsteTekst; ++i)
            Tekst[i] = QStringLiteral("left over");
        KiesTaal(taal);
        for (int i = EersteTekst; i <= LaatsteTekst; ++i)
            EXPECT_NE(Tekst[i], "left over") << "row " << i;
    }
}

TEST_F(TekstenTest, SwitchingLeavesNoTextOfTheFormerLanguage) {
    Tabel schoon[3];
    for (int taal = 0; taal < 3; ++taal) {
        Tekst.fill(QString());
        schoon[taal] = TabelIn(taal);
    }
    for (int van = 0; van < 3; ++van)
        for (int naar = 0; naar < 3; ++naar) {
            TabelIn(van);
            EXPECT_EQ(TabelIn(naar), schoon[naar]) << van << " -> " << naar;
        }
    // The three fills really differ: no language was filled with another's texts.
    EXPECT_NE(schoon[0][453], schoon[1][453]);
    EXPECT_NE(schoon[1][453], schoon[2][453]);
}

TEST_F(TekstenTest, MessageBoxCaptionIndicesPointAtTheButtonTexts) {
    TekstOK = TekstCANCEL = TekstABORT = TekstRETRY = TekstIGNORE = TekstYES = TekstNO = 0;
    int taal = 2;
    KiesTaal(taal);
    EXPECT_EQ(TekstOK, 140);
    EXPECT_EQ(TekstCANCEL, 141);
    EXPECT_EQ(TekstABORT, 145);
    EXPECT_EQ(TekstRETRY, 235);
    EXPECT_EQ(TekstIGNORE, 236);
    EXPECT_EQ(TekstYES, 99);
    EXPECT_EQ(TekstNO, 100);
    EXPECT_EQ(Tekst[TekstYES], "&Ja");
    EXPECT_EQ(Tekst[TekstCANCEL], "&Annuleren");
}

// Every translated row carries what the callers rely on: the same placeholders, access keys, line
// breaks and trailing blank as the English row. Row 183 is one sentence in French and Dutch.
TEST_F(TekstenTest, EveryRowCarriesTheSameMarkersInEveryLanguage) {
    const Tabel engels = TabelIn(0);
    const Tabel vertaald[2] = {TabelIn(1), TabelIn(2)};
    const QString merktekens[] = {QStringLiteral("##"), QStringLiteral("$$"), QStringLiteral("XX"),
                                  QStringLiteral("YY"), QStringLiteral("#"),  QStringLiteral("&")};
    const QString crlf = QStringLiteral("\r\n");
    for (const Tabel* tabel : {&engels, &vertaald[0], &vertaald[1]})
        for (int i : GevuldeRijen()) {
            const QString& t = (*tabel)[i];
            EXPECT_FALSE(t.isEmpty()) << "row " << i;
            // Line breaks are CR LF pairs only, and the text decoded cleanly.
            EXPECT_EQ(t.count(QLatin1Char('\r')), t.count(crlf)) << "row " << i;
            EXPECT_EQ(t.count(QLatin1Char('\n')), t.count(crlf)) << "row " << i;
            EXPECT_FALSE(t.contains(QChar::ReplacementCharacter)) << "row " << i;
        }
    for (int taal = 0; taal < 2; ++taal)
        for (int i : GevuldeRijen()) {
            const QString& e = engels[i];
            const QString& t = vertaald[taal][i];
            const auto waar = [&] { return testing::Message() << "row " << i << " language " << taal + 1; };
            for (const QString& m : merktekens)
                EXPECT_EQ(t.count(m), e.count(m)) << waar() << " marker " << m.toStdString();
            EXPECT_EQ(t.endsWith(QLatin1Char(' ')), e.endsWith(QLatin1Char(' '))) << waar();
            if (i == 183) continue;
            EXPECT_EQ(t.count(crlf), e.count(crlf)) << waar();
            EXPECT_EQ(t.startsWith(crlf), e.startsWith(crlf)) << waar();
            EXPECT_EQ(t.endsWith(crlf), e.endsWith(crlf)) << waar();
        }
}

// The boxes about a file whose layout and the racks present differ, about a row without a line, about a
// table that changed under the info editor or the delete question and about another file opened under a
// Save As or an edit under its question are wrapped by hand in each language: each keeps its placeholder,
// no line is wider than 76 characters, and no language shows another's text.
TEST_F(TekstenTest, TheBoxesAboutAFilesLayoutKeepTheirPlaceholderAndWidthInEveryLanguage) {
    for (int taal = 0; taal < 3; ++taal)
        for (const int i : {499, 501, 502, 509, 510, 511, 512, 513}) {
            const QString t = TabelIn(taal)[i];
            const auto waar = [&] { return testing::Message() << "row " << i << " language " << taal; };
            EXPECT_FALSE(t.isEmpty()) << waar();
            EXPECT_TRUE(t != TekstenVan((taal + 1) % 3)[i])
                << waar() << " is that of language " << (taal + 1) % 3;
            EXPECT_EQ(t.count(QStringLiteral("##")), i == 499 || i == 501 ? 1 : 0) << waar();
            EXPECT_EQ(t.count(QLatin1Char('\n')), t.count(QStringLiteral("\r\n"))) << waar();
            for (const QString& regel : t.split(QStringLiteral("\r\n")))
                EXPECT_LE(regel.size(), 76) << waar() << ": " << regel.toStdString();
        }
}

TEST_F(TekstenTest, HelpPageOfATopicPerLanguage) {
    EXPECT_EQ(HelpPagina(0, HelpInstellingen), ":/help/K740EN/settings.htm");
    EXPECT_EQ(HelpPagina(1, HelpModuleInstellingen), ":/help/K740FR/ModuleSettings.htm");
    EXPECT_EQ(HelpPagina(2, QStringLiteral("GLPreport.htm")), ":/help/K740NL/GLPreport.htm");
    EXPECT_EQ(HelpPagina(9, HelpHoofdvenster), ":/help/K740EN/main_window.htm");

    int taal = 2;
    KiesTaal(taal);
    EXPECT_EQ(HelpPagina(HelpAfdrukvenster), ":/help/K740NL/print_window.htm");
    taal = 5;
    KiesTaal(taal);
    EXPECT_EQ(HelpPagina(HelpAfdrukvenster), ":/help/K740EN/print_window.htm");
}
