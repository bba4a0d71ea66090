#pragma once
// What the rack and graph configuration files share: sectioned text files of "key=value" lines in
// Windows-1252 with CR LF line ends, Booleans as the runtime converted text to a Boolean, and the
// message when a file cannot be written.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// "True"/"False" in any letter case, or a number (0 false, any other true); nothing for other texts.
std::optional<bool> TekstNaarBoolean(const QString& tekst);
// The lines of a configuration file (UTF-8 accepted too); false when it cannot be read.
bool LeesConfiguratieRegels(const QString& pad, QStringList& regels);
// The lines as the file holds them: each ended by CR LF, Windows-1252.
QByteArray ConfiguratieBytes(const QStringList& regels);
// Splits "key=value" at the first "=": the key in lower case and the untrimmed value; nothing when the
// line holds no "=".
struct SleutelRegel {
    QString sleutel;
    QString waarde;
};
std::optional<SleutelRegel> SplitsSleutelRegel(const QString& regel);
// The message that a file cannot be written: its path and the system's reason ("in use" only where
// the system refused access).
void MeldSchrijffout(const QString& pad);
// Writes the pending settings of the settings store to its file; false, with the message above for the
// store's file, when they could not be written.
bool SchrijfInstellingenOpslag();
