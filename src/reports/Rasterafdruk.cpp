#include "reports/Rasterafdruk.h"

#include "files/CsvVelden.h"

#include <QStringList>
#include <algorithm>

// ---- Raster -----------------------------------------------------------------------------------------

Raster::Raster(int rijen, int kolommen)
    : m_rijen(std::max(0, rijen)), m_kolommen(std::max(0, kolommen)),
      m_cellen(static_cast<std::size_t>(m_rijen) * static_cast<std::size_t>(m_kolommen)),
      m_breedtes(static_cast<std::size_t>(m_kolommen), 1000.0),
      m_uitlijning(static_cast<std::size_t>(m_kolommen), UitlijningLinks) {
    m_lettertype.naam = QStringLiteral("Arial");
    m_lettertype.grootte = 8;
}

QString Raster::CelTekst(int rij, int kolom) const {
    if (rij < 0 || rij >= m_rijen || kolom < 0 || kolom >= m_kolommen) return QString();
    return m_cellen[static_cast<std::size_t>(rij * m_kolommen + kolom)];
}

double Raster::KolomBreedte(int kolom) const {
    return kolom >= 0 && kolom < m_kolommen ? m_breedtes[static_cast<std::size_t>(kolom)] : 0.0;
}

int16_t Raster::KolomUitlijning(int kolom) const {
    return kolom >= 0 && kolom < m_kolommen ? m_uitlijning[static_cast<std::size_t>(kolom)] : UitlijningLinks;
}

int16_t Raster::CelUitlijning(int rij, int kolom) const {
    const auto i = m_celUitlijning.find({rij, kolom});
    return i != m_celUitlijning.end() ? i->second : KolomUitlijning(kolom);
}

Lettertype Raster::CelLettertype(int rij, int kolom) const {
    const auto i = m_celLettertype.find({rij, kolom});
    return i != m_celLettertype.end() ? i->second : m_lettertype;
}

void Raster::ZetCel(int rij, int kolom, const QString& tekst) {
    if (rij < 0 || rij >= m_rijen || kolom < 0 || kolom >= m_kolommen) return;
    m_cellen[static_cast<std::size_t>(rij * m_kolommen + kolom)] = tekst;
}

void Raster::ZetRij(int rij, const QStringList& teksten) {
    for (int k = 0; k < teksten.size(); ++k)
        ZetCel(rij, k, teksten.at(k));
}

void Raster::ZetKolomBreedte(int kolom, double twips) {
    if (kolom >= 0 && kolom < m_kolommen) m_breedtes[static_cast<std::size_t>(kolom)] = twips;
}

void Raster::ZetKolomUitlijning(int kolom, int16_t code) {
    if (kolom >= 0 && kolom < m_kolommen) m_uitlijning[static_cast<std::size_t>(kolom)] = code;
}

void Raster::ZetCelUitlijning(int rij, int kolom, int16_t code) {
    m_celUitlijning[{rij, kolom}] = code;
}

void Raster::ZetCelLettertype(int rij, int kolom, const Lettertype& lettertype) {
    m_celLettertype[{rij, kolom}] = lettertype;
}

// ---- Layout -----------------------------------------------------------------------------------------

double AfdrukKolomBreedte(const Afdrukraster& raster, int kolom) {
    const double b = raster.KolomBreedte(kolom);
    if (b >= 0) return b;
    return raster.AantalKolommen() > 0 ? raster.Breedte() / raster.AantalKolommen() : 0.0;
}

double BerekenTabelBreedte(const Afdrukraster& raster) {
    double som = 0;
    for (int k = 0; k < raster.AantalKolommen(); ++k)
        som += AfdrukKolomBreedte(raster, k);
    return som;
}

RasterSchaal BerekenRasterSchaal(const Afdrukraster& raster, double afdrukBreedte) {
    RasterSchaal s;
    const double breedte = BerekenTabelBreedte(raster);
    s.schaal = breedte > 0 ? afdrukBreedte / breedte : MaximaleRasterSchaal;
    if (!(s.schaal <= MaximaleRasterSchaal)) s.schaal = MaximaleRasterSchaal;
    if (s.schaal < 0) s.schaal = 0;
    s.lettergrootte = raster.Lettergrootte() * s.schaal * TwipsPerMm;
    return s;
}

double BepaalCelPositie(int16_t code, double x, double w, double cw) {
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 9:
        return x + 0.5;
    case 3:
    case 4:
    case 5:
        return x + cw / 2 - w / 2;
    case 6:
    case 7:
    case 8:
        return x + cw - w - 0.5;
    default:
        return x;
    }
}

GeknipteTekst KnipCelTekst(const QString& tekst, double tekstX, double links, double rechts,
                           const std::function<double(QChar)>& breedte) {
    GeknipteTekst uit;
    const double linkerGrens = links - 0.25;
    const double rechterGrens = rechts + 0.25;
    double x = tekstX;
    bool begonnen = false;
    for (const QChar c : tekst) {
        const double w = breedte(c);
        if (x < linkerGrens) {
            x += w;
            continue;
        }
        if (x + w > rechterGrens) break;
        if (!begonnen) {
            uit.x = x;
            begonnen = true;
        }
        uit.tekst.append(c);
        x += w;
    }
    if (!begonnen) uit.x = x;
    return uit;
}

// ---- Printing ---------------------------------------------------------------------------------------

void ZetCelLettertype(Printer& p, const Afdrukraster& raster, int rij, int kolom, double grootte) {
    const Lettertype cel = raster.CelLettertype(rij, kolom);
    p.Font.naam = cel.naam;
    p.Font.cursief = cel.cursief;
    p.Font.vet = cel.vet;
    p.Font.onderstreept = cel.onderstreept;
    p.Font.doorgehaald = cel.doorgehaald;
    p.Font.grootte = grootte;
    p.ForeColor = 0;
}

void PrintCelTekst(Printer& p, double x, double rechts, const Afdrukraster& raster, int rij, int kolom) {
    const QString tekst = raster.CelTekst(rij, kolom);
    if (NaarBestand) {
        SchrijfRapportVeld(RapportRack, RapportModule, RapportKanaal, tekst, false);
        return;
    }
    // Measured once: a text that starts inside the cell and ends before its right edge is printed
    // whole; only a text that does not fit is clipped character by character.
    const double linkerGrens = x - 0.25;
    const double rechterGrens = rechts + 0.25;
    bool past = p.CurrentX >= linkerGrens;
    double eind = p.CurrentX;
    for (qsizetype i = 0; i < tekst.size() && past; ++i) {
        const double w = p.TekenBreedte(tekst[i]);
        past = eind + w <= rechterGrens;
        eind += w;
    }
    if (past) {
        p.Print(tekst, false);
        return;
    }
    const GeknipteTekst deel =
        KnipCelTekst(tekst, p.CurrentX, x, rechts, [&p](QChar c) { return p.TekenBreedte(c); });
    p.CurrentX = deel.x;
    p.Print(deel.tekst, false);
}

namespace {

// Places and prints one cell of a row: measured and printed in the cell's own font.
void PrintCel(Printer& p, const Afdrukraster& raster, int rij, int kolom, double x, double y, double cw,
              int16_t code, double grootte, bool vet) {
    ZetCelLettertype(p, raster, rij, kolom, grootte);
    if (vet) p.Font.vet = true;
    const QString tekst = raster.CelTekst(rij, kolom);
    p.CurrentY = y;
    p.CurrentX = BepaalCelPositie(code, x, p.TextWidth(tekst), cw);
    PrintCelTekst(p, x, x + cw, raster, rij, kolom);
}

void SchrijfRegeleinde() {
    SchrijfRapportVeld(RapportRack, RapportModule, RapportKanaal, QString(), true);
}

} // namespace

void PrintTabelKop(Printer& p, const Afdrukraster& raster, double x0, double y, double schaal,
                   double grootte) {
    if (NaarBestand) {
        for (int k = 0; k < raster.AantalKolommen(); ++k)
            PrintCelTekst(p, 0, 0, raster, 0, k);
        return;
    }
    double x = x0;
    for (int k = 0; k < raster.AantalKolommen(); ++k) {
        const double cw = AfdrukKolomBreedte(raster, k) * schaal;
        PrintCel(p, raster, 0, k, x, y, cw, raster.KolomUitlijning(k), grootte, true);
        x += cw;
    }
}

void PrintTabelRij(Printer& p, const Afdrukraster& raster, int rij, double x0, double y, double schaal,
                   double grootte) {
    if (NaarBestand) {
        for (int k = 0; k < raster.AantalKolommen(); ++k)
            PrintCelTekst(p, 0, 0, raster, rij, k);
        return;
    }
    double x = x0;
    for (int k = 0; k < raster.AantalKolommen(); ++k) {
        const double cw = AfdrukKolomBreedte(raster, k) * schaal;
        PrintCel(p, raster, rij, k, x, y, cw, raster.CelUitlijning(rij, k), grootte, false);
        x += cw;
    }
}

void PrintKolomLijnen(Printer& p, const Afdrukraster& raster, double x0, double y, double schaal,
                      double lengte) {
    double x = x0;
    for (int k = 0; k < raster.AantalKolommen(); ++k) {
        x += AfdrukKolomBreedte(raster, k) * schaal;
        p.Line(x, y, x, y + lengte, p.ForeColor);
    }
    p.CurrentX = x0;
    p.CurrentY = y;
}

void PrintRaster(Printer& p, const Afdrukraster& raster, const std::vector<int>& gekozen) {
    std::vector<int> rijen = gekozen;
    if (rijen.empty())
        for (int r = 1; r < raster.AantalRijen(); ++r)
            rijen.push_back(r);

    if (NaarBestand) {
        PrintTabelKop(p, raster, 0, 0, 0, 0);
        SchrijfRegeleinde();
        for (const int r : rijen) {
            PrintTabelRij(p, raster, r, 0, 0, 0, 0);
            SchrijfRegeleinde();
        }
        return;
    }

    const RasterSchaal s = BerekenRasterSchaal(raster, RandRechts - RandLinks);
    std::size_t i = 0;
    bool eigenPagina = false; // a page this routine began: it takes a row however little room it has
    // A row's texts stand 0.5 mm below the rule above it; its column lines run from that rule down to
    // its own rule, one text line plus 1 mm lower.
    for (;;) {
        double boven = p.CurrentY;
        PrintTabelKop(p, raster, RandLinks, boven + 0.5, s.schaal, s.lettergrootte);
        const double lengte = p.TextHeight(QStringLiteral(" ")) + 1.0;
        PrintKolomLijnen(p, raster, RandLinks, boven, s.schaal, lengte);
        PrintScheidingslijn(p, 3);
        p.Font.vet = false;
        bool verplicht = eigenPagina;
        while (i < rijen.size() && (verplicht || p.CurrentY + lengte <= RandOnder)) {
            boven = p.CurrentY;
            p.CurrentX = RandLinks;
            PrintTabelRij(p, raster, rijen[i], RandLinks, boven + 0.5, s.schaal, s.lettergrootte);
            PrintKolomLijnen(p, raster, RandLinks, boven, s.schaal, lengte);
            PrintScheidingslijn(p, 1);
            verplicht = false;
            ++i;
        }
        if (i >= rijen.size()) break;
        p.NewPage();
        PrintPaginaHoofding(p);
        eigenPagina = true;
    }
}
