#pragma once
// The chart of a graph window: value and time axis with their divisions and titles, the legend, the
// two alarm lines, up to 32 curves with gaps at missing points, statistic lines, point markers and the
// read-out strip. One routine paints it on any QPainter (the screen, an image for the clipboard, a
// page), from a small value object; dense curves are drawn per pixel column, so the cost follows the
// width and not the number of points.
#include "views/DiagramMaths.h"
#include "views/Grafiekmodel.h"

#include <QFont>
#include <QWidget>
#include <array>
#include <vector>

class QPainter;
class QFontMetricsF;

// What the chart shows; it refers to the model's grid, so it lives no longer than the model.
struct DiagramBeeld {
    const DiagramRaster* raster = nullptr;
    std::array<ReeksBeeld, AantalDiagramReeksen + 1> reeksen;
    bool legende = false;
    QString titelWaardenas;
    QString titelTijdsas;
    bool automatisch = true;
    double minimum = -100, maximum = 100;
    int verdelingen = 10, onderverdelingen = 1;
    int tijdVerdelingen = 7;
    bool voetnootZichtbaar = false;
    QString voetnoot;
    int markerReeks = 0;  // its points carry markers
    int gekozenReeks = 0; // the selected point's series and row
    int gekozenPunt = 0;
    // The width of the thin curve pen where points crowd: 0 a hairline (screen), 1 a pixel (paper, where
    // a hairline is the printer's thinnest line).
    double dunnePen = 0;
};
DiagramBeeld BeeldVan(const Grafiekmodel& model);

// Where the chart's parts lie in a given rectangle.
struct DiagramGeometrie {
    DiagramIndeling indeling;
    Waardenas as;
};
DiagramGeometrie BerekenGeometrie(const QRectF& gebied, const DiagramBeeld& beeld, const QFontMetricsF& fm);

// The smallest chart that shows its axes with their labels, a plot area to read and its legend whole.
QSizeF KleinsteDiagramMaat(const DiagramBeeld& beeld, const QFontMetricsF& fm);

// A label of an axis as it is drawn: its text, whole, and the box it is drawn in.
struct AsLabel {
    QString tekst;
    QRectF vak;
};
// The value axis's labels that are drawn: in the program's number form, in powers of ten where the
// plain numbers would not fit the label band, never two on top of each other.
std::vector<AsLabel> WaardeasLabels(const DiagramGeometrie& g, const QFontMetricsF& fm);

// The time axis's labels that are drawn: each whole within the chart's width (a long one as date above
// time), those that would touch the one before them left out.
std::vector<AsLabel> TijdasLabels(const DiagramGeometrie& g, const DiagramBeeld& beeld,
                                  const QFontMetricsF& fm);

void TekenDiagram(QPainter& p, const QRectF& gebied, const DiagramBeeld& beeld);

// The point of a shown series nearest to `positie` within a few pixels; reeks 0 when none.
struct DiagramTreffer {
    int reeks = 0;
    int punt = 0;
};
DiagramTreffer ZoekPunt(const QRectF& gebied, const DiagramBeeld& beeld, const QFontMetricsF& fm,
                        QPointF positie);

class Diagram : public QWidget {
    Q_OBJECT
public:
    explicit Diagram(const Grafiekmodel& model, QWidget* parent = nullptr);
    // The chart's picture at the widget's size.
    QImage Afbeelding() const;

signals:
    void puntGekozen(int reeks, int punt);
    void dubbelKlik();
    // Any mouse button; the right one also pops the menu up at `globaal`.
    void muisKnop(Qt::MouseButton knop, QPoint globaal);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Grafiekmodel& m_model;
};
