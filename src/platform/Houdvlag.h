#pragma once
// A program-wide switch that places may hold in one position for a while: a window for its life, a
// command or a reply's handling while it runs. Windows live beside one another and a handling may be
// entered from a window's wait, so holds end in any order: the flag stands in its held position while
// any holder still holds it, and takes its own value again once the last holder has let go. Setting the
// flag sets its own value (the Measure command, a failed port open, a lost port): during a hold that
// value waits, and it stands once the hold ends.
#include <algorithm>
#include <vector>

namespace platform {

class Vlaghouder;

class Houdvlag {
public:
    // `gehouden`: the position a holder holds the flag in.
    explicit Houdvlag(bool gehouden) : m_gehouden(gehouden) {}
    Houdvlag(const Houdvlag&) = delete;
    Houdvlag& operator=(const Houdvlag&) = delete;

    operator bool() const { return m_houders.empty() ? m_waarde : m_gehouden; }
    Houdvlag& operator=(bool waarde) {
        m_waarde = waarde;
        return *this;
    }

    bool Gehouden() const { return !m_houders.empty(); }
    int AantalHouders() const { return static_cast<int>(m_houders.size()); }
    // The start state: no holder and this value. A holder that outlives it lets go of nothing.
    void Herstel(bool waarde) {
        m_houders.clear();
        m_waarde = waarde;
    }

private:
    friend class Vlaghouder;
    const bool m_gehouden;
    bool m_waarde = false;
    std::vector<const Vlaghouder*> m_houders;
};

// Holds a flag in its held position for as long as it lives.
class Vlaghouder {
public:
    explicit Vlaghouder(Houdvlag& vlag) : m_vlag(vlag) { m_vlag.m_houders.push_back(this); }
    ~Vlaghouder() { std::erase(m_vlag.m_houders, this); }
    Vlaghouder(const Vlaghouder&) = delete;
    Vlaghouder& operator=(const Vlaghouder&) = delete;

private:
    Houdvlag& m_vlag;
};

} // namespace platform
