#pragma once
// A folder chooser for tests: it records every question and answers `antwoord`, or the start folder
// (as Cancel) when `antwoord` is empty.
#include "shared/MapKeuze.h"

#include <QString>
#include <optional>
#include <vector>

class OpnameMapKeuze : public MapKeuzeVenster {
public:
    struct Vraag {
        QString titel;
        QString filter;
        QString map;
        std::optional<int> taal;
    };
    QString Kies(const QString& titel, const QString& filter, const QString& map,
                 std::optional<int> taal) override {
        vragen.push_back({titel, filter, map, taal});
        return antwoord.isEmpty() ? map : antwoord;
    }

    std::vector<Vraag> vragen;
    QString antwoord;
};
