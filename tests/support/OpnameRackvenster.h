#pragma once
// A rack window that records what the engine writes into it: the captions, colours and visibility of
// its label arrays, the tool tips per input and the indicator colours.
#include "acquisition/Rackvenster.h"

#include <array>
#include <map>
#include <utility>

class OpnameRackvenster : public RackvensterInterface {
public:
    // No colour written yet.
    static constexpr int32_t GeenKleur = -1;

    struct Label {
        QString tekst;
        int32_t kleur = GeenKleur;
        bool zichtbaar = true;
    };

    void ZetLabelTekst(RackLabel label, int index, const QString& tekst) override;
    void ZetLabelKleur(RackLabel label, int index, int32_t kleur) override;
    void ZetLabelZichtbaar(RackLabel label, int index, bool zichtbaar) override;
    QString ToolTipWaarde(int index) const override;
    void ZetLedKleur(int index, int32_t kleur) override;
    // An empty text becomes "Rack <r> Module <m> Input <c>", as the window's default description.
    void InstellenToolTipKanaal(int m, int c, QString& tekst) override;

    const Label& label(RackLabel soort, int m, int c) const;
    QString toolTip(int m, int c) const;

    int rack = 1;
    int aantalAanroepen = 0;
    std::array<int32_t, 7> leds{GeenKleur, GeenKleur, GeenKleur, GeenKleur, GeenKleur, GeenKleur, GeenKleur};

private:
    std::map<std::pair<RackLabel, int>, Label> m_labels;
    std::array<QString, 28> m_toolTips;
};
