#include "reports/FormGLP.h"
#include "Afdrukomgeving.h"
#include "Bestandsgrens.h"
#include "OpnameMelding.h"
#include "Opnametaal.h"
#include "Rapportsysteem.h"
#include "TekstControle.h"
#include "acquisition/Programmastatus.h"
#include "files/Bestandsdialogen.h"
#include "files/Logboek.h"
#include "rackviews/DialogK76xSettings.h"
#include "reports/GLPHistoriek.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printers.h"
#include "reports/Rapportuitvoer.h"
#include "reports/formPrint.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/Installatie.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <deque>
#include <optional>
#include <string>

namespace {

// The save dialog answers with the next name of the test (none left: Cancel).
class Bestandskeuze : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag) override {
        vragen.push_back(vraag);
        if (namen.empty()) return std::nullopt;
        const QString naam = namen.front();
        namen.pop_front();
        return naam;
    }
    bool KiesLettertype(Lettertype&, const QString&) override { return false; }
    bool KiesKleur(int32_t&, const QString&) override { return false; }
    std::deque<QString> namen;
    std::vector<BestandsdialoogVraag> vragen;
};

struct Melding {
    QString tekst;
    int stijl;
    QString titel;
};

class FormGLPTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        VulRapportsysteem(Pad("Calibration"));
        MapGegevens = tijdelijkeMap();
        ZetBestandsdialogen(&keuze);
        melding.beantwoord = [this](const Vraag& v) {
            meldingen.push_back({v.tekst, v.stijl, v.titel});
            if (antwoorden.empty()) return StandaardAntwoord(v.stijl);
            const int a = antwoorden.front();
            antwoorden.pop_front();
            return a;
        };
        ZetMeldingVenster(&melding);
        Printerlijst lijst;
        lijst.Printers = {PdfPrinter()};
        ZetPrinterbron([lijst] { return lijst; });
        PrintOperator = QStringLiteral("J. O'Neil");
        PrintBedrijf = QStringLiteral("Lab \"North\"");
        PrintToestel = QStringLiteral("K740");
    }
    void TearDown() override {
        ZetMeldingVenster(nullptr);
        ZetBestandsdialogen(nullptr);
        ZetPrinterbron(nullptr);
        SchoneOmgeving::TearDown();
    }
    QString Pad(const char* naam) const { return QDir(tijdelijkeMap()).filePath(QString::fromUtf8(naam)); }
    FormGLP& Open(int16_t r, int16_t m, int16_t k, bool glp) {
        ToonRapport(r, m, k, glp);
        FormGLP* v = RapportVenster();
        EXPECT_NE(v, nullptr);
        return *v;
    }
    static QStringList Items(const QComboBox* lijst) {
        QStringList uit;
        for (int i = 0; i < lijst->count(); ++i)
            uit << lijst->itemText(i);
        return uit;
    }
    static QString Lees(const QString& sleutel) {
        return LeesInstelling(AppNaam, QStringLiteral("Report"), sleutel, QStringLiteral("-"));
    }

    Bestandskeuze keuze;
    OpnameMelding melding;
    std::vector<Melding> meldingen;
    std::deque<int> antwoorden;
};

TEST_F(FormGLPTest, TheWindowKeepsItsMinimumSizeAndLaysOutItsTabsAndButtons) {
    GLPIndeling i = BerekenGLPIndeling(8520, 6000, 8400, 5600);
    EXPECT_TRUE(i.aangepast);
    EXPECT_EQ(i.vensterBreedte, 8500);
    EXPECT_EQ(i.vensterHoogte, 6000);
    // The inner area shrinks with the window.
    EXPECT_EQ(i.tabBreedte, 8380 - 100);
    EXPECT_EQ(i.tabHoogte, 5600 - 650);
    EXPECT_EQ(i.knoppenBoven, i.tabHoogte + 165);
    EXPECT_EQ(i.okLinks, 8500 - 1620);
    EXPECT_EQ(i.helpLinks, i.okLinks - 1400);
    EXPECT_EQ(i.vinkBoven, i.knoppenBoven + 60);

    i = BerekenGLPIndeling(8560, 4000, 8440, 3600);
    EXPECT_TRUE(i.aangepast);
    EXPECT_EQ(i.vensterBreedte, 8560);
    EXPECT_EQ(i.vensterHoogte, 5000);
    EXPECT_EQ(i.tabHoogte, 4600 - 650);
    EXPECT_FALSE(BerekenGLPIndeling(8560, 5000, 8440, 4600).aangepast);
}

TEST_F(FormGLPTest, SystemReportOpensTheConfigurationTabOnTheFirstInputInUse) {
    mdiK740 hoofd;
    hoofd.resize(1000, 700);
    InstalleerHoofdvenster(hoofd);
    hoofd.show();
    QAction* rapport = nullptr;
    for (QAction* a : hoofd.findChildren<QAction*>())
        if (a->text() == QStringLiteral("&Report")) rapport = a;
    ASSERT_NE(rapport, nullptr);
    rapport->trigger(); // the main window has no rack chosen
    FormGLP* v = RapportVenster();
    ASSERT_NE(v, nullptr);
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(v->parentWidget()), nullptr);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("K740 Report"));
    EXPECT_EQ(v->SSTab->tabText(0), QStringLiteral("Configuration"));
    EXPECT_EQ(v->SSTab->tabText(1), QStringLiteral("GLP "));
    EXPECT_EQ(v->SSTab->currentIndex(), 0);
    EXPECT_TRUE(v->CheckAllChannels->isHidden());
    EXPECT_EQ(v->FlexGridConfiguratie->model()->rowCount(), 8);
    EXPECT_EQ(v->FlexGridConfiguratie->model()->headerData(10, Qt::Horizontal).toString(),
              QStringLiteral("Calibration"));
    EXPECT_EQ(Items(v->ListRacks), QStringList({"Rack1: Line A"}));
    EXPECT_EQ(Items(v->ListModules), QStringList({"Module1: (pH bench)", "Module3: (EC bench)"}));
    EXPECT_EQ(v->ListModules->currentIndex(), 0);
    EXPECT_EQ(v->ListInputs->count(), 8);
    EXPECT_EQ(v->ListInputs->itemText(0), QStringLiteral("Input1: (pH, Tank A)"));
    EXPECT_EQ(v->ListInputs->itemText(4), QString::fromUtf8("Temperature1: (°C, Tank A)"));
    EXPECT_EQ(v->ListInputs->currentIndex(), 0);
    EXPECT_EQ(v->GLP().AantalKolommen(), 4);
    EXPECT_EQ(v->FlexGridGLP->model()->index(2, 1).data().toString(), QStringLiteral("6.98 pH"));
    // The whole window fits in its frame: the buttons below the tabs.
    EXPECT_GT(v->OKButton->y(), v->SSTab->geometry().bottom());
    EXPECT_LE(v->OKButton->geometry().bottom(), v->height());
    // A header click sorts the report.
    QTest::mouseClick(v->FlexGridConfiguratie->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(v->FlexGridConfiguratie->horizontalHeader()->sectionViewportPosition(5) + 5, 5));
    EXPECT_EQ(v->Configuratie().CelTekst(0, 5), QStringLiteral("Input /\\"));
    EXPECT_EQ(v->Configuratie().CelTekst(1, 5), QStringLiteral("Chloride"));
}

TEST_F(FormGLPTest, FromTheModuleSettingsTheGLPTabShowsTheInputGiven) {
    FormGLP& v = Open(1, 1, 3, true);
    EXPECT_EQ(v.SSTab->currentIndex(), 1);
    EXPECT_FALSE(v.CheckAllChannels->isHidden());
    EXPECT_EQ(v.ListInputs->currentIndex(), 2);
    EXPECT_EQ(v.GLP().CelTekst(3, 0), QStringLiteral("Slope"));
    EXPECT_EQ(v.GLP().CelTekst(15, 1), QStringLiteral("Cl"));

    // The sixth entry is the temperature of input 2.
    v.ListInputs->setCurrentIndex(5);
    EXPECT_EQ(v.Knr, 6);
    EXPECT_EQ(v.GLP().CelTekst(3, 0), QStringLiteral("Offset"));
    v.SSTab->setCurrentIndex(0);
    EXPECT_TRUE(v.CheckAllChannels->isHidden());

    // Opened again for another input while open: that input and the GLP tab, so that the report and
    // its header name the same input.
    ToonRapport(1, 3, 1, true);
    EXPECT_EQ(RapportVenster(), &v);
    EXPECT_EQ(v.SSTab->currentIndex(), 1);
    EXPECT_EQ(v.ListModules->currentText(), QStringLiteral("Module3: (EC bench)"));
    EXPECT_EQ(v.ListInputs->currentIndex(), 0);
    EXPECT_EQ(v.GLP().CelTekst(3, 0), QStringLiteral("Cell constant"));
    EXPECT_EQ((Kanaalkeuze{v.Rnr, v.Mnr, v.Knr}), (Kanaalkeuze{1, 3, 1}));

    // A list may cut its choice at the window's width: its tool tip names the choice whole.
    for (QComboBox* lijst : {v.ListRacks, v.ListModules, v.ListInputs}) {
        EXPECT_FALSE(lijst->currentText().isEmpty());
        EXPECT_EQ(lijst->toolTip(), lijst->currentText());
    }
}

// The rack, module and input lists show their choice whole in every language: the lists (and the
// window with them) are as wide as their entries need.
TEST_F(FormGLPTest, TheListsShowTheirChoiceWholeInEveryLanguage) {
    Racks[2] = Racks[1];
    Racks[2].Idno = 0x01000002;
    Racks[2].Name = QStringLiteral("Rack 1 of the north laboratory");
    Racks[2].Modules[1].Name = QStringLiteral("K762(m) conductivity bench");
    Racks[2].Modules[1].Meting[2].Name = QStringLiteral("Effluent of the second basin");
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        ResetFormGLP();
        FormGLP& v = Open(2, 1, 2, true);
        v.show();
        QApplication::processEvents();
        for (QComboBox* lijst : {v.ListRacks, v.ListModules, v.ListInputs}) {
            QStyleOptionComboBox optie;
            optie.initFrom(lijst);
            optie.editable = false;
            optie.currentText = lijst->currentText();
            const QRect veld = lijst->style()->subControlRect(QStyle::CC_ComboBox, &optie,
                                                              QStyle::SC_ComboBoxEditField, lijst);
            EXPECT_GE(veld.width(), lijst->fontMetrics().horizontalAdvance(lijst->currentText()))
                << taal << ": " << lijst->currentText().toStdString();
            EXPECT_TRUE(lijst->isVisible());
            EXPECT_LE(lijst->mapTo(&v, QPoint(lijst->width(), 0)).x(), v.width()) << taal;
        }
        EXPECT_TRUE(v.ListRacks->currentText().startsWith(Tekst[297] + QStringLiteral("2:")));
    }
    ZetTaal(0);
}

// The module settings dialog holds the main window, and so the window area, while it waits. Its GLP
// button brings the report window out of the area into a window beside the dialog, where it works;
// when the dialog closes the window goes back to its place in the area.
TEST_F(FormGLPTest, FromTheWaitingModuleSettingsTheReportWorksBesideTheDialogAndThenReturnsToTheArea) {
    mdiK740 hoofd;
    hoofd.resize(1000, 700);
    const Installatie installatie(hoofd);
    ZetMeldingVenster(&melding);
    ZetBestandsdialogen(&keuze);
    hoofd.show();
    const auto geenLegeKaders = [&hoofd] {
        const QList<QMdiSubWindow*> kaders = hoofd.mdiGebied()->subWindowList();
        return std::none_of(kaders.begin(), kaders.end(), [](QMdiSubWindow* k) { return !k->widget(); });
    };
    // The configuration report is open in the area where the user put it.
    FormGLP& v = Open(1, 3, 1, false);
    ASSERT_NE(Kindvensterkader(&v), &v);
    Kindvensterkader(&v)->move(40, 30);

    ToonModuleInstellingen(1, 1, 1);
    DialogK76xSettings* d = ModuleInstellingenVenster();
    ASSERT_NE(d, nullptr);
    ASSERT_FALSE(hoofd.isEnabled());
    QTest::mouseClick(d->CommandGLP, Qt::LeftButton);
    ASSERT_EQ(RapportVenster(), &v);
    EXPECT_TRUE(v.isWindow());
    EXPECT_EQ(v.parentWidget(), d);
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(v.isEnabled());
    EXPECT_TRUE(geenLegeKaders());
    EXPECT_EQ(v.SSTab->currentIndex(), 1);
    EXPECT_EQ(v.ListModules->currentText(), QStringLiteral("Module1: (pH bench)"));
    EXPECT_EQ(v.GLP().CelTekst(3, 1), QStringLiteral("6.98 pH"));

    // To file, and its closing message leaves the main window held while the dialog waits.
    const QString naam = Pad("Tank A.csv");
    keuze.namen = {naam};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    VergelijkGolden(QStringLiteral("glp-input.csv"), LeesBytes(naam));
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, QStringLiteral("Done !"));
    QApplication::processEvents();
    EXPECT_FALSE(hoofd.isEnabled());
    QTest::mouseClick(v.CommandPrint, Qt::LeftButton);
    formPrint* afdruk = AfdrukDialoog();
    ASSERT_NE(afdruk, nullptr);
    EXPECT_TRUE(afdruk->isVisible());
    EXPECT_TRUE(afdruk->isEnabled());
    const QString pdf = Pad("glp.pdf");
    keuze.namen = {pdf};
    QTest::mouseClick(afdruk->OKButton, Qt::LeftButton);
    ASSERT_EQ(PdfPaginas(pdf), 1);
    EXPECT_TRUE(PdfTekst(pdf, 1).contains(QStringLiteral("6.98 pH")));

    QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    EXPECT_TRUE(hoofd.isEnabled());
    ASSERT_EQ(RapportVenster(), &v);
    const auto* kader = qobject_cast<QMdiSubWindow*>(v.parentWidget());
    ASSERT_NE(kader, nullptr);
    EXPECT_EQ(kader->mdiArea(), hoofd.mdiGebied());
    EXPECT_EQ(kader->pos(), QPoint(40, 30));
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(v.isEnabled());
    EXPECT_EQ(v.GLP().CelTekst(3, 1), QStringLiteral("6.98 pH"));

    // Closed with OK beside the dialog: its place in the area is kept, and the dialog closes after it.
    ToonModuleInstellingen(1, 1, 2);
    d = ModuleInstellingenVenster();
    QTest::mouseClick(d->CommandGLP, Qt::LeftButton);
    ASSERT_EQ(v.parentWidget(), d);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_EQ(RapportVenster(), nullptr);
    EXPECT_EQ(Lees(QStringLiteral("Left")), SingleAlsTekst(static_cast<float>(PixelsNaarTwips(40))));
    QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    EXPECT_TRUE(hoofd.isEnabled());

    // A new window beside a dialog that goes away with its object (as at program end) stays open.
    ToonModuleInstellingen(1, 1, 1);
    QTest::mouseClick(ModuleInstellingenVenster()->CommandGLP, Qt::LeftButton);
    FormGLP* nieuw = RapportVenster();
    ASSERT_NE(nieuw, nullptr);
    ASSERT_TRUE(nieuw->isWindow());
    ResetModuleInstellingen();
    ASSERT_EQ(RapportVenster(), nieuw);
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(nieuw->parentWidget()), nullptr);
    EXPECT_TRUE(geenLegeKaders());
}

TEST_F(FormGLPTest, ARackWithoutTheChosenModuleClearsTheInputsAndTheReport) {
    Racks[2].Present = true;
    Racks[2].Name = QStringLiteral("Line B");
    Racks[2].Idno = 0x01000004;
    Racks[2].Modules[2] = Racks[1].Modules[1];
    FormGLP& v = Open(1, 1, 1, true);
    ASSERT_EQ(v.ListInputs->count(), 8);
    v.ListRacks->setCurrentIndex(1);
    EXPECT_EQ(v.Rnr, 2);
    EXPECT_EQ(Items(v.ListModules), QStringList({"Module2: (pH bench)"}));
    EXPECT_EQ(v.ListModules->currentIndex(), -1);
    EXPECT_EQ(v.ListInputs->count(), 0);
    EXPECT_EQ(v.FlexGridGLP->model()->rowCount(), 0);
    EXPECT_EQ(v.GLP().AantalKolommen(), 0);
    // Choosing the module brings its inputs back, on the input chosen before.
    v.ListModules->setCurrentIndex(0);
    EXPECT_EQ(v.ListInputs->currentIndex(), 0);
    EXPECT_EQ(v.GLP().AantalRijen(), 3); // rack 2 has no calibration file

    // No rack at all: empty lists and no report; the configuration report has only its header row.
    ResetFormGLP();
    Racks[1].Present = Racks[2].Present = false;
    FormGLP& leeg = Open(0, 0, 1, false);
    EXPECT_EQ(leeg.ListRacks->count() + leeg.ListModules->count() + leeg.ListInputs->count(), 0);
    EXPECT_EQ(leeg.FlexGridGLP->model()->rowCount(), 0);
    EXPECT_EQ(leeg.Configuratie().AantalRijen(), 1);
}

TEST_F(FormGLPTest, OKKeepsTheSizeAndColumnWidthsClosingOtherwiseDoesNot) {
    BewaarInstelling(AppNaam, QStringLiteral("Report"), QStringLiteral("Configuration Colwidth 2"),
                     QStringLiteral("-5"));
    FormGLP& v = Open(1, 1, 1, false);
    // At least 8500 twips wide, and as wide as its lists need to show their choices whole.
    const int minimum = v.width();
    EXPECT_GE(minimum, TwipsNaarPixels(8500));
    EXPECT_EQ(v.Configuratie().KolomBreedte(2), 1250);
    EXPECT_EQ(v.FlexGridConfiguratie->columnWidth(0), TwipsNaarPixels(1200));
    v.FlexGridConfiguratie->setColumnWidth(3, 100);
    v.resize(700, 420);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_EQ(RapportVenster(), nullptr);
    EXPECT_EQ(Lees(QStringLiteral("Width")), SingleAlsTekst(static_cast<float>(PixelsNaarTwips(700))));
    EXPECT_EQ(Lees(QStringLiteral("Configuration Colwidth 3")),
              QString::number(static_cast<int>(PixelsNaarTwips(100))));
    EXPECT_EQ(Lees(QStringLiteral("GLP Colwidth 0")), QStringLiteral("2000"));

    FormGLP& weer = Open(1, 1, 1, false);
    EXPECT_EQ(weer.size(), QSize(700, 420));
    EXPECT_EQ(weer.FlexGridConfiguratie->columnWidth(3), 100);
    weer.resize(800, 500);
    weer.close();
    EXPECT_EQ(Open(1, 1, 1, false).size(), QSize(700, 420));
    // A stored window below the minimum width is widened again.
    BewaarInstelling(AppNaam, QStringLiteral("Report"), QStringLiteral("Width"), QStringLiteral("3000"));
    ResetFormGLP();
    EXPECT_EQ(Open(1, 1, 1, false).width(), minimum);
}

TEST_F(FormGLPTest, TheGLPReportOfOneInputToFileMatchesTheGoldenFile) {
    FormGLP& v = Open(1, 1, 1, true);
    const QString naam = Pad("Tank A.csv");
    keuze.namen = {naam};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    ASSERT_EQ(keuze.vragen.size(), 1u);
    EXPECT_EQ(keuze.vragen[0].naam, QStringLiteral("ReportGLP_#module#_#channel#.csv"));
    EXPECT_EQ(keuze.vragen[0].titel, QStringLiteral("New file..."));
    VergelijkGolden(QStringLiteral("glp-input.csv"), LeesBytes(naam));
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, QStringLiteral("Done !"));
    EXPECT_EQ(meldingen[0].stijl, vbOKOnly | vbInformation);
    // The title names the file (a long path shortened at its front), wherever the folder is.
    EXPECT_TRUE(meldingen[0].titel.startsWith(QStringLiteral("To file...")));
    EXPECT_TRUE(meldingen[0].titel.endsWith(QStringLiteral("/Tank A.csv")));
    EXPECT_TRUE(naam.endsWith(meldingen[0].titel.mid(10).remove(0, naam.size() > 50 ? 3 : 0)));
    EXPECT_LE(meldingen[0].titel.size(), 10 + 50);
    EXPECT_EQ(v.Tag, QStringLiteral("GLPreport"));
    EXPECT_EQ(Lees(QStringLiteral("FileNameGLPReport")), naam);
    EXPECT_EQ(Lees(QStringLiteral("PrintAll")), QStringLiteral("False"));
    EXPECT_FALSE(NaarBestand);

    // The name is kept for the next export; the existing file is replaced after Yes, not appended to.
    antwoorden = {vbYes};
    keuze.namen = {naam};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    EXPECT_EQ(keuze.vragen[1].naam, naam);
    EXPECT_EQ(meldingen[1].tekst.left(37), QStringLiteral("A file with this name already exists!"));
    EXPECT_EQ(meldingen[1].stijl, vbYesNoCancel | vbExclamation);
    VergelijkGolden(QStringLiteral("glp-input.csv"), LeesBytes(naam));
}

TEST_F(FormGLPTest, AllChannelsGoToTheirOwnFilesOrOneFileEachWrittenAfreshOncePerRun) {
    FormGLP& v = Open(1, 1, 1, true);
    v.CheckAllChannels->setChecked(true);
    // An old report of another channel lies where this run writes.
    const QString oud = Pad("ReportGLP_pH bench_ORP.csv");
    {
        QFile f(oud);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"old report\"\r\n");
    }
    antwoorden = {vbYes};
    keuze.namen = {Pad("ReportGLP_#module#_#channel#.csv")};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(meldingen[1].tekst, QStringLiteral("Done !"));
    const QStringList bestanden =
        QDir(tijdelijkeMap()).entryList({QStringLiteral("ReportGLP_*")}, QDir::Files);
    EXPECT_EQ(bestanden, QStringList({"ReportGLP_EC bench_Feed.csv", "ReportGLP_pH bench_Chloride.csv",
                                      "ReportGLP_pH bench_ORP.csv", "ReportGLP_pH bench_Tank A.csv",
                                      "ReportGLP_pH bench_Tank A_DC.csv"}));
    EXPECT_TRUE(LeesBytes(oud).startsWith("\"GLP report\"\r\n"));
    EXPECT_FALSE(LeesBytes(oud).contains("old report"));
    EXPECT_EQ(LeesBytes(oud).count("\"GLP report\""), 1);
    EXPECT_EQ(Lees(QStringLiteral("PrintAll")), QStringLiteral("True"));

    // A name without markers: every report in one file, in the order input 1, 2, 3, temperature 1 of
    // module 1, then input 1 of module 3. Run twice: one question, one fresh file.
    const QString een = Pad("all.csv");
    keuze.namen = {een};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    VergelijkGolden(QStringLiteral("glp-all.csv"), LeesBytes(een));
    antwoorden = {vbYes};
    keuze.namen = {een};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    VergelijkGolden(QStringLiteral("glp-all.csv"), LeesBytes(een));
    EXPECT_EQ(meldingen.size(), 5u);
    // The window still shows the input it showed.
    EXPECT_EQ((Kanaalkeuze{v.Rnr, v.Mnr, v.Knr}), (Kanaalkeuze{1, 1, 1}));
    EXPECT_EQ(v.GLP().CelTekst(3, 1), QStringLiteral("6.98 pH"));
}

TEST_F(FormGLPTest, NoAsksForTheNameAgainAndCancelWritesNothing) {
    FormGLP& v = Open(1, 1, 2, true);
    const QString naam = Pad("orp.csv");
    {
        QFile f(naam);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    antwoorden = {vbNo, vbCancel};
    keuze.namen = {naam, naam};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    ASSERT_EQ(keuze.vragen.size(), 2u);
    EXPECT_EQ(keuze.vragen[1].naam, naam);
    EXPECT_EQ(LeesBytes(naam), QByteArray("keep"));
    EXPECT_EQ(meldingen.size(), 2u);
    // Cancel in the file dialog: nothing written, nothing stored.
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    EXPECT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(Lees(QStringLiteral("FileNameGLPReport")), QStringLiteral("-"));
}

TEST_F(FormGLPTest, AFieldThatCannotBeWrittenEndsTheExportWithTheFailureMessage) {
    FormGLP& v = Open(1, 1, 1, true);
    const QString naam = Pad("no folder/report.csv");
    keuze.namen = {naam};
    antwoorden = {vbCancel};
    const QString map = MapGegevens, huidig = QDir::currentPath();
    // Logging goes on while each box waits: the folders are as they were, and an event-log line written
    // then lands in the data folder.
    LogbestandAan = true;
    std::vector<std::string> mappen, huidige;
    std::vector<QString> logboeken;
    const auto beantwoord = melding.beantwoord;
    melding.beantwoord = [&, beantwoord](const Vraag& vraag) {
        mappen.push_back(MapGegevens.toStdString());
        huidige.push_back(QDir::currentPath().toStdString());
        SchrijfLogboekRegel(0, 0, QStringLiteral("box %1 waits").arg(mappen.size()));
        logboeken.push_back(LogboekPad);
        return beantwoord(vraag);
    };
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    // The export wrote nothing: the data folder, where the event log goes, is where it was, already
    // while its boxes waited.
    EXPECT_EQ(MapGegevens, map);
    EXPECT_EQ(QDir::currentPath(), huidig);
    EXPECT_EQ(mappen, std::vector<std::string>(2, map.toStdString()));
    EXPECT_EQ(huidige, std::vector<std::string>(2, huidig.toStdString()));
    ASSERT_EQ(logboeken.size(), 2u);
    EXPECT_EQ(QFileInfo(logboeken[1]).absolutePath().toStdString(), map.toStdString());
    const QByteArray logboek = LeesBytes(logboeken[1]);
    EXPECT_TRUE(logboek.contains("box 1 waits") && logboek.contains("box 2 waits")) << logboek.toStdString();
    // One question about the first field; the rest of the report is not attempted.
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(meldingen[0].stijl & 7, vbRetryCancel);
    EXPECT_EQ(meldingen[1].tekst, QStringLiteral("An error is encountered when writing this data file!"));
    EXPECT_EQ(meldingen[1].stijl, vbOKOnly | vbCritical);
    EXPECT_EQ(meldingen[1].titel, naam);
    EXPECT_FALSE(NaarBestand);
    EXPECT_FALSE(QFile::exists(naam));
}

// An export that writes its file leaves the data folder, and the current folder, in that file's folder:
// at once, or by Retry once the disk that refused it has room.
TEST_F(FormGLPTest, AnExportThatSucceedsLeavesTheDataFolderWhereTheExportPutIt) {
    FormGLP& v = Open(1, 1, 1, true);
    const auto ZelfdeMap = [](const QString& a, const QString& b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };
    const QString elders = Pad("Reports");
    ASSERT_TRUE(QDir().mkpath(elders));
    keuze.namen = {elders + QStringLiteral("/report.csv")};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0].tekst, QStringLiteral("Done !"));
    EXPECT_TRUE(QFile::exists(elders + QStringLiteral("/report.csv")));
    EXPECT_EQ(MapGegevens.toStdString(), elders.toStdString());
    EXPECT_TRUE(ZelfdeMap(QDir::currentPath(), elders)) << QDir::currentPath().toStdString();

    const QString weer = Pad("Again");
    ASSERT_TRUE(QDir().mkpath(weer));
    meldingen.clear();
    keuze.namen = {weer + QStringLiteral("/report.csv")};
    antwoorden = {vbRetry};
    std::optional<Bestandsgrens> grens;
    grens.emplace(200);
    const auto beantwoord = melding.beantwoord;
    melding.beantwoord = [&, beantwoord](const Vraag& vraag) {
        grens.reset();
        return beantwoord(vraag);
    };
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(meldingen[0].stijl & 7, vbRetryCancel);
    EXPECT_EQ(meldingen[1].tekst, QStringLiteral("Done !"));
    EXPECT_GT(LeesBytes(weer + QStringLiteral("/report.csv")).size(), 200);
    EXPECT_EQ(MapGegevens.toStdString(), weer.toStdString());
    EXPECT_TRUE(ZelfdeMap(QDir::currentPath(), weer)) << QDir::currentPath().toStdString();
}

// A disk that takes no whole report: every old report, of one input or of "All", stays as it was, and
// no half file is left beside it.
TEST_F(FormGLPTest, AnExportThatCannotBeWrittenWholeLeavesEveryOldReportWhole) {
    FormGLP& v = Open(1, 1, 1, true);
    const QString naam = Pad("Tank A.csv");
    keuze.namen = {naam};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    const QByteArray oud = LeesBytes(naam);
    ASSERT_GT(oud.size(), 400);
    v.CheckAllChannels->setChecked(true);
    keuze.namen = {Pad("ReportGLP_#module#_#channel#.csv")};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    const QStringList alle = QDir(tijdelijkeMap()).entryList({QStringLiteral("ReportGLP_*")}, QDir::Files);
    ASSERT_EQ(alle.size(), 5);
    std::vector<QByteArray> oudeAlle;
    for (const QString& b : alle)
        oudeAlle.push_back(LeesBytes(Pad(b.toUtf8().constData())));
    meldingen.clear();

    const auto Kapot = [&](const QString& doel) {
        keuze.namen = {doel};
        antwoorden = {vbYes, vbRetry, vbCancel};
        Bestandsgrens grens(200);
        QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    };
    v.CheckAllChannels->setChecked(false);
    Kapot(naam);
    EXPECT_EQ(LeesBytes(naam), oud);
    // Overwrite?, Retry, Cancel, then the failure message.
    ASSERT_EQ(meldingen.size(), 4u);
    EXPECT_EQ(meldingen[1].stijl & 7, vbRetryCancel);
    // The path and the system's reason: a full disk is no file in use.
    EXPECT_EQ(meldingen[1].tekst,
              naam + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(meldingen[3].tekst, QStringLiteral("An error is encountered when writing this data file!"));

    v.CheckAllChannels->setChecked(true);
    Kapot(Pad("ReportGLP_#module#_#channel#.csv"));
    for (size_t i = 0; i < oudeAlle.size(); ++i)
        EXPECT_EQ(LeesBytes(Pad(alle[static_cast<qsizetype>(i)].toUtf8().constData())), oudeAlle[i])
            << alle[i].toStdString();
    EXPECT_EQ(QDir(tijdelijkeMap()).entryList({QStringLiteral("*.csv*")}, QDir::Files).size(), 6);
    EXPECT_EQ(meldingen.back().tekst, QStringLiteral("An error is encountered when writing this data file!"));
    EXPECT_FALSE(NaarBestand);
}

TEST_F(FormGLPTest, TheConfigurationReportToFileIsNamedFromItsRack) {
    Racks[2] = Racks[1];
    Racks[2].Name = QStringLiteral("Line B");
    FormGLP& v = Open(2, 1, 1, false);
    // A long name is shortened in the closing message's title.
    const QString naam = Pad("ReportSystem_#rack#_with_a_name_that_is_long_enough.csv");
    keuze.namen = {naam};
    QTest::mouseClick(v.CommandToFile, Qt::LeftButton);
    EXPECT_EQ(keuze.vragen[0].naam, QStringLiteral("ReportSystem_#rack#.csv"));
    const QString bestand = Pad("ReportSystem_Line B_with_a_name_that_is_long_enough.csv");
    const QByteArray inhoud = LeesBytes(bestand);
    ASSERT_FALSE(inhoud.isEmpty());
    EXPECT_TRUE(inhoud.startsWith("\"Configuration report\"\r\n\"\"\r\n\"Operator:\",\"J. O'Neil\"\r\n"));
    EXPECT_TRUE(inhoud.contains(
        "\"Line B\",\"1.0.0.3\",\"pH bench\",\"F.0.0.11\",\"K761\",\"Tank A\",\"\xFC\",\"pH\","));
    EXPECT_TRUE(
        inhoud.endsWith("\"\"\r\n\"______________________________\",\"____________________\",\"\"\r\n"));
    EXPECT_EQ(v.Tag, QStringLiteral("SYSreport"));
    ASSERT_GT(naam.size(), 50);
    EXPECT_EQ(meldingen.back().titel, QStringLiteral("To file...") + QStringLiteral("...") + naam.right(47));
}

TEST_F(FormGLPTest, PrintingThroughThePrintDialogPutsTheHeaderBlockAndTheGridOnPaper) {
    FormGLP& v = Open(1, 1, 1, true);
    QTest::mouseClick(v.CommandPrint, Qt::LeftButton);
    formPrint* d = AfdrukDialoog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->OptionActiefVenster->text(), QStringLiteral("Current window (GLP report)"));
    EXPECT_TRUE(d->OptionActiefVenster->isChecked());
    const QString pdf = Pad("glp.pdf");
    keuze.namen = {pdf};
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    ASSERT_EQ(PdfPaginas(pdf), 1);
    const QString tekst = PdfTekst(pdf, 1);
    for (const char* t : {"GLP report", "Operator:", "J. O'Neil", "Sensor:", "HA405-DXK", "Input:", "Tank A",
                          "Calibration:", "Previous -1", "ISO-pH", "6.98 pH", "99.5 %", "Not calibrated!"})
        EXPECT_TRUE(tekst.contains(QString::fromUtf8(t))) << t;

    // All: every input in use with its temperature, a page each.
    QTest::mouseClick(v.CommandPrint, Qt::LeftButton);
    d = AfdrukDialoog();
    d->OptionAlles->setChecked(true);
    const QString alle = Pad("alle.pdf");
    keuze.namen = {alle};
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    ASSERT_EQ(PdfPaginas(alle), 8);
    EXPECT_TRUE(PdfTekst(alle, 2).contains(QStringLiteral("Manual value")));
    EXPECT_TRUE(PdfTekst(alle, 7).contains(QStringLiteral("0.970 cm-1")));

    // The configuration tab prints the configuration report.
    v.SSTab->setCurrentIndex(0);
    QTest::mouseClick(v.CommandPrint, Qt::LeftButton);
    d = AfdrukDialoog();
    EXPECT_EQ(d->OptionActiefVenster->text(), QStringLiteral("Current window (Configuration report)"));
    const QString sys = Pad("sys.pdf");
    keuze.namen = {sys};
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    const QString systeem = PdfTekst(sys, 1);
    for (const char* t : {"Configuration report", "Line A", "F.0.0.11", "EC bench", "Feed"})
        EXPECT_TRUE(systeem.contains(QString::fromUtf8(t))) << t;
    // The report window's mark stays until the dialog prints for another window.
    EXPECT_TRUE(PrintVanuitGLP);
    QWidget tabel;
    tabel.setProperty("Tag", QStringLiteral("tabel1"));
    PrintVensterDirect(&tabel);
    EXPECT_FALSE(PrintVanuitGLP);
}

// The simulated rack of /demo with its calibration files (scripts/screenshot-glp writes them into the
// calibration folder of its /demo run through K740_DEMO_CAL, and keeps pictures of both tabs): every
// input shows the date of its last calibration and its history.
TEST_F(FormGLPTest, TheSimulatedRackShowsEveryInputWithItsHistory) {
    Racks[1] = RackRecord{};
    VulDemorack();
    const QByteArray doel = qgetenv("K740_DEMO_CAL");
    MapKalibratie = doel.isEmpty() ? Pad("Demo") : QString::fromLocal8Bit(doel);
    SchrijfDemoKalibraties(MapKalibratie);
    for (int m = 1; m <= AantalModules; ++m)
        ASSERT_TRUE(m <= 5 ? LaadKalibratieK761(1, m, 0) : LaadKalibratieK762(1, m, 0));

    FormGLP& v = Open(1, 1, 1, false);
    const Raster& configuratie = v.Configuratie();
    ASSERT_EQ(configuratie.AantalRijen(), 1 + 7 * 4);
    for (int r = 1; r < configuratie.AantalRijen(); ++r) {
        EXPECT_FALSE(configuratie.CelTekst(r, KolomKalibratie).isEmpty()) << r;
        EXPECT_TRUE(configuratie.CelTekst(r, 11).isEmpty()) << r;
    }
    const std::vector<Kanaalkeuze> kanalen = ExportGLPKanalen();
    EXPECT_EQ(kanalen.size(), 7u * 8u);
    for (const Kanaalkeuze& k : kanalen) {
        const int generaties = 5 - (k.Mnr + (k.Knr - 1) % 4 + 1) % 4;
        EXPECT_EQ(::StelGLPTabelIn(k.Rnr, k.Mnr, k.Knr).AantalKolommen(), generaties + 1)
            << k.Mnr << " " << k.Knr;
    }

    // As the user sees both tabs, in each language.
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        ResetFormGLP();
        FormGLP& w = Open(1, 1, 1, false);
        Kindvensterkader(&w)->resize(TwipsNaarPixels(12500), TwipsNaarPixels(6600));
        w.show();
        QApplication::processEvents();
        const std::string waar = "language " + std::to_string(taal);
        // Every cell of a grid whole within its column (a bold cell in the bold font).
        const auto heel = [&waar](const Raster& r, const QTableView* v) {
            QFont vet = v->font();
            vet.setBold(true);
            for (int k = 0; k < r.AantalKolommen(); ++k)
                for (int rij = 0; rij < r.AantalRijen(); ++rij) {
                    const QFontMetrics fm(r.CelLettertype(rij, k).vet ? vet : v->font());
                    EXPECT_LE(fm.horizontalAdvance(r.CelTekst(rij, k)) + 6, v->columnWidth(k))
                        << waar << ": " << r.CelTekst(rij, k).toStdString();
                }
        };
        heel(w.Configuratie(), w.FlexGridConfiguratie);
        ControleerVensterteksten(w, waar + " configuration");
        const QImage beeldConfiguratie = w.grab().toImage();
        w.SSTab->setCurrentIndex(1);
        w.ListModules->setCurrentIndex(5);
        QApplication::processEvents();
        EXPECT_EQ(w.GLP().CelTekst(4, 0), Tekst[294]);
        EXPECT_TRUE(w.FlexGridGLP->isVisible());
        EXPECT_GT(w.FlexGridGLP->height(), w.FlexGridGLP->verticalHeader()->defaultSectionSize() * 8);
        heel(w.GLP(), w.FlexGridGLP);
        ControleerVensterteksten(w, waar + " GLP");
        const QImage beeldGLP = w.grab().toImage();
        if (!map.isEmpty()) {
            beeldConfiguratie.save(OpnameBestand(map, QStringLiteral("glp-configuratie"), taal));
            beeldGLP.save(OpnameBestand(map, QStringLiteral("glp-historie"), taal));
        }
    }
}

} // namespace

// System > Report in a main window 1400 pixels wide: with names as long as they may be, whose lists ask
// for more width than the area has, and a place kept from a wider window, the report opens within the
// window area with OK and Help in view.
TEST_F(FormGLPTest, TheReportOpensWithinTheWindowAreaWithOKAndHelpInView) {
    Racks[1] = RackRecord{};
    VulDemorack();
    const QString lang = QString(30, QLatin1Char('W'));
    Racks[1].Name = lang;
    for (int m = 1; m <= AantalModules; ++m) {
        Racks[1].Modules[m].Name = lang;
        for (int c = 1; c <= AantalIngangen; ++c)
            Racks[1].Modules[m].Meting[c].Name = lang;
    }
    BewaarInstelling(AppNaam, QStringLiteral("Report"), QStringLiteral("Left"), QStringLiteral("15000"));
    BewaarInstelling(AppNaam, QStringLiteral("Report"), QStringLiteral("Top"), QStringLiteral("9000"));
    mdiK740 hoofd;
    hoofd.resize(1400, 800);
    InstalleerHoofdvenster(hoofd);
    hoofd.show();
    for (const bool glp : {false, true}) {
        ToonRapport(1, 1, 1, glp);
        FormGLP* v = RapportVenster();
        ASSERT_NE(v, nullptr);
        QApplication::processEvents();
        const QWidget* gebied = hoofd.mdiGebied()->viewport();
        const QRect zicht = gebied->rect();
        const QWidget* kader = Kindvensterkader(v);
        ASSERT_EQ(kader->parentWidget(), gebied);
        EXPECT_TRUE(zicht.contains(kader->geometry()))
            << (glp ? "GLP: " : "configuration: ") << kader->x() << "," << kader->y() << " " << kader->width()
            << "x" << kader->height() << " in " << zicht.width() << "x" << zicht.height();
        for (const QPushButton* knop : {v->OKButton, v->CommandHelp}) {
            EXPECT_TRUE(knop->isVisible());
            const QRect plaats(knop->mapTo(gebied, QPoint(0, 0)), knop->size());
            EXPECT_TRUE(zicht.contains(plaats)) << knop->text().toStdString();
            EXPECT_TRUE(v->rect().contains(knop->geometry())) << knop->text().toStdString();
        }
        ResetFormGLP();
    }
}
