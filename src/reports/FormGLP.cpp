#include "reports/FormGLP.h"

#include "acquisition/RackModel.h"
#include "reports/GLPHistoriek.h"
#include "reports/Printerkode.h"
#include "reports/Rapportkop.h"
#include "reports/Rapportuitvoer.h"
#include "reports/formPrint.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

bool RapportAlleKanalen = false;

namespace {

const QString Report = QStringLiteral("Report");
QPointer<FormGLP> venster;

// Design positions (twips) that the resize layout leaves alone.
constexpr double TabRand = 50;
constexpr double RasterRand = 60;
constexpr double LijstenHoogte = 660;
constexpr double KnopBreedte = 1215;
constexpr double KnopHoogte = 375;
constexpr double PrintLinks = 120;
constexpr double NaarBestandLinks = 1455;
constexpr double AlleLinks = 2790;

QString Lees(const QString& sleutel, const QString& standaard) {
    return LeesInstelling(AppNaam, Report, sleutel, standaard);
}

bool LeesBoolean(const QString& sleutel, bool standaard) {
    const QString t = Lees(sleutel, BooleanAlsTekst(standaard)).trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
    bool getal = false;
    const double w = t.toDouble(&getal);
    return getal ? w != 0 : standaard;
}

int Px(double twips) {
    return TwipsNaarPixels(twips);
}

void Registreer() {
    afdrukbronnen().Rapportvenster = [] { return static_cast<QWidget*>(venster.data()); };
    afdrukbronnen().PrintRapport = [](Printer& p, bool alles) {
        if (venster) venster->PrintRapport(p, alles);
    };
}

QTableView* MaakRaster(QWidget* ouder, const char* naam) {
    auto* v = new QTableView(ouder);
    v->setObjectName(QLatin1String(naam));
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->verticalHeader()->hide();
    v->verticalHeader()->setDefaultSectionSize(Px(280));
    v->horizontalHeader()->setHighlightSections(false);
    v->setWordWrap(false);
    // The grids' font, as the printout scales it.
    QFont f = v->font();
    f.setPointSizeF(8);
    v->setFont(f);
    v->horizontalHeader()->setFont(f);
    return v;
}

// Widens the columns whose head or cells would be cut off in the grid's font (bold where the cell is
// bold), so that the row heads and the dates show whole in every language.
void VerbreedKolommen(Raster& r, const QTableView* v) {
    QFont vet = v->font();
    vet.setBold(true);
    const QFontMetrics gewoon(v->font()), dik(vet), kop(v->horizontalHeader()->font());
    for (int k = 0; k < r.AantalKolommen(); ++k) {
        int pixels = 0;
        for (int rij = 0; rij < r.AantalRijen(); ++rij) {
            const QFontMetrics& fm = rij == 0 ? kop : r.CelLettertype(rij, k).vet ? dik : gewoon;
            pixels = std::max(pixels, fm.horizontalAdvance(r.CelTekst(rij, k)));
        }
        const double nodig = PixelsNaarTwips(pixels + 12);
        if (r.KolomBreedte(k) < nodig) r.ZetKolomBreedte(k, nodig);
    }
}

// Each of the three lists is at least as wide as its choice needs, so that it shows it whole; the strip
// above the GLP grid shares any further width among them as their longest entries need it.
void VerdeelLijsten(std::initializer_list<QComboBox*> lijsten) {
    for (QComboBox* lijst : lijsten) {
        QStyleOptionComboBox optie;
        optie.initFrom(lijst);
        optie.editable = false;
        const QSize tekst(lijst->fontMetrics().horizontalAdvance(lijst->currentText()),
                          lijst->fontMetrics().height());
        lijst->setMinimumWidth(
            lijst->style()->sizeFromContents(QStyle::CT_ComboBox, &optie, tekst, lijst).width() + 4);
        auto* strook = qobject_cast<QBoxLayout*>(lijst->parentWidget()->layout());
        if (!strook) continue;
        int breedte = lijst->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
        for (int i = 0; i < lijst->count(); ++i)
            breedte = std::max(breedte, lijst->fontMetrics().horizontalAdvance(lijst->itemText(i)));
        strook->setStretchFactor(lijst, breedte);
    }
}

// A button at least as wide as its caption needs.
int KnopBreedteVan(const QPushButton* k) {
    return std::max(Px(KnopBreedte), k->sizeHint().width());
}

} // namespace

GLPIndeling BerekenGLPIndeling(double breedte, double hoogte, double binnenBreedte, double binnenHoogte,
                               double minimaleBreedte) {
    GLPIndeling i;
    const double minimum = std::max(8500.0, minimaleBreedte);
    i.vensterBreedte = breedte < minimum + 50 ? minimum : breedte;
    i.vensterHoogte = hoogte < 5000 ? 5000 : hoogte;
    i.aangepast = i.vensterBreedte != breedte || i.vensterHoogte != hoogte;
    binnenBreedte += i.vensterBreedte - breedte;
    binnenHoogte += i.vensterHoogte - hoogte;
    i.tabBreedte = binnenBreedte - 100;
    i.tabHoogte = binnenHoogte - 650;
    i.knoppenBoven = i.tabHoogte + 165;
    i.okLinks = i.vensterBreedte - 1620;
    i.helpLinks = i.okLinks - 1400;
    i.vinkBoven = i.knoppenBoven + 60;
    return i;
}

int16_t NummerUitLijst(const QString& tekst, const QString& label) {
    if (tekst.trimmed().isEmpty()) return 0;
    QString nummer = tekst.left(tekst.indexOf(QLatin1Char(':')));
    nummer.remove(label);
    return TekstNaarInteger(nummer);
}

FormGLP::FormGLP() {
    setObjectName(QStringLiteral("FormGLP"));
    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));

    auto* configuratieTab = new QWidget;
    FlexGridConfiguratie = MaakRaster(configuratieTab, "FlexGridConfiguratie");
    auto* configuratieLayout = new QVBoxLayout(configuratieTab);
    configuratieLayout->setContentsMargins(Px(RasterRand), Px(RasterRand), Px(RasterRand), Px(RasterRand));
    configuratieLayout->addWidget(FlexGridConfiguratie);
    FlexGridConfiguratie->setSelectionBehavior(QAbstractItemView::SelectRows);
    FlexGridConfiguratie->horizontalHeader()->setSectionsClickable(true);
    m_configuratie.Koppel(FlexGridConfiguratie);
    connect(FlexGridConfiguratie->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FormGLP::FlexGridConfiguratie_Click);
    SSTab->addTab(configuratieTab, QString());

    auto* glpTab = new QWidget;
    auto* glpLayout = new QVBoxLayout(glpTab);
    glpLayout->setContentsMargins(Px(RasterRand), Px(RasterRand), Px(RasterRand), Px(RasterRand));
    glpLayout->setSpacing(0);
    auto* lijsten = new QHBoxLayout;
    lijsten->setContentsMargins(0, 0, 0, 0);
    auto maakLijst = [&](QLabel*& label, QComboBox*& lijst, const char* labelNaam, const char* lijstNaam,
                         int rek) {
        label = new QLabel(glpTab);
        label->setObjectName(QLatin1String(labelNaam));
        lijst = new QComboBox(glpTab);
        lijst->setObjectName(QLatin1String(lijstNaam));
        lijst->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lijst->setMinimumContentsLength(6);
        // The choice is also named whole in the list's tool tip.
        connect(lijst, &QComboBox::currentTextChanged, lijst, &QWidget::setToolTip);
        label->setBuddy(lijst);
        lijsten->addWidget(label);
        lijsten->addWidget(lijst, rek);
        lijsten->addSpacing(Px(120));
    };
    maakLijst(LabelRacks, ListRacks, "LabelRacks", "ListRacks", 2);
    maakLijst(LabelModules, ListModules, "LabelModules", "ListModules", 2);
    maakLijst(LabelInputs, ListInputs, "LabelInputs", "ListInputs", 3);
    // The lists take the strip above the grid.
    auto* strook = new QWidget(glpTab);
    m_strook = strook;
    strook->setFixedHeight(Px(LijstenHoogte - RasterRand));
    strook->setLayout(lijsten);
    lijsten->setAlignment(Qt::AlignTop);
    glpLayout->addWidget(strook);
    FlexGridGLP = MaakRaster(glpTab, "FlexGridGLP");
    glpLayout->addWidget(FlexGridGLP, 1);
    m_glp.ZetVasteKolommen(1);
    m_glp.Koppel(FlexGridGLP);
    SSTab->addTab(glpTab, QString());

    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CommandHelp = new QPushButton(this);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    CommandPrint = new QPushButton(this);
    CommandPrint->setObjectName(QStringLiteral("CommandPrint"));
    CommandToFile = new QPushButton(this);
    CommandToFile->setObjectName(QStringLiteral("CommandToFile"));
    CheckAllChannels = new QCheckBox(this);
    CheckAllChannels->setObjectName(QStringLiteral("CheckAllChannels"));

    connect(ListRacks, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) ListRacks_Click();
    });
    connect(ListModules, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) ListModules_Click();
    });
    connect(ListInputs, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) ListInputs_Click();
    });
    connect(SSTab, &QTabWidget::currentChanged, this, &FormGLP::ToonTab);
    connect(OKButton, &QPushButton::clicked, this, &FormGLP::OKButton_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormGLP::CommandHelp_Click);
    connect(CommandPrint, &QPushButton::clicked, this, &FormGLP::CommandPrint_Click);
    connect(CommandToFile, &QPushButton::clicked, this, &FormGLP::CommandToFile_Click);
    resize(Px(8500), Px(5000));
}

QWidget* FormGLP::Kader() {
    return Kindvensterkader(this);
}

QRect FormGLP::Gebied() {
    const auto* kader = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!kader || !kader->mdiArea()) return {};
    return kader->mdiArea()->viewport()->rect();
}

void FormGLP::PasInGebied() {
    const QRect gebied = Gebied();
    if (gebied.isEmpty()) return;
    QWidget* kader = Kader();
    const QSize maat = kader->size().boundedTo(gebied.size());
    if (maat != kader->size()) kader->resize(maat);
    const QPoint plaats(std::clamp(kader->x(), gebied.left(), gebied.right() + 1 - kader->width()),
                        std::clamp(kader->y(), gebied.top(), gebied.bottom() + 1 - kader->height()));
    kader->move(plaats);
}

QRect FormGLP::Plaats() {
    if (m_uitGebied) return QRect(m_thuis.topLeft(), size() + m_rand);
    const QWidget* kader = Kader();
    return QRect(kader->pos(), kader->size());
}

void FormGLP::HoortBij(QWidget* dialoog) {
    if (dialoog == this || dialoog == m_dialoog) return;
    // Only a dialog that waits on screen: one that is hidden already would never give the window back.
    if (!dialoog || !dialoog->isVisible()) {
        TerugInGebied();
        return;
    }
    if (m_dialoog) m_dialoog->removeEventFilter(this);
    auto* kader = qobject_cast<QMdiSubWindow*>(parentWidget());
    const bool zichtbaar = kader ? kader->isVisible() : isVisible();
    // Where it stands now on the screen (also in a frame not yet shown).
    const QRect scherm(mapToGlobal(QPoint(0, 0)), size());
    if (kader) {
        m_uitGebied = true;
        m_thuis = kader->geometry();
        m_rand = kader->size() - size();
        m_hoofdvenster = kader->window();
        m_hoofdvenster->installEventFilter(this);
        kader->setWidget(nullptr);
        delete kader;
    }
    m_dialoog = dialoog;
    setParent(dialoog, Qt::Window);
    // Out of the held area: as enabled as the dialog (a new parent does not pass that on by itself).
    if (dialoog->isEnabled() && !testAttribute(Qt::WA_ForceDisabled)) setEnabled(true);
    setGeometry(scherm);
    dialoog->installEventFilter(this);
    if (zichtbaar) show();
}

void FormGLP::TerugInGebied() {
    if (!m_dialoog) return;
    m_dialoog->removeEventFilter(this);
    if (m_hoofdvenster) m_hoofdvenster->removeEventFilter(this);
    m_dialoog = nullptr;
    m_hoofdvenster = nullptr;
    const bool zichtbaar = isVisible();
    const QSize maat = size();
    const QPoint plaats = pos();
    setParent(nullptr, Qt::Window);
    if (!m_uitGebied) {
        // It stood alone before (no main window): so it does again.
        move(plaats);
        if (zichtbaar) show();
        return;
    }
    m_uitGebied = false;
    NeemKindvensterOp(std::unique_ptr<QWidget>(this));
    if (QWidget* kader = Kader(); kader != this) kader->setGeometry(QRect(m_thuis.topLeft(), maat + m_rand));
    if (zichtbaar) ToonKindvenster(this);
}

bool FormGLP::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (object == m_dialoog && gebeurtenis->type() == QEvent::Hide && !m_dialoog->isVisible()) {
        // The dialog closed (or goes away with its object).
        TerugInGebied();
    } else if (object == m_hoofdvenster && gebeurtenis->type() == QEvent::EnabledChange &&
               m_hoofdvenster->isEnabled()) {
        // A message box gives the main window back when it is answered; the dialog still waits.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_dialoog && m_dialoog->isVisible() && m_hoofdvenster) m_hoofdvenster->setEnabled(false);
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(object, gebeurtenis);
}

void FormGLP::LaadStrings() {
    setWindowTitle(QStringLiteral("K740 ") + Tekst[392]);
    SSTab->setTabText(0, Tekst[391]);
    SSTab->setTabText(1, VervangAmpersand(Tekst[386], QString()) + QLatin1Char(' '));
    LabelRacks->setText(Tekst[297]);
    LabelModules->setText(Tekst[296]);
    LabelInputs->setText(Tekst[295]);
    OKButton->setText(Tekst[140]);
    CommandHelp->setText(Tekst[227]);
    CommandPrint->setText(Tekst[106]);
    CommandToFile->setText(Tekst[483]);
    CheckAllChannels->setText(Tekst[204]);
}

void FormGLP::Laad() {
    VensterLaden = true;
    LaadStrings();
    RapportAlleKanalen = LeesBoolean(QStringLiteral("PrintAll"), false);
    VulConfiguratieTabel();
    VulRacks();

    QWidget* kader = Kader();
    const auto twips = [](const QString& sleutel, const char* standaard) {
        return TekstNaarSingle(Lees(sleutel, QLatin1String(standaard)));
    };
    kader->move(Px(twips(QStringLiteral("Left"), "1000")), Px(twips(QStringLiteral("Top"), "1000")));
    kader->resize(std::max(1, Px(twips(QStringLiteral("Width"), "8500"))),
                  std::max(1, Px(twips(QStringLiteral("Height"), "5000"))));

    m_configuratie.Wijzig([this](Raster& r) {
        for (int k = 0; k < r.AantalKolommen(); ++k) {
            const double b =
                TekstNaarLong(Lees(QStringLiteral("Configuration Colwidth ") + QString::number(k),
                                   QString::number(static_cast<int>(r.KolomBreedte(k)))));
            r.ZetKolomBreedte(k, b < 0 ? 1250 : b);
        }
        VerbreedKolommen(r, FlexGridConfiguratie);
    });
    m_glp.Wijzig([this](Raster& r) {
        for (int k = 0; k < r.AantalKolommen(); ++k)
            r.ZetKolomBreedte(k, GLPKolomBreedte(k));
        VerbreedKolommen(r, FlexGridGLP);
    });
    Form_Resize();
    SSTab->setCurrentIndex(ToonGLP ? 1 : 0);
    ToonTab(SSTab->currentIndex());
    PasInGebied();
    CheckAllChannels->setChecked(RapportAlleKanalen);
    VensterLaden = false;
}

void FormGLP::Heropen() {
    if (Rnr >= 1) {
        KiesIngang(Rnr, Mnr, Knr);
    } else {
        // No input given: the lists keep theirs.
        Rnr = NummerUitLijst(ListRacks->currentText(), Tekst[297]);
        Mnr = NummerUitLijst(ListModules->currentText(), Tekst[296]);
        Knr = static_cast<int16_t>(ListInputs->currentIndex() + 1);
    }
    SSTab->setCurrentIndex(ToonGLP ? 1 : 0);
}

void FormGLP::VulConfiguratieTabel() {
    Configuratietabel t = ::VulConfiguratieTabel();
    m_sortering = Sorteertoestand{};
    if (!ToonGLP && Rnr == 0) {
        Rnr = t.eersteIngang.Rnr;
        Mnr = t.eersteIngang.Mnr;
        Knr = t.eersteIngang.Knr;
    }
    m_configuratie.ZetRaster(std::move(t.raster));
    if (m_configuratie.rowCount() > 0) FlexGridConfiguratie->setCurrentIndex(m_configuratie.index(0, 0));
}

void FormGLP::VulRacks() {
    int kies = -1;
    {
        const QSignalBlocker stil(ListRacks);
        ListRacks->clear();
        for (int r = 1; r <= AantalRacks; ++r) {
            if (!Racks[r].Present) continue;
            ListRacks->addItem(Tekst[297] + QString::number(r) + QStringLiteral(": ") +
                               Racks[r].Name.getrimd());
            if (r == Rnr) kies = ListRacks->count() - 1;
        }
        ListRacks->setCurrentIndex(-1);
    }
    WisModules();
    if (kies >= 0) ListRacks->setCurrentIndex(kies);
}

void FormGLP::WisModules() {
    {
        const QSignalBlocker stil(ListModules);
        ListModules->clear();
    }
    WisIngangen();
}

void FormGLP::WisIngangen() {
    {
        const QSignalBlocker stil(ListInputs);
        ListInputs->clear();
    }
    m_glp.ZetRaster(Raster(0, 0));
}

void FormGLP::ListRacks_Click() {
    if (!VensterLaden) Rnr = NummerUitLijst(ListRacks->currentText(), Tekst[297]);
    // A rack without the module chosen before shows no inputs and no report.
    WisModules();
    if (Rnr < 1 || Rnr > AantalRacks) return;
    int kies = -1;
    {
        const QSignalBlocker stil(ListModules);
        for (int m = 1; m <= AantalModules; ++m) {
            const ModuleRecord& module = Racks[Rnr].Modules[m];
            if (!module.Present) continue;
            ListModules->addItem(Tekst[296] + QString::number(m) + QStringLiteral(": (") +
                                 module.Name.trimmed() + QLatin1Char(')'));
            if (m == Mnr) kies = ListModules->count() - 1;
        }
        ListModules->setCurrentIndex(-1);
    }
    if (kies >= 0) ListModules->setCurrentIndex(kies);
}

void FormGLP::ListModules_Click() {
    if (!VensterLaden) Mnr = NummerUitLijst(ListModules->currentText(), Tekst[296]);
    WisIngangen();
    if (Mnr < 1 || Mnr > AantalModules || Rnr < 1 || Rnr > AantalRacks) return;
    const ModuleRecord& module = Racks[Rnr].Modules[Mnr];
    {
        const QSignalBlocker stil(ListInputs);
        for (int c = 1; c <= AantalIngangen; ++c)
            ListInputs->addItem(Tekst[295] + QString::number(c) + QStringLiteral(": (") +
                                module.Meting[c].Unit.getrimd() + QStringLiteral(", ") +
                                module.Meting[c].Name.getrimd() + QLatin1Char(')'));
        for (int c = 1; c <= AantalIngangen; ++c)
            ListInputs->addItem(Tekst[337] + QString::number(c) + QStringLiteral(": (") +
                                module.Temperatuur[c].Unit.getrimd() + QStringLiteral(", ") +
                                module.Meting[c].Name.getrimd() + QLatin1Char(')'));
        ListInputs->setCurrentIndex(-1);
    }
    if (Knr >= 1 && Knr <= AantalGLPKanalen) ListInputs->setCurrentIndex(Knr - 1);
}

void FormGLP::ListInputs_Click() {
    VerdeelLijsten({ListRacks, ListModules, ListInputs});
    // A longer choice may widen the window.
    Form_Resize();
    if (!VensterLaden) {
        Rnr = NummerUitLijst(ListRacks->currentText(), Tekst[297]);
        Mnr = NummerUitLijst(ListModules->currentText(), Tekst[296]);
        Knr = static_cast<int16_t>(ListInputs->currentIndex() + 1);
    }
    StelGLPTabelIn();
}

void FormGLP::KiesIngang(int16_t r, int16_t m, int16_t k) {
    Rnr = r;
    Mnr = m;
    Knr = k;
    const bool laden = VensterLaden;
    // The handlers take the numbers given, not those of the entries they replace.
    VensterLaden = true;
    VulRacks();
    VensterLaden = laden;
}

void FormGLP::StelGLPTabelIn() {
    Raster r = ::StelGLPTabelIn(Rnr, Mnr, Knr);
    VerbreedKolommen(r, FlexGridGLP);
    m_glp.ZetRaster(std::move(r));
}

void FormGLP::FlexGridConfiguratie_Click(int kolom) {
    m_configuratie.Wijzig([&](Raster& r) { KlikKolomKop(r, m_sortering, kolom); });
    FlexGridConfiguratie->setCurrentIndex(m_configuratie.index(0, kolom));
}

void FormGLP::ToonTab(int tab) {
    // "All" belongs to the GLP report; its value stays while it is away.
    CheckAllChannels->setVisible(tab == 1);
}

void FormGLP::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void FormGLP::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    // Unloaded: the next opening loads a new window.
    if (venster == this) venster = nullptr;
    // It goes with the next pass of the event loop: not back into the area when the dialog closes first.
    if (m_dialoog) m_dialoog->removeEventFilter(this);
    if (m_hoofdvenster) m_hoofdvenster->removeEventFilter(this);
    m_dialoog = nullptr;
    m_hoofdvenster = nullptr;
}

void FormGLP::Form_Resize() {
    QWidget* kader = Kader();
    if (kader->isMinimized()) return;
    // The width the three lists need, with what lies around the strip: the frame, the tab control's
    // edge and frame and the grid's margins.
    const QWidget* pagina = SSTab->widget(1);
    const int tabRand = pagina && pagina->width() > 0 && SSTab->width() > pagina->width()
                            ? SSTab->width() - pagina->width()
                            : 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    int lijstenBreedte = m_strook->minimumSizeHint().width() + 2 * Px(RasterRand) + tabRand +
                         (kader->width() - width()) + Px(100);
    // Never wider than the area: the lists then share what there is, the buttons stay in view.
    if (const QRect gebied = Gebied(); !gebied.isEmpty())
        lijstenBreedte = std::min(lijstenBreedte, gebied.width());
    const GLPIndeling i = BerekenGLPIndeling(PixelsNaarTwips(kader->width()),
                                             PixelsNaarTwips(kader->height()), PixelsNaarTwips(width()),
                                             PixelsNaarTwips(height()), PixelsNaarTwips(lijstenBreedte));
    if (i.aangepast) {
        // The new size comes back here with its own resize.
        kader->resize(Px(i.vensterBreedte), Px(i.vensterHoogte));
    }
    SSTab->setGeometry(Px(TabRand), Px(TabRand), std::max(1, Px(i.tabBreedte)), std::max(1, Px(i.tabHoogte)));
    const int boven = Px(i.knoppenBoven);
    // The design places; a longer caption widens its button, OK and Help from their right edges, the
    // others to the right with the design gaps.
    const int ok = KnopBreedteVan(OKButton), help = KnopBreedteVan(CommandHelp);
    const int okRechts = Px(i.okLinks + KnopBreedte);
    OKButton->setGeometry(okRechts - ok, boven, ok, Px(KnopHoogte));
    CommandHelp->setGeometry(okRechts - ok - Px(i.okLinks - i.helpLinks - KnopBreedte) - help, boven, help,
                             Px(KnopHoogte));
    int links = Px(PrintLinks);
    CommandPrint->setGeometry(links, boven, KnopBreedteVan(CommandPrint), Px(KnopHoogte));
    links += KnopBreedteVan(CommandPrint) + Px(NaarBestandLinks - PrintLinks - KnopBreedte);
    CommandToFile->setGeometry(links, boven, KnopBreedteVan(CommandToFile), Px(KnopHoogte));
    links += KnopBreedteVan(CommandToFile) + Px(AlleLinks - NaarBestandLinks - KnopBreedte);
    CheckAllChannels->adjustSize();
    CheckAllChannels->move(links, Px(i.vinkBoven));
}

void FormGLP::OKButton_Click() {
    const QRect plaats = Plaats();
    const auto bewaar = [](const QString& sleutel, double twips) {
        BewaarInstelling(AppNaam, Report, sleutel, SingleAlsTekst(static_cast<float>(twips)));
    };
    bewaar(QStringLiteral("Top"), PixelsNaarTwips(plaats.y()));
    bewaar(QStringLiteral("Left"), PixelsNaarTwips(plaats.x()));
    bewaar(QStringLiteral("Width"), PixelsNaarTwips(plaats.width()));
    bewaar(QStringLiteral("Height"), PixelsNaarTwips(plaats.height()));
    const auto breedtes = [](const Raster& r, const QString& sleutel) {
        for (int k = 0; k < r.AantalKolommen(); ++k)
            BewaarInstelling(AppNaam, Report, sleutel + QString::number(k),
                             QString::number(static_cast<int>(r.KolomBreedte(k))));
    };
    breedtes(Configuratie(), QStringLiteral("Configuration Colwidth "));
    breedtes(GLP(), QStringLiteral("GLP Colwidth "));
    Kader()->close();
}

void FormGLP::CommandHelp_Click() {
    ToonHelp(SSTab->currentIndex() != 0 ? HelpGLPRapport : HelpSysteemoverzicht);
}

void FormGLP::CommandPrint_Click() {
    Tag = SSTab->currentIndex() == 0 ? QStringLiteral("SYSreport") : QStringLiteral("GLPreport");
    Registreer();
    ToonAfdrukDialoogRapport();
}

void FormGLP::CommandToFile_Click() {
    RapportAlleKanalen = CheckAllChannels->isChecked();
    Rapportexport opdracht;
    opdracht.glp = SSTab->currentIndex() != 0;
    Tag = opdracht.glp ? QStringLiteral("GLPreport") : QStringLiteral("SYSreport");
    opdracht.alle = RapportAlleKanalen;
    opdracht.venster = AfdrukVensterVan(this);
    opdracht.raster = opdracht.glp ? GLP() : Configuratie();
    ExporteerRapport(opdracht);
}

void FormGLP::PrintRapport(Printer& p, bool alles) {
    PrintRapportvenster(p, AfdrukVensterVan(this), Configuratie(), GLP(), alles);
}

void ToonRapport(int16_t r, int16_t m, int16_t k, bool glp, QWidget* dialoog) {
    Registreer();
    const bool open = venster;
    if (!open) {
        auto nieuw = std::make_unique<FormGLP>();
        nieuw->setAttribute(Qt::WA_DeleteOnClose);
        venster = nieuw.get();
        NeemKindvensterOp(std::move(nieuw));
    }
    venster->Rnr = r;
    venster->Mnr = m;
    venster->Knr = k;
    venster->ToonGLP = glp;
    if (open)
        venster->Heropen();
    else
        venster->Laad();
    if (dialoog) venster->HoortBij(dialoog);
    if (venster->Dialoog()) {
        venster->show();
        venster->raise();
        venster->activateWindow();
        return;
    }
    ToonKindvenster(venster);
    if (open) Kindvensterkader(venster)->raise();
}

FormGLP* RapportVenster() {
    return venster.data();
}

void ResetFormGLP() {
    if (venster) {
        QWidget* kader = Kindvensterkader(venster);
        delete kader;
    }
    venster = nullptr;
    RapportAlleKanalen = false;
}
