#include "files/Werkkopie.h"
#include "Bestandsomgeving.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/Teksten.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class WerkkopieTest : public Bestandsomgeving {
protected:
    void SetUp() override {
        Bestandsomgeving::SetUp();
        pad = Pad(QStringLiteral("run.csv"));
        Gegevensbestand = pad;
    }
    QString nieuw() const { return pad + QStringLiteral(".new"); }
    // The program ends and starts again: nothing of the file layer's state is left in memory.
    void Herstart() {
        ResetOpslaan();
        ResetMeetbestand();
        ZetBestandsdialogen(&dialogen);
        Gegevensbestand = pad;
    }
    // A row appended by the logging at second s of 5 January 2026; its bytes.
    QByteArray LogRij(int s) {
        const QByteArray voor = LeesBytes(pad);
        platform::LeesDatumTijd(QStringLiteral("05/01/2026 09:00:%1").arg(s, 2, 10, QLatin1Char('0')),
                                TijdMeting);
        LogMeting(QString());
        const QByteArray na = LeesBytes(pad);
        EXPECT_EQ(na.left(voor.size()), voor);
        return na.mid(voor.size());
    }
    // The file of these rows under the header that logging gives the test system's racks, so that
    // logged rows belong under it.
    QByteArray LogBestand(const QStringList& regels) {
        const QString elders = Pad(QStringLiteral("kop.csv"));
        Gegevensbestand = elders;
        LogMeting(QString());
        const QByteArray bytes = LeesBytes(elders);
        QFile::remove(elders);
        Gegevensbestand = pad;
        return bytes.left(bytes.indexOf("\r\n") + 2) + Bestand(regels).mid(Bestand({}).size());
    }
    QStringList Regels(const QString& bestand) const {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(bestand)));
    }
    QString bak() const { return Pad(QStringLiteral("run.bak")); }
    QStringList Bestanden() const { return QDir(map).entryList(QDir::Files); }

    QString pad;
};

// In a logging file the header names each block's rack and module: a field is found there, whichever
// modules are present, and a module the file has no block of has no field (0). A header that names
// inputs otherwise is counted by position: 1 + 21 for every present module before it + the field.
TEST_F(WerkkopieTest, FieldNumbersOfALoggingFileAreFoundThroughItsHeader) {
    // Rack 2's file, logged by the program while both racks are measured.
    RackVlaggen[2].Measure = true;
    Gegevensbestand = Pad(QStringLiteral("run_#rack#.csv"));
    for (int s = 1; s <= 2; ++s) {
        TijdMeting = platform::MaakDatum(2026, 1, 5, 9, 0, s);
        LogMeting(QString());
    }
    pad = Pad(QStringLiteral("run_Lab_B.csv"));
    Gegevensbestand = pad;
    const QString kop = Regels(pad).value(0);
    ASSERT_TRUE(kop.startsWith(QStringLiteral("\"Time\",\"Flags R2M2C1\""))) << kop.toStdString();
    ZetRijTijd(1, 1);
    EXPECT_EQ(KolomInGegevensbestand(2, 2, 1, 21), 22);
    EXPECT_EQ(KolomInGegevensbestand(1, 1, 1, 21), 0);

    // An info of rack 2's row goes into rack 2's info field; one of rack 1's is refused with the box that
    // names the module the file has no block of, and changes nothing.
    const QByteArray origineel = LeesBytes(pad);
    vragen.clear();
    EXPECT_FALSE(SchrijfInfo(1, 1, 1, QStringLiteral("lost")));
    ASSERT_EQ(vragen.size(), 1u) << "no box for a refused info";
    EXPECT_TRUE(vragen[0].tekst.startsWith(QStringLiteral("This file and the racks present differ in R1M1.")))
        << vragen[0].tekst.toStdString();
    EXPECT_FALSE(QFile::exists(nieuw())) << "a working copy made for an info that went nowhere";
    EXPECT_EQ(LeesBytes(pad), origineel);
    EXPECT_TRUE(SchrijfInfo(2, 2, 1, QStringLiteral("noted")));
    QStringList regels = Regels(nieuw());
    ASSERT_EQ(regels.size(), 3);
    EXPECT_EQ(VolgendVeld(regels[1], 22).veld, QStringLiteral("noted"));
    EXPECT_EQ(VolgendVeld(regels[2], 22).veld, QString());
    EXPECT_EQ(SplitsVelden(regels[1]).size(), 23);
    // The working copy's lines are the ones read.
    EXPECT_EQ(KolomInGegevensbestand(2, 2, 1, 21), 22);
}

TEST_F(WerkkopieTest, ARowIsEmptiedInEveryTable) {
    for (int16_t c = 0; c <= KolomInfo; ++c) {
        venster(1).ZetCelTekst(1, 2, c, QStringLiteral("a"));
        venster(1).ZetCelTekst(1, 3, c, QStringLiteral("b"));
        venster(2).ZetCelTekst(2, 2, c, QStringLiteral("c"));
    }
    WisRijInTabellen(2);
    EXPECT_EQ(venster(1).CelTekst(1, 2, 0), QStringLiteral("a"));
    EXPECT_EQ(venster(2).CelTekst(2, 2, 0), QStringLiteral("c"));
    for (int16_t c = 1; c <= KolomInfo; ++c) {
        EXPECT_TRUE(venster(1).CelTekst(1, 2, c).isEmpty());
        EXPECT_TRUE(venster(2).CelTekst(2, 2, c).isEmpty());
        EXPECT_EQ(venster(1).CelTekst(1, 3, c), QStringLiteral("b"));
    }
}

TEST_F(WerkkopieTest, InfoReachesItsLineAndItsEndPointInTheWorkingCopyOnly) {
    // The row's line and its end point in its second, one a second later; "°" keeps its byte in the
    // untouched lines.
    QString eindpunt = QStringLiteral("\"05/01/2026 09:00:01\"");
    for (int v = 0; v < 63; ++v)
        eindpunt += QStringLiteral(",\"\"");
    const QByteArray origineel = Bestand({Regel(1), eindpunt, Regel(2)});
    SchrijfBytes(pad, origineel);
    ZetRijTijd(1, 1);
    SchrijfInfo(1, 3, 1, QStringLiteral("calibrated \"A\""));

    EXPECT_EQ(LeesBytes(pad), origineel);
    EXPECT_EQ(WerkkopiePad, nieuw());
    EXPECT_EQ(Bestanden(), (QStringList{"run.csv", "run.csv.new", "run.csv.newsrc"}));
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(nieuw())));
    ASSERT_EQ(regels.size(), 4);
    EXPECT_EQ(regels[0], QStringLiteral("\"Time\",\"header\""));
    for (int i = 1; i <= 3; ++i) {
        QString regel = regels[i];
        EXPECT_EQ(VolgendVeld(regel, 43).veld, i < 3 ? QStringLiteral("calibrated \"A\"") : QString());
        EXPECT_EQ(VolgendVeld(regel, 22).veld, QString());
        EXPECT_EQ(VolgendVeld(regel, 64).veld, QString());
    }
    const QList<QByteArray> bytes = LeesBytes(nieuw()).split('\n');
    EXPECT_EQ(bytes[3] + '\n', platform::NaarWindows1252(Regel(2)) + "\r\n");

    // A second edit works on the working copy: both edits are there.
    ZetRijTijd(2, 2);
    SchrijfInfo(2, 2, 2, QStringLiteral("second"));
    const QStringList daarna = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(nieuw())));
    QString regel1 = daarna[1], regel3 = daarna[3];
    EXPECT_EQ(VolgendVeld(regel1, 43).veld, QStringLiteral("calibrated \"A\""));
    EXPECT_EQ(VolgendVeld(regel1, 64).veld, QString());
    EXPECT_EQ(VolgendVeld(regel3, 64).veld, QStringLiteral("second"));
    EXPECT_EQ(LeesBytes(pad), origineel);
}

TEST_F(WerkkopieTest, YesCommitsWithABackupAndNoDropsTheWorkingCopy) {
    const QByteArray oud = Bestand({Regel(1), Regel(2)});
    SchrijfBytes(pad, oud);
    SchrijfBytes(bak(), "older backup");
    ZetRijTijd(1, 1);
    SchrijfInfo(1, 1, 1, QStringLiteral("note"));
    const QByteArray bewerkt = LeesBytes(nieuw());

    antwoorden = {vbYes};
    EXPECT_FALSE(ControleerWijzigingen(pad, false, false).geannuleerd);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[424]);
    EXPECT_EQ(vragen[0].stijl, vbYesNoCancel | vbExclamation);
    EXPECT_EQ(vragen[0].titel, pad);
    EXPECT_EQ(LeesBytes(pad), bewerkt);
    EXPECT_EQ(LeesBytes(bak()), oud);
    EXPECT_EQ(Bestanden(), (QStringList{"run.bak", "run.csv"}));

    // No: the working copy goes, the data file stays; with a reload it is loaded again and said so.
    SchrijfInfo(1, 1, 1, QStringLiteral("dropped"));
    ASSERT_TRUE(QFileInfo::exists(nieuw()));
    vragen.clear();
    antwoorden = {vbNo};
    EXPECT_FALSE(ControleerWijzigingen(pad, true, false).geannuleerd);
    EXPECT_EQ(LeesBytes(pad), bewerkt);
    EXPECT_EQ(Bestanden(), (QStringList{"run.bak", "run.csv"}));
    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[1].tekst, Tekst[233]);
    EXPECT_EQ(vragen[1].stijl, vbInformation);
    EXPECT_EQ(AantalMetingen, 2);

    // Nothing is asked without a working copy.
    vragen.clear();
    EXPECT_FALSE(ControleerWijzigingen(pad, false, false).geannuleerd);
    EXPECT_TRUE(vragen.empty());
}

TEST_F(WerkkopieTest, CancelIsOfferedOnlyForTablesJustChanged) {
    SchrijfBytes(pad, Bestand({Regel(1)}));
    SchrijfBytes(nieuw(), Bestand({Regel(1, "edited")}));
    antwoorden = {vbCancel};
    EXPECT_TRUE(ControleerWijzigingen(pad, false, false).geannuleerd);
    EXPECT_EQ(Bestanden(), (QStringList{"run.csv", "run.csv.new"}));

    ControleerWijzigingen(pad, false, true);
    EXPECT_EQ(vragen.back().tekst, Tekst[425]);
    EXPECT_EQ(vragen.back().stijl, vbYesNo | vbExclamation);
}

TEST_F(WerkkopieTest, AWorkingCopyLeftFromAnEarlierRunIsOfferedWhenTheFileIsLoaded) {
    const QByteArray oud = Bestand({Regel(1), Regel(2)});
    SchrijfBytes(pad, oud);
    SchrijfBytes(nieuw(), Bestand({Regel(1, "edited")}));
    antwoorden = {vbNo};
    EXPECT_EQ(OpenGegevensbestand(), 1);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[425]);
    EXPECT_EQ(Bestanden(), QStringList{"run.csv"});
    EXPECT_EQ(AantalMetingen, 2);

    SchrijfBytes(nieuw(), Bestand({Regel(1, "edited")}));
    antwoorden = {vbYes};
    OpenGegevensbestand();
    EXPECT_EQ(LeesBytes(bak()), oud);
    EXPECT_EQ(AantalMetingen, 1);
    EXPECT_EQ(venster(1).CelTekst(1, 1, KolomInfo), QStringLiteral("edited"));

    // The question closed by its title bar (no button), at two loads: both files stay as they are, and
    // each load asks again.
    const QByteArray genomen = LeesBytes(pad);
    SchrijfBytes(nieuw(), Bestand({Regel(1, "edited again")}));
    for (int keer = 1; keer <= 2; ++keer) {
        vragen.clear();
        antwoorden = {0};
        OpenGegevensbestand();
        ASSERT_EQ(vragen.size(), 1u) << "load " << keer;
        EXPECT_EQ(vragen[0].tekst, Tekst[425]);
        EXPECT_EQ(LeesBytes(nieuw()), Bestand({Regel(1, "edited again")})) << "the edits were thrown away";
        EXPECT_EQ(LeesBytes(pad), genomen) << "the edits were committed";
    }

    // The program ends with no one to answer: the same, and the next start asks again.
    vragen.clear();
    platform::EindeZonderGebruiker([] {});
    OpenGegevensbestand();
    EXPECT_TRUE(vragen.empty()) << "a question was shown with no one to answer";
    EXPECT_EQ(LeesBytes(nieuw()), Bestand({Regel(1, "edited again")})) << "the edits were thrown away";
    EXPECT_EQ(LeesBytes(pad), genomen);
}

TEST_F(WerkkopieTest, AReadOnlyFileIsNeverCommitted) {
    SchrijfBytes(pad, Bestand({Regel(1)}));
    QFile::setPermissions(pad, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    dialogen.bestanden = {pad};
    KiesBestandOpenen(QString(), QStringLiteral(".csv"), 182);
    ASSERT_TRUE(AlleenLezen);
    SchrijfBytes(nieuw(), Bestand({Regel(1, "edited")}));

    antwoorden = {vbYes};
    ControleerWijzigingen(pad, false, true);
    // The question, and nothing more: the working copy stays for the next time.
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[425]);
    EXPECT_EQ(LeesBytes(pad), Bestand({Regel(1)}));
    EXPECT_EQ(LeesBytes(nieuw()), Bestand({Regel(1, "edited")}));
    EXPECT_EQ(Bestanden(), (QStringList{"run.csv", "run.csv.new"}));

    // Also when the flag was not set by the open dialog.
    AlleenLezen = false;
    EXPECT_FALSE(BevestigWijzigingen(pad, nieuw()));
    EXPECT_EQ(Bestanden(), (QStringList{"run.csv", "run.csv.new"}));
}

TEST_F(WerkkopieTest, ADataFileWithoutCsvInItsNameIsReplacedWithoutBackup) {
    const QString zonder = Pad(QStringLiteral("run.txt"));
    SchrijfBytes(zonder, "old");
    SchrijfBytes(zonder + QStringLiteral(".new"), "new");
    EXPECT_TRUE(BevestigWijzigingen(zonder, zonder + QStringLiteral(".new")));
    EXPECT_EQ(LeesBytes(zonder), QByteArray("new"));
    EXPECT_EQ(Bestanden(), QStringList{"run.txt"});
}

TEST_F(WerkkopieTest, RowsLoggedAfterAnEditAreKeptByTheCommit) {
    SchrijfBytes(pad, Bestand({Regel(1), Regel(2)}));
    ZetRijTijd(1, 1);
    SchrijfInfo(1, 1, 1, QStringLiteral("first"));
    // Logging goes on into the data file.
    platform::VoegToeAanBestand(pad, platform::NaarWindows1252(Regel(3) + QStringLiteral("\r\n")));
    ZetRijTijd(3, 3);
    SchrijfInfo(1, 1, 3, QStringLiteral("third"));
    platform::VoegToeAanBestand(pad, platform::NaarWindows1252(Regel(4) + QStringLiteral("\r\n")));

    antwoorden = {vbYes};
    ControleerWijzigingen(pad, false, false);
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    ASSERT_EQ(regels.size(), 5);
    QString r1 = regels[1], r3 = regels[3], r4 = regels[4];
    EXPECT_EQ(VolgendVeld(r1, 22).veld, QStringLiteral("first"));
    EXPECT_EQ(VolgendVeld(r3, 22).veld, QStringLiteral("third"));
    EXPECT_EQ(r4, Regel(4));
    EXPECT_EQ(Bestanden(), (QStringList{"run.bak", "run.csv"}));
}

// The program ends (or dies) with edits pending while the logging goes on; the rows logged meanwhile
// reach the working copy before the next edit and the data file at the commit after the next start.
TEST_F(WerkkopieTest, RowsLoggedBeforeARestartAreKeptByTheCommitAfterIt) {
    SchrijfBytes(pad, LogBestand({Regel(1), Regel(2)}));
    ZetRijTijd(1, 1);
    SchrijfInfo(1, 1, 1, QStringLiteral("first"));
    const QByteArray rij3 = LogRij(3);
    Herstart();

    // An edit of a row logged before the restart.
    ZetRijTijd(3, 3);
    SchrijfInfo(1, 1, 3, QStringLiteral("third"));
    const QByteArray rij4 = LogRij(4);
    const QByteArray rij5 = LogRij(5);
    const QByteArray gelogd = LeesBytes(pad);
    Herstart();

    antwoorden = {vbYes};
    EXPECT_EQ(OpenGegevensbestand(), 1);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[425]);
    const QStringList regels = Regels(pad);
    ASSERT_EQ(regels.size(), 6);
    QString r1 = regels[1], r3 = regels[3];
    EXPECT_EQ(VolgendVeld(r1, 22).veld, QStringLiteral("first"));
    EXPECT_EQ(regels[2], Regel(2));
    QString verwacht3 = platform::VanWindows1252(rij3.chopped(2));
    VervangVeld(verwacht3, 22, QStringLiteral("third"));
    EXPECT_EQ(r3, verwacht3);
    EXPECT_TRUE(LeesBytes(pad).endsWith(rij4 + rij5));
    EXPECT_EQ(LeesBytes(bak()), gelogd);
    EXPECT_EQ(Bestanden(), (QStringList{"run.bak", "run.csv"}));
    EXPECT_EQ(AantalMetingen, 5);
}

// Which rows the working copy lacks follows from where it left the data file, not from the rows'
// times: rows of the same second or of a clock set back are carried, a row deleted stays deleted.
TEST_F(WerkkopieTest, RowsAreCarriedByTheirPlaceInTheFileNotByTheirTime) {
    SchrijfBytes(pad, Bestand({Regel(1), Regel(2), Regel(3)}));
    Bewerking bewerking;
    ASSERT_TRUE(BeginBewerking(bewerking, pad));
    for (int i = 0; i < 3; ++i)
        if (const std::optional<QString> regel = bewerking.LeesRegel())
            bewerking.SchrijfRegel(*regel); // the last row is deleted
    ASSERT_TRUE(EindeBewerking(bewerking, pad));
    const QStringList gelogd{Regel(3, QStringLiteral("same second")), Regel(1, QStringLiteral("set back"))};
    for (const QString& r : gelogd)
        platform::VoegToeAanBestand(pad, platform::NaarWindows1252(r + QStringLiteral("\r\n")));
    Herstart();

    antwoorden = {vbYes};
    ControleerWijzigingen(pad, false, true);
    EXPECT_EQ(LeesBytes(pad), Bestand({Regel(1), Regel(2), gelogd[0], gelogd[1]}));
}

// A data file replaced while the working copy waited (another file under its name) gets none of its
// bytes carried into the working copy; the commit keeps it as the ".bak".
TEST_F(WerkkopieTest, ADataFileReplacedUnderTheWorkingCopyLendsItNothing) {
    SchrijfBytes(pad, Bestand({Regel(1), Regel(2)}));
    ZetRijTijd(1, 1);
    SchrijfInfo(1, 1, 1, QStringLiteral("note"));
    const QByteArray bewerkt = LeesBytes(nieuw());
    const QByteArray ander = Bestand({Regel(5), Regel(6), Regel(7)});
    SchrijfBytes(pad, ander);
    Herstart();

    antwoorden = {vbYes};
    ControleerWijzigingen(pad, false, true);
    EXPECT_EQ(LeesBytes(pad), bewerkt);
    EXPECT_EQ(LeesBytes(bak()), ander);
}

TEST_F(WerkkopieTest, AFailedPassLeavesTheWorkingCopyAsItWas) {
    SchrijfBytes(pad, Bestand({Regel(1)}));
    SchrijfBytes(nieuw(), Bestand({Regel(1, "kept")}));
    FouteBewerkingen fout;
    fout.soort = FouteBewerkingen::Soort::Mislukt;
    fout.bij = 1;
    ZetBestandsbewerkingen(&fout);
    ZetRijTijd(1, 1);
    SchrijfInfo(1, 1, 1, QStringLiteral("lost"));
    EXPECT_EQ(LeesBytes(nieuw()), Bestand({Regel(1, "kept")}));
    EXPECT_EQ(Bestanden(), (QStringList{"run.csv", "run.csv.new"}));
    ASSERT_EQ(vragen.size(), 1u);
}

// Every step of a commit is interrupted in turn, once by a failing operation and once by the program
// dying right after it; the rows are whole in the data file every time, and the edits are either in it
// or still in the working copy.
TEST_F(WerkkopieTest, ACommitInterruptedAtAnyStepKeepsTheRowsWhole) {
    const QByteArray oud = Bestand({Regel(1), Regel(2), Regel(3)});
    const QByteArray gelogd = platform::NaarWindows1252(Regel(4) + QStringLiteral("\r\n"));
    for (const bool metLogging : {false, true}) {
        for (const auto soort : {FouteBewerkingen::Soort::Mislukt, FouteBewerkingen::Soort::Sterft}) {
            for (int bij = 1;; ++bij) {
                SCOPED_TRACE(testing::Message() << "logging " << metLogging << ", kind "
                                                << static_cast<int>(soort) << ", step " << bij);
                Herstart();
                QDir(map).removeRecursively();
                QDir().mkpath(map);
                SchrijfBytes(pad, oud);
                SchrijfBytes(bak(), "older backup");
                ZetRijTijd(2, 2);
                SchrijfInfo(1, 1, 2, QStringLiteral("edit"));
                const QByteArray bewerkt = LeesBytes(nieuw());
                QByteArray voor = oud, na = bewerkt;
                if (metLogging) {
                    platform::VoegToeAanBestand(pad, gelogd);
                    voor += gelogd;
                    na += gelogd;
                }

                FouteBewerkingen fout;
                fout.soort = soort;
                fout.bij = bij;
                ZetBestandsbewerkingen(&fout);
                bool onderbroken = false;
                try {
                    onderbroken = !BevestigWijzigingen(pad, nieuw());
                } catch (const FouteBewerkingen::Afgebroken&) {
                    onderbroken = true;
                }
                ZetBestandsbewerkingen(nullptr);
                const int stappen = fout.stappen;

                const QByteArray csv = LeesBytes(pad);
                ASSERT_TRUE(csv == voor || csv == na);
                if (csv == voor) {
                    // Not committed: the edits wait in the working copy, the logged row too when the
                    // working copy has taken it in already.
                    const QByteArray werk = LeesBytes(nieuw());
                    EXPECT_TRUE(werk == bewerkt || werk == na);
                    EXPECT_TRUE(onderbroken);
                }
                const QByteArray backup = LeesBytes(bak());
                EXPECT_TRUE(backup == "older backup" || backup == voor);
                if (csv == na) {
                    EXPECT_EQ(backup, voor);
                }
                if (!onderbroken) {
                    EXPECT_EQ(csv, na);
                    EXPECT_EQ(Bestanden(), (QStringList{"run.bak", "run.csv"}));
                    EXPECT_LT(stappen, bij);
                    // With logging: the record of the pass that takes the row in, that pass, the
                    // backup, the rename.
                    EXPECT_EQ(stappen, metLogging ? 4 : 2);
                    break;
                }

                // At the next start Yes commits what was left: every row once, the edit in.
                Herstart();
                antwoorden = {vbYes};
                ControleerWijzigingen(pad, false, true);
                EXPECT_EQ(LeesBytes(pad), na);
                EXPECT_EQ(Bestanden(), (QStringList{"run.bak", "run.csv"}));
            }
        }
    }
}

} // namespace
