#pragma once
// The rack configuration file (".rcf"): per logged-on rack its name and flags, and per module
// position and input the user's channel settings, in a sectioned text file named after the rack's
// identification in the configuration folder, with one previous version kept as ".rcfbak". Beside it
// the log-on record of every rack number in the settings store (section "Rack" & n), the demonstration
// set-up, and the restore of the rack's windows after a read.
#include <QString>
#include <cstdint>
#include <functional>

// How LeesRackConfiguratie reads.
inline constexpr int16_t LeesModusOpstarten = 0;   // start-up: everything
inline constexpr int16_t LeesModusAanmelding = -1; // a rack that has just logged on keeps its log-on data
inline constexpr int16_t LeesModusHerlezen = 1;    // after the module settings dialog: no window restore

// The window side of restoring a rack's table window: the table window's operations and the shell's
// settings routines that apply stored records to it. The table window registers it at start-up;
// until then every call does nothing.
class TabelvensterHerstel {
public:
    virtual ~TabelvensterHerstel() = default;
    // Makes sure the table window of rack r exists and sets its Ri to r.
    virtual void MaakTabelVenster(int r) { (void)r; }
    // Loads the window and lays it out afresh with column widths (StelTabelIn(True)); after a Search,
    // a rack that logged on again with the same modules keeps the rows of its table.
    virtual void StelTabelIn(int r) { (void)r; }
    // The placement record of settings section `sectie`, applied to the window.
    virtual void LeesVensterPositie(int r, const QString& sectie) {
        (void)r;
        (void)sectie;
    }
    // The font record and the column-width record of settings section `sectie`, applied to the grid of
    // module slot m.
    virtual void LeesLettertype(int r, int m, const QString& sectie) {
        (void)r;
        (void)m;
        (void)sectie;
    }
    virtual void LeesKolomBreedte(int r, int m, const QString& sectie) {
        (void)r;
        (void)m;
        (void)sectie;
    }
    // The tabs of the window's tab control (numbered from 0).
    virtual int AantalTabs(int r) const {
        (void)r;
        return 0;
    }
    virtual bool TabZichtbaar(int r, int tab) const {
        (void)r;
        (void)tab;
        return false;
    }
    virtual void KiesTab(int r, int tab) {
        (void)r;
        (void)tab;
    }
    virtual void Toon(int r) { (void)r; }
    // Makes the window not visible.
    virtual void Verberg(int r) { (void)r; }
};

// Registers the table window side (nullptr: none).
void ZetTabelvensterHerstel(TabelvensterHerstel* herstel);
TabelvensterHerstel& tabelvensterHerstel();

// Stores the log-on record of the rack and, for a present rack, writes its file (the previous file
// stays as the backup). False when the file or its backup could not be written; the previous file is
// then untouched. The failure is told with the path and the system's reason, or, with `mislukt`, left
// to the caller: the path refused is put there and the reason is platform::LaatsteSchrijffout().
bool SchrijfRackConfiguratie(int rack, QString* mislukt = nullptr);
// Every rack in turn; ConfiguratieGewijzigd is cleared only when all were written.
bool SchrijfAlleRackConfiguraties();
// Reads the log-on records of racks 1..16 (or the demonstration set-up) and the file of every rack
// that was logged on; a rack whose file is missing counts as not logged on. A rack registered already
// keeps its slot and modules and has only its file read; the records fill the free slots.
void LeesRackAanmelding();
// Reads the rack's file (LeesModus*), checks the units, loads the calibration files and restores the
// rack's windows. True when the demonstration set-up ran or the file was read.
bool LeesRackConfiguratie(int rack, int16_t leesModus);
// Reads only the names and the Show flag of the rack's file and shows or unloads its rack window.
void LeesRackNamen(int rack);

void ResetRackConfiguratie();
