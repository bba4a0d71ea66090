#include "acquisition/Verbinding.h"

#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/SerielePoort.h"
#include "platform/Vensterwacht.h"

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

constexpr int DtrHoud = 30; // ms that DTR stays raised at least

// The link side of the waits' state (platform/Vensterwacht.h draws the stack and states its rules).
platform::Wachtstand& stand() {
    return platform::wachtstand();
}

// Every link wait, one level deeper.
struct LinkWacht {
    LinkWacht() { ++stand().linkDiepte; }
    ~LinkWacht() { --stand().linkDiepte; }
    LinkWacht(const LinkWacht&) = delete;
    LinkWacht& operator=(const LinkWacht&) = delete;
};

// The loop's own requests leave DTR raised when they are written (houdLopend until houdTot): the hold
// is waited out at the start of the loop's next wait for a reply, so that the loop never waits inside
// its own sending.

// The loop's own wait runs for a window whose answer has come: it ends now.
bool LuswachtVoorbij() {
    return stand().linkDiepte == stand().lusDiepte && platform::vensterwachtBeantwoord();
}

// The request being built between ZendKop and ZendStaart: it goes to the port in one write.
QByteArray Zendframe;
bool FrameOpen = false;

void ToonInTerminal(const QByteArray& bytes) {
    hoofdvenster().TerminalToevoegen(QString::fromLatin1(bytes), TerminalDataHex);
}

// The line counts as quiet when no byte has come for this long: the time of 4 bytes at its baud rate,
// and at least 20 ms (the reads of a USB adapter come some milliseconds apart).
qint64 StilteMs() {
    const int baud = std::max(1, MSComm1().lijnInstellingen().baud);
    return std::max<qint64>(20, 4 * 10 * 1000 / baud);
}

void ZetVariabelenTerug() {
    BufferRS232.clear();
    Zendframe.clear();
    FrameOpen = false;
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
        t->zetGrof(true);
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
    if (FrameOpen) {
        Zendframe.append(static_cast<char>(b));
        return;
    }
    const QByteArray byte(1, static_cast<char>(b));
    lijn.schrijf(byte);
    if (TerminalDataUit) ToonInTerminal(byte);
}

void ZendKopZonderIdno() {
    auto& lijn = MSComm1();
    if (!lijn.isOpen()) return;
    if (!lijn.dtr()) lijn.zetDTR(true);
    StartTimerComm(DtrHoud);
    Zendframe.clear();
    FrameOpen = true;
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
    auto& lijn = MSComm1();
    if (!lijn.isOpen()) {
        FrameOpen = false;
        Zendframe.clear();
        return;
    }
    ZendByte(static_cast<uint8_t>(ChecksumUIT & 0xFF));
    ZendByte(13);
    ZendByte(10);
    for (int i = 0; i < Naloop; ++i)
        ZendByte(0xFF);
    // The whole request in one write, while DTR is held.
    FrameOpen = false;
    lijn.schrijf(Zendframe);
    if (TerminalDataUit) ToonInTerminal(Zendframe);
    Zendframe.clear();
    if (stand().lusZendt) {
        stand().houdLopend = true;
        stand().houdTot = platform::klok().ms() + DtrHoud;
        return;
    }
    WachtTimerComm();
    stand().houdLopend = false;
    if (MSComm1().isOpen() && MSComm1().dtr()) MSComm1().zetDTR(false);
}

void WachtOpHoud() {
    auto& t = TimerComm();
    auto& w = stand();
    while (w.houdLopend && !Pauzeren && MSComm1().isOpen()) {
        const qint64 rest = w.houdTot - platform::klok().ms();
        if (rest <= 0) break;
        StartTimerComm(static_cast<int32_t>(rest));
        while (TellerCOMM < 1 && t.actief() && !Pauzeren && w.houdLopend)
            platform::Pomp();
    }
    if (!w.houdLopend) return;
    t.zetActief(false);
    w.houdLopend = false;
    if (MSComm1().isOpen() && MSComm1().dtr()) MSComm1().zetDTR(false);
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

bool HaalBytesBinnen() {
    auto& lijn = MSComm1();
    if (!lijn.isOpen()) return false;
    const int wachtend = lijn.aantalWachtend();
    if (wachtend <= 0) return false;
    const QByteArray bytes = lijn.lees(wachtend);
    if (bytes.isEmpty()) return false;
    BufferRS232.append(bytes);
    if (TerminalDataIn) ToonInTerminal(bytes);
    return true;
}

void OntvangRS232(QByteArray& frame) {
    auto& timer = TimerComm();
    // The buffer is cut at the first look (it may hold a reply of an earlier read) and after every read,
    // so that it never holds more than may still begin a reply. A reply inside the claim of one still
    // arriving is taken only once the line has gone quiet. A reply that is waiting whole is taken at
    // the first look; otherwise the receive time starts, the pending events are handled (they may
    // bring bytes) and the loop looks again before it waits.
    bool snijden = true;
    bool verborgen = false;
    bool eersteBlik = true;
    // Bytes wake the loop only while it waits for them here.
    struct WekBijBytes {
        ~WekBijBytes() { MSComm1().zetWekBijBytes(false); }
    } wekken;
    qint64 laatsteBytes = platform::klok().ms();
    for (;;) {
        if (HaalBytesBinnen()) {
            snijden = true;
            laatsteBytes = platform::klok().ms();
        }
        if (!MSComm1().isOpen()) {
            Antwoord = AntwoordGeenLijn;
            return;
        }
        const bool stil = verborgen && platform::klok().ms() - laatsteBytes >= StilteMs();
        if (snijden || stil) {
            snijden = false;
            Snede snede = SnijFrame(BufferRS232, stil ? Snijwijze::LijnStil : Snijwijze::Strikt);
            verborgen = snede.verborgen;
            if (snede.gevonden) {
                frame.append(snede.frame);
                Antwoord = AntwoordFrame;
                return;
            }
        }
        if (!eersteBlik && (TellerCOMM >= OntvangTikken || !timer.actief())) {
            Antwoord = AntwoordMislukt;
            return;
        }
        if (LuswachtVoorbij()) {
            Antwoord = AntwoordMislukt;
            return;
        }
        if (Afbreken) {
            // An abort may leave 1 with no whole reply handed back.
            Antwoord = AntwoordFrame;
            return;
        }
        if (eersteBlik) {
            eersteBlik = false;
            StartTimerComm(OntvangTik);
            platform::klok().pompZonderWachten();
            continue;
        }
        MSComm1().zetWekBijBytes(true);
        platform::Pomp();
    }
}

QByteArray WachtOpAntwoord() {
    const LinkWacht wacht;
    if (Demo) {
        Antwoord = AntwoordGeenLijn;
        return {};
    }
    WachtOpHoud();
    if (MSComm1().isOpen() && MSComm1().dtr()) MSComm1().zetDTR(false);
    QByteArray antwoord;
    // Each receive begins with a look at the pending events of its own.
    do {
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
    const LinkWacht wacht;
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
    const LinkWacht wacht;
    StartTimerComm(ms);
    // A wait started inside this one (from a handler that ran in the pump) may stop the timer; this
    // wait then ends too instead of waiting for a tick that never comes.
    auto& t = TimerComm();
    while (TellerCOMM < 1 && t.actief() && !Pauzeren && !LuswachtVoorbij())
        platform::Pomp();
    t.zetActief(false);
}

Luswacht::Luswacht(bool lusWacht) : m_vorig(stand().lusDiepte) {
    stand().lusDiepte = lusWacht ? stand().linkDiepte + 1 : -1;
}

Luswacht::~Luswacht() {
    stand().lusDiepte = m_vorig;
}

bool LusMagGenestDraaien() {
    return stand().lusDiepte >= 0 && stand().linkDiepte <= stand().lusDiepte;
}

void NaastDeLus(std::function<void()> doe) {
    if (stand().lusRonde && MetenActief && !LusMagGenestDraaien()) {
        platform::klok().planIn(100, [doe = std::move(doe)]() mutable { NaastDeLus(std::move(doe)); });
        return;
    }
    doe();
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
    auto& w = stand();
    w.linkDiepte = 0;
    w.lusDiepte = -1;
    w.houdLopend = false;
    w.lusZendt.Herstel(false);
}
