#pragma once
// The options of a K761 input measuring dissolved oxygen: the air pressure in hPa that the oxygen
// conversion and calibration use. OK takes 800..1200 hPa and stores it at once (settings section
// "Calibration Oxygen", key "Air Pressure"); any other value is refused with a message and the dialog
// stays open. Cancel changes nothing.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FormOptionsOx : public QDialog {
    Q_OBJECT
public:
    explicit FormOptionsOx(QWidget* eigenaar = nullptr);

    // The stored air pressure (1000 when none) in the box, and the captions.
    void Laad();

    QGroupBox* Frame1 = nullptr;
    QLabel* LabelLuchtdruk = nullptr;
    // Up to four digits.
    QLineEdit* MaskEdBoxLuchtdruk = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void OKButton_Click();
};
