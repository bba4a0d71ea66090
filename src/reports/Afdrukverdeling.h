#pragma once
// The print run over the open windows: every graph (each followed by its alarm report when asked) and
// every shown table window with all its module tabs, or one window by the first five letters of its
// tag ("metin", "tabel", "termi", "grafi", "SYSre", "GLPre"). Each window gets the report header block
// and then its own body: a table tab, a graph's chart with its title and legend, the terminal text, the
// rack window's picture or the report window's report. The progress window shows the run; its Cancel
// ends the run before the next window, so no window is printed by halves.
//
// The bodies of table, graph and terminal windows are drawn by the windows' side (Vensterafdruk), which
// the program registers at start-up: the print engine links no window folder.
#include "reports/Printerkode.h"

#include <cstdint>

class QWidget;
class formPrint;

// What the dispatcher and the print dialog ask of the window folders. Without a registered side, no
// table has selected rows, and tables, graphs and the terminal print only their header block.
class Vensterafdruk {
public:
    virtual ~Vensterafdruk() = default;
    // The number of rows selected in module tab m of the table window of rack r.
    virtual int32_t Geselecteerd(int r, int m) { return (void)r, (void)m, 0; }
    // The module tab (1..7) a table window shows.
    virtual int16_t GetoondeTab(const QWidget* tabelvenster) { return (void)tabelvenster, int16_t(1); }
    // The table window of rack r, made when the rack has none yet; nullptr when none can be made.
    virtual QWidget* Tabelvenster(int r) { return (void)r, nullptr; }
    // Module tab m of rack r's table as a ruled table from the print position (only its selected rows
    // with `selectie`).
    virtual void PrintTabel(int r, int16_t m, bool selectie, Printer& p) {
        (void)r, (void)m, (void)selectie, (void)p;
    }
    // The chart of graph g in the box, then its title and legend below it.
    virtual void PrintGrafiek(int16_t g, Printer& p, double x, double y, double breedte, double hoogte,
                              bool kader) {
        (void)g, (void)p, (void)x, (void)y, (void)breedte, (void)hoogte, (void)kader;
    }
    // The alarm report of graph g from the print position.
    virtual void AfdrukkenAlarmRapport(int16_t g, Printer& p) { (void)g, (void)p; }
    // The terminal's text from the print position.
    virtual void PrintTerminalTekst(Printer& p) { (void)p; }
};
// Registers the windows' side (nullptr: none).
void ZetVensterafdruk(Vensterafdruk* afdruk);
Vensterafdruk& vensterafdruk();

// The chart of graph g into the rest of the page: 5 mm in from the left edge, 10 mm under the print
// position, 10 mm narrower than the print width, 0.65 (portrait) or 0.75 (landscape) of the height left.
void AfdrukkenGrafiek(int16_t g, Printer& p);
// A window's picture as it shows on screen, from the print position, at most the print width wide.
void PrintVensterbeeld(QWidget* venster, Printer& p);
// The whole run of the dialog after InitialiseerPrinter: all graphs and tables, the report window's
// reports, or the one window to print.
void VerdeelAfdruk(formPrint& dialoog, Printer& p);

void ResetVensterafdruk();
