#pragma once
// Thin operations over what the program asks of the system: the application name of the settings,
// user and system names, running other programs, the single-instance test, and splitting a text into
// words.
#include <QString>
#include <cstdint>
#include <functional>

// The application name under which every setting is stored ("K740" once start-up has set it).
extern QString AppNaam;
// Filled at start-up (LeesSysteemInfo): the user's documents folder.
extern QString DocumentenMap;
// Never true here; kept because start-up asks for it.
extern bool WindowsIsXP;

QString GebruikersNaam();
// The user who is logged on (stored in factory adjustment records).
QString AangemeldeGebruiker();
// The name and version of the operating system; sets WindowsIsXP (False).
QString WindowsVersie();
// Starts a program and waits for its end while events are pumped; its exit code, 0 when it did not start.
int32_t StartEnWacht(const QString& opdracht);
// Starts the system-information program, or shows `melding` when there is none.
void SysteemInfoPad(const QString& melding);
// True when a copy of the program already runs; that copy runs `bijActiveren` (it comes to the front).
bool VorigeInstantieActief(const QString& naam, std::function<void()> bijActiveren);
// Why the first copy cannot be reached by a later one (empty when it can).
QString InstantieLuisterfout();

// The next word at the front of `tekst`, up to a character of `scheidingen`. Option bit 1 also drops
// that delimiter from the rest; bit 2 stops at CR, LF, TAB, BS, FF and NUL as well. Control characters
// inside the word are skipped.
struct Woord {
    QString woord;     // trimmed
    QString scheiding; // the character that ended the word ("" at the end of the text)
    QString rest;      // the text after the word
};
Woord VolgendWoord(const QString& tekst, const QString& scheidingen, uint8_t opties);

void ResetSysteemfuncties();
