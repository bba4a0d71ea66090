#pragma once
// The terminal: a child window of the main window that shows the traffic of the rack line as it
// happens (bytes sent, bytes received, information lines of the command set), as text or in
// hexadecimal, and with the "/logfile" switch appends every piece of it to the day's communication log
// in the data folder. In factory mode the user chooses what is shown; otherwise only information lines.
#include "platform/Datum.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;

class frmTerminal : public QWidget {
    Q_OBJECT
public:
    explicit frmTerminal(QWidget* parent = nullptr);

    // The text given to ToevoegenTextBox is shown as hexadecimal byte values.
    bool HexaDecimaal = false;
    // Other windows recognise the terminal by "termi".
    const QString Tag = QStringLiteral("terminal");

    // Sets the filters from the settings (factory mode) or to information lines only, the placement and
    // font, and the layout.
    void Herladen();
    // Adds a piece of traffic to the window and to the communication log; nothing while the terminal
    // is not open (the Extra > Terminal check mark). The text box shows what was added within a
    // quarter of a second.
    void ToevoegenTextBox(const QString& Text);
    // Puts the whole text on the clipboard.
    void CopyTerminal();
    // The size Cascade gives the terminal: about the size it opens at while the settings hold no
    // placement of it, as for a table.
    QSize sizeHint() const override;
    // The text as it stands, with the CR LF of the traffic.
    QString TerminalTekst() const { return m_tekst; }

    QGroupBox* FrameSerialPort = nullptr;
    QCheckBox* CheckIncoming = nullptr;
    QCheckBox* CheckOutgoing = nullptr;
    QCheckBox* CheckHexadecimaal = nullptr;
    QCheckBox* CheckInformation = nullptr;
    QPlainTextEdit* TxtLineInput = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Resize();
    void CheckOutgoing_Click();
    void CheckIncoming_Click();
    void CheckHexadecimaal_Click();
    void CheckInformation_Click();

    // Shows in the text box what was added since it was last brought up to date.
    void WerkTekstvakBij();

    QString m_tekst;
    // The last character rendered in hexadecimal (none before the first).
    QChar m_vorigTeken;
    // What the text box does not show yet: the last characters of the text, or (after the text was
    // halved) all of it.
    qsizetype m_nietGetoond = 0;
    bool m_heelOpnieuw = false;
    bool m_bijwerkenGepland = false;
};

// The terminal while it is loaded, else nullptr.
frmTerminal* TerminalVenster();
// The terminal is open: the check mark of the Extra > Terminal menu item.
bool TerminalAangevinkt();
// Opens the terminal (loading it on first use) and sets the check mark; brings it to the front when it
// is open.
void ToonTerminal();
// Hides the terminal and removes the check mark; its text stays for the next ToonTerminal.
void VerbergTerminal();
// What the main window's terminal hook forwards to: the engine's byte echoes (with hexadecimaal set
// from the Hex switch) and information lines.
void TerminalToevoegen(const QString& tekst, bool hexadecimaal);
// "K740communicationLog_" followed by the day as yymmdd and ".txt", in the data folder.
QString CommunicatieLogPad(platform::Datum dag);
// Unloads the terminal and clears the check mark (program end, tests).
void ResetTerminal();
