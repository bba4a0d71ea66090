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
// action in one write). When the file cannot be written the changes stay pending, are written with the
// next change or SchrijfOpslag, and the failure is told through the Opslagmelder.
void BewaarOpslag(const QString& app, const QString& sectie, const QString& sleutel, const QString& waarde);
void WisOpslag(const QString& app, const QString& sectie, const QString& sleutel = QString());
QStringList SleutelsVanSectie(const QString& app, const QString& sectie);
// Writes every store that changed to its file (replaced safely: a store that cannot be written whole
// leaves its file as it was). False when a store could not be written, with the system's reason in
// LaatsteSchrijffout(); its changes stay pending. The caller tells that failure itself: the Opslagmelder
// is not told of it again until a write of the store has succeeded.
bool SchrijfOpslag();

// Told when the write that follows a change fails: once, until a write of that store succeeds again.
// LaatsteSchrijffout() holds the system's reason while SchrijvenMislukt runs.
class Opslagmelder {
public:
    virtual ~Opslagmelder() = default;
    virtual void SchrijvenMislukt(const QString& bestand) { (void)bestand; }
};
// Registers the one told (nullptr: none is told).
void ZetOpslagmelder(Opslagmelder* melder);
Opslagmelder& opslagmelder();

} // namespace platform
