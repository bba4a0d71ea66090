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

// A row's cells 1..19, each as its byte count (7 bits a byte, the high bit set on all but the last)
// followed by its UTF-8 bytes.
void VoegLengteToe(std::string& uit, size_t n) {
    while (n >= 0x80) {
        uit.push_back(static_cast<char>(0x80 | (n & 0x7F)));
        n >>= 7;
    }
    uit.push_back(static_cast<char>(n));
}

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

void VoegCelToe(std::string& uit, QStringView tekst) {
    const qsizetype n = tekst.size();
    bool ascii = true;
    for (qsizetype i = 0; i < n && ascii; ++i)
        ascii = tekst[i].unicode() < 0x80;
    if (ascii) {
        VoegLengteToe(uit, static_cast<size_t>(n));
        for (qsizetype i = 0; i < n; ++i)
            uit.push_back(static_cast<char>(tekst[i].unicode()));
        return;
    }
    const QByteArray utf8 = tekst.toUtf8();
    VoegLengteToe(uit, static_cast<size_t>(utf8.size()));
    uit.append(utf8.constData(), static_cast<size_t>(utf8.size()));
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
    m_begin.resize(static_cast<size_t>(rij), GeenTekst);
    m_wijziging = VolgendeWijziging();
}

void TabelModel::SchrijfRij(int32_t rij, const std::array<QStringView, AantalRasterKolommen>& cellen) {
    static thread_local std::string bytes;
    bytes.clear();
    bool leeg = true;
    for (int k = 1; k < AantalRasterKolommen; ++k) {
        VoegCelToe(bytes, cellen[static_cast<size_t>(k)]);
        leeg = leeg && cellen[static_cast<size_t>(k)].isEmpty();
    }
    uint64_t& begin = m_begin[static_cast<size_t>(rij - 1)];
    size_t oud = 0;
    RijBytes(rij, oud);
    if (leeg) {
        m_afval += oud;
        begin = GeenTekst;
    } else if (begin != GeenTekst && bytes.size() <= oud) {
        // In place; what the shorter row leaves behind is never read again.
        std::memcpy(m_tekst.data() + begin, bytes.data(), bytes.size());
        m_afval += oud - bytes.size();
    } else {
        m_afval += oud;
        begin = m_tekst.size();
        m_tekst.insert(m_tekst.end(), bytes.begin(), bytes.end());
    }
    if (m_afval > (1u << 20) && m_afval > m_tekst.size() / 2) RuimOp();
    m_wijziging = VolgendeWijziging();
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
    std::array<QStringView, AantalRasterKolommen> views;
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
    if (rij < 1) return;
    Verleng(rij);
    std::array<QStringView, AantalRasterKolommen> views;
    for (int k = 1; k < AantalRasterKolommen; ++k)
        views[static_cast<size_t>(k)] = cellen[static_cast<size_t>(k)];
    SchrijfRij(rij, views);
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
