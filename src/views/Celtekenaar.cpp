#include "views/Celtekenaar.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

void Celtekenaar::paint(QPainter* painter, const QStyleOptionViewItem& optie,
                        const QModelIndex& index) const {
    constexpr auto Bijzonder = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Editing;
    // A cell with a font or colour of its own is the style's too.
    if ((optie.state & Bijzonder) || optie.direction != Qt::LeftToRight ||
        index.data(Qt::FontRole).isValid() || index.data(Qt::ForegroundRole).isValid())
        return QStyledItemDelegate::paint(painter, optie, index);
    const QString tekst = index.data(Qt::DisplayRole).toString();
    const QWidget* widget = optie.widget;
    const QStyle* stijl = widget ? widget->style() : QApplication::style();
    const int marge = stijl->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect vak = optie.rect.adjusted(marge, 0, -marge, 0);

    const QTextLayout* opmaak = nullptr;
    if (!tekst.isEmpty()) {
        const QVariant uitlijning = index.data(Qt::TextAlignmentRole);
        opmaak = Opmaak(tekst, optie.font, vak.width(),
                        uitlijning.isValid() ? uitlijning.value<Qt::Alignment>()
                                             : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        // A text that does not fit is cut by the style.
        if (!opmaak) return QStyledItemDelegate::paint(painter, optie, index);
    }

    painter->save();
    painter->setClipRect(optie.rect);
    const QVariant achtergrond = index.data(Qt::BackgroundRole);
    if (achtergrond.canConvert<QBrush>()) {
        const QBrush borstel = qvariant_cast<QBrush>(achtergrond);
        if (borstel.style() != Qt::NoBrush) {
            painter->setBrushOrigin(optie.rect.topLeft());
            painter->fillRect(optie.rect, borstel);
        }
    }
    if (opmaak) {
        QPalette::ColorGroup groep =
            (optie.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        if (groep == QPalette::Normal && !(optie.state & QStyle::State_Active)) groep = QPalette::Inactive;
        painter->setPen(optie.palette.color(groep, QPalette::Text));
        // Centred in height as the style centres a layout: half the cell less half the text, each in
        // whole pixels.
        const int hoogte = opmaak->boundingRect().size().toSize().height();
        opmaak->draw(painter, QPointF(vak.x(), vak.y() + vak.height() / 2 - hoogte / 2));
    }
    painter->restore();
}

const QTextLayout* Celtekenaar::Opmaak(const QString& tekst, const QFont& font, int breedte,
                                       Qt::Alignment uitlijning) const {
    // Enough for the texts of a screen full of cells.
    constexpr qsizetype Bewaard = 4096;
    if (font != m_font || m_opmaken.size() >= Bewaard) {
        m_opmaken.clear();
        m_font = font;
    }
    const Sleutel sleutel{tekst, breedte, static_cast<int>(uitlijning)};
    if (const auto gevonden = m_opmaken.constFind(sleutel); gevonden != m_opmaken.constEnd())
        return gevonden->get();
    auto opmaak = std::make_shared<QTextLayout>(tekst, font);
    QTextOption optie;
    optie.setWrapMode(QTextOption::ManualWrap);
    optie.setTextDirection(Qt::LeftToRight);
    optie.setAlignment(uitlijning);
    opmaak->setTextOption(optie);
    opmaak->setCacheEnabled(true);
    opmaak->beginLayout();
    QTextLine regel = opmaak->createLine();
    regel.setLineWidth(breedte);
    regel.setPosition(QPointF(0, 0));
    const bool past = regel.naturalTextWidth() <= breedte && !opmaak->createLine().isValid();
    opmaak->endLayout();
    if (!past) opmaak.reset();
    return m_opmaken.insert(sleutel, std::move(opmaak))->get();
}
