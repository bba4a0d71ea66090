#pragma once
// What the snapshot of the poll-interval timer reaches beyond the engine: the logging files and the
// table windows. The file layer and the table windows install their functions at start-up; until then
// (and in tests that install nothing) the snapshot leaves them alone.
#include <QString>
#include <functional>

struct Vernieuwingskoppeling {
    // Writes the newest values as one row into the logging files; `info` is the row's info text.
    std::function<void(const QString& info)> LogMeting;
    // The table window of a registered rack, made when it does not exist yet, writes its newest row.
    std::function<void(int rack, const QString& info)> VulTabellenAan;
};

extern Vernieuwingskoppeling Vernieuwing;

void ResetVernieuwing();
