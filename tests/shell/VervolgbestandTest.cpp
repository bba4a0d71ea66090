// A logging run goes on in a new data file when the racks no longer fit the file's header, and only
// then. The whole program logs every second against two racks of the rack emulator on the in-memory
// line and the virtual clock, input 1 of each rack's module rising all the while. A header edited in
// place behind the program is noticed although the file keeps its length; a file of another layout put
// in the data file's place gets nothing of the run; and once the run goes on in a new file, the tables
// and the graphs show that file alone, from its first row, as if it had just been opened. So too after
// File > New, also in a graph the settings do not list; while a System > Search that finds the same
// racks and modules leaves the tables with the rows the file holds. Every file is read as a laboratory
// reads it: one header, rows of its layout with rising readings, the end point last.
#include "Bestandsgrens.h"
#include "Draaiboek.h"
#include "EchteMelding.h"
#include "EersteStart.h"
#include "InfoMetEnter.h"
#include "RackEmulator.h"
#include "StijgendeRack.h"
#include "TypNaam.h"
#include "acquisition/Frames.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/FormRack.h"
#include "reports/FormGLP.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/Programmainstellingen.h"
#include "shell/RecenteBestanden.h"
#include "shell/Vensterbeheer.h"
#include "shell/mdiK740.h"
#include "views/Diagram.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmGrafiekInstellen.h"
#include "views/frmTabel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The open and save dialogs answer from a list.
class Bestandskeuze : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override {
        if (bestanden.empty()) return std::nullopt;
        QString pad = bestanden.front();
        bestanden.pop_front();
        return pad;
    }
    std::deque<QString> bestanden;
};

bool IsEindpunt(const QStringList& rij) {
    return std::all_of(rij.begin() + 1, rij.end(), [](const QString& v) { return v.isEmpty(); });
}

class VervolgbestandTest : public StijgendeRackOmgeving {
protected:
    static constexpr int32_t TweedeModule = K761Idno(1, 2, 4);

    void SetUp() override {
        StijgendeRackOmgeving::SetUp();
        ZetRack(2, TweedeModule);
        stijging->bijTik = [this] {
            for (int32_t idno : stijgend)
                ++emulator.module(idno)->adc[0];
        };
    }
    void TearDown() override {
        ZetBestandsdialogen(nullptr);
        StijgendeRackOmgeving::TearDown();
    }

    // A rack at `plaats` with a mV module at position 1 whose input 1 rises with the others.
    void ZetRack(int plaats, int32_t module) {
        emulator.zetRack(plaats, RackIdno(0, 0, plaats));
        RackEmulator::Module& mv = emulator.zetModule(plaats, 1, module);
        mv.status = 0x0F;
        mv.adc = {static_cast<int16_t>(1000 * plaats), 1000, 1000, 1000};
        mv.temperatuurAdc = {250, 250, 250, 250};
        stijgend.push_back(module);
    }

    QString Datamap() const { return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data"); }
    QString Pad(const char* naam) const { return Datamap() + QLatin1Char('/') + QLatin1String(naam); }
    static QByteArray Bytes(const QString& pad) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static std::vector<QStringList> Regels(const QString& pad) {
        std::vector<QStringList> regels;
        for (const QString& regel :
             platform::VanWindows1252(Bytes(pad)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            regels.push_back(SplitsVelden(regel));
        return regels;
    }
    static int Rijen(const QString& pad) { return std::max(static_cast<int>(Regels(pad).size()) - 1, 0); }
    // Rack r's table is shown and holds, cell for cell, the rows of the data file `regels` (its header
    // first): the time and the values of its module's inputs. `waarden`: how many values those rows hold.
    static void ControleerTabel(int r, const std::vector<QStringList>& regels, int& waarden) {
        SCOPED_TRACE("rack " + std::to_string(r));
        waarden = 0;
        const Tabelvenster* tabel = TabelVensters[r];
        ASSERT_NE(tabel, nullptr);
        EXPECT_TRUE(dynamic_cast<const QWidget*>(tabel)->isVisible());
        for (int32_t rij = 1; rij <= AantalMetingen; ++rij) {
            const QStringList& regel = regels[static_cast<size_t>(rij)];
            const QString tijd =
                tabel->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') + tabel->CelTekst(1, rij, KolomTijd);
            EXPECT_EQ(tijd.toStdString(), regel.value(0).toStdString()) << "row " << rij;
            for (int c = 1; c <= AantalIngangen; ++c) {
                const qsizetype veld = regels.front().indexOf(QStringLiteral("Value R%1M1C%2").arg(r).arg(c));
                ASSERT_GT(veld, 0);
                const QString waarde = tabel->CelTekst(1, rij, static_cast<int16_t>(KolomVanKanaal(c)));
                EXPECT_EQ(waarde.toStdString(), regel.value(veld).toStdString())
                    << "row " << rij << " input " << c;
                if (!regel.value(veld).isEmpty()) ++waarden;
            }
        }
    }

    // Writes the bytes over the file and gives it a modification time two seconds after the one it had,
    // as an editor that saves it later does.
    static void Overschrijf(const QString& pad, const QByteArray& bytes) {
        QFile f(pad);
        const QDateTime tijd = QFileInfo(pad).lastModified();
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
        ASSERT_TRUE(f.setFileTime(tijd.addSecs(2), QFileDevice::FileModificationTime));
    }

    // One header, every row with the fields it names, input 1 of every module reading more in every
    // row than in the one before, and the end point last.
    static void ControleerAlsLab(const QString& pad) {
        SCOPED_TRACE(pad.toStdString());
        const std::vector<QStringList> regels = Regels(pad);
        ASSERT_GE(regels.size(), 4u);
        const QStringList& kop = regels.front();
        EXPECT_EQ(kop.value(0), QStringLiteral("Time"));
        std::vector<qsizetype> waarden;
        for (qsizetype v = 0; v < kop.size(); ++v)
            if (kop[v].startsWith(QLatin1String("Value ")) && kop[v].endsWith(QLatin1String("C1")))
                waarden.push_back(v);
        ASSERT_FALSE(waarden.empty());
        for (size_t r = 1; r < regels.size(); ++r) {
            EXPECT_EQ(regels[r].size(), kop.size()) << "row " << r;
            EXPECT_EQ(IsEindpunt(regels[r]), r + 1 == regels.size()) << "row " << r;
            if (r < 2 || r + 1 == regels.size()) continue;
            for (qsizetype v : waarden)
                EXPECT_GT(regels[r][v].toDouble(), regels[r - 1][v].toDouble())
                    << "row " << r << " " << kop[v].toStdString();
        }
    }

    // The table of rack r shows the rows of the data file: as many, the first one first.
    void ControleerTabel(int r, const QString& pad) {
        SCOPED_TRACE(pad.toStdString());
        const std::vector<QStringList> regels = Regels(pad);
        ASSERT_GE(regels.size(), 2u);
        EXPECT_EQ(AantalMetingen, static_cast<int32_t>(regels.size()) - 1) << "rows in the tables";
        const Tabelvenster* tabel = TabelVensters[r];
        ASSERT_NE(tabel, nullptr);
        EXPECT_EQ(tabel->CelTekst(1, 1, KolomNummer), QStringLiteral("1"));
        EXPECT_EQ(tabel->CelTekst(1, 1, KolomDatum) + QLatin1Char(' ') + tabel->CelTekst(1, 1, KolomTijd),
                  regels[1].value(0))
            << "the table's first row is the file's first";
        EXPECT_TRUE(tabel->CelTekst(1, AantalMetingen + 1, KolomTijd).isEmpty());
    }

    // Where the chart draws row `rij` of curve 1 (series 3), as the user points at it.
    static QPoint PuntVanCurve(frmGrafiek& grafiek, int rij) {
        const Grafiekmodel& m = grafiek.Model();
        const DiagramGeometrie geo = BerekenGeometrie(QRectF(grafiek.diagram()->rect()), BeeldVan(m),
                                                      QFontMetricsF(grafiek.diagram()->font()));
        return QPointF(XVanRij(geo.indeling.plot, m.Raster().Rijen(), rij),
                       YVanWaarde(geo.indeling.plot, geo.as, m.Raster().Waarde(rij, 3)))
            .toPoint();
    }
    // What the user sees of a graph of a file without rows: no point of any curve, no marker, no
    // read-out.
    static void ControleerLegeGrafiek(frmGrafiek& grafiek) {
        const Grafiekmodel& m = grafiek.Model();
        int punten = 0;
        for (int s = 3; s <= AantalDiagramReeksen; ++s)
            for (int rij = 1; rij <= m.Raster().Rijen(); ++rij)
                if (!IsOntbrekend(m.Raster().Waarde(rij, s))) ++punten;
        EXPECT_EQ(punten, 0) << "points of the old file on the chart";
        EXPECT_EQ(m.MarkerReeks, 0);
        EXPECT_FALSE(m.VoetnootZichtbaar);
        EXPECT_TRUE(m.Voetnoot.isEmpty()) << m.Voetnoot.toStdString();
    }

    std::vector<int32_t> stijgend{MillivoltModule};
    Bestandskeuze keuze;
};

TEST_F(VervolgbestandTest, AHeaderEditedInPlaceMovesTheRunOnWhileAFileSavedUnchangedKeepsIt) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    int rijen = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            // The same bytes saved again, later.
            Overschrijf(Pad("Untitled.csv"), Bytes(Pad("Untitled.csv")));
            rijen = Rijen(Pad("Untitled.csv"));
        });
    QByteArray bewerkt;
    boek.Stap(
        QStringLiteral("rows go on in the file saved unchanged"),
        [&] { return Rijen(Pad("Untitled.csv")) >= rijen + 3; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("Untitled.csv"));
            EXPECT_FALSE(QFile::exists(Pad("Untitled_2.csv")));
            // An input's title edited in the header; the file keeps its length.
            bewerkt = Bytes(Pad("Untitled.csv"));
            const qsizetype titel = bewerkt.indexOf("\"Flags R1M1C1\"");
            ASSERT_GT(titel, 0);
            bewerkt.replace(titel, 14, "\"Flags R1M1C2\"");
            Overschrijf(Pad("Untitled.csv"), bewerkt);
        });
    boek.Stap(
        QStringLiteral("the run goes on in a new file"), [&] { return Rijen(Pad("Untitled_2.csv")) >= 3; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("Untitled_2.csv"));
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            EXPECT_EQ(Bytes(Pad("Untitled.csv")), bewerkt) << "rows under the edited header";
            ControleerAlsLab(Pad("Untitled_2.csv"));
            keuze.bestanden = {Pad("run-#module#.csv")};
            venster.menus().mnuFileNew->trigger();
            venster.StartStopVerbinding();
            ASSERT_TRUE(VerbindingActief);
        });
    // Under a name per module: Log off, the two modules' files swapped behind the program (written by
    // one snapshot, they have one length and one time), Log again. Each file is known by what it is on the
    // disk: its header is read again, and no row goes under the other module's header.
    QStringList paden;
    std::array<int, 2> voor{};
    qint64 geruild = 0;
    boek.Stap(
        QStringLiteral("rows in both module files"),
        [&] {
            paden = LogBestanden(Gegevensbestand);
            return paden.size() == 2 && Rijen(paden[0]) >= 3 && Rijen(paden[1]) >= 3;
        },
        [&] {
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            const QString tussen = Pad("swap.tmp");
            ASSERT_TRUE(QFile::rename(paden[0], tussen));
            ASSERT_TRUE(QFile::rename(paden[1], paden[0]));
            ASSERT_TRUE(QFile::rename(tussen, paden[1]));
            voor = {Rijen(paden[0]), Rijen(paden[1])};
            geruild = platform::klok().ms();
            venster.StartStopVerbinding();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("five seconds of logging after the swap"),
        [&] { return platform::klok().ms() - geruild >= 5000 && !PauzeOpvragen; },
        [&] {
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            EXPECT_EQ(Rijen(paden[0]), voor[0]) << "rows under the other module's header";
            EXPECT_EQ(Rijen(paden[1]), voor[1]) << "rows under the other module's header";
            const QStringList nu = LogBestanden(Gegevensbestand);
            ASSERT_EQ(nu.size(), 2);
            EXPECT_FALSE(paden.contains(nu[0]) || paden.contains(nu[1])) << "the run did not go on";
            for (const QString& pad : paden + nu)
                ControleerAlsLab(pad);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(VervolgbestandTest, AFileOfAnotherLayoutPutInTheDataFilesPlaceWhileLoggingGetsNothingOfTheRun) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    QByteArray ander;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            // A file of one module, with one row.
            QString kop = QStringLiteral("\"Time\"");
            QString rij = QLatin1Char('"') + platform::DatumTijdTekst(platform::Nu() - 1) + QLatin1Char('"');
            for (int c = 1; c <= 4; ++c)
                for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"}) {
                    kop += QStringLiteral(",\"%1 R1M1C%2\"").arg(QLatin1String(soort)).arg(c);
                    rij += QStringLiteral(",\"\"");
                }
            ander = platform::NaarWindows1252(kop + QStringLiteral(",\"Info mV\",\"\"\r\n") + rij +
                                              QStringLiteral(",\"\",\"\"\r\n"));
            Overschrijf(Pad("Untitled.csv"), ander);
        });
    boek.Stap(
        QStringLiteral("the run goes on in a new file"), [&] { return Rijen(Pad("Untitled_2.csv")) >= 3; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("Untitled_2.csv"));
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            EXPECT_EQ(Bytes(Pad("Untitled.csv")), ander) << "the file put in place got part of the run";
            ControleerAlsLab(Pad("Untitled_2.csv"));
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(VervolgbestandTest, LoggingIntoAnOpenedFileOfAnotherLayoutShowsTheNewFileAloneInTheTablesAndGraphs) {
    // A file of rack 1's modules 1 and 2, 30 rows of 500 mV: as many fields as the two racks give, other
    // columns.
    ASSERT_TRUE(QDir().mkpath(Datamap()));
    const QString anderPad = Pad("other.csv");
    QString ander = QStringLiteral("\"Time\"");
    for (int m = 1; m <= 2; ++m) {
        for (int c = 1; c <= 4; ++c)
            for (const char* soort : {"Flags", "Value", "Unit", "Temp", "T.Unit"})
                ander += QStringLiteral(",\"%1 R1M%2C%3\"").arg(QLatin1String(soort)).arg(m).arg(c);
        ander += QStringLiteral(",\"Info mV\"");
    }
    ander += QStringLiteral(",\"\"\r\n");
    for (int r = 30; r >= 1; --r) {
        ander += QLatin1Char('"') + platform::DatumTijdTekst(platform::Nu() - r / 1440.0) + QLatin1Char('"');
        for (int m = 1; m <= 2; ++m) {
            for (int c = 1; c <= 4; ++c)
                ander += QStringLiteral(",\"0\",\"500.0\",\"mV\",\"25.0\",\"°C\"");
            ander += QStringLiteral(",\"\"");
        }
        ander += QStringLiteral(",\"\"\r\n");
    }
    const QByteArray anderBytes = platform::NaarWindows1252(ander);
    {
        QFile f(anderPad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(anderBytes);
    }

    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    frmGrafiek* grafiek = nullptr;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            // File > Open of the other file, and a graph of rack 1's input 1 over its rows.
            keuze.bestanden = {anderPad};
            venster.menus().mnuFileOpen->trigger();
            ASSERT_EQ(Gegevensbestand, anderPad);
            ASSERT_EQ(AantalMetingen, 30);
            platform::klok().planIn(0, [] {
                if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
            });
            grafiek = venster.vensterbeheer().NieuweGrafiek(false);
            ASSERT_NE(grafiek, nullptr);
            grafiek->SchrijfGrafiekLijnRef(1, LijnRack, 1);
            grafiek->SchrijfGrafiekLijnRef(1, LijnModule, 1);
            grafiek->SchrijfGrafiekLijnRef(1, LijnIngang, 1);
            grafiek->HerInitialiseerGrafiek();
            grafiek->HerladenGrafiek();
            ASSERT_EQ(grafiek->Model().AantalPunten, 30);
            // A point of the old rows read out.
            grafiek->Model().KiesPunt(3, 10);
            ASSERT_TRUE(grafiek->Model().VoetnootZichtbaar);
            // Data > Log.
            venster.menus().mnuDatalogging->trigger();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("logging runs in the next file of the series"),
        [&] { return Rijen(Pad("other_2.csv")) >= 4; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("other_2.csv"));
            ControleerTabel(1, Pad("other_2.csv"));
            ControleerTabel(2, Pad("other_2.csv"));
            // The graph begun afresh: the new rows only, the first one first, and no read-out of the old.
            const Grafiekmodel& model = grafiek->Model();
            EXPECT_EQ(model.VensterStart, 1);
            EXPECT_EQ(model.AantalPunten, AantalMetingen);
            EXPECT_FALSE(model.VoetnootZichtbaar);
            const std::vector<QStringList> regels = Regels(Pad("other_2.csv"));
            const qsizetype waarde = regels.front().indexOf(QStringLiteral("Value R1M1C1"));
            ASSERT_GT(waarde, 0);
            EXPECT_NEAR(model.Raster().Waarde(1, 3), regels[1].value(waarde).toDouble(), 0.05);

            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            ControleerAlsLab(Pad("other_2.csv"));
            ControleerTabel(1, Pad("other_2.csv"));
            EXPECT_EQ(Bytes(anderPad), anderBytes);
            // File > Save As keeps what the tables show.
            keuze.bestanden = {Pad("saved.csv")};
            venster.menus().mnuFileSaveAs->trigger();
            EXPECT_EQ(Rijen(Pad("saved.csv")), AantalMetingen);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

TEST_F(VervolgbestandTest, ASearchThatFindsARackMoreWhileLoggingShowsTheNewFileFromItsFirstRow) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    boek.Stap(
        QStringLiteral("logging runs with two racks"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            ZetRack(3, K761Idno(1, 2, 5));
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("logging runs with three racks"),
        [&] { return RackVenster(3) != nullptr && Rijen(Pad("Untitled_2.csv")) >= 4; },
        [&] {
            EXPECT_EQ(Gegevensbestand, Pad("Untitled_2.csv"));
            ControleerTabel(1, Pad("Untitled_2.csv"));
            ControleerTabel(3, Pad("Untitled_2.csv"));
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            ControleerAlsLab(Pad("Untitled.csv"));
            ControleerAlsLab(Pad("Untitled_2.csv"));
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// System > Search while logging, and neither rack answers its identification: both keep the modules
// they had, and the run goes on in the same file with values. The event log tells only the modules an
// identification reply named.
TEST_F(VervolgbestandTest, RacksWhoseIdentificationGetsNoReplyKeepTheirModulesAndTheirFile) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    int vragen = 0;
    boek.Stap(
        QStringLiteral("logging runs with two racks"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            emulator.rack(1)->identificatieStil = emulator.rack(2)->identificatieStil = true;
            vragen = emulator.aantalVerzoeken(CommandoIdentificatie);
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    int rijen = 0;
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("both identifications have had their attempts"),
        [&] { return emulator.aantalVerzoeken(CommandoIdentificatie) >= vragen + 8 && !PauzeOpvragen; },
        [&] {
            rijen = Rijen(Pad("Untitled.csv"));
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rows go on in the same file, or ten seconds have passed"),
        [&] { return Rijen(Pad("Untitled.csv")) >= rijen + 3 || platform::klok().ms() - sinds > 10000; },
        [&] {
            EXPECT_GE(Rijen(Pad("Untitled.csv")), rijen + 3) << "no rows after the log-on";
            EXPECT_TRUE(Racks[1].Modules[1].Present && Racks[2].Modules[1].Present);
            EXPECT_NE(RackVenster(1), nullptr);
            EXPECT_EQ(Gegevensbestand, Pad("Untitled.csv"));
            EXPECT_FALSE(QFile::exists(Pad("Untitled_2.csv")));
            const std::vector<QStringList> regels = Regels(Pad("Untitled.csv"));
            EXPECT_FALSE(IsEindpunt(regels.back())) << "the newest row holds no values";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    const QString logboek =
        platform::VanWindows1252(Bytes(MapGegevens + QLatin1Char('/') + LogboekBestandsnaam(platform::Nu())));
    EXPECT_EQ(logboek.count(Tekst[459] + Tekst[296]), 2) << "a module's log-on told without its reply";
}

// File > New while logging, with no log-on saved: the racks stay registered and polled, Measure and Log
// stay on, and the rows go on, with values, in the new file.
TEST_F(VervolgbestandTest, FileNewKeepsTheRacksPolledAndLogsOnIntoTheNewFile) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            keuze.bestanden = {Pad("exp1.csv")};
            ZetBestandsdialogen(&keuze);
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("exp1.csv"));
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rows in the new file, or ten seconds have passed"),
        [&] { return Rijen(Pad("exp1.csv")) >= 4 || platform::klok().ms() - sinds > 10000; },
        [&] {
            EXPECT_GE(Rijen(Pad("exp1.csv")), 4) << "no rows in the new file";
            EXPECT_TRUE(Racks[1].Present && Racks[2].Present);
            EXPECT_NE(RackVenster(1), nullptr);
            EXPECT_NE(RackVenster(2), nullptr);
            EXPECT_TRUE(venster.menus().mnuDataMeasure->isEnabled());
            EXPECT_TRUE(venster.menus().mnuDataMeasure->isChecked());
            EXPECT_TRUE(VerbindingActief);
            venster.StartStopVerbinding();
            ControleerAlsLab(Pad("exp1.csv"));
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// A run's first row holds only readings taken since the run began. Two racks log every second; rack 1
// leaves the line just after it was read, and logging is switched off and on again before its module is
// given up: the new run's first row has no value of rack 1. Rack 1 comes back, is read, leaves the line
// again, and logging is switched off and a Search made: rack 2 alone logs on, rack 1 stays present but
// waits, unpolled, without its window. File > Open of the data file names rack 1's module as not
// present; File > New polls rack 1 again as its log-on record says, a File > Open after it puts rack 1's
// values in its table again, its blocks stay in the new file's header, and the new file's first row
// after Log has no value of it. So too the first row after a File > New and after a Search while
// logging, of rack 2 read just before them and silent since.
TEST_F(VervolgbestandTest, ARunsFirstRowHoldsNoReadingTakenBeforeTheRunBegan) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    // The value of input 1 of rack r's module in row `rij` of the file (0 the header).
    const auto waarde = [this](const char* naam, size_t rij, int r) {
        const std::vector<QStringList> regels = Regels(Pad(naam));
        const qsizetype veld =
            regels.empty() ? -1 : regels.front().indexOf(QStringLiteral("Value R%1M1C1").arg(r));
        return (rij < regels.size() && veld > 0 ? regels[rij].value(veld) : QStringLiteral("(none)"))
            .toStdString();
    };
    const auto stapLog = [&venster] { venster.menus().mnuDatalogging->trigger(); };
    boek.Stap(
        QStringLiteral("logging runs, rack 1 read after the last row"),
        [&] { return Rijen(Pad("Untitled.csv")) >= 3 && !ModuleNietGelezen(1, 1) && !PauzeOpvragen; },
        [&] {
            emulator.rack(1)->stil = true;
            stapLog();
            ASSERT_FALSE(VerbindingActief);
        });
    size_t eerste = 0;
    boek.Stap(
        QStringLiteral("every module has had its turn, rack 1's module not yet given up"),
        [&] { return CyclusVoltooid && !ModuleOpgegeven(1, 1); },
        [&] {
            stapLog();
            ASSERT_TRUE(VerbindingActief);
            eerste = static_cast<size_t>(Rijen(Pad("Untitled.csv"))) + 1;
        });
    boek.Stap(
        QStringLiteral("the run's first row"), [&] { return Rijen(Pad("Untitled.csv")) >= int(eerste); },
        [&] {
            EXPECT_EQ(waarde("Untitled.csv", eerste, 1), "") << "a reading of rack 1 from before Log";
            EXPECT_NE(waarde("Untitled.csv", eerste, 2), "");
            emulator.rack(1)->stil = false;
        });
    int statusVragen = 0;
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("rack 1 back and read after the last row"),
        [&] {
            return Rijen(Pad("Untitled.csv")) >= int(eerste) + 2 && !ModuleOpgegeven(1, 1) &&
                   !ModuleNietGelezen(1, 1) && !PauzeOpvragen;
        },
        [&] {
            emulator.rack(1)->stil = true;
            stapLog();
            ASSERT_FALSE(VerbindingActief);
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rack 2 has logged on again"),
        [&] { return RackVenster(2) != nullptr && !PauzeOpvragen && platform::klok().ms() - sinds > 5000; },
        [&] {
            EXPECT_TRUE(Racks[1].Present);
            auto* rack = dynamic_cast<QWidget*>(RackVenster(1));
            EXPECT_TRUE(!rack || Kindvensterkader(rack)->isHidden())
                << "rack 1's window shown while it waits";
            statusVragen = emulator.aantalVerzoeken(CommandoStatus, MillivoltModule);
            // File > Open of the data file, which holds rack 1's values: they are told as left out.
            vragen.clear();
            keuze.bestanden = {Pad("Untitled.csv")};
            venster.menus().mnuFileOpen->trigger();
            const auto gemeld = std::find_if(vragen.begin(), vragen.end(), [](const Vraag& v) {
                return v.tekst.startsWith(QStringLiteral("This file and the racks present differ in R1M1."));
            });
            EXPECT_NE(gemeld, vragen.end()) << "rack 1's values hidden without a word";
            EXPECT_EQ(emulator.aantalVerzoeken(CommandoStatus, MillivoltModule), statusVragen)
                << "rack 1 polled after the Search";
            // File > New reads the log-on record of rack 1 again: rack 1 no longer waits for its log-on,
            // and File > Open of the data file puts its values in its table again, without a word.
            keuze.bestanden = {Pad("renewed.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("renewed.csv"));
            vragen.clear();
            keuze.bestanden = {Pad("Untitled.csv")};
            venster.menus().mnuFileOpen->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("Untitled.csv"));
            for (const Vraag& v : vragen)
                ADD_FAILURE() << "a box after File > New: " << v.tekst.toStdString();
            const Tabelvenster* tabel = TabelVensters[1];
            ASSERT_NE(tabel, nullptr);
            int getoond = 0;
            for (int32_t rij = 1; rij <= AantalMetingen; ++rij)
                if (!tabel->CelTekst(1, rij, static_cast<int16_t>(KolomVanKanaal(1))).isEmpty()) ++getoond;
            EXPECT_GT(getoond, 0) << "File > Open after File > New put none of rack 1's values in its table: "
                                     "rack 1 still waits for its log-on";
            if (getoond > 0) {
                int waarden = 0;
                ControleerTabel(1, Regels(Pad("Untitled.csv")), waarden);
            }
            keuze.bestanden = {Pad("after-search.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("after-search.csv"));
            stapLog();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("the new file's first row"), [&] { return Rijen(Pad("after-search.csv")) >= 1; },
        [&] {
            const QStringList kop = Regels(Pad("after-search.csv")).front();
            EXPECT_TRUE(kop.contains(QStringLiteral("Value R1M1C1")));
            EXPECT_TRUE(kop.contains(QStringLiteral("Value R2M1C1")));
            EXPECT_EQ(waarde("after-search.csv", 1, 1), "") << "a reading of rack 1 from before the Search";
            EXPECT_NE(waarde("after-search.csv", 1, 2), "");
            EXPECT_GT(emulator.aantalVerzoeken(CommandoStatus, MillivoltModule), statusVragen)
                << "rack 1 not polled after File > New";
        });
    // While logging: File > New just after rack 2, its window closed, was read and left the line.
    boek.Stap(
        QStringLiteral("rack 2 read after the last row"),
        [&] { return Rijen(Pad("after-search.csv")) >= 2 && !ModuleNietGelezen(2, 1) && !PauzeOpvragen; },
        [&] {
            // Rack 2's window closed first, as with its close button: File > New does not show it again.
            Kindvensterkader(dynamic_cast<QWidget*>(RackVenster(2)))->close();
            ASSERT_FALSE(RackVlaggen[2].Show);
            emulator.rack(2)->stil = true;
            keuze.bestanden = {Pad("next.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("next.csv"));
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("the first row after File > New"), [&] { return Rijen(Pad("next.csv")) >= 1; },
        [&] {
            EXPECT_EQ(waarde("next.csv", 1, 2), "") << "a reading of rack 2 from before File > New";
            emulator.rack(2)->stil = false;
        });
    // While logging: a Search just after rack 2 was read, and neither rack answers it.
    boek.Stap(
        QStringLiteral("rack 2 back and read after the last row"),
        [&] {
            return Rijen(Pad("next.csv")) >= 3 && !ModuleOpgegeven(2, 1) && !ModuleNietGelezen(2, 1) &&
                   !PauzeOpvragen;
        },
        [&] {
            emulator.rack(2)->stil = true;
            eerste = static_cast<size_t>(Rijen(Pad("next.csv"))) + 2;
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("the first row after the Search"),
        [&] { return Rijen(Pad("next.csv")) >= int(eerste); },
        [&] {
            EXPECT_TRUE(IsEindpunt(Regels(Pad("next.csv"))[eerste - 1]));
            EXPECT_EQ(waarde("next.csv", eerste, 2), "") << "a reading of rack 2 from before the Search";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// System > Search while logging under a name per module, rack 1 off the line: the Search's end point goes
// into every file of the run under the name it had, before the records are cleared; rack 1, which does not
// answer, goes on in its own file under its module's name, with neither values nor temperatures in any row
// after the end point (the reading before it is no reading of the new run); no file is named without a
// module's name, neither at this Search nor at a second one; File > Save settings during the wait saves
// its module under that name; and after File > New its table's tab has that name again.
TEST_F(VervolgbestandTest, ASearchUnderANamePerModuleEndsTheRunInItsFilesAndARackThatDoesNotAnswerKeepsThem) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    QString naam1, naam2;
    // The logging file of rack r's module, as the run's first rows named it.
    std::array<QString, 3> bestand;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 2; },
        [&] {
            keuze.bestanden = {Pad("run-#module#.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_TRUE(VerbindingActief);
            for (int r = 1; r <= 2; ++r) {
                const QStringList paden = LogBestanden(Gegevensbestand);
                ASSERT_EQ(paden.size(), 2);
                bestand[size_t(r)] = paden[r - 1];
            }
            naam1 = Racks[1].Modules[1].Name.trimmed();
            naam2 = Racks[2].Modules[1].Name.trimmed();
            ASSERT_FALSE(naam1.isEmpty());
        });
    size_t zoeken = 0;
    boek.Stap(
        QStringLiteral("rows in both module files, rack 1 read after the last row"),
        [&] {
            return Rijen(bestand[1]) >= 3 && Rijen(bestand[2]) >= 3 && !ModuleNietGelezen(1, 1) &&
                   !PauzeOpvragen;
        },
        [&] {
            emulator.rack(1)->stil = true;
            zoeken = static_cast<size_t>(Rijen(bestand[1])) + 1;
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("three rows after the Search in rack 2's file"),
        [&] { return RackVenster(2) != nullptr && !PauzeOpvragen && Rijen(bestand[2]) >= int(zoeken) + 3; },
        [&] {
            EXPECT_TRUE(RackWachtOpAanmelding(1));
            const QStringList csv = QDir(Datamap()).entryList({QStringLiteral("*.csv")}, QDir::Files);
            EXPECT_EQ(csv.size(), 3) << csv.join(QLatin1Char(' ')).toStdString()
                                     << ": a file named without a module's name";
            for (int r = 1; r <= 2; ++r) {
                SCOPED_TRACE("rack " + std::to_string(r));
                const std::vector<QStringList> regels = Regels(bestand[size_t(r)]);
                ASSERT_GT(regels.size(), zoeken + 2);
                const QStringList& kop = regels.front();
                EXPECT_TRUE(kop.contains(QStringLiteral("Info ") + (r == 1 ? naam1 : naam2)));
                EXPECT_TRUE(IsEindpunt(regels[zoeken])) << "no end point of the Search's run";
                for (size_t rij = 1; rij < regels.size(); ++rij) {
                    if (rij == zoeken) continue;
                    EXPECT_FALSE(IsEindpunt(regels[rij])) << "row " << rij;
                    EXPECT_EQ(regels[rij].size(), kop.size()) << "row " << rij;
                    // Rack 1 holds values before the Search only, and no temperature after it.
                    for (int c = 1; c <= AantalIngangen; ++c) {
                        const auto veld = [&](const char* titel) {
                            return regels[rij].value(
                                kop.indexOf(QStringLiteral("%1 R%2M1C%3").arg(titel).arg(r).arg(c)));
                        };
                        if (r == 2 || rij < zoeken) {
                            if (c == 1) {
                                EXPECT_FALSE(veld("Value").isEmpty()) << "row " << rij;
                            }
                        } else {
                            EXPECT_EQ(veld("Value").toStdString(), "") << "row " << rij << " input " << c;
                            EXPECT_EQ(veld("Temp").toStdString(), "")
                                << "row " << rij << " input " << c
                                << ": a temperature from before the Search";
                        }
                    }
                }
            }
            // File > Save settings while rack 1 waits: its configuration keeps its module's name.
            venster.menus().mnuFileSaveSettings->trigger();
            const QString rcf = RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"));
            QByteArray bytes;
            ASSERT_TRUE(platform::LeesBestand(rcf, bytes)) << rcf.toStdString();
            const QStringList regels = platform::VanWindows1252(bytes).split(QStringLiteral("\r\n"));
            const qsizetype module1 = regels.indexOf(QStringLiteral("[MODULE1]"));
            ASSERT_GE(module1, 0);
            EXPECT_EQ(regels.value(module1 + 3).toStdString(), ("Name=" + naam1).toStdString())
                << rcf.toStdString() << ": rack 1's module saved under the name the Search cleared";
            // A second Search, rack 1 still off the line.
            zoeken = static_cast<size_t>(Rijen(bestand[2])) + 1;
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("three rows after the second Search in rack 2's file"),
        [&] { return RackVenster(2) != nullptr && !PauzeOpvragen && Rijen(bestand[2]) >= int(zoeken) + 3; },
        [&] {
            EXPECT_TRUE(RackWachtOpAanmelding(1));
            const QStringList csv = QDir(Datamap()).entryList({QStringLiteral("*.csv")}, QDir::Files);
            EXPECT_EQ(csv.size(), 3) << csv.join(QLatin1Char(' ')).toStdString()
                                     << ": a file named without a module's name after the second Search";
            EXPECT_TRUE(IsEindpunt(Regels(bestand[1])[zoeken]))
                << "no end point of the second Search in " << bestand[1].toStdString();
            EXPECT_GT(Rijen(bestand[1]), int(zoeken) + 2)
                << "rack 1's file got no rows after the second Search";
            keuze.bestanden = {Pad("after.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("after.csv"));
            const auto* tabel = dynamic_cast<const frmTabel*>(TabelVensters[1]);
            ASSERT_NE(tabel, nullptr);
            EXPECT_EQ(tabel->SSTab->tabText(0).toStdString(), naam1.toStdString());
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// A rack that does not answer a Search keeps its windows, hidden, with the flags of its record: File > Save
// settings during the wait saves them as they were before the Search, File > New brings its rack window
// and its table back as they were, and so does a restart after that save, the rack still off the line.
// While it waits, View > Rack shows its window with its module's name and without the values it showed.
TEST_F(VervolgbestandTest, ARackThatDoesNotAnswerASearchGetsItsWindowsBackAtFileNewAndAtARestart) {
    const auto getoond = [](Tabelvenster* tabel) {
        auto* w = dynamic_cast<QWidget*>(tabel);
        return w && Kindvensterkader(w)->isVisible();
    };
    const auto rackGetoond = [](int r) {
        auto* w = dynamic_cast<QWidget*>(RackVenster(r));
        return w && Kindvensterkader(w)->isVisible();
    };
    // The value of `sleutel` in the [RACK] section of rack 1's saved record.
    const auto inRecord = [](const char* sleutel) {
        QByteArray bytes;
        const QString rcf = RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"));
        EXPECT_TRUE(platform::LeesBestand(rcf, bytes)) << rcf.toStdString();
        const QStringList regels = platform::VanWindows1252(bytes).split(QStringLiteral("\r\n"));
        const QString begin = QLatin1String(sleutel) + QLatin1Char('=');
        for (qsizetype i = regels.indexOf(QStringLiteral("[RACK]")) + 1; i > 0 && i < regels.size(); ++i) {
            if (regels[i].startsWith(QLatin1Char('['))) break;
            if (regels[i].startsWith(begin)) return regels[i].mid(begin.size()).toStdString();
        }
        return std::string("(none)");
    };
    // Rack 1's window shows a value of its module's input 1.
    const auto toontWaarde = [] {
        auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
        return rack && !rack->LabelWaarde[0]->text().isEmpty() && !PauzeOpvragen;
    };
    // Rack 1 off the line, and System > Search.
    const auto zoekZonderRack1 = [this] {
        emulator.rack(1)->stil = true;
        antwoorden = {vbOK};
        HoofdvensterK740()->menus().mnuNetworkSearch->trigger();
        ASSERT_TRUE(VerbindingActief);
    };
    // While rack 1 waits for its log-on, View > Rack shows its window without the values it showed.
    const auto bekijkWachtendRack = [&] {
        ASSERT_TRUE(RackWachtOpAanmelding(1));
        EXPECT_FALSE(rackGetoond(1)) << "rack 1's window shown while its rack waits";
        HoofdvensterK740()->menus().mnuDataRack->trigger();
        EXPECT_TRUE(rackGetoond(1)) << "View > Rack did not show rack 1's window";
        auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
        ASSERT_NE(rack, nullptr);
        for (int c = 1; c <= AantalIngangen; ++c)
            EXPECT_EQ(rack->LabelWaarde[static_cast<size_t>(RackLabelIndex(1, c))]->text().toStdString(), "")
                << "input " << c << " shows a value of a rack that is not polled";
    };
    bool tabelVoor = false;
    QString naam;
    {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        LogVanafStartElkeSeconde(boek, venster, {}, 2);
        boek.Stap(
            QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 2 && !PauzeOpvragen; },
            [&] {
                ASSERT_TRUE(rackGetoond(1)) << "rack 1's window before the Search";
                tabelVoor = getoond(TabelVensters[1]);
                naam = Racks[1].Modules[1].Name.trimmed();
                ASSERT_FALSE(naam.isEmpty());
                zoekZonderRack1();
            });
        boek.Stap(
            QStringLiteral("rack 2 logged on again"), [&] { return rackGetoond(2) && !PauzeOpvragen; },
            [&] {
                ASSERT_TRUE(RackWachtOpAanmelding(1));
                EXPECT_FALSE(rackGetoond(1)) << "rack 1's window shown while its rack waits";
                EXPECT_FALSE(getoond(TabelVensters[1])) << "rack 1's table shown while its rack waits";
                venster.menus().mnuFileSaveSettings->trigger();
                EXPECT_EQ(inRecord("Show"), "True") << "rack 1's record saved without its window";
                EXPECT_EQ(inRecord("Table"), tabelVoor ? "True" : "False");
                keuze.bestanden = {Pad("after.csv")};
                venster.menus().mnuFileNew->trigger();
                ASSERT_EQ(Gegevensbestand, Pad("after.csv"));
                EXPECT_FALSE(RackWachtOpAanmelding(1));
                EXPECT_TRUE(rackGetoond(1)) << "rack 1's window not back after File > New";
                EXPECT_EQ(getoond(TabelVensters[1]), tabelVoor) << "rack 1's table after File > New";
                emulator.rack(1)->stil = false;
            });
        // Rack 1 back on the line and shown with its values; then a second Search, rack 1 off the line.
        boek.Stap(QStringLiteral("rack 1's window shows its values"), toontWaarde, zoekZonderRack1);
        boek.Stap(
            QStringLiteral("rack 2 logged on after the second Search"),
            [&] { return rackGetoond(2) && !PauzeOpvragen; },
            [&] {
                // View > Rack shows the hidden window meanwhile: its module under its name.
                bekijkWachtendRack();
                auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
                ASSERT_NE(rack, nullptr);
                EXPECT_EQ(rack->LabelModule[0]->text().toStdString(), naam.toStdString());
                SluitZonderBewaren(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        ASSERT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }

    // The next start, rack 1 still off the line: the record saved during the wait shows its windows.
    NieuweStart();
    InstalleerGeheugenlijn(emulator);
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    boek.Stap(
        QStringLiteral("the start"), [&] { return rackGetoond(2) && !PauzeOpvragen; },
        [&] {
            EXPECT_TRUE(rackGetoond(1)) << "rack 1's window not back after a restart";
            EXPECT_EQ(getoond(TabelVensters[1]), tabelVoor) << "rack 1's table after a restart";
            emulator.rack(1)->stil = false;
        });
    // A rack whose settings were never saved has no file that names its module: its window, hidden by a
    // Search it does not answer, comes back through View > Rack without the values it showed too.
    boek.Stap(QStringLiteral("rack 1's window shows its values after the start"), toontWaarde, [&] {
        ASSERT_TRUE(QFile::remove(RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"))));
        zoekZonderRack1();
    });
    boek.Stap(
        QStringLiteral("rack 2 logged on after the Search"), [&] { return rackGetoond(2) && !PauzeOpvragen; },
        [&] {
            bekijkWachtendRack();
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// Runs that end just after midnight, logging every ten seconds under a name of the day. The program starts
// at 23:59, and logging is switched on afresh into the day's file at 23:59:43: rows at :43 and :53, the
// next due after 00:00:03.
class MiddernachtTest : public VervolgbestandTest {
protected:
    platform::Datum Begintijd() const override { return Om(23, 59, 0); }
    static platform::Datum Om(int uur, int minuut, int seconde, int dag = 5) {
        return platform::MaakDatum(2026, 1, dag, uur, minuut, seconde);
    }
    // The start, and at 23:59:43 Log off, File > New under the template `sjabloon`, Log on.
    void BeginOpDeMiddernacht(Draaiboek& boek, mdiK740& venster, const char* sjabloon) {
        LogVanafStartElkeSeconde(
            boek, venster, [this] { stijging->zetActief(true); }, 2, 10);
        boek.Stap(
            QStringLiteral("23:59:43"), [] { return platform::Nu() >= Om(23, 59, 43); },
            [this, &venster, sjabloon] {
                ASSERT_LT(platform::Nu(), Om(23, 59, 45)) << "the start took until 23:59:45";
                venster.menus().mnuDatalogging->trigger();
                ASSERT_FALSE(VerbindingActief);
                keuze.bestanden = {Pad(sjabloon)};
                ZetBestandsdialogen(&keuze);
                venster.menus().mnuFileNew->trigger();
                ASSERT_EQ(Gegevensbestand, Pad(sjabloon));
                venster.menus().mnuDatalogging->trigger();
                ASSERT_TRUE(VerbindingActief);
            });
    }
    // The file ends with the run's rows of the day before midnight and one end point after them, dated
    // after midnight: the time of the end.
    static void EindigtNaMiddernacht(const QString& pad) {
        SCOPED_TRACE(pad.toStdString());
        const std::vector<QStringList> regels = Regels(pad);
        ASSERT_EQ(regels.size(), 4u) << "the header, two rows and the end point expected:\n"
                                     << platform::VanWindows1252(Bytes(pad)).toStdString();
        EXPECT_FALSE(IsEindpunt(regels[2])) << "no row before the end point";
        EXPECT_TRUE(IsEindpunt(regels[3])) << "the day's file does not end with the run's end point:\n"
                                           << platform::VanWindows1252(Bytes(pad)).toStdString();
        EXPECT_EQ(regels[3].size(), regels[0].size());
        platform::Datum eind = 0;
        ASSERT_TRUE(platform::LeesDatumTijd(regels[3].value(0), eind)) << regels[3].value(0).toStdString();
        EXPECT_GE(eind, Om(0, 0, 0, 6)) << regels[3].value(0).toStdString();
        EXPECT_LT(eind, Om(0, 0, 5, 6)) << regels[3].value(0).toStdString();
    }
};

// Log off one second after midnight: the former day's file ends with the end point, at 00:00:01, and no
// file of the new day exists.
TEST_F(MiddernachtTest, ALogOffJustAfterMidnightEndsTheRunInTheFormerDaysFile) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginOpDeMiddernacht(boek, venster, "run-#date#.csv");
    boek.Stap(
        QStringLiteral("00:00:01"), [] { return platform::Nu() >= Om(0, 0, 1, 6); },
        [&] {
            ASSERT_EQ(Rijen(Pad("run-260105.csv")), 2) << "not two rows before midnight";
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            EindigtNaMiddernacht(Pad("run-260105.csv"));
            EXPECT_EQ(Regels(Pad("run-260105.csv")).back().value(0).toStdString(), "06/01/2026 00:00:01");
            EXPECT_FALSE(QFile::exists(Pad("run-260106.csv"))) << "the end point made a file of the new day";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// System > Search at 23:59:59 under a name per module and day, rack 1 off the line, its box answered two
// seconds later: the Search's end point goes into each module's file of the day, under the name the rows
// went there with. The rows of the new day come, or not, as the racks allow; Log off after them writes
// nothing more into the former day's files.
TEST_F(MiddernachtTest, ASearchAtMidnightWithARackOffTheLineEndsTheRunInTheDaysFilesUnderTheirNames) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    BeginOpDeMiddernacht(boek, venster, "run-#module#-#date#.csv");
    QStringList gisteren;
    std::vector<QByteArray> naZoeken;
    qint64 sinds = 0;
    EchteMelding box(Qt::Key_Return, 2000);
    boek.Stap(
        QStringLiteral("23:59:59"), [] { return platform::Nu() >= Om(23, 59, 59); },
        [&] {
            gisteren = LogBestanden(Gegevensbestand);
            ASSERT_EQ(gisteren.size(), 2);
            for (const QString& pad : gisteren)
                ASSERT_EQ(Rijen(pad), 2) << pad.toStdString() << ": not two rows before midnight";
            emulator.rack(1)->stil = true;
            ZetMeldingVenster(&box);
            venster.menus().mnuNetworkSearch->trigger();
            InstalleerMeldingen();
            ASSERT_EQ(box.getoond(), 1);
            EXPECT_GE(platform::Nu(), Om(0, 0, 1, 6)) << "the Search's box was answered before midnight";
            ASSERT_TRUE(VerbindingActief);
            for (const QString& pad : gisteren) {
                EindigtNaMiddernacht(pad);
                naZoeken.push_back(Bytes(pad));
            }
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rows of the new day, or thirty seconds have passed"),
        [&] {
            const QStringList vandaag = LogBestanden(Gegevensbestand);
            return platform::klok().ms() - sinds > 30000 ||
                   (!vandaag.isEmpty() && std::all_of(vandaag.begin(), vandaag.end(),
                                                      [](const QString& p) { return Rijen(p) >= 2; }));
        },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            for (size_t i = 0; i < naZoeken.size(); ++i)
                EXPECT_EQ(Bytes(gisteren[qsizetype(i)]), naZoeken[i])
                    << gisteren[qsizetype(i)].toStdString() << ": the end of the new day's run wrote there";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// File > New with a graph open that the settings do not list (made after they were saved): the graph
// stays open, empty, without the marker and the read-out of the old file; logging into the new file
// draws its rows alone; and after File > Open of a small file and File > New, a click where its points
// were reads nothing.
TEST_F(VervolgbestandTest, FileNewEmptiesTheGraphsThatStayOpen) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(boek, venster, [this] { stijging->zetActief(true); });
    frmGrafiek* grafiek = nullptr;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            // Graph > New > Table series, its settings taken with OK, on input 1 of rack 1's module.
            platform::klok().planIn(0, [] {
                if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
            });
            venster.menus().mnuGraphNewTable->trigger();
            grafiek = GrafiekWidget(1);
            ASSERT_NE(grafiek, nullptr);
            grafiek->SchrijfGrafiekLijnRef(1, LijnRack, 1);
            grafiek->SchrijfGrafiekLijnRef(1, LijnModule, 1);
            grafiek->SchrijfGrafiekLijnRef(1, LijnIngang, 1);
            grafiek->HerInitialiseerGrafiek();
            grafiek->HerladenGrafiek();
        });
    boek.Stap(
        QStringLiteral("the graph shows six rows"), [&] { return grafiek->Model().AantalPunten >= 6; },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            const Grafiekmodel& model = grafiek->Model();
            QTest::mouseClick(grafiek->diagram(), Qt::LeftButton, {}, PuntVanCurve(*grafiek, 2));
            ASSERT_TRUE(model.VoetnootZichtbaar);
            ASSERT_TRUE(model.Voetnoot.contains(QStringLiteral(": No.")));
            ASSERT_EQ(model.MarkerReeks, 3);

            keuze.bestanden = {Pad("exp2.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("exp2.csv"));
            ASSERT_EQ(GrafiekWidget(1), grafiek) << "the graph stays open";
            ControleerLegeGrafiek(*grafiek);
            venster.menus().mnuDatalogging->trigger();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("rows in the new file"), [&] { return Rijen(Pad("exp2.csv")) >= 3; },
        [&] {
            // The new rows alone, the first one first, and still no read-out of the old file.
            const Grafiekmodel& model = grafiek->Model();
            EXPECT_EQ(model.VensterStart, 1);
            EXPECT_EQ(model.AantalPunten, AantalMetingen);
            const std::vector<QStringList> regels = Regels(Pad("exp2.csv"));
            const qsizetype waarde = regels.front().indexOf(QStringLiteral("Value R1M1C1"));
            ASSERT_GT(waarde, 0);
            EXPECT_NEAR(model.Raster().Waarde(1, 3), regels[1].value(waarde).toDouble(), 0.05);
            EXPECT_EQ(model.MarkerReeks, 0);
            EXPECT_FALSE(model.VoetnootZichtbaar);
            EXPECT_TRUE(model.Voetnoot.isEmpty()) << model.Voetnoot.toStdString();
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);

            // File > Open of the first file, a point of it read out; then File > New, and a click there.
            keuze.bestanden = {Pad("Untitled.csv")};
            venster.menus().mnuFileOpen->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("Untitled.csv"));
            ASSERT_GE(model.AantalPunten, 4);
            const QPoint punt = PuntVanCurve(*grafiek, 2);
            QTest::mouseClick(grafiek->diagram(), Qt::LeftButton, {}, punt);
            ASSERT_EQ(model.GekozenPunt, 2);
            keuze.bestanden = {Pad("exp3.csv")};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("exp3.csv"));
            ControleerLegeGrafiek(*grafiek);
            QTest::mouseClick(grafiek->diagram(), Qt::LeftButton, {}, punt);
            EXPECT_EQ(model.GekozenSerie, 0) << model.Voetnoot.toStdString();
            ControleerLegeGrafiek(*grafiek);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// System > Search while three racks log, each of which logs on again with the same modules: every
// table keeps the rows from before the Search with their values, cell for cell the rows of the data
// file, and shows again once its rack is back.
TEST_F(VervolgbestandTest, ASearchKeepsTheRowsOfTheTablesOfRacksThatComeBackWithTheSameModules) {
    ZetRack(3, K761Idno(1, 2, 5));
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 3);
    int voorZoeken = 0;
    int identificaties = 0;
    boek.Stap(
        QStringLiteral("logging runs with three racks"), [&] { return Rijen(Pad("Untitled.csv")) >= 4; },
        [&] {
            voorZoeken = Rijen(Pad("Untitled.csv"));
            identificaties = emulator.aantalVerzoeken(CommandoIdentificatie);
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("the three racks have logged on again and rows go on"),
        [&] {
            return emulator.aantalVerzoeken(CommandoIdentificatie) >= identificaties + 3 && !PauzeOpvragen &&
                   Rijen(Pad("Untitled.csv")) >= voorZoeken + 4;
        },
        [&] {
            venster.StartStopVerbinding();
            ASSERT_FALSE(VerbindingActief);
            ASSERT_EQ(Gegevensbestand, Pad("Untitled.csv"));
            const std::vector<QStringList> regels = Regels(Pad("Untitled.csv"));
            ASSERT_EQ(AantalMetingen, static_cast<int32_t>(regels.size()) - 1);
            for (int r = 1; r <= 3; ++r) {
                int waarden = 0;
                ControleerTabel(r, regels, waarden);
                // The rows before the Search hold values, every input of each.
                EXPECT_GE(waarden, AantalIngangen * (voorZoeken - 1)) << "rack " << r;
            }
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// System > Search while measuring, not logging, and rack 2 comes back with another module: its table
// begins empty, while the tables of the racks that come back with their modules keep the rows of the run,
// cell for cell the rows of the data file.
TEST_F(VervolgbestandTest, ASearchWhileMeasuringEmptiesOnlyTheTableOfARackThatComesBackWithOtherModules) {
    constexpr int32_t AndereModule = K761Idno(1, 2, 6);
    ZetRack(3, K761Idno(1, 2, 5));
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 3);
    int identificaties = 0;
    boek.Stap(
        QStringLiteral("logging runs with three racks"), [&] { return Rijen(Pad("Untitled.csv")) >= 4; },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            // Rack 2's module is swapped for another one.
            std::erase(stijgend, TweedeModule);
            ZetRack(2, AndereModule);
            identificaties = emulator.aantalVerzoeken(CommandoIdentificatie);
            antwoorden = {vbOK};
            venster.menus().mnuNetworkSearch->trigger();
        });
    boek.Stap(
        QStringLiteral("the three racks have logged on again"),
        [&] {
            return emulator.aantalVerzoeken(CommandoIdentificatie) >= identificaties + 3 && !PauzeOpvragen &&
                   Racks[2].Modules[1].Idno == AndereModule;
        },
        [&] {
            EXPECT_FALSE(VerbindingActief);
            const std::vector<QStringList> regels = Regels(Pad("Untitled.csv"));
            ASSERT_EQ(AantalMetingen, static_cast<int32_t>(regels.size()) - 1);
            for (int r : {1, 3}) {
                int waarden = 0;
                ControleerTabel(r, regels, waarden);
            }
            const Tabelvenster* tabel = TabelVensters[2];
            ASSERT_NE(tabel, nullptr);
            // No date, time or value of the module swapped out.
            int gevuld = 0;
            for (int32_t rij = 1; rij <= AantalMetingen; ++rij) {
                gevuld += !tabel->CelTekst(1, rij, KolomDatum).isEmpty();
                gevuld += !tabel->CelTekst(1, rij, KolomTijd).isEmpty();
                for (int c = 1; c <= AantalIngangen; ++c)
                    gevuld += !tabel->CelTekst(1, rij, static_cast<int16_t>(KolomVanKanaal(c))).isEmpty();
            }
            EXPECT_EQ(gevuld, 0) << "rows of the module that was swapped out";
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// File > New while two racks log, with a log-on record saved in an earlier run that puts rack 2 in slot 3,
// and rack 2's file: the record is skipped, since rack 2 has its slot in this run already. Rack 2 is
// registered, polled and logged once, in slot 2; slot 3 stays free, without a window or columns.
TEST_F(VervolgbestandTest, FileNewSkipsASavedLogOnOfARackRegisteredInAnotherSlot) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            ASSERT_TRUE(SchrijfRackConfiguratie(2));
            BewaarInstelling(AppNaam, QStringLiteral("Rack3"), QStringLiteral("Logon"), true);
            BewaarInstelling(AppNaam, QStringLiteral("Rack3"), QStringLiteral("Identification"),
                             IdnoAlsTekst(Racks[2].Idno));
            keuze.bestanden = {Pad("exp1.csv")};
            ZetBestandsdialogen(&keuze);
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, Pad("exp1.csv"));
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("rows in the new file, or ten seconds have passed"),
        [&] { return Rijen(Pad("exp1.csv")) >= 4 || platform::klok().ms() - sinds > 10000; },
        [&] {
            EXPECT_GE(Rijen(Pad("exp1.csv")), 4) << "no rows in the new file";
            EXPECT_TRUE(Racks[1].Present && Racks[2].Present);
            EXPECT_FALSE(Racks[3].Present) << "rack 2 registered a second time, in slot 3";
            EXPECT_EQ(RackVenster(3), nullptr);
            const std::vector<QStringList> regels = Regels(Pad("exp1.csv"));
            ASSERT_FALSE(regels.empty());
            EXPECT_EQ(regels.front().filter(QStringLiteral("R3M")).join(' ').toStdString(), "")
                << "columns of slot 3 in the new file";
            venster.StartStopVerbinding();
            ControleerAlsLab(Pad("exp1.csv"));
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// A run of two racks logged per rack and then per module (File > New under a name with markers): File >
// Open of each file puts its values under the rack they were measured on, rack 2's file in rack 2's
// table, while the other rack's table shows the rows' times and no values; no row is called an error.
// A cleared value of rack 2's rows reaches rack 2's fields of the file when the edit is saved. At the
// next start only rack 1 logs on: rack 2's files open with its values left out, told once, and rack 1's
// files open as before.
TEST_F(VervolgbestandTest, AFileLoggedPerRackOrPerModuleOpensUnderTheRackItWasMeasuredOn) {
    const QString perRack = Pad("run-#rack#.csv");
    const QString perModule = Pad("run-#rack#-#module#.csv");
    QString rack1, rack2, module1, module2;
    const auto nieuw = [&](mdiK740& venster, const QString& naam) {
        keuze.bestanden = {naam};
        venster.menus().mnuFileNew->trigger();
        ASSERT_EQ(Gegevensbestand, naam);
    };
    const auto open = [&](mdiK740& venster, const QString& naam) {
        keuze.bestanden = {naam};
        vragen.clear();
        venster.menus().mnuFileOpen->trigger();
        ASSERT_EQ(Gegevensbestand, naam);
        ASSERT_EQ(AantalMetingen, Rijen(naam));
    };
    // Rack r's table holds the values of the file `naam` (its header names rack r), every row.
    const auto metWaarden = [&](int r, const QString& naam) {
        int waarden = 0;
        ControleerTabel(r, Regels(naam), waarden);
        EXPECT_GE(waarden, AantalIngangen * (AantalMetingen - 1)) << "rack " << r;
    };
    // Rack r's table: the rows' times, no value.
    const auto zonderWaarden = [&](int r, const QString& naam) {
        SCOPED_TRACE("rack " + std::to_string(r) + " without values");
        const std::vector<QStringList> regels = Regels(naam);
        const Tabelvenster* tabel = TabelVensters[r];
        ASSERT_NE(tabel, nullptr);
        for (int32_t rij = 1; rij <= AantalMetingen; ++rij) {
            EXPECT_EQ(
                (tabel->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') + tabel->CelTekst(1, rij, KolomTijd))
                    .toStdString(),
                regels[static_cast<size_t>(rij)].value(0).toStdString());
            for (int c = 1; c <= AantalIngangen; ++c)
                EXPECT_EQ(tabel->CelTekst(1, rij, static_cast<int16_t>(KolomVanKanaal(c))).toStdString(), "")
                    << "row " << rij;
        }
    };
    const auto geenBox = [&] {
        for (const Vraag& v : vragen)
            ADD_FAILURE() << "a box: " << v.tekst.toStdString();
    };
    // One box, that tells rack 2's module left out.
    const auto weggelaten = [&] {
        ASSERT_EQ(vragen.size(), 1u);
        EXPECT_EQ(vragen[0].stijl, vbInformation);
        EXPECT_TRUE(
            vragen[0].tekst.startsWith(QStringLiteral("This file and the racks present differ in R2M1.")))
            << vragen[0].tekst.toStdString();
    };
    {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        LogVanafStartElkeSeconde(
            boek, venster, [this] { stijging->zetActief(true); }, 2);
        boek.Stap(
            QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 2; },
            [&] {
                nieuw(venster, perRack);
                rack1 = MaakBestandsnaam(perRack, 1, 0, 0);
                rack2 = MaakBestandsnaam(perRack, 2, 0, 0);
            });
        boek.Stap(
            QStringLiteral("a file per rack"), [&] { return Rijen(rack1) >= 4 && Rijen(rack2) >= 4; },
            [&] {
                nieuw(venster, perModule);
                module1 = MaakBestandsnaam(perModule, 1, 1, 0);
                module2 = MaakBestandsnaam(perModule, 2, 1, 0);
            });
        boek.Stap(
            QStringLiteral("a file per module"), [&] { return Rijen(module1) >= 4 && Rijen(module2) >= 4; },
            [&] {
                venster.menus().mnuDatalogging->trigger();
                ASSERT_FALSE(VerbindingActief);
                EXPECT_NE(rack1, rack2);
                EXPECT_TRUE(Regels(rack2).front().contains(QStringLiteral("Value R2M1C1")));
                EXPECT_FALSE(Regels(rack2).front().contains(QStringLiteral("Value R1M1C1")));
                for (const QString& naam : {rack2, rack1, module2, module1}) {
                    SCOPED_TRACE(naam.toStdString());
                    open(venster, naam);
                    geenBox();
                    const int r = naam == rack1 || naam == module1 ? 1 : 2;
                    metWaarden(r, naam);
                    zonderWaarden(3 - r, naam);
                }

                // Edit > Clear selected cells of input 1's value in rack 2's rows 2 and 3, saved (Yes) at
                // the next File > Open: the fields of rack 2's value in its file, none other.
                open(venster, rack2);
                const std::vector<QStringList> voor = Regels(rack2);
                frmTabel* tabel = frmTabelVan(2);
                ASSERT_NE(tabel, nullptr);
                tabel->SSTab->setCurrentIndex(0);
                tabel->MSHFlexGrid[1]->ZetSelectie({2, 3, 3, 3});
                venster.mdiGebied()->setActiveSubWindow(
                    qobject_cast<QMdiSubWindow*>(Kindvensterkader(tabel)));
                venster.menus().mnuClearLine->trigger();
                EXPECT_EQ(tabel->CelTekst(1, 2, 3), QString());
                antwoorden = {vbYes};
                open(venster, rack1);
                const std::vector<QStringList> na = Regels(rack2);
                ASSERT_EQ(na.size(), voor.size());
                const qsizetype waarde = voor.front().indexOf(QStringLiteral("Value R2M1C1"));
                ASSERT_GT(waarde, 0);
                for (size_t r = 1; r < voor.size(); ++r) {
                    QStringList verwacht = voor[r];
                    if (r == 2 || r == 3) verwacht[waarde] = verwacht[waarde + 1] = QString();
                    EXPECT_EQ(na[r], verwacht) << "line " << r;
                }
                nieuw(venster, Pad("next.csv"));
                SluitZonderBewaren(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        ASSERT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }

    // The next start, rack 2 silent: rack 1 alone logs on.
    NieuweStart();
    InstalleerGeheugenlijn(emulator);
    emulator.rack(2)->stil = true;
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(boek, venster, {}, 1);
    boek.Stap(
        QStringLiteral("rack 1 alone"), [&] { return Racks[1].Present && AantalMetingen >= 2; },
        [&] {
            EXPECT_FALSE(Racks[2].Present);
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            open(venster, rack2);
            weggelaten();
            zonderWaarden(1, rack2);
            open(venster, module1);
            geenBox();
            metWaarden(1, module1);
            open(venster, module2);
            weggelaten();
            zonderWaarden(1, module2);
            // The relative clock reloads the file: nothing is told again.
            vragen.clear();
            frmTabel* tabel = frmTabelVan(1);
            ASSERT_NE(tabel, nullptr);
            tabel->MSHFlexGrid[1]->setCurrentIndex(tabel->MSHFlexGrid[1]->model()->index(0, 1));
            venster.mdiGebied()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Kindvensterkader(tabel)));
            venster.menus().mnuRelatieveTijd->trigger();
            EXPECT_TRUE(RelatieveTijd);
            geenBox();
            // Save As keeps every row.
            keuze.bestanden = {Pad("saved.csv")};
            venster.menus().mnuFileSaveAs->trigger();
            EXPECT_EQ(Rijen(Pad("saved.csv")), AantalMetingen);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// The name typed into the real Open dialog and Return pressed, as a user does. A dialog still open some
// time later is cancelled, so that the test fails on what it checks instead of waiting.
void TypInOpenDialoog(const QString& naam) {
    platform::klok().planIn(300, [naam] {
        QPointer<QFileDialog> d;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<QFileDialog*>(w); f && f->isVisible()) d = f;
        auto* veld = d ? d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        ASSERT_NE(veld, nullptr) << "the Open dialog with its name field";
        TypNaamEnReturn(veld, naam);
        // A list of completions took the first Return.
        if (d && d->isVisible()) QTest::keyClick(veld, Qt::Key_Return);
        platform::klok().planIn(5000, [d] {
            if (d && d->isVisible()) {
                ADD_FAILURE() << "the Open dialog did not take the name";
                d->reject();
            }
        });
    });
}

// The main window, with a moment to act when it shows the hourglass of a data file being opened: after
// the name was checked, before the file is read. The action runs once.
class Openvenster : public mdiK740 {
public:
    void ZetWachtcursor(bool wachten) override {
        if (wachten && bijWachtcursor) std::exchange(bijWachtcursor, {})();
        mdiK740::ZetWachtcursor(wachten);
    }
    std::function<void()> bijWachtcursor;
};

// A File > Open of a name that is not there changes nothing: the data file, the data folder and with it
// the folder the event log and the communication log are written to, and the read-only state of the
// data file with its table's edit menu; nor does a gone name chosen from the recent-file list, whose
// box waits while the run logs into the data file, nor a file that another program removes just as the
// open begins to read it. A name with markers becomes the data file and moves the folder.
TEST_F(VervolgbestandTest, AnOpenOfANameThatIsNotThereChangesNothingAndATemplateNameIsTaken) {
    const QString elders = tijdelijkeMap() + QStringLiteral("/Elsewhere");
    ASSERT_TRUE(QDir().mkpath(elders));
    const auto bestandenElders = [&] { return QDir(elders).entryList(QDir::Files); };
    const auto logboek = [](const QString& map) {
        return platform::VanWindows1252(Bytes(map + QLatin1Char('/') + LogboekBestandsnaam(platform::Nu())));
    };
    const auto map = [] { return QDir::cleanPath(MapGegevens).toStdString(); };
    // A right click on rack 1's table: whether the edit menu comes.
    const auto bewerkMenu = [&](mdiK740& venster) {
        ToonTabelVenster(1);
        frmTabel* tabel = frmTabelVan(1);
        if (!tabel) return false;
        TabelGrid* grid = tabel->MSHFlexGrid[static_cast<size_t>(tabel->GekozenModule())];
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QWidget* menu = QApplication::activePopupWidget();
        if (menu) menu->close();
        return menu == venster.menus().mnuEdit;
    };
    const QString alleenLezen = Pad("read-only.csv");
    Openvenster venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(boek, venster, [this] { stijging->zetActief(true); });
    qint64 sinds = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 3; },
        [&] {
            ASSERT_EQ(map(), Datamap().toStdString());
            // A file of the list that has gone since: its box is held 3 s, while the run logs on into
            // the data file.
            const QString weg = elders + QStringLiteral("/gone.csv");
            WerkRecenteBestandenBij(weg);
            venster.LaadRecenteBestanden();
            // The command's "Non-existing file!" box, held 3 s while the run logs on.
            const auto onderGehoudenBox = [&](const std::function<void()>& opdracht) {
                EchteMelding box(Qt::Key_Return, 3000);
                ZetMeldingVenster(&box);
                const int rijen = Rijen(Pad("Untitled.csv"));
                opdracht();
                InstalleerMeldingen();
                ASSERT_EQ(box.getoond(), 1);
                EXPECT_TRUE(box.teksten()[0].startsWith(Tekst[252]));
                EXPECT_GE(Rijen(Pad("Untitled.csv")), rijen + 2) << "rows while the box waited";
            };
            onderGehoudenBox([&] { venster.menus().mnuRecentFile[0]->trigger(); });
            EXPECT_FALSE(QFile::exists(weg)) << "rows went to a file under the gone name";
            EXPECT_EQ(Gegevensbestand.toStdString(), Pad("Untitled.csv").toStdString());
            // File > Open of a mistyped name in another folder, its box held 3 s.
            onderGehoudenBox([&] {
                TypInOpenDialoog(elders + QStringLiteral("/Lab_run.csv"));
                venster.menus().mnuFileOpen->trigger();
            });
            EXPECT_EQ(Gegevensbestand.toStdString(), Pad("Untitled.csv").toStdString());
            EXPECT_EQ(map(), Datamap().toStdString());
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            EXPECT_TRUE(logboek(Datamap()).endsWith(Tekst[458] + QStringLiteral("False\r\n")))
                << logboek(Datamap()).toStdString();
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("three seconds of measuring after the box"),
        [&] { return platform::klok().ms() - sinds > 3000; },
        [&] {
            EXPECT_EQ(bestandenElders().join(' ').toStdString(), "") << "logs in the typed name's folder";
            // A read-only file opened: no edit menu on its table, and no logging into it.
            ASSERT_TRUE(QFile::copy(Pad("Untitled.csv"), alleenLezen));
            ASSERT_TRUE(QFile::setPermissions(alleenLezen, QFile::ReadOwner | QFile::ReadGroup));
            TypInOpenDialoog(alleenLezen);
            venster.menus().mnuFileOpen->trigger();
            ASSERT_EQ(Gegevensbestand.toStdString(), alleenLezen.toStdString());
            EXPECT_FALSE(bewerkMenu(venster));
            // Then a mistyped name in another folder.
            vragen.clear();
            TypInOpenDialoog(elders + QStringLiteral("/Lab_run.csv"));
            venster.menus().mnuFileOpen->trigger();
            ASSERT_EQ(vragen.size(), 1u);
            EXPECT_TRUE(vragen[0].tekst.startsWith(Tekst[252]));
            EXPECT_EQ(Gegevensbestand.toStdString(), alleenLezen.toStdString());
            EXPECT_EQ(map(), Datamap().toStdString());
            EXPECT_FALSE(bewerkMenu(venster)) << "the read-only file's table offers its edit menu";
            // Then a file that may be written, there when its name is checked and removed by another
            // program as the open begins to read it: told as not there, like a mistyped name.
            const QString verdwijnt = Pad("vanishing.csv");
            ASSERT_TRUE(platform::SchrijfBestandVeilig(verdwijnt, Bytes(Pad("Untitled.csv"))));
            venster.bijWachtcursor = [verdwijnt] { EXPECT_TRUE(QFile::remove(verdwijnt)); };
            vragen.clear();
            TypInOpenDialoog(verdwijnt);
            venster.menus().mnuFileOpen->trigger();
            EXPECT_FALSE(venster.bijWachtcursor) << "the open never began to read the file";
            ASSERT_EQ(vragen.size(), 1u);
            EXPECT_TRUE(vragen[0].tekst.startsWith(Tekst[252]));
            EXPECT_TRUE(vragen[0].tekst.contains(verdwijnt)) << vragen[0].tekst.toStdString();
            EXPECT_EQ(Gegevensbestand.toStdString(), alleenLezen.toStdString());
            EXPECT_EQ(map(), Datamap().toStdString());
            EXPECT_FALSE(bewerkMenu(venster))
                << "the read-only file's table offers its edit menu after a file failed to open";
            venster.menus().mnuDatalogging->trigger();
            EXPECT_FALSE(VerbindingActief) << "logging into the read-only file";
            // Measure off and on: the event log lines go to the data folder.
            venster.knopMeten()->trigger();
            venster.knopMeten()->trigger();
            EXPECT_TRUE(logboek(Datamap()).endsWith(Tekst[457] + QStringLiteral(" True\r\n")))
                << logboek(Datamap()).toStdString();
            sinds = platform::klok().ms();
        });
    boek.Stap(
        QStringLiteral("three seconds of measuring after the second box"),
        [&] { return platform::klok().ms() - sinds > 3000; },
        [&] {
            EXPECT_EQ(bestandenElders().join(' ').toStdString(), "") << "logs in the typed name's folder";
            // A name with markers in that folder: the data file, in a folder of its own.
            vragen.clear();
            const QString sjabloon = elders + QStringLiteral("/run-#rack#.csv");
            TypInOpenDialoog(sjabloon);
            venster.menus().mnuFileOpen->trigger();
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
            EXPECT_EQ(Gegevensbestand.toStdString(), sjabloon.toStdString());
            EXPECT_EQ(map(), elders.toStdString());
            EXPECT_TRUE(bewerkMenu(venster)) << "the edit menu of a file that is not read-only";
            venster.knopMeten()->trigger();
            venster.knopMeten()->trigger();
            EXPECT_TRUE(logboek(elders).endsWith(Tekst[457] + QStringLiteral(" True\r\n")))
                << logboek(elders).toStdString();
            QFile::setPermissions(alleenLezen, QFile::ReadOwner | QFile::WriteOwner);
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({QStringLiteral("/logfile")}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// Edits after a File > Save As that wrote the tables anew (the data file's name has markers): racks 1, 2
// and 3 log under a name per rack or per module, then Save As `saved.csv`, whose header titles the inputs by
// their names and so places no blocks; its rows are read by position. A module that logs on in rack 1's
// slot 2 at a Search empties rack 1's table, while racks 2 and 3 keep their rows. An edit of rack 2's rows
// goes into the fields the Save As wrote them in, rack 2's own, not into those rack 2's block would have
// among the modules present now (rack 3's), and what it writes, the grid shows.
class EigenIndelingTest : public VervolgbestandTest {
protected:
    static constexpr int32_t DerdeModule = K761Idno(1, 2, 5);
    static constexpr int32_t NieuweModule = K761Idno(1, 2, 7);

    // Logging every second from the start with three racks (or `racks`), then File > New under the template
    // `sjabloon` while logging.
    void LogOnderSjabloon(Draaiboek& boek, mdiK740& venster, const char* sjabloon, int racks = 3) {
        LogVanafStartElkeSeconde(
            boek, venster, [this] { stijging->zetActief(true); }, racks);
        boek.Stap(
            QStringLiteral("logging runs"), [this] { return Rijen(Pad("Untitled.csv")) >= 2; },
            [this, &venster, sjabloon] {
                keuze.bestanden = {Pad(sjabloon)};
                venster.menus().mnuFileNew->trigger();
                ASSERT_EQ(Gegevensbestand, Pad(sjabloon));
                ASSERT_TRUE(VerbindingActief);
            });
    }
    // The template of the data file gives `bestanden` logging files, each holding at least `rijen` rows.
    static bool RijenInElkBestand(qsizetype bestanden, int rijen, QStringList* paden = nullptr) {
        const QStringList gevonden = LogBestanden(Gegevensbestand);
        if (paden) *paden = gevonden;
        return gevonden.size() == bestanden &&
               std::all_of(gevonden.begin(), gevonden.end(),
                           [rijen](const QString& p) { return Rijen(p) >= rijen; });
    }
    // A module that answers at position `positie` of the rack at `plaats`, every input reading `adc`.
    void ZetModule(int plaats, int positie, int32_t idno, int16_t adc) {
        RackEmulator::Module& module = emulator.zetModule(plaats, positie, idno);
        module.status = 0x0F;
        module.adc = {adc, adc, adc, adc};
        module.temperatuurAdc = {250, 250, 250, 250};
    }
    // Edit > Info by the user's key on row `rij` of rack r's table.
    static bool Info(int r, int32_t rij, const QString& tekst) {
        auto* tabel = dynamic_cast<frmTabel*>(TabelVensters[r]);
        return tabel && InfoMetEnter(*tabel, 1, rij, tekst);
    }
    // Edit > Clear selection of input 1's value of row `rij` of rack r's table.
    static void WisWaarde(int r, int32_t rij) {
        auto* tabel = dynamic_cast<frmTabel*>(TabelVensters[r]);
        ASSERT_NE(tabel, nullptr);
        tabel->SSTab->setCurrentIndex(0);
        tabel->MSHFlexGrid[1]->ZetSelectie({rij, 3, rij, 3});
        tabel->WissenSelectie();
    }
    // Edit > Info by Enter on row `rij` of rack r's table, the editor held open: `bijOpenen` runs once it
    // shows, the clock runs until `klaar` holds, and then `bijKlaar` answers the editor. An editor it
    // leaves open fails the test and is closed with Cancel. False when the editor did not open.
    static bool InfoOpenTot(int r, int32_t rij, const std::function<void()>& bijOpenen,
                            const std::function<bool()>& klaar,
                            const std::function<void(formEditInfo&)>& bijKlaar) {
        auto* tabel = dynamic_cast<frmTabel*>(TabelVensters[r]);
        if (!tabel) return false;
        bool geopend = false;
        const std::unique_ptr<platform::Timer> wachter = platform::klok().maakTimer();
        wachter->zetInterval(100);
        wachter->bijTik = [&] {
            auto* d = qobject_cast<formEditInfo*>(QApplication::activeModalWidget());
            if (!d) return;
            if (!geopend) {
                geopend = true;
                bijOpenen();
            } else if (klaar()) {
                wachter->zetActief(false);
                bijKlaar(*d);
                if (d->isVisible()) {
                    ADD_FAILURE() << "the info editor is still open";
                    d->CommandCancel->click();
                }
            }
        };
        wachter->zetActief(true);
        tabel->SSTab->setCurrentIndex(0);
        tabel->MSHFlexGrid[1]->ZetSelectie({rij, 3, rij, 3});
        QTest::keyClick(tabel->MSHFlexGrid[1], Qt::Key_Return);
        return geopend;
    }
    // Edit > Delete line over rows van..tot of rack r's table, through the menu, and Yes to its question.
    void VerwijderRijen(mdiK740& venster, int r, int32_t van, int32_t tot) {
        frmTabel* tabel = frmTabelVan(r);
        ASSERT_NE(tabel, nullptr);
        tabel->SSTab->setCurrentIndex(0);
        tabel->MSHFlexGrid[1]->ZetSelectie({van, 3, tot, 3});
        venster.mdiGebied()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Kindvensterkader(tabel)));
        antwoorden.push_back(vbYes);
        venster.menus().mnuDeleteLine->trigger();
    }
    // Field `index` of the fields of a line becomes `tekst`: a line too short for it fails the test, not the
    // test program.
    static void ZetVeld(QStringList& regel, qsizetype index, const QString& tekst) {
        if (index < 1 || index >= regel.size()) {
            ADD_FAILURE() << "no field " << index + 1 << " in a line of " << regel.size() << " fields";
            return;
        }
        regel[index] = tekst;
    }
    // The first line of the file `regels` whose time is that of row `rij` of rack r's table (a row before
    // the end point of its second).
    static size_t RegelVanRij(const std::vector<QStringList>& regels, int r, int32_t rij) {
        const Tabelvenster* tabel = TabelVensters[r];
        const QString tijd =
            tabel->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') + tabel->CelTekst(1, rij, KolomTijd);
        for (size_t i = 1; i < regels.size(); ++i)
            if (regels[i].value(0) == tijd) return i;
        ADD_FAILURE() << "no line of row " << rij << " at " << tijd.toStdString();
        return 0;
    }

    // Runs the steps: logging under `sjabloon`, Save As `saved.csv` (while logging when `tijdensLoggen`),
    // Log off, the Search that brings rack 1 a second module, with `kopie` a Save As `copy.csv` that copies
    // the file, then the edits of rack 2's rows `rijen` (a row of the Save As and, while logging, one
    // logged after it).
    void Controleer(const char* sjabloon, bool tijdensLoggen, bool kopie = false) {
        ZetRack(3, DerdeModule);
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        LogOnderSjabloon(boek, venster, sjabloon);
        int32_t opgeslagen = 0;
        boek.Stap(
            QStringLiteral("rows in every rack's file"), [] { return RijenInElkBestand(3, 4); },
            [&] {
                if (!tijdensLoggen) venster.menus().mnuDatalogging->trigger();
                keuze.bestanden = {Pad("saved.csv")};
                venster.menus().mnuFileSaveAs->trigger();
                ASSERT_EQ(Gegevensbestand, Pad("saved.csv"));
                opgeslagen = AantalMetingen;
                const QStringList kop = Regels(Pad("saved.csv")).front();
                ASSERT_EQ(kop.size(), 1 + 3 * 21) << kop.join(QLatin1Char(',')).toStdString();
                EXPECT_FALSE(kop.value(1).contains(QStringLiteral("R1M1"))) << "a header that places blocks";
            });
        boek.Stap(
            QStringLiteral("rows logged after the Save As"),
            [&] { return !tijdensLoggen || (Rijen(Pad("saved.csv")) >= opgeslagen + 3 && !PauzeOpvragen); },
            [&] {
                if (tijdensLoggen) venster.menus().mnuDatalogging->trigger();
                ASSERT_FALSE(VerbindingActief);
                // A module logs on in rack 1's slot 2 at the Search.
                ZetModule(1, 2, NieuweModule, 500);
                antwoorden = {vbOK};
                venster.menus().mnuNetworkSearch->trigger();
            });
        boek.Stap(
            QStringLiteral("rack 1 has logged on with its second module"),
            [&] {
                return Racks[1].Modules[2].Present && Racks[1].Modules[2].Idno == NieuweModule &&
                       !PauzeOpvragen;
            },
            [&] {
                ASSERT_FALSE(VerbindingActief);
                vragen.clear();
                QString pad = Pad("saved.csv");
                if (kopie) {
                    // A copy of the file: its rows keep the layout the first Save As wrote them in.
                    keuze.bestanden = {Pad("copy.csv")};
                    venster.menus().mnuFileSaveAs->trigger();
                    ASSERT_EQ(Gegevensbestand, Pad("copy.csv"));
                    ASSERT_EQ(Bytes(Pad("copy.csv")), Bytes(pad));
                    pad = Pad("copy.csv");
                }
                std::vector<QStringList> vooraf = Regels(pad);
                ASSERT_TRUE(TabelVensters[1]->CelTekst(1, 2, KolomTijd).isEmpty())
                    << "rack 1's table emptied";
                std::vector<int32_t> rijen{2};
                if (tijdensLoggen) rijen.push_back(opgeslagen + 1);
                for (const int32_t rij : rijen) {
                    SCOPED_TRACE("row " + std::to_string(rij));
                    ASSERT_FALSE(TabelVensters[2]->CelTekst(1, rij, KolomTijd).isEmpty());
                    const QString tekst = QStringLiteral("INFO-R2-%1").arg(rij);
                    ASSERT_TRUE(Info(2, rij, tekst)) << "the info editor did not open";
                    WisWaarde(2, rij + 1);
                    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
                    // In the working copy: rack 2's fields 43 (the info) and 24 and 25 (input 1's value and
                    // unit: its block the second of three), the rest as it was.
                    const std::vector<QStringList> werkkopie = Regels(pad + QStringLiteral(".new"));
                    ASSERT_EQ(werkkopie.size(), vooraf.size());
                    const size_t regel = RegelVanRij(werkkopie, 2, rij);
                    const size_t volgende = RegelVanRij(werkkopie, 2, rij + 1);
                    ASSERT_TRUE(regel > 0 && volgende > 0);
                    EXPECT_FALSE(IsEindpunt(vooraf[volgende]));
                    vooraf[regel][42] = tekst;
                    vooraf[volgende][23] = vooraf[volgende][24] = QString();
                    for (size_t i = 1; i < werkkopie.size(); ++i)
                        for (qsizetype v = 1; v < werkkopie[i].size(); ++v)
                            EXPECT_EQ(werkkopie[i][v].toStdString(), vooraf[i].value(v).toStdString())
                                << "line " << i + 1 << ", field " << v + 1;
                    // What the lines took, the grids show; rack 3's rows keep their values.
                    EXPECT_EQ(TabelVensters[2]->CelTekst(1, rij, KolomInfo), tekst);
                    EXPECT_EQ(TabelVensters[2]->CelTekst(1, rij + 1, 3), QString());
                    EXPECT_EQ(TabelVensters[3]->CelTekst(1, rij, KolomInfo).toStdString(),
                              vooraf[regel].value(63).toStdString());
                    EXPECT_FALSE(TabelVensters[3]->CelTekst(1, rij + 1, 3).isEmpty());
                    EXPECT_EQ(TabelVensters[3]->CelTekst(1, rij + 1, 3).toStdString(),
                              vooraf[volgende].value(44).toStdString());
                }
                SluitZonderBewaren(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }
};

TEST_F(EigenIndelingTest, EditsAfterASaveAsOfAFilePerRackGoIntoTheFieldsItWroteTheRowsIn) {
    Controleer("run-#rack#.csv", false);
}

TEST_F(EigenIndelingTest, EditsAfterASaveAsOfAFilePerModuleGoIntoTheFieldsItWroteTheRowsIn) {
    Controleer("run-#module#.csv", false);
}

TEST_F(EigenIndelingTest, EditsOfRowsLoggedAfterASaveAsWhileLoggingGoIntoTheirOwnFields) {
    Controleer("run-#rack#.csv", true);
}

TEST_F(EigenIndelingTest, EditsAfterASaveAsThatCopiesTheFileGoIntoTheFieldsOfTheFileItCopied) {
    Controleer("run-#rack#.csv", false, true);
}

// A Save As written from the tables after a Search that changed rack 1's modules: rack 1's table begins
// empty at its log-on, racks 2 and 3 keep their rows. The file holds every row a table shows, each under
// its own time and with each rack's block from its own table, and the edits of it go into the fields the
// Save As wrote them in; the commit at File > Exit is the working copy.
class OpgeslagenTabelTest : public EigenIndelingTest {
protected:
    enum class Wijziging {
        ModuleErbij,   // a module logs on in rack 1's empty slot 2
        AnderModel,    // rack 1's module is swapped for a conductivity module
        OokRack2Later, // a module in rack 1's slot 2, and at a later Search one in rack 2's slot 2
        TijdensLoggen, // a module in rack 1's slot 2 at a Search while logging, more rows after it
    };
    static constexpr int32_t Geleiding = K762Idno(1, 2, 9);
    static constexpr int32_t Rack2Erbij = K761Idno(1, 2, 8);

    // The index in a line's fields (0 the time) of field `veld` (1..21) of the block of module m of rack r:
    // the blocks of the present modules of the present racks, in their order.
    static qsizetype Index(int r, int m, int veld) {
        qsizetype k = 0;
        for (int rr = 1; rr <= AantalRacks; ++rr)
            for (int mm = 1; mm <= AantalModules; ++mm) {
                if (!Racks[rr].Present || !Racks[rr].Modules[mm].Present) continue;
                if (rr == r && mm == m) return 1 + 21 * k + (veld - 1);
                ++k;
            }
        ADD_FAILURE() << "R" << r << "M" << m << " is not present";
        return 0;
    }
    // A logged file of rack r's module 1 among `paden`: the one whose header names R<r>M1.
    static QString BestandVan(const QStringList& paden, int r) {
        for (const QString& p : paden)
            if (Regels(p).front().contains(QStringLiteral("Flags R%1M1C1").arg(r))) return p;
        ADD_FAILURE() << "no file of rack " << r;
        return QString();
    }
    // Every line of the logged file of rack r's module 1 is a line of saved.csv, in the same place: the same
    // time, and the values, units, temperatures and their units of its four inputs in rack r's block.
    static void ZelfdeRijen(const std::vector<QStringList>& opgeslagen, const QString& eigen, int r,
                            size_t vanaf = 1) {
        SCOPED_TRACE("rack " + std::to_string(r) + ", " + eigen.toStdString());
        const std::vector<QStringList> gelogd = Regels(eigen);
        ASSERT_GE(gelogd.size(), 4u);
        ASSERT_GE(opgeslagen.size(), vanaf + gelogd.size() - 1) << "lines of saved.csv";
        for (size_t i = 1; i < gelogd.size(); ++i) {
            const QStringList& regel = opgeslagen[vanaf + i - 1];
            EXPECT_EQ(regel.value(0).toStdString(), gelogd[i].value(0).toStdString()) << "line " << vanaf + i;
            for (int n = 1; n <= 4; ++n)
                for (int v = 2; v <= 5; ++v) {
                    const int veld = 5 * (n - 1) + v;
                    EXPECT_EQ(regel.value(Index(r, 1, veld)).toStdString(),
                              gelogd[i].value(veld).toStdString())
                        << "line " << vanaf + i << ", input " << n << ", field " << v << " of 5";
                }
        }
    }
    // The fields of a module's block in a line are all empty.
    static bool BlokLeeg(const QStringList& regel, int r, int m) {
        for (int v = 1; v <= 21; ++v)
            if (!regel.value(Index(r, m, v)).isEmpty()) return false;
        return true;
    }
    // A line without values, units and temperatures: an end point (its flags and info texts may hold
    // anything).
    static bool Eindpunt(const QStringList& regel) {
        for (qsizetype i = 1; i < regel.size(); ++i)
            if ((i - 1) % 21 != 20 && (i - 1) % 21 % 5 != 0 && !regel[i].isEmpty()) return false;
        return true;
    }
    // Edit > Info of row `rij` of rack r's table: the line of the row, and the end points of its second next
    // to it, take the text in `verwacht` (line i is row i).
    static void InfoVerwacht(std::vector<QStringList>& verwacht, int r, int32_t rij, const QString& tekst) {
        const auto i = static_cast<size_t>(rij);
        const QString tijd = verwacht[i].value(0);
        size_t van = i, tot = i;
        while (van > 1 && verwacht[van - 1].value(0) == tijd)
            --van;
        while (tot + 1 < verwacht.size() && verwacht[tot + 1].value(0) == tijd)
            ++tot;
        for (size_t j = van; j <= tot; ++j)
            if (j == i || Eindpunt(verwacht[j])) ZetVeld(verwacht[j], Index(r, 1, 21), tekst);
    }

    void Controleer(const char* sjabloon, Wijziging wijziging) {
        ZetRack(3, DerdeModule);
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        const bool tijdensLoggen = wijziging == Wijziging::TijdensLoggen;
        LogOnderSjabloon(boek, venster, sjabloon);
        QStringList paden;
        int32_t voorZoeken = 0;
        boek.Stap(
            QStringLiteral("rows in every rack's file"), [&] { return RijenInElkBestand(3, 4, &paden); },
            [&] {
                if (!tijdensLoggen) venster.menus().mnuDatalogging->trigger();
                ASSERT_EQ(VerbindingActief, tijdensLoggen);
                if (wijziging == Wijziging::AnderModel) {
                    stijgend.erase(std::find(stijgend.begin(), stijgend.end(), MillivoltModule));
                    ZetModule(1, 1, Geleiding, 700);
                } else {
                    ZetModule(1, 2, NieuweModule, 500);
                }
                voorZoeken = AantalMetingen;
                antwoorden = {vbOK};
                venster.menus().mnuNetworkSearch->trigger();
            });
        const auto aangemeld = [](int r, int m, int32_t idno) {
            return Racks[r].Modules[m].Present && Racks[r].Modules[m].Idno == idno && !PauzeOpvragen;
        };
        boek.Stap(
            QStringLiteral("rack 1 has logged on with its other modules"),
            [&] {
                const bool rack1 = wijziging == Wijziging::AnderModel ? aangemeld(1, 1, Geleiding)
                                                                      : aangemeld(1, 2, NieuweModule);
                return rack1 && (!tijdensLoggen || AantalMetingen >= voorZoeken + 4);
            },
            [&] {
                if (tijdensLoggen) venster.menus().mnuDatalogging->trigger();
                ASSERT_FALSE(VerbindingActief);
                if (wijziging != Wijziging::OokRack2Later) return;
                ZetModule(2, 2, Rack2Erbij, 600);
                antwoorden = {vbOK};
                venster.menus().mnuNetworkSearch->trigger();
            });
        boek.Stap(
            QStringLiteral("the racks have logged on"),
            [&] { return wijziging != Wijziging::OokRack2Later || aangemeld(2, 2, Rack2Erbij); },
            [&] {
                ASSERT_FALSE(VerbindingActief);
                vragen.clear();
                const bool rack2Leeg = wijziging == Wijziging::OokRack2Later;
                ASSERT_TRUE(TabelVensters[1]->CelTekst(1, 2, KolomTijd).isEmpty())
                    << "rack 1's table emptied";
                ASSERT_EQ(TabelVensters[2]->CelTekst(1, 2, KolomTijd).isEmpty(), rack2Leeg);
                ASSERT_FALSE(TabelVensters[3]->CelTekst(1, 2, KolomTijd).isEmpty());
                const int32_t rijen = AantalMetingen;

                const QString pad = Pad("saved.csv");
                keuze.bestanden = {pad};
                venster.menus().mnuFileSaveAs->trigger();
                ASSERT_EQ(Gegevensbestand, pad);
                EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

                // Every row the tables show, in their order, under its own time, each rack's block from
                // its own table.
                std::vector<QStringList> vooraf = Regels(pad);
                ASSERT_EQ(vooraf.size(), static_cast<size_t>(rijen) + 1) << "lines of saved.csv";
                for (const QStringList& regel : vooraf)
                    ASSERT_EQ(regel.size(), vooraf.front().size());
                if (!rack2Leeg) ZelfdeRijen(vooraf, BestandVan(paden, 2), 2);
                ZelfdeRijen(vooraf, BestandVan(paden, 3), 3);
                // Rack 1's blocks are empty where its table has no time: in every row before the Search.
                for (int32_t rij = 1; rij <= rijen; ++rij) {
                    const auto& regel = vooraf[static_cast<size_t>(rij)];
                    for (int16_t m = 1; m <= AantalModules; ++m) {
                        if (!Racks[1].Modules[m].Present) continue;
                        const bool zonderTijd = TabelVensters[1]->CelTekst(m, rij, KolomTijd).isEmpty();
                        EXPECT_TRUE(zonderTijd || tijdensLoggen) << "row " << rij;
                        EXPECT_EQ(BlokLeeg(regel, 1, m), zonderTijd)
                            << "row " << rij << ", rack 1's module " << m;
                    }
                    if (rack2Leeg) {
                        EXPECT_TRUE(BlokLeeg(regel, 2, 1)) << "row " << rij;
                    }
                }
                if (tijdensLoggen) {
                    // The rows logged after the Search are whole: rack 1's modules hold values.
                    const QStringList& laatste = vooraf[static_cast<size_t>(rijen - 1)];
                    EXPECT_FALSE(laatste.value(Index(1, 1, 2)).isEmpty());
                    EXPECT_FALSE(laatste.value(Index(1, 2, 2)).isEmpty());
                }

                // Info and Clear of rows of racks 2 and 3 (of rack 3 alone when rack 2's table was
                // emptied too), the last row among them; of rack 1 on a row logged after the Search.
                std::vector<std::pair<int, int32_t>> infos;
                if (!rack2Leeg) infos.push_back({2, 2});
                infos.push_back({3, 3});
                infos.push_back({3, rijen});
                if (tijdensLoggen) {
                    infos.push_back({2, rijen - 2});
                    infos.push_back({1, rijen - 1});
                }
                for (const auto& [r, rij] : infos) {
                    SCOPED_TRACE("rack " + std::to_string(r) + ", row " + std::to_string(rij));
                    const QString tekst = QStringLiteral("INFO-R%1-%2").arg(r).arg(rij);
                    ASSERT_TRUE(Info(r, rij, tekst)) << "the info editor did not open";
                    InfoVerwacht(vooraf, r, rij, tekst);
                    EXPECT_EQ(TabelVensters[r]->CelTekst(1, rij, KolomInfo), tekst);
                    if (rij + 1 < rijen) {
                        WisWaarde(r, rij + 1);
                        for (const int veld : {2, 3})
                            ZetVeld(vooraf[static_cast<size_t>(rij + 1)], Index(r, 1, veld), QString());
                        EXPECT_EQ(TabelVensters[r]->CelTekst(1, rij + 1, 3), QString());
                    }
                    EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
                }
                const std::vector<QStringList> werkkopie = Regels(pad + QStringLiteral(".new"));
                ASSERT_EQ(werkkopie.size(), vooraf.size());
                for (size_t i = 1; i < werkkopie.size(); ++i)
                    for (qsizetype v = 1; v < werkkopie[i].size(); ++v)
                        EXPECT_EQ(werkkopie[i][v].toStdString(), vooraf[i].value(v).toStdString())
                            << "line " << i + 1 << ", field " << v + 1;

                // File > Exit: Yes to the changes commits them, No to every other question.
                werkkopieBytes = Bytes(pad + QStringLiteral(".new"));
                beantwoord = [](const Vraag& v) { return v.tekst == Tekst[424] ? vbYes : vbNo; };
                venster.menus().mnuFileExit->trigger();
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
        EXPECT_FALSE(werkkopieBytes.isEmpty());
        EXPECT_TRUE(Bytes(Pad("saved.csv")) == werkkopieBytes) << "the commit is not the working copy";
        EXPECT_FALSE(QFile::exists(Pad("saved.csv") + QStringLiteral(".new")));
    }

    QByteArray werkkopieBytes;
};

TEST_F(OpgeslagenTabelTest, ASaveAsAfterASearchThatBroughtRack1AModuleWritesEveryRowPerRack) {
    Controleer("run-#rack#.csv", Wijziging::ModuleErbij);
}

TEST_F(OpgeslagenTabelTest, ASaveAsAfterASearchThatBroughtRack1AModuleWritesEveryRowPerModule) {
    Controleer("run-#module#.csv", Wijziging::ModuleErbij);
}

TEST_F(OpgeslagenTabelTest, ASaveAsAfterASearchThatSwappedRack1sModuleForAnotherModelWritesEveryRow) {
    Controleer("run-#rack#.csv", Wijziging::AnderModel);
}

TEST_F(OpgeslagenTabelTest, ARowThatOnlyRack3sTableShowsIsWrittenUnderRack3sTime) {
    Controleer("run-#rack#.csv", Wijziging::OokRack2Later);
}

TEST_F(OpgeslagenTabelTest, ASaveAsAfterRowsLoggedThroughASearchWritesTheRowsBeforeItAndAfterItOnce) {
    Controleer("run-#module#.csv", Wijziging::TijdensLoggen);
}

// The clock set back (the end of summer time, a clock stepped back) after a Search that swapped rack 1's
// module for the other model while logging under a name per module: rack 1's table begins empty at its
// log-on, rack 2's keeps its rows, and the seconds of the rows before the Search come back in the rows
// after it. A Save As written from the tables holds both, in their order. Each edit of a row of that span
// reaches that row's own line, never the line of the other row of its second: Info and Clear of rack 1's
// rows after the Search, Delete over rack 1's rows from rows it shows empty into the span (only the lines
// of its rows with a time go), Info of rack 2's row before the Search. So too once the edits are taken in
// and the file is opened again.
class HerhaaldeSecondenTest : public OpgeslagenTabelTest {
protected:
    using Regels_t = std::vector<std::optional<QStringList>>;
    // Rows p < q of `regels` (line i the line of row i) with the same time, the first before the Search
    // (rack 1's block empty), the other after it (rack 1's block with values), by q.
    static std::vector<std::pair<int32_t, int32_t>> Herhaald(const Regels_t& regels) {
        std::vector<std::pair<int32_t, int32_t>> paren;
        for (size_t q = 1; q < regels.size(); ++q)
            for (size_t p = 1; p < q; ++p)
                if (regels[p] && regels[q] && regels[p]->value(0) == regels[q]->value(0) &&
                    BlokLeeg(*regels[p], 1, 1) && !BlokLeeg(*regels[q], 1, 1))
                    paren.emplace_back(static_cast<int32_t>(p), static_cast<int32_t>(q));
        return paren;
    }
    // The working copy of `pad` holds the lines `verwacht` has left, in order, field for field.
    static void WerkkopieIs(const QString& pad, const Regels_t& verwacht) {
        std::vector<QStringList> over;
        for (size_t i = 1; i < verwacht.size(); ++i)
            if (verwacht[i]) over.push_back(*verwacht[i]);
        const std::vector<QStringList> werkkopie = Regels(pad + QStringLiteral(".new"));
        ASSERT_EQ(werkkopie.size(), over.size() + 1) << "lines of the working copy";
        for (size_t i = 0; i < over.size(); ++i)
            EXPECT_EQ(werkkopie[i + 1].join(u'|').toStdString(), over[i].join(u'|').toStdString())
                << "line " << i + 2;
    }
    static Regels_t Verwacht(const QString& pad) {
        Regels_t regels;
        for (const QStringList& r : Regels(pad))
            regels.emplace_back(r);
        EXPECT_EQ(regels.size(), static_cast<size_t>(AantalMetingen) + 1) << "a line for every row";
        return regels;
    }
    // Edit > Info on rack r's row `rij`: no box, into that row's line.
    static void InfoIn(Regels_t& verwacht, int r, int32_t rij, const QString& tekst) {
        SCOPED_TRACE("info of rack " + std::to_string(r) + ", row " + std::to_string(rij));
        ASSERT_TRUE(Info(r, rij, tekst)) << "the info editor did not open";
        ZetVeld(*verwacht[static_cast<size_t>(rij)], Index(r, 1, 21), tekst);
        EXPECT_EQ(TabelVensters[r]->CelTekst(1, rij, KolomInfo), tekst);
    }
    // Clear of input 1's value of rack 1's row `rij`: its value and unit in that row's line.
    static void WisIn(Regels_t& verwacht, int32_t rij) {
        WisWaarde(1, rij);
        for (const int veld : {2, 3})
            ZetVeld(*verwacht[static_cast<size_t>(rij)], Index(1, 1, veld), QString());
        EXPECT_EQ(TabelVensters[1]->CelTekst(1, rij, 3), QString());
    }
    // Delete line over rack 1's rows van..tot: the lines of those of them rack 1's table shows with a time.
    void VerwijderIn(mdiK740& venster, Regels_t& verwacht, int32_t van, int32_t tot) {
        std::vector<int32_t> weg;
        for (int32_t rij = van; rij <= tot; ++rij)
            if (!ZonderTijd(1, 1, rij)) weg.push_back(rij);
        VerwijderRijen(venster, 1, van, tot);
        for (int32_t rij = van; rij <= tot; ++rij) {
            const bool gaat = std::find(weg.begin(), weg.end(), rij) != weg.end();
            if (gaat) verwacht[static_cast<size_t>(rij)].reset();
            EXPECT_EQ(TabelVensters[2]->CelTekst(1, rij, KolomTijd).isEmpty(), gaat) << "row " << rij;
        }
    }

    void Controleer() {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        LogOnderSjabloon(boek, venster, "run-#module#.csv", 2);
        int32_t voorZoeken = 0, naZoeken = 0;
        boek.Stap(
            QStringLiteral("rows in every module's file"), [] { return RijenInElkBestand(2, 10); },
            [&] {
                stijgend.erase(std::find(stijgend.begin(), stijgend.end(), MillivoltModule));
                ZetModule(1, 1, Geleiding, 700);
                voorZoeken = AantalMetingen;
                antwoorden = {vbOK};
                venster.menus().mnuNetworkSearch->trigger();
            });
        boek.Stap(
            QStringLiteral("rack 1 logs with the other model"),
            [&] {
                return Racks[1].Modules[1].Idno == Geleiding && !PauzeOpvragen &&
                       ZonderTijd(1, 1, voorZoeken) && !ZonderTijd(1, 1, AantalMetingen);
            },
            [&] {
                // The clock goes back to the second of row 3: the rows to come repeat the seconds of the rows
                // before the Search.
                naZoeken = AantalMetingen;
                klok().verzetWandklok(1000 *
                                      (HeleSeconden(TijdVanRij(2, 1, 3)) - HeleSeconden(platform::Nu())));
            });
        boek.Stap(
            QStringLiteral("the seconds before the Search come back"),
            [&] { return AantalMetingen >= naZoeken + 8 && !PauzeOpvragen; },
            [&] {
                venster.menus().mnuDatalogging->trigger();
                ASSERT_FALSE(VerbindingActief);
                vragen.clear();
                const QString pad = Pad("saved.csv");
                keuze.bestanden = {pad};
                venster.menus().mnuFileSaveAs->trigger();
                ASSERT_EQ(Gegevensbestand, pad);
                EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
                Regels_t verwacht = Verwacht(pad);
                std::vector<std::pair<int32_t, int32_t>> paren = Herhaald(verwacht);
                ASSERT_GE(paren.size(), 4u) << "seconds that came back";
                for (const auto& [p, q] : paren)
                    EXPECT_TRUE(p <= voorZoeken + 1 && q > naZoeken) << "rows " << p << " and " << q;
                InfoIn(verwacht, 1, paren.back().second, QStringLiteral("after"));
                EXPECT_EQ(TabelVensters[1]->CelTekst(1, paren.back().first, KolomInfo), QString());
                InfoIn(verwacht, 2, paren[2].first, QStringLiteral("before"));
                EXPECT_EQ(TabelVensters[2]->CelTekst(1, paren[2].second, KolomInfo), QString());
                WisIn(verwacht, paren[3].second);
                VerwijderIn(venster, verwacht, paren[0].first, paren[1].second);
                EXPECT_EQ(vragen.size(), 1u) << "boxes besides the delete question";
                WerkkopieIs(pad, verwacht);

                // Yes to the edits at File > Open of the file: its rows as read, the same edits.
                const QByteArray werkkopie = Bytes(pad + QStringLiteral(".new"));
                beantwoord = [](const Vraag& v) { return v.tekst == Tekst[424] ? vbYes : vbOK; };
                keuze.bestanden = {pad};
                venster.menus().mnuFileOpen->trigger();
                beantwoord = nullptr;
                ASSERT_TRUE(Bytes(pad) == werkkopie) << "the commit is not the working copy";
                vragen.clear();
                verwacht = Verwacht(pad);
                paren = Herhaald(verwacht);
                ASSERT_GE(paren.size(), 3u) << "seconds that came back, in the file";
                InfoIn(verwacht, 1, paren.back().second, QStringLiteral("again"));
                WisIn(verwacht, paren[1].second);
                VerwijderIn(venster, verwacht, paren[0].second, paren[0].second);
                EXPECT_TRUE(verwacht[static_cast<size_t>(paren[0].first)]) << "the line before the Search";
                EXPECT_EQ(vragen.size(), 1u) << "boxes besides the delete question";
                WerkkopieIs(pad, verwacht);
                SluitZonderBewaren(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }
};

TEST_F(HerhaaldeSecondenTest, EditsWhereTheClockRepeatedSecondsReachTheLinesOfTheirOwnRows) {
    Controleer();
}

// An info editor left open while the timers run writes into no other file nor table. A timed start logs on
// while it is open into run.csv, whose header another program edited meanwhile: the run goes on in
// run_2.csv, whose rows the tables show from row 1. Then, logging off, a Search under the editor lays rack
// 1's table out afresh for the module it finds in slot 2. OK writes nothing, anywhere, and a box says
// that the table changed; the editor stays open with the text typed, so that it can be copied. OK again
// gets the same box and writes nothing; Cancel closes the editor.
TEST_F(EigenIndelingTest, AnInfoEditorLeftOpenWritesIntoNoOtherFileNorTable) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    const QString pad = Pad("run.csv"), tweede = Pad("run_2.csv");
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 2; },
        [&] {
            keuze.bestanden = {pad};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, pad);
        });
    // "lost" typed and OK pressed by Enter in the text field: the box that the table changed, the real
    // one held open while the run goes on and answered with Enter when `echt`, titled the file the editor was
    // opened on. The editor still shows the text; OK again gets the box again, and Cancel closes the editor.
    const auto geweigerd = [this, &pad](bool echt) {
        return [this, echt, &pad](formEditInfo& d) {
            const auto veranderdeTabel = [this] {
                return std::count_if(vragen.begin(), vragen.end(),
                                     [](const Vraag& v) { return v.tekst == Tekst[510]; });
            };
            const auto voor = veranderdeTabel();
            d.TextInfo->setText(QStringLiteral("lost"));
            if (echt) {
                EchteMelding box(Qt::Key_Return, 2000);
                ZetMeldingVenster(&box);
                QTest::keyClick(d.TextInfo, Qt::Key_Return);
                InstalleerMeldingen();
                ASSERT_EQ(box.getoond(), 1) << "boxes at OK";
                EXPECT_EQ(box.teksten()[0].toStdString(), Tekst[510].toStdString());
                EXPECT_EQ(box.titels()[0].toStdString(), pad.toStdString()) << "the box names another file";
            } else {
                QTest::keyClick(d.TextInfo, Qt::Key_Return);
                EXPECT_EQ(veranderdeTabel(), voor + 1) << "the box at OK";
            }
            EXPECT_TRUE(d.isVisible()) << "the editor closed with the text";
            EXPECT_EQ(d.TextInfo->text().toStdString(), "lost");
            d.CommandOK->click();
            EXPECT_EQ(veranderdeTabel(), voor + (echt ? 1 : 2)) << "the box at OK again";
            EXPECT_TRUE(d.isVisible());
            d.CommandCancel->click();
            EXPECT_FALSE(d.isVisible()) << "Cancel left the editor open";
        };
    };
    // The box at OK, that the table changed, and no working copy.
    const auto veranderd = [this](const QStringList& bestanden) {
        ASSERT_FALSE(vragen.empty()) << "no box at OK";
        EXPECT_EQ(vragen.back().tekst.toStdString(), Tekst[510].toStdString());
        for (const QString& b : bestanden)
            EXPECT_FALSE(QFile::exists(b + QStringLiteral(".new"))) << b.toStdString();
    };
    boek.Stap(
        QStringLiteral("rows in run.csv"), [&] { return Rijen(pad) >= 4 && !PauzeOpvragen; },
        [&] {
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            vragen.clear();
            QByteArray bewerkt;
            ASSERT_TRUE(InfoOpenTot(
                2, 3,
                [&] {
                    bewerkt = Bytes(pad).replace("Value R2M1C1", "Value R2M1C9");
                    Overschrijf(pad, bewerkt);
                    StartBijOpstarten = false;
                    GebruikStartLog = true;
                    StartLogTijdstip = platform::Nu() + 5.0 / 86400;
                },
                [&] { return Gegevensbestand == tweede && AantalMetingen >= 8 && !PauzeOpvragen; },
                geweigerd(true)));
            veranderd({pad, tweede});
            EXPECT_TRUE(Bytes(pad) == bewerkt) << "run.csv changed";
            EXPECT_EQ(TabelVensters[2]->CelTekst(1, 3, KolomInfo), QString());

            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            vragen.clear();
            ZetModule(1, 2, NieuweModule, 500);
            const QByteArray voor = Bytes(tweede);
            ASSERT_TRUE(InfoOpenTot(
                1, 3,
                [&] {
                    antwoorden = {vbOK};
                    venster.menus().mnuNetworkSearch->trigger();
                },
                [] { return Racks[1].Modules[2].Present && !PauzeOpvragen; }, geweigerd(false)));
            veranderd({tweede});
            EXPECT_TRUE(Bytes(tweede) == voor) << "run_2.csv changed";
            EXPECT_EQ(TabelVensters[1]->CelTekst(1, 3, KolomInfo), QString());
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// Rows logged into the data file while rack 2 waits for its log-on after a Search hold rack 2's block
// without values; the clock set back meanwhile, they repeat the seconds of rows before the Search. Once
// rack 2 is back with the same modules, an info and a clear of its cell in such a row go into rack 2's
// fields of that row's own line, and those of rack 1's cell into rack 1's. A load while rack 2 waits
// leaves its block out and names it.
TEST_F(EigenIndelingTest, RowsLoggedWhileARackWaitsAreEditedInThatRacksFieldsOnceItIsBack) {
    mdiK740 venster;
    const Installatie installatie(venster);
    InstalleerMeldingen();
    ZetBestandsdialogen(&keuze);
    Draaiboek boek(venster, 120000);
    LogVanafStartElkeSeconde(
        boek, venster, [this] { stijging->zetActief(true); }, 2);
    const auto zoek = [this] {
        antwoorden = {vbOK};
        HoofdvensterK740()->menus().mnuNetworkSearch->trigger();
    };
    const QString pad = Pad("run.csv");
    int32_t voorTerug = 0, laatste = 0;
    boek.Stap(
        QStringLiteral("logging runs"), [&] { return Rijen(Pad("Untitled.csv")) >= 2; },
        [&] {
            keuze.bestanden = {pad};
            venster.menus().mnuFileNew->trigger();
            ASSERT_EQ(Gegevensbestand, pad);
        });
    boek.Stap(
        QStringLiteral("rows in run.csv"), [&] { return Rijen(pad) >= 8 && !PauzeOpvragen; },
        [&] {
            emulator.rack(2)->stil = true;
            voorTerug = AantalMetingen;
            zoek();
            ASSERT_TRUE(VerbindingActief);
        });
    boek.Stap(
        QStringLiteral("rows logged while rack 2 waits"),
        [&] { return RackWachtOpAanmelding(2) && !PauzeOpvragen && AantalMetingen >= voorTerug + 2; },
        [&] {
            // The clock goes back to the second of row 2: the rows logged while rack 2 waits repeat the
            // seconds of the rows before the Search.
            klok().verzetWandklok(1000 * (HeleSeconden(TijdVanRij(1, 1, 2)) - HeleSeconden(platform::Nu())));
            voorTerug = AantalMetingen;
        });
    boek.Stap(
        QStringLiteral("rows logged while rack 2 waits, in seconds that came back"),
        [&] { return RackWachtOpAanmelding(2) && !PauzeOpvragen && AantalMetingen >= voorTerug + 5; },
        [&] {
            laatste = AantalMetingen;
            venster.menus().mnuDatalogging->trigger();
            ASSERT_FALSE(VerbindingActief);
            emulator.rack(2)->stil = false;
            zoek();
        });
    boek.Stap(
        QStringLiteral("rack 2 back with its module"),
        [&] { return !RackWachtOpAanmelding(2) && Racks[2].Modules[1].Present && !PauzeOpvragen; },
        [&] {
            vragen.clear();
            ASSERT_EQ(Gegevensbestand, pad);
            std::vector<QStringList> vooraf = Regels(pad);
            ASSERT_GE(vooraf.size(), static_cast<size_t>(laatste) + 1);
            // Row `rij` of rack 2's table and its line: logged while rack 2 waited, its block without values.
            const int32_t rij = laatste - 1;
            const auto r = static_cast<size_t>(rij);
            const Tabelvenster* tabel2 = TabelVensters[2];
            ASSERT_NE(tabel2, nullptr);
            ASSERT_EQ((tabel2->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') +
                       tabel2->CelTekst(1, rij, KolomTijd))
                          .toStdString(),
                      vooraf[r].value(0).toStdString())
                << "rack 2 kept its rows";
            ASSERT_EQ(vooraf[r].value(23), QString()) << "rack 2's value in a row logged while it waited";
            ASSERT_FALSE(vooraf[r].value(2).isEmpty()) << "rack 1's value";
            ASSERT_NE(vooraf[r].value(0), vooraf[r + 1].value(0));
            ASSERT_NE(vooraf[r].value(0), vooraf[r - 1].value(0));
            ASSERT_TRUE(std::any_of(vooraf.begin() + 1, vooraf.begin() + voorTerug,
                                    [&](const QStringList& v) { return v.value(0) == vooraf[r].value(0); }))
                << "the second of row " << rij << " came back";

            // Rack 2: the info into its info field (43), then a clear of it; rack 1: its info field (22)
            // and its value and unit (3, 4).
            ASSERT_TRUE(Info(2, rij, QStringLiteral("two"))) << "the info editor did not open";
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
            vooraf[r][42] = QStringLiteral("two");
            EXPECT_EQ(Regels(pad + QStringLiteral(".new")), vooraf);
            auto* tabel = dynamic_cast<frmTabel*>(TabelVensters[2]);
            tabel->SSTab->setCurrentIndex(0);
            tabel->MSHFlexGrid[1]->ZetSelectie({rij, KolomInfo, rij, KolomInfo});
            tabel->WissenSelectie();
            vooraf[r][42] = QString();
            EXPECT_EQ(Regels(pad + QStringLiteral(".new")), vooraf);
            EXPECT_EQ(TabelVensters[2]->CelTekst(1, rij, KolomInfo), QString());
            ASSERT_TRUE(Info(1, rij, QStringLiteral("one")));
            WisWaarde(1, rij);
            vooraf[r][21] = QStringLiteral("one");
            vooraf[r][2] = vooraf[r][3] = QString();
            EXPECT_EQ(Regels(pad + QStringLiteral(".new")), vooraf);
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();

            // Rack 2 off the line again, and File > Open of the file while it waits.
            emulator.rack(2)->stil = true;
            zoek();
        });
    boek.Stap(
        QStringLiteral("rack 2 waits again"), [&] { return RackWachtOpAanmelding(2) && !PauzeOpvragen; },
        [&] {
            vragen.clear();
            // The edits are taken in first (Yes), then the load names rack 2's block it left out.
            beantwoord = [](const Vraag& v) {
                return v.tekst == Tekst[424] || v.tekst == Tekst[425] ? vbYes : vbOK;
            };
            keuze.bestanden = {pad};
            venster.menus().mnuFileOpen->trigger();
            ASSERT_EQ(Gegevensbestand, pad);
            ASSERT_FALSE(QFile::exists(pad + QStringLiteral(".new")));
            const auto weglating = std::find_if(vragen.begin(), vragen.end(), [](const Vraag& v) {
                return v.tekst.startsWith(QStringLiteral("This file and the racks present differ in R2M1."));
            });
            EXPECT_NE(weglating, vragen.end()) << "no box that names rack 2's block left out";
            const std::vector<QStringList> regels = Regels(pad);
            EXPECT_EQ(AantalMetingen, static_cast<int32_t>(regels.size()) - 1);
            EXPECT_EQ(TabelVensters[1]->CelTekst(1, 1, 3).toStdString(), regels[1].value(2).toStdString());
            EXPECT_EQ(TabelVensters[2]->CelTekst(1, 1, 3), QString())
                << "rack 2's value loaded while it waits";
            beantwoord = nullptr;
            SluitZonderBewaren(venster);
        });
    ASSERT_TRUE(venster.MDIForm_Load({}));
    EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
}

// Edit > Delete line asks in a box that takes the user's input alone, File > Save As in the program's own
// box, which blocks nothing; the timers run behind both. The answer deletes the rows it asked about, or
// saves the file it asked about; once the table or its file is no longer what was asked about, nothing,
// and a box says why. Two racks log rows into run.csv, then logging is switched off and the file opened,
// as a laboratory opens a file to edit it.
class OpenVraagTest : public EigenIndelingTest {
protected:
    // The program's real boxes: the first is held open, `terwijl` runs while it waits, then its button
    // `antwoord` is clicked (0: it is closed by its title bar), through the window system; a later box is
    // answered with Return. Every box's title and text are kept, and the first one's as it showed them. The
    // state outlives the object for what the clock has planned. The answer is given once `klaar` holds (at
    // most 15 s of the clock after `terwijl`) and the user can reach the box.
    class Vraagbox : public MeldingVenster {
    public:
        struct Staat {
            std::function<void()> terwijl;
            int antwoord = vbYes;
            std::function<bool()> klaar;
            QStringList titels, teksten;
            QString getoond; // title "|" label
            bool modaal = false;
            QPointer<FormMelding> box;
        };
        Vraagbox(std::function<void()> terwijl, int antwoord, std::function<bool()> klaar = {})
            : staat(std::make_shared<Staat>()) {
            staat->terwijl = std::move(terwijl);
            staat->antwoord = antwoord;
            staat->klaar = std::move(klaar);
        }
        int Toon(const QString& tekst, int stijl, const QString& titel) override {
            staat->titels << titel;
            staat->teksten << tekst;
            if (staat->titels.size() > 1) return EchteMelding(Qt::Key_Return, 300).Toon(tekst, stijl, titel);
            platform::klok().planIn(0, [s = staat] {
                if (!FormMelding::OpenBoxen().isEmpty()) s->box = FormMelding::OpenBoxen().back();
            });
            platform::klok().planIn(300, [s = staat] {
                if (!s->box) return;
                s->getoond = s->box->windowTitle() + QLatin1Char('|') + s->box->LabelMelding->text();
                s->modaal = s->box->windowModality() == Qt::ApplicationModal;
                if (s->terwijl) s->terwijl();
                Beantwoord(s, 50);
            });
            return ToonFormMelding(tekst, stijl, titel);
        }
        std::shared_ptr<Staat> staat;

    private:
        static void Beantwoord(const std::shared_ptr<Staat>& s, int over) {
            platform::klok().planIn(300, [s, over] {
                if (!s->box) return;
                if (((s->klaar && !s->klaar()) || !Bereikbaar(*s->box)) && over > 0)
                    return Beantwoord(s, over - 1);
                if (s->antwoord == 0) {
                    EXPECT_TRUE(SluitDoorVenstersysteem(*s->box)) << "the box is out of reach";
                } else {
                    QPushButton* knop = s->box->Knop(s->antwoord);
                    QTest::mouseClick(s->box->windowHandle(), Qt::LeftButton, {},
                                      knop->mapTo(s->box, knop->rect().center()));
                }
                if (s->box && s->box->isVisible() && s->box->GeklikteToets == 0 && !s->box->Gesloten) {
                    ADD_FAILURE() << "the answer did not reach the box";
                    s->box->close();
                }
            });
        }
    };

    // The user's choice of `item` in `menu` of the menu bar: two mouse clicks through the window system.
    // False when the menu did not open. `item` is found once the menu shows (the Window menu's list).
    static bool KiesUitMenu(mdiK740& venster, QMenu* menu, const std::function<QAction*()>& item) {
        const QPoint titel = venster.menuBar()->actionGeometry(menu->menuAction()).center();
        QTest::mouseClick(venster.windowHandle(), Qt::LeftButton, {},
                          venster.menuBar()->mapTo(&venster, titel));
        if (!menu->isVisible()) return false;
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(item()).center());
        return true;
    }
    static bool KiesUitMenu(mdiK740& venster, QMenu* menu, QAction* item) {
        return KiesUitMenu(venster, menu, [item] { return item; });
    }
    // The File menu's recent file of that name, found once the menu shows.
    static std::function<QAction*()> Recent(Menubalk& m, const QString& naam) {
        return [&m, naam]() -> QAction* {
            for (QAction* a : m.mnuRecentFile)
                if (a->isVisible() && a->data().toString() == naam) return a;
            return nullptr;
        };
    }
    // The user's click on `punt` of `w`, a widget in the main window, through the window system.
    static void Klik(mdiK740& venster, QWidget* w, QPoint punt) {
        QTest::mouseClick(venster.windowHandle(), Qt::LeftButton, {}, w->mapTo(&venster, punt));
    }
    // Window > the caption of `w`, a child window, which then is the active one.
    static void Activeer(mdiK740& venster, QWidget* w) {
        const QString titel = Kindvensterkader(w)->windowTitle();
        ASSERT_TRUE(KiesUitMenu(venster, venster.menus().mnuWindow, [&]() -> QAction* {
            for (QAction* a : venster.menus().mnuWindow->actions())
                if (!titel.isEmpty() && a->text().contains(titel)) return a;
            return nullptr;
        }));
        ASSERT_EQ(venster.mdiGebied()->activeSubWindow(), Kindvensterkader(w)) << titel.toStdString();
    }
    // The user's click on the close button of the title bar of `w`'s child window.
    static void KlikSluitknop(mdiK740& venster, QWidget* w) {
        auto* kader = qobject_cast<QMdiSubWindow*>(Kindvensterkader(w));
        QStyleOptionTitleBar optie;
        optie.initFrom(kader);
        optie.subControls = QStyle::SC_All;
        optie.titleBarFlags = kader->windowFlags();
        optie.rect = {0, 0, kader->width(),
                      kader->style()->pixelMetric(QStyle::PM_TitleBarHeight, &optie, kader)};
        Klik(venster, kader,
             kader->style()
                 ->subControlRect(QStyle::CC_TitleBar, &optie, QStyle::SC_TitleBarCloseButton, kader)
                 .center());
    }
    // What the user tries under a question: none of it may reach the program.
    void ProbeerEronder(mdiK740& venster) {
        Menubalk& m = venster.menus();
        if (frmTabel* tabel = frmTabelVan(1); tabel && tabel->isVisible()) {
            TabelGrid* grid = tabel->MSHFlexGrid[1];
            Klik(venster, grid->viewport(), grid->visualRect(grid->model()->index(4, 3)).center());
        }
        EXPECT_FALSE(KiesUitMenu(venster, m.mnuEdit, m.mnuClearLine))
            << "Edit > Clear selection under the question";
        keuze.bestanden.push_front(Pad("other.csv"));
        EXPECT_FALSE(KiesUitMenu(venster, m.mnuFile, m.mnuFileOpen)) << "File > Open under the question";
        keuze.bestanden.pop_front();
    }
    // The user's click on cell (rij, kolom) of module 1's grid in rack r's table, scrolled into view.
    static void KlikCel(int r, int32_t rij, int16_t kolom) {
        frmTabel* tabel = frmTabelVan(r);
        ASSERT_NE(tabel, nullptr);
        tabel->SSTab->setCurrentIndex(0);
        TabelGrid* grid = tabel->MSHFlexGrid[1];
        const QModelIndex cel = grid->model()->index(rij - 1, kolom);
        grid->scrollTo(cel);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cel).center());
    }

    // A cell of row 2 of rack 1's table clicked, Edit > Delete line, and its question answered with
    // `antwoord` after `terwijl`, once `klaar` holds. The boxes shown.
    Vraagbox::Staat Verwijder(mdiK740& venster, std::function<void()> terwijl, int antwoord,
                              std::function<bool()> klaar = {}) {
        Vraagbox box(std::move(terwijl), antwoord, std::move(klaar));
        if (!frmTabelVan(1)) {
            ADD_FAILURE() << "no table of rack 1";
            return {};
        }
        KlikCel(1, 2, 3);
        venster.mdiGebied()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(Kindvensterkader(frmTabelVan(1))));
        ZetMeldingVenster(&box);
        venster.menus().mnuDeleteLine->trigger();
        InstalleerMeldingen();
        const QString vraag = Tekst[251] + QStringLiteral("1\r\n") + Tekst[421];
        EXPECT_EQ(box.staat->getoond.toStdString(),
                  ("Delete selected lines|" +
                   QString(vraag).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + QLatin1Char('\n'))
                      .toStdString())
            << "the question";
        return *box.staat;
    }

    // Row `rij` of both tables shows the time `tijd` ("" for none).
    static void RijToont(int32_t rij, const QString& tijd) {
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ((TabelVensters[r]->CelTekst(1, rij, KolomDatum) + QLatin1Char(' ') +
                       TabelVensters[r]->CelTekst(1, rij, KolomTijd))
                          .trimmed()
                          .toStdString(),
                      tijd.toStdString())
                << "rack " << r << ", row " << rij;
    }

    // Other.csv: the header and the first five rows of run.csv.
    QString Ander() const {
        const QByteArray bytes = Bytes(Pad("run.csv"));
        qsizetype einde = 0;
        for (int i = 0; i < 6; ++i)
            einde = bytes.indexOf("\r\n", einde) + 2;
        QFile f(Pad("other.csv"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes.left(einde)) == einde);
        return Pad("other.csv");
    }

    // Logging into run.csv, then off, and the file opened; then `doe`, and the program closed.
    void Controleer(const std::function<void(mdiK740&)>& doe) {
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&keuze);
        Draaiboek boek(venster, 120000);
        LogVanafStartElkeSeconde(
            boek, venster, [this] { stijging->zetActief(true); }, 2);
        boek.Stap(
            QStringLiteral("logging runs"), [this] { return Rijen(Pad("Untitled.csv")) >= 2; },
            [this, &venster] {
                keuze.bestanden = {Pad("run.csv")};
                venster.menus().mnuFileNew->trigger();
            });
        boek.Stap(
            QStringLiteral("rows in run.csv"),
            [this] { return Rijen(Pad("run.csv")) >= 9 && !PauzeOpvragen; },
            [&] {
                venster.menus().mnuDatalogging->trigger();
                keuze.bestanden = {Pad("run.csv")};
                venster.menus().mnuFileOpen->trigger();
                ASSERT_EQ(Gegevensbestand, Pad("run.csv"));
                ASSERT_GE(AantalMetingen, 8);
                doe(venster);
                if (VerbindingActief) venster.menus().mnuDatalogging->trigger();
                SluitZonderBewaren(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }
};

// Row 2 asked about; while the question waits the user clicks row 7 and chooses Edit > Info, through the
// window system: neither reaches the program. No, or a close of the question by its title bar, deletes
// nothing; Yes deletes row 2's line alone, with row
// 2 marked in both tables.
TEST_F(OpenVraagTest, TheAnswerDeletesTheRowsItAskedAboutAndNoClickReachesTheTablesWhileItWaits) {
    Controleer([this](mdiK740& venster) {
        const QString pad = Pad("run.csv");
        const std::vector<QStringList> vooraf = Regels(pad);
        const size_t regel2 = RegelVanRij(vooraf, 1, 2);
        const QString tijd7 = vooraf[RegelVanRij(vooraf, 1, 7)].value(0);
        const auto eronder = [&] {
            TabelGrid* grid = frmTabelVan(1)->MSHFlexGrid[1];
            Klik(venster, grid->viewport(), grid->visualRect(grid->model()->index(6, 3)).center());
            EXPECT_FALSE(KiesUitMenu(venster, venster.menus().mnuEdit, venster.menus().mnuEditInfo))
                << "Edit > Info under the question";
        };

        // No, and the question closed by its title bar, delete nothing.
        for (const int antwoord : {int(vbNo), 0}) {
            SCOPED_TRACE(antwoord == vbNo ? "No" : "closed");
            const auto nee = Verwijder(venster, eronder, antwoord);
            EXPECT_EQ(nee.teksten.size(), 1);
            EXPECT_TRUE(nee.modaal) << "the question lets other windows take input";
            EXPECT_FALSE(QFile::exists(pad + QStringLiteral(".new"))) << "a working copy";
            EXPECT_TRUE(Regels(pad) == vooraf) << "the data file changed";
            RijToont(2, vooraf[regel2].value(0));
        }

        const auto ja = Verwijder(venster, eronder, vbYes);
        EXPECT_EQ(ja.teksten.join(QLatin1Char('|')).toStdString(), ja.teksten.value(0).toStdString())
            << "boxes after the answer";
        std::vector<QStringList> verwacht = vooraf;
        verwacht.erase(verwacht.begin() + static_cast<std::ptrdiff_t>(regel2));
        const std::vector<QStringList> werkkopie = Regels(pad + QStringLiteral(".new"));
        ASSERT_EQ(werkkopie.size(), verwacht.size()) << "lines of the working copy";
        for (size_t i = 0; i < verwacht.size(); ++i)
            EXPECT_EQ(werkkopie[i].join(QLatin1Char(',')).toStdString(),
                      verwacht[i].join(QLatin1Char(',')).toStdString())
                << "line " << i + 1;
        EXPECT_TRUE(Regels(pad) == vooraf) << "the data file itself changed";
        RijToont(2, QString());
        RijToont(7, tijd7);
        for (int r = 1; r <= 2; ++r) {
            int32_t r1 = 0, r2 = 0;
            frmTabelVan(r)->BepaalSelectieRijen(1, r1, r2);
            EXPECT_EQ((std::pair{r1, r2}), (std::pair{2, 2}))
                << "the rows marked in rack " << r << "'s table";
        }
    });
}

// While the question waits the user chooses File > Open and File > New, which do not reach the program,
// and a start time comes, which switches logging on: Yes deletes nothing, in no file, and a box titled
// run.csv says why.
TEST_F(OpenVraagTest, TheAnswerDeletesNothingOnceATimedStartSwitchedLoggingOnWhileItWaits) {
    Controleer([this](mdiK740& venster) {
        const QString pad = Pad("run.csv");
        Menubalk& m = venster.menus();
        const std::vector<QStringList> vooraf = Regels(pad);
        const QString tijd2 = vooraf[RegelVanRij(vooraf, 1, 2)].value(0);
        const auto box = Verwijder(
            venster,
            [&] {
                keuze.bestanden = {Ander(), Pad("new.csv")};
                EXPECT_FALSE(KiesUitMenu(venster, m.mnuFile, m.mnuFileOpen))
                    << "File > Open under the question";
                EXPECT_FALSE(KiesUitMenu(venster, m.mnuFile, m.mnuFileNew))
                    << "File > New under the question";
                StartBijOpstarten = false;
                GebruikStartLog = true;
                StartLogTijdstip = platform::Nu();
            },
            vbYes, []() -> bool { return VerbindingActief; });
        ASSERT_EQ(box.teksten.size(), 2) << "no box after the answer";
        EXPECT_EQ(box.teksten[1].toStdString(), Tekst[511].toStdString());
        EXPECT_EQ(box.titels[1], pad);
        EXPECT_EQ(Gegevensbestand, pad);
        const std::vector<QStringList> regels = Regels(pad);
        EXPECT_TRUE(regels.size() >= vooraf.size() &&
                    std::equal(vooraf.begin(), vooraf.end(), regels.begin()))
            << "run.csv lost a line";
        EXPECT_FALSE(QFile::exists(pad + QStringLiteral(".new"))) << "a working copy";
        RijToont(2, tijd2);
        m.mnuDatalogging->trigger();
    });
}

// File > Save As over an existing file, and while the question about replacing it waits another file is
// opened, or an info text written into the file's table: Yes saves nothing (neither the former file's copy
// nor the other file's tables, nor a copy without the edit), and says so; the file shown stays the data
// file, its edit waiting in its working copy. An info text committed meanwhile (File > New, Yes to the
// question about the edits, Cancel in its dialog) is saved with the file as it is at the answer, which opens
// again without a box; so is the file once a working copy was left beside the one it replaces, which goes
// with the former content to its backup and is not offered with the saved file.
TEST_F(OpenVraagTest, WhatChangesWhileSaveAsAsksToReplaceAFileIsSavedWholeOrNothingIs) {
    Controleer([this](mdiK740& venster) {
        const QString pad = Pad("run.csv"), ander = Ander(), doel = Pad("saved.csv");
        QFile f(doel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("former") == 6);
        f.close();
        const QStringList werkkopie = {QStringLiteral(".new"), QStringLiteral(".newsrc")};
        const std::vector<std::tuple<const char*, std::function<void()>, int, QString>> gevallen = {
            {"another file opened",
             [&] {
                 keuze.bestanden = {ander};
                 venster.menus().mnuFileOpen->trigger();
             },
             512, ander},
            {"an info text committed",
             [&] {
                 EXPECT_TRUE(Info(1, 2, QStringLiteral("committed")));
                 venster.menus().mnuFileNew->trigger();
             },
             424, doel},
            {"a working copy left beside the file replaced",
             [&] {
                 for (const QString& s : werkkopie) {
                     QFile w(doel + s);
                     EXPECT_TRUE(w.open(QIODevice::WriteOnly) && w.write(s.toLatin1()) == s.size());
                 }
             },
             0, doel},
            {"an info text written", [] { EXPECT_TRUE(Info(1, 2, QStringLiteral("behind"))); }, 513, pad}};
        for (const auto& [naam, terwijl, tekst, daarna] : gevallen) {
            SCOPED_TRACE(naam);
            if (Gegevensbestand != pad) {
                keuze.bestanden = {pad};
                venster.menus().mnuFileOpen->trigger();
            }
            const QByteArray data = Bytes(pad), vorig = Bytes(doel);
            Vraagbox box(terwijl, vbYes);
            keuze.bestanden = {doel};
            ZetMeldingVenster(&box);
            venster.menus().mnuFileSaveAs->trigger();
            InstalleerMeldingen();
            ASSERT_EQ(box.staat->teksten.join(QLatin1Char('|')).toStdString(),
                      (tekst ? Tekst[118] + QLatin1Char('|') + Tekst[tekst] : Tekst[118]).toStdString());
            EXPECT_EQ(box.staat->titels.value(1, pad), pad);
            EXPECT_EQ(Gegevensbestand, daarna);
            EXPECT_TRUE(venster.windowTitle().contains(QFileInfo(daarna).fileName()))
                << venster.windowTitle().toStdString();
            if (daarna == doel) {
                ASSERT_TRUE(Bytes(doel) == Bytes(pad) && Bytes(doel).contains("committed"))
                    << "not the data file as it was at the answer";
                vragen.clear();
                keuze.bestanden = {doel};
                venster.menus().mnuFileOpen->trigger();
                ASSERT_TRUE(vragen.empty()) << "opened again: " << vragen.front().tekst.toStdString();
                continue;
            }
            EXPECT_EQ(Bytes(doel), vorig);
            EXPECT_EQ(Bytes(pad), data);
        }
        for (const QString& s : werkkopie) {
            EXPECT_FALSE(QFile::exists(doel + s));
            EXPECT_EQ(Bytes(Pad("saved.bak") + s), s.toLatin1());
        }
        EXPECT_EQ(TabelVensters[1]->CelTekst(1, 2, KolomInfo), QStringLiteral("behind"));
        EXPECT_TRUE(Bytes(Pad("run.csv.new")).contains("behind"));
    });
}

// The questions asked in the standard box take the user's input alone while they wait: under the question
// about pending edits the user clicks a table cell, chooses Edit > Clear selection and File > Open, each
// with the mouse through the window system, and none of it reaches the program. The answer acts on the
// working copy of the file it names, and the command clicked goes on with what was clicked: New, Open, Save
// As, a recent file, Data > Log and Exit, with each of the three answers. A start time that comes while
// the question of Data > Log waits asks nothing more: it waits for the answer, which logs on once. Under
// the question of a paste, the graph it pastes onto cannot be closed.
class ModaleVraagTest : public OpenVraagTest {};

TEST_F(ModaleVraagTest, TheQuestionAboutPendingEditsTakesNoOtherCommandAndActsOnTheFileItNames) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        const QString pad = Pad("run.csv"), ander = Ander(), werk = pad + QStringLiteral(".new");
        struct Geval {
            const char* naam;
            QMenu* menu; // none: the start time comes
            std::function<QAction*()> opdracht;
            QString gekozen; // in the file dialog
            int antwoord;
            QString daarna; // the data file afterwards
            bool toont;     // the tables go on showing run.csv's rows
            bool getimed = false;
        };
        const QString opgeslagen = Pad("saved.csv"), kopie = Pad("saved2.csv");
        const std::vector<Geval> gevallen = {
            {"File > New", m.mnuFile, [&] { return m.mnuFileNew; }, Pad("new.csv"), vbYes, Pad("new.csv"),
             false},
            {"File > New, cancelled", m.mnuFile, [&] { return m.mnuFileNew; }, {}, vbNo, pad, true},
            {"File > Open", m.mnuFile, [&] { return m.mnuFileOpen; }, ander, vbNo, ander, false},
            {"File > Save As", m.mnuFile, [&] { return m.mnuFileSaveAs; }, opgeslagen, vbYes, opgeslagen,
             true},
            {"File > Save As, No", m.mnuFile, [&] { return m.mnuFileSaveAs; }, kopie, vbNo, kopie, true},
            {"a recent file", m.mnuFile, Recent(m, ander), {}, vbYes, ander, false},
            {"the same recent file", m.mnuFile, Recent(m, pad), {}, vbNo, pad, true},
            {"Data > Log", m.mnuData, [&] { return m.mnuDatalogging; }, {}, vbNo, pad, true},
            {"Data > Log, a timed start",
             m.mnuData,
             [&] { return m.mnuDatalogging; },
             {},
             vbYes,
             pad,
             true,
             true},
            {"File > Exit", m.mnuFile, [&] { return m.mnuFileExit; }, {}, vbCancel, pad, true},
            {"a start time", nullptr, {}, {}, vbCancel, pad, true, true}};
        for (const Geval& g : gevallen) {
            SCOPED_TRACE(g.naam);
            if (Gegevensbestand != pad) {
                keuze.bestanden = {pad};
                m.mnuFileOpen->trigger();
                ASSERT_EQ(Gegevensbestand, pad);
            }
            const QString vorige = TabelVensters[1]->CelTekst(1, 3, KolomInfo);
            ASSERT_TRUE(Info(1, 3, QString::fromLatin1(g.naam)));
            const QByteArray data = Bytes(pad), werkkopie = Bytes(werk);
            keuze.bestanden.clear();
            if (!g.gekozen.isEmpty()) keuze.bestanden = {g.gekozen};
            const auto starttijd = [] {
                StartBijOpstarten = false;
                GebruikStartLog = true;
                StartLogTijdstip = platform::Nu();
            };
            Vraagbox box(
                [&] {
                    ProbeerEronder(venster);
                    if (g.getimed && g.menu) starttijd();
                },
                // The clock runs 3 s of the schedule's ticks before the answer.
                g.antwoord,
                [&, tot = qint64(0)]() mutable {
                    if (tot == 0) tot = platform::klok().ms() + 3000;
                    return !g.getimed || platform::klok().ms() >= tot;
                });
            ZetMeldingVenster(&box);
            if (g.menu) {
                EXPECT_TRUE(KiesUitMenu(venster, g.menu, g.opdracht()));
            } else {
                // The schedule asks; after the answer its ticks run 3 s more.
                starttijd();
                const qint64 tot = platform::klok().ms() + 30000;
                qint64 beantwoord = 0;
                platform::WachtOpVenster([&] {
                    if (beantwoord == 0 && !box.staat->teksten.isEmpty() && OpenMeldingen() == 0)
                        beantwoord = platform::klok().ms();
                    return platform::klok().ms() >= (beantwoord ? beantwoord + 3000 : tot);
                });
                EXPECT_FALSE(GebruikStartLog) << "the start time is still set";
                EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Settings"),
                                         QStringLiteral("Use StartLogOn"), QString()),
                          QStringLiteral("False"));
            }
            InstalleerMeldingen();
            const Vraagbox::Staat& vraag = *box.staat;
            ASSERT_FALSE(vraag.teksten.isEmpty());
            EXPECT_EQ(vraag.teksten[0], Tekst[424]);
            EXPECT_EQ(vraag.titels[0], pad);
            EXPECT_TRUE(vraag.modaal) << "the question lets other windows take input";
            // No box more (no question of the timed start, no failure told) but, after No, that the file
            // shown is as it was.
            EXPECT_EQ(vraag.teksten.join(QLatin1Char('|')).toStdString(),
                      (Tekst[424] + (g.antwoord == vbNo ? QLatin1Char('|') + Tekst[233] : QString()))
                          .toStdString());
            EXPECT_EQ(Gegevensbestand, g.daarna);
            EXPECT_TRUE(venster.isVisible());
            EXPECT_EQ(VerbindingActief, g.menu == m.mnuData);
            if (g.antwoord == vbCancel) {
                EXPECT_EQ(Bytes(pad), data);
                EXPECT_EQ(Bytes(werk), werkkopie) << "the working copy changed";
            } else {
                EXPECT_FALSE(QFile::exists(werk));
                EXPECT_TRUE(Bytes(pad).startsWith(g.antwoord == vbYes ? werkkopie : data))
                    << "run.csv does not hold what the answer chose";
            }
            if (g.gekozen == opgeslagen || g.gekozen == kopie) {
                EXPECT_EQ(Bytes(g.gekozen), g.antwoord == vbYes ? werkkopie : data);
            }
            // What the tables show of the edit is what the file holds.
            if (g.toont) {
                EXPECT_EQ(TabelVensters[1]->CelTekst(1, 3, KolomInfo),
                          g.antwoord == vbNo ? vorige : QString::fromLatin1(g.naam));
            }
            EXPECT_FALSE(QFile::exists(ander + QStringLiteral(".new")));
            if (VerbindingActief) m.mnuDatalogging->trigger();
        }
    });
}

// A recent file clicked with an edit pending, and while its question waits the start time comes: the
// schedule asks its own question, inside the first, and Yes there commits the edit and logs on. Under the
// first question then a row cannot be written (the disk is full): the box about it takes the user's input
// alone and Retry writes the row. Then another program edits run.csv's header, and the run goes on in
// run_2.csv, which moves the recent files. Yes to the first question acts on nothing more (the backup keeps
// the file as it was before the one commit), and the file clicked is opened.
TEST_F(ModaleVraagTest,
       AQuestionInsideTheQuestionAboutPendingEditsIsAnsweredOnceAndTheCommandKeepsWhatWasClicked) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        const QString pad = Pad("run.csv"), ander = Ander(), werk = pad + QStringLiteral(".new");
        for (const QString& naam : {ander, pad}) {
            keuze.bestanden = {naam};
            m.mnuFileOpen->trigger();
        }
        ASSERT_TRUE(Info(1, 3, QStringLiteral("nested")));
        const QByteArray data = Bytes(pad);
        std::shared_ptr<Vraagbox::Staat> vraag;
        std::optional<Bestandsgrens> vol;
        bool schrijffout = false, bovenBereikbaar = true, kop = false;
        qsizetype voorAntwoord = 0;
        Vraagbox box(
            [] {
                StartBijOpstarten = false;
                GebruikStartLog = true;
                StartLogTijdstip = platform::Nu();
            },
            vbYes,
            [&] {
                if (!VerbindingActief) return false;
                if (!schrijffout) {
                    if (!vol) vol.emplace(QFileInfo(pad).size());
                    if (OpenMeldingen() < 2) return false;
                    schrijffout = true;
                    bovenBereikbaar = Bereikbaar(*vraag->box);
                    vol.reset();
                }
                if (OpenMeldingen() > 1) return false;
                if (!kop) {
                    kop = true;
                    Overschrijf(pad, Bytes(pad).replace("Value R2M1C1", "Value R2M1C9"));
                }
                voorAntwoord = vraag->teksten.size();
                return Gegevensbestand == Pad("run_2.csv");
            });
        vraag = box.staat;
        ZetMeldingVenster(&box);
        EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, Recent(m, ander)));
        InstalleerMeldingen();
        ASSERT_GE(vraag->teksten.size(), 3) << vraag->teksten.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(vraag->teksten[0], Tekst[424]);
        EXPECT_EQ(vraag->teksten[1], Tekst[424]) << "the schedule's own question";
        EXPECT_TRUE(vraag->teksten[2].startsWith(pad))
            << "not the box about the row: " << vraag->teksten[2].toStdString();
        EXPECT_FALSE(bovenBereikbaar) << "the first question took input while the box about the write waited";
        EXPECT_EQ(vraag->teksten.size(), voorAntwoord) << "a box after the answer";
        EXPECT_TRUE(Bytes(Pad("run.bak")) == data) << "the backup was replaced by a second commit";
        EXPECT_FALSE(QFile::exists(werk));
        EXPECT_EQ(Gegevensbestand.toStdString(), ander.toStdString()) << "another file than the one clicked";
        if (VerbindingActief) m.mnuDatalogging->trigger();
    });
}

// Edit > Paste settings onto a graph, and the user clicks the graph's close button under the question: the
// graph stays, and Yes pastes onto it.
TEST_F(ModaleVraagTest, AGraphCannotBeClosedUnderThePasteQuestionAndYesPastesOntoIt) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        const auto nieuw = [&venster] {
            platform::klok().planIn(0, [] {
                if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
            });
            return venster.vensterbeheer().NieuweGrafiek(false);
        };
        // A point of a graph's title bar: its middle, or its close button.
        frmGrafiek* bron = nieuw();
        frmGrafiek* doel = nieuw();
        ASSERT_TRUE(bron && doel);
        bron->Instellingen().AlarmHoog = true;
        bron->Instellingen().AlarmHoogWaarde = 1500;
        Activeer(venster, bron);
        ASSERT_TRUE(KiesUitMenu(venster, m.mnuEdit, m.mnuEditCopySettings));
        Activeer(venster, doel);
        const QPointer<frmGrafiek> gevolgd(doel);
        Vraagbox box([&] { KlikSluitknop(venster, doel); }, vbYes);
        ZetMeldingVenster(&box);
        EXPECT_TRUE(KiesUitMenu(venster, m.mnuEdit, m.mnuEditPasteSettings));
        InstalleerMeldingen();
        EXPECT_EQ(box.staat->teksten.size(), 1) << "the graph asked to be closed under the question";
        EXPECT_TRUE(box.staat->modaal);
        ASSERT_TRUE(gevolgd) << "the graph was closed under the question";
        EXPECT_TRUE(doel->Instellingen().AlarmHoog);
        EXPECT_EQ(doel->Instellingen().AlarmHoogWaarde, 1500);
    });
}

// The program's own boxes block nothing, and what the user does under them stays: a table window closed
// while "Settings saved!" waits is a change to be saved; a file opened from the recent files while the box
// about a name that is not there waits stays the data file.
TEST_F(ModaleVraagTest, WhatIsDoneUnderTheProgramsOwnBoxesStays) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        const QString ander = Ander();
        keuze.bestanden = {ander};
        m.mnuFileOpen->trigger();
        keuze.bestanden = {Pad("run.csv")};
        m.mnuFileOpen->trigger();
        {
            Activeer(venster, frmTabelVan(1));
            Vraagbox box([&] { KlikSluitknop(venster, frmTabelVan(1)); }, vbOK);
            ZetMeldingVenster(&box);
            EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, m.mnuFileSaveSettings));
            InstalleerMeldingen();
            EXPECT_EQ(box.staat->teksten, QStringList{Tekst[184]});
            EXPECT_FALSE(RackVlaggen[1].Table) << "the table was not closed under the box";
            EXPECT_TRUE(ConfiguratieGewijzigd);
        }
        {
            Vraagbox box(
                [&] {
                    EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, [&]() -> QAction* {
                        for (QAction* a : m.mnuRecentFile)
                            if (a->isVisible() && a->data().toString() == ander) return a;
                        return nullptr;
                    }));
                },
                vbOK);
            keuze.bestanden = {Pad("gone.csv")};
            ZetMeldingVenster(&box);
            EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, m.mnuFileOpen));
            InstalleerMeldingen();
            EXPECT_EQ(box.staat->teksten.size(), 1);
            EXPECT_EQ(Gegevensbestand, ander);
            EXPECT_EQ(AantalMetingen, 5);
            EXPECT_TRUE(venster.windowTitle().contains(QStringLiteral("other.csv")));
        }
    });
}

// Save As while logging, with a working copy left beside the data file: while its question about the edits
// waits, another program edits the data file's header, and the run goes on in run_2.csv. The answer saves
// nothing of the former file under the new name (box 512), and the run goes on where it went.
TEST_F(ModaleVraagTest, SaveAsSavesNothingOnceTheRunWentOnInANewFileUnderItsQuestion) {
    Controleer([this](mdiK740& venster) {
        Menubalk& m = venster.menus();
        const QString pad = Pad("run.csv"), verder = Pad("run_2.csv");
        m.mnuDatalogging->trigger();
        ASSERT_TRUE(VerbindingActief);
        ASSERT_TRUE(QFile::copy(pad, pad + QStringLiteral(".new")));
        Vraagbox box(
            [&] {
                QByteArray bewerkt = Bytes(pad);
                bewerkt.replace(bewerkt.indexOf("\"Flags R1M1C1\""), 14, "\"Flags R1M1C2\"");
                Overschrijf(pad, bewerkt);
            },
            vbNo, [&] { return Gegevensbestand == verder; });
        keuze.bestanden = {Pad("saved.csv")};
        ZetMeldingVenster(&box);
        EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, m.mnuFileSaveAs));
        InstalleerMeldingen();
        EXPECT_EQ(box.staat->teksten, (QStringList{Tekst[424], Tekst[512]}));
        EXPECT_FALSE(QFile::exists(Pad("saved.csv")));
        EXPECT_EQ(Gegevensbestand, verder);
        EXPECT_TRUE(VerbindingActief);
    });
}

// A command under the progress window of a load (File > Open of run.csv) or of a print of every window to a
// PDF file: File > New, or File > Open of another file, chosen through the window system at a turn of the
// events the waiting command lets run. The command that waits ends without a window that went; the tables
// show the file chosen last alone, and nothing is told.
TEST_F(ModaleVraagTest, ACommandUnderTheProgressWindowOfALoadOrAPrintEndsIt) {
    Controleer([this](mdiK740& venster) {
        ZetPrinterbron([] { return Printerlijst{{PdfPrinter()}, QString()}; });
        Menubalk& m = venster.menus();
        const QString ander = Ander();
        const auto laad = [&] {
            keuze.bestanden = {Pad("run.csv")};
            m.mnuFileOpen->trigger();
        };
        const auto print = [&] {
            platform::klok().planIn(300, [] {
                formPrint* d = AfdrukDialoog();
                ASSERT_TRUE(d && d->isVisible());
                d->OptionAlles->setChecked(true);
                QTest::mouseClick(d->OKButton, Qt::LeftButton);
            });
            keuze.bestanden = {Pad("all.pdf")};
            m.mnuFilePrint->trigger();
        };
        const std::vector<std::tuple<const char*, std::function<void()>, QAction*, QString>> gevallen = {
            {"a load, File > New", laad, m.mnuFileNew, Pad("new.csv")},
            {"a load, File > Open", laad, m.mnuFileOpen, ander},
            {"a print, File > New", print, m.mnuFileNew, Pad("new2.csv")}};
        for (const auto& [naam, wacht, opdracht, daarna] : gevallen) {
            SCOPED_TRACE(naam);
            // The command, once, at the first turn of the events under the progress window with rows in the
            // tables.
            bool gedaan = false;
            QTimer beurt;
            QObject::connect(&beurt, &QTimer::timeout, [&, opdracht = opdracht, daarna = daarna] {
                if (!FrmVoortgang::Huidig() || AantalMetingen < 5) return;
                beurt.stop();
                gedaan = true;
                keuze.bestanden = {daarna};
                EXPECT_TRUE(KiesUitMenu(venster, m.mnuFile, opdracht));
            });
            beurt.start(0);
            vragen.clear();
            wacht();
            ASSERT_TRUE(gedaan) << "no turn of the events under the progress window";
            EXPECT_EQ(Gegevensbestand.toStdString(), daarna.toStdString());
            EXPECT_TRUE(venster.windowTitle().contains(QFileInfo(daarna).fileName()));
            const std::vector<QStringList> regels = Regels(daarna);
            EXPECT_EQ(AantalMetingen, std::max<int32_t>(static_cast<int32_t>(regels.size()) - 1, 0));
            RijToont(1, regels.size() > 1 ? regels[1].value(0) : QString());
            EXPECT_EQ(FrmVoortgang::Huidig(), nullptr) << "the progress window stays";
            EXPECT_TRUE(vragen.empty()) << vragen.front().tekst.toStdString();
        }
    });
}

// The report window's Print dialog, and Graph > Print, each to a PDF file that exists: under the question
// whether to replace it the user clicks the report window's Print again, or chooses File > New, which
// would close the graph. Neither reaches the program; Yes prints into the file.
TEST_F(ModaleVraagTest, TheQuestionBeforeAPdfFileIsReplacedTakesNoOtherCommand) {
    Controleer([this](mdiK740& venster) {
        ZetPrinterbron([] { return Printerlijst{{PdfPrinter()}, QString()}; });
        Menubalk& m = venster.menus();
        const QString pdf = Pad("print.pdf");
        // A graph of the saved settings: File > New closes it.
        platform::klok().planIn(0, [] {
            if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
        });
        const QPointer<frmGrafiek> grafiek = venster.vensterbeheer().NieuweGrafiek(false);
        ASSERT_TRUE(grafiek);
        m.mnuFileSaveSettings->trigger();
        m.mnuSystemReport->trigger();
        FormGLP* rapport = RapportVenster();
        ASSERT_NE(rapport, nullptr);
        const std::vector<std::tuple<const char*, std::function<void()>, std::function<void()>>> gevallen = {
            {"the report window's Print dialog",
             [rapport] {
                 rapport->CommandPrint->click();
                 formPrint* d = AfdrukDialoog();
                 ASSERT_TRUE(d && d->isVisible());
                 d->OKButton->click();
                 EXPECT_EQ(AfdrukDialoog(), d) << "another print dialog under the question";
             },
             [&venster, knop = rapport->CommandPrint] { Klik(venster, knop, knop->rect().center()); }},
            {"Graph > Print",
             [&] {
                 Activeer(venster, grafiek);
                 m.mnuGraphPrint->trigger();
             },
             [&] {
                 keuze.bestanden = {Pad("new.csv")};
                 EXPECT_FALSE(KiesUitMenu(venster, m.mnuFile, m.mnuFileNew))
                     << "File > New under the question";
             }}};
        for (const auto& [naam, print, eronder] : gevallen) {
            SCOPED_TRACE(naam);
            QFile vorige(pdf);
            ASSERT_TRUE(vorige.open(QIODevice::WriteOnly) && vorige.write("former") == 6);
            vorige.close();
            Vraagbox box(eronder, vbYes);
            ZetMeldingVenster(&box);
            keuze.bestanden = {pdf};
            print();
            InstalleerMeldingen();
            EXPECT_EQ(box.staat->teksten.join(QLatin1Char('|')).toStdString(), Tekst[118].toStdString());
            EXPECT_TRUE(box.staat->modaal) << "the question lets other windows take input";
            EXPECT_TRUE(Bytes(pdf).startsWith("%PDF")) << "nothing printed into the file";
            EXPECT_EQ(Gegevensbestand.toStdString(), Pad("run.csv").toStdString());
            EXPECT_TRUE(grafiek);
        }
    });
}

} // namespace
