#pragma once
// The report header block that opens every printed window and every CSV report: the title, the
// operator, company, division and system lines of the print settings, the note, and beside them the
// identification of what is printed (the rack and module of a table, the graph, the input of a GLP
// report). On paper it follows the page header; with NaarBestand it is written as the first lines of
// the report file.
#include "reports/Printerkode.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class QWidget;

// The window a printout or a report is made for, as the header block reads it.
struct AfdrukVenster {
    QString Tag;                    // "tabel3", "grafiek2", "GLPreport", "SYSreport", "terminal", ...
    QString Caption;                // the window's caption
    int16_t Ri = 0;                 // table window: its rack
    bool XYrecorder = false;        // graph window in recorder mode
    int32_t RecorderTussentijd = 0; // graph window: the recorder interval in seconds
    int16_t Rnr = 0;                // report window: rack 1..16
    int16_t Mnr = 0;                // module 1..7
    int16_t Knr = 0;                // 1..4 an input, 5..8 the temperature channel of input Knr - 4
};

// A window as the header block sees it: its tag (the "Tag" property, else its object name) and caption;
// a table window's rack from its tag; a graph window's recorder settings from its graph slot; a report
// window's selection from its properties "Rnr", "Mnr" and "Knr".
AfdrukVenster AfdrukVensterVan(const QWidget* venster);
// The tag of a window: its "Tag" property, else its object name; "" for none.
QString VensterTag(const QWidget* venster);
// The number in a tag whose first five letters (in any case) are "metin", "grafi" or "tabel": the tag
// without "meting", "grafiek" or "tabel" read as a number; 0 for any other tag.
int16_t VensterSoort(const QString& tag);

// "GLP report" for a tag starting "GLPre", "Configuration report" for "SYSre", else the data file.
QString BepaalRapportTitel(const AfdrukVenster& venster);

// The four label/value pairs of the identification column (labels with ":"; empty pairs ""). Nothing
// when a rack, module or input number is out of range.
using Identificatieparen = std::array<std::pair<QString, QString>, 4>;
std::optional<Identificatieparen> BepaalIdentificatie(const AfdrukVenster& venster, int16_t nummer);
// The recorder interval as "hh:mm:ss" (of the day: 90 seconds "00:01:30").
QString RecorderTijd(int32_t seconden);

// The block for one window. `nummer` is the module of a printed table tab, the graph number of a graph
// and 0 for the report window; on paper the identification column is printed only for a number of 1
// or more or when printing from the report window. The block sets RapportTitel and leaves the print
// position at the left edge on the rule below it, bold off. With NaarBestand the lines go to the report
// file RapportBestandsnaam, named with the window's Rnr, Mnr and Knr (which the grid rows that follow
// use too).
void PrintVensterHoofding(const AfdrukVenster& venster, Printer& p, int16_t nummer);
