#include "shared/Voortgang.h"

#include "platform/Klok.h"

bool VoortgangAfbreken = false;

namespace {
VoortgangVenster* venster = nullptr;

std::function<void()>& afbreekActie() {
    static std::function<void()> a;
    return a;
}
} // namespace

void ZetVoortgangVenster(VoortgangVenster* v) {
    venster = v;
}
void ZetVoortgangAfbreekActie(std::function<void()> actie) {
    afbreekActie() = std::move(actie);
}

void VoortgangAfbrekenGevraagd() {
    if (afbreekActie()) afbreekActie()();
}

void ToonVoortgang(int16_t minimum, int16_t maximum, int16_t waarde, const QString& tekst) {
    if (venster) venster->Toon(minimum, maximum, waarde, tekst);
    VoortgangAfbreken = false;
}

void ZetVoortgang(int16_t waarde, bool& afgebroken) {
    platform::klok().pompZonderWachten();
    if (venster) venster->Zet(waarde);
    afgebroken = venster && venster->Onderbroken();
}

void SluitVoortgang() {
    if (venster) venster->Sluit();
}

void ResetVoortgang() {
    SluitVoortgang();
    venster = nullptr;
    afbreekActie() = nullptr;
    VoortgangAfbreken = false;
}
