#pragma once
// Where the program is put together: every seam between the folders is filled here and nowhere else.
// Installatie.cpp opens with the list of the seams and the way every seam is built.
#include <memory>

class mdiK740;

// Fills every seam for the life of the object, the main window's sides included (main makes one right
// after the main window); takes them away again when it goes.
class Installatie {
public:
    explicit Installatie(mdiK740& hoofdvenster);
    ~Installatie();
    Installatie(const Installatie&) = delete;
    Installatie& operator=(const Installatie&) = delete;

private:
    struct Delen;
    std::unique_ptr<Delen> m_delen;
};

// Registers only the main window's own sides: what the engine asks of it (Hoofdvenster), what every
// message box does to it (MeldingOmgeving), its area of child windows (Kindvensterbeheer), what a
// closing graph window tells it and the Graph menu its chart pops up (GrafiekvensterOmgeving) and what a
// table window asks of its menus and toolbar (TabelvensterOmgeving). Tests that make a main window without
// the rest of the program call this; the window deregisters itself when it goes.
void InstalleerHoofdvenster(mdiK740& hoofdvenster);
