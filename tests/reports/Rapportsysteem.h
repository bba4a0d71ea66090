#pragma once
// A small rack system for the report tests, with calibration files written by the program's own
// calibration routines into a calibration folder of the test:
//   rack 1 "Line A" (1.0.0.3): module 1 "pH bench" (K761): input 1 pH "Tank A" (three calibrations: two
//   buffers, two buffers, one buffer), input 2 mV "ORP" (one calibration), input 3 g/l "Chloride"
//   (ion, never calibrated), input 4 switched off; temperature 1 in use, calibrated once.
//   Module 3 "EC bench" (K762): input 1 S/cm "Feed" (two calibrations), temperature in kelvin.
// And the rack of /demo with calibration files for it.
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "platform/Datum.h"

#include <QDir>
#include <QFile>

inline void VulRapportsysteem(const QString& kalibratiemap) {
    QDir().mkpath(kalibratiemap);
    MapKalibratie = kalibratiemap;
    RackRecord& rack = Racks[1];
    rack.Present = true;
    rack.Name = QStringLiteral("Line A");
    rack.Idno = 0x01000003;
    RackVlaggen[1].Measure = true;

    ModuleRecord& ph = rack.Modules[1];
    ph.Present = true;
    ph.Type = QStringLiteral("K761");
    ph.Name = QStringLiteral("pH bench");
    ph.Idno = 0x0F000011;
    const char* namen[] = {"Tank A", "ORP", "Chloride", "Spare"};
    const char* eenheden[] = {"pH", "mV", "g/l", "pH"};
    for (int c = 1; c <= 4; ++c) {
        KanaalRecord& k = ph.Meting[c];
        k.Name = QString::fromLatin1(namen[c - 1]);
        k.Unit = QString::fromLatin1(eenheden[c - 1]);
        k.Resolution = 1;
        k.Set = c != 4;
        k.Sensor = QStringLiteral("HA405-DXK");
        ph.Temperatuur[c].Unit = QString::fromUtf8("°C");
        ph.Temperatuur[c].Resolution = 1;
    }
    ph.Meting[3].Resolution = 7; // chloride
    ph.Temperatuur[1].Set = true;

    ModuleRecord& ec = rack.Modules[3];
    ec.Present = true;
    ec.Type = QStringLiteral("K762");
    ec.Name = QStringLiteral("EC bench");
    ec.Idno = 0x0C000013;
    for (int c = 1; c <= 4; ++c) {
        ec.Meting[c].Name = QStringLiteral("EC %1").arg(c);
        ec.Meting[c].Unit = QStringLiteral("S/cm");
        ec.Temperatuur[c].Unit = QStringLiteral("K");
        ec.Temperatuur[c].Resolution = 1;
    }
    ec.Meting[1].Name = QStringLiteral("Feed");
    ec.Meting[1].Set = true;
    ec.Meting[1].Resolution = 1;

    // pH input 1: oldest first, so that the newest ends up as generation 1.
    KalibratieRecord r;
    r.Tijdstip = platform::MaakDatum(2025, 11, 3, 8, 15, 0);
    r.Nulpunt = 7.04f;
    r.Helling = 0.981f;
    r.Standaard1 = 7.0f;
    r.MilliVolt1 = -2.5f;
    r.Temperatuur1 = 21.5f;
    r.Duur1 = -42;
    BewaarKalibratieK761(1, 1, 1, r, false);
    r.Tijdstip = platform::MaakDatum(2025, 12, 1, 14, 0, 5);
    r.Standaard2 = 4.01f;
    r.MilliVolt2 = 171.3f;
    r.Temperatuur2 = 21.7f;
    r.Duur2 = 57;
    BewaarKalibratieK761(1, 1, 1, r, false);
    r.Tijdstip = platform::MaakDatum(2026, 1, 12, 9, 30, 0);
    r.Nulpunt = 6.98f;
    r.Helling = 0.995f;
    BewaarKalibratieK761(1, 1, 1, r, false);

    KalibratieRecord mv;
    mv.Tijdstip = platform::MaakDatum(2026, 1, 5, 11, 0, 0);
    mv.Nulpunt = 1.5f;
    mv.Standaard1 = 220.0f;
    mv.Temperatuur1 = 20.0f;
    BewaarKalibratieK761(1, 1, 2, mv, false);

    HandTemperaturen[1][1][1] = 22.5f;
    KalibratieRecord t;
    t.Tijdstip = platform::MaakDatum(2026, 1, 6, 10, 0, 0);
    t.Nulpunt = 0.4f;
    t.Standaard1 = 25.0f;
    BewaarKalibratieK761(1, 1, 1, t, true);

    KalibratieRecord g;
    g.Tijdstip = platform::MaakDatum(2025, 10, 20, 16, 45, 0);
    g.Helling = 1.02f;
    g.Blanco = 0;
    g.Standaard1 = 1413e-6f;
    g.Temperatuur1 = 25.0f;
    g.Duur1 = 30;
    BewaarKalibratieK762(1, 3, 1, g, false);
    g.Tijdstip = platform::MaakDatum(2026, 1, 2, 8, 0, 0);
    g.Helling = 0.97f;
    BewaarKalibratieK762(1, 3, 1, g, false);
}

// The rack that /demo simulates as far as the reports read it: rack 1 "1.F.F.F", mV modules (K761) in
// slots 1..5 and conductivity modules (K762) in slots 6 and 7, every input in use.
inline void VulDemorack() {
    RackRecord& rack = Racks[1];
    rack.Present = true;
    rack.Name = QStringLiteral("Rack 1.F.F.F");
    rack.Idno = 0x010F0F0F;
    RackVlaggen[1].Measure = true;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& module = rack.Modules[m];
        const bool k762 = m >= 6;
        module.Present = true;
        module.Type = k762 ? QStringLiteral("K762") : QStringLiteral("K761");
        module.Name = k762 ? QString::fromUtf8("K762(mS/°C)") : QString::fromUtf8("K761(mV/°C)");
        module.Idno = static_cast<int32_t>((k762 ? 0x0C0F0F00u : 0x0F0F0F00u) + static_cast<uint32_t>(m));
        for (int c = 1; c <= AantalIngangen; ++c) {
            module.Meting[c].Name = QStringLiteral("CH%1").arg(c);
            module.Meting[c].Unit = k762 ? QStringLiteral("S/cm") : QStringLiteral("mV");
            module.Meting[c].Resolution = 1;
            module.Meting[c].Set = true;
            module.Temperatuur[c].Unit = QString::fromUtf8("°C");
            module.Temperatuur[c].Resolution = 1;
            module.Temperatuur[c].Set = true;
        }
    }
}

// Calibration files for the rack of VulDemorack in `map`: every kind of record of every input, in two to
// five generations (newest in January 2026), so that each input has a history whatever its unit.
inline void SchrijfDemoKalibraties(const QString& map) {
    QDir().mkpath(map);
    for (int m = 1; m <= AantalModules; ++m) {
        const bool k762 = Racks[1].Modules[m].Type.getrimd() == QLatin1String("K762");
        const int soorten = k762 ? SoortenK762 : SoortenK761;
        QByteArray inhoud;
        for (int c = 1; c <= AantalIngangen; ++c) {
            const int generaties = 5 - (m + c) % 4;
            for (int g = 0; g < generaties; ++g) {
                for (int soort = 1; soort <= soorten; ++soort) {
                    KalibratieRecord r;
                    r.Tijdstip = platform::MaakDatum(2026, 1, 28 - 6 * g - c, 8 + m, 5 * c, 0);
                    r.Temperatuur1 = 20.5f + 0.1f * c;
                    r.Duur1 = 40.0f + 3 * g;
                    const bool temperatuur = soort == soorten;
                    if (temperatuur) {
                        r.Nulpunt = 0.1f * (c - 2) + 0.05f * g;
                        r.Standaard1 = 25.0f;
                        r.Temperatuur2 = 25.0f;
                    } else if (k762) {
                        r.Helling = 0.97f + 0.01f * g;
                        r.Standaard1 = g % 2 ? 12.88e-3f : 1413e-6f;
                    } else if (soort == 1) { // mV
                        r.Nulpunt = 0.5f * g - 1.0f;
                        r.Standaard1 = 200.0f + 25.0f * c;
                    } else if (soort == 2) { // pH
                        r.Nulpunt = 7.02f - 0.01f * g;
                        r.Helling = 0.992f - 0.004f * g;
                        r.Standaard1 = 7.0f;
                        r.Standaard2 = 4.01f;
                        r.MilliVolt1 = -1.5f;
                        r.MilliVolt2 = 171.0f - g;
                        r.Temperatuur2 = 20.7f;
                        r.Duur2 = 55.0f;
                    } else if (soort == 3) { // oxygen
                        r.Helling = 0.16f;
                        r.Standaard1 = 8.26f;
                        r.Standaard2 = 1013.0f;
                        r.MilliVolt1 = -610.0f;
                    } else { // ion
                        r.Helling = -56.8f;
                        r.Nulpunt = 1.2f;
                        r.Standaard1 = -3.0f;
                        r.Standaard2 = -2.0f;
                        r.MilliVolt1 = 130.0f;
                        r.MilliVolt2 = 73.0f;
                        r.Blanco = 160.0f;
                    }
                    SchrijfKalibratieRecord(inhoud, KalibratieRecordNummer(g, c, soort, soorten), r);
                }
            }
        }
        QFile f(KalibratieBestandsnaam(1, m, map, QStringLiteral(".cal")));
        if (f.open(QIODevice::WriteOnly)) f.write(inhoud);
    }
}
