#include "shared/ui/Kindvensters.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace {
Kindvensterbeheer* beheer = nullptr;
// Child windows taken in while no main window was registered; a window deleted on closing drops out.
std::vector<QPointer<QWidget>>& losseVensters() {
    static std::vector<QPointer<QWidget>> lijst;
    return lijst;
}
} // namespace

void Kindvensterbeheer::NeemOp(std::unique_ptr<QWidget> venster) {
    auto& lijst = losseVensters();
    std::erase_if(lijst, [](const QPointer<QWidget>& w) { return w.isNull(); });
    lijst.emplace_back(venster.release());
}

void Kindvensterbeheer::Toon(QWidget* venster) {
    venster->show();
}

void ZetKindvensterbeheer(Kindvensterbeheer* nieuw) {
    beheer = nieuw;
}
Kindvensterbeheer& kindvensterbeheer() {
    static Kindvensterbeheer geen;
    return beheer ? *beheer : geen;
}

void NeemKindvensterOp(std::unique_ptr<QWidget> venster) {
    if (venster) kindvensterbeheer().NeemOp(std::move(venster));
}

void ToonKindvenster(QWidget* venster) {
    if (venster) kindvensterbeheer().Toon(venster);
}

QWidget* Kindvensterkader(QWidget* venster) {
    if (!venster) return nullptr;
    if (auto* kader = qobject_cast<QMdiSubWindow*>(venster->parentWidget())) return kader;
    return venster;
}

void ZetKindvensterStatus(QWidget* kader, int status) {
    if (!kader) return;
    const Qt::WindowStates gewenst = status == 1   ? Qt::WindowMinimized
                                     : status == 2 ? Qt::WindowMaximized
                                                   : Qt::WindowNoState;
    const Qt::WindowStates nu = kader->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized);
    if (nu == gewenst) return;
    kader->setWindowState((kader->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | gewenst);
}

void ResetKindvensters() {
    beheer = nullptr;
    auto& lijst = losseVensters();
    for (QPointer<QWidget>& w : lijst)
        delete w.data();
    lijst.clear();
}
