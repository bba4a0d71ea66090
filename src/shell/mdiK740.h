#pragma once
// The main window: start-up and shutdown of the program, the rack-link port and its indications, the
// three timers with the logging switch, and the menus, toolbar and status bar they need.
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/ui/Kindvensters.h"
#include "views/Grafiekvensters.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QIcon;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// Logging run state of the main window.
extern platform::Datum VerbindingsStart; // logging was last switched on
extern platform::Datum VerbindingsDuur;  // now minus VerbindingsStart, shown in the status bar
extern platform::Datum LaatsteOpvraging; // moment of the last snapshot
extern QString OpvraagInfo;              // info text of the next snapshot row
extern bool ProgrammaBeeindigd;          // set when the main window has unloaded

// The answer to a close request.
struct Sluitantwoord {
    bool cancel = false;
};

class mdiK740 : public QMainWindow,
                public Hoofdvenster,
                public MeldingOmgeving,
                public Kindvensterbeheer,
                public GrafiekvensterOmgeving {
    Q_OBJECT
public:
    explicit mdiK740(QWidget* parent = nullptr);
    ~mdiK740() override;

    // The whole start-up, in its fixed order, ending in the communication main loop. Returns when the
    // program has ended: false when another copy was running and was brought to the front instead.
    bool MDIForm_Load(const QStringList& argumenten);
    // The close request; its answer's `cancel` keeps the program running. Mode 0 the user closed the
    // window, 1 closed from program code (File > Exit), 2 the session ends.
    Sluitantwoord MDIForm_QueryUnload(int unloadMode);
    // The stop line of the event log; the program ends.
    void MDIForm_Unload();
    Sluitantwoord VraagInstellingenBewaren();
    // Saves the program settings and every rack configuration file; false when any of them could not
    // be written.
    bool BewaarAlles();
    bool IsErEenRackActief() const;
    // Relabels the window in the language of the text table (after the settings window closed).
    void LaadStrings();

    // Hoofdvenster, what the engine asks of the main window.
    void ZetTitel() override;
    void StopVerbinding() override;
    void ZetStatusTekst(int paneel, const QString& tekst) override;
    void TerminalToevoegen(const QString& tekst, bool hexadecimaal) override;
    void ToonRackVenster(int rack) override;
    void HerbouwSysteemboom() override;
    QString PoortNaam() const override;
    void ToonHoofdvenster() override;
    void ToonInstellingen(int tab) override;
    bool InstellingenAfgesloten() override;
    void StartTimerOpvragen() override;
    void ToonTerminal() override;
    void ZetMetenKnop(bool aan) override;
    void HerstelGrafieken() override;
    void VernieuwGrafieken() override;

    // Kindvensterbeheer: child windows live in the MDI area.
    void NeemOp(std::unique_ptr<QWidget> venster) override;
    void Toon(QWidget* venster) override;

    // MeldingOmgeving, what every message box does to the main window.
    void ZetHoofdvensterIngeschakeld() override;
    void ZetStatusPaneel3(const QString& tekst) override;

    // GrafiekvensterOmgeving: a closed graph's copied settings are forgotten.
    void GrafiekGesloten(int grafiek) override;

    // The rack-link port.
    void initCommPoort();
    void InstellenCommPoort();
    void OpenCommPoort() override;
    void SluitCommPoort();
    void PlaatsAanduidingenCOM();
    void mnuNetworkSearch_Click();
    void mnuNetworkShow_Click();

    // Timers and the logging switch.
    platform::Timer& TimerOpvragen() { return *m_timerOpvragen; }
    void TimerOpvragen_Timer();
    void TimerControleTeller_Timer();
    void StartStopVerbinding() override;
    void ToevoegenEindpunt();
    void PlaatsVerbindingsTijd();
    void InstellenKnopMeten();
    void InstellenKnopLoggen();

    // Menus, toolbar and status bar.
    void InstellenKnoppenData();
    void ZetKnoppen() override;
    void InstellenKnopMenus();
    void LeesToolbarInstelling();
    void mnuData_Click();
    void mnuDataMeasure_Click();
    void mnuDatalogging_Click();
    void mnuFileSettings_Click();
    // The settings dialog has closed, its settings applied when `toegepast` (OK): the status bar shows
    // the port and the logging state as they now are.
    void InstellingenGesloten(bool toegepast);
    void mnuFileSaveSettings_Click();
    // File > Print: the print dialog for the active child window.
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuExtraTerminal_Click();
    void mnuWindowToolbar_Click();
    void mnuHelpInfo_Click();
    void mnuWindowTileHorizontal_Click() override;

    // The check of View > Terminal (the terminal window is shown).
    bool TerminalAangevinkt() const;
    void ZetTerminalAangevinkt(bool aan);
    // The text of status panel 1..5.
    QString StatusTekst(int paneel) const;
    QMdiArea* mdiGebied() const { return m_mdi; }

    // The size of the window at the first start: room for a whole rack window where it first opens,
    // within the screen area `scherm`.
    QSize StandaardGrootte(const QRect& scherm) const;
    // The window in its normal (restored) state, also while it is maximised or minimised: the frame's
    // top-left corner and the inner size, as the placement record keeps them.
    QRect NormaleKader() const;
    // The placement record has been applied with this normal frame position and inner size.
    void ZetNormaleKader(const QRect& kader);
    QAction* mnuDataMeasure() const { return m_mnuDataMeasure; }
    QAction* mnuDatalogging() const { return m_mnuDatalogging; }
    QAction* knopMeten() const { return m_knopMeten; }
    QAction* knopLoggen() const { return m_knopLoggen; }
    QAction* knopBewaarInstellingen() const { return m_knopBewaar; }
    QAction* mnuNetworkShow() const { return m_mnuNetworkShow; }
    QAction* mnuExtraTerminal() const { return m_mnuExtraTerminal; }

    bool KopieerSetGraph = false;
    bool KopieerSetTab = false;
    int16_t Rs = 0;
    int16_t Ms = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void MaakMenus();
    void MaakStatusbalk();
    void PasPaneelAan(int paneel);
    // A rack window shown for the first time and never placed by the user covers no other rack window.
    void PlaatsRackVenster(int rack);
    // Remembers where the window stands while it is in its normal state.
    void VolgNormaleKader();
    void ToonSplash();

    QMdiArea* m_mdi = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QLabel*, 6> m_panelen{}; // 1..5
    QMenu* m_mnuData = nullptr;
    QMenu* m_mnuWindow = nullptr;
    QAction* m_mnuDataMeasure = nullptr;
    QAction* m_mnuDatalogging = nullptr;
    QAction* m_mnuExtraTerminal = nullptr;
    QAction* m_mnuNetworkShow = nullptr;
    QAction* m_mnuWindowToolbar = nullptr;
    QAction* m_knopMeten = nullptr;
    QAction* m_knopLoggen = nullptr;
    QAction* m_knopBewaar = nullptr;
    std::unique_ptr<platform::Timer> m_timerOpvragen;
    std::unique_ptr<platform::Timer> m_timerControle; // the status bar's share of the 250 ms check
    std::unique_ptr<QWidget> m_splash;
    // The normal placement: as the placement record gave it (until the window is normal again), and the
    // last two seen in the normal state (a window manager may report the maximised size first).
    // The frames of the rack windows placed by PlaatsRackVenster.
    std::array<QPointer<QWidget>, AantalRacks + 1> m_geplaatsteRackVensters{};
    QRect m_bewaardeKader;
    QRect m_laatsteKader;
    QRect m_vorigeKader;
    int m_sluitModus = 0;          // unload mode of the next close
    int m_sluitenNaMeldingen = -1; // a close waits for the open message boxes: its unload mode
    bool m_geladen = false;        // start-up reached the shown window
    bool m_ontladen = false;
};

// The registered main window (nullptr before start-up).
mdiK740* HoofdvensterK740();
// The program's own icon (src/resources/k740.svg); the main window makes it every window's icon.
QIcon ProgrammaPictogram();

// The main window's logging run state back to its start.
void ResetMdiK740();
