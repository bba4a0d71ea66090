#pragma once
// A logging file on a file system that keeps times to the second, edited in the second of the program's
// own write: what the program sees of the file then stays as it was.
#include "files/Logbestanden.h"
#include "files/WachtendeRijen.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// For as long as it lives, every write of the test falls in one second of such a file system: each file's
// modification and change times are that whole second, whatever is written. A test that holds it fails
// when the program never took such a time: on a file system that keeps finer times it would prove nothing
// of one that keeps seconds. `genomen`: told of each file state the program takes (the test acts in the
// middle of the program's work).
class TijdenInEenSeconde {
public:
    explicit TijdenInEenSeconde(std::function<void(const Bestandsstand&)> genomen = nullptr) {
        ZetStandFunctie([aantal = m_genomen, genomen = std::move(genomen)](Bestandsstand& s) {
            s.tijdNs = s.veranderdNs = qint64(1767603600) * 1000000000;
            ++*aantal;
            if (genomen) genomen(s);
        });
    }
    ~TijdenInEenSeconde() {
        ZetStandFunctie(nullptr);
        EXPECT_GT(*m_genomen, 0) << "the program took no file time of one second (ZetStandFunctie took no "
                                    "effect): the test ran with this file system's own times";
    }
    TijdenInEenSeconde(const TijdenInEenSeconde&) = delete;
    TijdenInEenSeconde& operator=(const TijdenInEenSeconde&) = delete;

private:
    std::shared_ptr<int> m_genomen = std::make_shared<int>(0);
};

// For as long as it lives: how often the program read the header of each file (ZetKopLeesFunctie).
class KopLezingen {
public:
    KopLezingen() {
        ZetKopLeesFunctie([per = m_per](const QString& pad) { ++(*per)[pad]; });
    }
    ~KopLezingen() { ZetKopLeesFunctie(nullptr); }
    KopLezingen(const KopLezingen&) = delete;
    KopLezingen& operator=(const KopLezingen&) = delete;

    int Van(const QString& pad) const { return m_per->value(pad); }
    void Leeg() { m_per->clear(); }

private:
    std::shared_ptr<QHash<QString, int>> m_per = std::make_shared<QHash<QString, int>>();
};

// The first `van` of the file's header edited in place into `naar`, of the same length: the file keeps its
// length and what it is on the disk. The file's bytes as they are then.
inline QByteArray BewerkKopTerPlaatse(const QString& pad, const QByteArray& van, const QByteArray& naar) {
    QFile f(pad);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite)) << pad.toStdString();
    QByteArray bytes = f.readAll();
    const qsizetype plaats = bytes.indexOf(van);
    EXPECT_GT(plaats, 0) << van.toStdString() << " not in " << pad.toStdString();
    EXPECT_LT(plaats, bytes.indexOf('\n')) << van.toStdString() << " not in the header";
    EXPECT_EQ(van.size(), naar.size());
    if (plaats <= 0) return bytes;
    bytes.replace(plaats, van.size(), naar);
    EXPECT_TRUE(f.seek(plaats));
    EXPECT_EQ(f.write(naar), naar.size());
    return bytes;
}
