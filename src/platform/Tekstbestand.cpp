#include "platform/Tekstbestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// The byte of every character the code page holds (0: none; the characters below 0x80 are their own
// byte).
const std::array<unsigned char, 0x10000>& Windows1252Bytes() {
    static const std::array<unsigned char, 0x10000> tabel = [] {
        std::array<unsigned char, 0x10000> t{};
        for (int b = 0x80; b <= 0xFF; ++b) {
            const QString c = VanWindows1252(QByteArray(1, static_cast<char>(b)));
            if (c.size() == 1 && c.at(0) != QChar::ReplacementCharacter)
                t[c.at(0).unicode()] = static_cast<unsigned char>(b);
        }
        return t;
    }();
    return tabel;
}

} // namespace

QByteArray NaarWindows1252(const QString& tekst) {
    // A character the code page lacks becomes "?" (one for a character outside the basic plane too),
    // never the substitute control byte that text readers take for the end of the file.
    const auto& tabel = Windows1252Bytes();
    QByteArray uit;
    uit.reserve(tekst.size());
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = tekst.at(i).unicode();
        if (c < 0x80) {
            uit.append(static_cast<char>(c));
            continue;
        }
        if (tabel[c] != 0) {
            uit.append(static_cast<char>(tabel[c]));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && tekst.at(i + 1).isLowSurrogate()) ++i;
        uit.append('?');
    }
    return uit;
}

QString VanWindows1252(const QByteArray& bytes) {
    QStringDecoder dec("windows-1252");
    if (!dec.isValid()) return QString::fromLatin1(bytes);
    return dec.decode(bytes);
}

namespace {

bool IsAscii(const QByteArray& bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

bool IsUtf8Tekst(const QByteArray& bytes) {
    if (IsAscii(bytes)) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString proef = utf8.decode(bytes);
    return !utf8.hasError();
}

QString DecodeerTekstbestand(const QByteArray& bytes) {
    if (IsAscii(bytes)) return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString t = utf8.decode(bytes);
    if (!utf8.hasError()) return t;
    return VanWindows1252(bytes);
}

QStringList SplitsRegels(const QString& tekst) {
    QStringList regels;
    qsizetype begin = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            regels.append(tekst.mid(begin, i - begin));
            if (c == QLatin1Char('\r') && i + 1 < n && tekst.at(i + 1) == QLatin1Char('\n')) ++i;
            begin = i + 1;
        }
    }
    if (begin < n) regels.append(tekst.mid(begin));
    return regels;
}

bool LeesBestand(const QString& pad, QByteArray& inhoud) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return false;
    inhoud = f.readAll();
    return f.error() == QFileDevice::NoError;
}

namespace {

// The error number of the last SchrijfBestandVeilig that failed; 0 after one that succeeded.
int laatsteSchrijffout = 0;
// The file that failure was about, where the writer knows it.
QString laatsteFoutPad;

// Keeps the reason of a failed step (before the clean-up calls change errno) and fails.
bool Mislukt() {
    laatsteSchrijffout = errno != 0 ? errno : EIO;
    return false;
}

std::function<void(SchrijfStap)>& stapFunctie() {
    static std::function<void(SchrijfStap)> f;
    return f;
}

void Stap(SchrijfStap stap) {
    if (stapFunctie()) stapFunctie()(stap);
}

QByteArray Naam(const QString& pad) {
    return QFile::encodeName(pad);
}

// Closes a file descriptor when it goes out of scope, unless it was closed (and checked) before.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }
    bool Sluit() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool SchrijfAlles(int fd, const char* data, qint64 aantal) {
    while (aantal > 0) {
        const ssize_t geschreven = ::write(fd, data, static_cast<size_t>(std::min<qint64>(aantal, 1 << 30)));
        if (geschreven < 0 && errno == EINTR) continue;
        if (geschreven <= 0) return false;
        data += geschreven;
        aantal -= geschreven;
    }
    return true;
}

// Makes the file `pad` anew (a file of that name, a leftover of an earlier save, is removed first, never
// written into) and hands its descriptor to `vul`; then syncs it to the disk. `modus` < 0 leaves the
// permissions the process gives new files.
template <typename Vul> bool MaakBestand(const QString& pad, int modus, Vul vul) {
    const QByteArray naam = Naam(pad);
    ::unlink(naam.constData());
    Descriptor d(::open(naam.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (d.fd() < 0) return false;
    if (modus >= 0) (void)::fchmod(d.fd(), static_cast<mode_t>(modus));
    if (!vul(d.fd()) || ::fsync(d.fd()) != 0) return false;
    return d.Sluit();
}

// Makes `naar` anew as a copy of `van`; `leesfout`, when given, tells whether it was the source that
// could not be read.
bool KopieerNaarNieuw(const QString& van, const QString& naar, int modus, bool* leesfout = nullptr) {
    Descriptor bron(::open(Naam(van).constData(), O_RDONLY | O_CLOEXEC));
    if (leesfout) *leesfout = bron.fd() < 0;
    if (bron.fd() < 0) return false;
    return MaakBestand(naar, modus, [&](int fd) {
        std::vector<char> blok(1 << 16);
        for (;;) {
            const ssize_t n = ::read(bron.fd(), blok.data(), blok.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                if (leesfout) *leesfout = true;
                return false;
            }
            if (n == 0) return true;
            if (!SchrijfAlles(fd, blok.data(), n)) return false;
        }
    });
}

// A hard link cannot be made on this file system (rather than: this name cannot be made at all).
bool GeenKoppelingMogelijk(int fout) {
    return fout == EPERM || fout == EXDEV || fout == EMLINK || fout == ENOSYS || fout == EOPNOTSUPP;
}

// Makes a rename in the folder last across a power failure.
void MapNaarSchijf(const QString& map) {
    const int fd = ::open(Naam(map).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

bool Hernoem(const QString& van, const QString& naar) {
    return std::rename(Naam(van).constData(), Naam(naar).constData()) == 0;
}

void Verwijder(const QString& pad) {
    ::unlink(Naam(pad).constData());
}

} // namespace

QString TijdelijkeNaam(const QString& pad) {
    return pad + QStringLiteral(".tmp~");
}

void ZetSchrijfStapFunctie(std::function<void(SchrijfStap)> functie) {
    stapFunctie() = std::move(functie);
}

QString LaatsteSchrijffout() {
    return laatsteSchrijffout == 0 ? QString() : QString::fromLocal8Bit(std::strerror(laatsteSchrijffout));
}

QString LaatsteSchrijffoutPad() {
    return laatsteSchrijffout == 0 ? QString() : laatsteFoutPad;
}

bool OnthoudSchrijffout(int fout) {
    laatsteSchrijffout = fout != 0 ? fout : EIO;
    laatsteFoutPad.clear();
    return false;
}

void WisSchrijffout() {
    laatsteSchrijffout = 0;
    laatsteFoutPad.clear();
}

bool LaatsteSchrijffoutIsToegang() {
    // A read-only file system, a busy device or a full disk refuses every program alike: only a refused
    // access is the user's rights or another program holding the file.
    return laatsteSchrijffout == EACCES || laatsteSchrijffout == EPERM;
}

namespace {

// The file a safe replacement of `pad` replaces: a link is followed, the file it points to is the one
// replaced; with its permissions when it exists.
struct Vervangdoel {
    QString pad;
    bool bestaat = false;
    int modus = -1;
};

// False for a file the user may not write (read-only): it is not replaced.
bool BepaalDoel(const QString& pad, Vervangdoel& doel) {
    doel.pad = pad;
    const QFileInfo info(pad);
    if (info.isSymLink() && !info.symLinkTarget().isEmpty()) doel.pad = info.symLinkTarget();
    struct stat oud {};
    doel.bestaat = ::stat(Naam(doel.pad).constData(), &oud) == 0 && S_ISREG(oud.st_mode);
    if (doel.bestaat && ::access(Naam(doel.pad).constData(), W_OK) != 0) return Mislukt();
    doel.modus = doel.bestaat ? static_cast<int>(oud.st_mode & 07777) : -1;
    return true;
}

// The file about to be replaced becomes its backup `backupPad` (none when that is empty or the file is
// not there): it gets the backup's name beside its own, and that name then replaces the old backup in one
// step, so that the old backup is never removed before its successor is whole. False, with the reason,
// when it could not; the backup is then as it was.
bool MaakBackup(const QString& pad, const Vervangdoel& doel, const QString& backupPad) {
    if (backupPad.isEmpty() || !doel.bestaat) return true;
    const QString tijdelijk = TijdelijkeNaam(backupPad);
    laatsteFoutPad = backupPad;
    Verwijder(tijdelijk);
    bool gemaakt = ::link(Naam(doel.pad).constData(), Naam(tijdelijk).constData()) == 0;
    if (!gemaakt && GeenKoppelingMogelijk(errno)) gemaakt = KopieerNaarNieuw(doel.pad, tijdelijk, doel.modus);
    if (!gemaakt) {
        Mislukt();
        Verwijder(tijdelijk);
        return false;
    }
    Stap(SchrijfStap::BackupGemaakt);
    if (!Hernoem(tijdelijk, backupPad)) {
        Mislukt();
        Verwijder(tijdelijk);
        return false;
    }
    // When the backup already was the file itself (a save stopped after the step above), the rename
    // leaves both names in place.
    Verwijder(tijdelijk);
    laatsteFoutPad = pad;
    Stap(SchrijfStap::BackupVervangen);
    return true;
}

} // namespace

bool SchrijfBestandVeiligMet(const QString& pad, const std::function<bool(const QString& tijdelijk)>& maak,
                             const QString& backupPad) {
    laatsteSchrijffout = 0;
    laatsteFoutPad = pad;
    errno = 0;
    Vervangdoel doel;
    if (!BepaalDoel(pad, doel)) return false;
    const QString nieuw = TijdelijkeNaam(doel.pad);
    Verwijder(nieuw);
    bool heel = maak(nieuw);
    if (heel) {
        Descriptor d(::open(Naam(nieuw).constData(), O_RDONLY | O_CLOEXEC));
        heel = d.fd() >= 0 && (doel.modus < 0 || ::fchmod(d.fd(), static_cast<mode_t>(doel.modus)) == 0) &&
               ::fsync(d.fd()) == 0 && d.Sluit();
    }
    if (!heel) {
        Mislukt();
        Verwijder(nieuw);
        return false;
    }
    Stap(SchrijfStap::NieuwGeschreven);
    // The file as it stands right before it is replaced becomes the backup.
    if (!MaakBackup(pad, doel, backupPad)) {
        Verwijder(nieuw);
        return false;
    }
    if (!Hernoem(nieuw, doel.pad)) {
        Mislukt();
        Verwijder(nieuw);
        return false;
    }
    MapNaarSchijf(QFileInfo(doel.pad).absolutePath());
    if (!backupPad.isEmpty()) {
        const QString backupMap = QFileInfo(backupPad).absolutePath();
        if (backupMap != QFileInfo(doel.pad).absolutePath()) MapNaarSchijf(backupMap);
    }
    Stap(SchrijfStap::Vervangen);
    return true;
}

bool SchrijfBestandVeilig(const QString& pad, const QByteArray& inhoud, const QString& backupPad) {
    laatsteSchrijffout = 0;
    laatsteFoutPad = pad;
    errno = 0;
    Vervangdoel vervangdoel;
    if (!BepaalDoel(pad, vervangdoel)) return false;
    const QString& doel = vervangdoel.pad;
    const int modus = vervangdoel.modus;

    const QString nieuw = TijdelijkeNaam(doel);
    if (!MaakBestand(nieuw, modus,
                     [&](int fd) { return SchrijfAlles(fd, inhoud.constData(), inhoud.size()); })) {
        Mislukt();
        Verwijder(nieuw);
        return false;
    }
    Stap(SchrijfStap::NieuwGeschreven);

    if (!MaakBackup(pad, vervangdoel, backupPad)) {
        Verwijder(nieuw);
        return false;
    }

    if (!Hernoem(nieuw, doel)) {
        Mislukt();
        Verwijder(nieuw);
        return false;
    }
    MapNaarSchijf(QFileInfo(doel).absolutePath());
    if (!backupPad.isEmpty()) {
        const QString backupMap = QFileInfo(backupPad).absolutePath();
        if (backupMap != QFileInfo(doel).absolutePath()) MapNaarSchijf(backupMap);
    }
    Stap(SchrijfStap::Vervangen);
    return true;
}

Aanvulling::Aanvulling(const QString& pad) : m_f(pad) {
    laatsteSchrijffout = 0;
    laatsteFoutPad = pad;
    errno = 0;
    if (!m_f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        Mislukt();
        m_fout = laatsteSchrijffout;
        return;
    }
    m_oud = m_f.size();
    m_goed = true;
}

Aanvulling::~Aanvulling() {
    if (!m_gesloten) NeemTerug();
}

void Aanvulling::NeemTerug() {
    // A part written (a full disk) is taken back: a retry must not append its rows behind a half line.
    if (m_f.isOpen()) {
        // A write refused whole added nothing: the file is left as it was, its time too.
        if (m_geschreven > 0) {
            m_f.resize(m_oud);
            m_teruggenomen = true;
        }
        m_f.close();
    }
}

bool Aanvulling::Schrijf(const QByteArray& stuk) {
    if (!m_goed) return false;
    if (stuk.isEmpty()) return true;
    errno = 0;
    const qint64 geschreven = m_f.write(stuk);
    if (geschreven > 0) m_geschreven += geschreven;
    if (geschreven == stuk.size()) return true;
    Mislukt();
    m_fout = laatsteSchrijffout;
    m_goed = false;
    return false;
}

bool Aanvulling::Sluit() {
    m_gesloten = true;
    if (m_goed) {
        errno = 0;
        m_f.close();
        if (m_f.error() == QFileDevice::NoError) {
            laatsteSchrijffout = 0;
            return true;
        }
        Mislukt();
        return false;
    }
    NeemTerug();
    laatsteSchrijffout = m_fout;
    return false;
}

bool VoegToeAanBestand(const QString& pad, const QByteArray& inhoud) {
    Aanvulling aanvulling(pad);
    aanvulling.Schrijf(inhoud);
    return aanvulling.Sluit();
}

bool KopieerBestand(const QString& van, const QString& naar) {
    laatsteSchrijffout = 0;
    laatsteFoutPad = van;
    errno = 0;
    struct stat bron {};
    if (::stat(Naam(van).constData(), &bron) != 0) return Mislukt();
    bool leesfout = false;
    if (KopieerNaarNieuw(van, naar, static_cast<int>(bron.st_mode & 07777), &leesfout)) return true;
    if (!leesfout) laatsteFoutPad = naar;
    Mislukt();
    Verwijder(naar);
    return false;
}

bool HernoemBestand(const QString& van, const QString& naar) {
    laatsteSchrijffout = 0;
    laatsteFoutPad = naar;
    errno = 0;
    if (!Hernoem(van, naar)) return Mislukt();
    MapNaarSchijf(QFileInfo(naar).absolutePath());
    return true;
}

bool VerwijderBestand(const QString& pad) {
    laatsteSchrijffout = 0;
    laatsteFoutPad = pad;
    errno = 0;
    return ::unlink(Naam(pad).constData()) == 0 || Mislukt();
}

bool MapIsSchrijfbaar(const QString& map, QString* reden) {
    QByteArray sjabloon =
        Naam(QDir(map.isEmpty() ? QStringLiteral(".") : map).filePath(QStringLiteral(".k740-XXXXXX")));
    const int fd = ::mkstemp(sjabloon.data());
    if (fd < 0) {
        if (reden) *reden = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ::close(fd);
    ::unlink(sjabloon.constData());
    return true;
}

} // namespace platform
