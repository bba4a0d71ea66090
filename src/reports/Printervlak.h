#pragma once
// The page surface on a QPrinter: a printer of the system's print service or a PDF file. Millimetres
// are taken from the top left of the printer's printable area; a printer pixel of a line width is
// 1/300 inch. The job starts with the first page that is drawn on, so a job that draws nothing
// leaves no file and sends nothing to the printer.
//
// A font name the system lacks is used as it is: the system's font matching picks the font that
// stands in for that name (with fonts-liberation, "Arial" becomes Liberation Sans).
#include "reports/Afdrukvlak.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <memory>
#include <optional>

class QPrinter;

class Printervlak : public Afdrukvlak {
public:
    explicit Printervlak(std::unique_ptr<QPrinter> printer);
    ~Printervlak() override;

    double breedte() const override;
    double hoogte() const override;
    void zetOrientatie(int16_t orientatie) override;
    int16_t orientatie() const override;
    QStringList lettertypen() const override;
    void zetLettertype(const Lettertype& lettertype) override;
    double tekstBreedte(const QString& tekst) override;
    double tekstHoogte(const QString& tekst) override;

    QPrinter& printer() { return *m_printer; }
    // The Qt font that prints the current font.
    const QFont& font() const { return m_font; }
    // The painter once the first page has begun (chart printing draws through it), else nullptr.
    QPainter* painter() { return m_painter.isActive() ? &m_painter : nullptr; }
    // Device pixels per millimetre.
    double pixelsPerMm() const;

protected:
    void beginPagina(int nummer) override;
    void tekenTekst(double x, double y, const QString& tekst) override;
    void tekenLijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur) override;
    void tekenKader(double x1, double y1, double x2, double y2, int dikte) override;
    void tekenBeeld(double x, double y, double b, double h, const Schilder& schilder) override;
    bool beeindig(int paginas) override;

private:
    QPen Pen(int dikte, int32_t kleur) const;
    const QFontMetricsF& Maat();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    // The font record m_font was made from, its metrics on the printer (made when first needed), and
    // the last text measured in it: a cell is measured to be placed and again when it is printed.
    std::optional<Lettertype> m_lettertype;
    std::optional<QFontMetricsF> m_maat;
    QString m_gemeten;
    double m_gemetenBreedte = 0;
    bool m_fout = false;
};

// The Qt font of a font record.
QFont QtLettertype(const Lettertype& lettertype);
