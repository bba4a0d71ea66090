#pragma once
// The graph windows as the main window reaches them: making one in its slot (1..64) of the window
// area, reopening those that were open when the settings were last saved, refreshing them all, and the
// number in a child window's tag.
#include <QPoint>
#include <QString>
#include <cstdint>

class frmGrafiek;

// Makes (or reuses) the window of slot g in the window area, sets it up and shows it. Nothing for a g
// outside 1..64. A new graph (`nieuw`) waits for its settings dialog; the window's Geladen() tells
// whether they were accepted.
frmGrafiek* MaakGrafiekVenster(int g, bool recorder, bool nieuw);
// The window of slot g, or nullptr.
frmGrafiek* GrafiekWidget(int g);
// The number of graph windows open.
int AantalOpenGrafieken();

// Reopens every graph g whose key "Index" & g in section "Graph" holds g, from its configuration file.
void HerstelGrafieken();
// Every graph window shows the newest stored samples again (after a file was loaded).
void VernieuwGrafieken();
// Every graph window starts over with an empty chart.
void HerinitialiseerGrafieken();

// What closing a graph window tells the main window. The main window's side is registered at start-up;
// without it (and in tests that register none) nothing happens.
class GrafiekvensterOmgeving {
public:
    virtual ~GrafiekvensterOmgeving() = default;
    // Graph window g has closed: graph settings copied from it are forgotten.
    virtual void GrafiekGesloten(int grafiek) { (void)grafiek; }
    // The chart's right-button menu: the main window pops its Graph menu up at `globaal` with the
    // items of one graph (settings, print, copy, copy and paste settings) and puts it back afterwards.
    // False: there is no such menu, the window shows its own.
    virtual bool ToonGrafiekMenu(const QPoint& globaal) {
        (void)globaal;
        return false;
    }
};
// Registers the main window's side (nullptr: none).
void ZetGrafiekvensterOmgeving(GrafiekvensterOmgeving* omgeving);
GrafiekvensterOmgeving& grafiekvensterOmgeving();

// The number in a table ("tabel" & r), graph ("grafiek" & g) or rack window's ("meting" & r) tag; 0
// for any other tag. The kind word is recognised in any case but removed only in lower case.
int16_t VensterNummer(const QString& tag);

void ResetGrafiekvensters();
