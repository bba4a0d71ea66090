#pragma once
// Edits of a loaded measurement file go through a working copy: the ".csv" itself is never changed in
// place. The working copy is the data file's name followed by ".new"; every edit pass copies it line
// by line into bestand & ".newcopy", changing the lines concerned, and that output then replaces the
// working copy. The edits reach the data file only when the user commits them (the data file becomes
// its ".bak", the working copy takes its name); the user may also drop them. A working copy left from
// an earlier run is offered again when the file is loaded, saved or closed.
//
// Beside the working copy lies bestand & ".newsrc", the record of how much of the data file it holds:
// the logging appends rows to the data file while the working copy waits, and those rows are carried
// into the working copy (before every pass and before the commit, in this run or a later one) by what
// that record says, exactly once.
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Meetregels.h"

#include "platform/Datum.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// The working copy of the data file being edited or checked.
extern QString WerkkopiePad;

// One edit pass: the lines of the working copy are read one by one and written, changed or not, to
// the output; a line left unwritten is deleted. A pass that is not ended with EindeBewerking leaves
// the working copy as it was.
class Bewerking {
public:
    Bewerking();
    ~Bewerking();
    Bewerking(const Bewerking&) = delete;
    Bewerking& operator=(const Bewerking&) = delete;

    // The next line of the working copy without its line end; nothing after the last.
    std::optional<QString> LeesRegel();
    // Writes a line to the output; the line end is added. A line written as it was read keeps its
    // bytes.
    void SchrijfRegel(const QString& regel);
    // The working copy holds no line.
    bool IsLeeg() const;
    // Where the next LeesRegel reads. ZetPositie goes back to a place Positie gave: the lines after it
    // are read again (a search ahead that found nothing leaves them for the next).
    qsizetype Positie() const { return m_positie; }
    void ZetPositie(qsizetype positie);

private:
    friend bool BeginBewerking(Bewerking& bewerking, const QString& bestand);
    friend bool EindeBewerking(Bewerking& bewerking, const QString& bestand);
    void Sluit();

    QByteArray m_invoer;
    qsizetype m_positie = 0;
    // The working copy's record as it stands, and what the output will hold of the data file: its
    // first m_bronLengte bytes, the last line of them m_bronStaart (-1: not known).
    QByteArray m_vorigeHerkomst;
    qint64 m_bronLengte = -1;
    QByteArray m_bronStaart;
    QCryptographicHash m_afdruk{QCryptographicHash::Sha1};
    bool m_utf8 = false;
    QByteArray m_laatsteBytes;
    QString m_laatsteRegel;
    std::unique_ptr<QFile> m_uitvoer;
    QByteArray m_buffer;
    int m_schrijfFout = 0; // the system's reason of a failed write of the output, 0 none
};

// Starts a pass on the data file `bestand`: WerkkopiePad := bestand & ".new", made from bestand when
// there is none; the output bestand & ".newcopy" is opened (emptied). Rows that the logging added to
// bestand since the working copy was made (as its record says) are read after the working copy's own
// lines.
// False, with a message when a file could not be read or made, and false without one when the data
// file does not exist.
bool BeginBewerking(Bewerking& bewerking, const QString& bestand);
// Ends the pass: the output is flushed to the disk, its record is added beside the working copy's, and
// then the output replaces the working copy in one step. When the output or its record could not be
// written whole, the working copy stays as it was: false, with a message.
bool EindeBewerking(Bewerking& bewerking, const QString& bestand);

// Where the cells of a rack's table lie in the lines of a measurement file with the header line `kop`:
// each row's line read by the rule the loader reads it by (Veldindeling), with the modules that row's line
// was written or read with (the table's Indelingen), so that an edit of a cell goes into the field the
// cell was read from, whichever racks and modules are present now.
class Regelindeling {
public:
    Regelindeling(const QString& kop, int16_t rack);
    // The field numbers in `regel`, the line of row `rij` (1 the time, as VolgendVeld and VervangVeld
    // count), of the fields `kolommen` (1..21, 21 the info) of the block of module `module`; 0 where the
    // line has none (the loader gave that cell nothing of it) or the row's layout is not known: an edit of
    // the cell does not reach the line.
    std::vector<int16_t> Kolommen(const QString& regel, int32_t rij, int16_t module,
                                  const std::vector<int16_t>& kolommen) const;
    int16_t Kolom(const QString& regel, int32_t rij, int16_t module, int16_t kolom) const;
    // The line `regel` of row `rij` is read by position (not by its header).
    bool OpPositie(const QString& regel, int32_t rij) const;

private:
    const Veldindeling* Voor(int32_t rij) const;
    QStringList m_kop;
    int16_t m_rack = 0;
    const Tabelvenster* m_venster = nullptr;
    // The layouts met so far, one for each list of modules.
    mutable std::vector<std::pair<Rijmodules, Veldindeling>> m_indelingen;
};

// The one rule by which a row of a table finds its line in the data file, or none. The lines of the file
// are the rows that any table shows with a time, in their order (the load gives every table each line's
// time, the logging each row taken, and a Save As that writes the tables writes those rows), but for what
// the logging knows of the file's lines besides (RegelOntbreekt, LosseRegels): a row whose line was given
// up, never written into the file, or went with a file the logging made anew has none and is not counted,
// nor is a row no table shows with a time; a line the program wrote that is no row (the end point of a
// break, of a run whose rows went on in a new file) keeps its place among the rows. A row's line is the line
// of its second after as many lines of that second as there are such rows and lines of it before the row,
// wherever in the file they lie (the clock set back repeats a second far apart), each row's time read as
// the whole-table writer reads it (ModuleMetTijd), each line's as the loader reads it. A line of such a
// second that none of them has is a line without a table row. The lines are handed in their order, once.
class Regelwijzer {
public:
    // Rows `rijen` (ascending) of module `module`'s grid in rack `rack`'s table are looked for in the lines
    // of the data file `bestand`; a row that grid shows without a time has no line there and is not looked
    // for. The rows of their seconds are told apart up to row `tot` of the tables too (past the last row
    // looked for: the lines that follow in those seconds).
    Regelwijzer(const QString& bestand, int16_t rack, int16_t module, const std::vector<int32_t>& rijen,
                int32_t tot = 0);
    struct Plaats {
        // The row whose line it is, among the rows of the seconds of the rows looked for; 0 for a line no
        // row has (the program wrote it without one, or another program), of another second, or without a
        // time.
        int32_t rij = 0;
        // That row is one looked for.
        bool gezocht = false;
        // The line's second; none for a line without a time.
        std::optional<qint64> seconde;
    };
    Plaats Volgende(const QString& regel);

private:
    // Per second looked for: the lines of it passed so far, and the row of each place among them (and
    // whether it is looked for).
    struct Seconde {
        size_t gelezen = 0;
        std::vector<std::pair<int32_t, bool>> rijen;
        // The lines of no row placed among them so far.
        size_t losse = 0;
    };
    QHash<qint64, Seconde> m_seconden;
    // The lines' times, read as the loader reads them.
    DatumLezer m_datumLezer;
};

// The texts of an edit refused: the file and the racks differ in the module (499), a row read by
// position holds no field of it (501), where a row's values lie in its line is not known (502), the row
// has no line in the file (509), the table changed while the info editor was open (510).
inline constexpr int TekstAnderBestand = 499;
inline constexpr int TekstOpPositie = 501;
inline constexpr int TekstIndelingOnbekend = 502;
inline constexpr int TekstGeenRegel = 509;
inline constexpr int TekstTabelVeranderd = 510;
// The table changed while the question to delete its rows was open (511).
inline constexpr int TekstTabelVeranderdBijVerwijderen = 511;

// Row `rij` of rack `rack`'s table has a time, and the modules its line was written or read with are not
// known: an edit of it is refused (box 502), as where its values lie in its line is not known.
bool IndelingOnbekend(int16_t rack, int16_t module, int32_t rij);

// Writes `tekst` into the info field of module `module`'s block in the line of row `rij` of rack
// `rack`'s table (Regelwijzer) and in the end points among the lines of the same second next to it (a row
// and its end point: a line without values, units and temperatures, whether a table row shows it or not),
// not into another reading of that second nor a line of it elsewhere in the file; each where the line has
// that field (Regelindeling). The header line stays. Once the
// working copy holds them, the info cell of every row whose line took the text shows it. A text that the
// row's own line would not take is refused with the box InfoGeweigerd gives, nothing changed.
// True when the row's own line took it.
bool SchrijfInfo(int16_t rack, int16_t module, int32_t rij, const QString& tekst);
// The field of that cell in the line of row `rij` of the table (Regelwijzer) in the data file as it is
// being edited (its working copy with the rows logged since, or the data file while there is none, as
// an edit pass reads them); 0 when the line has no such field, -1 when there is no line of the row (or
// the file could not be read: a box says so). `opPositie`, when given, tells whether that line is read
// by position.
int16_t KolomInGegevensbestand(int16_t rack, int16_t module, int32_t rij, int16_t kolom,
                               bool* opPositie = nullptr);
// Whether an info text on row `rij` of module `module`'s grid in rack `rack`'s table cannot go into a
// line of the data file as it is being edited: its layout is not known (box 502), it has no line (a row
// without a time, a row given up, a data file that is not there; box 509), or its line holds no info
// field of the module (box 499, or 501 for a line read by position); SchrijfInfo refuses by the same
// choice. A file that cannot be read is told by its own box. True, after the box, when it cannot: nothing
// is changed.
bool InfoGeweigerd(int16_t rack, int16_t module, int32_t rij);

// What an edit of a table's rows was opened or asked on (the info editor, the question of a delete): the
// rack, the data file, and the rack's table with its rows as laid out then. The editor and the question
// take the user's input alone, but the program goes on behind them: a timed start may switch logging on,
// and the run go on in a new file or lay the table out afresh.
struct Tabelbron {
    int16_t rack = 0;
    QString bestand;
    const Tabelvenster* venster = nullptr;
    uint64_t generatie = 0;
};
Tabelbron TabelbronVan(int16_t rack);
// At the answer or OK, before anything changes: the edit goes only into rows of the table and the file it
// was opened on. While logging is on, once the data file is another, or once the rack's table is gone or
// was emptied or laid out afresh since (a search, a new file of the run, a load; a window made anew in the
// place of one gone has another number too), a box with text `tekst` (510 for an info text), titled the
// file, says the table changed meanwhile, and false: nothing changes.
bool TabelbronGeldig(const Tabelbron& bron, int tekst);
// Empties row `rij` (columns 1 to the info column) of every present module's grid in every table.
void WisRijInTabellen(int32_t rij);

// Asks what to do with a pending working copy of `bestand`. With `vraag` the question is about edits
// left from an earlier run (Yes, No); without it about the tables just changed (Yes, No, Cancel).
// Yes commits, No drops the working copy; with `herladen`, the tables, where they still show that file,
// then show it as it is on the disk (it is loaded again, and a box says the original file is restored).
// After Cancel, or a close of the question, the answer is `geannuleerd`: the caller abandons its operation,
// and the working copy and the file stay as they are (the question comes again). The question takes the
// user's input alone until it is answered; the answer acts on the working copy of the `bestand` it was
// asked with, as it stood then, or on nothing once that copy is gone or another.
struct Wijzigingsantwoord {
    bool geannuleerd = false;
};
Wijzigingsantwoord ControleerWijzigingen(const QString& bestand, bool herladen, bool vraag);

// Rows logged into `bestand` that its working copy lacks (as its record says, whichever run made it)
// are carried into the working copy. False, with a message, when that failed. A working copy without
// a record that fits it (not made by an edit pass), or whose data file no longer begins with what it
// was made from, gets nothing: the commit's ".bak" keeps the data file as it was.
bool WerkkopieBijwerken(const QString& bestand);
// The working copy of `bestand` was committed or dropped: its record goes too.
void WerkkopieAfgehandeld(const QString& bestand);
// `bestand` is replaced (a Save As onto it, a new logging file of its name), its former content kept as
// `backup`, its BackupNaam: a working copy left beside it holds edits of that content, not of the new one,
// and goes with it to `backup` & ".new", its record with it, in the place of the working copy and record
// that lay there. Without a backup name of its own (`backup` is `bestand`) the former content is gone, and
// so are its working copy and record: the event log names the working copy. Nothing without a working
// copy. False when a step failed, with the path it failed on in `mislukt` and the system's reason kept.
bool WerkkopieNaarBackup(const QString& bestand, const QString& backup, QString& mislukt);

void ResetWerkkopie();
