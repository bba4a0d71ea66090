#pragma once
// Grid printing: a grid (a measurement table, a report grid) scaled to the print width and never larger
// than on screen, its header row, body rows with column lines and rules, each cell placed by its
// alignment code in its own font and clipped to its column, continued on as many pages as needed.
// With NaarBestand set the header and body rows are written as CSV fields of the report file instead.
#include "reports/Printerkode.h"
#include "shared/Lettertype.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

// Alignment codes of a grid: 0, 1, 2 and 9 left; 3, 4, 5 centre; 6, 7, 8 right.
inline constexpr int16_t UitlijningLinks = 1;
inline constexpr int16_t UitlijningMidden = 4;
inline constexpr int16_t UitlijningRechts = 7;

// Millimetres per twip at the size on screen: a grid is never printed larger.
inline constexpr double MaximaleRasterSchaal = 0.017638888;
// Twips per millimetre, for the font size.
inline constexpr double TwipsPerMm = 56.69291305541992;

// A grid as the print routines read it. Row 0 is the header row.
class Afdrukraster {
public:
    virtual ~Afdrukraster() = default;
    virtual int AantalRijen() const = 0;
    virtual int AantalKolommen() const = 0;
    virtual QString CelTekst(int rij, int kolom) const = 0;
    // Twips; a negative width stands for the grid's default width.
    virtual double KolomBreedte(int kolom) const = 0;
    virtual int16_t KolomUitlijning(int kolom) const = 0;
    virtual int16_t CelUitlijning(int /*rij*/, int kolom) const { return KolomUitlijning(kolom); }
    // The cell's font; its size is not used (the print size follows the grid's font size).
    virtual Lettertype CelLettertype(int rij, int kolom) const = 0;
    // The width of the grid control in twips, and its font size in points.
    virtual double Breedte() const = 0;
    virtual double Lettergrootte() const = 0;
};

// A grid held as values (report grids, tests): every cell empty, columns 1000 twips wide and left
// aligned, cells in the grid's font, until set otherwise.
class Raster : public Afdrukraster {
public:
    Raster(int rijen, int kolommen);

    int AantalRijen() const override { return m_rijen; }
    int AantalKolommen() const override { return m_kolommen; }
    QString CelTekst(int rij, int kolom) const override;
    double KolomBreedte(int kolom) const override;
    int16_t KolomUitlijning(int kolom) const override;
    int16_t CelUitlijning(int rij, int kolom) const override;
    Lettertype CelLettertype(int rij, int kolom) const override;
    double Breedte() const override { return m_breedte; }
    double Lettergrootte() const override { return m_lettertype.grootte; }

    void ZetCel(int rij, int kolom, const QString& tekst);
    // Sets the cells of a row from column 0 on.
    void ZetRij(int rij, const QStringList& teksten);
    void ZetKolomBreedte(int kolom, double twips);
    void ZetKolomUitlijning(int kolom, int16_t code);
    void ZetCelUitlijning(int rij, int kolom, int16_t code);
    void ZetCelLettertype(int rij, int kolom, const Lettertype& lettertype);
    // The grid's font (name, size and effects of every cell without a font of its own).
    void ZetLettertype(const Lettertype& lettertype) { m_lettertype = lettertype; }
    void ZetBreedte(double twips) { m_breedte = twips; }

private:
    int m_rijen;
    int m_kolommen;
    std::vector<QString> m_cellen;
    std::vector<double> m_breedtes;
    std::vector<int16_t> m_uitlijning;
    std::map<std::pair<int, int>, int16_t> m_celUitlijning;
    std::map<std::pair<int, int>, Lettertype> m_celLettertype;
    Lettertype m_lettertype;
    double m_breedte = 9000;
};

// The sum of the column widths in twips; a negative width counts as the grid's width / column count.
double BerekenTabelBreedte(const Afdrukraster& raster);
// A column's width in twips as printed: a negative width is the grid's width / column count.
double AfdrukKolomBreedte(const Afdrukraster& raster, int kolom);

struct RasterSchaal {
    double schaal = MaximaleRasterSchaal; // millimetres per twip
    double lettergrootte = 0;             // points
};
// The scale that fits the grid into the print width, capped at MaximaleRasterSchaal, and the font size
// shrunk by the same ratio (never grown).
RasterSchaal BerekenRasterSchaal(const Afdrukraster& raster, double afdrukBreedte);

// The x of a cell text of width w in a cell from x, cw wide: left codes x + 0.5, right codes
// x + cw - w - 0.5, centre codes x + cw/2 - w/2; any other code x.
double BepaalCelPositie(int16_t code, double x, double w, double cw);

// A cell text clipped to the cell: taken from `tekstX` on, characters left of links - 0.25 are skipped
// and the text ends before the first character that would pass rechts + 0.25.
struct GeknipteTekst {
    double x = 0;
    QString tekst;
};
GeknipteTekst KnipCelTekst(const QString& tekst, double tekstX, double links, double rechts,
                           const std::function<double(QChar)>& breedte);

// Printer font from the cell's font at the given size, black.
void ZetCelLettertype(Printer& p, const Afdrukraster& raster, int rij, int kolom, double grootte);
// One cell: printed from the print x, clipped between x and rechts; or, with NaarBestand, one field of
// the report file.
void PrintCelTekst(Printer& p, double x, double rechts, const Afdrukraster& raster, int rij, int kolom);
// The header row at y, bold; bold stays on.
void PrintTabelKop(Printer& p, const Afdrukraster& raster, double x0, double y, double schaal,
                   double grootte);
// One body row at y.
void PrintTabelRij(Printer& p, const Afdrukraster& raster, int rij, double x0, double y, double schaal,
                   double grootte);
// A vertical line of `lengte` mm down from y at the right edge of every column; the position is left at
// (x0, y).
void PrintKolomLijnen(Printer& p, const Afdrukraster& raster, double x0, double y, double schaal,
                      double lengte);

// The whole grid from the current position: the header row, then body rows while they fit above
// RandOnder; when rows remain, a new page with its page header and the header row again. A page takes
// at least one row, however little room there is. `rijen` chooses the body rows (all rows from 1 when
// empty). With NaarBestand every row becomes one line of the report file, ended by an empty field.
void PrintRaster(Printer& p, const Afdrukraster& raster, const std::vector<int>& rijen = {});
