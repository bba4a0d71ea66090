#include "InfoMetEnter.h"
#include "TabelOmgeving.h"
#include "files/Bestandsbewerkingen.h"
#include "files/Werkkopie.h"
#include "rackviews/FormEditInfo.h"
#include "shared/Teksten.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class TabelBewerkingTest : public TabelOmgeving {
protected:
    // Selects rows r1..r2 and columns c1..c2 on the tab of module m in rack r's table.
    frmTabel& Selecteer(int r, int16_t m, int32_t r1, int32_t r2, int16_t c1, int16_t c2) {
        frmTabel& w = tabel(r);
        w.SSTab->setCurrentIndex(m - 1);
        w.MSHFlexGrid[m]->ZetSelectie({r1, c1, r2, c2});
        return w;
    }
    void Verwijder(int r, int16_t m, int32_t r1, int32_t r2) {
        antwoorden.push_back(vbYes);
        Selecteer(r, m, r1, r2, 1, 19).VerwijderSelectie();
    }
    // Only the number is left in row `rij` of every grid of every table.
    void RijIsLeeg(int32_t rij) {
        for (const auto& [r, m] : {std::pair{1, 1}, {1, 4}, {2, 2}})
            for (int16_t c = 0; c <= KolomInfo; ++c)
                EXPECT_EQ(tabel(r).CelTekst(m, rij, c), c == 0 ? QString::number(rij) : QString())
                    << r << "/" << m << " row " << rij << " column " << c;
    }
    // Edit > Info of module m's grid in `w` on its selection: the info editor is answered by `antwoord` as
    // soon as it shows. False when it did not open. The timer that answers goes with the call, so that
    // nothing of it is left for a later test. An editor that `antwoord` leaves open fails the test and is
    // closed with Cancel.
    static bool OpenInfoMet(frmTabel& w, int16_t m, const std::function<void(formEditInfo&)>& antwoord) {
        bool geopend = false;
        QTimer wachter;
        wachter.setInterval(0);
        QObject::connect(&wachter, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<formEditInfo*>(QApplication::activeModalWidget())) {
                wachter.stop();
                geopend = true;
                antwoord(*d);
                if (d->isVisible()) {
                    ADD_FAILURE() << "the info editor is still open";
                    d->CommandCancel->click();
                }
            }
        });
        wachter.start();
        w.OpenInfo(m);
        return geopend;
    }
    static bool OpenInfoMet(frmTabel& w, int16_t m, const QString& tekst) {
        return OpenInfoMet(w, m, [tekst](formEditInfo& d) {
            d.TextInfo->setText(tekst);
            d.CommandOK->click();
        });
    }
    bool InfoMetToets(int r, int16_t m, int32_t rij, const QString& tekst) {
        return InfoMetEnter(tabel(r), m, rij, tekst);
    }
    static QByteArray Bytes(const std::vector<QStringList>& regels) {
        QStringList tekst;
        for (const QStringList& f : regels)
            tekst << RegelVan(f);
        return TabelOmgeving::Bytes(tekst);
    }
    using TabelOmgeving::Bytes;
    // The working copy holds the header and the lines of the fields `verwacht`, byte for byte; a field
    // that differs is named by its line and number.
    void WerkkopieIs(const std::vector<QStringList>& verwacht, const QString& kop = QString()) {
        const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(Lees(nieuw())));
        ASSERT_EQ(regels.size(), static_cast<qsizetype>(verwacht.size()) + 1) << "lines of the working copy";
        for (size_t i = 0; i < verwacht.size(); ++i) {
            const QStringList gelezen = SplitsVelden(regels[static_cast<qsizetype>(i) + 1]);
            ASSERT_EQ(gelezen.size(), verwacht[i].size()) << "fields of line " << i + 2;
            for (qsizetype v = 0; v < gelezen.size(); ++v)
                EXPECT_EQ(gelezen[v].toStdString(), verwacht[i][v].toStdString())
                    << "line " << i + 2 << ", field " << v + 1;
        }
        const QString eigenKop = kop.isEmpty() ? QStringLiteral("\"Time\",\"header\"") : kop;
        EXPECT_EQ(regels.value(0).toStdString(), eigenKop.toStdString()) << "the header";
        QByteArray bytes = Bytes(verwacht);
        bytes = platform::NaarWindows1252(eigenKop) + bytes.mid(bytes.indexOf("\r\n"));
        EXPECT_TRUE(Lees(nieuw()) == bytes) << "the working copy's bytes";
    }
};

TEST_F(TabelBewerkingTest, ClearingAValueEmptiesItWithItsUnitInTheWorkingCopyOnly) {
    const QStringList regels = Laad(4);
    const QByteArray origineel = Lees(pad);

    // A unit column alone is never cleared.
    Selecteer(1, 4, 2, 3, 8, 8).WissenSelectie();
    EXPECT_EQ(Lees(nieuw()), origineel);
    EXPECT_EQ(tabel(1).CelTekst(4, 2, 8), QStringLiteral("mV"));

    // The value of input 2 of the second module (fields 29 and 30) in rows 2 and 3, not its flags.
    Selecteer(1, 4, 3, 2, 7, 7).WissenSelectie();
    QStringList verwacht = regels;
    verwacht[1] = Regel(2, QString(), {{29, ""}, {30, ""}});
    verwacht[2] = Regel(3, QString(), {{29, ""}, {30, ""}});
    EXPECT_EQ(Lees(nieuw()), Bytes(verwacht));
    EXPECT_EQ(Lees(pad), origineel);
    for (int32_t r = 1; r <= 4; ++r) {
        const bool gewist = r == 2 || r == 3;
        EXPECT_EQ(tabel(1).CelTekst(4, r, 7).isEmpty(), gewist) << r;
        EXPECT_EQ(tabel(1).CelTekst(4, r, 8).isEmpty(), gewist) << r;
        EXPECT_EQ(tabel(1).CelTekst(4, r, 9), QStringLiteral("70.7")) << r;
    }
    EXPECT_TRUE(vragen.empty());
}

TEST_F(TabelBewerkingTest, DeletingRowsAsksAndRemovesTheirLinesAndEmptiesThemInEveryTable) {
    const QStringList regels = Laad(7);
    const QByteArray origineel = Lees(pad);
    RackVlaggen[1].Table = RackVlaggen[2].Table = true;

    // The rows are marked in every shown table while the question stands; No changes nothing.
    frmTabel& w = Selecteer(1, 1, 5, 3, 4, 6);
    w.ToonLijnSelectie();
    EXPECT_EQ(tabel(2).Geselecteerd(2), 3);
    int16_t c1 = 0, c2 = 0;
    tabel(2).BepaalSelectieKolommen(2, c1, c2);
    EXPECT_EQ((std::pair<int, int>{c1, c2}), (std::pair<int, int>{1, 19}));
    antwoorden = {vbNo};
    w.VerwijderSelectie();
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[251] + QStringLiteral("3\r\n") + Tekst[421]);
    EXPECT_EQ(vragen[0].stijl, 52);
    EXPECT_EQ(vragen[0].titel, QStringLiteral("Delete selected lines"));
    EXPECT_FALSE(QFile::exists(nieuw()));
    EXPECT_EQ(tabel(2).CelTekst(2, 4, 3), QStringLiteral("1.04"));

    antwoorden = {vbYes};
    w.VerwijderSelectie();
    EXPECT_EQ(Lees(nieuw()), Bytes({regels[0], regels[1], regels[5], regels[6]}));
    EXPECT_EQ(Lees(pad), origineel);
    for (int32_t r = 3; r <= 5; ++r)
        RijIsLeeg(r);
    EXPECT_EQ(tabel(2).CelTekst(2, 6, 3), QStringLiteral("1.06"));
    EXPECT_EQ(tabel(1).CelTekst(4, 2, 3), QStringLiteral("1.02"));
}

// A row emptied by a delete has no time and no line any more: the edits after it skip it and still
// find the lines of the rows beyond it.
TEST_F(TabelBewerkingTest, EditsAcrossDeletedRowsKeepFileAndTablesTogether) {
    const QStringList regels = Laad(8);
    Verwijder(1, 1, 3, 4);

    // Value and unit of input 1 of the first module (fields 3 and 4) in rows 2..6.
    Selecteer(1, 1, 2, 6, 3, 3).WissenSelectie();
    const auto gewist = [](int s) { return Regel(s, QString(), {{3, ""}, {4, ""}}); };
    EXPECT_EQ(Lees(nieuw()), Bytes({regels[0], gewist(2), gewist(5), gewist(6), regels[6], regels[7]}));
    for (const int32_t r : {2, 5, 6}) {
        EXPECT_EQ(tabel(1).CelTekst(1, r, 3), QString()) << r;
        EXPECT_EQ(tabel(1).CelTekst(1, r, 5), QStringLiteral("21.5")) << r;
    }
    EXPECT_EQ(tabel(1).CelTekst(1, 7, 3), QStringLiteral("1.07"));

    Verwijder(1, 4, 2, 7);
    EXPECT_EQ(Lees(nieuw()), Bytes({regels[0], regels[7]}));
    for (int32_t r = 2; r <= 7; ++r)
        RijIsLeeg(r);
    EXPECT_EQ(tabel(2).CelTekst(2, 8, 3), QStringLiteral("1.08"));
}

// An end point written in the second of the snapshot before it: its row edits its own line, never the
// snapshot's; an info text of the snapshot goes into its end point too, one of the end point into its own
// line alone.
TEST_F(TabelBewerkingTest, RowsThatShareASecondEachEditTheirOwnLine) {
    const QStringList regels = {Regel(1), Regel(2), Eindpunt(2, QStringLiteral("Stop")), Regel(4)};
    Schrijf(pad, Bytes(regels));
    LeesGegevensbestand(pad);
    ASSERT_EQ(tabel(1).CelTekst(1, 3, KolomInfo), QStringLiteral("Stop"));

    // Clearing the value of input 1 of the first module (fields 3 and 4) in row 2 only.
    Selecteer(1, 1, 2, 2, 3, 3).WissenSelectie();
    const QString gewist = Regel(2, QString(), {{3, ""}, {4, ""}});
    EXPECT_EQ(Lees(nieuw()), Bytes({regels[0], gewist, regels[2], regels[3]}));

    // An info text of the end point's row reaches its own line alone, not the reading before it.
    EXPECT_TRUE(InfoMetToets(1, 4, 3, QStringLiteral("end")));
    EXPECT_EQ(Lees(nieuw()),
              Bytes({regels[0], gewist, Eindpunt(2, QStringLiteral("Stop"), {{43, "end"}}), regels[3]}));
    EXPECT_EQ(tabel(1).CelTekst(4, 2, KolomInfo), QString());

    // An info text of row 2 reaches the lines of its second next to its own that are end points.
    EXPECT_TRUE(InfoMetToets(1, 4, 2, QStringLiteral("both")));
    const QString beide = Regel(2, QString(), {{3, ""}, {4, ""}, {43, QStringLiteral("both")}});
    EXPECT_EQ(Lees(nieuw()),
              Bytes({regels[0], beide, Eindpunt(2, QStringLiteral("Stop"), {{43, "both"}}), regels[3]}));
    EXPECT_EQ(tabel(1).CelTekst(4, 3, KolomInfo), QStringLiteral("both"));

    // Deleting row 3 takes its own line and leaves the snapshot of row 2.
    Verwijder(1, 1, 3, 3);
    EXPECT_EQ(Lees(nieuw()), Bytes({regels[0], beide, regels[3]}));
    RijIsLeeg(3);
    EXPECT_EQ(tabel(1).CelTekst(1, 2, 7), QStringLiteral("2.02"));
}

// The clock set back (the end of summer time) repeats a second far apart in one file: rows :01 :02 :03
// :02 :05. An edit of either :02 row reaches the line that row was read from, the line of that second
// after as many of its lines as the table has rows of it before the row, and leaves the other :02 line
// alone; an info text too, which reaches only the lines of its second next to its own. The later :02
// line ends after rack 1's blocks: rack 2's info is refused on that row, though the earlier :02 line has
// its field.
TEST_F(TabelBewerkingTest, EditsOfASecondThatComesBackReachTheLineOfTheirOwnRow) {
    std::vector<QStringList> f;
    for (const int s : {1, 2, 3, 2, 5})
        f.push_back(SplitsVelden(Regel(s)));
    f[3] = f[3].mid(0, 43);
    f[3][2] = QStringLiteral("9.02");
    Schrijf(pad, Bytes(f));
    LeesGegevensbestand(pad);
    ASSERT_EQ(vragen.size(), 1u) << "the short line is named";
    vragen.clear();
    ASSERT_EQ(tabel(1).CelTekst(1, 4, 3), QStringLiteral("9.02"));
    ASSERT_EQ(tabel(1).CelTekst(1, 2, 3), QStringLiteral("1.02"));

    // Edit > Info on each :02 row: its own line only.
    EXPECT_TRUE(InfoMetToets(1, 1, 4, QStringLiteral("late")));
    f[3][21] = QStringLiteral("late");
    WerkkopieIs(f);
    EXPECT_TRUE(InfoMetToets(1, 1, 2, QStringLiteral("early")));
    f[1][21] = QStringLiteral("early");
    WerkkopieIs(f);
    EXPECT_EQ(tabel(1).CelTekst(1, 4, KolomInfo), QStringLiteral("late"));
    EXPECT_EQ(tabel(1).CelTekst(1, 2, KolomInfo), QStringLiteral("early"));

    // Rack 2's info: the earlier :02 line has its field, the later one none (read by position, it ends
    // before rack 2's block): refused before the editor opens, with what applies to such a row; so too a
    // text handed in for it (the choice at OK).
    EXPECT_FALSE(InfoMetToets(2, 2, 4, QStringLiteral("lost")))
        << "the info editor of a module the row's own line has no field of";
    EXPECT_FALSE(SchrijfInfo(2, 2, 4, QStringLiteral("lost")));
    ASSERT_EQ(vragen.size(), 2u);
    for (const Vraag& v : vragen) {
        EXPECT_TRUE(v.tekst.startsWith(
            QStringLiteral("This row was read by position and holds no field of R2M2.\r\n")))
            << v.tekst.toStdString();
        EXPECT_EQ(v.stijl, vbExclamation);
    }
    vragen.clear();
    EXPECT_TRUE(InfoMetToets(2, 2, 2, QStringLiteral("two")));
    f[1][63] = QStringLiteral("two");
    WerkkopieIs(f);
    EXPECT_EQ(tabel(2).CelTekst(2, 4, KolomInfo), QString());

    // Clear selection: input 1's value and unit (fields 3 and 4) of the later row, then of the earlier.
    Selecteer(1, 1, 4, 4, 3, 3).WissenSelectie();
    f[3][2] = f[3][3] = QString();
    WerkkopieIs(f);
    EXPECT_EQ(tabel(1).CelTekst(1, 2, 3), QStringLiteral("1.02"));
    Selecteer(1, 1, 2, 2, 5, 5).WissenSelectie();
    f[1][4] = f[1][5] = QString();
    WerkkopieIs(f);
    EXPECT_EQ(tabel(1).CelTekst(1, 4, 5), QStringLiteral("21.5"));

    // Delete line: the later row's line goes, the earlier row keeps its own; then the earlier one.
    Verwijder(1, 1, 4, 4);
    WerkkopieIs({f[0], f[1], f[2], f[4]});
    RijIsLeeg(4);
    EXPECT_EQ(tabel(1).CelTekst(1, 2, KolomInfo), QStringLiteral("early"));
    Verwijder(1, 4, 2, 2);
    WerkkopieIs({f[0], f[2], f[4]});
    RijIsLeeg(2);
    EXPECT_EQ(tabel(1).CelTekst(1, 3, 3), QStringLiteral("1.03"));
    EXPECT_EQ(vragen.size(), 2u); // the two delete questions
}

TEST_F(TabelBewerkingTest, TheTablesWrittenToAFileLeaveDeletedRowsOut) {
    Laad(4);
    Verwijder(1, 4, 2, 3);
    const QString kopie = map + QStringLiteral("/kopie.csv");
    ASSERT_TRUE(SchrijfGegevensbestand(kopie));
    LeesGegevensbestand(kopie);
    EXPECT_EQ(vragen.size(), 1u); // the delete question; no unsound lines
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_EQ(tabel(2).CelTekst(2, 2, 3), QStringLiteral("1.04"));
}

TEST_F(TabelBewerkingTest, AnEditThatCannotReplaceTheWorkingCopyLeavesTheTablesAsTheyWere) {
    class GeenVervanging : public Bestandsbewerkingen {
        bool Hernoem(const QString& van, const QString& naar) override {
            return !naar.endsWith(QLatin1String(".new")) && Bestandsbewerkingen::Hernoem(van, naar);
        }
    } bewerkingen;
    const QStringList regels = Laad(3);
    ZetBestandsbewerkingen(&bewerkingen);
    Verwijder(1, 1, 2, 2);
    Selecteer(1, 1, 1, 3, 3, 19).WissenSelectie();
    // The info editor stays open with its text after the box at OK; Cancel closes it.
    bool open = false;
    QString tekst;
    EXPECT_TRUE(OpenInfoMet(Selecteer(1, 1, 3, 3, 3, 3), 1, [&](formEditInfo& d) {
        d.TextInfo->setText(QStringLiteral("lost"));
        d.CommandOK->click();
        open = d.isVisible();
        tekst = d.TextInfo->text();
        d.CommandCancel->click();
    }));
    EXPECT_TRUE(open) << "the editor closed with the text";
    EXPECT_EQ(tekst, QStringLiteral("lost"));
    EXPECT_EQ(vragen.size(), 4u); // the question, and a message for each failed edit
    EXPECT_EQ(Lees(nieuw()), Lees(pad));
    EXPECT_EQ(tabel(1).CelTekst(1, 2, 3), QStringLiteral("1.02"));
    EXPECT_EQ(tabel(2).CelTekst(2, 2, 3), QStringLiteral("1.02"));
    EXPECT_EQ(tabel(1).CelTekst(1, 3, 4), QStringLiteral("pH"));
    EXPECT_EQ(tabel(1).CelTekst(1, 3, KolomInfo), QString());

    // Once the working copy can be replaced again, OK in the editor left open writes the text and closes
    // it.
    vragen.clear();
    EXPECT_TRUE(OpenInfoMet(Selecteer(1, 1, 3, 3, 3, 3), 1, [&](formEditInfo& d) {
        d.TextInfo->setText(QStringLiteral("kept"));
        d.CommandOK->click();
        open = d.isVisible();
        ZetBestandsbewerkingen(nullptr);
        d.CommandOK->click();
    }));
    ZetBestandsbewerkingen(nullptr);
    EXPECT_TRUE(open) << "the editor closed with the text";
    ASSERT_EQ(vragen.size(), 1u) << "a box at the first OK only";
    QStringList verwacht = regels;
    verwacht[2] = Regel(3, QString(), {{22, QStringLiteral("kept")}});
    EXPECT_EQ(Lees(nieuw()), Bytes(verwacht));
    EXPECT_EQ(tabel(1).CelTekst(1, 3, KolomInfo), QStringLiteral("kept"));
}

TEST_F(TabelBewerkingTest, TablesOfATemplateNameAreNotEdited) {
    Laad(3);
    Gegevensbestand = map + QStringLiteral("/run_#date#.csv");
    frmTabel& w = Selecteer(1, 1, 1, 2, 3, 4);
    w.WissenSelectie();
    w.VerwijderSelectie();
    w.OpenInfo(1);
    ASSERT_EQ(vragen.size(), 3u);
    for (const Vraag& v : vragen) {
        EXPECT_EQ(v.tekst,
                  QStringLiteral("Tables with a automatic denominated filename cannot be edited!\r\n"));
        EXPECT_EQ(v.stijl, vbExclamation);
        EXPECT_EQ(v.titel, Gegevensbestand);
    }
    EXPECT_EQ(QDir(map).entryList(QDir::Files), QStringList{QStringLiteral("run.csv")});
    EXPECT_EQ(w.CelTekst(1, 1, 3), QStringLiteral("1.01"));
}

TEST_F(TabelBewerkingTest, TheInfoOfARowGoesIntoItsFieldAsOneQuotedLine) {
    const QStringList regels = Laad(3);
    frmTabel& w = Selecteer(1, 4, 1, 2, 3, 3);
    QString label, titel;
    EXPECT_TRUE(OpenInfoMet(w, 4, [&label, &titel](formEditInfo& d) {
        label = d.LabelInfo->text();
        titel = d.windowTitle();
        d.TextInfo->setText(QStringLiteral(" calibrated \"A\"\r\nby Jo "));
        d.CommandOK->click();
    }));
    EXPECT_EQ(titel, QStringLiteral("Edit info"));
    EXPECT_EQ(label, QStringLiteral("No 2, 05/01/2026, 09:00:02"));
    const QString info = QStringLiteral(" calibrated \"A\" by Jo ");
    EXPECT_EQ(w.CelTekst(4, 2, KolomInfo), info);
    QStringList verwacht = regels;
    verwacht[1] = Regel(2, QString(), {{43, info}});
    EXPECT_EQ(Lees(nieuw()), Bytes(verwacht));
    EXPECT_TRUE(Lees(nieuw()).contains("\" calibrated \"\"A\"\" by Jo \""));
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
}

// Rows 1-3 loaded, row 4 taken whose line the file never got (a row given up at a full disk), row 5 the
// empty row below the newest: Edit > Info on rows 4 and 5 is refused before the editor opens with the box
// that says the row has no line in the file, and nothing changes; the editor open on a row whose line is
// gone gets the same box at OK. Rows 1-3 take their text as before.
TEST_F(TabelBewerkingTest, AnInfoOnARowWithoutALineIsRefusedWithABox) {
    const QStringList regels = Laad(3);
    const QByteArray origineel = Lees(pad);
    AantalMetingen = 4;
    TijdMeting = platform::MaakDatum(2026, 1, 5, 9, 0, 4);
    for (int r = 1; r <= 2; ++r)
        tabel(r).VulTabellenAan(QString());
    ASSERT_EQ(tabel(2).CelTekst(2, 4, KolomTijd), QStringLiteral("09:00:04"));

    const QString geenRegel =
        QStringLiteral("This row has no line in the file:\r\nits info text cannot be written.");
    for (const int32_t rij : {4, 5}) {
        SCOPED_TRACE("row " + std::to_string(rij));
        vragen.clear();
        EXPECT_FALSE(InfoMetToets(2, 2, rij, QStringLiteral("lost"))) << "the editor opened";
        ASSERT_EQ(vragen.size(), 1u) << "no box";
        EXPECT_TRUE(vragen[0].tekst.startsWith(geenRegel)) << vragen[0].tekst.toStdString();
        EXPECT_EQ(vragen[0].stijl, vbExclamation);
        EXPECT_EQ(vragen[0].titel, pad);
        EXPECT_FALSE(QFile::exists(nieuw())) << "a working copy made for a text that went nowhere";
        EXPECT_EQ(tabel(2).CelTekst(2, rij, KolomInfo), QString());
    }
    // In French and Dutch too.
    for (const auto& [taal, begin] :
         {std::pair{1, QStringLiteral("Cette ligne du tableau n'a pas de ligne dans le fichier")},
          {2, QStringLiteral("Deze rij heeft geen regel in het bestand:")}}) {
        int t = taal;
        KiesTaal(t);
        vragen.clear();
        EXPECT_FALSE(InfoMetToets(1, 1, 4, QStringLiteral("perdu")));
        ASSERT_EQ(vragen.size(), 1u);
        EXPECT_TRUE(vragen[0].tekst.startsWith(begin)) << vragen[0].tekst.toStdString();
    }
    int engels = 0;
    KiesTaal(engels);

    // Rows 1-3 as before; then the editor already open when its row's line is gone: the same box at OK.
    vragen.clear();
    EXPECT_TRUE(InfoMetToets(2, 2, 2, QStringLiteral("kept")));
    QStringList verwacht = regels;
    verwacht[1] = Regel(2, QString(), {{64, QStringLiteral("kept")}});
    EXPECT_EQ(Lees(nieuw()), Bytes(verwacht));
    EXPECT_EQ(tabel(2).CelTekst(2, 2, KolomInfo), QStringLiteral("kept"));
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
    // The row emptied while its editor is open (as a delete empties it): Enter in the text field (OK)
    // gives the box and writes nothing; the editor stays open with the text as typed, selected to be
    // copied, and Escape closes it.
    const QByteArray werkkopie = Lees(nieuw());
    // What the editor showed after the box at OK was answered.
    struct NaOK {
        bool open = false;
        QString tekst, selectie;
        void Neem(const formEditInfo& d) {
            open = d.isVisible();
            tekst = d.TextInfo->text();
            selectie = d.TextInfo->selectedText();
        }
    } naOK;
    EXPECT_TRUE(OpenInfoMet(Selecteer(2, 2, 3, 3, 3, 3), 2, [&naOK](formEditInfo& d) {
        d.TextInfo->setText(QStringLiteral("gone "));
        WisRijInTabellen(3);
        QTest::keyClick(d.TextInfo, Qt::Key_Return);
        naOK.Neem(d);
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    ASSERT_EQ(vragen.size(), 1u) << "no box at OK";
    EXPECT_TRUE(vragen[0].tekst.startsWith(geenRegel)) << vragen[0].tekst.toStdString();
    EXPECT_TRUE(naOK.open) << "the editor closed with the text";
    EXPECT_EQ(naOK.tekst, QStringLiteral("gone "));
    EXPECT_EQ(naOK.selectie, QStringLiteral("gone "));
    EXPECT_EQ(Lees(nieuw()), werkkopie);
    EXPECT_EQ(tabel(2).CelTekst(2, 3, KolomInfo), QString());
    // So too a text handed in for the row given up.
    vragen.clear();
    EXPECT_FALSE(SchrijfInfo(2, 2, 4, QStringLiteral("lost")));
    ASSERT_EQ(vragen.size(), 1u) << "no box";
    EXPECT_EQ(Lees(nieuw()), werkkopie);
    EXPECT_EQ(Lees(pad), origineel);

    // The data file removed while the editor is open: the same box at OK, and nothing anywhere. The
    // editor stays open; OK again gets the box again, and the title bar's close button closes it.
    vragen.clear();
    naOK = {};
    EXPECT_TRUE(OpenInfoMet(Selecteer(2, 2, 2, 2, 3, 3), 2, [this, &naOK](formEditInfo& d) {
        d.TextInfo->setText(QStringLiteral("gone"));
        QFile::remove(pad);
        d.CommandOK->click();
        d.CommandOK->click();
        naOK.Neem(d);
        d.close();
    }));
    ASSERT_EQ(vragen.size(), 2u) << "a box at each OK";
    for (const Vraag& v : vragen)
        EXPECT_TRUE(v.tekst.startsWith(geenRegel)) << v.tekst.toStdString();
    EXPECT_TRUE(naOK.open) << "the editor closed with the text";
    EXPECT_EQ(naOK.tekst, QStringLiteral("gone"));
    EXPECT_FALSE(QFile::exists(pad));
    EXPECT_EQ(Lees(nieuw()), werkkopie);
    EXPECT_EQ(tabel(2).CelTekst(2, 2, KolomInfo), QStringLiteral("kept"));
    // Edit > Info opened on the file that is gone, and a text handed in for it: the same box.
    vragen.clear();
    EXPECT_FALSE(InfoMetToets(2, 2, 2, QStringLiteral("lost"))) << "the editor opened";
    EXPECT_FALSE(SchrijfInfo(2, 2, 2, QStringLiteral("lost")));
    ASSERT_EQ(vragen.size(), 2u) << "a box for each";
    for (const Vraag& v : vragen)
        EXPECT_EQ(v.tekst.toStdString(), Tekst[509].toStdString());

    // A file that cannot be read (its working copy a folder): the box that says so, and no other.
    Schrijf(pad, origineel);
    ASSERT_TRUE(QFile::remove(nieuw()));
    ASSERT_TRUE(QDir().mkdir(nieuw()));
    vragen.clear();
    EXPECT_FALSE(InfoMetToets(2, 2, 2, QStringLiteral("lost"))) << "the editor opened";
    ASSERT_EQ(vragen.size(), 1u) << "boxes for one unreadable file";
    EXPECT_EQ(vragen[0].tekst, QStringLiteral("An error is encountered when reading this data file!"));
    ASSERT_TRUE(QDir().rmdir(nieuw()));
}

// A file logged per rack, of rack 2 (its header names R2M2), opened with both racks present: rack 2's
// table shows its values. A cleared value and an info of rack 2's rows go into rack 2's fields, which
// the header names (the first block of the line), never by the place rack 2 would have in a file of
// both racks. Rack 1's tables have no field in the file: its info cannot be edited, and says why.
TEST_F(TabelBewerkingTest, EditsOfAFileLoggedPerRackGoIntoTheFieldsItsHeaderNames) {
    QString kop = QStringLiteral("\"Time\"");
    for (int c = 1; c <= 4; ++c)
        for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
            kop += QStringLiteral(",\"%1 R2M2C%2\"").arg(QLatin1String(soort)).arg(c);
    kop += QStringLiteral(",\"Info ISE\",\"\"");
    // The time and the first block of the test system's lines, then the line's closing empty field.
    const auto rackRegel = [](int s, const std::vector<std::pair<int, QString>>& velden = {}) {
        return RegelVan(SplitsVelden(Regel(s)).mid(0, 22) << QString(), velden);
    };
    const auto bytes = [&kop](const QStringList& regels) {
        QByteArray b = platform::NaarWindows1252(kop) + "\r\n";
        for (const QString& r : regels)
            b += platform::NaarWindows1252(r) + "\r\n";
        return b;
    };
    QStringList regels{rackRegel(1), rackRegel(2), rackRegel(3)};
    Schrijf(pad, bytes(regels));
    LeesGegevensbestand(pad);
    ASSERT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
    EXPECT_EQ(tabel(2).CelTekst(2, 2, 3), QStringLiteral("1.02"));
    EXPECT_EQ(tabel(1).CelTekst(1, 2, 3), QString());
    EXPECT_EQ(tabel(1).CelTekst(1, 2, KolomTijd), QStringLiteral("09:00:02"));

    // Input 1's value of rack 2's module in rows 2 and 3: fields 3 and 4 of the line.
    Selecteer(2, 2, 2, 3, 3, 3).WissenSelectie();
    regels[1] = rackRegel(2, {{3, ""}, {4, ""}});
    regels[2] = rackRegel(3, {{3, ""}, {4, ""}});
    EXPECT_EQ(Lees(nieuw()), bytes(regels));
    EXPECT_EQ(tabel(2).CelTekst(2, 2, 3), QString());

    // The info of rack 2's row 1: field 22.
    frmTabel& w = Selecteer(2, 2, 1, 1, 3, 3);
    EXPECT_TRUE(OpenInfoMet(w, 2, QStringLiteral("checked")));
    regels[0] = rackRegel(1, {{22, QStringLiteral("checked")}});
    EXPECT_EQ(Lees(nieuw()), bytes(regels));
    EXPECT_EQ(w.CelTekst(2, 1, KolomInfo), QStringLiteral("checked"));

    // Rack 1's module: no field in the file. Clearing its (empty) cells changes nothing; its info is
    // refused before the editor opens.
    Selecteer(1, 1, 1, 3, 3, 19).WissenSelectie();
    EXPECT_EQ(Lees(nieuw()), bytes(regels));
    EXPECT_FALSE(OpenInfoMet(Selecteer(1, 1, 1, 1, 3, 3), 1, [](formEditInfo& d) {
        d.CommandCancel->click();
    })) << "the info editor of a module the file has no field of";
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.startsWith(QStringLiteral("This file and the racks present differ in R1M1.")))
        << vragen[0].tekst.toStdString();
    EXPECT_EQ(vragen[0].stijl, vbExclamation);
    EXPECT_EQ(Lees(nieuw()), bytes(regels));
    QCoreApplication::processEvents();
}

// A logging file of another program that wrote the block of a module that became present (slot 2 of
// rack 1) into its rows in module order, under a header that names the others (R1M1, R1M4, R2M2): the
// longer row is read by position, the others by the header. Every edit goes into the field its cell was
// read from: an info of slot 4 into slot 4's block of its row (the third of the longer row, the second
// of the others), a clear of rows of both kinds into each row's own fields. Slot 2 has a field in the
// longer row only: its info is written there, and refused on the other rows.
TEST_F(TabelBewerkingTest, EditsOfRowsReadByPositionUnderALoggingHeaderGoIntoTheFieldsTheyWereReadFrom) {
    ModuleRecord& nieuw2 = Racks[1].Modules[2];
    nieuw2.Present = true;
    nieuw2.Type = "K761";
    nieuw2.Name = "Redox";
    nieuw2.Meting[1].Set = true;
    nieuw2.Meting[1].Unit = "mV";
    for (int c = 1; c <= 4; ++c)
        nieuw2.Temperatuur[c].Unit = u8("°C");
    using Modules = std::vector<std::pair<int, int>>;
    QString kop = QStringLiteral("\"Time\"");
    for (const auto& [r, m] : Modules{{1, 1}, {1, 4}, {2, 2}}) {
        for (int c = 1; c <= 4; ++c)
            for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
                kop += QStringLiteral(",\"%1 R%2M%3C%4\"").arg(QLatin1String(soort)).arg(r).arg(m).arg(c);
        kop += QStringLiteral(",\"Info M%1\"").arg(m);
    }
    kop += QStringLiteral(",\"\"");
    // The fields of a row at second s with a block per module: input n of module m of rack r has the
    // value r m n . s ("141.02": rack 1, slot 4, input 1, second 2), the info is "i" r m; then the closing
    // empty field.
    const auto velden = [](int s, const Modules& modules) {
        QStringList f{QStringLiteral("05/01/2026 09:00:%1").arg(s, 2, 10, QLatin1Char('0'))};
        for (const auto& [r, m] : modules) {
            for (int n = 1; n <= 4; ++n)
                f << QStringLiteral("0")
                  << QStringLiteral("%1%2%3.%4").arg(r).arg(m).arg(n).arg(s, 2, 10, QLatin1Char('0'))
                  << QStringLiteral("mV") << QStringLiteral("21.5") << u8("°C");
            f << QStringLiteral("i%1%2").arg(r).arg(m);
        }
        f << QString();
        return f;
    };
    const auto regel = [](const QStringList& f) {
        QString r;
        for (qsizetype i = 0; i < f.size(); ++i)
            VoegCsvVeldToe(r, f[i], i + 1 == f.size());
        r.chop(2);
        return r;
    };
    std::vector<QStringList> rijen{velden(1, {{1, 1}, {1, 4}, {2, 2}}),
                                   velden(2, {{1, 1}, {1, 2}, {1, 4}, {2, 2}}),
                                   velden(3, {{1, 1}, {1, 4}, {2, 2}})};
    QByteArray bytes = platform::NaarWindows1252(kop) + "\r\n";
    for (const QStringList& f : rijen)
        bytes += platform::NaarWindows1252(regel(f)) + "\r\n";
    Schrijf(pad, bytes);
    LeesGegevensbestand(pad);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.contains(QStringLiteral("\r\n3: "))) << "the longer row is named";
    vragen.clear();
    frmTabel& w = tabel(1);
    EXPECT_EQ(w.CelTekst(4, 2, 3), QStringLiteral("141.02"));
    EXPECT_EQ(w.CelTekst(2, 2, 3), QStringLiteral("121.02"));
    EXPECT_EQ(w.CelTekst(4, 1, 3), QStringLiteral("141.01"));
    EXPECT_EQ(w.CelTekst(2, 1, 3), QString());

    const auto info = [this](int16_t m, int32_t rij, const QString& tekst) {
        EXPECT_TRUE(OpenInfoMet(Selecteer(1, m, rij, rij, 3, 3), m, tekst)) << "row " << rij;
    };
    // The info of slot 4: on the longer row field 64 (its third block), on a row of the header field 43.
    info(4, 2, QStringLiteral("checked"));
    rijen[1][63] = QStringLiteral("checked");
    info(4, 3, QStringLiteral("three"));
    rijen[2][42] = QStringLiteral("three");
    // Slot 2's info on the longer row: field 43, its own block there.
    info(2, 2, QStringLiteral("noted"));
    rijen[1][42] = QStringLiteral("noted");
    EXPECT_EQ(w.CelTekst(4, 2, KolomInfo), QStringLiteral("checked"));
    EXPECT_EQ(w.CelTekst(2, 2, KolomInfo), QStringLiteral("noted"));
    ASSERT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

    // Input 1's value and unit of slot 4 in rows 1 and 2: fields 24 and 25 of the header's row, 45 and
    // 46 of the longer row.
    Selecteer(1, 4, 1, 2, 3, 3).WissenSelectie();
    rijen[0][23] = rijen[0][24] = QString();
    rijen[1][44] = rijen[1][45] = QString();
    EXPECT_EQ(w.CelTekst(4, 1, 3), QString());
    EXPECT_EQ(w.CelTekst(4, 2, 3), QString());

    // Slot 2 has no field in a row of the header: its info is refused before the editor opens.
    EXPECT_FALSE(OpenInfoMet(Selecteer(1, 2, 1, 1, 3, 3), 2, [](formEditInfo& d) {
        d.CommandCancel->click();
    })) << "the info editor of a module the row has no field of";
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.startsWith(QStringLiteral("This file and the racks present differ in R1M2.")))
        << vragen[0].tekst.toStdString();
    EXPECT_EQ(vragen[0].stijl, vbExclamation);
    EXPECT_EQ(w.CelTekst(2, 1, KolomInfo), QString());

    // Committed, the data file holds every edit in its own field and nothing else changed.
    vragen.clear();
    antwoorden = {vbYes};
    ControleerWijzigingen(pad, false, false);
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(Lees(pad)));
    ASSERT_EQ(regels.size(), 4);
    EXPECT_EQ(regels[0], kop);
    for (size_t i = 0; i < rijen.size(); ++i) {
        const QStringList gelezen = SplitsVelden(regels[static_cast<qsizetype>(i) + 1]);
        ASSERT_EQ(gelezen.size(), rijen[i].size()) << "row " << i + 1;
        for (qsizetype v = 0; v < gelezen.size(); ++v)
            EXPECT_EQ(gelezen[v], rijen[i][v]) << "row " << i + 1 << " field " << v + 1;
    }
    // Loaded again, each cell shows its edit.
    LeesGegevensbestand(pad);
    EXPECT_EQ(w.CelTekst(4, 2, KolomInfo), QStringLiteral("checked"));
    EXPECT_EQ(w.CelTekst(2, 2, KolomInfo), QStringLiteral("noted"));
    EXPECT_EQ(w.CelTekst(4, 3, KolomInfo), QStringLiteral("three"));
    EXPECT_EQ(w.CelTekst(2, 2, 3), QStringLiteral("121.02"));
    EXPECT_EQ(w.CelTekst(4, 2, 3), QString());
    EXPECT_EQ(tabel(2).CelTekst(2, 2, 3), QStringLiteral("221.02"));
}

// Racks 1 (slots 1 and 4), 2 (slot 2) and 3 (slot 1); a file whose header does not place its blocks,
// so its rows are read by position, is loaded. Then a module logs on in rack 1's slot 2, as at System >
// Search: rack 1's table is laid out anew, racks 2 and 3 keep their rows. Their edits go into the fields
// those rows were read from, by the layout kept with the tables since the load, never into the block the
// racks present now would give them (rack 3's). A row that came after the load is refused with a box.
TEST_F(TabelBewerkingTest, EditsAfterALogOnGoIntoTheFieldsTheLoadReadTheirRowsFrom) {
    ModuleRecord& derde = Racks[3].Modules[1];
    Racks[3].Present = true;
    Racks[3].Name = "Lab C";
    derde.Present = true;
    derde.Type = "K761";
    derde.Name = "DO";
    derde.Meting[1].Set = true;
    derde.Meting[1].Unit = "mV";
    for (int c = 1; c <= 4; ++c)
        derde.Temperatuur[c].Unit = u8("°C");
    // Input n of the module in rack r, slot m has the value r m n . s; its info is "i" r m.
    const auto velden = [](int s) {
        QStringList f{QStringLiteral("05/01/2026 09:00:%1").arg(s, 2, 10, QLatin1Char('0'))};
        for (const auto& [r, m] : {std::pair{1, 1}, {1, 4}, {2, 2}, {3, 1}}) {
            for (int n = 1; n <= 4; ++n)
                f << QStringLiteral("0")
                  << QStringLiteral("%1%2%3.%4").arg(r).arg(m).arg(n).arg(s, 2, 10, QLatin1Char('0'))
                  << QStringLiteral("mV") << QStringLiteral("21.5") << u8("°C");
            f << QStringLiteral("i%1%2").arg(r).arg(m);
        }
        return f;
    };
    std::vector<QStringList> f{velden(1), velden(2), velden(3)};
    Schrijf(pad, Bytes(f));
    LeesGegevensbestand(pad);
    ASSERT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

    // The log-on of a module in rack 1's slot 2, as a Search has it: every table waits, then each rack
    // logs on and its table is laid out.
    for (int r = 1; r <= 3; ++r)
        tabel(r).WachtOpAanmelding();
    ModuleRecord& nieuw2 = Racks[1].Modules[2];
    nieuw2.Present = true;
    nieuw2.Idno = 0x0F000102;
    nieuw2.Type = "K761";
    nieuw2.Name = "Redox";
    for (int r = 1; r <= 3; ++r)
        herstel.StelTabelIn(r);
    ASSERT_EQ(tabel(1).CelTekst(1, 2, 3), QString()) << "rack 1's table laid out anew";
    ASSERT_EQ(tabel(2).CelTekst(2, 2, 3), QStringLiteral("221.02"));
    ASSERT_EQ(tabel(3).CelTekst(1, 2, 3), QStringLiteral("311.02"));

    // Edit > Info of rack 2's module on row 2: rack 2's info field (64), not rack 3's (85).
    EXPECT_TRUE(InfoMetToets(2, 2, 2, QStringLiteral("checked")));
    f[1][63] = QStringLiteral("checked");
    WerkkopieIs(f);
    EXPECT_EQ(tabel(2).CelTekst(2, 2, KolomInfo), QStringLiteral("checked"));
    EXPECT_EQ(tabel(3).CelTekst(1, 2, KolomInfo), QStringLiteral("i31"));
    // Clear selection of input 1's value of rack 2's module on rows 2 and 3: fields 45 and 46.
    Selecteer(2, 2, 2, 3, 3, 3).WissenSelectie();
    f[1][44] = f[1][45] = f[2][44] = f[2][45] = QString();
    WerkkopieIs(f);
    // Rack 3's module: its own block, the fourth.
    EXPECT_TRUE(InfoMetToets(3, 1, 1, QStringLiteral("three")));
    f[0][84] = QStringLiteral("three");
    WerkkopieIs(f);
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

    // A row logged after the log-on: its line holds the five blocks of the modules present now, rack 2's
    // the fourth. Its info goes into that line's rack 2 field (85), by the modules it was logged with.
    AantalMetingen = 4;
    TijdMeting = platform::MaakDatum(2026, 1, 5, 9, 0, 4);
    tabel(2).VulTabellenAan(QString());
    ASSERT_FALSE(tabel(2).CelTekst(2, 4, KolomTijd).isEmpty());
    QStringList vijf{tabel(2).CelTekst(2, 4, KolomDatum) + QLatin1Char(' ') +
                     tabel(2).CelTekst(2, 4, KolomTijd)};
    for (int b = 0; b < 5; ++b) {
        for (int v = 0; v < 20; ++v)
            vijf << QString();
        vijf << QStringLiteral("block %1").arg(b + 1);
    }
    {
        QFile data(pad);
        ASSERT_TRUE(data.open(QIODevice::Append));
        data.write(platform::NaarWindows1252(RegelVan(vijf)) + "\r\n");
    }
    EXPECT_TRUE(InfoMetToets(2, 2, 4, QStringLiteral("late")));
    vijf[84] = QStringLiteral("late");
    f.push_back(vijf);
    WerkkopieIs(f);
    EXPECT_EQ(tabel(2).CelTekst(2, 4, KolomInfo), QStringLiteral("late"));
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
    // The rows read before keep the layout they were read with: rack 3's info of row 2 is field 85.
    EXPECT_TRUE(InfoMetToets(3, 1, 2, QStringLiteral("again")));
    f[1][84] = QStringLiteral("again");
    WerkkopieIs(f);
    // One Clear over a row of each layout, the info of rack 2's module in rows 3 and 4: each row's line by
    // its own layout, field 64 of row 3 and field 85 of row 4.
    Selecteer(2, 2, 3, 4, KolomInfo, KolomInfo).WissenSelectie();
    f[2][63] = f[3][84] = QString();
    WerkkopieIs(f);
    EXPECT_EQ(tabel(2).CelTekst(2, 3, KolomInfo), QString());
    EXPECT_EQ(tabel(2).CelTekst(2, 4, KolomInfo), QString());
    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

    // A row whose layout the table does not know (its cells filled by no load, Save As or logging): its
    // info and a clear that takes it in are refused with the box that says so, and nothing changes.
    for (const int16_t c : {KolomDatum, KolomTijd})
        tabel(2).ZetCelTekst(2, 5, c, tabel(2).CelTekst(2, 4, c));
    const QByteArray werkkopie = Lees(nieuw());
    EXPECT_FALSE(InfoMetToets(2, 2, 5, QStringLiteral("lost")))
        << "the info editor of a row of no known layout";
    const QString temperatuur = tabel(2).CelTekst(2, 1, 5);
    ASSERT_FALSE(temperatuur.isEmpty());
    Selecteer(2, 2, 1, 5, 5, 5).WissenSelectie();
    ASSERT_EQ(vragen.size(), 2u);
    for (const Vraag& v : vragen) {
        EXPECT_TRUE(v.tekst.startsWith(
            QStringLiteral("It is not known where the values of this row lie in its line of the file")))
            << v.tekst.toStdString();
        EXPECT_EQ(v.stijl, vbExclamation);
    }
    EXPECT_EQ(Lees(nieuw()), werkkopie);
    EXPECT_EQ(tabel(2).CelTekst(2, 1, 5), temperatuur);
    // The same refusal when the editor is already open (its row's layout dropped meanwhile).
    vragen.clear();
    EXPECT_FALSE(SchrijfInfo(2, 2, 5, QStringLiteral("lost")));
    ASSERT_EQ(vragen.size(), 1u) << "no box for a refused info";
    EXPECT_EQ(Lees(nieuw()), werkkopie);
}

// Rows :01 :02 :02 :03 :02 :05 (the clock set back after an end point in the second of its row): an info
// text on row 3 reaches the lines of its second next to its own, rows 2 and 3, and each of those rows shows
// it; row 5, of that second elsewhere in the file, keeps its own line and cell.
TEST_F(TabelBewerkingTest, AnInfoTextShowsInEveryRowWhoseLineTookIt) {
    // Another program's file: two readings of :01 side by side, two of :03 and an end point (its flags
    // 0, as a Save As from the tables writes them, and an info text of its own), then readings of :03
    // that hold one field alone: a value without its unit, a unit without its value (a module given up or
    // not read), a temperature, a temperature unit.
    std::vector<QStringList> f;
    for (const int s : {1, 1, 2, 3, 3})
        f.push_back(SplitsVelden(Regel(s)));
    f[1][2] = QStringLiteral("102.1");
    f[4][2] = QStringLiteral("105.1");
    f.push_back(SplitsVelden(Eindpunt(3, QStringLiteral("mark"))));
    for (const auto& veld : {std::pair{3, QStringLiteral("7.01")},
                             {9, QStringLiteral("mV")},
                             {26, QStringLiteral("21.5")},
                             {63, u8("°C")}})
        f.push_back(SplitsVelden(Eindpunt(3, QString(), {veld})));
    Schrijf(pad, Bytes(f));
    LeesGegevensbestand(pad);
    ASSERT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
    // A reading never takes another reading's text.
    EXPECT_TRUE(InfoMetToets(1, 1, 2, QStringLiteral("second")));
    f[1][21] = QStringLiteral("second");
    WerkkopieIs(f);
    // The later reading of :03 and its end point share a text; the readings around them keep none.
    EXPECT_TRUE(InfoMetToets(1, 1, 5, QStringLiteral("pair")));
    f[4][21] = f[5][21] = QStringLiteral("pair");
    WerkkopieIs(f);
    // Every row shows the text its line holds.
    for (int32_t rij = 1; rij <= static_cast<int32_t>(f.size()); ++rij)
        EXPECT_EQ(tabel(1).CelTekst(1, rij, KolomInfo).toStdString(), f[rij - 1][21].toStdString())
            << "row " << rij;
    // Clear and Delete reach exactly their own rows' lines.
    Selecteer(1, 1, 1, 1, 3, 3).WissenSelectie();
    f[0][2] = f[0][3] = QString();
    WerkkopieIs(f);
    Verwijder(1, 1, 4, 4);
    f.erase(f.begin() + 3);
    WerkkopieIs(f);
    EXPECT_EQ(tabel(1).CelTekst(1, 5, 3).toStdString(), "105.1");
}

// A file of two days whose rows share their time of day: an edit of the later day's row reaches the later
// day's line, whatever the earlier day holds at that time.
TEST_F(TabelBewerkingTest, EditsOfARowFindTheLineOfItsOwnDay) {
    std::vector<QStringList> f;
    for (const int dag : {5, 6})
        for (const int s : {1, 2}) {
            QStringList regel = SplitsVelden(Regel(s));
            regel[0].replace(QStringLiteral("05/01/2026"),
                             QStringLiteral("%1/01/2026").arg(dag, 2, 10, QLatin1Char('0')));
            f.push_back(regel);
        }
    Schrijf(pad, Bytes(f));
    LeesGegevensbestand(pad);
    ASSERT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
    ASSERT_EQ(tabel(1).CelTekst(1, 4, KolomDatum), QStringLiteral("06/01/2026"));
    EXPECT_TRUE(InfoMetToets(1, 1, 4, QStringLiteral("day two")));
    f[3][21] = QStringLiteral("day two");
    WerkkopieIs(f);
    Selecteer(1, 1, 3, 3, 3, 3).WissenSelectie();
    f[2][2] = f[2][3] = QString();
    WerkkopieIs(f);
    EXPECT_EQ(tabel(1).CelTekst(1, 4, KolomInfo), QStringLiteral("day two"));
    EXPECT_EQ(tabel(1).CelTekst(1, 2, KolomInfo), QString());
}

// A file of rack 2 alone (its header names R2M2) with a row of two blocks, as another program may append:
// the longer row is read by position among the modules of the rack the header names, so rack 2's module
// takes its first block and rack 1's modules none. Its edits follow: rack 2's info goes into field 22,
// rack 1's info is refused as that of a row read by position without a field of the module.
TEST_F(TabelBewerkingTest, ARowWiderThanTheHeaderOfOneRacksFileGivesNoBlockToAnotherRack) {
    QString kop = QStringLiteral("\"Time\"");
    for (int c = 1; c <= 4; ++c)
        for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
            kop += QStringLiteral(",\"%1 R2M2C%2\"").arg(QLatin1String(soort)).arg(c);
    kop += QStringLiteral(",\"Info ISE\",\"\"");
    // The time and the first `blokken` blocks of the test system's line, then the closing empty field.
    const auto rij = [](int s, int blokken) {
        return SplitsVelden(Regel(s)).mid(0, 1 + 21 * blokken) << QString();
    };
    std::vector<QStringList> f{rij(1, 1), rij(2, 2)};
    {
        QByteArray b = platform::NaarWindows1252(kop) + "\r\n";
        for (const QStringList& r : f)
            b += platform::NaarWindows1252(RegelVan(r)) + "\r\n";
        Schrijf(pad, b);
    }
    LeesGegevensbestand(pad);
    ASSERT_EQ(vragen.size(), 1u) << "the longer row is named";
    EXPECT_TRUE(vragen[0].tekst.contains(QStringLiteral("\r\n3: "))) << vragen[0].tekst.toStdString();
    vragen.clear();
    EXPECT_EQ(tabel(2).CelTekst(2, 2, 3).toStdString(), "1.02");
    for (const int16_t m : {1, 4})
        for (const int c : {3, 5, 7, int{KolomInfo}})
            EXPECT_EQ(tabel(1).CelTekst(m, 2, static_cast<int16_t>(c)).toStdString(), "")
                << "rack 1, slot " << m << ", column " << c;

    EXPECT_TRUE(InfoMetToets(2, 2, 2, QStringLiteral("noted")));
    f[1][21] = QStringLiteral("noted");
    WerkkopieIs(f, kop);
    EXPECT_FALSE(InfoMetToets(1, 4, 2, QStringLiteral("lost")));
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_TRUE(vragen[0].tekst.startsWith(
        QStringLiteral("This row was read by position and holds no field of R1M4.")))
        << vragen[0].tekst.toStdString();
    Selecteer(1, 1, 1, 2, 3, 19).WissenSelectie();
    WerkkopieIs(f, kop);
}

TEST_F(TabelBewerkingTest, TheInfoEditorMakesTheTableOfARackWhoseTableWasNeverOpened) {
    ASSERT_EQ(frmTabelVan(2), nullptr);
    formEditInfo d;
    d.IngaveRackNaam = false;
    d.IngaveModuleNaam = false;
    d.Ri = 2;
    d.Mi = 2;
    d.Laad();
    ASSERT_NE(frmTabelVan(2), nullptr);
    // Its grid has no selection: nothing to edit, the editor closes at once.
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(nieuw()));
}

} // namespace
