#pragma once
// A report grid (Raster) shown in a table view: row 0 of the grid is the view's header row, the rows
// below it the view's rows; each cell in its alignment code and bold where the grid says so, the fixed
// columns on the face colour. The view's column widths and the grid's (twips) stay in step, so a
// printout or a stored width takes what the user sees.
#include "reports/Rasterafdruk.h"

#include <QAbstractTableModel>

class QTableView;

class Rastermodel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit Rastermodel(QObject* ouder = nullptr);

    const Raster& raster() const { return m_raster; }
    // The grid to show; the view takes its column widths.
    void ZetRaster(Raster raster);
    // Columns from the left shown as row labels.
    void ZetVasteKolommen(int n) { m_vasteKolommen = n; }
    // Shows the grid in the view and follows the user's changes of the column widths.
    void Koppel(QTableView* view);
    // Changes the texts in place (a sort): the view shows them at once.
    template <typename F> void Wijzig(F wijziging) {
        beginResetModel();
        wijziging(m_raster);
        endResetModel();
        ZetBreedtes();
    }

    int rowCount(const QModelIndex& ouder = QModelIndex()) const override;
    int columnCount(const QModelIndex& ouder = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int rol) const override;
    QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override;

private:
    void ZetBreedtes();
    QVariant Opmaak(int rij, int kolom, int rol) const;

    Raster m_raster{1, 1};
    QTableView* m_view = nullptr;
    int m_vasteKolommen = 0;
    bool m_breedtesZetten = false;
};

// The Qt alignment of a grid alignment code.
Qt::Alignment Uitlijning(int16_t code);
