#include "reports/Beginstand.h"

#include "reports/Afdrukverdeling.h"
#include "reports/FormGLP.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printerkode.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"

void ResetRapporten() {
    ResetFormGLP();
    ResetformPrint();
    ResetVensterafdruk();
    ResetPrinters();
    ResetPrinterkode();
    ResetPrinterinstellingen();
}
