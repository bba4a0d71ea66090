#pragma once
// What the program asks of the operating system: folders, names, versions, other programs and the
// test for a copy of the program that already runs.
#include <QString>
#include <functional>

namespace platform {

// The user's documents folder (tests can set another; "" = the system's).
QString DocumentenMap();
void ZetDocumentenMap(const QString& map);
// The accounts the lock's folder rules read (tests): a group file and a passwd file in the system's
// format; empty paths, every account and group the system's name service lists.
void ZetAccountbestanden(const QString& groepen, const QString& accounts);
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
// listens; `bijActiveren` runs in that copy when a later copy of the same user starts. A later copy
// asks the first to come to the front and gets true. Only copies of one user reach each other: a
// connection of another user's process is dropped, and a server another user holds under the name is
// never asked. The lock lies in a folder no one but the user can write in: the temporary folder when it
// is the user's own, else $XDG_RUNTIME_DIR when it is, else a folder "<naam>-<uid>" of the user's own in
// the temporary folder, else "<naam>" in the user's configuration folder; the program makes these two
// (and the folders on the way to them) for the user alone, whatever the umask, in a folder the user's
// own group may write in too. Where none of them can hold it, or the lock cannot be written, the copy
// runs without it (and cannot be found).
bool VorigeInstantieActief(const QString& naam, std::function<void()> bijActiveren);
// Why the first copy cannot be found by a later one (the name and the system's reason, or why it has
// no lock); empty while it holds the lock and listens.
QString InstantieLuisterfout();
// The name the first copy of this user listens under, for the lock of `naam` in its folder now.
QString InstantieNaam(const QString& naam);
// Gives up the lock (tests; the program keeps it for its life).
void GeefInstantieVrij();

} // namespace platform
