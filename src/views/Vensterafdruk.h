#pragma once
// The printouts of the table and graph windows, drawn from their models: the window on screen, its
// grids and the clipboard stay as they are.
//  - A table tab: a ruled table scaled to the print width (never larger than on screen), the header
//    row again at the top of every page, all data rows or only the selected ones.
//  - A graph: the chart as vectors in a millimetre box, the chart's title centred under it, and the
//    legend in columns 62.5 mm apart (continued on a new page when the page is full).
//  - The alarm report of a graph: per curve the rows where a value passed a limit and came back, and
//    a count per limit.
#include "acquisition/vensters/Grafiekvenster.h"
#include "reports/Afdrukverdeling.h"

#include <QString>
#include <cstdint>
#include <vector>

class Grafiekmodel;
class TabelGrid;

// Module tab of a table window as a ruled table from the print position; `rijen` the data rows to
// print in order (every data row when `alle`).
void PrintTabelRaster(const TabelGrid& grid, bool alle, const std::vector<int32_t>& rijen, Printer& p);

// The chart of a graph in the box (a frame of line width 3 round the box with `kader`), the chart
// 5 % in from each side; below the box the title (when not empty) and, when the graph shows its
// legend, the legend. x and y end as the left of the last legend column and the top of its last entry.
void PrintGrafiek(const Grafiekmodel& model, const QString& titel, Printer& p, double& x, double& y,
                  double breedte, double hoogte, bool kader);

// One value of a curve with the row it stands on.
struct AlarmWaarde {
    int32_t rij = 0;
    double waarde = 0;
};
// What the alarm report says of one curve: the exceedances and returns in row order, and the counts.
struct AlarmGebeurtenis {
    enum Soort { Hoog, Laag, Herstel } soort = Hoog;
    int32_t rij = 0;
};
struct AlarmVerloop {
    std::vector<AlarmGebeurtenis> gebeurtenissen;
    int32_t hoog = 0; // times the high limit was exceeded
    int32_t laag = 0;
};
// A value at or above the high limit (at or below the low limit) exceeds it; the first value back
// within the limit is its return. A limit still exceeded after the last value has no return.
AlarmVerloop BerekenAlarmVerloop(const std::vector<AlarmWaarde>& waarden, const GrafiekInstellingen& g);
// The values of curve n as the graph shows them: in recorder mode the chart's rows, else the rows of
// the rack's table converted as the chart converts them ("OR." counts as 9999; an empty cell, and every
// row of a module that is gone or an input not in use, is no value). Empty for an unset curve.
std::vector<AlarmWaarde> AlarmWaarden(const Grafiekmodel& model, int n);
// The alarm report of a graph from the print position.
void AfdrukkenAlarmRapport(const Grafiekmodel& model, Printer& p);

// The table and graph windows' side of the print dispatcher.
class Vensterafdrukken : public Vensterafdruk {
public:
    int32_t Geselecteerd(int r, int m) override;
    int16_t GetoondeTab(const QWidget* tabelvenster) override;
    QWidget* Tabelvenster(int r) override;
    void PrintTabel(int r, int16_t m, bool selectie, Printer& p) override;
    void PrintGrafiek(int16_t g, Printer& p, double x, double y, double breedte, double hoogte,
                      bool kader) override;
    void AfdrukkenAlarmRapport(int16_t g, Printer& p) override;
};
