#include "shell/InstellenDiensten.h"

#include "shared/ui/Kindvensters.h"
#include "shell/Vensterhaken.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"

#include <QPlainTextEdit>

namespace {
InstellenDiensten standaard() {
    InstellenDiensten d;
    d.LaadStrings = [] {};
    return d;
}

InstellenDiensten& diensten() {
    static InstellenDiensten d = standaard();
    return d;
}
} // namespace

InstellenDiensten& Instellendiensten() {
    return diensten();
}

void ResetInstellenDiensten() {
    diensten() = standaard();
}

void InstalleerInstellenEnTerminal() {
    Haken.ToonInstellingen = [](int tab, int mapRij) {
        if (mapRij >= 1 && mapRij <= 4)
            KiesInstellingenMap(mapRij);
        else
            ToonInstellingen(tab);
    };
    Haken.InstellingenOpen = [] { return !InstellenAfsluiten(); };
    Haken.ToonTerminal = [](bool tonen) {
        if (tonen)
            ToonTerminal();
        else
            VerbergTerminal();
    };
    Haken.TerminalToevoegen = TerminalToevoegen;
    Haken.TerminalVenster = []() -> QWidget* { return Kindvensterkader(TerminalVenster()); };
    Haken.TerminalTekstvak = []() -> QWidget* {
        frmTerminal* t = TerminalVenster();
        return t ? t->TxtLineInput : nullptr;
    };
}
