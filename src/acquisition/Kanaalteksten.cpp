#include "acquisition/Kanaalteksten.h"

#include "acquisition/K761Teksten.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Kanaaladres.h"
#include "acquisition/RackvensterTeksten.h"
#include "shared/Hulpfuncties.h"

#include <cmath>

namespace {

constexpr uint8_t MaskerBuitenBereik = 0x0F;
constexpr uint8_t MaskerIngang = VlagBovenBereik | VlagOnderBereik;
constexpr uint8_t MaskerTemperatuur = VlagTemperatuurTeHoog | VlagTemperatuurTeLaag;
const QString BovenBereik = QStringLiteral("OR.");

struct Model {
    const char* type;
    QString (*waarde)(int r, int m, int c);
    QString (*eenheid)(int r, int m, int c);
};
constexpr Model Modellen[] = {
    {"K761", KanaalWaardeTekstK761, KanaalEenheidTekstK761},
    {"K762", KanaalWaardeTekstK762, KanaalEenheidTekstK762},
};

const Model* ModelVan(int r, int m) {
    const QString type = Racks[r].Modules[m].Type.getrimd();
    for (const Model& model : Modellen)
        if (type == QLatin1String(model.type)) return &model;
    return nullptr;
}

} // namespace

QString MeetwaardeTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const uint8_t flags = Racks[r].Modules[m].Meting[c].Flags;
    // A value that is no finite number is beyond every range.
    if (!std::isfinite(Racks[r].Modules[m].Meting[c].Waarde)) return BovenBereik;
    if (BitGezet(flags, MaskerBuitenBereik)) {
        if (!BitGezet(flags, MaskerIngang))
            return BovenBereik + Racks[r].Modules[m].Temperatuur[c].Unit.getrimd();
        return BovenBereik;
    }
    const Model* model = ModelVan(r, m);
    return model ? model->waarde(r, m, c) : QString();
}

QString TemperatuurTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    if (BitGezet(Racks[r].Modules[m].Meting[c].Flags, MaskerTemperatuur)) return BovenBereik;
    return TemperatuurWaardeTekst(r, m, c);
}

QString EenheidTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const Model* model = ModelVan(r, m);
    if (!model || Racks[r].Modules[m].Meting[c].Unit.getrimd() == QString::fromUtf8("°C")) return QString();
    return model->eenheid(r, m, c);
}

int GedeeldeTemperatuurIngang(int r, int m) {
    if (!IsModuleAdres(r, m)) return 0;
    return GedeeldeTemperatuurIngang(Racks[r].Modules[m]);
}

int GedeeldeTemperatuurIngang(const ModuleRecord& module) {
    for (int c = 1; c <= AantalIngangen; ++c)
        if (module.Temperatuur[c].Shared) return c;
    return 0;
}

QString GedeeldeTemperatuurNaam(int r, int m) {
    if (!IsModuleAdres(r, m)) return QString();
    return GedeeldeTemperatuurNaam(Racks[r].Modules[m]);
}

QString GedeeldeTemperatuurNaam(const ModuleRecord& module) {
    const int n = GedeeldeTemperatuurIngang(module);
    if (n < 1) return QString();
    return module.Temperatuur[n].Unit.getrimd() + QString::number(n);
}
