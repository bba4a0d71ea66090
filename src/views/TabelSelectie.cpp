#include "views/TabelSelectie.h"

#include "files/Meetregels.h"

#include <algorithm>
#include <cstdlib>

int32_t Geselecteerd(const Selectie& s, int32_t m) {
    if (s.Row < 1) return 0;
    if (m > 0) return m >= std::min(s.Row, s.RowSel) && m <= std::max(s.Row, s.RowSel) ? m : 0;
    return static_cast<int32_t>(std::llabs(static_cast<int64_t>(s.RowSel) - s.Row) + 1);
}

void BepaalSelectieRijen(const Selectie& s, int32_t& StartRij, int32_t& EindRij) {
    StartRij = std::min(s.Row, s.RowSel);
    EindRij = std::max(s.Row, s.RowSel);
}

void BepaalSelectieKolommen(const Selectie& s, int16_t& StartKolom, int16_t& EindKolom) {
    StartKolom = std::min(s.Col, s.ColSel);
    EindKolom = std::max(s.Col, s.ColSel);
}

Selectie NormaliseerSelectie(const Selectie& s) {
    Selectie n;
    BepaalSelectieRijen(s, n.Row, n.RowSel);
    int16_t c1 = 0, c2 = 0;
    BepaalSelectieKolommen(s, c1, c2);
    if (c1 >= 3 && c1 <= 18) {
        if (c1 % 2 == 0) --c1;
        if (c2 % 2 == 1 && c2 < 19) ++c2;
    }
    n.Col = c1;
    n.ColSel = c2;
    return n;
}

Selectie LijnSelectie(const Selectie& s, int16_t laatsteKolom) {
    return {s.Row, 1, s.RowSel, laatsteKolom};
}

QString KopieTekst(const Selectie& s, const std::function<QString(int32_t rij, int16_t kolom)>& cel) {
    int32_t r1 = 0, r2 = 0;
    int16_t c1 = 0, c2 = 0;
    BepaalSelectieRijen(s, r1, r2);
    BepaalSelectieKolommen(s, c1, c2);
    QString tekst;
    for (int32_t r = r1; r <= r2; ++r) {
        for (int16_t c = c1; c <= c2; ++c) {
            if (c > c1) tekst += QLatin1Char('\t');
            const QString t = cel(r, c);
            tekst += t.isEmpty() ? QStringLiteral(" ") : t;
        }
        tekst += QLatin1String("\r\n");
    }
    return tekst;
}

int16_t BepBestandskolom(int j) {
    if (j == 1 || j == 2) return 1;
    if (j >= 3 && j <= 6) return static_cast<int16_t>(j - 1);
    if (j >= 7 && j <= 10) return static_cast<int16_t>(j);
    if (j >= 11 && j <= 14) return static_cast<int16_t>(j + 1);
    if (j >= 15 && j <= 18) return static_cast<int16_t>(j + 2);
    if (j == 19) return InfoVeld;
    return 0;
}
