#include "calibration/KalibratieDialoog.h"

#include "platform/Vensterwacht.h"

#include "acquisition/Commandos.h"
#include "acquisition/Kanaaladres.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Temperatuur.h"
#include "acquisition/Verbinding.h"
#include "calibration/FormTekstEditor.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QVBoxLayout>
#include <utility>

KalibratieDialoog::KalibratieDialoog(QString sectie, QWidget* eigenaar)
    : QDialog(eigenaar,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_sectie(std::move(sectie)) {
    // While a calibration talks to its module nothing else may: the other windows wait.
    setWindowModality(Qt::ApplicationModal);
}

KalibratieDialoog::~KalibratieDialoog() = default;

void KalibratieDialoog::VoerUit() {
    if (!m_geladen) Laad();
    if (!Fout) {
        show();
        raise();
        activateWindow();
        WachtTotGesloten();
    }
    Ontlaad();
}

bool KalibratieDialoog::Kalibreer(int r, int m, int k, ModuleRecord& module) {
    Ri = r;
    Mi = m;
    Ki = k;
    Module = &module;
    Laad();
    VoerUit();
    return m_opgeslagen;
}

void KalibratieDialoog::Ontlaad() {
    if (!m_geladen) return;
    m_geladen = false;
    EindeProcedure();
    if (!Fout) HerstelModule();
    ZendModuleCommando(Ri, Mi, QStringLiteral("253"));
    if (!Fout) {
        BewaarPlaats(m_sectie);
        BewaarKeuzes();
    }
    ZetVensterNietBovenaan(this);
    hide();
}

void KalibratieDialoog::WachtTotGesloten() {
    platform::WachtOpVenster([this] { return m_gesloten; });
}

void KalibratieDialoog::ZetToestand(int toestand) {
    m_toestand = toestand;
    PasToestandToe();
    emit toestandGewijzigd(toestand);
}

void KalibratieDialoog::PlanStap() {
    if (m_stapGepland) return;
    m_stapGepland = true;
    QMetaObject::invokeMethod(
        this, [this] { Stap(); }, Qt::QueuedConnection);
}

void KalibratieDialoog::Stap() {
    m_stapGepland = false;
    // A reading under way pumps events: a step asked for meanwhile is taken by the running one.
    if (m_bezig) return;
    m_bezig = true;
    while (!m_gesloten && VerwerkStap()) {
    }
    m_bezig = false;
}

void KalibratieDialoog::MarkeerGesloten() {
    m_gesloten = true;
}

void KalibratieDialoog::SluitProcedure(int gesloten) {
    OKGeklikt = AnnulerenGeklikt = KalibrerenGeklikt = false;
    ZetToestand(gesloten);
    MarkeerGesloten();
}

bool KalibratieDialoog::LaadIngang() {
    Fout = false;
    m_opgeslagen = false;
    m_geladen = true;
    m_geenAntwoord = false;
    if (!IsKanaalAdres(Ri, Mi, Ki)) {
        Fout = true;
        return false;
    }
    const ModuleRecord& module = Werkrecord();
    const ModuleRecord& live = Racks[Ri].Modules[Mi];
    m_meetKanaal = module.Meting[Ki];
    m_temperatuurKanaal = module.Temperatuur[Ki];
    // What the module last reported is the live record's.
    m_meetKanaal.Flags = live.Meting[Ki].Flags;
    m_temperatuurKanaal.Waarde = live.Temperatuur[Ki].Waarde;
    m_temperatuurVlaggen = static_cast<uint8_t>(live.Meting[Ki].Flags & TemperatuurVlaggen);
    m_bereikBijOpenen = live.Meting[Ki].Resolution;
    return true;
}

ModuleRecord& KalibratieDialoog::Werkrecord() const {
    return Module ? *Module : Racks[Ri].Modules[Mi];
}

void KalibratieDialoog::ZetKalibratieTitel(const QString& soort) {
    setWindowTitle(VervangHekje(Tekst[263], soort) + QLatin1Char(' ') + Tekst[297] + QLatin1Char(' ') +
                   QString::number(Ri) + QLatin1Char(' ') + Tekst[296] + QLatin1Char(' ') +
                   QString::number(Mi) + QLatin1Char(' ') + Tekst[295] + QLatin1Char(' ') +
                   QString::number(Ki));
    ToonTitelHeel();
}

void KalibratieDialoog::ToonTitelHeel() {
    auto* indeling = qobject_cast<QBoxLayout*>(layout());
    if (!indeling) return;
    // The title bar draws the caption in bold at most. Besides the caption it holds the icon and the
    // buttons (a window manager draws minimise and maximise too) and its borders: what the style's bar
    // with all of them does not leave for the caption at the present width.
    QFont vet = font();
    vet.setBold(true);
    QStyleOptionTitleBar balk;
    balk.initFrom(this);
    balk.rect = QRect(0, 0, width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &balk, this));
    balk.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    balk.subControls = QStyle::SC_All;
    balk.text = windowTitle();
    const int tekstruimte =
        style()->subControlRect(QStyle::CC_TitleBar, &balk, QStyle::SC_TitleBarLabel, this).width();
    const int breedte = QFontMetrics(vet).horizontalAdvance(windowTitle()) + 16 + width() - tekstruimte;
    // A spacer of that width, without height and without spacing around it, keeps the layout (and so
    // the dialog, whose size follows its layout) at least that wide.
    if (!m_titelRuimte) {
        m_titelRuimte = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        indeling->addItem(m_titelRuimte);
    }
    m_titelRuimte->changeSize(breedte, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    indeling->invalidate();
}

void KalibratieDialoog::StartProcedure() {
    LeesPlaats(m_sectie);
    ZetVensterBovenaan(this);
    m_gesloten = false;
    OKGeklikt = AnnulerenGeklikt = KalibrerenGeklikt = SluitenGevraagd = MeetTik = false;
    m_tik = platform::klok().maakTimer();
    m_tik->bijTik = [this] {
        MeetTik = true;
        PlanStap();
    };
    m_tik->zetInterval(TikInterval);
    m_tik->zetActief(true);
}

void KalibratieDialoog::EindeProcedure() {
    m_tik.reset();
    m_gesloten = true;
}

void KalibratieDialoog::Annuleer() {
    AnnulerenGeklikt = true;
    Afbreken = true;
    PlanStap();
}

void KalibratieDialoog::BevestigOK() {
    OKGeklikt = true;
    PlanStap();
}

void KalibratieDialoog::ZetEscapeKnoppen(QPushButton* annuleer, QPushButton* ok) {
    m_escapeAnnuleer = annuleer;
    m_escapeOK = ok;
}

void KalibratieDialoog::reject() {
    if (!m_escapeAnnuleer || m_escapeAnnuleer->isEnabled())
        Annuleer();
    else if (m_escapeOK && m_escapeOK->isEnabled())
        BevestigOK();
}

QLabel* KalibratieDialoog::MaakLabel(const QString& naam) {
    auto* l = new QLabel(this);
    l->setObjectName(naam);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* KalibratieDialoog::MaakKnop(const QString& naam) {
    auto* k = new QPushButton(this);
    k->setObjectName(naam);
    k->setAutoDefault(false);
    return k;
}

void KalibratieDialoog::ZetUit(QWidget* knop) {
    if (focusWidget() == knop) focusNextChild();
    knop->setEnabled(false);
}

QHBoxLayout* KalibratieDialoog::Knoppenrij(std::initializer_list<QPushButton*> links,
                                           std::initializer_list<QPushButton*> rechts) {
    auto* rij = new QHBoxLayout;
    for (QPushButton* k : links)
        rij->addWidget(k);
    rij->addStretch(1);
    for (QPushButton* k : rechts)
        rij->addWidget(k);
    return rij;
}

QFrame* KalibratieDialoog::MaakInfoVak(QLabel*& info, int regels) {
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    info = new QLabel(frame);
    info->setObjectName(QStringLiteral("LabelInfo"));
    info->setTextFormat(Qt::PlainText);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->setMinimumHeight(regels * info->fontMetrics().lineSpacing());
    auto* indeling = new QVBoxLayout(frame);
    indeling->addWidget(info);
    return frame;
}

KalibratieDialoog::Lezing KalibratieDialoog::LeesIngang(const std::function<bool()>& onderbroken,
                                                        const std::function<bool()>& naStatus) {
    ModuleRecord& module = Racks[Ri].Modules[Mi];
    const uint8_t status = LeesStatus(Ri, Mi, module.Status);
    if (onderbroken()) return Lezing::Onderbroken;
    if (Antwoord != AntwoordFrame) return GeenLezing(Lezing::GeenStatus);
    module.Status = status;
    if (naStatus && !naStatus()) return Lezing::Onderbroken;
    ZetKanaalVlag(m_meetKanaal.Flags, status, Ki);

    LeesTemperatuurADC(Ri, Mi);
    if (onderbroken()) return Lezing::Onderbroken;
    if (Antwoord != AntwoordFrame) return GeenLezing(Lezing::Onvolledig);
    for (int c = 1; c <= AantalIngangen; ++c)
        if (c != Ki) BerekenTemperatuurKanaal(Ri, Mi, c);

    LeesADC(Ri, Mi);
    if (onderbroken()) return Lezing::Onderbroken;
    if (Antwoord != AntwoordFrame) return GeenLezing(Lezing::Onvolledig);
    BerekenTemperatuurKanaal(Ri, Mi, Ki);
    BerekenTemperatuur();
    m_geenAntwoord = false;
    return Lezing::Gelezen;
}

KalibratieDialoog::Lezing KalibratieDialoog::GeenLezing(Lezing hoe) {
    m_geenAntwoord = true;
    return hoe;
}

void KalibratieDialoog::BerekenTemperatuur() {
    ModuleRecord& live = Racks[Ri].Modules[Mi];
    ModuleRecord werk = Werkrecord();
    werk.Status = live.Status;
    for (int c = 1; c <= AantalIngangen; ++c) {
        werk.Meting[c].Flags = live.Meting[c].Flags;
        werk.Temperatuur[c].AdcWaarde = live.Temperatuur[c].AdcWaarde;
    }
    // The engine works on the rack model: the record worked on stands in for the live one while its
    // temperatures are worked out (nothing pumps meanwhile). The shared input goes before this one.
    std::swap(live, werk);
    for (int c = 1; c <= AantalIngangen; ++c)
        if (c != Ki) BerekenTemperatuurKanaal(Ri, Mi, c);
    BerekenTemperatuurKanaal(Ri, Mi, Ki);
    std::swap(live, werk);
    m_temperatuurKanaal.Waarde = werk.Temperatuur[Ki].Waarde;
    m_temperatuurVlaggen = static_cast<uint8_t>(werk.Meting[Ki].Flags & TemperatuurVlaggen);
}

void KalibratieDialoog::NeemTemperatuurVlaggen() {
    m_meetKanaal.Flags =
        static_cast<uint8_t>((m_meetKanaal.Flags & ~TemperatuurVlaggen) | m_temperatuurVlaggen);
}

QString KalibratieDialoog::TemperatuurTekst(float T) const {
    const QString eenheid = m_temperatuurKanaal.Unit.getrimd();
    return OpmaakSingle(CelsiusNaarEenheid(T, eenheid),
                        FormaatDecimalen(m_temperatuurKanaal.Resolution, -1, -1)) +
           eenheid;
}

QString KalibratieDialoog::TemperatuurGrenzenTekst(float onder, float boven) const {
    const QString eenheid = m_temperatuurKanaal.Unit.getrimd();
    const QString f = QStringLiteral("0.0");
    return Tekst[291] + QStringLiteral("\r\n") + Tekst[237] + QStringLiteral(": ") +
           OpmaakSingle(CelsiusNaarEenheid(onder, eenheid), f) + QStringLiteral(" / ") +
           OpmaakSingle(CelsiusNaarEenheid(boven, eenheid), f) + eenheid;
}

qint64 KalibratieDialoog::RondeSeconden() const {
    return (platform::klok().ms() - m_rondeStart) / 1000;
}

void KalibratieDialoog::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (m_gesloten) return;
    SluitenGevraagd = true;
    Annuleer();
}

void KalibratieDialoog::LeesPlaats(const QString& sectie) {
    const auto lees = [&](const char* sleutel) -> std::optional<int> {
        const QString tekst = LeesInstelling(AppNaam, sectie, QString::fromLatin1(sleutel), QString());
        if (tekst.trimmed().isEmpty()) return std::nullopt;
        return TwipsNaarPixels(TekstNaarDouble(tekst));
    };
    QList<QRect> schermen;
    if (QScreen* eerste = QGuiApplication::primaryScreen()) schermen << eerste->availableGeometry();
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) schermen << s->availableGeometry();
    adjustSize();
    const QSize grootte = frameGeometry().size().expandedTo(size());
    move(DialoogPlaats(lees("Left"), lees("Top"), grootte, schermen));
}

void KalibratieDialoog::BewaarPlaats(const QString& sectie) {
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Top"),
                     SingleAlsTekst(static_cast<float>(PixelsNaarTwips(pos().y()))));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Left"),
                     SingleAlsTekst(static_cast<float>(PixelsNaarTwips(pos().x()))));
}

bool KalibratieDialoog::BewerkBestand(const QString& pad, QLabel* info) {
    const QString tekst = info->text();
    const QPalette kleuren = info->palette();
    info->setText(QString(Tekst[479]).replace(QStringLiteral("##"), EditorTitel(pad)));
    ZetTekstkleur(info, QColor(255, 0, 0));
    ZetVensterNietBovenaan(this);
    setEnabled(false);
    const bool geopend = BewerkTekstbestand(pad, this);
    // Usable again whatever became of the editor.
    setEnabled(true);
    ZetVensterBovenaan(this);
    info->setText(tekst);
    info->setPalette(kleuren);
    if (!geopend)
        ToonStandaardMelding(QString(Tekst[478]).replace(QStringLiteral("##"), EditorTitel(pad)), vbCritical,
                             windowTitle());
    return geopend;
}

void ZetTekstkleur(QLabel* label, const QColor& kleur) {
    QPalette p = label->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::WindowText, kleur);
    label->setPalette(p);
}

void ZetMeetwaarde(QLabel* label, const QString& tekst, bool bruikbaar) {
    label->setText(tekst);
    ZetTekstkleur(label, bruikbaar ? QColor(0, 255, 0) : QColor(255, 0, 0));
}

void ZetMeetwaardeStijl(QLabel* label, const QString& breedste) {
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::Window, Qt::black);
    label->setPalette(p);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMargin(3);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    label->setFont(f);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(breedste));
    ZetTekstkleur(label, QColor(0, 255, 0));
}

QPoint DialoogPlaats(std::optional<int> links, std::optional<int> boven, QSize venster,
                     const QList<QRect>& schermen) {
    if (schermen.isEmpty()) return QPoint(links.value_or(0), boven.value_or(0));
    const auto midden = [&](const QRect& s) {
        return QPoint(s.x() + (s.width() - venster.width()) / 2, s.y() + (s.height() - venster.height()) / 2);
    };
    const QRect& eerste = schermen.first();
    const QPoint hoek(links.value_or(eerste.center().x()), boven.value_or(eerste.center().y()));
    // The screen that holds the corner, else one that holds it across or down, else the first.
    const QRect* scherm = nullptr;
    for (const QRect& s : schermen)
        if (s.contains(hoek)) {
            scherm = &s;
            break;
        }
    for (const QRect& s : schermen)
        if (!scherm && ((hoek.x() >= s.left() && hoek.x() <= s.right()) ||
                        (hoek.y() >= s.top() && hoek.y() <= s.bottom())))
            scherm = &s;
    if (!scherm) return midden(eerste);
    const QPoint m = midden(*scherm);
    const auto binnen = [](std::optional<int> w, int begin, int lengte, int eigen) {
        return w && *w >= begin && *w < begin + lengte - eigen;
    };
    return QPoint(binnen(links, scherm->x(), scherm->width(), venster.width()) ? *links : m.x(),
                  binnen(boven, scherm->y(), scherm->height(), venster.height()) ? *boven : m.y());
}
