#include "files/Werkkopie.h"

#include "acquisition/RackModel.h"
#include "acquisition/Tabelvenster.h"
#include "files/Bestandsbewerkingen.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/Tijdbasis.h"
#include "platform/Datum.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <cmath>

QString WerkkopiePad;

namespace {

constexpr int VeldenPerModule = 21;
const QString CRLF = QStringLiteral("\r\n");

// How far this run knows the data file to be in its working copy: the working copy holds the data
// file's first `lengte` bytes (edited). Rows the logging appends after that are carried over.
struct Bron {
    QString bestand;
    qint64 lengte = -1;
};
Bron bron;

QString Absoluut(const QString& pad) {
    return QFileInfo(pad).absoluteFilePath();
}

// Whole seconds since the zero date, the fraction of a second dropped as the time cells drop it.
qint64 HeleSeconden(platform::Datum d) {
    const qint64 ms = std::llround(d * 86400000.0);
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

// True when all of the bytes are valid UTF-8 and some are not ASCII.
bool IsUtf8(const QByteArray& bytes) {
    bool nietAscii = false;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            nietAscii = true;
            break;
        }
    if (!nietAscii) return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString proef = utf8.decode(bytes);
    return !utf8.hasError();
}

void MeldSchrijffout(const QString& pad) {
    const QFileInfo info(pad);
    const bool toegang =
        (info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable();
    if (toegang)
        ToonMelding(VervangHekje(Tekst[234], pad), vbExclamation, pad);
    else
        ToonMelding(Tekst[490] + CRLF + CRLF + pad, vbCritical, pad);
}

bool LeesAlles(const QString& pad, QByteArray& inhoud, qint64 vanaf = 0) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return false;
    if (vanaf > 0 && !f.seek(vanaf)) return false;
    inhoud = f.readAll();
    return f.error() == QFileDevice::NoError;
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

bool Bewerking::LeesRegel(QString& regel) {
    if (m_positie >= m_invoer.size()) return false;
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
    regel = m_laatsteRegel;
    return true;
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
        if (m_uitvoer->write(m_buffer) != m_buffer.size()) m_schrijfFout = true;
        m_buffer.clear();
    }
}

bool Bewerking::IsLeeg() const {
    return m_invoer.isEmpty();
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
    const QString absoluut = Absoluut(bestand);
    if (!QFileInfo(bestand).isFile()) return false;

    qint64 bronLengte = -1;
    if (!QFileInfo::exists(WerkkopiePad)) {
        const qint64 lengte = QFileInfo(bestand).size();
        if (!bestandsbewerkingen().Kopieer(bestand, WerkkopiePad)) {
            MeldSchrijffout(WerkkopiePad);
            return false;
        }
        bron = {absoluut, lengte};
        bronLengte = lengte;
    }

    QByteArray invoer;
    if (!LeesAlles(WerkkopiePad, invoer)) {
        ToonMelding(Tekst[449], vbCritical, WerkkopiePad);
        return false;
    }
    if (bronLengte < 0 && bron.bestand == absoluut && bron.lengte >= 0) {
        const qint64 lengte = QFileInfo(bestand).size();
        if (lengte > bron.lengte) {
            // Rows logged since: read after the working copy's own lines.
            QByteArray nieuw;
            if (!LeesAlles(bestand, nieuw, bron.lengte)) {
                ToonMelding(Tekst[449], vbCritical, bestand);
                return false;
            }
            if (!invoer.isEmpty() && !invoer.endsWith('\n') && !invoer.endsWith('\r')) invoer += "\r\n";
            invoer += nieuw;
            bronLengte = bron.lengte + nieuw.size();
        } else if (lengte == bron.lengte) {
            bronLengte = lengte;
        }
    }
    bewerking.m_bronLengte = bronLengte;
    bewerking.m_utf8 = IsUtf8(invoer);
    bewerking.m_invoer = std::move(invoer);

    const QString kopie = bestand + QStringLiteral(".newcopy");
    auto uitvoer = std::make_unique<QFile>(kopie);
    if (!uitvoer->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        bewerking.Sluit();
        MeldSchrijffout(kopie);
        return false;
    }
    bewerking.m_uitvoer = std::move(uitvoer);
    bewerking.m_buffer.clear();
    bewerking.m_schrijfFout = false;
    return true;
}

bool EindeBewerking(Bewerking& bewerking, const QString& bestand) {
    WerkkopiePad = bestand + QStringLiteral(".new");
    if (!bewerking.m_uitvoer) return false;
    std::unique_ptr<QFile> uitvoer = std::move(bewerking.m_uitvoer);
    const QString kopie = uitvoer->fileName();
    bool heel = !bewerking.m_schrijfFout;
    if (heel && !bewerking.m_buffer.isEmpty())
        heel = uitvoer->write(bewerking.m_buffer) == bewerking.m_buffer.size();
    bewerking.m_buffer.clear();
    heel = heel && uitvoer->flush() && NaarSchijf(uitvoer->handle());
    uitvoer->close();
    heel = heel && uitvoer->error() == QFileDevice::NoError;
    const qint64 bronLengte = bewerking.m_bronLengte;
    bewerking.Sluit();
    // The finished output replaces the working copy in one step: there is always a whole one.
    if (!heel || !bestandsbewerkingen().Hernoem(kopie, WerkkopiePad)) {
        QFile::remove(kopie);
        MeldSchrijffout(WerkkopiePad);
        return false;
    }
    if (bronLengte >= 0)
        bron = {Absoluut(bestand), bronLengte};
    else
        bron = {};
    return true;
}

// ---------------------------------------------------------------------------------------------------
// Edits

void SchrijfInfo(int16_t rack, int16_t module, int32_t rij, int16_t kolom, const QString& tekst) {
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return;
    QString regel;
    if (bewerking.LeesRegel(regel)) {
        bewerking.SchrijfRegel(regel); // the header
        const int16_t n = KolomInBestand(rack, module, kolom);
        const qint64 t = HeleSeconden(TijdVanRij(rack, module, rij));
        while (bewerking.LeesRegel(regel)) {
            platform::Datum tijd = 0;
            if (platform::LeesDatumTijd(VolgendVeld(regel, 1), tijd) && HeleSeconden(tijd) == t)
                VervangVeld(regel, n, tekst);
            bewerking.SchrijfRegel(regel);
        }
    }
    EindeBewerking(bewerking, bestand);
}

int16_t KolomInBestand(int16_t rack, int16_t module, int16_t kolom) {
    int k = 1;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (r == rack && m == module) return static_cast<int16_t>(k + kolom);
            k += VeldenPerModule;
        }
    }
    return static_cast<int16_t>(k);
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

void ControleerWijzigingen(const QString& bestand, bool& herladen, bool vraag) {
    const bool opnieuwLaden = herladen;
    herladen = false;
    WerkkopiePad = bestand + QStringLiteral(".new");
    if (!QFileInfo::exists(WerkkopiePad)) return;
    const int antwoord = vraag ? ToonMelding(Tekst[425], vbYesNo | vbExclamation, bestand)
                               : ToonMelding(Tekst[424], vbYesNoCancel | vbExclamation, bestand);
    if (antwoord == vbYes) {
        BevestigWijzigingen(bestand, WerkkopiePad);
    } else if (antwoord == vbNo) {
        bestandsbewerkingen().Verwijder(WerkkopiePad);
        WerkkopieAfgehandeld(bestand);
        if (opnieuwLaden) {
            OpenGegevensbestand();
            ToonMelding(Tekst[233], vbInformation, bestand);
        }
    } else {
        herladen = true;
    }
}

bool WerkkopieBijwerken(const QString& bestand) {
    if (bron.bestand != Absoluut(bestand) || bron.lengte < 0) return true;
    if (!QFileInfo::exists(bestand + QStringLiteral(".new"))) return true;
    if (QFileInfo(bestand).size() <= bron.lengte) return true;
    // An edit pass that changes nothing takes the logged rows in.
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return false;
    QString regel;
    while (bewerking.LeesRegel(regel))
        bewerking.SchrijfRegel(regel);
    return EindeBewerking(bewerking, bestand);
}

void WerkkopieAfgehandeld(const QString& bestand) {
    if (bron.bestand == Absoluut(bestand)) bron = {};
}

void ResetWerkkopie() {
    WerkkopiePad.clear();
    bron = {};
}
