#pragma once
// What the factory adjustment dialogs of both module models share: the input fields that turn yellow
// while they have the focus, the constant labels (black as read, red once changed), the serial number,
// the certificate tab, the live readings every 2 s, the OK sequence (check of the serial, verified
// EEPROM writes of exactly the changed constants, module reset, adjustment record) and the close.
//
// The window runs as a small state machine inside its own wait: the pump only marks what is due (a
// live reading on the timer's tick, a range switch, OK, closing) and the loop does it when the module
// is free, so that a reading that waits for the module is never entered twice and a click during a
// transaction waits for it to end. Cancel ends a transaction that waits for a reply through Afbreken.
#include "acquisition/Programmastatus.h"
#include "factory/Afregelconstanten.h"
#include "platform/Klok.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

struct AfregelingRecord;
class QPushButton;
class QTabWidget;

// The formats of the constants and live readings of the factory dialogs.
inline const QString FormaatNul = QStringLiteral("0.0");
inline const QString FormaatSchaal = QStringLiteral("0.0000");
inline const QString FormaatGradenNul = QStringLiteral("0");
inline const QString FormaatGradenSchaal = QStringLiteral("0.0000");
inline const QString FormaatMeting = QStringLiteral("0.0");

// The place of `w` in `rij`, -1 when it is not there.
template <typename T, size_t N> int IndexVan(const std::array<T*, N>& rij, const void* w) {
    for (size_t i = 0; i < N; ++i)
        if (rij[i] == w) return static_cast<int>(i);
    return -1;
}

// The heading "Channel <c + 1>" of an input's column.
QLabel* Kanaalkop(int c, QWidget* ouder);

// A constant label: shows its value in black while it is the value read, in red once a new value was
// accepted in the dialog. Plain text; line breaks as "\n".
class Constantelabel : public QLabel {
public:
    explicit Constantelabel(const QString& tekst = QString(), QWidget* ouder = nullptr);
    void Zet(const QString& tekst, bool rood);
    void ZetRood(bool rood);
    bool Rood() const { return m_rood; }

private:
    bool m_rood = false;
};

// An input field of a factory dialog: yellow while it has the focus, its first `selectie` characters
// selected when it gains it. Focus moving between windows does not count as gained or lost.
class Invoerveld : public QLineEdit {
public:
    Invoerveld(int selectie, QWidget* ouder = nullptr);
    std::function<void(Invoerveld*)> bijFocus;
    std::function<void(Invoerveld*)> bijVerlaten;
    // Yellow and the first characters selected, as when it gains the focus.
    void Markeer();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int m_selectie;
};

class Fabrieksdialoog : public QDialog {
    Q_OBJECT
public:
    ~Fabrieksdialoog() override;

    // Set by the caller before the window is opened.
    int16_t Ri = 1;
    int16_t Mi = 1;
    bool ReadSettingsOnly = false;
    // The input whose zero or scale field gained the focus last (-1: none).
    int16_t Kindex = -1;
    // The serial number read from the module (0 until read).
    int32_t SN = 0;
    // True once any constant or the serial number was accepted in this window.
    bool Gewijzigd = false;
    bool NulpuntActief = false;
    bool SchaalActief = false;

    enum class Toestand {
        Laden,        // opening: reading the module (the window is not shown yet)
        Opzoeken,     // look-up mode: only the serial number, no module access
        Bewerken,     // live readings, editing; OK when the constants were read
        Bereikwissel, // the inputs are set to the range of the selected tab
        Schrijven,    // the OK sequence (the window is hidden)
        Gesloten,
    };

    // Opens the window, shows it and waits, with the event pump, until it is closed. QDialog::Accepted
    // after OK, QDialog::Rejected after Cancel or closing.
    int ToonModaal();
    // The opening alone (reading the module when not in look-up mode), and one pass of the window's own
    // loop: does what the pump marked as due; true when it did something.
    void Laad();
    bool Stap();
    bool Gesloten() const { return m_toestand == Toestand::Gesloten; }
    Toestand HuidigeToestand() const { return m_toestand; }
    // The constants were read completely at opening (OK can write).
    bool ParametersGelezen() const { return m_parametersGelezen; }

    // Reads the module's constants and serial number into the window, with the progress window (whose
    // Cancel skips the reads still to come). Part of the opening.
    virtual void OpvragenParameters(int r, int m) = 0;

    QTabWidget* SSTab = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    Invoerveld* TextSerieNummer = nullptr;
    Constantelabel* LabelSerieNummer = nullptr;
    std::array<QLabel*, 2> LabelInfo{};
    // The live readings of the inputs: the value with the module's adjustment taken out, and the
    // temperature (Label°C).
    std::array<QLabel*, 4> LabelWaarde{};
    std::array<QLabel*, 4> LabelGraden{};
    // The temperature tab (TextNulpunt°C, TextSchaal°C, LabelNulpunt°C, LabelSchaal°C, LabelB°C,
    // LabelA°C): per input the fields of the readings at 20 °C and 80 °C with the zero and scale they
    // give, under the headings with the limits.
    std::array<Invoerveld*, 4> TextNulpuntGraden{};
    std::array<Invoerveld*, 4> TextSchaalGraden{};
    std::array<Constantelabel*, 4> LabelNulpuntGraden{};
    std::array<Constantelabel*, 4> LabelSchaalGraden{};
    QLabel* LabelBGraden = nullptr;
    QLabel* LabelAGraden = nullptr;
    std::unique_ptr<platform::Timer> TimerMetingen;

    static constexpr int Meetinterval = 2000;

protected:
    explicit Fabrieksdialoog(QWidget* ouder = nullptr);

    // The model's parts.
    virtual QString Model() const = 0;
    virtual int TabXtra() const = 0;
    // The tab selected at opening in look-up mode.
    virtual int TabOpzoeken() const = 0;
    // The constants read, in black, with their limits (after a complete reading).
    virtual void ToonOverzicht() = 0;
    // After both ADC reads; `geldig` false when either failed (the readings are blanked).
    virtual void ToonMeetwaarden(bool geldig) = 0;
    // The handling of a field that lost the focus; false when its entry was refused.
    virtual bool VerwerkVeld(Invoerveld* veld) = 0;
    virtual void VeldGekregen(Invoerveld* veld) = 0;
    virtual void LabelGeklikt(QLabel* label) = 0;
    // The stored record VorigeAfregeling into the window (look-up mode).
    virtual void MaakRapportRegel() = 0;
    // The labels at their design texts again (a serial without a stored record in look-up mode).
    virtual void ToonOntwerpteksten() = 0;
    // The OK sequence: the labels into AfregelRecord and the EEPROM writes of the changed constants.
    virtual std::vector<Schrijfstap> LabelsNaarRecord() = 0;
    virtual int16_t SchrijfVoortgang() const = 0;
    virtual QString SchrijfTekst() const = 0;
    virtual void VoorSchrijven() {}
    // A range switch that a tab click asked for (K762); true when it ran.
    virtual bool VoerVerzoekUit() { return false; }
    // A tab was selected.
    virtual void SSTab_Click();

    // "Rack1 Module3 K761 id.no. F.1.2.3".
    QString BasisTitel() const;
    // "<text 248> Rack <r> Module <m>" of the progress window while reading.
    QString LeesTekst(int r, int m) const;
    // Reads an EEPROM word or double word of the module; a failed read marks the reading as broken off.
    int32_t LeesWoord(int adres);
    int32_t LeesDubbelWoord(int adres);
    // The reading was cancelled in the progress window or the module did not answer.
    bool Afgebroken() const;

    void ZetToestand(Toestand t);
    void WisMeetwaarden();
    // Shows the input error and, unless Cancel was chosen on a box with OK and Cancel, selects the
    // field's tab and puts the focus back into it. Always false.
    bool Weiger(Invoerveld* veld, int tab, const QString& tekst, int stijl, const QString& titel);
    // The standard box's own title.
    static QString StandaardTitel();
    bool VerwerkSerienummer();
    // The temperature fields of an input at 20 °C (`veld20`) and 80 °C (`veld80`), `veld` the one left:
    // once both hold a reading, the zero and scale computed from them, starting from the pair read
    // (`gelezen`), go into the labels in red; readings that give none are refused on tab `tab`. False
    // when refused.
    bool VerwerkTemperatuurpaar(Invoerveld* veld, Invoerveld* veld20, Invoerveld* veld80,
                                Constantelabel* labelNul, Constantelabel* labelSchaal, Constantenpaar gelezen,
                                int tab);
    // The title of the stored record VorigeAfregeling (look-up mode): "<type>, SN: <n>, Id.N°: <id>";
    // its type is trimmed. The record.
    const AfregelingRecord& ToonRapportTitel();
    // The text after the first line break of a label.
    static QString NaRegeleinde(const QString& tekst);
    static bool Leeg(const QLineEdit* veld);
    Invoerveld* MaakVeld(int selectie = 10);
    // A field gained the focus: a zero field (of an input or its temperature) makes its input the active
    // zero, a scale field the active scale; a click on a live reading copies into that input's field.
    using Velden = std::span<Invoerveld* const>;
    void KiesInvoer(const Invoerveld* veld, Velden nulpunt, Velden nulpuntGraden, Velden schaal,
                    Velden schaalGraden);
    QLabel* MaakMeetlabel(int index, std::array<QLabel*, 4>& rij);

    // A tab page with per input a zero and a scale field and their constant labels, under the headings
    // `nulKop` and `schaalKop`; rows 1..4 hold the inputs.
    QWidget* MaakConstantenpagina(std::span<Invoerveld*, 4> nulVelden, std::span<Invoerveld*, 4> schaalVelden,
                                  std::span<Constantelabel*, 4> nulLabels,
                                  std::span<Constantelabel*, 4> schaalLabels, QLabel*& nulKop,
                                  QLabel*& schaalKop);
    // The "°C" tab and the "Info" tab (the certificate of the stored record).
    void MaakTemperatuurTab();
    void MaakInfoTab();
    // The "Xtra" tab: per input a field (its first `selectie` characters selected when it gains the
    // focus) with its constant label, and the serial number.
    void MaakXtraTab(std::array<Invoerveld*, 4>& velden, std::array<Constantelabel*, 4>& labels,
                     int selectie = 10);
    // The window: the tabs, the live readings `metingen` below them, and OK and Cancel.
    void ZetIndeling(QWidget* metingen);
    // The temperature tab at its design texts; with the constants read (`gelezen`, by input) and the
    // limits; with the constants of a stored record.
    void ToonTemperatuurOntwerp();
    void ToonTemperatuurconstanten(std::span<const Constantenpaar, 4> gelezen);
    void ToonTemperatuurRapport(const AfregelingRecord& r);
    // The temperature field `veld` of input `c` was left: VerwerkTemperatuurpaar with that input's pair
    // read, on tab `tab`.
    bool VerwerkTemperatuur(int c, Invoerveld* veld, Constantenpaar gelezen, int tab);
    // A zero field was left: its reading at the zero reference is itself the new zero, within the
    // limits of `soort`; refused on tab `tab` else. False when refused.
    bool VerwerkNulpuntveld(Invoerveld* veld, Constantelabel* label, const Constantesoort& soort, int tab);
    // A scale field was left: the scale from its reading at `referentie` and the zero shown in
    // `nulLabel`, within the limits of `soort`; refused on tab `tab` else. False when refused.
    bool VerwerkSchaalveld(Invoerveld* veld, const Constantelabel* nulLabel, Constantelabel* label,
                           float referentie, const Constantesoort& soort, int tab);
    // A click on the live reading `bron`: into the zero field while a zero is active, into the scale
    // field while a scale is.
    void KopieerMeting(const QLabel* bron, Invoerveld* nulVeld, Invoerveld* schaalVeld);
    // What a constant label shows, its value checked against the limits of `soort`.
    static Getoond Toont(const Constantelabel* label, const Constantesoort& soort, float waarde);

    bool m_parametersGelezen = false;
    bool m_leesFout = false;
    // The main window is held disabled while the module is written.
    bool m_houdtHoofdvenster = false;
    QString m_titel;

private:
    void OKButton_Click();
    void CancelButton_Click();
    void reject() override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* object, QEvent* e) override;
    void VeldVerlaten(Invoerveld* veld);
    bool VerwerkOpenVeld();
    void LeesMetingen();
    void OKReeks();
    void ZetVenstersIngeschakeld(bool ingeschakeld);
    void Sluit(int resultaat);
    void Ontlaad();

    Toestand m_toestand = Toestand::Laden;
    bool m_bezig = false;
    bool m_metingGevraagd = false;
    bool m_okGevraagd = false;
    bool m_sluitGevraagd = false;
    // Polling off from load to unload, which starts it again when load found it on.
    std::optional<platform::Vlaghouder> m_meten;
    bool m_ontladen = false;
    bool m_focusTerug = false;
    // Fields left whose entry is still to be taken, in the order they were left.
    std::vector<QPointer<Invoerveld>> m_openVelden;
};
