#pragma once
// The print engine's program-wide state in one reset: the print settings, the page model, the printer
// list and the current printer, the print dialog with its sources and dispatcher, the report window.
void ResetAfdrukken();
