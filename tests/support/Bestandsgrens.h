#pragma once
// A full disk for the length of a scope: the process may make no file longer than `bytes` (a write
// beyond it fails as on a full disk, the signal it would raise is ignored). Works for every user, root
// included.
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

class Bestandsgrens {
public:
    explicit Bestandsgrens(rlim_t bytes) {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_oud), 0);
        m_oudSignaal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grens = m_oud;
        grens.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &grens), 0);
    }
    ~Bestandsgrens() {
        setrlimit(RLIMIT_FSIZE, &m_oud);
        std::signal(SIGXFSZ, m_oudSignaal);
    }
    Bestandsgrens(const Bestandsgrens&) = delete;
    Bestandsgrens& operator=(const Bestandsgrens&) = delete;

private:
    rlimit m_oud{};
    void (*m_oudSignaal)(int) = SIG_DFL;
};

// The same full disk, counting the writes it refuses (each one raises SIGXFSZ, caught here). After
// `ruimNa` refusals counted the limit is lifted, so that a program that tries a write again and again
// without pause comes out of it, and the test fails on the count instead of hanging. Made after
// platform::VangEindsignalen, which ignores the signal.
class TellendeBestandsgrens {
public:
    TellendeBestandsgrens(rlim_t bytes, int ruimNa) {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &s_oud), 0);
        s_ruimNa = ruimNa;
        s_weigeringen = 0;
        struct sigaction tel = {};
        tel.sa_handler = Tel;
        sigemptyset(&tel.sa_mask);
        EXPECT_EQ(sigaction(SIGXFSZ, &tel, &m_oudSignaal), 0);
        rlimit grens = s_oud;
        grens.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &grens), 0);
    }
    ~TellendeBestandsgrens() {
        setrlimit(RLIMIT_FSIZE, &s_oud);
        sigaction(SIGXFSZ, &m_oudSignaal, nullptr);
    }
    TellendeBestandsgrens(const TellendeBestandsgrens&) = delete;
    TellendeBestandsgrens& operator=(const TellendeBestandsgrens&) = delete;

    // The writes refused since the limit was set, or since the last TelVanafNu.
    int Weigeringen() const { return s_weigeringen; }
    void TelVanafNu() { s_weigeringen = 0; }

private:
    static void Tel(int) {
        if (s_weigeringen.fetch_add(1) + 1 >= s_ruimNa) setrlimit(RLIMIT_FSIZE, &s_oud);
    }
    inline static std::atomic<int> s_weigeringen{0};
    inline static int s_ruimNa = 0;
    inline static rlimit s_oud{};
    struct sigaction m_oudSignaal = {};
};
