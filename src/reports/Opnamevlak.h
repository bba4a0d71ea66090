#pragma once
// A page surface that records every drawing call as a line of text, for golden tests of printouts.
// Its font metrics are fixed and independent of the fonts installed: a character is 0.2 mm wide per
// point of the font size, a line 0.4 mm high per point (at 10 points 2 mm and 4 mm, close to a
// proportional sans-serif font). Lines, positions in millimetres with two decimals:
//   page 1
//   text 10.00 24.00 "Operator:" Arial 10 bold italic
//   line 10.00 30.00 190.00 30.00 3 #000000
//   box 10.00 30.00 190.00 277.00 3
//   end 2
#include "reports/Afdrukvlak.h"

class Opnamevlak : public Afdrukvlak {
public:
    // The printable width and height in portrait orientation (landscape swaps them).
    explicit Opnamevlak(double breedte = 200, double hoogte = 287);

    double breedte() const override;
    double hoogte() const override;
    void zetOrientatie(int16_t orientatie) override { m_orientatie = orientatie == 2 ? 2 : 1; }
    int16_t orientatie() const override { return m_orientatie; }
    QStringList lettertypen() const override { return Lettertypen; }
    void zetLettertype(const Lettertype& lettertype) override { m_lettertype = lettertype; }
    double tekstBreedte(const QString& tekst) override;
    double tekstHoogte(const QString& tekst) override;

    // The font names offered (a fixed list unless a test sets its own).
    QStringList Lettertypen = {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                               QStringLiteral("Times New Roman")};
    // Every call so far, one line each.
    QStringList Regels;
    // The lines joined with "\n" and ended by one.
    QString Tekst() const;

protected:
    void beginPagina(int nummer) override;
    void tekenTekst(double x, double y, const QString& tekst) override;
    void tekenLijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur) override;
    void tekenKader(double x1, double y1, double x2, double y2, int dikte) override;
    void tekenBeeld(double x, double y, double b, double h, const Schilder& schilder) override;
    bool beeindig(int paginas) override;

private:
    double m_breedte;
    double m_hoogte;
    int16_t m_orientatie = 1;
    Lettertype m_lettertype;
};
