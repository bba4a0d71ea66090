#pragma once
// The main window: start-up and shutdown of the program, the rack-link port and its indications, the
// three timers with the logging switch, and the commands of its menus, toolbar and status bar. The menu
// tree with its state rules (Menubalk), the toolbar (Werkbalk), the status bar (Statusbalk) and the
// child-window management (Vensterbeheer) live in files of their own; the commands are in
// Menuopdrachten.cpp.
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Instellingenkopie.h"
#include "views/Grafiekvensters.h"
#include "views/frmTabel.h"

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
class QMdiSubWindow;
class QMenu;
class QToolBar;
class Menubalk;
class Statusbalk;
class Vensterbeheer;
class WachtendeVraagBijSluiten;
class Werkbalk;
struct Menutoestand;

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
                public GrafiekvensterOmgeving,
                public TabelvensterOmgeving,
                public Kopieerbron {
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
    // Writes the settings that are not on the disk yet; a failure offers Retry and Cancel. False after
    // Cancel: the close is cancelled, so that the user can make room and keep the settings.
    bool SchrijfOpslagBijSluiten();
    // Rows that wait for their data file (a full disk) are written before the program ends; while they
    // cannot be, Retry and Cancel (false: the close is cancelled, the rows keep waiting).
    bool SchrijfRijenBijSluiten();
    // Writes every rack configuration file; a file (or its backup) the disk refuses offers Retry and
    // Cancel. False after Cancel, with the configuration still marked changed.
    bool SchrijfRackbestandenBijSluiten();
    // Saves the program settings and every rack configuration file; false when any of them could not
    // be written.
    bool BewaarAlles();
    bool IsErEenRackActief() const;
    // Every caption and tool tip of the menus and the toolbar, and every shown rack window, in the
    // language of the text table.
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
    void UpdateFileMenu(const QString& naam, const QString& tekst) override;
    void VerwijderRecentBestand(const QString& naam) override;
    void ZetWachtcursor(bool wachten) override;

    // Kindvensterbeheer: child windows live in the MDI area.
    void NeemOp(std::unique_ptr<QWidget> venster) override;
    void Toon(QWidget* venster) override;

    // MeldingOmgeving, what every message box does to the main window.
    void ZetHoofdvensterIngeschakeld() override;
    void ZetStatusPaneel3(const QString& tekst) override;

    // GrafiekvensterOmgeving: a closed graph's copied settings are forgotten; the chart's right-button
    // menu is the Graph menu.
    void GrafiekGesloten(int grafiek) override;
    bool ToonGrafiekMenu(const QPoint& globaal) override;

    // TabelvensterOmgeving: the toolbar and the Edit menu for the table windows.
    void InstellenButtons() override;
    void ZetKopieerKnoppen(bool aan) override;
    void ToonBewerkMenu(const QPoint& globaal) override;
    void TabelGesloten(int r) override;

    // The rack-link port.
    // The port procedures: true when done, false when they failed (the user has been told).
    void initCommPoort();
    bool InstellenCommPoort();
    bool OpenCommPoort() override;
    void SluitCommPoort();
    void PlaatsAanduidingenCOM();
    void mnuNetworkSearch_Click();
    void mnuNetworkShow_Click();

    // Timers and the logging switch.
    platform::Timer& TimerOpvragen() { return *m_timerOpvragen; }
    void TimerOpvragen_Timer();
    void TimerControleTeller_Timer();
    void StartStopVerbinding() override;
    // The switch as the schedule works it (`geplandeStart`: its start time came): a start it asks about and
    // the user cancels is a start that failed, which takes the start time off.
    void StartStopVerbinding(bool geplandeStart);
    void ToevoegenEindpunt();
    void PlaatsVerbindingsTijd();
    void InstellenKnopMeten();
    void InstellenKnopLoggen();

    // Menus, toolbar and status bar.
    void InstellenKnoppenData();
    // Enables or disables toolbar button `index` (KnoppenAan, KnoppenUit).
    void ZetKnop(int index, bool aan);
    void ZetKnoppen() override;
    void InstellenKnopMenus();
    void LeesToolbarInstelling();
    // The copy button and Edit > Copy from the active child window.
    void ZetKopieerStatus();
    void mnuEditEnable();
    void mnuEditDisable();
    void mnuEditLogEnable();
    // The state rules of the drop-down menus, run when a menu opens.
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuNetwork_Click();
    void mnuData_Click();
    void mnuGraph_Click();
    void mnuView_Click();
    void mnuWindow_Click();
    // The program's state as the state rules read it.
    Menutoestand Toestand() const;
    // Toolbar_ButtonClick, Toolbar_ButtonMenuClick and StatusBar_PanelClick.
    void Toolbar_ButtonClick(int index);
    void Toolbar_ButtonMenuClick(int entry);
    void StatusBar_PanelClick(int paneel);

    // The commands (Menuopdrachten.cpp).
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSaveAs_Click();
    void mnuFileSettings_Click();
    // The settings dialog has closed, its settings applied when `toegepast` (OK): the status bar shows
    // the port and the logging state as they now are, the texts the language.
    void InstellingenGesloten(bool toegepast);
    void mnuFileSaveSettings_Click();
    // File > Print: the print dialog for the active child window.
    void mnuFilePrint_Click();
    // File > Exit: the user ends the program; the questions of the close box are asked.
    void mnuFileExit_Click();
    // Ends the program from code, without the question about unsaved settings.
    void SluitVanuitCode();
    // Ends the program with no one to answer (a signal: logout, shutdown, kill): every open box and
    // dialog closes as with Cancel and no question is asked; a logging run gets its end point and the
    // event log its stop line; unsaved configuration changes are not saved, and edits of the data file
    // waiting in its working copy stay there for the next start to ask about.
    void BeeindigZonderGebruiker();
    // The session ends and the user may still answer: the questions of the close box. False when the
    // user chose to stay.
    bool SluitVoorSessie();
    void mnuRecentFile_Click(int index);
    void mnuEditCopy_Click();
    void mnuEditInfo_Click();
    void mnuClearLine_Click();
    void mnuDeleteLine_Click();
    void mnuRelatieveTijd_Click();
    void mnuTimeOrigin_Click();
    void mnuEditCopySettings_Click();
    void mnuEditPasteSettings_Click();
    void mnuSystemReport_Click();
    void mnuSystemReset_Click();
    void mnuDataMeasure_Click();
    void mnuDatalogging_Click();
    void mnuExtraSettingsGraph_Click();
    void mnuGraphPrint_Click();
    void mnuGraphNewTable_Click();
    void mnuGraphNewRecorder_Click();
    void mnuDataRack_Click();
    void mnuDataTabel_Click();
    void mnuViewGraph_Click();
    void mnuExtraTerminal_Click();
    void mnuWindowFont_Click();
    void mnuWindowToolbar_Click();
    void mnuWindowTileHorizontal_Click() override;
    void mnuWindowTileVertical_Click();
    void mnuWindowCascade_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuHelpContents_Click();
    void mnuHelpInfo_Click();
    void mnuSysInfo_Click();
    // The recent-file entries of the File menu from the list in the settings.
    void LaadRecenteBestanden();

    // The check of View > Terminal (the terminal window is shown).
    bool TerminalAangevinkt() const;
    void ZetTerminalAangevinkt(bool aan);
    // The text of status panel 1..5.
    QString StatusTekst(int paneel) const;
    QMdiArea* mdiGebied() const { return m_mdi; }
    Menubalk& menus() const { return *m_menus; }
    Werkbalk& werkbalk() const { return *m_werkbalk; }
    Statusbalk& statusbalk() const { return *m_statusbalk; }
    Vensterbeheer& vensterbeheer() const { return *m_vensters; }
    // The active child window (the widget inside its frame), or nullptr.
    QWidget* ActiefVenster() const;
    // The number of visible table, graph and terminal windows.
    int ActieveVensters() const;

    // The size of the window at the first start: room for a whole rack window where it first opens,
    // within the screen area `scherm`.
    QSize StandaardGrootte(const QRect& scherm) const;
    // The window in its normal (restored) state, also while it is maximised or minimised: the frame's
    // top-left corner and the inner size, as the placement record keeps them.
    QRect NormaleKader() const;
    // The placement record has been applied with this normal frame position and inner size.
    void ZetNormaleKader(const QRect& kader);
    QAction* mnuDataMeasure() const;
    QAction* mnuDatalogging() const;
    QAction* knopMeten() const;
    QAction* knopLoggen() const;
    QAction* knopBewaarInstellingen() const;
    QAction* mnuNetworkShow() const;
    QAction* mnuExtraTerminal() const;

    // The rack and module the configuration report starts on: set by Edit > Info and Copy settings of
    // a table window, always a rack 1..16 and a module position 1..7 when handed to the report.
    int16_t RapportRack = 0;
    int16_t RapportModule = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void MaakMenus();
    // A rack window shown for the first time and never placed by the user covers no other rack window.
    void PlaatsRackVenster(int rack);
    // Remembers where the window stands while it is in its normal state.
    void VolgNormaleKader();
    void ToonSplash();
    // The scheduled start is off ("Use StartLogOn" False) until a start time is set again.
    void ZetStarttijdUit();

    QMdiArea* m_mdi = nullptr;
    Menubalk* m_menus = nullptr;
    std::unique_ptr<Werkbalk> m_werkbalk;
    Statusbalk* m_statusbalk = nullptr;
    std::unique_ptr<Vensterbeheer> m_vensters;
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
    // The child window that was active when a dialog disabled this window: it is the active one again
    // when the window is enabled and active again, unless a child window that came meanwhile (one the
    // user opened from the dialog) took the activation; the child windows there were at that moment.
    QPointer<QMdiSubWindow> m_actiefVoorUitschakelen;
    QList<QMdiSubWindow*> m_kinderenBijUitschakelen;
    void HerstelActiefKind();
    // While a close waits for the open message boxes, the loop asks nothing about rows a full disk
    // refuses: the close will.
    std::unique_ptr<WachtendeVraagBijSluiten> m_vraagBijSluiten;
    int m_sluitModus = -1;         // unload mode of the next close; -1: as the close event tells
    int m_sluitenNaMeldingen = -1; // a close waits for the open message boxes: its unload mode
    bool m_geladen = false;        // start-up reached the shown window
    bool m_ontladen = false;
    bool m_geenRijenNaEindpunt = false; // the close took the end point and asks about it
    bool m_opnameBezig = false;         // a snapshot is being taken (it may pump events)
    bool m_schakelaarBezig = false;     // the logging switch is at work (its question or box waits)
    qint64 m_laatsteOpvragingMs = 0;    // the last snapshot on the steady clock
};

// The registered main window (nullptr before start-up).
mdiK740* HoofdvensterK740();
// The program's own icon (src/resources/k740.svg); the main window makes it every window's icon.
QIcon ProgrammaPictogram();

// The main window's logging run state back to its start.
void ResetMdiK740();

// The rack and module handed to the configuration report: the given ones when the rack is registered
// and the module lies in 1..7, else the first registered rack and module 1 (rack 1 without one).
struct Rapportbron {
    int16_t rack = 1;
    int16_t module = 1;
};
Rapportbron BepaalRapportbron(int16_t rack, int16_t module);
