#include "shell/Menubalk.h"

#include "shared/Algemeen.h"
#include "shared/Teksten.h"
#include "shell/Vensterbeheer.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// A menu item with its design caption; its command runs on the user's choice, its shortcut, or a
// trigger() from code. A checkable item toggles its check first; its command reads the wanted state.
QAction* Item(QMenu* menu, const QString& naam, const QString& tekst, std::function<void()> opdracht = {},
              QKeySequence toets = {}, bool aanvinkbaar = false) {
    QAction* a = menu->addAction(tekst);
    a->setObjectName(naam);
    a->setCheckable(aanvinkbaar);
    if (!toets.isEmpty()) a->setShortcut(toets);
    if (opdracht) QObject::connect(a, &QAction::triggered, a, std::move(opdracht));
    return a;
}

QAction* Lijn(QMenu* menu, const QString& naam) {
    QAction* a = menu->addSeparator();
    a->setObjectName(naam);
    return a;
}

QString Soort(const Menutoestand& t) {
    return t.actiefTag.left(5);
}

} // namespace

Menubalk::Menubalk(mdiK740& v) : QObject(&v), m_venster(v) {
    QMenuBar* balk = v.menuBar();
    const auto kop = [balk](const QString& naam, const QString& tekst) {
        QMenu* menu = balk->addMenu(tekst);
        menu->setObjectName(naam);
        menu->menuAction()->setObjectName(naam);
        return menu;
    };

    mnuFile = kop(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    Regel(mnuFile, [&v] { v.mnuFile_Click(); });
    mnuFileNew = Item(
        mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("&New"), [&v] { v.mnuFileNew_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = Item(
        mnuFile, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open"), [&v] { v.mnuFileOpen_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSaveAs = Item(
        mnuFile, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As"),
        [&v] { v.mnuFileSaveAs_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_W));
    Lijn(mnuFile, QStringLiteral("line1"));
    mnuFileSettings = Item(
        mnuFile, QStringLiteral("mnuFileSettings"), QStringLiteral("&Settings"),
        [&v] { v.mnuFileSettings_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuReadSettings = Item(mnuFile, QStringLiteral("mnuReadSettings"), QStringLiteral("Rea&d settings"));
    mnuReadSettings->setVisible(false);
    mnuReadSettings->setEnabled(false);
    mnuFileSaveSettings = Item(
        mnuFile, QStringLiteral("mnuFileSaveSettings"), QStringLiteral("Sa&ve settings"),
        [&v] { v.mnuFileSaveSettings_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveSettingsAs =
        Item(mnuFile, QStringLiteral("mnuSaveSettingsAs"), QStringLiteral("Sav&e settings as..."));
    mnuSaveSettingsAs->setVisible(false);
    mnuSaveSettingsAs->setEnabled(false);
    Lijn(mnuFile, QStringLiteral("line"));
    mnuFilePrint = Item(
        mnuFile, QStringLiteral("mnuFilePrint"), QStringLiteral("&Print"), [&v] { v.mnuFilePrint_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_P));
    Lijn(mnuFile, QStringLiteral("line2"));
    mnuFileExit = Item(
        mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("&Exit"), [&v] { v.mnuFileExit_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    SeparatorRecentFiles = Lijn(mnuFile, QStringLiteral("SeparatorRecentFiles"));
    SeparatorRecentFiles->setVisible(false);
    for (int i = 0; i < 4; ++i) {
        QAction* a = Item(mnuFile, QStringLiteral("mnuRecentFile%1").arg(i),
                          QStringLiteral("RecentFile%1").arg(i + 1), [&v, i] { v.mnuRecentFile_Click(i); });
        a->setVisible(false);
        mnuRecentFile[static_cast<size_t>(i)] = a;
    }

    mnuEdit = kop(QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    Regel(mnuEdit, [&v] { v.mnuEdit_Click(); });
    mnuEditCopy = Item(
        mnuEdit, QStringLiteral("mnuEditCopy"), QStringLiteral("&Copy"), [&v] { v.mnuEditCopy_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditInfo = Item(
        mnuEdit, QStringLiteral("mnuEditInfo"), QStringLiteral("&Info"), [&v] { v.mnuEditInfo_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_E));
    Lijn(mnuEdit, QStringLiteral("lineEdit1"));
    mnuClearLine = Item(mnuEdit, QStringLiteral("mnuClearLine"), QStringLiteral("Clea&r selection"),
                        [&v] { v.mnuClearLine_Click(); });
    mnuDeleteLine = Item(mnuEdit, QStringLiteral("mnuDeleteLine"), QStringLiteral("D&elete line"),
                         [&v] { v.mnuDeleteLine_Click(); });
    Lijn(mnuEdit, QStringLiteral("lineEdit2"));
    mnuRelatieveTijd = Item(
        mnuEdit, QStringLiteral("mnuRelatieveTijd"), QStringLiteral("Relative time"),
        [&v] { v.mnuRelatieveTijd_Click(); }, {}, true);
    mnuTimeOrigin = Item(mnuEdit, QStringLiteral("mnuTimeOrigin"), QStringLiteral("Set time origin"),
                         [&v] { v.mnuTimeOrigin_Click(); });
    mnuTimeOrigin->setEnabled(false);
    Lijn(mnuEdit, QStringLiteral("line4"));
    mnuEditCopySettings = Item(mnuEdit, QStringLiteral("mnuEditCopySettings"),
                               QStringLiteral("C&opy Settings"), [&v] { v.mnuEditCopySettings_Click(); });
    mnuEditPasteSettings = Item(mnuEdit, QStringLiteral("mnuEditPasteSettings"),
                                QStringLiteral("&Paste Settings"), [&v] { v.mnuEditPasteSettings_Click(); });

    mnuNetwork = kop(QStringLiteral("mnuNetwork"), QStringLiteral("&System"));
    Regel(mnuNetwork, [&v] { v.mnuNetwork_Click(); });
    mnuSystemReport = Item(mnuNetwork, QStringLiteral("mnuSystemReport"), QStringLiteral("&Report"),
                           [&v] { v.mnuSystemReport_Click(); });
    mnuSystemLine = Lijn(mnuNetwork, QStringLiteral("mnuSystemLine"));
    mnuSystemLine->setVisible(false);
    mnuSystemReset = Item(mnuNetwork, QStringLiteral("mnuSystemReset"),
                          QStringLiteral("Rese&t racks/modules"), [&v] { v.mnuSystemReset_Click(); });
    mnuSystemReset->setVisible(false);
    mnuSystemReset->setEnabled(false);
    Lijn(mnuNetwork, QStringLiteral("mnuSystemLine0"));
    mnuNetworkSearch = Item(mnuNetwork, QStringLiteral("mnuNetworkSearch"),
                            QStringLiteral("&Search racks/modules"), [&v] { v.mnuNetworkSearch_Click(); });

    mnuData = kop(QStringLiteral("mnuData"), QStringLiteral("&Data"));
    Regel(mnuData, [&v] { v.mnuData_Click(); });
    mnuDataMeasure = Item(
        mnuData, QStringLiteral("mnuDataMeasure"), QStringLiteral("&Measure"),
        [&v] { v.mnuDataMeasure_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_M), true);
    mnuDataMeasure->setChecked(true);
    mnuDatalogging = Item(
        mnuData, QStringLiteral("mnuDatalogging"), QStringLiteral("&Log"), [&v] { v.mnuDatalogging_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_L), true);

    mnuGraph = kop(QStringLiteral("mnuGraph"), QStringLiteral("&Graph"));
    Regel(mnuGraph, [&v] { v.mnuGraph_Click(); });
    mnuExtraSettingsGraph = Item(mnuGraph, QStringLiteral("mnuExtraSettingsGraph"),
                                 QStringLiteral("&Settings"), [&v] { v.mnuExtraSettingsGraph_Click(); });
    linegraph1 = Lijn(mnuGraph, QStringLiteral("linegraph1"));
    mnuGraphNewMenu = mnuGraph->addMenu(QStringLiteral("&New"));
    mnuGraphNewMenu->setObjectName(QStringLiteral("mnuGraphNew"));
    mnuGraphNew = mnuGraphNewMenu->menuAction();
    mnuGraphNew->setObjectName(QStringLiteral("mnuGraphNew"));
    mnuGraphNewTable = Item(mnuGraphNewMenu, QStringLiteral("mnuGraphNewTable"),
                            QStringLiteral("&Table series"), [&v] { v.mnuGraphNewTable_Click(); });
    mnuGraphNewRecorder = Item(mnuGraphNewMenu, QStringLiteral("mnuGraphNewRecorder"),
                               QStringLiteral("&XY recorder"), [&v] { v.mnuGraphNewRecorder_Click(); });
    linegraph2 = Lijn(mnuGraph, QStringLiteral("linegraph2"));
    mnuGraphCopy = Item(mnuGraph, QStringLiteral("mnuGraphCopy"), QStringLiteral("Copy"),
                        [&v] { v.mnuEditCopy_Click(); });
    mnuGraphPrint = Item(mnuGraph, QStringLiteral("mnuGraphPrint"), QStringLiteral("Print"),
                         [&v] { v.mnuGraphPrint_Click(); });
    linegraph3 = Lijn(mnuGraph, QStringLiteral("linegraph3"));
    mnuGraphCopySettings = Item(mnuGraph, QStringLiteral("mnuGraphCopySettings"),
                                QStringLiteral("Copy Settings"), [&v] { v.mnuEditCopySettings_Click(); });
    mnuGraphPasteSettings = Item(mnuGraph, QStringLiteral("mnuGraphPasteSettings"),
                                 QStringLiteral("Paste Settings"), [&v] { v.mnuEditPasteSettings_Click(); });

    mnuView = kop(QStringLiteral("mnuView"), QStringLiteral("&View"));
    Regel(mnuView, [&v] { v.mnuView_Click(); });
    mnuDataRack = Item(mnuView, QStringLiteral("mnuDataRack"), QStringLiteral("&Rack"),
                       [&v] { v.mnuDataRack_Click(); });
    mnuDataTabel = Item(mnuView, QStringLiteral("mnuDataTabel"), QStringLiteral("&Table"),
                        [&v] { v.mnuDataTabel_Click(); });
    mnuViewGraph = Item(mnuView, QStringLiteral("mnuViewGraph"), QStringLiteral("&Graph"),
                        [&v] { v.mnuViewGraph_Click(); });
    Lijn(mnuView, QStringLiteral("mnuViewLine"));
    mnuExtraTerminal = Item(
        mnuView, QStringLiteral("mnuExtraTerminal"), QStringLiteral("Termin&al"),
        [&v] { v.mnuExtraTerminal_Click(); }, {}, true);
    mnuNetworkShow = Item(mnuView, QStringLiteral("mnuNetworkShow"), QStringLiteral("&System tree"),
                          [&v] { v.mnuNetworkShow_Click(); });

    mnuWindow = kop(QStringLiteral("mnuWindow"), QStringLiteral("&Window"));
    Regel(mnuWindow, [&v] { v.mnuWindow_Click(); });
    connect(mnuWindow, &QMenu::aboutToShow, this, [this] { VulVensterlijst(); });
    mnuWindowFont = Item(mnuWindow, QStringLiteral("mnuWindowFont"), QStringLiteral("change &Font"),
                         [&v] { v.mnuWindowFont_Click(); });
    Lijn(mnuWindow, QStringLiteral("linew2"));
    mnuWindowToolbar = Item(
        mnuWindow, QStringLiteral("mnuWindowToolbar"), QStringLiteral("T&oolbar"),
        [&v] { v.mnuWindowToolbar_Click(); }, QKeySequence(Qt::Key_F5), true);
    Lijn(mnuWindow, QStringLiteral("linew1"));
    mnuWindowTileHorizontal =
        Item(mnuWindow, QStringLiteral("mnuWindowTileHorizontal"), QStringLiteral("T&ile Horizontal"),
             [&v] { v.mnuWindowTileHorizontal_Click(); });
    mnuWindowTileVertical = Item(mnuWindow, QStringLiteral("mnuWindowTileVertical"),
                                 QStringLiteral("Tile &Vertical"), [&v] { v.mnuWindowTileVertical_Click(); });
    mnuWindowCascade = Item(mnuWindow, QStringLiteral("mnuWindowCascade"), QStringLiteral("&Cascade"),
                            [&v] { v.mnuWindowCascade_Click(); });
    mnuWindowArrangeIcons = Item(mnuWindow, QStringLiteral("mnuWindowArrangeIcons"),
                                 QStringLiteral("&Arrange icons"), [&v] { v.mnuWindowArrangeIcons_Click(); });
    m_vensterlijstBegin = mnuWindow->addSeparator();
    m_vensterlijstBegin->setVisible(false);

    mnuHelp = kop(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuHelpContents = Item(
        mnuHelp, QStringLiteral("mnuHelpContents"), QStringLiteral("&Contents"),
        [&v] { v.mnuHelpContents_Click(); }, QKeySequence(Qt::Key_F1));
    Lijn(mnuHelp, QStringLiteral("mnuHelpLine"));
    mnuHelpInfo = Item(
        mnuHelp, QStringLiteral("mnuHelpInfo"), QStringLiteral("&Info..."), [&v] { v.mnuHelpInfo_Click(); },
        QKeySequence(Qt::Key_F2));
    Lijn(mnuHelp, QStringLiteral("helpline0"));
    mnuSysInfo = Item(mnuHelp, QStringLiteral("mnuSysInfo"), QStringLiteral("System Info"),
                      [&v] { v.mnuSysInfo_Click(); });

    // The keys reach the items through the main window (its child windows pass on what they do not use).
    v.installEventFilter(this);
}

void Menubalk::Regel(QMenu* menu, std::function<void()> regel) {
    connect(menu, &QMenu::aboutToShow, this, regel);
    m_regels.emplace_back(menu, std::move(regel));
}

namespace {
bool HeeftToets(const QMenu* menu, const QKeySequence& toets) {
    for (const QAction* a : menu->actions()) {
        if (a->menu() ? HeeftToets(a->menu(), toets) : a->shortcut() == toets) return true;
    }
    return false;
}
} // namespace

// Before a key is matched against the shortcuts, the drop-down that holds its item sets the item's
// state as it would on opening: Measure is enabled once a rack has logged on, Copy only with a window
// to copy from, without the menu having been opened since.
bool Menubalk::eventFilter(QObject* object, QEvent* event) {
    if (object == &m_venster && event->type() == QEvent::ShortcutOverride) {
        const auto* druk = static_cast<const QKeyEvent*>(event);
        const QKeySequence toets(druk->keyCombination());
        if (!toets.isEmpty())
            for (const auto& [menu, regel] : m_regels)
                if (HeeftToets(menu, toets)) regel();
    }
    return QObject::eventFilter(object, event);
}

// ---------------------------------------------------------------------------------------------------
// State rules

void Menubalk::mnuFile_Click(const Menutoestand& t) {
    mnuFileSaveAs->setEnabled(!t.alleenLezen);
}

void Menubalk::mnuEdit_Click(const Menutoestand& t) {
    for (QAction* a : {mnuEditCopy, mnuEditInfo, mnuEditPasteSettings, mnuEditCopySettings, mnuClearLine,
                       mnuDeleteLine, mnuRelatieveTijd, mnuTimeOrigin})
        a->setEnabled(false);
    if (t.actieveVensters < 1 || !t.rackActief || t.verbindingActief) return;
    mnuEditCopy->setEnabled(true);
    const QString soort = Soort(t).toLower();
    if (soort == QLatin1String("tabel")) {
        mnuClearLine->setEnabled(true);
        mnuDeleteLine->setEnabled(true);
        mnuEditCopySettings->setEnabled(true);
        mnuEditInfo->setEnabled(true);
        mnuEditPasteSettings->setEnabled(t.kopieerSetTab);
        mnuRelatieveTijd->setEnabled(true);
        mnuRelatieveTijd->setChecked(t.relatieveTijd);
        if (t.relatieveTijd) mnuTimeOrigin->setEnabled(true);
    } else if (soort == QLatin1String("grafi")) {
        mnuEditCopySettings->setEnabled(true);
        mnuEditInfo->setEnabled(false);
        mnuEditPasteSettings->setEnabled(t.kopieerSetGraph);
    }
}

void Menubalk::mnuNetwork_Click(const Menutoestand& t) {
    mnuSystemReport->setEnabled(t.rackActief);
}

// Runs every second while polling: each item gets its state once, so that an unchanged menu and tool
// bar are not told of a change (and laid out and repainted) twice a second.
void Menubalk::mnuData_Click(const Menutoestand& t) {
    mnuDataMeasure->setEnabled(t.rackActief);
    mnuDatalogging->setEnabled(t.rackActief && !t.alleenLezen && mnuDataMeasure->isChecked());
}

void Menubalk::mnuGraph_Click(const Menutoestand& t) {
    mnuExtraSettingsGraph->setEnabled(false);
    mnuGraphNew->setEnabled(false);
    if (!t.rackActief) return;
    mnuGraphNew->setEnabled(true);
    if (t.aantalGrafieken > 0 && t.actiefTag.left(7).toLower() == QLatin1String("grafiek"))
        mnuExtraSettingsGraph->setEnabled(true);
}

void Menubalk::mnuView_Click(const Menutoestand& t) {
    mnuDataRack->setEnabled(t.rackActief);
    mnuDataTabel->setEnabled(t.rackActief);
}

void Menubalk::mnuWindow_Click(const Menutoestand& t) {
    mnuWindowFont->setEnabled(false);
    mnuExtraSettingsGraph->setEnabled(false);
    if (t.actieveVensters < 1) return;
    if (Soort(t) == QLatin1String("grafi"))
        mnuExtraSettingsGraph->setEnabled(true);
    else
        mnuWindowFont->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------------
// Captions

void Menubalk::LaadStrings() {
    const auto tekst = [](int i) { return Tekst[i]; };
    const auto metAmpersand = [](int i) { return QStringLiteral("&") + Tekst[i]; };
    mnuFile->setTitle(tekst(101));
    mnuFileNew->setText(tekst(102));
    mnuFileOpen->setText(tekst(103));
    mnuFileSaveAs->setText(tekst(105));
    mnuFileSettings->setText(tekst(114) + QStringLiteral("..."));
    mnuFileSaveSettings->setText(tekst(104));
    mnuFilePrint->setText(tekst(106));
    mnuFileExit->setText(tekst(108));
    mnuEdit->setTitle(tekst(109));
    mnuEditCopy->setText(tekst(214));
    mnuEditCopySettings->setText(tekst(342));
    mnuEditPasteSettings->setText(tekst(343));
    mnuRelatieveTijd->setText(tekst(445));
    mnuTimeOrigin->setText(tekst(446));
    mnuNetwork->setTitle(tekst(426));
    mnuSystemReport->setText(metAmpersand(392));
    mnuSystemReset->setText(tekst(463));
    mnuNetworkSearch->setText(tekst(320));
    mnuData->setTitle(tekst(112));
    mnuDataMeasure->setText(tekst(428));
    mnuDatalogging->setText(tekst(113));
    mnuGraph->setTitle(metAmpersand(121));
    mnuExtraSettingsGraph->setText(tekst(157) + QStringLiteral("..."));
    mnuGraphNewMenu->setTitle(tekst(427));
    mnuGraphNewTable->setText(metAmpersand(357));
    mnuGraphNewRecorder->setText(metAmpersand(344));
    mnuGraphCopy->setText(tekst(214));
    mnuGraphCopySettings->setText(tekst(342));
    mnuGraphPasteSettings->setText(tekst(343));
    mnuGraphPrint->setText(tekst(106));
    mnuView->setTitle(tekst(429));
    mnuExtraTerminal->setText(tekst(185));
    mnuNetworkShow->setText(tekst(435));
    mnuViewGraph->setText(metAmpersand(121));
    mnuDataRack->setText(metAmpersand(297));
    mnuDataTabel->setText(metAmpersand(122));
    mnuWindow->setTitle(tekst(158));
    mnuWindowTileHorizontal->setText(tekst(159));
    mnuWindowTileVertical->setText(tekst(160));
    mnuWindowCascade->setText(tekst(161));
    mnuWindowArrangeIcons->setText(tekst(162));
    mnuWindowFont->setText(metAmpersand(163));
    mnuWindowToolbar->setText(tekst(179));
    mnuHelp->setTitle(tekst(227));
    mnuHelpContents->setText(tekst(243));
    mnuSysInfo->setText(tekst(246));

    // The Graph menu as the user sees it: the settings, a separator and New.
    linegraph1->setVisible(true);
    mnuGraphNew->setVisible(true);
    for (QAction* a :
         {mnuGraphPrint, linegraph2, linegraph3, mnuGraphCopy, mnuGraphCopySettings, mnuGraphPasteSettings})
        a->setVisible(false);

    mnuClearLine->setText(tekst(423));
    mnuDeleteLine->setText(tekst(422));
}

void Menubalk::LaadRecenteBestanden(const QStringList& namen) {
    for (QAction* a : mnuRecentFile) {
        a->setText(QString());
        a->setVisible(false);
    }
    SeparatorRecentFiles->setVisible(false);
    for (qsizetype i = 0; i < std::min<qsizetype>(namen.size(), 4); ++i) {
        SeparatorRecentFiles->setVisible(true);
        QAction* a = mnuRecentFile[static_cast<size_t>(i)];
        // The full path as the caption; a "&" in it is no access key.
        a->setText(QString(namen[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setData(namen[i]);
        a->setVisible(true);
    }
}

void Menubalk::VulVensterlijst() {
    for (QAction* a : m_vensterlijst) {
        mnuWindow->removeAction(a);
        delete a;
    }
    m_vensterlijst.clear();
    QMdiArea* gebied = m_venster.mdiGebied();
    QMdiSubWindow* actief = gebied->currentSubWindow();
    int n = 0;
    for (QMdiSubWindow* kader : gebied->subWindowList()) {
        if (!kader->isVisible()) continue;
        ++n;
        QString titel = kader->windowTitle();
        titel.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = mnuWindow->addAction(
            (n < 10 ? QStringLiteral("&%1 ").arg(n) : QStringLiteral("%1 ").arg(n)) + titel);
        a->setCheckable(true);
        a->setChecked(kader == actief);
        QObject::connect(a, &QAction::triggered, gebied, [gebied, kader] {
            if (kader->isMinimized()) kader->showNormal();
            gebied->setActiveSubWindow(kader);
        });
        m_vensterlijst << a;
    }
    m_vensterlijstBegin->setVisible(n > 0);
}
