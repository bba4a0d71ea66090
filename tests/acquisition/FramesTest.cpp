#include "acquisition/Frames.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <random>
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

    // A noise 'P' whose length byte claims bytes that have all come does not hide the reply behind it.
    buffer = QByteArray("P\x08") + Aanmelding;
    EXPECT_EQ(SnijFrame(buffer).frame, Aanmelding);
    // One whose claim reaches past the bytes present hides it while bytes may still come, and no longer
    // once the line is quiet.
    buffer = QByteArray("P\x28") + Aanmelding;
    Snede s = SnijFrame(buffer);
    EXPECT_FALSE(s.gevonden);
    EXPECT_TRUE(s.verborgen);
    EXPECT_EQ(buffer, QByteArray("P\x28") + Aanmelding);
    EXPECT_EQ(SnijFrame(buffer, Snijwijze::LijnStil).frame, Aanmelding);
    EXPECT_TRUE(buffer.isEmpty());
}

TEST(FramesTest, AFrameInsideAReplyStillArrivingIsNotCutOut) {
    // A measuring reply whose data holds the six bytes of a whole short frame (P 02 05 57 CR LF).
    const QByteArray adc = Antwoord(10, 0x0F010203u, QByteArray("P\x02\x05W\r\n\x00\x01", 8));
    ASSERT_EQ(adc.size(), 18);
    QByteArray buffer = adc.left(13); // up to the inner frame's LF
    Snede s = SnijFrame(buffer);
    EXPECT_FALSE(s.gevonden);
    EXPECT_TRUE(s.verborgen);
    EXPECT_EQ(buffer, adc.left(13)) << "the start of the reply stays";
    buffer.append(adc.mid(13));
    s = SnijFrame(buffer);
    ASSERT_TRUE(s.gevonden);
    EXPECT_EQ(s.frame, adc);
    EXPECT_TRUE(buffer.isEmpty());
}

TEST(FramesTest, TheBufferKeepsOnlyWhatMayStillBeginAReply) {
    QByteArray buffer(100000, 'x');
    buffer.append("P\x0E\x0A");
    const Snede s = SnijFrame(buffer);
    EXPECT_FALSE(s.gevonden);
    EXPECT_EQ(s.verworpen, 100000);
    EXPECT_EQ(buffer, QByteArray("P\x0E\x0A"));
}

TEST(FramesTest, ARepliesFieldsAreReadOnlyWhenItsLengthByteCountsThem) {
    EXPECT_EQ(AntwoordDatabytes(CommandoADC), 8);
    EXPECT_EQ(AntwoordDatabytes(CommandoTemperatuurADC), 8);
    EXPECT_EQ(AntwoordDatabytes(CommandoStatus), 4);
    EXPECT_EQ(AntwoordDatabytes(CommandoIdentificatie), 28);
    EXPECT_EQ(AntwoordDatabytes(CommandoVersie), 2);
    EXPECT_EQ(AntwoordDatabytes(CommandoLeesDubbelWoord), 4);
    EXPECT_EQ(AntwoordDatabytes(CommandoAanmelden), 0);
    const QByteArray adc = Antwoord(10, 0x0F010203u, QByteArray(8, '\x01'));
    EXPECT_TRUE(HeeftDatabytes(adc, 8));
    EXPECT_FALSE(HeeftDatabytes(adc, 9));
    // A data-less reply with a correct checksum: its "data" would be the checksum and CR LF.
    const QByteArray leeg = Antwoord(10, 0x0F010203u, {});
    EXPECT_TRUE(ControleerChecksum(leeg));
    EXPECT_TRUE(HeeftDatabytes(leeg, 0));
    EXPECT_FALSE(HeeftDatabytes(leeg, 1));
    EXPECT_FALSE(HeeftDatabytes(QByteArray("P\x02\x05W\r\n"), 0)) << "no identification number";
}

namespace {

// Independent of the cutter: the replies of a whole stream as a reader that sees all of it takes them,
// front to back: at each position, a whole reply with a valid checksum (length byte 2 to 40) is taken
// and reading goes on after it; anything else moves on by one byte.
std::vector<QByteArray> RepliesVanStroom(const QByteArray& s) {
    std::vector<QByteArray> replies;
    qsizetype i = 0;
    while (i + 1 < s.size()) {
        const int lengte = static_cast<uint8_t>(s[i + 1]);
        const qsizetype eind = i + lengte + 4;
        bool geldig = s[i] == 'P' && lengte >= 2 && lengte <= 40 && eind <= s.size() && s[eind - 2] == '\r' &&
                      s[eind - 1] == '\n';
        if (geldig) {
            unsigned som = 0;
            for (qsizetype j = i; j < eind - 3; ++j)
                som += static_cast<uint8_t>(s[j]);
            geldig = (som & 0xFF) == static_cast<uint8_t>(s[eind - 3]);
        }
        if (geldig) {
            replies.push_back(s.mid(i, eind - i));
            i = eind;
        } else {
            ++i;
        }
    }
    return replies;
}

} // namespace

TEST(FramesTest, RandomStreamsGiveTheSameRepliesHoweverTheyAreRead) {
    std::mt19937 rng(740);
    const auto getal = [&](int laag, int hoog) {
        return std::uniform_int_distribution<int>(laag, hoog)(rng);
    };
    // Noise leans towards the bytes that matter to the cutter.
    const auto ruisbyte = [&]() -> char {
        static const char lastig[] = {'P', '\r', '\n', 0x02, 0x06, 0x0A, 0x0E, 0x22, 0x28, 0x29, 0x7F};
        return getal(0, 1) ? lastig[getal(0, sizeof lastig - 1)] : static_cast<char>(getal(0, 255));
    };
    const auto data = [&](int n) {
        QByteArray d;
        for (int i = 0; i < n; ++i)
            d.append(getal(0, 3) ? static_cast<char>(getal(0, 255)) : ruisbyte());
        return d;
    };
    const auto reply = [&](const QByteArray& d) {
        return Antwoord(static_cast<uint8_t>(getal(0, 255)), static_cast<uint32_t>(rng()), d);
    };
    int replies = 0, binnenIn = 0;
    for (int ronde = 0; ronde < 600; ++ronde) {
        QByteArray stroom;
        const int stukken = getal(1, 12);
        for (int k = 0; k < stukken; ++k) {
            switch (getal(0, 4)) {
            case 0: // noise
                stroom.append(data(getal(0, 15)));
                break;
            case 1: // a whole reply
                stroom.append(reply(data(getal(0, 30))));
                break;
            case 2: { // a broken reply: one byte changed, or cut short
                QByteArray a = reply(data(getal(0, 12)));
                if (getal(0, 1))
                    a[getal(0, static_cast<int>(a.size()) - 1)] ^= static_cast<char>(getal(1, 255));
                else
                    a.truncate(getal(1, static_cast<int>(a.size()) - 1));
                stroom.append(a);
                break;
            }
            case 3: // a reply whose data holds a whole short reply
                stroom.append(reply(data(getal(0, 6)) + reply(data(getal(0, 8))) + data(getal(0, 6))));
                ++binnenIn;
                break;
            default: // a start whose length byte claims bytes that a reply fills, in part or beyond
                stroom.append(QByteArray("P") + static_cast<char>(getal(2, 40)));
                stroom.append(reply(data(getal(0, 12))));
                break;
            }
        }
        const std::vector<QByteArray> verwacht = RepliesVanStroom(stroom);

        // Read in pieces as they come, cut strictly after each; once the line is quiet, what stays.
        QByteArray buffer;
        std::vector<QByteArray> uit;
        qsizetype plaats = 0;
        while (plaats < stroom.size()) {
            const qsizetype stuk = std::min<qsizetype>(getal(1, 20), stroom.size() - plaats);
            buffer.append(stroom.mid(plaats, stuk));
            plaats += stuk;
            for (Snede s = SnijFrame(buffer); s.gevonden; s = SnijFrame(buffer))
                uit.push_back(s.frame);
            ASSERT_LT(buffer.size(), 44) << "the buffer keeps only what may still begin a reply";
        }
        for (Snede s = SnijFrame(buffer, Snijwijze::LijnStil); s.gevonden;
             s = SnijFrame(buffer, Snijwijze::LijnStil))
            uit.push_back(s.frame);
        ASSERT_EQ(uit, verwacht) << "round " << ronde;
        replies += static_cast<int>(uit.size());
    }
    EXPECT_GT(replies, 1000);
    EXPECT_GT(binnenIn, 300);
}
