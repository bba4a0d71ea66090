#pragma once
// The port and speed of the rack link as the settings give them, and the serial ports of this computer.
#include <QString>

// The rack-link port: "COMn" (n 1..99, the device /dev/ttyS(n-1)) or the absolute path of a device
// such as /dev/ttyUSB0, a pseudo-terminal or a link to a port.
extern QString CommPoort;

// The baud rate text normalised to 300 x 2^k up to 19200 ("19200" for anything out of range or
// unreadable).
QString GeldigeBaudrate(const QString& tekst);
// The port text normalised, as the settings dialog takes it and as the settings are read at start: an
// absolute path stays as it is typed (whether it opens is told when the port is opened); otherwise the
// number left after every "com" is removed gives "COMn" for 1..99 and "COM1" for anything else.
QString GeldigePoort(const QString& tekst);
// The serial ports that the system lists, by device path, joined by ", " ("" when none).
QString ZoekSerielePoorten();

void ResetPoorten();
