#include "factory/Afregelbestand.h"

#include <QFile>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace afregelbestand {

namespace {

// Another process holds a lock only while it reads or writes one record; this is long enough to wait
// for that, and short enough that a workstation that keeps its lock gets the operator's answer soon.
constexpr auto SlotWachttijd = std::chrono::milliseconds(500);

off_t Begin(int32_t nummer) {
    return static_cast<off_t>(nummer - 1) * AfregelRecordLengte;
}

bool ZetSlot(int fd, short soort, off_t begin, off_t lengte) {
    struct flock slot {};
    slot.l_type = soort;
    slot.l_whence = SEEK_SET;
    slot.l_start = begin;
    slot.l_len = lengte;
    const auto einde = std::chrono::steady_clock::now() + SlotWachttijd;
    for (;;) {
        if (::fcntl(fd, F_SETLK, &slot) == 0) return true;
        if (errno == EINTR) continue;
        if ((errno != EACCES && errno != EAGAIN) || std::chrono::steady_clock::now() >= einde) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

int Open(const QString& pad) {
    int fd;
    do {
        fd = ::open(QFile::encodeName(pad).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

void Sluit(int fd) {
    if (fd >= 0) ::close(fd);
}

bool VergrendelRecord(int fd, int32_t nummer, bool schrijven) {
    if (nummer < 1) return false;
    return ZetSlot(fd, schrijven ? F_WRLCK : F_RDLCK, Begin(nummer), AfregelRecordLengte);
}

bool VergrendelBestand(int fd) {
    return ZetSlot(fd, F_WRLCK, 0, 0);
}

void OntgrendelRecord(int fd, int32_t nummer) {
    if (nummer >= 1) ZetSlot(fd, F_UNLCK, Begin(nummer), AfregelRecordLengte);
}

void OntgrendelBestand(int fd) {
    ZetSlot(fd, F_UNLCK, 0, 0);
}

int64_t AantalRecords(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size) / AfregelRecordLengte;
}

bool LeesRecord(int fd, int32_t nummer, AfregelingRecord& record) {
    if (nummer < 1) return false;
    QByteArray bytes(AfregelRecordLengte, '\0');
    ssize_t gelezen = 0;
    while (gelezen < AfregelRecordLengte) {
        const ssize_t n =
            ::pread(fd, bytes.data() + gelezen, AfregelRecordLengte - gelezen, Begin(nummer) + gelezen);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        gelezen += n;
    }
    record = AfregelRecordUitBytes(bytes);
    return true;
}

bool SchrijfRecord(int fd, int32_t nummer, const AfregelingRecord& record) {
    if (nummer < 1) return false;
    const QByteArray bytes = AfregelRecordNaarBytes(record);
    ssize_t geschreven = 0;
    while (geschreven < AfregelRecordLengte) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + geschreven, AfregelRecordLengte - geschreven,
                                   Begin(nummer) + geschreven);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschreven += n;
    }
    return ::fdatasync(fd) == 0;
}

} // namespace afregelbestand
