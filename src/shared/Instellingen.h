#pragma once
// One setting in the settings store, by application, section and key. Numbers are stored as their text;
// decimals in the locale's number format, as the program always stored them (its readers accept
// either decimal sign).
#include <QString>

void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel,
                      const QString& waarde);
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, const char* waarde);
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, int waarde);
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, bool waarde);
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, float waarde);
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, double waarde);

QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel,
                       const QString& standaard);
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel,
                       const char* standaard);
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel, int standaard);
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel, float standaard);
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel, double standaard);

// Removes a key, or a whole section when the key is "".
void WisInstelling(const QString& app, const QString& sectie, const QString& sleutel = QString());

// A number as the runtime turned it into text: up to 7 significant digits for a single, 15 for a
// double, the locale's decimal sign, no group separators.
QString SingleAlsTekst(float waarde);
QString DoubleAlsTekst(double waarde);
// A Boolean as the runtime wrote it: "True" or "False".
QString BooleanAlsTekst(bool waarde);

// A Boolean of the program's own settings (application AppNaam): "True"/"False" in any case, or a
// number (0 is False); anything else the default.
bool LeesBooleanInstelling(const QString& sectie, const QString& sleutel, bool standaard);
