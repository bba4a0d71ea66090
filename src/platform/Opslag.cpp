#include "platform/Opslag.h"

#include "platform/Klok.h"
#include "platform/Tekstbestand.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <map>
#include <utility>

namespace platform {

namespace {

// One store: its values by "section/key" as read from its file, whether they changed since, and whether
// a failure to write them has been told since the last write that succeeded.
struct Store {
    std::map<QString, QVariant> waarden;
    bool gewijzigd = false;
    bool gemeld = false;
};

Opslagmelder* melder = nullptr;

QString& opslagMap() {
    static QString m;
    return m;
}
std::map<QString, Store>& open() {
    static std::map<QString, Store> o;
    return o;
}
Store& store(const QString& app) {
    auto& o = open();
    auto it = o.find(app);
    if (it == o.end()) {
        Store s;
        QSettings bestand(OpslagBestand(app), QSettings::IniFormat);
        for (const QString& sleutel : bestand.allKeys())
            s.waarden.emplace(sleutel, bestand.value(sleutel));
        it = o.emplace(app, std::move(s)).first;
    }
    return it->second;
}
QString pad(const QString& sectie, const QString& sleutel) {
    // A "/" would make a group level of QSettings; keep names flat.
    QString s = sectie;
    s.replace(QLatin1Char('/'), QLatin1Char('|'));
    QString k = sleutel;
    k.replace(QLatin1Char('/'), QLatin1Char('|'));
    return k.isEmpty() ? s : s + QLatin1Char('/') + k;
}

// A change is written to the file as soon as the program is back in its event loop: the changes that
// one action makes together are written in one go, and a program ended from outside (logout, a signal,
// a crash) keeps every setting changed before.
// The clock the write is planned on (a write planned on a clock that was replaced never comes).
const Klok* SchrijvenGepland = nullptr;

bool Schrijf(const QString& app, const Store& s);

// Writes a store that changed; true when it is on the disk.
bool SchrijfGewijzigd(const QString& app, Store& s) {
    if (!s.gewijzigd) return true;
    if (!Schrijf(app, s)) return false;
    s.gewijzigd = false;
    s.gemeld = false;
    return true;
}

// A store that cannot be written is told once; its changes stay pending for the next write.
void SchrijfGepland() {
    QStringList mislukt;
    for (auto& [app, s] : open())
        if (!SchrijfGewijzigd(app, s) && !std::exchange(s.gemeld, true)) mislukt.append(OpslagBestand(app));
    // Told after the writes: telling may wait for an answer while the program goes on.
    for (const QString& bestand : mislukt)
        opslagmelder().SchrijvenMislukt(bestand);
}

void PlanSchrijven() {
    if (SchrijvenGepland == &klok()) return;
    SchrijvenGepland = &klok();
    klok().planIn(0, [] {
        SchrijvenGepland = nullptr;
        SchrijfGepland();
    });
}

// Writes the store to its file. QSettings makes the INI text in a temporary file beside it; that file is
// read back under a name of its own (QSettings keeps what it wrote in memory under the first name) and
// compared with the store, so that a file cut short by a full disk is never taken. Then the text
// replaces the old file safely. False, with the old file whole and the system's reason kept
// (LaatsteSchrijffout), when anything fails.
bool Schrijf(const QString& app, const Store& s) {
    const QString bestand = OpslagBestand(app);
    const QFileInfo info(bestand);
    QDir map(info.absolutePath());
    errno = 0;
    if (!map.mkpath(QStringLiteral("."))) return OnthoudSchrijffout(errno);
    // What an earlier write that was stopped left behind.
    const QString sjabloon = info.fileName() + QStringLiteral(".*.tmp~");
    for (const QString& rest : map.entryList({sjabloon}, QDir::Files | QDir::Hidden | QDir::System))
        map.remove(rest);
    // QSettings writes no file for a store without keys.
    if (s.waarden.empty()) return SchrijfBestandVeilig(bestand, QByteArray());
    static int teller = 0;
    const auto tijdelijkeNaam = [&] { return bestand + QStringLiteral(".%1.tmp~").arg(++teller); };
    const QString geschreven = tijdelijkeNaam();
    {
        QSettings uit(geschreven, QSettings::IniFormat);
        uit.clear();
        for (const auto& [sleutel, waarde] : s.waarden)
            uit.setValue(sleutel, waarde);
        errno = 0;
        uit.sync();
        if (uit.status() != QSettings::NoError) {
            OnthoudSchrijffout(errno);
            QFile::remove(geschreven);
            return false;
        }
    }
    const QString gelezen = tijdelijkeNaam();
    errno = 0;
    if (!QFile::rename(geschreven, gelezen)) {
        OnthoudSchrijffout(errno);
        QFile::remove(geschreven);
        return false;
    }
    QByteArray inhoud;
    bool heel = LeesBestand(gelezen, inhoud);
    if (heel) {
        QSettings terug(gelezen, QSettings::IniFormat);
        heel = terug.status() == QSettings::NoError &&
               static_cast<size_t>(terug.allKeys().size()) == s.waarden.size();
        for (auto it = s.waarden.cbegin(); heel && it != s.waarden.cend(); ++it)
            heel = terug.value(it->first) == it->second;
    }
    // A file read back other than written: the disk did not keep all of it (QSettings may not notice a
    // write cut short), and one more byte added to it gives the system's reason.
    if (!heel && VoegToeAanBestand(gelezen, QByteArray(1, '\n'))) OnthoudSchrijffout(EIO);
    QFile::remove(gelezen);
    if (!heel) return false;
    return SchrijfBestandVeilig(bestand, inhoud);
}

} // namespace

void ZetOpslagMap(const QString& map) {
    SchrijfOpslag();
    SchrijvenGepland = nullptr;
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
    const Store& s = store(app);
    const auto it = s.waarden.find(pad(sectie, sleutel));
    if (it == s.waarden.end()) return std::nullopt;
    return it->second.toString();
}

QString LeesOpslag(const QString& app, const QString& sectie, const QString& sleutel,
                   const QString& standaard) {
    return ZoekOpslag(app, sectie, sleutel).value_or(standaard);
}

void BewaarOpslag(const QString& app, const QString& sectie, const QString& sleutel, const QString& waarde) {
    Store& s = store(app);
    QVariant& w = s.waarden[pad(sectie, sleutel)];
    if (w.userType() == QMetaType::QString && w.toString() == waarde) return;
    w = waarde;
    s.gewijzigd = true;
    PlanSchrijven();
}

void WisOpslag(const QString& app, const QString& sectie, const QString& sleutel) {
    Store& s = store(app);
    const QString p = pad(sectie, sleutel);
    // The key itself and every key below it (a whole section when no key is given).
    const QString onder = p.isEmpty() ? QString() : p + QLatin1Char('/');
    for (auto it = s.waarden.begin(); it != s.waarden.end();) {
        if (p.isEmpty() || it->first == p || it->first.startsWith(onder)) {
            it = s.waarden.erase(it);
            s.gewijzigd = true;
            PlanSchrijven();
        } else {
            ++it;
        }
    }
}

QStringList SleutelsVanSectie(const QString& app, const QString& sectie) {
    const Store& s = store(app);
    const QString begin = pad(sectie, QString()) + QLatin1Char('/');
    QStringList k;
    for (auto it = s.waarden.lower_bound(begin); it != s.waarden.end() && it->first.startsWith(begin); ++it) {
        QString sleutel = it->first.mid(begin.size());
        if (sleutel.contains(QLatin1Char('/'))) continue;
        sleutel.replace(QLatin1Char('|'), QLatin1Char('/'));
        k.append(sleutel);
    }
    return k;
}

bool SchrijfOpslag() {
    bool alles = true;
    for (auto& [app, s] : open()) {
        if (SchrijfGewijzigd(app, s)) continue;
        s.gemeld = true;
        alles = false;
    }
    return alles;
}

void ZetOpslagmelder(Opslagmelder* m) {
    melder = m;
}

Opslagmelder& opslagmelder() {
    static Opslagmelder geen;
    return melder ? *melder : geen;
}

} // namespace platform
