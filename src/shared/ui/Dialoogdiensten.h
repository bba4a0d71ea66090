#pragma once
// The state behind ToonMelding, ToonVoortgang/ZetVoortgang/SluitVoortgang, ToonMapKeuze and the sounds.

// Takes away the registered windows, the main window's side of the message box, the Cancel side of the
// progress window and the sound player, and forgets the remembered box position.
void ResetDialoogDiensten();
