#pragma once
// The per-user settings store: text values by application, section and key, kept in an INI file
// "<folder>/<application>/<application>.ini" (by default under ~/.config).
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// Sets the folder that holds the stores ("" = the user's configuration folder). Tests use a
// temporary folder. Also forgets every open store.
void ZetOpslagMap(const QString& map);
QString OpslagBestand(const QString& app);

// The stored value, or nothing when the key is not in the store.
std::optional<QString> ZoekOpslag(const QString& app, const QString& sectie, const QString& sleutel);
// The stored value, or `standaard` when the key is not in the store.
QString LeesOpslag(const QString& app, const QString& sectie, const QString& sleutel,
                   const QString& standaard);
// A change reaches the file as soon as the program is back in its event loop (every change of one
// action in one write).
void BewaarOpslag(const QString& app, const QString& sectie, const QString& sleutel, const QString& waarde);
void WisOpslag(const QString& app, const QString& sectie, const QString& sleutel = QString());
QStringList SleutelsVanSectie(const QString& app, const QString& sectie);
// Writes every store that changed to its file (replaced safely: a store that cannot be written whole
// leaves its file as it was). False when a store could not be written; its changes stay pending.
bool SchrijfOpslag();

} // namespace platform
