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
#include "files/Meetregels.h"

#include "platform/Datum.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
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

// Where the cells of the tables lie in the lines of a measurement file with the header line `kop`: each
// line read by the rule the loader reads it by (IndelingVanBestand), so that an edit of a cell goes into
// the field the cell was read from.
class Regelindeling {
public:
    // For the racks and modules present now.
    explicit Regelindeling(const QString& kop);
    // For the rows of rack `rack`'s table: a row a load read (the table's GeladenIndeling) by the racks and
    // modules of that load, any other row by those present now; a row RacksGewijzigdSindsLaden refuses
    // has no field.
    Regelindeling(const QString& kop, int16_t rack);
    // The field number in `regel` (1 the time, as VolgendVeld and VervangVeld count) of field `kolom`
    // (1..21, 21 the info) of the block of module `module` of rack `rack`; 0 when the line has none
    // (the loader gave that cell nothing of it): an edit of the cell does not reach the line.
    int16_t Kolom(const QString& regel, int16_t rack, int16_t module, int16_t kolom) const;
    // The same for several fields of one module's block, the line looked at once.
    std::vector<int16_t> Kolommen(const QString& regel, int16_t rack, int16_t module,
                                  const std::vector<int16_t>& kolommen) const;
    // The same in `regel`, the line of row `rij` of the rack's table.
    int16_t Kolom(const QString& regel, int32_t rij, int16_t rack, int16_t module, int16_t kolom) const;
    std::vector<int16_t> Kolommen(const QString& regel, int32_t rij, int16_t rack, int16_t module,
                                  const std::vector<int16_t>& kolommen) const;
    // The line `regel` of row `rij` is read by position (not by its header).
    bool OpPositie(const QString& regel, int32_t rij) const;

private:
    const Veldindeling& Voor(int32_t rij) const;
    Veldindeling m_indeling;
    std::optional<Veldindeling> m_geladen;
    int32_t m_geladenRijen = 0;
    int16_t m_rack = 0;
    // Racks or modules changed since the load the rack's table shows (RacksGewijzigdSindsLaden).
    bool m_gewijzigd = false;
};

// An edit of row `rij` of rack `rack`'s table is refused: its table shows rows a load read, the row is
// not one of them, and racks or modules logged on or went since that load (its line was written with
// other modules than the rows read, and how it lies is not known).
bool RacksGewijzigdSindsLaden(int16_t rack, int32_t rij);

// Whole seconds since the zero date, the fraction of a second dropped as the time cells drop it.
qint64 HeleSeconden(platform::Datum d);
// The whole second of a file line's time (its first field); none for a line without one (a header).
std::optional<qint64> SecondeVanRegel(const QString& regel);

// The rows of module `module`'s grid in rack `rack`'s table whose time is that of row `rij` (the same
// date and time cells; rows without a time, deleted, not counted): those before it and those after it.
// The row's line is the line of its second in the working copy after as many lines of that second as
// rows before it, wherever in the file they lie (the clock set back repeats a second far apart).
struct PlaatsInSeconde {
    int32_t ervoor = 0;
    int32_t erna = 0;
};
PlaatsInSeconde RijInSeconde(int16_t rack, int16_t module, int32_t rij);
// For rows `rijen` (ascending, each with a time) at once: the rows before each in its second.
std::vector<int32_t> RijenErvoorInSeconde(int16_t rack, int16_t module, const std::vector<int32_t>& rijen);

// Writes `tekst` into field `kolom` of module `module`'s block (1..21, 21 the info) of the line of row
// `rij` of the table (RijInSeconde) and of the lines of the same second next to it (a row and its end
// point), not of a line of that second elsewhere in the file; each where the line has that field
// (Regelindeling). The header line stays. True when the row's own line took it.
bool SchrijfInfo(int16_t rack, int16_t module, int32_t rij, int16_t kolom, const QString& tekst);
// The field number in the line `regel` of a file whose header line is `kop` of field `kolom` of a
// module's block, as Regelindeling gives it: 0 when the line has no such field.
int16_t KolomInBestand(const QString& kop, const QString& regel, int16_t rack, int16_t module, int16_t kolom);
// The field of that cell in the line of row `rij` of the table (RijInSeconde) in the data file as it is
// being edited (its working copy, or the data file while there is none); 0 when the line has no such
// field, -1 when there is no line of the row. `opPositie`, when given, tells whether that line is read by
// position.
int16_t KolomInGegevensbestand(int16_t rack, int16_t module, int32_t rij, int16_t kolom,
                               bool* opPositie = nullptr);
// Empties row `rij` (columns 1 to the info column) of every present module's grid in every table.
void WisRijInTabellen(int32_t rij);

// Asks what to do with a pending working copy of `bestand`. With `vraag` the question is about edits
// left from an earlier run (Yes, No); without it about the tables just changed (Yes, No, Cancel).
// Yes commits, No drops the working copy (and, with `herladen`, loads the unchanged file again and says
// so). After Cancel the answer is `geannuleerd`: the caller abandons its operation.
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

void ResetWerkkopie();
