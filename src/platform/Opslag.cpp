#include "platform/Opslag.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <map>
#include <memory>

namespace platform {

namespace {
QString& opslagMap() {
    static QString m;
    return m;
}
std::map<QString, std::unique_ptr<QSettings>>& open() {
    static std::map<QString, std::unique_ptr<QSettings>> o;
    return o;
}
QSettings& store(const QString& app) {
    auto& o = open();
    auto it = o.find(app);
    if (it == o.end()) {
        auto s = std::make_unique<QSettings>(OpslagBestand(app), QSettings::IniFormat);
        it = o.emplace(app, std::move(s)).first;
    }
    return *it->second;
}
QString pad(const QString& sectie, const QString& sleutel) {
    // A "/" would make a group level of QSettings; keep names flat.
    QString s = sectie;
    s.replace(QLatin1Char('/'), QLatin1Char('|'));
    QString k = sleutel;
    k.replace(QLatin1Char('/'), QLatin1Char('|'));
    return k.isEmpty() ? s : s + QLatin1Char('/') + k;
}
} // namespace

void ZetOpslagMap(const QString& map) {
    SchrijfOpslag();
    open().clear();
    opslagMap() = map;
}

QString OpslagBestand(const QString& app) {
    QString basis = opslagMap();
    if (basis.isEmpty()) basis = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (basis.isEmpty()) basis = QDir::homePath() + QStringLiteral("/.config");
    return basis + QLatin1Char('/') + app + QLatin1Char('/') + app + QStringLiteral(".ini");
}

std::optional<QString> ZoekOpslag(const QString& app, const QString& sectie, const QString& sleutel) {
    QSettings& s = store(app);
    const QString p = pad(sectie, sleutel);
    if (!s.contains(p)) return std::nullopt;
    return s.value(p).toString();
}

QString LeesOpslag(const QString& app, const QString& sectie, const QString& sleutel,
                   const QString& standaard) {
    return ZoekOpslag(app, sectie, sleutel).value_or(standaard);
}

void BewaarOpslag(const QString& app, const QString& sectie, const QString& sleutel, const QString& waarde) {
    store(app).setValue(pad(sectie, sleutel), waarde);
}

void WisOpslag(const QString& app, const QString& sectie, const QString& sleutel) {
    store(app).remove(pad(sectie, sleutel));
}

QStringList SleutelsVanSectie(const QString& app, const QString& sectie) {
    QSettings& s = store(app);
    s.beginGroup(pad(sectie, QString()));
    QStringList k = s.childKeys();
    s.endGroup();
    for (auto& x : k)
        x.replace(QLatin1Char('|'), QLatin1Char('/'));
    return k;
}

void SchrijfOpslag() {
    for (auto& [app, s] : open())
        s->sync();
}

} // namespace platform
