#include "shared/ui/FormMelding.h"

#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Geluiden.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace {
// The design, in twips.
constexpr double LabelLinks = 960, LabelBoven = 180;
constexpr double PlaatjeLinks = 120, PlaatjeBoven = 120, PlaatjeMaat = 555;
constexpr double KnopBreedte = 1215, KnopHoogte = 375;
constexpr double OntwerpBreedte = 4575, OntwerpHoogte = 2385;

QList<FormMelding*>& openMeldingen() {
    static QList<FormMelding*> lijst;
    return lijst;
}

QSizeF schermInTwips() {
    const QScreen* scherm = QGuiApplication::primaryScreen();
    const QSize s = scherm ? scherm->geometry().size() : QSize(1024, 768);
    return {PixelsNaarTwips(s.width()), PixelsNaarTwips(s.height())};
}

QStyle::StandardPixmap plaatjeVan(int plaatje) {
    switch (plaatje) {
    case 1:
        return QStyle::SP_MessageBoxCritical;
    case 2:
        return QStyle::SP_MessageBoxInformation;
    case 3:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return QStyle::SP_MessageBoxWarning;
    }
}
} // namespace

FormMelding::FormMelding()
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Melding"));
    LabelMelding = new QLabel(this);
    LabelMelding->setObjectName(QStringLiteral("LabelMelding"));
    LabelMelding->setTextFormat(Qt::PlainText); // a message is never read as markup
    LabelMelding->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PictureMelding = new QLabel(this);
    PictureMelding->setObjectName(QStringLiteral("PictureMelding"));
    PictureMelding->setAlignment(Qt::AlignCenter);
    auto maakKnop = [this](const char* naam, int code) {
        auto* k = new QPushButton(this);
        k->setObjectName(QString::fromLatin1(naam));
        k->setAutoDefault(true);
        k->hide();
        connect(k, &QPushButton::clicked, this, [this, code] { GeklikteToets = code; });
        return k;
    };
    // Created in the tab order of the design: Retry, Ignore, Cancel, OK, Abort, Yes, No.
    CommandRetry = maakKnop("CommandRetry", vbRetry);
    CommandIgnore = maakKnop("CommandIgnore", vbIgnore);
    CommandCancel = maakKnop("CommandCancel", vbCancel);
    CommandOK = maakKnop("CommandOK", vbOK);
    CommandAbort = maakKnop("CommandAbort", vbAbort);
    CommandYes = maakKnop("CommandYes", vbYes);
    CommandNo = maakKnop("CommandNo", vbNo);
    resize(TwipsNaarPixels(OntwerpBreedte), TwipsNaarPixels(OntwerpHoogte));
}

FormMelding::~FormMelding() {
    openMeldingen().removeAll(this);
}

QPushButton* FormMelding::Knop(int code) const {
    switch (code) {
    case vbOK:
        return CommandOK;
    case vbCancel:
        return CommandCancel;
    case vbAbort:
        return CommandAbort;
    case vbRetry:
        return CommandRetry;
    case vbIgnore:
        return CommandIgnore;
    case vbYes:
        return CommandYes;
    case vbNo:
        return CommandNo;
    default:
        return nullptr;
    }
}

// Reads the remembered position; one at the screen's edge or beyond it centres the box.
void FormMelding::laad() {
    const QSizeF scherm = schermInTwips();
    const float midTop = static_cast<float>((scherm.height() - OntwerpHoogte) / 2);
    const float midLeft = static_cast<float>((scherm.width() - OntwerpBreedte) / 2);
    MeldingTop = TekstNaarSingle(
        LeesInstelling(AppNaam, QStringLiteral("Messagewindow"), QStringLiteral("Top"), midTop));
    MeldingLeft = TekstNaarSingle(
        LeesInstelling(AppNaam, QStringLiteral("Messagewindow"), QStringLiteral("Left"), midLeft));
    if (!(MeldingTop > 0) || MeldingTop >= scherm.height()) MeldingTop = midTop;
    if (!(MeldingLeft > 0) || MeldingLeft >= scherm.width()) MeldingLeft = midLeft;
}

void FormMelding::InitialisatieMelding() {
    laad();
    const double tpp = TwipsPerPixel();
    setWindowTitle(MijnTitel.isEmpty() ? Tekst[298] : MijnTitel);

    // The label takes the size of its text plus one empty line.
    QString tekst = MijnMelding;
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    LabelMelding->setWordWrap(false);
    LabelMelding->setText(tekst + QLatin1Char('\n'));
    const QSize labelMaat = LabelMelding->sizeHint();
    GeklikteToets = 0;
    Gesloten = false;

    const MeldingIcoon icoon = IcoonVanStijl(MijnVlaggen);
    PictureMelding->setPixmap(style()->standardIcon(plaatjeVan(icoon.plaatje)).pixmap(32, 32));
    Geluid = icoon.geluid;

    static const int alle[] = {vbOK, vbCancel, vbRetry, vbAbort, vbIgnore, vbYes, vbNo};
    static const int index[] = {TekstOK, TekstCANCEL, TekstRETRY, TekstABORT, TekstIGNORE, TekstYES, TekstNO};
    double knopBreedte = KnopBreedte;
    for (int i = 0; i < 7; ++i) {
        QPushButton* k = Knop(alle[i]);
        k->hide();
        k->setDefault(false);
        k->setText(Tekst[index[i]]);
        // A caption wider than the design button widens every button alike.
        knopBreedte = std::max(knopBreedte, k->sizeHint().width() * tpp);
    }

    // Size, in twips: room for one button more than the set has, and for the text.
    const MeldingKnoppen set = KnoppenVanStijl(MijnVlaggen);
    const int n = static_cast<int>(set.knoppen.size());
    double labelBreedte = labelMaat.width() * tpp;
    double labelHoogte = labelMaat.height() * tpp;
    double breedte = (n + 1) * knopBreedte + 400 + 500;
    auto hoogteVoor = [&](double labelH) {
        const double onderLabel = LabelBoven + labelH;
        const double onderPlaatje = PlaatjeBoven + PlaatjeMaat;
        return (onderPlaatje > onderLabel ? onderPlaatje : onderLabel) + 1000;
    };
    if (LabelLinks + labelBreedte > breedte) {
        breedte = LabelLinks + labelBreedte + 200 + 500;
        const QSizeF scherm = schermInTwips();
        if (breedte > scherm.width()) {
            // Wider than the screen: the text wraps, and the box grows in height so that all of it
            // stays readable.
            breedte = scherm.width() - 200;
            labelBreedte = breedte - LabelLinks - 200;
            LabelMelding->setWordWrap(true);
            labelHoogte = LabelMelding->heightForWidth(TwipsNaarPixels(labelBreedte)) * tpp;
        }
    }
    const double hoogte = hoogteVoor(labelHoogte);

    LabelMelding->setGeometry(TwipsNaarPixels(LabelLinks), TwipsNaarPixels(LabelBoven),
                              TwipsNaarPixels(labelBreedte), TwipsNaarPixels(labelHoogte));
    PictureMelding->setGeometry(TwipsNaarPixels(PlaatjeLinks), TwipsNaarPixels(PlaatjeBoven),
                                TwipsNaarPixels(PlaatjeMaat), TwipsNaarPixels(PlaatjeMaat));
    setFixedSize(TwipsNaarPixels(breedte), TwipsNaarPixels(hoogte));

    // The set, centred with gaps of 100.
    const double w = knopBreedte;
    const double sw = breedte;
    std::vector<double> links;
    if (n == 1)
        links = {(sw - w) / 2};
    else if (n == 2)
        links = {(sw - 100) / 2 - w, (sw - 100) / 2 + 100};
    else
        links = {(sw - 3 * w) / 2 - 100, (sw - w) / 2, (sw + w) / 2 + 100};
    for (int i = 0; i < n; ++i) {
        QPushButton* k = Knop(set.knoppen[static_cast<size_t>(i)]);
        k->setGeometry(TwipsNaarPixels(links[static_cast<size_t>(i)]), TwipsNaarPixels(hoogte - 500),
                       TwipsNaarPixels(w), TwipsNaarPixels(KnopHoogte));
        k->show();
    }

    move(TwipsNaarPixels(MeldingLeft), TwipsNaarPixels(MeldingTop));
    ZetVensterBovenaan(this);
    // Asked from inside a modal dialog or box, the box belongs to it and is modal itself: a box outside
    // it would take neither mouse nor keyboard while it waits for this one. Asked as the standard box, it
    // takes the user's input alone until it is answered.
    if (!m_open) {
        QWidget* eigenaar = EigenaarVoorNieuwVenster();
        const bool binnen = eigenaar && eigenaar != this;
        setWindowModality(binnen || StandaardMeldingGevraagd() ? Qt::ApplicationModal : Qt::NonModal);
        if (binnen) {
            winId();
            if (QWindow* w = windowHandle()) w->setTransientParent(eigenaar->window()->windowHandle());
        }
    }
    if (!m_open) openMeldingen().append(this);
    m_open = true;
    show();
    activateWindow();
    QPushButton* focus = Knop(set.focus);
    focus->setDefault(true);
    focus->setFocus(Qt::OtherFocusReason);
    repaint();
    SpeelGeluid(Geluid);
}

void FormMelding::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        const int code = KnoppenVanStijl(MijnVlaggen).escape;
        if (code != 0) Knop(code)->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FormMelding::closeEvent(QCloseEvent* e) {
    // A close is no button: Cancel or OK where the box has it as its answer that changes nothing, else none.
    if (GeklikteToets == 0)
        GeklikteToets = platform::NiemandAntwoordt() ? AntwoordZonderGebruiker(MijnVlaggen)
                                                     : AntwoordBijSluiten(MijnVlaggen);
    Gesloten = true;
    e->accept();
}

void FormMelding::bewaarPositie() {
    BewaarInstelling(AppNaam, QStringLiteral("Messagewindow"), QStringLiteral("Top"), MeldingTop);
    BewaarInstelling(AppNaam, QStringLiteral("Messagewindow"), QStringLiteral("Left"), MeldingLeft);
}

void FormMelding::Ontlaad() {
    if (m_open) {
        // Where the user left the box (its frame's top-left corner).
        MeldingTop = static_cast<float>(PixelsNaarTwips(pos().y()));
        MeldingLeft = static_cast<float>(PixelsNaarTwips(pos().x()));
    }
    bewaarPositie();
    ZetVensterNietBovenaan(this);
    hide();
    m_open = false;
    openMeldingen().removeAll(this);
}

void FormMelding::OntlaadAlle() {
    const QList<FormMelding*> open = openMeldingen();
    if (open.isEmpty()) {
        bewaarPositie();
        return;
    }
    for (FormMelding* m : open)
        m->close();
}

QList<FormMelding*> FormMelding::OpenBoxen() {
    return openMeldingen();
}

int ToonFormMelding(const QString& tekst, int stijl, const QString& titel) {
    FormMelding box;
    box.MijnMelding = tekst;
    box.MijnTitel = titel;
    box.MijnVlaggen = stijl;
    box.InitialisatieMelding();
    // A withdrawn question closes as by its title bar; its caller knows it was withdrawn.
    ZetMeldingSluiter([&box] { box.close(); });
    platform::WachtOpVenster([&box] { return box.GeklikteToets != 0 || box.Gesloten; });
    const int antwoord = box.GeklikteToets;
    box.Ontlaad();
    return antwoord;
}

int FormMeldingVenster::Toon(const QString& tekst, int stijl, const QString& titel) {
    return ToonFormMelding(tekst, stijl, titel);
}
