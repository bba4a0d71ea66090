#pragma once
// The pH buffers of the buffer calibration: nine built-in buffers and the user buffers of the library
// file "buffer.ph", each a table of pH by temperature, and the pH of a buffer at a temperature by a
// straight line between the table's points. Pure: no file is opened here, no window touched.
//
// The file "buffer.ph" (CR LF or LF line ends; every line is trimmed of surrounding blanks first):
// - A name line starts and ends with a double quote; the buffer's name is the line with every double
//   quote removed, trimmed. A name line whose name is empty starts no buffer.
// - Each following line is one point: temperature in °C, ";", pH ("25;4.01"); "," or "." as decimal
//   sign. A line without ";" is temperature 0 with the whole line as pH.
// - A buffer's points end at an empty line, at a line that starts with a double quote, at the end of
//   the file (the last line counts, with or without a line end), or after 21 points.
// - A point less than 1.0 °C above the previous kept point is dropped, so the kept temperatures rise
//   by at least 1.0 °C each.
// - A point whose pH lies outside 0..14 or whose temperature lies outside -30..130 °C (what the module
//   measures) is dropped.
// - Other lines (before the first name, after an empty line) are ignored.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

inline constexpr int MaxBufferPunten = 21;
inline constexpr float MinBufferPH = 0.0f;
inline constexpr float MaxBufferPH = 14.0f;
inline constexpr float MinBufferTemperatuur = -30.0f;
inline constexpr float MaxBufferTemperatuur = 130.0f;
inline constexpr int AantalIngebouwdeBuffers = 9;
// The temperature at which a buffer must be defined (strictly inside its range), and at which two
// buffers are compared.
inline constexpr float BufferReferentieTemperatuur = 25.0f;

// One buffer's table: up to 21 points of rising temperature with their pH. The range runs from the first
// point's temperature to the last one's; a table of fewer than two points has the range 0..0.
struct BufferTabel {
    float Ondergrens = 0;
    float Bovengrens = 0;
    int Aantal = 0;
    std::array<float, MaxBufferPunten> Temperatuur{};
    std::array<float, MaxBufferPunten> PH{};
};

struct Buffer {
    QString Naam;
    BufferTabel Tabel;
};

// The nine built-in buffers in list order: "1.68", "4.00", "4.01", "6.87", "7.00", "9.18", "9.21",
// "10.01", "12.45"; points 5 °C apart.
const std::array<Buffer, AantalIngebouwdeBuffers>& IngebouwdeBuffers();
// The table of a built-in buffer by its name (trimmed first); false, the table untouched, for any other
// name.
bool LeesStandaardTabel(const QString& naam, BufferTabel& tabel);

// The buffers of the text of a buffer file, in file order (rules above).
std::vector<Buffer> LeesBufferBestand(const QString& tekst);
// Their names, in file order.
QStringList BufferNamen(const std::vector<Buffer>& buffers);

// The table of a chosen buffer: the first buffer of the file with that name (trimmed; exact,
// case-sensitive), else the built-in one, else an empty table (range 0..0), which no calibration takes.
BufferTabel TabelVanBuffer(const QString& naam, const std::vector<Buffer>& bestand);

// A buffer can serve a calibration when 25 °C lies strictly inside its range.
bool IsGeldigeBuffer(const BufferTabel& tabel);
// True when temperature T (°C) lies within the table's range, the bounds included.
bool InBufferBereik(const BufferTabel& tabel, float T);
// The buffer's pH at temperature T (°C), on the straight line between the two points around T; 0 when
// T lies outside the range or the table has fewer than two points.
float BufferWaardeBijTemperatuur(const BufferTabel& tabel, float T);
