// One way to wait: a window waits for its answer with platform::WachtOpVenster (dialogs through
// VoerDialoogUit, pop-up menus through VoerMenuUit, message boxes through the message layer), inside the
// program's loop, so that polling and logging go on behind it. An exec() of a dialog, a menu, a message
// box or an event loop would run an event loop of its own in which the loop stands still. This check
// reads the sources, as the layer check does, and finds every exec() call; the only exec() that is not a
// wait is a database query's, told apart by the declared type of its receiver.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The text with its comments blanked (line breaks kept, so that line numbers hold). String literals are
// left as they are: no exec( stands in one.
QString ZonderCommentaar(const QString& tekst) {
    QString uit = tekst;
    qsizetype i = 0;
    while (i < uit.size()) {
        if (uit.mid(i, 2) == QLatin1String("//")) {
            while (i < uit.size() && uit[i] != QLatin1Char('\n'))
                uit[i++] = QLatin1Char(' ');
        } else if (uit.mid(i, 2) == QLatin1String("/*")) {
            while (i < uit.size() && uit.mid(i, 2) != QLatin1String("*/")) {
                if (uit[i] != QLatin1Char('\n')) uit[i] = QLatin1Char(' ');
                ++i;
            }
            for (int k = 0; k < 2 && i < uit.size(); ++k)
                uit[i++] = QLatin1Char(' ');
        } else {
            ++i;
        }
    }
    return uit;
}

int RegelVan(const QString& tekst, qsizetype plaats) {
    return static_cast<int>(tekst.left(plaats).count(QLatin1Char('\n'))) + 1;
}

// The exec() calls in one source text that are not database queries, as "line: call".
QStringList Wachtaanroepen(const QString& bron) {
    const QString tekst = ZonderCommentaar(bron);
    // Any call named exec: on an object, through a pointer, qualified (QMenu::exec, QDialog::exec) or
    // plain (a dialog's own exec()).
    static const QRegularExpression aanroep(
        QStringLiteral(R"re((?:(\w+)\s*(?:\.|->)\s*|\b\w+\s*::\s*|\b)exec\s*\()re"));
    QStringList gevonden;
    for (auto m = aanroep.globalMatch(tekst); m.hasNext();) {
        const auto treffer = m.next();
        const QString ontvanger = treffer.captured(1);
        if (!ontvanger.isEmpty()) {
            // A receiver declared in this file as a database query (an object, a reference or a pointer).
            const QRegularExpression query(
                QStringLiteral(R"re(\bQSqlQuery\s*[&*]?\s*%1\b)re").arg(ontvanger));
            if (query.match(tekst).hasMatch()) continue;
        }
        gevonden << QStringLiteral("%1: %2")
                        .arg(RegelVan(tekst, treffer.capturedStart()))
                        .arg(treffer.captured(0).simplified());
    }
    return gevonden;
}

TEST(WachtregelTest, TheCheckFindsTheExecOfAWindowAndPassesADatabaseQuery) {
    EXPECT_EQ(Wachtaanroepen(QStringLiteral("FormOptionsOx opties(this);\n opties.exec();\n")).size(), 1);
    EXPECT_EQ(Wachtaanroepen(QStringLiteral("auto* d = new QDialog;\nd->exec();")).size(), 1);
    EXPECT_EQ(Wachtaanroepen(QStringLiteral("QMenu::exec(acties, punt);")).size(), 1);
    EXPECT_EQ(Wachtaanroepen(QStringLiteral("QEventLoop lus;\nlus.exec(QEventLoop::AllEvents);")).size(), 1);
    EXPECT_EQ(Wachtaanroepen(QStringLiteral("QMessageBox box;\nbox.exec();")).size(), 1);
    EXPECT_EQ(Wachtaanroepen(QStringLiteral("int Dialoog::Toon() { return exec(); }")).size(), 1);
    EXPECT_TRUE(Wachtaanroepen(QStringLiteral("QSqlQuery query(db);\nquery.exec();")).isEmpty());
    EXPECT_TRUE(Wachtaanroepen(QStringLiteral("bool VoerUit(QSqlQuery& q) { return q.exec(); }")).isEmpty());
    EXPECT_TRUE(Wachtaanroepen(QStringLiteral("// waits as exec() would\n/* not exec() */")).isEmpty());
}

TEST(WachtregelTest, NoWindowOrEventLoopInTheSourcesWaitsWithExec) {
    const QDir src(QStringLiteral(K740_SRC));
    ASSERT_TRUE(src.exists());
    int bestanden = 0;
    QDirIterator it(src.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = src.relativeFilePath(it.next());
        QFile f(src.filePath(pad));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (const QString& aanroep : Wachtaanroepen(QString::fromUtf8(f.readAll())))
            ADD_FAILURE() << pad.toStdString() << ":" << aanroep.toStdString()
                          << " waits with an event loop of its own: use VoerDialoogUit, VoerMenuUit or "
                             "platform::WachtOpVenster";
        ++bestanden;
    }
    EXPECT_GT(bestanden, 100);
}

} // namespace
