#pragma once
// The rack window: the live display of one rack. Its present modules stand side by side, each as a
// panel with its name, a status LED and per input the name, the value, the unit and the temperature.
// The poll cycle draws into it through the engine's rack-window interface; double-clicks open the
// module settings, a press on a module's name opens the rack and module commands.
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "rackviews/Rackindeling.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <bitset>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;

// The status LED of a module: a filled circle in one of the engine's colours.
class RackLed : public QWidget {
public:
    explicit RackLed(QWidget* ouder);
    // The colour is kept at once; `tekenen` false leaves the repaint to the caller.
    void zetKleur(int32_t kleur, bool tekenen = true);
    int32_t kleur() const { return m_kleur; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int32_t m_kleur = KleurGrijs;
    // The LED drawn in each colour it has had, at this size, scale and background.
    QHash<int32_t, QPixmap> m_beelden;
    QSize m_beeldMaat;
    qreal m_beeldSchaal = 0;
    QColor m_beeldAchter;
};

class FormRack : public QWidget, public RackvensterInterface {
    Q_OBJECT
public:
    // The poll draws into the window at every module's reply, a dozen times a second. While an input
    // shows a value, the new texts and colours the engine gives it wait and are shown together at most
    // this long afterwards, in one repaint of the window, as are the indicators' routine colours. A
    // blank (a module given up, the values cleared), a value that appears with the rest of its input,
    // and a red indicator show at once; a value that waited never shows after a blank.
    static constexpr int BijwerkenNaMs = 250;

    // The window of rack ri (1..16). It registers itself and shows values once Laad has run.
    explicit FormRack(int ri, QWidget* ouder = nullptr);
    ~FormRack() override;

    // The rack of this window; never changes.
    const int16_t Ri;
    // Public input number, kept for callers; nothing reads it.
    int16_t Ki = 0;
    // "meting" followed by the rack number; also the window's "Tag" property, by which the main
    // window and the print dispatcher recognise rack windows.
    QString Tag;

    // Load: captions, Show flag on, check marks, the saved position, the layout, topmost when set.
    void Laad();
    // Menu captions from the text table (also after a change of language).
    void LaadStrings();
    void FormInstellenControls() override;
    // Tool tip of a module's name; an empty text gives the module's description.
    void InstellenToolTipModule(int m, const QString& tekst = QString());
    void InstellenToolTipKanaal(int m, int c, QString& tekst) override;
    void WissenVensterMetingen() override;
    void LaadVensterTitel() override;
    void Toon() override;
    void Ontlaad() override;
    void WachtOpAanmelding() override;
    int VensterStatus() const override;
    void ZetVensterStatus(int status) override;
    void LeesVensterPositie(const QString& sectie) override;

    // Drawing by the engine. "Zichtbaar" false draws the label greyed (disabled); its text stays.
    void ZetLabelTekst(RackLabel label, int index, const QString& tekst) override;
    void ZetLabelKleur(RackLabel label, int index, int32_t kleur) override;
    void ZetLabelZichtbaar(RackLabel label, int index, bool zichtbaar) override;
    QString ToolTipWaarde(int index) const override;
    void ZetLedKleur(int index, int32_t kleur) override;

    // A label of one of the four arrays (index 0..27) as it shows now, and the colour last given to it.
    QLabel* Label(RackLabel label, int index) const;
    int32_t LabelKleur(RackLabel label, int index) const;
    // The window's width and height in twips, frame included, as the last layout set them.
    int VensterBreedte() const { return m_indeling.breedte; }
    int VensterHoogte() const { return m_indeling.hoogte; }
    // The module slot index (0..6) whose name label was pressed last.
    int ModuleKeuze() const { return m_moduleKeuze; }

    QSize sizeHint() const override;

    std::array<QFrame*, AantalModules> PictureModule{};
    std::array<RackLed*, AantalModules> ShapeLED{};
    std::array<QLabel*, AantalModules> LabelModule{};
    std::array<QLabel*, AantalRackLabels> LabelKanaal{};
    std::array<QLabel*, AantalRackLabels> LabelWaarde{};
    std::array<QLabel*, AantalRackLabels> LabelEenheid{};
    std::array<QLabel*, AantalRackLabels> LabelGraden{}; // Label°C

    QMenu* mnuRackSettings = nullptr;
    QAction* mnuModuleSettings = nullptr;
    QAction* mnuPrintRack = nullptr;
    QAction* mnuRackSettingsMeasure = nullptr;
    QAction* mnuRackSettingsName = nullptr;
    QAction* mnuRackSettingsNameModule = nullptr;
    QAction* mnuRackSettingsTop = nullptr;
    QAction* mnuModuleCalibration = nullptr;
    QAction* mnuReadSN = nullptr;

protected:
    bool eventFilter(QObject* object, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void maakPaneel(int m);
    void maakMenu();
    void Activate();
    void Unload();
    // Opens the module settings dialog on module m, channel c (1..8).
    void OpenModuleInstellingen(int m, int c);
    // The popup menu of module slot index i, at the top left of its name label.
    void ToonMenu(int i);
    void mnuRackSettings_Click();
    void mnuRackSettingsMeasure_Click();
    void mnuRackSettingsTop_Click();
    void Hernoem(bool rack);
    void Fabrieksafregeling(bool alleenLezen);
    void zetBovenaan(bool bovenaan);
    QWidget* kader();
    void ToonTitelHeel();
    // The value label of input i shows a value: its new texts and colours wait for the next WerkBij.
    bool ToontWaarde(int i) const;
    void ToonLabelTekst(RackLabel label, int index, const QString& tekst);
    void ToonLabelKleur(RackLabel label, int index);
    // Shows what waits for input i.
    void ToonIngang(int i);
    void PlanBijwerken();
    // Shows everything that waits.
    void WerkBij();
    // Design twips to pixels and back (TwipsNaarPixels, PixelsNaarTwips).
    int pixels(double twips) const;
    float twips(int pixels) const;

    int m_moduleKeuze = 0;
    bool m_geladen = false;
    bool m_ontladen = false;
    // Hidden by a Search: what it shows is its rack as it was before, until it is laid out again.
    bool m_wachtOpAanmelding = false;
    RackIndeling m_indeling;
    QSize m_binnenmaat;
    std::array<std::array<int32_t, AantalRackLabels>, 4> m_kleuren{};
    // The colours the labels show; a value no colour has before the first.
    std::array<std::array<int32_t, AantalRackLabels>, 4> m_getoondeKleuren{};
    // The texts waiting for the value, unit and temperature labels.
    std::array<std::array<std::optional<QString>, AantalRackLabels>, 3> m_wachtendeTeksten;
    std::bitset<AantalRackLabels> m_ingangWacht;
    std::bitset<AantalModules> m_ledWacht;
    // Inputs whose value appeared since the last WerkBij: until then their labels follow at once.
    std::bitset<AantalRackLabels> m_verschenen;
    bool m_bijwerkenGepland = false;
    // The tool tips of the inputs as given, before they were made safe to show.
    std::array<QString, AantalRackLabels> m_toolTips;
    // The unit texts as the engine gave them, before a long one was broken over two lines.
    std::array<QString, AantalRackLabels> m_eenheden;
};

// Makes rack windows for the engine (MaakRackVenster): each a FormRack handed to the main window's
// area of child windows, loaded and registered.
class FormRackMaker : public RackvensterMaker {
public:
    RackvensterInterface* Maak(int r) override;
};
