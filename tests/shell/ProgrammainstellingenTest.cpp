#include "shell/Programmainstellingen.h"
#include "OpnameGrafiekvenster.h"
#include "ShellOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "files/Grafiekconfiguratie.h"
#include "files/Meetbestand.h"
#include "platform/Opslag.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shell/Installatie.h"
#include "shell/Poorten.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

namespace {

class ProgrammainstellingenTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        LeesSysteemInfo();
    }
    void Zet(const QString& sectie, const QString& sleutel, const QString& waarde) {
        BewaarInstelling(AppNaam, sectie, sleutel, waarde);
    }
    QString Lees(const QString& sectie, const QString& sleutel) {
        return LeesInstelling(AppNaam, sectie, sleutel, QStringLiteral("<none>"));
    }
    QString documenten() const { return tijdelijkeMap() + QStringLiteral("/Documents"); }
};

TEST_F(ProgrammainstellingenTest, AnEmptyStoreGivesTheDefaults) {
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    Initialisatie(venster);
    EXPECT_EQ(CommPoort, QStringLiteral("COM1"));
    EXPECT_EQ(Baudsnelheid, QStringLiteral("19200"));
    EXPECT_EQ(Tijdsinterval, 60);
    const QString basis = documenten() + QStringLiteral("/Quorvex/K740/");
    EXPECT_EQ(MapGegevens, basis + QStringLiteral("Data"));
    EXPECT_EQ(MapBibliotheek, basis + QStringLiteral("Library"));
    EXPECT_EQ(MapConfiguratie, basis + QStringLiteral("Configuration"));
    EXPECT_EQ(MapKalibratie, basis + QStringLiteral("Calibration"));
    for (const QString& map : {MapGegevens, MapBibliotheek, MapConfiguratie, MapKalibratie})
        EXPECT_TRUE(QDir(map).exists()) << map.toStdString();
    EXPECT_EQ(Gegevensbestand, MapGegevens + QStringLiteral("/Untitled.csv"));
    EXPECT_FALSE(StartBijOpstarten);
    EXPECT_TRUE(LadenBijOpstarten);
    EXPECT_FALSE(GebruikStartLog);
    EXPECT_FALSE(GebruikStopLog);
    EXPECT_EQ(PrintLettertype, QStringLiteral("Arial"));
    EXPECT_EQ(PrintToestel, QStringLiteral("K740"));
    EXPECT_EQ(PrintOrientatie, 1);
    EXPECT_EQ(PrinterIndex, -1);
    EXPECT_TRUE(PrintAlles);
    EXPECT_EQ(ReferentieTemperatuur, 1);
    EXPECT_TRUE(TemperatuurCompensatie);
    EXPECT_FALSE(venster.TerminalAangevinkt());
    EXPECT_FALSE(ConfiguratieGewijzigd);
    EXPECT_TRUE(vragen.empty());
}

TEST_F(ProgrammainstellingenTest, StoredValuesAreNormalised) {
    const QString s = QStringLiteral("Settings");
    Zet(s, QStringLiteral("Serial port"), QStringLiteral("com7"));
    Zet(s, QStringLiteral("Baudrate"), QStringLiteral("1000"));
    Zet(s, QStringLiteral("Interval of time"), QStringLiteral("86401"));
    Zet(s, QStringLiteral("StartOnStartup"), QStringLiteral("-1"));
    Zet(QStringLiteral("Conductivity"), QStringLiteral("Reference temperature"), QStringLiteral("2"));
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    Initialisatie(venster);
    EXPECT_EQ(CommPoort, QStringLiteral("COM7"));
    EXPECT_EQ(Baudsnelheid, QStringLiteral("1200"));
    EXPECT_EQ(Tijdsinterval, 1);
    EXPECT_TRUE(StartBijOpstarten);
    EXPECT_EQ(ReferentieTemperatuur, 1);

    Zet(QStringLiteral("Conductivity"), QStringLiteral("Reference temperature"), QStringLiteral("-1"));
    Initialisatie(venster);
    EXPECT_EQ(ReferentieTemperatuur, 1);
    Zet(QStringLiteral("Conductivity"), QStringLiteral("Reference temperature"), QStringLiteral("0"));
    Initialisatie(venster);
    EXPECT_EQ(ReferentieTemperatuur, 0);
}

// Any absolute path is kept as the settings dialog took it, a link to a port outside /dev too: whether
// it opens is told when the port is opened.
TEST_F(ProgrammainstellingenTest, AnAbsolutePathIsKeptAsTheSerialPort) {
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    for (const QString& pad : {QStringLiteral("/dev/pts/4"), QStringLiteral("/tmp/x/link")}) {
        Zet(QStringLiteral("Settings"), QStringLiteral("Serial port"), pad);
        Initialisatie(venster);
        EXPECT_EQ(CommPoort, pad);
    }
}

TEST_F(ProgrammainstellingenTest, AStartTimeThatIsNoDateTurnsTheScheduleOffForThisRun) {
    const QString s = QStringLiteral("Settings");
    Zet(s, QStringLiteral("Use StartLogOn"), QStringLiteral("True"));
    Zet(s, QStringLiteral("Start Log On"), QStringLiteral("abc"));
    Zet(s, QStringLiteral("Use StopLogOn"), QStringLiteral("True"));
    const platform::Datum stop = platform::MaakDatum(2026, 2, 1, 12, 0, 0);
    Zet(s, QStringLiteral("Stop Log On"), platform::DatumTijdTekst(stop));
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    Initialisatie(venster);
    EXPECT_FALSE(GebruikStartLog);
    EXPECT_DOUBLE_EQ(StartLogTijdstip, platform::Nu());
    EXPECT_EQ(Lees(s, QStringLiteral("Use StartLogOn")), QStringLiteral("True"));
    EXPECT_TRUE(GebruikStopLog);
    EXPECT_NEAR(StopLogTijdstip, stop, 1e-9);
}

TEST_F(ProgrammainstellingenTest, LastFileIsTakenOnlyWithLoadOnStartup) {
    const QString s = QStringLiteral("Settings");
    Zet(s, QStringLiteral("LastFile"), QStringLiteral("/data/Last.csv"));
    Zet(s, QStringLiteral("LoadOnStartup"), QStringLiteral("False"));
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    Gegevensbestand = QStringLiteral("/given/OnTheCommandLine.csv");
    Initialisatie(venster);
    EXPECT_EQ(Gegevensbestand, QStringLiteral("/given/OnTheCommandLine.csv"));
    Gegevensbestand = QStringLiteral("  ");
    Initialisatie(venster);
    EXPECT_EQ(Gegevensbestand, QStringLiteral("Untitled.csv"));
    Zet(s, QStringLiteral("LoadOnStartup"), QStringLiteral("True"));
    Initialisatie(venster);
    EXPECT_EQ(Gegevensbestand, QStringLiteral("/data/Last.csv"));
}

TEST_F(ProgrammainstellingenTest, AFolderThatCannotBeMadeIsReportedAndOfferedInTheSettingsWindow) {
    QFile blokkade(tijdelijkeMap() + QStringLiteral("/file"));
    ASSERT_TRUE(blokkade.open(QIODevice::WriteOnly));
    blokkade.close();
    const QString onmogelijk = blokkade.fileName() + QStringLiteral("/Library");
    Zet(QStringLiteral("Settings"), QStringLiteral("FolderLibrary"), onmogelijk);
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    Initialisatie(venster);
    ASSERT_EQ(vragen.size(), 1u);
    EXPECT_EQ(vragen[0].tekst, Tekst[152] + onmogelijk + QStringLiteral("'\r\n\r\n"));
    EXPECT_EQ(vragen[0].stijl, vbCritical);
    // The settings window shows the Locations tab with the folder's row chosen.
    frmInstellen* instellingen = InstellenVenster();
    ASSERT_NE(instellingen, nullptr);
    EXPECT_TRUE(instellingen->isVisible());
    EXPECT_EQ(instellingen->SSTab->currentIndex(), 3);
    EXPECT_EQ(instellingen->MSHFlexGridFolder->currentRow(), 2);
    EXPECT_TRUE(QDir(MapKalibratie).exists()); // start-up goes on
}

TEST_F(ProgrammainstellingenTest, TheDemonstrationRackFileIsWrittenOnlyInSimulation) {
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    Initialisatie(venster);
    const QString rcf = MapConfiguratie + QStringLiteral("/Rack1-F-F-F.rcf");
    EXPECT_FALSE(QFile::exists(rcf));

    Demo = true;
    Initialisatie(venster);
    ASSERT_TRUE(QFile::exists(rcf));
    // The log-on record and rack slot 1 are left as they were.
    EXPECT_EQ(Lees(QStringLiteral("Rack1"), QStringLiteral("Logon")), QStringLiteral("<none>"));
    EXPECT_FALSE(Racks[1].Present);
    EXPECT_EQ(Racks[1].Idno, 0);

    // An existing file is never replaced.
    QFile f(rcf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("mine");
    f.close();
    Initialisatie(venster);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("mine"));
}

TEST_F(ProgrammainstellingenTest, SavingKeepsTheGraphListOfOpenWindowsOnly) {
    MapConfiguratie = tijdelijkeMap();
    OpnameGrafiekvenster twee, vijf;
    twee.index = 2;
    vijf.index = 5;
    ZetGrafiekVenster(2, &twee);
    ZetGrafiekVenster(5, &vijf);
    const QString graph = QStringLiteral("Graph");
    Zet(graph, QStringLiteral("Index3"), QStringLiteral("3"));
    Zet(graph, QStringLiteral("Index4"), QStringLiteral("7")); // not the graph's own number: left alone
    mdiK740 venster;
    InstalleerHoofdvenster(venster);
    BewaarInstellingen(venster);
    EXPECT_EQ(Lees(graph, QStringLiteral("Index2")), QStringLiteral("2"));
    EXPECT_EQ(Lees(graph, QStringLiteral("Index5")), QStringLiteral("5"));
    EXPECT_EQ(Lees(graph, QStringLiteral("Index3")), QStringLiteral("<none>"));
    EXPECT_EQ(Lees(graph, QStringLiteral("Index4")), QStringLiteral("7"));
    // The open windows' settings files are written.
    EXPECT_TRUE(QFile::exists(GrafiekBestandsnaam(2)));
    EXPECT_TRUE(QFile::exists(GrafiekBestandsnaam(5)));
    EXPECT_FALSE(QFile::exists(GrafiekBestandsnaam(3)));
    EXPECT_EQ(Lees(QStringLiteral("Terminal"), QStringLiteral("Checked")), QStringLiteral("False"));
    EXPECT_EQ(Lees(QStringLiteral("Terminal"), QStringLiteral("Data out")), QStringLiteral("<none>"));
    EXPECT_EQ(Lees(QStringLiteral("Time"), QStringLiteral("Relative")), QStringLiteral("0"));
    EXPECT_EQ(Lees(QStringLiteral("Printer"), QStringLiteral("Device")), QStringLiteral("-1"));
}

TEST_F(ProgrammainstellingenTest, AMaximisedMainWindowKeepsItsRestoredPlaceThroughEverySave) {
    {
        mdiK740 venster;
        Initialisatie(venster);
        venster.move(120, 90);
        venster.resize(900, 600);
        QCoreApplication::processEvents();
        ASSERT_EQ(venster.frameGeometry().topLeft(), QPoint(120, 90));
        venster.showMaximized();
        QCoreApplication::processEvents();
        BewaarInstellingen(venster);
    }
    const auto bewaard = [this] {
        const QString s = QStringLiteral("Main window");
        return QStringList{Lees(s, "Windowstate"), Lees(s, "Top"), Lees(s, "Left"), Lees(s, "Height"),
                           Lees(s, "Width")};
    };
    const QStringList eerste = bewaard();
    EXPECT_EQ(eerste, (QStringList{"2", "1350", "1800", "9000", "13500"}));
    // Every start comes back maximised and saves the same restored place.
    for (int keer = 0; keer < 3; ++keer) {
        mdiK740 venster;
        Initialisatie(venster);
        QCoreApplication::processEvents();
        EXPECT_TRUE(venster.isMaximized());
        BewaarInstellingen(venster);
        EXPECT_EQ(bewaard(), eerste) << keer;
        if (keer == 2) {
            // Restored, the frame stands where it stood.
            venster.showNormal();
            QCoreApplication::processEvents();
            EXPECT_EQ(venster.frameGeometry().topLeft(), QPoint(120, 90));
            EXPECT_EQ(venster.size(), QSize(900, 600));
        }
    }
}

TEST_F(ProgrammainstellingenTest, PlacementAndFontRecordsComeBack) {
    QWidget venster;
    venster.setGeometry(30, 40, 300, 200);
    BewaarVensterPositie(QStringLiteral("W"), &venster);
    EXPECT_EQ(Lees(QStringLiteral("W"), QStringLiteral("Windowstate")), QStringLiteral("0"));
    EXPECT_EQ(Lees(QStringLiteral("W"), QStringLiteral("Width")), QStringLiteral("4500"));
    QWidget ander;
    LeesVensterPositie(QStringLiteral("W"), &ander);
    EXPECT_TRUE(ander.isVisible());
    EXPECT_EQ(ander.size(), QSize(300, 200));

    QLabel label;
    Zet(QStringLiteral("F"), QStringLiteral("Fontsize"), QStringLiteral("9,75"));
    Zet(QStringLiteral("F"), QStringLiteral("Fontbold"), QStringLiteral("True"));
    Zet(QStringLiteral("F"), QStringLiteral("Fontcolor"), QStringLiteral("255"));
    LeesLettertype(QStringLiteral("F"), &label);
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 9.75);
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.palette().color(label.foregroundRole()), QColor(255, 0, 0));
    BewaarLettertype(QStringLiteral("G"), &label);
    EXPECT_EQ(Lees(QStringLiteral("G"), QStringLiteral("Fontcolor")), QStringLiteral("255"));
    EXPECT_EQ(Lees(QStringLiteral("G"), QStringLiteral("Fontbold")), QStringLiteral("True"));
}

} // namespace
