// Rows that a logging file cannot take wait in memory under one bound for all files together; past it
// they are given up with a word: a box, an end point where the break is, and the event log's count.
// A file-size limit is one more disk that refuses: the program goes on, as on a full disk.
#include "files/WachtendeRijen.h"
#include "BegrensdeMeldingen.h"
#include "Bestandsgrens.h"
#include "Bestandsomgeving.h"
#include "EchteMelding.h"
#include "TijdenInSeconden.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/Werkkopie.h"
#include "platform/Eindsignalen.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <algorithm>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class WachtendeRijenTest : public Bestandsomgeving {
public:
    using Bestandsomgeving::antwoorden;
    using Bestandsomgeving::dialogen;
    using Bestandsomgeving::melding;
    using Bestandsomgeving::Pad;
    using Bestandsomgeving::venster;
    using Bestandsomgeving::vragen;

    // Every box has the deadline of BegrensdeMeldingen; a test answers with `melding`, or with another box
    // it puts in `begrensd.binnen`.
    void SetUp() override {
        Bestandsomgeving::SetUp();
        ZetMeldingVenster(&begrensd);
    }
    static bool MeldingOpen() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FormMelding*>(w) && w->isVisible()) return true;
        return false;
    }
    QStringList Regels(const QString& pad) const {
        return platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    }
    static bool IsEindpunt(const QString& regel) {
        const QStringList velden = SplitsVelden(regel);
        return std::all_of(velden.begin() + 1, velden.end(), [](const QString& v) { return v.isEmpty(); });
    }
    // The next snapshot, with its number, `seconden` after the last.
    void VolgendeMeting(int seconden = 1) {
        TijdMeting += seconden / 86400.0;
        ++Opnamenummer;
        LogMeting(QString());
    }
    // The table takes the row at `tijd` (date, blank, time) as its next row.
    void NeemInTabel(const QString& tijd) {
        ++AantalMetingen;
        for (int r = 1; r <= 2; ++r)
            for (int16_t m = 1; m <= AantalModules; ++m) {
                if (!Racks[r].Modules[m].Present) continue;
                venster(r).ZetCelTekst(m, AantalMetingen, KolomDatum, tijd.section(QLatin1Char(' '), 0, 0));
                venster(r).ZetCelTekst(m, AantalMetingen, KolomTijd, tijd.section(QLatin1Char(' '), 1));
            }
    }

    // A turn of the event loop: the boxes that wait beside the run are shown and answered by `antwoord`
    // (none: as a box closed without a choice). A turn that asks about a full disk more than Beurtgrens
    // times has a wait that does not end by itself: it fails, `ruimte` ends the refusal and Retry is
    // pressed; a wait that goes on even then is broken off.
    static constexpr int Beurtgrens = 20;
    void Beurt(const std::function<int(const Vraag&)>& antwoord = {},
               const std::function<void()>& ruimte = {}) {
        int gevraagd = 0;
        const auto terug = qScopeGuard([this] { melding.beantwoord = nullptr; });
        melding.beantwoord = [&](const Vraag& v) {
            if ((v.stijl & 7) != vbRetryCancel || ++gevraagd <= Beurtgrens)
                return antwoord ? antwoord(v) : StandaardAntwoord(v.stijl);
            if (gevraagd == Beurtgrens + 1) {
                ADD_FAILURE() << "the question about the full disk came " << Beurtgrens
                              << " times in one turn and its wait does not end; the last:\n"
                              << v.tekst.toStdString();
                if (ruimte) ruimte();
            }
            if (gevraagd > 2 * Beurtgrens)
                throw std::runtime_error("the wait for the full disk does not end");
            return int(vbRetry);
        };
        klok().verstrijk(1);
    }

    // Logs rows until every file of `paden` is longer than the event log will be with `regels` more
    // lines that name a file: a size limit at the shortest of them then refuses their rows, never the
    // event log, however long the temporary folder's path is.
    void GroeiBovenLogboek(const QStringList& paden, int regels) {
        for (int s = 0; s < 10000; ++s) {
            qint64 kortste = INT64_MAX;
            qsizetype langste = 0;
            for (const QString& pad : paden) {
                kortste = std::min(kortste, QFileInfo(pad).size());
                langste = std::max(langste, pad.size());
            }
            const qint64 logboek = QFileInfo(Pad(LogboekBestandsnaam(platform::Nu()))).size();
            if (kortste > logboek + regels * (langste + 200)) return;
            VolgendeMeting();
        }
        FAIL() << "the logging files do not grow";
    }
    BegrensdeMeldingen begrensd{melding};
};

// Two files (one per rack) on a disk that stays full: together they keep what the bound allows, two rows
// each, and give up the rest. One box tells it; once there is room and Retry is pressed, each file gets
// its rows kept, then an end point, and the event log names the rows given up from when to when.
TEST_F(WachtendeRijenTest, RowsPastTheBoundOfAllFilesAreGivenUpWithABoxAnEndPointAndTheEventLog) {
    LogbestandAan = true;
    Gegevensbestand = Pad(QStringLiteral("#rack#.csv"));
    TijdMeting = platform::Nu();
    LogMeting(QString());
    const QStringList paden = LogBestanden(Gegevensbestand);
    ASSERT_EQ(paden.size(), 2);
    // The full disk is a size limit at the shorter file: it must leave room for the event log's lines.
    ASSERT_NO_FATAL_FAILURE(GroeiBovenLogboek(paden, 4));
    qsizetype rij[2] = {}, voor[2] = {};
    qint64 kleinste = INT64_MAX;
    for (int b = 0; b < 2; ++b) {
        const QStringList regels = Regels(paden[b]);
        ASSERT_GE(regels.size(), 2);
        voor[b] = regels.size();
        rij[b] = regels.last().size() + 2;
        kleinste = std::min<qint64>(kleinste, LeesBytes(paden[b]).size());
    }
    ZetWachtendGrens(2 * (rij[0] + rij[1]) + std::min(rij[0], rij[1]) / 2);

    std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(kleinste));
    std::vector<QString> tijden;
    for (int s = 0; s < 6; ++s) {
        VolgendeMeting();
        tijden.push_back(platform::DatumTijdTekst(TijdMeting));
    }
    EXPECT_TRUE(vragen.empty()) << "told inside a snapshot";
    Beurt(
        [&](const Vraag& v) {
            if ((v.stijl & 7) == vbRetryCancel) grens.reset();
            return (v.stijl & 7) == vbRetryCancel ? int(vbRetry) : int(vbOK);
        },
        [&] { grens.reset(); });
    ASSERT_FALSE(grens) << "the question about the full disk was not asked";

    // Both files give rows up in the snapshot that opens the spell: one box names the data file and how
    // many of its logging files give rows up; the event log names each.
    std::vector<QString> opgegeven;
    for (const Vraag& v : vragen)
        if (v.tekst.contains(QStringLiteral("from ") + tijden[2] + QStringLiteral(" on")))
            opgegeven.push_back(v.tekst);
    ASSERT_EQ(opgegeven.size(), 1u) << "one box for the spell, whichever file gives rows up";
    EXPECT_EQ(opgegeven[0], Gegevensbestand +
                                QStringLiteral("\r\n\r\nThe disk cannot take the rows of 2 logging files "
                                               "of this data file and the memory that keeps them is "
                                               "full: rows are given up from ") +
                                tijden[2] + QStringLiteral(" on, until the files can be written again."));
    for (int b = 0; b < 2; ++b) {
        const QStringList regels = Regels(paden[b]);
        // The header and the rows before the disk filled, the two rows kept, the end point of the break.
        ASSERT_EQ(regels.size(), voor[b] + 3) << regels.join(QStringLiteral("\n")).toStdString();
        EXPECT_EQ(SplitsVelden(regels[voor[b]]).value(0), tijden[0]);
        EXPECT_EQ(SplitsVelden(regels[voor[b] + 1]).value(0), tijden[1]);
        EXPECT_TRUE(IsEindpunt(regels[voor[b] + 2])) << regels[voor[b] + 2].left(60).toStdString();
        EXPECT_EQ(SplitsVelden(regels[voor[b] + 2]).value(0), tijden[2]);
    }
    // The next row follows the end point. The snapshots of the rows given up are known as such in each
    // file, those of the rows kept are not; the end point is known as a line of no row, after the last row
    // kept.
    VolgendeMeting();
    EXPECT_EQ(Regels(paden[0]).size(), voor[0] + 4);
    for (const QString& pad : paden) {
        for (uint64_t o = Opnamenummer - 7; o <= Opnamenummer; ++o)
            EXPECT_EQ(RegelspoorVan(pad).Ontbreekt(o), o >= Opnamenummer - 4 && o < Opnamenummer)
                << "snapshot " << o;
        const std::vector<LosseRegel> losse = RegelspoorVan(pad).losse;
        ASSERT_EQ(losse.size(), 1u);
        EXPECT_EQ(losse[0].tijd, tijden[2]);
        EXPECT_EQ(losse[0].na, Opnamenummer - 5);
    }

    const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
    for (const QString& pad : paden) {
        const QString spel =
            pad + QStringLiteral(": rows are given up from ") + tijden[2] + QStringLiteral(" on");
        EXPECT_TRUE(logboek.contains(spel)) << spel.toStdString() << "\nin\n" << logboek.toStdString();
        const QString verwacht = pad + QStringLiteral(": 4 rows not written, from ") + tijden[2] +
                                 QStringLiteral(" to ") + tijden[5];
        EXPECT_TRUE(logboek.contains(verwacht)) << verwacht.toStdString() << "\nin\n"
                                                << logboek.toStdString();
    }
}

// The full-disk question names the file whose rows its answer acts on. Rows wait for a file the run has
// left in one folder (the data file was renamed to a file per rack in another) and for the new files:
// the first box names the old file, and its Cancel gives up only the rows of that folder; the new files
// get a box of their own, whose Retry, once there is room, writes every row they waited for.
TEST_F(WachtendeRijenTest, CancelGivesUpOnlyTheRowsOfTheFolderItsBoxNamesAndTheOthersAreAskedAboutByName) {
    LogbestandAan = true;
    ASSERT_TRUE(QDir().mkpath(Pad(QStringLiteral("a"))));
    ASSERT_TRUE(QDir().mkpath(Pad(QStringLiteral("b"))));
    const QString oud = Pad(QStringLiteral("a/run.csv"));
    Gegevensbestand = oud;
    TijdMeting = platform::Nu();
    LogMeting(QString());
    std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(LeesBytes(oud).size()));
    VolgendeMeting();
    VolgendeMeting();
    Gegevensbestand = Pad(QStringLiteral("b/#rack#.csv"));
    const QStringList nieuw = LogBestanden(Gegevensbestand);
    ASSERT_EQ(nieuw.size(), 2);
    std::vector<QString> tijden;
    for (int s = 0; s < 6; ++s) {
        VolgendeMeting();
        tijden.push_back(platform::DatumTijdTekst(TijdMeting));
    }
    ASSERT_EQ(Regels(oud).size(), 2);
    ASSERT_LT(Regels(nieuw[0]).size(), 7) << "the new files must refuse rows too";

    // A Cancel that gives up nothing would ask about the old file again and again: the turn ends that.
    Beurt(
        [&](const Vraag& v) {
            if ((v.stijl & 7) != vbRetryCancel) return int(vbOK);
            if (v.tekst.startsWith(oud)) return int(vbCancel);
            grens.reset();
            return int(vbRetry);
        },
        [&] { grens.reset(); });
    std::vector<QString> vragenOverVol;
    for (const Vraag& v : vragen)
        if ((v.stijl & 7) == vbRetryCancel) vragenOverVol.push_back(v.tekst);
    ASSERT_EQ(vragenOverVol.size(), 2u);
    EXPECT_TRUE(vragenOverVol[0].startsWith(oud + QStringLiteral("\r\n"))) << vragenOverVol[0].toStdString();
    EXPECT_TRUE(vragenOverVol[1].startsWith(QFileInfo(nieuw[0]).absolutePath()))
        << vragenOverVol[1].toStdString();
    EXPECT_FALSE(grens) << "the new files were not asked about";

    EXPECT_EQ(Regels(oud).size(), 2) << "rows given up reached the old file";
    const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
    EXPECT_TRUE(logboek.contains(oud + QStringLiteral(": 2 rows not written"))) << logboek.toStdString();
    for (const QString& pad : nieuw) {
        EXPECT_FALSE(logboek.contains(pad + QStringLiteral(": "))) << logboek.toStdString();
        const QStringList regels = Regels(pad);
        ASSERT_EQ(regels.size(), 7) << pad.toStdString() << "\n"
                                    << regels.join(QStringLiteral("\n")).toStdString();
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(SplitsVelden(regels[s + 1]).value(0), tijden[static_cast<size_t>(s)]);
    }
}

// Cancel gives the waiting rows up with a word: the event log names them, and the file's next row comes
// after an end point at the break. That end point follows the row written before the break, also when
// both are of one second: an edit of that row reaches its own line.
TEST_F(WachtendeRijenTest, RowsGivenUpByCancelAreNamedInTheEventLogAndTheNextRowFollowsAnEndPoint) {
    LogbestandAan = true;
    Gegevensbestand = Pad(QStringLiteral("run.csv"));
    TijdMeting = platform::Nu();
    VolgendeMeting();
    const uint64_t eerste = Opnamenummer;
    std::vector<QString> tijden;
    {
        std::optional<Bestandsgrens> grens(std::in_place,
                                           static_cast<rlim_t>(LeesBytes(Gegevensbestand).size()));
        // The first row given up shares its second with the row written before it.
        for (int s = 0; s < 2; ++s) {
            VolgendeMeting(s);
            tijden.push_back(platform::DatumTijdTekst(TijdMeting));
        }
        EXPECT_FALSE(RegelspoorVan(Gegevensbestand).Ontbreekt(Opnamenummer)) << "a row that waits";
        Beurt({}, [&] { grens.reset(); });
        ASSERT_EQ(vragen.size(), 1u);
    }
    EXPECT_TRUE(RegelspoorVan(Gegevensbestand).Ontbreekt(Opnamenummer - 1) &&
                RegelspoorVan(Gegevensbestand).Ontbreekt(Opnamenummer));
    EXPECT_TRUE(RegelspoorVan(Gegevensbestand).losse.empty()) << "no end point before a row follows";
    VolgendeMeting();
    EXPECT_FALSE(RegelspoorVan(Gegevensbestand).Ontbreekt(Opnamenummer));
    EXPECT_FALSE(RegelspoorVan(Gegevensbestand).Ontbreekt(eerste));
    // The end point of the break lies after the row written before the rows given up.
    const std::vector<LosseRegel> losse = RegelspoorVan(Gegevensbestand).losse;
    ASSERT_EQ(losse.size(), 1u);
    EXPECT_EQ(losse[0].tijd, tijden[0]);
    EXPECT_EQ(losse[0].na, eerste);
    const QStringList regels = Regels(Gegevensbestand);
    ASSERT_EQ(regels.size(), 4) << regels.join(QStringLiteral("\n")).toStdString();
    EXPECT_TRUE(IsEindpunt(regels[2]));
    EXPECT_EQ(SplitsVelden(regels[2]).value(0), tijden[0]);
    EXPECT_EQ(SplitsVelden(regels[2]).size(), SplitsVelden(regels[3]).size());
    EXPECT_FALSE(IsEindpunt(regels[3]));
    const QString verwacht = Gegevensbestand + QStringLiteral(": 2 rows not written, from ") + tijden[0] +
                             QStringLiteral(" to ") + tijden[1];
    EXPECT_TRUE(platform::VanWindows1252(LeesBytes(LogboekPad)).contains(verwacht)) << verwacht.toStdString();

    // The table holds the four rows: an info text on the row before the break goes into its own line and
    // into the end point of its second, not into the row after.
    for (const QString& tijd : {tijden[0], tijden[0], tijden[1], platform::DatumTijdTekst(TijdMeting)})
        NeemInTabel(tijd);
    venster(1).Indelingen().Zet(1, 4, GeschrevenTabelmodules(), eerste);
    ASSERT_TRUE(SchrijfInfo(1, 1, 1, QStringLiteral("before the break")));
    const QStringList bewerkt = Regels(Gegevensbestand + QStringLiteral(".new"));
    ASSERT_EQ(bewerkt.size(), 4);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(bewerkt[i].contains(QStringLiteral("before the break")), i < 3)
            << "whether line " << i + 1 << " took the text";
}

// What the run knows of the lines a file never got: the end point of a run whose file is gone, or whose
// header was edited behind the program, is not written and its row has no line; once the logging makes a
// removed file anew, no row before (nor a row read from a file) has a line in it. A file whose lines are
// the tables' rows again (a load) knows nothing of it.
TEST_F(WachtendeRijenTest, RowsWhoseLinesAFileNeverGotOrLostAreKnown) {
    Gegevensbestand = Pad(QStringLiteral("run.csv"));
    const QString pad = Gegevensbestand;
    TijdMeting = platform::Nu();
    VolgendeMeting();
    VolgendeMeting();
    const uint64_t voorWeg = Opnamenummer;
    ASSERT_TRUE(QFile::remove(pad));
    TijdMeting += 1.0 / 86400.0;
    ++Opnamenummer;
    LogMeting(QStringLiteral("Stop"));
    EXPECT_FALSE(QFile::exists(pad)) << "an end point alone made the file again";
    EXPECT_TRUE(RegelspoorVan(pad).Ontbreekt(Opnamenummer)) << "the end point not written";
    EXPECT_FALSE(RegelspoorVan(pad).Ontbreekt(voorWeg)) << "before the file is made anew";
    VolgendeMeting();
    ASSERT_EQ(Regels(pad).size(), 2) << "the file made anew: its header and the row";
    const uint64_t nieuw = Opnamenummer;
    for (const uint64_t o : {uint64_t{0}, voorWeg - 1, voorWeg, nieuw - 1})
        EXPECT_TRUE(RegelspoorVan(pad).Ontbreekt(o)) << "snapshot " << o;
    EXPECT_FALSE(RegelspoorVan(pad).Ontbreekt(nieuw));
    EXPECT_TRUE(RegelspoorVan(pad).losse.empty());

    // Another program edits the header in place: the end of the run writes no end point there.
    VolgendeMeting();
    QByteArray bytes = LeesBytes(pad);
    bytes.replace("Value R1M", "Value R9M");
    SchrijfBytes(pad, bytes);
    TijdMeting += 1.0 / 86400.0;
    ++Opnamenummer;
    LogMeting(QStringLiteral("Stop"));
    EXPECT_TRUE(LeesBytes(pad) == bytes) << "the file of another header changed";
    EXPECT_TRUE(RegelspoorVan(pad).Ontbreekt(Opnamenummer));
    EXPECT_FALSE(RegelspoorVan(pad).Ontbreekt(Opnamenummer - 1));

    RegelsZijnRijen(pad);
    for (const uint64_t o : {uint64_t{0}, voorWeg, Opnamenummer})
        EXPECT_FALSE(RegelspoorVan(pad).Ontbreekt(o)) << "snapshot " << o;

    // A run whose racks change under it ends with an end point of its own layout: the line of its end's
    // row. Given up past the bound, that row has no line.
    Gegevensbestand = Pad(QStringLiteral("other.csv"));
    VolgendeMeting();
    VolgendeMeting();
    int16_t module = 1;
    while (module < AantalModules && !Racks[1].Modules[module].Present)
        ++module;
    ASSERT_TRUE(Racks[1].Modules[module].Present);
    Racks[1].Modules[module].Present = false;
    ZetWachtendGrens(0);
    {
        Bestandsgrens grens(static_cast<rlim_t>(LeesBytes(Gegevensbestand).size()));
        TijdMeting += 1.0 / 86400.0;
        ++Opnamenummer;
        LogMeting(QStringLiteral("Stop"));
    }
    EXPECT_TRUE(RegelspoorVan(Gegevensbestand).Ontbreekt(Opnamenummer)) << "the end point given up";
    EXPECT_FALSE(RegelspoorVan(Gegevensbestand).Ontbreekt(Opnamenummer - 1));
    EXPECT_EQ(Regels(Gegevensbestand).size(), 3);
}

// A disk that fills up, gets room and fills up again: Retry, Cancel, Retry. Each spell starts with all
// it may keep: two rows wait, the rest is given up from the third on, and that spell tells it once, with
// its own box and its own event-log line of the rows given up.
TEST_F(WachtendeRijenTest, EverySpellOfAFullDiskKeepsWhatTheBoundAllowsAndTellsItsOwnGivingUpOnce) {
    LogbestandAan = true;
    Gegevensbestand = Pad(QStringLiteral("run.csv"));
    TijdMeting = platform::Nu();
    LogMeting(QString());
    const QStringList begin = Regels(Gegevensbestand);
    ASSERT_EQ(begin.size(), 2);
    const qsizetype rij = begin[1].size() + 2;
    ZetWachtendGrens(2 * rij + rij / 2);

    for (const bool opnieuw : {true, false, true}) {
        SCOPED_TRACE(opnieuw ? "Retry" : "Cancel");
        const qsizetype voor = Regels(Gegevensbestand).size();
        vragen.clear();
        std::optional<Bestandsgrens> grens(std::in_place,
                                           static_cast<rlim_t>(LeesBytes(Gegevensbestand).size()));
        std::vector<QString> tijden;
        for (int s = 0; s < 5; ++s) {
            VolgendeMeting();
            tijden.push_back(platform::DatumTijdTekst(TijdMeting));
        }
        Beurt(
            [&](const Vraag& v) {
                if ((v.stijl & 7) != vbRetryCancel) return int(vbOK);
                if (!opnieuw) return int(vbCancel);
                grens.reset();
                return int(vbRetry);
            },
            [&] { grens.reset(); });
        grens.reset();
        // The first row with room.
        VolgendeMeting();

        EXPECT_EQ(std::count_if(vragen.begin(), vragen.end(),
                                [](const Vraag& v) { return (v.stijl & 7) == vbRetryCancel; }),
                  1);
        QStringList opgegeven;
        for (const Vraag& v : vragen)
            if (v.tekst.contains(QStringLiteral("rows are given up from"))) opgegeven << v.tekst;
        ASSERT_EQ(opgegeven.size(), 1) << "one box for the spell";
        EXPECT_TRUE(opgegeven[0].contains(QStringLiteral("from ") + tijden[2] + QStringLiteral(" on")))
            << opgegeven[0].toStdString();

        const QStringList nieuw = Regels(Gegevensbestand).mid(voor);
        if (opnieuw) {
            // The two rows kept, the end point of the break, the row with room.
            ASSERT_EQ(nieuw.size(), 4) << nieuw.join(QStringLiteral("\n")).toStdString();
            for (int i = 0; i < 2; ++i) {
                EXPECT_EQ(SplitsVelden(nieuw[i]).value(0), tijden[static_cast<size_t>(i)]);
                EXPECT_FALSE(IsEindpunt(nieuw[i]));
            }
            EXPECT_TRUE(IsEindpunt(nieuw[2]));
            EXPECT_EQ(SplitsVelden(nieuw[2]).value(0), tijden[2]);
        } else {
            // The end point at the first row given up, the row with room.
            ASSERT_EQ(nieuw.size(), 2) << nieuw.join(QStringLiteral("\n")).toStdString();
            EXPECT_TRUE(IsEindpunt(nieuw[0]));
            EXPECT_EQ(SplitsVelden(nieuw[0]).value(0), tijden[0]);
        }
        EXPECT_FALSE(IsEindpunt(nieuw.back()));

        const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
        const QString verloren = Gegevensbestand +
                                 (opnieuw ? QStringLiteral(": 3 rows not written, from ") + tijden[2]
                                          : QStringLiteral(": 5 rows not written, from ") + tijden[0]) +
                                 QStringLiteral(" to ") + tijden[4];
        EXPECT_EQ(logboek.count(verloren), 1) << verloren.toStdString() << "\nin\n" << logboek.toStdString();
    }
}

// The end point of a break goes only before a row. Rows given up by Cancel and then the run's end point:
// that end point alone follows the last row written, and the next run's first row follows it. Rows given
// up and then taken again: one end point between them. No two end points ever stand together.
TEST_F(WachtendeRijenTest, TheEndPointOfABreakStandsOnlyBeforeARow) {
    LogbestandAan = true;
    Gegevensbestand = Pad(QStringLiteral("run.csv"));
    TijdMeting = platform::Nu();
    LogMeting(QString());
    // Two rows the full disk refuses are given up by Cancel; the time of the first.
    const auto geefOp = [&] {
        std::optional<Bestandsgrens> grens(std::in_place,
                                           static_cast<rlim_t>(LeesBytes(Gegevensbestand).size()));
        VolgendeMeting();
        const QString eerste = platform::DatumTijdTekst(TijdMeting);
        VolgendeMeting();
        vragen.clear();
        Beurt({}, [&] { grens.reset(); });
        EXPECT_EQ(vragen.size(), 1u);
        return eerste;
    };
    const auto stop = [&] {
        TijdMeting += 1.0 / 86400.0;
        LogMeting(QStringLiteral("Stop"));
        return platform::DatumTijdTekst(TijdMeting);
    };

    geefOp();
    const QString eersteStop = stop();
    QStringList regels = Regels(Gegevensbestand);
    ASSERT_EQ(regels.size(), 3) << regels.join(QStringLiteral("\n")).toStdString();
    EXPECT_TRUE(IsEindpunt(regels[2]));
    EXPECT_EQ(SplitsVelden(regels[2]).value(0), eersteStop);
    VolgendeMeting();
    regels = Regels(Gegevensbestand);
    ASSERT_EQ(regels.size(), 4) << regels.join(QStringLiteral("\n")).toStdString();
    EXPECT_FALSE(IsEindpunt(regels[3]));

    const QString breuk = geefOp();
    VolgendeMeting();
    const QString tweedeStop = stop();
    regels = Regels(Gegevensbestand);
    // The header, a row, the end point, a row, the end point of the break, a row, the end point.
    ASSERT_EQ(regels.size(), 7) << regels.join(QStringLiteral("\n")).toStdString();
    EXPECT_TRUE(IsEindpunt(regels[4]));
    EXPECT_EQ(SplitsVelden(regels[4]).value(0), breuk);
    EXPECT_FALSE(IsEindpunt(regels[5]));
    EXPECT_TRUE(IsEindpunt(regels[6]));
    EXPECT_EQ(SplitsVelden(regels[6]).value(0), tweedeStop);
    for (qsizetype i = 2; i < regels.size(); ++i)
        EXPECT_FALSE(IsEindpunt(regels[i - 1]) && IsEindpunt(regels[i])) << "two end points at line " << i;
}

// What goes before rows that waited is decided when they reach the file, from the file as it stands
// then. A folder that goes away and comes back (a removable disk) gets its rows under its one header; a
// file that comes back holding another layout gets none of them: the run goes on under the next free
// name, whose file takes its header, the rows that waited, then the current row; rows that wait for that
// name already go first.
TEST_F(WachtendeRijenTest, RowsThatWaitedGoUnderTheHeaderTheFileHasWhenTheyReachIt) {
    const QString usb = Pad(QStringLiteral("Usb"));
    const QString weg = Pad(QStringLiteral("Usb.away"));
    ASSERT_TRUE(QDir().mkpath(usb));
    Gegevensbestand = usb + QStringLiteral("/run.csv");
    TijdMeting = platform::Nu();
    // The snapshot of tijden[i] is vooraf + 1 + i.
    const uint64_t vooraf = Opnamenummer;
    std::vector<QString> tijden;
    const auto meet = [&] {
        VolgendeMeting();
        tijden.push_back(platform::DatumTijdTekst(TijdMeting));
    };
    meet();
    ASSERT_TRUE(QDir().rename(usb, weg));
    meet();
    meet();
    Beurt();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.contains(usb)) << vragen[0].tekst.toStdString();
    ASSERT_TRUE(QDir().rename(weg, usb));
    meet();
    const QStringList regels = Regels(Gegevensbestand);
    ASSERT_EQ(regels.size(), 5) << regels.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(SplitsVelden(regels[0]).value(0), QStringLiteral("Time"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(SplitsVelden(regels[i + 1]).value(0), tijden[i]) << "row " << i;
    EXPECT_TRUE(SchrijfWachtendeRegels());

    // Away again; what comes back holds another layout.
    ASSERT_TRUE(QDir().rename(usb, weg));
    meet();
    meet();
    ASSERT_TRUE(QDir().mkpath(usb));
    const QByteArray ander = "\"Time\",\"Other\"\r\n\"05/01/2026 09:00:00\",\"1\"\r\n";
    ASSERT_TRUE(platform::SchrijfBestandVeilig(usb + QStringLiteral("/run.csv"), ander));
    meet();
    EXPECT_EQ(LeesBytes(usb + QStringLiteral("/run.csv")), ander) << "rows went under another layout";
    EXPECT_EQ(Gegevensbestand, usb + QStringLiteral("/run_2.csv"));
    const QStringList verder = Regels(Gegevensbestand);
    ASSERT_EQ(verder.size(), 4) << verder.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(verder[0], regels[0]);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(SplitsVelden(verder[i + 1]).value(0), tijden[i + 4]) << "row " << i;
        EXPECT_FALSE(IsEindpunt(verder[i + 1]));
    }
    // The rows logged into run.csv have no line in run_2.csv; those that waited for it have.
    for (uint64_t o = vooraf + 1; o <= Opnamenummer; ++o)
        EXPECT_EQ(RegelspoorVan(Gegevensbestand).Ontbreekt(o), o <= vooraf + 4) << "snapshot " << o;

    // Away once more, now with rows waiting for both names: the run in "run_2.csv" ends (its end point
    // waits too) and the user starts logging into "run.csv" again. The disk that comes back holds
    // "run.csv" of another layout and no "run_2.csv": the rows of "run.csv" go on under "run_2.csv",
    // after those that waited for that name, every row once and in the order taken.
    const QString naam2 = Gegevensbestand;
    ASSERT_TRUE(QDir().rename(usb, Pad(QStringLiteral("Usb.gone"))));
    const std::size_t eersteWachtend = tijden.size();
    meet();
    meet();
    TijdMeting += 1.0 / 86400.0;
    LogMeting(QStringLiteral("Stop"));
    const QString stop = platform::DatumTijdTekst(TijdMeting);
    Gegevensbestand = usb + QStringLiteral("/run.csv");
    meet();
    meet();
    ASSERT_TRUE(QDir().mkpath(usb));
    ASSERT_TRUE(platform::SchrijfBestandVeilig(usb + QStringLiteral("/run.csv"), ander));
    meet();
    EXPECT_EQ(LeesBytes(usb + QStringLiteral("/run.csv")), ander) << "rows went under another layout";
    EXPECT_EQ(Gegevensbestand, naam2);
    const QStringList samen = Regels(naam2);
    // The header, two rows and the end point of the ended run, then the two rows of "run.csv" and the
    // row of the snapshot.
    ASSERT_EQ(samen.size(), 7) << samen.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(samen[0], regels[0]);
    const QStringList tijdenSamen = {
        tijden[eersteWachtend],     tijden[eersteWachtend + 1], stop,
        tijden[eersteWachtend + 2], tijden[eersteWachtend + 3], tijden[eersteWachtend + 4]};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(SplitsVelden(samen[i + 1]).value(0), tijdenSamen[i]) << "row " << i;
        EXPECT_EQ(IsEindpunt(samen[i + 1]), i == 2) << "row " << i;
        EXPECT_EQ(SplitsVelden(samen[i + 1]).size(), SplitsVelden(samen[1]).size()) << "row " << i;
    }
    EXPECT_TRUE(SchrijfWachtendeRegels());

    // Once more, and the rows that go on under "run_2.csv" are given up (Cancel) while its disk refuses
    // them: none has a line there, those that waited for "run.csv" neither.
    ASSERT_TRUE(QDir().rename(usb, Pad(QStringLiteral("Usb.lost"))));
    const uint64_t verloren = Opnamenummer + 1;
    meet();
    Gegevensbestand = usb + QStringLiteral("/run.csv");
    meet();
    ASSERT_TRUE(QDir().mkpath(usb));
    ASSERT_TRUE(platform::SchrijfBestandVeilig(usb + QStringLiteral("/run.csv"), ander));
    {
        Bestandsgrens grens(static_cast<rlim_t>(ander.size()));
        meet();
        EXPECT_EQ(Gegevensbestand, naam2);
        Beurt();
    }
    for (uint64_t o = verloren; o <= Opnamenummer; ++o)
        EXPECT_TRUE(RegelspoorVan(naam2).Ontbreekt(o)) << "snapshot " << o << ", given up, has a line";
}

// Rows that wait in more than one piece of memory (some tens of kilobytes each) reach the file whole or
// not at all. A file that takes the first piece and half the next gets none of them: it stays as it was,
// at a snapshot and at each Retry of the box. Once it takes rows again, every row is there once, whole
// and in the order taken, under the one header.
TEST_F(WachtendeRijenTest, RowsWaitingInSeveralPiecesReachTheFileWholeAndInOrderOrNotAtAll) {
    Gegevensbestand = Pad(QStringLiteral("run.csv"));
    TijdMeting = platform::Nu();
    std::vector<QString> tijden;
    const auto meet = [&] {
        VolgendeMeting();
        tijden.push_back(platform::DatumTijdTekst(TijdMeting));
    };
    meet();
    const QByteArray begin = LeesBytes(Gegevensbestand);
    const QStringList beginRegels = Regels(Gegevensbestand);
    ASSERT_EQ(beginRegels.size(), 2);
    const qint64 rij = platform::NaarWindows1252(beginRegels[1]).size() + 2;
    // A piece of what waits holds at most this many bytes; more than two pieces wait.
    constexpr qint64 Stuk = 60 * 1024;
    std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(begin.size()));
    while (static_cast<qint64>(tijden.size() - 1) * rij < 2 * Stuk + 4 * rij)
        meet();
    EXPECT_EQ(LeesBytes(Gegevensbestand), begin);
    // Room for the first piece and half of the second.
    grens.reset();
    grens.emplace(static_cast<rlim_t>(begin.size() + Stuk + Stuk / 2));
    meet();
    EXPECT_EQ(LeesBytes(Gegevensbestand), begin) << "a snapshot wrote a part of the waiting rows";
    int gevraagd = 0;
    Beurt(
        [&](const Vraag& v) {
            if ((v.stijl & 7) != vbRetryCancel) return int(vbOK);
            EXPECT_TRUE(v.tekst.startsWith(Gegevensbestand)) << v.tekst.toStdString();
            EXPECT_EQ(LeesBytes(Gegevensbestand), begin) << "Retry wrote a part of the waiting rows";
            // Retry once more while the file still refuses, then with room.
            if (++gevraagd == 2) grens.reset();
            return int(vbRetry);
        },
        [&] { grens.reset(); });
    EXPECT_EQ(gevraagd, 2);
    meet();
    const QStringList regels = Regels(Gegevensbestand);
    ASSERT_EQ(regels.size(), static_cast<qsizetype>(tijden.size()) + 1);
    EXPECT_EQ(regels[0], beginRegels[0]);
    for (std::size_t i = 0; i < tijden.size(); ++i) {
        const QString& regel = regels[static_cast<qsizetype>(i) + 1];
        ASSERT_EQ(SplitsVelden(regel).value(0), tijden[i]) << "row " << i;
        ASSERT_EQ(regel.size(), beginRegels[1].size()) << "row " << i << " is not whole";
    }
    EXPECT_EQ(LeesBytes(Gegevensbestand).size(), begin.size() + static_cast<qint64>(tijden.size() - 1) * rij);
}

// Save As of the data file `b/run.csv` over `a/run.csv`, a file the run left, while rows wait for both
// (their disk refused). `b` took `rijenVoor` rows before the run went to `a`, and `rijenNa` after it came
// back, before its disk refused. Afterwards `a` holds the rows of `b` and every row taken since its
// former content (now its backup), each once, in the order taken, and nothing is added to `b`.
// `uitTabel`: the table holds the rows of `b`, whose file is gone from the disk when Save As begins, so
// that the new file is written from the table rather than copied; a first Save As on a disk that takes
// the table but not the rows that wait as well fails with a word and leaves them waiting.
// `herhaling`: the Save As that follows fails on that disk too, as the rows that wait do not fit into
// the new content; while its box waits the disk has room again and Retry writes the table and those rows
// (`Meteen`), or a snapshot first writes the rows that waited into `a` (`NaSnapshot`): Retry then
// replaces `a` with the table, and the backup holds `a` as it stood right before, with those rows.
enum class Herhaling { Geen, Meteen, NaSnapshot };
void SlaOpOverWachtendBestand(WachtendeRijenTest& t, int rijenVoor, int rijenNa, bool uitTabel,
                              Herhaling herhaling = Herhaling::Geen) {
    const bool naBox = herhaling == Herhaling::NaSnapshot;
    SCOPED_TRACE(
        testing::Message() << "the data file took " << rijenVoor << " rows before the left file's and "
                           << rijenNa << " after them; the new file written from "
                           << (uitTabel ? "the table" : "a copy")
                           << (naBox ? " at a Retry, after a snapshot wrote the rows"
                               : herhaling == Herhaling::Meteen ? " at a Retry, with the rows that wait"
                                                                : ""));
    const QString map = QStringLiteral("%1-%2%3/")
                            .arg(rijenVoor)
                            .arg(rijenNa)
                            .arg(!uitTabel                        ? QString()
                                 : naBox                          ? QStringLiteral("-r")
                                 : herhaling == Herhaling::Meteen ? QStringLiteral("-m")
                                                                  : QStringLiteral("-t"));
    ASSERT_TRUE(QDir().mkpath(t.Pad(map + QStringLiteral("a"))));
    ASSERT_TRUE(QDir().mkpath(t.Pad(map + QStringLiteral("b"))));
    const QString oud = t.Pad(map + QStringLiteral("a/run.csv"));
    const QString nieuw = t.Pad(map + QStringLiteral("b/run.csv"));
    TijdMeting = platform::Nu();
    // The times of the rows `a` is to hold, in the order taken.
    QStringList verwacht;
    AantalMetingen = 0;
    const auto meet = [&](int n, bool inA) {
        for (int k = 0; k < n; ++k) {
            t.VolgendeMeting();
            const QString tijd = platform::DatumTijdTekst(TijdMeting);
            if (inA) verwacht << tijd;
            // The table takes the rows of `b` as they come.
            if (uitTabel && Gegevensbestand == nieuw) t.NeemInTabel(tijd);
        }
    };
    Gegevensbestand = nieuw;
    meet(rijenVoor, true);
    Gegevensbestand = oud;
    const int vooraf = std::max(1, rijenVoor + rijenNa);
    meet(vooraf, false);
    const QByteArray begin = LeesBytes(oud);
    // Where the rows that wait for `a` are among those it is to hold.
    qsizetype wachtVan = 0;
    // A file size that takes the table and the backup of `a` but not the rows that wait for `a` as well.
    qint64 ruimte = 0;
    {
        // No file grows past this: `a` takes no row, `b` (rows of the same length) `rijenNa` more.
        Bestandsgrens grens(static_cast<rlim_t>(rijenVoor + rijenNa > 0 ? begin.size() : begin.size() / 2));
        wachtVan = verwacht.size();
        meet(2, true);
        Gegevensbestand = nieuw;
        meet(rijenNa + 1, true);
    }
    ASSERT_EQ(LeesBytes(oud), begin);
    const QByteArray bijOpslaan = LeesBytes(nieuw);
    ASSERT_EQ(t.Regels(nieuw).size(), rijenVoor + rijenNa > 0 ? rijenVoor + rijenNa + 1 : 0);
    if (uitTabel) {
        ASSERT_TRUE(!QFileInfo::exists(nieuw) || QFile::remove(nieuw));
        // First on a disk that takes the table (and the backup of `a`) but not the rows that wait for `a`
        // as well: the Save As is told as a failure to write `a`, Cancel ends it, `a` stays as it was and
        // its rows keep waiting, to go in where they were taken at the next Save As.
        const QString maat = t.Pad(map + QStringLiteral("tabel.csv"));
        ASSERT_TRUE(SchrijfGegevensbestand(maat));
        const qint64 tabel = LeesBytes(maat).size(), rij = t.Regels(oud).last().size() + 2;
        ASSERT_TRUE(QFile::remove(maat));
        ruimte = std::max<qint64>(tabel, begin.size()) + 1;
        ASSERT_LT(ruimte, tabel + 2 * rij)
            << "no file size takes the table and the backup of `a` but not the rows that wait";
        QString naam = Gegevensbestand;
        t.dialogen.bestanden = {oud};
        t.antwoorden = {vbYes, vbCancel};
        const std::size_t gevraagd = t.vragen.size();
        {
            Bestandsgrens grens(static_cast<rlim_t>(ruimte));
            EXPECT_FALSE(OpslaanAls(naam, false));
        }
        EXPECT_EQ(Gegevensbestand.toStdString(), nieuw.toStdString());
        EXPECT_EQ(LeesBytes(oud), begin);
        ASSERT_EQ(t.vragen.size(), gevraagd + 2) << "no box told that the file could not be written";
        EXPECT_TRUE(t.vragen.back().tekst.contains(Tekst[490])) << t.vragen.back().tekst.toStdString();
        EXPECT_TRUE(t.vragen.back().tekst.contains(oud)) << t.vragen.back().tekst.toStdString();
    }
    QString naam = Gegevensbestand;
    t.dialogen.bestanden = {oud};
    t.antwoorden = {vbYes};
    std::optional<Bestandsgrens> grens;
    // The rows that waited for `a`, as a snapshot wrote them while the box waited.
    QByteArray geschreven;
    bool opnieuw = false;
    if (herhaling != Herhaling::Geen) {
        grens.emplace(static_cast<rlim_t>(ruimte));
        t.melding.beantwoord = [&](const Vraag& v) {
            if (!v.tekst.contains(Tekst[490]) || !grens) return StandaardAntwoord(v.stijl);
            grens.reset();
            opnieuw = true;
            if (naBox) {
                meet(1, true);
                geschreven = LeesBytes(oud);
            }
            return int(vbRetry);
        };
    }
    const bool opgeslagen = OpslaanAls(naam, false);
    t.melding.beantwoord = nullptr;
    grens.reset();
    ASSERT_TRUE(opgeslagen);
    ASSERT_EQ(Gegevensbestand, oud);
    if (herhaling != Herhaling::Geen) {
        ASSERT_TRUE(opnieuw) << "no box about the failed write of `a` came";
    }
    meet(1, true);
    if (naBox) {
        // They are in the backup, with `a` as it stood right before the table replaced it, and not again
        // in the new `a`.
        ASSERT_FALSE(geschreven.isEmpty()) << "no box about the failed write of `a` came";
        ASSERT_TRUE(geschreven.startsWith(begin));
        const QStringList backup = t.Regels(BackupNaam(oud));
        ASSERT_EQ(backup.size(), begin.count('\n') + 2)
            << "the rows written into `a` while the box waited are not in its backup";
        EXPECT_EQ(LeesBytes(BackupNaam(oud)), geschreven);
        for (qsizetype i = 0; i < 2; ++i)
            EXPECT_EQ(SplitsVelden(backup[backup.size() - 2 + i]).value(0), verwacht[wachtVan + i]);
        verwacht.remove(wachtVan, 2);
    } else {
        EXPECT_EQ(LeesBytes(BackupNaam(oud)), begin);
    }
    // Nothing is added to `b` (but for a snapshot while the box waited, as the data file).
    if (uitTabel && !naBox) {
        EXPECT_FALSE(QFileInfo::exists(nieuw));
    } else if (!uitTabel) {
        EXPECT_EQ(LeesBytes(nieuw), bijOpslaan);
    }
    const QStringList regels = t.Regels(oud);
    const std::string inhoud = regels.join(QStringLiteral("\n")).left(4000).toStdString();
    ASSERT_EQ(regels.size(), verwacht.size() + 1) << inhoud;
    // One header: the data file's, or the table's (which names the inputs as the table does).
    if (uitTabel) {
        EXPECT_TRUE(regels[0].startsWith(QStringLiteral("\"Time\","))) << inhoud;
    } else {
        EXPECT_EQ(regels[0], t.Regels(BackupNaam(oud)).value(0));
    }
    for (qsizetype i = 0; i < verwacht.size(); ++i) {
        EXPECT_EQ(SplitsVelden(regels[i + 1]).value(0).toStdString(), verwacht[i].toStdString())
            << "row " << i + 1 << " is not in the order taken:\n"
            << inhoud;
        EXPECT_FALSE(WachtendeRijenTest::IsEindpunt(regels[i + 1])) << "row " << i + 1;
    }
    EXPECT_TRUE(SchrijfWachtendeRegels());
}

// Save As of the data file `b/run.csv` onto `a/run.csv`, a file the run left whose rows wait: its folder
// was gone while the run logged into it, and is back, empty, when Save As begins. `b` took two rows
// before those of `a` and some after them. The new `a` is a copy of `b` with the rows that waited for
// `a` put in where they were taken.
// `Breuk`: the memory for waiting rows kept two of the rows of `a` and gave up the next two: the end
// point of that break follows the rows kept, before the rows `b` took after them.
// `LangeStaart`: `b` took so much after the rows of `a` (long info texts) that the copy from their time
// on is read in several blocks: every row comes whole, once, in the order taken.
// `AndereIndeling`: `b` was logged without rack 2, the rows of `a` with it: they do not go into the copy,
// which takes the name as it is, and keep waiting.
enum class VerlatenGeval { Breuk, LangeStaart, AndereIndeling };
void SlaOpOverVerlatenBestand(WachtendeRijenTest& t, VerlatenGeval geval) {
    const QString soort = geval == VerlatenGeval::Breuk         ? QStringLiteral("break")
                          : geval == VerlatenGeval::LangeStaart ? QStringLiteral("long-tail")
                                                                : QStringLiteral("other-layout");
    SCOPED_TRACE(soort.toStdString());
    LogbestandAan = true;
    const QString map = t.Pad(QStringLiteral("verlaten-") + soort);
    const QString oud = map + QStringLiteral("/a/run.csv");
    const QString data = map + QStringLiteral("/b/run.csv");
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("/b")));
    const bool anders = geval == VerlatenGeval::AndereIndeling;
    const auto rackTerug = qScopeGuard([] { Racks[2].Present = true; });
    TijdMeting = platform::Nu();
    const auto meet = [&](const QString& info = QString()) {
        TijdMeting += 1.0 / 86400.0;
        LogMeting(info);
        return platform::DatumTijdTekst(TijdMeting);
    };

    Racks[2].Present = !anders;
    Gegevensbestand = data;
    meet();
    meet();
    // The rows of `a`, which wait: its folder is not there.
    Racks[2].Present = true;
    Gegevensbestand = oud;
    QStringList wachtend;
    QString breuk;
    if (geval == VerlatenGeval::Breuk) {
        const qsizetype rij = t.Regels(data).last().size() + 2;
        ZetWachtendGrens(2 * rij + rij / 2);
        wachtend << meet() << meet();
        breuk = meet();
        meet();
    } else {
        wachtend << meet() << meet();
    }
    ASSERT_FALSE(QFileInfo::exists(oud));
    ASSERT_EQ(WachtendBestand(), oud);
    Racks[2].Present = !anders;
    Gegevensbestand = data;
    if (geval == VerlatenGeval::LangeStaart) {
        for (int s = 0; s < 30; ++s)
            meet(QString(4000, QLatin1Char(static_cast<char>('a' + s % 26))));
    } else {
        meet();
        meet();
    }
    const QStringList vanB = t.Regels(data);
    ASSERT_EQ(vanB.size(), geval == VerlatenGeval::LangeStaart ? 33 : 5);
    if (geval == VerlatenGeval::LangeStaart) {
        ASSERT_GT(LeesBytes(data).size() - vanB.mid(0, 3).join(QStringLiteral("\r\n")).size(),
                  (64 + 128) * 1024)
            << "the copy from the time of the rows of `a` on fits into two blocks";
    }
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("/a")));

    QString naam = data;
    t.dialogen.bestanden = {oud};
    ASSERT_TRUE(OpslaanAls(naam, false));
    ASSERT_EQ(Gegevensbestand, oud);
    ZetWachtendGrens(WachtendeRijen::StandaardGrens);
    if (anders) {
        EXPECT_TRUE(LeesBytes(oud) == LeesBytes(data))
            << "rows of another layout went into the file:\n"
            << t.Regels(oud).join(QStringLiteral("\n")).left(4000).toStdString();
        EXPECT_EQ(WachtendBestand().toStdString(), oud.toStdString())
            << "the rows of another layout do not wait any more";
        return;
    }
    // The header and rows of `b` before them, the rows of `a` (and the end point of the break), the rows
    // of `b` after them.
    const QStringList regels = t.Regels(oud);
    const std::string inhoud = regels.join(QStringLiteral("\n")).left(4000).toStdString();
    const qsizetype eigen = wachtend.size() + (breuk.isEmpty() ? 0 : 1);
    ASSERT_EQ(regels.size(), vanB.size() + eigen) << inhoud;
    EXPECT_EQ(regels.mid(0, 3), vanB.mid(0, 3)) << inhoud;
    for (qsizetype i = 0; i < wachtend.size(); ++i) {
        EXPECT_EQ(SplitsVelden(regels[3 + i]).value(0).toStdString(), wachtend[i].toStdString())
            << "row " << 3 + i << ":\n"
            << inhoud;
        EXPECT_FALSE(WachtendeRijenTest::IsEindpunt(regels[3 + i])) << "row " << 3 + i;
    }
    if (!breuk.isEmpty()) {
        const QString& eindpunt = regels[3 + wachtend.size()];
        EXPECT_TRUE(WachtendeRijenTest::IsEindpunt(eindpunt)) << "no end point where the break is:\n"
                                                              << inhoud;
        EXPECT_EQ(SplitsVelden(eindpunt).value(0).toStdString(), breuk.toStdString());
        EXPECT_EQ(SplitsVelden(eindpunt).size(), SplitsVelden(vanB[1]).size());
    }
    for (qsizetype i = 3; i < vanB.size(); ++i)
        ASSERT_TRUE(regels[i + eigen] == vanB[i])
            << "row " << i + eigen
            << " is not the row `b` took, whole: " << regels[i + eigen].left(80).toStdString();
    EXPECT_TRUE(SchrijfWachtendeRegels());
    const QString logboek =
        LogboekPad.isEmpty() ? QString() : platform::VanWindows1252(LeesBytes(LogboekPad));
    if (!breuk.isEmpty()) {
        const QString verloren = oud + QStringLiteral(": 2 rows not written, from ") + breuk;
        EXPECT_TRUE(logboek.contains(verloren)) << verloren.toStdString() << "\nin\n"
                                                << logboek.toStdString();
    } else {
        EXPECT_FALSE(logboek.contains(oud + QStringLiteral(": "))) << logboek.toStdString();
    }
}

// Save As of the data file `b/run.csv` onto `a/run.csv`, a file the run left whose rows wait, fails after
// those rows went into the copy: the disk cannot take the backup of `a` (it holds more than the copy). OK,
// and the second choice is `c/run.csv`, another file the run left, whose rows were taken after every row
// of `b`: the copy takes the name without them, and they still wait, as do the rows of `a`, which stays as
// it was. The next snapshot, with room, writes each file's rows once: none is missing.
void SlaOpNaMisluktePoging(WachtendeRijenTest& t) {
    SCOPED_TRACE("a failed try onto one file, then another file whose rows stay waiting");
    const QString map = t.Pad(QStringLiteral("tweede"));
    const QString a = map + QStringLiteral("/a"), c = map + QStringLiteral("/c");
    const QString oud = a + QStringLiteral("/run.csv"), derde = c + QStringLiteral("/run.csv");
    const QString data = map + QStringLiteral("/b/run.csv");
    ASSERT_TRUE(QDir().mkpath(a));
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("/b")));
    TijdMeting = platform::Nu();
    const auto meet = [&] {
        t.VolgendeMeting();
        return platform::DatumTijdTekst(TijdMeting);
    };
    // `a` holds many rows; two wait for it while its folder is away.
    Gegevensbestand = oud;
    for (int s = 0; s < 20; ++s)
        meet();
    const QByteArray vanA = LeesBytes(oud);
    ASSERT_TRUE(QDir().rename(a, a + QStringLiteral(".weg")));
    const QStringList wachtA = {meet(), meet()};
    Gegevensbestand = data;
    meet();
    meet();
    const QByteArray vanB = LeesBytes(data);
    // Two wait for `c`, whose folder is not there, after every row of `b`.
    Gegevensbestand = derde;
    const QStringList wachtC = {meet(), meet()};
    Gegevensbestand = data;
    ASSERT_TRUE(QDir().rename(a + QStringLiteral(".weg"), a));
    ASSERT_TRUE(QDir().mkpath(c));
    const qint64 rij = t.Regels(data).last().size() + 2;
    ASSERT_LT(vanB.size() + 3 * rij, vanA.size()) << "a disk that takes the copy takes the backup of `a`";

    QString naam = data;
    t.dialogen.bestanden = {oud, derde};
    t.antwoorden = {vbYes, vbOK};
    const std::size_t gevraagd = t.vragen.size();
    {
        Bestandsgrens grens(static_cast<rlim_t>(vanB.size() + 3 * rij));
        ASSERT_TRUE(OpslaanAls(naam, false));
    }
    ASSERT_EQ(Gegevensbestand, derde);
    ASSERT_EQ(t.vragen.size(), gevraagd + 2) << "the backup of `a` did not fail";
    EXPECT_TRUE(t.vragen.back().tekst.contains(BackupNaam(oud))) << t.vragen.back().tekst.toStdString();
    EXPECT_EQ(LeesBytes(oud), vanA);
    EXPECT_EQ(LeesBytes(derde), vanB);
    const QString volgende = meet();

    // Each file: its rows before, the rows that waited for it, and (`c`, the run's file now) the next row;
    // by their times, one a line.
    const auto tijden = [](const QByteArray& bytes) {
        QStringList t;
        for (const QString& regel : platform::SplitsRegels(platform::VanWindows1252(bytes)).mid(1))
            t << SplitsVelden(regel).value(0);
        return t;
    };
    const QStringList bijA = tijden(vanA) + wachtA, bijC = tijden(vanB) + wachtC + QStringList{volgende};
    EXPECT_EQ(tijden(LeesBytes(oud)).join(QLatin1Char('\n')).toStdString(),
              bijA.join(QLatin1Char('\n')).toStdString())
        << "the rows that waited for `a`";
    EXPECT_EQ(tijden(LeesBytes(derde)).join(QLatin1Char('\n')).toStdString(),
              bijC.join(QLatin1Char('\n')).toStdString())
        << "the rows that waited for `c`";
    EXPECT_TRUE(SchrijfWachtendeRegels());
}

// Save As of the data file, a template that names the day, onto the day's file, Yes to overwrite: the
// day's last rows wait (its disk refused them, and has room again before the next snapshot). The new file
// is written from the table, which holds those rows already: every row is in the file once, in the order
// taken, their wait ends, and none is told as not written. `behouden` (0 or more): the memory for waiting
// rows kept only so many of the rows the disk refused and gave up the rest, which the table holds too:
// the new file has no end point of a break either, and the next row follows.
void SlaOpOverDagbestand(WachtendeRijenTest& t, int behouden = -1) {
    SCOPED_TRACE(
        testing::Message() << "Save As of a template that names the day onto the day's file, whose last "
                              "rows wait; rows kept by the memory: "
                           << (behouden < 0 ? std::string("all") : std::to_string(behouden)));
    LogbestandAan = true;
    const QString map = behouden < 0 ? QStringLiteral("dag") : QStringLiteral("dag-%1").arg(behouden);
    ASSERT_TRUE(QDir().mkpath(t.Pad(map)));
    Gegevensbestand = t.Pad(map + QStringLiteral("/run-#date#.csv"));
    const QString vandaag = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    TijdMeting = platform::Nu();
    AantalMetingen = 0;
    QStringList tijden;
    const auto meet = [&] {
        t.VolgendeMeting();
        tijden << platform::DatumTijdTekst(TijdMeting);
        t.NeemInTabel(tijden.back());
    };
    for (int s = 0; s < 3; ++s)
        meet();
    const QByteArray begin = LeesBytes(vandaag);
    const qint64 rij = t.Regels(vandaag).last().size() + 2;
    if (behouden >= 0) ZetWachtendGrens(behouden * rij + rij / 2);
    {
        Bestandsgrens grens(static_cast<rlim_t>(begin.size()));
        for (int s = 0; s < (behouden < 0 ? 2 : 4); ++s)
            meet();
    }
    ZetWachtendGrens(WachtendeRijen::StandaardGrens);
    ASSERT_EQ(LeesBytes(vandaag), begin) << "the day's file took the rows its disk was to refuse";

    QString naam = Gegevensbestand;
    t.dialogen.bestanden = {vandaag};
    t.antwoorden = {vbYes};
    ASSERT_TRUE(OpslaanAls(naam, false));
    ASSERT_EQ(Gegevensbestand, vandaag);
    EXPECT_EQ(LeesBytes(BackupNaam(vandaag)), begin);
    meet();

    const QStringList regels = t.Regels(vandaag);
    const std::string inhoud = regels.join(QStringLiteral("\n")).toStdString();
    ASSERT_EQ(regels.size(), tijden.size() + 1) << inhoud;
    for (qsizetype i = 0; i < tijden.size(); ++i) {
        EXPECT_EQ(SplitsVelden(regels[i + 1]).value(0).toStdString(), tijden[i].toStdString())
            << "row " << i + 1 << ":\n"
            << inhoud;
        EXPECT_FALSE(WachtendeRijenTest::IsEindpunt(regels[i + 1])) << "row " << i + 1 << ":\n" << inhoud;
    }
    EXPECT_TRUE(SchrijfWachtendeRegels()) << "rows the file holds still wait";
    EXPECT_EQ(LeesBytes(vandaag).count('\n'), tijden.size() + 1) << "a waiting row was written again";
    const QString logboek =
        LogboekPad.isEmpty() ? QString() : platform::VanWindows1252(LeesBytes(LogboekPad));
    EXPECT_FALSE(logboek.contains(vandaag + QStringLiteral(": ")))
        << "rows the file holds told as not written:\n"
        << logboek.toStdString();
}

// The rows that waited for the file saved over go before the data file's rows taken after them, and
// behind those taken before them: whether the data file was empty, took rows only after them, or also
// held rows from before; and whether the new file is a copy of the data file or written from the table.
// A row the new content holds already goes in once; the end point of a break among the rows that waited
// stands where the break is; a copy whose rows from their time on are read in several blocks keeps every
// row whole and in order; rows of another layout than the new content's stay out and keep waiting.
TEST_F(WachtendeRijenTest, SaveAsIntoAFileWhoseRowsWaitPutsTheRowsOfBothInTheOrderTaken) {
    // Every Save As here has its boxes: the bound is of the whole series.
    BegrensdeMeldingen reeks(melding, 40);
    ZetMeldingVenster(&reeks);
    const auto terug = qScopeGuard([this] { ZetMeldingVenster(&begrensd); });
    for (const bool uitTabel : {false, true})
        for (const auto& [voor, na] : {std::pair{0, 0}, std::pair{0, 1}, std::pair{2, 3}}) {
            SlaOpOverWachtendBestand(*this, voor, na, uitTabel);
            if (HasFatalFailure()) return;
        }
    // A snapshot writes the rows that waited for `a` while the box about a failed write of the table waits:
    // Retry keeps them in the backup.
    for (const auto& [voor, na] : {std::pair{0, 1}, std::pair{2, 3}}) {
        SlaOpOverWachtendBestand(*this, voor, na, true, Herhaling::NaSnapshot);
        if (HasFatalFailure()) return;
    }
    // A try fails as the rows that wait do not fit into the new content; Retry with room puts each in
    // once. A try that fails after they went in, and then another file: its rows, not in, still wait.
    SlaOpOverWachtendBestand(*this, 2, 3, true, Herhaling::Meteen);
    if (HasFatalFailure()) return;
    SlaOpNaMisluktePoging(*this);
    if (HasFatalFailure()) return;
    // The table holds the rows that wait already.
    SlaOpOverDagbestand(*this);
    if (HasFatalFailure()) return;
    // The table holds the rows given up as well.
    for (const int behouden : {2, 0}) {
        SlaOpOverDagbestand(*this, behouden);
        if (HasFatalFailure()) return;
    }
    for (const VerlatenGeval geval :
         {VerlatenGeval::Breuk, VerlatenGeval::LangeStaart, VerlatenGeval::AndereIndeling}) {
        SlaOpOverVerlatenBestand(*this, geval);
        if (HasFatalFailure()) return;
    }
}

// The merge of Save As takes the new content's rows as they stand. Under the rows' own header a waiting row
// is held by the content only when it holds its very line: another row of that second goes in beside it.
// Under a header that names the inputs otherwise (the table's) the time tells, and each row of the content
// holds one waiting row: a row and an end point of one second both reach the file. The rows it holds count
// as put in, and the rest follow its last row on lines of their own, also after a last line whose line
// end is missing. The rows it lacks go before its first row taken after them, not before the first row it
// holds. Rows given up past the bound that the content holds leave no break: no end point goes in for it.
// Rows given up by Cancel before the waiting ones leave an end point before these where the content holds
// rows before them, also rows of their first second alone. Rows: seconds after the first; `'`: a row of
// that second with other values; `e`: an end point.
TEST_F(WachtendeRijenTest, TheSaveAsMergeHoldsAWaitingRowByItsLineUnderItsOwnHeaderAndEachRowOnce) {
    const platform::Datum begin = platform::Nu();
    const auto tijd = [begin](int s) { return platform::DatumTijdTekst(begin + s / 86400.0); };
    struct Geval {
        const char* naam;
        std::vector<int> wachtend; // -s: the end point at s
        bool eigenKop;             // the content has the rows' own header, else the table's
        QStringList inhoud;        // "3", "3'"
        bool zonderRegeleinde;     // the content's last line lacks its line end
        QStringList verwacht;      // "3", "3'", "3e" (an end point)
        std::vector<int> vooraf;   // rows given up by Cancel before the waiting ones
        int behouden = -1;         // the bound keeps so many of the waiting rows and gives up the rest
    };
    const std::vector<Geval> gevallen = {
        {"another row of the second under the own header",
         {3, 4},
         true,
         {"1", "2", "3'", "6"},
         false,
         {"1", "2", "3'", "3", "4", "6"},
         {},
         -1},
        {"a row and an end point of one second under the table's header",
         {3, -3},
         false,
         {"1", "2", "3", "6"},
         false,
         {"1", "2", "3", "3e", "6"},
         {},
         -1},
        {"the rest after a held row and a last line without its line end",
         {3, 4},
         true,
         {"1", "2", "3"},
         true,
         {"1", "2", "3", "4"},
         {},
         -1},
        {"the rest after a held row, before the content's next row",
         {3, 5},
         true,
         {"1", "2", "3", "4'", "6"},
         false,
         {"1", "2", "3", "4'", "5", "6"},
         {},
         -1},
        {"rows given up past the bound that the table holds, a row kept that it lacks",
         {3, 4, 5, 6},
         false,
         {"4", "5", "6"},
         false,
         {"3", "4", "5", "6"},
         {},
         2},
        {"rows given up by Cancel, content rows of the waiting rows' first second alone",
         {4, 5},
         true,
         {"4'", "6"},
         false,
         {"4'", "3e", "4", "5", "6"},
         {3},
         -1},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.naam);
        ResetLogbestanden();
        const QString map = Pad(QStringLiteral("samenvoegen-") + QString::number(&g - gevallen.data()));
        ASSERT_TRUE(QDir().mkpath(map));
        Gegevensbestand = map + QStringLiteral("/run.csv");
        for (const int s : {1, 2}) {
            TijdMeting = begin + s / 86400.0;
            LogMeting(QString());
        }
        const QStringList geschreven = Regels(Gegevensbestand);
        ASSERT_EQ(geschreven.size(), 3);
        {
            Bestandsgrens grens(static_cast<rlim_t>(LeesBytes(Gegevensbestand).size()));
            for (const int s : g.vooraf) {
                TijdMeting = begin + s / 86400.0;
                LogMeting(QString());
            }
            if (!g.vooraf.empty()) {
                Beurt([](const Vraag& v) {
                    return (v.stijl & 7) == vbRetryCancel ? int(vbCancel) : int(vbOK);
                });
                ASSERT_EQ(WachtendBestand().toStdString(), "") << "Cancel gave up nothing";
            }
            if (g.behouden >= 0) {
                const qsizetype rij = geschreven[1].size() + 2;
                ZetWachtendGrens(g.behouden * rij + rij / 2);
            }
            for (const int s : g.wachtend) {
                TijdMeting = begin + std::abs(s) / 86400.0;
                LogMeting(s < 0 ? QStringLiteral("Stop") : QString());
            }
        }
        ASSERT_EQ(WachtendBestand(), Gegevensbestand);
        // A line of the content: a row as the run logs it, or one with other values; an end point.
        const auto regel = [&](const QString& soort) {
            const int s = soort.left(1).toInt();
            QString r = geschreven[1];
            if (soort.endsWith(QLatin1Char('e'))) {
                const qsizetype velden = SplitsVelden(r).size();
                r = QLatin1Char('"') + tijd(s) + QLatin1Char('"');
                for (qsizetype v = 1; v < velden; ++v)
                    r += QStringLiteral(",\"\"");
                return r;
            }
            VervangVeld(r, 1, tijd(s));
            if (soort.endsWith(QLatin1Char('\''))) VervangVeld(r, 2, QStringLiteral("5"));
            return r;
        };
        QString kop = geschreven[0];
        if (!g.eigenKop)
            kop.replace(QRegularExpression(QStringLiteral(" R(\\d+)M(\\d+)C(\\d)")),
                        QStringLiteral(" In\\3"));
        QStringList inhoud{kop};
        for (const QString& soort : g.inhoud)
            inhoud << regel(soort);
        const QString kopie = map + QStringLiteral("/new.csv");
        QByteArray bytes = platform::NaarWindows1252(inhoud.join(QStringLiteral("\r\n")));
        if (!g.zonderRegeleinde) bytes += "\r\n";
        SchrijfBytes(kopie, bytes);

        Invoeging invoeging;
        ASSERT_TRUE(VoegWachtendeRijenIn(Gegevensbestand, kopie, invoeging));
        EXPECT_TRUE(invoeging.ingevoegd) << "the rows that waited are not in the new content";
        // The lines of the content by their kinds; "?" for a line of no kind (two lines joined).
        QStringList soorten;
        const QStringList regels = Regels(kopie);
        EXPECT_EQ(regels.value(0), kop);
        for (qsizetype i = 1; i < regels.size(); ++i) {
            QString soort = QStringLiteral("?");
            for (int s = 1; s <= 6; ++s)
                for (const QString& k : {QString(), QStringLiteral("'"), QStringLiteral("e")})
                    if (regels[i] == regel(QString::number(s) + k)) soort = QString::number(s) + k;
            soorten << soort;
        }
        EXPECT_EQ(soorten.join(QLatin1Char(' ')).toStdString(),
                  g.verwacht.join(QLatin1Char(' ')).toStdString())
            << "the new content's rows";
        EXPECT_TRUE(LeesBytes(kopie).endsWith("\r\n")) << "the new content's last line is cut";
        // The end point of the break put in is known as a line of no row.
        ASSERT_EQ(invoeging.losse.size(), g.vooraf.empty() ? 0u : 1u);
        if (!g.vooraf.empty()) {
            EXPECT_EQ(invoeging.losse[0].tijd, tijd(g.vooraf.front()));
        }
    }
    ResetLogbestanden();
}

// Rows wait for a file the run has left, on a disk that refuses to make it longer. Its box names that
// file while the current data file takes every row. When the left file comes back holding another
// layout, the next snapshot writes its rows under the next free name beside it, withdraws its question
// and names the new file in the event log.
TEST_F(WachtendeRijenTest, ALeftFileTheDiskRefusesIsAskedAboutByNameAndGoesOnBesideItInAnotherLayout) {
    LogbestandAan = true;
    ASSERT_TRUE(QDir().mkpath(Pad(QStringLiteral("a"))));
    ASSERT_TRUE(QDir().mkpath(Pad(QStringLiteral("b"))));
    const QString oud = Pad(QStringLiteral("a/run.csv"));
    const QString naast = Pad(QStringLiteral("a/run_2.csv"));
    const QString nieuw = Pad(QStringLiteral("b/run.csv"));
    Gegevensbestand = oud;
    TijdMeting = platform::Nu();
    std::vector<QString> tijden;
    const auto meet = [&] {
        VolgendeMeting();
        tijden.push_back(platform::DatumTijdTekst(TijdMeting));
    };
    meet();
    // The limit at the left file's length leaves room for the new files and the event log.
    ASSERT_NO_FATAL_FAILURE(GroeiBovenLogboek({oud}, 8));
    const QByteArray bijVol = LeesBytes(oud);
    const QString kop = Regels(oud).value(0);
    std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(bijVol.size()));
    const std::size_t wachtVan = tijden.size();
    meet();
    meet();
    ASSERT_EQ(LeesBytes(oud), bijVol);
    Gegevensbestand = nieuw;
    const std::size_t nieuwVan = tijden.size();
    meet();

    const QByteArray ander = "\"Time\",\"Other\"\r\n\"05/01/2026 09:00:00\",\"1\"\r\n";
    int gevraagd = 0;
    bool gesloten = false;
    Beurt(
        [&](const Vraag& v) {
            if ((v.stijl & 7) != vbRetryCancel) return int(vbOK);
            if (++gevraagd > 1) return int(vbCancel);
            EXPECT_TRUE(v.tekst.startsWith(oud + QStringLiteral("\r\n"))) << v.tekst.toStdString();
            ZetMeldingSluiter([&] { gesloten = true; });
            // The data file takes the rows of the snapshots while the box waits.
            meet();
            meet();
            EXPECT_EQ(Regels(nieuw).size(), static_cast<qsizetype>(tijden.size() - nieuwVan) + 1);
            EXPECT_EQ(LeesBytes(oud), bijVol);
            EXPECT_FALSE(gesloten);
            // The left file comes back holding another layout.
            EXPECT_TRUE(platform::SchrijfBestandVeilig(oud, ander));
            meet();
            EXPECT_TRUE(gesloten) << "the question about the left file was not withdrawn";
            EXPECT_EQ(LeesBytes(oud), ander);
            const QStringList regels = Regels(naast);
            EXPECT_EQ(regels.size(), 3) << regels.join(QStringLiteral("\n")).toStdString();
            EXPECT_EQ(regels.value(0), kop);
            for (int i = 0; i < 2; ++i)
                EXPECT_EQ(SplitsVelden(regels.value(i + 1)).value(0),
                          tijden[wachtVan + static_cast<std::size_t>(i)]);
            const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
            EXPECT_TRUE(logboek.contains(naast + QStringLiteral("\r\n"))) << logboek.toStdString();
            // The answer of a withdrawn box counts for nothing.
            return int(vbCancel);
        },
        [&] { grens.reset(); });
    EXPECT_EQ(gevraagd, 1);
    EXPECT_EQ(Gegevensbestand, nieuw);
    EXPECT_EQ(LeesBytes(oud), ander);
    EXPECT_EQ(Regels(naast).size(), 3);
    EXPECT_EQ(Regels(nieuw).size(), static_cast<qsizetype>(tijden.size() - nieuwVan) + 1);
    const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
    EXPECT_FALSE(logboek.contains(QStringLiteral("not written"))) << logboek.toStdString();
    EXPECT_TRUE(SchrijfWachtendeRegels());
}

// Rows given up by Cancel behind a folder in the data file's place leave an end point, at the first of
// them, before the next row once the file is back; a second Cancel in the same refusal keeps that time.
// A file that comes back empty gets only its header. The event log tells one row in the singular and an
// end point that was not written apart from the rows.
TEST_F(WachtendeRijenTest, RowsGivenUpWhileTheFileWasAFolderLeaveAnEndPointAtTheFirstOfThem) {
    LogbestandAan = true;
    TijdMeting = platform::Nu();
    for (const bool terug : {true, false}) {
        SCOPED_TRACE(terug ? "the file comes back" : "a new file");
        Gegevensbestand = Pad(terug ? QStringLiteral("run.csv") : QStringLiteral("nieuw.csv"));
        const QString bewaard = Gegevensbestand + QStringLiteral(".keep");
        VolgendeMeting();
        ASSERT_TRUE(QFile::rename(Gegevensbestand, bewaard));
        ASSERT_TRUE(QDir().mkdir(Gegevensbestand));
        vragen.clear();
        VolgendeMeting();
        const QString eerste = platform::DatumTijdTekst(TijdMeting);
        VolgendeMeting();
        const auto ruimte = [&] { QDir().rmdir(Gegevensbestand); };
        Beurt({}, ruimte);
        ASSERT_EQ(vragen.size(), 1u);
        VolgendeMeting();
        const QString later = platform::DatumTijdTekst(TijdMeting);
        Beurt({}, ruimte);
        ASSERT_EQ(vragen.size(), 2u);
        ASSERT_TRUE(QDir().rmdir(Gegevensbestand));
        if (terug) {
            ASSERT_TRUE(QFile::rename(bewaard, Gegevensbestand));
        }
        VolgendeMeting();
        const QStringList regels = Regels(Gegevensbestand);
        if (terug) {
            ASSERT_EQ(regels.size(), 4) << regels.join(QStringLiteral("\n")).toStdString();
            EXPECT_TRUE(IsEindpunt(regels[2]));
            EXPECT_EQ(SplitsVelden(regels[2]).value(0), eerste);
            EXPECT_EQ(SplitsVelden(regels[2]).size(), SplitsVelden(regels[3]).size());
            EXPECT_FALSE(IsEindpunt(regels[3]));
        } else {
            ASSERT_EQ(regels.size(), 2) << regels.join(QStringLiteral("\n")).toStdString();
            EXPECT_EQ(SplitsVelden(regels[0]).value(0), QStringLiteral("Time"));
            EXPECT_FALSE(IsEindpunt(regels[1]));
        }
        const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
        const QString een = Gegevensbestand + QStringLiteral(": 1 row not written, at ") + later;
        EXPECT_TRUE(logboek.contains(een)) << een.toStdString() << "\nin\n" << logboek.toStdString();
    }

    // An end point alone that cannot be written is named as such, not as a row.
    Gegevensbestand = Pad(QStringLiteral("stop.csv"));
    VolgendeMeting();
    // The limit leaves room for the event log's line.
    ASSERT_NO_FATAL_FAILURE(GroeiBovenLogboek({Gegevensbestand}, 2));
    {
        Bestandsgrens grens(static_cast<rlim_t>(LeesBytes(Gegevensbestand).size()));
        TijdMeting += 1.0 / 86400.0;
        LogMeting(QStringLiteral("Stop"));
        const QString stop = platform::DatumTijdTekst(TijdMeting);
        BeeindigWachtendeRegels();
        const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
        const QString verwacht = Gegevensbestand + QStringLiteral(": the end point of ") + stop +
                                 QStringLiteral(" was not written\r\n");
        EXPECT_TRUE(logboek.contains(verwacht)) << logboek.toStdString();
        EXPECT_FALSE(logboek.contains(QStringLiteral("1 rows"))) << logboek.toStdString();
    }
}

// The data file's disk refuses its rows (a size limit) and the run goes on in a file per rack in another
// folder: the rows keep waiting for the file the run has left, and its question, held open on the screen,
// names that file while the run's files take every row. Then the left file is back: the disk takes rows
// again, and the next snapshot writes the rows that waited; or a file of another layout stands in its
// place, and the rows that waited go, in that snapshot, to the first free name beside it, which the event
// log names. Either way the box goes at once, as no row is left for its Cancel to give up, and nothing is
// given up.
TEST_F(WachtendeRijenTest, ALeftFilesBoxNamesItWhileTheRunGoesOnAndGoesOnceItsRowsAreWritten) {
    LogbestandAan = true;
    TijdMeting = platform::Nu();
    for (const bool andereIndeling : {false, true}) {
        SCOPED_TRACE(andereIndeling ? "a file of another layout in its place" : "the disk takes rows again");
        const QString a = Pad(andereIndeling ? QStringLiteral("a2") : QStringLiteral("a1"));
        const QString b = Pad(andereIndeling ? QStringLiteral("b2") : QStringLiteral("b1"));
        ASSERT_TRUE(QDir().mkpath(a));
        ASSERT_TRUE(QDir().mkpath(b));
        const QString oud = a + QStringLiteral("/run.csv");
        const QString naast = a + QStringLiteral("/run_2.csv");
        Gegevensbestand = oud;
        // The old file holds more than the new ones will: the limit refuses it alone.
        for (int s = 0; s < 40; ++s)
            VolgendeMeting();
        std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(LeesBytes(oud).size()));
        std::vector<QString> wachtend;
        for (int s = 0; s < 2; ++s) {
            VolgendeMeting();
            wachtend.push_back(platform::DatumTijdTekst(TijdMeting));
        }
        const QStringList bijVol = Regels(oud);
        ASSERT_EQ(bijVol.size(), 41);
        Gegevensbestand = b + QStringLiteral("/#rack#.csv");
        const QStringList nieuw = LogBestanden(Gegevensbestand);
        ASSERT_EQ(nieuw.size(), 2);

        // The real box, answered Cancel after 12 s unless it goes before; a snapshot a second meanwhile,
        // the left file back before the fifth.
        EchteMelding box(Qt::Key_Escape, 12000);
        begrensd.binnen = &box;
        int snapshots = 0;
        bool openVoorTerug = false, openNaTerug = true;
        qsizetype nieuwVoorTerug = 0, naastNaTerug = 0;
        const QByteArray ander = "\"Time\",\"Other\"\r\n\"05/01/2026 08:00:00\",\"1\"\r\n";
        std::unique_ptr<platform::Timer> elkeSeconde = klok().maakTimer();
        elkeSeconde->zetInterval(1000);
        elkeSeconde->bijTik = [&] {
            ++snapshots;
            if (snapshots == 5) {
                openVoorTerug = MeldingOpen();
                nieuwVoorTerug = Regels(nieuw[0]).size();
                if (andereIndeling)
                    ASSERT_TRUE(platform::SchrijfBestandVeilig(oud, ander));
                else
                    grens.reset();
            }
            VolgendeMeting();
            if (snapshots == 5) {
                openNaTerug = MeldingOpen();
                naastNaTerug = Regels(naast).size();
            }
            if (snapshots == 8) elkeSeconde->zetActief(false);
        };
        elkeSeconde->zetActief(true);
        klok().verstrijk(1);
        klok().verstrijk(10000);
        begrensd.binnen = &melding;
        grens.reset();

        ASSERT_EQ(box.getoond(), 1);
        EXPECT_TRUE(box.teksten()[0].startsWith(oud + QStringLiteral("\r\n")))
            << box.teksten()[0].toStdString();
        EXPECT_EQ(box.geblokkeerd(), 0);
        EXPECT_TRUE(openVoorTerug) << "the box about the left file was not open while the run went on";
        EXPECT_EQ(nieuwVoorTerug, 1 + 4) << "the run's files did not take every row while the box was open";
        EXPECT_FALSE(openNaTerug) << "the box stayed after the rows it asks about were written";
        EXPECT_EQ(snapshots, 8);
        for (const QString& pad : nieuw)
            EXPECT_EQ(Regels(pad).size(), 1 + 8) << pad.toStdString();
        const QString logboek = platform::VanWindows1252(LeesBytes(LogboekPad));
        // The rows that waited are in the file, or beside it under a file of another layout; nothing was
        // given up.
        const QStringList regels = Regels(andereIndeling ? naast : oud);
        ASSERT_EQ(regels.size(), andereIndeling ? 3 : 43) << regels.join(QStringLiteral("\n")).toStdString();
        EXPECT_EQ(regels[0], bijVol[0]);
        for (int s = 0; s < 2; ++s) {
            const QString& regel = regels[regels.size() - 2 + s];
            EXPECT_EQ(SplitsVelden(regel).value(0), wachtend[static_cast<size_t>(s)]);
            EXPECT_FALSE(IsEindpunt(regel)) << regel.left(60).toStdString();
        }
        EXPECT_FALSE(logboek.contains(oud + QStringLiteral(": "))) << logboek.toStdString();
        if (andereIndeling) {
            EXPECT_EQ(naastNaTerug, 3) << "the rows that waited did not go beside it in that snapshot";
            EXPECT_EQ(LeesBytes(oud), ander) << "rows went under another layout";
            EXPECT_TRUE(logboek.contains(Tekst[458] + naast + QStringLiteral("\r\n")))
                << logboek.toStdString();
        } else {
            EXPECT_FALSE(QFileInfo::exists(naast));
        }
    }
}

// The rows of a file wait while its folder is gone (told by the folder's box, not asked about), and the
// run goes on in a file in another folder. The folder comes back on a disk that refuses the file: the
// left file's question now names it, whether the run's own file refuses too (a folder stands in its
// place) or takes every row. Once the left file takes its rows, its box goes, although rows may still
// wait in the other folder, and the question then names the run's file; that box goes too once its rows
// are written. Nothing is given up.
TEST_F(WachtendeRijenTest, ALeftFileBackOnAFullDiskIsAskedAboutAndItsBoxGoesWhenOnlyAnotherFoldersRowsWait) {
    for (const bool eigenWeigert : {true, false}) {
        SCOPED_TRACE(eigenWeigert ? "the run's own file refuses too" : "the run's own file takes every row");
        const QString a = Pad(eigenWeigert ? QStringLiteral("a1") : QStringLiteral("a2"));
        const QString b = Pad(eigenWeigert ? QStringLiteral("b1") : QStringLiteral("b2"));
        ASSERT_TRUE(QDir().mkpath(a));
        ASSERT_TRUE(QDir().mkpath(b));
        const QString oud = a + QStringLiteral("/run.csv");
        const QString nieuw = b + QStringLiteral("/run.csv");
        Gegevensbestand = oud;
        TijdMeting = platform::Nu();
        // The left file holds more than the run's will: the limit refuses it alone.
        for (int s = 0; s < 20; ++s)
            VolgendeMeting();
        const QByteArray begin = LeesBytes(oud);
        ASSERT_TRUE(QDir().rename(a, a + QStringLiteral(".weg")));
        VolgendeMeting();
        vragen.clear();
        Beurt();
        ASSERT_EQ(vragen.size(), 1u);
        EXPECT_EQ(vragen[0].stijl & 7, vbOKOnly) << "the folder that is gone is told, not asked about";
        Gegevensbestand = nieuw;
        VolgendeMeting();
        ASSERT_EQ(Regels(nieuw).size(), 2);
        ASSERT_TRUE(QDir().rename(a + QStringLiteral(".weg"), a));
        std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(begin.size()));

        // The real box, answered Cancel after 12 s unless it goes before; a snapshot a second meanwhile:
        // the left file takes rows from the third, the run's file (when it refuses, from the first) from the
        // sixth.
        EchteMelding box(Qt::Key_Escape, 12000);
        begrensd.binnen = &box;
        int snapshots = 0, getoondNaLinks = 0;
        bool openNaLinks = true;
        qsizetype nieuwVoorLinks = 0;
        const QString bewaard = nieuw + QStringLiteral(".keep");
        std::unique_ptr<platform::Timer> elkeSeconde = klok().maakTimer();
        elkeSeconde->zetInterval(1000);
        elkeSeconde->bijTik = [&] {
            ++snapshots;
            if (snapshots == 1 && eigenWeigert) {
                ASSERT_TRUE(QFile::rename(nieuw, bewaard));
                ASSERT_TRUE(QDir().mkdir(nieuw));
            }
            if (snapshots == 3) {
                nieuwVoorLinks = Regels(nieuw).size();
                grens.reset();
            }
            if (snapshots == 6 && eigenWeigert) {
                ASSERT_TRUE(QDir().rmdir(nieuw));
                ASSERT_TRUE(QFile::rename(bewaard, nieuw));
            }
            VolgendeMeting();
            if (snapshots == 5) {
                getoondNaLinks = box.getoond();
                openNaLinks = MeldingOpen();
            }
            if (snapshots == 8) elkeSeconde->zetActief(false);
        };
        elkeSeconde->zetActief(true);
        klok().verstrijk(1);
        klok().verstrijk(10000);
        begrensd.binnen = &melding;
        grens.reset();

        ASSERT_GE(box.getoond(), 1) << "the left file back on a full disk asked no question";
        EXPECT_TRUE(box.teksten()[0].startsWith(oud + QStringLiteral("\r\n")))
            << box.teksten()[0].toStdString();
        if (eigenWeigert) {
            EXPECT_EQ(getoondNaLinks, 2) << "the box about the left file stayed after its rows were written";
            ASSERT_EQ(box.getoond(), 2);
            EXPECT_TRUE(box.teksten()[1].startsWith(nieuw + QStringLiteral("\r\n")))
                << box.teksten()[1].toStdString();
        } else {
            EXPECT_EQ(nieuwVoorLinks, 1 + 1 + 2)
                << "the run's file did not take every row while the box was open";
            EXPECT_FALSE(openNaLinks) << "the box about the left file stayed after its rows were written";
            EXPECT_EQ(box.getoond(), 1);
        }
        EXPECT_FALSE(MeldingOpen()) << "the box stayed after the rows it asks about were written";
        EXPECT_EQ(box.geblokkeerd(), 0);
        EXPECT_EQ(Regels(oud).size(), 1 + 20 + 1) << "the left file lacks rows";
        EXPECT_EQ(Regels(nieuw).size(), 1 + 1 + 8) << "the run's file lacks rows";
        EXPECT_TRUE(SchrijfWachtendeRegels());
    }
}

// Save As from a data file whose rows wait onto a file whose rows wait too (the run logged into it
// before, and its disk refuses both): the copy takes the new name, and the rows that waited for it and
// then those that waited for the old file go on in it. With room, every row is there once, in order.
TEST_F(WachtendeRijenTest, SaveAsThatJoinsTheWaitingRowsOfTwoFilesWritesEveryRowOnceInOrder) {
    const QString a = Pad(QStringLiteral("a.csv"));
    const QString b = Pad(QStringLiteral("b.csv"));
    TijdMeting = platform::Nu();
    // Both files hold rows of their own, a's the earlier, and are the same size.
    Gegevensbestand = a;
    for (int s = 0; s < 10; ++s)
        VolgendeMeting();
    Gegevensbestand = b;
    for (int s = 0; s < 10; ++s)
        VolgendeMeting();
    const QStringList vanA = Regels(a);
    ASSERT_EQ(LeesBytes(a).size(), LeesBytes(b).size());
    // Neither takes another row, and a copy of either fits.
    const qint64 rij = vanA.last().size() + 2;
    std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(LeesBytes(a).size() + rij / 2));
    std::vector<QString> tijden;
    const auto meet = [&] {
        VolgendeMeting();
        tijden.push_back(platform::DatumTijdTekst(TijdMeting));
    };
    meet();
    meet();
    Gegevensbestand = a;
    meet();
    meet();
    ASSERT_EQ(Regels(a), vanA);

    // File > Save As, onto b, Yes to overwrite.
    QString naam = a;
    dialogen.bestanden = {b};
    antwoorden = {vbYes};
    ASSERT_TRUE(OpslaanAls(naam, false));
    ASSERT_EQ(Gegevensbestand, b);
    grens.reset();
    meet();

    const QStringList regels = Regels(b);
    ASSERT_EQ(regels.size(), vanA.size() + static_cast<qsizetype>(tijden.size()))
        << regels.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(regels.mid(0, vanA.size()), vanA);
    for (size_t r = 0; r < tijden.size(); ++r) {
        const QString& regel = regels[vanA.size() + static_cast<qsizetype>(r)];
        EXPECT_EQ(SplitsVelden(regel).value(0), tijden[r]) << "row " << r << " of what waited";
        EXPECT_FALSE(IsEindpunt(regel));
    }
}

// On a file system that keeps times to the second, a header edited in place in the second of the
// program's own write leaves the file as it stood. Rows that waited for the file (its disk refused them)
// do not go under the edited header once there is room: those of the data file go on, with the run and
// its next row, in the data file of the next name; those of a file the run has left, in the first free
// name beside it. The file stays as it was edited.
TEST_F(WachtendeRijenTest, RowsThatWaitedGoUnderNoHeaderEditedInTheSecondOfAWriteWhereTimesAreToTheSecond) {
    const TijdenInEenSeconde seconde;
    TijdMeting = platform::Nu();
    for (const bool verlaten : {false, true}) {
        SCOPED_TRACE(verlaten ? "a file the run has left" : "the data file");
        const QString map = Pad(verlaten ? QStringLiteral("verlaten") : QStringLiteral("data"));
        ASSERT_TRUE(QDir().mkpath(map));
        const QString pad = map + QStringLiteral("/run.csv");
        const QString naast = map + QStringLiteral("/run_2.csv");
        Gegevensbestand = pad;
        QStringList tijden;
        const auto meet = [&] {
            VolgendeMeting();
            tijden << platform::DatumTijdTekst(TijdMeting);
        };
        meet();
        const QByteArray begin = LeesBytes(pad);
        {
            Bestandsgrens grens(static_cast<rlim_t>(begin.size()));
            meet();
            meet();
        }
        ASSERT_EQ(LeesBytes(pad), begin) << "the disk took the rows";
        ASSERT_EQ(WachtendBestand().toStdString(), pad.toStdString());
        const QByteArray bewerkt = BewerkKopTerPlaatse(pad, "\"Value R1M1C1\"", "\"Value R1M1C2\"");
        ASSERT_FALSE(HasFailure());
        const QString ander = map + QStringLiteral("/other.csv");
        if (verlaten) Gegevensbestand = ander;
        meet();
        EXPECT_TRUE(LeesBytes(pad) == bewerkt)
            << "rows that waited went under the edited header: " << Regels(pad).size()
            << " lines, the last:\n"
            << Regels(pad).last().left(80).toStdString();
        EXPECT_EQ(Gegevensbestand.toStdString(), (verlaten ? ander : naast).toStdString());
        // The header of the rows, the rows that waited, and (the data file's) the next row.
        const QStringList regels = Regels(naast);
        const std::string inhoud = regels.join(QStringLiteral("\n")).toStdString();
        const QStringList verwacht = tijden.mid(1, verlaten ? 2 : 3);
        ASSERT_EQ(regels.size(), verwacht.size() + 1) << "the rows that waited are not beside the file:\n"
                                                      << inhoud;
        EXPECT_EQ(regels[0], platform::SplitsRegels(platform::VanWindows1252(begin)).value(0));
        for (qsizetype i = 0; i < verwacht.size(); ++i) {
            EXPECT_EQ(SplitsVelden(regels[i + 1]).value(0).toStdString(), verwacht[i].toStdString())
                << "row " << i + 1 << ":\n"
                << inhoud;
            EXPECT_FALSE(IsEindpunt(regels[i + 1])) << "row " << i + 1 << ":\n" << inhoud;
        }
        if (verlaten) {
            EXPECT_EQ(Regels(ander).size(), 2);
        }
        EXPECT_TRUE(SchrijfWachtendeRegels());
        Beurt();
        EXPECT_EQ(vragen.size(), 0u) << vragen.back().tekst.toStdString();
    }
}

// The program's own start sets up how it ends; a file-size limit set on the running program (ulimit -f,
// prlimit) then does not end it in the middle of a row: the row waits as on a full disk. In a child
// process whose signal is as the system sets it.
TEST_F(WachtendeRijenTest, AFileSizeLimitDoesNotEndTheProgramAndTheRowWaits) {
    Gegevensbestand = Pad(QStringLiteral("run.csv"));
    TijdMeting = platform::Nu();
    LogMeting(QString());
    const QByteArray voor = LeesBytes(Gegevensbestand);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        platform::VangEindsignalen([] {});
        rlimit grens{};
        getrlimit(RLIMIT_FSIZE, &grens);
        grens.rlim_cur = static_cast<rlim_t>(voor.size() + 10);
        setrlimit(RLIMIT_FSIZE, &grens);
        VolgendeMeting();
        VolgendeMeting();
        // 2: the rows went nowhere; 3: the file is cut.
        if (SchrijfWachtendeRegels()) _exit(2);
        if (LeesBytes(Gegevensbestand) != voor) _exit(3);
        _exit(0);
    }
    int stand = 0;
    ASSERT_EQ(waitpid(kind, &stand, 0), kind);
    ASSERT_FALSE(WIFSIGNALED(stand)) << "ended by signal " << WTERMSIG(stand);
    ASSERT_TRUE(WIFEXITED(stand));
    EXPECT_EQ(WEXITSTATUS(stand), 0);
}

} // namespace
