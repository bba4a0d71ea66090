#include "views/Grafiekmodel.h"

#include "acquisition/K761Teksten.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "platform/Klok.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The classic 16-colour palette, entries 0..14 (red, green, blue).
constexpr std::array<std::array<int, 3>, 15> Palet = {{{0, 0, 0},
                                                       {0, 0, 128},
                                                       {0, 128, 0},
                                                       {0, 128, 128},
                                                       {128, 0, 0},
                                                       {128, 0, 128},
                                                       {128, 128, 0},
                                                       {192, 192, 192},
                                                       {128, 128, 128},
                                                       {0, 0, 255},
                                                       {0, 255, 0},
                                                       {0, 255, 255},
                                                       {255, 0, 0},
                                                       {255, 0, 255},
                                                       {255, 255, 0}}};

int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

bool GeldigeReeks(int reeks) {
    return reeks >= 1 && reeks <= AantalDiagramReeksen;
}

QString Trim(const QString& s) {
    return s.trimmed();
}

const KanaalRecord& Meting(int r, int m, int k) {
    return Racks[r].Modules[m].Meting[k];
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// The data grid

void DiagramRaster::ZetGrootte(int rijen) {
    rijen = std::max(0, rijen);
    m_rijen = rijen;
    for (int s = 1; s <= AantalDiagramReeksen; ++s)
        m_reeksen[s].resize(rijen, Ontbreekt);
    m_labels.resize(rijen);
}

double DiagramRaster::Waarde(int rij, int reeks) const {
    if (rij < 1 || rij > m_rijen || !GeldigeReeks(reeks)) return Ontbreekt;
    return m_reeksen[reeks][rij - 1];
}

void DiagramRaster::Zet(int rij, int reeks, double waarde) {
    if (rij < 1 || rij > m_rijen || !GeldigeReeks(reeks)) return;
    m_reeksen[reeks][rij - 1] = waarde;
}

QString DiagramRaster::Label(int rij) const {
    if (rij < 1 || rij > m_rijen) return QString();
    return m_labels[rij - 1];
}

void DiagramRaster::ZetLabel(int rij, const QString& label) {
    if (rij >= 1 && rij <= m_rijen) m_labels[rij - 1] = label;
}

// ---------------------------------------------------------------------------------------------------
// Settings and the curve table

int32_t StandaardCurveKleur(int n) {
    const auto& p = Palet[(std::max(n, 1) - 1) % 15];
    return Rgb(p[0], p[1], p[2]);
}

Grafiekmodel::Grafiekmodel() {
    LaadStandaard();
    for (int n = 1; n <= AantalGrafiekLijnen; ++n)
        m_reeksen[n + 2].kleur = StandaardCurveKleur(n);
    m_reeksen[ReeksAlarmLaag].kleur = Rgb(0, 0, 255);
    m_reeksen[ReeksAlarmHoog].kleur = Rgb(255, 0, 0);
    m_raster.ZetGrootte(Instellingen.MaxGrafiekZichtbaar);
}

void Grafiekmodel::LaadStandaard() {
    GrafiekInstellingen& g = Instellingen;
    g.AutomatischeSchaal = true;
    g.GrafiekMaximum = 100;
    g.GrafiekMinimum = -100;
    g.AantalWaardenVerdelingen = 10;
    g.AantalWaardenOnderverdelingen = 1;
    g.AantalTijdVerdelingen = 7;
    g.MaxGrafiekZichtbaar = 99;
    g.RecorderTussentijd = 5;
    for (auto& index : m_lijnRef)
        index.fill(0);
    GekozenSerie = 0;
    GekozenPunt = 0;
}

void Grafiekmodel::BegrensInstellingen() {
    GrafiekInstellingen& g = Instellingen;
    const auto begrens = [](auto& w, int lo, int hi) {
        using T = std::remove_reference_t<decltype(w)>;
        w = static_cast<T>(std::clamp<int>(w, lo, hi));
    };
    begrens(g.MaxGrafiekZichtbaar, MinimumPunten, MaximumPunten);
    begrens(g.AantalWaardenVerdelingen, 1, MaximumVerdelingen);
    begrens(g.AantalWaardenOnderverdelingen, 1, MaximumVerdelingen);
    begrens(g.AantalTijdVerdelingen, 1, MaximumVerdelingen);
    begrens(g.RecorderTussentijd, 1, MaximumTussentijd);
    BegrensGrafiekGrenzen(g);
}

int16_t Grafiekmodel::LeesGrafiekLijnRef(int lijn, int index) const {
    if (lijn < 1 || lijn > AantalGrafiekLijnen || index < 0 || index > LijnGemiddelde) return 0;
    return m_lijnRef[index][lijn];
}

void Grafiekmodel::SchrijfGrafiekLijnRef(int lijn, int index, int16_t waarde) {
    if (lijn < 1 || lijn > AantalGrafiekLijnen || index < 0 || index > LijnGemiddelde) return;
    switch (index) {
    case LijnRack:
        if (waarde < 0 || waarde > AantalRacks) waarde = 0;
        break;
    case LijnModule:
        if (waarde < 0 || waarde > AantalModules) waarde = 0;
        break;
    case LijnIngang:
        if (waarde < 0 || waarde > 2 * AantalIngangen) waarde = 0;
        break;
    default:
        // A statistics flag: any non-zero value is on.
        break;
    }
    m_lijnRef[index][lijn] = waarde;
}

bool Grafiekmodel::LeesCurve(int n, GrafiekCurve& curve) const {
    curve = GrafiekCurve{};
    if (n < 1 || n > AantalGrafiekLijnen) return false;
    curve.Rg = m_lijnRef[LijnRack][n];
    curve.Mg = m_lijnRef[LijnModule][n];
    curve.Kg = m_lijnRef[LijnIngang][n];
    curve.StatistiekMinimum = m_lijnRef[LijnMinimum][n] != 0;
    curve.StatistiekMaximum = m_lijnRef[LijnMaximum][n] != 0;
    curve.StatistiekGemiddelde = m_lijnRef[LijnGemiddelde][n] != 0;
    bool temperatuur = false;
    if (curve.Kg > AantalIngangen) {
        curve.Kg = static_cast<int16_t>(curve.Kg - AantalIngangen);
        temperatuur = true;
    }
    if (curve.Rg == 0 || curve.Mg == 0 || curve.Kg == 0) curve.Rg = 0;
    return temperatuur;
}

int Grafiekmodel::BepaalStatistiekVlag(const GrafiekCurve& curve) const {
    return (curve.StatistiekMinimum ? 1 : 0) + (curve.StatistiekMaximum ? 2 : 0) +
           (curve.StatistiekGemiddelde ? 4 : 0);
}

int16_t Grafiekmodel::LeesDiagramRood(int reeks) const {
    return GeldigeReeks(reeks) ? RoodVanKleur(m_reeksen[reeks].kleur) : 0;
}
int16_t Grafiekmodel::LeesDiagramGroen(int reeks) const {
    return GeldigeReeks(reeks) ? GroenVanKleur(m_reeksen[reeks].kleur) : 0;
}
int16_t Grafiekmodel::LeesDiagramBlauw(int reeks) const {
    return GeldigeReeks(reeks) ? BlauwVanKleur(m_reeksen[reeks].kleur) : 0;
}

void Grafiekmodel::ZetDiagramKleur(int reeks, int32_t kleur) {
    if (!GeldigeReeks(reeks)) return;
    m_reeksen[reeks].kleur = Rgb(RoodVanKleur(kleur), GroenVanKleur(kleur), BlauwVanKleur(kleur));
    Gewijzigd();
}

int Grafiekmodel::TijdasStap() const {
    return std::max(1, m_raster.Rijen() / std::clamp<int>(Instellingen.AantalTijdVerdelingen, 1, 20));
}

void Grafiekmodel::Gewijzigd() const {
    if (BijWijziging) BijWijziging();
}

// ---------------------------------------------------------------------------------------------------
// Chart set-up and rebuild

void Grafiekmodel::StelNieuweGrafiekIn() {
    VensterStart = 1;
    AantalPunten = 0;
    m_getoond.geldig = false;
    BegrensInstellingen();
    InitScrollBar();
    m_raster.ZetGrootte(Instellingen.MaxGrafiekZichtbaar);
    for (int s = 1; s <= AantalDiagramReeksen; ++s)
        std::fill_n(m_raster.Reeks(s), m_raster.Rijen(), Ontbreekt);
    std::fill(m_raster.Labels().begin(), m_raster.Labels().end(), QString());
    Gewijzigd();
}

void Grafiekmodel::WisDiagramRaster() {
    m_getoond.geldig = false;
    m_raster.ZetGrootte(Instellingen.MaxGrafiekZichtbaar);
    for (int s = 3; s <= AantalDiagramReeksen; ++s)
        std::fill_n(m_raster.Reeks(s), m_raster.Rijen(), Ontbreekt);
    std::fill(m_raster.Labels().begin(), m_raster.Labels().end(), QString());
}

void Grafiekmodel::InstellenAlarmen() {
    const GrafiekInstellingen& g = Instellingen;
    std::fill_n(m_raster.Reeks(ReeksAlarmLaag), m_raster.Rijen(),
                g.AlarmLaag ? g.AlarmLaagWaarde : Ontbreekt);
    std::fill_n(m_raster.Reeks(ReeksAlarmHoog), m_raster.Rijen(),
                g.AlarmHoog ? g.AlarmHoogWaarde : Ontbreekt);
    ReeksBeeld& hoog = m_reeksen[ReeksAlarmHoog];
    hoog.statistiek = 0;
    hoog.zichtbaar = g.AlarmHoog;
    hoog.legende = g.AlarmHoog ? Tekst[221] : QString();
    ReeksBeeld& laag = m_reeksen[ReeksAlarmLaag];
    laag.statistiek = 0;
    laag.zichtbaar = g.AlarmLaag;
    laag.legende = g.AlarmLaag ? Tekst[222] : QString();
}

void Grafiekmodel::HerInitialiseerGrafiek() {
    BegrensInstellingen();
    m_raster.ZetGrootte(Instellingen.MaxGrafiekZichtbaar);
    if (Instellingen.XYrecorder) {
        AantalPunten = 0;
        VolgendeRecorderTijd = platform::Nu() + Instellingen.RecorderTussentijd / 86400.0;
        ScrollZichtbaar = false;
    } else {
        ScrollZichtbaar = true;
        if (AantalPunten > Instellingen.MaxGrafiekZichtbaar) AantalPunten = Instellingen.MaxGrafiekZichtbaar;
    }
    ZetLegenden();
    InstellenAlarmen();
    HertekenGrafiek();
}

void Grafiekmodel::ZetLegenden() {
    for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
        GrafiekCurve c;
        const bool temperatuur = LeesCurve(n, c);
        ReeksBeeld& reeks = m_reeksen[n + 2];
        reeks.statistiek = BepaalStatistiekVlag(c);
        if (c.Rg == 0) {
            reeks.zichtbaar = false;
            reeks.legende.clear();
        } else {
            reeks.zichtbaar = true;
            reeks.legende = BepaalEenheid(c.Rg, c.Mg, c.Kg, temperatuur) + QStringLiteral(" (") +
                            Trim(Meting(c.Rg, c.Mg, c.Kg).Name.tekst()) + QLatin1Char(')');
        }
    }
    Gewijzigd();
}

void Grafiekmodel::ReInitGrafiekData() {
    // The samples go, and with them a read-out of one of them.
    UitschakelenMarkers();
    VensterStart = 1;
    AantalPunten = 0;
    InitScrollBar();
    WisDiagramRaster();
    HerInitialiseerGrafiek();
}

void Grafiekmodel::WisGrafiekGegevens() {
    // The samples go, and with them a read-out of one of them.
    UitschakelenMarkers();
    AantalPunten = 0;
    InitScrollBar();
    WisDiagramRaster();
    Gewijzigd();
}

// ---------------------------------------------------------------------------------------------------
// Rows from the tables

Grafiekmodel::Leesplan Grafiekmodel::MaakLeesplan() const {
    Leesplan plan;
    plan.labelKeuze = Instellingen.LabelKeuze;
    for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
        GrafiekCurve c;
        const bool temperatuur = LeesCurve(n, c);
        // A curve that cannot be read leaves a gap, never the value of an earlier sample.
        if (c.Rg == 0 || !Racks[c.Rg].Modules[c.Mg].Present) continue;
        const Tabelvenster* tabel = TabelVensters[c.Rg];
        if (!tabel || !Meting(c.Rg, c.Mg, c.Kg).Set) continue;
        CurveLezing& lezing = plan.curven[n];
        lezing.tabel = tabel;
        lezing.module = c.Mg;
        lezing.kolom = static_cast<int16_t>(KolomVanKanaal(c.Kg) + (temperatuur ? 2 : 0));
        lezing.omzetting = Grafiekomzetting::Van(c.Rg, c.Mg, c.Kg, temperatuur);
        const std::pair<const Tabelvenster*, int16_t> bron(tabel, c.Mg);
        const auto i = std::find(plan.bronnen.begin(), plan.bronnen.end(), bron);
        lezing.bron = static_cast<int>(i - plan.bronnen.begin());
        if (i == plan.bronnen.end()) plan.bronnen.push_back(bron);
    }
    return plan;
}

std::vector<uint64_t> Grafiekmodel::Wijzigingen(const Leesplan& plan) {
    std::vector<uint64_t> w;
    w.reserve(plan.bronnen.size());
    for (const auto& bron : plan.bronnen)
        w.push_back(bron.first->Wijzigingen());
    return w;
}

void Grafiekmodel::LeesRijen(const Leesplan& plan, int van, int tot, int32_t start) {
    van = std::max(van, 1);
    tot = std::min(tot, m_raster.Rijen());
    if (van > tot) return;
    std::array<Grafiekcellen, AantalGrafiekLijnen + 1> lezers;
    for (int n = 1; n <= AantalGrafiekLijnen; ++n)
        lezers[n] = Grafiekcellen(plan.curven[n].omzetting);
    // Per source the cells of the sample's row, as bytes when its window gives them so.
    std::vector<std::array<std::string_view, KolomInfo + 1>> cellen(plan.bronnen.size());
    std::vector<char> alsBytes(plan.bronnen.size());
    const bool metDatum = plan.labelKeuze == 0 || plan.labelKeuze == 2;
    const bool metTijd = plan.labelKeuze == 0 || plan.labelKeuze == 1;
    for (int rij = van; rij <= tot; ++rij) {
        const int32_t monster = start + rij - 1;
        for (size_t b = 0; b < plan.bronnen.size(); ++b)
            alsBytes[b] =
                monster >= 1 && plan.bronnen[b].first->RijCellen(plan.bronnen[b].second, monster, cellen[b]);
        for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
            double& punt = m_raster.Reeks(n + 2)[rij - 1];
            punt = Ontbreekt;
            const CurveLezing& c = plan.curven[n];
            if (!c.tabel || monster < 1) continue;
            const auto b = static_cast<size_t>(c.bron);
            if (alsBytes[b]) {
                punt = lezers[n].Zet(cellen[b][static_cast<size_t>(c.kolom)],
                                     cellen[b][static_cast<size_t>(c.kolom + 1)]);
            } else {
                punt = c.omzetting.Zet(Trim(c.tabel->CelTekst(c.module, monster, c.kolom)),
                                       Trim(c.tabel->CelTekst(c.module, monster, c.kolom + 1)));
            }
        }
        QString& label = m_raster.Labels()[static_cast<size_t>(rij - 1)];
        label.clear();
        if (monster < 1) continue;
        // The label comes from the first plotted curve whose grid keeps a time in the row: a search that
        // found other modules empties one rack's grids while the other racks keep their rows. The sources
        // stand in the order of their first curves. A row that no grid keeps a time in has no label.
        for (size_t b = 0; b < plan.bronnen.size(); ++b) {
            const auto& [tabel, module] = plan.bronnen[b];
            QString datum;
            QString tijd;
            if (alsBytes[b]) {
                const std::string_view d = cellen[b][static_cast<size_t>(KolomDatum)];
                const std::string_view t = cellen[b][static_cast<size_t>(KolomTijd)];
                if (ZonderTijd(d, t)) continue;
                if (metDatum) datum = QString::fromUtf8(d.data(), static_cast<qsizetype>(d.size()));
                if (metTijd) tijd = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
            } else {
                datum = tabel->CelTekst(module, monster, KolomDatum);
                tijd = tabel->CelTekst(module, monster, KolomTijd);
                if (ZonderTijd(datum, tijd)) continue;
            }
            switch (plan.labelKeuze) {
            case 0:
                label = datum + QLatin1Char(' ') + tijd;
                break;
            case 1:
                label = tijd;
                break;
            case 2:
                label = datum;
                break;
            case 3:
                label = tabel->CelTekst(module, monster, KolomNummer);
                break;
            default:
                break;
            }
            break;
        }
    }
}

void Grafiekmodel::Herteken(bool verschuiven) {
    if (AantalPunten < 0) return;
    const int rijen = m_raster.Rijen();
    const int gevuld = std::min<int>(AantalPunten, rijen);
    if (Instellingen.XYrecorder) {
        m_getoond.geldig = false;
    } else {
        Leesplan plan = MaakLeesplan();
        std::vector<uint64_t> wijzigingen = Wijzigingen(plan);
        const bool herbruikbaar =
            verschuiven && m_getoond.geldig && m_getoond.rijen == rijen && m_getoond.plan == plan &&
            m_getoond.wijzigingen == wijzigingen &&
            std::find(wijzigingen.begin(), wijzigingen.end(), uint64_t{0}) == wijzigingen.end();
        // The samples shown before and still in the window keep their points and labels: they move to
        // their new rows, and only the rows before and after them are read.
        const int32_t eerste = herbruikbaar ? std::max(m_getoond.start, VensterStart) : 0;
        const int32_t laatste =
            herbruikbaar ? std::min(m_getoond.start + m_getoond.aantal, VensterStart + gevuld) - 1 : -1;
        if (eerste <= laatste) {
            const int32_t n = laatste - eerste + 1;
            const int32_t uit = eerste - m_getoond.start;
            const int32_t in = eerste - VensterStart;
            for (int s = 3; s <= AantalDiagramReeksen; ++s) {
                double* reeks = m_raster.Reeks(s);
                std::memmove(reeks + in, reeks + uit, static_cast<size_t>(n) * sizeof(double));
            }
            auto labels = m_raster.Labels().begin();
            if (in < uit)
                std::move(labels + uit, labels + uit + n, labels + in);
            else
                std::move_backward(labels + uit, labels + uit + n, labels + in + n);
            LeesRijen(plan, 1, in, VensterStart);
            LeesRijen(plan, in + n + 1, gevuld, VensterStart);
        } else {
            LeesRijen(plan, 1, gevuld, VensterStart);
        }
        m_getoond = Getoond{true, VensterStart, gevuld, rijen, std::move(plan), std::move(wijzigingen)};
    }
    for (int s = 3; s <= AantalDiagramReeksen; ++s)
        std::fill(m_raster.Reeks(s) + gevuld, m_raster.Reeks(s) + rijen, Ontbreekt);
    std::fill(m_raster.Labels().begin() + gevuld, m_raster.Labels().end(), QString());
    BepaalMinMaxima();
    Gewijzigd();
}

void Grafiekmodel::HertekenGrafiek() {
    Herteken(false);
}

void Grafiekmodel::LaadPuntUitTabel(int rij, int32_t monster) {
    // One row read on its own: the rows shown no longer all come from one reading.
    m_getoond.geldig = false;
    LeesRijen(MaakLeesplan(), rij, rij, monster - rij + 1);
}

void Grafiekmodel::VerschuifVenster(int32_t nr) {
    const int32_t maximum = Instellingen.MaxGrafiekZichtbaar;
    if (AantalPunten >= maximum) {
        // Full: keep three quarters of the rows, the new sample follows them.
        AantalPunten = maximum * 3 / 4;
        VensterStart = nr - AantalPunten;
        if (VensterStart < 1) {
            VensterStart = 1;
            AantalPunten = std::max(0, nr - 1);
        }
        HertekenGrafiek();
    } else if (AantalPunten < 0 || VensterStart + AantalPunten != nr) {
        // The window does not end just before the new sample (scrolled, emptied or cleared): it is
        // put at the end of the stored samples.
        VensterStart = std::max(1, nr - std::max(0, AantalPunten));
        AantalPunten = nr - VensterStart;
        HertekenGrafiek();
    }
    ++AantalPunten;
}

void Grafiekmodel::VulGrafiekAan(int32_t nr) {
    if (Instellingen.XYrecorder) {
        const platform::Datum nu = platform::Nu();
        // A second as a fraction of a day, less a little, so a tick of the whole interval counts.
        if (nu + 1e-9 >= VolgendeRecorderTijd) {
            SchuifRecorderOp();
            const double interval = Instellingen.RecorderTussentijd / 86400.0;
            if (VolgendeRecorderTijd < nu - interval) VolgendeRecorderTijd = nu;
            VolgendeRecorderTijd += interval;
        }
        return;
    }
    if (nr < 1) return;
    VerschuifVenster(nr);
    LaadPuntUitTabel(AantalPunten, nr);
    AanpassenScrollBar();
    Gewijzigd();
}

void Grafiekmodel::LadenGrafiek() {
    if (Instellingen.XYrecorder) return;
    // The window shows the stored samples afresh (another file may be under it now): a read-out of an
    // earlier sample goes with its marker, as at the window's load.
    UitschakelenMarkers();
    AantalPunten = Instellingen.MaxGrafiekZichtbaar;
    VensterStart = AantalMetingen - AantalPunten + 1;
    if (VensterStart < 1) {
        AantalPunten -= 1 - VensterStart;
        VensterStart = 1;
    }
    HertekenGrafiek();
    AanpassenScrollBar();
    Gewijzigd();
}

void Grafiekmodel::HerladenGrafiek() {
    ReInitGrafiekData();
    // Replaying every stored sample ends on the newest ones, as loading the window there does; a
    // recorder takes its points from the live values only.
    LadenGrafiek();
}

void Grafiekmodel::SchuifRecorderOp() {
    if (!MetenActief) return;
    const int rijen = m_raster.Rijen();
    if (rijen < 1) return;
    m_getoond.geldig = false;
    std::rotate(m_raster.Labels().begin(), m_raster.Labels().begin() + 1, m_raster.Labels().end());
    m_raster.ZetLabel(rijen, RecorderLabel());
    for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
        GrafiekCurve c;
        const bool temperatuur = LeesCurve(n, c);
        if (c.Rg == 0) {
            FootnoteZichtbaar(n);
            continue;
        }
        double* reeks = m_raster.Reeks(n + 2);
        std::copy(reeks + 1, reeks + rijen, reeks);
        const double waarde = LiveGrafiekWaarde(c.Rg, c.Mg, c.Kg, temperatuur);
        reeks[rijen - 1] = waarde;
        FootnoteZichtbaar(n);
    }
    ++AantalPunten;
    if (AantalPunten >= Instellingen.MaxGrafiekZichtbaar) {
        if (Instellingen.AfdrukkenRecorder && AfdrukkenRecorder) AfdrukkenRecorder();
        AantalPunten = 0;
    }
    Gewijzigd();
}

QString Grafiekmodel::RecorderLabel() const {
    const platform::Datum nu = platform::Nu();
    switch (Instellingen.LabelKeuze) {
    case 0:
        return platform::KorteDatum(nu) + QLatin1Char(' ') + platform::LangeTijd(nu);
    case 1:
        return platform::LangeTijd(nu);
    case 2:
        return platform::KorteDatum(nu);
    default:
        return QString::number(AantalPunten);
    }
}

// ---------------------------------------------------------------------------------------------------
// Scroll bar

void Grafiekmodel::InitScrollBar() {
    ScrollMaximum = Instellingen.MaxGrafiekZichtbaar;
    ScrollPositie = 1;
    ScrollZichtbaar = !Instellingen.XYrecorder;
}

void Grafiekmodel::AanpassenScrollBar() {
    if (AantalMetingen >= ScrollStappen) {
        ScrollMaximum = ScrollStappen;
        ScrollPositie = static_cast<int>(std::floor(static_cast<double>(VensterStart) * ScrollStappen /
                                                    static_cast<double>(AantalMetingen)));
    } else {
        ScrollMaximum = std::max(1, AantalMetingen);
        ScrollPositie = VensterStart;
    }
    ScrollPositie = std::clamp(ScrollPositie, 1, ScrollMaximum);
}

void Grafiekmodel::ScrollBarGewijzigd(int positie) {
    if (Instellingen.XYrecorder) return;
    ScrollPositie = positie;
    int32_t start = positie;
    if (AantalMetingen > ScrollStappen)
        start =
            static_cast<int32_t>(std::floor(static_cast<double>(positie) * AantalMetingen / ScrollStappen));
    ToonVenster(start);
}

void Grafiekmodel::ToonVenster(int32_t start) {
    if (Instellingen.XYrecorder) return;
    VensterStart = std::max(1, start);
    const int32_t maximum = Instellingen.MaxGrafiekZichtbaar;
    if (VensterStart + maximum - 1 > AantalMetingen)
        AantalPunten = std::max(0, AantalMetingen - VensterStart + 1);
    else
        AantalPunten = maximum;
    Herteken(true);
}

// ---------------------------------------------------------------------------------------------------
// Read-out

void Grafiekmodel::UitschakelenMarkers() {
    MarkerReeks = 0;
    Voetnoot.clear();
    m_uitlezing.clear();
    VoetnootZichtbaar = false;
    GekozenSerie = 0;
    GekozenPunt = 0;
    Gewijzigd();
}

void Grafiekmodel::KiesPunt(int serie, int punt) {
    if (VerbindingActief) return;
    if (!GeldigeReeks(serie) || punt < 1 || punt > m_raster.Rijen()) return;
    UitschakelenMarkers();
    GekozenSerie = serie;
    GekozenPunt = punt;
    const double waarde = m_raster.Waarde(punt, serie);
    if (serie <= 2) {
        VoetnootZichtbaar = true;
        // The limit as a number is written for the user: with the locale's decimal sign.
        m_uitlezing = Tekst[serie == ReeksAlarmLaag ? 222 : 221] + QStringLiteral(": ") +
                      (IsOntbrekend(waarde) ? QString() : DoubleAlsTekst(waarde)) + QLatin1Char(' ');
        Voetnoot = m_uitlezing;
        Gewijzigd();
        return;
    }
    if (Instellingen.XYrecorder) {
        ToonPuntWaarde(serie, punt);
    } else {
        const int32_t monster = VensterStart + punt - 1;
        GrafiekCurve c;
        const bool temperatuur = LeesCurve(serie - 2, c);
        if (c.Rg == 0) return;
        const Tabelvenster* tabel = TabelVensters[c.Rg];
        const QString datum = tabel ? tabel->CelTekst(c.Mg, monster, KolomDatum) : QString();
        const QString tijd = tabel ? tabel->CelTekst(c.Mg, monster, KolomTijd) : QString();
        const QString tekst = IsOntbrekend(waarde) ? QString()
                                                   : ConverteerGrafiekWaarde(static_cast<float>(waarde), c.Rg,
                                                                             c.Mg, c.Kg, temperatuur);
        VoetnootZichtbaar = true;
        m_uitlezing = Trim(Meting(c.Rg, c.Mg, c.Kg).Name.tekst()) + QStringLiteral(": No.") +
                      QString::number(monster) + QLatin1Char('(') + datum + QLatin1Char(' ') + tijd +
                      QStringLiteral("): ") + tekst;
        Voetnoot = m_uitlezing;
        BepaalMinMaxima();
    }
    MarkerReeks = serie;
    Gewijzigd();
}

void Grafiekmodel::ToonPuntWaarde(int serie, int punt) {
    if (serie <= 2 || !GeldigeReeks(serie)) return;
    GrafiekCurve c;
    const bool temperatuur = LeesCurve(serie - 2, c);
    if (c.Rg == 0) return;
    const double waarde = m_raster.Waarde(punt, serie);
    const QString tekst = IsOntbrekend(waarde) ? QString()
                                               : ConverteerGrafiekWaarde(static_cast<float>(waarde), c.Rg,
                                                                         c.Mg, c.Kg, temperatuur);
    VoetnootZichtbaar = true;
    m_uitlezing = Trim(Meting(c.Rg, c.Mg, c.Kg).Name.tekst()) + QStringLiteral(": ") + m_raster.Label(punt) +
                  QStringLiteral(": ") + tekst;
    Voetnoot = m_uitlezing;
    BepaalMinMaxima();
}

void Grafiekmodel::FootnoteZichtbaar(int lijn) {
    if (VoetnootZichtbaar && GekozenSerie == lijn + 2 && Instellingen.XYrecorder)
        ToonPuntWaarde(GekozenSerie, GekozenPunt);
}

void Grafiekmodel::BepaalMinMaxima() {
    if (BezigMetLaden || GekozenSerie < 3 || !VoetnootZichtbaar) return;
    // The footnote is the read-out and one bracket, built afresh on every redraw.
    Voetnoot = m_uitlezing;
    GrafiekCurve c;
    const bool temperatuur = LeesCurve(GekozenSerie - 2, c);
    if (c.Rg == 0 || !(c.StatistiekMinimum || c.StatistiekMaximum || c.StatistiekGemiddelde)) return;
    // Normal mode: the rows filled; recorder mode: the whole strip.
    const int rijen =
        Instellingen.XYrecorder ? m_raster.Rijen() : std::clamp<int>(AantalPunten, 0, m_raster.Rijen());
    const Statistiek s = BerekenStatistiek(m_raster.Reeks(GekozenSerie), rijen);
    if (s.aantal == 0) return;
    const auto tekst = [&](double w) {
        return ConverteerGrafiekWaarde(static_cast<float>(w), c.Rg, c.Mg, c.Kg, temperatuur);
    };
    QString haakje = QStringLiteral(" [");
    if (c.StatistiekMinimum) haakje += QStringLiteral("MIN: ") + tekst(s.minimum) + QStringLiteral("  ");
    if (c.StatistiekMaximum) haakje += QStringLiteral("MAX: ") + tekst(s.maximum) + QStringLiteral("  ");
    if (c.StatistiekGemiddelde) haakje += Tekst[191] + tekst(s.gemiddelde);
    Voetnoot += haakje + QLatin1Char(']');
}

// ---------------------------------------------------------------------------------------------------
// Value texts

QString ConverteerGrafiekWaarde(float waarde, int r, int m, int k, bool temperatuur) {
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules || k < 1 || k > AantalIngangen)
        return QString();
    const ModuleRecord& module = Racks[r].Modules[m];
    const KanaalRecord& ingang = module.Meting[k];
    const QString graden = Trim(module.Temperatuur[k].Unit.tekst());
    if (temperatuur) return OpmaakSingle(waarde, FormaatDecimalen(r, m, k)) + QLatin1Char(' ') + graden;
    const QString eenheid = Trim(ingang.Unit.tekst());
    const int celtype = static_cast<int>(std::lround(ingang.Extra));
    switch (SoortVanTekst(ModelVan(module), eenheid)) {
    case Eenheidsoort::Ion: {
        float l = waarde;
        return ConcentratieTekst(l);
    }
    case Eenheidsoort::TDS:
        return ZoutgehalteTekst(waarde, ingang.Resolution, celtype);
    case Eenheidsoort::Geleidbaarheid:
        return GeleidbaarheidWaardeTekst(waarde, ingang.Resolution, celtype);
    case Eenheidsoort::Temperatuur:
        return OpmaakSingle(waarde, FormaatDecimalen(r, m, k)) + QLatin1Char(' ') + graden;
    case Eenheidsoort::Anders:
        // "g/l" of a module of no model: no text.
        if (ModelMetType(Modeltype::K761).Soort(eenheid) == Eenheidsoort::Ion) return QString();
        break;
    default:
        break;
    }
    return OpmaakSingle(waarde, FormaatWaarde(r, m, k)) + QLatin1Char(' ') + eenheid;
}

QString BepaalEenheid(int r, int m, int k, bool temperatuur) {
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules || k < 1 || k > AantalIngangen)
        return QString();
    const ModuleRecord& module = Racks[r].Modules[m];
    if (temperatuur) return Trim(module.Temperatuur[k].Unit.tekst());
    if (ModelVan(module).type == Modeltype::K762) return KanaalEenheidTekstK762(r, m, k);
    const QString eenheid = Trim(module.Meting[k].Unit.tekst());
    // An ion concentration is plotted as its logarithm; "g/l" of a module of no model too.
    return ModelMetType(Modeltype::K761).Soort(eenheid) == Eenheidsoort::Ion ? QStringLiteral("Log[g/l]")
                                                                             : eenheid;
}
