#pragma once
// Module and rack commands without a payload, booked for the poll supervision, and the software
// version read.
#include <QString>
#include <cstdint>

// Sends a code-only request to a module and books it in the module's record (last command, time,
// not answered, one more attempt); restarts the check timer. Clears Afbreken. Nothing is sent, and
// the record is untouched, while the port is closed or when code is not a decimal number 0..255.
void ZendModuleCommando(int rack, int module, const QString& code);
// Sends a code-only request to a whole rack (the rack reset). Clears Afbreken. No reply is awaited.
void ZendRackCommando(int rack, uint8_t code);
// The module's software version, (byte A + byte B) / 10; 0 when no valid reply came (Antwoord 1 when
// one did). A silent module is asked once, a wrong reply up to 4 times in all.
float LeesSoftwareVersie(int rack, int module);
