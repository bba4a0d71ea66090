#include "files/RackConfiguratie.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Configuratietekst.h"
#include "files/Eenheidcontrole.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <limits>

namespace {

TabelvensterHerstel* tabelHerstel = nullptr;

TabelvensterHerstel& tabel() {
    return tabelvensterHerstel();
}

bool geldigRack(int r) {
    return r >= 1 && r <= AantalRacks;
}
bool geldigeModule(int m) {
    return m >= 1 && m <= AantalModules;
}
bool geldigeIngang(int i) {
    return i >= 1 && i <= AantalIngangen;
}

QString rackPad(int rack) {
    return RackBestandsnaam(rack, MapConfiguratie, QStringLiteral(".rcf"));
}

QString aanmeldSectie(int rack) {
    return QStringLiteral("Rack") + QString::number(rack);
}

// The identifications of the demonstration rack's seven positions.
const QString DemoModules[AantalModules + 1] = {
    QString(),
    QStringLiteral("F.F.F.1"),
    QStringLiteral("F.F.F.2"),
    QStringLiteral("F.F.F.3"),
    QStringLiteral("F.F.F.4"),
    QStringLiteral("F.F.F.5"),
    QStringLiteral("C.F.F.6"),
    QStringLiteral("C.F.F.7"),
};
const QString DemoRack = QStringLiteral("1.F.F.F");

QStringList regelsVan(int rack) {
    RackRecord& r = Racks[rack];
    const RackVlag& v = RackVlaggen[rack];
    const auto b = [](bool w) { return BooleanAlsTekst(w); };
    const QString leeg;
    r.Name = r.Name.getrimd();
    QStringList s{QStringLiteral("[RACK]"),
                  QStringLiteral("Idno=") + IdnoAlsTekst(r.Idno),
                  QStringLiteral("Name=") + r.Name.getrimd(),
                  QStringLiteral("Measure=") + b(v.Measure),
                  QStringLiteral("Show=") + b(v.Show),
                  QStringLiteral("Table=") + b(v.Table),
                  leeg,
                  leeg};
    for (int m = 1; m <= AantalModules; ++m) {
        const ModuleRecord& mod = r.Modules[m];
        s << QStringLiteral("[MODULE%1]").arg(m) << QStringLiteral("Present=") + b(mod.Present)
          << QStringLiteral("Idno=") + IdnoAlsTekst(mod.Idno)
          << QStringLiteral("Name=") + TrimSpaties(ModuleNaamVan(rack, m));
        for (int i = 1; i <= AantalIngangen; ++i) {
            KanaalRecord& k = r.Modules[m].Meting[i];
            KanaalRecord& t = r.Modules[m].Temperatuur[i];
            k.Unit = k.Unit.getrimd();
            t.Unit = t.Unit.getrimd();
            s << QStringLiteral("[INPUT%1]").arg(i) << QStringLiteral("Name=") + k.Name.tekst()
              << QStringLiteral("Set=") + b(k.Set) << QStringLiteral("Unit=") + k.Unit.getrimd()
              << QStringLiteral("Resolution=") + QString::number(k.Resolution)
              << QStringLiteral("Sensor=") + k.Sensor.tekst()
              << QStringLiteral("Extra=") + OpmaakSingle(k.Extra, QStringLiteral("0.00"));
            s << QStringLiteral("[°C%1]").arg(i) << QStringLiteral("Set=") + b(t.Set)
              << QStringLiteral("Unit=") + t.Unit.getrimd()
              << QStringLiteral("Resolution=") + QString::number(t.Resolution)
              << QStringLiteral("Extra=") + OpmaakSingle(t.Extra, QStringLiteral("0.0"))
              << QStringLiteral("Shared=") + b(t.Shared) << QStringLiteral("UseShared=") + b(t.UseShared)
              << QStringLiteral("ManualFollowsMeasurement=") + b(t.ManualFollowsMeasurement);
        }
        s << leeg << leeg;
    }
    return s;
}

// Where a line of the file applies.
struct Context {
    int module = 0;
    int ingang = 0;
    bool temperatuur = false;
};

// A section's number: a module 1..7 or an input 1..4; any other number (0 too, which would stand for
// the rack or the module itself) gives GeenPlaats, where no line applies.
constexpr int GeenPlaats = -1;
int SectieNummer(const QString& tekst, int hoogste) {
    const int n = TekstNaarInteger(tekst);
    return n >= 1 && n <= hoogste ? n : GeenPlaats;
}

// The section line rules of the full reader; a line that matches none leaves the context as it was.
void leesSectie(const QString& regel, Context& ctx) {
    const QString naam = regel.mid(1);
    if (naam.startsWith(QLatin1String("RACK"))) ctx = Context{};
    if (naam.startsWith(QLatin1String("MODULE"))) {
        ctx.module = SectieNummer(regel.mid(7, 1), AantalModules);
        ctx.ingang = 0;
        ctx.temperatuur = false;
    }
    if (naam.startsWith(QLatin1String("INPUT"))) {
        ctx.ingang = SectieNummer(regel.mid(6, 1), AantalIngangen);
        ctx.temperatuur = false;
    }
    // The degree sign, or any character in its place before "C" and the number.
    if (naam.startsWith(QStringLiteral("°C")) ||
        (regel.size() >= 3 && regel.at(regel.size() - 3) == QLatin1Char('C'))) {
        ctx.ingang = SectieNummer(regel.right(2), AantalIngangen);
        ctx.temperatuur = true;
    }
}

// Applies one key line of the full reader. Lines whose context lacks the module or input they need,
// or whose value is no Boolean where one is needed, change nothing.
void pasSleutelToe(int rack, int16_t modus, const Context& ctx, const QString& sleutel,
                   const QString& waarde) {
    RackRecord& r = Racks[rack];
    RackVlag& vlag = RackVlaggen[rack];
    const bool aanmelding = modus == LeesModusAanmelding;
    const bool metModule = geldigeModule(ctx.module);
    const bool metIngang = metModule && geldigeIngang(ctx.ingang);
    KanaalRecord* kanaal = nullptr;
    if (metIngang) {
        ModuleRecord& mod = r.Modules[ctx.module];
        kanaal = ctx.temperatuur ? &mod.Temperatuur[ctx.ingang] : &mod.Meting[ctx.ingang];
    }
    const std::optional<bool> boolean = TekstNaarBoolean(waarde);

    if (sleutel == QLatin1String("idno")) {
        if (aanmelding) return;
        if (ctx.module == 0) {
            r.Idno = IdnoUitTekst(waarde);
        } else if (metModule) {
            r.Modules[ctx.module].Idno = IdnoUitTekst(waarde);
            r.Modules[ctx.module].Type = ModuleTypeUitIdno(rack, ctx.module);
        }
    } else if (sleutel == QLatin1String("name")) {
        if (ctx.module == 0)
            r.Name = waarde;
        else if (metModule && ctx.ingang == 0)
            r.Modules[ctx.module].Name = ModuleNaam(ctx.module, waarde);
        else if (metIngang)
            r.Modules[ctx.module].Meting[ctx.ingang].Name = KanaalNaam(ctx.ingang, waarde);
    } else if (sleutel == QLatin1String("sensor")) {
        if (metIngang) r.Modules[ctx.module].Meting[ctx.ingang].Sensor = waarde;
    } else if (sleutel == QLatin1String("measure")) {
        if (aanmelding)
            vlag.Measure = true;
        else if (boolean)
            vlag.Measure = *boolean;
    } else if (sleutel == QLatin1String("show")) {
        if (aanmelding)
            vlag.Show = true;
        else if (modus == LeesModusOpstarten && boolean)
            vlag.Show = *boolean;
        if (vlag.Show) MaakRackVenster(rack);
    } else if (sleutel == QLatin1String("table")) {
        if (!aanmelding && boolean) vlag.Table = *boolean;
    } else if (sleutel == QLatin1String("present")) {
        if (!aanmelding && metModule && boolean) r.Modules[ctx.module].Present = *boolean;
    } else if (sleutel == QLatin1String("set")) {
        if (!aanmelding && kanaal && boolean) kanaal->Set = *boolean;
    } else if (sleutel == QLatin1String("unit")) {
        if (kanaal) kanaal->Unit = waarde;
    } else if (sleutel == QLatin1String("resolution")) {
        if (kanaal) kanaal->Resolution = TekstNaarInteger(waarde);
    } else if (sleutel == QLatin1String("extra")) {
        QString getal = waarde;
        getal.replace(QLatin1Char(','), QLatin1Char('.'));
        // A number no single can hold is skipped like any value the reader cannot use.
        const double w = Val(getal);
        if (kanaal && std::isfinite(w) && std::fabs(w) <= std::numeric_limits<float>::max())
            kanaal->Extra = static_cast<float>(w);
    } else if (sleutel == QLatin1String("shared")) {
        if (kanaal && ctx.temperatuur && boolean) kanaal->Shared = *boolean;
    } else if (sleutel == QLatin1String("useshared")) {
        if (kanaal && ctx.temperatuur && boolean) kanaal->UseShared = *boolean;
    } else if (sleutel == QLatin1String("manualfollowsmeasurement")) {
        if (kanaal && ctx.temperatuur && boolean) kanaal->ManualFollowsMeasurement = *boolean;
    }
}

void demoOpzet(int rack) {
    // The simulated rack gets the names a rack and its inputs get when they log on.
    if (Racks[rack].Name.getrimd().isEmpty())
        Racks[rack].Name = QStringLiteral("Rack ") + IdnoAlsTekst(Racks[rack].Idno);
    for (int m = 1; m <= AantalModules; ++m)
        Racks[rack].Modules[m].Idno = IdnoUitTekst(DemoModules[m]);
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[rack].Modules[m];
        mod.Present = true;
        mod.Type = ModuleTypeUitIdno(rack, m);
        mod.Name = SoortUitIdno(mod.Idno);
        for (int i = 1; i <= AantalIngangen; ++i)
            if (mod.Meting[i].Name.getrimd().isEmpty()) mod.Meting[i].Name = KanaalNaam(i, QString());
    }
    ControleerEenheden(rack);
}

void herstelTabelvenster(int rack) {
    const QString sectie = QStringLiteral("Table") + QString::number(rack);
    tabel().StelTabelIn(rack);
    tabel().LeesVensterPositie(rack, sectie);
    for (int m = 1; m <= AantalModules; ++m) {
        const QString grid = sectie + QStringLiteral("M") + QString::number(m);
        tabel().LeesLettertype(rack, m, grid + QStringLiteral("Font"));
        tabel().LeesKolomBreedte(rack, m, grid + QStringLiteral("Colwidth"));
    }
    if (RackVlaggen[rack].Table) {
        tabel().Toon(rack);
        const int tab = TekstNaarInteger(LeesInstelling(AppNaam, sectie, QStringLiteral("Tab"), 0));
        if (tab >= 0 && tab < tabel().AantalTabs(rack) && tabel().TabZichtbaar(rack, tab))
            tabel().KiesTab(rack, tab);
    } else {
        tabel().Verberg(rack);
    }
}

} // namespace

void ZetTabelvensterHerstel(TabelvensterHerstel* herstel) {
    tabelHerstel = herstel;
}

TabelvensterHerstel& tabelvensterHerstel() {
    static TabelvensterHerstel geen;
    return tabelHerstel ? *tabelHerstel : geen;
}

bool SchrijfRackConfiguratie(int rack, QString* mislukt) {
    if (!geldigRack(rack)) return false;
    const RackRecord& r = Racks[rack];
    BewaarInstelling(AppNaam, aanmeldSectie(rack), QStringLiteral("Logon"), r.Present);
    BewaarInstelling(AppNaam, aanmeldSectie(rack), QStringLiteral("Identification"), IdnoAlsTekst(r.Idno));
    if (!r.Present) return true;
    // The new file is written beside the old one and swapped in; the old one becomes the backup.
    const QString pad = rackPad(rack);
    if (platform::SchrijfBestandVeilig(pad, ConfiguratieBytes(regelsVan(rack)), pad + QStringLiteral("bak")))
        return true;
    // The backup's name may be the one refused (a folder in its place).
    const QString fout =
        platform::LaatsteSchrijffoutPad().isEmpty() ? pad : platform::LaatsteSchrijffoutPad();
    if (mislukt)
        *mislukt = fout;
    else
        MeldSchrijffout(fout);
    return false;
}

bool SchrijfAlleRackConfiguraties() {
    bool alles = true;
    for (int r = 1; r <= AantalRacks; ++r)
        alles = SchrijfRackConfiguratie(r) && alles;
    if (alles) ConfiguratieGewijzigd = false;
    return alles;
}

void LeesRackAanmelding() {
    // A rack registered in this run (File > New) keeps its slot, number and modules: its file is read
    // over them, and the saved records fill only the free slots, never with a rack registered already.
    std::array<bool, AantalRacks + 1> aangemeld{};
    for (int n = 1; n <= AantalRacks; ++n) {
        aangemeld[n] = Racks[n].Present;
        // A rack that did not answer a Search is polled again as its record says, its modules under the
        // names of their log-on (its file, read over them, may name them otherwise).
        HerstelModuleNamen(n);
        ZetRackWachtOpAanmelding(n, false);
    }
    const auto elders = [](int n, int32_t idno) {
        for (int e = 1; e <= AantalRacks; ++e)
            if (e != n && Racks[e].Present && Racks[e].Idno == idno) return true;
        return false;
    };
    for (int n = 1; n <= AantalRacks; ++n) {
        RackRecord& r = Racks[n];
        if (aangemeld[n]) {
            LeesRackConfiguratie(n, LeesModusOpstarten);
            continue;
        }
        if (Demo) {
            r.Present = n == 1;
            if (n == 1) r.Idno = IdnoUitTekst(DemoRack);
        } else {
            const QString sectie = aanmeldSectie(n);
            r.Present = TekstNaarBoolean(LeesInstelling(AppNaam, sectie, QStringLiteral("Logon"), "False"))
                            .value_or(false);
            r.Idno =
                IdnoUitTekst(LeesInstelling(AppNaam, sectie, QStringLiteral("Identification"), "0.0.0.0"));
            if (r.Present && elders(n, r.Idno)) {
                r.Present = false;
                continue;
            }
        }
        if (r.Present) r.Present = LeesRackConfiguratie(n, LeesModusOpstarten);
    }
}

bool LeesRackConfiguratie(int rack, int16_t leesModus) {
    if (!geldigRack(rack)) return false;
    const QString bestand = rackPad(rack);
    bool resultaat = false;
    if (Demo) {
        demoOpzet(rack);
        resultaat = true;
    }
    QStringList regels;
    if (BestandBestaat(bestand) && LeesConfiguratieRegels(bestand, regels)) {
        Context ctx;
        for (const QString& regel : regels) {
            if (regel.isEmpty()) continue;
            if (regel.startsWith(QLatin1Char('['))) {
                leesSectie(regel, ctx);
                continue;
            }
            if (const auto delen = SplitsSleutelRegel(regel))
                pasSleutelToe(rack, leesModus, ctx, delen->sleutel, delen->waarde);
        }
        // A module the file calls present without an identification (a file cut after "Present=") has
        // no model: it is no module.
        for (int m = 1; m <= AantalModules; ++m) {
            ModuleRecord& mod = Racks[rack].Modules[m];
            if (mod.Present && mod.Idno == 0) mod.Present = false;
        }
        ControleerEenheden(rack);
        if (RackVlaggen[rack].Show) {
            if (RackvensterInterface* w = MaakRackVenster(rack)) {
                w->FormInstellenControls();
                w->Toon();
            }
        }
        resultaat = true;
    }
    for (int m = 1; m <= AantalModules; ++m)
        LaadModuleKalibratie(rack, m, 0);
    ZetModuleTypes(rack);
    tabel().MaakTabelVenster(rack);
    if (leesModus == LeesModusHerlezen) return resultaat;

    herstelTabelvenster(rack);
    if (RackVlaggen[rack].Show) {
        if (RackvensterInterface* w = MaakRackVenster(rack)) {
            // The place the settings keep for the window; a window without one (a rack that has not
            // been saved with the settings yet) keeps the place it was given, beside the others.
            const QString sectie = QStringLiteral("Measurement") + QString::number(rack);
            if (!LeesInstelling(AppNaam, sectie, QStringLiteral("Top"), QString()).isEmpty())
                w->LeesVensterPositie(sectie);
            w->FormInstellenControls();
        }
    }
    return resultaat;
}

void LeesRackNamen(int rack) {
    if (!geldigRack(rack)) return;
    const QString bestand = rackPad(rack);
    QStringList regels;
    if (!BestandBestaat(bestand) || !LeesConfiguratieRegels(bestand, regels)) return;
    RackvensterInterface* w = MaakRackVenster(rack);
    if (w && w->VensterStatus() != 0) w->ZetVensterStatus(0);
    RackRecord& r = Racks[rack];
    int module = 0;
    int ingang = 0;
    for (const QString& regel : regels) {
        if (regel.isEmpty()) continue;
        if (regel.startsWith(QLatin1Char('['))) {
            const QString naam = regel.mid(1);
            if (naam.startsWith(QLatin1String("RACK"))) module = ingang = 0;
            if (naam.startsWith(QLatin1String("MODULE"))) {
                module = SectieNummer(regel.mid(7, 1), AantalModules);
                ingang = 0;
            }
            if (naam.startsWith(QLatin1String("INPUT")))
                ingang = SectieNummer(regel.mid(6, 1), AantalIngangen);
            if (naam.startsWith(QStringLiteral("°C"))) ingang = SectieNummer(regel.right(2), AantalIngangen);
            continue;
        }
        const auto delen = SplitsSleutelRegel(regel);
        if (!delen) continue;
        const QString& sleutel = delen->sleutel;
        const QString& waarde = delen->waarde;
        if (sleutel == QLatin1String("name")) {
            if (module == 0)
                r.Name = waarde;
            else if (geldigeModule(module) && ingang == 0)
                r.Modules[module].Name = waarde;
            else if (geldigeModule(module) && geldigeIngang(ingang))
                r.Modules[module].Meting[ingang].Name = waarde;
        } else if (sleutel == QLatin1String("show")) {
            if (const auto b = TekstNaarBoolean(waarde)) RackVlaggen[rack].Show = *b;
        }
    }
    w = RackVenster(rack);
    if (!RackVlaggen[rack].Show) {
        if (w) w->Ontlaad();
        return;
    }
    if (w) {
        w->FormInstellenControls();
        w->Toon();
    }
}

void ResetRackConfiguratie() {
    tabelHerstel = nullptr;
}
