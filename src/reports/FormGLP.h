#pragma once
// The report window: the system configuration report on its first tab and, on its second, the
// calibration history (GLP report) of the input chosen in the rack, module and input lists. It prints
// either report through the print dialog and writes it to a CSV report file ("All" on the GLP tab:
// every channel's report). Its size, place and column widths are kept in the settings section
// "Report" when it is closed with OK.
//
// One window for the whole program, a child window of the main window. Opening it again while it is
// open shows the opener's tab and input. Opened from the module settings dialog, which holds the main
// window while it waits, it stands in a frame of its own beside that dialog until the dialog closes.
#include "reports/Configuratierapport.h"
#include "reports/Rastermodel.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

class Printer;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

// The "All" choice of the GLP export ("Report", "PrintAll").
extern bool RapportAlleKanalen;

// The window's layout in twips for its outer size and its inner (client) size. A window narrower than
// its minimum width + 50 is made that wide (the minimum is 8500, or the width the lists above the GLP
// grid need to show their choices whole), one lower than 5000 is made 5000 high; the tab control fills the
// inner area but for a 50 twips edge and the button row below it. The grids fill their tabs (the GLP grid
// below the strip of the three lists).
struct GLPIndeling {
    double vensterBreedte = 0; // the outer size the window must have
    double vensterHoogte = 0;
    bool aangepast = false; // the window must be resized to it
    double tabBreedte = 0;
    double tabHoogte = 0;
    double knoppenBoven = 0; // OK, Help, Print, To file
    double okLinks = 0;
    double helpLinks = 0;
    double vinkBoven = 0; // "All"
};
GLPIndeling BerekenGLPIndeling(double breedte, double hoogte, double binnenBreedte, double binnenHoogte,
                               double minimaleBreedte = 8500);

// The number of a rack or module list entry ("Rack3: Line A" gives 3): the text before the first ":"
// without the label; 0 for an empty entry.
int16_t NummerUitLijst(const QString& tekst, const QString& label);

class FormGLP : public QWidget {
    Q_OBJECT
    // What the print dialog and the report header block read of the window.
    Q_PROPERTY(QString Tag MEMBER Tag)
    Q_PROPERTY(qint16 Rnr MEMBER Rnr)
    Q_PROPERTY(qint16 Mnr MEMBER Mnr)
    Q_PROPERTY(qint16 Knr MEMBER Knr)
public:
    FormGLP();

    // The channel of the GLP report and of report file names: rack 1..16, module 1..7, channel 1..8
    // (5..8 the temperature inputs of inputs 1..4).
    int16_t Rnr = 0;
    int16_t Mnr = 0;
    int16_t Knr = 0;
    // Open on the GLP tab (else on the configuration tab).
    bool ToonGLP = false;
    // "SYSreport" or "GLPreport", by the tab of the last print or export.
    QString Tag;

    // Load: texts, the configuration report, the lists on Rnr, Mnr, Knr, the stored size and widths.
    void Laad();
    void LaadStrings();
    // The list handlers: a rack fills the module list, a module the input list, an input the GLP grid.
    void ListRacks_Click();
    void ListModules_Click();
    void ListInputs_Click();
    // Selects channel (r, m, k) in the three lists, as a user would, which fills the GLP grid.
    void KiesIngang(int16_t r, int16_t m, int16_t k);
    // The GLP grid for Rnr, Mnr, Knr.
    void StelGLPTabelIn();
    // A click on a header of the configuration report: sorts by that column.
    void FlexGridConfiguratie_Click(int kolom);
    // The report of the window's tag through the print engine (see PrintRapportvenster).
    void PrintRapport(Printer& p, bool alles);

    const Raster& Configuratie() const { return m_configuratie.raster(); }
    const Raster& GLP() const { return m_glp.raster(); }

    void OKButton_Click();
    void CommandHelp_Click();
    void CommandPrint_Click();
    void CommandToFile_Click();

    QTabWidget* SSTab = nullptr;
    QTableView* FlexGridConfiguratie = nullptr;
    QTableView* FlexGridGLP = nullptr;
    QLabel* LabelRacks = nullptr;
    QLabel* LabelModules = nullptr;
    QLabel* LabelInputs = nullptr;
    QComboBox* ListRacks = nullptr;
    QComboBox* ListModules = nullptr;
    QComboBox* ListInputs = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CommandHelp = nullptr;
    QPushButton* CommandPrint = nullptr;
    QPushButton* CommandToFile = nullptr;
    QCheckBox* CheckAllChannels = nullptr;

    // Opening again while the window is open: the opener's tab and input.
    void Heropen();

    // A dialog that holds the main window while it waits (the module settings) holds the area of child
    // windows with it. For such a `dialoog` the window leaves the area for a frame of its own that
    // belongs to the dialog, so that it can be read, printed and exported while the dialog waits; the
    // main window stays held meanwhile, also after a message box of the window's own. When the dialog
    // goes away (or for nullptr) the window goes back into the area, to its place there.
    void HoortBij(QWidget* dialoog);
    // The dialog the window belongs to, or nullptr while it is in the area.
    QWidget* Dialoog() const { return m_dialoog; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    void VulConfiguratieTabel();
    void VulRacks();
    void WisModules();
    void WisIngangen();
    void ToonTab(int tab);
    void Form_Resize();
    QWidget* Kader();
    // The visible part of the main window's area the frame stands in (an empty rectangle when the
    // window stands alone or beside a dialog).
    QRect Gebied();
    // The frame is made to fit the area and moved into it, so that the whole window, its buttons with
    // it, is in view.
    void PasInGebied();
    // Where the window stands in the area (its frame's place), also while it stands beside a dialog.
    QRect Plaats();
    void TerugInGebied();

    bool VensterLaden = false;
    Sorteertoestand m_sortering;
    Rastermodel m_configuratie;
    Rastermodel m_glp;
    QPointer<QWidget> m_dialoog;
    // While it stands beside the dialog: the main window it left, its frame's place in the area and how
    // much larger than the window that frame was.
    QPointer<QWidget> m_hoofdvenster;
    bool m_uitGebied = false;
    QRect m_thuis;
    QSize m_rand;
    // The strip of the three lists above the GLP grid.
    QWidget* m_strook = nullptr;
};

// Opens the report window for channel (r, m, k): from System > Report on the configuration tab
// (glp false, k 1), from the module settings dialog on the GLP tab of its input (glp true), there with
// that dialog as `dialoog` (see FormGLP::HoortBij).
void ToonRapport(int16_t r, int16_t m, int16_t k, bool glp, QWidget* dialoog = nullptr);
// The report window while it is open, else nullptr.
FormGLP* RapportVenster();
// Closes the window and clears the "All" choice.
void ResetFormGLP();
