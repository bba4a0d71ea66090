// A data file holds rows of one layout under its header. The whole program logs every second against
// the rack emulator on the in-memory line and the virtual clock; when System > Search finds one rack
// more, the run ends in its file with its end point and goes on in a new file beside it, which the
// caption and the event log name. Logging switched on into a file of another layout starts the first
// free name of its series. Every file opens whole with the loader of File > Open.
#include "Draaiboek.h"
#include "EersteStart.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "platform/Tekstbestand.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

namespace {

class IndelingTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        emulator.zetRack(1, RackIdno(0, 0, 1));
        RackEmulator::Module& mv = emulator.zetModule(1, 1, K761Idno(1, 2, 3));
        mv.status = 0x0F;
        mv.adc = {1000, 1000, 1000, 1000};
        mv.temperatuurAdc = {250, 250, 250, 250};
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"),
                         QStringLiteral("COM1"));
        InstalleerGeheugenlijn(emulator);
    }

    QString Datamap() const { return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data"); }
    QString Pad(const char* naam) const { return Datamap() + QLatin1Char('/') + QLatin1String(naam); }
    static QStringList Regels(const QString& pad) {
        QFile f(pad);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return platform::VanWindows1252(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    static qsizetype Rijen(const QString& pad) { return std::max<qsizetype>(Regels(pad).size() - 1, 0); }
    static QByteArray Bytes(const QString& pad) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every row has the fields its header names, and the last row is the run's end point.
    static void ControleerEenIndeling(const QString& pad) {
        SCOPED_TRACE(pad.toStdString());
        const QStringList regels = Regels(pad);
        ASSERT_GE(regels.size(), 3);
        const qsizetype velden = SplitsVelden(regels[0]).size();
        for (qsizetype r = 1; r < regels.size(); ++r)
            EXPECT_EQ(SplitsVelden(regels[r]).size(), velden) << "row " << r;
        const QStringList laatste = SplitsVelden(regels.last());
        EXPECT_TRUE(
            std::all_of(laatste.begin() + 1, laatste.end(), [](const QString& v) { return v.isEmpty(); }))
            << "the last row is the end point: " << regels.last().toStdString();
    }

    // The loader of File > Open reads every row of the file without a word.
    void ControleerGeheelLeesbaar(const QString& pad) {
        SCOPED_TRACE(pad.toStdString());
        const size_t voor = vragen.size();
        LeesGegevensbestand(pad);
        EXPECT_EQ(vragen.size(), voor) << vragen.back().tekst.toStdString();
        EXPECT_EQ(AantalMetingen, Rijen(pad));
    }

    RackEmulator emulator;
};

TEST_F(IndelingTest, ASearchThatFindsOneRackMoreEndsTheRunAndGoesOnInANewFile) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 600000);
    LogVanafStartElkeSeconde(boek, venster);
    boek.Stap(
        QStringLiteral("logging runs with one rack"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            ASSERT_TRUE(VerbindingActief);
            emulator.zetRack(2, RackIdno(0, 0, 2));
            RackEmulator::Module& tweede = emulator.zetModule(2, 1, K761Idno(1, 2, 4));
            tweede.status = 0x0F;
            tweede.adc = {2000, 2000, 2000, 2000};
            tweede.temperatuurAdc = {250, 250, 250, 250};
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("logging runs with two racks"),
        [&] { return RackVenster(2) != nullptr && Rijen(Pad("Untitled_2.csv")) >= 3; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("Untitled_2.csv"));
            EXPECT_TRUE(venster.windowTitle().contains(Pad("Untitled_2.csv")))
                << venster.windowTitle().toStdString();
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);

            ControleerEenIndeling(Pad("Untitled.csv"));
            ControleerEenIndeling(Pad("Untitled_2.csv"));
            EXPECT_FALSE(Regels(Pad("Untitled.csv")).first().contains(QStringLiteral("R2M1C1")));
            EXPECT_TRUE(Regels(Pad("Untitled_2.csv")).first().contains(QStringLiteral("\"Flags R2M1C1\"")));

            // The new file with the racks as they are; the old one with the rack it was logged with.
            vragen.clear();
            ControleerGeheelLeesbaar(Pad("Untitled_2.csv"));
            Racks[2].Present = false;
            ControleerGeheelLeesbaar(Pad("Untitled.csv"));
            Racks[2].Present = true;

            antwoorden = {vbNo, vbNo, vbNo};
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();

    const QStringList logboek = Regels(MapGegevens + QLatin1Char('/') + LogboekBestandsnaam(platform::Nu()));
    EXPECT_TRUE(std::any_of(logboek.begin(), logboek.end(), [&](const QString& regel) {
        return regel.endsWith(Tekst[458] + Pad("Untitled_2.csv"));
    })) << "the event log names the new file";
}

TEST_F(IndelingTest, LoggingSwitchedOnIntoAFileOfAnotherLayoutStartsTheFirstFreeNameOfItsSeries) {
    // A file of two modules, and a "_2" that is taken.
    ASSERT_TRUE(QDir().mkpath(Datamap()));
    QString kop = QStringLiteral("\"Time\"");
    QString rij = QStringLiteral("\"") + platform::DatumTijdTekst(platform::Nu() - 1) + QLatin1Char('"');
    for (int m = 1; m <= 2; ++m) {
        for (int c = 1; c <= 4; ++c)
            for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"}) {
                kop += QStringLiteral(",\"%1 R1M%2C%3\"").arg(QLatin1String(soort)).arg(m).arg(c);
                rij += QStringLiteral(",\"\"");
            }
        kop += QStringLiteral(",\"Info mV\"");
        rij += QStringLiteral(",\"\"");
    }
    const QByteArray ander =
        platform::NaarWindows1252(kop + QStringLiteral(",\"\"\r\n") + rij + QStringLiteral(",\"\"\r\n"));
    const QByteArray bezet = "\"Time\"\r\n";
    {
        QFile a(Pad("Untitled.csv")), b(Pad("Untitled_2.csv"));
        ASSERT_TRUE(a.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
        a.write(ander);
        b.write(bezet);
    }

    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 600000);
    LogVanafStartElkeSeconde(boek, venster);
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled_3.csv")) >= 3; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("Untitled_3.csv"));
            EXPECT_TRUE(venster.windowTitle().contains(Pad("Untitled_3.csv")))
                << venster.windowTitle().toStdString();
            venster.StartStopVerbinding();
            ControleerEenIndeling(Pad("Untitled_3.csv"));
            vragen.clear();
            ControleerGeheelLeesbaar(Pad("Untitled_3.csv"));
            antwoorden = {vbNo, vbNo, vbNo};
            venster.SluitVanuitCode();
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(Bytes(Pad("Untitled.csv")), ander);
    EXPECT_EQ(Bytes(Pad("Untitled_2.csv")), bezet);
}

} // namespace
