#include "reports/Printers.h"

#include "platform/Tekstbestand.h"
#include "reports/Printerkode.h"
#include "reports/Printervlak.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <array>
#include <optional>

namespace {

std::function<Printerlijst()> bron;
std::optional<Printerinfo> huidige;

const std::array<const char*, 41> Papiernamen = {
    "Letter, 8 1/2 x 11 in.",
    "Letter Small, 8 1/2 x 11 in.",
    "Tabloid, 11 x 17 in.",
    "Ledger, 17 x 11 in.",
    "Legal, 8 1/2 x 14 in.",
    "Statement, 5 1/2 x 8 1/2 in.",
    "Executive, 7 1/2 x 10 1/2 in.",
    "A3, 297 x 420 mm",
    "A4, 210 x 297 mm",
    "A4 Small, 210 x 297 mm",
    "A5, 148 x 210 mm",
    "B4, 250 x 354 mm",
    "B5, 182 x 257 mm",
    "Folio, 8 1/2 x 13 in.",
    "Quarto, 215 x 275 mm",
    "10 x 14 in.",
    "11 x 17 in.",
    "Note, 8 1/2 x 11 in.",
    "Envelope #9, 3 7/8 x 8 7/8 in.",
    "Envelope #10, 4 1/8 x 9 1/2 in.",
    "Envelope #11, 4 1/2 x 10 3/8 in.",
    "Envelope #12, 4 1/2 x 11 in.",
    "Envelope #14, 5 x 11 1/2 in.",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "Envelope DL, 110 x 220 mm",
    "Envelope C5, 162 x 229 mm",
    "Envelope C3, 324 x 458 mm",
    "Envelope C4, 229 x 324 mm",
    "Envelope C6, 114 x 162 mm",
    "Envelope C65, 114 x 229 mm",
    "Envelope B4, 250 x 353 mm",
    "Envelope B5, 176 x 250 mm",
    "Envelope B6, 176 x 125 mm",
    "Envelope, 110 x 230 mm",
    "Envelope Monarch, 3 7/8 x 7 1/2 in.",
    "Envelope, 3 5/8 x 6 1/2 in.",
    "U.S. Standard Fanfold, 14 7/8 x 11 in.",
    "German Standard Fanfold, 8 1/2 x 12 in.",
    "German Legal Fanfold, 8 1/2 x 13 in.",
};

QPageLayout Opmaak(const Printerinfo& printer, int16_t orientatie) {
    return QPageLayout(printer.Papier, orientatie == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       printer.Marges, QPageLayout::Millimeter);
}

} // namespace

Printerinfo PdfPrinter() {
    Printerinfo pdf;
    pdf.Naam = PdfPrinterNaam;
    pdf.Pdf = true;
    pdf.Papier = QPageSize(QPageSize::A4);
    pdf.Marges = QMarginsF(5, 5, 5, 5);
    return pdf;
}

Printerlijst SysteemPrinters() {
    Printerlijst lijst;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        Printerinfo p;
        p.Naam = info.printerName();
        p.Papier = info.defaultPageSize().isValid() ? info.defaultPageSize() : QPageSize(QPageSize::A4);
        QPrinter printer(info, QPrinter::HighResolution);
        p.Marges = printer.pageLayout().margins(QPageLayout::Millimeter);
        lijst.Printers.append(p);
    }
    lijst.Printers.append(PdfPrinter());
    lijst.Standaard = QPrinterInfo::defaultPrinterName();
    return lijst;
}

Printerlijst Printers() {
    return bron ? bron() : SysteemPrinters();
}

void ZetPrinterbron(std::function<Printerlijst()> nieuw) {
    bron = std::move(nieuw);
    huidige.reset();
}

const Printerinfo& HuidigePrinter() {
    if (!huidige) {
        const Printerlijst lijst = Printers();
        for (const Printerinfo& p : lijst.Printers)
            if (!lijst.Standaard.isEmpty() && p.Naam == lijst.Standaard) huidige = p;
        if (!huidige) huidige = PdfPrinter();
    }
    return *huidige;
}

void ZetHuidigePrinter(const Printerinfo& printer) {
    huidige = printer;
}

QSizeF AfdrukbareMaat(const Printerinfo& printer, int16_t orientatie) {
    return Opmaak(printer, orientatie).paintRect(QPageLayout::Millimeter).size();
}

QString WeergavePapierSoort(int code) {
    if (code >= 1 && code <= static_cast<int>(Papiernamen.size()))
        return QString::fromUtf8(Papiernamen[static_cast<std::size_t>(code - 1)]);
    return QStringLiteral("User-defined");
}

int PapierCode(const QPageSize& papier) {
    return papier.windowsId();
}

std::unique_ptr<Printervlak> MaakAfdrukvlak(const Printerinfo& printer, const QString& pdfBestand) {
    if (printer.Pdf) return MaakPdfvlak(pdfBestand, printer.Papier);
    auto qprinter =
        std::make_unique<QPrinter>(QPrinterInfo::printerInfo(printer.Naam), QPrinter::HighResolution);
    qprinter->setPageSize(printer.Papier);
    qprinter->setDocName(QStringLiteral("K740"));
    return std::make_unique<Printervlak>(std::move(qprinter));
}

std::unique_ptr<Printervlak> MaakPdfvlak(const QString& bestand, const QPageSize& papier) {
    auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    qprinter->setOutputFormat(QPrinter::PdfFormat);
    qprinter->setOutputFileName(bestand);
    qprinter->setPageLayout(
        QPageLayout(papier, QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    qprinter->setDocName(QStringLiteral("K740"));
    qprinter->setCreator(QStringLiteral("K740"));
    return std::make_unique<Printervlak>(std::move(qprinter));
}

namespace {

// A PDF file ends with its end-of-file mark (and at most a line end or two after it): a file cut off
// anywhere before lacks it.
bool PdfIsHeel(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 16) return false;
    f.seek(f.size() - 16);
    return f.read(16).trimmed().endsWith("%%EOF");
}

} // namespace

bool PrintNaarPdf(const QString& bestand, const std::function<void(Printer&)>& afdruk,
                  const QPageSize& papier) {
    bool leeg = false;
    const bool gelukt = platform::SchrijfBestandVeiligMet(bestand, [&](const QString& tijdelijk) {
        const std::unique_ptr<Printervlak> vlak = MaakPdfvlak(tijdelijk, papier);
        Printer p(*vlak);
        InitialiseerPrinter(p);
        afdruk(p);
        const bool einde = p.EndDoc();
        leeg = einde && vlak->paginas() == 0;
        return einde && !leeg && PdfIsHeel(tijdelijk);
    });
    return gelukt || leeg;
}

void ResetPrinters() {
    bron = nullptr;
    huidige.reset();
}
