#pragma once
// A full disk for the length of a scope: the process may make no file longer than `bytes` (a write
// beyond it fails as on a full disk, the signal it would raise is ignored). Works for every user, root
// included.
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
