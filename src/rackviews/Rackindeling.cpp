#include "rackviews/Rackindeling.h"

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
