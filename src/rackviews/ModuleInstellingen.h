#pragma once
// The rules of the module settings dialog that need no window: the unit, resolution, cell-type and
// range lists of each module model, the shared temperature input of a module, which buttons apply,
// the warnings before the settings are applied, and the dialog's own copy of a module's settings laid
// over the live record.
#include "acquisition/RackModel.h"

#include <QString>
#include <QStringList>
#include <array>

// The unit list of a measuring input: K761 "mV", "pH", "g/l (Ion)", "mg/l (DO)", "% (DO)", "°C"; K762
// "S/cm", "g/l (TDS)", "°C"; any other model none.
QStringList EenheidLijst(const QString& model);
// The unit list of a temperature channel (both models): "°C", "°F", "K".
QStringList TemperatuurEenheidLijst();
// A list text as the record stores it: every "(DO)", "(Ion)" and "(TDS)" removed (case-sensitive),
// then trimmed ("mg/l (DO)" gives "mg/l").
QString EenheidZonderToevoeging(const QString& tekst);
// The list index of a stored unit: model the name of a module model (see Modellen.h) or "°C" (a
// temperature channel). A unit the list does not hold, and any other model, give 0.
int IndexVanEenheid(const QString& eenheid, const QString& model);
// The stored index when it lies in 0..aantal - 1, else 1.
int GeldigeResolutie(int index, int aantal);

// The cell type of a K762 input: its Extra as the nearest whole number (halves to even), -2..1 for
// 0.01, 0.1, 1 and 10 cm-1; a value no 16-bit number holds gives 0.
int GekozenCelType(float extra);
// "0.01 cm-1", "0.1 cm-1", "1 cm-1", "10 cm-1": list index = cell type + 2.
QStringList CelTypeLijst();
// The four measuring ranges of a cell type: range r has the full scale 2 x 10^(r + t + 2) µS with four
// significant digits ("2.000 µS" .. "2000 mS"). Empty for a cell type outside -2..1.
QStringList BereikLijst(int celtype);
// The range index of a K762 input that the options dialog left without a choice (-1).
inline constexpr int16_t StandaardECBereik = 2;

// The salinity of an oxygen input typed as text: the locale-independent number, a negative one 0.
float SaliniteitVanTekst(const QString& tekst);
// Above this salinity (g/kg) the dialog warns; the value is kept.
inline constexpr float MaximaleSaliniteit = 40.0f;
// The air pressure in hPa that the oxygen options accept, limits included.
bool GeldigeLuchtdruk(float hPa);

// True when any of the 16 racks is registered.
bool IsErEenRackActief();
// Calibrate and GLP apply to input ki (1..4) of module (r, m): some rack is registered, this rack is
// registered with its Measure flag on, the module is present and the input is in use. On the
// temperature tab of input ki, calibration also needs the channel to measure its own temperature: not
// when another input of the module is shared and this one uses it.
bool KalibratieKnopAan(int r, int m, int ki, bool temperatuurTab);
// The same for rack r with `module` in the slot (the dialog's settings).
bool KalibratieKnopAan(int r, const ModuleRecord& module, int ki, bool temperatuurTab);
// The options of the module model apply to the unit text of the current tab (the list text, not the
// stored unit): K761 "mg/l (DO)" and "% (DO)"; K762 "S/cm" and "g/l (TDS)". The capacitance
// compensation only on those K762 units.
bool OptiesVoorEenheid(const QString& model, const QString& lijsttekst);
bool CapaciteitscompensatieVoorEenheid(const QString& model, const QString& lijsttekst);

// The calibration that the Calibrate button starts for a measuring input by its unit, or for a
// temperature channel.
enum class Kalibratiesoort { Geen, EenPunt, PH, Geleidbaarheid, Ion };
Kalibratiesoort KalibratieVoor(const QString& model, const QString& eenheid, bool temperatuurTab);

// The warning of input c before the settings are applied, from the module's record (as the dialog's
// settings and the calibration file make it, see MaakInstellingenbeeld): on a K762 input whose unit is not
// "°C" and whose cell type differs from the one of its last calibration, text 367 & text 368; else, on an
// input whose unit is neither "mV" nor "°C" that was never calibrated, text 368; otherwise "". An input
// not in use gets none.
QString OKWaarschuwing(const ModuleRecord& module, int c);

// At most one input of a module is its shared temperature: the lowest whose temperature channel is
// marked shared keeps the mark, the others lose it.
void HoudEenGedeeldeIngang(ModuleRecord& module);

// The fields of a module that the dialog edits: per input Set, Unit, Name, Sensor, Resolution and, on a
// K762 input or a K761 oxygen input ("mg/l", "%"), Extra; per temperature channel Set, Unit, Resolution,
// Shared, UseShared and ManualFollowsMeasurement. Copies them from `van` into `naar`; the measuring
// ranges of a K762 only with `metBereiken` (they reach the record once the module has taken them).
void NeemInstellingenOver(const ModuleRecord& van, ModuleRecord& naar, bool metBereiken);

// What the dialog shows of module (r, m): the live record with the settings of `instellingen` laid over
// it, with the calibration data that the module's calibration file holds for those units (the file is
// made when it is missing; without `metKalibratie` the live calibration data stay), and the manual
// temperatures as that file holds them. Racks and HandTemperaturen stay as they are.
struct Instellingenbeeld {
    ModuleRecord module;
    Handwaarden hand{};
};
Instellingenbeeld MaakInstellingenbeeld(int r, int m, const ModuleRecord& instellingen,
                                        bool metKalibratie = true);
