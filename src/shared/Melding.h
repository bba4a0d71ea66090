#pragma once
// The program's message box, as the engine sees it: text, style flags and title in, the button pressed
// out. The style's low three bits choose the buttons, bits 4 to 6 the icon (the MsgBox values below).
// The window side registers the real box at start-up; tests register their own answer.
#include <QString>
#include <functional>
#include <vector>

enum MeldingStijl : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MeldingAntwoord : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

// The box itself. Without a registered box nothing is shown and every question is answered with the
// box's default button.
class MeldingVenster {
public:
    virtual ~MeldingVenster() = default;
    // Shows the box and waits (pumping events) for the button pressed.
    virtual int Toon(const QString& tekst, int stijl, const QString& titel);
};
// Registers the box (nullptr: none).
void ZetMeldingVenster(MeldingVenster* venster);
MeldingVenster& meldingVenster();

// Shows the box and waits (pumping events) for the answer: the button pressed, or AntwoordBijSluiten when
// the box was closed without one (0 for Yes/No). Once the program ends with no one to answer
// (platform::NiemandAntwoordt), no box is shown: the answer is AntwoordZonderGebruiker.
int ToonMelding(const QString& tekst, int stijl = vbOKOnly, const QString& titel = QString());
// The same box where the platform's standard box is asked for: a question or refusal that takes the
// user's input alone until it is answered (no other window, menu or key of the program takes any), while
// polling, the timers, logging and the windows' display go on behind it. Its look, sound and texts are the
// program's box's.
int ToonStandaardMelding(const QString& tekst, int stijl = vbOKOnly, const QString& titel = QString());
// Whether the box being shown now (the innermost one that waits) was asked for as the standard box: the
// box window makes itself modal to the user for it.
bool StandaardMeldingGevraagd();
// The number of boxes waiting for an answer now (boxes opened inside another box's wait count too).
int OpenMeldingen();
// The number of boxes shown so far. Each waited for its answer, pumping events: what was found of a file
// before one may no longer hold after it.
int MeldingenGetoond();

// A question whose subject can go elsewhere while it waits (the rows it asks about move to another file)
// can be withdrawn: TrekMeldingIn closes the box without an answer, as if it had not been asked, and
// ToonMelding then returns 0 with `ingetrokken` set. `nummer` names the box while it waits.
struct IntrekbareMelding {
    int nummer = 0;
    bool ingetrokken = false;
};
int ToonMelding(const QString& tekst, int stijl, const QString& titel, IntrekbareMelding& intrekbaar);
// Withdraws the box of that number, when it still waits.
void TrekMeldingIn(int nummer);
// The window side: how the box that is being shown now is closed when it is withdrawn.
void ZetMeldingSluiter(std::function<void()> sluit);

// Holds back the boxes that only inform (OK alone) for as long as it lives, so that they do not stop
// what is still being started (the program's start, until polling and logging run). A question is
// shown at once: its answer is needed now. Once the last holder lets go, the boxes held back are shown
// in the order they were told, from the program's event loop, where they wait beside the run as every
// other box does. Holders may end in any order.
class MeldingenTerughouden {
public:
    MeldingenTerughouden();
    ~MeldingenTerughouden();
    MeldingenTerughouden(const MeldingenTerughouden&) = delete;
    MeldingenTerughouden& operator=(const MeldingenTerughouden&) = delete;
};
// Empties the boxes held back and lets go of every hold.
void ResetTeruggehoudenMeldingen();
// The box's default answer: Cancel where the box has one, else its default button (the one Enter presses
// when the box opens). The answer of a box that nothing is shown for.
int StandaardAntwoord(int stijl);
// What a box of this style answers when it is closed without a choice (its title bar, Alt+F4, the window
// system, or the program unloading it): a close is no button and agrees to nothing. Cancel where the box has
// one, OK where OK is its only button, else 0, no button: Yes/No and Abort/Retry/Ignore have no button that
// changes nothing for every caller, and their callers act only on the buttons they name.
int AntwoordBijSluiten(int stijl);
// The button a box of this style answers when no one can answer it (the program ends with no one at it):
// the one that changes nothing. Cancel where the box has one, else No, else Abort, else OK: a question
// whose Yes would delete, rename or overwrite a file gets No.
int AntwoordZonderGebruiker(int stijl);

// The buttons of a style, left to right, with the one that has the focus when the box opens (Enter
// presses it) and the one that Escape presses (0: Escape does nothing). Button sets 6 and 7, which no
// caller uses, get an OK button so that the box can always be answered.
struct MeldingKnoppen {
    std::vector<int> knoppen;
    int focus = vbOK;
    int escape = vbOK;
};
MeldingKnoppen KnoppenVanStijl(int stijl);

// The picture (1 critical, 2 information, 3 question, 4 exclamation) and the sound (104..108) of a
// style's icon; a style without an icon value shows the exclamation picture with sound 108.
struct MeldingIcoon {
    int plaatje = 4;
    int geluid = 108;
};
MeldingIcoon IcoonVanStijl(int stijl);

// What every box does to the main window after it is answered. The main window registers itself at
// start-up; until then nothing happens.
class MeldingOmgeving {
public:
    virtual ~MeldingOmgeving() = default;
    // The main window is enabled again, unless a window holds it disabled (HoudHoofdvensterUit).
    virtual void ZetHoofdvensterIngeschakeld() {}
    // Panel 3 of the main window's status bar shows `tekst`.
    virtual void ZetStatusPaneel3(const QString& tekst) { (void)tekst; }
};
// Registers the main window's side (nullptr: none).
void ZetMeldingOmgeving(MeldingOmgeving* omgeving);

// A window that keeps the main window disabled while it is open (the module settings, a factory
// dialog) holds it, and lets go when it closes: a box answered meanwhile, also one shown from the
// loop's own work, then leaves the main window disabled. Holds are counted.
void HoudHoofdvensterUit(bool houden);
bool HoofdvensterUitgehouden();
MeldingOmgeving& meldingOmgeving();
