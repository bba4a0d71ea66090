#pragma once
// What the program asks of the operating system: folders, names, versions, other programs and the
// test for a copy of the program that already runs.
#include <QString>
#include <functional>

namespace platform {

// The user's documents folder (tests can set another; "" = the system's).
QString DocumentenMap();
void ZetDocumentenMap(const QString& map);
// The folder of the program file.
QString ProgrammaMap();
QString GebruikersNaam();
QString ComputerNaam();
// A readable name of the operating system and its version.
QString SysteemVersie();

// Starts the command line and waits for its end while events are pumped; the exit code, or 0 when the
// program could not be started.
int StartEnWacht(const QString& opdracht);
// Starts a program without waiting; false when it could not be started.
bool StartProgramma(const QString& opdracht);

// Single-instance test. The first copy of the program to call it holds the lock for `naam` and
// listens; `bijActiveren` runs in that copy when a later copy starts. A later copy asks the first to
// come to the front and gets true.
bool VorigeInstantieActief(const QString& naam, std::function<void()> bijActiveren);
// Gives up the lock (tests; the program keeps it for its life).
void GeefInstantieVrij();

} // namespace platform
