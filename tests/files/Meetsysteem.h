#pragma once
// A small rack system for the file tests: rack 1 "Lab A" (measuring) with a K761 in slot 1 and a K762 in
// slot 3, rack 2 "Lab:B" (not measuring) with a K761 in slot 2, and the live values of a snapshot.
#include "acquisition/RackModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>

inline QString u8(const char* t) {
    return QString::fromUtf8(t);
}

inline void BouwMeetsysteem() {
    RackRecord& a = Racks[1];
    a.Present = true;
    a.Name = "  Lab A";
    RackVlaggen[1].Measure = true;
    ModuleRecord& ph = a.Modules[1];
    ph.Present = true;
    ph.Type = "K761";
    ph.Name = "pH/Redox";
    ph.Meting[1].Name = "CH1";
    ph.Meting[1].Set = true;
    ph.Meting[1].Unit = "pH";
    ph.Meting[1].Resolution = 2;
    ph.Meting[1].Waarde = 7.012f;
    ph.Meting[2].Name = "  Redox";
    ph.Meting[2].Set = true;
    ph.Meting[2].Unit = "mV";
    ph.Meting[2].Waarde = -123.4f;
    ph.Meting[2].Flags = VlagBovenBereik;
    ph.Meting[3].Name = "";
    ph.Meting[3].Set = false;
    ph.Meting[4].Name = "Oxygen \"in\"";
    ph.Meting[4].Set = true;
    ph.Meting[4].Unit = "mg/l";
    ph.Meting[4].Resolution = 1;
    ph.Meting[4].Waarde = 8.25f;
    for (int c = 1; c <= 4; ++c) {
        ph.Temperatuur[c].Unit = u8("°C");
        ph.Temperatuur[c].Resolution = 1;
        ph.Temperatuur[c].Waarde = 21.04f + c;
    }
    ph.Temperatuur[2].Unit = u8("°F");

    ModuleRecord& ec = a.Modules[3];
    ec.Present = true;
    ec.Type = "K762";
    ec.Name = "EC 1";
    ec.Meting[1].Name = "Cell";
    ec.Meting[1].Set = true;
    ec.Meting[1].Unit = "S/cm";
    ec.Meting[1].Resolution = 1;
    ec.Meting[1].Extra = 1;
    ec.Meting[1].Waarde = 0.001413f;
    for (int c = 1; c <= 4; ++c) {
        ec.Temperatuur[c].Unit = u8("°C");
        ec.Temperatuur[c].Waarde = 25.0f;
    }

    RackRecord& b = Racks[2];
    b.Present = true;
    b.Name = "Lab:B";
    RackVlaggen[2].Measure = false;
    ModuleRecord& ise = b.Modules[2];
    ise.Present = true;
    ise.Type = "K761";
    ise.Name = "ISE";
    ise.Meting[1].Name = "Nitrate";
    ise.Meting[1].Set = true;
    ise.Meting[1].Unit = "g/l";
    ise.Meting[1].Resolution = 22;
    ise.Meting[1].Waarde = -3.2f;
    for (int c = 1; c <= 4; ++c)
        ise.Temperatuur[c].Unit = "K";
}

// The folder of the golden files, beside the test data (the build gives its absolute path: a source
// path may be relative to the build folder, which is not where the tests run).
inline QString GoldenMap(const QString& naam) {
    return QFileInfo(QStringLiteral(K740_FILES_DATA)).absolutePath() + QStringLiteral("/golden/") + naam;
}

inline QByteArray LeesBytes(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void SchrijfBytes(const QString& pad, const QByteArray& bytes) {
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Every file of `map` equals the file of that name in the golden folder `golden`, and no file is
// missing or extra.
inline void VergelijkMetGolden(const QString& map, const QString& golden) {
    const QStringList gemaakt = QDir(map).entryList(QDir::Files, QDir::Name);
    const QStringList verwacht = QDir(golden).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(gemaakt, verwacht);
    for (const QString& naam : verwacht)
        EXPECT_EQ(LeesBytes(map + QLatin1Char('/') + naam), LeesBytes(golden + QLatin1Char('/') + naam))
            << naam.toStdString();
}
