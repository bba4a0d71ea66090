// Direct printing of one window (the graph's Print, the recorder, Print rack): the window's body
// under its header block, and a job that fails is reported, never passed over.
#include "reports/Afdrukverdeling.h"
#include "Afdrukomgeving.h"
#include "OpnameBestandslaag.h"
#include "OpnameMelding.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "files/Bestandsdialogen.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"
#include "shared/Melding.h"

#include <QDir>
#include <cerrno>
#include <cstring>
#include <deque>

namespace {

class PdfAntwoord : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override {
        ++vragen;
        return bestand;
    }
    QString bestand;
    int vragen = 0;
};

// The terminal's side: its text on the page.
class Terminalafdruk : public Vensterafdruk {
public:
    void PrintTerminalTekst(Printer& p) override {
        p.CurrentY += 5;
        PrintTekstBlok(p, RandLinks + 10, RandRechts - 10, QStringLiteral("LOGON RACK 1 OK"));
    }
};

class AfdrukverdelingTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        ZetBestandsdialogen(&antwoord);
        melding.beantwoord = [this](const Vraag& v) {
            meldingen.push_back(v.tekst);
            return int(vbOK);
        };
        ZetMeldingVenster(&melding);
        Printerlijst lijst;
        lijst.Printers = {PdfPrinter()};
        lijst.Standaard = PdfPrinterNaam;
        ZetPrinterbron([lijst] { return lijst; });
        PrinterIndex = 0;
        ZetVensterafdruk(&terminal);
        venster.setProperty("Tag", QStringLiteral("terminal"));
    }
    void TearDown() override {
        ZetVensterafdruk(nullptr);
        ResetformPrint();
        ZetMeldingVenster(nullptr);
        ZetBestandsdialogen(nullptr);
        SchoneOmgeving::TearDown();
    }
    PdfAntwoord antwoord;
    Terminalafdruk terminal;
    OpnameMelding melding;
    std::vector<QString> meldingen;
    QWidget venster;
};

} // namespace

TEST_F(AfdrukverdelingTest, DirectPrintingPrintsTheWindowUnderItsHeaderBlock) {
    antwoord.bestand = QDir(tijdelijkeMap()).filePath(QStringLiteral("terminal.pdf"));
    PrintVensterDirect(&venster);
    EXPECT_TRUE(meldingen.empty());
    ASSERT_EQ(PdfPaginas(antwoord.bestand), 1);
    const QString tekst = PdfTekst(antwoord.bestand, 1);
    EXPECT_TRUE(tekst.contains(QStringLiteral("System:")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("LOGON RACK 1 OK")));
    EXPECT_EQ(AfdrukDialoog(), nullptr);
}

TEST_F(AfdrukverdelingTest, AFailedDirectPrintIsReportedAndTheDialogIsGone) {
    antwoord.bestand = QDir(tijdelijkeMap()).filePath(QStringLiteral("no folder/terminal.pdf"));
    PrintVensterDirect(&venster);
    ASSERT_EQ(meldingen.size(), 1u);
    // The path and the system's reason: a missing folder is no file in use.
    EXPECT_EQ(meldingen[0],
              antwoord.bestand + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_EQ(AfdrukDialoog(), nullptr);
}

// A recorder's printout at a full strip asks nothing: to the PDF printer it writes a file named after
// the window, the date and the time in the data folder; one that fails leaves its trace in the event
// log, not a box that would hold up the program.
TEST_F(AfdrukverdelingTest, AnAutomaticPrintoutAsksNothingAndLeavesAFailureInTheEventLog) {
    OpnameBestandslaag laag;
    ZetBestandslaag(&laag);
    MapGegevens = tijdelijkeMap();
    venster.setWindowTitle(QStringLiteral("Graph 2: pH/mV"));
    antwoord.vragen = 0;
    PrintVensterAutomatisch(&venster);
    EXPECT_EQ(antwoord.vragen, 0);
    EXPECT_TRUE(meldingen.empty());
    const QStringList pdfs = QDir(tijdelijkeMap()).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(pdfs[0], QStringLiteral("Graph 2_ pH_mV 2026-01-05 09.00.00.pdf"));
    EXPECT_TRUE(
        PdfTekst(QDir(tijdelijkeMap()).filePath(pdfs[0]), 1).contains(QStringLiteral("LOGON RACK 1 OK")));
    // The next in the same second gets a number.
    EXPECT_TRUE(AutomatischPdfBestand(&venster).endsWith(QStringLiteral("09.00.00 (2).pdf")));

    MapGegevens = tijdelijkeMap() + QStringLiteral("/no folder");
    PrintVensterAutomatisch(&venster);
    EXPECT_TRUE(meldingen.empty());
    ASSERT_EQ(laag.logboek.size(), 1u);
    // On one line: the path, then the system's reason.
    const QString regel = std::get<2>(laag.logboek[0]);
    EXPECT_TRUE(regel.startsWith(MapGegevens)) << regel.toStdString();
    EXPECT_TRUE(regel.endsWith(QStringLiteral(".pdf - ") + QString::fromLocal8Bit(std::strerror(ENOENT))))
        << regel.toStdString();
    ZetBestandslaag(nullptr);
}

TEST_F(AfdrukverdelingTest, PrintRackPrintsTheWindowsPictureWithoutAHeaderBlock) {
    QWidget rack;
    rack.setProperty("Tag", QStringLiteral("meting1"));
    rack.resize(400, 300);
    antwoord.bestand = QDir(tijdelijkeMap()).filePath(QStringLiteral("rack.pdf"));
    PrintVensterDirect(&rack);
    EXPECT_TRUE(meldingen.empty());
    ASSERT_EQ(PdfPaginas(antwoord.bestand), 1);
    EXPECT_FALSE(PdfTekst(antwoord.bestand, 1).contains(QStringLiteral("System:")));
    // The picture is on the page.
    EXPECT_TRUE(Uitvoer(QStringLiteral("pdfimages"), {QStringLiteral("-list"), antwoord.bestand})
                    .contains(QStringLiteral("image")));
}
