#include "rackviews/FormTreeview.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Temperatuur.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Opmaak.h"
#include "shared/ui/Kindvensters.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The pictures of the nodes, by the image numbers of the tree's image list.
enum Beeld { BeeldPoort = 1, BeeldRack, BeeldModule, BeeldInfo, BeeldWaarde, BeeldIngang };

QIcon icoon(int beeld) {
    const QStyle* s = QApplication::style();
    switch (beeld) {
    case BeeldPoort:
        return s->standardIcon(QStyle::SP_ComputerIcon);
    case BeeldRack:
        return s->standardIcon(QStyle::SP_DriveNetIcon);
    case BeeldModule:
        return s->standardIcon(QStyle::SP_DriveHDIcon);
    case BeeldInfo:
        return s->standardIcon(QStyle::SP_FileDialogInfoView);
    case BeeldIngang:
        return s->standardIcon(QStyle::SP_DirIcon);
    default:
        return s->standardIcon(QStyle::SP_FileIcon);
    }
}

const QString Graden = QString::fromUtf8("°C");

QString Ruw(int32_t adc) {
    return Opmaak(adc / 10.0, QStringLiteral("0.0"));
}

QString Temperatuur(const KanaalRecord& t) {
    return OpmaakSingle(CelsiusNaarEenheid(t.Waarde, t.Unit), QStringLiteral("0.0"));
}

QString Handwaarde(int r, int m, int k) {
    const KanaalRecord& t = Racks[r].Modules[m].Temperatuur[k];
    return SingleAlsTekst(CelsiusNaarEenheid(HandTemperaturen[r][m][k], t.Unit));
}

QString Identificatie(int32_t idno) {
    return QStringLiteral("Identification no. = ") + IdnoAlsTekst(idno);
}

bool IsGeregistreerd(int r) {
    return r >= 1 && r <= AantalRacks && Racks[r].Present;
}

} // namespace

FormTreeview::FormTreeview(QWidget* ouder) : QWidget(ouder), Tag(QStringLiteral("Boomstructuur")) {
    setProperty("Tag", Tag);
    setObjectName(Tag);
    TreeView = new QTreeWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    TreeView->setColumnCount(1);
    // The tree fills the window's inner area.
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addWidget(TreeView);
    connect(TreeView, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* knoop) { TreeView_NodeClick(knoop); });
    resize(420, 480);
}

FormTreeview::~FormTreeview() {
    Unload();
}

QString FormTreeview::PoortSleutel() {
    return QStringLiteral("PC port");
}
QString FormTreeview::RackSleutel(int r) {
    return QStringLiteral("Rack") + QString::number(r);
}
QString FormTreeview::ModuleSleutel(int r, int m) {
    return RackSleutel(r) + QStringLiteral("Module") + QString::number(m);
}
QString FormTreeview::KanaalSleutel(int r, int m, int k) {
    return ModuleSleutel(r, m) + QStringLiteral("CH") + QString::number(k);
}

QTreeWidgetItem* FormTreeview::Knoop(const QString& sleutel) const {
    return m_knopen.value(sleutel, nullptr);
}

QString FormTreeview::KnoopTekst(const QString& sleutel) const {
    const QTreeWidgetItem* k = Knoop(sleutel);
    return k ? k->text(0) : QString();
}

QTreeWidgetItem* FormTreeview::voegToe(QTreeWidgetItem* ouder, const QString& sleutel, const QString& tekst,
                                       int beeld) {
    auto* knoop = ouder ? new QTreeWidgetItem(ouder) : new QTreeWidgetItem(TreeView);
    knoop->setText(0, tekst);
    knoop->setIcon(0, icoon(beeld));
    m_knopen.insert(sleutel, knoop);
    return knoop;
}

void FormTreeview::zet(const QString& sleutel, const QString& tekst) {
    if (QTreeWidgetItem* k = Knoop(sleutel); k && k->text(0) != tekst) k->setText(0, tekst);
}

void FormTreeview::Laad() {
    if (BoomZichtbaar && m_geladen) {
        AanpassenTreeView();
        return;
    }
    bouw();
    m_geladen = true;
    BoomZichtbaar = true;
    ZetSysteemboom(this);
}

void FormTreeview::Herbouw() {
    bouw();
}

void FormTreeview::bouw() {
    TreeView->clear();
    m_knopen.clear();
    QTreeWidgetItem* poort = voegToe(nullptr, PoortSleutel(), hoofdvenster().PoortNaam(), BeeldPoort);
    poort->setExpanded(true);
    setWindowTitle(poort->text(0));
    for (int r = 1; r <= AantalRacks; ++r) {
        const RackRecord& rack = Racks[r];
        if (!rack.Present) continue;
        const QString rs = RackSleutel(r);
        QTreeWidgetItem* rk = voegToe(poort, rs, rack.Name.getrimd(), BeeldRack);
        voegToe(rk, QStringLiteral("IdNoRack") + QString::number(r), Identificatie(rack.Idno), BeeldInfo);
        for (int m = 1; m <= AantalModules; ++m) {
            const ModuleRecord& module = rack.Modules[m];
            const QString ms = ModuleSleutel(r, m);
            QTreeWidgetItem* mk = voegToe(rk, ms, TrimSpaties(module.Name), BeeldModule);
            if (!module.Present) continue;
            voegToe(mk, ms + QStringLiteral("IdNo"), Identificatie(module.Idno), BeeldInfo);
            const QString is = ms + QStringLiteral("info");
            QTreeWidgetItem* info = voegToe(mk, is, QStringLiteral("Info"), BeeldInfo);
            voegToe(info, is + QStringLiteral("Type"), QStringLiteral("Type = ") + module.Type.tekst(),
                    BeeldWaarde);
            voegToe(info, is + QStringLiteral("Status"),
                    QStringLiteral("Status = ") + QString::number(module.Status), BeeldWaarde);
            voegToe(info, is + QStringLiteral("Error"),
                    QStringLiteral("Errors = ") + QString::number(module.Errors), BeeldWaarde);
            voegToe(info, is + QStringLiteral("Led"),
                    QStringLiteral("Led flag = ") + QString::number(module.LedFlag), BeeldWaarde);
            for (int k = 1; k <= AantalIngangen; ++k) {
                const KanaalRecord& meting = module.Meting[k];
                const KanaalRecord& temp = module.Temperatuur[k];
                const QString ks = KanaalSleutel(r, m, k);
                QTreeWidgetItem* kk = voegToe(mk, ks, meting.Name.getrimd(), BeeldIngang);
                voegToe(kk, ks + QStringLiteral("Checked"),
                        QStringLiteral("Show = ") + BooleanAlsTekst(meting.Set), BeeldWaarde);
                voegToe(kk, ks + QStringLiteral("Flags"),
                        QStringLiteral("Flags = ") + QString::number(meting.Flags), BeeldWaarde);
                voegToe(kk, ks + QStringLiteral("mV"),
                        QStringLiteral("Input Value = ") + Ruw(meting.AdcWaarde), BeeldWaarde);
                voegToe(kk, ks + QStringLiteral("Value"),
                        QStringLiteral("Calculated Value = ") + SingleAlsTekst(meting.Waarde), BeeldWaarde);
                voegToe(kk, ks + QStringLiteral("IndexA"),
                        QStringLiteral("Offset = ") + SingleAlsTekst(meting.Offset), BeeldWaarde);
                voegToe(kk, ks + QStringLiteral("IndexB"),
                        QStringLiteral("Scale = ") + SingleAlsTekst(meting.Scale), BeeldWaarde);
                voegToe(kk, ks + QStringLiteral("Unit"), QStringLiteral("Unit = ") + meting.Unit.tekst(),
                        BeeldWaarde);
                const QString ts = ks + Graden;
                QTreeWidgetItem* tk = voegToe(kk, ts, QStringLiteral("Temperature"), BeeldIngang);
                voegToe(tk, ts + QStringLiteral("ADC"), QStringLiteral("Input = ") + Ruw(temp.AdcWaarde),
                        BeeldWaarde);
                voegToe(tk, ts + QStringLiteral("Value"), QStringLiteral("Value = ") + Temperatuur(temp),
                        BeeldWaarde);
                voegToe(tk, ts + QStringLiteral("IndexB") + Graden,
                        QStringLiteral("Offset = ") + SingleAlsTekst(temp.Offset), BeeldWaarde);
                voegToe(tk, ts + QStringLiteral("IndexA") + Graden,
                        QStringLiteral("Scale = ") + SingleAlsTekst(temp.Scale), BeeldWaarde);
                voegToe(tk, ts + QStringLiteral("Manual") + Graden,
                        QStringLiteral("Manual value = ") + Handwaarde(r, m, k), BeeldWaarde);
                voegToe(tk, ts + QStringLiteral("Unit"), QStringLiteral("Unit = ") + temp.Unit.tekst(),
                        BeeldWaarde);
            }
        }
        rk->setExpanded(true);
    }
}

void FormTreeview::AanpassenTreeView() {
    if (!BoomZichtbaar) return;
    for (int r = 1; r <= AantalRacks; ++r) {
        const RackRecord& rack = Racks[r];
        if (!rack.Present) continue;
        zet(RackSleutel(r), rack.Name.getrimd());
        zet(QStringLiteral("IdNoRack") + QString::number(r), Identificatie(rack.Idno));
        for (int m = 1; m <= AantalModules; ++m) {
            const ModuleRecord& module = rack.Modules[m];
            const QString ms = ModuleSleutel(r, m);
            zet(ms, TrimSpaties(module.Name));
            if (!module.Present) continue;
            zet(ms + QStringLiteral("IdNo"), Identificatie(module.Idno));
            const QString is = ms + QStringLiteral("info");
            zet(is + QStringLiteral("Type"), QStringLiteral("Type = ") + module.Type.tekst());
            zet(is + QStringLiteral("Status"), QStringLiteral("Status = ") + QString::number(module.Status));
            zet(is + QStringLiteral("Error"), QStringLiteral("Errors = ") + QString::number(module.Errors));
            zet(is + QStringLiteral("Led"), QStringLiteral("Led flag = ") + QString::number(module.LedFlag));
            for (int k = 1; k <= AantalIngangen; ++k) {
                const KanaalRecord& meting = module.Meting[k];
                const KanaalRecord& temp = module.Temperatuur[k];
                const QString ks = KanaalSleutel(r, m, k);
                zet(ks, meting.Name.getrimd());
                zet(ks + QStringLiteral("mV"), QStringLiteral("Input Value= ") + Ruw(meting.AdcWaarde));
                zet(ks + QStringLiteral("Value"),
                    QStringLiteral("Calculated Value = ") + SingleAlsTekst(meting.Waarde));
                zet(ks + QStringLiteral("Checked"), QStringLiteral("Show = ") + BooleanAlsTekst(meting.Set));
                zet(ks + QStringLiteral("IndexA"),
                    QStringLiteral("factor A = ") + SingleAlsTekst(meting.Offset));
                zet(ks + QStringLiteral("IndexB"),
                    QStringLiteral("factor B = ") + SingleAlsTekst(meting.Scale));
                zet(ks + QStringLiteral("Unit"), QStringLiteral("Unit = ") + meting.Unit.tekst());
                const QString ts = ks + Graden;
                zet(ts + QStringLiteral("ADC"), QStringLiteral("Input = ") + Ruw(temp.AdcWaarde));
                zet(ts + QStringLiteral("Value"), QStringLiteral("Value = ") + Temperatuur(temp));
                zet(ts + QStringLiteral("Unit"), QStringLiteral("Unit = ") + temp.Unit.tekst());
                zet(ts + QStringLiteral("IndexB") + Graden,
                    QStringLiteral("Offset = ") + SingleAlsTekst(temp.Offset));
                zet(ts + QStringLiteral("IndexA") + Graden,
                    QStringLiteral("Scale = ") + SingleAlsTekst(temp.Scale));
                zet(ts + QStringLiteral("Manual") + Graden,
                    QStringLiteral("Manual value = ") + Handwaarde(r, m, k));
            }
        }
    }
}

void FormTreeview::AanpassenMetingenTreeView(int r, int m) {
    if (!BoomZichtbaar || !IsGeregistreerd(r) || m < 1 || m > AantalModules) return;
    const ModuleRecord& module = Racks[r].Modules[m];
    const QString ms = ModuleSleutel(r, m);
    const QString is = ms + QStringLiteral("info");
    zet(is + QStringLiteral("Status"), QStringLiteral("Status = ") + QString::number(module.Status));
    zet(is + QStringLiteral("Error"), QStringLiteral("Errors = ") + QString::number(module.Errors));
    zet(is + QStringLiteral("Led"), QStringLiteral("Led flag = ") + QString::number(module.LedFlag));
    for (int k = 1; k <= AantalIngangen; ++k) {
        const KanaalRecord& meting = module.Meting[k];
        const KanaalRecord& temp = module.Temperatuur[k];
        const QString ks = KanaalSleutel(r, m, k);
        zet(ks + QStringLiteral("mV"), QStringLiteral("Input = ") + Ruw(meting.AdcWaarde));
        zet(ks + QStringLiteral("Value"), QStringLiteral("Value = ") + SingleAlsTekst(meting.Waarde));
        zet(ks + QStringLiteral("Unit"), QStringLiteral("Unit = ") + meting.Unit.tekst());
        const QString ts = ks + Graden;
        zet(ts + QStringLiteral("ADC"), QStringLiteral("Input = ") + Ruw(temp.AdcWaarde));
        zet(ts + QStringLiteral("Value"), QStringLiteral("Value = ") + Temperatuur(temp));
        zet(ts + QStringLiteral("Unit"), QStringLiteral("Unit = ") + temp.Unit.tekst());
        zet(ts + QStringLiteral("Manual") + Graden, QStringLiteral("Manual value = ") + Handwaarde(r, m, k));
    }
}

void FormTreeview::TreeView_NodeClick(QTreeWidgetItem* knoop) {
    QStringList pad;
    for (const QTreeWidgetItem* k = knoop; k; k = k->parent())
        pad.prepend(k->text(0));
    setWindowTitle(pad.join(QLatin1Char('\\')));
}

void FormTreeview::closeEvent(QCloseEvent* e) {
    Unload();
    QWidget::closeEvent(e);
}

void FormTreeview::Unload() {
    if (!m_geladen) return;
    m_geladen = false;
    BoomZichtbaar = false;
    if (Systeemboom() == this) ZetSysteemboom(nullptr);
}

void ToonSysteemboom() {
    auto* boom = dynamic_cast<FormTreeview*>(Systeemboom());
    if (!boom) {
        auto nieuw = std::make_unique<FormTreeview>();
        nieuw->setAttribute(Qt::WA_DeleteOnClose);
        boom = nieuw.get();
        NeemKindvensterOp(std::move(nieuw));
        boom->Laad();
    }
    ToonKindvenster(boom);
}
