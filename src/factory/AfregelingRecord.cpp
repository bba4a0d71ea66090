#include "factory/AfregelingRecord.h"

#include "platform/Tekstbestand.h"

#include <QtEndian>
#include <bit>

namespace {

// Writes the fields one after another; `plaats` is the offset of the next field.
class Schrijver {
public:
    Schrijver() : m_bytes(AfregelRecordLengte, '\0') {}
    void long32(int32_t w) { zet<quint32>(static_cast<quint32>(w)); }
    void integer16(int16_t w) { zet<quint16>(static_cast<quint16>(w)); }
    void single(float w) { zet<quint32>(std::bit_cast<quint32>(w)); }
    void datum(double w) { zet<quint64>(std::bit_cast<quint64>(w)); }
    void ruw(quint32 w) { zet<quint32>(w); }
    template <size_t N> void singles(const std::array<float, N>& w) {
        for (float f : w)
            single(f);
    }
    template <int N> void tekst(const VasteTekst<N>& t) {
        QByteArray b = platform::NaarWindows1252(t.tekst()).left(N);
        b.append(QByteArray(N - b.size(), ' '));
        m_bytes.replace(m_plaats, N, b);
        m_plaats += N;
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    template <typename T> void zet(T w) {
        qToLittleEndian(w, m_bytes.data() + m_plaats);
        m_plaats += sizeof(T);
    }
    QByteArray m_bytes;
    int m_plaats = 0;
};

class Lezer {
public:
    explicit Lezer(const QByteArray& bytes) : m_bytes(bytes.left(AfregelRecordLengte)) {
        m_bytes.append(QByteArray(AfregelRecordLengte - m_bytes.size(), '\0'));
    }
    int32_t long32() { return static_cast<int32_t>(haal<quint32>()); }
    int16_t integer16() { return static_cast<int16_t>(haal<quint16>()); }
    float single() { return std::bit_cast<float>(haal<quint32>()); }
    double datum() { return std::bit_cast<double>(haal<quint64>()); }
    quint32 ruw() { return haal<quint32>(); }
    template <size_t N> void singles(std::array<float, N>& w) {
        for (float& f : w)
            f = single();
    }
    template <int N> void tekst(VasteTekst<N>& t) {
        t = platform::VanWindows1252(m_bytes.mid(m_plaats, N));
        m_plaats += N;
    }

private:
    template <typename T> T haal() {
        const T w = qFromLittleEndian<T>(m_bytes.constData() + m_plaats);
        m_plaats += sizeof(T);
        return w;
    }
    QByteArray m_bytes;
    int m_plaats = 0;
};

} // namespace

QByteArray AfregelRecordNaarBytes(const AfregelingRecord& r) {
    Schrijver s;
    s.long32(r.Serienummer);
    s.tekst(r.Toesteltype);
    s.tekst(r.Operator);
    s.single(r.SoftwareVersie);
    s.datum(r.AfregelDatum);
    s.integer16(r.AantalAfregelingen);
    s.singles(r.MvNul);
    s.singles(r.MvSchaal);
    s.singles(r.Lekstroom);
    s.singles(r.BereikNul);
    s.singles(r.BereikSchaal);
    s.singles(r.Frequentie);
    s.singles(r.DcOffset);
    for (quint32 w : r.Gereserveerd)
        s.ruw(w);
    s.singles(r.TemperatuurSchaal);
    s.singles(r.TemperatuurNul);
    s.long32(r.Identificatiecode);
    return s.bytes();
}

AfregelingRecord AfregelRecordUitBytes(const QByteArray& bytes) {
    Lezer l(bytes);
    AfregelingRecord r;
    r.Serienummer = l.long32();
    l.tekst(r.Toesteltype);
    l.tekst(r.Operator);
    r.SoftwareVersie = l.single();
    r.AfregelDatum = l.datum();
    r.AantalAfregelingen = l.integer16();
    l.singles(r.MvNul);
    l.singles(r.MvSchaal);
    l.singles(r.Lekstroom);
    l.singles(r.BereikNul);
    l.singles(r.BereikSchaal);
    l.singles(r.Frequentie);
    l.singles(r.DcOffset);
    for (quint32& w : r.Gereserveerd)
        w = l.ruw();
    l.singles(r.TemperatuurSchaal);
    l.singles(r.TemperatuurNul);
    r.Identificatiecode = l.long32();
    return r;
}
