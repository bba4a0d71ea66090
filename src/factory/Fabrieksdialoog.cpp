#include "factory/Fabrieksdialoog.h"

#include "acquisition/Commandos.h"
#include "acquisition/Communicatie.h"
#include "acquisition/EEprom.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Temperatuur.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "factory/Afregeling.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

// ---------------------------------------------------------------------------------------------------
// Labels and fields

Constantelabel::Constantelabel(const QString& tekst, QWidget* ouder) : QLabel(ouder) {
    setTextFormat(Qt::PlainText);
    Zet(tekst, false);
}

void Constantelabel::Zet(const QString& tekst, bool rood) {
    setText(tekst);
    ZetRood(rood);
}

void Constantelabel::ZetRood(bool rood) {
    m_rood = rood;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, rood ? QColor(Qt::red) : QColor(Qt::black));
    setPalette(p);
}

namespace {
// Focus that moves between the program's windows (a message box opening) is not the field's own.
bool TeltAlsFocus(Qt::FocusReason reden) {
    return reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason;
}
} // namespace

Invoerveld::Invoerveld(int selectie, QWidget* ouder) : QLineEdit(ouder), m_selectie(selectie) {}

void Invoerveld::Markeer() {
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(Qt::yellow));
    setPalette(p);
    setSelection(0, std::min<int>(m_selectie, static_cast<int>(text().size())));
}

void Invoerveld::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (!TeltAlsFocus(e->reason())) return;
    Markeer();
    if (bijFocus) bijFocus(this);
}

void Invoerveld::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (!TeltAlsFocus(e->reason())) return;
    setPalette(QPalette());
    if (bijVerlaten) bijVerlaten(this);
}

// ---------------------------------------------------------------------------------------------------
// The window

Fabrieksdialoog::Fabrieksdialoog(QWidget* ouder) : QDialog(ouder) {
    SSTab = new QTabWidget(this);
    OKButton = new QPushButton(this);
    CancelButton = new QPushButton(this);
    // Enter takes a serial number; it never presses a button.
    for (QPushButton* knop : {OKButton, CancelButton}) {
        knop->setAutoDefault(false);
        knop->setDefault(false);
    }
    TextSerieNummer = MaakVeld(20);
    TextSerieNummer->installEventFilter(this);
    LabelSerieNummer = new Constantelabel(QStringLiteral("Serial number:"), this);
    for (QLabel*& info : LabelInfo) {
        info = new QLabel(QStringLiteral("Info"), this);
        info->setTextFormat(Qt::PlainText);
        info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(SSTab, &QTabWidget::currentChanged, this, [this] { SSTab_Click(); });

    TimerMetingen = platform::klok().maakTimer();
    TimerMetingen->zetActief(false);
    TimerMetingen->zetInterval(Meetinterval);
    // A tick only marks that a reading is due; the window's loop takes it when the module is free.
    TimerMetingen->bijTik = [this] { m_metingGevraagd = true; };
}

Fabrieksdialoog::~Fabrieksdialoog() {
    if (m_houdtHoofdvenster) HoudHoofdvensterUit(false);
    TimerMetingen->zetActief(false);
    TimerMetingen->bijTik = nullptr;
}

QString Fabrieksdialoog::StandaardTitel() {
    return AppNaam;
}

QString Fabrieksdialoog::BasisTitel() const {
    const int32_t idno = IsModulePlaats(Ri, Mi) ? Racks[Ri].Modules[Mi].Idno : 0;
    return Tekst[297] + QString::number(Ri) + QLatin1Char(' ') + Tekst[296] + QString::number(Mi) +
           QLatin1Char(' ') + Model() + QStringLiteral(" id.no. ") + IdnoAlsTekst(idno);
}

QString Fabrieksdialoog::LeesTekst(int r, int m) const {
    return Tekst[248] + QLatin1Char(' ') + Tekst[297] + QLatin1Char(' ') + QString::number(r) +
           QLatin1Char(' ') + Tekst[296] + QLatin1Char(' ') + QString::number(m);
}

Invoerveld* Fabrieksdialoog::MaakVeld(int selectie) {
    auto* veld = new Invoerveld(selectie, this);
    veld->bijFocus = [this](Invoerveld* v) {
        if (v == TextSerieNummer) Kindex = -1;
        VeldGekregen(v);
    };
    veld->bijVerlaten = [this](Invoerveld* v) { VeldVerlaten(v); };
    return veld;
}

QLabel* Fabrieksdialoog::MaakMeetlabel(int index, std::array<QLabel*, 4>& rij) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(70);
    label->installEventFilter(this);
    rij[static_cast<size_t>(index)] = label;
    return label;
}

bool Fabrieksdialoog::eventFilter(QObject* object, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress)
        if (auto* label = qobject_cast<QLabel*>(object)) {
            LabelGeklikt(label);
            return false;
        }
    if (object == TextSerieNummer && e->type() == QEvent::KeyPress) {
        const int toets = static_cast<QKeyEvent*>(e)->key();
        if (toets == Qt::Key_Return || toets == Qt::Key_Enter) {
            // The number is taken without leaving the field.
            VerwerkSerienummer();
            TextSerieNummer->Markeer();
            Kindex = -1;
            return true;
        }
    }
    return QDialog::eventFilter(object, e);
}

// ---------------------------------------------------------------------------------------------------
// Opening and the loop

int Fabrieksdialoog::ToonModaal() {
    Laad();
    while (!Gesloten())
        if (!Stap()) platform::Pomp();
    return result();
}

void Fabrieksdialoog::Laad() {
    setWindowModality(Qt::ApplicationModal);
    Kindex = -1;
    NulpuntActief = SchaalActief = false;
    // Polling stops for the life of the window, shown and logged as the Measure command stops it; the
    // unload starts it again when it is to run once the window lets go.
    m_meten.emplace(MetenActief);
    ToonMetenUit();
    m_titel = BasisTitel();
    setWindowTitle(m_titel);
    if (!ReadSettingsOnly) AanpassenRackIndicatoren(Ri, Mi, true, true);
    OKButton->setText(Tekst[140]);
    CancelButton->setText(Tekst[141]);
    WisMeetwaarden();
    ZetToestand(Toestand::Laden);
    if (ReadSettingsOnly) {
        SSTab->setCurrentIndex(TabOpzoeken());
        ZetToestand(Toestand::Opzoeken);
    } else {
        m_leesFout = false;
        OpvragenParameters(Ri, Mi);
        m_parametersGelezen = !Afgebroken();
        if (m_leesFout) ToonStandaardMelding(Tekst[129], vbExclamation | vbOKOnly, m_titel);
        if (m_parametersGelezen) {
            ToonOverzicht();
            if (SN > LaagsteSerienummer && !ControleerAfregeling(SN, Ri, Mi, true).isEmpty())
                AfregelRapportTekst(*LabelInfo[0], *LabelInfo[1], VorigeAfregeling);
            m_titel += QStringLiteral(" S.N. ") + QString::number(SN);
            setWindowTitle(m_titel);
        }
        ZetToestand(Toestand::Bewerken);
    }
    Gewijzigd = false;
    m_metingGevraagd = false;
}

bool Fabrieksdialoog::Stap() {
    if (m_bezig || Gesloten()) return false;
    m_bezig = true;
    const auto vrij = qScopeGuard([this] { m_bezig = false; });
    if (m_sluitGevraagd) {
        Sluit(QDialog::Rejected);
        return true;
    }
    if (m_okGevraagd) {
        m_okGevraagd = false;
        // A field left by the click on OK is taken first; a refused entry stops the OK.
        if (VerwerkOpenVeld() && m_toestand == Toestand::Bewerken && m_parametersGelezen) OKReeks();
        return true;
    }
    if (VoerVerzoekUit()) return true;
    if (m_metingGevraagd) {
        m_metingGevraagd = false;
        if (m_toestand == Toestand::Bewerken && !ReadSettingsOnly) LeesMetingen();
        return true;
    }
    return false;
}

void Fabrieksdialoog::ZetToestand(Toestand t) {
    m_toestand = t;
    const bool bewerken = t == Toestand::Bewerken;
    TimerMetingen->zetActief(bewerken && !ReadSettingsOnly);
    OKButton->setEnabled(bewerken && m_parametersGelezen);
    CancelButton->setEnabled(bewerken || t == Toestand::Opzoeken || t == Toestand::Bereikwissel);
    // No other tab while the inputs are switched to the range of this one.
    SSTab->tabBar()->setEnabled(t != Toestand::Bereikwissel);
    if (t == Toestand::Opzoeken || bewerken) {
        if (!isVisible()) {
            show();
            activateWindow();
        }
    } else if (t != Toestand::Bereikwissel) {
        hide();
    }
}

void Fabrieksdialoog::WisMeetwaarden() {
    for (QLabel* l : LabelWaarde)
        if (l) l->clear();
    for (QLabel* l : LabelGraden)
        if (l) l->clear();
}

bool Fabrieksdialoog::Afgebroken() const {
    return VoortgangAfbreken || m_leesFout;
}

int32_t Fabrieksdialoog::LeesWoord(int adres) {
    const int32_t woord = LeesWoordEEprom(Ri, Mi, adres);
    // A read ended by Cancel is no fault of the module.
    if (Antwoord != AntwoordFrame && !Afbreken) m_leesFout = true;
    return woord;
}

int32_t Fabrieksdialoog::LeesDubbelWoord(int adres) {
    const int32_t woord = LeesDubbelWoordEEprom(Ri, Mi, adres);
    if (Antwoord != AntwoordFrame && !Afbreken) m_leesFout = true;
    return woord;
}

void Fabrieksdialoog::SSTab_Click() {
    if (!ReadSettingsOnly) Kindex = -1;
}

void Fabrieksdialoog::LeesMetingen() {
    if (!IsModulePlaats(Ri, Mi)) return;
    LeesTemperatuurADC(Ri, Mi);
    bool geldig = Antwoord == AntwoordFrame;
    if (m_sluitGevraagd || m_toestand != Toestand::Bewerken) return;
    LeesADC(Ri, Mi);
    geldig = geldig && Antwoord == AntwoordFrame;
    if (m_sluitGevraagd || m_toestand != Toestand::Bewerken) return;
    ToonMeetwaarden(geldig);
}

// ---------------------------------------------------------------------------------------------------
// Entering values

bool Fabrieksdialoog::Leeg(const QLineEdit* veld) {
    return veld->text().trimmed().isEmpty();
}

QString Fabrieksdialoog::NaRegeleinde(const QString& tekst) {
    return TekstTussen(tekst, QStringLiteral("\n"));
}

void Fabrieksdialoog::VeldVerlaten(Invoerveld* veld) {
    // No zero or scale field has the focus now (the next field to gain it sets its own flag).
    NulpuntActief = SchaalActief = false;
    // A field that only held the focus while it was put back into a refused one is not taken.
    if (m_focusTerug) return;
    // Taken once the focus has settled (the handling may show a message and put the focus back).
    m_openVelden.emplace_back(veld);
    QMetaObject::invokeMethod(
        this, [this] { VerwerkOpenVeld(); }, Qt::QueuedConnection);
}

bool Fabrieksdialoog::VerwerkOpenVeld() {
    const bool invoer = m_toestand == Toestand::Bewerken || m_toestand == Toestand::Opzoeken ||
                        m_toestand == Toestand::Bereikwissel;
    while (!m_openVelden.empty()) {
        const QPointer<Invoerveld> veld = m_openVelden.front();
        m_openVelden.erase(m_openVelden.begin());
        if (!veld || !invoer || m_sluitGevraagd) continue;
        if (!VerwerkVeld(veld)) {
            // The refused field has the focus again; fields left after it wait until they are left again.
            m_openVelden.clear();
            return false;
        }
    }
    return true;
}

bool Fabrieksdialoog::Weiger(Invoerveld* veld, int tab, const QString& tekst, int stijl,
                             const QString& titel) {
    const int antwoord = ToonStandaardMelding(tekst, stijl, titel);
    // An OK pressed while the message was open does not go ahead past the refused entry.
    m_okGevraagd = false;
    if ((stijl & 7) == vbOKCancel && antwoord != vbOK) return false;
    SSTab->setCurrentIndex(tab);
    m_focusTerug = true;
    veld->setFocus(Qt::OtherFocusReason);
    m_focusTerug = false;
    return false;
}

bool Fabrieksdialoog::VerwerkSerienummer() {
    if (Leeg(TextSerieNummer)) return true;
    const int32_t n = TekstNaarLong(TextSerieNummer->text());
    // A number the module's 32 bits cannot hold is wrong input, like one below the lowest.
    if (n < LaagsteSerienummer ||
        TekstNaarDouble(TextSerieNummer->text()) > static_cast<double>(std::numeric_limits<int32_t>::max()))
        return Weiger(TextSerieNummer, TabXtra(), Tekst[244] + QStringLiteral("\n"), vbExclamation | vbOKOnly,
                      windowTitle());
    LabelSerieNummer->Zet(QStringLiteral("Serial Number:\n") + QString::number(n), true);
    TextSerieNummer->clear();
    Gewijzigd = true;
    if (ReadSettingsOnly) {
        // Only a stored record of the serial is shown; without one the window shows nothing of an
        // earlier serial.
        if (!ControleerAfregeling(n, Ri, Mi, true).isEmpty())
            MaakRapportRegel();
        else
            ToonOntwerpteksten();
    }
    return true;
}

// ---------------------------------------------------------------------------------------------------
// OK, Cancel and closing

void Fabrieksdialoog::OKButton_Click() {
    m_okGevraagd = true;
}

void Fabrieksdialoog::CancelButton_Click() {
    if (m_toestand == Toestand::Schrijven || Gesloten()) return;
    m_sluitGevraagd = true;
    TimerMetingen->zetActief(false);
    // A transaction still waiting for the module ends.
    Afbreken = true;
}

void Fabrieksdialoog::reject() {
    CancelButton_Click();
}

void Fabrieksdialoog::closeEvent(QCloseEvent* e) {
    e->ignore();
    CancelButton_Click();
}

void Fabrieksdialoog::ZetVenstersIngeschakeld(bool ingeschakeld) {
    auto* rackvenster = dynamic_cast<QWidget*>(MaakRackVenster(Ri));
    if (!rackvenster) return;
    rackvenster->setEnabled(ingeschakeld);
    if (m_houdtHoofdvenster == ingeschakeld) {
        m_houdtHoofdvenster = !ingeschakeld;
        HoudHoofdvensterUit(m_houdtHoofdvenster);
    }
    // The main window holds the rack window in its area of child windows.
    QWidget* hoofdvenster = rackvenster->window();
    if (hoofdvenster != rackvenster && hoofdvenster != this) hoofdvenster->setEnabled(ingeschakeld);
}

void Fabrieksdialoog::OKReeks() {
    ZetToestand(Toestand::Schrijven);
    if (!Gewijzigd) {
        Sluit(QDialog::Accepted);
        return;
    }
    ToonVoortgang(0, SchrijfVoortgang(), 0, SchrijfTekst());
    VoorSchrijven();
    ZetVenstersIngeschakeld(false);
    AfregelSerienummer = TekstNaarLong(NaRegeleinde(LabelSerieNummer->text()));
    if (ControleerAfregeling(AfregelSerienummer, Ri, Mi, false) == QLatin1String("2")) {
        // The operator refused the mismatch: nothing is written, and the window is back as it was.
        SluitVoortgang();
        ZetVenstersIngeschakeld(true);
        setWindowTitle(m_titel);
        ZetToestand(Toestand::Bewerken);
        return;
    }
    AfregelRecord = VorigeAfregeling;
    const std::vector<Schrijfstap> stappen = LabelsNaarRecord();
    // The record is kept only when every write the window intended was verified in the module.
    bool alleGeschreven = true;
    const auto schrijf = [&](auto schrijver) {
        if (VoortgangAfbreken)
            alleGeschreven = false;
        else if (!schrijver())
            alleGeschreven = false;
    };
    for (const Schrijfstap& stap : stappen) {
        if (stap.adres) schrijf([&] { return SchrijfWoordEEpromControle(Ri, Mi, *stap.adres, stap.woord); });
        ZetVoortgang(stap.voortgang);
    }
    if (LabelSerieNummer->Rood())
        schrijf(
            [&] { return SchrijfDubbelWoordEEpromControle(Ri, Mi, AdresSerienummer, AfregelSerienummer); });
    ZendModuleCommando(Ri, Mi, QStringLiteral("253"));
    SluitVoortgang();
    if (alleGeschreven)
        BewaarAfregeling(AfregelSerienummer, Ri, Mi, Gewijzigd);
    else
        ToonStandaardMelding(
            QStringLiteral("Error writing to Rack/Module !\n\nNot every changed value was written to "
                           "the module, so the adjustment record of serial number ") +
                QString::number(AfregelSerienummer) + QStringLiteral(" was not stored."),
            vbExclamation | vbOKOnly, m_titel);
    ZetVenstersIngeschakeld(true);
    Sluit(QDialog::Accepted);
}

void Fabrieksdialoog::Sluit(int resultaat) {
    ZetToestand(Toestand::Gesloten);
    setResult(resultaat);
    Ontlaad();
}

void Fabrieksdialoog::Ontlaad() {
    if (m_ontladen) return;
    m_ontladen = true;
    TimerMetingen->zetActief(false);
    const bool gehouden = m_meten.has_value();
    m_meten.reset();
    // Polling that is to run starts again as the Measure command starts it, with its line in the event
    // log; switched off meanwhile (a lost port), it stays off.
    if (gehouden && MetenActief) StartMeten();
    AanpassenRackIndicatoren(Ri, Mi, false, false);
    ZendModuleCommando(Ri, Mi, QStringLiteral("253"));
    // What the EEPROM reads and writes told in the message panel is over with the window.
    hoofdvenster().ZetStatusTekst(3, QString());
}

QLabel* Kanaalkop(int c, QWidget* ouder) {
    return new QLabel(QStringLiteral("Channel ") + QString::number(c + 1), ouder);
}

void Fabrieksdialoog::KiesInvoer(const Invoerveld* veld, Velden nulpunt, Velden nulpuntGraden, Velden schaal,
                                 Velden schaalGraden) {
    const auto plaats = [veld](Velden velden, Velden graden) {
        for (Velden rij : {velden, graden})
            for (size_t i = 0; i < rij.size(); ++i)
                if (rij[i] == veld) return static_cast<int>(i);
        return -1;
    };
    if (const int i = plaats(nulpunt, nulpuntGraden); i >= 0) {
        NulpuntActief = true;
        Kindex = static_cast<int16_t>(i);
    } else if (const int j = plaats(schaal, schaalGraden); j >= 0) {
        SchaalActief = true;
        Kindex = static_cast<int16_t>(j);
    }
}

bool Fabrieksdialoog::VerwerkTemperatuurpaar(Invoerveld* veld, Invoerveld* veld20, Invoerveld* veld80,
                                             Constantelabel* labelNul, Constantelabel* labelSchaal,
                                             Constantenpaar gelezen, int tab) {
    if (Leeg(veld20) || Leeg(veld80)) return true;
    const float t20 = TekstNaarSingle(veld20->text());
    const float t80 = TekstNaarSingle(veld80->text());
    // Restarted from the pair read, so that the same readings give the same result again.
    Constantenpaar nieuw = gelezen;
    if (t20 > 0 && t80 > 0 && AfregelingTemperatuur(t20, t80, nieuw.nul, nieuw.schaal)) {
        labelNul->Zet(OpmaakSingle(nieuw.nul, FormaatGradenNul), true);
        labelSchaal->Zet(OpmaakSingle(nieuw.schaal, FormaatGradenSchaal), true);
        veld20->setText(OpmaakSingle(t20, FormaatMeting));
        veld80->setText(OpmaakSingle(t80, FormaatMeting));
        Gewijzigd = true;
        return true;
    }
    return Weiger(veld, tab, Tekst[244], vbExclamation | vbOKCancel, StandaardTitel());
}

const AfregelingRecord& Fabrieksdialoog::ToonRapportTitel() {
    AfregelingRecord& r = VorigeAfregeling;
    r.Toesteltype = r.Toesteltype.getrimd();
    setWindowTitle(r.Toesteltype.getrimd() + QStringLiteral(", SN: ") + QString::number(r.Serienummer) +
                   QString::fromUtf8(", Id.N°: ") + IdnoAlsTekst(r.Identificatiecode));
    return r;
}

QWidget* Fabrieksdialoog::MaakConstantenpagina(std::span<Invoerveld*, 4> nulVelden,
                                               std::span<Invoerveld*, 4> schaalVelden,
                                               std::span<Constantelabel*, 4> nulLabels,
                                               std::span<Constantelabel*, 4> schaalLabels, QLabel*& nulKop,
                                               QLabel*& schaalKop) {
    auto* pagina = new QWidget(this);
    auto* rooster = new QGridLayout(pagina);
    nulKop = new QLabel(pagina);
    schaalKop = new QLabel(pagina);
    for (QLabel* l : {nulKop, schaalKop}) {
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
    }
    rooster->addWidget(nulKop, 0, 1, 1, 2);
    rooster->addWidget(schaalKop, 0, 3, 1, 2);
    for (int c = 0; c < 4; ++c) {
        const auto i = static_cast<size_t>(c);
        nulVelden[i] = MaakVeld();
        schaalVelden[i] = MaakVeld();
        nulLabels[i] = new Constantelabel(QString(), pagina);
        schaalLabels[i] = new Constantelabel(QString(), pagina);
        rooster->addWidget(Kanaalkop(c, pagina), c + 1, 0);
        rooster->addWidget(nulVelden[i], c + 1, 1);
        rooster->addWidget(nulLabels[i], c + 1, 2);
        rooster->addWidget(schaalVelden[i], c + 1, 3);
        rooster->addWidget(schaalLabels[i], c + 1, 4);
        for (QWidget* w : {static_cast<QWidget*>(nulVelden[i]), static_cast<QWidget*>(schaalVelden[i])})
            w->setFixedWidth(90);
        for (QLabel* l : {static_cast<QLabel*>(nulLabels[i]), static_cast<QLabel*>(schaalLabels[i])})
            l->setMinimumWidth(70);
    }
    rooster->setColumnStretch(5, 1);
    rooster->setRowStretch(5, 1);
    return pagina;
}

void Fabrieksdialoog::MaakTemperatuurTab() {
    SSTab->addTab(MaakConstantenpagina(TextNulpuntGraden, TextSchaalGraden, LabelNulpuntGraden,
                                       LabelSchaalGraden, LabelBGraden, LabelAGraden),
                  QString::fromUtf8("°C"));
}

void Fabrieksdialoog::MaakXtraTab(std::array<Invoerveld*, 4>& velden, std::array<Constantelabel*, 4>& labels,
                                  int selectie) {
    auto* xtra = new QWidget(this);
    auto* rooster = new QGridLayout(xtra);
    for (int c = 0; c < 4; ++c) {
        const auto i = static_cast<size_t>(c);
        velden[i] = MaakVeld(selectie);
        velden[i]->setFixedWidth(90);
        labels[i] = new Constantelabel(QString(), xtra);
        rooster->addWidget(Kanaalkop(c, xtra), c, 0);
        rooster->addWidget(velden[i], c, 1);
        rooster->addWidget(labels[i], c, 2);
    }
    TextSerieNummer->setFixedWidth(90);
    rooster->addWidget(TextSerieNummer, 4, 1);
    rooster->addWidget(LabelSerieNummer, 4, 2);
    rooster->setColumnStretch(3, 1);
    rooster->setRowStretch(5, 1);
    SSTab->addTab(xtra, QStringLiteral("Xtra"));
}

void Fabrieksdialoog::MaakInfoTab() {
    auto* info = new QWidget(this);
    auto* naast = new QHBoxLayout(info);
    naast->addWidget(LabelInfo[0]);
    naast->addWidget(LabelInfo[1], 1);
    SSTab->addTab(info, QStringLiteral("Info"));
}

void Fabrieksdialoog::ZetIndeling(QWidget* metingen) {
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    auto* geheel = new QVBoxLayout(this);
    geheel->addWidget(SSTab, 1);
    geheel->addWidget(metingen);
    geheel->addLayout(knoppen);
}

void Fabrieksdialoog::ToonTemperatuurOntwerp() {
    for (size_t c = 0; c < 4; ++c) {
        LabelNulpuntGraden[c]->Zet(QStringLiteral("Nulpunt"), false);
        LabelSchaalGraden[c]->Zet(QStringLiteral("Schaal"), false);
    }
    LabelBGraden->setText(QString::fromUtf8("20°C"));
    LabelAGraden->setText(QString::fromUtf8("80°C"));
}

void Fabrieksdialoog::ToonTemperatuurconstanten(std::span<const Constantenpaar, 4> gelezen) {
    for (size_t c = 0; c < 4; ++c) {
        LabelNulpuntGraden[c]->Zet(OpmaakSingle(gelezen[c].nul, FormaatGradenNul), false);
        LabelSchaalGraden[c]->Zet(OpmaakSingle(gelezen[c].schaal, FormaatGradenSchaal), false);
        TextNulpuntGraden[c]->clear();
        TextSchaalGraden[c]->clear();
    }
    LabelBGraden->setText(
        Bereiktekst(-4250, Tekst[271], 4250, FormaatGradenNul, QString::fromUtf8("Input = 20.0 °C")));
    LabelAGraden->setText(
        Bereiktekst(0.85f, Tekst[270], 1.15f, FormaatGradenSchaal, QString::fromUtf8("Input = 80.0 °C")));
}

void Fabrieksdialoog::ToonTemperatuurRapport(const AfregelingRecord& r) {
    for (size_t c = 0; c < 4; ++c) {
        LabelNulpuntGraden[c]->Zet(OpmaakSingle(r.TemperatuurNul[c], FormaatGradenNul), false);
        LabelSchaalGraden[c]->Zet(OpmaakSingle(r.TemperatuurSchaal[c], FormaatGradenSchaal), false);
    }
}

bool Fabrieksdialoog::VerwerkTemperatuur(int c, Invoerveld* veld, Constantenpaar gelezen, int tab) {
    const auto i = static_cast<size_t>(c);
    return VerwerkTemperatuurpaar(veld, TextNulpuntGraden[i], TextSchaalGraden[i], LabelNulpuntGraden[i],
                                  LabelSchaalGraden[i], gelezen, tab);
}

bool Fabrieksdialoog::VerwerkNulpuntveld(Invoerveld* veld, Constantelabel* label, const Constantesoort& soort,
                                         int tab) {
    if (Leeg(veld)) return true;
    const float v = TekstNaarSingle(veld->text());
    if (!BinnenGrenzen(soort, v))
        return Weiger(veld, tab, Tekst[244], vbExclamation | vbOKOnly, StandaardTitel());
    label->Zet(OpmaakSingle(v, FormaatNul), true);
    veld->clear();
    Gewijzigd = true;
    return true;
}

bool Fabrieksdialoog::VerwerkSchaalveld(Invoerveld* veld, const Constantelabel* nulLabel,
                                        Constantelabel* label, float referentie, const Constantesoort& soort,
                                        int tab) {
    if (Leeg(veld)) return true;
    const float v = TekstNaarSingle(veld->text());
    const auto schaal = BerekenSchaal(v, TekstNaarSingle(nulLabel->text()), referentie, soort);
    if (!schaal) return Weiger(veld, tab, Tekst[244], vbExclamation | vbOKOnly, StandaardTitel());
    label->Zet(OpmaakSingle(*schaal, FormaatSchaal), true);
    veld->clear();
    Gewijzigd = true;
    return true;
}

void Fabrieksdialoog::KopieerMeting(const QLabel* bron, Invoerveld* nulVeld, Invoerveld* schaalVeld) {
    if (NulpuntActief) nulVeld->setText(bron->text());
    if (SchaalActief) schaalVeld->setText(bron->text());
}

Getoond Fabrieksdialoog::Toont(const Constantelabel* label, const Constantesoort& soort, float waarde) {
    return Getoond{Gecontroleerd(soort, waarde), label->Rood()};
}
