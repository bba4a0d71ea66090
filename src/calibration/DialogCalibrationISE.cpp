#include "calibration/DialogCalibrationISE.h"
#include "calibration/Kalibraties.h"

#include "acquisition/Commandos.h"
#include "acquisition/K761.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/Temperatuur.h"
#include "calibration/PhBerekening.h"
#include "platform/Klok.h"
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
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString Sectie = QStringLiteral("Calibration Ion");
const QString CRLF = QStringLiteral("\r\n");
const QColor Groen(0, 255, 0);
const QColor Geel(255, 255, 0);
const QColor Rood(255, 0, 0);
constexpr float MillivoltTolerantieISE = 0.35f;

} // namespace

DialogCalibrationISE::DialogCalibrationISE(QWidget* eigenaar) : KalibratieDialoog(Sectie, eigenaar) {
    setObjectName(QStringLiteral("DialogCalibrationISE"));
    const auto label = [this](const QString& naam, int i) { return MaakLabel(naam + QString::number(i)); };

    QFrame* frame = MaakInfoVak(LabelInfo, 8);

    auto* stappen = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        FrameBuffer[i] = new QGroupBox(this);
        FrameBuffer[i]->setObjectName(QStringLiteral("FrameBuffer%1").arg(i));
        auto* g = new QGridLayout(FrameBuffer[i]);
        if (i < 2) {
            ComboBufferwaarde[i] = new QComboBox(FrameBuffer[i]);
            ComboBufferwaarde[i]->setObjectName(QStringLiteral("ComboBufferwaarde%1").arg(i));
            ComboBufferwaarde[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            LabelBuffer[i] = label(QStringLiteral("LabelBuffer"), i);
            g->addWidget(LabelBuffer[i], 0, 0);
            g->addWidget(ComboBufferwaarde[i], 0, 1, 1, 2);
        }
        LabelMeting[i] = label(QStringLiteral("LabelMeting"), i);
        LabelMeetwaarde[i] = label(QStringLiteral("LabelMeetwaarde"), i);
        LabelUnit[i] = label(QStringLiteral("LabelUnit"), i);
        LabelGraden[i] = label(QStringLiteral("LabelGraden"), i);
        LabelTijd[i] = label(QStringLiteral("LabelTijd"), i);
        LabelTijdinfo[i] = label(QStringLiteral("LabelTijdinfo"), i);

        ZetMeetwaardeStijl(LabelMeetwaarde[i], QStringLiteral("-2000.0 "));
        LabelUnit[i]->setText(QStringLiteral("mV"));
        for (QLabel* rechts : {LabelGraden[i], LabelTijdinfo[i]})
            rechts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        g->addWidget(LabelMeting[i], 1, 0);
        g->addWidget(LabelMeetwaarde[i], 1, 1);
        g->addWidget(LabelUnit[i], 1, 2);
        g->addWidget(LabelGraden[i], 2, 1);
        g->addWidget(LabelTijd[i], 3, 0);
        g->addWidget(LabelTijdinfo[i], 3, 1);
        g->setColumnStretch(1, 1);
        g->setRowStretch(4, 1);
        stappen->addWidget(FrameBuffer[i]);
    }

    OKButton = MaakKnop(QStringLiteral("OKButton"));
    CancelButton = MaakKnop(QStringLiteral("CancelButton"));
    CommandCalibrate = MaakKnop(QStringLiteral("CommandCalibrate"));
    auto* knoppen = Knoppenrij({CommandCalibrate}, {OKButton, CancelButton});

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(frame);
    indeling->addLayout(stappen);
    indeling->addLayout(knoppen);
    indeling->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &DialogCalibrationISE::BevestigOK);
    connect(CancelButton, &QPushButton::clicked, this, &DialogCalibrationISE::Annuleer);
    connect(CommandCalibrate, &QPushButton::clicked, this, &DialogCalibrationISE::CommandCalibrate_Click);
}

DialogCalibrationISE::~DialogCalibrationISE() = default;

// ---------------------------------------------------------------------------------------------------
// Set-up and teardown

void DialogCalibrationISE::Laad() {
    if (Ki > AantalIngangen) Ki -= AantalIngangen;
    if (!LaadIngang()) return;

    for (int i = 0; i < 2; ++i) {
        FrameBuffer[i]->setTitle(Tekst[294] + QLatin1Char(' ') + QString::number(i + 1));
        LabelBuffer[i]->setText(Tekst[294] + QLatin1Char(':'));
        QComboBox* lijst = ComboBufferwaarde[i];
        lijst->clear();
        for (int s = 0; s < AantalIonStandaarden; ++s)
            lijst->addItem(IonStandaardTekst(s));
        const QString opgeslagen = LeesInstelling(AppNaam, Sectie, QStringLiteral("Standard%1").arg(i + 1),
                                                  QString::number(VoorkeurStandaard(i)));
        bool getal = false;
        const int index = opgeslagen.trimmed().toInt(&getal);
        m_gekozenStandaard[i] = GeldigeStandaardIndex(getal ? index : -1, i);
        lijst->setCurrentIndex(m_gekozenStandaard[i]);
    }
    m_gekozenStandaard[2] = 0;
    FrameBuffer[2]->setTitle(Tekst[371] + QLatin1Char(' '));
    for (int i = 0; i < 3; ++i) {
        LabelMeting[i]->setText(Tekst[293] + QLatin1Char(':'));
        LabelTijd[i]->setText(Tekst[125] + QStringLiteral(" (mm:ss):"));
        for (QLabel* l : {LabelMeetwaarde[i], LabelGraden[i], LabelTijdinfo[i]})
            l->clear();
    }
    OKButton->setText(Tekst[140]);
    CancelButton->setText(Tekst[141]);
    CommandCalibrate->setText(Tekst[287]);
    ZetKalibratieTitel(QStringLiteral("Ion"));
    m_gemeten = {};
    m_uitkomst = {};
    m_stabiel = false;
    m_okNaAfbreken = false;
    ZetToestand(KiesStandaard1);
    StartProcedure();
}

void DialogCalibrationISE::CalibrationISE() {
    VoerUit();
}

void DialogCalibrationISE::BewaarKeuzes() {
    for (int i = 0; i < 2; ++i)
        BewaarInstelling(AppNaam, Sectie, QStringLiteral("Standard%1").arg(i + 1),
                         QString::number(m_gekozenStandaard[i]));
}

// ---------------------------------------------------------------------------------------------------
// Buttons

void DialogCalibrationISE::CommandCalibrate_Click() {
    const int t = Toestand();
    if (t != KiesStandaard1 && t != KiesStandaard2 && t != KiesBlanco) return;
    const int s = Stap();
    if (s < 2) {
        m_gekozenStandaard[s] = ComboBufferwaarde[s]->currentIndex();
        if (s == 1 && std::fabs(IonLogConcentratie(m_gekozenStandaard[1]) -
                                IonLogConcentratie(m_gekozenStandaard[0])) < 1.0f) {
            ToonMelding(Tekst[379], vbExclamation, Tekst[299]);
            return;
        }
    }
    ZetUit(CommandCalibrate);
    LabelInfo->setText(Tekst[376]);
    KalibrerenGeklikt = true;
    PlanStap();
}

// ---------------------------------------------------------------------------------------------------
// The procedure

int DialogCalibrationISE::Stap() const {
    switch (Toestand()) {
    case KiesStandaard1:
    case Meten1:
        return 0;
    case KiesStandaard2:
    case Meten2:
        return 1;
    default:
        return 2;
    }
}

bool DialogCalibrationISE::IsMeettoestand() const {
    const int t = Toestand();
    return t == Meten1 || t == Meten2 || t == MetenBlanco;
}

void DialogCalibrationISE::ZetMeetwaarde(int i, const QString& tekst, const QColor& kleur) {
    LabelMeetwaarde[i]->setText(tekst);
    ZetTekstkleur(LabelMeetwaarde[i], kleur);
}

void DialogCalibrationISE::PasToestandToe() {
    const int t = Toestand();
    const bool open = t != Gesloten;
    const bool kies = t == KiesStandaard1 || t == KiesStandaard2 || t == KiesBlanco;
    const int actief = Stap();
    for (int i = 0; i < 3; ++i) {
        FrameBuffer[i]->setEnabled(open && i == actief);
        if (i < 2) ComboBufferwaarde[i]->setEnabled(kies && i == actief);
    }
    // While measuring, not for a module that does not answer.
    OKButton->setEnabled((IsMeettoestand() && !GeenAntwoord()) || t == KiesBlanco ||
                         (t == KiesStandaard2 && m_okNaAfbreken));
    CancelButton->setEnabled(open);
    CommandCalibrate->setEnabled(kies);
    switch (t) {
    case KiesStandaard1:
        LabelInfo->setText(Tekst[439]);
        break;
    case KiesStandaard2:
        LabelInfo->setText(Tekst[374]);
        break;
    case KiesBlanco:
        LabelInfo->setText(IonResultaatTekst(m_uitkomst) + CRLF + Tekst[375]);
        break;
    case Meten1:
    case Meten2:
    case MetenBlanco:
        LabelInfo->setText(Tekst[376]);
        break;
    default:
        break;
    }
}

bool DialogCalibrationISE::VerwerkStap() {
    const int t = Toestand();
    if (t == Gesloten) return false;
    if (!IsMeettoestand()) {
        if (AnnulerenGeklikt || SluitenGevraagd) {
            Sluit();
            return true;
        }
        if (OKGeklikt) {
            OKGeklikt = false;
            // The blank is skipped: the calibration of the two standards is stored.
            if (t == KiesBlanco) {
                Bewaar(GeenBlanco);
                Sluit();
            } else if (t == KiesStandaard2 && m_okNaAfbreken) {
                Sluit();
            }
            return true;
        }
        if (KalibrerenGeklikt) {
            KalibrerenGeklikt = false;
            StabielTolerantie = MillivoltTolerantieISE;
            StartMeetronde();
            MeetTik = true; // the first reading at once
            m_okNaAfbreken = false;
            ZetToestand(t == KiesStandaard1 ? Meten1 : (t == KiesStandaard2 ? Meten2 : MetenBlanco));
            return true;
        }
        return false;
    }
    if (AnnulerenGeklikt || SluitenGevraagd) {
        BreekMetingAf();
        return true;
    }
    // OK validates the reading shown; it waits for the first reading of the pass.
    if (OKGeklikt && m_gelezen) {
        OKGeklikt = false;
        if (Valideer() == Uitslag::Aanvaard) NaMeting();
        return true;
    }
    if (MeetTik) {
        MeetTik = false;
        Meting();
        return true;
    }
    return false;
}

void DialogCalibrationISE::StartMeetronde() {
    m_rondeStart = platform::klok().ms();
    m_stabiel = false;
    m_gelezen = false;
    ResetStabiliteit();
    const int s = Stap();
    // The pass shows nothing until its first reading.
    LabelMeetwaarde[s]->clear();
    LabelGraden[s]->clear();
    LabelTijdinfo[s]->clear();
}

// One reading: status, temperatures, measuring ADC. Cancel breaks it off; a transaction without a valid
// reply gives no reading: nothing is shown, OK waits until the module answers again (an OK that came
// meanwhile is dropped), and the step is not stable until ten readings after that say so.
void DialogCalibrationISE::Meting() {
    const int s = Stap();
    const Lezing lezing = LeesIngang([this] { return AnnulerenGeklikt || SluitenGevraagd; });
    if (lezing == Lezing::Onderbroken) return;
    if (lezing != Lezing::Gelezen) {
        m_stabiel = false;
        m_gelezen = false;
        OKGeklikt = false;
        ResetStabiliteit();
        LabelMeetwaarde[s]->clear();
        LabelGraden[s]->clear();
        PasToestandToe();
        return;
    }
    const ModuleRecord& module = Racks[Ri].Modules[Mi];
    m_meetKanaal.Waarde =
        BegrensMillivolt(static_cast<float>(module.Meting[Ki].AdcWaarde / 10.0), m_meetKanaal.Flags);
    const float T = m_temperatuurKanaal.Waarde;
    m_gelezen = true;
    PasToestandToe();

    m_stabiel = false;
    // The temperature limits of this reading, by the settings of the record worked on.
    NeemTemperatuurVlaggen();
    if (BitGezet(m_meetKanaal.Flags, TemperatuurVlaggen)) {
        ZetMeetwaarde(s, BuitenBereik, Rood);
        LabelGraden[s]->setText(BuitenBereik);
        LabelInfo->setText(Tekst[300]);
    } else {
        LabelGraden[s]->setText(TemperatuurTekst(T));
        const bool temperatuur = IsStabiel(T, TemperatuurTolerantie, 1);
        const bool millivolt = IsStabiel(m_meetKanaal.Waarde, MillivoltTolerantieISE, 0);
        m_stabiel = temperatuur && millivolt;
        ZetMeetwaarde(s, OpmaakSingle(m_meetKanaal.Waarde, QStringLiteral("0.0")), m_stabiel ? Groen : Geel);
        LabelInfo->setText(Tekst[376]);
    }
    LabelTijdinfo[s]->setText(MinutenSecondenTekst(RondeSeconden()));
}

// OK on the reading shown: a reading that is not stable asks first; a potential too close to the step
// before is refused. Refused or not confirmed, the step is measured again from a new start.
DialogCalibrationISE::Uitslag DialogCalibrationISE::Valideer() {
    const int s = Stap();
    if (!m_stabiel) {
        const int antwoord = ToonStandaardMelding(Tekst[373], vbYesNo | vbQuestion, windowTitle());
        if (AnnulerenGeklikt || SluitenGevraagd) return Uitslag::Afgebroken;
        if (antwoord != vbYes) {
            OKGeklikt = false;
            StartMeetronde();
            return Uitslag::Geen;
        }
    }
    IonMeting m;
    m.MilliVolt = m_meetKanaal.Waarde;
    m.Temperatuur = m_temperatuurKanaal.Waarde;
    m.Seconden = RondeSeconden();
    if (s > 0 && TeKleinVerschil(m.MilliVolt, m_gemeten[s - 1].MilliVolt)) {
        ToonMelding(Tekst[302] + Tekst[309] + CRLF, vbExclamation,
                    windowTitle() + QStringLiteral(": ") + Tekst[299]);
        OKGeklikt = false;
        StartMeetronde();
        return Uitslag::Geen;
    }
    m_gemeten[s] = m;
    return Uitslag::Aanvaard;
}

void DialogCalibrationISE::NaMeting() {
    m_stabiel = false;
    switch (Stap()) {
    case 0:
        ZetToestand(KiesStandaard2);
        break;
    case 1: {
        const IonUitkomst u =
            IonKalibratie(m_gemeten[0].MilliVolt, IonLogConcentratie(m_gekozenStandaard[0]),
                          m_gemeten[1].MilliVolt, IonLogConcentratie(m_gekozenStandaard[1]));
        if (!u.Aanvaard()) {
            m_uitkomst = {};
            const QString tekst =
                u.Melding == 303 ? QString(Tekst[303]).replace(QStringLiteral(" pH"), QStringLiteral(" pA"))
                                 : Tekst[u.Melding];
            ToonMelding(tekst, vbCritical, Tekst[299]);
            // Standard 2 is measured again; standard 1 stays.
            ZetToestand(KiesStandaard2);
            break;
        }
        m_uitkomst = u;
        ZetToestand(KiesBlanco);
        break;
    }
    default:
        if (IsBlancoAanvaard(m_gemeten[2].MilliVolt, m_gemeten[0].MilliVolt, m_gemeten[1].MilliVolt,
                             m_uitkomst.Helling, m_uitkomst.Nulpunt)) {
            Bewaar(m_gemeten[2].MilliVolt);
            Sluit();
            break;
        }
        ToonStandaardMelding(Tekst[378], vbExclamation, windowTitle());
        m_gemeten[2] = {};
        ZetToestand(KiesBlanco);
        break;
    }
}

void DialogCalibrationISE::BreekMetingAf() {
    // Cancel during a measurement ends only the measurement; the title bar closes the dialog.
    AnnulerenGeklikt = false;
    OKGeklikt = false;
    Afbreken = false;
    m_stabiel = false;
    StabielVlag = false;
    if (SluitenGevraagd) {
        Sluit();
        return;
    }
    const int t = Toestand();
    m_okNaAfbreken = t == Meten2;
    ZetToestand(t == Meten1 ? KiesStandaard1 : (t == Meten2 ? KiesStandaard2 : KiesBlanco));
}

void DialogCalibrationISE::Bewaar(float blancoMV) {
    m_kalibratie = IonKalibratieRecord(platform::Nu(), m_uitkomst, m_gekozenStandaard[0],
                                       m_gekozenStandaard[1], m_gemeten[0], m_gemeten[1], blancoMV);
    // A record that could not be written has been reported.
    m_opgeslagen = BewaarKalibratieK761(Ri, Mi, Ki, Werkrecord(), m_kalibratie, false);
}

void DialogCalibrationISE::Sluit() {
    Afbreken = false;
    SluitProcedure(Gesloten);
}

bool ToonIonKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar) {
    DialogCalibrationISE dialoog(eigenaar);
    return dialoog.Kalibreer(r, m, k, module);
}
