#include "files/Logbestanden.h"

#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "files/CsvVelden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
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
#include <deque>
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

// Lines that could not be appended to their file (a full disk, a folder that cannot be written), per file
// in the order the files failed, each behind the header or line end it needed. While a file has lines
// waiting, its new lines join them, so that they keep their order, and every later snapshot tries them
// first: the first append that succeeds writes them, then its own row. The question about a full disk
// (Retry, Cancel) is asked from the event loop, where it waits beside the run as every box does: logging
// goes on taking rows behind it. Retry writes what waits once the user has made room; Cancel gives up the
// waiting lines of every file. A folder that cannot be written has its own box (OK alone) once per run
// and no question. All the files together hold at most WachtendGrens bytes: past it, a file's new rows are
// given up, told by one box per spell of refusals; an end point follows the last row kept, so that the
// file shows the break, and the event log names how many rows were given up, from when to when, once the
// spell ends.
struct Regelreeks {
    int aantal = 0;
    QString eerste;
    QString laatste;
    void Voeg(const QString& tijd) {
        if (aantal++ == 0) eerste = tijd;
        laatste = tijd;
    }
};
struct WachtendeRegels {
    QString pad;
    QString kop;
    QByteArray bytes;
    // The rows that wait, and those given up since the bound was reached.
    Regelreeks rijen;
    Regelreeks opgegeven;
    // The folder cannot be written: told by its own box, not asked about.
    bool mapFout = false;
    // The fields of the rows, for the end point that marks a break.
    int velden = 0;
};
std::deque<WachtendeRegels> wachtend;
qsizetype wachtendTotaal = 0;
bool vraagGepland = false;
bool opgevenGemeld = false;
constexpr qsizetype StandaardWachtendGrens = 64 << 20;
qsizetype wachtendGrens = StandaardWachtendGrens;

// A file whose rows were given up by Cancel: the end point that marks the break goes before its next
// row (its time that of the first row given up, its layout that of the rows).
struct Breuk {
    QString tijd;
    int velden = 0;
};
QHash<QString, Breuk> breuken;

std::deque<WachtendeRegels>::iterator ZoekWachtend(const QString& pad) {
    return std::find_if(wachtend.begin(), wachtend.end(), [&pad](const WachtendeRegels& r) { return r.pad == pad; });
}
WachtendeRegels* WachtendVan(const QString& pad) {
    const auto w = ZoekWachtend(pad);
    return w == wachtend.end() ? nullptr : &*w;
}
// Whether rows are being given up now: the box that tells it comes once per spell.
void HerzieOpgeven() {
    opgevenGemeld = std::any_of(wachtend.begin(), wachtend.end(),
                                [](const WachtendeRegels& r) { return r.opgegeven.aantal > 0; });
}

constexpr int TekstOngeldigeMap = 269;   // "The specified file map is invalid!"
constexpr int TekstDatalogger = 458;     // "Data logger: "
constexpr int TekstRijenOpgegeven = 492; // "... rows are given up from ## on."
constexpr int TekstRijenVerloren = 493;  // "## rows not written, from ## to ##"

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

// True when the folder of a logging file cannot be written (reported once per run).
bool MapNietSchrijfbaar(const QString& pad, bool wachten) {
    const QString map = QFileInfo(pad).absolutePath();
    QString reden;
    if (platform::MapIsSchrijfbaar(map, &reden)) return false;
    MeldMap(map, reden, wachten);
    return true;
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

// The event-log line of rows that did not reach their file.
void LogVerloren(const QString& pad, const Regelreeks& reeks) {
    if (reeks.aantal == 0) return;
    SchrijfLogboekRegel(
        0, 0,
        Tekst[TekstDatalogger] + pad + QStringLiteral(": ") +
            VulIn(Tekst[TekstRijenVerloren], {QString::number(reeks.aantal), reeks.eerste, reeks.laatste}));
}

// The end point of a run whose rows have `velden` fields: the time and empty fields.
QString Eindpuntregel(const QString& tijd, int velden, const QString& afbakening) {
    QString regel;
    VoegCsvVeldToe(regel, tijd, velden <= 1, afbakening);
    for (int v = 2; v <= velden; ++v)
        VoegCsvVeldToe(regel, QString(), v == velden, afbakening);
    return regel;
}

// A file's length and modification time as the system gives them now (0 and no time when it is not
// there).
struct Bestandsstand {
    qint64 lengte = 0;
    QDateTime tijd;
    bool operator==(const Bestandsstand&) const = default;
};
Bestandsstand StandVan(const QString& pad) {
    const QFileInfo info(pad);
    if (!info.isFile()) return {};
    return {info.size(), info.lastModified()};
}

// What the program knows of a logging file it appended to: its length and modification time after the
// append, and the header it was found to agree with. While both are still those, the file has not been
// touched since: it still agrees with that header and ends with a line end. A file changed behind the
// program (another length, or the same length written again) has its header read again.
struct BekendBestand {
    Bestandsstand stand;
    QString kop;
};
QHash<QString, BekendBestand> bekend;

// True when the file was left as the program last wrote it.
bool Onaangeroerd(const QString& pad, const Bestandsstand& stand) {
    const auto b = bekend.constFind(pad);
    return b != bekend.constEnd() && stand.lengte > 0 && b->stand == stand;
}

// The files that got measuring rows in this logging run and no end point since, with the number of
// fields of their rows and the header they were written under: an end point of that layout ends them.
struct LopendBestand {
    int velden = 0;
    QString kop;
};
QHash<QString, LopendBestand> lopend;
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

// The first line of a file, without its line end.
QString EersteRegel(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    QByteArray regel = f.readLine(4 << 20);
    while (regel.endsWith('\n') || regel.endsWith('\r'))
        regel.chop(1);
    return platform::VanWindows1252(regel);
}

// Whether the file's first line names the columns of the header line `kop` (with its line end).
bool HeeftKop(const QString& pad, const QString& kop) {
    QStringView verwacht(kop);
    if (verwacht.endsWith(CRLF)) verwacht.chop(CRLF.size());
    return KopPast(SplitsVelden(EersteRegel(pad)), SplitsVelden(verwacht));
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

// A file's lines have reached it: what was given up meanwhile is named in the event log.
void Geschreven(std::deque<WachtendeRegels>::iterator w) {
    bekend.insert(w->pad, {StandVan(w->pad), w->kop});
    LogVerloren(w->pad, w->opgegeven);
    wachtendTotaal -= w->bytes.size();
    wachtend.erase(w);
    HerzieOpgeven();
}

// The rows of a file that are still not written: those waiting and those given up.
Regelreeks NietGeschreven(const WachtendeRegels& w) {
    Regelreeks alles = w.rijen;
    if (w.opgegeven.aantal > 0) {
        if (alles.aantal == 0) alles.eerste = w.opgegeven.eerste;
        alles.aantal += w.opgegeven.aantal;
        alles.laatste = w.opgegeven.laatste;
    }
    return alles;
}

// Gives up the lines that wait for a full disk (those of a folder that cannot be written go on waiting):
// the event log names them, and each file gets an end point before its next row.
void GeefWachtendOp() {
    for (auto w = wachtend.begin(); w != wachtend.end();) {
        if (w->mapFout) {
            ++w;
            continue;
        }
        LogVerloren(w->pad, NietGeschreven(*w));
        if (w->rijen.aantal > 0 && w->velden > 0 && StandVan(w->pad).lengte > 0)
            breuken.insert(w->pad, {w->rijen.eerste, w->velden});
        wachtendTotaal -= w->bytes.size();
        w = wachtend.erase(w);
    }
    HerzieOpgeven();
}

void VraagOverWachtend() {
    for (;;) {
        // What waits now: the lines taken while the question waited are written with the rest. A folder
        // that cannot be written has had its own box.
        const auto w = std::find_if(wachtend.begin(), wachtend.end(),
                                    [](const WachtendeRegels& r) { return !r.mapFout; });
        if (w == wachtend.end()) break;
        const QString pad = w->pad;
        if (platform::VoegToeAanBestand(pad, w->bytes)) {
            Geschreven(w);
            continue;
        }
        if (ToonMelding(SchrijffoutTekst(pad), vbRetryCancel | vbExclamation, Gegevensbestand) != vbRetry) {
            GeefWachtendOp();
            break;
        }
    }
    vraagGepland = false;
}

void PlanVraag() {
    if (vraagGepland) return;
    vraagGepland = true;
    platform::klok().planIn(0, [] { NaastDeLus(VraagOverWachtend); });
}

// The row (or end point) at `tijd` does not fit under the bound: it is given up. The first of a spell
// puts an end point behind the rows kept and is told.
void GeefOp(WachtendeRegels& w, const QString& tijd, int velden, bool eindpunt) {
    if (w.opgegeven.aantal == 0 && !eindpunt && velden > 0) {
        const QByteArray breuk = platform::NaarWindows1252(Eindpuntregel(tijd, velden, TekstAfbakening));
        w.bytes += breuk;
        wachtendTotaal += breuk.size();
    }
    w.opgegeven.Voeg(tijd);
    if (opgevenGemeld) return;
    opgevenGemeld = true;
    MeldNaastDeLus(w.pad + CRLF + CRLF + VulIn(Tekst[TekstRijenOpgegeven], {tijd}), vbOKOnly | vbExclamation);
}

// Appends a file's lines (the row or end point at `tijd`, of `velden` fields), after `begin` (its
// header, or the line end a cut last line needs). Lines a file cannot take wait (the user is asked, or
// told that its folder cannot be written); past the bound they are given up. The file is known as it stands afterwards, under the header `kop`.
void VoegToe(const QString& pad, const QString& kop, const QString& begin, const QString& regels,
             const QString& tijd, int velden, bool eindpunt) {
    QString nieuw = regels;
    // A break left by rows given up is marked before the next row.
    if (const auto breuk = breuken.constFind(pad); breuk != breuken.constEnd()) {
        if (!eindpunt && begin != kop)
            nieuw = Eindpuntregel(breuk->tijd, breuk->velden, TekstAfbakening) + regels;
        breuken.erase(breuk);
    }
    QString voor = begin;
    if (const auto w = ZoekWachtend(pad); w != wachtend.end()) {
        // What waits goes first (it holds what the file needed before its rows); the snapshot's own row
        // follows it.
        if (platform::VoegToeAanBestand(pad, w->bytes)) {
            Geschreven(w);
            voor.clear();
        } else {
            // A folder that cannot be written is told again in a new run; one that can be written again,
            // while the file still cannot take its rows, has the question of a full disk.
            w->mapFout = MapNietSchrijfbaar(pad, true);
            if (!w->mapFout) PlanVraag();
            const QByteArray eigen = platform::NaarWindows1252(nieuw);
            if (w->opgegeven.aantal > 0 || wachtendTotaal + eigen.size() > wachtendGrens) {
                GeefOp(*w, tijd, velden, eindpunt);
                return;
            }
            w->bytes += eigen;
            wachtendTotaal += eigen.size();
            w->rijen.Voeg(tijd);
            if (!eindpunt) w->velden = velden;
            return;
        }
    }
    const QByteArray bytes = platform::NaarWindows1252(voor + nieuw);
    if (platform::VoegToeAanBestand(pad, bytes)) {
        bekend.insert(pad, {StandVan(pad), kop});
        return;
    }
    bekend.remove(pad);
    const bool mapFout = MapNietSchrijfbaar(pad, true);
    wachtend.push_back({pad, kop, QByteArray(), {}, {}, mapFout, velden});
    WachtendeRegels& w = wachtend.back();
    if (wachtendTotaal + bytes.size() > wachtendGrens) {
        // Only what the row needed before it waits: the header of an empty file, a cut line's end.
        w.bytes = platform::NaarWindows1252(voor);
        wachtendTotaal += w.bytes.size();
        GeefOp(w, tijd, !voor.isEmpty() && voor == kop ? 0 : velden, eindpunt);
    } else {
        w.bytes = bytes;
        wachtendTotaal += bytes.size();
        w.rijen.Voeg(tijd);
    }
    if (!mapFout) PlanVraag();
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
    // True once per file and snapshot: its header is to be made now.
    bool MaakKop(int bestand) { return !std::exchange(m_bestanden[bestand].kopGemaakt, true); }
    void Kop(int bestand, const QString& tekst, bool laatste = false) {
        VoegCsvVeldToe(m_bestanden[bestand].kop, tekst, laatste, m_q);
    }
    void Veld(int bestand, const QString& tekst, bool laatste = false) {
        Entry& b = m_bestanden[bestand];
        VoegCsvVeldToe(b.inhoud, tekst, laatste, m_q);
        ++b.velden;
        if (laatste) ++b.regels;
    }
    // True when a file that holds lines already has a header naming other columns. A file the program
    // left as it was keeps the header it had; one changed since has its header read again.
    bool AndereIndeling() const {
        for (const Entry& b : m_bestanden) {
            if (b.stand.lengte == 0 || WachtendVan(b.pad)) continue;
            if (Onaangeroerd(b.pad, b.stand) && bekend.value(b.pad).kop == b.kop) continue;
            if (!HeeftKop(b.pad, b.kop)) return true;
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
                lopend.remove(b.pad);
                continue;
            }
            const QString begin = b.stand.lengte == 0 ? b.kop : Regelbegin(b.pad, b.stand);
            VoegToe(b.pad, b.kop, begin, b.inhoud, tijd, b.velden / std::max(b.regels, 1), stop);
            if (stop)
                lopend.remove(b.pad);
            else
                lopend.insert(b.pad, {b.velden / std::max(b.regels, 1), b.kop});
        }
    }

private:
    struct Entry {
        QString pad;
        Bestandsstand stand;
        QString kop = QString();
        bool kopGemaakt = false;
        QString inhoud = QString();
        int velden = 0;
        int regels = 0;
    };
    QString m_q;
    std::vector<Entry> m_bestanden;
    QHash<QString, int> m_index;
};

// Every file of the run that has no end point yet gets one in the layout of its rows: the time and
// empty fields. A file that is gone, or whose header names other columns now (another file was put in
// its place, or its header was edited), is left as it is.
void BeeindigLopendeBestanden(const QString& tijd, const QString& afbakening) {
    for (auto l = lopend.constBegin(); l != lopend.constEnd(); ++l) {
        const QString& pad = l.key();
        const LopendBestand& run = l.value();
        const Bestandsstand stand = StandVan(pad);
        // A file whose lines wait gets its end point behind them.
        if (!WachtendVan(pad)) {
            if (stand.lengte == 0) continue;
            if (!Onaangeroerd(pad, stand) && !HeeftKop(pad, run.kop)) continue;
        }
        VoegToe(pad, run.kop, Regelbegin(pad, stand), Eindpuntregel(tijd, run.velden, afbakening), tijd,
                run.velden, true);
    }
    lopend.clear();
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

// The five header fields of input i.
void KopVanIngang(Logschrijver& uit, int bestand, const QString& t) {
    uit.Kop(bestand, QStringLiteral("Flags ") + t);
    uit.Kop(bestand, QStringLiteral("Value ") + t);
    uit.Kop(bestand, QStringLiteral("Unit ") + t);
    uit.Kop(bestand, QStringLiteral("Temp ") + t);
    uit.Kop(bestand, QStringLiteral("T.Unit ") + t);
}

// The header fields of a module: its four inputs and the info title.
void KopVanModule(Logschrijver& uit, int bestand, int r, int m, bool laatste) {
    for (int i = 1; i <= AantalIngangen; ++i)
        KopVanIngang(uit, bestand, Titel(r, m, i));
    uit.Kop(bestand, QStringLiteral("Info ") + TrimSpaties(Racks[r].Modules[m].Name), laatste);
}

// The five fields of input i of a snapshot.
void WaardenVanIngang(Logschrijver& uit, int bestand, int16_t r, int16_t m, int16_t i, bool stop) {
    KanaalRecord& meting = Racks[r].Modules[m].Meting[i];
    if (stop || !meting.Set) {
        for (int k = 0; k < 5; ++k)
            uit.Veld(bestand, QString());
        return;
    }
    // A module given up by the poll supervision holds only its last values, and one not read since the
    // previous snapshot only the values of an earlier row: none is logged as a measurement (as for a
    // rack that is not measured).
    const bool meten = RackVlaggen[r].Measure && !ModuleOpgegeven(r, m) && !ModuleNietGelezen(r, m);
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
            s = VervangTekst(s, MarkeringModule, VeiligeNaam(TrimSpaties(mr.Name)));
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

    // Header pass: the header the current layout gives every file of the mode.
    if (modus == LogEenBestand) {
        een = uit.Bestand(MaakBestandsnaam(sjabloon, 0, 0, 0));
        if (uit.MaakKop(een)) {
            uit.Kop(een, QStringLiteral("Time"));
            for (int16_t r = 1; r <= AantalRacks; ++r) {
                if (!Racks[r].Present) continue;
                for (int16_t m = 1; m <= AantalModules; ++m)
                    if (Racks[r].Modules[m].Present) KopVanModule(uit, een, r, m, false);
            }
            uit.Kop(een, QString(), true);
        }
    }
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) {
            perRack[r] = uit.Bestand(MaakBestandsnaam(sjabloon, r, 0, 0));
            if (uit.MaakKop(perRack[r])) {
                uit.Kop(perRack[r], QStringLiteral("Time"));
                for (int16_t m = 1; m <= AantalModules; ++m)
                    if (Racks[r].Modules[m].Present) KopVanModule(uit, perRack[r], r, m, false);
                uit.Kop(perRack[r], QString(), true);
            }
            continue;
        }
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) {
                const int b = perModule[r][m] = uit.Bestand(MaakBestandsnaam(sjabloon, r, m, 0));
                if (uit.MaakKop(b)) {
                    uit.Kop(b, QStringLiteral("Time"));
                    KopVanModule(uit, b, r, m, true);
                }
            } else if (modus == LogPerKanaal) {
                for (int16_t i = 1; i <= AantalIngangen; ++i) {
                    const int b = perKanaal[r][m][i] = uit.Bestand(MaakBestandsnaam(sjabloon, r, m, i));
                    if (uit.MaakKop(b)) {
                        const QString t = Titel(r, m, i);
                        uit.Kop(b, QStringLiteral("Time"));
                        KopVanIngang(uit, b, t);
                        uit.Kop(b, QStringLiteral("Info ") + t, true);
                    }
                }
            }
        }
    }

    const QString tijd = platform::DatumTijdTekst(TijdMeting);
    // Rows of one layout only under a file's header: when the layout of the racks is no longer that of
    // a file, the run ends there with its end point (in that file's layout) and goes on in new files
    // beside the old ones.
    if (uit.AndereIndeling()) {
        BeeindigLopendeBestanden(tijd, TekstAfbakening);
        if (stop || !magVerhuizen) return false;
        NieuwGegevensbestand(VolgendeVrijeNaam(sjabloon));
        LogSnapshot(info, false);
        return true;
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
    // The run has ended: a folder that still cannot be written is reported again in the next one.
    if (stop) gemeldeMappen.clear();
    return false;
}

} // namespace

bool LogMeting(const QString& info) {
    return LogSnapshot(info, true);
}

QStringList LogBestanden(const QString& sjabloon) {
    QStringList paden;
    if (TrimSpaties(sjabloon).isEmpty()) return paden;
    const int16_t modus = LogModus(sjabloon);
    const auto voegToe = [&](int16_t r, int16_t m, int16_t i) {
        const QString pad = MaakBestandsnaam(sjabloon, r, m, i);
        if (!paden.contains(pad)) paden.append(pad);
    };
    if (modus == LogEenBestand) voegToe(0, 0, 0);
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) voegToe(r, 0, 0);
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) voegToe(r, m, 0);
            if (modus == LogPerKanaal)
                for (int16_t i = 1; i <= AantalIngangen; ++i)
                    voegToe(r, m, i);
        }
    }
    return paden;
}

bool BeginLogging() {
    gemeldeMappen.clear();
    lopend.clear();
    bool schrijfbaar = true;
    QSet<QString> gezien;
    for (const QString& pad : LogBestanden(Gegevensbestand)) {
        const QString map = QFileInfo(pad).absolutePath();
        if (gezien.contains(map)) continue;
        gezien.insert(map);
        if (MapNietSchrijfbaar(pad, false)) schrijfbaar = false;
    }
    return schrijfbaar;
}

void ZetWachtendGrens(qsizetype bytes) {
    wachtendGrens = bytes;
}

bool SchrijfWachtendeRegels() {
    for (auto w = wachtend.begin(); w != wachtend.end();) {
        if (!platform::VoegToeAanBestand(w->pad, w->bytes)) return false;
        Geschreven(w);
        w = wachtend.begin();
    }
    return true;
}

QString WachtendBestand() {
    return wachtend.empty() ? QString() : wachtend.front().pad;
}

void BeeindigWachtendeRegels() {
    for (auto w = wachtend.begin(); w != wachtend.end();) {
        if (platform::VoegToeAanBestand(w->pad, w->bytes)) {
            Geschreven(w);
            w = wachtend.begin();
            continue;
        }
        LogVerloren(w->pad, NietGeschreven(*w));
        ++w;
    }
    wachtend.clear();
    wachtendTotaal = 0;
    opgevenGemeld = false;
}

void ResetLogbestanden() {
    gemeldeMappen.clear();
    bekend.clear();
    lopend.clear();
    reeksNaam.clear();
    reeksStam.clear();
    wachtend.clear();
    wachtendTotaal = 0;
    vraagGepland = false;
    opgevenGemeld = false;
    wachtendGrens = StandaardWachtendGrens;
    breuken.clear();
}
