#pragma once
// The evaluation of an ion-selective calibration, without windows. The electrode follows
// potential = slope x (log10 C + E), C in g/l: two decade standards give the slope in mV per decade and
// the zero point E; an optional blank must lie strictly below both standards in concentration.
// - Slope: (mV1 - mV2) / (logC1 - logC2), accepted when 5.0 <= |slope| <= 200.0; it keeps its sign.
// - E := mV2 / slope - logC2, accepted when -12 <= E <= 12. A zero point outside counts as a failed
//   calibration, as a slope outside does (standard 2 is measured again): a record with a zero point
//   that does not fit the electrode is never stored.
#include "acquisition/Kalibratiebestand.h"
#include "platform/Datum.h"

#include <QString>
#include <array>

// The eleven decade standards of the lists, "1.00 ng/l" (log -9) to "10.0 g/l" (log 1).
inline constexpr int AantalIonStandaarden = 11;
QString IonStandaardTekst(int index);
// log10 of the standard's concentration in g/l: index - 9.
float IonLogConcentratie(int index);
// The list position a standard list starts on: 3 ("1.00 µg/l") for standard 1, 6 ("1.00 mg/l") for
// standard 2.
int VoorkeurStandaard(int lijst);
// A stored list position, or the default when it is no position of the list.
int GeldigeStandaardIndex(int opgeslagen, int lijst);

inline constexpr float IonHellingMinimum = 5.0f;
inline constexpr float IonHellingMaximum = 200.0f;
inline constexpr float IonNulpuntGrens = 12.0f;
// The potential of two steps must differ by at least this much (mV).
inline constexpr float IonMinimaalVerschil = 5.0f;
// The stored blank potential when no blank was measured.
inline constexpr float GeenBlanco = 2000.0f;

float BerekenHellingISE(float mV1, float logC1, float mV2, float logC2);
float BerekenNulpuntISE(float helling, float mV, float logC);
bool IsHellingISEAanvaard(float helling);
bool IsNulpuntISEAanvaard(float E);

// Slope and zero point, both 0 when refused; `Melding` the text-table entry that says why (304 slope,
// 303 zero point), 0 when accepted.
struct IonUitkomst {
    float Helling = 0;
    float Nulpunt = 0;
    int Melding = 0;
    bool Aanvaard() const { return Melding == 0; }
};
IonUitkomst IonKalibratie(float mV1, float logC1, float mV2, float logC2);

// Two accepted readings are too close (|difference| below 5.0 mV).
bool TeKleinVerschil(float mV1, float mV2);
// The blank lies strictly below both standards in concentration.
bool IsBlancoAanvaard(float blancoMV, float mV1, float mV2, float helling, float nulpunt);

// One accepted step: its potential, temperature (°C) and measuring time (s).
struct IonMeting {
    float MilliVolt = 0;
    float Temperatuur = 0;
    qint64 Seconden = 0;
};

// The record stored: moment, E, slope, blank potential, the two log concentrations, the two potentials,
// temperatures and measuring times.
KalibratieRecord IonKalibratieRecord(platform::Datum tijdstip, const IonUitkomst& uitkomst, int index1,
                                     int index2, const IonMeting& standaard1, const IonMeting& standaard2,
                                     float blancoMV);

// "Calibration successful!", slope in mV/decade and the zero point as log[Conc] at 0 mV (-E), in the
// current language.
QString IonResultaatTekst(const IonUitkomst& uitkomst);
