#pragma once
// Time and waiting. The program reads the time, runs its timers and pumps events only through the
// clock installed here, so that tests can put a virtual clock in its place: its pump advances time
// to the next timer or planned action, and a one-second time-out passes in microseconds.
#include "platform/Datum.h"

#include <QtGlobal>
#include <functional>
#include <memory>

namespace platform {

// A repeating timer, as the timers on the main window were: an interval in ms, an enabled state and a
// tick handler. It ticks only from inside the event pump.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void zetInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void zetActief(bool actief) = 0;
    virtual bool actief() const = 0;
    // A timer whose ticks may come up to 5 % of its interval early or late (set before it starts):
    // the system then lets it tick together with others, one wake-up for several timers. The timers
    // of link waits stay exact.
    virtual void zetGrof(bool grof) { Q_UNUSED(grof); }
    std::function<void()> bijTik;
};

class Klok {
public:
    virtual ~Klok() = default;
    // The wall-clock time as the date type.
    virtual Datum nu() const = 0;
    // Milliseconds on a steady clock (for measuring spans).
    virtual qint64 ms() const = 0;
    virtual std::unique_ptr<Timer> maakTimer() = 0;
    // Runs an action once, ms milliseconds from now, from inside the event pump.
    virtual void planIn(qint64 ms, std::function<void()> actie) = 0;
    // Handles the pending events; when there are none, sleeps until the next one arrives.
    virtual void pomp() = 0;
    // Handles the pending events without sleeping.
    virtual void pompZonderWachten() = 0;
};

// The installed clock; the real one unless a test installed another.
Klok& klok();
// Installs a clock (nullptr installs the real clock again). The former clock's timers must be gone.
void zetKlok(std::unique_ptr<Klok> nieuw);

// Short forms used throughout the program.
inline Datum Nu() {
    return klok().nu();
}
inline void Pomp() {
    klok().pomp();
}

// The real clock: QTimer, the system's time and the Qt event loop.
std::unique_ptr<Klok> maakEchteKlok();

// The offset of local time from UTC as the real clock keeps it: looking it up costs a look at the
// system's time zone, and the clock is read several times for every transaction. The offset is looked
// up again only at the next whole minute (every change of daylight-saving time falls on one, so the
// offset is right from the first millisecond after it; a change of the system's zone shows within
// the minute) and when the wall clock has been set back.
class Zoneverschil {
public:
    // opzoeken: the offset in ms at a moment given in ms since 1970 (UTC).
    explicit Zoneverschil(std::function<qint64(qint64 utcMs)> opzoeken) : m_opzoeken(std::move(opzoeken)) {}
    qint64 verschilMs(qint64 utcMs);

private:
    std::function<qint64(qint64)> m_opzoeken;
    qint64 m_van = 0;  // the offset holds from this moment
    qint64 m_tot = -1; // up to (not including) this one
    qint64 m_verschil = 0;
};

// A virtual clock for tests. Time stands still until the pump is called with nothing left to do; then
// it jumps to the next timer tick or planned action and runs it.
class VirtueleKlok : public Klok {
public:
    explicit VirtueleKlok(Datum start = MaakDatum(2026, 1, 5, 9, 0, 0));
    ~VirtueleKlok() override;

    Datum nu() const override;
    qint64 ms() const override { return m_ms; }
    std::unique_ptr<Timer> maakTimer() override;
    void planIn(qint64 ms, std::function<void()> actie) override;
    void pomp() override;
    void pompZonderWachten() override;

    // Lets ms milliseconds pass, firing every timer and action that falls due on the way.
    void verstrijk(qint64 ms);
    // The wall clock is set by ms milliseconds (back when negative: a clock set back, the end of summer
    // time); the timers and ms() go on as they were.
    void verzetWandklok(qint64 ms) { m_start += static_cast<double>(ms) / 86400000.0; }
    // How far a pump with nothing due jumps at most (the time passes even with no timer running).
    void zetMaximaleStap(qint64 ms) { m_maxStap = ms; }
    int aantalActieveTimers() const;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
    qint64 m_ms = 0;
    qint64 m_maxStap = 1000;
    Datum m_start;
    void springNaar(qint64 doel);
    bool voerUitWatVerlopenIs();
};

} // namespace platform
