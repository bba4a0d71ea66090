#pragma once
// The table window of one rack: one tab per module position, each a grid of the rack's measurement
// history, one row per snapshot (rows from the live values or from the measurement file). The grids
// are the in-memory store of the logged history: the file writer, the graphs and the printouts read
// their cells. The user selects cells to copy them, clear their values or delete whole snapshots
// (through the working copy of the data file) and edits a row's info text. Closing the window only
// hides it, so its rows survive; the program unloads it from code.
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Opslaan.h"
#include "files/RackConfiguratie.h"
#include "rackviews/RackvensterActies.h"
#include "views/TabelModel.h"
#include "views/TabelRijen.h"
#include "views/TabelSelectie.h"

#include <QTableView>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QTabWidget;

// One module grid: a view over its TabelModel. Rows and columns are selected as one rectangle; a press
// on the row-number column selects whole rows.
class TabelGrid : public QTableView, public LettertypeDrager {
public:
    explicit TabelGrid(QWidget* ouder = nullptr);
    TabelModel& Model() { return *m_model; }
    const TabelModel& Model() const { return *m_model; }

    // The selection as Row/Col (where it began) and RowSel/ColSel (the opposite corner), grid numbering.
    Selectie LeesSelectie() const;
    // Selects the rectangle (nothing when s.Row < 1), the current cell at (RowSel, ColSel).
    void ZetSelectie(const Selectie& s);
    // Row `rij` becomes the top visible row (as far as the rows below allow).
    void ToonRijBovenaan(int32_t rij);

    // LettertypeDrager: the grid's font and text colour.
    Lettertype LeesLettertype() const override;
    void ZetLettertype(const Lettertype& lettertype) override;
    void Vernieuw() override;

    // What the window does when a mouse button is let go, on a double-click and on Enter or Space.
    std::function<void(Qt::MouseButton knop, const QPoint& globaal)> BijLoslaten;
    std::function<void()> BijDubbelklik;
    std::function<void()> BijToets;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* object, QEvent* e) override;

private:
    void SelecteerRijen(int32_t van, int32_t tot);
    TabelModel* m_model;
    int32_t m_rijBijTonen = 0; // the row to show on top once the grid shows, 0 for none
    int32_t m_rijAnker = -1;   // a press on the row-number column: the row it began on, else -1
};

class frmTabel : public QWidget, public Tabelvenster {
    Q_OBJECT
public:
    explicit frmTabel(QWidget* ouder = nullptr);
    ~frmTabel() override;

    // "tabel" followed by the rack number; also the window's "Tag" property.
    QString Tag;
    QTabWidget* SSTab = nullptr;
    // The grid of module position m (1..7); element 0 is not used.
    std::array<TabelGrid*, AantalModules + 1> MSHFlexGrid{};

    // The size a table opens at, and the smallest Cascade and the tiles leave it (the user may make it
    // smaller).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Load: the tag, and the window's activation reported to the main window.
    void Laad();
    // Unloads the window from code (it is not merely hidden): the selected tab is stored first.
    void Ontlaad() override;
    // System > Search: hidden until the rack logs on again, with its rows and a note of the modules
    // they were taken from.
    void WachtOpAanmelding() override;
    // The layout at the rack's log-on, as StelTabelIn(True). After a Search the rows stay when the
    // rack came back with the modules noted then; with other modules every grid begins empty, as in a
    // window made new.
    void StelTabelInNaAanmelding();

    // Tabelvenster.
    int16_t Ri() const override { return m_ri; }
    void ZetRi(int16_t ri) override;
    void StelTabelIn(bool InstellenKolomBreedte) override;
    void VulTabellenAan(const QString& Info) override;
    void VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) override;
    void VerwachtRijen(int32_t rijen) override;
    void ToonRaster(int16_t m) override;
    QString CelTekst(int16_t m, int32_t rij, int16_t kolom) const override;
    void ZetCelTekst(int16_t m, int32_t rij, int16_t kolom, const QString& tekst) override;
    bool RijCellen(int16_t m, int32_t rij,
                   std::array<std::string_view, KolomInfo + 1>& cellen) const override;
    uint64_t Wijzigingen() const override;
    int32_t RowSel(int16_t m) const override;

    // Default column widths (twips) of every present module's grid.
    void StelNieuweKolomBreedteIn();
    // Caption from the rack name; header cells of columns 0, 1, 2 and 19 of grid Mi from the text table
    // (while the window is visible).
    void LaadTabelKolomhoofden(int16_t Mi);
    // Grid i emptied: the header row and the empty row below it.
    void WisTabelGegevens(int16_t i);
    // Row AantalMetingen of grid Mi from the live values ("Stop": an end point).
    void VulEnkeleTabelAan(int16_t Mi, const QString& Info);
    // Caption and tab captions after a rename.
    void LaadVensterTitel();
    // The selected tab shows a present module.
    void InstellenZichtbaarheidTabel();
    // The module position of the selected tab (1..7).
    int16_t GekozenModule() const;

    // Selections of grid Mi (see TabelSelectie.h).
    int32_t Geselecteerd(int16_t Mi, int32_t m = 0) const;
    void DeselecteerAlles(int16_t Mi);
    void BepaalSelectieRijen(int16_t Mi, int32_t& StartRij, int32_t& EindRij) const;
    void BepaalSelectieKolommen(int16_t Mi, int16_t& StartKolom, int16_t& EindKolom) const;
    // The selected cells of grid Mi to the clipboard: TAB between cells, CR LF after every row.
    void CopyElementen(int16_t Mi);
    // Clears the selected values of the selected tab's grid in the working copy and the grid.
    void WissenSelectie();
    // Marks the selected tab's rows in every shown table (before the delete question).
    void ToonLijnSelectie();
    // Asks, then deletes the snapshots of the rows selected when it asked from the working copy and every
    // table; nothing when the table changed while the question was open (a box says so).
    void VerwijderSelectie();
    // Removes the lines of rows r1..r2 of grid Mi from the working copy and empties those rows in every
    // table.
    void VerwijderSelectiesUitMeetbestand(int16_t Mi, int32_t r1, int32_t r2);
    // Opens the info editor on the row where grid Mi's selection ends.
    void OpenInfo(int16_t Mi);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* object, QEvent* e) override;

private:
    bool Aanwezig(int m) const;
    // The number of the module at each position (0 where none is present).
    std::array<int32_t, AantalModules + 1> Modulenummers() const;
    // StelTabelIn, emptying the present modules' grids or keeping their rows.
    void Indelen(bool InstellenKolomBreedte, bool wissen);
    // The tab of a module position: shown and enabled with its text, or hidden.
    void ZetTab(int tab, bool aanwezig, const QString& tekst);
    void Grid_MouseUp(int16_t Mi, Qt::MouseButton knop, const QPoint& globaal);
    void Grid_DblClick(int16_t Mi);
    void Grid_KeyPress(int16_t Mi);
    void SSTab_DblClick();
    void Activate();
    void BewaarTab();
    // Tables whose data file name is a template cannot be edited: the message, and true.
    bool IsSjabloon();
    // Rows r1..r2 of grid Mi hold a row with a time whose line's layout is not known (IndelingOnbekend):
    // the message, and true.
    bool RijIndelingOnbekend(int16_t Mi, int32_t r1, int32_t r2);
    // Marks rows s.Row..s.RowSel, every column, in every grid of every shown table.
    static void MarkeerLijnen(const Selectie& s);

    int16_t m_ri = 0;
    // The rows of the file being loaded, and the last row written from it.
    BestandsRijen m_bestandsRijen;
    int32_t m_bestandsRij = 0;
    bool m_geladen = false;
    bool m_vanuitCode = false;
    bool m_tabBewaard = false;
    // The modules of the rack when a Search began, until the rack's log-on.
    std::optional<std::array<int32_t, AantalModules + 1>> m_modulesBijZoeken;
};

// What the table window asks of the main window's menus and toolbar. The main window's side is
// registered at start-up; without it (and in tests that register none) nothing happens.
class TabelvensterOmgeving {
public:
    virtual ~TabelvensterOmgeving() = default;
    // A table window became active while a rack is registered: toolbar and menus for a table window.
    virtual void InstellenButtons() {}
    // Toolbar button 6 (copy) and Edit > Copy enabled or disabled.
    virtual void ZetKopieerKnoppen(bool aan) { (void)aan; }
    // The right mouse button was let go over a grid (not while logging, nor on a read-only file): the
    // Edit menu is brought up to date and popped up there.
    virtual void ToonBewerkMenu(const QPoint& globaal) { (void)globaal; }
    // The user closed the table window of rack r: table settings copied from it are dropped.
    virtual void TabelGesloten(int r) { (void)r; }
};
// Registers the main window's side (nullptr: none).
void ZetTabelvensterOmgeving(TabelvensterOmgeving* omgeving);
TabelvensterOmgeving& tabelvensterOmgeving();

// The table window of rack r while it exists, else nullptr.
frmTabel* frmTabelVan(int r);
// Shows the table window of rack r (made when needed), restored and in front, and sets the rack's
// Table flag.
void ToonTabelVenster(int r);

// Makes table windows for the engine and the file layer (TabelVensters): each a frmTabel handed to the
// main window's area of child windows, loaded and laid out.
class FrmTabelMaker : public TabelvensterMaker {
public:
    Tabelvenster* Maak(int r) override;
};

// The table window's side of restoring a rack's windows after its configuration was read.
class FrmTabelHerstel : public TabelvensterHerstel {
public:
    void MaakTabelVenster(int r) override;
    void StelTabelIn(int r) override;
    void LeesVensterPositie(int r, const QString& sectie) override;
    void LeesLettertype(int r, int m, const QString& sectie) override;
    void LeesKolomBreedte(int r, int m, const QString& sectie) override;
    int AantalTabs(int r) const override;
    bool TabZichtbaar(int r, int tab) const override;
    void KiesTab(int r, int tab) override;
    void Toon(int r) override;
    void Verberg(int r) override;
};

// The rack window's entries that the table window provides: the rack's table and its title.
class FrmTabelRackingangen : public RackvensterActies {
public:
    void LaadTabelTitel(int r) override;
    bool HeeftTabel() const override { return true; }
    void ToonTabel(int r) override { ToonTabelVenster(r); }
    // Print rack: the rack window printed at once, without the print dialog.
    bool HeeftPrintRack() const override { return true; }
    void PrintRack(QWidget* rackvenster) override;
};

void ResetFrmTabel();
