// The Help buttons of the report window (on each tab), the print dialog and the graph settings dialog
// open the page of their window in the language in use. The settings dialog, the module settings and the
// main window's Help command are checked with their own windows.
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "platform/Klok.h"
#include "reports/FormGLP.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmGrafiekInstellen.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// The page the help window shows, and the heading a reader sees there ("" without a help window).
struct Getoond {
    QString pagina;
    QString titel;
};

Getoond HelpGetoond() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpVenster*>(w); h && h->isVisible()) {
            const auto* browser = h->findChild<QTextBrowser*>();
            return {h->pagina(), browser ? browser->documentTitle() : QString()};
        }
    return {};
}

class HelpTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        QDir().mkpath(MapConfiguratie);
        Printerlijst lijst;
        lijst.Printers = {PdfPrinter()};
        ZetPrinterbron([lijst] { return lijst; });
    }
    void TearDown() override {
        SluitHelp();
        ZetPrinterbron(nullptr);
        SchoneOmgeving::TearDown();
    }
};

} // namespace

TEST_F(HelpTest, EveryHelpButtonOpensThePageOfItsWindowInTheLanguageInUse) {
    // Graph 1 without a configuration file: its settings are the defaults.
    ASSERT_NE(MaakGrafiekVenster(1, false, false), nullptr);
    for (int taal = 0; taal < 3; ++taal) {
        int gekozen = taal;
        KiesTaal(gekozen);
        const auto verwacht = [taal](const QString& onderwerp) { return HelpPagina(taal, onderwerp); };

        ToonRapport(0, 0, 1, false);
        FormGLP* rapport = RapportVenster();
        ASSERT_NE(rapport, nullptr);
        rapport->SSTab->setCurrentIndex(0);
        rapport->CommandHelp->click();
        EXPECT_EQ(HelpGetoond().pagina, verwacht(HelpSysteemoverzicht));
        rapport->SSTab->setCurrentIndex(1);
        rapport->CommandHelp->click();
        EXPECT_EQ(HelpGetoond().pagina, verwacht(HelpGLPRapport));
        ResetFormGLP();

        formPrint afdruk;
        afdruk.Laad();
        afdruk.CommandHelp->click();
        EXPECT_EQ(HelpGetoond().pagina, verwacht(HelpAfdrukvenster));

        QString grafiekPagina;
        HuidigeGrafiek = 1;
        platform::klok().planIn(0, [&grafiekPagina] {
            frmGrafiekInstellen* d = GrafiekInstellenVenster();
            ASSERT_NE(d, nullptr);
            d->CommandHelp->click();
            grafiekPagina = HelpGetoond().pagina;
            d->CmdCancel->click();
        });
        platform::klok().planIn(600000, [] {
            if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) {
                ADD_FAILURE() << "graph settings left open";
                d->CmdCancel->click();
            }
        });
        EXPECT_FALSE(ToonGrafiekInstellingen());
        EXPECT_EQ(grafiekPagina, verwacht(HelpGrafiekInstellingen));

        // The page shown is the window's own, not the main page a missing topic falls back to.
        EXPECT_FALSE(HelpGetoond().titel.isEmpty());
        SluitHelp();
    }
}
