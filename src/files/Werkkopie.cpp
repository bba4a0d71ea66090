#include "files/Werkkopie.h"

#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsbewerkingen.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Meetregels.h"
#include "files/Opslaan.h"
#include "files/Tijdbasis.h"
#include "platform/Datum.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>

QString WerkkopiePad;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The file's path and the system's reason that the failed write left (platform::LaatsteSchrijffout).
void MeldSchrijffout(const QString& pad) {
    const QFileInfo info(pad);
    const bool toegang =
        (info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable();
    if (toegang)
        ToonMelding(SchrijffoutTekst(pad), vbExclamation, pad);
    else
        ToonMelding(Tekst[490] + CRLF + CRLF + SchrijffoutTekst(pad), vbCritical, pad);
}

bool LeesAlles(const QString& pad, QByteArray& inhoud, qint64 vanaf = 0) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return false;
    if (vanaf > 0 && !f.seek(vanaf)) return false;
    inhoud = f.readAll();
    return f.error() == QFileDevice::NoError;
}

// The record beside a working copy of how much of the data file it holds, one line for every working
// copy it may belong to: "<SHA-1 of the working copy, hex> <length> <last line, base64>". The working
// copy holds the data file's first `lengte` bytes, edited; the data file only grows while the working
// copy waits (the logging appends whole rows to it), so what lies behind `lengte` is exactly what the
// working copy lacks. A byte count, not the time of the rows: several rows share a second, the clock
// may be set back, the rows at the working copy's end may have been deleted, and none of these may
// lose or bring back a row. `staart`, the data file's last line up to `lengte`, shows that the data
// file still begins with what the working copy was made from. The record of a pass's output is written
// beside that of the working copy it replaces before the output takes the working copy's name, so
// that whichever of the two lies on the disk after a crash has its record.
struct Herkomst {
    QByteArray werkkopie; // SHA-1 of the working copy's bytes
    qint64 lengte = 0;
    QByteArray staart;
};

QString HerkomstPad(const QString& bestand) {
    return bestand + QStringLiteral(".newsrc");
}

QByteArray AlsRegel(const Herkomst& h) {
    return h.werkkopie.toHex() + ' ' + QByteArray::number(h.lengte) + ' ' + h.staart.toBase64() + "\r\n";
}

QByteArray Afdruk(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// The SHA-1 of a file's bytes; empty when it cannot be read.
QByteArray AfdrukVanBestand(const QString& pad) {
    QFile f(pad);
    QCryptographicHash afdruk(QCryptographicHash::Sha1);
    if (!f.open(QIODevice::ReadOnly) || !afdruk.addData(&f)) return QByteArray();
    return afdruk.result();
}

// The last line of the bytes with its line end; a longer line than 64 KiB by its last 64 KiB.
QByteArray LaatsteRegel(const QByteArray& bytes) {
    qsizetype einde = bytes.size();
    while (einde > 0 && (bytes[einde - 1] == '\n' || bytes[einde - 1] == '\r'))
        --einde;
    const qsizetype begin = einde > 0 ? bytes.lastIndexOf('\n', einde - 1) + 1 : 0;
    return bytes.mid(std::max<qsizetype>(begin, bytes.size() - 65536));
}

// The record of the working copy of `bestand` whose bytes have the SHA-1 `afdruk`.
std::optional<Herkomst> HerkomstVan(const QString& bestand, const QByteArray& afdruk) {
    QByteArray inhoud;
    if (afdruk.isEmpty() || !LeesAlles(HerkomstPad(bestand), inhoud)) return std::nullopt;
    for (QByteArray regel : inhoud.split('\n')) {
        if (regel.endsWith('\r')) regel.chop(1);
        const QList<QByteArray> delen = regel.split(' ');
        if (delen.size() != 3 || QByteArray::fromHex(delen[0]) != afdruk) continue;
        bool getal = false;
        const qint64 lengte = delen[1].toLongLong(&getal);
        const auto staart = QByteArray::fromBase64Encoding(delen[2], QByteArray::AbortOnBase64DecodingErrors);
        if (!getal || !staart || lengte < staart.decoded.size()) continue;
        return Herkomst{afdruk, lengte, staart.decoded};
    }
    return std::nullopt;
}

// Writes the record: a temporary file, flushed to the disk, takes its name in one step.
bool SchrijfHerkomst(const QString& bestand, const QByteArray& inhoud) {
    const QString pad = HerkomstPad(bestand);
    const QString tijdelijk = pad + QStringLiteral(".tmp");
    QFile f(tijdelijk);
    errno = 0;
    bool heel = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhoud) == inhoud.size() &&
                f.flush() && NaarSchijf(f.handle());
    f.close();
    heel = heel && f.error() == QFileDevice::NoError;
    if (!heel) platform::OnthoudSchrijffout(errno);
    if (!heel || !bestandsbewerkingen().Hernoem(tijdelijk, pad)) {
        QFile::remove(tijdelijk);
        MeldSchrijffout(pad);
        return false;
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// One edit pass

Bewerking::Bewerking() = default;

Bewerking::~Bewerking() {
    if (m_uitvoer) {
        const QString pad = m_uitvoer->fileName();
        m_uitvoer->close();
        QFile::remove(pad);
    }
}

std::optional<QString> Bewerking::LeesRegel() {
    if (m_positie >= m_invoer.size()) return std::nullopt;
    const char* begin = m_invoer.constData() + m_positie;
    const qsizetype over = m_invoer.size() - m_positie;
    qsizetype lengte = 0;
    while (lengte < over && begin[lengte] != '\n' && begin[lengte] != '\r')
        ++lengte;
    qsizetype einde = 0;
    if (lengte < over)
        einde = (begin[lengte] == '\r' && lengte + 1 < over && begin[lengte + 1] == '\n') ? 2 : 1;
    m_laatsteBytes = QByteArray(begin, lengte);
    m_positie += lengte + einde;
    if (m_utf8) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        m_laatsteRegel = utf8.decode(m_laatsteBytes);
    } else {
        m_laatsteRegel = platform::VanWindows1252(m_laatsteBytes);
    }
    return m_laatsteRegel;
}

void Bewerking::SchrijfRegel(const QString& regel) {
    if (!m_uitvoer) return;
    if (regel == m_laatsteRegel && !m_laatsteBytes.isNull()) {
        m_buffer += m_laatsteBytes;
    } else if (m_utf8) {
        m_buffer += regel.toUtf8();
    } else {
        m_buffer += platform::NaarWindows1252(regel);
    }
    m_buffer += "\r\n";
    if (m_buffer.size() >= (1 << 20)) {
        m_afdruk.addData(m_buffer);
        errno = 0;
        if (m_uitvoer->write(m_buffer) != m_buffer.size()) m_schrijfFout = errno != 0 ? errno : EIO;
        m_buffer.clear();
    }
}

bool Bewerking::IsLeeg() const {
    return m_invoer.isEmpty();
}

void Bewerking::ZetPositie(qsizetype positie) {
    m_positie = std::clamp<qsizetype>(positie, 0, m_invoer.size());
    m_laatsteBytes.clear();
    m_laatsteRegel.clear();
}

void Bewerking::Sluit() {
    m_invoer.clear();
    m_positie = 0;
    m_laatsteBytes.clear();
    m_laatsteRegel.clear();
}

bool BeginBewerking(Bewerking& bewerking, const QString& bestand) {
    bewerking.Sluit();
    bewerking.m_uitvoer.reset();
    WerkkopiePad = bestand + QStringLiteral(".new");
    if (!QFileInfo(bestand).isFile()) return false;

    if (!QFileInfo::exists(WerkkopiePad)) {
        // The record first: a working copy never lies on the disk without it.
        QByteArray gegevens;
        if (!LeesAlles(bestand, gegevens)) {
            ToonMelding(Tekst[449], vbCritical, bestand);
            return false;
        }
        const Herkomst nieuw{Afdruk(gegevens), gegevens.size(), LaatsteRegel(gegevens)};
        if (!SchrijfHerkomst(bestand, AlsRegel(nieuw))) return false;
        if (!bestandsbewerkingen().Kopieer(bestand, WerkkopiePad)) {
            MeldSchrijffout(WerkkopiePad);
            return false;
        }
    }

    QByteArray invoer;
    if (!LeesAlles(WerkkopiePad, invoer)) {
        ToonMelding(Tekst[449], vbCritical, WerkkopiePad);
        return false;
    }
    bewerking.m_vorigeHerkomst.clear();
    bewerking.m_bronLengte = -1;
    bewerking.m_bronStaart.clear();
    if (const std::optional<Herkomst> eigen = HerkomstVan(bestand, Afdruk(invoer))) {
        bewerking.m_vorigeHerkomst = AlsRegel(*eigen);
        if (QFileInfo(bestand).size() >= eigen->lengte) {
            const qint64 vanaf = eigen->lengte - eigen->staart.size();
            QByteArray stuk;
            if (!LeesAlles(bestand, stuk, vanaf)) {
                ToonMelding(Tekst[449], vbCritical, bestand);
                return false;
            }
            // A data file that no longer begins with what the working copy was made from gives nothing.
            if (stuk.startsWith(eigen->staart)) {
                const QByteArray gelogd = stuk.mid(eigen->staart.size());
                if (!gelogd.isEmpty()) {
                    // Rows logged since: read after the working copy's own lines.
                    if (!invoer.isEmpty() && !invoer.endsWith('\n') && !invoer.endsWith('\r'))
                        invoer += "\r\n";
                    invoer += gelogd;
                }
                bewerking.m_bronLengte = vanaf + stuk.size();
                bewerking.m_bronStaart = LaatsteRegel(stuk);
            }
        }
    }
    bewerking.m_utf8 = platform::IsUtf8Tekst(invoer);
    bewerking.m_invoer = std::move(invoer);

    const QString kopie = bestand + QStringLiteral(".newcopy");
    auto uitvoer = std::make_unique<QFile>(kopie);
    errno = 0;
    if (!uitvoer->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        platform::OnthoudSchrijffout(errno);
        bewerking.Sluit();
        MeldSchrijffout(kopie);
        return false;
    }
    bewerking.m_uitvoer = std::move(uitvoer);
    bewerking.m_buffer.clear();
    bewerking.m_afdruk.reset();
    bewerking.m_schrijfFout = 0;
    return true;
}

bool EindeBewerking(Bewerking& bewerking, const QString& bestand) {
    WerkkopiePad = bestand + QStringLiteral(".new");
    if (!bewerking.m_uitvoer) return false;
    std::unique_ptr<QFile> uitvoer = std::move(bewerking.m_uitvoer);
    const QString kopie = uitvoer->fileName();
    bool heel = bewerking.m_schrijfFout == 0;
    bewerking.m_afdruk.addData(bewerking.m_buffer);
    errno = 0;
    if (heel && !bewerking.m_buffer.isEmpty())
        heel = uitvoer->write(bewerking.m_buffer) == bewerking.m_buffer.size();
    bewerking.m_buffer.clear();
    heel = heel && uitvoer->flush() && NaarSchijf(uitvoer->handle());
    uitvoer->close();
    heel = heel && uitvoer->error() == QFileDevice::NoError;
    if (!heel) {
        platform::OnthoudSchrijffout(bewerking.m_schrijfFout != 0 ? bewerking.m_schrijfFout : errno);
        bewerking.Sluit();
        QFile::remove(kopie);
        MeldSchrijffout(WerkkopiePad);
        return false;
    }
    // The output's record beside the working copy's: whichever of the two the name holds after a
    // crash, its record is there.
    if (bewerking.m_bronLengte >= 0) {
        const QByteArray regel =
            AlsRegel({bewerking.m_afdruk.result(), bewerking.m_bronLengte, bewerking.m_bronStaart});
        if (regel != bewerking.m_vorigeHerkomst &&
            !SchrijfHerkomst(bestand, bewerking.m_vorigeHerkomst + regel)) {
            bewerking.Sluit();
            QFile::remove(kopie);
            return false;
        }
    }
    bewerking.Sluit();
    // The finished output replaces the working copy in one step: there is always a whole one.
    if (!bestandsbewerkingen().Hernoem(kopie, WerkkopiePad)) {
        QFile::remove(kopie);
        MeldSchrijffout(WerkkopiePad);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------------
// Edits

Regelindeling::Regelindeling(const QString& kop) {
    const QStringList velden = SplitsVelden(kop);
    const std::vector<QStringView> zichten(velden.begin(), velden.end());
    m_indeling = IndelingVanBestand(zichten);
}

Regelindeling::Regelindeling(const QString& kop, int16_t rack) : Regelindeling(kop) {
    m_rack = rack;
    const Tabelvenster* venster = rack >= 1 && rack <= AantalRacks ? TabelVensters[rack] : nullptr;
    const std::shared_ptr<const Laadindeling> geladen = venster ? venster->GeladenIndeling() : nullptr;
    if (!geladen) return;
    const QStringList velden = SplitsVelden(kop);
    const std::vector<QStringView> zichten(velden.begin(), velden.end());
    m_geladen.emplace(zichten, geladen->modules);
    m_geladenRijen = geladen->rijen;
    // Whether racks or modules changed since the load is decided once for the whole pass over the lines.
    m_gewijzigd = RacksGewijzigdSindsLaden(rack, 0);
}

const Veldindeling& Regelindeling::Voor(int32_t rij) const {
    return m_geladen && rij >= 1 && rij <= m_geladenRijen ? *m_geladen : m_indeling;
}

int16_t Regelindeling::Kolom(const QString& regel, int16_t rack, int16_t module, int16_t kolom) const {
    return Kolommen(regel, rack, module, {kolom}).front();
}

std::vector<int16_t> Regelindeling::Kolommen(const QString& regel, int16_t rack, int16_t module,
                                             const std::vector<int16_t>& kolommen) const {
    return Kolommen(regel, 0, rack, module, kolommen);
}

int16_t Regelindeling::Kolom(const QString& regel, int32_t rij, int16_t rack, int16_t module,
                             int16_t kolom) const {
    return Kolommen(regel, rij, rack, module, {kolom}).front();
}

std::vector<int16_t> Regelindeling::Kolommen(const QString& regel, int32_t rij, int16_t rack, int16_t module,
                                             const std::vector<int16_t>& kolommen) const {
    std::vector<int16_t> uit(kolommen.size(), 0);
    if (m_rack != 0 && (rack != m_rack || (m_gewijzigd && (rij < 1 || rij > m_geladenRijen)))) return uit;
    const Veldindeling& indeling = Voor(rij);
    // How a line is read follows from its number of fields.
    const qsizetype velden = SplitsVelden(regel).size();
    for (size_t i = 0; i < kolommen.size(); ++i) {
        const qsizetype index = indeling.Index(velden, rack, module, kolommen[i]);
        if (index >= 0) uit[i] = static_cast<int16_t>(std::min<qsizetype>(index + 1, INT16_MAX));
    }
    return uit;
}

bool Regelindeling::OpPositie(const QString& regel, int32_t rij) const {
    return !Voor(rij).PerKop(SplitsVelden(regel).size());
}

bool RacksGewijzigdSindsLaden(int16_t rack, int32_t rij) {
    const Tabelvenster* venster = rack >= 1 && rack <= AantalRacks ? TabelVensters[rack] : nullptr;
    const std::shared_ptr<const Laadindeling> geladen = venster ? venster->GeladenIndeling() : nullptr;
    if (!geladen || (rij >= 1 && rij <= geladen->rijen)) return false;
    const std::vector<Tabelmodule> nu = Tabelmodules();
    return !std::equal(
        nu.begin(), nu.end(), geladen->modules.begin(), geladen->modules.end(),
        [](const Tabelmodule& a, const Tabelmodule& b) { return a.rack == b.rack && a.module == b.module; });
}

namespace {

// The row has no time: its date and time cells are empty (a deleted row, the empty row below the newest).
bool ZonderTijd(const QString& datum, const QString& tijd) {
    return datum.trimmed().isEmpty() && tijd.trimmed().isEmpty();
}

} // namespace

// Whole seconds since the zero date, the fraction of a second dropped as the time cells drop it.
qint64 HeleSeconden(platform::Datum d) {
    const qint64 ms = std::llround(d * 86400000.0);
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

std::optional<qint64> SecondeVanRegel(const QString& regel) {
    platform::Datum tijd = 0;
    if (!platform::LeesDatumTijd(VolgendVeld(regel, 1).veld, tijd)) return std::nullopt;
    return HeleSeconden(tijd);
}

PlaatsInSeconde RijInSeconde(int16_t rack, int16_t module, int32_t rij) {
    PlaatsInSeconde plaats;
    Tabelvenster* venster = TabelVensters.Maak(rack);
    if (!venster) return plaats;
    const QString datum = venster->CelTekst(module, rij, KolomDatum);
    const QString tijd = venster->CelTekst(module, rij, KolomTijd);
    if (ZonderTijd(datum, tijd)) return plaats;
    // The same second shows the same cells: a row's time is kept in them alone.
    for (int32_t q = 1; q <= AantalMetingen; ++q) {
        if (q == rij || venster->CelTekst(module, q, KolomTijd) != tijd ||
            venster->CelTekst(module, q, KolomDatum) != datum)
            continue;
        ++(q < rij ? plaats.ervoor : plaats.erna);
    }
    return plaats;
}

std::vector<int32_t> RijenErvoorInSeconde(int16_t rack, int16_t module, const std::vector<int32_t>& rijen) {
    std::vector<int32_t> ervoor(rijen.size(), 0);
    Tabelvenster* venster = TabelVensters.Maak(rack);
    if (!venster || rijen.empty()) return ervoor;
    // The time cells of the rows asked for, and the rows seen so far with those cells.
    QHash<QString, int32_t> gezien;
    const auto sleutel = [venster, module](int32_t q) {
        return venster->CelTekst(module, q, KolomDatum) + QChar(u'\n') +
               venster->CelTekst(module, q, KolomTijd);
    };
    for (const int32_t r : rijen)
        gezien.insert(sleutel(r), 0);
    size_t volgende = 0;
    for (int32_t q = 1; q <= rijen.back() && volgende < rijen.size(); ++q) {
        const QString k = sleutel(q);
        const auto plek = gezien.find(k);
        if (q == rijen[volgende]) ervoor[volgende++] = plek != gezien.end() ? plek.value() : 0;
        if (plek != gezien.end()) ++plek.value();
    }
    return ervoor;
}

bool SchrijfInfo(int16_t rack, int16_t module, int32_t rij, int16_t kolom, const QString& tekst) {
    if (RacksGewijzigdSindsLaden(rack, rij)) return false;
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    const qint64 t = HeleSeconden(TijdVanRij(rack, module, rij));
    const int32_t ervoor = RijInSeconde(rack, module, rij).ervoor;
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return false;
    bool geschreven = false;
    if (const std::optional<QString> kop = bewerking.LeesRegel()) {
        bewerking.SchrijfRegel(*kop);
        const Regelindeling indeling(*kop, rack);
        // The lines of the row's second that stand together wait, with the lines without a time among
        // them: when the row's own line is one of them, they all take the text (a row and its end point).
        std::vector<QString> reeks;
        std::vector<bool> vanSeconde;
        qsizetype eigen = -1;
        int32_t gezien = 0;
        const auto schrijfReeks = [&] {
            for (size_t i = 0; i < reeks.size(); ++i) {
                if (eigen >= 0 && vanSeconde[i]) {
                    if (const int16_t n = indeling.Kolom(reeks[i], rij, rack, module, kolom); n > 0) {
                        VervangVeld(reeks[i], n, tekst);
                        if (static_cast<qsizetype>(i) == eigen) geschreven = true;
                    }
                }
                bewerking.SchrijfRegel(reeks[i]);
            }
            reeks.clear();
            vanSeconde.clear();
            eigen = -1;
        };
        while (std::optional<QString> regel = bewerking.LeesRegel()) {
            const std::optional<qint64> s = SecondeVanRegel(*regel);
            if (s == t || (!s && !reeks.empty())) {
                if (s && gezien++ == ervoor) eigen = static_cast<qsizetype>(reeks.size());
                reeks.push_back(*regel);
                vanSeconde.push_back(s.has_value());
                continue;
            }
            schrijfReeks();
            bewerking.SchrijfRegel(*regel);
        }
        schrijfReeks();
    }
    return EindeBewerking(bewerking, bestand) && geschreven;
}

int16_t KolomInBestand(const QString& kop, const QString& regel, int16_t rack, int16_t module,
                       int16_t kolom) {
    return Regelindeling(kop).Kolom(regel, rack, module, kolom);
}

namespace {

// The line of the row in the file `pad`: the line of second `seconde` after `ervoor` lines of that second,
// or (`vanAchteren`) the one before `ervoor` lines of that second at the file's end; its field as
// KolomInGegevensbestand gives it. -1 when the file has no such line.
int16_t KolomInRegelsVan(const QString& pad, qint64 seconde, int32_t ervoor, bool vanAchteren, int16_t rack,
                         int16_t module, int32_t rij, int16_t kolom, bool* opPositie) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    Regeldecoder decoder(BepaalCodering(f));
    Regellezer lezer(f);
    QByteArrayView bytes;
    qint64 lengte = 0;
    if (!lezer.Volgende(bytes, lengte)) return -1;
    const Regelindeling indeling(decoder.Tekst(bytes), rack);
    QStringList regels;
    while (lezer.Volgende(bytes, lengte)) {
        const QString& regel = decoder.Tekst(bytes);
        if (SecondeVanRegel(regel) != seconde) continue;
        if (!vanAchteren && regels.size() > ervoor) break;
        regels.append(regel);
    }
    const qsizetype index = vanAchteren ? regels.size() - 1 - ervoor : ervoor;
    if (index < 0 || index >= regels.size()) return -1;
    if (opPositie) *opPositie = indeling.OpPositie(regels.at(index), rij);
    return indeling.Kolom(regels.at(index), rij, rack, module, kolom);
}

} // namespace

int16_t KolomInGegevensbestand(int16_t rack, int16_t module, int32_t rij, int16_t kolom, bool* opPositie) {
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    const QString werkkopie = bestand + QStringLiteral(".new");
    const qint64 seconde = HeleSeconden(TijdVanRij(rack, module, rij));
    const PlaatsInSeconde plaats = RijInSeconde(rack, module, rij);
    if (!QFileInfo::exists(werkkopie))
        return KolomInRegelsVan(bestand, seconde, plaats.ervoor, false, rack, module, rij, kolom, opPositie);
    const int16_t kolomNummer =
        KolomInRegelsVan(werkkopie, seconde, plaats.ervoor, false, rack, module, rij, kolom, opPositie);
    if (kolomNummer >= 0) return kolomNummer;
    // A row logged into the data file since the working copy was made is not in the working copy yet: it
    // lies among the data file's last lines, counted from its end; its line reads alike in both, an edit
    // changing no line's number of fields.
    return KolomInRegelsVan(bestand, seconde, plaats.erna, true, rack, module, rij, kolom, opPositie);
}

void WisRijInTabellen(int32_t rij) {
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        Tabelvenster* venster = TabelVensters.Maak(r);
        if (!venster) continue;
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            const int16_t laatste = InfoKolom(r, m);
            for (int16_t c = 1; c <= laatste; ++c)
                venster->ZetCelTekst(m, rij, c, QString());
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// The question about pending edits

Wijzigingsantwoord ControleerWijzigingen(const QString& bestand, bool herladen, bool vraag) {
    WerkkopiePad = bestand + QStringLiteral(".new");
    if (!QFileInfo::exists(WerkkopiePad)) {
        // A record left by a commit that was interrupted after its last step.
        WerkkopieAfgehandeld(bestand);
        return {};
    }
    const int antwoord = vraag ? ToonMelding(Tekst[425], vbYesNo | vbExclamation, bestand)
                               : ToonMelding(Tekst[424], vbYesNoCancel | vbExclamation, bestand);
    // No one answers (the program ends): the edits are neither taken in nor thrown away, the next
    // start asks again.
    if (antwoord != vbYes && platform::NiemandAntwoordt()) return {.geannuleerd = true};
    if (antwoord == vbYes) {
        BevestigWijzigingen(bestand, WerkkopiePad);
    } else if (antwoord == vbNo) {
        bestandsbewerkingen().Verwijder(WerkkopiePad);
        WerkkopieAfgehandeld(bestand);
        if (herladen) {
            OpenGegevensbestand();
            ToonMelding(Tekst[233], vbInformation, bestand);
        }
    } else {
        return {.geannuleerd = true};
    }
    return {};
}

bool WerkkopieBijwerken(const QString& bestand) {
    const QString werkkopie = bestand + QStringLiteral(".new");
    if (!QFileInfo::exists(werkkopie)) return true;
    const std::optional<Herkomst> eigen = HerkomstVan(bestand, AfdrukVanBestand(werkkopie));
    if (!eigen || QFileInfo(bestand).size() <= eigen->lengte) return true;
    // An edit pass that changes nothing takes the logged rows in.
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return false;
    while (const std::optional<QString> regel = bewerking.LeesRegel())
        bewerking.SchrijfRegel(*regel);
    return EindeBewerking(bewerking, bestand);
}

void WerkkopieAfgehandeld(const QString& bestand) {
    // A working copy that could not be removed keeps its record.
    if (!QFileInfo::exists(bestand + QStringLiteral(".new"))) QFile::remove(HerkomstPad(bestand));
}

void ResetWerkkopie() {
    WerkkopiePad.clear();
}
