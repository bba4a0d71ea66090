// Test program entry: a QApplication on the offscreen platform, a fixed locale, so that date and
// number formats are the same on every machine, and the program's start state.
#include "shell/Beginstand.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    ResetProgramma();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
