// The graph settings dialog on a graph window of the example rack: what OK writes (the window and its
// configuration file, byte for byte), what Cancel and the close box leave alone, the curve grid with
// its picker, the recorder interval, and a new graph's Load waiting for the dialog.
#include "views/frmGrafiekInstellen.h"
#include "OpnameMelding.h"
#include "Opnametaal.h"
#include "SchoneOmgeving.h"
#include "TekstControle.h"
#include "Voorbeeldrack.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/Grafiekconfiguratie.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "views/Diagram.h"
#include "views/DialogInputGrafiekElement.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray LeesBytes(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Fixture(const char* naam) {
    return QStringLiteral(K740_VIEWS_DATA "/") + QLatin1String(naam);
}

const QString Vinkje = QStringLiteral("\u2713");

} // namespace

class frmGrafiekInstellenTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        QDir().mkpath(MapConfiguratie);
        VulVoorbeeldrack(1);
        melding.beantwoord = [](const Vraag&) { return static_cast<int>(vbOK); };
        ZetMeldingVenster(&melding);
        // The colour dialog answers with the next colour of this list.
        kleurkeuze.test = this;
        ZetBestandsdialogen(&kleurkeuze);
    }

    // Graph 1 reopened from the table-series fixture.
    frmGrafiek& grafiek1() {
        EXPECT_TRUE(QFile::copy(Fixture("Graph1.gcf"), GrafiekBestandsnaam(1)));
        frmGrafiek* g = MaakGrafiekVenster(1, false, false);
        EXPECT_NE(g, nullptr);
        return *g;
    }

    // Runs `actie` on the settings dialog as soon as it waits; a dialog still open long after (in
    // virtual time) fails and is cancelled.
    static void InHetDialoog(std::function<void(frmGrafiekInstellen&)> actie) {
        platform::klok().planIn(0, [actie] {
            frmGrafiekInstellen* d = GrafiekInstellenVenster();
            ASSERT_NE(d, nullptr);
            actie(*d);
        });
        platform::klok().planIn(600000, [] {
            if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) {
                ADD_FAILURE() << "settings dialog left open";
                d->reject();
            }
        });
    }
    bool open(int g, std::function<void(frmGrafiekInstellen&)> actie, int pagina = -1) {
        HuidigeGrafiek = static_cast<int16_t>(g);
        InHetDialoog(std::move(actie));
        return ToonGrafiekInstellingen(pagina);
    }
    // Runs `actie` on the curve input picker as soon as it waits.
    static void InDeKiezer(std::function<void(DialogInputGrafiekElement&)> actie) {
        platform::klok().planIn(0, [actie] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* k = qobject_cast<DialogInputGrafiekElement*>(w); k && k->isVisible()) {
                    actie(*k);
                    return;
                }
            ADD_FAILURE() << "no picker";
        });
    }
    // A click on the cell of curve n in column `kolom`, as the user makes it.
    static void klikCel(frmGrafiekInstellen& d, int n, int kolom) {
        d.SSTab->setCurrentIndex(PaginaCurven);
        QTableWidget* r = d.MSHFlexCurveLijnen;
        r->scrollToItem(d.CurveCel(n, kolom));
        QTest::mouseClick(r->viewport(), Qt::LeftButton, {},
                          r->visualItemRect(d.CurveCel(n, kolom)).center());
    }
    static void typ(QLineEdit* veld, const QString& tekst) {
        veld->selectAll();
        QTest::keyClicks(veld, tekst);
    }

    std::vector<int32_t> kleuren;
    std::vector<QString> kleurTitels;
    OpnameMelding melding;
    // Answers the colour dialog from `kleuren`, front first; Cancel when the list is empty.
    struct Kleurkeuze : Bestandsdialogen {
        frmGrafiekInstellenTest* test = nullptr;
        bool KiesKleur(int32_t& kleur, const QString& titel) override {
            test->kleurTitels.push_back(titel);
            if (test->kleuren.empty()) return false;
            kleur = test->kleuren.front();
            test->kleuren.erase(test->kleuren.begin());
            return true;
        }
    } kleurkeuze;
};

TEST_F(frmGrafiekInstellenTest, OKWritesTheWindowAndItsFileByteForByte) {
    frmGrafiek& g = grafiek1();
    kleuren = {RGBKleur(0, 160, 0), RGBKleur(200, 100, 0)};
    // Opened from the graph window, as its double-click and pop-up menu do.
    InHetDialoog([this](frmGrafiekInstellen& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Graph 1 - table series"));
        // Miscellaneous: the name with blanks around it, the interval typed as 00:00:00, the high
        // alarm at 9.5 in a new colour, the low alarm off, no legend.
        typ(d.TextGraphName, QStringLiteral("  Tanks A and B "));
        // The interval counts with the recorder off, too.
        d.CheckRecorder->click();
        typ(d.TextTussentijd, QStringLiteral("000000"));
        d.CheckRecorder->click();
        typ(d.TextAlarmHoog, QStringLiteral("9,5"));
        d.CommandKleurHoog->click();
        d.CheckAlarmLaag->click();
        d.CheckLegenda->click();
        // Time axis: too few points, too many divisions, row numbers as labels.
        typ(d.textGrafiekPunten, QStringLiteral("30"));
        typ(d.textTijdVerdelingen, QStringLiteral("25"));
        typ(d.TextTijdsTitel, QStringLiteral(" Hours "));
        d.OptionLabels[3]->click();
        // Value axis: a manual scale.
        d.checkAutoSchaal->click();
        typ(d.textGrafiekMaximum, QStringLiteral("12,5"));
        typ(d.textGrafiekMinimum, QStringLiteral("-2"));
        typ(d.textWaardenVerdelingen, QStringLiteral("1.5"));
        typ(d.textWaardenOnderverdelingen, QStringLiteral("0"));
        typ(d.TextWaardenAs, QStringLiteral("pH"));
        // Curves: curve 3 on the temperature of input 3 of module 2, curve 1 with its maximum line
        // and a new colour, curve 2 without its input any more.
        InDeKiezer([](DialogInputGrafiekElement& k) {
            EXPECT_EQ(k.Rnr, 1); // the rack and module of curve 2
            EXPECT_EQ(k.Mnr, 1);
            k.ListModules->setCurrentRow(2);
            k.ListInputs->setCurrentRow(7);
            k.OKButton->click();
        });
        klikCel(d, 3, KolomCurveIngang);
        EXPECT_EQ(d.CurveCel(3, KolomCurveIngang)->text(), QString::fromUtf8("Rack 1, Module2, °C3 (°C)"));
        klikCel(d, 1, KolomCurveMaximum);
        klikCel(d, 1, KolomCurveKleur);
        InDeKiezer([](DialogInputGrafiekElement& k) { k.CommandWissen->click(); });
        klikCel(d, 2, KolomCurveIngang);
        EXPECT_EQ(d.CurveCel(2, KolomCurveIngang)->text(), QString());
        d.CmdOK->click();
    });
    g.InstellingenWijzigen();
    EXPECT_EQ(kleurTitels, (std::vector<QString>{Tekst[175], Tekst[175]}));
    EXPECT_EQ(LeesBytes(GrafiekBestandsnaam(1)),
              LeesBytes(QStringLiteral(K740_VIEWS_DATA "/../golden/Graph1-ok.gcf")));

    // The window holds what its file holds, and the chart was rebuilt from it.
    const GrafiekInstellingen& s = g.Instellingen();
    EXPECT_EQ(g.Caption(), QStringLiteral("Tanks A and B"));
    EXPECT_EQ(s.MaxGrafiekZichtbaar, 50);
    EXPECT_EQ(s.AantalTijdVerdelingen, 20);
    EXPECT_EQ(s.AantalWaardenVerdelingen, 15);
    EXPECT_EQ(s.AantalWaardenOnderverdelingen, 1);
    EXPECT_EQ(s.RecorderTussentijd, 3600);
    EXPECT_EQ(g.Model().Raster().Rijen(), 50);
    EXPECT_EQ(g.Model().Reeks(5).legende, QString::fromUtf8("°C (ORP 3)"));
    EXPECT_FALSE(g.Model().Reeks(4).zichtbaar);
    EXPECT_EQ(g.Model().Reeks(3).statistiek, 2 + 4);
}

TEST_F(frmGrafiekInstellenTest, CancelEscapeAndTheCloseBoxLeaveTheWindowAndItsFileAlone) {
    frmGrafiek& g = grafiek1();
    // The user moved the window since its file was written.
    Kindvensterkader(&g)->move(130, 70);
    const QByteArray bestand = LeesBytes(GrafiekBestandsnaam(1));
    const GrafiekInstellenGegevens voor = LeesGrafiekGegevens(g);
    const VensterPlaatsing plaats = g.Plaatsing();
    // Whatever a link transaction left in the shared answer does not count as the dialog's.
    Antwoord = AntwoordFrame;
    kleuren = {RGBKleur(1, 2, 3)};
    const auto bewerk = [](frmGrafiekInstellen& d) {
        typ(d.TextGraphName, QStringLiteral("Other"));
        d.checkAutoSchaal->click();
        typ(d.textGrafiekMaximum, QStringLiteral("5"));
        InDeKiezer([](DialogInputGrafiekElement& k) {
            k.ListInputs->setCurrentRow(4);
            k.OKButton->click();
        });
        klikCel(d, 5, KolomCurveIngang);
        klikCel(d, 5, KolomCurveMinimum);
        klikCel(d, 1, KolomCurveKleur);
        ASSERT_EQ(d.CurveCel(5, KolomCurveMinimum)->text(), Vinkje);
    };
    EXPECT_FALSE(open(1, [&](frmGrafiekInstellen& d) {
        bewerk(d);
        d.CmdCancel->click();
    }));
    EXPECT_FALSE(open(1, [&](frmGrafiekInstellen& d) {
        bewerk(d);
        d.close(); // the title bar's close box
    }));
    EXPECT_FALSE(open(1, [&](frmGrafiekInstellen& d) {
        bewerk(d);
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    EXPECT_EQ(LeesBytes(GrafiekBestandsnaam(1)), bestand);
    EXPECT_TRUE(LeesGrafiekGegevens(g) == voor);
    EXPECT_TRUE(g.Plaatsing() == plaats);
    EXPECT_EQ(GrafiekInstellenVenster(), nullptr);
    EXPECT_TRUE(InstellenGesloten);
}

TEST_F(frmGrafiekInstellenTest, OKKeepsWhatDisabledOrUntickedFieldsShow) {
    QFile::copy(Fixture("Graph1.gcf"), GrafiekBestandsnaam(1));
    // No label option fits label choice 4.
    {
        QFile f(GrafiekBestandsnaam(1));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\n[TIME AXIS]\nLabel=4\n");
    }
    frmGrafiek& g = *MaakGrafiekVenster(1, false, false);
    ASSERT_EQ(g.Instellingen().LabelKeuze, 4);
    kleuren = {RGBKleur(9, 9, 9)};
    EXPECT_TRUE(open(1, [](frmGrafiekInstellen& d) {
        for (QRadioButton* o : d.OptionLabels)
            EXPECT_FALSE(o->isChecked());
        // Manual scale typed in, then automatic again: the fields are disabled and do not count.
        d.checkAutoSchaal->click();
        typ(d.textGrafiekMaximum, QStringLiteral("50"));
        typ(d.textWaardenVerdelingen, QStringLiteral("3"));
        d.checkAutoSchaal->click();
        EXPECT_FALSE(d.textGrafiekMaximum->isEnabled());
        EXPECT_FALSE(d.labelWaardenOnderverdelingen->isEnabled());
        // A step of the low alarm's up-down writes its box and keeps the high alarm above it.
        d.UpDownAlarmLaag->stepUp();
        EXPECT_EQ(d.TextAlarmLaag->text(), QStringLiteral("5"));
        EXPECT_EQ(d.UpDownAlarmHoog->minimum(), 5);
        EXPECT_EQ(d.UpDownAlarmLaag->maximum(), 9);
        // A new value and colour of the high alarm, then the alarm switched off.
        typ(d.TextAlarmHoog, QStringLiteral("11"));
        d.CommandKleurHoog->click();
        d.CheckAlarmHoog->click();
        EXPECT_FALSE(d.CommandKleurHoog->isEnabled());
        d.CmdOK->click();
    }));
    const GrafiekInstellingen& s = g.Instellingen();
    EXPECT_EQ(s.LabelKeuze, 4);
    EXPECT_TRUE(s.AutomatischeSchaal);
    EXPECT_EQ(s.GrafiekMaximum, 100);
    EXPECT_EQ(s.AantalWaardenVerdelingen, 10);
    EXPECT_FALSE(s.AlarmHoog);
    EXPECT_EQ(s.AlarmHoogWaarde, 9);
    EXPECT_EQ(s.AlarmLaagWaarde, 5);
    EXPECT_EQ(LeesDiagramKleur(g, ReeksAlarmHoog), 255);
}

TEST_F(frmGrafiekInstellenTest, TheCurveGridByClickEnterAndSpace) {
    frmGrafiek& g = grafiek1();
    // Curve 4 on module 3; curve 5 empty.
    g.SchrijfGrafiekLijnRef(4, LijnRack, 1);
    g.SchrijfGrafiekLijnRef(4, LijnModule, 3);
    g.SchrijfGrafiekLijnRef(4, LijnIngang, 2);
    EXPECT_FALSE(open(1, [this, &g](frmGrafiekInstellen& d) {
        QTableWidget* r = d.MSHFlexCurveLijnen;
        EXPECT_EQ(d.CurveCel(1, KolomCurveIngang)->text(), QStringLiteral("Rack 1, Module1, Input1 (pH)"));
        EXPECT_EQ(d.CurveCel(1, KolomCurveGemiddelde)->text(), Vinkje);
        EXPECT_EQ(d.CurveCel(12, KolomCurveNummer)->text(), QStringLiteral("12"));
        EXPECT_EQ(r->horizontalHeaderItem(KolomCurveGemiddelde)->text(), QString::fromUtf8("Δ"));
        // A curve without an input takes no tick and no colour.
        klikCel(d, 5, KolomCurveMaximum);
        EXPECT_EQ(d.CurveCel(5, KolomCurveMaximum)->text(), QString());
        klikCel(d, 5, KolomCurveKleur);
        EXPECT_TRUE(kleurTitels.empty());
        // Enter on the input of the empty curve 5: the picker starts on the module of curve 4, with no
        // input, while the snapshots go on.
        InDeKiezer([](DialogInputGrafiekElement& k) {
            EXPECT_FALSE(PauzeOpvragen);
            EXPECT_EQ(k.Rnr, 1);
            EXPECT_EQ(k.Mnr, 3);
            EXPECT_EQ(k.ListInputs->currentRow(), 0);
            k.CancelButton->click();
        });
        r->setFocus();
        r->setCurrentCell(4, KolomCurveIngang);
        QTest::keyClick(r, Qt::Key_Return);
        EXPECT_FALSE(PauzeOpvragen);
        EXPECT_EQ(d.CurveCel(5, KolomCurveIngang)->text(), QString());
        EXPECT_TRUE(d.isVisible()); // Enter in the grid is not OK
        // Space toggles a tick of a curve with an input.
        r->setCurrentCell(0, KolomCurveMinimum);
        QTest::keyClick(r, Qt::Key_Space);
        EXPECT_EQ(d.CurveCel(1, KolomCurveMinimum)->text(), Vinkje);
        QTest::keyClick(r, Qt::Key_Space);
        EXPECT_EQ(d.CurveCel(1, KolomCurveMinimum)->text(), QString());
        // Clearing the input of curve 1 takes its ticks with it.
        InDeKiezer([](DialogInputGrafiekElement& k) { k.CommandWissen->click(); });
        klikCel(d, 1, KolomCurveIngang);
        EXPECT_EQ(d.CurveCel(1, KolomCurveGemiddelde)->text(), QString());
        EXPECT_EQ(d.Gegevens().lijnen[1][LijnGemiddelde], 0);
        // The window is not touched before OK.
        EXPECT_EQ(g.LeesGrafiekLijnRef(1, LijnRack), 1);
        d.CmdCancel->click();
    }));
}

TEST_F(frmGrafiekInstellenTest, AnInvalidIntervalBringsTheFormerOneBack) {
    grafiek1();
    EXPECT_FALSE(open(1, [](frmGrafiekInstellen& d) {
        d.SSTab->setCurrentIndex(PaginaDiversen);
        EXPECT_EQ(d.TextTussentijd->text(), QStringLiteral("00:00:05"));
        // The recorder is off in this graph: its interval is greyed.
        EXPECT_FALSE(d.TextTussentijd->isEnabled());
        d.CheckRecorder->click();
        ASSERT_TRUE(d.TextTussentijd->isEnabled());
        // The user leaves the box.
        const auto verlaat = [&d] { emit d.TextTussentijd->editingFinished(); };
        typ(d.TextTussentijd, QStringLiteral("250000"));
        ASSERT_EQ(d.TextTussentijd->displayText(), QStringLiteral("25:00:00"));
        verlaat();
        EXPECT_EQ(d.TextTussentijd->displayText(), QStringLiteral("00:00:05"));
        typ(d.TextTussentijd, QStringLiteral("000000"));
        verlaat();
        EXPECT_EQ(d.TextTussentijd->displayText(), QStringLiteral("01:00:00"));
        EXPECT_EQ(d.UpDownTussentijd->value(), 3600);
        // The up-down wraps at the top, too.
        d.UpDownTussentijd->stepUp();
        EXPECT_EQ(d.TextTussentijd->displayText(), QStringLiteral("00:00:01"));
        // A digit taken away reads as 0.
        typ(d.TextTussentijd, QStringLiteral("001500"));
        d.TextTussentijd->setCursorPosition(3);
        QTest::keyClick(d.TextTussentijd, Qt::Key_Delete);
        ASSERT_EQ(d.TextTussentijd->displayText(), QStringLiteral("00:_5:00"));
        verlaat();
        EXPECT_EQ(d.TextTussentijd->displayText(), QStringLiteral("00:05:00"));
        d.CmdCancel->click();
    }));
}

TEST_F(frmGrafiekInstellenTest, ANewGraphWaitsForItsSettings) {
    // Accepted: the new graph opens on its curves, takes them and writes its file.
    frmGrafiek* tabel = nullptr;
    InHetDialoog([](frmGrafiekInstellen& d) {
        EXPECT_EQ(d.Grafiek(), 4);
        EXPECT_EQ(d.SSTab->currentIndex(), PaginaCurven);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Graph 4"));
        InDeKiezer([](DialogInputGrafiekElement& k) {
            EXPECT_EQ(k.Grafiek, QStringLiteral("Graph 4"));
            k.ListInputs->setCurrentRow(2);
            k.OKButton->click();
        });
        klikCel(d, 1, KolomCurveIngang);
        d.SSTab->setCurrentIndex(PaginaTijdas);
        d.CmdOK->click();
    });
    tabel = MaakGrafiekVenster(4, false, true);
    ASSERT_NE(tabel, nullptr);
    EXPECT_TRUE(tabel->Geladen());
    EXPECT_EQ(tabel->Model().Reeks(3).legende, QStringLiteral("pH (Tank B)"));
    EXPECT_TRUE(LeesBytes(GrafiekBestandsnaam(4)).contains("[LINE1]\r\nRack=1\r\nModule=1\r\nInput=2\r\n"));
    // The page is remembered for the next opening.
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Graph settings"), QStringLiteral("Tab"), 3),
              QStringLiteral("1"));

    // A double-click on the chart of graph 4 opens its settings on the page of the last opening; OK
    // rebuilds the chart.
    InHetDialoog([](frmGrafiekInstellen& d) {
        EXPECT_EQ(d.Grafiek(), 4);
        EXPECT_EQ(d.SSTab->currentIndex(), PaginaTijdas);
        typ(d.textGrafiekPunten, QStringLiteral("60"));
        d.CmdOK->click();
    });
    QTest::mouseDClick(tabel->diagram(), Qt::LeftButton);
    EXPECT_EQ(tabel->Instellingen().MaxGrafiekZichtbaar, 60);
    EXPECT_EQ(tabel->Model().Raster().Rijen(), 60);

    // Closed by its title bar: the new recorder keeps its defaults and has no file.
    InHetDialoog([](frmGrafiekInstellen& d) {
        EXPECT_EQ(d.SSTab->currentIndex(), PaginaCurven);
        typ(d.TextGraphName, QStringLiteral("Never"));
        d.close();
    });
    frmGrafiek* recorder = MaakGrafiekVenster(6, true, true);
    ASSERT_NE(recorder, nullptr);
    EXPECT_FALSE(recorder->Geladen());
    EXPECT_EQ(recorder->Caption(), QStringLiteral("XY-recorder 6"));
    EXPECT_FALSE(QFile::exists(GrafiekBestandsnaam(6)));
}

TEST_F(frmGrafiekInstellenTest, ClosingTheGraphCancelsItsOpenSettings) {
    frmGrafiek& g = grafiek1();
    const QByteArray bestand = LeesBytes(GrafiekBestandsnaam(1));
    EXPECT_FALSE(open(1, [&g](frmGrafiekInstellen& d) {
        typ(d.TextGraphName, QStringLiteral("Gone"));
        // A second request while it is open brings it to the front and is not answered as OK.
        HuidigeGrafiek = 1;
        EXPECT_FALSE(ToonGrafiekInstellingen());
        g.Ontlaad();
        EXPECT_TRUE(d.Gesloten());
    }));
    EXPECT_EQ(LeesBytes(GrafiekBestandsnaam(1)), bestand);
}

// Renders each page of the dialog for a table-series graph of the example rack, and the picker, to
// $K740_SCREENSHOTS (scripts/screenshot-grafiekinstellen).
TEST_F(frmGrafiekInstellenTest, EveryPageRenders) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS", tijdelijkeMap());
    ASSERT_TRUE(QDir().mkpath(map));
    grafiek1();
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        EXPECT_FALSE(open(1, [&](frmGrafiekInstellen& d) {
            d.resize(640, 520);
            for (int p = 0; p < d.SSTab->count(); ++p) {
                d.SSTab->setCurrentIndex(p);
                ControleerVensterteksten(d,
                                         "language " + std::to_string(taal) + " page " + std::to_string(p));
                const QImage beeld = d.grab().toImage();
                ASSERT_FALSE(beeld.isNull());
                EXPECT_TRUE(
                    beeld.save(OpnameBestand(map, QStringLiteral("grafiekinstellen-%1").arg(p), taal)));
            }
            EXPECT_EQ(d.SSTab->tabText(PaginaCurven), Tekst[332]);
            InDeKiezer([&](DialogInputGrafiekElement& k) {
                ControleerVensterteksten(k, "language " + std::to_string(taal) + " picker");
                EXPECT_TRUE(k.grab().toImage().save(
                    OpnameBestand(map, QStringLiteral("grafiekinstellen-kiezer"), taal)));
                k.CancelButton->click();
            });
            klikCel(d, 2, KolomCurveIngang);
            d.CmdCancel->click();
        }));
    }
}

// Limits beyond the up-downs' ranges are held to them silently, so the value axis keeps whole, ordered
// labels and the curves their height.
TEST_F(frmGrafiekInstellenTest, ScaleAndAlarmValuesBeyondTheUpDownsAreHeldToTheirRanges) {
    frmGrafiek& g = grafiek1();
    EXPECT_TRUE(open(1, [](frmGrafiekInstellen& d) {
        if (!d.CheckAlarmHoog->isChecked()) d.CheckAlarmHoog->click();
        if (!d.CheckAlarmLaag->isChecked()) d.CheckAlarmLaag->click();
        typ(d.TextAlarmHoog, QStringLiteral("1e30"));
        typ(d.TextAlarmLaag, QStringLiteral("-1e30"));
        if (d.checkAutoSchaal->isChecked()) d.checkAutoSchaal->click();
        typ(d.textGrafiekMaximum, QStringLiteral("1e30"));
        typ(d.textGrafiekMinimum, QStringLiteral("-40000"));
        d.CmdOK->click();
    }));
    const GrafiekInstellingen& s = g.Instellingen();
    EXPECT_EQ(s.AlarmHoogWaarde, 65536);
    EXPECT_EQ(s.AlarmLaagWaarde, -65536);
    EXPECT_EQ(s.GrafiekMaximum, 32767);
    EXPECT_EQ(s.GrafiekMinimum, -32768);
    // The file holds the values the graph uses.
    const QByteArray bestand = LeesBytes(GrafiekBestandsnaam(1));
    EXPECT_TRUE(bestand.contains("Max=32767")) << bestand.toStdString();
    EXPECT_TRUE(bestand.contains("Value=65536")) << bestand.toStdString();
}
