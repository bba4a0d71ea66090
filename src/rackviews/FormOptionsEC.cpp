#include "rackviews/FormOptionsEC.h"

#include "acquisition/Programmastatus.h"
#include "rackviews/ModuleInstellingen.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int TekstAlgemeen = 201, TekstModule = 202, TekstBereik = 237, TekstCeltype = 329, TekstAan = 354,
              TekstCompensatie = 359, TekstReferentie = 360, TekstTitel = 363, TekstKnopOK = 140,
              TekstKnopAnnuleren = 141;
} // namespace

AtcPlaatje::AtcPlaatje(QWidget* ouder) : QWidget(ouder) {
    setFixedSize(sizeHint());
}

void AtcPlaatje::zetAan(bool aan) {
    if (aan == m_aan) return;
    m_aan = aan;
    update();
}

void AtcPlaatje::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor lijn = m_aan ? palette().color(QPalette::WindowText) : palette().color(QPalette::Mid);
    const QColor vulling = m_aan ? QColor(220, 30, 30) : palette().color(QPalette::Mid);
    // The thermometer: a tube with its bulb, filled to the middle.
    p.setPen(QPen(lijn, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(9, 4, 8, 30), 4, 4);
    p.drawEllipse(QPointF(13, 38), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(vulling);
    p.drawRect(QRectF(11.5, 18, 3, 18));
    p.drawEllipse(QPointF(13, 38), 4.5, 4.5);
    // The compensation: an arrow turning round.
    p.setPen(QPen(lijn, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF boog(24, 12, 18, 18);
    p.drawArc(boog, 30 * 16, 280 * 16);
    QPainterPath punt;
    punt.moveTo(40.5, 12.5);
    punt.lineTo(43.5, 19.5);
    punt.lineTo(36.5, 18.5);
    punt.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(lijn);
    p.drawPath(punt);
    if (!m_aan) {
        p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(42, 42));
    }
}

FormOptionsEC::FormOptionsEC(QWidget* eigenaar) : QDialog(eigenaar) {
    setObjectName(QStringLiteral("FormOptionsEC"));
    setModal(true);
    auto* hoofd = new QVBoxLayout(this);
    SSTabOptions = new QTabWidget(this);
    hoofd->addWidget(SSTabOptions);

    auto* algemeen = new QWidget;
    auto* a = new QVBoxLayout(algemeen);
    FrameATC = new QGroupBox(algemeen);
    auto* atc = new QHBoxLayout(FrameATC);
    CheckATC = new QCheckBox(FrameATC);
    ImageATC = new AtcPlaatje(FrameATC);
    atc->addWidget(CheckATC);
    atc->addStretch();
    atc->addWidget(ImageATC);
    FrameRefTemp = new QGroupBox(algemeen);
    auto* ref = new QHBoxLayout(FrameRefTemp);
    OptionRefTemp[0] = new QRadioButton(QStringLiteral("20°C"), FrameRefTemp);
    OptionRefTemp[1] = new QRadioButton(QStringLiteral("25°C"), FrameRefTemp);
    ref->addWidget(OptionRefTemp[0]);
    ref->addWidget(OptionRefTemp[1]);
    a->addWidget(FrameATC);
    a->addWidget(FrameRefTemp);
    a->addStretch();
    SSTabOptions->addTab(algemeen, QString());

    auto* module = new QWidget;
    auto* mv = new QVBoxLayout(module);
    FrameModule = new QGroupBox(module);
    auto* g = new QGridLayout(FrameModule);
    LabeltypeCC = new QLabel(FrameModule);
    ComboTypeCC = new QComboBox(FrameModule);
    LabelRange = new QLabel(FrameModule);
    ComboBereik = new QComboBox(FrameModule);
    g->addWidget(LabeltypeCC, 0, 0);
    g->addWidget(ComboTypeCC, 0, 1);
    g->addWidget(LabelRange, 1, 0);
    g->addWidget(ComboBereik, 1, 1);
    mv->addWidget(FrameModule);
    mv->addStretch();
    SSTabOptions->addTab(module, QString());

    auto* knoppen = new QHBoxLayout;
    OKButton = new QPushButton(this);
    CancelButton = new QPushButton(this);
    OKButton->setDefault(true);
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    hoofd->addLayout(knoppen);

    connect(CheckATC, &QCheckBox::clicked, this, [this] { CheckATC_Click(); });
    connect(ComboTypeCC, &QComboBox::activated, this, [this] { ComboTypeCC_Click(); });
    connect(ComboBereik, &QComboBox::activated, this, [this] { ComboBereik_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void FormOptionsEC::Laad() {
    setWindowTitle(Tekst[TekstTitel]);
    LabeltypeCC->setText(Tekst[TekstCeltype] + QLatin1Char(':'));
    LabelRange->setText(Tekst[TekstBereik] + QLatin1Char(':'));
    CheckATC->setChecked(TemperatuurCompensatie);
    CheckATC_Click();
    if (ReferentieTemperatuur == 0 || ReferentieTemperatuur == 1)
        OptionRefTemp[ReferentieTemperatuur]->setChecked(true);
    FrameRefTemp->setTitle(Tekst[TekstReferentie]);
    CheckATC->setText(Tekst[TekstAan]);
    FrameATC->setTitle(Tekst[TekstCompensatie]);
    FrameModule->setTitle(QString());
    m_gekozenBereik = Bereik;
    ComboTypeCC->clear();
    ComboTypeCC->addItems(CelTypeLijst());
    ComboTypeCC->setCurrentIndex(TypeCC >= -2 && TypeCC <= 1 ? TypeCC + 2 : -1);
    ComboTypeCC_Click();
    OKButton->setText(Tekst[TekstKnopOK]);
    CancelButton->setText(Tekst[TekstKnopAnnuleren]);
    SSTabOptions->setTabText(0, Tekst[TekstAlgemeen]);
    SSTabOptions->setTabText(1, Tekst[TekstModule]);
    ZetVensterBovenaan(this);
}

void FormOptionsEC::done(int resultaat) {
    ZetVensterNietBovenaan(this);
    QDialog::done(resultaat);
}

void FormOptionsEC::CheckATC_Click() {
    const bool aan = CheckATC->isChecked();
    FrameRefTemp->setEnabled(aan);
    for (QRadioButton* knop : OptionRefTemp)
        knop->setEnabled(aan);
    ImageATC->zetAan(aan);
}

void FormOptionsEC::ComboTypeCC_Click() {
    ComboBereik->clear();
    ComboBereik->addItems(BereikLijst(ComboTypeCC->currentIndex() - 2));
    ComboBereik->setCurrentIndex(
        m_gekozenBereik >= 0 && m_gekozenBereik < ComboBereik->count() ? m_gekozenBereik : -1);
}

void FormOptionsEC::ComboBereik_Click() {
    m_gekozenBereik = ComboBereik->currentIndex();
}

void FormOptionsEC::OKButton_Click() {
    TemperatuurCompensatie = CheckATC->isChecked();
    // With ATC off the reference temperature stays what it was.
    if (TemperatuurCompensatie)
        for (int k = 0; k < static_cast<int>(OptionRefTemp.size()); ++k)
            if (OptionRefTemp[k]->isChecked()) ReferentieTemperatuur = k;
    // A cell type that was never chosen (none stood selected) is kept.
    if (ComboTypeCC->currentIndex() >= 0) TypeCC = ComboTypeCC->currentIndex() - 2;
    Bereik = ComboBereik->currentIndex();
    ConfiguratieGewijzigd = true;
    accept();
}
