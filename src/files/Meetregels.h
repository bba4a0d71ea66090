#pragma once
// The readers under the measurement-file loader, free of the tables and the rack model: lines of a
// file read in blocks, the text of a line in the file's encoding, the fields of a line found in one
// scan, the time of a row, and the checks of the flags, values and temperatures.
#include "platform/Datum.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

// A module's block in a row of a measurement file: per input its flags, value, unit, temperature and
// temperature unit, then the module's info text as the block's last field.
inline constexpr int VeldenPerIngang = 5;
inline constexpr int VeldenPerBlok = 21;
inline constexpr int16_t InfoVeld = VeldenPerBlok;

// Lines of a file, read in blocks: CR LF, LF or a lone CR ends a line; a last line without an end
// counts.
class Regellezer {
public:
    explicit Regellezer(QIODevice& bron);

    // The next line without its end, and the bytes it took with its end; false at the end of the file.
    // The line stays valid until the next call.
    bool Volgende(QByteArrayView& regel, qint64& bytes);
    // Reading the file failed.
    bool Fout() const { return m_fout; }

private:
    bool Neem(QByteArrayView& regel, qint64& bytes, qsizetype lengte, qsizetype einde);
    void Vul();

    QIODevice& m_bron;
    QByteArray m_blok;
    qsizetype m_positie = 0;
    bool m_einde = false;
    bool m_fout = false;
};

enum class Codering { Ascii, Utf8, Windows1252 };

// How a file's text is to be read: UTF-8 when it holds non-ASCII bytes and all of it is valid UTF-8,
// else Windows-1252 (plain ASCII reads the same either way). Reads from the device's start and
// leaves it there. A file of plain ASCII or UTF-8 is read to its end for this: `tussendoor` is called
// after every block, and when it gives false the look stops (the answer is then Windows-1252).
Codering BepaalCodering(QIODevice& bron, const std::function<bool()>& tussendoor = {});

// The text of each line, decoded into one buffer that is used again for every line.
class Regeldecoder {
public:
    explicit Regeldecoder(Codering codering) : m_codering(codering) {}

    // Valid until the next call.
    const QString& Tekst(QByteArrayView bytes);

private:
    Codering m_codering;
    QStringDecoder m_latijn1{QStringDecoder::Latin1};
    QStringDecoder m_utf8{QStringDecoder::Utf8};
    QStringDecoder m_windows1252{"windows-1252"};
    QString m_tekst;
};

// The fields of one line of the program's CSV files, found in one scan of the line: every field lies
// between an opening qualifier and its closing one, and text outside the pairs (the commas, blanks) is
// skipped; a doubled qualifier inside a field stands for one. A field without its closing qualifier
// (a cut-off line) runs to the end of the line. The fields are views into the line; only a field that
// holds a doubled qualifier gets a text of its own.
class Veldscanner {
public:
    explicit Veldscanner(QChar afbakening = u'"') : m_q(afbakening) {}

    // Splits regel. The fields stay valid until the next call and while regel is unchanged.
    void Splits(QStringView regel);
    std::span<QStringView> Velden() { return m_velden; }
    // The last field had no closing qualifier.
    bool Onafgesloten() const { return m_onafgesloten; }

private:
    void VoegOntdubbeldToe(QStringView veld);
    QChar m_q;
    std::vector<QStringView> m_velden;
    QStringList m_ontdubbeld;
    bool m_onafgesloten = false;
};

// A number as the file writes flags, values and temperatures: a sign, digits with "." or "," as
// decimal sign, an exponent, blanks around it; and its value must lie within the range of a single, as
// a measured value is held ("1e39" and "1e309" are no numbers; "1e-50" is as good as 0).
bool IsGetal(QStringView t);
// A flags field: empty, or a whole number 0..255.
bool IsFlagsVeld(QStringView t);
// A value or temperature field: empty, "OR." (over range) or a number.
bool IsMeetVeld(QStringView t);

// Checks the module blocks of a row's fields (field 0 the time, then 21 per module: per input the
// flags, value, unit, temperature and temperature unit, then the info text): a flag, value or
// temperature that is no number is emptied, so that nothing unsound reaches the tables. Empty fields
// are sound (an input switched off, a module given up by the poll supervision). False when anything
// was wrong or fewer than `verwacht` fields are there.
bool ControleerRijvelden(std::span<QStringView> velden, qsizetype verwacht);

// The same for a file whose header places its blocks (Kopindeling): `vlaggen` the indices of the flags
// fields (each followed by its value, unit, temperature and temperature unit), `verwacht` the fields a
// row of the header's layout holds.
bool ControleerRijvelden(std::span<QStringView> velden, qsizetype verwacht,
                         std::span<const qsizetype> vlaggen);

// Where the blocks of a file's rows belong, read from its header line. The logging writes the title
// of every input as R<rack>M<module>C<input>, the rack's and module's numbers at the time of writing
// (and so does the whole-table writer for an input without a name): in such a file every block belongs
// to the rack and module its titles name, whether the file holds every module (one file), one rack's, one
// module's or one input's. A header that names an input in any other way (by its name) places nothing:
// its blocks are taken by position.
class Kopindeling {
public:
    Kopindeling() = default;
    // From the header's fields, the first the time's title. Per input the five titles "Flags t",
    // "Value t", "Unit t", "Temp t" and "T.Unit t"; after a module's inputs one field with its name
    // (the info's title); the header may end with an empty field.
    explicit Kopindeling(std::span<const QStringView> kop);

    // Every input title has the form R<rack>M<module>C<input>, each input once, each module's inputs
    // together: the blocks go where the titles say.
    bool PerKop() const { return m_perKop; }
    // The index in a row's fields (0 the time) of field `veld` of the block of module m of rack r
    // (1..21 as a module's block counts them: 5 per input, 21 the info); -1 when the file has none.
    qsizetype Index(int r, int m, int veld) const;
    // The modules the header names blocks of, in its order (rack and module numbers as written, also
    // those beyond 16 racks or 7 modules).
    const std::vector<std::pair<int, int>>& Modules() const { return m_modules; }
    // The fields a row of this layout holds (a closing empty field not counted).
    qsizetype Velden() const { return m_velden; }
    // The indices of the flags fields, for ControleerRijvelden.
    const std::vector<qsizetype>& Vlaggen() const { return m_vlaggen; }

private:
    bool Lees(std::span<const QStringView> kop);
    // Where field `veld` of module m of rack r lies in m_index (r 1..16, m 1..7, veld 1..21).
    static size_t Plek(int r, int m, int veld);

    bool m_perKop = false;
    std::vector<std::pair<int, int>> m_modules;
    qsizetype m_velden = 0;
    std::vector<qsizetype> m_vlaggen;
    // Per rack 1..16, module 1..7 and field 1..21 its index, -1 for none.
    std::vector<qsizetype> m_index;
};

// A module of the tables, in their order: the present modules of the present racks, racks 1..16 and
// modules 1..7 inside a rack.
struct Tabelmodule {
    int rack = 0;
    int module = 0;
    // It takes the values a header places under it. A rack waiting for its log-on after a Search takes
    // none (its table is hidden): its blocks are left out and named. By position it keeps its place.
    bool neemtKopwaarden = true;

    bool operator==(const Tabelmodule&) const = default;
};

// Which field of a row of a measurement file belongs to which module of the tables: the one rule by
// which the loader fills the tables and every edit of the file finds the field of a cell, so that an
// edit goes into the field its cell was read from.
//
// A row is read by its header when the header places the blocks (every input titled
// R<rack>M<module>C<input>) otherwise than the tables' modules take them by position, or names a module
// that takes no values, and the row has no more fields than the header line: each module then takes
// the block the header names under its rack and module, and a module the header names no block of (or
// that takes no values) takes none. Every other row is read by position: the k-th module of the tables
// takes the k-th block of 21 fields after the time, whether its rack waits for its log-on or not, so
// that no block goes to another rack's module. A row with more fields than its header (a module that
// became present while another program logged into the file, its block among the others) is read by
// position; under a header that places the blocks, among the modules of the racks the header names only
// (a file of one rack or one module holds no block of another rack). How a row is read follows from its
// number of fields alone, which no edit of a field changes. A field beyond the row's end is none of it.
class Veldindeling {
public:
    // Per field 1..21 of a module's block its index in a row's fields (0 the time), -1 for none.
    using Blok = std::array<qsizetype, VeldenPerBlok>;

    Veldindeling() = default;
    // From the header's fields and the tables' modules in their order.
    Veldindeling(std::span<const QStringView> kop, std::vector<Tabelmodule> modules);

    const std::vector<Tabelmodule>& Modules() const { return m_modules; }
    // The number of module m of rack r among Modules(); -1 when it is none of them.
    qsizetype Nummer(int r, int m) const;
    // A row of `velden` fields is read by its header (else by position).
    bool PerKop(qsizetype velden) const { return m_kopPlaatst && velden <= m_kopVelden; }
    // A row of `velden` fields fits the header: none beyond the line of a header that places blocks.
    bool PastInKop(qsizetype velden) const { return !m_kop.PerKop() || velden <= m_kopVelden; }
    // The block of module k (a number of Modules()) in a row read by its header or by position.
    const Blok& Plaatsen(bool perKop, size_t k) const { return perKop ? m_perKop[k] : m_opPositie[k]; }
    // Where that block begins when its fields lie side by side in the row (always by position, and in
    // the headers the program writes), so that they can be handed on as they stand; -1 when they do not.
    qsizetype Begin(bool perKop, size_t k) const { return perKop ? m_beginPerKop[k] : m_beginOpPositie[k]; }
    // The index of field `veld` (1..21) of the block of module m of rack r in a row of `velden` fields;
    // -1 when the row has no such field.
    qsizetype Index(qsizetype velden, int r, int m, int veld) const;

    // For the checks of a row (ControleerRijvelden): the fields a whole row holds, and with a header
    // that places the blocks the indices of their flags fields.
    qsizetype Verwacht(bool perKop) const;
    const std::vector<qsizetype>& Vlaggen() const { return m_kop.Vlaggen(); }
    // The modules the header names blocks of that take no values: not present, or on a rack waiting
    // for its log-on. In the header's order.
    const std::vector<std::pair<int, int>>& Weggelaten() const { return m_weggelaten; }

private:
    Kopindeling m_kop;
    qsizetype m_kopVelden = 0;
    bool m_kopPlaatst = false;
    std::vector<Tabelmodule> m_modules;
    std::vector<Blok> m_opPositie;
    std::vector<Blok> m_perKop;
    std::vector<qsizetype> m_beginOpPositie;
    std::vector<qsizetype> m_beginPerKop;
    std::vector<std::pair<int, int>> m_weggelaten;
    qsizetype m_opPositieModules = 0;
};

// Reads the time field of a row ("date time") in any form the platform's date reading takes. Rows
// follow each other in time, so most share their date text with the row before, and a file has few
// dates: each date text met is kept with its day, whatever its form (a file appended under two locales
// holds two), and a row whose text starts with a kept date reads only its time after it (hours,
// minutes and seconds, and AM/PM). The day is taken from the platform's reading of the date's first row
// in each time form, so that the short cut never reads a row otherwise than the platform would. A row
// becomes the day plus its time of day without a look at the time zone, except in the hours of a day
// on which the local time jumps (a daylight-saving change): those rows go through the platform's
// reading.
class DatumLezer {
public:
    bool Lees(QStringView veld, platform::Datum& d);

private:
    // A time after the date: its value and its form (digits of the hour, the separator, AM/PM).
    struct Tijd {
        int seconden = 0;
        quint32 vorm = 0;
    };
    struct Dag {
        double dagnummer = 0;
        // The hours (bit per hour) in which the local time runs on without a jump; all on most days.
        quint32 gewoneUren = 0;
        // The time forms read alike by the platform; at most two.
        std::array<quint32, 2> vormen{};
    };

    static bool LeesTijd(QStringView t, Tijd& tijd);
    static quint32 GewoneUren(QDate dag);
    bool Snel(qsizetype index, const Tijd& tijd, platform::Datum& d) const;

    std::vector<Dag> m_dagen;
    QHash<QString, qsizetype> m_index;
    QString m_vorigeTekst;
    qsizetype m_vorige = -1;
};
