// What the user does while a command waits: a file loading or every window printing under the progress
// window, and the question before a PDF file is replaced. The whole program logs against the rack
// emulator on the in-memory line and the virtual clock; the user's command comes through the window
// system, as a click does, at a turn of the events the waiting command lets run.
#include "Draaiboek.h"
#include "EchteMelding.h"
#include "EersteStart.h"
#include "StijgendeRack.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/CsvVelden.h"
#include "files/Meetbestand.h"
#include "platform/Tekstbestand.h"
#include "reports/FormGLP.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/Vensterbeheer.h"
#include "shell/mdiK740.h"
#include "views/frmGrafiek.h"
#include "views/frmGrafiekInstellen.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

namespace {

// The open and save dialogs answer from a list.
class Bestandskeuze : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override {
        if (bestanden.empty()) return std::nullopt;
        QString pad = bestanden.front();
        bestanden.pop_front();
        return pad;
    }
    std::deque<QString> bestanden;
};

// `doe` runs once, at the first turn of the events at which `wanneer` holds.
class Zodra {
public:
    Zodra(std::function<bool()> wanneer, std::function<void()> doe) {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this, wanneer = std::move(wanneer), doe = std::move(doe)] {
                             if (!wanneer()) return;
                             m_timer.stop();
                             gedaan = true;
                             doe();
                         });
        m_timer.start(0);
    }
    bool gedaan = false;

private:
    QTimer m_timer;
};

// The program's real boxes: the first is held open while `terwijl` runs, then answered Yes; a later one
// gets Return.
class VasteVraag : public MeldingVenster {
public:
    explicit VasteVraag(std::function<void()> terwijl) : m_terwijl(std::move(terwijl)) {}
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        teksten << tekst;
        if (teksten.size() > 1) return EchteMelding(Qt::Key_Return, 300).Toon(tekst, stijl, titel);
        platform::klok().planIn(300, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<FormMelding*>(w); box && box->isVisible()) m_box = box;
            if (!m_box) return;
            modaal = m_box->windowModality() == Qt::ApplicationModal;
            m_terwijl();
            // What the user did settles before the answer.
            platform::klok().planIn(300, [this] {
                if (m_box) QTest::mouseClick(m_box->Knop(vbYes), Qt::LeftButton);
            });
        });
        return ToonFormMelding(tekst, stijl, titel);
    }
    QStringList teksten;
    bool modaal = false;

private:
    std::function<void()> m_terwijl;
    QPointer<FormMelding> m_box;
};

class OnderDeWachtTest : public StijgendeRackOmgeving {
protected:
    void SetUp() override {
        StijgendeRackOmgeving::SetUp();
        ZetPrinterbron([] { return Printerlijst{{PdfPrinter()}, QString()}; });
    }
    void TearDown() override {
        ZetBestandsdialogen(nullptr);
        StijgendeRackOmgeving::TearDown();
    }

    QString Pad(const char* naam) const {
        return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data/") + QLatin1String(naam);
    }
    static QByteArray Bytes(const QString& pad) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static std::vector<QStringList> Regels(const QString& pad) {
        std::vector<QStringList> regels;
        for (const QString& regel :
             platform::VanWindows1252(Bytes(pad)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            regels.push_back(SplitsVelden(regel));
        return regels;
    }
    static void Schrijf(const QString& pad, const QByteArray& bytes) {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

    // The user's choice of `item` in `menu` of the menu bar: two clicks through the window system. False
    // when the menu did not open.
    static bool KiesUitMenu(mdiK740& venster, QMenu* menu, QAction* item) {
        const QPoint titel = venster.menuBar()->actionGeometry(menu->menuAction()).center();
        QTest::mouseClick(venster.windowHandle(), Qt::LeftButton, {},
                          venster.menuBar()->mapTo(&venster, titel));
        if (!menu->isVisible()) return false;
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(item).center());
        return true;
    }

    // The tables show the rows of `pad` alone: as many, the first one first.
    static void ToontAlleen(const QString& pad) {
        const std::vector<QStringList> regels = Regels(pad);
        EXPECT_EQ(AantalMetingen, std::max<int32_t>(static_cast<int32_t>(regels.size()) - 1, 0));
        const Tabelvenster* tabel = TabelVensters[1];
        ASSERT_NE(tabel, nullptr);
        const QString eerste =
            tabel->CelTekst(1, 1, KolomDatum) + QLatin1Char(' ') + tabel->CelTekst(1, 1, KolomTijd);
        EXPECT_EQ(eerste.trimmed().toStdString(), regels.size() > 1 ? regels[1].value(0).toStdString() : "");
    }

    // Logging into run.csv for 30 rows, then off; then `doe`, and the program closed.
    void Controleer(const std::function<void(mdiK740&)>& doe) {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        LogVanafStartElkeSeconde(boek, venster, [this, &venster] {
            stijging->zetActief(true);
            keuze.bestanden = {Pad("run.csv")};
            venster.menus().mnuFileNew->trigger();
        });
        boek.Stap(
            QStringLiteral("rows in run.csv"),
            [this] { return Regels(Pad("run.csv")).size() > 30 && !PauzeOpvragen; },
            [&] {
                venster.menus().mnuDatalogging->trigger();
                ASSERT_FALSE(VerbindingActief);
                doe(venster);
                InstalleerMeldingen();
                SluitZonderBewaren(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }

    Bestandskeuze keuze;
};

// A command under the progress window of a load (File > Open of run.csv) or of a print of every window to
// a PDF file, once it has gone on a while: File > New, or File > Open of another file. The command that
// waits ends without a window that went (the closed table is not printed, and the print makes no file);
// the tables show the file chosen last alone, and nothing is told.
TEST_F(OnderDeWachtTest, ACommandUnderTheProgressWindowOfALoadOrAPrintEndsItAndKeepsWhatItChose) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        // Other.csv: the header and the first five rows of run.csv.
        const QByteArray run = Bytes(Pad("run.csv"));
        qsizetype einde = 0;
        for (int i = 0; i < 6; ++i)
            einde = run.indexOf("\r\n", einde) + 2;
        Schrijf(Pad("other.csv"), run.left(einde));
        const auto laad = [&] {
            keuze.bestanden = {Pad("run.csv")};
            m.mnuFileOpen->trigger();
        };
        const auto print = [&] {
            platform::klok().planIn(300, [] {
                formPrint* d = AfdrukDialoog();
                ASSERT_TRUE(d && d->isVisible());
                d->OptionAlles->setChecked(true);
                QTest::mouseClick(d->OKButton, Qt::LeftButton);
            });
            keuze.bestanden = {Pad("all.pdf")};
            m.mnuFilePrint->trigger();
        };
        const std::vector<std::tuple<const char*, std::function<void()>, QAction*, QString>> gevallen = {
            {"a load, File > New", laad, m.mnuFileNew, Pad("new.csv")},
            {"a load, File > Open", laad, m.mnuFileOpen, Pad("other.csv")},
            {"a print, File > New", print, m.mnuFileNew, Pad("new2.csv")}};
        for (const auto& [naam, wacht, opdracht, daarna] : gevallen) {
            SCOPED_TRACE(naam);
            const Zodra onderweg([] { return FrmVoortgang::Huidig() && AantalMetingen >= 5; },
                                 [&, opdracht = opdracht, daarna = daarna] {
                                     keuze.bestanden = {daarna};
                                     EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, opdracht));
                                 });
            vragen.clear();
            wacht();
            ASSERT_TRUE(onderweg.gedaan) << "no turn of the events under the progress window";
            EXPECT_EQ(Gegevensbestand.toStdString(), daarna.toStdString());
            EXPECT_TRUE(venster.windowTitle().contains(QFileInfo(daarna).fileName()));
            ToontAlleen(daarna);
            EXPECT_FALSE(QFile::exists(Pad("all.pdf")));
            EXPECT_EQ(FrmVoortgang::Huidig(), nullptr) << "the progress window stays";
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
        }
    });
}

// The report window's Print dialog, and Graph > Print, each to a PDF file that exists: under the question
// whether to replace it the user clicks the report window's Print again, or chooses File > New, which
// closes the graph. Neither reaches the program; Yes prints into the file.
TEST_F(OnderDeWachtTest, TheQuestionBeforeAPdfFileIsReplacedTakesNoOtherCommand) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        const QString pdf = Pad("print.pdf");
        // A graph of the saved settings: File > New closes it.
        platform::klok().planIn(0, [] {
            if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
        });
        const QPointer<frmGrafiek> grafiek = venster.vensterbeheer().NieuweGrafiek(false);
        ASSERT_TRUE(grafiek);
        m.mnuFileSaveSettings->trigger();
        m.mnuSystemReport->trigger();
        FormGLP* rapport = RapportVenster();
        ASSERT_NE(rapport, nullptr);
        struct Geval {
            const char* naam;
            std::function<void()> print;
            std::function<void()> eronder;
        };
        const std::vector<Geval> gevallen = {
            {"the report window's Print dialog",
             [rapport] {
                 rapport->CommandPrint->click();
                 formPrint* d = AfdrukDialoog();
                 ASSERT_TRUE(d && d->isVisible());
                 d->OKButton->click();
                 EXPECT_EQ(AfdrukDialoog(), d) << "another print dialog under the question";
             },
             [&venster, knop = rapport->CommandPrint] {
                 QTest::mouseClick(venster.windowHandle(), Qt::LeftButton, {},
                                   knop->mapTo(&venster, knop->rect().center()));
             }},
            {"Graph > Print",
             [&] {
                 venster.mdiGebied()->setActiveSubWindow(
                     qobject_cast<QMdiSubWindow*>(Kindvensterkader(grafiek)));
                 m.mnuGraphPrint->trigger();
             },
             [&] {
                 keuze.bestanden = {Pad("new.csv")};
                 EXPECT_FALSE(KiesUitMenu(venster, m.mnuFile, m.mnuFileNew))
                     << "File > New under the question";
             }}};
        for (const Geval& g : gevallen) {
            SCOPED_TRACE(g.naam);
            Schrijf(pdf, "former");
            VasteVraag vraag(g.eronder);
            ZetMeldingVenster(&vraag);
            keuze.bestanden = {pdf};
            g.print();
            InstalleerMeldingen();
            EXPECT_EQ(vraag.teksten.join(QLatin1Char('|')).toStdString(), Tekst[118].toStdString());
            EXPECT_TRUE(vraag.modaal) << "the question lets other windows take input";
            EXPECT_TRUE(Bytes(pdf).startsWith("%PDF")) << "nothing printed into the file";
            EXPECT_EQ(Gegevensbestand.toStdString(), Pad("run.csv").toStdString());
            EXPECT_TRUE(grafiek);
        }
    });
}

} // namespace
