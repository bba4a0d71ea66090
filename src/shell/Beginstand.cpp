#include "shell/Beginstand.h"

#include "acquisition/Beginstand.h"
#include "factory/Beginstand.h"
#include "files/Beginstand.h"
#include "platform/Beginstand.h"
#include "rackviews/Beginstand.h"
#include "reports/Beginstand.h"
#include "shared/Beginstand.h"
#include "shared/ui/Beginstand.h"
#include "shell/Opdrachtregel.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/Systeeminfo.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/Beginstand.h"

void ResetShell() {
    SluitSysteeminfo();
    ResetInstellen();
    ResetTerminal();
    ResetMdiK740();
    ResetOpdrachtregel();
    ResetPoorten();
    ResetProgrammainstellingen();
}

void ResetProgramma() {
    ResetShell();
    ResetRapporten();
    ResetFabriek();
    ResetWeergaven();
    ResetRackweergaven();
    ResetBestanden();
    ResetAcquisitie();
    ResetGedeeldeVensters();
    ResetGedeeld();
    platform::ResetPlatform();
}
