#include "shared/ui/HelpVenster.h"

#include "shared/Teksten.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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
    auto* opmaak = new QVBoxLayout(this);
    opmaak->setContentsMargins(0, 0, 0, 0);
    opmaak->addWidget(m_browser);
    resize(640, 480);
}

void HelpVenster::toonPagina(const QString& pad) {
    m_browser->setSource(BronUrl(pad));
}

QString HelpVenster::pagina() const {
    const QUrl bron = m_browser->source();
    return QLatin1Char(':') + bron.path();
}

void ToonHelp(const QString& onderwerp) {
    LaadHelpPaginas();
    QString pad = HelpPagina(onderwerp);
    if (!QFile::exists(pad)) pad = HelpPagina(HelpHoofdvenster);

    if (!venster) {
        venster = new HelpVenster;
        venster->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, venster, [] { SluitHelp(); });
    }
    QString titel = Tekst[227];
    titel.remove(QLatin1Char('&'));
    venster->setWindowTitle(QStringLiteral("K740 - ") + titel);
    venster->toonPagina(pad);
    venster->showNormal();
    venster->raise();
    venster->activateWindow();
}

void SluitHelp() {
    delete venster.data();
}
