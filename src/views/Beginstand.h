#pragma once
// The start state of the table and graph windows' folder: no main-window side registered for them.
void ResetWeergaven();
