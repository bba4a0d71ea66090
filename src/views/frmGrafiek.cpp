#include "views/frmGrafiek.h"

#include "acquisition/Programmastatus.h"
#include "files/Grafiekconfiguratie.h"
#include "reports/formPrint.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "views/Diagram.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiekInstellen.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

frmGrafiek::frmGrafiek(QWidget* parent) : QWidget(parent) {
    m_diagram = new Diagram(m_model, this);
    m_scrollbalk = new QScrollBar(Qt::Horizontal, this);
    m_scrollbalk->setObjectName(QStringLiteral("HorScrollBar"));
    m_diagram->setObjectName(QStringLiteral("Diagram"));
    // The window's frame may be made smaller than the chart needs; the chart then leaves out what does
    // not fit.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    resize(sizeHint());

    m_model.BijWijziging = [this] {
        m_diagram->update();
        ZetScrollBar();
    };
    // A full recorder strip prints the graph at once when its settings ask for it.
    m_model.AfdrukkenRecorder = [this] { PrintVensterAutomatisch(this); };
    connect(m_scrollbalk, &QScrollBar::valueChanged, this,
            [this](int positie) { m_model.ScrollBarGewijzigd(positie); });
    connect(m_diagram, &Diagram::puntGekozen, this,
            [this](int reeks, int punt) { m_model.KiesPunt(reeks, punt); });
    connect(m_diagram, &Diagram::dubbelKlik, this, [this] { InstellingenWijzigen(); });
    connect(m_diagram, &Diagram::muisKnop, this, [this](Qt::MouseButton knop, QPoint globaal) {
        // The window comes to the front as the active one, so the menu's commands act on it.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(kader()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        else if (QWidget* k = kader())
            k->raise();
        if (knop == Qt::RightButton && !grafiekvensterOmgeving().ToonGrafiekMenu(globaal)) ToonMenu(globaal);
    });
}

frmGrafiek::~frmGrafiek() {
    m_model.BijWijziging = nullptr;
    m_model.AfdrukkenRecorder = nullptr;
    const int g = m_model.GrafiekIndex;
    if (g >= 1 && GrafiekVenster(g) == this) ZetGrafiekVenster(g, nullptr);
}

QWidget* frmGrafiek::kader() const {
    return Kindvensterkader(const_cast<frmGrafiek*>(this));
}

bool frmGrafiek::Laad() {
    m_geladen = false;
    m_model.LaadStandaard();
    const int16_t g = m_model.GrafiekIndex;
    if (m_model.Instellingen.XYrecorder)
        ZetCaption(VervangAmpersand(Tekst[344], QString()) + QLatin1Char(' ') + QString::number(g));
    else
        ZetCaption(Tekst[121] + QLatin1Char(' ') + QString::number(g));
    setObjectName(QStringLiteral("grafiek") + QString::number(g));
    m_model.StelNieuweGrafiekIn();
    m_model.UitschakelenMarkers();
    if (m_model.NieuweGrafiek) {
        // A new graph asks for its settings, opened on its curves, and waits for the answer.
        QPointer<frmGrafiek> zelf(this);
        HuidigeGrafiek = g;
        const bool aanvaard = ToonGrafiekInstellingen(PaginaCurven);
        // Dropped, or the window went meanwhile: it stays with its default settings and no file.
        if (!zelf || m_ontladen || !aanvaard) return false;
        HerInitialiseerGrafiek();
        if (!m_model.Instellingen.XYrecorder) HerladenGrafiek();
        SchrijfGrafiekInstellingen(g, *this);
    } else {
        LeesGrafiekInstellingen(g, *this, false);
    }
    LadenGrafiek();
    Indelen();
    m_geladen = true;
    return true;
}

void frmGrafiek::InstellingenWijzigen() {
    const int16_t g = m_model.GrafiekIndex;
    if (g < 1 || m_ontladen) return;
    QPointer<frmGrafiek> zelf(this);
    HuidigeGrafiek = g;
    if (ToonGrafiekInstellingen() && zelf && !m_ontladen) HerInitialiseerGrafiek();
}

void frmGrafiek::HerInitialiseerGrafiek() {
    m_model.HerInitialiseerGrafiek();
    Indelen();
}

void frmGrafiek::VulGrafiekAan(int32_t monster) {
    m_model.VulGrafiekAan(monster);
}

void frmGrafiek::LadenGrafiek() {
    m_model.LadenGrafiek();
}

void frmGrafiek::HerladenGrafiek() {
    m_model.HerladenGrafiek();
}

void frmGrafiek::ReInitGrafiekData() {
    m_model.ReInitGrafiekData();
    Indelen();
}

void frmGrafiek::WisGrafiekGegevens() {
    m_model.WisGrafiekGegevens();
}

void frmGrafiek::CopyGrafiek() {
    QClipboard* klembord = QGuiApplication::clipboard();
    klembord->clear();
    klembord->setImage(m_diagram->Afbeelding());
}

int16_t frmGrafiek::LeesGrafiekLijnRef(int lijn, int index) const {
    return m_model.LeesGrafiekLijnRef(lijn, index);
}

void frmGrafiek::SchrijfGrafiekLijnRef(int lijn, int index, int16_t waarde) {
    m_model.SchrijfGrafiekLijnRef(lijn, index, waarde);
}

VensterPlaatsing frmGrafiek::Plaatsing() const {
    const QWidget* k = kader();
    const QRect r = k->isMinimized() || k->isMaximized() ? k->normalGeometry() : k->geometry();
    const QRect g = r.isValid() ? r : k->geometry();
    const auto twips = [](int pixels) { return static_cast<float>(PixelsNaarTwips(pixels)); };
    return VensterPlaatsing{twips(g.y()), twips(g.x()), twips(g.height()), twips(g.width())};
}

void frmGrafiek::ZetPlaatsing(const VensterPlaatsing& p) {
    if (!(p.Width > 0) || !(p.Height > 0)) return;
    const auto px = [](float twips) { return TwipsNaarPixels(twips); };
    kader()->setGeometry(std::max(0, px(p.Left)), std::max(0, px(p.Top)), std::max(px(p.Width), 120),
                         std::max(px(p.Height), 80));
}

int frmGrafiek::VensterStatus() const {
    const QWidget* k = kader();
    return k->isMinimized() ? 1 : k->isMaximized() ? 2 : 0;
}

void frmGrafiek::ZetVensterStatus(int status) {
    ZetKindvensterStatus(kader(), status);
}

void frmGrafiek::ZetTekenen(bool aan) {
    m_diagram->setUpdatesEnabled(aan);
    if (aan) m_diagram->update();
}

void frmGrafiek::ZetScrollBar() {
    const QSignalBlocker stil(m_scrollbalk);
    m_scrollbalk->setRange(1, std::max(1, m_model.ScrollMaximum));
    m_scrollbalk->setSingleStep(1);
    m_scrollbalk->setPageStep(1);
    m_scrollbalk->setValue(m_model.ScrollPositie);
    m_scrollbalk->setVisible(m_model.ScrollZichtbaar && !m_model.Instellingen.XYrecorder);
}

QSize frmGrafiek::minimumSizeHint() const {
    const QSizeF diagram = KleinsteDiagramMaat(BeeldVan(m_model), QFontMetricsF(m_diagram->font()));
    const int band =
        m_model.Instellingen.XYrecorder ? 0 : static_cast<int>(std::ceil(ScrollbalkTwips * PixelsPerTwip));
    return QSize(static_cast<int>(std::ceil(diagram.width())),
                 static_cast<int>(std::ceil(diagram.height())) + band);
}

QSize frmGrafiek::sizeHint() const {
    return minimumSizeHint().expandedTo(QSize(600, 400));
}

void frmGrafiek::Indelen() {
    const GrafiekvensterIndeling i = BerekenVensterIndeling(QSizeF(size()), m_model.Instellingen.XYrecorder);
    if (!i.geldig) return;
    m_diagram->setGeometry(i.diagram.toRect());
    if (i.scrollbalkZichtbaar) m_scrollbalk->setGeometry(i.scrollbalk.toRect());
    m_model.ScrollZichtbaar = i.scrollbalkZichtbaar;
    ZetScrollBar();
}

void frmGrafiek::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ConfiguratieGewijzigd = true;
    if (kader()->isMinimized()) return;
    Indelen();
}

void frmGrafiek::ToonMenu(QPoint globaal) {
    QMenu menu(this);
    QAction* instellingen = menu.addAction(VervangAmpersand(Tekst[157], QStringLiteral("&")));
    connect(instellingen, &QAction::triggered, this, [this] { InstellingenWijzigen(); });
    QAction* afdrukken = menu.addAction(Tekst[106]);
    connect(afdrukken, &QAction::triggered, this, [this] { PrintVensterDirect(this); });
    menu.addSeparator();
    QAction* kopieer = menu.addAction(Tekst[110]);
    connect(kopieer, &QAction::triggered, this, [this] { CopyGrafiek(); });
    VoerMenuUit(menu, globaal);
}

void frmGrafiek::Ontlaad() {
    m_zonderVraag = true;
    kader()->close();
}

void frmGrafiek::closeEvent(QCloseEvent* event) {
    if (!m_zonderVraag && !m_ontladen) {
        const int knop = ToonMelding(Tekst[345], vbQuestion | vbYesNoCancel, Caption());
        if (knop == vbNo) {
            event->ignore();
            kader()->showMinimized();
            return;
        }
        if (knop != vbYes) {
            event->ignore();
            return;
        }
    }
    Unload();
    event->accept();
}

void frmGrafiek::Unload() {
    if (m_ontladen) return;
    m_ontladen = true;
    const int g = m_model.GrafiekIndex;
    SluitGrafiekInstellingen(g);
    grafiekvensterOmgeving().GrafiekGesloten(g);
    if (g >= 1 && GrafiekVenster(g) == this) ZetGrafiekVenster(g, nullptr);
    m_model.GrafiekIndex = 0;
    ConfiguratieGewijzigd = true;
}
