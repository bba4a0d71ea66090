#pragma once
// What the rack window opens in windows that other folders build: the module settings dialog, the
// direct printout, the factory adjustment dialogs, and the rack's table window and its title. The
// program registers its side at start-up. A menu entry whose window the registered side does not have
// stays hidden; without a registered side every entry does.
#include <QString>

class QWidget;

class RackvensterActies {
public:
    virtual ~RackvensterActies() = default;
    // Opens the module settings dialog on module m (1..7) of rack r, channel k (1..4 an input, 5..8 the
    // temperature channel of input k - 4), modeless.
    virtual bool HeeftModuleInstellingen() const { return false; }
    virtual void OpenModuleInstellingen(int r, int m, int k) { (void)r, (void)m, (void)k; }
    // Prints the rack window directly, without the print dialog.
    virtual bool HeeftPrintRack() const { return false; }
    virtual void PrintRack(QWidget* rackvenster) { (void)rackvenster; }
    // Opens the factory adjustment dialog of the module's model (type: its name) modally; with
    // `alleenLezen` it only reads the stored settings and the serial number.
    virtual bool HeeftFabrieksafregeling() const { return false; }
    virtual void OpenFabrieksafregeling(const QString& type, int r, int m, bool alleenLezen) {
        (void)type, (void)r, (void)m, (void)alleenLezen;
    }
    // The table window of rack r reloads its title (made when it does not exist yet).
    virtual void LaadTabelTitel(int r) { (void)r; }
    // Shows the table window of rack r (made when it does not exist yet) and sets the rack's Table flag.
    virtual bool HeeftTabel() const { return false; }
    virtual void ToonTabel(int r) { (void)r; }
};

// Registers the program's side (nullptr: none).
void ZetRackvensterActies(RackvensterActies* acties);
RackvensterActies& rackvensterActies();
void ResetRackvensterActies();
