#pragma once
// A rack window that records what the engine writes into it: the captions, colours and visibility of
// its label arrays, the tool tips per input and the indicator colours.
#include "acquisition/vensters/Rackvenster.h"

#include <QStringList>
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
    void FormInstellenControls() override { ++aantalInstellenControls; }
    void Toon() override { ++aantalKeerGetoond; }
    // Deregisters the window of `rack`, as a closing window does.
    void Ontlaad() override;
    int VensterStatus() const override { return status; }
    void ZetVensterStatus(int s) override { status = s; }
    void LeesVensterPositie(const QString& sectie) override { positieSecties.append(sectie); }

    const Label& label(RackLabel soort, int m, int c) const;
    QString toolTip(int m, int c) const;

    int rack = 1;
    int aantalAanroepen = 0;
    std::array<int32_t, 7> leds{GeenKleur, GeenKleur, GeenKleur, GeenKleur, GeenKleur, GeenKleur, GeenKleur};
    int aantalInstellenControls = 0;
    int aantalKeerGetoond = 0;
    int aantalKeerOntladen = 0;
    int status = 0;
    QStringList positieSecties;

private:
    std::map<std::pair<RackLabel, int>, Label> m_labels;
    std::array<QString, 28> m_toolTips;
};
