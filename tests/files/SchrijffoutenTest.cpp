// What the user is told when the disk cannot take a file the program writes: the file's path and the
// system's reason, in the box each writer has always shown (its buttons and title), never that the file
// is in use.
#include "BegrensdeMeldingen.h"
#include "Bestandsgrens.h"
#include "Bestandsomgeving.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/Werkkopie.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Teksten.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

namespace {

class SchrijffoutenTest : public Bestandsomgeving {
protected:
    // Every box has the deadline of BegrensdeMeldingen.
    void SetUp() override {
        Bestandsomgeving::SetUp();
        ZetMeldingVenster(&begrensd);
    }
    BegrensdeMeldingen begrensd{melding};
    // The text of a write of `pad` that a full disk stopped.
    static QString VolleSchijf(const QString& pad) {
        return pad + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG));
    }
    static QStringList Rijen(int aantal) {
        QStringList regels;
        for (int s = 1; s <= aantal; ++s)
            regels << Regel(s % 60);
        return regels;
    }
};

// A data file of another layout makes the run go on in "_2"; the disk cannot take that file's header,
// and later not the next row.
TEST_F(SchrijffoutenTest, LoggingIntoTheNextFileAndAppendingToItTellTheFileAndTheReason) {
    const QString eerste = Pad(QStringLiteral("run.csv"));
    const QString tweede = Pad(QStringLiteral("run_2.csv"));
    SchrijfBytes(eerste, "\"Time\",\"other\"\r\n\"x\",\"y\"\r\n");
    Gegevensbestand = eerste;
    TijdMeting = platform::Nu();
    antwoorden = {vbCancel};
    {
        Bestandsgrens grens(16);
        LogMeting(QString());
        klok().verstrijk(1);
    }
    EXPECT_EQ(Gegevensbestand, tweede);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0], (Vraag{VolleSchijf(tweede), vbRetryCancel | vbExclamation, tweede}));

    LogMeting(QString());
    const QByteArray gelogd = LeesBytes(tweede);
    ASSERT_EQ(gelogd.count("\r\n"), 2);
    antwoorden = {vbCancel};
    {
        Bestandsgrens grens(static_cast<rlim_t>(gelogd.size()));
        LogMeting(QString());
        klok().verstrijk(1);
    }
    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[1], (Vraag{VolleSchijf(tweede), vbRetryCancel | vbExclamation, tweede}));
    EXPECT_EQ(LeesBytes(tweede), gelogd);
}

// Logging goes on while the question about a full disk waits: the rows taken meanwhile, and the end
// point of a run ended meanwhile (Data > Log, a Search), follow the row asked about once the user has
// made room and pressed Retry, in their order, so the file still ends with the end point.
TEST_F(SchrijffoutenTest, RowsAndTheEndPointTakenWhileTheFullDiskQuestionWaitsFollowOnRetry) {
    const QString pad = Pad(QStringLiteral("run.csv"));
    Gegevensbestand = pad;
    TijdMeting = platform::Nu();
    LogMeting(QString());
    std::optional<Bestandsgrens> grens(std::in_place, static_cast<rlim_t>(LeesBytes(pad).size()));
    melding.beantwoord = [&](const Vraag&) {
        TijdMeting += 1.0 / 86400.0;
        LogMeting(QString());
        TijdMeting += 1.0 / 86400.0;
        LogMeting(QStringLiteral("Stop"));
        grens.reset();
        return vbRetry;
    };
    TijdMeting += 1.0 / 86400.0;
    LogMeting(QString());
    EXPECT_TRUE(vragen.empty()) << "asked inside the snapshot, which stops the rows behind it";
    klok().verstrijk(1);
    melding.beantwoord = nullptr;
    ASSERT_EQ(vragen.size(), 1u) << "asked again while the question waited";

    const QStringList regels =
        platform::VanWindows1252(LeesBytes(pad)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(regels.size(), 5) << "a header, three rows and the end point";
    const QStringList eind = SplitsVelden(regels[4]);
    EXPECT_EQ(eind.size(), SplitsVelden(regels[0]).size());
    EXPECT_TRUE(std::all_of(eind.begin() + 1, eind.end(), [](const QString& v) { return v.isEmpty(); }))
        << "the last line is not the end point: " << regels[4].left(60).toStdString();
    platform::Datum vorige = 0;
    for (int r = 1; r <= 3; ++r) {
        platform::Datum tijd = 0;
        ASSERT_TRUE(platform::LeesDatumTijd(SplitsVelden(regels[r]).value(0), tijd)) << "row " << r;
        EXPECT_GT(tijd, vorige) << "row " << r << " out of order";
        EXPECT_FALSE(SplitsVelden(regels[r]).value(2).isEmpty()) << "row " << r << " without its value";
        vorige = tijd;
    }
}

TEST_F(SchrijffoutenTest, AWorkingCopyTheDiskCannotTakeTellsItsPathAndTheReason) {
    const QString pad = Pad(QStringLiteral("run.csv"));
    const QByteArray bytes = Bestand(Rijen(30));
    SchrijfBytes(pad, bytes);
    Gegevensbestand = pad;
    ZetRijTijd(1, 1);
    {
        Bestandsgrens grens(static_cast<rlim_t>(bytes.size() - 1));
        SchrijfInfo(1, 1, 1, QStringLiteral("note"));
    }
    const QString kopie = pad + QStringLiteral(".new");
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0],
              (Vraag{Tekst[490] + QStringLiteral("\r\n\r\n") + VolleSchijf(kopie), vbCritical, kopie}));
    EXPECT_FALSE(QFileInfo::exists(kopie));
    EXPECT_EQ(LeesBytes(pad), bytes);
}

// Save As over a larger file: first the disk takes the copy but not the old file's backup, then not
// even the copy, made once the question is answered; then a folder stands at the backup's name.
TEST_F(SchrijffoutenTest, SaveAsAndItsBackupTellTheFileTheDiskCannotTake) {
    const QString oud = Pad(QStringLiteral("run.csv"));
    const QString doel = Pad(QStringLiteral("copy.csv"));
    SchrijfBytes(oud, Bestand({Regel(1)}));
    const QByteArray vorige = Bestand(Rijen(30));
    SchrijfBytes(doel, vorige);
    Gegevensbestand = oud;
    QString naam = oud;
    dialogen.bestanden = {doel};
    antwoorden = {vbYes, vbCancel};
    {
        Bestandsgrens grens(static_cast<rlim_t>(LeesBytes(oud).size() + 16));
        EXPECT_FALSE(OpslaanAls(naam, false));
    }
    ASSERT_EQ(vragen.size(), 2u);
    EXPECT_EQ(vragen[1],
              (Vraag{VolleSchijf(Pad(QStringLiteral("copy.bak"))), vbOKCancel | vbExclamation, doel}));

    dialogen.bestanden = {doel};
    antwoorden = {vbYes, vbCancel};
    {
        Bestandsgrens grens(16);
        EXPECT_FALSE(OpslaanAls(naam, false));
    }
    ASSERT_EQ(vragen.size(), 4u);
    EXPECT_EQ(vragen[3], (Vraag{VolleSchijf(doel), vbOKCancel | vbExclamation, doel}));
    EXPECT_EQ(LeesBytes(doel), vorige);
    EXPECT_EQ(Gegevensbestand, oud);
    EXPECT_EQ(QDir(map).entryList(QDir::Files), (QStringList{"copy.csv", "run.csv"}));

    // A folder in the backup's place is told as such.
    ASSERT_TRUE(QDir(map).mkdir(QStringLiteral("copy.bak")));
    dialogen.bestanden = {doel};
    antwoorden = {vbYes, vbCancel};
    EXPECT_FALSE(OpslaanAls(naam, false));
    ASSERT_EQ(vragen.size(), 6u);
    EXPECT_EQ(vragen[5].tekst.toStdString(), (Pad(QStringLiteral("copy.bak")) + QStringLiteral("\r\n\r\n") +
                                              QString::fromLocal8Bit(std::strerror(EISDIR)))
                                                 .toStdString());
    EXPECT_EQ(LeesBytes(doel), vorige);
}

} // namespace
