#include "reports/Afdrukverdeling.h"

#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "reports/Printerinstellingen.h"
#include "reports/Rapportkop.h"
#include "reports/formPrint.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {

Vensterafdruk standaard;
Vensterafdruk* geregistreerd = nullptr;

// Progress positions of the run over all windows: graph g is g, tab m of rack r 64 + (r - 1) x 7 + m.
constexpr int16_t VoortgangAlles = AantalGrafieken + AantalRacks * AantalModules;

bool HeeftAlarm(GrafiekvensterInterface* g) {
    return g && (g->Instellingen().AlarmHoog || g->Instellingen().AlarmLaag);
}

// A graph slot that holds the graph window of its own number.
GrafiekvensterInterface* EchteGrafiek(int g) {
    GrafiekvensterInterface* venster = GrafiekVenster(g);
    return venster && venster->GrafiekIndex() == g ? venster : nullptr;
}

void Hoofding(QWidget* venster, Printer& p, int16_t nummer) {
    PrintVensterHoofding(AfdrukVensterVan(venster), p, nummer);
}

void AlarmPagina(GrafiekvensterInterface* venster, int16_t g, Printer& p) {
    Hoofding(dynamic_cast<QWidget*>(venster), p, g);
    vensterafdruk().AfdrukkenAlarmRapport(g, p);
}

// Every real graph, then every tab of the shown tables. False when Cancel ended the run. Each step of
// the progress window lets the program's events run, and a window may be closed meanwhile (its own
// close, File > New): each is looked up again after the step, and one that is gone is left out.
bool PrintAlleVensters(Printer& p) {
    for (int16_t g = 1; g <= AantalGrafieken; ++g) {
        if (!EchteGrafiek(g)) continue;
        if (ZetVoortgang(g)) return false;
        GrafiekvensterInterface* venster = EchteGrafiek(g);
        if (!venster) continue;
        Hoofding(dynamic_cast<QWidget*>(venster), p, g);
        AfdrukkenGrafiek(g, p);
        p.NewPage();
        if (HeeftAlarm(venster) && PrintAlarmRapport) {
            AlarmPagina(venster, g, p);
            p.NewPage();
        }
    }
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!RackVlaggen[r].Table || !Racks[r].Present) continue;
        const QPointer<QWidget> tabel = vensterafdruk().Tabelvenster(r);
        const bool metVenster = !tabel.isNull();
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (ZetVoortgang(static_cast<int16_t>(AantalGrafieken + (r - 1) * AantalModules + m)))
                return false;
            if (metVenster && !tabel) break;
            Hoofding(tabel, p, m);
            vensterafdruk().PrintTabel(r, m, false, p);
            p.NewPage();
        }
    }
    return true;
}

void PrintEnkelVenster(QWidget* venster, Printer& p) {
    const QString tag = VensterTag(venster);
    const QString soort = tag.left(5);
    const int16_t n = VensterSoort(tag);
    if (soort == QLatin1String("metin")) {
        PrintVensterbeeld(venster, p);
    } else if (soort == QLatin1String("tabel")) {
        const int16_t tab = vensterafdruk().GetoondeTab(venster);
        Hoofding(venster, p, tab);
        vensterafdruk().PrintTabel(n, tab, PrintEnkelSelectie, p);
    } else if (soort == QLatin1String("termi")) {
        Hoofding(venster, p, 0);
        vensterafdruk().PrintTerminalTekst(p);
    } else if (soort == QLatin1String("grafi")) {
        Hoofding(venster, p, n);
        AfdrukkenGrafiek(n, p);
        if (ZetVoortgang(2)) return;
        p.NewPage();
        GrafiekvensterInterface* grafiek = EchteGrafiek(n);
        if (HeeftAlarm(grafiek) && PrintAlarmRapport) AlarmPagina(grafiek, n, p);
    } else if (soort == QLatin1String("SYSre") || soort == QLatin1String("GLPre")) {
        if (afdrukbronnen().PrintRapport && venster == afdrukbronnen().Rapportvenster())
            afdrukbronnen().PrintRapport(p, false);
        else
            Hoofding(venster, p, 0);
    }
}

} // namespace

void ZetVensterafdruk(Vensterafdruk* afdruk) {
    geregistreerd = afdruk;
}

Vensterafdruk& vensterafdruk() {
    return geregistreerd ? *geregistreerd : standaard;
}

void AfdrukkenGrafiek(int16_t g, Printer& p) {
    const double f = p.Orientation() == 2 ? 0.75 : 0.65;
    const double y0 = p.CurrentY;
    vensterafdruk().PrintGrafiek(g, p, RandLinks + 5, y0 + 10, RandRechts - RandLinks - 10,
                                 (RandOnder - y0) * f, false);
}

void PrintVensterbeeld(QWidget* venster, Printer& p) {
    if (!venster) return;
    const QImage beeld = venster->grab().toImage();
    if (beeld.isNull() || beeld.width() < 1 || beeld.height() < 1) return;
    // On screen a pixel is 1/96 inch; a wider picture is shrunk to the print width.
    const double mmPerPixel = std::min(25.4 / 96.0, (RandRechts - RandLinks) / beeld.width());
    const double breedte = beeld.width() * mmPerPixel;
    const double hoogte = std::min(beeld.height() * mmPerPixel, RandOnder - p.CurrentY);
    if (hoogte <= 0) return;
    p.Vlak().beeld(RandLinks, p.CurrentY, breedte, hoogte,
                   [&beeld](QPainter& schilder, const QRectF& gebied) {
                       QSizeF maat = beeld.size();
                       maat.scale(gebied.size(), Qt::KeepAspectRatio);
                       schilder.drawImage(QRectF(gebied.topLeft(), maat), beeld);
                   });
    p.CurrentY += hoogte;
    p.CurrentX = RandLinks;
}

void VerdeelAfdruk(formPrint& dialoog, Printer& p) {
    if (!dialoog.PrintDirekt && PrintAlles) {
        if (PrintVanuitGLP) {
            // The report window prints its configuration report, or every input's GLP report.
            if (afdrukbronnen().PrintRapport) afdrukbronnen().PrintRapport(p, true);
            return;
        }
        ToonVoortgang(0, VoortgangAlles, 0, Tekst[356]);
        PrintAlleVensters(p);
        SluitVoortgang();
        return;
    }
    QWidget* venster = dialoog.tePrintenVenster;
    if (!dialoog.PrintDirekt && PrintVanuitGLP && afdrukbronnen().Rapportvenster)
        venster = afdrukbronnen().Rapportvenster();
    ToonVoortgang(0, 2, 1, Tekst[356]);
    PrintEnkelVenster(venster, p);
    SluitVoortgang();
}

void ResetVensterafdruk() {
    geregistreerd = nullptr;
}
