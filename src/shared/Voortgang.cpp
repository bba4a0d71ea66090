#include "shared/Voortgang.h"

#include "platform/Klok.h"

bool VoortgangAfbreken = false;

namespace {
VoortgangVenster* venster = nullptr;
VoortgangOmgeving* omgeving = nullptr;
} // namespace

void ZetVoortgangVenster(VoortgangVenster* v) {
    venster = v;
}
VoortgangVenster& voortgangVenster() {
    static VoortgangVenster geen;
    return venster ? *venster : geen;
}

void ZetVoortgangOmgeving(VoortgangOmgeving* o) {
    omgeving = o;
}
VoortgangOmgeving& voortgangOmgeving() {
    static VoortgangOmgeving geen;
    return omgeving ? *omgeving : geen;
}

void VoortgangAfbrekenGevraagd() {
    voortgangOmgeving().Afbreken();
}

void ToonVoortgang(int16_t minimum, int16_t maximum, int16_t waarde, const QString& tekst) {
    voortgangVenster().Toon(minimum, maximum, waarde, tekst);
    VoortgangAfbreken = false;
}

bool ZetVoortgang(int16_t waarde) {
    platform::klok().pompZonderWachten();
    VoortgangVenster& v = voortgangVenster();
    v.Zet(waarde);
    VoortgangAfbreken = v.Onderbroken();
    return VoortgangAfbreken;
}

void SluitVoortgang() {
    voortgangVenster().Sluit();
}

void ResetVoortgang() {
    SluitVoortgang();
    venster = nullptr;
    omgeving = nullptr;
    VoortgangAfbreken = false;
}
