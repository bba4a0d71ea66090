#pragma once
// Copy and paste of window settings: Edit > Copy settings remembers the active table grid or graph
// window as the source, Edit > Replace settings asks and copies its settings into the active window of
// the same kind. A table grid's settings are its 20 column widths and its font (name, size, bold,
// italic, strikethrough, underline); a graph's are its scale, divisions, statistics flags, labels,
// legend, the pen colours of its 34 chart series and its alarm lines - not its curves, titles, mode,
// time format or recorder settings. The source is a reference: its settings are read when pasting.
#include <cstdint>

class QWidget;

// The remembered source: at most one of the two kinds at a time.
struct Kopieerbron {
    bool KopieerSetGraph = false; // graph settings were copied
    bool KopieerSetTab = false;   // table settings were copied
    int16_t Rs = 0;               // the table window's rack, or the graph's number
    int16_t Ms = 0;               // the table's module position 1..7
};

// Copy settings from the active child window (nullptr: none open): the flags are cleared first, then
// set for a table or graph window.
void KopieerInstellingen(Kopieerbron& bron, QWidget* actief);
// Replace settings in the active child window, after the Yes/No question; nothing when no source of
// the active window's kind was copied. The source stays for further pastes.
void PlakInstellingen(const Kopieerbron& bron, QWidget* actief);

// Column widths 0..19 and the font of grid (bronRack, bronModule) onto grid (doelRack, doelModule).
void KopieerTabelInstellingen(int16_t bronRack, int16_t bronModule, int16_t doelRack, int16_t doelModule);
// The graph settings of graph window `bron` onto graph window `doel`, which is then rebuilt.
void KopieerGrafiekInstellingen(int16_t bron, int16_t doel);
