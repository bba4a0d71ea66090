#pragma once
// The frames of the rack link, without the line: command codes, the reply classifier and checksum,
// the cutter that takes whole replies out of the receive buffer, and the readers of reply fields.
// Positions in a reply are 1-based, as the protocol documents count them: 1 'P', 2 the length byte,
// 3 the command echo, 4-7 the identification number, then the data, the checksum, CR and LF.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

// Destination of a request.
inline constexpr uint8_t BestemmingRack = 82;   // 'R'
inline constexpr uint8_t BestemmingModule = 77; // 'M'
// First byte of every reply.
inline constexpr uint8_t StartAntwoord = 0x50; // 'P'
// Length bytes above this never belong to a reply.
inline constexpr int MaximaleLengtebyte = 40;

// Command codes.
inline constexpr uint8_t CommandoAanmelden = 5;
inline constexpr uint8_t CommandoADC = 10;
inline constexpr uint8_t CommandoTemperatuurADC = 20;
inline constexpr uint8_t CommandoECBereik = 30;
inline constexpr uint8_t CommandoSchrijfByte = 43;
inline constexpr uint8_t CommandoSchrijfWoord = 47;
inline constexpr uint8_t CommandoSchrijfDubbelWoord = 67;
inline constexpr uint8_t CommandoLeesByte = 70;
inline constexpr uint8_t CommandoLeesWoord = 80;
inline constexpr uint8_t CommandoLeesDubbelWoord = 90;
inline constexpr uint8_t CommandoIdentificatie = 100;
inline constexpr uint8_t CommandoStatus = 205;
inline constexpr uint8_t CommandoSchrijfToestemming = 213;
inline constexpr uint8_t CommandoVersie = 245;
inline constexpr uint8_t CommandoReset = 253;

// Classes of a candidate reply (ControleerAntwoord).
inline constexpr int KlasseGeldig = -1;
inline constexpr int KlasseOnvolledig = 0;
inline constexpr int KlasseGeenStart = 1;
inline constexpr int KlasseChecksumFout = 3;
inline constexpr int KlasseLengteTeKlein = 4; // the length byte is smaller than the bytes present
inline constexpr int KlasseLengteTeGroot = 5; // the length byte is larger than the bytes present

// The 1-based position of the CR of the first CR LF at or after position `start`; 0 when none.
int ZoekEindeFrame(const QByteArray& tekst, int start);
// The class of a candidate: fewer than 5 bytes or no CR LF at its end: incomplete; bytes before the
// first 'P' are not counted; then the length byte must equal the bytes present minus 4 and the checksum
// must hold.
int ControleerAntwoord(QByteArrayView kandidaat);
// True when the byte before the closing CR LF equals the sum of all bytes before it modulo 256. A
// frame of fewer than 6 bytes, or without CR LF at its end, fails.
bool ControleerChecksum(QByteArrayView frame);

// The result of one cut.
struct Snede {
    bool gevonden = false;
    QByteArray frame;        // the whole reply, from its 'P' through its LF
    qsizetype verworpen = 0; // bytes dropped from the buffer's front (noise, broken replies)
    // A whole valid reply stands inside the bytes that an earlier start claims while they have not all
    // come: it was left where it is (it may be data of the reply still arriving).
    bool verborgen = false;
};

// How the cutter treats a reply that stands inside the claim of an earlier start whose bytes have not
// all come.
enum class Snijwijze {
    Strikt,  // bytes are still arriving: it is data of the earlier reply until that one is whole
    LijnStil // the line has gone quiet: the earlier start was noise, the reply inside it counts
};

// Takes the first whole valid reply out of the buffer. Every 'P' is a possible start: a reply is
// taken from the first start at which a whole valid reply stands; bytes before it are dropped. A start
// whose length byte is above 40, or whose bytes are all there but do not form a valid reply, is passed
// over, so noise that holds a 'P' never hides a reply behind it for long. A start whose length byte is
// 2 to 40 while its bytes have not all come ("open") claims the bytes it counts: strictly, nothing
// inside that claim is taken (a reply within the data of a reply still arriving is data); once the
// line is quiet, the open start is passed over too. When no reply is taken, the bytes before the
// first open start are dropped: the buffer keeps only what may still begin a reply, fewer than 44
// bytes.
Snede SnijFrame(QByteArray& buffer, Snijwijze wijze = Snijwijze::Strikt);

// Data bytes of the reply to a command (a K762 status reply carries StatusDatabytesK762): a reply
// whose length byte counts fewer holds no answer to it. 0 for commands answered without data.
int AntwoordDatabytes(uint8_t commando);
inline constexpr int StatusDatabytesK762 = 8;
// True when the reply's length byte counts at least `databytes` data bytes and they are all there, so
// that every field its command reads lies in the reply and not in its checksum or CR LF.
bool HeeftDatabytes(const QByteArray& antwoord, int databytes);

// Field readers; a position beyond the reply reads as 0.
uint8_t HaalByte(const QByteArray& antwoord, int p);
// The unsigned big-endian word at p and p + 1.
int32_t HaalWoord(const QByteArray& antwoord, int p);
// The signed big-endian 32-bit number at p to p + 3, read only when the reply is longer than p + 3
// bytes (else 0). The four bytes are read as two's complement.
int32_t HaalLong(const QByteArray& antwoord, int p);
// hoog * 256 + laag as a signed 16-bit value.
int16_t BytesNaarInteger(uint8_t hoog, uint8_t laag);
