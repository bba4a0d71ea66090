#pragma once
// The print engine's page model: one page in millimetres, the four margins and the print edges made
// from them, the page header that opens every page (title, date, frame), the page-end test, the
// heading font, straight lines and rules, and word-wrapped text.
//
// Positions are millimetres from the top left of the printable area. The edges are valid after
// InitialiseerPrinter for the current printer and orientation. Callers set RapportTitel (the report
// header block does), print the first page header with PrintPaginaHoofding and from then on rely on
// ControleerPaginaEinde (also inside PrintTekstBlok) or their own page-end tests.
#include "reports/Afdrukvlak.h"
#include "shared/Lettertype.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// Page margins, stored in the settings ("Printer", "Offset top" ...), changed by the margin dialog.
extern float MargeLinks;
extern float MargeRechts;
extern float MargeBoven;
extern float MargeOnder;
// Print edges: RandLinks = MargeLinks, RandRechts = width - MargeRechts, RandBoven = MargeBoven,
// RandOnder = height - MargeOnder.
extern double RandLinks;
extern double RandRechts;
extern double RandBoven;
extern double RandOnder;
// The title at the top left of every page header.
extern QString RapportTitel;
// The CSV report being written while NaarBestand is set: its file-name template, and the rack, module
// and channel that fill the template in (the report header block sets them from the window it writes
// for; the grid rows that follow go to the same file).
extern QString RapportBestandsnaam;
extern int16_t RapportRack;
extern int16_t RapportModule;
extern int16_t RapportKanaal;
// Report mode (NaarBestand): every field goes to the report file MaakBestandsnaam(RapportBestandsnaam,
// rack, module, kanaal), gathered in memory in the order written. The files are written by
// BewaarRapportBestanden, each one whole.
void SchrijfRapportVeld(int16_t rack, int16_t module, int16_t kanaal, const QString& tekst, bool laatste);
// Replaces each gathered report file safely (an existing report stays whole until its successor is);
// when one cannot be written the message box offers Retry and Cancel. After Cancel the files after it
// are not written either, RapportVeldVerloren is set and the result is false. The gathered files are
// forgotten.
bool BewaarRapportBestanden();
// Forgets the gathered report files without writing them.
void VergeetRapportBestanden();
// The print dialog was opened from the report window.
extern bool PrintVanuitGLP;
// Report mode: the header block and the grid rows are written as CSV fields instead of being printed.
extern bool NaarBestand;
// A report file could not be written (the user gave up on it): it and the files after it kept what they
// held. Whoever starts a report clears it and tells the user afterwards.
extern bool RapportVeldVerloren;

// The page surface as the print routines use it: a surface with a print position, a font and a line
// width. Printing a text draws it at the position and moves x on by its width; a line end moves to
// x 0 on the next line.
class Printer {
public:
    explicit Printer(Afdrukvlak& vlak);

    Afdrukvlak& Vlak() { return m_vlak; }
    double CurrentX = 0;
    double CurrentY = 0;
    Lettertype Font;
    int DrawWidth = 1;
    int32_t ForeColor = 0;

    double ScaleWidth() const { return m_vlak.breedte(); }
    double ScaleHeight() const { return m_vlak.hoogte(); }
    int16_t Orientation() const { return m_vlak.orientatie(); }
    void ZetOrientation(int16_t orientatie) { m_vlak.zetOrientatie(orientatie); }
    QStringList Fonts() const { return m_vlak.lettertypen(); }

    double TextWidth(const QString& tekst);
    // The width of one character in the current font, as TextWidth gives it; measured once per font.
    double TekenBreedte(QChar teken);
    // One line of text in the current font.
    double TextHeight(const QString& tekst = QStringLiteral(" "));
    // Prints at the position and moves x on; with regeleinde then to x 0, one line lower.
    void Print(const QString& tekst, bool regeleinde = true);
    // A line from (x1, y1) to (x2, y2) in the line width; the position moves to its end.
    void Line(double x1, double y1, double x2, double y2, int32_t kleur = 0);
    // An unfilled box from the position to (x2, y2) in the line width.
    void Box(double x2, double y2);
    // Ends the page; the position goes to (0, 0).
    void NewPage();
    // Ends the document; false when the job failed.
    bool EndDoc() { return m_vlak.einde(); }

private:
    Afdrukvlak& m_vlak;
    struct Tekenmaten {
        Lettertype font;
        QHash<char16_t, double> breedtes;
    };
    std::vector<Tekenmaten> m_tekenmaten;
    size_t m_tekenmaat = 0; // the entry of the font measured last
};

// A value clamped to 0 .. limiet.
float BegrensWaarde(float waarde, float limiet);

struct Marges {
    float boven = 0;
    float onder = 0;
    float links = 0;
    float rechts = 0;
};
// The margins clamped for a printable area: top and bottom to 0 .. hoogte / 5, left and right to
// 0 .. breedte / 5.
Marges BegrensMarges(Marges marges, double breedte, double hoogte);
// Clamps MargeBoven, MargeOnder, MargeLinks and MargeRechts for the printable area and stores them back.
void BerekenMarges(double breedte, double hoogte);
void BerekenMarges(Printer& p);
// Clamps the margins for a printable area and sets the four edges from them.
void InitialiseerPagina(double breedte, double hoogte);
// Sets the printer's orientation to PrintOrientatie, clamps the margins and sets the four edges.
void InitialiseerPrinter(Printer& p);

// The heading font: PrintLettertype, bold, italic as PrintCursief, 10 points, black.
void ZetKopLettertype(Printer& p);
// The page header: RapportTitel at the top left, the date and time ("short date - hh:mm") flush right on
// the same line, and below it a frame (3 pixels) around the page body down to RandOnder. The position
// is left inside the frame's top left corner; font and colour are restored.
void PrintPaginaHoofding(Printer& p);
// Starts a new page with its header when the text would reach RandOnder from the current y (a text
// whose bottom lands exactly on RandOnder does not fit). True when a page was started.
bool ControleerPaginaEinde(Printer& p, const QString& tekst);
// A horizontal line of `lengte` mm from (x, y), `breedte` pixels wide, in `kleur`; line width restored.
void PrintLijn(Printer& p, double x, double y, int breedte, double lengte, int32_t kleur);
// A rule from RandLinks to RandRechts at the current y; the position is left at (RandRechts, y).
void PrintHorizontaleLijn(Printer& p, int breedte);
// A rule one text line plus 1 mm below the position; the position is left on the rule, x unchanged.
void PrintScheidingslijn(Printer& p, int breedte);

// Word wrap of a text between x = links and the limit: the pieces of each line with their x. Words
// end at a blank and at . , ! ? - ; : / \ < [ ( { ' and the double quote, and at CR, LF, TAB, form
// feed, backspace and NUL. A blank is kept after its word; . , ! ? - ; : and TAB stay with the word
// before them (a line may break after them, never before); / \ < [ ( { ' and the double quote go with
// the word after them (one left at the end of the text is printed last). CR LF, a lone CR, LF and
// form feed each end the line once; backspace and NUL are dropped. A word that does not fit after the
// text already on the line goes to the next line; a word wider than the whole line stands on a line of
// its own, past the limit.
struct TekstStuk {
    double x = 0;
    QString tekst;
};
struct TekstRegel {
    std::vector<TekstStuk> stukken;
};
struct TekstBlok {
    std::vector<TekstRegel> regels; // none for an empty text
    double eindX = 0;               // x after the last piece
};
TekstBlok ZetTekstBlok(double links, double grens, QString tekst,
                       const std::function<double(const QString&)>& breedte);

// Prints a text word-wrapped from the current y between links and grens; every new line first passes
// ControleerPaginaEinde. The position is left after the last piece (x = links for an empty text).
void PrintTekstBlok(Printer& p, double links, double grens, const QString& tekst);

// True when the name is exactly (case-sensitive) one of the surface's font names.
bool LettertypeBestaat(Printer& p, const QString& naam);

// The page header's date text: the short date, " - ", hours and minutes.
QString PaginaDatum();

void ResetPrinterkode();
