#include "files/Bestandsbewerkingen.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

} // namespace

bool NaarSchijf(int bestandsdescriptor) {
    return bestandsdescriptor >= 0 && ::fsync(bestandsdescriptor) == 0;
}

bool Bestandsbewerkingen::Kopieer(const QString& van, const QString& naar) {
    QFile bron(van);
    if (!bron.open(QIODevice::ReadOnly)) return false;
    QSaveFile doel(naar);
    if (!doel.open(QIODevice::WriteOnly)) return false;
    QByteArray blok(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = bron.read(blok.data(), blok.size());
        if (n < 0) {
            doel.cancelWriting();
            return false;
        }
        if (n == 0) break;
        if (doel.write(blok.constData(), n) != n) {
            doel.cancelWriting();
            return false;
        }
    }
    if (!doel.flush() || !NaarSchijf(doel.handle())) {
        doel.cancelWriting();
        return false;
    }
    if (!doel.commit()) return false;
    MapNaarSchijf(naar);
    return true;
}

bool Bestandsbewerkingen::Hernoem(const QString& van, const QString& naar) {
    if (std::rename(QFile::encodeName(van).constData(), QFile::encodeName(naar).constData()) != 0)
        return false;
    MapNaarSchijf(naar);
    return true;
}

bool Bestandsbewerkingen::Verwijder(const QString& pad) {
    if (!QFileInfo::exists(pad) && !QFileInfo(pad).isSymLink()) return true;
    return QFile::remove(pad);
}

Bestandsbewerkingen& bestandsbewerkingen() {
    return geregistreerd ? *geregistreerd : echteBewerkingen;
}

void ZetBestandsbewerkingen(Bestandsbewerkingen* bewerkingen) {
    geregistreerd = bewerkingen;
}
