#include "platform/Vensterwacht.h"

#include "platform/Klok.h"

namespace platform {

Wachtstand& wachtstand() {
    static Wachtstand w;
    return w;
}

void WachtOpVenster(const std::function<bool()>& klaar) {
    auto& w = wachtstand().vensters;
    w.push_back(&klaar);
    struct Einde {
        ~Einde() { wachtstand().vensters.pop_back(); }
    } einde;
    while (!klaar()) {
        // A copy: the pass may register another loop or none.
        const std::function<bool()> ronde = wachtstand().lusRonde;
        if (!ronde || !ronde()) klok().pomp();
    }
}

void zetLusRonde(std::function<bool()> ronde) {
    wachtstand().lusRonde = std::move(ronde);
}

bool vensterwachtBeantwoord() {
    const auto& w = wachtstand().vensters;
    return !w.empty() && (*w.back())();
}

int aantalVensterwachten() {
    return static_cast<int>(wachtstand().vensters.size());
}

void ResetVensterwacht() {
    wachtstand().lusRonde = nullptr;
}

} // namespace platform
