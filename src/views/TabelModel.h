#pragma once
// The cells of one module grid of a table window, kept compactly: the texts of a row lie one after the
// other in one buffer (each cell a length and its UTF-8 bytes), so a row costs its characters and a
// few bytes, never an object per cell. The grid is the in-memory store of the logged history: the file
// writer, the graphs and the printouts read its cells.
//
// Grid rows as the window counts them: row 0 is the header, rows 1..DataRijen() hold samples, and one
// more row follows them, empty but for its number. Column 0 is the row number, computed, never stored.
// The view (QTableView) sees model row i as grid row i + 1; the header row is its horizontal header.
#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// Columns of a grid: 0 the row number, 1 date, 2 time, per input n (1..4) from column 4 (n - 1) + 3
// its value, unit, temperature and temperature unit, 19 the info text.
inline constexpr int AantalRasterKolommen = 20;

enum class Kolomsoort { Nummer, Datum, Tijd, Waarde, Eenheid, Temperatuur, TemperatuurEenheid, Info };
// The kind of grid column `kolom` (0..19; anything else counts as Info).
Kolomsoort SoortVanKolom(int kolom);
// The alignment of a column's header and body cells: left for the unit columns and the info, right for
// the others; vertically centred.
Qt::Alignment UitlijningVanKolom(int kolom);

// The texts of one grid row, column 0 included (the model ignores it).
using TabelRij = std::array<QString, AantalRasterKolommen>;
// The same as views into texts held elsewhere (valid while the row is written).
using TabelRijZicht = std::array<QStringView, AantalRasterKolommen>;

class TabelModel : public QAbstractTableModel {
public:
    explicit TabelModel(QObject* ouder = nullptr);

    // Rows of the grid, header and empty last row included (at least 2).
    int32_t Rijen() const { return DataRijen() + 2; }
    int32_t DataRijen() const { return static_cast<int32_t>(m_begin.size()); }

    // The text of a cell: row 0 the header; "" outside the grid.
    QString Cel(int32_t rij, int kolom) const;
    // The UTF-8 texts of columns 1..19 of data row rij, each reached from the one before it in one pass
    // over the row (cellen[0], the row number, stays empty); valid until the grid next changes. A row
    // after the last is all empty. False for the header row and below.
    bool RijCellen(int32_t rij, std::array<std::string_view, AantalRasterKolommen>& cellen) const;
    // A number that changes with every change of the grid's cells or rows and never comes back, not
    // even in another grid: whoever keeps what it read knows from it whether that still stands.
    uint64_t Wijzigingen() const { return m_wijziging; }
    // Sets a cell of row 0 (header) or of a data row; a row beyond the last one makes the rows up to it
    // (empty). Column 0 is the row number and is not set.
    void ZetCel(int32_t rij, int kolom, const QString& tekst);
    // Writes columns 1..19 of data row rij (rij >= 1), adding rows up to it as ZetCel does. Without
    // `melden` the view learns of new rows only at the next Meld (a file load adds its rows as one
    // range).
    void ZetRij(int32_t rij, const TabelRij& cellen, bool melden = true);
    void ZetRij(int32_t rij, const TabelRijZicht& cellen, bool melden = true);
    // Room for `rijen` data rows of the size of those written so far (a file load that knows how many
    // rows to expect), so that the cells are not moved while the rows grow.
    void Reserveer(int32_t rijen);
    // The rows written without `melden`, announced to the view as one range.
    void Meld();
    // Every cell empty, the header included; no data rows.
    void Wis();

    // The bytes the cells take (buffer and row index), for the benchmark.
    size_t Geheugen() const;

    // QAbstractTableModel.
    int rowCount(const QModelIndex& ouder = QModelIndex()) const override;
    int columnCount(const QModelIndex& ouder = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static constexpr uint64_t GeenTekst = UINT64_MAX;
    // Makes data rows up to `rij` (empty).
    void Verleng(int32_t rij);
    // The encoded cells of a data row (index rij - 1) and their length in bytes.
    const char* RijBytes(int32_t rij, size_t& lengte) const;
    void SchrijfRij(int32_t rij, const TabelRijZicht& cellen);
    void RuimOp();

    std::array<QString, AantalRasterKolommen> m_kop;
    std::vector<char> m_tekst;
    std::vector<uint64_t> m_begin; // per data row: its place in m_tekst, GeenTekst for an empty row
    size_t m_afval = 0;            // bytes of m_tekst no row refers to any more
    int32_t m_gemeld = 0;          // data rows the view knows of
    uint64_t m_wijziging;          // see Wijzigingen
};
