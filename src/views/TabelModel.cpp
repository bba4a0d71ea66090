#include "views/TabelModel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cstring>

Kolomsoort SoortVanKolom(int kolom) {
    if (kolom == 0) return Kolomsoort::Nummer;
    if (kolom == 1) return Kolomsoort::Datum;
    if (kolom == 2) return Kolomsoort::Tijd;
    if (kolom < 3 || kolom > 18) return Kolomsoort::Info;
    switch ((kolom - 3) % 4) {
    case 0:
        return Kolomsoort::Waarde;
    case 1:
        return Kolomsoort::Eenheid;
    case 2:
        return Kolomsoort::Temperatuur;
    default:
        return Kolomsoort::TemperatuurEenheid;
    }
}

Qt::Alignment UitlijningVanKolom(int kolom) {
    switch (SoortVanKolom(kolom)) {
    case Kolomsoort::Eenheid:
    case Kolomsoort::TemperatuurEenheid:
    case Kolomsoort::Info:
        return Qt::AlignLeft | Qt::AlignVCenter;
    default:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
}

namespace {

// A row's cells 1..19 are stored each as its byte count (7 bits a byte, the high bit set on all but the
// last) followed by its UTF-8 bytes.
size_t LeesLengte(const char*& p) {
    size_t n = 0;
    int schuif = 0;
    for (;;) {
        const auto b = static_cast<unsigned char>(*p++);
        n |= static_cast<size_t>(b & 0x7F) << schuif;
        if (!(b & 0x80)) return n;
        schuif += 7;
    }
}

// A row's cells 1..19 appended to `uit`: a cell of fewer than 43 characters (at most 126 bytes, so its
// count takes one byte) is encoded in place, a longer one or one with a surrogate through QString.
void VoegRijToe(std::vector<char>& uit, const TabelRijZicht& cellen) {
    size_t ruimte = 0;
    for (int k = 1; k < AantalRasterKolommen; ++k)
        ruimte += 1 + 3 * static_cast<size_t>(cellen[static_cast<size_t>(k)].size());
    static thread_local std::vector<char> klad;
    if (klad.size() < ruimte) klad.resize(std::max(ruimte, size_t(4096)));
    char* p = klad.data();
    for (int k = 1; k < AantalRasterKolommen; ++k) {
        const QStringView tekst = cellen[static_cast<size_t>(k)];
        const qsizetype n = tekst.size();
        const char16_t* t = tekst.utf16();
        bool gedaan = n < 43;
        if (gedaan) {
            // Most cells are ASCII: copied as they are while they are checked.
            char* lengte = p++;
            // Four characters at a time: their low bytes, and whether any is beyond ASCII.
            quint64 alle = 0;
            qsizetype i = 0;
            for (; i + 4 <= n; i += 4) {
                quint64 w;
                std::memcpy(&w, t + i, 8);
                alle |= w;
                const auto vier = static_cast<quint32>((w & 0xFF) | ((w >> 8) & 0xFF00) |
                                                       ((w >> 16) & 0xFF0000) | ((w >> 24) & 0xFF000000));
                std::memcpy(p + i, &vier, 4);
            }
            for (; i < n; ++i) {
                alle |= t[i];
                p[i] = static_cast<char>(t[i]);
            }
            if (!(alle & 0xFF80FF80FF80FF80ull)) {
                p += n;
            } else {
                for (qsizetype i = 0; i < n && gedaan; ++i) {
                    const char16_t c = t[i];
                    if (c < 0x80) {
                        *p++ = static_cast<char>(c);
                    } else if (c < 0x800) {
                        *p++ = static_cast<char>(0xC0 | (c >> 6));
                        *p++ = static_cast<char>(0x80 | (c & 0x3F));
                    } else if (c >= 0xD800 && c <= 0xDFFF) {
                        gedaan = false;
                    } else {
                        *p++ = static_cast<char>(0xE0 | (c >> 12));
                        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                        *p++ = static_cast<char>(0x80 | (c & 0x3F));
                    }
                }
            }
            if (gedaan)
                *lengte = static_cast<char>(p - lengte - 1);
            else
                p = lengte;
        }
        if (!gedaan) {
            const QByteArray utf8 = tekst.toUtf8();
            const auto m = static_cast<size_t>(utf8.size());
            const size_t plaats = static_cast<size_t>(p - klad.data());
            if (klad.size() < plaats + m + 10 + ruimte) klad.resize(plaats + m + 10 + ruimte);
            p = klad.data() + plaats;
            size_t rest = m;
            while (rest >= 0x80) {
                *p++ = static_cast<char>(0x80 | (rest & 0x7F));
                rest >>= 7;
            }
            *p++ = static_cast<char>(rest);
            std::memcpy(p, utf8.constData(), m);
            p += m;
        }
    }
    uit.insert(uit.end(), klad.data(), p);
}

// One count for every grid of the program, so that no grid ever shows a number another one had.
uint64_t VolgendeWijziging() {
    static uint64_t teller = 0;
    return ++teller;
}

} // namespace

TabelModel::TabelModel(QObject* ouder) : QAbstractTableModel(ouder), m_wijziging(VolgendeWijziging()) {}

const char* TabelModel::RijBytes(int32_t rij, size_t& lengte) const {
    lengte = 0;
    const uint64_t begin = m_begin[static_cast<size_t>(rij - 1)];
    if (begin == GeenTekst) return nullptr;
    const char* p = m_tekst.data() + begin;
    const char* q = p;
    for (int k = 1; k < AantalRasterKolommen; ++k)
        q += LeesLengte(q);
    lengte = static_cast<size_t>(q - p);
    return p;
}

QString TabelModel::Cel(int32_t rij, int kolom) const {
    if (kolom < 0 || kolom >= AantalRasterKolommen || rij < 0 || rij >= Rijen()) return QString();
    if (rij == 0) return m_kop[static_cast<size_t>(kolom)];
    if (kolom == 0) return QString::number(rij);
    if (rij > DataRijen()) return QString();
    const uint64_t begin = m_begin[static_cast<size_t>(rij - 1)];
    if (begin == GeenTekst) return QString();
    const char* p = m_tekst.data() + begin;
    for (int k = 1; k < kolom; ++k)
        p += LeesLengte(p);
    const size_t n = LeesLengte(p);
    return QString::fromUtf8(p, static_cast<qsizetype>(n));
}

bool TabelModel::RijCellen(int32_t rij, std::array<std::string_view, AantalRasterKolommen>& cellen) const {
    cellen.fill(std::string_view());
    if (rij < 1) return false;
    if (rij > DataRijen()) return true;
    const uint64_t begin = m_begin[static_cast<size_t>(rij - 1)];
    if (begin == GeenTekst) return true;
    const char* p = m_tekst.data() + begin;
    for (size_t k = 1; k < AantalRasterKolommen; ++k) {
        const size_t n = LeesLengte(p);
        cellen[k] = std::string_view(p, n);
        p += n;
    }
    return true;
}

void TabelModel::Verleng(int32_t rij) {
    if (rij <= DataRijen()) return;
    // Rows come one after another: the next one goes on the end.
    if (rij == DataRijen() + 1)
        m_begin.push_back(GeenTekst);
    else
        m_begin.resize(static_cast<size_t>(rij), GeenTekst);
    m_wijziging = VolgendeWijziging();
}

void TabelModel::SchrijfRij(int32_t rij, const TabelRijZicht& cellen) {
    bool leeg = true;
    for (int k = 1; k < AantalRasterKolommen && leeg; ++k)
        leeg = cellen[static_cast<size_t>(k)].isEmpty();
    uint64_t& begin = m_begin[static_cast<size_t>(rij - 1)];
    size_t oud = 0;
    RijBytes(rij, oud);
    if (leeg) {
        m_afval += oud;
        begin = GeenTekst;
    } else if (begin == GeenTekst) {
        // A new row goes straight to the end of the buffer.
        begin = m_tekst.size();
        VoegRijToe(m_tekst, cellen);
    } else {
        static thread_local std::vector<char> bytes;
        bytes.clear();
        VoegRijToe(bytes, cellen);
        if (bytes.size() <= oud) {
            // In place; what the shorter row leaves behind is never read again.
            std::memcpy(m_tekst.data() + begin, bytes.data(), bytes.size());
            m_afval += oud - bytes.size();
        } else {
            m_afval += oud;
            begin = m_tekst.size();
            m_tekst.insert(m_tekst.end(), bytes.begin(), bytes.end());
        }
    }
    if (m_afval > (1u << 20) && m_afval > m_tekst.size() / 2) RuimOp();
    m_wijziging = VolgendeWijziging();
}

void TabelModel::Reserveer(int32_t rijen) {
    if (rijen <= DataRijen()) return;
    // A little more than asked, so that an estimate that creeps up does not move the cells every time.
    const auto ruim = [](size_t n) { return n + n / 32; };
    if (static_cast<size_t>(rijen) > m_begin.capacity()) m_begin.reserve(ruim(static_cast<size_t>(rijen)));
    if (DataRijen() == 0) return;
    const double perRij = static_cast<double>(m_tekst.size() - m_afval) / DataRijen();
    const auto nodig = static_cast<size_t>(perRij * rijen);
    if (nodig > m_tekst.capacity()) m_tekst.reserve(ruim(nodig));
}

void TabelModel::RuimOp() {
    std::vector<char> nieuw;
    nieuw.reserve(m_tekst.size() - m_afval);
    for (int32_t rij = 1; rij <= DataRijen(); ++rij) {
        size_t lengte = 0;
        const char* p = RijBytes(rij, lengte);
        if (!p) continue;
        m_begin[static_cast<size_t>(rij - 1)] = nieuw.size();
        nieuw.insert(nieuw.end(), p, p + lengte);
    }
    m_tekst.swap(nieuw);
    m_afval = 0;
}

void TabelModel::ZetCel(int32_t rij, int kolom, const QString& tekst) {
    if (kolom < 0 || kolom >= AantalRasterKolommen || rij < 0) return;
    if (rij == 0) {
        m_kop[static_cast<size_t>(kolom)] = tekst;
        m_wijziging = VolgendeWijziging();
        emit headerDataChanged(Qt::Horizontal, kolom, kolom);
        return;
    }
    if (kolom == 0) return;
    Verleng(rij);
    TabelRij cellen;
    TabelRijZicht views;
    for (int k = 1; k < AantalRasterKolommen; ++k) {
        cellen[static_cast<size_t>(k)] = k == kolom ? tekst : Cel(rij, k);
        views[static_cast<size_t>(k)] = cellen[static_cast<size_t>(k)];
    }
    SchrijfRij(rij, views);
    if (rij <= m_gemeld) {
        const QModelIndex i = index(rij - 1, kolom);
        emit dataChanged(i, i);
    } else {
        Meld();
    }
}

void TabelModel::ZetRij(int32_t rij, const TabelRij& cellen, bool melden) {
    TabelRijZicht views;
    for (int k = 1; k < AantalRasterKolommen; ++k)
        views[static_cast<size_t>(k)] = cellen[static_cast<size_t>(k)];
    ZetRij(rij, views, melden);
}

void TabelModel::ZetRij(int32_t rij, const TabelRijZicht& cellen, bool melden) {
    if (rij < 1) return;
    Verleng(rij);
    SchrijfRij(rij, cellen);
    if (rij <= m_gemeld)
        emit dataChanged(index(rij - 1, 1), index(rij - 1, AantalRasterKolommen - 1));
    else if (melden)
        Meld();
}

void TabelModel::Meld() {
    const int32_t n = DataRijen();
    m_wijziging = VolgendeWijziging();
    if (n <= m_gemeld) return;
    // The view's last row (the empty one) becomes a sample row; the new rows follow it.
    const int32_t oud = m_gemeld;
    beginInsertRows(QModelIndex(), oud + 1, n);
    m_gemeld = n;
    endInsertRows();
    emit dataChanged(index(oud, 0), index(oud, AantalRasterKolommen - 1));
}

void TabelModel::Wis() {
    beginResetModel();
    for (QString& t : m_kop)
        t.clear();
    std::vector<char>().swap(m_tekst);
    std::vector<uint64_t>().swap(m_begin);
    m_afval = 0;
    m_gemeld = 0;
    m_wijziging = VolgendeWijziging();
    endResetModel();
}

size_t TabelModel::Geheugen() const {
    return m_tekst.capacity() + m_begin.capacity() * sizeof(uint64_t);
}

int TabelModel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : m_gemeld + 1;
}

int TabelModel::columnCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : AantalRasterKolommen;
}

QVariant TabelModel::data(const QModelIndex& index, int rol) const {
    if (!index.isValid()) return QVariant();
    switch (rol) {
    case Qt::DisplayRole:
        return Cel(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(UitlijningVanKolom(index.column()));
    case Qt::BackgroundRole:
        // The row numbers stand in a fixed column, coloured as the header.
        if (index.column() == 0) return QGuiApplication::palette().brush(QPalette::Button);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant TabelModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
    if (sectie < 0) return QVariant();
    if (richting == Qt::Vertical) return rol == Qt::DisplayRole ? QVariant(sectie + 1) : QVariant();
    if (sectie >= AantalRasterKolommen) return QVariant();
    if (rol == Qt::DisplayRole) return m_kop[static_cast<size_t>(sectie)];
    if (rol == Qt::TextAlignmentRole) return QVariant::fromValue(UitlijningVanKolom(sectie));
    return QVariant();
}

Qt::ItemFlags TabelModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() == 0) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
