#pragma once
// What several benchmarks share: the process's memory figures, a measurement file of one full rack as
// the logging writes it, the plain read that loads are measured against, and a main with a display.
#include "acquisition/RackModel.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Opslag.h"
#include "shell/Beginstand.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

// The process's user and system time in seconds (getrusage).
inline double ProcessorSeconden() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// The processor time of the calling thread in microseconds.
inline double DraadProcessortijd() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// A clean program on the virtual clock, in the English (UK) locale, with its settings store in
// `opslagMap`; EindSchoon puts the real clock and the user's store back after the program's reset.
inline void BeginSchoon(const QString& opslagMap) {
    platform::zetKlok(std::make_unique<platform::VirtueleKlok>());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    platform::ZetOpslagMap(opslagMap);
    ResetProgramma();
}
inline void EindSchoon() {
    platform::ZetOpslagMap(QString());
    platform::zetKlok(nullptr);
}

// Rack `r` with 7 K761 modules of 4 pH inputs (two decimals) with a temperature sensor each, measuring.
inline void BouwPhRack(int r) {
    Racks[r].Present = true;
    Racks[r].Name = QStringLiteral("Rack %1").arg(r);
    RackVlaggen[r].Measure = true;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[r].Modules[m];
        mod.Present = true;
        mod.Type = "K761";
        mod.Name = QStringLiteral("Module %1").arg(m);
        for (int c = 1; c <= AantalIngangen; ++c) {
            mod.Meting[c].Set = true;
            mod.Meting[c].Name = QStringLiteral("Input %1").arg(c);
            mod.Meting[c].Unit = "pH";
            mod.Meting[c].Resolution = 2;
            mod.Meting[c].Waarde = 7.0f + 0.01f * static_cast<float>(c + m);
            mod.Temperatuur[c].Unit = QString::fromUtf8("°C");
            mod.Temperatuur[c].Resolution = 1;
            mod.Temperatuur[c].Waarde = 21.5f;
        }
    }
}

// The middle one of a few measurements.
inline double Mediaan(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 when it is not there.
inline qint64 StatusWaarde(const char* sleutel) {
    std::ifstream f("/proc/self/status");
    std::string regel;
    const std::string s = std::string(sleutel) + ":";
    while (std::getline(f, regel))
        if (regel.rfind(s, 0) == 0) return std::stoll(regel.substr(s.size())) * 1024;
    return 0;
}

// Resets the resident high-water mark to the present size (false when the system does not allow it).
inline bool ResetPiek() {
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
    f.flush();
    return f.good();
}

// How the rows of a made measurement file differ from what the logging writes: the file saved again as
// UTF-8 by another program, or its temperatures logged in degrees Fahrenheit.
enum class Bestandssoort { Gelogd, Utf8, Fahrenheit };

// `rijen` rows of rack 1 with 7 modules of 4 pH inputs, one a second, as the logging writes them
// (Windows-1252, CR LF), to `pad`: about 830 bytes a row. Returns `pad`.
inline QString SchrijfMeetbestand(const QString& pad, int64_t rijen,
                                  Bestandssoort soort = Bestandssoort::Gelogd) {
    const bool fahrenheit = soort == Bestandssoort::Fahrenheit;
    const QByteArray graden = soort == Bestandssoort::Utf8 ? QByteArray("\xC2\xB0") : QByteArray("\xB0");
    const QByteArray eenheid = "\",\"" + graden + (fahrenheit ? "F\"" : "C\"");
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly)) return pad;
    QByteArray bytes = "\"Time\"\r\n";
    const platform::Datum begin = platform::MaakDatum(2026, 1, 5, 8, 0, 0);
    for (int64_t i = 0; i < rijen; ++i) {
        bytes += '"' + platform::DatumTijdTekst(begin + static_cast<double>(i) / 86400.0).toLatin1() + '"';
        for (int m = 1; m <= AantalModules; ++m) {
            for (int c = 1; c <= AantalIngangen; ++c) {
                bytes += ",\"0\",\"";
                bytes +=
                    QByteArray::number(6.5 + static_cast<double>((i * 7 + m * 3 + c) % 100) / 100.0, 'f', 2);
                bytes += "\",\"pH\",\"";
                const double celsius = 20.0 + static_cast<double>((i + m + c) % 50) / 10.0;
                bytes += QByteArray::number(fahrenheit ? 32.0 + celsius * 1.8 : celsius, 'f', 1);
                bytes += eenheid;
            }
            bytes += i % 1000 == 0 ? ",\"calibrated\"" : ",\"\"";
        }
        bytes += "\r\n";
        if (bytes.size() > (1 << 22)) {
            f.write(bytes);
            bytes.clear();
        }
    }
    f.write(bytes);
    return pad;
}

// The plain read: every line with std::getline, split on "," into std::string fields without their
// qualifiers. Seconds taken; `velden` counts the fields.
inline double GewoneLezing(const QString& pad, int64_t& velden) {
    const auto begin = std::chrono::steady_clock::now();
    std::ifstream f(pad.toStdString(), std::ios::binary);
    std::string regel;
    std::vector<std::string> delen;
    velden = 0;
    while (std::getline(f, regel)) {
        if (!regel.empty() && regel.back() == '\r') regel.pop_back();
        delen.clear();
        std::size_t van = 0;
        for (;;) {
            const std::size_t komma = regel.find(',', van);
            std::size_t a = van;
            std::size_t b = komma == std::string::npos ? regel.size() : komma;
            if (b - a >= 2 && regel[a] == '"' && regel[b - 1] == '"') {
                ++a;
                --b;
            }
            delen.emplace_back(regel, a, b - a);
            if (komma == std::string::npos) break;
            van = komma + 1;
        }
        velden += static_cast<int64_t>(delen.size());
        benchmark::DoNotOptimize(delen.data());
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// What must end before the QApplication does, newest first (GedeeldeOpstelling adds to it).
inline std::vector<std::function<void()>>& EindeVoorApplicatie() {
    static std::vector<std::function<void()>> einde;
    return einde;
}

// A set-up that several benchmarks of a program share, made on first use and kept until the benchmarks
// have run. Not a function-static object: one that holds widgets would be destroyed at the process's
// exit, after the QApplication, and crash there; DraaiMetVensters ends it while the QApplication is
// still there.
template <class T> T& GedeeldeOpstelling() {
    static std::unique_ptr<T> opstelling;
    if (!opstelling) {
        opstelling = std::make_unique<T>();
        EindeVoorApplicatie().push_back([] { opstelling.reset(); });
    }
    return *opstelling;
}

// The main of a benchmark that needs windows: offscreen unless a display platform is named.
inline int DraaiMetVensters(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::vector<std::function<void()>>& einde = EindeVoorApplicatie();
    while (!einde.empty()) {
        const std::function<void()> eind = std::move(einde.back());
        einde.pop_back();
        eind();
    }
    return 0;
}
