#include "views/Beginstand.h"

#include "views/Grafiekvensters.h"
#include "views/frmGrafiekInstellen.h"
#include "views/frmTabel.h"

void ResetWeergaven() {
    ResetFrmTabel();
    ResetGrafiekInstellen();
    ResetGrafiekvensters();
}
