#include "acquisition/EEprom.h"

#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Klok.h"
#include "shared/Melding.h"

namespace {

// The three cell widths and what the link shows for each.
struct Breedte {
    int bytes;
    uint8_t schrijfCode;
    uint8_t leesCode;
    const char* schrijfTekst;
    const char* leesTekst;
    const char* label; // in the terminal line of a read
};

const Breedte EenByte{1,
                      CommandoSchrijfByte,
                      CommandoLeesByte,
                      "Writing byte to e²prom ...",
                      "Reading byte from e²prom ...",
                      "byte"};
const Breedte EenWoord{
    2,      CommandoSchrijfWoord, CommandoLeesWoord, "Writing word to e²prom.", "Reading word from e²prom.",
    "2byte"};
const Breedte EenDubbelWoord{4,
                             CommandoSchrijfDubbelWoord,
                             CommandoLeesDubbelWoord,
                             "Writing double word to e²prom ...",
                             "Reading double word from e²prom ...",
                             "4byte"};

// Write-enable requests, each followed by a status read, before a pass counts as failed.
constexpr int MaximaleToestemmingen = 5;
constexpr int StapWachttijd = 250; // ms between the steps of a verified write
constexpr uint8_t BitSchrijfToestemming = 0x80;

void Paneel3(const QString& tekst) {
    hoofdvenster().ZetStatusTekst(3, tekst);
}

bool LijnOpen() {
    return MSComm1().isOpen();
}

void ZendAdres(int adres) {
    const int hoog = adres / 256;
    ZendByte(static_cast<uint8_t>(hoog));
    ZendByte(static_cast<uint8_t>(adres - hoog * 256));
}

// The value as the bytes of the cell, most significant first.
void Schrijf(int rack, int module, int adres, uint32_t patroon, const Breedte& b) {
    if (!IsModulePlaats(rack, module)) return;
    Paneel3(QString::fromUtf8(b.schrijfTekst));
    Bestemming = BestemmingModule;
    Commando = b.schrijfCode;
    VerzendIdno = Racks[rack].Modules[module].Idno;
    AantalbytesUIT = static_cast<uint8_t>(8 + b.bytes);
    ZendKop();
    ZendAdres(adres);
    for (int schuif = 8 * (b.bytes - 1); schuif >= 0; schuif -= 8)
        ZendByte(static_cast<uint8_t>(patroon >> schuif));
    ZendStaart();
}

// The cell's bytes as an unsigned pattern; Antwoord 1 when a valid reply of the module carried them.
uint32_t Lees(int rack, int module, int adres, const Breedte& b) {
    uint32_t resultaat = 0;
    Pogingen = 0;
    if (!IsModulePlaats(rack, module)) {
        Antwoord = AntwoordGeenLijn;
        return resultaat;
    }
    const int32_t idno = Racks[rack].Modules[module].Idno;
    do {
        BufferRS232.clear();
        ++Pogingen;
        Paneel3(QString::fromUtf8(b.leesTekst));
        Bestemming = BestemmingModule;
        Commando = b.leesCode;
        VerzendIdno = idno;
        AantalbytesUIT = 8;
        ZendKop();
        ZendAdres(adres);
        ZendStaart();
        const QByteArray antwoord = WachtOpAntwoord();
        if (antwoord.size() >= 2 && LijnOpen()) {
            // A reply that holds the cell's bytes: 'P', length, echo, number, data, checksum, CR LF.
            const bool heel = antwoord.size() >= 7 + b.bytes + 3;
            if (HaalByte(antwoord, 3) == b.leesCode && ControleerChecksum(antwoord) && heel) {
                AntwoordIdno = HaalLong(antwoord, 4);
                if (AntwoordIdno == idno) {
                    resultaat = 0;
                    for (int i = 0; i < b.bytes; ++i)
                        resultaat = resultaat << 8 | HaalByte(antwoord, 8 + i);
                    Antwoord = AntwoordFrame;
                } else {
                    Antwoord = AntwoordMislukt;
                }
            } else {
                Paneel3(QStringLiteral("Error reading e²prom !"));
                Antwoord = AntwoordGeenLijn;
            }
        }
    } while (LijnOpen() && !(Pogingen > 3 && Antwoord == AntwoordMislukt) && Antwoord != AntwoordGeenLijn &&
             Antwoord != AntwoordFrame && !Afbreken && !Pauzeren);
    if (Antwoord != AntwoordFrame) resultaat = 0;
    return resultaat;
}

void ToonGelezen(int adres, const Breedte& b, qint64 waarde) {
    if (Antwoord == AntwoordFrame && TerminalDataInfo)
        hoofdvenster().TerminalToevoegen(QStringLiteral("E²prom(") + QString::number(adres) +
                                             QStringLiteral(", ") + QString::fromLatin1(b.label) +
                                             QStringLiteral(") = ") + QString::number(waarde) +
                                             QStringLiteral("\r\n"),
                                         false);
}

// Write enable: command 213, then the status must show bit 7. Bounded; false when the module did not
// give it, or the port closed or the user aborted meanwhile.
bool VraagSchrijfToestemming(int rack, int module) {
    for (int i = 0; i < MaximaleToestemmingen; ++i) {
        ZendModuleCode(rack, module, CommandoSchrijfToestemming);
        Wacht(StapWachttijd);
        // Every status request clears Afbreken when it sends: look at it before.
        if (!LijnOpen() || Afbreken) return false;
        const uint8_t status = LeesStatus(rack, module, 255);
        if (Antwoord == AntwoordFrame && (status & BitSchrijfToestemming)) return true;
        if (!LijnOpen() || Afbreken) return false;
    }
    return false;
}

bool SchrijfControle(int rack, int module, int adres, uint32_t patroon, const Breedte& b) {
    if (!IsModulePlaats(rack, module)) return false;
    ModuleRecord& m = Racks[rack].Modules[module];
    const uint32_t masker = b.bytes == 4 ? 0xFFFFFFFFu : (1u << (8 * b.bytes)) - 1;
    patroon &= masker;
    m.AantalPogingen = 0;
    int antwoord = vbRetry;
    do {
        platform::klok().pompZonderWachten();
        // In simulation and with the port closed nothing can be written.
        if (Demo || !LijnOpen()) return false;
        bool gelijk = false;
        if (VraagSchrijfToestemming(rack, module)) {
            Schrijf(rack, module, adres, patroon, b);
            Wacht(StapWachttijd);
            const uint32_t gelezen = Lees(rack, module, adres, b);
            gelijk = Antwoord == AntwoordFrame && gelezen == patroon;
        }
        if (gelijk) return true;
        if (!LijnOpen() || Afbreken) return false;
        if (m.AantalPogingen < INT16_MAX) ++m.AantalPogingen;
        if (m.AantalPogingen >= 3) {
            antwoord = ToonMelding(QStringLiteral("Error writing to Rack/Module !"),
                                   vbRetryCancel | vbCritical, QString());
            m.AantalPogingen = 0;
        }
    } while (antwoord == vbRetry && LijnOpen() && !Afbreken);
    return false;
}

} // namespace

void SchrijfByteEEprom(int rack, int module, int adres, uint8_t waarde) {
    Schrijf(rack, module, adres, waarde, EenByte);
}

void SchrijfWoordEEprom(int rack, int module, int adres, int32_t waarde) {
    // Brought into 0..65535: -1 is sent as FF FF.
    Schrijf(rack, module, adres, static_cast<uint32_t>(waarde) & 0xFFFFu, EenWoord);
}

void SchrijfDubbelWoordEEprom(int rack, int module, int adres, int32_t waarde) {
    Schrijf(rack, module, adres, static_cast<uint32_t>(waarde), EenDubbelWoord);
}

uint8_t LeesByteEEprom(int rack, int module, int adres) {
    const auto waarde = static_cast<uint8_t>(Lees(rack, module, adres, EenByte));
    ToonGelezen(adres, EenByte, waarde);
    return waarde;
}

int32_t LeesWoordEEprom(int rack, int module, int adres) {
    const auto waarde = static_cast<int32_t>(static_cast<int16_t>(Lees(rack, module, adres, EenWoord)));
    ToonGelezen(adres, EenWoord, waarde);
    return waarde;
}

int32_t LeesDubbelWoordEEprom(int rack, int module, int adres) {
    const auto waarde = static_cast<int32_t>(Lees(rack, module, adres, EenDubbelWoord));
    ToonGelezen(adres, EenDubbelWoord, waarde);
    return waarde;
}

bool SchrijfByteEEpromControle(int rack, int module, int adres, uint8_t waarde) {
    return SchrijfControle(rack, module, adres, waarde, EenByte);
}

bool SchrijfWoordEEpromControle(int rack, int module, int adres, int32_t waarde) {
    return SchrijfControle(rack, module, adres, static_cast<uint32_t>(waarde), EenWoord);
}

bool SchrijfDubbelWoordEEpromControle(int rack, int module, int adres, int32_t waarde) {
    return SchrijfControle(rack, module, adres, static_cast<uint32_t>(waarde), EenDubbelWoord);
}
