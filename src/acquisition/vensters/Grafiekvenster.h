#pragma once
// What the engine and the file layer ask of a graph window: its number, the newest point, its public
// settings (held by the window as a plain record), its curve table, the pen colours of its chart
// series, its caption, placement and state, and the rebuild of its chart. The graph windows register
// themselves in their slot (1..64) when they are created and deregister when they close.
#include <QString>
#include <cstdint>

inline constexpr int AantalGrafiekLijnen = 32;
// Series of the chart: 1 the alarm-low line, 2 the alarm-high line, lijn + 2 the curve of line lijn.
inline constexpr int AantalDiagramReeksen = AantalGrafiekLijnen + 2;
inline constexpr int ReeksAlarmLaag = 1;
inline constexpr int ReeksAlarmHoog = 2;

// Index of a cell of the curve table.
enum GrafiekLijnIndex : int {
    LijnRack = 0,
    LijnModule = 1,
    LijnIngang = 2, // 1..4 the input's value, 5..8 its temperature, 0 none
    LijnMinimum = 3,
    LijnMaximum = 4,
    LijnGemiddelde = 5,
};

// The public settings of a graph window that its configuration file keeps.
struct GrafiekInstellingen {
    QString TitelWaardenas;
    bool AutomatischeSchaal = false;
    double GrafiekMinimum = 0;
    double GrafiekMaximum = 0;
    int16_t AantalWaardenVerdelingen = 0;
    int16_t AantalWaardenOnderverdelingen = 0;
    QString TitelTijdsas;
    int16_t MaxGrafiekZichtbaar = 0;
    int16_t AantalTijdVerdelingen = 0;
    int16_t LabelKeuze = 0;
    bool LegendeKeuze = false;
    bool XYrecorder = false;
    int32_t RecorderTussentijd = 0; // seconds
    bool AfdrukkenRecorder = false;
    bool AlarmHoog = false;
    double AlarmHoogWaarde = 0;
    bool AlarmLaag = false;
    double AlarmLaagWaarde = 0;
    bool operator==(const GrafiekInstellingen&) const = default;
};

// Ranges of the value-axis limits and of the alarm limits, as the settings dialog's up-downs offer them.
inline constexpr double SchaalMinimum = -32768;
inline constexpr double SchaalMaximum = 32767;
inline constexpr double AlarmGrens = 65536;
// Holds the value-axis minimum and maximum and both alarm limits to those ranges; a value that is no
// finite number takes its default (minimum -100, maximum 100, alarm limit 0). Silent, as the dialog
// corrects its other fields.
void BegrensGrafiekGrenzen(GrafiekInstellingen& g);

// Position and size of a window in its normal state, in twips.
struct VensterPlaatsing {
    float Top = 0;
    float Left = 0;
    float Height = 0;
    float Width = 0;
    bool operator==(const VensterPlaatsing&) const = default;
};

// One curve as LezenGrafiekIndexen loads it.
struct GrafiekCurve {
    int16_t Rg = 0; // rack; 0 when the line holds no curve
    int16_t Mg = 0; // module
    int16_t Kg = 0; // input 1..4
    bool StatistiekMinimum = false;
    bool StatistiekMaximum = false;
    bool StatistiekGemiddelde = false;
};

class GrafiekvensterInterface {
public:
    virtual ~GrafiekvensterInterface() = default;
    // The window's number 1..64; a live graph has the number of its slot.
    virtual int16_t GrafiekIndex() const = 0;
    // Adds the newest point (sample number `monster`) to the curves.
    virtual void VulGrafiekAan(int32_t monster) = 0;
    virtual GrafiekInstellingen& Instellingen() = 0;
    // One cell of the curve table: line 1..32, index a GrafiekLijnIndex.
    virtual int16_t LeesGrafiekLijnRef(int lijn, int index) const = 0;
    virtual void SchrijfGrafiekLijnRef(int lijn, int index, int16_t waarde) = 0;
    // The red, green and blue parts (0..255) of the pen colour of a chart series.
    virtual int16_t LeesDiagramRood(int reeks) const = 0;
    virtual int16_t LeesDiagramGroen(int reeks) const = 0;
    virtual int16_t LeesDiagramBlauw(int reeks) const = 0;
    // kleur: red + 256 x green + 65536 x blue.
    virtual void ZetDiagramKleur(int reeks, int32_t kleur) = 0;
    // Rebuilds the chart from the settings.
    virtual void HerInitialiseerGrafiek() = 0;
    virtual QString Caption() const = 0;
    virtual void ZetCaption(const QString& caption) = 0;
    // Placement in the normal state.
    virtual VensterPlaatsing Plaatsing() const = 0;
    virtual void ZetPlaatsing(const VensterPlaatsing& plaatsing) = 0;
    // 0 normal, 1 minimised, 2 maximised.
    virtual int VensterStatus() const = 0;
    virtual void ZetVensterStatus(int status) = 0;
    // Switches repainting off while the settings are changed in a row, and on again.
    virtual void ZetTekenen(bool aan) = 0;
    // Empties the curves' data and drops a read-out of them (the rack search forgets the racks; a
    // logging run goes on in a new data file).
    virtual void ReInitGrafiekData() {}
    // Names the curves in the legend anew from the inputs' current names and units (a rack logged on).
    virtual void VernieuwLegende() {}

    // Loads curve n (1..32). An input code above 4 stands for the temperature of input code - 4: Kg is
    // then reduced by 4 and the result is true. A line without a curve, or n outside 1..32, gives rack 0.
    bool LezenGrafiekIndexen(int n, GrafiekCurve& curve) const;
};

// The window in graph slot g (1..64), or nullptr.
GrafiekvensterInterface* GrafiekVenster(int g);
// Every live graph names its curves anew (VernieuwLegende).
void VernieuwGrafiekLegenden();
// Registers the window of slot g (nullptr: the slot is empty).
void ZetGrafiekVenster(int g, GrafiekvensterInterface* venster);
void ResetGrafiekVensters();
