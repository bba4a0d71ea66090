#include "files/Meetbestand.h"

#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetregels.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

QString Gegevensbestand;
bool BezigMetLaden = false;
int16_t LaatsteKeuze = 0;

namespace {

// Lines read between two turns of the event loop while a file loads (a few milliseconds' work).
constexpr qint64 PompNaRegels = 1000;
const QString OR = QStringLiteral("OR.");
const QString CRLF = QStringLiteral("\r\n");

// ---------------------------------------------------------------------------------------------------
// Writing

void VoegVeldToe(QString& regel, const QString& tekst) {
    VoegCsvVeldToe(regel, tekst, false, TekstAfbakening);
}

void SluitRegel(QString& regel) {
    if (regel.endsWith(QLatin1Char(','))) regel.chop(1);
    regel += CRLF;
}

// The title of input n in the header line.
QString IngangTitel(int r, int m, int n) {
    KanaalRecord& k = Racks[r].Modules[m].Meting[n];
    const QString naam = k.Name.getrimd();
    k.Name = naam;
    if (naam.isEmpty()) return QStringLiteral("R%1M%2C%3").arg(r).arg(m).arg(n);
    if (naam == QLatin1String("CH1") || naam == QLatin1String("CH2") || naam == QLatin1String("CH3") ||
        naam == QLatin1String("CH4"))
        return TrimSpaties(ModuleNaamVan(r, m)) + QLatin1Char(' ') + naam;
    return naam;
}

// The header line of a file whose lines hold the blocks of `modules`, in their order.
QString Kopregel(const std::vector<Tabelmodule>& modules) {
    QString regel;
    VoegVeldToe(regel, QStringLiteral("Time"));
    for (const Tabelmodule& t : modules) {
        for (int n = 1; n <= AantalIngangen; ++n) {
            const QString titel = IngangTitel(t.rack, t.module, n);
            VoegVeldToe(regel, QStringLiteral("Flags ") + titel);
            VoegVeldToe(regel, QStringLiteral("Value ") + titel);
            VoegVeldToe(regel, QStringLiteral("Unit ") + titel);
            VoegVeldToe(regel, QStringLiteral("Temp ") + titel);
            VoegVeldToe(regel, QStringLiteral("T.Unit ") + titel);
        }
        VoegVeldToe(regel, TrimSpaties(ModuleNaamVan(t.rack, t.module)));
    }
    SluitRegel(regel);
    return regel;
}

// The line of row `rij`: its time from the module that has one, then the block of every module of
// `modules` from its own grid, empty where that grid has no time in the row. False, and nothing added, for
// a row without a time.
bool VoegRijToe(QString& uit, int32_t rij, const std::vector<Tabelmodule>& modules) {
    const Tabelmodule* metTijd = ModuleMetTijd(modules, rij);
    if (!metTijd) return false;
    const auto r0 = static_cast<int16_t>(metTijd->rack);
    const auto m0 = static_cast<int16_t>(metTijd->module);
    // Relative times cannot be read back as rows: the file always gets the clock time.
    Tabelvenster* eerste = TabelVensters.Maak(r0);
    VoegVeldToe(uit, RelatieveTijd && TijdBasis != 0
                         ? platform::DatumTijdTekst(TijdUitRelatief(r0, m0, rij))
                         : eerste->CelTekst(m0, rij, KolomDatum) + QLatin1Char(' ') +
                               eerste->CelTekst(m0, rij, KolomTijd));
    for (const Tabelmodule& t : modules) {
        const auto r = static_cast<int16_t>(t.rack);
        const auto m = static_cast<int16_t>(t.module);
        Tabelvenster* venster = TabelVensters.Maak(r);
        if (!venster || (&t != metTijd && ZonderTijd(r, m, rij))) {
            for (int k = 0; k < VeldenPerBlok; ++k)
                VoegVeldToe(uit, QString());
            continue;
        }
        auto cel = [venster, m, rij](int kolom) {
            return venster->CelTekst(m, rij, static_cast<int16_t>(kolom));
        };
        for (int n = 1; n <= AantalIngangen; ++n) {
            if (!Racks[r].Modules[m].Meting[n].Set) {
                for (int k = 0; k < VeldenPerIngang; ++k)
                    VoegVeldToe(uit, QString());
                continue;
            }
            const int c = KolomVanKanaal(n);
            const QString waarde = cel(c);
            const QString temperatuur = cel(c + 2);
            int flags = 0;
            if (waarde == OR) flags |= VlagBovenBereik;
            if (temperatuur == OR) flags |= VlagTemperatuurTeHoog;
            VoegVeldToe(uit, QString::number(flags));
            VoegVeldToe(uit, TrimSpaties(waarde));
            VoegVeldToe(uit, TrimSpaties(cel(c + 1)));
            VoegVeldToe(uit, TrimSpaties(temperatuur));
            VoegVeldToe(uit, TrimSpaties(cel(c + 3)));
        }
        VoegVeldToe(uit, cel(InfoKolom(r, m)));
    }
    SluitRegel(uit);
    return true;
}

// "Access rejected" when the file or its folder cannot be written; otherwise the write itself failed.
bool ToegangGeweigerd(const QString& naam) {
    const QFileInfo info(naam);
    if (info.exists() && !info.isWritable()) return true;
    const QFileInfo map(info.absolutePath());
    return !map.isDir() || !map.isWritable();
}

} // namespace

const Tabelmodule* ModuleMetTijd(const std::vector<Tabelmodule>& modules, int32_t rij) {
    for (const Tabelmodule& t : modules)
        if (!ZonderTijd(static_cast<int16_t>(t.rack), static_cast<int16_t>(t.module), rij)) return &t;
    return nullptr;
}

namespace {

// ---------------------------------------------------------------------------------------------------
// Reading

// The lines that were not loaded whole, for the message after the load.
// A line as the message shows it: a control character (a NUL of a damaged file) as "?".
QString Zichtbaar(QString regel) {
    for (QChar& c : regel)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) c = QLatin1Char('?');
    return regel;
}

// A header line no program writes: not ended by a line end (the whole file is one line), or holding
// a control character (NUL bytes of a damaged file).
bool IsOnsoundeKop(QStringView regel, bool afgesloten) {
    if (!afgesloten) return true;
    return std::any_of(regel.begin(), regel.end(),
                       [](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t'); });
}

class Meldingen {
public:
    void Voeg(qint64 regelNummer, const QString& regel) {
        if (m_regels.size() < MaxGetoond)
            m_regels.append(
                QString::number(regelNummer) + QStringLiteral(": ") +
                Zichtbaar(regel.size() > MaxLengte ? regel.left(MaxLengte) + QStringLiteral("...") : regel));
        ++m_aantal;
    }
    bool Leeg() const { return m_aantal == 0; }
    QString Tekst() const {
        QString t = m_regels.join(CRLF);
        if (m_aantal > m_regels.size()) t += CRLF + QStringLiteral("...");
        return t;
    }

private:
    static constexpr qsizetype MaxGetoond = 10;
    static constexpr qsizetype MaxLengte = 60;
    QStringList m_regels;
    qint64 m_aantal = 0;
};

// Module k of the tables (Tabelmodules) and the rack whose table window takes it (0: none).
struct Doel {
    int16_t rack;
    int16_t module;
};

// The tables a load fills: the table window of each present rack, laid out afresh for the load and
// known by the number of its rows (Rijindelingen::Generatie, which no other table and no later layout
// has), with the modules the file's header is matched to, for the data file. The program's events run
// between the load's steps, and a command run meanwhile may take the tables over: File > New closes
// them, another load or a rack's log-on lays them out afresh, a search makes the racks wait for their
// log-on, an open or a Save As makes another file the data file. The load then ends as Cancel ends it,
// but leaves the tables to what took them over. It keeps no window across a turn of the events: it
// looks each one up again.
class Ladingstabellen {
public:
    Ladingstabellen() : m_bestand(Gegevensbestand) {
        for (int r = 1; r <= AantalRacks; ++r) {
            if (!Racks[r].Present) continue;
            if (Tabelvenster* venster = TabelVensters.Maak(r)) {
                venster->StelTabelIn(false);
                m_tabellen.push_back({r, venster->Indelingen().Generatie()});
            }
        }
        m_modules = Tabelmodules();
    }
    const std::vector<Tabelmodule>& Modules() const { return m_modules; }
    // Whether the load fills a window of rack r.
    bool Vult(int r) const {
        return std::any_of(m_tabellen.begin(), m_tabellen.end(), [r](const Tabel& t) { return t.rack == r; });
    }
    // Runs one turn of the program's events (`beurt`), and looks whether the tables are still the load's.
    template <class Beurt> void NaBeurt(Beurt&& beurt) {
        beurt();
        if (!m_overgenomen) m_overgenomen = !Ongewijzigd();
    }
    // The tables were taken over at a turn of the events: the load ends.
    bool Overgenomen() const { return m_overgenomen; }
    // Every window the load fills, as the list holds it now; none once the tables were taken over.
    template <class Doe> void VoorElk(Doe&& doe) const {
        if (m_overgenomen) return;
        for (const Tabel& t : m_tabellen)
            doe(*TabelVensters[t.rack]);
    }

private:
    bool Ongewijzigd() const {
        if (Gegevensbestand != m_bestand || Tabelmodules() != m_modules) return false;
        return std::all_of(m_tabellen.begin(), m_tabellen.end(), [](const Tabel& t) {
            const Tabelvenster* venster = TabelVensters[t.rack];
            return venster && venster->Indelingen().Generatie() == t.generatie;
        });
    }
    struct Tabel {
        int rack;
        uint64_t generatie;
    };
    std::vector<Tabel> m_tabellen;
    std::vector<Tabelmodule> m_modules;
    QString m_bestand;
    bool m_overgenomen = false;
};

// The names of the modules the file's header names that take no values, for box 499 in place of its
// "##": joined by ", " and broken into lines, so that no line of the box grows wider than the text around
// them (its first line counted from where the list stands).
QString MetWeggelatenModules(const QString& tekst, const std::vector<std::pair<int, int>>& modules) {
    constexpr qsizetype Regelbreedte = 72;
    const qsizetype plaats = tekst.indexOf(QStringLiteral("##"));
    if (plaats < 0) return tekst;
    qsizetype kolom = plaats - (tekst.lastIndexOf(QLatin1Char('\n'), plaats) + 1);
    QString lijst;
    for (size_t i = 0; i < modules.size(); ++i) {
        QString naam = QStringLiteral("R%1M%2").arg(modules[i].first).arg(modules[i].second);
        if (i + 1 < modules.size()) naam += QLatin1Char(',');
        if (i > 0) {
            if (kolom + 1 + naam.size() > Regelbreedte) {
                lijst += CRLF;
                kolom = 0;
            } else {
                lijst += QLatin1Char(' ');
                ++kolom;
            }
        }
        lijst += naam;
        kolom += naam.size();
    }
    return QString(tekst).replace(plaats, 2, lijst);
}

// The note on the modules a file's header names that were left out is told once for the same file
// and the same modules: a reload (relative time, the time's origin) does not tell it again.
QString VorigeWeglating;

// The list GeschrevenTabelmodules gave last: the rows of a run share it.
Rijmodules VorigeGeschreven;

} // namespace

bool SchrijfGegevensbestand(const QString& naam, const std::function<bool(const QString&)>& aanvullen,
                            const QString& backup, GeschrevenTabel* geschreven,
                            const std::function<bool()>& nogGeldig) {
    // The table as it stands at each try: logging goes on while the box waits, and a Retry writes the
    // rows taken meanwhile too. What the file holds is what the last try wrote.
    GeschrevenTabel poging;
    const auto inhoud = [&poging] {
        poging.modules = GeschrevenTabelmodules();
        poging.rijen.clear();
        QString uit = Kopregel(*poging.modules);
        for (int32_t rij = 1; rij <= AantalMetingen; ++rij) {
            if (!VoegRijToe(uit, rij, *poging.modules)) continue;
            if (!poging.rijen.empty() && poging.rijen.back().second == rij - 1)
                poging.rijen.back().second = rij;
            else
                poging.rijen.emplace_back(rij, rij);
        }
        return platform::NaarWindows1252(uit);
    };
    const auto schrijf = [&] {
        if (!aanvullen) return platform::SchrijfBestandVeilig(naam, inhoud(), backup);
        // What `aanvullen` adds goes into the new content before it takes the name.
        return platform::SchrijfBestandVeiligMet(
            naam,
            [&](const QString& tijdelijk) {
                return platform::VoegToeAanBestand(tijdelijk, inhoud()) && aanvullen(tijdelijk);
            },
            backup);
    };
    while (!schrijf()) {
        // The box names the backup when it was the backup that could not be made.
        const QString pad = !backup.isEmpty() && platform::LaatsteSchrijffoutPad() == backup ? backup : naam;
        const bool toegang = ToegangGeweigerd(pad);
        const QString tekst =
            toegang ? SchrijffoutTekst(pad) : Tekst[490] + CRLF + CRLF + SchrijffoutTekst(pad);
        const int stijl = vbRetryCancel | (toegang ? vbExclamation : vbCritical);
        if (ToonMelding(tekst, stijl, naam) != vbRetry) return false;
        if (nogGeldig && !nogGeldig()) return false;
    }
    if (geschreven) *geschreven = std::move(poging);
    return true;
}

void LeesGegevensbestand(const QString& naam) {
    LaatsteKeuze = 1;
    if (naam.isEmpty() || !QFileInfo(naam).isFile()) {
        if (AantalMetingen < 0) AantalMetingen = 0;
        return;
    }
    AantalMetingen = -1;
    BezigMetLaden = true;
    QFile f(naam);
    const bool open = f.open(QIODevice::ReadOnly);
    ToonVoortgang(0, 100, 0, Tekst[181]);
    const qint64 lengte = std::max<qint64>(f.size(), 1);

    // The tables of the present racks, laid out afresh, and their modules in order: which field of a row
    // goes to which of them is the file's layout (Veldindeling), read from its header.
    Ladingstabellen tabellen;
    Veldindeling indeling({}, tabellen.Modules());
    std::vector<Doel> doelen;
    for (const Tabelmodule& t : indeling.Modules())
        doelen.push_back(
            {static_cast<int16_t>(tabellen.Vult(t.rack) ? t.rack : 0), static_cast<int16_t>(t.module)});
    const auto gestopt = [&tabellen] { return VoortgangAfbreken || tabellen.Overgenomen(); };

    bool leesFout = !open;
    Meldingen meldingen;
    if (open) {
        // The program's events run, and a Cancel clicked meanwhile is heeded: false once the load stops.
        const auto doorgaan = [&] {
            tabellen.NaBeurt([] { platform::klok().pompZonderWachten(); });
            if (voortgangVenster().Onderbroken()) VoortgangAfbreken = true;
            return !gestopt();
        };
        // A file of plain ASCII or UTF-8 is read once through before its lines: the events run in
        // between its blocks too, and Cancel ends the load before the first row.
        const Codering codering = BepaalCodering(f, doorgaan);
        Regeldecoder decoder(codering);

        Regellezer lezer(f);
        DatumLezer datumLezer;
        Veldscanner scanner(TekstAfbakening.isEmpty() ? QChar(u'"') : TekstAfbakening.front());
        QByteArrayView bytes;
        qint64 regelBytes = 0, totaal = 0, regelNummer = 0;
        int16_t voortgang = -1;
        while (!gestopt() && lezer.Volgende(bytes, regelBytes)) {
            ++regelNummer;
            totaal += regelBytes;
            const auto nieuw = static_cast<int16_t>(std::min<qint64>(totaal * 100 / lengte, 100));
            // A large file takes long for one percent: the events run in between too.
            if (nieuw == voortgang && regelNummer % PompNaRegels == 0 && !doorgaan()) break;
            if (nieuw != voortgang) {
                voortgang = nieuw;
                tabellen.NaBeurt([voortgang] { ZetVoortgang(voortgang); });
                if (gestopt()) break;
                // The rows to expect, from the part of the file read so far: the grids make room for
                // them at once rather than growing (and moving their cells) again and again.
                if (AantalMetingen >= 100) {
                    const double rijen = static_cast<double>(AantalMetingen) * static_cast<double>(lengte) /
                                         static_cast<double>(totaal);
                    const auto verwacht = static_cast<int32_t>(std::min(rijen, 2.0e9));
                    tabellen.VoorElk([verwacht](Tabelvenster& venster) { venster.VerwachtRijen(verwacht); });
                }
            }
            const QString& regel = decoder.Tekst(bytes);
            scanner.Splits(regel);
            const std::span<QStringView> velden = scanner.Velden();
            platform::Datum tijd = 0;
            const bool isRij = !velden.empty() && datumLezer.Lees(velden.front(), tijd);
            if (AantalMetingen < 0) {
                // Line 1 is the header, whatever it holds; a sample row there is not loaded.
                AantalMetingen = 0;
                // A file that is no measurement file is told, as an unsound line is.
                if (isRij || IsOnsoundeKop(regel, regelBytes > bytes.size()))
                    meldingen.Voeg(regelNummer, regel);
                if (!isRij) indeling = Veldindeling(velden, indeling.Modules());
                continue;
            }
            if (!isRij) {
                if (!TrimSpaties(regel).isEmpty()) meldingen.Voeg(regelNummer, regel);
                continue;
            }
            ++AantalMetingen;
            TijdMeting = tijd;
            if (RelatieveTijd && TijdBasis == 0) TijdBasis = TijdMeting;
            // A row with more fields than its logging header is read by position and named.
            const auto aantal = static_cast<qsizetype>(velden.size());
            const bool perKop = indeling.PerKop(aantal);
            const bool gezond =
                perKop ? ControleerRijvelden(velden, indeling.Verwacht(true), indeling.Vlaggen())
                       : ControleerRijvelden(velden, indeling.Verwacht(false)) && indeling.PastInKop(aantal);
            if (!gezond || scanner.Onafgesloten()) meldingen.Voeg(regelNummer, regel);

            // Each module takes the fields of its block as the layout has them; a module without a block
            // in this row gets the row's time and empty cells. A block whose fields lie side by side in
            // the row is handed on as it stands.
            std::array<QStringView, VeldenPerBlok> blok;
            for (size_t k = 0; k < doelen.size(); ++k) {
                Tabelvenster* venster = TabelVensters[doelen[k].rack];
                if (!venster) continue;
                std::span<const QStringView> veldenVanBlok = blok;
                const qsizetype begin = indeling.Begin(perKop, k);
                if (begin >= 0 && begin + VeldenPerBlok <= aantal) {
                    veldenVanBlok = velden.subspan(static_cast<size_t>(begin), VeldenPerBlok);
                } else {
                    const Veldindeling::Blok& plaats = indeling.Plaatsen(perKop, k);
                    for (size_t v = 0; v < blok.size(); ++v)
                        blok[v] = plaats[v] >= 0 && plaats[v] < aantal
                                      ? velden[static_cast<size_t>(plaats[v])]
                                      : QStringView();
                }
                Regelvelden info{veldenVanBlok};
                venster->VulEnkeleTabelAanUitBestand(doelen[k].module, info);
            }
        }
        leesFout = lezer.Fout() || f.error() != QFileDevice::NoError;
    }

    // Showing a grid of many rows takes a while: the program's events run between the grids.
    for (const Doel& doel : doelen) {
        Tabelvenster* venster = tabellen.Overgenomen() ? nullptr : TabelVensters[doel.rack];
        if (!venster) continue;
        venster->ToonRaster(doel.module);
        tabellen.NaBeurt([] { platform::klok().pompZonderWachten(); });
    }
    if (AantalMetingen < 0) AantalMetingen = 0;
    if (!tabellen.Overgenomen()) {
        // Each table keeps how its rows were read: its edits find their fields by it.
        const auto geladen = std::make_shared<const std::vector<Tabelmodule>>(indeling.Modules());
        tabellen.VoorElk(
            [&](Tabelvenster& venster) { venster.Indelingen().Zet(1, AantalMetingen, geladen); });
        // Every line of the file is a row of the tables now.
        RegelsZijnRijen(naam);
    }
    BezigMetLaden = false;
    f.close();
    SluitVoortgang();
    // The tables show what took them over: nothing is told of the lines read of this file.
    if (tabellen.Overgenomen()) return;

    if (leesFout) {
        ToonMelding(Tekst[449], vbCritical, naam);
        LaatsteKeuze = 2;
    } else if (!meldingen.Leeg()) {
        ToonMelding(Tekst[449] + CRLF + CRLF + meldingen.Tekst(), vbExclamation, naam);
    }
    // The blocks of modules that are not present were left out: told once, for the whole file.
    const std::vector<std::pair<int, int>>& weggelaten = indeling.Weggelaten();
    QString weglating;
    if (!weggelaten.empty()) {
        weglating = naam;
        for (const auto& [r, m] : weggelaten)
            weglating += QStringLiteral("\nR%1M%2").arg(r).arg(m);
    }
    if (!weglating.isEmpty() && weglating != VorigeWeglating)
        ToonMelding(MetWeggelatenModules(Tekst[499], weggelaten), vbInformation, naam);
    VorigeWeglating = weglating;
}

std::vector<Tabelmodule> Tabelmodules() {
    std::vector<Tabelmodule> modules;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m)
            if (Racks[r].Modules[m].Present) modules.push_back({r, m, !RackWachtOpAanmelding(r)});
    }
    return modules;
}

Rijmodules GeschrevenTabelmodules() {
    std::vector<Tabelmodule> nu = Tabelmodules();
    // A line holds the block of a rack that waits for its log-on as well.
    for (Tabelmodule& t : nu)
        t.neemtKopwaarden = true;
    if (!VorigeGeschreven || *VorigeGeschreven != nu)
        VorigeGeschreven = std::make_shared<const std::vector<Tabelmodule>>(std::move(nu));
    return VorigeGeschreven;
}

Veldindeling IndelingVanBestand(std::span<const QStringView> kop) {
    return Veldindeling(kop, Tabelmodules());
}

int16_t OpenGegevensbestand() {
    hoofdvenster().ZetWachtcursor(true);
    bool bestaat = false;
    if (!Gegevensbestand.isEmpty()) {
        bestaat = BestandBestaat(Gegevensbestand);
        // A file that is not there leaves the rows shown as they are; a logging template starts a run:
        // the tables show the rows of the file it names, none, so that no row of an earlier run stays
        // among those of the next.
        if (bestaat || HeeftSjabloon(Gegevensbestand)) AantalMetingen = 0;
        if (!bestaat && HeeftSjabloon(Gegevensbestand))
            for (int r = 1; r <= AantalRacks; ++r)
                if (Racks[r].Present)
                    if (Tabelvenster* venster = TabelVensters[r]) venster->StelTabelIn(false);
        if (bestaat) {
            // Edits left from an earlier run are committed or dropped before the file is read.
            ControleerWijzigingen(Gegevensbestand, false, true);
            LeesGegevensbestand(Gegevensbestand);
            SluitVoortgang();
            hoofdvenster().VernieuwGrafieken();
        }
    }
    int16_t antwoord = 1;
    if (bestaat || HeeftSjabloon(Gegevensbestand)) {
        hoofdvenster().ZetTitel();
    } else {
        MeldOntbrekendBestand(Gegevensbestand);
        antwoord = 2;
    }
    hoofdvenster().ZetWachtcursor(false);
    return antwoord;
}

bool MeldOntbrekendBestand(const QString& naam) {
    if (BestandBestaat(naam) || HeeftSjabloon(naam)) return false;
    // A copy: the list may hold the name itself.
    const QString ontbrekend = naam;
    hoofdvenster().VerwijderRecentBestand(ontbrekend);
    ToonMelding(Tekst[252] + CRLF + CRLF + ontbrekend + CRLF, vbExclamation, Tekst[187] + QLatin1Char(':'));
    return true;
}

bool HeeftSjabloon(const QString& naam) {
    for (const char* markering : {"#date#", "#rack#", "#module#", "#channel#"})
        if (naam.contains(QLatin1String(markering))) return true;
    return false;
}

QString ZetGegevensbestand(const QString& naam) {
    LaatsteKeuze = 1;
    QString s = TrimSpaties(naam);
    if (s.isEmpty()) return QString();
    if (!s.contains(QLatin1String(".csv"), Qt::CaseInsensitive)) s += QStringLiteral(".csv");

    // The folder of the name; a bare name lies in the program's folder.
    const qsizetype schuine = s.lastIndexOf(QLatin1Char('/'));
    const QString map = schuine >= 0 ? s.left(schuine + 1) : QString();
    MapGegevens = map.isEmpty() ? QCoreApplication::applicationDirPath()
                                : QDir::cleanPath(QDir::current().absoluteFilePath(map));
    if (!QDir::setCurrent(MapGegevens)) {
        ToonMelding(Tekst[269], vbCritical, MapGegevens);
        LaatsteKeuze = 2;
        return s;
    }
    // A relative name is now relative to the folder just entered.
    if (!map.isEmpty() && QDir::isRelativePath(map)) return s.mid(map.size());
    return s;
}

void ResetMeetbestand() {
    Gegevensbestand.clear();
    VorigeWeglating.clear();
    VorigeGeschreven.reset();
    AantalMetingen = 0;
    TijdMeting = 0;
    BezigMetLaden = false;
    LaatsteKeuze = 0;
}
