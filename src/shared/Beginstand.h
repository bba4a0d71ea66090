#pragma once
// The start state of the shared folder: the text table in English, the system names forgotten, and no
// message box, folder chooser or progress window registered.
void ResetGedeeld();
