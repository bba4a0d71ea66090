#pragma once
// A clean environment with the rack line open on an in-memory line at 19200 baud, served by a rack
// emulator, and a recording main window.
#include "OpnameHoofdvenster.h"
#include "RackEmulator.h"
#include "SchoneOmgeving.h"
#include "platform/GeheugenLijn.h"

#include <initializer_list>
#include <utility>

// Installs an open in-memory line as the rack line, served by the emulator.
platform::GeheugenLijn& InstalleerRacklijn(RackEmulator& emulator,
                                           const QString& instellingen = QStringLiteral("19200,N,8,1"));

// Puts a rack with its modules in the emulator and registers it with the same modules in the model,
// with the defaults of identification.
void PlaatsRack(RackEmulator& emulator, int plaats, int32_t rackIdno,
                std::initializer_list<std::pair<int, int32_t>> modules);

class RacklijnOmgeving : public SchoneOmgeving {
protected:
    void SetUp() override;

    RackEmulator emulator;
    OpnameHoofdvenster venster;
    platform::GeheugenLijn* lijn = nullptr;
};
