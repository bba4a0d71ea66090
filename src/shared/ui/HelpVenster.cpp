#include "shared/ui/HelpVenster.h"

#include "shared/Teksten.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

// Outside any namespace, as the resource initialiser must be.
static void InitialiseerHelpBronnen() {
    Q_INIT_RESOURCE(Help);
}

void LaadHelpPaginas() {
    static const bool geladen = (InitialiseerHelpBronnen(), true);
    Q_UNUSED(geladen);
}

namespace {
// The one help window; it deletes itself when the user closes it.
QPointer<HelpVenster> venster;

QUrl BronUrl(const QString& pad) {
    // ":/help/K740EN/settings.htm" -> "qrc:/help/K740EN/settings.htm"
    return QUrl(QStringLiteral("qrc") + pad);
}
} // namespace

HelpVenster::HelpVenster(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpVenster"));
    m_browser->setObjectName(QStringLiteral("HelpTekst"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    m_browser->document()->setDocumentMargin(10);

    auto* balk = new QToolBar(this);
    balk->setObjectName(QStringLiteral("HelpBalk"));
    balk->setIconSize(QSize(16, 16));
    Terug = balk->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), m_browser,
                            &QTextBrowser::backward);
    Terug->setObjectName(QStringLiteral("HelpTerug"));
    Terug->setShortcuts({QKeySequence::Back, QKeySequence(Qt::Key_Backspace)});
    Terug->setEnabled(false);
    Vooruit = balk->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), m_browser,
                              &QTextBrowser::forward);
    Vooruit->setObjectName(QStringLiteral("HelpVooruit"));
    Vooruit->setShortcut(QKeySequence::Forward);
    Vooruit->setEnabled(false);
    Inhoud = balk->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString(), this, [this] {
        // The main page in the language of the page shown.
        const QString map = pagina().section(QLatin1Char('/'), 0, -2);
        toonPagina(map + QLatin1Char('/') + HelpPagina(HelpHoofdvenster).section(QLatin1Char('/'), -1));
    });
    Inhoud->setObjectName(QStringLiteral("HelpInhoud"));
    Inhoud->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    for (QAction* a : {Terug, Vooruit, Inhoud})
        a->setShortcutContext(Qt::WindowShortcut);
    connect(m_browser, &QTextBrowser::backwardAvailable, Terug, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, Vooruit, &QAction::setEnabled);

    auto* opmaak = new QVBoxLayout(this);
    opmaak->setContentsMargins(0, 0, 0, 0);
    opmaak->setSpacing(0);
    opmaak->addWidget(balk);
    opmaak->addWidget(m_browser);
    // The keys (arrows, Page Down, Tab to the next link) work on the page.
    setFocusProxy(m_browser);
    m_browser->setFocus();
    resize(640, 480);
}

void HelpVenster::toonPagina(const QString& pad) {
    m_browser->setSource(BronUrl(pad));
}

void HelpVenster::HoortBij(QWidget* dialoog) {
    if (dialoog == this || dialoog == parentWidget()) return;
    if (QWidget* oud = parentWidget()) oud->removeEventFilter(this);
    const QRect plaats = geometry();
    const bool zichtbaar = isVisible();
    setParent(dialoog, Qt::Window);
    setGeometry(plaats);
    if (dialoog) dialoog->installEventFilter(this);
    if (zichtbaar) show();
}

bool HelpVenster::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (object == parentWidget() && gebeurtenis->type() == QEvent::Hide) HoortBij(nullptr);
    return QWidget::eventFilter(object, gebeurtenis);
}

QString HelpVenster::pagina() const {
    const QUrl bron = m_browser->source();
    return QLatin1Char(':') + bron.path();
}

QRect HelpPlaats(QRect venster, QMargins rand, QRect scherm, bool nieuw) {
    if (scherm.isEmpty()) return venster;
    const QRect binnen = scherm.marginsRemoved(rand);
    if (nieuw) {
        venster.setSize(venster.size().boundedTo(binnen.size()));
        venster.moveCenter(binnen.center());
        return venster;
    }
    venster.setSize(venster.size().boundedTo(binnen.size()));
    venster.moveLeft(std::clamp(venster.left(), binnen.left(), binnen.right() + 1 - venster.width()));
    venster.moveTop(std::clamp(venster.top(), binnen.top(), binnen.bottom() + 1 - venster.height()));
    return venster;
}

namespace {
// The frame the window manager draws around a window (none before it has framed it).
QMargins Rand(const QWidget& w) {
    const QRect kader = w.frameGeometry();
    const QRect binnen = w.geometry();
    return QMargins(binnen.left() - kader.left(), binnen.top() - kader.top(), kader.right() - binnen.right(),
                    kader.bottom() - binnen.bottom());
}

// The frame a new window will get: as the window that asked for help has (or any other framed window
// of the program).
QMargins Vensterrand() {
    QList<QWidget*> vensters{QApplication::activeWindow()};
    vensters << QApplication::topLevelWidgets();
    for (const QWidget* w : vensters)
        if (w && w->isVisible() && !Rand(*w).isNull()) return Rand(*w);
    return {};
}

// The help window on page `pad`, its captions from `teksten`.
void ToonHelpPagina(const QString& pad, const TekstenTabel& teksten) {
    const bool nieuw = !venster;
    if (nieuw) {
        venster = new HelpVenster;
        venster->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, venster, [] { SluitHelp(); });
    }
    // Help asked from a dialog that holds the program (the print dialog) is read while it waits.
    venster->HoortBij(QApplication::activeModalWidget());
    QString titel = teksten[227];
    titel.remove(QLatin1Char('&'));
    venster->setWindowTitle(QStringLiteral("K740 - ") + titel);
    QString inhoud = teksten[243];
    venster->Inhoud->setToolTip(inhoud.remove(QLatin1Char('&')));
    venster->toonPagina(pad);
    // A new window comes up whole in the middle of the free part of the screen of the window that
    // asked (the window manager might put it partly below the screen); a shown one stays where the
    // reader put it, moved back onto the screen where it ran off.
    const QWidget* vrager = QApplication::activeWindow();
    const QScreen* scherm = vrager && vrager != venster ? vrager->screen() : venster->screen();
    if (!scherm) scherm = QGuiApplication::primaryScreen();
    if (scherm) {
        const QMargins rand = venster->isVisible() ? Rand(*venster) : Vensterrand();
        const QRect plaats = HelpPlaats(venster->geometry(), rand, scherm->availableGeometry(), nieuw);
        if (plaats != venster->geometry()) venster->setGeometry(plaats);
    }
    venster->showNormal();
    venster->raise();
    venster->activateWindow();
}
} // namespace

void ToonHelp(const QString& onderwerp) {
    LaadHelpPaginas();
    QString pad = HelpPagina(onderwerp);
    if (!QFile::exists(pad)) pad = HelpPagina(HelpHoofdvenster);
    ToonHelpPagina(pad, Tekst);
}

void ToonHelp(int taal, const QString& onderwerp) {
    LaadHelpPaginas();
    QString pad = HelpPagina(taal, onderwerp);
    if (!QFile::exists(pad)) pad = HelpPagina(taal, HelpHoofdvenster);
    ToonHelpPagina(pad, TekstenVan(taal));
}

void SluitHelp() {
    delete venster.data();
}
