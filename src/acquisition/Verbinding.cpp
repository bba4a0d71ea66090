#include "acquisition/Verbinding.h"

#include "acquisition/Frames.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "platform/SerielePoort.h"

#include <algorithm>

QByteArray BufferRS232;
int16_t Antwoord;
int16_t Pogingen;
uint8_t Bestemming;
uint8_t Commando;
int32_t VerzendIdno;
uint8_t AantalbytesUIT;
int32_t ChecksumUIT;
int16_t TellerCOMM;
int16_t ControleTeller;
int16_t Voorloop;
int16_t Naloop;
QByteArray EindeTekens;
int32_t AntwoordIdno;
QString AntwoordEcho;
bool AntwoordGeldig;

namespace {

struct Lijnen {
    std::unique_ptr<platform::SerieleLijn> comm1;
    std::unique_ptr<platform::SerieleLijn> comm2;
    std::unique_ptr<platform::Timer> timerComm;
    std::unique_ptr<platform::Timer> timerControle;
};

Lijnen& lijnen() {
    static Lijnen l;
    return l;
}

constexpr int OntvangTik = 100;   // ms per receive tick
constexpr int OntvangTikken = 10; // ticks before a receive gives up
constexpr int DtrHoud = 30;       // ms that DTR stays raised at least

void ToonByteInTerminal(uint8_t b) {
    hoofdvenster().TerminalToevoegen(QString(QChar(b)), TerminalDataHex);
}

void ZetVariabelenTerug() {
    BufferRS232.clear();
    Antwoord = Pogingen = 0;
    Bestemming = Commando = AantalbytesUIT = 0;
    VerzendIdno = ChecksumUIT = 0;
    TellerCOMM = ControleTeller = 0;
    Voorloop = Naloop = 1;
    EindeTekens = QByteArrayLiteral("\r\n");
    AntwoordIdno = 0;
    AntwoordEcho.clear();
    AntwoordGeldig = false;
}

} // namespace

platform::SerieleLijn& MSComm1() {
    auto& l = lijnen().comm1;
    if (!l) l = std::make_unique<platform::SerielePoort>();
    return *l;
}

platform::SerieleLijn& MSComm2() {
    auto& l = lijnen().comm2;
    if (!l) l = std::make_unique<platform::SerielePoort>();
    return *l;
}

void ZetMSComm1(std::unique_ptr<platform::SerieleLijn> lijn) {
    lijnen().comm1 = std::move(lijn);
}
void ZetMSComm2(std::unique_ptr<platform::SerieleLijn> lijn) {
    lijnen().comm2 = std::move(lijn);
}

platform::Timer& TimerComm() {
    auto& t = lijnen().timerComm;
    if (!t) {
        t = platform::klok().maakTimer();
        t->bijTik = [] { TellerCOMM = TellerCOMM >= 32767 ? 0 : static_cast<int16_t>(TellerCOMM + 1); };
    }
    return *t;
}

platform::Timer& TimerControleTeller() {
    auto& t = lijnen().timerControle;
    if (!t) {
        t = platform::klok().maakTimer();
        t->bijTik = [] {
            if (MSComm1().isOpen() && ControleTeller < 32000) ++ControleTeller;
        };
        t->zetInterval(250);
        t->zetActief(true);
    }
    return *t;
}

bool IsModulePlaats(int rack, int module) {
    return rack >= 1 && rack <= AantalRacks && module >= 1 && module <= AantalModules;
}

// ---------------------------------------------------------------------------------------------------
// Sending

void ZendByte(uint8_t b) {
    auto& lijn = MSComm1();
    if (!lijn.isOpen()) return;
    ChecksumUIT += b;
    lijn.schrijf(QByteArray(1, static_cast<char>(b)));
    if (TerminalDataUit) ToonByteInTerminal(b);
}

void ZendKopZonderIdno() {
    auto& lijn = MSComm1();
    if (!lijn.isOpen()) return;
    lijn.zetDTR(true);
    StartTimerComm(DtrHoud);
    for (int i = 0; i < Voorloop; ++i)
        ZendByte(0xFF);
    ChecksumUIT = 0;
    ZendByte(Bestemming);
    ZendByte(AantalbytesUIT);
    ZendByte(Commando);
}

void ZendKop() {
    if (!MSComm1().isOpen()) return;
    ZendKopZonderIdno();
    const auto u = static_cast<uint32_t>(VerzendIdno);
    for (int schuif = 24; schuif >= 0; schuif -= 8)
        ZendByte(static_cast<uint8_t>(u >> schuif));
}

void ZendStaart() {
    if (!MSComm1().isOpen()) return;
    ZendByte(static_cast<uint8_t>(ChecksumUIT & 0xFF));
    ZendByte(13);
    ZendByte(10);
    for (int i = 0; i < Naloop; ++i)
        ZendByte(0xFF);
    WachtTimerComm();
    MSComm1().zetDTR(false);
}

void ZendModuleCode(int rack, int module, uint8_t code) {
    if (!IsModulePlaats(rack, module)) return;
    Bestemming = BestemmingModule;
    Commando = code;
    VerzendIdno = Racks[rack].Modules[module].Idno;
    AantalbytesUIT = 6;
    ZendKop();
    ZendStaart();
}

// ---------------------------------------------------------------------------------------------------
// Receiving

void OntvangRS232(QByteArray& frame) {
    StartTimerComm(OntvangTik);
    auto& timer = TimerComm();
    bool gevonden = false;
    bool eersteRonde = true;
    do {
        // Gather: a reply is looked for as soon as the buffer holds a CR LF; after a cut that found
        // none, only when new bytes have come.
        bool nieuw = false;
        platform::klok().pompZonderWachten();
        for (;;) {
            if (MSComm1().isOpen()) {
                const int wachtend = MSComm1().aantalWachtend();
                if (wachtend > 0) {
                    const QByteArray bytes = MSComm1().lees(wachtend);
                    BufferRS232.append(bytes);
                    nieuw = nieuw || !bytes.isEmpty();
                    if (TerminalDataIn)
                        for (char c : bytes)
                            ToonByteInTerminal(static_cast<uint8_t>(c));
                }
            }
            if (!MSComm1().isOpen() || TellerCOMM >= OntvangTikken || !timer.actief() || Afbreken) break;
            if ((eersteRonde || nieuw) && ZoekEindeFrame(BufferRS232, 1) > 0) break;
            platform::Pomp();
        }
        eersteRonde = false;

        Antwoord = AntwoordFrame;
        if (!MSComm1().isOpen())
            Antwoord = AntwoordGeenLijn;
        else if (TellerCOMM >= OntvangTikken || !timer.actief())
            Antwoord = AntwoordMislukt;

        if (Antwoord == AntwoordFrame) {
            Snede snede = SnijFrame(BufferRS232);
            if (snede.gevonden) {
                gevonden = true;
                frame.append(snede.frame);
            }
        }
    } while (MSComm1().isOpen() && Antwoord != AntwoordMislukt && !gevonden && !Afbreken);
}

QByteArray WachtOpAntwoord() {
    if (Demo) {
        Antwoord = AntwoordGeenLijn;
        return {};
    }
    if (MSComm1().isOpen()) MSComm1().zetDTR(false);
    QByteArray antwoord;
    do {
        platform::klok().pompZonderWachten();
        OntvangRS232(antwoord);
        if (Antwoord != AntwoordFrame) break;
        const qsizetype p = antwoord.indexOf(static_cast<char>(StartAntwoord));
        antwoord = p < 0 ? QByteArray() : antwoord.mid(p);
    } while (antwoord.isEmpty() && MSComm1().isOpen() && !Afbreken && !Pauzeren);
    if (!MSComm1().isOpen()) Antwoord = AntwoordGeenLijn;
    return antwoord;
}

// ---------------------------------------------------------------------------------------------------
// Waiting

void StartTimerComm(int32_t ms) {
    auto& t = TimerComm();
    t.zetActief(false);
    TellerCOMM = 0;
    t.zetInterval(std::clamp<int32_t>(ms, 0, 65535));
    t.zetActief(true);
}

void WachtTimerComm() {
    auto& t = TimerComm();
    if (t.actief() && t.interval() != 0)
        while (TellerCOMM < 1 && t.actief() && !Pauzeren)
            platform::Pomp();
    t.zetActief(false);
}

void Wacht(int32_t ms) {
    if (ms <= 0) {
        platform::klok().pompZonderWachten();
        return;
    }
    StartTimerComm(ms);
    // A wait started inside this one (from a handler that ran in the pump) may stop the timer; this
    // wait then ends too instead of waiting for a tick that never comes.
    auto& t = TimerComm();
    while (TellerCOMM < 1 && t.actief() && !Pauzeren)
        platform::Pomp();
    t.zetActief(false);
}

void WisBuffers() {
    if (MSComm1().isOpen()) MSComm1().wisBuffers();
    BufferRS232.clear();
}

void ResetVerbinding() {
    auto& l = lijnen();
    l.timerComm.reset();
    l.timerControle.reset();
    l.comm1.reset();
    l.comm2.reset();
    ZetVariabelenTerug();
}
