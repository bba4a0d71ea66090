#include "calibration/DialogCalibrationISE.h"
#include "KalibratieHarnas.h"
#include "RacklijnOmgeving.h"
#include "TekstControle.h"
#include "acquisition/Frames.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "platform/Tekstbestand.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int Positie = 3;
constexpr int32_t ModuleNr = K761Idno(1, 2, 5);
using D = DialogCalibrationISE;
// Eleven readings, the first at once: stable after 15 s.
constexpr qint64 TotStabiel = 16000;

D& Ion(KalibratieDialoog& d) {
    return static_cast<D&>(d);
}

} // namespace

class DialogCalibrationISETest : public KalibratieOmgeving {
protected:
    DialogCalibrationISETest() : KalibratieOmgeving(Positie, ModuleNr, 2) {}
    void SetUp() override {
        KalibratieOmgeving::SetUp();
        Racks[1].Modules[Positie].Meting[2].Unit = QStringLiteral("g/l");
    }
    KalibratieRecord IonRecord(int generatie) const { return KalibratieVan(generatie, 2, 4, SoortenK761); }
    bool Kalibreer(int k = 2) {
        bool opgeslagen = false;
        harnas->Draai([&] { opgeslagen = ToonIonKalibratie(1, Positie, k, Racks[1].Modules[Positie]); });
        return opgeslagen;
    }
    // In state `toestand` (its `keer`-th entry) the user clicks `knop` after `ms`.
    void Klik(int toestand, const char* knop, qint64 ms = 0, int keer = 1) {
        harnas->Bij(
            toestand,
            [this, knop, ms](KalibratieDialoog&) {
                harnas->Na(ms, [this, knop] { ::Klik(*harnas->dialoog, knop); });
            },
            keer);
    }
    // Standards i1 and i2 read mV1 and mV2 (stable); standard 2 is validated once stable.
    void TweeStandaarden(int i1, float mV1, int i2, float mV2) {
        harnas->ZetLezing(mV1, 25.0f);
        harnas->Bij(D::KiesStandaard1, [i1](KalibratieDialoog& d) {
            Ion(d).ComboBufferwaarde[0]->setCurrentIndex(i1);
            ::Klik(d, "CommandCalibrate");
        });
        Klik(D::Meten1, "OKButton", TotStabiel);
        harnas->Bij(D::KiesStandaard2, [this, i2, mV2](KalibratieDialoog& d) {
            harnas->ZetLezing(mV2, 25.0f);
            Ion(d).ComboBufferwaarde[1]->setCurrentIndex(i2);
            ::Klik(d, "CommandCalibrate");
        });
        Klik(D::Meten2, "OKButton", TotStabiel);
    }
};

// 1.00 µg/l at -177.0 mV and 1.00 mg/l at 0.0 mV: 59.0 mV/decade and E = 3.0; OK skips the blank and
// stores the record with blank potential 2000.0.
TEST_F(DialogCalibrationISETest, TwoStandardsStoreSlopeAndZeroPoint) {
    harnas->Bij(D::KiesStandaard1, [](KalibratieDialoog& d) {
        EXPECT_EQ(d.windowTitle(), "Ion Calibration: Rack 1 Module 3 Input 2");
        EXPECT_EQ(Ion(d).ComboBufferwaarde[0]->currentText(), "1.00 µg/l");
        EXPECT_EQ(Ion(d).ComboBufferwaarde[1]->currentText(), "1.00 mg/l");
        EXPECT_FALSE(Ion(d).OKButton->isEnabled());
        EXPECT_FALSE(Ion(d).FrameBuffer[1]->isEnabled());
        EXPECT_EQ(Ion(d).LabelInfo->text(), Tekst[439]);
    });
    TweeStandaarden(3, -177.0f, 6, 0.0f);
    harnas->Bij(D::KiesBlanco, [](KalibratieDialoog& d) {
        const QString info = Ion(d).LabelInfo->text();
        EXPECT_TRUE(info.startsWith(Tekst[305])) << info.toStdString();
        EXPECT_TRUE(info.contains(") = 59.0\r\n")) << info.toStdString();
        EXPECT_TRUE(info.contains(") = -3.000\r\n")) << info.toStdString();
        EXPECT_TRUE(info.endsWith(Tekst[375]));
        EXPECT_EQ(Ion(d).LabelMeetwaarde[0]->text(), "-177.0");
        EXPECT_EQ(Ion(d).LabelGraden[1]->text(), "25.0°C");
        EXPECT_TRUE(Ion(d).FrameBuffer[2]->isEnabled());
        ::Klik(d, "OKButton");
    });
    EXPECT_TRUE(Kalibreer(6)); // 6 stands for input 2
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesStandaard1, D::Meten1, D::KiesStandaard2,
                                                    D::Meten2, D::KiesBlanco, D::Gesloten}));
    const KalibratieRecord r = IonRecord(0);
    EXPECT_FLOAT_EQ(r.Helling, 59.0f);
    EXPECT_FLOAT_EQ(r.Nulpunt, 3.0f);
    EXPECT_EQ(r.Blanco, 2000.0f);
    EXPECT_EQ(r.Standaard1, -6.0f);
    EXPECT_EQ(r.Standaard2, -3.0f);
    EXPECT_FLOAT_EQ(r.MilliVolt1, -177.0f);
    EXPECT_EQ(r.MilliVolt2, 0.0f);
    EXPECT_FLOAT_EQ(r.Temperatuur1, 25.0f);
    EXPECT_GE(r.Duur1, 15.0f);
    EXPECT_GE(r.Duur2, 15.0f);
    EXPECT_EQ(Resets(), 1);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration Ion", "Standard1", ""), "3");
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration Ion", "Standard2", ""), "6");
}

// A measurement of standard 2 broken off with Cancel leaves OK enabled (it is not after standard 1):
// OK then closes the dialog with nothing stored.
TEST_F(DialogCalibrationISETest, AfterACancelledStandard2MeasurementOKClosesWithNothingStored) {
    harnas->ZetLezing(-177.0f, 25.0f);
    harnas->Bij(D::KiesStandaard1, [](KalibratieDialoog& d) {
        Ion(d).ComboBufferwaarde[0]->setCurrentIndex(3);
        ::Klik(d, "CommandCalibrate");
    });
    Klik(D::Meten1, "OKButton", TotStabiel);
    harnas->Bij(D::KiesStandaard2, [](KalibratieDialoog& d) {
        EXPECT_FALSE(Ion(d).OKButton->isEnabled());
        Ion(d).ComboBufferwaarde[1]->setCurrentIndex(6);
        ::Klik(d, "CommandCalibrate");
    });
    Klik(D::Meten2, "CancelButton", 3000);
    harnas->Bij(
        D::KiesStandaard2,
        [](KalibratieDialoog& d) {
            EXPECT_TRUE(Ion(d).CommandCalibrate->isEnabled());
            ::Klik(d, "OKButton");
        },
        2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesStandaard1, D::Meten1, D::KiesStandaard2,
                                                    D::Meten2, D::KiesStandaard2, D::Gesloten}));
    EXPECT_EQ(IonRecord(0).Tijdstip, 0.0);
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
}

// Calibrate pressed from the keyboard, the owner disabled as the module settings dialog is: Escape
// pressed on the window ends the measurement and then closes the dialog.
TEST_F(DialogCalibrationISETest, EscapeStillAnswersAfterCalibrateWasPressedFromTheKeyboard) {
    QDialog eigenaar;
    eigenaar.show();
    eigenaar.setEnabled(false);
    const auto toets = [](KalibratieDialoog& d, Qt::Key k) { QTest::keyClick(d.windowHandle(), k); };
    harnas->Bij(D::KiesStandaard1, [&](KalibratieDialoog& d) {
        Ion(d).CommandCalibrate->setFocus();
        toets(d, Qt::Key_Space);
    });
    harnas->Bij(D::Meten1, [&](KalibratieDialoog& d) {
        ASSERT_NE(d.focusWidget(), nullptr);
        EXPECT_TRUE(d.focusWidget()->isEnabled()) << d.focusWidget()->objectName().toStdString();
        toets(d, Qt::Key_Escape);
    });
    harnas->Bij(
        D::KiesStandaard1, [&](KalibratieDialoog& d) { toets(d, Qt::Key_Escape); }, 2);
    harnas->Draai([&] { ToonIonKalibratie(1, Positie, 2, Racks[1].Modules[Positie], &eigenaar); });
    EXPECT_EQ(harnas->toestanden,
              (std::vector<int>{D::KiesStandaard1, D::Meten1, D::KiesStandaard1, D::Gesloten}));
}

// Slopes of 5.0 and 200.0 mV/decade are taken, 4.9 and 200.1 refused, of either sign; |E| = 12 is taken.
TEST_F(DialogCalibrationISETest, SlopeAndZeroPointLimits) {
    struct Geval {
        int i1;
        float mV1;
        int i2;
        float mV2;
        bool aanvaard;
    };
    const std::vector<Geval> gevallen{
        {4, 5.0f, 5, 0.0f, true},        {4, 0.0f, 5, 5.0f, true},     {4, 200.0f, 5, 0.0f, true},
        {4, -200.0f, 5, 0.0f, true},     {3, 9.8f, 5, 0.0f, false},    {3, 0.0f, 5, 9.8f, false},
        {4, 200.1f, 5, 0.0f, false},     {4, -200.1f, 5, 0.0f, false}, {3, 354.0f, 6, 531.0f, true},
        {3, -1062.0f, 6, -885.0f, true},
    };
    int n = 0;
    for (const Geval& g : gevallen) {
        NieuwHarnas();
        TweeStandaarden(g.i1, g.mV1, g.i2, g.mV2);
        Klik(D::KiesBlanco, "OKButton");
        // Refused: standard 2 is asked again.
        Klik(D::KiesStandaard2, "CancelButton", 0, 2);
        const bool opgeslagen = Kalibreer();
        EXPECT_EQ(opgeslagen, g.aanvaard) << g.mV1 << " " << g.mV2;
        if (g.aanvaard) {
            EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
            ++n;
            EXPECT_NEAR(std::fabs(IonRecord(0).Helling), std::fabs(g.mV1 - g.mV2) / float(g.i2 - g.i1),
                        1e-4f);
        } else {
            ASSERT_EQ(harnas->meldingen.size(), 1u) << g.mV1 << " " << g.mV2;
            EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[304]);
            EXPECT_EQ(harnas->meldingen[0].stijl, vbCritical);
        }
    }
    EXPECT_FLOAT_EQ(IonRecord(0).Nulpunt, -12.0f);
    EXPECT_FLOAT_EQ(IonRecord(1).Nulpunt, 12.0f);
    EXPECT_EQ(IonRecord(AantalGeneraties - 1).Tijdstip != 0, n >= AantalGeneraties);
}

// A zero point outside -12..12 is a failed calibration: the message, standard 2 again, nothing stored.
TEST_F(DialogCalibrationISETest, AZeroPointOutsideTwelveIsRefusedLikeASlope) {
    // 59 mV/decade, E = 531.59 / 59 + 3 = 12.01.
    TweeStandaarden(3, 354.59f, 6, 531.59f);
    Klik(D::KiesStandaard2, "CancelButton", 0, 2);
    EXPECT_FALSE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, "The ISO pA of the electrode is out of range!");
    EXPECT_FALSE(QFile::exists(CalPad()) && IonRecord(0).Tijdstip != 0);
}

// The same decade twice is refused before measuring; Calibrate stays enabled.
TEST_F(DialogCalibrationISETest, TheSameDecadeTwiceIsRefused) {
    harnas->ZetLezing(-177.0f, 25.0f);
    Klik(D::KiesStandaard1, "CommandCalibrate");
    Klik(D::Meten1, "OKButton", TotStabiel);
    harnas->Bij(D::KiesStandaard2, [this](KalibratieDialoog& d) {
        Ion(d).ComboBufferwaarde[1]->setCurrentIndex(3);
        ::Klik(d, "CommandCalibrate");
        EXPECT_EQ(harnas->meldingen.size(), 1u);
        EXPECT_TRUE(Ion(d).CommandCalibrate->isEnabled());
        EXPECT_EQ(d.Toestand(), D::KiesStandaard2);
        ::Klik(d, "CancelButton");
    });
    EXPECT_FALSE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[379]);
}

// A blank must lie strictly below both standards: one at the concentration of standard 1 is refused,
// one a decade below is stored.
TEST_F(DialogCalibrationISETest, TheBlankMustLieStrictlyBelowTheStandards) {
    TweeStandaarden(3, -177.0f, 6, 0.0f);
    harnas->Bij(D::KiesBlanco, [this](KalibratieDialoog& d) {
        harnas->ZetLezing(-177.0f, 25.0f);
        ::Klik(d, "CommandCalibrate");
    });
    Klik(D::MetenBlanco, "OKButton", TotStabiel);
    harnas->Bij(
        D::KiesBlanco,
        [this](KalibratieDialoog& d) {
            harnas->ZetLezing(-236.0f, 25.0f);
            ::Klik(d, "CommandCalibrate");
        },
        2);
    Klik(D::MetenBlanco, "OKButton", TotStabiel, 2);
    EXPECT_TRUE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[378]);
    EXPECT_FLOAT_EQ(IonRecord(0).Blanco, -236.0f);
}

// OK before the reading is stable asks; No measures again. Cancel during a measurement keeps the step;
// Cancel after the result stores nothing; the module is reset on every close.
TEST_F(DialogCalibrationISETest, UnstableReadingsAskAndCancelStoresNothing) {
    harnas->antwoord = [](const KalibratieHarnas::Melding&) { return int(vbNo); };
    harnas->ZetLezing(-177.0f, 25.0f);
    Klik(D::KiesStandaard1, "CommandCalibrate");
    harnas->Bij(D::Meten1, [this](KalibratieDialoog&) {
        harnas->Na(3000, [this] {
            ::Klik(*harnas->dialoog, "OKButton");
            harnas->Na(100, [this] {
                EXPECT_EQ(harnas->meldingen.size(), 1u);
                EXPECT_EQ(harnas->dialoog->Toestand(), D::Meten1);
                ::Klik(*harnas->dialoog, "CancelButton");
            });
        });
    });
    harnas->Bij(
        D::KiesStandaard1,
        [this](KalibratieDialoog& d) {
            harnas->antwoord = nullptr;
            EXPECT_TRUE(Ion(d).ComboBufferwaarde[0]->isEnabled());
            ::Klik(d, "CommandCalibrate");
        },
        2);
    Klik(D::Meten1, "OKButton", 3000, 2); // not stable: asked, Yes
    harnas->Bij(D::KiesStandaard2, [this](KalibratieDialoog& d) {
        harnas->ZetLezing(0.0f, 25.0f);
        ::Klik(d, "CommandCalibrate");
    });
    Klik(D::Meten2, "OKButton", TotStabiel);
    Klik(D::KiesBlanco, "CancelButton");
    EXPECT_FALSE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 2u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[373]);
    EXPECT_EQ(harnas->meldingen[0].stijl, vbYesNo | vbQuestion);
    EXPECT_FALSE(QFile::exists(CalPad()) && IonRecord(0).Tijdstip != 0);
    EXPECT_EQ(Resets(), 1);

    // The title bar while measuring closes without storing.
    NieuwHarnas();
    Klik(D::KiesStandaard1, "CommandCalibrate");
    harnas->Bij(D::Meten1,
                [this](KalibratieDialoog&) { harnas->Na(2000, [this] { harnas->dialoog->close(); }); });
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden.back(), D::Gesloten);
    EXPECT_EQ(Resets(), 2);
}

// A module that falls silent while a standard is measured shows no value and cannot be validated;
// when it answers again its value is back and OK validates it.
TEST_F(DialogCalibrationISETest, ASilentModuleShowsNoValueAndCannotBeValidated) {
    harnas->ZetLezing(-177.0f, 25.0f);
    Klik(D::KiesStandaard1, "CommandCalibrate");
    harnas->Bij(D::Meten1, [this](KalibratieDialoog&) {
        harnas->Na(3000, [this] {
            D& d = Ion(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "-177.0");
            EXPECT_TRUE(d.OKButton->isEnabled());
            emulator.module(ModuleNr)->stil = true;
        });
        harnas->Na(15000, [this] {
            D& d = Ion(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "");
            EXPECT_EQ(d.LabelGraden[0]->text(), "");
            EXPECT_FALSE(d.OKButton->isEnabled());
            emulator.module(ModuleNr)->stil = false;
        });
        harnas->Na(15000 + TotStabiel + 3000, [this] {
            D& d = Ion(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "-177.0");
            ::Klik(d, "OKButton");
        });
    });
    harnas->Bij(D::KiesStandaard2, [](KalibratieDialoog& d) { ::Klik(d, "CancelButton"); });
    EXPECT_FALSE(Kalibreer());
    EXPECT_TRUE(harnas->meldingen.empty()) << "stable again: validated without asking";
    EXPECT_EQ(harnas->toestanden,
              (std::vector<int>{D::KiesStandaard1, D::Meten1, D::KiesStandaard2, D::Gesloten}));
}

// Stored list positions outside the list fall back to the defaults.
TEST_F(DialogCalibrationISETest, StoredStandardsOutsideTheListFallBackToTheDefaults) {
    BewaarInstelling(AppNaam, "Calibration Ion", "Standard1", "12");
    BewaarInstelling(AppNaam, "Calibration Ion", "Standard2", "-1");
    harnas->Bij(D::KiesStandaard1, [](KalibratieDialoog& d) {
        EXPECT_EQ(Ion(d).ComboBufferwaarde[0]->currentIndex(), 3);
        EXPECT_EQ(Ion(d).ComboBufferwaarde[1]->currentIndex(), 6);
        ::Klik(d, "CancelButton");
    });
    EXPECT_FALSE(Kalibreer());
}

// The dialog at every step of a calibration in each language, as the user sees it: every text whole.
// With K740_SCREENSHOTS set to a folder (scripts/screenshot-eenpuntkalibratie) each step is also kept
// there as a picture, ion-<language>-<n>-<step>.png.
TEST_F(DialogCalibrationISETest, EveryStepShowsItsTextsWholeInEveryLanguage) {
    InElkeTaal([&](const QString& taal) {
        NieuwHarnas();
        int n = 0;
        const auto vast = [&](const QString& stap) {
            ControleerStap("ion", taal, QString::number(++n) + "-" + stap);
        };
        harnas->ZetScript([](qint64 ms) {
            return Lezing{-177.0f + (ms < 9000 ? 0.4f * (ms / 1500 % 2) : 0.0f), 24.6f};
        });
        harnas->Bij(D::KiesStandaard1, [&](KalibratieDialoog& d) {
            vast("select-standard-1");
            ::Klik(d, "CommandCalibrate");
        });
        harnas->Bij(D::Meten1, [&](KalibratieDialoog&) {
            harnas->Na(4600, [&] { vast("measuring-standard-1"); });
            harnas->Na(TotStabiel + 9000, [&] { ::Klik(*harnas->dialoog, "OKButton"); });
        });
        harnas->Bij(D::KiesStandaard2, [&](KalibratieDialoog& d) {
            harnas->ZetLezing(0.0f, 24.6f);
            vast("select-standard-2");
            ::Klik(d, "CommandCalibrate");
        });
        Klik(D::Meten2, "OKButton", TotStabiel);
        harnas->Bij(D::KiesBlanco, [&](KalibratieDialoog& d) {
            vast("result");
            harnas->ZetLezing(-236.0f, 24.6f);
            ::Klik(d, "CommandCalibrate");
        });
        harnas->Bij(D::MetenBlanco, [&](KalibratieDialoog&) {
            harnas->Na(TotStabiel, [&] {
                vast("measuring-blank");
                ::Klik(*harnas->dialoog, "OKButton");
            });
        });
        EXPECT_TRUE(Kalibreer()) << taal.toStdString();
        EXPECT_EQ(n, 5) << taal.toStdString();
    });
}

// The temperature check follows the live limits of each reading: out of range shows "OR.°C" and the
// message, and the next reading in range is shown again.
TEST_F(DialogCalibrationISETest, TheTemperatureCheckFollowsEachReading) {
    harnas->ZetScript([](qint64 ms) { return Lezing{-177.0f, ms < 2500 ? 131.0f : 25.0f}; });
    Klik(D::KiesStandaard1, "CommandCalibrate");
    harnas->Bij(D::Meten1, [this](KalibratieDialoog&) {
        harnas->Na(1000, [this] {
            D& d = Ion(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "OR.°C");
            EXPECT_EQ(d.LabelGraden[0]->text(), "OR.°C");
            EXPECT_EQ(d.LabelInfo->text(), Tekst[300]);
        });
        harnas->Na(4000, [this] {
            D& d = Ion(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "-177.0");
            EXPECT_EQ(d.LabelGraden[0]->text(), "25.0°C");
            ::Klik(d, "CancelButton");
        });
    });
    Klik(D::KiesStandaard1, "CancelButton", 0, 2);
    EXPECT_FALSE(Kalibreer());
}
