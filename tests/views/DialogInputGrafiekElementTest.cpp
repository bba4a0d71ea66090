// The curve input picker as the settings dialog uses it: set up, shown modally, answered, read back.
#include "views/DialogInputGrafiekElement.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/RackModel.h"
#include "shared/Melding.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

class DialogInputGrafiekElementTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        melding.beantwoord = [this](const Vraag& v) {
            meldingen.push_back(v.tekst + QStringLiteral(" | ") + v.titel);
            stijlen.push_back(v.stijl);
            return static_cast<int>(vbOK);
        };
        ZetMeldingVenster(&melding);
    }

    // Shows the picker on (rack, module, code) and runs `actie` on it as soon as it waits; a picker
    // still open long after (in virtual time) fails and is cancelled.
    void toon(int rack, int module, int code, std::function<void(DialogInputGrafiekElement&)> actie) {
        kiezer.Rnr = static_cast<int16_t>(rack);
        kiezer.Mnr = static_cast<int16_t>(module);
        kiezer.Knr = static_cast<int16_t>(code);
        klok().planIn(0, [this, actie] {
            ASSERT_TRUE(kiezer.isVisible());
            actie(kiezer);
        });
        klok().planIn(600000, [this] {
            if (!kiezer.isVisible()) return;
            ADD_FAILURE() << "picker left open";
            kiezer.CancelButton->click();
        });
        kiezer.ToonModaal();
    }
    static QString gekozen(const QListWidget* lijst) {
        return lijst->currentItem() ? lijst->currentItem()->text() : QStringLiteral("<none>");
    }

    OpnameMelding melding;
    DialogInputGrafiekElement kiezer;
    std::vector<QString> meldingen;
    std::vector<int> stijlen;
};

TEST_F(DialogInputGrafiekElementTest, WithoutAChoiceItStartsOnTheFirstPresentRackAndModule) {
    VulVoorbeeldrack(2);
    VulVoorbeeldrack(5);
    Racks[2].Modules[1].Present = false;
    kiezer.Grafiek = QStringLiteral("Graph 4");
    kiezer.LijnNr = 7;
    toon(0, 0, 0, [this](DialogInputGrafiekElement& k) {
        EXPECT_EQ(k.windowTitle(), QStringLiteral("Select input for Graph 4, Line number 7"));
        ASSERT_EQ(k.ListRacks->count(), 3); // the empty item, racks 2 and 5
        EXPECT_EQ(k.ListRacks->item(0)->text(), QString());
        EXPECT_EQ(gekozen(k.ListRacks), QStringLiteral("Rack2: (Rack 1.0.0.2)"));
        EXPECT_EQ(k.ListModules->count(), 7);
        EXPECT_EQ(gekozen(k.ListModules), QStringLiteral("Module2: (Redox)"));
        ASSERT_EQ(k.ListInputs->count(), 9);
        EXPECT_EQ(k.ListInputs->currentRow(), 0);
        EXPECT_EQ(k.ListInputs->item(8)->text(), QString::fromUtf8("Temperature4: (°C, ORP 4)"));
        // OK without an input asks for one and stays open.
        k.OKButton->click();
        ASSERT_EQ(meldingen.size(), 1u);
        EXPECT_EQ(meldingen[0], QStringLiteral("Select an input from the listbox! | Input"));
        EXPECT_EQ(stijlen[0], vbExclamation);
        EXPECT_TRUE(k.isVisible());
        k.ListInputs->setCurrentRow(3);
        k.OKButton->click();
    });
    EXPECT_FALSE(kiezer.isVisible());
    EXPECT_FALSE(kiezer.CancelGeklikt);
    EXPECT_EQ(kiezer.Rnr, 2);
    EXPECT_EQ(kiezer.Mnr, 2);
    EXPECT_EQ(kiezer.Knr, 3);
}

TEST_F(DialogInputGrafiekElementTest, TheCurvesChoiceIsSelectedAndFollowsAnotherRack) {
    VulVoorbeeldrack(1);
    VulVoorbeeldrack(2);
    VulVoorbeeldrack(3);
    Racks[3].Modules[3].Present = false;
    toon(2, 3, 6, [this](DialogInputGrafiekElement& k) {
        EXPECT_EQ(gekozen(k.ListRacks), QStringLiteral("Rack2: (Rack 1.0.0.2)"));
        EXPECT_EQ(gekozen(k.ListModules), QStringLiteral("Module3: (Oxygen)"));
        EXPECT_EQ(k.ListInputs->currentRow(), 6);
        EXPECT_EQ(gekozen(k.ListInputs), QString::fromUtf8("Temperature2: (°C, Saturation)"));
        // Rack 1 holds module 3 too: it stays chosen, and so does the input.
        k.ListRacks->setCurrentRow(1);
        EXPECT_EQ(k.Rnr, 1);
        EXPECT_EQ(gekozen(k.ListModules), QStringLiteral("Module3: (Oxygen)"));
        EXPECT_EQ(k.ListInputs->currentRow(), 6);
        // Rack 3 does not: no module is chosen, no input offered, and OK asks for a module.
        k.ListRacks->setCurrentRow(3);
        EXPECT_EQ(k.ListModules->count(), 7);
        EXPECT_LT(k.ListModules->currentRow(), 1);
        EXPECT_EQ(k.ListInputs->count(), 1);
        k.OKButton->click();
        ASSERT_EQ(meldingen.size(), 1u);
        EXPECT_EQ(meldingen[0], QStringLiteral("Select a module from the listbox! | Module"));
        EXPECT_TRUE(k.isVisible());
        k.ListModules->setCurrentRow(4); // module 5
        EXPECT_EQ(k.ListInputs->currentRow(), 6);
        k.OKButton->click();
    });
    EXPECT_FALSE(kiezer.CancelGeklikt);
    EXPECT_EQ(kiezer.Rnr, 3);
    EXPECT_EQ(kiezer.Mnr, 5);
    EXPECT_EQ(kiezer.Knr, 6);
}

TEST_F(DialogInputGrafiekElementTest, NoRackClearAndTheTitleBar) {
    // No rack present: only the empty item, and OK asks for a rack.
    toon(0, 0, 0, [this](DialogInputGrafiekElement& k) {
        EXPECT_EQ(k.ListRacks->count(), 1);
        k.OKButton->click();
        ASSERT_EQ(meldingen.size(), 1u);
        EXPECT_EQ(meldingen[0], QStringLiteral("Select a rack from the listbox! | Rack"));
        EXPECT_TRUE(k.isVisible());
        k.CancelButton->click();
    });
    EXPECT_TRUE(kiezer.CancelGeklikt);
    EXPECT_EQ(kiezer.Rnr, 0);

    // Clear: the curve has no input.
    VulVoorbeeldrack(1);
    toon(1, 2, 3, [](DialogInputGrafiekElement& k) { k.CommandWissen->click(); });
    EXPECT_FALSE(kiezer.CancelGeklikt);
    EXPECT_EQ(kiezer.Rnr, 0);
    EXPECT_EQ(kiezer.Mnr, 0);
    EXPECT_EQ(kiezer.Knr, 0);

    // The title bar and Escape are Cancel.
    toon(1, 2, 3, [](DialogInputGrafiekElement& k) { k.close(); });
    EXPECT_TRUE(kiezer.CancelGeklikt);
    toon(1, 2, 3, [](DialogInputGrafiekElement& k) { QTest::keyClick(&k, Qt::Key_Escape); });
    EXPECT_TRUE(kiezer.CancelGeklikt);
    EXPECT_FALSE(kiezer.isVisible());
}
