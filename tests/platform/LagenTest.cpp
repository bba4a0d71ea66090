// The folders of src/ are floors: a file includes its own folder and folders on lower floors only.
// Folders on one floor stand side by side and do not include each other. A lower folder that must reach
// a higher one declares a seam that the shell fills (src/shell/Installatie.cpp). A new folder gets its
// floor here.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>
#include <map>

namespace {

const std::map<QString, int>& Verdiepingen() {
    static const std::map<QString, int> v = {
        {QStringLiteral("platform"), 0},    {QStringLiteral("shared"), 1},
        {QStringLiteral("shared/ui"), 2},   {QStringLiteral("acquisition"), 2},
        {QStringLiteral("files"), 3},       {QStringLiteral("rackviews"), 4},
        {QStringLiteral("calibration"), 4}, {QStringLiteral("reports"), 4},
        {QStringLiteral("factory"), 4},     {QStringLiteral("views"), 5},
        {QStringLiteral("shell"), 6},       {QStringLiteral(""), 7}, // main.cpp
    };
    return v;
}

// The folder (library) a path below src/ belongs to: "shared/ui" stands apart from "shared", every
// other subfolder belongs to its top folder.
QString MapVan(const QString& pad) {
    const QStringList delen = pad.split(QLatin1Char('/'));
    if (delen.size() < 2) return QString();
    if (delen[0] == QLatin1String("shared") && delen.size() > 2 && delen[1] == QLatin1String("ui"))
        return QStringLiteral("shared/ui");
    return delen[0];
}

TEST(LagenTest, NoFileIncludesAFolderOnItsOwnFloorOrAbove) {
    const QDir src(QStringLiteral(K740_SRC));
    ASSERT_TRUE(src.exists());
    static const QRegularExpression insluiting(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"),
                                               QRegularExpression::MultilineOption);
    int bestanden = 0;
    QDirIterator it(src.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = src.relativeFilePath(it.next());
        const QString map = MapVan(pad);
        ASSERT_TRUE(Verdiepingen().count(map)) << "folder without a floor: " << map.toStdString();
        const int eigen = Verdiepingen().at(map);
        QFile f(src.filePath(pad));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString tekst = QString::fromUtf8(f.readAll());
        for (auto m = insluiting.globalMatch(tekst); m.hasNext();) {
            const QString doel = m.next().captured(1);
            if (!doel.contains(QLatin1Char('/'))) continue; // a header beside it (generated ones)
            const QString doelmap = MapVan(doel);
            if (doelmap == map) continue;
            ASSERT_TRUE(Verdiepingen().count(doelmap))
                << pad.toStdString() << " includes " << doel.toStdString();
            EXPECT_LT(Verdiepingen().at(doelmap), eigen)
                << pad.toStdString() << " includes " << doel.toStdString() << ", on its own floor or above";
        }
        ++bestanden;
    }
    EXPECT_GT(bestanden, 100);
}

} // namespace
