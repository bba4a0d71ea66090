#include "Bestandsgrens.h"
#include "ShellOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Meetbestand.h"
#include "files/RackConfiguratie.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QtTest/qtestspontaneevent.h>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What the main window says about files it cannot write: File > Save settings and its toolbar button
// (the settings store and every rack file, and "Settings saved!" only when all of them were written),
// and the data folder checked when logging starts.
class BestandsfoutenTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        Demo = true;
        LeesSysteemInfo();
        venster = std::make_unique<mdiK740>();
        Initialisatie(*venster);
        Racks[1].Present = true;
        Racks[1].Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
        Racks[1].Name = QStringLiteral("First");
        ConfiguratieGewijzigd = true;
        venster->ZetKnoppen();
    }
    void TearDown() override {
        venster.reset();
        ShellOmgeving::TearDown();
    }
    QString rackBestand() const { return MapConfiguratie + QStringLiteral("/Rack1-F-F-F.rcf"); }
    static QString RackNaam(const QString& pad) {
        QByteArray b;
        if (!platform::LeesBestand(pad, b)) return QStringLiteral("<none>");
        for (const QString& regel : platform::SplitsRegels(platform::VanWindows1252(b)))
            if (regel.startsWith(QStringLiteral("Name="))) return regel.mid(5);
        return QString();
    }
    int Gemeld(const QString& tekst) const {
        return static_cast<int>(
            std::count_if(vragen.begin(), vragen.end(), [&](const Vraag& v) { return v.tekst == tekst; }));
    }
    std::unique_ptr<mdiK740> venster;
};

TEST_F(BestandsfoutenTest, TheToolbarButtonWritesEachRackFileOnceSoThePreviousVersionSurvives) {
    ASSERT_TRUE(SchrijfRackConfiguratie(1));
    Racks[1].Name = QStringLiteral("Second");
    venster->knopBewaarInstellingen()->trigger();
    EXPECT_EQ(RackNaam(rackBestand()), QStringLiteral("Second"));
    EXPECT_EQ(RackNaam(rackBestand() + QStringLiteral("bak")), QStringLiteral("First"));
    EXPECT_EQ(Gemeld(Tekst[184]), 1);
    EXPECT_FALSE(ConfiguratieGewijzigd);
}

TEST_F(BestandsfoutenTest, ARackFileThatIsRefusedGivesItsMessageAndNoSettingsSaved) {
    // A file in the place of the configuration folder.
    QFile inDeWeg(tijdelijkeMap() + QStringLiteral("/plain"));
    ASSERT_TRUE(inDeWeg.open(QIODevice::WriteOnly));
    inDeWeg.close();
    MapConfiguratie = inDeWeg.fileName();
    venster->mnuFileSaveSettings_Click();
    EXPECT_EQ(
        Gemeld(rackBestand() + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(ENOTDIR))),
        1);
    EXPECT_EQ(Gemeld(Tekst[184]), 0);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_TRUE(venster->knopBewaarInstellingen()->isEnabled());
}

TEST_F(BestandsfoutenTest, ASettingsStoreThatCannotBeWrittenGivesItsMessageAndNoSettingsSaved) {
    Racks[1].Present = false; // no rack file to write
    {
        Bestandsgrens grens(64);
        venster->mnuFileSaveSettings_Click();
    }
    EXPECT_EQ(Gemeld(platform::OpslagBestand(AppNaam) + QStringLiteral("\r\n\r\n") +
                     QString::fromLocal8Bit(std::strerror(EFBIG))),
              1);
    EXPECT_EQ(Gemeld(Tekst[184]), 0);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    // With room again the same command saves.
    venster->mnuFileSaveSettings_Click();
    EXPECT_EQ(Gemeld(Tekst[184]), 1);
    EXPECT_FALSE(ConfiguratieGewijzigd);
}

// A setting changed on a full disk (the settings folder can take no file longer than 16 bytes): the
// program tells the settings file and the system's reason once, keeps the change and writes it with the
// next change once there is room; a close on the full disk offers Retry and Cancel, and Cancel keeps the
// program running with the change still kept.
TEST_F(BestandsfoutenTest, ASettingTheDiskCannotTakeIsToldOnceAndKeptUntilThereIsRoom) {
    const Installatie installatie(*venster);
    InstalleerMeldingen();
    ConfiguratieGewijzigd = false;
    const QString ini = platform::OpslagBestand(AppNaam);
    const auto opDeSchijf = [&](const char* regel) {
        QByteArray inhoud;
        return platform::LeesBestand(ini, inhoud) && inhoud.contains(regel);
    };
    const auto zet = [&](const QString& sleutel, const QString& waarde) {
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), sleutel, waarde);
        klok().verstrijk(10); // back in the event loop: the change is written
    };
    zet(QStringLiteral("Baudrate"), QStringLiteral("19200"));
    ASSERT_TRUE(opDeSchijf("Baudrate=19200"));
    vragen.clear();
    const QString melding = ini + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG));

    {
        Bestandsgrens grens(16);
        zet(QStringLiteral("Baudrate"), QStringLiteral("9600"));
        zet(QStringLiteral("Interval of time"), QStringLiteral("5"));
    }
    ASSERT_EQ(vragen.size(), 1u) << "told once";
    EXPECT_EQ(vragen[0], (Vraag{melding, vbExclamation, ini}));
    EXPECT_TRUE(opDeSchijf("Baudrate=19200"));
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Baudrate"), QString()),
              QStringLiteral("9600"));

    // Room again: the next change writes every change kept.
    zet(QStringLiteral("StartOnStartup"), QStringLiteral("True"));
    EXPECT_TRUE(opDeSchijf("Baudrate=9600"));
    EXPECT_TRUE(opDeSchijf("Interval%20of%20time=5"));
    EXPECT_EQ(vragen.size(), 1u);

    {
        Bestandsgrens grens(16);
        // A new failure is told again.
        zet(QStringLiteral("Baudrate"), QStringLiteral("4800"));
        EXPECT_EQ(Gemeld(melding), 2);
        // The close: Retry tries again, Cancel keeps the program running.
        antwoorden = {vbRetry, vbCancel};
        QCloseEvent sluiten;
        QSpontaneKeyEvent::setSpontaneous(&sluiten);
        QApplication::instance()->notify(venster.get(), &sluiten);
        EXPECT_FALSE(sluiten.isAccepted());
        EXPECT_FALSE(ProgrammaBeeindigd);
        ASSERT_EQ(vragen.size(), 4u);
        for (size_t i : {2u, 3u}) {
            EXPECT_EQ(vragen[i].tekst, melding);
            EXPECT_EQ(vragen[i].stijl, vbRetryCancel | vbExclamation);
        }
    }
    EXPECT_TRUE(opDeSchijf("Baudrate=9600"));
    // The settings count as unsaved: File > Save settings can write them.
    EXPECT_TRUE(ConfiguratieGewijzigd);

    // With room the close writes them.
    antwoorden = {vbNo};
    QCloseEvent sluiten;
    QSpontaneKeyEvent::setSpontaneous(&sluiten);
    QApplication::instance()->notify(venster.get(), &sluiten);
    EXPECT_TRUE(ProgrammaBeeindigd);
    EXPECT_TRUE(opDeSchijf("Baudrate=4800"));
    EXPECT_EQ(vragen.size(), 5u);
}

// Yes to saving at close, on a disk that cannot take the rack file: one Retry and Cancel box for it in
// place of a box that only informs; Cancel keeps the program running with the change unsaved, and File >
// Save settings writes it once there is room.
TEST_F(BestandsfoutenTest, ARackFileTheDiskRefusesAtCloseOffersRetryAndCancelAndKeepsTheProgram) {
    const Installatie installatie(*venster);
    InstalleerMeldingen();
    ASSERT_TRUE(SchrijfRackConfiguratie(1));
    Racks[1].Name = QStringLiteral("Second");
    ConfiguratieGewijzigd = true;
    antwoorden = {vbYes, vbRetry, vbCancel};
    {
        Bestandsgrens grens(1000);
        QCloseEvent sluiten;
        QSpontaneKeyEvent::setSpontaneous(&sluiten);
        QApplication::instance()->notify(venster.get(), &sluiten);
        EXPECT_FALSE(sluiten.isAccepted());
    }
    EXPECT_FALSE(ProgrammaBeeindigd);
    ASSERT_EQ(vragen.size(), 3u);
    EXPECT_EQ(vragen[0].tekst, Tekst[183]);
    for (size_t i : {1u, 2u})
        EXPECT_EQ(vragen[i], (Vraag{rackBestand() + QStringLiteral("\r\n\r\n") +
                                        QString::fromLocal8Bit(std::strerror(EFBIG)),
                                    vbRetryCancel | vbExclamation, vragen[0].titel}));
    EXPECT_EQ(RackNaam(rackBestand()), QStringLiteral("First"));
    EXPECT_TRUE(ConfiguratieGewijzigd);
    venster->mnuFileSaveSettings_Click();
    EXPECT_EQ(RackNaam(rackBestand()), QStringLiteral("Second"));
    EXPECT_EQ(Gemeld(Tekst[184]), 1);
}

TEST_F(BestandsfoutenTest, LoggingStartsWithACheckOfTheDataFolder) {
    Gegevensbestand = tijdelijkeMap() + QStringLiteral("/missing/run.csv");
    venster->StartStopVerbinding();
    EXPECT_TRUE(VerbindingActief);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.startsWith(Tekst[269] + QStringLiteral("\r\n\r\n") + tijdelijkeMap() +
                                           QStringLiteral("/missing\r\n")));
    venster->StartStopVerbinding(); // logging off
    ASSERT_TRUE(QDir().mkpath(tijdelijkeMap() + QStringLiteral("/missing")));
    venster->StartStopVerbinding();
    EXPECT_TRUE(VerbindingActief);
    EXPECT_EQ(vragen.size(), 1u);
}

} // namespace
