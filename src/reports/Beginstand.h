#pragma once
// The start state of the print engine: the report window and the print dialog closed, the print
// dialog's sources and dispatcher forgotten, the printer list and the current printer the system's, the
// page model and the print settings at their defaults.
void ResetRapporten();
