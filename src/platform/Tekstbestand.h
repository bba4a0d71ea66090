#pragma once
// Text files keep the byte values of Windows-1252 with CR LF line ends. Readers take LF too, and read a
// file that is valid UTF-8 with non-ASCII bytes as UTF-8.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

QByteArray NaarWindows1252(const QString& tekst);
QString VanWindows1252(const QByteArray& bytes);
// UTF-8 when the bytes are valid UTF-8 and hold non-ASCII bytes, else Windows-1252.
QString DecodeerTekstbestand(const QByteArray& bytes);
// True when the bytes are valid UTF-8 and hold non-ASCII bytes: such a file is read (and written) as UTF-8.
bool IsUtf8Tekst(const QByteArray& bytes);
// Splits on CR LF, LF or a lone CR; a last line without line end counts; no empty line after the last end.
QStringList SplitsRegels(const QString& tekst);

// Reads a whole file; false when it cannot be opened.
bool LeesBestand(const QString& pad, QByteArray& inhoud);
// Replaces a file safely: the new content goes to a temporary file beside it, is flushed and then
// renamed over the old one. With a backup path, the old file is copied there first. Whatever fails,
// the old file or the new one is whole. False (and the old file untouched) when anything fails.
bool SchrijfBestandVeilig(const QString& pad, const QByteArray& inhoud, const QString& backupPad = QString());
// Appends to a file (creating it); false when it cannot be written whole, and then nothing is added.
bool VoegToeAanBestand(const QString& pad, const QByteArray& inhoud);

} // namespace platform
