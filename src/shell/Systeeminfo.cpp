#include "shell/Systeeminfo.h"

#include "shared/Algemeen.h"
#include "shared/Teksten.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QSysInfo>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {

QPointer<QDialog> venster;

// "MemTotal" or "MemAvailable" of /proc/meminfo in kB; -1 when unknown.
qint64 Geheugen(const char* sleutel) {
    QFile f(QStringLiteral("/proc/meminfo"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray naam = QByteArray(sleutel) + ':';
    // The file reports no size: it is read whole, not up to its "end".
    for (const QByteArray& regel : f.readAll().split('\n')) {
        if (!regel.startsWith(naam)) continue;
        bool goed = false;
        const qint64 kb = regel.mid(naam.size()).trimmed().split(' ').value(0).toLongLong(&goed);
        return goed ? kb : -1;
    }
    return -1;
}

QString AlsMiB(qint64 kb) {
    return kb < 0 ? QStringLiteral("?") : QStringLiteral("%1 MiB").arg(kb / 1024);
}

} // namespace

QList<QPair<QString, QString>> Systeemgegevens() {
    const QString vrij = QString(Tekst[507]).replace(QStringLiteral("##"), AlsMiB(Geheugen("MemAvailable")));
    return {
        {Tekst[503], QSysInfo::prettyProductName()},
        {Tekst[504], QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()},
        {Tekst[505], QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion())},
        {Tekst[506], AlsMiB(Geheugen("MemTotal")) + QStringLiteral(" (") + vrij + QLatin1Char(')')},
        {Tekst[508], QSysInfo::machineHostName()},
    };
}

void ToonSysteeminfo() {
    if (!venster) {
        venster = new QDialog;
        venster->setAttribute(Qt::WA_DeleteOnClose);
        venster->setObjectName(QStringLiteral("Systeeminfo"));
        QString titel = VervangAmpersand(Tekst[246], QString());
        while (titel.endsWith(QLatin1Char('.')))
            titel.chop(1);
        venster->setWindowTitle(titel);
        auto* indeling = new QVBoxLayout(venster);
        auto* gegevens = new QFormLayout;
        for (const auto& [label, waarde] : Systeemgegevens()) {
            auto* w = new QLabel(waarde);
            w->setTextFormat(Qt::PlainText);
            w->setTextInteractionFlags(Qt::TextSelectableByMouse);
            gegevens->addRow(label + QLatin1Char(':'), w);
        }
        indeling->addLayout(gegevens);
        auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok);
        QObject::connect(knoppen, &QDialogButtonBox::accepted, venster, &QDialog::close);
        indeling->addWidget(knoppen);
    }
    venster->show();
    venster->raise();
    venster->activateWindow();
}

void SluitSysteeminfo() {
    delete venster.data();
}
