#pragma once
// What the snapshot of the poll-interval timer reaches beyond the engine: the logging files. The file
// layer installs its function at start-up; until then (and in tests that install nothing) the snapshot
// writes no logging row.
#include <QString>
#include <functional>

struct Vernieuwingskoppeling {
    // Writes the newest values as one row into the logging files; `info` is the row's info text.
    std::function<void(const QString& info)> LogMeting;
};

extern Vernieuwingskoppeling Vernieuwing;

void ResetVernieuwing();
