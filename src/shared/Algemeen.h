#pragma once
// General helpers: special folders, INI files, file and folder tests, text shortening and the
// replace-and-trim operations that fill the placeholders of the text table.
#include <QString>
#include <cstdint>

// Start-up: DocumentenMap := the user's documents folder.
void LeesSysteemInfo();
// A special folder by its Windows number (5 documents, 16 desktop, 26 application data, 28 local
// application data, 35 common application data); "" for an unknown number.
QString SpecialeMap(int32_t csidl);
// One value of an INI file (at most 255 characters), or the default.
QString LeesIni(const QString& bestand, const QString& sectie, const QString& sleutel,
                const QString& standaard);
// Writes one value; every CR and LF of it becomes a blank. False when the file cannot be written.
bool SchrijfIni(const QString& bestand, const QString& sectie, const QString& sleutel, const QString& waarde);
// True when a plain file (not a folder, not hidden) matches the path; wildcards allowed in the name.
bool BestandBestaat(const QString& pad);
// A text longer than n becomes "..." and its last n - 3 characters (n below 6 counts as 25, set so).
QString KortTekstIn(const QString& tekst, int& n);
// NUL and character 255 replaced by `door`, blanks trimmed (fixed-length name fields).
QString SchoonVasteTekst(const QString& tekst, const QString& door);
// Every `zoek` replaced by `door`, then blanks trimmed at both ends.
QString VervangTekst(const QString& tekst, const QString& zoek, const QString& door);
QString VervangHekje(const QString& tekst, const QString& door);
// The message for a file that SchrijfBestandVeilig could not write: text 234 ("The file is in use,
// access to # is rejected!") when the system refused access to it, else the file's path; then, after a
// blank line, the system's reason.
QString SchrijffoutTekst(const QString& pad);
QString VervangAmpersand(const QString& tekst, const QString& door);
// Creates every missing folder of the path; true when the folder exists afterwards.
bool MaakMappen(const QString& pad);
// The number after the first three characters ("COM12" gives 12, "COM" 0).
int16_t GetalNaPrefix(const QString& tekst);

// Blank trimming as the program's texts need it: only the blank character, not tabs or line ends.
QString TrimSpaties(const QString& tekst);
QString LTrimSpaties(const QString& tekst);
QString RTrimSpaties(const QString& tekst);
