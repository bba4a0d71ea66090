#include "reports/Opnamevlak.h"

namespace {

QString Mm(double w) {
    // No "-0.00".
    if (w > -0.005 && w < 0.005) w = 0;
    return QString::number(w, 'f', 2);
}

QString Getal(double w) {
    return QString::number(w, 'g', 6);
}

} // namespace

Opnamevlak::Opnamevlak(double breedte, double hoogte) : m_breedte(breedte), m_hoogte(hoogte) {
    m_lettertype.naam = QStringLiteral("Arial");
    m_lettertype.grootte = 10;
}

double Opnamevlak::breedte() const {
    return m_orientatie == 2 ? m_hoogte : m_breedte;
}

double Opnamevlak::hoogte() const {
    return m_orientatie == 2 ? m_breedte : m_hoogte;
}

double Opnamevlak::tekstBreedte(const QString& tekst) {
    return tekst.size() * m_lettertype.grootte * 0.2;
}

double Opnamevlak::tekstHoogte(const QString&) {
    return m_lettertype.grootte * 0.4;
}

QString Opnamevlak::Tekst() const {
    return Regels.isEmpty() ? QString() : Regels.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Opnamevlak::beginPagina(int nummer) {
    Regels.append(QStringLiteral("page %1").arg(nummer));
}

void Opnamevlak::tekenTekst(double x, double y, const QString& tekst) {
    QString regel = QStringLiteral("text %1 %2 \"%3\" %4 %5")
                        .arg(Mm(x), Mm(y), tekst, m_lettertype.naam, Getal(m_lettertype.grootte));
    if (m_lettertype.vet) regel += QStringLiteral(" bold");
    if (m_lettertype.cursief) regel += QStringLiteral(" italic");
    if (m_lettertype.onderstreept) regel += QStringLiteral(" underline");
    if (m_lettertype.doorgehaald) regel += QStringLiteral(" strikethrough");
    Regels.append(regel);
}

void Opnamevlak::tekenLijn(double x1, double y1, double x2, double y2, int dikte, int32_t kleur) {
    Regels.append(QStringLiteral("line %1 %2 %3 %4 %5 %6")
                      .arg(Mm(x1), Mm(y1), Mm(x2), Mm(y2))
                      .arg(dikte)
                      .arg(KleurTekst(kleur)));
}

void Opnamevlak::tekenKader(double x1, double y1, double x2, double y2, int dikte) {
    Regels.append(QStringLiteral("box %1 %2 %3 %4 %5").arg(Mm(x1), Mm(y1), Mm(x2), Mm(y2)).arg(dikte));
}

void Opnamevlak::tekenBeeld(double x, double y, double b, double h, const Schilder&) {
    Regels.append(QStringLiteral("picture %1 %2 %3 %4").arg(Mm(x), Mm(y), Mm(b), Mm(h)));
}

bool Opnamevlak::beeindig(int paginas) {
    Regels.append(QStringLiteral("end %1").arg(paginas));
    return true;
}
