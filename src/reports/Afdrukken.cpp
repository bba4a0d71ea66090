#include "reports/Afdrukken.h"

#include "reports/Printerinstellingen.h"
#include "reports/Printerkode.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"

void ResetAfdrukken() {
    ResetformPrint();
    ResetPrinters();
    ResetPrinterkode();
    ResetPrinterinstellingen();
}
