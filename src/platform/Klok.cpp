#include "platform/Klok.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <map>
#include <vector>

namespace platform {

namespace {

class EchteTimer : public Timer {
public:
    EchteTimer() {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (bijTik) bijTik();
        });
    }
    void zetInterval(int ms) override { m_timer.setInterval(ms); }
    int interval() const override { return m_timer.interval(); }
    void zetActief(bool actief) override {
        if (actief)
            m_timer.start();
        else
            m_timer.stop();
    }
    bool actief() const override { return m_timer.isActive(); }
    void zetGrof(bool grof) override { m_timer.setTimerType(grof ? Qt::CoarseTimer : Qt::PreciseTimer); }

private:
    QTimer m_timer;
};

constexpr qint64 MsPerMinuut = 60 * 1000;
constexpr qint64 MsPerDag = 86400 * 1000;
constexpr qint64 DagenTot1970 = 25569; // from the zero date 1899-12-30

class EchteKlok : public Klok {
public:
    EchteKlok() { m_start.start(); }
    Datum nu() const override {
        const qint64 utc = QDateTime::currentMSecsSinceEpoch();
        const qint64 lokaal = utc + m_zone.verschilMs(utc);
        // Split as the date type does: whole days, and the time of day as a fraction.
        qint64 dag = lokaal / MsPerDag;
        if (lokaal % MsPerDag < 0) --dag;
        const qint64 inDag = lokaal - dag * MsPerDag;
        return static_cast<double>(dag + DagenTot1970) +
               static_cast<double>(inDag) / static_cast<double>(MsPerDag);
    }
    qint64 ms() const override { return m_start.elapsed(); }
    std::unique_ptr<Timer> maakTimer() override { return std::make_unique<EchteTimer>(); }
    void planIn(qint64 ms, std::function<void()> actie) override {
        auto* app = QCoreApplication::instance();
        if (!app) {
            actie();
            return;
        }
        QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, app, std::move(actie));
    }
    void pomp() override {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        else
            QThread::msleep(1);
    }
    void pompZonderWachten() override {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    }

private:
    QElapsedTimer m_start;
    mutable Zoneverschil m_zone{[](qint64 utc) {
        return static_cast<qint64>(QDateTime::fromMSecsSinceEpoch(utc, Qt::LocalTime).offsetFromUtc()) * 1000;
    }};
};

std::unique_ptr<Klok>& geinstalleerd() {
    static std::unique_ptr<Klok> k;
    return k;
}

} // namespace

Klok& klok() {
    auto& k = geinstalleerd();
    if (!k) k = maakEchteKlok();
    return *k;
}

void zetKlok(std::unique_ptr<Klok> nieuw) {
    geinstalleerd() = std::move(nieuw);
}

std::unique_ptr<Klok> maakEchteKlok() {
    return std::make_unique<EchteKlok>();
}

qint64 Zoneverschil::verschilMs(qint64 utcMs) {
    if (utcMs < m_van || utcMs >= m_tot) {
        m_verschil = m_opzoeken(utcMs);
        m_van = utcMs;
        qint64 minuut = utcMs / MsPerMinuut;
        if (utcMs % MsPerMinuut < 0) --minuut;
        m_tot = (minuut + 1) * MsPerMinuut;
    }
    return m_verschil;
}

// ---------------------------------------------------------------------------------------------------
// Virtual clock

struct VirtueleKlok::Impl {
    struct TimerStand {
        int interval = 0;
        bool actief = false;
        qint64 volgende = 0;
        std::function<void()>* bijTik = nullptr;
    };
    std::map<int, TimerStand> timers;
    int volgendId = 1;
    std::multimap<qint64, std::function<void()>> gepland;
};

namespace {
class VirtueleTimer : public Timer {
public:
    VirtueleTimer(VirtueleKlok::Impl* d, const qint64* nu) : m_d(d), m_nu(nu) {
        m_id = m_d->volgendId++;
        m_d->timers[m_id].bijTik = &bijTik;
    }
    ~VirtueleTimer() override { m_d->timers.erase(m_id); }
    void zetInterval(int ms) override {
        auto& s = m_d->timers[m_id];
        s.interval = ms;
        if (s.actief) s.volgende = *m_nu + std::max(ms, 1);
    }
    int interval() const override { return m_d->timers.at(m_id).interval; }
    void zetActief(bool actief) override {
        auto& s = m_d->timers[m_id];
        s.actief = actief;
        if (actief) s.volgende = *m_nu + std::max(s.interval, 1);
    }
    bool actief() const override { return m_d->timers.at(m_id).actief; }

private:
    VirtueleKlok::Impl* m_d;
    const qint64* m_nu;
    int m_id = 0;
};
} // namespace

VirtueleKlok::VirtueleKlok(Datum start) : d(std::make_unique<Impl>()), m_start(start) {}
VirtueleKlok::~VirtueleKlok() = default;

Datum VirtueleKlok::nu() const {
    return m_start + static_cast<double>(m_ms) / 86400000.0;
}

std::unique_ptr<Timer> VirtueleKlok::maakTimer() {
    return std::make_unique<VirtueleTimer>(d.get(), &m_ms);
}

void VirtueleKlok::planIn(qint64 ms, std::function<void()> actie) {
    d->gepland.emplace(m_ms + std::max<qint64>(ms, 0), std::move(actie));
}

int VirtueleKlok::aantalActieveTimers() const {
    return static_cast<int>(
        std::count_if(d->timers.begin(), d->timers.end(), [](const auto& t) { return t.second.actief; }));
}

// Runs one action or timer tick that is due now; false when nothing is due.
bool VirtueleKlok::voerUitWatVerlopenIs() {
    auto g = d->gepland.begin();
    if (g != d->gepland.end() && g->first <= m_ms) {
        auto actie = std::move(g->second);
        d->gepland.erase(g);
        actie();
        return true;
    }
    for (auto& [id, s] : d->timers) {
        if (s.actief && s.interval > 0 && s.volgende <= m_ms) {
            s.volgende = m_ms + s.interval;
            auto* tik = s.bijTik;
            if (tik && *tik) (*tik)(); // may destroy timers: leave the loop at once
            return true;
        }
    }
    return false;
}

void VirtueleKlok::springNaar(qint64 doel) {
    qint64 volgende = doel;
    if (!d->gepland.empty()) volgende = std::min(volgende, d->gepland.begin()->first);
    for (const auto& [id, s] : d->timers)
        if (s.actief && s.interval > 0) volgende = std::min(volgende, s.volgende);
    m_ms = std::max(m_ms, volgende);
}

void VirtueleKlok::pompZonderWachten() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void VirtueleKlok::pomp() {
    pompZonderWachten();
    if (voerUitWatVerlopenIs()) return;
    springNaar(m_ms + m_maxStap);
    voerUitWatVerlopenIs();
}

void VirtueleKlok::verstrijk(qint64 ms) {
    const qint64 doel = m_ms + ms;
    for (;;) {
        pompZonderWachten();
        while (voerUitWatVerlopenIs()) {
        }
        if (m_ms >= doel) break;
        springNaar(doel);
    }
}

} // namespace platform
