#pragma once
// What a logging run knows of each file it logs to, one record per file: how the program left the file,
// whether the run's rows go into it, and the rows it cannot take now (a full disk, a folder that is gone
// or cannot be written, a size limit). Those wait in memory, per file, in the order they were taken,
// until the file takes them. Only the rows wait: what goes before them in the file (the header of an
// empty file, the line end of a cut last line, the end point of a break) is decided when they reach it,
// from the file as it stands then. All files together keep at most a bound of bytes waiting; past it a
// file's rows are given up, and so are rows the user gives up (Cancel). Given-up rows leave a break,
// marked by an end point before the file's next row once it holds rows again.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <unordered_map>
#include <vector>

// A file as the system gives it: its length and modification time, and what it is on the disk (its device
// and inode, and when that inode last changed: a write, a rename, a new link). A file swapped with another
// of the same length and time, moved into the name, or made anew there, stands otherwise. All 0 when it
// is not there.
struct Bestandsstand {
    qint64 lengte = 0;
    qint64 tijdNs = 0;
    quint64 apparaat = 0;
    quint64 inode = 0;
    qint64 veranderdNs = 0;
    bool operator==(const Bestandsstand&) const = default;
};

// A run of rows by their times: how many, the first and the last.
struct Regelreeks {
    int aantal = 0;
    QString eerste;
    QString laatste;
    void Voeg(const QString& tijd) {
        if (aantal++ == 0) eerste = tijd;
        laatste = tijd;
    }
    void Voeg(const Regelreeks& r) {
        if (r.aantal == 0) return;
        if (aantal == 0) eerste = r.eerste;
        aantal += r.aantal;
        laatste = r.laatste;
    }
};

// Numbers of snapshots (Opnamenummer), kept as runs: the table rows whose lines wait, or were given up.
class Opnamereeksen {
public:
    // The snapshot `opname` (0: a line that is no table row, nothing is kept).
    void Voeg(uint64_t opname);
    void Voeg(const Opnamereeksen& ander);
    bool Heeft(uint64_t opname) const;
    bool Leeg() const { return m_reeksen.empty(); }
    // The first and the last snapshot kept; 0 when none.
    uint64_t Eerste() const { return m_reeksen.empty() ? 0 : m_reeksen.front().first; }
    uint64_t Laatste() const { return m_reeksen.empty() ? 0 : m_reeksen.back().second; }

private:
    void VoegReeks(uint64_t eerste, uint64_t laatste);
    std::vector<std::pair<uint64_t, uint64_t>> m_reeksen; // first and last of each, ascending, apart
};

// A line the program wrote into a file that is no table row (the end point of a break, or of a run whose
// rows went on in a new file): its time as written, and the last snapshot whose line goes before it in the
// file (0: none, or only rows read from the file or written by a Save As).
struct LosseRegel {
    QString tijd;
    uint64_t na = 0;
};

// What the program knows of a file's lines besides its rows' own: which table rows have no line in it, and
// which of its lines are no table row. The lines of a file are the lines of its rows, in the order taken,
// but for these.
struct Regelspoor {
    // Snapshots whose line is not in the file: given up for it (past the bound, by Cancel, at an end), or
    // never written into it (an end point of a file that was gone, or whose header names other columns).
    Opnamereeksen zonder;
    // The file was made anew (gone or emptied, then written again) with the line of this snapshot the
    // first of the program's in it: every row taken before, and every row read from a file or written by a
    // Save As, has no line in it. 0: never.
    uint64_t vanaf = 0;
    // The last snapshot whose line went into the file.
    uint64_t laatste = 0;
    // The lines without a table row, in the order written.
    std::vector<LosseRegel> losse;

    bool Ontbreekt(uint64_t opname) const { return (vanaf > 0 && opname < vanaf) || zonder.Heeft(opname); }
};

// What waits for one file, and what was given up of its rows since it last took some.
struct Wachtend {
    // The header line of the rows' layout (with its line end): an empty file gets it first.
    QString kop;
    // The fields of a row, for the end points that mark a break.
    int velden = 0;
    // The waiting lines, encoded as they go into the file, in pieces of some tens of kilobytes: a line is
    // added without moving what waits, and the pieces are written from where they lie.
    std::deque<QByteArray> stukken;
    qsizetype grootte = 0;
    // The measuring rows among them; the time of an end point among them (the last line) or given up.
    Regelreeks rijen;
    // The snapshots of the table rows whose lines wait.
    Opnamereeksen opnames;
    QString eindpunt;
    // The waiting lines that are no table row (Voeg without a row), each placed after the snapshot of the
    // line before it.
    std::vector<LosseRegel> losse;
    // Measuring rows given up, and whether the end point is among what was given up.
    Regelreeks opgegeven;
    bool eindpuntOpgegeven = false;
    // The time of the first row given up: the end point of the break goes behind the rows kept, or, when
    // it came before the rows that wait now (`breukEerst`: they were given up by Cancel), before them.
    QString breuk;
    bool breukEerst = false;
    // The last waiting line is an end point.
    bool laatsteEindpunt = false;
    // The folder cannot be written: told by its own box, not asked about.
    bool mapFout = false;
    // Why the file refused rows when its folder was last tried (the system's reason).
    QString weigering;

    // Lines wait for the file.
    bool Wacht() const { return grootte > 0; }
    // Lines wait, or a break is still to be marked in the file.
    bool Houdt() const { return Wacht() || !breuk.isEmpty() || opgegeven.aantal > 0 || eindpuntOpgegeven; }
    // The end point waits or was given up.
    bool EindpuntNietGeschreven() const { return !eindpunt.isEmpty(); }
    // The measuring rows not written: those waiting and those given up.
    Regelreeks NietGeschreven() const {
        Regelreeks alles = rijen;
        alles.Voeg(opgegeven);
        return alles;
    }
};

// One logging file as the run knows it.
struct Logbestand {
    QString pad;
    // Its folder.
    QString map;
    // The file as the program last left it (after an append, or a refused one that left it as it was),
    // and the header it was found to agree with. While the file still stands so, it has not been touched
    // since: it still agrees with that header and ends with a line end. Length 0: not known.
    Bestandsstand stand;
    QString kop;
    // The run's rows went into it and no end point since: the fields of its rows and their header.
    bool lopend = false;
    int lopendeVelden = 0;
    QString lopendeKop;
    // What waits for it (when it is among the waiting files).
    Wachtend wacht;
    bool wachtrij = false;
    // What is known of the file's lines besides its rows'.
    Regelspoor spoor;

    bool Wacht() const { return wachtrij && wacht.Wacht(); }
    // The file stands as the program left it.
    bool Onaangeroerd(const Bestandsstand& nu) const { return nu.lengte > 0 && stand == nu; }
};

class WachtendeRijen {
public:
    static constexpr qsizetype StandaardGrens = qsizetype(64) << 20;

    // The file's record, or nullptr when the run has none.
    Logbestand* Van(const QString& pad);
    // The file's record, made when the run has none.
    Logbestand& Bestand(const QString& pad);
    // The file's record when it is among the waiting files (lines wait, or a break is to be marked).
    Logbestand* Wachtrij(const QString& pad);
    // The file joins the waiting files (when it is not among them): what waits will have the layout `kop`.
    Logbestand& MaakWachtrij(const QString& pad, const QString& kop);
    // The first file whose lines wait (and, with `ookMapFout` false, whose folder can be written).
    Logbestand* Eerste(bool ookMapFout = true);
    // The waiting files, in the order they first failed.
    std::vector<Logbestand*> Wachtrijen() const { return m_wachtrijen; }
    // Every record.
    void VoorElk(const std::function<void(Logbestand&)>& doe);

    // Whether `bytes` more fit under the bound of all files together.
    bool Past(qsizetype bytes) const { return m_totaal + bytes <= m_grens; }
    // A line waits: a measuring row, or the end point when `eindpunt`; `opname`, the snapshot of the table
    // row it is the line of (0: none known); `rij` false for a line that is no table row.
    void Voeg(Logbestand& b, const QByteArray& regel, const QString& tijd, bool eindpunt, int velden,
              uint64_t opname = 0, bool rij = true);
    // A line did not fit: it is given up. The first measuring row given up since the file last took rows
    // marks the break. True when this opens a spell of giving up (no file gave up rows before).
    bool GeefOp(Logbestand& b, const QString& tijd, bool eindpunt, int velden, uint64_t opname = 0);
    // Every waiting line is given up (Cancel): the break is marked at the first of them, or kept where
    // an earlier one marked it.
    void GeefAllesOp(Logbestand& b);
    // The lines reached the file, and with them the end point of the break: the file leaves the waiting
    // files. The same when its rows are in the file by another way.
    void Geschreven(Logbestand& b);
    // What waits for `van` goes to `naar` (the run goes on there), behind what waits there already; the
    // record of `naar`, or nullptr when nothing waited for `van`.
    Logbestand* Verhuis(const QString& van, const QString& naar);
    // Files that hold nothing waiting any more leave the waiting files.
    void Ruim();

    // Whether rows are being given up now: the box that tells it comes once per spell.
    bool OpgevenGemeld() const { return m_opgevenGemeld; }
    void ZetOpgevenGemeld() { m_opgevenGemeld = true; }

    void ZetGrens(qsizetype bytes) { m_grens = bytes; }
    qsizetype Totaal() const { return m_totaal; }
    // Nothing waits any more (an end); what the run knows of the files stays, and the bound.
    void Leeg();
    // Every record is dropped, and the bound is the standard one.
    void Reset();

private:
    void VerwijderBytes(Wachtend& w);
    void UitWachtrij(Logbestand& b);

    // The records by path (a record keeps its place in memory while the run lives).
    std::unordered_map<QString, Logbestand> m_bestanden;
    std::vector<Logbestand*> m_wachtrijen;
    qsizetype m_totaal = 0;
    qsizetype m_grens = StandaardGrens;
    bool m_opgevenGemeld = false;
};
