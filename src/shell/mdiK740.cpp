#include "shell/mdiK740.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Systeemboom.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Configuratietekst.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"
#include "platform/Opslag.h"
#include "platform/Systeem.h"
#include "platform/Vensterwacht.h"
#include "rackviews/FormTreeview.h"
#include "rackviews/Rackindeling.h"
#include "reports/FormGLP.h"
#include "reports/formPrint.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/Menubalk.h"
#include "shell/Opdrachtregel.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/Statusbalk.h"
#include "shell/Vensterbeheer.h"
#include "shell/Werkbalk.h"
#include "shell/frmInstellen.h"
#include "shell/frmSplash.h"
#include "shell/frmTerminal.h"
#include "views/Grafiekvensters.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>
#include <cmath>

platform::Datum VerbindingsStart;
platform::Datum VerbindingsDuur;
platform::Datum LaatsteOpvraging;
QString OpvraagInfo;
bool ProgrammaBeeindigd = false;

// Outside any namespace, as the resource initialiser must be.
static void InitialiseerPictogram() {
    Q_INIT_RESOURCE(Pictogram);
}

namespace {

mdiK740* huidigVenster = nullptr;

// Every tab of every shown table keeps only its current cell selected, so that rows coming or going
// with logging are not taken into a selection.
void DeselecteerTabellen() {
    for (int r = 1; r <= AantalRacks; ++r) {
        frmTabel* tabel = Racks[r].Present && RackVlaggen[r].Table ? frmTabelVan(r) : nullptr;
        for (int16_t m = 1; tabel && m <= AantalModules; ++m)
            tabel->DeselecteerAlles(m);
    }
}

const QString Settings = QStringLiteral("Settings");

// Unloads the rack window of a rack.
void SluitRackVenster(int r) {
    if (RackvensterInterface* venster = RackVenster(r)) venster->Ontlaad();
}

} // namespace

mdiK740* HoofdvensterK740() {
    return huidigVenster;
}

QIcon ProgrammaPictogram() {
    static const bool geladen = (InitialiseerPictogram(), true);
    Q_UNUSED(geladen);
    return QIcon(QStringLiteral(":/icons/k740.svg"));
}

mdiK740::mdiK740(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mdiK740"));
    // Every window of the program shows its icon.
    QApplication::setWindowIcon(ProgrammaPictogram());
    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(QColor(171, 171, 171));
    // A child window beyond the area can be scrolled to.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A child window that closes hands the activation back to the one used before it (the report's OK,
    // a new graph whose settings were cancelled), not to the first one opened.
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdi);
    m_mdi->viewport()->installEventFilter(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* kader) {
        // A child window that came while a dialog held this window stays in front.
        if (kader && m_actiefVoorUitschakelen && !m_kinderenBijUitschakelen.contains(kader))
            m_actiefVoorUitschakelen = kader;
    });
    MaakMenus();

    m_timerOpvragen = platform::klok().maakTimer();
    m_timerOpvragen->zetInterval(1000);
    m_timerOpvragen->bijTik = [this] { TimerOpvragen_Timer(); };
    m_timerControle = platform::klok().maakTimer();
    m_timerControle->zetInterval(250);
    m_timerControle->zetGrof(true);
    m_timerControle->bijTik = [this] { TimerControleTeller_Timer(); };
    m_timerControle->zetActief(true);

    huidigVenster = this;
}

mdiK740::~mdiK740() {
    // The child windows that close with the area no longer reach a main window that is going.
    if (m_mdi) m_mdi->disconnect(this);
    m_splash.reset();
    if (huidigVenster == this) huidigVenster = nullptr;
    // A window that goes takes its registrations with it.
    if (&hoofdvenster() == this) ZetHoofdvenster(nullptr);
    if (&meldingOmgeving() == this) ZetMeldingOmgeving(nullptr);
    if (&kindvensterbeheer() == this) ZetKindvensterbeheer(nullptr);
    if (&grafiekvensterOmgeving() == this) ZetGrafiekvensterOmgeving(nullptr);
    if (&tabelvensterOmgeving() == this) ZetTabelvensterOmgeving(nullptr);
}

bool mdiK740::eventFilter(QObject* object, QEvent* event) {
    if (object == m_mdi->viewport()) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            mnuFileSettings_Click();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* muis = static_cast<QMouseEvent*>(event);
            if (muis->button() == Qt::RightButton) {
                mnuWindow_Click();
                m_menus->VulVensterlijst();
                m_menus->mnuWindow->popup(muis->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(object, event);
}

// ---------------------------------------------------------------------------------------------------
// Start-up and shutdown

void mdiK740::ToonSplash() {
    m_splash = std::make_unique<frmSplash>();
    m_splash->show();
    Wacht(2000);
    m_splash.reset();
}

bool mdiK740::MDIForm_Load(const QStringList& argumenten) {
    HuidigeTaal = 0;
    KiesTaal(HuidigeTaal);

    AppNaam = QStringLiteral("K740");
    ProductNaam = QStringLiteral("K740");
    TekstAfbakening = QStringLiteral("\"");

    // A file named on the command line is taken from the folder the user started in.
    const QString startMap = QDir::currentPath();
    QDir::setCurrent(platform::ProgrammaMap());

    AlleenLezen = false;
    BezigMetLaden = false;
    TijdScheiding = TijdScheidingsteken();

    LeesSysteemInfo();
    InitialiseerTabellen(ProductNaam);
    TimerControleTeller();

    bool geheel = false;
    HuidigeTaal = LeesInstelling(AppNaam, Settings, QStringLiteral("Language"), QStringLiteral("0"))
                      .trimmed()
                      .toInt(&geheel);
    if (!geheel) HuidigeTaal = 0;
    KiesTaal(HuidigeTaal);
    LaadStrings();
    LaadRecenteBestanden();

    Gegevensbestand =
        LeesInstelling(AppNaam, Settings, QStringLiteral("LastFile"), QStringLiteral("Untitled.csv"));
    ZetTitel();

    // A copy of the program that runs already comes to the front; this one ends untouched.
    if (VorigeInstantieActief(ProductNaam, [] {
            if (mdiK740* v = HoofdvensterK740()) {
                if (v->isMinimized()) v->showNormal();
                v->raise();
                v->activateWindow();
            }
        }))
        return false;

    const QString dataMap =
        LeesInstelling(AppNaam, Settings, QStringLiteral("FolderData"), StandaardMap(QStringLiteral("Data")));
    OntleedCommand(argumenten,
                   GeldigePoort(LeesInstelling(AppNaam, Settings, QStringLiteral("Serial port"),
                                               QStringLiteral("COM1"))),
                   startMap, dataMap);

    // The start line belongs in the data folder, which the settings name; it is made if need be.
    const QString mapCommandoregel = MapGegevens;
    MapGegevens = dataMap;
    if (LogbestandAan) MaakMappen(MapGegevens);
    SchrijfLogboek(0, 0, Tekst[453]);
    // A later start cannot bring this copy to the front: the event log says why.
    if (const QString fout = InstantieLuisterfout(); !fout.isEmpty())
        SchrijfLogboek(0, 0, Tekst[299] + QStringLiteral(": ") + fout);
    if (!mapCommandoregel.isEmpty()) MapGegevens = mapCommandoregel;

    // The program ended while its start waited (the splash, a box no one answered): the start stops
    // there, and nothing more reaches the event log or the files.
    ToonSplash();
    if (m_ontladen) return true;

    Initialisatie(*this);
    if (m_ontladen) return true;

    LeesToolbarInstelling();
    // The buttons of the active window (the design state enables them all).
    InstellenButtons();

    m_menus->mnuNetworkShow->setVisible(Fabrieksmodus);

    show();

    if (CommPoort.isEmpty()) CommPoort = QStringLiteral("COM1");

    initCommPoort();
    PlaatsAanduidingenCOM();
    if (m_ontladen) return true;

    ZetTitel();

    VerbindingActief = false;
    PauzeOpvragen = false;

    show();

    ConfiguratieGewijzigd = false;
    MetenActief = true;
    KopieerSetGraph = false;
    KopieerSetTab = false;
    m_geladen = true;

    CommunicatieLus();
    return true;
}

void mdiK740::HerstelActiefKind() {
    if (!isEnabled() || !m_actiefVoorUitschakelen) return;
    QMdiSubWindow* kader = m_actiefVoorUitschakelen;
    const bool terug = kader->isVisible() && !kader->isMinimized();
    if (terug && m_mdi->activeSubWindow() != kader) m_mdi->setActiveSubWindow(kader);
    // Once the window is active again the child window stands; until then the activation may move it.
    if (!terug || isActiveWindow()) {
        m_actiefVoorUitschakelen = nullptr;
        m_kinderenBijUitschakelen.clear();
    }
}

void mdiK740::closeEvent(QCloseEvent* event) {
    if (m_ontladen) {
        event->accept();
        return;
    }
    const int modus = m_sluitModus >= 0 ? m_sluitModus : event->spontaneous() ? 0 : 1;
    m_sluitModus = -1;
    if (OpenMeldingen() > 0) {
        // A message box waits for its answer, and the command that asked goes on after it: the close
        // follows when every box is answered (ZetHoofdvensterIngeschakeld). The boxes come forward.
        // The loop's question about rows a full disk refuses is no command's: it is withdrawn without an
        // answer (the rows keep waiting), and the close asks its own question about them in its place,
        // whose Cancel keeps the program open. Until then the loop does not ask it again.
        event->ignore();
        m_sluitenNaMeldingen = modus;
        if (!m_vraagBijSluiten) m_vraagBijSluiten = std::make_unique<WachtendeVraagBijSluiten>();
        TrekWachtendeVraagIn();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FormMelding*>(w) && w->isVisible()) {
                w->raise();
                w->activateWindow();
            }
        return;
    }
    const bool geannuleerd = MDIForm_QueryUnload(modus).cancel;
    // A cancelled close: the loop asks again about rows that still wait.
    m_vraagBijSluiten.reset();
    if (geannuleerd) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

Sluitantwoord mdiK740::MDIForm_QueryUnload(int unloadMode) {
    // Edits of the data file waiting in its working copy: commit, drop, or stay (Cancel, also the box's
    // title bar).
    Sluitantwoord antwoord{
        ControleerWijzigingen(MaakBestandsnaam(Gegevensbestand, 0, 0, 0), false, false).geannuleerd};
    if (!antwoord.cancel && (unloadMode == 0 || unloadMode == 2)) antwoord = VraagInstellingenBewaren();
    if (!antwoord.cancel) antwoord.cancel = !SchrijfOpslagBijSluiten();
    if (!antwoord.cancel) antwoord.cancel = !SchrijfRijenBijSluiten();
    // Measuring and logging go on behind the questions; a cancelled close leaves the run as it is.
    if (antwoord.cancel) return antwoord;
    // The close is certain: the run ends with its end point, and no row is taken after it while the close
    // asks about it.
    StopVerbinding();
    m_geenRijenNaEindpunt = true;
    // The end point, when its file cannot take it now: Cancel keeps the program open, and the run goes
    // on behind that end point.
    if (!SchrijfRijenBijSluiten()) {
        m_geenRijenNaEindpunt = false;
        return {.cancel = true};
    }
    m_timerOpvragen->zetActief(false);
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present && RackVlaggen[r].Show) SluitRackVenster(r);
    return antwoord;
}

void mdiK740::MDIForm_Unload() {
    SchrijfLogboek(0, 0, Tekst[460]);
    m_timerOpvragen->zetActief(false);
    SluitCommPoort();
    if (MSComm2().isOpen()) MSComm2().sluit();
    platform::SchrijfOpslag();
    m_ontladen = true;
    ProgrammaBeeindigd = true;
    BeeindigCommunicatieLus();
    hide();
}

void mdiK740::BeeindigZonderGebruiker() {
    if (m_ontladen) return;
    // No one answers: every box, menu and dialog closes with the answer that changes nothing (no file is
    // deleted, renamed or overwritten), and every question asked from here on gets that answer without a
    // box. The end's own steps write what they can without a question: the end point, one more try of
    // the rows that wait, the event-log lines.
    platform::EindeZonderGebruiker(SluitVenstersZonderGebruiker);
    FormMelding::OntlaadAlle();
    SluitVenstersZonderGebruiker();
    StopVerbinding();
    // The rows and the end point that wait for a full disk get one more try; the event log names what
    // still cannot be written.
    BeeindigWachtendeRegels();
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present && RackVlaggen[r].Show) SluitRackVenster(r);
    MDIForm_Unload();
    close();
}

bool mdiK740::SluitVoorSessie() {
    if (m_ontladen) return true;
    m_sluitModus = 2;
    close();
    m_sluitModus = -1;
    return m_ontladen;
}

Sluitantwoord mdiK740::VraagInstellingenBewaren() {
    if (!ConfiguratieGewijzigd) return {};
    const int keuze =
        ToonMelding(Tekst[183], vbQuestion | vbYesNoCancel, Tekst[347] + QLatin1Char(' ') + windowTitle());
    // Yes: the settings and the rack files; the settings reach the disk with the close's own write. Each
    // offers Retry when the disk refuses it, and Cancel keeps the program running.
    if (keuze == vbYes) {
        BewaarInstellingen(*this);
        return {.cancel = !SchrijfRackbestandenBijSluiten()};
    }
    return {.cancel = keuze != vbNo};
}

bool mdiK740::SchrijfRackbestandenBijSluiten() {
    for (int r = 1; r <= AantalRacks; ++r) {
        QString bestand;
        while (!SchrijfRackConfiguratie(r, &bestand)) {
            if (ToonMelding(SchrijffoutTekst(bestand), vbRetryCancel | vbExclamation,
                            Tekst[347] + QLatin1Char(' ') + windowTitle()) != vbRetry) {
                // Still unsaved: File > Save settings writes it later.
                ConfiguratieGewijzigd = true;
                ZetKnoppen();
                return false;
            }
        }
    }
    ConfiguratieGewijzigd = false;
    return true;
}

bool mdiK740::SchrijfOpslagBijSluiten() {
    while (!platform::SchrijfOpslag()) {
        const QString bestand = platform::OpslagBestand(AppNaam);
        if (ToonMelding(SchrijffoutTekst(bestand), vbRetryCancel | vbExclamation,
                        Tekst[347] + QLatin1Char(' ') + windowTitle()) != vbRetry) {
            // Not on the disk: the settings count as unsaved, File > Save settings writes them too.
            ConfiguratieGewijzigd = true;
            ZetKnoppen();
            return false;
        }
    }
    return true;
}

bool mdiK740::SchrijfRijenBijSluiten() {
    // One box at a time: while the close asks, the loop's own question about these rows waits.
    const WachtendeVraagBijSluiten eenVraag;
    while (!SchrijfWachtendeRegels()) {
        if (ToonMelding(SchrijffoutTekst(WachtendBestand()), vbRetryCancel | vbExclamation,
                        Tekst[347] + QLatin1Char(' ') + windowTitle()) != vbRetry)
            return false;
    }
    return true;
}

bool mdiK740::BewaarAlles() {
    BewaarInstellingen(*this);
    const bool racks = SchrijfAlleRackConfiguraties();
    // Last, so that the rack files' log-on records reach the disk too.
    const bool opslag = SchrijfInstellingenOpslag();
    if (!opslag) ConfiguratieGewijzigd = true;
    return racks && opslag;
}

bool mdiK740::IsErEenRackActief() const {
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present) return true;
    return false;
}

void mdiK740::ZetTitel() {
    setWindowTitle(ProductNaam.left(4) + QStringLiteral(" (") + Gegevensbestand + QLatin1Char(')'));
}

void mdiK740::ZetStatusTekst(int paneel, const QString& tekst) {
    m_statusbalk->ZetTekst(paneel, tekst);
}

QString mdiK740::StatusTekst(int paneel) const {
    return m_statusbalk->Tekst(paneel);
}

void mdiK740::TerminalToevoegen(const QString& tekst, bool hexadecimaal) {
    ::TerminalToevoegen(tekst, hexadecimaal);
}

void mdiK740::ToonRackVenster(int rack) {
    RackvensterInterface* venster = MaakRackVenster(rack);
    if (!venster) return;
    venster->Toon();
    PlaatsRackVenster(rack);
}

void mdiK740::PlaatsRackVenster(int rack) {
    auto* venster = dynamic_cast<QWidget*>(RackVenster(rack));
    QWidget* kader = venster ? Kindvensterkader(venster) : nullptr;
    if (!kader || kader == venster || m_geplaatsteRackVensters[rack] == kader) return;
    m_geplaatsteRackVensters[rack] = kader;
    // A window the user placed in an earlier run stays where it was.
    const auto bewaard = [](const QString& sectie) {
        return !LeesInstelling(AppNaam, sectie, QStringLiteral("Top"), QString()).isEmpty();
    };
    if (bewaard(QStringLiteral("Rack%1").arg(rack)) || bewaard(QStringLiteral("Measurement%1").arg(rack)))
        return;
    // A new one (a rack that just logged on) covers none of the other rack windows.
    QList<QRect> andere;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (r == rack) continue;
        auto* ander = dynamic_cast<QWidget*>(RackVenster(r));
        QWidget* anderKader = ander ? Kindvensterkader(ander) : nullptr;
        if (anderKader && anderKader->isVisible()) andere << anderKader->geometry();
    }
    const int trede = std::max(kader->height() - venster->height(), 8);
    kader->move(VrijePlaats(kader->pos(), kader->size(), andere, m_mdi->viewport()->size(), trede));
}

void mdiK740::HerbouwSysteemboom() {
    // The caller has marked the tree hidden; a tree window that is still registered is built afresh.
    BoomZichtbaar = true;
    if (Systeemboom())
        HerbouwTreeView();
    else
        BoomZichtbaar = false;
}

QString mdiK740::PoortNaam() const {
    return CommPoort.isEmpty() ? QStringLiteral("COM1") : CommPoort;
}

void mdiK740::ToonHoofdvenster() {
    show();
}

void mdiK740::ToonInstellingen(int tab) {
    ::ToonInstellingen(tab);
}

bool mdiK740::InstellingenAfgesloten() {
    return InstellenAfsluiten();
}

void mdiK740::StartTimerOpvragen() {
    m_timerOpvragen->zetActief(true);
}

void mdiK740::ToonTerminal() {
    if (!m_menus->mnuExtraTerminal->isChecked())
        m_menus->mnuExtraTerminal->trigger();
    else
        ::ToonTerminal();
}

void mdiK740::HerstelGrafieken() {
    ::HerstelGrafieken();
}

void mdiK740::VernieuwGrafieken() {
    ::VernieuwGrafieken();
}

void mdiK740::ZetMetenKnop(bool aan) {
    m_menus->mnuDataMeasure->setChecked(aan);
    knopMeten()->setChecked(aan);
}

void mdiK740::NeemOp(std::unique_ptr<QWidget> venster) {
    QMdiSubWindow* kader = m_mdi->addSubWindow(venster.release());
    // The frame's own Close answers Ctrl+F4 only: Ctrl+W is File > Save As in every window.
    if (QMenu* menu = kader->systemMenu())
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> toetsen = a->shortcuts();
            if (toetsen.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0) a->setShortcuts(toetsen);
        }
    kader->hide();
}

void mdiK740::Toon(QWidget* venster) {
    if (!venster) return;
    venster->show();
    if (QWidget* kader = Kindvensterkader(venster)) kader->show();
}

void mdiK740::ZetHoofdvensterIngeschakeld() {
    if (!HoofdvensterUitgehouden()) setEnabled(true);
    if (m_sluitenNaMeldingen < 0 || OpenMeldingen() > 0) return;
    // The close asked while a box was open, once the command that showed the last box has finished.
    const int modus = m_sluitenNaMeldingen;
    m_sluitenNaMeldingen = -1;
    QMetaObject::invokeMethod(
        this,
        [this, modus] {
            m_sluitModus = modus;
            close();
            m_sluitModus = -1;
        },
        Qt::QueuedConnection);
}

void mdiK740::ZetStatusPaneel3(const QString& tekst) {
    ZetStatusTekst(3, tekst);
}

void mdiK740::GrafiekGesloten(int grafiek) {
    if (KopieerSetGraph && Rs == grafiek) KopieerSetGraph = false;
}

bool mdiK740::ToonGrafiekMenu(const QPoint& globaal) {
    Menubalk& m = *m_menus;
    const std::initializer_list<QAction*> vanGrafiek = {m.mnuGraphPrint,        m.linegraph2,
                                                        m.linegraph3,           m.mnuGraphCopy,
                                                        m.mnuGraphCopySettings, m.mnuGraphPasteSettings};
    // The items of the graph: New goes, paste only with graph settings copied.
    m.mnuGraphNew->setVisible(false);
    m.linegraph1->setVisible(false);
    for (QAction* a : vanGrafiek)
        a->setVisible(true);
    m.mnuGraphPasteSettings->setEnabled(KopieerSetGraph);
    VoerMenuUit(*m.mnuGraph, globaal);
    // The Graph menu as the menu bar shows it.
    m.mnuGraphNew->setVisible(true);
    m.linegraph1->setVisible(true);
    for (QAction* a : vanGrafiek)
        a->setVisible(false);
    return true;
}

void mdiK740::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        // Disabling takes the child windows' activation away; the one the user worked in comes back.
        if (!isEnabled()) {
            if (!m_actiefVoorUitschakelen) {
                m_actiefVoorUitschakelen = m_mdi->currentSubWindow();
                m_kinderenBijUitschakelen = m_mdi->subWindowList();
            }
        } else {
            HerstelActiefKind();
        }
        return;
    }
    if (event->type() == QEvent::ActivationChange) {
        // After the child window area has taken the activation its own way.
        if (isActiveWindow() && m_actiefVoorUitschakelen)
            QMetaObject::invokeMethod(this, &mdiK740::HerstelActiefKind, Qt::QueuedConnection);
        return;
    }
    if (event->type() != QEvent::WindowStateChange) return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        // A placement that covers the whole screen was the maximised one, reported before the state.
        const QScreen* scherm = screen();
        const QSize rand = frameGeometry().size() - size();
        if (scherm && m_vorigeKader.isValid() &&
            QRect(m_laatsteKader.topLeft(), m_laatsteKader.size() + rand)
                .contains(scherm->availableGeometry()))
            m_laatsteKader = m_vorigeKader;
    } else if (!(windowState() & Qt::WindowMinimized) && m_bewaardeKader.isValid()) {
        // Back from the state the window started in: where the placement record put its frame.
        const QRect kader = m_bewaardeKader;
        QMetaObject::invokeMethod(
            this,
            [this, kader] {
                if (windowState() != Qt::WindowNoState) return;
                move(kader.topLeft());
                resize(kader.size());
            },
            Qt::QueuedConnection);
    }
}

void mdiK740::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    VolgNormaleKader();
}

void mdiK740::VolgNormaleKader() {
    if (!isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QRect kader(frameGeometry().topLeft(), size());
    m_bewaardeKader = QRect();
    if (kader == m_laatsteKader) return;
    m_vorigeKader = m_laatsteKader;
    m_laatsteKader = kader;
}

QRect mdiK740::NormaleKader() const {
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return QRect(frameGeometry().topLeft(), size());
    if (m_bewaardeKader.isValid()) return m_bewaardeKader;
    if (m_laatsteKader.isValid()) return m_laatsteKader;
    const QRect normaal = normalGeometry();
    return QRect(normaal.topLeft() - (geometry().topLeft() - frameGeometry().topLeft()), normaal.size());
}

void mdiK740::ZetNormaleKader(const QRect& kader) {
    m_bewaardeKader = kader;
    m_laatsteKader = m_vorigeKader = QRect();
}

QSize mdiK740::StandaardGrootte(const QRect& scherm) const {
    // A rack window with all its modules where a first rack window opens (100 twips from the corner),
    // in its frame of the window area.
    QMdiSubWindow proef;
    auto* binnen = new QWidget;
    binnen->setFixedSize(100, 100);
    proef.setWidget(binnen);
    const QSize kader = proef.sizeHint() - binnen->size();
    const int hoek = TwipsNaarPixels(100);
    const QSize rack(TwipsNaarPixels(AantalModules * Paneelontwerp::Breedte) + kader.width(),
                     TwipsNaarPixels(Paneelontwerp::Hoogte) + kader.height());
    const QSize gebied(2 * hoek + rack.width() + 2 * m_mdi->frameWidth(),
                       2 * hoek + rack.height() + 2 * m_mdi->frameWidth());
    // Menus, toolbar and status bar around the area.
    const int rand = menuBar()->sizeHint().height() + m_werkbalk->balk()->sizeHint().height() +
                     statusBar()->sizeHint().height();
    QSize maat(std::max(gebied.width(), TwipsNaarPixels(10000)),
               std::max(gebied.height() + rand, TwipsNaarPixels(7000)));
    // The window manager's frame is not known before the window shows: room for a common one.
    return maat.boundedTo(scherm.size() - QSize(16, 40));
}

void mdiK740::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    VolgNormaleKader();
    if (!m_geladen) return;
    ConfiguratieGewijzigd = true;
    ZetKnoppen();
}

// ---------------------------------------------------------------------------------------------------
// The rack-link port

void mdiK740::initCommPoort() {
    const bool ingesteld = InstellenCommPoort();
    Voorloop = 1;
    Naloop = 1;
    if (ingesteld)
        ZetStatusTekst(2, Tekst[150]);
    else
        ZetStatusTekst(1, Tekst[148] + CommPoort + Tekst[149]);
}

bool mdiK740::InstellenCommPoort() {
    if (Demo) return true;
    auto& lijn = MSComm1();
    if (lijn.isOpen()) {
        ToonMelding(Tekst[147], vbExclamation | vbOKOnly, QStringLiteral("RS232"));
        return false;
    }
    lijn.zetPoort(CommPoort);
    lijn.zetInstellingen(Baudsnelheid + QStringLiteral(",N,8,1"));
    return true;
}

bool mdiK740::OpenCommPoort() {
    if (Demo) return true;
    auto& lijn = MSComm1();
    if (!lijn.isOpen() && !lijn.open()) {
        ZetStatusTekst(1, Tekst[148] + CommPoort + Tekst[149]);
        // The system's reason, when it gave one.
        const QString reden = lijn.foutmelding().trimmed();
        ToonMelding(Tekst[152] + CommPoort + QStringLiteral("' !") +
                        (reden.isEmpty() ? QString() : QStringLiteral("\r\n\r\n") + reden),
                    vbExclamation | vbOKOnly, QStringLiteral("RS232"));
        VerbindingActief = false;
        return false;
    }
    lijn.zetDTR(false);
    lijn.zetRTS(false);
    return true;
}

void mdiK740::SluitCommPoort() {
    if (MSComm1().isOpen()) MSComm1().sluit();
}

void mdiK740::PlaatsAanduidingenCOM() {
    m_timerOpvragen->zetActief(true);
    InstellenKnoppenData();
    mnuData_Click();
    m_menus->mnuDatalogging->setChecked(VerbindingActief);
    ZetStatusTekst(1, CommPoort + QStringLiteral(", ") + Baudsnelheid + QStringLiteral(" bps."));
}

void mdiK740::mnuNetworkSearch_Click() {
    if (IsErEenRackActief() && ToonMelding(Tekst[315], vbCritical | vbOKCancel, Tekst[314]) != vbOK) return;
    // A port that was lost (or never opened) is opened again first; one that cannot be opened is told
    // with the system's reason, and the racks and their windows stay as they are.
    if (!Demo && !MSComm1().isOpen() && !OpenCommPoort()) return;
    // The run ends first, with its end point in every file it wrote, under the names it wrote them with:
    // the module records are cleared only after it.
    if (VerbindingActief) ToevoegenEindpunt();
    for (int r = 1; r <= AantalRacks; ++r) {
        // Each rack waits for its log-on; one that does not answer stays present, and its modules keep
        // the names of their log-on beside the cleared records (RackModel.h).
        ZetRackWachtOpAanmelding(r, Racks[r].Present);
        for (int m = 1; m <= AantalModules; ++m) {
            Racks[r].Modules[m].Name.clear();
            Racks[r].Modules[m].Type = QStringLiteral("    ");
        }
        // The rack window and the table wait hidden, and their flags stay: the table keeps its rows for
        // a rack that logs on again with the same modules.
        if (RackVlaggen[r].Show)
            if (RackvensterInterface* venster = RackVenster(r)) venster->WachtOpAanmelding();
        if (Tabelvenster* tabel = TabelVensters[r]) tabel->WachtOpAanmelding();
    }
    // What the walk had under way ends with the run: nothing more goes to a rack that does not answer,
    // and the next row waits for the readings of the racks that do.
    HerbeginOpvraging();
    HerinitialiseerGrafieken();
    if (BoomZichtbaar) HerbouwTreeView();
    if (!m_menus->mnuExtraTerminal->isChecked()) m_menus->mnuExtraTerminal->trigger();
    ::ToonTerminal();
    WisBuffers();
    ZendAanmeldVerzoek();
    ConfiguratieGewijzigd = true;
    ZetKnoppen();
    PlaatsAanduidingenCOM();
}

void mdiK740::mnuNetworkShow_Click() {
    ToonSysteemboom();
}

// ---------------------------------------------------------------------------------------------------
// Timers and the logging switch

void mdiK740::TimerControleTeller_Timer() {
    ZetStatusTekst(5, QLocale().toString(platform::TijdVan(platform::Nu()), QStringLiteral("HH:mm")));
    if (MSComm1().isOpen() && VerbindingActief) PlaatsVerbindingsTijd();
}

void mdiK740::TimerOpvragen_Timer() {
    if (PauzeOpvragen || !MetenActief) {
        ZetKnoppen();
        InstellenKnopMenus();
        return;
    }
    // The schedule waits while the logging switch is at work: its question about edits, or its box about the
    // port, would otherwise be asked again at every tick, and each answer would switch once more.
    if (!StartBijOpstarten && !m_schakelaarBezig) {
        const platform::Datum nu = platform::Nu();
        if (!VerbindingActief && GebruikStartLog && StartLogTijdstip <= nu &&
            (!GebruikStopLog || nu < StopLogTijdstip))
            StartStopVerbinding(true);
        if (VerbindingActief && GebruikStopLog && StopLogTijdstip <= platform::Nu()) {
            StartStopVerbinding();
            GebruikStopLog = false;
            BewaarInstelling(AppNaam, Settings, QStringLiteral("Use StopLogOn"), QStringLiteral("False"));
            ZetStarttijdUit();
        }
    }
    if (VerbindingActief && m_geenRijenNaEindpunt) {
        // The close took the run's end point and asks about it: no row follows it.
    } else if (VerbindingActief) {
        // A port that was lost is told, and its run ended with an end point, by the loop's check of the
        // line (its next pass); opening it again here would end the run without one.
        if (!MSComm1().isOpen() && !MSComm1().verloren()) OpenCommPoort();
        if (MSComm1().isOpen() || Demo) {
            PlaatsVerbindingsTijd();
            // The interval counts from the previous snapshot on the steady clock, half a tick early
            // at most: ticks a second apart give a row each, never one more or one less. A snapshot
            // waits until every measured module has had its turn since the previous one (CyclusVoltooid),
            // so that no row repeats a reading that no poll refreshed. The timer keeps its beat; a tick
            // that comes while a snapshot pumps events is left out. The row carries the moment its
            // values are taken, before the recorder graphs (whose automatic printout takes its time),
            // and never the second of the row before it: a late tick leaves that row to the next one.
            const qint64 nuMs = platform::klok().ms();
            const platform::Datum nu = platform::Nu();
            const auto seconde = [](platform::Datum d) { return std::llround(d * 86400000.0) / 1000; };
            if (!m_opnameBezig && CyclusVoltooid &&
                nuMs - m_laatsteOpvragingMs >= qint64(Tijdsinterval) * 1000 - 500 &&
                seconde(nu) != seconde(LaatsteOpvraging)) {
                m_opnameBezig = true;
                m_laatsteOpvragingMs = nuMs;
                LaatsteOpvraging = nu;
                TijdMeting = LaatsteOpvraging;
                OpvraagInfo.clear();
                VerwerkOpvraagTik();
                // The next row waits until every module has had its turn again.
                OpenBeurten();
                m_opnameBezig = false;
            }
        }
    } else {
        PlaatsAanduidingenCOM();
    }
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (GrafiekvensterInterface* v = GrafiekVenster(g);
            v && v->GrafiekIndex() == g && v->Instellingen().XYrecorder)
            v->VulGrafiekAan(AantalMetingen);
    ZetKnoppen();
    InstellenKnopMenus();
}

void mdiK740::ZetStarttijdUit() {
    GebruikStartLog = false;
    BewaarInstelling(AppNaam, Settings, QStringLiteral("Use StartLogOn"), QStringLiteral("False"));
}

void mdiK740::StartStopVerbinding() {
    StartStopVerbinding(false);
}

void mdiK740::StartStopVerbinding(bool geplandeStart) {
    if (AlleenLezen || PauzeOpvragen) {
        InstellenKnopLoggen();
        return;
    }
    // The switch's way is chosen now: on when logging is off. The question about edits waits while the
    // timers run, and a timed start may switch logging on meanwhile: the start asked for then finds
    // logging on and does nothing more, whatever the answer (Cancel does not end that run either).
    const bool aan = !VerbindingActief;
    const QScopedValueRollback<bool> bezig(m_schakelaarBezig, true);
    if (aan) {
        const bool geannuleerd =
            ControleerWijzigingen(MaakBestandsnaam(Gegevensbestand, 0, 0, 0), true, false).geannuleerd;
        if (VerbindingActief) {
            InstellenKnopLoggen();
            return;
        }
        if (geannuleerd) {
            // The schedule's start, cancelled, failed: the edits stay, and the start time is taken off so
            // that it is not asked again at every tick (its box takes the user's input alone, and the
            // settings where it is set could not be reached).
            if (geplandeStart && GebruikStartLog) ZetStarttijdUit();
            StopVerbinding();
            return;
        }
    }
    bool eindpuntGeschreven = false;
    if (MSComm1().isOpen() || Demo) {
        VerbindingActief = aan;
        SchrijfLogboek(0, 0, Tekst[458] + BooleanAlsTekst(VerbindingActief));
    } else {
        // A run the closed port ends takes its end point and its event-log line at once, not when the
        // box is answered.
        if (VerbindingActief) {
            VerbindingActief = false;
            ToevoegenEindpunt();
            eindpuntGeschreven = true;
        }
        SchrijfLogboek(0, 0, Tekst[458] + BooleanAlsTekst(VerbindingActief));
        ToonMelding(Tekst[148] + CommPoort + Tekst[149], vbCritical | vbOKOnly, Tekst[299]);
    }
    DeselecteerTabellen();
    if (!VerbindingActief) {
        knopLoggen()->setChecked(false);
        if (!eindpuntGeschreven) ToevoegenEindpunt();
        if (GebruikStartLog) ZetStarttijdUit();
    } else {
        if (AantalMetingen < 0) AantalMetingen = 0;
        // The run's first row holds only readings taken from now on.
        OpenBeurten();
        BeginLogging();
        m_menus->mnuDatalogging->setChecked(true);
        VerbindingsStart = platform::Nu();
        LaatsteOpvraging = VerbindingsStart - Tijdsinterval / 86400.0;
        m_laatsteOpvragingMs = platform::klok().ms() - qint64(Tijdsinterval) * 1000;
        m_timerOpvragen->zetActief(true);
        ZetStatusTekst(3, QStringLiteral(" "));
        knopLoggen()->setChecked(true);
        if (!OpenCommPoort()) {
            VerbindingActief = false;
            PlaatsAanduidingenCOM();
        }
    }
    WisBuffers();
    PlaatsAanduidingenCOM();
}

void mdiK740::StopVerbinding() {
    if (VerbindingActief) ToevoegenEindpunt();
    PlaatsAanduidingenCOM();
}

void mdiK740::ToevoegenEindpunt() {
    if (AantalMetingen <= 0) return;
    TijdMeting = platform::Nu();
    ++AantalMetingen;
    VernieuwVensters(QStringLiteral("Stop"));
}

void mdiK740::PlaatsVerbindingsTijd() {
    if (!VerbindingActief) return;
    VerbindingsDuur = platform::Nu() - VerbindingsStart;
    const double dag = VerbindingsDuur - std::floor(VerbindingsDuur);
    const int ms = static_cast<int>(std::llround(dag * 86400.0) % 86400) * 1000;
    ZetStatusTekst(4, QTime::fromMSecsSinceStartOfDay(ms).toString(QStringLiteral("HH:mm:ss")));
}

void mdiK740::InstellenKnopMeten() {
    mnuData_Click();
    knopMeten()->setChecked(m_menus->mnuDataMeasure->isChecked() && m_menus->mnuDataMeasure->isEnabled());
}

void mdiK740::InstellenKnopLoggen() {
    if (VerbindingActief) {
        ZetStatusTekst(2, Tekst[151]);
        knopLoggen()->setChecked(true);
        m_werkbalk->ZetAfbeelding(KnopLoggen, AfbeeldingLogging);
        m_statusbalk->ZetVerzonken(2, true);
    } else {
        ZetStatusTekst(2, Tekst[150]);
        knopLoggen()->setChecked(false);
        m_werkbalk->ZetAfbeelding(KnopLoggen, AfbeeldingLog);
        m_statusbalk->ZetVerzonken(2, false);
    }
}

// ---------------------------------------------------------------------------------------------------

void ResetMdiK740() {
    ProgrammaBeeindigd = false;
    VerbindingsStart = VerbindingsDuur = LaatsteOpvraging = 0;
    OpvraagInfo.clear();
}
