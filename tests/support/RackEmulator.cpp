#include "RackEmulator.h"

#include "platform/Klok.h"

#include <QPointer>
#include <QSocketNotifier>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr uint8_t NaarRack = 0x52;
constexpr uint8_t NaarModule = 0x4D;

uint8_t Som(const QByteArray& b) {
    unsigned s = 0;
    for (char c : b)
        s += static_cast<uint8_t>(c);
    return static_cast<uint8_t>(s & 0xFF);
}

void VoegLongToe(QByteArray& b, uint32_t waarde) {
    for (int schuif = 24; schuif >= 0; schuif -= 8)
        b.append(static_cast<char>((waarde >> schuif) & 0xFF));
}

void VoegWoordToe(QByteArray& b, uint16_t waarde) {
    b.append(static_cast<char>(waarde >> 8));
    b.append(static_cast<char>(waarde & 0xFF));
}

uint8_t B(const QByteArray& b, qsizetype i) {
    return i < b.size() ? static_cast<uint8_t>(b.at(i)) : 0;
}

uint16_t Adres(const QByteArray& data) {
    return static_cast<uint16_t>(B(data, 0) << 8 | B(data, 1));
}

} // namespace

uint8_t RackEmulator::Module::leesByte(uint16_t adres) const {
    const auto it = eeprom.find(adres);
    return it == eeprom.end() ? 0xFF : it->second; // an erased cell
}

RackEmulator::RackEmulator() = default;

RackEmulator::~RackEmulator() {
    sluitPty();
}

void RackEmulator::sluitPty() {
    m_ptyMelder.reset();
    if (m_ptyMeester >= 0) ::close(m_ptyMeester);
    if (m_ptySlaaf >= 0) ::close(m_ptySlaaf);
    m_ptyMeester = m_ptySlaaf = -1;
}

RackEmulator::Rack& RackEmulator::zetRack(int plaats, int32_t idno) {
    auto& r = m_racks.at(static_cast<size_t>(plaats));
    r.emplace();
    r->idno = idno;
    return *r;
}

RackEmulator::Module& RackEmulator::zetModule(int plaats, int positie, int32_t idno) {
    auto& r = m_racks.at(static_cast<size_t>(plaats));
    auto& m = r.value().modules.at(static_cast<size_t>(positie));
    m.emplace();
    m->idno = idno;
    return *m;
}

RackEmulator::Rack* RackEmulator::rack(int plaats) {
    auto& r = m_racks.at(static_cast<size_t>(plaats));
    return r ? &*r : nullptr;
}

RackEmulator::Module* RackEmulator::module(int32_t idno) {
    for (auto& r : m_racks)
        if (r)
            for (auto& m : r->modules)
                if (m && m->idno == idno) return &*m;
    return nullptr;
}

void RackEmulator::zetFout(Fout fout, int aantal, int32_t idno) {
    m_fouten.push_back({fout, aantal, idno});
}

int RackEmulator::aantalVerzoeken(uint8_t commando, int32_t idno) const {
    return static_cast<int>(std::count_if(m_verzoeken.begin(), m_verzoeken.end(), [&](const Verzoek& v) {
        return v.commando == commando && (idno == 0 || v.idno == idno);
    }));
}

int RackEmulator::baud() const {
    return m_lijn ? m_lijn->lijnInstellingen().baud : m_baud;
}

double RackEmulator::draadtijd(int bytes) const {
    return bytes * 10.0 * 1000.0 / baud();
}

// ---------------------------------------------------------------------------------------------------
// Transports

void RackEmulator::verbind(platform::GeheugenLijn& lijn) {
    m_lijn = &lijn;
    lijn.bijSchrijven = [this](const QByteArray& bytes) { ontvang(bytes); };
    lijn.bijDTR = [this](bool aan) {
        m_dtr = aan;
        if (aan) return;
        auto wachtend = std::move(m_wachtOpDtr);
        m_wachtOpDtr.clear();
        for (auto& a : wachtend)
            plan(std::move(a));
    };
}

QString RackEmulator::openPty() {
    int meester = -1, slaaf = -1;
    char naam[256] = {};
    if (::openpty(&meester, &slaaf, naam, nullptr, nullptr) != 0) return {};
    termios t{};
    if (::tcgetattr(slaaf, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(slaaf, TCSANOW, &t);
    }
    ::fcntl(meester, F_SETFL, ::fcntl(meester, F_GETFL) | O_NONBLOCK);
    m_ptyMeester = meester;
    m_ptySlaaf = slaaf; // kept open, so that the master side never sees the line hang up
    m_ptyMelder = std::make_unique<QSocketNotifier>(meester, QSocketNotifier::Read);
    QObject::connect(m_ptyMelder.get(), &QSocketNotifier::activated, m_ptyMelder.get(),
                     [this] { leesPty(); });
    return QString::fromLocal8Bit(naam);
}

void RackEmulator::leesPty() {
    char buf[256];
    for (;;) {
        const ssize_t n = ::read(m_ptyMeester, buf, sizeof buf);
        if (n <= 0) break;
        ontvang(QByteArray(buf, static_cast<qsizetype>(n)));
    }
}

void RackEmulator::lever(const QByteArray& bytes, double naMs) {
    const auto vertraging = static_cast<qint64>(std::ceil(std::max(0.0, naMs) - 1e-9));
    if (m_lijn) {
        m_lijn->lever(bytes, vertraging);
        return;
    }
    if (m_ptyMeester < 0) return;
    const int fd = m_ptyMeester;
    const auto schrijf = [fd, bytes] {
        qsizetype gedaan = 0;
        while (gedaan < bytes.size()) {
            const ssize_t n =
                ::write(fd, bytes.constData() + gedaan, static_cast<size_t>(bytes.size() - gedaan));
            if (n <= 0) break;
            gedaan += n;
        }
    };
    if (vertraging <= 0)
        schrijf();
    else
        platform::klok().planIn(vertraging, [melder = QPointer<QSocketNotifier>(m_ptyMelder.get()), schrijf] {
            if (melder) // the emulator and its pseudo-terminal still exist
                schrijf();
        });
}

// ---------------------------------------------------------------------------------------------------
// Requests

void RackEmulator::ontvang(const QByteArray& bytes) {
    const double nu = static_cast<double>(platform::klok().ms());
    const double perByte = m_lijntiming ? draadtijd(1) : 0.0;
    for (char c : bytes) {
        m_programmaLijnVrij = std::max(nu, m_programmaLijnVrij) + perByte;
        m_invoer.append(c);
        // A request is whole only with its closing LF.
        if (c == '\n') verwerkVerzoeken();
    }
}

void RackEmulator::verwerkVerzoeken() {
    for (;;) {
        qsizetype i = 0;
        while (i < m_invoer.size() && B(m_invoer, i) != NaarRack && B(m_invoer, i) != NaarModule)
            ++i;
        m_invoer.remove(0, i);
        if (m_invoer.size() < 2) return;
        const int lengte = B(m_invoer, 1);
        if (lengte < 2 || lengte > 40) {
            m_invoer.remove(0, 1);
            continue;
        }
        const qsizetype totaal = lengte + 4;
        if (m_invoer.size() < totaal) return;
        const bool heel = B(m_invoer, totaal - 2) == 13 && B(m_invoer, totaal - 1) == 10 &&
                          Som(m_invoer.left(totaal - 3)) == B(m_invoer, totaal - 3);
        if (!heel) {
            m_invoer.remove(0, 1);
            continue;
        }
        Verzoek v;
        v.bestemming = B(m_invoer, 0);
        v.commando = B(m_invoer, 2);
        v.metIdno = lengte >= 6;
        if (v.metIdno) {
            v.idno = static_cast<int32_t>(uint32_t{B(m_invoer, 3)} << 24 | uint32_t{B(m_invoer, 4)} << 16 |
                                          uint32_t{B(m_invoer, 5)} << 8 | uint32_t{B(m_invoer, 6)});
            v.data = m_invoer.mid(7, totaal - 3 - 7);
        } else {
            v.data = m_invoer.mid(3, totaal - 3 - 3);
        }
        v.ms = static_cast<qint64>(std::ceil(m_programmaLijnVrij));
        m_verzoekEinde = m_programmaLijnVrij;
        m_invoer.remove(0, totaal);
        m_verzoeken.push_back(v);
        beantwoord(v);
    }
}

void RackEmulator::beantwoord(const Verzoek& v) {
    const auto stuur = [this](std::optional<Antwoord> a) {
        if (a) plan(std::move(*a));
    };
    if (v.bestemming == NaarRack) {
        if (!v.metIdno) {
            if (v.commando == 5)
                for (auto& r : m_racks)
                    if (r && !r->stil)
                        stuur(maakAntwoord(5, r->idno, {}, r->omkeertijdMs + r->aanmeldVertragingMs));
            return;
        }
        for (auto& r : m_racks) {
            if (!r || r->idno != v.idno) continue;
            switch (v.commando) {
            case 5:
                r->bevestigd = true;
                ++r->aantalBevestigingen;
                if (r->bevestigingAntwoorden > 0 && !r->stil) {
                    --r->bevestigingAntwoorden;
                    stuur(maakAntwoord(5, r->idno, {}, r->omkeertijdMs));
                }
                break;
            case 100:
                if (!r->stil && !r->identificatieStil) {
                    QByteArray data;
                    for (int p = 1; p <= 7; ++p)
                        VoegLongToe(data, r->modules[p] ? static_cast<uint32_t>(r->modules[p]->idno) : 0u);
                    stuur(maakAntwoord(100, r->idno, data, r->omkeertijdMs));
                }
                break;
            case 253:
                ++r->aantalResets;
                break;
            default:
                break;
            }
            return;
        }
        return;
    }

    for (auto& r : m_racks) {
        if (!r) continue;
        for (auto& plek : r->modules) {
            if (!plek || plek->idno != v.idno) continue;
            Module& m = *plek;
            if (r->stil || m.stil) return;
            QByteArray data;
            const uint16_t adres = Adres(v.data);
            const bool magSchrijven = !m.vereistSchrijfToestemming || m.schrijfToestemming;
            switch (v.commando) {
            case 205:
                data.append(static_cast<char>(m.status | (m.schrijfToestemming ? 0x80 : 0)));
                data.append(static_cast<char>(m.ledFlag));
                VoegWoordToe(data, m.fouten);
                if (m.isK762())
                    for (uint8_t b : m.bereik)
                        data.append(static_cast<char>(b));
                break;
            case 245:
                data.append(static_cast<char>(m.versieA));
                data.append(static_cast<char>(m.versieB));
                break;
            case 10:
            case 20:
                for (int16_t w : v.commando == 10 ? m.adc : m.temperatuurAdc)
                    VoegWoordToe(data, static_cast<uint16_t>(w));
                break;
            case 70:
                data.append(static_cast<char>(m.leesByte(adres)));
                break;
            case 80:
                for (int i = 0; i < 2; ++i)
                    data.append(static_cast<char>(m.leesByte(static_cast<uint16_t>(adres + i))));
                break;
            case 90:
                for (int i = 0; i < 4; ++i)
                    data.append(static_cast<char>(m.leesByte(static_cast<uint16_t>(adres + i))));
                break;
            case 43:
            case 47:
            case 67:
                if (magSchrijven)
                    for (qsizetype i = 2; i < v.data.size(); ++i)
                        m.schrijfByte(static_cast<uint16_t>(adres + i - 2), B(v.data, i));
                return;
            case 213:
                m.schrijfToestemming = true;
                return;
            case 30:
                if (B(v.data, 0) < 4) m.bereik[B(v.data, 0)] = B(v.data, 1);
                return;
            case 253:
                ++m.aantalResets;
                m.schrijfToestemming = false;
                return;
            default:
                return; // unknown codes go unanswered
            }
            stuur(maakAntwoord(v.commando, m.idno, data, m.omkeertijdMs));
            return;
        }
    }
}

std::optional<RackEmulator::Antwoord> RackEmulator::maakAntwoord(uint8_t echo, int32_t idno,
                                                                 const QByteArray& data, int omkeertijdMs) {
    bool stilte = false, ruis = false, checksum = false, gesplitst = false, twee = false, crlf = false,
         vreemd = false, verminkt = false, kort = false;
    for (auto& f : m_fouten) {
        if (f.rest == 0 || (f.idno != 0 && f.idno != idno)) continue;
        if (f.rest > 0) --f.rest;
        switch (f.fout) {
        case Fout::Stilte:
            stilte = true;
            break;
        case Fout::RuisVoor:
            ruis = true;
            break;
        case Fout::FouteChecksum:
            checksum = true;
            break;
        case Fout::Gesplitst:
            gesplitst = true;
            break;
        case Fout::TweeFrames:
            twee = true;
            break;
        case Fout::CRLFInData:
            crlf = true;
            break;
        case Fout::VreemdNummer:
            vreemd = true;
            break;
        case Fout::VerminkteData:
            verminkt = true;
            break;
        case Fout::KortAntwoord:
            kort = true;
            break;
        }
    }
    std::erase_if(m_fouten, [](const Foutregel& f) { return f.rest == 0; });
    if (stilte) return std::nullopt;

    QByteArray d = data;
    if (kort) d.truncate(m_korteData);
    if (crlf && d.size() >= 2) {
        d[0] = 13;
        d[1] = 10;
    }
    const int32_t nummer = vreemd ? (m_vreemdIdno != 0 ? m_vreemdIdno : idno ^ 0x00005500) : idno;
    QByteArray frame;
    frame.append('P');
    frame.append(static_cast<char>(6 + d.size()));
    frame.append(static_cast<char>(echo));
    VoegLongToe(frame, static_cast<uint32_t>(nummer));
    frame.append(d);
    frame.append(static_cast<char>(Som(frame) + (checksum ? 1 : 0)));
    frame.append("\r\n");
    if (verminkt && !d.isEmpty()) frame[7] = static_cast<char>(frame.at(7) ^ 0x5A);

    QByteArray bytes = frame;
    if (twee) bytes.append(frame);
    if (ruis) bytes.prepend(m_ruis);

    Antwoord a;
    a.omkeertijdMs = omkeertijdMs;
    a.vanaf = m_verzoekEinde;
    if (gesplitst) {
        const qsizetype derde = std::max<qsizetype>(1, bytes.size() / 3);
        a.delen.push_back({bytes.left(derde), 0});
        a.delen.push_back({bytes.mid(derde, derde), 1});
        a.delen.push_back({bytes.mid(2 * derde), 1});
    } else {
        a.delen.push_back({bytes, 0});
    }
    return a;
}

void RackEmulator::plan(Antwoord a) {
    if (m_lijntiming && m_lijn && m_dtr) {
        m_wachtOpDtr.push_back(std::move(a));
        return;
    }
    const double nu = static_cast<double>(platform::klok().ms());
    if (!m_lijntiming) {
        double t = nu + a.omkeertijdMs;
        for (const auto& deel : a.delen) {
            t += deel.extraMs;
            lever(deel.bytes, t - nu);
        }
        return;
    }
    double t = std::max({nu, a.vanaf}) + a.omkeertijdMs;
    t = std::max(t, m_rackLijnVrij);
    for (const auto& deel : a.delen) {
        t += deel.extraMs;
        t += draadtijd(static_cast<int>(deel.bytes.size()));
        lever(deel.bytes, t - nu);
    }
    m_rackLijnVrij = t;
}
