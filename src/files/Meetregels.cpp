#include "files/Meetregels.h"

#include "shared/Hulpfuncties.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr qsizetype BlokGrootte = 256 * 1024;
constexpr qsizetype VeldenPerModule = 21;
constexpr qsizetype VeldenPerIngang = 5;

bool IsCijfer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A byte 0x80..0x9F (where Windows-1252 and Latin-1 differ) in the text.
bool HeeftC1Byte(QByteArrayView bytes) {
    constexpr quint64 Hoog3 = 0xE0E0E0E0E0E0E0E0ull, Acht = 0x8080808080808080ull,
                      Een = 0x0101010101010101ull;
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    for (; n >= 8; p += 8, n -= 8) {
        quint64 w;
        std::memcpy(&w, p, 8);
        // A byte whose top three bits are 100 becomes 0 here; then the test for a zero byte.
        const quint64 x = (w & Hoog3) ^ Acht;
        if ((x - Een) & ~x & Acht) return true;
    }
    for (; n > 0; ++p, --n)
        if ((static_cast<unsigned char>(*p) & 0xE0) == 0x80) return true;
    return false;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Lines

Regellezer::Regellezer(QIODevice& bron) : m_bron(bron) {
    m_blok.reserve(2 * BlokGrootte);
}

bool Regellezer::Volgende(QByteArrayView& regel, qint64& bytes) {
    for (;;) {
        const char* begin = m_blok.constData() + m_positie;
        const qsizetype over = m_blok.size() - m_positie;
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', static_cast<size_t>(over)));
        const qsizetype tot = lf ? lf - begin : over;
        const char* cr = static_cast<const char*>(std::memchr(begin, '\r', static_cast<size_t>(tot)));
        // A CR at the end of the bytes read so far may be the first half of a CR LF: read on first.
        if (cr && (cr + 1 < begin + over || m_einde)) {
            const qsizetype lengte = cr - begin;
            const qsizetype einde = (cr + 1 < begin + over && cr[1] == '\n') ? 2 : 1;
            return Neem(regel, bytes, lengte, einde);
        }
        if (lf && !cr) return Neem(regel, bytes, tot, 1);
        if (m_einde) {
            if (over == 0) return false;
            return Neem(regel, bytes, over, 0);
        }
        Vul();
    }
}

bool Regellezer::Neem(QByteArrayView& regel, qint64& bytes, qsizetype lengte, qsizetype einde) {
    regel = QByteArrayView(m_blok.constData() + m_positie, lengte);
    bytes = lengte + einde;
    m_positie += lengte + einde;
    return true;
}

void Regellezer::Vul() {
    m_blok.remove(0, m_positie);
    m_positie = 0;
    const qsizetype oud = m_blok.size();
    m_blok.resize(oud + BlokGrootte);
    const qint64 gelezen = m_bron.read(m_blok.data() + oud, BlokGrootte);
    if (gelezen < 0) m_fout = true;
    m_blok.resize(oud + std::max<qint64>(gelezen, 0));
    if (gelezen <= 0) m_einde = true;
}

// ---------------------------------------------------------------------------------------------------
// Encoding and text

Codering BepaalCodering(QIODevice& bron) {
    QByteArray blok(BlokGrootte, Qt::Uninitialized);
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool nietAscii = false;
    for (;;) {
        const qint64 n = bron.read(blok.data(), blok.size());
        if (n <= 0) break;
        const QByteArrayView deel(blok.constData(), n);
        if (!nietAscii) {
            qsizetype i = 0;
            while (i < n && static_cast<unsigned char>(deel[i]) < 0x80)
                ++i;
            if (i == n) continue;
            nietAscii = true;
        }
        const QString proef = utf8.decode(deel);
        if (utf8.hasError()) break;
    }
    const bool geldig = !utf8.hasError();
    bron.seek(0);
    if (!nietAscii) return Codering::Ascii;
    return geldig ? Codering::Utf8 : Codering::Windows1252;
}

const QString& Regeldecoder::Tekst(QByteArrayView bytes) {
    QStringDecoder* decoder = &m_latijn1;
    if (m_codering == Codering::Utf8) {
        decoder = &m_utf8;
    } else if (m_codering == Codering::Windows1252 && m_windows1252.isValid()) {
        // Windows-1252 differs from Latin-1 only in the bytes 0x80..0x9F, looked for eight at a time.
        if (HeeftC1Byte(bytes)) decoder = &m_windows1252;
    }
    m_tekst.resize(decoder->requiredSpace(bytes.size()));
    const QChar* einde = decoder->appendToBuffer(m_tekst.data(), bytes);
    m_tekst.truncate(einde - m_tekst.constData());
    return m_tekst;
}

// ---------------------------------------------------------------------------------------------------
// Fields

void Veldscanner::VoegOntdubbeldToe(QStringView veld) {
    // A field with doubled qualifiers is kept with single ones.
    QString t = veld.toString();
    t.replace(QString(2, m_q), QString(m_q));
    m_ontdubbeld.append(t);
    m_velden.emplace_back(m_ontdubbeld.constLast());
}

void Veldscanner::Splits(QStringView regel) {
    m_velden.clear();
    m_ontdubbeld.clear();
    m_onafgesloten = false;
    const QChar* p = regel.data();
    const QChar* const einde = p + regel.size();
    const char16_t q = m_q.unicode();
    // The last qualifier of the line: a search for one from before it stops at it at the latest, so it
    // need not watch for the end of the line.
    const QChar* laatste = einde;
    while (laatste != p && laatste[-1].unicode() != q)
        --laatste;
    if (laatste == p) return;
    --laatste;
    const auto voegToe = [this](const QChar* begin, const QChar* eind, bool dubbel) {
        if (dubbel)
            VoegOntdubbeldToe(QStringView(begin, eind));
        else
            m_velden.emplace_back(begin, eind);
    };
    for (;;) {
        // The opening qualifier; text before it is skipped.
        if (p > laatste) return;
        while (p->unicode() != q)
            ++p;
        const QChar* begin = ++p;
        bool dubbel = false;
        for (;;) {
            if (p > laatste) {
                voegToe(begin, einde, dubbel);
                m_onafgesloten = true;
                break;
            }
            while (p->unicode() != q)
                ++p;
            if (p + 1 < einde && p[1].unicode() == q) {
                dubbel = true;
                p += 2;
                continue;
            }
            voegToe(begin, p, dubbel);
            ++p;
            break;
        }
        if (m_onafgesloten) return;
    }
}

// ---------------------------------------------------------------------------------------------------
// Numbers

bool IsGetal(QStringView t) {
    t = Bijgesneden(t);
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
    const qsizetype helen = i;
    while (i < n && IsCijfer(t[i]))
        ++i;
    const qsizetype heelEinde = i;
    qsizetype breuk = i, breukEinde = i;
    if (i < n && (t[i] == u'.' || t[i] == u',')) {
        breuk = ++i;
        while (i < n && IsCijfer(t[i]))
            ++i;
        breukEinde = i;
    }
    if (heelEinde == helen && breukEinde == breuk) return false; // no digits
    bool exponent = false;
    qint64 macht = 0; // the exponent, held within +-1e6
    if (i < n && (t[i] == u'E' || t[i] == u'e')) {
        ++i;
        const bool negatief = i < n && t[i] == u'-';
        if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
        const qsizetype cijfers = i;
        while (i < n && IsCijfer(t[i])) {
            macht = std::min<qint64>(macht * 10 + (t[i].unicode() - u'0'), 1000000);
            ++i;
        }
        if (i == cijfers) return false;
        if (negatief) macht = -macht;
        exponent = true;
    }
    if (i != n) return false;
    // Without an exponent only a number of more than 308 digits can be too large for a double.
    if (!exponent && heelEinde - helen <= 308) return true;

    std::string tekst(static_cast<size_t>(n), '\0');
    for (qsizetype k = 0; k < n; ++k)
        tekst[static_cast<size_t>(k)] = t[k] == u',' ? '.' : static_cast<char>(t[k].unicode());
    const char* begin = tekst.data() + (tekst.front() == '+' ? 1 : 0);
    double waarde = 0;
    const auto [einde, fout] = std::from_chars(begin, tekst.data() + tekst.size(), waarde);
    if (fout == std::errc()) return std::isfinite(waarde);
    if (fout != std::errc::result_out_of_range) return false;
    // Out of range: too large for a double when the first significant digit stands before the decimal
    // sign after the exponent is applied; otherwise too small, which is as good as 0.
    qint64 plaats = 0; // the power of ten of the first significant digit, before the exponent
    qsizetype k = helen;
    while (k < heelEinde && t[k] == u'0')
        ++k;
    if (k < heelEinde) {
        plaats = heelEinde - k - 1;
    } else {
        k = breuk;
        while (k < breukEinde && t[k] == u'0')
            ++k;
        if (k == breukEinde) return true; // zero
        plaats = -(k - breuk) - 1;
    }
    return plaats + macht < 0;
}

bool IsFlagsVeld(QStringView t) {
    t = Bijgesneden(t);
    if (t.isEmpty()) return true;
    if (t.size() > 3) return false;
    int waarde = 0;
    for (QChar c : t) {
        if (!IsCijfer(c)) return false;
        waarde = waarde * 10 + (c.unicode() - u'0');
    }
    return waarde <= 255;
}

bool IsMeetVeld(QStringView t) {
    return Bijgesneden(t).isEmpty() || t == u"OR." || IsGetal(t);
}

namespace {

// The forms the logging writes, settled without the full reading: a flags field of one digit, a value
// of up to 20 characters made of an optional minus, digits and at most one "." between digits.
bool IsGewoneVlag(QStringView t) {
    return t.size() == 1 && IsCijfer(t[0]);
}

bool IsGewoonGetal(QStringView t) {
    const qsizetype n = t.size();
    if (n == 0 || n > 20) return false;
    qsizetype i = t[0] == u'-' ? 1 : 0;
    const qsizetype begin = i;
    while (i < n && IsCijfer(t[i]))
        ++i;
    if (i == begin) return false;
    if (i == n) return true;
    if (t[i] != u'.') return false;
    const qsizetype breuk = ++i;
    while (i < n && IsCijfer(t[i]))
        ++i;
    return i == n && i > breuk;
}

} // namespace

bool ControleerRijvelden(std::span<QStringView> velden, qsizetype verwacht) {
    const auto aantal = static_cast<qsizetype>(velden.size());
    bool goed = aantal >= verwacht;
    const qsizetype einde = std::min(aantal, verwacht);
    const auto controleer = [&](qsizetype i, bool (*gewoon)(QStringView), bool (*volledig)(QStringView)) {
        if (i >= einde) return;
        QStringView& veld = velden[static_cast<size_t>(i)];
        if (gewoon(veld) || volledig(veld)) return;
        veld = QStringView();
        goed = false;
    };
    // Per module block per input: flags, value, unit, temperature and temperature unit; the block's
    // last field is its info text.
    for (qsizetype blok = 1; blok < einde; blok += VeldenPerModule)
        for (qsizetype i = blok; i < blok + VeldenPerModule - 1 && i < einde; i += VeldenPerIngang) {
            controleer(i, IsGewoneVlag, IsFlagsVeld);
            controleer(i + 1, IsGewoonGetal, IsMeetVeld);
            controleer(i + 3, IsGewoonGetal, IsMeetVeld);
        }
    return goed;
}

// ---------------------------------------------------------------------------------------------------
// Times

DatumLezer::DatumLezer() {
    const QString patroon = platform::LangeTijdPatroon();
    qsizetype i = 0;
    while (i < patroon.size()) {
        const QChar c = patroon.at(i);
        qsizetype n = 1;
        while (i + n < patroon.size() && patroon.at(i + n) == c)
            ++n;
        if (c == u'H' || c == u'm' || c == u's') {
            if (n > 2) return;
            m_delen.push_back({c, QString(), n == 1 ? 1 : 2});
        } else if (c.isLetter() || c == u'\'') {
            return; // 12-hour clock, quoted text: the platform reads it
        } else {
            m_delen.push_back({QChar(), QString(n, c), 0});
        }
        i += n;
    }
    m_snel = !m_delen.empty();
}

bool DatumLezer::Lees(QStringView veld, platform::Datum& d) {
    const QStringView t = Bijgesneden(veld);
    const qsizetype n = m_datumTekst.size();
    if (m_snel && n > 0 && t.size() > n + 1 && t.startsWith(m_datumTekst) && t.at(n) == u' ') {
        int seconden = 0;
        if (LeesTijd(t.sliced(n + 1), seconden)) {
            d = m_dag + (seconden * 1000) / 86400000.0;
            return true;
        }
    }
    const QString tekst = t.toString();
    if (!platform::LeesDatumTijd(tekst, d)) return false;
    if (d >= 1) {
        const QString datum = platform::KorteDatum(d);
        if (t.size() > datum.size() && t.startsWith(datum) && t.at(datum.size()) == u' ') {
            m_datumTekst = datum;
            m_dag = std::floor(d);
        }
    }
    return true;
}

bool DatumLezer::LeesTijd(QStringView t, int& seconden) const {
    int waarden[3] = {0, 0, 0};
    qsizetype p = 0;
    for (const Deel& deel : m_delen) {
        if (deel.soort.isNull()) {
            if (!t.sliced(p).startsWith(deel.letterlijk)) return false;
            p += deel.letterlijk.size();
            continue;
        }
        int waarde = 0;
        qsizetype cijfers = 0;
        while (p < t.size() && cijfers < 2 && IsCijfer(t.at(p))) {
            waarde = waarde * 10 + (t.at(p).unicode() - u'0');
            ++p;
            ++cijfers;
        }
        if (cijfers == 0 || (deel.cijfers == 2 && cijfers != 2)) return false;
        waarden[deel.soort == u'H' ? 0 : deel.soort == u'm' ? 1 : 2] = waarde;
    }
    if (p != t.size() || waarden[0] > 23 || waarden[1] > 59 || waarden[2] > 59) return false;
    seconden = waarden[0] * 3600 + waarden[1] * 60 + waarden[2];
    return true;
}
