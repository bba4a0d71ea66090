#include "rackviews/Ingangweergave.h"

#include "acquisition/K761Teksten.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Temperatuur.h"
#include "rackviews/ModuleInstellingen.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

namespace {

// Text-table entries of the tab.
constexpr int TekstISOpH = 153, TekstIon = 155, TekstBereik = 237, TekstHelling = 270, TekstOffset = 271,
              TekstCelconstante = 272, TekstSaliniteit = 273, TekstNulpunt = 275, TekstDatumTijd = 276,
              TekstGeijktBij = 277, TekstEenheid = 278, TekstResolutie = 279, TekstMetingBuitenBereik = 285,
              TekstTemperatuurBuitenBereik = 300, TekstHandwaarde = 310, TekstCeltype = 329,
              TekstIngesteld = 354, TekstKalibratiegegevens = 364, TekstKalibratieVereist = 365,
              TekstNietGeijkt = 366, TekstSensor = 369, TekstControleerElektrode = 370,
              TekstMVperDecade = 372, TekstPotentiaal = 390, TekstNaam = 414, TekstBlancoPotentiaal = 416,
              TekstCapaciteit = 464, TekstDelen = 485, TekstGedeeldGebruiken = 486,
              TekstHandVolgtMeting = 491;

constexpr uint8_t MaskerTemperatuur = VlagTemperatuurTeHoog | VlagTemperatuurTeLaag;
constexpr uint8_t MaskerBereik = VlagBovenBereik | VlagOnderBereik;

QString Kop(int tekst) {
    return Tekst[tekst] + QLatin1Char(':');
}

QString graden() {
    return QStringLiteral("°C");
}

QString datumTekst(platform::Datum datum) {
    return datum == 0 ? Tekst[TekstNietGeijkt] : platform::DatumTijdTekst(datum);
}

// The shared-temperature boxes of input n and, when it takes the shared temperature, every
// temperature control greyed.
void gedeeldeStaat(Ingangweergave& w, const ModuleRecord& module, int n, int gedeeld) {
    const KanaalRecord& t = module.Temperatuur[n];
    w.CheckManualFollowMeasurement.aangevinkt = t.ManualFollowsMeasurement;
    w.CheckManualFollowMeasurement.ingeschakeld = true;
    w.CheckUseSharedMeasurement.aangevinkt = t.UseShared;
    if (gedeeld == n) {
        w.CheckSharedMeasurement = {w.CheckSharedMeasurement.tekst, true, true};
        w.CheckUseSharedMeasurement.ingeschakeld = false;
    } else if (gedeeld != 0) {
        w.CheckSharedMeasurement = {w.CheckSharedMeasurement.tekst, false, false};
        w.CheckUseSharedMeasurement.ingeschakeld = true;
        if (t.UseShared) {
            w.CheckManualFollowMeasurement.ingeschakeld = false;
            Elementweergave& e = w.temperatuur;
            for (Labelstaat* l :
                 {&e.FrameCalibrationData, &e.LabelGeijktOp, &e.LabelDatum, &e.LabelGeijktBij,
                  &e.LabelBuffers, &e.LabelOffset, &e.LabelOffsetData, &e.LabelSlope, &e.LabelSlopeData,
                  &e.LabelExtra, &e.LabelExtraData, &e.LabelEenheid, &e.LabelResolutie, &e.LabelInfo})
                l->ingeschakeld = false;
            e.ComboEenheid.ingeschakeld = false;
            e.ComboResolutie.ingeschakeld = false;
        }
    } else {
        w.CheckSharedMeasurement = {w.CheckSharedMeasurement.tekst, false, true};
        w.CheckUseSharedMeasurement.ingeschakeld = false;
    }
}

void K762Weergave(Ingangweergave& w, const ModuleRecord& module, int c) {
    const KanaalRecord& k = module.Meting[c];
    Elementweergave& e = w.meting;
    const QString eenheid = k.Unit.getrimd();
    const int celtype = GekozenCelType(k.Extra);
    const int geijktType = TekstNaarInteger(k.KalibratieInfo.toString());
    e.LabelBuffers.tekst = KClStandaardNaam(k.KalibratieTekst);
    e.LabelResolutie.tekst = Kop(TekstBereik);
    e.LabelOffset.tekst = Kop(TekstCelconstante);
    e.LabelOffsetData.tekst = CelconstanteTekst(k.Scale, geijktType) + QStringLiteral(" cm-1");
    e.LabelSlope = {VervangAmpersand(Tekst[TekstCapaciteit], QString()) + QLatin1Char(':')};
    e.LabelSlopeData = {InstellingTekstK762(module, c)};
    w.ComboExtra.items = CelTypeLijst();
    w.ComboExtra.gekozen = celtype >= -2 && celtype <= 1 ? celtype + 2 : -1;
    w.ComboExtra.zichtbaar = true;
    w.ComboExtra.ingeschakeld = false;
    w.LabelSalinity = {Kop(TekstCeltype)};
    e.ComboResolutie.items = BereikLijst(celtype);
    if (!e.ComboResolutie.items.isEmpty())
        e.ComboResolutie.gekozen =
            GeldigeResolutie(k.Resolution, static_cast<int>(e.ComboResolutie.items.size()));
    e.ComboResolutie.ingeschakeld = false;
    if (EenheidsoortVan(module, c) == Eenheidsoort::Temperatuur) {
        e.FrameCalibrationData.zichtbaar = false;
        w.LabelSalinity.zichtbaar = false;
        w.ComboExtra.zichtbaar = false;
    }
    if (celtype != geijktType) {
        e.FrameCalibrationData.rood = true;
        e.FrameCalibrationData.tekst = Tekst[TekstKalibratieVereist];
        w.LabelSalinity.rood = true;
        e.LabelOffsetData.rood = true;
    }
}

void K761Weergave(Ingangweergave& w, const ModuleRecord& module, int c) {
    const KanaalRecord& k = module.Meting[c];
    Elementweergave& e = w.meting;
    const Eenheidsoort soort = EenheidsoortVan(module, c);
    e.LabelResolutie.tekst = Kop(TekstResolutie);
    if (soort == Eenheidsoort::PH) {
        e.ComboResolutie.items = {QStringLiteral("0.1"), QStringLiteral("0.01"), QStringLiteral("0.001")};
        e.LabelOffset.tekst = Kop(TekstISOpH);
        e.LabelOffsetData.tekst = OpmaakSingle(k.Offset, FormaatWaarde(module, c));
        e.LabelSlope = {Kop(TekstHelling)};
        e.LabelSlopeData = {OpmaakSingle(k.Scale * 100.0f, QStringLiteral("0.0")) + QStringLiteral(" %")};
    } else if (soort == Eenheidsoort::Ion) {
        for (int i = 0; i <= 25; ++i)
            e.ComboResolutie.items << IonNaam(i);
        e.LabelOffset.tekst = Kop(TekstNulpunt);
        float nulpunt = -k.Offset;
        e.LabelOffsetData.tekst = ConcentratieTekst(nulpunt);
        e.LabelSlope = {Kop(TekstHelling)};
        e.LabelSlopeData = {OpmaakSingle(k.Scale, QStringLiteral("0.0")) + QLatin1Char(' ') +
                            Tekst[TekstMVperDecade]};
        e.LabelResolutie.tekst = Kop(TekstIon);
        e.LabelExtra = {Kop(TekstBlancoPotentiaal)};
        e.LabelExtraData = {k.Extra < 0.0f
                                ? k.KalibratieInfo.toString()
                                : VervangTekst(Tekst[TekstNietGeijkt], QStringLiteral("!"), QString()) +
                                      QLatin1Char('.')};
    } else if (IsZuurstof(soort)) {
        e.ComboResolutie.items = soort == Eenheidsoort::ZuurstofMgL
                                     ? QStringList{QStringLiteral("0.1"), QStringLiteral("0.01")}
                                     : QStringList{QStringLiteral("1"), QStringLiteral("0.1")};
        e.LabelOffset.tekst = Kop(TekstPotentiaal);
        e.LabelOffsetData.tekst = k.KalibratieInfo.toString();
        e.LabelSlope.zichtbaar = e.LabelSlopeData.zichtbaar = false;
        w.LabelSalinity = {Tekst[TekstSaliniteit] + QStringLiteral(" (g/kg):")};
        w.ComboExtra.zichtbaar = true;
        w.ComboExtra.tekst = OpmaakSingle(k.Extra, QStringLiteral("0.0"));
    } else if (soort == Eenheidsoort::Temperatuur) {
        e.ComboResolutie.ingeschakeld = false;
        e.FrameCalibrationData.zichtbaar = false;
    } else {
        e.ComboResolutie.items = {QStringLiteral("1"), QStringLiteral("0.1")};
        e.LabelOffset.tekst = Kop(TekstOffset);
        e.LabelOffsetData.tekst = OpmaakSingle(k.Offset, QStringLiteral("0.0")) + QStringLiteral(" mV");
        e.LabelSlope.zichtbaar = e.LabelSlopeData.zichtbaar = false;
    }
    if (e.ComboResolutie.ingeschakeld)
        e.ComboResolutie.gekozen =
            GeldigeResolutie(k.Resolution, static_cast<int>(e.ComboResolutie.items.size()));
}

} // namespace

Ingangweergave BerekenIngangweergave(const ModuleRecord& module, const Handwaarden& hand, int tab) {
    Ingangweergave w;
    const int c = tab + 1;
    if (c < 1 || c > AantalIngangen) return w;
    const KanaalRecord& k = module.Meting[c];
    const KanaalRecord& t = module.Temperatuur[c];
    const QString type = module.Type.getrimd();
    const QString eenheid = k.Unit.getrimd();
    const QString tEenheid = t.Unit.getrimd();
    Elementweergave& e = w.meting;
    Elementweergave& te = w.temperatuur;

    w.CheckIngesteld = {Tekst[TekstIngesteld], k.Set};
    e.LabelEenheid.tekst = Kop(TekstEenheid);
    e.LabelGeijktOp.tekst = Kop(TekstDatumTijd);
    e.LabelGeijktBij.tekst = Kop(TekstGeijktBij);
    w.LabelNaam.tekst = Kop(TekstNaam);
    w.TextNaam.tekst = k.Name.getrimd();
    e.LabelInfo.rood = te.LabelInfo.rood = true;

    e.ComboEenheid.items = EenheidLijst(type);
    e.ComboEenheid.gekozen = e.ComboEenheid.items.isEmpty() ? -1 : IndexVanEenheid(eenheid, type);
    te.ComboEenheid.items = TemperatuurEenheidLijst();
    te.ComboEenheid.gekozen = IndexVanEenheid(tEenheid, graden());
    w.ComboExtra.zichtbaar = false;
    w.ComboExtra.ingeschakeld = ModelVan(module).type != Modeltype::K762;

    e.FrameCalibrationData.tekst = Tekst[TekstKalibratiegegevens];
    e.LabelExtra.zichtbaar = e.LabelExtraData.zichtbaar = w.LabelSalinity.zichtbaar = false;
    e.LabelBuffers.tekst = k.KalibratieTekst;
    w.LabelSensor.tekst = Kop(TekstSensor);
    w.TextSensor.tekst = k.Sensor.getrimd();

    w.CheckSharedMeasurement.tekst = Tekst[TekstDelen];
    w.CheckUseSharedMeasurement.tekst =
        QString(Tekst[TekstGedeeldGebruiken]).replace(QStringLiteral("##"), GedeeldeTemperatuurNaam(module));
    w.CheckManualFollowMeasurement.tekst = Tekst[TekstHandVolgtMeting];

    const bool nietGeijkt = k.KalibratieDatum == 0;
    e.LabelDatum.tekst = datumTekst(k.KalibratieDatum);
    const Eenheidsoort soort = SoortVanTekst(module, c);
    if (nietGeijkt && soort != Eenheidsoort::Millivolt && soort != Eenheidsoort::Temperatuur) {
        e.FrameCalibrationData = {Tekst[TekstKalibratieVereist], true, true, true};
        e.LabelDatum.rood = true;
    }

    if (ModelVan(module).type == Modeltype::K762)
        K762Weergave(w, module, c);
    else if (ModelVan(module).type == Modeltype::K761)
        K761Weergave(w, module, c);

    if (k.Flags & MaskerTemperatuur) {
        e.LabelInfo.tekst = te.LabelInfo.tekst =
            Tekst[TekstTemperatuurBuitenBereik] + QStringLiteral("\r\n") + Tekst[TekstControleerElektrode];
    } else if ((k.Flags & MaskerBereik) && soort != Eenheidsoort::Temperatuur) {
        e.LabelInfo.tekst =
            Tekst[TekstMetingBuitenBereik] + QStringLiteral("\r\n") + Tekst[TekstControleerElektrode];
    }

    if (!k.Set) {
        e.ComboEenheid.ingeschakeld = e.ComboResolutie.ingeschakeld = false;
        w.ComboExtra.zichtbaar = w.LabelSalinity.zichtbaar = false;
        e.FrameCalibrationData.zichtbaar = e.LabelInfo.zichtbaar = false;
        w.LabelSensor.ingeschakeld = w.TextSensor.ingeschakeld = false;
    }

    // The temperature channel.
    te.LabelEenheid.tekst = Kop(TekstEenheid);
    te.LabelResolutie.tekst = Kop(TekstResolutie);
    te.LabelGeijktOp.tekst = Kop(TekstDatumTijd);
    te.LabelGeijktBij.tekst = Kop(TekstGeijktBij);
    te.LabelOffset.tekst = Kop(TekstOffset);
    te.FrameCalibrationData.tekst = Tekst[TekstKalibratiegegevens];
    if (k.Set) {
        te.ComboResolutie.items = {QStringLiteral("1"), QStringLiteral("0.1")};
        te.ComboResolutie.gekozen = GeldigeResolutie(t.Resolution, 2);
        te.LabelSlope.zichtbaar = te.LabelSlopeData.zichtbaar = false;
        te.LabelExtra.tekst = Kop(TekstHandwaarde);
        te.LabelExtraData.tekst =
            OpmaakSingle(CelsiusNaarEenheid(hand[c], tEenheid), QStringLiteral("0.0")) + tEenheid;
        te.LabelOffsetData.tekst =
            OpmaakSingle(VerschilNaarEenheid(t.Offset, tEenheid), QStringLiteral("0.0")) + tEenheid;
        te.LabelBuffers.tekst = t.KalibratieTekst;
        te.LabelDatum.tekst = datumTekst(t.KalibratieDatum);
    } else {
        te.ComboEenheid.ingeschakeld = te.ComboResolutie.ingeschakeld = false;
        te.FrameCalibrationData.zichtbaar = te.LabelInfo.zichtbaar = false;
        te.LabelSlope.zichtbaar = te.LabelSlopeData.zichtbaar = false;
        te.LabelExtra.zichtbaar = te.LabelExtraData.zichtbaar = false;
    }
    // A channel that takes the shared temperature keeps its lists greyed too: the shared input's
    // unit and value stand in for its own.
    gedeeldeStaat(w, module, c, GedeeldeTemperatuurIngang(module));
    return w;
}
