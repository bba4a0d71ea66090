#include "calibration/DialogCalibrationPH.h"
#include "calibration/Kalibraties.h"

#include "acquisition/Commandos.h"
#include "acquisition/K761.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/Temperatuur.h"
#include "calibration/FormTekstEditor.h"
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
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Sectie = QStringLiteral("Calibration pH");
const QString CRLF = QStringLiteral("\r\n");

// The list position a buffer list starts on without a stored choice: "7.00" for buffer 1, "4.00" for
// buffer 2.
int StandaardBufferKeuze(int index) {
    if (index == 0) return 4;
    if (index == 1) return 1;
    return 0;
}

} // namespace

DialogCalibrationPH::DialogCalibrationPH(QWidget* eigenaar) : KalibratieDialoog(Sectie, eigenaar) {
    setObjectName(QStringLiteral("DialogCalibrationPH"));
    const auto label = [this](const QString& naam, int i) { return MaakLabel(naam + QString::number(i)); };

    Frame = MaakInfoVak(LabelInfo, 4);

    auto* buffers = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        FrameBuffer[i] = new QGroupBox(this);
        FrameBuffer[i]->setObjectName(QStringLiteral("FrameBuffer%1").arg(i));
        ComboBufferwaarde[i] = new QComboBox(FrameBuffer[i]);
        ComboBufferwaarde[i]->setObjectName(QStringLiteral("ComboBufferwaarde%1").arg(i));
        ComboBufferwaarde[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        ComboBufferwaarde[i]->setMinimumContentsLength(12);
        LabelBuffer[i] = label(QStringLiteral("LabelBuffer"), i);
        LabelMeting[i] = label(QStringLiteral("LabelMeting"), i);
        LabelMeetwaarde[i] = label(QStringLiteral("LabelMeetwaarde"), i);
        LabelUnit[i] = label(QStringLiteral("LabelUnit"), i);
        LabelGraden[i] = label(QStringLiteral("LabelGraden"), i);
        LabelBufferBij[i] = label(QStringLiteral("LabelBufferBij"), i);
        LabelBufferinfo[i] = label(QStringLiteral("LabelBufferinfo"), i);
        LabelTijd[i] = label(QStringLiteral("LabelTijd"), i);
        LabelTijdinfo[i] = label(QStringLiteral("LabelTijdinfo"), i);

        ZetMeetwaardeStijl(LabelMeetwaarde[i], QStringLiteral("-2000.0 "));
        LabelUnit[i]->setText(QStringLiteral("mV"));
        for (QLabel* rechts : {LabelGraden[i], LabelBufferinfo[i], LabelTijdinfo[i]})
            rechts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        auto* g = new QGridLayout(FrameBuffer[i]);
        g->addWidget(LabelBuffer[i], 0, 0);
        g->addWidget(ComboBufferwaarde[i], 0, 1, 1, 2);
        g->addWidget(LabelMeting[i], 1, 0);
        g->addWidget(LabelMeetwaarde[i], 1, 1);
        g->addWidget(LabelUnit[i], 1, 2);
        g->addWidget(LabelGraden[i], 2, 1);
        g->addWidget(LabelBufferBij[i], 3, 0);
        g->addWidget(LabelBufferinfo[i], 3, 1);
        g->addWidget(LabelTijd[i], 4, 0);
        g->addWidget(LabelTijdinfo[i], 4, 1);
        g->setColumnStretch(1, 1);
        buffers->addWidget(FrameBuffer[i]);
    }

    OKButton = MaakKnop(QStringLiteral("OKButton"));
    CancelButton = MaakKnop(QStringLiteral("CancelButton"));
    CommandCalibrate = MaakKnop(QStringLiteral("CommandCalibrate"));
    CommandEdit = MaakKnop(QStringLiteral("CommandEdit"));
    auto* knoppen = Knoppenrij({CommandCalibrate, CommandEdit}, {OKButton, CancelButton});

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(Frame);
    indeling->addLayout(buffers);
    indeling->addLayout(knoppen);
    indeling->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &DialogCalibrationPH::BevestigOK);
    connect(CancelButton, &QPushButton::clicked, this, &DialogCalibrationPH::Annuleer);
    ZetEscapeKnoppen(CancelButton, OKButton);
    connect(CommandCalibrate, &QPushButton::clicked, this, &DialogCalibrationPH::CommandCalibrate_Click);
    connect(CommandEdit, &QPushButton::clicked, this, &DialogCalibrationPH::CommandEdit_Click);
    for (int i = 0; i < 2; ++i)
        connect(ComboBufferwaarde[i], &QComboBox::currentIndexChanged, this,
                [this, i] { ComboBufferwaarde_Click(i); });
}

DialogCalibrationPH::~DialogCalibrationPH() = default;

QString DialogCalibrationPH::BufferBestandsnaam() {
    return MapBibliotheek + QStringLiteral("/buffer.ph");
}

// ---------------------------------------------------------------------------------------------------
// Set-up and teardown

void DialogCalibrationPH::Laad() {
    if (!LaadIngang()) return;

    for (int i = 0; i < 2; ++i) {
        FrameBuffer[i]->setTitle(Tekst[415] + QLatin1Char(' ') + QString::number(i + 1));
        LabelBuffer[i]->setText(Tekst[415] + QLatin1Char(':'));
        VulBufferLijst(i);
        const int aantal = ComboBufferwaarde[i]->count();
        if (aantal == 0) {
            Fout = true;
            return;
        }
        int keuze = TekstNaarInteger(
            LeesInstelling(AppNaam, Sectie, QStringLiteral("Buffer%1").arg(i + 1), StandaardBufferKeuze(i)));
        if (keuze < 0) keuze = StandaardBufferKeuze(i);
        if (keuze >= aantal) keuze = aantal - 1;
        m_bufferKeuze[i] = keuze;
        ComboBufferwaarde[i]->setCurrentIndex(keuze);
        LabelMeting[i]->setText(Tekst[293] + QLatin1Char(':'));
        LabelBufferBij[i]->setText(Tekst[292] + QLatin1Char(':'));
        LabelTijd[i]->setText(Tekst[125] + QStringLiteral(" (mm:ss):"));
        for (QLabel* l : {LabelMeetwaarde[i], LabelGraden[i], LabelBufferinfo[i], LabelTijdinfo[i]})
            l->clear();
    }
    OKButton->setText(Tekst[140]);
    CancelButton->setText(Tekst[141]);
    CommandCalibrate->setText(Tekst[287]);
    CommandEdit->setText(Tekst[109]);
    ZetKalibratieTitel(QStringLiteral("pH"));

    m_helling = 0;
    m_isoPH = 0;
    m_bufferIndex = 0;
    m_gemeten = {};
    ZetToestand(KiesBuffer1);
    StartProcedure();
}

void DialogCalibrationPH::CalibrationpH() {
    VoerUit();
}

void DialogCalibrationPH::BewaarKeuzes() {
    for (int i = 0; i < 2; ++i)
        BewaarInstelling(AppNaam, Sectie, QStringLiteral("Buffer%1").arg(i + 1),
                         QString::number(m_bufferKeuze[i]));
}

// ---------------------------------------------------------------------------------------------------
// Buffer lists and tables

void DialogCalibrationPH::VulBufferLijst(int index) {
    QComboBox* lijst = ComboBufferwaarde[index];
    const QSignalBlocker stil(lijst);
    lijst->clear();
    for (const Buffer& b : IngebouwdeBuffers())
        lijst->addItem(b.Naam);
    QByteArray inhoud;
    if (!BestandBestaat(BufferBestandsnaam()) || !platform::LeesBestand(BufferBestandsnaam(), inhoud)) {
        m_gebruikersBuffers = false;
        return;
    }
    const QStringList namen = BufferNamen(LeesBufferBestand(platform::DecodeerTekstbestand(inhoud)));
    lijst->addItems(namen);
    if (!namen.isEmpty()) m_gebruikersBuffers = true;
}

void DialogCalibrationPH::LeesStandaardTabel(int rij, const QString& naam) {
    if (rij < 0 || rij > 1) return;
    ::LeesStandaardTabel(naam, m_bufferTabel[rij]);
}

void DialogCalibrationPH::LeesBufferTabel(int rij, QString& naam) {
    naam = naam.trimmed();
    std::vector<Buffer> bestand;
    QByteArray inhoud;
    if (m_gebruikersBuffers && platform::LeesBestand(BufferBestandsnaam(), inhoud))
        bestand = LeesBufferBestand(platform::DecodeerTekstbestand(inhoud));
    // A name found nowhere leaves an empty table, which no calibration takes: never the table of the
    // buffer chosen before.
    m_bufferTabel[rij] = TabelVanBuffer(naam, bestand);
}

void DialogCalibrationPH::ComboBufferwaarde_Click(int i) {
    CommandEdit->setVisible(ComboBufferwaarde[i]->currentIndex() >= AantalIngebouwdeBuffers);
}

// ---------------------------------------------------------------------------------------------------
// Buttons

void DialogCalibrationPH::CommandCalibrate_Click() {
    if (Toestand() != KiesBuffer1 && Toestand() != KiesBuffer2) return;
    const int b = m_bufferIndex;
    m_bufferKeuze[b] = ComboBufferwaarde[b]->currentIndex();
    if (b > 0) {
        QString naam = ComboBufferwaarde[b]->currentText();
        LeesBufferTabel(b, naam);
        const float ph1 = BufferWaardeBijTemperatuur(m_bufferTabel[0], BufferReferentieTemperatuur);
        const float ph2 = BufferWaardeBijTemperatuur(m_bufferTabel[b], BufferReferentieTemperatuur);
        if (!VerschillenBuffersGenoegInPH(ph1, ph2)) {
            ToonMelding(Tekst[308], vbExclamation, Tekst[299]);
            return;
        }
    }
    ZetUit(CommandCalibrate);
    ZetUit(CommandEdit);
    ZetInfo(Tekst[289]);
    KalibrerenGeklikt = true;
    PlanStap();
}

void DialogCalibrationPH::CommandEdit_Click() {
    if (Toestand() != KiesBuffer1 && Toestand() != KiesBuffer2) return;
    const QString pad = BufferBestandsnaam();
    if (!BewerkBestand(pad, LabelInfo)) return;
    const int b = m_bufferIndex;
    m_bufferKeuze[b] = ComboBufferwaarde[b]->currentIndex();
    VulBufferLijst(b);
    QComboBox* lijst = ComboBufferwaarde[b];
    if (m_gebruikersBuffers) {
        lijst->setCurrentIndex(std::min(m_bufferKeuze[b], lijst->count() - 1));
    } else {
        m_bufferKeuze[b] = 0;
        lijst->setCurrentIndex(-1);
    }
    ComboBufferwaarde_Click(b);
}

// ---------------------------------------------------------------------------------------------------
// The procedure

bool DialogCalibrationPH::IsMeettoestand() const {
    return Toestand() == Meten1 || Toestand() == Meten2;
}

void DialogCalibrationPH::ZetInfo(const QString& tekst) {
    LabelInfo->setText(tekst);
}

void DialogCalibrationPH::PasToestandToe() {
    const int t = Toestand();
    const bool kies = t == KiesBuffer1 || t == KiesBuffer2;
    // The group of the buffer being worked on is active, the other greyed.
    const int actief = (t == KiesBuffer1 || t == Meten1) ? 0 : 1;
    for (int i = 0; i < 2; ++i) {
        FrameBuffer[i]->setEnabled(t != Gesloten && i == actief);
        ComboBufferwaarde[i]->setEnabled(kies && i == actief);
    }
    OKButton->setEnabled(t == KiesBuffer2 || t == Resultaat);
    CancelButton->setEnabled(kies || t == Meten1 || t == Meten2);
    CommandCalibrate->setEnabled(kies);
    CommandEdit->setEnabled(kies);
    ComboBufferwaarde_Click(actief);
    ZetTekstkleur(LabelInfo, palette().color(QPalette::Active, QPalette::WindowText));
    switch (t) {
    case KiesBuffer1:
        ZetInfo(Tekst[288]);
        break;
    case KiesBuffer2:
        ZetInfo(Tekst[290]);
        break;
    case Meten1:
    case Meten2:
        ZetInfo(Tekst[289]);
        break;
    case Resultaat: {
        PhUitkomst u;
        u.Helling = m_helling;
        u.IsoPH = m_isoPH;
        ZetInfo(PhResultaatTekst(u) + (m_opgeslagen ? CRLF + Tekst[305] : QString()));
        break;
    }
    default:
        break;
    }
}

bool DialogCalibrationPH::VerwerkStap() {
    switch (Toestand()) {
    case KiesBuffer1:
    case KiesBuffer2:
        if (AnnulerenGeklikt || SluitenGevraagd) {
            Sluit();
            return true;
        }
        if (OKGeklikt) {
            OKGeklikt = false;
            if (Toestand() == KiesBuffer2 && m_bufferIndex == 1) EenpuntsResultaat();
            return true;
        }
        if (KalibrerenGeklikt) {
            KalibrerenGeklikt = false;
            StartMeting();
            return true;
        }
        return false;
    case Meten1:
    case Meten2:
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
        case Uitslag::Aanvaard:
            ++m_bufferIndex;
            if (m_bufferIndex == 1)
                ZetToestand(KiesBuffer2);
            else
                TweepuntsResultaat();
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

void DialogCalibrationPH::Sluit() {
    SluitProcedure(Gesloten);
}

void DialogCalibrationPH::BreekMetingAf() {
    // Cancel during a measurement ends only the measurement; the title bar closes the dialog.
    AnnulerenGeklikt = false;
    StabielVlag = false;
    if (SluitenGevraagd)
        Sluit();
    else
        ZetToestand(m_bufferIndex == 0 ? KiesBuffer1 : KiesBuffer2);
}

void DialogCalibrationPH::StartMeting() {
    const int b = m_bufferIndex;
    QString naam = ComboBufferwaarde[b]->currentText();
    LeesBufferTabel(b, naam);
    if (!IsGeldigeBuffer(m_bufferTabel[b])) {
        ToonMelding(Tekst[415] + QStringLiteral(": ") + naam + CRLF + CRLF + Tekst[301], vbExclamation,
                    windowTitle());
        ResetStabiliteit();
        PasToestandToe();
        return;
    }
    StabielTolerantie = MillivoltTolerantie(m_meetKanaal.Resolution);
    StartMeetronde();
    MeetTik = true; // the first reading at once
    ZetToestand(b == 0 ? Meten1 : Meten2);
}

void DialogCalibrationPH::StartMeetronde() {
    m_rondeStart = platform::klok().ms();
    ResetStabiliteit();
}

DialogCalibrationPH::Uitslag DialogCalibrationPH::Meting() {
    const int b = m_bufferIndex;
    const auto afgebroken = [this] { return AnnulerenGeklikt || SluitenGevraagd; };
    const Lezing lezing = LeesIngang(afgebroken);
    if (lezing == Lezing::Onderbroken) return Uitslag::Afgebroken;
    // No valid reply: this tick gives no reading. A failed read leaves the former values in the
    // channels, which must neither be shown nor count as a reading; the buffer is not stable until ten
    // readings after the module answers again say so.
    StabielVlag = false;
    if (lezing != Lezing::Gelezen) {
        LabelMeetwaarde[b]->clear();
        LabelGraden[b]->clear();
        ResetStabiliteit();
        return Uitslag::Geen;
    }
    m_meetKanaal.Waarde = BegrensMillivolt(
        static_cast<float>(Racks[Ri].Modules[Mi].Meting[Ki].AdcWaarde / 10.0), m_meetKanaal.Flags);
    const float T = m_temperatuurKanaal.Waarde;
    // The temperature bits follow this reading: one reading out of range must not block the dialog.
    NeemTemperatuurVlaggen();

    const BufferTabel& tabel = m_bufferTabel[b];
    if (BitGezet(m_meetKanaal.Flags, TemperatuurVlaggen)) {
        ZetMeetwaarde(LabelMeetwaarde[b], BuitenBereik, false);
        LabelGraden[b]->setText(BuitenBereik);
        ZetInfo(Tekst[300]);
    } else {
        LabelGraden[b]->setText(TemperatuurTekst(T));
        if (!InBufferBereik(tabel, T)) {
            ZetMeetwaarde(LabelMeetwaarde[b], BuitenBereik, false);
            ZetInfo(TemperatuurGrenzenTekst(tabel.Ondergrens, tabel.Bovengrens));
            ZetBit(m_meetKanaal.Flags, TemperatuurVlaggen);
        } else {
            const bool temperatuur = IsStabiel(T, TemperatuurTolerantie, 1);
            const bool millivolt = IsStabiel(m_meetKanaal.Waarde, StabielTolerantie, 0);
            StabielVlag = temperatuur && millivolt;
            ZetMeetwaarde(LabelMeetwaarde[b], OpmaakSingle(m_meetKanaal.Waarde, QStringLiteral("0.0")), true);
            LabelBufferinfo[b]->setText(
                OpmaakSingle(BufferWaardeBijTemperatuur(tabel, T), FormaatWaarde(Werkrecord(), Ki)));
            ZetInfo(Tekst[289]);
        }
    }
    const qint64 seconden = RondeSeconden();
    LabelTijdinfo[b]->setText(MinutenSecondenTekst(seconden));
    if (afgebroken()) return Uitslag::Afgebroken;
    if (!StabielVlag) return Uitslag::Geen;

    // Stable. A buffer without a name cannot be stored or checked: it is not taken.
    const QString lijstTekst = ComboBufferwaarde[b]->currentText();
    if (lijstTekst.trimmed().isEmpty()) {
        StabielVlag = false;
        ToonMelding(Tekst[415] + QStringLiteral(": ") + CRLF + CRLF + Tekst[301], vbExclamation,
                    windowTitle());
        return Uitslag::Afgebroken;
    }
    BufferMeting& meting = m_gemeten[b];
    meting.LijstTekst = lijstTekst;
    meting.GetoondPH = LabelBufferinfo[b]->text();
    meting.MilliVolt = m_meetKanaal.Waarde;
    meting.Temperatuur = T;
    meting.Seconden = seconden;

    bool plausibel = false;
    QString melding;
    if (b == 0) {
        plausibel = IsEersteBufferPlausibel(meting.MilliVolt, T, TekstNaarSingle(meting.GetoondPH));
        melding = Tekst[309];
    } else {
        plausibel = VerschillenBuffersGenoegInMillivolt(m_gemeten[0].MilliVolt, meting.MilliVolt);
        melding = Tekst[302] + Tekst[309];
    }
    if (plausibel) return Uitslag::Aanvaard;
    StabielVlag = false;
    ToonMelding(melding, vbExclamation, windowTitle() + QStringLiteral(": ") + Tekst[299]);
    // The buffer is measured again, from a new start.
    StartMeetronde();
    return Uitslag::Geen;
}

void DialogCalibrationPH::EenpuntsResultaat() {
    const BufferMeting& b1 = m_gemeten[0];
    const float ph = BufferWaardeBijTemperatuur(m_bufferTabel[0], b1.Temperatuur);
    const PhUitkomst u = EenpuntsKalibratie(b1.MilliVolt, b1.Temperatuur, ph);
    if (!u.Aanvaard()) {
        m_helling = 0;
        m_isoPH = 0;
        ToonMelding(Tekst[u.Melding], vbCritical, Tekst[299]);
        Sluit();
        return;
    }
    BewaarResultaat(u);
}

void DialogCalibrationPH::TweepuntsResultaat() {
    const BufferMeting& b1 = m_gemeten[0];
    const BufferMeting& b2 = m_gemeten[1];
    const float ph1 = BufferWaardeBijTemperatuur(m_bufferTabel[0], b1.Temperatuur);
    const float ph2 = BufferWaardeBijTemperatuur(m_bufferTabel[1], b2.Temperatuur);
    const PhUitkomst u =
        TweepuntsKalibratie(b1.MilliVolt, b1.Temperatuur, ph1, b2.MilliVolt, b2.Temperatuur, ph2);
    if (!u.Aanvaard()) {
        m_helling = 0;
        m_isoPH = 0;
        ToonMelding(Tekst[u.Melding], vbCritical, Tekst[299]);
        // Buffer 2 can be measured again; buffer 1's result stays.
        m_bufferIndex = 1;
        ZetToestand(KiesBuffer2);
        return;
    }
    BewaarResultaat(u);
}

void DialogCalibrationPH::BewaarResultaat(const PhUitkomst& uitkomst) {
    m_helling = uitkomst.Helling;
    m_isoPH = uitkomst.IsoPH;
    OKGeklikt = AnnulerenGeklikt = false;
    m_kalibratie = PhKalibratieRecord(platform::Nu(), uitkomst, m_gemeten[0],
                                      m_bufferIndex > 1 ? &m_gemeten[1] : nullptr);
    // A record that could not be written has been reported; the result is then not called successful.
    m_opgeslagen = BewaarKalibratieK761(Ri, Mi, Ki, Werkrecord(), m_kalibratie, false);
    ZetToestand(Resultaat);
}

bool ToonPhKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar) {
    DialogCalibrationPH dialoog(eigenaar);
    return dialoog.Kalibreer(r, m, k, module);
}
