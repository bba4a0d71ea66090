#include "acquisition/Modellen.h"

#include "acquisition/K761.h"
#include "acquisition/K761Teksten.h"
#include "acquisition/K762.h"
#include "acquisition/K762Teksten.h"

namespace {

using enum Eenheidsoort;
using enum Extraregel;
constexpr Grafieksoort Getal = Grafieksoort::Getal;

// What it measures, unit, list text, quantity, highest and other resolution, calibration record kind,
// options, Extra is a setting, the check of the Extra, what a graph plots.
constexpr Modeleenheid EenhedenK761[] = {
    {Millivolt, "mV", "mV", "ORP", 1, 0, 1, false, false, Tot40, Getal},
    {PH, "pH", "pH", "pH", 2, 1, 2, false, false, Vrij, Getal},
    {Ion, "g/l", "g/l (Ion)", "Ion", 25, 0, 4, false, false, IonBlanco, Grafieksoort::Ion},
    {ZuurstofMgL, "mg/l", "mg/l (DO)", "DO", 1, 0, 3, true, true, NietNegatief, Getal},
    {ZuurstofProcent, "%", "% (DO)", "DO", 1, 0, 3, true, true, NietNegatief, Getal},
    {Temperatuur, "°C", "°C", "Pt1000", -1, 0, SoortenK761, false, false, Vrij, Getal},
};

// A graph plots every input of a K762 in the unit of its range, whatever its unit.
constexpr Modeleenheid EenhedenK762[] = {
    {Geleidbaarheid, "S/cm", "S/cm", "EC", 3, 3, 1, true, true, Celtype, Grafieksoort::Geleidbaarheid},
    {TDS, "g/l", "g/l (TDS)", "EC", 3, 3, 1, true, true, Celtype, Grafieksoort::Geleidbaarheid},
    {Temperatuur, "°C", "°C", "Pt1000", -1, 0, SoortenK762, false, true, Vrij, Grafieksoort::Geleidbaarheid},
};

constexpr const char* TemperatuurEenheden[] = {"°C", "°F", "K"};

QString geenTekst(int, int, int) {
    return QString();
}
void geenVerwerking(int, int) {}
bool geenLading(int, int, int, ModuleRecord&, Handwaarden&) {
    return false;
}
bool geenOpslag(int, int, int, ModuleRecord&, KalibratieRecord&, bool) {
    return false;
}

constexpr Model GeenModel{
    .type = Modeltype::Geen,
    .naam = "----",
    .idnoTeken = '\0',
    .soort = "Indeterminated",
    .eenheden = {},
    .andereEenheid = {Anders, nullptr, nullptr, "", -1, 0, 0, false, false, Vrij, Getal},
    .standaardEenheid = "",
    .standaardResolutie = 0,
    .heeftBereiken = false,
    .capaciteitscompensatie = false,
    .kalibratieSoorten = 0,
    .glpSoort = Anders,
    .verwerk = geenVerwerking,
    .waardeTekst = geenTekst,
    .eenheidTekst = geenTekst,
    .laadKalibratie = geenLading,
    .bewaarKalibratie = geenOpslag};

constexpr Model Modellen[] = {
    {.type = Modeltype::K761,
     .naam = "K761",
     .idnoTeken = 'F',
     .soort = "K761(mV/°C)",
     .eenheden = EenhedenK761,
     .andereEenheid = {Anders, nullptr, nullptr, "", -1, 0, 0, false, false, Vrij, Getal},
     .standaardEenheid = "mV",
     .standaardResolutie = 1,
     .heeftBereiken = false,
     .capaciteitscompensatie = false,
     .kalibratieSoorten = SoortenK761,
     .glpSoort = Anders,
     .verwerk = VerwerkMetingK761,
     .waardeTekst = KanaalWaardeTekstK761,
     .eenheidTekst = KanaalEenheidTekstK761,
     .laadKalibratie = LaadKalibratieK761,
     .bewaarKalibratie = BewaarKalibratieK761},
    {.type = Modeltype::K762,
     .naam = "K762",
     .idnoTeken = 'C',
     .soort = "K762(mS/°C)",
     .eenheden = EenhedenK762,
     .andereEenheid = {Anders, nullptr, nullptr, "EC", -1, 0, 1, false, true, Celtype,
                       Grafieksoort::Geleidbaarheid},
     .standaardEenheid = "S/cm",
     .standaardResolutie = 0,
     .heeftBereiken = true,
     .capaciteitscompensatie = true,
     .kalibratieSoorten = SoortenK762,
     .glpSoort = Geleidbaarheid,
     .verwerk = VerwerkMetingK762,
     .waardeTekst = KanaalWaardeTekstK762,
     .eenheidTekst = KanaalEenheidTekstK762,
     .laadKalibratie = LaadKalibratieK762,
     .bewaarKalibratie = BewaarKalibratieK762},
};

} // namespace

const Modeleenheid& Model::Eenheid(const QString& e) const {
    for (const Modeleenheid& m : eenheden)
        if (e == QString::fromUtf8(m.eenheid)) return m;
    return andereEenheid;
}

const Modeleenheid& Model::MetSoort(Eenheidsoort soort) const {
    for (const Modeleenheid& m : eenheden)
        if (m.soort == soort) return m;
    return andereEenheid;
}

bool Model::HeeftEenheid(const QString& e) const {
    return &Eenheid(e) != &andereEenheid;
}

QStringList Model::Eenheden() const {
    QStringList lijst;
    for (const Modeleenheid& m : eenheden)
        lijst << QString::fromUtf8(m.eenheid);
    return lijst;
}

QStringList Model::Lijstteksten() const {
    QStringList lijst;
    for (const Modeleenheid& m : eenheden)
        lijst << QString::fromUtf8(m.lijsttekst);
    return lijst;
}

const Modeleenheid& Model::EenheidVanLijsttekst(const QString& tekst) const {
    for (const Modeleenheid& m : eenheden)
        if (tekst == QString::fromUtf8(m.lijsttekst)) return m;
    return andereEenheid;
}

const Model& ModelMetNaam(const QString& naam) {
    for (const Model& model : Modellen)
        if (naam == QLatin1String(model.naam)) return model;
    return GeenModel;
}

const Model& ModelVan(const ModuleRecord& module) {
    return ModelMetNaam(module.Type.getrimd());
}

const Model& ModelVan(int r, int m) {
    if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules) return GeenModel;
    return ModelVan(Racks[r].Modules[m]);
}

const Model& ModelMetType(Modeltype type) {
    for (const Model& model : Modellen)
        if (model.type == type) return model;
    return GeenModel;
}

const Model& ModelVanIdno(int32_t idno) {
    const QChar c = IdnoAlsTekst(idno).at(0);
    for (const Model& model : Modellen)
        if (c == QLatin1Char(model.idnoTeken)) return model;
    return GeenModel;
}

const Modeleenheid& EenheidVan(const ModuleRecord& module, int c) {
    const Model& model = ModelVan(module);
    if (c < 1 || c > AantalIngangen) return model.andereEenheid;
    return model.Eenheid(module.Meting[c].Unit.getrimd());
}

Eenheidsoort EenheidsoortVan(const ModuleRecord& module, int c) {
    return EenheidVan(module, c).soort;
}

Eenheidsoort SoortVanTekst(const Model& model, const QString& eenheid) {
    if (model.HeeftEenheid(eenheid)) return model.Soort(eenheid);
    Eenheidsoort soort = Eenheidsoort::Anders;
    for (const Model& m : Modellen) {
        if (!m.HeeftEenheid(eenheid)) continue;
        if (soort != Eenheidsoort::Anders && soort != m.Soort(eenheid)) return Eenheidsoort::Anders;
        soort = m.Soort(eenheid);
    }
    return soort;
}

Eenheidsoort SoortVanTekst(const ModuleRecord& module, int c) {
    if (c < 1 || c > AantalIngangen) return Eenheidsoort::Anders;
    return SoortVanTekst(ModelVan(module), module.Meting[c].Unit.getrimd());
}

QStringList Temperatuureenheden() {
    QStringList lijst;
    for (const char* e : TemperatuurEenheden)
        lijst << QString::fromUtf8(e);
    return lijst;
}

bool IsTemperatuureenheid(const QString& eenheid) {
    for (const char* e : TemperatuurEenheden)
        if (eenheid == QString::fromUtf8(e)) return true;
    return false;
}

QString SoortUitIdno(int32_t idno) {
    const QChar c = IdnoAlsTekst(idno).at(0);
    if (c == QLatin1Char('1')) return QStringLiteral("K740(Rack)");
    return QString::fromUtf8(ModelVanIdno(idno).soort);
}

QString ModuleTypeVanIdno(int32_t idno) {
    return ModelVanIdno(idno).Naam();
}

QString ModuleTypeUitIdno(int rack, int module) {
    if (rack < 1 || rack > AantalRacks || module < 1 || module > AantalModules) return QStringLiteral("----");
    return ModuleTypeVanIdno(Racks[rack].Modules[module].Idno);
}
