#pragma once
// A text of fixed length: blank-padded on assignment, longer texts cut.
#include <QString>

template <int N> class VasteTekst {
public:
    VasteTekst() : m_tekst(N, QLatin1Char(' ')) {}
    VasteTekst(const QString& t) { *this = t; } // NOLINT: assigned like a plain text
    VasteTekst& operator=(const QString& t) {
        m_tekst = t.left(N);
        if (m_tekst.size() < N) m_tekst.append(QString(N - m_tekst.size(), QLatin1Char(' ')));
        return *this;
    }
    VasteTekst& operator=(const char* t) { return *this = QString::fromUtf8(t); }
    // The whole padded text.
    const QString& tekst() const { return m_tekst; }
    operator const QString&() const { return m_tekst; } // NOLINT
    // Without the blanks at either end, as readers compare and show it.
    QString getrimd() const {
        qsizetype b = 0, e = m_tekst.size();
        while (b < e && m_tekst.at(b) == QLatin1Char(' '))
            ++b;
        while (e > b && m_tekst.at(e - 1) == QLatin1Char(' '))
            --e;
        return m_tekst.mid(b, e - b);
    }
    bool operator==(const VasteTekst& o) const { return getrimd() == o.getrimd(); }
    bool operator==(const QString& o) const { return getrimd() == VasteTekst(o).getrimd(); }
    static constexpr int lengte = N;

private:
    QString m_tekst;
};
