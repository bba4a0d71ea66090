#pragma once
// The main window's area of child windows, as the windows of every folder reach it without knowing the
// main window: a new child window is handed over (from then on the area owns it) and later shown
// there. The main window registers its side at start-up. Without it a child window stands on its own
// as a top-level window, kept here until ResetKindvensters.
#include <memory>

class QWidget;

class Kindvensterbeheer {
public:
    virtual ~Kindvensterbeheer() = default;
    // Takes the window into the area, hidden, and owns it from now on. The class's own keeps it as a
    // window of its own.
    virtual void NeemOp(std::unique_ptr<QWidget> venster);
    // Shows a window taken in before.
    virtual void Toon(QWidget* venster);
};

// Registers the main window's side (nullptr: none).
void ZetKindvensterbeheer(Kindvensterbeheer* beheer);
Kindvensterbeheer& kindvensterbeheer();
void NeemKindvensterOp(std::unique_ptr<QWidget> venster);
void ToonKindvenster(QWidget* venster);
// The frame that carries the window's title, position and size: the sub-window the area put around
// it, or the window itself when it stands alone.
QWidget* Kindvensterkader(QWidget* venster);
// Puts the frame in state 0 normal, 1 minimised, 2 maximised. A frame already in that state is left as
// it is: a sub-window asked for the normal state while it has it would shrink to its title bar.
void ZetKindvensterStatus(QWidget* kader, int status);
// Forgets the registered side and closes the windows kept here.
void ResetKindvensters();
