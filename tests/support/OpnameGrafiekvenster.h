#pragma once
// A graph window that holds what the file layer writes into it and records the calls that change its
// appearance: the state changes in order, the repaint switch and the chart rebuilds.
#include "acquisition/vensters/Grafiekvenster.h"

#include <array>
#include <vector>

class OpnameGrafiekvenster : public GrafiekvensterInterface {
public:
    int16_t GrafiekIndex() const override { return index; }
    void VulGrafiekAan(int32_t monster) override { aangevuld.push_back(monster); }
    GrafiekInstellingen& Instellingen() override { return instellingen; }
    int16_t LeesGrafiekLijnRef(int lijn, int i) const override;
    void SchrijfGrafiekLijnRef(int lijn, int i, int16_t waarde) override;
    int16_t LeesDiagramRood(int reeks) const override;
    int16_t LeesDiagramGroen(int reeks) const override;
    int16_t LeesDiagramBlauw(int reeks) const override;
    void ZetDiagramKleur(int reeks, int32_t kleur) override;
    void HerInitialiseerGrafiek() override { ++aantalHerinitialisaties; }
    QString Caption() const override { return caption; }
    void ZetCaption(const QString& c) override { caption = c; }
    VensterPlaatsing Plaatsing() const override { return plaatsing; }
    void ZetPlaatsing(const VensterPlaatsing& p) override { plaatsing = p; }
    int VensterStatus() const override { return status; }
    void ZetVensterStatus(int s) override;
    void ZetTekenen(bool aan) override { tekenen = aan; }

    int32_t kleur(int reeks) const { return kleuren.at(reeks); }

    int16_t index = 1;
    GrafiekInstellingen instellingen;
    QString caption;
    VensterPlaatsing plaatsing;
    int status = 0;
    bool tekenen = true;
    int aantalHerinitialisaties = 0;
    // Every state the window was put into, in order.
    std::vector<int> statussen;
    std::vector<int32_t> aangevuld;
    // Cells [line 1..32][index 0..5]; row 0 unused.
    std::array<std::array<int16_t, 6>, AantalGrafiekLijnen + 1> lijnen{};
    // Colours of series 1..34; element 0 unused.
    std::array<int32_t, AantalDiagramReeksen + 1> kleuren{};
};
