#pragma once
// The evaluation of a pH buffer calibration, without windows: the stability tolerances, the checks of a
// buffer reading, the zero point (ISO pH) and slope of the electrode from one or two buffers, the
// record that is stored, and the texts of the result and the elapsed time.
//
// The electrode follows mV = (ISO pH - pH) x slope x T / 5.04, T in kelvin (°C + 273.159), the slope a
// fraction of the ideal (1.0 = 100 %, 59.16 mV per pH at 25 °C). All sums are in single precision.
// - ISO pH from one buffer: mV x 5.04 / (T x slope) + pH; accepted within 6.0..8.0.
// - Slope from two buffers: 5.04 x (mV1 - mV2 x T1 / T2) / ((pH2 - pH1) x T1); accepted within
//   0.8..1.2. The ISO pH then comes from the second buffer.
// - A one-point calibration takes slope 1.0.
#include "acquisition/Kalibratiebestand.h"
#include "platform/Datum.h"

#include <QString>

// The spread of the last ten readings that counts as stable: the electrode's mV by the input's
// resolution (1: 0.35 mV, 2: 0.15 mV, any other: 0.65 mV), the temperature always 0.15 °C.
float MillivoltTolerantie(int resolutie);
inline constexpr float TemperatuurTolerantie = 0.15f;

// The first buffer is plausible when the pH an ideal electrode (slope 1, ISO pH 7) would show at its
// mV and temperature lies within 1.5 pH of the buffer's pH as shown.
bool IsEersteBufferPlausibel(float mV, float T, float getoondPH);
// The second buffer is far enough from the first when their mV differ by 15.0 or more.
bool VerschillenBuffersGenoegInMillivolt(float mV1, float mV2);
// Two buffers may be combined when their pH at 25 °C differ by 1.5 or more.
bool VerschillenBuffersGenoegInPH(float pH1, float pH2);

// The outcome of a calibration: slope and ISO pH, both 0 when rejected; `Melding` is the text-table
// entry that says why (304 slope, 303 ISO pH), 0 when accepted.
struct PhUitkomst {
    float Helling = 0;
    float IsoPH = 0;
    int Melding = 0;
    bool Aanvaard() const { return Melding == 0; }
};
inline constexpr int MeldingIsoPH = 303;
inline constexpr int MeldingHelling = 304;

float BerekenIsoPH(float helling, float mV, float T, float pH);
float BerekenHelling(float mV1, float T1, float pH1, float mV2, float T2, float pH2);
PhUitkomst EenpuntsKalibratie(float mV, float T, float pH);
PhUitkomst TweepuntsKalibratie(float mV1, float T1, float pH1, float mV2, float T2, float pH2);

// One accepted buffer: the text of its list entry, the pH as the dialog showed it, and what was measured.
struct BufferMeting {
    QString LijstTekst;
    QString GetoondPH;
    float MilliVolt = 0;
    float Temperatuur = 0; // °C
    qint64 Seconden = 0;   // from the start of the measuring pass to stability
};

// The record stored for a result: the standards are the numbers of the list entries ("4.01"), or the pH
// as shown when the entry holds no number; a one-point result has zeros in every field of standard 2.
KalibratieRecord PhKalibratieRecord(platform::Datum tijdstip, const PhUitkomst& uitkomst,
                                    const BufferMeting& buffer1, const BufferMeting* buffer2);

// "Slope = 98.6 % / ISO pH = 7.012 pH", in the current language.
QString PhResultaatTekst(const PhUitkomst& uitkomst);
// Minutes and seconds, "0:07", "12:30".
QString MinutenSecondenTekst(qint64 seconden);
