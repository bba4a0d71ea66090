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
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QDir>
#include <QFile>
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
    EXPECT_EQ(Gemeld(VervangHekje(Tekst[234], rackBestand())), 1);
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
    EXPECT_EQ(Gemeld(VervangHekje(Tekst[234], platform::OpslagBestand(AppNaam))), 1);
    EXPECT_EQ(Gemeld(Tekst[184]), 0);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    // With room again the same command saves.
    venster->mnuFileSaveSettings_Click();
    EXPECT_EQ(Gemeld(Tekst[184]), 1);
    EXPECT_FALSE(ConfiguratieGewijzigd);
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
