#pragma once
// The curve input picker: three lists in cascade (the present racks, the present modules of the chosen
// rack, the eight inputs of the chosen module: four measured values, then their four temperatures) in
// which the user chooses the input one curve of a graph shows. The caller sets Rnr, Mnr, Knr, Grafiek
// and LijnNr, shows it with ToonModaal and reads CancelGeklikt, Rnr, Mnr and Knr afterwards.
#include <QDialog>
#include <cstdint>

class QLabel;
class QListWidget;
class QPushButton;

class DialogInputGrafiekElement : public QDialog {
    Q_OBJECT
public:
    explicit DialogInputGrafiekElement(QWidget* parent = nullptr);

    // Rack 1..16, module 1..7 and input code (1..4 the measured value of that input, 5..8 the
    // temperature of input code - 4); 0 = none.
    int16_t Rnr = 0;
    int16_t Mnr = 0;
    int16_t Knr = 0;
    // The graph's name and the curve's number, shown in the caption.
    QString Grafiek;
    int16_t LijnNr = 0;
    // True when the dialog was left with Cancel, Escape or its title bar.
    bool CancelGeklikt = false;

    // Captions in the current language.
    void LaadStrings();
    // Loads the dialog (lists filled from Rnr, Mnr, Knr), shows it modally and waits, pumping events,
    // until OK, Cancel or Clear hides it.
    void ToonModaal();

    QLabel* LabelRacks = nullptr;
    QLabel* LabelModules = nullptr;
    QLabel* LabelInputs = nullptr;
    QListWidget* ListRacks = nullptr;
    QListWidget* ListModules = nullptr;
    QListWidget* ListInputs = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CommandWissen = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void ListRacks_Click();
    void ListModules_Click();
    void ListInputs_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void CommandWissen_Click();
    void reject() override;
    void Verberg();
    void Waarschuw(int wat, int titel);

    bool m_klaar = false;
};
