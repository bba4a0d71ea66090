#pragma once
// The options of a K762 conductivity module: on the tab "General" the program-wide temperature
// compensation (ATC) with its reference temperature, on the tab "Module" the module's type of cell
// (nominal cell constant) and measuring range. The caller sets TypeCC and Bereik, shows the dialog
// modally and reads them back; they change only with OK. ATC and the reference temperature are the
// conversion's settings and are saved with the program settings.
#include <QDialog>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The picture beside the ATC switch: a thermometer with the compensation arrow when ATC is on
// (picture 105), crossed out when it is off (picture 106).
class AtcPlaatje : public QWidget {
public:
    explicit AtcPlaatje(QWidget* ouder = nullptr);
    void zetAan(bool aan);
    // 105 on, 106 off.
    int plaatje() const { return m_aan ? 105 : 106; }
    QSize sizeHint() const override { return {48, 48}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_aan = true;
};

class FormOptionsEC : public QDialog {
    Q_OBJECT
public:
    explicit FormOptionsEC(QWidget* eigenaar = nullptr);

    // The type of cell as the decimal exponent of its nominal cell constant (-2 = 0.01 cm-1 .. 1 =
    // 10 cm-1) and the range index 0..3 in that cell's range list; -1 when no range is chosen.
    int TypeCC = 0;
    int Bereik = 0;

    // Captions, ATC and reference temperature from the settings, the cell type and range lists from
    // TypeCC and Bereik; topmost.
    void Laad();
    // Every way of closing takes the dialog out of the topmost layer.
    void done(int resultaat) override;

    QTabWidget* SSTabOptions = nullptr;
    QGroupBox* FrameATC = nullptr;
    QCheckBox* CheckATC = nullptr;
    AtcPlaatje* ImageATC = nullptr;
    QGroupBox* FrameRefTemp = nullptr;
    std::array<QRadioButton*, 2> OptionRefTemp{}; // 20 °C, 25 °C
    QGroupBox* FrameModule = nullptr;
    QLabel* LabeltypeCC = nullptr;
    QComboBox* ComboTypeCC = nullptr;
    QLabel* LabelRange = nullptr;
    QComboBox* ComboBereik = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void CheckATC_Click();
    void ComboTypeCC_Click();
    void ComboBereik_Click();
    void OKButton_Click();
    // The range index to choose again whenever the range list is filled anew.
    int m_gekozenBereik = 0;
};
