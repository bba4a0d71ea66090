#pragma once
// A table window that keeps its grids in memory and records what the engine and the file layer ask of
// it. A file row is written as the real window writes it, without converting temperature units: the
// row number, the time cells of TijdMeting, per input the value ("OR." when the flags mark an
// over-range), unit, temperature ("OR." when they mark a temperature out of range) and temperature
// unit, and the info text.
#include "acquisition/vensters/Tabelvenster.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class OpnameTabelvenster : public Tabelvenster {
public:
    using Rij = std::array<QString, KolomInfo + 1>;

    int16_t Ri() const override { return m_ri; }
    void ZetRi(int16_t ri) override { m_ri = ri; }
    void StelTabelIn(bool InstellenKolomBreedte) override;
    void VulTabellenAan(const QString& info) override { vulInfos.push_back(info); }
    void VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) override;
    void ToonRaster(int16_t m) override { getoond.push_back(m); }
    QString CelTekst(int16_t m, int32_t rij, int16_t kolom) const override;
    void ZetCelTekst(int16_t m, int32_t rij, int16_t kolom, const QString& tekst) override;
    uint64_t Wijzigingen() const override { return m_wijziging; }

    // Rows written into module m's grid (row 0 the header).
    int32_t aantalRijen(int16_t m) const { return static_cast<int32_t>(m_rasters.at(m).size()); }
    // The 21 fields each file row handed to module m, in row order.
    std::array<std::vector<QStringList>, AantalModules + 1> bestandsvelden;
    std::vector<bool> instellingen; // the argument of every StelTabelIn
    std::vector<QString> vulInfos;
    std::vector<int16_t> getoond;

private:
    // A new number from one count of all recording windows at every change.
    void Gewijzigd();

    int16_t m_ri = 0;
    std::array<std::vector<Rij>, AantalModules + 1> m_rasters;
    uint64_t m_wijziging = 0;
};

// Makes a recording table window for each rack asked for and notes the racks in the order asked.
class OpnameTabelvensterMaker : public TabelvensterMaker {
public:
    Tabelvenster* Maak(int rack) override {
        gemaakt.push_back(rack);
        auto& venster = vensters[rack];
        if (!venster) venster = std::make_unique<OpnameTabelvenster>();
        return venster.get();
    }

    std::vector<int> gemaakt;
    std::map<int, std::unique_ptr<OpnameTabelvenster>> vensters;
};
