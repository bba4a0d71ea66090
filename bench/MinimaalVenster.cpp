// The reference of the start-up measurement (bench/opstarttijd.sh): the least a Qt Widgets program does
// to show a main window with a menu bar, a tool bar and a status bar, then wait for events. Not a
// benchmark of its own: it only starts, shows and waits until it is ended.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow venster;
    venster.setWindowTitle(QStringLiteral("Minimal window"));
    venster.menuBar()->addMenu(QStringLiteral("&File"));
    venster.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
    venster.statusBar()->showMessage(QStringLiteral("Ready"));
    venster.resize(800, 600);
    venster.show();
    return QApplication::exec();
}
