// K740: logs on the racks of one serial line, polls their modules, shows, logs and calibrates.
#include "shell/Beginstand.h"
#include "shell/Installatie.h"
#include "shell/mdiK740.h"

#include <QApplication>

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
    venster.MDIForm_Load(argumenten);
    return 0;
}
