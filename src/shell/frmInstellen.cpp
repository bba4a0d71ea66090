#include "shell/frmInstellen.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/Verbinding.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/Tijdbasis.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Dialooghouder.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/DialogInputTijdstip.h"
#include "shell/Opdrachtregel.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

const QString Sectie = QStringLiteral("Settings");
constexpr platform::Datum EenSeconde = 1.0 / 86400.0;
const std::array<const char*, 7> Baudrates = {"300", "600", "1200", "2400", "4800", "9600", "19200"};

// The dialog, kept after unload so that its state can still be read.
Dialooghouder<frmInstellen> houder;

QString TweeCijfers(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// A moment as "ddd ddddd ttttt": the abbreviated weekday, the short date and the long time.
QString MomentTekst(platform::Datum d) {
    return QLocale().toString(platform::QDateTimeUitDatum(d).date(), QStringLiteral("ddd")) +
           QLatin1Char(' ') + platform::DatumTijdTekst(d);
}

// Writes the text of a box without moving the caret.
void ZetTekstOpPlaats(QLineEdit* box, const QString& tekst) {
    if (box->displayText() == tekst) return;
    const int positie = box->cursorPosition();
    box->setText(tekst);
    box->setCursorPosition(positie);
}

// The rack line through the main window: set up (with its status bar when `init`), and opened; true
// when it is open (always in simulation). Without a main window there is no line to look after.
void StelPoortIn(bool init) {
    if (mdiK740* h = HoofdvensterK740()) {
        if (init)
            h->initCommPoort();
        else
            h->InstellenCommPoort();
    }
}
bool OpenPoort() {
    mdiK740* h = HoofdvensterK740();
    return !h || h->OpenCommPoort();
}

// Disables the main window now, after a dialog or box of this window that may have enabled it. That a
// box answered meanwhile leaves it disabled is the hold this window takes while it is open
// (HoudHoofdvensterUit, counted).
void ZetHoofdvensterUit() {
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->setEnabled(false);
}

class Wachtcursor {
public:
    Wachtcursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wachtcursor() { QApplication::restoreOverrideCursor(); }
    Wachtcursor(const Wachtcursor&) = delete;
    Wachtcursor& operator=(const Wachtcursor&) = delete;
};

} // namespace

frmInstellen::frmInstellen() {
    setObjectName(QStringLiteral("frmInstellen"));
    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));

    auto maakLabel = [this](const char* naam) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(naam));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    auto maakCheck = [this](const char* naam) {
        auto* c = new QCheckBox(this);
        c->setObjectName(QLatin1String(naam));
        return c;
    };
    auto maakKnop = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(naam));
        return k;
    };
    auto maakLijst = [this](const char* naam) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(naam));
        return c;
    };

    // Log.
    auto* log = new QWidget;
    LblConnectionIntervalOfTime = maakLabel("LblConnectionIntervalOfTime");
    TextTijdsinterval = new QLineEdit(this);
    TextTijdsinterval->setObjectName(QStringLiteral("TextTijdsinterval"));
    TextTijdsinterval->setFixedWidth(
        TextTijdsinterval->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 16);
    UpDownPollInterval = new QSpinBox(this);
    UpDownPollInterval->setObjectName(QStringLiteral("UpDownPollInterval"));
    UpDownPollInterval->setRange(1, 86400);
    UpDownPollInterval->setSingleStep(1);
    // An up-down without a text of its own: the interval shows in the box beside it.
    UpDownPollInterval->setFixedWidth(UpDownPollInterval->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                      6);
    UpDownPollInterval->setFixedHeight(TextTijdsinterval->sizeHint().height());
    CheckLogStartup = maakCheck("CheckLogStartup");
    CheckLoadFile = maakCheck("CheckLoadFile");
    CheckStartTijdstip = maakCheck("CheckStartTijdstip");
    CommandStartTijdstip = maakKnop("CommandStartTijdstip");
    LabelStartTijdstip = maakLabel("LabelStartTijdstip");
    CheckStopTijdstip = maakCheck("CheckStopTijdstip");
    CommandStopTijdstip = maakKnop("CommandStopTijdstip");
    LabelStopTijdstip = maakLabel("LabelStopTijdstip");
    for (QPushButton* k : {CommandStartTijdstip, CommandStopTijdstip}) {
        k->setText(QStringLiteral("..."));
        k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 20);
    }
    const int momentBreedte = LabelStartTijdstip->fontMetrics().horizontalAdvance(
                                  MomentTekst(platform::MaakDatum(2000, 12, 30, 23, 59, 59))) +
                              8;
    LabelStartTijdstip->setMinimumWidth(momentBreedte);
    LabelStopTijdstip->setMinimumWidth(momentBreedte);
    auto* logRaster = new QGridLayout(log);
    auto* intervalRij = new QHBoxLayout;
    intervalRij->setSpacing(0);
    intervalRij->addWidget(TextTijdsinterval);
    intervalRij->addWidget(UpDownPollInterval);
    intervalRij->addStretch();
    logRaster->addWidget(LblConnectionIntervalOfTime, 0, 0);
    logRaster->addLayout(intervalRij, 0, 1, 1, 2);
    logRaster->addWidget(CheckLogStartup, 1, 0, 1, 3);
    logRaster->addWidget(CheckLoadFile, 2, 0, 1, 3);
    logRaster->addWidget(CheckStartTijdstip, 3, 0);
    logRaster->addWidget(CommandStartTijdstip, 3, 1);
    logRaster->addWidget(LabelStartTijdstip, 3, 2);
    logRaster->addWidget(CheckStopTijdstip, 4, 0);
    logRaster->addWidget(CommandStopTijdstip, 4, 1);
    logRaster->addWidget(LabelStopTijdstip, 4, 2);
    logRaster->setColumnStretch(2, 1);
    logRaster->setRowStretch(5, 1);
    SSTab->addTab(log, QString());

    // Connection.
    auto* verbinding = new QWidget;
    lblCommPoort = maakLabel("lblCommPoort");
    cboCommPoort = maakLijst("cboCommPoort");
    // A device path (/dev/ttyUSB0, a pseudo-terminal) may be typed in.
    cboCommPoort->setEditable(true);
    cboCommPoort->setInsertPolicy(QComboBox::NoInsert);
    cboCommPoort->setMinimumContentsLength(16);
    lblBaudrate = maakLabel("lblBaudrate");
    cboBaudrate = maakLijst("cboBaudrate");
    auto* verbindingRaster = new QGridLayout(verbinding);
    verbindingRaster->addWidget(lblCommPoort, 0, 0);
    verbindingRaster->addWidget(cboCommPoort, 0, 1);
    verbindingRaster->addWidget(lblBaudrate, 1, 0);
    verbindingRaster->addWidget(cboBaudrate, 1, 1);
    verbindingRaster->setColumnStretch(2, 1);
    verbindingRaster->setRowStretch(2, 1);
    SSTab->addTab(verbinding, QString());

    // Language.
    auto* taal = new QWidget;
    LabelTaal = maakLabel("LabelTaal");
    ComboTaal = maakLijst("ComboTaal");
    auto* taalRaster = new QGridLayout(taal);
    taalRaster->addWidget(LabelTaal, 0, 0);
    taalRaster->addWidget(ComboTaal, 0, 1);
    taalRaster->setColumnStretch(2, 1);
    taalRaster->setRowStretch(1, 1);
    SSTab->addTab(taal, QString());

    // Locations.
    auto* locaties = new QWidget;
    LabelFolderInfo = maakLabel("LabelFolderInfo");
    LabelFolderInfo->setWordWrap(true);
    MSHFlexGridFolder = new QTableWidget(5, 2, this);
    MSHFlexGridFolder->setObjectName(QStringLiteral("MSHFlexGridFolder"));
    MSHFlexGridFolder->horizontalHeader()->hide();
    MSHFlexGridFolder->verticalHeader()->hide();
    MSHFlexGridFolder->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexGridFolder->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSHFlexGridFolder->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGridFolder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSHFlexGridFolder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSHFlexGridFolder->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < 5; ++r)
        for (int k = 0; k < 2; ++k) {
            auto* cel = new QTableWidgetItem;
            // Row 0 is the fixed heading row.
            if (r == 0) {
                cel->setFlags(Qt::ItemIsEnabled);
                cel->setBackground(palette().button());
                cel->setForeground(palette().buttonText());
            } else {
                cel->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            MSHFlexGridFolder->setItem(r, k, cel);
        }
    int hoogte = 2 * MSHFlexGridFolder->frameWidth();
    for (int r = 0; r < 5; ++r)
        hoogte += MSHFlexGridFolder->rowHeight(r);
    MSHFlexGridFolder->setFixedHeight(hoogte);
    auto* locatieLayout = new QVBoxLayout(locaties);
    locatieLayout->addWidget(LabelFolderInfo);
    locatieLayout->addWidget(MSHFlexGridFolder);
    locatieLayout->addStretch();
    SSTab->addTab(locaties, QString());

    OKButton = maakKnop("OKButton");
    OKButton->setDefault(true);
    CancelButton = maakKnop("CancelButton");
    CommandHelp = maakKnop("CommandHelp");
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    knoppen->addWidget(CommandHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab);
    layout->addLayout(knoppen);

    connect(TextTijdsinterval, &QLineEdit::textChanged, this, &frmInstellen::TextTijdsinterval_Change);
    connect(UpDownPollInterval, &QSpinBox::valueChanged, this, &frmInstellen::UpDownPollInterval_Change);
    connect(CheckLogStartup, &QCheckBox::clicked, this, &frmInstellen::PlaatsTijdstippen);
    connect(CommandStartTijdstip, &QPushButton::clicked, this, &frmInstellen::CommandStartTijdstip_Click);
    connect(CommandStopTijdstip, &QPushButton::clicked, this, &frmInstellen::CommandStopTijdstip_Click);
    connect(ComboTaal, &QComboBox::currentIndexChanged, this, &frmInstellen::ComboTaal_Click);
    connect(MSHFlexGridFolder, &QTableWidget::cellClicked, this, [this](int rij, int) {
        if (rij < 1) return;
        MSHFlexGridFolder->setCurrentCell(rij, 1);
        MSHFlexGridFolder_Click();
    });
    connect(OKButton, &QPushButton::clicked, this, &frmInstellen::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmInstellen::CancelButton_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &frmInstellen::CommandHelp_Click);

    Form_Load();
}

frmInstellen::~frmInstellen() {
    if (!Afsluiten) HoudHoofdvensterUit(false);
}

void frmInstellen::Form_Load() {
    Afsluiten = false;
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->setEnabled(false);
    // A box answered while a settings dialog is open leaves the main window disabled.
    HoudHoofdvensterUit(true);

    // No logging and no snapshot while the settings are open; the unload lets go of both.
    m_verbinding.emplace(VerbindingActief);
    m_pauze.emplace(PauzeOpvragen);

    // The log-on replies still to come are lost with the line.
    if (MSComm1().isOpen()) {
        MSComm1().sluit();
        BeeindigAanmelding();
    }

    m_scheiding = TijdScheiding.isEmpty() ? QStringLiteral(":") : TijdScheiding;
    QString scheiding = m_scheiding;
    if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(scheiding)) scheiding.prepend(QLatin1Char('\\'));
    TextTijdsinterval->setInputMask(QStringLiteral("99") + scheiding + QStringLiteral("99") + scheiding +
                                    QStringLiteral("99;_"));

    Refresh();

    // The design's widths, the first widened where the font needs it for the row names.
    int naamBreedte = TwipsNaarPixels(1200);
    for (int r = 0; r <= 4; ++r)
        naamBreedte = std::max(
            naamBreedte,
            MSHFlexGridFolder->fontMetrics().horizontalAdvance(MSHFlexGridFolder->item(r, 0)->text()) + 12);
    MSHFlexGridFolder->setColumnWidth(0, naamBreedte);
    MSHFlexGridFolder->setColumnWidth(1, TwipsNaarPixels(5000));
    MSHFlexGridFolder->setMinimumWidth(naamBreedte + TwipsNaarPixels(5000) +
                                       2 * MSHFlexGridFolder->frameWidth());

    ZetVensterBovenaan(this);

    SSTab->setCurrentIndex(
        TekstNaarInteger(LeesInstelling(AppNaam, Sectie, QStringLiteral("TabConfiguration"), 1)));
}

void frmInstellen::Refresh() {
    // The controls are filled before their changes count as edits.
    m_inWijziging = true;
    m_tijdsinterval = Tijdsinterval;
    m_startLog = StartLogTijdstip;
    m_stopLog = StopLogTijdstip;
    m_taal = HuidigeTaal >= 0 && HuidigeTaal <= 2 ? HuidigeTaal : 0;
    m_mappen = {QString(), MapGegevens, MapBibliotheek, MapConfiguratie, MapKalibratie};

    LaadStringsInstellen();
    InitCboCommPoort();
    InitCboBaudrate();
    PlaatsTijdsinterval(m_tijdsinterval);
    UpDownPollInterval->setValue(m_tijdsinterval);

    CheckLogStartup->setChecked(CheckWaarde(StartBijOpstarten) != 0);
    CheckLoadFile->setChecked(CheckWaarde(LadenBijOpstarten) != 0);
    CheckStartTijdstip->setChecked(CheckWaarde(GebruikStartLog) != 0);
    CheckStopTijdstip->setChecked(CheckWaarde(GebruikStopLog) != 0);
    PlaatsTijdstippen();

    // The language list: each language's own name, taken from its own text table.
    {
        const QSignalBlocker stil(ComboTaal);
        ComboTaal->clear();
        for (int t = 0; t < 3; ++t)
            ComboTaal->addItem(TekstenVan(t)[500]);
        ComboTaal->setCurrentIndex(m_taal);
    }

    for (int r = 1; r <= 4; ++r) {
        int lengte = 40;
        MSHFlexGridFolder->item(r, 1)->setText(VerkortPad(m_mappen[r], lengte));
    }
    m_inWijziging = false;
}

void frmInstellen::Sync() {
    CommPoort = GeldigePoort(cboCommPoort->currentText());
    // The field shows the port taken (a name that is no port is COM1), as the messages name it.
    if (cboCommPoort->currentText() != CommPoort) {
        const int i = cboCommPoort->findText(CommPoort, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i >= 0)
            cboCommPoort->setCurrentIndex(i);
        else
            cboCommPoort->setEditText(CommPoort);
    }
    Baudsnelheid = cboBaudrate->currentIndex() >= 0 ? cboBaudrate->currentText() : QStringLiteral("1200");
    HuidigeTaal = m_taal;
    KiesTaal(HuidigeTaal);
    StartBijOpstarten = CheckLogStartup->isChecked();
    LadenBijOpstarten = CheckLoadFile->isChecked();
    Tijdsinterval = BegrensTijdsinterval(ControleerTijdstipIngave());
    GebruikStartLog = CheckStartTijdstip->isChecked();
    StartLogTijdstip = m_startLog;
    GebruikStopLog = CheckStopTijdstip->isChecked();
    StopLogTijdstip = m_stopLog;

    BewaarInstelling(AppNaam, Sectie, QStringLiteral("StartOnStartup"), StartBijOpstarten);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("LoadOnStartup"), LadenBijOpstarten);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Language"), HuidigeTaal);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Serial port"), CommPoort);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Baudrate"), Baudsnelheid);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Interval of time"), static_cast<int>(Tijdsinterval));
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Use StartLogOn"), GebruikStartLog);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Start Log On"),
                     platform::DatumTijdTekst(StartLogTijdstip));
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Use StopLogOn"), GebruikStopLog);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Stop Log On"),
                     platform::DatumTijdTekst(StopLogTijdstip));
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("TabConfiguration"), SSTab->currentIndex());

    // Folders: each only when it exists or can be made; the configuration and calibration folders only
    // when all their files moved along (a move stopped or refused keeps every file in the old folder).
    if (MaakMappen(m_mappen[1])) MapGegevens = m_mappen[1];
    if (MaakMappen(m_mappen[2])) MapBibliotheek = m_mappen[2];
    if (MaakMappen(m_mappen[3]) &&
        KopieerMap(MapConfiguratie, m_mappen[3], {QStringLiteral("*.rcf"), QStringLiteral("*.gcf")}))
        MapConfiguratie = m_mappen[3];
    if (MaakMappen(m_mappen[4]) && KopieerMap(MapKalibratie, m_mappen[4], {QStringLiteral("*.cal")}))
        MapKalibratie = m_mappen[4];
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("FolderData"), MapGegevens);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("FolderLibrary"), MapBibliotheek);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("FolderConfiguration"), MapConfiguratie);
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("FolderCalibration"), MapKalibratie);
}

QString frmInstellen::VoorbeeldTekst(int index) const {
    return TekstenVan(m_taal)[index];
}

void frmInstellen::LaadStringsInstellen() {
    const TekstenTabel teksten = TekstenVan(m_taal);
    setWindowTitle(teksten[127]);
    SSTab->setTabText(0, teksten[138]);
    SSTab->setTabText(1, teksten[128]);
    SSTab->setTabText(2, teksten[242]);
    SSTab->setTabText(3, teksten[470]);
    LblConnectionIntervalOfTime->setText(teksten[134] + QLatin1Char(':'));
    CheckLogStartup->setText(teksten[144]);
    CheckLoadFile->setText(teksten[119]);
    CheckStartTijdstip->setText(teksten[132]);
    CheckStopTijdstip->setText(teksten[133]);
    lblCommPoort->setText(teksten[130] + QLatin1Char(':'));
    lblBaudrate->setText(teksten[131] + QLatin1Char(':'));
    LabelTaal->setText(teksten[241]);
    LabelFolderInfo->setText(teksten[471]);
    MSHFlexGridFolder->item(0, 0)->setText(teksten[475]);
    MSHFlexGridFolder->item(0, 1)->setText(teksten[476]);
    MSHFlexGridFolder->item(1, 0)->setText(teksten[472]);
    MSHFlexGridFolder->item(2, 0)->setText(teksten[473]);
    MSHFlexGridFolder->item(3, 0)->setText(teksten[474]);
    MSHFlexGridFolder->item(4, 0)->setText(teksten[411]);
    OKButton->setText(teksten[140]);
    CancelButton->setText(teksten[141]);
    CommandHelp->setText(teksten[227]);
    // The longer texts of another language (a wrapped line more above the folders): the window grows
    // to show every page whole.
    if (QLayout* l = layout()) {
        l->activate();
        if (l->hasHeightForWidth() && l->totalHeightForWidth(width()) > height())
            resize(width(), l->totalHeightForWidth(width()));
    }
}

void frmInstellen::InitCboCommPoort() {
    cboCommPoort->clear();
    if (!ExtraPoorten.isEmpty()) {
        // The ports of the command line, each its own entry; none is chosen yet.
        for (const QString& poort : ExtraPoorten)
            if (!TrimSpaties(poort).isEmpty()) cboCommPoort->addItem(TrimSpaties(poort));
        cboCommPoort->setCurrentIndex(-1);
        cboCommPoort->setEditText(QString());
        return;
    }
    cboCommPoort->addItems(PoortenUitZoeklijst(ZoekSerielePoorten()));
    // The configured port is offered even when the search did not find it (a device that is busy or
    // absent now, a pseudo-terminal).
    if (!CommPoort.isEmpty() &&
        cboCommPoort->findText(CommPoort, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        cboCommPoort->addItem(CommPoort);
    cboCommPoort->setCurrentIndex(
        cboCommPoort->findText(CommPoort, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (cboCommPoort->currentIndex() < 0) cboCommPoort->setEditText(QString());
}

void frmInstellen::InitCboBaudrate() {
    cboBaudrate->clear();
    for (const char* b : Baudrates)
        cboBaudrate->addItem(QLatin1String(b));
    const int i = BaudrateIndex(Baudsnelheid).index;
    cboBaudrate->setCurrentIndex(i >= 0 && i < static_cast<int>(Baudrates.size()) ? i : -1);
}

frmInstellen::Baudkeuze frmInstellen::BaudrateIndex(const QString& snelheid) const {
    const QString genomen = snelheid.isEmpty() ? QStringLiteral("2400") : snelheid;
    const double v = Val(genomen);
    if (v <= 0) return {-1, genomen};
    // To the nearest index, an exact half to the even one.
    return {static_cast<int>(std::nearbyint(std::log2(v / 300.0))), genomen};
}

void frmInstellen::PlaatsTijdsinterval(int32_t seconden) {
    double dag = seconden / 86400.0;
    if (dag >= 1) dag = 1;
    const long long s = std::llround(dag * 86400.0) % 86400;
    const QString tekst = TweeCijfers(static_cast<int>(s / 3600)) + m_scheiding +
                          TweeCijfers(static_cast<int>((s / 60) % 60)) + m_scheiding +
                          TweeCijfers(static_cast<int>(s % 60));
    ZetTekstOpPlaats(TextTijdsinterval, tekst);
}

int32_t frmInstellen::ControleerTijdstipIngave() {
    QString tekst = TextTijdsinterval->displayText();
    tekst.replace(QLatin1Char('_'), QLatin1Char('0'));
    ZetTekstOpPlaats(TextTijdsinterval, tekst);
    const QStringList delen = tekst.split(m_scheiding);
    if (delen.size() != 3) return 0;
    bool ok[3] = {false, false, false};
    const int u = delen[0].toInt(&ok[0]);
    const int m = delen[1].toInt(&ok[1]);
    const int s = delen[2].toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2] || u < 0 || u > 23 || m < 0 || m > 59 || s < 0 || s > 59) return 0;
    return u * 3600 + m * 60 + s;
}

int32_t frmInstellen::BegrensTijdsinterval(int32_t v) {
    if (v <= 0) return 86400;
    if (v > 86400) return 0;
    return v;
}

void frmInstellen::TextTijdsinterval_Change() {
    if (m_inWijziging) return;
    m_inWijziging = true;
    const int32_t w = BegrensTijdsinterval(ControleerTijdstipIngave());
    if (w != m_tijdsinterval) {
        m_tijdsinterval = w;
        UpDownPollInterval->setValue(w);
        PlaatsTijdsinterval(m_tijdsinterval);
    }
    m_inWijziging = false;
}

void frmInstellen::UpDownPollInterval_Change() {
    if (m_inWijziging) return;
    const int32_t w = BegrensTijdsinterval(UpDownPollInterval->value());
    if (w != m_tijdsinterval) {
        m_tijdsinterval = w;
        PlaatsTijdsinterval(m_tijdsinterval);
    }
}

void frmInstellen::PlaatsTijdstippen() {
    const bool opStart = CheckLogStartup->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{CheckStartTijdstip, CommandStartTijdstip,
                                                      CheckStopTijdstip, CommandStopTijdstip})
        w->setEnabled(!opStart);
    if (opStart) {
        LabelStartTijdstip->clear();
        LabelStopTijdstip->clear();
    } else {
        LabelStartTijdstip->setText(MomentTekst(m_startLog));
        LabelStopTijdstip->setText(MomentTekst(m_stopLog));
    }
}

void frmInstellen::ComboTaal_Click() {
    if (ComboTaal->currentIndex() < 0) return;
    m_taal = ComboTaal->currentIndex();
    LaadStringsInstellen();
}

void frmInstellen::CommandStartTijdstip_Click() {
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    ZetVensterNietBovenaan(this);
    DialogInputTijdstip kiezer;
    kiezer.Taal = m_taal;
    kiezer.Tijdstip = m_startLog;
    kiezer.setWindowTitle(VoorbeeldTekst(325));
    kiezer.ToonModaal();
    if (!kiezer.Onderbroken) {
        m_startLog = kiezer.Tijdstip;
        if (!(m_stopLog > m_startLog)) m_stopLog = m_startLog + EenSeconde;
    }
    PlaatsTijdstippen();
    ZetHoofdvensterUit();
    ZetVensterBovenaan(this);
}

void frmInstellen::CommandStopTijdstip_Click() {
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    ZetVensterNietBovenaan(this);
    DialogInputTijdstip kiezer;
    kiezer.Taal = m_taal;
    kiezer.Tijdstip = m_stopLog;
    kiezer.setWindowTitle(VoorbeeldTekst(326));
    const platform::Datum minimum = kiezer.MinDate();
    kiezer.ZetMinDate(m_startLog + EenSeconde);
    kiezer.ToonModaal();
    if (!kiezer.Onderbroken) m_stopLog = kiezer.Tijdstip;
    kiezer.ZetMinDate(minimum);
    PlaatsTijdstippen();
    ZetHoofdvensterUit();
    ZetVensterBovenaan(this);
}

void frmInstellen::MSHFlexGridFolder_Click() {
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    ZetVensterNietBovenaan(this);
    const int r = MSHFlexGridFolder->currentRow();
    if (r >= 1 && r <= 4) {
        static const std::array<QString, 5> filters = {
            QString(), QStringLiteral("*.csv"), QStringLiteral("*.ph;*.ec"), QStringLiteral("*.rcf;*.gcf"),
            QStringLiteral("*.cal")};
        // The caption and the buttons in the language the dialog shows.
        const QString map = KiesMap(MSHFlexGridFolder->item(r, 0)->text(), m_mappen[r], filters[r], m_taal);
        int lengte = 40;
        MSHFlexGridFolder->item(r, 1)->setText(VerkortPad(map, lengte));
        m_mappen[r] = map;
    }
    ZetHoofdvensterUit();
    ZetVensterBovenaan(this);
}

// The boxes shown here leave the dialog usable: the user may close it under one (and open a new one).
// What the handler would still do after that box is then left undone.
void frmInstellen::OKButton_Click() {
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    {
        Wachtcursor wacht;
        if (cboCommPoort->currentText().trimmed().isEmpty()) {
            ToonMelding(VoorbeeldTekst(143) + QLatin1Char('!'), vbExclamation, VoorbeeldTekst(127));
            if (Afsluiten) return;
            SSTab->setCurrentIndex(1);
            cboCommPoort->setFocus();
            ZetHoofdvensterUit();
            return;
        }
        Sync();
        if (Afsluiten) return;
        m_toegepast = true;
        StelPoortIn(true);
        if (mdiK740* hoofd = HoofdvensterK740()) hoofd->ZetKnoppen();
    }
    const bool open = OpenPoort();
    if (Afsluiten) return;
    if (open) {
        m_sluiten = true;
        close();
    } else {
        // The port did not open (the main window has said why): the user may choose another.
        SSTab->setCurrentIndex(1);
        ZetHoofdvensterUit();
    }
}

void frmInstellen::CancelButton_Click() {
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    Annuleer();
    if (Afsluiten) return;
    m_sluiten = true;
    close();
}

void frmInstellen::Annuleer() {
    if (CommPoort.isEmpty()) CommPoort = QStringLiteral("COM1");
    StelPoortIn(false);
    OpenPoort();
}

void frmInstellen::CommandHelp_Click() {
    // In the language of the preview.
    ToonHelp(m_taal, HelpInstellingen);
}

// Escape closes the dialog as Cancel does.
void frmInstellen::reject() {
    close();
}

void frmInstellen::closeEvent(QCloseEvent* e) {
    const QScopedValueRollback<int> loopt(m_handlers, m_handlers + 1);
    if (!Afsluiten) {
        // Closed by its title bar or Escape: as Cancel, so that the port opens again and a previewed
        // language goes.
        if (!m_sluiten) Annuleer();
        m_sluiten = true;
        Form_Unload();
    }
    e->accept();
}

void frmInstellen::Form_Unload() {
    ZetVensterNietBovenaan(this);
    HoudHoofdvensterUit(false);
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->setEnabled(true);
    m_verbinding.reset();
    m_pauze.reset();
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->LaadStrings();
    Afsluiten = true;
    // The status bar shows the port and the logging state as they are now.
    if (mdiK740* hoofd = HoofdvensterK740()) hoofd->InstellingenGesloten(m_toegepast);
}

frmInstellen& ToonInstellingen(int tab) {
    frmInstellen& venster =
        houder.venster() && !houder.venster()->Afsluiten ? *houder.venster() : houder.Nieuw();
    if (tab >= 0 && tab < venster.SSTab->count()) venster.SSTab->setCurrentIndex(tab);
    venster.show();
    venster.raise();
    venster.activateWindow();
    return venster;
}

bool InstellenAfsluiten() {
    return !houder.venster() || houder.venster()->Afsluiten;
}

frmInstellen* InstellenVenster() {
    return houder.venster();
}

void KiesInstellingenMap(int rij) {
    frmInstellen& venster = ToonInstellingen(3);
    venster.MSHFlexGridFolder->setCurrentCell(rij, 1);
    venster.MSHFlexGridFolder_Click();
}

QStringList PoortenUitZoeklijst(const QString& gevonden) {
    QStringList poorten;
    QString rest = gevonden;
    while (rest.size() > 3) {
        QString poort;
        const qsizetype komma = rest.indexOf(QLatin1Char(','));
        if (komma >= 0) {
            poort = VervangTekst(rest.left(komma + 1), QStringLiteral(","), QString());
            rest = rest.mid(komma + 1);
        } else {
            poort = TrimSpaties(rest);
            rest.clear();
        }
        if (!poort.isEmpty()) poorten << poort;
    }
    return poorten;
}

void ResetInstellen() {
    houder.LaatGaan();
}
