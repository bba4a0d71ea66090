#pragma once
// A message box for tests: it records every box and answers from the list `antwoorden` (front first);
// when the list is empty it answers with the box's default (StandaardAntwoord: Cancel where it has one, else
// the focused button), or through `beantwoord` when a test sets it (to act while the box is open).
#include "shared/Melding.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

struct Vraag {
    QString tekst;
    int stijl = 0;
    QString titel;
    bool operator==(const Vraag&) const = default;
};

class OpnameMelding : public MeldingVenster {
public:
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        vragen.push_back({tekst, stijl, titel});
        if (!antwoorden.empty()) {
            const int a = antwoorden.front();
            antwoorden.pop_front();
            return a;
        }
        return beantwoord ? beantwoord(vragen.back()) : StandaardAntwoord(stijl);
    }

    std::vector<Vraag> vragen;
    std::deque<int> antwoorden;
    std::function<int(const Vraag&)> beantwoord;
};
