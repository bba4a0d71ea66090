#include "views/frmGrafiekInstellen.h"

#include "files/Grafiekconfiguratie.h"
#include "files/Tijdbasis.h"
#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Vensterfuncties.h"
#include "views/DialogInputGrafiekElement.h"
#include "views/Grafiekmodel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

int16_t HuidigeGrafiek = 0;
bool InstellenGesloten = true;

namespace {

const QString Sectie = QStringLiteral("Graph settings");
// The tick of a statistic line and the heading of the mean column.
const QString Vinkje = QStringLiteral("\u2713");
const QString Delta = QStringLiteral("\u0394");

QPointer<frmGrafiekInstellen> openDialoog;

QColor KleurVan(int32_t kleur) {
    return QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF);
}

bool CelGevuld(const QTableWidgetItem* cel) {
    return cel && !TrimSpaties(cel->text()).isEmpty();
}

int Afgerond(double w, const QSpinBox* bereik) {
    if (!std::isfinite(w)) return bereik->minimum() > 0 ? bereik->minimum() : 0;
    return static_cast<int>(std::clamp<double>(std::nearbyint(w), bereik->minimum(), bereik->maximum()));
}

// An up-down without a text of its own, beside the box whose number it steps.
QSpinBox* MaakPijlen(QWidget* ouder, const char* naam, int minimum, int maximum, const QLineEdit* buur) {
    auto* p = new QSpinBox(ouder);
    p->setObjectName(QLatin1String(naam));
    p->setRange(minimum, maximum);
    p->setSingleStep(1);
    p->setFixedWidth(p->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6);
    p->setFixedHeight(buur->sizeHint().height());
    return p;
}

QHBoxLayout* MetPijlen(QLineEdit* tekst, QSpinBox* pijlen) {
    auto* rij = new QHBoxLayout;
    rij->setSpacing(0);
    rij->addWidget(tekst);
    rij->addWidget(pijlen);
    rij->addStretch();
    return rij;
}

// The up-down steps the number of its box; a number typed into the box is where the next step starts.
void Koppel(QLineEdit* tekst, QSpinBox* pijlen, std::function<double(const QString&)> lees) {
    QObject::connect(pijlen, &QSpinBox::valueChanged, tekst,
                     [tekst](int waarde) { tekst->setText(QString::number(waarde)); });
    QObject::connect(tekst, &QLineEdit::textEdited, pijlen, [pijlen, lees](const QString& t) {
        const QSignalBlocker stil(pijlen);
        pijlen->setValue(Afgerond(lees(t), pijlen));
    });
}

void ZetPijlen(QSpinBox* pijlen, double waarde) {
    const QSignalBlocker stil(pijlen);
    pijlen->setValue(Afgerond(waarde, pijlen));
}

} // namespace

frmGrafiekInstellen::frmGrafiekInstellen(int grafiek, QWidget* parent) : QDialog(parent), m_grafiek(grafiek) {
    setObjectName(QStringLiteral("frmGrafiekInstellen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    InstellenGesloten = false;

    auto maakLabel = [this](const char* naam) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(naam));
        return l;
    };
    auto maakCheck = [this](const char* naam) {
        auto* c = new QCheckBox(this);
        c->setObjectName(QLatin1String(naam));
        return c;
    };
    auto maakTekst = [this](const char* naam, int tekens) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QLatin1String(naam));
        if (tekens > 0)
            t->setFixedWidth(t->fontMetrics().horizontalAdvance(QString(tekens, QLatin1Char('0'))) + 16);
        return t;
    };
    auto maakKnop = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(naam));
        k->setAutoDefault(false);
        return k;
    };

    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));

    // Miscellaneous.
    auto* diversen = new QWidget;
    LabelGraphName = maakLabel("LabelGraphName");
    TextGraphName = maakTekst("TextGraphName", 0);
    FrameRecorder = new QGroupBox(this);
    FrameRecorder->setObjectName(QStringLiteral("FrameRecorder"));
    CheckRecorder = maakCheck("CheckRecorder");
    LabelTussentijd = maakLabel("LabelTussentijd");
    TextTussentijd = maakTekst("TextTussentijd", 8);
    UpDownTussentijd = MaakPijlen(this, "UpDownTussentijd", 1, MaximumTussentijd, TextTussentijd);
    UpDownTussentijd->setWrapping(true);
    CheckPrintGraph = maakCheck("CheckPrintGraph");
    auto* recorder = new QGridLayout(FrameRecorder);
    recorder->addWidget(CheckRecorder, 0, 0, 1, 2);
    recorder->addWidget(LabelTussentijd, 1, 0);
    recorder->addLayout(MetPijlen(TextTussentijd, UpDownTussentijd), 1, 1);
    recorder->addWidget(CheckPrintGraph, 2, 0, 1, 2);
    recorder->setColumnStretch(1, 1);

    FrameAlarm = new QGroupBox(this);
    FrameAlarm->setObjectName(QStringLiteral("FrameAlarm"));
    CheckAlarmHoog = maakCheck("CheckAlarmHoog");
    TextAlarmHoog = maakTekst("TextAlarmHoog", 10);
    UpDownAlarmHoog = MaakPijlen(this, "UpDownAlarmHoog", m_alarmBereiken.hoog.minimum,
                                 m_alarmBereiken.hoog.maximum, TextAlarmHoog);
    CommandKleurHoog = maakKnop("CommandKleurHoog");
    CheckAlarmLaag = maakCheck("CheckAlarmLaag");
    TextAlarmLaag = maakTekst("TextAlarmLaag", 10);
    UpDownAlarmLaag = MaakPijlen(this, "UpDownAlarmLaag", m_alarmBereiken.laag.minimum,
                                 m_alarmBereiken.laag.maximum, TextAlarmLaag);
    CommandKleurLaag = maakKnop("CommandKleurLaag");
    for (QPushButton* k : {CommandKleurHoog, CommandKleurLaag})
        k->setFixedSize(TextAlarmHoog->sizeHint().height() * 2, TextAlarmHoog->sizeHint().height());
    auto* alarm = new QGridLayout(FrameAlarm);
    alarm->addWidget(CheckAlarmHoog, 0, 0);
    alarm->addLayout(MetPijlen(TextAlarmHoog, UpDownAlarmHoog), 0, 1);
    alarm->addWidget(CommandKleurHoog, 0, 2);
    alarm->addWidget(CheckAlarmLaag, 1, 0);
    alarm->addLayout(MetPijlen(TextAlarmLaag, UpDownAlarmLaag), 1, 1);
    alarm->addWidget(CommandKleurLaag, 1, 2);
    alarm->setColumnStretch(3, 1);
    CheckLegenda = maakCheck("CheckLegenda");

    auto* diversenLayout = new QGridLayout(diversen);
    diversenLayout->addWidget(LabelGraphName, 0, 0);
    diversenLayout->addWidget(TextGraphName, 0, 1);
    diversenLayout->addWidget(FrameRecorder, 1, 0, 1, 2);
    diversenLayout->addWidget(FrameAlarm, 2, 0, 1, 2);
    diversenLayout->addWidget(CheckLegenda, 3, 0, 1, 2);
    diversenLayout->setColumnStretch(1, 1);
    diversenLayout->setRowStretch(4, 1);
    SSTab->addTab(diversen, QString());

    // Time axis.
    auto* tijdas = new QWidget;
    labelGrafiekpunten = maakLabel("labelGrafiekpunten");
    textGrafiekPunten = maakTekst("textGrafiekPunten", 6);
    UpDownGrafiekPunten =
        MaakPijlen(this, "UpDownGrafiekPunten", MinimumPunten, MaximumPunten, textGrafiekPunten);
    labelTijdVerdelingen = maakLabel("labelTijdVerdelingen");
    textTijdVerdelingen = maakTekst("textTijdVerdelingen", 4);
    UpDownTijdVerdelingen =
        MaakPijlen(this, "UpDownTijdVerdelingen", 1, MaximumVerdelingen, textTijdVerdelingen);
    LabelTijdsTitel = maakLabel("LabelTijdsTitel");
    TextTijdsTitel = maakTekst("TextTijdsTitel", 0);
    FrameLabels = new QGroupBox(this);
    FrameLabels->setObjectName(QStringLiteral("FrameLabels"));
    m_labelGroep = new QButtonGroup(this);
    auto* labels = new QVBoxLayout(FrameLabels);
    for (int i = 0; i < 4; ++i) {
        OptionLabels[i] = new QRadioButton(this);
        OptionLabels[i]->setObjectName(QStringLiteral("OptionLabels%1").arg(i));
        m_labelGroep->addButton(OptionLabels[i], i);
        labels->addWidget(OptionLabels[i]);
    }
    auto* tijdasLayout = new QGridLayout(tijdas);
    tijdasLayout->addWidget(labelGrafiekpunten, 0, 0);
    tijdasLayout->addLayout(MetPijlen(textGrafiekPunten, UpDownGrafiekPunten), 0, 1);
    tijdasLayout->addWidget(labelTijdVerdelingen, 1, 0);
    tijdasLayout->addLayout(MetPijlen(textTijdVerdelingen, UpDownTijdVerdelingen), 1, 1);
    tijdasLayout->addWidget(LabelTijdsTitel, 2, 0);
    tijdasLayout->addWidget(TextTijdsTitel, 2, 1);
    tijdasLayout->addWidget(FrameLabels, 3, 0, 1, 2);
    tijdasLayout->setColumnStretch(1, 1);
    tijdasLayout->setRowStretch(4, 1);
    SSTab->addTab(tijdas, QString());

    // Value axis.
    auto* waardenas = new QWidget;
    LabelWaardenAs = maakLabel("LabelWaardenAs");
    TextWaardenAs = maakTekst("TextWaardenAs", 0);
    checkAutoSchaal = maakCheck("checkAutoSchaal");
    labelGrafiekMax = maakLabel("labelGrafiekMax");
    textGrafiekMaximum = maakTekst("textGrafiekMaximum", 10);
    UpDownGrafiekMax = MaakPijlen(this, "UpDownGrafiekMax", -32768, 32767, textGrafiekMaximum);
    labelGrafiekMin = maakLabel("labelGrafiekMin");
    textGrafiekMinimum = maakTekst("textGrafiekMinimum", 10);
    UpDownGrafiekMin = MaakPijlen(this, "UpDownGrafiekMin", -32768, 32767, textGrafiekMinimum);
    labelWaardenVerdelingen = maakLabel("labelWaardenVerdelingen");
    textWaardenVerdelingen = maakTekst("textWaardenVerdelingen", 4);
    UpDownWaardenVerdelingen =
        MaakPijlen(this, "UpDownWaardenVerdelingen", 1, MaximumVerdelingen, textWaardenVerdelingen);
    labelWaardenOnderverdelingen = maakLabel("labelWaardenOnderverdelingen");
    textWaardenOnderverdelingen = maakTekst("textWaardenOnderverdelingen", 4);
    UpDownWaardenOnderverdelingen =
        MaakPijlen(this, "UpDownWaardenOnderverdelingen", 1, MaximumVerdelingen, textWaardenOnderverdelingen);
    auto* waardenasLayout = new QGridLayout(waardenas);
    waardenasLayout->addWidget(LabelWaardenAs, 0, 0);
    waardenasLayout->addWidget(TextWaardenAs, 0, 1);
    waardenasLayout->addWidget(checkAutoSchaal, 1, 0, 1, 2);
    waardenasLayout->addWidget(labelGrafiekMax, 2, 0);
    waardenasLayout->addLayout(MetPijlen(textGrafiekMaximum, UpDownGrafiekMax), 2, 1);
    waardenasLayout->addWidget(labelGrafiekMin, 3, 0);
    waardenasLayout->addLayout(MetPijlen(textGrafiekMinimum, UpDownGrafiekMin), 3, 1);
    waardenasLayout->addWidget(labelWaardenVerdelingen, 4, 0);
    waardenasLayout->addLayout(MetPijlen(textWaardenVerdelingen, UpDownWaardenVerdelingen), 4, 1);
    waardenasLayout->addWidget(labelWaardenOnderverdelingen, 5, 0);
    waardenasLayout->addLayout(MetPijlen(textWaardenOnderverdelingen, UpDownWaardenOnderverdelingen), 5, 1);
    waardenasLayout->setColumnStretch(1, 1);
    waardenasLayout->setRowStretch(6, 1);
    SSTab->addTab(waardenas, QString());

    // Data series.
    auto* curven = new QWidget;
    MSHFlexCurveLijnen = new QTableWidget(AantalGrafiekLijnen, 6, this);
    MSHFlexCurveLijnen->setObjectName(QStringLiteral("MSHFlexCurveLijnen"));
    auto* curvenLayout = new QVBoxLayout(curven);
    curvenLayout->addWidget(MSHFlexCurveLijnen);
    SSTab->addTab(curven, QString());

    CmdOK = maakKnop("CmdOK");
    CmdOK->setDefault(true);
    CmdCancel = maakKnop("CmdCancel");
    CommandHelp = maakKnop("CommandHelp");
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(CmdOK);
    knoppen->addWidget(CmdCancel);
    knoppen->addWidget(CommandHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab);
    layout->addLayout(knoppen);

    Koppel(textGrafiekPunten, UpDownGrafiekPunten, [](const QString& t) { return TekstNaarInteger(t); });
    for (auto [tekst, pijlen] : {std::pair{textTijdVerdelingen, UpDownTijdVerdelingen},
                                 std::pair{textWaardenVerdelingen, UpDownWaardenVerdelingen},
                                 std::pair{textWaardenOnderverdelingen, UpDownWaardenOnderverdelingen}})
        Koppel(tekst, pijlen, [](const QString& t) { return ControleerGeheelGetal(t); });
    Koppel(textGrafiekMaximum, UpDownGrafiekMax, LeesGetal);
    Koppel(textGrafiekMinimum, UpDownGrafiekMin, LeesGetal);
    connect(TextAlarmHoog, &QLineEdit::textEdited, this, [this](const QString& t) {
        ZetPijlen(UpDownAlarmHoog, LeesGetal(t));
        m_vorigHoog = UpDownAlarmHoog->value();
    });
    connect(TextAlarmLaag, &QLineEdit::textEdited, this, [this](const QString& t) {
        ZetPijlen(UpDownAlarmLaag, LeesGetal(t));
        m_vorigLaag = UpDownAlarmLaag->value();
    });
    connect(UpDownAlarmHoog, &QSpinBox::valueChanged, this, [this](int w) { AlarmGestapt(true, w); });
    connect(UpDownAlarmLaag, &QSpinBox::valueChanged, this, [this](int w) { AlarmGestapt(false, w); });
    connect(CheckAlarmHoog, &QCheckBox::clicked, this, [this] { InstellenAlarmHoogEnables(m_kleurHoog); });
    connect(CheckAlarmLaag, &QCheckBox::clicked, this, [this] { InstellenAlarmLaagEnables(m_kleurLaag); });
    connect(CommandKleurHoog, &QPushButton::clicked, this, [this] {
        KiesKleur(m_kleurHoog);
        InstellenAlarmHoogEnables(m_kleurHoog);
    });
    connect(CommandKleurLaag, &QPushButton::clicked, this, [this] {
        KiesKleur(m_kleurLaag);
        InstellenAlarmLaagEnables(m_kleurLaag);
    });
    connect(checkAutoSchaal, &QCheckBox::clicked, this, &frmGrafiekInstellen::InstellenSchaalEnables);
    connect(CheckRecorder, &QCheckBox::clicked, this, &frmGrafiekInstellen::CheckRecorder_Click);
    connect(TextTussentijd, &QLineEdit::editingFinished, this, &frmGrafiekInstellen::TextTussentijd_Change);
    connect(UpDownTussentijd, &QSpinBox::valueChanged, this, &frmGrafiekInstellen::UpDownTussentijd_Change);
    connect(MSHFlexCurveLijnen, &QTableWidget::cellClicked, this,
            [this](int rij, int kolom) { CurveRaster_Click(rij + 1, kolom); });
    MSHFlexCurveLijnen->installEventFilter(this);
    connect(CmdOK, &QPushButton::clicked, this, &frmGrafiekInstellen::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmGrafiekInstellen::CmdCancel_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &frmGrafiekInstellen::CommandHelp_Click);

    // The interval box: "hh:mm:ss" with the locale's time separator, "_" for a digit not typed.
    m_scheiding = TijdScheiding.isEmpty() ? QStringLiteral(":") : TijdScheiding;
    QString scheiding = m_scheiding;
    if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(scheiding)) scheiding.prepend(QLatin1Char('\\'));
    TextTussentijd->setInputMask(QStringLiteral("00") + scheiding + QStringLiteral("00") + scheiding +
                                 QStringLiteral("00;_"));

    if (GrafiekvensterInterface* venster = GrafiekVenster(grafiek))
        m_gegevens = LeesGrafiekGegevens(*venster);
    InitCurveRaster();
    LaadStringsGrafiekInstellen();
    refresh();

    const int pagina = TekstNaarInteger(
        LeesInstelling(AppNaam, Sectie, QStringLiteral("Tab"), static_cast<int>(PaginaCurven)));
    SSTab->setCurrentIndex(pagina >= 0 && pagina < SSTab->count() ? pagina : PaginaCurven);
}

frmGrafiekInstellen::~frmGrafiekInstellen() = default;

// ---------------------------------------------------------------------------------------------------
// The copy and the controls

void frmGrafiekInstellen::refresh() {
    const GrafiekInstellingen& g = m_gegevens.instellingen;
    textGrafiekPunten->setText(QString::number(g.MaxGrafiekZichtbaar));
    ZetPijlen(UpDownGrafiekPunten, g.MaxGrafiekZichtbaar);
    checkAutoSchaal->setChecked(g.AutomatischeSchaal);
    TextTijdsTitel->setText(g.TitelTijdsas);
    TextWaardenAs->setText(g.TitelWaardenas);
    textGrafiekMaximum->setText(DoubleAlsTekst(g.GrafiekMaximum));
    ZetPijlen(UpDownGrafiekMax, g.GrafiekMaximum);
    textGrafiekMinimum->setText(DoubleAlsTekst(g.GrafiekMinimum));
    ZetPijlen(UpDownGrafiekMin, g.GrafiekMinimum);
    textWaardenVerdelingen->setText(QString::number(g.AantalWaardenVerdelingen));
    ZetPijlen(UpDownWaardenVerdelingen, g.AantalWaardenVerdelingen);
    textTijdVerdelingen->setText(QString::number(g.AantalTijdVerdelingen));
    ZetPijlen(UpDownTijdVerdelingen, g.AantalTijdVerdelingen);
    textWaardenOnderverdelingen->setText(QString::number(g.AantalWaardenOnderverdelingen));
    ZetPijlen(UpDownWaardenOnderverdelingen, g.AantalWaardenOnderverdelingen);

    CheckAlarmHoog->setChecked(g.AlarmHoog);
    CheckAlarmLaag->setChecked(g.AlarmLaag);
    TextAlarmHoog->setText(DoubleAlsTekst(g.AlarmHoogWaarde));
    TextAlarmLaag->setText(DoubleAlsTekst(g.AlarmLaagWaarde));
    m_alarmBereiken = AlarmBereiken{};
    ZetAlarmBereiken();
    ZetPijlen(UpDownAlarmHoog, g.AlarmHoogWaarde);
    ZetPijlen(UpDownAlarmLaag, g.AlarmLaagWaarde);
    m_vorigHoog = UpDownAlarmHoog->value();
    m_vorigLaag = UpDownAlarmLaag->value();
    m_kleurLaag = m_gegevens.kleuren[ReeksAlarmLaag];
    m_kleurHoog = m_gegevens.kleuren[ReeksAlarmHoog];

    // A label choice outside 0..3 (no labels) selects no option.
    m_labelGroep->setExclusive(false);
    for (int i = 0; i < 4; ++i)
        OptionLabels[i]->setChecked(i == g.LabelKeuze);
    m_labelGroep->setExclusive(true);

    CheckLegenda->setChecked(g.LegendeKeuze);
    CheckRecorder->setChecked(g.XYrecorder);
    m_vorigeTussentijd = BegrensTussentijd(g.RecorderTussentijd);
    PlaatsTussentijd(g.RecorderTussentijd);
    {
        const QSignalBlocker stil(UpDownTussentijd);
        UpDownTussentijd->setValue(m_vorigeTussentijd);
    }
    CheckPrintGraph->setChecked(g.AfdrukkenRecorder);
    TextGraphName->setText(m_gegevens.naam);
    setWindowTitle(m_gegevens.naam);

    CheckRecorder_Click();
    InstellenSchaalEnables();
    InstellenAlarmHoogEnables(m_kleurHoog);
    InstellenAlarmLaagEnables(m_kleurLaag);
    for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
        VulCurveRij(n);
        CurveCel(n, KolomCurveKleur)->setBackground(KleurVan(m_gegevens.kleuren[n + 2]));
    }
}

void frmGrafiekInstellen::sync() {
    GrafiekInstellingen& g = m_gegevens.instellingen;
    g.AutomatischeSchaal = checkAutoSchaal->isChecked();
    // With automatic scaling the manual scale keeps its values, whatever the disabled fields show.
    if (!g.AutomatischeSchaal) {
        g.GrafiekMaximum = LeesGetal(textGrafiekMaximum->text());
        g.GrafiekMinimum = LeesGetal(textGrafiekMinimum->text());
        g.AantalWaardenVerdelingen = ControleerGeheelGetal(textWaardenVerdelingen->text());
        g.AantalWaardenOnderverdelingen = ControleerGeheelGetal(textWaardenOnderverdelingen->text());
    }
    // An alarm switched off keeps its value and its line colour.
    g.AlarmHoog = CheckAlarmHoog->isChecked();
    if (g.AlarmHoog) {
        g.AlarmHoogWaarde = LeesGetal(TextAlarmHoog->text());
        m_gegevens.kleuren[ReeksAlarmHoog] = m_kleurHoog;
    }
    g.AlarmLaag = CheckAlarmLaag->isChecked();
    if (g.AlarmLaag) {
        g.AlarmLaagWaarde = LeesGetal(TextAlarmLaag->text());
        m_gegevens.kleuren[ReeksAlarmLaag] = m_kleurLaag;
    }
    g.MaxGrafiekZichtbaar = ControleerGetal(textGrafiekPunten->text());
    g.AantalTijdVerdelingen = ControleerGeheelGetal(textTijdVerdelingen->text());
    // The curves' inputs, colours and statistic lines stand in the copy since the user chose them.
    if (const int keuze = m_labelGroep->checkedId(); keuze >= 0) g.LabelKeuze = static_cast<int16_t>(keuze);
    g.TitelTijdsas = TrimSpaties(TextTijdsTitel->text());
    g.TitelWaardenas = TrimSpaties(TextWaardenAs->text());
    g.LegendeKeuze = CheckLegenda->isChecked();
    g.XYrecorder = CheckRecorder->isChecked();
    const std::optional<int32_t> tussentijd = LeesTussentijd(TextTussentijd->displayText(), m_scheiding);
    g.RecorderTussentijd = tussentijd ? BegrensTussentijd(*tussentijd) : m_vorigeTussentijd;
    g.AfdrukkenRecorder = CheckPrintGraph->isChecked();
    m_gegevens.naam = TrimSpaties(TextGraphName->text());
    // Scale and alarm values beyond the up-downs' ranges are held to them.
    BegrensGrafiekGrenzen(g);
}

void frmGrafiekInstellen::LaadStringsGrafiekInstellen() {
    const QString dubbelepunt = QStringLiteral(":");
    labelGrafiekpunten->setText(Tekst[168] + dubbelepunt);
    checkAutoSchaal->setText(Tekst[169]);
    labelGrafiekMax->setText(Tekst[172] + dubbelepunt);
    labelGrafiekMin->setText(Tekst[173] + dubbelepunt);
    labelWaardenVerdelingen->setText(Tekst[174] + dubbelepunt);
    labelTijdVerdelingen->setText(Tekst[174] + dubbelepunt);
    labelWaardenOnderverdelingen->setText(Tekst[176] + dubbelepunt);
    LabelGraphName->setText(Tekst[339] + dubbelepunt);
    LabelWaardenAs->setText(Tekst[346] + dubbelepunt);
    LabelTijdsTitel->setText(Tekst[346] + dubbelepunt);
    CmdOK->setText(Tekst[140]);
    CmdCancel->setText(Tekst[141]);
    CommandHelp->setText(Tekst[227]);
    CheckAlarmHoog->setText(Tekst[221]);
    CheckAlarmLaag->setText(Tekst[222]);
    FrameAlarm->setTitle(Tekst[220]);
    CheckRecorder->setText(Tekst[354]);
    CheckPrintGraph->setText(Tekst[436]);
    FrameRecorder->setTitle(VervangAmpersand(Tekst[344], QString()));
    LabelTussentijd->setText(Tekst[134] + dubbelepunt);
    CommandKleurHoog->setText(QString());
    CommandKleurLaag->setText(QString());
    OptionLabels[0]->setText(Tekst[124] + QLatin1Char('+') + Tekst[125]);
    OptionLabels[1]->setText(Tekst[125]);
    OptionLabels[2]->setText(Tekst[124]);
    OptionLabels[3]->setText(Tekst[123]);
    SSTab->setTabText(PaginaDiversen, Tekst[333]);
    SSTab->setTabText(PaginaTijdas, Tekst[171]);
    SSTab->setTabText(PaginaWaardenas, Tekst[170]);
    SSTab->setTabText(PaginaCurven, Tekst[332]);
    CheckLegenda->setText(Tekst[437]);
    FrameLabels->setTitle(Tekst[438]);
    MSHFlexCurveLijnen->setToolTip(Tekst[353]);
    MSHFlexCurveLijnen->setHorizontalHeaderLabels(
        {QStringLiteral("#"), Tekst[295], Tekst[219], QStringLiteral("Min"), QStringLiteral("Max"), Delta});
}

// ---------------------------------------------------------------------------------------------------
// The curve grid

QTableWidgetItem* frmGrafiekInstellen::CurveCel(int curve, int kolom) const {
    return MSHFlexCurveLijnen->item(curve - 1, kolom);
}

void frmGrafiekInstellen::InitCurveRaster() {
    QTableWidget* r = MSHFlexCurveLijnen;
    r->verticalHeader()->hide();
    r->verticalHeader()->setDefaultSectionSize(r->fontMetrics().height() + 8);
    r->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No selection colour hides a curve's colour cell; the current cell shows by its focus frame.
    r->setSelectionMode(QAbstractItemView::NoSelection);
    r->horizontalHeader()->setSectionsClickable(false);
    r->horizontalHeader()->setHighlightSections(false);
    const int smal =
        std::max(TwipsNaarPixels(400), r->fontMetrics().horizontalAdvance(QStringLiteral("Max")) + 12);
    r->setColumnWidth(KolomCurveNummer,
                      std::max(smal, r->fontMetrics().horizontalAdvance(QStringLiteral("32")) + 12));
    r->setColumnWidth(KolomCurveKleur,
                      std::max(TwipsNaarPixels(600), r->fontMetrics().horizontalAdvance(Tekst[219]) + 16));
    for (int k = KolomCurveMinimum; k <= KolomCurveGemiddelde; ++k)
        r->setColumnWidth(k, smal);
    for (int k = 0; k < 6; ++k)
        r->horizontalHeader()->setSectionResizeMode(k, k == KolomCurveIngang ? QHeaderView::Stretch
                                                                             : QHeaderView::Fixed);
    r->setMinimumWidth(TwipsNaarPixels(7000));
    for (int n = 1; n <= AantalGrafiekLijnen; ++n)
        for (int k = 0; k < 6; ++k) {
            auto* cel = new QTableWidgetItem;
            cel->setFlags(Qt::ItemIsEnabled);
            if (k == KolomCurveNummer) {
                cel->setText(QString::number(n));
                cel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                cel->setBackground(palette().button());
                cel->setForeground(palette().buttonText());
            } else if (k != KolomCurveIngang) {
                cel->setTextAlignment(Qt::AlignCenter);
            }
            r->setItem(n - 1, k, cel);
        }
}

void frmGrafiekInstellen::VulCurveRij(int n) {
    auto& lijn = m_gegevens.lijnen[n];
    const QString omschrijving = lijn[LijnRack] != 0 && lijn[LijnModule] != 0 && lijn[LijnIngang] != 0
                                     ? CurveOmschrijving(lijn[LijnRack], lijn[LijnModule], lijn[LijnIngang])
                                     : QString();
    CurveCel(n, KolomCurveIngang)->setText(omschrijving);
    // A curve without an input has no statistic lines.
    if (omschrijving.isEmpty())
        for (int i = LijnMinimum; i <= LijnGemiddelde; ++i)
            lijn[i] = 0;
    ZetVinkje(n, KolomCurveMinimum, lijn[LijnMinimum] != 0);
    ZetVinkje(n, KolomCurveMaximum, lijn[LijnMaximum] != 0);
    ZetVinkje(n, KolomCurveGemiddelde, lijn[LijnGemiddelde] != 0);
}

void frmGrafiekInstellen::ZetVinkje(int n, int kolom, bool aan) {
    CurveCel(n, kolom)->setText(aan ? Vinkje : QString());
}

void frmGrafiekInstellen::CurveRaster_Click(int n, int kolom) {
    if (n < 1 || n > AantalGrafiekLijnen) return;
    MSHFlexCurveLijnen->setCurrentCell(n - 1, kolom);
    auto& lijn = m_gegevens.lijnen[n];
    switch (kolom) {
    case KolomCurveIngang: {
        // The picker changes nothing a snapshot reads: logging goes on while it is open.
        {
            DialogInputGrafiekElement kiezer(this);
            kiezer.LijnNr = static_cast<int16_t>(n);
            kiezer.Grafiek = m_gegevens.naam;
            kiezer.Rnr = lijn[LijnRack];
            kiezer.Mnr = lijn[LijnModule];
            kiezer.Knr = lijn[LijnIngang];
            // A new curve starts on the module of the curve above it.
            if (n >= 2 && kiezer.Rnr == 0) {
                kiezer.Rnr = m_gegevens.lijnen[n - 1][LijnRack];
                kiezer.Mnr = m_gegevens.lijnen[n - 1][LijnModule];
            }
            kiezer.ToonModaal();
            if (!kiezer.CancelGeklikt) {
                lijn[LijnRack] = kiezer.Rnr;
                lijn[LijnModule] = kiezer.Mnr;
                lijn[LijnIngang] = kiezer.Knr;
            }
        }
        VulCurveRij(n);
        break;
    }
    case KolomCurveKleur:
        if (CelGevuld(CurveCel(n, KolomCurveIngang)) && KiesKleur(m_gegevens.kleuren[n + 2]))
            CurveCel(n, KolomCurveKleur)->setBackground(KleurVan(m_gegevens.kleuren[n + 2]));
        break;
    case KolomCurveMinimum:
    case KolomCurveMaximum:
    case KolomCurveGemiddelde: {
        // A tick can always be taken away; only a curve with an input gets one.
        const bool aan = !CelGevuld(CurveCel(n, kolom)) && CelGevuld(CurveCel(n, KolomCurveIngang));
        lijn[kolom] = aan ? -1 : 0;
        ZetVinkje(n, kolom, aan);
        break;
    }
    default:
        break;
    }
}

bool frmGrafiekInstellen::eventFilter(QObject* object, QEvent* event) {
    if (object == MSHFlexCurveLijnen && event->type() == QEvent::KeyPress) {
        const int toets = static_cast<QKeyEvent*>(event)->key();
        if (toets == Qt::Key_Return || toets == Qt::Key_Enter || toets == Qt::Key_Space) {
            const QModelIndex cel = MSHFlexCurveLijnen->currentIndex();
            if (cel.isValid()) CurveRaster_Click(cel.row() + 1, cel.column());
            return true;
        }
    }
    return QDialog::eventFilter(object, event);
}

// ---------------------------------------------------------------------------------------------------
// Live controls

bool frmGrafiekInstellen::KiesKleur(int32_t& kleur) {
    int16_t keuze = 0;
    const int32_t gekozen = KiesCurveKleur(kleur, keuze);
    if (keuze != 1) return false;
    kleur = gekozen;
    return true;
}

void frmGrafiekInstellen::ZetKleurKnop(QPushButton* knop, bool aan, int32_t kleur) {
    const QColor c = aan ? KleurVan(kleur) : palette().color(QPalette::Disabled, QPalette::WindowText);
    knop->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; }")
                            .arg(c.name(), palette().color(QPalette::Mid).name()));
}

void frmGrafiekInstellen::InstellenAlarmHoogEnables(int32_t kleur) {
    const bool aan = CheckAlarmHoog->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{TextAlarmHoog, UpDownAlarmHoog, CommandKleurHoog})
        w->setEnabled(aan);
    ZetKleurKnop(CommandKleurHoog, aan, kleur);
}

void frmGrafiekInstellen::InstellenAlarmLaagEnables(int32_t kleur) {
    const bool aan = CheckAlarmLaag->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{TextAlarmLaag, UpDownAlarmLaag, CommandKleurLaag})
        w->setEnabled(aan);
    ZetKleurKnop(CommandKleurLaag, aan, kleur);
}

void frmGrafiekInstellen::ZetAlarmBereiken() {
    const QSignalBlocker stilHoog(UpDownAlarmHoog);
    const QSignalBlocker stilLaag(UpDownAlarmLaag);
    UpDownAlarmHoog->setRange(m_alarmBereiken.hoog.minimum,
                              std::max(m_alarmBereiken.hoog.minimum, m_alarmBereiken.hoog.maximum));
    UpDownAlarmLaag->setRange(m_alarmBereiken.laag.minimum,
                              std::max(m_alarmBereiken.laag.minimum, m_alarmBereiken.laag.maximum));
}

void frmGrafiekInstellen::AlarmGestapt(bool hoog, int waarde) {
    const bool omhoog = waarde > (hoog ? m_vorigHoog : m_vorigLaag);
    KoppelAlarmBereiken(m_alarmBereiken, hoog, omhoog, UpDownAlarmHoog->value(), UpDownAlarmLaag->value());
    ZetAlarmBereiken();
    (hoog ? TextAlarmHoog : TextAlarmLaag)->setText(QString::number(waarde));
    m_vorigHoog = UpDownAlarmHoog->value();
    m_vorigLaag = UpDownAlarmLaag->value();
}

void frmGrafiekInstellen::InstellenSchaalEnables() {
    const bool handmatig = !checkAutoSchaal->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             textGrafiekMaximum, UpDownGrafiekMax, textGrafiekMinimum, UpDownGrafiekMin,
             textWaardenVerdelingen, UpDownWaardenVerdelingen, textWaardenOnderverdelingen,
             UpDownWaardenOnderverdelingen, labelGrafiekMax, labelGrafiekMin, labelWaardenVerdelingen,
             labelWaardenOnderverdelingen})
        w->setEnabled(handmatig);
}

void frmGrafiekInstellen::CheckRecorder_Click() {
    const bool aan = CheckRecorder->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{LabelTussentijd, TextTussentijd, UpDownTussentijd, CheckPrintGraph})
        w->setEnabled(aan);
}

void frmGrafiekInstellen::PlaatsTussentijd(int32_t TePlaatsentijd) {
    const QString tekst = TussentijdTekst(TePlaatsentijd, m_scheiding);
    if (TextTussentijd->displayText() == tekst) return;
    const int positie = TextTussentijd->cursorPosition();
    TextTussentijd->setText(tekst);
    TextTussentijd->setCursorPosition(positie);
}

void frmGrafiekInstellen::TextTussentijd_Change() {
    const std::optional<int32_t> gelezen = LeesTussentijd(TextTussentijd->displayText(), m_scheiding);
    // No time of day: the interval stays what it was.
    const int32_t s = gelezen ? BegrensTussentijd(*gelezen) : m_vorigeTussentijd;
    m_vorigeTussentijd = s;
    {
        const QSignalBlocker stil(UpDownTussentijd);
        UpDownTussentijd->setValue(s);
    }
    PlaatsTussentijd(s);
}

void frmGrafiekInstellen::UpDownTussentijd_Change(int waarde) {
    const int32_t s = BegrensTussentijd(waarde);
    if (s == m_vorigeTussentijd) return;
    m_vorigeTussentijd = s;
    PlaatsTussentijd(s);
}

// ---------------------------------------------------------------------------------------------------
// OK, Cancel, Help and closing

void frmGrafiekInstellen::CmdOK_Click() {
    if (m_gesloten) return;
    hide();
    sync();
    GrafiekvensterInterface* venster = GrafiekVenster(m_grafiek);
    if (venster && venster->GrafiekIndex() == m_grafiek) {
        SchrijfGrafiekGegevens(m_gegevens, *venster);
        SchrijfGrafiekInstellingen(m_grafiek, *venster);
        setResult(QDialog::Accepted);
    } else {
        // The graph went while the dialog was open: nothing to write into.
        setResult(QDialog::Rejected);
    }
    Form_Unload();
}

void frmGrafiekInstellen::CmdCancel_Click() {
    if (m_gesloten) return;
    hide();
    setResult(QDialog::Rejected);
    Form_Unload();
}

void frmGrafiekInstellen::CommandHelp_Click() {
    ToonHelp(HelpGrafiekInstellingen);
}

// Escape and the title bar are Cancel.
void frmGrafiekInstellen::reject() {
    CmdCancel_Click();
}

void frmGrafiekInstellen::Form_Unload() {
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Tab"), QString::number(SSTab->currentIndex()));
    m_gesloten = true;
    InstellenGesloten = true;
}

// ---------------------------------------------------------------------------------------------------
// Opening

bool ToonGrafiekInstellingen(int pagina) {
    if (openDialoog && !openDialoog->Gesloten()) {
        openDialoog->raise();
        openDialoog->activateWindow();
        return false;
    }
    const int g = HuidigeGrafiek;
    GrafiekvensterInterface* venster = GrafiekVenster(g);
    if (!venster || venster->GrafiekIndex() != g) return false;
    QWidget* ouder = nullptr;
    if (auto* w = dynamic_cast<QWidget*>(venster)) ouder = w->window();
    // Owned by the graph's main window when there is one, else by this function; the pointer follows
    // it either way.
    QPointer<frmGrafiekInstellen> dialoog = new frmGrafiekInstellen(g, ouder);
    openDialoog = dialoog;
    if (pagina >= 0 && pagina < dialoog->SSTab->count()) dialoog->SSTab->setCurrentIndex(pagina);
    dialoog->show();
    dialoog->raise();
    dialoog->activateWindow();
    platform::WachtOpVenster([&dialoog] { return !dialoog || dialoog->Gesloten(); });
    const bool aanvaard = dialoog && dialoog->result() == QDialog::Accepted;
    delete dialoog.data();
    return aanvaard;
}

frmGrafiekInstellen* GrafiekInstellenVenster() {
    return openDialoog && !openDialoog->Gesloten() ? openDialoog.data() : nullptr;
}

void SluitGrafiekInstellingen(int grafiek) {
    if (frmGrafiekInstellen* d = GrafiekInstellenVenster(); d && d->Grafiek() == grafiek) d->reject();
}

void ResetGrafiekInstellen() {
    if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->reject();
    HuidigeGrafiek = 0;
    InstellenGesloten = true;
}
