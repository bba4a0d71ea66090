#include "shared/ui/FrmVoortgang.h"

#include "shared/Teksten.h"
#include "shared/Voortgang.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace {
FrmVoortgang* huidig = nullptr;
} // namespace

FrmVoortgangVenster::~FrmVoortgangVenster() {
    // At the very end of the program the window may outlive the application object; it then goes with
    // the process.
    if (!QCoreApplication::instance()) (void)m_venster.release();
}

void FrmVoortgangVenster::Toon(int minimum, int maximum, int waarde, const QString& tekst) {
    if (!m_venster) m_venster = std::make_unique<FrmVoortgang>(tekst);
    m_venster->VoortgangTekst = tekst;
    m_venster->show();
    m_venster->ZetBereik(minimum, maximum, waarde);
    m_venster->repaint();
}

void FrmVoortgangVenster::Zet(int waarde) {
    if (m_venster) m_venster->ZetWaarde(waarde);
}

bool FrmVoortgangVenster::Onderbroken() const {
    return m_venster && m_venster->VoortgangOnderbroken;
}

void FrmVoortgangVenster::Sluit() {
    m_venster.reset();
}

FrmVoortgang::FrmVoortgang(const QString& tekst)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), VoortgangTekst(tekst) {
    setObjectName(QStringLiteral("FrmVoortgang"));
    // Without a title bar, a raised panel marks the window's edge.
    auto* rand = new QFrame(this);
    rand->setFrameStyle(QFrame::Panel | QFrame::Raised);
    rand->setLineWidth(2);
    auto* buiten = new QVBoxLayout(this);
    buiten->setContentsMargins(0, 0, 0, 0);
    buiten->addWidget(rand);
    auto* layout = new QVBoxLayout(rand);
    LabelVoortgang = new QLabel(this);
    LabelVoortgang->setObjectName(QStringLiteral("LabelVoortgang"));
    LabelVoortgang->setTextFormat(Qt::PlainText);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setTextVisible(false);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    layout->addWidget(LabelVoortgang);
    layout->addWidget(ProgressBar);
    layout->addWidget(CommandCancel, 0, Qt::AlignHCenter);
    setMinimumWidth(TwipsNaarPixels(4800));
    connect(CommandCancel, &QPushButton::clicked, this, &FrmVoortgang::CommandCancel_Click);

    LaadStringsVoortgang();
    VoortgangOnderbroken = false;
    ZetVensterBovenaan(this);
    m_druk = QPointF();
    huidig = this;
}

FrmVoortgang::~FrmVoortgang() {
    ZetVensterNietBovenaan(this);
    if (huidig == this) huidig = nullptr;
}

FrmVoortgang* FrmVoortgang::Huidig() {
    return huidig;
}

namespace {
// One frame of a 60 Hz screen: moves of the bar closer together than this are never seen.
constexpr qint64 FrameMs = 16;
} // namespace

void FrmVoortgang::ZetWaarde(int waarde) {
    // A value outside the range is held at its nearest end.
    m_waarde = std::clamp(waarde, ProgressBar->minimum(), ProgressBar->maximum());
    if (m_waarde == ProgressBar->value()) return;
    const bool einde = m_waarde == ProgressBar->minimum() || m_waarde == ProgressBar->maximum();
    if (einde || !m_bewogen.isValid() || m_bewogen.elapsed() >= FrameMs) {
        ToonWaarde();
    } else if (!m_gepland) {
        m_gepland = true;
        QTimer::singleShot(FrameMs - m_bewogen.elapsed(), this, [this] {
            m_gepland = false;
            if (m_waarde != ProgressBar->value()) ToonWaarde();
        });
    }
}

void FrmVoortgang::ZetBereik(int minimum, int maximum, int waarde) {
    ProgressBar->setRange(minimum, maximum);
    m_waarde = std::clamp(waarde, minimum, std::max(minimum, maximum));
    ProgressBar->setValue(m_waarde);
    m_bewogen.invalidate();
}

void FrmVoortgang::ToonWaarde() {
    ProgressBar->setValue(m_waarde);
    m_bewogen.start();
}

void FrmVoortgang::LaadStringsVoortgang() {
    LabelVoortgang->setText(VoortgangTekst);
    CommandCancel->setText(Tekst[141]);
}

void FrmVoortgang::CommandCancel_Click() {
    VoortgangOnderbroken = true;
    VoortgangAfbrekenGevraagd();
}

// The label and the bar leave their mouse events to the window, so every surface drags it.
void FrmVoortgang::mousePressEvent(QMouseEvent* e) {
    m_druk = e->position();
}

void FrmVoortgang::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) {
        const QPoint stap = (e->position() - m_druk).toPoint();
        move(pos() + stap);
    }
}

// The operation closes the window; closing it otherwise asks to cancel, as the Cancel button does.
void FrmVoortgang::closeEvent(QCloseEvent* e) {
    e->ignore();
    CommandCancel_Click();
}
