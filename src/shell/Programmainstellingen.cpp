#include "shell/Programmainstellingen.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/K761.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "calibration/Standaardbestanden.h"
#include "files/Grafiekconfiguratie.h"
#include "files/Meetbestand.h"
#include "files/RackConfiguratie.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "platform/Systeem.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/Poorten.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/frmTabel.h"

#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableView>
#include <QWidget>

QString ProductNaam;
int32_t Tijdsinterval;
bool GebruikStartLog;
platform::Datum StartLogTijdstip;
bool GebruikStopLog;
platform::Datum StopLogTijdstip;

namespace {

const QString Settings = QStringLiteral("Settings");

QString Lees(const QString& sectie, const QString& sleutel, const QString& standaard) {
    return LeesInstelling(AppNaam, sectie, sleutel, standaard);
}
void Bewaar(const QString& sectie, const QString& sleutel, const QString& waarde) {
    BewaarInstelling(AppNaam, sectie, sleutel, waarde);
}

// A data folder: made when missing; when that fails the user is told and the settings window offers
// the folder's row. False when the program ended while the box waited.
bool MaakDataMap(const QString& map, int rij, mdiK740& venster) {
    if (MaakMappen(map)) return true;
    ToonStandaardMelding(Tekst[152] + map + QStringLiteral("'\r\n\r\n"), vbCritical | vbOKOnly,
                         venster.windowTitle());
    if (ProgrammaBeeindigd) return false;
    KiesInstellingenMap(rij);
    return true;
}

// Copies a default file from the program folder, or the program's built-in one, when the target is
// missing; an existing target is never replaced, a missing source is no error.
void KopieerStandaard(const QString& bron, const QString& doel) {
    KopieerStandaardbestand(bron, doel);
}

// A stored date, or now (not `gelezen`) when the text is no date.
struct Tijdstip {
    platform::Datum tijdstip = 0;
    bool gelezen = false;
};
Tijdstip LeesTijdstip(const QString& sleutel) {
    const platform::Datum nu = platform::Nu();
    const QString tekst = Lees(Settings, sleutel, platform::DatumTijdTekst(nu));
    Tijdstip t;
    t.gelezen = platform::LeesDatumTijd(tekst, t.tijdstip);
    if (!t.gelezen) t.tijdstip = nu;
    return t;
}

// The demonstration rack's configuration file, written by the configuration writer when the program
// folder has none to copy. Rack slot 1, its flags and its log-on record in the settings store are put
// back as they were, so that a later run on real racks does not find the demonstration rack.
void MaakDemoConfiguratie() {
    const QString naam = QStringLiteral("Rack1-F-F-F.rcf");
    const QString doel = MapConfiguratie + QLatin1Char('/') + naam;
    KopieerStandaard(platform::ProgrammaMap() + QStringLiteral("/Configuration/") + naam, doel);
    if (QFile::exists(doel)) return;

    const RackRecord rack = Racks[1];
    const RackVlag vlaggen = RackVlaggen[1];
    const QString sectie = QStringLiteral("Rack1");
    const std::optional<QString> logon = platform::ZoekOpslag(AppNaam, sectie, QStringLiteral("Logon"));
    const std::optional<QString> idno =
        platform::ZoekOpslag(AppNaam, sectie, QStringLiteral("Identification"));

    Racks[1] = RackRecord{};
    Racks[1].Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
    LeesRackConfiguratie(1, LeesModusAanmelding);
    ZetKanaalEenheden(1);
    Racks[1].Present = true;
    SchrijfRackConfiguratie(1);

    if (logon)
        platform::BewaarOpslag(AppNaam, sectie, QStringLiteral("Logon"), *logon);
    else
        platform::WisOpslag(AppNaam, sectie, QStringLiteral("Logon"));
    if (idno)
        platform::BewaarOpslag(AppNaam, sectie, QStringLiteral("Identification"), *idno);
    else
        platform::WisOpslag(AppNaam, sectie, QStringLiteral("Identification"));
    Racks[1] = rack;
    RackVlaggen[1] = vlaggen;
}

const QString HoofdvensterSectie = QStringLiteral("Main window");

// The placement record of the main window: its state and the frame position and inner size of its
// normal state, the same whether it was saved normal, maximised or minimised. Without a record the
// window opens in the screen's corner, large enough for a whole rack window.
void BewaarHoofdvensterPositie(mdiK740& venster) {
    const int toestand = venster.isMinimized() ? 1 : venster.isMaximized() ? 2 : 0;
    const QRect kader = venster.NormaleKader();
    const auto twips = [](int pixels) { return SingleAlsTekst(static_cast<float>(PixelsNaarTwips(pixels))); };
    Bewaar(HoofdvensterSectie, QStringLiteral("Windowstate"), QString::number(toestand));
    Bewaar(HoofdvensterSectie, QStringLiteral("Top"), twips(kader.y()));
    Bewaar(HoofdvensterSectie, QStringLiteral("Left"), twips(kader.x()));
    Bewaar(HoofdvensterSectie, QStringLiteral("Height"), twips(kader.height()));
    Bewaar(HoofdvensterSectie, QStringLiteral("Width"), twips(kader.width()));
}

void LeesHoofdvensterPositie(mdiK740& venster) {
    const auto pixels = [](const QString& sleutel, const QString& standaard) {
        return TwipsNaarPixels(TekstNaarSingle(Lees(HoofdvensterSectie, sleutel, standaard)));
    };
    QRect kader;
    if (Lees(HoofdvensterSectie, QStringLiteral("Width"), QString()).isEmpty()) {
        const QScreen* scherm = venster.screen() ? venster.screen() : QGuiApplication::primaryScreen();
        const QRect gebied = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
        kader = QRect(gebied.topLeft(), venster.StandaardGrootte(gebied));
    } else {
        kader = QRect(pixels(QStringLiteral("Left"), QStringLiteral("0")),
                      pixels(QStringLiteral("Top"), QStringLiteral("0")),
                      std::max(pixels(QStringLiteral("Width"), QStringLiteral("10000")), 1),
                      std::max(pixels(QStringLiteral("Height"), QStringLiteral("7000")), 1));
    }
    const int toestand =
        TekstNaarInteger(Lees(HoofdvensterSectie, QStringLiteral("Windowstate"), QStringLiteral("0")));
    venster.setWindowState(Qt::WindowNoState);
    venster.move(kader.topLeft());
    venster.resize(kader.size());
    venster.ZetNormaleKader(kader);
    if (toestand == 1 || toestand == 2)
        venster.setWindowState(toestand == 1 ? Qt::WindowMinimized : Qt::WindowMaximized);
    venster.show();
}

} // namespace

QString StandaardMap(const QString& naam) {
    return DocumentenMap + QStringLiteral("/Quorvex/K740/") + naam;
}

int32_t GeldigInterval(int32_t seconden) {
    return seconden >= 1 && seconden <= 86400 ? seconden : 1;
}

void Initialisatie(mdiK740& venster) {
    CommPoort = GeldigePoort(Lees(Settings, QStringLiteral("Serial port"), QStringLiteral("COM1")));
    Baudsnelheid = GeldigeBaudrate(Lees(Settings, QStringLiteral("Baudrate"), QStringLiteral("19200")));
    Tijdsinterval = GeldigInterval(
        TekstNaarLong(Lees(Settings, QStringLiteral("Interval of time"), QStringLiteral("60"))));

    StartBijOpstarten = LeesBooleanInstelling(Settings, QStringLiteral("StartOnStartup"), false);
    LadenBijOpstarten = LeesBooleanInstelling(Settings, QStringLiteral("LoadOnStartup"), true);

    MapGegevens = Lees(Settings, QStringLiteral("FolderData"), StandaardMap(QStringLiteral("Data")));
    MapBibliotheek = Lees(Settings, QStringLiteral("FolderLibrary"), StandaardMap(QStringLiteral("Library")));
    MapConfiguratie =
        Lees(Settings, QStringLiteral("FolderConfiguration"), StandaardMap(QStringLiteral("Configuration")));
    MapKalibratie =
        Lees(Settings, QStringLiteral("FolderCalibration"), StandaardMap(QStringLiteral("Calibration")));

    const QString programma = platform::ProgrammaMap();
    // The program ended while the box about a folder waited: the start makes and reads nothing more.
    if (!MaakDataMap(MapGegevens, 1, venster) || !MaakDataMap(MapBibliotheek, 2, venster)) return;
    for (const QString& naam : {QStringLiteral("buffer.ph"), QStringLiteral("standard.ec")})
        KopieerStandaard(programma + QStringLiteral("/Library/") + naam,
                         MapBibliotheek + QLatin1Char('/') + naam);
    if (!MaakDataMap(MapConfiguratie, 3, venster) || !MaakDataMap(MapKalibratie, 4, venster)) return;
    if (Demo) {
        // The calibration files first: reading the demonstration rack's configuration loads them, and
        // makes uncalibrated ones where none are.
        const QString bron = programma + QStringLiteral("/Configuration/");
        for (int m = 1; m <= AantalModules; ++m) {
            const QString naam = QStringLiteral("Rack1-F-F-F-M%1.cal").arg(m);
            KopieerStandaard(bron + naam, MapKalibratie + QLatin1Char('/') + naam);
        }
        MaakDemoConfiguratie();
    }

    if (LadenBijOpstarten)
        Gegevensbestand =
            Lees(Settings, QStringLiteral("LastFile"), MapGegevens + QStringLiteral("/Untitled.csv"));
    if (Gegevensbestand.trimmed().isEmpty()) Gegevensbestand = QStringLiteral("Untitled.csv");

    GebruikStartLog = LeesBooleanInstelling(Settings, QStringLiteral("Use StartLogOn"), false);
    GebruikStopLog = LeesBooleanInstelling(Settings, QStringLiteral("Use StopLogOn"), false);
    const Tijdstip start = LeesTijdstip(QStringLiteral("Start Log On"));
    const Tijdstip stop = LeesTijdstip(QStringLiteral("Stop Log On"));
    StartLogTijdstip = start.tijdstip;
    StopLogTijdstip = stop.tijdstip;
    if (!start.gelezen) GebruikStartLog = false;
    if (!stop.gelezen) GebruikStopLog = false;

    TijdBasis = 0;
    RelatieveTijd = false;

    const QString geleiding = QStringLiteral("Conductivity");
    TemperatuurCompensatie =
        LeesBooleanInstelling(geleiding, QStringLiteral("Temperature compensation"), true);
    ReferentieTemperatuur =
        TekstNaarInteger(Lees(geleiding, QStringLiteral("Reference temperature"), QStringLiteral("1")));
    if (ReferentieTemperatuur > 1 || ReferentieTemperatuur < 0) ReferentieTemperatuur = 1;
    LeesLuchtdruk();

    LeesHoofdvensterPositie(venster);

    const bool terminal = LeesBooleanInstelling(QStringLiteral("Terminal"), QStringLiteral("Checked"), false);
    venster.ZetTerminalAangevinkt(terminal);
    if (terminal) ToonTerminal();

    LeesPrinterInstellingen(QStringLiteral("Printer"));

    ConfiguratieGewijzigd = false;
    venster.ZetKnoppen();

    SchrijfLogboek(0, 0,
                   Tekst[454] + QLatin1Char(' ') + CommPoort + QStringLiteral(", ") + Baudsnelheid +
                       QStringLiteral(", ") + Gegevensbestand);
}

void BewaarInstellingen(mdiK740& venster) {
    BewaarHoofdvensterPositie(venster);

    const QString terminal = QStringLiteral("Terminal");
    if (venster.TerminalAangevinkt()) {
        if (frmTerminal* t = TerminalVenster()) {
            BewaarVensterPositie(terminal, Kindvensterkader(t));
            BewaarLettertype(terminal, t->TxtLineInput);
        }
        Bewaar(terminal, QStringLiteral("Data out"), BooleanAlsTekst(TerminalDataUit));
        Bewaar(terminal, QStringLiteral("Data in"), BooleanAlsTekst(TerminalDataIn));
        Bewaar(terminal, QStringLiteral("Data hex"), BooleanAlsTekst(TerminalDataHex));
        Bewaar(terminal, QStringLiteral("Data info"), BooleanAlsTekst(TerminalDataInfo));
    }
    Bewaar(terminal, QStringLiteral("Checked"), BooleanAlsTekst(venster.TerminalAangevinkt()));

    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        // The placement of a child window is its frame's in the window area.
        if (RackVlaggen[r].Table) {
            frmTabel* tabel = frmTabelVan(r);
            BewaarVensterPositie(QStringLiteral("Table%1").arg(r), Kindvensterkader(tabel));
            // The font and column widths of every present module's grid.
            for (int m = 1; tabel && m <= AantalModules; ++m) {
                if (!Racks[r].Modules[m].Present) continue;
                QTableView* raster = tabel->MSHFlexGrid[static_cast<size_t>(m)];
                BewaarLettertype(QStringLiteral("Table%1M%2Font").arg(r).arg(m), raster);
                BewaarKolomBreedte(QStringLiteral("Table%1M%2Colwidth").arg(r).arg(m), raster);
            }
        }
        if (RackVlaggen[r].Show)
            BewaarVensterPositie(QStringLiteral("Measurement%1").arg(r),
                                 Kindvensterkader(dynamic_cast<QWidget*>(RackVenster(r))));
    }

    const QString geleiding = QStringLiteral("Conductivity");
    Bewaar(geleiding, QStringLiteral("Temperature compensation"), BooleanAlsTekst(TemperatuurCompensatie));
    Bewaar(geleiding, QStringLiteral("Reference temperature"), QString::number(ReferentieTemperatuur));

    const QString grafiek = QStringLiteral("Graph");
    for (int g = 1; g <= 64; ++g) {
        const QString sleutel = QStringLiteral("Index%1").arg(g);
        if (GrafiekvensterInterface* venster = GrafiekVenster(g); venster && venster->GrafiekIndex() == g) {
            Bewaar(grafiek, sleutel, QString::number(g));
            SchrijfGrafiekInstellingen(g, *venster);
        } else if (TekstNaarInteger(Lees(grafiek, sleutel, QStringLiteral("-1"))) == g) {
            WisInstelling(AppNaam, grafiek, sleutel);
        }
    }

    BewaarPrinterInstellingen(QStringLiteral("Printer"));

    Bewaar(QStringLiteral("Time"), QStringLiteral("Relative"),
           RelatieveTijd ? QStringLiteral("-1") : QStringLiteral("0"));
    Bewaar(QStringLiteral("Time"), QStringLiteral("Base"), platform::DatumTijdTekst(TijdBasis));

    SchrijfLogboek(0, 0, Tekst[455]);
}

void ResetProgrammainstellingen() {
    ProductNaam = QStringLiteral("K740");
    Tijdsinterval = 60;
    GebruikStartLog = GebruikStopLog = false;
    StartLogTijdstip = StopLogTijdstip = 0;
}
