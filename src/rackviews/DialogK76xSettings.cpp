#include "rackviews/DialogK76xSettings.h"

#include "acquisition/Commandos.h"
#include "acquisition/ECBereik.h"
#include "acquisition/EEprom.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Systeemboom.h"
#include "files/Eenheidcontrole.h"
#include "files/Logboek.h"
#include "files/RackConfiguratie.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/FormOptionsEC.h"
#include "rackviews/FormOptionsOx.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"
#include "shared/ui/Dialooghouder.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Vensterfuncties.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int TekstKnopOK = 140, TekstKnopAnnuleren = 141, TekstHelp = 227, TekstKalibreren = 287,
              TekstIngang = 295, TekstGeenAntwoord = 129, TekstSaliniteitTeHoog = 330, TekstBijwerken = 361,
              TekstOpties = 385, TekstGLP = 386, TekstRackNaam = 387, TekstModuleNaam = 388,
              TekstCapaciteit = 464, TekstMeten = 457;
const QString Sectie = QStringLiteral("DialogSettings");
constexpr int WachtNaAfsluiten = 2500; // ms

// The dialog, kept after unload so that its outcome can still be read.
Dialooghouder<DialogK76xSettings> houder;

ModuleInstellingenActies* geregistreerd = nullptr;

ModuleInstellingenActies& acties() {
    return moduleInstellingenActies();
}

// The program's main window (the one main window among the top-level windows), or nullptr.
QWidget* hoofdvenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w)) return w;
    return nullptr;
}

void zetHoofdvensterIngeschakeld(bool aan) {
    if (QWidget* h = hoofdvenster()) h->setEnabled(aan);
}

// The warning colour or the normal text colour; a greyed control keeps the style's grey.
void zetKleur(QWidget* w, bool rood) {
    const QColor kleur =
        rood ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
    QPalette p = w->palette();
    if (p.color(QPalette::Active, QPalette::WindowText) == kleur && w->testAttribute(Qt::WA_SetPalette))
        return;
    p.setColor(QPalette::Active, QPalette::WindowText, kleur);
    p.setColor(QPalette::Inactive, QPalette::WindowText, kleur);
    w->setPalette(p);
}

void pasToe(QLabel* l, const Labelstaat& s) {
    QString tekst = s.tekst;
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (l->text() != tekst) l->setText(tekst);
    l->setVisible(s.zichtbaar);
    l->setEnabled(s.ingeschakeld);
    zetKleur(l, s.rood);
}

void pasToe(QGroupBox* g, const Labelstaat& s) {
    g->setTitle(s.tekst);
    g->setVisible(s.zichtbaar);
    g->setEnabled(s.ingeschakeld);
    zetKleur(g, s.rood);
}

void pasToe(QComboBox* c, const Lijststaat& s) {
    QStringList huidig;
    for (int i = 0; i < c->count(); ++i)
        huidig << c->itemText(i);
    if (huidig != s.items) {
        c->clear();
        c->addItems(s.items);
    }
    c->setCurrentIndex(s.gekozen);
    if (c->isEditable() && c->currentText() != s.tekst) c->setEditText(s.tekst);
    c->setVisible(s.zichtbaar);
    c->setEnabled(s.ingeschakeld);
}

void pasToe(QCheckBox* v, const Vinkstaat& s) {
    v->setText(s.tekst);
    v->setChecked(s.aangevinkt);
    v->setEnabled(s.ingeschakeld);
}

void pasToe(QLineEdit* t, const Labelstaat& s) {
    if (t->text() != s.tekst) t->setText(s.tekst);
    t->setEnabled(s.ingeschakeld);
}

// Hidden controls keep their room, so that a tab does not jump as its parts come and go.
template <class W> W* vast(W* w) {
    QSizePolicy b = w->sizePolicy();
    b.setRetainSizeWhenHidden(true);
    w->setSizePolicy(b);
    return w;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Building the dialog

DialogK76xSettings::DialogK76xSettings() : QDialog(nullptr) {
    setObjectName(QStringLiteral("DialogK76xSettings"));
    auto* hoofd = new QHBoxLayout(this);
    SSTab = new TweeRijenTabs(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    for (int i = 0; i < AantalIngangen; ++i)
        maakIngangTab(i);
    for (int i = 0; i < AantalIngangen; ++i)
        maakTemperatuurTab(i);
    hoofd->addWidget(SSTab, 1);

    auto* knoppen = new QVBoxLayout;
    const auto knop = [this, knoppen](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(QString::fromLatin1(naam));
        k->setAutoDefault(false);
        knoppen->addWidget(k);
        return k;
    };
    OKButton = knop("OKButton");
    OKButton->setDefault(true);
    CancelButton = knop("CancelButton");
    CommandHelp = knop("CommandHelp");
    knoppen->addSpacing(16);
    CommandOpties = knop("CommandOpties");
    CommandCalibrate = knop("CommandCalibrate");
    CommandCapComp = knop("CommandCapComp");
    CommandGLP = knop("CommandGLP");
    knoppen->addSpacing(16);
    CommandRackNaam = knop("CommandRackNaam");
    CommandModuleNaam = knop("CommandModuleNaam");
    knoppen->addStretch();
    hoofd->addLayout(knoppen);

    connect(SSTab, &TweeRijenTabs::currentChanged, this, [this](int tab) { SSTab_Click(tab); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(CommandHelp, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
    connect(CommandOpties, &QPushButton::clicked, this, [this] { CommandOpties_Click(); });
    connect(CommandCalibrate, &QPushButton::clicked, this, [this] { CommandCalibrate_Click(false); });
    connect(CommandCapComp, &QPushButton::clicked, this, [this] { CommandCalibrate_Click(true); });
    connect(CommandGLP, &QPushButton::clicked, this, [this] { CommandGLP_Click(); });
    connect(CommandRackNaam, &QPushButton::clicked, this, [this] { CommandNaam_Click(true); });
    connect(CommandModuleNaam, &QPushButton::clicked, this, [this] { CommandNaam_Click(false); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { CommandHelp_Click(); });
}

DialogK76xSettings::~DialogK76xSettings() {
    if (m_houdtHoofdvenster) HoudHoofdvensterUit(false);
}

void DialogK76xSettings::maakKalibratieKader(int e, QWidget* ouder) {
    auto* kader = vast(new QGroupBox(ouder));
    FrameCalibrationData[e] = kader;
    auto* g = new QGridLayout(kader);
    int rij = 0;
    const auto paar = [&](std::array<QLabel*, 8>& kop, std::array<QLabel*, 8>& waarde) {
        kop[e] = vast(new QLabel(kader));
        waarde[e] = vast(new QLabel(kader));
        g->addWidget(kop[e], rij, 0);
        g->addWidget(waarde[e], rij, 1);
        ++rij;
    };
    paar(LabelGeijktOp, LabelDatum);
    paar(LabelGeijktBij, LabelBuffers);
    paar(LabelOffset, LabelOffsetData);
    paar(LabelSlope, LabelSlopeData);
    paar(LabelExtra, LabelExtraData);
    g->setColumnStretch(1, 1);
}

void DialogK76xSettings::maakIngangTab(int i) {
    auto* pagina = new QWidget;
    auto* g = new QGridLayout(pagina);
    CheckIngesteld[i] = new QCheckBox(pagina);
    g->addWidget(CheckIngesteld[i], 0, 0, 1, 2);
    const auto rij = [&](int r, QLabel*& label, QWidget* veld) {
        label = vast(new QLabel(pagina));
        g->addWidget(label, r, 0);
        g->addWidget(vast(veld), r, 1);
    };
    TextNaam[i] = new QLineEdit(pagina);
    TextNaam[i]->setMaxLength(VasteTekst<30>::lengte);
    rij(1, LabelNaam[i], TextNaam[i]);
    ComboEenheid[i] = new QComboBox(pagina);
    rij(2, LabelEenheid[i], ComboEenheid[i]);
    ComboResolutie[i] = new QComboBox(pagina);
    rij(3, LabelResolutie[i], ComboResolutie[i]);
    ComboExtra[i] = new QComboBox(pagina);
    rij(4, LabelSalinity[i], ComboExtra[i]);
    TextSensor[i] = new QLineEdit(pagina);
    TextSensor[i]->setMaxLength(VasteTekst<20>::lengte);
    rij(5, LabelSensor[i], TextSensor[i]);
    maakKalibratieKader(i, pagina);
    g->addWidget(FrameCalibrationData[i], 6, 0, 1, 2);
    LabelInfo[i] = vast(new QLabel(pagina));
    g->addWidget(LabelInfo[i], 7, 0, 1, 2);
    g->setRowStretch(8, 1);
    g->setColumnStretch(1, 1);
    SSTab->voegToe(pagina, QString());

    connect(CheckIngesteld[i], &QCheckBox::clicked, this, [this, i] { CheckIngesteld_Click(i); });
    connect(ComboEenheid[i], &QComboBox::activated, this, [this, i] { ComboEenheid_Click(i); });
    connect(ComboResolutie[i], &QComboBox::activated, this, [this, i] { ComboResolutie_Click(i); });
    connect(TextNaam[i], &QLineEdit::textEdited, this, [this, i] { TextNaam_Change(i); });
    connect(TextSensor[i], &QLineEdit::textEdited, this, [this, i] { TextSensor_Change(i); });
}

void DialogK76xSettings::maakTemperatuurTab(int i) {
    const int e = i + 4;
    auto* pagina = new QWidget;
    auto* g = new QGridLayout(pagina);
    LabelEenheid[e] = vast(new QLabel(pagina));
    ComboEenheid[e] = vast(new QComboBox(pagina));
    g->addWidget(LabelEenheid[e], 0, 0);
    g->addWidget(ComboEenheid[e], 0, 1);
    LabelResolutie[e] = vast(new QLabel(pagina));
    ComboResolutie[e] = vast(new QComboBox(pagina));
    g->addWidget(LabelResolutie[e], 1, 0);
    g->addWidget(ComboResolutie[e], 1, 1);
    CheckSharedMeasurement[i] = new QCheckBox(pagina);
    CheckUseSharedMeasurement[i] = new QCheckBox(pagina);
    CheckManualFollowMeasurement[i] = new QCheckBox(pagina);
    g->addWidget(CheckSharedMeasurement[i], 2, 0, 1, 2);
    g->addWidget(CheckUseSharedMeasurement[i], 3, 0, 1, 2);
    g->addWidget(CheckManualFollowMeasurement[i], 4, 0, 1, 2);
    maakKalibratieKader(e, pagina);
    g->addWidget(FrameCalibrationData[e], 5, 0, 1, 2);
    LabelInfo[e] = vast(new QLabel(pagina));
    g->addWidget(LabelInfo[e], 6, 0, 1, 2);
    g->setRowStretch(7, 1);
    g->setColumnStretch(1, 1);
    SSTab->voegToe(pagina, QStringLiteral("°C %1").arg(i + 1));

    connect(ComboEenheid[e], &QComboBox::activated, this, [this, e] { ComboEenheid_Click(e); });
    connect(ComboResolutie[e], &QComboBox::activated, this, [this, e] { ComboResolutie_Click(e); });
    connect(CheckSharedMeasurement[i], &QCheckBox::clicked, this,
            [this, i] { CheckSharedMeasurement_Click(i); });
    connect(CheckUseSharedMeasurement[i], &QCheckBox::clicked, this,
            [this, i] { CheckUseSharedMeasurement_Click(i); });
    connect(CheckManualFollowMeasurement[i], &QCheckBox::clicked, this,
            [this, i] { CheckManualFollowMeasurement_Click(i); });
}

QString DialogK76xSettings::type() const {
    return Racks[Ri].Modules[Mi].Type.getrimd();
}

// ---------------------------------------------------------------------------------------------------
// Load and unload

void DialogK76xSettings::Laad() {
    if (m_geladen || Ri < 1 || Ri > AantalRacks || Mi < 1 || Mi > AantalModules || Ki < 1 || Ki > 8) return;
    InstellingenOpen = true;
    m_gekalibreerd = {};
    m_rackNaam = Racks[Ri].Name.getrimd();
    OKButton->setText(Tekst[TekstKnopOK]);
    CancelButton->setText(Tekst[TekstKnopAnnuleren]);
    CommandHelp->setText(Tekst[TekstHelp]);
    CommandOpties->setText(Tekst[TekstOpties]);
    CommandCalibrate->setText(Tekst[TekstKalibreren]);
    CommandGLP->setText(Tekst[TekstGLP]);
    CommandCapComp->setText(Tekst[TekstCapaciteit]);
    CommandRackNaam->setText(Tekst[TekstRackNaam]);
    CommandModuleNaam->setText(Tekst[TekstModuleNaam]);
    for (int i = 0; i < AantalIngangen; ++i)
        SSTab->setTabText(i, Tekst[TekstIngang] + QLatin1Char(' ') + QString::number(i + 1));

    // Polling stops while the dialog talks to the module; unload lets go of it. It stops as the
    // Measure command stops it, with its line in the event log; the Measure entry keeps its tick.
    m_meten.emplace(MetenActief);
    SchrijfLogboekRegel(0, 0, Tekst[TekstMeten] + QStringLiteral(" False"));

    m_instellingen = Racks[Ri].Modules[Mi];
    for (int c = 1; c <= AantalIngangen; ++c) {
        m_instellingen.Meting[c].Unit = m_instellingen.Meting[c].Unit.getrimd();
        m_instellingen.Temperatuur[c].Unit = m_instellingen.Temperatuur[c].Unit.getrimd();
    }
    HoudEenGedeeldeIngang(m_instellingen);
    // The salinity of a K761 oxygen input is typed; the type of cell of a K762 only shown.
    const bool saliniteit = ModelVan(Ri, Mi).type == Modeltype::K761;
    for (int i = 0; i < AantalIngangen; ++i) {
        ComboExtra[i]->setEditable(saliniteit);
        if (!saliniteit) continue;
        ComboExtra[i]->setInsertPolicy(QComboBox::NoInsert);
        connect(ComboExtra[i]->lineEdit(), &QLineEdit::textEdited, this, [this, i] { ComboExtra_Change(i); });
        ComboExtra[i]->lineEdit()->installEventFilter(this);
    }
    ToonAlleIngangen();

    // Placement: the stored position, centred when there is none or it lies off the screen.
    adjustSize();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect scherm = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize maat = frameGeometry().size();
    const int midTop = scherm.top() + (scherm.height() - maat.height()) / 2;
    const int midLinks = scherm.left() + (scherm.width() - maat.width()) / 2;
    int top = TwipsNaarPixels(TekstNaarSingle(
        LeesInstelling(AppNaam, Sectie, QStringLiteral("Top"), static_cast<float>(PixelsNaarTwips(midTop)))));
    int links = TwipsNaarPixels(TekstNaarSingle(LeesInstelling(
        AppNaam, Sectie, QStringLiteral("Left"), static_cast<float>(PixelsNaarTwips(midLinks)))));
    if (top < scherm.top() || top > scherm.bottom() - maat.height()) top = midTop;
    if (links < scherm.left() || links > scherm.right() - maat.width()) links = midLinks;
    move(links, top);

    AanpassenRackIndicatoren(Ri, Mi, true, true);
    const int tab = Ki - 1;
    if (Ki > AantalIngangen) Ki = static_cast<int16_t>(Ki - AantalIngangen);
    SSTab->setCurrentIndex(tab);
    m_geladen = true;
    m_uitslag = Uitslag::Open;
    // A window of the main window: the window manager keeps it above the main window, also when the
    // (disabled) main window is clicked. Only the window is tied to it: a child widget would be
    // disabled along with the main window.
    if (QWidget* hoofd = hoofdvenster(); hoofd && hoofd->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(hoofd->windowHandle());
    }
    show();
    raise();
    activateWindow();
    LaadVensterTitel();
    InstellenKnoppenOpties();
    InstellenKnoppen();
    zetHoofdvensterIngeschakeld(false);
    if (!m_houdtHoofdvenster) {
        m_houdtHoofdvenster = true;
        HoudHoofdvensterUit(true);
    }
}

void DialogK76xSettings::LaadVensterTitel() {
    RackRecord& rack = Racks[Ri];
    rack.Name = rack.Name.getrimd();
    setWindowTitle(TrimSpaties(m_rackNaam) + QStringLiteral(" - ") + TrimSpaties(m_instellingen.Name));
    if (RackVlaggen[Ri].Show)
        if (RackvensterInterface* w = MaakRackVenster(Ri)) w->LaadVensterTitel();
    if (RackVlaggen[Ri].Table) rackvensterActies().LaadTabelTitel(Ri);
}

void DialogK76xSettings::Unload() {
    if (!m_geladen) return;
    m_geladen = false;
    InstellingenOpen = false;
    const QPoint hoek = frameGeometry().topLeft();
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Top"), static_cast<float>(PixelsNaarTwips(hoek.y())));
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Left"), static_cast<float>(PixelsNaarTwips(hoek.x())));
    AanpassenRackIndicatoren(Ri, Mi, false, false);
    if (RackVlaggen[Ri].Show)
        if (RackvensterInterface* w = RackVenster(Ri)) w->WissenVensterMetingen();
    if (m_houdtHoofdvenster) {
        m_houdtHoofdvenster = false;
        HoudHoofdvensterUit(false);
    }
    zetHoofdvensterIngeschakeld(true);
    m_meten.reset();
    hide();
}

void DialogK76xSettings::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !m_geladen || !isActiveWindow()) return;
    const QScreen* s = screen();
    const QRect scherm = s ? s->geometry() : QRect(0, 0, 1024, 768);
    QPoint p = pos();
    if (p.y() < scherm.top() || p.y() >= scherm.bottom()) p.setY(scherm.top());
    if (p.x() < scherm.left() || p.x() >= scherm.right()) p.setX(scherm.left());
    if (p != pos()) move(p);
    LaadVensterTitel();
}

void DialogK76xSettings::reject() {
    close();
}

void DialogK76xSettings::closeEvent(QCloseEvent* e) {
    // The title bar closes the dialog as Cancel does; not while OK or Cancel is at work.
    if (m_bezig) {
        e->ignore();
        return;
    }
    if (m_geladen) CancelButton_Click();
    e->accept();
}

int DialogK76xSettings::melding(const QString& tekst, int stijl, const QString& titel, bool standaard) {
    const int antwoord =
        standaard ? ToonStandaardMelding(tekst, stijl, titel) : ToonMelding(tekst, stijl, titel);
    // Every message box enables the main window again; while this dialog is open it stays disabled.
    if (m_geladen) zetHoofdvensterIngeschakeld(false);
    return antwoord;
}

// ---------------------------------------------------------------------------------------------------
// Showing the settings

void DialogK76xSettings::ToonInstellingenIngang(int tab) {
    const Instellingenbeeld beeld = MaakInstellingenbeeld(Ri, Mi, m_instellingen);
    pasToe(BerekenIngangweergave(beeld.module, beeld.hand, tab), tab);
}

void DialogK76xSettings::ToonAlleIngangen() {
    const Instellingenbeeld beeld = MaakInstellingenbeeld(Ri, Mi, m_instellingen);
    for (int tab = 0; tab < AantalIngangen; ++tab)
        pasToe(BerekenIngangweergave(beeld.module, beeld.hand, tab), tab);
}

void DialogK76xSettings::pasToe(const Ingangweergave& w, int tab) {
    const auto element = [this](const Elementweergave& s, int e) {
        ::pasToe(LabelEenheid[e], s.LabelEenheid);
        ::pasToe(LabelResolutie[e], s.LabelResolutie);
        ::pasToe(ComboEenheid[e], s.ComboEenheid);
        ::pasToe(ComboResolutie[e], s.ComboResolutie);
        ::pasToe(FrameCalibrationData[e], s.FrameCalibrationData);
        ::pasToe(LabelGeijktOp[e], s.LabelGeijktOp);
        ::pasToe(LabelDatum[e], s.LabelDatum);
        ::pasToe(LabelGeijktBij[e], s.LabelGeijktBij);
        ::pasToe(LabelBuffers[e], s.LabelBuffers);
        ::pasToe(LabelOffset[e], s.LabelOffset);
        ::pasToe(LabelOffsetData[e], s.LabelOffsetData);
        ::pasToe(LabelSlope[e], s.LabelSlope);
        ::pasToe(LabelSlopeData[e], s.LabelSlopeData);
        ::pasToe(LabelExtra[e], s.LabelExtra);
        ::pasToe(LabelExtraData[e], s.LabelExtraData);
        ::pasToe(LabelInfo[e], s.LabelInfo);
    };
    ::pasToe(CheckIngesteld[tab], w.CheckIngesteld);
    ::pasToe(LabelNaam[tab], w.LabelNaam);
    ::pasToe(TextNaam[tab], w.TextNaam);
    ::pasToe(LabelSensor[tab], w.LabelSensor);
    ::pasToe(TextSensor[tab], w.TextSensor);
    ::pasToe(LabelSalinity[tab], w.LabelSalinity);
    ::pasToe(ComboExtra[tab], w.ComboExtra);
    element(w.meting, tab);
    element(w.temperatuur, tab + AantalIngangen);
    ::pasToe(CheckSharedMeasurement[tab], w.CheckSharedMeasurement);
    ::pasToe(CheckUseSharedMeasurement[tab], w.CheckUseSharedMeasurement);
    ::pasToe(CheckManualFollowMeasurement[tab], w.CheckManualFollowMeasurement);
}

void DialogK76xSettings::InstellenKnoppen() {
    const bool temperatuurTab = SSTab->currentIndex() >= AantalIngangen;
    const ModuleRecord module = MaakInstellingenbeeld(Ri, Mi, m_instellingen, false).module;
    const bool kalibreren = KalibratieKnopAan(Ri, module, Ki, temperatuurTab);
    const bool glp = KalibratieKnopAan(Ri, module, Ki, false);
    CommandCalibrate->setEnabled(kalibreren);
    CommandGLP->setEnabled(glp);
    // The calibrations and the GLP report open in windows of their own; without them the buttons go.
    // Calibrate stays for a unit that has no calibration: there it starts nothing.
    CommandCalibrate->setVisible(acties().KanKalibreren(Kalibratiesoort::EenPunt) ||
                                 acties().KanKalibreren(Kalibratiesoort::PH) ||
                                 acties().KanKalibreren(Kalibratiesoort::Geleidbaarheid) ||
                                 acties().KanKalibreren(Kalibratiesoort::Ion));
    CommandGLP->setVisible(acties().HeeftGLP());
}

void DialogK76xSettings::InstellenKnoppenOpties() {
    const QString tekst = ComboEenheid[SSTab->currentIndex()]->currentText().trimmed();
    CommandOpties->setVisible(OptiesVoorEenheid(type(), tekst));
    CommandCapComp->setVisible(acties().KanKalibreren(Kalibratiesoort::EenPunt) &&
                               CapaciteitscompensatieVoorEenheid(type(), tekst));
}

// ---------------------------------------------------------------------------------------------------
// Controls. Each handler works on the input of its own control and on the user's choice only.

void DialogK76xSettings::SSTab_Click(int tab) {
    if (!m_geladen) return;
    Ki = static_cast<int16_t>(tab >= AantalIngangen ? tab - AantalIngangen + 1 : tab + 1);
    InstellenKnoppenOpties();
    InstellenKnoppen();
}

void DialogK76xSettings::CheckIngesteld_Click(int i) {
    const bool aan = CheckIngesteld[i]->isChecked();
    m_instellingen.Meting[i + 1].Set = aan;
    m_instellingen.Temperatuur[i + 1].Set = aan;
    ToonInstellingenIngang(i);
    InstellenKnoppen();
}

void DialogK76xSettings::ComboEenheid_Click(int e) {
    if (e < AantalIngangen) {
        m_instellingen.Meting[e + 1].Unit = EenheidZonderToevoeging(ComboEenheid[e]->currentText());
        // The copy holds the calibration of the unit it shows, as a calibration from here needs it.
        LaadModuleKalibratie(Ri, Mi, e + 1, m_instellingen);
        ToonInstellingenIngang(e);
    } else {
        m_instellingen.Temperatuur[e - AantalIngangen + 1].Unit = ComboEenheid[e]->currentText().trimmed();
        ToonInstellingenIngang(e - AantalIngangen);
    }
    InstellenKnoppenOpties();
    InstellenKnoppen();
}

void DialogK76xSettings::ComboResolutie_Click(int e) {
    const auto index = static_cast<int16_t>(ComboResolutie[e]->currentIndex());
    if (e >= AantalIngangen)
        m_instellingen.Temperatuur[e - AantalIngangen + 1].Resolution = index;
    else if (!ModelVan(Ri, Mi).heeftBereiken) // a K762's range is chosen in its options
        m_instellingen.Meting[e + 1].Resolution = index;
}

void DialogK76xSettings::ComboExtra_Change(int i) {
    QLineEdit* box = ComboExtra[i]->lineEdit();
    const float getal = TekstNaarSingle(box->text());
    m_instellingen.Meting[i + 1].Extra = SaliniteitVanTekst(box->text());
    // A negative salinity becomes 0 at once; any other text is tidied when the box is left.
    if (getal < 0.0f) {
        const int positie = box->cursorPosition();
        box->setText(OpmaakSingle(0.0f, QStringLiteral("0.0")));
        box->setCursorPosition(positie);
    }
}

void DialogK76xSettings::ComboExtra_LostFocus(int i) {
    if (!m_geladen || ModelVan(Ri, Mi).type != Modeltype::K761) return;
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    QLineEdit* box = ComboExtra[i]->lineEdit();
    const float waarde = SaliniteitVanTekst(box->text());
    m_instellingen.Meting[i + 1].Extra = waarde;
    box->setText(OpmaakSingle(waarde, QStringLiteral("0.0")));
    if (waarde <= MaximaleSaliniteit) return;
    melding(Tekst[TekstSaliniteitTeHoog] + OpmaakSingle(MaximaleSaliniteit, QStringLiteral("0.0")) +
                QStringLiteral(" g/kg!"),
            vbExclamation | vbOKOnly, LabelSalinity[i]->text());
    // The box leaves the dialog usable: closed under it, the dialog is left as it is.
    if (!m_geladen) return;
    SSTab->setCurrentIndex(i);
    ComboExtra[i]->setFocus();
}

bool DialogK76xSettings::eventFilter(QObject* object, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        // Leaving the box, not the window being switched or a menu opening.
        const auto reden = static_cast<QFocusEvent*>(e)->reason();
        if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason)
            for (int i = 0; i < AantalIngangen; ++i)
                if (ComboExtra[i]->lineEdit() == object) ComboExtra_LostFocus(i);
    }
    return QDialog::eventFilter(object, e);
}

void DialogK76xSettings::TextNaam_Change(int i) {
    m_instellingen.Meting[i + 1].Name = TextNaam[i]->text();
}

void DialogK76xSettings::TextSensor_Change(int i) {
    m_instellingen.Meting[i + 1].Sensor = TextSensor[i]->text();
}

void DialogK76xSettings::CheckSharedMeasurement_Click(int i) {
    m_instellingen.Temperatuur[i + 1].Shared = CheckSharedMeasurement[i]->isChecked();
    HoudEenGedeeldeIngang(m_instellingen);
    ToonAlleIngangen();
    InstellenKnoppen();
}

void DialogK76xSettings::CheckUseSharedMeasurement_Click(int i) {
    m_instellingen.Temperatuur[i + 1].UseShared = CheckUseSharedMeasurement[i]->isChecked();
    ToonAlleIngangen();
    InstellenKnoppen();
}

void DialogK76xSettings::CheckManualFollowMeasurement_Click(int i) {
    m_instellingen.Temperatuur[i + 1].ManualFollowsMeasurement = CheckManualFollowMeasurement[i]->isChecked();
}

// ---------------------------------------------------------------------------------------------------
// Buttons

void DialogK76xSettings::CommandHelp_Click() {
    ToonHelp(HelpModuleInstellingen);
}

void DialogK76xSettings::CommandOpties_Click() {
    if (m_bezig) return;
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    QPointer<DialogK76xSettings> zelf(this);
    const Modeltype model = ModelVan(Ri, Mi).type;
    if (model == Modeltype::K761) {
        FormOptionsOx opties(this);
        opties.Laad();
        VoerDialoogUit(opties);
    } else if (model == Modeltype::K762) {
        FormOptionsEC opties(this);
        opties.TypeCC = GekozenCelType(m_instellingen.Meting[1].Extra);
        opties.Bereik = ComboResolutie[0]->currentIndex();
        opties.Laad();
        VoerDialoogUit(opties);
        if (!zelf) return;
        // Cell type and range are the module's: every input takes them, also after Cancel.
        for (int c = 1; c <= AantalIngangen; ++c) {
            m_instellingen.Meting[c].Extra = static_cast<float>(opties.TypeCC);
            m_instellingen.Meting[c].Resolution =
                static_cast<int16_t>(opties.Bereik < 0 ? StandaardECBereik : opties.Bereik);
        }
        ToonAlleIngangen();
    }
    if (zelf && m_geladen) zetHoofdvensterIngeschakeld(false);
}

void DialogK76xSettings::CommandCalibrate_Click(bool capaciteit) {
    if (m_bezig) return;
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    const int tab = SSTab->currentIndex();
    const Kalibratiesoort soort =
        capaciteit ? Kalibratiesoort::EenPunt
                   : KalibratieVoor(type(), m_instellingen.Meting[Ki].Unit.getrimd(), tab >= AantalIngangen);
    if (soort == Kalibratiesoort::Geen || !acties().KanKalibreren(soort)) return;
    QPointer<DialogK76xSettings> zelf(this);
    setEnabled(false);
    // The calibration works on this dialog's copy: its result is stored for the unit shown here and
    // reaches the live input only when OK applies the settings.
    const bool opgeslagen = acties().Kalibreer(soort, Ri, Mi, tab + 1, m_instellingen);
    if (!zelf) return;
    if (opgeslagen) m_gekalibreerd[Ki] = true;
    setEnabled(true);
    ToonAlleIngangen();
    raise();
    activateWindow();
}

void DialogK76xSettings::CommandGLP_Click() {
    if (acties().HeeftGLP()) acties().ToonGLP(Ri, Mi, SSTab->currentIndex() + 1);
}

void DialogK76xSettings::CommandNaam_Click(bool rack) {
    if (m_bezig) return;
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    QPointer<DialogK76xSettings> zelf(this);
    {
        formEditInfo editor(this);
        editor.IngaveRackNaam = rack;
        editor.IngaveModuleNaam = !rack;
        editor.Ri = Ri;
        editor.Mi = Mi;
        editor.Naam = rack ? &m_rackNaam : &m_instellingen.Name;
        editor.Laad();
        VoerDialoogUit(editor);
    }
    if (!zelf) return;
    LaadVensterTitel();
}

void DialogK76xSettings::OKButton_Click() {
    if (m_bezig || !m_geladen) return;
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    QPointer<DialogK76xSettings> zelf(this);
    m_bezig = true;
    // The lists' choices, as the user sees them.
    for (int i = 0; i < AantalIngangen; ++i) {
        if (!ModelVan(Ri, Mi).heeftBereiken && ComboResolutie[i]->currentIndex() >= 0)
            m_instellingen.Meting[i + 1].Resolution = static_cast<int16_t>(ComboResolutie[i]->currentIndex());
        if (ComboResolutie[i + 4]->currentIndex() >= 0)
            m_instellingen.Temperatuur[i + 1].Resolution =
                static_cast<int16_t>(ComboResolutie[i + 4]->currentIndex());
    }
    // Every warning before anything is written: Cancel in one leaves the module, the records and the
    // file as they were.
    std::array<QString, AantalIngangen> waarschuwingen;
    const Instellingenbeeld beeld = MaakInstellingenbeeld(Ri, Mi, m_instellingen);
    for (int i = 0; i < AantalIngangen; ++i)
        waarschuwingen[i] = OKWaarschuwing(beeld.module, i + 1);
    setEnabled(false);
    for (int i = 0; i < AantalIngangen; ++i) {
        if (waarschuwingen[i].isEmpty()) continue;
        const int antwoord =
            melding(waarschuwingen[i], vbOKCancel | vbExclamation,
                    windowTitle() + QLatin1Char(' ') + Tekst[TekstIngang] + QString::number(i + 1), true);
        if (!zelf) return;
        if (antwoord != vbOK) {
            setEnabled(true);
            SSTab->setCurrentIndex(i);
            m_bezig = false;
            return;
        }
    }
    PasInstellingenToe();
    if (!zelf) return;
    setEnabled(true);
    m_bezig = false;
}

void DialogK76xSettings::PasInstellingenToe() {
    QPointer<DialogK76xSettings> zelf(this);
    const int r = Ri;
    const int m = Mi;
    ToonVoortgang(0, 3, 0, Tekst[TekstBijwerken]);
    ModuleRecord& module = Racks[r].Modules[m];
    std::array<int16_t, AantalIngangen + 1> oud{};
    for (int c = 1; c <= AantalIngangen; ++c)
        oud[c] = module.Meting[c].Resolution;
    NeemInstellingenOver(m_instellingen, module, false);
    Racks[r].Name = VasteTekst<30>(m_rackNaam);
    module.Name = m_instellingen.Name;
    for (int c = 1; c <= AantalIngangen; ++c) {
        module.Meting[c].Name = KanaalNaam(c, TextNaam[c - 1]->text());
        module.Meting[c].Sensor = TrimSpaties(TextSensor[c - 1]->text());
    }
    if (ModelVan(r, m).heeftBereiken) {
        for (int c = 1; c <= AantalIngangen; ++c) {
            int16_t bereik = m_instellingen.Meting[c].Resolution;
            if (bereik < 0 || bereik > HoogsteECBereik) bereik = StandaardECBereik;
            if (bereik == oud[c]) continue;
            ZetVoortgang(static_cast<int16_t>(c - 1));
            const auto ingang = static_cast<uint8_t>(c - 1);
            const auto waarde = static_cast<uint8_t>(bereik);
            bool genomen = true;
            // In simulation the range is the record's alone. On the line the module must take it and
            // keep it in its EEPROM (byte address = input index), or it does not count as set; a
            // range the module did not confirm has been reported by the link already.
            if (!Demo) {
                genomen = ZetECBereik(r, m, ingang, waarde);
                if (genomen && !SchrijfByteEEpromControle(r, m, ingang, waarde)) {
                    genomen = false;
                    if (!Afbreken) {
                        FrmVoortgang* voortgang = FrmVoortgang::Huidig();
                        if (voortgang) ZetVensterNietBovenaan(voortgang);
                        ToonMelding(Tekst[TekstGeenAntwoord], vbExclamation | vbOKOnly,
                                    windowTitle() + QLatin1Char(' ') + Tekst[TekstIngang] +
                                        QString::number(c));
                        if ((voortgang = FrmVoortgang::Huidig())) ZetVensterBovenaan(voortgang);
                    }
                }
            }
            Racks[r].Modules[m].Meting[c].Resolution = genomen ? bereik : oud[c];
            if (!zelf) return;
        }
    }
    SluitVoortgang();
    // A file that could not be written (the user was told) is written again with Save settings.
    if (!SchrijfRackConfiguratie(r)) ConfiguratieGewijzigd = true;
    LaadModuleKalibratie(r, m, 0);
    ZendModuleCommando(r, m, QStringLiteral("253"));
    AanpassenTreeView();
    if (!zelf) return;
    m_uitslag = Uitslag::OK;
    // The rack and table windows take the names.
    LaadVensterTitel();
    Unload();
    // The module starts again with its new settings before the poll cycle reaches it.
    Wacht(WachtNaAfsluiten);
}

void DialogK76xSettings::CancelButton_Click() {
    if (m_bezig || !m_geladen) return;
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    QPointer<DialogK76xSettings> zelf(this);
    m_bezig = true;
    m_uitslag = Uitslag::Geannuleerd;
    Unload();
    // A calibration stored meanwhile stays stored; the live input takes it where it is of its own unit.
    for (int c = 1; c <= AantalIngangen; ++c)
        if (m_gekalibreerd[c]) LaadModuleKalibratie(Ri, Mi, c);
    Wacht(WachtNaAfsluiten);
    if (zelf) m_bezig = false;
}

// ---------------------------------------------------------------------------------------------------

void ZetModuleInstellingenActies(ModuleInstellingenActies* nieuw) {
    geregistreerd = nieuw;
}

ModuleInstellingenActies& moduleInstellingenActies() {
    static ModuleInstellingenActies geen;
    return geregistreerd ? *geregistreerd : geen;
}

void ToonModuleInstellingen(int r, int m, int k) {
    if (InstellingenOpen) return;
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules || k < 1 || k > 2 * AantalIngangen) return;
    DialogK76xSettings& venster = houder.Nieuw();
    venster.Ri = static_cast<int16_t>(r);
    venster.Mi = static_cast<int16_t>(m);
    venster.Ki = static_cast<int16_t>(k);
    venster.Laad();
}

DialogK76xSettings* ModuleInstellingenVenster() {
    return houder.venster();
}

void ResetModuleInstellingen() {
    houder.LaatGaan();
    ZetModuleInstellingenActies(nullptr);
}
