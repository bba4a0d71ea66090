#pragma once
// The small text editor of the library files ("buffer.ph", "standard.ec"), in place of the system's
// editor: the file in a plain text field, OK saves it and closes, Cancel closes. Closing with unsaved
// changes in any other way than OK (Cancel, Escape, the title bar) asks first whether to save them.
// The file is replaced safely and keeps its encoding (Windows-1252, or UTF-8 when it was UTF-8 or the
// text holds a character Windows-1252 has not) with CR LF line ends. A save that fails is reported and
// the editor stays open with the text.
#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

class FormTekstEditor : public QDialog {
    Q_OBJECT
public:
    explicit FormTekstEditor(QWidget* eigenaar = nullptr);
    ~FormTekstEditor() override;

    // Reads the file (a missing file gives an empty text, saved as a new file). False when it exists
    // but cannot be read.
    bool Open(const QString& pad);
    // Saves the text; false, with a message, when the file could not be written.
    bool Bewaar();
    bool IsGewijzigd() const;

    QPlainTextEdit* TextBestand = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void OKButton_Click();
    // Closes unless there are unsaved changes that the user wants to keep (asked).
    void SluitNaVraag();
    QString m_pad;
    bool m_utf8 = false;
};

// The window title of the editor for a file: its name ("buffer.ph").
QString EditorTitel(const QString& pad);
// Edits the file in the editor and waits, pumping events, until the editor has closed. False when the
// file could not be opened (nothing was shown).
bool BewerkTekstbestand(const QString& pad, QWidget* eigenaar = nullptr);
