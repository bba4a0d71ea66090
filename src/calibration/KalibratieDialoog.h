#pragma once
// The common ground of the calibration dialogs.
//
// A calibration is a state machine that the dialog steps itself. The buttons and the 1500 ms tick only
// set flags and ask for a step; the step runs from the event pump (queued), takes the flags and, in a
// measuring state, reads the module when a reading is due. A reading is a chain of synchronous
// transactions that pump events while they wait, so the tick, the buttons and a new request for a step
// come in the middle of it: the busy guard lets only one step run at a time, and the running step takes
// what came in when its reading is done. Cancel reaches a waiting transaction through Afbreken.
//
// The caller shows the dialog and waits for it with the event pump (WachtTotGesloten), as for a
// message box. Escape acts as the Cancel button, the title bar's close button asks the procedure to
// close (a running reading is broken off); neither hides the window by itself: the procedure closes it.
// A dialog keeps its position in its settings section ("Top", "Left" in twips); a stored position that
// lies off every screen means centred.
#include "acquisition/RackModel.h"
#include "platform/Klok.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

class QColor;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;

class KalibratieDialoog : public QDialog {
    Q_OBJECT
public:
    // `sectie`: the settings section that keeps the dialog's position.
    explicit KalibratieDialoog(QString sectie, QWidget* eigenaar = nullptr);
    ~KalibratieDialoog() override;

    // The input: set by the caller before Laad.
    int Ri = 1;
    int Mi = 1;
    int Ki = 1;
    // The module record the calibration works on, set by the caller before Laad: its units, settings
    // and calibration data choose what is calibrated and how, and the result is stored in the record of
    // the unit it gives the input. The module settings dialog passes its own copy while it is open;
    // nullptr is the live record in Racks. The readings always come from the module (the live record).
    ModuleRecord* Module = nullptr;
    // Set by Laad when the dialog cannot run.
    bool Fout = false;

    // Sets the dialog up for the input: position, captions, working copies; the tick starts.
    virtual void Laad() = 0;
    // Runs the whole calibration: sets the dialog up unless it is, shows it when it could be set up,
    // waits until the procedure has closed, and unloads it.
    void VoerUit();
    // The unload: the tick stops, the module gets back what the procedure changed (HerstelModule) and
    // its reset "253"; a dialog that could be set up keeps its position and its choices (BewaarKeuzes),
    // a dialog that could not keeps the stored ones as they are; it leaves the topmost layer and hides.
    void Ontlaad();
    // Sets the input (rack r, module m, input k) and the module record worked on, sets the dialog up
    // and runs it; true when a new calibration was stored. `module` is the truth for the input's unit,
    // settings and calibration data; r and m name the slot of the readings and the calibration file.
    bool Kalibreer(int r, int m, int k, ModuleRecord& module);
    // A new calibration was stored.
    bool Opgeslagen() const { return m_opgeslagen; }

    // The state of the procedure (each dialog numbers its own states).
    int Toestand() const { return m_toestand; }
    bool IsGesloten() const { return m_gesloten; }
    // A step is running (a reading may be waiting for the module).
    bool IsBezig() const { return m_bezig; }
    // Pumps events until the procedure has closed.
    void WachtTotGesloten();

    // The measuring tick, 1500 ms.
    static constexpr int TikInterval = 1500;

signals:
    // The procedure entered a state.
    void toestandGewijzigd(int toestand);

protected:
    // Sets the state and every control for it (PasToestandToe).
    void ZetToestand(int toestand);
    // The one function that sets every control for the current state.
    virtual void PasToestandToe() = 0;
    // Does the next piece of work the flags ask for; false when there is none.
    virtual bool VerwerkStap() = 0;
    // Asks for a step from the event pump.
    void PlanStap();
    // The procedure is over: WachtTotGesloten returns.
    void MarkeerGesloten();
    // The end of the procedure: the button flags down, the state `gesloten`, and closed.
    void SluitProcedure(int gesloten);

    // The start of the load: nothing stored yet; false (and Fout) when the input is not an input of a
    // module that is there, else the working copies of its measuring and temperature inputs are taken.
    bool LaadIngang();
    // "<soort> Calibration: Rack r Module m Input k" as the window title, shown whole (ToonTitelHeel).
    void ZetKalibratieTitel(const QString& soort);
    // The dialog is at least as wide as its title bar needs to show the caption whole.
    void ToonTitelHeel();
    // The end of the load: the stored position, the topmost layer, and the procedure is open, every
    // flag is down, and the tick runs until the unload; every tick sets MeetTik and asks for a step.
    void StartProcedure();
    // The unload: the tick stops and the procedure is closed.
    void EindeProcedure();

    // Cancel: sets AnnulerenGeklikt and Afbreken, and asks for a step.
    void Annuleer();
    // OK: sets OKGeklikt and asks for a step.
    void BevestigOK();
    // Escape acts as the Cancel button `annuleer` while it can be pressed, else as the OK button `ok`
    // while that can (on a stored result it closes as OK does). Without them it is Cancel.
    void ZetEscapeKnoppen(QPushButton* annuleer, QPushButton* ok);

    // A label named `naam` that shows plain text.
    QLabel* MaakLabel(const QString& naam);
    // A push button named `naam` that Enter does not press.
    QPushButton* MaakKnop(const QString& naam);
    // Disables `knop` (a button that disables itself when clicked): the focus on it first moves to the
    // next enabled control, so that Escape and the other keys still reach the dialog.
    void ZetUit(QWidget* knop);
    // The row of buttons at the bottom: `links` on the left, `rechts` on the right.
    static QHBoxLayout* Knoppenrij(std::initializer_list<QPushButton*> links,
                                   std::initializer_list<QPushButton*> rechts);

    // The frame at the top that holds the info label `info` (named "LabelInfo"), `regels` lines high.
    QFrame* MaakInfoVak(QLabel*& info, int regels);

    // How a reading of the input ended.
    enum class Lezing { Gelezen, GeenStatus, Onvolledig, Onderbroken };
    // One reading of the input: the status (its flags into the working copy of the measuring input),
    // the temperatures (the module's other inputs keep theirs live while polling is stopped), the
    // measuring ADC, and the input's temperature into its working copy. `onderbroken` is asked after
    // each transaction: a click that came meanwhile breaks the reading off. `naStatus` runs on a valid
    // status reply before its flags are taken; false from it breaks the reading off. A transaction
    // without a valid reply gives no reading: GeenStatus for the status, Onvolledig after it.
    Lezing LeesIngang(const std::function<bool()>& onderbroken,
                      const std::function<bool()>& naStatus = nullptr);
    // The last reading that ran to its end got no valid reply: the module does not answer, and what
    // the channels still hold is not a reading. A reading broken off by a click changes nothing. Cleared
    // at the load and by every reading that succeeds.
    bool GeenAntwoord() const { return m_geenAntwoord; }
    // The temperature bits of the working copy follow the input's last reading.
    void NeemTemperatuurVlaggen();
    // The module record worked on (Module, else the live record).
    ModuleRecord& Werkrecord() const;
    // The temperature in the unit of the temperature input with its decimals, directly followed by
    // the unit.
    QString TemperatuurTekst(float T) const;
    // "Temperature out of range" with the limits `onder` / `boven` (°C) in the unit of the temperature
    // input.
    QString TemperatuurGrenzenTekst(float onder, float boven) const;
    // Whole seconds since the measuring pass started (m_rondeStart).
    qint64 RondeSeconden() const;

    // The working copies of the input's measuring and temperature input, taken by LaadIngang from the
    // record worked on.
    KanaalRecord m_meetKanaal;
    KanaalRecord m_temperatuurKanaal;
    // The measuring range the module had at the load (a K762 input's range in the live record; the
    // record worked on may hold a range that is not applied yet).
    int16_t m_bereikBijOpenen = 0;
    // Clock ms at the start of the measuring pass.
    qint64 m_rondeStart = 0;

    // The temperature bits of an input's flags, and what a reading out of range shows.
    static constexpr uint8_t TemperatuurVlaggen = VlagTemperatuurTeHoog | VlagTemperatuurTeLaag;
    static inline const QString BuitenBereik = QStringLiteral("OR.°C");

    // Position from / into the dialog's settings section.
    void LeesPlaats(const QString& sectie);
    void BewaarPlaats(const QString& sectie);

    // Set by Laad, cleared by Ontlaad.
    bool m_geladen = false;
    // Cleared by Laad, set once a calibration was stored.
    bool m_opgeslagen = false;
    // Before the module reset at the unload of a dialog that could be set up.
    virtual void HerstelModule() {}
    // The choices the dialog remembers besides its position, at the unload.
    virtual void BewaarKeuzes() {}

    // Opens the text file `pad` in our editor and waits until it is closed: meanwhile `info` says so in
    // red and the dialog is off the topmost layer and disabled; afterwards all is as it was. When the
    // editor could not open the file the user is told so; false then.
    bool BewerkBestand(const QString& pad, QLabel* info);

    // Flags of the buttons, the title bar and the tick.
    bool OKGeklikt = false;
    bool AnnulerenGeklikt = false;
    bool KalibrerenGeklikt = false;
    bool SluitenGevraagd = false;
    bool MeetTik = false;

    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Stap();
    // A reading that ended without a valid reply (GeenAntwoord).
    Lezing GeenLezing(Lezing hoe);
    // The input's temperature from the module's last readings, worked out by the settings and
    // calibration of the record worked on.
    void BerekenTemperatuur();
    uint8_t m_temperatuurVlaggen = 0;
    bool m_geenAntwoord = false;
    QString m_sectie;
    QPushButton* m_escapeAnnuleer = nullptr;
    QPushButton* m_escapeOK = nullptr;
    // The width the caption needs, an item of the dialog's layout (ToonTitelHeel).
    QSpacerItem* m_titelRuimte = nullptr;
    std::unique_ptr<platform::Timer> m_tik;
    int m_toestand = 0;
    bool m_bezig = false;
    bool m_stapGepland = false;
    bool m_gesloten = false;
};

// The colour of a label's text, also while its dialog is inactive or disabled.
void ZetTekstkleur(QLabel* label, const QColor& kleur);

// The value of a reading in green, or in red when it cannot be used.
void ZetMeetwaarde(QLabel* label, const QString& tekst, bool bruikbaar);

// The live reading as on the rack windows: a bold green value on black, right-aligned, wide enough for
// `breedste`.
void ZetMeetwaardeStijl(QLabel* label, const QString& breedste);

// Where a dialog of size `venster` goes (its frame's top-left corner, in pixels). The screen is the one
// that holds the stored corner, else one that holds it across or down (one coordinate is off the
// screens), else the first (the first is the primary screen). Each stored coordinate is kept when the
// dialog lies there inside that screen (top from the screen's top, up to but not including the screen's
// bottom less the dialog's height; left likewise); a coordinate that is missing or outside is centred.
QPoint DialoogPlaats(std::optional<int> links, std::optional<int> boven, QSize venster,
                     const QList<QRect>& schermen);
