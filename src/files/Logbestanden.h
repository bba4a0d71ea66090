#pragma once
// Logging: every snapshot of the rack system while logging is on becomes one row of each logging
// file. The current data file's name (Gegevensbestand) is the template of the file names: without
// markers all rows go to one file; "#rack#", "#module#" or "#channel#" split them into one file per
// rack, module or input; "#date#" starts new files every day. A file gets its header line when it is
// empty, and takes rows only of the layout its header names. Two racks, modules or inputs whose names
// give one file name never share it: the first keeps it (or the one whose header it holds already), and
// each other has a file of its own beside it, "name_2.csv", "name_3.csv", ..., with its own header, which
// it keeps while the program runs; the event log names it once a row or an end point goes there. The end
// of a run is a row whose info text is "Stop".
#include "files/WachtendeRijen.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// The logging modes, derived from the template on every snapshot.
inline constexpr int16_t LogEenBestand = 0;
inline constexpr int16_t LogPerRack = 1;
inline constexpr int16_t LogPerModule = 2;
inline constexpr int16_t LogPerKanaal = 4;

// The mode of a template: "#channel#" wins over "#module#", which wins over "#rack#".
int16_t LogModus(const QString& sjabloon);

// The file name made from the template: "#date#" becomes today as yymmdd; with rack 1..16 "#rack#"
// becomes the rack's name, with also module 1..7 "#module#" the module's name, with also kanaal 1..8
// "#channel#" the input's name (5..8: the name of input kanaal - 4 followed by "_DC"). A marker whose
// number is 0 stays. In a substituted name every character that a file name cannot hold (":", "/",
// "\" and the like) becomes "_", so a name never sends a file into another folder. Then "?", "*",
// "<", ">", "|" and the double quote become "_" in the whole name.
QString MaakBestandsnaam(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal);

// The length in bytes of the file the template names for this rack, module and input; the file is
// created when missing. When it cannot be opened the message box offers Retry and Cancel; Cancel
// gives 0.
int32_t LengteLogBestand(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal);

// The value and unit texts of an input by its module's model ("" for any other model).
QString WaardeTekstPerModel(int16_t rack, int16_t module, int16_t kanaal);
QString EenheidTekstPerModel(int16_t rack, int16_t module, int16_t kanaal);

// Appends the snapshot taken at TijdMeting (and the headers that are due) to every logging file of the
// current mode. info is the row's info text; "Stop" (this literal in every language) writes the end
// point of a run: the time and empty fields. The value and temperature of an input are empty while
// its rack is not measured or its module is given up by the poll supervision (no stale number is
// logged as a measurement). The poll cycle calls it first at every snapshot. Each
// file's line is built whole and appended in one write; the bytes are those of writing the fields one
// by one. A file whose last line was cut off (a power cut) keeps it as it is: the new line begins on a
// line of its own.
// A file whose header names other columns than the racks now give (a search found other racks, or
// logging was switched on into a file of another layout) gets no row: the run ends in the files that
// got its rows with an end point of their own layout, and logging goes on under the data file's next
// free name of its series, "name_2.csv", "name_3.csv", ..., with its own headers; the caption, the
// recent files, the last file of the settings and the event log name it. A file the program left as it
// wrote it keeps its header; one changed behind the program (its length, its modification time, or what
// it is on the disk: a file swapped, moved in or made anew under its name) has its header read again.
// Where the file system keeps times to the second (FAT: two), a change in the second of the program's own
// write leaves all of that as it was: there the header's bytes are compared again for every write into
// the file, a row, an end point or rows that waited, by one rule: a snapshot compares them once per file
// before it writes any, and its writes go by that unless a box was shown in between.
// An end point goes only into a file whose header is that of the run's rows: a file of another layout
// put in its place, or whose header was edited, is left as it is.
// True when the run went on in a new data file with this snapshot: the row is that file's first.
bool LogMeting(const QString& info);

// The logging files of the template for the racks and modules present now, each once (also the files of
// their own that racks, modules or inputs of one name have beside the first one's).
QStringList LogBestanden(const QString& sjabloon);
// A logging run begins: checks that the folders of its files can be written. A folder that cannot is
// reported (text 269, the folder and the system's reason) once per run, here or at the first snapshot
// that fails there (that box waits beside the run); false when a folder cannot be written.
bool BeginLogging();

// Rows a file cannot take (a full disk, a folder that is gone or cannot be written, a size limit) wait in
// memory and are written, in order, by the first later snapshot that finds room in that file (also a file
// the run has left), or by Retry of the question about a full disk (asked beside the run, naming the file);
// Cancel gives up the rows of that file and of the files in its folder. When the rows move to another
// file (Save As, a new name), the question goes with them; once no row waits any more in that folder
// (a snapshot wrote them), the question is withdrawn. A snapshot costs the same however many rows
// wait: they are written from where they lie, never copied. What goes before them (the
// header of an empty file, the line end of a cut line, nothing) is decided when they reach the file, from
// the file as it stands then; a file that holds another layout by then gets none of them: they go on,
// with the run, under the data file's next free name. All files together keep at most this many bytes
// waiting (64 MB unless set); past it a file's rows are given up: one box per spell tells it (the file, or
// how many of the data file's logging files give up rows), an end point follows the rows kept, and the
// event log names the rows given up (how many, the first and last time, and an end point not written)
// once the file takes rows again. Rows given up by Cancel are named there too, and the file's next row
// comes after an end point at the first of them, once the file holds rows.
void ZetWachtendGrens(qsizetype bytes);
// What the run knows of the lines of the file `pad` besides its rows' own (Regelspoor), for the one rule by
// which a table row finds its line (the edits' Regelwijzer): which rows have no line in it (Ontbreekt: the
// line was given up past the bound, by Cancel or at an end; never written there, as the end point of a file
// that was gone or whose header names other columns by then; or gone with the file, which the logging made
// anew since), and which of its lines are no table row (the end point of a break where rows were given up,
// the end point of a run whose rows went on in a file of another layout). A copy of the file (Save As)
// knows the same; a Save As that writes the tables writes every row. Nothing known: an empty record.
Regelspoor RegelspoorVan(const QString& pad);
// Every line of `pad` is a row of the tables now (the file was loaded, or is new): what was known of its
// lines besides goes.
void RegelsZijnRijen(const QString& pad);

// Tries to write every file's waiting rows now; true when none waits any more.
bool SchrijfWachtendeRegels();
// The first file whose rows still wait ("" when none).
QString WachtendBestand();
// At an end no one answers: the waiting rows are tried once more, and what still cannot be written is
// named in the event log (per file how many rows, the first and last time, the end point) and given up.
void BeeindigWachtendeRegels();
// While the close asks about the waiting rows, the loop asks nothing of its own about them; once no close
// asks any more and rows still wait (the close was cancelled), the loop asks its question again.
class WachtendeVraagBijSluiten {
public:
    WachtendeVraagBijSluiten();
    ~WachtendeVraagBijSluiten();
    WachtendeVraagBijSluiten(const WachtendeVraagBijSluiten&) = delete;
    WachtendeVraagBijSluiten& operator=(const WachtendeVraagBijSluiten&) = delete;

private:
    bool m_was;
};
// The close takes the place of the loop's open question about the waiting rows (hold a
// WachtendeVraagBijSluiten first): that question is withdrawn without an answer, and its rows keep
// waiting for the close's own question.
void TrekWachtendeVraagIn();
// What a Save As put into its new content of the rows of the file it replaces (VoegWachtendeRijenIn).
struct Invoeging {
    // The rows that waited for the file are in.
    bool ingevoegd = false;
    // The rows given up for it (past the bound) are in as well: the content held them (the table took
    // them), so the file has no break and they are not told as not written.
    bool opgegeven = false;
    // The end point of their break, put in among the content's lines: a line of no row.
    std::vector<LosseRegel> losse;
};
// Save As makes the new content in `kopie` (a copy of the data file, or the table written out), which is
// to take the name `naam`: rows that wait for the file of that name (a file the run left, whose disk
// refused them) go into the copy where they were taken, before the copy's rows taken after the first of
// them, so that the file holds its rows in the order taken. A waiting row the copy holds already (the
// table took it; the same time and, under the rows' own header, the same line) does not go in again but
// counts as put in. Rows given up for the file count as in the copy when it holds as many rows of their
// times besides the waiting ones; the end point of their break then does not go in. `invoeging` tells
// what is in; the rows still count as waiting until the copy has the name (NeemWachtendeRijenMee). Rows
// of another layout than the copy's header, and rows taken after every row of the copy, are left
// waiting: they reach the file as any waiting rows do. False, with the system's reason, when the copy
// could not be written.
bool VoegWachtendeRijenIn(const QString& naam, const QString& kopie, Invoeging& invoeging);
// Save As of the data file named by the template `sjabloon` made `naam`: the rows that wait for the old
// file go on in the new one, before its next row (`gekopieerd`: the new file is a copy of the old one;
// otherwise it was written from the table, which holds them already). A template with markers keeps its
// waiting rows. `invoeging`: what of the rows of `naam` is in the new file (VoegWachtendeRijenIn); the
// event log names only the rows that reached no file. The run goes on in the new file: the files it
// logged into before are no longer its own. What is known of the new file's lines besides its rows
// (RegelspoorVan) is what was known of the old one's when it is a copy, and nothing when the tables were
// written, but for the end point of a break the merge put in.
void NeemWachtendeRijenMee(const QString& sjabloon, const QString& naam, bool gekopieerd,
                           const Invoeging& invoeging = {});

// A file as the system gives it now (all 0 when it is not there, or is no file): what it is on the disk,
// not only its length and time.
Bestandsstand StandVan(const QString& pad);

// Tests: each file state the system gives goes through `functie` before the program sees it (a file
// system that keeps times to the second, where every write falls in one second); nullptr: as given.
void ZetStandFunctie(std::function<void(Bestandsstand&)> functie);
// Tests: `functie` is told the path of each file whose header the program reads to compare it with the
// header of the rows; nullptr: nothing is told.
void ZetKopLeesFunctie(std::function<void(const QString&)> functie);

void ResetLogbestanden();
