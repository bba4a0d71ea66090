#include "Fabriekomgeving.h"

#include "factory/Afregeling.h"
#include "factory/Beheer.h"
#include "shared/Melding.h"

#include <QDir>

int MeldingOpname::Toon(const QString& tekst, int stijl, const QString& titel) {
    meldingen.push_back({tekst, stijl, titel});
    if (bijMelding) bijMelding(meldingen.back());
    if (antwoorden.empty()) return StandaardAntwoord(stijl);
    const int antwoord = antwoorden.front();
    antwoorden.pop_front();
    return antwoord;
}

void MeldingOpname::installeer() {
    ZetMeldingVenster(this);
}

QStringList MeldingOpname::teksten() const {
    QStringList t;
    for (const GetoondeMelding& m : meldingen)
        t << m.tekst;
    return t;
}

void RichtFabriekIn(const QString& map) {
    QDir().mkpath(map + QStringLiteral("/Databases/AfregelData"));
    ProductieDatabasePad = map + QStringLiteral("/Databases/PROD_2016.mdb");
    AfregelMap = map + QStringLiteral("/Databases/AfregelData/");
    MaakProductieDatabase(ProductieDatabasePad);
}

void FabriekOmgeving::SetUp() {
    SchoneOmgeving::SetUp();
    RichtFabriekIn(tijdelijkeMap());
    ASSERT_TRUE(QFile::exists(ProductieDatabasePad));
    melding.installeer();
}

QString FabriekOmgeving::db() const {
    return ProductieDatabasePad;
}
