#pragma once
// The factory adjustment window of a K761 (mV) module: the zero and scale of the 4 mV inputs and of
// their 4 temperature inputs, the leakage current of each input and the serial number. It reads the
// constants from the module's EEPROM, shows the live readings, derives new constants from reference
// signals (0.0 and 1400.0 mV, 20.0 and 80.0 °C), writes the changed ones back with verification, resets
// the module and stores the adjustment record. In look-up mode it only shows the stored record of a
// serial number.
#include "factory/Fabrieksdialoog.h"

#include <array>

class QFrame;

class DialogK761Calibration : public Fabrieksdialoog {
    Q_OBJECT
public:
    explicit DialogK761Calibration(QWidget* ouder = nullptr);

    void OpvragenParameters(int r, int m) override;

    // Pairs 0..3 the mV inputs, 4..7 the temperature inputs (zero, scale), as read from the module; the
    // live readings use them. Neutral until read.
    std::array<Constantenpaar, 8> Constanten{};

    static constexpr int TabInput = 0, TabGraden = 1, TabXtraK761 = 2, TabInfo = 3;

    // Tab 0 "Input".
    std::array<Invoerveld*, 4> TextNulpuntInput{};
    std::array<Invoerveld*, 4> TextSchaalInput{};
    std::array<Constantelabel*, 4> LabelNulpunt{};
    std::array<Constantelabel*, 4> LabelSchaal{};
    QLabel* LabelmVo = nullptr;
    QLabel* LabelmVr = nullptr;
    // Tab 1 "°C": the temperature tab of the base.
    // Tab 2 "Xtra".
    std::array<Invoerveld*, 4> TextLekstroom{};
    std::array<Constantelabel*, 4> LabelLekstroom{};
    // The live readings: LabelWaarde and Label°C of the base, and the raw mV reading.
    QFrame* PictureModule = nullptr;
    std::array<QLabel*, 4> LabelEenheid{};

protected:
    QString Model() const override { return QStringLiteral("K761"); }
    int TabXtra() const override { return TabXtraK761; }
    int TabOpzoeken() const override { return TabInfo; }
    void ToonOverzicht() override;
    void ToonMeetwaarden(bool geldig) override;
    bool VerwerkVeld(Invoerveld* veld) override;
    void VeldGekregen(Invoerveld* veld) override;
    void LabelGeklikt(QLabel* label) override;
    void MaakRapportRegel() override;
    void ToonOntwerpteksten() override;
    std::vector<Schrijfstap> LabelsNaarRecord() override;
    int16_t SchrijfVoortgang() const override { return K761Voortgang; }
    QString SchrijfTekst() const override;
    void VoorSchrijven() override;

private:
    bool VerwerkLekstroom(int i);
};
