#pragma once
// Reading and writing one value of an INI file, with the semantics the program relies on: sections
// and keys compared without case, blanks around names and values ignored, the default when the file,
// section or key is missing. Files are Windows-1252 with CR LF.
#include <QString>

namespace platform {

QString LeesIniWaarde(const QString& bestand, const QString& sectie, const QString& sleutel,
                      const QString& standaard);
// Sets the value (adding the section and key where missing); false when the file cannot be written.
bool SchrijfIniWaarde(const QString& bestand, const QString& sectie, const QString& sleutel,
                      const QString& waarde);

} // namespace platform
