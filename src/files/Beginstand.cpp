#include "files/Beginstand.h"

#include "files/Configuratietekst.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"

void ResetBestanden() {
    ResetOpslaan();
    ResetMeetbestand();
    ResetRackConfiguratie();
    ResetLogboek();
    ResetLogbestanden();
    ResetCsvVelden();
    ResetTijdbasis();
}
