#include "shared/ui/TweeRijenTabs.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TweeRijenTabs::TweeRijenTabs(QWidget* ouder) : QWidget(ouder) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    m_rijen = new QGridLayout;
    m_rijen->setSpacing(0);
    v->addLayout(m_rijen);
    auto* kader = new QFrame(this);
    kader->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* k = new QVBoxLayout(kader);
    m_paginas = new QStackedWidget(kader);
    k->addWidget(m_paginas);
    v->addWidget(kader, 1);
    m_knoppen = new QButtonGroup(this);
    m_knoppen->setExclusive(true);
    connect(m_knoppen, &QButtonGroup::idClicked, this, [this](int id) { setCurrentIndex(id); });
}

void TweeRijenTabs::voegToe(QWidget* pagina, const QString& titel) {
    const int index = m_paginas->addWidget(pagina);
    auto* knop = new QToolButton(this);
    knop->setObjectName(QStringLiteral("Tab%1").arg(index));
    knop->setText(titel);
    knop->setCheckable(true);
    knop->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The chosen tab stands out in bold.
    connect(knop, &QToolButton::toggled, knop, [knop](bool gekozen) {
        QFont f = knop->font();
        f.setBold(gekozen);
        knop->setFont(f);
    });
    m_knoppen->addButton(knop, index);
    m_rijen->addWidget(knop, index / 4, index % 4);
    if (index == 0) knop->setChecked(true);
}

int TweeRijenTabs::count() const {
    return m_paginas->count();
}

int TweeRijenTabs::currentIndex() const {
    return m_paginas->currentIndex();
}

void TweeRijenTabs::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) return;
    m_knoppen->button(index)->setChecked(true);
    if (index == currentIndex()) return;
    m_paginas->setCurrentIndex(index);
    emit currentChanged(index);
}

QString TweeRijenTabs::tabText(int index) const {
    const QAbstractButton* knop = m_knoppen->button(index);
    return knop ? knop->text() : QString();
}

void TweeRijenTabs::setTabText(int index, const QString& tekst) {
    if (QAbstractButton* knop = m_knoppen->button(index)) knop->setText(tekst);
}

QWidget* TweeRijenTabs::widget(int index) const {
    return m_paginas->widget(index);
}

QAbstractButton* TweeRijenTabs::tabKnop(int index) const {
    return m_knoppen->button(index);
}
