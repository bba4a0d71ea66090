#pragma once
// The one start state of the program. main calls ResetProgramma before anything else, and every test
// starts from it (SchoneOmgeving): each folder has one reset, Reset<Folder> in its Beginstand.h, that
// calls the resets of its own files, and ResetProgramma calls those from the top folder down (windows
// go before the state they show). A file that keeps program-wide state gives it a reset, called from
// its folder's reset; nothing is set up by static objects before main.

// The start state of the shell: the settings window and the terminal closed, the command line, the
// port list and the program settings at their defaults, the main window's logging run state cleared.
void ResetShell();

// Every folder's start state.
void ResetProgramma();
