#pragma once
// Answers every dialog the program opens, as a user who presses Escape would (Cancel), and records
// which opened: its class and its title. The common dialogs (file, font, colour) come through the
// Bestandsdialogen seam: while the object lives it is registered there, answers every file dialog
// from the list `bestanden` (front first, nothing left: Cancel) and every font or colour dialog with
// Cancel. A test that wants another answer for the next dialog sets `beantwoord`: it gets the dialog
// once it shows and returns true when it has answered it.
#include "files/Bestandsdialogen.h"

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QDialog;

class Dialoogbeantwoorder : public QObject, public Bestandsdialogen {
public:
    Dialoogbeantwoorder();
    ~Dialoogbeantwoorder() override;
    Dialoogbeantwoorder(const Dialoogbeantwoorder&) = delete;
    Dialoogbeantwoorder& operator=(const Dialoogbeantwoorder&) = delete;

    struct Dialoog {
        QString klasse;
        QString titel;
        bool modaal = false;
        // Escape left it open: it was closed as by its title bar.
        bool nietMetEscape = false;
    };

    std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag) override;
    bool KiesLettertype(Lettertype& lettertype, const QString& titel) override;
    bool KiesKleur(int32_t& kleur, const QString& titel) override;

    std::vector<Dialoog> dialogen;
    std::vector<BestandsdialoogVraag> bestandsvragen;
    std::deque<std::optional<QString>> bestanden; // nullopt: Cancel
    int lettertypeVragen = 0;
    int kleurVragen = 0;
    std::function<bool(QDialog&)> beantwoord;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void Beantwoord(QDialog* dialoog, size_t index);
};
