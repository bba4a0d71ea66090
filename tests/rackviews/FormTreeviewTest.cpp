#include "rackviews/FormTreeview.h"
#include "SchoneOmgeving.h"
#include "Voorbeeldrack.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Systeemboom.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
QString u8(const char* t) {
    return QString::fromUtf8(t);
}

class PoortVenster : public Hoofdvenster {
public:
    QString PoortNaam() const override { return QStringLiteral("/dev/ttyUSB0"); }
};
} // namespace

class FormTreeviewTest : public SchoneOmgeving {
protected:
    QString ingang(int r, int m, int k, const char* blad) {
        return boom.KnoopTekst(FormTreeview::KanaalSleutel(r, m, k) + u8(blad));
    }
    QString temperatuur(int r, int m, int k, const char* blad) {
        return boom.KnoopTekst(FormTreeview::KanaalSleutel(r, m, k) + u8("°C") + u8(blad));
    }
    FormTreeview boom;
};

TEST_F(FormTreeviewTest, WithoutRacksOnlyThePortShows) {
    boom.Laad();
    EXPECT_TRUE(BoomZichtbaar);
    EXPECT_EQ(Systeemboom(), &boom);
    ASSERT_EQ(boom.TreeView->topLevelItemCount(), 1);
    EXPECT_EQ(boom.TreeView->topLevelItem(0)->text(0), "COM1");
    EXPECT_EQ(boom.TreeView->topLevelItem(0)->childCount(), 0);
    EXPECT_EQ(boom.windowTitle(), "COM1");
    EXPECT_EQ(boom.Tag, "Boomstructuur");
}

TEST_F(FormTreeviewTest, TheRootNamesThePortOfTheMainWindow) {
    PoortVenster hoofd;
    ZetHoofdvenster(&hoofd);
    boom.Laad();
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::PoortSleutel()), "/dev/ttyUSB0");
}

TEST_F(FormTreeviewTest, AllSevenSlotsAreListedButOnlyPresentModulesHaveChildren) {
    Racks[2].Present = true;
    Racks[2].Idno = 0x01000F0F;
    Racks[2].Name = "  Rack 1.0.F.F";
    for (int m : {1, 3}) {
        Racks[2].Modules[m].Present = true;
        Racks[2].Modules[m].Name = QStringLiteral(" Slot %1 ").arg(m);
    }
    boom.Laad();
    QTreeWidgetItem* rack = boom.Knoop(FormTreeview::RackSleutel(2));
    ASSERT_NE(rack, nullptr);
    EXPECT_EQ(rack->text(0), "Rack 1.0.F.F");
    EXPECT_TRUE(rack->isExpanded());
    ASSERT_EQ(rack->childCount(), 8); // identification and seven slots
    EXPECT_EQ(rack->child(0)->text(0), "Identification no. = 1.0.F.F");
    for (int m = 1; m <= 7; ++m) {
        QTreeWidgetItem* slot = boom.Knoop(FormTreeview::ModuleSleutel(2, m));
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->childCount() > 0, m == 1 || m == 3) << m;
        EXPECT_FALSE(slot->isExpanded());
    }
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::ModuleSleutel(2, 3)), "Slot 3");
    // Module: identification, information and four inputs.
    EXPECT_EQ(boom.Knoop(FormTreeview::ModuleSleutel(2, 1))->childCount(), 6);
}

TEST_F(FormTreeviewTest, ValueTextsBeforeAndAfterTheFirstPoll) {
    VulVoorbeeldrack(1);
    HandTemperaturen[1][1][2] = 25.0f;
    Racks[1].Modules[1].Temperatuur[2].Unit = u8("°F");
    boom.Laad();
    EXPECT_EQ(ingang(1, 1, 1, ""), "Tank A");
    EXPECT_EQ(ingang(1, 1, 1, "Checked"), "Show = True");
    EXPECT_EQ(ingang(1, 1, 1, "Flags"), "Flags = 16");
    EXPECT_EQ(ingang(1, 1, 1, "mV"), "Input Value = 7.0");
    EXPECT_EQ(ingang(1, 1, 1, "Value"), "Calculated Value = 7.01");
    EXPECT_EQ(ingang(1, 1, 1, "IndexA"), "Offset = 0");
    EXPECT_EQ(ingang(1, 1, 1, "IndexB"), "Scale = 1");
    EXPECT_EQ(ingang(1, 1, 1, "Unit"), "Unit = pH      ");
    EXPECT_EQ(temperatuur(1, 1, 1, ""), "Temperature");
    EXPECT_EQ(temperatuur(1, 1, 1, "ADC"), "Input = 21.5");
    EXPECT_EQ(temperatuur(1, 1, 2, "Value"), "Value = 71.1"); // 21.7 °C in °F
    EXPECT_EQ(temperatuur(1, 1, 2, "Manual°C"), "Manual value = 77");
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::ModuleSleutel(1, 1) + "infoType"), "Type = K761");
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::ModuleSleutel(1, 1) + "infoStatus"), "Status = 15");

    // The poll cycle rewrites the measured values of the module it polled.
    KanaalRecord& k = Racks[1].Modules[1].Meting[1];
    k.AdcWaarde = -1234;
    k.Waarde = 6.5f;
    Racks[1].Modules[1].Temperatuur[1].AdcWaarde = 223;
    Racks[1].Modules[1].Temperatuur[1].Waarde = 22.3f;
    Racks[1].Modules[1].Status = 7;
    AanpassenMetingenTreeView(1, 1);
    EXPECT_EQ(ingang(1, 1, 1, "mV"), "Input = -123.4");
    EXPECT_EQ(ingang(1, 1, 1, "Value"), "Value = 6.5");
    EXPECT_EQ(temperatuur(1, 1, 1, "ADC"), "Input = 22.3");
    EXPECT_EQ(temperatuur(1, 1, 1, "Value"), "Value = 22.3");
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::ModuleSleutel(1, 1) + "infoStatus"), "Status = 7");
    EXPECT_EQ(ingang(1, 1, 1, "IndexA"), "Offset = 0"); // settings are not rewritten by a poll
    EXPECT_EQ(ingang(1, 2, 1, "mV"), "Input Value = 123.4");

    // A full rewrite gives the settings their own texts.
    AanpassenTreeView();
    EXPECT_EQ(ingang(1, 1, 1, "mV"), "Input Value= -123.4");
    EXPECT_EQ(ingang(1, 1, 1, "Value"), "Calculated Value = 6.5");
    EXPECT_EQ(ingang(1, 1, 1, "IndexA"), "factor A = 0");
    EXPECT_EQ(ingang(1, 1, 1, "IndexB"), "factor B = 1");
}

TEST_F(FormTreeviewTest, NothingIsWrittenWhileTheTreeIsNotShown) {
    VulVoorbeeldrack(1);
    boom.Laad();
    boom.close();
    EXPECT_FALSE(BoomZichtbaar);
    EXPECT_EQ(Systeemboom(), nullptr);
    Racks[1].Modules[1].Meting[1].Waarde = 1;
    AanpassenMetingenTreeView(1, 1);
    AanpassenTreeView();
    EXPECT_EQ(ingang(1, 1, 1, "Value"), "Calculated Value = 7.01");
}

TEST_F(FormTreeviewTest, ARebuildShowsRacksThatLoggedOnSince) {
    boom.Laad();
    VulVoorbeeldrack(4);
    AanpassenMetingenTreeView(4, 1); // no node yet: nothing happens
    EXPECT_EQ(boom.Knoop(FormTreeview::RackSleutel(4)), nullptr);
    HerbouwTreeView();
    ASSERT_NE(boom.Knoop(FormTreeview::RackSleutel(4)), nullptr);
    EXPECT_EQ(boom.KnoopTekst(FormTreeview::ModuleSleutel(4, 2)), "Redox");
}

TEST_F(FormTreeviewTest, ClickingANodeShowsItsPathInTheCaption) {
    VulVoorbeeldrack(1);
    boom.Laad();
    boom.show();
    boom.TreeView->expandAll();
    QTreeWidgetItem* knoop = boom.Knoop(FormTreeview::KanaalSleutel(1, 1, 2) + u8("°C"));
    ASSERT_NE(knoop, nullptr);
    boom.TreeView->scrollToItem(knoop);
    const QRect plaats = boom.TreeView->visualItemRect(knoop);
    QTest::mouseClick(boom.TreeView->viewport(), Qt::LeftButton, {}, plaats.center());
    EXPECT_EQ(boom.windowTitle(), "COM1\\Rack 1.0.0.1\\pH module\\Tank B\\Temperature");
}
