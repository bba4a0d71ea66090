#include "views/frmTabel.h"

#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Meetbestand.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/RackvensterActies.h"
#include "reports/formPrint.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "views/Celtekenaar.h"
#include "views/TabelBewerking.h"
#include "views/TabelRijen.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace {

constexpr int TekstTabel = 122, TekstNummer = 123, TekstDatum = 124, TekstTijd = 125, TekstInfo = 126,
              TekstEenheid = 278, TekstSelecties = 251, TekstWaarschuwing = 421, TekstVerwijderen = 422,
              TekstSjabloon = 444;

// Default column widths in twips: the number, date and time, then per input value, unit, temperature
// and temperature unit. The info column keeps its width.
constexpr std::array<int, KolomInfo> StandaardBreedte = {600, 1000, 1000, 800, 600, 800, 500, 800, 600, 800,
                                                         500, 800,  600,  800, 500, 800, 600, 800, 500};

QString Sectie(int r) {
    return QStringLiteral("Table") + QString::number(r);
}

// The width in pixels that column c of a grid needs in its font to show its head whole, and on the
// date and time columns a date and time as the rows write them.
int NodigeKolomBreedte(const TabelGrid& grid, int c) {
    const auto nodig = [&grid](const QString& tekst) {
        return std::max(grid.fontMetrics().horizontalAdvance(tekst),
                        grid.horizontalHeader()->fontMetrics().horizontalAdvance(tekst)) +
               10;
    };
    int breedte = nodig(grid.Model().Cel(0, c));
    if (c == KolomDatum || c == KolomTijd) {
        const TijdCellen voorbeeld = TijdCellenVan(platform::MaakDatum(2026, 12, 28, 23, 58, 58));
        breedte = std::max(breedte, nodig(c == KolomDatum ? voorbeeld.kolom1 : voorbeeld.kolom2));
    }
    return breedte;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// One grid

TabelGrid::TabelGrid(QWidget* ouder) : QTableView(ouder), m_model(new TabelModel(this)) {
    setModel(m_model);
    setItemDelegate(new Celtekenaar(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    // The font record's colour is the colour of the cells' text.
    setForegroundRole(QPalette::Text);
    verticalHeader()->hide();
    // Rows of one height, so that the view finds a row without measuring the rows before it.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->viewport()->installEventFilter(this);
}

Selectie TabelGrid::LeesSelectie() const {
    const QItemSelection keuze = selectionModel()->selection();
    if (keuze.isEmpty()) return {};
    int boven = INT_MAX, onder = -1, links = INT_MAX, rechts = -1;
    for (const QItemSelectionRange& bereik : keuze) {
        boven = std::min(boven, bereik.top());
        onder = std::max(onder, bereik.bottom());
        links = std::min(links, bereik.left());
        rechts = std::max(rechts, bereik.right());
    }
    links = std::max(links, 1); // the row numbers are not selected
    if (rechts < links) return {};
    const QModelIndex huidig = selectionModel()->currentIndex();
    // The current cell is the corner the selection was drawn to; Row/Col the one it began at.
    const bool omhoog = huidig.isValid() && huidig.row() == boven && boven != onder;
    const bool naarLinks = huidig.isValid() && huidig.column() == links && links != rechts;
    Selectie s;
    s.Row = (omhoog ? onder : boven) + 1;
    s.RowSel = (omhoog ? boven : onder) + 1;
    s.Col = static_cast<int16_t>(naarLinks ? rechts : links);
    s.ColSel = static_cast<int16_t>(naarLinks ? links : rechts);
    return s;
}

void TabelGrid::ZetSelectie(const Selectie& s) {
    const int rijen = m_model->rowCount();
    if (s.Row < 1 || rijen == 0) {
        selectionModel()->clearSelection();
        return;
    }
    const auto rij = [rijen](int32_t r) { return std::clamp(r, 1, rijen) - 1; };
    const auto kolom = [](int c) { return std::clamp(c, 1, AantalRasterKolommen - 1); };
    const QModelIndex begin = m_model->index(rij(s.Row), kolom(s.Col));
    const QModelIndex einde = m_model->index(rij(s.RowSel), kolom(s.ColSel));
    selectionModel()->setCurrentIndex(einde, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(begin, einde), QItemSelectionModel::ClearAndSelect);
}

void TabelGrid::ToonRijBovenaan(int32_t rij) {
    if (rij < 1) return;
    // A grid out of sight (another tab, a hidden window) is laid out when it shows, with this row on top.
    if (!isVisible()) {
        m_rijBijTonen = rij;
        return;
    }
    m_rijBijTonen = 0;
    // The view scrolls by whole rows, all of one height, and the scroll bar's value is the top row. Rows
    // just added are in the scroll range only once the view has laid them out, which measures every
    // row's place: the range is set here from the row count and the rows that fit the viewport, as the
    // view's own layout sets it, so that a logged row costs the same however many rows the grid holds.
    const int rijen = m_model->rowCount();
    const int hoogte = std::max(1, verticalHeader()->defaultSectionSize());
    const int passen = std::max(1, viewport()->height() / hoogte);
    QScrollBar* balk = verticalScrollBar();
    balk->setRange(0, std::max(0, rijen - passen));
    balk->setValue(std::min(rij, rijen) - 1);
    // The row number, column 0, in view.
    horizontalScrollBar()->setValue(0);
}

void TabelGrid::showEvent(QShowEvent* e) {
    QTableView::showEvent(e);
    if (m_rijBijTonen > 0) ToonRijBovenaan(m_rijBijTonen);
}

void TabelGrid::SelecteerRijen(int32_t van, int32_t tot) {
    ZetSelectie({van + 1, 1, tot + 1, static_cast<int16_t>(AantalRasterKolommen - 1)});
}

void TabelGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex i = indexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && i.isValid() && i.column() == 0) {
        // The row numbers stand for their rows: a press selects the whole row, Shift extends.
        const Selectie voor = LeesSelectie();
        m_rijAnker = (e->modifiers() & Qt::ShiftModifier) && voor.Row >= 1 ? voor.Row - 1 : i.row();
        SelecteerRijen(m_rijAnker, i.row());
        e->accept();
        return;
    }
    m_rijAnker = -1;
    QTableView::mousePressEvent(e);
}

void TabelGrid::mouseMoveEvent(QMouseEvent* e) {
    if (m_rijAnker >= 0 && (e->buttons() & Qt::LeftButton)) {
        const int rij = rowAt(e->position().toPoint().y());
        if (rij >= 0) SelecteerRijen(m_rijAnker, rij);
        e->accept();
        return;
    }
    QTableView::mouseMoveEvent(e);
}

void TabelGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (m_rijAnker >= 0) {
        m_rijAnker = -1;
        e->accept();
    } else {
        QTableView::mouseReleaseEvent(e);
    }
    if (BijLoslaten) BijLoslaten(e->button(), e->globalPosition().toPoint());
}

void TabelGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && BijDubbelklik) {
        e->accept();
        BijDubbelklik();
        return;
    }
    QTableView::mouseDoubleClickEvent(e);
}

void TabelGrid::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) &&
        e->modifiers() == Qt::NoModifier) {
        e->accept();
        if (BijToets) BijToets();
        return;
    }
    QTableView::keyPressEvent(e);
}

bool TabelGrid::eventFilter(QObject* object, QEvent* e) {
    // A double-click on the header row: no data row is current.
    if (object == horizontalHeader()->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        selectionModel()->clearSelection();
        if (BijDubbelklik) BijDubbelklik();
        return true;
    }
    return QTableView::eventFilter(object, e);
}

void TabelGrid::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange) verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

Lettertype TabelGrid::LeesLettertype() const {
    const QFont f = font();
    const QColor c = palette().color(foregroundRole());
    return {f.family(),
            f.pointSizeF(),
            f.bold(),
            f.italic(),
            f.underline(),
            f.strikeOut(),
            c.red() + 256 * c.green() + 65536 * c.blue()};
}

void TabelGrid::ZetLettertype(const Lettertype& l) {
    QFont f = font();
    if (!l.naam.isEmpty()) f.setFamily(l.naam);
    if (l.grootte > 0) f.setPointSizeF(l.grootte);
    f.setBold(l.vet);
    f.setItalic(l.cursief);
    f.setUnderline(l.onderstreept);
    f.setStrikeOut(l.doorgehaald);
    setFont(f);
    QPalette p = palette();
    p.setColor(foregroundRole(), QColor(l.kleur & 0xFF, (l.kleur >> 8) & 0xFF, (l.kleur >> 16) & 0xFF));
    setPalette(p);
}

void TabelGrid::Vernieuw() {
    viewport()->update();
}

// ---------------------------------------------------------------------------------------------------
// The window

frmTabel::frmTabel(QWidget* ouder) : QWidget(ouder) {
    setObjectName(QStringLiteral("frmTabel"));
    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addWidget(SSTab);
    for (int16_t m = 1; m <= AantalModules; ++m) {
        auto* grid = new TabelGrid;
        grid->setObjectName(QStringLiteral("MSHFlexGrid%1").arg(m));
        grid->BijLoslaten = [this, m](Qt::MouseButton knop, const QPoint& p) { Grid_MouseUp(m, knop, p); };
        grid->BijDubbelklik = [this, m] { Grid_DblClick(m); };
        grid->BijToets = [this, m] { Grid_KeyPress(m); };
        MSHFlexGrid[m] = grid;
        SSTab->addTab(grid, QString());
        SSTab->setTabVisible(m - 1, false);
        SSTab->setTabEnabled(m - 1, false);
    }
    connect(SSTab, &QTabWidget::currentChanged, this, [this] { InstellenZichtbaarheidTabel(); });
    SSTab->tabBar()->installEventFilter(this);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    resize(sizeHint());
}

QSize frmTabel::sizeHint() const {
    return QSize(TwipsNaarPixels(10000), TwipsNaarPixels(7000));
}

QSize frmTabel::minimumSizeHint() const {
    return QSize(TwipsNaarPixels(6000), TwipsNaarPixels(3750));
}

frmTabel::~frmTabel() {
    BewaarTab();
    if (m_ri >= 1 && TabelVensters[m_ri] == this) TabelVensters.Zet(m_ri, nullptr);
}

void frmTabel::ZetRi(int16_t ri) {
    m_ri = ri;
    Tag = QStringLiteral("tabel") + QString::number(ri);
    setProperty("Tag", Tag);
}

void frmTabel::Laad() {
    if (m_geladen) return;
    m_geladen = true;
    ZetRi(m_ri);
    if (auto* kader = qobject_cast<QMdiSubWindow*>(Kindvensterkader(this)))
        connect(kader, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates oud, Qt::WindowStates nieuw) {
                    if (nieuw.testFlag(Qt::WindowActive) && !oud.testFlag(Qt::WindowActive)) Activate();
                });
}

void frmTabel::Ontlaad() {
    m_vanuitCode = true;
    Kindvensterkader(this)->close();
}

void frmTabel::WachtOpAanmelding() {
    m_modulesBijZoeken = Modulenummers();
    Kindvensterkader(this)->hide();
}

std::array<int32_t, AantalModules + 1> frmTabel::Modulenummers() const {
    std::array<int32_t, AantalModules + 1> nummers{};
    for (int m = 1; m <= AantalModules; ++m)
        if (Aanwezig(m)) nummers[static_cast<size_t>(m)] = Racks[m_ri].Modules[m].Idno;
    return nummers;
}

bool frmTabel::Aanwezig(int m) const {
    return m_ri >= 1 && m_ri <= AantalRacks && m >= 1 && m <= AantalModules && Racks[m_ri].Modules[m].Present;
}

int16_t frmTabel::GekozenModule() const {
    return static_cast<int16_t>(SSTab->currentIndex() + 1);
}

// ---------------------------------------------------------------------------------------------------
// Layout and rows

void frmTabel::StelTabelIn(bool InstellenKolomBreedte) {
    Indelen(InstellenKolomBreedte, true);
}

void frmTabel::StelTabelInNaAanmelding() {
    if (!m_modulesBijZoeken) {
        StelTabelIn(true);
        return;
    }
    // The rows are the rack's history as the data file holds it: they stay while they belong to the
    // same modules.
    const bool zelfdeModules = *m_modulesBijZoeken == Modulenummers();
    m_modulesBijZoeken.reset();
    // Other modules: every grid begins empty, also those of modules no longer present.
    if (!zelfdeModules) {
        for (int16_t m = 1; m <= AantalModules; ++m)
            WisTabelGegevens(m);
        Indelingen().Wis();
    }
    Indelen(true, false);
}

void frmTabel::Indelen(bool InstellenKolomBreedte, bool wissen) {
    m_bestandsRijen.Begin();
    m_bestandsRij = 0;
    if (wissen) Indelingen().Wis();
    LaadVensterTitel();
    for (int16_t m = 1; m <= AantalModules; ++m) {
        const int tab = m - 1;
        if (!Aanwezig(m)) {
            // The grid keeps its rows; only its tab goes.
            ZetTab(tab, false, QString());
            continue;
        }
        ZetTab(tab, true, TrimSpaties(ModuleNaamVan(m_ri, m)));
        if (wissen) WisTabelGegevens(m);
        TabelModel& model = MSHFlexGrid[m]->Model();
        model.ZetCel(0, KolomNummer, Tekst[TekstNummer]);
        model.ZetCel(0, KolomDatum, Tekst[TekstDatum]);
        model.ZetCel(0, KolomTijd, Tekst[TekstTijd]);
        for (int n = 1; n <= AantalIngangen; ++n) {
            const int c = KolomVanKanaal(n);
            model.ZetCel(0, c, QStringLiteral("CH") + QString::number(n));
            model.ZetCel(0, c + 1, Tekst[TekstEenheid]);
            model.ZetCel(0, c + 2, QStringLiteral("°C") + QString::number(n));
            model.ZetCel(0, c + 3, Tekst[TekstEenheid]);
        }
        model.ZetCel(0, KolomInfo, Tekst[TekstInfo]);
        AantalTabelKolommen[m][m_ri] = KolomInfo;
    }
    if (InstellenKolomBreedte) StelNieuweKolomBreedteIn();
    InstellenZichtbaarheidTabel();
}

void frmTabel::StelNieuweKolomBreedteIn() {
    // The design widths, wider where the text would be cut off.
    for (int16_t m = 1; m <= AantalModules; ++m) {
        if (!Aanwezig(m)) continue;
        for (int c = 0; c < KolomInfo; ++c)
            MSHFlexGrid[m]->setColumnWidth(c,
                                           std::max(TwipsNaarPixels(StandaardBreedte[static_cast<size_t>(c)]),
                                                    NodigeKolomBreedte(*MSHFlexGrid[m], c)));
    }
}

void frmTabel::LaadTabelKolomhoofden(int16_t Mi) {
    if (!isVisible() || Mi < 1 || Mi > AantalModules) return;
    setWindowTitle(Racks[m_ri].Name.getrimd());
    TabelModel& model = MSHFlexGrid[Mi]->Model();
    model.ZetCel(0, KolomNummer, Tekst[TekstNummer]);
    model.ZetCel(0, KolomDatum, Tekst[TekstDatum]);
    model.ZetCel(0, KolomTijd, Tekst[TekstTijd]);
    model.ZetCel(0, KolomInfo, Tekst[TekstInfo]);
}

void frmTabel::WisTabelGegevens(int16_t i) {
    if (i >= 1 && i <= AantalModules) MSHFlexGrid[i]->Model().Wis();
}

void frmTabel::VulTabellenAan(const QString& Info) {
    for (int16_t m = 1; m <= AantalModules; ++m)
        VulEnkeleTabelAan(m, Info);
    // The row's line holds the blocks of the modules present now, as the run logs it; the snapshot's
    // number tells the row when its line is given up.
    if (AantalMetingen >= 1)
        Indelingen().Zet(AantalMetingen, AantalMetingen, GeschrevenTabelmodules(), Opnamenummer);
}

void frmTabel::VulEnkeleTabelAan(int16_t Mi, const QString& Info) {
    const int32_t r = AantalMetingen;
    if (!Aanwezig(Mi) || r < 1) return;
    TabelGrid* grid = MSHFlexGrid[Mi];
    grid->Model().ZetRij(r, LiveRij(m_ri, Mi, Info));
    // The view stays at the end of the table.
    grid->ToonRijBovenaan(r);
    // The cells shown, after the scroll: the window around them (tabs, headers, scroll bars) stays.
    if (grid->isVisible()) grid->viewport()->update();
}

void frmTabel::VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) {
    const int32_t r = AantalMetingen;
    if (!Aanwezig(y) || r < 1) return;
    // A new load (rows begin again): its units and patterns are looked up afresh.
    if (r < m_bestandsRij) m_bestandsRijen.Begin();
    m_bestandsRij = r;
    // The view learns of the file's rows as one range when the load ends (ToonRaster).
    m_bestandsRijen.Schrijf(MSHFlexGrid[y]->Model(), r, m_ri, y, Info);
}

void frmTabel::VerwachtRijen(int32_t rijen) {
    for (int16_t m = 1; m <= AantalModules; ++m)
        if (Aanwezig(m)) MSHFlexGrid[m]->Model().Reserveer(rijen);
}

void frmTabel::ToonRaster(int16_t m) {
    if (m < 1 || m > AantalModules) return;
    MSHFlexGrid[m]->Model().Meld();
    InstellenZichtbaarheidTabel();
    MSHFlexGrid[m]->ToonRijBovenaan(AantalMetingen);
    MSHFlexGrid[m]->viewport()->update();
}

QString frmTabel::CelTekst(int16_t m, int32_t rij, int16_t kolom) const {
    if (m < 1 || m > AantalModules) return QString();
    return MSHFlexGrid[m]->Model().Cel(rij, kolom);
}

void frmTabel::ZetCelTekst(int16_t m, int32_t rij, int16_t kolom, const QString& tekst) {
    if (m >= 1 && m <= AantalModules) MSHFlexGrid[m]->Model().ZetCel(rij, kolom, tekst);
}

bool frmTabel::RijCellen(int16_t m, int32_t rij, std::array<std::string_view, KolomInfo + 1>& cellen) const {
    static_assert(KolomInfo + 1 == AantalRasterKolommen);
    if (m < 1 || m > AantalModules) return false;
    return MSHFlexGrid[m]->Model().RijCellen(rij, cellen);
}

uint64_t frmTabel::Wijzigingen() const {
    uint64_t laatste = 0;
    for (int16_t m = 1; m <= AantalModules; ++m)
        laatste = std::max(laatste, MSHFlexGrid[m]->Model().Wijzigingen());
    return laatste;
}

int32_t frmTabel::RowSel(int16_t m) const {
    if (m < 1 || m > AantalModules) return 0;
    return MSHFlexGrid[m]->LeesSelectie().RowSel;
}

void frmTabel::LaadVensterTitel() {
    if (m_ri < 1 || m_ri > AantalRacks) return;
    const QString naam = Racks[m_ri].Name.getrimd();
    Racks[m_ri].Name = naam;
    setWindowTitle(Tekst[TekstTabel] + QLatin1Char(' ') + naam);
    for (int16_t m = 1; m <= AantalModules; ++m) {
        if (!Aanwezig(m)) continue;
        const QString tekst = TrimSpaties(ModuleNaamVan(m_ri, m));
        if (SSTab->tabText(m - 1) != tekst) SSTab->setTabText(m - 1, tekst);
    }
}

void frmTabel::ZetTab(int tab, bool aanwezig, const QString& tekst) {
    // A tab told what it already shows is left alone: every change lays the whole window out again and
    // paints it, and a file is loaded into the tabs it had.
    if (SSTab->isTabVisible(tab) != aanwezig) SSTab->setTabVisible(tab, aanwezig);
    if (SSTab->isTabEnabled(tab) != aanwezig) SSTab->setTabEnabled(tab, aanwezig);
    if (SSTab->tabText(tab) != tekst) SSTab->setTabText(tab, tekst);
}

void frmTabel::InstellenZichtbaarheidTabel() {
    if (SSTab->isTabVisible(SSTab->currentIndex())) return;
    for (int tab = 0; tab < AantalModules; ++tab)
        if (SSTab->isTabVisible(tab)) {
            SSTab->setCurrentIndex(tab);
            return;
        }
}

// ---------------------------------------------------------------------------------------------------
// Selections

int32_t frmTabel::Geselecteerd(int16_t Mi, int32_t m) const {
    if (Mi < 1 || Mi > AantalModules) return 0;
    return ::Geselecteerd(MSHFlexGrid[Mi]->LeesSelectie(), m);
}

void frmTabel::DeselecteerAlles(int16_t Mi) {
    if (Mi < 1 || Mi > AantalModules) return;
    const Selectie s = MSHFlexGrid[Mi]->LeesSelectie();
    MSHFlexGrid[Mi]->ZetSelectie({s.Row, s.Col, s.Row, s.Col});
}

void frmTabel::BepaalSelectieRijen(int16_t Mi, int32_t& StartRij, int32_t& EindRij) const {
    StartRij = EindRij = 0;
    if (Mi >= 1 && Mi <= AantalModules)
        ::BepaalSelectieRijen(MSHFlexGrid[Mi]->LeesSelectie(), StartRij, EindRij);
}

void frmTabel::BepaalSelectieKolommen(int16_t Mi, int16_t& StartKolom, int16_t& EindKolom) const {
    StartKolom = EindKolom = 0;
    if (Mi >= 1 && Mi <= AantalModules)
        ::BepaalSelectieKolommen(MSHFlexGrid[Mi]->LeesSelectie(), StartKolom, EindKolom);
}

void frmTabel::CopyElementen(int16_t Mi) {
    if (Mi < 1 || Mi > AantalModules) return;
    const Selectie s = MSHFlexGrid[Mi]->LeesSelectie();
    if (s.Row < 1) return;
    hoofdvenster().ZetWachtcursor(true);
    const TabelModel& model = MSHFlexGrid[Mi]->Model();
    QApplication::clipboard()->setText(
        KopieTekst(s, [&model](int32_t rij, int16_t kolom) { return model.Cel(rij, kolom); }));
    hoofdvenster().ZetWachtcursor(false);
}

bool frmTabel::IsSjabloon() {
    if (!HeeftSjabloon(Gegevensbestand)) return false;
    ToonStandaardMelding(Tekst[TekstSjabloon], vbExclamation, Gegevensbestand);
    update();
    return true;
}

bool frmTabel::RijIndelingOnbekend(int16_t Mi, int32_t r1, int32_t r2) {
    for (int32_t r = std::max(r1, 1); r <= r2; ++r) {
        if (!::IndelingOnbekend(m_ri, Mi, r)) continue;
        ToonStandaardMelding(Tekst[TekstIndelingOnbekend], vbExclamation, Gegevensbestand);
        update();
        return true;
    }
    return false;
}

void frmTabel::WissenSelectie() {
    const int16_t Mi = GekozenModule();
    if (Geselecteerd(Mi) == 0 || IsSjabloon()) return;
    int32_t r1 = 0, r2 = 0;
    int16_t c1 = 0, c2 = 0;
    BepaalSelectieRijen(Mi, r1, r2);
    BepaalSelectieKolommen(Mi, c1, c2);
    if (RijIndelingOnbekend(Mi, r1, r2)) return;
    WisSelectieInBestand(m_ri, Mi, r1, r2, c1, c2);
}

void frmTabel::ToonLijnSelectie() {
    MarkeerLijnen(MSHFlexGrid[GekozenModule()]->LeesSelectie());
}

void frmTabel::MarkeerLijnen(const Selectie& s) {
    const Selectie lijn = LijnSelectie(s, static_cast<int16_t>(AantalRasterKolommen - 1));
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present || !RackVlaggen[r].Table) continue;
        frmTabel* venster = frmTabelVan(r);
        if (!venster) continue;
        for (int16_t m = 1; m <= AantalModules; ++m)
            if (venster->Aanwezig(m)) venster->MSHFlexGrid[m]->ZetSelectie(lijn);
    }
}

void frmTabel::VerwijderSelectie() {
    const int16_t Mi = GekozenModule();
    const int32_t n = Geselecteerd(Mi);
    if (n < 1 || IsSjabloon()) return;
    // The rows asked about are the rows that go. The question takes the user's input alone, but the program
    // goes on behind it: a start time may switch logging on, the run go on in a new file, and the window
    // itself be gone at the answer.
    const Selectie gevraagd = MSHFlexGrid[Mi]->LeesSelectie();
    int32_t r1 = 0, r2 = 0;
    BepaalSelectieRijen(Mi, r1, r2);
    const Tabelbron bron = TabelbronVan(m_ri);
    const QPointer<frmTabel> zelf(this);
    const int keuze = ToonStandaardMelding(
        Tekst[TekstSelecties] + QString::number(n) + QStringLiteral("\r\n") + Tekst[TekstWaarschuwing],
        vbYesNo | vbExclamation, VervangAmpersand(Tekst[TekstVerwijderen], QString()));
    if (keuze != vbYes) return;
    if (!TabelbronGeldig(bron, TekstTabelVeranderdBijVerwijderen) || !zelf) {
        if (zelf) update();
        return;
    }
    // What is marked is what goes.
    MarkeerLijnen(gevraagd);
    hoofdvenster().ZetWachtcursor(true);
    VerwijderSelectiesUitMeetbestand(Mi, r1, r2);
    // The graphs of the table lose the emptied rows; the recorders draw only what comes.
    for (int g = 1; g <= AantalGrafieken; ++g) {
        GrafiekvensterInterface* grafiek = GrafiekVenster(g);
        if (grafiek && grafiek->GrafiekIndex() == g && !grafiek->Instellingen().XYrecorder)
            grafiek->HerInitialiseerGrafiek();
    }
    hoofdvenster().ZetWachtcursor(false);
    update();
}

void frmTabel::VerwijderSelectiesUitMeetbestand(int16_t Mi, int32_t r1, int32_t r2) {
    if (r1 >= 1) VerwijderRijenUitBestand(m_ri, Mi, r1, r2);
}

void frmTabel::OpenInfo(int16_t Mi) {
    if (IsSjabloon()) return;
    // A text that no line of the file would take is refused before it is typed.
    if (InfoGeweigerd(m_ri, Mi, RowSel(Mi))) {
        update();
        return;
    }
    formEditInfo dialoog(this);
    dialoog.IngaveRackNaam = false;
    dialoog.IngaveModuleNaam = false;
    dialoog.Ri = m_ri;
    dialoog.Mi = Mi;
    dialoog.hide();
    dialoog.Laad();
    VoerDialoogUit(dialoog);
}

// ---------------------------------------------------------------------------------------------------
// Events

void frmTabel::Grid_MouseUp(int16_t Mi, Qt::MouseButton knop, const QPoint& globaal) {
    TabelvensterOmgeving& omgeving = tabelvensterOmgeving();
    if (knop == Qt::RightButton) {
        if (!VerbindingActief && !AlleenLezen) omgeving.ToonBewerkMenu(globaal);
        return;
    }
    if (knop != Qt::LeftButton) return;
    if (Geselecteerd(Mi) < 1) {
        omgeving.ZetKopieerKnoppen(false);
        return;
    }
    TabelGrid* grid = MSHFlexGrid[GekozenModule()];
    grid->ZetSelectie(NormaliseerSelectie(grid->LeesSelectie()));
    omgeving.ZetKopieerKnoppen(true);
}

void frmTabel::Grid_DblClick(int16_t Mi) {
    if (Geselecteerd(Mi) < 1) {
        KiesLettertype(*MSHFlexGrid[Mi]);
        return;
    }
    if (!VerbindingActief) OpenInfo(Mi);
}

void frmTabel::Grid_KeyPress(int16_t Mi) {
    if (Geselecteerd(Mi) >= 1 && !VerbindingActief) OpenInfo(Mi);
}

void frmTabel::SSTab_DblClick() {
    InstellenZichtbaarheidTabel();
    const int16_t m = GekozenModule();
    if (!Aanwezig(m) || InstellingenOpen) return;
    if (!ModelVan(m_ri, m).Bekend()) return;
    rackvensterActies().OpenModuleInstellingen(m_ri, m, 1);
}

bool frmTabel::eventFilter(QObject* object, QEvent* e) {
    if (object == SSTab->tabBar()) {
        if (e->type() == QEvent::MouseButtonDblClick) {
            SSTab_DblClick();
            return true;
        }
        if (e->type() == QEvent::KeyPress) {
            const int toets = static_cast<QKeyEvent*>(e)->key();
            if (toets == Qt::Key_Return || toets == Qt::Key_Enter || toets == Qt::Key_Space) {
                SSTab_DblClick();
                return true;
            }
        }
    }
    return QWidget::eventFilter(object, e);
}

void frmTabel::Activate() {
    bool rack = false;
    for (int r = 1; r <= AantalRacks; ++r)
        rack = rack || Racks[r].Present;
    if (rack) tabelvensterOmgeving().InstellenButtons();
}

void frmTabel::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // Inside the main window's area the sub-window reports the activation.
    if (e->type() == QEvent::ActivationChange && m_geladen && Kindvensterkader(this) == this &&
        isActiveWindow())
        Activate();
}

void frmTabel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // A new size is a placement to be saved.
    if (m_geladen && isVisible()) {
        ConfiguratieGewijzigd = true;
        hoofdvenster().ZetKnoppen();
    }
}

void frmTabel::BewaarTab() {
    if (m_tabBewaard || m_ri < 1 || m_ri > AantalRacks) return;
    BewaarInstelling(AppNaam, Sectie(m_ri), QStringLiteral("Tab"), SSTab->currentIndex());
}

void frmTabel::closeEvent(QCloseEvent* e) {
    BewaarTab();
    if (!m_vanuitCode && m_ri >= 1) {
        // The user's close only hides the window: its rows are the history of the rack.
        RackVlaggen[m_ri].Table = false;
        ConfiguratieGewijzigd = true;
        hoofdvenster().ZetKnoppen();
        tabelvensterOmgeving().TabelGesloten(m_ri);
        e->ignore();
        Kindvensterkader(this)->hide();
        return;
    }
    m_tabBewaard = true;
    if (m_ri >= 1 && TabelVensters[m_ri] == this) TabelVensters.Zet(m_ri, nullptr);
    QWidget::closeEvent(e);
}

// ---------------------------------------------------------------------------------------------------
// Registration

namespace {
TabelvensterOmgeving* omgeving = nullptr;
} // namespace

void ZetTabelvensterOmgeving(TabelvensterOmgeving* nieuw) {
    omgeving = nieuw;
}

TabelvensterOmgeving& tabelvensterOmgeving() {
    static TabelvensterOmgeving geen;
    return omgeving ? *omgeving : geen;
}

void ResetFrmTabel() {
    ZetTabelvensterOmgeving(nullptr);
}

frmTabel* frmTabelVan(int r) {
    return dynamic_cast<frmTabel*>(TabelVensters[r]);
}

void ToonTabelVenster(int r) {
    if (r < 1 || r > AantalRacks) return;
    frmTabel* venster = dynamic_cast<frmTabel*>(TabelVensters.Maak(r));
    if (!venster) return;
    if (!RackVlaggen[r].Table) {
        RackVlaggen[r].Table = true;
        ConfiguratieGewijzigd = true;
        hoofdvenster().ZetKnoppen();
    }
    ToonKindvenster(venster);
    QWidget* kader = Kindvensterkader(venster);
    if (kader->isMinimized()) kader->showNormal();
    kader->raise();
    kader->activateWindow();
    venster->setFocus();
}

namespace {
TabelGrid* Grid(int r, int m) {
    frmTabel* w = frmTabelVan(r);
    return w && m >= 1 && m <= AantalModules ? w->MSHFlexGrid[static_cast<size_t>(m)] : nullptr;
}
} // namespace

void FrmTabelHerstel::MaakTabelVenster(int r) {
    TabelVensters.Maak(r);
}
void FrmTabelHerstel::StelTabelIn(int r) {
    if (frmTabel* w = frmTabelVan(r)) w->StelTabelInNaAanmelding();
}
void FrmTabelHerstel::LeesVensterPositie(int r, const QString& sectie) {
    if (frmTabel* w = frmTabelVan(r)) ::LeesVensterPositie(sectie, Kindvensterkader(w));
}
void FrmTabelHerstel::LeesLettertype(int r, int m, const QString& sectie) {
    if (TabelGrid* grid = Grid(r, m)) ::LeesLettertype(sectie, grid);
}
void FrmTabelHerstel::LeesKolomBreedte(int r, int m, const QString& sectie) {
    TabelGrid* grid = Grid(r, m);
    if (!grid) return;
    ::LeesKolomBreedte(sectie, grid);
    // A column the user never sized keeps its text whole; a stored width stays as the user left it.
    for (int c = 0; c < KolomInfo; ++c)
        if (LeesInstelling(AppNaam, sectie, QStringLiteral("Width%1").arg(c), QString()).isEmpty())
            grid->setColumnWidth(c, std::max(grid->columnWidth(c), NodigeKolomBreedte(*grid, c)));
}
int FrmTabelHerstel::AantalTabs(int r) const {
    return frmTabelVan(r) ? AantalModules : 0;
}
bool FrmTabelHerstel::TabZichtbaar(int r, int tab) const {
    const frmTabel* w = frmTabelVan(r);
    return w && w->SSTab->isTabVisible(tab);
}
void FrmTabelHerstel::KiesTab(int r, int tab) {
    if (frmTabel* w = frmTabelVan(r)) w->SSTab->setCurrentIndex(tab);
}
void FrmTabelHerstel::Toon(int r) {
    frmTabel* w = frmTabelVan(r);
    if (!w) return;
    ToonKindvenster(w);
    // The rack's own window stays in front of its table, so the rack is seen whole.
    if (auto* rack = dynamic_cast<QWidget*>(RackVenster(r)); rack && rack->isVisible())
        Kindvensterkader(rack)->raise();
}
void FrmTabelHerstel::Verberg(int r) {
    if (frmTabel* w = frmTabelVan(r)) Kindvensterkader(w)->hide();
}

Tabelvenster* FrmTabelMaker::Maak(int r) {
    auto venster = std::make_unique<frmTabel>();
    venster->setAttribute(Qt::WA_DeleteOnClose);
    frmTabel* w = venster.get();
    w->ZetRi(static_cast<int16_t>(r));
    NeemKindvensterOp(std::move(venster));
    w->Laad();
    w->StelTabelIn(true);
    return w;
}

void FrmTabelRackingangen::PrintRack(QWidget* rackvenster) {
    PrintVensterDirect(rackvenster);
}

void FrmTabelRackingangen::LaadTabelTitel(int r) {
    if (auto* w = dynamic_cast<frmTabel*>(TabelVensters.Maak(r))) w->LaadVensterTitel();
}
