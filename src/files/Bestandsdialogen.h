#pragma once
// The common dialogs as the file code sees them: open and save a file, choose a font with its colour,
// choose a colour. The window side registers the real dialogs at start-up; tests register their own
// answers. Without registered dialogs every dialog answers as Cancel.
#include "shared/Lettertype.h"

#include <QString>
#include <cstdint>
#include <optional>

// What the file dialog is shown with.
struct BestandsdialoogVraag {
    bool opslaan = false; // the save dialog, else the open dialog
    QString titel;
    QString beginMap;
    QString naam; // proposed file name ("" for none)
    // Pairs of description and pattern, all separated by "|": "Data files(*.csv)|*.csv".
    QString filter;
    int filterIndex = 1; // the preselected pair, from 1
};

class Bestandsdialogen {
public:
    virtual ~Bestandsdialogen() = default;
    // The chosen path, or nothing after Cancel. The save dialog asks nothing about an existing file.
    virtual std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag);
    // Shows the font dialog with screen and printer fonts and the effects (colour, underline,
    // strikethrough) on `lettertype`; true with the choice in `lettertype`, false after Cancel.
    virtual bool KiesLettertype(Lettertype& lettertype, const QString& titel);
    // Shows the colour dialog, fully open, on `kleur`; true with the choice in `kleur`, false after
    // Cancel.
    virtual bool KiesKleur(int32_t& kleur, const QString& titel);
};

// Registers the dialogs (nullptr: none). The caller keeps them alive while they are registered.
void ZetBestandsdialogen(Bestandsdialogen* dialogen);
Bestandsdialogen& bestandsdialogen();
