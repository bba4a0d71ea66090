#pragma once
// Runs the real communication loop, headless, against the rack emulator on the installed clock (the
// virtual one in tests): racks and modules placed in the emulator and registered in the model, the loop
// run for a span of time and stopped, every compute step recorded, and on demand a share of the
// replies garbled or dropped.
#include "OpnameHoofdvenster.h"
#include "RackEmulator.h"
#include "acquisition/vensters/Systeemboom.h"
#include "platform/GeheugenLijn.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

class PollHarnas {
public:
    // Installs its main window and a system tree that records every compute step and, unless `lijn` is
    // nullptr (a closed port), serves the in-memory line with the emulator. It must go before the line
    // does (before ResetProgramma).
    PollHarnas(RackEmulator& emulator, platform::GeheugenLijn* lijn);
    ~PollHarnas();
    PollHarnas(const PollHarnas&) = delete;
    PollHarnas& operator=(const PollHarnas&) = delete;

    // The number of the module at a place: K761 at odd positions, K762 at even ones.
    static int32_t ModuleNummer(int rack, int positie);
    static int32_t RackNummer(int rack);

    // Places racks 1..racks with modules at positions 1..modules in the emulator and registers them with
    // the defaults of identification (every input in use, Measure on). Each module's raw readings are
    // set to values of its own, so that a reading always tells its module.
    void PlaatsRacks(int racks, int modules);
    // The raw readings the emulator gives module (rack, positie): measuring input c and temperature c.
    static int16_t Meetwaarde(int rack, int positie, int c);
    static int16_t Temperatuurwaarde(int rack, int positie, int c);
    static uint8_t Statusbyte(int rack, int positie);

    // A share (0..1) of the replies garbled (a data byte or the checksum changed, noise before them)
    // or dropped, chosen with a seeded generator.
    void ZetStoringen(double kans, uint32_t zaad);

    // Runs CommunicatieLus for `ms` of clock time (measuring on, as the main window starts it) and
    // returns when it has ended.
    void Draai(qint64 ms);

    struct Berekening {
        int rack = 0;
        int module = 0;
        qint64 ms = 0;
    };
    // Every compute step, in order.
    std::vector<Berekening> berekeningen;
    // Called at every compute step, with the module's record already converted.
    std::function<void(int rack, int module)> bijBerekening;

    OpnameHoofdvenster venster;
    int aantalStoringen = 0;

private:
    class Boom : public SysteemboomInterface {
    public:
        explicit Boom(PollHarnas& h) : m_harnas(h) {}
        void AanpassenTreeView() override {}
        void AanpassenMetingenTreeView(int r, int m) override;
        void Herbouw() override {}

    private:
        PollHarnas& m_harnas;
    };

    Boom m_boom{*this};
    RackEmulator& m_emulator;
    platform::GeheugenLijn* m_lijn;
    double m_kans = 0;
    std::mt19937 m_toeval;
};
