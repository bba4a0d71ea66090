#pragma once
// The printers the program can print on: the printers of the system's print service (QPrinterInfo) and,
// last in the list, printing to a PDF file, which asks for the file name. A machine without printers
// prints to PDF. One printer of the list is the current printer; the print dialog chooses it.
#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

class Printer;
class Printervlak;

struct Printerinfo {
    QString Naam;     // the device name the list shows
    bool Pdf = false; // printing to a PDF file
    QPageSize Papier = QPageSize(QPageSize::A4);
    QMarginsF Marges; // the edges the printer cannot print on, in millimetres
    bool operator==(const Printerinfo&) const = default;
};

struct Printerlijst {
    QList<Printerinfo> Printers;
    QString Standaard; // device name of the system's default printer ("" when there is none)
};

// The list entry of printing to a PDF file.
inline const QString PdfPrinterNaam = QStringLiteral("PDF");
// The PDF entry: A4 with an unprintable edge of 5 mm all round (a printable area of 200 x 287 mm).
Printerinfo PdfPrinter();

// The system's printers followed by the PDF entry.
Printerlijst SysteemPrinters();
// The list as the print dialog shows it: the system's, or what a test put in its place.
Printerlijst Printers();
// Replaces the system's list (tests); nullptr gives the system's list again.
void ZetPrinterbron(std::function<Printerlijst()> bron);

// The current printer. Until one is chosen it is the system's default printer, else the PDF entry.
const Printerinfo& HuidigePrinter();
void ZetHuidigePrinter(const Printerinfo& printer);

// The printable width and height of a printer's page in millimetres, in orientation 1 or 2.
QSizeF AfdrukbareMaat(const Printerinfo& printer, int16_t orientatie);

// The name of a paper code (the Windows DMPAPER numbers, as QPageSize::windowsId gives them):
// 9 "A4, 210 x 297 mm"; every code without a name "User-defined".
QString WeergavePapierSoort(int code);
int PapierCode(const QPageSize& papier);

// A surface that prints on the printer: for a system printer its QPrinter with the printer's paper,
// for the PDF entry a PDF file at `pdfBestand`.
std::unique_ptr<Printervlak> MaakAfdrukvlak(const Printerinfo& printer,
                                            const QString& pdfBestand = QString());
// A surface that writes a PDF file with this paper (the PDF entry's edges).
std::unique_ptr<Printervlak> MaakPdfvlak(const QString& bestand,
                                         const QPageSize& papier = QPageSize(QPageSize::A4));

// Prints a job to the PDF file `bestand` (paper `papier`, the PDF entry's edges) without ever cutting
// an older file of that name: the job goes to a temporary file beside `bestand`, which is synced and
// takes the name only when the job ended well and the file is whole (platform::SchrijfBestandVeiligMet).
// `afdruk` draws the job on a printer that InitialiseerPrinter has set up. False when the job or the
// file failed; an older file is then as it was. A job that draws nothing writes no file (true).
bool PrintNaarPdf(const QString& bestand, const std::function<void(Printer&)>& afdruk,
                  const QPageSize& papier = QPageSize(QPageSize::A4));

void ResetPrinters();
