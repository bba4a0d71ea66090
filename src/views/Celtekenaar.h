#pragma once
// How a module grid paints its cells. A grid is mostly short numbers and units in cells wide enough
// for them, and the style's way of painting a cell lays its text out several times over (for its size,
// its place, its cut and its drawing). A cell that is neither selected, current nor cut is painted here
// from one layout of its text, exactly where and as the style would paint it; every other cell is left
// to the style. A grid repeats its texts (units, dates, steady readings): the layouts of the texts
// painted last are kept.
#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <memory>

class Celtekenaar : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& optie, const QModelIndex& index) const override;

private:
    struct Sleutel {
        QString tekst;
        int breedte;
        int uitlijning;
        bool operator==(const Sleutel&) const = default;
        friend size_t qHash(const Sleutel& s, size_t zaad) {
            return qHashMulti(zaad, s.tekst, s.breedte, s.uitlijning);
        }
    };
    // The text laid out on one line of `breedte` pixels; nullptr when it does not fit.
    const QTextLayout* Opmaak(const QString& tekst, const QFont& font, int breedte,
                              Qt::Alignment uitlijning) const;

    mutable QFont m_font;
    mutable QHash<Sleutel, std::shared_ptr<QTextLayout>> m_opmaken;
};
