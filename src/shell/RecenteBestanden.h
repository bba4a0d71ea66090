#pragma once
// The list of the four measurement files opened most recently, kept in section "Recent Files" of the
// settings store as "RecentFile1" (newest) to "RecentFile4" (oldest) and shown at the foot of the File
// menu. A name enters the list expanded (a "#date#" marker of a logging template becomes today's
// date); names are compared as the file system compares them: where case makes another file (Linux),
// "A.csv" and "a.csv" are two entries; on Windows they are one file.
#include <QString>
#include <QStringList>

inline constexpr int AantalRecenteBestanden = 4;

// The names of the list, newest first (at most four, empty keys left out).
QStringList RecenteBestanden();
// Puts a name at the top; the others move down and the fourth drops out. A name already in the list
// (exactly) is not repeated below.
void VoegRecentBestandToe(const QString& naam);
// Removes a name (exactly as written); the others close ranks from "RecentFile1" on.
void VerwijderRecentBestandUitLijst(const QString& naam);
// True when the list holds the name (compared as the file system does).
bool OnRecentFilesList(const QString& naam);
// Records that a file has just been opened: its expanded name goes to the top, once, as now written;
// the entries behind its old place keep theirs.
void WerkRecenteBestandenBij(const QString& naam);
