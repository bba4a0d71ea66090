#include "factory/DialogK762Calibration.h"

#include "acquisition/ECBereik.h"
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
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString TekstDcOffset = QStringLiteral("DC-Offset (mV):\n");
const QString Herz = QStringLiteral(" Herz");

size_t Plaats(int i) {
    return static_cast<size_t>(i);
}
} // namespace

DialogK762Calibration::DialogK762Calibration(QWidget* ouder) : Fabrieksdialoog(ouder) {
    setWindowTitle(QStringLiteral("K762 parameters"));
    const QSignalBlocker stil(SSTab);

    // Range tabs 0..3: per input the zero and scale of that range, and the range's frequency.
    for (int r = 0; r < 4; ++r) {
        // The fields of range r stand together from index 4 r.
        const auto eerste = Plaats(k762::VeldIndex(r, 0));
        const auto bereik = [eerste](auto& rij) {
            return std::span(rij).subspan(eerste).template first<4>();
        };
        QWidget* pagina = MaakConstantenpagina(bereik(TextNulpunt), bereik(TextSchaal), bereik(LabelNulpunt),
                                               bereik(LabelSchaal), LabelECo[Plaats(r)], LabelECr[Plaats(r)]);
        auto* rooster = static_cast<QGridLayout*>(pagina->layout());
        TextFrekwentie[Plaats(r)] = MaakVeld();
        TextFrekwentie[Plaats(r)]->setFixedWidth(90);
        LabelFrekwentie[Plaats(r)] = new Constantelabel(QString(), pagina);
        rooster->addWidget(new QLabel(QStringLiteral("Frequency:"), pagina), 5, 0);
        rooster->addWidget(TextFrekwentie[Plaats(r)], 5, 1);
        rooster->addWidget(LabelFrekwentie[Plaats(r)], 5, 2);
        rooster->setRowStretch(5, 0);
        rooster->setRowStretch(6, 1);
        SSTab->addTab(pagina, QString());
    }

    // Tab 4: the temperature inputs.
    MaakTemperatuurTab();

    // Tab 5 "Xtra": the DC offsets and the serial number.
    MaakXtraTab(TextDCoffset, LabelDCoffset);

    // Tab 6 "Info".
    MaakInfoTab();

    // The live readings: the conductivity reading of the range shown and the temperature.
    auto* metingen = new QFrame(this);
    metingen->setFrameShape(QFrame::StyledPanel);
    auto* metingRooster = new QGridLayout(metingen);
    metingRooster->addWidget(new QLabel(QStringLiteral("Reading"), metingen), 1, 0);
    metingRooster->addWidget(new QLabel(QString::fromUtf8("°C"), metingen), 2, 0);
    for (int c = 0; c < 4; ++c) {
        metingRooster->addWidget(Kanaalkop(c, metingen), 0, c + 1, Qt::AlignRight);
        for (QLabel* l : {MaakMeetlabel(c, LabelWaarde), MaakMeetlabel(c, LabelGraden)}) {
            l->setCursor(Qt::PointingHandCursor);
            l->setToolTip(QStringLiteral("Click to copy into the focused zero or scale field"));
        }
        metingRooster->addWidget(LabelWaarde[Plaats(c)], 1, c + 1);
        metingRooster->addWidget(LabelGraden[Plaats(c)], 2, c + 1);
    }

    ZetIndeling(metingen);
    ToonOntwerpteksten();
    resize(600, 400);
}

void DialogK762Calibration::ToonOntwerpteksten() {
    for (int r = 0; r < 4; ++r)
        SSTab->setTabText(r, Tekst[443] + QLatin1Char(' ') + QString::number(r));
    for (size_t l = 0; l < 16; ++l) {
        LabelNulpunt[l]->Zet(QStringLiteral("Nulpunt"), false);
        LabelSchaal[l]->Zet(QStringLiteral("Schaal"), false);
    }
    for (size_t k = 0; k < 4; ++k) {
        LabelFrekwentie[k]->Zet(QStringLiteral("Frequentie"), false);
        LabelDCoffset[k]->Zet(QStringLiteral("DC-Offset"), false);
        LabelECo[k]->setText(QStringLiteral("Offset"));
        LabelECr[k]->setText(QStringLiteral("Scale"));
    }
    ToonTemperatuurOntwerp();
    LabelInfo[0]->setText(QStringLiteral("Info"));
    LabelInfo[1]->setText(QStringLiteral("Info"));
    setWindowTitle(m_titel.isEmpty() ? QStringLiteral("K762 parameters") : m_titel);
}

QString DialogK762Calibration::SchrijfTekst() const {
    return Tekst[250] + QLatin1Char(' ') + Tekst[297] + QString::number(Ri) + QLatin1Char(' ') + Tekst[296] +
           QLatin1Char(' ') + QString::number(Mi);
}

void DialogK762Calibration::VoorSchrijven() {
    setWindowTitle(QStringLiteral("K762 Factory Calibration"));
}

void DialogK762Calibration::OpvragenParameters(int r, int m) {
    using namespace k762;
    ToonVoortgang(0, K762Voortgang, 0, LeesTekst(r, m));
    WisBuffers();
    Wacht(500);
    if (IsModulePlaats(r, m) && Racks[r].Modules[m].Present) {
        SN = 0;
        int n = 0;
        const auto stap = [&](int positie) { ZetVoortgang(static_cast<int16_t>(positie)); };
        for (int c = 0; c < 4; ++c) {
            for (int b = 0; b < 4; ++b) {
                Constantenpaar& paar = Bereikconstanten[Plaats(ConstanteIndex(c, b))];
                if (!Afgebroken()) {
                    paar.nul = UitEEprom(Nul, LeesWoord(AdresNul(c, b)));
                    stap(n);
                }
                if (!Afgebroken()) {
                    paar.schaal = UitEEprom(Schaal, LeesWoord(AdresSchaal(c, b)));
                    stap(n + 1);
                }
                n += 2;
            }
            Constantenpaar& graden = Temperatuurconstanten[Plaats(c)];
            if (!Afgebroken()) graden.nul = UitEEprom(TemperatuurNul, LeesWoord(AdresTemperatuurNul(c)));
            if (!Afgebroken()) {
                graden.schaal = UitEEprom(TemperatuurSchaal, LeesWoord(AdresTemperatuurSchaal(c)));
                stap(n);
            }
            n += 2;
        }
        for (int a = 0; a < 4; ++a) {
            const auto i = Plaats(a);
            if (!Afgebroken()) {
                LabelFrekwentie[i]->Zet(QString::number(LeesWoord(AdresFrequentie(a))) + Herz, false);
                stap(++n);
            }
            if (!Afgebroken()) {
                LabelDCoffset[i]->Zet(
                    TekstDcOffset +
                        OpmaakSingle(UitEEprom(DcOffset, LeesWoord(AdresDcOffset(a))), FormaatNul),
                    false);
                stap(++n);
            }
        }
        if (!Afgebroken()) {
            SN = LeesDubbelWoord(AdresSerienummer);
            LabelSerieNummer->Zet(QStringLiteral("Serial Number:\n") + QString::number(SN), false);
        }
    }
    SluitVoortgang();
}

void DialogK762Calibration::ToonBereiklabels() {
    for (int k = 0; k < 4; ++k) {
        const auto i = Plaats(k);
        SSTab->setTabText(k, Tekst[443] + QLatin1Char(' ') + QString::number(k));
        LabelECo[i]->setText(Bereiktekst(0, Tekst[271], 500, FormaatNul, QStringLiteral("Input = OPEN")));
        LabelECr[i]->setText(Bereiktekst(0.85f, Tekst[270], 1.15f, FormaatSchaal,
                                         QStringLiteral("Input = ") +
                                             QLocale().toString(k762::ReferentieWeerstand(k)) +
                                             QStringLiteral(" Ohm")));
    }
}

void DialogK762Calibration::ToonOverzicht() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const auto l = Plaats(k762::VeldIndex(r, c));
            const Constantenpaar& paar = Bereikconstanten[Plaats(k762::ConstanteIndex(c, r))];
            LabelNulpunt[l]->Zet(OpmaakSingle(paar.nul, FormaatNul), false);
            LabelSchaal[l]->Zet(OpmaakSingle(paar.schaal, FormaatSchaal), false);
            TextNulpunt[l]->clear();
            TextSchaal[l]->clear();
        }
    ToonTemperatuurconstanten(Temperatuurconstanten);
    ToonBereiklabels();
    // Range 0 shown, and every input set to it.
    const QSignalBlocker stil(SSTab);
    SSTab->setCurrentIndex(0);
    Kindex = -1;
    WisselBereik(0);
}

void DialogK762Calibration::SSTab_Click() {
    if (!ReadSettingsOnly) {
        Kindex = -1;
        // Done by the window's loop once the module is free; a click during a switch is taken after it.
        if (SSTab->currentIndex() < 4) m_bereikGevraagd = true;
    }
    WisMeetwaarden();
}

bool DialogK762Calibration::VoerVerzoekUit() {
    if (!m_bereikGevraagd) return false;
    m_bereikGevraagd = false;
    const int tab = SSTab->currentIndex();
    if (HuidigeToestand() == Toestand::Bewerken && tab >= 0 && tab < 4) WisselBereik(tab);
    return true;
}

void DialogK762Calibration::WisselBereik(int bereik) {
    const Toestand vorige = HuidigeToestand();
    HuidigBereik = static_cast<int16_t>(bereik);
    ZetToestand(Toestand::Bereikwissel);
    // A module that does not confirm a range has been reported once; the other inputs are not tried.
    for (int c = 0; c < 4; ++c)
        if (!ZetECBereik(Ri, Mi, static_cast<uint8_t>(c), static_cast<uint8_t>(bereik))) break;
    ZetToestand(vorige);
    WisMeetwaarden();
}

void DialogK762Calibration::ToonMeetwaarden(bool geldig) {
    const ModuleRecord& m = Racks[Ri].Modules[Mi];
    for (int c = 0; c < 4; ++c) {
        const auto i = Plaats(c);
        if (!geldig) {
            LabelWaarde[i]->clear();
            LabelGraden[i]->clear();
            continue;
        }
        const std::optional<float> waarde = LiveWaarde(
            m.Meting[i + 1].AdcWaarde, Bereikconstanten[Plaats(k762::ConstanteIndex(c, HuidigBereik))]);
        LabelWaarde[i]->setText(waarde ? OpmaakSingle(*waarde, FormaatMeting) : QString());
        LabelGraden[i]->setText(Opmaak(m.Temperatuur[i + 1].AdcWaarde / 10.0, FormaatMeting));
    }
}

void DialogK762Calibration::VeldGekregen(Invoerveld* veld) {
    KiesInvoer(veld, TextNulpunt, TextNulpuntGraden, TextSchaal, TextSchaalGraden);
}

void DialogK762Calibration::LabelGeklikt(QLabel* label) {
    int c = IndexVan(LabelWaarde, label);
    if (c < 0) c = IndexVan(LabelGraden, label);
    if (c < 0 || Kindex < 0 || (Kindex - c) % 4 != 0) return;
    const auto i = Plaats(c);
    const int tab = SSTab->currentIndex();
    if (tab >= 0 && tab < 4) {
        const auto l = Plaats(k762::VeldIndex(tab, c));
        KopieerMeting(LabelWaarde[i], TextNulpunt[l], TextSchaal[l]);
    } else {
        KopieerMeting(LabelGraden[i], TextNulpuntGraden[i], TextSchaalGraden[i]);
    }
}

bool DialogK762Calibration::VerwerkVeld(Invoerveld* veld) {
    if (veld == TextSerieNummer) return VerwerkSerienummer();
    if (Leeg(veld)) return true;
    if (const int i = IndexVan(TextNulpunt, veld); i >= 0)
        // The reading with the input open is itself the new zero.
        return VerwerkNulpuntveld(veld, LabelNulpunt[Plaats(i)], k762::Nul, i / 4);
    if (const int i = IndexVan(TextSchaal, veld); i >= 0)
        return VerwerkSchaalveld(veld, LabelNulpunt[Plaats(i)], LabelSchaal[Plaats(i)],
                                 k762::SchaalReferentie, k762::Schaal, i / 4);
    for (const auto& velden : {TextNulpuntGraden, TextSchaalGraden})
        if (const int i = IndexVan(velden, veld); i >= 0)
            return VerwerkTemperatuur(i, veld, Temperatuurconstanten[Plaats(i)], TabGraden);
    if (const int i = IndexVan(TextFrekwentie, veld); i >= 0) return VerwerkFrequentie(i);
    if (const int i = IndexVan(TextDCoffset, veld); i >= 0) return VerwerkDcOffset(i);
    return true;
}

bool DialogK762Calibration::VerwerkFrequentie(int r) {
    const auto i = Plaats(r);
    Invoerveld* veld = TextFrekwentie[i];
    const int32_t v = TekstNaarLong(veld->text());
    const k762::Grenzen g = k762::FrequentieGrenzen(r);
    if (v < g.laag || v > g.hoog)
        return Weiger(veld, r,
                      Tekst[244] + QStringLiteral("\n\n") + QString::number(g.laag) + QStringLiteral(" <= ") +
                          QString::number(v) + QStringLiteral(" <= ") + QString::number(g.hoog) +
                          QStringLiteral(" Herz."),
                      vbExclamation | vbOKOnly, windowTitle());
    LabelFrekwentie[i]->Zet(QString::number(v) + Herz, true);
    veld->clear();
    Gewijzigd = true;
    return true;
}

bool DialogK762Calibration::VerwerkDcOffset(int c) {
    const auto i = Plaats(c);
    Invoerveld* veld = TextDCoffset[i];
    const float v = TekstNaarSingle(veld->text());
    if (v < -k762::MaximaleDcOffset || v > k762::MaximaleDcOffset)
        return Weiger(veld, TabXtraK762,
                      Tekst[244] + QStringLiteral("\n\n-4.0 <= ") + OpmaakSingle(v, FormaatNul) +
                          QStringLiteral(" <= 4.0 mV"),
                      vbExclamation | vbOKOnly, windowTitle());
    LabelDCoffset[i]->Zet(TekstDcOffset + OpmaakSingle(v, FormaatNul), true);
    veld->clear();
    Gewijzigd = true;
    return true;
}

void DialogK762Calibration::MaakRapportRegel() {
    const AfregelingRecord& r = ToonRapportTitel();
    for (size_t l = 0; l < 16; ++l) {
        LabelNulpunt[l]->Zet(OpmaakSingle(r.BereikNul[l], FormaatNul), false);
        LabelSchaal[l]->Zet(OpmaakSingle(r.BereikSchaal[l], FormaatSchaal), false);
    }
    ToonBereiklabels();
    for (size_t k = 0; k < 4; ++k) {
        LabelFrekwentie[k]->Zet(QString::number(static_cast<double>(r.Frequentie[k])) + Herz, false);
        LabelDCoffset[k]->Zet(TekstDcOffset + OpmaakSingle(r.DcOffset[k], FormaatNul), false);
    }
    ToonTemperatuurRapport(r);
    AfregelRapportTekst(*LabelInfo[0], *LabelInfo[1], r);
    SSTab->setCurrentIndex(TabInfo);
}

std::vector<Schrijfstap> DialogK762Calibration::LabelsNaarRecord() {
    using namespace k762;
    K762Labels l;
    for (size_t i = 0; i < 16; ++i) {
        l.nul[i] = Toont(LabelNulpunt[i], Nul, TekstNaarSingle(LabelNulpunt[i]->text()));
        l.schaal[i] = Toont(LabelSchaal[i], Schaal, TekstNaarSingle(LabelSchaal[i]->text()));
    }
    for (size_t c = 0; c < 4; ++c) {
        l.temperatuurNul[c] =
            Toont(LabelNulpuntGraden[c], TemperatuurNul, TekstNaarSingle(LabelNulpuntGraden[c]->text()));
        l.temperatuurSchaal[c] =
            Toont(LabelSchaalGraden[c], TemperatuurSchaal, TekstNaarSingle(LabelSchaalGraden[c]->text()));
        l.frequentie[c] = Toont(LabelFrekwentie[c], Frequentie,
                                static_cast<float>(TekstNaarLong(LabelFrekwentie[c]->text())));
        l.dcOffset[c] =
            Toont(LabelDCoffset[c], DcOffset, TekstNaarSingle(NaRegeleinde(LabelDCoffset[c]->text())));
    }
    VulK762Record(AfregelRecord, l);
    return K762Schrijfstappen(l);
}
