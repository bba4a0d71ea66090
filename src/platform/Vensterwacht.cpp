#include "platform/Vensterwacht.h"

#include "platform/Klok.h"

#include <vector>

namespace platform {

namespace {

std::function<bool()>& lusRonde() {
    static std::function<bool()> r;
    return r;
}

std::vector<const std::function<bool()>*>& wachten() {
    static std::vector<const std::function<bool()>*> w;
    return w;
}

} // namespace

void WachtOpVenster(const std::function<bool()>& klaar) {
    auto& w = wachten();
    w.push_back(&klaar);
    struct Einde {
        ~Einde() { wachten().pop_back(); }
    } einde;
    while (!klaar()) {
        // A copy: the pass may register another loop or none.
        const std::function<bool()> ronde = lusRonde();
        if (!ronde || !ronde()) klok().pomp();
    }
}

void zetLusRonde(std::function<bool()> ronde) {
    lusRonde() = std::move(ronde);
}

bool vensterwachtBeantwoord() {
    const auto& w = wachten();
    return !w.empty() && (*w.back())();
}

int aantalVensterwachten() {
    return static_cast<int>(wachten().size());
}

void ResetVensterwacht() {
    lusRonde() = nullptr;
}

} // namespace platform
