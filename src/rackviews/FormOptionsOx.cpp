#include "rackviews/FormOptionsOx.h"

#include "acquisition/K761.h"
#include "rackviews/ModuleInstellingen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int TekstLuchtdruk = 381, TekstTitel = 382, TekstGrenzen = 383, TekstKnopOK = 140,
              TekstKnopAnnuleren = 141;
const QString Sectie = QStringLiteral("Calibration Oxygen");
const QString Sleutel = QStringLiteral("Air Pressure");
} // namespace

FormOptionsOx::FormOptionsOx(QWidget* eigenaar) : QDialog(eigenaar) {
    setObjectName(QStringLiteral("FormOptionsOx"));
    setModal(true);
    auto* hoofd = new QVBoxLayout(this);
    Frame1 = new QGroupBox(this);
    auto* rij = new QHBoxLayout(Frame1);
    LabelLuchtdruk = new QLabel(Frame1);
    MaskEdBoxLuchtdruk = new QLineEdit(Frame1);
    MaskEdBoxLuchtdruk->setMaxLength(4);
    MaskEdBoxLuchtdruk->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,4}")), MaskEdBoxLuchtdruk));
    MaskEdBoxLuchtdruk->setFixedWidth(
        MaskEdBoxLuchtdruk->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    rij->addWidget(LabelLuchtdruk);
    rij->addWidget(MaskEdBoxLuchtdruk);
    rij->addWidget(new QLabel(QStringLiteral("hPa"), Frame1));
    hoofd->addWidget(Frame1);
    auto* knoppen = new QHBoxLayout;
    OKButton = new QPushButton(this);
    CancelButton = new QPushButton(this);
    OKButton->setDefault(true);
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    hoofd->addLayout(knoppen);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void FormOptionsOx::Laad() {
    const float p = TekstNaarSingle(LeesInstelling(AppNaam, Sectie, Sleutel, "1000"));
    MaskEdBoxLuchtdruk->setText(OpmaakSingle(p, QStringLiteral("0")));
    LabelLuchtdruk->setText(Tekst[TekstLuchtdruk]);
    setWindowTitle(Tekst[TekstTitel]);
    OKButton->setText(Tekst[TekstKnopOK]);
    CancelButton->setText(Tekst[TekstKnopAnnuleren]);
}

void FormOptionsOx::OKButton_Click() {
    const float p = TekstNaarSingle(MaskEdBoxLuchtdruk->text());
    if (!GeldigeLuchtdruk(p)) {
        ToonStandaardMelding(Tekst[TekstGrenzen], vbExclamation | vbOKOnly, windowTitle());
        return;
    }
    BewaarInstelling(AppNaam, Sectie, Sleutel, p);
    Luchtdruk = p;
    accept();
}
