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

void ZetKindvensterbeheer(Kindvensterbeheer* nieuw) {
    beheer = nieuw;
}

void NeemKindvensterOp(std::unique_ptr<QWidget> venster) {
    if (!venster) return;
    if (beheer) {
        beheer->NeemOp(std::move(venster));
        return;
    }
    auto& lijst = losseVensters();
    std::erase_if(lijst, [](const QPointer<QWidget>& w) { return w.isNull(); });
    lijst.emplace_back(venster.release());
}

void ToonKindvenster(QWidget* venster) {
    if (!venster) return;
    if (beheer)
        beheer->Toon(venster);
    else
        venster->show();
}

QWidget* Kindvensterkader(QWidget* venster) {
    if (!venster) return nullptr;
    if (auto* kader = qobject_cast<QMdiSubWindow*>(venster->parentWidget())) return kader;
    return venster;
}

void ResetKindvensters() {
    beheer = nullptr;
    auto& lijst = losseVensters();
    for (QPointer<QWidget>& w : lijst)
        delete w.data();
    lijst.clear();
}
