#pragma once
// The system information window of Help > System info: what the platform reports about the computer
// the program runs on (system, kernel, architecture, Qt version, memory), in a small window of its own.
#include <QList>
#include <QPair>
#include <QString>

// The facts as label (from the text table, in the current language) and value, in the order the window
// shows them.
QList<QPair<QString, QString>> Systeemgegevens();
// Shows the window (made on first use), in front.
void ToonSysteeminfo();
// Closes the window (program end, tests).
void SluitSysteeminfo();
