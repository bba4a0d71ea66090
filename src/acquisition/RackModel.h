#pragma once
// The live model of the measuring system: 16 racks of 7 module positions, each module with 4 measuring
// inputs and their 4 temperature channels. Arrays keep the system's own numbering: rack 1..16,
// module 1..7, input 1..4; element 0 is never used.
#include "acquisition/VasteTekst.h"
#include "platform/Datum.h"

#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>

using platform::Datum;

inline constexpr int AantalRacks = 16;
inline constexpr int AantalModules = 7;
inline constexpr int AantalIngangen = 4;
inline constexpr int AantalGrafieken = 64;

// Flag bits of KanaalRecord::Flags.
inline constexpr uint8_t VlagBovenBereik = 0x01;
inline constexpr uint8_t VlagOnderBereik = 0x02;
inline constexpr uint8_t VlagTemperatuurTeHoog = 0x04;
inline constexpr uint8_t VlagTemperatuurTeLaag = 0x08;
inline constexpr uint8_t VlagSensorAanwezig = 0x10;

struct KanaalRecord {
    VasteTekst<30> Name;
    int32_t AdcWaarde = 0;
    Datum Tijdstip = 0;
    bool Set = false;
    float Waarde = 0;
    VasteTekst<8> Unit;
    uint8_t Flags = 0;
    int16_t Resolution = 0;
    float Offset = 0;
    float Scale = 0;
    float Extra = 0;
    bool Shared = false;
    bool UseShared = false;
    bool ManualFollowsMeasurement = false;
    Datum KalibratieDatum = 0;
    QString KalibratieTekst;
    QVariant KalibratieInfo;
    VasteTekst<20> Sensor;
};

struct ModuleRecord {
    QString Name;
    int32_t Idno = 0;
    VasteTekst<4> Type;
    bool Present = false;
    std::array<KanaalRecord, AantalIngangen + 1> Meting;
    std::array<KanaalRecord, AantalIngangen + 1> Temperatuur;
    uint8_t Status = 0;
    uint8_t LedFlag = 0;
    int32_t Errors = 0;
    QString LaatsteCommando;
    Datum Tijdstip = 0;
    bool Beantwoord = false;
    // Its readings have been converted at least once since it logged on: before that its values are
    // only the zeros of an empty record.
    bool Berekend = false;
    int16_t AantalStappen = 0;
    int16_t AantalPogingen = 0;
    int16_t GeenAntwoordTeller = 0;
};

// A present rack (Present, registered) is one the program knows as part of the system:
// - It becomes present when it answers a log-on, and keeps the slot of its number from then on, or when
//   its saved log-on record is read: at start-up and at File > New, which read the records again (a rack
//   registered in this run keeps its slot; the records fill only free slots).
// - Nothing takes it away while the program runs. A rack that does not answer a Search stays present
//   with its slot, flags, log-on record, module records and table rows, but its modules lose their model
//   and name: it is not polled, its window and table are hidden, and it waits for its log-on
//   (RackWachtOpAanmelding) until it answers a later Search or its record is read again (File > New, a
//   restart), which has it polled again. Meanwhile its modules keep, beside the cleared record, the names
//   their log-on gave them (ModuleNaamVan): its logging files, their header titles, its table's tabs and
//   its saved record go on under those names. Its blocks stay in every new logging file's header and its
//   rows are written without values, and System > Report lists it. A file opened meanwhile gives it its
//   blocks where a row is read by position, as every present rack (into its hidden table; a position is
//   never handed to another rack); a row read by a header of "R<r>M<m>C<n>" titles gives it none, and
//   the box about racks that differ names it.
// - A restart knows only the racks of the saved log-on records.
struct RackRecord {
    VasteTekst<30> Name;
    int32_t Idno = 0;
    bool Present = false;
    std::array<ModuleRecord, AantalModules + 1> Modules;
};

struct RackVlag {
    bool Measure = false;
    bool Show = false;
    bool Table = false;
};

extern std::array<RackRecord, AantalRacks + 1> Racks;
extern std::array<RackVlag, AantalRacks + 1> RackVlaggen;
// Manual temperature in °C of every input; 25.0 when nothing was stored.
extern float HandTemperaturen[AantalRacks + 1][AantalModules + 1][AantalIngangen + 1];
// The manual temperatures of one module's inputs 1..4 (index 0 unused), as a copy of a module record
// carries them beside it.
using Handwaarden = std::array<float, AantalIngangen + 1>;

// The dotted text of an identification number: its four bytes, most significant first, in uppercase
// hexadecimal without leading zeros ("F.1.2.A").
QString IdnoAlsTekst(int32_t idno);
// True while the poll supervision has given module m of rack r up (GeenAntwoordTeller > 0): its values
// are stale and are neither shown nor logged. False outside 1..16, 1..7.
bool ModuleOpgegeven(int r, int m);

// The turns of the poll walk between two snapshots. A snapshot is due when every measured module has
// had its turn since the previous one: it was read, given up or passed over as not answering. A module
// that was not read in that span holds only the values of an earlier row and is logged without them, as
// a given-up module is. A run's first row is held to the same rule from the run's start (logging switched
// on, File > New), as if a snapshot had been taken then: it holds only readings taken since the run
// began. So too after a Search (HerbeginOpvraging, Communicatie.h): a rack that logs on has its modules'
// turns opened (OpenBeurt) and read before the next row; one that does not is not polled and waits for
// its log-on, its modules logged without values until File > New or its log-on, and it holds no row back
// once its log-on request has had its time (AanmeldingLoopt, Aanmelding.h).
// Every module's turn is open again and its values count as old (after a snapshot, at the loop's start
// and at the start of a run).
void OpenBeurten();
// Module m of rack r (registered anew) has its turn still to come, and holds no values of this span.
void OpenBeurt(int r, int m);
// The walk has left module m of rack r; gelezen: its readings were converted in this turn.
void SluitBeurt(int r, int m, bool gelezen);
// True while module m of rack r still has its turn to come since the previous snapshot.
bool BeurtOpen(int r, int m);
// True when module m of rack r was not read since the previous snapshot. False outside 1..16, 1..7.
bool ModuleNietGelezen(int r, int m);

// Rack r is present but did not answer the last Search: it waits for its log-on (see RackRecord). The
// wait begins before the Search clears the module records, and keeps their names; its end drops them.
void ZetRackWachtOpAanmelding(int r, bool wacht);
bool RackWachtOpAanmelding(int r);
// The name module m of rack r goes by in its files, header titles and table tabs: its record's, or, while
// its rack waits for its log-on, the name its last log-on gave it.
QString ModuleNaamVan(int r, int m);
// The record of a rack whose wait ends without a log-on (its record is read again) takes back the names
// its modules were cleared of.
void HerstelModuleNamen(int r);

// Start-up: empties the per-rack flags and the window arrays and has the main window set its caption
// and stop logging. Does nothing when titel is "".
void InitialiseerTabellen(const QString& titel);

// Every rack slot free, manual temperatures 25.0, flags off (start of the program and of every test).
void ResetRackModel();
