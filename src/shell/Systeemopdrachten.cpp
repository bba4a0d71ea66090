#include "shell/Systeemopdrachten.h"

#include "acquisition/Commandos.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "platform/Datum.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "views/frmTabel.h"

namespace {

constexpr uint8_t ResetCode = 253;
constexpr int ResetWacht = 250;

const QString Tijd = QStringLiteral("Time");

void MeldReset(int rack, int module, int tekst) {
    const QString regelEinde = QStringLiteral("\r\n");
    const QString regel = Tekst[tekst] + QStringLiteral(": ") + Tekst[462];
    SchrijfLogboek(rack, module, regel);
    hoofdvenster().TerminalToevoegen(regel + regelEinde, false);
}

void BewaarTijdBasis() {
    BewaarInstelling(AppNaam, Tijd, QStringLiteral("Base"), platform::DatumTijdTekst(TijdBasis));
}

} // namespace

void SysteemReset() {
    // No snapshot and no polling while the racks reset.
    const platform::Vlaghouder pauze(PauzeOpvragen);
    const platform::Vlaghouder meten(MetenActief);
    Wacht(ResetWacht);
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            ZendModuleCommando(r, m, QString::number(ResetCode));
            Wacht(ResetWacht);
            MeldReset(r, m, 451);
        }
        ZendRackCommando(r, ResetCode);
        Wacht(ResetWacht);
        MeldReset(r, 0, 450);
    }
}

int32_t HuidigeRij(const frmTabel& tabel) {
    const TabelGrid* grid = tabel.MSHFlexGrid[static_cast<size_t>(tabel.GekozenModule())];
    if (!grid || grid->Model().rowCount() == 0) return 0;
    const QModelIndex huidig = grid->currentIndex();
    return huidig.isValid() ? huidig.row() + 1 : 0;
}

bool WisselRelatieveTijd(frmTabel& tabel) {
    RelatieveTijd = !RelatieveTijd;
    if (RelatieveTijd) {
        const int32_t rij = HuidigeRij(tabel);
        if (rij > 0) {
            const int16_t m = tabel.GekozenModule();
            platform::Datum datum = 0, tijd = 0;
            if (platform::LeesDatumTijd(tabel.CelTekst(m, rij, KolomDatum), datum) &&
                platform::LeesDatumTijd(tabel.CelTekst(m, rij, KolomTijd), tijd)) {
                TijdBasis = datum + tijd;
                OpenGegevensbestand();
                BewaarTijdBasis();
            }
        } else {
            RelatieveTijd = false;
        }
    } else {
        OpenGegevensbestand();
    }
    BewaarInstelling(AppNaam, Tijd, QStringLiteral("Relative"),
                     RelatieveTijd ? QStringLiteral("-1") : QStringLiteral("0"));
    return RelatieveTijd;
}

void ZetTijdOorsprong(frmTabel& tabel) {
    if (!RelatieveTijd) return;
    // On the header row there is no time to take: the time base stays as it is.
    const int32_t rij = HuidigeRij(tabel);
    if (rij < 1) return;
    const int16_t m = tabel.GekozenModule();
    if (tabel.CelTekst(m, rij, KolomDatum).trimmed().isEmpty() ||
        tabel.CelTekst(m, rij, KolomTijd).trimmed().isEmpty())
        return;
    TijdBasis = TijdUitRelatief(tabel.Ri(), m, rij);
    OpenGegevensbestand();
    BewaarTijdBasis();
}
