#include "files/Meetregels.h"

#include "shared/Hulpfuncties.h"

#include <QDateTime>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr qsizetype BlokGrootte = 256 * 1024;

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

// Every byte below 0x80, looked at eight at a time.
bool IsAscii(QByteArrayView bytes) {
    constexpr quint64 Acht = 0x8080808080808080ull;
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    for (; n >= 8; p += 8, n -= 8) {
        quint64 w;
        std::memcpy(&w, p, 8);
        if (w & Acht) return false;
    }
    for (; n > 0; ++p, --n)
        if (static_cast<unsigned char>(*p) >= 0x80) return false;
    return true;
}

// The bytes of `bytes` up to a UTF-8 character its end cuts off (the length when none is cut).
qsizetype HeleTekens(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype i = n - 1; i >= 0 && i >= n - 3; --i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if ((b & 0xC0) == 0x80) continue; // a continuation byte: the character began before it
        const qsizetype lengte = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return i + lengte > n ? i : n;
    }
    return n;
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

Codering BepaalCodering(QIODevice& bron, const std::function<bool()>& tussendoor) {
    // A character cut by the end of a block is carried to the front of the next one (at most 3 bytes).
    QByteArray blok(BlokGrootte + 4, Qt::Uninitialized);
    qsizetype over = 0;
    bool nietAscii = false, geldig = true, gestopt = false;
    for (;;) {
        const qint64 n = bron.read(blok.data() + over, BlokGrootte);
        if (n <= 0) break;
        const QByteArrayView deel(blok.constData(), over + n);
        if (nietAscii || !IsAscii(deel)) {
            nietAscii = true;
            const qsizetype heel = HeleTekens(deel);
            if (!deel.first(heel).isValidUtf8()) {
                geldig = false;
                break;
            }
            over = deel.size() - heel;
            std::memmove(blok.data(), deel.data() + heel, static_cast<size_t>(over));
        }
        if (tussendoor && !tussendoor()) {
            gestopt = true;
            break;
        }
    }
    bron.seek(0);
    if (gestopt) return Codering::Windows1252;
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
    // A value or temperature is a single: without an exponent only a number of more than 38 digits can
    // lie beyond its range.
    if (!exponent && heelEinde - helen <= 38) return true;

    std::string tekst(static_cast<size_t>(n), '\0');
    for (qsizetype k = 0; k < n; ++k)
        tekst[static_cast<size_t>(k)] = t[k] == u',' ? '.' : static_cast<char>(t[k].unicode());
    const char* begin = tekst.data() + (tekst.front() == '+' ? 1 : 0);
    double waarde = 0;
    const auto [einde, fout] = std::from_chars(begin, tekst.data() + tekst.size(), waarde);
    if (fout == std::errc()) return std::fabs(waarde) <= std::numeric_limits<float>::max();
    if (fout != std::errc::result_out_of_range) return false;
    // Out of range: too large for a double (and so for a single) when the first significant digit stands
    // before the decimal sign after the exponent is applied; otherwise too small, which is as good as 0.
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
    for (qsizetype blok = 1; blok < einde; blok += VeldenPerBlok)
        for (qsizetype i = blok; i < blok + VeldenPerBlok - 1 && i < einde; i += VeldenPerIngang) {
            controleer(i, IsGewoneVlag, IsFlagsVeld);
            controleer(i + 1, IsGewoonGetal, IsMeetVeld);
            controleer(i + 3, IsGewoonGetal, IsMeetVeld);
        }
    return goed;
}

bool ControleerRijvelden(std::span<QStringView> velden, qsizetype verwacht,
                         std::span<const qsizetype> vlaggen) {
    const auto aantal = static_cast<qsizetype>(velden.size());
    bool goed = aantal >= verwacht;
    const auto controleer = [&](qsizetype i, bool (*gewoon)(QStringView), bool (*volledig)(QStringView)) {
        if (i < 0 || i >= aantal) return;
        QStringView& veld = velden[static_cast<size_t>(i)];
        if (gewoon(veld) || volledig(veld)) return;
        veld = QStringView();
        goed = false;
    };
    for (const qsizetype i : vlaggen) {
        controleer(i, IsGewoneVlag, IsFlagsVeld);
        controleer(i + 1, IsGewoonGetal, IsMeetVeld);
        controleer(i + 3, IsGewoonGetal, IsMeetVeld);
    }
    return goed;
}

// ---------------------------------------------------------------------------------------------------
// The header's layout

namespace {

constexpr int KopRacks = 16;
constexpr int KopModules = 7;

// The number at the front of t (digits only, no sign), and t after it; false without a digit.
bool NeemGetal(QStringView& t, int& getal) {
    qsizetype i = 0;
    getal = 0;
    while (i < t.size() && IsCijfer(t[i]) && getal < 100000)
        getal = getal * 10 + (t[i++].unicode() - u'0');
    t = t.sliced(i);
    return i > 0;
}

// "R<rack>M<module>C<input>", the title the logging gives every input.
bool LeesIngangTitel(QStringView t, int& rack, int& module, int& ingang) {
    if (!t.startsWith(u'R')) return false;
    t = t.sliced(1);
    if (!NeemGetal(t, rack) || !t.startsWith(u'M')) return false;
    t = t.sliced(1);
    if (!NeemGetal(t, module) || !t.startsWith(u'C')) return false;
    t = t.sliced(1);
    return NeemGetal(t, ingang) && t.isEmpty();
}

} // namespace

Kopindeling::Kopindeling(std::span<const QStringView> kop) {
    m_perKop = Lees(kop);
    if (!m_perKop) {
        m_modules.clear();
        m_vlaggen.clear();
        m_index.clear();
        m_velden = 0;
    }
}

size_t Kopindeling::Plek(int r, int m, int veld) {
    return static_cast<size_t>(((r - 1) * KopModules + (m - 1)) * VeldenPerBlok + (veld - 1));
}

qsizetype Kopindeling::Index(int r, int m, int veld) const {
    if (m_index.empty() || r < 1 || r > KopRacks || m < 1 || m > KopModules || veld < 1 ||
        veld > VeldenPerBlok)
        return -1;
    return m_index[Plek(r, m, veld)];
}

bool Kopindeling::Lees(std::span<const QStringView> kop) {
    static const std::array<QLatin1String, VeldenPerIngang> soorten = {
        QLatin1String("Flags "), QLatin1String("Value "), QLatin1String("Unit "), QLatin1String("Temp "),
        QLatin1String("T.Unit ")};
    const auto n = static_cast<qsizetype>(kop.size());
    m_index.assign(static_cast<size_t>(KopRacks * KopModules * VeldenPerBlok), -1);
    m_velden = n;
    // The module whose inputs are being read (0 none) and the inputs it has had.
    int rack = 0, module = 0;
    unsigned ingangen = 0;
    const auto plaats = [this](int r, int m, int veld, qsizetype index) {
        if (r >= 1 && r <= KopRacks && m >= 1 && m <= KopModules) m_index[Plek(r, m, veld)] = index;
    };
    for (qsizetype i = 1; i < n;) {
        const QStringView veld = kop[static_cast<size_t>(i)];
        if (veld.startsWith(soorten[0])) {
            const QStringView titel = veld.sliced(soorten[0].size());
            int r = 0, m = 0, c = 0;
            if (!LeesIngangTitel(titel, r, m, c) || r < 1 || m < 1 || c < 1 || c > 4 ||
                i + VeldenPerIngang > n)
                return false;
            for (qsizetype k = 1; k < VeldenPerIngang; ++k) {
                const QStringView ander = kop[static_cast<size_t>(i + k)];
                if (!ander.startsWith(soorten[static_cast<size_t>(k)]) ||
                    ander.sliced(soorten[static_cast<size_t>(k)].size()) != titel)
                    return false;
            }
            if (module == 0) {
                // A module's first input: a module the header named before is named twice.
                if (std::find(m_modules.begin(), m_modules.end(), std::pair{r, m}) != m_modules.end())
                    return false;
                rack = r;
                module = m;
                ingangen = 0;
                m_modules.emplace_back(r, m);
            } else if (r != rack || m != module || (ingangen & (1u << c))) {
                // Inputs of two modules without the first one's name between them, or an input twice.
                return false;
            }
            ingangen |= 1u << c;
            m_vlaggen.push_back(i);
            for (int k = 0; k < VeldenPerIngang; ++k)
                plaats(r, m, VeldenPerIngang * (c - 1) + k + 1, i + k);
            i += VeldenPerIngang;
            continue;
        }
        if (module != 0) {
            // The module's name closes its inputs: its field holds the info text in the rows.
            plaats(rack, module, VeldenPerBlok, i);
            module = 0;
        } else if (i == n - 1 && veld.isEmpty()) {
            // The empty field that ends the line of the one file and of a rack's file.
            m_velden = n - 1;
        } else {
            return false;
        }
        ++i;
    }
    return !m_modules.empty();
}

// ---------------------------------------------------------------------------------------------------
// Which field of a row belongs to which module

namespace {

// Where a block begins when its fields lie side by side; -1 when they do not.
qsizetype BeginVan(const Veldindeling::Blok& blok) {
    for (size_t v = 0; v < blok.size(); ++v)
        if (blok[0] < 0 || blok[v] != blok[0] + static_cast<qsizetype>(v)) return -1;
    return blok[0];
}

} // namespace

Veldindeling::Veldindeling(std::span<const QStringView> kop, std::vector<Tabelmodule> modules)
    : m_kop(kop), m_kopVelden(static_cast<qsizetype>(kop.size())), m_modules(std::move(modules)) {
    const size_t n = m_modules.size();
    m_opPositie.resize(n);
    // Under a header that places the blocks, a row read by position holds blocks of the racks it names.
    const auto genoemd = [this](int r) {
        return !m_kop.PerKop() || std::any_of(m_kop.Modules().begin(), m_kop.Modules().end(),
                                              [r](const std::pair<int, int>& km) { return km.first == r; });
    };
    for (size_t k = 0; k < n; ++k) {
        const bool heeftPlaats = genoemd(m_modules[k].rack);
        for (int veld = 1; veld <= VeldenPerBlok; ++veld)
            m_opPositie[k][static_cast<size_t>(veld - 1)] =
                heeftPlaats ? m_opPositieModules * VeldenPerBlok + veld : -1;
        if (heeftPlaats) ++m_opPositieModules;
        m_beginOpPositie.push_back(BeginVan(m_opPositie[k]));
    }
    if (!m_kop.PerKop()) return;

    m_perKop.resize(n);
    bool zoalsOpPositie = m_kop.Modules().size() == n;
    for (size_t k = 0; k < n; ++k) {
        const Tabelmodule& t = m_modules[k];
        for (int veld = 1; veld <= VeldenPerBlok; ++veld) {
            const qsizetype index = m_kop.Index(t.rack, t.module, veld);
            const auto v = static_cast<size_t>(veld - 1);
            m_perKop[k][v] = t.neemtKopwaarden ? index : -1;
            if (index != m_opPositie[k][v]) zoalsOpPositie = false;
        }
        m_beginPerKop.push_back(BeginVan(m_perKop[k]));
    }
    for (const auto& [r, m] : m_kop.Modules()) {
        const qsizetype k = Nummer(r, m);
        if (k < 0 || !m_modules[static_cast<size_t>(k)].neemtKopwaarden) m_weggelaten.emplace_back(r, m);
    }
    // A header whose blocks lie where the modules take them by position reads as by position.
    m_kopPlaatst = !zoalsOpPositie || !m_weggelaten.empty();
}

qsizetype Veldindeling::Nummer(int r, int m) const {
    for (size_t k = 0; k < m_modules.size(); ++k)
        if (m_modules[k].rack == r && m_modules[k].module == m) return static_cast<qsizetype>(k);
    return -1;
}

qsizetype Veldindeling::Index(qsizetype velden, int r, int m, int veld) const {
    const qsizetype k = Nummer(r, m);
    if (k < 0 || veld < 1 || veld > VeldenPerBlok) return -1;
    const qsizetype index = Plaatsen(PerKop(velden), static_cast<size_t>(k))[static_cast<size_t>(veld - 1)];
    return index < velden ? index : -1;
}

qsizetype Veldindeling::Verwacht(bool perKop) const {
    return perKop ? m_kop.Velden() : 1 + VeldenPerBlok * m_opPositieModules;
}

// ---------------------------------------------------------------------------------------------------
// Times

namespace {
// A file holds a few days; a damaged one could name a new day on every row.
constexpr qsizetype MaxDagen = 100000;
constexpr quint32 AlleUren = (1u << 24) - 1;
} // namespace

bool DatumLezer::LeesTijd(QStringView t, Tijd& tijd) {
    // h:mm:ss or hh:mm:ss (any one separator that is no digit or blank), then " AM" or " PM" or nothing.
    bool pm = false, ampm = false;
    if (t.size() > 3 && t.at(t.size() - 3) == u' ' && t.at(t.size() - 1) == u'M' &&
        (t.at(t.size() - 2) == u'A' || t.at(t.size() - 2) == u'P')) {
        ampm = true;
        pm = t.at(t.size() - 2) == u'P';
        t.chop(3);
    }
    const qsizetype uurCijfers = t.size() - 6;
    if (uurCijfers < 1 || uurCijfers > 2) return false;
    const QChar scheiding = t.at(uurCijfers);
    if (IsCijfer(scheiding) || scheiding.isSpace() || t.at(uurCijfers + 3) != scheiding) return false;
    auto cijfer = [&](qsizetype i) { return IsCijfer(t.at(i)) ? t.at(i).unicode() - u'0' : -100; };
    int uur = cijfer(0);
    if (uurCijfers == 2) uur = uur * 10 + cijfer(1);
    const int minuut = cijfer(uurCijfers + 1) * 10 + cijfer(uurCijfers + 2);
    const int seconde = cijfer(uurCijfers + 4) * 10 + cijfer(uurCijfers + 5);
    if (uur < 0 || minuut < 0 || seconde < 0 || minuut > 59 || seconde > 59) return false;
    if (ampm) {
        if (uur < 1 || uur > 12) return false;
        uur = uur % 12 + (pm ? 12 : 0);
    } else if (uur > 23) {
        return false;
    }
    tijd.seconden = uur * 3600 + minuut * 60 + seconde;
    tijd.vorm = (static_cast<quint32>(scheiding.unicode()) << 8) | static_cast<quint32>(uurCijfers << 2) |
                (ampm ? 1u : 0u) | 0x80000000u;
    return true;
}

// The hours of the day in which a local time is the time it names with one offset from UTC: when the
// day starts and ends at the same offset, all of them; else the hours that begin and end valid at one
// offset (the hour of a jump goes through the platform's reading).
quint32 DatumLezer::GewoneUren(QDate dag) {
    auto vast = [](const QDateTime& a, const QDateTime& b) {
        return a.isValid() && b.isValid() && a.offsetFromUtc() == b.offsetFromUtc();
    };
    const QDateTime begin(dag, QTime(0, 0)), midden(dag, QTime(12, 0)), eind(dag.addDays(1), QTime(0, 0));
    if (begin.time() == QTime(0, 0) && vast(begin, midden) && vast(midden, eind)) return AlleUren;
    quint32 uren = 0;
    for (int u = 0; u < 24; ++u) {
        const QDateTime van(dag, QTime(u, 0)), tot(dag, QTime(u, 59, 59));
        if (vast(van, tot) && van.time() == QTime(u, 0) && tot.time() == QTime(u, 59, 59)) uren |= 1u << u;
    }
    return uren;
}

bool DatumLezer::Snel(qsizetype index, const Tijd& tijd, platform::Datum& d) const {
    const Dag& dag = m_dagen[static_cast<size_t>(index)];
    if (tijd.vorm != dag.vormen[0] && tijd.vorm != dag.vormen[1]) return false;
    if (!(dag.gewoneUren >> (tijd.seconden / 3600) & 1u)) return false;
    d = dag.dagnummer + (tijd.seconden * 1000) / 86400000.0;
    return true;
}

bool DatumLezer::Lees(QStringView veld, platform::Datum& d) {
    const QStringView t = Bijgesneden(veld);
    // The date is all before the time: the last blank, or the one before " AM"/" PM".
    qsizetype blank = t.lastIndexOf(u' ');
    if (blank > 0 && t.size() - blank == 3 && t.endsWith(u'M')) blank = t.first(blank).lastIndexOf(u' ');
    Tijd tijd;
    const bool metTijd = blank > 0 && LeesTijd(t.sliced(blank + 1), tijd);
    const QStringView datum = metTijd ? t.first(blank) : QStringView();
    if (metTijd) {
        if (m_vorige >= 0 && datum == m_vorigeTekst && Snel(m_vorige, tijd, d)) return true;
        if (m_vorige < 0 || datum != m_vorigeTekst) {
            const auto gevonden = m_index.constFind(datum.toString());
            if (gevonden != m_index.cend()) {
                m_vorige = gevonden.value();
                m_vorigeTekst = datum.toString();
                if (Snel(m_vorige, tijd, d)) return true;
            }
        }
    }
    if (!platform::LeesDatumTijd(t.toString(), d)) return false;
    // A date with its time as the short cut reads it: the date is kept for the rows after it.
    if (!metTijd || !(d >= 1) || !platform::IsGeldigeDatum(d)) return true;
    const double dagnummer = std::floor(d);
    if (d != dagnummer + (tijd.seconden * 1000) / 86400000.0) return true;
    if (m_vorige < 0 || datum != m_vorigeTekst) {
        const auto gevonden = m_index.constFind(datum.toString());
        if (gevonden == m_index.cend()) {
            if (m_dagen.size() >= static_cast<size_t>(MaxDagen)) {
                m_dagen.clear();
                m_index.clear();
            }
            Dag nieuw;
            nieuw.dagnummer = dagnummer;
            nieuw.gewoneUren = GewoneUren(platform::DagVan(dagnummer));
            m_dagen.push_back(nieuw);
            m_vorige = static_cast<qsizetype>(m_dagen.size()) - 1;
            m_index.insert(datum.toString(), m_vorige);
        } else {
            m_vorige = gevonden.value();
        }
        m_vorigeTekst = datum.toString();
    }
    Dag& dag = m_dagen[static_cast<size_t>(m_vorige)];
    // The same date text with another day (it cannot be, but then the short cut is not for it).
    if (dag.dagnummer != dagnummer) {
        dag.vormen = {};
        return true;
    }
    if (dag.vormen[0] != tijd.vorm && dag.vormen[1] != tijd.vorm) {
        dag.vormen[1] = dag.vormen[0];
        dag.vormen[0] = tijd.vorm;
    }
    return true;
}
