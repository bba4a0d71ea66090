#include "Afdrukomgeving.h"
#include "Bestandsgrens.h"
#include "OpnameMelding.h"
#include "Opnametaal.h"
#include "TekstControle.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Bestandsdialogen.h"
#include "platform/Opslag.h"
#include "reports/Afdrukverdeling.h"
#include "reports/Opnamevlak.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printers.h"
#include "reports/formPaginaSetup.h"
#include "reports/formPrint.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <deque>

namespace {

// The common dialogs answer from the test: the file name of the next save question, the font of the
// next font dialog (nothing: Cancel).
class Antwoorden : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag) override {
        vragen.push_back(vraag);
        if (bestanden.empty()) return std::nullopt;
        const QString b = bestanden.front();
        bestanden.pop_front();
        return b;
    }
    bool KiesLettertype(Lettertype& l, const QString& titel) override {
        lettertypeTitel = titel;
        gevraagdLettertype = l;
        if (!lettertype) return false;
        l = *lettertype;
        return true;
    }
    bool KiesKleur(int32_t&, const QString&) override { return false; }

    std::deque<QString> bestanden;
    std::vector<BestandsdialoogVraag> vragen;
    std::optional<Lettertype> lettertype;
    Lettertype gevraagdLettertype;
    QString lettertypeTitel;
};

Printerinfo Nepprinter(const char* naam, QPageSize papier) {
    Printerinfo p;
    p.Naam = QLatin1String(naam);
    p.Papier = papier;
    p.Marges = QMarginsF(4, 4, 4, 4);
    return p;
}

class AfdrukdialoogTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        ZetBestandsdialogen(&antwoorden);
        melding.beantwoord = [this](const Vraag& v) {
            meldingen.push_back(v.tekst);
            if (ja.empty()) return int(vbNo);
            const bool antwoord = ja.front();
            ja.pop_front();
            return int(antwoord ? vbYes : vbNo);
        };
        ZetMeldingVenster(&melding);
        // Paper codes 9, 28 and 256 (a size of its own), then the PDF entry.
        lijst.Printers = {Nepprinter("Office laser", QPageSize(QPageSize::A4)),
                          Nepprinter("Lab printer", QPageSize(QPageSize::C5E)),
                          Nepprinter("Label writer", QPageSize(QSizeF(62, 100), QPageSize::Millimeter)),
                          PdfPrinter()};
        lijst.Standaard = QStringLiteral("Lab printer");
        ZetPrinterbron([this] { return lijst; });
        MapGegevens = tijdelijkeMap();
    }
    void TearDown() override {
        ResetformPrint();
        ZetMeldingVenster(nullptr);
        ZetBestandsdialogen(nullptr);
        SchoneOmgeving::TearDown();
    }
    // The dialog as the print menu loads and shows it.
    formPrint& Laad(QWidget* actief = nullptr) {
        dialoog = std::make_unique<formPrint>();
        dialoog->ActiefVenster = actief;
        dialoog->Laad();
        dialoog->show();
        return *dialoog;
    }
    QString Pdf(const char* naam) const { return QDir(tijdelijkeMap()).filePath(QLatin1String(naam)); }

    Antwoorden antwoorden;
    Printerlijst lijst;
    OpnameMelding melding;
    std::vector<QString> meldingen;
    std::deque<bool> ja;
    std::unique_ptr<formPrint> dialoog;
};

// Table windows of which rack 1 has two rows selected in module tab 3, showing tab `tab`.
class Tabelkeuze : public Vensterafdruk {
public:
    int32_t Geselecteerd(int r, int m) override { return r == 1 && m == 3 ? 2 : 0; }
    int16_t GetoondeTab(const QWidget*) override { return tab; }
    int16_t tab = 1;
};

TEST_F(AfdrukdialoogTest, PrintSelectionOnlyFollowsTheRowsSelectedInTheTableWindows) {
    Tabelkeuze tabellen;
    ZetVensterafdruk(&tabellen);
    RackVlaggen[1].Table = true;
    Racks[1].Present = true;
    QWidget tabel;
    tabel.setProperty("Tag", QStringLiteral("tabel1"));
    // All windows: any table with selected rows.
    PrintAlles = true;
    EXPECT_TRUE(Laad(&tabel).CheckEnkelSelectie->isEnabled());
    // The current table window: the rows selected in the tab it shows.
    PrintAlles = false;
    EXPECT_FALSE(Laad(&tabel).CheckEnkelSelectie->isEnabled());
    tabellen.tab = 3;
    EXPECT_TRUE(Laad(&tabel).CheckEnkelSelectie->isEnabled());
    ZetVensterafdruk(nullptr);
    EXPECT_FALSE(Laad(&tabel).CheckEnkelSelectie->isEnabled());
}

TEST_F(AfdrukdialoogTest, WithoutAPrinterSectionTheDialogShowsTheDefaults) {
    LeesPrinterInstellingen(QStringLiteral("Printer"));
    QWidget tabel;
    tabel.setProperty("Tag", QStringLiteral("tabel1"));
    tabel.setWindowTitle(QStringLiteral("Table rack 1"));
    formPrint& v = Laad(&tabel);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Print ..."));
    EXPECT_EQ(v.LabelTonenLettertype->text(), QStringLiteral("Arial"));
    EXPECT_FALSE(v.LabelTonenLettertype->font().italic());
    for (QLineEdit* t : {v.TextOperator, v.TextBedrijf, v.TextAfdeling})
        EXPECT_TRUE(t->text().isEmpty());
    EXPECT_TRUE(v.TextNota->toPlainText().isEmpty());
    EXPECT_EQ(v.TextToestel->text(), QStringLiteral("K740"));
    EXPECT_TRUE(v.OptionAlles->isChecked());
    EXPECT_EQ(v.OptionActiefVenster->text(), QStringLiteral("Current window (Table rack 1)"));
    EXPECT_TRUE(v.OptionOrientatie[0]->isChecked());
    // The system's default printer is chosen.
    EXPECT_EQ(v.ComboPrinter->count(), 4);
    EXPECT_EQ(v.ComboPrinter->currentText(), QStringLiteral("Lab printer"));
    EXPECT_EQ(PrinterIndex, 1);
    EXPECT_EQ(HuidigePrinter().Naam, QStringLiteral("Lab printer"));
    EXPECT_EQ(MargeBoven + MargeOnder + MargeLinks + MargeRechts, 0.0f);
    EXPECT_EQ(v.SSTab1->currentIndex(), 0);
    EXPECT_FALSE(v.CommandSaveSettings->isEnabled());
    // Nothing but the window's own controls enables saving.
    v.TextOperator->setText(QStringLiteral("A. Smith"));
    EXPECT_TRUE(v.CommandSaveSettings->isEnabled());
}

TEST_F(AfdrukdialoogTest, TheStoredPrinterPositionIsMended) {
    PrinterIndex = 9;
    EXPECT_EQ(Laad().ComboPrinter->currentIndex(), 0);
    EXPECT_EQ(PrinterIndex, 0);
    // No printer chosen: the current printer, at start the default printer; without one, printing to
    // PDF.
    PrinterIndex = -1;
    EXPECT_EQ(Laad().ComboPrinter->currentIndex(), 0);
    ZetPrinterbron([this] { return lijst; });
    PrinterIndex = -1;
    EXPECT_EQ(Laad().ComboPrinter->currentIndex(), 1);
    lijst.Standaard.clear();
    ZetPrinterbron([this] { return lijst; });
    PrinterIndex = -1;
    EXPECT_EQ(Laad().ComboPrinter->currentText(), PdfPrinterNaam);
    EXPECT_EQ(PrinterIndex, 3);
}

TEST_F(AfdrukdialoogTest, ThePaperLabelNamesThePaperOfTheChosenPrinter) {
    formPrint& v = Laad();
    EXPECT_EQ(v.LabelPapier->text(), QStringLiteral("Paper size: Envelope C5, 162 x 229 mm"));
    v.ComboPrinter->setCurrentIndex(0);
    emit v.ComboPrinter->activated(0);
    EXPECT_EQ(v.LabelPapier->text(), QStringLiteral("Paper size: A4, 210 x 297 mm"));
    EXPECT_EQ(HuidigePrinter().Naam, QStringLiteral("Office laser"));
    EXPECT_TRUE(v.CommandSaveSettings->isEnabled());
    v.ZetPapiersoort(2);
    EXPECT_EQ(v.LabelPapier->text(), QStringLiteral("Paper size: User-defined"));
    EXPECT_EQ(WeergavePapierSoort(256), QStringLiteral("User-defined"));
    EXPECT_EQ(WeergavePapierSoort(41), QStringLiteral("German Legal Fanfold, 8 1/2 x 13 in."));
}

TEST_F(AfdrukdialoogTest, CancelPutsBackTheFontUnlessItWasSaved) {
    formPrint& v = Laad();
    antwoorden.lettertype = Lettertype{QStringLiteral("DejaVu Serif"), 12, true, true};
    QTest::mouseClick(v.CommandPrinterFont, Qt::LeftButton);
    EXPECT_EQ(antwoorden.lettertypeTitel, QStringLiteral("Change Font"));
    EXPECT_EQ(antwoorden.gevraagdLettertype, (Lettertype{QStringLiteral("Arial"), 10}));
    EXPECT_EQ(PrintLettertype, QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(PrintCursief);
    EXPECT_EQ(v.LabelTonenLettertype->text(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(v.LabelTonenLettertype->font().italic());
    EXPECT_TRUE(ConfiguratieGewijzigd);
    QTest::mouseClick(v.CancelButton, Qt::LeftButton);
    EXPECT_EQ(PrintLettertype, QStringLiteral("Arial"));
    EXPECT_FALSE(PrintCursief);

    formPrint& w = Laad();
    QTest::mouseClick(w.CommandPrinterFont, Qt::LeftButton);
    w.TextOperator->setText(QStringLiteral("A. Smith"));
    QTest::mouseClick(w.CommandSaveSettings, Qt::LeftButton);
    EXPECT_FALSE(w.CommandSaveSettings->isEnabled());
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(PrintLettertype, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Printer", "Fontname", ""), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Printer", "Operator", ""), QStringLiteral("A. Smith"));
}

TEST_F(AfdrukdialoogTest, TheFifteenPrinterKeysAreSavedInOrderAndReadBack) {
    PrintOperator = QStringLiteral("A. Smith");
    MargeBoven = 12.5f;
    PrintOrientatie = 2;
    PrinterIndex = 3;
    BewaarPrinterInstellingen(QStringLiteral("Printer"));
    QStringList sleutels;
    for (const auto& [sleutel, waarde] : PrinterWaarden()) {
        sleutels << sleutel;
        EXPECT_EQ(LeesInstelling(AppNaam, "Printer", sleutel, "<none>"), waarde);
    }
    EXPECT_EQ(sleutels, (QStringList{"Fontname", "Fontitalic", "Operator", "Department", "Company",
                                     "Instrument", "Print All", "Offset top", "Offset bottom", "Offset left",
                                     "Offset right", "Note", "Orientation", "Device", "Alarm report"}));
    EXPECT_EQ(LeesInstelling(AppNaam, "Printer", "Fontitalic", ""), QStringLiteral("False"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Printer", "Offset top", ""), QStringLiteral("12.5"));
    // Margins are read with either decimal sign.
    BewaarInstelling(AppNaam, "Printer", "Offset left", "7,5");
    ResetPrinterinstellingen();
    MargeBoven = 0;
    LeesPrinterInstellingen(QStringLiteral("Printer"));
    EXPECT_EQ(MargeBoven, 12.5f);
    EXPECT_EQ(MargeLinks, 7.5f);
    EXPECT_EQ(PrintOperator, QStringLiteral("A. Smith"));
    EXPECT_EQ(PrintOrientatie, 2);
    EXPECT_EQ(PrinterIndex, 3);
}

// A font the system lacks keeps its name (the system's font matching prints it); only an empty name
// becomes the default.
TEST_F(AfdrukdialoogTest, AFontNameTheSystemLacksIsKept) {
    PrintLettertype = QStringLiteral("No Such Font K740");
    PrintCursief = true;
    formPrint& v = Laad();
    v.UitlezenPrinterinstellingen();
    EXPECT_EQ(PrintLettertype, QStringLiteral("No Such Font K740"));
    EXPECT_TRUE(PrintCursief);
    PrintLettertype = QStringLiteral(" ");
    v.UitlezenPrinterinstellingen();
    EXPECT_EQ(PrintLettertype, QStringLiteral("Arial"));
    EXPECT_FALSE(PrintCursief);
}

// Print on the PDF entry asks for the file, replaces an existing one only after Yes, and prints the
// header block of the window.
TEST_F(AfdrukdialoogTest, PrintToPdfAsksForTheFileAndPrintsTheHeaderBlock) {
    QWidget terminal;
    terminal.setProperty("Tag", QStringLiteral("terminal"));
    formPrint& v = Laad(&terminal);
    v.ComboPrinter->setCurrentIndex(3);
    v.TextOperator->setText(QStringLiteral("A. Smith"));
    v.OptionActiefVenster->setChecked(true);
    v.OptionOrientatie[1]->setChecked(true);

    // Cancel in the file dialog prints nothing, and the dialog stays.
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    ASSERT_EQ(antwoorden.vragen.size(), 1u);
    EXPECT_TRUE(antwoorden.vragen[0].opslaan);
    EXPECT_EQ(antwoorden.vragen[0].filter, QStringLiteral("PDF (*.pdf)|*.pdf"));
    EXPECT_TRUE(v.isVisible());

    const QString pdf = Pdf("kop.pdf");
    {
        QFile bestaand(pdf);
        ASSERT_TRUE(bestaand.open(QIODevice::WriteOnly));
        bestaand.write("old");
    }
    antwoorden.bestanden = {pdf, Pdf("nieuw")};
    ja = {false};
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    // "kop.pdf" exists: No asks again; "nieuw" gets its extension and does not exist.
    EXPECT_EQ(meldingen.size(), 1u);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(LeesBytes(pdf), QByteArray("old"));
    ASSERT_EQ(PdfPaginas(Pdf("nieuw.pdf")), 1);
    const QString tekst = PdfTekst(Pdf("nieuw.pdf"), 1);
    EXPECT_TRUE(tekst.contains(QRegularExpression(QStringLiteral("Operator:\\s+A. Smith"))));
    EXPECT_TRUE(tekst.contains(QStringLiteral("System:")));
    EXPECT_TRUE(
        Uitvoer(QStringLiteral("pdfinfo"), {Pdf("nieuw.pdf")}).contains(QStringLiteral("842 x 595 pts")));
    EXPECT_EQ(PrintOperator, QStringLiteral("A. Smith"));
    EXPECT_EQ(PrintOrientatie, 2);
    EXPECT_FALSE(PrintAlles);
    EXPECT_EQ(v.tePrintenVenster, &terminal);

    // A file that cannot be written is reported, not passed over.
    const QString onbereikbaar = QDir(tijdelijkeMap()).filePath(QStringLiteral("no folder/kop.pdf"));
    antwoorden.bestanden = {onbereikbaar};
    v.show();
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_EQ(meldingen[1],
              onbereikbaar + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(ENOENT)));
}

// Printing over an existing PDF file on a disk that cannot take the new one: the old file stays whole
// and readable, nothing is left beside it, and the failure is reported.
TEST_F(AfdrukdialoogTest, APrintToAnExistingPdfThatCannotBeWrittenLeavesTheOldFileWhole) {
    QWidget terminal;
    terminal.setProperty("Tag", QStringLiteral("terminal"));
    formPrint& v = Laad(&terminal);
    v.ComboPrinter->setCurrentIndex(3);
    v.OptionActiefVenster->setChecked(true);
    const QString pdf = Pdf("kop.pdf");
    antwoorden.bestanden = {pdf};
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    const QByteArray oud = LeesBytes(pdf);
    ASSERT_GT(oud.size(), 2000);
    ASSERT_EQ(PdfPaginas(pdf), 1);

    v.show();
    v.TextOperator->setText(QStringLiteral("B. Jones"));
    antwoorden.bestanden = {pdf};
    ja = {true};
    {
        Bestandsgrens grens(1000);
        QTest::mouseClick(v.OKButton, Qt::LeftButton);
    }
    EXPECT_EQ(LeesBytes(pdf), oud);
    EXPECT_EQ(PdfPaginas(pdf), 1);
    EXPECT_EQ(QDir(tijdelijkeMap()).entryList(QDir::Files), QStringList{"kop.pdf"});
    ASSERT_EQ(meldingen.size(), 2u);
    // Its path and the system's reason: a full disk is no file in use.
    EXPECT_EQ(meldingen[1], pdf + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG)));

    // With room, the new file replaces the old one.
    v.show();
    antwoorden.bestanden = {pdf};
    ja = {true};
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_TRUE(PdfTekst(pdf, 1).contains(QStringLiteral("B. Jones")));
    EXPECT_EQ(QDir(tijdelijkeMap()).entryList(QDir::Files), QStringList{"kop.pdf"});
}

// The note holds several lines: Enter in it starts a new line, not the print job.
TEST_F(AfdrukdialoogTest, TheNoteTakesSeveralLinesAndEnterInItPrintsNothing) {
    formPrint& v = Laad();
    v.ComboPrinter->setCurrentIndex(3);
    v.SSTab1->setCurrentIndex(1);
    QWidget* nota = v.findChild<QWidget*>(QStringLiteral("TextNota"));
    ASSERT_NE(nota, nullptr);
    nota->setFocus();
    QTest::keyClicks(nota, QStringLiteral("Buffers 4 and 7"));
    QTest::keyClick(nota, Qt::Key_Return);
    QTest::keyClicks(nota, QStringLiteral("Electrode replaced"));
    QTest::keyClick(nota, Qt::Key_Enter);
    EXPECT_TRUE(antwoorden.vragen.empty()) << "no print job was started";
    EXPECT_TRUE(v.isVisible());
    v.UitlezenPrinterinstellingen();
    EXPECT_EQ(PrintNota, QStringLiteral("Buffers 4 and 7\r\nElectrode replaced\r\n"));
    // A stored note of several lines is shown as it was typed.
    PrintNota = QStringLiteral("One\r\nTwo");
    v.Refresh();
    v.UitlezenPrinterinstellingen();
    EXPECT_EQ(PrintNota, QStringLiteral("One\r\nTwo"));
}

// A dispatcher takes over the run; direct printing loads no visible dialog and clears the selection.
TEST_F(AfdrukdialoogTest, DirectPrintingRunsTheDispatcherWithoutTheDialog) {
    std::vector<QString> geprint;
    ZetAfdrukverdeler([&](formPrint& d, ::Printer& p) {
        geprint.push_back(d.tePrintenVenster ? d.tePrintenVenster->objectName() : QString());
        EXPECT_FALSE(d.isVisible());
        EXPECT_NEAR(RandOnder, p.ScaleHeight(), 1e-9);
    });
    PrintEnkelSelectie = true;
    PrinterIndex = 3;
    antwoorden.bestanden = {Pdf("direct.pdf")};
    QWidget grafiek;
    grafiek.setObjectName(QStringLiteral("grafiek2"));
    PrintVensterDirect(&grafiek);
    EXPECT_EQ(geprint, std::vector<QString>{"grafiek2"});
    EXPECT_FALSE(PrintEnkelSelectie);
    EXPECT_EQ(AfdrukDialoog(), nullptr);
}

TEST_F(AfdrukdialoogTest, FromTheReportWindowTheCurrentWindowIsTheReport) {
    QWidget rapport;
    rapport.setProperty("Tag", QStringLiteral("GLPreport"));
    afdrukbronnen().Rapportvenster = [&rapport] { return &rapport; };
    PrintVanuitGLP = true;
    formPrint& v = Laad();
    EXPECT_EQ(v.OptionActiefVenster->text(), QStringLiteral("Current window (GLP report)"));
    EXPECT_TRUE(v.OptionActiefVenster->isChecked());
    EXPECT_FALSE(v.CheckAlarmRapport->isEnabled());
    EXPECT_EQ(v.tePrintenVenster, &rapport);
    // Opened from the main window, the report window's tab still chooses the current window.
    PrintVanuitGLP = false;
    rapport.setProperty("Tag", QStringLiteral("SYSreport"));
    EXPECT_TRUE(Laad().OptionActiefVenster->isChecked());
}

TEST_F(AfdrukdialoogTest, FilePrintOpensTheDialogForTheActiveWindow) {
    mdiK740 hoofd;
    InstalleerHoofdvenster(hoofd);
    QAction* afdrukken = nullptr;
    for (QAction* a : hoofd.findChildren<QAction*>())
        if (a->objectName() == QStringLiteral("mnuFilePrint")) afdrukken = a;
    ASSERT_NE(afdrukken, nullptr);
    EXPECT_EQ(afdrukken->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    // Only the main window: nothing to print.
    afdrukken->trigger();
    EXPECT_EQ(AfdrukDialoog(), nullptr);

    auto tabel = std::make_unique<QWidget>();
    tabel->setWindowTitle(QStringLiteral("Table - Lab rack 1"));
    QWidget* venster = tabel.get();
    NeemKindvensterOp(std::move(tabel));
    ToonKindvenster(venster);
    QString gezien;
    QTimer::singleShot(0, qApp, [&gezien] {
        if (auto* d = qobject_cast<formPrint*>(QApplication::activeModalWidget())) {
            gezien = d->OptionActiefVenster->text();
            d->reject();
        }
    });
    afdrukken->trigger();
    EXPECT_EQ(gezien, QStringLiteral("Current window (Table - Lab rack 1)"));
}

// On an A4 page with a printable area of 200 x 287 mm.
TEST_F(AfdrukdialoogTest, TheMarginDialogTakesUpToAThirdAndPrintingCutsToAFifth) {
    MargeBoven = 80; // more than a fifth: the dialog opens with 57.4
    formPaginaSetup d(QSizeF(200, 287));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Page margins"));
    EXPECT_EQ(d.LabelSizes->text(),
              QStringLiteral("Values in millimetres,\nrelative to printable area = 200.0 x 287.0 mm"));
    EXPECT_EQ(d.TextTop->text(), QStringLiteral("57.4"));
    EXPECT_EQ(d.UpDown1->value(), 574);
    EXPECT_EQ(d.UpDown1->maximum(), 957);
    EXPECT_EQ(d.UpDown3->maximum(), 667);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    auto tik = [](QLineEdit* box, const QString& tekst) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, tekst);
        QTest::keyClick(box, Qt::Key_Tab);
    };
    tik(d.TextTop, QStringLiteral("200"));
    EXPECT_EQ(d.TextTop->text(), QStringLiteral("95.7"));
    EXPECT_EQ(d.UpDown1->value(), 957);
    tik(d.TextLeft, QStringLiteral("100,0"));
    EXPECT_EQ(d.TextLeft->text(), QStringLiteral("66.7"));
    tik(d.TextBottom, QStringLiteral("-4"));
    EXPECT_EQ(d.TextBottom->text(), QStringLiteral("0.0"));
    EXPECT_EQ(d.UpDown2->value(), 0);
    // The spinner moves its box in tenths of a millimetre.
    d.UpDown4->setValue(125);
    EXPECT_EQ(d.TextRight->text(), QStringLiteral("12.5"));
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    EXPECT_FALSE(d.CancelGeklikt);
    EXPECT_NEAR(MargeBoven, 95.67, 0.01);
    EXPECT_NEAR(MargeLinks, 66.67, 0.01);
    EXPECT_EQ(MargeOnder, 0.0f);
    EXPECT_EQ(MargeRechts, 12.5f);

    // The next print uses a fifth.
    Opnamevlak vlak(200, 287);
    ::Printer p(vlak);
    InitialiseerPrinter(p);
    EXPECT_EQ(OpmaakSingle(MargeBoven, "0.0"), QStringLiteral("57.4"));
    EXPECT_EQ(OpmaakSingle(MargeLinks, "0.0"), QStringLiteral("40.0"));

    // Cancel keeps the margins as they were when the dialog opened.
    formPaginaSetup e(QSizeF(200, 287));
    e.TextRight->setText(QStringLiteral("30"));
    QTest::keyClick(&e, Qt::Key_Escape);
    EXPECT_TRUE(e.CancelGeklikt);
    EXPECT_EQ(MargeRechts, 12.5f);
}

// Renders the three tabs of the print dialog and the margin dialog to PNG. With K740_SCREENSHOTS set to
// a folder (scripts/screenshot-print) the pictures are kept there, in each language.
TEST_F(AfdrukdialoogTest, TheDialogsRender) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS", tijdelijkeMap());
    ASSERT_TRUE(QDir().mkpath(map));
    PrintOperator = QStringLiteral("J. O'Neil");
    PrintBedrijf = QStringLiteral("Quorvex Laboratories");
    PrintAfdeling = QStringLiteral("Water quality");
    PrintNota = QStringLiteral("Buffers 4.01 and 7.00, electrode B");
    QWidget tabel;
    tabel.setProperty("Tag", QStringLiteral("tabel1"));
    tabel.setWindowTitle(QStringLiteral("Table - Lab rack 1"));
    MargeBoven = MargeOnder = 15;
    MargeLinks = MargeRechts = 20;
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        const std::string waar = "language " + std::to_string(taal);
        formPrint& v = Laad(&tabel);
        for (int tab = 0; tab < 3; ++tab) {
            v.SSTab1->setCurrentIndex(tab);
            ControleerVensterteksten(v, waar + " tab " + std::to_string(tab));
            const QImage beeld = v.grab().toImage();
            ASSERT_FALSE(beeld.isNull());
            EXPECT_TRUE(beeld.save(OpnameBestand(map, QStringLiteral("print-%1").arg(tab), taal)));
        }
        formPaginaSetup d(AfdrukbareMaat(HuidigePrinter(), 1), &v);
        d.show();
        ControleerVensterteksten(d, waar + " margins");
        EXPECT_TRUE(d.grab().toImage().save(OpnameBestand(map, QStringLiteral("marges"), taal)));
    }
}

} // namespace
