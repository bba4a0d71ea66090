#include "views/Celtekenaar.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <memory>

namespace {

struct Sleutel {
    QString tekst;
    QFont font;
    int breedte;
    int uitlijning;
    bool operator==(const Sleutel&) const = default;
};

size_t qHash(const Sleutel& s, size_t zaad) {
    return qHashMulti(zaad, s.tekst, s.font, s.breedte, s.uitlijning);
}

// The layouts kept for all grids; enough for the texts of a few screens full of cells. Emptied with the
// last grid; never destroyed, so that a layout never outlives the application's fonts at the end.
QHash<Sleutel, std::shared_ptr<QTextLayout>>& Opmaken() {
    static auto* opmaken = new QHash<Sleutel, std::shared_ptr<QTextLayout>>;
    return *opmaken;
}
constexpr qsizetype Bewaard = 2048;
int tekenaars = 0;

// The text laid out on one line of `breedte` pixels; nullptr when it does not fit.
const QTextLayout* Opmaak(const QString& tekst, const QFont& font, int breedte, Qt::Alignment uitlijning) {
    auto& opmaken = Opmaken();
    Sleutel sleutel{tekst, font, breedte, static_cast<int>(uitlijning)};
    if (const auto gevonden = opmaken.constFind(sleutel); gevonden != opmaken.constEnd())
        return gevonden->get();
    if (opmaken.size() >= Bewaard) opmaken.clear();
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
    return opmaken.insert(std::move(sleutel), std::move(opmaak))->get();
}

} // namespace

Celtekenaar::Celtekenaar(QObject* ouder) : QStyledItemDelegate(ouder) {
    ++tekenaars;
}

Celtekenaar::~Celtekenaar() {
    // The layouts hold fonts of the application: they go with the last grid, before the application.
    if (--tekenaars == 0) Opmaken().clear();
}

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
