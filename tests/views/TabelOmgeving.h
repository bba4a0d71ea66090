#pragma once
// The surroundings of the table window tests: a small rack system, the table windows made as the
// program makes them, a message box that records every question and answers from a list, a recording
// main window, and a data folder with a measurement file of that system.
//
// Rack 1 "Lab A" (measured) holds a K761 "pH/Redox" in slot 1 and a K762 "EC 1" in slot 4; rack 2
// "Lab B" a K761 "ISE" in slot 2. A file line therefore holds the time and three module blocks of 21
// fields, in the order rack 1 slot 1, rack 1 slot 4, rack 2 slot 2.
#include "OpnameHoofdvenster.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/CsvVelden.h"
#include "files/Meetbestand.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"
#include "views/frmTabel.h"

#include <QDir>
#include <QFile>
#include <deque>
#include <ostream>
#include <vector>

inline QString u8(const char* t) {
    return QString::fromUtf8(t);
}

// Cell texts readable in a failure's message.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& tekst, std::ostream* uit) {
    *uit << '"' << tekst.toStdString() << '"';
}
QT_END_NAMESPACE

class TabelOmgeving : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        BouwRacks();
        // The table window's sides, as the program registers them.
        ZetTabelvensterMaker(&maker);
        ZetTabelvensterHerstel(&herstel);
        ZetRackvensterActies(&rackingangen);
        ZetHoofdvenster(&hoofd);
        ZetMeldingVenster(&melding);
        map = tijdelijkeMap() + QStringLiteral("/Data");
        QDir().mkpath(map);
        MapGegevens = map;
        pad = map + QStringLiteral("/run.csv");
        Gegevensbestand = pad;
    }
    void TearDown() override {
        ZetHoofdvenster(nullptr);
        SchoneOmgeving::TearDown();
    }

    static void BouwRacks() {
        RackRecord& a = Racks[1];
        a.Present = true;
        a.Name = "  Lab A  ";
        RackVlaggen[1].Measure = true;
        ModuleRecord& ph = a.Modules[1];
        ph.Present = true;
        ph.Type = "K761";
        ph.Name = " pH/Redox ";
        const char* eenheden[] = {"", "pH", "mV", "mV", "mg/l"};
        for (int c = 1; c <= 4; ++c) {
            ph.Meting[c].Set = c != 3;
            ph.Meting[c].Unit = eenheden[c];
            ph.Meting[c].Resolution = c == 1 ? 2 : 1;
            ph.Temperatuur[c].Unit = u8("°C");
            ph.Temperatuur[c].Resolution = 1;
            ph.Temperatuur[c].Waarde = 21.5f;
        }
        ph.Meting[1].Waarde = 7.012f;
        ph.Meting[2].Waarde = -123.4f;
        ph.Meting[4].Waarde = 8.25f;
        ModuleRecord& ec = a.Modules[4];
        ec.Present = true;
        ec.Type = "K762";
        ec.Name = "EC 1";
        for (int c = 1; c <= 4; ++c) {
            ec.Meting[c].Set = c <= 2;
            ec.Meting[c].Unit = "S/cm";
            ec.Meting[c].Resolution = 1;
            ec.Meting[c].Extra = 0;
            ec.Meting[c].Waarde = 0.001413f;
            ec.Temperatuur[c].Unit = u8("°F");
            ec.Temperatuur[c].Resolution = 1;
            ec.Temperatuur[c].Waarde = 25.0f;
        }
        RackRecord& b = Racks[2];
        b.Present = true;
        b.Name = "Lab B";
        ModuleRecord& ise = b.Modules[2];
        ise.Present = true;
        ise.Type = "K761";
        ise.Name = "ISE";
        ise.Meting[1].Set = true;
        ise.Meting[1].Unit = "mV";
        for (int c = 1; c <= 4; ++c)
            ise.Temperatuur[c].Unit = u8("°C");
    }

    // The table window of rack r, made as the engine makes it when it is first needed.
    frmTabel& tabel(int r) {
        TabelVensters.Maak(r);
        return *frmTabelVan(r);
    }

    // A line of the fields `f` (field n of `velden` replaced), written as the program writes a line.
    static QString RegelVan(QStringList f, const std::vector<std::pair<int, QString>>& velden = {}) {
        for (const auto& [n, tekst] : velden)
            f[n - 1] = tekst;
        QString regel;
        for (qsizetype i = 0; i < f.size(); ++i)
            VoegCsvVeldToe(regel, f[i], i + 1 == f.size());
        regel.chop(2);
        return regel;
    }
    // A line of the test system's file at second s of 5 January 2026: per module block input 1 with
    // the given value, unit and a temperature in °C, inputs 2..4 with their own values, and the info
    // text; `velden` (field number, text) then replaces single fields, written as the program writes a
    // field.
    static QString Regel(int s, const QString& info = QString(),
                         const std::vector<std::pair<int, QString>>& velden = {}) {
        QStringList f;
        f << QStringLiteral("05/01/2026 09:%1:%2")
                 .arg(s / 60, 2, 10, QLatin1Char('0'))
                 .arg(s % 60, 2, 10, QLatin1Char('0'));
        for (int m = 0; m < 3; ++m) {
            for (int n = 1; n <= 4; ++n)
                f << QStringLiteral("0")
                  << QStringLiteral("%1.%2").arg(n).arg(s % 100, 2, 10, QLatin1Char('0'))
                  << (n == 1 ? QStringLiteral("pH") : QStringLiteral("mV")) << QStringLiteral("21.5")
                  << u8("°C");
            f << info;
        }
        return RegelVan(f, velden);
    }
    // The end point at second s of the same system: the time, the flags 0 (as a Save As from the tables
    // writes them) and every other field empty but the modules' info texts.
    static QString Eindpunt(int s, const QString& info = QString(),
                            const std::vector<std::pair<int, QString>>& velden = {}) {
        QStringList f = SplitsVelden(Regel(s, info));
        for (qsizetype i = 1; i < f.size(); ++i) {
            const qsizetype plek = (i - 1) % 21;
            if (plek != 20) f[i] = plek % 5 == 0 ? QStringLiteral("0") : QString();
        }
        return RegelVan(f, velden);
    }
    // The bytes of a file: its header and lines, Windows-1252 with CR LF.
    static QByteArray Bytes(const QStringList& regels) {
        QByteArray bytes = platform::NaarWindows1252(QStringLiteral("\"Time\",\"header\"\r\n"));
        for (const QString& r : regels)
            bytes += platform::NaarWindows1252(r) + "\r\n";
        return bytes;
    }
    static QByteArray Lees(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Schrijf(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // Lines at seconds 1..n written to the data file and loaded into the tables.
    QStringList Laad(int n) {
        QStringList regels;
        for (int s = 1; s <= n; ++s)
            regels << Regel(s);
        Schrijf(pad, Bytes(regels));
        LeesGegevensbestand(pad);
        return regels;
    }
    QString nieuw() const { return pad + QStringLiteral(".new"); }

    FrmTabelMaker maker;
    FrmTabelHerstel herstel;
    FrmTabelRackingangen rackingangen;
    OpnameHoofdvenster hoofd;
    OpnameMelding melding;
    std::vector<Vraag>& vragen = melding.vragen;
    std::deque<int>& antwoorden = melding.antwoorden;
    QString map;
    QString pad;
};
