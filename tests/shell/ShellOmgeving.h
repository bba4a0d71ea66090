#pragma once
// A clean environment for the main window: its own temporary folder for the single-instance lock, a
// message box that records every question and answers from a list, and the application name set.
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "shared/Melding.h"

#include <deque>
#include <vector>

class ShellOmgeving : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        m_tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tijdelijkeMap().toLocal8Bit());
        InstalleerMeldingen();
    }
    // The message box that records every question and answers from the list (also again after the
    // program's own box was installed, or after a reset).
    void InstalleerMeldingen() { ZetMeldingVenster(&m_melding); }
    void TearDown() override {
        SchoneOmgeving::TearDown();
        if (m_tmp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_tmp);
    }

private:
    OpnameMelding m_melding;

protected:
    std::vector<Vraag>& vragen = m_melding.vragen;
    std::deque<int>& antwoorden = m_melding.antwoorden;

private:
    QByteArray m_tmp;
};
