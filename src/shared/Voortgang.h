#pragma once
// The progress window as the long operations see it (reading a measurement file, module transfers,
// printing). The operation shows it, moves its bar and learns at every step whether Cancel was
// pressed. The window side registers the real window at start-up; without one nothing is shown and
// Cancel is never pressed.
#include <QString>
#include <cstdint>

// The cancel state as the operations see it: cleared by ToonVoortgang, set by ZetVoortgang to the
// window's Cancel state.
extern bool VoortgangAfbreken;

// Shows the window with a bar from `minimum` to `maximum` at `waarde` and the text (taken over when the
// window opens; an open window keeps its text); clears VoortgangAfbreken.
void ToonVoortgang(int16_t minimum, int16_t maximum, int16_t waarde, const QString& tekst);
// Lets pending events run (so that a click on Cancel is handled now), moves the bar to `waarde` and
// returns the window's Cancel state, which it also keeps in VoortgangAfbreken.
bool ZetVoortgang(int16_t waarde);
// Closes the window, also when it is not shown.
void SluitVoortgang();

// What the window offers. Without a registered window nothing is shown and Cancel is never pressed.
class VoortgangVenster {
public:
    virtual ~VoortgangVenster() = default;
    // Shows the window, opening it with `tekst` when it is not open, with this range and value.
    virtual void Toon(int minimum, int maximum, int waarde, const QString& tekst) {
        (void)minimum, (void)maximum, (void)waarde, (void)tekst;
    }
    virtual void Zet(int waarde) { (void)waarde; }
    // Cancel was pressed since the window was opened.
    virtual bool Onderbroken() const { return false; }
    virtual void Sluit() {}
};
// Registers the window (nullptr: none).
void ZetVoortgangVenster(VoortgangVenster* venster);
VoortgangVenster& voortgangVenster();

// What the window's Cancel does beyond the window: it also ends a rack-link transaction in progress.
// The link's abort flag belongs to the acquisition engine, so the program registers this side at
// start-up; without it Cancel reaches no transaction.
class VoortgangOmgeving {
public:
    virtual ~VoortgangOmgeving() = default;
    virtual void Afbreken() {}
};
// Registers the side (nullptr: none).
void ZetVoortgangOmgeving(VoortgangOmgeving* omgeving);
VoortgangOmgeving& voortgangOmgeving();
// Called by the window when Cancel is pressed.
void VoortgangAfbrekenGevraagd();

void ResetVoortgang();
