#pragma once
// A main window for tests: it records what the engine shows on it.
#include "acquisition/Hoofdvenster.h"

#include <QString>
#include <map>
#include <vector>

class OpnameHoofdvenster : public Hoofdvenster {
public:
    void ZetStatusTekst(int paneel, const QString& tekst) override {
        statusTekst[paneel] = tekst;
        statusTeksten.push_back(tekst);
    }
    void TerminalToevoegen(const QString& tekst, bool hexadecimaal) override {
        terminal += tekst;
        if (hexadecimaal) terminalHex += tekst;
    }
    void ToonRackVenster(int rack) override { rackVensters.push_back(rack); }
    void HerbouwSysteemboom() override { ++boomHerbouwd; }

    std::map<int, QString> statusTekst;
    std::vector<QString> statusTeksten;
    QString terminal;    // everything appended to the terminal
    QString terminalHex; // what was appended to be shown in hexadecimal
    std::vector<int> rackVensters;
    int boomHerbouwd = 0;
};
