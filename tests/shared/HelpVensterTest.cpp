#include "shared/ui/HelpVenster.h"
#include "SchoneOmgeving.h"
#include "shared/Teksten.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
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
} // namespace

class HelpVensterTest : public SchoneOmgeving {};

TEST_F(HelpVensterTest, EveryTopicHasAPageInEveryLanguageAndItsLinksResolve) {
    LaadHelpPaginas();
    const char* talen[] = {"en", "fr", "nl"};
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (int taal = 0; taal < 3; ++taal)
        for (const QString& onderwerp : HelpOnderwerpen) {
            const QString pad = HelpPagina(taal, onderwerp);
            const QString html = Inhoud(pad);
            ASSERT_FALSE(html.isEmpty()) << pad.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(talen[taal]))))
                << pad.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << pad.toStdString();
            for (auto m = link.globalMatch(html); m.hasNext();) {
                const QString doel = m.next().captured(1);
                EXPECT_TRUE(QFile::exists(HelpPagina(taal, doel)))
                    << pad.toStdString() << " -> " << doel.toStdString();
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
