#pragma once
// The two reports of the report window on paper and in a file: the grid printed under the report header
// block (its header row repeated on every page), or written as a CSV report file after the header
// block's CSV lines, closed by a line for a signature.
//
// The export asks for the file name ("ReportGLP_#module#_#channel#.csv" and
// "ReportSystem_#rack#.csv" at first; the markers are filled in per channel) and, when a target file
// exists, whether to overwrite it. With "All" every channel in use gets its GLP report, each in the file
// its name gives; every target file is written afresh once per export, so a name without markers
// collects all reports in one new file. Each file is written whole beside its target and only then
// takes its name: an old report stays as it was until its successor is complete. A file that cannot
// be written ends the export with the failure message; the files written before it stay.
#include "reports/Configuratierapport.h"
#include "reports/Rapportkop.h"
#include "reports/Rasterafdruk.h"

#include <vector>

// PrintSYSrapport: the grid from the printer's current position across as many pages as needed, or, with
// NaarBestand, as lines of the report file: an empty line, the header row, each body row ended by an
// empty field, an empty line and the signature line (30 and 20 underscores).
void PrintSYSrapport(Printer& p, const Afdrukraster& raster);

// The GLP channels of an "All" export, in the order written: per present module of every present rack
// the measuring inputs in use, then the temperature inputs in use.
std::vector<Kanaalkeuze> ExportGLPKanalen();
// The GLP channels of printing all reports: per present module each input in use followed by its
// temperature input.
std::vector<Kanaalkeuze> AfdrukGLPKanalen();

// What the report window prints through the print dialog, after InitialiseerPrinter: the report of its
// tag ("SYSreport": the configuration report; "GLPreport": the GLP report of the input shown), each
// under its header block. With `alles` on the GLP tab, every channel's GLP report on a page of its own.
void PrintRapportvenster(Printer& p, const AfdrukVenster& venster, const Raster& configuratie,
                         const Raster& glp, bool alles);

// One export of the report window.
struct Rapportexport {
    bool glp = false;      // the GLP report (else the configuration report)
    bool alle = false;     // "All": every channel's GLP report
    AfdrukVenster venster; // the window: its channel (Rnr, Mnr, Knr)
    Raster raster{1, 1};   // the grid shown
};
enum class Exportuitkomst { Geannuleerd, Klaar, Mislukt };
// The whole export: file dialog, overwrite question, writing, closing message ("Done !", or the failure
// message when something could not be written). Stores the chosen name and the "All" choice in
// "Report".
Exportuitkomst ExporteerRapport(const Rapportexport& opdracht);
