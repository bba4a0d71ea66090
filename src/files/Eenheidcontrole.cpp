#include "files/Eenheidcontrole.h"

#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "shared/Algemeen.h"

#include <QStringList>
#include <cmath>

namespace {

bool geldig(int r, int m, int c) {
    return r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules && c >= 1 && c <= AantalIngangen;
}

// The unit, trimmed and stored back trimmed.
QString eenheid(KanaalRecord& k) {
    const QString e = k.Unit.getrimd();
    k.Unit = e;
    return e;
}

constexpr float MaximaleSaliniteit = 40.0f;

void begrens(int16_t& resolutie, int16_t laagste, int16_t hoogste, int16_t anders) {
    if (resolutie < laagste || resolutie > hoogste) resolutie = anders;
}

QString standaardNaam(const QString& voorvoegsel, int n, const QString& naam) {
    if (naam.isEmpty()) return voorvoegsel + QString::number(n);
    return TrimSpaties(naam);
}

} // namespace

void ControleerMeeteenheid(int rack, int module, int ingang) {
    if (!geldig(rack, module, ingang)) return;
    const Model& model = ModelVan(rack, module);
    KanaalRecord& k = Racks[rack].Modules[module].Meting[ingang];
    if (!model.Bekend() || model.HeeftEenheid(eenheid(k))) return;
    k.Unit = QString::fromUtf8(model.standaardEenheid);
    k.Set = true;
}

void ControleerTemperatuureenheid(int rack, int module, int ingang) {
    if (!geldig(rack, module, ingang)) return;
    KanaalRecord& t = Racks[rack].Modules[module].Temperatuur[ingang];
    if (!IsTemperatuureenheid(eenheid(t))) t.Unit = Temperatuureenheden().first();
}

void ControleerMeetresolutie(int rack, int module, int ingang) {
    if (!geldig(rack, module, ingang)) return;
    KanaalRecord& k = Racks[rack].Modules[module].Meting[ingang];
    const Modeleenheid& e = ModelVan(rack, module).Eenheid(eenheid(k));
    if (e.hoogsteResolutie >= 0) begrens(k.Resolution, 0, e.hoogsteResolutie, e.andereResolutie);
}

void ControleerTemperatuurresolutie(int rack, int module, int ingang) {
    if (!geldig(rack, module, ingang)) return;
    KanaalRecord& t = Racks[rack].Modules[module].Temperatuur[ingang];
    if (IsTemperatuureenheid(eenheid(t))) begrens(t.Resolution, 0, 1, 1);
}

void ControleerExtra(int rack, int module, int ingang) {
    if (!geldig(rack, module, ingang)) return;
    KanaalRecord& k = Racks[rack].Modules[module].Meting[ingang];
    switch (ModelVan(rack, module).Eenheid(eenheid(k)).extra) {
    case Extraregel::Vrij:
        break;
    case Extraregel::Tot40:
        if (!(k.Extra >= 0.0f && k.Extra <= MaximaleSaliniteit)) k.Extra = 0.0f;
        break;
    case Extraregel::NietNegatief:
        // The salinity of an oxygen input in g/kg: the module settings warn above 40 but keep what the
        // user typed, so any salinity they store reads back; a negative one is fresh water.
        if (!(k.Extra >= 0.0f)) k.Extra = 0.0f;
        break;
    case Extraregel::IonBlanco:
        if (k.Extra < -12.0f)
            k.Extra = -12.0f;
        else if (!(k.Extra <= 0.0f))
            k.Extra = 0.0f;
        break;
    case Extraregel::Celtype: {
        const float deel = std::floor(k.Extra);
        if (!(deel >= -2.0f && deel <= 1.0f)) k.Extra = 0.0f;
        break;
    }
    }
}

void ControleerEenheden(int rack) {
    if (rack < 1 || rack > AantalRacks) return;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[rack].Modules[m];
        if (mod.Type.tekst() == QLatin1String("----")) {
            mod.Present = false;
            continue;
        }
        for (int i = 1; i <= AantalIngangen; ++i) {
            ControleerMeeteenheid(rack, m, i);
            ControleerTemperatuureenheid(rack, m, i);
            ControleerMeetresolutie(rack, m, i);
            ControleerTemperatuurresolutie(rack, m, i);
            ControleerExtra(rack, m, i);
        }
    }
}

QString KanaalNaam(int n, const QString& naam) {
    return standaardNaam(QStringLiteral("CH"), n, naam);
}

QString ModuleNaam(int n, const QString& naam) {
    return standaardNaam(QStringLiteral("Module "), n, naam);
}

void LaadModuleKalibratie(int rack, int module, int ingang, ModuleRecord& record, Handwaarden& hand) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return;
    ModelVan(record).laadKalibratie(rack, module, ingang, record, hand);
}

void LaadModuleKalibratie(int rack, int module, int ingang, ModuleRecord& record) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return;
    Handwaarden hand{};
    for (int c = 1; c <= AantalIngangen; ++c)
        hand[c] = HandTemperaturen[rack][module][c];
    LaadModuleKalibratie(rack, module, ingang, record, hand);
    for (int c = 1; c <= AantalIngangen; ++c)
        HandTemperaturen[rack][module][c] = hand[c];
}

void LaadModuleKalibratie(int rack, int module, int ingang) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return;
    LaadModuleKalibratie(rack, module, ingang, Racks[rack].Modules[module]);
}

bool BewaarModuleKalibratie(int rack, int module, int ingang, ModuleRecord& moduleRecord,
                            KalibratieRecord& record, bool temperatuur) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return false;
    return ModelVan(moduleRecord).bewaarKalibratie(rack, module, ingang, moduleRecord, record, temperatuur);
}

bool BewaarModuleKalibratie(int rack, int module, int ingang, KalibratieRecord& record, bool temperatuur) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return false;
    return BewaarModuleKalibratie(rack, module, ingang, Racks[rack].Modules[module], record, temperatuur);
}
