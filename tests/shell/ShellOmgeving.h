#pragma once
// A clean environment for the main window: its own temporary folder for the single-instance lock, a
// message box that records every question and answers from a list, and the application name set.
#include "OpnameMelding.h"
#include "RackEmulator.h"
#include "SchoneOmgeving.h"
#include "acquisition/Verbinding.h"
#include "platform/GeheugenLijn.h"
#include "platform/Opslag.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shell/Beginstand.h"
#include "shell/mdiK740.h"

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// The emulator behind an in-memory line as the rack line; the program opens it with the settings it
// reads.
inline void InstalleerGeheugenlijn(RackEmulator& emulator) {
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    emulator.verbind(*lijn);
    ZetMSComm1(std::move(lijn));
}

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
    // The main window closed from the code, every question of the close answered No (the settings are
    // not saved).
    void SluitZonderBewaren(mdiK740& venster) {
        antwoorden = {vbNo, vbNo, vbNo};
        venster.SluitVanuitCode();
    }
    // What a new process starts with: every program-wide state reset, the application name, the
    // settings store read again from its file, and the message box with no questions asked yet. The
    // rack line is gone with the reset.
    void NieuweStart() {
        ResetProgramma();
        AppNaam = QStringLiteral("K740");
        platform::ZetOpslagMap(tijdelijkeMap() + QStringLiteral("/config"));
        InstalleerMeldingen();
        vragen.clear();
        antwoorden.clear();
    }
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
    // Answers the questions once the list is used up.
    std::function<int(const Vraag&)>& beantwoord = m_melding.beantwoord;

private:
    QByteArray m_tmp;
};
