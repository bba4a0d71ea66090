#include "reports/Printervlak.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>

QFont QtLettertype(const Lettertype& l) {
    QFont f;
    f.setFamily(l.naam);
    f.setPointSizeF(l.grootte > 0 ? l.grootte : 1.0);
    f.setBold(l.vet);
    f.setItalic(l.cursief);
    f.setUnderline(l.onderstreept);
    f.setStrikeOut(l.doorgehaald);
    return f;
}

Printervlak::Printervlak(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
    Lettertype standaard;
    standaard.naam = QStringLiteral("Arial");
    standaard.grootte = 10;
    m_font = QtLettertype(standaard);
}

Printervlak::~Printervlak() {
    if (m_painter.isActive()) m_painter.end();
}

double Printervlak::pixelsPerMm() const {
    return m_printer->resolution() / 25.4;
}

double Printervlak::breedte() const {
    return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double Printervlak::hoogte() const {
    return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).height();
}

void Printervlak::zetOrientatie(int16_t orientatie) {
    m_printer->setPageOrientation(orientatie == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int16_t Printervlak::orientatie() const {
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

QStringList Printervlak::lettertypen() const {
    return QFontDatabase::families();
}

void Printervlak::zetLettertype(const Lettertype& lettertype) {
    if (m_lettertype == lettertype) return;
    m_lettertype = lettertype;
    const QFont f = QtLettertype(lettertype);
    if (f == m_font) return;
    m_font = f;
    m_maat.reset();
    m_gemeten.clear();
    if (m_painter.isActive()) m_painter.setFont(m_font);
}

const QFontMetricsF& Printervlak::Maat() {
    if (!m_maat) m_maat.emplace(m_font, m_printer.get());
    return *m_maat;
}

double Printervlak::tekstBreedte(const QString& tekst) {
    if (tekst.isEmpty() || tekst != m_gemeten) {
        m_gemeten = tekst;
        m_gemetenBreedte = Maat().horizontalAdvance(tekst) / pixelsPerMm();
    }
    return m_gemetenBreedte;
}

double Printervlak::tekstHoogte(const QString&) {
    return Maat().lineSpacing() / pixelsPerMm();
}

void Printervlak::beginPagina(int nummer) {
    if (m_fout) return;
    if (nummer == 1) {
        if (!m_painter.begin(m_printer.get())) {
            m_fout = true;
            return;
        }
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setFont(m_font);
    } else if (!m_printer->newPage()) {
        m_fout = true;
    }
}

QPen Printervlak::Pen(int dikte, int32_t kleur) const {
    QPen pen(QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF));
    pen.setWidthF(std::max(1, dikte) * m_printer->resolution() / 300.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Printervlak::tekenTekst(double x, double y, const QString& tekst) {
    if (!m_painter.isActive()) return;
    const double schaal = pixelsPerMm();
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(x * schaal, y * schaal + Maat().ascent()), tekst);
}

void Printervlak::tekenLijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur) {
    if (!m_painter.isActive()) return;
    const double schaal = pixelsPerMm();
    m_painter.setPen(Pen(dikte, kleur));
    m_painter.drawLine(QPointF(x1 * schaal, y1 * schaal), QPointF(x2 * schaal, y2 * schaal));
}

void Printervlak::tekenKader(double x1, double y1, double x2, double y2, int dikte) {
    if (!m_painter.isActive()) return;
    const double schaal = pixelsPerMm();
    m_painter.setPen(Pen(dikte, 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(QPointF(x1 * schaal, y1 * schaal), QPointF(x2 * schaal, y2 * schaal)));
}

void Printervlak::tekenBeeld(double x, double y, double b, double h, const Schilder& schilder) {
    if (!m_painter.isActive()) return;
    const double schaal = pixelsPerMm();
    const QRectF gebied(x * schaal, y * schaal, b * schaal, h * schaal);
    // The picture is painted as on a screen of 96 pixels per inch, so that its pens and fonts keep the
    // proportions they have on screen; the print font in pixels of that size.
    const double vergroting = m_printer->resolution() / 96.0;
    QFont lettertype = m_font;
    lettertype.setPixelSize(std::max(1, qRound(m_font.pointSizeF() * 96.0 / 72.0)));
    m_painter.save();
    m_painter.setClipRect(gebied);
    m_painter.translate(gebied.topLeft());
    m_painter.scale(vergroting, vergroting);
    m_painter.setFont(lettertype);
    schilder(m_painter, QRectF(0, 0, gebied.width() / vergroting, gebied.height() / vergroting));
    m_painter.restore();
}

bool Printervlak::beeindig(int) {
    if (m_painter.isActive() && !m_painter.end()) m_fout = true;
    return !m_fout;
}
