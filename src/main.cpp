// K740: logs on the racks of one serial line, polls their modules, shows, logs and calibrates.
#include "platform/Eindsignalen.h"
#include "shell/Beginstand.h"
#include "shell/Installatie.h"
#include "shell/mdiK740.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program starts from the start state every test starts from.
    ResetProgramma();
    QApplication::setApplicationName(QStringLiteral("K740"));
    QApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationVersion(QStringLiteral(K740_VERSION));

    QStringList argumenten = QApplication::arguments();
    argumenten.removeFirst();
    mdiK740 venster;
    const Installatie installatie(venster);

    // Logout, shutdown or kill: the program ends in order with no one to answer. Once the end point,
    // the stop line and the settings are written, a window that does not close in time does not keep
    // the process alive.
    platform::VangEindsignalen([&venster] {
        venster.BeeindigZonderGebruiker();
        QTimer::singleShot(5000, [] { std::_Exit(0); });
    });
    // The session ends while the user can still answer: the questions of the close box.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &venster,
                     [&venster](QSessionManager& sessie) {
                         if (!sessie.allowsInteraction()) {
                             venster.BeeindigZonderGebruiker();
                             return;
                         }
                         const bool gesloten = venster.SluitVoorSessie();
                         sessie.release();
                         if (!gesloten) sessie.cancel();
                     });

    venster.MDIForm_Load(argumenten);
    platform::LaatEindsignalenLos();
    return 0;
}
