#include "views/Grafiekvensters.h"

#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/Kindvensters.h"
#include "views/frmGrafiek.h"

#include <cmath>

namespace {
GrafiekvensterOmgeving* omgeving = nullptr;
} // namespace

void ZetGrafiekvensterOmgeving(GrafiekvensterOmgeving* nieuw) {
    omgeving = nieuw;
}

GrafiekvensterOmgeving& grafiekvensterOmgeving() {
    static GrafiekvensterOmgeving geen;
    return omgeving ? *omgeving : geen;
}

frmGrafiek* GrafiekWidget(int g) {
    return dynamic_cast<frmGrafiek*>(GrafiekVenster(g));
}

int AantalOpenGrafieken() {
    int n = 0;
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (GrafiekVenster(g) && GrafiekVenster(g)->GrafiekIndex() == g) ++n;
    return n;
}

frmGrafiek* MaakGrafiekVenster(int g, bool recorder, bool nieuw) {
    if (g < 1 || g > AantalGrafieken) return nullptr;
    frmGrafiek* venster = GrafiekWidget(g);
    if (!venster) {
        auto nieuwVenster = std::make_unique<frmGrafiek>();
        nieuwVenster->setAttribute(Qt::WA_DeleteOnClose);
        venster = nieuwVenster.get();
        NeemKindvensterOp(std::move(nieuwVenster));
        ZetGrafiekVenster(g, venster);
    }
    venster->ZetGrafiekIndex(static_cast<int16_t>(g));
    venster->XYrecorder() = recorder;
    venster->NieuweGrafiek() = nieuw;
    ToonKindvenster(venster);
    venster->Laad();
    return venster;
}

void HerstelGrafieken() {
    const QString sectie = QStringLiteral("Graph");
    for (int g = 1; g <= AantalGrafieken; ++g) {
        const QString waarde =
            LeesInstelling(AppNaam, sectie, QStringLiteral("Index%1").arg(g), QStringLiteral("-1"));
        if (std::lround(Val(waarde)) != g) continue;
        MaakGrafiekVenster(g, false, false);
    }
}

void VernieuwGrafieken() {
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (frmGrafiek* v = GrafiekWidget(g); v && v->GrafiekIndex() == g) v->LadenGrafiek();
}

void HerinitialiseerGrafieken() {
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (frmGrafiek* v = GrafiekWidget(g); v && v->GrafiekIndex() == g) v->ReInitGrafiekData();
}

int16_t VensterNummer(const QString& tag) {
    const QString soort = tag.left(5).toLower();
    QString rest = tag;
    if (soort == QLatin1String("metin"))
        rest.remove(QStringLiteral("meting"));
    else if (soort == QLatin1String("grafi"))
        rest.remove(QStringLiteral("grafiek"));
    else if (soort == QLatin1String("tabel"))
        rest.remove(QStringLiteral("tabel"));
    else
        return 0;
    if (rest.isEmpty() || !rest.at(0).isDigit()) return 0;
    return static_cast<int16_t>(std::lround(Val(rest)));
}

void ResetGrafiekvensters() {
    ZetGrafiekvensterOmgeving(nullptr);
}
