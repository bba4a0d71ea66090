#pragma once
// The alarm output: the DTR line of the second serial line (MSComm2) is raised while any value shown in
// a graph window is beyond that graph's alarm limit, and dropped when none is. The value is taken as the
// graph shows it (Grafiekwaarde.h), in the units its limits are set in. Per input four flags (low
// and high of the value, low and high of its temperature) with a hysteresis of a twentieth of the span
// between the graph's limits.
#include <QString>
#include <cstdint>

// Element kind x 4 + (c - 1) for input c: kind 0 low value, 1 high value, 2 low temperature, 3 high
// temperature. Non-zero is set.
extern int16_t AlarmVlaggen[17][8][16];
// The alarm line could not be opened at start: the output stays off for the run.
extern bool AlarmUitgangUit;

// With `init`: clears every flag and opens the alarm line on AlarmPoort (r and m are not used). Else:
// updates the flags of module (r, m) from the graph windows that show it and sets DTR from all flags.
void StuurAlarmUitgang(int r, int m, bool init);
// Opens the alarm line on `poort` ("COMn" or a device path) at Baudsnelheid,N,8,1 with no handshake and
// DTR and RTS low. 1 when it was closed and is open now; 2 when it was open already or could not be
// opened (the status bar and a message say so).
int16_t OpenAlarmPoort(const QString& poort);

void ResetAlarmuitgang();
