#include "reports/Afdrukvlak.h"

void Afdrukvlak::zorgVoorPagina() {
    if (!m_nieuwePagina) return;
    m_nieuwePagina = false;
    beginPagina(++m_paginas);
}

void Afdrukvlak::tekst(double x, double y, const QString& tekst) {
    if (m_beeindigd || tekst.isEmpty()) return;
    zorgVoorPagina();
    tekenTekst(x, y, tekst);
}

void Afdrukvlak::lijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur) {
    if (m_beeindigd) return;
    zorgVoorPagina();
    tekenLijn(x1, y1, x2, y2, dikte, kleur);
}

void Afdrukvlak::kader(double x1, double y1, double x2, double y2, int dikte) {
    if (m_beeindigd) return;
    zorgVoorPagina();
    tekenKader(x1, y1, x2, y2, dikte);
}

void Afdrukvlak::beeld(double x, double y, double b, double h, const Schilder& schilder) {
    if (m_beeindigd || !schilder) return;
    zorgVoorPagina();
    tekenBeeld(x, y, b, h, schilder);
}

void Afdrukvlak::nieuwePagina() {
    m_nieuwePagina = true;
}

bool Afdrukvlak::einde() {
    if (m_beeindigd) return true;
    m_beeindigd = true;
    return beeindig(m_paginas);
}

QString KleurTekst(int32_t kleur) {
    return QStringLiteral("#%1%2%3")
        .arg(kleur & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((kleur >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((kleur >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}
