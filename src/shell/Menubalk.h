#pragma once
// The main window's menu bar: eight drop-down menus with their items by the program's names, their
// design captions and fixed shortcuts, the four recent-file entries, the window list of the Window
// menu, and the state rules that decide, each time a drop-down opens, which of its items are enabled
// or checked. Most items have no state of their own: a rule computes it from the program's state as it
// is at that moment (Menutoestand). A shortcut key runs its drop-down's rule first, so that the key
// acts as the item would stand were the menu opened now. The items' commands are the main window's.
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class mdiK740;

// What the state rules read: the flags and the active child window.
struct Menutoestand {
    bool rackActief = false;       // a rack is registered
    bool alleenLezen = false;      // the data file is read-only
    bool verbindingActief = false; // logging is on
    int actieveVensters = 0;       // visible table, graph and terminal windows
    QString actiefTag;             // the active child window's tag ("" for none)
    bool kopieerSetTab = false;
    bool kopieerSetGraph = false;
    bool relatieveTijd = false;
    int aantalGrafieken = 0; // graph windows in use
};

class Menubalk : public QObject {
public:
    // Builds the menus on the window's menu bar and connects every item to the window's command.
    explicit Menubalk(mdiK740& venster);

    // The drop-down state rules.
    void mnuFile_Click(const Menutoestand& t);
    void mnuEdit_Click(const Menutoestand& t);
    void mnuNetwork_Click(const Menutoestand& t);
    void mnuData_Click(const Menutoestand& t);
    // The Graph rule without InstellenKnopMenus, which the main window runs with it.
    void mnuGraph_Click(const Menutoestand& t);
    void mnuView_Click(const Menutoestand& t);
    void mnuWindow_Click(const Menutoestand& t);

    // The captions in the language of the text table, and the Graph menu's visibility.
    void LaadStrings();
    // The recent-file entries from the list (newest first; at most four shown).
    void LaadRecenteBestanden(const QStringList& namen);
    // The window list at the foot of the Window menu, rebuilt when it opens.
    void VulVensterlijst();

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileSettings = nullptr;
    QAction* mnuReadSettings = nullptr;
    QAction* mnuFileSaveSettings = nullptr;
    QAction* mnuSaveSettingsAs = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* SeparatorRecentFiles = nullptr;
    std::array<QAction*, 4> mnuRecentFile{};

    QMenu* mnuEdit = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditInfo = nullptr;
    QAction* mnuClearLine = nullptr;
    QAction* mnuDeleteLine = nullptr;
    QAction* mnuRelatieveTijd = nullptr;
    QAction* mnuTimeOrigin = nullptr;
    QAction* mnuEditCopySettings = nullptr;
    QAction* mnuEditPasteSettings = nullptr;

    QMenu* mnuNetwork = nullptr;
    QAction* mnuSystemReport = nullptr;
    QAction* mnuSystemLine = nullptr;
    QAction* mnuSystemReset = nullptr;
    QAction* mnuNetworkSearch = nullptr;

    QMenu* mnuData = nullptr;
    QAction* mnuDataMeasure = nullptr;
    QAction* mnuDatalogging = nullptr;

    QMenu* mnuGraph = nullptr;
    QAction* mnuExtraSettingsGraph = nullptr;
    QAction* linegraph1 = nullptr;
    QMenu* mnuGraphNewMenu = nullptr;
    QAction* mnuGraphNew = nullptr; // the item that opens the New submenu
    QAction* mnuGraphNewTable = nullptr;
    QAction* mnuGraphNewRecorder = nullptr;
    QAction* linegraph2 = nullptr;
    QAction* mnuGraphCopy = nullptr;
    QAction* mnuGraphPrint = nullptr;
    QAction* linegraph3 = nullptr;
    QAction* mnuGraphCopySettings = nullptr;
    QAction* mnuGraphPasteSettings = nullptr;

    QMenu* mnuView = nullptr;
    QAction* mnuDataRack = nullptr;
    QAction* mnuDataTabel = nullptr;
    QAction* mnuViewGraph = nullptr;
    QAction* mnuExtraTerminal = nullptr;
    QAction* mnuNetworkShow = nullptr;

    QMenu* mnuWindow = nullptr;
    QAction* mnuWindowFont = nullptr;
    QAction* mnuWindowToolbar = nullptr;
    QAction* mnuWindowTileHorizontal = nullptr;
    QAction* mnuWindowTileVertical = nullptr;
    QAction* mnuWindowCascade = nullptr;
    QAction* mnuWindowArrangeIcons = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpInfo = nullptr;
    QAction* mnuSysInfo = nullptr;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // A drop-down's state rule: run when it opens, and before a key of one of its items.
    void Regel(QMenu* menu, std::function<void()> regel);

    mdiK740& m_venster;
    std::vector<std::pair<QMenu*, std::function<void()>>> m_regels;
    QAction* m_vensterlijstBegin = nullptr; // separator before the window list
    QList<QAction*> m_vensterlijst;
};
