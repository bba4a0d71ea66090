#include "acquisition/Modellen.h"

#include "acquisition/K761.h"
#include "acquisition/K761Teksten.h"
#include "acquisition/K762.h"
#include "acquisition/K762Teksten.h"

namespace {

// Unit, list text, quantity, highest and other resolution, calibration record kind, options, Extra is a
// setting.
constexpr Modeleenheid EenhedenK761[] = {
    {"mV", "mV", "ORP", 1, 0, 1, false, false},
    {"pH", "pH", "pH", 2, 1, 2, false, false},
    {"g/l", "g/l (Ion)", "Ion", 25, 0, 4, false, false},
    {"mg/l", "mg/l (DO)", "DO", 1, 0, 3, true, true},
    {"%", "% (DO)", "DO", 1, 0, 3, true, true},
    {"°C", "°C", "Pt1000", -1, 0, SoortenK761, false, false},
};

constexpr Modeleenheid EenhedenK762[] = {
    {"S/cm", "S/cm", "EC", 3, 3, 1, true, true},
    {"g/l", "g/l (TDS)", "EC", 3, 3, 1, true, true},
    {"°C", "°C", "Pt1000", -1, 0, SoortenK762, false, true},
};

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

constexpr Model GeenModel{.type = Modeltype::Geen,
                          .naam = "----",
                          .idnoTeken = '\0',
                          .soort = "Indeterminated",
                          .eenheden = {},
                          .andereEenheid = {nullptr, nullptr, "", -1, 0, 0, false, false},
                          .standaardEenheid = "",
                          .standaardResolutie = 0,
                          .heeftBereiken = false,
                          .capaciteitscompensatie = false,
                          .kalibratieSoorten = 0,
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
     .andereEenheid = {nullptr, nullptr, "", -1, 0, 0, false, false},
     .standaardEenheid = "mV",
     .standaardResolutie = 1,
     .heeftBereiken = false,
     .capaciteitscompensatie = false,
     .kalibratieSoorten = SoortenK761,
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
     .andereEenheid = {nullptr, nullptr, "EC", -1, 0, 1, false, true},
     .standaardEenheid = "S/cm",
     .standaardResolutie = 0,
     .heeftBereiken = true,
     .capaciteitscompensatie = true,
     .kalibratieSoorten = SoortenK762,
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
