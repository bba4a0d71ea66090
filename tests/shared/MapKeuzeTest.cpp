#include "shared/MapKeuze.h"
#include "OpnameMapKeuze.h"
#include "SchoneOmgeving.h"
#include "shared/ui/FormPathInput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

class MapKeuzeTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        ZetMapKeuzeVenster(&m_venster);
        map = QDir(tijdelijkeMap()).filePath("Data");
        ASSERT_TRUE(QDir().mkpath(map + "/Sub"));
        for (const char* n : {"a.csv", "b.txt", "noext"}) {
            QFile f(QDir(map).filePath(n));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    // Opens the chooser and, as soon as it waits, runs `actie` on it.
    QString kies(const QString& filter, const QString& start, std::function<void(FormPathInput&)> actie) {
        klok().planIn(0, [actie] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* v = qobject_cast<FormPathInput*>(w); v && v->isVisible()) {
                    actie(*v);
                    return;
                }
            ADD_FAILURE() << "no folder chooser";
        });
        klok().planIn(600000, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* v = qobject_cast<FormPathInput*>(w); v && v->isVisible()) {
                    ADD_FAILURE() << "folder chooser left open";
                    v->close();
                }
        });
        return ToonMapKeuze("Select the folder: Data", filter, start);
    }
    static QStringList bestanden(const FormPathInput& v) {
        QStringList l;
        for (int i = 0; i < v.FileList->count(); ++i)
            l << v.FileList->item(i)->text();
        return l;
    }
    static QListWidgetItem* mapItem(const FormPathInput& v, const QString& pad) {
        for (int i = 0; i < v.DirList->count(); ++i)
            if (v.DirList->item(i)->data(Qt::UserRole).toString() == pad) return v.DirList->item(i);
        return nullptr;
    }
    QString map;

private:
    FormPathInputVenster m_venster;
};

TEST_F(MapKeuzeTest, OKReturnsTheFolderOpenedInTheFolderList) {
    QStringList gezien, alles;
    const QString gekozen = kies("*.csv", map, [&](FormPathInput& v) {
        EXPECT_EQ(v.windowTitle(), "Select the folder: Data");
        EXPECT_EQ(v.DirListPath(), map);
        gezien = bestanden(v);
        // A file selected in the file list does not change the answer; opening a folder does.
        v.FileList->setCurrentRow(0);
        QListWidgetItem* sub = mapItem(v, map + "/Sub");
        ASSERT_NE(sub, nullptr);
        v.DirList->setCurrentItem(sub);
        QTest::keyClick(v.DirList, Qt::Key_Return);
        EXPECT_EQ(v.DirListPath(), map + "/Sub");
        QTest::mouseClick(v.CommandOK, Qt::LeftButton);
    });
    EXPECT_EQ(gekozen, map + "/Sub");
    EXPECT_EQ(gezien, QStringList{"a.csv"});

    // "*.*" is every file, also one without an extension; going up a level works too.
    const QString boven = kies("", map + "/Sub", [&](FormPathInput& v) {
        v.ZetDirListPath(map);
        alles = bestanden(v);
        QTest::keyClick(&v, Qt::Key_Return); // Enter is OK
    });
    EXPECT_EQ(boven, map);
    EXPECT_EQ(alles, (QStringList{"a.csv", "b.txt", "noext"}));
}

TEST_F(MapKeuzeTest, CancelEscapeAndTheTitleBarLeaveTheCallersFolder) {
    auto annuleer = [&](const QString& start, std::function<void(FormPathInput&)> hoe) {
        return kies("*.*", start, [hoe, this](FormPathInput& v) {
            v.ZetDirListPath(map + "/Sub");
            hoe(v);
        });
    };
    EXPECT_EQ(annuleer(map, [](FormPathInput& v) { QTest::mouseClick(v.CommandCancel, Qt::LeftButton); }),
              map);
    EXPECT_EQ(annuleer(map, [](FormPathInput& v) { QTest::keyClick(&v, Qt::Key_Escape); }), map);
    EXPECT_EQ(annuleer(map, [](FormPathInput& v) { v.close(); }), map);

    // A start folder that does not exist opens the chooser on the program's folder; Cancel still gives
    // the caller's own text back, so that a setting is not changed by a Cancel.
    const QString weg = map + "/missing";
    QString geopend;
    EXPECT_EQ(kies("*.*", weg,
                   [&](FormPathInput& v) {
                       geopend = v.DirListPath();
                       QTest::mouseClick(v.CommandCancel, Qt::LeftButton);
                   }),
              weg);
    EXPECT_EQ(geopend, QDir::cleanPath(QCoreApplication::applicationDirPath()));
}

TEST_F(MapKeuzeTest, WithoutAWindowTheStartFolderComesBackAndTestsChooseTheAnswer) {
    ZetMapKeuzeVenster(nullptr);
    EXPECT_EQ(ToonMapKeuze("t", "*.rcf", map), map);
    OpnameMapKeuze keuze;
    keuze.antwoord = QStringLiteral("/chosen");
    ZetMapKeuzeVenster(&keuze);
    EXPECT_EQ(ToonMapKeuze("t", "", map), "/chosen");
    ASSERT_EQ(keuze.vragen.size(), 1u);
    EXPECT_EQ(keuze.vragen[0].filter, "*.*");
}
