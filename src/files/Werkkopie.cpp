#include "files/Werkkopie.h"

#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Bestandsbewerkingen.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
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

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <tuple>

QString WerkkopiePad;

namespace {

const QString CRLF = QStringLiteral("\r\n");
// The event log's word for a working copy removed with the file it belonged to.
constexpr int TekstVerwijderen = 111;

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

namespace {

// What an edit pass of `bestand` reads: its working copy, then the rows that the logging added to the
// data file since the working copy was made (as its record says); the data file itself while there is
// no working copy. With the record of the output to be.
struct Invoer {
    QByteArray bytes;
    QByteArray vorigeHerkomst;
    qint64 bronLengte = -1;
    QByteArray bronStaart;
};

bool LeesInvoer(const QString& bestand, Invoer& invoer) {
    invoer = Invoer();
    const QString werkkopie = bestand + QStringLiteral(".new");
    const QString bron = QFileInfo::exists(werkkopie) ? werkkopie : bestand;
    if (!LeesAlles(bron, invoer.bytes)) {
        ToonMelding(Tekst[449], vbCritical, bron);
        return false;
    }
    if (bron != werkkopie) return true;
    const std::optional<Herkomst> eigen = HerkomstVan(bestand, Afdruk(invoer.bytes));
    if (!eigen) return true;
    invoer.vorigeHerkomst = AlsRegel(*eigen);
    if (QFileInfo(bestand).size() < eigen->lengte) return true;
    const qint64 vanaf = eigen->lengte - eigen->staart.size();
    QByteArray stuk;
    if (!LeesAlles(bestand, stuk, vanaf)) {
        ToonMelding(Tekst[449], vbCritical, bestand);
        return false;
    }
    // A data file that no longer begins with what the working copy was made from gives nothing.
    if (!stuk.startsWith(eigen->staart)) return true;
    const QByteArray gelogd = stuk.mid(eigen->staart.size());
    if (!gelogd.isEmpty()) {
        // Rows logged since: read after the working copy's own lines.
        if (!invoer.bytes.isEmpty() && !invoer.bytes.endsWith('\n') && !invoer.bytes.endsWith('\r'))
            invoer.bytes += "\r\n";
        invoer.bytes += gelogd;
    }
    invoer.bronLengte = vanaf + stuk.size();
    invoer.bronStaart = LaatsteRegel(stuk);
    return true;
}

} // namespace

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

    Invoer invoer;
    if (!LeesInvoer(bestand, invoer)) return false;
    bewerking.m_vorigeHerkomst = std::move(invoer.vorigeHerkomst);
    bewerking.m_bronLengte = invoer.bronLengte;
    bewerking.m_bronStaart = std::move(invoer.bronStaart);
    bewerking.m_utf8 = platform::IsUtf8Tekst(invoer.bytes);
    bewerking.m_invoer = std::move(invoer.bytes);

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

Regelindeling::Regelindeling(const QString& kop, int16_t rack)
    : m_kop(SplitsVelden(kop)), m_rack(rack),
      m_venster(rack >= 1 && rack <= AantalRacks ? TabelVensters[rack] : nullptr) {}

const Veldindeling* Regelindeling::Voor(int32_t rij) const {
    const Rijmodules modules = m_venster ? m_venster->Indelingen().Van(rij) : nullptr;
    if (!modules) return nullptr;
    for (const auto& [bekend, indeling] : m_indelingen)
        if (bekend == modules) return &indeling;
    const std::vector<QStringView> zichten(m_kop.begin(), m_kop.end());
    m_indelingen.emplace_back(modules, Veldindeling(zichten, *modules));
    return &m_indelingen.back().second;
}

int16_t Regelindeling::Kolom(const QString& regel, int32_t rij, int16_t module, int16_t kolom) const {
    return Kolommen(regel, rij, module, {kolom}).front();
}

std::vector<int16_t> Regelindeling::Kolommen(const QString& regel, int32_t rij, int16_t module,
                                             const std::vector<int16_t>& kolommen) const {
    std::vector<int16_t> uit(kolommen.size(), 0);
    const Veldindeling* indeling = Voor(rij);
    if (!indeling) return uit;
    // How a line is read follows from its number of fields.
    const qsizetype velden = SplitsVelden(regel).size();
    for (size_t i = 0; i < kolommen.size(); ++i) {
        const qsizetype index = indeling->Index(velden, m_rack, module, kolommen[i]);
        if (index >= 0) uit[i] = static_cast<int16_t>(std::min<qsizetype>(index + 1, INT16_MAX));
    }
    return uit;
}

bool Regelindeling::OpPositie(const QString& regel, int32_t rij) const {
    const Veldindeling* indeling = Voor(rij);
    return indeling && !indeling->PerKop(SplitsVelden(regel).size());
}

bool IndelingOnbekend(int16_t rack, int16_t module, int32_t rij) {
    if (ZonderTijd(rack, module, rij)) return false;
    const Tabelvenster* venster = TabelVensters[rack];
    return !venster || !venster->Indelingen().Van(rij);
}

namespace {

// The time cells of row `rij` as a Save As of the tables writes its line (ModuleMetTijd): the same
// second shows the same cells; and the snapshot that took it. Empty for a row without a line in the file
// whose record is `spoor`: no table shows it with a time, or the logging knows it has none there.
QString RegelSleutel(const Regelspoor& spoor, const std::vector<Tabelmodule>& modules, int32_t rij,
                     uint64_t* opname = nullptr) {
    const Tabelmodule* t = ModuleMetTijd(modules, rij);
    Tabelvenster* venster = t ? TabelVensters.Maak(t->rack) : nullptr;
    if (!venster) return QString();
    const uint64_t o = venster->Indelingen().Opname(rij);
    if (spoor.Ontbreekt(o)) return QString();
    if (opname) *opname = o;
    const auto m = static_cast<int16_t>(t->module);
    return venster->CelTekst(m, rij, KolomDatum) + QChar(u'\n') + venster->CelTekst(m, rij, KolomTijd);
}

} // namespace

Regelwijzer::Regelwijzer(const QString& bestand, int16_t rack, int16_t module,
                         const std::vector<int32_t>& rijen, int32_t tot) {
    if (rijen.empty() || !TabelVensters.Maak(rack)) return;
    const Rijmodules modules = GeschrevenTabelmodules();
    const Regelspoor spoor = RegelspoorVan(bestand);
    // The seconds looked for, by their time cells.
    QHash<QString, qint64> seconden;
    QSet<qint64> gezocht;
    for (const int32_t r : rijen) {
        if (ZonderTijd(rack, module, r)) continue;
        const QString sleutel = RegelSleutel(spoor, *modules, r);
        if (sleutel.isEmpty()) continue;
        const qint64 seconde = HeleSeconden(TijdVanRij(rack, module, r));
        seconden.insert(sleutel, seconde);
        gezocht.insert(seconde);
    }
    if (seconden.isEmpty()) return;
    // The lines of those seconds that are no row, each after the lines of the snapshots up to its own `na`,
    // read as the file's lines are read.
    QHash<qint64, std::vector<uint64_t>> losse;
    for (const LosseRegel& l : spoor.losse) {
        platform::Datum tijd = 0;
        if (!m_datumLezer.Lees(l.tijd, tijd)) continue;
        if (const qint64 seconde = HeleSeconden(tijd); gezocht.contains(seconde))
            losse[seconde].push_back(l.na);
    }
    for (auto& na : losse)
        std::stable_sort(na.begin(), na.end());
    const auto voegLosseToe = [&](qint64 seconde, Seconde& plek, uint64_t tot) {
        const auto l = losse.find(seconde);
        if (l == losse.end()) return;
        while (plek.losse < l->size() && (*l)[plek.losse] < tot) {
            plek.rijen.emplace_back(0, false);
            ++plek.losse;
        }
    };
    // Every row with a line of those seconds takes the next place among its second's lines, after the lines
    // of no row that lie before it.
    size_t volgende = 0;
    for (int32_t q = 1; q <= std::max(tot, rijen.back()); ++q) {
        while (volgende < rijen.size() && rijen[volgende] < q)
            ++volgende;
        uint64_t opname = 0;
        const auto plek = seconden.constFind(RegelSleutel(spoor, *modules, q, &opname));
        if (plek == seconden.constEnd()) continue;
        const bool gezocht = volgende < rijen.size() && rijen[volgende] == q && !ZonderTijd(rack, module, q);
        Seconde& s = m_seconden[plek.value()];
        voegLosseToe(plek.value(), s, opname);
        s.rijen.emplace_back(q, gezocht);
    }
    for (auto l = losse.cbegin(); l != losse.cend(); ++l)
        voegLosseToe(l.key(), m_seconden[l.key()], std::numeric_limits<uint64_t>::max());
}

Regelwijzer::Plaats Regelwijzer::Volgende(const QString& regel) {
    Plaats plaats;
    // The whole second of the line's time, its first field; none for a line without one.
    platform::Datum tijd = 0;
    if (!m_datumLezer.Lees(VolgendVeld(regel, 1).veld, tijd)) return plaats;
    plaats.seconde = HeleSeconden(tijd);
    const auto plek = m_seconden.find(*plaats.seconde);
    if (plek == m_seconden.end()) return plaats;
    const size_t i = plek->gelezen++;
    if (i < plek->rijen.size()) std::tie(plaats.rij, plaats.gezocht) = plek->rijen[i];
    return plaats;
}

namespace {

// Whether the line is an end point: a time, and no value, unit, temperature nor temperature unit of any
// input. Its flags (empty, or 0 as a Save As from the tables writes them) and info texts may hold anything.
// Every module's block holds per input its flags, value, unit, temperature and temperature unit, then its
// info text, whichever module the header names.
bool IsEindpunt(const QString& regel) {
    const QStringList velden = SplitsVelden(regel);
    for (qsizetype i = 1; i < velden.size(); ++i) {
        const qsizetype plek = (i - 1) % VeldenPerBlok;
        if (plek == InfoVeld - 1 || plek % VeldenPerIngang == 0) continue;
        if (!velden[i].trimmed().isEmpty()) return false;
    }
    return !velden.isEmpty();
}

// The box of an info text refused with text `tekst` (its "##" the module).
void MeldInfoGeweigerd(int tekst, int16_t rack, int16_t module) {
    ToonStandaardMelding(
        QString(Tekst[tekst]).replace(QStringLiteral("##"), QStringLiteral("R%1M%2").arg(rack).arg(module)),
        vbExclamation, Gegevensbestand);
}

// The one choice of the box that refuses an info text on row `rij` of module `module`'s grid in rack
// `rack`'s table; 0 when none does. Before the file is read (`gelezen` false) only where the row's values
// lie in its line is told (502); then from the row's own line as the file holds it (`regel`, nullptr when
// there is none: 509), read with `indeling`: a line without an info field of the module gives 501 when it
// is read by position, 499 otherwise.
int InfoWeigering(int16_t rack, int16_t module, int32_t rij, bool gelezen, const QString* regel = nullptr,
                  const Regelindeling* indeling = nullptr) {
    if (IndelingOnbekend(rack, module, rij)) return TekstIndelingOnbekend;
    if (!gelezen) return 0;
    if (!regel || !indeling) return TekstGeenRegel;
    if (indeling->Kolom(*regel, rij, module, InfoVeld) > 0) return 0;
    // A line that holds no block of this module (a logging file of other modules, a row read by position
    // that ends before it) has no info field of it.
    return indeling->OpPositie(*regel, rij) ? TekstOpPositie : TekstAnderBestand;
}

// The data file's lines as an edit pass reads them (its working copy with the rows logged since), read
// once: its header in `kop` and row `rij`'s own line in `regel` (none when the file holds none, or is not
// there). False, after the box that says so, when the file could not be read.
bool LeesEigenRegel(int16_t rack, int16_t module, int32_t rij, QString& kop, std::optional<QString>& regel) {
    regel.reset();
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    Invoer invoer;
    if (!QFileInfo(bestand).isFile()) return true;
    if (!LeesInvoer(bestand, invoer)) return false;
    QBuffer f(&invoer.bytes);
    f.open(QIODevice::ReadOnly);
    Regeldecoder decoder(BepaalCodering(f));
    Regellezer lezer(f);
    QByteArrayView bytes;
    qint64 lengte = 0;
    if (!lezer.Volgende(bytes, lengte)) return true;
    kop = decoder.Tekst(bytes);
    Regelwijzer wijzer(bestand, rack, module, {rij});
    while (lezer.Volgende(bytes, lengte)) {
        const QString& tekst = decoder.Tekst(bytes);
        if (!wijzer.Volgende(tekst).gezocht) continue;
        regel = tekst;
        break;
    }
    return true;
}

} // namespace

bool SchrijfInfo(int16_t rack, int16_t module, int32_t rij, const QString& tekst) {
    // Whether the row's line takes the text is found by the pass itself, in the one reading of the file:
    // a pass that finds it cannot is dropped before anything changes.
    if (const int weigering = InfoWeigering(rack, module, rij, false)) {
        MeldInfoGeweigerd(weigering, rack, module);
        return false;
    }
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    if (!QFileInfo(bestand).isFile()) {
        MeldInfoGeweigerd(InfoWeigering(rack, module, rij, true), rack, module);
        return false;
    }
    // The rows of the table after this one count too: a line of its second that is another row's, the
    // grid shows that row's text only when that row is in it.
    Regelwijzer wijzer(bestand, rack, module, {rij}, AantalMetingen);
    const qint64 t = HeleSeconden(TijdVanRij(rack, module, rij));
    const bool werkkopieWasEr = QFileInfo::exists(bestand + QStringLiteral(".new"));
    auto bewerking = std::make_unique<Bewerking>();
    if (!BeginBewerking(*bewerking, bestand)) return false;
    // The rows whose lines took the text; the box the row's own line gives (-1: that line was not met).
    std::vector<int32_t> geschreven;
    int weigering = -1;
    if (const std::optional<QString> kop = bewerking->LeesRegel()) {
        bewerking->SchrijfRegel(*kop);
        const Regelindeling indeling(*kop, rack);
        // The lines of the row's second that stand together wait, with the lines without a time among
        // them: when the row's own line is one of them, it takes the text, and so does every end point
        // among them (a row and its end point), whether a table row shows it or not; another reading
        // never does.
        struct Wachtend {
            QString regel;
            Regelwijzer::Plaats plaats;
        };
        std::vector<Wachtend> reeks;
        bool eigen = false;
        const auto schrijfReeks = [&] {
            for (Wachtend& w : reeks) {
                const Regelwijzer::Plaats& p = w.plaats;
                if (p.gezocht) weigering = InfoWeigering(rack, module, rij, true, &w.regel, &indeling);
                const bool neemt = eigen && p.seconde && (p.gezocht || IsEindpunt(w.regel));
                // A line of the second that no row has lies as the row's own.
                const int16_t n = neemt ? indeling.Kolom(w.regel, p.rij ? p.rij : rij, module, InfoVeld) : 0;
                if (n > 0) {
                    VervangVeld(w.regel, n, tekst);
                    if (p.rij && !ZonderTijd(rack, module, p.rij)) geschreven.push_back(p.rij);
                }
                bewerking->SchrijfRegel(w.regel);
            }
            reeks.clear();
            eigen = false;
        };
        while (std::optional<QString> regel = bewerking->LeesRegel()) {
            const Regelwijzer::Plaats p = wijzer.Volgende(*regel);
            if (p.seconde == t || (!p.seconde && !reeks.empty())) {
                if (p.gezocht) eigen = true;
                reeks.push_back({std::move(*regel), p});
                continue;
            }
            schrijfReeks();
            bewerking->SchrijfRegel(*regel);
        }
        schrijfReeks();
    }
    if (weigering != 0) {
        // The row's own line does not take the text (there is none, or it holds no info field of the
        // module): the pass is dropped, and with it a working copy it made; the box says why.
        bewerking.reset();
        if (!werkkopieWasEr) {
            bestandsbewerkingen().Verwijder(bestand + QStringLiteral(".new"));
            WerkkopieAfgehandeld(bestand);
        }
        MeldInfoGeweigerd(weigering < 0 ? InfoWeigering(rack, module, rij, true) : weigering, rack, module);
        return false;
    }
    if (!EindeBewerking(*bewerking, bestand)) return false;
    // What the lines took, the grid shows.
    Tabelvenster* venster = TabelVensters.Maak(rack);
    for (const int32_t q : geschreven)
        if (venster) venster->ZetCelTekst(module, q, InfoKolom(rack, module), tekst);
    return true;
}

int16_t KolomInGegevensbestand(int16_t rack, int16_t module, int32_t rij, int16_t kolom, bool* opPositie) {
    QString kop;
    std::optional<QString> regel;
    if (!LeesEigenRegel(rack, module, rij, kop, regel) || !regel) return -1;
    const Regelindeling indeling(kop, rack);
    if (opPositie) *opPositie = indeling.OpPositie(*regel, rij);
    return indeling.Kolom(*regel, rij, module, kolom);
}

bool InfoGeweigerd(int16_t rack, int16_t module, int32_t rij) {
    int tekst = InfoWeigering(rack, module, rij, false);
    if (tekst == 0) {
        QString kop;
        std::optional<QString> regel;
        // A file that cannot be read has had its box: no other one.
        if (!LeesEigenRegel(rack, module, rij, kop, regel)) return true;
        const Regelindeling indeling(kop, rack);
        tekst = InfoWeigering(rack, module, rij, true, regel ? &*regel : nullptr, &indeling);
    }
    if (tekst == 0) return false;
    MeldInfoGeweigerd(tekst, rack, module);
    return true;
}

Tabelbron TabelbronVan(int16_t rack) {
    const Tabelvenster* venster = TabelVensters[rack];
    return {rack, Gegevensbestand, venster, venster ? venster->Indelingen().Generatie() : 0};
}

bool TabelbronGeldig(const Tabelbron& bron, int tekst) {
    const Tabelvenster* venster = TabelVensters[bron.rack];
    if (!VerbindingActief && Gegevensbestand == bron.bestand && venster && venster == bron.venster &&
        venster->Indelingen().Generatie() == bron.generatie)
        return true;
    ToonStandaardMelding(Tekst[tekst], vbExclamation, bron.bestand);
    return false;
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

Wijzigingsantwoord ControleerWijzigingen(const QString& naam, bool herladen, bool vraag) {
    // The file and its working copy as they are when asked: the caller may hand in Gegevensbestand itself,
    // and the answer acts on them alone, whatever is opened, logged or answered meanwhile.
    const QString bestand = naam;
    const QString werkkopie = bestand + QStringLiteral(".new");
    WerkkopiePad = werkkopie;
    const Bestandsstand gevraagd = StandVan(werkkopie);
    if (gevraagd == Bestandsstand{}) {
        // A record left by a commit that was interrupted after its last step.
        WerkkopieAfgehandeld(bestand);
        return {};
    }
    const int antwoord = vraag ? ToonStandaardMelding(Tekst[425], vbYesNo | vbExclamation, bestand)
                               : ToonStandaardMelding(Tekst[424], vbYesNoCancel | vbExclamation, bestand);
    // No one answers (the program ends): the edits are neither taken in nor thrown away, the next
    // start asks again.
    if (antwoord != vbYes && platform::NiemandAntwoordt()) return {.geannuleerd = true};
    if (antwoord != vbYes && antwoord != vbNo) return {.geannuleerd = true};
    // The timers run behind the question, and a timed start asks it too: a working copy that another
    // answer committed or dropped meanwhile is not acted on again (nor told as a failed write), and one
    // made anew is not the one asked about.
    if (StandVan(werkkopie) != gevraagd) return {};
    if (antwoord == vbYes) {
        BevestigWijzigingen(bestand, werkkopie);
        return {};
    }
    bestandsbewerkingen().Verwijder(werkkopie);
    WerkkopieAfgehandeld(bestand);
    // The tables showed the edits dropped: where they go on showing that file, they show it as it is.
    if (herladen && ZelfdeBestand(MaakBestandsnaam(Gegevensbestand, 0, 0, 0), bestand)) {
        OpenGegevensbestand();
        ToonStandaardMelding(Tekst[233], vbInformation, bestand);
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

bool WerkkopieNaarBackup(const QString& bestand, const QString& backup, QString& mislukt) {
    const QString werkkopie = bestand + QStringLiteral(".new");
    if (!QFileInfo::exists(werkkopie)) return true;
    Bestandsbewerkingen& bewerkingen = bestandsbewerkingen();
    if (backup == bestand) {
        if (!bewerkingen.Verwijder(werkkopie)) {
            mislukt = werkkopie;
            return false;
        }
        SchrijfLogboekRegel(
            0, 0, VervangAmpersand(Tekst[TekstVerwijderen], QString()) + QStringLiteral(": ") + werkkopie);
    } else {
        // The record first, as a copy: under either name the working copy has its record beside it.
        const QString herkomst = HerkomstPad(bestand), naarHerkomst = HerkomstPad(backup);
        const QString naar = backup + QStringLiteral(".new");
        const bool meegegeven = QFileInfo::exists(herkomst) ? bewerkingen.Kopieer(herkomst, naarHerkomst)
                                                            : bewerkingen.Verwijder(naarHerkomst);
        if (!meegegeven || !bewerkingen.Hernoem(werkkopie, naar)) {
            mislukt = meegegeven ? naar : naarHerkomst;
            return false;
        }
    }
    WerkkopieAfgehandeld(bestand);
    return true;
}

void ResetWerkkopie() {
    WerkkopiePad.clear();
}
