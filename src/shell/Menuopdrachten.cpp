// The main window's commands: what every menu item, toolbar button and status-bar panel does, the
// enabling of the toolbar and the Edit menu for the active child window, and the texts of the main
// window in the chosen language.
#include "acquisition/Communicatie.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/RackConfiguratie.h"
#include "files/Werkkopie.h"
#include "rackviews/FormRack.h"
#include "reports/FormGLP.h"
#include "reports/formPrint.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Menubalk.h"
#include "shell/RecenteBestanden.h"
#include "shell/Statusbalk.h"
#include "shell/Systeeminfo.h"
#include "shell/Systeemopdrachten.h"
#include "shell/Vensterbeheer.h"
#include "shell/Werkbalk.h"
#include "shell/frmInstellen.h"
#include "shell/frmSplash.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolBar>
#include <algorithm>

namespace {

const QString Settings = QStringLiteral("Settings");

// The font of a plain control (the terminal's text) for the font dialog.
class ControleLettertype : public LettertypeDrager {
public:
    explicit ControleLettertype(QWidget& controle) : m_controle(controle) {}
    Lettertype LeesLettertype() const override {
        const QFont f = m_controle.font();
        const QColor c = m_controle.palette().color(m_controle.foregroundRole());
        return {f.family(),
                f.pointSizeF(),
                f.bold(),
                f.italic(),
                f.underline(),
                f.strikeOut(),
                c.red() + 256 * c.green() + 65536 * c.blue()};
    }
    void ZetLettertype(const Lettertype& l) override {
        QFont f = m_controle.font();
        if (!l.naam.isEmpty()) f.setFamily(l.naam);
        if (l.grootte > 0) f.setPointSizeF(l.grootte);
        f.setBold(l.vet);
        f.setItalic(l.cursief);
        f.setUnderline(l.onderstreept);
        f.setStrikeOut(l.doorgehaald);
        m_controle.setFont(f);
        QPalette p = m_controle.palette();
        p.setColor(m_controle.foregroundRole(),
                   QColor(l.kleur & 0xFF, (l.kleur >> 8) & 0xFF, (l.kleur >> 16) & 0xFF));
        m_controle.setPalette(p);
    }

private:
    QWidget& m_controle;
};

frmTabel* AlsTabel(QWidget* venster) {
    return VensterSoort(venster) == QLatin1String("tabel") ? dynamic_cast<frmTabel*>(venster) : nullptr;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Building

void mdiK740::MaakMenus() {
    m_menus = new Menubalk(*this);
    m_werkbalk = std::make_unique<Werkbalk>(*this);
    m_werkbalk->BijKlik = [this](int index) { Toolbar_ButtonClick(index); };
    m_werkbalk->BijMenuKlik = [this](int entry) { Toolbar_ButtonMenuClick(entry); };
    m_statusbalk = new Statusbalk(*this);
    m_statusbalk->BijKlik = [this](int paneel) { StatusBar_PanelClick(paneel); };
    m_vensters = std::make_unique<Vensterbeheer>(*m_mdi);
    // The toolbar follows the active child window: graph and terminal windows, and the windows that
    // have no toolbar commands (a rack window, the tree, none at all), bring it up to date when they
    // become active; a table window reports that itself.
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* kader) {
        const QString soort = kader ? VensterSoort(kader->widget()) : QString();
        if (soort != QLatin1String("tabel")) InstellenButtons();
    });
}

QAction* mdiK740::mnuDataMeasure() const {
    return m_menus->mnuDataMeasure;
}
QAction* mdiK740::mnuDatalogging() const {
    return m_menus->mnuDatalogging;
}
QAction* mdiK740::knopMeten() const {
    return m_werkbalk->Knop(KnopMeten);
}
QAction* mdiK740::knopLoggen() const {
    return m_werkbalk->Knop(KnopLoggen);
}
QAction* mdiK740::knopBewaarInstellingen() const {
    return m_werkbalk->Knop(KnopBewaarInstellingen);
}
QAction* mdiK740::mnuNetworkShow() const {
    return m_menus->mnuNetworkShow;
}
QAction* mdiK740::mnuExtraTerminal() const {
    return m_menus->mnuExtraTerminal;
}

QWidget* mdiK740::ActiefVenster() const {
    return ::ActiefVenster(*m_mdi);
}

int mdiK740::ActieveVensters() const {
    return ::ActieveVensters(*m_mdi);
}

// ---------------------------------------------------------------------------------------------------
// State rules and the toolbar

Menutoestand mdiK740::Toestand() const {
    Menutoestand t;
    t.rackActief = IsErEenRackActief();
    t.alleenLezen = AlleenLezen;
    t.verbindingActief = VerbindingActief;
    t.actieveVensters = ActieveVensters();
    t.actiefTag = VensterTag(ActiefVenster());
    t.kopieerSetTab = KopieerSetTab;
    t.kopieerSetGraph = KopieerSetGraph;
    t.relatieveTijd = RelatieveTijd;
    t.aantalGrafieken = AantalOpenGrafieken();
    return t;
}

void mdiK740::mnuFile_Click() {
    m_menus->mnuFile_Click(Toestand());
}
void mdiK740::mnuEdit_Click() {
    m_menus->mnuEdit_Click(Toestand());
    // Copy is offered only when the active window has something to copy (a selection in a table).
    if (m_menus->mnuEditCopy->isEnabled()) ZetKopieerStatus();
}
void mdiK740::mnuNetwork_Click() {
    m_menus->mnuNetwork_Click(Toestand());
}
void mdiK740::mnuData_Click() {
    m_menus->mnuData_Click(Toestand());
}
void mdiK740::mnuGraph_Click() {
    const Menutoestand t = Toestand();
    m_menus->mnuGraph_Click(t);
    if (t.rackActief) InstellenKnopMenus();
}
void mdiK740::mnuView_Click() {
    m_menus->mnuView_Click(Toestand());
}
void mdiK740::mnuWindow_Click() {
    m_menus->mnuWindow_Click(Toestand());
}

void mdiK740::InstellenKnoppenData() {
    ZetKnop(KnopLoggen, true);
    InstellenKnopMeten();
    InstellenKnopLoggen();
}

void mdiK740::ZetKnop(int index, bool aan) {
    if (QAction* knop = m_werkbalk->Knop(index)) knop->setEnabled(aan);
}

void mdiK740::ZetKnoppen() {
    ZetKnop(KnopBewaarInstellingen, ConfiguratieGewijzigd);
}

void mdiK740::InstellenKnopMenus() {
    const bool aan = IsErEenRackActief();
    m_werkbalk->Knop(KnopGrafiek)->setEnabled(aan);
    m_werkbalk->GrafiekMenuItem(1)->setEnabled(aan);
    m_werkbalk->GrafiekMenuItem(2)->setEnabled(aan);
}

void mdiK740::LeesToolbarInstelling() {
    const bool tonen = LeesBooleanInstelling(Settings, QStringLiteral("Toolbar"), true);
    m_menus->mnuWindowToolbar->setChecked(tonen);
    m_werkbalk->balk()->setVisible(tonen);
}

void mdiK740::ZetKopieerStatus() {
    QAction* kopieer = m_menus->mnuEditCopy;
    if (ActieveVensters() < 1) {
        // Nothing open: nothing to copy.
        ZetKnop(KnopKopieren, false);
        kopieer->setEnabled(false);
        return;
    }
    QWidget* actief = ActiefVenster();
    const QString soort = VensterSoort(actief);
    if (soort == QLatin1String("tabel")) {
        bool aan = true;
        if (AantalMetingen > 0) {
            auto* tabel = dynamic_cast<frmTabel*>(actief);
            aan = tabel && tabel->Geselecteerd(tabel->GekozenModule(), 0) >= 1;
        }
        ZetKnop(KnopKopieren, aan);
        kopieer->setEnabled(aan);
    } else if (soort == QLatin1String("grafi")) {
        ZetKnop(KnopKopieren, true);
        kopieer->setEnabled(true);
    } else if (soort == QLatin1String("termi")) {
        const frmTerminal* terminal = TerminalVenster();
        ZetKnop(KnopKopieren, terminal && !terminal->TerminalTekst().isEmpty());
    } else {
        ZetKnop(KnopKopieren, false);
        kopieer->setEnabled(false);
    }
}

void mdiK740::mnuEditEnable() {
    mnuEditDisable();
    if (ActieveVensters() >= 1 && VensterSoort(ActiefVenster()) == QLatin1String("tabel")) {
        m_menus->mnuEditInfo->setEnabled(true);
        m_menus->mnuEditCopy->setEnabled(true);
        ZetKnop(KnopKopieren, true);
    }
    ZetKopieerStatus();
}

void mdiK740::mnuEditDisable() {
    m_menus->mnuEditInfo->setEnabled(false);
    m_menus->mnuEditCopy->setEnabled(false);
    ZetKnop(KnopKopieren, false);
}

void mdiK740::mnuEditLogEnable() {
    // The selection commands keep their state: the Edit menu's rule sets them when it opens.
}

void mdiK740::InstellenButtons() {
    ZetKnop(KnopGrafiekInstellingen, false);
    ZetKnop(KnopLettertype, false);
    ZetKopieerStatus();
    ZetKnoppen();
    m_menus->mnuExtraSettingsGraph->setEnabled(false);
    m_menus->mnuWindowFont->setEnabled(false);
    if (ActieveVensters() < 1) return;
    const QString soort = VensterSoort(ActiefVenster());
    if (soort == QLatin1String("tabel") || soort == QLatin1String("termi")) {
        ZetKnop(KnopLettertype, true);
        m_menus->mnuWindowFont->setEnabled(true);
    } else if (soort == QLatin1String("grafi") && AantalOpenGrafieken() >= 1) {
        ZetKnop(KnopGrafiekInstellingen, true);
        m_menus->mnuExtraSettingsGraph->setEnabled(true);
    }
}

void mdiK740::ZetKopieerKnoppen(bool aan) {
    ZetKnop(KnopKopieren, aan);
    m_menus->mnuEditCopy->setEnabled(aan);
}

void mdiK740::ToonBewerkMenu(const QPoint& globaal) {
    mnuEdit_Click();
    m_menus->mnuEdit->popup(globaal);
}

void mdiK740::TabelGesloten(int r) {
    if (KopieerSetTab && Rs == r) KopieerSetTab = false;
}

void mdiK740::Toolbar_ButtonClick(int index) {
    switch (index) {
    case KnopNieuw:
        mnuFileNew_Click();
        break;
    case KnopOpenen:
        mnuFileOpen_Click();
        break;
    case KnopOpslaan:
        mnuFileSaveAs_Click();
        break;
    case KnopAfdrukken:
        mnuFilePrint_Click();
        break;
    case KnopKopieren:
        mnuEditCopy_Click();
        break;
    case KnopInstellingen:
        mnuFileSettings_Click();
        break;
    case KnopGrafiekInstellingen:
        mnuWindow_Click();
        if (m_menus->mnuExtraSettingsGraph->isEnabled()) mnuExtraSettingsGraph_Click();
        break;
    case KnopLettertype:
        mnuWindow_Click();
        mnuWindowFont_Click();
        break;
    case KnopBewaarInstellingen:
        // Saving the settings writes every rack configuration file too (BewaarAlles).
        mnuFileSaveSettings_Click();
        break;
    case KnopMeten:
        // The button runs the menu entry as the entry itself would: its check toggles, then its command.
        m_menus->mnuDataMeasure->toggle();
        mnuDataMeasure_Click();
        break;
    case KnopLoggen:
        mnuData_Click();
        if (m_menus->mnuDatalogging->isEnabled()) {
            m_menus->mnuDatalogging->toggle();
            mnuDatalogging_Click();
        }
        InstellenKnopLoggen();
        break;
    case KnopTabel:
        mnuDataTabel_Click();
        break;
    case KnopRack:
        if (IsErEenRackActief())
            mnuDataRack_Click();
        else
            mnuNetworkSearch_Click();
        break;
    case KnopGrafiek:
        m_vensters->TonenGrafieken();
        break;
    case KnopTerminal:
        if (m_menus->mnuExtraTerminal->isChecked()) {
            ::ToonTerminal();
            if (frmTerminal* terminal = TerminalVenster()) terminal->setFocus();
        } else {
            m_menus->mnuExtraTerminal->trigger();
        }
        break;
    case KnopHorizontaal:
        mnuWindowTileHorizontal_Click();
        break;
    case KnopVerticaal:
        mnuWindowTileVertical_Click();
        break;
    case KnopCascade:
        mnuWindowCascade_Click();
        break;
    case KnopHelp:
        mnuHelpContents_Click();
        break;
    default:
        break;
    }
}

void mdiK740::Toolbar_ButtonMenuClick(int entry) {
    if (entry == 1)
        mnuGraphNewTable_Click();
    else if (entry == 2)
        mnuGraphNewRecorder_Click();
}

void mdiK740::StatusBar_PanelClick(int paneel) {
    if (paneel == 2) {
        // The panel switches logging on only where Data > Log could: a rack registered, measuring on
        // and the data file writable. Off it always switches.
        if (!VerbindingActief) {
            mnuData_Click();
            if (!m_menus->mnuDatalogging->isEnabled()) {
                InstellenKnopLoggen();
                return;
            }
        }
        StartStopVerbinding();
        m_menus->mnuDatalogging->setChecked(VerbindingActief);
    } else if (paneel == 1)
        mnuFileSettings_Click();
}

// ---------------------------------------------------------------------------------------------------
// Texts and recent files

void mdiK740::LaadStrings() {
    m_menus->LaadStrings();
    m_werkbalk->LaadStrings();
    InstellenKnopMenus();
    for (int r = 1; r <= AantalRacks; ++r)
        if (RackVlaggen[r].Show)
            if (auto* rack = dynamic_cast<FormRack*>(RackVenster(r))) rack->LaadStrings();
}

void mdiK740::LaadRecenteBestanden() {
    m_menus->LaadRecenteBestanden(RecenteBestanden());
}

void mdiK740::UpdateFileMenu(const QString& naam, const QString&) {
    WerkRecenteBestandenBij(naam);
    LaadRecenteBestanden();
}

void mdiK740::VerwijderRecentBestand(const QString& naam) {
    VerwijderRecentBestandUitLijst(naam);
    LaadRecenteBestanden();
}

void mdiK740::ZetWachtcursor(bool wachten) {
    if (wachten)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------------------------------
// File

void mdiK740::mnuFileNew_Click() {
    if (ControleerWijzigingen(MaakBestandsnaam(Gegevensbestand, 0, 0, 0), true, false).geannuleerd) return;
    LaadStrings();
    QString naam = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    if (!OpslaanAls(naam, true)) return;
    ZetTitel();
    // The racks registered in this run stay registered and polled; the windows they showed come back.
    std::array<bool, AantalRacks + 1> getoond{};
    for (int r = 1; r <= AantalRacks; ++r)
        getoond[r] = Racks[r].Present && RackVlaggen[r].Show;
    m_vensters->VerwijderenVensters();
    // Copied settings pointed at windows that are gone now.
    KopieerSetTab = false;
    KopieerSetGraph = false;
    LeesRackAanmelding();
    // The new file's first row holds only readings taken from now on.
    OpenBeurten();
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present && (getoond[r] || RackVlaggen[r].Show)) {
            RackVlaggen[r].Show = true;
            ToonRackVenster(r);
        }
    ::HerstelGrafieken();
}

void mdiK740::mnuFileOpen_Click() {
    if (ControleerWijzigingen(Gegevensbestand, true, false).geannuleerd) return;
    const bool geopend = BewaarLaatsteBestand(Gegevensbestand);
    LaadStrings();
    // Cancel in the open dialog, or a file that is not there, opened nothing: the list stays as it was.
    if (!geopend) return;
    UpdateFileMenu(Gegevensbestand, QString());
    LaadRecenteBestanden();
}

void mdiK740::mnuFileSaveAs_Click() {
    const QString bron = Gegevensbestand;
    QString naam = MaakBestandsnaam(Gegevensbestand, 0, 0, 0);
    if (ControleerWijzigingen(naam, true, false).geannuleerd) return;
    // Another file opened while the question about the edits waited: the Save As was of the one before.
    if (!GegevensbestandOngewijzigd(bron, naam)) return;
    OpslaanAls(naam, false);
}

void mdiK740::mnuFileSettings_Click() {
    StopVerbinding();
    // The dialog is modeless: what follows its OK happens when it closes (InstellingenGesloten).
    ::ToonInstellingen(-1);
}

void mdiK740::InstellingenGesloten(bool toegepast) {
    LaadStrings();
    PlaatsAanduidingenCOM();
    if (toegepast) {
        ConfiguratieGewijzigd = true;
        ZetKnoppen();
    }
}

void mdiK740::mnuFileSaveSettings_Click() {
    // "Settings saved!" only when everything was written; each failure has shown its own message. The
    // box's answer is of no use: Antwoord stays the rack link's.
    // Saved now: what changes while the box waits is changed again.
    if (BewaarAlles()) {
        ConfiguratieGewijzigd = false;
        ZetKnoppen();
        ToonMelding(Tekst[184], vbInformation, Tekst[127]);
    }
    ZetKnoppen();
}

void mdiK740::mnuFilePrint_Click() {
    // Only with a window to print besides the main window; a hidden one (the terminal while it is
    // off) is none the user could mean.
    const QList<QMdiSubWindow*> kaders = m_mdi->subWindowList();
    if (std::all_of(kaders.begin(), kaders.end(), [](const QMdiSubWindow* k) { return k->isHidden(); }))
        return;
    QMdiSubWindow* actief = m_mdi->currentSubWindow();
    ToonAfdrukDialoog(actief ? actief->widget() : nullptr);
}

void mdiK740::mnuFileExit_Click() {
    // The user ends the program: the same questions as the close box.
    m_sluitModus = 0;
    close();
    m_sluitModus = -1;
}

void mdiK740::SluitVanuitCode() {
    m_sluitModus = 1;
    close();
    m_sluitModus = -1;
}

void mdiK740::mnuRecentFile_Click(int index) {
    if (index < 0 || index >= AantalRecenteBestanden) return;
    // The file clicked, taken at the click: the list may move before the question about edits is answered.
    const QString gekozen = m_menus->mnuRecentFile[static_cast<size_t>(index)]->data().toString();
    if (ControleerWijzigingen(MaakBestandsnaam(Gegevensbestand, 0, 0, 0), true, false).geannuleerd) return;
    if (MeldOntbrekendBestand(gekozen)) return;
    const QString voor = Gegevensbestand;
    const bool relatief = RelatieveTijd;
    Gegevensbestand = gekozen;
    RelatieveTijd = false;
    // A file that no longer exists is reported and leaves the list; the data file stays the one open.
    if (OpenGegevensbestand() != 1) {
        // Unless another file took its place while the box waited.
        if (Gegevensbestand != gekozen) return;
        Gegevensbestand = voor;
        RelatieveTijd = relatief;
        return;
    }
    UpdateFileMenu(Gegevensbestand, QString());
    LaadRecenteBestanden();
}

// ---------------------------------------------------------------------------------------------------
// Edit

void mdiK740::mnuEditCopy_Click() {
    if (ActieveVensters() < 1) return;
    QWidget* actief = ActiefVenster();
    const int16_t n = VensterNummer(VensterTag(actief));
    const QString soort = VensterSoort(actief).toLower();
    if (soort == QLatin1String("tabel")) {
        if (frmTabel* tabel = frmTabelVan(n)) tabel->CopyElementen(tabel->GekozenModule());
    } else if (soort == QLatin1String("grafi")) {
        if (frmGrafiek* grafiek = GrafiekWidget(n)) grafiek->CopyGrafiek();
    } else if (soort == QLatin1String("termi")) {
        if (frmTerminal* terminal = TerminalVenster()) terminal->CopyTerminal();
    }
}

void mdiK740::mnuEditInfo_Click() {
    if (ActieveVensters() < 1) return;
    frmTabel* tabel = AlsTabel(ActiefVenster());
    if (!tabel) return;
    // The rack and module of this command are its own: the copied settings' source stays.
    const int16_t r = tabel->Ri();
    const int16_t m = tabel->GekozenModule();
    RapportRack = r;
    RapportModule = m;
    ToonTabelVenster(r);
    if (HeeftSjabloon(Gegevensbestand)) {
        ToonStandaardMelding(Tekst[444], vbExclamation, Gegevensbestand);
        return;
    }
    if (tabel->Geselecteerd(m, 0) >= 1) tabel->OpenInfo(m);
}

void mdiK740::mnuClearLine_Click() {
    if (ActieveVensters() < 1) return;
    if (frmTabel* tabel = AlsTabel(ActiefVenster())) tabel->WissenSelectie();
}

void mdiK740::mnuDeleteLine_Click() {
    if (ActieveVensters() < 1) return;
    if (frmTabel* tabel = AlsTabel(ActiefVenster())) {
        tabel->ToonLijnSelectie();
        tabel->VerwijderSelectie();
    }
}

void mdiK740::mnuRelatieveTijd_Click() {
    frmTabel* tabel = ActieveVensters() >= 1 ? AlsTabel(ActiefVenster()) : nullptr;
    if (tabel) WisselRelatieveTijd(*tabel);
    m_menus->mnuRelatieveTijd->setChecked(RelatieveTijd);
}

void mdiK740::mnuTimeOrigin_Click() {
    if (frmTabel* tabel = ActieveVensters() >= 1 ? AlsTabel(ActiefVenster()) : nullptr)
        ZetTijdOorsprong(*tabel);
}

void mdiK740::mnuEditCopySettings_Click() {
    KopieerInstellingen(*this, ActieveVensters() >= 1 ? ActiefVenster() : nullptr);
    if (KopieerSetTab) {
        RapportRack = Rs;
        RapportModule = Ms;
    }
}

void mdiK740::mnuEditPasteSettings_Click() {
    if (ActieveVensters() < 1) return;
    PlakInstellingen(*this, ActiefVenster());
}

// ---------------------------------------------------------------------------------------------------
// System, Data

Rapportbron BepaalRapportbron(int16_t rack, int16_t module) {
    Rapportbron bron;
    if (rack >= 1 && rack <= AantalRacks && Racks[rack].Present) {
        bron.rack = rack;
    } else {
        for (int r = 1; r <= AantalRacks; ++r)
            if (Racks[r].Present) {
                bron.rack = static_cast<int16_t>(r);
                break;
            }
    }
    bron.module = bron.rack == rack && module >= 1 && module <= AantalModules ? module : 1;
    return bron;
}

void mdiK740::mnuSystemReport_Click() {
    // The configuration report starts on a registered rack and a module position 1..7.
    const Rapportbron bron = BepaalRapportbron(RapportRack, RapportModule);
    RapportRack = bron.rack;
    RapportModule = bron.module;
    ToonRapport(RapportRack, RapportModule, 1, false);
}

void mdiK740::mnuSystemReset_Click() {
    SysteemReset();
}

void mdiK740::mnuDataMeasure_Click() {
    QAction* meten = m_menus->mnuDataMeasure;
    if (!IsErEenRackActief()) {
        // Measuring stays as it was; the racks are searched for instead.
        meten->setChecked(!meten->isChecked());
        mnuNetworkSearch_Click();
        InstellenKnopMeten();
        return;
    }
    if (!meten->isChecked()) {
        StopMeten();
        ZetKnop(KnopLoggen, false);
        m_menus->mnuDatalogging->setEnabled(false);
        // The indicators show measuring off: grey, red for a module given up.
        for (int r = 1; r <= AantalRacks; ++r)
            if (RackVlaggen[r].Show) VernieuwModulesRackvenster(r);
    } else {
        // The values shown are old: blank until the next poll cycle fills them.
        for (int r = 1; r <= AantalRacks; ++r)
            if (RackVlaggen[r].Show)
                if (RackvensterInterface* rack = RackVenster(r)) rack->WissenVensterMetingen();
        StartMeten();
        ZetKnop(KnopLoggen, true);
        m_menus->mnuDatalogging->setEnabled(true);
        PlaatsAanduidingenCOM();
        for (int g = 1; g <= AantalGrafieken; ++g)
            if (GrafiekvensterInterface* grafiek = GrafiekVenster(g);
                grafiek && grafiek->GrafiekIndex() == g && grafiek->Instellingen().XYrecorder)
                grafiek->HerInitialiseerGrafiek();
    }
    knopMeten()->setChecked(meten->isChecked());
}

void mdiK740::mnuDatalogging_Click() {
    if (m_menus->mnuDatalogging->isChecked() != VerbindingActief) StartStopVerbinding();
    m_menus->mnuDatalogging->setChecked(VerbindingActief);
}

// ---------------------------------------------------------------------------------------------------
// Graph, View, Window, Help

void mdiK740::mnuExtraSettingsGraph_Click() {
    if (ActieveVensters() < 1) return;
    if (VensterSoort(ActiefVenster()) != QLatin1String("grafi")) return;
    if (auto* grafiek = qobject_cast<frmGrafiek*>(ActiefVenster())) grafiek->InstellingenWijzigen();
}

void mdiK740::mnuGraphPrint_Click() {
    // The active graph is printed at once, without the dialog.
    if (ActieveVensters() < 1) return;
    if (VensterSoort(ActiefVenster()) != QLatin1String("grafi")) return;
    PrintVensterDirect(ActiefVenster());
}

void mdiK740::mnuGraphNewTable_Click() {
    // The new window became active before it had its tag: the toolbar follows it now.
    if (m_vensters->NieuweGrafiek(false)) InstellenButtons();
}

void mdiK740::mnuGraphNewRecorder_Click() {
    if (m_vensters->NieuweGrafiek(true)) InstellenButtons();
}

void mdiK740::mnuDataRack_Click() {
    m_vensters->VolgendRackVenster();
}

void mdiK740::mnuDataTabel_Click() {
    m_vensters->VolgendTabelVenster();
}

void mdiK740::mnuViewGraph_Click() {
    m_vensters->TonenGrafieken();
}

void mdiK740::mnuExtraTerminal_Click() {
    if (m_menus->mnuExtraTerminal->isChecked())
        ::ToonTerminal();
    else
        VerbergTerminal();
    InstellenButtons();
}

bool mdiK740::TerminalAangevinkt() const {
    return m_menus->mnuExtraTerminal->isChecked();
}

void mdiK740::ZetTerminalAangevinkt(bool aan) {
    m_menus->mnuExtraTerminal->setChecked(aan);
}

void mdiK740::mnuWindowFont_Click() {
    if (ActieveVensters() < 1) return;
    QWidget* actief = ActiefVenster();
    const QString soort = VensterSoort(actief);
    if (soort == QLatin1String("tabel")) {
        if (auto* tabel = dynamic_cast<frmTabel*>(actief))
            KiesLettertype(*tabel->MSHFlexGrid[static_cast<size_t>(tabel->GekozenModule())]);
    } else if (soort == QLatin1String("termi")) {
        if (frmTerminal* terminal = TerminalVenster()) {
            ControleLettertype lettertype(*terminal->TxtLineInput);
            KiesLettertype(lettertype);
        }
    }
}

void mdiK740::mnuWindowToolbar_Click() {
    const bool tonen = m_menus->mnuWindowToolbar->isChecked();
    m_werkbalk->balk()->setVisible(tonen);
    BewaarInstelling(AppNaam, Settings, QStringLiteral("Toolbar"), BooleanAlsTekst(tonen));
}

void mdiK740::mnuWindowTileHorizontal_Click() {
    m_vensters->Schik(Schikking::TegelsHorizontaal);
}

void mdiK740::mnuWindowTileVertical_Click() {
    m_vensters->Schik(Schikking::TegelsVerticaal);
}

void mdiK740::mnuWindowCascade_Click() {
    m_vensters->Schik(Schikking::Cascade);
}

void mdiK740::mnuWindowArrangeIcons_Click() {
    m_vensters->Schik(Schikking::Iconen);
}

void mdiK740::mnuHelpContents_Click() {
    ToonHelp(HelpHoofdvenster);
}

void mdiK740::mnuHelpInfo_Click() {
    auto* over = new frmSplash(this);
    over->setAttribute(Qt::WA_DeleteOnClose);
    over->show();
}

void mdiK740::mnuSysInfo_Click() {
    ToonSysteeminfo();
}
