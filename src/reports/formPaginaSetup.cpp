#include "reports/formPaginaSetup.h"

#include "reports/Printerkode.h"
#include "shared/Getallen.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr float EenDerde = 0.33333334f;

QString MmTekst(double waarde) {
    return OpmaakSingle(static_cast<float>(waarde), QStringLiteral("0.0"));
}

int Tienden(double mm) {
    return static_cast<int>(std::lround(std::clamp(mm * 10.0, -32768.0, 32767.0)));
}

} // namespace

QPixmap MargePlaatje(int grootte) {
    QPixmap plaatje(grootte, grootte);
    plaatje.fill(Qt::transparent);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = grootte - 4;
    const double b = h * 210.0 / 297.0;
    const QRectF blad((grootte - b) / 2, 2, b, h);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(blad);
    const double m = b * 0.12;
    const QRectF binnen = blad.adjusted(m, m, -m, -m);
    p.setPen(QPen(QColor(0, 0, 160), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(binnen);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (double y = binnen.top() + 6; y < binnen.bottom() - 3; y += 5)
        p.drawLine(QPointF(binnen.left() + 4, y), QPointF(binnen.right() - 4, y));
    return plaatje;
}

formPaginaSetup::formPaginaSetup(QSizeF afdrukbaar, QWidget* ouder)
    : QDialog(ouder), m_breedte(afdrukbaar.width()), m_hoogte(afdrukbaar.height()) {
    setObjectName(QStringLiteral("formPaginaSetup"));
    auto maakLabel = [this](const char* naam) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(naam));
        return l;
    };
    auto maakTekst = [this](const char* naam) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QLatin1String(naam));
        t->setAlignment(Qt::AlignRight);
        t->setFixedWidth(t->fontMetrics().horizontalAdvance(QStringLiteral("0000.0")) + 16);
        return t;
    };
    auto maakDraaier = [this](const char* naam, QLineEdit* naast) {
        auto* d = new QSpinBox(this);
        d->setObjectName(QLatin1String(naam));
        // An up-down without a text of its own: the value shows in the box beside it.
        d->setFixedWidth(d->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6);
        d->setFixedHeight(naast->sizeHint().height());
        d->setMinimum(0);
        d->setSingleStep(1);
        return d;
    };
    LabelTop = maakLabel("LabelTop");
    LabelBottom = maakLabel("LabelBottom");
    LabelLeft = maakLabel("LabelLeft");
    LabelRight = maakLabel("LabelRight");
    TextTop = maakTekst("TextTop");
    TextBottom = maakTekst("TextBottom");
    TextLeft = maakTekst("TextLeft");
    TextRight = maakTekst("TextRight");
    UpDown1 = maakDraaier("UpDown1", TextTop);
    UpDown2 = maakDraaier("UpDown2", TextBottom);
    UpDown3 = maakDraaier("UpDown3", TextLeft);
    UpDown4 = maakDraaier("UpDown4", TextRight);
    LabelSizes = maakLabel("LabelSizes");
    Image1 = maakLabel("Image1");
    Image1->setPixmap(MargePlaatje(96));
    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    m_vakken = {Vak{TextTop, UpDown1, m_hoogte * EenDerde}, Vak{TextBottom, UpDown2, m_hoogte * EenDerde},
                Vak{TextLeft, UpDown3, m_breedte * EenDerde}, Vak{TextRight, UpDown4, m_breedte * EenDerde}};

    auto* raster = new QGridLayout;
    const std::array<QLabel*, 4> labels = {LabelTop, LabelBottom, LabelLeft, LabelRight};
    for (int i = 0; i < 4; ++i) {
        auto* vakRij = new QHBoxLayout;
        vakRij->setSpacing(0);
        vakRij->addWidget(m_vakken[static_cast<std::size_t>(i)].tekst);
        vakRij->addWidget(m_vakken[static_cast<std::size_t>(i)].draaier);
        raster->addWidget(labels[static_cast<std::size_t>(i)], i, 0);
        raster->addLayout(vakRij, i, 1);
    }
    raster->addWidget(Image1, 0, 2, 4, 1, Qt::AlignCenter);
    raster->setColumnMinimumWidth(2, 110);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raster);
    layout->addWidget(LabelSizes);
    layout->addLayout(knoppen);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (Vak& vak : m_vakken) {
        connect(vak.tekst, &QLineEdit::textChanged, this, [this, &vak] { Text_Change(vak); });
        connect(vak.tekst, &QLineEdit::editingFinished, this, [this, &vak] { Text_Klaar(vak); });
        connect(vak.draaier, &QSpinBox::valueChanged, this, [this, &vak] { UpDown_Change(vak); });
    }
    connect(OKButton, &QPushButton::clicked, this, &formPaginaSetup::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

formPaginaSetup::~formPaginaSetup() = default;

void formPaginaSetup::Form_Load() {
    setWindowTitle(Tekst[211]);
    LabelTop->setText(Tekst[207]);
    LabelBottom->setText(Tekst[208]);
    LabelLeft->setText(Tekst[209]);
    LabelRight->setText(Tekst[210]);
    LabelSizes->setText(Tekst[212] + QLatin1Char('\n') + Tekst[213] + QStringLiteral(" = ") +
                        MmTekst(m_breedte) + QStringLiteral(" x ") + MmTekst(m_hoogte) +
                        QStringLiteral(" mm"));
    OKButton->setText(Tekst[140]);
    CancelButton->setText(Tekst[141]);
    for (Vak& vak : m_vakken)
        vak.draaier->setMaximum(Tienden(vak.limiet));
    Refresh();
    CancelGeklikt = true;
}

void formPaginaSetup::Refresh() {
    BerekenMarges(m_breedte, m_hoogte);
    const std::array<float, 4> marges = {MargeBoven, MargeOnder, MargeLinks, MargeRechts};
    for (std::size_t i = 0; i < 4; ++i)
        ZetTekst(m_vakken[i], marges[i]);
}

void formPaginaSetup::Sync() {
    std::array<float, 4> marges{};
    for (std::size_t i = 0; i < 4; ++i)
        marges[i] = BegrensWaarde(TekstNaarSingle(m_vakken[i].tekst->text()),
                                  static_cast<float>(i < 2 ? m_hoogte / 3 : m_breedte / 3));
    MargeBoven = marges[0];
    MargeOnder = marges[1];
    MargeLinks = marges[2];
    MargeRechts = marges[3];
}

void formPaginaSetup::ZetTekst(Vak& vak, float waarde) {
    vak.tekst->setText(MmTekst(waarde));
    Text_Change(vak);
}

void formPaginaSetup::Text_Change(Vak& vak) {
    if (m_bezig) return;
    m_bezig = true;
    const float waarde = BegrensWaarde(TekstNaarSingle(vak.tekst->text()), static_cast<float>(vak.limiet));
    vak.draaier->setValue(Tienden(TekstNaarSingle(MmTekst(waarde))));
    m_bezig = false;
}

void formPaginaSetup::Text_Klaar(Vak& vak) {
    if (m_bezig) return;
    const float waarde = BegrensWaarde(TekstNaarSingle(vak.tekst->text()), static_cast<float>(vak.limiet));
    if (vak.tekst->text() != MmTekst(waarde)) ZetTekst(vak, waarde);
}

void formPaginaSetup::UpDown_Change(Vak& vak) {
    if (m_bezig) return;
    m_bezig = true;
    const float waarde =
        BegrensWaarde(static_cast<float>(vak.draaier->value() / 10.0), static_cast<float>(vak.limiet));
    vak.tekst->setText(MmTekst(waarde));
    m_bezig = false;
}

void formPaginaSetup::OKButton_Click() {
    CancelGeklikt = false;
    Sync();
    accept();
}
