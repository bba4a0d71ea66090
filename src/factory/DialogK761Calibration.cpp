#include "factory/DialogK761Calibration.h"

#include "acquisition/EEprom.h"
#include "acquisition/Modellen.h"
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
    SSTab->addTab(MaakConstantenpagina(TextNulpuntInput, TextSchaalInput, LabelNulpunt, LabelSchaal, LabelmVo,
                                       LabelmVr),
                  QStringLiteral("Input"));
    MaakTemperatuurTab();

    // Tab 2 "Xtra": the leakage currents and the serial number.
    MaakXtraTab(TextLekstroom, LabelLekstroom, 20);

    // Tab 3 "Info": the certificate of the stored record.
    MaakInfoTab();

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

    ZetIndeling(PictureModule);
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
        LabelLekstroom[c]->Zet(QStringLiteral("Lekstroom"), false);
        LabelEenheid[c]->setText(QStringLiteral("mV"));
        LabelGraden[c]->setText(QString::fromUtf8("°C"));
    }
    LabelmVo->setText(QStringLiteral("Offset"));
    LabelmVr->setText(QStringLiteral("Scale"));
    ToonTemperatuurOntwerp();
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
        const bool k761 = ModelVan(r, m).type == Modeltype::K761;
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
        TextNulpuntInput[c]->clear();
        TextSchaalInput[c]->clear();
    }
    ToonTemperatuurconstanten(std::span(Constanten).subspan<4, 4>());
    SSTab->setCurrentIndex(TabInput);
    LabelmVo->setText(Bereiktekst(-15, Tekst[271], 15, FormaatNul, QStringLiteral("Input = 0.0 mV")));
    LabelmVr->setText(
        Bereiktekst(0.9f, Tekst[270], 1.1f, FormaatSchaal, QStringLiteral("Input = 1400.0 mV")));
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
    if (SSTab->currentIndex() == TabInput)
        KopieerMeting(LabelWaarde[c], TextNulpuntInput[c], TextSchaalInput[c]);
    else
        KopieerMeting(LabelGraden[c], TextNulpuntGraden[c], TextSchaalGraden[c]);
}

bool DialogK761Calibration::VerwerkVeld(Invoerveld* veld) {
    if (veld == TextSerieNummer) return VerwerkSerienummer();
    if (const int i = IndexVan(TextNulpuntInput, veld); i >= 0)
        // The reading at the 0.0 mV reference is itself the new zero.
        return VerwerkNulpuntveld(veld, LabelNulpunt[static_cast<size_t>(i)], k761::MvNul, TabInput);
    if (const int i = IndexVan(TextSchaalInput, veld); i >= 0)
        return VerwerkSchaalveld(veld, LabelNulpunt[static_cast<size_t>(i)],
                                 LabelSchaal[static_cast<size_t>(i)], k761::SchaalReferentie, k761::MvSchaal,
                                 TabInput);
    for (const auto& velden : {TextNulpuntGraden, TextSchaalGraden})
        if (const int i = IndexVan(velden, veld); i >= 0)
            return VerwerkTemperatuur(i, veld, Constanten[static_cast<size_t>(i) + 4], TabGraden);
    if (const int i = IndexVan(TextLekstroom, veld); i >= 0) return VerwerkLekstroom(i);
    return true;
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
        LabelLekstroom[c]->Zet(OpmaakSingle(r.Lekstroom[c], FormaatNul), false);
    }
    ToonTemperatuurRapport(r);
    AfregelRapportTekst(*LabelInfo[0], *LabelInfo[1], r);
    SSTab->setCurrentIndex(TabXtraK761);
}

std::vector<Schrijfstap> DialogK761Calibration::LabelsNaarRecord() {
    using namespace k761;
    K761Labels l;
    const auto lees = [](const Constantelabel* label, const Constantesoort& soort, const QString& tekst) {
        return Toont(label, soort, TekstNaarSingle(tekst));
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
