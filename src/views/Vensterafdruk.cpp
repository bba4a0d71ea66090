#include "views/Vensterafdruk.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "reports/Rasterafdruk.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"
#include "views/Diagram.h"
#include "views/Grafiekmodel.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"

#include <QHeaderView>
#include <QPainter>
#include <cmath>

namespace {

// A module grid as the grid printer reads it: its model's cells, the columns as wide as on screen,
// only the chosen data rows.
class TabelAfdrukraster : public Afdrukraster {
public:
    TabelAfdrukraster(const TabelGrid& grid, std::vector<int32_t> rijen)
        : m_grid(grid), m_rijen(std::move(rijen)), m_lettertype(grid.LeesLettertype()) {}
    int AantalRijen() const override { return static_cast<int>(m_rijen.size()) + 1; }
    int AantalKolommen() const override { return AantalRasterKolommen; }
    QString CelTekst(int rij, int kolom) const override {
        return m_grid.Model().Cel(rij == 0 ? 0 : m_rijen[static_cast<size_t>(rij - 1)], kolom);
    }
    double KolomBreedte(int kolom) const override {
        return m_grid.isColumnHidden(kolom) ? 0 : PixelsNaarTwips(m_grid.columnWidth(kolom));
    }
    int16_t KolomUitlijning(int kolom) const override {
        return (UitlijningVanKolom(kolom) & Qt::AlignLeft) ? UitlijningLinks : UitlijningRechts;
    }
    Lettertype CelLettertype(int, int) const override { return m_lettertype; }
    double Breedte() const override { return PixelsNaarTwips(m_grid.width()); }
    double Lettergrootte() const override { return m_lettertype.grootte; }

private:
    const TabelGrid& m_grid;
    std::vector<int32_t> m_rijen;
    Lettertype m_lettertype;
};

QString Naam(const GrafiekCurve& c) {
    return static_cast<const QString&>(Racks[c.Rg].Modules[c.Mg].Meting[c.Kg].Name).trimmed();
}

QString Eenheid(const GrafiekCurve& c, bool temperatuur) {
    const ModuleRecord& m = Racks[c.Rg].Modules[c.Mg];
    return static_cast<const QString&>(temperatuur ? m.Temperatuur[c.Kg].Unit : m.Meting[c.Kg].Unit)
        .trimmed();
}

bool CurveIngesteld(const GrafiekCurve& c) {
    return c.Rg >= 1 && c.Rg <= AantalRacks && c.Mg >= 1 && c.Mg <= AantalModules && c.Kg >= 1 &&
           c.Kg <= AantalIngangen;
}

// The limit as the print statement writes a number: a blank in place of the sign when not negative.
QString AlsGetal(double waarde) {
    const QString tekst = QString::number(waarde, 'g', 15);
    return waarde < 0 ? tekst : QLatin1Char(' ') + tekst;
}

// The text of one point of the report.
QString PuntTekst(const Grafiekmodel& model, const GrafiekCurve& c, bool temperatuur, int32_t rij,
                  double waarde) {
    QString t = Naam(c) + QStringLiteral(" (");
    if (model.Instellingen.XYrecorder) {
        // The value as the point read-out names it (a concentration, not its logarithm).
        return t + Eenheid(c, temperatuur) + QStringLiteral("): ") + model.Raster().Label(rij) +
               QStringLiteral("; ") +
               ConverteerGrafiekWaarde(static_cast<float>(waarde), c.Rg, c.Mg, c.Kg, temperatuur);
    }
    const Tabelvenster* tabel = TabelVensters[c.Rg];
    const int kolom = KolomVanKanaal(c.Kg) + (temperatuur ? 2 : 0);
    auto cel = [&](int k) { return tabel ? tabel->CelTekst(c.Mg, rij, static_cast<int16_t>(k)) : QString(); };
    return t + cel(kolom + 1) + QStringLiteral("): ") + Opmaak(rij, QStringLiteral("00000")) +
           QStringLiteral(": ") + cel(1) + QStringLiteral(" - ") + cel(2) + QStringLiteral("; ") + cel(kolom);
}

} // namespace

void PrintTabelRaster(const TabelGrid& grid, bool alle, const std::vector<int32_t>& rijen, Printer& p) {
    std::vector<int32_t> gekozen = rijen;
    if (alle) {
        gekozen.clear();
        for (int32_t r = 1; r <= grid.Model().DataRijen(); ++r)
            gekozen.push_back(r);
    }
    const TabelAfdrukraster raster(grid, std::move(gekozen));
    p.CurrentX = RandLinks;
    PrintRaster(p, raster);
}

void PrintGrafiek(const Grafiekmodel& model, const QString& titel, Printer& p, double& x, double& y,
                  double breedte, double hoogte, bool kader) {
    if (kader) {
        p.DrawWidth = 3;
        p.CurrentX = x;
        p.CurrentY = y;
        p.Box(x + breedte, y + hoogte);
        p.DrawWidth = 1;
    }
    // The chart without title and legend; the window keeps its own.
    DiagramBeeld beeld = BeeldVan(model);
    beeld.legende = false;
    beeld.gekozenReeks = 0;
    beeld.markerReeks = 0;
    beeld.dunnePen = 1;
    p.Vlak().beeld(
        x + 0.05 * breedte, y + 0.05 * hoogte, 0.9 * breedte, 0.9 * hoogte,
        [&beeld](QPainter& schilder, const QRectF& gebied) { TekenDiagram(schilder, gebied, beeld); });
    p.CurrentY = y + hoogte;
    if (!titel.isEmpty()) {
        p.CurrentX = x + breedte / 2 - p.TextWidth(titel) / 2;
        p.Print(titel);
        p.Print(QString());
    }
    if (!model.Instellingen.LegendeKeuze) return;

    const double startX = x;
    double legendeTop = p.CurrentY;
    for (int n = 1; n <= AantalDiagramReeksen; ++n) {
        bool getoond = false;
        if (n == ReeksAlarmLaag)
            getoond = model.Instellingen.AlarmLaag;
        else if (n == ReeksAlarmHoog)
            getoond = model.Instellingen.AlarmHoog;
        else {
            GrafiekCurve c;
            model.LeesCurve(n - 2, c);
            getoond = c.Rg != 0;
        }
        if (!getoond) continue;
        p.CurrentX = x;
        y = p.CurrentY;
        PrintLijn(p, x, y + 1.25, 5, 5, model.Reeks(n).kleur);
        const double eind = x + 5;
        p.CurrentY = y;
        PrintTekstBlok(p, eind + 3, eind + 50, model.Reeks(n).legende);
        p.Print(QString());
        if (p.CurrentY + p.TextHeight() + 1 > RandOnder) {
            x += 62.5;
            p.CurrentY = legendeTop;
            if (p.ScaleWidth() < x + 50 + 8) {
                p.NewPage();
                PrintPaginaHoofding(p);
                legendeTop = p.CurrentY + 2 * p.TextHeight();
                p.CurrentY = legendeTop;
                x = startX;
            }
        }
    }
}

AlarmVerloop BerekenAlarmVerloop(const std::vector<AlarmWaarde>& waarden, const GrafiekInstellingen& g) {
    AlarmVerloop v;
    bool hoog = false, laag = false;
    auto herstel = [&v](bool& vlag, int32_t rij) {
        if (vlag) v.gebeurtenissen.push_back({AlarmGebeurtenis::Herstel, rij});
        vlag = false;
    };
    for (const AlarmWaarde& w : waarden) {
        if (g.AlarmHoog) {
            if (w.waarde < g.AlarmHoogWaarde)
                herstel(hoog, w.rij);
            else if (!hoog) {
                herstel(laag, w.rij);
                v.gebeurtenissen.push_back({AlarmGebeurtenis::Hoog, w.rij});
                hoog = true;
                ++v.hoog;
            }
        }
        if (g.AlarmLaag) {
            if (w.waarde > g.AlarmLaagWaarde)
                herstel(laag, w.rij);
            else if (!laag) {
                v.gebeurtenissen.push_back({AlarmGebeurtenis::Laag, w.rij});
                laag = true;
                ++v.laag;
            }
        }
    }
    return v;
}

std::vector<AlarmWaarde> AlarmWaarden(const Grafiekmodel& model, int n) {
    std::vector<AlarmWaarde> waarden;
    GrafiekCurve c;
    const bool temperatuur = model.LeesCurve(n, c);
    if (!CurveIngesteld(c)) return waarden;
    if (model.Instellingen.XYrecorder) {
        const int rijen = std::min<int>(model.Instellingen.MaxGrafiekZichtbaar, model.Raster().Rijen());
        for (int rij = 1; rij <= rijen; ++rij) {
            const double w = model.Raster().Waarde(rij, n + 2);
            if (!std::isnan(w)) waarden.push_back({rij, w});
        }
        return waarden;
    }
    // The rows as the chart plots them: nothing of a module that is gone or an input not in use.
    const Tabelvenster* tabel = TabelVensters[c.Rg];
    const ModuleRecord& module = Racks[c.Rg].Modules[c.Mg];
    if (!tabel || !module.Present || !module.Meting[c.Kg].Set) return waarden;
    const auto kolom = static_cast<int16_t>(KolomVanKanaal(c.Kg) + (temperatuur ? 2 : 0));
    const Grafiekomzetting omzetting = Grafiekomzetting::Van(c.Rg, c.Mg, c.Kg, temperatuur);
    for (int32_t rij = 1; rij <= AantalMetingen; ++rij) {
        const QString tekst = tabel->CelTekst(c.Mg, rij, kolom).trimmed();
        if (tekst.isEmpty()) continue;
        if (tekst.startsWith(QLatin1String("OR."))) {
            waarden.push_back({rij, 9999.0});
            continue;
        }
        const double w = omzetting.Zet(tekst, tabel->CelTekst(c.Mg, rij, kolom + 1).trimmed());
        if (!std::isnan(w)) waarden.push_back({rij, w});
    }
    return waarden;
}

void AfdrukkenAlarmRapport(const Grafiekmodel& model, Printer& p) {
    const GrafiekInstellingen& g = model.Instellingen;
    const double links = RandLinks + 10, rechts = RandRechts - 10;
    ZetKopLettertype(p);
    p.Font.vet = true;
    p.CurrentX = links;
    p.CurrentY += p.TextHeight();
    p.Print(Tekst[224]);
    p.Print(QString());
    auto grens = [&](bool aan, int tekst, double waarde) {
        if (!aan) return;
        p.Font.vet = true;
        p.CurrentX = links;
        p.Print(Tekst[tekst] + QLatin1Char(':'), false);
        p.CurrentX = RandLinks + 40;
        p.Font.vet = false;
        p.Print(AlsGetal(waarde));
    };
    grens(g.AlarmHoog, 221, g.AlarmHoogWaarde);
    grens(g.AlarmLaag, 222, g.AlarmLaagWaarde);
    p.Print(QString());
    p.Font.vet = false;

    for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
        GrafiekCurve c;
        const bool temperatuur = model.LeesCurve(n, c);
        if (!CurveIngesteld(c)) continue;
        const std::vector<AlarmWaarde> waarden = AlarmWaarden(model, n);
        const AlarmVerloop verloop = BerekenAlarmVerloop(waarden, g);
        double x = links;
        size_t i = 0;
        for (const AlarmGebeurtenis& e : verloop.gebeurtenissen) {
            while (i < waarden.size() && waarden[i].rij != e.rij)
                ++i;
            const double waarde = i < waarden.size() ? waarden[i].waarde : 0;
            const QString punt = PuntTekst(model, c, temperatuur, e.rij, waarde);
            if (e.soort == AlarmGebeurtenis::Herstel) {
                PrintTekstBlok(p, links, rechts, Tekst[228]);
                PrintTekstBlok(p, x, rechts, punt);
                p.Print(QString());
                p.Print(QString());
            } else {
                PrintTekstBlok(p, links, rechts, Tekst[e.soort == AlarmGebeurtenis::Hoog ? 225 : 226]);
                x = p.CurrentX + 5;
                PrintTekstBlok(p, x, rechts, punt);
                p.Print(QString());
            }
        }
        p.Print(QString());
        const QString label =
            Naam(c) + QStringLiteral(" (") + Eenheid(c, temperatuur) + QStringLiteral("): ");
        auto samenvatting = [&](bool aan, int32_t aantal, int nooit, int keren, const QString& tussen) {
            if (!aan) return;
            PrintTekstBlok(
                p, links, rechts,
                label + (aantal == 0 ? Tekst[nooit] : Tekst[keren] + tussen + QString::number(aantal)));
            p.Print(QString());
        };
        samenvatting(g.AlarmHoog, verloop.hoog, 230, 229, QStringLiteral(" "));
        samenvatting(g.AlarmLaag, verloop.laag, 232, 231, QStringLiteral("  "));
    }
}

int32_t Vensterafdrukken::Geselecteerd(int r, int m) {
    const frmTabel* t = frmTabelVan(r);
    return t && m >= 1 && m <= AantalModules ? t->Geselecteerd(static_cast<int16_t>(m)) : 0;
}

int16_t Vensterafdrukken::GetoondeTab(const QWidget* tabelvenster) {
    const auto* t = qobject_cast<const frmTabel*>(tabelvenster);
    return t ? t->GekozenModule() : int16_t(1);
}

QWidget* Vensterafdrukken::Tabelvenster(int r) {
    return dynamic_cast<QWidget*>(TabelVensters.Maak(r));
}

void Vensterafdrukken::PrintTabel(int r, int16_t m, bool selectie, Printer& p) {
    const frmTabel* t = frmTabelVan(r);
    if (!t || m < 1 || m > AantalModules || !t->MSHFlexGrid[m]) return;
    const TabelGrid& grid = *t->MSHFlexGrid[m];
    std::vector<int32_t> rijen;
    if (selectie && t->Geselecteerd(m) > 0) {
        int32_t van = 0, tot = 0;
        t->BepaalSelectieRijen(m, van, tot);
        for (int32_t rij = std::max(1, van); rij <= std::min(tot, grid.Model().DataRijen()); ++rij)
            rijen.push_back(rij);
    }
    PrintTabelRaster(grid, !selectie, rijen, p);
}

void Vensterafdrukken::PrintGrafiek(int16_t g, Printer& p, double x, double y, double breedte, double hoogte,
                                    bool kader) {
    auto* venster = dynamic_cast<frmGrafiek*>(GrafiekVenster(g));
    if (venster) ::PrintGrafiek(venster->Model(), QString(), p, x, y, breedte, hoogte, kader);
}

void Vensterafdrukken::AfdrukkenAlarmRapport(int16_t g, Printer& p) {
    auto* venster = dynamic_cast<frmGrafiek*>(GrafiekVenster(g));
    if (venster) ::AfdrukkenAlarmRapport(venster->Model(), p);
}
