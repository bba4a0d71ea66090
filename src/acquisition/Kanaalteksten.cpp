#include "acquisition/Kanaalteksten.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackvensterTeksten.h"
#include "shared/Hulpfuncties.h"

#include <cmath>

namespace {

constexpr uint8_t MaskerBuitenBereik = 0x0F;
constexpr uint8_t MaskerIngang = VlagBovenBereik | VlagOnderBereik;
constexpr uint8_t MaskerTemperatuur = VlagTemperatuurTeHoog | VlagTemperatuurTeLaag;
const QString BovenBereik = QStringLiteral("OR.");

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
    return ModelVan(r, m).waardeTekst(r, m, c);
}

QString TemperatuurTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    if (BitGezet(Racks[r].Modules[m].Meting[c].Flags, MaskerTemperatuur)) return BovenBereik;
    return TemperatuurWaardeTekst(r, m, c);
}

QString EenheidTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    if (SoortVanTekst(Racks[r].Modules[m], c) == Eenheidsoort::Temperatuur) return QString();
    return ModelVan(r, m).eenheidTekst(r, m, c);
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
