#include "files/Meetbestand.h"
#include "Meetsysteem.h"
#include "OpnameHoofdvenster.h"
#include "OpnameMelding.h"
#include "OpnameTabelvenster.h"
#include "Opnametaal.h"
#include "SchoneOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "files/Bestandsdiensten.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

namespace {

// A progress window that records its steps and reports Cancel from step `afbrekenNa` on.
class OpnameVoortgang : public VoortgangVenster {
public:
    void Toon(int, int, int, const QString& t) override {
        tekst = t;
        open = true;
    }
    void Zet(int waarde) override { stappen.push_back(waarde); }
    bool Onderbroken() const override { return static_cast<int>(stappen.size()) >= afbrekenNa; }
    void Sluit() override { open = false; }
    QString tekst;
    bool open = false;
    std::vector<int> stappen;
    int afbrekenNa = 1 << 30;
};

} // namespace

class MeetbestandTest : public SchoneOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        meldingen.push_back({tekst, stijl, titel});
        return int(vbCancel);
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        BouwMeetsysteem();
        NieuweVensters();
        ZetVoortgangVenster(&voortgang);
        ZetMeldingVenster(this);
        pad = tijdelijkeMap() + QStringLiteral("/data.csv");
    }
    void TearDown() override {
        ZetVoortgangVenster(nullptr);
        SchoneOmgeving::TearDown();
    }
    void NieuweVensters() {
        for (int r = 1; r <= 2; ++r) {
            vensters[r] = std::make_unique<OpnameTabelvenster>();
            vensters[r]->ZetRi(static_cast<int16_t>(r));
            TabelVensters.Zet(r, vensters[r].get());
        }
    }
    OpnameTabelvenster& venster(int r) { return *vensters[r]; }
    // Fills row `rij` of a module grid as the live fill would.
    void VulRij(int r, int m, int32_t rij, const QStringList& cellen) {
        for (int k = 0; k < cellen.size(); ++k)
            venster(r).ZetCelTekst(static_cast<int16_t>(m), rij, static_cast<int16_t>(k), cellen.at(k));
    }
    // A file of the current system with a header and the given data lines (Windows-1252, CR LF).
    void SchrijfRegels(const QStringList& regels, const char* einde = "\r\n") {
        QByteArray bytes;
        for (const QString& r : regels)
            bytes += platform::NaarWindows1252(r) + einde;
        SchrijfBytes(pad, bytes);
    }
    // A sound data line of the test system (3 modules of 21 fields) at second s of 5 January 2026.
    static QString Regel(int s, const QString& waarde = QStringLiteral("7.01")) {
        QString regel = QStringLiteral("\"05/01/2026 09:00:%1\"").arg(s, 2, 10, QLatin1Char('0'));
        for (int m = 0; m < 3; ++m) {
            regel += QStringLiteral(",\"0\",\"%1\",\"pH\",\"21.5\",\"%2\"").arg(waarde, u8("°C"));
            for (int n = 1; n < 4; ++n)
                regel += QStringLiteral(",\"\",\"\",\"\",\"\",\"\"");
            regel += QStringLiteral(",\"info %1\"").arg(m);
        }
        return regel;
    }

    struct Melding {
        QString tekst;
        int stijl;
        QString titel;
    };
    std::array<std::unique_ptr<OpnameTabelvenster>, 3> vensters;
    OpnameVoortgang voortgang;
    std::vector<Melding> meldingen;
    QString pad;
};

TEST_F(MeetbestandTest, WholeTableIsWrittenAndReadsBackToTheSameRows) {
    AantalMetingen = 3;
    for (int32_t rij = 1; rij <= 3; ++rij) {
        const QString tijd = QStringLiteral("09:00:0%1").arg(rij);
        VulRij(1, 1, rij,
               {QString::number(rij),
                "05/01/2026",
                tijd,
                "7.01",
                "pH",
                "21.0",
                u8("°C"),
                rij == 2 ? "OR." : "-12.5",
                "mV",
                "OR.",
                u8("°F"),
                " ",
                " ",
                " ",
                " ",
                "8.3",
                "mg/l DO",
                "25.0",
                u8("°C"),
                rij == 3 ? u8("note \"x\", ok") : QString()});
        VulRij(1, 3, rij,
               {QString::number(rij),
                "05/01/2026",
                tijd,
                "1413",
                u8("µS/cm"),
                "25",
                u8("°C"),
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                ""});
        VulRij(2, 2, rij,
               {QString::number(rij),
                "05/01/2026",
                tijd,
                " ",
                u8("NO3 µg/l"),
                " ",
                "K",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                " ",
                "Stop"});
    }
    ASSERT_TRUE(SchrijfGegevensbestand(pad));
    EXPECT_EQ(LeesBytes(pad), LeesBytes(GoldenMap(QStringLiteral("meetbestand.csv"))));
    // Input names are stored back without their leading blanks.
    EXPECT_EQ(Racks[1].Modules[1].Meting[2].Name.getrimd(), "Redox");
    EXPECT_TRUE(meldingen.empty());

    const auto oud1 = std::move(vensters[1]);
    const auto oud2 = std::move(vensters[2]);
    NieuweVensters();
    AantalMetingen = 99;
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 3);
    EXPECT_EQ(LaatsteKeuze, 1);
    EXPECT_FALSE(BezigMetLaden);
    EXPECT_TRUE(meldingen.empty());
    EXPECT_EQ(venster(1).instellingen, std::vector<bool>{false});
    EXPECT_EQ(venster(1).getoond, (std::vector<int16_t>{1, 3}));
    EXPECT_EQ(venster(2).getoond, (std::vector<int16_t>{2}));
    EXPECT_EQ(voortgang.tekst, "Loading data file...");
    EXPECT_FALSE(voortgang.open);
    EXPECT_DOUBLE_EQ(TijdMeting, platform::MaakDatum(2026, 1, 5, 9, 0, 3));
    for (int r = 1; r <= 2; ++r)
        for (int16_t m = 1; m <= 3; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            const OpnameTabelvenster& oud = r == 1 ? *oud1 : *oud2;
            for (int32_t rij = 1; rij <= 3; ++rij)
                for (int16_t k = 0; k <= KolomInfo; ++k) {
                    const int n = k >= 3 && k < KolomInfo ? (k - 3) / 4 + 1 : 0;
                    // An input that is switched off is written as empty fields.
                    const QString verwacht = n && !Racks[r].Modules[m].Meting[n].Set
                                                 ? QString()
                                                 : TrimSpaties(oud.CelTekst(m, rij, k));
                    EXPECT_EQ(venster(r).CelTekst(m, rij, k), verwacht)
                        << r << " " << m << " " << rij << " " << k;
                }
        }
}

TEST_F(MeetbestandTest, SavingWhileRelativeTimeIsShownWritesClockTime) {
    RelatieveTijd = true;
    TijdBasis = platform::MaakDatum(2026, 1, 5, 9, 0, 0);
    AantalMetingen = 2;
    VulRij(1, 1, 1, {"1", "+0", "+00:00:05", "7.01"});
    VulRij(1, 1, 2, {"2", "-1", "-01:00:00", "7.02"});
    ASSERT_TRUE(SchrijfGegevensbestand(pad));
    const QByteArray bytes = LeesBytes(pad);
    EXPECT_TRUE(bytes.contains("\r\n\"05/01/2026 09:00:05\",\"0\",\"7.01\""));
    EXPECT_TRUE(bytes.contains("\r\n\"04/01/2026 08:00:00\",\"0\",\"7.02\""));

    NieuweVensters();
    TijdBasis = 0;
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_EQ(venster(1).CelTekst(1, 2, KolomDatum), "-1");
    EXPECT_EQ(venster(1).CelTekst(1, 2, KolomTijd), "-01:00:05");
}

// A rack's table emptied at a log-on with other modules has no time in the rows before it: every row that
// any table shows with a time is written, under the time of the first module whose grid has one (its
// clock time under relative time), each module's block from its own grid and empty where that grid has no
// time in the row. A row no table shows with a time (deleted) is left out.
TEST_F(MeetbestandTest, ARowIsWrittenUnderTheTimeOfTheFirstModuleThatHasOne) {
    RelatieveTijd = true;
    TijdBasis = platform::MaakDatum(2026, 1, 5, 9, 0, 0);
    AantalMetingen = 3;
    VulRij(2, 2, 1, {"1", "+0", "+00:00:05", "2.21"});
    VulRij(1, 3, 3, {"3", "+0", "+00:00:07", "1.33"});
    VulRij(2, 2, 3, {"3", "+0", "+00:00:07", "2.23"});
    GeschrevenTabel geschreven;
    ASSERT_TRUE(SchrijfGegevensbestand(pad, {}, QString(), &geschreven));
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(pad)));
    ASSERT_EQ(regels.size(), 3);
    const QStringList een = SplitsVelden(regels[1]);
    const QStringList drie = SplitsVelden(regels[2]);
    ASSERT_EQ(een.size(), 1 + 3 * 21);
    ASSERT_EQ(drie.size(), een.size());
    EXPECT_EQ(een[0], QStringLiteral("05/01/2026 09:00:05"));
    EXPECT_EQ(drie[0], QStringLiteral("05/01/2026 09:00:07"));
    // Rack 1's modules 1 and 3, then rack 2's module 2.
    for (int v = 1; v <= 42; ++v)
        EXPECT_EQ(een[v], QString()) << "row 1, field " << v + 1;
    EXPECT_EQ(een[44], QStringLiteral("2.21"));
    for (int v = 1; v <= 21; ++v)
        EXPECT_EQ(drie[v], QString()) << "row 3, field " << v + 1;
    EXPECT_EQ(drie[23], QStringLiteral("1.33"));
    EXPECT_EQ(drie[44], QStringLiteral("2.23"));
    // What the file holds: rows 1 and 3 in the blocks of the three modules.
    EXPECT_EQ(geschreven.rijen, (std::vector<std::pair<int32_t, int32_t>>{{1, 1}, {3, 3}}));
    ASSERT_NE(geschreven.modules, nullptr);
    EXPECT_EQ(*geschreven.modules, (std::vector<Tabelmodule>{{1, 1, true}, {1, 3, true}, {2, 2, true}}));
}

TEST_F(MeetbestandTest, BadLinesLoadWhatIsSoundAndAreNamedAfterwards) {
    QString kort = Regel(3);
    kort.truncate(kort.indexOf(QStringLiteral(",\"info 0\"")));
    QString tekst = Regel(4);
    tekst.replace(tekst.indexOf(QStringLiteral("\"7.01\"")), 6, QStringLiteral("\"7,0x\""));
    tekst.replace(tekst.indexOf(QStringLiteral("\"21.5\"")), 6, QStringLiteral("\"warm\""));
    tekst.replace(tekst.indexOf(QStringLiteral("\"0\"")), 3, QStringLiteral("\"-1\""));
    QString afgebroken = Regel(6);
    afgebroken.truncate(afgebroken.size() / 2);
    afgebroken.chop(1);
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(1), QString(), kort, tekst,
                   QStringLiteral("\"Time\",\"x\""), Regel(5, QStringLiteral("OR.")), afgebroken});
    // The last line is cut off without its line end.
    QByteArray bytes = LeesBytes(pad);
    bytes.chop(2);
    SchrijfBytes(pad, bytes);

    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 5);
    EXPECT_EQ(LaatsteKeuze, 1);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].stijl, vbExclamation);
    EXPECT_EQ(meldingen[0].titel, pad);
    const QStringList regels = meldingen[0].tekst.split(QStringLiteral("\r\n"));
    ASSERT_EQ(regels.size(), 6);
    EXPECT_EQ(regels[0], "An error is encountered when reading this data file!");
    EXPECT_TRUE(regels[2].startsWith(QStringLiteral("4: \"05/01/2026 09:00:03\"")));
    EXPECT_TRUE(regels[3].startsWith(QStringLiteral("5: ")));
    EXPECT_TRUE(regels[4].startsWith(QStringLiteral("6: \"Time\"")));
    EXPECT_TRUE(regels[5].startsWith(QStringLiteral("8: ")));

    const OpnameTabelvenster& v = venster(1);
    // The short row loads the fields it has; the rest stays empty.
    EXPECT_EQ(v.bestandsvelden[1][1].at(1), "7.01");
    EXPECT_EQ(v.bestandsvelden[1][1].at(20), "");
    EXPECT_EQ(venster(2).bestandsvelden[2][1], QStringList(21, QString()));
    // Unsound numbers reach the tables as empty fields; the rest of the row is kept.
    EXPECT_EQ(v.bestandsvelden[1][2].mid(0, 5), (QStringList{"", "", "pH", "", u8("°C")}));
    EXPECT_EQ(v.bestandsvelden[1][2].at(20), "info 0");
    EXPECT_EQ(v.bestandsvelden[3][2].at(1), "7.01");
    // "OR." is a sound value.
    EXPECT_EQ(v.bestandsvelden[1][3].at(1), "OR.");
    // The cut-off line loads its fields as far as they go.
    EXPECT_EQ(v.bestandsvelden[1][4].at(1), "7.01");
    EXPECT_EQ(venster(2).bestandsvelden[2][4].at(20), "");
    EXPECT_EQ(v.CelTekst(1, 5, 0), "5");
    EXPECT_EQ(v.CelTekst(1, 6, 0), "");
}

// A measured value is a single: a number beyond its range (edited in by hand) is listed as unsound
// and read as no number, never shown as the nearest single.
TEST_F(MeetbestandTest, AValueBeyondTheRangeOfASingleIsAnUnsoundLine) {
    const auto vervang = [](QString regel, const char* oud, const char* nieuw) {
        return regel.replace(regel.indexOf(QLatin1Char('"') + QLatin1String(oud) + QLatin1Char('"')),
                             static_cast<qsizetype>(std::strlen(oud)) + 2,
                             QLatin1Char('"') + QLatin1String(nieuw) + QLatin1Char('"'));
    };
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(1, QStringLiteral("3.4e38")),
                   vervang(Regel(2), "7.01", "1e308"), vervang(Regel(3), "21.5", "-1.7976931348623157e308"),
                   vervang(Regel(4), "7.01", "1e309"), vervang(Regel(5), "21.5", "-1E+400")});
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 5);
    ASSERT_EQ(meldingen.size(), 1u);
    const QStringList regels = meldingen[0].tekst.split(QStringLiteral("\r\n"));
    ASSERT_EQ(regels.size(), 6);
    for (int i = 2; i < 6; ++i)
        EXPECT_TRUE(regels[i].startsWith(QString::number(i + 1) + QStringLiteral(": "))) << i;
    const OpnameTabelvenster& v = venster(1);
    EXPECT_EQ(v.CelTekst(1, 1, 3), "3.4e38");
    // The rest of each row is kept; the field beyond the range stays empty.
    EXPECT_EQ(v.CelTekst(1, 2, 3), "");
    EXPECT_EQ(v.CelTekst(1, 2, 5), "21.5");
    EXPECT_EQ(v.CelTekst(3, 2, 3), "7.01");
    EXPECT_EQ(v.CelTekst(1, 3, 3), "7.01");
    EXPECT_EQ(v.CelTekst(1, 3, 5), "");
    EXPECT_EQ(v.CelTekst(1, 4, 3), "");
    EXPECT_EQ(v.CelTekst(1, 5, 5), "");
}

TEST_F(MeetbestandTest, AModuleGivenUpReadsAsEmptyCellsBesideTheOthers) {
    // While the poll supervision has given module 2 of rack 2 up, logging writes its value fields empty; the
    // time and the other modules as usual. Both forms load without a message: the unit kept, or every
    // field of the input empty.
    QString opgegeven = Regel(2);
    const QString blok = QStringLiteral(",\"0\",\"7.01\",\"pH\",\"21.5\",\"%1\"").arg(u8("°C"));
    opgegeven.replace(opgegeven.lastIndexOf(blok), blok.size(),
                      QStringLiteral(",\"0\",\"\",\"pH\",\"\",\"%1\"").arg(u8("°C")));
    QString leeg = Regel(3);
    leeg.replace(leeg.lastIndexOf(blok), blok.size(), QStringLiteral(",\"\",\"\",\"\",\"\",\"\""));
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(1), opgegeven, leeg, Regel(4)});
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 4);
    EXPECT_TRUE(meldingen.empty());
    const OpnameTabelvenster& v = venster(1);
    const OpnameTabelvenster& v2 = venster(2);
    for (int32_t rij : {2, 3}) {
        EXPECT_EQ(v2.CelTekst(2, rij, 3), "") << rij;
        EXPECT_EQ(v2.CelTekst(2, rij, 5), "") << rij;
        EXPECT_EQ(v2.CelTekst(2, rij, KolomTijd), QStringLiteral("09:00:0%1").arg(rij)) << rij;
        EXPECT_EQ(v.CelTekst(1, rij, 3), "7.01") << rij;
        EXPECT_EQ(v.CelTekst(3, rij, 3), "7.01") << rij;
    }
    EXPECT_EQ(v2.CelTekst(2, 2, 4), "pH");
    EXPECT_EQ(v2.CelTekst(2, 4, 3), "7.01");
}

// The 21 fields of the block of module m of rack r in every row of the logging file `bestand`, found by
// their titles: per input flags, value, unit, temperature and its unit, then the info (the field after
// the module's last input); empty where the file has no such field.
static std::vector<QStringList> BlokkenVan(const QString& bestand, int r, int m) {
    const QStringList regels = platform::SplitsRegels(platform::VanWindows1252(LeesBytes(bestand)));
    const QStringList kop = SplitsVelden(regels.value(0));
    std::vector<QStringList> blokken;
    for (qsizetype i = 1; i < regels.size(); ++i) {
        const QStringList rij = SplitsVelden(regels[i]);
        QStringList blok;
        qsizetype info = -1;
        for (int c = 1; c <= AantalIngangen; ++c)
            for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"}) {
                const qsizetype veld = kop.indexOf(
                    QStringLiteral("%1 R%2M%3C%4").arg(QLatin1String(soort)).arg(r).arg(m).arg(c));
                blok.append(veld >= 0 ? rij.value(veld) : QString());
                if (veld >= 0) info = veld + 1;
            }
        blok.append(info >= 0 ? rij.value(info) : QString());
        blokken.push_back(blok);
    }
    return blokken;
}

// Logging files of a run of both racks (both measured), written by the logging itself: one file for
// all, one per rack, per module and per input. Each opens under the rack and module its header names
// however many racks are present, a module's or an input's file filling just its own fields; the
// tables of the modules the file has no block of get each row's time and no values; no row is an error.
TEST_F(MeetbestandTest, ALoggingFileOpensUnderTheRackAndModuleItsHeaderNames) {
    RackVlaggen[2].Measure = true;
    const QString map = tijdelijkeMap() + QStringLiteral("/log");
    ASSERT_TRUE(QDir().mkpath(map));
    for (const char* sjabloon :
         {"run.csv", "rack_#rack#.csv", "#rack#-#module#.csv", "#rack#_#channel#.csv"}) {
        Gegevensbestand = map + QLatin1Char('/') + QLatin1String(sjabloon);
        for (int s = 0; s < 3; ++s) {
            TijdMeting = platform::MaakDatum(2026, 1, 5, 9, 0, s);
            LogMeting(s == 1 ? QStringLiteral("sample") : s == 2 ? QStringLiteral("Stop") : QString());
        }
    }
    Gegevensbestand.clear();
    const std::vector<std::pair<int, int>> modules = {{1, 1}, {1, 3}, {2, 2}};
    const auto laad = [&](const char* naam) {
        SCOPED_TRACE(naam);
        const QString bestand = map + QLatin1Char('/') + QLatin1String(naam);
        ASSERT_TRUE(QFileInfo::exists(bestand));
        meldingen.clear();
        LeesGegevensbestand(bestand);
        EXPECT_EQ(AantalMetingen, 3);
        for (const auto& [r, m] : modules) {
            if (!Racks[r].Present || !Racks[r].Modules[m].Present) continue;
            SCOPED_TRACE("rack " + std::to_string(r) + " module " + std::to_string(m));
            const std::vector<QStringList> blokken = BlokkenVan(bestand, r, m);
            ASSERT_EQ(blokken.size(), 3u);
            for (int32_t rij = 1; rij <= 3; ++rij) {
                EXPECT_EQ(venster(r).bestandsvelden[m].at(rij - 1), blokken[rij - 1]) << "row " << rij;
                // Every table keeps every row's time.
                EXPECT_EQ(venster(r).CelTekst(static_cast<int16_t>(m), rij, KolomTijd),
                          QStringLiteral("09:00:0%1").arg(rij - 1));
            }
        }
    };
    // Both racks present: nothing is left out, nothing is an error.
    for (const char* naam : {"run.csv", "rack_Lab A.csv", "rack_Lab_B.csv", "Lab A-EC 1.csv", "Lab_B-ISE.csv",
                             "Lab A_Redox.csv", "Lab_B_Nitrate.csv"}) {
        laad(naam);
        EXPECT_TRUE(meldingen.empty())
            << naam << ": " << (meldingen.empty() ? "" : meldingen[0].tekst.toStdString());
    }
    // Rack 2's values are rack 2's: its table shows them, rack 1's shows none.
    laad("rack_Lab_B.csv");
    EXPECT_FALSE(venster(2).CelTekst(2, 1, 4).isEmpty()) << "rack 2's unit";
    EXPECT_TRUE(venster(1).CelTekst(1, 1, 4).isEmpty()) << "rack 2's unit under rack 1";
    EXPECT_EQ(venster(2).CelTekst(2, 2, KolomInfo), "sample");
    // An input's file: input 2 of module 1 alone, and the info.
    laad("Lab A_Redox.csv");
    EXPECT_EQ(venster(1).CelTekst(1, 1, 8), "mV");
    EXPECT_EQ(venster(1).CelTekst(1, 1, 4), "");
    EXPECT_EQ(venster(1).CelTekst(1, 2, KolomInfo), "sample");

    // Rack 2 no longer present: its blocks are left out, told once in one box, and a reload of the same
    // file does not tell it again; another file and then this one again tell it anew.
    Racks[2].Present = false;
    laad("run.csv");
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].stijl, vbInformation);
    EXPECT_EQ(meldingen[0].titel, map + QStringLiteral("/run.csv"));
    EXPECT_TRUE(
        meldingen[0].tekst.startsWith(QStringLiteral("This file and the racks present differ in R2M2.")))
        << meldingen[0].tekst.toStdString();
    laad("run.csv");
    EXPECT_TRUE(meldingen.empty());
    laad("rack_Lab A.csv");
    EXPECT_TRUE(meldingen.empty());
    laad("Lab_B-ISE.csv");
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("differ in R2M2.")));
    // Rack 1's tables: the rows' times, no values.
    for (int16_t m : {1, 3})
        for (int32_t rij = 1; rij <= 3; ++rij)
            EXPECT_EQ(venster(1).bestandsvelden[m].at(rij - 1), QStringList(21, QString()));
    // Save As keeps every row.
    ASSERT_TRUE(SchrijfGegevensbestand(tijdelijkeMap() + QStringLiteral("/saved.csv")));
    EXPECT_EQ(LeesBytes(tijdelijkeMap() + QStringLiteral("/saved.csv")).count("\r\n"), 4);

    // A module not present in a present rack: left out too.
    Racks[2].Present = true;
    Racks[1].Modules[3].Present = false;
    laad("rack_Lab A.csv");
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("differ in R1M3.")));

    // Rack 2 present but waiting for its log-on (it did not answer a Search; its table is hidden): its
    // values are told as left out, not put into its hidden table.
    Racks[1].Modules[3].Present = true;
    ZetRackWachtOpAanmelding(2, true);
    meldingen.clear();
    LeesGegevensbestand(map + QStringLiteral("/run.csv"));
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(
        meldingen[0].tekst.startsWith(QStringLiteral("This file and the racks present differ in R2M2.")))
        << meldingen[0].tekst.toStdString();
    EXPECT_EQ(venster(2).bestandsvelden[2].at(1), QStringList(21, QString()));
    EXPECT_EQ(venster(2).CelTekst(2, 2, KolomTijd), "09:00:01");
    EXPECT_FALSE(venster(1).CelTekst(1, 1, 3).isEmpty()) << "rack 1's value";

    // A file of every slot of 16 racks differs in 109 modules: the box names each of them, in lines no
    // wider than the text around them, in every language.
    ZetRackWachtOpAanmelding(2, false);
    QString alle = QStringLiteral("\"Time\"");
    // The names of the modules not present, R2M1 also the text's own example.
    std::set<QString> verwacht;
    for (int r = 1; r <= 16; ++r)
        for (int m = 1; m <= 7; ++m) {
            const QString t = QStringLiteral("R%1M%2").arg(r).arg(m);
            for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
                alle += QStringLiteral(",\"%1 %2C1\"").arg(QLatin1String(soort), t);
            alle += QStringLiteral(",\"Info %1\"").arg(t);
            if (!Racks[r].Present || !Racks[r].Modules[m].Present) verwacht.insert(t);
        }
    ASSERT_EQ(verwacht.size(), 109u);
    for (int taal = 0; taal <= 2; ++taal) {
        SCOPED_TRACE("language " + std::to_string(taal));
        ZetTaal(taal);
        const QString bestand = map + QStringLiteral("/alle%1.csv").arg(taal);
        SchrijfBytes(bestand, platform::NaarWindows1252(alle + QStringLiteral("\r\n")));
        meldingen.clear();
        LeesGegevensbestand(bestand);
        ASSERT_EQ(meldingen.size(), 1u);
        const QString& tekst = meldingen[0].tekst;
        EXPECT_TRUE(tekst.startsWith(Tekst[499].left(Tekst[499].indexOf(QStringLiteral("##"))) +
                                     QStringLiteral("R1M2, R1M4,")))
            << tekst.toStdString();
        for (const QString& regel : tekst.split(QStringLiteral("\r\n")))
            EXPECT_LE(regel.size(), 80) << regel.toStdString();
        std::set<QString> genoemd;
        static const QRegularExpression naam(QStringLiteral("R\\d+M\\d+"));
        for (const QRegularExpressionMatch& g : naam.globalMatch(tekst))
            genoemd.insert(g.captured());
        EXPECT_EQ(genoemd, verwacht);
    }
}

// A logging file of a program that writes a newly present module's block into the rows of a file that
// already has its header (in module order): the rows that carry more blocks than the header names are
// read by position, the blocks going to the present modules in their order, and named; the rows that fit
// the header are placed by it, a module it names no block of showing only the times. Rows shorter than
// the header and values that are no number are named too.
TEST_F(MeetbestandTest, RowsThatDoNotFitTheirLoggingHeaderAreReadByPositionOrNamed) {
    const auto kop = [](const std::vector<std::pair<int, int>>& modules) {
        QStringList v{QStringLiteral("Time")};
        for (const auto& [r, m] : modules) {
            for (int c = 1; c <= AantalIngangen; ++c)
                for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
                    v << QStringLiteral("%1 R%2M%3C%4").arg(QLatin1String(soort)).arg(r).arg(m).arg(c);
            v << QStringLiteral("Info M%1").arg(m);
        }
        v << QString();
        return QLatin1Char('"') + v.join(QStringLiteral("\",\"")) + QLatin1Char('"');
    };
    // A row at second s with the value of input 1 of each block, then the closing empty field.
    const auto rij = [](int s, const QStringList& waarden) {
        QStringList v{QStringLiteral("05/01/2026 09:00:%1").arg(s, 2, 10, QLatin1Char('0'))};
        for (const QString& w : waarden) {
            v << QStringLiteral("0") << w << QStringLiteral("mV") << QStringLiteral("21.5") << u8("°C");
            for (int k = 0; k < 15; ++k)
                v << QString();
            v << QStringLiteral("i") + w;
        }
        v << QString();
        return QLatin1Char('"') + v.join(QStringLiteral("\",\"")) + QLatin1Char('"');
    };
    QString kort = rij(4, {"1.4", "3.4", "22.4"});
    kort.truncate(kort.indexOf(QStringLiteral("\"i1.4\"")));
    kort.chop(1);
    QString geenGetal = rij(5, {"1.5", "3.5", "22.5"});
    geenGetal.replace(QStringLiteral("\"3.5\""), QStringLiteral("\"warm\""));
    SchrijfRegels({kop({{1, 1}, {1, 3}, {2, 2}}), rij(1, {"1.1", "3.1", "22.1"}),
                   rij(2, {"1.2", "2.2", "3.2", "22.2"}), rij(3, {"1.3", "3.3", "22.3"}), kort, geenGetal});
    // Module 2 of rack 1 is present now, as it became while the file was written.
    Racks[1].Modules[2].Present = true;
    Racks[1].Modules[2].Type = "K761";
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 5);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].stijl, vbExclamation);
    const QStringList regels = meldingen[0].tekst.split(QStringLiteral("\r\n"));
    ASSERT_EQ(regels.size(), 5) << meldingen[0].tekst.toStdString();
    EXPECT_EQ(regels[0], "An error is encountered when reading this data file!");
    EXPECT_TRUE(regels[2].startsWith(QStringLiteral("3: "))) << "the row of four blocks";
    EXPECT_TRUE(regels[3].startsWith(QStringLiteral("5: "))) << "the short row";
    EXPECT_TRUE(regels[4].startsWith(QStringLiteral("6: "))) << "the value that is no number";

    // Row by row, the value of input 1 of modules 1, 2 and 3 of rack 1 and module 2 of rack 2.
    const auto waarden = [this](int32_t r) {
        return QStringList{venster(1).CelTekst(1, r, 3), venster(1).CelTekst(2, r, 3),
                           venster(1).CelTekst(3, r, 3), venster(2).CelTekst(2, r, 3)};
    };
    EXPECT_EQ(waarden(1), (QStringList{"1.1", "", "3.1", "22.1"}));
    EXPECT_EQ(waarden(2), (QStringList{"1.2", "2.2", "3.2", "22.2"}));
    EXPECT_EQ(waarden(3), (QStringList{"1.3", "", "3.3", "22.3"}));
    EXPECT_EQ(waarden(4), (QStringList{"1.4", "", "", ""}));
    EXPECT_EQ(waarden(5), (QStringList{"1.5", "", "", "22.5"}));
    EXPECT_EQ(venster(1).CelTekst(3, 2, KolomInfo), "i3.2");
    // The module the header names no block of shows each row's time.
    for (int32_t r = 1; r <= 5; ++r)
        EXPECT_EQ(venster(1).CelTekst(2, r, KolomTijd), QStringLiteral("09:00:0%1").arg(r)) << r;

    // Opened without module 2, whose block the longer row still holds: the header's blocks are where the
    // present modules take them by position, and the longer row, read so too, is named all the same.
    Racks[1].Modules[2].Present = false;
    NieuweVensters();
    meldingen.clear();
    LeesGegevensbestand(pad);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("\r\n3: "))) << meldingen[0].tekst.toStdString();
    EXPECT_EQ(venster(1).CelTekst(3, 1, 3), "3.1");

    // A row is longer than its header by its number of fields, whatever they hold: a row of four blocks
    // whose last one (rack 2's) is empty is read by position as well, each module taking its own block.
    Racks[1].Modules[2].Present = true;
    QStringList leeg = SplitsVelden(rij(7, {"1.7", "2.7", "3.7"}));
    leeg.insert(leeg.size() - 1, 21, QString());
    QString leegRegel;
    for (qsizetype i = 0; i < leeg.size(); ++i)
        VoegCsvVeldToe(leegRegel, leeg[i], i + 1 == leeg.size());
    leegRegel.chop(2);
    SchrijfRegels({kop({{1, 1}, {1, 3}, {2, 2}}), rij(1, {"1.1", "3.1", "22.1"}), leegRegel});
    NieuweVensters();
    meldingen.clear();
    LeesGegevensbestand(pad);
    EXPECT_EQ(waarden(2), (QStringList{"1.7", "2.7", "3.7", ""}));
    EXPECT_EQ(waarden(1), (QStringList{"1.1", "", "3.1", "22.1"}));
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("\r\n3: "))) << meldingen[0].tekst.toStdString();

    // Rack 2 waiting for its log-on: a row of the header leaves its block out (and the box says so); the
    // longer row, read by position, gives rack 2 the fourth block, its own place, and no other module.
    SchrijfRegels({kop({{1, 1}, {1, 3}, {2, 2}}), rij(1, {"1.1", "3.1", "22.1"}),
                   rij(2, {"1.2", "2.2", "3.2", "22.2"})});
    ZetRackWachtOpAanmelding(2, true);
    NieuweVensters();
    meldingen.clear();
    LeesGegevensbestand(pad);
    EXPECT_EQ(waarden(1), (QStringList{"1.1", "", "3.1", ""}));
    EXPECT_EQ(waarden(2), (QStringList{"1.2", "2.2", "3.2", "22.2"}));
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_TRUE(
        meldingen[1].tekst.startsWith(QStringLiteral("This file and the racks present differ in R2M2.")));
}

// A file whose header names inputs by their names (the whole table written with input names) is read
// by position as before: its blocks go to the present modules in their order, and a file of other racks
// gives rows of another layout, named as errors. Without names the same writer titles the inputs
// R1M1C1 and the file places its blocks.
TEST_F(MeetbestandTest, AFileWhoseHeaderNamesInputsByTheirNamesIsReadByPosition) {
    const auto vul = [this] {
        AantalMetingen = 1;
        VulRij(1, 1, 1, {"1", "05/01/2026", "09:00:01", "7.01", "pH"});
        VulRij(1, 3, 1, {"1", "05/01/2026", "09:00:01", "1413", u8("µS/cm")});
        VulRij(2, 2, 1, {"1", "05/01/2026", "09:00:01", "3.2", "g/l"});
    };
    // Rack 2's table alone, then opened with both racks: rack 2's block goes to rack 1's first module,
    // and the row is too short for the three.
    Racks[1].Present = false;
    vul();
    ASSERT_TRUE(SchrijfGegevensbestand(pad));
    EXPECT_TRUE(LeesBytes(pad).contains("\"Value Nitrate\""));
    Racks[1].Present = true;
    NieuweVensters();
    LeesGegevensbestand(pad);
    EXPECT_EQ(venster(1).CelTekst(1, 1, 3), "3.2");
    EXPECT_EQ(venster(2).CelTekst(2, 1, 3), "");
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.startsWith(
        QStringLiteral("An error is encountered when reading this data file!")));
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("\r\n2: ")));

    // Without input names the titles are R1M1C1 ...: opened without module 1, each block goes to its
    // own module, and what has no module is told once.
    for (const auto& [r, m] : {std::pair{1, 1}, {1, 3}, {2, 2}})
        for (int n = 1; n <= AantalIngangen; ++n)
            Racks[r].Modules[m].Meting[n].Name = "";
    NieuweVensters();
    vul();
    ASSERT_TRUE(SchrijfGegevensbestand(pad));
    EXPECT_TRUE(LeesBytes(pad).contains("\"Value R1M1C1\""));
    Racks[1].Modules[1].Present = false;
    NieuweVensters();
    meldingen.clear();
    LeesGegevensbestand(pad);
    EXPECT_EQ(venster(1).CelTekst(3, 1, 3), "1413");
    EXPECT_EQ(venster(2).CelTekst(2, 1, 3), "3.2");
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("differ in R1M1.")));
}

TEST_F(MeetbestandTest, Utf8AndLineFeedOnlyFilesLoadWithoutComplaint) {
    QByteArray bytes = "\"Time\"\n";
    for (int s = 1; s <= 3; ++s)
        bytes += Regel(s).toUtf8() + "\n";
    SchrijfBytes(pad, bytes);
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 3);
    EXPECT_TRUE(meldingen.empty());
    EXPECT_EQ(venster(1).CelTekst(1, 3, 6), u8("°C"));

    // Windows-1252 with lone CR line ends.
    bytes = "\"Time\"\r";
    for (int s = 1; s <= 2; ++s)
        bytes += platform::NaarWindows1252(Regel(s)) + "\r";
    SchrijfBytes(pad, bytes);
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_EQ(venster(2).CelTekst(2, 2, 6), u8("°C"));
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(MeetbestandTest, EdgesOfTheFile) {
    // An empty file leaves no rows (not -1, which would make the next snapshot row 0).
    SchrijfBytes(pad, QByteArray());
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 0);
    EXPECT_TRUE(meldingen.empty());

    // A first line that is a sample row is the header all the same; the user is told.
    SchrijfRegels({Regel(1), Regel(2)});
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 1);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("\r\n1: \"05/01/2026 09:00:01\"")));

    // Relative time: the first row becomes the zero.
    meldingen.clear();
    RelatieveTijd = true;
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(7), Regel(9)});
    LeesGegevensbestand(pad);
    EXPECT_DOUBLE_EQ(TijdBasis, platform::MaakDatum(2026, 1, 5, 9, 0, 7));
    EXPECT_EQ(venster(1).CelTekst(3, 2, KolomTijd), "+00:00:02");

    // A missing file or an empty name reads nothing.
    LeesGegevensbestand(tijdelijkeMap() + QStringLiteral("/none.csv"));
    LeesGegevensbestand(QString());
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_EQ(LaatsteKeuze, 1);
    EXPECT_TRUE(meldingen.empty());
}

// A file that is no measurement file (one line without a line end, a megabyte of NUL bytes, a header
// with NUL bytes) is told as an unsound file is, its first line shown; rows after a damaged header load.
TEST_F(MeetbestandTest, AFileThatIsNoMeasurementFileIsTold) {
    QByteArray nullen(1 << 20, '\0');
    QByteArray kop("\"Ti\0me\"\r\n", 10);
    kop += Regel(1).toLatin1() + "\r\n";
    for (const QByteArray& inhoud : {QByteArray("no line end in this file"), nullen, kop}) {
        meldingen.clear();
        SchrijfBytes(pad, inhoud);
        LeesGegevensbestand(pad);
        ASSERT_EQ(meldingen.size(), 1u) << inhoud.left(20).toStdString();
        EXPECT_TRUE(meldingen[0].tekst.startsWith(
            QStringLiteral("An error is encountered when reading this data file!\r\n\r\n1: ")));
        EXPECT_FALSE(meldingen[0].tekst.contains(QChar(0)));
    }
    EXPECT_TRUE(meldingen[0].tekst.contains(QStringLiteral("1: \"Ti?me\"")));
    EXPECT_EQ(AantalMetingen, 1);
}

TEST_F(MeetbestandTest, CancelKeepsTheRowsReadSoFar) {
    QStringList regels{QStringLiteral("\"Time\"")};
    for (int s = 1; s <= 40; ++s)
        regels.append(Regel(s));
    SchrijfRegels(regels);
    voortgang.afbrekenNa = 10;
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 8); // the header, then eight rows, then Cancel at the tenth step
    EXPECT_EQ(venster(1).getoond, (std::vector<int16_t>{1, 3}));
    EXPECT_FALSE(BezigMetLaden);
    EXPECT_FALSE(voortgang.open);
    EXPECT_TRUE(std::is_sorted(voortgang.stappen.begin(), voortgang.stappen.end()));
    EXPECT_EQ(LaatsteKeuze, 1);
}

TEST_F(MeetbestandTest, TheProgramsEventsRunWhileALargeFileLoadsAndCancelIsHeededAtOnce) {
    // A header of 5 MB, then 2000 short rows: together less than one percent of the file.
    QByteArray bytes = "\"" + QByteArray(5000000, 'x') + "\"\r\n";
    for (int s = 0; s < 2000; ++s)
        bytes += QStringLiteral("\"05/01/2026 %1:%2:%3\"\r\n")
                     .arg(9 + s / 3600, 2, 10, QLatin1Char('0'))
                     .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(s % 60, 2, 10, QLatin1Char('0'))
                     .toLatin1();
    SchrijfBytes(pad, bytes);
    // Cancel is clicked as soon as the window shows 99 %: an event that the program handles at its
    // next turn of the event loop.
    class Klikker : public VoortgangVenster {
    public:
        void Zet(int waarde) override {
            if (waarde == 99) QTimer::singleShot(0, [this] { geklikt = true; });
        }
        bool Onderbroken() const override { return geklikt; }
        bool geklikt = false;
    } klikker;
    ZetVoortgangVenster(&klikker);
    LeesGegevensbestand(pad);
    EXPECT_TRUE(klikker.geklikt);
    EXPECT_GT(AantalMetingen, 0);
    EXPECT_LT(AantalMetingen, 1100);
    EXPECT_FALSE(BezigMetLaden);

    // The grids are shown one by one after the last line, the program's events running in between.
    class Wachter : public VoortgangVenster {
    public:
        explicit Wachter(OpnameTabelvenster& v) : venster(v) {}
        void Zet(int waarde) override {
            if (waarde == 100) QTimer::singleShot(0, [this] { getoond = venster.getoond.size(); });
        }
        OpnameTabelvenster& venster;
        std::optional<size_t> getoond;
    } wachter(venster(1));
    ZetVoortgangVenster(&wachter);
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(1), Regel(2)});
    venster(1).getoond.clear();
    LeesGegevensbestand(pad);
    EXPECT_EQ(wachter.getoond, std::optional<size_t>(1));
    EXPECT_EQ(venster(1).getoond, (std::vector<int16_t>{1, 3}));
    ZetVoortgangVenster(&voortgang);
}

TEST_F(MeetbestandTest, APlainAsciiFileIsLookedThroughWithTheEventsRunningAndCancelEndsItBeforeItsRows) {
    // Plain ASCII (no "°"), about 2 MB: its encoding is known only at its end.
    QStringList regels{QStringLiteral("\"Time\"")};
    for (int s = 0; s < 6000; ++s)
        regels.append(Regel(s % 60).replace(u8("°C"), QStringLiteral("C")));
    SchrijfRegels(regels);
    ASSERT_GT(QFileInfo(pad).size(), 1500000);
    // Cancel is clicked at the second turn of the event loop.
    class Klikker : public VoortgangVenster {
    public:
        void Zet(int waarde) override { stappen.push_back(waarde); }
        bool Onderbroken() const override { return geklikt; }
        bool geklikt = false;
        std::vector<int> stappen;
    } klikker;
    int beurten = 0;
    std::optional<size_t> stappenBijKlik;
    std::optional<int32_t> metingenBijKlik;
    QTimer lus;
    QObject::connect(&lus, &QTimer::timeout, [&] {
        if (++beurten != 2) return;
        klikker.geklikt = true;
        stappenBijKlik = klikker.stappen.size();
        metingenBijKlik = AantalMetingen;
    });
    lus.start(0);
    ZetVoortgangVenster(&klikker);
    LeesGegevensbestand(pad);
    lus.stop();
    ZetVoortgangVenster(&voortgang);
    // The click came while the file was looked through, before its first line and its first step;
    // no row was loaded after it.
    EXPECT_EQ(stappenBijKlik, std::optional<size_t>(0));
    EXPECT_EQ(metingenBijKlik, std::optional<int32_t>(-1));
    EXPECT_EQ(AantalMetingen, 0);
    EXPECT_FALSE(BezigMetLaden);
    EXPECT_TRUE(meldingen.empty());

    // Not cancelled, the same file loads whole.
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 6000);
    EXPECT_EQ(venster(1).CelTekst(1, 6000, 3), QStringLiteral("7.01"));
}

TEST_F(MeetbestandTest, RowsBeyondThe16BitRangeLoadWhole) {
    // One rack with one module, so that the rows stay short.
    Racks[2].Present = false;
    Racks[1].Modules[3].Present = false;
    QByteArray bytes = "\"Time\"\r\n";
    const QByteArray rest = QByteArray(",\"0\",\"1.00\",\"pH\",\"20.0\",\"C\"") +
                            QByteArray(15, ',').replace(",", ",\"\"") + ",\"\"\r\n";
    // One row a second from midnight of 5 January 2026 (en_GB: dd/MM/yyyy HH:mm:ss).
    char tijd[32];
    for (int i = 0; i < 100000; ++i) {
        std::snprintf(tijd, sizeof tijd, "\"%02d/01/2026 %02d:%02d:%02d\"", 5 + i / 86400, i % 86400 / 3600,
                      i % 3600 / 60, i % 60);
        bytes += tijd + rest;
    }
    SchrijfBytes(pad, bytes);
    LeesGegevensbestand(pad);
    EXPECT_EQ(AantalMetingen, 100000);
    EXPECT_TRUE(meldingen.empty());
    EXPECT_EQ(venster(1).CelTekst(1, 100000, KolomTijd), "03:46:39");

    // Written whole again, every row is in the file.
    const QString kopie = tijdelijkeMap() + QStringLiteral("/kopie.csv");
    ASSERT_TRUE(SchrijfGegevensbestand(kopie));
    const QByteArray geschreven = LeesBytes(kopie);
    EXPECT_EQ(geschreven.count("\r\n"), 100001);
    EXPECT_TRUE(geschreven.endsWith(
        "\"06/01/2026 03:46:39\",\"0\",\"1.00\",\"pH\",\"20.0\",\"C\",\"0\",\"\",\"\",\"\","
        "\"\",\"\",\"\",\"\",\"\",\"\",\"0\",\"\",\"\",\"\",\"\",\"\"\r\n"));
}

// Text the code page lacks is saved as "?", never as the end-of-file control byte.
TEST_F(MeetbestandTest, ACharacterTheCodePageLacksIsSavedAsAQuestionMark) {
    AantalMetingen = 1;
    VulRij(1, 1, 1, {"1", "05/01/2026", "09:00:00", "7.01"});
    Racks[1].Modules[1].Meting[1].Name = QString::fromUtf8("\u0141ukasz");
    const QString naam = tijdelijkeMap() + QStringLiteral("/data.csv");
    ASSERT_TRUE(SchrijfGegevensbestand(naam));
    const QByteArray bytes = LeesBytes(naam);
    EXPECT_FALSE(bytes.contains('\x1A'));
    EXPECT_TRUE(bytes.contains("?ukasz"));
}

TEST_F(MeetbestandTest, AFailedSaveIsReportedAndRetried) {
    AantalMetingen = 1;
    VulRij(1, 1, 1, {"1", "05/01/2026", "09:00:00", "7.01"});
    const QString naam = tijdelijkeMap() + QStringLiteral("/new/data.csv");
    OpnameMelding melding;
    melding.beantwoord = [&](const Vraag&) {
        if (melding.vragen.size() == 1) {
            QDir().mkpath(tijdelijkeMap() + QStringLiteral("/new"));
            return int(vbRetry);
        }
        return int(vbCancel);
    };
    ZetMeldingVenster(&melding);
    EXPECT_TRUE(SchrijfGegevensbestand(naam));
    ASSERT_EQ(melding.vragen.size(), 1u);
    EXPECT_EQ(melding.vragen[0],
              (Vraag{naam + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(ENOENT)),
                     vbRetryCancel | vbExclamation, naam}));
    EXPECT_TRUE(LeesBytes(naam).contains("\"05/01/2026 09:00:00\",\"0\",\"7.01\""));

    // Cancel: nothing written, and the caller learns it.
    EXPECT_FALSE(SchrijfGegevensbestand(tijdelijkeMap() + QStringLiteral("/none/data.csv")));
    EXPECT_EQ(melding.vragen.size(), 2u);
}

TEST_F(MeetbestandTest, OpeningTheDataFile) {
    OpnameHoofdvenster hoofd;
    ZetHoofdvenster(&hoofd);
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(1)});
    Gegevensbestand = pad;
    EXPECT_EQ(OpenGegevensbestand(), 1);
    EXPECT_EQ(AantalMetingen, 1);
    EXPECT_EQ(hoofd.titels, 1);
    EXPECT_EQ(hoofd.grafiekenVernieuwd, 1);
    EXPECT_EQ(hoofd.wachtcursors, (std::vector<bool>{true, false}));

    // A template is accepted without a file.
    Gegevensbestand = tijdelijkeMap() + QStringLiteral("/run#date#.csv");
    EXPECT_EQ(OpenGegevensbestand(), 1);
    EXPECT_EQ(AantalMetingen, 0);
    EXPECT_EQ(hoofd.titels, 2);
    EXPECT_TRUE(meldingen.empty());

    Gegevensbestand = tijdelijkeMap() + QStringLiteral("/gone.csv");
    EXPECT_EQ(OpenGegevensbestand(), 2);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, "Non-existing file!\r\n\r\n" + Gegevensbestand + "\r\n");
    EXPECT_EQ(meldingen[0].stijl, vbExclamation);
    EXPECT_EQ(meldingen[0].titel, "File to open:");
    EXPECT_EQ(hoofd.verwijderdeRecenteBestanden, std::vector<QString>{Gegevensbestand});
    EXPECT_EQ(hoofd.grafiekenVernieuwd, 1);
}

// Reopening a data file named from a template (Relative clock, Set reference point) shows the rows of
// the file it names, none: the rows of an earlier run are not left for the next run to overwrite in
// part.
TEST_F(MeetbestandTest, ReopeningATemplateDataFileLeavesNoRowsOfTheRunBefore) {
    OpnameHoofdvenster hoofd;
    ZetHoofdvenster(&hoofd);
    AantalMetingen = 7;
    for (int32_t rij = 1; rij <= 7; ++rij)
        VulRij(1, 1, rij, {QString::number(rij), "05/01/2026", "09:00:00", "7.01"});
    Gegevensbestand = tijdelijkeMap() + QStringLiteral("/Run_#date#.csv");
    EXPECT_EQ(OpenGegevensbestand(), 1);
    EXPECT_EQ(AantalMetingen, 0);
    for (int32_t rij = 1; rij <= 7; ++rij)
        EXPECT_EQ(venster(1).CelTekst(1, rij, KolomDatum), QString()) << rij;
}

TEST_F(MeetbestandTest, TheFileLayerReloadsTheDataFileForTheStartUpOfTheLoop) {
    SchrijfRegels({QStringLiteral("\"Time\""), Regel(1), Regel(2)});
    Gegevensbestand = pad;
    Bestandsdiensten bestanden;
    bestanden.OpenGegevensbestand();
    EXPECT_EQ(AantalMetingen, 2);
    EXPECT_EQ(bestanden.Gegevensbestand(), pad);

    // A data file that does not exist yet is no fault at start-up.
    Gegevensbestand = tijdelijkeMap() + QStringLiteral("/Untitled.csv");
    bestanden.OpenGegevensbestand();
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(MeetbestandTest, DataFileFromTheCommandLineKeepsItsCase) {
    const QString oud = QDir::currentPath();
    QDir().mkpath(tijdelijkeMap() + QStringLiteral("/Sub Map"));
    SchrijfBytes(tijdelijkeMap() + QStringLiteral("/Sub Map/Run1.CSV"), "x");
    QDir::setCurrent(tijdelijkeMap());

    EXPECT_EQ(ZetGegevensbestand(QStringLiteral("  Sub Map/Run1.CSV ")), "Run1.CSV");
    EXPECT_EQ(MapGegevens, tijdelijkeMap() + QStringLiteral("/Sub Map"));
    EXPECT_EQ(QDir::currentPath(), tijdelijkeMap() + QStringLiteral("/Sub Map"));
    EXPECT_EQ(LaatsteKeuze, 1);

    const QString absoluut = tijdelijkeMap() + QStringLiteral("/Sub Map/Day#date#");
    EXPECT_EQ(ZetGegevensbestand(absoluut), absoluut + ".csv");

    EXPECT_EQ(ZetGegevensbestand(tijdelijkeMap() + QStringLiteral("/None/x.csv")),
              tijdelijkeMap() + QStringLiteral("/None/x.csv"));
    EXPECT_EQ(LaatsteKeuze, 2);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, "The specified file map is invalid!");
    EXPECT_EQ(ZetGegevensbestand(QStringLiteral("   ")), "");
    QDir::setCurrent(oud);
}

// A file written on a machine with another locale opens whole: its dates are read in the forms the
// program writes under the common locales; a date that fits two readings takes the current locale's.
TEST_F(MeetbestandTest, AFileWrittenUnderAnotherLocaleOpensWithItsTimes) {
    const QLocale gb(QLocale::English, QLocale::UnitedKingdom);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    const QLocale c = QLocale::c();
    const std::vector<std::pair<QLocale, QLocale>> paren = {{gb, c},  {gb, us}, {us, gb}, {us, c},
                                                            {nl, gb}, {nl, us}, {c, nl},  {gb, nl}};
    for (const auto& [geschreven, gelezen] : paren) {
        const std::string naam = (geschreven.name() + QStringLiteral(" > ") + gelezen.name()).toStdString();
        meldingen.clear();
        QLocale::setDefault(geschreven);
        const platform::Datum begin = platform::MaakDatum(2026, 12, 31, 23, 59, 58);
        QStringList regels{QStringLiteral("\"Time\"")};
        for (int s = 0; s < 3; ++s) {
            QString regel = Regel(0);
            regel.replace(QStringLiteral("05/01/2026 09:00:00"),
                          platform::DatumTijdTekst(begin + s / 86400.0));
            regels.append(regel);
        }
        SchrijfRegels(regels);
        QLocale::setDefault(gelezen);
        LeesGegevensbestand(pad);
        EXPECT_EQ(AantalMetingen, 3) << naam;
        EXPECT_EQ(std::llround(TijdMeting * 86400), std::llround((begin + 2 / 86400.0) * 86400)) << naam;
        EXPECT_TRUE(meldingen.empty()) << naam;
    }
    // 5 January as an en_GB machine writes it: day-first where the locale reads day-first, month-first
    // under en_US.
    for (const auto& [taal, maand, dag] : {std::tuple{c, 1, 5}, {nl, 1, 5}, {us, 5, 1}}) {
        QLocale::setDefault(taal);
        platform::Datum d = 0;
        ASSERT_TRUE(platform::LeesDatumTijd(QStringLiteral("05/01/2026 09:00:00"), d));
        EXPECT_EQ(platform::DagVan(d), QDate(2026, maand, dag)) << taal.name().toStdString();
        EXPECT_EQ(platform::TijdVan(d), QTime(9, 0));
    }
    QLocale::setDefault(gb);
}

TEST_F(MeetbestandTest, RowTimesAreReadInTheLocalesFormat) {
    for (const QLocale& taal : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Dutch)}) {
        QLocale::setDefault(taal);
        const platform::Datum begin = platform::MaakDatum(2026, 12, 31, 23, 59, 58);
        QStringList regels{QStringLiteral("\"Time\"")};
        for (int s = 0; s < 4; ++s) {
            QString regel = Regel(0);
            regel.replace(QStringLiteral("05/01/2026 09:00:00"),
                          platform::DatumTijdTekst(begin + s / 86400.0));
            regels.append(regel);
        }
        SchrijfRegels(regels);
        LeesGegevensbestand(pad);
        EXPECT_EQ(AantalMetingen, 4);
        EXPECT_EQ(std::llround(TijdMeting * 86400), std::llround((begin + 3 / 86400.0) * 86400));
        EXPECT_EQ(venster(1).CelTekst(1, 4, KolomTijd), platform::LangeTijd(begin + 3 / 86400.0));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_TRUE(meldingen.empty());
}
