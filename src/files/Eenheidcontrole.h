#pragma once
// Brings the channel settings of a rack back into what its module models support (after a
// configuration file was read or the demonstration set-up ran), the display names of inputs and
// modules, and the load and store of a module's calibration file by its model.
#include "acquisition/Kalibratiebestand.h"

#include <QString>

// The whole check of rack r: a module of unknown kind ("----") is switched off; for every other
// position the five checks below run for each input.
void ControleerEenheden(int rack);
// Measuring unit: K761 "mV", "pH", "g/l", "mg/l", "%", "°C" (else "mV", input switched on); K762
// "S/cm", "g/l", "°C" (else "S/cm", input switched on).
void ControleerMeeteenheid(int rack, int module, int ingang);
// Temperature unit "°C", "°F" or "K", else "°C".
void ControleerTemperatuureenheid(int rack, int module, int ingang);
// Resolution of the measuring input by model and unit.
void ControleerMeetresolutie(int rack, int module, int ingang);
// Resolution 0 or 1 of the temperature channel, else 1.
void ControleerTemperatuurresolutie(int rack, int module, int ingang);
// Extra parameter of the measuring input by model and unit; the Extra of a K761 "mV" input lies in
// 0..40, else 0; the salinity of a K761 oxygen input ("mg/l", "%") is kept unless it is negative (0).
void ControleerExtra(int rack, int module, int ingang);

// "CH" & n for an empty name, else the name without blanks at either end.
QString KanaalNaam(int n, const QString& naam);
// "Module " & n for an empty name, else the name without blanks at either end.
QString ModuleNaam(int n, const QString& naam);

// In the forms with a module record, that record is the truth (its model, units and settings); rack and
// module name the slot whose calibration file is read or written.
// Load (or create) the calibration file of the module for input c, or all four inputs when c is 0,
// by the record's model, into the module record `record` (see LaadKalibratieK761); another model does
// nothing. Without a record: into the live record. With `hand` the manual temperatures go there instead
// of into HandTemperaturen.
void LaadModuleKalibratie(int rack, int module, int ingang, ModuleRecord& record, Handwaarden& hand);
void LaadModuleKalibratie(int rack, int module, int ingang, ModuleRecord& record);
void LaadModuleKalibratie(int rack, int module, int ingang);
// Store a calibration of the module's input by the model and the input's unit in the module record
// `module` (see BewaarKalibratieK761). False when nothing was stored: another model, or a file that
// could not be written (the user was told). Without a module record: by the live record.
bool BewaarModuleKalibratie(int rack, int module, int ingang, ModuleRecord& moduleRecord,
                            KalibratieRecord& record, bool temperatuur);
bool BewaarModuleKalibratie(int rack, int module, int ingang, KalibratieRecord& record, bool temperatuur);
