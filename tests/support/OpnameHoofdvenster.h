#pragma once
// A main window for tests: it records what the engine shows on it.
#include "acquisition/vensters/Hoofdvenster.h"

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
    void ToonHoofdvenster() override { ++getoond; }
    bool OpenCommPoort() override {
        ++poortGeopend;
        return true;
    }
    void ToonInstellingen(int tab) override { instellingenTabs.push_back(tab); }
    bool InstellingenAfgesloten() override { return instellingenAfgesloten; }
    void UpdateFileMenu(const QString& naam, const QString&) override { recenteBestanden.push_back(naam); }
    void HerstelGrafieken() override { ++grafiekenHersteld; }
    void StartStopVerbinding() override { ++loggenGestart; }
    void StartTimerOpvragen() override { ++timerOpvragenGestart; }
    void ToonTerminal() override { ++terminalGetoond; }
    void mnuWindowTileHorizontal_Click() override { ++betegeld; }
    void ZetMetenKnop(bool aan) override { metenKnop.push_back(aan); }
    void ZetTitel() override { ++titels; }
    void ZetWachtcursor(bool wachten) override { wachtcursors.push_back(wachten); }
    void VernieuwGrafieken() override { ++grafiekenVernieuwd; }
    void VerwijderRecentBestand(const QString& naam) override { verwijderdeRecenteBestanden.push_back(naam); }
    void ZetKnoppen() override { ++knoppenGezet; }

    std::map<int, QString> statusTekst;
    std::vector<QString> statusTeksten;
    QString terminal;    // everything appended to the terminal
    QString terminalHex; // what was appended to be shown in hexadecimal
    std::vector<int> rackVensters;
    int boomHerbouwd = 0;
    int getoond = 0;
    int poortGeopend = 0;
    std::vector<int> instellingenTabs;
    bool instellingenAfgesloten = true; // the settings window is closed at once
    std::vector<QString> recenteBestanden;
    int grafiekenHersteld = 0;
    int loggenGestart = 0;
    int timerOpvragenGestart = 0;
    int terminalGetoond = 0;
    int betegeld = 0;
    std::vector<bool> metenKnop;
    int titels = 0;
    std::vector<bool> wachtcursors;
    int grafiekenVernieuwd = 0;
    std::vector<QString> verwijderdeRecenteBestanden;
    int knoppenGezet = 0;
};
