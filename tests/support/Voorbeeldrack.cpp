#include "Voorbeeldrack.h"

#include "acquisition/RackModel.h"

#include <cmath>

namespace {

struct Ingang {
    const char* naam;
    const char* eenheid;
    int16_t resolutie;
    float waarde;
    float temperatuur;
    bool gekalibreerd;
};

struct Module {
    const char* type;
    const char* naam;
    int32_t idno;
    float extra; // cell type of a K762
    Ingang ingangen[4];
};

const Module Modules[7] = {
    {"K761",
     "pH module",
     0x0F010101,
     0,
     {{"Tank A", "pH", 1, 7.01f, 21.5f, true},
      {"Tank B", "pH", 1, 4.00f, 21.7f, true},
      {"Rinse", "pH", 1, 9.21f, 22.0f, true},
      {"Spare", "pH", 1, 6.85f, 21.9f, false}}},
    {"K761",
     "Redox",
     0x0F010102,
     0,
     {{"ORP 1", "mV", 1, 123.4f, 20.4f, false},
      {"ORP 2", "mV", 1, -56.7f, 20.6f, false},
      {"ORP 3", "mV", 1, 250.0f, 20.1f, false},
      {"ORP 4", "mV", 1, 0.0f, 20.3f, false}}},
    {"K761",
     "Oxygen",
     0x0F010103,
     0,
     {{"Aeration", "mg/l", 1, 8.25f, 18.2f, true},
      {"Saturation", "%", 1, 95.3f, 18.4f, true},
      {"Off", "mg/l", 1, 0.0f, 18.0f, true},
      {"Outlet", "mg/l", 1, 21.7f, 18.1f, true}}},
    {"K762",
     "Conductivity",
     0x0C010104,
     0,
     {{"Feed", "S/cm", 1, 1.413f, 25.0f, true},
      {"Permeate", "S/cm", 0, 0.0847f, 24.8f, true},
      {"Brine", "S/cm", 2, 1.288f, 25.3f, true},
      {"Tap", "S/cm", 1, 0.512f, 24.9f, true}}},
    {"K762",
     "TDS",
     0x0C010105,
     0,
     {{"Feed", "g/l", 1, 0.500f, 23.0f, true},
      {"Permeate", "g/l", 1, 0.042f, 23.2f, true},
      {"Brine", "g/l", 1, 1.310f, 23.1f, true},
      {"Tap", "g/l", 1, 0.250f, 23.4f, true}}},
    {"K761",
     "Ion",
     0x0F010106,
     0,
     {{"Chloride", "g/l", 7, -2.6f, 21.0f, true},
      {"Perchlorate", "g/l", 8, -3.4f, 21.1f, true},
      {"Fluoride", "g/l", 13, -4.1f, 21.2f, true},
      {"Sodium", "g/l", 18, -1.7f, 21.3f, true}}},
    {"K761",
     "Temperature",
     0x0F010107,
     0,
     {{"Bath", "°C", 1, 37.0f, 37.0f, true},
      {"Room", "°C", 1, 22.4f, 22.4f, true},
      {"Cooler", "°C", 1, 4.2f, 4.2f, true},
      {"Oven", "°C", 1, 131.0f, 130.0f, true}}},
};

} // namespace

void VulVoorbeeldrack(int r) {
    RackRecord& rack = Racks[r];
    rack.Present = true;
    rack.Idno = 0x01000000 + r;
    rack.Name = QStringLiteral("Rack ") + IdnoAlsTekst(rack.Idno);
    RackVlaggen[r].Measure = true;
    for (int m = 1; m <= AantalModules; ++m) {
        const Module& bron = Modules[m - 1];
        ModuleRecord& module = rack.Modules[m];
        module.Present = true;
        module.Berekend = true;
        module.Type = QString::fromLatin1(bron.type);
        module.Name = QString::fromUtf8(bron.naam);
        module.Idno = bron.idno;
        module.Status = 0x0F;
        module.GeenAntwoordTeller = m == VoorbeeldModuleStil ? 1 : 0;
        for (int c = 1; c <= AantalIngangen; ++c) {
            const Ingang& in = bron.ingangen[c - 1];
            KanaalRecord& k = module.Meting[c];
            KanaalRecord& t = module.Temperatuur[c];
            k.Name = QString::fromUtf8(in.naam);
            k.Unit = QString::fromUtf8(in.eenheid);
            k.Resolution = in.resolutie;
            k.Waarde = in.waarde;
            k.AdcWaarde = static_cast<int32_t>(std::lround(in.waarde * 10));
            k.Extra = bron.extra;
            k.Set = true;
            k.Flags = VlagSensorAanwezig;
            k.Offset = 0;
            k.Scale = 1;
            k.KalibratieDatum = in.gekalibreerd ? 46000.5 : 0;
            k.KalibratieInfo = QStringLiteral("0");
            t.Unit = QString::fromUtf8("°C");
            t.Resolution = 1;
            t.Waarde = in.temperatuur;
            t.AdcWaarde = static_cast<int32_t>(std::lround(in.temperatuur * 10));
            t.Scale = 1;
        }
    }
    rack.Modules[1].Meting[1].Sensor = QStringLiteral("pH electrode 12");
    rack.Modules[3].Meting[3].Set = false;
    rack.Modules[3].Meting[4].Flags |= VlagBovenBereik;
    rack.Modules[7].Meting[4].Flags |= VlagTemperatuurTeHoog;
    rack.Modules[7].Temperatuur[4].Flags |= VlagTemperatuurTeHoog;
}

void VolgendeVoorbeeldMeting(int r, int stap) {
    const float d = (stap % 2 == 0 ? 1.0f : -1.0f) * 0.01f;
    for (int m = 1; m <= AantalModules; ++m)
        for (int c = 1; c <= AantalIngangen; ++c) {
            Racks[r].Modules[m].Meting[c].Waarde += d;
            Racks[r].Modules[m].Temperatuur[c].Waarde += d;
        }
}
