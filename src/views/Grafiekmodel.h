#pragma once
// Everything a graph window knows apart from its widgets: its settings and curve table, the chart's
// data grid (rows 1..MaxGrafiekZichtbaar by series 1..34, a missing point is NaN), the window onto the
// stored samples (normal mode) or the rolling strip of live values (recorder mode), the look of every
// series, the read-out with its statistics, and the scroll bar's range. The widget only paints what
// this holds and passes the user's actions in.
//
// In normal mode chart row r (1..AantalPunten) shows stored sample VensterStart + r - 1, and the
// newest sample AantalMetingen is the last row whenever a new sample arrives: a full window jumps so
// that it keeps three quarters of its rows and the new sample follows them. When the scroll bar moves
// the window, the rows it still shows move with their samples and only the rows that came into view
// are read from the tables, as long as nothing those rows were read from has changed since.
#include "acquisition/Grafiekwaarde.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "platform/Datum.h"
#include "views/DiagramMaths.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class Tabelvenster;

// Limits of the settings, applied before they are used.
inline constexpr int MinimumPunten = 50;
inline constexpr int MaximumPunten = 30000;
inline constexpr int MaximumVerdelingen = 20;
inline constexpr int MaximumTussentijd = 3600;
// Steps of the scroll bar over the stored samples.
inline constexpr int ScrollStappen = 30000;

class DiagramRaster {
public:
    // Rows 1..rijen; cells kept where they fit, new cells missing, labels likewise.
    void ZetGrootte(int rijen);
    int Rijen() const { return m_rijen; }
    // Series 1..34, row 1..Rijen; NaN outside the grid.
    double Waarde(int rij, int reeks) const;
    void Zet(int rij, int reeks, double waarde);
    // The cells of a series, row r at index r - 1.
    const double* Reeks(int reeks) const { return m_reeksen[reeks].data(); }
    double* Reeks(int reeks) { return m_reeksen[reeks].data(); }
    QString Label(int rij) const;
    void ZetLabel(int rij, const QString& label);
    std::vector<QString>& Labels() { return m_labels; }

private:
    int m_rijen = 0;
    std::array<std::vector<double>, AantalDiagramReeksen + 1> m_reeksen;
    std::vector<QString> m_labels;
};

// The look of one chart series as the settings make it.
struct ReeksBeeld {
    int32_t kleur = 0; // red + 256 x green + 65536 x blue
    bool zichtbaar = false;
    QString legende;
    int statistiek = 0; // lines: 1 minimum, 2 maximum, 4 mean
};

class Grafiekmodel {
public:
    Grafiekmodel();

    // Public settings.
    int16_t GrafiekIndex = 0;
    bool NieuweGrafiek = false;
    int16_t AantalLijnen = 0;
    QString GrafiekTijdFormaat;
    GrafiekInstellingen Instellingen;

    // Working state.
    int32_t VensterStart = 1;
    int32_t AantalPunten = 0;
    platform::Datum VolgendeRecorderTijd = 0;
    int GekozenSerie = 0;
    int GekozenPunt = 0;

    // The values a new window starts with; the curve table empty, no point chosen.
    void LaadStandaard();
    // Holds the numbers of the settings to their ranges (file or typed values).
    void BegrensInstellingen();

    int16_t LeesGrafiekLijnRef(int lijn, int index) const;
    // A rack outside 0..16, module outside 0..7 or input code outside 0..8 is stored as 0; a statistics
    // flag is kept as given (non-zero is on).
    void SchrijfGrafiekLijnRef(int lijn, int index, int16_t waarde);
    // Curve n (1..32) as LezenGrafiekIndexen loads it; true for a temperature curve. A curve whose rack,
    // module or input is 0 comes back with rack 0.
    bool LeesCurve(int n, GrafiekCurve& curve) const;
    int BepaalStatistiekVlag(const GrafiekCurve& curve) const;

    int16_t LeesDiagramRood(int reeks) const;
    int16_t LeesDiagramGroen(int reeks) const;
    int16_t LeesDiagramBlauw(int reeks) const;
    void ZetDiagramKleur(int reeks, int32_t kleur);

    // Chart set-up and rebuild.
    void StelNieuweGrafiekIn();
    void HerInitialiseerGrafiek();
    void InstellenAlarmen();
    // Each curve's look from its references: shown or not, its statistic lines, and its legend text
    // "unit (input name)" from the input's current unit and name.
    void ZetLegenden();
    void ReInitGrafiekData();
    void WisGrafiekGegevens();

    // Rows from the table windows and the live values.
    // Every row read afresh from the tables.
    void HertekenGrafiek();
    // Shows the stored samples from `start` on (at least 1) as far as the window reaches, as the scroll
    // bar moves the window: the rows shown already move with their samples and only the others are
    // read, unless the curves, the racks or the tables changed since they were read.
    void ToonVenster(int32_t start);
    void LaadPuntUitTabel(int rij, int32_t monster);
    void VulGrafiekAan(int32_t nr);
    void LadenGrafiek();
    void HerladenGrafiek();
    void SchuifRecorderOp();

    // Scroll bar: the range and position the bar should show, and the user's moves.
    void InitScrollBar();
    void AanpassenScrollBar();
    void ScrollBarGewijzigd(int positie);
    int ScrollMaximum = 1;
    int ScrollPositie = 1;
    bool ScrollZichtbaar = true;

    // Read-out.
    void UitschakelenMarkers();
    // The user picked point `punt` (row) of series `serie`; ignored while logging runs.
    void KiesPunt(int serie, int punt);
    void ToonPuntWaarde(int serie, int punt);
    void BepaalMinMaxima();
    bool VoetnootZichtbaar = false;
    QString Voetnoot;
    // The markers of this series' points are shown (0: none).
    int MarkerReeks = 0;

    // The chart.
    const DiagramRaster& Raster() const { return m_raster; }
    DiagramRaster& Raster() { return m_raster; }
    const ReeksBeeld& Reeks(int reeks) const { return m_reeksen[reeks]; }
    // Rows between time-axis labels and ticks.
    int TijdasStap() const;

    // Called after every change that alters what the chart or the scroll bar shows.
    std::function<void()> BijWijziging;
    // Prints the window after a full recorder strip (wired by the printouts).
    std::function<void()> AfdrukkenRecorder;

private:
    // How one curve is read from the tables: its table window (nullptr: a gap in every row), module
    // grid, value column and conversion, and which of the plan's sources (a grid of a window) it reads.
    struct CurveLezing {
        const Tabelvenster* tabel = nullptr;
        int16_t module = 0;
        int16_t kolom = 0;
        int bron = 0;
        Grafiekomzetting omzetting;
        bool operator==(const CurveLezing&) const = default;
    };
    // Everything a redraw decides once, before its rows: the curves, the grids they read in the order of
    // the first curve that reads each (the order in which a row's label is looked for), and the label
    // choice.
    struct Leesplan {
        std::array<CurveLezing, AantalGrafiekLijnen + 1> curven{};
        std::vector<std::pair<const Tabelvenster*, int16_t>> bronnen;
        int labelKeuze = 0;
        bool operator==(const Leesplan&) const = default;
    };
    // What the grid's rows 1..aantal hold: samples start.. read by `plan` while the plan's table windows
    // counted `wijzigingen`.
    struct Getoond {
        bool geldig = false;
        int32_t start = 0;
        int aantal = 0;
        int rijen = 0;
        Leesplan plan;
        std::vector<uint64_t> wijzigingen;
    };

    Leesplan MaakLeesplan() const;
    static std::vector<uint64_t> Wijzigingen(const Leesplan& plan);
    // Grid rows van..tot from samples start + rij - 1.
    void LeesRijen(const Leesplan& plan, int van, int tot, int32_t start);
    void Herteken(bool verschuiven);
    void Gewijzigd() const;
    void WisDiagramRaster();
    void VerschuifVenster(int32_t nr);
    void FootnoteZichtbaar(int lijn);
    QString RecorderLabel() const;

    std::array<std::array<int16_t, AantalGrafiekLijnen + 1>, 6> m_lijnRef{};
    std::array<ReeksBeeld, AantalDiagramReeksen + 1> m_reeksen;
    DiagramRaster m_raster;
    Getoond m_getoond;
    QString m_uitlezing; // the read-out without its statistics
};

// The value text of a plotted number as the user reads it; a temperature curve in the temperature
// channel's unit.
QString ConverteerGrafiekWaarde(float waarde, int r, int m, int k, bool temperatuur);
// The unit of a curve (legend): the temperature unit, the K762 unit of the input's range, or the input's
// unit with "g/l" shown as "Log[g/l]".
QString BepaalEenheid(int r, int m, int k, bool temperatuur);
// The default pen colour of curve n (1..32), as red + 256 x green + 65536 x blue.
int32_t StandaardCurveKleur(int n);
