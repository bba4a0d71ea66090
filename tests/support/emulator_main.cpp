// k740-emulator: racks of the rack emulator on a pseudo-terminal, to run the program against by hand
// and for the screenshots. Prints the pseudo-terminal's path on a line of its own and serves it until
// it is ended.
//
//   k740-emulator [--racks N] [--modules M] [--silent R.P]... [--silent-after S] [--silent-for S]
//                 [--over-range R.P.C]... [--logon-gap MS] [--rack-turnaround MS] [--rising] [--store]
//                 [--answering-file F]
//
// Racks 1..N (default 1) hold modules at positions 1..M (default 7): a K761 at odd positions, a K762
// at even ones, each with readings of its own and a temperature sensor on every input. --silent R.P:
// module P of rack R does not answer; by default never, with --silent-after S only from S seconds after
// the start (it answers until then), with --silent-for S again after S seconds of silence, so that its
// curves get a gap between readings. --over-range R.P.C: input C of module P of rack R reads the top of
// the ADC, beyond the range of a mV input. --logon-gap MS: rack R answers the broadcast log-on
// (R - 1) x MS milliseconds after rack 1. --rack-turnaround MS: every rack answers its own requests
// (the log-on, the identification) MS late, so that handling a log-on takes a while. --rising: input 1 of
// every module reads one step (0.1 mV on a mV input) more every 100 ms, so that each logged row holds a new
// reading. --store: the log-on records and configuration files of these racks, and the pseudo-terminal as the
// "Serial port", are written into the settings store and the documents folder of this user (the program's own
// writers), so that the program polls at once when it starts. --answering-file F: the file holds a number N,
// read four times a second; racks above N are silent, as if they were taken off the line, and answer again
// when N grows (a rack added to the line for a Search, without the port going away).
#include "PollHarnas.h"
#include "RackEmulator.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/RackConfiguratie.h"
#include "platform/Opslag.h"
#include "shared/Algemeen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shell/Beginstand.h"
#include "shell/Programmainstellingen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// "a.b" or "a.b.c" as numbers, each within its bounds.
std::optional<std::vector<int>> Plaats(const QString& tekst, const std::vector<int>& maxima) {
    const QStringList delen = tekst.split(QLatin1Char('.'));
    if (delen.size() != static_cast<qsizetype>(maxima.size())) return std::nullopt;
    std::vector<int> getallen;
    for (size_t i = 0; i < maxima.size(); ++i) {
        bool ok = false;
        const int n = delen[static_cast<qsizetype>(i)].toInt(&ok);
        if (!ok || n < 1 || n > maxima[i]) return std::nullopt;
        getallen.push_back(n);
    }
    return getallen;
}

int Fout(const QString& tekst) {
    std::fprintf(stderr, "k740-emulator: %s\n", qPrintable(tekst));
    return 2;
}

// The racks as the program registers them after a log-on, written with its own writers.
void Bewaar(int racks, int modules, const QString& poort) {
    AppNaam = QStringLiteral("K740");
    LeesSysteemInfo();
    MapConfiguratie = StandaardMap(QStringLiteral("Configuration"));
    MaakMappen(MapConfiguratie);
    for (int r = 1; r <= racks; ++r) {
        RackRecord& rack = Racks[r];
        rack.Present = true;
        rack.Idno = PollHarnas::RackNummer(r);
        rack.Name = QStringLiteral("Rack ") + IdnoAlsTekst(rack.Idno);
        for (int p = 1; p <= modules; ++p) {
            ModuleRecord& m = rack.Modules[p];
            m.Present = true;
            m.Idno = PollHarnas::ModuleNummer(r, p);
            m.Name = SoortUitIdno(m.Idno);
            for (int c = 1; c <= AantalIngangen; ++c)
                m.Meting[c].Name = QStringLiteral("CH%1").arg(c);
        }
        ZetKanaalEenheden(r);
        SchrijfRackConfiguratie(r);
    }
    BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"), poort);
    platform::SchrijfOpslag();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ResetProgramma();
    QCommandLineParser opties;
    opties.setApplicationDescription(QStringLiteral("K740 racks on a pseudo-terminal."));
    opties.addHelpOption();
    const QCommandLineOption optRacks(QStringLiteral("racks"), QStringLiteral("Racks 1..N."),
                                      QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption optModules(QStringLiteral("modules"),
                                        QStringLiteral("Modules at positions 1..M."), QStringLiteral("M"),
                                        QStringLiteral("7"));
    const QCommandLineOption optStil(
        QStringLiteral("silent"), QStringLiteral("Module P of rack R never answers."), QStringLiteral("R.P"));
    const QCommandLineOption optBereik(
        QStringLiteral("over-range"), QStringLiteral("Input C of module P of rack R reads beyond its range."),
        QStringLiteral("R.P.C"));
    const QCommandLineOption optGat(QStringLiteral("logon-gap"),
                                    QStringLiteral("Each rack answers the log-on MS after the one before."),
                                    QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption optOmkeer(
        QStringLiteral("rack-turnaround"),
        QStringLiteral("Every rack answers its own requests (log-on, identification) MS late."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption optBewaar(
        QStringLiteral("store"),
        QStringLiteral("Write the racks and this port into the user's settings store and documents folder."));
    const QCommandLineOption optStilNa(QStringLiteral("silent-after"),
                                       QStringLiteral("The silent modules answer for the first S seconds."),
                                       QStringLiteral("S"), QStringLiteral("0"));
    const QCommandLineOption optStilDuur(
        QStringLiteral("silent-for"),
        QStringLiteral("The silent modules answer again after S seconds of silence (0: never)."),
        QStringLiteral("S"), QStringLiteral("0"));
    const QCommandLineOption optStijgend(
        QStringLiteral("rising"),
        QStringLiteral("Input 1 of every module reads one step more every 100 ms."));
    const QCommandLineOption optAntwoordend(
        QStringLiteral("answering-file"),
        QStringLiteral("Racks above the number this file holds are silent (read four times a second)."),
        QStringLiteral("F"));
    opties.addOptions({optRacks, optModules, optStil, optStilNa, optStilDuur, optBereik, optGat, optOmkeer,
                       optStijgend, optBewaar, optAntwoordend});
    opties.process(app);

    bool ok = false;
    const int racks = opties.value(optRacks).toInt(&ok);
    if (!ok || racks < 1 || racks > AantalRacks) return Fout(QStringLiteral("--racks takes 1..16"));
    const int modules = opties.value(optModules).toInt(&ok);
    if (!ok || modules < 1 || modules > AantalModules) return Fout(QStringLiteral("--modules takes 1..7"));
    const int gat = opties.value(optGat).toInt(&ok);
    if (!ok || gat < 0 || gat > 60000) return Fout(QStringLiteral("--logon-gap takes 0..60000"));
    const int omkeer = opties.value(optOmkeer).toInt(&ok);
    if (!ok || omkeer < 0 || omkeer > 5000) return Fout(QStringLiteral("--rack-turnaround takes 0..5000"));
    const int stilNa = opties.value(optStilNa).toInt(&ok);
    if (!ok || stilNa < 0 || stilNa > 86400) return Fout(QStringLiteral("--silent-after takes 0..86400"));
    const int stilDuur = opties.value(optStilDuur).toInt(&ok);
    if (!ok || stilDuur < 0 || stilDuur > 86400) return Fout(QStringLiteral("--silent-for takes 0..86400"));

    RackEmulator emulator;
    for (int r = 1; r <= racks; ++r) {
        RackEmulator::Rack& rack = emulator.zetRack(r, PollHarnas::RackNummer(r));
        rack.aanmeldVertragingMs = (r - 1) * gat;
        rack.omkeertijdMs = omkeer;
        for (int p = 1; p <= modules; ++p) {
            RackEmulator::Module& m = emulator.zetModule(r, p, PollHarnas::ModuleNummer(r, p));
            m.status = 0x0F;
            for (int c = 1; c <= AantalIngangen; ++c) {
                m.adc[c - 1] = PollHarnas::Meetwaarde(r, p, c);
                m.temperatuurAdc[c - 1] = PollHarnas::Temperatuurwaarde(r, p, c);
            }
        }
    }
    std::vector<int32_t> stil;
    for (const QString& tekst : opties.values(optStil)) {
        const auto plaats = Plaats(tekst, {racks, modules});
        if (!plaats) return Fout(QStringLiteral("--silent takes R.P of a placed module: ") + tekst);
        stil.push_back(PollHarnas::ModuleNummer((*plaats)[0], (*plaats)[1]));
    }
    const auto zetStil = [&emulator, stil](bool aan) {
        for (const int32_t idno : stil)
            emulator.module(idno)->stil = aan;
    };
    if (stilNa > 0)
        QTimer::singleShot(stilNa * 1000, &app, [zetStil] { zetStil(true); });
    else
        zetStil(true);
    if (stilDuur > 0) QTimer::singleShot((stilNa + stilDuur) * 1000, &app, [zetStil] { zetStil(false); });
    for (const QString& tekst : opties.values(optBereik)) {
        const auto plaats = Plaats(tekst, {racks, modules, AantalIngangen});
        if (!plaats) return Fout(QStringLiteral("--over-range takes R.P.C of a placed module: ") + tekst);
        emulator.module(PollHarnas::ModuleNummer((*plaats)[0], (*plaats)[1]))->adc[(*plaats)[2] - 1] = 32767;
    }

    QTimer stijging;
    if (opties.isSet(optStijgend)) {
        QObject::connect(&stijging, &QTimer::timeout, &app, [&emulator, racks, modules] {
            for (int r = 1; r <= racks; ++r)
                for (int p = 1; p <= modules; ++p)
                    if (RackEmulator::Module* m = emulator.module(PollHarnas::ModuleNummer(r, p));
                        m && m->adc[0] < 30000)
                        ++m->adc[0];
        });
        stijging.start(100);
    }

    QTimer antwoordend;
    if (opties.isSet(optAntwoordend)) {
        const QString bestand = opties.value(optAntwoordend);
        const auto lees = [&emulator, bestand, racks] {
            QFile f(bestand);
            if (!f.open(QIODevice::ReadOnly)) return;
            bool getal = false;
            const int n = QString::fromLatin1(f.readAll()).trimmed().toInt(&getal);
            if (!getal) return;
            for (int r = 1; r <= racks; ++r)
                if (RackEmulator::Rack* rack = emulator.rack(r)) rack->stil = r > n;
        };
        lees();
        QObject::connect(&antwoordend, &QTimer::timeout, &app, lees);
        antwoordend.start(250);
    }

    const QString pad = emulator.openPty();
    if (pad.isEmpty()) return Fout(QStringLiteral("no pseudo-terminal could be made"));
    // Only the racks that answer at the start are registered.
    int bewaard = racks;
    for (int r = racks; r >= 1; --r)
        if (const RackEmulator::Rack* rack = emulator.rack(r); rack && rack->stil) bewaard = r - 1;
    if (opties.isSet(optBewaar)) Bewaar(bewaard, modules, pad);
    std::printf("%s\n", qPrintable(pad));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
