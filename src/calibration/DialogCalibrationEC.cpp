#include "calibration/DialogCalibrationEC.h"
#include "calibration/Kalibraties.h"

#include "acquisition/Commandos.h"
#include "acquisition/ECBereik.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Kanaaladres.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/Temperatuur.h"
#include "acquisition/Verbinding.h"
#include "calibration/FormTekstEditor.h"
#include "calibration/PhBerekening.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString Sectie = QStringLiteral("Calibration CC");
const QString CRLF = QStringLiteral("\r\n");
const QString Eenheid = QStringLiteral("cm-1");
const char* const KClNamen[AantalKClStandaarden] = {"0.01 M KCl", "0.1 M KCl", "1 M KCl"};

// "Select the standard." after a measurement that ended without a result.
QString OpnieuwKiezenTekst() {
    return QString(Tekst[439]).remove(QStringLiteral(" 1"));
}

} // namespace

DialogCalibrationEC::DialogCalibrationEC(QWidget* eigenaar) : KalibratieDialoog(Sectie, eigenaar) {
    setObjectName(QStringLiteral("DialogCalibrationEC"));
    const auto label = [this](const char* naam) { return MaakLabel(QString::fromLatin1(naam)); };

    Frame = MaakInfoVak(LabelInfo, 6);
    LabelInfo->setMinimumWidth(LabelInfo->fontMetrics().averageCharWidth() * 60);

    FrameBuffer = new QGroupBox(this);
    FrameBuffer->setObjectName(QStringLiteral("FrameBuffer"));
    ComboStandaard = new QComboBox(FrameBuffer);
    ComboStandaard->setObjectName(QStringLiteral("ComboStandaard"));
    ComboStandaard->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboStandaard->setMinimumContentsLength(16);
    LabelBuffer = label("LabelBuffer");
    LabelMeting = label("LabelMeting");
    LabelMeetwaarde = label("LabelMeetwaarde");
    LabelUnit = label("LabelUnit");
    LabelGraden = label("LabelGraden");
    LabelBufferBij = label("LabelBufferBij");
    LabelBufferinfo = label("LabelBufferinfo");
    LabelTijd = label("LabelTijd");
    LabelTijdinfo = label("LabelTijdinfo");
    TextCCte = new QLineEdit(FrameBuffer);
    TextCCte->setObjectName(QStringLiteral("TextCCte"));
    TextCCte->setAlignment(Qt::AlignRight);
    // Digits and one decimal sign, nothing else.
    TextCCte->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*[.,]?[0-9]*")), TextCCte));
    TextCCte->installEventFilter(this);
    TextCCte->hide();

    ZetMeetwaardeStijl(LabelMeetwaarde, QStringLiteral("0.00000 "));
    TextCCte->setFont(LabelMeetwaarde->font());
    LabelUnit->setText(Eenheid);
    for (QLabel* rechts : {LabelGraden, LabelBufferinfo, LabelTijdinfo})
        rechts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* g = new QGridLayout(FrameBuffer);
    g->addWidget(LabelBuffer, 0, 0);
    g->addWidget(ComboStandaard, 0, 1, 1, 2);
    g->addWidget(LabelMeting, 1, 0);
    g->addWidget(LabelMeetwaarde, 1, 1);
    g->addWidget(TextCCte, 1, 1);
    g->addWidget(LabelUnit, 1, 2);
    g->addWidget(LabelGraden, 2, 1);
    g->addWidget(LabelBufferBij, 3, 0);
    g->addWidget(LabelBufferinfo, 3, 1);
    g->addWidget(LabelTijd, 4, 0);
    g->addWidget(LabelTijdinfo, 4, 1);
    g->setColumnStretch(1, 1);

    CommandOK = MaakKnop(QStringLiteral("CommandOK"));
    CommandCancel = MaakKnop(QStringLiteral("CommandCancel"));
    CommandCalibrate = MaakKnop(QStringLiteral("CommandCalibrate"));
    CommandEdit = MaakKnop(QStringLiteral("CommandEdit"));
    auto* knoppen = Knoppenrij({CommandCalibrate, CommandEdit}, {CommandOK, CommandCancel});

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(Frame);
    indeling->addWidget(FrameBuffer);
    indeling->addLayout(knoppen);
    indeling->setSizeConstraint(QLayout::SetFixedSize);

    connect(CommandOK, &QPushButton::clicked, this, &DialogCalibrationEC::BevestigOK);
    connect(CommandCancel, &QPushButton::clicked, this, &DialogCalibrationEC::Annuleer);
    ZetEscapeKnoppen(CommandCancel, CommandOK);
    connect(CommandCalibrate, &QPushButton::clicked, this, &DialogCalibrationEC::CommandCalibrate_Click);
    connect(CommandEdit, &QPushButton::clicked, this, &DialogCalibrationEC::CommandEdit_Click);
    connect(ComboStandaard, &QComboBox::currentIndexChanged, this,
            &DialogCalibrationEC::ComboStandaard_Click);
    // Enter moves on to OK; a typed "." shows as the locale's decimal sign.
    connect(TextCCte, &QLineEdit::returnPressed, this, [this] { CommandOK->setFocus(); });
    connect(TextCCte, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        const QString teken = DecimaalTeken();
        if (teken == QStringLiteral(".") || !tekst.contains(QLatin1Char('.'))) return;
        const int cursor = TextCCte->cursorPosition();
        TextCCte->setText(QString(tekst).replace(QLatin1Char('.'), teken));
        TextCCte->setCursorPosition(cursor);
    });
}

DialogCalibrationEC::~DialogCalibrationEC() = default;

QString DialogCalibrationEC::StandaardBestandsnaam() {
    return MapBibliotheek + QStringLiteral("/standard.ec");
}

// ---------------------------------------------------------------------------------------------------
// Set-up and teardown

void DialogCalibrationEC::Laad() {
    m_bereikGewijzigd = false;
    if (Ki > AantalIngangen) Ki -= AantalIngangen;
    if (!LaadIngang()) return;

    FrameBuffer->setTitle(QString());
    LabelBuffer->setText(Tekst[317] + QLatin1Char(':'));
    m_standaardKeuze = TekstNaarInteger(LeesInstelling(AppNaam, Sectie, QStringLiteral("Standard"), 0));
    if (m_standaardKeuze < KCl001 || m_standaardKeuze > Gebruiker) m_standaardKeuze = KCl001;
    LeesKClTabel();
    VulStandaardLijst();

    LabelMeting->setText(Tekst[316] + QLatin1Char(':'));
    LabelBufferBij->setText(Tekst[318] + QLatin1Char(':'));
    LabelTijd->setText(Tekst[125] + QStringLiteral(" (mm:ss):"));
    for (QLabel* l : {LabelMeetwaarde, LabelGraden, LabelBufferinfo, LabelTijdinfo})
        l->clear();
    m_exponent = Celtype(m_meetKanaal.Extra);
    m_factor = 0;
    m_meting = {};

    CommandOK->setText(Tekst[140]);
    CommandCancel->setText(Tekst[141]);
    CommandCalibrate->setText(Tekst[287]);
    CommandEdit->setText(Tekst[109]);
    ZetKalibratieTitel(QStringLiteral("CC"));

    ZetToestand(KiesStandaard);
    ComboStandaard_Click();
    StartProcedure();
}

void DialogCalibrationEC::CalibrationCC() {
    VoerUit();
}

void DialogCalibrationEC::HerstelModule() {
    // A range restore that was broken off is made up for now.
    HerstelBereik();
}

void DialogCalibrationEC::BewaarKeuzes() {
    BewaarInstelling(AppNaam, Sectie, QStringLiteral("Standard"), QString::number(m_standaardKeuze));
}

// ---------------------------------------------------------------------------------------------------
// Standards

void DialogCalibrationEC::LeesKClTabel() {
    for (int k = 0; k < AantalKClStandaarden; ++k)
        m_kclTabel[k] = IngebouwdeKClKolom(k);
    m_gebruikersNaam = Tekst[469];
    LeesStandaardBestand();
}

void DialogCalibrationEC::LeesStandaardBestand() {
    GebruikersStandaard s = GeenGebruikersStandaard();
    QByteArray inhoud;
    const QString pad = StandaardBestandsnaam();
    if (BestandBestaat(pad) && platform::LeesBestand(pad, inhoud))
        s = LeesStandaardTekst(platform::DecodeerTekstbestand(inhoud));
    m_kclTabel[GebruikersKolom] = s.Kolom;
    m_gebruikersNaam = s.Naam.isEmpty() ? Tekst[469] : s.Naam;
}

void DialogCalibrationEC::VulStandaardLijst() {
    const QSignalBlocker stil(ComboStandaard);
    ComboStandaard->clear();
    for (const char* naam : KClNamen)
        ComboStandaard->addItem(QString::fromLatin1(naam));
    ComboStandaard->addItem(Tekst[481]);
    if (m_kclTabel[GebruikersKolom][KClMarker] > 0)
        ComboStandaard->addItem(m_gebruikersNaam);
    else if (m_standaardKeuze == Gebruiker)
        m_standaardKeuze = KCl001;
    ComboStandaard->setCurrentIndex(m_standaardKeuze);
}

int DialogCalibrationEC::Lijstpositie() const {
    return ComboStandaard->currentIndex();
}

int DialogCalibrationEC::Kolom() const {
    return std::clamp(Lijstpositie(), 0, GebruikersKolom);
}

bool DialogCalibrationEC::IsHandInvoer() const {
    return Lijstpositie() == HandInvoer;
}

void DialogCalibrationEC::ComboStandaard_Click() {
    m_info = Tekst[319];
    if (IsHandInvoer()) {
        m_info = Tekst[482];
        m_factor = m_meetKanaal.Scale;
        TextCCte->setMaxLength(MaximaleCelconstanteLengte(m_exponent));
        TextCCte->setText(CelconstanteTekst(m_factor, m_exponent));
    }
    PasToestandToe();
}

void DialogCalibrationEC::TextCCte_KrijgtFocus() {
    QMetaObject::invokeMethod(TextCCte, &QLineEdit::selectAll, Qt::QueuedConnection);
    m_info = Tekst[482];
    ZetInfo(m_info);
}

void DialogCalibrationEC::TextCCte_VerliestFocus() {
    if (!IsHandInvoer()) return;
    m_factor = FactorUitCelconstante(TextCCte->text(), m_exponent);
    TextCCte->setText(CelconstanteTekst(m_factor, m_exponent));
    if (!IsGeldigeCelconstanteFactor(m_factor)) {
        m_info = Tekst[322] + CelconstanteGrenzenTekst(m_exponent);
        ZetInfo(m_info);
    }
}

bool DialogCalibrationEC::eventFilter(QObject* o, QEvent* e) {
    if (o == TextCCte) {
        if (e->type() == QEvent::FocusIn)
            TextCCte_KrijgtFocus();
        else if (e->type() == QEvent::FocusOut)
            TextCCte_VerliestFocus();
    }
    return KalibratieDialoog::eventFilter(o, e);
}

// ---------------------------------------------------------------------------------------------------
// Buttons

void DialogCalibrationEC::CommandCalibrate_Click() {
    const bool kies = Toestand() == KiesStandaard && !IsHandInvoer();
    if (!kies && Toestand() != Afgewezen) return;
    if (Lijstpositie() < 0) ComboStandaard->setCurrentIndex(KCl001);
    m_standaardKeuze = Lijstpositie();
    ZetUit(CommandCalibrate);
    ZetUit(CommandEdit);
    ZetInfo(Tekst[289]);
    KalibrerenGeklikt = true;
    PlanStap();
}

void DialogCalibrationEC::CommandEdit_Click() {
    if (Toestand() != KiesStandaard && Toestand() != Afgewezen) return;
    const QString pad = StandaardBestandsnaam();
    if (!BewerkBestand(pad, LabelInfo)) return;
    // The list follows the file: its new name, or no user standard when the file is no longer usable
    // (a calibration against its empty column would give nonsense).
    LeesStandaardBestand();
    m_standaardKeuze = Lijstpositie();
    VulStandaardLijst();
    if (Lijstpositie() != Gebruiker) ComboStandaard_Click();
}

// ---------------------------------------------------------------------------------------------------
// The procedure

void DialogCalibrationEC::ZetInfo(const QString& tekst) {
    LabelInfo->setText(tekst);
}

void DialogCalibrationEC::PasToestandToe() {
    const int t = Toestand();
    const bool kies = t == KiesStandaard;
    const bool hand = IsHandInvoer();
    FrameBuffer->setEnabled(t != Gesloten);
    ComboStandaard->setEnabled(kies);
    CommandOK->setEnabled((kies && hand) || t == Resultaat);
    CommandCancel->setEnabled(kies || t == Meten || t == Afgewezen);
    CommandCalibrate->setEnabled((kies && !hand) || t == Afgewezen);
    CommandEdit->setVisible(Lijstpositie() == Gebruiker);
    CommandEdit->setEnabled(kies || t == Afgewezen);
    TextCCte->setVisible(kies && hand);
    LabelMeetwaarde->setVisible(!TextCCte->isVisibleTo(this));
    ZetTekstkleur(LabelInfo, palette().color(QPalette::Active, QPalette::WindowText));
    ZetInfo(t == Meten ? Tekst[289] : m_info);
}

bool DialogCalibrationEC::VerwerkStap() {
    switch (Toestand()) {
    case KiesStandaard:
    case Afgewezen:
        if (AnnulerenGeklikt || SluitenGevraagd) {
            Sluit();
            return true;
        }
        if (OKGeklikt) {
            OKGeklikt = false;
            if (Toestand() == KiesStandaard && IsHandInvoer()) BewaarHandInvoer();
            return true;
        }
        if (KalibrerenGeklikt) {
            KalibrerenGeklikt = false;
            StartMeting();
            return true;
        }
        return false;
    case Meten:
        if (AnnulerenGeklikt || SluitenGevraagd) {
            BreekMetingAf();
            return true;
        }
        if (!MeetTik) return false;
        MeetTik = false;
        switch (Meting()) {
        case Uitslag::Geen:
            break;
        case Uitslag::Afgebroken:
            BreekMetingAf();
            break;
        case Uitslag::Stabiel:
            VerwerkResultaat();
            break;
        }
        return true;
    case Resultaat:
        if (OKGeklikt || AnnulerenGeklikt || SluitenGevraagd) {
            Sluit();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void DialogCalibrationEC::Sluit() {
    SluitProcedure(Gesloten);
}

void DialogCalibrationEC::HerstelBereik() {
    if (!IsKanaalAdres(Ri, Mi, Ki)) return;
    KanaalRecord& live = Racks[Ri].Modules[Mi].Meting[Ki];
    const auto bereik = static_cast<uint8_t>(m_bereikBijOpenen);
    if (!m_bereikGewijzigd && live.Resolution == bereik) return;
    // A Cancel that ended the measurement must not break off the restore too.
    Afbreken = false;
    live.Resolution = bereik;
    const bool bevestigd = ZetECBereik(Ri, Mi, static_cast<uint8_t>(Ki - 1), bereik);
    // Broken off again (a second Cancel): the unload tries once more.
    m_bereikGewijzigd = !bevestigd && Afbreken;
}

void DialogCalibrationEC::BreekMetingAf() {
    // Cancel during a measurement ends only the measurement; the title bar closes the dialog.
    AnnulerenGeklikt = false;
    StabielVlag = false;
    m_factor = 0;
    HerstelBereik();
    if (SluitenGevraagd) {
        Sluit();
        return;
    }
    // A Cancel that came while the range was put back counts as the next Cancel: it closes.
    m_info = OpnieuwKiezenTekst();
    ZetToestand(KiesStandaard);
    if (AnnulerenGeklikt) PlanStap();
}

void DialogCalibrationEC::StartMeting() {
    const int k = Kolom();
    StabielTolerantie = CelconstanteTolerantie;
    ResetStabiliteit();
    StabielVlag = false;
    const int bereik = StandaardBereik(m_kclTabel[k][KClMarker], m_exponent);
    if (bereik > HoogsteECBereik) {
        ToonStandaardMelding(Tekst[362], vbOKCancel | vbExclamation, windowTitle());
        m_info = OpnieuwKiezenTekst();
        ZetToestand(KiesStandaard);
        return;
    }
    m_bereik = bereik;
    ZetToestand(Meten);
    if (bereik != m_bereikBijOpenen) m_bereikGewijzigd = true;
    ZetECBereik(Ri, Mi, static_cast<uint8_t>(Ki - 1), static_cast<uint8_t>(bereik));
    // The cell settles on its new range before the first reading.
    if (!AnnulerenGeklikt && !SluitenGevraagd) Wacht(2000);
    m_rondeStart = platform::klok().ms();
    MeetTik = true; // the first reading at once
}

DialogCalibrationEC::Uitslag DialogCalibrationEC::Meting() {
    const auto afgebroken = [this] { return AnnulerenGeklikt || SluitenGevraagd; };
    ModuleRecord& module = Racks[Ri].Modules[Mi];
    const int k = Kolom();

    const Lezing lezing = LeesIngang(afgebroken, [&] {
        // The status reply tells the range in use: a module that lost it gets it again.
        if (module.Meting[Ki].Resolution == m_bereik) return true;
        m_bereikGewijzigd = true;
        ZetECBereik(Ri, Mi, static_cast<uint8_t>(Ki - 1), static_cast<uint8_t>(m_bereik));
        return !afgebroken();
    });
    if (lezing == Lezing::Onderbroken) return Uitslag::Afgebroken;
    // No valid reply: this tick gives no reading, and what the channels still hold is not shown. The
    // standard is not stable until ten readings after the module answers again say so.
    StabielVlag = false;
    if (lezing != Lezing::Gelezen) {
        LabelMeetwaarde->clear();
        LabelGraden->clear();
        ResetStabiliteit();
        return Uitslag::Geen;
    }
    const float T = m_temperatuurKanaal.Waarde;
    // The temperature bits follow this reading: one reading out of range must not block the dialog.
    NeemTemperatuurVlaggen();

    if (BitGezet(m_meetKanaal.Flags, TemperatuurVlaggen)) {
        ZetMeetwaarde(LabelMeetwaarde, BuitenBereik, false);
        LabelGraden->setText(BuitenBereik);
        ZetInfo(Tekst[300]);
    } else {
        LabelGraden->setText(TemperatuurTekst(T));
        if (!InStandaardBereik(T)) {
            ZetMeetwaarde(LabelMeetwaarde, BuitenBereik, false);
            ZetInfo(TemperatuurGrenzenTekst(StandaardOndergrens, StandaardBovengrens));
        } else {
            const float standaard = m_kclTabel[k][KClEntry(T)];
            LabelBufferinfo->setText(GeleidbaarheidTekst(standaard, -1, 0, false));
            KanaalRecord& live = module.Meting[Ki];
            const int16_t ruw = live.AdcWaarde;
            float G = m_meetKanaal.Waarde;
            if (GeleidbaarheidBijNominaleCel(ruw, live.Resolution, m_exponent, G)) m_meetKanaal.Waarde = G;
            WisBit(live.Flags, VlagBovenBereik | VlagOnderBereik);
            G = m_meetKanaal.Waarde;
            const float factor = G > 0 ? BerekenCelconstanteFactor(standaard, G) : 0.0f;
            if (G > 0) {
                m_factor = factor;
                ZetMeetwaarde(LabelMeetwaarde, CelconstanteTekst(factor, m_exponent), true);
                ZetInfo(Tekst[289]);
            }
            if (!IsBruikbareLezing(G, factor, ruw)) {
                StabielVlag = false;
                ToonStandaardMelding(Tekst[324], vbExclamation, windowTitle());
                return Uitslag::Afgebroken;
            }
            StabielVlag = IsStabiel(factor, StabielTolerantie, 0);
        }
    }
    const qint64 seconden = RondeSeconden();
    LabelTijdinfo->setText(MinutenSecondenTekst(seconden));
    if (afgebroken()) return Uitslag::Afgebroken;
    if (!StabielVlag) return Uitslag::Geen;

    m_meting.Standaard25 = m_kclTabel[k][KClEntry25Graden];
    m_meting.G = m_meetKanaal.Waarde;
    m_meting.Temperatuur = T;
    m_meting.Seconden = seconden;
    if (!IsGeldigeCelconstanteFactor(m_factor))
        ToonStandaardMelding(Tekst[322], vbExclamation, windowTitle() + QStringLiteral(": ") + Tekst[299]);
    return Uitslag::Stabiel;
}

void DialogCalibrationEC::VerwerkResultaat() {
    HerstelBereik();
    if (!IsGeldigeCelconstanteFactor(m_factor)) {
        m_info = Tekst[322] + CelconstanteGrenzenTekst(m_exponent) + CRLF + Tekst[309] + CRLF + Tekst[323];
        m_factor = 0;
        ZetToestand(Afgewezen);
        return;
    }
    OKGeklikt = AnnulerenGeklikt = false;
    m_kalibratie =
        CelconstanteRecord(platform::Nu(), m_factor, m_exponent, m_temperatuurKanaal.Extra, &m_meting);
    // A record that could not be written has been reported; the result is then not called successful.
    m_opgeslagen = BewaarKalibratieK762(Ri, Mi, Ki, Werkrecord(), m_kalibratie, false);
    m_info = Tekst[316] + QStringLiteral(" = ") + CelconstanteTekst(m_factor, m_exponent) + QLatin1Char(' ') +
             Eenheid + (m_opgeslagen ? CRLF + CRLF + Tekst[305] : QString());
    ZetToestand(Resultaat);
}

void DialogCalibrationEC::BewaarHandInvoer() {
    // What the box shows is what is stored, also when OK was reached without leaving the box.
    TextCCte_VerliestFocus();
    if (!IsGeldigeCelconstanteFactor(m_factor)) {
        ToonStandaardMelding(Tekst[322], vbExclamation, windowTitle() + QStringLiteral(": ") + Tekst[299]);
        return;
    }
    m_kalibratie =
        CelconstanteRecord(platform::Nu(), m_factor, m_exponent, m_temperatuurKanaal.Extra, nullptr);
    m_opgeslagen = BewaarKalibratieK762(Ri, Mi, Ki, Werkrecord(), m_kalibratie, false);
    m_standaardKeuze = HandInvoer;
    Sluit();
}

bool ToonECKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar) {
    DialogCalibrationEC dialoog(eigenaar);
    return dialoog.Kalibreer(r, m, k, module);
}
