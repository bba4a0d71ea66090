#include "rackviews/Rackindeling.h"

#include <algorithm>

RackIndeling BerekenRackIndeling(int r) {
    RackIndeling indeling;
    if (r < 1 || r > AantalRacks) return indeling;
    int x = 0;
    for (int m = 1; m <= AantalModules; ++m) {
        if (!Racks[r].Modules[m].Present) continue;
        indeling.zichtbaar[m - 1] = true;
        indeling.links[m - 1] = x;
        x += Paneelontwerp::Breedte;
    }
    indeling.breedte = x + KaderBreedte;
    return indeling;
}

ModuleKanaal KeuzeVanLabel(RackLabel label, int i) {
    const int kanaal = i % AantalIngangen + 1;
    return {i / AantalIngangen + 1, label == RackLabel::Graden ? kanaal + AantalIngangen : kanaal};
}

ModuleKanaal KeuzeVanPaneel(int i) {
    return {i + 1, 1};
}

QPoint VrijePlaats(QPoint voorkeur, QSize maat, const QList<QRect>& andere, QSize gebied, int trede) {
    const auto past = [&](QPoint p) {
        if (p.x() < 0 || p.y() < 0) return false;
        if (p.x() > 0 && p.x() + maat.width() > gebied.width()) return false;
        if (p.y() > 0 && p.y() + maat.height() > gebied.height()) return false;
        const QRect plek(p, maat);
        return std::none_of(andere.begin(), andere.end(), [&](const QRect& r) { return r.intersects(plek); });
    };
    if (past(voorkeur)) return voorkeur;
    QList<QPoint> plekken{QPoint(0, 0)};
    for (const QRect& r : andere)
        plekken << QPoint(r.right() + 1, r.top()) << QPoint(r.left(), r.bottom() + 1)
                << QPoint(0, r.bottom() + 1);
    std::sort(plekken.begin(), plekken.end(),
              [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    for (QPoint p : plekken)
        if (past(p)) return p;
    QPoint laatste(0, 0);
    for (const QRect& r : andere)
        if (r.top() > laatste.y() || (r.top() == laatste.y() && r.left() > laatste.x()))
            laatste = r.topLeft();
    return laatste + QPoint(trede, trede);
}
