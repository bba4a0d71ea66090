#include "shell/frmSplash.h"

#include "acquisition/Programmastatus.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVersionNumber>

namespace {

// Design positions and sizes are in twips.
QRect Twips(int links, int boven, int breedte, int hoogte) {
    return {TwipsNaarPixels(links), TwipsNaarPixels(boven), TwipsNaarPixels(breedte),
            TwipsNaarPixels(hoogte)};
}

QLabel* MaakLabel(QWidget* ouder, const QRect& plaats, const QString& lettertype, double punten, bool vet,
                  const QColor& kleur, Qt::Alignment uitlijning) {
    auto* label = new QLabel(ouder);
    // The user's and the computer's names among them: shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(plaats);
    QFont f(lettertype);
    f.setPointSizeF(punten);
    f.setBold(vet);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kleur);
    label->setPalette(p);
    label->setAlignment(uitlijning | Qt::AlignVCenter);
    return label;
}

// Sets the text, making the font smaller when the text would not fit the label's width (the design
// fonts may be replaced by wider ones on this system).
void ZetPassend(QLabel* label, const QString& tekst) {
    label->setText(tekst);
    QFont f = label->font();
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(tekst) > label->width() - 2)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
}

// The product picture: a rack of seven plug-in modules with their displays and status lights.
class Productfoto : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(4, 10, -4, -10);
        p.setPen(QPen(QColor(40, 40, 48), 2));
        p.setBrush(QColor(70, 74, 86));
        p.drawRoundedRect(r, 6, 6);
        const double breedte = (r.width() - 16) / 7.0;
        for (int m = 0; m < 7; ++m) {
            const QRectF module(r.left() + 8 + m * breedte + 2, r.top() + 8, breedte - 4, r.height() - 16);
            p.setPen(QPen(QColor(30, 30, 36), 1));
            p.setBrush(QColor(190, 194, 204));
            p.drawRect(module);
            p.setBrush(QColor(20, 60, 40));
            p.drawRect(
                QRectF(module.left() + 4, module.top() + 6, module.width() - 8, module.height() * 0.28));
            p.setBrush(m == 2 ? QColor(220, 40, 40) : QColor(48, 160, 48));
            p.drawEllipse(QPointF(module.center().x(), module.top() + module.height() * 0.48), 3.5, 3.5);
            p.setBrush(QColor(60, 60, 66));
            for (int i = 0; i < 4; ++i)
                p.drawEllipse(QPointF(module.center().x(), module.top() + module.height() * (0.6 + i * 0.1)),
                              3, 3);
        }
    }
};

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(TwipsNaarPixels(7380), TwipsNaarPixels(4800));
    setAutoFillBackground(true);
    QPalette achtergrond = palette();
    achtergrond.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(achtergrond);

    // The broad vertical band.
    auto* band = new QWidget(this);
    band->setGeometry(Twips(1020, 0, 101, 4800));
    band->setAutoFillBackground(true);
    QPalette bandKleur = band->palette();
    bandKleur.setColor(QPalette::Window, QColor(105, 131, 199));
    band->setPalette(bandKleur);
    band->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The company word in silver, 60 twips right of and below the red one that stands over it.
    const QString bedrijf = QStringLiteral("Quorvex");
    lblCompanyProduct = MaakLabel(this, Twips(3255, 120, 2580, 915), QStringLiteral("Trebuchet MS"), 36, true,
                                  QColor(192, 192, 192), Qt::AlignHCenter);
    ZetPassend(lblCompanyProduct, bedrijf);
    Label1 = MaakLabel(this, Twips(3195, 60, 2580, 915), QStringLiteral("Trebuchet MS"), 36, true,
                       QColor(192, 0, 0), Qt::AlignHCenter);
    ZetPassend(Label1, bedrijf);

    ImgFoto = new Productfoto(this);
    ImgFoto->setGeometry(Twips(2400, 1080, 4335, 1875));

    const QColor donkerblauw(0, 0, 64);
    lblProductName = MaakLabel(this, Twips(1980, 3120, 5175, 660), QStringLiteral("Arial"), 15.75, true,
                               donkerblauw, Qt::AlignHCenter);
    lblVersion = MaakLabel(this, Twips(5715, 3900, 1470, 285), QStringLiteral("Arial"), 12, true, donkerblauw,
                           Qt::AlignRight);
    LblDate = MaakLabel(this, Twips(2040, 4200, 5115, 255), QStringLiteral("Arial"), 8.25, false, donkerblauw,
                        Qt::AlignRight);
    lblCopyright = MaakLabel(this, Twips(2040, 4500, 5115, 255), QStringLiteral("Arial"), 8.25, false,
                             donkerblauw, Qt::AlignRight);
    lblCopyright->setText(QStringLiteral("Copyright \u00A9 Quorvex. All rights reserved."));

    // Load.
    for (QWidget* w : {static_cast<QWidget*>(Label1), ImgFoto, static_cast<QWidget*>(lblVersion),
                       static_cast<QWidget*>(lblProductName)})
        w->setToolTip(Tekst[398]);
    ZetPassend(lblVersion, VersieTekst(QCoreApplication::applicationVersion()));
    ZetPassend(lblProductName, ProductTekst());
    const QFileInfo programma(QCoreApplication::applicationFilePath());
    LblDate->setText(programma.exists()
                         ? QLocale().toString(programma.lastModified().date(), QLocale::LongFormat)
                         : QString());

    for (QWidget* w : {ImgFoto, static_cast<QWidget*>(lblCompanyProduct), static_cast<QWidget*>(lblCopyright),
                       static_cast<QWidget*>(lblProductName), static_cast<QWidget*>(lblVersion)})
        w->installEventFilter(this);
    // A click on the red word or the date does nothing (and does not drag).
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    LblDate->installEventFilter(this);
    Label1->installEventFilter(this);

    if (const QScreen* scherm = screen()) move(scherm->availableGeometry().center() - rect().center());
    setFocusPolicy(Qt::StrongFocus);
    ZetVensterBovenaan(this);
    m_muis = QPoint(0, 0);
}

frmSplash::~frmSplash() {
    ZetVensterNietBovenaan(this);
}

QString frmSplash::VersieTekst(const QString& versie) {
    const QVersionNumber v = QVersionNumber::fromString(versie);
    return Tekst[238] +
           QStringLiteral(" %1.%2.%3").arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

QString frmSplash::ProductTekst() {
    QString tekst = QStringLiteral("K740 ") + Tekst[239];
    if (AlarmUitgang) tekst += QStringLiteral(" (Pelm/Alert)");
    if (Demo) tekst += QStringLiteral(" (DEMO)");
    return tekst;
}

bool frmSplash::event(QEvent* event) {
    // A modal window has opened: it blocks this one, which would stay on top of it, out of reach of
    // the mouse and the keyboard.
    if (event->type() == QEvent::WindowBlocked && isVisible()) close();
    return QWidget::event(event);
}

void frmSplash::changeEvent(QEvent* event) {
    // Disabled with the main window, by a window that holds it (the settings dialog): out of reach too.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && isVisible()) close();
    QWidget::changeEvent(event);
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    close();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    m_muis = event->position().toPoint();
}

void frmSplash::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) move(pos() + event->position().toPoint() - m_muis);
}

bool frmSplash::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (object == Label1 || object == LblDate) return true;
        close();
        return true;
    }
    return QWidget::eventFilter(object, event);
}
