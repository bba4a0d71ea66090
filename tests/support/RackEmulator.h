#pragma once
// A line of K740 racks for tests and benchmarks: up to 16 racks of 7 module positions, with K761 and
// K762 modules whose numbers, status bytes, readings, EEPROM and ranges the test sets. It answers the
// requests of the program as the racks do, on an in-memory line or on a pseudo-terminal, and misbehaves
// on demand. With line timing on, every byte takes 10 bits at the line's baud rate, a reply starts only
// after the program has dropped DTR, and each rack or module takes its own turnaround time first.
#include "platform/GeheugenLijn.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

class RackEmulator {
public:
    struct Module {
        int32_t idno = 0;
        uint8_t status = 0;
        uint8_t ledFlag = 0;
        uint16_t fouten = 0;
        std::array<int16_t, 4> adc{};
        std::array<int16_t, 4> temperatuurAdc{};
        std::array<uint8_t, 4> bereik{}; // range index of each input (reported by a K762)
        std::map<uint16_t, uint8_t> eeprom;
        uint8_t versieA = 10; // the software version is (A + B) / 10
        uint8_t versieB = 3;
        int omkeertijdMs = 0;
        bool stil = false;
        // EEPROM writes only after the write-enable command (213), which sets status bit 7.
        bool vereistSchrijfToestemming = false;
        bool schrijfToestemming = false;
        int aantalResets = 0;

        bool isK762() const { return (static_cast<uint32_t>(idno) >> 24) == 0x0C; }
        uint8_t leesByte(uint16_t adres) const;
        void schrijfByte(uint16_t adres, uint8_t waarde) { eeprom[adres] = waarde; }
    };

    struct Rack {
        int32_t idno = 0;
        bool stil = false;
        bool identificatieStil = false; // answers its log-on, but not the identification request
        int omkeertijdMs = 0;
        int aanmeldVertragingMs = 0;   // extra delay of the answer to the broadcast log-on
        bool bevestigd = false;        // acknowledged after its log-on
        int bevestigingAntwoorden = 0; // acknowledges it answers as it answers the log-on
        int aantalBevestigingen = 0;
        int aantalResets = 0;
        std::array<std::optional<Module>, 8> modules; // positions 1..7
    };

    enum class Fout {
        Stilte,        // no reply
        RuisVoor,      // noise bytes before the reply
        FouteChecksum, // the checksum is one too high
        Gesplitst,     // the reply comes in three pieces, 1 ms apart
        TweeFrames,    // the reply twice in one delivery
        CRLFInData,    // the first two data bytes are CR LF
        VreemdNummer,  // the reply carries another number
        VerminkteData, // the first data byte is changed on the way, after the checksum was made
        KortAntwoord,  // only the first data bytes are sent (zetKortAntwoord), with a length byte and a
                       // checksum that fit them
    };

    struct Verzoek {
        uint8_t bestemming = 0;
        uint8_t commando = 0;
        bool metIdno = false;
        int32_t idno = 0;
        QByteArray data;
        qint64 ms = 0; // arrival of its last byte
    };

    RackEmulator();
    ~RackEmulator();
    RackEmulator(const RackEmulator&) = delete;
    RackEmulator& operator=(const RackEmulator&) = delete;

    // Racks answer a broadcast log-on in the order of their places 1..16.
    Rack& zetRack(int plaats, int32_t idno);
    // A module at position 1..7 of the rack at that place; its model follows from its number.
    Module& zetModule(int plaats, int positie, int32_t idno);
    Rack* rack(int plaats);
    Module* module(int32_t idno);

    // The next `aantal` replies (-1: every reply) of the rack or module with that number (0: of any)
    // suffer the fault. Faults on the same reply combine.
    void zetFout(Fout fout, int aantal = 1, int32_t idno = 0);
    void wisFouten() { m_fouten.clear(); }
    void zetRuis(const QByteArray& ruis) { m_ruis = ruis; }
    void zetVreemdIdno(int32_t idno) { m_vreemdIdno = idno; }
    // The data bytes that a short reply keeps (default none).
    void zetKortAntwoord(int databytes) { m_korteData = databytes; }

    void zetLijntiming(bool aan) { m_lijntiming = aan; }
    // The baud rate used when the line does not tell it (a pseudo-terminal).
    void zetBaud(int baud) { m_baud = baud; }
    // Milliseconds that `bytes` take on the wire.
    double draadtijd(int bytes) const;

    // Serves the in-memory line: takes its writes and DTR changes, delivers the replies through it.
    void verbind(platform::GeheugenLijn& lijn);
    // Serves a new pseudo-terminal; returns the path of its program side ("" when none could be made).
    QString openPty();
    // Closes the pseudo-terminal's emulator side, as when the emulator ends or an adapter is unplugged.
    void sluitPty();

    // Bytes from the program, as they come in.
    void ontvang(const QByteArray& bytes);

    const std::vector<Verzoek>& verzoeken() const { return m_verzoeken; }
    // Requests with that command (and that number, unless 0).
    int aantalVerzoeken(uint8_t commando, int32_t idno = 0) const;
    void wisVerzoeken() { m_verzoeken.clear(); }

private:
    struct Levering {
        QByteArray bytes;
        double extraMs = 0; // after the previous piece
    };
    struct Antwoord {
        std::vector<Levering> delen;
        double omkeertijdMs = 0;
        double vanaf = 0; // the request's last byte reached the racks
    };
    struct Foutregel {
        Fout fout;
        int rest;
        int32_t idno;
    };

    std::array<std::optional<Rack>, 17> m_racks;
    std::vector<Foutregel> m_fouten;
    std::vector<Verzoek> m_verzoeken;
    QByteArray m_invoer;
    QByteArray m_ruis = QByteArrayLiteral("\x00\x13P\x7F\x0D\x0A\xFE");
    int32_t m_vreemdIdno = 0;
    int m_korteData = 0;
    bool m_lijntiming = false;
    int m_baud = 19200;

    platform::GeheugenLijn* m_lijn = nullptr;
    int m_ptyMeester = -1;
    int m_ptySlaaf = -1;
    std::unique_ptr<QSocketNotifier> m_ptyMelder;

    // Line timing, in ms of the clock.
    double m_programmaLijnVrij = 0; // the last byte of the program reaches the racks
    double m_rackLijnVrij = 0;      // the racks' side of the line is free again
    bool m_dtr = false;
    std::vector<Antwoord> m_wachtOpDtr; // replies held until DTR drops
    double m_verzoekEinde = 0;

    int baud() const;
    void verwerkVerzoeken();
    void beantwoord(const Verzoek& v);
    std::optional<Antwoord> maakAntwoord(uint8_t echo, int32_t idno, const QByteArray& data,
                                         int omkeertijdMs);
    void plan(Antwoord a);
    void lever(const QByteArray& bytes, double naMs);
    void leesPty();
};

// Numbers of the kinds the program tells apart.
inline constexpr int32_t RackIdno(uint8_t a, uint8_t b, uint8_t c) {
    return 0x01000000 | (a << 16) | (b << 8) | c;
}
inline constexpr int32_t K761Idno(uint8_t a, uint8_t b, uint8_t c) {
    return 0x0F000000 | (a << 16) | (b << 8) | c;
}
inline constexpr int32_t K762Idno(uint8_t a, uint8_t b, uint8_t c) {
    return 0x0C000000 | (a << 16) | (b << 8) | c;
}
