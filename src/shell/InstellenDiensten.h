#pragma once
// Connects the settings window and the terminal to the main window (its window hooks), and the one
// thing they need of the main window that it does not offer yet.
#include <functional>

struct InstellenDiensten {
    // Relabels the main window in the language of the text table. The main window's captions do not
    // follow the language yet; until they do, this does nothing.
    std::function<void()> LaadStrings;
};

InstellenDiensten& Instellendiensten();
void ResetInstellenDiensten();

// Fills the main window's hooks of the settings window and the terminal (start-up).
void InstalleerInstellenEnTerminal();
