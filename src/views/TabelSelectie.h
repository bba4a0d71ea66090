#pragma once
// The selection of a table grid as the table window's operations see it: the current cell (Row, Col),
// where the selection began, and the opposite corner (RowSel, ColSel); either corner may be the
// smaller one. Rows count as the grid counts them (0 the header), columns 0..19. Row counts are 32-bit:
// a table holds far more than 32,767 rows.
#include <QString>
#include <cstdint>
#include <functional>

struct Selectie {
    int32_t Row = 0;
    int16_t Col = 0;
    int32_t RowSel = 0;
    int16_t ColSel = 0;
    bool operator==(const Selectie&) const = default;
};

// 0 when Row < 1 (no data row current). With m > 0: m when it lies between Row and RowSel (both
// included, either order), else 0. With m <= 0: the number of selected rows, |RowSel - Row| + 1.
int32_t Geselecteerd(const Selectie& s, int32_t m = 0);
// The smaller and the larger of Row and RowSel, of Col and ColSel.
void BepaalSelectieRijen(const Selectie& s, int32_t& StartRij, int32_t& EindRij);
void BepaalSelectieKolommen(const Selectie& s, int16_t& StartKolom, int16_t& EindKolom);

// The selection after the mouse let go of it: rows and columns in ascending order (Row the smaller
// row, Col the smaller column), and a selection that begins in the channel columns (3..18) widened so
// that it takes each value or temperature column together with its unit column: a first column that is
// a unit column moves one to the left, a last column that is a value or temperature column one to the
// right. A selection beginning in columns 0-2 or 19 keeps its columns.
Selectie NormaliseerSelectie(const Selectie& s);

// The rows of the selection whose whole columns 1..last are marked (ToonLijnSelectie): rows as they
// stand (unsorted), columns 1 to `laatsteKolom`.
Selectie LijnSelectie(const Selectie& s, int16_t laatsteKolom);

// The selected cells as text: per row the cells of the selected columns joined by TAB, an empty cell
// written as one blank, every row (the last too) ended by CR LF.
QString KopieTekst(const Selectie& s, const std::function<QString(int32_t rij, int16_t kolom)>& cel);

// The field of a module's block in a file line (counted as KolomInBestand counts it) that holds grid
// column j: 1 for the date and time columns, the Value, Unit, Temp and T.Unit fields of each input for
// its four columns (3..6 give 2..5, 7..10 give 7..10, 11..14 give 12..15, 15..18 give 17..20), 21 for
// the info column, and 0 for any other column.
int16_t BepBestandskolom(int j);
