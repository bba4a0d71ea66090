#pragma once
// The child windows of the main window's area: every window tells its kind and number by its tag
// ("tabel" & rack, "grafiek" & graph, "meting" & rack, "terminal", "Boomstructuur", "GLPre..",
// "SYSre.."); the count of open table, graph and terminal windows that the menus depend on; the
// commands that bring the next rack, table or graph window to the front; new graph windows (at most
// 64); the removal of every window of a data file; and the arrangements of the Window menu.
#include "reports/Rapportkop.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

class QMdiArea;
class QWidget;
class frmGrafiek;

// The kind of a child window: the first five letters of its tag ("" for no window).
QString VensterSoort(const QWidget* venster);

// The active child window of the area (the widget inside the frame), or nullptr.
QWidget* ActiefVenster(const QMdiArea& gebied);
// The number of visible child windows whose tag begins with exactly "tabel", "grafi" or "termi".
int ActieveVensters(const QMdiArea& gebied);

// The first graph number 1..64 whose slot holds no graph window, or 0 when all 64 are in use.
int16_t VrijeGrafiekIndex();

// How the arrangements place the windows: the frames of `aantal` windows tiled in an area of `maat`,
// one above the other (horizontal) or side by side (vertical); the icons of `aantal` minimised windows
// of size `icoon` in rows along the bottom.
QList<QRect> TegelIndeling(QSize maat, int aantal, bool horizontaal);
QList<QRect> IcoonIndeling(QSize maat, int aantal, QSize icoon);

// Arrangement codes of the Window menu.
enum class Schikking { Cascade = 0, TegelsHorizontaal = 1, TegelsVerticaal = 2, Iconen = 3 };

class Vensterbeheer {
public:
    explicit Vensterbeheer(QMdiArea& gebied) : m_gebied(gebied) {}

    // View > Rack: the next registered rack's window, after the one shown last (wrapping round).
    void VolgendRackVenster();
    // View > Table: the next registered rack's table window after the active table window's.
    void VolgendTabelVenster();
    // View > Graph: the next graph window after the active one.
    void TonenGrafieken();
    // Graph > New: a new table-series or recorder graph in the first free slot, its settings asked
    // for. The window when it was made and kept, else nullptr (the 65th graph is refused with a
    // message; dropped settings remove the window again).
    frmGrafiek* NieuweGrafiek(bool recorder);
    // File > New: unloads every table window of a registered rack, every shown rack window and every
    // graph window listed in the settings, and empties every other graph window; the tables hold no rows.
    void VerwijderenVensters();
    // The Window menu's arrangements; the layout is part of the configuration to be saved.
    void Schik(Schikking wijze);

    // The rack the next-rack command showed last (0 before the first).
    int LaatsteRack() const { return m_laatsteRack; }

private:
    QMdiArea& m_gebied;
    int m_laatsteRack = 0;
};
