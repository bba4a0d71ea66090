#include "shell/Grafiekdiensten.h"

#include "files/Grafiekconfiguratie.h"
#include "shell/Vensterhaken.h"
#include "shell/mdiK740.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"

void InstalleerGrafiekvensters() {
    Haken.GrafiekVenster = [](int g) -> QWidget* {
        frmGrafiek* venster = GrafiekWidget(g);
        return venster && venster->GrafiekIndex() == g ? venster : nullptr;
    };
    Haken.SchrijfGrafiekInstellingen = [](int g, QWidget* venster) {
        if (auto* grafiek = qobject_cast<frmGrafiek*>(venster)) SchrijfGrafiekInstellingen(g, *grafiek);
    };
    Haken.HerinitialiseerGrafieken = [] { HerinitialiseerGrafieken(); };
    ZetGrafiekSluitActie([](int g) {
        mdiK740* hoofd = HoofdvensterK740();
        if (hoofd && hoofd->KopieerSetGraph && hoofd->Rs == g) hoofd->KopieerSetGraph = false;
    });
}
