#pragma once
// The program's own message box: caption, text, an icon picture with its sound, and one of six
// button sets whose captions come from the text table. Every call of ToonMelding gets a box of its
// own, so a box opened from inside the wait of another answers only its own caller. The box is not
// modal: while it waits, every event of the program runs. Shown as the standard box
// (ToonStandaardMelding), or from inside a modal window, it is modal to the user: the timers and the
// rack link still run behind it, but no other window takes input. It stays on top and reopens where the
// user last left it (settings section "Messagewindow", keys "Top" and "Left", in twips).
#include "shared/Melding.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;

class FormMelding : public QDialog {
    Q_OBJECT
public:
    FormMelding();
    ~FormMelding() override;

    // Style flags: button set = value And 7, icon = value And &H70; other bits are ignored.
    int MijnVlaggen = 0;
    // Caption; "" shows Tekst[298].
    QString MijnTitel;
    QString MijnMelding;
    // 0 while the box waits, then the code of the button pressed (1 OK .. 7 No), or of the answer of a close
    // (AntwoordBijSluiten; 0 where that is none).
    int GeklikteToets = 0;
    // The box was closed without a button (its title bar, the window system, the program).
    bool Gesloten = false;
    // The sound of the box (104..108), chosen from the icon.
    int Geluid = 108;
    // The remembered position in twips; kept from box to box, read again when a box opens.
    static inline float MeldingTop = 0;
    static inline float MeldingLeft = 0;
    // Text-table indices of the button captions.
    static constexpr int TekstOK = 140, TekstCANCEL = 141, TekstABORT = 145, TekstRETRY = 235,
                         TekstIGNORE = 236, TekstYES = 99, TekstNO = 100;

    // Lays the box out for MijnMelding, MijnTitel and MijnVlaggen and shows it.
    void InitialisatieMelding();
    // Closes the box: remembers and saves its position, takes it out of the topmost layer.
    void Ontlaad();
    // Closes every open box as if by its title bar (each caller gets AntwoordBijSluiten; once no one
    // answers, AntwoordZonderGebruiker);
    // with no box open, it only saves the remembered position.
    static void OntlaadAlle();
    // The boxes open now, in the order they were shown (the innermost wait's last).
    static QList<FormMelding*> OpenBoxen();

    QLabel* LabelMelding = nullptr;
    QLabel* PictureMelding = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QPushButton* CommandAbort = nullptr;
    QPushButton* CommandRetry = nullptr;
    QPushButton* CommandIgnore = nullptr;
    QPushButton* CommandYes = nullptr;
    QPushButton* CommandNo = nullptr;

    // The button of a code (1..7).
    QPushButton* Knop(int code) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void laad();
    static void bewaarPositie();
    bool m_open = false;
};

// Shows a box and waits, pumping events, until one of its buttons is pressed or it is closed; the box is
// gone when it returns. Closing it by its title bar answers AntwoordBijSluiten: Cancel where it has one, OK
// where that is its only button, else 0 (no button), so that a close never agrees to a Yes.
int ToonFormMelding(const QString& tekst, int stijl, const QString& titel);
// This box behind ToonMelding.
class FormMeldingVenster : public MeldingVenster {
public:
    int Toon(const QString& tekst, int stijl, const QString& titel) override;
};
