#pragma once
// Rows a logging file cannot take now (a full disk, a folder that is gone or cannot be written, a size
// limit) wait in memory, per file, in the order they were taken, until the file takes them. Only the rows
// wait: what goes before them in the file (the header of an empty file, the line end of a cut last line,
// the end point of a break) is decided when they reach it, from the file as it stands then. All files
// together keep at most a bound of bytes waiting; past it a file's rows are given up, and so are rows
// the user gives up (Cancel). Given-up rows leave a break, marked by an end point before the file's next
// row once it holds rows again.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>

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

// What waits for one file, and what was given up of its rows since it last took some.
struct Wachtend {
    QString pad;
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
    QString eindpunt;
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

    // Lines wait for the file.
    bool Wacht() const { return grootte > 0; }
    // The end point waits or was given up.
    bool EindpuntNietGeschreven() const { return !eindpunt.isEmpty(); }
    // The measuring rows not written: those waiting and those given up.
    Regelreeks NietGeschreven() const {
        Regelreeks alles = rijen;
        alles.Voeg(opgegeven);
        return alles;
    }
};

class WachtendeRijen {
public:
    static constexpr qsizetype StandaardGrens = qsizetype(64) << 20;

    // The file's record, or nullptr when it has none.
    Wachtend* Van(const QString& pad);
    // The file's record, made when it has none.
    Wachtend& Maak(const QString& pad, const QString& kop);
    // The first file whose lines wait (and, with `ookMapFout` false, whose folder can be written).
    Wachtend* Eerste(bool ookMapFout = true);
    // Every record, in the order the files first failed.
    std::deque<Wachtend>& Alle() { return m_bestanden; }

    // Whether `bytes` more fit under the bound of all files together.
    bool Past(qsizetype bytes) const { return m_totaal + bytes <= m_grens; }
    // A line waits: a measuring row, or the end point when `eindpunt`.
    void Voeg(Wachtend& w, const QByteArray& regel, const QString& tijd, bool eindpunt, int velden);
    // A line did not fit: it is given up. The first measuring row given up since the file last took rows
    // marks the break. True when this opens a spell of giving up (no file gave up rows before).
    bool GeefOp(Wachtend& w, const QString& tijd, bool eindpunt, int velden);
    // Every waiting line is given up (Cancel): the break is marked at the first of them, or kept where
    // an earlier one marked it.
    void GeefAllesOp(Wachtend& w);
    // The lines reached the file, and with them the end point of the break: the record is done.
    void Geschreven(const QString& pad);
    // The record goes to another file (the run goes on there).
    void Verhuis(const QString& van, const QString& naar);
    // The record is dropped (its rows are in the file by another way).
    void Vergeet(const QString& pad);
    // Records that hold nothing any more are removed.
    void Ruim();

    // Whether rows are being given up now: the box that tells it comes once per spell.
    bool OpgevenGemeld() const { return m_opgevenGemeld; }
    void ZetOpgevenGemeld() { m_opgevenGemeld = true; }

    void ZetGrens(qsizetype bytes) { m_grens = bytes; }
    qsizetype Totaal() const { return m_totaal; }
    // Every record is dropped; the bound stays.
    void Leeg();
    void Reset();

private:
    void VerwijderBytes(Wachtend& w);
    std::deque<Wachtend>::iterator Zoek(const QString& pad);

    std::deque<Wachtend> m_bestanden;
    qsizetype m_totaal = 0;
    qsizetype m_grens = StandaardGrens;
    bool m_opgevenGemeld = false;
};
