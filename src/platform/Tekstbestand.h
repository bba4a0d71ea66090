#pragma once
// Text files keep the byte values of Windows-1252 with CR LF line ends. Readers take LF too, and read a
// file that is valid UTF-8 with non-ASCII bytes as UTF-8.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

QByteArray NaarWindows1252(const QString& tekst);
QString VanWindows1252(const QByteArray& bytes);
// UTF-8 when the bytes are valid UTF-8 and hold non-ASCII bytes, else Windows-1252.
QString DecodeerTekstbestand(const QByteArray& bytes);
// True when the bytes are valid UTF-8 and hold non-ASCII bytes: such a file is read (and written) as UTF-8.
bool IsUtf8Tekst(const QByteArray& bytes);
// Splits on CR LF, LF or a lone CR; a last line without line end counts; no empty line after the last end.
QStringList SplitsRegels(const QString& tekst);

// Reads a whole file; false when it cannot be opened.
bool LeesBestand(const QString& pad, QByteArray& inhoud);
// Replaces a file safely. The new content goes to the temporary file `pad` & ".tmp~" beside it; every
// write is checked, the bytes are synced to the disk and only then renamed over the old file. With a
// backup path, the old file first becomes the backup: it is linked (or copied) to `backupPad` & ".tmp~",
// which is then renamed over the old backup, so that at every moment the file and a previous version
// exist, whenever the program is stopped. Temporary files left by a save that was stopped are reused.
// False when anything fails, and for a file the user may not write; the file and its backup are then
// as they were (or the backup already holds the file's present content).
bool SchrijfBestandVeilig(const QString& pad, const QByteArray& inhoud, const QString& backupPad = QString());
// The system's reason why the last write failed ("No space left on device"): SchrijfBestandVeilig,
// SchrijfBestandVeiligMet, VoegToeAanBestand and the writes that record their reason with
// OnthoudSchrijffout; "" after a SchrijfBestandVeilig or VoegToeAanBestand that succeeded.
QString LaatsteSchrijffout();
// Whether that reason was the system refusing access to the file (a file in use or not ours to write:
// EACCES, EPERM); a read-only file system or a full disk is not.
bool LaatsteSchrijffoutIsToegang();
// The file that failure was about: the backup when SchrijfBestandVeilig failed at making the backup, the
// source or the copy for KopieerBestand; "" where the writer did not record one.
QString LaatsteSchrijffoutPad();
// Records the reason of a write that failed elsewhere: the error number the failed call left (errno,
// read before anything else can change it; EIO when it holds none). Always false, for `return`.
bool OnthoudSchrijffout(int fout);
// Forgets the reason (a write that records its own is about to begin).
void WisSchrijffout();
// The same safe replacement for a file that another writer makes by its name (the printer's PDF file):
// `maak` writes the whole new content to the temporary name it is given and says whether it succeeded;
// only then is that file synced to the disk and renamed over `pad`. False when `maak` or any step fails
// (or `pad` may not be written); the old file is then as it was and no temporary file is left. With a
// backup path, the old file as it stands right before it is replaced becomes the backup, as with
// SchrijfBestandVeilig.
bool SchrijfBestandVeiligMet(const QString& pad, const std::function<bool(const QString& tijdelijk)>& maak,
                             const QString& backupPad = QString());
// The temporary name of a file that is being replaced.
QString TijdelijkeNaam(const QString& pad);
// Appends to a file (creating it); false, with the system's reason, when it cannot be written whole,
// and then nothing is added. Nothing to append only opens (and makes) the file.
bool VoegToeAanBestand(const QString& pad, const QByteArray& inhoud);
// The same for content that lies in pieces (lines kept in memory, a header before them): the pieces are
// appended in order, each as it lies, and count as one whole. The first write the system refuses ends
// it: the pieces after it are not tried, and what was written is taken back. Nothing is copied, so what
// it costs follows what the file takes, not how much is offered.
class Aanvulling {
public:
    // Opens (makes) the file for appending.
    explicit Aanvulling(const QString& pad);
    // Takes back what was written unless Sluit succeeded.
    ~Aanvulling();
    Aanvulling(const Aanvulling&) = delete;
    Aanvulling& operator=(const Aanvulling&) = delete;
    // Appends a piece; false once anything failed (nothing more is written then).
    bool Schrijf(const QByteArray& stuk);
    // True when every piece is in the file; otherwise what was written is taken back and the system's
    // reason is kept (LaatsteSchrijffout).
    bool Sluit();
    // Whether part of what was offered reached the file and was taken back (the file's modification time
    // changed); a write refused whole leaves the file untouched.
    bool Teruggenomen() const { return m_teruggenomen; }

private:
    void NeemTerug();
    QFile m_f;
    qint64 m_oud = 0;
    // Every piece so far is in the file; Sluit was called; the reason of the first refusal.
    bool m_goed = false;
    bool m_gesloten = false;
    bool m_teruggenomen = false;
    int m_fout = 0;
    qint64 m_geschreven = 0;
};
// Makes the file `naar` anew as a synced copy of `van`, with its permissions; false with the system's
// reason (and the file it was about) when it cannot, and then no part of `naar` is left.
bool KopieerBestand(const QString& van, const QString& naar);
// Renames a file (over an existing one); false with the system's reason.
bool HernoemBestand(const QString& van, const QString& naar);
// Removes a file; false with the system's reason.
bool VerwijderBestand(const QString& pad);
// True when a file can be made in the folder; else false with the system's reason.
bool MapIsSchrijfbaar(const QString& map, QString* reden = nullptr);

// The steps of SchrijfBestandVeilig after which the program may be stopped. Tests register a function
// that is called after each step (and may end the write there by throwing, as a stopped program would).
enum class SchrijfStap { NieuwGeschreven, BackupGemaakt, BackupVervangen, Vervangen };
void ZetSchrijfStapFunctie(std::function<void(SchrijfStap)> functie);

} // namespace platform
