#include "views/Beginstand.h"

#include "views/Grafiekvensters.h"
#include "views/frmTabel.h"

void ResetWeergaven() {
    ResetFrmTabel();
    ResetGrafiekvensters();
}
