#pragma once
// The graph configuration file (".gcf"): the whole set-up of one graph window (placement, value and
// time axis, legend and recorder options, the two alarm lines and its 32 curves) in a sectioned text
// file "Graph" & n & ".gcf" in the configuration folder. Also the colour of a chart series and the
// colour dialog of the graph settings (the common colour dialog of Bestandsdialogen).
#include "acquisition/vensters/Grafiekvenster.h"

#include <QString>
#include <cstdint>

// MapConfiguratie & "/Graph" & n & ".gcf".
QString GrafiekBestandsnaam(int n);
// Writes the window's settings to the file of graph n; the window is put into its normal state for
// the write and back afterwards. False, with a message, when the file could not be written (the
// previous file is then untouched).
bool SchrijfGrafiekInstellingen(int n, GrafiekvensterInterface& venster);
// Reads the file of graph n into the window (with zonderNaam the window keeps its caption) and
// rebuilds the chart, also when the file is missing.
void LeesGrafiekInstellingen(int n, GrafiekvensterInterface& venster, bool zonderNaam);
// The pen colour of a chart series as red + 256 x green + 65536 x blue.
int32_t LeesDiagramKleur(const GrafiekvensterInterface& venster, int reeks);

// Shows the colour dialog titled "C&urve colour" on `kleur`; the chosen colour with laatsteKeuze 1, or
// `kleur` unchanged with laatsteKeuze 2 after Cancel (also when no dialog is registered).
int32_t KiesCurveKleur(int32_t& kleur, int16_t& laatsteKeuze);
