#pragma once
// The module models K761 (mV, pH, ion concentration, dissolved oxygen) and K762 (conductivity, TDS) and
// what differs between them, in one table: the name that the module record, the files and the wire
// carry, the first digit of a module's identification, the units of a measuring input (with what each
// measures, the text of the settings list, the quantity, the resolution limits, the rule for its Extra,
// the calibration record kind), the unit of a
// new input, the conversion after a poll, the value and unit texts and the load and store of the
// calibration file. Code that differs per model asks the table, or tells the models apart by
// `Modeltype`, never by the name; code that differs per unit asks the unit's `Eenheidsoort`, never its
// text (the texts are what the files, the wire and the screen carry). A module of any other name (none
// present, "----" unknown) is the entry of no model: no units, empty texts, no conversion, no
// calibration.
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/RackModel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

enum class Modeltype { Geen, K761, K762 };

// What a unit of a measuring input measures: how the program tells the units apart.
enum class Eenheidsoort {
    Anders,          // a unit the model lacks, or any unit of a module of no model
    Millivolt,       // K761 "mV": the potential (ORP)
    PH,              // K761 "pH"
    Ion,             // K761 "g/l": an ion concentration
    ZuurstofMgL,     // K761 "mg/l": dissolved oxygen
    ZuurstofProcent, // K761 "%": oxygen saturation
    Geleidbaarheid,  // K762 "S/cm": conductivity
    TDS,             // K762 "g/l": total dissolved solids
    Temperatuur,     // "°C" of either model: the input shows its temperature
};

constexpr bool IsZuurstof(Eenheidsoort s) {
    return s == Eenheidsoort::ZuurstofMgL || s == Eenheidsoort::ZuurstofProcent;
}

// What the unit check makes of the Extra of a measuring input (ControleerExtra).
enum class Extraregel {
    Vrij,         // left as it is
    Tot40,        // 0..40, else 0
    NietNegatief, // the salinity of an oxygen input: 0 when negative (or no number)
    IonBlanco,    // the ion blank as log concentration: -12..0 (below -12: -12; else 0)
    Celtype,      // the cell type of a conductivity input: its whole part -2..1, else 0
};

// What a graph plots for a measuring input (Grafiekomzetting).
enum class Grafieksoort { Getal, Ion, Geleidbaarheid };

// A unit of a measuring input, or (eenheid nullptr) any other unit of the model.
struct Modeleenheid {
    Eenheidsoort soort;
    const char* eenheid;    // as the record stores it ("mg/l")
    const char* lijsttekst; // as the settings list shows it ("mg/l (DO)")
    const char* grootheid;  // the measured quantity the rack window shows ("DO"); "" none
    // The resolution lies in 0..hoogsteResolutie, else it becomes andereResolutie; -1: not checked.
    int16_t hoogsteResolutie;
    int16_t andereResolutie;
    int kalibratiesoort;    // the record kind of its calibration in the file (1..n); 0 none
    bool opties;            // the model's options dialog applies (oxygen, conductivity)
    bool extraIsInstelling; // Extra is the user's setting (salinity, cell type), not a calibration value
    Extraregel extra;
    Grafieksoort grafiek;
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
    // The unit whose calibrations the GLP history of a measuring input shows whatever unit the input has
    // (K762: its conductivity, the one calibration of its inputs besides the temperature); Anders: those of
    // the input's own unit.
    Eenheidsoort glpSoort;
    void (*verwerk)(int r, int m);
    QString (*waardeTekst)(int r, int m, int c);
    QString (*eenheidTekst)(int r, int m, int c);
    // See LaadKalibratieK761 and BewaarKalibratieK761 in Kalibratiebestand.h. r and m name the slot, and
    // so the calibration file; the units, settings and values are those of `module` (the live record or
    // a dialog's copy), never read from Racks[r].Modules[m].
    bool (*laadKalibratie)(int r, int m, int c, ModuleRecord& module, Handwaarden& hand);
    bool (*bewaarKalibratie)(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record,
                             bool temperatuur);

    bool Bekend() const { return type != Modeltype::Geen; }
    QString Naam() const { return QString::fromLatin1(naam); }
    // The entry of a stored unit (compared as it stands); andereEenheid when the model lacks it.
    const Modeleenheid& Eenheid(const QString& eenheid) const;
    bool HeeftEenheid(const QString& eenheid) const;
    // What a stored unit measures (compared as it stands); Anders when the model lacks it.
    Eenheidsoort Soort(const QString& eenheid) const { return Eenheid(eenheid).soort; }
    // The entry of a kind of unit; andereEenheid when the model has none of it.
    const Modeleenheid& MetSoort(Eenheidsoort soort) const;
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

// The unit of measuring input c (1..4) of a module record by its model and its unit, blanks at either end
// left out; the model's andereEenheid outside 1..4.
const Modeleenheid& EenheidVan(const ModuleRecord& module, int c);
Eenheidsoort EenheidsoortVan(const ModuleRecord& module, int c);

// What a unit text measures for code that shows or reads a unit whatever the module's model (a graph's
// value texts, the settings and report texts): the model's own unit when it has it; else the kind the
// models that have the text give it ("S/cm" on a module of no model is a conductivity), Anders for a
// text no model has or one of two kinds ("g/l": an ion concentration or TDS).
Eenheidsoort SoortVanTekst(const Model& model, const QString& eenheid);
Eenheidsoort SoortVanTekst(const ModuleRecord& module, int c);

// The units of a temperature channel, in list order: "°C", "°F", "K".
QStringList Temperatuureenheden();
bool IsTemperatuureenheid(const QString& eenheid);

// "K740(Rack)", the kind of a module model ("K761(mV/°C)") or "Indeterminated", from the first character
// of the dotted identification.
QString SoortUitIdno(int32_t idno);
// The name of the module model at that position ("K761"), or "----" for no model.
QString ModuleTypeUitIdno(int rack, int module);
QString ModuleTypeVanIdno(int32_t idno);
