#pragma once
// What the print tests share: golden files (rewritten instead of compared when K740_GOLDEN_UPDATE is
// set), and the page count and text of a PDF through poppler's pdfinfo and pdftotext.
#include "SchoneOmgeving.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

inline QString GoldenPad(const QString& naam) {
    return QStringLiteral(K740_REPORTS_GOLDEN "/") + naam;
}

inline QByteArray LeesBytes(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes equal the golden file `naam`.
inline void VergelijkGolden(const QString& naam, const QByteArray& inhoud) {
    const QString pad = GoldenPad(naam);
    if (qEnvironmentVariableIsSet("K740_GOLDEN_UPDATE")) {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhoud);
        return;
    }
    ASSERT_TRUE(QFile::exists(pad)) << pad.toStdString();
    EXPECT_EQ(inhoud.toStdString(), LeesBytes(pad).toStdString()) << "golden file " << pad.toStdString();
}

inline QString Uitvoer(const QString& programma, const QStringList& argumenten) {
    QProcess p;
    p.start(programma, argumenten);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page count of a PDF (0 when it cannot be read).
inline int PdfPaginas(const QString& pad) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(Uitvoer(QStringLiteral("pdfinfo"), {pad}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The text of one page (from 1) of a PDF, in its layout.
inline QString PdfTekst(const QString& pad, int pagina) {
    return Uitvoer(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(pagina),
                    QStringLiteral("-l"), QString::number(pagina), pad, QStringLiteral("-")});
}
