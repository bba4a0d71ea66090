#pragma once
// The start state of the file layer: no data file, no working copy, no event log, the default text
// delimiter and time separator, and no dialogs, file operations or table window registered.
void ResetBestanden();
