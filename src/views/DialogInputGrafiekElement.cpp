#include "views/DialogInputGrafiekElement.h"

#include "acquisition/RackModel.h"
#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "views/GrafiekInstellenVelden.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// The number an item stands for (rack, module or input code); 0 for the empty item.
constexpr int NummerRol = Qt::UserRole;

// Refills a list with its empty item (no choice) only.
void MaakLeeg(QListWidget* lijst) {
    const QSignalBlocker stil(lijst);
    lijst->clear();
    auto* leeg = new QListWidgetItem(QString(), lijst);
    leeg->setData(NummerRol, 0);
}

void Voeg(QListWidget* lijst, const QString& tekst, int nummer) {
    auto* item = new QListWidgetItem(tekst, lijst);
    item->setData(NummerRol, nummer);
}

// Selects row `rij` (-1: none) without running the list's choice handler.
void Selecteer(QListWidget* lijst, int rij) {
    const QSignalBlocker stil(lijst);
    lijst->setCurrentRow(rij);
    if (rij < 0) lijst->clearSelection();
}

int16_t GekozenNummer(const QListWidget* lijst) {
    const QListWidgetItem* item = lijst->currentItem();
    return item ? static_cast<int16_t>(item->data(NummerRol).toInt()) : 0;
}

int RijVan(const QListWidget* lijst, int nummer) {
    for (int i = 1; i < lijst->count(); ++i)
        if (lijst->item(i)->data(NummerRol).toInt() == nummer) return i;
    return -1;
}

} // namespace

DialogInputGrafiekElement::DialogInputGrafiekElement(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DialogInputGrafiekElement"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto maakLabel = [this](const char* naam) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(naam));
        return l;
    };
    auto maakLijst = [this](const char* naam) {
        auto* l = new QListWidget(this);
        l->setObjectName(QLatin1String(naam));
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        return l;
    };
    auto maakKnop = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(naam));
        k->setAutoDefault(false);
        return k;
    };
    LabelRacks = maakLabel("LabelRacks");
    LabelModules = maakLabel("LabelModules");
    LabelInputs = maakLabel("LabelInputs");
    ListRacks = maakLijst("ListRacks");
    ListModules = maakLijst("ListModules");
    ListInputs = maakLijst("ListInputs");
    OKButton = maakKnop("OKButton");
    OKButton->setDefault(true);
    CancelButton = maakKnop("CancelButton");
    CommandWissen = maakKnop("CommandWissen");

    // Wide enough for "Temperature4: (mg/l, Perchlorate)" in each list.
    const int breedte =
        fontMetrics().horizontalAdvance(QStringLiteral("Temperature4: (mg/l, Perchlorate)")) + 40;
    for (QListWidget* l : {ListRacks, ListModules, ListInputs}) {
        l->setMinimumWidth(breedte);
        l->setMinimumHeight(fontMetrics().height() * 10);
    }
    auto* raster = new QGridLayout;
    raster->addWidget(LabelRacks, 0, 0);
    raster->addWidget(LabelModules, 0, 1);
    raster->addWidget(LabelInputs, 0, 2);
    raster->addWidget(ListRacks, 1, 0);
    raster->addWidget(ListModules, 1, 1);
    raster->addWidget(ListInputs, 1, 2);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(CommandWissen);
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raster);
    layout->addLayout(knoppen);

    connect(ListRacks, &QListWidget::currentRowChanged, this, &DialogInputGrafiekElement::ListRacks_Click);
    connect(ListModules, &QListWidget::currentRowChanged, this,
            &DialogInputGrafiekElement::ListModules_Click);
    connect(ListInputs, &QListWidget::currentRowChanged, this, &DialogInputGrafiekElement::ListInputs_Click);
    connect(OKButton, &QPushButton::clicked, this, &DialogInputGrafiekElement::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DialogInputGrafiekElement::CancelButton_Click);
    connect(CommandWissen, &QPushButton::clicked, this, &DialogInputGrafiekElement::CommandWissen_Click);
}

void DialogInputGrafiekElement::LaadStrings() {
    LabelRacks->setText(Tekst[297]);
    LabelModules->setText(Tekst[296]);
    LabelInputs->setText(Tekst[295]);
    QString titel = Tekst[336];
    titel.replace(QStringLiteral("$$"), Grafiek);
    titel.replace(QStringLiteral("##"), QString::number(LijnNr));
    setWindowTitle(titel);
    OKButton->setText(Tekst[140]);
    CancelButton->setText(Tekst[141]);
    CommandWissen->setText(Tekst[389]);
}

void DialogInputGrafiekElement::ToonModaal() {
    Form_Load();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    platform::WachtOpVenster([this] { return m_klaar; });
}

void DialogInputGrafiekElement::Form_Load() {
    m_klaar = false;
    CancelGeklikt = false;
    LaadStrings();
    MaakLeeg(ListRacks);
    MaakLeeg(ListModules);
    MaakLeeg(ListInputs);
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (Rnr == 0) Rnr = static_cast<int16_t>(r);
        Voeg(ListRacks, RackItemTekst(r), r);
    }
    const int rij = RijVan(ListRacks, Rnr);
    if (rij < 0) return;
    Selecteer(ListRacks, rij);
    ListRacks_Click();
}

void DialogInputGrafiekElement::ListRacks_Click() {
    Rnr = GekozenNummer(ListRacks);
    MaakLeeg(ListModules);
    // The inputs belong to the module chosen next; until then there are none to choose.
    MaakLeeg(ListInputs);
    if (Rnr < 1) return;
    for (int m = 1; m <= AantalModules; ++m) {
        if (!Racks[Rnr].Modules[m].Present) continue;
        if (Mnr == 0) Mnr = static_cast<int16_t>(m);
        Voeg(ListModules, ModuleItemTekst(Rnr, m), m);
    }
    const int rij = RijVan(ListModules, Mnr);
    Selecteer(ListModules, rij);
    if (rij >= 0) ListModules_Click();
}

void DialogInputGrafiekElement::ListModules_Click() {
    Mnr = GekozenNummer(ListModules);
    MaakLeeg(ListInputs);
    if (Mnr < 1) return;
    for (int code = 1; code <= 2 * AantalIngangen; ++code)
        Voeg(ListInputs, IngangItemTekst(Rnr, Mnr, code), code);
    Selecteer(ListInputs, Knr >= 0 && Knr < ListInputs->count() ? Knr : -1);
}

void DialogInputGrafiekElement::ListInputs_Click() {
    Knr = static_cast<int16_t>(std::max(0, ListInputs->currentRow()));
}

void DialogInputGrafiekElement::Waarschuw(int wat, int titel) {
    QString tekst = Tekst[338];
    tekst.replace(QStringLiteral("$$"), Tekst[wat].toLower());
    ToonStandaardMelding(tekst, vbExclamation, Tekst[titel]);
}

void DialogInputGrafiekElement::OKButton_Click() {
    if (ListRacks->currentRow() < 1) {
        Waarschuw(442, 297);
        return;
    }
    Rnr = GekozenNummer(ListRacks);
    if (ListModules->currentRow() < 1) {
        Waarschuw(441, 296);
        return;
    }
    Mnr = GekozenNummer(ListModules);
    if (ListInputs->currentRow() < 1) {
        Waarschuw(440, 295);
        return;
    }
    Knr = static_cast<int16_t>(ListInputs->currentRow());
    CancelGeklikt = false;
    Verberg();
}

void DialogInputGrafiekElement::CancelButton_Click() {
    CancelGeklikt = true;
    Verberg();
}

void DialogInputGrafiekElement::CommandWissen_Click() {
    Rnr = Mnr = Knr = 0;
    CancelGeklikt = false;
    Verberg();
}

void DialogInputGrafiekElement::Verberg() {
    m_klaar = true;
    hide();
}

// Escape and the title bar are Cancel.
void DialogInputGrafiekElement::reject() {
    CancelButton_Click();
}

void DialogInputGrafiekElement::closeEvent(QCloseEvent* e) {
    if (!m_klaar) CancelButton_Click();
    e->accept();
}
