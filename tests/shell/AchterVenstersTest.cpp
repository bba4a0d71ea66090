// Measuring goes on behind every window a user waits in while logging: a message box, the print
// dialog, the Save As and Open dialogs with the boxes and menus they run themselves (a name that is not
// there, the Delete question, the menus of the file list and the side bar), the graph settings dialog
// and the menu of a number box in it. The whole program runs against a rack of the
// rack emulator on the in-memory line and the virtual clock, logging every second while the module's
// reading rises steadily; each window is held open for 20 s. The racks keep getting requests at the
// usual rate, the data file gets a row every second, and each row holds a new reading.
#include "Draaiboek.h"
#include "EchteMelding.h"
#include "EersteStart.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "StijgendeRack.h"
#include "TypNaam.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "platform/Eindsignalen.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"
#include "reports/FormGLP.h"
#include "reports/formPrint.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/frmInstellen.h"
#include "shell/frmSplash.h"
#include "shell/mdiK740.h"
#include "views/frmGrafiekInstellen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <csignal>
#include <functional>

namespace {

constexpr qint64 VasthoudenMs = 20000;

// A box or menu that Qt runs in a loop of its own holds the program's clock when the measuring does not
// run inside that loop, and with it the test. After some real time the brake closes Qt's own boxes and
// menus, so that the test ends and fails on it instead of hanging.
class Noodrem {
public:
    explicit Noodrem(int ms = 30000) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_getrokken = true;
            while (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) box->reject();
            m_timer.start(200);
        });
        m_timer.start(ms);
    }
    bool getrokken() const { return m_getrokken; }

private:
    QTimer m_timer;
    bool m_getrokken = false;
};

QFileDialog* OpenBestandsdialoog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) return d;
    return nullptr;
}

QMessageBox* OpenQtBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) return b;
    return nullptr;
}

// Runs `doe` on the open file dialog once its list holds the file `pad` (the list is read beside the
// program) and the file is selected there, as by a click on it; looks again every 100 ms of clock time.
void BijGeselecteerd(const QString& pad, const std::function<void(QFileDialog&)>& doe, int pogingen = 600) {
    platform::klok().planIn(100, [pad, doe, pogingen] {
        QFileDialog* d = OpenBestandsdialoog();
        auto* lijst = d ? d->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
        auto* bestanden = d ? d->findChild<QFileSystemModel*>() : nullptr;
        if (lijst && bestanden && lijst->selectionModel()) {
            const QModelIndex rij = bestanden->index(pad);
            if (rij.isValid() && lijst->model() == bestanden && rij.parent() == lijst->rootIndex()) {
                lijst->selectionModel()->setCurrentIndex(rij, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
                doe(*d);
                return;
            }
        }
        if (pogingen > 0)
            BijGeselecteerd(pad, doe, pogingen - 1);
        else
            ADD_FAILURE() << "the file dialog never listed " << pad.toStdString();
    });
}

// A right click on `w` at `punt`, as the window system brings it.
void RechterKlik(QWidget* w, QPoint punt) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, punt, w->mapToGlobal(punt));
    QApplication::sendEvent(w, &e);
}

class AchterVenstersTest : public StijgendeRackOmgeving {
protected:
    QString Logpad() const {
        return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data/Untitled.csv");
    }
    // The mV of input 1 in every measuring row of the data file, in order.
    QStringList Waarden() const {
        QStringList w;
        QFile f(Logpad());
        if (!f.open(QIODevice::ReadOnly)) return w;
        for (const QString& regel :
             platform::VanWindows1252(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList velden = SplitsVelden(regel);
            if (velden.value(0) == QStringLiteral("Time") || velden.value(2).isEmpty()) continue;
            w << velden.value(2);
        }
        return w;
    }
    int Polls() const { return emulator.aantalVerzoeken(CommandoStatus); }

    // What happened while a window was held open.
    struct Meting {
        int polls = 0;
        QStringList waarden;
    };
    // Runs `open`, which opens a window and returns when it is closed; `sluit` closes it VasthoudenMs
    // later.
    Meting Houd(const std::function<void()>& open, const std::function<void()>& sluit) {
        const int polls = Polls();
        const qsizetype rijen = Waarden().size();
        platform::klok().planIn(VasthoudenMs, sluit);
        open();
        return {Polls() - polls, Waarden().mid(rijen)};
    }

    void Controleer(const Meting& m, int pollsZonderVenster, const char* venster) {
        SCOPED_TRACE(venster);
        EXPECT_GE(m.polls, pollsZonderVenster * 9 / 10) << "requests while the window was open";
        EXPECT_GE(m.waarden.size(), VasthoudenMs / 1000 - 1) << "rows while the window was open";
        EXPECT_LE(m.waarden.size(), VasthoudenMs / 1000 + 1);
        for (qsizetype i = 1; i < m.waarden.size(); ++i)
            EXPECT_GT(m.waarden[i].toDouble(), m.waarden[i - 1].toDouble())
                << "row " << i << " repeats the reading of the row before it";
    }
};

TEST_F(AchterVenstersTest, PollingAndLoggingGoOnBehindEveryWindowTheUserWaitsIn) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 600000);
    int pollsZonderVenster = 0;
    LogVanafStartElkeSeconde(boek, venster, [&] { stijging->zetActief(true); });
    int pollsBegin = 0;
    qsizetype rijenBegin = 0;
    qint64 begin = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Waarden().size() >= 3; },
        [&] {
            ASSERT_TRUE(VerbindingActief);
            pollsBegin = Polls();
            rijenBegin = Waarden().size();
            begin = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("20 s without a window"),
        [&] { return platform::klok().ms() - begin >= VasthoudenMs; },
        [&] {
            pollsZonderVenster = Polls() - pollsBegin;
            EXPECT_GE(Waarden().size() - rijenBegin, VasthoudenMs / 1000 - 1);
            ASSERT_GT(pollsZonderVenster, 20);

            // A message box, answered after 20 s.
            EchteMelding box(Qt::Key_Return, VasthoudenMs);
            ZetMeldingVenster(&box);
            Controleer(Houd([] { ToonMelding(QStringLiteral("?"), vbOKOnly); }, [] {}), pollsZonderVenster,
                       "message box");
            EXPECT_EQ(box.geblokkeerd(), 0);
            InstalleerMeldingen();

            // File > Print, cancelled. On the way a box asked from the print dialog, which is modal,
            // takes the key that answers it, and the dialog goes on.
            EchteMelding inDialoog(Qt::Key_Space, 500);
            int antwoord = 0;
            bool dialoogOpen = false;
            platform::klok().planIn(5000, [&] {
                ZetMeldingVenster(&inDialoog);
                antwoord = ToonMelding(QStringLiteral("?"), vbOKCancel);
                InstalleerMeldingen();
                dialoogOpen = AfdrukDialoog() && AfdrukDialoog()->isVisible();
            });
            Controleer(Houd([&] { venster.menus().mnuFilePrint->trigger(); },
                            [] {
                                if (formPrint* p = AfdrukDialoog()) p->reject();
                            }),
                       pollsZonderVenster, "print dialog");
            EXPECT_EQ(inDialoog.getoond(), 1);
            EXPECT_EQ(inDialoog.geblokkeerd(), 0) << "the box took no key while the print dialog waited";
            EXPECT_EQ(antwoord, vbOK);
            EXPECT_TRUE(dialoogOpen);

            // File > Save As, cancelled.
            Controleer(Houd([&] { venster.menus().mnuFileSaveAs->trigger(); },
                            [] {
                                for (QWidget* w : QApplication::topLevelWidgets())
                                    if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible())
                                        d->reject();
                            }),
                       pollsZonderVenster, "Save As dialog");

            // File > Open, a name typed that is not there: the program's own box tells it, and the data
            // file stays the one logging writes to.
            {
                EchteMelding ontbrekend(Qt::Key_Return, VasthoudenMs);
                ZetMeldingVenster(&ontbrekend);
                const Noodrem rem;
                platform::klok().planIn(300, [] {
                    QFileDialog* d = OpenBestandsdialoog();
                    auto* naam = d ? d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
                    ASSERT_NE(naam, nullptr) << "the Open dialog with its name field";
                    TypNaamEnReturn(naam, QStringLiteral("Lab_run.csv"));
                });
                Controleer(Houd([&] { venster.menus().mnuFileOpen->trigger(); }, [] {}), pollsZonderVenster,
                           "box of a name that is not there");
                EXPECT_FALSE(rem.getrokken()) << "a box of the file dialog held the program";
                ASSERT_EQ(ontbrekend.getoond(), 1);
                EXPECT_TRUE(ontbrekend.teksten()[0].startsWith(Tekst[252]));
                EXPECT_TRUE(ontbrekend.teksten()[0].contains(QStringLiteral("Lab_run.csv")));
                EXPECT_EQ(ontbrekend.geblokkeerd(), 0);
                EXPECT_EQ(Gegevensbestand, Logpad());
                EXPECT_FALSE(
                    QFile::exists(QFileInfo(Logpad()).dir().filePath(QStringLiteral("Lab_run.csv"))));
                InstalleerMeldingen();
            }

            // The Delete question of the Open dialog on the data file in its list, answered No, and the
            // menus of its list and of its side bar: each Qt runs in a loop of its own.
            {
                const Noodrem rem;
                bool gevraagd = false;
                BijGeselecteerd(Logpad(), [&gevraagd](QFileDialog& d) {
                    auto* lijst = d.findChild<QTreeView*>(QStringLiteral("treeView"));
                    platform::klok().planIn(VasthoudenMs - 2000, [&gevraagd] {
                        QMessageBox* box = OpenQtBox();
                        gevraagd = box != nullptr;
                        if (box) QTest::keyClick(box, Qt::Key_Escape);
                    });
                    QApplication::setActiveWindow(&d);
                    lijst->setFocus();
                    QTest::keyClick(lijst, Qt::Key_Delete);
                });
                Controleer(Houd([&] { venster.menus().mnuFileOpen->trigger(); },
                                [] {
                                    if (QFileDialog* d = OpenBestandsdialoog()) d->reject();
                                }),
                           pollsZonderVenster, "Delete question of the Open dialog");
                EXPECT_TRUE(gevraagd) << "the Delete question came";
                EXPECT_TRUE(QFile::exists(Logpad()));
                EXPECT_FALSE(rem.getrokken()) << "the Delete question held the program";
            }
            for (const char* deel : {"treeView", "sidebar"}) {
                SCOPED_TRACE(deel);
                const Noodrem rem;
                bool getoond = false;
                BijGeselecteerd(Logpad(), [&getoond, deel](QFileDialog& d) {
                    auto* lijst = d.findChild<QAbstractItemView*>(QString::fromLatin1(deel));
                    ASSERT_NE(lijst, nullptr);
                    platform::klok().planIn(VasthoudenMs - 2000, [&getoond] {
                        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                        getoond = menu != nullptr;
                        if (menu) menu->close();
                    });
                    const QRect rij = lijst->visualRect(lijst->model()->index(0, 0, lijst->rootIndex()));
                    RechterKlik(lijst->viewport(), rij.isValid() ? rij.center() : QPoint(5, 5));
                });
                Controleer(Houd([&] { venster.menus().mnuFileOpen->trigger(); },
                                [] {
                                    if (QFileDialog* d = OpenBestandsdialoog()) d->reject();
                                }),
                           pollsZonderVenster, "menu in the Open dialog");
                EXPECT_TRUE(getoond) << "the menu came";
                EXPECT_FALSE(rem.getrokken()) << "the menu held the program";
            }

            // Graph > New > Table series: its settings dialog, cancelled; then the menu of one of its
            // number boxes, held.
            Controleer(Houd([&] { venster.menus().mnuGraphNewTable->trigger(); },
                            [] {
                                if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->reject();
                            }),
                       pollsZonderVenster, "graph settings dialog");
            {
                const Noodrem rem;
                bool getoond = false;
                platform::klok().planIn(300, [&getoond] {
                    frmGrafiekInstellen* d = GrafiekInstellenVenster();
                    QAbstractSpinBox* getal = nullptr;
                    if (d)
                        for (auto* b : d->findChildren<QAbstractSpinBox*>()) {
                            if (getal || !b->isEnabled()) continue;
                            // The tab that holds it, as the user picks it.
                            for (auto* tabs : d->findChildren<QTabWidget*>())
                                for (int i = 0; i < tabs->count(); ++i)
                                    if (tabs->widget(i)->isAncestorOf(b)) tabs->setCurrentIndex(i);
                            if (b->isVisible()) getal = b;
                        }
                    ASSERT_NE(getal, nullptr) << "a number box in the graph settings";
                    platform::klok().planIn(VasthoudenMs - 2000, [&getoond] {
                        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                        getoond = menu != nullptr;
                        if (menu) menu->close();
                    });
                    RechterKlik(getal, getal->rect().center());
                });
                Controleer(Houd([&] { venster.menus().mnuGraphNewTable->trigger(); },
                                [] {
                                    if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->reject();
                                }),
                           pollsZonderVenster, "menu of a number box");
                EXPECT_TRUE(getoond) << "the number box's menu came";
                EXPECT_FALSE(rem.getrokken()) << "the number box's menu held the program";
            }

            // A box asked while the settings dialog or the report window is open takes its key too.
            for (QAction* opdracht : {venster.menus().mnuFileSettings, venster.menus().mnuSystemReport}) {
                SCOPED_TRACE(opdracht->objectName().toStdString());
                opdracht->trigger();
                QWidget* dialoog = opdracht == venster.menus().mnuFileSettings
                                       ? static_cast<QWidget*>(InstellenVenster())
                                       : static_cast<QWidget*>(RapportVenster());
                ASSERT_NE(dialoog, nullptr);
                EchteMelding box(Qt::Key_Return, 500);
                ZetMeldingVenster(&box);
                EXPECT_EQ(ToonMelding(QStringLiteral("?"), vbYesNo), vbYes);
                InstalleerMeldingen();
                EXPECT_EQ(box.geblokkeerd(), 0);
                EXPECT_TRUE(dialoog->isVisible());
                dialoog->close();
            }

            antwoorden = {vbNo, vbNo, vbNo};
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// On the real clock, as the program runs for a user: the file list's menu of the Open dialog, which Qt runs
// in a loop of its own, held open for 2 s while logging every second. The rack keeps getting requests,
// the data file gets its rows, each with a new reading, and every pass of the loop runs where a window's
// wait or Qt's loop gives it its turn: never inside another pass in the place of one (the turn taken
// twice).
class EchteKlokTest : public AchterVenstersTest {
protected:
    void SetUp() override {
        AchterVenstersTest::SetUp();
        stijging.reset();
        platform::zetKlok(platform::maakEchteKlok());
        stijging = platform::klok().maakTimer();
        stijging->zetInterval(50);
        stijging->bijTik = [this] { ++emulator.module(MillivoltModule)->adc[0]; };
    }
};

TEST_F(EchteKlokTest, PollingAndLoggingGoOnBehindQtsOwnMenuAndEachPassTakesItsOwnTurn) {
    constexpr qint64 HoudMs = 2000;
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 60000);
    // Where each pass runs: the level of Qt's loops and the number of window waits. The loop's own pass
    // runs at (0, 0); a pass at a place where another runs took a turn twice.
    struct Rondes {
        std::vector<std::pair<int, int>> lopend{{0, 0}};
        int dubbel = 0;
        std::pair<int, int> eerste;
    };
    auto rondes = std::make_shared<Rondes>();
    LogVanafStartElkeSeconde(boek, venster, [&] {
        stijging->zetActief(true);
        const std::function<bool()> ronde = platform::wachtstand().lusRonde;
        ASSERT_TRUE(ronde);
        platform::wachtstand().lusRonde = [ronde, rondes] {
            const std::pair<int, int> hier{QThread::currentThread()->loopLevel(),
                                           platform::aantalVensterwachten()};
            if (std::find(rondes->lopend.begin(), rondes->lopend.end(), hier) != rondes->lopend.end() &&
                rondes->dubbel++ == 0)
                rondes->eerste = hier;
            rondes->lopend.push_back(hier);
            const bool gelopen = ronde();
            rondes->lopend.pop_back();
            return gelopen;
        };
    });
    int pollsBegin = 0;
    qint64 begin = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Waarden().size() >= 2; },
        [&] {
            pollsBegin = Polls();
            begin = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("2 s without a window"), [&] { return platform::klok().ms() - begin >= HoudMs; },
        [&] {
            const int pollsZonderVenster = Polls() - pollsBegin;
            ASSERT_GT(pollsZonderVenster, 4);
            const Noodrem rem(15000);
            bool getoond = false;
            Meting m;
            BijGeselecteerd(Logpad(), [&](QFileDialog& d) {
                auto* lijst = d.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
                ASSERT_NE(lijst, nullptr);
                platform::klok().planIn(HoudMs, [&getoond] {
                    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                    getoond = menu != nullptr;
                    if (menu) menu->close();
                });
                const int polls = Polls();
                const qsizetype rijen = Waarden().size();
                RechterKlik(lijst->viewport(), lijst->visualRect(lijst->currentIndex()).center());
                m = {Polls() - polls, Waarden().mid(rijen)};
                d.reject();
            });
            venster.menus().mnuFileOpen->trigger();
            EXPECT_TRUE(getoond) << "the menu came";
            EXPECT_FALSE(rem.getrokken()) << "the menu held the program";
            EXPECT_GE(m.polls, pollsZonderVenster / 2) << "requests while the menu was open";
            EXPECT_GE(m.waarden.size(), 1) << "rows while the menu was open";
            for (qsizetype i = 1; i < m.waarden.size(); ++i)
                EXPECT_GT(m.waarden[i].toDouble(), m.waarden[i - 1].toDouble())
                    << "row " << i << " repeats the reading of the row before it";
            antwoorden = {vbNo, vbNo, vbNo};
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(rondes->dubbel, 0) << "a pass ran inside another pass with no window or Qt loop between them, "
                                 << "first at Qt loop level " << rondes->eerste.first << " with "
                                 << rondes->eerste.second << " window wait(s)";
}

// Logout, shutdown and kill end the program as a close request with no one to answer: the logging run
// gets its end point, the event log its stop line, a setting confirmed with OK before is in the file,
// and no question is asked.
TEST_F(AchterVenstersTest, ASignalEndsTheProgramInOrderWithoutAQuestion) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    Draaiboek boek(venster, 600000);
    LogVanafStartElkeSeconde(boek, venster);
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Waarden().size() >= 3; },
        [&] {
            // French, confirmed with OK in File > Settings.
            venster.menus().mnuFileSettings->trigger();
            ASSERT_NE(InstellenVenster(), nullptr);
            InstellenVenster()->ComboTaal->setCurrentIndex(1);
            QTest::mouseClick(InstellenVenster()->OKButton, Qt::LeftButton);
            ConfiguratieGewijzigd = true;
        });
    int rijenVoorSignaal = 0;
    boek.Stap(
        QStringLiteral("logging runs in French"), [&] { return Waarden().size() >= 6; },
        [&] {
            rijenVoorSignaal = static_cast<int>(Waarden().size());
            vragen.clear();
            std::raise(SIGTERM);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

    QFile data(Logpad());
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    const QStringList regels =
        platform::VanWindows1252(data.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList laatste = SplitsVelden(regels.last());
    EXPECT_TRUE(std::all_of(laatste.begin() + 1, laatste.end(), [](const QString& v) { return v.isEmpty(); }))
        << "the last row is the end point: " << regels.last().toStdString();
    EXPECT_GE(regels.size(), rijenVoorSignaal + 2);

    QFile logboek(MapGegevens + QStringLiteral("/") + LogboekBestandsnaam(platform::Nu()));
    ASSERT_TRUE(logboek.open(QIODevice::ReadOnly));
    const QStringList logregels =
        platform::VanWindows1252(logboek.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_TRUE(logregels.last().endsWith(Tekst[460])) << logregels.last().toStdString();

    const QSettings bestand(platform::OpslagBestand(AppNaam), QSettings::IniFormat);
    EXPECT_EQ(bestand.value(QStringLiteral("Settings/Language")).toString(), QStringLiteral("1"));
}

// The program is told to end (a logout, a shutdown) while its start waits with no one at it: during
// the splash window, on the box about a library folder that cannot be made, on the box about a port
// that is open already or that does not open, in the settings window that a start after an end that
// saved no racks shows (with logging on start-up), or on the question about a working copy an earlier
// run left. The start stops there: the stop line is the last line of the event log, logging is not
// switched after it, and nothing more reaches the files.
enum class WachtBijStart {
    Splash,
    FolderBox,
    PortOpenAlreadyBox,
    PortBox,
    SettingsWindow,
    WorkingCopyQuestion
};

class EindeTijdensStartTest : public AchterVenstersTest, public testing::WithParamInterface<WachtBijStart> {};

TEST_P(EindeTijdensStartTest, AnEndSignalWhileTheStartWaitsEndsTheStartThere) {
    const WachtBijStart soort = GetParam();
    {
        // The first start logs from the start and is ended by a signal: the rack is saved only where
        // the next start must know it.
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
        Draaiboek boek(venster, 600000);
        LogVanafStartElkeSeconde(boek, venster);
        boek.Stap(
            QStringLiteral("logging runs"), [&] { return Waarden().size() >= 3; },
            [&] {
                if (soort == WachtBijStart::WorkingCopyQuestion) venster.mnuFileSaveSettings_Click();
                std::raise(SIGTERM);
            });
        ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
        ASSERT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
        platform::LaatEindsignalenLos();
    }
    const QString logboekPad = MapGegevens + QStringLiteral("/") + LogboekBestandsnaam(platform::Nu());
    const QString werkkopie = Logpad() + QStringLiteral(".new");
    if (soort == WachtBijStart::WorkingCopyQuestion) {
        ASSERT_TRUE(QFile::copy(Logpad(), werkkopie));
    }
    QByteArray data;
    ASSERT_TRUE(platform::LeesBestand(Logpad(), data));

    ShellOmgeving::NieuweStart();
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    emulator.verbind(*lijn);
    if (soort == WachtBijStart::PortBox) lijn->zetOpenFout(QStringLiteral("No such device"));
    if (soort == WachtBijStart::PortOpenAlreadyBox) {
        ASSERT_TRUE(lijn->open());
    }
    ZetMSComm1(std::move(lijn));
    if (soort == WachtBijStart::FolderBox) {
        // A file where the library folder would be made.
        ASSERT_TRUE(platform::SchrijfBestandVeilig(tijdelijkeMap() + QStringLiteral("/file"), "x"));
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("FolderLibrary"),
                         tijdelijkeMap() + QStringLiteral("/file/Library"));
    }
    mdiK740 venster;
    const Installatie installatie(venster);
    // The program's own box, held open far longer than the test.
    EchteMelding box(Qt::Key_Return, 10 * VasthoudenMs);
    ZetMeldingVenster(&box);
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    Draaiboek boek(venster, 600000);
    boek.Stap(
        QStringLiteral("the start waits"),
        [&] {
            switch (soort) {
            case WachtBijStart::Splash:
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (qobject_cast<frmSplash*>(w) && w->isVisible()) return true;
                return false;
            case WachtBijStart::SettingsWindow:
                return InstellenVenster() && InstellenVenster()->isVisible();
            default:
                return box.getoond() == 1;
            }
        },
        [&] {
            if (soort == WachtBijStart::SettingsWindow) {
                EXPECT_TRUE(StartBijOpstarten);
            }
            if (soort == WachtBijStart::WorkingCopyQuestion && !box.teksten().empty()) {
                EXPECT_EQ(box.teksten().front(), Tekst[425]);
            }
            std::raise(SIGTERM);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    platform::LaatEindsignalenLos();
    InstalleerMeldingen();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_FALSE(VerbindingActief);
    EXPECT_LE(box.getoond(), 1) << box.teksten().back().toStdString();
    // No window of the start is left.
    EXPECT_FALSE(venster.isVisible());
    EXPECT_FALSE(InstellenVenster() && InstellenVenster()->isVisible());

    QByteArray log;
    ASSERT_TRUE(platform::LeesBestand(logboekPad, log));
    QStringList regels = platform::VanWindows1252(log).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    // This start's lines: from its start line on.
    const qsizetype start = regels.lastIndexOf(QRegularExpression(QStringLiteral(".*\t") + Tekst[453]));
    ASSERT_GT(start, 0) << log.toStdString();
    regels = regels.mid(start);
    EXPECT_TRUE(regels.last().endsWith(Tekst[460])) << regels.join(u'\n').toStdString();
    EXPECT_EQ(regels.filter(Tekst[460]).size(), 1) << regels.join(u'\n').toStdString();
    QByteArray na;
    ASSERT_TRUE(platform::LeesBestand(Logpad(), na));
    EXPECT_EQ(na, data) << "the data file changed";
    if (soort == WachtBijStart::WorkingCopyQuestion) {
        ASSERT_TRUE(platform::LeesBestand(werkkopie, na)) << "the working copy is gone";
        EXPECT_EQ(na, data) << "the working copy changed";
    }
}

std::string WachtNaam(const testing::TestParamInfo<WachtBijStart>& p) {
    static const char* const namen[] = {"Splash",  "FolderBox",      "PortOpenAlreadyBox",
                                        "PortBox", "SettingsWindow", "WorkingCopyQuestion"};
    return namen[static_cast<int>(p.param)];
}

void PrintTo(WachtBijStart soort, std::ostream* uit) {
    *uit << WachtNaam({soort, 0});
}

INSTANTIATE_TEST_SUITE_P(, EindeTijdensStartTest,
                         testing::Values(WachtBijStart::Splash, WachtBijStart::FolderBox,
                                         WachtBijStart::PortOpenAlreadyBox, WachtBijStart::PortBox,
                                         WachtBijStart::SettingsWindow, WachtBijStart::WorkingCopyQuestion),
                         WachtNaam);

// The program is told to end (a logout, kill -TERM) while logging into Untitled.csv, with a window up
// that would delete, rename or overwrite a file on a Yes or a close: the Open dialog's Delete question on
// the data file, the menu of its file list, the data file's name being typed over in that list, or the
// program's own question about an existing file (File > Save As onto it). No one answers: each gets the
// answer that changes nothing, every window closes and the program ends without waiting for one. The
// data file holds every row and the run's end point, the other file is as it was.
enum class VensterBijEinde { DeleteQuestion, FileListMenu, RenameInTheList, OverwriteQuestion };

class EindeOnderVensterTest : public AchterVenstersTest,
                              public testing::WithParamInterface<VensterBijEinde> {};

TEST_P(EindeOnderVensterTest, AnEndSignalUnderAWindowDeletesRenamesAndOverwritesNothing) {
    const VensterBijEinde soort = GetParam();
    const QString ander = QFileInfo(Logpad()).dir().filePath(QStringLiteral("copy.csv"));
    const QByteArray andereInhoud = "\"Time\",\"Other\"\r\n\"05/01/2026 09:00:00\",\"1\"\r\n";
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    // The program's own box, held open far longer than the test; its Return would be Yes.
    EchteMelding box(Qt::Key_Return, 10 * VasthoudenMs);
    Draaiboek boek(venster, 600000);
    LogVanafStartElkeSeconde(boek, venster);
    const Noodrem rem;
    bool open = false;
    // The end signal once the window is up; until then the file dialog is looked at every 100 ms.
    std::function<void(int)> eindeWanneerOpen = [&](int pogingen) {
        platform::klok().planIn(100, [&, pogingen] {
            QFileDialog* d = OpenBestandsdialoog();
            auto* lijst = d ? d->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
            switch (soort) {
            case VensterBijEinde::DeleteQuestion:
                open = OpenQtBox() != nullptr;
                break;
            case VensterBijEinde::FileListMenu:
                open = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
                break;
            case VensterBijEinde::RenameInTheList:
                open = lijst && lijst->indexWidget(lijst->currentIndex()) != nullptr;
                break;
            case VensterBijEinde::OverwriteQuestion:
                open = box.getoond() == 1 && !d;
                break;
            }
            if (open)
                ::raise(SIGTERM);
            else if (pogingen > 0)
                eindeWanneerOpen(pogingen - 1);
            else
                ADD_FAILURE() << "the window never came";
        });
    };
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Waarden().size() >= 3; },
        [&] {
            eindeWanneerOpen(600);
            if (soort == VensterBijEinde::OverwriteQuestion) {
                ASSERT_TRUE(platform::SchrijfBestandVeilig(ander, andereInhoud));
                ZetMeldingVenster(&box);
                platform::klok().planIn(300, [&ander] {
                    QFileDialog* d = OpenBestandsdialoog();
                    auto* naam = d ? d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
                    ASSERT_NE(naam, nullptr) << "the Save As dialog with its name field";
                    naam->clear();
                    TypNaamEnReturn(naam, ander);
                });
                venster.menus().mnuFileSaveAs->trigger();
                return;
            }
            BijGeselecteerd(Logpad(), [soort](QFileDialog& d) {
                auto* lijst = d.findChild<QTreeView*>(QStringLiteral("treeView"));
                QApplication::setActiveWindow(&d);
                lijst->setFocus();
                if (soort == VensterBijEinde::DeleteQuestion) {
                    QTest::keyClick(lijst, Qt::Key_Delete);
                } else if (soort == VensterBijEinde::RenameInTheList) {
                    lijst->edit(lijst->currentIndex());
                    if (QWidget* invoer = lijst->indexWidget(lijst->currentIndex())) {
                        QTest::keyClick(invoer, Qt::Key_A, Qt::ControlModifier);
                        QTest::keyClicks(invoer, QStringLiteral("renamed.csv"));
                    }
                } else {
                    RechterKlik(lijst->viewport(), lijst->visualRect(lijst->currentIndex()).center());
                }
            });
            venster.menus().mnuFileOpen->trigger();
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    platform::LaatEindsignalenLos();
    InstalleerMeldingen();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(open) << "the window was not up at the end signal";
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_FALSE(rem.getrokken()) << "a window of the file dialog held the end";
    EXPECT_EQ(OpenBestandsdialoog(), nullptr);
    EXPECT_EQ(OpenQtBox(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Every row of the run, the end point last.
    QFile data(Logpad());
    ASSERT_TRUE(data.open(QIODevice::ReadOnly))
        << "the data file is gone: "
        << QFileInfo(Logpad()).dir().entryList(QDir::Files).join(u' ').toStdString();
    QStringList regels =
        platform::VanWindows1252(data.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_FALSE(regels.isEmpty());
    EXPECT_TRUE(regels.takeFirst().startsWith(QStringLiteral("\"Time\"")));
    EXPECT_EQ(regels.size(), AantalMetingen) << "rows of the run missing";
    const QStringList laatste = SplitsVelden(regels.value(regels.size() - 1));
    EXPECT_TRUE(std::all_of(laatste.begin() + 1, laatste.end(), [](const QString& v) { return v.isEmpty(); }))
        << "the last row is not the end point: " << regels.value(regels.size() - 1).toStdString();
    EXPECT_GE(regels.size(), 4);
    const QStringList namen = QFileInfo(Logpad()).dir().entryList(QDir::Files);
    EXPECT_FALSE(namen.contains(QStringLiteral("renamed.csv"))) << namen.join(u' ').toStdString();
    if (soort == VensterBijEinde::OverwriteQuestion) {
        QByteArray inhoud;
        ASSERT_TRUE(platform::LeesBestand(ander, inhoud));
        EXPECT_EQ(inhoud, andereInhoud) << "the existing file was overwritten";
        EXPECT_EQ(box.getoond(), 1);
    }
    QFile logboek(MapGegevens + QStringLiteral("/") + LogboekBestandsnaam(platform::Nu()));
    ASSERT_TRUE(logboek.open(QIODevice::ReadOnly));
    const QStringList logregels =
        platform::VanWindows1252(logboek.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_TRUE(logregels.last().endsWith(Tekst[460])) << logregels.last().toStdString();
}

std::string VensterNaam(const testing::TestParamInfo<VensterBijEinde>& p) {
    static const char* const namen[] = {"DeleteQuestion", "FileListMenu", "RenameInTheList",
                                        "OverwriteQuestion"};
    return namen[static_cast<int>(p.param)];
}

INSTANTIATE_TEST_SUITE_P(, EindeOnderVensterTest,
                         testing::Values(VensterBijEinde::DeleteQuestion, VensterBijEinde::FileListMenu,
                                         VensterBijEinde::RenameInTheList,
                                         VensterBijEinde::OverwriteQuestion),
                         VensterNaam);

} // namespace
