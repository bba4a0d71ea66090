#include "files/Grafiekconfiguratie.h"

#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/Configuratietekst.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QStringList>
#include <array>

namespace {

enum class Sectie { Geen, Venster, Waardenas, Tijdsas, Diversen, AlarmHoog, AlarmLaag, Lijn };

// Section names in the order they are tested; the last that matches wins.
const std::array<std::pair<QLatin1String, Sectie>, 7> Secties = {{
    {QLatin1String("WINDOW"), Sectie::Venster},
    {QLatin1String("VALUE AXIS"), Sectie::Waardenas},
    {QLatin1String("TIME AXIS"), Sectie::Tijdsas},
    {QLatin1String("MISCELLANOUS"), Sectie::Diversen},
    {QLatin1String("ALARM HIGH"), Sectie::AlarmHoog},
    {QLatin1String("ALARM LOW"), Sectie::AlarmLaag},
    {QLatin1String("LINE"), Sectie::Lijn},
}};

QString geheel(int w) {
    return QString::number(w);
}

} // namespace

QString GrafiekBestandsnaam(int n) {
    return MapConfiguratie + QStringLiteral("/Graph") + QString::number(n) + QStringLiteral(".gcf");
}

int32_t LeesDiagramKleur(const GrafiekvensterInterface& venster, int reeks) {
    return RGBKleur(venster.LeesDiagramRood(reeks), venster.LeesDiagramGroen(reeks),
                    venster.LeesDiagramBlauw(reeks));
}

bool SchrijfGrafiekInstellingen(int n, GrafiekvensterInterface& venster) {
    const QString bestand = GrafiekBestandsnaam(n);
    venster.ZetTekenen(false);
    const int status = venster.VensterStatus();
    venster.ZetVensterStatus(0);
    const VensterPlaatsing p = venster.Plaatsing();
    const GrafiekInstellingen& g = venster.Instellingen();
    const auto b = [](bool w) { return BooleanAlsTekst(w); };
    const auto kleur = [&](int reeks) {
        return QStringLiteral("Colour=") + geheel(LeesDiagramKleur(venster, reeks));
    };
    const QString leeg;
    QStringList s{QStringLiteral("[WINDOW]"),
                  QStringLiteral("Top=") + SingleAlsTekst(p.Top),
                  QStringLiteral("Left=") + SingleAlsTekst(p.Left),
                  QStringLiteral("Height=") + SingleAlsTekst(p.Height),
                  QStringLiteral("Width=") + SingleAlsTekst(p.Width),
                  QStringLiteral("Windowstate=") + geheel(status),
                  leeg,
                  QStringLiteral("[VALUE AXIS]"),
                  QStringLiteral("Title=") + g.TitelWaardenas,
                  QStringLiteral("Autoscale=") + b(g.AutomatischeSchaal),
                  QStringLiteral("Min=") + DoubleAlsTekst(g.GrafiekMinimum),
                  QStringLiteral("Max=") + DoubleAlsTekst(g.GrafiekMaximum),
                  QStringLiteral("Divisions=") + geheel(g.AantalWaardenVerdelingen),
                  QStringLiteral("Subdivisions=") + geheel(g.AantalWaardenOnderverdelingen),
                  leeg,
                  QStringLiteral("[TIME AXIS]"),
                  QStringLiteral("Title=") + g.TitelTijdsas,
                  QStringLiteral("No of points=") + geheel(g.MaxGrafiekZichtbaar),
                  QStringLiteral("Divisions=") + geheel(g.AantalTijdVerdelingen),
                  QStringLiteral("Label=") + geheel(g.LabelKeuze),
                  leeg,
                  QStringLiteral("[MISCELLANOUS]"),
                  QStringLiteral("Name=") + venster.Caption(),
                  QStringLiteral("Legend=") + b(g.LegendeKeuze),
                  QStringLiteral("XY Recorder=") + b(g.XYrecorder),
                  QStringLiteral("Interval of time=") + geheel(g.RecorderTussentijd),
                  QStringLiteral("Print Recorder=") + b(g.AfdrukkenRecorder),
                  leeg,
                  QStringLiteral("[ALARM HIGH]"),
                  QStringLiteral("Set=") + b(g.AlarmHoog),
                  QStringLiteral("Value=") + DoubleAlsTekst(g.AlarmHoogWaarde),
                  kleur(ReeksAlarmHoog),
                  leeg,
                  QStringLiteral("[ALARM LOW]"),
                  QStringLiteral("Set=") + b(g.AlarmLaag),
                  QStringLiteral("Value=") + DoubleAlsTekst(g.AlarmLaagWaarde),
                  kleur(ReeksAlarmLaag)};
    for (int lijn = 1; lijn <= AantalGrafiekLijnen; ++lijn) {
        const auto cel = [&](int index) { return geheel(venster.LeesGrafiekLijnRef(lijn, index)); };
        s << leeg << QStringLiteral("[LINE%1]").arg(lijn) << QStringLiteral("Rack=") + cel(LijnRack)
          << QStringLiteral("Module=") + cel(LijnModule) << QStringLiteral("Input=") + cel(LijnIngang)
          << kleur(lijn + 2) << QStringLiteral("Min=") + cel(LijnMinimum)
          << QStringLiteral("Max=") + cel(LijnMaximum) << QStringLiteral("Mean=") + cel(LijnGemiddelde);
    }
    const bool gelukt = platform::SchrijfBestandVeilig(bestand, ConfiguratieBytes(s));
    if (status == 1 || status == 2) venster.ZetVensterStatus(status);
    venster.ZetTekenen(true);
    if (!gelukt) ToonMelding(SchrijffoutTekst(bestand), vbExclamation, bestand);
    return gelukt;
}

void LeesGrafiekInstellingen(int n, GrafiekvensterInterface& venster, bool zonderNaam) {
    const QString bestand = GrafiekBestandsnaam(n);
    int status = 0;
    QStringList regels;
    venster.ZetTekenen(false);
    if (BestandBestaat(bestand) && LeesConfiguratieRegels(bestand, regels)) {
        venster.ZetVensterStatus(0);
        VensterPlaatsing p = venster.Plaatsing();
        GrafiekInstellingen& g = venster.Instellingen();
        Sectie sectie = Sectie::Geen;
        int lijn = 0;
        for (const QString& ruw : regels) {
            const QString regel = TrimSpaties(ruw);
            if (regel.isEmpty()) continue;
            if (regel.startsWith(QLatin1Char('['))) {
                sectie = Sectie::Geen;
                for (const auto& [naam, s] : Secties)
                    if (regel.mid(1).startsWith(naam)) sectie = s;
                if (sectie == Sectie::Lijn) {
                    QString nummer = regel;
                    nummer.remove(QStringLiteral("[LINE")).remove(QLatin1Char(']'));
                    lijn = TekstNaarInteger(nummer);
                    if (lijn < 0 || lijn > AantalGrafiekLijnen) lijn = 0;
                }
                continue;
            }
            const auto delen = SplitsSleutelRegel(regel);
            if (!delen) continue;
            const QString& sleutel = delen->sleutel;
            const QString& waarde = delen->waarde;
            const auto is = [&](const char* s) { return sleutel == QLatin1String(s); };
            const auto boolean = [&](bool& doel) {
                if (const auto w = TekstNaarBoolean(waarde)) doel = *w;
            };
            const bool metLijn = sectie == Sectie::Lijn && lijn >= 1;
            const auto cel = [&](int index) {
                venster.SchrijfGrafiekLijnRef(lijn, index, TekstNaarInteger(waarde));
            };
            switch (sectie) {
            case Sectie::Venster:
                if (is("top")) p.Top = TekstNaarSingle(waarde);
                if (is("left")) p.Left = TekstNaarSingle(waarde);
                if (is("height")) p.Height = TekstNaarSingle(waarde);
                if (is("width")) p.Width = TekstNaarSingle(waarde);
                if (is("windowstate")) status = TekstNaarInteger(waarde);
                break;
            case Sectie::Waardenas:
                if (is("title")) g.TitelWaardenas = TrimSpaties(waarde);
                if (is("autoscale")) boolean(g.AutomatischeSchaal);
                if (is("min")) g.GrafiekMinimum = TekstNaarDouble(waarde);
                if (is("max")) g.GrafiekMaximum = TekstNaarDouble(waarde);
                if (is("divisions")) g.AantalWaardenVerdelingen = TekstNaarInteger(waarde);
                if (is("subdivisions")) g.AantalWaardenOnderverdelingen = TekstNaarInteger(waarde);
                break;
            case Sectie::Tijdsas:
                if (is("title")) g.TitelTijdsas = TrimSpaties(waarde);
                if (is("divisions")) g.AantalTijdVerdelingen = TekstNaarInteger(waarde);
                if (is("no of points")) g.MaxGrafiekZichtbaar = TekstNaarInteger(waarde);
                if (is("label")) g.LabelKeuze = TekstNaarInteger(waarde);
                break;
            case Sectie::Diversen:
                if (is("name") && !zonderNaam) venster.ZetCaption(waarde);
                if (is("legend")) boolean(g.LegendeKeuze);
                if (is("xy recorder")) boolean(g.XYrecorder);
                if (is("print recorder")) boolean(g.AfdrukkenRecorder);
                if (is("interval of time")) g.RecorderTussentijd = TekstNaarLong(waarde);
                break;
            case Sectie::AlarmHoog:
            case Sectie::AlarmLaag: {
                const bool hoog = sectie == Sectie::AlarmHoog;
                if (is("set")) boolean(hoog ? g.AlarmHoog : g.AlarmLaag);
                if (is("value")) (hoog ? g.AlarmHoogWaarde : g.AlarmLaagWaarde) = TekstNaarDouble(waarde);
                if (is("colour"))
                    venster.ZetDiagramKleur(hoog ? ReeksAlarmHoog : ReeksAlarmLaag, TekstNaarLong(waarde));
                break;
            }
            case Sectie::Lijn:
                if (!metLijn) break;
                if (is("rack")) cel(LijnRack);
                if (is("module")) cel(LijnModule);
                if (is("input")) cel(LijnIngang);
                if (is("min")) cel(LijnMinimum);
                if (is("max")) cel(LijnMaximum);
                if (is("mean")) cel(LijnGemiddelde);
                if (is("colour")) venster.ZetDiagramKleur(lijn + 2, TekstNaarLong(waarde));
                break;
            case Sectie::Geen:
                break;
            }
        }
        BegrensGrafiekGrenzen(g);
        venster.ZetPlaatsing(p);
    }
    if (status == 1 || status == 2) venster.ZetVensterStatus(status);
    venster.ZetTekenen(true);
    venster.HerInitialiseerGrafiek();
}

int32_t KiesCurveKleur(int32_t& kleur, int16_t& laatsteKeuze) {
    int32_t gekozen = kleur;
    if (bestandsdialogen().KiesKleur(gekozen, Tekst[175])) {
        laatsteKeuze = 1;
        return gekozen;
    }
    laatsteKeuze = 2;
    return kleur;
}
