#pragma once
// What the engine asks of the main window. The main window registers its implementation at start-up;
// until then (and in tests that register nothing) every call does nothing.
#include <QString>

class Hoofdvenster {
public:
    virtual ~Hoofdvenster() = default;
    // Caption: the product text and the current data file.
    virtual void ZetTitel() {}
    // Stops a logging run.
    virtual void StopVerbinding() {}
    // Forgets every child window of the window arrays (rack, table and graph windows).
    virtual void WisVensterLijsten() {}
    // The name of the rack-link port as the settings give it ("COM1", or a device path).
    virtual QString PoortNaam() const { return QStringLiteral("COM1"); }
};

Hoofdvenster& hoofdvenster();
// Registers the main window (nullptr: none).
void ZetHoofdvenster(Hoofdvenster* venster);
