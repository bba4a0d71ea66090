#include "acquisition/StatusADC.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Commandos.h"
#include "acquisition/ECBereik.h"
#include "acquisition/Frames.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Klok.h"
#include "shared/Algemeen.h"

namespace {

void Terminal(const QString& tekst) {
    hoofdvenster().TerminalToevoegen(tekst, false);
}

QString Hex(unsigned waarde) {
    return QString::number(waarde, 16).toUpper();
}

bool TransactieKlaar() {
    return !MSComm1().isOpen() || (Pogingen > 3 && Antwoord == AntwoordMislukt) ||
           Antwoord == AntwoordGeenLijn || Antwoord == AntwoordFrame || Afbreken || Pauzeren;
}

// Stores the four values of an ADC reply in the measuring or the temperature channels.
void VerwerkADC(const QByteArray& antwoord, bool temperatuur) {
    if (!HeeftDatabytes(antwoord, AntwoordDatabytes(CommandoADC))) return;
    int rack = 0, module = 0;
    ZoekRackModule(AntwoordIdno, rack, module);
    if (rack == 0 || module == 0) return;
    ModuleRecord& m = Racks[rack].Modules[module];
    m.Tijdstip = platform::Nu();
    for (int c = 1; c <= AantalIngangen; ++c) {
        KanaalRecord& k = temperatuur ? m.Temperatuur[c] : m.Meting[c];
        k.AdcWaarde = BytesNaarInteger(HaalByte(antwoord, 2 * c + 6), HaalByte(antwoord, 2 * c + 7));
        if (TerminalDataInfo)
            Terminal(TrimSpaties(Racks[rack].Name) + TrimSpaties(m.Name) +
                     (temperatuur ? QStringLiteral(" °C") : QStringLiteral(" CH")) + QString::number(c) +
                     QStringLiteral(" = ") + QString::number(k.AdcWaarde) + QStringLiteral("\r\n"));
        k.Tijdstip = m.Tijdstip;
    }
    CommandoAfgehandeld(rack, module);
}

void LeesADCWaarden(int rack, int module, uint8_t code) {
    const QString codeTekst = QString::number(code);
    Pogingen = 0;
    do {
        ++Pogingen;
        if (!MSComm1().isOpen() || !IsModulePlaats(rack, module)) {
            // No line: no fresh values, whatever the last transaction left.
            Antwoord = AntwoordGeenLijn;
            break;
        }
        ZendModuleCommando(rack, module, codeTekst);
        const QByteArray antwoord = WachtOpAntwoord();
        if (Antwoord != AntwoordFrame) continue;
        if (!MSComm1().isOpen()) {
            hoofdvenster().ZetStatusTekst(3, QStringLiteral("RACK is not responding."));
            Antwoord = AntwoordGeenLijn;
            continue;
        }
        AntwoordGeldig = ControleerChecksum(antwoord);
        if (!AntwoordGeldig) {
            hoofdvenster().ZetStatusTekst(3, QStringLiteral("Error reading ADC!"));
            Antwoord = AntwoordGeenLijn;
            continue;
        }
        AntwoordEcho = QString::number(HaalByte(antwoord, 3));
        if (AntwoordEcho == codeTekst && !IsVolledigAntwoord(antwoord)) {
            // Too short to hold the four values: as if no reply came.
            Antwoord = AntwoordMislukt;
            continue;
        }
        AntwoordIdno = HaalLong(antwoord, 4);
        if (AntwoordEcho != codeTekst || AntwoordIdno != VerzendIdno) {
            Antwoord = AntwoordMislukt;
        } else {
            VerwerkADC(antwoord, code == CommandoTemperatuurADC);
            Antwoord = AntwoordFrame;
        }
    } while (!TransactieKlaar());
}

} // namespace

bool IsVolledigAntwoord(const QByteArray& antwoord) {
    // The identification number first: without it the reply names no module.
    if (!HeeftDatabytes(antwoord, 0)) return false;
    const uint8_t echo = HaalByte(antwoord, 3);
    int databytes = AntwoordDatabytes(echo);
    if (echo == CommandoStatus) {
        int rack = 0, module = 0;
        ZoekRackModule(HaalLong(antwoord, 4), rack, module);
        if (IsModulePlaats(rack, module) && ModelVan(rack, module).heeftBereiken)
            databytes = StatusDatabytesK762;
    }
    return HeeftDatabytes(antwoord, databytes);
}

void CommandoAfgehandeld(int rack, int module) {
    if (!IsModulePlaats(rack, module)) return;
    ModuleRecord& m = Racks[rack].Modules[module];
    m.Beantwoord = true;
    m.LaatsteCommando.clear();
    m.AantalPogingen = 0;
}

void BewaarStatusbytes(int rack, int module, const QByteArray& antwoord) {
    if (!IsModulePlaats(rack, module)) return;
    ModuleRecord& m = Racks[rack].Modules[module];
    const bool bereiken = ModelVan(m).heeftBereiken;
    if (!HeeftDatabytes(antwoord, bereiken ? StatusDatabytesK762 : AntwoordDatabytes(CommandoStatus))) return;
    m.Status = HaalByte(antwoord, 8);
    m.LedFlag = HaalByte(antwoord, 9);
    m.Errors = HaalWoord(antwoord, 10);
    if (bereiken)
        for (int c = 1; c <= AantalIngangen; ++c) {
            const uint8_t bereik = HaalByte(antwoord, 11 + c);
            if (bereik <= HoogsteECBereik) m.Meting[c].Resolution = bereik;
        }
}

void VerwerkStatusAntwoord(const QByteArray& antwoord) {
    int rack = 0, module = 0;
    ZoekRackModule(AntwoordIdno, rack, module);
    if (rack == 0 || module == 0) return;
    if (HaalByte(antwoord, 3) != CommandoStatus || !ControleerChecksum(antwoord) ||
        !IsVolledigAntwoord(antwoord))
        return;
    BewaarStatusbytes(rack, module, antwoord);
    Antwoord = AntwoordFrame;
    const ModuleRecord& m = Racks[rack].Modules[module];
    if (TerminalDataInfo)
        Terminal(TrimSpaties(Racks[rack].Name) + TrimSpaties(m.Name) + Hex(m.Status) +
                 QStringLiteral("\r\n"));
    CommandoAfgehandeld(rack, module);
}

void VerwerkADCAntwoord(const QByteArray& antwoord) {
    VerwerkADC(antwoord, false);
}
void VerwerkTemperatuurADCAntwoord(const QByteArray& antwoord) {
    VerwerkADC(antwoord, true);
}

uint8_t LeesStatus(int rack, int module, uint8_t standaard) {
    uint8_t resultaat = 0;
    const auto mislukt = [&] {
        if (standaard != 255) resultaat = standaard;
    };
    Pogingen = 0;
    if (!IsModulePlaats(rack, module)) {
        Antwoord = AntwoordGeenLijn;
        mislukt();
        return resultaat;
    }
    ModuleRecord& m = Racks[rack].Modules[module];
    do {
        BufferRS232.clear();
        ++Pogingen;
        ZendModuleCommando(rack, module, QStringLiteral("205"));
        if (TerminalDataInfo) Terminal(QStringLiteral("Status = "));
        const QByteArray antwoord = WachtOpAntwoord();
        const bool status = HaalByte(antwoord, 3) == CommandoStatus && ControleerChecksum(antwoord);
        if (antwoord.size() < 2 || Antwoord != AntwoordFrame || (status && !IsVolledigAntwoord(antwoord))) {
            // No reply, or a status reply too short to hold the status: as if none came.
            Antwoord = AntwoordGeenLijn;
            mislukt();
        } else if (status) {
            AntwoordIdno = HaalLong(antwoord, 4);
            if (AntwoordIdno == m.Idno) {
                BewaarStatusbytes(rack, module, antwoord);
                resultaat = m.Status;
                Antwoord = AntwoordFrame;
            } else {
                Antwoord = AntwoordMislukt;
                mislukt();
            }
        } else {
            Antwoord = AntwoordMislukt;
            mislukt();
        }
    } while (!TransactieKlaar());
    if (TerminalDataInfo)
        Terminal(Antwoord == AntwoordFrame ? Hex(resultaat) + QStringLiteral("\r\n")
                                           : QStringLiteral(" Failed!\r\n"));
    return resultaat;
}

void LeesADC(int rack, int module) {
    LeesADCWaarden(rack, module, CommandoADC);
}
void LeesTemperatuurADC(int rack, int module) {
    LeesADCWaarden(rack, module, CommandoTemperatuurADC);
}
