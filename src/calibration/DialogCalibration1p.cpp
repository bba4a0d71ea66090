#include "calibration/DialogCalibration1p.h"
#include "calibration/Kalibraties.h"

#include "acquisition/Commandos.h"
#include "acquisition/ECBereik.h"
#include "acquisition/K761.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Temperatuur.h"
#include "files/Eenheidcontrole.h"
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
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString Sectie = QStringLiteral("Calibration 1p");
const QString SectieMV = QStringLiteral("Calibration mV");
const QString SectieGraden = QStringLiteral("Calibration °C");
const QString SectieZuurstof = QStringLiteral("Calibration Oxygen");
const QString CRLF = QStringLiteral("\r\n");
const QColor Groen(0, 255, 0);
const QColor Rood(255, 0, 0);
constexpr uint8_t BereikVlaggen = VlagBovenBereik | VlagOnderBereik;
constexpr int AantalRecent = 5;

} // namespace

DialogCalibration1p::DialogCalibration1p(QWidget* eigenaar) : KalibratieDialoog(Sectie, eigenaar) {
    setObjectName(QStringLiteral("DialogCalibration1p"));
    const auto label = [this](const char* naam) { return MaakLabel(QString::fromLatin1(naam)); };
    FrameKanaal = new QGroupBox(this);
    FrameKanaal->setObjectName(QStringLiteral("FrameKanaal"));
    LabelMeting = label("LabelMeting");
    LabelMeetwaarde = label("LabelMeetwaarde");
    LabelUnit = label("LabelUnit");
    LabelGraden = label("LabelGraden");
    LabelBuffer = label("LabelBuffer");
    LabelBuffer->setWordWrap(true);
    LabelExtra = label("LabelExtra");
    ComboBufferwaarde = new QComboBox(FrameKanaal);
    ComboBufferwaarde->setObjectName(QStringLiteral("ComboBufferwaarde"));
    ComboBufferwaarde->setEditable(true);
    ComboBufferwaarde->setInsertPolicy(QComboBox::NoInsert);
    ComboBufferwaarde->setMinimumContentsLength(10);
    TextExtra = new QLineEdit(FrameKanaal);
    TextExtra->setObjectName(QStringLiteral("TextExtra"));

    ZetMeetwaardeStijl(LabelMeetwaarde, QStringLiteral("-2000.00 mS/cm "));
    LabelGraden->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* g = new QGridLayout(FrameKanaal);
    g->addWidget(LabelMeting, 0, 0);
    g->addWidget(LabelMeetwaarde, 0, 1);
    g->addWidget(LabelUnit, 0, 2);
    g->addWidget(LabelGraden, 1, 1);
    g->addWidget(LabelBuffer, 2, 0, 1, 3);
    g->addWidget(ComboBufferwaarde, 3, 0, 1, 3);
    g->addWidget(LabelExtra, 4, 0);
    g->addWidget(TextExtra, 4, 1);
    g->setColumnStretch(1, 1);

    CommandReset = MaakKnop(QStringLiteral("CommandReset"));
    OKButton = MaakKnop(QStringLiteral("OKButton"));
    CancelButton = MaakKnop(QStringLiteral("CancelButton"));
    auto* knoppen = Knoppenrij({CommandReset}, {OKButton, CancelButton});

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(FrameKanaal);
    indeling->addLayout(knoppen);
    indeling->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &DialogCalibration1p::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DialogCalibration1p::Annuleer);
    connect(CommandReset, &QPushButton::clicked, this, &DialogCalibration1p::CommandReset_Click);
    connect(ComboBufferwaarde->lineEdit(), &QLineEdit::editingFinished, this,
            &DialogCalibration1p::ComboBufferwaarde_Klaar);
    connect(TextExtra, &QLineEdit::editingFinished, this, &DialogCalibration1p::TextExtra_Klaar);
}

DialogCalibration1p::~DialogCalibration1p() = default;

// ---------------------------------------------------------------------------------------------------
// Set-up and teardown

void DialogCalibration1p::Laad() {
    m_gekozenIngang = Ki;
    const bool temperatuurIngang = Ki > AantalIngangen;
    if (temperatuurIngang) Ki -= AantalIngangen;
    if (!LaadIngang()) return;
    const ModuleRecord& module = Werkrecord();
    if (temperatuurIngang) {
        m_meetKanaal = module.Temperatuur[Ki];
        m_meetKanaal.Flags = Racks[Ri].Modules[Mi].Temperatuur[Ki].Flags;
    }
    const bool k762 = ModelVan(module).type == Modeltype::K762;
    m_soort =
        temperatuurIngang ? EenpuntSoort::Temperatuur : SoortVanEenheid(m_meetKanaal.Unit.getrimd(), k762);
    if (m_soort == EenpuntSoort::Geen) {
        Fout = true;
        return;
    }
    m_meetTemperatuur = m_temperatuurKanaal.Waarde;
    m_meetWaarde = 0;
    m_resultaat = 0;
    m_lezingGeldig = false;
    m_resetGeklikt = false;
    m_bereikGezet = false;

    OKButton->setText(Tekst[140]);
    CancelButton->setText(Tekst[141]);
    CommandReset->setText(Tekst[384]);
    LabelBuffer->setText(Tekst[280]);
    ComboBufferwaarde->setEnabled(true);
    ComboBufferwaarde->clear();
    ComboBufferwaarde->setVisible(true);
    LabelExtra->setVisible(false);
    TextExtra->setVisible(false);
    LabelGraden->setVisible(true);
    LabelUnit->setVisible(true);
    LabelMeting->setText(Tekst[293] + QLatin1Char(':'));

    const QString eenheid = m_meetKanaal.Unit.getrimd();
    ZetKalibratieTitel(eenheid);
    FrameKanaal->setTitle(Tekst[278] + QStringLiteral(" = ") + eenheid);
    LabelMeetwaarde->clear();
    LabelGraden->clear();
    ZetTekstkleur(LabelMeetwaarde, Groen);

    const QString temperatuurTekst = TemperatuurTekst(m_meetTemperatuur);
    const QString tEenheid = TemperatuurEenheid();
    switch (m_soort) {
    case EenpuntSoort::Geleidbaarheid:
        FrameKanaal->setTitle(VervangAmpersand(Tekst[464], QString()));
        LabelUnit->setVisible(false);
        LabelBuffer->setText(Tekst[467]);
        ComboBufferwaarde->setVisible(false);
        break;
    case EenpuntSoort::Millivolt:
        GetRecentStandards(SectieMV, AantalRecent);
        LabelUnit->setText(QStringLiteral("mV"));
        LabelBuffer->setText(Tekst[280] + QStringLiteral("(mV):"));
        LabelGraden->setText(temperatuurTekst);
        break;
    case EenpuntSoort::Temperatuur:
        GetRecentStandards(SectieGraden, AantalRecent);
        LabelGraden->setVisible(false);
        LabelBuffer->setText(Tekst[280].trimmed() + QStringLiteral(" (") + tEenheid + QStringLiteral("):"));
        LabelMeetwaarde->setText(temperatuurTekst.left(temperatuurTekst.size() - tEenheid.size()));
        LabelUnit->setText(tEenheid);
        break;
    case EenpuntSoort::Zuurstof: {
        LabelGraden->setText(temperatuurTekst);
        LabelExtra->setText(Tekst[274] + QStringLiteral("(hPa):"));
        LabelExtra->setVisible(true);
        const float druk = TekstNaarSingle(
            LeesInstelling(AppNaam, SectieZuurstof, QStringLiteral("Air Pressure"), QStringLiteral("1000")));
        TextExtra->setText(OpmaakSingle(druk, QStringLiteral("0")));
        TextExtra->setVisible(true);
        if ((Racks[Ri].Modules[Mi].Meting[Ki].Flags & (BereikVlaggen | TemperatuurVlaggen)) == 0)
            ComboBufferwaarde->setEditText(OpmaakSingle(
                ZuurstofVerzadiging(m_temperatuurKanaal.Waarde, 0.0f, TekstNaarSingle(TextExtra->text())),
                QStringLiteral("0.00")));
        LabelUnit->setText(QStringLiteral("mV"));
        LabelBuffer->setText(Tekst[280] + QStringLiteral("(mg/l):"));
        ComboBufferwaarde->setEnabled(false);
        break;
    }
    case EenpuntSoort::Geen:
        break;
    }

    ZetToestand(Meten);
    // A manual temperature has no default to go back to.
    CommandReset->setEnabled(m_soort != EenpuntSoort::Temperatuur || SensorAanwezig());
    StartProcedure();
    MeetTik = true; // the first reading at once
    PlanStap();
}

void DialogCalibration1p::Calibration1P() {
    VoerUit();
}

void DialogCalibration1p::GetRecentStandards(const QString& sectie, int aantal) {
    QStringList lijst = LeesRecenteStandaarden(sectie, aantal);
    // Temperature standards are kept in °C and shown in the input's unit.
    if (m_soort == EenpuntSoort::Temperatuur)
        for (QString& s : lijst)
            s = OpmaakSingle(CelsiusNaarEenheid(TekstNaarSingle(s), TemperatuurEenheid()),
                             QStringLiteral("0.0"));
    ComboBufferwaarde->addItems(lijst);
    ComboBufferwaarde->setEditText(QString());
}

void DialogCalibration1p::WriteRecentStandards(const QString& sectie, const QString& waarde, int aantal) {
    SchrijfRecenteStandaard(sectie, waarde, aantal);
}

// ---------------------------------------------------------------------------------------------------
// Input fields

void DialogCalibration1p::ComboBufferwaarde_Klaar() {
    ZetStandaard();
}

// Limits and reformats the typed standard; an empty field stays empty.
void DialogCalibration1p::ZetStandaard() {
    const QString tekst = ComboBufferwaarde->currentText();
    if (tekst.trimmed().isEmpty()) return;
    const QString f = QStringLiteral("0.0");
    if (m_soort == EenpuntSoort::Millivolt)
        ComboBufferwaarde->setEditText(OpmaakSingle(BegrensMillivoltStandaard(TekstNaarSingle(tekst)), f));
    else if (m_soort == EenpuntSoort::Temperatuur)
        ComboBufferwaarde->setEditText(
            OpmaakSingle(BegrensTemperatuurStandaard(TekstNaarSingle(tekst), TemperatuurEenheid()), f));
}

void DialogCalibration1p::TextExtra_Klaar() {
    TextExtra->setText(OpmaakSingle(BegrensLuchtdrukWaarde(std::round(TekstNaarSingle(TextExtra->text()))),
                                    QStringLiteral("0")));
}

// ---------------------------------------------------------------------------------------------------
// Buttons

void DialogCalibration1p::OKButton_Click() {
    // Not while the reading is over or under range or its temperature out of limits, nor while the
    // module does not answer.
    if ((m_meetKanaal.Flags & (BereikVlaggen | TemperatuurVlaggen)) != 0 || GeenAntwoord()) return;
    OKGeklikt = true;
    PlanStap();
}

void DialogCalibration1p::CommandReset_Click() {
    m_resetGeklikt = true;
    PlanStap();
}

// ---------------------------------------------------------------------------------------------------
// The procedure

void DialogCalibration1p::PasToestandToe() {
    const bool meten = Toestand() == Meten;
    // Nothing is worked out from a module that does not answer.
    OKButton->setEnabled(meten && !GeenAntwoord());
    CancelButton->setEnabled(meten);
    if (!meten) CommandReset->setEnabled(false);
}

bool DialogCalibration1p::VerwerkStap() {
    if (Toestand() != Meten) return false;
    if (AnnulerenGeklikt || SluitenGevraagd) {
        Sluit();
        return true;
    }
    if (m_resetGeklikt) {
        m_resetGeklikt = false;
        if (!CommandReset->isEnabled()) return true;
        OKGeklikt = false;
        KalibratieRecord r;
        r.Tijdstip = platform::Nu();
        r.Helling = 1.0f;
        const QString eenheid = m_meetKanaal.Unit.getrimd();
        if (m_gekozenIngang > AantalIngangen) {
            r.Temperatuur2 = HandTemperaturen[Ri][Mi][Ki];
            m_opgeslagen = BewaarModuleKalibratie(Ri, Mi, Ki, Werkrecord(), r, true);
            if (m_opgeslagen) WriteRecentStandards(SectieGraden, QStringLiteral("0.0"), AantalRecent);
        } else {
            switch (m_soort) {
            case EenpuntSoort::Geleidbaarheid:
                Werkrecord().Temperatuur[Ki].Extra = 0.0f;
                m_opgeslagen = BewaarHandTemperatuurK762(Ri, Mi, Ki, Werkrecord());
                break;
            case EenpuntSoort::Temperatuur:
                r.Standaard1 = EenheidNaarCelsius(0.0f, eenheid);
                m_opgeslagen = BewaarModuleKalibratie(Ri, Mi, Ki, Werkrecord(), r, true);
                break;
            case EenpuntSoort::Millivolt:
                m_opgeslagen = BewaarKalibratieK761(Ri, Mi, Ki, Werkrecord(), r, false);
                break;
            case EenpuntSoort::Zuurstof:
                r.Standaard2 = 1000.0f;
                r.Helling = StandaardZuurstofSchaal;
                m_opgeslagen = BewaarKalibratieK761(Ri, Mi, Ki, Werkrecord(), r, false);
                break;
            case EenpuntSoort::Geen:
                break;
            }
        }
        Sluit();
        return true;
    }
    if (OKGeklikt) {
        OKGeklikt = false;
        if (!GeenAntwoord() && Controleer()) {
            Bewaar();
            Sluit();
        }
        return true;
    }
    if (!m_bereikGezet) {
        // A conductivity input measures in its range 0 for the whole dialog.
        m_bereikGezet = true;
        if (m_soort == EenpuntSoort::Geleidbaarheid) ZetECBereik(Ri, Mi, static_cast<uint8_t>(Ki - 1), 0);
        return true;
    }
    if (MeetTik) {
        MeetTik = false;
        Lezing();
        return true;
    }
    return false;
}

bool DialogCalibration1p::SensorAanwezig() const {
    return BitGezet(m_meetKanaal.Flags, VlagSensorAanwezig);
}

bool DialogCalibration1p::ZuurstofSensorAanwezig() const {
    // An input that takes the module's shared temperature depends on the sensor of that input.
    const int gedeeld = GedeeldeTemperatuurIngang(Werkrecord());
    if (gedeeld >= 1 && gedeeld != Ki && Werkrecord().Temperatuur[Ki].UseShared)
        return BitGezet(Racks[Ri].Modules[Mi].Meting[gedeeld].Flags, VlagSensorAanwezig);
    return SensorAanwezig();
}

QString DialogCalibration1p::TemperatuurEenheid() const {
    return m_temperatuurKanaal.Unit.getrimd();
}

// One reading: status, temperatures, measuring ADC. A click that ends the loop breaks it off; a
// transaction without a valid reply gives no reading: the value goes blank and OK waits until the
// module answers again.
bool DialogCalibration1p::Lezing() {
    const auto onderbroken = [this] {
        return AnnulerenGeklikt || SluitenGevraagd || OKGeklikt || m_resetGeklikt;
    };
    const auto lezing = LeesIngang(onderbroken);
    if (lezing == Lezing::Onderbroken) return false;
    PasToestandToe();
    if (lezing != Lezing::Gelezen) {
        m_lezingGeldig = false;
        LabelMeetwaarde->clear();
        LabelGraden->clear();
        return false;
    }
    // A temperature input is not judged by the range of the measuring input's mV.
    if (m_soort != EenpuntSoort::Temperatuur)
        m_meetKanaal.Waarde = BegrensMillivolt(
            static_cast<float>(Racks[Ri].Modules[Mi].Meting[Ki].AdcWaarde / 10.0), m_meetKanaal.Flags);
    const float T = m_temperatuurKanaal.Waarde;
    m_meetTemperatuur = T;
    // The temperature limits follow this reading (the live input's bits).
    NeemTemperatuurVlaggen();
    ToonLezing(T);
    return true;
}

void DialogCalibration1p::ToonLezing(float T) {
    m_lezingGeldig = false;
    if (BitGezet(m_meetKanaal.Flags, TemperatuurVlaggen)) {
        ZetMeetwaarde(LabelMeetwaarde, BuitenBereik, false);
        return;
    }
    const QString eenheid = TemperatuurEenheid();
    const QString f00 = QStringLiteral("0.00");
    switch (m_soort) {
    case EenpuntSoort::Millivolt:
        m_meetWaarde = BerekenMillivolt(m_meetKanaal.Waarde, m_meetKanaal);
        m_lezingGeldig = !BitGezet(m_meetKanaal.Flags, BereikVlaggen);
        ZetMeetwaarde(LabelMeetwaarde, OpmaakSingle(m_meetWaarde, QStringLiteral("0.0")), true);
        LabelUnit->setText(QStringLiteral("mV"));
        LabelGraden->setVisible(true);
        LabelGraden->setText(TemperatuurTekst(T));
        break;
    case EenpuntSoort::Zuurstof:
        LabelGraden->setVisible(true);
        LabelGraden->setText(TemperatuurTekst(T));
        if (T < 0.0f || T > 50.0f) {
            ZetMeetwaarde(LabelMeetwaarde, BuitenBereik, false);
            break;
        }
        m_meetWaarde = MembraanCorrectie(m_meetKanaal.Waarde, T);
        m_lezingGeldig = !BitGezet(m_meetKanaal.Flags, BereikVlaggen);
        ZetMeetwaarde(LabelMeetwaarde, OpmaakSingle(m_meetWaarde, QStringLiteral("0.0")), true);
        LabelUnit->setText(QStringLiteral("mV"));
        ComboBufferwaarde->setEditText(
            OpmaakSingle(ZuurstofVerzadiging(T, 0.0f, TekstNaarSingle(TextExtra->text())), f00));
        break;
    case EenpuntSoort::Temperatuur: {
        m_lezingGeldig = true;
        ZetMeetwaarde(LabelMeetwaarde,
                      OpmaakSingle(CelsiusNaarEenheid(T, eenheid),
                                   FormaatDecimalen(m_temperatuurKanaal.Resolution, -1, -1)),
                      true);
        LabelUnit->setText(eenheid);
        LabelGraden->setVisible(false);
        const bool sensor = SensorAanwezig();
        LabelBuffer->setText((sensor ? Tekst[280].trimmed() : Tekst[310]) + QStringLiteral(" (") + eenheid +
                             QStringLiteral("):"));
        CommandReset->setEnabled(sensor);
        break;
    }
    case EenpuntSoort::Geleidbaarheid: {
        m_meetWaarde = m_meetKanaal.Waarde;
        LabelGraden->setVisible(true);
        LabelGraden->setText(TemperatuurTekst(T));
        const int celtype = static_cast<int>(std::lround(m_meetKanaal.Extra));
        const float waarde = m_meetWaarde * 1000.0f / 3895.0f;
        const QString tekst =
            SoortVanTekst(ModelVan(Werkrecord()), m_meetKanaal.Unit.getrimd()) == Eenheidsoort::TDS
                ? ZoutgehalteTekst(waarde, 0, celtype)
                : GeleidbaarheidWaardeTekst(waarde, 0, celtype);
        ComboBufferwaarde->setEditText(tekst);
        const bool droog = IsDrogeCelAanvaard(m_meetWaarde);
        m_lezingGeldig = true;
        ZetMeetwaarde(LabelMeetwaarde, tekst, droog);
        const QString uitleg = droog ? Tekst[467] : Tekst[468];
        if (LabelBuffer->text() != uitleg) LabelBuffer->setText(uitleg);
        // The module may have changed the range meanwhile: range 0 again.
        if (Racks[Ri].Modules[Mi].Meting[Ki].Resolution != 0)
            ZetECBereik(Ri, Mi, static_cast<uint8_t>(Ki - 1), 0);
        break;
    }
    case EenpuntSoort::Geen:
        break;
    }
}

void DialogCalibration1p::Meld(const QString& tekst, int stijl, const QString& titel) {
    ToonStandaardMelding(tekst, stijl,
                         titel.isNull() ? windowTitle() + QStringLiteral(": ") + Tekst[299] : titel);
}

// The checks of OK. False, after a message, when the result is refused: the readings go on.
bool DialogCalibration1p::Controleer() {
    ZetStandaard();
    if (TextExtra->isVisible()) TextExtra_Klaar();
    if (ComboBufferwaarde->currentText().trimmed().isEmpty()) {
        ToonStandaardMelding(LabelBuffer->text().contains(Tekst[280]) ? Tekst[281] : Tekst[311],
                             vbExclamation, windowTitle());
        return false;
    }
    const float S = TekstNaarSingle(ComboBufferwaarde->currentText());
    const QString grenzen = CRLF + CRLF + Tekst[283] + QStringLiteral(": ");
    const QString f0 = QStringLiteral("0.0");
    switch (m_soort) {
    case EenpuntSoort::Millivolt: {
        if (BitGezet(m_meetKanaal.Flags, BereikVlaggen) || !m_lezingGeldig) {
            Meld(Tekst[285]);
            return false;
        }
        // The offset comes from the mV without the offset in force, worked out anew at every OK.
        m_ongecorrigeerd = m_meetKanaal.Offset + m_meetWaarde;
        const EenpuntUitkomst u = MillivoltOffset(m_ongecorrigeerd, S);
        if (!u.Aanvaard) {
            Meld(Tekst[282] + grenzen + OpmaakSingle(-OffsetGrensMV, f0) + QLatin1Char('/') +
                 OpmaakSingle(OffsetGrensMV, f0) + QStringLiteral(" mV"));
            return false;
        }
        m_resultaat = u.Resultaat;
        return true;
    }
    case EenpuntSoort::Zuurstof: {
        if (!ZuurstofSensorAanwezig()) {
            Meld(Tekst[284]);
            return false;
        }
        if ((m_meetKanaal.Flags & (BereikVlaggen | TemperatuurVlaggen)) != 0 || !m_lezingGeldig) {
            Meld(Tekst[285]);
            return false;
        }
        const EenpuntUitkomst u = ZuurstofSchaal(S, m_meetWaarde);
        if (!u.Aanvaard) {
            const QString f = QStringLiteral("0.000");
            Meld(Tekst[321] + grenzen + OpmaakSingle(SchaalOndergrens, f) + QLatin1Char('/') +
                     OpmaakSingle(SchaalBovengrens, f) + QStringLiteral(" (mg/l)/mV"),
                 vbExclamation, Tekst[286] + QStringLiteral("= ") + OpmaakSingle(u.Resultaat, f));
            return false;
        }
        m_resultaat = u.Resultaat;
        return true;
    }
    case EenpuntSoort::Temperatuur: {
        // A manual temperature needs no check.
        if (!SensorAanwezig()) return true;
        if (BitGezet(m_meetKanaal.Flags, TemperatuurVlaggen) || !m_lezingGeldig) {
            Meld(Tekst[285]);
            return false;
        }
        // The reading was corrected by the offset of the temperature channel in force.
        m_ongecorrigeerd = m_temperatuurKanaal.Offset + m_meetTemperatuur;
        const QString eenheid = TemperatuurEenheid();
        const EenpuntUitkomst u = TemperatuurOffset(m_ongecorrigeerd, EenheidNaarCelsius(S, eenheid));
        if (!u.Aanvaard) {
            Meld(Tekst[282] + grenzen +
                 OpmaakSingle(VerschilNaarEenheid(-OffsetGrensTemperatuur, eenheid), f0) + QLatin1Char('/') +
                 OpmaakSingle(VerschilNaarEenheid(OffsetGrensTemperatuur, eenheid), f0) + eenheid);
            return false;
        }
        m_resultaat = u.Resultaat;
        return true;
    }
    case EenpuntSoort::Geleidbaarheid:
        if (m_lezingGeldig && IsDrogeCelAanvaard(m_meetKanaal.Waarde)) return true;
        ToonStandaardMelding(Tekst[468] + CRLF + CRLF + Tekst[467], vbOKOnly, QString());
        return false;
    case EenpuntSoort::Geen:
        break;
    }
    return false;
}

// Stores the accepted result.
void DialogCalibration1p::Bewaar() {
    const float S = TekstNaarSingle(ComboBufferwaarde->currentText());
    const QString eenheid = TemperatuurEenheid();
    const QString f0 = QStringLiteral("0.0");
    KalibratieRecord r;
    r.Tijdstip = platform::Nu();
    r.Temperatuur1 = m_meetTemperatuur;
    switch (m_soort) {
    case EenpuntSoort::Temperatuur:
        if (!SensorAanwezig()) {
            HandTemperaturen[Ri][Mi][Ki] = EenheidNaarCelsius(S, eenheid);
            m_opgeslagen = BewaarHandTemperatuurK761(Ri, Mi, Ki, Werkrecord());
            return;
        }
        r.Standaard1 = EenheidNaarCelsius(S, eenheid);
        r.Nulpunt = m_resultaat;
        r.Helling = 1.0f;
        r.Temperatuur1 = m_ongecorrigeerd;
        m_opgeslagen = BewaarModuleKalibratie(Ri, Mi, Ki, Werkrecord(), r, true);
        if (m_opgeslagen) WriteRecentStandards(SectieGraden, OpmaakSingle(r.Standaard1, f0), AantalRecent);
        return;
    case EenpuntSoort::Geleidbaarheid:
        Werkrecord().Temperatuur[Ki].Extra = m_meetWaarde * 10.0f;
        m_opgeslagen = BewaarHandTemperatuurK762(Ri, Mi, Ki, Werkrecord());
        return;
    case EenpuntSoort::Millivolt:
        r.Standaard1 = S;
        r.Nulpunt = m_resultaat;
        r.Helling = 1.0f;
        r.MilliVolt1 = m_ongecorrigeerd;
        m_opgeslagen = BewaarKalibratieK761(Ri, Mi, Ki, Werkrecord(), r, false);
        if (m_opgeslagen) WriteRecentStandards(SectieMV, OpmaakSingle(S, f0), AantalRecent);
        return;
    case EenpuntSoort::Zuurstof: {
        const float P = TekstNaarSingle(TextExtra->text());
        r.Standaard1 = S;
        r.Standaard2 = P;
        r.Nulpunt = 0.0f;
        r.Helling = m_resultaat;
        r.MilliVolt1 = m_meetWaarde;
        m_opgeslagen = BewaarKalibratieK761(Ri, Mi, Ki, Werkrecord(), r, false);
        if (m_opgeslagen) {
            BewaarInstelling(AppNaam, SectieZuurstof, QStringLiteral("Air Pressure"),
                             OpmaakSingle(P, QStringLiteral("0")));
            Luchtdruk = P;
        }
        return;
    }
    case EenpuntSoort::Geen:
        return;
    }
}

void DialogCalibration1p::Sluit() {
    OKGeklikt = AnnulerenGeklikt = false;
    m_resetGeklikt = false;
    // A conductivity input gets back the range it had at opening. Cancel left Afbreken set, which would
    // keep the range command from being sent.
    if (m_soort == EenpuntSoort::Geleidbaarheid) {
        KanaalRecord& live = Racks[Ri].Modules[Mi].Meting[Ki];
        if (live.Resolution != m_bereikBijOpenen) {
            live.Resolution = m_bereikBijOpenen;
            Afbreken = false;
            ZetECBereik(Ri, Mi, static_cast<uint8_t>(Ki - 1), static_cast<uint8_t>(m_bereikBijOpenen));
        }
    }
    Afbreken = false;
    ZetToestand(Gesloten);
    MarkeerGesloten();
}

bool ToonEenpuntsKalibratie(int r, int m, int k, ModuleRecord& module, QWidget* eigenaar) {
    DialogCalibration1p dialoog(eigenaar);
    return dialoog.Kalibreer(r, m, k, module);
}
