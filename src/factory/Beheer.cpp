#include "factory/Beheer.h"

#include "shared/Algemeen.h"
#include "shared/Melding.h"

#include <limits>

QString ProductieDatabasePad;
std::shared_ptr<ProductionItem> ProductieItem;

namespace {
std::unique_ptr<ProductionList> lijst;
} // namespace

ProductionList& ProductieLijst() {
    if (!lijst) lijst = std::make_unique<ProductionList>();
    return *lijst;
}

bool ProductieDatabaseBeschikbaar() {
    ProductieLijst();
    return !ProductieDatabasePad.isEmpty() && BestandBestaat(ProductieDatabasePad);
}

bool LaadProductie(int32_t serie) {
    if (!ProductieDatabaseBeschikbaar()) return true;
    std::optional<LoopFout> fout;
    const int64_t van = int64_t(serie) - 250;
    int64_t tot = int64_t(serie) + 250;
    if (van < std::numeric_limits<int32_t>::min() || tot > std::numeric_limits<int32_t>::max()) {
        fout = fouten::Overloop();
    } else {
        int32_t tot32 = static_cast<int32_t>(tot);
        ProductieLijst().Load(ProductieDatabasePad, static_cast<int32_t>(van), tot32, QString());
        fout = ProductieLijst().Fout();
    }
    if (!fout) return true;
    const QString CRLF = QStringLiteral("\r\n");
    ToonStandaardMelding(QStringLiteral("Kan '") + ProductieDatabasePad +
                             QStringLiteral("' (Serienummers) niet openen !") + CRLF + CRLF +
                             QString::number(fout->Nummer) + QLatin1Char(':') + CRLF + fout->Beschrijving,
                         vbCritical | vbOKOnly);
    return false;
}

QString ToestelVanSerienummer(int32_t serie, std::optional<LoopFout>* fout) {
    if (fout) fout->reset();
    if (!ProductieDatabaseBeschikbaar()) {
        ProductieItem.reset();
        return QString();
    }
    ProductieItem = ProductieLijst().FindBySerialNbr(serie, ProductieDatabasePad);
    if (fout) *fout = ProductieLijst().Fout();
    return ProductieItem ? TrimSpaties(ProductieItem->Toestel()) : QString();
}

void ResetBeheer() {
    lijst.reset();
    ProductieItem.reset();
    ProductieDatabasePad.clear();
}
