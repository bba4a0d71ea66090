#include "calibration/Standaardbestanden.h"

#include "platform/Tekstbestand.h"

#include <QFile>
#include <QFileInfo>

QString IngebouwdStandaardbestand(const QString& naam) {
    Q_INIT_RESOURCE(Standaardbestanden);
    const QString pad = QStringLiteral(":/standaard/") + naam;
    return !naam.isEmpty() && QFileInfo(pad).isFile() ? pad : QString();
}

bool KopieerStandaardbestand(const QString& bron, const QString& doel) {
    if (QFileInfo::exists(doel)) return true;
    const QString van =
        QFileInfo(bron).isFile() ? bron : IngebouwdStandaardbestand(QFileInfo(doel).fileName());
    if (van.isEmpty()) return true;
    // Read and written rather than copied: a copy would keep the read-only mode of a built-in file.
    QByteArray inhoud;
    return platform::LeesBestand(van, inhoud) && platform::SchrijfBestandVeilig(doel, inhoud);
}
