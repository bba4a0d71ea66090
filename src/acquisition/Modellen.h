#pragma once
// The module models K761 (mV, pH, ion concentration, dissolved oxygen) and K762 (conductivity, TDS) and
// what differs between them, in one table: the name that the module record, the files and the wire
// carry, the first digit of a module's identification, the units of a measuring input (with the text of
// the settings list, the quantity, the resolution limits, the calibration record kind), the unit of a
// new input, the conversion after a poll, the value and unit texts and the load and store of the
// calibration file. Code that differs per model asks the table, or tells the models apart by
// `Modeltype`, never by the name. A module of any other name (none present, "----" unknown) is the
// entry of no model: no units, empty texts, no conversion, no calibration.
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/RackModel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

enum class Modeltype { Geen, K761, K762 };

// A unit of a measuring input, or (eenheid nullptr) any other unit of the model.
struct Modeleenheid {
    const char* eenheid;    // as the record stores it ("mg/l")
    const char* lijsttekst; // as the settings list shows it ("mg/l (DO)")
    const char* grootheid;  // the measured quantity the rack window shows ("DO"); "" none
    // The resolution lies in 0..hoogsteResolutie, else it becomes andereResolutie; -1: not checked.
    int16_t hoogsteResolutie;
    int16_t andereResolutie;
    int kalibratiesoort;    // the record kind of its calibration in the file (1..n); 0 none
    bool opties;            // the model's options dialog applies (oxygen, conductivity)
    bool extraIsInstelling; // Extra is the user's setting (salinity, cell type), not a calibration value
};

struct Model {
    Modeltype type;
    const char* naam;  // "K761"; "----" for no model
    char idnoTeken;    // the first hexadecimal digit of a module's identification ('F')
    const char* soort; // the kind as the system tree shows it ("K761(mV/°C)")
    std::span<const Modeleenheid> eenheden;
    Modeleenheid andereEenheid;
    const char* standaardEenheid; // the unit of a new input and of one whose unit the model lacks
    int16_t standaardResolutie;
    // The Resolution of a measuring input is its measuring range: the module reports it in its status
    // reply (StatusDatabytesK762) and keeps it, the options dialog chooses it.
    bool heeftBereiken;
    bool capaciteitscompensatie; // the options offer the capacitance compensation
    int kalibratieSoorten;       // record kinds per input in the calibration file; the last: temperature
    void (*verwerk)(int r, int m);
    QString (*waardeTekst)(int r, int m, int c);
    QString (*eenheidTekst)(int r, int m, int c);
    // See LaadKalibratieK761 and BewaarKalibratieK761 in Kalibratiebestand.h.
    bool (*laadKalibratie)(int r, int m, int c, ModuleRecord& module, Handwaarden& hand);
    bool (*bewaarKalibratie)(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record,
                             bool temperatuur);

    bool Bekend() const { return type != Modeltype::Geen; }
    QString Naam() const { return QString::fromLatin1(naam); }
    // The entry of a stored unit (compared as it stands); andereEenheid when the model lacks it.
    const Modeleenheid& Eenheid(const QString& eenheid) const;
    bool HeeftEenheid(const QString& eenheid) const;
    // The units as the record stores them, and as the settings list shows them, in list order.
    QStringList Eenheden() const;
    QStringList Lijstteksten() const;
    // The entry of a settings list text; andereEenheid for a text the list lacks.
    const Modeleenheid& EenheidVanLijsttekst(const QString& lijsttekst) const;
};

// The model of a module record by its name, blanks at either end left out.
const Model& ModelVan(const ModuleRecord& module);
// The same for module m of rack r; no model outside 1..16, 1..7.
const Model& ModelVan(int r, int m);
// The model of a name as it stands ("K761").
const Model& ModelMetNaam(const QString& naam);
const Model& ModelMetType(Modeltype type);
// The model of an identification number by its first digit.
const Model& ModelVanIdno(int32_t idno);
