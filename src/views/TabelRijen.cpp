#include "views/TabelRijen.h"

#include "acquisition/Kanaalteksten.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Temperatuur.h"
#include "files/Tijdbasis.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Opmaak.h"

namespace {

const QString OR = QStringLiteral("OR.");
const QString Blanco = QStringLiteral(" ");

// The trimmed unit of input n's temperature channel, stored back trimmed.
QString TemperatuurEenheid(int r, int m, int n) {
    KanaalRecord& t = Racks[r].Modules[m].Temperatuur[n];
    const QString eenheid = t.Unit.getrimd();
    t.Unit = eenheid;
    return eenheid;
}

} // namespace

void ZetTijdCellen(TabelRij& rij) {
    // Every module of every rack writes the same time into its row: it is formatted once.
    static platform::Datum tijd = -1, basis = -1;
    static bool relatief = false;
    static TijdCellen cellen;
    if (tijd != TijdMeting || basis != TijdBasis || relatief != RelatieveTijd) {
        cellen = TijdCellenVan(TijdMeting);
        tijd = TijdMeting;
        basis = TijdBasis;
        relatief = RelatieveTijd;
    }
    rij[KolomDatum] = cellen.kolom1;
    rij[KolomTijd] = cellen.kolom2;
}

TabelRij LiveRij(int r, int m, const QString& info) {
    TabelRij rij;
    ZetTijdCellen(rij);
    if (info == InfoStop) return rij;
    const bool meten = RackVlaggen[r].Measure;
    const bool opgegeven = Racks[r].Modules[m].GeenAntwoordTeller > 0;
    for (int n = 1; n <= AantalIngangen; ++n) {
        const auto c = static_cast<size_t>(KolomVanKanaal(n));
        if (!Racks[r].Modules[m].Meting[n].Set) {
            rij[c] = rij[c + 1] = rij[c + 2] = rij[c + 3] = Blanco;
            continue;
        }
        const QString eenheid = TemperatuurEenheid(r, m, n);
        if (!meten) {
            rij[c] = rij[c + 2] = Blanco;
        } else if (!opgegeven) {
            // A value that is invalid only because of its temperature shows empty.
            rij[c] = MeetwaardeTekst(r, m, n).remove(OR + eenheid);
            rij[c + 2] = TemperatuurTekst(r, m, n);
        }
        rij[c + 1] = EenheidTekst(r, m, n);
        rij[c + 3] = eenheid;
    }
    rij[KolomInfo] = info;
    return rij;
}

TabelRij BestandsRij(int r, int m, Regelvelden& velden) {
    TabelRij rij;
    ZetTijdCellen(rij);
    for (int n = 1; n <= AantalIngangen; ++n) {
        const auto c = static_cast<size_t>(KolomVanKanaal(n));
        const uint8_t flags = TekstNaarByte(velden.VolgendVeld());
        const QString waarde = velden.VolgendVeld();
        rij[c] = BitGezet(flags, VlagBovenBereik | VlagOnderBereik) ? OR : MetDecimaalTeken(waarde);
        rij[c + 1] = velden.VolgendVeld();
        const QString temperatuur = velden.VolgendVeld();
        const QString bestandsEenheid = velden.VolgendVeld().trimmed();
        if (BitGezet(flags, VlagTemperatuurTeHoog | VlagTemperatuurTeLaag)) {
            rij[c + 2] = OR;
            rij[c] = Blanco;
            rij[c + 3] = TemperatuurEenheid(r, m, n);
        } else if (!temperatuur.isEmpty()) {
            const QString eenheid = TemperatuurEenheid(r, m, n);
            const float t = CelsiusNaarEenheid(
                EenheidNaarCelsius(TekstNaarSingle(temperatuur), bestandsEenheid), eenheid);
            rij[c + 2] = OpmaakSingle(t, FormaatDecimalen(r, m, n));
            rij[c + 3] = eenheid;
        }
    }
    rij[KolomInfo] = velden.VolgendVeld();
    return rij;
}
