#pragma once
// The page margin dialog: the four page margins in millimetres, each in a box with a spinner (tenths of
// a millimetre) that stay in step, and the printable size of the current printer's page. A box takes
// up to one third of the printable height (top, bottom) or width (left, right); what is typed beyond is
// shown as the limit once the box is left. Printing later cuts a margin to one fifth.
//
// Refresh fills the boxes from the margins (clamped to one fifth first, and stored back); only OK
// stores the boxes into the margins (Sync). Cancel, Escape and the title bar leave CancelGeklikt set.
#include <QDialog>
#include <QSizeF>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class formPaginaSetup : public QDialog {
    Q_OBJECT
public:
    // `afdrukbaar`: the printable width and height of the current printer's page in millimetres.
    explicit formPaginaSetup(QSizeF afdrukbaar, QWidget* ouder = nullptr);
    ~formPaginaSetup() override;

    // True unless the dialog ended with OK.
    bool CancelGeklikt = true;

    // The margins into the boxes and spinners.
    void Refresh();
    // The boxes into the margins (OK).
    void Sync();

    QLabel* LabelTop = nullptr;
    QLabel* LabelBottom = nullptr;
    QLabel* LabelLeft = nullptr;
    QLabel* LabelRight = nullptr;
    QLineEdit* TextTop = nullptr;
    QLineEdit* TextBottom = nullptr;
    QLineEdit* TextLeft = nullptr;
    QLineEdit* TextRight = nullptr;
    QSpinBox* UpDown1 = nullptr; // top
    QSpinBox* UpDown2 = nullptr; // bottom
    QSpinBox* UpDown3 = nullptr; // left
    QSpinBox* UpDown4 = nullptr; // right
    QLabel* LabelSizes = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    struct Vak {
        QLineEdit* tekst = nullptr;
        QSpinBox* draaier = nullptr;
        double limiet = 0; // one third of the printable height or width
    };
    void Form_Load();
    // A box's text changed: its spinner follows the clamped value.
    void Text_Change(Vak& vak);
    // A box was left: it shows the clamped value with one decimal.
    void Text_Klaar(Vak& vak);
    void UpDown_Change(Vak& vak);
    void ZetTekst(Vak& vak, float waarde);
    void OKButton_Click();

    double m_breedte;
    double m_hoogte;
    std::array<Vak, 4> m_vakken; // top, bottom, left, right
    bool m_bezig = false;
};

// The margin picture: a page with its printable area and the four margins drawn in, `grootte` pixels.
QPixmap MargePlaatje(int grootte);
