#pragma once
// The info editor: a small modal dialog with one line of text for the name of a rack, the name of a
// module, or the info text of a table row. The caller sets the flags and numbers, calls Laad and shows
// it modally. OK writes a trimmed name into the rack model (or into the caller's copy of it, Naam), or
// an info text as typed into the row's info cell and, through the working copy, into the info field of
// the row's line in the data file. The timers run while it is open: an info text is written only while
// the table still shows the rows of the file it showed when the editor opened, and logging is off (a box
// says otherwise). An info text that was not written stays in the open editor, selected, to be copied.
#include "files/Werkkopie.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

class formEditInfo : public QDialog {
    Q_OBJECT
public:
    explicit formEditInfo(QWidget* eigenaar = nullptr);
    ~formEditInfo() override;

    // Edit the name of rack Ri.
    bool IngaveRackNaam = false;
    // Edit the name of module Mi of rack Ri (when IngaveRackNaam is false). With neither flag set: the
    // info text of the row where the selection of module Mi's grid in rack Ri's table window ends.
    bool IngaveModuleNaam = false;
    int16_t Ri = 1;
    int16_t Mi = 1;
    // For a rack or module name: when set, the name is read from and written to this text (the module
    // settings dialog's own copy) and the rack model is left alone.
    QString* Naam = nullptr;

    // Captions, the current text selected in the text field, topmost. For a row's info the table
    // window of rack Ri is made when it does not exist yet; without a selected row there is nothing to
    // edit, and the dialog closes as soon as it is shown.
    void Laad();
    // Every way of closing takes the dialog out of the topmost layer.
    void done(int resultaat) override;

    QLabel* LabelInfo = nullptr;
    QLineEdit* TextInfo = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void CommandOK_Click();
    void CommandCancel_Click();
    bool m_niets = true;
    int32_t m_rij = 0; // the table row whose info is edited (Rij)
    // The file and table the row was shown in when the editor opened: the text goes only there.
    Tabelbron m_bron;
};
