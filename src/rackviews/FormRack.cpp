#include "rackviews/FormRack.h"

#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/vensters/Systeemboom.h"
#include "platform/Klok.h"
#include "rackviews/DialogK76xSettings.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Titelbalk.h"
#include "shared/ui/Vensterfuncties.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <cmath>

namespace {

constexpr int TekstInstellingen = 114, TekstModuleInstellingen = 430, TekstPrintRack = 434,
              TekstRackAan = 433, TekstRackNaam = 387, TekstModuleNaam = 388, TekstBovenaan = 432,
              TekstFabrieksafregeling = 431, TekstUitgeschakeld = 380, TekstRack = 297, TekstModule = 296,
              TekstIngang = 295;
constexpr int WachtNaAfregeling = 500; // ms

QColor kleurVan(int32_t kleur) {
    return QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF);
}

// A Boolean setting as the runtime read it: "True"/"False" in any letter case, or a number (0 false).
bool AlsBoolean(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    return Val(t) != 0;
}

QString Sectie(int ri) {
    return QStringLiteral("Rack") + QString::number(ri);
}

QString Trim(const QString& tekst) {
    return TrimSpaties(tekst);
}

// A tool tip shows its text as it is, also a name that looks like markup.
QString AlsToolTip(const QString& tekst) {
    if (!Qt::mightBeRichText(tekst)) return tekst;
    return QStringLiteral("<p style='white-space:pre'>") + tekst.toHtmlEscaped() + QStringLiteral("</p>");
}

// Waits while events are handled, as the engine's waits do.
void Wacht(int ms) {
    bool klaar = false;
    platform::klok().planIn(ms, [&klaar] { klaar = true; });
    while (!klaar)
        platform::Pomp();
}

int arrayIndex(RackLabel label) {
    return static_cast<int>(label);
}

// No label shows this colour before it is given its first.
constexpr int32_t GeenKleur = 0x7FFFFFFF;

// Fixes a label's size to its place: a new text then never asks its panel for a new layout.
void ZetVast(QWidget* w, const QRect& plaats) {
    w->setGeometry(plaats);
    w->setFixedSize(plaats.size());
}

} // namespace

RackLed::RackLed(QWidget* ouder) : QWidget(ouder) {
    // It paints its corners in the panel's colour itself: a new colour repaints the LED alone.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RackLed::zetKleur(int32_t kleur, bool tekenen) {
    if (kleur == m_kleur) return;
    m_kleur = kleur;
    if (tekenen) update();
}

void RackLed::paintEvent(QPaintEvent*) {
    // The LED changes colour at every poll turn and takes few colours: each is drawn once and kept.
    const QColor achter = palette().color(QPalette::Window);
    const qreal schaal = devicePixelRatioF();
    if (m_beeldMaat != size() || m_beeldSchaal != schaal || m_beeldAchter != achter) {
        m_beelden.clear();
        m_beeldMaat = size();
        m_beeldSchaal = schaal;
        m_beeldAchter = achter;
    }
    QPixmap& beeld = m_beelden[m_kleur];
    if (beeld.isNull()) {
        beeld = QPixmap(size() * schaal);
        beeld.setDevicePixelRatio(schaal);
        beeld.fill(achter);
        QPainter t(&beeld);
        t.setRenderHint(QPainter::Antialiasing);
        t.setPen(QPen(Qt::black, 1));
        t.setBrush(kleurVan(m_kleur));
        t.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    QPainter p(this);
    p.drawPixmap(0, 0, beeld);
}

FormRack::FormRack(int ri, QWidget* ouder)
    : QWidget(ouder), Ri(static_cast<int16_t>(ri)), Tag(QStringLiteral("meting") + QString::number(ri)) {
    setProperty("Tag", Tag);
    setObjectName(Tag);
    for (auto& rij : m_kleuren)
        rij.fill(KleurNormaleTekst);
    for (auto& rij : m_getoondeKleuren)
        rij.fill(GeenKleur);
    for (int m = 1; m <= AantalModules; ++m)
        maakPaneel(m);
    maakMenu();
}

FormRack::~FormRack() {
    if (RackVenster(Ri) == this) ZetRackVenster(Ri, nullptr);
}

int FormRack::pixels(double twips) const {
    return TwipsNaarPixels(twips);
}

float FormRack::twips(int pixels) const {
    return static_cast<float>(PixelsNaarTwips(pixels));
}

QWidget* FormRack::kader() {
    return Kindvensterkader(this);
}

static int TitelbalkTekstBreedte(const QWidget& kader) {
    QFont vet = kader.font();
    vet.setBold(true);
    return QFontMetrics(vet).horizontalAdvance(kader.windowTitle());
}

// A rack of one or two modules makes a window narrower than its caption: the frame is widened until
// the title bar shows the caption whole (the panels keep their places).
void FormRack::ToonTitelHeel() {
    QWidget* k = kader();
    if (k == this) return;
    const int tekort = TitelbalkTekstBreedte(*k) + 8 - TitelbalkTekstRuimte(*k);
    if (tekort > 0) k->resize(k->width() + tekort, k->height());
}

QSize FormRack::sizeHint() const {
    return m_binnenmaat.isValid() ? m_binnenmaat : QWidget::sizeHint();
}

void FormRack::maakPaneel(int m) {
    namespace P = Paneelontwerp;
    const int i0 = m - 1;
    auto* paneel = new QFrame(this);
    paneel->setObjectName(QStringLiteral("PictureModule%1").arg(i0));
    paneel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ZetVast(paneel, QRect(0, 0, pixels(P::Breedte), pixels(P::Hoogte)));
    // An opaque panel: what changes on it is repainted without the window and its frame behind it.
    paneel->setAutoFillBackground(true);
    paneel->installEventFilter(this);
    PictureModule[i0] = paneel;

    QFont klein = font();
    klein.setPointSize(8);
    QFont vet = klein;
    vet.setBold(true);
    QFont waardeFont(QStringLiteral("Arial"), 12, QFont::Bold);

    auto* led = new RackLed(paneel);
    led->setGeometry(pixels(P::LedLinks), pixels(P::LedBoven), pixels(P::LedMaat), pixels(P::LedMaat));
    ShapeLED[i0] = led;

    auto* module = new QLabel(paneel);
    module->setObjectName(QStringLiteral("LabelModule%1").arg(i0));
    // Names come from the user and the configuration files: shown as typed, never as markup.
    module->setTextFormat(Qt::PlainText);
    module->setFont(vet);
    module->setAutoFillBackground(true);
    ZetVast(module, QRect(pixels(P::ModuleLinks), pixels(P::ModuleBoven), pixels(P::ModuleBreedte),
                          pixels(P::ModuleHoogte)));
    module->installEventFilter(this);
    LabelModule[i0] = module;

    auto* lijn = new QFrame(paneel);
    lijn->setFrameStyle(QFrame::HLine | QFrame::Plain);
    lijn->setForegroundRole(QPalette::Mid);
    lijn->setGeometry(pixels(P::Marge / 2), pixels(P::LijnBoven), pixels(P::Breedte - P::Marge), 2);

    const auto maakLabel = [&](const char* naam, int i, const QRect& plaats, const QFont& f) {
        auto* l = new QLabel(paneel);
        l->setObjectName(QString::fromLatin1(naam) + QString::number(i));
        l->setTextFormat(Qt::PlainText);
        l->setFont(f);
        ZetVast(l, plaats);
        // Opaque: a new text repaints the label alone, not the panel behind it.
        l->setAutoFillBackground(true);
        l->installEventFilter(this);
        return l;
    };
    for (int c = 1; c <= AantalIngangen; ++c) {
        const int i = RackLabelIndex(m, c);
        const int boven = P::IngangBoven + (c - 1) * P::IngangHoogte;
        const int breed = P::Breedte - 2 * P::Marge;
        LabelKanaal[i] =
            maakLabel("LabelKanaal", i,
                      QRect(pixels(P::Marge), pixels(boven), pixels(breed), pixels(P::KanaalHoogte)), klein);
        QLabel* waarde = maakLabel("LabelWaarde", i,
                                   QRect(pixels(P::Marge), pixels(boven + P::WaardeBoven),
                                         pixels(P::WaardeBreedte), pixels(P::WaardeHoogte)),
                                   waardeFont);
        waarde->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        waarde->setContentsMargins(0, 0, 4, 0);
        waarde->setAutoFillBackground(true);
        QPalette pw = waarde->palette();
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pw.setColor(g, QPalette::Window, Qt::black);
        waarde->setPalette(pw);
        LabelWaarde[i] = waarde;
        LabelEenheid[i] = maakLabel("LabelEenheid", i,
                                    QRect(pixels(P::EenheidLinks), pixels(boven + P::WaardeBoven),
                                          pixels(P::EenheidBreedte), pixels(P::WaardeHoogte)),
                                    klein);
        LabelGraden[i] = maakLabel(
            "LabelGraden", i,
            QRect(pixels(P::Marge), pixels(boven + P::GradenBoven), pixels(breed), pixels(P::KanaalHoogte)),
            klein);
        ZetLabelKleur(RackLabel::Waarde, i, KleurGroen);
        ZetLabelKleur(RackLabel::Graden, i, KleurZwart);
    }
}

void FormRack::maakMenu() {
    mnuRackSettings = new QMenu(this);
    mnuRackSettings->setObjectName(QStringLiteral("mnuRackSettings"));
    const auto actie = [this](const char* naam, auto handler) {
        auto* a = mnuRackSettings->addAction(QString());
        a->setObjectName(QString::fromLatin1(naam));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mnuModuleSettings = actie("mnuModuleSettings", [this] { OpenModuleInstellingen(m_moduleKeuze + 1, 1); });
    mnuPrintRack = actie("mnuPrintRack", [this] { rackvensterActies().PrintRack(this); });
    mnuRackSettingsMeasure = actie("mnuRackSettingsMeasure", [this] { mnuRackSettingsMeasure_Click(); });
    mnuRackSettingsMeasure->setCheckable(true);
    mnuRackSettingsName = actie("mnuRackSettingsName", [this] { Hernoem(true); });
    mnuRackSettingsNameModule = actie("mnuRackSettingsNameModule", [this] { Hernoem(false); });
    mnuRackSettingsTop = actie("mnuRackSettingsTop", [this] { mnuRackSettingsTop_Click(); });
    mnuRackSettingsTop->setCheckable(true);
    mnuModuleCalibration = actie("mnuModuleCalibration", [this] { Fabrieksafregeling(false); });
    mnuReadSN = actie("mnuReadSN", [this] { Fabrieksafregeling(true); });
    mnuReadSN->setText(QStringLiteral("Read Settings from SN"));
}

void FormRack::LaadStrings() {
    mnuRackSettings->setTitle(Tekst[TekstInstellingen]);
    mnuModuleSettings->setText(Tekst[TekstModuleInstellingen]);
    mnuPrintRack->setText(Tekst[TekstPrintRack]);
    mnuRackSettingsMeasure->setText(Tekst[TekstRackAan]);
    mnuRackSettingsName->setText(Tekst[TekstRackNaam]);
    mnuRackSettingsNameModule->setText(Tekst[TekstModuleNaam]);
    mnuRackSettingsTop->setText(Tekst[TekstBovenaan]);
    mnuModuleCalibration->setText(Tekst[TekstFabrieksafregeling]);
}

void FormRack::Laad() {
    if (m_geladen) return;
    m_geladen = true;
    m_ontladen = false;
    ZetRackVenster(Ri, this);
    LaadStrings();
    RackVlaggen[Ri].Show = true;
    mnuRackSettingsTop->setChecked(
        AlsBoolean(LeesInstelling(AppNaam, Sectie(Ri), QStringLiteral("AlwaysOnTop"), "False")));
    mnuRackSettingsMeasure->setChecked(RackVlaggen[Ri].Measure);
    const float top = TekstNaarSingle(LeesInstelling(AppNaam, Sectie(Ri), QStringLiteral("Top"), Ri * 100));
    const float links =
        TekstNaarSingle(LeesInstelling(AppNaam, Sectie(Ri), QStringLiteral("Left"), Ri * 100));
    QWidget* k = kader();
    k->move(pixels(links), pixels(top));
    k->setWindowState(k->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(k)) {
        // A frame larger than the panels (maximised, tiled) keeps them in its top left corner.
        if (sub->layout()) sub->layout()->setAlignment(this, Qt::AlignLeft | Qt::AlignTop);
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates oud, Qt::WindowStates nieuw) {
                    if (nieuw.testFlag(Qt::WindowActive) && !oud.testFlag(Qt::WindowActive)) Activate();
                });
    }
    FormInstellenControls();
    if (mnuRackSettingsTop->isChecked()) zetBovenaan(true);
    ConfiguratieGewijzigd = true;
}

void FormRack::FormInstellenControls() {
    m_wachtOpAanmelding = false;
    // The layout starts from what the engine gave last.
    WerkBij();
    QWidget* k = kader();
    k->setWindowState(k->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    m_indeling = BerekenRackIndeling(Ri);
    const RackRecord& rack = Racks[Ri];
    for (int m = 1; m <= AantalModules; ++m) {
        QFrame* paneel = PictureModule[m - 1];
        const bool aanwezig = m_indeling.zichtbaar[m - 1];
        paneel->setVisible(aanwezig);
        paneel->setEnabled(aanwezig);
        if (!aanwezig) continue;
        paneel->move(pixels(m_indeling.links[m - 1]), 0);
        const ModuleRecord& module = rack.Modules[m];
        for (int c = 1; c <= AantalIngangen; ++c) {
            const int i = RackLabelIndex(m, c);
            LabelKanaal[i]->setText(module.Meting[c].Name.getrimd());
            QString leeg;
            InstellenToolTipKanaal(m, c, leeg);
            ZetLabelKleur(RackLabel::Waarde, i, KleurGroen);
            LabelWaarde[i]->setText(SingleAlsTekst(module.Meting[c].Waarde));
            ZetLabelTekst(RackLabel::Eenheid, i, module.Meting[c].Unit.getrimd());
            ZetLabelKleur(RackLabel::Graden, i, KleurZwart);
            LabelGraden[i]->setText(OpmaakSingle(module.Temperatuur[c].Waarde, QStringLiteral("0.0")) +
                                    module.Temperatuur[c].Unit.getrimd());
        }
        LabelModule[m - 1]->setText(Trim(module.Name));
        InstellenToolTipModule(m);
    }
    m_binnenmaat = QSize(pixels(m_indeling.breedte - KaderBreedte), pixels(m_indeling.hoogte - KaderHoogte));
    setFixedSize(m_binnenmaat);
    if (k != this) k->resize(k->sizeHint());
    ToonTitelHeel();
    update();
    WissenVensterMetingen();
    LaadVensterTitel();
}

void FormRack::LaadVensterTitel() {
    QString titel = Racks[Ri].Name.getrimd();
    if (!RackVlaggen[Ri].Measure) titel += QStringLiteral(": ") + Tekst[TekstUitgeschakeld];
    setWindowTitle(titel);
    ToonTitelHeel();
    update();
    for (int m = 1; m <= AantalModules; ++m) {
        const ModuleRecord& module = Racks[Ri].Modules[m];
        if (!module.Present) continue;
        LabelModule[m - 1]->setText(Trim(module.Name));
        InstellenToolTipModule(m);
        for (int c = 1; c <= AantalIngangen; ++c) {
            LabelKanaal[RackLabelIndex(m, c)]->setText(module.Meting[c].Name.getrimd());
            QString t;
            InstellenToolTipKanaal(m, c, t);
        }
    }
}

void FormRack::InstellenToolTipModule(int m, const QString& tekst) {
    if (m < 1 || m > AantalModules) return;
    LabelModule[m - 1]->setToolTip(AlsToolTip(
        !tekst.isEmpty() ? tekst
                         : Tekst[TekstRack] + QLatin1Char(' ') + QString::number(Ri) + QStringLiteral(", ") +
                               Tekst[TekstModule] + QLatin1Char(' ') + QString::number(m) +
                               QStringLiteral(": ") + Trim(Racks[Ri].Modules[m].Name)));
}

void FormRack::InstellenToolTipKanaal(int m, int c, QString& tekst) {
    if (m < 1 || m > AantalModules || c < 1 || c > AantalIngangen) return;
    if (tekst.isEmpty()) {
        const KanaalRecord& k = Racks[Ri].Modules[m].Meting[c];
        const QString naam = k.Name.getrimd();
        const QString sensor = k.Sensor.getrimd();
        tekst = Tekst[TekstRack] + QLatin1Char(' ') + QString::number(Ri) + QStringLiteral(", ") +
                Tekst[TekstModule] + QLatin1Char(' ') + QString::number(m) + QStringLiteral(", ") +
                Tekst[TekstIngang] + QLatin1Char(' ') + QString::number(c) + QStringLiteral(": ") + naam;
        if (!sensor.isEmpty()) {
            if (!naam.isEmpty()) tekst += QStringLiteral(", ");
            tekst += sensor;
        }
    }
    const int i = RackLabelIndex(m, c);
    if (m_toolTips[i] == tekst && !m_toolTips[i].isNull()) return;
    m_toolTips[i] = tekst;
    for (QLabel* l : {LabelKanaal[i], LabelWaarde[i], LabelEenheid[i]})
        l->setToolTip(AlsToolTip(tekst));
}

void FormRack::WissenVensterMetingen() {
    for (int m = 1; m <= AantalModules; ++m)
        ToonMetingenRackvenster(Ri, m, true);
    // The next snapshot waits until the rack's modules have been read again.
    for (int m = 1; m <= AantalModules; ++m)
        OpenBeurt(Ri, m);
    CyclusVoltooid = false;
}

QLabel* FormRack::Label(RackLabel label, int index) const {
    if (index < 0 || index >= AantalRackLabels) return nullptr;
    switch (label) {
    case RackLabel::Waarde:
        return LabelWaarde[index];
    case RackLabel::Eenheid:
        return LabelEenheid[index];
    case RackLabel::Graden:
        return LabelGraden[index];
    case RackLabel::Kanaal:
        return LabelKanaal[index];
    }
    return nullptr;
}

int32_t FormRack::LabelKleur(RackLabel label, int index) const {
    if (index < 0 || index >= AantalRackLabels) return KleurNormaleTekst;
    return m_kleuren[arrayIndex(label)][index];
}

bool FormRack::ToontWaarde(int i) const {
    return !LabelWaarde[i]->text().isEmpty() && !m_verschenen.test(i);
}

void FormRack::ZetLabelTekst(RackLabel label, int index, const QString& tekst) {
    if (!Label(label, index)) return;
    if (label != RackLabel::Kanaal) {
        std::optional<QString>& wacht = m_wachtendeTeksten[arrayIndex(label)][index];
        if (!tekst.isEmpty() && ToontWaarde(index)) {
            wacht = tekst;
            m_ingangWacht.set(index);
            PlanBijwerken();
            return;
        }
        wacht.reset();
    }
    // A blank, or a text for an input without a value: at once, with what waited for the input. A value
    // that appears brings the rest of its input's reply at once too.
    ToonIngang(index);
    if (label == RackLabel::Waarde && !tekst.isEmpty() && LabelWaarde[index]->text().isEmpty()) {
        m_verschenen.set(index);
        PlanBijwerken();
    }
    ToonLabelTekst(label, index, tekst);
}

void FormRack::ToonLabelTekst(RackLabel label, int index, const QString& tekst) {
    QLabel* l = Label(label, index);
    if (label != RackLabel::Eenheid) {
        if (l->text() != tekst) l->setText(tekst);
        return;
    }
    // A unit too long for its label ("ClO4 µg/l") goes on two lines, broken at its last blank.
    QString& vorige = m_eenheden[index];
    if (vorige == tekst && !vorige.isNull()) return;
    vorige = tekst;
    QString t = tekst;
    if (l->fontMetrics().horizontalAdvance(t.trimmed()) > l->width()) {
        t = t.trimmed();
        if (const qsizetype spatie = t.lastIndexOf(QLatin1Char(' ')); spatie > 0)
            t[spatie] = QLatin1Char('\n');
    }
    l->setText(t);
}

void FormRack::ZetLabelKleur(RackLabel label, int index, int32_t kleur) {
    if (!Label(label, index)) return;
    m_kleuren[arrayIndex(label)][index] = kleur;
    if (m_getoondeKleuren[arrayIndex(label)][index] == kleur) return;
    if (ToontWaarde(index)) {
        m_ingangWacht.set(index);
        PlanBijwerken();
    } else {
        ToonIngang(index);
    }
}

void FormRack::ToonLabelKleur(RackLabel label, int index) {
    const int32_t kleur = m_kleuren[arrayIndex(label)][index];
    int32_t& getoond = m_getoondeKleuren[arrayIndex(label)][index];
    if (getoond == kleur) return;
    getoond = kleur;
    // The normal text colour is the panel's; the disabled colour stays the greyed one of the style.
    const QColor c = kleur == KleurNormaleTekst ? palette().color(QPalette::Active, QPalette::ButtonText)
                                                : kleurVan(kleur);
    QLabel* l = Label(label, index);
    QPalette p = l->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, c);
    p.setColor(QPalette::Inactive, QPalette::WindowText, c);
    l->setPalette(p);
}

void FormRack::ToonIngang(int i) {
    m_ingangWacht.reset(i);
    for (RackLabel soort : {RackLabel::Waarde, RackLabel::Eenheid, RackLabel::Graden})
        if (std::optional<QString>& wacht = m_wachtendeTeksten[arrayIndex(soort)][i]) {
            const QString tekst = std::move(*wacht);
            wacht.reset();
            ToonLabelTekst(soort, i, tekst);
        }
    for (RackLabel soort : {RackLabel::Waarde, RackLabel::Eenheid, RackLabel::Graden, RackLabel::Kanaal})
        ToonLabelKleur(soort, i);
}

void FormRack::PlanBijwerken() {
    if (m_bijwerkenGepland) return;
    m_bijwerkenGepland = true;
    platform::klok().planIn(BijwerkenNaMs, [venster = QPointer<FormRack>(this)] {
        if (venster) venster->WerkBij();
    });
}

void FormRack::WerkBij() {
    m_bijwerkenGepland = false;
    m_verschenen.reset();
    for (int i = 0; i < AantalRackLabels; ++i)
        if (m_ingangWacht.test(i)) ToonIngang(i);
    for (int m = 0; m < AantalModules; ++m)
        if (m_ledWacht.test(m)) ShapeLED[m]->update();
    m_ledWacht.reset();
}

void FormRack::ZetLabelZichtbaar(RackLabel label, int index, bool zichtbaar) {
    if (QLabel* l = Label(label, index); l && l->isEnabled() != zichtbaar) l->setEnabled(zichtbaar);
}

QString FormRack::ToolTipWaarde(int index) const {
    return index >= 0 && index < AantalRackLabels ? m_toolTips[index] : QString();
}

void FormRack::ZetLedKleur(int index, int32_t kleur) {
    if (index < 0 || index >= AantalModules || ShapeLED[index]->kleur() == kleur) return;
    // A module that stopped answering turns red at once; the walk of the poll shows with the values.
    const bool direct = kleur == KleurRood;
    ShapeLED[index]->zetKleur(kleur, direct);
    if (direct) return;
    m_ledWacht.set(index);
    PlanBijwerken();
}

void FormRack::Toon() {
    if (m_wachtOpAanmelding) FormInstellenControls();
    QWidget* k = kader();
    k->setWindowState(k->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    ToonKindvenster(this);
}

void FormRack::Ontlaad() {
    kader()->close();
}

void FormRack::WachtOpAanmelding() {
    m_wachtOpAanmelding = true;
    kader()->hide();
}

int FormRack::VensterStatus() const {
    const QWidget* k = Kindvensterkader(const_cast<FormRack*>(this));
    return k->isMinimized() ? 1 : k->isMaximized() ? 2 : 0;
}

void FormRack::ZetVensterStatus(int status) {
    ZetKindvensterStatus(kader(), status);
}

void FormRack::LeesVensterPositie(const QString& sectie) {
    ::LeesVensterPositie(sectie, kader());
}

void FormRack::zetBovenaan(bool bovenaan) {
    QWidget* k = kader();
    const bool zichtbaar = k->isVisible();
    if (bovenaan)
        ZetVensterBovenaan(k);
    else
        ZetVensterNietBovenaan(k);
    // A sub-window whose flags changed is hidden by Qt; it comes back where it was.
    if (zichtbaar && !k->isVisible()) k->show();
}

void FormRack::Activate() {
    QWidget* k = kader();
    if (!(k->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        const QScreen* s = screen();
        const QSize scherm = s ? s->geometry().size() : QSize(1024, 768);
        QPoint p = k->pos();
        if (p.y() < 0 || p.y() >= scherm.height()) p.setY(0);
        if (p.x() < 0 || p.x() >= scherm.width()) p.setX(0);
        if (p != k->pos()) k->move(p);
    }
    LaadVensterTitel();
    if (mnuRackSettingsTop->isChecked()) zetBovenaan(true);
}

void FormRack::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // Inside the main window's area the sub-window reports the activation.
    if (e->type() == QEvent::ActivationChange && m_geladen && kader() == this && isActiveWindow()) Activate();
}

void FormRack::closeEvent(QCloseEvent* e) {
    Unload();
    QWidget::closeEvent(e);
}

void FormRack::Unload() {
    if (!m_geladen || m_ontladen) return;
    m_ontladen = true;
    const QWidget* k = kader();
    BewaarInstelling(AppNaam, Sectie(Ri), QStringLiteral("Top"), twips(k->y()));
    BewaarInstelling(AppNaam, Sectie(Ri), QStringLiteral("Left"), twips(k->x()));
    RackVlaggen[Ri].Show = false;
    if (mnuRackSettingsTop->isChecked()) zetBovenaan(false);
    ConfiguratieGewijzigd = true;
    // A closed window is drawn into no more.
    if (RackVenster(Ri) == this) ZetRackVenster(Ri, nullptr);
    m_geladen = false;
}

bool FormRack::eventFilter(QObject* object, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick) {
        for (RackLabel soort :
             {RackLabel::Waarde, RackLabel::Eenheid, RackLabel::Kanaal, RackLabel::Graden}) {
            for (int i = 0; i < AantalRackLabels; ++i)
                if (Label(soort, i) == object) {
                    const ModuleKanaal keuze = KeuzeVanLabel(soort, i);
                    OpenModuleInstellingen(keuze.module, keuze.kanaal);
                    return true;
                }
        }
        for (int i = 0; i < AantalModules; ++i) {
            if (PictureModule[i] == object) {
                const ModuleKanaal keuze = KeuzeVanPaneel(i);
                OpenModuleInstellingen(keuze.module, keuze.kanaal);
                return true;
            }
            if (LabelModule[i] == object) return true; // the name only opens the menu
        }
    } else if (e->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < AantalModules; ++i)
            if (LabelModule[i] == object) {
                ToonMenu(i);
                return true;
            }
    }
    return QWidget::eventFilter(object, e);
}

void FormRack::OpenModuleInstellingen(int m, int c) {
    if (InstellingenOpen) return;
    rackvensterActies().OpenModuleInstellingen(Ri, m, c);
    LaadVensterTitel();
}

void FormRack::mnuRackSettings_Click() {
    mnuRackSettingsMeasure->setChecked(RackVlaggen[Ri].Measure);
}

void FormRack::ToonMenu(int i) {
    const RackvensterActies& acties = rackvensterActies();
    const bool fabriek = Fabrieksmodus && acties.HeeftFabrieksafregeling();
    for (QAction* a : {mnuModuleCalibration, mnuReadSN}) {
        a->setVisible(fabriek);
        a->setEnabled(fabriek);
    }
    // Entries whose window the program has not installed are left out.
    mnuModuleSettings->setVisible(acties.HeeftModuleInstellingen());
    mnuPrintRack->setVisible(acties.HeeftPrintRack());
    mnuRackSettings_Click();
    m_moduleKeuze = i;
    const QPoint hoek = PictureModule[i]->pos() + LabelModule[i]->pos();
    mnuRackSettings->popup(mapToGlobal(hoek));
}

void FormRack::mnuRackSettingsMeasure_Click() {
    // The action has toggled its own check mark already.
    bool& meten = RackVlaggen[Ri].Measure;
    meten = mnuRackSettingsMeasure->isChecked();
    // The Measure flag belongs to the rack configuration: it must be saved.
    ConfiguratieGewijzigd = true;
    LaadVensterTitel();
    if (meten) {
        CyclusVoltooid = false;
        for (int m = 1; m <= AantalModules; ++m) {
            OpenBeurt(Ri, m);
            ToonMetingenRackvenster(Ri, m, true);
        }
    } else {
        VernieuwModulesRackvenster(Ri);
    }
}

void FormRack::mnuRackSettingsTop_Click() {
    // The action has toggled its own check mark already.
    const bool bovenaan = mnuRackSettingsTop->isChecked();
    zetBovenaan(bovenaan);
    BewaarInstelling(AppNaam, Sectie(Ri), QStringLiteral("AlwaysOnTop"), bovenaan);
}

void FormRack::Hernoem(bool rack) {
    QPointer<FormRack> zelf(this);
    {
        formEditInfo dialoog(this);
        dialoog.IngaveRackNaam = rack;
        dialoog.IngaveModuleNaam = !rack;
        dialoog.Ri = Ri;
        if (!rack) dialoog.Mi = static_cast<int16_t>(m_moduleKeuze + 1);
        dialoog.Laad();
        VoerDialoogUit(dialoog);
    }
    if (!zelf) return;
    LaadVensterTitel();
    if (RackVlaggen[Ri].Table) rackvensterActies().LaadTabelTitel(Ri);
    AanpassenTreeView();
}

void FormRack::Fabrieksafregeling(bool alleenLezen) {
    QPointer<FormRack> zelf(this);
    const int m = m_moduleKeuze + 1;
    // The window makes way for the dialog and comes back as it was, in front, when the dialog is done.
    const int status = VensterStatus();
    zetBovenaan(false);
    kader()->showMinimized();
    setEnabled(false);
    const QString type = Racks[Ri].Modules[m].Type.getrimd();
    RackvensterActies& acties = rackvensterActies();
    if (acties.HeeftFabrieksafregeling() && ModelMetNaam(type).Bekend()) {
        acties.OpenFabrieksafregeling(type, Ri, m, alleenLezen);
        if (!zelf) return;
        LaadVensterTitel();
    }
    Wacht(WachtNaAfregeling);
    if (!zelf) return;
    setEnabled(true);
    ZetVensterStatus(status);
    QWidget* k = kader();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(k); sub && sub->mdiArea()) {
        sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        k->raise();
        k->activateWindow();
    }
    if (mnuRackSettingsTop->isChecked()) zetBovenaan(true);
}

RackvensterInterface* FormRackMaker::Maak(int r) {
    auto venster = std::make_unique<FormRack>(r);
    venster->setAttribute(Qt::WA_DeleteOnClose);
    FormRack* w = venster.get();
    NeemKindvensterOp(std::move(venster));
    w->Laad();
    return w;
}
