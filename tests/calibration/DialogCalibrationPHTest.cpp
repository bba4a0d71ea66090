#include "calibration/DialogCalibrationPH.h"
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
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int Positie = 2;
constexpr int32_t ModuleNr = K761Idno(1, 2, 3);
using D = DialogCalibrationPH;

// The electrode of these tests: ISO pH 7.10, slope 97 %.
float Electrode(double ph, double T = 25.0, double iso = 7.10, double helling = 0.97) {
    return static_cast<float>((iso - ph) * helling * (T + 273.159) / 5.04);
}

D& Ph(KalibratieDialoog& d) {
    return static_cast<D&>(d);
}

void Kies(KalibratieDialoog& d, int buffer, const QString& naam) {
    QComboBox* lijst = Ph(d).ComboBufferwaarde[buffer];
    const int i = lijst->findText(naam);
    ASSERT_GE(i, 0) << naam.toStdString();
    lijst->setCurrentIndex(i);
}

} // namespace

class DialogCalibrationPHTest : public KalibratieOmgeving {
protected:
    DialogCalibrationPHTest() : KalibratieOmgeving(Positie, ModuleNr, 1) {}
    void SetUp() override {
        KalibratieOmgeving::SetUp();
        KanaalRecord& k = Racks[1].Modules[Positie].Meting[1];
        k.Unit = QStringLiteral("pH");
        k.Resolution = 1;
    }
    KalibratieRecord PhRecord(int generatie) const { return KalibratieVan(generatie, 1, 2, SoortenK761); }
    bool Kalibreer() {
        bool opgeslagen = false;
        harnas->Draai([&] { opgeslagen = ToonPhKalibratie(1, Positie, 1, Racks[1].Modules[Positie]); });
        return opgeslagen;
    }
    void SchrijfBufferbestand(const QByteArray& inhoud) {
        ASSERT_TRUE(platform::SchrijfBestandVeilig(D::BufferBestandsnaam(), inhoud));
    }
};

// The whole two-buffer calibration at 25 °C against the emulator: the expected slope and zero point
// become the newest of the five generations, the older ones move up one, and the module is reset.
TEST_F(DialogCalibrationPHTest, TwoBuffersStoreSlopeAndZeroPointAsTheNewestGeneration) {
    QByteArray oud;
    for (int g = 0; g < AantalGeneraties; ++g) {
        KalibratieRecord r;
        r.Tijdstip = 45000 + g;
        r.Nulpunt = 6.5f + 0.1f * static_cast<float>(g);
        r.Helling = 0.9f;
        SchrijfKalibratieRecord(oud, KalibratieRecordNummer(g, 1, 2, SoortenK761), r);
        r.Nulpunt = 99;
        SchrijfKalibratieRecord(oud, KalibratieRecordNummer(g, 2, 2, SoortenK761), r);
    }
    ASSERT_TRUE(platform::SchrijfBestandVeilig(CalPad(), oud));

    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) {
        EXPECT_EQ(Ph(d).ComboBufferwaarde[0]->currentText(), "7.00");
        EXPECT_EQ(Ph(d).ComboBufferwaarde[1]->currentText(), "4.00");
        EXPECT_FALSE(Ph(d).OKButton->isEnabled());
        EXPECT_FALSE(Ph(d).FrameBuffer[1]->isEnabled());
        Klik(d, "CommandCalibrate");
    });
    qint64 stabiel1 = 0;
    harnas->Bij(D::KiesBuffer2, [&](KalibratieDialoog& d) {
        stabiel1 = harnas->Tijd();
        EXPECT_EQ(Ph(d).LabelInfo->text(), Tekst[290]);
        EXPECT_EQ(Ph(d).LabelMeetwaarde[0]->text(), "5.7");
        EXPECT_EQ(Ph(d).LabelGraden[0]->text(), "25.0°C");
        EXPECT_EQ(Ph(d).LabelBufferinfo[0]->text(), "7.00");
        EXPECT_TRUE(Ph(d).OKButton->isEnabled());
        EXPECT_FALSE(Ph(d).FrameBuffer[0]->isEnabled());
        harnas->ZetLezing(Electrode(4.008), 25.0f); // rinsed and into the "4.01" buffer
        Kies(d, 1, "4.01");
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) {
        EXPECT_TRUE(Ph(d).LabelInfo->text().endsWith(Tekst[305]));
        EXPECT_TRUE(Ph(d).LabelInfo->text().startsWith("Slope = 97.0 % / ISO pH = 7."))
            << Ph(d).LabelInfo->text().toStdString();
        EXPECT_FALSE(Ph(d).CancelButton->isEnabled());
        Klik(d, "OKButton");
    });
    EXPECT_TRUE(Kalibreer());
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesBuffer1, D::Meten1, D::KiesBuffer2, D::Meten2,
                                                    D::Resultaat, D::Gesloten}));
    // Eleven readings, the first at once: at least 15 s per buffer.
    EXPECT_GE(stabiel1, 15000);

    const KalibratieRecord nieuw = PhRecord(0);
    EXPECT_NEAR(nieuw.Helling, 0.97f, 0.002f);
    EXPECT_NEAR(nieuw.Nulpunt, 7.10f, 0.005f);
    EXPECT_FLOAT_EQ(nieuw.Standaard1, 7.00f);
    EXPECT_FLOAT_EQ(nieuw.Standaard2, 4.01f);
    EXPECT_FLOAT_EQ(nieuw.MilliVolt1, 5.7f);
    EXPECT_FLOAT_EQ(nieuw.MilliVolt2, 177.4f);
    EXPECT_FLOAT_EQ(nieuw.Temperatuur1, 25.0f);
    EXPECT_FLOAT_EQ(nieuw.Temperatuur2, 25.0f);
    EXPECT_GE(nieuw.Duur1, 15.0f);
    EXPECT_GE(nieuw.Duur2, 15.0f);
    EXPECT_NEAR(nieuw.Tijdstip, platform::Nu(), 1.0 / 1440);
    for (int g = 1; g < AantalGeneraties; ++g)
        EXPECT_FLOAT_EQ(PhRecord(g).Nulpunt, 6.5f + 0.1f * static_cast<float>(g - 1)) << g;
    QByteArray inhoud;
    platform::LeesBestand(CalPad(), inhoud);
    EXPECT_EQ(LeesKalibratieRecord(inhoud, KalibratieRecordNummer(0, 2, 2, SoortenK761)).Nulpunt, 99.0f)
        << "another input's record stays";

    EXPECT_EQ(Resets(), 1);
    EXPECT_EQ(emulator.verzoeken().back().commando, CommandoReset);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration pH", "Buffer1", ""), "4");
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration pH", "Buffer2", ""), "2");
    EXPECT_FALSE(LeesInstelling(AppNaam, "Calibration pH", "Top", "").isEmpty());
}

TEST_F(DialogCalibrationPHTest, OKAfterTheFirstBufferStoresAOnePointCalibrationWithSlopeOne) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) {
        EXPECT_TRUE(Ph(d).LabelInfo->text().startsWith("Slope = 100.0 % / ISO pH = 7.096 pH"))
            << Ph(d).LabelInfo->text().toStdString();
        Klik(d, "OKButton");
    });
    EXPECT_TRUE(Kalibreer());
    const KalibratieRecord r = PhRecord(0);
    EXPECT_EQ(r.Helling, 1.0f);
    EXPECT_NEAR(r.Nulpunt, 7.00f + 5.7f * 5.04f / 298.159f, 1e-4f);
    for (float veld : {r.Standaard2, r.MilliVolt2, r.Temperatuur2, r.Duur2})
        EXPECT_EQ(veld, 0.0f);
    EXPECT_EQ(Resets(), 1);
}

// Cancel while measuring ends the measurement only; Cancel while choosing, Escape and the title bar close
// the dialog; nothing is stored, and the module is reset on every close.
TEST_F(DialogCalibrationPHTest, CancelEndsAMeasurementAndThenClosesWithoutStoring) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::Meten1, [this](KalibratieDialoog&) {
        harnas->Na(4000, [this] { Klik(*harnas->dialoog, "CancelButton"); });
    });
    harnas->Bij(
        D::KiesBuffer1,
        [](KalibratieDialoog& d) {
            EXPECT_TRUE(Ph(d).ComboBufferwaarde[0]->isEnabled());
            EXPECT_EQ(Ph(d).LabelInfo->text(), Tekst[288]);
            Klik(d, "CancelButton");
        },
        2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesBuffer1, D::Meten1, D::KiesBuffer1, D::Gesloten}));
    EXPECT_FALSE(QFile::exists(CalPad()));
    EXPECT_EQ(Resets(), 1);

    // Escape while measuring: as Cancel. The title bar while measuring: closed at once.
    NieuwHarnas();
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::Meten1, [](KalibratieDialoog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    harnas->Bij(
        D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); }, 2);
    harnas->Bij(
        D::Meten1, [this](KalibratieDialoog&) { harnas->Na(1000, [this] { harnas->dialoog->close(); }); }, 2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden,
              (std::vector<int>{D::KiesBuffer1, D::Meten1, D::KiesBuffer1, D::Meten1, D::Gesloten}));
    EXPECT_FALSE(QFile::exists(CalPad()));
    EXPECT_EQ(Resets(), 2);
}

// Calibrate pressed from the keyboard, in a dialog whose owner is disabled as the module settings
// dialog is while a calibration runs: the focus stays on an enabled control, so Escape pressed on the
// window ends the measurement and then closes the dialog.
TEST_F(DialogCalibrationPHTest, EscapeStillAnswersAfterCalibrateWasPressedFromTheKeyboard) {
    QDialog eigenaar;
    eigenaar.show();
    eigenaar.setEnabled(false);
    const auto toets = [](KalibratieDialoog& d, Qt::Key k) { QTest::keyClick(d.windowHandle(), k); };
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [&](KalibratieDialoog& d) {
        Ph(d).CommandCalibrate->setFocus();
        toets(d, Qt::Key_Space);
    });
    harnas->Bij(D::Meten1, [&](KalibratieDialoog& d) {
        ASSERT_NE(d.focusWidget(), nullptr);
        EXPECT_TRUE(d.focusWidget()->isEnabled()) << d.focusWidget()->objectName().toStdString();
        toets(d, Qt::Key_Escape);
    });
    harnas->Bij(
        D::KiesBuffer1, [&](KalibratieDialoog& d) { toets(d, Qt::Key_Escape); }, 2);
    harnas->Draai([&] { ToonPhKalibratie(1, Positie, 1, Racks[1].Modules[Positie], &eigenaar); });
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::KiesBuffer1, D::Meten1, D::KiesBuffer1, D::Gesloten}));
}

TEST_F(DialogCalibrationPHTest, CancelDuringTheSecondBufferKeepsTheFirstForAOnePointResult) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::Meten2, [](KalibratieDialoog& d) {
        EXPECT_FALSE(Ph(d).OKButton->isEnabled());
        Klik(d, "CancelButton");
    });
    harnas->Bij(
        D::KiesBuffer2,
        [](KalibratieDialoog& d) {
            EXPECT_EQ(Ph(d).BufferIndex(), 1);
            EXPECT_EQ(Ph(d).LabelInfo->text(), Tekst[290]);
            Klik(d, "OKButton");
        },
        2);
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    EXPECT_TRUE(Kalibreer());
    EXPECT_EQ(PhRecord(0).Helling, 1.0f);
}

// A reading counts only when the last ten mV lie within the input's tolerance and the last ten
// temperatures within 0.15 °C.
TEST_F(DialogCalibrationPHTest, ReadingsAreStableWithinTheToleranceOfTheInputsResolution) {
    // 0.3 mV of spread: stable for resolution 1 (0.35 mV).
    const float basis = Electrode(7.00);
    harnas->ZetScript([basis](qint64 ms) { return Lezing{basis + ((ms / 1500) % 2 ? 0.3f : 0.0f), 25.0f}; });
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "CancelButton"); });
    Kalibreer();
    EXPECT_EQ(harnas->toestanden.back(), D::Gesloten);
    EXPECT_EQ(harnas->toestanden.size(), 4u) << "buffer 1 was taken";

    // Resolution 2 (0.15 mV): the same electrode never settles; a steady one does, unless its
    // temperature drifts.
    Racks[1].Modules[Positie].Meting[1].Resolution = 2;
    NieuwHarnas();
    harnas->ZetScript([basis](qint64 ms) {
        const bool even = (ms / 1500) % 2 == 0;
        if (ms < 60000) return Lezing{basis + (even ? 0.0f : 0.3f), 25.0f};
        if (ms < 120000) return Lezing{basis, even ? 24.8f : 25.2f};
        return Lezing{basis + (even ? 0.0f : 0.1f), 25.0f};
    });
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    qint64 stabiel = 0;
    harnas->Bij(D::KiesBuffer2, [&](KalibratieDialoog& d) {
        stabiel = harnas->Tijd();
        Klik(d, "CancelButton");
    });
    Kalibreer();
    EXPECT_GE(stabiel, 120000 + 13500);
    EXPECT_LE(stabiel, 120000 + 16500);
}

// One reading of a temperature out of range, or outside the buffer's table, shows "OR.°C" for that
// reading only: the next reading in range is measured as usual.
TEST_F(DialogCalibrationPHTest, ATemperatureOutOfRangeShowsForThatReadingOnly) {
    const float mv = Electrode(7.00);
    harnas->ZetScript([mv](qint64 ms) {
        if (ms < 3000) return Lezing{mv, 140.0f};
        if (ms < 6000) return Lezing{mv, 65.0f};
        return Lezing{mv, 25.0f};
    });
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Na(1000, [this] {
        D& d = Ph(*harnas->dialoog);
        EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "OR.°C");
        EXPECT_EQ(d.LabelMeetwaarde[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(d.LabelGraden[0]->text(), "OR.°C");
        EXPECT_EQ(d.LabelInfo->text(), Tekst[300]);
    });
    harnas->Na(5200, [this] {
        D& d = Ph(*harnas->dialoog);
        EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "OR.°C");
        EXPECT_EQ(d.LabelGraden[0]->text(), "65.0°C");
        EXPECT_EQ(d.LabelInfo->text(), Tekst[291] + "\r\nMeasurement range: 5.0 / 60.0°C");
    });
    harnas->Na(8000, [this] {
        D& d = Ph(*harnas->dialoog);
        EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "5.7");
        EXPECT_EQ(d.LabelMeetwaarde[0]->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        EXPECT_EQ(d.LabelInfo->text(), Tekst[289]);
    });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    EXPECT_TRUE(Kalibreer());
    EXPECT_FLOAT_EQ(PhRecord(0).Temperatuur1, 25.0f);
}

// An electrode far from the chosen buffer, or a second buffer too close to the first, is measured
// again after a message; two buffers too close at 25 °C are refused before measuring.
TEST_F(DialogCalibrationPHTest, ImplausibleBuffersAreMeasuredAgain) {
    harnas->ZetScript([](qint64 ms) { return Lezing{ms < 20000 ? Electrode(4.0) : Electrode(7.00), 25.0f}; });
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [this](KalibratieDialoog& d) {
        ASSERT_EQ(harnas->meldingen.size(), 1u);
        EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[309]);
        EXPECT_EQ(harnas->meldingen[0].stijl, vbExclamation);
        EXPECT_EQ(harnas->meldingen[0].titel, d.windowTitle() + ": Error");
        EXPECT_GE(harnas->Tijd(), 20000 + 13500) << "a new pass after the message";
        Kies(d, 1, "6.87");
        Klik(d, "CommandCalibrate");
        EXPECT_EQ(harnas->meldingen.back().tekst, Tekst[308]);
        EXPECT_EQ(harnas->meldingen.back().titel, "Error");
        EXPECT_TRUE(Ph(d).CommandCalibrate->isEnabled()) << "nothing measured";
        Kies(d, 1, "9.18");
        const qint64 nu = harnas->Tijd();
        harnas->ZetScript([nu](qint64 ms) {
            return Lezing{ms < nu + 20000 ? Electrode(7.1) : Electrode(9.18), 25.0f};
        });
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(D::Resultaat, [this](KalibratieDialoog& d) {
        ASSERT_EQ(harnas->meldingen.size(), 3u);
        EXPECT_EQ(harnas->meldingen[2].tekst, Tekst[302] + Tekst[309]);
        Klik(d, "OKButton");
    });
    EXPECT_TRUE(Kalibreer());
    EXPECT_FLOAT_EQ(PhRecord(0).Standaard2, 9.18f);
    EXPECT_NEAR(PhRecord(0).Helling, 0.97f, 0.003f);
}

// A slope out of range is refused and buffer 2 can be measured again; an ISO pH out of range on OK after
// one buffer closes the dialog. Neither stores anything.
TEST_F(DialogCalibrationPHTest, RejectedResultsStoreNothing) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [this](KalibratieDialoog& d) {
        harnas->ZetLezing(Electrode(4.0, 25.0, 7.10, 0.70), 25.0f);
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(
        D::KiesBuffer2,
        [this](KalibratieDialoog& d) {
            EXPECT_EQ(harnas->meldingen.back().tekst, Tekst[304]);
            EXPECT_EQ(harnas->meldingen.back().stijl, vbCritical);
            EXPECT_EQ(Ph(d).BufferIndex(), 1);
            EXPECT_TRUE(Ph(d).ComboBufferwaarde[1]->isEnabled());
            EXPECT_TRUE(Ph(d).OKButton->isEnabled());
            Klik(d, "CancelButton");
        },
        2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_FALSE(QFile::exists(CalPad()));

    // An electrode whose zero lies at pH 8.4 passes the first check (within 1.5 pH) but not the ISO pH.
    NieuwHarnas();
    harnas->ZetLezing(Electrode(7.00, 25.0, 8.4, 1.0), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(Meldingen(), QStringList{Tekst[303]});
    EXPECT_EQ(harnas->toestanden.back(), D::Gesloten);
    EXPECT_FALSE(QFile::exists(CalPad()));
    EXPECT_EQ(Resets(), 2);
}

// A reading takes three transactions; on a slow module they last longer than the tick. Each reading
// still runs whole before the next begins, and Cancel breaks off a transaction that waits.
TEST_F(DialogCalibrationPHTest, ASlowReadingIsNeverEnteredTwice) {
    emulator.module(ModuleNr)->omkeertijdMs = 700;
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    emulator.wisVerzoeken();
    EXPECT_TRUE(Kalibreer());
    std::vector<uint8_t> codes;
    for (const auto& v : emulator.verzoeken())
        codes.push_back(v.commando);
    ASSERT_GE(codes.size(), 34u);
    ASSERT_EQ(codes.back(), CommandoReset);
    codes.pop_back();
    ASSERT_EQ(codes.size() % 3, 0u);
    for (size_t i = 0; i < codes.size(); i += 3) {
        EXPECT_EQ(codes[i], CommandoStatus) << i;
        EXPECT_EQ(codes[i + 1], CommandoTemperatuurADC) << i;
        EXPECT_EQ(codes[i + 2], CommandoADC) << i;
    }

    // Cancel while a reply is awaited from a module that has gone silent.
    NieuwHarnas();
    harnas->Bij(D::KiesBuffer1, [this](KalibratieDialoog& d) {
        emulator.module(ModuleNr)->stil = true;
        Klik(d, "CommandCalibrate");
        harnas->Na(300, [this] {
            EXPECT_TRUE(harnas->dialoog->IsBezig()) << "a transaction waits";
            Klik(*harnas->dialoog, "CancelButton");
        });
    });
    qint64 terug = 0;
    harnas->Bij(
        D::KiesBuffer1,
        [&](KalibratieDialoog& d) {
            terug = harnas->Tijd();
            EXPECT_FALSE(d.IsBezig());
            Klik(d, "CancelButton");
        },
        2);
    Kalibreer();
    EXPECT_LT(terug, 1000) << "the waiting transaction gave up at once";
}

// ADC replies that fail leave the former values in the channels: they are no reading, so a module that
// answers its status but not its ADC requests never makes a stale value look stable.
TEST_F(DialogCalibrationPHTest, AFailedReadingIsNoReading) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [this](KalibratieDialoog& d) {
        Klik(d, "CommandCalibrate");
        harnas->Na(3000, [this] {
            // Every reply keeps only four data bytes: a whole status, half an ADC reading.
            emulator.zetKortAntwoord(4);
            emulator.zetFout(RackEmulator::Fout::KortAntwoord, -1, ModuleNr);
        });
        harnas->Na(60000, [this] {
            EXPECT_EQ(harnas->dialoog->Toestand(), D::Meten1);
            emulator.wisFouten();
        });
    });
    qint64 stabiel = 0;
    harnas->Bij(D::KiesBuffer2, [&](KalibratieDialoog& d) {
        stabiel = harnas->Tijd();
        Klik(d, "OKButton");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    EXPECT_TRUE(Kalibreer());
    EXPECT_GT(stabiel, 60000) << "no failed reading counts";
}

// A module that falls silent while a buffer is measured shows no value, and its buffer is not stable
// until ten readings after it answers again say so: the last value it gave is never taken.
TEST_F(DialogCalibrationPHTest, ASilentModuleShowsNoValueAndIsNotStable) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    qint64 terug = 0;
    harnas->Bij(D::KiesBuffer1, [&](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::Meten1, [&](KalibratieDialoog&) {
        harnas->Na(4000, [&] {
            D& d = Ph(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), OpmaakSingle(Electrode(7.00), "0.0"));
            emulator.module(ModuleNr)->stil = true;
        });
        harnas->Na(18000, [&] {
            D& d = Ph(*harnas->dialoog);
            EXPECT_EQ(d.Toestand(), D::Meten1);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), "");
            EXPECT_EQ(d.LabelGraden[0]->text(), "");
            EXPECT_FALSE(d.OKButton->isEnabled());
            EXPECT_FALSE(d.CommandCalibrate->isEnabled());
            emulator.module(ModuleNr)->stil = false;
            terug = harnas->Tijd();
        });
        harnas->Na(22000, [&] {
            D& d = Ph(*harnas->dialoog);
            EXPECT_EQ(d.Toestand(), D::Meten1);
            EXPECT_EQ(d.LabelMeetwaarde[0]->text(), OpmaakSingle(Electrode(7.00), "0.0"));
            EXPECT_EQ(d.LabelGraden[0]->text(), "25.0°C");
        });
    });
    qint64 stabiel = 0;
    harnas->Bij(D::KiesBuffer2, [&](KalibratieDialoog& d) {
        stabiel = harnas->Tijd();
        Klik(d, "OKButton");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    EXPECT_TRUE(Kalibreer());
    ASSERT_GT(terug, 0);
    EXPECT_GE(stabiel - terug, 15000) << "ten readings after the module answered again";
}

// The buffer is shown and stored in the number form of the unit the calibration works on (here pH
// with three decimals, chosen in the settings dialog), not in that of the input as it runs (mV).
TEST_F(DialogCalibrationPHTest, TheBufferTakesTheFormOfTheRecordWorkedOn) {
    SchrijfBufferbestand("\"Tris\"\r\n10;7.75\r\n40;7.75\r\n");
    KanaalRecord& live = Racks[1].Modules[Positie].Meting[1];
    live.Unit = QStringLiteral("mV");
    live.Resolution = 1;
    ModuleRecord kopie = Racks[1].Modules[Positie];
    kopie.Meting[1].Unit = QStringLiteral("pH");
    kopie.Meting[1].Resolution = 2;
    harnas->ZetLezing(Electrode(7.75), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) {
        Kies(d, 0, "Tris");
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) {
        EXPECT_EQ(Ph(d).LabelBufferinfo[0]->text(), "7.750");
        Klik(d, "OKButton");
    });
    harnas->Bij(D::Resultaat, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    bool opgeslagen = false;
    harnas->Draai([&] { opgeslagen = ToonPhKalibratie(1, Positie, 1, kopie); });
    EXPECT_TRUE(opgeslagen);
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    EXPECT_EQ(PhRecord(0).Standaard1, 7.75f);
}

// The set-up: first use preselects "7.00" and "4.00" and centres the window; the caption names the
// input; the choices made are offered again; a stored place below the screen centres the window.
TEST_F(DialogCalibrationPHTest, TheDialogLoadsItsCaptionPlaceAndRememberedBuffers) {
    D d;
    d.Ri = 1;
    d.Mi = Positie;
    d.Ki = 1;
    d.Laad();
    ASSERT_FALSE(d.Fout);
    EXPECT_EQ(d.windowTitle(), "pH Calibration: Rack 1 Module 2 Input 1");
    EXPECT_EQ(d.ComboBufferwaarde[0]->currentText(), "7.00");
    EXPECT_EQ(d.ComboBufferwaarde[1]->currentText(), "4.00");
    EXPECT_EQ(d.ComboBufferwaarde[0]->count(), 9);
    EXPECT_EQ(d.FrameBuffer[1]->title(), "Buffer 2");
    EXPECT_EQ(d.LabelTijd[0]->text(), "Time (mm:ss):");
    EXPECT_EQ(d.LabelInfo->text(), Tekst[288]);
    const QRect scherm = d.screen()->availableGeometry();
    EXPECT_NEAR(d.pos().y(), scherm.y() + (scherm.height() - d.height()) / 2, 40);
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    d.Ontlaad();
    EXPECT_FALSE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Resets(), 1);

    BewaarInstelling(AppNaam, "Calibration pH", "Buffer1", "2");
    BewaarInstelling(AppNaam, "Calibration pH", "Buffer2", "40");
    BewaarInstelling(AppNaam, "Calibration pH", "Top", "9999999");
    BewaarInstelling(AppNaam, "Calibration pH", "Left", "150");
    D e;
    e.Ri = 1;
    e.Mi = Positie;
    e.Ki = 3;
    e.Laad();
    EXPECT_EQ(e.windowTitle(), "pH Calibration: Rack 1 Module 2 Input 3");
    EXPECT_EQ(e.ComboBufferwaarde[0]->currentText(), "4.01");
    EXPECT_EQ(e.ComboBufferwaarde[1]->currentText(), "12.45") << "a position beyond the list: the last";
    EXPECT_NEAR(e.pos().y(), scherm.y() + (scherm.height() - e.height()) / 2, 40);
    EXPECT_EQ(e.pos().x(), TwipsNaarPixels(150));
    e.Ontlaad();

    EXPECT_FALSE(ToonPhKalibratie(0, 1, 1, Racks[1].Modules[1])) << "no such input: nothing shown";
}

// "buffer.ph": its buffers follow the built-in ones, Edit shows for them, and Edit opens the file in
// the editor while the dialog waits, disabled; the list is read again afterwards.
TEST_F(DialogCalibrationPHTest, EditOpensTheBufferFileAndTheListFollowsIt) {
    SchrijfBufferbestand("\"Mine\"\r\n10;4.1\r\n40;4.4\r\n\r\n\"Other\"\r\n0;9.0\r\n50;9.5\r\n");
    BewaarInstelling(AppNaam, "Calibration pH", "Buffer1", "10");
    harnas->Bij(D::KiesBuffer1, [this](KalibratieDialoog& k) {
        D& d = Ph(k);
        EXPECT_EQ(d.ComboBufferwaarde[0]->count(), 11);
        EXPECT_EQ(d.ComboBufferwaarde[0]->itemText(9), "Mine");
        EXPECT_EQ(d.ComboBufferwaarde[0]->currentText(), "Other");
        EXPECT_FALSE(d.CommandEdit->isHidden());
        d.ComboBufferwaarde[0]->setCurrentIndex(4);
        EXPECT_TRUE(d.CommandEdit->isHidden());
        d.ComboBufferwaarde[0]->setCurrentIndex(10);
        harnas->Na(10, [this] {
            D& d = Ph(*harnas->dialoog);
            EXPECT_FALSE(d.isEnabled());
            EXPECT_EQ(d.LabelInfo->text(), "Close 'buffer.ph' to return to the K740 software!");
            auto* editor = OpenVenster<FormTekstEditor>();
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->windowTitle(), "buffer.ph");
            editor->TextBestand->setPlainText("\"First\"\n0;1.0\n50;1.5\n\n" +
                                              editor->TextBestand->toPlainText() +
                                              "\n\"Last\"\n20;10\n30;10.1");
            Klik(*editor, "OKButton");
        });
        Klik(d, "CommandEdit");
        EXPECT_TRUE(d.isEnabled());
        EXPECT_EQ(d.LabelInfo->text(), Tekst[288]);
        EXPECT_EQ(d.ComboBufferwaarde[0]->count(), 13);
        EXPECT_EQ(d.ComboBufferwaarde[0]->itemText(9), "First");
        EXPECT_EQ(d.ComboBufferwaarde[0]->currentIndex(), 10) << "the selection stays by position";
        EXPECT_EQ(d.ComboBufferwaarde[1]->count(), 11) << "the other list is not read again";
        Klik(d, "CancelButton");
    });
    Kalibreer();
    QByteArray inhoud;
    ASSERT_TRUE(platform::LeesBestand(D::BufferBestandsnaam(), inhoud));
    EXPECT_TRUE(inhoud.startsWith("\"First\"\r\n0;1.0\r\n50;1.5\r\n\r\n\"Mine\"\r\n"));
    EXPECT_TRUE(inhoud.endsWith("\"Last\"\r\n20;10\r\n30;10.1\r\n"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration pH", "Buffer1", ""), "10");
}

// The editor cannot open the file: the user is told and the dialog is usable again.
TEST_F(DialogCalibrationPHTest, AnEditorThatCannotOpenLeavesTheDialogUsable) {
    SchrijfBufferbestand("\"Mine\"\r\n10;4.1\r\n40;4.4\r\n");
    harnas->Bij(D::KiesBuffer1, [this](KalibratieDialoog& k) {
        D& d = Ph(k);
        d.ComboBufferwaarde[0]->setCurrentIndex(9);
        // The file has become a folder of the same name.
        QFile::remove(D::BufferBestandsnaam());
        QDir().mkpath(D::BufferBestandsnaam());
        Klik(d, "CommandEdit");
        EXPECT_EQ(harnas->meldingen.back().tekst, "An error occured when starting 'buffer.ph'.");
        EXPECT_EQ(harnas->meldingen.back().stijl, vbCritical);
        EXPECT_TRUE(d.isEnabled());
        EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(d.LabelInfo->text(), Tekst[288]);
        Klik(d, "CancelButton");
    });
    Kalibreer();
}

// A buffer that has left the file is no buffer: it is never measured against the table chosen before.
TEST_F(DialogCalibrationPHTest, ABufferNoLongerInTheFileIsRefused) {
    SchrijfBufferbestand("\"Mine\"\r\n10;4.1\r\n40;4.4\r\n\"Narrow\"\r\n26;4.0\r\n40;4.1\r\n");
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [this](KalibratieDialoog& d) {
        Kies(d, 0, "Narrow");
        Klik(d, "CommandCalibrate");
        QCoreApplication::processEvents();
        EXPECT_EQ(harnas->meldingen.back().tekst, "Buffer: Narrow\r\n\r\n" + Tekst[301]);
        EXPECT_EQ(harnas->meldingen.back().titel, d.windowTitle());
        Kies(d, 0, "7.00");
        Klik(d, "CommandCalibrate");
    });
    harnas->Bij(D::KiesBuffer2, [this](KalibratieDialoog& d) {
        harnas->ZetLezing(Electrode(4.008), 25.0f);
        Kies(d, 1, "4.01");
        Klik(d, "CommandCalibrate");
        harnas->Na(3000, [this] { Klik(*harnas->dialoog, "CancelButton"); });
    });
    harnas->Bij(
        D::KiesBuffer2,
        [this](KalibratieDialoog& d) {
            SchrijfBufferbestand("\"Other\"\r\n0;4.0\r\n50;4.1\r\n");
            Kies(d, 1, "Mine");
            const size_t voor = harnas->meldingen.size();
            Klik(d, "CommandCalibrate");
            QCoreApplication::processEvents();
            ASSERT_EQ(harnas->meldingen.size(), voor + 1);
            EXPECT_EQ(harnas->meldingen.back().tekst, "Buffer: Mine\r\n\r\n" + Tekst[301]);
            Klik(d, "CancelButton");
        },
        2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_EQ(harnas->toestanden.back(), D::Gesloten);
    EXPECT_EQ(std::count(harnas->toestanden.begin(), harnas->toestanden.end(), int(D::Meten2)), 1);
}

// A buffer list left without a selection: a stable reading is not taken for a buffer without a name.
TEST_F(DialogCalibrationPHTest, AStableReadingOfABufferWithoutNameIsNotTaken) {
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::Meten1, [](KalibratieDialoog& d) { Ph(d).ComboBufferwaarde[0]->setCurrentIndex(-1); });
    harnas->Bij(
        D::KiesBuffer1,
        [this](KalibratieDialoog& d) {
            EXPECT_EQ(Ph(d).BufferIndex(), 0);
            EXPECT_EQ(harnas->meldingen.back().tekst, "Buffer: \r\n\r\n" + Tekst[301]);
            Klik(d, "CancelButton");
        },
        2);
    EXPECT_FALSE(Kalibreer());
    EXPECT_FALSE(QFile::exists(CalPad()));
}

// A calibration file that cannot be written: the user is told, the result is not called successful and
// the caller learns that nothing was stored.
TEST_F(DialogCalibrationPHTest, AResultThatCannotBeStoredIsNotCalledSuccessful) {
    QFile blokkade(tijdelijkeMap() + QStringLiteral("/geen-map"));
    ASSERT_TRUE(blokkade.open(QIODevice::WriteOnly));
    blokkade.close();
    MapKalibratie = blokkade.fileName();
    harnas->ZetLezing(Electrode(7.00), 25.0f);
    harnas->Bij(D::KiesBuffer1, [](KalibratieDialoog& d) { Klik(d, "CommandCalibrate"); });
    harnas->Bij(D::KiesBuffer2, [](KalibratieDialoog& d) { Klik(d, "OKButton"); });
    harnas->Bij(D::Resultaat, [this](KalibratieDialoog& d) {
        EXPECT_EQ(harnas->meldingen.size(), 1u);
        EXPECT_FALSE(Ph(d).LabelInfo->text().contains(Tekst[305]));
        Klik(d, "OKButton");
    });
    EXPECT_FALSE(Kalibreer());
}

// The dialog at every step of a calibration in each language, as the user sees it: every text whole.
// With K740_SCREENSHOTS set to a folder (scripts/screenshot-phkalibratie) each step is also kept there
// as a picture, ph-<language>-<n>-<step>.png.
TEST_F(DialogCalibrationPHTest, EveryStepShowsItsTextsWholeInEveryLanguage) {
    SchrijfBufferbestand("\"Phthalate 4.01\"\r\n0;4.003\r\n25;4.008\r\n50;4.060\r\n");
    InElkeTaal([&](const QString& taal) {
        NieuwHarnas();
        int n = 0;
        const auto vast = [&](const QString& stap) {
            ControleerStap("ph", taal, QString::number(++n) + "-" + stap);
        };
        const float mv = Electrode(7.00);
        harnas->ZetScript([mv](qint64 ms) {
            return Lezing{mv + (ms < 6000 ? 0.1f * (ms / 1500 % 3) : 0.0f), ms < 1500 ? 67.0f : 24.6f};
        });
        harnas->Bij(D::KiesBuffer1, [&](KalibratieDialoog& d) {
            vast("select-buffer-1");
            Klik(d, "CommandCalibrate");
        });
        harnas->Bij(D::Meten1, [&](KalibratieDialoog&) {
            harnas->Na(800, [&] { vast("temperature-out-of-range"); });
            harnas->Na(5000, [&] { vast("measuring-buffer-1"); });
        });
        harnas->Bij(D::KiesBuffer2, [&](KalibratieDialoog& d) {
            harnas->ZetLezing(Electrode(4.008, 24.6), 24.6f);
            Kies(d, 1, "Phthalate 4.01");
            vast("select-buffer-2");
            harnas->Na(10, [&] {
                if (auto* editor = OpenVenster<FormTekstEditor>()) {
                    editor->TextBestand->moveCursor(QTextCursor::End);
                    ControleerStap("ph", taal, "editor", editor);
                    vast("editing");
                    Klik(*editor, "CancelButton");
                }
            });
            Klik(d, "CommandEdit");
            Klik(d, "CommandCalibrate");
        });
        harnas->Bij(D::Meten2,
                    [&](KalibratieDialoog&) { harnas->Na(6000, [&] { vast("measuring-buffer-2"); }); });
        harnas->Bij(D::Resultaat, [&](KalibratieDialoog& d) {
            vast("result");
            Klik(d, "OKButton");
        });
        EXPECT_TRUE(Kalibreer()) << taal.toStdString();
        EXPECT_EQ(n, 7) << taal.toStdString();
    });
}
