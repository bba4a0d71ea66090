#pragma once
// Opening and saving the measurement file: the open and save dialogs, the folder and font choice,
// Save As with its overwrite question and ".bak" backup, the commit of a working copy with its
// ".bak", the remembered last file (settings "Settings"/"LastFile"), the folder of a path and the
// read-only test. Paths use "/"; a path that begins with "//" (a server share, "//server/share/...")
// is a network path, on which nothing is saved.
#include "files/Bestandsdialogen.h"

#include <QString>
#include <cstdint>
#include <optional>

// The last path split by SplitsPad is a network path.
extern bool NetwerkPad;
// The current data file may not be changed: it lies on a network path or is read-only. Set by the
// open dialog, cleared by the save dialog; no working copy is committed while it is set.
extern bool AlleenLezen;

// Bit of KiesBestandOpslaan's options: offer the all-files filter too.
inline constexpr uint8_t OptieAlleBestanden = 1;

// Two names of the same file: the same path, or the same file through a link.
bool ZelfdeBestand(const QString& a, const QString& b);
// The backup name: every ".csv" of the name becomes ".bak"; a name without ".csv" has none of its
// own (the name itself is returned).
QString BackupNaam(const QString& bestand);
// The filter of the file dialogs: "All files (*.*)|*.*" and then Tekst[filtertekst] & "(*" & extensie
// & ")|*" & extensie, or only the latter.
QString Filtertekst(const QString& extensie, int16_t filtertekst, bool alleBestanden);

// The open dialog in MapGegevens, titled "File to open", with the all-files filter and the file type
// preselected. The chosen path, whose folder becomes MapGegevens and the current folder; AlleenLezen
// tells whether it is on a network path or read-only. Nothing after Cancel.
std::optional<QString> VraagBestandOpenen(const QString& extensie, int16_t filtertekst);
// The same with its outcome in LaatsteKeuze: 1 and the chosen path; after Cancel 2 and `naam`.
QString KiesBestandOpenen(const QString& naam, const QString& extensie, int16_t filtertekst);
// The save dialog in MapGegevens on `naam`, titled Tekst[titeltekst]. The chosen path, whose folder
// becomes MapGegevens and the current folder, with AlleenLezen false. A network path is refused
// ("Saving files on a network is not supported!", Retry or Cancel). Nothing after Cancel.
std::optional<QString> VraagBestandOpslaan(const QString& naam, const QString& extensie, int16_t filtertekst,
                                           int16_t titeltekst, uint8_t opties);
// The same with its outcome in LaatsteKeuze: 1 and the chosen path; after Cancel 2 and "Untitled" &
// extensie.
QString KiesBestandOpslaan(const QString& naam, const QString& extensie, int16_t filtertekst,
                           int16_t titeltekst, uint8_t opties);
// The folder chooser titled "Select the folder: " & titel on `map`, its list filtered by `filter` ("*.*"
// when empty); the folder chosen, or `map` after Cancel. With `taal` its texts are that language's (a
// dialog that shows a language not yet chosen), else the program's.
QString KiesMap(const QString& titel, const QString& map, const QString& filter,
                std::optional<int> taal = std::nullopt);

// A window or control whose font the user may change.
class LettertypeDrager {
public:
    virtual ~LettertypeDrager() = default;
    virtual Lettertype LeesLettertype() const = 0;
    virtual void ZetLettertype(const Lettertype& lettertype) = 0;
    // Repaints with the new font.
    virtual void Vernieuw() {}
};
// The font dialog ("Change Font") on the object's font and colour; after OK the object takes them, is
// repainted, and the configuration counts as changed. Cancel changes nothing.
void KiesLettertype(LettertypeDrager& object);

// Save As of the data in memory (nieuw false) or the naming of a new file for logging (nieuw true). The
// name of the file in memory is refused for Save As; an existing file is overwritten only after the
// question, and its content is kept as its ".bak", together with a working copy left beside it (which
// holds edits of that content: it and its record take the ".bak"'s names; where the name has no backup
// name of its own they are removed, and the event log says so). The file in memory is copied at the
// answer, or the tables are written when it has no file or its name is a logging template: a file of the
// template's literal name holds at most what an earlier Save As wrote there, the tables every row logged
// since. At every moment the chosen file holds either its former content or the new one. Done: true,
// `naam` the new name, which becomes Gegevensbestand and "LastFile", LaatsteKeuze and Antwoord 1.
// Otherwise false, `naam` unchanged and LaatsteKeuze and Antwoord 2.
// The question about an existing file blocks nothing (the file dialog and the refusal of the name in
// memory take the user's input alone, while the timers run), and the answer saves the file as the tables
// show it then: with the rows logged meanwhile and an edit committed meanwhile. Once another data file is
// open at the answer (opened, made, or the run gone on in a new file), a Save As saves nothing and says so
// (GegevensbestandOngewijzigd); once the tables were edited meanwhile and the edit waits (the file's working
// copy is not as it was), the file lacks that edit, and nothing is saved either (box 513).
bool OpslaanAls(QString& naam, bool nieuw);
// The data file is still `bron`, as when a Save As of `naam` began; otherwise a box (512), titled naam,
// says that nothing was saved, and false.
bool GegevensbestandOngewijzigd(const QString& bron, const QString& naam);
// The box of a Save As refused because another data file was opened while it waited for an answer.
inline constexpr int TekstAnderGegevensbestand = 512;
// The box of a Save As refused because the tables were edited while it waited for an answer.
inline constexpr int TekstBewerktTijdensOpslaan = 513;

// The data folder and the current folder are set by the save dialog as soon as a file is chosen; a
// command that then ends without its file (Cancel, a refusal) puts them back as they were before it,
// so that the event and communication logs stay where they were.
class MapGegevensTerug {
public:
    MapGegevensTerug();
    // Puts them back unless the command kept its file.
    ~MapGegevensTerug();
    MapGegevensTerug(const MapGegevensTerug&) = delete;
    MapGegevensTerug& operator=(const MapGegevensTerug&) = delete;
    // Puts them back now: before a box about a file that could not be written, which waits while logging
    // goes on. A later save dialog sets them again.
    void Herstel();
    // The command kept `bestand` (a full path): its folder is the data folder and the current folder.
    void Behoud(const QString& bestand);

private:
    QString m_map;
    QString m_huidig;
    bool m_behoud = false;
};
// The Open command: the open dialog, then the chosen file loaded in clock time and remembered as
// "LastFile"; true when a file was opened, or a template name taken as the data file. Cancel, and a
// chosen file that is not there (reported), change neither Gegevensbestand (as it is then: the run may
// have gone on in a new file, or another file been opened while the box waited) nor the data folder and
// AlleenLezen.
bool BewaarLaatsteBestand(const QString& naam);
// Commits a working copy: `bestand`'s content is kept as its ".bak" and `werkkopie` takes its name,
// in this order, so that at every moment `bestand` is whole (first the old, then the new rows). Rows
// logged into `bestand` since the working copy was made are carried over first. Nothing happens while
// AlleenLezen is set or the file is read-only; the working copy then stays. False, with a message, when
// a step failed; the data file and the working copy are then as they were.
bool BevestigWijzigingen(const QString& bestand, const QString& werkkopie);

// The folder of `pad`, ending in "/": every directory level, the file name dropped. An empty path or a
// bare file name gives the program's folder. `netwerk` is set when the folder begins with "//".
QString SplitsPad(const QString& pad, bool& netwerk);
// True when the file exists and is read-only: it has no write permission at all, or the user may not
// write it.
bool IsAlleenLezen(const QString& pad);

void ResetOpslaan();
