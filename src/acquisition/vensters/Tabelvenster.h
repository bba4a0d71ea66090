#pragma once
// What the engine and the file layer ask of the table window of a rack (one grid per module position,
// rows 1..AantalMetingen, row 0 the header), and the list of the 16 table windows. The window side
// registers a maker at start-up that creates the window of a rack when it is first needed; until then
// (and in tests that register none) the list holds only the windows set into it.
#include "acquisition/RackModel.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// Grid columns of one module: 0 the row number, 1 date, 2 time, per input n the value, unit,
// temperature and temperature unit from column 4 (n - 1) + 3, and 19 the info text.
inline constexpr int16_t KolomNummer = 0;
inline constexpr int16_t KolomDatum = 1;
inline constexpr int16_t KolomTijd = 2;
inline constexpr int16_t KolomInfo = 19;

// The fields of one line of a measurement file after its time field, taken off the front one module
// block at a time: each module's window fill takes its 21 fields and the next module sees the rest.
// The fields are either texts of its own or views into the line being read (valid during the fill
// only: a window keeps what it needs as texts of its own).
class Regelvelden {
public:
    Regelvelden() = default;
    // The fields from `begin` on.
    explicit Regelvelden(QStringList velden, qsizetype begin = 0)
        : m_eigen(std::move(velden)), m_positie(std::clamp<qsizetype>(begin, 0, m_eigen.size())) {}
    explicit Regelvelden(std::span<const QStringView> velden, qsizetype begin = 0)
        : m_zichten(velden), m_positie(std::clamp<qsizetype>(begin, 0, Aantal())) {}
    // The next field, taken off; "" when none is left.
    QString VolgendVeld() {
        if (m_positie >= Aantal()) return QString();
        const qsizetype i = m_positie++;
        return m_zichten.empty() ? m_eigen.at(i) : m_zichten[static_cast<size_t>(i)].toString();
    }
    // The same as a view, valid while the window fill runs.
    QStringView NeemVeld() {
        if (m_positie >= Aantal()) return QStringView();
        const qsizetype i = m_positie++;
        return m_zichten.empty() ? QStringView(m_eigen.at(i)) : m_zichten[static_cast<size_t>(i)];
    }
    // The next uit.size() fields as views, taken off; "" for each beyond the last.
    void NeemVelden(std::span<QStringView> uit) {
        const auto n = static_cast<qsizetype>(uit.size());
        if (!m_zichten.empty() && m_positie + n <= Aantal()) {
            std::copy_n(m_zichten.begin() + m_positie, n, uit.begin());
            m_positie += n;
            return;
        }
        for (QStringView& veld : uit)
            veld = NeemVeld();
    }
    // Skips n fields.
    void SlaOver(qsizetype n) { m_positie = std::min(m_positie + n, Aantal()); }
    qsizetype Resterend() const { return Aantal() - m_positie; }
    qsizetype Positie() const { return m_positie; }
    void ZetPositie(qsizetype positie) { m_positie = std::clamp<qsizetype>(positie, 0, Aantal()); }

private:
    qsizetype Aantal() const {
        return m_zichten.empty() ? m_eigen.size() : static_cast<qsizetype>(m_zichten.size());
    }
    QStringList m_eigen;
    std::span<const QStringView> m_zichten;
    qsizetype m_positie = 0;
};

struct Tabelmodule;

// The tables' modules, in their order, that a row's line in the data file was written or read with: with
// the file's header they tell which field of the line is whose (the file layer's Veldindeling).
using Rijmodules = std::shared_ptr<const std::vector<Tabelmodule>>;

// For the rows a table shows, the modules each row's line was written or read with, kept in runs of
// rows: set by the load (the modules it read with), by a Save As that writes the tables (the modules it
// wrote) and for every row taken since (the modules the run logged with, and the snapshot's number:
// Opnamenummer); emptied with the rows.
class Rijindelingen {
public:
    Rijindelingen() : m_generatie(VolgendeGeneratie()) {}
    // Rows van..tot have `modules` from now on (nullptr: not known); `opname`, when not 0, is the number
    // of the snapshot that took row `van`, each row after it taken at the next.
    void Zet(int32_t van, int32_t tot, const Rijmodules& modules, uint64_t opname = 0);
    // The modules of row `rij`; nullptr when not known.
    Rijmodules Van(int32_t rij) const;
    // The number of the snapshot that took row `rij`; 0 for a row read from a file or written by a Save As.
    uint64_t Opname(int32_t rij) const;
    // The rows go: what the table shows from now on is laid out afresh.
    void Wis() {
        m_reeksen.clear();
        m_generatie = VolgendeGeneratie();
    }
    // A number that changes whenever the rows are emptied (Wis) and never comes back, in no table: whoever
    // kept it knows whether the rows it saw are still those of the table.
    uint64_t Generatie() const { return m_generatie; }

private:
    static uint64_t VolgendeGeneratie();
    struct Reeks {
        int32_t van = 0;
        int32_t tot = 0;
        Rijmodules modules;
        uint64_t opname = 0; // of row `van`; 0 none
    };
    // The run that holds row `rij`; nullptr for none.
    const Reeks* ReeksVan(int32_t rij) const;
    std::vector<Reeks> m_reeksen; // ascending, apart, each with its modules
    uint64_t m_generatie = 0;
};

class Tabelvenster {
public:
    virtual ~Tabelvenster() = default;
    // The rack of the window.
    virtual int16_t Ri() const = 0;
    virtual void ZetRi(int16_t ri) = 0;
    // Lays the window out afresh for the rack's present modules and empties their grids; with
    // InstellenKolomBreedte also the default column widths.
    virtual void StelTabelIn(bool InstellenKolomBreedte) = 0;
    // Writes row AantalMetingen of every present module's grid from the live values; "Stop" writes an
    // end point (row number and time only).
    virtual void VulTabellenAan(const QString& info) = 0;
    // Writes row AantalMetingen of module y's grid (time cells from TijdMeting) from the next 21 fields
    // of Info and takes them off.
    virtual void VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) = 0;
    // A file load expects about `rijen` rows in all: the grids make room for them at once.
    virtual void VerwachtRijen(int32_t rijen) { (void)rijen; }
    // Makes module m's grid visible and repaints it (after a file was loaded).
    virtual void ToonRaster(int16_t m) = 0;
    // The text of a cell of module m's grid; "" outside the grid.
    virtual QString CelTekst(int16_t m, int32_t rij, int16_t kolom) const = 0;
    virtual void ZetCelTekst(int16_t m, int32_t rij, int16_t kolom, const QString& tekst) = 0;
    // The texts of columns 1..19 of row rij of module m's grid as UTF-8 bytes (column 0 left empty),
    // valid until the window next changes; all empty for a row after the last. False when the window
    // does not give its cells this way: the reader then asks CelTekst.
    virtual bool RijCellen(int16_t m, int32_t rij,
                           std::array<std::string_view, KolomInfo + 1>& cellen) const {
        (void)m;
        (void)rij;
        (void)cellen;
        return false;
    }
    // A number that changes with every change of the window's cells and never comes back: whoever
    // keeps what it read knows from it whether that still stands. 0: the window does not count, and
    // its cells are read afresh every time.
    virtual uint64_t Wijzigingen() const { return 0; }
    // Closes the window; it takes itself out of the list.
    virtual void Ontlaad() {}
    // System > Search asks the racks to log on again: the window waits for its rack's log-on. The real
    // window stays, hidden, with its rows, and keeps them when the rack comes back with the same
    // modules; a window that cannot wait is closed.
    virtual void WachtOpAanmelding() { Ontlaad(); }
    // The row where the selection of module m's grid ends (the info editor edits it); 0 without one.
    virtual int32_t RowSel(int16_t m) const {
        (void)m;
        return 0;
    }
    // How the rows the window shows lie in the lines of the data file. The window empties it whenever it
    // empties its rows.
    Rijindelingen& Indelingen() { return m_indelingen; }
    const Rijindelingen& Indelingen() const { return m_indelingen; }

private:
    Rijindelingen m_indelingen;
};

// Making table windows: the window side's maker, registered at start-up (nullptr: none, no window is
// made).
class TabelvensterMaker {
public:
    virtual ~TabelvensterMaker() = default;
    // Makes the window of a rack.
    virtual Tabelvenster* Maak(int rack) {
        (void)rack;
        return nullptr;
    }
};
void ZetTabelvensterMaker(TabelvensterMaker* maker);
TabelvensterMaker& tabelvensterMaker();

// The table windows of racks 1..16 (window side owns them; the list only refers to them).
class TabelVenstersLijst {
public:
    // The window of rack r, or nullptr.
    Tabelvenster* operator[](int r) const;
    // The window of rack r, made by the registered maker (and given Ri = r) when the slot is empty;
    // nullptr when there is none and no maker.
    Tabelvenster* Maak(int r);
    void Zet(int r, Tabelvenster* venster);
    // Every slot empty.
    void Wis();

private:
    std::array<Tabelvenster*, AantalRacks + 1> m_vensters{};
};

extern TabelVenstersLijst TabelVensters;

// The last column (the info column) of each module's grid, indexed [module][rack]; StelTabelIn sets
// it, 0 until then.
extern std::array<std::array<int16_t, AantalRacks + 1>, AantalModules + 1> AantalTabelKolommen;
// AantalTabelKolommen of (m, r), or KolomInfo while the grid has not been laid out.
int16_t InfoKolom(int r, int m);

void ResetTabelVensters();
