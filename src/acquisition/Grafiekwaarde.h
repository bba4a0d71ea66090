#pragma once
// The number a graph plots for a value text of an input, as the table writes it and as the live values
// give it: an ion concentration (a K761 input with unit "g/l") as log10 of its concentration in g/l, a
// K762 conductivity or TDS in the unit of the input's range (µS or mS, mg/l or g/l), anything else as
// the number it reads. Every place that shows or judges a graph's values (the chart, its read-out and
// statistics, the alarm report, the alarm output and the printout) takes its numbers from here.
//
// What kind of conversion a curve needs depends only on the input; it is decided once per curve
// (Grafiekomzetting::Van) and then applied to each value text (Zet). A table's cells can also be read
// as their UTF-8 bytes (Grafiekcellen), with the same numbers.
#include <QString>
#include <string>
#include <string_view>

struct Grafiekomzetting {
    enum class Soort { Getal, Ion, Geleidbaarheid };
    Soort soort = Soort::Getal;
    // K762: cell type + range index; up to 1 the chart shows µS (mg/l), from 2 on mS (g/l).
    int decade = 0;

    // What the unit text of a value does to its number: nothing, the base-10 logarithm of the number
    // divided by `deler` (an ion concentration to g/l), or times or divided by 1000 (conductivity).
    struct Eenheidswerking {
        enum class Soort { Geen, Log, Maal1000, Door1000 };
        Soort soort = Soort::Geen;
        double deler = 1;
    };

    // The conversion of input k of module m of rack r, or of its temperature.
    static Grafiekomzetting Van(int r, int m, int k, bool temperatuur = false);
    // The plotted number of a value text and its unit text; empty, "OR." or no number gives a missing
    // point (NaN), an ion concentration of 0 or less too.
    double Zet(const QString& waarde, const QString& eenheid) const;
    // The two steps of Zet: what a unit text does (a curve that plots its numbers as they are never
    // looks at the unit), and the plotted number of the number read from a value text.
    bool LeestEenheid() const { return soort != Soort::Getal; }
    Eenheidswerking Werking(const QString& eenheid) const;
    static double Pas(float getal, Eenheidswerking werking);

    bool operator==(const Grafiekomzetting&) const = default;
};

// One curve's points read from a table's cells as UTF-8 bytes, each the number Grafiekomzetting::Zet
// gives for the trimmed texts of the cells: a plain number ("-12.5", "7,00", "1413") is read without
// making a text, and what a unit text does is decided once for every run of equal unit texts.
class Grafiekcellen {
public:
    explicit Grafiekcellen(Grafiekomzetting omzetting = {}) : m_omzetting(omzetting) {}
    double Zet(std::string_view waarde, std::string_view eenheid);

private:
    Grafiekomzetting m_omzetting;
    std::string m_eenheid; // the unit text m_werking belongs to
    Grafiekomzetting::Eenheidswerking m_werking;
    bool m_werkingBekend = false;
};

// Grafiekomzetting::Van(r, m, k, temperatuur).Zet(waarde, eenheid).
double ConverteerTabelWaarde(int r, int m, int k, const QString& waarde, const QString& eenheid,
                             bool temperatuur = false);
// The number a graph shows for the live reading of input k (its temperature with `temperatuur`): the
// value text and unit the table would write, converted as above. Missing while the module is absent,
// not yet read or given up, or the input is not in use.
double LiveGrafiekWaarde(int r, int m, int k, bool temperatuur);
// Which end of its range the live reading of input k (its temperature with `temperatuur`) has run
// beyond, while a graph shows it as "OR.": 1 above the top, -1 below the bottom, 0 inside its range or
// when the reading is not current (as LiveGrafiekWaarde). The side is that of the range flag, except
// on a pH input: its pH runs against the millivolts, so an over-range millivolt reading is held at
// pH 0 and an under-range one at pH 14, and the pH it holds tells the side.
int LiveBuitenBereik(int r, int m, int k, bool temperatuur);
