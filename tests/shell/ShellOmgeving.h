#pragma once
// A clean environment for the main window: its own temporary folder for the single-instance lock, a
// message box that records every question and answers from a list, and the application name set.
#include "SchoneOmgeving.h"
#include "shared/Melding.h"

#include <deque>
#include <vector>

struct Vraag {
    QString tekst;
    int stijl = 0;
    QString titel;
};

class ShellOmgeving : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        m_tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tijdelijkeMap().toLocal8Bit());
        InstalleerMeldingen();
    }
    // The message box that records every question and answers from the list (also again after a
    // ResetAlles).
    void InstalleerMeldingen() {
        ZetMeldingFunctie([this](const QString& tekst, int stijl, const QString& titel) {
            vragen.push_back({tekst, stijl, titel});
            if (antwoorden.empty()) return StandaardAntwoord(stijl);
            const int a = antwoorden.front();
            antwoorden.pop_front();
            return a;
        });
    }
    void TearDown() override {
        SchoneOmgeving::TearDown();
        if (m_tmp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_tmp);
    }

    std::vector<Vraag> vragen;
    std::deque<int> antwoorden;

private:
    QByteArray m_tmp;
};
