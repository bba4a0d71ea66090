#include "reports/Rapportuitvoer.h"

#include "acquisition/RackModel.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "reports/GLPHistoriek.h"
#include "reports/Opnamevlak.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Report = QStringLiteral("Report");

void Veld(const QString& tekst, bool laatste) {
    SchrijfRapportVeld(RapportRack, RapportModule, RapportKanaal, tekst, laatste);
}

// The report of one channel under its header block.
void PrintGLPRapport(Printer& p, AfdrukVenster venster, const Kanaalkeuze& kanaal) {
    venster.Rnr = kanaal.Rnr;
    venster.Mnr = kanaal.Mnr;
    venster.Knr = kanaal.Knr;
    PrintVensterHoofding(venster, p, 0);
    PrintSYSrapport(p, StelGLPTabelIn(kanaal.Rnr, kanaal.Mnr, kanaal.Knr));
}

// The report written in the file with the window's channel, or for the "All" export every channel's.
void SchrijfRapport(const Rapportexport& opdracht, const std::vector<Kanaalkeuze>& kanalen) {
    Opnamevlak vlak;
    Printer p(vlak);
    if (opdracht.glp && opdracht.alle) {
        for (const Kanaalkeuze& k : kanalen)
            PrintGLPRapport(p, opdracht.venster, k);
        return;
    }
    PrintVensterHoofding(opdracht.venster, p, 0);
    if (opdracht.glp) {
        PrintSYSrapport(p, opdracht.raster);
        return;
    }
    // The report file's character set has no check mark.
    Raster raster = opdracht.raster;
    for (int r = 1; r < raster.AantalRijen(); ++r)
        if (raster.CelTekst(r, KolomIngeschakeld) == Vinkje)
            raster.ZetCel(r, KolomIngeschakeld, VinkjeInBestand);
    PrintSYSrapport(p, raster);
}

// The files the export writes, each once.
QStringList Doelbestanden(const QString& naam, const std::vector<Kanaalkeuze>& kanalen) {
    QStringList doelen;
    for (const Kanaalkeuze& k : kanalen) {
        const QString pad = MaakBestandsnaam(naam, k.Rnr, k.Mnr, k.Knr);
        if (!doelen.contains(pad)) doelen << pad;
    }
    return doelen;
}

Exportuitkomst Mislukt() {
    NaarBestand = false;
    ToonMelding(Tekst[490], vbOKOnly | vbCritical, RapportBestandsnaam);
    return Exportuitkomst::Mislukt;
}

} // namespace

void PrintSYSrapport(Printer& p, const Afdrukraster& raster) {
    if (!NaarBestand) {
        PrintRaster(p, raster);
        return;
    }
    Veld(QString(), true);
    PrintRaster(p, raster);
    Veld(QString(), true);
    Veld(QString(30, QLatin1Char('_')), false);
    Veld(QString(20, QLatin1Char('_')), false);
    Veld(QString(), true);
}

std::vector<Kanaalkeuze> ExportGLPKanalen() {
    std::vector<Kanaalkeuze> kanalen;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            const ModuleRecord& module = Racks[r].Modules[m];
            if (!module.Present) continue;
            const auto kanaal = [&](int k) {
                return Kanaalkeuze{static_cast<int16_t>(r), static_cast<int16_t>(m), static_cast<int16_t>(k)};
            };
            for (int c = 1; c <= AantalIngangen; ++c)
                if (module.Meting[c].Set) kanalen.push_back(kanaal(c));
            for (int c = 1; c <= AantalIngangen; ++c)
                if (module.Temperatuur[c].Set) kanalen.push_back(kanaal(c + AantalIngangen));
        }
    }
    return kanalen;
}

std::vector<Kanaalkeuze> AfdrukGLPKanalen() {
    std::vector<Kanaalkeuze> kanalen;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            for (int c = 1; c <= AantalIngangen; ++c) {
                if (!Racks[r].Modules[m].Meting[c].Set) continue;
                for (const int k : {c, c + AantalIngangen})
                    kanalen.push_back(
                        {static_cast<int16_t>(r), static_cast<int16_t>(m), static_cast<int16_t>(k)});
            }
        }
    }
    return kanalen;
}

void PrintRapportvenster(Printer& p, const AfdrukVenster& venster, const Raster& configuratie,
                         const Raster& glp, bool alles) {
    const QString soort = venster.Tag.left(5);
    if (soort == QStringLiteral("SYSre")) {
        PrintVensterHoofding(venster, p, 0);
        PrintSYSrapport(p, configuratie);
        return;
    }
    if (soort != QStringLiteral("GLPre")) return;
    if (!alles) {
        PrintVensterHoofding(venster, p, 0);
        PrintSYSrapport(p, glp);
        return;
    }
    for (const Kanaalkeuze& k : AfdrukGLPKanalen()) {
        PrintGLPRapport(p, venster, k);
        p.NewPage();
    }
}

Exportuitkomst ExporteerRapport(const Rapportexport& opdracht) {
    const QString sleutel =
        opdracht.glp ? QStringLiteral("FileNameGLPReport") : QStringLiteral("FileNameSystemReport");
    RapportBestandsnaam = LeesInstelling(AppNaam, Report, sleutel,
                                         opdracht.glp ? QStringLiteral("ReportGLP_#module#_#channel#.csv")
                                                      : QStringLiteral("ReportSystem_#rack#.csv"));
    const Kanaalkeuze getoond{opdracht.venster.Rnr, opdracht.venster.Mnr, opdracht.venster.Knr};
    const std::vector<Kanaalkeuze> kanalen =
        opdracht.glp && opdracht.alle ? ExportGLPKanalen() : std::vector<Kanaalkeuze>{getoond};

    // A folder chosen for an export that writes nothing is not the data folder afterwards.
    MapGegevensTerug mapTerug;
    QStringList bestaand;
    for (;;) {
        const std::optional<QString> gekozen =
            VraagBestandOpslaan(RapportBestandsnaam, QStringLiteral(".csv"), 182, 256, 0);
        if (!gekozen) return Exportuitkomst::Geannuleerd;
        const QString naam = *gekozen;
        RapportBestandsnaam = naam;
        bestaand.clear();
        for (const QString& pad : Doelbestanden(naam, kanalen))
            if (QFileInfo(pad).isFile()) bestaand << pad;
        if (bestaand.isEmpty()) break;
        const int antwoord = ToonStandaardMelding(Tekst[118], vbYesNoCancel | vbExclamation, naam);
        if (antwoord == vbYes) break;
        if (antwoord != vbNo) return Exportuitkomst::Geannuleerd;
    }
    // One question covers every file of the run: each is written afresh, never appended to, and
    // replaces the old one only once it is whole.
    NaarBestand = true;
    RapportVeldVerloren = false;
    VergeetRapportBestanden();
    BewaarInstelling(AppNaam, Report, QStringLiteral("PrintAll"), BooleanAlsTekst(opdracht.alle));
    BewaarInstelling(AppNaam, Report, sleutel, RapportBestandsnaam);
    SchrijfRapport(opdracht, kanalen);
    NaarBestand = false;
    // The question about a file that cannot be written and the failure message wait with the folders as
    // they were; only an export that wrote its files moves them.
    mapTerug.Herstel();
    if (!BewaarRapportBestanden()) return Mislukt();
    mapTerug.Behoud(RapportBestandsnaam);

    int lengte = 50;
    ToonStandaardMelding(Tekst[489], vbOKOnly | vbInformation,
                         VervangAmpersand(Tekst[483], QString()) + KortTekstIn(RapportBestandsnaam, lengte));
    return Exportuitkomst::Klaar;
}
