#pragma once
// The rack link: the serial lines, the link's working variables and its waits, sending a request built
// byte by byte with its running checksum and written whole while DTR is held, and receiving replies
// into the buffer.
// Everything runs on the one thread: every wait pumps events, so the user interface and the timers run
// inside it.
#include "platform/Klok.h"
#include "platform/SerieleLijn.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

// The serial lines: MSComm1 the rack line, MSComm2 the alarm line. Until a line is installed, each is
// a closed port on a real device.
platform::SerieleLijn& MSComm1();
platform::SerieleLijn& MSComm2();
void ZetMSComm1(std::unique_ptr<platform::SerieleLijn> lijn);
void ZetMSComm2(std::unique_ptr<platform::SerieleLijn> lijn);

// The wait timer of every link wait; each tick adds 1 to TellerCOMM (32767 wraps to 0).
platform::Timer& TimerComm();
// The 250 ms check timer, running from its first use; each tick adds 1 to ControleTeller while the
// rack line is open, up to 32000.
platform::Timer& TimerControleTeller();

// The receive time-out: a receive waits for a reply OntvangTikken ticks of OntvangTik ms.
inline constexpr int OntvangTik = 100;
inline constexpr int OntvangTikken = 10;
inline constexpr int OntvangTijdMs = OntvangTik * OntvangTikken;

// Results of a receive or a transaction (Antwoord).
inline constexpr int16_t AntwoordFrame = 1;    // a valid reply was taken
inline constexpr int16_t AntwoordGeenLijn = 2; // the port is closed, simulation, or a failure not retried
inline constexpr int16_t AntwoordMislukt = 4;  // time-out, or a reply that was rejected

// Working variables of the link.
extern QByteArray BufferRS232; // received bytes; whole replies are cut from its front
// The result of the last receive or transaction (AntwoordFrame, AntwoordGeenLijn, AntwoordMislukt).
// The port procedures, the data file's Save As and Open, and the dialogs hand their results back
// themselves.
extern int16_t Antwoord;
extern int16_t Pogingen;   // requests of the running synchronous transaction
extern uint8_t Bestemming; // BestemmingRack or BestemmingModule
extern uint8_t Commando;
extern int32_t VerzendIdno;    // the number the next request addresses
extern uint8_t AantalbytesUIT; // the length byte of the next request
extern int32_t ChecksumUIT;    // running sum of the bytes sent since the head began
extern int16_t TellerCOMM;     // ticks of TimerComm since it was last armed
extern int16_t ControleTeller; // 250 ms ticks since the last module command
extern int16_t Voorloop;       // 0xFF bytes sent before every request
extern int16_t Naloop;         // 0xFF bytes sent after every request
extern QByteArray EindeTekens; // the frame terminator, CR LF

// The last reply taken by the communication loop or a synchronous read.
extern int32_t AntwoordIdno; // its identification number
extern QString AntwoordEcho; // its command echo as decimal digits
extern bool AntwoordGeldig;  // its checksum held

// Sending. Nothing is sent while MSComm1 is closed. A request is built from ZendKop to ZendStaart and
// handed to the port in one write; DTR is set only when it is not already in the state asked.
// Raises DTR, arms the 30 ms hold and begins the request: the preamble, then destination, length byte,
// command and the four bytes of VerzendIdno, most significant first; the checksum counts from the
// destination on.
void ZendKop();
// The same head without the identification number (the broadcast log-on).
void ZendKopZonderIdno();
// Adds one byte to the request and to the checksum (outside a request: writes it at once).
void ZendByte(uint8_t b);
// Adds the checksum, CR LF and the postamble, writes the request (echoed to the terminal with
// TerminalDataUit), waits until the hold has passed and drops DTR. A request of the loop's own
// (platform::wachtstand().lusZendt set) returns at once with DTR raised: the loop's next wait for a
// reply (WachtOpAntwoord) waits out the hold first, and any other request waits it out with its own.
void ZendStaart();
// Waits out the hold of the loop's last request, if it has not passed, and drops DTR.
void WachtOpHoud();
// A module request with no payload: the module's number, length byte 6 and the code.
void ZendModuleCode(int rack, int module, uint8_t code);

// Receiving.
// Reads the bytes waiting at the port into BufferRS232 (echoed to the terminal with TerminalDataIn);
// true when any came.
bool HaalBytesBinnen();
// Collects bytes into BufferRS232 until a valid reply can be cut from it, 1 s (10 ticks of 100 ms)
// has passed, the port closes or Afbreken is set; appends the reply to `frame` and sets Antwoord.
// After every read the buffer keeps only what may still begin a reply.
void OntvangRS232(QByteArray& frame);
// Drops DTR and waits for one reply; returns it from its 'P', or "" (Antwoord tells why).
QByteArray WachtOpAntwoord();

// Waiting on TimerComm.
// Stops TimerComm, sets TellerCOMM to 0 and starts it with `ms` (at most 65535).
void StartTimerComm(int32_t ms);
// Pumps events until the armed TimerComm has ticked, was stopped, or Pauzeren is set; stops it.
void WachtTimerComm();
// Pumps events for `ms` milliseconds (at most 65535), or until Pauzeren is set.
void Wacht(int32_t ms);

// Where the wait of a window (a dialog, a message box) may run passes of the communication loop (the
// whole stack and its rules: platform/Vensterwacht.h). The loop marks its own wait for a reply or its
// idling (true) and the rest of its pass (false); every other wait of the link (a transaction of a
// dialog, the hold of a request, a pause) lies one level deeper. A pass runs only at the level the loop
// marked, so that it never takes the reply another wait is waiting for nor breaks into a request being
// sent. The loop's own wait ends early when the window it runs for has its answer.
class Luswacht {
public:
    explicit Luswacht(bool lusWacht);
    ~Luswacht();
    Luswacht(const Luswacht&) = delete;
    Luswacht& operator=(const Luswacht&) = delete;

private:
    int m_vorig;
};
bool LusMagGenestDraaien();
// Runs `doe` (which shows a box) where that box waits beside the loop: at once, or, inside a transaction
// or the handling of a reply (where the loop may not run a pass), at the next such place, looked for
// every 100 ms.
void NaastDeLus(std::function<void()> doe);

// Empties the port's buffers and BufferRS232.
void WisBuffers();

// True for rack 1..16 and module 1..7.
bool IsModulePlaats(int rack, int module);

void ResetVerbinding();
