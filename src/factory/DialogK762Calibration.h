#pragma once
// The factory adjustment window of a K762 (conductivity) module: per input the zero and scale of each
// of the 4 measuring ranges, the zero and scale of its temperature input and its DC offset, the
// excitation frequency of each range, and the serial number. Selecting a range tab switches all four
// inputs to that range, and the live readings are shown with the module's own adjustment of that range
// taken out. References: an open input, 10,000 to 10 Ohm, 20.0 and 80.0 °C.
//
// Indices: a field or label of range tab r has the index 4 r + c (input c); the constant it shows is
// the constant 4 c + r of the module (k762::VeldIndex, k762::ConstanteIndex).
#include "factory/Fabrieksdialoog.h"

#include <array>

class DialogK762Calibration : public Fabrieksdialoog {
    Q_OBJECT
public:
    explicit DialogK762Calibration(QWidget* ouder = nullptr);

    void OpvragenParameters(int r, int m) override;

    // The range pairs by constant index 4 c + r and the temperature pairs by input, as read; the live
    // readings use them. Neutral until read.
    std::array<Constantenpaar, 16> Bereikconstanten{};
    std::array<Constantenpaar, 4> Temperatuurconstanten{};
    // The range of the range tab selected last; the inputs are set to it.
    int16_t HuidigBereik = 0;

    static constexpr int TabGraden = 4, TabXtraK762 = 5, TabInfo = 6;

    // Range tabs 0..3, by field index 4 r + c; frequency and limit labels by range.
    std::array<Invoerveld*, 16> TextNulpunt{};
    std::array<Invoerveld*, 16> TextSchaal{};
    std::array<Constantelabel*, 16> LabelNulpunt{};
    std::array<Constantelabel*, 16> LabelSchaal{};
    std::array<Invoerveld*, 4> TextFrekwentie{};
    std::array<Constantelabel*, 4> LabelFrekwentie{};
    std::array<QLabel*, 4> LabelECo{};
    std::array<QLabel*, 4> LabelECr{};
    // Tab 4: the temperature tab of the base.
    // Tab 5 "Xtra".
    std::array<Invoerveld*, 4> TextDCoffset{};
    std::array<Constantelabel*, 4> LabelDCoffset{};

protected:
    QString Model() const override { return QStringLiteral("K762"); }
    int TabXtra() const override { return TabXtraK762; }
    int TabOpzoeken() const override { return TabXtraK762; }
    void ToonOverzicht() override;
    void ToonMeetwaarden(bool geldig) override;
    bool VerwerkVeld(Invoerveld* veld) override;
    void VeldGekregen(Invoerveld* veld) override;
    void LabelGeklikt(QLabel* label) override;
    void MaakRapportRegel() override;
    void ToonOntwerpteksten() override;
    std::vector<Schrijfstap> LabelsNaarRecord() override;
    int16_t SchrijfVoortgang() const override { return K762Voortgang; }
    QString SchrijfTekst() const override;
    void VoorSchrijven() override;
    bool VoerVerzoekUit() override;
    void SSTab_Click() override;

private:
    void ToonBereiklabels();
    // Sets every input to `bereik` (command 30, confirmed by the module's status).
    void WisselBereik(int bereik);
    bool VerwerkFrequentie(int r);
    bool VerwerkDcOffset(int i);

    bool m_bereikGevraagd = false;
};
