// File > Save As while logging, the whole program against a rack of the rack emulator on the in-memory
// line and the virtual clock, logging every second. A data file whose name is a logging template is
// saved from the tables, which hold every row of the run. A Save As that a folder refuses puts the data
// folder back before its box, so that the event log written while the box waits stays in the folder it
// was written in; the Save As that then succeeds moves it to the new file's folder.
#include "Draaiboek.h"
#include "EchteMelding.h"
#include "EersteStart.h"
#include "StijgendeRack.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <deque>
#include <functional>
#include <optional>

namespace {

constexpr qint64 VraagOpenMs = 12000;

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

class OpslaanAlsTest : public StijgendeRackOmgeving {
protected:
    QString Datamap() const { return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data"); }
    QString Pad(const char* naam) const { return Datamap() + QLatin1Char('/') + QLatin1String(naam); }

    // The rows of a data file after its header, each split into its fields.
    static std::vector<QStringList> Rijen(const QString& pad) {
        std::vector<QStringList> rijen;
        QByteArray bytes;
        if (!platform::LeesBestand(pad, bytes)) return rijen;
        for (const QString& regel : platform::SplitsRegels(platform::VanWindows1252(bytes))) {
            const QStringList velden = SplitsVelden(regel);
            if (!regel.isEmpty() && velden.value(0) != QStringLiteral("Time")) rijen.push_back(velden);
        }
        return rijen;
    }

    // The file holds every row of rack 1's table, the same times in the same order.
    static void ControleerAlleRijen(const QString& pad) {
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

    // File > Save As through the menu, the dialog answering from `keuze`.
    static void SlaOpAls(mdiK740& venster, Keuzelijst& keuze) {
        ZetBestandsdialogen(&keuze);
        venster.menus().mnuFileSaveAs->trigger();
        ZetBestandsdialogen(nullptr);
    }

    void BeginLoggen(Draaiboek& boek, mdiK740& venster) {
        LogVanafStartElkeSeconde(boek, venster, [this] { stijging->zetActief(true); });
        boek.Stap(
            QStringLiteral("logging runs"), [this] { return Rijen(Pad("Untitled.csv")).size() >= 3; }, [] {});
    }
    void Sluit(mdiK740& venster) {
        InstalleerMeldingen();
        antwoorden = {vbNo, vbNo, vbNo};
        venster.SluitVanuitCode();
    }
};

// Logging into files named from a template ("#rack#"), Save As under another template and, after more
// rows, under a plain name: the new file holds every row the tables hold, none left behind in a file of
// a template's literal name.
TEST_F(OpslaanAlsTest, SaveAsFromATemplateNameHoldsEveryRowOfTheTables) {
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
            Sluit(venster);
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
TEST_F(OpslaanAlsTest, ARefusedSaveAsPutsTheDataFolderBackBeforeItsBoxAndASaveThatSucceedsMovesIt) {
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
            Sluit(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    EXPECT_EQ(box.geblokkeerd(), 0);
    EXPECT_EQ(bijKopie.map.toStdString(), Datamap().toStdString());
    ControleerLogboek(bijKopie, tekstKopie);
    EXPECT_EQ(bijTabel.map.toStdString(), elders.toStdString());
    ControleerLogboek(bijTabel, tekstTabel);
}

} // namespace
