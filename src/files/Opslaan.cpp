#include "files/Opslaan.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsbewerkingen.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Werkkopie.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <functional>

bool NetwerkPad = false;
bool AlleenLezen = false;

namespace {

const QString Settings = QStringLiteral("Settings");
const QString CRLF = QStringLiteral("\r\n");

// MapGegevens is kept without a closing "/" (except the root).
QString ZonderSlotschuine(QString map) {
    while (map.size() > 1 && map.endsWith(QLatin1Char('/')) && map != QLatin1String("//"))
        map.chop(1);
    return map;
}

void KiesMapGegevens(const QString& map) {
    MapGegevens = ZonderSlotschuine(map);
    QDir::setCurrent(MapGegevens);
}

} // namespace

bool ZelfdeBestand(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return a == b;
    const QFileInfo ia(a), ib(b);
    if (QDir::cleanPath(ia.absoluteFilePath()) == QDir::cleanPath(ib.absoluteFilePath())) return true;
    return ia.exists() && ib.exists() && ia.canonicalFilePath() == ib.canonicalFilePath();
}

namespace {

// The question after a failed file operation of Save As on the file `pad` (the chosen file `naam` or its
// backup), with the system's reason read before `opruimen` undoes what the save had done: OK tries
// again, Cancel ends. The folders are back as they were while it waits.
int Bestandsfout(MapGegevensTerug& mapTerug, const QString& pad, const QString& naam,
                 const std::function<void()>& opruimen = {}) {
    const QString tekst = SchrijffoutTekst(pad);
    if (opruimen) opruimen();
    mapTerug.Herstel();
    return ToonMelding(tekst, vbOKCancel | vbExclamation, naam);
}

} // namespace

MapGegevensTerug::MapGegevensTerug() : m_map(MapGegevens), m_huidig(QDir::currentPath()) {}

MapGegevensTerug::~MapGegevensTerug() {
    if (!m_behoud) Herstel();
}

void MapGegevensTerug::Herstel() {
    MapGegevens = m_map;
    QDir::setCurrent(m_huidig);
}

void MapGegevensTerug::Behoud(const QString& bestand) {
    m_behoud = true;
    bool netwerk = false;
    KiesMapGegevens(SplitsPad(bestand, netwerk));
}

QString BackupNaam(const QString& bestand) {
    const qsizetype schuine = bestand.lastIndexOf(QLatin1Char('/'));
    QString naam = bestand.mid(schuine + 1);
    naam.replace(QLatin1String(".csv"), QLatin1String(".bak"));
    return bestand.left(schuine + 1) + naam;
}

QString Filtertekst(const QString& extensie, int16_t filtertekst, bool alleBestanden) {
    const QString eigen =
        Tekst[filtertekst] + QStringLiteral("(*") + extensie + QStringLiteral(")|*") + extensie;
    return alleBestanden ? Tekst[215] + QLatin1Char('|') + eigen : eigen;
}

namespace {

// The open dialog's choice, the folders and flags still as they were.
std::optional<QString> OpenDialoog(const QString& extensie, int16_t filtertekst) {
    BestandsdialoogVraag vraag;
    vraag.opslaan = false;
    vraag.titel = Tekst[187];
    vraag.beginMap = MapGegevens;
    vraag.filter = Filtertekst(extensie, filtertekst, true);
    vraag.filterIndex = 2;
    return bestandsdialogen().KiesBestand(vraag);
}

// The chosen file's folder becomes the data folder; the file's own state decides AlleenLezen.
void NeemOpenKeuzeOver(const QString& gekozen) {
    const QString map = SplitsPad(gekozen, NetwerkPad);
    AlleenLezen = NetwerkPad || IsAlleenLezen(gekozen);
    KiesMapGegevens(map);
}

} // namespace

std::optional<QString> VraagBestandOpenen(const QString& extensie, int16_t filtertekst) {
    const std::optional<QString> gekozen = OpenDialoog(extensie, filtertekst);
    if (gekozen) NeemOpenKeuzeOver(*gekozen);
    return gekozen;
}

QString KiesBestandOpenen(const QString& naam, const QString& extensie, int16_t filtertekst) {
    const std::optional<QString> gekozen = VraagBestandOpenen(extensie, filtertekst);
    LaatsteKeuze = gekozen ? 1 : 2;
    return gekozen.value_or(naam);
}

std::optional<QString> VraagBestandOpslaan(const QString& naam, const QString& extensie, int16_t filtertekst,
                                           int16_t titeltekst, uint8_t opties) {
    const bool alle = (opties & OptieAlleBestanden) != 0;
    for (;;) {
        BestandsdialoogVraag vraag;
        vraag.opslaan = true;
        vraag.titel = Tekst[titeltekst];
        vraag.beginMap = MapGegevens;
        vraag.naam = naam;
        vraag.filter = Filtertekst(extensie, filtertekst, alle);
        vraag.filterIndex = alle ? 2 : 1;
        const std::optional<QString> gekozen = bestandsdialogen().KiesBestand(vraag);
        if (!gekozen) break;
        const QString map = SplitsPad(*gekozen, NetwerkPad);
        if (NetwerkPad) {
            if (ToonMelding(Tekst[189], vbRetryCancel | vbExclamation, *gekozen) == vbRetry) continue;
            break;
        }
        KiesMapGegevens(map);
        AlleenLezen = false;
        return gekozen;
    }
    return std::nullopt;
}

QString KiesBestandOpslaan(const QString& naam, const QString& extensie, int16_t filtertekst,
                           int16_t titeltekst, uint8_t opties) {
    const std::optional<QString> gekozen =
        VraagBestandOpslaan(naam, extensie, filtertekst, titeltekst, opties);
    LaatsteKeuze = gekozen ? 1 : 2;
    return gekozen.value_or(QStringLiteral("Untitled") + extensie);
}

QString KiesMap(const QString& titel, const QString& map, const QString& filter, std::optional<int> taal) {
    const QString kop = taal ? TekstenVan(*taal)[477] : Tekst[477];
    return ToonMapKeuze(kop + titel, filter, map, taal);
}

void KiesLettertype(LettertypeDrager& object) {
    Lettertype lettertype = object.LeesLettertype();
    if (!bestandsdialogen().KiesLettertype(lettertype, Tekst[188])) return;
    object.ZetLettertype(lettertype);
    object.Vernieuw();
    ConfiguratieGewijzigd = true;
    hoofdvenster().ZetKnoppen();
}

bool GegevensbestandOngewijzigd(const QString& bron, const QString& naam) {
    if (Gegevensbestand == bron) return true;
    ToonMelding(Tekst[TekstAnderGegevensbestand], vbExclamation, naam);
    return false;
}

bool OpslaanAls(QString& naam, bool nieuw) {
    const QString oud = naam;
    // The data in memory this Save As is of, and its working copy as it stands now (none, once the edits
    // were committed or dropped before).
    const QString bron = Gegevensbestand;
    const Bestandsstand werkkopie = StandVan(oud + QStringLiteral(".new"));
    MapGegevensTerug mapTerug;
    // The new file was made from a copy of the old one, not from the table.
    bool vanKopie = false;
    // The rows that waited for the new name's file are in the new file: told by the merge of the try that
    // made it (every pass that gets the new file there merges, and each merge says it anew).
    Invoeging wachtendIngevoegd;
    // What the table writer wrote, when the new file was written from the tables.
    GeschrevenTabel geschreven;
    Bestandsbewerkingen& bewerkingen = bestandsbewerkingen();
    // 1 done, 2 cancelled or failed, 4 ask again.
    int16_t keuze = 4;
    while (keuze == 4) {
        const std::optional<QString> gekozen =
            VraagBestandOpslaan(naam, QStringLiteral(".csv"), 182, nieuw ? 256 : 186, 0);
        // Cancel in the dialog always ends, also when the data in memory are "Untitled.csv".
        if (!gekozen) {
            keuze = 2;
            break;
        }
        naam = *gekozen;
        keuze = 1;
        if (!nieuw && ZelfdeBestand(naam, oud)) {
            ToonStandaardMelding(Tekst[203], vbOKOnly | vbExclamation,
                                 Tekst[186] + QStringLiteral(": ") + naam);
            keuze = 4;
            continue;
        }

        const bool bestaat = QFileInfo(naam).isFile();
        const bool overschrijven =
            bestaat && ToonMelding(Tekst[118], vbYesNo | vbExclamation, QFileInfo(naam).fileName()) == vbYes;
        // The tables show another file now: neither a copy of the former one nor those tables are what
        // was to be saved.
        if (!nieuw && !GegevensbestandOngewijzigd(bron, oud)) {
            keuze = 2;
            break;
        }
        // A logging template is never copied: the file of its literal name was written by an earlier Save
        // As and lacks the rows logged since.
        const bool kopieer = !nieuw && !oud.isEmpty() && !HeeftSjabloon(oud) && QFileInfo(oud).isFile();
        // The tables were edited while a box waited: the edits are in the working copy, not in the file.
        // Nothing is saved; the edits wait for the file they were made on.
        if (kopieer && StandVan(oud + QStringLiteral(".new")) != werkkopie) {
            ToonMelding(Tekst[TekstBewerktTijdensOpslaan], vbExclamation, oud);
            keuze = 2;
            break;
        }
        // The file in memory is copied beside its new name at the answer, as the tables show it then (an
        // edit committed and the rows logged while the question waited are in it), and before the backup:
        // its content is then safe even when it is the backup that the overwrite replaces. Nothing waits
        // from here until the copy has its name (no box but a failure's, after which the pass begins
        // again): no row reaches the file in memory that the copy lacks.
        const QString tijdelijk = naam + QStringLiteral(".tmp~");
        if (kopieer && (overschrijven || !bestaat) && !bewerkingen.Kopieer(oud, tijdelijk)) {
            keuze = static_cast<int16_t>(Bestandsfout(mapTerug, naam, naam) == vbOK ? 4 : 2);
            continue;
        }
        auto fout = [&](const QString& pad) {
            const auto opruimen = [&] {
                if (kopieer) bewerkingen.Verwijder(tijdelijk);
            };
            keuze = static_cast<int16_t>(Bestandsfout(mapTerug, pad, naam, opruimen) == vbOK ? 4 : 2);
        };
        // Rows that wait for the file of the new name go into the copy where they were taken.
        if (kopieer && (overschrijven || !bestaat) &&
            !VoegWachtendeRijenIn(naam, tijdelijk, wachtendIngevoegd)) {
            fout(naam);
            continue;
        }
        if (bestaat) {
            if (overschrijven) {
                // A working copy left beside the file holds edits of its former content: it goes with that
                // content, before the new one can take the name.
                const QString backup = BackupNaam(naam);
                QString mislukt = backup;
                bool gelukt = true;
                if (nieuw) {
                    // A new logging run starts in an empty file; the former one becomes the backup.
                    gelukt =
                        WerkkopieNaarBackup(naam, backup, mislukt) &&
                        (backup != naam ? bewerkingen.Hernoem(naam, backup) : bewerkingen.Verwijder(naam));
                } else {
                    // The old content is copied, not moved: the name keeps a whole file throughout.
                    gelukt = (backup == naam || bewerkingen.Kopieer(naam, backup)) &&
                             WerkkopieNaarBackup(naam, backup, mislukt);
                }
                if (!gelukt) {
                    fout(mislukt);
                    continue;
                }
                keuze = 1;
            } else {
                keuze = 4;
            }
        }

        if (!nieuw && keuze == 1) {
            vanKopie = kopieer;
            if (kopieer) {
                if (!bewerkingen.Hernoem(tijdelijk, naam)) {
                    fout(naam);
                    continue;
                }
            } else {
                // Its question about a file that cannot be written waits with the folders as they were.
                mapTerug.Herstel();
                // Rows that wait for the file of the new name go into the new content where they were
                // taken, before it replaces the file.
                const auto voegIn = [&](const QString& nieuweInhoud) {
                    return VoegWachtendeRijenIn(naam, nieuweInhoud, wachtendIngevoegd);
                };
                // The backup is made again from the file as it stands right before each try replaces
                // it: a snapshot may append rows that waited for it while the box about a failed try
                // waits.
                const QString backup = bestaat && BackupNaam(naam) != naam ? BackupNaam(naam) : QString();
                // A Retry writes the tables as they are then: not once they show another file.
                const auto nogGeldig = [&] { return GegevensbestandOngewijzigd(bron, oud); };
                if (!SchrijfGegevensbestand(naam, voegIn, backup, &geschreven, nogGeldig)) {
                    keuze = 2;
                    break;
                }
            }
        }
        hoofdvenster().UpdateFileMenu(naam, QString());
    }

    if (keuze == 1) {
        // A new file's lines are the rows the tables take from now on.
        if (nieuw) RegelsZijnRijen(naam);
        // The rows that wait for the old file go on in the new one, which the run continues.
        if (!nieuw) NeemWachtendeRijenMee(Gegevensbestand, naam, vanKopie, wachtendIngevoegd);
        // The tables written anew: the rows that got a line hold the blocks the writer wrote, whatever they
        // were read or logged with; a row that got none has no line.
        if (!nieuw && !vanKopie) {
            for (int r = 1; r <= AantalRacks; ++r)
                if (Tabelvenster* venster = TabelVensters[r]) {
                    venster->Indelingen().Wis();
                    if (!Racks[r].Present) continue;
                    for (const auto& [van, tot] : geschreven.rijen)
                        venster->Indelingen().Zet(van, tot, geschreven.modules);
                }
        }
        mapTerug.Behoud(naam);
        BewaarInstelling(AppNaam, Settings, QStringLiteral("LastFile"), naam);
        Gegevensbestand = naam;
        hoofdvenster().ZetTitel();
    } else {
        naam = oud;
    }
    LaatsteKeuze = keuze;
    return keuze == 1;
}

bool BewaarLaatsteBestand(const QString& naam) {
    // A copy: the caller may hand in Gegevensbestand itself.
    const QString vorige = naam;
    // A name that is not there changes nothing: the data file, the data folder (and with it the folder
    // of the event and communication logs) and the read-only state stay as they were, also while its
    // box waits. A template name is taken as it stands.
    const std::optional<QString> gekozen = OpenDialoog(QStringLiteral(".csv"), 182);
    // The box about a name not there blocks nothing: what is opened under it, or where the run goes on
    // meanwhile, stays the data file.
    if (!gekozen || MeldOntbrekendBestand(*gekozen)) return false;
    MapGegevensTerug mapTerug;
    const bool netwerk = NetwerkPad;
    const bool alleenLezen = AlleenLezen;
    NeemOpenKeuzeOver(*gekozen);
    Gegevensbestand = *gekozen;
    const bool relatief = RelatieveTijd;
    RelatieveTijd = false;
    // The open's result is the caller's own: Antwoord stays what the rack link set.
    if (OpenGegevensbestand() != 1) {
        // The file that was reported missing does not become the data file, unless another took its place
        // while the box waited: that one stays, with its folder.
        if (Gegevensbestand != *gekozen) {
            mapTerug.Behoud(Gegevensbestand);
            return false;
        }
        Gegevensbestand = vorige;
        RelatieveTijd = relatief;
        NetwerkPad = netwerk;
        AlleenLezen = alleenLezen;
        return false;
    }
    // The folder of the file open now: another may have been opened while a box of the load waited.
    mapTerug.Behoud(Gegevensbestand);
    BewaarInstelling(AppNaam, Settings, QStringLiteral("LastFile"), Gegevensbestand);
    hoofdvenster().ZetTitel();
    return true;
}

bool BevestigWijzigingen(const QString& bestand, const QString& werkkopie) {
    if (AlleenLezen || IsAlleenLezen(bestand)) return false;
    Bestandsbewerkingen& bewerkingen = bestandsbewerkingen();
    if (!WerkkopieBijwerken(bestand)) return false;
    const QString backup = BackupNaam(bestand);
    // First the backup, as a copy: the data file stays whole under its name until the working copy
    // replaces it in one step.
    if (backup != bestand && QFileInfo(bestand).isFile() && !bewerkingen.Kopieer(bestand, backup)) {
        ToonMelding(SchrijffoutTekst(backup), vbExclamation, bestand);
        return false;
    }
    if (!werkkopie.isEmpty() && !bestand.isEmpty()) {
        if (!bewerkingen.Hernoem(werkkopie, bestand)) {
            ToonMelding(SchrijffoutTekst(bestand), vbExclamation, bestand);
            return false;
        }
        WerkkopieAfgehandeld(bestand);
    }
    return true;
}

QString SplitsPad(const QString& pad, bool& netwerk) {
    netwerk = false;
    const qsizetype schuine = pad.lastIndexOf(QLatin1Char('/'));
    QString map = schuine >= 0 ? pad.left(schuine + 1) : QString();
    if (map.isEmpty()) map = QCoreApplication::applicationDirPath();
    if (!map.endsWith(QLatin1Char('/'))) map += QLatin1Char('/');
    netwerk = map.startsWith(QLatin1String("//"));
    return map;
}

bool IsAlleenLezen(const QString& pad) {
    const QFileInfo info(pad);
    if (!info.isFile()) return false;
    constexpr auto schrijven = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!(info.permissions() & schrijven)) return true;
    return !info.isWritable();
}

void ResetOpslaan() {
    NetwerkPad = false;
    AlleenLezen = false;
    ZetBestandsdialogen(nullptr);
    ZetBestandsbewerkingen(nullptr);
    ResetWerkkopie();
}
