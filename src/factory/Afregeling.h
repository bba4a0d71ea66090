#pragma once
// The adjustment records of the factory: one record per module serial number in the shared file
// "DataK740.fcd" in AfregelMap, found through the record number that the production database keeps
// for the serial. The factory adjustment dialogs check what is stored for a serial, write the new
// record after a module was programmed, and show a stored record as a short certificate.
#include "factory/AfregelingRecord.h"

#include <QString>
#include <cstdint>

class QLabel;

// The record being written: the dialogs fill it, BewaarAfregeling completes and stores it.
extern AfregelingRecord AfregelRecord;
// The stored record of the serial of the last check; empty after a check that found no valid record.
extern AfregelingRecord VorigeAfregeling;
// The serial number typed in the factory dialog.
extern int32_t AfregelSerienummer;
// The descriptor of the open file (-1 when it is closed).
extern int AfregelBestandNummer;
// The record number (from 1) of the current serial's record.
extern int32_t AfregelRecordNummer;
extern bool AfregelBestandOpen;
// The folder of the file, ending in "/" (set by the factory switches of the command line).
extern QString AfregelMap;

// AfregelMap & "DataK740.fcd".
QString AfregelBestandPad();

// Opens the file (creating it when missing), shared with other processes; a message when it cannot be
// opened (also when AfregelMap is not set). Nothing happens when it is open already.
void OpenAfregelBestand();
void SluitAfregelBestand();

// What is stored for the serial of the module at rack, module (1-based positions in Racks):
// "" when there is no valid record (no production row of the module's type, no record number or one
// past the end of the file, a date outside 1 Jan 2000 .. 1 Jan 2200); else the record's date as short
// date, or "2" when the stored record belongs to another serial or type or (unless
// zonderIdControle) to another identification code, and the operator cancelled the message about it.
// The production rows around the serial are loaded afresh first. When reading fails the operator can
// retry or cancel ("2"). Leaves the file open or closed as it was.
QString ControleerAfregeling(int32_t serie, int rack, int module, bool zonderIdControle);
// Completes AfregelRecord (serial AfregelSerienummer, the module's type, identification code and
// software version, the operator, now, and one more adjustment when `gewijzigd`) and stores it: over
// the serial's stored record, or appended to the file and linked to the serial's production row. A
// mismatch that the operator cancelled writes nothing. A failing step (a lock held elsewhere, a write
// error, no production row to link) can be retried; Cancel ends the save, keeping what was written.
// True when the record was written.
bool BewaarAfregeling(int32_t serie, int rack, int module, bool gewijzigd);

// The certificate of a record: the texts and the values, eight lines each, each ended by CR LF.
struct AfregelRapport {
    QString Teksten;
    QString Waarden;
};
AfregelRapport MaakAfregelRapport(const AfregelingRecord& record);
// Shows the certificate in two labels.
void AfregelRapportTekst(QLabel& teksten, QLabel& waarden, const AfregelingRecord& record);

void ResetAfregeling();
