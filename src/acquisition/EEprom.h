#pragma once
// The module's EEPROM over the rack link: write and read of a byte, a word (16 bits) and a double word
// (32 bits), and the verified writes that ask the module to accept a write, write, read the cell back
// and, after repeated failures, ask the user whether to try again. Addresses are 0..32767, sent high
// byte first. The callers stop polling first.
#include <cstdint>

// Addresses used by the factory and settings dialogs.
inline constexpr int AdresSerienummer = 0x1FC; // double word, both models

// Plain writes: one request, no reply awaited. A word is sent as its 16-bit pattern (-1 as FF FF), a
// double word in two's complement, most significant byte first.
void SchrijfByteEEprom(int rack, int module, int adres, uint8_t waarde);
void SchrijfWoordEEprom(int rack, int module, int adres, int32_t waarde);
void SchrijfDubbelWoordEEprom(int rack, int module, int adres, int32_t waarde);

// Plain reads: the byte (unsigned), the word (signed 16-bit) or the double word (signed 32-bit); 0
// when no valid reply came, which only Antwoord (1 = valid) tells from a stored 0. A silent module, or
// another module answering, is asked up to 4 times; a reply with a wrong echo or checksum ends the read
// at once ("Error reading e²prom !").
uint8_t LeesByteEEprom(int rack, int module, int adres);
int32_t LeesWoordEEprom(int rack, int module, int adres);
int32_t LeesDubbelWoordEEprom(int rack, int module, int adres);

// Verified writes: write enable (command 213, confirmed by status bit 7), write, read back. True when a
// valid read-back carries the written value. A pass that fails (no write enable after a bounded number
// of status reads, no valid read-back, another value) counts in the module's AantalPogingen; at 3 the
// user is asked "Error writing to Rack/Module !" with Retry and Cancel. Ends on Cancel, a closed port,
// Afbreken, and at once in simulation.
bool SchrijfByteEEpromControle(int rack, int module, int adres, uint8_t waarde);
bool SchrijfWoordEEpromControle(int rack, int module, int adres, int32_t waarde);
bool SchrijfDubbelWoordEEpromControle(int rack, int module, int adres, int32_t waarde);
