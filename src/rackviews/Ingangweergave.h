#pragma once
// What one tab of the module settings dialog shows for an input and its temperature channel, worked
// out from a module record and its manual temperatures alone: every caption, list, text, colour, visibility
// and enabled state, by module model and unit, with the state of the shared-temperature boxes. The dialog
// only applies it.
#include "acquisition/RackModel.h"

#include <QString>
#include <QStringList>

// A label, frame or text box.
struct Labelstaat {
    QString tekst;
    bool zichtbaar = true;
    bool ingeschakeld = true;
    bool rood = false; // the warning colour, else the normal text colour
};

// A list: its entries and the one chosen (-1 none); `tekst` is what an editable list shows.
struct Lijststaat {
    QStringList items;
    int gekozen = -1;
    QString tekst;
    bool zichtbaar = true;
    bool ingeschakeld = true;
};

struct Vinkstaat {
    QString tekst;
    bool aangevinkt = false;
    bool ingeschakeld = true;
};

// One half of a tab: the measuring input (control element tab) or its temperature channel (element
// tab + 4).
struct Elementweergave {
    Labelstaat LabelEenheid, LabelResolutie;
    Lijststaat ComboEenheid, ComboResolutie;
    Labelstaat FrameCalibrationData; // caption, shown, red
    Labelstaat LabelGeijktOp, LabelDatum, LabelGeijktBij, LabelBuffers;
    Labelstaat LabelOffset, LabelOffsetData, LabelSlope, LabelSlopeData, LabelExtra, LabelExtraData;
    Labelstaat LabelInfo; // the status text, red
};

struct Ingangweergave {
    Vinkstaat CheckIngesteld;
    Labelstaat LabelNaam, TextNaam;
    Labelstaat LabelSensor, TextSensor;
    Labelstaat LabelSalinity;
    Lijststaat ComboExtra; // salinity (K761 oxygen, editable) or cell type (K762)
    Elementweergave meting;
    Elementweergave temperatuur;
    Vinkstaat CheckSharedMeasurement, CheckUseSharedMeasurement, CheckManualFollowMeasurement;
};

// The tab of input tab + 1 (tab 0..3) of the module record `module` with the manual temperatures `hand`,
// from the text table; the record must already hold the calibration data of the module's calibration
// file for its units (see MaakInstellingenbeeld).
//
// Rules, by the input's record:
// - Not calibrated (date 0) with a unit other than "mV" and "°C": the frame reads "Calibration
//   required!" and the date "Not calibrated!", both red; else the date or "Not calibrated!" in the
//   normal colour.
// - K762: the type of cell and the range of the cell type (Extra to the nearest whole number) are
//   shown but chosen in the options dialog; the cell constant is the calibration's factor in the decade
//   of the calibration's cell type, " cm-1" appended; a cell type other than the calibration's turns
//   the frame, the type of cell and the cell constant red. An Extra outside -2..1 selects no cell type
//   and leaves the range list empty. Unit "°C": no calibration frame and no type of cell.
// - K761 by unit: "pH" resolution 0.1/0.01/0.001, ISO-pH and slope in %; "g/l" the ion list, zero
//   point, slope in mV/decade and the blank potential; "mg/l" and "%" their two resolutions, the
//   potential and the salinity (editable, "0.0"); "°C" no resolution and no calibration frame; "mV"
//   resolution 1/0.1 and the offset in mV. A stored resolution outside the list selects entry 1.
// - Status: a temperature beyond its limits tells it on both halves; else an input over or under its
//   range (unit not "°C") tells it on the measuring half.
// - An input not in use: its lists greyed, its type of cell or salinity, calibration frames and status
//   texts hidden, its sensor greyed.
// - Temperature half (input in use): unit °C/°F/K, resolution 1/0.1, the offset and the manual
//   temperature in the channel's unit ("77.0°F"), the calibration date and text.
// - Shared temperature: the box that offers this channel to the module is ticked and enabled on the
//   shared input, unticked and greyed on the others while one is shared, unticked and enabled while
//   none is; the box that takes the shared temperature is enabled only on the inputs that are not the
//   shared one while one is shared, and ticked from the channel's flag. An input that takes the shared
//   temperature has every temperature control greyed, its lists included, and the manual-follow box
//   greyed.
Ingangweergave BerekenIngangweergave(const ModuleRecord& module, const Handwaarden& hand, int tab);
