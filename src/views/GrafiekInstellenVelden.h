#pragma once
// What the graph settings dialog and its curve input picker compute without a widget: the readers of
// the typed fields with their silent corrections, the recorder interval as "hh:mm:ss", the texts of
// the curve grid and of the picker's lists, the coupling of the two alarm up-downs, and the copy of a
// graph window's settings that the dialog edits.
#include "acquisition/vensters/Grafiekvenster.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// A number as typed, "," or "." as decimal sign, without limits; text without a number reads as 0.
double LeesGetal(const QString& tekst);
// A count of divisions: every "." removed (so "1.5" reads as 15), then held to 1..20; text without a
// number gives 1.
int16_t ControleerGeheelGetal(const QString& tekst);
// The number of visible points: every "." removed ("1.000" reads as 1000), then held to 50..30000.
int16_t ControleerGetal(const QString& tekst);

// The recorder interval text "hh:mm:ss" (with the locale's time separator `scheiding`; a prompt
// character "_" counts as 0) in whole seconds; nothing when it is no time of day: another shape, hours
// above 23, minutes or seconds above 59.
std::optional<int32_t> LeesTussentijd(const QString& tekst, const QString& scheiding);
// Wraps an interval into 1..3600 s: below 1 gives 3600, above 3600 gives 1.
int32_t BegrensTussentijd(int32_t seconden);
// An interval as the time of day "hh:mm:ss"; a day or more shows as 00:00:00.
QString TussentijdTekst(int32_t seconden, const QString& scheiding);

// The description of a curve in the curve grid from the live rack model: input code 1..4 gives
// "Rack 1, Module2, Input3 (pH)", code 5..8 the temperature "Rack 1, Module2, °C3 (°C)" with the
// temperature channel's unit. Empty when rack, module or code is 0 or out of range.
QString CurveOmschrijving(int rack, int module, int code);

// The items of the picker's lists: "Rack1: (Line A)", "Module3: (pH module)", and for input codes
// 1..8 "Input2: (pH, Tank B)" or "Temperature2: (°C, Tank B)" (the measuring input's name also on
// its temperature). Out of range: empty.
QString RackItemTekst(int rack);
QString ModuleItemTekst(int rack, int module);
QString IngangItemTekst(int rack, int module, int code);

// Ranges of the two alarm up-downs, coupled so that the low alarm's range stays below the high alarm's
// value. After a step of the high one: stepping down while above the low value, its minimum becomes
// the low value; then the low one's maximum becomes the high value. After a step of the low one:
// stepping up while below the high value, its maximum becomes the high value; then the high one's
// minimum becomes the low value.
struct AlarmBereik {
    int minimum = 0;
    int maximum = 0;
};
struct AlarmBereiken {
    AlarmBereik hoog{-65536, 65536};
    AlarmBereik laag{-65535, 65536};
};
void KoppelAlarmBereiken(AlarmBereiken& bereiken, bool hoogGestapt, bool omhoog, int hoogWaarde,
                         int laagWaarde);

// The settings of one graph window as the dialog edits them: its caption, its public settings, its
// curve table and the pen colours of its chart series.
struct GrafiekInstellenGegevens {
    QString naam;
    GrafiekInstellingen instellingen;
    // [curve 1..32][index 0..5] as LeesGrafiekLijnRef gives them; row 0 unused.
    std::array<std::array<int16_t, 6>, AantalGrafiekLijnen + 1> lijnen{};
    // Series 1..34 as red + 256 x green + 65536 x blue; element 0 unused.
    std::array<int32_t, AantalDiagramReeksen + 1> kleuren{};
    bool operator==(const GrafiekInstellenGegevens&) const = default;
};
GrafiekInstellenGegevens LeesGrafiekGegevens(GrafiekvensterInterface& venster);
// Puts every setting, curve and colour into the window (the chart is not rebuilt here).
void SchrijfGrafiekGegevens(const GrafiekInstellenGegevens& gegevens, GrafiekvensterInterface& venster);
