#pragma once
// The module settings dialog: one module of either model with its four inputs and their temperature
// channels, on eight tabs in two rows (inputs 1..4, then "°C 1" .. "°C 4"). The user sets per input
// whether it is in use, its unit, resolution (the measuring range on a K762, chosen in the options),
// name, sensor text, salinity (K761 oxygen) or type of cell (K762), and per temperature channel its unit,
// resolution and the shared-temperature choices. The conductivity and oxygen options, the rack and
// module name editors and the help page open from it.
//
// The dialog is modeless; while it is open polling is stopped, the main window is disabled and no
// second one opens (InstellingenOpen). It edits its own copy of the module's settings: each tab shows
// that copy (with the calibration data the module's calibration file holds for its units), every
// control writes into it at once, and nothing reaches the rack model, the module or a file before OK.
// OK first runs every warning (an input that needs calibrating, a conductivity cell other than the
// calibrated one); Cancel in one of them returns to that input's tab with nothing written. Then it
// applies the settings to the records, sends each changed K762 range to the module and stores it in the
// module's EEPROM (a range the module does not take is reported and not applied), writes the rack
// configuration file, reloads the calibration file, resets the module and closes. Cancel, Escape and
// the title bar close it with nothing changed.
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "rackviews/Ingangweergave.h"
#include "rackviews/ModuleInstellingen.h"
#include "shared/ui/TweeRijenTabs.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class DialogK76xSettings : public QDialog {
    Q_OBJECT
public:
    DialogK76xSettings();
    ~DialogK76xSettings() override;

    // Set by the caller before Laad: rack 1..16, module 1..7, and Ki 1..4 to open on that input's tab,
    // 5..8 on the temperature tab of input Ki - 4. After Laad and on every tab change Ki is the input
    // (1..4) of the current tab.
    int16_t Ri = 1;
    int16_t Mi = 1;
    int16_t Ki = 1;

    enum class Uitslag { Open, OK, Geannuleerd };
    // Open while the dialog is loaded; how it ended afterwards.
    Uitslag uitslag() const { return m_uitslag; }

    // Load: polling stopped, captions, position, the module marked in the rack windows, the dialog
    // shown on tab Ki and every tab filled from the module's records.
    void Laad();
    // Caption "rack name - module name" (the names as the dialog holds them); the rack and table windows
    // of the rack retitle too.
    void LaadVensterTitel();
    // The dialog's copy of the module's settings.
    const ModuleRecord& Instellingen() const { return m_instellingen; }
    // A handler of the dialog runs (one that waits for a box, a dialog, the module or the clock runs on
    // meanwhile).
    bool HandlerLoopt() const { return m_handlers > 0; }

    TweeRijenTabs* SSTab = nullptr;
    // Element i of an array of eight belongs to input i + 1 (tabs 0..3) or to the temperature channel
    // of input i - 3 (tabs 4..7); arrays of four to the inputs, or to the temperature tabs' boxes.
    std::array<QComboBox*, 8> ComboEenheid{};
    std::array<QComboBox*, 8> ComboResolutie{};
    std::array<QComboBox*, 4> ComboExtra{};
    std::array<QCheckBox*, 4> CheckIngesteld{};
    std::array<QLineEdit*, 4> TextNaam{};
    std::array<QLineEdit*, 4> TextSensor{};
    std::array<QLabel*, 4> LabelNaam{}, LabelSensor{}, LabelSalinity{};
    std::array<QCheckBox*, 4> CheckSharedMeasurement{};
    std::array<QCheckBox*, 4> CheckUseSharedMeasurement{};
    std::array<QCheckBox*, 4> CheckManualFollowMeasurement{};
    std::array<QGroupBox*, 8> FrameCalibrationData{};
    std::array<QLabel*, 8> LabelEenheid{}, LabelResolutie{}, LabelGeijktOp{}, LabelDatum{}, LabelGeijktBij{},
        LabelBuffers{}, LabelOffset{}, LabelOffsetData{}, LabelSlope{}, LabelSlopeData{}, LabelExtra{},
        LabelExtraData{}, LabelInfo{};

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CommandHelp = nullptr;
    QPushButton* CommandOpties = nullptr;
    QPushButton* CommandCalibrate = nullptr;
    QPushButton* CommandCapComp = nullptr;
    QPushButton* CommandGLP = nullptr;
    QPushButton* CommandRackNaam = nullptr;
    QPushButton* CommandModuleNaam = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* object, QEvent* e) override;
    void reject() override;

private:
    void maakIngangTab(int i);
    void maakTemperatuurTab(int i);
    void maakKalibratieKader(int element, QWidget* ouder);
    QString type() const;

    void ToonInstellingenIngang(int tab);
    void ToonAlleIngangen();
    void pasToe(const Ingangweergave& w, int tab);
    void InstellenKnoppen();
    void InstellenKnoppenOpties();
    void Unload();
    int melding(const QString& tekst, int stijl, const QString& titel, bool standaard = false);

    void SSTab_Click(int tab);
    void CheckIngesteld_Click(int i);
    void ComboEenheid_Click(int i);
    void ComboResolutie_Click(int i);
    void ComboExtra_Change(int i);
    void ComboExtra_LostFocus(int i);
    void TextNaam_Change(int i);
    void TextSensor_Change(int i);
    void CheckSharedMeasurement_Click(int i);
    void CheckUseSharedMeasurement_Click(int i);
    void CheckManualFollowMeasurement_Click(int i);
    void OKButton_Click();
    void CancelButton_Click();
    void CommandHelp_Click();
    void CommandOpties_Click();
    void CommandCalibrate_Click(bool capaciteit);
    void CommandGLP_Click();
    void CommandNaam_Click(bool rack);

    // What OK does once every warning was accepted.
    void PasInstellingenToe();

    ModuleRecord m_instellingen;
    // The rack's name as the dialog edits it (the module's name is in m_instellingen).
    QString m_rackNaam;
    Uitslag m_uitslag = Uitslag::Open;
    bool m_geladen = false;
    // The main window is held disabled while the dialog is loaded.
    bool m_houdtHoofdvenster = false;
    // OK or Cancel is at work: the dialog takes no other command and cannot be closed meanwhile.
    bool m_bezig = false;
    // The handlers of the dialog that run now.
    int m_handlers = 0;
    // Polling off from load to unload, which gives back what load found.
    std::optional<platform::Vlaghouder> m_meten;
    // The inputs (1..4) a calibration was stored for while the dialog was open.
    std::array<bool, AantalIngangen + 1> m_gekalibreerd{};
};

// What the dialog starts in windows that other folders build: the calibrations and the GLP report.
// The program registers its side at start-up; a button whose window the registered side does not
// have stays hidden, and without a registered side every one does.
class ModuleInstellingenActies {
public:
    virtual ~ModuleInstellingenActies() = default;
    // Runs a calibration of module (r, m): k 1..4 an input, 5..8 the temperature channel of input
    // k - 4, on the module record `module` (the dialog's own copy: its units choose the calibration's
    // record). Returns when it has finished; it stores its result in the calibration file itself and
    // loads it into `module`. True when a calibration was stored.
    virtual bool KanKalibreren(Kalibratiesoort soort) const {
        (void)soort;
        return false;
    }
    virtual bool Kalibreer(Kalibratiesoort soort, int r, int m, int k, ModuleRecord& module) {
        (void)soort, (void)r, (void)m, (void)k, (void)module;
        return false;
    }
    // Shows the GLP report of channel k (1..8) of module (r, m), modeless.
    virtual bool HeeftGLP() const { return false; }
    virtual void ToonGLP(int r, int m, int k) { (void)r, (void)m, (void)k; }
};
// Registers the program's side (nullptr: none).
void ZetModuleInstellingenActies(ModuleInstellingenActies* acties);
ModuleInstellingenActies& moduleInstellingenActies();

// Opens the module settings dialog on module m (1..7) of rack r, channel k (1..4 an input, 5..8 the
// temperature channel of input k - 4), modeless. Nothing happens while one is open (InstellingenOpen)
// or for a place outside the rack model.
void ToonModuleInstellingen(int r, int m, int k);
// The last dialog opened (kept after it closed, so that its outcome can be read), or nullptr.
DialogK76xSettings* ModuleInstellingenVenster();
// Closes and forgets the dialog and the registered actions.
void ResetModuleInstellingen();
