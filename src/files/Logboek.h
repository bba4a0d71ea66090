#pragma once
// The daily event log: with the log switch on, every event of the engine and the main window is one
// line of "K740log" & yymmdd & ".txt" in the data folder, Windows-1252 with CR LF. The file is opened
// and closed for every line, so other programs may read it at any time.
#include "platform/Datum.h"

#include <QString>

// The full path of the event log last written.
extern QString LogboekPad;

// "K740log" followed by the day as yymmdd and ".txt".
QString LogboekBestandsnaam(platform::Datum dag);
// Appends one line: the time, then the rack part (rack 1..16) with the module part (module 1..7) when
// given, then the trimmed text, separated by tabs. Nothing without LogbestandAan; a file that cannot be
// written loses the line without a message.
void SchrijfLogboekRegel(int rack, int module, const QString& tekst);

void ResetLogboek();
