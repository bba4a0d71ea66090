#pragma once
// The cells of one row of a module grid: from the live channel records at a snapshot, or from the
// module's block of a measurement-file line. Column 0 (the row number) is left to the grid.
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Tijdbasis.h"
#include "views/TabelModel.h"

#include <array>
#include <memory>
#include <unordered_map>

// The info text of an end-point row: such a live row gets only its number and time cells.
inline const QString InfoStop = QStringLiteral("Stop");

// The date and time cells (columns 1 and 2) of TijdMeting in the current time base.
void ZetTijdCellen(TabelRij& rij);

// Row of module m of rack r from the live records: per input in use the value text (without the mark of
// a value hidden by its temperature being out of range) and the temperature text while the rack is
// measured, else one blank for each; its unit and temperature unit always; an input not in use one
// blank in each of its four cells; then the info text. A module the poll supervision has given up
// (no reply since) gets empty value and temperature cells, so that no stale reading is kept. With
// `info` "Stop" only the time cells are written.
TabelRij LiveRij(int r, int m, const QString& info);

// Rows of the module grids of one rack from the lines of a measurement file being loaded. What stays
// the same during a load is looked up once: per input the temperature channel's trimmed unit (stored
// back trimmed into the channel at the first row that needs it) and its format pattern, the locale's
// decimal sign and time patterns; and the time cells of a line once for all its modules. The cells are
// written from the line's fields straight into the grid.
class BestandsRijen {
public:
    BestandsRijen();
    // A new load: what was looked up is looked up again.
    void Begin();
    // Row `rij` of module m of rack r from the next 21 fields of a file line (taken off `velden`), the
    // time cells from TijdMeting: per input the value ("OR." when the flags mark it out of range, a
    // blank when they mark its temperature out of range), the unit as the file has it, the temperature
    // converted from the file's unit to the channel's current temperature unit ("OR." when out of range)
    // with that unit, and the info field. The grid learns of the row at its next Meld.
    void Schrijf(TabelModel& model, int32_t rij, int r, int m, Regelvelden& velden);

private:
    struct Ingang {
        bool bekend = false;
        QString eenheid;
        QString patroon;
        int decimalen = -1; // of the pattern: 0 for "0", 1 for "0.0"
        // Temperatures of the file in another unit, converted: per text of the file (see TekstSleutel)
        // the cell it gives, for the file unit `omgerekendVan`.
        QString omgerekendVan;
        std::unordered_map<uint64_t, QString> omgerekend;
    };
    Ingang& LeesIngang(int r, int m, int n) {
        Ingang& ingang = m_ingangen[static_cast<size_t>(m)][static_cast<size_t>(n)];
        if (!ingang.bekend) ZoekIngang(ingang, r, m, n);
        return ingang;
    }
    void ZoekIngang(Ingang& ingang, int r, int m, int n);

    std::array<std::array<Ingang, AantalIngangen + 1>, AantalModules + 1> m_ingangen;
    std::unique_ptr<TijdcelOpmaak> m_tijden;
    QChar m_teken;
    bool m_punt = true; // the decimal sign is "." as in the file
    // Cells that are no field of the line as it stands: values and temperatures with the locale's
    // decimal sign, converted temperatures.
    std::array<QString, 2 * (AantalIngangen + 1)> m_klad;
    TabelRijZicht m_cellen;
    using Blok = std::array<QStringView, 5 * AantalIngangen + 1>;
    Blok m_blok;
};
