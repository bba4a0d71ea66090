// Every command of the main window, once in each situation a user meets it in: every item of the menu
// bar (submenus and the window list included), every toolbar button and the entries of its drop-down,
// the status bar's panels and the rack window's pop-up menu. The whole program runs as main starts it,
// on the in-memory line with the rack emulator and the virtual clock. An enabled command is chosen; a
// disabled one must be disabled for a reason the state rules of the menus give. Every dialog that
// opens is answered as with Escape, every message box with its default, every file dialog with
// Cancel, except Save As, which is given a file that cannot be made, and Open and the recent-file
// entry, which are given a file that has gone. No command may crash, hang, leave a dialog open, end
// the program, or report a failure as success.
#include "Dialoogbeantwoorder.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Meetbestand.h"
#include "platform/GeheugenLijn.h"
#include "platform/Opslag.h"
#include "rackviews/FormRack.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/RecenteBestanden.h"
#include "shell/Statusbalk.h"
#include "shell/Vensterbeheer.h"
#include "shell/Werkbalk.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmGrafiekInstellen.h"
#include "views/frmTabel.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The situations.
enum class Stand {
    Leeg,         // nothing open, no rack on the line, not measuring
    Rackvenster,  // a rack logged on, its rack window active, not measuring
    Tabelvenster, // its table window active, measuring
    Grafiek,      // a graph window active, measuring
    Loggen,       // measuring and logging, the table window active
};

bool MetRack(Stand s) {
    return s != Stand::Leeg;
}
bool Meten(Stand s) {
    return s == Stand::Tabelvenster || s == Stand::Grafiek || s == Stand::Loggen;
}

// Fails the command that runs longer than five virtual minutes, and then ends its wait: every dialog
// is closed and the transaction in progress aborted. A command that still runs after twenty minutes
// ends the test program.
class Waakhond {
public:
    Waakhond() {
        m_timer = platform::klok().maakTimer();
        m_timer->zetInterval(1000);
        m_timer->bijTik = [this] { Kijk(); };
        m_timer->zetActief(true);
    }
    void Begin(const QString& naam) {
        m_naam = naam;
        m_sinds = platform::klok().ms();
        m_bezig = true;
        m_gemeld = false;
    }
    void Eind() { m_bezig = false; }

private:
    static constexpr qint64 Grens = 5 * 60 * 1000;
    void Kijk() {
        if (!m_bezig) return;
        const qint64 duur = platform::klok().ms() - m_sinds;
        if (duur > 4 * Grens) {
            std::fprintf(stderr, "%s hangs\n", qPrintable(m_naam));
            std::abort();
        }
        if (duur > Grens && !m_gemeld) {
            m_gemeld = true;
            ADD_FAILURE() << m_naam.toStdString() << " still runs after " << duur / 1000 << " s";
            Afbreken = true;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
        }
    }

    std::unique_ptr<platform::Timer> m_timer;
    QString m_naam;
    qint64 m_sinds = 0;
    bool m_bezig = false;
    bool m_gemeld = false;
};

// A command as the user reaches it: the menus opened on the way (each runs its state rule when it
// opens) and the item's name, or "#n" for the n-th item of a list without names (the window list).
struct Menuopdracht {
    QList<QMenu*> menus;
    QString sleutel;
};

void VerzamelMenu(QList<QMenu*> weg, QMenu* menu, std::vector<Menuopdracht>& uit) {
    weg << menu;
    emit menu->aboutToShow();
    const QList<QAction*> acties = menu->actions();
    for (int i = 0; i < acties.size(); ++i) {
        QAction* a = acties[i];
        if (a->isSeparator() || !a->isVisible()) continue;
        if (a->menu()) {
            VerzamelMenu(weg, a->menu(), uit);
            continue;
        }
        uit.push_back({weg, a->objectName().isEmpty() ? QStringLiteral("#%1").arg(i) : a->objectName()});
    }
}

class OpdrachtenTest : public ShellOmgeving, public ::testing::WithParamInterface<Stand> {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        if (MetRack(GetParam())) {
            emulator.zetRack(1, RackIdno(0, 0, 1));
            emulator.zetModule(1, 1, K761Idno(1, 2, 3)).status = 0x0F;
            emulator.zetModule(1, 2, K762Idno(1, 2, 4)).status = 0x0F;
        }
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"),
                         QStringLiteral("COM1"));
        // A logging row every second, so that the tables hold rows soon.
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Interval of time"),
                         QStringLiteral("1"));
        auto lijn = std::make_unique<platform::GeheugenLijn>();
        emulator.verbind(*lijn);
        ZetMSComm1(std::move(lijn));
        // A file in the place of a folder: nothing can be made below it, not even by root.
        QFile inDeWeg(tijdelijkeMap() + QStringLiteral("/plain"));
        ASSERT_TRUE(inDeWeg.open(QIODevice::WriteOnly));
        onschrijfbaar = inDeWeg.fileName() + QStringLiteral("/run.csv");
        verdwenen = tijdelijkeMap() + QStringLiteral("/deleted.csv");
    }

    mdiK740& hoofd() { return *m_hoofd; }
    Menubalk& menus() { return hoofd().menus(); }

    void Activeer(QWidget* w) {
        ASSERT_NE(w, nullptr);
        auto* kader = qobject_cast<QMdiSubWindow*>(Kindvensterkader(w));
        ASSERT_NE(kader, nullptr);
        if (!kader->isVisible()) kader->show();
        hoofd().mdiGebied()->setActiveSubWindow(kader);
    }
    FormRack* Rack() const { return dynamic_cast<FormRack*>(RackVenster(1)); }
    QWidget* Graaf() const { return GrafiekWidget(m_grafiek); }

    // The windows of the situation, the active one last.
    std::vector<QWidget*> Vensters() {
        switch (GetParam()) {
        case Stand::Leeg:
            return {};
        case Stand::Rackvenster:
            return {Rack()};
        case Stand::Tabelvenster:
        case Stand::Loggen:
            return {Rack(), frmTabelVan(1)};
        case Stand::Grafiek:
            return {Rack(), Graaf()};
        }
        return {};
    }

    // What a command changed is put back with the program's own commands and by closing the windows
    // it opened, so that the next command meets the same situation.
    void Herstel() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != m_hoofd && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
        if (!menus().mnuWindowToolbar->isChecked()) menus().mnuWindowToolbar->trigger();
        if (hoofd().TerminalAangevinkt()) menus().mnuExtraTerminal->trigger();
        if (FormRack* rack = Rack()) {
            if (rack->mnuRackSettingsTop->isChecked()) rack->mnuRackSettingsTop->trigger();
            if (!RackVlaggen[1].Measure) rack->mnuRackSettingsMeasure->trigger();
        }
        const std::vector<QWidget*> nodig = Vensters();
        for (QWidget* w : nodig)
            ASSERT_NE(w, nullptr) << "a window of the situation is gone";
        for (QMdiSubWindow* kader : hoofd().mdiGebied()->subWindowList())
            if (kader->isVisible() && std::find(nodig.begin(), nodig.end(), kader->widget()) == nodig.end())
                kader->close();
        if (MetRack(GetParam())) {
            if (MetenActief != Meten(GetParam())) hoofd().werkbalk().Knop(KnopMeten)->trigger();
            ASSERT_EQ(MetenActief, Meten(GetParam()));
            const bool loggen = GetParam() == Stand::Loggen;
            if (VerbindingActief != loggen) hoofd().werkbalk().Knop(KnopLoggen)->trigger();
            ASSERT_EQ(VerbindingActief, loggen);
        }
        for (QWidget* w : nodig)
            Activeer(w);
        // A table with rows has the first row's values selected, as a user selects before Copy or Info.
        if (frmTabel* tabel = GetParam() == Stand::Tabelvenster ? frmTabelVan(1) : nullptr;
            tabel && AantalMetingen > 0)
            tabel->MSHFlexGrid[static_cast<size_t>(tabel->GekozenModule())]->ZetSelectie({1, 3, 1, 4});
        if (!nodig.empty()) {
            ASSERT_EQ(hoofd().ActiefVenster(), nodig.back());
        }
        // With a rack logged on the configuration has changed: the save-settings button is offered.
        ConfiguratieGewijzigd = MetRack(GetParam());
        hoofd().ZetKnoppen();
        // A file in the recent-file list that has been deleted since.
        if (!RecenteBestanden().contains(verdwenen)) hoofd().UpdateFileMenu(verdwenen, QString());
    }

    // The rules of the menus and the toolbar that may leave `sleutel` disabled in the program's
    // present state; empty when none does.
    QString Reden(const QString& sleutel) {
        const bool rack = hoofd().IsErEenRackActief();
        const bool open = hoofd().ActieveVensters() >= 1;
        const QString soort = open ? VensterSoort(hoofd().ActiefVenster()).toLower() : QString();
        const bool tabel = soort == QLatin1String("tabel");
        const bool grafiek = soort == QLatin1String("grafi");
        QString reden;
        const auto als = [&](bool voorwaarde, const char* tekst) {
            if (voorwaarde) reden += QString::fromLatin1(tekst) + QLatin1Char(' ');
        };
        const auto bewerken = [&] {
            als(!open, "no child window");
            als(!rack, "no rack");
            als(VerbindingActief, "logging");
        };
        // The copy-state rule: a table with rows needs a selection, a terminal text.
        const auto kopieerbaar = [&] {
            if (tabel && AantalMetingen > 0) {
                frmTabel* t = frmTabelVan(1);
                als(!t || t->Geselecteerd(t->GekozenModule(), 0) < 1, "no selection");
            }
            if (soort == QLatin1String("termi"))
                als(!TerminalVenster() || TerminalVenster()->TerminalTekst().isEmpty(), "terminal empty");
            als(!tabel && !grafiek && soort != QLatin1String("termi"), "nothing to copy");
        };
        if (sleutel == QLatin1String("mnuFileSaveAs")) als(AlleenLezen, "read-only file");
        if (sleutel == QLatin1String("mnuEditCopy")) {
            bewerken();
            kopieerbaar();
        }
        if (sleutel == QLatin1String("tbrCopy")) {
            als(!open, "no child window");
            kopieerbaar();
        }
        if (sleutel == QLatin1String("mnuEditInfo") || sleutel == QLatin1String("mnuClearLine") ||
            sleutel == QLatin1String("mnuDeleteLine") || sleutel == QLatin1String("mnuRelatieveTijd") ||
            sleutel == QLatin1String("mnuTimeOrigin")) {
            bewerken();
            als(!tabel, "no table window");
            if (sleutel == QLatin1String("mnuTimeOrigin")) als(!RelatieveTijd, "clock time");
        }
        if (sleutel == QLatin1String("mnuEditCopySettings") ||
            sleutel == QLatin1String("mnuEditPasteSettings")) {
            bewerken();
            als(!tabel && !grafiek, "no table or graph window");
            if (sleutel == QLatin1String("mnuEditPasteSettings")) {
                als(tabel && !hoofd().KopieerSetTab, "nothing copied");
                als(grafiek && !hoofd().KopieerSetGraph, "nothing copied");
            }
        }
        if (sleutel == QLatin1String("mnuSystemReport") || sleutel == QLatin1String("mnuDataMeasure") ||
            sleutel == QLatin1String("mnuDataRack") || sleutel == QLatin1String("mnuDataTabel") ||
            sleutel == QLatin1String("mnuGraphNewTable") || sleutel == QLatin1String("mnuGraphNewRecorder") ||
            sleutel == QLatin1String("tbrGraph") || sleutel.startsWith(QLatin1String("tbrGraph#")))
            als(!rack, "no rack");
        if (sleutel == QLatin1String("mnuDatalogging") || sleutel == QLatin1String("tbrLogger")) {
            als(!rack, "no rack");
            als(AlleenLezen, "read-only file");
            als(!menus().mnuDataMeasure->isChecked(), "not measuring");
        }
        if (sleutel == QLatin1String("mnuExtraSettingsGraph") || sleutel == QLatin1String("tbrGraphSettings"))
            als(!grafiek || AantalOpenGrafieken() < 1, "no graph window");
        if (sleutel == QLatin1String("mnuWindowFont") || sleutel == QLatin1String("tbrFont"))
            als(!tabel && soort != QLatin1String("termi"), "no table or terminal window");
        if (sleutel == QLatin1String("tbrSaveSettings")) als(!ConfiguratieGewijzigd, "nothing changed");
        return reden;
    }

    // Runs one command and checks what every command must do: end, leave no dialog open, keep the
    // program running; Save As must not tell a file was made that could not be made, Open must not
    // make a file that is not there the data file.
    void Voer(const QString& naam, const QString& sleutel, QAction* actie, bool ingeschakeld) {
        SCOPED_TRACE(naam.toStdString());
        if (!ingeschakeld) {
            EXPECT_FALSE(Reden(sleutel).isEmpty()) << "disabled for no reason of the menu rules";
            return;
        }
        // Button 14 stays enabled after a rack search; it runs the Data menu's rule before it switches.
        if (sleutel != QLatin1String("tbrLogger")) {
            EXPECT_TRUE(Reden(sleutel).isEmpty()) << "enabled though " << Reden(sleutel).toStdString();
        }
        const bool bestand = sleutel == QLatin1String("mnuFileSaveAs") || sleutel == QLatin1String("tbrSave");
        const bool einde = sleutel == QLatin1String("mnuFileExit");
        // Opening a file that is not there, from the open dialog or the list of recent files.
        const bool weg = sleutel == QLatin1String("mnuFileOpen") || sleutel == QLatin1String("tbrOpen") ||
                         sleutel == QLatin1String("mnuRecentFile0");
        const int metingen = AantalMetingen;
        const size_t bestandsvragen = m_dialogen->bestandsvragen.size();
        if (bestand) m_dialogen->bestanden = {onschrijfbaar};
        if (weg) m_dialogen->bestanden = {verdwenen};
        // Exit asks about the changed settings; the box closed without a choice keeps the program.
        if (einde) ConfiguratieGewijzigd = true;
        const QString gegevens = Gegevensbestand;
        const QString titel = hoofd().windowTitle();
        const size_t meldingen = vragen.size();
        const std::vector<QWidget*> vensters = Vensters();
        const size_t dialogen = m_dialogen->dialogen.size();
        const QList<QMdiSubWindow*> kaders = hoofd().mdiGebied()->subWindowList();
        const bool afdrukbaar =
            std::any_of(kaders.begin(), kaders.end(), [](const QMdiSubWindow* k) { return !k->isHidden(); });
        m_waakhond->Begin(naam);
        actie->trigger();
        QApplication::processEvents();
        m_waakhond->Eind();
        ++m_gekozen;
        EXPECT_FALSE(ProgrammaBeeindigd) << "the program ended";
        EXPECT_TRUE(hoofd().isVisible());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && d->isModal())
                ADD_FAILURE() << "left open: " << d->metaObject()->className();
        if ((sleutel == QLatin1String("mnuFilePrint") || sleutel == QLatin1String("tbrPrint")) &&
            !afdrukbaar) {
            EXPECT_EQ(m_dialogen->dialogen.size(), dialogen)
                << "the print dialog opened with no window to print";
        }
        // With edits of the data file waiting, the question about them comes first; closed without a
        // choice it cancels the command.
        const bool gevraagd = m_dialogen->bestandsvragen.size() > bestandsvragen;
        if ((weg || bestand) && !gevraagd) {
            EXPECT_GT(vragen.size(), meldingen) << "no file was asked for, and no question";
            m_dialogen->bestanden.clear();
        } else if (weg) {
            m_dialogen->bestanden.clear();
            EXPECT_GT(vragen.size(), meldingen) << "the missing file was not reported";
            EXPECT_EQ(Gegevensbestand.toStdString(), gegevens.toStdString())
                << "the data file is one that is not there";
            EXPECT_EQ(hoofd().windowTitle().toStdString(), titel.toStdString());
            EXPECT_EQ(AantalMetingen, metingen) << "the rows shown were dropped";
            EXPECT_FALSE(RecenteBestanden().contains(verdwenen)) << "a missing file in the recent files";
        } else if (bestand) {
            m_dialogen->bestanden.clear();
            EXPECT_FALSE(QFile::exists(onschrijfbaar));
            EXPECT_GT(vragen.size(), meldingen) << "the failure was not reported";
            EXPECT_EQ(Gegevensbestand.toStdString(), gegevens.toStdString());
            EXPECT_EQ(hoofd().windowTitle().toStdString(), titel.toStdString());
            EXPECT_EQ(Vensters(), vensters) << "the windows were rebuilt for a file that was not made";
        }
    }

    void Kies(const QString& naam, const QString& sleutel, QAction* actie) {
        ASSERT_NE(actie, nullptr) << naam.toStdString();
        Voer(naam, sleutel, actie, actie->isEnabled());
    }

    // Every command in the present situation.
    void Wandel() {
        std::vector<Menuopdracht> opdrachten;
        Herstel();
        if (HasFatalFailure()) return;
        for (QAction* kop : hoofd().menuBar()->actions())
            if (kop->menu() && kop->isVisible()) VerzamelMenu({}, kop->menu(), opdrachten);
        for (const Menuopdracht& o : opdrachten) {
            Herstel();
            if (HasFatalFailure()) return;
            QString naam;
            bool bereikbaar = true;
            for (QMenu* m : o.menus) {
                naam += m->objectName() + QLatin1String(" > ");
                bereikbaar = bereikbaar && m->menuAction()->isEnabled();
                emit m->aboutToShow();
            }
            QAction* actie = nullptr;
            if (o.sleutel.startsWith(QLatin1Char('#')))
                actie = o.menus.back()->actions().value(o.sleutel.mid(1).toInt());
            else
                actie = o.menus.back()->findChild<QAction*>(o.sleutel, Qt::FindDirectChildrenOnly);
            if (!actie)
                for (QAction* a : o.menus.back()->actions())
                    if (a->objectName() == o.sleutel) actie = a;
            ASSERT_NE(actie, nullptr) << (naam + o.sleutel).toStdString();
            Voer(naam + o.sleutel + QLatin1Char(' ') + actie->text(), o.sleutel, actie,
                 bereikbaar && actie->isEnabled());
        }

        Werkbalk& balk = hoofd().werkbalk();
        for (int i = 1; i <= AantalKnoppen; ++i) {
            QAction* knop = balk.Knop(i);
            if (!knop || knop->isSeparator() || balk.Sleutel(i).isEmpty()) continue;
            Herstel();
            if (HasFatalFailure()) return;
            Kies(QStringLiteral("button %1 %2").arg(i).arg(balk.Sleutel(i)), balk.Sleutel(i), knop);
        }
        for (int entry = 1; entry <= 2; ++entry) {
            Herstel();
            if (HasFatalFailure()) return;
            emit balk.GrafiekMenu()->aboutToShow();
            QAction* a = balk.GrafiekMenuItem(entry);
            ASSERT_NE(a, nullptr);
            Voer(QStringLiteral("button 18 entry %1").arg(entry), QStringLiteral("tbrGraph#%1").arg(entry), a,
                 a->isEnabled());
        }

        for (int paneel = 1; paneel <= 5; ++paneel) {
            Herstel();
            if (HasFatalFailure()) return;
            SCOPED_TRACE(QStringLiteral("status panel %1").arg(paneel).toStdString());
            m_waakhond->Begin(QStringLiteral("status panel %1").arg(paneel));
            const bool loggenKon = Reden(QStringLiteral("mnuDatalogging")).isEmpty();
            const bool loggen = VerbindingActief;
            const size_t meldingen = vragen.size();
            QTest::mouseClick(hoofd().statusbalk().Paneel(paneel), Qt::LeftButton);
            QApplication::processEvents();
            m_waakhond->Eind();
            ++m_gekozen;
            EXPECT_FALSE(ProgrammaBeeindigd);
            // The panel of the logging state switches as Data > Log does, and back off.
            if (paneel == 2 && vragen.size() == meldingen) {
                EXPECT_EQ(VerbindingActief, !loggen && loggenKon);
            }
        }

        if (FormRack* rack = Rack()) {
            const QList<QAction*> items = rack->mnuRackSettings->actions();
            for (QAction* a : items) {
                Herstel();
                if (HasFatalFailure()) return;
                // The menu as a press on the first module's name opens it.
                QTest::mousePress(rack->LabelModule[0], Qt::RightButton);
                const bool zichtbaar = a->isVisible();
                rack->mnuRackSettings->hide();
                if (!zichtbaar) continue;
                Kies(QStringLiteral("rack window > ") + a->objectName(), a->objectName(), a);
            }
        }
    }

    RackEmulator emulator;
    QString onschrijfbaar;
    QString verdwenen;
    mdiK740* m_hoofd = nullptr;
    Dialoogbeantwoorder* m_dialogen = nullptr;
    Waakhond* m_waakhond = nullptr;
    int m_grafiek = 0;
    int m_gekozen = 0;
};

TEST_P(OpdrachtenTest, EveryCommandAndButtonOnce) {
    mdiK740 hoofdvenster;
    m_hoofd = &hoofdvenster;
    const Installatie installatie(hoofdvenster);
    InstalleerMeldingen();
    Dialoogbeantwoorder dialogen;
    m_dialogen = &dialogen;
    Waakhond waakhond;
    m_waakhond = &waakhond;

    // The scenario runs inside the program's own loop, from a timer of the clock.
    int fase = 0;
    bool bezig = false;
    bool klaar = false;
    const qint64 start = platform::klok().ms();
    std::unique_ptr<platform::Timer> draaiboek = platform::klok().maakTimer();
    draaiboek->zetInterval(100);
    draaiboek->bijTik = [&] {
        if (bezig || klaar) return;
        bezig = true;
        if (fase == 0 && hoofdvenster.isVisible() && hoofdvenster.isEnabled() &&
            !(InstellenVenster() && InstellenVenster()->isVisible())) {
            // The first start showed the settings window; it was closed with Escape.
            fase = MetRack(GetParam()) ? 1 : 2;
            if (fase == 1) menus().mnuNetworkSearch->trigger();
        } else if (fase == 1 && RackVenster(1) && !PauzeOpvragen) {
            fase = 2;
            if (GetParam() == Stand::Tabelvenster || GetParam() == Stand::Loggen) {
                // The table fills with a few logging rows first.
                ToonTabelVenster(1);
                hoofdvenster.werkbalk().Knop(KnopMeten)->trigger();
                hoofdvenster.werkbalk().Knop(KnopLoggen)->trigger();
                fase = 4;
            }
            if (GetParam() == Stand::Grafiek) {
                dialogen.beantwoord = [](QDialog& d) {
                    auto* instellen = qobject_cast<frmGrafiekInstellen*>(&d);
                    if (!instellen) return false;
                    instellen->CmdOK->click();
                    return true;
                };
                emit menus().mnuGraph->aboutToShow();
                menus().mnuGraphNewTable->trigger();
                for (int g = 1; g <= AantalGrafieken; ++g)
                    if (GrafiekWidget(g)) m_grafiek = g;
            }
        } else if (fase == 4 && AantalMetingen >= 3) {
            if (GetParam() == Stand::Tabelvenster) hoofdvenster.werkbalk().Knop(KnopLoggen)->trigger();
            fase = 2;
        } else if (fase == 2) {
            Wandel();
            fase = 3;
        }
        if (fase == 3 || platform::klok().ms() - start > 10 * 60 * 1000) {
            klaar = true;
            if (!ProgrammaBeeindigd) hoofdvenster.SluitVanuitCode();
            if (!ProgrammaBeeindigd) BeeindigCommunicatieLus();
        }
        bezig = false;
    };
    draaiboek->zetActief(true);
    ASSERT_TRUE(hoofdvenster.MDIForm_Load({}));
    draaiboek.reset();
    EXPECT_EQ(fase, 3) << "the situation was not reached";
    EXPECT_GT(m_gekozen, 30);
    for (const Dialoogbeantwoorder::Dialoog& d : dialogen.dialogen)
        EXPECT_FALSE(d.nietMetEscape)
            << d.klasse.toStdString() << " \"" << d.titel.toStdString() << "\" does not close with Escape";
}

INSTANTIATE_TEST_SUITE_P(Standen, OpdrachtenTest,
                         ::testing::Values(Stand::Leeg, Stand::Rackvenster, Stand::Tabelvenster,
                                           Stand::Grafiek, Stand::Loggen),
                         [](const ::testing::TestParamInfo<Stand>& info) {
                             switch (info.param) {
                             case Stand::Leeg:
                                 return std::string("NothingOpen");
                             case Stand::Rackvenster:
                                 return std::string("RackWindowActive");
                             case Stand::Tabelvenster:
                                 return std::string("TableWindowActive");
                             case Stand::Grafiek:
                                 return std::string("GraphWindowActive");
                             case Stand::Loggen:
                                 return std::string("MeasuringAndLogging");
                             }
                             return std::string();
                         });

} // namespace
