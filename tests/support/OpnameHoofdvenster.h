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
    void ZetTitel() override { ++titels; }
    void ZetWachtcursor(bool wachten) override { wachtcursors.push_back(wachten); }
    void VernieuwGrafieken() override { ++grafiekenVernieuwd; }
    void VerwijderRecentBestand(const QString& naam) override { verwijderdeRecenteBestanden.push_back(naam); }

    std::map<int, QString> statusTekst;
    std::vector<QString> statusTeksten;
    QString terminal;    // everything appended to the terminal
    QString terminalHex; // what was appended to be shown in hexadecimal
    std::vector<int> rackVensters;
    int boomHerbouwd = 0;
    int titels = 0;
    std::vector<bool> wachtcursors;
    int grafiekenVernieuwd = 0;
    std::vector<QString> verwijderdeRecenteBestanden;
};
