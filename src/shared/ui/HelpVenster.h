#pragma once
// The help window: shows the help page of a topic in the current language. The pages are HTML
// resources, one set per language; the window is made on first use and reused afterwards.
#include <QMargins>
#include <QRect>
#include <QString>
#include <QWidget>

class QAction;
class QTextBrowser;

class HelpVenster : public QWidget {
    Q_OBJECT
public:
    explicit HelpVenster(QWidget* parent = nullptr);
    // Shows the page at a resource path (":/help/K740EN/settings.htm").
    void toonPagina(const QString& pad);
    // The resource path of the page shown.
    QString pagina() const;

    // The reader's way through the pages: back (Alt+Left, Backspace), forward (Alt+Right) and the
    // main page of the language shown (Alt+Home), on a small toolbar above the page.
    QAction* Terug = nullptr;
    QAction* Vooruit = nullptr;
    QAction* Inhoud = nullptr;

    // A modal dialog blocks every window but its own: while `dialoog` waits the help window is one of
    // its windows, so that help asked from it can be read; when the dialog goes away (or for nullptr)
    // the help window stands on its own again, where and as it was.
    void HoortBij(QWidget* dialoog);

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    QTextBrowser* m_browser;
};

// Where the help window goes on the free part of a screen `scherm`, `venster` being its place and size
// and `rand` the window manager's frame around it (all in screen pixels): a new window keeps its size
// as far as the screen holds it, centred; a shown one keeps its place unless its frame runs off the
// screen, and is then moved (and if need be made smaller) to lie on it whole.
QRect HelpPlaats(QRect venster, QMargins rand, QRect scherm, bool nieuw);

// Makes the help pages available as resources; ToonHelp does it itself.
void LaadHelpPaginas();
// Opens the help window on a topic ("::/settings.htm") in the language of the text table, in front and
// with the focus. A topic without a page shows the main window's page.
void ToonHelp(const QString& onderwerp);
// The same in language `taal`, whatever the text table holds (the settings window's language preview).
void ToonHelp(int taal, const QString& onderwerp);
// Closes the help window (at program end, and to start clean).
void SluitHelp();
