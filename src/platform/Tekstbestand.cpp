#include "platform/Tekstbestand.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QByteArray NaarWindows1252(const QString& tekst) {
    QStringEncoder enc("windows-1252", QStringConverter::Flag::Default);
    if (!enc.isValid()) return tekst.toLatin1();
    return enc.encode(tekst);
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

bool SchrijfBestandVeilig(const QString& pad, const QByteArray& inhoud, const QString& backupPad) {
    QSaveFile f(pad);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(inhoud) != inhoud.size()) {
        f.cancelWriting();
        return false;
    }
    if (!backupPad.isEmpty() && QFileInfo::exists(pad)) {
        // Copy, never move: until the new file is in place the old one stays where it was.
        const QString tmp = backupPad + QStringLiteral(".tmp~");
        QFile::remove(tmp);
        if (!QFile::copy(pad, tmp)) {
            f.cancelWriting();
            return false;
        }
        QFile::remove(backupPad);
        if (!QFile::rename(tmp, backupPad)) {
            QFile::remove(tmp);
            f.cancelWriting();
            return false;
        }
    }
    return f.commit();
}

bool VoegToeAanBestand(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return false;
    const qint64 oud = f.size();
    const bool heel = f.write(inhoud) == inhoud.size();
    if (!heel) {
        // A part written (a full disk) is taken back: a retry must not append its rows behind a half
        // line.
        f.resize(oud);
        return false;
    }
    f.close();
    return f.error() == QFileDevice::NoError;
}

} // namespace platform
