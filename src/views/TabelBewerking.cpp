#include "views/TabelBewerking.h"

#include "acquisition/vensters/Tabelvenster.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"
#include "platform/Datum.h"
#include "views/TabelSelectie.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace {

// The row keeps no time: its date and time cells are empty.
bool ZonderTijd(Tabelvenster& venster, int16_t Mi, int32_t rij) {
    return venster.CelTekst(Mi, rij, KolomDatum).trimmed().isEmpty() &&
           venster.CelTekst(Mi, rij, KolomTijd).trimmed().isEmpty();
}

// Walks the working copy once, line after line, for the lines of the selected rows. Rows and lines
// keep the same order, and several rows may share one second (an end point written in the second of
// the snapshot before it, or the clock set back, which repeats a second far apart): a row's line is the
// line of its second that comes after the lines of all the rows before it in that second.
class Regelzoeker {
public:
    explicit Regelzoeker(Bewerking& bewerking) : m_bewerking(bewerking) {}

    // The line of a row in `seconde` with `ervoor` rows before it in that second: the lines before it are
    // written unchanged, the line itself is read and given back. Without such a line nothing is written
    // and the place stays where it was.
    std::optional<QString> Zoek(qint64 seconde, int ervoor) {
        const qsizetype begin = m_bewerking.Positie();
        int overslaan = std::max(0, ervoor - m_gelezen[seconde]);
        std::vector<std::optional<qint64>> seconden;
        bool gevonden = false;
        while (const std::optional<QString> l = m_bewerking.LeesRegel()) {
            const std::optional<qint64> s = SecondeVanRegel(*l);
            if (s == seconde && overslaan-- == 0) {
                gevonden = true;
                break;
            }
            seconden.push_back(s);
        }
        m_bewerking.ZetPositie(begin);
        if (!gevonden) return std::nullopt;
        for (const std::optional<qint64>& s : seconden) {
            if (s) ++m_gelezen[*s];
            if (const std::optional<QString> l = m_bewerking.LeesRegel())
                m_bewerking.SchrijfRegel(*l); // read just before: written with its own bytes
        }
        ++m_gelezen[seconde];
        return m_bewerking.LeesRegel();
    }

private:
    Bewerking& m_bewerking;
    std::map<qint64, int> m_gelezen; // lines passed so far, per second
};

void SchrijfRest(Bewerking& bewerking) {
    while (const std::optional<QString> regel = bewerking.LeesRegel())
        bewerking.SchrijfRegel(*regel);
}

// The grid columns a clear of columns c1..c2 empties: every odd column of 3..19 and the unit column
// beside a value or temperature column.
std::vector<int16_t> TeWissenKolommen(int16_t c1, int16_t c2) {
    std::vector<int16_t> kolommen;
    for (int16_t c = c1; c <= c2; ++c) {
        if (c < 3 || c > KolomInfo || c % 2 == 0) continue;
        kolommen.push_back(c);
        if (c < KolomInfo) kolommen.push_back(static_cast<int16_t>(c + 1));
    }
    return kolommen;
}

// Rows r1..r2 that still have a time; the others have no line.
std::vector<int32_t> RijenMetTijd(Tabelvenster& venster, int16_t Mi, int32_t r1, int32_t r2) {
    std::vector<int32_t> rijen;
    for (int32_t r = r1; r >= 1 && r <= r2; ++r)
        if (!ZonderTijd(venster, Mi, r)) rijen.push_back(r);
    return rijen;
}

} // namespace

bool WisSelectieInBestand(int16_t rack, int16_t Mi, int32_t r1, int32_t r2, int16_t c1, int16_t c2) {
    Tabelvenster* venster = TabelVensters.Maak(rack);
    if (!venster) return false;
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return false;
    const std::vector<int16_t> kolommen = TeWissenKolommen(c1, c2);
    std::vector<int32_t> rijen;
    if (const std::optional<QString> kop = bewerking.LeesRegel()) {
        bewerking.SchrijfRegel(*kop); // the header
        const Regelindeling indeling(*kop, rack);
        // The cells' fields in a module's block; in each line the fields they were read from (none for a
        // cell the line has no field for).
        std::vector<int16_t> bestandskolommen;
        for (const int16_t c : kolommen)
            bestandskolommen.push_back(BepBestandskolom(c));
        rijen = RijenMetTijd(*venster, Mi, r1, r2);
        const std::vector<int32_t> ervoor = RijenErvoorInSeconde(rack, Mi, rijen);
        Regelzoeker zoeker(bewerking);
        for (size_t i = 0; i < rijen.size(); ++i) {
            const int32_t r = rijen[i];
            std::optional<QString> regel = zoeker.Zoek(HeleSeconden(TijdVanRij(rack, Mi, r)), ervoor[i]);
            if (!regel) continue;
            for (const int16_t veld : indeling.Kolommen(*regel, r, rack, Mi, bestandskolommen))
                if (veld > 0) VervangVeld(*regel, veld, QString());
            bewerking.SchrijfRegel(*regel);
        }
        SchrijfRest(bewerking);
    }
    if (!EindeBewerking(bewerking, bestand)) return false;
    for (const int32_t r : rijen)
        for (const int16_t c : kolommen)
            venster->ZetCelTekst(Mi, r, c, QString());
    return true;
}

bool VerwijderRijenUitBestand(int16_t rack, int16_t Mi, int32_t r1, int32_t r2) {
    Tabelvenster* venster = TabelVensters.Maak(rack);
    if (!venster) return false;
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return false;
    std::vector<int32_t> rijen;
    if (const std::optional<QString> kop = bewerking.LeesRegel()) {
        bewerking.SchrijfRegel(*kop); // the header
        rijen = RijenMetTijd(*venster, Mi, r1, r2);
        const std::vector<int32_t> ervoor = RijenErvoorInSeconde(rack, Mi, rijen);
        Regelzoeker zoeker(bewerking);
        for (size_t i = 0; i < rijen.size(); ++i) // found: not written
            zoeker.Zoek(HeleSeconden(TijdVanRij(rack, Mi, rijen[i])), ervoor[i]);
        SchrijfRest(bewerking);
    }
    if (!EindeBewerking(bewerking, bestand)) return false;
    for (const int32_t r : rijen)
        WisRijInTabellen(r);
    return true;
}
