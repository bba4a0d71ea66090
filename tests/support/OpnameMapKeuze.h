#pragma once
// A folder chooser for tests: it records every question and answers `antwoord`, or the start folder
// (as Cancel) when `antwoord` is empty.
#include "shared/MapKeuze.h"

#include <QString>
#include <vector>

class OpnameMapKeuze : public MapKeuzeVenster {
public:
    struct Vraag {
        QString titel;
        QString filter;
        QString map;
    };
    QString Kies(const QString& titel, const QString& filter, const QString& map) override {
        vragen.push_back({titel, filter, map});
        return antwoord.isEmpty() ? map : antwoord;
    }

    std::vector<Vraag> vragen;
    QString antwoord;
};
