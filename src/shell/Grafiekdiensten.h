#pragma once
// The graph windows' side of the main window: the hooks through which saving the settings finds and
// writes the open graphs, the rack search empties them, and closing a graph forgets settings copied
// from it.

// Registers the graph windows with the main window (start-up).
void InstalleerGrafiekvensters();
