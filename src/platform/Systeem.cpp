#include "platform/Systeem.h"

#include "platform/Klok.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {
QString& documentenOverride() {
    static QString m;
    return m;
}
struct Instantie {
    std::unique_ptr<QLockFile> slot;
    std::unique_ptr<QLocalServer> server;
    std::function<void()> bijActiveren;
    // Why the first copy does not listen; empty while it does.
    QString luisterfout;
};
Instantie& instantie() {
    static Instantie i;
    return i;
}

// The account database the lock's rules read: empty, the system's; else a group file and a passwd file.
struct Accountbestanden {
    QString groepen;
    QString accounts;
};
Accountbestanden& accountbestanden() {
    static Accountbestanden b;
    return b;
}
} // namespace

QString DocumentenMap() {
    if (!documentenOverride().isEmpty()) return documentenOverride();
    QString m = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return m.isEmpty() ? QDir::homePath() : m;
}

void ZetDocumentenMap(const QString& map) {
    documentenOverride() = map;
}

void ZetAccountbestanden(const QString& groepen, const QString& accounts) {
    accountbestanden() = {groepen, accounts};
}

QString ProgrammaMap() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString GebruikersNaam() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString ComputerNaam() {
    return QSysInfo::machineHostName();
}

QString SysteemVersie() {
    return QSysInfo::prettyProductName();
}

int StartEnWacht(const QString& opdracht) {
    QStringList delen = QProcess::splitCommand(opdracht);
    if (delen.isEmpty()) return 0;
    QProcess p;
    const QString programma = delen.takeFirst();
    p.start(programma, delen);
    if (!p.waitForStarted(5000)) return 0;
    while (p.state() != QProcess::NotRunning) {
        if (QCoreApplication::instance()) klok().pompZonderWachten();
        p.waitForFinished(20);
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 0;
}

bool StartProgramma(const QString& opdracht) {
    QStringList delen = QProcess::splitCommand(opdracht);
    if (delen.isEmpty()) return false;
    const QString programma = delen.takeFirst();
    return QProcess::startDetached(programma, delen);
}

namespace {
// An account, and one entry of a group (a gid may have several entries, under other names).
struct Account {
    QByteArray naam;
    uid_t uid;
    gid_t gid;
};
struct Groep {
    gid_t gid;
    std::vector<QByteArray> leden;
};

// Every entry the account database lists: from the file when one is set, else every one the name
// service lists. The name service's walk is not thread-safe: only the start, on the main thread, reads it.
template <class Regel>
void LeesRegels(const QString& bestand, Regel* (*uitBestand)(FILE*), void (*begin)(), Regel* (*volgende)(),
                void (*eind)(), const std::function<void(const Regel&)>& neem) {
    if (!bestand.isEmpty()) {
        if (FILE* f = std::fopen(QFile::encodeName(bestand).constData(), "re")) {
            while (const Regel* r = uitBestand(f))
                neem(*r);
            std::fclose(f);
        }
        return;
    }
    begin();
    while (const Regel* r = volgende())
        neem(*r);
    eind();
}

std::vector<Account> Accounts() {
    std::vector<Account> lijst;
    LeesRegels<passwd>(accountbestanden().accounts, fgetpwent, setpwent, getpwent, endpwent,
                       [&](const passwd& p) {
                           lijst.push_back({QByteArray(p.pw_name ? p.pw_name : ""), p.pw_uid, p.pw_gid});
                       });
    return lijst;
}

std::vector<Groep> Groepen() {
    std::vector<Groep> lijst;
    LeesRegels<group>(accountbestanden().groepen, fgetgrent, setgrent, getgrent, endgrent,
                      [&](const group& g) {
                          Groep groep{g.gr_gid, {}};
                          for (char** lid = g.gr_mem; lid && *lid; ++lid)
                              groep.leden.emplace_back(*lid);
                          lijst.push_back(std::move(groep));
                      });
    return lijst;
}

// The user's own group: the primary group of the user's account (the first the database lists with
// the uid), which no other account has as its own and no entry of the group lists besides the user (as
// where every user gets a group of their own, with a umask of 002). Only what the database lists is
// seen: where it does not list the user's account or the group (a directory service that does not list
// its accounts), the group is not the user's own.
bool IsEigenGroep(gid_t gid, uid_t uid, const std::vector<Account>& accounts,
                  const std::vector<Groep>& groepen) {
    const auto eigen =
        std::find_if(accounts.begin(), accounts.end(), [&](const Account& a) { return a.uid == uid; });
    if (eigen == accounts.end() || eigen->gid != gid) return false;
    if (std::any_of(accounts.begin(), accounts.end(),
                    [&](const Account& a) { return a.gid == gid && a.uid != uid; }))
        return false;
    bool gezien = false;
    for (const Groep& g : groepen) {
        if (g.gid != gid) continue;
        gezien = true;
        if (std::any_of(g.leden.begin(), g.leden.end(),
                        [&](const QByteArray& lid) { return lid != eigen->naam; }))
            return false;
    }
    return gezien;
}

bool IsEigenGroep(gid_t gid) {
    return IsEigenGroep(gid, geteuid(), Accounts(), Groepen());
}

// Written by this user alone: owned by this process's user and writable by no one else, so by neither
// others nor a group, except the user's own group when `eigenGroep`.
bool AlleenDezeGebruikerSchrijft(const struct stat& st, bool eigenGroep) {
    if (st.st_uid != geteuid() || (st.st_mode & S_IWOTH) != 0) return false;
    return (st.st_mode & S_IWGRP) == 0 || (eigenGroep && IsEigenGroep(st.st_gid));
}

// A folder itself (not a link, which someone else may have planted) that only this user can write in:
// the lock lies only in such a folder.
bool IsEigenMap(const QString& map) {
    struct stat st {};
    if (map.isEmpty() || ::lstat(QFile::encodeName(map).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && AlleenDezeGebruikerSchrijft(st, false);
}

// A folder in which no one but this user, and the user's own group, can make or rename anything: a
// folder the program makes there stays its own.
bool IsMapVanGebruiker(const QString& map) {
    struct stat st {};
    if (map.isEmpty() || ::lstat(QFile::encodeName(map).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && AlleenDezeGebruikerSchrijft(st, true);
}

// A folder in which others may write but keep their hands off what is this user's: the sticky bit
// (as on /tmp) keeps them from renaming or deleting a folder this user made there.
bool IsGedeeldMetSticky(const QString& map) {
    struct stat st {};
    if (map.isEmpty() || ::lstat(QFile::encodeName(map).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0;
}

// The folder `naam` in `ouder`, made for this user alone (mode 0700, whatever the umask) when it is not
// there. One of this user's that only the user's own group may write in besides the user (the settings
// store makes its folder under the user's umask, 0775 under 002) is kept for this user alone: no one
// else can have put anything in it. A folder someone else made under that name, a link, or one others
// may write in, is left as it is and not taken.
QString EigenOndermap(const QString& ouder, const QString& naam) {
    if (!IsMapVanGebruiker(ouder) && !IsGedeeldMetSticky(ouder)) return {};
    const QString map = ouder + QLatin1Char('/') + naam;
    const QByteArray pad = QFile::encodeName(map);
    ::mkdir(pad.constData(), 0700);
    if (const int fd = ::open(pad.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && (st.st_mode & S_IWGRP) != 0 && AlleenDezeGebruikerSchrijft(st, true))
            ::fchmod(fd, st.st_mode & 07755);
        ::close(fd);
    }
    return IsEigenMap(map) ? map : QString();
}

// Makes `map` and every folder on its way that is not there, each for this user alone (mode 0700,
// whatever the umask); folders that are there stay as they are.
bool MaakMapVoorGebruiker(const QString& map) {
    const QByteArray pad = QFile::encodeName(map);
    struct stat st {};
    if (::stat(pad.constData(), &st) == 0) return S_ISDIR(st.st_mode);
    const QString ouder = QFileInfo(map).path();
    if (ouder == map || !MaakMapVoorGebruiker(ouder)) return false;
    return ::mkdir(pad.constData(), 0700) == 0 || errno == EEXIST;
}

// Where the lock of `naam` lies: a folder no other user can write in, so that no one else can take the
// lock's name and keep the program from starting, and the user's group neither. The temporary folder
// when it is this user's own (a private $TMPDIR; a link to it is followed); otherwise $XDG_RUNTIME_DIR
// when it is; otherwise a folder of this user's own in the temporary folder ("<naam>-<uid>"), or in the
// user's configuration folder ("<naam>", where the settings store lies too). Empty when there is none.
QString SlotMap(const QString& naam) {
    const QString tijdelijk = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (IsEigenMap(tijdelijk)) return tijdelijk;
    if (const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR"); IsEigenMap(runtime)) return runtime;
    if (const QString map = EigenOndermap(tijdelijk, naam + QLatin1Char('-') + QString::number(geteuid()));
        !map.isEmpty())
        return map;
    const QString configuratie = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!configuratie.isEmpty() && MaakMapVoorGebruiker(configuratie))
        return EigenOndermap(configuratie, naam);
    return {};
}

// The lock file of `naam` for this user: whoever holds it is the running copy. Empty when no folder
// of this user's own can hold it.
QString SlotPad(const QString& naam) {
    const QString map = SlotMap(naam);
    if (map.isEmpty()) return {};
    return map + QLatin1Char('/') + naam + QLatin1Char('-') + GebruikersNaam() + QStringLiteral(".lock");
}

// The name the first copy listens under: short, whatever the length of the lock folder's path (a
// socket's address holds at most 107 bytes), and one of its own for every lock file, so that copies of
// other users or with another lock folder (a private temporary folder of another configuration) never
// reach each other. It lies in the abstract namespace: no file to leave behind, and gone with the copy
// that listens. Such a name has no owner any other user could be kept from: each end asks who the other
// is.
QString ServerNaam(const QString& slotPad) {
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(slotPad), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("K740-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

// The process at the other end of the connection runs as this process's user.
bool VanDezeGebruiker(const QLocalSocket& s) {
    ucred wie{};
    socklen_t lengte = sizeof wie;
    const qintptr kenmerk = s.socketDescriptor();
    if (kenmerk < 0 || getsockopt(static_cast<int>(kenmerk), SOL_SOCKET, SO_PEERCRED, &wie, &lengte) != 0)
        return false;
    return wie.uid == geteuid();
}

// The system's reason, without the class that reports it.
QString Reden(const QLocalServer& server) {
    QString reden = server.errorString();
    const qsizetype dubbelepunt = reden.indexOf(QStringLiteral(": "));
    if (reden.startsWith(QLatin1String("QLocalServer")) && dubbelepunt > 0)
        reden = reden.mid(dubbelepunt + 2);
    return reden;
}
} // namespace

QString InstantieNaam(const QString& naam) {
    return ServerNaam(SlotPad(naam));
}

bool VorigeInstantieActief(const QString& naam, std::function<void()> bijActiveren) {
    auto& i = instantie();
    const QString slotPad = SlotPad(naam);
    if (slotPad.isEmpty()) {
        // No folder of this user's own for the lock: this copy runs without one, and cannot be found.
        i.luisterfout = naam + QLatin1Char('-') + GebruikersNaam() +
                        QStringLiteral(".lock: no folder that only this user can write in");
        return false;
    }
    if (!i.slot) {
        i.slot = std::make_unique<QLockFile>(slotPad);
        i.slot->setStaleLockTime(0);
    }
    const QString server = ServerNaam(slotPad);
    if (!i.slot->isLocked() && !i.slot->tryLock(100) && i.slot->error() != QLockFile::LockFailedError) {
        // The lock cannot be made (a full disk): only a copy that holds it keeps this one from running.
        i.luisterfout = slotPad + QStringLiteral(": the lock file cannot be written");
        i.slot.reset();
        return false;
    }
    if (i.slot->isLocked()) {
        i.bijActiveren = std::move(bijActiveren);
        if (!i.server && QCoreApplication::instance()) {
            i.server = std::make_unique<QLocalServer>();
            i.server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
            QObject::connect(i.server.get(), &QLocalServer::newConnection, [] {
                auto& inst = instantie();
                while (QLocalSocket* s = inst.server->nextPendingConnection()) {
                    // Another user's process is dropped unheard.
                    const bool eigen = VanDezeGebruiker(*s);
                    if (!eigen) s->abort();
                    s->deleteLater();
                    if (eigen && inst.bijActiveren) inst.bijActiveren();
                }
            });
            i.luisterfout.clear();
            if (!i.server->listen(server)) {
                // Held by another user's process: a later copy then finds no copy to bring to the front,
                // and this one says why in the event log.
                i.luisterfout = server + QStringLiteral(": ") + Reden(*i.server);
                i.server.reset();
            }
        }
        return false;
    }
    // Another copy holds the lock: ask it to come to the front. A server of another user under the name
    // is not that copy and hears nothing; the lock still decides that a copy runs.
    QLocalSocket s;
    s.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    s.connectToServer(server);
    if (s.waitForConnected(1000)) {
        if (VanDezeGebruiker(s)) {
            s.write("activate");
            s.waitForBytesWritten(1000);
            s.disconnectFromServer();
        } else {
            s.abort();
        }
    }
    i.slot.reset();
    return true;
}

QString InstantieLuisterfout() {
    return instantie().luisterfout;
}

void GeefInstantieVrij() {
    auto& i = instantie();
    i.server.reset();
    if (i.slot) i.slot->unlock();
    i.slot.reset();
    i.bijActiveren = nullptr;
    i.luisterfout.clear();
}

} // namespace platform
