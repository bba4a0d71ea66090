#pragma once
// The print dialog: what is printed (all windows or the current one, only the selected table rows, the
// alarm reports after graphs), the texts of the report header block, the font, the printer, its paper
// and orientation, and the page margins. "Save settings" stores the whole set in the settings section
// "Printer". Print runs the job on the chosen printer; the PDF entry of the printer list asks for the
// file name first.
//
// Load fills the dialog from the print settings (Refresh). The settings take the dialog's values
// (UitlezenPrinterinstellingen) at Print, at Save settings and before the margin dialog opens; Cancel
// only puts back the font chosen since the dialog loaded or was last saved.
//
// Which table rows are selected and which module tab a table window shows, the dialog asks the windows'
// side of the print run (vensterafdruk(), Afdrukverdeling.h).
//
// Direct printing: a caller sets PrintDirekt and tePrintenVenster and loads the dialog without showing
// it; the load prints the window with the saved settings.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class Printer;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class formPrint : public QDialog {
    Q_OBJECT
public:
    formPrint();
    ~formPrint() override;

    // Print `tePrintenVenster` without showing the dialog.
    bool PrintDirekt = false;
    // A printout no one waits for (a recorder's full strip): it asks nothing. To a PDF it writes a file
    // of its own name in the data folder; a failure leaves a line in the event log and the status bar.
    bool AutomatischeAfdruk = false;
    // The window printed in single-window mode.
    QWidget* tePrintenVenster = nullptr;
    // The main window's active child window when the dialog was opened (the "current window").
    QWidget* ActiefVenster = nullptr;

    // Load: texts, the controls from the settings, the printer list; with PrintDirekt the print run.
    void Laad();
    // The settings into the controls.
    void Refresh();
    // The controls into the settings; the chosen printer becomes the current printer.
    void UitlezenPrinterinstellingen();
    // Paper label: code -1 the current printer's paper, 0 or more the paper of that list position.
    void ZetPapiersoort(int16_t code);
    // The font dialog on the print font; OK takes its name and italic.
    void CommandPrinterFont_Click();
    // The print run (the Print button; the load in direct mode).
    void OKButton_Click();
    // Escape and the title bar: Cancel.
    void reject() override;

    QTabWidget* SSTab1 = nullptr;
    // To print.
    QRadioButton* OptionAlles = nullptr;
    QRadioButton* OptionActiefVenster = nullptr;
    QCheckBox* CheckEnkelSelectie = nullptr;
    QCheckBox* CheckAlarmRapport = nullptr;
    // Page header.
    QLabel* LabelOperator = nullptr;
    QLabel* LabelBedrijf = nullptr;
    QLabel* LabelAfdeling = nullptr;
    QLabel* LabelToestel = nullptr;
    QLabel* LabelNota = nullptr;
    QLineEdit* TextOperator = nullptr;
    QLineEdit* TextBedrijf = nullptr;
    QLineEdit* TextAfdeling = nullptr;
    QLineEdit* TextToestel = nullptr;
    QPlainTextEdit* TextNota = nullptr;
    QPushButton* CommandPrinterFont = nullptr;
    QLabel* LabelTonenLettertype = nullptr;
    // Printer.
    QLabel* LabelPrinter = nullptr;
    QComboBox* ComboPrinter = nullptr;
    QPushButton* CommandProperties = nullptr;
    QLabel* LabelPapier = nullptr;
    QPushButton* CommandPagina = nullptr;
    QLabel* LabelOrientatie = nullptr;
    std::array<QRadioButton*, 2> OptionOrientatie{}; // 0 portrait, 1 landscape
    QLabel* ImageOrientation = nullptr;

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CommandHelp = nullptr;
    QPushButton* CommandSaveSettings = nullptr;

private:
    void LaadStringsPrint();
    void ToonOrientatie(int16_t orientatie);
    void ToonLettertype();
    void BepaalTabelSelectie();
    void BepaalAlarmRapport();
    void ToonOrientatiePlaatje();
    void Gewijzigd();

    void Option_Click();
    void ComboPrinter_Click();
    void CommandProperties_Click();
    void CommandPagina_Click();
    void CommandSaveSettings_Click();
    void CancelButton_Click();

    // The font as it was when the dialog loaded or was last saved (Cancel puts it back).
    QString m_lettertype;
    bool m_cursief = false;
    // The controls are being filled: their changes are no edits.
    bool m_vullen = false;
};

// The print menu of the main window: shows the dialog modally for the main window's active child.
void ToonAfdrukDialoog(QWidget* actiefVenster);
// The report window's Print: a fresh dialog for the report window, shown without waiting.
void ToonAfdrukDialoogRapport();
// Prints one window with the saved settings without showing the dialog.
void PrintVensterDirect(QWidget* venster);
// The same for a printout no one waits for (AutomatischeAfdruk).
void PrintVensterAutomatisch(QWidget* venster);
// The PDF file of an automatic printout of `venster`: its title, the date and the time, in the data
// folder ("Graph 1 2026-01-05 09.00.00.pdf"); a file of that name that exists already gets a number.
QString AutomatischPdfBestand(QWidget* venster);
// The dialog while it exists, else nullptr.
formPrint* AfdrukDialoog();

// The report window's side of the dialog (within the print engine): it registers it when it opens;
// without it there is no report window.
struct Afdrukbronnen {
    // The report window, or nullptr.
    std::function<QWidget*()> Rapportvenster;
    // Prints the report window's report under its header block (every input's GLP report with `alles`).
    std::function<void(Printer& printer, bool alles)> PrintRapport;
};
Afdrukbronnen& afdrukbronnen();

// What a print run prints once the job is open and InitialiseerPrinter has run, in place of the
// program's dispatcher (VerdeelAfdruk, Afdrukverdeling.h).
using Afdrukverdeler = std::function<void(formPrint& dialoog, Printer& printer)>;
void ZetAfdrukverdeler(Afdrukverdeler verdeler);

// The orientation picture: a page upright (1) or on its side (2), `grootte` pixels square.
QPixmap OrientatiePlaatje(int16_t orientatie, int grootte);

// Closes and forgets the dialog, the sources and the dispatcher.
void ResetformPrint();
