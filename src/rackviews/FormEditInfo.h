#pragma once
// The name editor: a small modal dialog with one line of text for the name of a rack or of a module.
// The caller sets the flags and numbers, calls Laad and shows it modally; OK writes the trimmed text
// into the rack model. (The info text of a table row comes with the table window.)
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
    // Edit the name of module Mi of rack Ri (when IngaveRackNaam is false).
    bool IngaveModuleNaam = false;
    int16_t Ri = 1;
    int16_t Mi = 1;

    // Captions, the current name selected in the text field, topmost. With neither flag set there is
    // nothing to edit here, and the dialog closes as soon as it is shown.
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
};
