#pragma once
// How a module grid paints its cells. A grid is mostly short numbers and units in cells wide enough
// for them, and the style's way of painting a cell lays its text out several times over (for its size,
// its place, its cut and its drawing). A cell that is neither selected, current nor cut is painted here
// from one layout of its text, exactly where and as the style would paint it; every other cell is left
// to the style. Grids repeat their texts (units, dates, steady readings): the layouts of the texts
// painted last are kept, one store for all grids, emptied when the last grid goes.
#include <QStyledItemDelegate>

class Celtekenaar : public QStyledItemDelegate {
public:
    explicit Celtekenaar(QObject* ouder = nullptr);
    ~Celtekenaar() override;
    void paint(QPainter* painter, const QStyleOptionViewItem& optie, const QModelIndex& index) const override;
};
