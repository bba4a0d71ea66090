#include "platform/Systeem.h"

#include "platform/Klok.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <memory>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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
} // namespace

QString DocumentenMap() {
    if (!documentenOverride().isEmpty()) return documentenOverride();
    QString m = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return m.isEmpty() ? QDir::homePath() : m;
}

void ZetDocumentenMap(const QString& map) {
    documentenOverride() = map;
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
// A folder that only this user can write in: a folder itself (not a link, which someone else may have
// planted), owned by this process's user, and writable by neither its group nor others.
bool IsEigenMap(const QString& map) {
    struct stat st {};
    if (map.isEmpty() || ::lstat(QFile::encodeName(map).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A folder in which others may write but keep their hands off what is this user's: the sticky bit
// (as on /tmp) keeps them from renaming or deleting a folder this user made there.
bool IsGedeeldMetSticky(const QString& map) {
    struct stat st {};
    if (map.isEmpty() || ::lstat(QFile::encodeName(map).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0;
}

// The folder `naam` in `ouder`, made for this user alone when it is not there. Taken only when it is
// this user's own; a folder someone else made under that name, or one others may write in, is left as
// it is.
QString EigenOndermap(const QString& ouder, const QString& naam) {
    if (!IsEigenMap(ouder) && !IsGedeeldMetSticky(ouder)) return {};
    const QString map = ouder + QLatin1Char('/') + naam;
    ::mkdir(QFile::encodeName(map).constData(), 0700);
    return IsEigenMap(map) ? map : QString();
}

// Where the lock of `naam` lies: a folder no other user can write in, so that no one else can take the
// lock's name and keep the program from starting. The temporary folder when it is this user's own (a
// private $TMPDIR); otherwise $XDG_RUNTIME_DIR when it is; otherwise a folder of this user's own in the
// temporary folder ("<naam>-<uid>"), or in the user's configuration folder ("<naam>", where the
// settings store lies too). Empty when there is none.
QString SlotMap(const QString& naam) {
    const QString tijdelijk = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (IsEigenMap(tijdelijk)) return tijdelijk;
    if (const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR"); IsEigenMap(runtime)) return runtime;
    if (const QString map = EigenOndermap(tijdelijk, naam + QLatin1Char('-') + QString::number(geteuid()));
        !map.isEmpty())
        return map;
    const QString configuratie = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!configuratie.isEmpty() && QDir().mkpath(configuratie)) return EigenOndermap(configuratie, naam);
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
