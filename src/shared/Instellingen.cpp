#include "shared/Instellingen.h"

#include "platform/Opslag.h"
#include "shared/Systeemfuncties.h"

#include <QLocale>

namespace {
QString getal(double w, int cijfers) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    QString t = loc.toString(w, 'g', cijfers);
    // The runtime writes an exponent as "1E+20", not "1e+20".
    t.replace(QLatin1Char('e'), QLatin1Char('E'));
    return t;
}
} // namespace

QString SingleAlsTekst(float waarde) {
    return getal(static_cast<double>(waarde), 7);
}
QString DoubleAlsTekst(double waarde) {
    return getal(waarde, 15);
}
QString BooleanAlsTekst(bool waarde) {
    return waarde ? QStringLiteral("True") : QStringLiteral("False");
}

void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel,
                      const QString& waarde) {
    platform::BewaarOpslag(app, sectie, sleutel, waarde);
}
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, const char* waarde) {
    BewaarInstelling(app, sectie, sleutel, QString::fromUtf8(waarde));
}
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, int waarde) {
    BewaarInstelling(app, sectie, sleutel, QString::number(waarde));
}
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, bool waarde) {
    BewaarInstelling(app, sectie, sleutel, BooleanAlsTekst(waarde));
}
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, float waarde) {
    BewaarInstelling(app, sectie, sleutel, SingleAlsTekst(waarde));
}
void BewaarInstelling(const QString& app, const QString& sectie, const QString& sleutel, double waarde) {
    BewaarInstelling(app, sectie, sleutel, DoubleAlsTekst(waarde));
}

QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel,
                       const QString& standaard) {
    return platform::LeesOpslag(app, sectie, sleutel, standaard);
}
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel,
                       const char* standaard) {
    return LeesInstelling(app, sectie, sleutel, QString::fromUtf8(standaard));
}
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel, int standaard) {
    return LeesInstelling(app, sectie, sleutel, QString::number(standaard));
}
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel, float standaard) {
    return LeesInstelling(app, sectie, sleutel, SingleAlsTekst(standaard));
}
QString LeesInstelling(const QString& app, const QString& sectie, const QString& sleutel, double standaard) {
    return LeesInstelling(app, sectie, sleutel, DoubleAlsTekst(standaard));
}

void WisInstelling(const QString& app, const QString& sectie, const QString& sleutel) {
    platform::WisOpslag(app, sectie, sleutel);
}

bool LeesBooleanInstelling(const QString& sectie, const QString& sleutel, bool standaard) {
    const QString t = LeesInstelling(AppNaam, sectie, sleutel, BooleanAlsTekst(standaard)).trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
    bool getal = false;
    const double w = t.toDouble(&getal);
    return getal ? w != 0 : standaard;
}
