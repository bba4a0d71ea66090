#include "shared/ui/HelpVenster.h"
#include "SchoneOmgeving.h"
#include "shared/Teksten.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
QList<HelpVenster*> HelpVensters() {
    QList<HelpVenster*> gevonden;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpVenster*>(w)) gevonden.append(h);
    return gevonden;
}

QString Inhoud(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// The page names of a language, sorted.
QStringList Paginas(int taal) {
    return QDir(HelpMap(taal)).entryList(QDir::Files, QDir::Name);
}

// The text a reader sees on a page.
QString Platte(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

// A caption as a page quotes it: without its access key and its closing colon.
QString Opschrift(QString tekst) {
    tekst.remove(QLatin1Char('&'));
    tekst = tekst.simplified();
    if (tekst.endsWith(QLatin1Char(':'))) tekst.chop(1);
    return tekst.trimmed();
}
} // namespace

class HelpVensterTest : public SchoneOmgeving {};

TEST_F(HelpVensterTest, EveryLanguageHasTheSamePagesAllReachableFromTheMainPageWithNoBrokenLink) {
    LaadHelpPaginas();
    const char* talen[] = {"en", "fr", "nl"};
    const QStringList engels = Paginas(0);
    for (const QString& onderwerp : HelpOnderwerpen)
        EXPECT_TRUE(engels.contains(HelpPagina(0, onderwerp).section(QLatin1Char('/'), -1)))
            << onderwerp.toStdString();
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    const QRegularExpression titel(QStringLiteral("<title>[^<]+</title>"));
    for (int taal = 0; taal < 3; ++taal) {
        EXPECT_EQ(Paginas(taal), engels) << talen[taal];
        QSet<QString> bereikt{QStringLiteral("main_window.htm")};
        QStringList teDoen{QStringLiteral("main_window.htm")};
        while (!teDoen.isEmpty()) {
            const QString pagina = teDoen.takeFirst();
            const QString pad = HelpPagina(taal, pagina);
            const QString html = Inhoud(pad);
            ASSERT_FALSE(html.isEmpty()) << pad.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(talen[taal]))))
                << pad.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << pad.toStdString();
            EXPECT_TRUE(titel.match(html).hasMatch()) << pad.toStdString();
            for (auto m = link.globalMatch(html); m.hasNext();) {
                const QString href = m.next().captured(1);
                const QString doel = href.section(QLatin1Char('#'), 0, 0);
                const QString anker = href.section(QLatin1Char('#'), 1);
                const QString doelPagina = doel.isEmpty() ? pagina : doel;
                const QString doelHtml = Inhoud(HelpPagina(taal, doelPagina));
                EXPECT_FALSE(doelHtml.isEmpty()) << pad.toStdString() << " -> " << href.toStdString();
                if (!anker.isEmpty()) {
                    EXPECT_TRUE(doelHtml.contains(QStringLiteral("id=\"%1\"").arg(anker)))
                        << pad.toStdString() << " -> " << href.toStdString();
                }
                if (!doelHtml.isEmpty() && !bereikt.contains(doelPagina)) {
                    bereikt.insert(doelPagina);
                    teDoen << doelPagina;
                }
            }
        }
        for (const QString& pagina : engels)
            EXPECT_TRUE(bereikt.contains(pagina))
                << talen[taal] << ": no link leads to " << pagina.toStdString();
    }
}

// What a user reads on a window is what the page of that window names, in the same language: each page
// holds the captions (menu items, tabs, fields, buttons) of its window from the program's text table.
TEST_F(HelpVensterTest, EveryPageNamesTheCaptionsOfItsWindowInItsOwnLanguage) {
    LaadHelpPaginas();
    const std::vector<std::pair<QString, std::vector<int>>> opschriften = {
        {HelpHoofdvenster,
         {101, 102, 103, 105, 114, 104, 106, 108, 109, 214, 423, 422, 445, 446, 342, 343, 426,
          392, 320, 112, 428, 113, 121, 157, 427, 357, 344, 429, 297, 122, 185, 435, 158, 163,
          179, 159, 160, 161, 162, 227, 243, 246, 266, 420, 261, 136, 137, 265, 150, 151}},
        {HelpInstellingen, {127, 138, 128, 242, 470, 134, 144, 119, 132, 133, 130,
                            131, 241, 471, 472, 473, 474, 411, 140, 141, 227}},
        {HelpModuleInstellingen, {430, 295, 354, 278, 279, 237, 329, 414, 369, 364, 485, 491, 287, 464,
                                  385, 386, 387, 388, 363, 382, 359, 360, 201, 202, 273, 140, 141, 227}},
        {HelpGrafiekInstellingen,
         {339, 344, 354, 436, 134, 220, 221, 222, 437, 171, 168, 174, 346, 438, 123, 124,
          125, 170, 169, 172, 173, 176, 332, 333, 295, 219, 389, 353, 140, 141, 227}},
        {HelpSysteemoverzicht, {392, 391, 386, 401, 402, 403, 405, 406, 407, 408, 409,
                                411, 412, 413, 106, 483, 227, 140, 365, 417, 129}},
        {HelpGLPRapport,
         {386, 393, 394, 395, 396, 397, 297, 296, 295, 337, 124, 125, 153, 270, 415, 390, 154, 275, 294,
          416, 316, 359, 360, 329, 237, 465, 277, 274, 273, 271, 310, 487, 106, 483, 204, 227, 140, 366}},
        {HelpAfdrukvenster, {355, 204, 205, 206, 223, 240, 195, 196, 197, 199, 198, 163, 348, 349,
                             211, 207, 208, 209, 210, 350, 351, 352, 106, 141, 260, 227, 356}},
        {QStringLiteral("rack_window.htm"), {430, 434, 433, 387, 388, 432, 431, 380, 137}},
        {QStringLiteral("system_tree.htm"), {435, 200, 320}},
        {QStringLiteral("table_window.htm"),
         {122, 123, 124, 125, 126, 278, 445, 446, 214, 193, 423, 422, 342, 343}},
        {QStringLiteral("graph_window.htm"), {357, 344, 157, 106, 110}},
        {QStringLiteral("data_files.htm"), {134, 138, 428, 113, 261, 150, 151, 102, 103, 105, 181}},
        {QStringLiteral("calibration.htm"),
         {287, 293, 292, 280, 384, 316, 317, 318, 469, 481, 371, 310, 274, 109, 305, 289}},
        {QStringLiteral("terminal.htm"), {185, 265, 267}},
        {QStringLiteral("factory.htm"), {431}},
    };
    for (int taal = 0; taal < 3; ++taal) {
        int gekozen = taal;
        KiesTaal(gekozen);
        for (const auto& [onderwerp, teksten] : opschriften) {
            const QString pad = HelpPagina(taal, onderwerp);
            const QString tekst = Platte(Inhoud(pad));
            ASSERT_FALSE(tekst.isEmpty()) << pad.toStdString();
            for (int i : teksten)
                EXPECT_TRUE(tekst.contains(Opschrift(Tekst[i])))
                    << pad.toStdString() << " lacks text " << i << " \"" << Opschrift(Tekst[i]).toStdString()
                    << "\"";
        }
    }
}

TEST_F(HelpVensterTest, ShowsTheTopicInTheLanguageOfTheTable) {
    int taal = 1;
    KiesTaal(taal);
    ToonHelp(HelpInstellingen);
    ASSERT_EQ(HelpVensters().size(), 1);
    HelpVenster* venster = HelpVensters().first();
    EXPECT_TRUE(venster->isVisible());
    EXPECT_EQ(venster->pagina(), ":/help/K740FR/settings.htm");
    EXPECT_EQ(venster->windowTitle(), "K740 - Aide");
    const auto* browser = venster->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QString::fromUtf16(u"Param\u00E8tres")));

    // A second topic reuses the window; a topic without a page shows the main page.
    taal = 2;
    KiesTaal(taal);
    ToonHelp(HelpGLPRapport);
    ASSERT_EQ(HelpVensters().size(), 1);
    EXPECT_EQ(HelpVensters().first(), venster);
    EXPECT_EQ(venster->pagina(), ":/help/K740NL/GLPreport.htm");
    EXPECT_EQ(venster->windowTitle(), "K740 - Help");
    ToonHelp(QStringLiteral("::/missing.htm"));
    EXPECT_EQ(venster->pagina(), ":/help/K740NL/main_window.htm");

    SluitHelp();
    EXPECT_TRUE(HelpVensters().isEmpty());
}

TEST_F(HelpVensterTest, ClosedByTheUserItOpensAgain) {
    ToonHelp(HelpHoofdvenster);
    ASSERT_EQ(HelpVensters().size(), 1);
    HelpVensters().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(HelpVensters().isEmpty());

    ToonHelp(HelpSysteemoverzicht);
    ASSERT_EQ(HelpVensters().size(), 1);
    EXPECT_EQ(HelpVensters().first()->pagina(), ":/help/K740EN/System_overview.htm");
}

// A new help window comes up whole in the middle of the free part of the screen, whatever the window
// manager would do with it; one that the reader pushed partly off the screen comes back onto it when
// help is asked again, and one on the screen stays where the reader put it.
TEST_F(HelpVensterTest, TheHelpWindowComesUpWholeOnTheScreen) {
    ToonHelp(HelpHoofdvenster);
    ASSERT_EQ(HelpVensters().size(), 1);
    HelpVenster* venster = HelpVensters().first();
    ASSERT_NE(venster->screen(), nullptr);
    const QRect scherm = venster->screen()->availableGeometry();
    EXPECT_TRUE(scherm.contains(venster->frameGeometry()));
    EXPECT_LE((venster->frameGeometry().center() - scherm.center()).manhattanLength(), 2);

    const int links = venster->x();
    venster->move(links, scherm.bottom() - 100);
    ToonHelp(HelpSysteemoverzicht);
    EXPECT_TRUE(scherm.contains(venster->frameGeometry()));
    EXPECT_EQ(venster->x(), links);
    venster->move(scherm.topLeft() + QPoint(10, 20));
    ToonHelp(HelpHoofdvenster);
    EXPECT_EQ(venster->pos(), scherm.topLeft() + QPoint(10, 20));

    // With a window manager's frame: the window that it put partly below a 1280 x 900 screen moves up
    // just enough, its frame's bottom on the screen's; a new one on a smaller screen is made smaller.
    const QMargins rand(1, 20, 1, 1);
    EXPECT_EQ(HelpPlaats(QRect(600, 435, 640, 480), rand, QRect(0, 0, 1280, 900), false),
              QRect(600, 419, 640, 480));
    const QRect klein = HelpPlaats(QRect(0, 0, 640, 480), rand, QRect(0, 0, 600, 400), true);
    EXPECT_TRUE(QRect(0, 0, 600, 400).contains(klein.marginsAdded(rand))) << klein.x() << "," << klein.y();
}

// A reader follows a link with the keyboard (Tab to the link, Enter) from the main page to the module
// settings page, goes back with Backspace, forward again, and home to the contents; the help window speaks
// the language of the table all the way. With K740_SCREENSHOTS set to a folder (scripts/screenshot-help) both
// pages are kept there as pictures, help-<en|fr|nl>-main.png and help-<en|fr|nl>-module.png.
TEST_F(HelpVensterTest, AReaderFollowsALinkToAnotherPageAndBack) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    const char* talen[] = {"en", "fr", "nl"};
    for (int taal = 0; taal < 3; ++taal) {
        int gekozen = taal;
        KiesTaal(gekozen);
        ToonHelp(HelpHoofdvenster);
        ASSERT_EQ(HelpVensters().size(), 1);
        HelpVenster* venster = HelpVensters().first();
        venster->resize(760, 560);
        auto* browser = venster->findChild<QTextBrowser*>();
        ASSERT_NE(browser, nullptr);
        const QString hoofdtitel = browser->documentTitle();
        EXPECT_FALSE(hoofdtitel.isEmpty());
        const auto bewaar = [&](const char* naam) {
            if (map.isEmpty()) return;
            const QString bestand =
                QDir(map).filePath(QStringLiteral("help-%1-%2.png").arg(QLatin1String(talen[taal]), naam));
            EXPECT_TRUE(venster->grab().toImage().save(bestand));
        };
        bewaar("main");

        QApplication::setActiveWindow(venster);
        browser->setFocus();
        QString gevonden;
        for (int stap = 0; stap < 100 && gevonden != QStringLiteral("ModuleSettings.htm"); ++stap) {
            QTest::keyClick(browser, Qt::Key_Tab);
            gevonden = browser->textCursor().charFormat().anchorHref();
        }
        ASSERT_EQ(gevonden, QStringLiteral("ModuleSettings.htm")) << talen[taal];
        QTest::keyClick(browser, Qt::Key_Return);
        EXPECT_EQ(venster->pagina().toStdString(), HelpPagina(taal, HelpModuleInstellingen).toStdString());
        EXPECT_NE(browser->documentTitle(), hoofdtitel);
        // The heading of the page is the module settings caption in this language.
        EXPECT_TRUE(browser->toPlainText().startsWith(Opschrift(Tekst[430]))) << talen[taal];
        bewaar("module");

        ASSERT_TRUE(venster->Terug->isEnabled());
        QTest::keyClick(browser, Qt::Key_Backspace);
        EXPECT_EQ(venster->pagina().toStdString(), HelpPagina(taal, HelpHoofdvenster).toStdString());
        ASSERT_TRUE(venster->Vooruit->isEnabled());
        venster->Vooruit->trigger();
        EXPECT_EQ(venster->pagina().toStdString(), HelpPagina(taal, HelpModuleInstellingen).toStdString());
        // The contents button leads to the main page of the language shown.
        EXPECT_EQ(venster->Inhoud->toolTip().toStdString(), Opschrift(Tekst[243]).toStdString());
        venster->Inhoud->trigger();
        EXPECT_EQ(venster->pagina().toStdString(), HelpPagina(taal, HelpHoofdvenster).toStdString());
        SluitHelp();
    }
}

// The print dialog waits as a modal dialog, which blocks every window that is not one of its own. Help
// asked from it comes up as a window of the dialog, so that it can be read and used while the dialog
// waits; when the dialog is done the help window stands on its own again and outlives the dialog.
TEST_F(HelpVensterTest, HelpAskedFromAWaitingDialogCanBeReadWhileItWaits) {
    ToonHelp(HelpHoofdvenster);
    auto dialoog = std::make_unique<QDialog>();
    QString getoond;
    bool vanDeDialoog = false;
    QTimer::singleShot(0, dialoog.get(), [&] {
        ASSERT_EQ(QApplication::activeModalWidget(), dialoog.get());
        ToonHelp(HelpAfdrukvenster);
        ASSERT_EQ(HelpVensters().size(), 1);
        HelpVenster* venster = HelpVensters().first();
        getoond = venster->pagina();
        vanDeDialoog =
            venster->isVisible() && venster->windowHandle() &&
            dialoog->windowHandle()->isAncestorOf(venster->windowHandle(), QWindow::IncludeTransients);
        dialoog->reject();
    });
    dialoog->exec();
    EXPECT_EQ(getoond.toStdString(), HelpPagina(HelpAfdrukvenster).toStdString());
    EXPECT_TRUE(vanDeDialoog);
    dialoog.reset();
    ASSERT_EQ(HelpVensters().size(), 1);
    EXPECT_TRUE(HelpVensters().first()->isVisible());
    EXPECT_EQ(HelpVensters().first()->pagina().toStdString(), HelpPagina(HelpAfdrukvenster).toStdString());
}
