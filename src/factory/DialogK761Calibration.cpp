#include "factory/DialogK761Calibration.h"

#include "acquisition/EEprom.h"
#include "acquisition/RackModel.h"
#include "acquisition/Temperatuur.h"
#include "acquisition/Verbinding.h"
#include "factory/Afregeling.h"
#include "shared/Getallen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {
const QString TekstLekstroom = QStringLiteral("Leakage Current (pA):\n");
} // namespace

DialogK761Calibration::DialogK761Calibration(QWidget* ouder) : Fabrieksdialoog(ouder) {
    setWindowTitle(QStringLiteral("K761 parameters"));
    const QSignalBlocker stil(SSTab);

    // Tab 0 "Input" and tab 1 "°C": per input a zero and a scale field with their constants.
    const auto constantenTab = [this](std::array<Invoerveld*, 4>& nulVelden,
                                      std::array<Invoerveld*, 4>& schaalVelden,
                                      std::array<Constantelabel*, 4>& nulLabels,
                                      std::array<Constantelabel*, 4>& schaalLabels, QLabel*& nulBereik,
                                      QLabel*& schaalBereik) {
        auto* pagina = new QWidget(this);
        auto* rooster = new QGridLayout(pagina);
        nulBereik = new QLabel(pagina);
        schaalBereik = new QLabel(pagina);
        for (QLabel* l : {nulBereik, schaalBereik}) {
            l->setTextFormat(Qt::PlainText);
            l->setAlignment(Qt::AlignCenter);
        }
        rooster->addWidget(nulBereik, 0, 1, 1, 2);
        rooster->addWidget(schaalBereik, 0, 3, 1, 2);
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
    };
    SSTab->addTab(
        constantenTab(TextNulpuntInput, TextSchaalInput, LabelNulpunt, LabelSchaal, LabelmVo, LabelmVr),
        QStringLiteral("Input"));
    SSTab->addTab(constantenTab(TextNulpuntGraden, TextSchaalGraden, LabelNulpuntGraden, LabelSchaalGraden,
                                LabelBGraden, LabelAGraden),
                  QString::fromUtf8("°C"));

    // Tab 2 "Xtra": the leakage currents and the serial number.
    auto* xtra = new QWidget(this);
    auto* rooster = new QGridLayout(xtra);
    for (int c = 0; c < 4; ++c) {
        const auto i = static_cast<size_t>(c);
        TextLekstroom[i] = MaakVeld(20);
        TextLekstroom[i]->setFixedWidth(90);
        LabelLekstroom[i] = new Constantelabel(QString(), xtra);
        rooster->addWidget(Kanaalkop(c, xtra), c, 0);
        rooster->addWidget(TextLekstroom[i], c, 1);
        rooster->addWidget(LabelLekstroom[i], c, 2);
    }
    TextSerieNummer->setFixedWidth(90);
    rooster->addWidget(TextSerieNummer, 4, 1);
    rooster->addWidget(LabelSerieNummer, 4, 2);
    rooster->setColumnStretch(3, 1);
    rooster->setRowStretch(5, 1);
    SSTab->addTab(xtra, QStringLiteral("Xtra"));

    // Tab 3 "Info": the certificate of the stored record.
    auto* info = new QWidget(this);
    auto* naast = new QHBoxLayout(info);
    naast->addWidget(LabelInfo[0]);
    naast->addWidget(LabelInfo[1], 1);
    SSTab->addTab(info, QStringLiteral("Info"));

    // The live readings per input.
    PictureModule = new QFrame(this);
    PictureModule->setFrameShape(QFrame::StyledPanel);
    auto* metingen = new QGridLayout(PictureModule);
    metingen->addWidget(new QLabel(QStringLiteral("Reading (mV)"), PictureModule), 1, 0);
    metingen->addWidget(new QLabel(QStringLiteral("Raw (mV)"), PictureModule), 2, 0);
    metingen->addWidget(new QLabel(QString::fromUtf8("°C"), PictureModule), 3, 0);
    for (int c = 0; c < 4; ++c) {
        const auto i = static_cast<size_t>(c);
        metingen->addWidget(Kanaalkop(c, PictureModule), 0, c + 1, Qt::AlignRight);
        QLabel* waarde = MaakMeetlabel(c, LabelWaarde);
        waarde->setCursor(Qt::PointingHandCursor);
        waarde->setToolTip(QStringLiteral("Click to copy into the focused zero or scale field"));
        metingen->addWidget(waarde, 1, c + 1);
        LabelEenheid[i] = new QLabel(PictureModule);
        LabelEenheid[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        metingen->addWidget(LabelEenheid[i], 2, c + 1);
        metingen->addWidget(MaakMeetlabel(c, LabelGraden), 3, c + 1);
    }

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    auto* geheel = new QVBoxLayout(this);
    geheel->addWidget(SSTab, 1);
    geheel->addWidget(PictureModule);
    geheel->addLayout(knoppen);
    ToonOntwerpteksten();
    resize(560, 380);
}

void DialogK761Calibration::ToonOntwerpteksten() {
    for (size_t c = 0; c < 4; ++c) {
        TextNulpuntInput[c]->setText(QStringLiteral("0.0"));
        TextSchaalInput[c]->setText(QStringLiteral("1.0000"));
        TextNulpuntGraden[c]->setText(QStringLiteral("0.0"));
        TextSchaalGraden[c]->setText(QStringLiteral("1.0000"));
        LabelNulpunt[c]->Zet(QStringLiteral("Nulpunt"), false);
        LabelSchaal[c]->Zet(QStringLiteral("Schaal"), false);
        LabelNulpuntGraden[c]->Zet(QStringLiteral("Nulpunt"), false);
        LabelSchaalGraden[c]->Zet(QStringLiteral("Schaal"), false);
        LabelLekstroom[c]->Zet(QStringLiteral("Lekstroom"), false);
        LabelEenheid[c]->setText(QStringLiteral("mV"));
        LabelGraden[c]->setText(QString::fromUtf8("°C"));
    }
    LabelmVo->setText(QStringLiteral("Offset"));
    LabelmVr->setText(QStringLiteral("Scale"));
    LabelBGraden->setText(QString::fromUtf8("20°C"));
    LabelAGraden->setText(QString::fromUtf8("80°C"));
    LabelInfo[0]->setText(QStringLiteral("Info"));
    LabelInfo[1]->setText(QStringLiteral("Info"));
    setWindowTitle(m_titel.isEmpty() ? QStringLiteral("K761 parameters") : m_titel);
}

QString DialogK761Calibration::SchrijfTekst() const {
    return Tekst[250] + QLatin1Char(' ') + Tekst[297] + QLatin1Char(' ') + QString::number(Ri) +
           QLatin1Char(' ') + Tekst[296] + QLatin1Char(' ') + QString::number(Mi);
}

void DialogK761Calibration::VoorSchrijven() {
    Wacht(500);
    WisBuffers();
}

void DialogK761Calibration::OpvragenParameters(int r, int m) {
    using namespace k761;
    ToonVoortgang(0, 20, 0, LeesTekst(r, m));
    WisBuffers();
    Wacht(500);
    if (IsModulePlaats(r, m) && Racks[r].Modules[m].Present) {
        SN = 0;
        float lekstroom = 0;
        const bool k761 = Racks[r].Modules[m].Type == QStringLiteral("K761");
        for (int c = 0; c < 4 && k761; ++c) {
            const auto i = static_cast<size_t>(c);
            const auto lees = [&](auto stap, int positie) {
                if (Afgebroken()) return;
                stap();
                ZetVoortgang(static_cast<int16_t>(positie));
            };
            lees([&] { Constanten[i].nul = UitEEprom(MvNul, LeesWoord(AdresMvNul(c))); }, 4 * c + 1);
            lees([&] { Constanten[i].schaal = UitEEprom(MvSchaal, LeesWoord(AdresMvSchaal(c))); }, 4 * c + 2);
            lees(
                [&] {
                    Constanten[i + 4].schaal =
                        UitEEprom(TemperatuurSchaal, LeesWoord(AdresTemperatuurSchaal(c)));
                },
                4 * c + 3);
            lees(
                [&] { Constanten[i + 4].nul = UitEEprom(TemperatuurNul, LeesWoord(AdresTemperatuurNul(c))); },
                4 * c + 4);
            if (!Afgebroken()) lekstroom = UitEEprom(Lekstroom, LeesWoord(AdresLekstroom(c)));
            // After a cancel the label shows the last value read (0.0 when none).
            LabelLekstroom[i]->Zet(TekstLekstroom + OpmaakSingle(lekstroom, FormaatNul), false);
            if (!Afgebroken()) ZetVoortgang(static_cast<int16_t>(4 * c + 5));
        }
    }
    if (!Afgebroken()) {
        SN = LeesDubbelWoord(AdresSerienummer);
        LabelSerieNummer->setText(QStringLiteral("Serial Number:\n") + QString::number(SN));
    }
    LabelSerieNummer->ZetRood(false);
    SluitVoortgang();
}

void DialogK761Calibration::ToonOverzicht() {
    for (size_t c = 0; c < 4; ++c) {
        LabelNulpunt[c]->Zet(OpmaakSingle(Constanten[c].nul, FormaatNul), false);
        LabelSchaal[c]->Zet(OpmaakSingle(Constanten[c].schaal, FormaatSchaal), false);
        LabelNulpuntGraden[c]->Zet(OpmaakSingle(Constanten[c + 4].nul, FormaatGradenNul), false);
        LabelSchaalGraden[c]->Zet(OpmaakSingle(Constanten[c + 4].schaal, FormaatGradenSchaal), false);
        for (QLineEdit* veld :
             {TextNulpuntInput[c], TextSchaalInput[c], TextNulpuntGraden[c], TextSchaalGraden[c]})
            veld->clear();
    }
    SSTab->setCurrentIndex(TabInput);
    LabelmVo->setText(Bereiktekst(-15, Tekst[271], 15, FormaatNul, QStringLiteral("Input = 0.0 mV")));
    LabelmVr->setText(
        Bereiktekst(0.9f, Tekst[270], 1.1f, FormaatSchaal, QStringLiteral("Input = 1400.0 mV")));
    LabelBGraden->setText(
        Bereiktekst(-4250, Tekst[271], 4250, FormaatGradenNul, QString::fromUtf8("Input = 20.0 °C")));
    LabelAGraden->setText(
        Bereiktekst(0.85f, Tekst[270], 1.15f, FormaatGradenSchaal, QString::fromUtf8("Input = 80.0 °C")));
}

void DialogK761Calibration::ToonMeetwaarden(bool geldig) {
    const ModuleRecord& m = Racks[Ri].Modules[Mi];
    for (size_t c = 0; c < 4; ++c) {
        if (!geldig) {
            LabelWaarde[c]->clear();
            LabelEenheid[c]->clear();
            LabelGraden[c]->clear();
            continue;
        }
        const int32_t ruw = m.Meting[c + 1].AdcWaarde;
        const std::optional<float> waarde = LiveWaarde(ruw, Constanten[c]);
        LabelWaarde[c]->setText(waarde ? OpmaakSingle(*waarde, FormaatMeting) : QString());
        LabelEenheid[c]->setText(Opmaak(ruw / 10.0, FormaatMeting));
        LabelGraden[c]->setText(Opmaak(m.Temperatuur[c + 1].AdcWaarde / 10.0, FormaatMeting));
    }
}

void DialogK761Calibration::VeldGekregen(Invoerveld* veld) {
    KiesInvoer(veld, TextNulpuntInput, TextNulpuntGraden, TextSchaalInput, TextSchaalGraden);
}

void DialogK761Calibration::LabelGeklikt(QLabel* label) {
    const int i = IndexVan(LabelWaarde, label);
    if (i < 0 || Kindex < 0 || (Kindex - i) % 4 != 0) return;
    const auto c = static_cast<size_t>(i);
    if (SSTab->currentIndex() == TabInput) {
        if (NulpuntActief) TextNulpuntInput[c]->setText(LabelWaarde[c]->text());
        if (SchaalActief) TextSchaalInput[c]->setText(LabelWaarde[c]->text());
    } else {
        if (NulpuntActief) TextNulpuntGraden[c]->setText(LabelGraden[c]->text());
        if (SchaalActief) TextSchaalGraden[c]->setText(LabelGraden[c]->text());
    }
}

bool DialogK761Calibration::VerwerkVeld(Invoerveld* veld) {
    if (veld == TextSerieNummer) return VerwerkSerienummer();
    if (const int i = IndexVan(TextNulpuntInput, veld); i >= 0) return VerwerkNulpunt(i);
    if (const int i = IndexVan(TextSchaalInput, veld); i >= 0) return VerwerkSchaal(i);
    if (const int i = IndexVan(TextNulpuntGraden, veld); i >= 0) return VerwerkTemperatuur(i, veld);
    if (const int i = IndexVan(TextSchaalGraden, veld); i >= 0) return VerwerkTemperatuur(i, veld);
    if (const int i = IndexVan(TextLekstroom, veld); i >= 0) return VerwerkLekstroom(i);
    return true;
}

bool DialogK761Calibration::VerwerkNulpunt(int i) {
    const auto c = static_cast<size_t>(i);
    Invoerveld* veld = TextNulpuntInput[c];
    bool geldig = true;
    if (!Leeg(veld)) {
        // The reading at the 0.0 mV reference is itself the new zero.
        const float v = TekstNaarSingle(veld->text());
        if (BinnenGrenzen(k761::MvNul, v)) {
            LabelNulpunt[c]->Zet(OpmaakSingle(v, FormaatNul), true);
            veld->clear();
            Gewijzigd = true;
        } else {
            geldig = Weiger(veld, TabInput, Tekst[244], vbExclamation | vbOKOnly, StandaardTitel());
        }
    }
    return geldig;
}

bool DialogK761Calibration::VerwerkSchaal(int i) {
    const auto c = static_cast<size_t>(i);
    Invoerveld* veld = TextSchaalInput[c];
    bool geldig = true;
    if (!Leeg(veld)) {
        const float v = TekstNaarSingle(veld->text());
        const float nul = TekstNaarSingle(LabelNulpunt[c]->text());
        if (const auto s = BerekenSchaal(v, nul, k761::SchaalReferentie, k761::MvSchaal)) {
            LabelSchaal[c]->Zet(OpmaakSingle(*s, FormaatSchaal), true);
            veld->clear();
            Gewijzigd = true;
        } else {
            geldig = Weiger(veld, TabInput, Tekst[244], vbExclamation | vbOKOnly, StandaardTitel());
        }
    }
    return geldig;
}

bool DialogK761Calibration::VerwerkTemperatuur(int i, Invoerveld* veld) {
    const auto c = static_cast<size_t>(i);
    return VerwerkTemperatuurpaar(veld, TextNulpuntGraden[c], TextSchaalGraden[c], LabelNulpuntGraden[c],
                                  LabelSchaalGraden[c], Constanten[c + 4], TabGraden);
}

bool DialogK761Calibration::VerwerkLekstroom(int i) {
    const auto c = static_cast<size_t>(i);
    Invoerveld* veld = TextLekstroom[c];
    if (Leeg(veld)) return true;
    // The sign is dropped.
    const float v = std::fabs(TekstNaarSingle(veld->text()));
    if (v > k761::MaximaleLekstroom)
        return Weiger(veld, TabXtraK761, Tekst[244] + QStringLiteral("\n"), vbExclamation | vbOKOnly,
                      windowTitle());
    LabelLekstroom[c]->Zet(TekstLekstroom + OpmaakSingle(v, FormaatNul), true);
    veld->clear();
    Gewijzigd = true;
    return true;
}

void DialogK761Calibration::MaakRapportRegel() {
    const AfregelingRecord& r = ToonRapportTitel();
    for (size_t c = 0; c < 4; ++c) {
        LabelNulpunt[c]->Zet(OpmaakSingle(r.MvNul[c], FormaatNul), false);
        LabelSchaal[c]->Zet(OpmaakSingle(r.MvSchaal[c], FormaatSchaal), false);
        LabelNulpuntGraden[c]->Zet(OpmaakSingle(r.TemperatuurNul[c], FormaatGradenNul), false);
        LabelSchaalGraden[c]->Zet(OpmaakSingle(r.TemperatuurSchaal[c], FormaatGradenSchaal), false);
        LabelLekstroom[c]->Zet(OpmaakSingle(r.Lekstroom[c], FormaatNul), false);
    }
    AfregelRapportTekst(*LabelInfo[0], *LabelInfo[1], r);
    SSTab->setCurrentIndex(TabXtraK761);
}

std::vector<Schrijfstap> DialogK761Calibration::LabelsNaarRecord() {
    using namespace k761;
    K761Labels l;
    const auto lees = [](const Constantelabel* label, const Constantesoort& soort, const QString& tekst) {
        return Getoond{Gecontroleerd(soort, TekstNaarSingle(tekst)), label->Rood()};
    };
    for (size_t c = 0; c < 4; ++c) {
        l.mvNul[c] = lees(LabelNulpunt[c], MvNul, LabelNulpunt[c]->text());
        l.mvSchaal[c] = lees(LabelSchaal[c], MvSchaal, LabelSchaal[c]->text());
        l.temperatuurNul[c] = lees(LabelNulpuntGraden[c], TemperatuurNul, LabelNulpuntGraden[c]->text());
        l.temperatuurSchaal[c] = lees(LabelSchaalGraden[c], TemperatuurSchaal, LabelSchaalGraden[c]->text());
        l.lekstroom[c] = lees(LabelLekstroom[c], Lekstroom, NaRegeleinde(LabelLekstroom[c]->text()));
    }
    VulK761Record(AfregelRecord, l);
    return K761Schrijfstappen(l);
}
