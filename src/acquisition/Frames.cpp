#include "acquisition/Frames.h"

namespace {
inline uint8_t byteOp(QByteArrayView b, qsizetype i) {
    return static_cast<uint8_t>(b.at(i));
}

bool eindigtOpCRLF(QByteArrayView b) {
    return b.size() >= 2 && b.endsWith("\r\n");
}
} // namespace

int ZoekEindeFrame(const QByteArray& tekst, int start) {
    const qsizetype i = tekst.indexOf("\r\n", qMax(start, 1) - 1);
    return i < 0 ? 0 : static_cast<int>(i + 1);
}

bool ControleerChecksum(QByteArrayView frame) {
    if (frame.size() < 6 || !eindigtOpCRLF(frame)) return false;
    const qsizetype checksumPlaats = frame.size() - 3;
    unsigned som = 0;
    for (qsizetype i = 0; i < checksumPlaats; ++i)
        som += byteOp(frame, i);
    return (som & 0xFF) == byteOp(frame, checksumPlaats);
}

int ControleerAntwoord(QByteArrayView kandidaat) {
    if (kandidaat.size() < 5 || !eindigtOpCRLF(kandidaat)) return KlasseOnvolledig;
    const qsizetype start = kandidaat.indexOf(static_cast<char>(StartAntwoord));
    if (start < 0) return KlasseGeenStart;
    const QByteArrayView frame = kandidaat.sliced(start);
    const qsizetype n = frame.size();
    const qsizetype lengte = byteOp(frame, 1);
    if (lengte < n - 4) return KlasseLengteTeKlein;
    if (lengte > n - 4) return KlasseLengteTeGroot;
    return ControleerChecksum(frame) ? KlasseGeldig : KlasseChecksumFout;
}

Snede SnijFrame(QByteArray& buffer, Snijwijze wijze) {
    Snede s;
    const qsizetype n = buffer.size();
    qsizetype eersteOpen = -1; // the first start that may still become a reply
    for (qsizetype i = 0; i < n; ++i) {
        if (byteOp(buffer, i) != StartAntwoord) continue;
        if (i + 1 >= n) {
            if (eersteOpen < 0) eersteOpen = i;
            break;
        }
        const int lengte = byteOp(buffer, i + 1);
        if (lengte < 2 || lengte > MaximaleLengtebyte) continue;
        const qsizetype totaal = lengte + 4;
        if (n - i < totaal) {
            if (eersteOpen < 0) eersteOpen = i;
            continue;
        }
        // Candidates are looked at in place; only the reply taken is copied out.
        const QByteArrayView kandidaat = QByteArrayView(buffer).sliced(i, totaal);
        if (ControleerAntwoord(kandidaat) != KlasseGeldig) continue;
        // An open start before it reaches past the buffer's end, so this reply lies inside its claim.
        if (eersteOpen >= 0 && wijze == Snijwijze::Strikt) {
            s.verborgen = true;
            continue;
        }
        s.gevonden = true;
        s.frame = kandidaat.toByteArray();
        s.verworpen = i;
        buffer.remove(0, i + totaal);
        return s;
    }
    s.verworpen = eersteOpen < 0 ? n : eersteOpen;
    buffer.remove(0, s.verworpen);
    return s;
}

int AntwoordDatabytes(uint8_t commando) {
    switch (commando) {
    case CommandoADC:
    case CommandoTemperatuurADC:
        return 8;
    case CommandoStatus:
    case CommandoLeesDubbelWoord:
        return 4;
    case CommandoLeesByte:
        return 1;
    case CommandoLeesWoord:
    case CommandoVersie:
        return 2;
    case CommandoIdentificatie:
        return 28;
    default:
        return 0;
    }
}

bool HeeftDatabytes(const QByteArray& antwoord, int databytes) {
    const int nodig = 6 + databytes;
    return HaalByte(antwoord, 2) >= nodig && antwoord.size() >= nodig + 4;
}

uint8_t HaalByte(const QByteArray& antwoord, int p) {
    if (p < 1 || p > antwoord.size()) return 0;
    return byteOp(antwoord, p - 1);
}

int32_t HaalWoord(const QByteArray& antwoord, int p) {
    if (p < 1 || p + 1 > antwoord.size()) return 0;
    return byteOp(antwoord, p - 1) * 256 + byteOp(antwoord, p);
}

int32_t HaalLong(const QByteArray& antwoord, int p) {
    if (p < 1 || antwoord.size() <= p + 3) return 0;
    const uint32_t u = (uint32_t{byteOp(antwoord, p - 1)} << 24) | (uint32_t{byteOp(antwoord, p)} << 16) |
                       (uint32_t{byteOp(antwoord, p + 1)} << 8) | uint32_t{byteOp(antwoord, p + 2)};
    return static_cast<int32_t>(u);
}

int16_t BytesNaarInteger(uint8_t hoog, uint8_t laag) {
    return static_cast<int16_t>(static_cast<uint16_t>(hoog * 256 + laag));
}
