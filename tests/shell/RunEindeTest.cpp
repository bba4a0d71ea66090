// A logging run holds every moment the user works through: the whole program runs against a rack of the
// rack emulator on the in-memory line and the virtual clock, logging every second while the module's
// reading rises, and the user closes the main window, saves the run elsewhere (File > Save As, also while
// a disk refuses it), picks a graph's curve input, or meets a lost port and runs System > Search behind
// its box. The data file gets its rows throughout, and its end point only where the run really ends.
#include "Bestandsgrens.h"
#include "Draaiboek.h"
#include "EchteMelding.h"
#include "EersteStart.h"
#include "InfoMetEnter.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "StijgendeRack.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "platform/Datum.h"
#include "platform/Eindsignalen.h"
#include "platform/GeheugenLijn.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"
#include "rackviews/DialogK76xSettings.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"
#include "views/DialogInputGrafiekElement.h"
#include "views/frmGrafiekInstellen.h"
#include "views/frmTabel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTime>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <optional>

namespace {

constexpr qint64 VraagOpenMs = 12000;

// The close box of the main window: a spontaneous close event, as the window system delivers it.
void SluitMetSluitknop(QWidget& venster) {
    QCloseEvent sluiten;
    QSpontaneKeyEvent::setSpontaneous(&sluiten);
    QApplication::instance()->notify(&venster, &sluiten);
}

bool MeldingOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<FormMelding*>(w) && w->isVisible()) return true;
    return false;
}

// Rack r's window is on the screen (a Search hides it until the rack has logged on again).
bool RackGetoond(int r) {
    auto* venster = dynamic_cast<QWidget*>(RackVenster(r));
    return venster && Kindvensterkader(venster)->isVisible();
}

// The real box held open: each box is answered with the next key of the list (none left: Escape) `naMs`
// after it opens, as EchteMelding does; the title and text of every box are kept, and how long it was
// open (a box that goes before its key was withdrawn).
struct Toetsenbox : MeldingVenster {
    explicit Toetsenbox(qint64 ms) : naMs(ms) {}
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        titels << titel;
        teksten << tekst;
        Qt::Key toets = Qt::Key_Escape;
        if (!toetsen.empty()) {
            toets = toetsen.front();
            toetsen.pop_front();
        }
        const std::size_t nummer = open.size();
        open.push_back(-1);
        const qint64 sinds = platform::klok().ms();
        EchteMelding box(toets, naMs);
        const int antwoord = box.Toon(tekst, stijl, titel);
        open[nummer] = platform::klok().ms() - sinds;
        geblokkeerd += box.geblokkeerd();
        return antwoord;
    }
    qint64 naMs;
    std::deque<Qt::Key> toetsen;
    QStringList titels, teksten;
    std::vector<qint64> open; // ms each box was open
    int geblokkeerd = 0;
};

// An end point: the time and nothing else.
bool IsEindpunt(const QStringList& rij) {
    return std::all_of(rij.begin() + 1, rij.end(), [](const QString& v) { return v.isEmpty(); });
}

// The save dialog answers with one path.
struct VasteKeuze : Bestandsdialogen {
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override { return pad; }
    QString pad;
};

// The save dialog answers with the next path of the list (none left: Cancel).
struct Keuzelijst : Bestandsdialogen {
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override {
        ++gevraagd;
        if (paden.empty()) return std::nullopt;
        const QString pad = paden.front();
        paden.pop_front();
        return pad;
    }
    std::deque<QString> paden;
    int gevraagd = 0;
};

// The header lines of a file.
int Koppen(const QString& pad) {
    QByteArray inhoud;
    if (!platform::LeesBestand(pad, inhoud)) return 0;
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(inhoud));
    return static_cast<int>(std::count_if(regels.begin(), regels.end(), [](const QString& r) {
        return r.startsWith(QLatin1String("\"Time\""));
    }));
}

// The rows of one run that logged every second: one end point, the last; every row later than the one
// before it, and none more than a poll turn after it (no row is missing).
void ControleerRun(const std::vector<QStringList>& rijen) {
    ASSERT_FALSE(rijen.empty());
    EXPECT_TRUE(IsEindpunt(rijen.back()));
    EXPECT_EQ(std::count_if(rijen.begin(), rijen.end(), IsEindpunt), 1) << "an end point inside the run";
    platform::Datum vorige = 0;
    for (const QStringList& rij : rijen) {
        platform::Datum tijd = 0;
        ASSERT_TRUE(platform::LeesDatumTijd(rij.value(0), tijd)) << rij.value(0).toStdString();
        if (vorige != 0) {
            if (!IsEindpunt(rij)) {
                EXPECT_GT(tijd, vorige) << rij.value(0).toStdString();
            }
            EXPECT_LE((tijd - vorige) * 86400.0, 2.5) << "no row before " << rij.value(0).toStdString();
        }
        vorige = tijd;
    }
}

class RunEindeTest : public StijgendeRackOmgeving {
protected:
    // The data file of a first start.
    QString Gegevenspad() const { return Datamap() + QStringLiteral("/Untitled.csv"); }
    QString Datamap() const { return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data"); }
    // A removable disk in the data folder, and the folder it is renamed to while it is away.
    QString Usb() const { return Datamap() + QStringLiteral("/Usb"); }
    QString UsbWeg() const { return Datamap() + QStringLiteral("/Usb.away"); }
    QString UsbRun() const { return Usb() + QStringLiteral("/run.csv"); }
    // Logging goes on in Usb/run.csv (Save As), and once it holds rows the disk goes away; `bijWeg` is
    // then the number of rows taken. `daarna` runs after Save As.
    void LogOpUsbTotHijWeggaat(Draaiboek& boek, mdiK740& venster, int32_t& bijWeg,
                               std::function<void()> daarna = {}) {
        boek.Stap(
            QStringLiteral("logging into Usb/run.csv"), [] { return true; },
            [this, &venster, daarna] {
                SlaOpAls(venster, UsbRun());
                if (daarna) daarna();
            });
        boek.Stap(
            QStringLiteral("the disk goes away"), [this] { return Rijen(UsbRun()).size() >= 4; },
            [this, &bijWeg] {
                ASSERT_TRUE(QDir().rename(Usb(), UsbWeg()));
                bijWeg = AantalMetingen;
            });
    }
    // File > Save As into `pad`, through the menu.
    void SlaOpAls(mdiK740& venster, const QString& pad) {
        VasteKeuze keuze;
        keuze.pad = pad;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(pad).absolutePath()));
        ZetBestandsdialogen(&keuze);
        venster.menus().mnuFileSaveAs->trigger();
        ZetBestandsdialogen(nullptr);
        ASSERT_EQ(Gegevensbestand, pad);
    }
    // File > Save As through the menu, the dialog answering from `keuze`.
    static void SlaOpAls(mdiK740& venster, Keuzelijst& keuze) {
        ZetBestandsdialogen(&keuze);
        venster.menus().mnuFileSaveAs->trigger();
        ZetBestandsdialogen(nullptr);
    }
    QString Pad(const char* naam) const { return Datamap() + QLatin1Char('/') + QLatin1String(naam); }
    // The file holds every row of rack 1's table, the same times in the same order.
    void ControleerAlleRijen(const QString& pad) const {
        SCOPED_TRACE(pad.toStdString());
        const std::vector<QStringList> rijen = Rijen(pad);
        ASSERT_EQ(static_cast<int32_t>(rijen.size()), AantalMetingen) << "rows of the tables missing";
        const Tabelvenster* tabel = TabelVensters[1];
        ASSERT_NE(tabel, nullptr);
        for (int32_t rij = 1; rij <= AantalMetingen; ++rij)
            EXPECT_EQ(rijen[static_cast<size_t>(rij - 1)].value(0), tabel->CelTekst(1, rij, KolomDatum) +
                                                                        QLatin1Char(' ') +
                                                                        tabel->CelTekst(1, rij, KolomTijd))
                << "row " << rij;
    }
    // The rows of the data file after its header, each split into its fields: the first data file, or
    // the file named.
    std::vector<QStringList> Rijen(const QString& pad = {}) const {
        std::vector<QStringList> rijen;
        QFile f(pad.isEmpty() ? Gegevenspad() : pad);
        if (!f.open(QIODevice::ReadOnly)) return rijen;
        for (const QString& regel :
             platform::VanWindows1252(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList velden = SplitsVelden(regel);
            if (velden.value(0) != QStringLiteral("Time")) rijen.push_back(velden);
        }
        return rijen;
    }
    int Eindpunten() const {
        const auto rijen = Rijen();
        return static_cast<int>(std::count_if(rijen.begin(), rijen.end(), IsEindpunt));
    }
    int Rijaantal() const { return static_cast<int>(Rijen().size()); }
    int Polls() const { return emulator.aantalVerzoeken(CommandoStatus); }
    // The rack line's device fails while open; with a reason, it cannot be opened again either.
    static void VerliesLijn(const QString& openFout = {}) {
        auto* lijn = dynamic_cast<platform::GeheugenLijn*>(&MSComm1());
        ASSERT_NE(lijn, nullptr);
        if (!openFout.isEmpty()) lijn->zetOpenFout(openFout);
        lijn->verlies(QStringLiteral("Input/output error"));
    }

    // The real question about a full disk, held 3 s and answered with Escape (Cancel); then room is made.
    struct GeefOpBijVolleSchijf : MeldingVenster {
        int Toon(const QString& tekst, int stijl, const QString& titel) override {
            ++getoond;
            EchteMelding box(Qt::Key_Escape, 3000);
            const int antwoord = box.Toon(tekst, stijl, titel);
            grens.reset();
            return antwoord;
        }
        int getoond = 0;
        std::optional<Bestandsgrens> grens;
    };
    // Steps: a size limit on the data file while logging; its question is answered with Cancel, so rows
    // eerste..laatste are given up, and then room is made.
    void GeefRijenOp(Draaiboek& boek, GeefOpBijVolleSchijf& vraag, int32_t& eerste, int32_t& laatste) {
        boek.Stap(
            QStringLiteral("the disk is full"), [] { return true; },
            [this, &vraag, &eerste] {
                eerste = AantalMetingen + 1;
                ZetMeldingVenster(&vraag);
                vraag.grens.emplace(static_cast<rlim_t>(QFileInfo(Gegevenspad()).size()));
            });
        boek.Stap(
            QStringLiteral("the rows are given up"),
            [&vraag] { return vraag.getoond == 1 && !vraag.grens && !MeldingOpen(); },
            [this, &laatste] {
                InstalleerMeldingen();
                laatste = AantalMetingen;
            });
    }
    // First start: the settings window sets logging on at start-up every second; the rack logs on,
    // Measure is pressed, and logging runs.
    void BeginLoggen(Draaiboek& boek, mdiK740& venster) {
        LogVanafStartElkeSeconde(boek, venster, [this] { stijging->zetActief(true); });
        boek.Stap(
            QStringLiteral("logging runs"), [this] { return Rijaantal() >= 3; }, [] {});
    }
};

TEST_F(RunEindeTest, ClosingWritesTheEndPointOnlyOnceTheQuestionIsAnsweredAndCancelLetsTheRunGoOn) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int rijenNaAnnuleren = 0;
    boek.Stap(
        QStringLiteral("close, cancelled"), [] { return true; },
        [&] {
            ConfiguratieGewijzigd = true;
            const int rijen = Rijaantal();
            EchteMelding box(Qt::Key_Escape, VraagOpenMs);
            ZetMeldingVenster(&box);
            SluitMetSluitknop(venster);
            InstalleerMeldingen();
            EXPECT_EQ(box.getoond(), 1);
            EXPECT_EQ(box.geblokkeerd(), 0);
            EXPECT_FALSE(ProgrammaBeeindigd);
            EXPECT_TRUE(VerbindingActief);
            EXPECT_EQ(Eindpunten(), 0) << "an end point for a close that was cancelled";
            rijenNaAnnuleren = Rijaantal();
            EXPECT_GE(rijenNaAnnuleren - rijen, VraagOpenMs / 2000) << "rows while the question was open";
        });
    int rijenVoorSluiten = 0;
    boek.Stap(
        QStringLiteral("logging goes on after the cancel"),
        [&] { return Rijaantal() >= rijenNaAnnuleren + 3; },
        [&] {
            EXPECT_EQ(Eindpunten(), 0);
            ConfiguratieGewijzigd = true;
            rijenVoorSluiten = Rijaantal();
            EchteMelding box(Qt::Key_Return, VraagOpenMs); // Yes: save and close
            ZetMeldingVenster(&box);
            SluitMetSluitknop(venster);
            InstalleerMeldingen();
            EXPECT_EQ(box.getoond(), 1);
            EXPECT_EQ(box.geblokkeerd(), 0);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);

    const std::vector<QStringList> rijen = Rijen();
    ASSERT_FALSE(rijen.empty());
    EXPECT_TRUE(IsEindpunt(rijen.back())) << "the last row is not the end point";
    EXPECT_EQ(Eindpunten(), 1);
    EXPECT_GE(static_cast<int>(rijen.size()) - 1 - rijenVoorSluiten, VraagOpenMs / 2000)
        << "rows while the question was open";
}

// The settings file no longer fits on the disk (the data file still does) when a setting is changed while
// logging: the box that tells it waits beside the run, and the setting reaches the file at the close.
TEST_F(RunEindeTest, LoggingGoesOnWhileASettingsFileTheDiskCannotTakeIsTold) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    // The real box, held open; the rows of the data file when it opens and when it is answered.
    struct Box : EchteMelding {
        using EchteMelding::EchteMelding;
        int Toon(const QString& tekst, int stijl, const QString& titel) override {
            teksten << tekst;
            voor.push_back(rijen());
            const int antwoord = EchteMelding::Toon(tekst, stijl, titel);
            na.push_back(rijen());
            return antwoord;
        }
        std::function<int()> rijen;
        QStringList teksten;
        std::vector<int> voor, na;
    } box(Qt::Key_Return, VraagOpenMs);
    box.rijen = [this] { return Rijaantal(); };
    const QString ini = platform::OpslagBestand(AppNaam);
    std::optional<Bestandsgrens> grens;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("a large setting is written"), [] { return true; },
        [] {
            BewaarInstelling(AppNaam, QStringLiteral("Notes"), QStringLiteral("Text"), QString(300000, u'x'));
        });
    boek.Stap(
        QStringLiteral("the disk fills up and the baud rate is changed"),
        [&] { return QFileInfo(ini).size() > 300000; },
        [&] {
            ZetMeldingVenster(&box);
            grens.emplace(200000);
            BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Baudrate"),
                             QStringLiteral("9600"));
        });
    boek.Stap(
        QStringLiteral("the box is answered"), [&] { return !box.na.empty(); },
        [&] {
            grens.reset();
            InstalleerMeldingen();
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    ASSERT_EQ(box.teksten.size(), 1);
    EXPECT_EQ(box.teksten[0],
              ini + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(box.geblokkeerd(), 0);
    EXPECT_GE(box.na[0] - box.voor[0], VraagOpenMs / 2000) << "rows while the box was open";
    QByteArray inhoud;
    ASSERT_TRUE(platform::LeesBestand(ini, inhoud));
    EXPECT_TRUE(inhoud.contains("Baudrate=9600"));
}

// The disk of the data file fills up while logging: the real question (Retry, Cancel) waits beside the
// run, whose rows wait for the file; room is made and Retry pressed, and every row is in the file, a
// second apart, in order.
TEST_F(RunEindeTest, RowsTheDiskCannotTakeWaitBesideTheRealQuestionAndFollowOnRetry) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    EchteMelding box(Qt::Key_Return, VraagOpenMs);
    std::optional<Bestandsgrens> grens;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t metingenBijVol = 0;
    boek.Stap(
        QStringLiteral("the disk is full"), [] { return true; },
        [&] {
            metingenBijVol = AantalMetingen;
            ZetMeldingVenster(&box);
            grens.emplace(static_cast<rlim_t>(QFileInfo(Gegevenspad()).size()));
            // Room is made before the question is answered.
            platform::klok().planIn(VraagOpenMs - 2000, [&] { grens.reset(); });
        });
    boek.Stap(
        QStringLiteral("the question is answered"), [&] { return box.getoond() == 1 && !MeldingOpen(); },
        [&] {
            InstalleerMeldingen();
            EXPECT_EQ(box.geblokkeerd(), 0);
            EXPECT_GE(AantalMetingen - metingenBijVol, VraagOpenMs / 1000 - 2)
                << "rows while the question waited";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(box.getoond(), 1);

    ControleerRun(Rijen());
}

// The disk of the data file is full while logging, and its question, held open some seconds, is answered
// with Cancel as room comes: the rows that waited are given up, and the file's next row follows the end
// point of the break, at the time of the first row given up. Edit > Info on a row given up (the first one
// too, which shares its second with that end point) gets the box that says the row has no line, and
// nothing changes, also in a copy of the file (Save As); a row after the break takes the text into its own
// line. Once a Save As writes the tables, the rows given up have their lines and take a text.
TEST_F(RunEindeTest, ARowGivenUpAtAFullDiskHasNoLineForAnInfo) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    GeefOpBijVolleSchijf opgeven;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t eerste = 0, laatste = 0;
    GeefRijenOp(boek, opgeven, eerste, laatste);
    boek.Stap(
        QStringLiteral("rows after the break"),
        [&] { return AantalMetingen >= laatste + 3 && !PauzeOpvragen; },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            ASSERT_GT(laatste, eerste) << "rows given up";
            auto* tabel = dynamic_cast<frmTabel*>(TabelVensters[1]);
            ASSERT_NE(tabel, nullptr);
            const auto tijd = [tabel](int32_t rij) {
                return tabel->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') +
                       tabel->CelTekst(1, rij, KolomTijd);
            };
            // The file's one line of the first row given up's second is the break's end point.
            const std::vector<QStringList> rijen = Rijen();
            const auto vanSeconde = [&rijen](const QString& t) {
                return std::count_if(rijen.begin(), rijen.end(),
                                     [&t](const QStringList& r) { return r.value(0) == t; });
            };
            ASSERT_EQ(vanSeconde(tijd(eerste)), 1);
            EXPECT_TRUE(IsEindpunt(*std::find_if(rijen.begin(), rijen.end(), [&](const QStringList& r) {
                return r.value(0) == tijd(eerste);
            })));
            QByteArray voor, na;
            ASSERT_TRUE(platform::LeesBestand(Gegevenspad(), voor));
            for (const int32_t rij : {eerste, laatste}) {
                SCOPED_TRACE("row " + std::to_string(rij));
                vragen.clear();
                EXPECT_FALSE(InfoMetEnter(*tabel, 1, rij, QStringLiteral("lost")))
                    << "the info editor opened";
                ASSERT_EQ(vragen.size(), 1u) << "no box";
                EXPECT_EQ(vragen[0].tekst, Tekst[509]);
                EXPECT_EQ(tabel->CelTekst(1, rij, KolomInfo), QString());
            }
            EXPECT_FALSE(QFile::exists(Gegevenspad() + QStringLiteral(".new")));
            EXPECT_TRUE(platform::LeesBestand(Gegevenspad(), na) && na == voor);
            // A copy of the file (Save As) has no line of them either.
            SlaOpAls(venster, Pad("copy.csv"));
            vragen.clear();
            EXPECT_FALSE(InfoMetEnter(*tabel, 1, eerste, QStringLiteral("lost"))) << "the info editor opened";
            ASSERT_EQ(vragen.size(), 1u) << "no box";
            EXPECT_EQ(vragen[0].tekst, Tekst[509]);
            vragen.clear();
            EXPECT_TRUE(InfoMetEnter(*tabel, 1, laatste + 1, QStringLiteral("kept")));
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
            for (const QStringList& r : Rijen(Pad("copy.csv") + QStringLiteral(".new")))
                EXPECT_EQ(r.value(21), r.value(0) == tijd(laatste + 1) ? QStringLiteral("kept") : QString())
                    << r.value(0).toStdString();
            // The file gone, Save As writes the tables, the rows given up among them: now they have a line.
            ASSERT_TRUE(QFile::remove(Pad("copy.csv")) &&
                        QFile::remove(Pad("copy.csv") + QStringLiteral(".new")));
            SlaOpAls(venster, Pad("tables.csv"));
            EXPECT_EQ(static_cast<int32_t>(Rijen(Pad("tables.csv")).size()), AantalMetingen);
            vragen.clear();
            EXPECT_TRUE(InfoMetEnter(*tabel, 1, eerste, QStringLiteral("back")));
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
            for (const QStringList& r : Rijen(Pad("tables.csv") + QStringLiteral(".new")))
                EXPECT_EQ(r.value(21), r.value(0) == tijd(eerste)        ? QStringLiteral("back")
                                       : r.value(0) == tijd(laatste + 1) ? QStringLiteral("kept")
                                                                         : QString())
                    << r.value(0).toStdString();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// The clock set back (the end of summer time) repeats the seconds of rows whose lines are not where the
// rows before them would say: rows given up at a full disk, whose break the file marks with an end point at
// the first one's time, and rows of a data file that another program removed while logging, which the
// logging then made anew. A row of the second pass finds its own line by Info, Clear and Delete through the
// user's commands, never the break's end point nor the line of another row; a row whose line was given up
// or went with the removed file has none: box 509, and no line changes. So too in a copy (Save As).
class WederkerendeSecondeTest : public RunEindeTest {
protected:
    static frmTabel& Tabel() { return *frmTabelVan(1); }
    // The time of row `rij` as its line holds it.
    static QString Tijd(int32_t rij) {
        return TabelVensters[1]->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') +
               TabelVensters[1]->CelTekst(1, rij, KolomTijd);
    }
    // The readings after row `na` whose time is that of a row up to `tot`, each with the first such row.
    static std::vector<std::pair<int32_t, int32_t>> Herhaald(int32_t tot, int32_t na) {
        std::vector<std::pair<int32_t, int32_t>> paren;
        for (int32_t q = na + 1; q <= AantalMetingen; ++q)
            for (int32_t p = 1; p <= tot; ++p)
                if (!TabelVensters[1]->CelTekst(1, q, 3).isEmpty() && Tijd(p) == Tijd(q)) {
                    paren.emplace_back(p, q);
                    break;
                }
        return paren;
    }
    // The table window of rack 1 is the active window, its first tab shows row `rij` selected at column
    // `kolom`.
    static void Kies(mdiK740& venster, int32_t rij, int16_t kolom) {
        frmTabel& tabel = Tabel();
        tabel.SSTab->setCurrentIndex(0);
        tabel.MSHFlexGrid[1]->ZetSelectie({rij, kolom, rij, kolom});
        venster.mdiGebied()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Kindvensterkader(&tabel)));
    }
    // Edit > Info on row `rij`: true when the editor opened, took the text and no box came.
    bool Info(int32_t rij, const QString& tekst) {
        vragen.clear();
        const bool geopend = InfoMetEnter(Tabel(), 1, rij, tekst);
        EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
        return geopend;
    }
    // Edit > Info on row `rij` is refused before the editor opens: the row has no line (box 509).
    void GeenRegel(int32_t rij) {
        SCOPED_TRACE("row " + std::to_string(rij));
        vragen.clear();
        EXPECT_FALSE(InfoMetEnter(Tabel(), 1, rij, QStringLiteral("lost"))) << "the info editor opened";
        ASSERT_EQ(vragen.size(), 1u) << "no box";
        EXPECT_EQ(vragen[0].tekst, Tekst[509]);
    }
    // Edit > Clear of row `rij`'s cell in column `kolom` (a value or temperature of input 1, with its unit).
    static void Wis(mdiK740& venster, int32_t rij, int16_t kolom) {
        Kies(venster, rij, kolom);
        venster.menus().mnuClearLine->trigger();
        EXPECT_EQ(TabelVensters[1]->CelTekst(1, rij, kolom), QString());
    }
    // Edit > Delete line on row `rij`, Yes to its question.
    void Verwijder(mdiK740& venster, int32_t rij) {
        Kies(venster, rij, 3);
        antwoorden.push_back(vbYes);
        venster.menus().mnuDeleteLine->trigger();
        EXPECT_TRUE(ZonderTijd(1, 1, rij));
    }
    // The lines of `pad` after its header, each split into its fields, and where the line of the row at
    // `tijd` lies among them (the reading, not an end point of its second).
    static size_t Lezing(const std::vector<QStringList>& regels, const QString& tijd) {
        for (size_t i = 0; i < regels.size(); ++i)
            if (regels[i].value(0) == tijd && !IsEindpunt(regels[i])) return i;
        ADD_FAILURE() << "no reading at " << tijd.toStdString();
        return regels.size();
    }
    static void IsGelijk(const std::vector<QStringList>& gelezen, const std::vector<QStringList>& verwacht) {
        ASSERT_EQ(gelezen.size(), verwacht.size()) << "lines";
        for (size_t i = 0; i < gelezen.size(); ++i)
            EXPECT_EQ(gelezen[i].join(u'|').toStdString(), verwacht[i].join(u'|').toStdString())
                << "line " << i + 2;
    }
    // Info, Clear and Delete of row q of the data file `pad`: each reaches q's line alone. `naKopie`: the
    // file is a copy; its edits are then Info and Delete, the clear of another cell.
    void BewerkRij(mdiK740& venster, const QString& pad, int32_t q, const QString& tekst) {
        SCOPED_TRACE(pad.toStdString() + ", row " + std::to_string(q));
        std::vector<QStringList> verwacht = Rijen(pad);
        const size_t i = Lezing(verwacht, Tijd(q));
        ASSERT_LT(i, verwacht.size());
        ASSERT_TRUE(Info(q, tekst)) << "the info editor did not open";
        verwacht[i][21] = tekst;
        // The end point of the row beside it takes the text too.
        for (size_t j = i + 1;
             j < verwacht.size() && verwacht[j].value(0) == Tijd(q) && IsEindpunt(verwacht[j]); ++j)
            verwacht[j][21] = tekst;
        IsGelijk(Rijen(pad + QStringLiteral(".new")), verwacht);
        EXPECT_EQ(TabelVensters[1]->CelTekst(1, q, KolomInfo), tekst);
        Wis(venster, q, 5);
        verwacht[i][4] = verwacht[i][5] = QString();
        IsGelijk(Rijen(pad + QStringLiteral(".new")), verwacht);
        Verwijder(venster, q);
        verwacht.erase(verwacht.begin() + static_cast<std::ptrdiff_t>(i));
        IsGelijk(Rijen(pad + QStringLiteral(".new")), verwacht);
    }
    // File > Save As into copy.csv, Yes to the edits before it: the copy holds the file's lines, edits and
    // all.
    void Kopieer(mdiK740& venster) {
        const QString pad = Gegevensbestand;
        const std::vector<QStringList> bewerkt = Rijen(pad + QStringLiteral(".new"));
        antwoorden.push_back(vbYes);
        SlaOpAls(venster, Pad("copy.csv"));
        IsGelijk(Rijen(Pad("copy.csv")), bewerkt);
        EXPECT_FALSE(QFile::exists(Pad("copy.csv") + QStringLiteral(".new")));
    }
};

TEST_F(WederkerendeSecondeTest, ARowInTheSecondOfABreaksEndPointEditsItsOwnLine) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    GeefOpBijVolleSchijf opgeven;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t eerste = 0, laatste = 0, terug = 0;
    GeefRijenOp(boek, opgeven, eerste, laatste);
    boek.Stap(
        QStringLiteral("rows after the break"),
        [&] { return AantalMetingen >= laatste + 3 && !PauzeOpvragen; },
        [&] {
            // The clock goes back to a little before the first row given up: the rows to come repeat the
            // seconds of the break.
            terug = AantalMetingen;
            klok().verzetWandklok(
                1000 * (HeleSeconden(TijdVanRij(1, 1, eerste)) - HeleSeconden(platform::Nu())) - 2000);
        });
    boek.Stap(
        QStringLiteral("a row in the second of the break's end point"),
        [&] {
            const auto paren = Herhaald(laatste, terug);
            return !PauzeOpvragen && std::any_of(paren.begin(), paren.end(), [&](const auto& p) {
                return p.first == eerste;
            }) && AantalMetingen >= terug + 8;
        },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            ASSERT_GT(laatste, eerste) << "rows given up";
            int32_t q = 0;
            for (const auto& [p, r] : Herhaald(laatste, terug))
                if (p == eerste) q = r;
            // The file: the break's end point at the first row given up's time, and later the second pass's
            // reading in that second.
            const std::vector<QStringList> regels = Rijen();
            std::vector<size_t> vanSeconde;
            for (size_t i = 0; i < regels.size(); ++i)
                if (regels[i].value(0) == Tijd(q)) vanSeconde.push_back(i);
            ASSERT_EQ(vanSeconde.size(), 2u);
            ASSERT_TRUE(IsEindpunt(regels[vanSeconde[0]]));
            ASSERT_FALSE(IsEindpunt(regels[vanSeconde[1]]));
            // The rows given up have no line, whatever the second pass logged in their seconds.
            GeenRegel(eerste);
            GeenRegel(laatste);
            EXPECT_FALSE(QFile::exists(Gegevenspad() + QStringLiteral(".new")));
            BewerkRij(venster, Gegevenspad(), q, QStringLiteral("second pass"));
            // A row given up in a second the second pass also logged: the other row edits its own line.
            for (const auto& [p, r] : Herhaald(laatste, terug))
                if (p > eerste && r != q) {
                    ASSERT_TRUE(Info(r, QStringLiteral("after the break")));
                    GeenRegel(p);
                    break;
                }
            Kopieer(venster);
            // In the copy, the second pass's row of another second given up at the break.
            GeenRegel(eerste);
            for (const auto& [p, r] : Herhaald(laatste, terug))
                if (p > eerste && !ZonderTijd(1, 1, r)) {
                    BewerkRij(venster, Pad("copy.csv"), r, QStringLiteral("in the copy"));
                    break;
                }
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(WederkerendeSecondeTest, RowsOfADataFileRemovedWhileLoggingHaveNoLineInTheFileMadeAnew) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t weg = 0, terug = 0;
    boek.Stap(
        QStringLiteral("another program removes the data file"),
        [&] { return Rijaantal() >= 6 && !PauzeOpvragen; },
        [&] {
            ASSERT_TRUE(QFile::remove(Gegevenspad()));
            weg = AantalMetingen;
        });
    boek.Stap(
        QStringLiteral("the logging made it anew"), [&] { return Rijaantal() >= 3 && !PauzeOpvragen; },
        [&] {
            // The clock goes back to the second of row 2: the rows to come repeat the seconds of the rows of
            // the file that went.
            terug = AantalMetingen;
            klok().verzetWandklok(1000 * (HeleSeconden(TijdVanRij(1, 1, 2)) - HeleSeconden(platform::Nu())));
        });
    boek.Stap(
        QStringLiteral("the seconds of the file that went come back"),
        [&] { return Herhaald(weg, terug).size() >= 3 && !PauzeOpvragen; },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            const auto paren = Herhaald(weg, terug);
            ASSERT_GE(paren.size(), 3u);
            // The file made anew holds the rows after the removal alone, one line of each repeated second.
            const std::vector<QStringList> regels = Rijen();
            for (const auto& [p, q] : paren)
                EXPECT_EQ(std::count_if(
                              regels.begin(), regels.end(),
                              [&](const QStringList& r) { return r.value(0) == Tijd(q) && !IsEindpunt(r); }),
                          1)
                    << "row " << q;
            GeenRegel(paren[0].first);
            EXPECT_FALSE(QFile::exists(Gegevenspad() + QStringLiteral(".new")));
            BewerkRij(venster, Gegevenspad(), paren[0].second, QStringLiteral("new file"));
            // Clear and Delete of a row of the file that went change no line.
            const std::vector<QStringList> voor = Rijen(Gegevenspad() + QStringLiteral(".new"));
            Wis(venster, paren[1].first, 3);
            Verwijder(venster, paren[1].first);
            IsGelijk(Rijen(Gegevenspad() + QStringLiteral(".new")), voor);
            Kopieer(venster);
            GeenRegel(paren[2].first);
            BewerkRij(venster, Pad("copy.csv"), paren[2].second, QStringLiteral("in the copy"));
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// The disk of the data file stays full while its question waits, and the program is told to end (a
// logout, kill -TERM): no one answers, the rows and the end point get one more try, and the event log
// names the rows that still cannot be written, how many and from when to when.
TEST_F(RunEindeTest, AnEndSignalWhileTheFullDiskQuestionWaitsNamesTheRowsThatCannotBeWritten) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    EchteMelding box(Qt::Key_Escape, 10 * VraagOpenMs);
    std::optional<Bestandsgrens> grens;
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t metingenBijVol = 0;
    QByteArray bijVol;
    // The event log lies under the same limit: the limit, the data file's length, leaves room for the
    // lines the end writes there, however long the path they name.
    const auto ruimVoorHetLogboek = [this] {
        const qint64 regels = 2 * (QFile::encodeName(Gegevenspad()).size() + 200);
        return QFileInfo(Gegevenspad()).size() >= QFileInfo(LogboekPad).size() + regels;
    };
    boek.Stap(QStringLiteral("the disk is full"), ruimVoorHetLogboek, [&] {
        const QString data = Gegevenspad();
        metingenBijVol = AantalMetingen;
        ZetMeldingVenster(&box);
        ASSERT_TRUE(platform::LeesBestand(data, bijVol));
        grens.emplace(static_cast<rlim_t>(bijVol.size()));
    });
    boek.Stap(
        QStringLiteral("rows taken behind the question"),
        [&] { return box.getoond() == 1 && AantalMetingen >= metingenBijVol + 5; }, [] { ::raise(SIGTERM); });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    platform::LaatEindsignalenLos();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    const int verloren =
        AantalMetingen - metingenBijVol - 1; // the measuring rows; the end point is told apart
    grens.reset();
    QByteArray logboek;
    ASSERT_TRUE(platform::LeesBestand(LogboekPad, logboek));
    const QRegularExpression regel(QStringLiteral(
        ": (\\d+) rows not written, from (.+) to (.+); the end point of (.+) was not written\r"));
    const QRegularExpressionMatch m = regel.match(platform::VanWindows1252(logboek));
    ASSERT_TRUE(m.hasMatch()) << logboek.toStdString();
    EXPECT_EQ(m.captured(1).toInt(), verloren);
    platform::Datum eerste = 0, laatste = 0;
    ASSERT_TRUE(platform::LeesDatumTijd(m.captured(2), eerste));
    ASSERT_TRUE(platform::LeesDatumTijd(m.captured(3), laatste));
    EXPECT_GE((laatste - eerste) * 86400.0, verloren - 3.0);
    QByteArray data;
    ASSERT_TRUE(platform::LeesBestand(Gegevenspad(), data));
    EXPECT_EQ(data, bijVol) << "the file is cut or holds a row the count names";
}

// The settings file no longer fits on the disk as the program is closed: the close's box (Retry, Cancel)
// about it waits, and the program is told to end (a logout, kill -TERM). No one answers: the box gets the
// answer that changes nothing, the write is not tried again without end, and the program ends with the
// run's end point in the data file and its stop line in the event log.
TEST_F(RunEindeTest, AnEndSignalWhileTheClosesBoxAboutAFullDiskWaitsEndsTheProgram) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    // The real box, held open far longer than the test; its Return would be Retry.
    EchteMelding box(Qt::Key_Return, 10 * VraagOpenMs);
    std::optional<TellendeBestandsgrens> grens;
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    const QString ini = platform::OpslagBestand(AppNaam);
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("a large setting is written"), [] { return true; },
        [] {
            BewaarInstelling(AppNaam, QStringLiteral("Notes"), QStringLiteral("Text"), QString(300000, u'x'));
        });
    // The writes the full disk refused after the end signal, while the close went on.
    int weigeringen = -1;
    boek.Stap(
        QStringLiteral("closed with a setting the disk cannot take"),
        [&] { return QFileInfo(ini).size() > 300000; },
        [&] {
            ZetMeldingVenster(&box);
            // A write tried without end comes out of it once the disk has refused 300 writes. One try of
            // the settings file makes a few.
            grens.emplace(200000, 300);
            BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Baudrate"),
                             QStringLiteral("9600"));
            ConfiguratieGewijzigd = false;
            platform::klok().planIn(VraagOpenMs, [&] {
                grens->TelVanafNu();
                ::raise(SIGTERM);
            });
            SluitMetSluitknop(venster);
            weigeringen = grens->Weigeringen();
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    platform::LaatEindsignalenLos();
    InstalleerMeldingen();
    grens.reset();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    ASSERT_EQ(box.getoond(), 1);
    EXPECT_TRUE(box.teksten()[0].startsWith(ini)) << box.teksten()[0].toStdString();
    EXPECT_LT(weigeringen, 30) << "the disk refused " << weigeringen
                               << " writes after the end signal: the settings file was tried again and "
                                  "again, its box answered Retry with no one to answer it";
    ControleerRun(Rijen());
    QByteArray logboek;
    ASSERT_TRUE(platform::LeesBestand(LogboekPad, logboek));
    EXPECT_TRUE(platform::VanWindows1252(logboek).endsWith(Tekst[460] + QStringLiteral("\r\n")))
        << logboek.toStdString();
}

// The disk fills up as the program is closed: the run's end point cannot be written, and the close asks
// Retry or Cancel about the data file, as the settings store does. Cancel keeps the program open and
// logging on, and once there is room the run goes on in the data file behind that end point, a row every
// second, until the next close ends it with its own.
TEST_F(RunEindeTest, CancelAtTheClosesBoxAboutItsEndPointLetsRowsReachTheDataFileAgain) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int rijenNaAnnuleren = 0;
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("closed on a full disk, Cancel"), [] { return true; },
        [&] {
            EchteMelding box(Qt::Key_Escape, 3000);
            ZetMeldingVenster(&box);
            {
                const Bestandsgrens grens(static_cast<rlim_t>(QFileInfo(Gegevenspad()).size()));
                ConfiguratieGewijzigd = false;
                SluitMetSluitknop(venster);
            }
            InstalleerMeldingen();
            ASSERT_EQ(box.getoond(), 1);
            EXPECT_TRUE(box.teksten()[0].startsWith(Gegevenspad())) << box.teksten()[0].toStdString();
            EXPECT_EQ(box.geblokkeerd(), 0);
            EXPECT_FALSE(ProgrammaBeeindigd) << "ended with its end point lost";
            EXPECT_TRUE(VerbindingActief);
            rijenNaAnnuleren = Rijaantal();
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rows reach the data file again, or ten seconds have passed"),
        [&] { return Rijaantal() >= rijenNaAnnuleren + 4 || platform::klok().ms() - sinds > 10000; },
        [&] {
            EXPECT_GE(Rijaantal(), rijenNaAnnuleren + 4) << "no rows after the close was cancelled";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    // Behind the end point of the cancelled close: rows a second apart, and the run's end point last.
    const std::vector<QStringList> rijen = Rijen();
    const auto eindpunt = std::find_if(rijen.begin(), rijen.end(), IsEindpunt);
    ASSERT_NE(eindpunt, rijen.end());
    const std::vector<QStringList> daarna(std::next(eindpunt), rijen.end());
    EXPECT_GE(static_cast<int>(daarna.size()), 4);
    ControleerRun(daarna);
    EXPECT_EQ(Eindpunten(), 2);
}

// The disk of the data file fills up while logging and its question (Retry, Cancel) waits; the user closes
// the main window by its close box. That question is withdrawn without an answer and the close asks its
// own about the rows that wait, in its place: its Cancel keeps the program open and logging on, nothing is
// given up, and the loop's question comes back. The user closes again, room is made while the close asks,
// and its Retry writes every row and ends the program with the run's end point. Also with logging switched
// off while the question waits (GetParam): no row comes after the cancelled close to ask again, the loop
// asks of itself.
class SluitenOnderVraagTest : public RunEindeTest, public testing::WithParamInterface<bool> {};

TEST_P(SluitenOnderVraagTest, AClosingWhileTheFullDiskQuestionWaitsAsksItsOwnQuestionInItsPlace) {
    const bool loggenUit = GetParam();
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    // The loop's question, the close's (Cancel), the loop's again, the close's (Retry).
    Toetsenbox box(VraagOpenMs);
    box.toetsen = {Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Return};
    std::optional<Bestandsgrens> grens;
    QString sluitTitel;
    QByteArray bijVol;
    int32_t metingenBijVol = 0;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("the disk is full"), [] { return true; },
        [&] {
            ConfiguratieGewijzigd = false;
            ZetMeldingVenster(&box);
            // The limit lies above the settings file, which the close writes too.
            const qint64 grootte = std::max(QFileInfo(Gegevenspad()).size(),
                                            2 * QFileInfo(platform::OpslagBestand(AppNaam)).size());
            grens.emplace(static_cast<rlim_t>(grootte));
        });
    boek.Stap(
        QStringLiteral("the question about the full disk"), [&] { return box.titels.size() == 1; },
        [&] {
            ASSERT_TRUE(platform::LeesBestand(Gegevenspad(), bijVol));
            metingenBijVol = AantalMetingen;
        });
    boek.Stap(
        QStringLiteral("closed while the question about the full disk waits"),
        [&] { return box.titels.size() == 1 && AantalMetingen >= metingenBijVol + 3; },
        [&] {
            if (loggenUit) {
                venster.menus().mnuDatalogging->trigger();
                EXPECT_FALSE(VerbindingActief);
            }
            sluitTitel = Tekst[347] + QLatin1Char(' ') + venster.windowTitle();
            SluitMetSluitknop(venster);
            EXPECT_FALSE(MeldingOpen()) << "the question about the full disk stayed at the close";
        });
    int32_t metingenBijAnnuleren = 0;
    boek.Stap(
        QStringLiteral("the close's question cancelled, the loop's question back"),
        [&] { return box.titels.size() >= 3; },
        [&] {
            EXPECT_FALSE(ProgrammaBeeindigd);
            EXPECT_EQ(VerbindingActief, !loggenUit);
            QByteArray data;
            ASSERT_TRUE(platform::LeesBestand(Gegevenspad(), data));
            EXPECT_EQ(data, bijVol);
            metingenBijAnnuleren = AantalMetingen;
        });
    boek.Stap(
        QStringLiteral("closed again, room made while the close asks"),
        [&] { return (loggenUit || AantalMetingen >= metingenBijAnnuleren + 2) && MeldingOpen(); },
        [&] {
            SluitMetSluitknop(venster);
            platform::klok().planIn(VraagOpenMs / 2, [&] { grens.reset(); });
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    InstalleerMeldingen();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_EQ(box.geblokkeerd, 0);
    ASSERT_EQ(box.titels.size(), 4) << box.titels.join(QStringLiteral(" | ")).toStdString();
    const QStringList titels = {Gegevenspad(), sluitTitel, Gegevenspad(), sluitTitel};
    EXPECT_EQ(box.titels, titels);
    for (const QString& tekst : box.teksten)
        EXPECT_TRUE(tekst.startsWith(Gegevenspad())) << tekst.toStdString();
    // The loop's questions went at the closes, before their keys; the close's were answered.
    ASSERT_EQ(box.open.size(), 4);
    EXPECT_LT(box.open[0], VraagOpenMs);
    EXPECT_GE(box.open[1], VraagOpenMs);
    EXPECT_LT(box.open[2], VraagOpenMs);
    EXPECT_GE(box.open[3], VraagOpenMs);
    // Every row of the run once, in order, under one header, the end point last: none was given up.
    EXPECT_EQ(Koppen(Gegevenspad()), 1);
    const std::vector<QStringList> rijen = Rijen();
    EXPECT_EQ(static_cast<int32_t>(rijen.size()), AantalMetingen) << "rows given up or missing";
    ControleerRun(rijen);
}

INSTANTIATE_TEST_SUITE_P(, SluitenOnderVraagTest, testing::Bool(), [](const testing::TestParamInfo<bool>& p) {
    return p.param ? std::string("LoggingSwitchedOff") : std::string("WhileLogging");
});

// File > Save As onto an existing file while logging, the overwrite question held open: the run goes on
// in the new file, which holds every row of the old one, those taken while the question waited too, once
// each and in order.
TEST_F(RunEindeTest, SaveAsOntoAnExistingFileWhileLoggingKeepsTheRowsTakenWhileTheQuestionWaited) {
    VasteKeuze keuze;
    keuze.pad = Datamap() + QStringLiteral("/copy.csv");
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int rijenBijVraag = 0, rijenNaVraag = 0;
    boek.Stap(
        QStringLiteral("Save As onto copy.csv, Yes after a while"), [] { return true; },
        [&] {
            ASSERT_TRUE(QFile(keuze.pad).open(QIODevice::WriteOnly));
            ZetBestandsdialogen(&keuze);
            EchteMelding box(Qt::Key_Return, VraagOpenMs);
            ZetMeldingVenster(&box);
            rijenBijVraag = Rijaantal();
            venster.menus().mnuFileSaveAs->trigger();
            rijenNaVraag = Rijaantal();
            InstalleerMeldingen();
            ZetBestandsdialogen(nullptr);
            EXPECT_EQ(box.getoond(), 1);
            EXPECT_EQ(Gegevensbestand, keuze.pad);
        });
    boek.Stap(
        QStringLiteral("rows in copy.csv"),
        [&] { return static_cast<int>(Rijen(keuze.pad).size()) >= rijenNaVraag + 2; },
        [&] { SluitZonderBewaren(venster); });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_GE(rijenNaVraag - rijenBijVraag, VraagOpenMs / 2000) << "rows while the question waited";

    const std::vector<QStringList> oud = Rijen(), nieuw = Rijen(keuze.pad);
    ASSERT_EQ(static_cast<int>(oud.size()), rijenNaVraag);
    ASSERT_GT(nieuw.size(), oud.size());
    EXPECT_TRUE(std::equal(oud.begin(), oud.end(), nieuw.begin())) << "rows of the old file missing";
    EXPECT_LT(oud.back().value(0), nieuw[oud.size()].value(0)) << "a row twice";
}

// File > Save As while logging, and Log off before the next row: the run goes on in the new file, so its
// end point goes there, after every row of the old file, and none into the file it left.
TEST_F(RunEindeTest, LogOffRightAfterSaveAsEndsTheRunInTheNewFileAlone) {
    const QString kopie = Pad("copy.csv");
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    std::vector<QStringList> oud;
    boek.Stap(
        QStringLiteral("Save As copy.csv, then Log off before the next row"), [] { return true; },
        [&] {
            SlaOpAls(venster, kopie);
            oud = Rijen();
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    const std::vector<QStringList> verlaten = Rijen();
    EXPECT_EQ(verlaten.size(), oud.size()) << "a line went into the file the run left";
    EXPECT_EQ(Eindpunten(), 0) << "the file the run left got an end point, at "
                               << (verlaten.empty() ? std::string() : verlaten.back().value(0).toStdString());
    const std::vector<QStringList> nieuw = Rijen(kopie);
    ASSERT_EQ(nieuw.size(), oud.size() + 1) << "the new file lacks its end point";
    EXPECT_TRUE(std::equal(oud.begin(), oud.end(), nieuw.begin())) << "rows of the old file missing";
    ControleerRun(nieuw);
}

// The data file lies on a removable disk: its folder goes away for 12 s while logging and comes back.
// The box about the folder is answered; the program is closed meanwhile and Cancel pressed at the close's
// box about the waiting rows: no end point is taken. The rows taken meanwhile reach the file under its
// one header once the disk is back, in order, none missing, so that the file reads as one run.
TEST_F(RunEindeTest, ADataFolderThatGoesAwayAndComesBackGetsTheWaitingRowsUnderItsOneHeader) {
    const QString usb = Usb(), run = UsbRun();
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t bijWeg = 0;
    LogOpUsbTotHijWeggaat(boek, venster, bijWeg);
    boek.Stap(
        QStringLiteral("closed while rows wait, Cancel"), [&] { return AantalMetingen >= bijWeg + 3; },
        [&] {
            platform::klok().planIn(VraagOpenMs, [&] { EXPECT_TRUE(QDir().rename(UsbWeg(), usb)); });
            EXPECT_TRUE(std::any_of(vragen.begin(), vragen.end(), [&](const Vraag& v) {
                return v.tekst.contains(usb + QStringLiteral("\r\n"));
            })) << "the folder that went away was not told";
            ConfiguratieGewijzigd = false;
            vragen.clear();
            antwoorden = {vbCancel};
            venster.SluitVanuitCode();
            EXPECT_FALSE(ProgrammaBeeindigd);
            ASSERT_EQ(vragen.size(), 1u);
            EXPECT_EQ(vragen[0].stijl, vbRetryCancel | vbExclamation);
            EXPECT_TRUE(vragen[0].tekst.startsWith(run)) << vragen[0].tekst.toStdString();
        });
    boek.Stap(
        QStringLiteral("rows after the disk is back"),
        [&] { return QFileInfo::exists(usb) && AantalMetingen >= bijWeg + VraagOpenMs / 1000 + 4; },
        [&] { SluitZonderBewaren(venster); });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(Koppen(run), 1);
    const std::vector<QStringList> rijen = Rijen(run);
    EXPECT_EQ(static_cast<int>(rijen.size()), AantalMetingen) << "rows of the run missing";
    ControleerRun(rijen);
}

// The disk of the data file fills up while logging, its question waits, and the run is saved as a file
// in the same folder or in another folder on the same full disk (GetParam) meanwhile: the rows that waited
// for the old file go into the new one, and so does the question. The box about the old file is withdrawn
// without an answer (its Cancel, pressed where it would have come, would give up the rows of its folder,
// the new file's too when it lies beside the old one), and the new file gets a box of its own that names
// it. Room is made before that box is answered with Cancel: the new file holds every row of the run once,
// in order; the old file takes none of them; nothing is given up.
class OpslaanAlsBijVolleSchijfTest : public RunEindeTest, public testing::WithParamInterface<bool> {};

TEST_P(OpslaanAlsBijVolleSchijfTest,
       SaveAsWhileRowsWaitForTheOldFileTakesThemAndTheirQuestionIntoTheNewFile) {
    const QString nieuw =
        Datamap() + (GetParam() ? QStringLiteral("/new.csv") : QStringLiteral("/Other/new.csv"));
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    EchteMelding box(Qt::Key_Escape, VraagOpenMs);
    std::optional<Bestandsgrens> grens;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t metingenBijVol = 0;
    qint64 eersteVraag = 0;
    QByteArray bijVol;
    boek.Stap(
        QStringLiteral("the disk is full"), [] { return true; },
        [&] {
            // The limit lies above the settings file, which Save As writes too.
            const qint64 grootte = std::max(QFileInfo(Gegevenspad()).size(),
                                            2 * QFileInfo(platform::OpslagBestand(AppNaam)).size());
            ZetMeldingVenster(&box);
            grens.emplace(static_cast<rlim_t>(grootte));
        });
    boek.Stap(
        QStringLiteral("the question about the full disk"), [&] { return box.getoond() == 1; },
        [&] {
            ASSERT_TRUE(platform::LeesBestand(Gegevenspad(), bijVol));
            metingenBijVol = AantalMetingen;
            eersteVraag = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("Save As while rows wait"), [&] { return AantalMetingen >= metingenBijVol + 3; },
        [&] {
            SlaOpAls(venster, nieuw);
            // Room comes after the first box's Cancel would have been pressed, before the second's.
            platform::klok().planIn(eersteVraag + VraagOpenMs + 1000 - platform::klok().ms(),
                                    [&] { grens.reset(); });
        });
    boek.Stap(
        QStringLiteral("the question is answered"), [&] { return !grens && !MeldingOpen(); },
        [&] {
            InstalleerMeldingen();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    ASSERT_EQ(box.getoond(), 2) << "the question did not go with the rows";
    EXPECT_TRUE(box.teksten()[0].startsWith(Gegevenspad())) << box.teksten()[0].toStdString();
    EXPECT_TRUE(box.teksten()[1].startsWith(nieuw)) << box.teksten()[1].toStdString();
    EXPECT_EQ(box.geblokkeerd(), 0);
    QByteArray oud;
    ASSERT_TRUE(platform::LeesBestand(Gegevenspad(), oud));
    EXPECT_EQ(oud, bijVol) << "rows went to the old file";
    EXPECT_EQ(Koppen(nieuw), 1);
    const std::vector<QStringList> rijen = Rijen(nieuw);
    EXPECT_EQ(static_cast<int>(rijen.size()), AantalMetingen) << "rows of the run missing";
    ControleerRun(rijen);
}

INSTANTIATE_TEST_SUITE_P(, OpslaanAlsBijVolleSchijfTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) {
                             return p.param ? std::string("IntoTheSameFolder")
                                            : std::string("IntoAnotherFolder");
                         });

// The data file's name has a marker (a file per rack) and lies on a removable disk that goes away while
// logging: a row waits for the rack's file. The run is saved under another marker name in another folder
// meanwhile, and the disk comes back: the rows that waited reach the rack's old file at the next
// snapshots, long before the close, without a box, and every row of its part of the run is there once.
TEST_F(RunEindeTest, RowsWaitingForAFileTheRunHasLeftReachItAsSoonAsItTakesRowsAgain) {
    const QString sjabloon = Usb() + QStringLiteral("/run-#rack#.csv");
    const QString verder = Datamap() + QStringLiteral("/Other/next-#rack#.csv");
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    QString rackbestand;
    int32_t bijUsb = 0, bijWeg = 0, bijVerder = 0;
    std::size_t rijenBijWeg = 0, rijenTerug = 0;
    boek.Stap(
        QStringLiteral("logging into a file per rack on Usb"), [] { return true; },
        [&] {
            SlaOpAls(venster, sjabloon);
            bijUsb = AantalMetingen;
            rackbestand = MaakBestandsnaam(sjabloon, 1, 0, 0);
        });
    boek.Stap(
        QStringLiteral("the disk goes away"), [&] { return Rijen(rackbestand).size() >= 4; },
        [&] {
            rijenBijWeg = Rijen(rackbestand).size();
            ASSERT_TRUE(QDir().rename(Usb(), UsbWeg()));
            bijWeg = AantalMetingen;
        });
    boek.Stap(
        QStringLiteral("Save As elsewhere while rows wait, the disk back"),
        [&] { return AantalMetingen >= bijWeg + 2; },
        [&] {
            SlaOpAls(venster, verder);
            bijVerder = AantalMetingen;
            vragen.clear();
            ASSERT_TRUE(QDir().rename(UsbWeg(), Usb()));
        });
    boek.Stap(
        QStringLiteral("three snapshots later"), [&] { return AantalMetingen >= bijVerder + 3; },
        [&] {
            rijenTerug = Rijen(rackbestand).size();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(rijenTerug, rijenBijWeg + static_cast<std::size_t>(bijVerder - bijWeg))
        << "rows that waited for the rack's old file stayed in memory";
    EXPECT_TRUE(std::none_of(vragen.begin(), vragen.end(), [&](const Vraag& v) {
        return v.tekst.contains(rackbestand);
    })) << "a box about the old file after the disk came back";
    EXPECT_EQ(Koppen(rackbestand), 1);
    std::vector<QStringList> rijen = Rijen(rackbestand);
    ASSERT_FALSE(rijen.empty());
    if (IsEindpunt(rijen.back())) rijen.pop_back();
    EXPECT_EQ(static_cast<int32_t>(rijen.size()), bijVerder - bijUsb) << "rows of the rack's file missing";
    // Its part of the run, closed here as the run moved on: in order, none missing.
    rijen.push_back({rijen.back().value(0)});
    ControleerRun(rijen);
}

// The data file's disk goes away while logging, and the run is saved as a file in the data folder while
// its rows wait: Save As writes the table, which holds them. The new file has every row of the run once,
// in order, and nothing waits for the old name any more: no box names it, and a folder that comes back in
// its place gets no file.
TEST_F(RunEindeTest, SaveAsFromADataFileThatIsGoneWritesEveryRowOnceAndLeavesNothingForTheOldName) {
    const QString usb = Usb(), run = UsbRun();
    const QString nieuw = Datamap() + QStringLiteral("/saved.csv");
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t bijWeg = 0;
    LogOpUsbTotHijWeggaat(boek, venster, bijWeg);
    int rijenBijOpslaan = 0;
    boek.Stap(
        QStringLiteral("Save As while rows wait"), [&] { return AantalMetingen >= bijWeg + 3; },
        [&] {
            vragen.clear();
            SlaOpAls(venster, nieuw);
            rijenBijOpslaan = static_cast<int>(Rijen(nieuw).size());
            EXPECT_EQ(rijenBijOpslaan, AantalMetingen);
        });
    boek.Stap(
        QStringLiteral("rows in the new file"),
        [&] { return static_cast<int>(Rijen(nieuw).size()) >= rijenBijOpslaan + 3; },
        [&] { ASSERT_TRUE(QDir().mkpath(usb)); });
    boek.Stap(
        QStringLiteral("rows after a folder is back in the old one's place"),
        [&] { return static_cast<int>(Rijen(nieuw).size()) >= rijenBijOpslaan + 6; },
        [&] { SluitZonderBewaren(venster); });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_FALSE(QFileInfo::exists(run)) << "rows went to the old name";
    for (const Vraag& v : vragen)
        EXPECT_FALSE(v.tekst.contains(run)) << v.tekst.toStdString();
    EXPECT_EQ(Koppen(nieuw), 1);
    const std::vector<QStringList> rijen = Rijen(nieuw);
    EXPECT_EQ(static_cast<int>(rijen.size()), AantalMetingen) << "rows missing or written twice";
    ControleerRun(rijen);
}

// Logging into files named from a template ("#rack#"), Save As under another template and, after more
// rows, under a plain name: the new file holds every row the tables hold, none left behind in a file of
// a template's literal name.
TEST_F(RunEindeTest, SaveAsFromATemplateNameHoldsEveryRowOfTheTables) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t rijen = 0;
    const auto SlaOpAlsNaar = [&](const QString& pad) {
        Keuzelijst keuze;
        keuze.paden = {pad};
        SlaOpAls(venster, keuze);
        EXPECT_EQ(Gegevensbestand.toStdString(), pad.toStdString());
        rijen = AantalMetingen;
    };
    boek.Stap(
        QStringLiteral("Save As under a template name"), [] { return true; },
        [&] { SlaOpAlsNaar(Pad("run-#rack#.csv")); });
    boek.Stap(
        QStringLiteral("Save As under another template name"), [&] { return AantalMetingen >= rijen + 3; },
        [&] { SlaOpAlsNaar(Pad("next-#rack#.csv")); });
    boek.Stap(
        QStringLiteral("Save As under a plain name"), [&] { return AantalMetingen >= rijen + 3; },
        [&] {
            SlaOpAlsNaar(Pad("saved.csv"));
            ControleerAlleRijen(Pad("saved.csv"));
            InstalleerMeldingen();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// Save As into a folder that cannot be written (a file lies where it should be, which stops root too),
// the box held open while logging goes on: meanwhile the data folder and the current folder are those
// from before the Save As, and an event-log line written then lands there. OK asks again, and the file
// saved in another folder moves the data folder there. So too for a data file saved from the tables
// (its name a template), whose box offers Retry: room is made while it waits, and the file written by
// Retry holds every row of the tables, those taken while the box waited too, and moves the data folder
// to its folder.
TEST_F(RunEindeTest, ARefusedSaveAsPutsTheDataFolderBackBeforeItsBoxAndASaveThatSucceedsMovesIt) {
    const QString geweigerd = Pad("Refused");
    const QString elders = Pad("Other");
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    EchteMelding box(Qt::Key_Return, VraagOpenMs);
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);

    // Halfway through the box's wait: the folders are those from before the Save As, and an event-log
    // line written now goes there; then `daarna`.
    struct Tijdens {
        QString map, huidig, logboek;
        bool gezien = false;
    };
    const auto TerwijlDeBoxWacht = [&](Tijdens& tijdens, const QString& tekst, std::function<void()> daarna) {
        tijdens.map = MapGegevens;
        tijdens.huidig = QDir::currentPath();
        platform::klok().planIn(VraagOpenMs / 2, [&tijdens, tekst, daarna] {
            tijdens.gezien = true;
            EXPECT_EQ(MapGegevens.toStdString(), tijdens.map.toStdString())
                << "the data folder while the box waits";
            EXPECT_EQ(QDir::currentPath().toStdString(), tijdens.huidig.toStdString())
                << "the current folder while the box waits";
            SchrijfLogboekRegel(0, 0, tekst);
            tijdens.logboek = LogboekPad;
            if (daarna) daarna();
        });
    };
    const auto ControleerLogboek = [](const Tijdens& tijdens, const QString& tekst) {
        EXPECT_TRUE(tijdens.gezien);
        EXPECT_EQ(QFileInfo(tijdens.logboek).absolutePath().toStdString(), tijdens.map.toStdString());
        QByteArray inhoud;
        EXPECT_TRUE(platform::LeesBestand(tijdens.logboek, inhoud)) << tijdens.logboek.toStdString();
        EXPECT_TRUE(platform::VanWindows1252(inhoud).contains(tekst)) << "the event-log line was lost";
    };

    Tijdens bijKopie, bijTabel;
    const QString tekstKopie = QStringLiteral("while the copy's box waits");
    const QString tekstTabel = QStringLiteral("while the table's box waits");
    boek.Stap(
        QStringLiteral("Save As into a folder that cannot be written, OK, another folder"),
        [] { return true; },
        [&] {
            ASSERT_TRUE(QFile(geweigerd).open(QIODevice::WriteOnly));
            ASSERT_TRUE(QDir().mkpath(elders));
            Keuzelijst keuze;
            keuze.paden = {geweigerd + QStringLiteral("/copy.csv"), elders + QStringLiteral("/copy.csv")};
            ZetMeldingVenster(&box);
            TerwijlDeBoxWacht(bijKopie, tekstKopie, {});
            SlaOpAls(venster, keuze);
            InstalleerMeldingen();
            EXPECT_EQ(box.getoond(), 1);
            EXPECT_EQ(keuze.gevraagd, 2);
            EXPECT_EQ(Gegevensbestand.toStdString(), (elders + QStringLiteral("/copy.csv")).toStdString());
            EXPECT_EQ(MapGegevens.toStdString(), elders.toStdString());
            EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath().toStdString(),
                      QFileInfo(elders).canonicalFilePath().toStdString());
        });
    int32_t rijen = 0;
    boek.Stap(
        QStringLiteral("Save As under a template name"), [] { return true; },
        [&] {
            Keuzelijst keuze;
            keuze.paden = {elders + QStringLiteral("/run-#rack#.csv")};
            SlaOpAls(venster, keuze);
            ASSERT_EQ(Gegevensbestand, elders + QStringLiteral("/run-#rack#.csv"));
            rijen = AantalMetingen;
        });
    boek.Stap(
        QStringLiteral("Save As from the tables into the folder that cannot be written, Retry"),
        [&] { return AantalMetingen >= rijen + 2; },
        [&] {
            Keuzelijst keuze;
            keuze.paden = {geweigerd + QStringLiteral("/table.csv")};
            ZetMeldingVenster(&box);
            TerwijlDeBoxWacht(bijTabel, tekstTabel, [&] {
                // Room is made: the folder can be written once the box is answered.
                EXPECT_TRUE(QFile::remove(geweigerd));
                EXPECT_TRUE(QDir().mkpath(geweigerd));
            });
            SlaOpAls(venster, keuze);
            InstalleerMeldingen();
            EXPECT_EQ(box.getoond(), 2);
            EXPECT_EQ(Gegevensbestand.toStdString(),
                      (geweigerd + QStringLiteral("/table.csv")).toStdString());
            EXPECT_EQ(static_cast<int32_t>(Rijen(geweigerd + QStringLiteral("/table.csv")).size()),
                      AantalMetingen)
                << "the rows taken while the box waited are not in the file Retry wrote";
            EXPECT_EQ(MapGegevens.toStdString(), geweigerd.toStdString());
            EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath().toStdString(),
                      QFileInfo(geweigerd).canonicalFilePath().toStdString());
            InstalleerMeldingen();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(box.geblokkeerd(), 0);
    EXPECT_EQ(bijKopie.map.toStdString(), Datamap().toStdString());
    ControleerLogboek(bijKopie, tekstKopie);
    EXPECT_EQ(bijTabel.map.toStdString(), elders.toStdString());
    ControleerLogboek(bijTabel, tekstTabel);
}

// The disk cannot take the close's end point: the close asks Retry or Cancel, and no row is taken after
// that end point while it asks; the loop asks nothing of its own meanwhile. Room is made, Retry: the
// file's last row is the close's end point.
TEST_F(RunEindeTest, ACloseWhoseEndPointTheDiskRefusesTakesNoRowAfterItAndAsksOneBoxAtATime) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    EchteMelding box(Qt::Key_Return, VraagOpenMs);
    std::optional<Bestandsgrens> grens;
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("closed on a full disk"), [] { return true; },
        [&] {
            ConfiguratieGewijzigd = false;
            ZetMeldingVenster(&box);
            grens.emplace(static_cast<rlim_t>(QFileInfo(Gegevenspad()).size()));
            platform::klok().planIn(VraagOpenMs * 2 / 3, [&] { grens.reset(); });
            venster.SluitVanuitCode();
            EXPECT_TRUE(ProgrammaBeeindigd) << "the close was not retried";
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(box.getoond(), 1) << "more than the close's box";
    EXPECT_EQ(box.geblokkeerd(), 0);
    const std::vector<QStringList> rijen = Rijen();
    EXPECT_EQ(static_cast<int>(rijen.size()), AantalMetingen);
    ControleerRun(rijen);
}

// The program is told to end (kill -TERM) while rows wait for a logging folder that went away, not the
// data folder where the event log is written: no question is open about them, and the end's last try
// names them in the event log before the program's stop.
TEST_F(RunEindeTest, AnEndSignalNamesTheRowsWaitingForAFolderThatWentAway) {
    const QString run = UsbRun();
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t bijWeg = 0;
    // The event log stays in the data folder of the settings.
    LogOpUsbTotHijWeggaat(boek, venster, bijWeg, [this] { MapGegevens = Datamap(); });
    boek.Stap(
        QStringLiteral("rows wait"), [&] { return AantalMetingen >= bijWeg + 3; }, [] { ::raise(SIGTERM); });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    platform::LaatEindsignalenLos();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    QByteArray bytes;
    ASSERT_TRUE(platform::LeesBestand(LogboekPad, bytes));
    const QString logboek = platform::VanWindows1252(bytes);
    const QRegularExpression regel(
        QRegularExpression::escape(run) +
        QStringLiteral(": (\\d+) rows not written, from .+; the end point of .+ was not written\r"));
    const QRegularExpressionMatch m = regel.match(logboek);
    ASSERT_TRUE(m.hasMatch()) << logboek.toStdString();
    EXPECT_EQ(m.captured(1).toInt(), AantalMetingen - bijWeg - 1);
    EXPECT_LT(m.capturedStart(), logboek.lastIndexOf(QStringLiteral("The software K740 is stopped")));
}

// Rows wait for Usb/run.csv while its disk is away, and the disk comes back holding a run.csv of another
// layout; the rows are written by the close (GetParam) or by an end signal once logging is off, not by a
// snapshot. They go on under the next free name, Usb/run_2.csv, under its own header and with the run's
// end point; the file of the other layout stays as it is, and no row is missing.
class VerweesdeRijenTest : public RunEindeTest, public testing::WithParamInterface<bool> {};

TEST_P(VerweesdeRijenTest, RowsWaitingForAFileThatCameBackWithAnotherLayoutGoToTheNextFreeName) {
    const bool sluiten = GetParam();
    const QString usb = Usb(), run = UsbRun();
    const QString verder = usb + QStringLiteral("/run_2.csv");
    const QByteArray ander = "\"Time\",\"Other\"\r\n\"05/01/2026 09:00:00\",\"1\"\r\n";
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    platform::VangEindsignalen([&venster] { venster.BeeindigZonderGebruiker(); });
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    int32_t bijWeg = 0;
    LogOpUsbTotHijWeggaat(boek, venster, bijWeg);
    boek.Stap(
        QStringLiteral("rows wait; the disk comes back with another file"),
        [&] { return AantalMetingen >= bijWeg + 3; },
        [&] {
            // Before the end signal logging goes off: no snapshot comes to write the rows.
            if (!sluiten) {
                venster.menus().mnuDatalogging->trigger();
                EXPECT_FALSE(VerbindingActief);
            }
            EXPECT_TRUE(QDir().mkpath(usb));
            EXPECT_TRUE(platform::SchrijfBestandVeilig(run, ander));
            vragen.clear();
            if (!sluiten) {
                ::raise(SIGTERM);
                return;
            }
            ConfiguratieGewijzigd = false;
            SluitMetSluitknop(venster);
            EXPECT_TRUE(ProgrammaBeeindigd) << "the close was cancelled";
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
            if (!ProgrammaBeeindigd) venster.BeeindigZonderGebruiker();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    platform::LaatEindsignalenLos();
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_TRUE(ProgrammaBeeindigd);
    QByteArray bytes;
    ASSERT_TRUE(platform::LeesBestand(run, bytes));
    EXPECT_EQ(bytes, ander) << "rows went under another layout";
    EXPECT_EQ(Gegevensbestand.toStdString(), verder.toStdString());
    EXPECT_EQ(Koppen(verder), 1);
    // The rows before the disk went away, then those of the next name: one run.
    std::vector<QStringList> rijen = Rijen(UsbWeg() + QStringLiteral("/run.csv"));
    EXPECT_EQ(static_cast<int>(rijen.size()), bijWeg);
    const std::vector<QStringList> daarna = Rijen(verder);
    rijen.insert(rijen.end(), daarna.begin(), daarna.end());
    EXPECT_EQ(static_cast<int>(rijen.size()), AantalMetingen) << "rows of the run missing";
    ControleerRun(rijen);
}

INSTANTIATE_TEST_SUITE_P(, VerweesdeRijenTest, testing::Bool(), [](const testing::TestParamInfo<bool>& p) {
    return p.param ? std::string("AtTheClose") : std::string("AtAnEndSignal");
});

TEST_F(RunEindeTest, LoggingGoesOnWhileAGraphsCurveInputIsPicked) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("a new graph's curve input is picked"), [] { return true; },
        [&] {
            int rijenBijKiezer = -1, rijenInKiezer = -1;
            bool kiezerOpen = false;
            // The new graph's settings dialog opens on its curves; the input of curve 1 is clicked, and
            // the picker is left open before it is cancelled.
            platform::klok().planIn(1000, [&] {
                frmGrafiekInstellen* d = GrafiekInstellenVenster();
                ASSERT_NE(d, nullptr);
                platform::klok().planIn(VraagOpenMs, [&] {
                    rijenInKiezer = Rijaantal();
                    for (QWidget* w : QApplication::topLevelWidgets())
                        if (auto* k = qobject_cast<DialogInputGrafiekElement*>(w); k && k->isVisible()) {
                            kiezerOpen = true;
                            k->CancelButton->click();
                        }
                });
                rijenBijKiezer = Rijaantal();
                d->SSTab->setCurrentIndex(PaginaCurven);
                QTableWidget* raster = d->MSHFlexCurveLijnen;
                QTest::mouseClick(raster->viewport(), Qt::LeftButton, {},
                                  raster->visualItemRect(d->CurveCel(1, KolomCurveIngang)).center());
                d->reject();
            });
            venster.menus().mnuGraphNewTable->trigger();
            EXPECT_TRUE(kiezerOpen);
            EXPECT_GE(rijenInKiezer - rijenBijKiezer, VraagOpenMs / 2000) << "rows while the picker was open";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(RunEindeTest, ASearchWhileTheLostPortIsToldLogsTheRacksOn) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    EchteMelding box(Qt::Key_Return, 2 * VraagOpenMs);
    int rijenVoorVerlies = 0;
    platform::Datum verloren = 0;
    boek.Stap(
        QStringLiteral("the port is lost"), [] { return true; },
        [&] {
            rijenVoorVerlies = Rijaantal();
            verloren = platform::Nu();
            ZetMeldingVenster(&box);
            VerliesLijn();
        });
    int pollsBijZoeken = 0;
    boek.Stap(
        QStringLiteral("the loss is told"), [&] { return box.getoond() == 1; },
        [&] {
            EXPECT_FALSE(VerbindingActief) << "logging goes off with the loss";
            // System > Search while the box waits; its warning is answered with OK.
            InstalleerMeldingen();
            antwoorden = {vbOK};
            pollsBijZoeken = Polls();
            venster.menus().mnuNetworkSearch->trigger();
            ASSERT_EQ(vragen.size(), 1u);
            EXPECT_EQ(vragen[0].tekst, Tekst[315]);
            EXPECT_FALSE(RackGetoond(1));
        });
    boek.Stap(
        QStringLiteral("the rack has logged on again, or the box was answered"),
        [&] {
            return !MeldingOpen() || (RackGetoond(1) && !Racks[1].Modules[1].Name.trimmed().isEmpty() &&
                                      Polls() > pollsBijZoeken + 5);
        },
        [&] { EXPECT_TRUE(MeldingOpen()) << "the racks were not logged on while the box waited"; });
    boek.Stap(
        QStringLiteral("the box is answered"),
        [] { return !MeldingOpen() && platform::aantalVensterwachten() == 0; },
        [&] {
            EXPECT_EQ(box.getoond(), 1) << "the loss is told once";
            EXPECT_EQ(box.geblokkeerd(), 0);
            EXPECT_EQ(vragen.size(), 1u);
            EXPECT_FALSE(VerbindingActief);
            // The run ended with the loss: its end point is its last row.
            const std::vector<QStringList> rijen = Rijen();
            ASSERT_FALSE(rijen.empty());
            EXPECT_TRUE(IsEindpunt(rijen.back()));
            EXPECT_EQ(Eindpunten(), 1);
            EXPECT_LE(static_cast<int>(rijen.size()), rijenVoorVerlies + 2);
            // The end point carries the moment of the loss, not that of the answer.
            platform::Datum eind = 0;
            ASSERT_TRUE(platform::LeesDatumTijd(rijen.back().value(0), eind));
            EXPECT_LT((eind - verloren) * 86400.0, 2.0);
            // So does the event log's line that logging went off.
            QStringList uit;
            QFile logboek(MapGegevens + QLatin1Char('/') + LogboekBestandsnaam(platform::Nu()));
            ASSERT_TRUE(logboek.open(QIODevice::ReadOnly));
            for (const QString& regel :
                 platform::VanWindows1252(logboek.readAll()).split(QStringLiteral("\r\n")))
                if (regel.endsWith(Tekst[458].trimmed() + QStringLiteral(" False"))) uit.push_back(regel);
            ASSERT_EQ(uit.size(), 1);
            const QTime logboekTijd =
                QTime::fromString(uit[0].section(QLatin1Char('\t'), 0, 0), QStringLiteral("HH:mm:ss"));
            ASSERT_TRUE(logboekTijd.isValid()) << uit[0].toStdString();
            EXPECT_LT(std::abs(platform::QDateTimeUitDatum(verloren).time().secsTo(logboekTijd)), 2)
                << "the event log dates the answer to the box";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(RunEindeTest, ALostPortToldBehindAModulesSettingsLeavesTheMainWindowDisabledUntilTheyClose) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    EchteMelding box(Qt::Key_Return, 3000);
    boek.Stap(
        QStringLiteral("the module's settings are open"), [] { return true; },
        [&] {
            ToonModuleInstellingen(1, 1, 1);
            ASSERT_NE(ModuleInstellingenVenster(), nullptr);
            EXPECT_FALSE(venster.isEnabled());
            ZetMeldingVenster(&box);
            VerliesLijn();
        });
    boek.Stap(
        QStringLiteral("the loss is told and answered"), [&] { return box.getoond() == 1 && !MeldingOpen(); },
        [&] {
            EXPECT_TRUE(ModuleInstellingenVenster()->isVisible());
            EXPECT_FALSE(venster.isEnabled()) << "the main window came back over the open settings";
            ModuleInstellingenVenster()->CancelButton->click();
            EXPECT_TRUE(venster.isEnabled());
            InstalleerMeldingen();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(RunEindeTest, APortLostJustBeforeALoggingMomentEndsTheRunWithItsEndPointAndIsToldOnce) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("the port is lost as a logging moment comes"), [] { return true; },
        [&] {
            // The device is gone: it cannot be opened again either.
            VerliesLijn(QStringLiteral("No such file or directory"));
            antwoorden = {vbOK, vbOK};
            // The poll-interval timer comes before the loop's next pass.
            venster.TimerOpvragen_Timer();
        });
    boek.Stap(
        QStringLiteral("the loss is told"), [&] { return !vragen.empty() && !VerbindingActief; },
        [&] {
            ASSERT_EQ(vragen.size(), 1u);
            EXPECT_EQ(vragen[0].tekst, Tekst[148] + venster.PoortNaam() + Tekst[149]);
            const std::vector<QStringList> rijen = Rijen();
            ASSERT_FALSE(rijen.empty());
            EXPECT_TRUE(IsEindpunt(rijen.back())) << "the run ended without its end point";
            EXPECT_EQ(Eindpunten(), 1);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(vragen.size(), 1u) << "the loss is told once";
}

// Two racks on the line: the rising rack and a second rack with a mV module whose input 1 rises too.
class TweeRacksTest : public RunEindeTest {
protected:
    static constexpr int32_t TweedeRack = RackIdno(0, 0, 2);
    static constexpr int32_t TweedeModule = K761Idno(1, 2, 4);

    void SetUp() override {
        RunEindeTest::SetUp();
        emulator.zetRack(2, TweedeRack);
        RackEmulator::Module& mv = emulator.zetModule(2, 1, TweedeModule);
        mv.status = 0x0F;
        mv.adc = {2000, 2000, 2000, 2000};
        mv.temperatuurAdc = {250, 250, 250, 250};
        stijging->bijTik = [this] {
            ++emulator.module(MillivoltModule)->adc[0];
            ++emulator.module(TweedeModule)->adc[0];
        };
    }
    static bool InstellingenOpen() { return InstellenVenster() && InstellenVenster()->isVisible(); }
    QString Gegevenspad() const {
        return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data/Untitled.csv");
    }
    // The rows of every data file (a search that finds other modules moves the run on to a new file).
    int RijenNu() const {
        const QDir map(tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data"));
        int n = 0;
        for (const QString& naam : map.entryList({QStringLiteral("*.csv")}, QDir::Files))
            n += static_cast<int>(Rijen(map.filePath(naam)).size());
        return n;
    }
};

class HoudTest : public TweeRacksTest, public testing::WithParamInterface<bool> {};

// File > Settings opened while a rack's log-on reply is handled after System > Search, and cancelled:
// before the log-on ends (GetParam) or after. Once the last of the two holds ends, rows come again
// within two intervals of rack 1's first reading since the Search (a turn of its slow replies, 3 x 600 ms,
// after at most a receive time-out), and Data > Log still switches logging.
TEST_P(HoudTest, SettingsOpenedDuringALogOnLetLoggingGoOnWhicheverHoldEndsFirst) {
    const bool instellingenEerst = GetParam();
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginLoggen(boek, venster);
    boek.Stap(
        QStringLiteral("both racks are polled"),
        [this] { return Racks[2].Modules[1].Present && Rijaantal() >= 6; },
        [&] {
            // The racks answer slowly: their log-on replies take a while to handle.
            emulator.rack(1)->omkeertijdMs = 600;
            emulator.rack(2)->omkeertijdMs = 600;
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("a log-on reply is handled"),
        [] { return PauzeOpvragen.AantalHouders() == 1 && !InstellingenOpen(); },
        [&] {
            venster.menus().mnuFileSettings->trigger();
            ASSERT_TRUE(InstellingenOpen());
            EXPECT_EQ(PauzeOpvragen.AantalHouders(), 2);
            if (instellingenEerst) InstellenVenster()->CancelButton->click();
        });
    boek.Stap(
        QStringLiteral("the log-on has ended"), [] { return PauzeOpvragen.AantalHouders() <= 1; },
        [&] {
            if (InstellingenOpen()) InstellenVenster()->CancelButton->click();
        });
    int rijenBijEinde = 0;
    qint64 einde = 0;
    boek.Stap(
        QStringLiteral("every hold has ended"),
        [] { return !PauzeOpvragen.Gehouden() && !VerbindingActief.Gehouden() && !InstellingenOpen(); },
        [&] {
            EXPECT_TRUE(VerbindingActief);
            EXPECT_FALSE(PauzeOpvragen);
            rijenBijEinde = RijenNu();
            einde = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rows come again, or two intervals after a turn have passed"),
        [&] { return RijenNu() > rijenBijEinde + 1 || platform::klok().ms() - einde > 1000 + 1800 + 2500; },
        [&] {
            EXPECT_GT(RijenNu(), rijenBijEinde + 1) << "no rows after the holds ended";
            // A log-on that the settings window cut short (it closes the port) leaves its rack with the
            // modules it had: the rows go on in the file of that layout.
            EXPECT_TRUE(Racks[1].Modules[1].Present && Racks[2].Modules[1].Present);
            EXPECT_TRUE(Gegevensbestand.endsWith(QStringLiteral("/Untitled.csv")))
                << Gegevensbestand.toStdString();
            // Data > Log still switches logging off.
            venster.StartStopVerbinding();
            EXPECT_FALSE(VerbindingActief);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

INSTANTIATE_TEST_SUITE_P(, HoudTest, testing::Bool(), [](const testing::TestParamInfo<bool>& p) {
    return p.param ? std::string("SettingsClosedFirst") : std::string("LogOnEndedFirst");
});

// A power cut left the data file's last row cut off. The next start logs on start-up: the box that
// tells the file's error waits beside the run, rows go into the same file from the start, the first on
// a line of its own.
TEST_F(TweeRacksTest, TheBoxAboutACutLastRowWaitsBesideTheRunOfAnUnattendedStart) {
    constexpr qint64 BoxOpenMs = 30000;
    {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        Draaiboek boek(venster, 120000);
        BeginLoggen(boek, venster);
        boek.Stap(
            QStringLiteral("both racks are logged"),
            [this] { return Racks[2].Modules[1].Present && Rijaantal() >= 6; },
            [&] {
                antwoorden = {vbYes};
                SluitMetSluitknop(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        ASSERT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }
    // The end point and half of the last measuring row are gone: it ends inside a quoted unit, "m.
    QByteArray inhoud;
    {
        QFile f(Gegevenspad());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        inhoud = f.readAll();
    }
    inhoud.chop(2);
    inhoud.truncate(inhoud.lastIndexOf("\r\n"));
    const qsizetype laatsteRij = inhoud.lastIndexOf("\r\n") + 2;
    const qsizetype eenheid = inhoud.indexOf("\"mV\"", laatsteRij + (inhoud.size() - laatsteRij) / 2);
    ASSERT_GT(eenheid, laatsteRij);
    inhoud.truncate(eenheid + 2);
    {
        QFile f(Gegevenspad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhoud);
    }
    const int rijenVoorStart = Rijaantal();
    const int veldenPerRij = static_cast<int>(Rijen().front().size());

    NieuweStart();
    InstalleerGeheugenlijn(emulator);
    stijging->zetActief(true);
    mdiK740 venster;
    const Installatie installatie(venster);
    EchteMelding box(Qt::Key_Return, BoxOpenMs);
    ZetMeldingVenster(&box);
    Draaiboek boek(venster, 120000);
    int rijenBijBox = 0;
    boek.Stap(
        QStringLiteral("the file's error is told"), [&] { return box.getoond() == 1 && MeldingOpen(); },
        [&] {
            EXPECT_TRUE(VerbindingActief);
            rijenBijBox = Rijaantal();
        });
    boek.Stap(
        QStringLiteral("the box is answered"), [] { return !MeldingOpen(); },
        [&] {
            EXPECT_EQ(box.getoond(), 1);
            EXPECT_EQ(box.geblokkeerd(), 0);
            EXPECT_GE(Rijaantal() - rijenBijBox, BoxOpenMs / 4000) << "rows while the box was open";
            InstalleerMeldingen();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();

    // The cut row stays as it was, its quoted text closed, so that a reader of the file does not take the
    // next line into it; every row of this start stands whole on a line of its own.
    {
        QFile f(Gegevenspad());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> regels = f.readAll().split('\n');
        const QByteArray& gesneden = regels.value(rijenVoorStart);
        EXPECT_TRUE(gesneden.endsWith("\"m\"\r")) << gesneden.right(40).toStdString();
        EXPECT_EQ(gesneden.count('"') % 2, 0);
    }
    const std::vector<QStringList> rijen = Rijen();
    ASSERT_GT(static_cast<int>(rijen.size()), rijenVoorStart + 2);
    EXPECT_LT(rijen[static_cast<size_t>(rijenVoorStart) - 1].size(), veldenPerRij);
    for (size_t r = static_cast<size_t>(rijenVoorStart); r < rijen.size(); ++r)
        EXPECT_EQ(rijen[r].size(), veldenPerRij) << "row " << r + 1;
    EXPECT_TRUE(IsEindpunt(rijen.back()));
}

} // namespace
