#include "acquisition/Beginstand.h"

#include "acquisition/Alarmuitgang.h"
#include "acquisition/Communicatie.h"
#include "acquisition/K761.h"
#include "acquisition/K762.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Systeemboom.h"
#include "acquisition/vensters/Tabelvenster.h"

void ResetAcquisitie() {
    ZetHoofdvenster(nullptr);
    ResetRackVensters();
    ResetTabelVensters();
    ResetGrafiekVensters();
    ResetSysteemboom();
    ResetKoppelingen();
    ResetVerbinding();
    ResetCommunicatie();
    ResetAlarmuitgang();
    ResetStabiliteit();
    ResetK761();
    ResetK762();
    ResetProgrammastatus();
    ResetRackModel();
}
