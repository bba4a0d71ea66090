#include "shell/frmTerminal.h"

#include "acquisition/Programmastatus.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>
#include <memory>

namespace {

constexpr int MaximaleLengte = 20000;
// The text box shows new traffic at most this often.
constexpr qint64 BijwerkenNaMs = 250;

QPointer<frmTerminal> venster;
bool aangevinkt = false;

// The check mark of the terminal's menu item is the terminal's state; without a main window the
// terminal keeps it itself.
void ZetVinkje(bool aan) {
    aangevinkt = aan;
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->ZetTerminalAangevinkt(aan);
}
bool Aangevinkt() {
    if (mdiK740* hoofd = HoofdvensterK740()) return hoofd->TerminalAangevinkt();
    return aangevinkt;
}

// A Boolean of the settings store: "True", or a number other than 0.
bool LeesVlag(const QString& sleutel, const char* standaard) {
    const QString t = LeesInstelling(AppNaam, QStringLiteral("Terminal"), sleutel, standaard).trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    bool getal = false;
    const double v = t.toDouble(&getal);
    return getal && v != 0;
}

// The traffic as bytes: each byte of the line was handed over as the character of that code, and comes
// back as that byte; other characters of an information line go as Windows-1252.
QByteArray VerkeersBytes(const QString& tekst) {
    QByteArray bytes;
    bytes.reserve(tekst.size());
    for (const QChar c : tekst) {
        if (c.unicode() <= 0xFF)
            bytes.append(static_cast<char>(c.unicode()));
        else
            bytes.append(platform::NaarWindows1252(QString(c)));
    }
    return bytes;
}

// What the text box shows of a piece of text: CR LF (and a lone LF) ends a line, a lone CR shows nothing.
QString Weergave(const QString& tekst) {
    QString t = tekst;
    t.remove(QLatin1Char('\r'));
    return t;
}

} // namespace

frmTerminal::frmTerminal(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmTerminal"));
    setProperty("Tag", Tag);
    setWindowTitle(QStringLiteral("Terminal"));
    FrameSerialPort = new QGroupBox(QStringLiteral("Serial port"), this);
    FrameSerialPort->setObjectName(QStringLiteral("FrameSerialPort"));
    CheckIncoming = new QCheckBox(QStringLiteral("In"), FrameSerialPort);
    CheckIncoming->setObjectName(QStringLiteral("CheckIncoming"));
    CheckOutgoing = new QCheckBox(QStringLiteral("Out"), FrameSerialPort);
    CheckOutgoing->setObjectName(QStringLiteral("CheckOutgoing"));
    CheckHexadecimaal = new QCheckBox(QStringLiteral("Hex"), FrameSerialPort);
    CheckHexadecimaal->setObjectName(QStringLiteral("CheckHexadecimaal"));
    CheckInformation = new QCheckBox(QStringLiteral("Information"), this);
    CheckInformation->setObjectName(QStringLiteral("CheckInformation"));
    TxtLineInput = new QPlainTextEdit(this);
    TxtLineInput->setObjectName(QStringLiteral("TxtLineInput"));
    // Nothing reads typed text: the box only shows the traffic (and lets it be selected and copied).
    TxtLineInput->setReadOnly(true);
    TxtLineInput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    TxtLineInput->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Nothing is undone in a box that only shows: the text added a few times a second keeps no undo
    // records (which grew with every addition until the text was cut).
    TxtLineInput->setUndoRedoEnabled(false);
    // The box's text is drawn in the Text colour: the font record keeps that colour as the control's.
    TxtLineInput->setForegroundRole(QPalette::Text);
    TxtLineInput->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtLineInput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The design's places, grown to the font: the three switches side by side in the frame, the
    // information switch right of it with its bottom 60 twips above the frame's bottom.
    auto* rij = new QHBoxLayout(FrameSerialPort);
    rij->setContentsMargins(TwipsNaarPixels(120), 0, TwipsNaarPixels(120), TwipsNaarPixels(60));
    rij->setSpacing(TwipsNaarPixels(60));
    rij->addWidget(CheckIncoming);
    rij->addWidget(CheckOutgoing);
    rij->addWidget(CheckHexadecimaal);
    FrameSerialPort->setFixedSize(std::max(TwipsNaarPixels(2235), FrameSerialPort->sizeHint().width()),
                                  std::max(TwipsNaarPixels(495), FrameSerialPort->sizeHint().height()));
    FrameSerialPort->move(0, 0);
    CheckInformation->adjustSize();
    CheckInformation->move(FrameSerialPort->width() + TwipsNaarPixels(105),
                           FrameSerialPort->height() - TwipsNaarPixels(60) - CheckInformation->height());
    resize(TwipsNaarPixels(5220), TwipsNaarPixels(3315));

    connect(CheckOutgoing, &QCheckBox::clicked, this, &frmTerminal::CheckOutgoing_Click);
    connect(CheckIncoming, &QCheckBox::clicked, this, &frmTerminal::CheckIncoming_Click);
    connect(CheckHexadecimaal, &QCheckBox::clicked, this, &frmTerminal::CheckHexadecimaal_Click);
    connect(CheckInformation, &QCheckBox::clicked, this, &frmTerminal::CheckInformation_Click);
}

QSize frmTerminal::sizeHint() const {
    return QSize(TwipsNaarPixels(10000), TwipsNaarPixels(7000));
}

void frmTerminal::Herladen() {
    if (Fabrieksmodus) {
        TerminalDataUit = LeesVlag(QStringLiteral("Data out"), "False");
        TerminalDataIn = LeesVlag(QStringLiteral("Data in"), "False");
        TerminalDataHex = LeesVlag(QStringLiteral("Data hex"), "False");
        TerminalDataInfo = LeesVlag(QStringLiteral("Data info"), "True");
        FrameSerialPort->setVisible(true);
        CheckInformation->setVisible(true);
    } else {
        TerminalDataUit = false;
        TerminalDataIn = false;
        TerminalDataHex = false;
        TerminalDataInfo = true;
        FrameSerialPort->setVisible(false);
        CheckInformation->setVisible(false);
    }
    QWidget* kader = Kindvensterkader(this);
    LeesVensterPositie(QStringLiteral("Terminal"), kader);
    kader->setWindowState(kader->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    TxtLineInput->setGeometry(0, 0, width(), height());
    LeesLettertype(QStringLiteral("Terminal"), TxtLineInput);
    Form_Resize();
    CheckOutgoing->setChecked(CheckWaarde(TerminalDataUit) != 0);
    CheckIncoming->setChecked(CheckWaarde(TerminalDataIn) != 0);
    CheckHexadecimaal->setChecked(CheckWaarde(TerminalDataHex) != 0);
    CheckInformation->setChecked(CheckWaarde(TerminalDataInfo) != 0);
    CheckOutgoing_Click();
    CheckIncoming_Click();
    CheckHexadecimaal_Click();
    CheckInformation_Click();
}

void frmTerminal::ToevoegenTextBox(const QString& Text) {
    if (!Aangevinkt()) return;
    if (LogbestandAan) platform::VoegToeAanBestand(CommunicatieLogPad(platform::Nu()), VerkeersBytes(Text));

    QString erbij;
    if (HexaDecimaal) {
        for (const QChar c : Text) {
            erbij += QString::number(c.unicode(), 16).toUpper() + QLatin1Char(' ');
            // Every CR LF of the traffic ends a line of the hexadecimal view, also when the CR came
            // with the call before.
            if (c == QLatin1Char('\n') && m_vorigTeken == QLatin1Char('\r')) erbij += QStringLiteral("\r\n");
            m_vorigTeken = c;
        }
    } else {
        erbij = Text;
    }
    m_tekst += erbij;
    m_nietGetoond += erbij.size();
    if (m_tekst.size() > MaximaleLengte) {
        m_tekst = m_tekst.right(m_tekst.size() / 2);
        m_heelOpnieuw = true;
    }

    // The traffic comes a byte or a line at a time, dozens of times a second: the box takes what has
    // gathered a few times a second.
    if (!m_bijwerkenGepland) {
        m_bijwerkenGepland = true;
        platform::klok().planIn(BijwerkenNaMs, [venster = QPointer<frmTerminal>(this)] {
            if (venster) venster->WerkTekstvakBij();
        });
    }
}

void frmTerminal::WerkTekstvakBij() {
    m_bijwerkenGepland = false;
    if (m_heelOpnieuw) {
        TxtLineInput->setPlainText(Weergave(m_tekst));
    } else if (m_nietGetoond > 0) {
        TxtLineInput->moveCursor(QTextCursor::End);
        TxtLineInput->insertPlainText(Weergave(m_tekst.right(std::min(m_nietGetoond, m_tekst.size()))));
    }
    m_heelOpnieuw = false;
    m_nietGetoond = 0;
    // The newest text in view.
    TxtLineInput->moveCursor(QTextCursor::End);
    TxtLineInput->ensureCursorVisible();
}

void frmTerminal::CopyTerminal() {
    QClipboard* klembord = QGuiApplication::clipboard();
    klembord->clear();
    klembord->setText(m_tekst);
}

void frmTerminal::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void frmTerminal::Form_Resize() {
    ConfiguratieGewijzigd = true;
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->ZetKnoppen();
    if (Fabrieksmodus) {
        const int y = CheckInformation->geometry().bottom() + 1 + TwipsNaarPixels(60);
        if (y < height()) TxtLineInput->setGeometry(0, y, width(), height() - y);
    } else {
        TxtLineInput->setGeometry(0, 0, width(), height());
    }
}

void frmTerminal::CheckOutgoing_Click() {
    TerminalDataUit = CheckOutgoing->isChecked();
}
void frmTerminal::CheckIncoming_Click() {
    TerminalDataIn = CheckIncoming->isChecked();
}
void frmTerminal::CheckHexadecimaal_Click() {
    HexaDecimaal = CheckHexadecimaal->isChecked();
    TerminalDataHex = HexaDecimaal;
}
void frmTerminal::CheckInformation_Click() {
    TerminalDataInfo = CheckInformation->isChecked();
}

// Unload: the check mark goes and the text is lost with the window.
void frmTerminal::closeEvent(QCloseEvent* e) {
    ZetVinkje(false);
    e->accept();
}

frmTerminal* TerminalVenster() {
    return venster;
}

bool TerminalAangevinkt() {
    return Aangevinkt();
}

void ToonTerminal() {
    if (!venster) {
        auto nieuw = std::make_unique<frmTerminal>();
        nieuw->setAttribute(Qt::WA_DeleteOnClose);
        venster = nieuw.get();
        NeemKindvensterOp(std::move(nieuw));
        ZetVinkje(true);
        venster->Herladen();
        ToonKindvenster(venster);
    } else {
        ZetVinkje(true);
        venster->show();
        ToonKindvenster(venster);
        Kindvensterkader(venster)->raise();
    }
}

void VerbergTerminal() {
    ZetVinkje(false);
    if (!venster) return;
    Kindvensterkader(venster)->hide();
}

void TerminalToevoegen(const QString& tekst, bool hexadecimaal) {
    if (!Aangevinkt() || !venster) return;
    venster->HexaDecimaal = hexadecimaal;
    venster->ToevoegenTextBox(tekst);
    venster->HexaDecimaal = false;
}

QString CommunicatieLogPad(platform::Datum dag) {
    const QString naam = QStringLiteral("K740communicationLog_") +
                         platform::QDateTimeUitDatum(dag).date().toString(QStringLiteral("yyMMdd")) +
                         QStringLiteral(".txt");
    QString map = MapGegevens;
    while (map.endsWith(QLatin1Char('/')) || map.endsWith(QLatin1Char('\\')))
        map.chop(1);
    if (map.isEmpty()) return naam;
    return map + QLatin1Char('/') + naam;
}

void ResetTerminal() {
    delete venster.data();
    venster = nullptr;
    aangevinkt = false;
}
