#pragma once
// The program's own message box, progress window and folder chooser, put behind ToonMelding,
// ToonVoortgang/ZetVoortgang/SluitVoortgang and ToonMapKeuze.

// Installs all three (start-up).
void InstalleerDialoogDiensten();
// Takes them away again with every state they keep: the registered windows, the main window's side
// of the message box, the Cancel action, the sound player and the remembered box position.
void ResetDialoogDiensten();
