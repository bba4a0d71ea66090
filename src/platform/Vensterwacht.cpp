#include "platform/Vensterwacht.h"

#include "platform/Klok.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace platform {

Wachtstand& wachtstand() {
    static Wachtstand w;
    return w;
}

namespace {

int LusNiveau() {
    return QCoreApplication::instance() ? QThread::currentThread()->loopLevel() : 0;
}

// The dispatcher whose sleeps are watched, and the watch.
QPointer<QAbstractEventDispatcher>& bewaakteDispatcher() {
    static QPointer<QAbstractEventDispatcher> d;
    return d;
}
QMetaObject::Connection& bewaking() {
    static QMetaObject::Connection c;
    return c;
}

// A loop Qt started itself is about to sleep: it takes a window wait's turn, and is woken to come round
// again, so that the turns go on until it ends (the virtual clock advances only in such turns).
void VreemdeLusBeurt() {
    Wachtstand& w = wachtstand();
    // No one answers any more: the loop's window closes, and so the loop ends.
    if (w.sluitZonderGebruiker && LusNiveau() > 0) w.sluitZonderGebruiker();
    if (w.vreemdeBeurt || !w.lusRonde || LusNiveau() <= w.eigenLusNiveau) return;
    w.vreemdeBeurt = true;
    struct Einde {
        int niveau;
        ~Einde() {
            wachtstand().vreemdeBeurt = false;
            wachtstand().eigenLusNiveau = niveau;
        }
    } einde{w.eigenLusNiveau};
    // The waits inside the turn are the program's, at this level.
    w.eigenLusNiveau = LusNiveau();
    const std::function<bool()> ronde = w.lusRonde;
    if (!ronde()) klok().pomp();
    if (auto* d = bewaakteDispatcher().data()) d->wakeUp();
}

void Bewaak() {
    auto* d = QCoreApplication::instance() ? QAbstractEventDispatcher::instance() : nullptr;
    if (d == bewaakteDispatcher().data()) return;
    QObject::disconnect(bewaking());
    bewaakteDispatcher() = d;
    if (d) bewaking() = QObject::connect(d, &QAbstractEventDispatcher::aboutToBlock, d, VreemdeLusBeurt);
}

} // namespace

void WachtOpVenster(const std::function<bool()>& klaar) {
    auto& w = wachtstand().vensters;
    w.push_back(&klaar);
    // The window's wait takes its own turns, also inside a loop Qt started.
    struct Einde {
        int niveau;
        ~Einde() {
            wachtstand().vensters.pop_back();
            wachtstand().eigenLusNiveau = niveau;
        }
    } einde{wachtstand().eigenLusNiveau};
    wachtstand().eigenLusNiveau = LusNiveau();
    while (!klaar()) {
        if (const std::function<void()> sluit = wachtstand().sluitZonderGebruiker) {
            sluit();
            if (klaar()) break;
        }
        // A copy: the pass may register another loop or none.
        const std::function<bool()> ronde = wachtstand().lusRonde;
        if (!ronde || !ronde()) klok().pomp();
    }
}

void zetLusRonde(std::function<bool()> ronde) {
    Wachtstand& w = wachtstand();
    w.lusRonde = std::move(ronde);
    w.eigenLusNiveau = LusNiveau();
    if (w.lusRonde) Bewaak();
}

bool vensterwachtBeantwoord() {
    const auto& w = wachtstand().vensters;
    return !w.empty() && (*w.back())();
}

void EindeZonderGebruiker(std::function<void()> sluit) {
    wachtstand().sluitZonderGebruiker = std::move(sluit);
}

bool NiemandAntwoordt() {
    return static_cast<bool>(wachtstand().sluitZonderGebruiker);
}

int aantalVensterwachten() {
    return static_cast<int>(wachtstand().vensters.size());
}

void ResetVensterwacht() {
    wachtstand().lusRonde = nullptr;
    wachtstand().eigenLusNiveau = 0;
    wachtstand().vreemdeBeurt = false;
    wachtstand().sluitZonderGebruiker = nullptr;
}

} // namespace platform
