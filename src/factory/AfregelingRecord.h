#pragma once
// The adjustment record of one module in the shared adjustment record file: 330 bytes, the fields one
// after another without gaps, numbers little-endian, texts one byte a character (Windows-1252) padded
// with blanks. Record n (from 1) lies at byte 330 * (n - 1).
#include "acquisition/VasteTekst.h"
#include "platform/Datum.h"

#include <QByteArray>
#include <array>
#include <cstdint>

inline constexpr int AfregelRecordLengte = 330;

struct AfregelingRecord {
    int32_t Serienummer = 0;              // offset 0
    VasteTekst<6> Toesteltype;            // 4: the module's type ("K761  ")
    VasteTekst<30> Operator;              // 10: logon name of the operator
    float SoftwareVersie = 0;             // 40: software version of the module
    platform::Datum AfregelDatum = 0;     // 44: moment of the adjustment
    int16_t AantalAfregelingen = 0;       // 52: adjustments that changed the module
    std::array<float, 4> MvNul{};         // 54: K761 mV zero of inputs 1..4
    std::array<float, 4> MvSchaal{};      // 70: K761 mV scale
    std::array<float, 4> Lekstroom{};     // 86: K761 leakage current
    std::array<float, 16> BereikNul{};    // 102: K762 zero, element 4 * range + input (0-based)
    std::array<float, 16> BereikSchaal{}; // 166: K762 scale, same order
    std::array<float, 4> Frequentie{};    // 230: K762 frequency of ranges 0..3, whole hertz
    std::array<float, 4> DcOffset{};      // 246: K762 DC offset of inputs 1..4, mV
    // 262: written by nobody; kept byte for byte from the record a new one starts from.
    std::array<uint32_t, 8> Gereserveerd{};
    std::array<float, 4> TemperatuurSchaal{}; // 294: temperature input scale of inputs 1..4
    std::array<float, 4> TemperatuurNul{};    // 310: temperature input zero of inputs 1..4
    int32_t Identificatiecode = 0;            // 326: identification number of the module
};

// The 330 bytes of the record.
QByteArray AfregelRecordNaarBytes(const AfregelingRecord& record);
// The record held by 330 bytes (shorter input reads as if padded with zeros). Numbers are taken as
// they stand, so that a record read and written again keeps its bytes.
AfregelingRecord AfregelRecordUitBytes(const QByteArray& bytes);
