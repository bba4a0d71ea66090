// The whole program as a laboratory user meets it, from the main window's start-up to its close, with
// a rack of the rack emulator on the line. A first start with no rack known shows the settings window;
// when the user closes it with OK the racks are asked to log on, and measuring stays off until Measure
// is pressed. Closing with Yes to the save question keeps the racks. The next start polls at once and,
// with "Start logging on start-up" on, writes a logging row every poll interval; the values in the
// logging file are those the emulator's modules report, converted.
//
// The same scenario runs twice: on the in-memory line and the virtual clock, and through a
// pseudo-terminal and QSerialPort on the real clock. The program runs its own loop until it is closed;
// the scenario drives it from a timer inside that loop, each step waiting for its condition, and a
// watchdog ends the program should a step wait too long.
#include "Draaiboek.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Frames.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/CsvVelden.h"
#include "platform/Datum.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "rackviews/FormRack.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Beginstand.h"
#include "shell/Installatie.h"
#include "shell/Programmainstellingen.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>
#include <cmath>

namespace {

enum class Lijnsoort { Geheugen, Pseudoterminal };

// The close box of the main window: a spontaneous close event, as the window system delivers it.
void SluitMetSluitknop(QWidget& venster) {
    QCloseEvent sluiten;
    QSpontaneKeyEvent::setSpontaneous(&sluiten);
    QApplication::instance()->notify(&venster, &sluiten);
}

void KlikOpKnop(mdiK740& venster, QAction* actie) {
    auto* balk = venster.findChild<QToolBar*>(QStringLiteral("Toolbar"));
    ASSERT_NE(balk, nullptr);
    QWidget* knop = balk->widgetForAction(actie);
    ASSERT_NE(knop, nullptr);
    QTest::mouseClick(knop, Qt::LeftButton);
}

QAction* MenuOpdracht(mdiK740& venster, const QString& tekst) {
    for (QAction* menu : venster.menuBar()->actions())
        if (menu->menu())
            for (QAction* a : menu->menu()->actions())
                if (a->text() == tekst) return a;
    return nullptr;
}

// The rows of a logging file, each split into its fields; the header line is left out.
struct Logbestand {
    QStringList kop;
    std::vector<QStringList> rijen;

    static Logbestand Lees(const QString& pad) {
        Logbestand b;
        QFile f(pad);
        if (!f.open(QIODevice::ReadOnly)) return b;
        const QString tekst = platform::VanWindows1252(f.readAll());
        for (const QString& regel : tekst.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList velden = SplitsVelden(regel);
            if (b.kop.isEmpty() && velden.value(0) == QStringLiteral("Time"))
                b.kop = velden;
            else
                b.rijen.push_back(velden);
        }
        return b;
    }
    // A "Stop" row: the time and nothing else.
    static bool IsStop(const QStringList& rij) {
        return std::all_of(rij.begin() + 1, rij.end(), [](const QString& v) { return v.isEmpty(); });
    }
    int AantalStop() const { return static_cast<int>(std::count_if(rijen.begin(), rijen.end(), IsStop)); }
    int AantalMetingen() const { return static_cast<int>(rijen.size()) - AantalStop(); }
};

platform::Datum Tijd(const QStringList& rij) {
    platform::Datum d = 0;
    EXPECT_TRUE(platform::LeesDatumTijd(rij.value(0), d)) << rij.value(0).toStdString();
    return d;
}

qint64 SecondenTussen(platform::Datum van, platform::Datum tot) {
    return std::llround((tot - van) * 86400.0);
}

constexpr int32_t RackNummer = RackIdno(0, 0, 1);
constexpr int32_t MillivoltModule = K761Idno(1, 2, 3);
constexpr int32_t GeleidingModule = K762Idno(1, 2, 4);

// The raw readings of the mV module (ADC in 0.1 mV, temperature ADC in 0.1 °C) and the texts the
// logging file must show for them: the mV value to one decimal, the temperature to one decimal.
const std::array<int16_t, 4> RuweMillivolts = {12345, -4321, 7, 19999};
const std::array<int16_t, 4> RuweTemperaturen = {215, 200, 250, -55};
const QStringList Millivolts = {QStringLiteral("1234.5"), QStringLiteral("-432.1"), QStringLiteral("0.7"),
                                QStringLiteral("1999.9")};
const QStringList Temperaturen = {QStringLiteral("21.5"), QStringLiteral("20.0"), QStringLiteral("25.0"),
                                  QStringLiteral("-5.5")};

class EindTotEindTest : public ShellOmgeving, public ::testing::WithParamInterface<Lijnsoort> {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        echteKlok = GetParam() == Lijnsoort::Pseudoterminal;
        if (echteKlok) {
            platform::zetKlok(platform::maakEchteKlok());
            poort = emulator.openPty();
            ASSERT_FALSE(poort.isEmpty()) << "no pseudo-terminal";
        } else {
            poort = QStringLiteral("COM1");
        }
        emulator.zetRack(1, RackNummer);
        RackEmulator::Module& mv = emulator.zetModule(1, 1, MillivoltModule);
        mv.status = 0x0F; // a temperature sensor on every input
        mv.adc = RuweMillivolts;
        mv.temperatuurAdc = RuweTemperaturen;
        RackEmulator::Module& ec = emulator.zetModule(1, 2, GeleidingModule);
        ec.status = 0x0F;
        ec.adc = {1000, 2000, 3000, 4000};
        ec.temperatuurAdc = {250, 250, 250, 250};

        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"), poort);
        InstalleerLijn();
    }

    // The rack line: the emulator behind an in-memory line, or the real port on the pseudo-terminal
    // (the program's own line, set up from the "Serial port" setting).
    void InstalleerLijn() {
        if (!echteKlok) InstalleerGeheugenlijn(emulator);
    }

    // What a new process starts with, on the same rack line.
    void NieuweStart() {
        ShellOmgeving::NieuweStart();
        InstalleerLijn();
    }

    QString Logpad() const {
        return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data/Untitled.csv");
    }
    Logbestand Log() const { return Logbestand::Lees(Logpad()); }

    int Polls() const { return emulator.aantalVerzoeken(CommandoStatus); }
    int AanmeldVragen() const {
        const auto& v = emulator.verzoeken();
        return static_cast<int>(std::count_if(v.begin(), v.end(), [](const RackEmulator::Verzoek& r) {
            return r.commando == CommandoAanmelden && !r.metIdno;
        }));
    }

    // The fields of a measuring row against the emulator's readings: the mV module in full, the
    // conductivity module's values present.
    void ControleerRij(const QStringList& rij) {
        ASSERT_EQ(rij.size(), 1 + 2 * 21 + 1) << rij.join(QLatin1Char('|')).toStdString();
        for (int c = 1; c <= 4; ++c) {
            const int v = 1 + (c - 1) * 5;
            EXPECT_EQ(rij[v], QString::number(VlagSensorAanwezig)) << "flags of input " << c;
            EXPECT_EQ(rij[v + 1], Millivolts[c - 1]) << "input " << c;
            EXPECT_EQ(rij[v + 2], QStringLiteral("mV"));
            EXPECT_EQ(rij[v + 3], Temperaturen[c - 1]) << "input " << c;
            EXPECT_EQ(rij[v + 4], QString::fromUtf8("°C"));
            const int w = 22 + (c - 1) * 5;
            bool getal = false;
            rij[w + 1].toDouble(&getal);
            EXPECT_TRUE(getal) << "conductivity input " << c << ": " << rij[w + 1].toStdString();
            EXPECT_FALSE(rij[w + 2].isEmpty());
            EXPECT_EQ(rij[w + 3], QStringLiteral("25.0"));
        }
        EXPECT_EQ(rij[21], QString());
        EXPECT_EQ(rij[42], QString());
    }

    // The rack window stands in the main window's area, titled with the rack's name.
    static void ControleerRackvenster() {
        auto* venster = dynamic_cast<FormRack*>(RackVenster(1));
        ASSERT_NE(venster, nullptr);
        QWidget* kader = Kindvensterkader(venster);
        ASSERT_NE(kader, venster);
        EXPECT_TRUE(kader->isVisible());
        EXPECT_EQ(kader->windowTitle(), QStringLiteral("Rack ") + IdnoAlsTekst(RackNummer));
        EXPECT_EQ(venster->LabelKanaal[RackLabelIndex(1, 1)]->text(), QStringLiteral("CH1"));
    }

    RackEmulator emulator;
    QString poort;
    bool echteKlok = false;
};

TEST_P(EindTotEindTest, FirstStartLogsTheRacksOnAndTheNextStartPollsAndLogsAtOnce) {
    const qint64 waakhond = echteKlok ? 60000 : 120000;
    // The poll interval chosen in the settings window; on the real clock the shortest there is.
    const int interval = echteKlok ? 1 : 5;

    // First start: no rack is known.
    {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        Draaiboek boek(venster, waakhond);
        qint64 aangemeld = 0;
        boek.Stap(
            QStringLiteral("the settings window is shown"),
            [] { return InstellenVenster() && InstellenVenster()->isVisible(); },
            [&] {
                frmInstellen& instellen = *InstellenVenster();
                EXPECT_EQ(instellen.SSTab->currentIndex(), 1);
                EXPECT_EQ(instellen.cboCommPoort->currentText(), poort);
                EXPECT_FALSE(venster.isEnabled());
                EXPECT_EQ(AanmeldVragen(), 0);
                instellen.SSTab->setCurrentIndex(0);
                QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                // On the box itself: the check box spans the tab, its text does not.
                QCheckBox* opStart = instellen.CheckLogStartup;
                QTest::mouseClick(opStart, Qt::LeftButton, {},
                                  QPoint(opStart->height() / 2, opStart->height() / 2));
                EXPECT_TRUE(instellen.CheckLogStartup->isChecked());
                instellen.UpDownPollInterval->setValue(interval);
                QTest::mouseClick(instellen.OKButton, Qt::LeftButton);
                EXPECT_TRUE(InstellenAfsluiten());
            });
        boek.Stap(
            QStringLiteral("the rack has logged on"),
            [] { return RackVenster(1) != nullptr && !PauzeOpvragen; },
            [&] {
                aangemeld = platform::klok().ms();
                EXPECT_EQ(AanmeldVragen(), 1);
                EXPECT_TRUE(venster.isEnabled());
                EXPECT_EQ(Racks[1].Idno, RackNummer);
                EXPECT_EQ(Racks[1].Modules[1].Idno, MillivoltModule);
                EXPECT_EQ(Racks[1].Modules[2].Idno, GeleidingModule);
                EXPECT_FALSE(Racks[1].Modules[3].Present);
                ControleerRackvenster();
                ASSERT_NE(TerminalVenster(), nullptr);
                EXPECT_TRUE(TerminalVenster()->TerminalTekst().contains(Tekst[135]));
                EXPECT_FALSE(MetenActief);
                EXPECT_FALSE(venster.knopMeten()->isChecked());
            });
        // Measuring stays off: nothing is polled and nothing logged. On the virtual clock the program
        // is left alone for a while first.
        boek.Stap(
            QStringLiteral("Measure is pressed"),
            [&] { return echteKlok || platform::klok().ms() - aangemeld >= 8000; },
            [&] {
                EXPECT_EQ(Polls(), 0);
                EXPECT_EQ(Log().rijen.size(), 0u);
                KlikOpKnop(venster, venster.knopMeten());
                EXPECT_TRUE(MetenActief);
                EXPECT_TRUE(venster.knopMeten()->isChecked());
            });
        boek.Stap(
            QStringLiteral("two rows are logged"), [&] { return Log().AantalMetingen() >= 2; },
            [&] {
                EXPECT_GT(Polls(), 0);
                EXPECT_TRUE(VerbindingActief);
                antwoorden = {vbYes};
                SluitMetSluitknop(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
        EXPECT_TRUE(ProgrammaBeeindigd);
        EXPECT_FALSE(venster.isVisible());
    }
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[183]);

    // The close kept the racks: the log-on record and the rack's configuration file.
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Rack1"), QStringLiteral("Logon"), QStringLiteral("")),
              BooleanAlsTekst(true));
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Rack1"), QStringLiteral("Identification"),
                             QStringLiteral("")),
              IdnoAlsTekst(RackNummer));
    EXPECT_TRUE(QFile::exists(RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"))));
    // Closing while logging wrote exactly one "Stop" row, the last one.
    const Logbestand eerste = Log();
    EXPECT_EQ(eerste.AantalStop(), 1);
    ASSERT_FALSE(eerste.rijen.empty());
    EXPECT_TRUE(Logbestand::IsStop(eerste.rijen.back()));
    EXPECT_GE(eerste.AantalMetingen(), 2);
    for (const QStringList& rij : eerste.rijen)
        if (!Logbestand::IsStop(rij)) ControleerRij(rij);
    EXPECT_EQ(eerste.kop.value(1), QStringLiteral("Flags R1M1C1"));
    EXPECT_TRUE(eerste.kop.value(21).startsWith(QStringLiteral("Info K761")));

    // Second start: the rack is known, polling and logging begin at once.
    NieuweStart();
    const int pollsVoorStart = Polls();
    const int aanmeldVoorStart = AanmeldVragen();
    const size_t rijenVoorStart = eerste.rijen.size();
    {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        Draaiboek boek(venster, waakhond);
        const qint64 start = platform::klok().ms();
        qint64 eersteRij = 0;
        boek.Stap(
            QStringLiteral("the first row of this start is logged"),
            [&] { return Log().rijen.size() > rijenVoorStart; },
            [&] {
                eersteRij = platform::klok().ms();
                EXPECT_TRUE(InstellenAfsluiten()) << "the settings window was shown";
                EXPECT_TRUE(MetenActief);
                EXPECT_TRUE(VerbindingActief);
                ControleerRackvenster();
            });
        boek.Stap(
            QStringLiteral("three more rows are logged"),
            [&] { return Log().rijen.size() >= rijenVoorStart + 4; },
            [&] {
                // File > Exit while logging; the layout changed since the start is not saved.
                QAction* einde = MenuOpdracht(venster, Tekst[108]);
                ASSERT_NE(einde, nullptr);
                antwoorden = {vbNo};
                einde->trigger();
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
        // The splash window takes 2 s; the first snapshot follows at the first tick of the poll timer
        // after the first poll turn. (The reply to the loop's very first request is swept away when
        // logging starts right after it, so that turn waits for the resend, 1 s later.)
        if (!echteKlok) {
            EXPECT_LE(eersteRij - start, 5000);
        }
    }
    EXPECT_EQ(AanmeldVragen(), aanmeldVoorStart);
    EXPECT_GT(Polls(), pollsVoorStart);

    const Logbestand tweede = Log();
    EXPECT_EQ(tweede.AantalStop(), 2);
    EXPECT_TRUE(Logbestand::IsStop(tweede.rijen.back()));
    std::vector<QStringList> metingen;
    for (size_t i = rijenVoorStart; i < tweede.rijen.size(); ++i)
        if (!Logbestand::IsStop(tweede.rijen[i])) metingen.push_back(tweede.rijen[i]);
    ASSERT_GE(metingen.size(), 4u);
    for (const QStringList& rij : metingen)
        ControleerRij(rij);
    // One row every poll interval: exactly on the virtual clock; on the real one a timer tick may
    // fall just short of the second and leave the row to the next tick.
    for (size_t i = 1; i < metingen.size(); ++i) {
        const qint64 tussen = SecondenTussen(Tijd(metingen[i - 1]), Tijd(metingen[i]));
        if (echteKlok) {
            EXPECT_GE(tussen, interval);
            EXPECT_LE(tussen, interval + 2);
        } else {
            EXPECT_EQ(tussen, interval);
        }
    }
}

// The key of Measure works right after the first start's log-on, with the Data menu never opened: the
// log-on registered the rack after the menu's state was last set, without a rack.
TEST_P(EindTotEindTest, CtrlMAfterTheFirstStartsLogOnSwitchesMeasuringOnAndOff) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, echteKlok ? 30000 : 120000);
    qint64 aangemeld = 0;
    int pollsBijUit = 0;
    const auto druk = [&venster] {
        QWidget* doel = QApplication::focusWidget() ? QApplication::focusWidget() : &venster;
        QTest::keyClick(doel, Qt::Key_M, Qt::ControlModifier);
    };
    boek.Stap(
        QStringLiteral("the settings window is shown"),
        [] { return InstellenVenster() && InstellenVenster()->isVisible(); },
        [] { QTest::mouseClick(InstellenVenster()->OKButton, Qt::LeftButton); });
    boek.Stap(
        QStringLiteral("the rack has logged on"), [] { return RackVenster(1) != nullptr && !PauzeOpvragen; },
        [&] {
            aangemeld = platform::klok().ms();
            EXPECT_FALSE(MetenActief);
            venster.activateWindow();
        });
    boek.Stap(
        QStringLiteral("the main window is active"),
        [&] {
            return QApplication::activeWindow() == &venster &&
                   (echteKlok || platform::klok().ms() - aangemeld >= 5000);
        },
        [&] {
            EXPECT_EQ(Polls(), 0);
            druk();
            EXPECT_TRUE(MetenActief) << "Ctrl+M switched measuring on";
        });
    boek.Stap(
        QStringLiteral("status requests after Ctrl+M"), [&] { return Polls() >= 4; },
        [&] {
            EXPECT_TRUE(venster.mnuDataMeasure()->isChecked());
            EXPECT_TRUE(venster.knopMeten()->isChecked());
            druk();
            EXPECT_FALSE(MetenActief) << "the second Ctrl+M switched measuring off";
            EXPECT_FALSE(venster.mnuDataMeasure()->isChecked());
            pollsBijUit = Polls();
            aangemeld = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("a while with measuring off"),
        [&] { return platform::klok().ms() - aangemeld >= (echteKlok ? 500 : 5000); },
        [&] {
            // At most the request that was on the line when measuring stopped.
            EXPECT_LE(Polls() - pollsBijUit, 1);
            antwoorden = {vbNo, vbNo, vbNo};
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

INSTANTIATE_TEST_SUITE_P(Lijnen, EindTotEindTest,
                         ::testing::Values(Lijnsoort::Geheugen, Lijnsoort::Pseudoterminal),
                         [](const ::testing::TestParamInfo<Lijnsoort>& info) {
                             return info.param == Lijnsoort::Geheugen
                                        ? std::string("InMemoryVirtualClock")
                                        : std::string("PseudoTerminalRealClock");
                         });

} // namespace
