#pragma once
// What the rack window opens in windows that other folders build: the module settings dialog, the
// direct printout, the factory adjustment dialogs, and the rack's table window and its title. The
// program installs each at start-up; a menu entry whose action is not installed stays hidden.
#include <QString>
#include <functional>

class QWidget;

struct RackvensterActies {
    // Opens the module settings dialog on module m (1..7) of rack r, channel k (1..4 an input, 5..8 the
    // temperature channel of input k - 4), modeless.
    std::function<void(int r, int m, int k)> OpenModuleInstellingen;
    // Prints the rack window directly, without the print dialog.
    std::function<void(QWidget* rackvenster)> PrintRack;
    // Opens the factory adjustment dialog of the module's model ("K761" or "K762") modally; with
    // `alleenLezen` it only reads the stored settings and the serial number.
    std::function<void(const QString& type, int r, int m, bool alleenLezen)> OpenFabrieksafregeling;
    // The table window of rack r reloads its title (made when it does not exist yet).
    std::function<void(int r)> LaadTabelTitel;
    // Shows the table window of rack r (made when it does not exist yet) and sets the rack's Table flag.
    std::function<void(int r)> ToonTabel;
};

RackvensterActies& rackvensterActies();
void ResetRackvensterActies();
