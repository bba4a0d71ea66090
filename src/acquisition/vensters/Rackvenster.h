#pragma once
// What the engine asks of a rack window: the captions, colours, visibility and tool tips of its label
// arrays and the colour of its module indicators. The rack windows register themselves per rack number
// when they are created and deregister when they close; a rack without a registered window is shown
// nowhere.
#include <QString>
#include <cstdint>

// Colours as the program keeps them: red + 256 x green + 65536 x blue.
constexpr int32_t RGBKleur(int rood, int groen, int blauw) {
    return rood + 256 * groen + 65536 * blauw;
}
inline constexpr int32_t KleurRood = RGBKleur(255, 0, 0);
inline constexpr int32_t KleurGroen = RGBKleur(0, 255, 0);
inline constexpr int32_t KleurZwart = RGBKleur(0, 0, 0);
inline constexpr int32_t KleurDonkergroen = RGBKleur(48, 160, 48);
inline constexpr int32_t KleurGrijs = RGBKleur(160, 160, 160);
// The system colour of button text: the window shows its normal text colour.
inline constexpr int32_t KleurNormaleTekst = static_cast<int32_t>(0x80000012u);

// The four label arrays of a rack window; element (m - 1) x 4 + (c - 1) belongs to input c of module m.
enum class RackLabel {
    Waarde,  // LabelWaarde: the value
    Eenheid, // LabelEenheid: the unit
    Graden,  // Label°C: the temperature belonging to the input
    Kanaal,  // LabelKanaal: the input's name
};

inline constexpr int AantalRackLabels = 28;
inline int RackLabelIndex(int module, int ingang) {
    return (module - 1) * 4 + (ingang - 1);
}

class RackvensterInterface {
public:
    virtual ~RackvensterInterface() = default;
    virtual void ZetLabelTekst(RackLabel label, int index, const QString& tekst) = 0;
    virtual void ZetLabelKleur(RackLabel label, int index, int32_t kleur) = 0;
    virtual void ZetLabelZichtbaar(RackLabel label, int index, bool zichtbaar) = 0;
    // The tool tip that LabelWaarde(index) shows now.
    virtual QString ToolTipWaarde(int index) const = 0;
    // ShapeLED(index), index 0..6 for module positions 1..7.
    virtual void ZetLedKleur(int index, int32_t kleur) = 0;
    // Sets the tool tip of the value, unit and name labels of input c of module m. An empty text is
    // first replaced, in the caller's variable too, by the window's default description of the input.
    virtual void InstellenToolTipKanaal(int m, int c, QString& tekst) = 0;

    // The window operations that the engine and the file layer call besides the drawing above.
    // Lays the module slots out again from the rack record (after a rack configuration was read).
    virtual void FormInstellenControls() {}
    // Blanks every shown value until the next poll fills it again.
    virtual void WissenVensterMetingen() {}
    // Title, module and input names and their tool tips from the rack record.
    virtual void LaadVensterTitel() {}
    // Shows the window in its normal state (not minimised or maximised).
    virtual void Toon() {}
    // Closes the window; it deregisters itself.
    virtual void Ontlaad() {}
    // System > Search asks the racks to log on again: the window waits for its rack's log-on. The real
    // window stays, hidden, and its rack keeps its Show flag, as its table window keeps its own: a rack
    // that does not answer gets its windows back when its record is read again (File > New, a restart)
    // and saves them in its record meanwhile. Shown again (Toon), the window is laid out afresh from the
    // rack record. A window that cannot wait is closed.
    virtual void WachtOpAanmelding() { Ontlaad(); }
    // 0 normal, 1 minimised, 2 maximised.
    virtual int VensterStatus() const { return 0; }
    virtual void ZetVensterStatus(int status) { (void)status; }
    // Applies the placement record (state, top, left, height, width) of settings section `sectie`.
    virtual void LeesVensterPositie(const QString& sectie) { (void)sectie; }
};

// The window of rack r (1..16), or nullptr when none is registered.
RackvensterInterface* RackVenster(int r);
// Registers the window of rack r (nullptr: the rack has none).
void ZetRackVenster(int r, RackvensterInterface* venster);
// Forgets every registered window.
void ResetRackVensters();

// Making rack windows. The program registers the window side's maker at start-up. Without one (tests,
// the engine on its own) no window is made.
class RackvensterMaker {
public:
    virtual ~RackvensterMaker() = default;
    // Makes the window of rack r, loaded and registered but not yet shown.
    virtual RackvensterInterface* Maak(int r) {
        (void)r;
        return nullptr;
    }
};
// Registers the maker (nullptr: none).
void ZetRackvensterMaker(RackvensterMaker* maker);
RackvensterMaker& rackvensterMaker();
// The registered window of rack r, made by the maker when the rack has none; nullptr when there is
// none and no maker, or r is outside 1..16.
RackvensterInterface* MaakRackVenster(int r);
