#include "calibration/DialogCalibration1p.h"
#include "KalibratieHarnas.h"
#include "RacklijnOmgeving.h"
#include "TekstControle.h"
#include "acquisition/Frames.h"
#include "acquisition/K761.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "calibration/EenpuntBerekening.h"
#include "platform/Tekstbestand.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Titelbalk.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int Positie = 2;
constexpr int32_t ModuleNr = K761Idno(1, 2, 4);
using D = DialogCalibration1p;

D& Een(KalibratieDialoog& d) {
    return static_cast<D&>(d);
}

// Types a standard as the user would, and leaves the field with Enter.
void Typ(KalibratieDialoog& d, const QString& tekst) {
    QLineEdit* veld = Een(d).ComboBufferwaarde->lineEdit();
    veld->selectAll();
    QTest::keyClicks(veld, tekst);
    QTest::keyClick(veld, Qt::Key_Return);
}

} // namespace

class DialogCalibration1pTest : public KalibratieOmgeving {
protected:
    DialogCalibration1pTest() : KalibratieOmgeving(Positie, ModuleNr, 1) {}
    void SetUp() override {
        KalibratieOmgeving::SetUp();
        ZetEenheid("mV");
    }
    void ZetEenheid(const char* eenheid) {
        Racks[1].Modules[Positie].Meting[1].Unit = QString::fromUtf8(eenheid);
    }
    KalibratieRecord Record(int generatie, int soort) const {
        return KalibratieVan(generatie, 1, soort, SoortenK761);
    }
    // Runs the dialog of input k; `na` runs `ms` after the dialog was shown (readings are then there).
    bool Kalibreer(int k = 1) {
        bool opgeslagen = false;
        harnas->Draai([&] { opgeslagen = ToonEenpuntsKalibratie(1, Positie, k, Racks[1].Modules[Positie]); });
        return opgeslagen;
    }
    void Na(qint64 ms, std::function<void(D&)> actie) {
        harnas->Bij(D::Meten, [this, ms, actie](KalibratieDialoog&) {
            harnas->Na(ms, [this, actie] { actie(Een(*harnas->dialoog)); });
        });
    }
};

// An offset of exactly 100 mV is accepted and stored with the uncorrected mV; the standard joins the
// recent list; the module is reset on closing.
TEST_F(DialogCalibration1pTest, AnOffsetOfExactly100mVIsStored) {
    harnas->ZetLezing(150.0f, 25.0f);
    Na(2000, [](D& d) {
        EXPECT_EQ(d.LabelMeetwaarde->text(), "150.0");
        EXPECT_EQ(d.LabelGraden->text(), "25.0°C");
        EXPECT_EQ(d.LabelBuffer->text(), Tekst[280] + "(mV):");
        EXPECT_EQ(d.windowTitle(), "mV Calibration: Rack 1 Module 2 Input 1");
        Typ(d, "50");
        Klik(d, "OKButton");
    });
    EXPECT_TRUE(Kalibreer());
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    const KalibratieRecord r = Record(0, 1);
    EXPECT_FLOAT_EQ(r.Nulpunt, 100.0f);
    EXPECT_EQ(r.Helling, 1.0f);
    EXPECT_FLOAT_EQ(r.Standaard1, 50.0f);
    EXPECT_FLOAT_EQ(r.MilliVolt1, 150.0f);
    EXPECT_FLOAT_EQ(r.Temperatuur1, 25.0f);
    EXPECT_NEAR(r.Tijdstip, platform::Nu(), 1.0 / 1440);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration mV", "RecentStandard1", ""), "50.0");
    EXPECT_EQ(Resets(), 1);
    EXPECT_FALSE(LeesInstelling(AppNaam, "Calibration 1p", "Top", "").isEmpty());
}

// 100.1 mV is refused with the limits; the dialog keeps measuring with the standard still entered; a
// second OK before the next reading is worked out from the same reading, not from one that already
// holds the offset in force (60 mV here): with the standard corrected to 31 it passes.
TEST_F(DialogCalibration1pTest, AnOffsetOf100Point1IsRefusedAndASecondOKIsWorkedOutAnew) {
    Racks[1].Modules[Positie].Meting[1].Offset = 60.0f;
    harnas->ZetLezing(130.1f, 25.0f);
    Na(2000, [this](D& d) {
        EXPECT_EQ(d.LabelMeetwaarde->text(), "70.1");
        Typ(d, "30");
        Klik(d, "OKButton");
        harnas->Na(100, [this] {
            D& d = Een(*harnas->dialoog);
            ASSERT_EQ(harnas->meldingen.size(), 1u);
            EXPECT_EQ(d.ComboBufferwaarde->currentText(), "30.0");
            Typ(d, "31");
            Klik(d, "OKButton");
        });
    });
    EXPECT_TRUE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[282] + "\r\n\r\n" + Tekst[283] + ": -100.0/100.0 mV");
    EXPECT_EQ(harnas->meldingen[0].stijl, 48);
    EXPECT_TRUE(harnas->meldingen[0].titel.endsWith(": " + Tekst[299]));
    EXPECT_NEAR(Record(0, 1).Nulpunt, 99.1f, 1e-4f);
    EXPECT_NEAR(Record(0, 1).MilliVolt1, 130.1f, 1e-4f);
    // The live offset is taken up when the file is loaded again, not by the dialog.
    EXPECT_EQ(Racks[1].Modules[Positie].Meting[1].Offset, 60.0f);
}

// A module that falls silent gives no reading: the value goes blank and OK is disabled, so nothing is
// worked out from the last value it gave. When it answers again its new value is shown and used.
TEST_F(DialogCalibration1pTest, ASilentModuleShowsNoValueAndCannotBeCalibrated) {
    harnas->ZetLezing(249.4f, 25.0f);
    Na(2000, [this](D& d) {
        EXPECT_EQ(d.LabelMeetwaarde->text(), "249.4");
        EXPECT_TRUE(d.OKButton->isEnabled());
        Typ(d, "250");
        emulator.module(ModuleNr)->stil = true;
        harnas->ZetLezing(252.4f, 25.0f);
        harnas->Na(12000, [this] {
            ASSERT_NE(harnas->dialoog, nullptr);
            D& d = Een(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde->text(), "");
            EXPECT_EQ(d.LabelGraden->text(), "");
            EXPECT_FALSE(d.OKButton->isEnabled());
            // An OK that reaches the dialog anyway stores nothing.
            d.OKButton->setEnabled(true);
            d.OKButton->click();
            emulator.module(ModuleNr)->stil = false;
        });
        harnas->Na(24000, [this] {
            ASSERT_NE(harnas->dialoog, nullptr) << "closed by the OK of the silent module";
            D& d = Een(*harnas->dialoog);
            EXPECT_EQ(d.LabelMeetwaarde->text(), "252.4");
            EXPECT_EQ(d.LabelGraden->text(), "25.0°C");
            Klik(d, "OKButton");
        });
    });
    EXPECT_TRUE(Kalibreer());
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    EXPECT_FLOAT_EQ(Record(0, 1).MilliVolt1, 252.4f);
    EXPECT_NEAR(Record(0, 1).Nulpunt, 2.4f, 1e-4f);
}

// Cancel, Escape and the title bar close without storing; the module is reset on every close.
TEST_F(DialogCalibration1pTest, CancelEscapeAndTheTitleBarStoreNothing) {
    harnas->ZetLezing(20.0f, 25.0f);
    Na(2000, [](D& d) {
        Typ(d, "0");
        Klik(d, "CancelButton");
    });
    EXPECT_FALSE(Kalibreer());
    EXPECT_FALSE(Afbreken);
    NieuwHarnas();
    Na(2000, [](D& d) {
        Typ(d, "0");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(Kalibreer());
    NieuwHarnas();
    Na(2000, [](D& d) {
        Typ(d, "0");
        d.close();
    });
    EXPECT_FALSE(Kalibreer());
    EXPECT_FALSE(QFile::exists(CalPad()));
    EXPECT_TRUE(LeesInstelling(AppNaam, "Calibration mV", "RecentStandard1", "").isEmpty());
    EXPECT_EQ(Resets(), 3);
}

// OK over range does nothing; an empty standard asks for one.
TEST_F(DialogCalibration1pTest, OKIsIgnoredOverRangeAndAnEmptyStandardIsAskedFor) {
    harnas->ZetLezing(2100.0f, 25.0f);
    Na(2000, [this](D& d) {
        EXPECT_EQ(d.LabelMeetwaarde->text(), "2000.0");
        Typ(d, "0");
        Klik(d, "OKButton");
        harnas->ZetLezing(10.0f, 25.0f);
        harnas->Na(1600, [this] {
            D& d = Een(*harnas->dialoog);
            EXPECT_TRUE(harnas->meldingen.empty());
            d.ComboBufferwaarde->setEditText("");
            Klik(d, "OKButton");
            harnas->Na(100, [this] { Klik(*harnas->dialoog, "CancelButton"); });
        });
    });
    EXPECT_FALSE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[281]);
}

// The oxygen scale against the saturation at the measured temperature and the air pressure: refused
// below 0.0813, stored with the pressure, which becomes the setting.
TEST_F(DialogCalibration1pTest, OxygenScaleIsCheckedAndStoredWithTheAirPressure) {
    ZetEenheid("mg/l");
    BewaarInstelling(AppNaam, "Calibration Oxygen", "Air Pressure", "1013");
    const float S = ZuurstofVerzadiging(25.0f, 0.0f, 1013.0f);
    harnas->ZetLezing(200.0f, 25.0f); // scale about 0.041
    Na(2000, [this, S](D& d) {
        EXPECT_FALSE(d.ComboBufferwaarde->isEnabled());
        EXPECT_EQ(d.TextExtra->text(), "1013");
        EXPECT_NEAR(d.ComboBufferwaarde->currentText().toFloat(), S, 0.006f);
        Klik(d, "OKButton");
        harnas->ZetLezing(50.0f, 25.0f);
        harnas->Na(1600, [this] { Klik(*harnas->dialoog, "OKButton"); });
    });
    EXPECT_TRUE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[321] + "\r\n\r\n" + Tekst[283] + ": 0.081/0.542 (mg/l)/mV");
    EXPECT_TRUE(harnas->meldingen[0].titel.startsWith(Tekst[286] + "= 0.04"))
        << harnas->meldingen[0].titel.toStdString();
    const KalibratieRecord r = Record(0, 3);
    EXPECT_NEAR(r.Helling, S / 50.0f, 0.0002f);
    EXPECT_EQ(r.Nulpunt, 0.0f);
    EXPECT_EQ(r.Standaard2, 1013.0f);
    EXPECT_FLOAT_EQ(r.MilliVolt1, 50.0f);
    EXPECT_EQ(Luchtdruk, 1013.0f);
}

// Oxygen needs the temperature sensor.
TEST_F(DialogCalibration1pTest, OxygenWithoutATemperatureSensorIsRefused) {
    ZetEenheid("%");
    emulator.module(ModuleNr)->status = 0;
    harnas->ZetLezing(50.0f, 25.0f);
    Na(2000, [this](D& d) {
        Klik(d, "OKButton");
        harnas->Na(100, [this] { Klik(*harnas->dialoog, "CancelButton"); });
    });
    EXPECT_FALSE(Kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[284]);
}

// Reset on an oxygen input stores the default calibration and closes.
TEST_F(DialogCalibration1pTest, ResetOnOxygenStoresTheDefaultScaleAndCloses) {
    ZetEenheid("mg/l");
    harnas->ZetLezing(50.0f, 25.0f);
    Na(2000, [](D& d) { Klik(d, "CommandReset"); });
    EXPECT_TRUE(Kalibreer());
    EXPECT_EQ(harnas->toestanden, (std::vector<int>{D::Meten, D::Gesloten}));
    const KalibratieRecord r = Record(0, 3);
    EXPECT_FLOAT_EQ(r.Helling, 0.1626f);
    EXPECT_EQ(r.Standaard2, 1000.0f);
    EXPECT_EQ(r.Nulpunt, 0.0f);
    EXPECT_EQ(r.Standaard1, 0.0f);
    EXPECT_EQ(Record(1, 3).Tijdstip, 0.0) << "one record only";
    EXPECT_EQ(Resets(), 1);
}

// A temperature input (5..8) without a sensor: any value becomes the manual temperature; no calibration
// record is added.
TEST_F(DialogCalibration1pTest, ATemperatureInputWithoutSensorTakesTheManualTemperature) {
    emulator.module(ModuleNr)->status = 0;
    Racks[1].Modules[Positie].Temperatuur[1].Unit = QStringLiteral("°F");
    Na(2000, [](D& d) {
        EXPECT_EQ(d.windowTitle(), "°F Calibration: Rack 1 Module 2 Input 1");
        EXPECT_EQ(d.LabelBuffer->text(), Tekst[310] + " (°F):");
        EXPECT_FALSE(d.CommandReset->isEnabled());
        Typ(d, "300");
        EXPECT_EQ(d.ComboBufferwaarde->currentText(), "266.0");
        Typ(d, "86");
        Klik(d, "OKButton");
    });
    EXPECT_TRUE(Kalibreer(5));
    EXPECT_TRUE(harnas->meldingen.empty()) << Meldingen().join(" | ").toStdString();
    EXPECT_NEAR(HandTemperaturen[1][Positie][1], 30.0f, 1e-4f);
    const KalibratieRecord t = Record(0, 5);
    EXPECT_NEAR(t.Temperatuur2, 30.0f, 1e-4f);
    EXPECT_EQ(Record(1, 5).Temperatuur2, 0.0f) << "no new generation";
}

// With a sensor the offset of the temperature sensor is calibrated, within 10 °C, and kept in °C.
TEST_F(DialogCalibration1pTest, ATemperatureSensorOffsetIsStoredWithinTenDegrees) {
    harnas->ZetLezing(0.0f, 31.0f);
    Na(2000, [this](D& d) {
        EXPECT_EQ(d.LabelMeetwaarde->text(), "31.0");
        EXPECT_EQ(d.LabelBuffer->text(), "Calibrate at (°C):");
        Typ(d, "20.9");
        Klik(d, "OKButton");
        harnas->Na(100, [this] {
            Typ(*harnas->dialoog, "21");
            Klik(*harnas->dialoog, "OKButton");
        });
    });
    EXPECT_TRUE(Kalibreer(5));
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[282] + "\r\n\r\n" + Tekst[283] + ": -10.0/10.0°C");
    const KalibratieRecord t = Record(0, 5);
    EXPECT_NEAR(t.Nulpunt, 10.0f, 1e-4f);
    EXPECT_FLOAT_EQ(t.Standaard1, 21.0f);
    EXPECT_EQ(t.Helling, 1.0f);
    EXPECT_EQ(LeesInstelling(AppNaam, "Calibration °C", "RecentStandard1", ""), "21.0");
}

// A temperature calibration whose file cannot be written is reported, is not called stored and does
// not become a recent standard.
TEST_F(DialogCalibration1pTest, ATemperatureCalibrationThatCannotBeStoredIsNotCalledStored) {
    QFile blokkade(tijdelijkeMap() + QStringLiteral("/geen-map"));
    ASSERT_TRUE(blokkade.open(QIODevice::WriteOnly));
    blokkade.close();
    MapKalibratie = blokkade.fileName();
    harnas->ZetLezing(0.0f, 21.5f);
    Na(2000, [](D& d) {
        Typ(d, "21");
        Klik(d, "OKButton");
    });
    EXPECT_FALSE(Kalibreer(5));
    EXPECT_FALSE(harnas->meldingen.empty());
    EXPECT_TRUE(LeesInstelling(AppNaam, "Calibration °C", "RecentStandard1", "").isEmpty());
}

// The fields limit what is typed: mV 2500 becomes 2000.0, the air pressure 1300 is shown as stored and
// becomes 1200 on leaving the field.
TEST_F(DialogCalibration1pTest, TheFieldsLimitWhatIsTyped) {
    Na(2000, [](D& d) {
        Typ(d, "2500");
        EXPECT_EQ(d.ComboBufferwaarde->currentText(), "2000.0");
        Typ(d, "-2500");
        EXPECT_EQ(d.ComboBufferwaarde->currentText(), "-2000.0");
        Klik(d, "CancelButton");
    });
    Kalibreer();
    ZetEenheid("mg/l");
    BewaarInstelling(AppNaam, "Calibration Oxygen", "Air Pressure", "1300");
    NieuwHarnas();
    Na(2000, [](D& d) {
        EXPECT_EQ(d.TextExtra->text(), "1300");
        d.TextExtra->selectAll();
        QTest::keyClicks(d.TextExtra, "700");
        QTest::keyClick(d.TextExtra, Qt::Key_Return);
        EXPECT_EQ(d.TextExtra->text(), "800");
        Klik(d, "CancelButton");
    });
    Kalibreer();
}

// The dialog for each kind of input in each language, as the user sees it: every text whole. With
// K740_SCREENSHOTS set to a folder (scripts/screenshot-eenpuntkalibratie) each is also kept there as a
// picture, eenpunt-<language>-<kind>.png.
TEST_F(DialogCalibration1pTest, EveryKindShowsItsTextsWholeInEveryLanguage) {
    SchrijfRecenteStandaard("Calibration mV", "0.0", 5);
    SchrijfRecenteStandaard("Calibration mV", "225.0", 5);
    struct Soort {
        const char* naam;
        const char* eenheid;
        int ingang;
        float mV;
    };
    const std::vector<Soort> soorten{
        {"mv", "mV", 1, 231.4f}, {"oxygen", "mg/l", 1, 49.7f}, {"temperature", "mV", 5, 0.0f}};
    InElkeTaal([&](const QString& taal) {
        for (const Soort& s : soorten) {
            ZetEenheid(s.eenheid);
            NieuwHarnas();
            harnas->ZetLezing(s.mV, 24.3f);
            const std::string waar = taal.toStdString() + " " + s.naam;
            Na(2000, [&](D& d) {
                if (d.Soort() == EenpuntSoort::Millivolt) d.ComboBufferwaarde->setCurrentIndex(0);
                QCoreApplication::processEvents();
                EXPECT_FALSE(d.LabelMeetwaarde->text().isEmpty()) << waar;
                ControleerStap("eenpunt", taal, s.naam, &d);
                // The title bar shows the caption whole: the room the style leaves for it at the
                // dialog's width holds it in bold.
                QFont vet = d.font();
                vet.setBold(true);
                EXPECT_LE(QFontMetrics(vet).horizontalAdvance(d.windowTitle()), TitelbalkTekstRuimte(d))
                    << waar << " " << d.windowTitle().toStdString() << " in " << d.width();
                Klik(d, "CancelButton");
            });
            EXPECT_FALSE(Kalibreer(s.ingang)) << waar;
        }
    });
}

// The dry-cell zero of a conductivity input: measured in range 0, accepted up to 38.95 (0.1 mV) and
// stored as the input's zero value; the range of the input comes back on closing, after Cancel too
// (Cancel leaves the abort flag set, which must not keep the range command from being sent).
TEST_F(DialogCalibration1pTest, TheDryCellZeroIsMeasuredInRangeZeroAndTheRangeComesBack) {
    constexpr int Plaats = 4;
    constexpr int32_t Geleidbaarheid = K762Idno(1, 2, 6);
    PlaatsRack(emulator, 1, RackIdno(0, 0, 1), {{Positie, ModuleNr}, {Plaats, Geleidbaarheid}});
    KanaalRecord& k = Racks[1].Modules[Plaats].Meting[1];
    k.Unit = QStringLiteral("S/cm");
    k.Resolution = 2;
    emulator.module(Geleidbaarheid)->bereik[0] = 2;
    ASSERT_TRUE(LaadKalibratieK762(1, Plaats, 0));
    harnas.reset();
    harnas = std::make_unique<KalibratieHarnas>(klok(), emulator, Geleidbaarheid, 1);
    const auto kalibreer = [&] {
        bool opgeslagen = false;
        harnas->Draai([&] { opgeslagen = ToonEenpuntsKalibratie(1, Plaats, 1, Racks[1].Modules[Plaats]); });
        return opgeslagen;
    };

    harnas->ZetLezing(3.8f, 25.0f);
    Na(2000, [this](D& d) {
        EXPECT_EQ(emulator.module(Geleidbaarheid)->bereik[0], 0);
        EXPECT_FALSE(d.ComboBufferwaarde->isVisible());
        EXPECT_EQ(d.LabelBuffer->text(), Tekst[467]);
        Klik(d, "CancelButton");
    });
    EXPECT_FALSE(kalibreer());
    EXPECT_EQ(emulator.module(Geleidbaarheid)->bereik[0], 2);
    EXPECT_EQ(k.Resolution, 2);

    harnas.reset();
    harnas = std::make_unique<KalibratieHarnas>(klok(), emulator, Geleidbaarheid, 1);
    harnas->ZetLezing(3.9f, 25.0f);
    Na(2000, [this](D& d) {
        EXPECT_EQ(d.LabelBuffer->text(), Tekst[468]);
        Klik(d, "OKButton");
        harnas->ZetLezing(3.8f, 25.0f);
        harnas->Na(1600, [this] { Klik(*harnas->dialoog, "OKButton"); });
    });
    EXPECT_TRUE(kalibreer());
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst, Tekst[468] + "\r\n\r\n" + Tekst[467]);
    EXPECT_EQ(harnas->meldingen[0].stijl, 0);
    EXPECT_FLOAT_EQ(Racks[1].Modules[Plaats].Temperatuur[1].Extra, 38.0f);
    QByteArray inhoud;
    platform::LeesBestand(KalibratieBestandsnaam(1, Plaats, MapKalibratie, QStringLiteral(".cal")), inhoud);
    EXPECT_FLOAT_EQ(LeesKalibratieRecord(inhoud, KalibratieRecordNummer(0, 1, 1, SoortenK762)).MilliVolt2,
                    38.0f);
    EXPECT_EQ(emulator.module(Geleidbaarheid)->bereik[0], 2);
}
