#include "rackviews/ModuleInstellingen.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "files/Eenheidcontrole.h"
#include "shared/Getallen.h"
#include "shared/Teksten.h"

#include <cmath>
#include <limits>

namespace {

constexpr int TekstAnderCeltype = 367, TekstKalibrerenNodig = 368;

QString graden() {
    return QStringLiteral("°C");
}

// The Extra of an input is the user's setting on a K762 (cell type) and on a K761 oxygen input
// (salinity); on the other inputs it comes from the calibration file or means nothing.
bool extraIsInstelling(const Model& model, const KanaalRecord& k) {
    return model.Eenheid(k.Unit.getrimd()).extraIsInstelling;
}

} // namespace

QStringList EenheidLijst(const QString& model) {
    return ModelMetNaam(model).Lijstteksten();
}

QStringList TemperatuurEenheidLijst() {
    return Temperatuureenheden();
}

QString EenheidZonderToevoeging(const QString& tekst) {
    QString t = tekst;
    for (const char* toevoeging : {"(DO)", "(Ion)", "(TDS)"})
        t.remove(QLatin1String(toevoeging), Qt::CaseSensitive);
    return t.trimmed();
}

int IndexVanEenheid(const QString& eenheid, const QString& model) {
    const QStringList lijst = model == graden() ? TemperatuurEenheidLijst() : EenheidLijst(model);
    for (int i = 0; i < lijst.size(); ++i)
        if (EenheidZonderToevoeging(lijst.at(i)) == eenheid.trimmed()) return i;
    return 0;
}

int GeldigeResolutie(int index, int aantal) {
    return index >= 0 && index < aantal ? index : 1;
}

int GekozenCelType(float extra) {
    const double t = std::nearbyint(static_cast<double>(extra));
    if (!(t >= std::numeric_limits<int16_t>::min() && t <= std::numeric_limits<int16_t>::max())) return 0;
    return static_cast<int>(t);
}

QStringList CelTypeLijst() {
    return {QStringLiteral("0.01 cm-1"), QStringLiteral("0.1 cm-1"), QStringLiteral("1 cm-1"),
            QStringLiteral("10 cm-1")};
}

QStringList BereikLijst(int celtype) {
    if (celtype < -2 || celtype > 1) return {};
    // Full scales 2, 20, 200, 2000 µS, 20, 200, 2000 mS by decade.
    static const char* const Schalen[] = {"2.000 µS", "20.00 µS", "200.0 µS", "2000 µS",
                                          "20.00 mS", "200.0 mS", "2000 mS"};
    QStringList lijst;
    for (int r = 0; r <= 3; ++r)
        lijst << QString::fromUtf8(Schalen[r + celtype + 2]);
    return lijst;
}

float SaliniteitVanTekst(const QString& tekst) {
    const float waarde = TekstNaarSingle(tekst);
    return waarde < 0.0f ? 0.0f : waarde;
}

bool GeldigeLuchtdruk(float hPa) {
    return hPa >= 800.0f && hPa <= 1200.0f;
}

bool IsErEenRackActief() {
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present) return true;
    return false;
}

bool KalibratieKnopAan(int r, int m, int ki, bool temperatuurTab) {
    if (!IsKanaalAdres(r, m, ki)) return false;
    return KalibratieKnopAan(r, Racks[r].Modules[m], ki, temperatuurTab);
}

bool KalibratieKnopAan(int r, const ModuleRecord& module, int ki, bool temperatuurTab) {
    if (r < 1 || r > AantalRacks || ki < 1 || ki > AantalIngangen) return false;
    if (!IsErEenRackActief() || !RackVlaggen[r].Measure || !Racks[r].Present || !module.Present ||
        !module.Meting[ki].Set)
        return false;
    if (!temperatuurTab) return true;
    // A temperature channel that takes its value from another input is not calibrated itself.
    const int gedeeld = GedeeldeTemperatuurIngang(module);
    return !(gedeeld != 0 && gedeeld != ki && module.Temperatuur[ki].UseShared);
}

bool OptiesVoorEenheid(const QString& model, const QString& lijsttekst) {
    return ModelMetNaam(model).EenheidVanLijsttekst(lijsttekst.trimmed()).opties;
}

bool CapaciteitscompensatieVoorEenheid(const QString& model, const QString& lijsttekst) {
    const Model& m = ModelMetNaam(model);
    return m.capaciteitscompensatie && m.EenheidVanLijsttekst(lijsttekst.trimmed()).opties;
}

Kalibratiesoort KalibratieVoor(const QString& model, const QString& eenheid, bool temperatuurTab) {
    if (temperatuurTab) return Kalibratiesoort::EenPunt;
    const QString e = eenheid.trimmed();
    switch (SoortVanTekst(ModelMetNaam(model), e)) {
    case Eenheidsoort::Millivolt:
    case Eenheidsoort::Temperatuur:
    case Eenheidsoort::ZuurstofMgL:
    case Eenheidsoort::ZuurstofProcent:
        return Kalibratiesoort::EenPunt;
    case Eenheidsoort::PH:
        return Kalibratiesoort::PH;
    case Eenheidsoort::Geleidbaarheid:
    case Eenheidsoort::TDS:
        return Kalibratiesoort::Geleidbaarheid;
    case Eenheidsoort::Ion:
        return Kalibratiesoort::Ion;
    case Eenheidsoort::Anders:
        break;
    }
    // Of a module of no model, "g/l" is taken as a K761's ion concentration.
    return ModelMetType(Modeltype::K761).Soort(e) == Eenheidsoort::Ion ? Kalibratiesoort::Ion
                                                                       : Kalibratiesoort::Geen;
}

QString OKWaarschuwing(const ModuleRecord& module, int c) {
    if (c < 1 || c > AantalIngangen) return QString();
    const KanaalRecord& k = module.Meting[c];
    if (!k.Set) return QString();
    const Eenheidsoort soort = SoortVanTekst(module, c);
    if (ModelVan(module).type == Modeltype::K762 && soort != Eenheidsoort::Temperatuur &&
        GekozenCelType(k.Extra) != TekstNaarInteger(k.KalibratieInfo.toString()))
        return Tekst[TekstAnderCeltype] + Tekst[TekstKalibrerenNodig];
    if (soort != Eenheidsoort::Millivolt && soort != Eenheidsoort::Temperatuur && k.KalibratieDatum == 0)
        return Tekst[TekstKalibrerenNodig];
    return QString();
}

void HoudEenGedeeldeIngang(ModuleRecord& module) {
    bool gevonden = false;
    for (int c = 1; c <= AantalIngangen; ++c) {
        KanaalRecord& t = module.Temperatuur[c];
        if (t.Shared && gevonden) t.Shared = false;
        gevonden = gevonden || t.Shared;
    }
}

void NeemInstellingenOver(const ModuleRecord& van, ModuleRecord& naar, bool metBereiken) {
    const Model& model = ModelVan(naar);
    for (int c = 1; c <= AantalIngangen; ++c) {
        const KanaalRecord& k = van.Meting[c];
        KanaalRecord& doel = naar.Meting[c];
        doel.Set = k.Set;
        doel.Unit = k.Unit.getrimd();
        doel.Name = k.Name;
        doel.Sensor = k.Sensor;
        if (!model.heeftBereiken || metBereiken) doel.Resolution = k.Resolution;
        if (extraIsInstelling(model, k)) doel.Extra = k.Extra;
        const KanaalRecord& t = van.Temperatuur[c];
        KanaalRecord& tDoel = naar.Temperatuur[c];
        tDoel.Set = t.Set;
        tDoel.Unit = t.Unit.getrimd();
        tDoel.Resolution = t.Resolution;
        tDoel.Shared = t.Shared;
        tDoel.UseShared = t.UseShared;
        tDoel.ManualFollowsMeasurement = t.ManualFollowsMeasurement;
    }
}

Instellingenbeeld MaakInstellingenbeeld(int r, int m, const ModuleRecord& instellingen, bool metKalibratie) {
    Instellingenbeeld beeld;
    if (!IsModuleAdres(r, m)) return beeld;
    beeld.module = Racks[r].Modules[m];
    for (int c = 1; c <= AantalIngangen; ++c)
        beeld.hand[c] = HandTemperaturen[r][m][c];
    NeemInstellingenOver(instellingen, beeld.module, true);
    if (metKalibratie) LaadModuleKalibratie(r, m, 0, beeld.module, beeld.hand);
    return beeld;
}
