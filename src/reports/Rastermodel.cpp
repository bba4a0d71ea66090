#include "reports/Rastermodel.h"

#include "shared/ui/Vensterfuncties.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

Qt::Alignment Uitlijning(int16_t code) {
    switch (code) {
    case 3:
    case 4:
    case 5:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 6:
    case 7:
    case 8:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

Rastermodel::Rastermodel(QObject* ouder) : QAbstractTableModel(ouder) {}

void Rastermodel::ZetRaster(Raster raster) {
    beginResetModel();
    m_raster = std::move(raster);
    endResetModel();
    ZetBreedtes();
}

void Rastermodel::Koppel(QTableView* view) {
    m_view = view;
    view->setModel(this);
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int kolom, int, int pixels) {
        if (!m_breedtesZetten) m_raster.ZetKolomBreedte(kolom, PixelsNaarTwips(pixels));
    });
    ZetBreedtes();
}

void Rastermodel::ZetBreedtes() {
    if (!m_view) return;
    m_breedtesZetten = true;
    for (int k = 0; k < m_raster.AantalKolommen(); ++k)
        m_view->setColumnWidth(k, TwipsNaarPixels(AfdrukKolomBreedte(m_raster, k)));
    m_breedtesZetten = false;
}

int Rastermodel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : std::max(0, m_raster.AantalRijen() - 1);
}

int Rastermodel::columnCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : m_raster.AantalKolommen();
}

QVariant Rastermodel::Opmaak(int rij, int kolom, int rol) const {
    switch (rol) {
    case Qt::DisplayRole:
        return m_raster.CelTekst(rij, kolom);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Uitlijning(rij == 0 ? m_raster.KolomUitlijning(kolom) : m_raster.CelUitlijning(rij, kolom)));
    case Qt::FontRole:
        if (m_raster.CelLettertype(rij, kolom).vet) {
            QFont f = m_view ? m_view->font() : QApplication::font();
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant Rastermodel::data(const QModelIndex& index, int rol) const {
    if (!index.isValid()) return {};
    if (rol == Qt::BackgroundRole && index.column() < m_vasteKolommen)
        return QApplication::palette().button();
    return Opmaak(index.row() + 1, index.column(), rol);
}

QVariant Rastermodel::headerData(int sectie, Qt::Orientation richting, int rol) const {
    if (richting != Qt::Horizontal) return {};
    return Opmaak(0, sectie, rol);
}
