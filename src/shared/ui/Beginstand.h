#pragma once
// The start state of the shared windows: the help window and the child windows kept without a main
// window closed, no main window's area registered, the real sound player, and the message box opening
// at its default place.
void ResetGedeeldeVensters();
