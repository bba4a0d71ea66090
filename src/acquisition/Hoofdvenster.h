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
    // The hourglass while a data file is opened (true), the normal pointer again (false).
    virtual void ZetWachtcursor(bool /*wachten*/) {}
    // Refreshes every open graph window from the table data.
    virtual void VernieuwGrafieken() {}
    // Removes a file from the recent-file list.
    virtual void VerwijderRecentBestand(const QString& /*naam*/) {}
};

Hoofdvenster& hoofdvenster();
// Registers the main window (nullptr: none).
void ZetHoofdvenster(Hoofdvenster* venster);
