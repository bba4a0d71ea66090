#include "shell/DialogInputTijdstip.h"

#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/ui/Titelbalk.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <algorithm>
#include <cmath>

namespace {
const QDate EersteDag(1753, 1, 1);
const QDate LaatsteDag(9999, 12, 31);

// A moment in whole seconds, so that a moment built from a day and a time of day equals the same moment
// computed as a sum of day fractions.
long long Seconden(platform::Datum d) {
    return std::llround(d * 86400.0);
}
} // namespace

DialogInputTijdstip::DialogInputTijdstip()
    : m_minimum(platform::DatumUitQDateTime(QDateTime(EersteDag, QTime(0, 0)))) {
    setObjectName(QStringLiteral("DialogInputTijdstip"));
    LabelDate = new QLabel(this);
    LabelDate->setObjectName(QStringLiteral("LabelDate"));
    MonthView = new QCalendarWidget(this);
    MonthView->setObjectName(QStringLiteral("MonthView"));
    MonthView->setDateRange(EersteDag, LaatsteDag);
    MonthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    LabelTime = new QLabel(this);
    LabelTime->setObjectName(QStringLiteral("LabelTime"));
    DTPicker = new QTimeEdit(this);
    DTPicker->setObjectName(QStringLiteral("DTPicker"));
    DTPicker->setDisplayFormat(platform::LangeTijdPatroon());
    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(LabelDate, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(MonthView, 0, 1);
    raster->addWidget(LabelTime, 1, 0);
    raster->addWidget(DTPicker, 1, 1, Qt::AlignLeft);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    raster->addLayout(knoppen, 2, 0, 1, 2);

    connect(OKButton, &QPushButton::clicked, this, &DialogInputTijdstip::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DialogInputTijdstip::CancelButton_Click);
}

void DialogInputTijdstip::ZetMinDate(platform::Datum minimum) {
    m_minimum = minimum;
    QDate dag = platform::QDateTimeUitDatum(minimum).date();
    if (!dag.isValid() || dag < EersteDag) dag = EersteDag;
    MonthView->setMinimumDate(dag);
}

void DialogInputTijdstip::changeEvent(QEvent* e) {
    if (e->type() == QEvent::WindowTitleChange && m_geladen) ZetMaat();
    QDialog::changeEvent(e);
}

// A fixed size: that of the controls, and wide enough for the caption (the caller's, in any language)
// to show whole in the title bar.
void DialogInputTijdstip::ZetMaat() {
    ensurePolished();
    const QSize inhoud = layout()->sizeHint();
    setFixedSize(std::max(inhoud.width(), TitelbalkBreedte(*this)), inhoud.height());
}

void DialogInputTijdstip::showEvent(QShowEvent* e) {
    if (!m_geladen) Form_Load();
    QDialog::showEvent(e);
}

void DialogInputTijdstip::ToonModaal() {
    if (!m_geladen) Form_Load();
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    platform::WachtOpVenster([this] { return !isVisible(); });
}

void DialogInputTijdstip::Form_Load() {
    m_geladen = true;
    const platform::Datum nu = platform::Nu();
    if (Tijdstip < nu) Tijdstip = nu;
    const QDateTime moment = platform::QDateTimeUitDatum(Tijdstip);
    MonthView->setSelectedDate(moment.date());
    DTPicker->setTime(moment.time());
    Onderbroken = false;
    LabelDate->setText(TekstInTaal(124) + QLatin1Char(':'));
    LabelTime->setText(TekstInTaal(125) + QLatin1Char(':'));
    OKButton->setText(TekstInTaal(140));
    CancelButton->setText(TekstInTaal(141));
    ZetMaat();
}

QString DialogInputTijdstip::TekstInTaal(int index) const {
    return Taal ? TekstenVan(*Taal)[index] : Tekst[index];
}

void DialogInputTijdstip::OKButton_Click() {
    // The day only from the calendar, the time of day only from the time field.
    const QTime tijd = DTPicker->time();
    const platform::Datum t = platform::DatumUitQDateTime(
        QDateTime(MonthView->selectedDate(), QTime(tijd.hour(), tijd.minute(), tijd.second())));
    if (Seconden(m_minimum) > Seconden(t)) {
        ToonStandaardMelding(TekstInTaal(327), vbExclamation, windowTitle());
        return;
    }
    Tijdstip = t;
    hide();
}

void DialogInputTijdstip::CancelButton_Click() {
    Onderbroken = true;
    hide();
}

// Escape and the title bar close the dialog as Cancel does.
void DialogInputTijdstip::reject() {
    CancelButton_Click();
}
