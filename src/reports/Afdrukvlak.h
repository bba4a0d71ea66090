#pragma once
// The page surface the print engine draws on, in millimetres from the top left of the printable area:
// text in a font, lines and unfilled boxes with a width in printer pixels, new pages and the end of
// the document. One surface paints on a printer or a PDF file (Printervlak), one records every call
// as a line of text (Opnamevlak).
//
// Pages begin lazily: a page starts with the first drawing after the start of the job or after
// nieuwePagina(), so a job that draws nothing prints nothing, and a job whose last call is a new page
// does not end with a blank page. Two new pages without a drawing in between give one page break.
#include "shared/Lettertype.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QPainter;
class QRectF;

class Afdrukvlak {
public:
    virtual ~Afdrukvlak() = default;

    // The printable width and height in the current orientation.
    virtual double breedte() const = 0;
    virtual double hoogte() const = 0;
    // 1 portrait, 2 landscape; takes effect for pages not yet begun.
    virtual void zetOrientatie(int16_t orientatie) = 0;
    virtual int16_t orientatie() const = 0;
    // The font names the surface offers, as the system's font list gives them.
    virtual QStringList lettertypen() const = 0;

    // The font of the texts that follow (name, size in points, bold, italic, underline, strikethrough;
    // the colour is not used: text is black).
    virtual void zetLettertype(const Lettertype& lettertype) = 0;
    // The extent of a text in the current font.
    virtual double tekstBreedte(const QString& tekst) = 0;
    virtual double tekstHoogte(const QString& tekst) = 0;

    // A text with its top left at (x, y).
    void tekst(double x, double y, const QString& tekst);
    // A straight line, `dikte` printer pixels wide, in colour `kleur` (red + 256 x green + 65536 x
    // blue).
    void lijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur);
    // An unfilled box with corners (x1, y1) and (x2, y2), black.
    void kader(double x1, double y1, double x2, double y2, int dikte);

    // A picture in the box from (x, y), `b` wide and `h` high: `schilder` paints it into the rectangle
    // it is given, in pixels of 1/96 inch as on a screen, with the print font (a recording surface only
    // notes the box).
    using Schilder = std::function<void(QPainter&, const QRectF&)>;
    void beeld(double x, double y, double b, double h, const Schilder& schilder);

    // Ends the page; the next drawing begins a new one.
    void nieuwePagina();
    // Ends the document (sends the job); false when the job could not be made or written.
    bool einde();
    // Pages begun so far.
    int paginas() const { return m_paginas; }

protected:
    // Begins page `nummer` (1 for the first page of the job).
    virtual void beginPagina(int nummer) = 0;
    virtual void tekenTekst(double x, double y, const QString& tekst) = 0;
    virtual void tekenLijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur) = 0;
    virtual void tekenKader(double x1, double y1, double x2, double y2, int dikte) = 0;
    virtual void tekenBeeld(double x, double y, double b, double h, const Schilder& schilder) = 0;
    // Ends the job; `paginas` pages were begun (0: nothing was drawn).
    virtual bool beeindig(int paginas) = 0;

private:
    void zorgVoorPagina();
    int m_paginas = 0;
    bool m_nieuwePagina = true;
    bool m_beeindigd = false;
};

// A colour value (red + 256 x green + 65536 x blue) as "#rrggbb".
QString KleurTekst(int32_t kleur);
