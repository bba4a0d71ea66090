#pragma once
// What the engine asks of the main window. The program registers the main window at start-up
// (Installatie); until then (and in tests that register nothing) every call does nothing.
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
    // Panel `paneel` (1, 2, 3) of the status bar shows the text.
    virtual void ZetStatusTekst(int /*paneel*/, const QString& /*tekst*/) {}
    // Appends the text to the terminal window (made on first use). With `hexadecimaal` the terminal
    // shows the characters of the text as hexadecimal byte values.
    virtual void TerminalToevoegen(const QString& /*tekst*/, bool /*hexadecimaal*/) {}
    // Shows the rack window of a rack, making it when it does not exist yet.
    virtual void ToonRackVenster(int /*rack*/) {}
    // Closes the system tree window and shows it again, so that it is built afresh.
    virtual void HerbouwSysteemboom() {}
    // The name of the rack-link port as the settings give it ("COM1", or a device path).
    virtual QString PoortNaam() const { return QStringLiteral("COM1"); }
    // Shows the main window itself.
    virtual void ToonHoofdvenster() {}
    // Opens the rack line (MSComm1) with the saved port settings; false when it could not be opened.
    virtual bool OpenCommPoort() { return true; }
    // Shows the settings window on tab `tab`; InstellingenAfgesloten is true once the user has closed it
    // (with no settings window, at once).
    virtual void ToonInstellingen(int /*tab*/) {}
    virtual bool InstellingenAfgesloten() { return true; }
    // Adds a file as the newest entry of the recent-file list and menu.
    virtual void UpdateFileMenu(const QString& /*naam*/, const QString& /*tekst*/) {}
    // Reopens the graph windows of the last run.
    virtual void HerstelGrafieken() {}
    // Starts logging.
    virtual void StartStopVerbinding() {}
    // Starts the poll-interval timer.
    virtual void StartTimerOpvragen() {}
    // Shows the terminal window, making it when it does not exist yet.
    virtual void ToonTerminal() {}
    // Tiles the child windows horizontally.
    virtual void mnuWindowTileHorizontal_Click() {}
    // The toolbar's measure button shows measuring on (pressed) or off.
    virtual void ZetMetenKnop(bool /*aan*/) {}
    // The hourglass while a data file is opened (true), the normal pointer again (false).
    virtual void ZetWachtcursor(bool /*wachten*/) {}
    // Refreshes every open graph window from the table data.
    virtual void VernieuwGrafieken() {}
    // Removes a file from the recent-file list.
    virtual void VerwijderRecentBestand(const QString& /*naam*/) {}
    // Enables the save-settings button when the configuration has changed.
    virtual void ZetKnoppen() {}
};

Hoofdvenster& hoofdvenster();
// Registers the main window (nullptr: none).
void ZetHoofdvenster(Hoofdvenster* venster);
