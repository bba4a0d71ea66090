#include "platform/Eindsignalen.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace platform {

namespace {

int Pijp[2] = {-1, -1};
constexpr int Signalen[] = {SIGTERM, SIGHUP, SIGINT};

struct Vanger {
    std::unique_ptr<QSocketNotifier> melder;
    std::function<void()> actie;
};

Vanger& vanger() {
    static Vanger v;
    return v;
}

void Handler(int) {
    const char teken = 1;
    // Only what a signal handler may do: one write to the pipe.
    [[maybe_unused]] const ssize_t n = ::write(Pijp[1], &teken, 1);
}

} // namespace

void VangEindsignalen(std::function<void()> bijSignaal) {
    Vanger& v = vanger();
    v.actie = std::move(bijSignaal);
    if (v.melder) return;
    if (Pijp[0] < 0) {
        if (::pipe(Pijp) != 0) return;
        for (int fd : Pijp) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    v.melder = std::make_unique<QSocketNotifier>(Pijp[0], QSocketNotifier::Read);
    QObject::connect(v.melder.get(), &QSocketNotifier::activated, [] {
        char tekens[16];
        while (::read(Pijp[0], tekens, sizeof tekens) > 0) {
        }
        if (vanger().actie) vanger().actie();
    });
    struct sigaction sa = {};
    sa.sa_handler = Handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : Signalen)
        ::sigaction(s, &sa, nullptr);
    // A write past the file-size limit (ulimit -f, the system's limits) fails with EFBIG and is told and
    // kept as on a full disk, instead of ending the program in the middle of a row.
    std::signal(SIGXFSZ, SIG_IGN);
}

void LaatEindsignalenLos() {
    for (int s : Signalen)
        std::signal(s, SIG_DFL);
    Vanger& v = vanger();
    v.melder.reset();
    v.actie = nullptr;
}

} // namespace platform
