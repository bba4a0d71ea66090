#pragma once
// A whole-program test's rack: one rack of the rack emulator on the in-memory line with a mV module at
// position 1, whose input 1 rises 0.1 mV every 50 ms once `stijging` is switched on, so that a row that
// repeats the reading of the row before it shows.
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "platform/Klok.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"

#include <memory>

class StijgendeRackOmgeving : public ShellOmgeving {
protected:
    static constexpr int32_t RackNummer = RackIdno(0, 0, 1);
    static constexpr int32_t MillivoltModule = K761Idno(1, 2, 3);

    void SetUp() override {
        ShellOmgeving::SetUp();
        emulator.zetRack(1, RackNummer);
        RackEmulator::Module& mv = emulator.zetModule(1, 1, MillivoltModule);
        mv.status = 0x0F;
        mv.adc = {1000, 1000, 1000, 1000};
        mv.temperatuurAdc = {250, 250, 250, 250};
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"),
                         QStringLiteral("COM1"));
        InstalleerGeheugenlijn(emulator);
        stijging = platform::klok().maakTimer();
        stijging->zetInterval(50);
        stijging->bijTik = [this] { ++emulator.module(MillivoltModule)->adc[0]; };
    }
    void TearDown() override {
        stijging.reset();
        ShellOmgeving::TearDown();
    }

    RackEmulator emulator;
    std::unique_ptr<platform::Timer> stijging;
};
