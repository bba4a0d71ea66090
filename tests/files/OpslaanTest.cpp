#include "files/Opslaan.h"
#include "Bestandsgrens.h"
#include "Bestandsomgeving.h"
#include "acquisition/Verbinding.h"
#include "files/Meetbestand.h"
#include "platform/Opslag.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

class OpslaanTest : public Bestandsomgeving {
protected:
    QString LastFile() const {
        return LeesInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("LastFile"), QString());
    }
    static void AlleenLezenMaken(const QString& pad) {
        QFile::setPermissions(pad, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
};

TEST_F(OpslaanTest, PathsSplitIntoTheirFolder) {
    bool netwerk = true;
    EXPECT_EQ(SplitsPad(QStringLiteral("/home/lab/Data/run.csv"), netwerk),
              QStringLiteral("/home/lab/Data/"));
    EXPECT_FALSE(netwerk);
    EXPECT_EQ(SplitsPad(QStringLiteral("//server/share/run.csv"), netwerk),
              QStringLiteral("//server/share/"));
    EXPECT_TRUE(netwerk);
    const QString programma = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    EXPECT_EQ(SplitsPad(QStringLiteral("run.csv"), netwerk), programma);
    EXPECT_FALSE(netwerk);
    EXPECT_EQ(SplitsPad(QString(), netwerk), programma);
    EXPECT_EQ(SplitsPad(QStringLiteral("/"), netwerk), QStringLiteral("/"));

    EXPECT_EQ(BackupNaam(QStringLiteral("/d/run.csv")), QStringLiteral("/d/run.bak"));
    EXPECT_EQ(BackupNaam(QStringLiteral("/d/a.csv.csv")), QStringLiteral("/d/a.bak.bak"));
    EXPECT_EQ(BackupNaam(QStringLiteral("/old.csv/run.CSV")), QStringLiteral("/old.csv/run.CSV"));
}

TEST_F(OpslaanTest, TheOpenDialogSetsTheDataFolderAndTheReadOnlyState) {
    const QString pad = Pad(QStringLiteral("run.csv"));
    SchrijfBytes(pad, Bestand({}));
    MapGegevens = tijdelijkeMap();
    dialogen.bestanden = {pad};
    EXPECT_EQ(KiesBestandOpenen(QStringLiteral("old.csv"), QStringLiteral(".csv"), 182), pad);
    ASSERT_EQ(dialogen.vragen.size(), 1u);
    const BestandsdialoogVraag& v = dialogen.vragen.front();
    EXPECT_FALSE(v.opslaan);
    EXPECT_EQ(v.titel, QStringLiteral("File to open"));
    EXPECT_EQ(v.beginMap, tijdelijkeMap());
    EXPECT_EQ(v.filter, QStringLiteral("All files (*.*)|*.*|Data files(*.csv)|*.csv"));
    EXPECT_EQ(v.filterIndex, 2);
    EXPECT_EQ(MapGegevens, map);
    EXPECT_EQ(QDir::currentPath(), map);
    EXPECT_EQ(LaatsteKeuze, 1);
    EXPECT_FALSE(AlleenLezen);

    AlleenLezenMaken(pad);
    dialogen.bestanden = {pad};
    KiesBestandOpenen(QString(), QStringLiteral(".csv"), 182);
    EXPECT_TRUE(AlleenLezen);

    dialogen.bestanden = {QStringLiteral("//server/share/run.csv")};
    KiesBestandOpenen(QString(), QStringLiteral(".csv"), 182);
    EXPECT_TRUE(NetwerkPad);
    EXPECT_TRUE(AlleenLezen);
    EXPECT_EQ(MapGegevens, QStringLiteral("//server/share"));

    MapGegevens = map;
    dialogen.bestanden = {std::nullopt};
    EXPECT_EQ(KiesBestandOpenen(QStringLiteral("old.csv"), QStringLiteral(".csv"), 182),
              QStringLiteral("old.csv"));
    EXPECT_EQ(LaatsteKeuze, 2);
    EXPECT_EQ(MapGegevens, map);
}

TEST_F(OpslaanTest, TheSaveDialogRefusesANetworkPath) {
    AlleenLezen = true;
    dialogen.bestanden = {QStringLiteral("//server/share/a.csv"), Pad(QStringLiteral("b.csv"))};
    antwoorden = {vbRetry};
    EXPECT_EQ(
        KiesBestandOpslaan(QStringLiteral("a.csv"), QStringLiteral(".csv"), 182, 186, OptieAlleBestanden),
        Pad(QStringLiteral("b.csv")));
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[189]);
    EXPECT_EQ(vragen[0].stijl, vbRetryCancel | vbExclamation);
    EXPECT_EQ(vragen[0].titel, QStringLiteral("//server/share/a.csv"));
    ASSERT_EQ(dialogen.vragen.size(), 2u);
    EXPECT_TRUE(dialogen.vragen[0].opslaan);
    EXPECT_EQ(dialogen.vragen[0].naam, QStringLiteral("a.csv"));
    EXPECT_EQ(dialogen.vragen[0].titel, QStringLiteral("File to save as ..."));
    EXPECT_EQ(dialogen.vragen[0].filterIndex, 2);
    EXPECT_FALSE(AlleenLezen);
    EXPECT_EQ(LaatsteKeuze, 1);

    // Without the all-files option only the file type is offered; Cancel in the network question gives
    // "Untitled" with the extension.
    dialogen.vragen.clear();
    dialogen.bestanden = {QStringLiteral("//server/share/a.csv")};
    antwoorden = {vbCancel};
    EXPECT_EQ(KiesBestandOpslaan(QString(), QStringLiteral(".csv"), 182, 256, 0),
              QStringLiteral("Untitled.csv"));
    EXPECT_EQ(LaatsteKeuze, 2);
    EXPECT_EQ(dialogen.vragen[0].filter, QStringLiteral("Data files(*.csv)|*.csv"));
    EXPECT_EQ(dialogen.vragen[0].filterIndex, 1);
    EXPECT_EQ(dialogen.vragen[0].titel, QStringLiteral("New file..."));
}

TEST_F(OpslaanTest, SaveAsOverAnExistingFileKeepsItsFormerContentAsTheBackup) {
    const QString oud = Pad(QStringLiteral("run.csv"));
    const QString doel = Pad(QStringLiteral("copy.csv"));
    SchrijfBytes(oud, Bestand({Regel(1), Regel(2)}));
    SchrijfBytes(doel, "former content\r\n");
    SchrijfBytes(Pad(QStringLiteral("copy.bak")), "older backup\r\n");
    Gegevensbestand = oud;
    QString naam = oud;
    dialogen.bestanden = {doel};
    antwoorden = {vbYes};
    OpslaanAls(naam, false);

    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[118]);
    EXPECT_EQ(vragen[0].stijl, vbYesNo | vbExclamation);
    EXPECT_EQ(vragen[0].titel, QStringLiteral("copy.csv"));
    EXPECT_EQ(LeesBytes(doel), LeesBytes(oud));
    EXPECT_EQ(LeesBytes(Pad(QStringLiteral("copy.bak"))), QByteArray("former content\r\n"));
    EXPECT_EQ(naam, doel);
    EXPECT_EQ(Gegevensbestand, doel);
    EXPECT_EQ(LastFile(), doel);
    EXPECT_EQ(LaatsteKeuze, 1);
    EXPECT_EQ(hoofd.recenteBestanden, std::vector<QString>{doel});
    EXPECT_EQ(hoofd.titels, 1);
    EXPECT_EQ(QDir(map).entryList(QDir::Files), (QStringList{"copy.bak", "copy.csv", "run.csv"}));
}

TEST_F(OpslaanTest, SaveAsRefusesTheNameOfTheFileInMemoryAndAsksAgainAfterNo) {
    const QString oud = Pad(QStringLiteral("run.csv"));
    const QString ander = Pad(QStringLiteral("other.csv"));
    SchrijfBytes(oud, Bestand({Regel(1)}));
    SchrijfBytes(ander, "keep\r\n");
    QString naam = oud;
    dialogen.bestanden = {oud, ander, std::nullopt};
    antwoorden = {vbOK, vbNo};
    OpslaanAls(naam, false);

    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[0].tekst, Tekst[203]);
    EXPECT_EQ(vragen[0].stijl, vbOKOnly | vbExclamation);
    EXPECT_EQ(vragen[0].titel, QStringLiteral("File to save as ...: ") + oud);
    EXPECT_EQ(vragen[1].tekst, Tekst[118]);
    // The dialog came back after each, proposing the last name chosen.
    ASSERT_EQ(dialogen.vragen.size(), 3u);
    EXPECT_EQ(dialogen.vragen[1].naam, oud);
    EXPECT_EQ(dialogen.vragen[2].naam, ander);
    EXPECT_EQ(naam, oud);
    EXPECT_EQ(LaatsteKeuze, 2);
    EXPECT_EQ(LeesBytes(ander), QByteArray("keep\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Pad(QStringLiteral("other.bak"))));
    EXPECT_TRUE(Gegevensbestand.isEmpty());
    EXPECT_TRUE(LastFile().isEmpty());
}

TEST_F(OpslaanTest, CancelEndsSaveAsAlsoForUntitledData) {
    // The dialog answers Cancel with "Untitled.csv", the name of data that were never saved.
    QString naam = QStringLiteral("Untitled.csv");
    dialogen.bestanden = {std::nullopt};
    OpslaanAls(naam, false);
    EXPECT_EQ(dialogen.vragen.size(), 1u);
    EXPECT_TRUE(vragen.empty());
    EXPECT_EQ(naam, QStringLiteral("Untitled.csv"));
    EXPECT_EQ(LaatsteKeuze, 2);
}

TEST_F(OpslaanTest, DataWithoutAFileAreWrittenFromTheTablesWhileTheyShowThem) {
    AantalMetingen = 1;
    ZetRijTijd(1, 5);
    QString naam = Pad(QStringLiteral("never-saved.csv"));
    const QString doel = Pad(QStringLiteral("saved.csv"));
    dialogen.bestanden = {doel};
    OpslaanAls(naam, false);
    EXPECT_EQ(naam, doel);
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(doel)));
    ASSERT_EQ(regels.size(), 2);
    EXPECT_TRUE(regels[0].startsWith(QStringLiteral("\"Time\",\"Flags pH/Redox CH1\"")));
    EXPECT_TRUE(regels[1].startsWith(QStringLiteral("\"05/01/2026 09:00:05\"")));

    // A write that fails, and another file opened while its box waits: Retry writes nothing of the tables,
    // which show that file now, and a box says so.
    naam = Gegevensbestand = Pad(QStringLiteral("untitled.csv"));
    const QString ander = Pad(QStringLiteral("other.csv"));
    dialogen.bestanden = {Pad(QStringLiteral("saved-2.csv"))};
    auto grens = std::make_unique<Bestandsgrens>(0);
    melding.beantwoord = [&](const Vraag& v) {
        if ((v.stijl & 7) != vbRetryCancel) return vbOK;
        Gegevensbestand = ander;
        grens.reset();
        return vbRetry;
    };
    EXPECT_FALSE(OpslaanAls(naam, false));
    ASSERT_FALSE(vragen.empty());
    EXPECT_EQ(vragen.back().tekst, Tekst[TekstAnderGegevensbestand]);
    EXPECT_FALSE(QFileInfo::exists(Pad(QStringLiteral("saved-2.csv"))));
    EXPECT_EQ(Gegevensbestand, ander);
}

TEST_F(OpslaanTest, AFullDiskNeverReplacesTheDataFileByACutOne) {
    AantalMetingen = 20;
    for (int rij = 1; rij <= AantalMetingen; ++rij)
        ZetRijTijd(rij, rij);
    const QString doel = Pad(QStringLiteral("run.csv"));
    ASSERT_TRUE(SchrijfGegevensbestand(doel));
    const QByteArray voor = LeesBytes(doel);
    AantalMetingen = 40;
    for (int rij = 21; rij <= AantalMetingen; ++rij)
        ZetRijTijd(rij, rij);
    antwoorden = {vbRetry, vbCancel};
    bool geschreven = true;
    {
        Bestandsgrens grens(static_cast<rlim_t>(voor.size()));
        geschreven = SchrijfGegevensbestand(doel);
    }
    EXPECT_FALSE(geschreven);
    ASSERT_EQ(vragen.size(), 2u); // asked, tried again, asked again
    EXPECT_EQ(vragen[0].tekst, Tekst[490] + QStringLiteral("\r\n\r\n") + doel + QStringLiteral("\r\n\r\n") +
                                   QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(LeesBytes(doel), voor);
    EXPECT_EQ(QDir(map).entryList(QDir::Files), QStringList{QStringLiteral("run.csv")});
}

TEST_F(OpslaanTest, ABackupLoadedAndSavedUnderItsOwnNameIsRestoredWhole) {
    const QString csv = Pad(QStringLiteral("run.csv"));
    const QString bak = Pad(QStringLiteral("run.bak"));
    SchrijfBytes(csv, Bestand({Regel(1, "new")}));
    SchrijfBytes(bak, Bestand({Regel(1, "old")}));
    QString naam = bak;
    dialogen.bestanden = {csv};
    antwoorden = {vbYes};
    OpslaanAls(naam, false);
    EXPECT_EQ(LeesBytes(csv), Bestand({Regel(1, "old")}));
    EXPECT_EQ(LeesBytes(bak), Bestand({Regel(1, "new")}));
    EXPECT_EQ(Gegevensbestand, csv);
}

TEST_F(OpslaanTest, ANewLoggingFileMayHaveTheCurrentNameAndStartsEmpty) {
    const QString pad = Pad(QStringLiteral("log.csv"));
    SchrijfBytes(pad, Bestand({Regel(1)}));
    SchrijfBytes(pad + QStringLiteral(".new"), "edited");
    QString naam = pad;
    dialogen.bestanden = {pad};
    antwoorden = {vbYes};
    OpslaanAls(naam, true);
    EXPECT_EQ(dialogen.vragen[0].titel, QStringLiteral("New file..."));
    EXPECT_EQ(vragen.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(pad) || QFileInfo::exists(pad + QStringLiteral(".new")));
    EXPECT_EQ(LeesBytes(Pad(QStringLiteral("log.bak"))), Bestand({Regel(1)}));
    EXPECT_EQ(LeesBytes(Pad(QStringLiteral("log.bak.new"))), QByteArray("edited"));
    EXPECT_EQ(Gegevensbestand, pad);
    EXPECT_EQ(LaatsteKeuze, 1);

    // A name without ".csv" has no backup of its own: the old file goes, and its working copy with it.
    const QString zonder = Pad(QStringLiteral("log.txt"));
    SchrijfBytes(zonder, "x");
    SchrijfBytes(zonder + QStringLiteral(".new"), "edited");
    dialogen.bestanden = {zonder};
    antwoorden = {vbYes};
    OpslaanAls(naam, true);
    EXPECT_FALSE(QFileInfo::exists(zonder) || QFileInfo::exists(zonder + QStringLiteral(".new")));
    EXPECT_EQ(Gegevensbestand, zonder);
}

TEST_F(OpslaanTest, AFailedFileOperationAsksAndCancelLeavesEverythingAsItWas) {
    const QString oud = Pad(QStringLiteral("run.csv"));
    const QString doel = Pad(QStringLiteral("copy.csv"));
    SchrijfBytes(oud, Bestand({Regel(1)}));
    SchrijfBytes(doel, "former\r\n");
    Gegevensbestand = oud;
    FouteBewerkingen fout;
    fout.soort = FouteBewerkingen::Soort::Mislukt;
    fout.bij = 2; // the backup copy
    ZetBestandsbewerkingen(&fout);
    QString naam = oud;
    dialogen.bestanden = {doel};
    antwoorden = {vbYes, vbCancel};
    OpslaanAls(naam, false);
    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[1].tekst, QStringLiteral("The file is in use, access to ") +
                                   Pad(QStringLiteral("copy.bak")) + QStringLiteral(" is rejected!"));
    EXPECT_EQ(vragen[1].stijl, vbOKCancel | vbExclamation);
    EXPECT_EQ(naam, oud);
    EXPECT_EQ(Gegevensbestand, oud);
    EXPECT_EQ(LaatsteKeuze, vbCancel);
    EXPECT_EQ(LeesBytes(doel), QByteArray("former\r\n"));
    EXPECT_EQ(QDir(map).entryList(QDir::Files), (QStringList{"copy.csv", "run.csv"}));

    // OK starts again with the dialog.
    fout.stappen = 0;
    dialogen.bestanden = {doel, doel};
    antwoorden = {vbYes, vbOK, vbYes};
    OpslaanAls(naam, false);
    EXPECT_EQ(dialogen.vragen.size(), 3u);
    EXPECT_EQ(LeesBytes(doel), LeesBytes(oud));
    EXPECT_EQ(LeesBytes(Pad(QStringLiteral("copy.bak"))), QByteArray("former\r\n"));
}

// Save As into another folder that ends without its file (a refused copy, Cancel) leaves the data
// folder and the current folder as they were: the event and communication logs stay where they are.
// A Save As that keeps its file moves them.
TEST_F(OpslaanTest, ASaveAsThatEndsWithoutItsFileLeavesTheDataFolderWhereItWas) {
    const QString oud = Pad(QStringLiteral("run.csv"));
    const QString elders = tijdelijkeMap() + QStringLiteral("/Elsewhere");
    ASSERT_TRUE(QDir().mkpath(elders));
    SchrijfBytes(oud, Bestand({Regel(1)}));
    Gegevensbestand = oud;
    ASSERT_TRUE(QDir::setCurrent(map));
    const QString huidig = QDir::currentPath();
    FouteBewerkingen fout;
    fout.soort = FouteBewerkingen::Soort::Mislukt;
    fout.bij = 1; // the copy
    ZetBestandsbewerkingen(&fout);
    QString naam = oud;
    dialogen.bestanden = {elders + QStringLiteral("/copy.csv")};
    antwoorden = {vbCancel};
    EXPECT_FALSE(OpslaanAls(naam, false));
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(MapGegevens, map);
    EXPECT_EQ(QDir::currentPath(), huidig);

    ZetBestandsbewerkingen(nullptr);
    dialogen.bestanden = {elders + QStringLiteral("/copy.csv")};
    EXPECT_TRUE(OpslaanAls(naam, false));
    EXPECT_EQ(MapGegevens, elders);
}

TEST_F(OpslaanTest, SaveAsIsInterruptedAfterEveryFileOperation) {
    const QString oud = Pad(QStringLiteral("run.csv"));
    const QString doel = Pad(QStringLiteral("copy.csv"));
    const QByteArray nieuw = Bestand({Regel(1, "new"), Regel(2, "new")});
    const QByteArray vroeger = Bestand({Regel(1, "former")});
    for (int bij = 1;; ++bij) {
        SCOPED_TRACE(bij);
        SchrijfBytes(oud, nieuw);
        SchrijfBytes(doel, vroeger);
        FouteBewerkingen sterft;
        sterft.soort = FouteBewerkingen::Soort::Sterft;
        sterft.bij = bij;
        ZetBestandsbewerkingen(&sterft);
        QString naam = oud;
        dialogen.bestanden = {doel};
        antwoorden = {vbYes};
        bool gestorven = false;
        try {
            OpslaanAls(naam, false);
        } catch (const FouteBewerkingen::Afgebroken&) {
            gestorven = true;
        }
        const QByteArray nu = LeesBytes(doel);
        EXPECT_TRUE(nu == vroeger || nu == nieuw);
        EXPECT_EQ(LeesBytes(oud), nieuw);
        if (!gestorven) {
            EXPECT_EQ(nu, nieuw);
            EXPECT_EQ(LeesBytes(Pad(QStringLiteral("copy.bak"))), vroeger);
            EXPECT_EQ(bij, 4); // three operations: copy beside, backup, rename
            break;
        }
        QDir(map).removeRecursively();
        QDir().mkpath(map);
    }
}

TEST_F(OpslaanTest, OpenLoadsTheChosenFileInClockTime) {
    const QString pad = Pad(QStringLiteral("run.csv"));
    SchrijfBytes(pad, Bestand({Regel(1), Regel(2)}));
    RelatieveTijd = true;
    dialogen.bestanden = {pad};
    Antwoord = AntwoordMislukt;
    EXPECT_TRUE(BewaarLaatsteBestand(QStringLiteral("before.csv")));
    EXPECT_FALSE(RelatieveTijd);
    EXPECT_EQ(Gegevensbestand, pad);
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_EQ(LastFile(), pad);
    EXPECT_EQ(Antwoord, AntwoordMislukt) << "the rack link's answer is its own";

    RelatieveTijd = true;
    // Cancel leaves the data file as it is then (the run may have gone on in a new file meanwhile).
    dialogen.bestanden = {std::nullopt};
    EXPECT_FALSE(BewaarLaatsteBestand(QStringLiteral("before.csv")));
    EXPECT_EQ(Gegevensbestand, pad);
    EXPECT_TRUE(RelatieveTijd);
    EXPECT_EQ(LastFile(), pad);
}

class Tekstvak : public LettertypeDrager {
public:
    Lettertype LeesLettertype() const override { return lettertype; }
    void ZetLettertype(const Lettertype& l) override { lettertype = l; }
    void Vernieuw() override { ++vernieuwd; }
    Lettertype lettertype{QStringLiteral("Arial"), 10, false, false, false, false, 0x0000FF};
    int vernieuwd = 0;
};

TEST_F(OpslaanTest, TheFontChoiceChangesTheObjectAndMarksTheConfiguration) {
    Tekstvak vak;
    const Lettertype voor = vak.lettertype;
    KiesLettertype(vak);
    EXPECT_EQ(dialogen.lettertypeTitel, QStringLiteral("Change Font"));
    EXPECT_EQ(dialogen.getoondLettertype, voor);
    EXPECT_EQ(vak.lettertype, voor);
    EXPECT_FALSE(ConfiguratieGewijzigd);
    EXPECT_EQ(hoofd.knoppenGezet, 0);

    dialogen.lettertype = Lettertype{QStringLiteral("Courier"), 12, true, true, true, true, 0x00FF00};
    KiesLettertype(vak);
    EXPECT_EQ(vak.lettertype, *dialogen.lettertype);
    EXPECT_EQ(vak.vernieuwd, 1);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_EQ(hoofd.knoppenGezet, 1);
}

} // namespace
