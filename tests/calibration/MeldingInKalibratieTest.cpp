// A message box asked by a calibration dialog, which is modal, takes the keyboard: the user answers it
// with Enter and goes on in the dialog.
#include "EchteMelding.h"
#include "KalibratieHarnas.h"
#include "acquisition/Frames.h"
#include "acquisition/RackModel.h"
#include "calibration/DialogCalibration1p.h"
#include "shared/Teksten.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int Positie = 2;
constexpr int32_t ModuleNr = K761Idno(1, 2, 4);

class MeldingInKalibratieTest : public KalibratieOmgeving {
protected:
    MeldingInKalibratieTest() : KalibratieOmgeving(Positie, ModuleNr, 1) {}
};

void Typ(KalibratieDialoog& d, const QString& tekst) {
    QLineEdit* veld = static_cast<DialogCalibration1p&>(d).ComboBufferwaarde->lineEdit();
    veld->selectAll();
    QTest::keyClicks(veld, tekst);
    QTest::keyClick(veld, Qt::Key_Return);
}

TEST_F(MeldingInKalibratieTest, TheOffsetTooLargeBoxIsAnsweredWithEnterAndTheDialogGoesOn) {
    Racks[1].Modules[Positie].Meting[1].Unit = QStringLiteral("mV");
    EchteMelding box;
    harnas->antwoord = [&box](const KalibratieHarnas::Melding& m) {
        return box.Toon(m.tekst, m.stijl, m.titel);
    };
    harnas->ZetLezing(130.1f, 25.0f);
    harnas->Bij(DialogCalibration1p::Meten, [this](KalibratieDialoog&) {
        harnas->Na(2000, [this] {
            Typ(*harnas->dialoog, QStringLiteral("30"));
            Klik(*harnas->dialoog, "OKButton");
            // After the box: the dialog is still there and takes the corrected standard.
            harnas->Na(3000, [this] {
                ASSERT_NE(harnas->dialoog, nullptr);
                EXPECT_TRUE(harnas->dialoog->isVisible());
                Typ(*harnas->dialoog, QStringLiteral("130"));
                Klik(*harnas->dialoog, "OKButton");
            });
        });
    });
    bool opgeslagen = false;
    harnas->Draai([&] { opgeslagen = ToonEenpuntsKalibratie(1, Positie, 1, Racks[1].Modules[Positie]); });
    ASSERT_EQ(harnas->meldingen.size(), 1u);
    EXPECT_EQ(harnas->meldingen[0].tekst.left(Tekst[282].size()), Tekst[282]);
    EXPECT_EQ(box.getoond(), 1);
    EXPECT_EQ(box.geblokkeerd(), 0) << "the box took no key while the calibration dialog waited";
    EXPECT_TRUE(opgeslagen);
}

} // namespace
