#include "files/Bestandsbewerkingen.h"

#include "platform/Tekstbestand.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

Bestandsbewerkingen echteBewerkingen;
Bestandsbewerkingen* geregistreerd = nullptr;

// Makes a rename in the folder of `pad` last across a power failure.
void MapNaarSchijf(const QString& pad) {
    const int map =
        ::open(QFile::encodeName(QFileInfo(pad).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (map < 0) return;
    ::fsync(map);
    ::close(map);
}

// Writes what is left of `bron` to `doel`; false on a failed read or write, errno as the call left it.
bool SchrijfRestOver(QFile& bron, QIODevice& doel) {
    QByteArray blok(1 << 20, Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 n = bron.read(blok.data(), blok.size());
        if (n < 0) return false;
        if (n == 0) return true;
        if (doel.write(blok.constData(), n) != n) return false;
    }
}

} // namespace

bool NaarSchijf(int bestandsdescriptor) {
    return bestandsdescriptor >= 0 && ::fsync(bestandsdescriptor) == 0;
}

// Each operation that fails keeps the system's reason (platform::LaatsteSchrijffout), read before the
// clean-up can change it.
bool Bestandsbewerkingen::Kopieer(const QString& van, const QString& naar) {
    platform::WisSchrijffout();
    // Qt refuses a folder without a reason of the system's.
    if (QFileInfo(van).isDir() || QFileInfo(naar).isDir()) return platform::OnthoudSchrijffout(EISDIR);
    errno = 0;
    QFile bron(van);
    if (!bron.open(QIODevice::ReadOnly)) return platform::OnthoudSchrijffout(errno);
    QSaveFile doel(naar);
    if (!doel.open(QIODevice::WriteOnly)) return platform::OnthoudSchrijffout(errno);
    const auto mislukt = [&doel] {
        platform::OnthoudSchrijffout(errno);
        doel.cancelWriting();
        return false;
    };
    if (!SchrijfRestOver(bron, doel)) return mislukt();
    if (!doel.flush() || !NaarSchijf(doel.handle())) return mislukt();
    if (!doel.commit()) return platform::OnthoudSchrijffout(errno);
    MapNaarSchijf(naar);
    return true;
}

bool Bestandsbewerkingen::Hernoem(const QString& van, const QString& naar) {
    platform::WisSchrijffout();
    if (std::rename(QFile::encodeName(van).constData(), QFile::encodeName(naar).constData()) != 0)
        return platform::OnthoudSchrijffout(errno);
    MapNaarSchijf(naar);
    return true;
}

bool Bestandsbewerkingen::Verwijder(const QString& pad) {
    platform::WisSchrijffout();
    if (!QFileInfo::exists(pad) && !QFileInfo(pad).isSymLink()) return true;
    errno = 0;
    return QFile::remove(pad) || platform::OnthoudSchrijffout(errno);
}

Bestandsbewerkingen& bestandsbewerkingen() {
    return geregistreerd ? *geregistreerd : echteBewerkingen;
}

void ZetBestandsbewerkingen(Bestandsbewerkingen* bewerkingen) {
    geregistreerd = bewerkingen;
}
