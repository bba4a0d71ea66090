#pragma once
// The calibration file of a module slot (".cal"): fixed 52-byte records, per input one record per kind
// of calibration, each in five generations (0 the newest .. 4 the oldest). Records are written field
// by field, little-endian. Also the names of a rack's files, which follow the rack's identification.
#include "acquisition/RackModel.h"
#include "platform/Datum.h"

#include <QByteArray>
#include <QString>

// One calibration: the moment and eleven single-precision values. What each value holds depends on the
// kind of record (see the field comments).
struct KalibratieRecord {
    platform::Datum Tijdstip = 0; // offset 0: moment of the calibration; 0 = never calibrated
    float Nulpunt = 0;            // 8: mV offset, pH zero point, ion zero offset E, temperature offset °C
    float Helling = 0;            // 12: slope fraction, mV per decade, oxygen scale, cell-constant factor
    float Blanco = 0;       // 16: ion blank reading in mV; conductivity: the cell type of the calibration
    float Standaard1 = 0;   // 20: value of standard 1; temperature record: the reference temperature
    float Standaard2 = 0;   // 24: value of standard 2; oxygen record: the air pressure in hPa
    float MilliVolt1 = 0;   // 28: mV measured at standard 1
    float MilliVolt2 = 0;   // 32: mV at standard 2; conductivity record: the input's zero value
    float Temperatuur1 = 0; // 36: temperature at standard 1, °C
    float Temperatuur2 = 0; // 40: temperature at standard 2; temperature record: the manual temperature
    float Duur1 = 0;        // 44: time taken at standard 1, seconds
    float Duur2 = 0;        // 48: time taken at standard 2, seconds
};

inline constexpr int KalibratieRecordLengte = 52;
inline constexpr int AantalGeneraties = 5;
// Kinds of record per input.
inline constexpr int SoortenK761 = 5; // 1 mV, 2 pH, 3 oxygen, 4 ion, 5 temperature
inline constexpr int SoortenK762 = 2; // 1 conductivity, 2 temperature

// Folder & "/Rack" & the rack's identification with "-" for "." & suffix ("Rack1-F-F-F.rcf"). A doubled
// "/" from the second character on becomes one; the first character never changes (a leading "//"
// stays). "" for a rack number outside 1..16.
QString RackBestandsnaam(int rack, const QString& map, const QString& achtervoegsel);
// The same stem & "-M" & the module number & suffix ("Rack1-F-F-F-M3.cal").
QString KalibratieBestandsnaam(int rack, int module, const QString& map, const QString& achtervoegsel);

// Record number (from 1) of generation g (0..4), input c (1..4) and kind k (1..n) in a file of n kinds.
int KalibratieRecordNummer(int generatie, int ingang, int soort, int soorten);
QByteArray KalibratieRecordNaarBytes(const KalibratieRecord& record);
// Record `nummer` of a file's contents. Bytes beyond the end read as zeros; a field that holds no
// finite number, and a moment outside the years 100..9999, reads as 0.
KalibratieRecord LeesKalibratieRecord(const QByteArray& inhoud, int nummer);
// Puts record `nummer` into a file's contents, extending it with zeros where it is shorter.
void SchrijfKalibratieRecord(QByteArray& inhoud, int nummer, const KalibratieRecord& record);

// Every load and store works on the module record it is given: the live one in Racks, or a copy that
// an open settings dialog edits (the units, settings and calibration data of that copy, not the live
// ones, then choose the records and take the values). The file is the one of slot m of rack r. The forms
// without a record work on the live record Racks[r].Modules[m].
//
// Loads the calibration file of module (r, m) into the module record's channels: input c (1..4) or all
// four (c = 0); the manual temperatures go into `hand`, or without it into HandTemperaturen. A missing
// file is created with the defaults. False when the file could not be read or created (the channels
// then keep what they held, or the defaults when it was being created). Every stored constant passes
// its validity function: a value outside its limits (a damaged or hand-made file) loads as the neutral
// value, the manual temperature outside -30..130 °C as 25 °C.
bool LaadKalibratieK761(int r, int m, int c, ModuleRecord& module, Handwaarden& hand);
bool LaadKalibratieK762(int r, int m, int c, ModuleRecord& module, Handwaarden& hand);
bool LaadKalibratieK761(int r, int m, int c, ModuleRecord& module);
bool LaadKalibratieK762(int r, int m, int c, ModuleRecord& module);
bool LaadKalibratieK761(int r, int m, int c);
bool LaadKalibratieK762(int r, int m, int c);
// Stores `record` as the new generation 0 of input c's record of the kind the unit of input c in
// `module` selects (the unit is written back trimmed; with `temperatuur` the temperature record, whose
// field Temperatuur2 is first set to the input's manual temperature); the older generations move up one
// and the oldest is dropped. False, with a message, when the file could not be read or written; nothing
// is stored for a unit without a record.
bool BewaarKalibratieK761(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record,
                          bool temperatuur);
bool BewaarKalibratieK762(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record,
                          bool temperatuur);
bool BewaarKalibratieK761(int r, int m, int c, KalibratieRecord& record, bool temperatuur);
bool BewaarKalibratieK762(int r, int m, int c, KalibratieRecord& record, bool temperatuur);
// Writes the manual temperature of input c into its temperature record (generation 0), for either model
// (the model of `module`).
bool BewaarHandTemperatuurK761(int r, int m, int c, const ModuleRecord& module);
bool BewaarHandTemperatuurK761(int r, int m, int c);
// Writes the conductivity zero value (the Extra of the temperature channel of input c in `module`) of a
// K762 into its conductivity record (generation 0); only when the file exists.
bool BewaarHandTemperatuurK762(int r, int m, int c, const ModuleRecord& module);
bool BewaarHandTemperatuurK762(int r, int m, int c);
// The channel defaults that go with a new file. The Extra of an input is reset only where the file
// holds it (ion blank, conductivity zero value); salinity and cell type are the user's settings.
void StandaardKalibratieK761(ModuleRecord& module);
void StandaardKalibratieK762(ModuleRecord& module);
void StandaardKalibratieK761(int r, int m);
void StandaardKalibratieK762(int r, int m);
