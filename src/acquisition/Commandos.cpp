#include "acquisition/Commandos.h"

#include "acquisition/Frames.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "shared/Teksten.h"

#include <QLocale>

void ZendModuleCommando(int rack, int module, const QString& code) {
    Afbreken = false;
    if (!MSComm1().isOpen() || code.isEmpty() || !IsModulePlaats(rack, module)) return;
    bool ok = false;
    const int waarde = code.trimmed().toInt(&ok);
    if (!ok || waarde < 0 || waarde > 255) return;
    ModuleRecord& m = Racks[rack].Modules[module];
    Bestemming = BestemmingModule;
    Commando = static_cast<uint8_t>(waarde);
    VerzendIdno = m.Idno;
    AantalbytesUIT = 6;
    ZendKop();
    ZendStaart();

    m.LaatsteCommando = code;
    m.Beantwoord = false;
    m.Tijdstip = platform::Nu();
    // The count of unanswered sends stops at the top of its 16 bits.
    if (m.AantalPogingen < INT16_MAX) ++m.AantalPogingen;

    ControleTeller = 0;
    // The check timer starts its 250 ms anew: stopped first, so that it is started once, not once for
    // the interval and once more for switching it on (every request does this).
    TimerControleTeller().zetActief(false);
    TimerControleTeller().zetInterval(250);
    TimerControleTeller().zetActief(true);

    // The line names the module the command went to.
    if (Fabrieksmodus) SchrijfLogboek(rack, module, Tekst[456] + QLatin1Char(' ') + code);
}

void ZendRackCommando(int rack, uint8_t code) {
    Afbreken = false;
    if (!MSComm1().isOpen() || rack < 1 || rack > AantalRacks) return;
    Bestemming = BestemmingRack;
    Commando = code;
    VerzendIdno = Racks[rack].Idno;
    AantalbytesUIT = 6;
    ZendKop();
    ZendStaart();
}

float LeesSoftwareVersie(int rack, int module) {
    float versie = 0;
    Pogingen = 0;
    if (!IsModulePlaats(rack, module)) {
        Antwoord = AntwoordGeenLijn;
        return versie;
    }
    do {
        BufferRS232.clear();
        ++Pogingen;
        ZendModuleCommando(rack, module, QStringLiteral("245"));
        if (TerminalDataInfo) hoofdvenster().TerminalToevoegen(QStringLiteral("Software version = "), false);
        const QByteArray antwoord = WachtOpAntwoord();
        const bool versieAntwoord = HaalByte(antwoord, 3) == CommandoVersie && ControleerChecksum(antwoord);
        if (Antwoord != AntwoordFrame || (versieAntwoord && !IsVolledigAntwoord(antwoord))) {
            // No reply, or one too short to hold the version: as if none came.
            Antwoord = AntwoordGeenLijn;
        } else if (versieAntwoord &&
                   (AntwoordIdno = HaalLong(antwoord, 4)) == Racks[rack].Modules[module].Idno) {
            versie = static_cast<float>(HaalByte(antwoord, 8) + HaalByte(antwoord, 9)) / 10.0f;
            Antwoord = AntwoordFrame;
        } else {
            Antwoord = AntwoordMislukt;
        }
    } while (MSComm1().isOpen() && !(Pogingen > 3 && Antwoord == AntwoordMislukt) &&
             Antwoord != AntwoordGeenLijn && Antwoord != AntwoordFrame && !Afbreken && !Pauzeren);
    if (TerminalDataInfo)
        hoofdvenster().TerminalToevoegen(Antwoord == AntwoordFrame
                                             ? QLocale().toString(static_cast<double>(versie), 'f', 1) +
                                                   QStringLiteral("\r\n")
                                             : QStringLiteral(" Failed!\r\n"),
                                         false);
    return versie;
}
