#pragma once
// The system configuration report: one row per input of every present module of every present rack, with
// the identification numbers, the input's settings, the date of its last calibration and a status
// text, sorted by a click on a column header.
//
// Status, each test overwriting the one before: "Calibration required!" for an input that has never
// been calibrated and needs it, then "Out of range!" (value) or "°C Out of range!" (temperature), then
// "Module is not responding!", then "Rack disabled!". A disabled input shows only its rack, module and
// input columns and an empty "Enabled" cell.
#include "reports/Rasterafdruk.h"

#include <cstdint>

inline constexpr int AantalConfiguratieKolommen = 13;
inline constexpr int KolomIngeschakeld = 6;
inline constexpr int KolomKalibratie = 10;
inline constexpr int KolomStatus = 12;

// The check mark of an enabled input, and what a report file writes for it: "ü", the check mark of the
// Wingdings font (the file's character set has no check mark of its own).
inline const QString Vinkje = QString(QChar(0x2713));
inline const QString VinkjeInBestand = QString(QChar(0x00FC));

// A channel of the rack system: rack 1..16, module 1..7, channel 1..8 (5..8 the temperature inputs).
struct Kanaalkeuze {
    int16_t Rnr = 0;
    int16_t Mnr = 0;
    int16_t Knr = 0;
    bool operator==(const Kanaalkeuze&) const = default;
};

struct Configuratietabel {
    Raster raster{1, AantalConfiguratieKolommen};
    // The first enabled input met while filling (Rnr 0 when there is none).
    Kanaalkeuze eersteIngang;
};

// VulConfiguratieTabel: the report of the rack system as it is now, with the default column widths.
Configuratietabel VulConfiguratieTabel();

// The date text of the "Calibration" column: the short date, and the long time when the moment is not
// midnight; "" for date 0.
QString KalibratieDatumTekst(double datum);

// The sort state of the report: the column sorted last and whether that sort was descending. A fill
// leaves it at the last column, ascending, so a first click on "Info" sorts descending.
struct Sorteertoestand {
    int SorteerKolom = KolomStatus;
    bool SorteerAflopend = false;
};

// A click on the header of `kolom`: the same column as last time turns the direction over, another
// column sorts ascending. The data rows are sorted case-insensitively by the column and the columns to
// its right as further keys, the "Calibration" column by date (an empty date first); rows that compare
// equal keep their order. The header of the column gets " /\" (ascending) or " \/" (descending), the
// other headers lose theirs.
void KlikKolomKop(Raster& raster, Sorteertoestand& toestand, int kolom);
// Sorts the data rows by the dates in `kolom` with adjacent row swaps; an empty cell counts as the
// earliest date.
void SorteerOpDatum(Raster& raster, int kolom, bool aflopend);
// Exchanges the texts of two rows in every column.
void WisselRijen(Raster& raster, int rij1, int rij2);
