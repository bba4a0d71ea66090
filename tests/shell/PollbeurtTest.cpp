// Logging every second while a poll turn over two full racks takes longer than a second: the whole
// program runs against the rack emulator on the in-memory line and the virtual clock, with the line's
// own timing, while the reading of every module rises steadily. A row waits until every module has been
// read since the row before it, so no row repeats a reading, and none leaves a module out; after a new
// log-on (System > Search) the first row has every module again.
#include "Draaiboek.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/CsvVelden.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

constexpr int Racksaantal = 2;

class PollbeurtTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        emulator.zetLijntiming(true);
        for (int r = 1; r <= Racksaantal; ++r) {
            emulator.zetRack(r, RackIdno(0, 0, static_cast<uint8_t>(r)));
            for (int m = 1; m <= AantalModules; ++m) {
                RackEmulator::Module& mv =
                    emulator.zetModule(r, m, K761Idno(1, static_cast<uint8_t>(r), static_cast<uint8_t>(m)));
                mv.status = 0x0F;
                mv.adc = {1000, 1000, 1000, 1000};
                mv.temperatuurAdc = {250, 250, 250, 250};
                mv.omkeertijdMs = 5;
            }
        }
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"),
                         QStringLiteral("COM1"));
        InstalleerGeheugenlijn(emulator);
        // Every electrode's signal rises 0.1 mV every 50 ms.
        stijging = platform::klok().maakTimer();
        stijging->zetInterval(50);
        stijging->bijTik = [this] {
            for (int r = 1; r <= Racksaantal; ++r)
                for (int m = 1; m <= AantalModules; ++m)
                    ++emulator.rack(r)->modules[m]->adc[0];
        };
    }
    void TearDown() override {
        stijging.reset();
        ShellOmgeving::TearDown();
    }

    // The rows of the data file: the measuring rows hold the flags of every module, an end point none.
    QList<QStringList> Rijen() const {
        QList<QStringList> rijen;
        QFile f(tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data/Untitled.csv"));
        if (!f.open(QIODevice::ReadOnly)) return rijen;
        for (const QString& regel :
             platform::VanWindows1252(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            rijen << SplitsVelden(regel);
        return rijen;
    }
    // The mV of input 1 of every module in every measuring row, in order ("" where a row has none).
    QList<QStringList> Waarden() const {
        QList<QStringList> waarden;
        for (const QStringList& rij : Rijen()) {
            if (rij.value(0) == QStringLiteral("Time") || rij.value(1).isEmpty()) continue;
            QStringList w;
            // Per module four inputs of five fields and its info field, after the time.
            for (int k = 0; k < Racksaantal * AantalModules; ++k)
                w << rij.value(2 + 21 * k);
            waarden << w;
        }
        return waarden;
    }

    RackEmulator emulator;
    std::unique_ptr<platform::Timer> stijging;
};

TEST_F(PollbeurtTest, EveryRowHoldsAFreshReadingOfEveryModuleWhenAPollTurnOutlastsTheInterval) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 600000);
    const auto AllesAangemeld = [] {
        for (int r = 1; r <= Racksaantal; ++r)
            if (!Racks[r].Present || RackVenster(r) == nullptr) return false;
        return !PauzeOpvragen;
    };
    boek.Stap(
        QStringLiteral("the settings window is shown"),
        [] { return InstellenVenster() && InstellenVenster()->isVisible(); },
        [&] {
            frmInstellen& instellen = *InstellenVenster();
            instellen.SSTab->setCurrentIndex(0);
            instellen.CheckLogStartup->setChecked(true);
            instellen.UpDownPollInterval->setValue(1);
            QTest::mouseClick(instellen.OKButton, Qt::LeftButton);
        });
    qint64 begin = 0;
    boek.Stap(QStringLiteral("the racks have logged on"), AllesAangemeld, [&] {
        venster.knopMeten()->trigger();
        if (!VerbindingActief) venster.StartStopVerbinding();
        stijging->zetActief(true);
        begin = platform::klok().ms();
    });
    qsizetype rijenVoorZoeken = 0;
    boek.Stap(
        QStringLiteral("30 s of logging"), [&] { return platform::klok().ms() - begin >= 30000; },
        [&] {
            ASSERT_TRUE(VerbindingActief);
            // System > Search, confirmed: the racks log on again while logging goes on.
            rijenVoorZoeken = Waarden().size();
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("the racks have logged on again and logging goes on"),
        [&] { return AllesAangemeld() && Waarden().size() >= rijenVoorZoeken + 8; },
        [&] {
            antwoorden = {vbNo, vbNo, vbNo};
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();

    const QList<QStringList> waarden = Waarden();
    ASSERT_GE(waarden.size(), rijenVoorZoeken + 8);
    // A poll turn takes longer than the interval: fewer rows than seconds, but more than one in three.
    EXPECT_GE(rijenVoorZoeken, 10);
    EXPECT_LT(rijenVoorZoeken, 30);
    int herhaald = 0, leeg = 0;
    for (qsizetype i = 0; i < waarden.size(); ++i) {
        for (int k = 0; k < Racksaantal * AantalModules; ++k) {
            const QString& w = waarden[i][k];
            if (w.isEmpty()) {
                if (++leeg <= 5) ADD_FAILURE() << "row " << i << " has no value of module " << k + 1;
                continue;
            }
            if (i == 0 || waarden[i - 1][k].isEmpty()) continue;
            if (w.toDouble() <= waarden[i - 1][k].toDouble() && ++herhaald <= 5)
                ADD_FAILURE() << "row " << i << " repeats the reading of module " << k + 1 << ": "
                              << w.toStdString();
        }
    }
    EXPECT_EQ(herhaald, 0);
    EXPECT_EQ(leeg, 0);
}

} // namespace
