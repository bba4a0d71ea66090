#include "files/Logbestanden.h"

#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "files/Bestandsbewerkingen.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/WachtendeRijen.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

const QString MarkeringDatum = QStringLiteral("#date#");
const QString MarkeringRack = QStringLiteral("#rack#");
const QString MarkeringModule = QStringLiteral("#module#");
const QString MarkeringKanaal = QStringLiteral("#channel#");
const QString Stop = QStringLiteral("Stop");
const QString CRLF = QStringLiteral("\r\n");

bool IsRack(int r) {
    return r >= 1 && r <= AantalRacks;
}
bool IsModule(int m) {
    return m >= 1 && m <= AantalModules;
}

// A name that goes into a file name: characters that a file name cannot hold on either system become
// "_", so that a name never makes a folder of its own.
QString VeiligeNaam(const QString& naam) {
    QString t = naam;
    for (QChar& c : t) {
        switch (c.unicode()) {
        case ':':
        case '/':
        case '\\':
        case '?':
        case '*':
        case '<':
        case '>':
        case '|':
        case '"':
            c = QLatin1Char('_');
            break;
        default:
            if (c.unicode() < 0x20) c = QLatin1Char('_');
        }
    }
    return TrimSpaties(t);
}

QString Titel(int r, int m, int i) {
    return QStringLiteral("R%1M%2C%3").arg(r).arg(m).arg(i);
}

// The folders reported as not writable in this logging run.
QSet<QString> gemeldeMappen;

// What the run knows of each logging file, one record per file (see WachtendeRijen.h).
//
// The rows that wait for their files (see WachtendeRijen.h). The question about a full disk (Retry,
// Cancel) is asked from the event loop, where it waits beside the run as every box does: logging goes on
// taking rows behind it. The box names the file it asks about. Retry writes what waits once the user has
// made room; Cancel gives up the waiting rows of that file and of the files in its folder, and rows that
// still wait in another folder get a box of their own. A folder that cannot be written has its own box
// (OK alone) once per run and no question. While the close asks about the same rows, the loop asks nothing
// of its own: one box at a time.
WachtendeRijen wacht;
bool vraagGepland = false;
bool vraagBijSluiten = false;
// The file the question names while it waits, and its box: when the rows it asks about go to another
// file, the question is withdrawn and asked anew about that file.
QString vraagPad;
const IntrekbareMelding* vraagBox = nullptr;

// The rows of `pad` went elsewhere (another file, or into a file by another way): a question about them
// that waits is withdrawn.
void VraagVolgtRijen(const QString& pad) {
    if (vraagBox && vraagPad == pad) TrekMeldingIn(vraagBox->nummer);
}
// The question asks about rows its Cancel would give up: once none waits any more in the folder of the
// file it names (they reached their files), it is withdrawn.
void VraagZonderRijen() {
    if (!vraagBox) return;
    const QString map = QFileInfo(vraagPad).absolutePath();
    for (const Logbestand* b : wacht.Wachtrijen())
        if (b->Wacht() && !b->wacht.mapFout && b->map == map) return;
    TrekMeldingIn(vraagBox->nummer);
}
// The files that began to give up rows in this snapshot: one box tells them all at its end.
QStringList nieuwOpgegeven;
QString nieuwOpgegevenTijd;

// The file's record when lines wait for it.
Logbestand* WachtendVan(const QString& pad) {
    Logbestand* b = wacht.Van(pad);
    return b && b->Wacht() ? b : nullptr;
}
constexpr int TekstOngeldigeMap = 269;     // "The specified file map is invalid!"
constexpr int TekstDatalogger = 458;       // "Data logger: "
constexpr int TekstRijenOpgegeven = 492;   // "... rows are given up from ## on."
constexpr int TekstRijenVerloren = 493;    // "## rows not written, from ## to ##"
constexpr int TekstBestandenGevenOp = 495; // "... ## logging files of this data file ... from ## on ..."
constexpr int TekstBestandGeeftOp = 496;   // "rows are given up from ## on"
constexpr int TekstRijVerloren = 497;      // "1 row not written, at ##"
constexpr int TekstEindpuntVerloren = 498; // "the end point of ## was not written"

// Shows a box that only informs from the event loop, where it waits beside the run.
void MeldNaastDeLus(const QString& tekst, int stijl) {
    platform::klok().planIn(0, [tekst, stijl, titel = Gegevensbestand] {
        NaastDeLus([tekst, stijl, titel] { ToonMelding(tekst, stijl, titel); });
    });
}

// Tells once per logging run that the folder cannot be written, with the system's reason. `wachten`:
// the box waits beside the run (a snapshot tells it); otherwise it is shown at once.
void MeldMap(const QString& map, const QString& reden, bool wachten) {
    if (gemeldeMappen.contains(map)) return;
    gemeldeMappen.insert(map);
    const QString tekst = Tekst[TekstOngeldigeMap] + CRLF + CRLF + map + CRLF + reden;
    if (wachten)
        MeldNaastDeLus(tekst, vbOKOnly | vbExclamation);
    else
        ToonMelding(tekst, vbOKOnly | vbExclamation, Gegevensbestand);
}

// True when the folder `map` of a logging file cannot be written (reported once per run).
bool MapNietSchrijfbaar(const QString& map, bool wachten) {
    QString reden;
    if (platform::MapIsSchrijfbaar(map, &reden)) return false;
    MeldMap(map, reden, wachten);
    return true;
}

void PlanVraag();

// The file refused its rows (LaatsteSchrijffout holds why), which wait: a folder that cannot be written is
// told again in a new run; one that can be written, while the file still cannot take its rows, has the
// question of a full disk. A file whose folder could be written at its last try, refused again for the
// same reason (the disk is still full), does not have its folder tried again.
void Geweigerd(Logbestand& b) {
    Wachtend& w = b.wacht;
    const QString reden = platform::LaatsteSchrijffout();
    if (w.mapFout || reden.isEmpty() || reden != w.weigering) {
        w.mapFout = MapNietSchrijfbaar(b.map, true);
        w.weigering = reden;
    }
    if (!w.mapFout) PlanVraag();
}

// The text with each "##" in turn replaced by the next of `waarden`.
QString VulIn(QString tekst, const QStringList& waarden) {
    qsizetype vanaf = 0;
    for (const QString& w : waarden) {
        const qsizetype plaats = tekst.indexOf(QStringLiteral("##"), vanaf);
        if (plaats < 0) break;
        tekst.replace(plaats, 2, w);
        vanaf = plaats + w.size();
    }
    return tekst;
}

// The event-log line of what of a file's rows did not reach it: the measuring rows (how many, from when
// to when) and the end point.
void LogVerloren(const QString& pad, const Regelreeks& reeks, const QString& eindpunt) {
    QStringList delen;
    if (reeks.aantal == 1)
        delen << VulIn(Tekst[TekstRijVerloren], {reeks.eerste});
    else if (reeks.aantal > 1)
        delen << VulIn(Tekst[TekstRijenVerloren],
                       {QString::number(reeks.aantal), reeks.eerste, reeks.laatste});
    if (!eindpunt.isEmpty()) delen << VulIn(Tekst[TekstEindpuntVerloren], {eindpunt});
    if (delen.isEmpty()) return;
    SchrijfLogboekRegel(
        0, 0, Tekst[TekstDatalogger] + pad + QStringLiteral(": ") + delen.join(QStringLiteral("; ")));
}

// The end point of a run whose rows have `velden` fields: the time and empty fields.
QString Eindpuntregel(const QString& tijd, int velden, const QString& afbakening) {
    QString regel;
    VoegCsvVeldToe(regel, tijd, velden <= 1, afbakening);
    for (int v = 2; v <= velden; ++v)
        VoegCsvVeldToe(regel, QString(), v == velden, afbakening);
    return regel;
}

// What the tests put in place of the file system's own times (see ZetStandFunctie).
std::function<void(Bestandsstand&)> standFunctie;

} // namespace

Bestandsstand StandVan(const QString& pad) {
    struct stat st {};
    if (::stat(QFile::encodeName(pad).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    Bestandsstand stand{qint64(st.st_size), ns(st.st_mtim), quint64(st.st_dev), quint64(st.st_ino),
                        ns(st.st_ctim)};
    if (standFunctie) standFunctie(stand);
    return stand;
}

namespace {

// What the program knows of a logging file (its record): how it left the file, after an append or a
// refused one that left the file as it was, and the header the file was found to agree with. While the
// file still stands so, it has not been touched since: it still agrees with that header and ends with a
// line end, and neither is read again. A file changed behind the program (another length, the same
// length written again, or another file under its name) has its header read again. The record also holds
// whether the run's rows go into the file (an end point of their layout ends it) and what waits for it.

// True when the file was left as the program last wrote it.
bool Onaangeroerd(const QString& pad, const Bestandsstand& stand) {
    const Logbestand* b = wacht.Van(pad);
    return b && b->Onaangeroerd(stand);
}

// What the program knows of the file is forgotten: it is read again before rows go into it.
void VergeetStand(const QString& pad) {
    if (Logbestand* b = wacht.Van(pad)) {
        b->stand = {};
        b->kop.clear();
    }
}
// The name a change of layout gave the data file, and the name its series counts from.
QString reeksNaam;
QString reeksStam;

// A title of a logging header that names an input by its place ("R1M2C3").
bool IsPlaatsTitel(QStringView t) {
    static const QRegularExpression plaats(QStringLiteral("^R\\d+M\\d+C\\d+$"));
    return plaats.match(t.toString()).hasMatch();
}

// Whether a file's header names the columns the current layout gives it. The module's own title
// ("Info " & its name, or only its name in a saved table) may name it otherwise, as may an input
// titled by its name in a saved table; an input titled by its place must be in the same place.
bool KopPast(QStringList bestand, QStringList verwacht) {
    for (QStringList* v : {&bestand, &verwacht})
        if (v->size() > 1 && v->last().isEmpty()) v->removeLast();
    if (bestand.size() != verwacht.size()) return false;
    for (qsizetype i = 0; i < verwacht.size(); ++i) {
        const QString& w = verwacht[i];
        const QString& b = bestand[i];
        if (w == b || w.startsWith(QLatin1String("Info "))) continue;
        const qsizetype spatie = w.indexOf(QLatin1Char(' '));
        if (spatie < 0 || !b.startsWith(w.left(spatie + 1)) || IsPlaatsTitel(QStringView(b).mid(spatie + 1)))
            return false;
    }
    return true;
}

// What the tests are told of each header read (see ZetKopLeesFunctie).
std::function<void(const QString&)> kopLeesFunctie;

// The first line of a file, without its line end.
QString EersteRegel(const QString& pad) {
    if (kopLeesFunctie) kopLeesFunctie(pad);
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    QByteArray regel = f.readLine(4 << 20);
    while (regel.endsWith('\n') || regel.endsWith('\r'))
        regel.chop(1);
    return platform::VanWindows1252(regel);
}

// Whether the file begins with the header line `kop` (with its line end) byte for byte, as the program
// wrote it.
bool BegintMetKop(const QString& pad, const QString& kop) {
    if (kopLeesFunctie) kopLeesFunctie(pad);
    const QByteArray bytes = platform::NaarWindows1252(kop);
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) && f.read(bytes.size()) == bytes;
}

// Whether the file system keeps the file's modification time to the second or coarser (FAT: two
// seconds): a write later in the second of the program's own leaves it as it was.
bool TijdInSeconden(const Bestandsstand& stand) {
    return stand.tijdNs % 1000000000 == 0;
}

// Whether the file's first line names the columns of the header line `kop` (with its line end).
bool HeeftKop(const QString& pad, const QString& kop) {
    QStringView verwacht(kop);
    if (verwacht.endsWith(CRLF)) verwacht.chop(CRLF.size());
    return KopPast(SplitsVelden(EersteRegel(pad)), SplitsVelden(verwacht));
}

// What a snapshot found of a file when it checked all its files, before it wrote any: the file stood as
// `stand` and agreed with the header `kop`, and so many boxes had been shown (MeldingenGetoond).
struct Nagezien {
    Bestandsstand stand;
    QString kop;
    int meldingen = 0;
};

// Whether the file `pad`, standing as `stand` (not empty), is still one whose header names the columns
// of `kop`: the one rule of every write into a file (a row, an end point, a waiting row) and of every
// choice of a file by its header. A file the program left as it stands now, found then to agree with
// that very header, is not read again. Where the file system keeps times to the second (FAT: two), a
// change in the second of the program's own write leaves the file standing so: there the header's bytes
// are compared again, once for every write. A snapshot's write goes by the check the snapshot made of the
// file before it wrote any (`nagezien`) when it goes by the file as found then and no box was shown
// since: a box waits, pumping events, and the user, the program's commands and other programs have their
// turn meanwhile. What the snapshot itself writes in between leaves a header as it is: lines appended
// behind what its files (and the event log) hold, or taken back when refused. Any other file has its
// first line read.
bool ZelfdeBestandZelfdeKop(const QString& pad, const Bestandsstand& stand, const QString& kop,
                            const Nagezien* nagezien = nullptr) {
    const Logbestand* bekend = wacht.Van(pad);
    const bool gelaten = bekend && bekend->Onaangeroerd(stand) && bekend->kop == kop;
    if (gelaten && !TijdInSeconden(stand)) return true;
    if (nagezien && nagezien->stand == stand && nagezien->kop == kop &&
        nagezien->meldingen == MeldingenGetoond())
        return true;
    if (gelaten && BegintMetKop(pad, kop)) return true;
    return HeeftKop(pad, kop);
}

// What a line appended to a file as it stands must begin with: a line end when the file's last line was
// cut off (a power cut, a copy stopped half way), so that the cut line stays as it was and the new one
// is whole; a file cut between the CR and the LF of its line end gets the LF. A cut that fell inside a
// quoted text has that text closed first: a reader of the file would otherwise take the line end and the
// whole new line into the cut field. Whether it did is told by the last record, from the last line end
// outside quotes (a quoted text of another program's file may span lines), not by the last line.
QString Regelbegin(const QString& pad, const Bestandsstand& stand) {
    if (stand.lengte <= 0 || Onaangeroerd(pad, stand)) return QString();
    QFile f(pad);
    // The last record: the rows of 16 full racks stay well within this.
    constexpr qint64 Staart = 1 << 20;
    const qint64 begin = std::max<qint64>(0, stand.lengte - Staart);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(begin)) return QString();
    const QByteArray staart = f.read(stand.lengte - begin);
    if (staart.isEmpty()) return QString();
    const QChar afbakening = TekstAfbakening.isEmpty() ? QChar(u'"') : TekstAfbakening.front();
    // Quotes counted from a line end that starts a record: the file's start, else the tail's first line
    // end (a record of this program's files is shorter than the tail).
    bool open = false;
    if (afbakening.unicode() < 0x80) {
        const char q = static_cast<char>(afbakening.unicode());
        const qsizetype van = begin > 0 ? staart.indexOf('\n') + 1 : 0;
        open = std::count(staart.cbegin() + van, staart.cend(), q) % 2 != 0;
    }
    if (open) return afbakening + CRLF;
    if (staart.endsWith('\n')) return QString();
    return staart.endsWith('\r') ? QStringLiteral("\n") : CRLF;
}

// Whether a file holds rows: more than its header line.
bool HoudtRijen(const QString& pad, const Bestandsstand& stand) {
    QFile f(pad);
    if (stand.lengte <= 0 || !f.open(QIODevice::ReadOnly)) return false;
    return f.readLine(4 << 20).size() < stand.lengte;
}

// Two header lines of one layout.
bool ZelfdeIndeling(const QString& a, const QString& b) {
    QStringView x(a), y(b);
    if (x.endsWith(CRLF)) x.chop(CRLF.size());
    if (y.endsWith(CRLF)) y.chop(CRLF.size());
    return x == y || KopPast(SplitsVelden(x.toString()), SplitsVelden(y.toString()));
}

enum class Uitkomst { Geschreven, Geweigerd, AndereIndeling };

// A file's waiting rows are done with (written, or left with a file that is gone): what was given up
// since it last took rows is named now.
Uitkomst Afgehandeld(Logbestand* b) {
    if (b) {
        const Wachtend& w = b->wacht;
        LogVerloren(b->pad, w.opgegeven, w.eindpuntOpgegeven ? w.eindpunt : QString());
        wacht.Geschreven(*b);
    }
    return Uitkomst::Geschreven;
}

// Where the end point of a break goes: nowhere yet, before the waiting lines, or behind them.
enum class Breukplaats { Geen, Ervoor, Erna };

// The end point of a break around the waiting lines of `w` (`wachtRijen`: lines wait), with a row of the
// file's own after them when `eigenRij`; `houdtRijen`: the file holds rows before them. It goes only where
// a row follows it: before the rows that wait when they were given up before them (by Cancel), behind the
// rows kept when those past the bound were given up.
Breukplaats Breukpunt(const Wachtend* w, bool wachtRijen, bool eigenRij, bool houdtRijen, QString& ervoor,
                      QString& erna) {
    if (!w || w->breuk.isEmpty()) return Breukplaats::Geen;
    const QString breuk = Eindpuntregel(w->breuk, w->velden, TekstAfbakening);
    const bool rijVolgt = wachtRijen || eigenRij;
    if (w->breukEerst && houdtRijen && rijVolgt) {
        ervoor += breuk;
        return Breukplaats::Ervoor;
    }
    if (!w->breukEerst && rijVolgt &&
        (wachtRijen ? w->rijen.aantal > 0 && !w->laatsteEindpunt : houdtRijen)) {
        erna += breuk;
        return Breukplaats::Erna;
    }
    return Breukplaats::Geen;
}

// A snapshot's own line for a file: the row, or the end point when `eindpunt`, at `tijd`; the line of the
// table row taken at snapshot `opname` (0: not known), or of no table row when not `rij`.
struct Eigenregel {
    QString regel;
    QString tijd;
    bool eindpunt = false;
    uint64_t opname = 0;
    bool rij = true;
};

// What a file's record keeps of the lines just appended to it, in their order: the end point of a break
// before or behind the lines that waited (`plaats`), those lines (`w`), then the snapshot's own. A file that
// was gone or empty (`nieuw`) holds no line of a row taken before them.
void VolgRegels(Regelspoor& spoor, bool nieuw, const Wachtend* w, Breukplaats plaats,
                const Eigenregel* eigen) {
    const bool wachtRijen = w && w->Wacht();
    const bool eigenRegel = eigen && !eigen->regel.isEmpty();
    if (nieuw) {
        const uint64_t eerste = wachtRijen && w->opnames.Eerste() ? w->opnames.Eerste()
                                : eigenRegel && eigen->rij        ? eigen->opname
                                                                  : 0;
        if (eerste > 0) spoor.vanaf = eerste;
        spoor.losse.clear();
    }
    if (plaats == Breukplaats::Ervoor) spoor.losse.push_back({w->breuk, spoor.laatste});
    if (wachtRijen) {
        spoor.losse.insert(spoor.losse.end(), w->losse.begin(), w->losse.end());
        spoor.laatste = std::max(spoor.laatste, w->opnames.Laatste());
    }
    if (plaats == Breukplaats::Erna) spoor.losse.push_back({w->breuk, spoor.laatste});
    if (!eigenRegel) return;
    if (eigen->rij)
        spoor.laatste = std::max(spoor.laatste, eigen->opname);
    else
        spoor.losse.push_back({eigen->tijd, spoor.laatste});
}

// Appends to the file what waits for it and then `eigen` (the snapshot's own line; none: nothing of its
// own), after what the file needs as it stands now: an empty file its header, a file whose last line was
// cut a line end. Where rows were given up, the end point of the break goes before the next row, once the
// file holds rows (an empty file gets only its header). A file that holds rows of another layout than the
// waiting ones gets nothing. `stand`: the file as the snapshot found it, when nothing waits for it. The
// file's record keeps which lines went in (VolgRegels), and which were not written.
Uitkomst SchrijfNaar(const QString& pad, const QString& kop, const Eigenregel* eigen = nullptr,
                     std::optional<Bestandsstand> gevonden = std::nullopt,
                     const Nagezien* nagezien = nullptr) {
    Logbestand* b = wacht.Wachtrij(pad);
    const Wachtend* w = b ? &b->wacht : nullptr;
    const bool wachtRijen = w && w->Wacht();
    const QString rijKop = wachtRijen ? w->kop : kop;
    const Bestandsstand stand = gevonden && !w ? *gevonden : StandVan(pad);
    const bool eigenRij = eigen && !eigen->regel.isEmpty() && !eigen->eindpunt;
    QString voor;
    bool houdtRijen = false;
    if (stand.lengte == 0) {
        // A file that is gone or empty: an end point alone does not make it again. Those that waited and
        // the snapshot's own have no line in it.
        if (!(wachtRijen && w->rijen.aantal > 0) && !eigenRij) {
            Regelspoor& spoor = wacht.Bestand(pad).spoor;
            if (w) spoor.zonder.Voeg(w->opnames);
            if (eigen && eigen->rij && !eigen->regel.isEmpty()) spoor.zonder.Voeg(eigen->opname);
            return Afgehandeld(b);
        }
        voor = rijKop;
    } else {
        if (!ZelfdeBestandZelfdeKop(pad, stand, rijKop, nagezien)) return Uitkomst::AndereIndeling;
        voor = Regelbegin(pad, stand);
        houdtRijen = w && !w->breuk.isEmpty() && HoudtRijen(pad, stand);
    }
    // What goes before the waiting lines, and what after them: small, made anew at every try. The waiting
    // lines are written from where they wait, and the first piece the file refuses ends the try.
    QString ervoor = voor, erna;
    const Breukplaats plaats = Breukpunt(w, wachtRijen, eigenRij, houdtRijen, ervoor, erna);
    if (eigen) erna += eigen->regel;
    platform::Aanvulling aanvulling(pad);
    aanvulling.Schrijf(platform::NaarWindows1252(ervoor));
    if (wachtRijen)
        for (const QByteArray& stuk : w->stukken)
            if (!aanvulling.Schrijf(stuk)) break;
    aanvulling.Schrijf(platform::NaarWindows1252(erna));
    Logbestand& bestand = wacht.Bestand(pad);
    if (!aanvulling.Sluit()) {
        // A refused append left the file as it was: one that agreed with the header and ended with a line
        // end still does, and is not read again at the next try (unless it changes meanwhile).
        const Bestandsstand na = stand.lengte == 0 || !voor.isEmpty() ? Bestandsstand{}
                                 : aanvulling.Teruggenomen()          ? StandVan(pad)
                                                                      : stand;
        if (na.lengte == stand.lengte && na.lengte > 0) {
            bestand.stand = na;
            bestand.kop = rijKop;
        } else {
            bestand.stand = {};
        }
        return Uitkomst::Geweigerd;
    }
    bestand.stand = StandVan(pad);
    bestand.kop = rijKop;
    VolgRegels(bestand.spoor, stand.lengte == 0, w, plaats, eigen);
    return Afgehandeld(b);
}

// Gives up the rows that wait for a full disk in the folder `map`, the folder of the file the question
// named (those of a folder that cannot be written go on waiting): the event log names them, and each
// file gets an end point before its next row.
void GeefWachtendOp(const QString& map) {
    for (Logbestand* b : wacht.Wachtrijen()) {
        const Wachtend& w = b->wacht;
        if (w.mapFout || b->map != map) continue;
        LogVerloren(b->pad, w.NietGeschreven(), w.EindpuntNietGeschreven() ? w.eindpunt : QString());
        wacht.GeefAllesOp(*b);
    }
    wacht.Ruim();
}

QString VerhuisVerweesdeRijen();

void VraagOverWachtend() {
    for (;;) {
        // The close asks about these rows itself (also in the place of this question, withdrawn).
        if (vraagBijSluiten) break;
        // What waits now: the lines taken while the question waited are written with the rest. A folder
        // that cannot be written has had its own box.
        VerhuisVerweesdeRijen();
        Logbestand* w = wacht.Eerste(false);
        if (!w) break;
        const QString pad = w->pad;
        if (SchrijfNaar(pad, w->wacht.kop) == Uitkomst::Geschreven) continue;
        IntrekbareMelding box;
        vraagPad = pad;
        vraagBox = &box;
        const int antwoord =
            ToonMelding(SchrijffoutTekst(pad), vbRetryCancel | vbExclamation, Gegevensbestand, box);
        vraagBox = nullptr;
        vraagPad.clear();
        // Withdrawn: its rows went elsewhere; what waits now is tried, and asked about by its own name.
        if (box.ingetrokken) continue;
        // Cancel gives up the rows of the file the box named, and of the files beside it on that disk;
        // rows waiting elsewhere are asked about by a box that names their file.
        if (antwoord != vbRetry) GeefWachtendOp(QFileInfo(pad).absolutePath());
    }
    vraagGepland = false;
}

void PlanVraag() {
    if (vraagGepland || vraagBijSluiten) return;
    vraagGepland = true;
    platform::klok().planIn(0, [] { NaastDeLus(VraagOverWachtend); });
}

// The files that began to give up rows in this snapshot are told: one box (the file, or the number of
// the data file's logging files that give up rows), and each of several in the event log.
void MeldOpgeven() {
    if (nieuwOpgegeven.isEmpty()) return;
    wacht.ZetOpgevenGemeld();
    QString tekst;
    if (nieuwOpgegeven.size() == 1) {
        tekst =
            nieuwOpgegeven.front() + CRLF + CRLF + VulIn(Tekst[TekstRijenOpgegeven], {nieuwOpgegevenTijd});
    } else {
        tekst =
            Gegevensbestand + CRLF + CRLF +
            VulIn(Tekst[TekstBestandenGevenOp], {QString::number(nieuwOpgegeven.size()), nieuwOpgegevenTijd});
        for (const QString& pad : nieuwOpgegeven)
            SchrijfLogboekRegel(0, 0,
                                Tekst[TekstDatalogger] + pad + QStringLiteral(": ") +
                                    VulIn(Tekst[TekstBestandGeeftOp], {nieuwOpgegevenTijd}));
    }
    nieuwOpgegeven.clear();
    nieuwOpgegevenTijd.clear();
    MeldNaastDeLus(tekst, vbOKOnly | vbExclamation);
}

// Appends a file's line (`eigen`, of `velden` fields) behind what waits for it. Lines a file cannot take
// wait (the user is asked, or told that its folder cannot be written); past the bound they are given up.
// `stand`: the file as the snapshot found it; `nagezien`: the snapshot's check of it.
void VoegToe(const QString& pad, const QString& kop, const Eigenregel& eigen, int velden,
             std::optional<Bestandsstand> stand = std::nullopt, const Nagezien* nagezien = nullptr) {
    if (SchrijfNaar(pad, kop, &eigen, stand, nagezien) == Uitkomst::Geschreven) return;
    Logbestand& b = wacht.MaakWachtrij(pad, kop);
    Wachtend& w = b.wacht;
    Geweigerd(b);
    const QByteArray bytes = platform::NaarWindows1252(eigen.regel);
    const uint64_t opname = eigen.rij ? eigen.opname : 0;
    if (w.opgegeven.aantal > 0 || w.eindpuntOpgegeven || !wacht.Past(bytes.size())) {
        if (wacht.GeefOp(b, eigen.tijd, eigen.eindpunt, velden, opname) && !nieuwOpgegeven.contains(pad)) {
            nieuwOpgegeven << pad;
            if (nieuwOpgegevenTijd.isEmpty()) nieuwOpgegevenTijd = eigen.tijd;
        }
        return;
    }
    wacht.Voeg(b, bytes, eigen.tijd, eigen.eindpunt, velden, opname, eigen.rij);
}

// The files of their own that units of one name were given and the event log has not named yet: it names
// each once a row or an end point goes there, not before (a file no line reaches is not named).
QSet<QString> ongenoemd;

// A line goes to the file: a file of its own is named in the event log when it is not yet.
void NoemEigenBestand(const QString& pad) {
    if (ongenoemd.remove(pad)) SchrijfLogboekRegel(0, 0, Tekst[TekstDatalogger] + pad);
}

// The lines of one snapshot, per file in the order the files were first used, and the header the
// current layout gives each file (its first user in the snapshot makes it). A file that is empty gets
// its header; rows go only into a file whose header agrees with it.
class Logschrijver {
public:
    explicit Logschrijver(QString afbakening) : m_q(std::move(afbakening)) {}

    int Bestand(const QString& pad) {
        const auto gevonden = m_index.constFind(pad);
        if (gevonden != m_index.constEnd()) return *gevonden;
        m_bestanden.push_back({pad, StandVan(pad)});
        const int nummer = static_cast<int>(m_bestanden.size() - 1);
        m_index.insert(pad, nummer);
        return nummer;
    }
    // The header the current layout gives the file.
    bool KopGemaakt(int bestand) const { return !m_bestanden[bestand].kop.isEmpty(); }
    void ZetKop(int bestand, const QString& kop) { m_bestanden[bestand].kop = kop; }
    void Veld(int bestand, const QString& tekst, bool laatste = false) {
        Entry& b = m_bestanden[bestand];
        VoegCsvVeldToe(b.inhoud, tekst, laatste, m_q);
        ++b.velden;
        if (laatste) ++b.regels;
    }
    // True when a file that holds lines already has a header naming other columns, or when the rows that
    // wait for a file are of another layout than the snapshot's (an empty file takes the header of the
    // rows that wait for it). A file the program left as it was keeps the header it had; one changed
    // since has its header read again. What is found of each file goes on to its write.
    bool AndereIndeling() {
        m_meldingen = MeldingenGetoond();
        for (Entry& b : m_bestanden) {
            const Logbestand* w = WachtendVan(b.pad);
            if (w && !ZelfdeIndeling(w->wacht.kop, b.kop)) return true;
            if (b.stand.lengte == 0) continue;
            if (!ZelfdeBestandZelfdeKop(b.pad, b.stand, b.kop)) return true;
            b.nagezien = true;
        }
        return false;
    }
    // Appends every file's lines: an empty file gets its header first, a file whose last line was cut
    // a line end. Lines a file cannot take wait for it while the user is asked. A measuring row keeps its
    // file among the running ones until its end point.
    void Schrijf(bool stop, const QString& tijd) {
        for (const Entry& b : m_bestanden) {
            if (b.inhoud.isEmpty()) continue;
            // An end point goes under its run's rows: a file that is gone (deleted while logging) is not
            // made again for it.
            if (stop && b.stand.lengte == 0 && !WachtendVan(b.pad)) {
                Logbestand& l = wacht.Bestand(b.pad);
                l.lopend = false;
                l.spoor.zonder.Voeg(Opnamenummer);
                continue;
            }
            NoemEigenBestand(b.pad);
            const Nagezien nagezien{b.stand, b.kop, m_meldingen};
            // The snapshot's own line: the line of the row the tables take with it.
            VoegToe(b.pad, b.kop, {b.inhoud, tijd, stop, Opnamenummer}, b.velden / std::max(b.regels, 1),
                    b.stand, b.nagezien ? &nagezien : nullptr);
            Logbestand& l = wacht.Bestand(b.pad);
            l.lopend = !stop;
            if (!stop) {
                l.lopendeVelden = b.velden / std::max(b.regels, 1);
                l.lopendeKop = b.kop;
            }
        }
    }

    // Whether the file is one of this snapshot's.
    bool Heeft(const QString& pad) const { return m_index.contains(pad); }

private:
    struct Entry {
        QString pad;
        Bestandsstand stand;
        QString kop = QString();
        QString inhoud = QString();
        int velden = 0;
        int regels = 0;
        // The snapshot found the file, standing as `stand`, to agree with `kop`.
        bool nagezien = false;
    };
    QString m_q;
    // The boxes shown when the snapshot checked its files.
    int m_meldingen = 0;
    std::vector<Entry> m_bestanden;
    QHash<QString, int> m_index;
};

QString VrijeNaamNaast(const QString& pad);

// Rows that wait for a file this snapshot has none for (the run left it: Save As or File > New under a
// name with markers, a move to a new name, another day) are tried as the snapshot's own files are, and
// reach their file as soon as it takes them; a file that refuses has the same question or folder box.
// Rows whose file holds another layout by now go on under the first free name beside it.
void SchrijfVerlatenBestanden(const Logschrijver& uit) {
    QStringList verlaten;
    for (const Logbestand* b : wacht.Wachtrijen())
        if (b->Wacht() && !uit.Heeft(b->pad)) verlaten << b->pad;
    for (qsizetype i = 0; i < verlaten.size(); ++i) {
        const QString pad = verlaten[i];
        Logbestand* w = WachtendVan(pad);
        if (!w) continue;
        const Uitkomst uitkomst = SchrijfNaar(pad, w->wacht.kop);
        if (uitkomst == Uitkomst::Geschreven) continue;
        if (uitkomst == Uitkomst::AndereIndeling) {
            const QString naast = VrijeNaamNaast(pad);
            wacht.Verhuis(pad, naast);
            VraagVolgtRijen(pad);
            VergeetStand(naast);
            SchrijfLogboekRegel(0, 0, Tekst[TekstDatalogger] + naast);
            verlaten << naast;
            continue;
        }
        Geweigerd(*w);
    }
}

// Every file of the run that has no end point yet gets one in the layout of its rows: the time and
// empty fields. A file that is gone, or whose header names other columns now (another file was put in
// its place, or its header was edited), is left as it is; so are the files in `verder`, whose rows go on
// in a file of the next name. `rij`: the end point is the line of the table row of this snapshot (an end
// of logging); otherwise the snapshot's row goes into another file, and the end point is no row's.
void BeeindigLopendeBestanden(const QString& tijd, const QString& afbakening, bool rij,
                              const QStringList& verder = {}) {
    std::vector<Logbestand*> lopend;
    wacht.VoorElk([&lopend](Logbestand& b) {
        if (b.lopend) lopend.push_back(&b);
    });
    for (Logbestand* l : lopend) {
        l->lopend = false;
        const QString pad = l->pad;
        if (verder.contains(pad)) continue;
        const Bestandsstand stand = StandVan(pad);
        // A file whose lines wait gets its end point behind them.
        if (!WachtendVan(pad) && (stand.lengte == 0 || !ZelfdeBestandZelfdeKop(pad, stand, l->lopendeKop))) {
            if (rij) l->spoor.zonder.Voeg(Opnamenummer);
            continue;
        }
        const QString kop = l->lopendeKop;
        const int velden = l->lopendeVelden;
        VoegToe(pad, kop, {Eindpuntregel(tijd, velden, afbakening), tijd, true, rij ? Opnamenummer : 0, rij},
                velden);
    }
}

// The data file's next name in its series: the name with "_2", "_3", ... before its extension, the
// first of which no logging file exists yet. A name that a change of layout made counts on from the
// name it came from.
QString VolgendeVrijeNaam(const QString& sjabloon) {
    QString stam = sjabloon, extensie;
    const qsizetype punt = sjabloon.lastIndexOf(QLatin1Char('.'));
    if (punt > sjabloon.lastIndexOf(QLatin1Char('/'))) {
        stam = sjabloon.left(punt);
        extensie = sjabloon.mid(punt);
    }
    if (sjabloon == reeksNaam && !reeksStam.isEmpty()) stam = reeksStam;
    for (int n = 2;; ++n) {
        const QString naam = stam + QLatin1Char('_') + QString::number(n) + extensie;
        const QStringList paden = LogBestanden(naam);
        if (std::none_of(paden.begin(), paden.end(), [](const QString& p) { return QFileInfo::exists(p); })) {
            reeksStam = stam;
            reeksNaam = naam;
            return naam;
        }
    }
}

// Logging goes on under a new data file name: the caption, the recent files, the setting of the last
// file and the event log name it.
void NieuwGegevensbestand(const QString& naam) {
    Gegevensbestand = naam;
    BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("LastFile"), naam);
    hoofdvenster().UpdateFileMenu(naam, QString());
    hoofdvenster().ZetTitel();
    SchrijfLogboekRegel(0, 0, Tekst[TekstDatalogger] + naam);
}

// The files whose waiting rows cannot go into them any more: each holds rows of another layout now (a
// file of another layout was put in its place while the rows waited).
QStringList Verweesd() {
    QStringList paden;
    for (const Logbestand* b : wacht.Wachtrijen()) {
        if (!b->Wacht()) continue;
        const Bestandsstand stand = StandVan(b->pad);
        if (stand.lengte > 0 && !ZelfdeBestandZelfdeKop(b->pad, stand, b->wacht.kop)) paden << b->pad;
    }
    return paden;
}

// The first free name beside a file: "name_2.csv", "name_3.csv", ...
QString VrijeNaamNaast(const QString& pad) {
    const QFileInfo info(pad);
    const QString extensie = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stam = extensie.isEmpty() ? pad : pad.left(pad.size() - extensie.size());
    for (int n = 2;; ++n) {
        const QString naam = stam + QLatin1Char('_') + QString::number(n) + extensie;
        if (!QFileInfo::exists(naam) && !wacht.Wachtrij(naam)) return naam;
    }
}

// The waiting rows of the files `paden` go on in the files the template `naar` gives in their place (a
// file not of the template `van`: the first free name beside it).
void VerhuisRijen(const QStringList& paden, const QString& van, const QString& naar) {
    const QStringList oud = LogBestanden(van);
    const QStringList nieuw = LogBestanden(naar);
    for (const QString& pad : paden) {
        const qsizetype i = oud.indexOf(pad);
        const QString doel = i >= 0 && i < nieuw.size() ? nieuw[i] : VrijeNaamNaast(pad);
        wacht.Verhuis(pad, doel);
        if (doel != pad) VraagVolgtRijen(pad);
        VergeetStand(doel);
        Logbestand* bron = wacht.Van(pad);
        if (bron && bron->lopend && doel != pad) {
            Logbestand& naar = wacht.Bestand(doel);
            naar.lopend = true;
            naar.lopendeVelden = bron->lopendeVelden;
            naar.lopendeKop = bron->lopendeKop;
            bron->lopend = false;
        }
    }
}

// Outside a snapshot: rows that wait for a file of another layout now go on under the data file's next
// free name (the caption and the event log name it). The new data file's name, or "" when none.
QString VerhuisVerweesdeRijen() {
    const QStringList verweesd = Verweesd();
    if (verweesd.isEmpty()) return QString();
    const QString sjabloon = Gegevensbestand;
    const QStringList eigen = LogBestanden(sjabloon);
    const bool vanSjabloon = std::any_of(verweesd.begin(), verweesd.end(),
                                         [&eigen](const QString& p) { return eigen.contains(p); });
    const QString naam = vanSjabloon ? VolgendeVrijeNaam(sjabloon) : QString();
    VerhuisRijen(verweesd, sjabloon, naam.isEmpty() ? sjabloon : naam);
    if (!naam.isEmpty()) NieuwGegevensbestand(naam);
    return naam;
}

// The five header fields of input i.
void KopVanIngang(QString& kop, const QString& t, const QString& q) {
    VoegCsvVeldToe(kop, QStringLiteral("Flags ") + t, false, q);
    VoegCsvVeldToe(kop, QStringLiteral("Value ") + t, false, q);
    VoegCsvVeldToe(kop, QStringLiteral("Unit ") + t, false, q);
    VoegCsvVeldToe(kop, QStringLiteral("Temp ") + t, false, q);
    VoegCsvVeldToe(kop, QStringLiteral("T.Unit ") + t, false, q);
}

// The header fields of a module: its four inputs and the info title.
void KopVanModule(QString& kop, int r, int m, bool laatste, const QString& q) {
    for (int i = 1; i <= AantalIngangen; ++i)
        KopVanIngang(kop, Titel(r, m, i), q);
    VoegCsvVeldToe(kop, QStringLiteral("Info ") + TrimSpaties(ModuleNaamVan(r, m)), laatste, q);
}

// A unit of logging: the rack, module and input whose rows one file holds (0 where the mode has none:
// the one file holds every rack, a rack's file its modules, a module's file its inputs).
struct Eenheid {
    int16_t r = 0;
    int16_t m = 0;
    int16_t i = 0;
};

// The units of the mode for the racks and modules present now, in the order of their rows.
std::vector<Eenheid> Eenheden(int16_t modus) {
    std::vector<Eenheid> eenheden;
    if (modus == LogEenBestand) return {Eenheid{}};
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) {
            eenheden.push_back({r, 0, 0});
            continue;
        }
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) eenheden.push_back({r, m, 0});
            if (modus == LogPerKanaal)
                for (int16_t i = 1; i <= AantalIngangen; ++i)
                    eenheden.push_back({r, m, i});
        }
    }
    return eenheden;
}

// The header line (with its line end) of the file of a unit: the time, then its inputs, five fields each,
// with the info field of each module.
QString KopVanEenheid(int16_t modus, const Eenheid& e, const QString& q) {
    QString kop;
    VoegCsvVeldToe(kop, QStringLiteral("Time"), false, q);
    if (modus == LogEenBestand || modus == LogPerRack) {
        for (int16_t r = 1; r <= AantalRacks; ++r) {
            if (!Racks[r].Present || (modus == LogPerRack && r != e.r)) continue;
            for (int16_t m = 1; m <= AantalModules; ++m)
                if (Racks[r].Modules[m].Present) KopVanModule(kop, r, m, false, q);
        }
        VoegCsvVeldToe(kop, QString(), true, q);
    } else if (modus == LogPerModule) {
        KopVanModule(kop, e.r, e.m, true, q);
    } else {
        const QString t = Titel(e.r, e.m, e.i);
        KopVanIngang(kop, t, q);
        VoegCsvVeldToe(kop, QStringLiteral("Info ") + t, true, q);
    }
    return kop;
}

// The five fields of input i of a snapshot.
void WaardenVanIngang(Logschrijver& uit, int bestand, int16_t r, int16_t m, int16_t i, bool stop) {
    KanaalRecord& meting = Racks[r].Modules[m].Meting[i];
    if (stop || !meting.Set) {
        for (int k = 0; k < 5; ++k)
            uit.Veld(bestand, QString());
        return;
    }
    // A module given up by the poll supervision holds only its last values, one not read since the
    // previous snapshot only the values of an earlier row, and one whose model a Search cleared only
    // those of its last log-on: none is logged as a measurement, its temperatures included (as for a
    // rack that is not measured).
    const bool meten = RackVlaggen[r].Measure && !ModuleOpgegeven(r, m) && !ModuleNietGelezen(r, m) &&
                       ModelVan(r, m).Bekend();
    KanaalRecord& temperatuur = Racks[r].Modules[m].Temperatuur[i];
    uit.Veld(bestand, QString::number(meting.Flags));
    uit.Veld(bestand, meten ? WaardeTekstPerModel(r, m, i) : QString());
    uit.Veld(bestand, EenheidTekstPerModel(r, m, i));
    uit.Veld(bestand, meten ? TemperatuurWaardeTekst(r, m, i) : QString());
    temperatuur.Unit = temperatuur.Unit.getrimd();
    uit.Veld(bestand, temperatuur.Unit.getrimd());
}

} // namespace

int16_t LogModus(const QString& sjabloon) {
    if (sjabloon.contains(MarkeringKanaal)) return LogPerKanaal;
    if (sjabloon.contains(MarkeringModule)) return LogPerModule;
    if (sjabloon.contains(MarkeringRack)) return LogPerRack;
    return LogEenBestand;
}

QString MaakBestandsnaam(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal) {
    QString s = TrimSpaties(SchoonVasteTekst(sjabloon, QString()));
    if (s.contains(MarkeringDatum)) {
        const QDate vandaag = platform::QDateTimeUitDatum(platform::Nu()).date();
        s = VervangTekst(s, MarkeringDatum, QLocale::c().toString(vandaag, QStringLiteral("yyMMdd")));
    }
    if (IsRack(rack)) {
        RackRecord& rr = Racks[rack];
        rr.Name = rr.Name.getrimd();
        s = VervangTekst(s, MarkeringRack, VeiligeNaam(rr.Name.getrimd()));
        if (IsModule(module)) {
            ModuleRecord& mr = rr.Modules[module];
            s = VervangTekst(s, MarkeringModule, VeiligeNaam(TrimSpaties(ModuleNaamVan(rack, module))));
            if (kanaal >= 1 && kanaal <= 2 * AantalIngangen && s.contains(MarkeringKanaal)) {
                QString naam;
                if (kanaal <= AantalIngangen) {
                    KanaalRecord& k = mr.Meting[kanaal];
                    k.Name = k.Name.getrimd();
                    naam = k.Name.getrimd();
                } else {
                    naam = mr.Meting[kanaal - AantalIngangen].Name.getrimd() + QStringLiteral("_DC");
                }
                s = VervangTekst(s, MarkeringKanaal, VeiligeNaam(naam));
            }
        }
    }
    for (const char* teken : {"?", "*", "<", ">", "|", "\""})
        s = VervangTekst(s, QString::fromLatin1(teken), QStringLiteral("_"));
    return s;
}

int32_t LengteLogBestand(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal) {
    const QString pad = MaakBestandsnaam(sjabloon, rack, module, kanaal);
    for (;;) {
        // Nothing appended: the file is made when it is missing.
        if (platform::VoegToeAanBestand(pad, QByteArray()))
            return static_cast<int32_t>(std::min<qint64>(QFileInfo(pad).size(), INT32_MAX));
        if (ToonMelding(SchrijffoutTekst(pad), vbRetryCancel | vbExclamation, Gegevensbestand) != vbRetry)
            return 0;
    }
}

QString WaardeTekstPerModel(int16_t rack, int16_t module, int16_t kanaal) {
    if (!IsRack(rack) || !IsModule(module)) return QString();
    return ModelVan(rack, module).waardeTekst(rack, module, kanaal);
}

QString EenheidTekstPerModel(int16_t rack, int16_t module, int16_t kanaal) {
    if (!IsRack(rack) || !IsModule(module)) return QString();
    return ModelVan(rack, module).eenheidTekst(rack, module, kanaal);
}

namespace {

// Units whose names give one file name (two racks whose modules have the same name, with "#module#" but
// not "#rack#"; inputs of one name in a rack, with "#channel#" but not "#module#") never share that file:
// rows go only under a header that names their inputs. The first keeps the file, or the one whose header
// the file holds already (a run logged before); each other gets a file of its own under the first free
// name beside it, "name_2.csv", "name_3.csv", ..., or one there that holds its header, and keeps it while
// the program runs (the event log names it once a line goes there). Here: the file of each of these
// units, by the file name and the unit.
QHash<QString, QString> eigenBestand;

QString EigenSleutel(const QString& naam, const Eenheid& e) {
    return naam + QLatin1Char('\n') + QString::number(e.r) + QLatin1Char('.') + QString::number(e.m) +
           QLatin1Char('.') + QString::number(e.i);
}

// The file of each unit of the template `sjabloon`, in the order of `eenheden`. `vastleggen`: the files
// given to units that share a name are kept for the run, and a file of its own is to be named in the event
// log once a line goes there.
QStringList BestandenVanEenheden(const QString& sjabloon, int16_t modus, const std::vector<Eenheid>& eenheden,
                                 bool vastleggen) {
    QStringList namen;
    QHash<QString, int> hoeveel;
    bool gedeeld = false;
    for (const Eenheid& e : eenheden) {
        namen << MaakBestandsnaam(sjabloon, e.r, e.m, e.i);
        gedeeld = ++hoeveel[namen.back()] > 1 || gedeeld;
    }
    if (!gedeeld && eigenBestand.isEmpty()) return namen;

    const qsizetype n = namen.size();
    QStringList paden(n);
    QSet<QString> bezet;
    const auto kop = [&](qsizetype k) { return KopVanEenheid(modus, eenheden[size_t(k)], TekstAfbakening); };
    const auto geef = [&](qsizetype k, const QString& pad) {
        paden[k] = pad;
        bezet.insert(pad);
        if (!vastleggen || hoeveel.value(namen[k]) < 2) return;
        const QString sleutel = EigenSleutel(namen[k], eenheden[size_t(k)]);
        if (eigenBestand.contains(sleutel)) return;
        eigenBestand.insert(sleutel, pad);
        if (pad != namen[k]) ongenoemd.insert(pad);
    };
    // A unit keeps the file it was given.
    for (qsizetype k = 0; k < n; ++k) {
        const auto eigen = eigenBestand.constFind(EigenSleutel(namen[k], eenheden[size_t(k)]));
        if (eigen != eigenBestand.constEnd() && !bezet.contains(*eigen)) geef(k, *eigen);
    }
    // A file that holds rows already stays with the unit its header names.
    for (qsizetype k = 0; k < n; ++k) {
        if (!paden[k].isEmpty() || hoeveel.value(namen[k]) < 2 || bezet.contains(namen[k])) continue;
        const Bestandsstand stand = StandVan(namen[k]);
        if (stand.lengte > 0 && ZelfdeBestandZelfdeKop(namen[k], stand, kop(k))) geef(k, namen[k]);
    }
    for (qsizetype k = 0; k < n; ++k) {
        if (!paden[k].isEmpty()) continue;
        if (!bezet.contains(namen[k])) {
            geef(k, namen[k]);
            continue;
        }
        // A name beside it that no other unit has, of a file that is not there or holds this unit's
        // header, and for which no rows of another layout wait.
        const QFileInfo info(namen[k]);
        const QString extensie = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        const QString stam = namen[k].left(namen[k].size() - extensie.size());
        const QString eigenKop = kop(k);
        for (int nr = 2;; ++nr) {
            const QString naam = stam + QLatin1Char('_') + QString::number(nr) + extensie;
            if (bezet.contains(naam) || hoeveel.contains(naam)) continue;
            const Logbestand* w = wacht.Wachtrij(naam);
            if (w && w->wacht.Wacht() && !ZelfdeIndeling(w->wacht.kop, eigenKop)) continue;
            const QFileInfo bestand(naam);
            const Bestandsstand stand = StandVan(naam);
            if (bestand.exists() &&
                !(bestand.isFile() && (stand.lengte == 0 || ZelfdeBestandZelfdeKop(naam, stand, eigenKop))))
                continue;
            geef(k, naam);
            break;
        }
    }
    return paden;
}

// True when the run went on in a new data file with this snapshot.
bool LogSnapshot(const QString& info, bool magVerhuizen) {
    const QString sjabloon = Gegevensbestand;
    // Without a data file there is nowhere to log to.
    if (TrimSpaties(sjabloon).isEmpty()) return false;
    const int16_t modus = LogModus(sjabloon);
    const bool stop = info == Stop;
    const QString infoTekst = stop ? QString() : info;
    Logschrijver uit(TekstAfbakening);

    // The files of this snapshot, worked out once: [rack][module][input], 0 where the mode has none.
    int een = -1;
    std::array<int, AantalRacks + 1> perRack{};
    std::array<std::array<int, AantalModules + 1>, AantalRacks + 1> perModule{};
    std::array<std::array<std::array<int, AantalIngangen + 1>, AantalModules + 1>, AantalRacks + 1>
        perKanaal{};

    // Header pass: the file of every unit of the mode (each its own), and the header the current layout
    // gives it.
    const std::vector<Eenheid> eenheden = Eenheden(modus);
    const QStringList paden = BestandenVanEenheden(sjabloon, modus, eenheden, true);
    for (size_t k = 0; k < eenheden.size(); ++k) {
        const Eenheid& e = eenheden[k];
        const int b = uit.Bestand(paden[static_cast<qsizetype>(k)]);
        if (!uit.KopGemaakt(b)) uit.ZetKop(b, KopVanEenheid(modus, e, TekstAfbakening));
        if (modus == LogEenBestand) een = b;
        if (modus == LogPerRack) perRack[e.r] = b;
        if (modus == LogPerModule) perModule[e.r][e.m] = b;
        if (modus == LogPerKanaal) perKanaal[e.r][e.m][e.i] = b;
    }

    const QString tijd = platform::DatumTijdTekst(TijdMeting);
    // Rows of one layout only under a file's header: when the layout of the racks is no longer that of
    // a file, the run ends there with its end point (in that file's layout) and goes on in new files
    // beside the old ones.
    // Rows that waited for a file that now holds another layout go on, with this snapshot's, in the file
    // of the next name: its header, the rows that waited, then this row.
    if (uit.AndereIndeling()) {
        const QStringList verweesd = Verweesd();
        BeeindigLopendeBestanden(tijd, TekstAfbakening, stop, verweesd);
        if ((stop && verweesd.isEmpty()) || !magVerhuizen) return false;
        const QString naam = VolgendeVrijeNaam(sjabloon);
        VerhuisRijen(verweesd, sjabloon, naam);
        NieuwGegevensbestand(naam);
        LogSnapshot(info, false);
        return !stop;
    }

    // Row pass.
    if (modus == LogEenBestand) uit.Veld(een, tijd);
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) uit.Veld(perRack[r], tijd);
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) uit.Veld(perModule[r][m], tijd);
            const int moduleBestand = modus == LogEenBestand ? een
                                      : modus == LogPerRack  ? perRack[r]
                                                             : perModule[r][m];
            for (int16_t i = 1; i <= AantalIngangen; ++i) {
                if (modus == LogPerKanaal) {
                    const int b = perKanaal[r][m][i];
                    uit.Veld(b, tijd);
                    WaardenVanIngang(uit, b, r, m, i, stop);
                    uit.Veld(b, infoTekst, true);
                } else {
                    WaardenVanIngang(uit, moduleBestand, r, m, i, stop);
                }
            }
            if (modus != LogPerKanaal) uit.Veld(moduleBestand, infoTekst, modus == LogPerModule);
        }
        if (modus == LogPerRack) uit.Veld(perRack[r], QString(), true);
    }
    if (modus == LogEenBestand) uit.Veld(een, QString(), true);

    uit.Schrijf(stop, tijd);
    if (stop) {
        // The end reaches every file the run wrote rows to since its last end point, also one whose name
        // the template no longer gives (a day the clock has left while no row of the new day came yet),
        // at the time of the end.
        BeeindigLopendeBestanden(tijd, TekstAfbakening, true);
    } else {
        // The run's rows go on in this snapshot's files: a file it left (a former day's, one under a
        // former name) is no longer among its own, and no later end or change of layout writes there.
        wacht.VoorElk([&uit](Logbestand& b) {
            if (b.lopend && !uit.Heeft(b.pad)) b.lopend = false;
        });
    }
    SchrijfVerlatenBestanden(uit);
    // The run has ended: a folder that still cannot be written is reported again in the next one.
    if (stop) gemeldeMappen.clear();
    return false;
}

} // namespace

bool LogMeting(const QString& info) {
    const bool verder = LogSnapshot(info, true);
    MeldOpgeven();
    VraagZonderRijen();
    return verder;
}

QStringList LogBestanden(const QString& sjabloon) {
    QStringList paden;
    if (TrimSpaties(sjabloon).isEmpty()) return paden;
    const int16_t modus = LogModus(sjabloon);
    for (const QString& pad : BestandenVanEenheden(sjabloon, modus, Eenheden(modus), false))
        if (!paden.contains(pad)) paden.append(pad);
    return paden;
}

bool BeginLogging() {
    gemeldeMappen.clear();
    wacht.VoorElk([](Logbestand& b) { b.lopend = false; });
    bool schrijfbaar = true;
    QSet<QString> gezien;
    for (const QString& pad : LogBestanden(Gegevensbestand)) {
        const QString map = QFileInfo(pad).absolutePath();
        if (gezien.contains(map)) continue;
        gezien.insert(map);
        if (MapNietSchrijfbaar(map, false)) schrijfbaar = false;
    }
    return schrijfbaar;
}

Regelspoor RegelspoorVan(const QString& pad) {
    const Logbestand* b = wacht.Van(pad);
    return b ? b->spoor : Regelspoor();
}

void RegelsZijnRijen(const QString& pad) {
    if (Logbestand* b = wacht.Van(pad)) b->spoor = {};
}

void ZetWachtendGrens(qsizetype bytes) {
    wacht.ZetGrens(bytes);
}

bool SchrijfWachtendeRegels() {
    VerhuisVerweesdeRijen();
    while (Logbestand* w = wacht.Eerste()) {
        const QString pad = w->pad;
        if (SchrijfNaar(pad, w->wacht.kop) != Uitkomst::Geschreven) return false;
    }
    VraagZonderRijen();
    return true;
}

QString WachtendBestand() {
    const Logbestand* w = wacht.Eerste();
    return w ? w->pad : QString();
}

void BeeindigWachtendeRegels() {
    SchrijfWachtendeRegels();
    for (const Logbestand* b : wacht.Wachtrijen())
        LogVerloren(b->pad, b->wacht.NietGeschreven(),
                    b->wacht.EindpuntNietGeschreven() ? b->wacht.eindpunt : QString());
    wacht.Leeg();
}

WachtendeVraagBijSluiten::WachtendeVraagBijSluiten() : m_was(vraagBijSluiten) {
    vraagBijSluiten = true;
}

WachtendeVraagBijSluiten::~WachtendeVraagBijSluiten() {
    vraagBijSluiten = m_was;
    if (!vraagBijSluiten && wacht.Eerste(false)) PlanVraag();
}

void TrekWachtendeVraagIn() {
    if (vraagBox) TrekMeldingIn(vraagBox->nummer);
}

namespace {

// The time of a file's line, its first field; false for a line that holds none (a header).
bool TijdVanRegel(QByteArrayView regel, platform::Datum& tijd) {
    // The time is the first of many fields: the line's head holds it.
    const QString veld = SplitsVelden(platform::VanWindows1252(
                                          regel.first(std::min<qsizetype>(regel.size(), 128)).toByteArray()))
                             .value(0);
    return !veld.isEmpty() && platform::LeesDatumTijd(veld, tijd);
}

// A line where it lies (in a piece of what waits, or in the content read), with its line end, and its
// time.
struct Tijdregel {
    const QByteArray* bytes = nullptr;
    qsizetype begin = 0;
    qsizetype lengte = 0;
    platform::Datum tijd = 0;
    bool heeftTijd = false;

    QByteArrayView Bytes() const { return QByteArrayView(bytes->constData() + begin, lengte); }
    // The line without its line end.
    QByteArrayView Tekst() const {
        QByteArrayView t = Bytes();
        while (t.endsWith('\n') || t.endsWith('\r'))
            t.chop(1);
        return t;
    }
};

// The lines of `bytes`, each with its line end (a last one without it counts too).
void VoegRegelsToe(const QByteArray& bytes, std::vector<Tijdregel>& regels) {
    for (qsizetype begin = 0; begin < bytes.size();) {
        const qsizetype einde = bytes.indexOf('\n', begin);
        const qsizetype volgende = einde < 0 ? bytes.size() : einde + 1;
        Tijdregel regel{&bytes, begin, volgende - begin};
        regel.heeftTijd = TijdVanRegel(regel.Bytes(), regel.tijd);
        regels.push_back(regel);
        begin = volgende;
    }
}

// The lines given up for a file since it last took rows, by their times: how many, the first and the
// last (none when a time cannot be read).
struct Opgegeven {
    qsizetype aantal = 0;
    platform::Datum van = 0;
    platform::Datum tot = 0;
};
Opgegeven OpgegevenVan(const Wachtend& w) {
    QStringList tijden;
    if (w.opgegeven.aantal > 0) tijden << w.opgegeven.eerste << w.opgegeven.laatste;
    if (w.eindpuntOpgegeven) tijden << w.eindpunt;
    Opgegeven o;
    for (qsizetype i = 0; i < tijden.size(); ++i) {
        platform::Datum t = 0;
        if (!platform::LeesDatumTijd(tijden[i], t)) return {};
        o.van = i == 0 ? t : std::min(o.van, t);
        o.tot = i == 0 ? t : std::max(o.tot, t);
    }
    o.aantal = w.opgegeven.aantal + (w.eindpuntOpgegeven ? 1 : 0);
    return o;
}

// The earliest time among the lines (none when no line holds one).
std::optional<platform::Datum> VroegsteTijd(const std::vector<Tijdregel>& regels) {
    std::optional<platform::Datum> vroegst;
    for (const Tijdregel& r : regels)
        if (r.heeftTijd && (!vroegst || r.tijd < *vroegst)) vroegst = r.tijd;
    return vroegst;
}

} // namespace

bool VoegWachtendeRijenIn(const QString& naam, const QString& kopie, Invoeging& invoeging) {
    invoeging = {};
    const Logbestand* b = wacht.Wachtrij(naam);
    if (!b) return true;
    const Wachtend& w = b->wacht;
    // The waiting lines, where they lie, and the time of the first taken.
    std::vector<Tijdregel> wachtend;
    for (const QByteArray& stuk : w.stukken)
        VoegRegelsToe(stuk, wachtend);
    // The lines given up (past the bound: after those that wait) are known by their times alone: the
    // measuring rows from the first to the last, and the end point.
    const Opgegeven opgegeven = OpgegevenVan(w);
    std::optional<platform::Datum> eerste = VroegsteTijd(wachtend);
    if (opgegeven.aantal > 0 && (!eerste || opgegeven.van < *eerste)) eerste = opgegeven.van;
    if (!eerste) return true;
    const qint64 lengte = QFileInfo(kopie).size();
    if (lengte <= 0) return true;
    // Rows only under a header of their layout. Under their own header a row the content holds is told
    // by its line; under one that names the inputs otherwise (the table's) by its time.
    const QString kop = EersteRegel(kopie);
    QStringView verwacht(w.kop);
    if (verwacht.endsWith(CRLF)) verwacht.chop(CRLF.size());
    if (!KopPast(SplitsVelden(kop), SplitsVelden(verwacht))) return true;
    const bool zelfdeRegels = kop == verwacht;
    QFile f(kopie);
    if (!f.open(QIODevice::ReadWrite)) return platform::OnthoudSchrijffout(errno);
    // From the end, the lines of rows taken from the first waiting row's time on: only those are read, in
    // blocks from the end. `na`: where they begin in the file; `staart`: the file from `van` on.
    QByteArray staart;
    qint64 van = lengte, na = lengte, blok = 64 * 1024;
    bool houdtRijen = true;
    for (;;) {
        const qsizetype eind = static_cast<qsizetype>(na - van);
        const qsizetype vorige = eind >= 2 ? staart.lastIndexOf('\n', eind - 2) : -1;
        if (vorige < 0 && van > 0) {
            const qint64 nieuwVan = std::max<qint64>(0, van - blok);
            blok *= 2;
            if (!f.seek(nieuwVan)) return platform::OnthoudSchrijffout(errno);
            const QByteArray ervoor = f.read(van - nieuwVan);
            if (ervoor.size() != van - nieuwVan) return platform::OnthoudSchrijffout(errno);
            staart.prepend(ervoor);
            van = nieuwVan;
            continue;
        }
        const qsizetype begin = vorige + 1;
        // The header line: every row of the content comes after it.
        if (van + begin == 0) {
            houdtRijen = false;
            break;
        }
        platform::Datum tijd = 0;
        if (!TijdVanRegel(QByteArrayView(staart).sliced(begin, eind - begin), tijd) || tijd < *eerste) break;
        na = van + begin;
    }
    // Every row of the content came before them: they follow it as waiting rows do.
    if (na == lengte) return true;
    const QByteArray later = staart.mid(static_cast<qsizetype>(na - van));
    staart.clear();
    std::vector<Tijdregel> inhoud;
    VoegRegelsToe(later, inhoud);

    // A waiting row the content holds already (the table took it, or a copy holds it) is not put in
    // again: each is matched with one of the content's rows of its time.
    std::multimap<platform::Datum, size_t> ongepaard;
    for (size_t i = 0; i < inhoud.size(); ++i)
        if (inhoud[i].heeftTijd) ongepaard.emplace(inhoud[i].tijd, i);
    std::vector<Tijdregel> nieuw;
    bool gehouden = false;
    for (const Tijdregel& r : wachtend) {
        auto [gelijk, eind] =
            r.heeftTijd ? ongepaard.equal_range(r.tijd) : std::pair{ongepaard.end(), ongepaard.end()};
        while (gelijk != eind && zelfdeRegels && inhoud[gelijk->second].Tekst() != r.Tekst())
            ++gelijk;
        if (gelijk == eind) {
            nieuw.push_back(r);
            continue;
        }
        ongepaard.erase(gelijk);
        gehouden = true;
    }
    // The rows given up are in the content when it holds, besides the rows that wait, as many of their
    // times (the table took them): the file then has every row, and no break.
    if (opgegeven.aantal > 0) {
        const auto van = ongepaard.lower_bound(opgegeven.van);
        const auto tot = ongepaard.upper_bound(opgegeven.tot);
        invoeging.opgegeven = std::distance(van, tot) >= opgegeven.aantal;
    }
    // The content holds every one of them (when none waits: the rows given up).
    if (nieuw.empty()) {
        invoeging.ingevoegd = w.Wacht() || invoeging.opgegeven;
        return true;
    }
    // They go before the content's first row taken after the first of them that it lacks.
    const platform::Datum vanaf = VroegsteTijd(nieuw).value_or(*eerste);
    const auto plaats = std::find_if(inhoud.cbegin(), inhoud.cend(),
                                     [vanaf](const Tijdregel& r) { return r.heeftTijd && r.tijd > vanaf; });
    // After every row of the content, and none of them held: they follow it as waiting rows do.
    if (plaats == inhoud.cend() && !gehouden) return true;
    const qsizetype invoeg = plaats == inhoud.cend() ? later.size() : plaats->begin;
    QString ervoor, erna;
    // Behind a last line that was cut off, on a line of their own.
    if (invoeg == later.size() && !later.endsWith('\n'))
        ervoor = later.endsWith('\r') ? QStringLiteral("\n") : CRLF;
    const Breukplaats breuk = Breukpunt(invoeging.opgegeven ? nullptr : &w, true, false,
                                        houdtRijen || plaats != inhoud.cbegin(), ervoor, erna);
    const qint64 schrijfVan = na + invoeg;
    const auto schrijf = [&f](QByteArrayView stuk) {
        return f.write(stuk.data(), stuk.size()) == stuk.size();
    };
    bool goed = f.resize(schrijfVan) && f.seek(schrijfVan) && schrijf(platform::NaarWindows1252(ervoor));
    // Lines that lie one after the other in a piece are written together.
    for (size_t i = 0; goed && i < nieuw.size();) {
        size_t j = i + 1;
        while (j < nieuw.size() && nieuw[j].bytes == nieuw[i].bytes &&
               nieuw[j].begin == nieuw[j - 1].begin + nieuw[j - 1].lengte)
            ++j;
        const Tijdregel& laatste = nieuw[j - 1];
        goed = schrijf(QByteArrayView(nieuw[i].bytes->constData() + nieuw[i].begin,
                                      laatste.begin + laatste.lengte - nieuw[i].begin));
        i = j;
    }
    goed = goed && schrijf(platform::NaarWindows1252(erna)) &&
           schrijf(QByteArrayView(later).sliced(invoeg)) && f.flush();
    if (!goed) return platform::OnthoudSchrijffout(errno);
    if (!NaarSchijf(f.handle())) return platform::OnthoudSchrijffout(errno);
    invoeging.ingevoegd = true;
    // The end point goes before the rows put in (the content's rows before them were taken before), or
    // behind them.
    if (breuk == Breukplaats::Ervoor)
        invoeging.losse.push_back({w.breuk, w.opnames.Eerste() > 0 ? w.opnames.Eerste() - 1 : 0});
    if (breuk == Breukplaats::Erna) invoeging.losse.push_back({w.breuk, w.opnames.Laatste()});
    return true;
}

void NeemWachtendeRijenMee(const QString& sjabloon, const QString& naam, bool gekopieerd,
                           const Invoeging& invoeging) {
    // The new file holds the old one's lines (a copy), or the tables' rows; and the end point of a break
    // the merge put in.
    const QString oud = MaakBestandsnaam(sjabloon, 0, 0, 0);
    Regelspoor spoor = gekopieerd && oud != naam ? RegelspoorVan(oud) : Regelspoor();
    spoor.losse.insert(spoor.losse.end(), invoeging.losse.begin(), invoeging.losse.end());
    wacht.Bestand(naam).spoor = std::move(spoor);
    // The run goes on in the new file: a file it logged into before gets no end point of it any more.
    const QStringList eigen = LogBestanden(naam);
    wacht.VoorElk([&eigen](Logbestand& l) {
        if (!eigen.contains(l.pad)) l.lopend = false;
    });
    // The rows that waited for the file of the new name are in it, where they were taken; so are the rows
    // given up for it when the new content held them: the event log does not name them.
    if (Logbestand* doel = invoeging.ingevoegd ? wacht.Wachtrij(naam) : nullptr) {
        VraagVolgtRijen(naam);
        VergeetStand(naam);
        if (invoeging.opgegeven)
            wacht.Geschreven(*doel);
        else
            Afgehandeld(doel);
    }
    // A template that splits the rows, or names the day, has files the copy did not make.
    if (LogModus(sjabloon) != LogEenBestand || sjabloon.contains(MarkeringDatum)) return;
    Logbestand* bron = wacht.Wachtrij(oud);
    if (!bron) return;
    VraagVolgtRijen(oud);
    if (!gekopieerd) {
        // The table written into the new file holds every row, also those that waited.
        wacht.Geschreven(*bron);
        return;
    }
    wacht.Verhuis(oud, naam);
    VergeetStand(naam);
    Logbestand* w = WachtendVan(naam);
    if (!w || SchrijfNaar(naam, w->wacht.kop) == Uitkomst::Geschreven) return;
    // They wait for the new file as any rows do.
    Geweigerd(*w);
}

void ZetStandFunctie(std::function<void(Bestandsstand&)> functie) {
    standFunctie = std::move(functie);
}

void ZetKopLeesFunctie(std::function<void(const QString&)> functie) {
    kopLeesFunctie = std::move(functie);
}

void ResetLogbestanden() {
    standFunctie = nullptr;
    kopLeesFunctie = nullptr;
    gemeldeMappen.clear();
    reeksNaam.clear();
    reeksStam.clear();
    wacht.Reset();
    eigenBestand.clear();
    ongenoemd.clear();
    vraagGepland = false;
    vraagBijSluiten = false;
    vraagPad.clear();
    vraagBox = nullptr;
    nieuwOpgegeven.clear();
    nieuwOpgegevenTijd.clear();
}
