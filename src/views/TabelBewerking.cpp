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
#include <optional>
#include <vector>

namespace {

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

// Rows r1..r2 that still have a time in module Mi's grid: the others have no line, and are passed by.
std::vector<int32_t> RijenMetTijd(int16_t rack, int16_t Mi, int32_t r1, int32_t r2) {
    std::vector<int32_t> rijen;
    for (int32_t r = std::max(r1, 1); r <= r2; ++r)
        if (!ZonderTijd(rack, Mi, r)) rijen.push_back(r);
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
        rijen = RijenMetTijd(rack, Mi, r1, r2);
        Regelwijzer wijzer(bestand, rack, Mi, rijen);
        while (std::optional<QString> regel = bewerking.LeesRegel()) {
            if (const Regelwijzer::Plaats p = wijzer.Volgende(*regel); p.gezocht)
                for (const int16_t veld : indeling.Kolommen(*regel, p.rij, Mi, bestandskolommen))
                    if (veld > 0) VervangVeld(*regel, veld, QString());
            bewerking.SchrijfRegel(*regel);
        }
    }
    if (!EindeBewerking(bewerking, bestand)) return false;
    for (const int32_t r : rijen)
        for (const int16_t c : kolommen)
            venster->ZetCelTekst(Mi, r, c, QString());
    return true;
}

bool VerwijderRijenUitBestand(int16_t rack, int16_t Mi, int32_t r1, int32_t r2) {
    if (!TabelVensters.Maak(rack)) return false;
    const QString bestand = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    Bewerking bewerking;
    if (!BeginBewerking(bewerking, bestand)) return false;
    std::vector<int32_t> rijen;
    if (const std::optional<QString> kop = bewerking.LeesRegel()) {
        bewerking.SchrijfRegel(*kop); // the header
        rijen = RijenMetTijd(rack, Mi, r1, r2);
        Regelwijzer wijzer(bestand, rack, Mi, rijen);
        // The lines of the rows go: they are not written.
        while (const std::optional<QString> regel = bewerking.LeesRegel())
            if (!wijzer.Volgende(*regel).gezocht) bewerking.SchrijfRegel(*regel);
    }
    if (!EindeBewerking(bewerking, bestand)) return false;
    for (const int32_t r : rijen)
        WisRijInTabellen(r);
    return true;
}
