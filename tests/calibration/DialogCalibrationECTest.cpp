#include "calibration/DialogCalibrationEC.h"
#include "KalibratieHarnas.h"
#include "RacklijnOmgeving.h"
#include "TekstControle.h"
#include "acquisition/Frames.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "calibration/FormTekstEditor.h"
#include "platform/Tekstbestand.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int Positie = 3;
constexpr int32_t ModuleNr = K762Idno(2, 0, 7);
constexpr uint8_t BereikBijLaden = 2;
using D = DialogCalibrationEC;

D& Ec(KalibratieDialoog& d) {
    return static_cast<D&>(d);
}

// The raw count a cell of factor `factor` reads in a standard of `standaard` S/cm on range `bereik`
// with cell type `celtype`, as the scripted reading (the harness writes mV x 10 as the count).
Lezing Cel(float factor, float standaard, int bereik, int celtype = 0, float graden = 25.0f) {
    const double G = standaard * 3.895 / factor;
    const double ruw = G * std::pow(10.0, 7 - bereik - celtype);
    return Lezing{static_cast<float>(std::round(ruw) / 10.0), graden};
}

// The range commands (command 30) the module received: input index and range.
std::vector<std::pair<int, int>> Bereiken(const RackEmulator& e) {
    std::vector<std::pair<int, int>> b;
    for (const auto& v : e.verzoeken())
        if (v.commando == CommandoECBereik && v.data.size() >= 2) b.emplace_back(v.data[0], v.data[1]);
    return b;
}

} // namespace

class DialogCalibrationECTest : public KalibratieOmgeving {
protected:
    DialogCalibrationECTest() : KalibratieOmgeving(Positie, ModuleNr, 1) {}
    void SetUp() override {
        KalibratieOmgeving::SetUp();
        ZetCelType(0);
        for (int c = 1; c <= 4; ++c) {
            Racks[1].Modules[Positie].Meting[c].Resolution = BereikBijLaden;
            Racks[1].Modules[Positie].Meting[c].Scale = 1.0f;
            emulator.module(ModuleNr)->bereik[c - 1] = BereikBijLaden;
        }
        Racks[1].Modules[Positie].Temperatuur[1].Extra = 2.5f; // the input's zero value
    }
    void ZetCelType(int t) { Racks[1].Modules[Positie].Meting[1].Extra = static_cast<float>(t); }

    KalibratieRecord EcRecord(int generatie) const { return KalibratieVan(generatie, 1, 1, SoortenK762); }
    int ModuleBereik() { return emulator.module(ModuleNr)->bereik[0]; }
    bool Kalibreer(int ingang = 1) {
        bool opgeslagen = false;
        harnas->Draai([&] { opgeslagen = ToonECKalibratie(1, Positie, ingang, Racks[1].Modules[Positie]); });
        return opgeslagen;
    }
    void SchrijfStandaardbestand(const QByteArray& inhoud) {
        ASSERT_TRUE(platform::SchrijfBestandVeilig(D::StandaardBestandsnaam(), inhoud));
    }
};

// A calibration in 0.01 M KCl at 25 °C with a 1 cm-1 cell: the module goes to range 1 for it and back
// to its range afterwards, and the factor of the cell is stored with the standard's conductivity.
TEST_F(DialogCalibrationECTest, AStandardMeasuredUntilStableStoresTheCellConstant) {
    harnas->ZetScript([](qint64) { return Cel(0.98f, 0.001413f, 1); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) {
        D& d = Ec(k);
        EXPECT_EQ(d.ComboStandaard->currentText(), "0.01 M KCl");
        EXPECT_EQ(d.ComboStandaard->count(), 4) << "no user standard file";
        EXPECT_EQ(d.LabelInfo->text(), Tekst[319]);
        EXPECT_FALSE(d.CommandOK->isEnabled());
        EXPECT_TRUE(d.CommandEdit->isHidden());
        EXPECT_TRUE(d.TextCCte->isHidden());
        Klik(d, "CommandCalibrate");
    });
    qint64 stabiel = 0;
    harnas->Bij(D::Resultaat, [&](KalibratieDialoog& k) {
        D& d = Ec(k);
        stabiel = harnas->Tijd();
        EXPECT_EQ(d.LabelInfo->text(), "Cell constant = 0.980 cm-1\r\n\r\nCalibration successful!");
        EXPECT_EQ(d.LabelMeetwaarde->text(), "0.980");
        EXPECT_EQ(d.LabelGraden->text(), "25.0°C");
        EXPECT_EQ(d.LabelBufferinfo->text(), "1413 µS/cm");
        EXPECT_FALSE(d.CommandCancel->isEnabled());
        EXPECT_FALSE(d.CommandCalibrate->isEnabled());
        EXPECT_EQ(ModuleBereik(), BereikBijLaden) << "the range is back before OK";
        Klik(d, "CommandOK");
    });
    emulator.wisVerzoeken();
    EXPECT_TRUE(Kalibreer());
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesStandaard, D::Meten, D::Resultaat, D::Gesloten}));
    // Two seconds on the new range, then at least ten readings, one a tick.
    EXPECT_GE(stabiel, 2000 + 13500);
    EXPECT_LE(stabiel, 2000 + 16500);

    const KalibratieRecord r = EcRecord(0);
    EXPECT_NEAR(r.Helling, 0.98f, 0.0002f);
    EXPECT_EQ(r.Blanco, 0.0f);
    EXPECT_FLOAT_EQ(r.Standaard1, 0.001413f);
    EXPECT_NEAR(r.MilliVolt1, 0.001413f / 0.98f, 1e-6f);
    EXPECT_EQ(r.MilliVolt2, 2.5f);
    EXPECT_FLOAT_EQ(r.Temperatuur1, 25.0f);
    EXPECT_GE(r.Duur1, 13.0f);
    EXPECT_NEAR(r.Tijdstip, platform::Nu(), 1.0 / 1440);

    const auto b = Bereiken(emulator);
    ASSERT_GE(b.size(), 2u);
    EXPECT_EQ(b.front(), std::make_pair(0, 1));
    EXPECT_EQ(b.back(), std::make_pair(0, int(BereikBijLaden)));
    EXPECT_EQ(ModuleBereik(), BereikBijLaden);
    EXPECT_EQ(Racks[1].Modules[Positie].Meting[1].Resolution, BereikBijLaden);
    EXPECT_EQ(Resets(), 1);
    EXPECT_EQ(emulator.verzoeken().back().commando, CommandoReset);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration CC", "Standard", ""), "0");
}

// Cancel during a measurement, the title bar, and a reading that cannot be right all end the
// measurement with the input back on its range, though Cancel has set Afbreken.
TEST_F(DialogCalibrationECTest, EveryWayOutOfAMeasurementPutsTheRangeBack) {
    harnas->ZetScript([](qint64) { return Cel(1.0f, 0.01288f, 2); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) {
        Ec(k).ComboStandaard->setCurrentIndex(D::KCl1);
        Klik(k, "CommandCalibrate");
    });
    harnas->Bij(D::Meten, [this](KalibratieDialoog&) {
        harnas->Na(6000, [this] {
            EXPECT_EQ(ModuleBereik(), 3);
            Klik(*harnas->dialoog, "CommandCancel");
        });
    });
    harnas->Bij(
        D::KiesStandaard,
        [this](KalibratieDialoog& k) {
            D& d = Ec(k);
            EXPECT_EQ(ModuleBereik(), BereikBijLaden);
            EXPECT_EQ(d.LabelInfo->text(), "Select standard.\r\n"
                                           "Rinse the electrode, immerse into the standard, stir and select "
                                           "'Calibrate'!");
            EXPECT_FALSE(d.CommandOK->isEnabled());
            EXPECT_TRUE(d.ComboStandaard->isEnabled());
            Klik(d, "CommandCancel");
        },
        2);
    emulator.wisVerzoeken();
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden,
              (std::vector<int>{D::KiesStandaard, D::Meten, D::KiesStandaard, D::Gesloten}));
    EXPECT_EQ(Bereiken(emulator).back(), std::make_pair(0, int(BereikBijLaden)));
    EXPECT_FALSE(QFile::exists(CalPad()));
    EXPECT_EQ(Resets(), 1);

    // The title bar while measuring: the range is put back and the dialog closes.
    NieuwHarnas();
    harnas->ZetScript([](qint64) { return Cel(1.0f, 0.001413f, 1); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCalibrate"); });
    harnas->Bij(D::Meten,
                [this](KalibratieDialoog&) { harnas->Na(5000, [this] { harnas->dialoog->close(); }); });
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesStandaard, D::Meten, D::Gesloten}));
    EXPECT_EQ(ModuleBereik(), BereikBijLaden);

    // Cancel while the module is being switched, before it has confirmed its new range.
    NieuwHarnas();
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) {
        Ec(k).ComboStandaard->setCurrentIndex(D::KCl001);
        Klik(k, "CommandCalibrate");
    });
    harnas->Bij(D::Meten, [this](KalibratieDialoog&) {
        harnas->Na(40, [this] {
            EXPECT_EQ(ModuleBereik(), 1) << "switched";
            EXPECT_EQ(Racks[1].Modules[Positie].Meting[1].Resolution, BereikBijLaden) << "not yet confirmed";
            Klik(*harnas->dialoog, "CommandCancel");
        });
    });
    harnas->Bij(
        D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCancel"); }, 2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(ModuleBereik(), BereikBijLaden);

    // A raw reading at the top of the range (15580) and a reading of 0: message 324, range back.
    for (const float ruw : {1558.0f, 0.0f}) {
        NieuwHarnas();
        harnas->ZetScript([ruw](qint64) { return Lezing{ruw, 25.0f}; });
        harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCalibrate"); });
        harnas->Bij(
            D::KiesStandaard,
            [this](KalibratieDialoog& k) {
                EXPECT_EQ(Meldingen(), QStringList{Tekst[324]});
                EXPECT_EQ(harnas->meldingen.back().stijl, vbExclamation);
                EXPECT_EQ(ModuleBereik(), BereikBijLaden);
                Klik(k, "CommandCancel");
            },
            2);
        EXPECT_FALSE(Kalibreer()) << ruw;
    }
    // 15579 is still a reading.
    NieuwHarnas();
    harnas->ZetScript([](qint64) { return Lezing{1557.9f, 25.0f}; });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCalibrate"); });
    harnas->Bij(D::Afgewezen, [](KalibratieDialoog& k) { Klik(k, "CommandCancel"); });
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden.back(), D::Gesloten);
    EXPECT_EQ(Meldingen(), QStringList{Tekst[322]}) << "stable, with a factor far too small";
    EXPECT_EQ(ModuleBereik(), BereikBijLaden);
}

// A stable factor outside 0.5..1.5 is refused: message 322, the limits in the info, nothing stored,
// the list locked and Calibrate measuring the same standard again. A manual 0.49 is refused too.
TEST_F(DialogCalibrationECTest, TheFactorLimitsRefuse049And151) {
    harnas->ZetScript([](qint64) { return Cel(1.512f, 0.001413f, 1); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCalibrate"); });
    harnas->Bij(D::Afgewezen, [this](KalibratieDialoog& k) {
        D& d = Ec(k);
        EXPECT_EQ(harnas->meldingen.back().tekst, Tekst[322]);
        EXPECT_EQ(harnas->meldingen.back().titel, d.windowTitle() + ": Error");
        EXPECT_EQ(d.LabelInfo->text(),
                  Tekst[322] + " (Min.= 0.500; max.= 1.500).\r\n" + Tekst[309] + "\r\n" + Tekst[323]);
        EXPECT_FALSE(d.CommandOK->isEnabled());
        EXPECT_FALSE(d.ComboStandaard->isEnabled());
        EXPECT_TRUE(d.CommandCancel->isEnabled());
        EXPECT_EQ(ModuleBereik(), BereikBijLaden);
        harnas->ZetScript([](qint64) { return Cel(0.49f, 0.001413f, 1); });
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(
        D::Afgewezen,
        [](KalibratieDialoog& k) {
            EXPECT_FALSE(Ec(k).ComboStandaard->isEnabled());
            Klik(k, "CommandCancel");
        },
        2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesStandaard, D::Meten, D::Afgewezen, D::Meten,
                                                    D::Afgewezen, D::Gesloten}));
    EXPECT_EQ(Meldingen(), (QStringList{Tekst[322], Tekst[322]}));
    EXPECT_FALSE(QFile::exists(CalPad()));

    // Manual entry: 0.49 refused by OK (the dialog stays), 1,5 taken.
    BewaarInstelling(AppNaam, "Calibration CC", "Standard", "3");
    NieuwHarnas();
    harnas->Bij(D::KiesStandaard, [this](KalibratieDialoog& k) {
        D& d = Ec(k);
        d.TextCCte->setText("0.49");
        Klik(d, "CommandOK");
        QCoreApplication::processEvents();
        EXPECT_EQ(Meldingen(), QStringList{Tekst[322]});
        EXPECT_FALSE(d.IsGesloten());
        EXPECT_EQ(d.LabelInfo->text(), Tekst[322] + " (Min.= 0.500; max.= 1.500).");
        d.TextCCte->setText("1,5");
        Klik(d, "CommandOK");
    });
    EXPECT_TRUE(Kalibreer());
    EXPECT_EQ(EcRecord(0).Helling, 1.5f);
    EXPECT_EQ(EcRecord(0).Standaard1, 0.0f);
    EXPECT_EQ(EcRecord(0).MilliVolt2, 2.5f);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration CC", "Standard", ""), "3");
}

// The manual entry: the current factor as a cell constant of the input's type, the typed constant
// normalised, only digits and one decimal sign taken, Enter on to OK.
TEST_F(DialogCalibrationECTest, TheManualEntryTakesACellConstantOfTheInputsType) {
    BewaarInstelling(AppNaam, "Calibration CC", "Standard", "3");
    Racks[1].Modules[Positie].Meting[3].Scale = 1.02f;
    D d;
    d.Ri = 1;
    d.Mi = Positie;
    d.Ki = 7;
    d.Laad();
    ASSERT_FALSE(d.Fout);
    d.show();
    EXPECT_EQ(d.Ki, 3);
    EXPECT_EQ(d.windowTitle(), "CC Calibration: Rack 1 Module 3 Input 3");
    EXPECT_EQ(d.ComboStandaard->currentText(), Tekst[481]);
    EXPECT_TRUE(d.TextCCte->isVisible());
    EXPECT_FALSE(d.LabelMeetwaarde->isVisible());
    EXPECT_EQ(d.TextCCte->text(), "1.020");
    EXPECT_EQ(d.TextCCte->maxLength(), 5);
    EXPECT_TRUE(d.CommandOK->isEnabled());
    EXPECT_FALSE(d.CommandCalibrate->isEnabled());
    EXPECT_EQ(d.LabelInfo->text(), Tekst[482]);

    QApplication::setActiveWindow(&d);
    d.TextCCte->setFocus();
    QCoreApplication::processEvents();
    d.TextCCte->clear();
    QTest::keyClicks(d.TextCCte, "a#$%'0,9x8");
    EXPECT_EQ(d.TextCCte->text(), "0,98");
    QTest::keyClick(d.TextCCte, Qt::Key_Return);
    EXPECT_TRUE(d.CommandOK->hasFocus());
    EXPECT_FLOAT_EQ(d.CelconstanteFactor(), 0.98f);
    EXPECT_EQ(d.TextCCte->text(), "0.980");

    d.TextCCte->setFocus();
    d.TextCCte->setText("1.6");
    d.CommandOK->setFocus();
    EXPECT_EQ(d.LabelInfo->text(), Tekst[322] + " (Min.= 0.500; max.= 1.500).");
    EXPECT_EQ(d.TextCCte->text(), "1.600");
    d.Ontlaad();

    // A 0.01 cm-1 cell.
    Racks[1].Modules[Positie].Meting[1].Extra = -2;
    D e;
    e.Ri = 1;
    e.Mi = Positie;
    e.Ki = 1;
    e.Laad();
    e.show();
    EXPECT_EQ(e.TextCCte->text(), "0.01000");
    EXPECT_EQ(e.TextCCte->maxLength(), 7);
    QApplication::setActiveWindow(&e);
    e.TextCCte->setFocus();
    e.TextCCte->setText("0.0098");
    e.CommandOK->setFocus();
    EXPECT_FLOAT_EQ(e.CelconstanteFactor(), 0.98f);
    EXPECT_EQ(e.TextCCte->text(), "0.00980");
    e.Ontlaad();
}

// A standard too conductive for the cell type: message 362, nothing sent to the module. A 10 cm-1 cell
// measures 0.01 M KCl on range 0.
TEST_F(DialogCalibrationECTest, TheStandardMustSuitTheCellType) {
    ZetCelType(-1);
    harnas->Bij(D::KiesStandaard, [this](KalibratieDialoog& k) {
        Ec(k).ComboStandaard->setCurrentIndex(D::KCl1);
        Klik(k, "CommandCalibrate");
        QCoreApplication::processEvents();
        ASSERT_EQ(harnas->meldingen.size(), 1u);
        EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[362]);
        EXPECT_EQ(harnas->meldingen[0].stijl, vbOKCancel | vbExclamation);
        EXPECT_EQ(harnas->meldingen[0].titel, k.windowTitle());
        EXPECT_TRUE(Ec(k).ComboStandaard->isEnabled());
        Klik(k, "CommandCancel");
    });
    emulator.wisVerzoeken();
    EXPECT_FALSE(Kalibreer());
    EXPECT_TRUE(Bereiken(emulator).empty());
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesStandaard, D::KiesStandaard, D::Gesloten}));

    ZetCelType(1);
    NieuwHarnas();
    harnas->ZetScript([](qint64) { return Cel(1.1f, 0.001413f, 0, 1); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) {
        Ec(k).ComboStandaard->setCurrentIndex(D::KCl001);
        Klik(k, "CommandCalibrate");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& k) {
        EXPECT_EQ(Ec(k).LabelMeetwaarde->text(), "11.00");
        Klik(k, "CommandOK");
    });
    emulator.wisVerzoeken();
    EXPECT_TRUE(Kalibreer());
    EXPECT_EQ(Bereiken(emulator).front(), std::make_pair(0, 0));
    EXPECT_NEAR(EcRecord(0).Helling, 1.1f, 0.0005f);
    EXPECT_EQ(EcRecord(0).Blanco, 1.0f);
}

// The user standard of "standard.ec": offered under its name when usable, measured against its own
// column and range; Edit opens it, and a file no longer usable leaves the list.
TEST_F(DialogCalibrationECTest, TheUserStandardComesFromItsFile) {
    SchrijfStandaardbestand("\"NaCl 0.05\"\r\n20;0.0050\r\n30;0.0060\r\n");
    BewaarInstelling(AppNaam, "Calibration CC", "Standard", "4");
    harnas->ZetScript([](qint64) { return Cel(1.0f, 0.0055f, 2); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) {
        D& d = Ec(k);
        EXPECT_EQ(d.ComboStandaard->count(), 5);
        EXPECT_EQ(d.ComboStandaard->currentText(), "NaCl 0.05");
        EXPECT_FALSE(d.CommandEdit->isHidden());
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& k) { Klik(k, "CommandOK"); });
    emulator.wisVerzoeken();
    EXPECT_TRUE(Kalibreer());
    EXPECT_EQ(Bereiken(emulator).front(), std::make_pair(0, 2)) << "marker 2: largest value 0.006";
    EXPECT_NEAR(EcRecord(0).Helling, 1.0f, 0.001f);
    EXPECT_FLOAT_EQ(EcRecord(0).Standaard1, 0.0055f);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration CC", "Standard", ""), "4");

    // Edited into a file without data: the user standard leaves the list.
    NieuwHarnas();
    harnas->Bij(D::KiesStandaard, [this](KalibratieDialoog& k) {
        D& d = Ec(k);
        harnas->Na(10, [this] {
            D& d = Ec(*harnas->dialoog);
            EXPECT_FALSE(d.isEnabled());
            EXPECT_EQ(d.LabelInfo->text(), "Close 'standard.ec' to return to the K740 software!");
            auto* editor = OpenVenster<FormTekstEditor>();
            ASSERT_NE(editor, nullptr);
            editor->TextBestand->setPlainText("\"Empty\"\n");
            Klik(*editor, "OKButton");
        });
        Klik(d, "CommandEdit");
        EXPECT_TRUE(d.isEnabled());
        EXPECT_EQ(d.ComboStandaard->count(), 4);
        EXPECT_EQ(d.ComboStandaard->currentIndex(), D::KCl001);
        EXPECT_TRUE(d.CommandEdit->isHidden());
        Klik(d, "CommandCancel");
    });
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration CC", "Standard", ""), "0");

    // An unusable file is not offered, and a stored 4 falls back to 0.
    BewaarInstelling(AppNaam, "Calibration CC", "Standard", "4");
    D d;
    d.Ri = 1;
    d.Mi = Positie;
    d.Ki = 1;
    d.Laad();
    EXPECT_EQ(d.ComboStandaard->count(), 4);
    EXPECT_EQ(d.ComboStandaard->currentIndex(), 0);
    d.Ontlaad();
}

// A module that falls silent while a standard is measured shows no value, and the standard is not
// stable until ten readings after it answers again say so.
TEST_F(DialogCalibrationECTest, ASilentModuleShowsNoValueAndIsNotStable) {
    harnas->ZetScript([](qint64) { return Cel(0.98f, 0.001413f, 1); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCalibrate"); });
    qint64 terug = 0;
    harnas->Na(5000, [this] {
        EXPECT_EQ(Ec(*harnas->dialoog).LabelMeetwaarde->text(), "0.980");
        emulator.module(ModuleNr)->stil = true;
    });
    harnas->Na(19000, [&] {
        D& d = Ec(*harnas->dialoog);
        EXPECT_EQ(d.Toestand(), D::Meten);
        EXPECT_EQ(d.LabelMeetwaarde->text(), "");
        EXPECT_EQ(d.LabelGraden->text(), "");
        EXPECT_FALSE(d.CommandOK->isEnabled());
        emulator.module(ModuleNr)->stil = false;
        terug = harnas->Tijd();
    });
    qint64 stabiel = 0;
    harnas->Bij(D::Resultaat, [&](KalibratieDialoog& k) {
        stabiel = harnas->Tijd();
        EXPECT_EQ(Ec(k).LabelMeetwaarde->text(), "0.980");
        Klik(k, "CommandOK");
    });
    EXPECT_TRUE(Kalibreer());
    ASSERT_GT(terug, 0);
    EXPECT_GE(stabiel - terug, 15000) << "ten readings after the module answered again";
    EXPECT_NEAR(EcRecord(0).Helling, 0.98f, 0.0002f);
}

// A temperature outside the tables' 0..30 °C shows "OR.°C" with the range, for that reading only.
TEST_F(DialogCalibrationECTest, ATemperatureOutsideTheTablesShowsForThatReadingOnly) {
    harnas->ZetScript([](qint64 ms) { return Cel(1.0f, 0.001552f, 1, 0, ms < 6000 ? 31.0f : 30.0f); });
    harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& k) { Klik(k, "CommandCalibrate"); });
    harnas->Na(3000, [this] {
        D& d = Ec(*harnas->dialoog);
        EXPECT_EQ(d.LabelMeetwaarde->text(), "OR.°C");
        EXPECT_EQ(d.LabelMeetwaarde->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(d.LabelGraden->text(), "31.0°C");
        EXPECT_EQ(d.LabelInfo->text(), Tekst[291] + "\r\nMeasurement range: 0.0 / 30.0°C");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& k) {
        EXPECT_EQ(Ec(k).LabelMeetwaarde->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        Klik(k, "CommandOK");
    });
    EXPECT_TRUE(Kalibreer());
    EXPECT_FLOAT_EQ(EcRecord(0).Temperatuur1, 30.0f);
    EXPECT_NEAR(EcRecord(0).Helling, 1.0f, 0.001f);
}

// The dialog at every step in each language, as the user sees it: every text whole. With
// K740_SCREENSHOTS set to a folder (scripts/screenshot-eckalibratie) each step is also kept there as a
// picture, ec-<language>-<n>-<step>.png.
TEST_F(DialogCalibrationECTest, EveryStepShowsItsTextsWholeInEveryLanguage) {
    SchrijfStandaardbestand("\"Sea water 35 g/kg\"\r\n0;0.0290\r\n25;0.0529\r\n30;0.0580\r\n");
    InElkeTaal([&](const QString& taal) {
        BewaarInstelling(AppNaam, "Calibration CC", "Standard", "0");
        int n = 0;
        const auto vast = [&](const QString& stap) {
            ControleerStap("ec", taal, QString::number(++n) + "-" + stap);
        };

        NieuwHarnas();
        harnas->ZetScript([](qint64 ms) {
            return Cel(0.987f + (ms < 8000 ? 0.002f * static_cast<float>(ms / 1500 % 3) : 0.0f), 0.001386f, 1,
                       0, ms < 3000 ? 31.4f : 24.0f);
        });
        harnas->Bij(D::KiesStandaard, [&](KalibratieDialoog& k) {
            D& d = Ec(k);
            vast("select-standard");
            d.ComboStandaard->setCurrentIndex(D::Gebruiker);
            vast("user-standard");
            d.ComboStandaard->setCurrentIndex(D::HandInvoer);
            QApplication::setActiveWindow(&d);
            d.TextCCte->setFocus();
            d.TextCCte->setText("1.6");
            d.CommandOK->setFocus();
            vast("manual-out-of-range");
            d.ComboStandaard->setCurrentIndex(D::KCl001);
            Klik(d, "CommandCalibrate");
        });
        harnas->Bij(D::Meten, [&](KalibratieDialoog&) {
            harnas->Na(2800, [&] { vast("temperature-out-of-range"); });
            harnas->Na(7000, [&] { vast("measuring"); });
        });
        harnas->Bij(D::Resultaat, [&](KalibratieDialoog& d) {
            vast("result");
            Klik(d, "CommandOK");
        });
        EXPECT_TRUE(Kalibreer()) << taal.toStdString();

        NieuwHarnas();
        harnas->ZetScript([](qint64) { return Cel(1.62f, 0.001386f, 1, 0, 24.0f); });
        harnas->Bij(D::KiesStandaard, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
        harnas->Bij(D::Afgewezen, [&](KalibratieDialoog& d) {
            vast("rejected");
            Klik(d, "CommandCancel");
        });
        EXPECT_FALSE(Kalibreer()) << taal.toStdString();
        EXPECT_EQ(n, 7) << taal.toStdString();
    });
}
