#include "files/Configuratietekst.h"

#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <cmath>

std::optional<bool> TekstNaarBoolean(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    QString getal = t;
    getal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double w = getal.toDouble(&ok);
    if (!ok || !std::isfinite(w)) return std::nullopt;
    return w != 0.0;
}

bool LeesConfiguratieRegels(const QString& pad, QStringList& regels) {
    QByteArray inhoud;
    if (!platform::LeesBestand(pad, inhoud)) return false;
    regels = platform::SplitsRegels(platform::DecodeerTekstbestand(inhoud));
    return true;
}

QByteArray ConfiguratieBytes(const QStringList& regels) {
    QString tekst;
    for (const QString& r : regels)
        tekst += r + QStringLiteral("\r\n");
    return platform::NaarWindows1252(tekst);
}

std::optional<SleutelRegel> SplitsSleutelRegel(const QString& regel) {
    const qsizetype is = regel.indexOf(QLatin1Char('='));
    if (is < 0) return std::nullopt;
    return SleutelRegel{regel.left(is).toLower(), regel.mid(is + 1)};
}

void MeldSchrijffout(const QString& pad) {
    ToonMelding(SchrijffoutTekst(pad), vbExclamation, pad);
}

bool SchrijfInstellingenOpslag() {
    if (platform::SchrijfOpslag()) return true;
    MeldSchrijffout(platform::OpslagBestand(AppNaam));
    return false;
}
