// The conductivity and oxygen options dialogs.
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "acquisition/K761.h"
#include "acquisition/Programmastatus.h"
#include "rackviews/FormOptionsEC.h"
#include "rackviews/FormOptionsOx.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {
QString u8(const char* t) {
    return QString::fromUtf8(t);
}
void Kies(QComboBox* lijst, int index) {
    lijst->setCurrentIndex(index);
    emit lijst->activated(index);
}
} // namespace

class OptiesTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        melding.beantwoord = [this](const Vraag& v) {
            meldingen.push_back(v.tekst + QStringLiteral(" | ") + v.titel);
            return static_cast<int>(vbOK);
        };
        ZetMeldingVenster(&melding);
    }
    void TearDown() override {
        ZetMeldingVenster(nullptr);
        SchoneOmgeving::TearDown();
    }
    OpnameMelding melding;
    std::vector<QString> meldingen;
};

TEST_F(OptiesTest, TheRangeListFollowsTheCellTypeAndKeepsTheChosenIndex) {
    FormOptionsEC d;
    d.TypeCC = 0;
    d.Bereik = 3;
    d.Laad();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Conductivity options"));
    EXPECT_EQ(d.ComboTypeCC->currentText(), QStringLiteral("1 cm-1"));
    EXPECT_EQ(d.ComboBereik->currentText(), u8("200.0 mS"));
    Kies(d.ComboTypeCC, 3);
    EXPECT_EQ(d.ComboBereik->currentIndex(), 3);
    EXPECT_EQ(d.ComboBereik->currentText(), u8("2000 mS"));
    Kies(d.ComboBereik, 1);
    Kies(d.ComboTypeCC, 0);
    EXPECT_EQ(d.ComboBereik->currentText(), u8("20.00 µS"));
    d.OKButton->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.TypeCC, -2);
    EXPECT_EQ(d.Bereik, 1);
}

TEST_F(OptiesTest, CancelReturnsTheCellTypeAndRangeAsTheCallerSetThem) {
    FormOptionsEC d;
    d.TypeCC = -1;
    d.Bereik = 2;
    TemperatuurCompensatie = true;
    ReferentieTemperatuur = 1;
    d.Laad();
    Kies(d.ComboTypeCC, 3);
    Kies(d.ComboBereik, 0);
    d.OptionRefTemp[0]->click();
    d.CancelButton->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(d.TypeCC, -1);
    EXPECT_EQ(d.Bereik, 2);
    EXPECT_EQ(ReferentieTemperatuur, 1);
    EXPECT_FALSE(ConfiguratieGewijzigd);
}

TEST_F(OptiesTest, TheReferenceTemperatureChangesOnlyWithATCOn) {
    TemperatuurCompensatie = true;
    ReferentieTemperatuur = 1;
    {
        FormOptionsEC d;
        d.Laad();
        EXPECT_TRUE(d.CheckATC->isChecked());
        EXPECT_TRUE(d.OptionRefTemp[1]->isChecked());
        EXPECT_EQ(d.ImageATC->plaatje(), 105);
        // ATC off: the reference temperature greyed, and OK keeps the one there was.
        d.CheckATC->click();
        EXPECT_FALSE(d.FrameRefTemp->isEnabled());
        EXPECT_FALSE(d.OptionRefTemp[0]->isEnabled());
        EXPECT_EQ(d.ImageATC->plaatje(), 106);
        d.OptionRefTemp[0]->setChecked(true);
        d.OKButton->click();
    }
    EXPECT_FALSE(TemperatuurCompensatie);
    EXPECT_EQ(ReferentieTemperatuur, 1);
    EXPECT_TRUE(ConfiguratieGewijzigd);

    ConfiguratieGewijzigd = false;
    FormOptionsEC d;
    d.Laad();
    EXPECT_FALSE(d.OptionRefTemp[0]->isEnabled());
    d.CheckATC->click();
    d.OptionRefTemp[0]->click();
    d.OKButton->click();
    EXPECT_TRUE(TemperatuurCompensatie);
    EXPECT_EQ(ReferentieTemperatuur, 0);
    EXPECT_TRUE(ConfiguratieGewijzigd);
}

TEST_F(OptiesTest, TheAirPressureIsTakenFrom800To1200hPa) {
    const QString sectie = QStringLiteral("Calibration Oxygen");
    const QString sleutel = QStringLiteral("Air Pressure");
    {
        FormOptionsOx d;
        d.Laad();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Dissolved oxygen options"));
        EXPECT_EQ(d.MaskEdBoxLuchtdruk->text(), QStringLiteral("1000"));
        // Four digits at most, nothing else.
        d.MaskEdBoxLuchtdruk->clear();
        QTest::keyClicks(d.MaskEdBoxLuchtdruk, QStringLiteral("9x87,65"));
        EXPECT_EQ(d.MaskEdBoxLuchtdruk->text(), QStringLiteral("9876"));
        // Cancel after typing changes nothing.
        d.MaskEdBoxLuchtdruk->setText(QStringLiteral("900"));
        d.CancelButton->click();
    }
    EXPECT_FLOAT_EQ(Luchtdruk, 1000.0f);
    EXPECT_EQ(LeesInstelling(AppNaam, sectie, sleutel, "none"), QStringLiteral("none"));

    for (const char* fout : {"799", "1201", ""}) {
        FormOptionsOx d;
        d.Laad();
        d.MaskEdBoxLuchtdruk->setText(QString::fromLatin1(fout));
        d.OKButton->click();
        EXPECT_EQ(d.result(), QDialog::Rejected) << fout;
        EXPECT_FLOAT_EQ(Luchtdruk, 1000.0f) << fout;
    }
    ASSERT_EQ(meldingen.size(), 3u);
    EXPECT_EQ(
        meldingen[0],
        QStringLiteral("The air pressure should be between 800 and 1200 hPa! | Dissolved oxygen options"));

    for (const char* goed : {"800", "1200"}) {
        FormOptionsOx d;
        d.Laad();
        d.MaskEdBoxLuchtdruk->setText(QString::fromLatin1(goed));
        d.OKButton->click();
        EXPECT_EQ(d.result(), QDialog::Accepted) << goed;
        EXPECT_EQ(LeesInstelling(AppNaam, sectie, sleutel, "none"), QString::fromLatin1(goed));
        EXPECT_FLOAT_EQ(Luchtdruk, QString::fromLatin1(goed).toFloat());
    }
    FormOptionsOx d;
    d.Laad();
    EXPECT_EQ(d.MaskEdBoxLuchtdruk->text(), QStringLiteral("1200"));
}
