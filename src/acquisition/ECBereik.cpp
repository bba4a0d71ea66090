#include "acquisition/ECBereik.h"

#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

namespace {
// Passes of command 30, 100 ms and a status read before the range counts as not taken.
constexpr int MaximaleBereikPogingen = 10;
constexpr int BereikWachttijd = 100;

bool Bevestigd(int rack, int module, uint8_t ingang, uint8_t bereik) {
    return Racks[rack].Modules[module].Meting[ingang + 1].Resolution == bereik && Antwoord == AntwoordFrame;
}
} // namespace

void ZendECBereik(int rack, int module, uint8_t ingang, uint8_t bereik) {
    if (!IsModulePlaats(rack, module)) return;
    Bestemming = BestemmingModule;
    Commando = CommandoECBereik;
    VerzendIdno = Racks[rack].Modules[module].Idno;
    AantalbytesUIT = 8;
    ZendKop();
    ZendByte(ingang);
    ZendByte(bereik);
    ZendStaart();
}

bool ZetECBereik(int rack, int module, uint8_t ingang, uint8_t bereik) {
    if (!IsModulePlaats(rack, module) || ingang >= AantalIngangen) return false;
    bool bevestigd = false;
    bool nietBeantwoord = false;
    for (int poging = 1;; ++poging) {
        platform::klok().pompZonderWachten();
        if (Afbreken || Demo) break;
        if (!MSComm1().isOpen()) {
            nietBeantwoord = true;
            break;
        }
        ZendECBereik(rack, module, ingang, bereik);
        // The status request clears Afbreken when it sends: an abort counts during the wait.
        if (!Afbreken) Wacht(BereikWachttijd);
        if (!Afbreken) LeesStatus(rack, module, 255);
        bevestigd = Bevestigd(rack, module, ingang, bereik);
        if (bevestigd || Afbreken) break;
        if (poging >= MaximaleBereikPogingen) {
            nietBeantwoord = true;
            break;
        }
    }
    if (bevestigd)
        hoofdvenster().TerminalToevoegen(QStringLiteral("CH") + QString::number(ingang + 1) +
                                             QStringLiteral("EC Range set = ") + QString::number(bereik) +
                                             QStringLiteral("\r\n"),
                                         false);
    else if (nietBeantwoord)
        ToonMelding(Tekst[129], vbExclamation | vbOKOnly, QString());
    return bevestigd;
}
