#include "acquisition/Frames.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <vector>

namespace {

// A reply as a rack sends it: 'P', length, echo, number, data, checksum, CR LF.
QByteArray Antwoord(uint8_t echo, uint32_t idno, const QByteArray& data) {
    QByteArray f;
    f.append('P');
    f.append(static_cast<char>(6 + data.size()));
    f.append(static_cast<char>(echo));
    for (int s = 24; s >= 0; s -= 8)
        f.append(static_cast<char>(idno >> s));
    f.append(data);
    unsigned som = 0;
    for (char c : f)
        som += static_cast<uint8_t>(c);
    f.append(static_cast<char>(som & 0xFF));
    f.append("\r\n");
    return f;
}

// Rack 1.0.0.2 answering the broadcast log-on: 50 06 05 01 00 00 02, checksum 0x5E.
const QByteArray Aanmelding = QByteArray::fromHex("50060501000002") + QByteArray("\x5E\r\n");

} // namespace

TEST(FramesTest, ClassifiesCandidates) {
    EXPECT_EQ(ControleerAntwoord(Aanmelding), KlasseGeldig);
    EXPECT_EQ(ControleerAntwoord(QByteArray("\x00\x13", 2) + Aanmelding), KlasseGeldig); // noise before
    EXPECT_EQ(ControleerAntwoord(QByteArray("P\x06\r\n")), KlasseOnvolledig);            // fewer than 5 bytes
    EXPECT_EQ(ControleerAntwoord(Aanmelding.left(8)), KlasseOnvolledig); // no CR LF at its end
    EXPECT_EQ(ControleerAntwoord(QByteArray("\x01\x02\x03\r\n")), KlasseGeenStart);
    QByteArray lang = Aanmelding;
    lang[1] = 0x20;
    EXPECT_EQ(ControleerAntwoord(lang), KlasseLengteTeGroot);
    QByteArray kort = Aanmelding;
    kort[1] = 0x03;
    EXPECT_EQ(ControleerAntwoord(kort), KlasseLengteTeKlein);
    QByteArray fout = Aanmelding;
    fout[7] = 0x5F;
    EXPECT_EQ(ControleerAntwoord(fout), KlasseChecksumFout);

    EXPECT_TRUE(ControleerChecksum(Aanmelding));
    EXPECT_FALSE(ControleerChecksum(fout));
    EXPECT_FALSE(ControleerChecksum(QByteArray("P\x50\r\n")));         // fewer than 6 bytes
    EXPECT_FALSE(ControleerChecksum(Aanmelding + QByteArray("\xFF"))); // not ending in CR LF
}

TEST(FramesTest, FindsTheEndOfAFrame) {
    const QByteArray t("ab\r\ncd\r\n");
    EXPECT_EQ(ZoekEindeFrame(t, 1), 3);
    EXPECT_EQ(ZoekEindeFrame(t, 3), 3);
    EXPECT_EQ(ZoekEindeFrame(t, 4), 7);
    EXPECT_EQ(ZoekEindeFrame(t, 8), 0);
    EXPECT_EQ(ZoekEindeFrame(QByteArray("\r"), 1), 0);
}

TEST(FramesTest, ReadsReplyFields) {
    EXPECT_EQ(BytesNaarInteger(0xFF, 0xFE), -2);
    EXPECT_EQ(BytesNaarInteger(0xFF, 0x38), -200);
    EXPECT_EQ(BytesNaarInteger(0x7F, 0xFF), 32767);
    EXPECT_EQ(BytesNaarInteger(0x80, 0x00), -32768);
    EXPECT_EQ(HaalWoord(QByteArray("\xFF\xFE"), 1), 65534);
    EXPECT_EQ(HaalWoord(QByteArray("\xFF"), 1), 0);

    const QByteArray a = Antwoord(205, 0x0F010203u, QByteArray::fromHex("07000102"));
    EXPECT_EQ(HaalByte(a, 1), 'P');
    EXPECT_EQ(HaalByte(a, 3), 205);
    EXPECT_EQ(HaalByte(a, 8), 0x07);
    EXPECT_EQ(HaalByte(a, 99), 0);
    EXPECT_EQ(HaalLong(a, 4), 0x0F010203);
    EXPECT_EQ(HaalWoord(a, 10), 0x0102);
    // A number with its top bit set is read in two's complement.
    EXPECT_EQ(HaalLong(Antwoord(205, 0x80000000u, {}), 4), INT32_MIN);
    EXPECT_EQ(HaalLong(Antwoord(205, 0xFFFFFFFFu, {}), 4), -1);
    // Read only when the reply is longer than p + 3 bytes.
    EXPECT_EQ(HaalLong(a.left(7), 4), 0);
    EXPECT_EQ(HaalLong(a.left(8), 4), 0x0F010203);
}

TEST(FramesTest, CutterDropsNoiseAndTakesWholeReplies) {
    // Noise before a reply is dropped.
    QByteArray buffer = QByteArray("\x00\x13\xFE\r\n", 5) + Aanmelding;
    Snede s = SnijFrame(buffer);
    ASSERT_TRUE(s.gevonden);
    EXPECT_EQ(s.frame, Aanmelding);
    EXPECT_EQ(s.verworpen, 5);
    EXPECT_TRUE(buffer.isEmpty());

    // CR LF inside the data: the length byte says the reply goes on.
    const QByteArray metCrLf = Antwoord(10, 0x0F000001u, QByteArray::fromHex("0D0A0D0A00010002"));
    buffer = metCrLf;
    s = SnijFrame(buffer);
    ASSERT_TRUE(s.gevonden);
    EXPECT_EQ(s.frame, metCrLf);

    // Two replies in one read: the first is taken, the second stays.
    const QByteArray tweede = Antwoord(205, 0x0F000001u, QByteArray::fromHex("00000000"));
    buffer = Aanmelding + tweede;
    s = SnijFrame(buffer);
    EXPECT_EQ(s.frame, Aanmelding);
    EXPECT_EQ(buffer, tweede);
    s = SnijFrame(buffer);
    EXPECT_EQ(s.frame, tweede);
    EXPECT_TRUE(buffer.isEmpty());

    // A length byte above 40 marks garbage; alone it empties the buffer.
    buffer = QByteArray("P\x7F\x01\x02\r\n");
    s = SnijFrame(buffer);
    EXPECT_FALSE(s.gevonden);
    EXPECT_TRUE(buffer.isEmpty());
    buffer = QByteArray("P\x7F\x01\r\n") + Aanmelding;
    EXPECT_EQ(SnijFrame(buffer).frame, Aanmelding);
}

TEST(FramesTest, CutterKeepsAnUnfinishedReplyAndSeesPastNoiseThatLooksLikeOne) {
    const QByteArray a = Antwoord(20, 0x0C010203u, QByteArray::fromHex("00FA00FB0D0A00FD"));
    QByteArray buffer = QByteArray("\x11", 1) + a.left(12); // its CR LF data has come, the rest not
    EXPECT_FALSE(SnijFrame(buffer).gevonden);
    EXPECT_EQ(buffer, a.left(12));
    buffer.append(a.mid(12));
    EXPECT_EQ(SnijFrame(buffer).frame, a);

    // A noise 'P' whose length byte claims more bytes than follow does not hide the reply behind it,
    // whether that claim reaches past the reply or ends inside it.
    buffer = QByteArray("P\x28") + Aanmelding;
    EXPECT_EQ(SnijFrame(buffer).frame, Aanmelding);
    buffer = QByteArray("P\x08") + Aanmelding;
    EXPECT_EQ(SnijFrame(buffer).frame, Aanmelding);
}

namespace {

// Independent of the cutter: every position where a whole reply with a valid checksum stands.
std::set<qsizetype> GeldigeStarts(const QByteArray& s) {
    std::set<qsizetype> starts;
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != 'P') continue;
        const int lengte = static_cast<uint8_t>(s[i + 1]);
        const qsizetype eind = i + lengte + 4;
        if (lengte < 2 || eind > s.size() || s[eind - 2] != '\r' || s[eind - 1] != '\n') continue;
        unsigned som = 0;
        for (qsizetype j = i; j < eind - 3; ++j)
            som += static_cast<uint8_t>(s[j]);
        if ((som & 0xFF) == static_cast<uint8_t>(s[eind - 3])) starts.insert(i);
    }
    return starts;
}

} // namespace

TEST(FramesTest, RandomNoiseAndSplitsNeverLoseOrInventAReply) {
    std::mt19937 rng(740);
    const auto getal = [&](int laag, int hoog) {
        return std::uniform_int_distribution<int>(laag, hoog)(rng);
    };
    // Noise leans towards the bytes that matter to the cutter.
    const auto ruisbyte = [&]() -> char {
        static const char lastig[] = {'P', '\r', '\n', 0x06, 0x0A, 0x0E, 0x22, 0x28, 0x29, 0x7F};
        return getal(0, 1) ? lastig[getal(0, sizeof lastig - 1)] : static_cast<char>(getal(0, 255));
    };
    int rondes = 0;
    int replies = 0;
    while (rondes < 400) {
        QByteArray stroom;
        std::vector<QByteArray> verwacht;
        std::set<qsizetype> starts;
        const int stukken = getal(1, 12);
        for (int k = 0; k < stukken; ++k) {
            switch (getal(0, 2)) {
            case 0: { // noise
                const int n = getal(0, 15);
                for (int i = 0; i < n; ++i)
                    stroom.append(ruisbyte());
                break;
            }
            case 1: { // a whole reply
                QByteArray data;
                const int n = getal(0, 28);
                for (int i = 0; i < n; ++i)
                    data.append(getal(0, 3) ? static_cast<char>(getal(0, 255)) : ruisbyte());
                const QByteArray a =
                    Antwoord(static_cast<uint8_t>(getal(0, 255)), static_cast<uint32_t>(rng()), data);
                starts.insert(stroom.size());
                stroom.append(a);
                verwacht.push_back(a);
                break;
            }
            default: { // a broken reply: one byte changed, or cut short
                QByteArray a = Antwoord(static_cast<uint8_t>(getal(0, 255)), static_cast<uint32_t>(rng()),
                                        QByteArray(getal(0, 12), 'x'));
                if (getal(0, 1))
                    a[getal(0, static_cast<int>(a.size()) - 1)] ^= static_cast<char>(getal(1, 255));
                else
                    a.truncate(getal(1, static_cast<int>(a.size()) - 1));
                stroom.append(a);
                break;
            }
            }
        }
        // Only streams where the whole replies are exactly the ones put in (noise that happens to form
        // a valid reply, or a reply overlapping another, would make the expectation ambiguous).
        if (GeldigeStarts(stroom) != starts) continue;
        ++rondes;

        QByteArray buffer;
        std::vector<QByteArray> uit;
        qsizetype plaats = 0;
        while (plaats < stroom.size()) {
            const qsizetype stuk = std::min<qsizetype>(getal(1, 20), stroom.size() - plaats);
            buffer.append(stroom.mid(plaats, stuk));
            plaats += stuk;
            for (int poging = 0; poging < 100; ++poging) {
                Snede s = SnijFrame(buffer);
                if (!s.gevonden) break;
                uit.push_back(s.frame);
            }
            ASSERT_LE(buffer.size(), 64 + 20) << "the buffer keeps only what may still become a reply";
        }
        ASSERT_EQ(uit, verwacht) << "round " << rondes;
        replies += static_cast<int>(uit.size());
    }
    EXPECT_GT(replies, 400);
}
